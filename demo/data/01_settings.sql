-- Units, their settings, companies and the shared code lists.
--
-- Unit 301 (Campinas) is an ordinary unit; unit 740 (Belo Horizonte) belongs to the group of
-- units with their own document rules (TestaBrelis). The document folder (setting 76) and the
-- file folder (setting 87) are written under {{DEMO_OUT}}, which the database builder replaces
-- with the folder a demo run writes into. Each is one level below it, since the generators
-- create the document folder one level deep.

INSERT INTO Unidades (CodUnidade, Descrição, Cidade, Estado, AbreOSWord, ForcaCustoSelecionadoOrc,
                      S3Ativo, UrlAmbienteS3, ChaveAcessoS3, ChaveSecretS3) VALUES
  (301, 'Vigilare Campinas', 'Campinas', 'SP', 0, 0, 0, 'http://127.0.0.1:4568', 'S3RVER', 'S3RVER'),
  (740, 'Rastrevia Belo Horizonte', 'Belo Horizonte', 'MG', 0, 0, 0, 'http://127.0.0.1:4568', 'S3RVER', 'S3RVER');

-- Unit settings: CodEntidade, Unidade, Codigo, Descreve.
INSERT INTO DadosEntidades (CodInterno, CodEntidade, Unidade, Codigo, Descreve) VALUES
  -- unit document folder and unit file folder
  (76301, 76, 301, NULL, '{{DEMO_OUT}}/Documentos Campinas/'),
  (76740, 76, 740, NULL, '{{DEMO_OUT}}/Documentos BH/'),
  (87301, 87, 301, NULL, '{{DEMO_OUT}}/Arquivos Campinas/'),
  (87740, 87, 740, NULL, '{{DEMO_OUT}}/Arquivos BH/'),
  -- keep budgets (239), contracts (84) and amendments (311) as Word documents: no
  (239301, 239, 301, '0', 'Orçamento em Word'),
  (239740, 239, 740, '0', 'Orçamento em Word'),
  (84301, 84, 301, NULL, '0'),
  (84740, 84, 740, NULL, '0'),
  (311301, 311, 301, '0', 'Aditivo em Word'),
  (311740, 311, 740, '0', 'Aditivo em Word'),
  -- financing rate (% a month)
  (196301, 196, 301, NULL, '1,99'),
  (196740, 196, 740, NULL, '2,49'),
  -- ICMS/ISS on budgets (207) and PIS/COFINS/CSLL on budgets (26)
  (207301, 207, 301, '1', '1'),
  (207740, 207, 740, '0', '1'),
  (26301, 26, 301, '1', 'Destaca PIS/COFINS/CSLL'),
  (26740, 26, 740, '0', 'Destaca PIS/COFINS/CSLL'),
  -- stock reconciliation, default readjustment index (IGP-M), fine on overdue receivables
  (80301, 80, 301, '1', 'Conciliação de estoque'),
  (80740, 80, 740, '1', 'Conciliação de estoque'),
  (154301, 154, 301, '15301', 'Índice padrão de reajuste'),
  (154740, 154, 740, '15302', 'Índice padrão de reajuste'),
  (85301, 85, 301, '2', 'Multa por atraso (%)'),
  (85740, 85, 740, '2', 'Multa por atraso (%)'),
  -- daily interest on overdue receivables (% a day)
  (18301, 18, 301, 'MoraDia', '0,033'),
  (18740, 18, 740, 'MoraDia', '0,033'),
  -- amendment products listing
  (247301, 247, 301, '0', 'Lista produtos do orçamento no aditivo'),
  (247740, 247, 740, '1', 'Lista produtos do orçamento no aditivo'),
  -- cost kind (0 management, 1 cost, 2 replacement, 3 average) and plain-cost switch
  (254301, 254, 301, '0', 'Custo para orçamentos'),
  (254740, 254, 740, '3', 'Custo para orçamentos'),
  (175301, 175, 301, NULL, '0'),
  (175740, 175, 740, NULL, '0');

