-- Customers and what hangs off them. Staff (technicians, sellers, the commercial manager)
-- are registered in Clientes too (TipoCadastro 'F'), since orders and budgets point at them
-- by CodCliente.
--
--   1042  Ana Lúcia Bertolini Cardoso   person, rented alarm with monitoring (unit 301, company 1)
--   1057  Padaria e Confeitaria Santa Edwiges Ltda   company, bought alarm, separate billing
--         address, cancellation confirmed (unit 301, company 1)
--   1063  Transportadora Rio Pardo Ltda   company, vehicle tracking fleet, guard posts,
--         separate billing address (unit 740, company 2)
--   1071  José Roberto Fagundes   person, former owner of a tracked pick-up (unit 740)

INSERT INTO Clientes (CodCliente, TipoCadastro, Nome, Fantasia, CGCCPF, RG, InscriçãoEstadual,
                      DataNascimento, EstadoCivil, EmpresaTrabalha, CodOcupação, Endereço, NumCasa,
                      ComplEndereço, Bairro, Cidade, Estado, CEP, Fone1, Fone2, Celular, Email,
                      Unidade, Empresa, Inclusão, Ativo) VALUES
  (9001, 'F', 'Carlos Eduardo Nogueira', NULL, '459.238.117-31', '32.418.775-6', NULL,
   '1986-02-11 00:00:00', '2', 'Vigilare Segurança', 1205, 'Rua Jasmim', '412', NULL, 'Chácara Primavera',
   'Campinas', 'SP', '13087-460', '(19) 3251-4400', NULL, '(19) 99134-2287', 'carlos.nogueira@vigilare.com.br',
   301, 1, '2019-04-01 00:00:00', 1),
  (9002, 'F', 'Renato Aparecido Silveira', NULL, '136.284.905-70', '29.506.114-2', NULL,
   '1991-09-23 00:00:00', '1', 'Vigilare Segurança', 1205, 'Rua Professor Luiz Rosa', '77', 'Apto 14', 'Jardim Chapadão',
   'Campinas', 'SP', '13070-173', '(19) 3251-4400', NULL, '(19) 99872-1045', 'renato.silveira@vigilare.com.br',
   301, 1, '2021-07-12 00:00:00', 1),
  (9003, 'F', 'Juliana Ferraz Montenegro', NULL, '527.819.364-64', '41.228.903-5', NULL,
   '1994-12-02 00:00:00', '1', 'Vigilare Segurança', 1205, 'Rua Sampainho', '901', NULL, 'Cambuí',
   'Campinas', 'SP', '13025-300', '(19) 3251-4400', NULL, '(19) 99563-7719', 'juliana.montenegro@vigilare.com.br',
   301, 1, '2023-02-06 00:00:00', 1),
  (9010, 'F', 'Patrícia Helena Duarte', NULL, '618.305.742-80', '28.664.103-9', NULL,
   '1983-05-30 00:00:00', '2', 'Vigilare Segurança', 1205, 'Rua Maria Monteiro', '1250', 'Apto 82', 'Cambuí',
   'Campinas', 'SP', '13025-151', '(19) 3251-4412', '(19) 3251-4400', '(19) 98117-6620', 'patricia.duarte@vigilare.com.br',
   301, 1, '2018-10-15 00:00:00', 1),
  (9011, 'F', 'Marcelo Augusto Fontana', NULL, '209.461.873-04', '24.117.650-3', NULL,
   '1977-03-18 00:00:00', '2', 'Vigilare Segurança', 1205, 'Alameda dos Jacarandás', '35', NULL, 'Gramado',
   'Campinas', 'SP', '13101-720', '(19) 3251-4401', NULL, '(19) 99702-3388', 'marcelo.fontana@vigilare.com.br',
   301, 1, '2016-01-04 00:00:00', 1),
  (9020, 'F', 'Fabiana Rezende Lima', NULL, '745.120.386-71', 'MG-14.552.908', NULL,
   '1988-08-09 00:00:00', '5', 'Rastrevia', 1205, 'Rua Grão Mogol', '502', 'Apto 301', 'Sion',
   'Belo Horizonte', 'MG', '30315-020', '(31) 3274-8815', '(31) 3274-8800', '(31) 98840-7712', 'fabiana.lima@rastrevia.com.br',
   740, 2, '2022-03-21 00:00:00', 1),
  (9021, 'F', 'Wanderson Luiz Pacheco', NULL, '620.384.915-42', 'MG-17.903.441', NULL,
   '1990-01-27 00:00:00', '2', 'Rastrevia', 1205, 'Rua Itambé', '88', NULL, 'Eldorado',
   'Contagem', 'MG', '32310-370', '(31) 3274-8800', NULL, '(31) 99211-0456', 'wanderson.pacheco@rastrevia.com.br',
   740, 2, '2022-05-02 00:00:00', 1),
  (1042, 'C', 'Ana Lúcia Bertolini Cardoso', NULL, '284.317.596-82', '27.845.319-4', NULL,
   '1979-06-14 00:00:00', '2', 'Hospital Vera Cruz', 1201, 'Rua Coronel Quirino', '1187', 'Casa 2', 'Cambuí',
   'Campinas', 'SP', '13025-002', '(19) 3254-7781', NULL, '(19) 99245-1836', 'ana.bertolini@gmail.com',
   301, 1, '2025-03-03 00:00:00', 1),
  (1057, 'C', 'PADARIA E CONFEITARIA SANTA EDWIGES LTDA', 'Padaria Santa Edwiges', '30.571.826/0001-71', NULL, '244.907.118.113',
   NULL, NULL, NULL, 1202, 'Avenida Doutor Heitor Penteado', '2210', NULL, 'Taquaral',
   'Campinas', 'SP', '13075-460', '(19) 3256-1123', '(19) 3256-1190', '(19) 99318-4470', 'financeiro@padariasantaedwiges.com.br',
   301, 1, '2024-08-19 00:00:00', 1),
  (1063, 'C', 'TRANSPORTADORA RIO PARDO LTDA', 'Rio Pardo Cargas', '47.291.635/0001-59', NULL, '186.553.902.0078',
   NULL, NULL, NULL, 1203, 'Rua Itaguara', '1450', 'Galpão 3', 'Cidade Industrial',
   'Contagem', 'MG', '32210-180', '(31) 3352-6070', NULL, '(31) 99877-5021', 'frota@riopardocargas.com.br',
   740, 2, '2025-05-06 00:00:00', 1),
  (1071, 'C', 'José Roberto Fagundes', NULL, '371.025.648-80', 'MG-10.447.392', NULL,
   '1968-11-05 00:00:00', '3', 'Autônomo', 1201, 'Rua Padre José Maria de Man', '85', 'Apto 302', 'Eldorado',
   'Contagem', 'MG', '32315-040', NULL, NULL, '(31) 99630-1184', 'jr.fagundes@yahoo.com.br',
   740, 2, '2024-10-28 00:00:00', 0);

