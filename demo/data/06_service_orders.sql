-- Service orders.
--
-- Customer 1042 (Ana Lúcia), oldest first: 30101 survey (closed), 30110 installation (closed),
-- 30145 preventive visit (closed), 30162 (cancelled), 30170 repair (closed, a removed sensor
-- still in transit), 30176 survey at her office (open, delivery address), and 30188, the
-- open camera installation that most documents use: sold, rented and removed products,
-- services, visits, two auxiliary technicians, a checklist and an imported budget.
-- Customer 1057: 30120 installation (everything sold), 30155 warranty repair waiting to be
-- closed. Customer 1063 (unit 740): 74015 tracker installation (closed) and 74022, open, with
-- vehicles, trackers, chips and a vehicle to remove.

INSERT INTO OSCheckLists (CodCheckList, Descrição) VALUES
  (1, 'Instalação de CFTV'),
  (2, 'Instalação de rastreador');

INSERT INTO OSCheckListsPerguntas (CodInterno, CodCheckList, Pergunta, Descritiva) VALUES
  (1, 1, 'Câmeras fixadas, alinhadas e com foco ajustado', 0),
  (2, 1, 'Gravador acessível pelo aplicativo do cliente', 0),
  (3, 1, 'Gravação contínua testada em todas as câmeras', 0),
  (4, 1, 'Cliente orientado sobre o uso do aplicativo', 0),
  (5, 1, 'Observações do cliente sobre a instalação', 1),
  (6, 2, 'Rastreador comunicando com a plataforma', 0),
  (7, 2, 'Bloqueio testado com o veículo parado', 0);

