// Member tables: what a type library says of a class. Each member has a name, a kind
// (method, property get, property let), parameters with their declared type,
// by-reference flag and optional default, and a result type. The table binds a
// late-bound call to the member: it matches the name case-insensitively, places named
// arguments, fills omitted optionals, converts every argument to its declared type,
// runs the member and writes the by-reference arguments back to the caller.
//
// Binding failures raise BindError (a VbError): 438 no such member, 450 wrong number
// of arguments, 449 a required argument omitted, 448 an unknown argument name, 13/6 an
// argument that does not convert.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/error.h"
#include "core/object.h"
#include "core/variant.h"

namespace orvane::component {

class BindError : public VbError {
 public:
  using VbError::VbError;
};

struct Param {
  Text name;
  VarType type = VarType::Variant;
  bool by_ref = true;
  bool optional = false;
  // The value an omitted optional takes. Missing() for an optional Variant without a
  // default (the omitted-argument marker reaches the member).
  Variant default_value = Variant::Missing();
};

// Converted arguments, one per declared parameter, in declaration order. A member
// writes by-reference results into them.
using Args = std::vector<Variant>;
using Invoker = std::function<Variant(Object& self, Args& args)>;

struct Member {
  Text name;
  CallKind kind = CallKind::Method;
  std::vector<Param> params;
  VarType result = VarType::Empty;  // Empty = no result (a Sub)
  Invoker fn;
  std::string doc;  // one line for `orvane classes`
};

// A public enumeration of the class's interface: named Long constants that parameters
// documented with its name take.
struct Enumeration {
  Text name;
  std::vector<std::pair<Text, int32_t>> values;
};

// Parameter builders: ref(name, type) by reference, val(name, type) by value,
// opt(name, type, default) optional.
Param ref(TextView name, VarType type);
Param val(TextView name, VarType type);
Param opt(TextView name, VarType type, Variant default_value = Variant::Missing(),
          bool by_ref = true);

class MemberTable {
 public:
  explicit MemberTable(Text class_name) : class_name_(std::move(class_name)) {}

  const Text& class_name() const { return class_name_; }
  MemberTable& method(TextView name, std::vector<Param> params, VarType result, Invoker fn,
                      std::string doc = {});
  MemberTable& property_get(TextView name, VarType result, Invoker fn, std::string doc = {},
                            std::vector<Param> params = {});
  MemberTable& property_let(TextView name, Param value, Invoker fn, std::string doc = {});
  MemberTable& add(Member m);
  MemberTable& enumeration(TextView name, std::vector<std::pair<Text, int32_t>> values);

  // A member of that name and kind (a method also answers a property get).
  const Member* find(TextView name, CallKind kind) const;
  const std::vector<Member>& members() const { return members_; }
  const std::vector<Enumeration>& enumerations() const { return enumerations_; }

  // `bound`, when given, receives the arguments as the member saw them after the call
  // (omitted optionals with their defaults, by-reference values as the member left them),
  // one per declared parameter. The arguments are then moved out of `args` rather than
  // copied, and nothing is written back into it: a caller that asks for `bound` reads the
  // results there (large texts are not copied twice).
  Variant invoke(Object& self, TextView name, CallKind kind, std::vector<Variant>& args,
                 const std::vector<Text>& names, Args* bound_out = nullptr) const;

 private:
  Text class_name_;
  std::vector<Member> members_;
  std::vector<Enumeration> enumerations_;
};

// Base for objects whose members come from a table.
class DispatchObject : public Object {
 public:
  virtual const MemberTable& members() const = 0;
  Text type_name() const override { return members().class_name(); }
  Variant invoke(TextView member, CallKind kind, std::vector<Variant>& args,
                 const std::vector<Text>& names = {}) override {
    return members().invoke(*this, member, kind, args, names);
  }
};

// Text that describes a declared type ("Long", "String", "Variant", "Object"...).
std::string type_label(VarType t);

}  // namespace orvane::component
