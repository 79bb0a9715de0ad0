-- Budgets and their digital acceptance.
--
--   20040 (nº 1179) 1063 tracking of three trucks, approved, vehicles with their services
--   20051 (nº 1187) 1042 rented alarm, approved, three product groups (one unnamed), payment
--                   conditions, digital acceptance with two witnesses
--   20058 (nº 1192) 1057 sale, approved, no product groups, own installment plan
--                   (VencimentoPor 2), CREA fee
--   20063 (nº 1201) 1063 vehicles in and out with ownership transfer of the Hilux; origin of
--                   the carrier's amendment
--   20066 (nº 1205) 1042 camera upgrade, approved, groups, a withdrawn siren, freight;
--                   origin of Ana Lúcia's amendment and imported by service order 30188
--   20071 (nº 1210) 1042 cancelled
--   20074 (nº 1213) 1057 waiting for the customer, no products or services, no Modalidade

INSERT INTO Orçamentos (Planílha, CodInterno, NumOrçamento, Unidade, Empresa, Cliente, ClienteNome, CodContato,
                        Titulo, TipoServiço, Modalidade, Status, DataAbertura, Emissão, Liberação, Vendedor,
                        Gecom, UF, TotalProdutos, Desconto, PDesconto, TotalServiços, DescontoServiços,
                        PDescontoServiços, ValorCREA, ValorFrete, ValorMonitoramento, ValorComodato,
                        PrazoContrato, MesesRetornoLocação, VeiculosQuantidade, VeiculosMensal,
                        VeículosComodato, VeículosSeguro, VeículosAssistência, FormaPagto, CondiçãoPagto,
                        VencimentoPor, NParcelas, ValorEntrada, FinanciadoMeses, FinanciadoValor,
                        CodClienteOrigemTrocaTitularidade, CodVeículoTrocaTitularidade, idAceite, Observ,
                        ObsFechamento) VALUES
  (20058, 2058, 1192, 301, 1, 1057, 'PADARIA E CONFEITARIA SANTA EDWIGES LTDA', 7002,
   'Sistema de alarme com monitoramento e vídeo', 'A', 'V', 'L',
   '2024-08-05 00:00:00', '2024-08-06 00:00:00', '2024-08-12 00:00:00', 9010, 9011, 'SP',
   2255.10, 34.00, 1.49, 575.00, 0, 0, 85.00, 0, 109.90, 0,
   24, 0, 0, 0, 0, 0, 0, 2, 13,
   2, 5, 500.00, 0, 0, NULL, NULL, NULL,
   'Equipamentos vendidos ao cliente, com garantia de 12 meses. Monitoramento 24 horas com envio de relatório semanal de abertura e fechamento. Instalação fora do horário de funcionamento da padaria.',
   'Aprovado pelo Sr. Edson em 12/08/2024.'),
  (20040, 2040, 1179, 740, 2, 1063, 'TRANSPORTADORA RIO PARDO LTDA', 7004,
   'Rastreamento de três caminhões com bloqueio', 'R', 'R', 'L',
   '2025-04-28 00:00:00', '2025-04-28 00:00:00', '2025-05-05 00:00:00', 9020, NULL, 'MG',
   158.00, 0, 0, 450.00, 0, 0, 0, 0, 438.70, 0,
   12, 12, 3, 90.00, 0, 89.00, 59.80, 2, 12,
   1, 3, 0, 0, 0, NULL, NULL, NULL,
   'Rastreadores cedidos em comodato. Bloqueio remoto no Volvo e no Mercedes-Benz; bloqueio de combustível no Delivery.',
   'Aprovado pelo diretor Gustavo em 05/05/2025.'),
  (20051, 2051, 1187, 301, 1, 1042, 'Ana Lúcia Bertolini Cardoso', 7001,
   'Alarme monitorado residencial com pronta resposta', 'A', 'L', 'L',
   '2025-02-27 00:00:00', '2025-02-27 00:00:00', '2025-03-04 00:00:00', 9010, 9011, 'SP',
   197.90, 0, 0, 593.00, 27.00, 4.35, 0, 0, 139.90, 60.00,
   36, 36, 0, 0, 0, 0, 0, 2, 11,
   1, 3, 263.63, 0, 0, NULL, NULL, 'a3f1c9e2-5b7d-4e08-9c61-2d4b8f7a1e35',
   'Equipamentos cedidos em comodato durante a vigência do contrato de 36 meses. Instalação em até 5 dias úteis após o aceite. Garantia de 12 meses para os itens vendidos (botão de pânico e cabeamento). Pronta resposta tática com chegada em até 20 minutos na região do Cambuí.',
   'Aprovado por aceite digital em 03/03/2025.'),
  (20071, 2071, 1210, 301, 1, 1042, 'Ana Lúcia Bertolini Cardoso', 7001,
   'Sensor de fumaça adicional', 'A', 'L', 'C',
   '2026-06-02 00:00:00', '2026-06-02 00:00:00', NULL, 9010, NULL, 'SP',
   139.00, 0, 0, 95.00, 0, 0, 0, 0, 0, 0,
   0, 0, 0, 0, 0, 0, 0, 5, 16,
   1, 1, 0, 0, 0, NULL, NULL, NULL,
   'Incluído depois no orçamento de CFTV.', 'Cancelado: item incluído no orçamento 001205.'),
  (20063, 2063, 1201, 740, 2, 1063, 'TRANSPORTADORA RIO PARDO LTDA', 7005,
   'Inclusão do Scania, transferência da Hilux e retirada da Strada', 'R', 'R', 'L',
   '2026-11-10 00:00:00', '2026-11-10 00:00:00', '2026-11-16 00:00:00', 9020, NULL, 'MG',
   79.00, 0, 0, 380.00, 0, 0, 0, 0, 363.70, 0,
   12, 12, 2, 90.00, 0, 89.00, 59.80, 2, 12,
   1, 3, 0, 0, 0, 1071, 5, NULL,
   'A Hilux GTR5H08 passa do Sr. José Roberto Fagundes para a transportadora com o rastreador já instalado. O rastreador da Strada PXT8C19, vendida, volta para o estoque.',
   'Aprovado pela gestora de frota em 16/11/2026.'),
  (20066, 2066, 1205, 301, 1, 1042, 'Ana Lúcia Bertolini Cardoso', 7001,
   'Ampliação com CFTV e vídeo monitoramento', 'C', 'L', 'L',
   '2026-11-20 00:00:00', '2026-11-20 00:00:00', '2026-11-27 00:00:00', 9010, 9011, 'SP',
   418.80, 12.00, 2.79, 340.00, 20.00, 5.56, 0, 35.00, 139.90, 105.00,
   36, 36, 0, 0, 0, 0, 0, 2, 11,
   1, 3, 264.60, 0, 0, NULL, NULL, NULL,
   'Câmeras e gravador cedidos em comodato, com acréscimo de R$ 45,00 na locação mensal. Vídeo monitoramento das quatro câmeras pela central. A sirene antiga da edícula será retirada.',
   'Aprovado pela cliente por telefone em 27/11/2026; aditivo 1 emitido.'),
  (20074, 2074, 1213, 301, 1, 1057, 'PADARIA E CONFEITARIA SANTA EDWIGES LTDA', 7002,
   'Proposta de pronta resposta tática', 'M', NULL, 'P',
   '2026-10-05 00:00:00', '2026-10-05 00:00:00', NULL, 9010, NULL, 'SP',
   0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
   12, 0, 0, 0, 0, 0, 0, 5, 16,
   1, 1, 0, 0, 0, NULL, NULL, NULL,
   'Proposta enviada por e-mail; cliente vai avaliar depois da mudança de endereço.', NULL);

