#include "docgen/shared/payment_conditions.h"

#include <cmath>
#include <vector>

#include "core/convert.h"
#include "core/format.h"
#include "docgen/frame/values.h"
#include "funcs/aggregates.h"
#include "platform/db/db.h"

namespace orvane::docgen {
namespace {

const char16_t* const kLists[] = {u"vCondições",         u"vCondições2",
                                  u"vCondiçõesValores",  u"vCondiçõesEntrada",
                                  u"vCondiçõesSemValor", u"vCondiçõesProdutos"};
constexpr const char16_t* kOrderByDates =
    u" Order By Entrada Desc, Data1, Data2, Data3, Data4, Data5, Data6, Data7, Data8, Data9, "
    u"Data10, Data11, Data12";

db::RecordsetPtr read(const Variant& conn, TextView sql) {
  return db::open_recordset(conn, sql, db::CursorType::Static, db::LockType::ReadOnly);
}

Text currency(double v) { return CStr(Format(Variant(CCur(v)), u"Currency")); }
double cents(double v) { return std::round(v * 100.0) / 100.0; }

// One payment condition: its days (Data1..Data12 that are set) and whether the first is a
// down payment.
struct Condition {
  Text description;
  std::vector<int32_t> days;
  bool down_payment = false;
  double daily_interest = 0;

