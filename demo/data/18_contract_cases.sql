-- Contract cases: units, customers and rows that exercise the contract document's branches.
--
--   Units 298 and 299 (Sumaré, Hortolândia) keep contracts as Word documents (setting 84);
--   below 299 a unit never does. Unit 616 (Americana) lends its equipment (TestaDortam), unit
--   634 (Piracicaba) marks a contract unsigned once it is printed (TestaQuenzo).
--
--   1160  CONDOMÍNIO EDIFÍCIO SÃO JOSÉ/BLOCO B ...   a name longer than 50 characters with
--         characters a file name cannot hold; radio tested every hour, internet by radio link;
--         ISS and INSS withheld; two representatives
--   1161  CLÍNICA ODONTOLÓGICA SORRISO PLENO LTDA   unit 634, signed contract, 13th instalment
--   1162  MERCADO BOM PREÇO AMERICANA LTDA           unit 616, rental budget lent (COMODATO)
--   1163  Rodrigo Tavares Mendonça                   the monitoring value is zero (rental and
--         services make up the whole invoice); a service of value 0; term left at 0 months

INSERT INTO Unidades (CodUnidade, Descrição, Cidade, Estado, AbreOSWord, ForcaCustoSelecionadoOrc,
                      S3Ativo, UrlAmbienteS3, ChaveAcessoS3, ChaveSecretS3) VALUES
  (298, 'Vigilare Sumaré', 'Sumaré', 'SP', 0, 0, 0, NULL, NULL, NULL),
  (299, 'Vigilare Hortolândia', 'Hortolândia', 'SP', 0, 0, 0, NULL, NULL, NULL),
  (616, 'Vigilare Americana', 'Americana', 'SP', 0, 0, 0, NULL, NULL, NULL),
  (634, 'Vigilare Piracicaba', 'Piracicaba', 'SP', 0, 0, 0, NULL, NULL, NULL);

INSERT INTO DadosEntidades (CodInterno, CodEntidade, Unidade, Codigo, Descreve) VALUES
  (1300001, 76, 298, NULL, '{{DEMO_OUT}}/Documentos Sumare/'),
  (1300002, 76, 299, NULL, '{{DEMO_OUT}}/Documentos Hortolandia/'),
  (1300003, 76, 616, NULL, '{{DEMO_OUT}}/Documentos Americana/'),
  (1300004, 76, 634, NULL, '{{DEMO_OUT}}/Documentos Piracicaba/'),
  (1300005, 87, 298, NULL, '{{DEMO_OUT}}/Arquivos Sumare/'),
  (1300006, 87, 299, NULL, '{{DEMO_OUT}}/Arquivos Hortolandia/'),
  (1300007, 87, 616, NULL, '{{DEMO_OUT}}/Arquivos Americana/'),
  (1300008, 87, 634, NULL, '{{DEMO_OUT}}/Arquivos Piracicaba/'),
  -- keep contracts as Word documents
  (1300009, 84, 298, NULL, '1'),
  (1300010, 84, 299, NULL, ' 1 '),
  (1300011, 84, 616, NULL, '0'),
  (1300012, 84, 634, NULL, NULL),
  -- fine and daily interest on overdue receivables, readjustment index
  (1300013, 85, 616, '2', 'Multa por atraso (%)'),
  (1300014, 85, 634, '10', 'Multa por atraso (%)'),
  (1300015, 18, 616, 'MoraDia', '0,033'),
  (1300016, 18, 634, 'MoraDia', '0,05'),
  (1300017, 154, 616, '15302', 'Índice padrão de reajuste'),
  (1300018, 154, 634, '15303', 'Índice padrão de reajuste'),
  -- another customer occupation
  (1300020, 12, NULL, 'CON', 'Condomínio residencial'),
  (1300021, 12, NULL, 'SAU', 'Clínica odontológica');