INSERT INTO OSs (Planílha, CodInterno, Ordem, Unidade, Empresa, Cliente, CodEndereço, Tipo, Status,
                 Prioridade, Modalidade, DataAbertura, Agendada, DataAgenda, HoraAgenda, DataEntrega,
                 DataFechamento, Técnico, Vendedor, Solicitante, CodVeículo, EmpresaSigma, CentralSIGMA,
                 Partição, CodCheckList, CodTabela, OrdemProdutos, TotalProdutos, Desconto, PDesconto,
                 TotalServiços, DescontoServiços, PDescontoServiços, ValorCREA, FechamentoFormaPagto,
                 FechamentoCondiçãoPagto, Observações, ObservaçõesFechamento) VALUES
  (30120, 4740, 4740, 301, 1, 1057, NULL, 'I', 'F', 'N', 'V', '2024-08-13 00:00:00', 1,
   '2024-08-19 00:00:00', '1899-12-30 07:00:00', '2024-08-21 00:00:00', '2024-08-20 00:00:00',
   9002, 9010, 'Edson (sócio)', NULL, '10001', '3108', '001', NULL, 1, 2,
   2255.10, 34.00, 1.49, 575.00, 0, 0, 85.00, 2, 13,
   'Instalação conforme orçamento 001192. Cliente abre às 05h30: combinar a instalação para depois das 14h.',
   'Instalação concluída e testada com a central. Treinamento dos sócios realizado.'),
  (30101, 4801, 4801, 301, 1, 1042, NULL, 'V', 'F', 'N', 'L', '2025-02-24 00:00:00', 1,
   '2025-02-26 00:00:00', '1899-12-30 14:00:00', '2025-02-28 00:00:00', '2025-02-26 00:00:00',
   9001, 9010, 'Ana Lúcia (cliente)', NULL, NULL, NULL, NULL, NULL, 1, 0,
   0, 0, 0, 0, 0, 0, 0, NULL, NULL,
   'Vistoria para orçamento de alarme monitorado na residência.',
   'Levantados 11 pontos de proteção. Orçamento enviado pela vendedora Patrícia.'),
  (30110, 4827, 4827, 301, 1, 1042, NULL, 'I', 'F', 'A', 'L', '2025-03-05 00:00:00', 1,
   '2025-03-10 00:00:00', '1899-12-30 09:00:00', '2025-03-12 00:00:00', '2025-03-10 00:00:00',
   9001, 9010, 'Ana Lúcia (cliente)', NULL, '10001', '2231', '001', NULL, 1, 0,
   197.90, 0, 0, 593.00, 27.00, 4.35, 0, 2, 11,
   'Instalação conforme orçamento 001187.',
   'Sistema instalado e testado com a central de monitoramento. Cliente orientada sobre o aplicativo.'),
  (74015, 4860, 1502, 740, 2, 1063, NULL, 'I', 'F', 'N', 'R', '2025-05-08 00:00:00', 1,
   '2025-05-12 00:00:00', '1899-12-30 08:00:00', '2025-05-14 00:00:00', '2025-05-12 00:00:00',
   9021, 9020, 'Rosana (gestão de frota)', NULL, NULL, NULL, NULL, 2, 1, 0,
   158.00, 0, 0, 450.00, 0, 0, 0, 2, 12,
   'Instalação dos rastreadores conforme orçamento 001179.',
   'Três rastreadores instalados e testados. Bloqueio instalado no Volvo e no Delivery.'),
  (30145, 4902, 4902, 301, 1, 1042, NULL, 'P', 'F', 'N', 'L', '2025-09-02 00:00:00', 1,
   '2025-09-08 00:00:00', '1899-12-30 08:30:00', '2025-09-10 00:00:00', '2025-09-08 00:00:00',
   9002, 9010, 'Central de monitoramento', NULL, '10001', '2231', '001', NULL, 1, 0,
   0, 0, 0, 0, 0, 0, 0, NULL, NULL,
   'Manutenção preventiva semestral.',
   'Bateria da central trocada preventivamente. Todos os sensores testados.'),
  (30155, 4930, 4930, 301, 1, 1057, NULL, 'M', 'B', 'N', 'V', '2025-10-20 00:00:00', 0,
   NULL, NULL, '2025-10-24 00:00:00', NULL,
   9002, 9010, 'Sônia (sócia)', NULL, '10001', '3108', '001', NULL, 1, 0,
   0, 0, 0, 0, 0, 0, 0, NULL, NULL,
   'Central apitando de madrugada: bateria não segura carga.',
   'Bateria substituída em garantia; a antiga segue para troca no fornecedor.'),
  (30162, 4951, 4951, 301, 1, 1042, NULL, 'M', 'C', 'N', 'L', '2025-12-01 00:00:00', 0,
   NULL, NULL, '2025-12-03 00:00:00', NULL,
   9001, 9010, 'Ana Lúcia (cliente)', NULL, '10001', '2231', '001', NULL, 1, 0,
   0, 0, 0, 0, 0, 0, 0, NULL, NULL,
   'Teclado sem iluminação.',
   'Cancelada a pedido da cliente: o problema era o disjuntor do quadro.'),
  (30170, 4977, 4977, 301, 1, 1042, NULL, 'M', 'F', 'A', 'L', '2026-01-14 00:00:00', 0,
   NULL, NULL, '2026-01-16 00:00:00', '2026-01-15 00:00:00',
   9001, 9010, 'Rafael (cônjuge)', NULL, '10001', '2231', '001', NULL, 1, 0,
   0, 0, 0, 120.00, 0, 0, 0, 2, 10,
   'Sensor da sala disparando sem movimento.',
   'Sensor IVP da sala substituído. Peça com defeito recolhida para o laboratório.'),
  (30176, 5001, 5001, 301, 1, 1042, 1, 'V', 'A', 'B', 'L', '2026-10-26 00:00:00', 1,
   '2026-12-14 00:00:00', '1899-12-30 16:00:00', '2026-12-16 00:00:00', NULL,
   9003, 9010, 'Ana Lúcia (cliente)', NULL, '10001', '2240', '001', NULL, 1, 0,
   0, 0, 0, 0, 0, 0, 0, NULL, NULL,
   'Vistoria no consultório para ampliar a proteção: dois sensores e uma câmera na recepção.',
   NULL),
  (30188, 5034, 5034, 301, 1, 1042, NULL, 'I', 'A', 'A', 'L', '2026-11-30 00:00:00', 1,
   '2026-12-09 00:00:00', '1899-12-30 08:30:00', '2026-12-11 00:00:00', NULL,
   9001, 9010, 'Ana Lúcia (cliente)', NULL, '10001', '2231', '001', 1, 5, 1,
   876.80, 12.00, 1.35, 340.00, 20.00, 5.56, 0, NULL, NULL,
   'Instalar quatro câmeras conforme o projeto do orçamento 001205: garagem, entrada social, quintal e área de serviço, e as duas câmeras que a cliente comprou na vistoria (portão lateral e edícula). Gravador no rack do escritório, ligado ao roteador da cliente. [#Wi-Fi: rede CASA_CARDOSO, senha Thor@2026#] Confirmar com a cliente o ângulo da câmera da garagem antes de fixar. Retirar a sirene antiga da edícula e instalar o sensor de fumaça na cozinha. [#Chave reserva com o vizinho da casa 1#]',
   NULL),
  (74022, 5041, 1588, 740, 2, 1063, NULL, 'I', 'A', 'U', 'R', '2026-12-02 00:00:00', 0,
   NULL, NULL, '2026-12-12 00:00:00', NULL,
   9021, 9020, 'Gustavo Pardini', 6, NULL, NULL, NULL, 2, 1, NULL,
   79.00, 0, 0, 380.00, 0, 0, 0, 2, 12,
   'Instalar rastreador e bloqueio no Scania SHX2J90, reinstalar o rastreador da Hilux GTR5H08 (transferência de titularidade) e retirar o rastreador da Strada PXT8C19.',
   NULL);

