// Every SQL text the generators and business functions issue, with the demo database's keys
// in place of their variable parts, run through the database layer on the demo database:
// each must run, return at least the rows the demo data hold for it, and hand back the
// columns its callers read with the ADO types a SQL Server host reports.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/convert.h"
#include "core/format.h"
#include "platform/db/db.h"
#include "testing/testing.h"

namespace orvane::db {
namespace {

using orvane::testing::TempDir;
using A = AdoType;

struct Col {
  const char* name;  // nullptr: the first (unnamed) column
  AdoType type;
};

struct Query {
  const char* use;
  std::string sql;
  std::vector<Col> columns;
  int min_rows = 1;
};

// The texts the domain aggregates build (Dlookup and DMin ... DCount).
std::string lookup(const std::string& field, const std::string& table, const std::string& filter) {
  std::string sql = "Select Top 1 " + field;
  if (!table.empty()) sql += " From " + table;
  if (!table.empty() && table.find_first_of(" ,") == std::string::npos &&
      table.find("Join") == std::string::npos)
    sql += " With (NoLock) ";
  if (!filter.empty()) sql += " Where " + filter;
  return sql;
}
std::string aggregate(const std::string& fn, const std::string& field, const std::string& table,
                      const std::string& filter) {
  std::string sql = "Select " + fn + "(" + field + ") From " + table;
  if (table.find_first_of(" ,") == std::string::npos && table.find("Join") == std::string::npos)
    sql += " With (NoLock) ";
  if (!filter.empty()) sql += " Where " + filter;
  return sql;
}

const std::string kCompanyColumns =
    "SELECT CodEmpresa, RazãoSocial, Fantasia, CGC, InscriçãoEstadual, Endereço, Bairro, "
    "Município, Uf, Telefone, CEP, Gerente, InscriçãoMunicipal, Email, Case "
    "Isnull(CidadeForo,'') When '' Then Município Else CidadeForo End As CidadeForo From "
    "Empresas Where CodEmpresa=";
const std::string kApproved = "Status<>'C' And Status<>'A' and  Status<>'P'";
const std::string kDateOrder =
    " Order By Entrada Desc, Data1, Data2, Data3, Data4, Data5, Data6, Data7, Data8, Data9, "
    "Data10, Data11, Data12";
const std::string kGroupCase =
    "Case Isnull(GrupoOrçamento,'') When '' Then 'OUTROS' Else Isnull(GrupoOrçamento,'') End";
const std::string kProductGroupCase =
    "Case Isnull(OrçamentosProdutos.GrupoOrçamento,'') When '' Then 'OUTROS' Else "
    "rtrim(Isnull(OrçamentosProdutos.GrupoOrçamento,'')) End";
const std::string kVehicleMonthly =
    "Isnull(ValorRastreamento,0)+Isnull(ValorSeguro,0)+Isnull(ValorAssistência,0)+"
    "Isnull(ValorBloqueio,0)+Isnull(ValorLocação,0) + Isnull((Select Sum(ValorServiço) From "
    "OrçamentosVeículosServiçosAdicionais Where Planílha=OrçamentosVeículos.Planílha And "
    "CodVeículoOrc=OrçamentosVeículos.CodInterno),0) As ValorVeículo";

std::string budget_lines(const std::string& planilha, bool sale) {
  std::string unit_real =
      sale ? "Case When Isnull(PreçoReal,0)>Unitário Then Isnull(PreçoReal,0) Else Unitário End "
           : "Case Isnull(OrçamentosProdutos.CobraLocado,0) When 0 Then 0 Else Case When "
             "Isnull(PreçoReal,0)>Unitário Then Isnull(PreçoReal,0) Else Unitário End End ";
  return "Select OrçamentosProdutos.*, Produtos.SituaçãoTributária As ST, "
         "Produtos.CodSituaçãoTributária As CST, Produtos.CSOSN, Produtos.NCM, "
         "Produtos.DescriçaoNF, Produtos.CodFabricante, Produtos.Unidade, " +
         kProductGroupCase + " As GrupoOrçamento, " + unit_real + " As UnitReal " +
         "From OrçamentosProdutos Inner Join Produtos On "
         "OrçamentosProdutos.CodProduto=Produtos.CodProduto Where Isnull(Quantidade,0)<>0 And "
         "Planílha=" +
         planilha + " Order By " + kProductGroupCase + ", OrçamentosProdutos.CodInterno";
}

std::string earlier_orders(int variant) {
  const std::string where = " Where Status<>'C' And Cliente=1042 And CodInterno<5034";
  const std::string order = " Order By DataAbertura Desc";
  switch (variant) {
    case 4:
      return "SELECT Top 3 OSs.Ordem, OSs.DataAbertura, DataAgenda+HoraAgenda+2 As DataAgenda, "
             "DataFechamento, OSs.Observações, OSs.ObservaçõesFechamento, Clientes.Nome As "
             "Tecnico FROM OSs Inner Join Clientes On OSs.Técnico=Clientes.CodCliente" +
             where + order;
    case 2:
      return "SELECT Top 3 OSs.Ordem, OSs.DataAbertura, OSs.Observações FROM OSs" + where + order;
    case 3:
      return "SELECT Top 3 OSs.Ordem, OSs.DataAbertura, OSs.Observações, "
             "OSs.ObservaçõesFechamento, Clientes.Nome FROM OSs Inner Join Clientes On "
             "OSs.Técnico=Clientes.CodCliente" +
             where + " And CentralSigma='2231' And Partição='001'" + order;
    default:
      return "SELECT Top 3 OSs.Ordem, OSs.DataAbertura, OSs.Observações, "
             "OSs.ObservaçõesFechamento, Clientes.Nome FROM OSs Inner Join Clientes On "
             "OSs.Técnico=Clientes.CodCliente" +
             where + order;
  }
}

std::string price_tables(const std::string& planilha, bool rental) {
  auto table = [](const char* n, const char* code) {
    return std::string("Left Join (Select CodProduto, TipoIndice As TPIndice") + n +
           ", ValorIndice As VlrIndice" + n +
           " From ProdutosTabelasItens Where Isnull(ProdutosTabelasItens.TipoItem,'P')='P' And "
           "CodTabela=" +
           code + ") Tabela" + n + " On Tabela" + n + ".CodProduto=OrçamentosProdutos.CodProduto ";
  };
  auto sum = [](const char* n) {
    return std::string("Sum(Round(Case Isnull(TpIndice") + n +
           ",'V') When 'V' Then (Líquido+Isnull(VlrIndice" + n +
           ",0))*Quantidade Else (Líquido+(Líquido*Isnull(VlrIndice" + n +
           ",0)/100))*Quantidade End,2)) As Valor" + n;
  };
  return "Select " + sum("24") + ", " + sum("36") + " From OrçamentosProdutos " +
         table("24", "23") + table("36", "24") + "Where Planílha = " + planilha +
         (rental ? " And Isnull(CobraLocado,0)<>0" : "");
}

std::string services_history(const std::string& customer, const std::string& monthly,
                             const std::string& rental) {
  std::string sql =
      "Select CodServiço, (Select Descrição From ServiçosAdicionais Where "
      "ServiçosAdicionais.CodInterno=ClientesServiçosAdicionais.CodServiço) As Serviço, "
      "ValorServiço, Quantidade From ClientesServiçosAdicionais Where CodCliente=" +
      customer + "Union All Select -1 As CodInterno, '**MONITORAMENTO MENSAL' As Descrição, " +
      monthly + " As ValorServiço, 1 As Quantidade ";
  if (!rental.empty())
    sql += "Union All Select -2 As CodInterno, '*LOCAÇÃO/COMODATO' As Descrição, " + rental +
           " As ValorServiço, 1 As Quantidade ";
  return sql + " Order By Serviço";
}

std::vector<Query> corpus() {
  std::vector<Query> q;
  auto add = [&](const char* use, std::string sql, std::vector<Col> cols, int rows = 1) {
    q.push_back({use, std::move(sql), std::move(cols), rows});
  };
  auto setting = [&](const char* use, const std::string& field, const std::string& filter,
                     AdoType t) {
    add(use, lookup(field, "DadosEntidades", filter), {{nullptr, t}});
  };

  // ---- every generator: unit folder, storage switch, unit file storage ----------------
  setting("unit document folder", "Descreve", "CodEntidade=76 And Unidade=301", A::VarChar);
  setting("unit file folder", "Descreve", "Unidade=740 And CodEntidade=87", A::VarChar);
  for (const char* f : {"S3Ativo", "AbreOSWord", "ForcaCustoSelecionadoOrc"})
    add("unit switches", lookup(f, "Unidades", "CodUnidade=301"), {{nullptr, A::Boolean}});
  for (const char* f : {"UrlAmbienteS3", "ChaveAcessoS3", "ChaveSecretS3"})
    add("object store", lookup(f, "Unidades", "CodUnidade=740"), {{nullptr, A::VarWChar}});
  add("bare expression", lookup("1", "", ""), {{nullptr, A::Integer}});

  // ---- trip sheet ------------------------------------------------------------------------
  for (const char* trip : {"501", "502"})
    add("trip sheet: trip",
        std::string("Select *, ") +
            "Isnull((Select Nome From Clientes Where CodCliente=VeículosDeslocamentos.Cliente),'') "
            "As NomeCliente, " +
            "(Select Rtrim(Isnull(Descreve,'')) From DadosEntidades Where "
            "CodInterno=VeículosDeslocamentos.CodMotivo) As DescMotivo " +
            "From VeículosDeslocamentos " + "Where CodInterno=" + trip,
        {{"CodInterno", A::Integer},
         {"Data", A::DBTimeStamp},
         {"HoraSaída", A::DBTimeStamp},
         {"Viatura", A::Integer},
         {"Condutor", A::Integer},
         {"Observação", A::LongVarChar},
         {"NomeCliente", A::VarChar},
         {"DescMotivo", A::VarChar}});
  add("trip sheet: vehicle", "Select * From Veículos Where CodVeículo=11",
      {{"Placa", A::VarChar}, {"Ano", A::SmallInt}, {"Combustível", A::Char}});
  add("trip sheet: driver", "SELECT * From Condutores Where CodCondutor=31",
      {{"Nome", A::VarChar}, {"ValidadeCNH", A::DBTimeStamp}, {"Ativo", A::Boolean}});

  // ---- service order ---------------------------------------------------------------------
  add("order", "Select * From OSs Where Planílha=30188",
      {{"Planílha", A::Integer},
       {"CodInterno", A::Integer},
       {"Cliente", A::Integer},
       {"Empresa", A::Integer},
       {"CodTabela", A::Integer},
       {"CodEndereço", A::Integer},
       {"ObservaçõesFechamento", A::LongVarChar},
       {"Observações", A::LongVarChar},
       {"EmpresaSigma", A::VarChar},
       {"Modalidade", A::Char},
       {"Agendada", A::Boolean},
       {"DataAgenda", A::DBTimeStamp},
       {"HoraAgenda", A::DBTimeStamp},
       {"DataEntrega", A::DBTimeStamp},
       {"Prioridade", A::Char},
       {"TotalProdutos", A::Currency},
       {"TotalServiços", A::Currency},
       {"Tipo", A::Char},
       {"DataAbertura", A::DBTimeStamp},
       {"Técnico", A::Integer},
       {"Vendedor", A::Integer},
       {"Desconto", A::Currency},
       {"DescontoServiços", A::Currency},
       {"PDesconto", A::Double},
       {"PDescontoServiços", A::Double},
       {"FechamentoFormaPagto", A::Integer},
       {"FechamentoCondiçãoPagto", A::Integer},
       {"ValorCREA", A::Currency},
       {"CodVeículo", A::Integer},
       {"CentralSIGMA", A::VarChar},
       {"Partição", A::VarChar},
       {"OrdemProdutos", A::SmallInt},
       {"CodCheckList", A::Integer},
       {"Status", A::Char}});
  add("order: customer", "Select * From Clientes Where CodCliente=1042",
      {{"CodCliente", A::Integer},
       {"Nome", A::VarChar},
       {"ObservaçãoSIGMA", A::LongVarChar},
       {"SigmaLocalizaPainel", A::LongVarChar},
       {"FantasiaSigma", A::VarChar},
       {"Técnico", A::Integer},
       {"CodOcupação", A::Integer},
       {"NívelSegurança", A::SmallInt},
       {"Área", A::Integer},
       {"SubÁrea", A::Integer},
       {"TipoFaturamento", A::Integer},
       {"ValorComodato", A::Currency},
       {"ValorNF", A::Currency},
       {"ValorME", A::Currency},
       {"EndereçoNF", A::VarChar},
       {"ComplEndereço", A::VarChar},
       {"ComplementoNF", A::VarChar},
       {"MoniDataCadastro", A::DBTimeStamp},
       {"Email", A::VarWChar},
       {"SenhaOnLine", A::VarWChar},
       {"Estado", A::Char},
       {"AvisaDisparo", A::Boolean}});
  add("order: company", kCompanyColumns + "1",
      {{"CodEmpresa", A::Integer},
       {"RazãoSocial", A::VarChar},
       {"Uf", A::Char},
       {"Email", A::VarWChar},
       {"CidadeForo", A::VarChar}});
  for (const char* f : {"Endereço", "NumCasa", "Bairro", "Cidade", "CEP", "Complemento"})
    add("order: delivery address", lookup(f, "ClientesEndereços", "CodInterno=1"),
        {{nullptr, A::VarChar}});
  add("order: delivery address", lookup("Estado", "ClientesEndereços", "CodInterno=1"),
      {{nullptr, A::Char}});
  add("order: names", lookup("Nome", "Clientes", "CodCliente=9001"), {{nullptr, A::VarChar}});
  add("order: occupation", lookup("Descreve", "DadosEntidades", "CodInterno=1201"),
      {{nullptr, A::VarChar}});
  add("order: area", lookup("DescrÁrea", "Áreas", "CodÁrea=1"), {{nullptr, A::VarChar}});
  add("order: sub-area", lookup("DescrSub", "SubÁreas", "CodSubÁrea=11"), {{nullptr, A::VarChar}});
  add("order: billing kind", lookup("TipoFaturamento", "TiposFaturamento", "CodTipoFaturamento=1"),
      {{nullptr, A::VarChar}});
  setting("order: kind", "Descreve", "CodEntidade=52 And Codigo='I'", A::VarChar);
  add("order: last preventive",
      aggregate("Max", "DataAbertura", "OSs", "Cliente=1042 And Tipo='P' And Status<>'C'"),
      {{nullptr, A::DBTimeStamp}});
  add("order: imported budget",
      lookup("PlanílhaOrçamento", "OSImportação", "PlanílhaOS=30188 And TipoItem='I'"),
      {{nullptr, A::Integer}});
  add("order: imported budget title", lookup("Titulo", "Orçamentos", "Planílha=20066"),
      {{nullptr, A::VarChar}});
  add("order: budget payment form", lookup("FormaPagto", "Orçamentos", "Planílha=20066"),
      {{nullptr, A::Integer}});
  add("order: payment form name", lookup("FormaPagto", "FormasPagto", "CodFormaPagto=2"),
      {{nullptr, A::VarChar}});
  add("order: latest visit",
      "Select Top 1 Data, Observações From OSAtendimentos Where Isnull(TipoAtendimento,'')<>'D' "
      "And Planílha=30188 Order By Data Desc",
      {{"Data", A::DBTimeStamp}, {"Observações", A::LongVarChar}});
  add("order: plates", "Select Placa, Modelo From OSVeículos Where Planílha=74022",
      {{"Placa", A::VarChar}, {"Modelo", A::VarChar}}, 2);
  add("order: vehicle", "Select * From GRVeículos Where CodInterno=6 Order By CodInterno",
      {{"Placa", A::VarChar},
       {"Inclusão", A::DBTimeStamp},
       {"ObsVeículo", A::LongVarChar},
       {"Panico", A::Boolean},
       {"LocalizaçãoMódulo", A::VarChar},
       {"Bloqueio", A::SmallInt}});
  setting("order: blocking", "Descreve", "CodEntidade=233 And Codigo=1", A::VarChar);
  add("order: products' points", lookup("Pontos", "Produtos", "CodProduto=1003"),
      {{nullptr, A::Boolean}});
  add("order: technicians",
      "Select Técnico, (Select Nome From Clientes Where CodCliente=OSsTécnicosAuxiliares.Técnico) "
      "As Nome From OSsTécnicosAuxiliares Where Planílha=30188 Order By CodInterno",
      {{"Técnico", A::Integer}, {"Nome", A::VarChar}}, 2);
  add("order: visits",
      "Select *, (Select Nome From Clientes Where CodCliente=OSAtendimentos.Técnico) As NomeTec "
      "From OSAtendimentos Where Isnull(TipoAtendimento,'')<>'D' And Planílha=30188 Order By "
      "Data, HoraInicial, HoraFinal",
      {{"NomeTec", A::VarChar},
       {"MobileResponsável", A::VarChar},
       {"Data", A::DBTimeStamp},
       {"HoraInicial", A::DBTimeStamp},
       {"HoraFinal", A::DBTimeStamp},
       {"Observações", A::LongVarChar}},
      2);
  add("order: customer's additional services",
      "Select ClientesServiçosAdicionais.*, (Select Descrição From ServiçosAdicionais Where "
      "CodInterno=ClientesServiçosAdicionais.CodServiço) As Descrição From "
      "ClientesServiçosAdicionais Where CodCliente=1042 Order By Descrição",
      {{"Descrição", A::VarChar},
       {"Manutenção", A::Boolean},
       {"Observações", A::VarChar},
       {"Quantidade", A::Double},
       {"ValorServiço", A::Currency}},
      2);
  add("order: services", "Select * From OSServiços Where Planílha=30188 Order By CodInterno",
      {{"CodServiço", A::Integer},
       {"Descrição", A::VarChar},
       {"Quantidade", A::Double},
       {"Unitário", A::Currency},
       {"Total", A::Currency},
       {"TotalBruto", A::Currency},
       {"CobraCliente", A::Boolean}},
      3);
  for (const char* order : {" Order By OSProdutos.CodInterno", " Order By OSProdutos.Descrição",
                            " Order By OSProdutos.CodProduto"})
    add("order: products",
        std::string("Select OSProdutos.*, ") + "Produtos.Unidade, " + "Produtos.CodFabricante, " +
            "(Select RTrim(Descreve) From DadosEntidades Where CodInterno=Produtos.CodMarca) As "
            "Marca " +
            "From OSProdutos " + "Inner Join OSs On OSProdutos.Planílha=OSs.Planílha " +
            "Inner Join Produtos On OSProdutos.CodProduto=Produtos.CodProduto " +
            "Where OSs.Planílha=" + "30188" + order,
        {{"CodProduto", A::Integer},
         {"Descrição", A::VarChar},
         {"Marca", A::VarChar},
         {"Quantidade", A::Double},
         {"Unidade", A::VarChar},
         {"CodFabricante", A::VarChar},
         {"Liquido", A::Currency},
         {"TotalLiquido", A::Currency},
         {"CobraCliente", A::Boolean},
         {"Motivo", A::VarChar}},
        5);
  add("order: products to remove",
      "Select OSProdutosRetirar.*, (Select Unidade From Produtos Where "
      "CodProduto=OSProdutosRetirar.CodProduto) As Unidade From OSProdutosRetirar Inner Join OSs "
      "On OSProdutosRetirar.Planílha=OSs.Planílha Where OSs.Planílha=30188 Order By "
      "OSProdutosRetirar.CodInterno",
      {{"CodProduto", A::Integer},
       {"Descrição", A::VarChar},
       {"Quantidade", A::Double},
       {"Unidade", A::VarChar},
       {"Motivo", A::VarChar}});
  for (std::string key : {"", " And Chave='2231'"}) {
    add("order: account users",
        "SELECT Distinct Acesso, Nome FROM ClientesAcesso Where Tipo='U' And CodCliente=1042" +
            key + " Order By Acesso",
        {{"Acesso", A::VarChar}, {"Nome", A::VarChar}}, 3);
    add("order: account contacts",
        "SELECT Nome, Fone1 FROM ClientesAcesso Where Isnull(Fone1,'')<>'' And Tipo='C' And "
        "CodCliente=1042" +
            key + " Order By Acesso",
        {{"Nome", A::VarChar}, {"Fone1", A::VarChar}}, 2);
    add("order: account zones",
        "SELECT Distinct Evento, Descrição, DescProduto, TipoSensor, IsNumeric(Evento), "
        "LEN(Evento) FROM ClientesEventos Where CodCliente=1042" +
            key + " Order By IsNumeric(Evento) Desc, LEN(Evento), Evento",
        {{"Evento", A::VarChar},
         {"Descrição", A::VarChar},
         {"DescProduto", A::VarChar},
         {"TipoSensor", A::VarChar}},
        11);
  }
  add("order: vehicles", "Select * From OSVeículos Where Planílha=74022 Order By CodInterno",
      {{"Placa", A::VarChar},
       {"id", A::VarChar},
       {"Renavam", A::VarChar},
       {"Chassis", A::VarChar},
       {"Ano", A::SmallInt},
       {"Combustível", A::Char},
       {"Cor", A::VarChar},
       {"Modelo", A::VarChar},
       {"LocalizaçãoMódulo", A::VarChar}},
      2);
  add("order: vehicle trackers",
      "Select GRRastreador.CodInterno, Modelo, IDChip From OSVeículosRastreador Inner Join "
      "GRRastreador On OSVeículosRastreador.CodRastreador=GRRastreador.CodInterno Where "
      "CodVeículo=4 Order By GRRastreador.CodInterno",
      {{"CodInterno", A::Integer}, {"Modelo", A::VarChar}, {"IDChip", A::VarChar}});
  add("order: vehicle chips",
      "Select OSVeículosChip.CodInterno, DDD, Linha, Serial From OSVeículosChip Inner Join GRChip "
      "On OSVeículosChip.CodChip=GRChip.CodInterno Where CodVeículo=2 Order By "
      "OSVeículosChip.CodInterno",
      {{"DDD", A::VarChar}, {"Linha", A::VarChar}, {"Serial", A::VarChar}}, 2);
  add("order: vehicles to remove",
      "Select GRVeículos.* From OSVeículosRetirar Inner Join GRVeículos On "
      "OSVeículosRetirar.CodVeículo=GRVeículos.CodInterno Where Planílha=74022 Order By "
      "OSVeículosRetirar.CodInterno",
      {{"CodInterno", A::Integer}, {"Placa", A::VarChar}});
  add("order: first tracker",
      "Select Top 1 GRRastreador.CodInterno, Modelo, IDChip From GRVeículosRastreador Inner Join "
      "GRRastreador On GRVeículosRastreador.CodRastreador=GRRastreador.CodInterno Where "
      "CodVeículo=4 Order By GRRastreador.CodInterno",
      {{"Modelo", A::VarChar}, {"IDChip", A::VarChar}});
  add("order: first chip",
      "Select Top 1 GRVeículosChip.CodInterno, DDD, Linha, Serial From GRVeículosChip Inner Join "
      "GRChip On GRVeículosChip.CodChip=GRChip.CodInterno Where CodVeículo=4 Order By "
      "GRVeículosChip.CodInterno",
      {{"DDD", A::VarChar}, {"Linha", A::VarChar}, {"Serial", A::VarChar}});
  add("order: payment condition", "Select * From CondiçõesPagto Where CodCondição=11",
      {{"Entrada", A::Char},
       {"JuroDiário", A::Double},
       {"Data1", A::SmallInt},
       {"Data12", A::SmallInt}});
  add("order: budget's additional services",
      "Select * From OrçamentosServiçosAdicionais Where Planílha=20066 Order By CodInterno",
      {{"CodServiço", A::Integer}, {"Observações", A::VarChar}, {"ValorServiço", A::Currency}});
  add("order: checklist",
      "Select * From OSCheckListsPerguntas Where CodCheckList=1 Order By CodInterno",
      {{"Pergunta", A::VarChar}, {"Descritiva", A::Boolean}}, 5);
  add("order: customer chips",
      "Select GRChip.* From ClientesChip Inner Join GRChip On "
      "ClientesChip.CodChip=GRChip.CodInterno "
      "Where CodCliente=1042 Order By ClientesChip.CodInterno",
      {{"DDD", A::VarChar}, {"Linha", A::VarChar}, {"Serial", A::VarChar}}, 2);
  add("order: vehicle table",
      "Select CodInterno, Renavam, Chassis, Combustível, Ano, Modelo, Cor From GRVeículos Where "
      "Cliente=1063 And Isnull(Ativo,0)<>0 Union All Select CodInterno, Renavam, Chassis, "
      "Combustível, Ano, Modelo, Cor From OSVeículos Where Planílha=74022 Order By CodInterno",
      {{"Renavam", A::VarChar}, {"Ano", A::SmallInt}, {"Combustível", A::Char}}, 6);
  for (int v : {1, 2, 3, 4})
    add("order: earlier orders", earlier_orders(v),
        {{"Ordem", A::Integer}, {"DataAbertura", A::DBTimeStamp}, {"Observações", A::LongVarChar}},
        3);
  add("order: earlier orders", earlier_orders(4),
      {{"DataAgenda", A::DBTimeStamp},
       {"DataFechamento", A::DBTimeStamp},
       {"ObservaçõesFechamento", A::LongVarChar},
       {"Tecnico", A::VarChar}},
      3);
  add("order: installed equipment", "Select * From TempProdutosCliente Where Cliente=1042",
      {{"CodProduto", A::Integer},
       {"Descrição", A::VarChar},
       {"Quantidade", A::Double},
       {"Tipo", A::VarChar},
       {"Custo", A::Currency}},
      0);

  // ---- equipment balance (the reads; the writes are a test of their own) ----------------
  add("balance: received",
      "Select OSProdutos.CodInterno, OSProdutos.Custo, CodProduto, Descrição, Quantidade, "
      "DataFechamento As Data, Case CobraCliente When 0 Then Motivo Else 'Vendido' End As Tipo "
      "From OSProdutos Inner Join OSs On OSProdutos.Planílha=OSs.Planílha Where "
      "Isnull(Motivo,'')<>'Direta' And Status<>'A' And Status<>'C' And OSs.Cliente=1042 Order By "
      "DataFechamento, Descrição",
      {{"Custo", A::Currency},
       {"CodProduto", A::Integer},
       {"Descrição", A::VarChar},
       {"Quantidade", A::Double},
       {"Data", A::DBTimeStamp},
       {"Tipo", A::VarChar}},
      11);
  add("balance: removed",
      "Select osprodutosretirar.CodInterno, CodProduto, Descrição, Entregue as Quantidade, "
      "DataFechamento As Data, Motivo from osprodutosretirar inner join OSs on "
      "oss.planílha=osprodutosretirar.planílha where cliente=1042 And status<>'A' And "
      "Status<>'C' Order By DataFechamento, Descrição",
      {{"CodProduto", A::Integer},
       {"Quantidade", A::Double},
       {"Data", A::DBTimeStamp},
       {"Motivo", A::VarChar}},
      2);
  add("balance: corrections",
      "Select * from CorrigeLocados Where CodCliente=1042 Order By Data, CodInterno",
      {{"Modalidade", A::Char}, {"Quantidade", A::Double}, {"CodProduto", A::Integer}});
  add("balance: product name", lookup("Descriçao", "Produtos", "CodProduto=1015"),
      {{nullptr, A::VarChar}});
  add("balance: in transit",
      std::string("Select OSProdutosRetirar.*, (OSProdutosRetirar.Quantidade-OSProdutosRetirar."
                  "Entregue) As Pendentes ") +
          "From OSProdutosRetirar " + "Inner Join OSs On OSProdutosRetirar.Planílha=OSs.Planílha " +
          "Where OSs.Cliente=" + "1042" +
          " And OSs.Status In ('B','F') And "
          "OSProdutosRetirar.Entregue<OSProdutosRetirar.Quantidade",
      {{"Pendentes", A::Double}, {"Motivo", A::VarChar}});
  add("balance: find a row",
      "Select * From TempProdutosCliente Where Cliente=1042 And CodProduto=1003 And "
      "Tipo='Em Transito'",
      {{"Quantidade", A::Double}}, 0);

  // ---- product cost -----------------------------------------------------------------------
  add("cost: stock company", lookup("Conciliadora", "Empresas", "CodEmpresa=1"),
      {{nullptr, A::Integer}});
  setting("cost: kind", "Codigo", "CodEntidade=254 And Unidade=740", A::VarChar);
  setting("cost: plain switch", "Descreve", "CodEntidade=175 And Unidade=301", A::VarChar);
  for (const char* f : {"UtilizaValoresProprios", "UtilizaPrecoCusto"})
    add("cost: price table", lookup(f, "ProdutosTabelas", "CodInterno=5"), {{nullptr, A::Boolean}});
  for (const char* f : {"CustoGerencial", "Custo", "CustoReposição", "CustoMédio"})
    add("cost: stock",
        lookup(f, "LocalizaProdutos", "TipoEstoque=1 And CodProduto=1001 And CodEmpresa=1"),
        {{nullptr, A::Currency}});
  add("cost: table cost",
      lookup("PrecoCusto", "ProdutosTabelasItens",
             "Isnull(ProdutosTabelasItens.TipoItem,'P')='P' And CodProduto=1004 And CodTabela=5"),
      {{nullptr, A::Currency}});
  add("ISS rounding", lookup("TipoArredondamentoISS", "Empresas", "CodEmpresa=2"),
      {{nullptr, A::SmallInt}});

  // ---- budget -----------------------------------------------------------------------------
  add("budget: number", lookup("NumOrçamento", "Orçamentos", "Planílha=20051"),
      {{nullptr, A::Integer}});
  add("budget", "Select * From Orçamentos Where Planílha=20051",
      {{"NumOrçamento", A::Integer},
       {"Cliente", A::Integer},
       {"Empresa", A::Integer},
       {"idAceite", A::VarChar},
       {"Modalidade", A::Char},
       {"DataAbertura", A::DBTimeStamp},
       {"ClienteNome", A::VarChar},
       {"Emissão", A::DBTimeStamp},
       {"Desconto", A::Currency},
       {"DescontoServiços", A::Currency},
       {"PDesconto", A::Double},
       {"PDescontoServiços", A::Double},
       {"TotalProdutos", A::Currency},
       {"TotalServiços", A::Currency},
       {"ValorCREA", A::Currency},
       {"ValorFrete", A::Currency},
       {"ValorMonitoramento", A::Currency},
       {"ValorComodato", A::Currency},
       {"Vendedor", A::Integer},
       {"Gecom", A::Integer},
       {"TipoServiço", A::VarChar},
       {"FormaPagto", A::Integer},
       {"CondiçãoPagto", A::Integer},
       {"FinanciadoMeses", A::SmallInt},
       {"FinanciadoValor", A::Currency},
       {"ValorEntrada", A::Currency},
       {"MesesRetornoLocação", A::SmallInt},
       {"CodClienteOrigemTrocaTitularidade", A::Integer},
       {"CodVeículoTrocaTitularidade", A::Integer},
       {"Observ", A::LongVarChar},
       {"CodContato", A::Integer},
       {"VencimentoPor", A::SmallInt},
       {"NParcelas", A::SmallInt},
       {"Status", A::Char},
       {"UF", A::Char},
       {"Titulo", A::VarChar}});
  add("budget: company", kCompanyColumns + "1", {{"CidadeForo", A::VarChar}});
  add("budget: acceptance code",
      lookup("Ace_Codigo", "AceiteDigital", "Ace_Link='a3f1c9e2-5b7d-4e08-9c61-2d4b8f7a1e35'"),
      {{nullptr, A::Integer}});
  add("budget: acceptance", "Select * From AceiteDigital Where Ace_Codigo=301",
      {{"Ace_Codigo", A::Integer},
       {"Ace_Link", A::VarChar},
       {"Ace_DataAceite", A::DBTimeStamp},
       {"Ace_EmailAssinante", A::VarWChar}});
  add("acceptance: latest event",
      lookup("AceEve_Data", "AceiteDigitalEventos", "Ace_Codigo=301 Order By AceEve_Data Desc"),
      {{nullptr, A::DBTimeStamp}});
  add("acceptance: latest event",
      lookup("AceEve_Descricao", "AceiteDigitalEventos",
             "Ace_Codigo=301 Order By AceEve_Data Desc"),
      {{nullptr, A::VarChar}});
  for (const char* kind : {"1", "2", "3"}) {
    std::string filter = std::string("AceiteCodigo=301 And TipoTestemunha=") + kind;
    add("acceptance: witnesses", lookup("DataHoraAceite", "AceiteDigitalEnvioTestemunha", filter),
        {{nullptr, A::DBTimeStamp}});
    add("acceptance: witnesses", lookup("CPFInformado", "AceiteDigitalEnvioTestemunha", filter),
        {{nullptr, A::VarChar}});
    add("acceptance: witnesses", lookup("NomeInformado", "AceiteDigitalEnvioTestemunha", filter),
        {{nullptr, A::VarChar}});
  }
  add("budget: additional services total",
      aggregate("Sum", "ValorServiço", "OrçamentosServiçosAdicionais", "Planílha=20051"),
      {{nullptr, A::Currency}});
  add("budget: additional services total",
      lookup("Sum(ValorServiço)", "OrçamentosServiçosAdicionais", "Planílha=20051"),
      {{nullptr, A::Currency}});
  add("budget: vehicles' insurance",
      lookup("Sum(Isnull(ValorSeguro,0)+Isnull(ValorAssistência,0))", "OrçamentosVeículos",
             "Planílha=20040"),
      {{nullptr, A::Currency}});
  for (const char* f : {"Nome", "Fone2", "Fone1", "Celular"})
    add("budget: seller", lookup(f, "Clientes", "CodCliente=9010"), {{nullptr, A::VarChar}});
  add("budget: seller", lookup("Email", "Clientes", "CodCliente=9010"), {{nullptr, A::VarWChar}});
  setting("budget: kind", "Descreve", "CodEntidade=249 And Codigo='A'", A::VarChar);
  setting("budget: financing rate", "Descreve", "CodEntidade=196 And Unidade=301", A::VarChar);
  setting("budget: keep Word", "Codigo", "CodEntidade=239 And Unidade=301", A::VarChar);
  setting("budget: taxes", "Codigo", "CodEntidade=207 And Unidade=301", A::VarChar);
  setting("budget: taxes", "Descreve", "CodEntidade=207 And Unidade=301", A::VarChar);
  setting("budget: taxes", "Codigo", "CodEntidade=26 And Unidade=301", A::VarChar);
  setting("budget: signatures", "Descreve", "CodEntidade=87 And Unidade=301", A::VarChar);
  add("budget: product groups",
      "Select Isnull(GrupoOrçamento,'') From OrçamentosProdutos Where Quantidade > 0 And "
      "Planílha=20051 Group By Isnull(GrupoOrçamento,'')",
      {{nullptr, A::VarChar}}, 3);
  const std::vector<Col> line_columns = {{"CodProduto", A::Integer},
                                         {"Descrição", A::VarChar},
                                         {"Quantidade", A::Double},
                                         {"QtdadeSugerida", A::Double},
                                         {"Unitário", A::Currency},
                                         {"PreçoReal", A::Currency},
                                         {"Líquido", A::Currency},
                                         {"Total", A::Currency},
                                         {"TotalLíquido", A::Currency},
                                         {"CobraLocado", A::Boolean},
                                         {"GrupoOrçamento", A::VarChar},
                                         {"CodInterno", A::Integer},
                                         {"LocalInstalação", A::VarChar},
                                         {"ST", A::VarChar},
                                         {"CST", A::VarChar},
                                         {"CSOSN", A::VarChar},
                                         {"NCM", A::VarChar},
                                         {"DescriçaoNF", A::VarChar},
                                         {"CodFabricante", A::VarChar},
                                         {"Unidade", A::VarChar},
                                         {"UnitReal", A::Currency}};
  add("budget: product lines", budget_lines("20051", false), line_columns, 9);
  add("budget: product lines", budget_lines("20058", true), line_columns, 8);
  add("budget: brand", lookup("Descreve", "DadosEntidades", "CodInterno=3001"),
      {{nullptr, A::VarChar}});
  add("budget: alternative description", lookup("DescrAlternativa", "Produtos", "CodProduto=1007"),
      {{nullptr, A::VarChar}});
  add("budget: equal products",
      "Select OrçamentosProdutos.CodProduto, Produtos.CodFabricante, OrçamentosProdutos.Descrição, "
      "Sum(OrçamentosProdutos.Quantidade) As Quantidade, Produtos.Unidade From OrçamentosProdutos "
      "Inner Join Produtos On OrçamentosProdutos.CodProduto=Produtos.CodProduto Where "
      "Isnull(Quantidade,0)<>0 And Planílha=20051 Group By OrçamentosProdutos.CodProduto, "
      "Produtos.CodFabricante, OrçamentosProdutos.Descrição, Produtos.Unidade Order By "
      "OrçamentosProdutos.Descrição",
      {{"CodProduto", A::Integer},
       {"CodFabricante", A::VarChar},
       {"Descrição", A::VarChar},
       {"Quantidade", A::Double},
       {"Unidade", A::VarChar}},
      9);
  add("budget: products to withdraw",
      "Select * From OrçamentosProdutosRetirar Where Quantidade>0 And Planílha=20066 Order By "
      "CodInterno",
      {{"CodProduto", A::Integer},
       {"Descrição", A::VarChar},
       {"Quantidade", A::Double},
       {"Unitário", A::Currency},
       {"Total", A::Currency}});
  add("budget: vehicles",
      "Select * From OrçamentosVeículos Where Planílha=20063 Order By CodInterno",
      {{"CodVeículo", A::Integer},
       {"Placa", A::VarChar},
       {"Bloqueio", A::SmallInt},
       {"ValorRastreamento", A::Currency},
       {"ValorLocação", A::Currency}},
      2);
  add("budget: vehicle",
      "Select *, Isnull(ValorVeículo,0)-(Isnull(ValorSeguro,0)+Isnull(ValorAssistência,0)+"
      "Isnull(ValorBloqueio,0)-Isnull(ValorLocação,0)) As ValorRastreamento From GRVeículos Where "
      "CodInterno=6",
      {{"Placa", A::VarChar},
       {"Cor", A::VarChar},
       {"Ano", A::SmallInt},
       {"Renavam", A::VarChar},
       {"ValorSeguro", A::Currency},
       {"ValorRastreamento", A::Currency}});
  add("ownership transfer: customer",
      "Select Nome, CGCCPF, Endereço, NumCasa, Bairro, Cidade, CEP, Estado From Clientes Where "
      "CodCliente=1071",
      {{"Nome", A::VarChar}, {"CGCCPF", A::VarChar}, {"Estado", A::Char}});
  add("ownership transfer: vehicle",
      "Select Placa, Cor, Ano, Modelo, Chassis From GRVeículos Where CodInterno=5",
      {{"Placa", A::VarChar}, {"Ano", A::SmallInt}, {"Chassis", A::VarChar}});
  add("ownership transfer: budget kind", lookup("TipoServiço", "Orçamentos", "Planílha=20063"),
      {{nullptr, A::VarChar}});
  add("budget: additional services",
      "Select *, (Select Descrição From ServiçosAdicionais Where "
      "CodInterno=orçamentosserviçosadicionais.codserviço) As NomeServiço from "
      "orçamentosserviçosadicionais Where Planílha=20051 Order By CodInterno",
      {{"NomeServiço", A::VarChar},
       {"Quantidade", A::Double},
       {"ValorServiço", A::Currency},
       {"DescontoTotal", A::Currency},
       {"Observações", A::VarChar}},
      2);
  add("budget: service groups",
      "Select Isnull(GrupoOrçamento,'') From OrçamentoServiços Where Isnull(Quantidade,0)<>0 And "
      "Planílha=20066 Group By Isnull(GrupoOrçamento,'')",
      {{nullptr, A::VarChar}}, 2);
  add("budget: services",
      std::string("Select OrçamentoServiços.*, Serviços.CodTipoServiço, Case "
                  "Isnull(OrçamentoServiços.GrupoOrçamento,'') When '' Then 'OUTROS' Else "
                  "Isnull(OrçamentoServiços.GrupoOrçamento,'') End As GrupoOrçamento ") +
          "From OrçamentoServiços Inner Join Serviços On "
          "OrçamentoServiços.CodServiço=Serviços.CodServiço " +
          "Where Isnull(Quantidade,0)<>0 And Planílha=" + "20066" +
          " Order By OrçamentoServiços.CodInterno",
      {{"CodServiço", A::Integer},
       {"CodTipoServiço", A::Integer},
       {"Descrição", A::VarChar},
       {"Quantidade", A::Double},
       {"Unitário", A::Currency},
       {"Total", A::Currency},
       {"Bruto", A::Currency},
       {"TotalBruto", A::Currency},
       {"PreçoReal", A::Currency},
       {"CobraLocado", A::Boolean}},
      3);
  for (const char* f : {"VencimentoPor", "NParcelas"})
    add("payment conditions: budget", lookup(f, "Orçamentos", "Planílha=20058"),
        {{nullptr, A::SmallInt}});
  add("payment conditions: total",
      lookup("TotalProdutos+TotalServiços+ValorCREA+Isnull(ValorFrete,0)", "Orçamentos",
             "Planílha=20058"),
      {{nullptr, A::Currency}});
  add("payment conditions: own conditions",
      aggregate("Count", "*", "OrçamentosCondições", "Planílha=20051"), {{nullptr, A::Integer}});
  add("payment conditions: by form",
      "Select * From CondiçõesPagto Where Isnull(CondInativa,0)=0 And CodFormaPagto=2" + kDateOrder,
      {{"CodCondição", A::Integer}, {"Entrada", A::Char}, {"JuroDiário", A::Double}}, 3);
  add("payment conditions: by code", "Select * From CondiçõesPagto Where CodCondição=13",
      {{"Data6", A::SmallInt}, {"Data7", A::SmallInt}});
  add("payment conditions: the budget's",
      "Select * From CondiçõesPagto Inner Join OrçamentosCondições On "
      "OrçamentosCondições.Condição=CondiçõesPagto.CodCondição Where Planílha=20051" +
          kDateOrder,
      {{"CodCondição", A::Integer}, {"Entrada", A::Char}, {"Data1", A::SmallInt}}, 3);
  for (const char* f : {"Nome", "Fone1", "Celular", "Função"})
    add("budget: contact", lookup(f, "ProspectsContatos", "CodContato=7001"),
        {{nullptr, A::VarChar}});
  add("budget: contact", lookup("Email", "ProspectsContatos", "CodContato=7001"),
      {{nullptr, A::VarWChar}});
  add("budget: loyalty tables", price_tables("20051", true),
      {{"Valor24", A::Double}, {"Valor36", A::Double}});
  add("budget: loyalty tables", price_tables("20058", false),
      {{"Valor24", A::Double}, {"Valor36", A::Double}});
  add("budget: additional service kinds",
      "Select * From ServiçosAdicionais Order By CodInterno Desc",
      {{"CodInterno", A::Integer}, {"Descrição", A::VarChar}}, 8);
  add("budget: additional service by kind",
      lookup("ValorServiço", "OrçamentosServiçosAdicionais", "CodServiço=1 And Planílha=20051"),
      {{nullptr, A::Currency}});
  add("budget: additional service by kind",
      lookup("Quantidade", "OrçamentosServiçosAdicionais", "CodServiço=1 And Planílha=20051"),
      {{nullptr, A::Double}});
  add("taxes: regime", lookup("Simples", "Empresas", "CodEmpresa=2"), {{nullptr, A::Boolean}});
  for (const char* f : {"PIcmsSimples", "PIssSimples", "ISS", "PINSS"})
    add("taxes: company rates", lookup(f, "Empresas", "CodEmpresa=2"), {{nullptr, A::Double}});
  add("taxes: ICMS", lookup("ICMSSaída", "ICMSEstados", "Unidade=301 And UF='SP'"),
      {{nullptr, A::Double}});
  add("taxes: ICMS base",
      lookup(
          "Sum(TotalLíquido)",
          "OrçamentosProdutos Inner Join Produtos On "
          "OrçamentosProdutos.CodProduto=Produtos.CodProduto",
          "Isnull(OrçamentosProdutos.CobraLocado,0)<>0 And Planílha=20051 And "
          "Right(Isnull(CodSituaçãoTributária,''),2)<>'60' And Right(Isnull(CSOSN,''),3)<>'500'"),
      {{nullptr, A::Currency}});
  for (const char* f : {"PIS", "COFINS", "CSLL"})
    add("taxes: customer rates", lookup(f, "Clientes", "CodCliente=1057"), {{nullptr, A::Double}});
  add("budget: photo groups",
      "Select " + kGroupCase + " As GrupoOrçamento " + "From OrçamentosProdutos " +
          "Where Isnull(Quantidade,0)<>0 And Planílha=20066 " + "Group By " + kGroupCase + " " +
          "Order By Min(CodInterno), " + kGroupCase,
      {{"GrupoOrçamento", A::VarChar}}, 3);
  add("budget: photo tables",
      "Select *, (Select Foto From Produtos Where CodProduto=OrçamentosProdutos.CodProduto) As "
      "Foto, (Select Aplicaçao From Produtos Where CodProduto=OrçamentosProdutos.CodProduto) As "
      "Aplicaçao, (Select Unidade From Produtos Where CodProduto=OrçamentosProdutos.CodProduto) As "
      "Unidade, " +
          kGroupCase + " As GrupoOrçamento " + "From OrçamentosProdutos " +
          "Where Isnull(Quantidade,0)<>0 And Planílha=20066 And (" + kGroupCase + ")='OUTROS' " +
          "Order By " + kGroupCase + ", CodInterno",
      {{"Foto", A::VarWChar},
       {"Aplicaçao", A::LongVarChar},
       {"Unidade", A::VarChar},
       {"Descrição", A::VarChar}},
      3);

  // ---- contract ---------------------------------------------------------------------------
  add("contract: record", "Select * From ClientesContratos Where CodCliente=1042",
      {{"Prazo", A::SmallInt},
       {"Assinatura", A::DBTimeStamp},
       {"PrimeiroFaturamento", A::DBTimeStamp},
       {"Fone", A::Boolean},
       {"Radio", A::Boolean},
       {"GPRS", A::Boolean},
       {"Internet", A::Boolean},
       {"Satelital", A::Boolean},
       {"HoraTeste", A::VarChar},
       {"TesteRadio", A::SmallInt},
       {"TipoInternet", A::VarChar},
       {"Decimo", A::Boolean},
       {"Assinado", A::Boolean}});
  add("contract: first vehicle",
      "Select Top 1 * From GRVeículos Where Cliente=1063 Order By CodInterno",
      {{"Placa", A::VarChar}, {"TécnicoVeículo", A::Integer}, {"ValorVeículo", A::Currency}});
  add("contract: company",
      "Select CodEmpresa, RazãoSocial, Fantasia, CGC, InscriçãoEstadual, Endereço, Bairro, "
      "Município, UF, Telefone, CEP, Gerente, Email, InscriçãoMunicipal, CPFRespEmpresa, Gerente, "
      "Case Isnull(CidadeForo,'') When '' Then Município Else CidadeForo End As CidadeForo From "
      "Empresas Where CodEmpresa=2",
      {{"CPFRespEmpresa", A::VarChar}, {"Gerente", A::VarChar}, {"CidadeForo", A::VarChar}});
  add("contract: vehicle", "Select * From GRVeículos Where CodInterno=1",
      {{"Inclusão", A::DBTimeStamp}, {"Combustível", A::Char}});
  add("contract: post", "Select * From ClientesPostos Where CodInterno=1",
      {{"Identificação", A::VarChar}, {"ValorMensal", A::Currency}});
  add("contract: cancellation",
      "Select * From ClientesCancelamentos Where StatusCancelamento<>'C' And CodCliente=1057",
      {{"DataConfirmação", A::DBTimeStamp},
       {"ValorMulta", A::Currency},
       {"Planílha", A::Integer},
       {"PlanílhaMulta", A::Integer},
       {"MotCanc", A::VarChar},
       {"Observações", A::LongVarChar}});
  add("contract: vehicle cancellation",
      "Select * From VeículosCancelamento Where StatusCancelamento<>'C' And CodVeículo=4",
      {{"DataConfirmação", A::DBTimeStamp}, {"Planílha", A::Integer}});
  add("contract: post cancellation",
      "Select * From PostosCancelamentos Where StatusCancelamento<>'C' And CodPosto=2",
      {{"DataSolicitação", A::DBTimeStamp}, {"ValorProporcional", A::Currency}});
  add("contract: cancellation receivables",
      "Select Número, Letra, Vencimento, ValorDuplicata From ContasReceber Where Planílha=880013 "
      "Order By Vencimento",
      {{"Número", A::Integer},
       {"Letra", A::VarChar},
       {"Vencimento", A::DBTimeStamp},
       {"ValorDuplicata", A::Currency}},
      3);
  add("contract: confirmed cancellation",
      lookup("DataConfirmação", "ClientesCancelamentos",
             "CodCliente=1057 And StatusCancelamento='A'"),
      {{nullptr, A::DBTimeStamp}});
  add("contract: debts", aggregate("Sum", "Saldo", "ContasReceber", "Cliente=1042"),
      {{nullptr, A::Currency}});
  add("contract: debts", aggregate("Count", "*", "ContasReceber", "Saldo>0 And Cliente=1042"),
      {{nullptr, A::Integer}});
  add("contract: fine due",
      aggregate("Min", "Vencimento", "ContasReceber", "Operação='CancContr' And Cliente=1057"),
      {{nullptr, A::DBTimeStamp}});
  add("contract: tracker",
      lookup("Isnull(IDVersão,'')+Isnull(IDCHip,'')+' - '+Isnull(Modelo,'')",
             "GRVeículosRastreador Inner Join GRRastreador On "
             "GRVeículosRastreador.CodRastreador=GRRastreador.CodInterno",
             "CodVeículo=1"),
      {{nullptr, A::VarChar}});
  add("contract: vehicles in budgets",
      aggregate("Sum", "VeiculosQuantidade", "Orçamentos",
                "Status Not In ('A', 'P', 'C') And Modalidade='R' And Cliente=1063"),
      {{nullptr, A::Integer}});
  add("contract: active vehicles",
      aggregate("Count", "*", "GRVeículos", "Cliente=1063 And Isnull(Ativo,0)<>0"),
      {{nullptr, A::Integer}});
  for (const char* f : {"DébitoAutomático", "Bloqueto"})
    add("contract: payment", lookup(f, "FormasPagto", "CodFormaPagto=3"), {{nullptr, A::Boolean}});
  add("contract: payment", lookup("FormaPagamentoPadrão", "Empresas", "CodEmpresa=1"),
      {{nullptr, A::Integer}});
  for (const char* f : {"Conta", "Agência", "Banco"})
    add("contract: debit account", lookup(f, "ContasDébito", "Cliente=1042"),
        {{nullptr, A::VarChar}});
  add("contract: readjustment index", lookup("Descreve", "DadosEntidades", "CodInterno=15301"),
      {{nullptr, A::VarChar}});
  setting("contract: default index", "Codigo", "CodEntidade=154 And Unidade=301", A::VarChar);
  setting("contract: keep Word", "Descreve", "CodEntidade=84 And Unidade=301", A::VarChar);
  setting("contract: reconciliation", "Codigo", "CodEntidade=80 And Unidade=301", A::VarChar);
  setting("contract: fine", "Codigo", "CodEntidade=85 And Unidade=301", A::VarChar);
  setting("contract: daily interest", "Descreve",
          "CodEntidade=18 And Unidade=301 And Codigo='MoraDia'", A::VarChar);
  setting("contract: marital status", "Descreve", "CodEntidade=7 And Codigo='2'", A::VarChar);
  for (const char* e : {"170", "323", "330", "331"})
    setting("customer taxes: company settings", "Codigo",
            std::string("CodEntidade=") + e + " And Descreve=1", A::VarChar);
  add("contract: origin budget terms",
      "Select * From CondiçõesPagto With (NoLock) Where CodCondição=11",
      {{"Entrada", A::Char}, {"Data1", A::SmallInt}});
  add("contract: charged order products",
      "Select OSProdutos.*, (Select Unidade From Produtos Where CodProduto=OSProdutos.CodProduto) "
      "As Unidade From OSProdutos Inner Join OSs On OSProdutos.Planílha=OSs.Planílha Where "
      "Status<>'A' And Isnull(CobraCliente,0) <> 0 And OSs.Cliente=1042",
      {{"Unidade", A::VarChar}, {"TotalLiquido", A::Currency}}, 2);
  add("contract: lent order products",
      "Select OSProdutos.*, (Select Unidade From Produtos Where CodProduto=OSProdutos.CodProduto) "
      "As Unidade From OSProdutos Inner Join OSs On OSProdutos.Planílha=OSs.Planílha Where "
      "Status Not In ('A','C') And Isnull(CobraCliente,0) = 0 And OSs.Cliente=1042",
      {{"Unidade", A::VarChar}, {"Motivo", A::VarChar}}, 9);
  const std::string budget_products =
      "Select OrçamentosProdutos.*, Orçamentos.Cliente, Case Modalidade When 'V' Then 1 Else "
      "CobraLocado End As Cobrado From OrçamentosProdutos Inner Join Orçamentos On "
      "OrçamentosProdutos.Planílha=Orçamentos.Planílha Where " +
      kApproved;
  add("contract: rented budget lines",
      budget_products +
          " And Modalidade<>'V' And Isnull(CobraLocado,0)=0 And Orçamentos.Cliente=1042",
      {{"Cobrado", A::Integer}, {"Cliente", A::Integer}, {"TotalLíquido", A::Currency}}, 9);
  add("contract: budget lines with kind",
      budget_products + " And Orçamentos.Cliente=1042 Order By OrçamentosProdutos.CodInterno",
      {{"Cobrado", A::Integer}, {"Líquido", A::Currency}}, 14);
  add("contract: budget lines, narrowed",
      budget_products +
          " And Orçamentos.Cliente=1042 And Orçamentos.Planílha=20066 Order By "
          "OrçamentosProdutos.CodInterno",
      {{"Cobrado", A::Integer}}, 5);
  add("contract: services total",
      "Select Sum(Total) As TT From OrçamentoServiços Inner Join Orçamentos On "
      "OrçamentoServiços.Planílha=Orçamentos.Planílha Where (Case Modalidade When 'V' Then 1 Else "
      "CobraLocado End)<>0 And " +
          kApproved + " And Cliente=1042",
      {{"TT", A::Currency}});
  add("contract: total with CREA",
      aggregate("Sum", "TotalProdutos+TotalServiços+ValorCREA+Isnull(ValorFrete,0)", "Orçamentos",
                kApproved + " And Cliente=1042"),
      {{nullptr, A::Currency}});
  add("contract: selected budgets",
      "SELECT NumOrçamento, TotalProdutos, TotalServiços, ValorCrea, ValorFrete, "
      "VeiculosQuantidade, VeiculosMensal, VeículosComodato from Orçamentos Where " +
          kApproved + " And Cliente=1042",
      {{"NumOrçamento", A::Integer},
       {"ValorCrea", A::Currency},
       {"VeiculosQuantidade", A::SmallInt},
       {"VeículosComodato", A::Currency}},
      2);
  add("contract: budget services",
      "Select CodServiço, Descrição, Sum(Quantidade) As Quantidade, Sum(Total) As Total From "
      "OrçamentoServiços Inner Join Orçamentos On OrçamentoServiços.Planílha=Orçamentos.Planílha "
      "Where " +
          kApproved + " And Cliente=1042 Group By CodServiço, Descrição Order By Descrição",
      {{"CodServiço", A::Integer},
       {"Descrição", A::VarChar},
       {"Quantidade", A::Double},
       {"Total", A::Currency}},
      4);
  add("contract: customer's services",
      "Select Descrição, Case Isnull(Quantidade,0) When 0 Then 1 Else Isnull(Quantidade,0) End As "
      "Quantidade, ValorServiço/(Case Isnull(Quantidade,0) When 0 Then 1 Else "
      "Isnull(Quantidade,0) End) As Unitário, ValorServiço As Total From "
      "ClientesServiçosAdicionais Inner Join ServiçosAdicionais On "
      "ClientesServiçosAdicionais.CodServiço=ServiçosAdicionais.CodInterno Where CodServiço>0 And "
      "CodCLiente=1063 Order By Descrição",
      {{"Descrição", A::VarChar},
       {"Quantidade", A::Double},
       {"Unitário", A::Double},
       {"Total", A::Currency}});
  add("contract: vehicles",
      std::string("Select Placa, Cor, Ano, Modelo, Chassis, Renavam, ValorVeículo, ") +
          "(Select Rtrim(Descreve) From DadosEntidades Where CodInterno=GRVeículos.TipoVeículo) "
          "As Tipo " +
          "From GRVeículos Where Cliente=1063 And Isnull(Ativo,0)<>0 Order By CodInterno",
      {{"ValorVeículo", A::Currency}, {"Tipo", A::VarChar}}, 4);
  add("contract: vehicle services",
      std::string("Select GrVeículos.CodInterno, GrVeículos.Placa, "
                  "GRVeículosServiçosAdicionais.CodServiço, ServiçosAdicionais.Descrição ") +
          "From GrVeículos " +
          "Inner Join GRVeículosServiçosAdicionais On "
          "GRVeículos.CodInterno=GRVeículosServiçosAdicionais.CodVeículo " +
          "Inner Join ServiçosAdicionais On "
          "GRVeículosServiçosAdicionais.CodServiço=ServiçosAdicionais.CodInterno " +
          "Where IsNull(GrVeículos.Ativo, 0) <> 0 And GrVeículos.Cliente = 1063 " +
          "Order By GrVeículos.Placa, ServiçosAdicionais.Descrição",
      {{"Placa", A::VarChar}, {"CodServiço", A::Integer}, {"Descrição", A::VarChar}}, 6);
  add("contract: budget vehicles",
      "Select OrçamentosVeículos.*, " + kVehicleMonthly +
          ", Isnull(VeiculosMensal,0)+Isnull(VeículosComodato,0)+Isnull(VeículosSeguro,0)+"
          "Isnull(VeículosAssistência,0) As ValorVeículoOrc From OrçamentosVeículos Inner Join "
          "Orçamentos On OrçamentosVeículos.Planílha=Orçamentos.Planílha Where " +
          kApproved + " And Orçamentos.Cliente=1063 Order By OrçamentosVeículos.CodInterno",
      {{"ValorVeículo", A::Currency}, {"ValorVeículoOrc", A::Currency}}, 5);
  add("contract: trackers and chips",
      std::string("Select GRVeículos.CodInterno, Placa, GRRastreador.IDChip As IDRastreador, "
                  "GRRastreador.Modelo, GRVeículos.Modelo As ModeloVei, GRVeículos.Ano, "
                  "GRVeículos.Chassis, GRVeículos.Renavam, GRVeículos.ValorVeículo, ") +
          "(Select Serial From GRChip Where CodInterno=(Select Top 1 CodChip From GRVeículosChip "
          "Where CodVeículo=GRVeículos.CodInterno)) As Imei " +
          "From GRVeículos " +
          "Inner Join GRVeículosRastreador On "
          "GRVeículos.CodInterno=GRVeículosRastreador.CodVeículo " +
          "Inner Join GRRastreador On GRRastreador.CodInterno=GRVeículosRastreador.CodRastreador " +
          "Where Cliente=1063 And Isnull(Ativo,0)<>0 Order By GRVeículos.Inclusão, "
          "GRVeículos.CodInterno",
      {{"IDRastreador", A::VarChar},
       {"Modelo", A::VarChar},
       {"ModeloVei", A::VarChar},
       {"Imei", A::VarChar},
       {"ValorVeículo", A::Currency}},
      4);
  add("contract: chips billed together",
      std::string("SELECT CodInterno, Serial, DDD, Linha, ") +
          "(Select Top 1 RTrim(Descreve) From DadosEntidades Where CodInterno=GRChip.Operadora) "
          "As Operadora " +
          "FROM GRChip " +
          "Where Isnull((Select Top 1 Clientes.CodCliente From Clientes Inner Join ClientesChip "
          "On Clientes.CodCliente=ClientesChip.CodCliente Where Isnull(FaturaLote,0)<>0 And "
          "CodChip=GRChip.CodInterno),0)=1063 Order By DDD, Linha, Serial",
      {{"Serial", A::VarChar}, {"Operadora", A::VarChar}}, 4);
  // A money value times a decimal literal is decimal on SQL Server (decimal ranks above money).
  for (const char* filter : {"", " And Left(Operação,3)='Fat'", " And Left(Operação,2)='OS'"})
    add("contract: receivables with interest",
        std::string("Select Número, Letra, Vencimento, Saldo, ContasReceber.Saldo + "
                    "Round(Saldo*2/100,2) +Round(Saldo*0.033/100,2)*DateDiff(Day,Vencimento, "
                    "GetDate()) As ValorJuros From ContasReceber Where Saldo>0 And Cliente=1042") +
            filter + " Order By Vencimento",
        {{"Letra", A::VarChar}, {"Saldo", A::Currency}, {"ValorJuros", A::Numeric}}, 2);
  add("customer taxes",
      std::string("Select CGCCPF, ManterISS, ValorNF, BaseISS, DISS, ISS, BaseINSS, DINSS, INSS, "
                  "BaseIRPF, DIRPF, IRPF, BasePIS, DPIS, PIS, BaseCOFINS, DCOFINS, COFINS, "
                  "BaseCSLL, DCSLL, CSLL ") +
          "From Clientes Where CodCliente=1057",
      {{"ManterISS", A::Boolean},
       {"ValorNF", A::Currency},
       {"BaseISS", A::VarChar},
       {"DISS", A::Boolean},
       {"ISS", A::Double},
       {"CSLL", A::Double}});
  add("contract: bonuses",
      "Select Data, ValorDespesa, BonificaIntegral From ClientesBonificações Where CodCliente=1042 "
      "And Isnull(Faturada,0)=0 Order By Data",
      {{"Data", A::DBTimeStamp}, {"ValorDespesa", A::Currency}, {"BonificaIntegral", A::Boolean}},
      2);
  add("contract: referrer", lookup("Indicante", "Prospects", "CodCliente=1042"),
      {{nullptr, A::Integer}});
  add("contract: post services",
      "Select * From ClientesPostosServiços Where CodPosto=1 And (DataFinal Is null Or "
      "DataFinal>GetDate()) Order By CodInterno",
      {{"Descrição", A::VarChar}, {"ValorTotal", A::Currency}}, 3);

  // ---- amendment --------------------------------------------------------------------------
  add("amendment",
      "Select * From ClientesAditivos Where Isnull(Cancelado,0)=0 And CodCliente=1042 And "
      "NumAditivo=1",
      {{"CodInterno", A::Integer},
       {"Serviço", A::LongVarChar},
       {"NovoServiço", A::LongVarChar},
       {"ClausulaAntiga", A::LongVarChar},
       {"ClausulaNova", A::LongVarChar},
       {"PlaOrçamento", A::Integer},
       {"ValorNF", A::Currency},
       {"NovoValorNF", A::Currency},
       {"NovoPrazo", A::SmallInt},
       {"NovoComodato", A::Currency},
       {"CodPosto", A::Integer},
       {"dataaditivo", A::DBTimeStamp},
       {"idAceite", A::VarChar}});
  setting("amendment: keep Word", "Codigo", "CodEntidade=311 And Unidade=740", A::VarChar);
  setting("amendment: products", "Codigo", "CodEntidade=247 And Unidade=740", A::VarChar);
  add("amendment: cancelled services",
      std::string("Select Distinct S.Descrição As Servico, Exc.DataExclusão As Cancelamento ") +
          "From ClientesServiçosAdicionaisExcluídos Exc Inner Join ServiçosAdicionais S On "
          "Exc.CodServiço=S.CodInterno " +
          "Where Exc.CodCliente=1063 Order By Exc.DataExclusão",
      {{"Servico", A::VarChar}, {"Cancelamento", A::DBTimeStamp}});
  for (const char* amendment : {"1", "3"})
    add("amendment: new tracking value",
        std::string("Select A.ValorNF, A.NovoValorNF, ") +
            "A.ValorNF+IsNull(NullIf((Select SUM(ValorRastreamento) From OrçamentosVeículos OV "
            "Where OV.Planílha = O.Planílha),0), " +
            "IsNull(O.VeiculosMensal,0)*(Select Count(1) From OrçamentosVeículos OV Where "
            "OV.Planílha = O.Planílha)) As NovaVariável " +
            "From ClientesAditivos As A " +
            "Left Join Orçamentos As O On (O.Planílha = A.PlaOrçamento) " +
            "Where A.CodInterno = " + amendment,
        {{"ValorNF", A::Currency}, {"NovoValorNF", A::Currency}, {"NovaVariável", A::Currency}});
  add("amendment: vehicle services",
      std::string("Select Vei.Modelo, Vei.Placa, Vei.Chassis, Serv.Descrição, "
                  "AdtServVei.ValorServiço, AdtServVei.NovoValorServiço From "
                  "AditivosVeículosServiçosAdicionais AdtServVei ") +
          "Inner Join AditivosVeículos AdtVei On AdtServVei.CodAditivo=AdtVei.CodAditivo And "
          "AdtServVei.CodVeículo=AdtVei.CodVeículo " +
          "Inner Join GRVeículos Vei On AdtVei.CodVeículo=Vei.CodInterno " +
          "Inner Join ServiçosAdicionais Serv On AdtServVei.CodServiço=Serv.CodInterno " +
          "Where AdtServVei.CodAditivo = 3 " + "Order By AdtServVei.CodInterno",
      {{"Modelo", A::VarChar},
       {"Descrição", A::VarChar},
       {"ValorServiço", A::Currency},
       {"NovoValorServiço", A::Currency}},
      4);
  // The literal amounts (decimal) outrank the money column: the union's column is decimal.
  add("amendment: services before", services_history("1042", "139.90", "60.00"),
      {{"CodServiço", A::Integer},
       {"Serviço", A::VarChar},
       {"ValorServiço", A::Numeric},
       {"Quantidade", A::Double}},
      4);
  add("amendment: services before, a sale", services_history("1057", "109.90", ""),
      {{"Serviço", A::VarChar}, {"ValorServiço", A::Numeric}}, 3);
  add("amendment: services added",
      "Select CodServiço, (Select Descrição From ServiçosAdicionais Where "
      "ServiçosAdicionais.CodInterno=AditivosServiçosAdicionais.CodServiço) As Serviço, "
      "ValorServiço, Quantidade From AditivosServiçosAdicionais Where CodAditivo=1 Order By "
      "Serviço",
      {{"Serviço", A::VarChar}, {"ValorServiço", A::Currency}, {"Quantidade", A::Double}});
  add("amendment: history", "Select * From ClientesHistórico Where CodAditivo=1",
      {{"CodInterno", A::Integer},
       {"ValorAnterior", A::Currency},
       {"NovoValor", A::Currency},
       {"ValorAnteriorME", A::Currency},
       {"NovoValorME", A::Currency},
       {"ValorAnteriorComodato", A::Currency},
       {"NovoValorComodato", A::Currency}});
  add("amendment: service history",
      std::string("Select *, (Select Descrição From ServiçosAdicionais Where "
                  "ServiçosAdicionais.CodInterno=ClientesHistóricoServiçosAdicionais.CodServiço) "
                  "As Serviço ") +
          "From ClientesHistóricoServiçosAdicionais " + "Where CodHistórico=1 Order By CodInterno",
      {{"Serviço", A::VarChar},
       {"Quantidadeanterior", A::Double},
       {"novaQuantidade", A::Double},
       {"ValorAnterior", A::Currency},
       {"NovoValor", A::Currency}},
      3);
  add("amendment: added products",
      std::string("Select OrçamentosProdutos.*, Case Modalidade When 'V' Then 1 Else CobraLocado "
                  "End As Cobrado ") +
          "From OrçamentosProdutos Inner Join Orçamentos On "
          "OrçamentosProdutos.Planílha=Orçamentos.Planílha " +
          "Where CobraLocado=0 And Quantidade>0 And OrçamentosProdutos.Planílha=20066 Order By "
          "OrçamentosProdutos.CodInterno",
      {{"Cobrado", A::Integer}, {"Líquido", A::Currency}, {"TotalLíquido", A::Currency}}, 2);
  add("amendment: added services",
      std::string("Select OrçamentoServiços.* ") +
          "From OrçamentoServiços Inner Join Orçamentos On "
          "OrçamentoServiços.Planílha=Orçamentos.Planílha " +
          "Where Quantidade>0 And OrçamentoServiços.Planílha=20066 Order By "
          "OrçamentoServiços.CodInterno",
      {{"Total", A::Currency}, {"CobraLocado", A::Boolean}}, 3);
  add("amendment: withdrawn products",
      std::string("Select * ") + "From OrçamentosProdutosRetirar " +
          "Where Quantidade>0 And Planílha=20063 Order By CodInterno",
      {{"Unitário", A::Currency}, {"Total", A::Currency}});
  add("amendment: added vehicles",
      "Select *, " + kVehicleMonthly +
          " From OrçamentosVeículos Where Planílha=20063 Order By CodInterno",
      {{"Placa", A::VarChar}, {"ValorVeículo", A::Currency}}, 2);
  add("amendment: removed vehicles",
      "Select * From OrçamentosVeículosRetirar Where Planílha=20063 Order By CodInterno",
      {{"CodVeículo", A::Integer}});
  add("amendment: active vehicles",
      "Select CodInterno, Placa, Cor, Ano, Modelo, Chassis, ValorVeículo From GRVeículos Where "
      "Cliente=1063 And Isnull(Ativo,0)<>0 Order By CodInterno",
      {{"ValorVeículo", A::Currency}}, 4);
  add("amendment: vehicle cancelled",
      lookup("CodInterno", "VeículosCancelamento", "StatusCancelamento='A' And CodVeículo=4"),
      {{nullptr, A::Integer}});
  add("amendment: vehicle service table",
      std::string("Select SA.Descrição As Descricao, OVSA.ValorServiço As ValorServico, "
                  "ORC.PrazoContrato As PrazoContrato ") +
          "From Orçamentos As ORC " +
          "Inner Join OrçamentosVeículosServiçosAdicionais As OVSA On OVSA.Planílha=ORC.Planílha " +
          "Inner Join ServiçosAdicionais As SA On OVSA.CodServiço=SA.CodInterno " +
          "Where ORC.Status Not In ('C', 'A', 'P') And Cliente=1063 Order By ORC.Liberação Desc, "
          "ORC.CodInterno",
      {{"Descricao", A::VarChar}, {"ValorServico", A::Currency}, {"PrazoContrato", A::SmallInt}},
      4);
  add("amendment: budget vehicle table",
      "Select OrçamentosVeículos.*, (Select Descreve From DadosEntidades Where "
      "CodInterno=OrçamentosVeículos.TipoVeículo) As Tipo From OrçamentosVeículos Inner Join "
      "Orçamentos On OrçamentosVeículos.Planílha=Orçamentos.Planílha Where " +
          kApproved + " And Orçamentos.Cliente=1063",
      {{"Tipo", A::VarChar}, {"Combustível", A::Char}, {"Renavam", A::VarChar}}, 5);
  add("amendment: acceptance",
      lookup("Ace_Codigo", "AceiteDigital", "Ace_Link='c7e24b18-90af-4d3e-b5a2-6f1e0d9c3a72'"),
      {{nullptr, A::Integer}});
  return q;
}

class Corpus : public ::testing::Test {
 protected:
  void SetUp() override {
    conn = open_connection(from_utf8("sqlite:" + orvane::testing::demo_database(dir).string()));
  }
  RecordsetPtr open(const std::string& sql) { return open_recordset(conn, from_utf8(sql)); }
  Variant value(const std::string& sql, const char* field = nullptr) {
    auto rs = open(sql);
    if (rs->eof()) return Variant::Null();
    return field ? rs->field(from_utf8(field)) : rs->field(0);
  }
  std::vector<std::string> column(const std::string& sql, const char* field) {
    std::vector<std::string> out;
    for (auto rs = open(sql); !rs->eof(); rs->move_next())
      out.push_back(to_utf8(CStr(rs->field(from_utf8(field)))));
    return out;
  }

