-- The host application's database, as far as the library reads and writes it.
--
-- Types are written as the host declares them on SQL Server (int, smallint, bit, money,
-- float, decimal, datetime, varchar, nvarchar, char, text); the database layer reports them
-- to callers under the matching ADO type codes. On SQLite:
--   * "integer PRIMARY KEY" marks the host's identity columns (int IDENTITY on SQL Server):
--     SQLite numbers new rows itself, as the server does for AddNew.
--   * datetime values are ISO text 'YYYY-MM-DD HH:MM:SS'; a time of day alone is kept on
--     the host's zero date, '1899-12-30 HH:MM:SS'.
--   * bit is 0/1, money and float are plain numbers.
-- Column order matters: callers read many tables with "Select *", and that order becomes the
-- order of the document placeholders.

------------------------------------------------------------------------------------------
-- Units, settings and companies
------------------------------------------------------------------------------------------

CREATE TABLE Unidades (
  CodUnidade int NOT NULL PRIMARY KEY,
  Descrição varchar(60),
  Cidade varchar(50),
  Estado char(2),
  AbreOSWord bit,
  ForcaCustoSelecionadoOrc bit,
  S3Ativo bit,
  UrlAmbienteS3 nvarchar(255),
  ChaveAcessoS3 nvarchar(128),
  ChaveSecretS3 nvarchar(128)
);

-- Settings and small code lists: one row per value, grouped by CodEntidade. Unit settings
-- carry the unit in Unidade; lists shared by every unit leave it null.
CREATE TABLE DadosEntidades (
  CodInterno integer PRIMARY KEY,
  CodEntidade int NOT NULL,
  Unidade int,
  Codigo varchar(30),
  Descreve varchar(255)
);

CREATE TABLE Empresas (
  CodEmpresa int NOT NULL PRIMARY KEY,
  RazãoSocial varchar(100),
  Fantasia varchar(60),
  CGC varchar(18),
  InscriçãoEstadual varchar(20),
  InscriçãoMunicipal varchar(20),
  Endereço varchar(100),
  Bairro varchar(50),
  Município varchar(50),
  UF char(2),
  CEP varchar(9),
  Telefone varchar(20),
  Email nvarchar(100),
  Gerente varchar(60),
  CPFRespEmpresa varchar(14),
  CidadeForo varchar(50),
  Simples bit,
  PIcmsSimples float,
  PIssSimples float,
  ISS float,
  PINSS float,
  TipoArredondamentoISS smallint,
  Conciliadora int,
  FormaPagamentoPadrão int
);

CREATE TABLE ICMSEstados (
  CodInterno integer PRIMARY KEY,
  Unidade int,
  UF char(2),
  ICMSSaída float,
  ICMSEntrada float
);

CREATE TABLE FormasPagto (
  CodFormaPagto int NOT NULL PRIMARY KEY,
  FormaPagto varchar(60),
  Banco varchar(60),
  DébitoAutomático bit,
  Bloqueto bit
);

-- Installments fall Data1 ... Data12 days after the sale; Entrada 'S' makes the first one a
-- down payment.
CREATE TABLE CondiçõesPagto (
  CodCondição int NOT NULL PRIMARY KEY,
  Descrição varchar(60),
  CodFormaPagto int,
  Entrada char(1),
  Data1 smallint,
  Data2 smallint,
  Data3 smallint,
  Data4 smallint,
  Data5 smallint,
  Data6 smallint,
  Data7 smallint,
  Data8 smallint,
  Data9 smallint,
  Data10 smallint,
  Data11 smallint,
  Data12 smallint,
  JuroDiário float,
  CondInativa bit
);

CREATE TABLE TiposFaturamento (
  CodTipoFaturamento int NOT NULL PRIMARY KEY,
  TipoFaturamento varchar(60)
);

CREATE TABLE Áreas (
  CodÁrea int NOT NULL PRIMARY KEY,
  DescrÁrea varchar(60)
);

