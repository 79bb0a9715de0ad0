#include "docgen/shared/contract_values.h"

#include <vector>

#include "core/convert.h"
#include "core/format.h"
#include "docgen/frame/values.h"
#include "docgen/shared/contract_queries.h"
#include "funcs/aggregates.h"
#include "funcs/textclean.h"
#include "funcs/unitchecks.h"
#include "funcs/wording.h"

namespace orvane::docgen {
namespace {

Variant field(const db::Recordset& rs, const char* name) { return rs.field(T(name)); }

Currency field_money(const db::Recordset& rs, const char* name) {
  return money_or_zero(field(rs, name));
}

Text money(Currency c) { return CStr(Format(Variant(c), u"#,##0.00")); }

// `Campo` of the customer whose code is `code` ("" without one).
Text person_field(const ContractKeys& k, const Variant& code, TextView campo) {
  if (key_text(code).empty()) return Text();
  return key_text(funcs::Dlookup(k.conn, campo, u"Clientes", u"CodCliente=" + key_text(code)));
}

// The name of a marital status code (setting 7), "NÃO INFORMADO" when there is none.
Text marital_status(const ContractKeys& k, const Variant& code) {
  const Text name = key_text(funcs::Dlookup(k.conn, u"Descreve", u"DadosEntidades",
                                            u"CodEntidade=7 And Codigo='" + key_text(code) + u"'"));
  return name.empty() ? T("NÃO INFORMADO") : name;
}

// vFormaPagtoOrcOrigem: "Entrada" or "Sem Entrada" and the installment days of the origin
// budget's payment condition joined with "/".
Text origin_payment_condition(const ContractKeys& k, const db::Recordset& customer) {
  const Text origin = key_text(field(customer, "OrçamentoOrigem"));
  if (origin.empty()) return Text();
  db::RecordsetPtr c = k.open(
      T("Select CondiçõesPagto.* From Orçamentos With (NoLock) Inner Join CondiçõesPagto With "
        "(NoLock) On CondiçõesPagto.CodCondição=Orçamentos.CondiçãoPagto Where "
        "Orçamentos.Planílha=") +
      origin);
  if (c->eof()) return Text();
  std::vector<Text> days;
  for (int i = 1; i <= 12; ++i) {
    const Variant d = c->field(u"Data" + CStr(Variant(i)));
    if (!d.is_null() && !d.is_empty()) days.push_back(key_text(d));
  }
  Text out = key_text(c->field(u"Entrada")) == u"S" ? Text(u"Entrada") : Text(u"Sem Entrada");
  Text joined;
  for (size_t i = 0; i < days.size(); ++i) joined += (i ? u"/" : u"") + days[i];
  return joined.empty() ? out : out + u" " + joined;
}

}  // namespace

const ChannelWords& contract_channel_words() {
  static const ChannelWords k{u"Telefone", T("Via Rádio"), u"GPRS", u"Internet/IP", T("Satélite")};
  return k;
}

Text communication_text(const db::Recordset& contract, const ChannelWords& words) {
  if (contract.eof()) return Text();
  std::vector<Text> set;
  if (is_set(contract.field(u"Fone"))) set.push_back(words.phone);
  if (is_set(contract.field(u"Radio"))) set.push_back(words.radio);
  if (is_set(contract.field(u"GPRS"))) set.push_back(words.gprs);
  if (is_set(contract.field(u"Internet"))) set.push_back(words.internet);
  if (is_set(contract.field(u"Satelital"))) set.push_back(words.satellite);
  return join_with_and(set);
}

Currency customer_services_total(const ContractKeys& k) {
  return money_or_zero(funcs::DSum(k.conn, T("ValorServiço"), T("ClientesServiçosAdicionais"),
                                   u"CodCliente=" + k.customer_text()));
}

Text contracted_amount(int32_t unit, Currency amount) {
  if (amount != Currency()) return money(amount);
  return funcs::TestaBrelis(unit) ? Text(u"0,00") : T("Não Contratado");
}

int32_t contract_months(const db::Recordset& contract) {
  const int32_t prazo =
      contract.eof() ? 0 : CLng(Variant(number_or_zero(contract.field(u"Prazo"))));
  return prazo == 0 ? 12 : prazo;
}

Text date_with_month_name(const Variant& date) {
  if (date.is_null() || date.is_empty()) return Text();
  const DateParts p = CDate(date).parts();
  return formatted(date, u"dd") + u" de " + funcs::NomeMês(static_cast<int16_t>(p.month)) +
         u" de " + formatted(date, u"yyyy");
}

Variant contract_date_shown(const ContractKeys& k, const db::Recordset& contract,
                            const Variant& contract_date) {
  if (!contract_date.is_missing() && !contract_date.is_null() && !contract_date.is_empty()) {
    return Variant(CDate(contract_date));
  }
  if (!contract.eof()) {
    const Variant signed_on = contract.field(u"Assinatura");
    if (!signed_on.is_null() && !signed_on.is_empty()) return signed_on;
  }
  return Variant(k.today());
}

void add_contract_values(const ContractKeys& k, const db::Recordset& customer,
                         const db::Recordset& contract, const Variant& contract_date,
                         const ChannelWords& channel_words, PlaceholderTable& table) {
  const Context& ctx = *k.ctx;
  const Currency nf = field_money(customer, "ValorNF");
  const Currency comodato = field_money(customer, "ValorComodato");
  const Currency services = customer_services_total(k);
  const int32_t months = contract_months(contract);
  auto words = [&](Currency c) { return in_words(ctx, Variant(c)); };

  table.add(u"vExtensoValorNF", Variant(words(nf)));
  table.add(u"vExtensoValorME", Variant(words(field_money(customer, "ValorME"))));
  const Currency annual = Currency::from_double(nf.to_double() * 12);
  table.add(u"vValorAnual", Variant(money(annual)));
  table.add(u"vExtensoValorAnual", Variant(words(annual)));
  const Currency whole = Currency::from_double(nf.to_double() * months);
  table.add(u"vValorTotalContrato", Variant(money(whole)));
  table.add(u"vExtensoValorTotalContrato", Variant(words(whole)));

  // A zero amount reads the same in figures and in words ("0,00" or "Não Contratado").
  auto contracted = [&](const char* figure, const char* in_words_name, Currency amount) {
    const Text text = contracted_amount(k.unit, amount);
    table.add(T(figure), Variant(text));
    table.add(T(in_words_name), Variant(amount == Currency() ? text : words(amount)));
  };
  contracted("vValorMonitoramento", "vExtensoValorMonitoramento", nf - comodato - services);
  contracted("vValorSemAdicionais", "vExtensoValorSemAdicionais", nf - services);

  // The readjustment index: the customer's, else the unit's default (setting 154).
  Variant index = field(customer, "TipoÍndice");
  if (key_text(index).empty()) index = unit_setting(k.conn, 154, k.unit, u"Codigo");
  table.add(u"vIndiceReajuste",
            Variant(key_text(index).empty()
                        ? Text()
                        : key_text(funcs::Dlookup(k.conn, u"Descreve", u"DadosEntidades",
                                                  u"CodInterno=" + key_text(index)))));
  table.add(u"vAvisoDisparo", Variant(is_set(field(customer, "AvisaDisparo"))
                                          ? Text(u"Deseja ser avisado em todo disparo de alarme")
                                          : Text()));
  const bool sale = key_text(field(customer, "Modalidade")) == u"V";
  table.add(u"vModalidade", Variant(sale ? Text(u"VENDA") : T("LOCAÇÃO")));
  table.add(u"vServSNComodato", Variant(!sale && comodato != Currency() ? Text(u"Sim") : T("Não")));
  table.add(u"vExtensoValorChip", Variant(words(field_money(customer, "ValorCHIP"))));
  table.add(u"vExtensoValorComodato", Variant(words(comodato)));

  // The term runs from the first invoice: vFinalContrato is the day the last month ends,
  // vFinal2Contrato the day after (the term's anniversary).
  Variant first = contract.eof() ? Variant() : contract.field(u"PrimeiroFaturamento");
  const Date start = first.is_null() || first.is_empty() ? k.today() : CDate(first);
  const Date anniversary = DateAdd("m", months, start);
  table.add(u"vFinalContrato",
            Variant(formatted(Variant(DateAdd("d", -1, anniversary)), u"dd/mm/yyyy")));
  table.add(u"vFinal2Contrato", Variant(formatted(Variant(anniversary), u"dd/mm/yyyy")));

  Variant due_day = field(customer, "DiaVencimento");
  if (key_text(due_day).empty()) due_day = field(customer, "DiaVcto");
  table.add(u"vDiaVencimento", Variant(formatted(due_day, u"00")));
  table.add(u"vExtensoDiaVencimento",
            Variant(key_text(due_day).empty() ? Text() : count_in_words(ctx, due_day)));
  table.add(u"vExtensoPrimeiroFaturamento", Variant(date_in_words(first)));
  const Variant preventive = field(customer, "TempoPreventiva");
  table.add(u"vExtensoTempoPreventiva",
            Variant(key_text(preventive).empty() ? Text() : count_in_words(ctx, preventive)));
  table.add(T("vExtensoMêsReajuste"), Variant(funcs::NomeMês(static_cast<int16_t>(
                                          number_or_zero(field(customer, "MêsReajuste"))))));
  // "vInvDataContrato" holds "vDataContrato" (Writer ignores case): entered first.
  const Variant shown = contract_date_shown(k, contract, contract_date);
  table.add(u"vInvDataContrato", Variant(formatted(shown, u"dd/mm/yyyy")));
  table.add(u"vDataContrato", Variant(date_with_month_name(shown)));
  table.add(u"vDataExtenso", Variant(formatted(Variant(k.today()), u"dd \"de\" mmmm \"de\" yyyy")));
  table.add(T("vComunicação"), Variant(communication_text(contract, channel_words)));

  const Variant seller = field(customer, "Vendedor");
  table.add(u"vCPFVendedor", Variant(person_field(k, seller, u"CGCCPF")));
  table.add(u"vRGVendedor", Variant(person_field(k, seller, u"RG")));
  table.add(u"vEmpTrabalha", Variant(key_text(field(customer, "EmpresaTrabalha"))));
  table.add(u"vFormaPagtoOrcOrigem", Variant(origin_payment_condition(k, customer)));
}

void add_payment_marks(const ContractKeys& k, const db::Recordset& customer,
                       PlaceholderTable& table) {
  Variant form = field(customer, "FormaPagamento");
  if (number_or_zero(form) == 0) {
    Text company = key_text(field(customer, "Empresa"));
    if (company.empty()) company = CStr(Variant(k.company));
    form = funcs::Dlookup(k.conn, T("FormaPagamentoPadrão"), u"Empresas", u"CodEmpresa=" + company);
  }
  db::RecordsetPtr f =
      k.open(T("Select FormaPagto, Banco, DébitoAutomático, Bloqueto From FormasPagto Where "
               "CodFormaPagto=") +
             (key_text(form).empty() ? Text(u"0") : key_text(form)));
  const bool found = !f->eof();
  db::RecordsetPtr account = k.open(
      T("Select Banco, Agência, Conta From ContasDébito Where Cliente=") + k.customer_text());
  const bool has_account = !account->eof();

  table.add(u"vXDbt",
            Variant(found && is_set(f->field(T("DébitoAutomático"))) ? Text(u"X") : Text()));
  table.add(u"vXBlto", Variant(found && is_set(f->field(u"Bloqueto")) ? Text(u"X") : Text()));
  table.add(u"vContaDbt", Variant(has_account ? key_text(account->field(u"Conta")) : Text()));
  table.add(T("vAgênciaDbt"),
            Variant(has_account ? key_text(account->field(T("Agência"))) : Text()));
  Text bank = has_account ? key_text(account->field(u"Banco")) : Text();
  if (bank.empty() && found) bank = key_text(f->field(u"Banco"));
  table.add(u"vBancoDbt", Variant(bank));
  table.add(u"vExtensoFormaPagto", Variant(found ? key_text(f->field(u"FormaPagto")) : Text()));
}

Text formatted_cpf(const Variant& number) {
  Variant v = number;
  const Text digits = funcs::LimpaLetra(v);
  if (digits.size() != 11) return digits;
  return digits.substr(0, 3) + u"." + digits.substr(3, 3) + u"." + digits.substr(6, 3) + u"-" +
         digits.substr(9, 2);
}

bool is_company_number(const Variant& number) {
  Variant v = number;
  return funcs::LimpaLetra(v).size() > 11;
}

void add_people_placeholders(const ContractKeys& k, const db::Recordset& customer,
                             PlaceholderTable& table) {
  auto text = [&](const char* name) { return Variant(key_text(field(customer, name))); };
  table.add(u"vNomeVendedor", Variant(person_field(k, field(customer, "Vendedor"), u"Nome")));
  const Text occupation = key_text(field(customer, "CodOcupação"));
  table.add(
      u"vCliAtividade",
      Variant(occupation.empty() ? Text()
                                 : key_text(funcs::Dlookup(k.conn, u"Descreve", u"DadosEntidades",
                                                           u"CodInterno=" + occupation))));
  table.add(u"vRepresentante2", text("Representante2"));
  table.add(u"vEnderecoRepresentante2", text("EndereçoRepresentante2"));
  table.add(u"vCPFRepresentante2", Variant(formatted_cpf(field(customer, "CPFRepresentante2"))));
  table.add(u"vCPFRepresentante", Variant(formatted_cpf(field(customer, "CPFRepresentante"))));
  table.add(u"vRGRepresentante2", text("RGRepresentante2"));
  table.add(u"vNumRepresentante2", text("NumRepresentante2"));
  table.add(u"vBairroRepresentante2", text("BairroRepresentante2"));
  table.add(u"vCidadeRepresentante2", text("CidadeRepresentante2"));
  table.add(u"vEstadoRepresentante2", text("EstadoRepresentante2"));
  table.add(u"vEstadoCivilRepresentante2",
            Variant(marital_status(k, field(customer, "RepresentanteEstadoCivil2"))));
  table.add(u"vEstadoCivilRepresentante",
            Variant(marital_status(k, field(customer, "RepresentanteEstadoCivil"))));
  table.add(u"vEstadoCivil", Variant(marital_status(k, field(customer, "EstadoCivil"))));
  table.add(u"vTipoPessoa",
            Variant(is_company_number(field(customer, "CGCCPF")) ? T("jurídica") : T("física")));
}

Text budgets_observations_text(const ContractKeys& k) {
  Text notes;
  db::RecordsetPtr b =
      k.open(contract_sql::budgets_observations(k.customer_text(), k.and_budget_filter()));
  for (; !b->eof(); b->move_next()) {
    const Text o = vb::Trim(key_text(b->field(u"Observ")));
    if (o.empty()) continue;
    if (!notes.empty()) notes += u" ";
    notes += o;
  }
  return notes;
}

}  // namespace orvane::docgen
