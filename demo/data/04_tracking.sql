-- Trackers, SIM chips and the customers' vehicles.
--
-- Vehicles 1 to 4 are the carrier's fleet (customer 1063); vehicle 4 (the Strada) has been
-- sold and leaves the contract with amendment 1. Vehicle 5 is the Hilux that José Roberto
-- Fagundes (1071) sold to the carrier; vehicle 6 is the carrier's new truck, registered but
-- not yet active (its tracker is installed by service order 74022).

INSERT INTO GRRastreador (CodInterno, IDChip, IDVersão, Modelo, Situação, DataCompra) VALUES
  (1, '861585040123456', 'V2', 'ST4305', 'I', '2025-04-20 00:00:00'),
  (2, '861585040123472', 'V2', 'ST4305', 'I', '2025-04-20 00:00:00'),
  (3, '861585040124018', 'V1', 'ST340', 'I', '2024-11-08 00:00:00'),
  (4, '861585040124190', 'V2', 'ST4305', 'I', '2025-04-20 00:00:00'),
  (5, '861585040125532', 'V1', 'ST340', 'I', '2024-09-30 00:00:00'),
  (6, '861585040126007', 'V2', 'ST4305', 'E', '2026-10-14 00:00:00');

INSERT INTO GRChip (CodInterno, Operadora, DDD, Linha, Serial, Plano, Situação) VALUES
  (1, 4001, '31', '99701-2211', '89551093144010233816', 'M2M 20 MB', 'A'),
  (2, 4002, '31', '99702-5540', '89550531100400177421', 'M2M 20 MB', 'A'),
  (3, 4003, '31', '98455-0173', '89550311000213366208', 'M2M 20 MB', 'A'),
  (4, 4001, '19', '99650-8812', '89551093144010299402', 'M2M 50 MB', 'A'),
  (5, 4002, '19', '99651-0437', '89550531100400190366', 'M2M 50 MB', 'A'),
  (6, 4001, '31', '99703-6621', '89551093144010301127', 'M2M 20 MB', 'A'),
  (7, 4003, '31', '98456-2290', '89550311000213370051', 'M2M 20 MB', 'A'),
  (8, 4002, '31', '99704-1178', '89550531100400201745', 'M2M 20 MB', 'E'),
  (9, 4003, '31', '98457-3306', '89550311000213372284', 'M2M 20 MB', 'A');

-- ValorVeículo is the vehicle's monthly value: tracking plus insurance, assistance and
-- blocking, less the rental share.
INSERT INTO GRVeículos (CodInterno, Cliente, Placa, Modelo, Ano, Cor, Combustível, Chassis, Renavam,
                        TipoVeículo, Inclusão, Ativo, Rastreador, ChipGPRS, TécnicoVeículo,
                        LocalizaçãoMódulo, Panico, Bloqueio, Bateria, Voltagem, ValorVeículo,
                        ValorSeguro, ValorAssistência, ValorBloqueio, ValorLocação, ObsVeículo) VALUES
  (1, 1063, 'QPD4F21', 'VOLVO/FH 540 6X4', 2021, 'BRANCA', 'D', '9BVRG40D5ME875321', '01234567891',
   4502, '2025-05-12 00:00:00', 1, 1, 1, 9021, 'Atrás do painel, lado do passageiro', 1, 1,
   'Interna 3,7V 1.300 mAh', '24V', 129.90, 0, 29.90, 10.00, 0, 'Motorista titular: Adão Ferreira Lopes'),
  (2, 1063, 'RFA2B37', 'MERCEDES-BENZ/ACTROS 2651', 2022, 'PRATA', 'D', '9BM958174NB230487', '01298765432',
   4502, '2025-05-12 00:00:00', 1, 2, 2, 9021, 'Sob o banco do motorista', 1, 2,
   'Interna 3,7V 1.300 mAh', '24V', 208.90, 89.00, 29.90, 10.00, 0, 'Dois chips (Claro e TIM)'),
  (3, 1063, 'HMG7E54', 'VW/DELIVERY 11.180', 2019, 'BRANCA', 'D', '9532E82W6KR912476', '01155698740',
   4502, '2025-05-12 00:00:00', 1, 3, 3, 9021, 'Dentro do console central', 0, 1,
   'Interna 3,7V 800 mAh', '24V', 99.90, 0, 0, 9.90, 0, NULL),
  (4, 1063, 'PXT8C19', 'FIAT/STRADA FREEDOM 1.3', 2023, 'VERMELHA', 'B', '9BD281A3DPYB45678', '01322457719',
   4503, '2025-08-04 00:00:00', 1, 4, 6, 9021, 'Atrás do porta-luvas', 0, 0,
   'Interna 3,7V 1.300 mAh', '12V', 89.90, 0, 0, 0, 0, 'Veículo vendido em novembro de 2026'),
  (5, 1071, 'GTR5H08', 'TOYOTA/HILUX SRV 2.8 4X4', 2020, 'PRETA', 'D', '8AJBA3CD4L1557923', '01203344556',
   4503, '2024-11-02 00:00:00', 1, 5, 7, 9021, 'Sob o painel, lado do motorista', 1, 2,
   'Interna 3,7V 800 mAh', '12V', 208.90, 89.00, 29.90, 0, 0, 'Transferência de titularidade para a Transportadora Rio Pardo'),
  (6, 1063, 'SHX2J90', 'SCANIA/R 450 A6X2NA', 2024, 'AZUL', 'D', '9BSR6X200R4021937', '01377851240',
   4502, '2026-11-26 00:00:00', 0, NULL, NULL, 9021, NULL, 1, 1,
   NULL, '24V', 154.80, 0, 29.90, 10.00, 0, 'Aguardando instalação do rastreador');

