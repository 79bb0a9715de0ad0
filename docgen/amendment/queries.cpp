#include "docgen/amendment/queries.h"

namespace orvane::docgen::amendment_sql {

Text customer(TextView cod_cliente) {
  return u"Select * From Clientes Where CodCliente=" + Text(cod_cliente);
}

Text contract(TextView cod_cliente) {
  return u"Select * From ClientesContratos Where CodCliente=" + Text(cod_cliente);
}

Text first_vehicle(TextView cod_cliente) {
  return T("Select Top 1 * From GRVeículos Where Cliente=") + Text(cod_cliente) +
         u" Order By CodInterno";
}

Text amendment(TextView cod_cliente, TextView num_aditivo) {
  return u"Select * From ClientesAditivos Where Isnull(Cancelado,0)=0 And CodCliente=" +
         Text(cod_cliente) + u" And NumAditivo=" + Text(num_aditivo);
}

Text company(TextView cod_empresa) {
  return T("Select CodEmpresa, RazãoSocial, Fantasia, CGC, InscriçãoEstadual, Endereço, Bairro, "
           "Município, UF, Telefone, CEP, Gerente, Email, InscriçãoMunicipal, CPFRespEmpresa, "
           "Gerente, Case Isnull(CidadeForo,'') When '' Then Município Else CidadeForo End As "
           "CidadeForo From Empresas Where CodEmpresa=") +
         Text(cod_empresa);
}

Text post(TextView cod_posto) {
  return u"Select * From ClientesPostos Where CodInterno=" + Text(cod_posto);
}

Text post_services(TextView cod_posto) {
  return T("Select * From ClientesPostosServiços Where CodPosto=") + Text(cod_posto) +
         u" And (DataFinal Is null Or DataFinal>GetDate()) Order By CodInterno";
}

Text new_tracking_value(TextView cod_aditivo) {
  return Text(u"Select A.ValorNF, A.NovoValorNF, ") +
         T("A.ValorNF+IsNull(NullIf((Select SUM(ValorRastreamento) From OrçamentosVeículos OV "
           "Where OV.Planílha = O.Planílha),0), ") +
         T("IsNull(O.VeiculosMensal,0)*(Select Count(1) From OrçamentosVeículos OV Where "
           "OV.Planílha = O.Planílha)) As NovaVariável ") +
         u"From ClientesAditivos As A " +
         T("Left Join Orçamentos As O On (O.Planílha = A.PlaOrçamento) ") +
         u"Where A.CodInterno = " + Text(cod_aditivo);
}

Text originating_budget(TextView planilha) {
  return T("Select * From Orçamentos Where Planílha=") + Text(planilha);
}

Text budget_vehicles_value() {
  return T(
      "Isnull(ValorRastreamento,0) + Isnull(ValorLocação,0) + Isnull(ValorSeguro,0) + "
      "Isnull(ValorAssistência,0) + Isnull(ValorBloqueio,0)");
}

Text budget_vehicle_totals() {
  return T(
      "Isnull(VeiculosMensal,0) + Isnull(VeículosSeguro,0) + Isnull(VeículosAssistência,0) "
      "+ Isnull(VeículosComodato,0)");
}

Text excluded_services(TextView cod_cliente) {
  return T("Select Distinct S.Descrição As Servico, Exc.DataExclusão As Cancelamento ") +
         T("From ClientesServiçosAdicionaisExcluídos Exc Inner Join ServiçosAdicionais S On "
           "Exc.CodServiço=S.CodInterno ") +
         u"Where Exc.CodCliente=" + Text(cod_cliente) + T(" Order By Exc.DataExclusão");
}

Text vehicle_service_changes(TextView cod_aditivo) {
  return T("Select Vei.Modelo, Vei.Placa, Vei.Chassis, Serv.Descrição, AdtServVei.ValorServiço, "
           "AdtServVei.NovoValorServiço From AditivosVeículosServiçosAdicionais AdtServVei ") +
         T("Inner Join AditivosVeículos AdtVei On AdtServVei.CodAditivo=AdtVei.CodAditivo And "
           "AdtServVei.CodVeículo=AdtVei.CodVeículo ") +
         T("Inner Join GRVeículos Vei On AdtVei.CodVeículo=Vei.CodInterno ") +
         T("Inner Join ServiçosAdicionais Serv On AdtServVei.CodServiço=Serv.CodInterno ") +
         u"Where AdtServVei.CodAditivo = " + Text(cod_aditivo) + u" " +
         u"Order By AdtServVei.CodInterno";
}

Text current_services(TextView cod_cliente, TextView monthly, bool with_loan_row, TextView loan) {
  Text sql = T("Select CodServiço, (Select Descrição From ServiçosAdicionais Where "
               "ServiçosAdicionais.CodInterno=ClientesServiçosAdicionais.CodServiço) As Serviço, "
               "ValorServiço, Quantidade From ClientesServiçosAdicionais Where CodCliente=") +
             Text(cod_cliente) +
             T("Union All Select -1 As CodInterno, '**MONITORAMENTO MENSAL' As Descrição, ") +
             Text(monthly) + T(" As ValorServiço, 1 As Quantidade ");
  if (with_loan_row) {
    sql += T("Union All Select -2 As CodInterno, '*LOCAÇÃO/COMODATO' As Descrição, ") + Text(loan) +
           T(" As ValorServiço, 1 As Quantidade ");
  }
  return sql + T(" Order By Serviço");
}

Text amendment_services(TextView cod_aditivo) {
  return T("Select CodServiço, (Select Descrição From ServiçosAdicionais Where "
           "ServiçosAdicionais.CodInterno=AditivosServiçosAdicionais.CodServiço) As Serviço, "
           "ValorServiço, Quantidade From AditivosServiçosAdicionais Where CodAditivo=") +
         Text(cod_aditivo) + T(" Order By Serviço");
}

Text history(TextView cod_aditivo) {
  return T("Select * From ClientesHistórico Where CodAditivo=") + Text(cod_aditivo);
}

Text history_services(TextView cod_historico) {
  return T("Select *, (Select Descrição From ServiçosAdicionais Where "
           "ServiçosAdicionais.CodInterno=ClientesHistóricoServiçosAdicionais.CodServiço) As "
           "Serviço ") +
         T("From ClientesHistóricoServiçosAdicionais ") + T("Where CodHistórico=") +
         Text(cod_historico) + u" Order By CodInterno";
}

Text added_products(TextView planilha) {
  return T("Select OrçamentosProdutos.*, Case Modalidade When 'V' Then 1 Else CobraLocado End "
           "As Cobrado ") +
         T("From OrçamentosProdutos Inner Join Orçamentos On "
           "OrçamentosProdutos.Planílha=Orçamentos.Planílha ") +
         T("Where CobraLocado=0 And Quantidade>0 And OrçamentosProdutos.Planílha=") +
         Text(planilha) + T(" Order By OrçamentosProdutos.CodInterno");
}

Text added_services(TextView planilha) {
  return T("Select OrçamentoServiços.* ") +
         T("From OrçamentoServiços Inner Join Orçamentos On "
           "OrçamentoServiços.Planílha=Orçamentos.Planílha ") +
         T("Where Quantidade>0 And OrçamentoServiços.Planílha=") + Text(planilha) +
         T(" Order By OrçamentoServiços.CodInterno");
}

Text withdrawn_products(TextView planilha) {
  return Text(u"Select * ") + T("From OrçamentosProdutosRetirar ") +
         T("Where Quantidade>0 And Planílha=") + Text(planilha) + u" Order By CodInterno";
}

Text added_vehicles(TextView planilha) {
  return T("Select *, Isnull(ValorRastreamento,0)+Isnull(ValorSeguro,0)+"
           "Isnull(ValorAssistência,0)+Isnull(ValorBloqueio,0)+Isnull(ValorLocação,0) + "
           "Isnull((Select Sum(ValorServiço) From OrçamentosVeículosServiçosAdicionais Where "
           "Planílha=OrçamentosVeículos.Planílha And "
           "CodVeículoOrc=OrçamentosVeículos.CodInterno),0) As ValorVeículo From "
           "OrçamentosVeículos Where Planílha=") +
         Text(planilha) + u" Order By CodInterno";
}

Text removed_vehicles(TextView planilha) {
  return T("Select * From OrçamentosVeículosRetirar Where Planílha=") + Text(planilha) +
         u" Order By CodInterno";
}

Text registered_vehicle(TextView cod_veiculo) {
  return T("Select * From GRVeículos Where CodInterno=") + Text(cod_veiculo);
}

Text active_vehicles(TextView cod_cliente) {
  return T("Select CodInterno, Placa, Cor, Ano, Modelo, Chassis, ValorVeículo From GRVeículos "
           "Where Cliente=") +
         Text(cod_cliente) + u" And Isnull(Ativo,0)<>0 Order By CodInterno";
}

Text confirmed_vehicle_cancellation(TextView cod_veiculo) {
  return T("StatusCancelamento='A' And CodVeículo=") + Text(cod_veiculo);
}

Text additional_services_of_vehicles(TextView cod_cliente) {
  return T("Select SA.Descrição As Descricao, OVSA.ValorServiço As ValorServico, "
           "ORC.PrazoContrato As PrazoContrato ") +
         T("From Orçamentos As ORC ") +
         T("Inner Join OrçamentosVeículosServiçosAdicionais As OVSA On "
           "OVSA.Planílha=ORC.Planílha ") +
         T("Inner Join ServiçosAdicionais As SA On OVSA.CodServiço=SA.CodInterno ") +
         u"Where ORC.Status Not In ('C', 'A', 'P') And Cliente=" + Text(cod_cliente) +
         T(" Order By ORC.Liberação Desc, ORC.CodInterno");
}

Text vehicles_with_additional_services(TextView cod_cliente) {
  return T("Select OV.Modelo, OV.Placa, OV.Chassis, SA.Descrição As Descricao, "
           "OVSA.DescrAlternativa, OVSA.ValorServiço As ValorServico ") +
         T("From Orçamentos As ORC ") +
         T("Inner Join OrçamentosVeículosServiçosAdicionais As OVSA On "
           "OVSA.Planílha=ORC.Planílha ") +
         T("Inner Join OrçamentosVeículos As OV On OV.CodInterno=OVSA.CodVeículoOrc ") +
         T("Inner Join ServiçosAdicionais As SA On OVSA.CodServiço=SA.CodInterno ") +
         u"Where ORC.Status Not In ('C', 'A', 'P') And Cliente=" + Text(cod_cliente) +
         T(" Order By ORC.Liberação Desc, ORC.CodInterno, OVSA.CodInterno");
}

Text approved_budget_vehicles(TextView cod_cliente) {
  return T("Select OrçamentosVeículos.*, (Select Descreve From DadosEntidades Where "
           "CodInterno=OrçamentosVeículos.TipoVeículo) As Tipo From OrçamentosVeículos Inner "
           "Join Orçamentos On OrçamentosVeículos.Planílha=Orçamentos.Planílha Where "
           "Status<>'C' And Status<>'A' and  Status<>'P' And Orçamentos.Cliente=") +
         Text(cod_cliente);
}

}  // namespace orvane::docgen::amendment_sql
