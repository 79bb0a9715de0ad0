#include "cli/cli.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <sstream>
#include <utility>

#include "cli/cpp_header.h"
#include "cli/demo_cmd.h"
#include "cli/demo_db_cmd.h"
#include "cli/gera_cmd.h"
#include "cli/json_writer.h"
#include "cli/python_module.h"
#include "cli/sql_cmd.h"
#include "component/registry.h"
#include "core/convert.h"
#include "core/format.h"
#include "platform/db/db.h"

namespace orvane::cli {
namespace {

using component::BindError;

const char* kUsage = R"(usage:
  orvane call [--db URL] [--json] [--answer yes|no] [--now YYYY-MM-DDTHH:MM:SS]
              [--word-version V] [--without word|writer|office] [--printer CMD] [--opener CMD]
              CLASS MEMBER [ARG...] [--then MEMBER [ARG...]]...
  orvane classes [CLASS | --cpp | --python | --pyi]
  orvane demo [--out DIR] [--picture PNG]
  orvane gera KIND [KEY...] [--where SQL] --db URL --unit N --template PATH
              [--company N] [--out DIR] [--jobs N] [--route word|writer] [OPTIONS]
  orvane demo-db PATH [--force] [--out DIR]
  orvane sql [--db URL] [--json] SQL
  orvane --help | --version

Arguments of `call` are converted to the member's declared parameter types. Typed forms:
  @null @empty @missing @conn @rs:SQL @str:TEXT @int:N @long:N @byte:N @dbl:N @cur:N
  @bool:true|false @date:YYYY-MM-DD[THH:MM:SS] @file:PATH @prev
A property is read by naming it and written with `let NAME VALUE`.
Exit status: 0 every call ran, 2 usage error, 3 a member raised an error.
)";

struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Messages of one invocation: shown on stderr (plain output) and collected per call
// (JSON output); questions get the --answer.
class CliSink : public ui::MessageSink {
 public:
  CliSink(std::ostream& err, bool echo, int answer) : err_(err), echo_(echo), answer_(answer) {}
  int show(const ui::Message& m) override {
    collected_.push_back(m);
    if (echo_) err_ << "Orvane: " << to_utf8(m.text) << "\n";
    return ui::asks_yes_no(m.style) ? answer_ : ui::kOk;
  }
  std::vector<ui::Message> take() { return std::exchange(collected_, {}); }

 private:
  std::ostream& err_;
  bool echo_;
  int answer_;
  std::vector<ui::Message> collected_;
};

struct CallSpec {
  bool is_let = false;
  std::string member;
  std::vector<std::string> args;
};

struct CallOptions {
  std::string db;
  bool json = false;
  int answer = ui::kNo;
  std::optional<Date> now;
  HostSettings settings;
};

// A UTF-8 file as text.
Text read_text_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) throw UsageError("cannot read " + path);
  // Read in one piece when the size is known (a regular file), else as a stream.
  const std::streamoff size = in.tellg();
  if (size > 0) {
    auto bytes = std::make_unique_for_overwrite<char[]>(static_cast<size_t>(size));
    in.seekg(0);
    if (in.read(bytes.get(), size) && in.peek() == std::char_traits<char>::eof())
      return from_utf8(std::string_view(bytes.get(), static_cast<size_t>(size)));
    in.clear();
  }
  in.seekg(0);
  std::ostringstream ss;
  ss << in.rdbuf();
  return from_utf8(ss.str());
}

// Writes a text as UTF-8 a piece at a time, so a long result is never held twice more.
void write_utf8(std::ostream& out, TextView text) {
  constexpr size_t kPiece = 1 << 15;
  while (!text.empty()) {
    size_t n = std::min(kPiece, text.size());
    // Never split a surrogate pair.
    if (n < text.size() && text[n - 1] >= 0xD800 && text[n - 1] <= 0xDBFF) --n;
    out << to_utf8(text.substr(0, n));
    text.remove_prefix(n);
  }
}

Date parse_iso_date(const std::string& s) {
  int y = 0, mo = 0, d = 0, h = 0, mi = 0, se = 0;
  int n = std::sscanf(s.c_str(), "%d-%d-%dT%d:%d:%d", &y, &mo, &d, &h, &mi, &se);
  if (n != 3 && n != 6) throw UsageError("not a date (YYYY-MM-DD[THH:MM:SS]): " + s);
  try {
    return Date::from_parts(y, mo, d, h, mi, se);
  } catch (const VbError&) {
    throw UsageError("not a valid date: " + s);
  }
}