INSERT INTO Clientes (CodCliente, TipoCadastro, Nome, Fantasia, CGCCPF, RG, InscriçãoEstadual,
                      DataNascimento, EstadoCivil, EmpresaTrabalha, CodOcupação, Endereço, NumCasa,
                      ComplEndereço, Bairro, Cidade, Estado, CEP, Fone1, Fone2, Celular, Email,
                      Unidade, Empresa, Inclusão, Ativo) VALUES
  (1160, 'C', 'CONDOMÍNIO EDIFÍCIO SÃO JOSÉ/BLOCO B, RESIDENCIAL JARDIM DAS ACÁCIAS – ADMINISTRAÇÃO',
   'Cond. São José', '12.804.377/0001-82', NULL, 'ISENTO', NULL, NULL, NULL, 1300020,
   'Rua Barão de Itapura', '2801', 'Portaria', 'Guanabara', 'Campinas', 'SP', '13073-300',
   '(19) 3242-7760', '(19) 3242-7761', '(19) 99501-3344', 'administracao@condsaojose.com.br',
   301, 1, '2026-11-23 00:00:00', 1),
  (1161, 'C', 'CLÍNICA ODONTOLÓGICA SORRISO PLENO LTDA', 'Sorriso Pleno', '33.918.226/0001-25', NULL,
   '535.204.771.118', NULL, NULL, NULL, 1300021, 'Avenida Independência', '1120', 'Sala 4', 'Alto',
   'Piracicaba', 'SP', '13419-160', '(19) 3433-9012', NULL, '(19) 99712-6650',
   'contato@sorrisopleno.odo.br', 634, 1, '2026-02-10 00:00:00', 1),
  (1162, 'C', 'MERCADO BOM PREÇO AMERICANA LTDA', 'Bom Preço', '40.127.553/0001-24', NULL,
   '165.338.906.110', NULL, NULL, NULL, 1202, 'Avenida Brasil', '3350', NULL, 'Jardim São Paulo',
   'Americana', 'SP', '13468-000', '(19) 3461-2288', NULL, '(19) 98177-4400',
   'gerencia@bomprecoamericana.com.br', 616, 1, '2026-09-14 00:00:00', 1),
  (1163, 'C', 'Rodrigo Tavares Mendonça', NULL, '391.604.287-40', '38.115.906-2', NULL,
   '1985-10-21 00:00:00', '1', 'Tribunal de Justiça de SP', 1201, 'Rua Dr. Emílio Ribas', '640', NULL,
   'Cambuí', 'Campinas', 'SP', '13025-141', NULL, NULL, '(19) 99655-0718', 'rodrigo.tmendonca@gmail.com',
   301, 1, '2026-06-01 00:00:00', 1);

UPDATE Clientes SET Representante = 'Maria Cecília Andrade Lobo', CPFRepresentante = '41729563864',
  RepresentanteEstadoCivil = '3', Representante2 = 'Jorge Luís Nakamura', CPFRepresentante2 = '228.514.379-68',
  RGRepresentante2 = '19.443.802-7', RepresentanteEstadoCivil2 = NULL,
  EndereçoRepresentante2 = 'Rua Barão de Itapura', NumRepresentante2 = '2801, ap. 112',
  BairroRepresentante2 = 'Guanabara', CidadeRepresentante2 = 'Campinas', EstadoRepresentante2 = 'SP',
  Vendedor = 9010, Técnico = 9003, AvisaDisparo = 1, Modalidade = 'L', OrçamentoOrigem = 20200,
  TipoFaturamento = 1, FormaPagamento = 3, DiaVencimento = 20, DiaVcto = 20, TempoPreventiva = 6,
  MêsReajuste = 1, TipoÍndice = NULL, ValorNF = 389.40, ValorME = 0, ValorComodato = 75.00,
  ValorCHIP = 24.90, ManterISS = 0, DISS = 1, BaseISS = '389,40', ISS = 2, DINSS = 1,
  BaseINSS = '389,40', INSS = 11, DIRPF = 0, DPIS = 0, DCOFINS = 0, DCSLL = 0,
  SenhaOnLine = 'Lvymy<:<@', Observações = 'Síndica e subsíndico assinam juntos.'
  WHERE CodCliente = 1160;
UPDATE Clientes SET Representante = 'Dra. Helena Prado Vasconcelos', CPFRepresentante = '502.841.967-11',
  RepresentanteEstadoCivil = '2', Vendedor = 9010, Técnico = 9002, AvisaDisparo = 0, Modalidade = 'V',
  TipoFaturamento = 2, FormaPagamento = 2, DiaVencimento = 10, DiaVcto = 10, TempoPreventiva = 12,
  MêsReajuste = 2, ValorNF = 159.90, ValorME = 0, ValorComodato = 0, ValorCHIP = 0, ManterISS = 1,
  DISS = 1, BaseISS = '159,90', ISS = 3, DINSS = 0, DIRPF = 0, DPIS = 0, DCOFINS = 0, DCSLL = 0
  WHERE CodCliente = 1161;