CREATE TABLE SubÁreas (
  CodSubÁrea int NOT NULL PRIMARY KEY,
  CodÁrea int,
  DescrSub varchar(60)
);

------------------------------------------------------------------------------------------
-- Products, services and prices
------------------------------------------------------------------------------------------

CREATE TABLE Produtos (
  CodProduto int NOT NULL PRIMARY KEY,
  Descriçao varchar(120),
  DescriçaoNF varchar(120),
  DescrAlternativa varchar(200),
  Aplicaçao text,
  Unidade varchar(6),
  CodFabricante varchar(30),
  CodMarca int,
  NCM varchar(10),
  SituaçãoTributária varchar(3),
  CodSituaçãoTributária varchar(3),
  CSOSN varchar(4),
  Pontos bit,
  PreçoVenda money,
  Foto nvarchar(255),
  Ativo bit
);

-- Stock per company; TipoEstoque 1 is the saleable stock whose costs budgets use.
CREATE TABLE LocalizaProdutos (
  CodInterno integer PRIMARY KEY,
  CodProduto int,
  CodEmpresa int,
  TipoEstoque smallint,
  Localização varchar(30),
  Quantidade float,
  Custo money,
  CustoGerencial money,
  CustoReposição money,
  CustoMédio money
);

CREATE TABLE ProdutosTabelas (
  CodInterno int NOT NULL PRIMARY KEY,
  Descrição varchar(60),
  UtilizaValoresProprios bit,
  UtilizaPrecoCusto bit,
  Ativo bit
);

-- TipoIndice 'V' adds ValorIndice per unit to the price; any other kind adds a percentage.
CREATE TABLE ProdutosTabelasItens (
  CodInterno integer PRIMARY KEY,
  CodTabela int,
  TipoItem char(1),
  CodProduto int,
  PrecoVenda money,
  PrecoCusto money,
  TipoIndice char(1),
  ValorIndice float
);

CREATE TABLE Serviços (
  CodServiço int NOT NULL PRIMARY KEY,
  Descrição varchar(100),
  CodTipoServiço int,
  Valor money,
  Ativo bit
);

-- Monthly services sold on top of monitoring (tactical response, video, app ...).
CREATE TABLE ServiçosAdicionais (
  CodInterno int NOT NULL PRIMARY KEY,
  Descrição varchar(100),
  Valor money,
  UnidadeGeração int,
  EmpresaGeração int,
  Ativo bit
);

------------------------------------------------------------------------------------------
-- Customers (technicians, sellers and managers are registered here too)
------------------------------------------------------------------------------------------