-- Separate billing addresses: the bakery is billed at its accountant, the carrier at its
-- head office. Ana Lúcia has none, so her documents repeat the main address.
UPDATE Clientes SET EndereçoNF = 'Rua Barão de Jaguara', NumCasaNF = '1481',
  ComplementoNF = 'Sala 62 - Escritório Contábil Moretti', BairroNF = 'Centro', CidadeNF = 'Campinas',
  EstadoNF = 'SP', CEPNF = '13015-002' WHERE CodCliente = 1057;
UPDATE Clientes SET EndereçoNF = 'Avenida Afonso Pena', NumCasaNF = '3880', ComplementoNF = 'Conjunto 802',
  BairroNF = 'Cruzeiro', CidadeNF = 'Belo Horizonte', EstadoNF = 'MG', CEPNF = '30130-009'
  WHERE CodCliente = 1063;

-- Legal representatives.
UPDATE Clientes SET Representante = 'Edson Luiz Marangoni', CPFRepresentante = '834.752.019-41',
  RepresentanteEstadoCivil = '2', Representante2 = 'Sônia Regina Marangoni',
  CPFRepresentante2 = '312.648.257-06', RGRepresentante2 = '22.719.604-1', RepresentanteEstadoCivil2 = '2',
  EndereçoRepresentante2 = 'Rua Conceição', NumRepresentante2 = '332', BairroRepresentante2 = 'Cambuí',
  CidadeRepresentante2 = 'Campinas', EstadoRepresentante2 = 'SP' WHERE CodCliente = 1057;