UPDATE Clientes SET Representante = 'Antônio Carlos Bortoletto', CPFRepresentante = '109.377.248-40',
  RepresentanteEstadoCivil = '2', Vendedor = 9010, Técnico = 9001, AvisaDisparo = 1, Modalidade = 'L',
  OrçamentoOrigem = 20201, TipoFaturamento = 1, FormaPagamento = NULL, DiaVencimento = NULL,
  DiaVcto = 25, TempoPreventiva = 6, MêsReajuste = 9, ValorNF = 210.00, ValorME = 0,
  ValorComodato = 70.00, ValorCHIP = 0, DISS = 0, DINSS = 0, DIRPF = 0, DPIS = 0, DCOFINS = 0,
  DCSLL = 0
  WHERE CodCliente = 1162;
UPDATE Clientes SET Vendedor = 9010, Técnico = 9001, AvisaDisparo = 1, Modalidade = 'L',
  TipoFaturamento = 1, FormaPagamento = 2, DiaVencimento = 5, DiaVcto = 5, TempoPreventiva = 12,
  MêsReajuste = 6, TipoÍndice = 15303, ValorNF = 94.80, ValorME = 0, ValorComodato = 45.00,
  ValorCHIP = 0, DISS = 0, DINSS = 0, DIRPF = 0, DPIS = 0, DCOFINS = 0, DCSLL = 0
  WHERE CodCliente = 1163;

-- Monthly services; 1163's reports come free, and so does the carrier's app (a Brelis unit
-- prints such a service as 0,00).
INSERT INTO ClientesServiçosAdicionais (CodInterno, CodCliente, CodServiço, Quantidade, ValorServiço,
                                        Manutenção, DataInclusão, Observações) VALUES
  (1300001, 1160, 1, 1, 49.90, 0, '2026-11-23 00:00:00', 'Ronda na portaria a cada disparo'),
  (1300002, 1160, 2, 2, 79.90, 1, '2026-11-23 00:00:00', 'Portaria e garagem'),
  (1300003, 1161, 3, 1, 14.90, 0, '2026-02-10 00:00:00', NULL),
  (1300004, 1163, 1, 1, 34.90, 0, '2026-06-01 00:00:00', 'Valor promocional no primeiro ano'),
  (1300005, 1163, 3, 1, 14.90, 0, '2026-06-01 00:00:00', NULL),
  (1300006, 1163, 4, 1, 0, 0, '2026-06-01 00:00:00', 'Cortesia'),
  (1300007, 1063, 3, 1, 0, 0, '2025-05-12 00:00:00', 'Aplicativo de acompanhamento da frota, cortesia');

INSERT INTO ClientesContratos (CodInterno, CodCliente, NumContrato, Prazo, Assinatura, PrimeiroFaturamento,
                               Fone, Radio, GPRS, Internet, Satelital, TipoInternet, HoraTeste, TesteRadio,
                               Decimo, Assinado) VALUES
  (1300001, 1160, 'CT-301-2026-0412', 24, '2026-11-23 00:00:00', '2026-12-20 00:00:00',
   0, 1, 0, 1, 0, 'rádio enlace dedicado', NULL, 1, 0, 1),
  (1300002, 1161, 'CT-634-2026-0031', 12, '2026-02-10 00:00:00', '2026-03-10 00:00:00',
   1, 0, 1, 0, 0, NULL, '06:00', NULL, 1, 1),
  (1300003, 1162, 'CT-616-2026-0105', 36, NULL, '2026-10-25 00:00:00',
   0, 0, 1, 1, 0, 'modem 4G', NULL, NULL, 0, 0),
  (1300004, 1163, 'CT-301-2026-0288', 0, '2026-06-01 00:00:00', NULL,
   1, 0, 0, 0, 0, NULL, '22:00', NULL, 0, 1);

INSERT INTO ContasDébito (CodInterno, Cliente, Banco, Agência, Conta, Ativo) VALUES
  (1300001, 1160, 'Banco Santander', '3321', '13004417-5', 1);

INSERT INTO Prospects (CodProspect, Nome, CodCliente, Indicante, Origem, DataCadastro) VALUES
  (1300001, 'Condomínio Edifício São José', 1160, 1042, 'Indicação de cliente', '2026-10-30 00:00:00');