-- Lines of a rental budget with CobraLocado 0 are rented; the others are charged.
INSERT INTO OrçamentosProdutos (CodInterno, Planílha, CodProduto, Descrição, GrupoOrçamento, LocalInstalação,
                                Quantidade, QtdadeSugerida, Unitário, PreçoReal, Líquido, Total, TotalLíquido,
                                CobraLocado, EntregaMatriz) VALUES
  (1, 20058, 1001, 'CENTRAL DE ALARME AMT 2018 E SMART', NULL, 'Escritório', 1, 1, 689.00, 689.00, 655.00, 689.00, 655.00, 1, 0),
  (2, 20058, 1002, 'TECLADO LCD XAT 2000', NULL, 'Entrada e produção', 2, 2, 219.00, 219.00, 219.00, 438.00, 438.00, 1, 0),
  (3, 20058, 1003, 'SENSOR INFRAVERMELHO PASSIVO IVP 3000 MW', NULL, 'Salão, produção e escritório', 3, 3, 89.90, 89.90, 89.90, 269.70, 269.70, 1, 0),
  (4, 20058, 1016, 'SENSOR DE FUMAÇA ÓPTICO SEM FIO', NULL, 'Produção', 1, 1, 139.00, 139.00, 139.00, 139.00, 139.00, 1, 0),
  (5, 20058, 1005, 'SIRENE PIEZOELÉTRICA 120 DB', NULL, 'Fachada', 1, 1, 39.90, 39.90, 39.90, 39.90, 39.90, 1, 0),
  (6, 20058, 1006, 'BATERIA SELADA 12V 7AH', NULL, 'Escritório', 1, 1, 94.50, 94.50, 94.50, 94.50, 94.50, 1, 0),
  (7, 20058, 1007, 'COMUNICADOR GPRS/4G XEG 4000 SMART', NULL, 'Escritório', 1, 1, 459.00, 459.00, 459.00, 459.00, 459.00, 1, 0),
  (8, 20058, 1011, 'CABO COAXIAL BIPOLAR 4MM', NULL, NULL, 50, 45, 3.20, 3.20, 3.20, 160.00, 160.00, 1, 0),
  (9, 20040, 1012, 'RASTREADOR GPS/4G ST4305', 'RASTREAMENTO', NULL, 3, 3, 389.00, 389.00, 389.00, 1167.00, 1167.00, 0, 0),
  (10, 20040, 1013, 'MÓDULO DE BLOQUEIO VEICULAR 12/24V', 'RASTREAMENTO', NULL, 2, 2, 79.00, 79.00, 79.00, 158.00, 158.00, 1, 0),
  (11, 20051, 1001, 'CENTRAL DE ALARME AMT 2018 E SMART', 'CENTRAL E TECLADO', 'Lavanderia', 1, 1, 689.00, 689.00, 689.00, 689.00, 689.00, 0, 0),
  (12, 20051, 1002, 'TECLADO LCD XAT 2000', 'CENTRAL E TECLADO', 'Entrada social', 1, 1, 219.00, 219.00, 219.00, 219.00, 219.00, 0, 0),
  (13, 20051, 1003, 'SENSOR INFRAVERMELHO PASSIVO IVP 3000 MW', 'SENSORES', 'Sala, cozinha, corredor e edícula', 4, 4, 89.90, 89.90, 89.90, 359.60, 359.60, 0, 0),
  (14, 20051, 1004, 'SENSOR MAGNÉTICO DE ABERTURA XAS 4010', 'SENSORES', 'Portas e janela da sala', 3, 3, 54.90, 54.90, 54.90, 164.70, 164.70, 0, 0),
  (15, 20051, 1014, 'BOTÃO DE PÂNICO SEM FIO XAP 8000', 'SENSORES', 'Cozinha', 1, 1, 69.90, 79.90, 69.90, 69.90, 69.90, 1, 0),
  (16, 20051, 1005, 'SIRENE PIEZOELÉTRICA 120 DB', NULL, 'Edícula', 1, 1, 39.90, 39.90, 39.90, 39.90, 39.90, 0, 0),
  (17, 20051, 1006, 'BATERIA SELADA 12V 7AH', '', 'Lavanderia', 1, 1, 94.50, 94.50, 94.50, 94.50, 94.50, 0, 0),
  (18, 20051, 1007, 'COMUNICADOR GPRS/4G XEG 4000 SMART', NULL, 'Armário de limpeza', 1, 1, 459.00, 459.00, 459.00, 459.00, 459.00, 0, 0),
  (19, 20051, 1011, 'CABO COAXIAL BIPOLAR 4MM', NULL, NULL, 40, 40, 3.20, 3.20, 3.20, 128.00, 128.00, 1, 0),
  (20, 20071, 1016, 'SENSOR DE FUMAÇA ÓPTICO SEM FIO', NULL, 'Cozinha', 1, 1, 139.00, 139.00, 139.00, 139.00, 139.00, 1, 0),
  (21, 20063, 1012, 'RASTREADOR GPS/4G ST4305', NULL, 'Scania SHX2J90', 1, 1, 389.00, 389.00, 389.00, 389.00, 389.00, 0, 0),
  (22, 20063, 1013, 'MÓDULO DE BLOQUEIO VEICULAR 12/24V', NULL, 'Scania SHX2J90', 1, 1, 79.00, 79.00, 79.00, 79.00, 79.00, 1, 0),
  (23, 20066, 1008, 'CÂMERA BULLET VHD 1220 B FULL HD', 'CÂMERAS', 'Garagem, entrada, quintal e área de serviço', 4, 4, 229.00, 229.00, 229.00, 916.00, 916.00, 0, 0),
  (24, 20066, 1009, 'GRAVADOR DIGITAL MHDX 1108 8 CANAIS', 'GRAVAÇÃO', 'Rack do escritório', 1, 1, 899.00, 899.00, 899.00, 899.00, 899.00, 0, 0),
  (25, 20066, 1010, 'FONTE CHAVEADA 12V 5A', NULL, 'Rack do escritório', 2, 2, 49.90, 49.90, 49.90, 99.80, 99.80, 1, 0),
  (26, 20066, 1011, 'CABO COAXIAL BIPOLAR 4MM', NULL, NULL, 60, 55, 3.20, 3.20, 3.00, 192.00, 180.00, 1, 0),
  (27, 20066, 1016, 'SENSOR DE FUMAÇA ÓPTICO SEM FIO', NULL, 'Cozinha', 1, 1, 139.00, 139.00, 139.00, 139.00, 139.00, 1, 0);

