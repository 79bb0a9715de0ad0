#include "docgen/shared/contract_queries.h"

#include "docgen/shared/contract_keys.h"

namespace orvane::docgen::contract_sql {
namespace {

Text t(const char* utf8) { return T(utf8); }
Text approved() { return Text(kApprovedBudgets); }

}  // namespace

Text sold_service_order_products(TextView code) {
  return t("Select OSProdutos.*, (Select Unidade From Produtos Where "
           "CodProduto=OSProdutos.CodProduto) As Unidade From OSProdutos Inner Join OSs On "
           "OSProdutos.Planílha=OSs.Planílha Where Status<>'A' And Isnull(CobraCliente,0) <> 0 "
           "And OSs.Cliente=") +
         Text(code);
}

Text lent_service_order_products(TextView code) {
  return t("Select OSProdutos.*, (Select Unidade From Produtos Where "
           "CodProduto=OSProdutos.CodProduto) As Unidade From OSProdutos Inner Join OSs On "
           "OSProdutos.Planílha=OSs.Planílha Where Status Not In ('A','C') And "
           "Isnull(CobraCliente,0) = 0 And OSs.Cliente=") +
         Text(code);
}

Text charged_budget_lines(TextView code, TextView filter) {
  return t("Select OrçamentosProdutos.*, Orçamentos.Cliente, Case Modalidade When 'V' Then 1 Else "
           "CobraLocado End As Cobrado From OrçamentosProdutos Inner Join Orçamentos On "
           "OrçamentosProdutos.Planílha=Orçamentos.Planílha Where ") +
         approved() +
         t(" And (Case Modalidade When 'V' Then 1 Else CobraLocado End)<>0 And "
           "Orçamentos.Cliente=") +
         Text(code) + Text(filter) + t(" Order By OrçamentosProdutos.CodInterno");
}

Text rented_free_budget_lines(TextView code, TextView filter) {
  return t("Select OrçamentosProdutos.*, Orçamentos.Cliente, Case Modalidade When 'V' Then 1 Else "
           "CobraLocado End As Cobrado From OrçamentosProdutos Inner Join Orçamentos On "
           "OrçamentosProdutos.Planílha=Orçamentos.Planílha Where ") +
         approved() +
         t(" And Modalidade<>'V' And Isnull(CobraLocado,0)=0 And Orçamentos.Cliente=") +
         Text(code) + Text(filter);
}

Text equipment_balance(TextView code) {
  return t("Select * From TempProdutosCliente Where Cliente=") + Text(code);
}

Text budget_lines_with_kind(TextView code, TextView filter) {
  return t("Select OrçamentosProdutos.*, Orçamentos.Cliente, Case Modalidade When 'V' Then 1 Else "
           "CobraLocado End As Cobrado From OrçamentosProdutos Inner Join Orçamentos On "
           "OrçamentosProdutos.Planílha=Orçamentos.Planílha Where ") +
         approved() + t(" And Orçamentos.Cliente=") + Text(code) + Text(filter) +
         t(" Order By OrçamentosProdutos.CodInterno");
}

Text charged_services_total(TextView code, TextView filter) {
  return t("Select Sum(Total) As TT From OrçamentoServiços Inner Join Orçamentos On "
           "OrçamentoServiços.Planílha=Orçamentos.Planílha Where (Case Modalidade When 'V' Then 1 "
           "Else CobraLocado End)<>0 And ") +
         approved() + u" And Cliente=" + Text(code) + Text(filter);
}

Text budget_totals(TextView code, TextView filter) {
  return t("Select Sum(TotalProdutos+TotalServiços+ValorCREA+Isnull(ValorFrete,0)) As ComCrea, "
           "Sum(TotalProdutos+TotalServiços) As Venda From Orçamentos Where ") +
         approved() + u" And Cliente=" + Text(code) + Text(filter);
}

Text selected_budgets(TextView code, TextView filter) {
  return t("SELECT NumOrçamento, TotalProdutos, TotalServiços, ValorCrea, ValorFrete, "
           "VeiculosQuantidade, VeiculosMensal, VeículosComodato from Orçamentos Where ") +
         approved() + u" And Cliente=" + Text(code) + Text(filter);
}

Text grouped_budget_services(TextView code, TextView filter) {
  return t("Select CodServiço, Descrição, Sum(Quantidade) As Quantidade, Sum(Total) As Total From "
           "OrçamentoServiços Inner Join Orçamentos On "
           "OrçamentoServiços.Planílha=Orçamentos.Planílha ") +
         u"Where " + approved() + u" And Cliente=" + Text(code) + Text(filter) + u" " +
         t("Group By CodServiço, Descrição Order By Descrição");
}

Text approved_budgets_of(TextView code, TextView filter) {
  return approved() + u" And Orçamentos.Cliente=" + Text(code) + Text(filter);
}

Text grouped_budget_additional_services(TextView where) {
  return t("Select CodServiço, (Select Descrição From ServiçosAdicionais Where "
           "CodInterno=OrçamentosServiçosAdicionais.CodServiço) As NomeServiço, Observações, "
           "Sum(Quantidade) As Qtdade, Sum(ValorServiço) As ValorTotal, Sum(DescontoTotal) As "
           "Desconto From OrçamentosServiçosAdicionais Inner Join Orçamentos On "
           "OrçamentosServiçosAdicionais.Planílha=Orçamentos.Planílha Where ") +
         Text(where) + t(" Group By CodServiço, Observações Order By CodServiço, Observações");
}

Text customer_additional_services(TextView code) {
  return t("Select Descrição, Case Isnull(Quantidade,0) When 0 Then 1 Else Isnull(Quantidade,0) "
           "End As Quantidade, ValorServiço/(Case Isnull(Quantidade,0) When 0 Then 1 Else "
           "Isnull(Quantidade,0) End) As Unitário, ValorServiço As Total ") +
         t("From ClientesServiçosAdicionais Inner Join ServiçosAdicionais On "
           "ClientesServiçosAdicionais.CodServiço=ServiçosAdicionais.CodInterno ") +
         t("Where CodServiço>0 And CodCLiente=") + Text(code) + t(" Order By Descrição");
}

Text customer_services_with_notes(TextView code) {
  return t("Select ClientesServiçosAdicionais.*, ServiçosAdicionais.Descrição From "
           "ClientesServiçosAdicionais Inner Join ServiçosAdicionais On "
           "ClientesServiçosAdicionais.CodServiço=ServiçosAdicionais.CodInterno Where "
           "CodServiço>0 And CodCliente=") +
         Text(code) + t(" Order By Descrição");
}

Text additional_service_kinds() {
  return t("Select * From ServiçosAdicionais Order By CodInterno Desc");
}

Text monthly_lines(TextView monitoring, TextView rental, bool sale) {
  Text sql = u"Select 'MONITORAMENTO MENSAL' As " + t("Descrição") + u", 1 As Quantidade, " +
             Text(monitoring) + u" As " + t("Unitário") + u", " + Text(monitoring) + u" As Total";
  if (!sale) {
    sql +=
        t(" Union All Select 'LOCAÇÃO DE EQUIPAMENTOS', 1, ") + Text(rental) + u", " + Text(rental);
  }
  return sql;
}

Text budget_vehicles(TextView code, TextView filter) {
  return t("Select OrçamentosVeículos.*, (Select Rtrim(Descreve) From DadosEntidades Where "
           "CodInterno=OrçamentosVeículos.TipoVeículo) As Tipo, ") +
         t("Isnull(ValorRastreamento,0)+Isnull(ValorSeguro,0)+Isnull(ValorAssistência,0)+"
           "Isnull(ValorBloqueio,0)+Isnull(ValorLocação,0) + Isnull((Select Sum(ValorServiço) "
           "From OrçamentosVeículosServiçosAdicionais Where Planílha=Orçamentos.Planílha And "
           "CodVeículoOrc=OrçamentosVeículos.CodInterno),0) As ValorVeículo, ") +
         t("Isnull(VeiculosMensal,0)+Isnull(VeículosComodato,0)+Isnull(VeículosSeguro,0)+"
           "Isnull(VeículosAssistência,0) As ValorVeículoOrc ") +
         t("From OrçamentosVeículos Inner Join Orçamentos On "
           "OrçamentosVeículos.Planílha=Orçamentos.Planílha Where ") +
         approved() + t(" And Orçamentos.Cliente=") + Text(code) + Text(filter) +
         t(" Order By OrçamentosVeículos.CodInterno");
}

Text receivables_with_interest(TextView code, TextView fine, TextView daily, TextView kind) {
  const Text interest = u"ContasReceber.Saldo + Round(Saldo*" + Text(fine) +
                        u"/100,2) +Round(Saldo*" + Text(daily) +
                        u"/100,2)*DateDiff(Day,Vencimento, GetDate())";
  const Text past = u"DateDiff(Day,Vencimento, GetDate())>0";
  Text sql = t("Select Número, Letra, Vencimento, Saldo, ");
  if (kind.empty()) {
    sql += u"Case When " + past + u" Then " + interest + u" Else Saldo End";
  } else {
    sql += interest;
  }
  sql += u" As ValorJuros From ContasReceber Where Saldo>0";
  if (kind == u"Fat") sql += u" And " + past + T(" And Left(Operação,3)='Fat'");
  if (kind == u"OS") sql += u" And " + past + T(" And Left(Operação,2)='OS'");
  return sql + u" And Cliente=" + Text(code) + T(" Order By Vencimento, Número, Letra");
}

Text budgets_observations(TextView customer, TextView filter) {
  return t("Select NumOrçamento, Observ From Orçamentos Where ") + approved() + u" And Cliente=" +
         Text(customer) + Text(filter) + t(" Order By Orçamentos.Planílha");
}

Text customer_cancellation(TextView customer) {
  return t("Select * From ClientesCancelamentos Where StatusCancelamento<>'C' And CodCliente=") +
         Text(customer);
}

Text payment_condition(TextView code) {
  return t("Select * From CondiçõesPagto Where CodCondição=") + Text(code);
}

}  // namespace orvane::docgen::contract_sql
