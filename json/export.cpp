#include "json/export.h"

#include <charconv>
#include <cmath>
#include <typeinfo>

#include "core/convert.h"
#include "core/error.h"
#include "json/serializer.h"
#include "platform/db/db.h"

namespace orvane::json {
namespace {

// Writes the envelope's opening, the rows, and its closing with the count.
class RowWriter {
 public:
  RowWriter() { out_.put(u"( {\"Records\": [\r\n"); }
  void begin_row() {
    if (rows_ > 0) out_.put(u",\r\n");
    out_.put(u'{');
    first_ = true;
  }
  // `value` must already be free of apostrophes.
  void field(TextView name, TextView value) {
    if (!first_) out_.put(u',');
    first_ = false;
    out_.put(u'"');
    out_.put(name);
    out_.put(u"\":\"");
    append_to_unicode(out_, value);
    out_.put(u'"');
  }
  void end_row() {
    out_.put(u'}');
    ++rows_;
  }
  Text envelope(int64_t count) {
    out_.put(u"\r\n], \"RecordCount\":\"");
    const std::string n = std::to_string(count);
    out_.put(Text(n.begin(), n.end()));
    out_.put(u"\" } )");
    return out_.text();
  }
  int64_t rows() const { return rows_; }
  // Room for `total` rows in all, judged from the rows written so far; the room beyond
  // what gets written is never touched, so the estimate errs on the generous side.
  void expect_rows(int64_t total) {
    if (rows_ == 0 || total <= rows_) return;
    const size_t per_row = out_.size() / static_cast<size_t>(rows_) + 1;
    out_.expect(out_.size() + per_row * static_cast<size_t>(total - rows_) * 3 / 2 + 64);
  }