CREATE TABLE Clientes (
  CodCliente int NOT NULL PRIMARY KEY,
  TipoCadastro char(1),
  Nome varchar(100),
  Fantasia varchar(60),
  CGCCPF varchar(18),
  RG varchar(20),
  InscriçãoEstadual varchar(20),
  DataNascimento datetime,
  EstadoCivil varchar(2),
  EmpresaTrabalha varchar(60),
  CodOcupação int,
  Endereço varchar(100),
  NumCasa varchar(10),
  ComplEndereço varchar(50),
  Bairro varchar(50),
  Cidade varchar(50),
  Estado char(2),
  CEP varchar(9),
  EndereçoNF varchar(100),
  NumCasaNF varchar(10),
  ComplementoNF varchar(50),
  BairroNF varchar(50),
  CidadeNF varchar(50),
  EstadoNF char(2),
  CEPNF varchar(9),
  Fone1 varchar(20),
  Fone2 varchar(20),
  Celular varchar(20),
  Email nvarchar(100),
  Representante varchar(60),
  CPFRepresentante varchar(14),
  RepresentanteEstadoCivil varchar(2),
  Representante2 varchar(60),
  CPFRepresentante2 varchar(14),
  RGRepresentante2 varchar(20),
  RepresentanteEstadoCivil2 varchar(2),
  EndereçoRepresentante2 varchar(100),
  NumRepresentante2 varchar(10),
  BairroRepresentante2 varchar(50),
  CidadeRepresentante2 varchar(50),
  EstadoRepresentante2 char(2),
  Unidade int,
  Empresa int,
  Inclusão datetime,
  Vendedor int,
  Técnico int,
  CodCadastroMatriz int,
  Área int,
  SubÁrea int,
  FantasiaSigma varchar(60),
  MoniDataCadastro datetime,
  NívelSegurança smallint,
  AvisaDisparo bit,
  SigmaLocalizaPainel text,
  ObservaçãoSIGMA text,
  SenhaOnLine nvarchar(30),
  Modalidade char(1),
  OrçamentoOrigem int,
  TipoFaturamento int,
  FormaPagamento int,
  DiaVencimento smallint,
  DiaVcto smallint,
  TempoPreventiva smallint,
  MêsReajuste smallint,
  TipoÍndice int,
  ValorNF money,
  ValorME money,
  ValorComodato money,
  ValorCHIP money,
  Combustível char(1),
  ManterISS bit,
  DISS bit,
  BaseISS varchar(15),
  ISS float,
  DINSS bit,
  BaseINSS varchar(15),
  INSS float,
  DIRPF bit,
  BaseIRPF varchar(15),
  IRPF float,
  DPIS bit,
  BasePIS varchar(15),
  PIS float,
  DCOFINS bit,
  BaseCOFINS varchar(15),
  COFINS float,
  DCSLL bit,
  BaseCSLL varchar(15),
  CSLL float,
  Observações text,
  Ativo bit
);

CREATE TABLE ClientesEndereços (
  CodInterno integer PRIMARY KEY,
  CodCliente int,
  Descrição varchar(60),
  Endereço varchar(100),
  NumCasa varchar(10),
  Complemento varchar(50),
  Bairro varchar(50),
  Cidade varchar(50),
  Estado char(2),
  CEP varchar(9)
);

-- Users (Tipo 'U') and emergency contacts (Tipo 'C') of a monitoring account (Chave).
CREATE TABLE ClientesAcesso (
  CodInterno integer PRIMARY KEY,
  CodCliente int,
  Chave varchar(10),
  Tipo char(1),
  Acesso varchar(10),
  Nome varchar(60),
  Função varchar(40),
  Fone1 varchar(20),
  Fone2 varchar(20)
);

-- Zones and events of a monitoring account; Evento is the zone number or an event code.
CREATE TABLE ClientesEventos (
  CodInterno integer PRIMARY KEY,
  CodCliente int,
  Chave varchar(10),
  Evento varchar(10),
  Descrição varchar(60),
  DescProduto varchar(60),
  TipoSensor varchar(30)
);

CREATE TABLE ClientesServiçosAdicionais (
  CodInterno integer PRIMARY KEY,
  CodCliente int,
  CodServiço int,
  Quantidade float,
  ValorServiço money,
  Manutenção bit,
  DataInclusão datetime,
  Observações varchar(200)
);

CREATE TABLE ClientesServiçosAdicionaisExcluídos (
  CodInterno integer PRIMARY KEY,
  CodCliente int,
  CodServiço int,
  ValorServiço money,
  DataExclusão datetime,
  Motivo varchar(100)
);

CREATE TABLE ClientesContratos (
  CodInterno integer PRIMARY KEY,
  CodCliente int,
  NumContrato varchar(20),
  Prazo smallint,
  Assinatura datetime,
  PrimeiroFaturamento datetime,
  Fone bit,
  Radio bit,
  GPRS bit,
  Internet bit,
  Satelital bit,
  TipoInternet varchar(40),
  HoraTeste varchar(5),
  TesteRadio smallint,
  Decimo bit,
  Assinado bit
);