UPDATE Clientes SET Representante = 'Gustavo Henrique Pardini', CPFRepresentante = '590.173.624-99',
  RepresentanteEstadoCivil = '1' WHERE CodCliente = 1063;

-- Sales, technician, region and monitoring account. SenhaOnLine keeps the online password
-- shifted as the host stores it (Thor2026, Padaria2024, RioPardo@25).
UPDATE Clientes SET Vendedor = 9010, Técnico = 9001, Área = 1, SubÁrea = 11,
  FantasiaSigma = 'RESID. ANA LUCIA CARDOSO', MoniDataCadastro = '2025-03-12 00:00:00', NívelSegurança = 2,
  AvisaDisparo = 1,
  SigmaLocalizaPainel = 'Central na lavanderia, atrás da porta, a 1,60 m do piso. Teclado ao lado da porta social. Comunicador 4G dentro do armário de limpeza, com os dois chips.',
  ObservaçãoSIGMA = 'Cliente viaja com frequência a trabalho. Em disparo sem contato com os usuários, acionar a pronta resposta e avisar o vizinho da casa 1 (Sr. Osvaldo). Cachorro de porte grande no quintal (Thor), dócil. Não acionar a polícia antes da confirmação visual do agente.',
  SenhaOnLine = '^ry|<:<@'
  WHERE CodCliente = 1042;
UPDATE Clientes SET Vendedor = 9010, Técnico = 9002, Área = 2, SubÁrea = 21,
  FantasiaSigma = 'PADARIA SANTA EDWIGES', MoniDataCadastro = '2024-08-26 00:00:00', NívelSegurança = 3,
  AvisaDisparo = 0,
  SigmaLocalizaPainel = 'Central no escritório dos fundos, acima do cofre.',
  ObservaçãoSIGMA = 'Abertura às 05h30 pelo padeiro (usuário 004). Fechamento às 21h00. Aos domingos abre às 06h30.',
  SenhaOnLine = 'Zknk|sk<:<>'
  WHERE CodCliente = 1057;
UPDATE Clientes SET Vendedor = 9020, Técnico = 9021, Área = 10, SubÁrea = 101, AvisaDisparo = 0,
  SenhaOnLine = '\syZk|nyJ<?' WHERE CodCliente = 1063;
UPDATE Clientes SET Vendedor = 9020, Técnico = 9021, Área = 10, SubÁrea = 101 WHERE CodCliente = 1071;

-- Commercial terms. ValorNF is the monthly invoice: monitoring plus rental (ValorComodato)
-- plus the additional services.
UPDATE Clientes SET Modalidade = 'L', OrçamentoOrigem = 20051, TipoFaturamento = 1, FormaPagamento = 3,
  DiaVencimento = 10, DiaVcto = 10, TempoPreventiva = 6, MêsReajuste = 3, TipoÍndice = 15301,
  ValorNF = 264.70, ValorME = 0, ValorComodato = 60.00, ValorCHIP = 19.90,
  Observações = 'Cliente desde março de 2025. Prefere contato por WhatsApp.'
  WHERE CodCliente = 1042;
UPDATE Clientes SET Modalidade = 'V', OrçamentoOrigem = 20058, TipoFaturamento = 1, FormaPagamento = 2,
  DiaVencimento = 15, DiaVcto = 15, TempoPreventiva = 12, MêsReajuste = 8, TipoÍndice = 15302,
  ValorNF = 199.70, ValorME = 0, ValorComodato = 0, ValorCHIP = 0,
  Observações = 'Equipamentos adquiridos pelo cliente. Cancelamento confirmado em 28/11/2026.'
  WHERE CodCliente = 1057;
