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

Text customer_cancellation(TextView customer) {
  return t("Select * From ClientesCancelamentos Where StatusCancelamento<>'C' And CodCliente=") +
         Text(customer);
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

Text budgets_observations(TextView customer, TextView filter) {
  return t("Select NumOrçamento, Observ From Orçamentos Where ") + kApprovedBudgets +
         u" And Cliente=" + Text(customer) + Text(filter) + t(" Order By Orçamentos.Planílha");
}

}  // namespace orvane::docgen::contract_sql
