-- Receivables and cancellations.
--
-- Ana Lúcia (1042) has paid, overdue and open monthly invoices and the installments of the
-- camera upgrade. The bakery (1057) confirmed its cancellation: a proportional month and a
-- fine in three installments. The carrier (1063) cancelled one vehicle (confirmed) and asked
-- to close one guard post (requested), and owes the rest of a partly paid invoice.

INSERT INTO ContasReceber (CodInterno, Empresa, Cliente, Número, Letra, Operação, Planílha, Emissão, Vencimento,
                           ValorDuplicata, Saldo, DataPagamento, ValorPago) VALUES
  (1, 1, 1042, 11872, '1', 'FatMensal', NULL, '2026-06-25 00:00:00', '2026-07-10 00:00:00', 264.70, 0, '2026-07-09 00:00:00', 264.70),
  (2, 1, 1042, 11935, '1', 'FatMensal', NULL, '2026-07-27 00:00:00', '2026-08-10 00:00:00', 264.70, 0, '2026-08-10 00:00:00', 264.70),
  (3, 1, 1042, 12004, '1', 'FatMensal', NULL, '2026-08-26 00:00:00', '2026-09-10 00:00:00', 264.70, 0, '2026-09-15 00:00:00', 266.08),
  (4, 1, 1042, 12071, '1', 'FatMensal', NULL, '2026-09-25 00:00:00', '2026-10-10 00:00:00', 264.70, 264.70, NULL, 0),
  (5, 1, 1042, 12139, '1', 'FatMensal', NULL, '2026-10-26 00:00:00', '2026-11-10 00:00:00', 264.70, 264.70, NULL, 0),
  (6, 1, 1042, 12207, '1', 'FatMensal', NULL, '2026-11-25 00:00:00', '2026-12-10 00:00:00', 264.70, 264.70, NULL, 0),
  (7, 1, 1042, 4977, '1', 'OS', 30170, '2026-01-15 00:00:00', '2026-02-10 00:00:00', 120.00, 0, '2026-02-10 00:00:00', 120.00),
  (8, 1, 1042, 5034, '1', 'OS', 30188, '2026-11-30 00:00:00', '2026-11-30 00:00:00', 264.60, 0, '2026-11-30 00:00:00', 264.60),
  (9, 1, 1042, 5034, '2', 'OS', 30188, '2026-11-30 00:00:00', '2026-12-30 00:00:00', 264.60, 264.60, NULL, 0),
  (10, 1, 1042, 5034, '3', 'OS', 30188, '2026-11-30 00:00:00', '2027-01-29 00:00:00', 264.60, 264.60, NULL, 0),
  (11, 1, 1057, 12080, '1', 'FatMensal', NULL, '2026-09-30 00:00:00', '2026-10-15 00:00:00', 199.70, 0, '2026-10-14 00:00:00', 199.70),
  (12, 1, 1057, 12148, '1', 'FatMensal', NULL, '2026-10-31 00:00:00', '2026-11-15 00:00:00', 199.70, 199.70, NULL, 0),
  (13, 1, 1057, 880012, '1', 'CancContr', 880012, '2026-11-28 00:00:00', '2026-12-15 00:00:00', 93.19, 93.19, NULL, 0),
  (14, 1, 1057, 880013, '1', 'CancContr', 880013, '2026-11-28 00:00:00', '2026-12-15 00:00:00', 199.70, 199.70, NULL, 0),
  (15, 1, 1057, 880013, '2', 'CancContr', 880013, '2026-11-28 00:00:00', '2027-01-15 00:00:00', 199.70, 199.70, NULL, 0),
  (16, 1, 1057, 880013, '3', 'CancContr', 880013, '2026-11-28 00:00:00', '2027-02-15 00:00:00', 199.70, 199.70, NULL, 0),
  (17, 2, 1063, 1502, '1', 'OS', 74015, '2025-05-12 00:00:00', '2025-06-05 00:00:00', 608.00, 0, '2025-06-05 00:00:00', 608.00),
  (18, 2, 1063, 3240, '1', 'FatMensal', NULL, '2026-08-21 00:00:00', '2026-09-05 00:00:00', 603.30, 150.00, '2026-09-05 00:00:00', 453.30),
  (19, 2, 1063, 3307, '1', 'FatMensal', NULL, '2026-10-21 00:00:00', '2026-11-05 00:00:00', 603.30, 0, '2026-11-05 00:00:00', 603.30),
  (20, 2, 1063, 3371, '1', 'FatMensal', NULL, '2026-11-20 00:00:00', '2026-12-05 00:00:00', 603.30, 603.30, NULL, 0),
  (21, 2, 1063, 880020, '1', 'CancContr', 880020, '2026-11-25 00:00:00', '2026-12-05 00:00:00', 41.95, 41.95, NULL, 0),
  (22, 2, 1063, 880021, '1', 'CancContr', 880021, '2026-11-20 00:00:00', '2026-12-20 00:00:00', 1066.67, 1066.67, NULL, 0);

