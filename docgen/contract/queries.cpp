#include "docgen/contract/queries.h"

#include "docgen/shared/contract_keys.h"

namespace orvane::docgen::contract_sql {
namespace {
Text t(const char* utf8) { return T(utf8); }
}  // namespace

Text customer(TextView code) { return t("Select * From Clientes Where CodCliente=") + Text(code); }

Text contract_record(TextView code) {
  return t("Select * From ClientesContratos Where CodCliente=") + Text(code);
}

Text first_vehicle(TextView code) {
  return t("Select Top 1 * From GRVeículos Where Cliente=") + Text(code) + u" Order By CodInterno";
}

Text company(TextView code) {
  return t("Select CodEmpresa, RazãoSocial, Fantasia, CGC, InscriçãoEstadual, Endereço, Bairro, "
           "Município, UF, Telefone, CEP, Gerente, Email, InscriçãoMunicipal, CPFRespEmpresa, "
           "Gerente, Case Isnull(CidadeForo,'') When '' Then Município Else CidadeForo End As "
           "CidadeForo From Empresas Where CodEmpresa=") +
         Text(code);
}

Text vehicle(TextView code) { return t("Select * From GRVeículos Where CodInterno=") + Text(code); }

Text post(TextView code) {
  return t("Select * From ClientesPostos Where CodInterno=") + Text(code);
}

Text vehicle_cancellation(TextView vehicle) {
  return t("Select * From VeículosCancelamento Where StatusCancelamento<>'C' And CodVeículo=") +
         Text(vehicle);
}

Text post_cancellation(TextView post) {
  return t("Select * From PostosCancelamentos Where StatusCancelamento<>'C' And CodPosto=") +
         Text(post);
}

Text cancellation_receivables(TextView planilha) {
  return t("Select Número, Letra, Vencimento, ValorDuplicata From ContasReceber Where Planílha=") +
         Text(planilha) + u" Order By Vencimento";
}

Text customer_taxes(TextView customer) {
  return t("Select CGCCPF, ManterISS, ValorNF, BaseISS, DISS, ISS, BaseINSS, DINSS, INSS, "
           "BaseIRPF, "
           "DIRPF, IRPF, BasePIS, DPIS, PIS, BaseCOFINS, DCOFINS, COFINS, BaseCSLL, DCSLL, CSLL ") +
         t("From Clientes Where CodCliente=") + Text(customer);
}

Text unsigned_contract(TextView customer) {
  return t("Update ClientesContratos Set Assinado=0, Assinatura=null Where CodCliente=") +
         Text(customer);
}

Text bonuses(TextView customer) {
  return t("Select Data, ValorDespesa, BonificaIntegral From ClientesBonificações Where "
           "CodCliente=") +
         Text(customer) + u" And Isnull(Faturada,0)=0 Order By Data";
}

Text budgets_monthly(TextView customer, TextView filter) {
  return t("Select Sum(Isnull(ValorMonitoramento,0)+Isnull(ValorComodato,0)) As Mensal From "
           "Orçamentos Where ") +
         kApprovedBudgets + u" And Cliente=" + Text(customer) + Text(filter);
}

Text budgets_additional_services(TextView customer, TextView filter) {
  return t("Select Sum(ValorServiço) As Adicionais From OrçamentosServiçosAdicionais Inner Join "
           "Orçamentos On OrçamentosServiçosAdicionais.Planílha=Orçamentos.Planílha Where ") +
         kApprovedBudgets + u" And Cliente=" + Text(customer) + Text(filter);
}

Text customer_vehicles(TextView code) {
  return t("Select Placa, Cor, Ano, Modelo, Chassis, Renavam, ValorVeículo, ") +
         t("(Select Rtrim(Descreve) From DadosEntidades Where CodInterno=GRVeículos.TipoVeículo) "
           "As Tipo ") +
         t("From GRVeículos Where Cliente=") + Text(code) +
         t(" And Isnull(Ativo,0)<>0 Order By CodInterno");
}

Text vehicle_services(TextView code) {
  return t("Select GrVeículos.CodInterno, GrVeículos.Placa, "
           "GRVeículosServiçosAdicionais.CodServiço, "
           "ServiçosAdicionais.Descrição ") +
         t("From GrVeículos ") +
         t("Inner Join GRVeículosServiçosAdicionais On "
           "GRVeículos.CodInterno=GRVeículosServiçosAdicionais.CodVeículo ") +
         t("Inner Join ServiçosAdicionais On "
           "GRVeículosServiçosAdicionais.CodServiço=ServiçosAdicionais.CodInterno ") +
         t("Where IsNull(GrVeículos.Ativo, 0) <> 0 And GrVeículos.Cliente = ") + Text(code) + u" " +
         t("Order By GrVeículos.Placa, ServiçosAdicionais.Descrição");
}

Text trackers(TextView code) {
  return t("Select GRVeículos.CodInterno, Placa, GRRastreador.IDChip As IDRastreador, "
           "GRRastreador.Modelo, GRVeículos.Modelo As ModeloVei, GRVeículos.Ano, "
           "GRVeículos.Chassis, GRVeículos.Renavam, GRVeículos.ValorVeículo, ") +
         t("(Select Serial From GRChip Where CodInterno=(Select Top 1 CodChip From GRVeículosChip "
           "Where CodVeículo=GRVeículos.CodInterno)) As Imei ") +
         t("From GRVeículos ") +
         t("Inner Join GRVeículosRastreador On "
           "GRVeículos.CodInterno=GRVeículosRastreador.CodVeículo ") +
         t("Inner Join GRRastreador On "
           "GRRastreador.CodInterno=GRVeículosRastreador.CodRastreador ") +
         t("Where Cliente=") + Text(code) +
         t(" And Isnull(Ativo,0)<>0 Order By GRVeículos.Inclusão, GRVeículos.CodInterno");
}

Text batch_chips(TextView code) {
  return t("SELECT CodInterno, Serial, DDD, Linha, ") +
         t("(Select Top 1 RTrim(Descreve) From DadosEntidades Where CodInterno=GRChip.Operadora) "
           "As "
           "Operadora ") +
         t("FROM GRChip ") +
         t("Where Isnull((Select Top 1 Clientes.CodCliente From Clientes Inner Join ClientesChip "
           "On "
           "Clientes.CodCliente=ClientesChip.CodCliente Where Isnull(FaturaLote,0)<>0 And "
           "CodChip=GRChip.CodInterno),0)=") +
         Text(code) + t(" Order By DDD, Linha, Serial");
}

Text origin_budget(TextView planilha) {
  return t("Select * From Orçamentos Where Planílha=") + Text(planilha);
}

Text imported_service_orders(TextView planilha) {
  return t("Select Ordem From OSs Where Planílha In (Select PlanílhaOS From OSImportação Where "
           "PlanílhaOrçamento=") +
         Text(planilha) + t(") Order By Ordem");
}

Text contacts(TextView code) {
  return t("Select Nome, Fone1, Fone2, Celular, Email From ProspectsContatos Where "
           "Isnull(Ativo,0)<>0 And (CodCliente=") +
         Text(code) + t(" Or CodProspect In (Select CodProspect From Prospects Where CodCliente=") +
         Text(code) + t(")) Order By Nome");
}

Text post_services(TextView code, TextView post) {
  Text sql = t("Select ClientesPostos.Identificação, ClientesPostosServiços.* From "
               "ClientesPostosServiços Inner Join ClientesPostos On "
               "ClientesPostosServiços.CodPosto=ClientesPostos.CodInterno Where (DataFinal Is null "
               "Or DataFinal>GetDate()) And ClientesPostos.CodCliente=") +
             Text(code);
  if (post != u"0") sql += u" And ClientesPostos.CodInterno=" + Text(post);
  return sql + t(" Order By ClientesPostos.CodInterno, ClientesPostosServiços.CodInterno");
}

Text budget_additional_service_notes(TextView code, TextView filter) {
  return t("Select Observações From OrçamentosServiçosAdicionais Inner Join Orçamentos On "
           "OrçamentosServiçosAdicionais.Planílha=Orçamentos.Planílha Where ") +
         kApprovedBudgets + u" And Cliente=" + Text(code) + Text(filter) +
         t(" And Isnull(Observações,'')<>'' Order By OrçamentosServiçosAdicionais.CodInterno");
}

Text budget_products(TextView code, TextView filter) {
  return t("Select OrçamentosProdutos.*, Produtos.Foto, Produtos.Aplicaçao, Produtos.Unidade, "
           "Case Isnull(OrçamentosProdutos.GrupoOrçamento,'') When '' Then 'OUTROS' Else "
           "OrçamentosProdutos.GrupoOrçamento End As Grupo, Case Modalidade When 'V' Then 1 Else "
           "CobraLocado End As Cobrado From OrçamentosProdutos Inner Join Orçamentos On "
           "OrçamentosProdutos.Planílha=Orçamentos.Planílha Inner Join Produtos On "
           "OrçamentosProdutos.CodProduto=Produtos.CodProduto Where ") +
         kApprovedBudgets + t(" And Orçamentos.Cliente=") + Text(code) + Text(filter) +
         t(" Order By Case Isnull(OrçamentosProdutos.GrupoOrçamento,'') When '' Then 'OUTROS' Else "
           "OrçamentosProdutos.GrupoOrçamento End, OrçamentosProdutos.CodInterno");
}

Text head_office_products(TextView code, TextView filter) {
  return t("Select OrçamentosProdutos.* From OrçamentosProdutos Inner Join Orçamentos On "
           "OrçamentosProdutos.Planílha=Orçamentos.Planílha Where ") +
         kApprovedBudgets + t(" And Isnull(EntregaMatriz,0)<>0 And Orçamentos.Cliente=") +
         Text(code) + Text(filter) + t(" Order By OrçamentosProdutos.CodInterno");
}

Text head_office_services(TextView code, TextView filter, bool head_office) {
  return t("Select ServiçosAdicionais.Descrição, OrçamentosServiçosAdicionais.Quantidade, "
           "OrçamentosServiçosAdicionais.ValorServiço From OrçamentosServiçosAdicionais Inner "
           "Join Orçamentos On OrçamentosServiçosAdicionais.Planílha=Orçamentos.Planílha Inner "
           "Join ServiçosAdicionais On "
           "OrçamentosServiçosAdicionais.CodServiço=ServiçosAdicionais.CodInterno Where ") +
         kApprovedBudgets + t(" And Orçamentos.Cliente=") + Text(code) + Text(filter) +
         (head_office ? t(" And ServiçosAdicionais.UnidadeGeração=2393 And "
                          "ServiçosAdicionais.EmpresaGeração=1")
                      : t(" And Isnull(ServiçosAdicionais.UnidadeGeração,0)=0 And "
                          "Isnull(ServiçosAdicionais.EmpresaGeração,0)=0")) +
         t(" Order By OrçamentosServiçosAdicionais.CodInterno");
}

}  // namespace orvane::docgen::contract_sql
