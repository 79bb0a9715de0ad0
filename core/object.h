// Late-bound objects: every object has a type name and answers calls of its members
// by name (case-insensitively), with variant arguments — the role dispatch interfaces
// play for the host. Arguments are in/out: a member writes its by-reference parameters
// back into `args`. `names` may name arguments (names[i] empty = positional).
#pragma once

#include <memory>
#include <vector>

#include "core/text.h"
#include "core/variant.h"

namespace orvane {

enum class CallKind { Method = 1, PropertyGet = 2, PropertyPut = 4 };

class Object : public std::enable_shared_from_this<Object> {
 public:
  virtual ~Object() = default;
  // "Dictionary", "Collection", "Recordset", "FuncoesOrvane", ...
  virtual Text type_name() const = 0;
  // VbError 438 when the object has no such member.
  virtual Variant invoke(TextView member, CallKind kind, std::vector<Variant>& args,
                         const std::vector<Text>& names = {}) = 0;
};

// Conveniences for code that calls objects late-bound.
// call(): a method, or a property read when no method of that name exists.
Variant call(const ObjectPtr& obj, TextView member, std::vector<Variant> args = {});
Variant get(const ObjectPtr& obj, TextView property, std::vector<Variant> args = {});
void let(const ObjectPtr& obj, TextView property, Variant value);
// VbError 91 when the variant holds no object (or Nothing).
const ObjectPtr& as_object(const Variant& v);

}  // namespace orvane