-- StatusCancelamento: 'P' requested, 'A' confirmed, 'C' withdrawn. Planílha and
-- PlanílhaMulta name the receivables of the proportional month and of the fine.
CREATE TABLE ClientesCancelamentos (
  CodInterno integer PRIMARY KEY,
  CodCliente int,
  StatusCancelamento char(1),
  DataSolicitação datetime,
  DataConfirmação datetime,
  MotCanc varchar(100),
  ValorProporcional money,
  ValorMulta money,
  Planílha int,
  PlanílhaMulta int,
  Observações text
);

CREATE TABLE VeículosCancelamento (
  CodInterno integer PRIMARY KEY,
  CodCliente int,
  CodVeículo int,
  StatusCancelamento char(1),
  DataSolicitação datetime,
  DataConfirmação datetime,
  MotCanc varchar(100),
  ValorProporcional money,
  ValorMulta money,
  Planílha int,
  PlanílhaMulta int,
  Observações text
);

CREATE TABLE PostosCancelamentos (
  CodInterno integer PRIMARY KEY,
  CodCliente int,
  CodPosto int,
  StatusCancelamento char(1),
  DataSolicitação datetime,
  DataConfirmação datetime,
  MotCanc varchar(100),
  ValorProporcional money,
  ValorMulta money,
  Planílha int,
  PlanílhaMulta int,
  Observações text
);

-- Guard posts of a customer and the services staffed at each.
CREATE TABLE ClientesPostos (
  CodInterno integer PRIMARY KEY,
  CodCliente int,
  Identificação varchar(60),
  Endereço varchar(100),
  Bairro varchar(50),
  Cidade varchar(50),
  Estado char(2),
  ValorMensal money,
  DataInício datetime,
  Observações text
);

CREATE TABLE ClientesPostosServiços (
  CodInterno integer PRIMARY KEY,
  CodPosto int,
  Descrição varchar(100),
  Quantidade float,
  ValorUnitário money,
  ValorTotal money,
  DataInicial datetime,
  DataFinal datetime,
  Observações varchar(200)
);

CREATE TABLE ClientesBonificações (
  CodInterno integer PRIMARY KEY,
  CodCliente int,
  Data datetime,
  ValorDespesa money,
  BonificaIntegral bit,
  Faturada bit,
  Observações varchar(200)
);

-- Receivables. Operação tells where they come from: 'FatMensal' monthly billing,
-- 'OS' a service order, 'CancContr' a cancellation fine or proportional month.
CREATE TABLE ContasReceber (
  CodInterno integer PRIMARY KEY,
  Empresa int,
  Cliente int,
  Número int,
  Letra varchar(3),
  Operação varchar(12),
  Planílha int,
  Emissão datetime,
  Vencimento datetime,
  ValorDuplicata money,
  Saldo money,
  DataPagamento datetime,
  ValorPago money
);

CREATE TABLE ContasDébito (
  CodInterno integer PRIMARY KEY,
  Cliente int,
  Banco varchar(60),
  Agência varchar(10),
  Conta varchar(20),
  Ativo bit
);

CREATE TABLE SubContas (
  CodInterno integer PRIMARY KEY,
  CodCliente int,
  SubConta varchar(10),
  Descrição varchar(60),
  Ativo bit
);

-- Leads; a customer keeps the prospect it came from and who referred it.
CREATE TABLE Prospects (
  CodProspect int NOT NULL PRIMARY KEY,
  Nome varchar(100),
  CodCliente int,
  Indicante int,
  Origem varchar(40),
  DataCadastro datetime
);

CREATE TABLE ProspectsContatos (
  CodContato int NOT NULL PRIMARY KEY,
  CodProspect int,
  CodCliente int,
  Nome varchar(60),
  Função varchar(40),
  Fone1 varchar(20),
  Fone2 varchar(20),
  Celular varchar(20),
  Email nvarchar(100),
  Ativo bit
);

-- Equipment balance per customer, product and kind, rebuilt by the document generators.
CREATE TABLE TempProdutosCliente (
  CodInterno integer PRIMARY KEY,
  Cliente int,
  CodProduto int,
  Descrição varchar(120),
  Tipo varchar(20),
  Quantidade float,
  Custo money
);