INSERT INTO OrçamentoServiços (CodInterno, Planílha, CodServiço, Descrição, GrupoOrçamento, Quantidade, Unitário,
                               PreçoReal, Bruto, Total, TotalBruto, CobraLocado) VALUES
  (1, 20058, 501, 'INSTALAÇÃO DE SISTEMA DE ALARME', NULL, 1, 350.00, 350.00, 350.00, 350.00, 350.00, 1),
  (2, 20058, 505, 'INFRAESTRUTURA DE CABEAMENTO (PONTO)', NULL, 5, 45.00, 45.00, 45.00, 225.00, 225.00, 1),
  (3, 20040, 504, 'INSTALAÇÃO DE RASTREADOR VEICULAR', NULL, 3, 150.00, 150.00, 150.00, 450.00, 450.00, 1),
  (4, 20051, 501, 'INSTALAÇÃO DE SISTEMA DE ALARME', 'INSTALAÇÃO', 1, 350.00, 350.00, 350.00, 350.00, 350.00, 1),
  (5, 20051, 505, 'INFRAESTRUTURA DE CABEAMENTO (PONTO)', 'INSTALAÇÃO', 6, 40.50, 45.00, 45.00, 243.00, 270.00, 1),
  (6, 20071, 502, 'VISITA TÉCNICA', NULL, 1, 95.00, 95.00, 95.00, 95.00, 95.00, 1),
  (7, 20063, 504, 'INSTALAÇÃO DE RASTREADOR VEICULAR', NULL, 2, 150.00, 150.00, 150.00, 300.00, 300.00, 1),
  (8, 20063, 507, 'RETIRADA DE EQUIPAMENTO', NULL, 1, 80.00, 80.00, 80.00, 80.00, 80.00, 1),
  (9, 20066, 506, 'CONFIGURAÇÃO DE GRAVADOR E CÂMERAS', 'CÂMERAS', 1, 180.00, 180.00, 180.00, 180.00, 180.00, 1),
  (10, 20066, 505, 'INFRAESTRUTURA DE CABEAMENTO (PONTO)', NULL, 4, 40.00, 45.00, 45.00, 160.00, 180.00, 1),
  (11, 20066, 502, 'VISITA TÉCNICA', NULL, 1, 0, 95.00, 95.00, 0, 95.00, 0);

