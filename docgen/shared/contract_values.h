// The customer's contract values: the placeholders that the contract and its amendment
// enter from the customer (Clientes) and its contract record (ClientesContratos): amounts
// in figures and in words, the contract's dates, the communication channels, the payment
// marks, the seller, the representatives and the personal data.
//
// Each routine appends rows to the caller's placeholder table in a fixed order; where one
// placeholder begins another, the longer is entered first (Writer replaces substrings in
// row order).
#pragma once

#include <cstdint>

#include "core/numbers.h"
#include "core/text.h"
#include "core/variant.h"
#include "docgen/frame/placeholder_table.h"
#include "docgen/shared/contract_keys.h"
#include "platform/db/db.h"

namespace orvane::docgen {

// The words of the five channels of a contract record (Fone, Radio, GPRS, Internet,
// Satelital).
struct ChannelWords {
  Text phone, radio, gprs, internet, satellite;
};
// The contract's: "Telefone", "Via Rádio", "GPRS", "Internet/IP", "Satélite".
const ChannelWords& contract_channel_words();

// vComunicação: the channels set in the contract record, in the order telephone, radio,
// GPRS, internet, satellite, named by `words`, joined with ", " and " e " before the last.
Text communication_text(const db::Recordset& contract, const ChannelWords& words);

// The sum of the customer's additional services (ValorServiço of ClientesServiçosAdicionais).
Currency customer_services_total(const ContractKeys& k);

// An amount of the contract that may be zero: "#,##0.00"; when it is 0, "0,00" for the
// units where TestaBrelis holds and "Não Contratado" for the others.
Text contracted_amount(int32_t unit, Currency amount);

// The contract's term in months: Prazo, or 12 when it is 0 (or missing).
int32_t contract_months(const db::Recordset& contract);

// A date as day " de " month name (NomeMês) " de " year; "" for Null.
Text date_with_month_name(const Variant& date);

// The values table: vExtensoValorNF, vExtensoValorME, vValorAnual, vExtensoValorAnual,
// vValorTotalContrato, vExtensoValorTotalContrato, vValorMonitoramento,
// vExtensoValorMonitoramento, vValorSemAdicionais, vExtensoValorSemAdicionais,
// vIndiceReajuste, vAvisoDisparo, vModalidade, vServSNComodato, vExtensoValorChip,
// vExtensoValorComodato, vFinalContrato, vFinal2Contrato, vDiaVencimento,
// vExtensoDiaVencimento, vExtensoPrimeiroFaturamento, vExtensoTempoPreventiva,
// vExtensoMêsReajuste, vInvDataContrato, vDataContrato, vDataExtenso, vComunicação (with
// `channel_words`), vCPFVendedor, vRGVendedor, vEmpTrabalha, vFormaPagtoOrcOrigem. `contract_date`
// is the caller's DataContrato (Missing, Empty or Null when not given).
void add_contract_values(const ContractKeys& k, const db::Recordset& customer,
                         const db::Recordset& contract, const Variant& contract_date,
                         const ChannelWords& channel_words, PlaceholderTable& table);

// vOrcObserv: the approved budgets' observations, trimmed, those not empty joined with " ".
Text budgets_observations_text(const ContractKeys& k);

// The date the contract shows: the caller's DataContrato when given, else the contract's
// Assinatura, else today.
Variant contract_date_shown(const ContractKeys& k, const db::Recordset& contract,
                            const Variant& contract_date);

// The payment marks: vXDbt and vXBlto ("X" for the automatic debit or the bank slip of the
// customer's form of payment, or of the company's default form), vContaDbt, vAgênciaDbt,
// vBancoDbt (the customer's debit account; the form's bank without one), vExtensoFormaPagto.
void add_payment_marks(const ContractKeys& k, const db::Recordset& customer,
                       PlaceholderTable& table);

// The people of the contract: vNomeVendedor, vCliAtividade, the second representative
// (vRepresentante2, vEnderecoRepresentante2, vCPFRepresentante2, vCPFRepresentante,
// vRGRepresentante2, vNumRepresentante2, vBairroRepresentante2, vCidadeRepresentante2,
// vEstadoRepresentante2), the marital statuses (vEstadoCivilRepresentante2,
// vEstadoCivilRepresentante, vEstadoCivil: setting 7, "NÃO INFORMADO" when missing) and
// vTipoPessoa ("jurídica" or "física").
void add_people_placeholders(const ContractKeys& k, const db::Recordset& customer,
                             PlaceholderTable& table);

// A CPF's digits written "000.000.000-00"; any other number as its digits.
Text formatted_cpf(const Variant& number);
// Whether a CPF/CNPJ names a company: more than 11 digits.
bool is_company_number(const Variant& number);

}  // namespace orvane::docgen