-- Manual corrections of the balance; Modalidade V, L, E, G, B, I or M names the kind.
CREATE TABLE CorrigeLocados (
  CodInterno integer PRIMARY KEY,
  CodCliente int,
  CodProduto int,
  Data datetime,
  Modalidade char(1),
  Quantidade float,
  Observações varchar(200)
);

------------------------------------------------------------------------------------------
-- Tracking: customer vehicles, trackers and SIM chips
------------------------------------------------------------------------------------------

CREATE TABLE GRRastreador (
  CodInterno integer PRIMARY KEY,
  IDChip varchar(20),
  IDVersão varchar(10),
  Modelo varchar(40),
  Situação char(1),
  DataCompra datetime
);

CREATE TABLE GRChip (
  CodInterno integer PRIMARY KEY,
  Operadora int,
  DDD varchar(3),
  Linha varchar(10),
  Serial varchar(22),
  Plano varchar(40),
  Situação char(1)
);

CREATE TABLE GRVeículos (
  CodInterno integer PRIMARY KEY,
  Cliente int,
  Placa varchar(8),
  Modelo varchar(60),
  Ano smallint,
  Cor varchar(20),
  Combustível char(1),
  Chassis varchar(20),
  Renavam varchar(11),
  TipoVeículo int,
  Inclusão datetime,
  Ativo bit,
  Rastreador int,
  ChipGPRS int,
  TécnicoVeículo int,
  LocalizaçãoMódulo varchar(100),
  Panico bit,
  Bloqueio smallint,
  Bateria varchar(20),
  Voltagem varchar(10),
  ValorVeículo money,
  ValorSeguro money,
  ValorAssistência money,
  ValorBloqueio money,
  ValorLocação money,
  ObsVeículo text
);

CREATE TABLE GRVeículosRastreador (
  CodInterno integer PRIMARY KEY,
  CodVeículo int,
  CodRastreador int,
  DataInstalação datetime
);

CREATE TABLE GRVeículosChip (
  CodInterno integer PRIMARY KEY,
  CodVeículo int,
  CodChip int,
  DataInstalação datetime
);

CREATE TABLE GRVeículosServiçosAdicionais (
  CodInterno integer PRIMARY KEY,
  CodVeículo int,
  CodServiço int,
  ValorServiço money,
  DataInclusão datetime
);

-- Chips linked to a customer; FaturaLote bills them together on the customer's invoice.
CREATE TABLE ClientesChip (
  CodInterno integer PRIMARY KEY,
  CodCliente int,
  CodChip int,
  FaturaLote bit,
  DataInclusão datetime
);

------------------------------------------------------------------------------------------
-- Own fleet and trips
------------------------------------------------------------------------------------------

CREATE TABLE Veículos (
  CodVeículo int NOT NULL PRIMARY KEY,
  Unidade int,
  Placa varchar(8),
  Marca varchar(30),
  Modelo varchar(60),
  Ano smallint,
  Cor varchar(20),
  Combustível char(1),
  Renavam varchar(11),
  Chassi varchar(20),
  KmAtual int,
  Ativo bit
);

CREATE TABLE Condutores (
  CodCondutor int NOT NULL PRIMARY KEY,
  Unidade int,
  Nome varchar(60),
  CPF varchar(14),
  RG varchar(20),
  CNH varchar(11),
  CategoriaCNH varchar(3),
  ValidadeCNH datetime,
  Fone varchar(20),
  Ativo bit
);

CREATE TABLE VeículosDeslocamentos (
  CodInterno integer PRIMARY KEY,
  Unidade int,
  Data datetime,
  HoraSaída datetime,
  HoraRetorno datetime,
  Viatura int,
  Condutor int,
  Cliente int,
  CodMotivo int,
  Destino varchar(100),
  KmSaída int,
  KmRetorno int,
  Observação text
);

------------------------------------------------------------------------------------------
-- Service orders
------------------------------------------------------------------------------------------