UPDATE Clientes SET Modalidade = 'R', OrçamentoOrigem = 20040, TipoFaturamento = 1, FormaPagamento = 2,
  DiaVencimento = 5, DiaVcto = 5, TempoPreventiva = 12, MêsReajuste = 5, TipoÍndice = 15302,
  ValorNF = 603.30, ValorME = 0, ValorComodato = 0, ValorCHIP = 0, Combustível = 'D',
  Observações = 'Frota pesada com rastreamento e bloqueio. Contato operacional: Rosana (gestão de frota).'
  WHERE CodCliente = 1063;
UPDATE Clientes SET Modalidade = 'R', TipoFaturamento = 1, FormaPagamento = 5, DiaVencimento = 20,
  DiaVcto = 20, ValorNF = 0, ValorME = 0, ValorComodato = 0, ValorCHIP = 0, Combustível = 'D',
  Observações = 'Vendeu a Hilux para a Transportadora Rio Pardo em novembro de 2026.'
  WHERE CodCliente = 1071;

-- Taxes withheld by company customers on the monthly invoice (bases as the host keeps them,
-- with a decimal comma).
UPDATE Clientes SET ManterISS = 0, DISS = 0, DINSS = 0, DIRPF = 0, DPIS = 0, DCOFINS = 0, DCSLL = 0,
  ISS = 0, INSS = 0, IRPF = 0, PIS = 0, COFINS = 0, CSLL = 0 WHERE CodCliente IN (1042, 1071);
UPDATE Clientes SET ManterISS = 1, DISS = 1, BaseISS = '199,70', ISS = 2, DINSS = 0, BaseINSS = NULL, INSS = 0,
  DIRPF = 1, BaseIRPF = '199,70', IRPF = 1.5, DPIS = 1, BasePIS = '199,70', PIS = 0.65,
  DCOFINS = 1, BaseCOFINS = '199,70', COFINS = 3, DCSLL = 1, BaseCSLL = '199,70', CSLL = 1
  WHERE CodCliente = 1057;
UPDATE Clientes SET ManterISS = 0, DISS = 0, BaseISS = NULL, ISS = 3, DINSS = 1, BaseINSS = '603,30', INSS = 11,
  DIRPF = 1, BaseIRPF = '603,30', IRPF = 1.5, DPIS = 1, BasePIS = '603,30', PIS = 0.65,
  DCOFINS = 1, BaseCOFINS = '603,30', COFINS = 3, DCSLL = 1, BaseCSLL = '603,30', CSLL = 1
  WHERE CodCliente = 1063;

INSERT INTO ClientesEndereços (CodInterno, CodCliente, Descrição, Endereço, NumCasa, Complemento, Bairro,
                               Cidade, Estado, CEP) VALUES
  (1, 1042, 'Consultório', 'Rua Barreto Leme', '1740', 'Sala 31', 'Cambuí', 'Campinas', 'SP', '13025-085'),
  (2, 1063, 'Filial Betim', 'Rodovia Fernão Dias, km 492', 'S/N', 'Pátio 2', 'Distrito Industrial Paulo Camilo',
   'Betim', 'MG', '32669-750');

