#include "docgen/amendment/services_history.h"

#include <algorithm>

#include "core/convert.h"
#include "core/error.h"
#include "core/format.h"
#include "docgen/amendment/queries.h"
#include "docgen/frame/values.h"
#include "platform/db/db.h"

namespace orvane::docgen::amendment {
namespace {

db::RecordsetPtr read(const Variant& conn, TextView sql) {
  return db::open_recordset(conn, sql, db::CursorType::Static, db::LockType::ReadOnly);
}

double number(const db::Recordset& rs, TextView name) { return number_or_zero(rs.field(name)); }

Text currency(double v) { return CStr(Format(Variant(CCur(v)), u"Currency")); }
Text plain(double v) { return CStr(Format(Variant(CCur(v)), u"#,##0.00")); }
Text count(double v) { return CStr(Format(Variant(v), u"0")); }

// A value as the host writes it into SQL: two decimals with a decimal point.
Text sql_number(double v) {
  return vb::Replace(CStr(Format(Variant(CCur(v)), u"0.00")), u",", u".");
}

}  // namespace

HistoryValues history_routine(const Variant& conn, TextView cod_aditivo) {
  HistoryValues h;
  db::RecordsetPtr rs = read(conn, amendment_sql::history(cod_aditivo));
  if (rs->eof()) return h;
  h.found = true;
  h.monthly_before = number(*rs, u"ValorAnterior");
  h.monthly_after = number(*rs, u"NovoValor");
  h.monthly_before_me = number(*rs, u"ValorAnteriorME");
  h.monthly_after_me = number(*rs, u"NovoValorME");
  h.loan_before = number(*rs, u"ValorAnteriorComodato");
  h.loan_after = number(*rs, u"NovoValorComodato");
  db::RecordsetPtr services =
      read(conn, amendment_sql::history_services(key_text(rs->field(u"CodInterno"))));
  for (; !services->eof(); services->move_next()) {
    HistoryValues::Service s;
    s.code = static_cast<int32_t>(number(*services, T("CodServiço")));
    s.name = key_text(services->field(T("Serviço")));
    s.quantity_before = number(*services, u"Quantidadeanterior");
    s.quantity_after = number(*services, u"novaQuantidade");
    s.before = number(*services, u"ValorAnterior");
    s.after = number(*services, u"NovoValor");
    h.services.push_back(std::move(s));
  }
  return h;
}

ServiceRow* ServicesComparison::find(int32_t code) {
  for (ServiceRow& r : rows_) {
    if (r.code == code) return &r;
  }
  return nullptr;
}

ServiceRow& ServicesComparison::add(ServiceRow row) {
  if (static_cast<int32_t>(rows_.size()) >= kComparisonRows) throw VbError(err::kSubscript);
  return rows_.emplace_back(std::move(row));
}

void ServicesComparison::sort_by_name() {
  std::stable_sort(rows_.begin(), rows_.end(),
                   [](const ServiceRow& a, const ServiceRow& b) { return a.name < b.name; });
}

ServicesComparison compare_services(const Variant& conn, const ComparisonInput& in,
                                    const HistoryValues& history) {
  ServicesComparison c;
  db::RecordsetPtr current =
      read(conn, amendment_sql::current_services(in.cod_cliente, sql_number(in.monthly), !in.sale,
                                                 sql_number(in.loan)));
  for (; !current->eof(); current->move_next()) {
    ServiceRow r;
    r.code = static_cast<int32_t>(number(*current, T("CodServiço")));
    r.name = key_text(current->field(T("Serviço")));
    r.quantity_before = r.quantity = number(*current, u"Quantidade");
    r.before = r.after = number(*current, T("ValorServiço"));
    r.current = true;
    c.add(std::move(r));
  }

  // What the amendment recorded. A signed contract keeps the customer's own values before.
  auto take = [&](ServiceRow& r, double before, double after) {
    if (!in.contract_signed) r.before = before;
    r.after = after;
  };
  auto take_quantity = [&](ServiceRow& r, double before, double after) {
    if (!in.contract_signed) r.quantity_before = before;
    r.quantity = after;
  };
  if (history.found) {
    if (ServiceRow* monthly = c.find(kMonthlyRow)) {
      if (in.other_currency) {
        take(*monthly, history.monthly_before_me, history.monthly_after_me);
      } else {
        take(*monthly, history.monthly_before, history.monthly_after);
      }
    }
    if (ServiceRow* loan = c.find(kLoanRow)) take(*loan, history.loan_before, history.loan_after);
    for (const HistoryValues::Service& s : history.services) {
      if (ServiceRow* r = c.find(s.code)) {
        take(*r, s.before, s.after);
        take_quantity(*r, s.quantity_before, s.quantity_after);
      } else {
        c.add(ServiceRow{s.code, s.name, s.quantity_before, s.quantity_after, s.before, s.after,
                         false});
      }
    }
  }

  db::RecordsetPtr added = read(conn, amendment_sql::amendment_services(in.cod_aditivo));
  for (; !added->eof(); added->move_next()) {
    ServiceRow a;
    a.code = static_cast<int32_t>(number(*added, T("CodServiço")));
    a.name = key_text(added->field(T("Serviço")));
    a.quantity = number(*added, u"Quantidade");
    a.after = number(*added, T("ValorServiço"));
    c.add_amendment_service(a);
    // Without a history row for it, the service adds its quantity and value to what the
    // customer has.
    const bool recorded =
        std::any_of(history.services.begin(), history.services.end(),
                    [&](const HistoryValues::Service& s) { return s.code == a.code; });
    if (recorded) continue;
    if (ServiceRow* r = c.find(a.code)) {
      r->quantity += a.quantity;
      r->after += a.after;
    } else {
      c.add(a);
    }
  }
  c.sort_by_name();
  return c;
}

void build_service_lists(const ServicesComparison& c, ListSet& lists) {
  for (const ServiceListLayout& l : service_lists()) {
    ListLines& out = lists.declare(l.placeholder);
    const Text bullet = l.bullet ? Text(u"*\t") : Text();
    auto cells = [&](const ServiceRow& r) -> Text {
      switch (l.cells) {
        case ServiceCells::Before:
          return r.name + u"\t" + currency(r.before);
        case ServiceCells::After:
          return r.name + u"\t" + currency(r.after);
        case ServiceCells::BeforeAndAfter:
          return r.name + u"\t" + count(r.quantity) + u"\t" + currency(r.before) + u"\t" +
                 currency(r.after);
        case ServiceCells::QuantityAndValue:
          return r.name + u"\t" + count(r.quantity) + u"\t" + currency(r.after);
      }
      return Text();
    };
    auto takes = [&](const ServiceRow& r) {
      switch (l.rows) {
        case ServiceRows::Before:
          return r.listed_before();
        case ServiceRows::After:
          return r.listed_after();
        case ServiceRows::All:
          return true;
        case ServiceRows::Customer:
          return r.current && !r.synthetic();
        case ServiceRows::Amendment:
          return false;  // the amendment's own services, below
      }
      return false;
    };
    if (l.rows == ServiceRows::Amendment) {
      for (const ServiceRow& r : c.added()) out.add(bullet + cells(r));
      continue;
    }
    for (const ServiceRow& r : c.rows()) {
      if (!takes(r)) continue;
      // The customer's own list shows what the customer has now.
      if (l.rows == ServiceRows::Customer) {
        out.add(bullet + r.name + u"\t" + count(r.quantity_before) + u"\t" + currency(r.before));
      } else {
        out.add(bullet + cells(r));
      }
    }
  }
}

TableContent services_with_total(const ServicesComparison& c) {
  std::vector<std::vector<Text>> rows;
  double sum = 0;
  for (const ServiceRow& r : c.rows()) {
    if (!r.current || r.synthetic()) continue;
    rows.push_back({r.name, count(r.quantity_before), plain(r.before)});
    sum += r.before;
  }
  if (!rows.empty()) rows.push_back({u"Total", u"", plain(sum)});
  return table_of_rows(services_table(), std::move(rows));
}

}  // namespace orvane::docgen::amendment
