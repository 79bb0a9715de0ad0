#include "docgen/frame/placeholder_table.h"

#include "core/convert.h"
#include "core/error.h"
#include "core/format.h"
#include "docgen/frame/values.h"
#include "funcs/aggregates.h"
#include "funcs/textclean.h"

namespace orvane::docgen {
namespace {

bool is_true(const Variant& v) {
  if (v.type() == VarType::Boolean) return v.boolean();
  if (v.is_null() || v.is_empty()) return false;
  return IsNumeric(v) && CDbl(v) == -1.0;  // True as a number
}

Variant value_by_type(const db::FieldInfo& f, const Variant& v) {
  switch (static_cast<int32_t>(f.type)) {
    case 4:   // single
    case 5:   // double
    case 6:   // currency
    case 14:  // decimal
      return Format(v, u"#,##0.00");
    case 7:
      return Format(v, u"dd/mm/yyyy");
    case 11:
      return Variant(is_true(v) ? Text(u"Sim") : T("Não"));
    case 200:  // variable-length single-byte text comes out in capitals
      return Format(v, u">");
    default:
      return funcs::NZ(v, Variant(Text()));
  }
}

}  // namespace

PlaceholderTable::PlaceholderTable(int32_t last_row) : last_row_(last_row) {
  rows_.reserve(static_cast<size_t>(std::min<int32_t>(last_row, 2048)));
}

void PlaceholderTable::add(TextView placeholder, Variant value) {
  ++counter_;
  if (counter_ <= last_row_) rows_.push_back(Row{Text(placeholder), std::move(value)});
}

const Text& PlaceholderTable::text(int32_t row) const {
  if (row < 1 || row > static_cast<int32_t>(rows_.size())) throw VbError(err::kSubscript);
  return rows_[row - 1].text;
}

const Variant& PlaceholderTable::value(int32_t row) const {
  if (row < 1 || row > static_cast<int32_t>(rows_.size())) throw VbError(err::kSubscript);
  return rows_[row - 1].value;
}

bool PlaceholderTable::replace_value(TextView placeholder, const Variant& value) {
  bool any = false;
  for (Row& r : rows_) {
    if (r.text == placeholder) {
      r.value = value;
      any = true;
    }
  }
  return any;
}

const Variant* PlaceholderTable::find(TextView placeholder) const {
  for (const Row& r : rows_) {
    if (r.text == placeholder) return &r.value;
  }
  return nullptr;
}

Variant field_placeholder_value(const db::Recordset& rs, TextView prefixo, int index) {
  if (rs.record_count() < 1) return Variant(Text());
  const db::FieldInfo& f = rs.field_info(index);
  const Text& n = f.name;
  const Variant& v = rs.field(index);

  if (prefixo == u"Cli." && vb::Right(n, 2) == u"NF" && n != u"ValorNF") {
    // Without a separate billing address the billing fields repeat the main address.
    if (CStr(funcs::NZ(rs.field(T("EndereçoNF")), Variant(Text()))).empty()) {
      if (n == u"ComplementoNF") return rs.field(T("ComplEndereço"));
      return rs.field(vb::Left(n, vb::Len(n) - 2));
    }
    return v;
  }
  if (prefixo == u"Cli." && n == u"MoniDataCadastro") {
    if (!CStr(funcs::NZ(v, Variant(Text()))).empty()) {
      return Format(Variant(CDate(v)), u"dd/mm/yyyy");
    }
    return Variant(Text());
  }
  if (prefixo == u"ADT." && (n == T("Serviço") || n == T("NovoServiço"))) {
    return Variant(vb::UCase(CStr(funcs::NZ(v, Variant(Text())))));
  }
  if (prefixo == u"Ras." && n == u"CodRastreio") {
    return Variant(Text(u"INS") + key_text(v) + u"IDE");
  }
  return value_by_type(f, v);
}

void AdicionaCamposLista(const db::Recordset& rs, TextView prefixo, PlaceholderTable& table,
                         int32_t direcao) {
  int n = 0;
  resume_next([&] { n = rs.field_count(); });

  auto add_field = [&](int i) {
    Text name;
    if (!resume_next([&] { name = rs.field_info(i).name; })) return;
    if (prefixo == u"Cli." && name == u"SenhaOnline") return;  // never printed

    Variant value;
    resume_next([&] { value = field_placeholder_value(rs, prefixo, i); });
    // The same value under the name without accents, so a template may spell it either way.
    Text plain = funcs::TiraAcento(name, false, false);
    if (plain != name) {
      table.add(Text(prefixo) + name, value);
      table.add(Text(prefixo) + plain, std::move(value));
    } else {
      table.add(Text(prefixo) + name, std::move(value));
    }
  };

  if (direcao == 1) {
    for (int i = 0; i < n; ++i) add_field(i);
  } else if (direcao < 0) {
    for (int i = n - 1; i >= 0; i += direcao) add_field(i);
  } else {
    // A forward step from the last field down to 0 reaches at most field 0 (one field).
    if (n == 1) add_field(0);
  }
}

}  // namespace orvane::docgen