-- Monitoring account 2231 (home) and 2240 (Ana Lúcia's office, same customer), 3108 (bakery).
INSERT INTO ClientesAcesso (CodInterno, CodCliente, Chave, Tipo, Acesso, Nome, Função, Fone1, Fone2) VALUES
  (1, 1042, '2231', 'U', '001', 'ANA LUCIA B CARDOSO', 'Titular', '(19) 99245-1836', NULL),
  (2, 1042, '2231', 'U', '002', 'RAFAEL AUGUSTO CARDOSO', 'Cônjuge', '(19) 99188-2045', NULL),
  (3, 1042, '2231', 'U', '003', 'MARIA DAS DORES SILVA', 'Diarista', NULL, NULL),
  (4, 1042, '2240', 'U', '001', 'ANA LUCIA B CARDOSO', 'Titular', '(19) 99245-1836', NULL),
  (5, 1042, '2240', 'U', '002', 'CLINICA - RECEPCAO', 'Recepção', '(19) 3236-4410', NULL),
  (6, 1042, '2231', 'C', '01', 'RAFAEL AUGUSTO CARDOSO', 'Cônjuge', '(19) 99188-2045', '(19) 3254-7781'),
  (7, 1042, '2231', 'C', '02', 'OSVALDO PERES (VIZINHO)', 'Vizinho', '(19) 3254-1190', NULL),
  (8, 1042, '2231', 'C', '03', 'MARIA DAS DORES SILVA', 'Diarista', '', NULL),
  (9, 1057, '3108', 'U', '001', 'EDSON MARANGONI', 'Sócio', '(19) 99318-4470', NULL),
  (10, 1057, '3108', 'U', '002', 'SONIA MARANGONI', 'Sócia', '(19) 99318-5512', NULL),
  (11, 1057, '3108', 'U', '004', 'JOAO BATISTA DOS REIS', 'Padeiro', '(19) 98830-2276', NULL),
  (12, 1057, '3108', 'C', '01', 'EDSON LUIZ MARANGONI', 'Sócio', '(19) 99318-4470', '(19) 3256-1123');

-- Zones (numeric Evento) and special events of the accounts.
INSERT INTO ClientesEventos (CodInterno, CodCliente, Chave, Evento, Descrição, DescProduto, TipoSensor) VALUES
  (1, 1042, '2231', '1', 'PORTA SOCIAL', 'SENSOR MAGNÉTICO XAS 4010', 'Magnético'),
  (2, 1042, '2231', '2', 'PORTA DA COZINHA', 'SENSOR MAGNÉTICO XAS 4010', 'Magnético'),
  (3, 1042, '2231', '3', 'SALA DE ESTAR', 'SENSOR IVP 3000 MW', 'Infravermelho'),
  (4, 1042, '2231', '4', 'COZINHA', 'SENSOR IVP 3000 MW', 'Infravermelho'),
  (5, 1042, '2231', '5', 'CORREDOR DOS QUARTOS', 'SENSOR IVP 3000 MW', 'Infravermelho'),
  (6, 1042, '2231', '6', 'EDÍCULA', 'SENSOR IVP 3000 MW', 'Infravermelho'),
  (7, 1042, '2231', '10', 'JANELA DA SALA', 'SENSOR MAGNÉTICO XAS 4010', 'Magnético'),
  (8, 1042, '2231', '11', 'PÂNICO COZINHA', 'BOTÃO DE PÂNICO XAP 8000', 'Pânico'),
  (9, 1042, '2231', 'E130', 'DISPARO DE ZONA', NULL, NULL),
  (10, 1042, '2231', 'E301', 'FALTA DE ENERGIA ELÉTRICA', NULL, NULL),
  (11, 1042, '2231', 'E401', 'ARME/DESARME PELO USUÁRIO', NULL, NULL),
  (12, 1042, '2240', '1', 'PORTA DA RECEPÇÃO', 'SENSOR MAGNÉTICO XAS 4010', 'Magnético'),
  (13, 1057, '3108', '1', 'PORTA DE ENROLAR FRENTE', 'SENSOR MAGNÉTICO XAS 4010', 'Magnético'),
  (14, 1057, '3108', '2', 'SALÃO DE VENDAS', 'SENSOR IVP 3000 MW', 'Infravermelho'),
  (15, 1057, '3108', '3', 'PRODUÇÃO', 'SENSOR IVP 3000 MW', 'Infravermelho'),
  (16, 1057, '3108', '4', 'ESCRITÓRIO', 'SENSOR IVP 3000 MW', 'Infravermelho'),
  (17, 1057, '3108', '5', 'FUMAÇA DA PRODUÇÃO', 'SENSOR DE FUMAÇA ÓPTICO', 'Fumaça'),
  (18, 1057, '3108', 'E130', 'DISPARO DE ZONA', NULL, NULL);

-- ValorServiço is the monthly amount of the line (all its units).
INSERT INTO ClientesServiçosAdicionais (CodInterno, CodCliente, CodServiço, Quantidade, ValorServiço,
                                        Manutenção, DataInclusão, Observações) VALUES
  (1, 1042, 1, 1, 49.90, 0, '2025-03-12 00:00:00', 'Atendimento em até 20 minutos'),
  (2, 1042, 3, 1, 14.90, 0, '2025-03-12 00:00:00', NULL),
  (3, 1057, 2, 1, 79.90, 1, '2024-08-26 00:00:00', 'Quatro câmeras com gravação em nuvem por 7 dias'),
  (4, 1057, 4, 1, 9.90, 0, '2024-08-26 00:00:00', 'Enviado por e-mail toda segunda-feira'),
  (5, 1063, 7, 3, 74.70, 0, '2025-05-12 00:00:00', 'Um módulo por caminhão');

-- The carrier's assistance was excluded twice by mistake; listings show it once.
INSERT INTO ClientesServiçosAdicionaisExcluídos (CodInterno, CodCliente, CodServiço, ValorServiço,
                                                 DataExclusão, Motivo) VALUES
  (1, 1042, 4, 9.90, '2025-11-03 00:00:00', 'Cliente passou a usar o aplicativo'),
  (2, 1063, 6, 29.90, '2026-06-10 00:00:00', 'Assistência contratada com a seguradora'),
  (3, 1063, 6, 29.90, '2026-06-10 00:00:00', 'Assistência contratada com a seguradora');

INSERT INTO ClientesContratos (CodInterno, CodCliente, NumContrato, Prazo, Assinatura, PrimeiroFaturamento,
                               Fone, Radio, GPRS, Internet, Satelital, TipoInternet, HoraTeste, TesteRadio,
                               Decimo, Assinado) VALUES
  (1, 1042, 'CT-301-2025-0117', 36, '2025-03-10 00:00:00', '2025-04-10 00:00:00',
   1, 0, 1, 1, 0, 'fibra óptica', '08:00', NULL, 0, 1),
  (2, 1057, 'CT-301-2024-0342', 24, '2024-08-20 00:00:00', '2024-09-15 00:00:00',
   1, 1, 1, 0, 0, NULL, '07:30', 24, 1, 1),
  (3, 1063, 'CT-740-2025-0058', 12, '2025-05-10 00:00:00', '2025-06-05 00:00:00',
   0, 0, 1, 0, 1, NULL, NULL, NULL, 0, 0);

INSERT INTO Prospects (CodProspect, Nome, CodCliente, Indicante, Origem, DataCadastro) VALUES
  (501, 'Ana Lúcia Bertolini Cardoso', 1042, 1057, 'Indicação de cliente', '2025-02-20 00:00:00'),
  (502, 'Padaria Santa Edwiges', 1057, NULL, 'Pesquisa no Google', '2024-08-01 00:00:00'),
  (503, 'Transportadora Rio Pardo', 1063, NULL, 'Feira NT Expo 2025', '2025-04-02 00:00:00');

INSERT INTO ProspectsContatos (CodContato, CodProspect, CodCliente, Nome, Função, Fone1, Fone2, Celular, Email, Ativo) VALUES
  (7001, 501, 1042, 'Ana Lúcia Bertolini Cardoso', 'Proprietária', '(19) 3254-7781', NULL, '(19) 99245-1836', 'ana.bertolini@gmail.com', 1),
  (7002, 502, 1057, 'Edson Luiz Marangoni', 'Sócio-administrador', '(19) 3256-1123', NULL, '(19) 99318-4470', 'edson@padariasantaedwiges.com.br', 1),
  (7003, 502, 1057, 'Cláudia Moretti', 'Contadora', '(19) 3232-8841', '(19) 3232-8840', NULL, 'claudia@contabilmoretti.com.br', 1),
  (7004, 503, 1063, 'Gustavo Henrique Pardini', 'Diretor', '(31) 3352-6070', NULL, '(31) 99877-5021', 'gustavo@riopardocargas.com.br', 1),
  (7005, 503, 1063, 'Rosana Aparecida Teixeira', 'Gestora de frota', '(31) 3352-6074', NULL, '(31) 98702-4418', 'rosana.teixeira@riopardocargas.com.br', 1),
  (7006, 503, 1063, 'Paulo Sérgio Vidal', 'Ex-gerente de logística', '(31) 3352-6071', NULL, NULL, NULL, 0);

INSERT INTO ContasDébito (CodInterno, Cliente, Banco, Agência, Conta, Ativo) VALUES
  (1, 1042, 'Itaú Unibanco', '0412', '28841-7', 1);

INSERT INTO SubContas (CodInterno, CodCliente, SubConta, Descrição, Ativo) VALUES
  (1, 1063, '01', 'Frota pesada', 1),
  (2, 1063, '02', 'Frota leve', 1);

INSERT INTO ClientesBonificações (CodInterno, CodCliente, Data, ValorDespesa, BonificaIntegral, Faturada, Observações) VALUES
  (1, 1042, '2025-08-10 00:00:00', 49.90, 0, 1, 'Pronta resposta não atendida em 05/07/2025'),
  (2, 1042, '2026-01-10 00:00:00', 64.80, 0, 0, 'Falha de comunicação do comunicador em dezembro'),
  (3, 1042, '2026-02-10 00:00:00', 264.70, 1, 0, 'Mensalidade integral bonificada pela gerência');

INSERT INTO ClientesPostos (CodInterno, CodCliente, Identificação, Endereço, Bairro, Cidade, Estado,
                            ValorMensal, DataInício, Observações) VALUES
  (1, 1063, 'PORTARIA GALPÃO 3', 'Rua Itaguara, 1450', 'Cidade Industrial', 'Contagem', 'MG', 6250.00,
   '2025-06-01 00:00:00', 'Posto 24 horas com controle de acesso de caminhões e conferência de lacres.'),
  (2, 1063, 'PORTARIA FILIAL BETIM', 'Rodovia Fernão Dias, km 492', 'Distrito Industrial Paulo Camilo', 'Betim', 'MG',
   3200.00, '2025-09-01 00:00:00', 'Posto noturno de segunda a sábado.');

INSERT INTO ClientesPostosServiços (CodInterno, CodPosto, Descrição, Quantidade, ValorUnitário, ValorTotal,
                                    DataInicial, DataFinal, Observações) VALUES
  (1, 1, 'VIGILANTE 12X36 DIURNO', 2, 1850.00, 3700.00, '2025-06-01 00:00:00', NULL, 'Vigilante armado'),
  (2, 1, 'RONDA MOTORIZADA NOTURNA', 1, 1150.00, 1150.00, '2025-06-01 00:00:00', NULL, NULL),
  (3, 1, 'PORTEIRO NOTURNO', 1, 1400.00, 1400.00, '2025-06-01 00:00:00', '2026-03-31 00:00:00', 'Substituído pela ronda'),
  (4, 1, 'CONTROLADOR DE ACESSO', 1, 1400.00, 1400.00, '2026-04-01 00:00:00', NULL, NULL),
  (5, 2, 'VIGILANTE 12X36 NOTURNO', 2, 1600.00, 3200.00, '2025-09-01 00:00:00', NULL, NULL);

INSERT INTO CorrigeLocados (CodInterno, CodCliente, CodProduto, Data, Modalidade, Quantidade, Observações) VALUES
  (1, 1042, 1015, '2025-05-02 00:00:00', 'L', 2, 'Controles remotos entregues sem OS'),
  (2, 1057, 1006, '2025-01-15 00:00:00', 'G', 1, 'Bateria trocada em garantia no balcão');