  TempDir dir;
  ConnectionPtr conn;
};

TEST_F(Corpus, EveryTextRunsAndReturnsTheColumnsItsCallersRead) {
  for (const Query& q : corpus()) {
    SCOPED_TRACE(std::string(q.use) + ": " + q.sql);
    RecordsetPtr rs;
    try {
      rs = open(q.sql);
    } catch (const VbError& e) {
      ADD_FAILURE() << to_utf8(e.description());
      continue;
    }
    EXPECT_GE(rs->record_count(), q.min_rows);
    for (const Col& c : q.columns) {
      int i = c.name ? rs->field_index(from_utf8(c.name)) : 0;
      if (i < 0 || i >= rs->field_count()) {
        ADD_FAILURE() << "no column " << (c.name ? c.name : "0");
        continue;
      }
      EXPECT_EQ(static_cast<int>(rs->field_info(i).type), static_cast<int>(c.type))
          << "column " << (c.name ? c.name : "0");
    }
    for (; !rs->eof(); rs->move_next())
      for (int i = 0; i < rs->field_count(); ++i) (void)rs->field(i);
  }
}

// Zones come numbered first, in numeric order, then the event codes.
TEST_F(Corpus, ZonesSortNumbersFirst) {
  EXPECT_EQ(
      column("SELECT Distinct Evento, Descrição, DescProduto, TipoSensor, IsNumeric(Evento), "
             "LEN(Evento) FROM ClientesEventos Where CodCliente=1042 And Chave='2231' Order "
             "By IsNumeric(Evento) Desc, LEN(Evento), Evento",
             "Evento"),
      (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "10", "11", "E130", "E301", "E401"}));
}

// The three latest earlier orders, never the cancelled one, with the schedule put together
// from the date and the time of day.
TEST_F(Corpus, EarlierOrdersOfTheServiceOrder) {
  EXPECT_EQ(column(earlier_orders(1), "Ordem"), (std::vector<std::string>{"5001", "4977", "4902"}));
  EXPECT_EQ(column(earlier_orders(3), "Ordem"), (std::vector<std::string>{"4977", "4902", "4827"}));
  Variant agenda = value(earlier_orders(4), "DataAgenda");
  EXPECT_EQ(to_utf8(FormatText(agenda, u"yyyy-mm-dd hh:nn:ss")), "2026-12-14 16:00:00");
}

// Groups come in name order with the unnamed lines as OUTROS; rented lines have no real price.
TEST_F(Corpus, GroupedBudgetProducts) {
  auto rs = open(budget_lines("20051", false));
  int group = -1, unit_real = rs->field_index(u"UnitReal");
  for (int i = 0; i < rs->field_count(); ++i)
    if (rs->field_info(i).name == u"GrupoOrçamento") group = i;
  std::vector<std::string> groups, prices;
  for (; !rs->eof(); rs->move_next()) {
    groups.push_back(to_utf8(CStr(rs->field(group))));
    prices.push_back(to_utf8(CStr(rs->field(unit_real))));
  }
  EXPECT_EQ(groups,
            (std::vector<std::string>{"CENTRAL E TECLADO", "CENTRAL E TECLADO", "OUTROS", "OUTROS",
                                      "OUTROS", "OUTROS", "SENSORES", "SENSORES", "SENSORES"}));
  EXPECT_EQ(prices, (std::vector<std::string>{"0", "0", "0", "0", "0", "3,2", "0", "0", "79,9"}));
}

TEST_F(Corpus, ComputedValues) {
  auto money = [&](const std::string& sql, const char* field = nullptr) {
    return to_utf8(CStr(value(sql, field)));
  };
  EXPECT_EQ(money(price_tables("20058", false), "Valor24"), "2296,1");
  EXPECT_EQ(money(price_tables("20058", false), "Valor36"), "2337,1");
  EXPECT_EQ(money(lookup("Sum(TotalLíquido)",
                         "OrçamentosProdutos Inner Join Produtos On "
                         "OrçamentosProdutos.CodProduto=Produtos.CodProduto",
                         "Planílha=20058 And Right(Isnull(CodSituaçãoTributária,''),2)<>'60' And "
                         "Right(Isnull(CSOSN,''),3)<>'500'")),
            "2000,6");
  EXPECT_EQ(money("Select A.ValorNF+IsNull(NullIf((Select SUM(ValorRastreamento) From "
                  "OrçamentosVeículos OV Where OV.Planílha = O.Planílha),0), "
                  "IsNull(O.VeiculosMensal,0)*(Select Count(1) From OrçamentosVeículos OV Where "
                  "OV.Planílha = O.Planílha)) As NovaVariável From ClientesAditivos As A Left Join "
                  "Orçamentos As O On (O.Planílha = A.PlaOrçamento) Where A.CodInterno = 3"),
            "783,3");
  EXPECT_EQ(money(lookup("Codigo", "DadosEntidades", "CodEntidade=170 And Descreve=2")), "0");
  EXPECT_EQ(
      column(services_history("1042", "139.90", "60.00"), "Serviço"),
      (std::vector<std::string>{"**MONITORAMENTO MENSAL", "*LOCAÇÃO/COMODATO",
                                "APLICATIVO DE CELULAR (ARME/DESARME)", "PRONTA RESPOSTA TÁTICA"}));
  EXPECT_EQ(
      money("Select Descrição, ValorServiço/(Case Isnull(Quantidade,0) When 0 Then 1 Else "
            "Isnull(Quantidade,0) End) As Unitário From ClientesServiçosAdicionais Inner Join "
            "ServiçosAdicionais On "
            "ClientesServiçosAdicionais.CodServiço=ServiçosAdicionais.CodInterno Where "
            "CodServiço>0 And CodCLiente=1063",
            "Unitário"),
      "24,9");
}

// What the equipment balance and the contract write: a delete, a row added through a
// recordset (the key numbered by the database) and an update.
TEST_F(Corpus, Writes) {
  int64_t affected = -1;
  conn->execute(u"Delete From TempProdutosCliente Where Cliente=1042", &affected);
  EXPECT_EQ(affected, 0);
  auto rs = open_recordset(conn,
                           u"Select * From TempProdutosCliente Where Cliente=1042 And "
                           u"CodProduto=1003 And Tipo='Em Transito'",
                           CursorType::Static, LockType::Optimistic);
  ASSERT_EQ(rs->record_count(), 0);
  rs->add_new();
  rs->set_field(u"Tipo", Variant(Text(u"Em Transito")));
  rs->set_field(u"Cliente", Variant(int32_t{1042}));
  rs->set_field(u"CodProduto", Variant(int32_t{1003}));
  rs->set_field(T("Descrição"), Variant(T("SENSOR INFRAVERMELHO PASSIVO IVP 3000 MW")));
  rs->set_field(u"Quantidade", Variant(1.0));
  rs->update();
  EXPECT_EQ(to_utf8(CStr(value("Select CodInterno, Quantidade From TempProdutosCliente Where "
                               "Cliente=1042 And Tipo='Em Transito'",
                               "CodInterno"))),
            "1");
  conn->execute(u"Delete From TempProdutosCliente Where Cliente=1042 And Isnull(Quantidade,0)=0",
                &affected);
  EXPECT_EQ(affected, 0);

  conn->execute(u"Update ClientesContratos Set Assinado=0, Assinatura=null Where CodCliente=1042",
                &affected);
  EXPECT_EQ(affected, 1);
  EXPECT_TRUE(value("Select Assinatura From ClientesContratos Where CodCliente=1042").is_null());
}

}  // namespace
}  // namespace orvane::db
