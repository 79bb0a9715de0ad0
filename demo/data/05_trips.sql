-- The company's own cars, their drivers and trips. Trip 502 was made without a registered
-- driver.

INSERT INTO Veículos (CodVeículo, Unidade, Placa, Marca, Modelo, Ano, Cor, Combustível, Renavam, Chassi,
                      KmAtual, Ativo) VALUES
  (11, 301, 'FZK3J17', 'FIAT', 'STRADA ENDURANCE 1.4 CS', 2022, 'BRANCA', 'B', '01287345610', '9BD57814UNB112233', 48131, 1),
  (12, 301, 'GHY6D42', 'VOLKSWAGEN', 'SAVEIRO ROBUST 1.6 CS', 2021, 'PRATA', 'B', '01240018736', '9BWKB45U4MP027781', 71502, 1),
  (21, 740, 'RNB1E65', 'RENAULT', 'KANGOO E-TECH', 2023, 'BRANCA', 'E', '01339025518', '8A1FC0E15PL602214', 22377, 1);

INSERT INTO Condutores (CodCondutor, Unidade, Nome, CPF, RG, CNH, CategoriaCNH, ValidadeCNH, Fone, Ativo) VALUES
  (31, 301, 'Wellington Batista dos Santos', '781.249.036-03', '35.112.487-0', '04518832197', 'AB',
   '2028-04-17 00:00:00', '(19) 99402-7715', 1),
  (32, 301, 'Carlos Eduardo Nogueira', '459.238.117-31', '32.418.775-6', '05902217460', 'B',
   '2027-09-30 00:00:00', '(19) 99134-2287', 1),
  (41, 740, 'Wanderson Luiz Pacheco', '620.384.915-42', 'MG-17.903.441', '06233918805', 'AD',
   '2029-01-22 00:00:00', '(31) 99211-0456', 1);

INSERT INTO VeículosDeslocamentos (CodInterno, Unidade, Data, HoraSaída, HoraRetorno, Viatura, Condutor,
                                   Cliente, CodMotivo, Destino, KmSaída, KmRetorno, Observação) VALUES
  (501, 301, '2026-11-18 00:00:00', '1899-12-30 22:47:00', '1899-12-30 23:58:00', 11, 31, 1042, 6001,
   'Rua Coronel Quirino, 1187 - Cambuí', 48102, 48131,
   'Disparo na zona 3 (sala de estar) às 22h41. A cliente não atendeu às ligações da central. Na vistoria externa não havia sinais de arrombamento; a janela da sala estava aberta e a cortina balançava com o vento. O Sr. Rafael confirmou por telefone que esqueceu a janela aberta. Sistema rearmado remotamente às 23h40, com a janela fechada pelo vizinho Sr. Osvaldo.'),
  (502, 301, '2026-11-25 00:00:00', '1899-12-30 09:15:00', '1899-12-30 11:40:00', 12, NULL, 1057, 6003,
   'Avenida Doutor Heitor Penteado, 2210 - Taquaral', 71468, 71502,
   'Vistoria para o encerramento do contrato. Equipamentos do cliente permanecem no local.'),
  (503, 740, '2026-11-20 00:00:00', '1899-12-30 07:30:00', '1899-12-30 12:10:00', 21, 41, 1063, 6002,
   'Rua Itaguara, 1450 - Cidade Industrial, Contagem', 22301, 22377,
   'Conferência dos rastreadores da frota antes do aditivo.');
