#include "cli/cpp_header.h"

#include <ostream>
#include <set>

#include "component/registry.h"

namespace orvane::cli {
namespace {

std::string name_of(const Text& t) { return to_utf8(t); }

std::string vb_type(VarType t) { return component::type_label(t); }

// One member as a C++ method. By-reference parameters are Value& (written back); an
// omitted optional by-reference parameter writes into a scratch slot.
void write_method(std::ostream& out, const component::Member& m, const std::string& cpp_name) {
  if (!m.doc.empty()) out << "  // " << m.doc << "\n";
  out << "  // " << (m.result == VarType::Empty ? "Sub " : "Function ") << name_of(m.name) << "(";
  for (size_t i = 0; i < m.params.size(); ++i) {
    const auto& p = m.params[i];
    out << (i ? ", " : "") << (p.optional ? "Optional " : "") << (p.by_ref ? "ByRef " : "ByVal ")
        << name_of(p.name) << " As " << vb_type(p.type);
  }
  out << ")" << (m.result == VarType::Empty ? "" : " As " + vb_type(m.result)) << "\n";
  out << "  Value " << cpp_name << "(";
  for (size_t i = 0; i < m.params.size(); ++i) {
    const auto& p = m.params[i];
    out << (i ? ", " : "");
    if (p.by_ref)
      out << "Value& " << name_of(p.name);
    else
      out << "Value " << name_of(p.name);
    if (p.optional)
      out << (p.by_ref ? " = detail::omitted(" + std::to_string(i) + ")" : " = Value::missing()");
  }
  out << ") const {\n    return invoke(\"" << name_of(m.name) << "\", ORVANE_METHOD, {";
  for (size_t i = 0; i < m.params.size(); ++i)
    out << (i ? ", " : "") << "&" << name_of(m.params[i].name);
  out << "});\n  }\n";
}

}  // namespace

void write_cpp_header(std::ostream& out) {
  out << R"(// Typed classes of the Orvane component, written from its member tables by
// `orvane classes --cpp`. Include this header and link liborvane (see orvane.hpp).
#ifndef ORVANE_CLASSES_HPP
#define ORVANE_CLASSES_HPP

#include "orvane/orvane.hpp"

namespace orvane {
namespace detail {
// Where an omitted optional by-reference argument is written back.
inline Value& omitted(int slot) {
  thread_local Value slots[32];
  slots[slot] = Value::missing();
  return slots[slot];
}
}  // namespace detail
)";
  for (const auto& c : component::Registry::global().classes()) {
    if (!c.is_public || !c.members) continue;
    std::string cls = name_of(c.name);
    std::string prog = c.prog_ids.empty() ? cls : name_of(c.prog_ids.front());
    out << "\nclass " << cls << " : public Object {\n public:\n";
    out << "  " << cls << "() : Object(\"" << prog << "\") {}\n";
    out << "  explicit " << cls << "(Object o) : Object(std::move(o)) {}\n";
    for (const auto& e : c.members->enumerations()) {
      out << "  enum " << name_of(e.name) << " {";
      for (size_t i = 0; i < e.values.size(); ++i)
        out << (i ? ", " : " ") << name_of(e.values[i].first) << " = " << e.values[i].second;
      out << " };\n";
    }
    std::set<std::string> methods;
    for (const auto& m : c.members->members())
      if (m.kind == CallKind::Method) methods.insert(name_of(m.name));
    for (const auto& m : c.members->members()) {
      std::string n = name_of(m.name);
      switch (m.kind) {
        case CallKind::Method:
          write_method(out, m, n);
          break;
        case CallKind::PropertyGet:
          if (!m.doc.empty()) out << "  // " << m.doc << "\n";
          out << "  // Property Get " << n << " As " << vb_type(m.result) << "\n";
          out << "  Value " << (methods.count(n) ? "get_" + n : n) << "() const { return get(\""
              << n << "\"); }\n";
          break;
        case CallKind::PropertyPut:
          if (!m.doc.empty()) out << "  // " << m.doc << "\n";
          out << "  // Property Let " << n << "\n";
          out << "  void let_" << n << "(Value v) const { let(\"" << n << "\", std::move(v)); }\n";
          break;
      }
    }
    out << "};\n";
  }
  out << "\n}  // namespace orvane\n\n#endif  // ORVANE_CLASSES_HPP\n";
}

}  // namespace orvane::cli