-- Products delivered. CobraCliente 0 lines went out rented (Motivo 'Locado'), under warranty
-- or billed directly by the distributor ('Direta').
INSERT INTO OSProdutos (CodInterno, Planílha, CodProduto, Descrição, Quantidade, Unitário, Desconto,
                        Liquido, TotalLiquido, Custo, CobraCliente, Motivo) VALUES
  (1, 30120, 1001, 'CENTRAL DE ALARME AMT 2018 E SMART', 1, 689.00, 34.00, 655.00, 655.00, 412.30, 1, 'Venda'),
  (2, 30120, 1002, 'TECLADO LCD XAT 2000', 2, 219.00, 0, 219.00, 438.00, 128.40, 1, 'Venda'),
  (3, 30120, 1003, 'SENSOR INFRAVERMELHO PASSIVO IVP 3000 MW', 3, 89.90, 0, 89.90, 269.70, 46.15, 1, 'Venda'),
  (4, 30120, 1016, 'SENSOR DE FUMAÇA ÓPTICO SEM FIO', 1, 139.00, 0, 139.00, 139.00, 74.20, 1, 'Venda'),
  (5, 30120, 1005, 'SIRENE PIEZOELÉTRICA 120 DB', 1, 39.90, 0, 39.90, 39.90, 15.80, 1, 'Venda'),
  (6, 30120, 1006, 'BATERIA SELADA 12V 7AH', 1, 94.50, 0, 94.50, 94.50, 58.90, 1, 'Venda'),
  (7, 30120, 1007, 'COMUNICADOR GPRS/4G XEG 4000 SMART', 1, 459.00, 0, 459.00, 459.00, 271.00, 1, 'Venda'),
  (8, 30120, 1011, 'CABO COAXIAL BIPOLAR 4MM', 50, 3.20, 0, 3.20, 160.00, 1.45, 1, 'Venda'),
  (9, 30120, 1015, 'CONTROLE REMOTO XAC 4000 SMART', 2, 42.00, 0, 42.00, 84.00, 18.40, 0, 'Direta'),
  (10, 30110, 1001, 'CENTRAL DE ALARME AMT 2018 E SMART', 1, 689.00, 0, 689.00, 689.00, 412.30, 0, 'Locado'),
  (11, 30110, 1002, 'TECLADO LCD XAT 2000', 1, 219.00, 0, 219.00, 219.00, 128.40, 0, 'Locado'),
  (12, 30110, 1003, 'SENSOR INFRAVERMELHO PASSIVO IVP 3000 MW', 4, 89.90, 0, 89.90, 359.60, 46.15, 0, 'Locado'),
  (13, 30110, 1004, 'SENSOR MAGNÉTICO DE ABERTURA XAS 4010', 3, 54.90, 0, 54.90, 164.70, 22.70, 0, 'Locado'),
  (14, 30110, 1005, 'SIRENE PIEZOELÉTRICA 120 DB', 1, 39.90, 0, 39.90, 39.90, 15.80, 0, 'Locado'),
  (15, 30110, 1006, 'BATERIA SELADA 12V 7AH', 1, 94.50, 0, 94.50, 94.50, 58.90, 0, 'Locado'),
  (16, 30110, 1007, 'COMUNICADOR GPRS/4G XEG 4000 SMART', 1, 459.00, 0, 459.00, 459.00, 271.00, 0, 'Locado'),
  (17, 30110, 1014, 'BOTÃO DE PÂNICO SEM FIO XAP 8000', 1, 69.90, 0, 69.90, 69.90, 33.10, 1, 'Venda'),
  (18, 30110, 1011, 'CABO COAXIAL BIPOLAR 4MM', 40, 3.20, 0, 3.20, 128.00, 1.45, 1, 'Venda'),
  (19, 74015, 1012, 'RASTREADOR GPS/4G ST4305', 3, 389.00, 0, 389.00, 1167.00, 236.00, 0, 'Locado'),
  (20, 74015, 1013, 'MÓDULO DE BLOQUEIO VEICULAR 12/24V', 2, 79.00, 0, 79.00, 158.00, 31.20, 1, 'Venda'),
  (21, 30145, 1006, 'BATERIA SELADA 12V 7AH', 1, 94.50, 0, 94.50, 94.50, 58.90, 0, 'Locado'),
  (22, 30155, 1006, 'BATERIA SELADA 12V 7AH', 1, 94.50, 0, 94.50, 94.50, 58.90, 0, 'Garantia'),
  (23, 30162, 1002, 'TECLADO LCD XAT 2000', 1, 219.00, 0, 219.00, 219.00, 128.40, 0, 'Locado'),
  (24, 30170, 1003, 'SENSOR INFRAVERMELHO PASSIVO IVP 3000 MW', 1, 89.90, 0, 89.90, 89.90, 46.15, 0, 'Locado'),
  (25, 30188, 1009, 'GRAVADOR DIGITAL MHDX 1108 8 CANAIS', 1, 899.00, 0, 899.00, 899.00, 545.00, 0, 'Locado'),
  (26, 30188, 1008, 'CÂMERA BULLET VHD 1220 B FULL HD', 4, 229.00, 0, 229.00, 916.00, 132.60, 0, 'Locado'),
  (27, 30188, 1010, 'FONTE CHAVEADA 12V 5A', 2, 49.90, 0, 49.90, 99.80, 21.30, 1, 'Venda'),
  (28, 30188, 1011, 'CABO COAXIAL BIPOLAR 4MM', 60, 3.20, 12.00, 3.00, 180.00, 1.45, 1, 'Venda'),
  (29, 30188, 1016, 'SENSOR DE FUMAÇA ÓPTICO SEM FIO', 1, 139.00, 0, 139.00, 139.00, 74.20, 1, 'Venda'),
  (1100001, 30188, 1008, 'CÂMERA BULLET VHD 1220 B FULL HD', 2, 229.00, 0, 229.00, 458.00, 132.60, 1, 'Venda'),
  (30, 74022, 1012, 'RASTREADOR GPS/4G ST4305', 1, 389.00, 0, 389.00, 389.00, 236.00, 0, 'Locado'),
  (31, 74022, 1013, 'MÓDULO DE BLOQUEIO VEICULAR 12/24V', 1, 79.00, 0, 79.00, 79.00, 31.20, 1, 'Venda');

