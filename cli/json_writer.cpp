#include "cli/json_writer.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "core/object.h"

namespace orvane::cli {
namespace {

std::string number(double d) {
  if (!std::isfinite(d))
    return json_string(
        std::string_view(std::isnan(d) ? "NaN" : (d > 0 ? "Infinity" : "-Infinity")));
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf, d);
  return std::string(buf, r.ptr);
}

std::string object_json(const ObjectPtr& o) {
  if (!o) return R"({"type":"Object","class":"Nothing"})";
  std::string cls = to_utf8(o->type_name());
  std::string out = R"({"type":"Object","class":)" + json_string(std::string_view(cls));
  if (cls == "Dictionary") {
    Variant keys = call(o, u"Keys");
    out += R"(,"value":{)";
    bool first = true;
    if (keys.is_array()) {
      for (const auto& k : keys.array().items()) {
        if (!first) out += ",";
        first = false;
        out += json_string(TextView(k.is_text() ? k.text() : Text())) + ":" +
               variant_json(call(o, u"Item", {k}));
      }
    }
    out += "}";
  } else if (cls == "Collection") {
    int32_t n = get(o, u"Count").lng();
    out += R"(,"value":[)";
    for (int32_t i = 1; i <= n; ++i) {
      if (i > 1) out += ",";
      out += variant_json(call(o, u"Item", {Variant(i)}));
    }
    out += "]";
  }
  return out + "}";
}

std::string array_json(const Array& a, int dim, std::vector<int32_t>& index) {
  std::string out = "[";
  const auto& b = a.bound(dim);
  for (int32_t i = b.lower; i <= b.upper(); ++i) {
    if (i > b.lower) out += ",";
    index[dim] = i;
    out += dim + 1 == a.dims() ? variant_json(a.at(index)) : array_json(a, dim + 1, index);
  }
  return out + "]";
}

}  // namespace

std::string json_string(std::string_view s) { return json_string(TextView(from_utf8(s))); }

std::string json_string(TextView s) {
  std::string out = "\"";
  std::string u8 = to_utf8(s);
  for (unsigned char c : u8) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (c < 0x20) {
          char b[8];
          std::snprintf(b, sizeof b, "\\u%04x", c);
          out += b;
        } else {
          out.push_back(static_cast<char>(c));
        }
    }
  }
  return out + "\"";
}

std::string variant_json(const Variant& v) {
  std::string t = std::string(R"({"type":")") + var_type_name(v.type()) + "\"";
  auto with = [&](const std::string& value) { return t + R"(,"value":)" + value + "}"; };
  switch (v.type()) {
    case VarType::Empty:
    case VarType::Null:
      return t + "}";
    case VarType::Integer:
      return with(std::to_string(v.integer()));
    case VarType::Long:
      return with(std::to_string(v.lng()));
    case VarType::Byte:
      return with(std::to_string(v.byte()));
    case VarType::Single:
      return with(number(v.single()));
    case VarType::Double:
      return with(number(v.dbl()));
    case VarType::Currency:
      return with(json_string(std::string_view(Decimal::from_currency(v.currency()).to_string())));
    case VarType::Decimal:
      return with(json_string(std::string_view(v.decimal().to_string())));
    case VarType::Date: {
      auto p = v.date().parts();
      char b[32];
      std::snprintf(b, sizeof b, "%04d-%02d-%02dT%02d:%02d:%02d", p.year, p.month, p.day, p.hour,
                    p.minute, p.second);
      return with(json_string(std::string_view(b)));
    }
    case VarType::String:
      return with(json_string(TextView(v.text())));
    case VarType::Boolean:
      return with(v.boolean() ? "true" : "false");
    case VarType::Error:
      return with(std::to_string(v.error().scode));
    case VarType::Object:
      return object_json(v.object());
    case VarType::Array: {
      const Array& a = v.array();
      if (a.dims() == 0) return with("[]");
      std::vector<int32_t> index(a.dims());
      return with(array_json(a, 0, index));
    }
    default:
      return t + "}";
  }
}

}  // namespace orvane::cli
