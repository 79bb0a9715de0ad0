-- Contract amendments and the value history they leave.
--
--   CodInterno 1: Ana Lúcia (1042), amendment 1, from budget 20066: cameras with video
--                 monitoring; the monthly value goes from 264,70 to 389,60.
--   CodInterno 2: Ana Lúcia, amendment 2, cancelled draft.
--   CodInterno 3: the carrier (1063), amendment 1, from budget 20063: the Scania comes in,
--                 the Hilux changes owner, the Strada leaves; vehicle services change (one
--                 included, one removed, one raised, one reduced); accepted digitally with
--                 witnesses (acceptance 302).
-- More cases (a sale customer, no date, a lower value, no contract record) are in
-- 19_amendment_cases.sql.

INSERT INTO ClientesAditivos (CodInterno, CodCliente, NumAditivo, dataaditivo, Cancelado, PlaOrçamento, CodPosto,
                              ValorNF, NovoValorNF, NovoPrazo, NovoComodato, Serviço, NovoServiço, ClausulaAntiga,
                              ClausulaNova, idAceite) VALUES
  (1, 1042, 1, '2026-11-28 00:00:00', 0, 20066, NULL, 264.70, 389.60, 36, 105.00,
   'Monitoramento eletrônico de alarme 24 horas com pronta resposta tática e aplicativo de celular.',
   'Monitoramento eletrônico de alarme 24 horas e vídeo monitoramento de quatro câmeras, com pronta resposta tática e aplicativo de celular.',
   'CLÁUSULA 3ª - A CONTRATANTE pagará à CONTRATADA o valor mensal de R$ 264,70 (duzentos e sessenta e quatro reais e setenta centavos), já incluída a locação dos equipamentos no valor de R$ 60,00 (sessenta reais).',
   'CLÁUSULA 3ª - A CONTRATANTE pagará à CONTRATADA o valor mensal de R$ 389,60 (trezentos e oitenta e nove reais e sessenta centavos), já incluída a locação dos equipamentos no valor de R$ 105,00 (cento e cinco reais), a partir da instalação das câmeras.',
   NULL),
  (2, 1042, 2, '2026-12-02 00:00:00', 1, NULL, NULL, 389.60, 389.60, 36, 105.00,
   'Rascunho', 'Rascunho', NULL, NULL, NULL),
  (3, 1063, 1, '2026-11-26 00:00:00', 0, 20063, 1, 603.30, 877.10, 12, 0,
   'Rastreamento veicular de quatro veículos com bloqueio, telemetria e assistência.',
   'Rastreamento veicular de cinco veículos com bloqueio, telemetria, proteção e assistência, com a inclusão do Scania SHX2J90 e da Hilux GTR5H08 e a exclusão da Strada PXT8C19.',
   'CLÁUSULA 1ª - Objeto: rastreamento dos veículos QPD4F21, RFA2B37, HMG7E54 e PXT8C19.',
   'CLÁUSULA 1ª - Objeto: rastreamento dos veículos QPD4F21, RFA2B37, HMG7E54, SHX2J90 e GTR5H08.',
   'c7e24b18-90af-4d3e-b5a2-6f1e0d9c3a72');

INSERT INTO AditivosServiçosAdicionais (CodInterno, CodAditivo, CodServiço, Quantidade, ValorServiço) VALUES
  (1, 1, 2, 1, 79.90),
  (2, 3, 7, 1, 24.90);

INSERT INTO AditivosVeículos (CodInterno, CodAditivo, CodVeículo) VALUES
  (1, 3, 1),
  (2, 3, 2);

-- One change of each kind: included, removed, increased, reduced.
INSERT INTO AditivosVeículosServiçosAdicionais (CodInterno, CodAditivo, CodVeículo, CodServiço, ValorServiço,
                                                NovoValorServiço) VALUES
  (1, 3, 1, 5, 0, 89.00),
  (2, 3, 2, 6, 29.90, 0),
  (3, 3, 1, 7, 24.90, 29.90),
  (4, 3, 2, 5, 89.00, 79.00);

-- ValorAnterior and NovoValor are the monitoring part of the monthly value (what is left after
-- the equipment loan and the additional services, which have columns and rows of their own):
-- Ana Lúcia 264,70 = 139,90 + 60,00 + 49,90 + 14,90, and 389,60 with the loan at 105,00 and
-- the video monitoring; the carrier 603,30 = 528,60 + 74,70, and 877,10 = 777,50 + 99,60.
INSERT INTO ClientesHistórico (CodInterno, CodCliente, CodAditivo, Data, ValorAnterior, NovoValor, ValorAnteriorME,
                               NovoValorME, ValorAnteriorComodato, NovoValorComodato, Motivo) VALUES
  (1, 1042, 1, '2026-11-28 00:00:00', 139.90, 139.90, 0, 0, 60.00, 105.00, 'Aditivo 1 - inclusão de CFTV'),
  (2, 1063, 3, '2026-11-26 00:00:00', 528.60, 777.50, 0, 0, 0, 0, 'Aditivo 1 - alteração da frota');

INSERT INTO ClientesHistóricoServiçosAdicionais (CodInterno, CodHistórico, CodServiço, Quantidadeanterior,
                                                 novaQuantidade, ValorAnterior, NovoValor) VALUES
  (1, 1, 1, 1, 1, 49.90, 49.90),
  (2, 1, 3, 1, 1, 14.90, 14.90),
  (3, 1, 2, 0, 1, 0, 79.90),
  (4, 2, 7, 3, 4, 74.70, 99.60);