-- Products to bring back; Entregue counts what has reached the stock.
INSERT INTO OSProdutosRetirar (CodInterno, Planílha, CodProduto, Descrição, Quantidade, Entregue, Motivo,
                               Observações) VALUES
  (1, 30145, 1006, 'BATERIA SELADA 12V 7AH', 1, 1, 'Locado', 'Bateria com 30 meses de uso'),
  (2, 30155, 1006, 'BATERIA SELADA 12V 7AH', 1, 0, 'Garantia', 'Aguardando troca no fornecedor'),
  (3, 30170, 1003, 'SENSOR INFRAVERMELHO PASSIVO IVP 3000 MW', 1, 0, 'Locado', 'Enviado ao laboratório'),
  (4, 30188, 1005, 'SIRENE PIEZOELÉTRICA 120 DB', 1, 0, 'Locado', 'Sirene antiga da edícula'),
  (5, 74022, 1012, 'RASTREADOR GPS/4G ST4305', 1, 0, 'Locado', 'Rastreador da Strada PXT8C19');

INSERT INTO OSServiços (CodInterno, Planílha, CodServiço, Descrição, Quantidade, Unitário, Desconto, Total,
                        TotalBruto, CobraCliente) VALUES
  (1, 30120, 501, 'INSTALAÇÃO DE SISTEMA DE ALARME', 1, 350.00, 0, 350.00, 350.00, 1),
  (2, 30120, 505, 'INFRAESTRUTURA DE CABEAMENTO (PONTO)', 5, 45.00, 0, 225.00, 225.00, 1),
  (3, 30110, 501, 'INSTALAÇÃO DE SISTEMA DE ALARME', 1, 350.00, 0, 350.00, 350.00, 1),
  (4, 30110, 505, 'INFRAESTRUTURA DE CABEAMENTO (PONTO)', 6, 40.50, 27.00, 243.00, 270.00, 1),
  (5, 74015, 504, 'INSTALAÇÃO DE RASTREADOR VEICULAR', 3, 150.00, 0, 450.00, 450.00, 1),
  (6, 30145, 502, 'VISITA TÉCNICA', 1, 95.00, 0, 95.00, 95.00, 0),
  (7, 30170, 503, 'MANUTENÇÃO CORRETIVA (HORA TÉCNICA)', 1, 120.00, 0, 120.00, 120.00, 1),
  (8, 30176, 502, 'VISITA TÉCNICA', 1, 95.00, 0, 95.00, 95.00, 0),
  (9, 30188, 506, 'CONFIGURAÇÃO DE GRAVADOR E CÂMERAS', 1, 180.00, 0, 180.00, 180.00, 1),
  (10, 30188, 505, 'INFRAESTRUTURA DE CABEAMENTO (PONTO)', 4, 40.00, 20.00, 160.00, 180.00, 1),
  (11, 30188, 502, 'VISITA TÉCNICA', 1, 95.00, 0, 95.00, 95.00, 0),
  (12, 74022, 504, 'INSTALAÇÃO DE RASTREADOR VEICULAR', 2, 150.00, 0, 300.00, 300.00, 1),
  (13, 74022, 507, 'RETIRADA DE EQUIPAMENTO', 1, 80.00, 0, 80.00, 80.00, 1);