 private:
  TextSink out_;
  bool first_ = true;
  int64_t rows_ = 0;
};

Text without_apostrophes(TextView s) {
  Text t(s);
  std::erase(t, u'\'');
  return t;
}

bool flag(const ObjectPtr& o, TextView property) { return CBool(get(o, property)); }

void append_digits(Text& out, uint64_t v, int width = 1) {
  char buf[24];
  char* end = std::to_chars(buf, buf + sizeof buf, v).ptr;
  for (int pad = width - static_cast<int>(end - buf); pad > 0; --pad) out.push_back(u'0');
  out.append(buf, end);
}

}  // namespace

TextView value_text(const Variant& v, Text& scratch) {
  // The common column types are written here without the round trips of CStr; the
  // results are the same texts.
  scratch.clear();
  switch (v.type()) {
    case VarType::Null:
      return {};
    case VarType::String:
      if (v.text().find(u'\'') == Text::npos) return v.text();
      scratch = v.text();
      std::erase(scratch, u'\'');
      return scratch;
    case VarType::Integer:
    case VarType::Long:
    case VarType::Byte: {
      const int64_t n = v.type() == VarType::Long      ? v.lng()
                        : v.type() == VarType::Integer ? v.integer()
                                                       : v.byte();
      if (n < 0) scratch.push_back(u'-');
      append_digits(scratch, n < 0 ? static_cast<uint64_t>(-n) : static_cast<uint64_t>(n));
      return scratch;
    }
    case VarType::Double:
      append_number(scratch, v.dbl(), u',');
      return scratch;
    case VarType::Currency: {
      const int64_t raw = v.currency().raw();
      const uint64_t u =
          raw < 0 ? static_cast<uint64_t>(-(raw + 1)) + 1 : static_cast<uint64_t>(raw);
      if (raw < 0) scratch.push_back(u'-');
      append_digits(scratch, u / 10000);
      if (uint64_t frac = u % 10000) {
        int width = 4;
        while (frac % 10 == 0) frac /= 10, --width;
        scratch.push_back(u',');
        append_digits(scratch, frac, width);
      }
      return scratch;
    }
    case VarType::Date: {
      const Date d = v.date();
      const DateParts p = d.parts();
      const bool has_time = p.hour || p.minute || p.second;
      if (std::trunc(d.oa()) != 0 || !has_time) {
        append_digits(scratch, static_cast<uint64_t>(p.day), 2);
        scratch.push_back(u'/');
        append_digits(scratch, static_cast<uint64_t>(p.month), 2);
        scratch.push_back(u'/');
        append_digits(scratch, static_cast<uint64_t>(p.year), 4);
        if (has_time) scratch.push_back(u' ');
      }
      if (has_time) {
        append_digits(scratch, static_cast<uint64_t>(p.hour), 2);
        scratch.push_back(u':');
        append_digits(scratch, static_cast<uint64_t>(p.minute), 2);
        scratch.push_back(u':');
        append_digits(scratch, static_cast<uint64_t>(p.second), 2);
      }
      return scratch;
    }
    default:
      scratch = CStr(v);
      std::erase(scratch, u'\'');
      return scratch;
  }
}

namespace {

// Our own recordsets are read through their C++ interface: the same rows, without a
// late-bound call per field.
Text export_rows(db::Recordset& rs) {
  if (!rs.is_open() || rs.eof() || rs.bof()) return u"null";
  const int count = rs.field_count();
  // The rows still to come: the text is sized for them after a sample.
  const int64_t rows = rs.record_count() - rs.position();
  constexpr int64_t kSample = 64;
  RowWriter w;
  Text scratch;
  while (!rs.eof() && !rs.bof()) {
    w.begin_row();
    for (int i = 0; i < count; ++i) {
      // Each value is read once: converted for the row and not kept in the recordset.
      const Variant value = rs.peek_field(i);
      w.field(rs.field_info(i).name, value_text(value, scratch));
    }
    w.end_row();
    if (w.rows() == kSample && rows > 2 * kSample) w.expect_rows(rows);
    rs.move_next();
  }
  return w.envelope(w.rows());
}

}  // namespace

Text string_to_json(TextView st) {
  if (st.empty()) return u"null";
  const std::vector<Text> rows = vb::Split(st, u"|");
  RowWriter w;
  for (const Text& row : rows) {
    const std::vector<Text> fields = vb::Split(row, u"~");
    w.begin_row();
    for (size_t i = 0; i < fields.size(); i += 2) {
      if (i + 1 >= fields.size()) throw VbError(err::kSubscript);
      w.field(fields[i], without_apostrophes(fields[i + 1]));
    }
    w.end_row();
  }
  return w.envelope(static_cast<int64_t>(rows.size()));
}

Text rs_to_json_late_bound(const Variant& rs) {
  try {
    const ObjectPtr& o = as_object(rs);
    if (CLng(get(o, u"State")) == 0) return u"null";
    if (flag(o, u"EOF") || flag(o, u"BOF")) return u"null";
    RowWriter w;
    Text scratch;
    while (!flag(o, u"EOF") && !flag(o, u"BOF")) {
      ObjectPtr fields = as_object(get(o, u"Fields"));
      const int32_t count = CLng(get(fields, u"Count"));
      w.begin_row();
      for (int32_t i = 0; i < count; ++i) {
        ObjectPtr field = as_object(call(fields, u"Item", {Variant(i)}));
        const Text name = CStr(get(field, u"Name"));
        w.field(name, value_text(get(field, u"Value"), scratch));
      }
      w.end_row();
      call(o, u"MoveNext");
    }
    return w.envelope(w.rows());
  } catch (...) {
    return Text();
  }
}

Text rs_to_json(const Variant& rs) {
  try {
    const ObjectPtr& o = as_object(rs);
    const Object& obj = *o;
    if (typeid(obj) == typeid(db::Recordset)) return export_rows(static_cast<db::Recordset&>(*o));
  } catch (...) {
    return Text();
  }
  return rs_to_json_late_bound(rs);
}

}  // namespace orvane::json