INSERT INTO OrçamentosServiçosAdicionais (CodInterno, Planílha, CodServiço, Quantidade, ValorServiço,
                                          DescontoTotal, Observações) VALUES
  (1, 20058, 2, 1, 79.90, 0, 'Quatro câmeras com gravação em nuvem por 7 dias'),
  (2, 20058, 4, 1, 9.90, 0, 'Enviado por e-mail toda segunda-feira'),
  (3, 20040, 7, 3, 74.70, 0, 'Um módulo por caminhão'),
  (4, 20051, 1, 1, 49.90, 0, 'Atendimento em até 20 minutos'),
  (5, 20051, 3, 1, 14.90, 5.00, 'Primeiro mês sem custo'),
  (6, 20063, 7, 1, 24.90, 0, 'Scania SHX2J90'),
  (7, 20066, 2, 1, 79.90, 0, 'Monitoramento por vídeo das quatro câmeras'),
  (8, 20074, 1, 1, 49.90, 0, 'Chegada em até 25 minutos');

INSERT INTO OrçamentosProdutosRetirar (CodInterno, Planílha, CodProduto, Descrição, Quantidade, Unitário, Total) VALUES
  (1, 20063, 1012, 'RASTREADOR GPS/4G ST4305', 1, 389.00, 389.00),
  (2, 20066, 1005, 'SIRENE PIEZOELÉTRICA 120 DB', 1, 39.90, 39.90);