-- Status: 'A' open, 'B' executed and waiting to be closed, 'F' closed, 'C' cancelled.
-- Tipo is one of the order kinds of setting 52. HoraAgenda is a time on the zero date.
CREATE TABLE OSs (
  Planílha int NOT NULL PRIMARY KEY,
  CodInterno int NOT NULL UNIQUE,
  Ordem int,
  Unidade int,
  Empresa int,
  Cliente int,
  CodEndereço int,
  Tipo char(1),
  Status char(1),
  Prioridade char(1),
  Modalidade char(1),
  DataAbertura datetime,
  Agendada bit,
  DataAgenda datetime,
  HoraAgenda datetime,
  DataEntrega datetime,
  DataFechamento datetime,
  Técnico int,
  Vendedor int,
  Solicitante varchar(60),
  CodVeículo int,
  EmpresaSigma varchar(10),
  CentralSIGMA varchar(10),
  Partição varchar(3),
  CodCheckList int,
  CodTabela int,
  OrdemProdutos smallint,
  TotalProdutos money,
  Desconto money,
  PDesconto float,
  TotalServiços money,
  DescontoServiços money,
  PDescontoServiços float,
  ValorCREA money,
  FechamentoFormaPagto int,
  FechamentoCondiçãoPagto int,
  Observações text,
  ObservaçõesFechamento text
);

-- Motivo tells why an uncharged product went to the customer (Locado, Garantia ...).
CREATE TABLE OSProdutos (
  CodInterno integer PRIMARY KEY,
  Planílha int,
  CodProduto int,
  Descrição varchar(120),
  Quantidade float,
  Unitário money,
  Desconto money,
  Liquido money,
  TotalLiquido money,
  Custo money,
  CobraCliente bit,
  Motivo varchar(20)
);

CREATE TABLE OSProdutosRetirar (
  CodInterno integer PRIMARY KEY,
  Planílha int,
  CodProduto int,
  Descrição varchar(120),
  Quantidade float,
  Entregue float,
  Motivo varchar(20),
  Observações varchar(200)
);

CREATE TABLE OSServiços (
  CodInterno integer PRIMARY KEY,
  Planílha int,
  CodServiço int,
  Descrição varchar(100),
  Quantidade float,
  Unitário money,
  Desconto money,
  Total money,
  TotalBruto money,
  CobraCliente bit
);

-- Visits; TipoAtendimento 'D' marks a travel record, not a visit.
CREATE TABLE OSAtendimentos (
  CodInterno integer PRIMARY KEY,
  Planílha int,
  Data datetime,
  HoraInicial datetime,
  HoraFinal datetime,
  Técnico int,
  MobileResponsável varchar(60),
  TipoAtendimento char(1),
  Observações text
);

CREATE TABLE OSsTécnicosAuxiliares (
  CodInterno integer PRIMARY KEY,
  Planílha int,
  Técnico int
);

-- Budgets brought into an order (TipoItem 'I').
CREATE TABLE OSImportação (
  CodInterno integer PRIMARY KEY,
  PlanílhaOS int,
  PlanílhaOrçamento int,
  TipoItem char(1)
);

CREATE TABLE OSVeículos (
  CodInterno integer PRIMARY KEY,
  Planílha int,
  CodVeículo int,
  Placa varchar(8),
  id varchar(20),
  Modelo varchar(60),
  Ano smallint,
  Cor varchar(20),
  Combustível char(1),
  Chassis varchar(20),
  Renavam varchar(11),
  LocalizaçãoMódulo varchar(100)
);

CREATE TABLE OSVeículosRastreador (
  CodInterno integer PRIMARY KEY,
  CodVeículo int,
  CodRastreador int
);

CREATE TABLE OSVeículosChip (
  CodInterno integer PRIMARY KEY,
  CodVeículo int,
  CodChip int
);

CREATE TABLE OSVeículosRetirar (
  CodInterno integer PRIMARY KEY,
  Planílha int,
  CodVeículo int
);