  int32_t count() const { return static_cast<int32_t>(days.size()); }
  bool cash() const { return count() == 1 && days[0] == 0; }
  Text days_text() const {
    Text out;
    for (size_t i = down_payment ? 1 : 0; i < days.size(); ++i) {
      if (!out.empty()) out += u"/";
      out += CStr(Variant(days[i]));
    }
    return out;
  }
};

Condition condition_of(const db::Recordset& rs) {
  Condition c;
  c.description = key_text(rs.field(T("Descrição")));
  for (int k = 1; k <= 12; ++k) {
    const Variant d = rs.field(u"Data" + CStr(Variant(k)));
    if (!d.is_null() && !d.is_empty()) c.days.push_back(CLng(d));
  }
  c.down_payment = key_text(rs.field(u"Entrada")) == u"S";
  c.daily_interest = number_or_zero(rs.field(T("JuroDiário")));
  return c;
}

// The lines of one condition, one per list, for the amounts `total` and `products`.
void add_condition_lines(const Context& ctx, const Condition& c, double total, double products,
                         ListSet& lists) {
  if (c.count() == 0) return;
  const int32_t n = c.count();
  const double each = cents(total / n);
  const Text interest =
      c.daily_interest > 0
          ? u" (juros de " + CStr(Format(Variant(c.daily_interest), u"0.000")) + T("% ao dia)")
          : Text();
  auto sentence = [&](double amount) -> Text {
    const double part = cents(amount / n);
    if (c.cash()) return u"A VISTA\t" + currency(amount);
    if (c.down_payment) {
      return u"ENTRADA " + currency(part) + u" + " + CStr(Variant(n - 1)) + u" x " +
             currency(part) + u" (" + c.days_text() + u" dias)" + interest + u"\t" +
             currency(amount);
    }
    return u"SEM ENTRADA " + CStr(Variant(n)) + u" x " + currency(part) + u" (" + c.days_text() +
           u" dias)" + interest + u"\t" + currency(amount);
  };
  lists[kLists[0]].add(sentence(total));
  lists[kLists[1]].add(c.description + u"\t" +
                       (c.cash() ? currency(total) : CStr(Variant(n)) + u" x " + currency(each)));
  Text values;
  for (int32_t day : c.days) {
    if (!values.empty()) values += u"; ";
    values +=
        (day == 0 ? Text(u"Entrada") : CStr(Variant(day)) + u" dias") + u" de " + currency(each);
  }
  lists[kLists[2]].add(values + u" = " + currency(total));
  if (c.cash()) {
    lists[kLists[3]].add(u"A VISTA de " + currency(total));
    lists[kLists[4]].add(u"A VISTA");
  } else if (c.down_payment) {
    lists[kLists[3]].add(u"Entrada de " + currency(each) + u" + " + CStr(Variant(n - 1)) + u" (" +
                         vb::LCase(installments_in_words(ctx, n - 1)) + u") parcelas de " +
                         currency(each));
    lists[kLists[4]].add(u"ENTRADA + " + CStr(Variant(n - 1)) + u" PARCELAS (" + c.days_text() +
                         u" DIAS)");
  } else {
    lists[kLists[3]].add(u"Sem entrada, " + CStr(Variant(n)) + u" (" +
                         vb::LCase(installments_in_words(ctx, n)) + u") parcelas de " +
                         currency(each));
    lists[kLists[4]].add(u"SEM ENTRADA, " + CStr(Variant(n)) + u" PARCELAS (" + c.days_text() +
                         u" DIAS)");
  }
  lists[kLists[5]].add(sentence(products));
}

}  // namespace

double loan_installment(double principal, int32_t n, double rate) {
  if (n <= 0) return 0;
  if (rate == 0) return principal / n;
  return principal * rate / (1 - std::pow(1 + rate, -n));
}

void declare_payment_condition_lists(ListSet& lists) {
  for (const char16_t* name : kLists) lists.declare(name);
}

Currency payment_conditions_routine(const Context& ctx, const Variant& conn, int32_t cod_unidade,
                                    const Variant& planilha, const Variant& forma,
                                    const Variant& condicao, ListSet& lists) {
  declare_payment_condition_lists(lists);
  const Text key = key_text(planilha);
  db::RecordsetPtr budget = read(
      conn, T("Select VencimentoPor, NParcelas, TotalProdutos+TotalServiços+ValorCREA+"
              "Isnull(ValorFrete,0) As Total, TotalProdutos, ValorEntrada, Status, FormaPagto, "
              "CondiçãoPagto From Orçamentos Where Planílha=") +
                key);
  if (budget->eof()) return Currency();
  const double total = number_or_zero(budget->field(u"Total"));
  const double products = number_or_zero(budget->field(u"TotalProdutos"));
  Currency installment;

  if (number_or_zero(budget->field(u"VencimentoPor")) == 2) {
    // The budget's own plan: a loan on the products less the down payment.
    const int32_t n = static_cast<int32_t>(number_or_zero(budget->field(u"NParcelas")));
    const double down = number_or_zero(budget->field(u"ValorEntrada"));
    const double rate = setting_decimal(unit_setting(conn, 196, cod_unidade, u"Descreve")) / 100.0;
    installment = CCur(cents(loan_installment(products - down, n, rate)));
    const Text parcels = CStr(Variant(n)) + u" (" + vb::LCase(installments_in_words(ctx, n)) +
                         u") parcelas de " + currency(CDbl(Variant(installment)));
    const Text plan =
        down > 0 ? u"Entrada de " + currency(down) + u" + " + parcels : u"Sem entrada, " + parcels;
    for (const char16_t* name : kLists) {
      if (Text(name) == u"vCondiçõesSemValor") {
        lists[name].add(down > 0 ? u"Entrada + " + CStr(Variant(n)) + u" parcelas"
                                 : u"Sem entrada, " + CStr(Variant(n)) + u" parcelas");
      } else {
        lists[name].add(plan);
      }
    }
  }

  db::RecordsetPtr conditions;
  const bool linked =
      CLng(funcs::DCount(conn, u"*", T("OrçamentosCondições"), T("Planílha=") + key)) > 0;
  if (linked) {
    conditions = read(conn, T("Select * From CondiçõesPagto Inner Join OrçamentosCondições On "
                              "OrçamentosCondições.Condição=CondiçõesPagto.CodCondição Where "
                              "Planílha=") +
                                key + kOrderByDates);
  } else if (!key_text(condicao).empty()) {
    conditions =
        read(conn, T("Select * From CondiçõesPagto Where CodCondição=") + key_text(condicao));
  } else if (!key_text(forma).empty()) {
    conditions = read(conn, T("Select * From CondiçõesPagto Where Isnull(CondInativa,0)=0 And "
                              "CodFormaPagto=") +
                                key_text(forma) + kOrderByDates);
  }
  if (conditions) {
    for (; !conditions->eof(); conditions->move_next()) {
      add_condition_lines(ctx, condition_of(*conditions), total, products, lists);
    }
  }

  if (installment == Currency() && !key_text(condicao).empty()) {
    db::RecordsetPtr own =
        read(conn, T("Select * From CondiçõesPagto Where CodCondição=") + key_text(condicao));
    if (!own->eof()) {
      const Condition c = condition_of(*own);
      if (c.count() > 0) installment = CCur(cents(total / c.count()));
    }
  }
  return installment;
}

Text installments_sentence(const Context& ctx, const Variant& conn, const Variant& total,
                           const Variant& condicao) {
  if (key_text(condicao).empty()) return Text();
  db::RecordsetPtr rs =
      read(conn, T("Select * From CondiçõesPagto Where CodCondição=") + key_text(condicao));
  if (rs->eof()) return Text();
  const Condition c = condition_of(*rs);
  const double amount = number_or_zero(total);
  const int32_t n = c.count();
  if (n <= 1) {
    return u"1 (UMA) PARCELA DE " + currency(amount) + u" (" +
           vb::UCase(in_words(ctx, Variant(CCur(amount)))) + u")";
  }
  const double each = cents(amount / n);
  const Text tail = u" PARCELAS IGUAIS E SUCESSIVAS DE " + currency(each) + u" (" +
                    vb::UCase(in_words(ctx, Variant(CCur(each)))) + u") CADA";
  if (c.down_payment) {
    return u"1 + " + CStr(Variant(n - 1)) + u" (UMA MAIS " + installments_in_words(ctx, n - 1) +
           u")" + tail;
  }
  return CStr(Variant(n)) + u" (" + installments_in_words(ctx, n) + u")" + tail;
}

}  // namespace orvane::docgen