-- The carrier's vehicle and post cancellations carry a fine, billed apart (PlanílhaMulta).
UPDATE VeículosCancelamento SET ValorMulta = 179.80, PlanílhaMulta = 880022 WHERE CodInterno = 1;
UPDATE PostosCancelamentos SET ValorMulta = 3200.00, PlanílhaMulta = 880023 WHERE CodInterno = 1;

-- A supermarket chain: 1164 is the head office, 1165 its Taquaral branch (CodCadastroMatriz).
-- The branch's budget 20202 delivers part of the equipment at the head office (EntregaMatriz)
-- and carries a service the head office generates for its branches (service 8).
INSERT INTO Clientes (CodCliente, TipoCadastro, Nome, Fantasia, CGCCPF, RG, InscriçãoEstadual,
                      DataNascimento, EstadoCivil, EmpresaTrabalha, CodOcupação, Endereço, NumCasa,
                      ComplEndereço, Bairro, Cidade, Estado, CEP, Fone1, Fone2, Celular, Email,
                      Unidade, Empresa, Inclusão, Ativo) VALUES
  (1164, 'C', 'SUPERMERCADOS PAGUE POUCO LTDA', 'Pague Pouco', '45.172.033/0001-57', NULL, '244.551.908.117',
   NULL, NULL, NULL, 1202, 'Avenida John Boyd Dunlop', '3900', NULL, 'Jardim Ipaussurama', 'Campinas', 'SP',
   '13060-803', '(19) 3229-4500', NULL, NULL, 'compras@paguepouco.com.br', 301, 1, '2026-03-02 00:00:00', 1),
  (1165, 'C', 'SUPERMERCADOS PAGUE POUCO LTDA - FILIAL TAQUARAL', 'Pague Pouco Taquaral',
   '45.172.033/0003-19', NULL, '244.551.908.125', NULL, NULL, NULL, 1202, 'Avenida Heitor Penteado', '1780',
   NULL, 'Taquaral', 'Campinas', 'SP', '13087-000', '(19) 3229-4570', NULL, '(19) 99144-0382',
   'taquaral@paguepouco.com.br', 301, 1, '2026-10-19 00:00:00', 1);

UPDATE Clientes SET CodCadastroMatriz = 1164, Representante = 'Renata Figueiredo Sallum',
  CPFRepresentante = '318.552.740-27', RepresentanteEstadoCivil = '2', Vendedor = 9010, Técnico = 9003,
  AvisaDisparo = 0, Modalidade = 'L', OrçamentoOrigem = 20202, TipoFaturamento = 3, FormaPagamento = 2,
  DiaVencimento = 12, DiaVcto = 12, TempoPreventiva = 6, MêsReajuste = 10, TipoÍndice = 15301,
  ValorNF = 289.90, ValorME = 0, ValorComodato = 95.00, ValorCHIP = 0, DISS = 0, DINSS = 0, DIRPF = 0,
  DPIS = 0, DCOFINS = 0, DCSLL = 0
  WHERE CodCliente = 1165;
UPDATE Clientes SET Vendedor = 9010, Modalidade = 'L', TipoFaturamento = 3, FormaPagamento = 2,
  DiaVencimento = 12, ValorNF = 0, ValorComodato = 0 WHERE CodCliente = 1164;

INSERT INTO ClientesServiçosAdicionais (CodInterno, CodCliente, CodServiço, Quantidade, ValorServiço,
                                        Manutenção, DataInclusão, Observações) VALUES
  (1300008, 1165, 1, 1, 49.90, 0, '2026-10-26 00:00:00', 'Pronta resposta na loja'),
  (1300009, 1165, 8, 1, 35.00, 0, '2026-10-26 00:00:00', 'Eventos da loja consolidados na matriz');

INSERT INTO ClientesContratos (CodInterno, CodCliente, NumContrato, Prazo, Assinatura, PrimeiroFaturamento,
                               Fone, Radio, GPRS, Internet, Satelital, TipoInternet, HoraTeste, TesteRadio,
                               Decimo, Assinado) VALUES
  (1300005, 1165, 'CT-301-2026-0377', 36, '2026-10-26 00:00:00', '2026-11-12 00:00:00',
   0, 0, 1, 1, 0, 'link dedicado da rede da matriz', NULL, NULL, 0, 1);