-- Payment conditions offered on the budget (the others use the conditions of their form).
INSERT INTO OrçamentosCondições (CodInterno, Planílha, Condição) VALUES
  (1, 20051, 11),
  (2, 20051, 12),
  (3, 20051, 16),
  (4, 20066, 11),
  (5, 20066, 14);

INSERT INTO OrçamentosVeículos (CodInterno, Planílha, CodVeículo, TipoVeículo, Placa, Modelo, Ano, Cor, Combustível,
                                Chassis, Renavam, Bloqueio, Bateria, Habilitação, ValorRastreamento, ValorSeguro,
                                ValorAssistência, ValorBloqueio, ValorLocação, Observações) VALUES
  (1, 20040, 1, 4502, 'QPD4F21', 'VOLVO/FH 540 6X4', 2021, 'BRANCA', 'D', '9BVRG40D5ME875321', '01234567891',
   1, 'Interna 3,7V 1.300 mAh', '04812236650', 90.00, 0, 29.90, 10.00, 0, NULL),
  (2, 20040, 2, 4502, 'RFA2B37', 'MERCEDES-BENZ/ACTROS 2651', 2022, 'PRATA', 'D', '9BM958174NB230487', '01298765432',
   2, 'Interna 3,7V 1.300 mAh', '05530917724', 80.00, 89.00, 29.90, 10.00, 0, 'Proteção veicular pela tabela FIPE'),
  (3, 20040, 3, 4502, 'HMG7E54', 'VW/DELIVERY 11.180', 2019, 'BRANCA', 'D', '9532E82W6KR912476', '01155698740',
   1, 'Interna 3,7V 800 mAh', NULL, 90.00, 0, 0, 9.90, 0, NULL),
  (4, 20063, 6, 4502, 'SHX2J90', 'SCANIA/R 450 A6X2NA', 2024, 'AZUL', 'D', '9BSR6X200R4021937', '01377851240',
   1, NULL, '07214458093', 90.00, 0, 29.90, 10.00, 0, 'Novo caminhão da frota'),
  (5, 20063, 5, 4503, 'GTR5H08', 'TOYOTA/HILUX SRV 2.8 4X4', 2020, 'PRETA', 'D', '8AJBA3CD4L1557923', '01203344556',
   2, 'Interna 3,7V 800 mAh', NULL, 90.00, 89.00, 29.90, 0, 0, 'Transferência de titularidade de José Roberto Fagundes');

INSERT INTO OrçamentosVeículosServiçosAdicionais (CodInterno, Planílha, CodVeículoOrc, CodServiço, DescrAlternativa,
                                                  ValorServiço) VALUES
  (1, 20040, 1, 7, NULL, 24.90),
  (2, 20040, 2, 7, NULL, 24.90),
  (3, 20040, 3, 7, 'Telemetria com controle de jornada do motorista', 24.90),
  (4, 20063, 4, 7, 'Telemetria com controle de jornada do motorista', 24.90);