double parse_point_number(const std::string& s, const std::string& form) {
  char* end = nullptr;
  double d = std::strtod(s.c_str(), &end);
  if (s.empty() || *end) throw UsageError("not a number in " + form + s);
  return d;
}

class Invocation {
 public:
  Invocation(CallOptions opts, std::ostream& out, std::ostream& err)
      : opts_(std::move(opts)), out_(out), err_(err) {
    sink_ = std::make_shared<CliSink>(err, !opts_.json, opts_.answer);
    std::shared_ptr<Clock> clock;
    if (opts_.now) clock = std::make_shared<FixedClock>(*opts_.now);
    ctx_ = make_context(sink_, clock, opts_.settings);
  }

  int run(const std::string& cls, const std::vector<CallSpec>& calls) {
    const component::ClassInfo* info = component::Registry::global().find(from_utf8(cls));
    if (!info) throw UsageError("unknown class: " + cls + " (see `orvane classes`)");
    if (!opts_.db.empty()) {
      try {
        conn_ = db::as_variant(db::open_connection(from_utf8(opts_.db), ctx_));
      } catch (const VbError& e) {
        throw UsageError("--db " + opts_.db + ": " + to_utf8(e.description()));
      }
    }
    ObjectPtr obj = component::Registry::global().create(info->name, ctx_);
    const component::MemberTable* table = info->members;
    for (const auto& c : calls) {
      int status = run_one(*obj, table, c);
      if (status != 0) return status;
    }
    return 0;
  }

 private:
  Variant argument(const std::string& a, VarType declared) {
    auto after = [&](size_t n) { return a.substr(n); };
    if (a == "@null") return Variant::Null();
    if (a == "@empty") return Variant();
    if (a == "@missing") return Variant::Missing();
    if (a == "@prev") return prev_;
    if (a == "@conn") {
      if (conn_.is_empty()) throw UsageError("@conn needs --db URL");
      return conn_;
    }
    if (a.rfind("@rs:", 0) == 0) {
      if (conn_.is_empty()) throw UsageError("@rs: needs --db URL");
      try {
        return db::as_variant(db::open_recordset(conn_, from_utf8(after(4))));
      } catch (const VbError& e) {
        throw UsageError("@rs: " + to_utf8(e.description()));
      }
    }
    if (a.rfind("@str:", 0) == 0) return from_utf8(after(5));
    if (a.rfind("@file:", 0) == 0) return read_text_file(after(6));
    auto integer = [&](size_t n, const char* form, double lo, double hi) {
      double d = parse_point_number(after(n), form);
      if (d != static_cast<int64_t>(d) || d < lo || d > hi)
        throw UsageError(std::string("out of range or not whole in ") + form + after(n));
      return d;
    };
    if (a.rfind("@int:", 0) == 0)
      return Variant(static_cast<int16_t>(integer(5, "@int:", -32768, 32767)));
    if (a.rfind("@long:", 0) == 0)
      return Variant(static_cast<int32_t>(integer(6, "@long:", -2147483648.0, 2147483647.0)));
    if (a.rfind("@byte:", 0) == 0)
      return Variant(static_cast<uint8_t>(integer(6, "@byte:", 0, 255)));
    if (a.rfind("@dbl:", 0) == 0) return Variant(parse_point_number(after(5), "@dbl:"));
    if (a.rfind("@cur:", 0) == 0) {
      try {
        return Variant(CCur(Variant(Decimal::parse(after(5)))));
      } catch (const VbError&) {
        throw UsageError("not a currency amount in @cur:" + after(5));
      }
    }
    if (a.rfind("@bool:", 0) == 0) {
      std::string b = after(6);
      if (b == "true") return true;
      if (b == "false") return false;
      throw UsageError("@bool: takes true or false, not " + b);
    }
    if (a.rfind("@date:", 0) == 0) return parse_iso_date(after(6));
    if (a.rfind("@", 0) == 0 && a.size() > 1 && a.find(':') != std::string::npos)
      throw UsageError("unknown typed argument: " + a);
    // A plain argument is text, converted by the member to its declared type in the
    // host's locale (decimal comma). A lone point in a number is read as the decimal
    // point, as a shell user means it.
    Text t = from_utf8(a);
    if (is_numeric_type(declared) && a.find(',') == std::string::npos &&
        std::count(a.begin(), a.end(), '.') == 1)
      t = vb::Replace(t, u".", u",");
    return t;
  }

