-- Rows of other tables that the service order's edge cases need (its orders are in
-- 06_service_orders.sql).
--
--   Unit 302 (Sumaré) keeps service orders as Word documents (AbreOSWord).
--   1100  Marcos Vinícius Teles: a new customer with nothing registered yet (no security
--         level, chips, services or equipment).
--   1101  Joalheria Brilho Real Ltda: security level 1, a lent battery that came back, a
--         sensor in transit and a manual correction for maintenance.
--   1102  Helena Martins Siqueira (unit 302): security level 4.
-- It also gives the carrier's new truck (vehicle 6, order 74022) the tracker and chip that
-- the order installs, and the video monitoring of budget 20066 a discount.

INSERT INTO Unidades (CodUnidade, Descrição, Cidade, Estado, AbreOSWord, ForcaCustoSelecionadoOrc,
                      S3Ativo, UrlAmbienteS3, ChaveAcessoS3, ChaveSecretS3) VALUES
  (302, 'Vigilare Sumaré', 'Sumaré', 'SP', 1, 0, 0, 'http://127.0.0.1:4568', 'S3RVER', 'S3RVER');

INSERT INTO DadosEntidades (CodInterno, CodEntidade, Unidade, Codigo, Descreve) VALUES
  (1100001, 76, 302, NULL, '{{DEMO_OUT}}/Documentos Sumaré/'),
  (1100002, 87, 302, NULL, '{{DEMO_OUT}}/Arquivos Sumaré/'),
  (1100003, 254, 302, '0', 'Custo para orçamentos'),
  (1100004, 175, 302, NULL, '0');

INSERT INTO Clientes (CodCliente, TipoCadastro, Nome, Fantasia, CGCCPF, RG, InscriçãoEstadual,
                      DataNascimento, EstadoCivil, EmpresaTrabalha, CodOcupação, Endereço, NumCasa,
                      ComplEndereço, Bairro, Cidade, Estado, CEP, Fone1, Fone2, Celular, Email,
                      Unidade, Empresa, Inclusão, Ativo) VALUES
  (1100, 'C', 'Marcos Vinícius Teles', NULL, '418.273.659-19', '38.402.117-5', NULL,
   '1990-07-21 00:00:00', '1', NULL, NULL, 'Rua Doutor Emílio Ribas', '560', NULL, 'Cambuí',
   'Campinas', 'SP', '13025-141', NULL, NULL, '(19) 99401-7736', 'marcos.teles@gmail.com',
   301, 1, '2026-12-02 00:00:00', 1),
  (1101, 'C', 'JOALHERIA BRILHO REAL LTDA', 'Joalheria Brilho Real', '28.374.916/0001-20', NULL, '244.516.830.117',
   NULL, NULL, NULL, 1202, 'Avenida Francisco Glicério', '1120', 'Loja 4', 'Centro',
   'Campinas', 'SP', '13012-100', '(19) 3232-5510', NULL, '(19) 99620-4471', 'gerencia@brilhoreal.com.br',
   301, 1, '2026-02-20 00:00:00', 1),
  (1102, 'C', 'Helena Martins Siqueira', NULL, '305.618.472-07', '29.771.408-3', NULL,
   '1962-04-03 00:00:00', '4', 'Aposentada', 1201, 'Estrada Municipal SMR-340, km 4', 'S/N', 'Sítio Recanto das Águas', 'Área Rural',
   'Sumaré', 'SP', '13181-899', '(19) 3873-2204', NULL, '(19) 99188-6502', 'helena.siqueira@uol.com.br',
   302, 1, '2025-06-11 00:00:00', 1);

UPDATE Clientes SET Vendedor = 9010, Técnico = 9002, Área = 1, SubÁrea = 12, FantasiaSigma = 'JOALHERIA BRILHO REAL',
  MoniDataCadastro = '2026-03-05 00:00:00', NívelSegurança = 1, AvisaDisparo = 1,
  SigmaLocalizaPainel = 'Central no depósito dos fundos, dentro do armário de aço.',
  ObservaçãoSIGMA = 'Em disparo fora do horário, acionar a pronta resposta e a gerente (usuário 002).',
  Modalidade = 'L', TipoFaturamento = 1, FormaPagamento = 2, ValorNF = 389.90, ValorME = 0,
  ValorComodato = 80.00, ValorCHIP = 0
  WHERE CodCliente = 1101;
UPDATE Clientes SET Vendedor = 9010, Técnico = 9003, Área = 2, SubÁrea = 22, FantasiaSigma = 'SITIO RECANTO DAS AGUAS',
  MoniDataCadastro = '2025-06-20 00:00:00', NívelSegurança = 4, AvisaDisparo = 0,
  SigmaLocalizaPainel = 'Central na despensa da casa sede.',
  Modalidade = 'L', TipoFaturamento = 2, FormaPagamento = 5, ValorNF = 0, ValorME = 149.90,
  ValorComodato = 35.00, ValorCHIP = 0
  WHERE CodCliente = 1102;
UPDATE Clientes SET Modalidade = 'V', TipoFaturamento = 1, FormaPagamento = 5 WHERE CodCliente = 1100;

INSERT INTO CorrigeLocados (CodInterno, CodCliente, CodProduto, Data, Modalidade, Quantidade, Observações) VALUES
  (1100001, 1101, 1004, '2026-09-01 00:00:00', 'M', 1, 'Sensor magnético deixado na loja para manutenção');

INSERT INTO GRVeículosRastreador (CodInterno, CodVeículo, CodRastreador, DataInstalação) VALUES
  (1100001, 6, 6, '2026-12-02 00:00:00');
INSERT INTO GRVeículosChip (CodInterno, CodVeículo, CodChip, DataInstalação) VALUES
  (1100001, 6, 8, '2026-12-02 00:00:00');
UPDATE GRVeículos SET Rastreador = 6, ChipGPRS = 8, LocalizaçãoMódulo = 'Atrás do painel, lado do passageiro' WHERE CodInterno = 6;

UPDATE OrçamentosServiçosAdicionais SET DescontoTotal = 10.00 WHERE CodInterno = 7;