INSERT INTO OrçamentosVeículosRetirar (CodInterno, Planílha, CodVeículo) VALUES
  (1, 20063, 4);

-- Acceptance 301 is the budget 20051's; 302 the carrier's amendment's.
INSERT INTO AceiteDigital (Ace_Codigo, Ace_Link, Ace_Tipo, Ace_Planilha, Ace_NomeAssinante, Ace_CPFAssinante,
                           Ace_EmailAssinante, Ace_DataEnvio, Ace_DataAceite, Ace_IP, Ace_Status) VALUES
  (301, 'a3f1c9e2-5b7d-4e08-9c61-2d4b8f7a1e35', 'Orçamento', 20051, 'Ana Lúcia Bertolini Cardoso', '284.317.596-82',
   'ana.bertolini@gmail.com', '2025-03-01 10:12:40', '2025-03-03 19:47:12', '177.104.82.41', 'A'),
  (302, 'c7e24b18-90af-4d3e-b5a2-6f1e0d9c3a72', 'Aditivo', 20063, 'Gustavo Henrique Pardini', '590.173.624-99',
   'gustavo@riopardocargas.com.br', '2026-11-26 15:02:10', '2026-11-27 09:18:33', '189.45.210.17', 'A');

INSERT INTO AceiteDigitalEventos (AceEve_Codigo, Ace_Codigo, AceEve_Data, AceEve_Descricao, AceEve_IP) VALUES
  (1, 301, '2025-03-01 10:12:40', 'Link de aceite enviado para ana.bertolini@gmail.com', NULL),
  (2, 301, '2025-03-02 21:05:18', 'Documento visualizado pela contratante', '177.104.82.41'),
  (3, 301, '2025-03-03 19:47:12', 'Aceite registrado pela contratante', '177.104.82.41'),
  (4, 301, '2025-03-03 20:02:51', 'Aceite registrado pelo segundo assinante', '177.104.82.44'),
  (5, 301, '2025-03-04 08:55:03', 'Assinatura da testemunha 1', '201.17.90.3'),
  (6, 301, '2025-03-04 09:31:44', 'Assinatura da testemunha 2 - documento concluído', '201.17.90.3'),
  (7, 302, '2026-11-26 15:02:10', 'Link de aceite enviado para gustavo@riopardocargas.com.br', NULL),
  (8, 302, '2026-11-27 09:18:33', 'Aceite registrado pela contratante', '189.45.210.17'),
  (9, 302, '2026-11-27 09:40:02', 'Aceite registrado pelo segundo assinante', '189.45.210.22'),
  (10, 302, '2026-11-27 10:05:19', 'Assinatura da testemunha 1', '177.71.33.8'),
  (11, 302, '2026-11-27 10:22:47', 'Assinatura da testemunha 2 - documento concluído', '177.71.33.8');

INSERT INTO AceiteDigitalEnvioTestemunha (CodInterno, AceiteCodigo, TipoTestemunha, NomeInformado, CPFInformado,
                                          EmailInformado, DataHoraAceite) VALUES
  (1, 301, 1, 'Rafael Augusto Cardoso', '346.017.852-35', 'rafael.cardoso@outlook.com', '2025-03-03 20:02:51'),
  (2, 301, 2, 'Patrícia Helena Duarte', '618.305.742-80', 'patricia.duarte@vigilare.com.br', '2025-03-04 08:55:03'),
  (3, 301, 3, 'Marcelo Augusto Fontana', '209.461.873-04', 'marcelo.fontana@vigilare.com.br', '2025-03-04 09:31:44'),
  (4, 302, 1, 'Rosana Aparecida Teixeira', '195.823.764-73', 'rosana.teixeira@riopardocargas.com.br', '2026-11-27 09:40:02'),
  (5, 302, 2, 'Fabiana Rezende Lima', '745.120.386-71', 'fabiana.lima@rastrevia.com.br', '2026-11-27 10:05:19'),
  (6, 302, 3, 'Luciana Prates Drummond', '157.948.306-20', 'luciana.drummond@rastrevia.com.br', '2026-11-27 10:22:47');