-- Visits. The 'D' row is the technician's travel and is not listed as a visit.
INSERT INTO OSAtendimentos (CodInterno, Planílha, Data, HoraInicial, HoraFinal, Técnico, MobileResponsável,
                            TipoAtendimento, Observações) VALUES
  (1, 30110, '2025-03-10 00:00:00', '1899-12-30 09:10:00', '1899-12-30 16:45:00', 9001, 'Carlos Nogueira', 'N',
   'Instalação completa e teste de todas as zonas com a central.'),
  (2, 30170, '2026-01-15 00:00:00', '1899-12-30 10:00:00', '1899-12-30 10:50:00', 9001, 'Carlos Nogueira', 'N',
   'Troca do sensor da sala.'),
  (3, 30188, '2026-12-01 00:00:00', '1899-12-30 13:20:00', '1899-12-30 14:00:00', 9002, 'Renato Silveira', 'D',
   'Deslocamento da base até a cliente.'),
  (4, 30188, '2026-12-01 00:00:00', '1899-12-30 14:00:00', '1899-12-30 15:10:00', 9002, 'Renato Silveira', 'N',
   'Vistoria do local e medição do cabeamento das quatro câmeras.'),
  (5, 30188, '2026-12-03 00:00:00', '1899-12-30 09:00:00', '1899-12-30 11:30:00', 9001, 'Carlos Nogueira', NULL,
   'Passagem dos cabos da garagem e da área de serviço; falta fixar as câmeras.'),
  (6, 74022, '2026-12-03 00:00:00', '1899-12-30 08:00:00', '1899-12-30 09:30:00', 9021, 'Wanderson Pacheco', 'N',
   'Vistoria do Scania no pátio; instalação agendada com o motorista.');