INSERT INTO GRVeículosRastreador (CodInterno, CodVeículo, CodRastreador, DataInstalação) VALUES
  (1, 1, 1, '2025-05-12 00:00:00'),
  (2, 2, 2, '2025-05-12 00:00:00'),
  (3, 3, 3, '2025-05-12 00:00:00'),
  (4, 4, 4, '2025-08-04 00:00:00'),
  (5, 5, 5, '2024-11-02 00:00:00');

INSERT INTO GRVeículosChip (CodInterno, CodVeículo, CodChip, DataInstalação) VALUES
  (1, 1, 1, '2025-05-12 00:00:00'),
  (2, 2, 2, '2025-05-12 00:00:00'),
  (3, 3, 3, '2025-05-12 00:00:00'),
  (4, 4, 6, '2025-08-04 00:00:00'),
  (5, 5, 7, '2024-11-02 00:00:00'),
  (6, 2, 9, '2025-05-12 00:00:00');

INSERT INTO GRVeículosServiçosAdicionais (CodInterno, CodVeículo, CodServiço, ValorServiço, DataInclusão) VALUES
  (1, 1, 6, 29.90, '2025-05-12 00:00:00'),
  (2, 1, 7, 24.90, '2025-05-12 00:00:00'),
  (3, 2, 5, 89.00, '2025-05-12 00:00:00'),
  (4, 2, 6, 29.90, '2025-05-12 00:00:00'),
  (5, 2, 7, 24.90, '2025-05-12 00:00:00'),
  (6, 3, 7, 24.90, '2025-05-12 00:00:00');

-- Chips 4 and 5 sit in Ana Lúcia's alarm communicator; the carrier's trucking chips are
-- billed together on its invoice (FaturaLote). The bakery has no chip.
INSERT INTO ClientesChip (CodInterno, CodCliente, CodChip, FaturaLote, DataInclusão) VALUES
  (1, 1042, 4, 0, '2025-03-10 00:00:00'),
  (2, 1042, 5, 0, '2025-03-10 00:00:00'),
  (3, 1063, 1, 1, '2025-05-12 00:00:00'),
  (4, 1063, 2, 1, '2025-05-12 00:00:00'),
  (5, 1063, 3, 1, '2025-05-12 00:00:00'),
  (6, 1063, 9, 1, '2025-05-12 00:00:00'),
  (7, 1063, 6, 0, '2025-08-04 00:00:00');
