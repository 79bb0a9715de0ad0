#include "docgen/shared/record_queries.h"

#include "core/text.h"

namespace orvane::docgen {

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

}  // namespace orvane::docgen