INSERT INTO OSsTécnicosAuxiliares (CodInterno, Planílha, Técnico) VALUES
  (1, 30110, 9002),
  (2, 30188, 9002),
  (3, 30188, 9003);

INSERT INTO OSImportação (CodInterno, PlanílhaOS, PlanílhaOrçamento, TipoItem) VALUES
  (1, 30120, 20058, 'I'),
  (2, 30110, 20051, 'I'),
  (3, 74015, 20040, 'I'),
  (4, 30188, 20066, 'I'),
  (5, 74022, 20063, 'I');

INSERT INTO OSVeículos (CodInterno, Planílha, CodVeículo, Placa, id, Modelo, Ano, Cor, Combustível, Chassis,
                        Renavam, LocalizaçãoMódulo) VALUES
  (1, 74015, 1, 'QPD4F21', '1063-01', 'VOLVO/FH 540 6X4', 2021, 'BRANCA', 'D', '9BVRG40D5ME875321', '01234567891',
   'Atrás do painel, lado do passageiro'),
  (2, 74015, 2, 'RFA2B37', '1063-02', 'MERCEDES-BENZ/ACTROS 2651', 2022, 'PRATA', 'D', '9BM958174NB230487', '01298765432',
   'Sob o banco do motorista'),
  (3, 74015, 3, 'HMG7E54', '1063-03', 'VW/DELIVERY 11.180', 2019, 'BRANCA', 'D', '9532E82W6KR912476', '01155698740',
   'Dentro do console central'),
  (4, 74022, 6, 'SHX2J90', '1063-06', 'SCANIA/R 450 A6X2NA', 2024, 'AZUL', 'D', '9BSR6X200R4021937', '01377851240',
   'Atrás do painel, lado do passageiro'),
  (5, 74022, 5, 'GTR5H08', '1063-05', 'TOYOTA/HILUX SRV 2.8 4X4', 2020, 'PRETA', 'D', '8AJBA3CD4L1557923', '01203344556',
   'Sob o painel, lado do motorista');

-- CodVeículo here is the order's vehicle line (OSVeículos.CodInterno).
INSERT INTO OSVeículosRastreador (CodInterno, CodVeículo, CodRastreador) VALUES
  (1, 1, 1),
  (2, 2, 2),
  (3, 3, 3),
  (4, 4, 6),
  (5, 5, 5);