  int run_one(Object& obj, const component::MemberTable* table, const CallSpec& c) {
    Text member = from_utf8(c.member);
    CallKind kind = c.is_let ? CallKind::PropertyPut : CallKind::Method;
    const component::Member* m = table ? table->find(member, kind) : nullptr;
    if (!m) {
      throw UsageError("unknown member: " + to_utf8(obj.type_name()) + "." + c.member +
                       (c.is_let ? " (property let)" : ""));
    }
    std::vector<Variant> args;
    for (size_t i = 0; i < c.args.size(); ++i) {
      VarType declared = i < m->params.size() ? m->params[i].type : VarType::Variant;
      args.push_back(argument(c.args[i], declared));
    }
    component::Args bound;
    Variant result;
    std::optional<VbError> failure;
    try {
      result = table->invoke(obj, member, kind, args, {}, &bound);
    } catch (const BindError& e) {
      throw UsageError(to_utf8(e.description()));
    } catch (...) {
      failure = current_error();
    }
    auto messages = sink_->take();
    if (opts_.json) {
      std::string line = "{\"member\":" + json_string(TextView(m->name)) +
                         ",\"result\":" + (failure ? std::string("null") : variant_json(result)) +
                         ",\"byref\":{";
      bool first = true;
      for (size_t k = 0; k < m->params.size() && k < bound.size(); ++k) {
        if (!m->params[k].by_ref) continue;
        if (!first) line += ",";
        first = false;
        line += json_string(TextView(m->params[k].name)) + ":" + variant_json(bound[k]);
      }
      line += "},\"messages\":[";
      for (size_t k = 0; k < messages.size(); ++k) {
        if (k) line += ",";
        line += "{\"text\":" + json_string(TextView(messages[k].text)) +
                ",\"style\":" + std::to_string(messages[k].style) +
                ",\"title\":" + json_string(TextView(messages[k].title)) + "}";
      }
      line += "],\"error\":";
      if (failure)
        line += "{\"number\":" + std::to_string(failure->number()) +
                ",\"description\":" + json_string(TextView(failure->description())) + "}";
      else
        line += "null";
      out_ << line << "}\n";
    } else if (failure) {
      err_ << "orvane: " << to_utf8(m->name) << ": error " << failure->number() << ": "
           << to_utf8(failure->description()) << "\n";
    } else if (m->result != VarType::Empty || !result.is_empty()) {
      if (result.is_text())
        write_utf8(out_, result.text());
      else
        out_ << plain(result);
      out_ << "\n";
    }
    out_.flush();
    if (failure) return 3;
    prev_ = std::move(result);
    return 0;
  }

  static std::string plain(const Variant& v) {
    switch (v.type()) {
      case VarType::Null:
        return "Null";
      case VarType::Object:
        return v.object() ? to_utf8(v.object()->type_name()) : "Nothing";
      case VarType::Array: {
        std::string s;
        for (const auto& item : v.array().items()) {
          if (!s.empty()) s += "\t";
          s += plain(item);
        }
        return s;
      }
      default:
        return to_utf8(CStr(v));
    }
  }

  CallOptions opts_;
  std::ostream& out_;
  std::ostream& err_;
  std::shared_ptr<CliSink> sink_;
  ContextPtr ctx_;
  Variant conn_;
  Variant prev_;
};

int cmd_call(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
  CallOptions o;
  size_t i = 0;
  auto value = [&](const std::string& opt) {
    if (i + 1 >= a.size()) throw UsageError(opt + " needs a value");
    return a[++i];
  };
  for (; i < a.size() && a[i].rfind("--", 0) == 0; ++i) {
    const std::string& opt = a[i];
    if (opt == "--db")
      o.db = value(opt);
    else if (opt == "--json")
      o.json = true;
    else if (opt == "--answer") {
      std::string v = value(opt);
      if (v == "yes")
        o.answer = ui::kYes;
      else if (v == "no")
        o.answer = ui::kNo;
      else
        throw UsageError("--answer takes yes or no");
    } else if (opt == "--now")
      o.now = parse_iso_date(value(opt));
    else if (opt == "--word-version")
      o.settings.word_version = from_utf8(value(opt));
    else if (opt == "--without") {
      std::string v = value(opt);
      if (v == "word")
        o.settings.without_word = true;
      else if (v == "writer")
        o.settings.without_writer = true;
      else if (v == "office")
        o.settings.without_word = o.settings.without_writer = true;
      else
        throw UsageError("--without takes word, writer or office");
    } else if (opt == "--printer")
      o.settings.printer_command = value(opt);
    else if (opt == "--opener")
      o.settings.opener_command = value(opt);
    else
      throw UsageError("unknown option: " + opt);
  }
  if (i >= a.size()) throw UsageError("call needs CLASS and MEMBER");
  std::string cls = a[i++];
  std::vector<CallSpec> calls;
  while (true) {
    if (i >= a.size())
      throw UsageError("call needs a MEMBER after " +
                       (calls.empty() ? cls : std::string("--then")));
    CallSpec c;
    if (a[i] == "let") {
      if (i + 2 >= a.size()) throw UsageError("let needs NAME and VALUE");
      c.is_let = true;
      c.member = a[i + 1];
      i += 2;
    } else {
      c.member = a[i++];
    }
    while (i < a.size() && a[i] != "--then") c.args.push_back(a[i++]);
    if (c.is_let && c.args.size() != 1) throw UsageError("let takes exactly one VALUE");
    calls.push_back(std::move(c));
    if (i >= a.size()) break;
    ++i;  // --then
  }
  Invocation inv(o, out, err);
  return inv.run(cls, calls);
}

