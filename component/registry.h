// The class registry: creatable classes by class name or programmatic identifier
// ("FuncoesOrvane", "Orvane.FuncoesOrvane", and the platform's own such as
// "Word.Application" or "Tesmar.Orvane.OrvaneArquivos"). Names match case-insensitively.
// Creating an unknown name, or a class whose factory refuses (a suite not installed),
// raises VbError 429.
#pragma once

#include <functional>
#include <vector>

#include "component/member_table.h"
#include "core/context.h"

namespace orvane::component {

using Factory = std::function<ObjectPtr(const ContextPtr&)>;

struct ClassInfo {
  Text name;
  std::vector<Text> prog_ids;
  Factory factory;
  const MemberTable* members = nullptr;  // for public classes listed by `orvane classes`
  bool is_public = false;
};

class Registry {
 public:
  void add(ClassInfo info);
  ObjectPtr create(TextView name_or_prog_id, const ContextPtr& ctx) const;
  const ClassInfo* find(TextView name_or_prog_id) const;
  const std::vector<ClassInfo>& classes() const { return classes_; }

  // The process-wide registry, filled once on first use by register_all_classes().
  static const Registry& global();

 private:
  std::vector<ClassInfo> classes_;
};

// Creates through the global registry.
ObjectPtr create_object(TextView name_or_prog_id, const ContextPtr& ctx);

// Defined by the wiring of the component (classes.cpp): registers every class.
void register_all_classes(Registry& r);

}  // namespace orvane::component
