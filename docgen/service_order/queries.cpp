#include "docgen/service_order/queries.h"

namespace orvane::docgen::service_order {
namespace {

Text account_filter(TextView chave) {
  return chave.empty() ? Text() : T(" And Chave='") + Text(chave) + u"'";
}

}  // namespace

Text order_sql(TextView planilha) {
  return T("Select * From OSs Where Planílha=") + Text(planilha);
}

Text customer_sql(TextView cliente) {
  return u"Select * From Clientes Where CodCliente=" + Text(cliente);
}

Text company_sql(TextView empresa) {
  return T("SELECT CodEmpresa, RazãoSocial, Fantasia, CGC, InscriçãoEstadual, Endereço, Bairro, "
           "Município, Uf, Telefone, CEP, Gerente, InscriçãoMunicipal, Email, Case "
           "Isnull(CidadeForo,'') When '' Then Município Else CidadeForo End As CidadeForo From "
           "Empresas Where CodEmpresa=") +
         Text(empresa);
}

Text latest_visit_sql(TextView planilha) {
  return T("Select Top 1 Data, Observações From OSAtendimentos Where "
           "Isnull(TipoAtendimento,'')<>'D' And Planílha=") +
         Text(planilha) + u" Order By Data Desc";
}

Text order_vehicle_lines_sql(TextView planilha) {
  return T("Select Placa, Modelo From OSVeículos Where Planílha=") + Text(planilha);
}

Text order_vehicle_sql(TextView cod_veiculo) {
  return T("Select * From GRVeículos Where CodInterno=") + Text(cod_veiculo) +
         u" Order By CodInterno";
}

Text first_tracker_sql(TextView vehicle) {
  return T("Select Top 1 GRRastreador.CodInterno, Modelo, IDChip From GRVeículosRastreador "
           "Inner Join GRRastreador On GRVeículosRastreador.CodRastreador=GRRastreador.CodInterno "
           "Where CodVeículo=") +
         Text(vehicle) + u" Order By GRRastreador.CodInterno";
}

Text first_chip_sql(TextView vehicle) {
  return T("Select Top 1 GRVeículosChip.CodInterno, DDD, Linha, Serial From GRVeículosChip "
           "Inner Join GRChip On GRVeículosChip.CodChip=GRChip.CodInterno Where CodVeículo=") +
         Text(vehicle) + T(" Order By GRVeículosChip.CodInterno");
}

Text auxiliary_technicians_sql(TextView planilha) {
  return T("Select Técnico, (Select Nome From Clientes Where "
           "CodCliente=OSsTécnicosAuxiliares.Técnico) As Nome From OSsTécnicosAuxiliares Where "
           "Planílha=") +
         Text(planilha) + u" Order By CodInterno";
}

Text visits_sql(TextView planilha) {
  return T("Select *, (Select Nome From Clientes Where CodCliente=OSAtendimentos.Técnico) As "
           "NomeTec From OSAtendimentos Where Isnull(TipoAtendimento,'')<>'D' And Planílha=") +
         Text(planilha) + u" Order By Data, HoraInicial, HoraFinal";
}

Text customer_services_sql(TextView cliente) {
  return T("Select ClientesServiçosAdicionais.*, (Select Descrição From ServiçosAdicionais Where "
           "CodInterno=ClientesServiçosAdicionais.CodServiço) As Descrição From "
           "ClientesServiçosAdicionais Where CodCliente=") +
         Text(cliente) + T(" Order By Descrição");
}

Text services_sql(TextView planilha) {
  return T("Select * From OSServiços Where Planílha=") + Text(planilha) + u" Order By CodInterno";
}

Text products_sql(TextView planilha, int32_t ordem_produtos) {
  Text sql = T("Select OSProdutos.*, ") + T("Produtos.Unidade, ") + T("Produtos.CodFabricante, ") +
             T("(Select RTrim(Descreve) From DadosEntidades Where CodInterno=Produtos.CodMarca) "
               "As Marca ") +
             T("From OSProdutos ") + T("Inner Join OSs On OSProdutos.Planílha=OSs.Planílha ") +
             T("Inner Join Produtos On OSProdutos.CodProduto=Produtos.CodProduto ") +
             T("Where OSs.Planílha=") + Text(planilha);
  switch (ordem_produtos) {
    case 1:
      return sql + T(" Order By OSProdutos.Descrição");
    case 2:
      return sql + u" Order By OSProdutos.CodProduto";
    default:
      return sql + u" Order By OSProdutos.CodInterno";
  }
}

Text products_to_remove_sql(TextView planilha) {
  return T("Select OSProdutosRetirar.*, (Select Unidade From Produtos Where "
           "CodProduto=OSProdutosRetirar.CodProduto) As Unidade From OSProdutosRetirar Inner Join "
           "OSs On OSProdutosRetirar.Planílha=OSs.Planílha Where OSs.Planílha=") +
         Text(planilha) + u" Order By OSProdutosRetirar.CodInterno";
}

Text accesses_sql(TextView cliente, TextView chave) {
  return u"SELECT Distinct Acesso, Nome FROM ClientesAcesso Where Tipo='U' And CodCliente=" +
         Text(cliente) + account_filter(chave) + u" Order By Acesso";
}

Text contacts_sql(TextView cliente, TextView chave) {
  return u"SELECT Nome, Fone1 FROM ClientesAcesso Where Isnull(Fone1,'')<>'' And Tipo='C' And "
         u"CodCliente=" +
         Text(cliente) + account_filter(chave) + u" Order By Acesso";
}

Text zones_sql(TextView cliente, TextView chave) {
  return T("SELECT Distinct Evento, Descrição, DescProduto, TipoSensor, IsNumeric(Evento), "
           "LEN(Evento) FROM ClientesEventos Where CodCliente=") +
         Text(cliente) + account_filter(chave) +
         u" Order By IsNumeric(Evento) Desc, LEN(Evento), Evento";
}

Text order_vehicles_sql(TextView planilha) {
  return T("Select * From OSVeículos Where Planílha=") + Text(planilha) + u" Order By CodInterno";
}

Text vehicle_trackers_sql(TextView order_vehicle) {
  return T("Select GRRastreador.CodInterno, Modelo, IDChip From OSVeículosRastreador Inner Join "
           "GRRastreador On OSVeículosRastreador.CodRastreador=GRRastreador.CodInterno Where "
           "CodVeículo=") +
         Text(order_vehicle) + u" Order By GRRastreador.CodInterno";
}

Text vehicle_chips_sql(TextView order_vehicle) {
  return T("Select OSVeículosChip.CodInterno, DDD, Linha, Serial From OSVeículosChip Inner Join "
           "GRChip On OSVeículosChip.CodChip=GRChip.CodInterno Where CodVeículo=") +
         Text(order_vehicle) + T(" Order By OSVeículosChip.CodInterno");
}

Text vehicles_to_remove_sql(TextView planilha) {
  return T("Select GRVeículos.* From OSVeículosRetirar Inner Join GRVeículos On "
           "OSVeículosRetirar.CodVeículo=GRVeículos.CodInterno Where Planílha=") +
         Text(planilha) + T(" Order By OSVeículosRetirar.CodInterno");
}

Text payment_condition_sql(TextView condicao) {
  return T("Select * From CondiçõesPagto Where CodCondição=") + Text(condicao);
}

Text budget_services_sql(TextView orcamento) {
  return T("Select * From OrçamentosServiçosAdicionais Where Planílha=") + Text(orcamento) +
         u" Order By CodInterno";
}

Text budget_services_with_names_sql(TextView orcamento) {
  return T("Select *, (Select Descrição From ServiçosAdicionais Where "
           "CodInterno=orçamentosserviçosadicionais.codserviço) As NomeServiço from "
           "orçamentosserviçosadicionais Where Planílha=") +
         Text(orcamento) + u" Order By CodInterno";
}

Text checklist_sql(TextView cod_checklist) {
  return u"Select * From OSCheckListsPerguntas Where CodCheckList=" + Text(cod_checklist) +
         u" Order By CodInterno";
}

Text installed_products_sql(TextView cliente) {
  return u"Select * From TempProdutosCliente Where Cliente=" + Text(cliente);
}

Text customer_chips_sql(TextView cliente) {
  return u"Select GRChip.* From ClientesChip Inner Join GRChip On "
         u"ClientesChip.CodChip=GRChip.CodInterno Where CodCliente=" +
         Text(cliente) + u" Order By ClientesChip.CodInterno";
}

Text vehicles_table_sql(TextView cliente, TextView planilha) {
  return T("Select CodInterno, Renavam, Chassis, Combustível, Ano, Modelo, Cor From GRVeículos "
           "Where Cliente=") +
         Text(cliente) + u" And Isnull(Ativo,0)<>0 " + u"Union All " +
         T("Select CodInterno, Renavam, Chassis, Combustível, Ano, Modelo, Cor From OSVeículos "
           "Where Planílha=") +
         Text(planilha) + u" " + u"Order By CodInterno";
}

Text previous_orders_detailed_sql(TextView cliente, TextView cod_interno) {
  return T("SELECT Top 3 OSs.Ordem, OSs.DataAbertura, DataAgenda+HoraAgenda+2 As DataAgenda, "
           "DataFechamento, OSs.Observações, OSs.ObservaçõesFechamento, Clientes.Nome As Tecnico "
           "FROM OSs Inner Join Clientes On OSs.Técnico=Clientes.CodCliente Where Status<>'C' And "
           "Cliente=") +
         Text(cliente) + u" And CodInterno<" + Text(cod_interno) + u" Order By DataAbertura Desc";
}

Text previous_orders_short_sql(TextView cliente, TextView cod_interno) {
  return T("SELECT Top 3 OSs.Ordem, OSs.DataAbertura, OSs.Observações FROM OSs Where "
           "Status<>'C' And Cliente=") +
         Text(cliente) + u" And CodInterno<" + Text(cod_interno) + u" Order By DataAbertura Desc";
}

namespace {

Text previous_orders_where(TextView cliente, TextView cod_interno) {
  return T("SELECT Top 3 OSs.Ordem, OSs.DataAbertura, OSs.Observações, "
           "OSs.ObservaçõesFechamento, Clientes.Nome FROM OSs Inner Join Clientes On "
           "OSs.Técnico=Clientes.CodCliente Where Status<>'C' And Cliente=") +
         Text(cliente) + u" And CodInterno<" + Text(cod_interno);
}

}  // namespace

Text previous_orders_sql(TextView cliente, TextView cod_interno) {
  return previous_orders_where(cliente, cod_interno) + u" Order By DataAbertura Desc";
}

Text previous_orders_of_account_sql(TextView cliente, TextView cod_interno, TextView central,
                                    TextView particao) {
  Text sql = previous_orders_where(cliente, cod_interno);
  if (!central.empty()) {
    sql += u" And CentralSigma='" + Text(central) + T("' And Partição='") + Text(particao) + u"'";
  }
  return sql + u" Order By DataAbertura Desc";
}

}  // namespace orvane::docgen::service_order
