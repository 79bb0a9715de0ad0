#include "cli/python_module.h"

#include <cctype>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "component/registry.h"

namespace orvane::cli {
namespace {

using component::Member;

const std::set<std::string>& python_keywords() {
  static const std::set<std::string> k = {
      "False", "None",     "True",  "and",    "as",   "assert", "async",  "await",    "break",
      "class", "continue", "def",   "del",    "elif", "else",   "except", "finally",  "for",
      "from",  "global",   "if",    "import", "in",   "is",     "lambda", "nonlocal", "not",
      "or",    "pass",     "raise", "return", "try",  "while",  "with",   "yield"};
  return k;
}

// The Python name of a member or parameter: a keyword takes a trailing underscore (the
// client strips it again); a name Python cannot spell gives "".
std::string py_name(const Text& name) {
  std::string s = to_utf8(name);
  if (s.empty() || (s[0] >= '0' && s[0] <= '9')) return "";
  for (unsigned char c : s)
    if (c < 0x80 && !std::isalnum(c) && c != '_') return "";
  if (python_keywords().count(s) || s == "self") s += "_";
  return s;
}

std::string py_string(const std::string& s) {
  std::string out = "\"";
  for (char c : s) {
    if (c == '\\' || c == '"') out += '\\';
    if (c == '\n') {
      out += "\\n";
      continue;
    }
    out += c;
  }
  return out + "\"";
}

// What a host may pass for a parameter of the declared type (the member converts it).
std::string in_type(VarType t) {
  switch (t) {
    case VarType::String:
      return "str";
    case VarType::Integer:
    case VarType::Long:
    case VarType::Byte:
      return "int";
    case VarType::Single:
    case VarType::Double:
      return "float";
    case VarType::Currency:
    case VarType::Decimal:
      return "_Amount";
    case VarType::Date:
      return "datetime.date";
    case VarType::Boolean:
      return "bool";
    case VarType::Object:
      return "Object | None";
    case VarType::Array:
      return "Sequence[Any]";
    default:
      return "Any";
  }
}

// What comes back for a result of the declared type.
std::string out_type(VarType t) {
  switch (t) {
    case VarType::Empty:
      return "None";
    case VarType::String:
      return "str";
    case VarType::Integer:
    case VarType::Long:
    case VarType::Byte:
      return "int";
    case VarType::Single:
    case VarType::Double:
      return "float";
    case VarType::Currency:
    case VarType::Decimal:
      return "decimal.Decimal";
    case VarType::Date:
      return "datetime.datetime";
    case VarType::Boolean:
      return "bool";
    case VarType::Object:
      return "Object";
    case VarType::Array:
      return "list[Any]";
    default:
      return "Any";
  }
}

struct PublicClass {
  std::string name;
  std::string prog_id;
  const component::MemberTable* members;
};

std::vector<PublicClass> public_classes() {
  std::vector<PublicClass> out;
  for (const auto& c : component::Registry::global().classes()) {
    if (!c.is_public || !c.members) continue;
    std::string name = to_utf8(c.name);
    out.push_back({name, c.prog_ids.empty() ? name : to_utf8(c.prog_ids.front()), c.members});
  }
  return out;
}

void write_enumerations(std::ostream& out, const component::MemberTable& t) {
  for (const auto& e : t.enumerations()) {
    out << "\n    class " << py_name(e.name) << "(enum.IntEnum):\n";
    for (const auto& [name, value] : e.values)
      out << "        " << py_name(name) << " = " << value << "\n";
  }
}

// The docstring of a member: its one-line contract and which arguments come back.
std::string member_doc(const Member& m) {
  std::string doc = m.doc;
  std::string byref;
  if (m.kind == CallKind::Method)
    for (const auto& p : m.params)
      if (p.by_ref) byref += (byref.empty() ? "" : ", ") + to_utf8(p.name);
  if (!byref.empty()) doc += (doc.empty() ? "" : "\n\n") + ("ByRef (see byref): " + byref);
  return doc;
}

void write_stub_method(std::ostream& out, const Member& m, const std::string& name) {
  out << "    def " << name << "(self";
  for (const auto& p : m.params) {
    std::string pn = py_name(p.name);
    if (pn.empty()) pn = "_";
    out << ", " << pn << ": " << in_type(p.type);
    if (p.optional) out << " | MissingType = ...";
  }
  out << ") -> " << out_type(m.result) << ":";
  std::string doc = member_doc(m);
  if (doc.empty())
    out << " ...\n";
  else
    out << "\n        " << py_string(doc) << "\n";
}

void write_stub_class(std::ostream& out, const PublicClass& c) {
  out << "\nclass " << c.name << "(Object):\n";
  out << "    def __init__(self) -> None: ...\n";
  write_enumerations(out, *c.members);
  // One entry per Python name: a method wins over a property of the same name, as the
  // client's attribute access does.
  std::map<std::string, std::vector<const Member*>> by_name;
  std::vector<std::string> order;
  for (const auto& m : c.members->members()) {
    std::string n = py_name(m.name);
    if (n.empty()) continue;
    if (!by_name.count(n)) order.push_back(n);
    by_name[n].push_back(&m);
  }
  for (const auto& n : order) {
    const Member *method = nullptr, *get = nullptr, *let = nullptr;
    for (const Member* m : by_name[n]) {
      if (m->kind == CallKind::Method && !method) method = m;
      if (m->kind == CallKind::PropertyGet && !get) get = m;
      if (m->kind == CallKind::PropertyPut && !let) let = m;
    }
    if (method) {
      write_stub_method(out, *method, n);
    } else if (get && !get->params.empty()) {
      write_stub_method(out, *get, n);  // an indexed property is read by calling it
    } else if (get) {
      out << "    @property\n    def " << n << "(self) -> " << out_type(get->result) << ":";
      out << (get->doc.empty() ? " ...\n" : "\n        " + py_string(get->doc) + "\n");
      if (let && let->params.size() == 1)
        out << "    @" << n << ".setter\n    def " << n
            << "(self, value: " << in_type(let->params[0].type) << ") -> None: ...\n";
    } else if (let && let->params.size() == 1) {
      out << "    " << n << ": " << in_type(let->params[0].type) << "  # write-only\n";
    }
  }
}

}  // namespace

void write_python_module(std::ostream& out) {
  auto classes = public_classes();
  out << R"(# Typed classes of the Orvane component, written from its member tables by
# `orvane classes --python`. Members are reached late-bound; classes.pyi lists them.
import enum

from . import _client
from ._client import Object

__all__ = [)";
  for (size_t i = 0; i < classes.size(); ++i)
    out << (i ? ", " : "") << "\"" << classes[i].name << "\"";
  out << ", \"create\"]\n";
  for (const auto& c : classes) {
    out << "\n\nclass " << c.name << "(Object):\n";
    out << "    " << py_string(c.prog_id + ": members as attributes (see classes.pyi).") << "\n";
    out << "    _prog_id = " << py_string(c.prog_id) << "\n";
    write_enumerations(out, *c.members);
  }
  out << "\n\n_client._register(";
  for (size_t i = 0; i < classes.size(); ++i) out << (i ? ", " : "") << classes[i].name;
  out << R"()


def create(name: str) -> Object:
    """Creates a class by name or ProgID; the public classes come typed."""
    return _client.create(name)
)";
}

void write_python_stub(std::ostream& out) {
  auto classes = public_classes();
  out << R"(# Typed classes of the Orvane component, written from its member tables by
# `orvane classes --pyi`: what editors and type checkers see of orvane.classes.
import datetime
import decimal
import enum
from typing import Any, Literal, Sequence, overload

from ._client import MissingType, Object

_Amount = decimal.Decimal | float | int | str
)";
  for (const auto& c : classes) write_stub_class(out, c);
  out << "\n";
  for (const auto& c : classes)
    out << "@overload\ndef create(name: Literal[" << py_string(c.name) << ", "
        << py_string(c.prog_id) << "]) -> " << c.name << ": ...\n";
  out << "@overload\ndef create(name: str) -> Object: ...\n";
}

}  // namespace orvane::cli