-- Tax withholding settings per company (Descreve holds the company code).
INSERT INTO DadosEntidades (CodInterno, CodEntidade, Unidade, Codigo, Descreve) VALUES
  (17001, 170, NULL, '1', '1'),
  (17002, 170, NULL, '0', '2'),
  (32301, 323, NULL, '0', '1'),
  (32302, 323, NULL, '1', '2'),
  (33001, 330, NULL, '1', '1'),
  (33002, 330, NULL, '0', '2'),
  (33101, 331, NULL, '0', '1'),
  (33102, 331, NULL, '1', '2');

-- Code lists shared by every unit.
INSERT INTO DadosEntidades (CodInterno, CodEntidade, Unidade, Codigo, Descreve) VALUES
  -- marital status
  (701, 7, NULL, '1', 'SOLTEIRO(A)'),
  (702, 7, NULL, '2', 'CASADO(A)'),
  (703, 7, NULL, '3', 'DIVORCIADO(A)'),
  (704, 7, NULL, '4', 'VIÚVO(A)'),
  (705, 7, NULL, '5', 'UNIÃO ESTÁVEL'),
  -- customer occupations
  (1201, 12, NULL, 'RES', 'Residência unifamiliar'),
  (1202, 12, NULL, 'PAD', 'Comércio varejista - padaria e confeitaria'),
  (1203, 12, NULL, 'TRC', 'Transporte rodoviário de cargas'),
  (1204, 12, NULL, 'ESC', 'Escritório administrativo'),
  (1205, 12, NULL, 'FUN', 'Colaborador'),
  -- product brands
  (3001, 30, NULL, 'INT', 'Intelbras'),
  (3002, 30, NULL, 'JFL', 'JFL Alarmes'),
  (3003, 30, NULL, 'HIK', 'Hikvision'),
  (3004, 30, NULL, 'SUN', 'Suntech'),
  (3005, 30, NULL, 'PPA', 'PPA'),
  (3006, 30, NULL, 'UNI', 'Unicoba'),
  -- mobile operators
  (4001, 40, NULL, 'VIVO', 'Vivo'),
  (4002, 40, NULL, 'CLARO', 'Claro'),
  (4003, 40, NULL, 'TIM', 'TIM'),
  -- vehicle kinds
  (4501, 45, NULL, 'AUT', 'Automóvel'),
  (4502, 45, NULL, 'CAM', 'Caminhão'),
  (4503, 45, NULL, 'UTI', 'Utilitário'),
  (4504, 45, NULL, 'MOT', 'Motocicleta'),
  -- service order kinds
  (5201, 52, NULL, 'I', 'INSTALAÇÃO'),
  (5202, 52, NULL, 'M', 'MANUTENÇÃO CORRETIVA'),
  (5203, 52, NULL, 'P', 'MANUTENÇÃO PREVENTIVA'),
  (5204, 52, NULL, 'R', 'RETIRADA DE EQUIPAMENTOS'),
  (5205, 52, NULL, 'V', 'VISTORIA TÉCNICA'),
  -- trip reasons
  (6001, 60, NULL, 'DIS', 'Atendimento de disparo de alarme'),
  (6002, 60, NULL, 'INS', 'Instalação em cliente'),
  (6003, 60, NULL, 'VIS', 'Vistoria técnica'),
  (6004, 60, NULL, 'MAT', 'Compra de material'),
  -- readjustment indexes
  (15301, 153, NULL, 'IGPM', 'IGP-M (FGV)'),
  (15302, 153, NULL, 'IPCA', 'IPCA (IBGE)'),
  (15303, 153, NULL, 'INPC', 'INPC (IBGE)'),
  -- vehicle blocking kinds
  (23301, 233, NULL, '0', 'Sem bloqueio'),
  (23302, 233, NULL, '1', 'Bloqueio de combustível'),
  (23303, 233, NULL, '2', 'Bloqueio de ignição'),
  -- budget kinds
  (24901, 249, NULL, 'A', 'ALARME MONITORADO'),
  (24902, 249, NULL, 'C', 'CFTV - CIRCUITO FECHADO DE TV'),
  (24903, 249, NULL, 'R', 'RASTREAMENTO VEICULAR'),
  (24904, 249, NULL, 'M', 'MANUTENÇÃO');