std::string param_text(const component::Param& p) {
  std::string s;
  if (p.optional) s += "Optional ";
  s += p.by_ref ? "ByRef " : "ByVal ";
  s += to_utf8(p.name) + " As " + component::type_label(p.type);
  if (p.optional && !p.default_value.is_missing()) {
    Variant d = p.default_value;
    s += " = " + (d.is_text() ? "\"" + to_utf8(d.text()) + "\"" : to_utf8(CStr(d)));
  }
  return s;
}

int cmd_classes(const std::vector<std::string>& a, std::ostream& out) {
  if (!a.empty() && a[0] == "--cpp") {
    write_cpp_header(out);
    return 0;
  }
  if (!a.empty() && (a[0] == "--python" || a[0] == "--pyi")) {
    if (a[0] == "--python")
      write_python_module(out);
    else
      write_python_stub(out);
    return 0;
  }
  const auto& reg = component::Registry::global();
  bool any = false;
  for (const auto& c : reg.classes()) {
    if (!c.is_public || !c.members) continue;
    if (!a.empty() && !vb::EqualsNoCase(c.name, from_utf8(a[0]))) continue;
    any = true;
    out << "class " << to_utf8(c.name);
    for (const auto& p : c.prog_ids) out << " (" << to_utf8(p) << ")";
    out << "\n";
    for (const auto& m : c.members->members()) {
      std::string kind = m.kind == CallKind::PropertyGet   ? "Property Get"
                         : m.kind == CallKind::PropertyPut ? "Property Let"
                         : m.result == VarType::Empty      ? "Sub"
                                                           : "Function";
      out << "  " << kind << " " << to_utf8(m.name) << "(";
      for (size_t i = 0; i < m.params.size(); ++i)
        out << (i ? ", " : "") << param_text(m.params[i]);
      out << ")";
      if (m.result != VarType::Empty) out << " As " << component::type_label(m.result);
      if (!m.doc.empty()) out << "\n      " << m.doc;
      out << "\n";
    }
    for (const auto& e : c.members->enumerations()) {
      out << "  Enum " << to_utf8(e.name) << " {";
      for (size_t i = 0; i < e.values.size(); ++i)
        out << (i ? ", " : " ") << to_utf8(e.values[i].first) << " = " << e.values[i].second;
      out << " }\n";
    }
  }
  if (!any && !a.empty()) throw UsageError("unknown class: " + a[0]);
  return 0;
}

using Subcommand =
    std::function<int(const std::vector<std::string>&, std::ostream&, std::ostream&)>;

std::map<std::string, Subcommand>& subcommands() {
  static std::map<std::string, Subcommand> table = {
      {"call", cmd_call},
      {"classes", [](const auto& a, auto& out, auto&) { return cmd_classes(a, out); }},
      {"demo", cmd_demo},
      {"demo-db", cmd_demo_db},
      {"gera", cmd_gera},
      {"sql", cmd_sql},
  };
  return table;
}

}  // namespace

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  try {
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
      (args.empty() ? err : out) << kUsage;
      return args.empty() ? 2 : 0;
    }
    if (args[0] == "--version") {
      out << "orvane " << ORVANE_VERSION << "\n";
      return 0;
    }
    auto it = subcommands().find(args[0]);
    if (it == subcommands().end()) throw UsageError("unknown command: " + args[0]);
    return it->second(std::vector<std::string>(args.begin() + 1, args.end()), out, err);
  } catch (const UsageError& e) {
    err << "orvane: " << e.what() << "\n";
    return 2;
  } catch (const VbError& e) {
    err << "orvane: error " << e.number() << ": " << to_utf8(e.description()) << "\n";
    return 3;
  } catch (const std::exception& e) {
    err << "orvane: " << e.what() << "\n";
    return 3;
  }
}

}  // namespace orvane::cli