INSERT INTO ProspectsContatos (CodContato, CodProspect, CodCliente, Nome, Função, Fone1, Fone2, Celular, Email, Ativo) VALUES
  (1300001, 1300001, 1160, 'Maria Cecília Andrade Lobo', 'Síndica', '(19) 3242-7760', NULL, '(19) 99501-3344', 'sindica@condsaojose.com.br', 1),
  (1300002, NULL, 1165, 'Marcos Vinícius Teodoro', 'Gerente da loja', '(19) 3229-4570', NULL, '(19) 99144-0382', 'taquaral@paguepouco.com.br', 1),
  (1300003, NULL, 1162, 'Antônio Carlos Bortoletto', 'Proprietário', '(19) 3461-2288', NULL, '(19) 98177-4400', NULL, 1);

-- Budgets of the contract cases: the condominium's (20200), the Americana market's, whose
-- rented equipment unit 616 lends (20201), and the branch's (20202).
INSERT INTO Orçamentos (Planílha, CodInterno, NumOrçamento, Unidade, Empresa, Cliente, ClienteNome, CodContato,
                        Titulo, TipoServiço, Modalidade, Status, DataAbertura, Emissão, Liberação, Vendedor,
                        Gecom, UF, TotalProdutos, Desconto, PDesconto, TotalServiços, DescontoServiços,
                        PDescontoServiços, ValorCREA, ValorFrete, ValorMonitoramento, ValorComodato,
                        PrazoContrato, MesesRetornoLocação, VeiculosQuantidade, VeiculosMensal,
                        VeículosComodato, VeículosSeguro, VeículosAssistência, FormaPagto, CondiçãoPagto,
                        VencimentoPor, NParcelas, ValorEntrada, FinanciadoMeses, FinanciadoValor,
                        CodClienteOrigemTrocaTitularidade, CodVeículoTrocaTitularidade, idAceite, Observ,
                        ObsFechamento) VALUES
  (20200, 1300001, 1221, 301, 1, 1160, 'CONDOMÍNIO EDIFÍCIO SÃO JOSÉ/BLOCO B', 1300001,
   'Alarme monitorado das áreas comuns com vídeo na portaria', 'A', 'L', 'L',
   '2026-11-03 00:00:00', '2026-11-03 00:00:00', '2026-11-20 00:00:00', 9010, 9011, 'SP',
   395.80, 0, 0, 350.00, 0, 0, 0, 0, 184.60, 75.00,
   24, 24, 0, 0, 0, 0, 0, 2, 12,
   1, 3, 0, 0, 0, NULL, NULL, NULL,
   'Aprovado em assembleia de condôminos de 18/11/2026. Central e sensores cedidos em locação; botões de pânico e cabeamento vendidos.',
   'Aprovado pela síndica em 20/11/2026.'),
  (20201, 1300002, 1238, 616, 1, 1162, 'MERCADO BOM PREÇO AMERICANA LTDA', 1300003,
   'Alarme monitorado com equipamentos em comodato', 'A', 'L', 'L',
   '2026-09-01 00:00:00', '2026-09-01 00:00:00', '2026-09-10 00:00:00', 9010, NULL, 'SP',
   39.90, 0, 0, 350.00, 0, 0, 0, 0, 140.00, 70.00,
   36, 36, 0, 0, 0, 0, 0, 2, 10,
   1, 1, 0, 0, 0, NULL, NULL, NULL,
   'Equipamentos cedidos em comodato pela unidade de Americana.', NULL),
  (20202, 1300003, 1240, 301, 1, 1165, 'SUPERMERCADOS PAGUE POUCO LTDA - FILIAL TAQUARAL', 1300002,
   'Alarme da filial Taquaral integrado à matriz', 'A', 'L', 'L',
   '2026-10-05 00:00:00', '2026-10-05 00:00:00', '2026-10-20 00:00:00', 9010, 9011, 'SP',
   84.00, 0, 0, 350.00, 0, 0, 0, 0, 110.00, 95.00,
   36, 36, 0, 0, 0, 0, 0, 2, 12,
   1, 3, 0, 0, 0, NULL, NULL, NULL,
   'Controles remotos e teclado de reserva entregues na matriz, que distribui às lojas.', NULL);