INSERT INTO Empresas (CodEmpresa, RazãoSocial, Fantasia, CGC, InscriçãoEstadual, InscriçãoMunicipal,
                      Endereço, Bairro, Município, UF, CEP, Telefone, Email, Gerente, CPFRespEmpresa,
                      CidadeForo, Simples, PIcmsSimples, PIssSimples, ISS, PINSS,
                      TipoArredondamentoISS, Conciliadora, FormaPagamentoPadrão) VALUES
  (1, 'VIGILARE SEGURANÇA ELETRÔNICA LTDA', 'Vigilare Segurança', '18.462.739/0001-80',
   '244.618.395.110', '3.104.587-2', 'Avenida Norte-Sul, 1450', 'Cambuí', 'Campinas', 'SP',
   '13025-320', '(19) 3251-4400', 'contato@vigilare.com.br', 'Rodrigo Antunes Bassi',
   '903.561.278-77', NULL, 0, 0, 0, 2, 11, 0, 1, 2),
  (2, 'RASTREVIA RASTREAMENTO VEICULAR LTDA', 'Rastrevia', '21.639.048/0001-14',
   '062.418.937.0041', '0.456.789/001-3', 'Rua dos Guajajaras, 977, sala 1204', 'Centro',
   'Belo Horizonte', 'MG', '30180-101', '(31) 3274-8800', 'comercial@rastrevia.com.br',
   'Luciana Prates Drummond', '157.948.306-20', 'Nova Lima', 1, 1.86, 2.01, 3, 11, 3, 1, 2);

INSERT INTO ICMSEstados (CodInterno, Unidade, UF, ICMSSaída, ICMSEntrada) VALUES
  (1, 301, 'SP', 18, 18),
  (2, 301, 'MG', 12, 12),
  (3, 301, 'RJ', 12, 12),
  (4, 740, 'MG', 18, 18),
  (5, 740, 'SP', 12, 12),
  (6, 740, 'RJ', 12, 12);

INSERT INTO FormasPagto (CodFormaPagto, FormaPagto, Banco, DébitoAutomático, Bloqueto) VALUES
  (1, 'Dinheiro', NULL, 0, 0),
  (2, 'Boleto bancário', 'Banco do Brasil', 0, 1),
  (3, 'Débito automático em conta', 'Itaú Unibanco', 1, 0),
  (4, 'Cartão de crédito', NULL, 0, 0),
  (5, 'PIX', NULL, 0, 0);

INSERT INTO CondiçõesPagto (CodCondição, Descrição, CodFormaPagto, Entrada, Data1, Data2, Data3,
                            Data4, Data5, Data6, Data7, Data8, Data9, Data10, Data11, Data12,
                            JuroDiário, CondInativa) VALUES
  (10, 'À vista', 1, 'N', 0, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, 0),
  (11, 'Entrada + 30/60 dias', 2, 'S', 0, 30, 60, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, 0),
  (12, '30/60/90 dias', 2, 'N', 30, 60, 90, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, 0),
  (13, 'Entrada + 5 parcelas mensais', 2, 'S', 0, 30, 60, 90, 120, 150, NULL, NULL, NULL, NULL, NULL, NULL, 0.033, 0),
  (14, '10 vezes no cartão', 4, 'N', 30, 60, 90, 120, 150, 180, 210, 240, 270, 300, NULL, NULL, 0, 0),
  (15, '4 parcelas (tabela antiga)', 2, 'N', 30, 60, 90, 120, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, 1),
  (16, 'PIX à vista', 5, 'N', 0, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0, 0);

INSERT INTO TiposFaturamento (CodTipoFaturamento, TipoFaturamento) VALUES
  (1, 'Mensal pós-pago'),
  (2, 'Mensal pré-pago'),
  (3, 'Trimestral'),
  (4, 'Anual');

INSERT INTO Áreas (CodÁrea, DescrÁrea) VALUES
  (1, 'Campinas - Região Central'),
  (2, 'Campinas - Região Norte'),
  (10, 'Grande Belo Horizonte');

INSERT INTO SubÁreas (CodSubÁrea, CodÁrea, DescrSub) VALUES
  (11, 1, 'Cambuí'),
  (12, 1, 'Guanabara'),
  (21, 2, 'Taquaral'),
  (22, 2, 'Barão Geraldo'),
  (101, 10, 'Contagem - Cidade Industrial');
