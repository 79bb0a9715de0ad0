-- What the budgets need beyond their own rows: product photos, two more customers, a vehicle
-- for an ownership transfer and the rows of budgets 20101 and 20102, which bring the cases no
-- other budget has.
--
--   1130  Marcenaria Irmãos Tavares Ltda   company in Contagem (unit 740, company 2); its
--         yes/no columns were never filled in (Null)
--   1131  Cláudio Henrique Siqueira   person, sells his Fiorino (vehicle 1200001) to 1130
--
--   20101 (nº 1301) 1130 tracking of the Fiorino bought from 1131: ownership transfer with no
--                   vehicle rows, financed blocking module, an additional service given
--                   free on a unit with its own rules (TestaBrelis), old trackers withdrawn
--                   for more than R$ 1.000
--   20102 (nº 1302) 1057 rental of sensors and cameras in three groups (one with "&" in its
--                   name): the same sensor in two groups, sold items that the 36-month
--                   loyalty table prices (one through an item without TipoItem), financing,
--                   old cameras withdrawn, paid by card in ten installments

-- Product photos: the database builder writes the pictures under the demo folder (the cable
-- has none).
UPDATE Produtos SET Foto = '{{DEMO_OUT}}/Fotos/' || CodProduto || '.jpg' WHERE CodProduto <> 1011;

INSERT INTO Clientes (CodCliente, TipoCadastro, Nome, Fantasia, CGCCPF, RG, InscriçãoEstadual,
                      DataNascimento, EstadoCivil, EmpresaTrabalha, CodOcupação, Endereço, NumCasa,
                      ComplEndereço, Bairro, Cidade, Estado, CEP, Fone1, Fone2, Celular, Email,
                      Unidade, Empresa, Inclusão, Vendedor, Técnico, Área, SubÁrea, Modalidade,
                      ValorNF, Observações, Ativo) VALUES
  (1130, 'C', 'MARCENARIA IRMÃOS TAVARES LTDA', 'Marcenaria Tavares', '31.840.672/0001-39', NULL,
   '062.771.408.0012', NULL, NULL, NULL, NULL, 'Rua Uberaba', '318', 'Galpão B', 'Industrial',
   'Contagem', 'MG', '32210-060', '(31) 3391-2207', NULL, '(31) 99614-3380',
   'compras@marcenariatavares.com.br', 740, 2, '2026-11-12 00:00:00', 9020, 9021, 10, 101, 'R',
   0, 'Cadastro feito pelo vendedor na visita; dados de faturamento a completar.', NULL),
  (1131, 'C', 'Cláudio Henrique Siqueira', NULL, '574.136.208-71', 'MG-12.904.337', NULL,
   '1975-07-21 00:00:00', '2', 'Autônomo', 1201, 'Rua Tupinambás', '1042', 'Apto 501', 'Centro',
   'Belo Horizonte', 'MG', '30120-070', NULL, NULL, '(31) 99508-6612', 'claudio.siqueira@gmail.com',
   740, 2, '2025-02-03 00:00:00', 9020, 9021, 10, 101, 'R', 0,
   'Vende o Fiorino para a Marcenaria Tavares com o rastreador instalado.', 0);

INSERT INTO Prospects (CodProspect, Nome, CodCliente, Indicante, Origem, DataCadastro) VALUES
  (1200001, 'Marcenaria Tavares', 1130, 1131, 'Indicação de cliente', '2026-11-10 00:00:00');

INSERT INTO ProspectsContatos (CodContato, CodProspect, CodCliente, Nome, Função, Fone1, Fone2,
                               Celular, Email, Ativo) VALUES
  (1200001, 1200001, 1130, 'Débora Cristina Tavares', 'Sócia-gerente', '(31) 3391-2207', NULL,
   '(31) 99614-3380', 'debora@marcenariatavares.com.br', 1);