CREATE TABLE OSCheckLists (
  CodCheckList int NOT NULL PRIMARY KEY,
  Descrição varchar(60)
);

CREATE TABLE OSCheckListsPerguntas (
  CodInterno integer PRIMARY KEY,
  CodCheckList int,
  Pergunta varchar(200),
  Descritiva bit
);

------------------------------------------------------------------------------------------
-- Budgets
------------------------------------------------------------------------------------------

-- Modalidade: 'V' sale, 'L' rental, 'R' vehicle tracking. Status: 'A' being written,
-- 'P' waiting for the customer, 'L' approved, 'C' cancelled. TipoServiço is a code of
-- setting 249.
CREATE TABLE Orçamentos (
  Planílha int NOT NULL PRIMARY KEY,
  CodInterno int NOT NULL UNIQUE,
  NumOrçamento int,
  Unidade int,
  Empresa int,
  Cliente int,
  ClienteNome varchar(100),
  CodContato int,
  Titulo varchar(100),
  TipoServiço varchar(2),
  Modalidade char(1),
  Status char(1),
  DataAbertura datetime,
  Emissão datetime,
  Liberação datetime,
  Vendedor int,
  Gecom int,
  UF char(2),
  TotalProdutos money,
  Desconto money,
  PDesconto float,
  TotalServiços money,
  DescontoServiços money,
  PDescontoServiços float,
  ValorCREA money,
  ValorFrete money,
  ValorMonitoramento money,
  ValorComodato money,
  PrazoContrato smallint,
  MesesRetornoLocação smallint,
  VeiculosQuantidade smallint,
  VeiculosMensal money,
  VeículosComodato money,
  VeículosSeguro money,
  VeículosAssistência money,
  FormaPagto int,
  CondiçãoPagto int,
  VencimentoPor smallint,
  NParcelas smallint,
  ValorEntrada money,
  FinanciadoMeses smallint,
  FinanciadoValor money,
  CodClienteOrigemTrocaTitularidade int,
  CodVeículoTrocaTitularidade int,
  idAceite varchar(40),
  Observ text,
  ObsFechamento text
);

CREATE TABLE OrçamentosProdutos (
  CodInterno integer PRIMARY KEY,
  Planílha int,
  CodProduto int,
  Descrição varchar(120),
  GrupoOrçamento varchar(40),
  LocalInstalação varchar(60),
  Quantidade float,
  QtdadeSugerida float,
  Unitário money,
  PreçoReal money,
  Líquido money,
  Total money,
  TotalLíquido money,
  CobraLocado bit,
  EntregaMatriz bit
);

CREATE TABLE OrçamentoServiços (
  CodInterno integer PRIMARY KEY,
  Planílha int,
  CodServiço int,
  Descrição varchar(100),
  GrupoOrçamento varchar(40),
  Quantidade float,
  Unitário money,
  PreçoReal money,
  Bruto money,
  Total money,
  TotalBruto money,
  CobraLocado bit
);

CREATE TABLE OrçamentosServiçosAdicionais (
  CodInterno integer PRIMARY KEY,
  Planílha int,
  CodServiço int,
  Quantidade float,
  ValorServiço money,
  DescontoTotal money,
  Observações varchar(200)
);

CREATE TABLE OrçamentosProdutosRetirar (
  CodInterno integer PRIMARY KEY,
  Planílha int,
  CodProduto int,
  Descrição varchar(120),
  Quantidade float,
  Unitário money,
  Total money
);

CREATE TABLE OrçamentosCondições (
  CodInterno integer PRIMARY KEY,
  Planílha int,
  Condição int
);

-- Vehicles a budget brings in; CodVeículo names the registered vehicle when there is one.
CREATE TABLE OrçamentosVeículos (
  CodInterno integer PRIMARY KEY,
  Planílha int,
  CodVeículo int,
  TipoVeículo int,
  Placa varchar(8),
  Modelo varchar(60),
  Ano smallint,
  Cor varchar(20),
  Combustível char(1),
  Chassis varchar(20),
  Renavam varchar(11),
  Bloqueio smallint,
  Bateria varchar(20),
  Habilitação varchar(11),
  ValorRastreamento money,
  ValorSeguro money,
  ValorAssistência money,
  ValorBloqueio money,
  ValorLocação money,
  Observações varchar(200)
);