INSERT INTO OrçamentosProdutos (CodInterno, Planílha, CodProduto, Descrição, GrupoOrçamento, LocalInstalação,
                                Quantidade, QtdadeSugerida, Unitário, PreçoReal, Líquido, Total, TotalLíquido,
                                CobraLocado, EntregaMatriz) VALUES
  (1300001, 20200, 1001, 'CENTRAL DE ALARME AMT 2018 E SMART', 'PORTARIA', 'Portaria', 1, 1, 689.00, 689.00, 689.00, 689.00, 689.00, 0, 0),
  (1300002, 20200, 1003, 'SENSOR INFRAVERMELHO PASSIVO IVP 3000 MW', 'ÁREAS COMUNS', 'Salão, academia e garagens', 6, 6, 89.90, 89.90, 89.90, 539.40, 539.40, 0, 0),
  (1300003, 20200, 1014, 'BOTÃO DE PÂNICO SEM FIO XAP 8000', 'PORTARIA', 'Guarita', 2, 2, 69.90, 69.90, 69.90, 139.80, 139.80, 1, 0),
  (1300004, 20200, 1011, 'CABO COAXIAL BIPOLAR 4MM', 'ÁREAS COMUNS', NULL, 80, 80, 3.20, 3.20, 3.20, 256.00, 256.00, 1, 0),
  (1300005, 20201, 1001, 'CENTRAL DE ALARME AMT 2018 E SMART', NULL, 'Escritório', 1, 1, 689.00, 689.00, 689.00, 689.00, 689.00, 0, 0),
  (1300006, 20201, 1003, 'SENSOR INFRAVERMELHO PASSIVO IVP 3000 MW', NULL, 'Loja e depósito', 3, 3, 89.90, 89.90, 89.90, 269.70, 269.70, 0, 0),
  (1300007, 20201, 1005, 'SIRENE PIEZOELÉTRICA 120 DB', NULL, 'Fachada', 1, 1, 39.90, 39.90, 39.90, 39.90, 39.90, 1, 0),
  (1300008, 20202, 1001, 'CENTRAL DE ALARME AMT 2018 E SMART', NULL, 'Depósito', 1, 1, 689.00, 689.00, 689.00, 689.00, 689.00, 0, 0),
  (1300009, 20202, 1002, 'TECLADO LCD XAT 2000', NULL, 'Reserva na matriz', 1, 1, 219.00, 219.00, 219.00, 219.00, 219.00, 0, 1),
  (1300010, 20202, 1015, 'CONTROLE REMOTO XAC 4000 SMART', NULL, 'Gerência', 2, 2, 42.00, 42.00, 42.00, 84.00, 84.00, 1, 1);

INSERT INTO OrçamentoServiços (CodInterno, Planílha, CodServiço, Descrição, GrupoOrçamento, Quantidade, Unitário,
                               PreçoReal, Bruto, Total, TotalBruto, CobraLocado) VALUES
  (1300001, 20200, 501, 'INSTALAÇÃO DE SISTEMA DE ALARME', NULL, 1, 350.00, 350.00, 350.00, 350.00, 350.00, 1),
  (1300002, 20201, 501, 'INSTALAÇÃO DE SISTEMA DE ALARME', NULL, 1, 350.00, 350.00, 350.00, 350.00, 350.00, 1),
  (1300003, 20202, 501, 'INSTALAÇÃO DE SISTEMA DE ALARME', NULL, 1, 350.00, 350.00, 350.00, 350.00, 350.00, 1);

INSERT INTO OrçamentosServiçosAdicionais (CodInterno, Planílha, CodServiço, Quantidade, ValorServiço,
                                          DescontoTotal, Observações) VALUES
  (1300001, 20200, 1, 1, 49.90, 0, 'Ronda na portaria a cada disparo'),
  (1300002, 20200, 2, 2, 159.80, 0, 'Portaria e garagem'),
  (1300003, 20202, 8, 1, 35.00, 0, 'Consolidado pela matriz'),
  (1300004, 20202, 1, 1, 49.90, 0, 'Pronta resposta na loja');

-- A spare tracker lent to the carrier while the Delivery's is being repaired.
INSERT INTO CorrigeLocados (CodInterno, CodCliente, CodProduto, Data, Modalidade, Quantidade, Observações) VALUES
  (1300001, 1063, 1012, '2026-11-10 00:00:00', 'E', 1, 'Rastreador reserva emprestado durante o reparo do HMG7E54');
