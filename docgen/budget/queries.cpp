#include "docgen/budget/queries.h"

namespace orvane::docgen::budget {
namespace {

// The group of a product line, unnamed lines under "OUTROS".
Text product_group() {
  return T(
      "Case Isnull(OrçamentosProdutos.GrupoOrçamento,'') When '' Then 'OUTROS' Else "
      "rtrim(Isnull(OrçamentosProdutos.GrupoOrçamento,'')) End");
}

// The same as the photo tables write it (no table name, not trimmed).
Text photo_group() {
  return T(
      "Case Isnull(GrupoOrçamento,'') When '' Then 'OUTROS' Else Isnull(GrupoOrçamento,'') End");
}

}  // namespace

Text budget_sql(TextView planilha) {
  return T("Select * From Orçamentos Where Planílha=") + Text(planilha);
}

Text customer_sql(TextView cliente) {
  return T("Select * From Clientes Where CodCliente=") + Text(cliente);
}

Text company_sql(TextView empresa) {
  return T("SELECT CodEmpresa, RazãoSocial, Fantasia, CGC, InscriçãoEstadual, Endereço, Bairro, "
           "Município, Uf, Telefone, CEP, Gerente, InscriçãoMunicipal, Email, Case "
           "Isnull(CidadeForo,'') When '' Then Município Else CidadeForo End As CidadeForo From "
           "Empresas Where CodEmpresa=") +
         Text(empresa);
}

Text product_groups_sql(TextView planilha) {
  return T("Select Isnull(GrupoOrçamento,'') From OrçamentosProdutos Where Quantidade > 0 And "
           "Planílha=") +
         Text(planilha) + T(" Group By Isnull(GrupoOrçamento,'')");
}

Text product_lines_sql(TextView planilha, bool sale) {
  const Text real_unit_price =
      sale ? T("Case When Isnull(PreçoReal,0)>Unitário Then Isnull(PreçoReal,0) Else Unitário "
               "End ")
           : T("Case Isnull(OrçamentosProdutos.CobraLocado,0) When 0 Then 0 Else Case When "
               "Isnull(PreçoReal,0)>Unitário Then Isnull(PreçoReal,0) Else Unitário End End ");
  return T("Select OrçamentosProdutos.*, ") +
         T("Produtos.SituaçãoTributária As ST, Produtos.CodSituaçãoTributária As CST, "
           "Produtos.CSOSN, Produtos.NCM, Produtos.DescriçaoNF, Produtos.CodFabricante, "
           "Produtos.Unidade, ") +
         product_group() + T(" As GrupoOrçamento, ") + real_unit_price + u" As UnitReal " +
         T("From OrçamentosProdutos ") +
         T("Inner Join Produtos On OrçamentosProdutos.CodProduto=Produtos.CodProduto ") +
         T("Where Isnull(Quantidade,0)<>0 And Planílha=") + Text(planilha) + u" Order By " +
         product_group() + T(", OrçamentosProdutos.CodInterno");
}

Text unified_products_sql(TextView planilha) {
  return T("Select OrçamentosProdutos.CodProduto, Produtos.CodFabricante, "
           "OrçamentosProdutos.Descrição, Sum(OrçamentosProdutos.Quantidade) As Quantidade, "
           "Produtos.Unidade ") +
         T("From OrçamentosProdutos ") +
         T("Inner Join Produtos On OrçamentosProdutos.CodProduto=Produtos.CodProduto ") +
         T("Where Isnull(Quantidade,0)<>0 And Planílha=") + Text(planilha) +
         T(" Group By OrçamentosProdutos.CodProduto, Produtos.CodFabricante, "
           "OrçamentosProdutos.Descrição, Produtos.Unidade") +
         T(" Order By OrçamentosProdutos.Descrição");
}

Text withdrawn_products_sql(TextView planilha) {
  return Text(u"Select * ") + T("From OrçamentosProdutosRetirar ") +
         T("Where Quantidade>0 And Planílha=") + Text(planilha) + u" Order By CodInterno";
}

Text budget_vehicles_sql(TextView planilha) {
  return T("Select * From OrçamentosVeículos Where Planílha=") + Text(planilha) +
         u" Order By CodInterno";
}

Text vehicle_sql(TextView cod_veiculo) {
  return T("Select *, Isnull(ValorVeículo,0)-(Isnull(ValorSeguro,0)+Isnull(ValorAssistência,0)+"
           "Isnull(ValorBloqueio,0)-Isnull(ValorLocação,0)) As ValorRastreamento From GRVeículos "
           "Where CodInterno=") +
         Text(cod_veiculo);
}

Text additional_services_sql(TextView planilha) {
  return T("Select *, (Select Descrição From ServiçosAdicionais Where "
           "CodInterno=orçamentosserviçosadicionais.codserviço) As NomeServiço from "
           "orçamentosserviçosadicionais Where Planílha=") +
         Text(planilha) + u" Order By CodInterno";
}

Text service_groups_sql(TextView planilha) {
  return T("Select Isnull(GrupoOrçamento,'') From OrçamentoServiços Where "
           "Isnull(Quantidade,0)<>0 And Planílha=") +
         Text(planilha) + T(" Group By Isnull(GrupoOrçamento,'')");
}

Text service_lines_sql(TextView planilha) {
  return T("Select OrçamentoServiços.*, Serviços.CodTipoServiço, Case "
           "Isnull(OrçamentoServiços.GrupoOrçamento,'') When '' Then 'OUTROS' Else "
           "Isnull(OrçamentoServiços.GrupoOrçamento,'') End As GrupoOrçamento ") +
         T("From OrçamentoServiços Inner Join Serviços On "
           "OrçamentoServiços.CodServiço=Serviços.CodServiço ") +
         T("Where Isnull(Quantidade,0)<>0 And Planílha=") + Text(planilha) +
         T(" Order By OrçamentoServiços.CodInterno");
}

Text loyalty_tables_sql(TextView planilha, bool rental) {
  return Text(u"Select ") +
         T("Sum(Round(Case Isnull(TpIndice24,'V') When 'V' Then "
           "(Líquido+Isnull(VlrIndice24,0))*Quantidade Else "
           "(Líquido+(Líquido*Isnull(VlrIndice24,0)/100))*Quantidade End,2)) As Valor24, ") +
         T("Sum(Round(Case Isnull(TpIndice36,'V') When 'V' Then "
           "(Líquido+Isnull(VlrIndice36,0))*Quantidade Else "
           "(Líquido+(Líquido*Isnull(VlrIndice36,0)/100))*Quantidade End,2)) As Valor36 ") +
         T("From OrçamentosProdutos ") +
         T("Left Join (Select CodProduto, TipoIndice As TPIndice24, ValorIndice As VlrIndice24 "
           "From ProdutosTabelasItens Where Isnull(ProdutosTabelasItens.TipoItem,'P')='P' And "
           "CodTabela=23) Tabela24 On Tabela24.CodProduto=OrçamentosProdutos.CodProduto ") +
         T("Left Join (Select CodProduto, TipoIndice As TPIndice36, ValorIndice As VlrIndice36 "
           "From ProdutosTabelasItens Where Isnull(ProdutosTabelasItens.TipoItem,'P')='P' And "
           "CodTabela=24) Tabela36 On Tabela36.CodProduto=OrçamentosProdutos.CodProduto ") +
         T("Where Planílha = ") + Text(planilha) +
         (rental ? Text(u" And Isnull(CobraLocado,0)<>0") : Text());
}

Text additional_service_kinds_sql() {
  return T("Select * From ServiçosAdicionais Order By CodInterno Desc");
}

Text additional_service_of_kind_sql(TextView kind, TextView planilha) {
  return T("Select * From OrçamentosServiçosAdicionais Where CodServiço=") + Text(kind) +
         T(" And Planílha=") + Text(planilha);
}

Text company_taxes_sql(TextView empresa) {
  return u"Select Simples, PIcmsSimples, PIssSimples, ISS, PINSS, UF From Empresas Where "
         u"CodEmpresa=" +
         Text(empresa);
}

Text icms_base_tables() {
  return T(
      "OrçamentosProdutos Inner Join Produtos On "
      "OrçamentosProdutos.CodProduto=Produtos.CodProduto");
}

Text icms_base_filter(TextView planilha, bool sale) {
  return (sale ? Text() : Text(u"Isnull(OrçamentosProdutos.CobraLocado,0)<>0 And ")) +
         T("Planílha=") + Text(planilha) +
         T(" And Right(Isnull(CodSituaçãoTributária,''),2)<>'60' And "
           "Right(Isnull(CSOSN,''),3)<>'500'");
}

Text photo_groups_sql(TextView planilha) {
  return T("Select ") + photo_group() + T(" As GrupoOrçamento ") + T("From OrçamentosProdutos ") +
         T("Where Isnull(Quantidade,0)<>0 And Planílha=") + Text(planilha) + u" " + u"Group By " +
         photo_group() + u" " + u"Order By Min(CodInterno), " + photo_group();
}

Text photo_lines_sql(TextView planilha, TextView group) {
  return T("Select *, (Select Foto From Produtos Where "
           "CodProduto=OrçamentosProdutos.CodProduto) As Foto, ") +
         T("(Select Aplicaçao From Produtos Where CodProduto=OrçamentosProdutos.CodProduto) As "
           "Aplicaçao, ") +
         T("(Select Unidade From Produtos Where CodProduto=OrçamentosProdutos.CodProduto) As "
           "Unidade, ") +
         photo_group() + T(" As GrupoOrçamento ") + T("From OrçamentosProdutos ") +
         T("Where Isnull(Quantidade,0)<>0 And Planílha=") + Text(planilha) + u" And (" +
         photo_group() + u")='" + Text(group) + u"' " + u"Order By " + photo_group() +
         u", CodInterno";
}

}  // namespace orvane::docgen::budget
