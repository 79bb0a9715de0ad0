-- Amendments of two more customers, for the branches the carrier's and Ana Lúcia's do not
-- take.
--
--   1201  Drogaria São Bento Ltda   bought its alarm (no loan row), contract not yet signed
--         (no Assinatura); amendment 1 (CodInterno 1400001) has no date and no originating
--         budget, and drops the tactical response: the monthly value goes down from 159,70
--         to 109,80.
--   1202  Clínica Odontológica Sorriso Pleno Ltda   rented alarm whose monthly value is all
--         loan and additional services (monitoring part zero), no contract record;
--         amendment 1 (CodInterno 1400002) adds video monitoring.

INSERT INTO Clientes (CodCliente, TipoCadastro, Nome, Fantasia, CGCCPF, InscriçãoEstadual, CodOcupação,
                      Endereço, NumCasa, ComplEndereço, Bairro, Cidade, Estado, CEP, Fone1, Celular, Email,
                      Representante, CPFRepresentante, RepresentanteEstadoCivil, Unidade, Empresa, Inclusão,
                      Vendedor, Técnico, Modalidade, TipoFaturamento, FormaPagamento, DiaVencimento, DiaVcto,
                      TempoPreventiva, MêsReajuste, TipoÍndice, ValorNF, ValorME, ValorComodato, ValorCHIP,
                      AvisaDisparo, Ativo) VALUES
  (1201, 'C', 'DROGARIA SÃO BENTO LTDA', 'Drogaria São Bento', '39.048.217/0001-07', '244.631.870.118', 1204,
   'Rua José Paulino', '1320', 'Loja 2', 'Centro', 'Campinas', 'SP', '13013-001', '(19) 3233-5170',
   '(19) 99412-7730', 'compras@drogariasaobento.com.br', 'Márcia Helena Bento', '517.203.648-26', '2',
   301, 1, '2026-02-20 00:00:00', 9010, 9003, 'V', 1, 2, 20, 20, 12, 2, 15301,
   159.70, 0, 0, 0, 1, 1),
  (1202, 'C', 'CLÍNICA ODONTOLÓGICA SORRISO PLENO LTDA', 'Sorriso Pleno', '27.153.694/0001-53', NULL, 1204,
   'Avenida Orosimbo Maia', '860', 'Sala 51', 'Vila Itapura', 'Campinas', 'SP', '13023-002', '(19) 3231-9044',
   '(19) 98126-5503', 'administrativo@sorrisopleno.odo.br', 'Renato Sousa Prado', '403.918.275-88', '2',
   301, 1, '2026-05-11 00:00:00', 9010, 9002, 'L', 1, 3, 10, 10, 6, 5, 15301,
   94.90, 0, 45.00, 0, 0, 1);

INSERT INTO ClientesServiçosAdicionais (CodInterno, CodCliente, CodServiço, Quantidade, ValorServiço,
                                        Manutenção, DataInclusão, Observações) VALUES
  (1400001, 1201, 1, 1, 49.90, 0, '2026-03-10 00:00:00', 'Atendimento em até 25 minutos'),
  (1400002, 1201, 4, 1, 9.90, 0, '2026-03-10 00:00:00', 'Enviado ao farmacêutico responsável'),
  (1400003, 1202, 1, 1, 49.90, 0, '2026-05-18 00:00:00', NULL);

-- The pharmacy's contract is waiting for its signature; the clinic has no contract record.
INSERT INTO ClientesContratos (CodInterno, CodCliente, NumContrato, Prazo, Assinatura, PrimeiroFaturamento,
                               Fone, Radio, GPRS, Internet, Satelital, TipoInternet, HoraTeste, TesteRadio,
                               Decimo, Assinado) VALUES
  (1400001, 1201, 'CT-301-2026-0093', 24, NULL, '2026-03-20 00:00:00', 1, 0, 1, 0, 0, NULL, '07:00', NULL, 0, 0);

INSERT INTO ClientesAditivos (CodInterno, CodCliente, NumAditivo, dataaditivo, Cancelado, PlaOrçamento, CodPosto,
                              ValorNF, NovoValorNF, NovoPrazo, NovoComodato, Serviço, NovoServiço, ClausulaAntiga,
                              ClausulaNova, idAceite) VALUES
  (1400001, 1201, 1, NULL, 0, NULL, NULL, 159.70, 109.80, 24, 0,
   'Monitoramento eletrônico de alarme 24 horas com pronta resposta tática e relatório de abertura e fechamento.',
   'Monitoramento eletrônico de alarme 24 horas com relatório de abertura e fechamento.',
   'CLÁUSULA 4ª - Em caso de disparo, a CONTRATADA enviará agente de pronta resposta ao local.',
   'CLÁUSULA 4ª - Em caso de disparo, a CONTRATADA avisará os contatos cadastrados pela CONTRATANTE.',
   NULL),
  (1400002, 1202, 1, '2026-12-03 00:00:00', 0, NULL, NULL, 94.90, 174.80, 12, 45.00,
   'Locação de sistema de alarme com pronta resposta tática.',
   'Locação de sistema de alarme com pronta resposta tática e vídeo monitoramento das câmeras da recepção.',
   'CLÁUSULA 2ª - Valor mensal de R$ 94,90.',
   'CLÁUSULA 2ª - Valor mensal de R$ 174,80.',
   NULL);

INSERT INTO AditivosServiçosAdicionais (CodInterno, CodAditivo, CodServiço, Quantidade, ValorServiço) VALUES
  (1400001, 1400002, 2, 1, 79.90);

INSERT INTO ClientesHistórico (CodInterno, CodCliente, CodAditivo, Data, ValorAnterior, NovoValor, ValorAnteriorME,
                               NovoValorME, ValorAnteriorComodato, NovoValorComodato, Motivo) VALUES
  (1400001, 1201, 1400001, '2026-12-01 00:00:00', 99.90, 99.90, 0, 0, 0, 0,
   'Aditivo 1 - exclusão da pronta resposta'),
  (1400002, 1202, 1400002, '2026-12-03 00:00:00', 0, 0, 0, 0, 45.00, 45.00,
   'Aditivo 1 - inclusão de vídeo monitoramento');

INSERT INTO ClientesHistóricoServiçosAdicionais (CodInterno, CodHistórico, CodServiço, Quantidadeanterior,
                                                 novaQuantidade, ValorAnterior, NovoValor) VALUES
  (1400001, 1400001, 1, 1, 0, 49.90, 0),
  (1400002, 1400001, 4, 1, 1, 9.90, 9.90),
  (1400003, 1400002, 2, 0, 1, 0, 79.90);