INSERT INTO GRVeículos (CodInterno, Cliente, Placa, Modelo, Ano, Cor, Combustível, Chassis, Renavam,
                        TipoVeículo, Inclusão, Ativo, Rastreador, ChipGPRS, TécnicoVeículo,
                        LocalizaçãoMódulo, Panico, Bloqueio, Bateria, Voltagem, ValorVeículo,
                        ValorSeguro, ValorAssistência, ValorBloqueio, ValorLocação, ObsVeículo) VALUES
  (1200001, 1131, 'QWE3H71', 'FIAT/FIORINO ENDURANCE 1.4', 2022, 'BRANCA', 'F', '9BD2651MHN9183406',
   '01299408175', 4503, '2025-02-10 00:00:00', 1, NULL, NULL, 9021, 'Atrás do painel de instrumentos',
   0, 1, 'Interna 3,7V 800 mAh', '12V', 129.90, 0, 29.90, 10.00, 0,
   'Transferência de titularidade para a Marcenaria Tavares');

INSERT INTO Orçamentos (Planílha, CodInterno, NumOrçamento, Unidade, Empresa, Cliente, ClienteNome, CodContato,
                        Titulo, TipoServiço, Modalidade, Status, DataAbertura, Emissão, Liberação, Vendedor,
                        Gecom, UF, TotalProdutos, Desconto, PDesconto, TotalServiços, DescontoServiços,
                        PDescontoServiços, ValorCREA, ValorFrete, ValorMonitoramento, ValorComodato,
                        PrazoContrato, MesesRetornoLocação, VeiculosQuantidade, VeiculosMensal,
                        VeículosComodato, VeículosSeguro, VeículosAssistência, FormaPagto, CondiçãoPagto,
                        VencimentoPor, NParcelas, ValorEntrada, FinanciadoMeses, FinanciadoValor,
                        CodClienteOrigemTrocaTitularidade, CodVeículoTrocaTitularidade, idAceite, Observ,
                        ObsFechamento) VALUES
  (20101, 1200101, 1301, 740, 2, 1130, 'MARCENARIA IRMÃOS TAVARES LTDA', 1200001,
   'Rastreamento do Fiorino com transferência de titularidade', 'R', 'R', 'L',
   '2026-11-18 00:00:00', '2026-11-18 00:00:00', NULL, 9020, NULL, NULL,
   79.00, 0, 0, 150.00, 0, 0, 0, 0, 89.90, 0,
   12, 12, 1, 89.90, 0, 0, 29.90, 2, 12,
   1, 3, 0, 12, 7.60, 1131, 1200001, NULL,
   'O Fiorino QWE3H71 passa do Sr. Cláudio Henrique Siqueira para a marcenaria com o rastreador já instalado. Módulo de bloqueio financiado em 12 vezes. Assistência 24 horas sem custo nos primeiros 12 meses. Os três rastreadores da frota antiga, de outra empresa, são retirados na mesma visita e devolvidos ao estoque.',
   NULL),
  (20102, 1200102, 1302, 301, 1, 1057, 'PADARIA E CONFEITARIA SANTA EDWIGES LTDA', 7002,
   'Reforço da proteção e troca do CFTV', 'C', 'L', 'L',
   '2026-11-24 00:00:00', '2026-11-24 00:00:00', '2026-11-30 00:00:00', 9010, 9011, 'SP',
   248.80, 0, 0, 180.00, 0, 0, 0, 0, 179.90, 95.00,
   36, 36, 0, 0, 0, 0, 0, 4, 14,
   1, 10, 0, 10, 24.88, NULL, NULL, NULL,
   'Sensores e câmeras cedidos em comodato; sensores magnéticos e detector de fumaça vendidos. As cinco câmeras antigas e o gravador antigo são retirados.',
   'Aprovado pelo Sr. Edson em 30/11/2026.');