INSERT INTO OSVeículosChip (CodInterno, CodVeículo, CodChip) VALUES
  (1, 1, 1),
  (2, 2, 2),
  (3, 2, 9),
  (4, 3, 3),
  (5, 4, 8),
  (6, 5, 7);

INSERT INTO OSVeículosRetirar (CodInterno, Planílha, CodVeículo) VALUES
  (1, 74022, 4);

-- Orders of the edge cases (customers 1100-1102, added with unit 302 in
-- 16_service_order_cases.sql):
--   30201  Marcos Vinícius Teles (1100): a survey with nothing attached (no products, services,
--          visits, vehicles, checklist, budget, payment terms or earlier orders), priority 'U'.
--   30202  Helena Martins Siqueira (1102, unit 302 keeps orders as Word files): a "#]" written
--          before the first "[#" in Observações, so nothing is masked.
--   30203  Joalheria Brilho Real (1101): closed installation with a battery lent to the customer.
--   30204  Joalheria Brilho Real: closed withdrawal; the lent battery came back (its balance
--          goes to zero), a sensor is still on its way to the laboratory.
--   30205  Joalheria Brilho Real: open order sorted by product code (OrdemProdutos 2), with a
--          nested marked span and an unclosed "[#" in Observações.
INSERT INTO OSs (Planílha, CodInterno, Ordem, Unidade, Empresa, Cliente, CodEndereço, Tipo, Status,
                 Prioridade, Modalidade, DataAbertura, Agendada, DataAgenda, HoraAgenda, DataEntrega,
                 DataFechamento, Técnico, Vendedor, Solicitante, CodVeículo, EmpresaSigma, CentralSIGMA,
                 Partição, CodCheckList, CodTabela, OrdemProdutos, TotalProdutos, Desconto, PDesconto,
                 TotalServiços, DescontoServiços, PDescontoServiços, ValorCREA, FechamentoFormaPagto,
                 FechamentoCondiçãoPagto, Observações, ObservaçõesFechamento) VALUES
  (30201, 1100001, 30201, 301, 1, 1100, NULL, 'V', 'A', 'U', 'V', '2026-12-03 00:00:00', 0,
   NULL, NULL, '2026-12-10 00:00:00', NULL,
   9003, 9010, 'Marcos (cliente)', NULL, NULL, NULL, NULL, NULL, NULL, NULL,
   0, 0, 0, 0, 0, 0, 0, NULL, NULL, NULL, NULL),
  (30202, 1100002, 30202, 302, 1, 1102, NULL, 'M', 'A', 'N', 'L', '2026-12-04 00:00:00', 1,
   '2026-12-07 00:00:00', '1899-12-30 10:00:00', '2026-12-09 00:00:00', NULL,
   9003, 9010, 'Helena (cliente)', NULL, '10001', '4410', '001', NULL, 1, 0,
   0, 0, 0, 0, 0, 0, 0, 5, 16,
   'Sirene não toca no teste semanal. O portão de trás abre com a chave #] do molho azul; a senha do teclado [#7741#] está com o caseiro.',
   NULL),
  (30203, 1100003, 30203, 301, 1, 1101, NULL, 'I', 'F', 'A', 'L', '2026-03-02 00:00:00', 1,
   '2026-03-04 00:00:00', '1899-12-30 19:00:00', '2026-03-06 00:00:00', '2026-03-05 00:00:00',
   9002, 9010, 'Cláudio (gerente)', NULL, '10001', '3150', '001', NULL, 1, 0,
   69.90, 0, 0, 350.00, 0, 0, 0, 2, 10,
   'Instalação do alarme da loja depois do fechamento (19h). Bateria extra emprestada até a chegada da definitiva.',
   'Sistema instalado. A bateria emprestada fica até a troca.'),
  (30204, 1100004, 30204, 301, 1, 1101, NULL, 'R', 'F', 'N', 'L', '2026-08-10 00:00:00', 1,
   '2026-08-12 00:00:00', '1899-12-30 08:00:00', '2026-08-14 00:00:00', '2026-08-12 00:00:00',
   9002, 9010, 'Cláudio (gerente)', NULL, '10001', '3150', '001', NULL, 1, 0,
   0, 0, 0, 0, 0, 0, 0, NULL, NULL,
   'Recolher a bateria emprestada e o sensor da vitrine que dispara sozinho.',
   'Bateria devolvida ao estoque. Sensor da vitrine enviado ao laboratório.'),
  (30205, 1100005, 30205, 301, 1, 1101, NULL, 'I', 'A', 'B', 'L', '2026-12-01 00:00:00', 1,
   '2026-12-15 00:00:00', '1899-12-30 19:30:00', '2026-12-17 00:00:00', NULL,
   9002, 9010, 'Cláudio (gerente)', NULL, '10001', '3150', '001', 1, 1, 2,
   208.90, 0, 0, 90.00, 0, 0, 0, 2, 10,
   'Ampliar a proteção do estoque: sensor de fumaça e dois magnéticos. Entrada pela garagem [#cartão [#nº 5521#] com o vigia#] e elevador de serviço. [#Senha da vitrine: 3390',
   NULL);