CREATE TABLE OrçamentosVeículosServiçosAdicionais (
  CodInterno integer PRIMARY KEY,
  Planílha int,
  CodVeículoOrc int,
  CodServiço int,
  DescrAlternativa varchar(100),
  ValorServiço money
);

CREATE TABLE OrçamentosVeículosRetirar (
  CodInterno integer PRIMARY KEY,
  Planílha int,
  CodVeículo int
);

------------------------------------------------------------------------------------------
-- Digital acceptance of budgets, contracts and amendments
------------------------------------------------------------------------------------------

CREATE TABLE AceiteDigital (
  Ace_Codigo integer PRIMARY KEY,
  Ace_Link varchar(40),
  Ace_Tipo varchar(20),
  Ace_Planilha int,
  Ace_NomeAssinante varchar(100),
  Ace_CPFAssinante varchar(14),
  Ace_EmailAssinante nvarchar(100),
  Ace_DataEnvio datetime,
  Ace_DataAceite datetime,
  Ace_IP varchar(45),
  Ace_Status char(1)
);

CREATE TABLE AceiteDigitalEventos (
  AceEve_Codigo integer PRIMARY KEY,
  Ace_Codigo int,
  AceEve_Data datetime,
  AceEve_Descricao varchar(200),
  AceEve_IP varchar(45)
);

-- TipoTestemunha 1 is the second signer, 2 and 3 the two witnesses.
CREATE TABLE AceiteDigitalEnvioTestemunha (
  CodInterno integer PRIMARY KEY,
  AceiteCodigo int,
  TipoTestemunha smallint,
  NomeInformado varchar(100),
  CPFInformado varchar(14),
  EmailInformado nvarchar(100),
  DataHoraAceite datetime
);

------------------------------------------------------------------------------------------
-- Contract amendments
------------------------------------------------------------------------------------------

CREATE TABLE ClientesAditivos (
  CodInterno integer PRIMARY KEY,
  CodCliente int,
  NumAditivo int,
  dataaditivo datetime,
  Cancelado bit,
  PlaOrçamento int,
  CodPosto int,
  ValorNF money,
  NovoValorNF money,
  NovoPrazo smallint,
  NovoComodato money,
  Serviço text,
  NovoServiço text,
  ClausulaAntiga text,
  ClausulaNova text,
  idAceite varchar(40)
);

CREATE TABLE AditivosServiçosAdicionais (
  CodInterno integer PRIMARY KEY,
  CodAditivo int,
  CodServiço int,
  Quantidade float,
  ValorServiço money
);

CREATE TABLE AditivosVeículos (
  CodInterno integer PRIMARY KEY,
  CodAditivo int,
  CodVeículo int
);

CREATE TABLE AditivosVeículosServiçosAdicionais (
  CodInterno integer PRIMARY KEY,
  CodAditivo int,
  CodVeículo int,
  CodServiço int,
  ValorServiço money,
  NovoValorServiço money
);

-- Values of the contract before and after each amendment.
CREATE TABLE ClientesHistórico (
  CodInterno integer PRIMARY KEY,
  CodCliente int,
  CodAditivo int,
  Data datetime,
  ValorAnterior money,
  NovoValor money,
  ValorAnteriorME money,
  NovoValorME money,
  ValorAnteriorComodato money,
  NovoValorComodato money,
  Motivo varchar(100)
);

CREATE TABLE ClientesHistóricoServiçosAdicionais (
  CodInterno integer PRIMARY KEY,
  CodHistórico int,
  CodServiço int,
  Quantidadeanterior float,
  novaQuantidade float,
  ValorAnterior money,
  NovoValor money
);