INSERT INTO OrçamentosProdutos (CodInterno, Planílha, CodProduto, Descrição, GrupoOrçamento, LocalInstalação,
                                Quantidade, QtdadeSugerida, Unitário, PreçoReal, Líquido, Total, TotalLíquido,
                                CobraLocado, EntregaMatriz) VALUES
  (1200001, 20101, 1012, 'RASTREADOR GPS/4G ST4305', NULL, 'Fiorino QWE3H71', 1, 1, 389.00, 389.00, 389.00, 389.00, 389.00, 0, 0),
  (1200002, 20101, 1013, 'MÓDULO DE BLOQUEIO VEICULAR 12/24V', NULL, 'Fiorino QWE3H71', 1, 1, 79.00, 79.00, 79.00, 79.00, 79.00, 1, 0),
  (1200003, 20102, 1003, 'SENSOR INFRAVERMELHO PASSIVO IVP 3000 MW', 'SALÃO', 'Salão de vendas', 2, 2, 89.90, 89.90, 89.90, 179.80, 179.80, 0, 0),
  (1200004, 20102, 1004, 'SENSOR MAGNÉTICO DE ABERTURA XAS 4010', 'SALÃO', 'Porta de enrolar e porta lateral', 2, 2, 54.90, 59.90, 54.90, 109.80, 109.80, 1, 0),
  (1200005, 20102, 1003, 'SENSOR INFRAVERMELHO PASSIVO IVP 3000 MW', 'PRODUÇÃO', 'Produção', 1, 1, 89.90, 89.90, 89.90, 89.90, 89.90, 0, 0),
  (1200006, 20102, 1016, 'SENSOR DE FUMAÇA ÓPTICO SEM FIO', 'PRODUÇÃO', 'Forno', 1, 1, 139.00, 139.00, 139.00, 139.00, 139.00, 1, 0),
  (1200007, 20102, 1008, 'CÂMERA BULLET VHD 1220 B FULL HD', 'CFTV & GRAVAÇÃO', 'Salão, caixa, produção e estoque', 4, 4, 229.00, 229.00, 229.00, 916.00, 916.00, 0, 0),
  (1200008, 20102, 1009, 'GRAVADOR DIGITAL MHDX 1108 8 CANAIS', 'CFTV & GRAVAÇÃO', 'Escritório', 1, 1, 899.00, 899.00, 899.00, 899.00, 899.00, 0, 0);

INSERT INTO OrçamentoServiços (CodInterno, Planílha, CodServiço, Descrição, GrupoOrçamento, Quantidade, Unitário,
                               PreçoReal, Bruto, Total, TotalBruto, CobraLocado) VALUES
  (1200001, 20101, 504, 'INSTALAÇÃO DE RASTREADOR VEICULAR', NULL, 1, 150.00, 150.00, 150.00, 150.00, 150.00, 1),
  (1200002, 20102, 506, 'CONFIGURAÇÃO DE GRAVADOR E CÂMERAS', 'CFTV & GRAVAÇÃO', 1, 180.00, 180.00, 180.00, 180.00, 180.00, 1);

INSERT INTO OrçamentosServiçosAdicionais (CodInterno, Planílha, CodServiço, Quantidade, ValorServiço,
                                          DescontoTotal, Observações) VALUES
  (1200001, 20101, 7, 1, 24.90, 0, 'Fiorino QWE3H71'),
  (1200002, 20101, 6, 1, 0, 0, 'Cortesia nos 12 primeiros meses'),
  (1200003, 20102, 2, 1, 79.90, 0, 'Quatro câmeras novas com gravação em nuvem');

INSERT INTO OrçamentosProdutosRetirar (CodInterno, Planílha, CodProduto, Descrição, Quantidade, Unitário, Total) VALUES
  (1200001, 20101, 1012, 'RASTREADOR GPS/4G ST4305', 3, 389.00, 1167.00),
  (1200002, 20102, 1008, 'CÂMERA BULLET VHD 1220 B FULL HD', 5, 229.00, 1145.00),
  (1200003, 20102, 1009, 'GRAVADOR DIGITAL MHDX 1108 8 CANAIS', 1, 899.00, 899.00);