INSERT INTO OSProdutos (CodInterno, Planílha, CodProduto, Descrição, Quantidade, Unitário, Desconto,
                        Liquido, TotalLiquido, Custo, CobraCliente, Motivo) VALUES
  (1100002, 30203, 1006, 'BATERIA SELADA 12V 7AH', 1, 94.50, 0, 94.50, 94.50, 58.90, 0, 'Empréstimo'),
  (1100003, 30203, 1003, 'SENSOR INFRAVERMELHO PASSIVO IVP 3000 MW', 2, 89.90, 0, 89.90, 179.80, 46.15, 0, 'Locado'),
  (1100004, 30203, 1014, 'BOTÃO DE PÂNICO SEM FIO XAP 8000', 1, 69.90, 0, 69.90, 69.90, 33.10, 1, 'Venda'),
  (1100005, 30205, 1016, 'SENSOR DE FUMAÇA ÓPTICO SEM FIO', 1, 139.00, 0, 139.00, 139.00, 74.20, 1, 'Venda'),
  (1100006, 30205, 1004, 'SENSOR MAGNÉTICO DE ABERTURA XAS 4010', 2, 54.90, 0, 54.90, 109.80, 22.70, 0, 'Locado'),
  (1100007, 30205, 1014, 'BOTÃO DE PÂNICO SEM FIO XAP 8000', 1, 69.90, 0, 69.90, 69.90, 33.10, 1, 'Venda');

INSERT INTO OSProdutosRetirar (CodInterno, Planílha, CodProduto, Descrição, Quantidade, Entregue, Motivo,
                               Observações) VALUES
  (1100001, 30204, 1006, 'BATERIA SELADA 12V 7AH', 1, 1, 'Empréstimo', 'Bateria emprestada devolvida'),
  (1100002, 30204, 1003, 'SENSOR INFRAVERMELHO PASSIVO IVP 3000 MW', 1, 0, 'Locado', 'Sensor da vitrine para o laboratório');

INSERT INTO OSServiços (CodInterno, Planílha, CodServiço, Descrição, Quantidade, Unitário, Desconto, Total,
                        TotalBruto, CobraCliente) VALUES
  (1100001, 30202, 502, 'VISITA TÉCNICA', 1, 95.00, 0, 95.00, 95.00, 0),
  (1100002, 30203, 501, 'INSTALAÇÃO DE SISTEMA DE ALARME', 1, 350.00, 0, 350.00, 350.00, 1),
  (1100003, 30204, 507, 'RETIRADA DE EQUIPAMENTO', 1, 80.00, 0, 80.00, 80.00, 0),
  (1100004, 30205, 505, 'INFRAESTRUTURA DE CABEAMENTO (PONTO)', 2, 45.00, 0, 90.00, 90.00, 1);