INSERT INTO ClientesCancelamentos (CodInterno, CodCliente, StatusCancelamento, DataSolicitação, DataConfirmação,
                                   MotCanc, ValorProporcional, ValorMulta, Planílha, PlanílhaMulta, Observações) VALUES
  (1, 1042, 'C', '2025-11-03 00:00:00', NULL, 'Insatisfação com o tempo de atendimento', 0, 0, NULL, NULL,
   'Cliente desistiu do cancelamento depois da visita do gerente comercial.'),
  (2, 1057, 'A', '2026-11-16 00:00:00', '2026-11-28 00:00:00', 'Mudança de endereço do estabelecimento', 93.19, 599.10,
   880012, 880013,
   'Cliente muda a padaria para o Cambuí em janeiro e contratou outra empresa no novo endereço. Os equipamentos foram comprados pelo cliente e permanecem no local. Multa de três mensalidades pela rescisão antes do fim do prazo, parcelada em três vezes.');

INSERT INTO VeículosCancelamento (CodInterno, CodCliente, CodVeículo, StatusCancelamento, DataSolicitação,
                                  DataConfirmação, MotCanc, ValorProporcional, ValorMulta, Planílha, PlanílhaMulta,
                                  Observações) VALUES
  (1, 1063, 4, 'A', '2026-11-18 00:00:00', '2026-11-25 00:00:00', 'Veículo vendido', 41.95, 0, 880020, NULL,
   'Strada vendida; o rastreador volta para o estoque pela OS 001588.');

INSERT INTO PostosCancelamentos (CodInterno, CodCliente, CodPosto, StatusCancelamento, DataSolicitação,
                                 DataConfirmação, MotCanc, ValorProporcional, ValorMulta, Planílha, PlanílhaMulta,
                                 Observações) VALUES
  (1, 1063, 2, 'P', '2026-11-20 00:00:00', NULL, 'Encerramento da filial de Betim', 1066.67, 0, 880021, NULL,
   'Posto atendido até 30/12/2026.');

-- The fines of the carrier's vehicle and post cancellations, overdue service-order visits,
-- and the contract cases' invoices.
INSERT INTO ContasReceber (CodInterno, Empresa, Cliente, Número, Letra, Operação, Planílha, Emissão, Vencimento,
                           ValorDuplicata, Saldo, DataPagamento, ValorPago) VALUES
  (1300001, 2, 1063, 880022, '1', 'CancContr', 880022, '2026-11-25 00:00:00', '2026-12-15 00:00:00', 89.90, 89.90, NULL, 0),
  (1300002, 2, 1063, 880022, '2', 'CancContr', 880022, '2026-11-25 00:00:00', '2027-01-15 00:00:00', 89.90, 89.90, NULL, 0),
  (1300003, 2, 1063, 880023, '1', 'CancContr', 880023, '2026-11-20 00:00:00', '2027-01-20 00:00:00', 3200.00, 3200.00, NULL, 0),
  (1300004, 2, 1063, 1511, '1', 'OS', 74015, '2026-10-05 00:00:00', '2026-10-20 00:00:00', 180.00, 180.00, NULL, 0),
  (1300005, 1, 1042, 4990, '1', 'OS', 30170, '2026-11-05 00:00:00', '2026-11-20 00:00:00', 95.00, 95.00, NULL, 0),
  (1300006, 1, 1161, 9120, '1', 'FatMensal', NULL, '2026-10-26 00:00:00', '2026-11-10 00:00:00', 159.90, 159.90, NULL, 0),
  (1300007, 1, 1161, 9188, '1', 'FatMensal', NULL, '2026-11-25 00:00:00', '2026-12-10 00:00:00', 159.90, 159.90, NULL, 0),
  (1300008, 1, 1163, 8711, '1', 'FatMensal', NULL, '2026-10-21 00:00:00', '2026-11-05 00:00:00', 94.80, 0, '2026-11-05 00:00:00', 94.80);
