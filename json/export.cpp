#include "json/export.h"

#include "core/convert.h"
#include "core/error.h"
#include "json/serializer.h"
#include "strbuild/string_builder.h"

namespace orvane::json {
namespace {

// Writes the envelope's opening, the rows, and its closing with the count.
class RowWriter {
 public:
  RowWriter() { out_.Append(u"( {\"Records\": [\r\n"); }
  void begin_row() {
    if (rows_ > 0) out_.Append(u",\r\n");
    out_.Append(u'{');
    first_ = true;
  }
  // `value` must already be free of apostrophes.
  void field(TextView name, TextView value) {
    if (!first_) out_.Append(u',');
    first_ = false;
    out_.Append(u'"');
    out_.Append(name);
    out_.Append(u"\":\"");
    append_to_unicode(out_, value);
    out_.Append(u'"');
  }
  void end_row() {
    out_.Append(u'}');
    ++rows_;
  }
  Text envelope(int64_t count) {
    out_.Append(u"\r\n], \"RecordCount\":\"");
    const std::string n = std::to_string(count);
    out_.Append(Text(n.begin(), n.end()));
    out_.Append(u"\" } )");
    return out_.take();
  }
  int64_t rows() const { return rows_; }

 private:
  strbuild::cStringBuilder out_;
  bool first_ = true;
  int64_t rows_ = 0;
};

Text without_apostrophes(TextView s) {
  Text t(s);
  std::erase(t, u'\'');
  return t;
}

bool flag(const ObjectPtr& o, TextView property) { return CBool(get(o, property)); }

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

Text rs_to_json(const Variant& rs) {
  try {
    const ObjectPtr& o = as_object(rs);
    if (CLng(get(o, u"State")) == 0) return u"null";
    if (flag(o, u"EOF") || flag(o, u"BOF")) return u"null";
    RowWriter w;
    Text value;
    while (!flag(o, u"EOF") && !flag(o, u"BOF")) {
      ObjectPtr fields = as_object(get(o, u"Fields"));
      const int32_t count = CLng(get(fields, u"Count"));
      w.begin_row();
      for (int32_t i = 0; i < count; ++i) {
        ObjectPtr field = as_object(call(fields, u"Item", {Variant(i)}));
        const Text name = CStr(get(field, u"Name"));
        const Variant v = get(field, u"Value");
        value = v.is_null() ? Text() : CStr(v);
        std::erase(value, u'\'');
        w.field(name, value);
      }
      w.end_row();
      call(o, u"MoveNext");
    }
    return w.envelope(w.rows());
  } catch (...) {
    return Text();
  }
}

}  // namespace orvane::json
