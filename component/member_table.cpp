#include "component/member_table.h"

#include "core/convert.h"

namespace orvane::component {

Param ref(TextView name, VarType type) { return Param{Text(name), type, true, false, {}}; }
Param val(TextView name, VarType type) { return Param{Text(name), type, false, false, {}}; }
Param opt(TextView name, VarType type, Variant default_value, bool by_ref) {
  return Param{Text(name), type, by_ref, true, std::move(default_value)};
}

MemberTable& MemberTable::add(Member m) {
  members_.push_back(std::move(m));
  return *this;
}

MemberTable& MemberTable::enumeration(TextView name, std::vector<std::pair<Text, int32_t>> values) {
  enumerations_.push_back(Enumeration{Text(name), std::move(values)});
  return *this;
}

MemberTable& MemberTable::method(TextView name, std::vector<Param> params, VarType result,
                                 Invoker fn, std::string doc) {
  return add(Member{Text(name), CallKind::Method, std::move(params), result, std::move(fn),
                    std::move(doc)});
}

MemberTable& MemberTable::property_get(TextView name, VarType result, Invoker fn, std::string doc,
                                       std::vector<Param> params) {
  return add(Member{Text(name), CallKind::PropertyGet, std::move(params), result, std::move(fn),
                    std::move(doc)});
}

MemberTable& MemberTable::property_let(TextView name, Param value, Invoker fn, std::string doc) {
  return add(Member{Text(name),
                    CallKind::PropertyPut,
                    {std::move(value)},
                    VarType::Empty,
                    std::move(fn),
                    std::move(doc)});
}

const Member* MemberTable::find(TextView name, CallKind kind) const {
  const Member* fallback = nullptr;
  for (const auto& m : members_) {
    if (!vb::EqualsNoCase(m.name, name)) continue;
    if (m.kind == kind) return &m;
    if (kind == CallKind::PropertyGet && m.kind == CallKind::Method) fallback = &m;
    if (kind == CallKind::Method && m.kind == CallKind::PropertyGet) fallback = &m;
  }
  return fallback;
}

namespace {

Text arg_label(const Member& m, size_t i) {
  return m.name + u": " + T("argument ") + m.params[i].name;
}

Variant bind_one(const Member& m, size_t i, Variant v) {
  const Param& p = m.params[i];
  if (v.is_missing()) {
    if (!p.optional)
      throw BindError(err::kArgumentNotOptional, arg_label(m, i) + u" " + T("is not optional"));
    // An optional Variant keeps the marker; a typed optional takes its default.
    if (p.type == VarType::Variant || p.default_value.is_missing()) {
      if (p.type == VarType::Variant) return p.default_value;
      return convert_to(Variant(), p.type);  // the type's zero value
    }
    return convert_to(p.default_value, p.type);
  }
  try {
    // A value of the declared type is taken as it is (moved, when the caller gave it up).
    if (p.type == VarType::Variant || v.type() == p.type) return v;
    return convert_to(v, p.type);
  } catch (const VbError& e) {
    throw BindError(e.number(), arg_label(m, i) + u": " + e.description() + u" (" +
                                    from_utf8(var_type_name(v.type())) + u" -> " +
                                    from_utf8(type_label(p.type)) + u")");
  }
}

}  // namespace

Variant MemberTable::invoke(Object& self, TextView name, CallKind kind, std::vector<Variant>& args,
                            const std::vector<Text>& names, Args* bound_out) const {
  const Member* m = find(name, kind);
  if (!m)
    throw BindError(err::kNoSuchMember, class_name_ + u"." + Text(name) + u": " +
                                            standard_description(err::kNoSuchMember));
  const size_t n = m->params.size();
  // Where each declared parameter's value comes from in `args` (-1 = omitted).
  std::vector<int> source(n, -1);
  size_t positional = 0;
  for (size_t i = 0; i < args.size(); ++i) {
    Text nm = i < names.size() ? names[i] : Text();
    if (nm.empty()) {
      if (positional >= n)
        throw BindError(err::kWrongArgCount,
                        m->name + u": " + standard_description(err::kWrongArgCount));
      source[positional++] = static_cast<int>(i);
    } else {
      size_t k = 0;
      while (k < n && !vb::EqualsNoCase(m->params[k].name, nm)) ++k;
      if (k == n)
        throw BindError(err::kNamedArgNotFound,
                        m->name + u": " + T("named argument not found: ") + nm);
      source[k] = static_cast<int>(i);
    }
  }
  Args bound;
  bound.reserve(n);
  for (size_t k = 0; k < n; ++k) {
    if (source[k] < 0)
      bound.push_back(bind_one(*m, k, Variant::Missing()));
    else if (bound_out)
      bound.push_back(bind_one(*m, k, std::move(args[source[k]])));
    else
      bound.push_back(bind_one(*m, k, args[source[k]]));
  }
  Variant result = m->fn(self, bound);
  if (bound_out) {
    *bound_out = std::move(bound);
    return result;
  }
  for (size_t k = 0; k < n; ++k)
    if (m->params[k].by_ref && source[k] >= 0) args[source[k]] = bound[k];
  return result;
}

std::string type_label(VarType t) {
  switch (t) {
    case VarType::Empty:
      return "";
    case VarType::Array:
      return "Variant()";
    default:
      return var_type_name(t);
  }
}

}  // namespace orvane::component
