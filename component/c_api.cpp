// The C interface over the class registry (include/orvane/orvane.h).
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <unordered_map>

#include "component/registry.h"
#include "core/convert.h"
#include "orvane/orvane.h"

struct orvane_object {
  orvane::ObjectPtr obj;
  std::atomic<int> refs{1};
  std::string type_name;
};

namespace orvane::component {
namespace {

// What the host has installed; applies to objects created afterwards.
struct HostConfig {
  std::mutex mu;
  orvane_message_fn message = nullptr;
  void* message_user = nullptr;
  orvane_clock_fn clock = nullptr;
  void* clock_user = nullptr;
  HostSettings settings;
};

HostConfig& host() {
  static HostConfig config;
  return config;
}

class CallbackSink : public ui::MessageSink {
 public:
  CallbackSink(orvane_message_fn fn, void* user) : fn_(fn), user_(user) {}
  int show(const ui::Message& m) override {
    std::string text = to_utf8(m.text), title = to_utf8(m.title);
    return fn_(user_, text.c_str(), m.style, title.c_str());
  }

 private:
  orvane_message_fn fn_;
  void* user_;
};

class CallbackClock : public Clock {
 public:
  CallbackClock(orvane_clock_fn fn, void* user) : fn_(fn), user_(user) {}
  Date now() const override { return Date(fn_(user_)); }

 private:
  orvane_clock_fn fn_;
  void* user_;
};

ContextPtr host_context() {
  auto& h = host();
  std::lock_guard lock(h.mu);
  std::shared_ptr<ui::MessageSink> sink;
  if (h.message) sink = std::make_shared<CallbackSink>(h.message, h.message_user);
  std::shared_ptr<Clock> clock;
  if (h.clock) clock = std::make_shared<CallbackClock>(h.clock, h.clock_user);
  return make_context(sink, clock, h.settings);
}

void set_error(orvane_error* e, int32_t number, const std::string& text) {
  if (!e) return;
  e->number = number;
  std::snprintf(e->description, sizeof e->description, "%s", text.c_str());
}

void clear_error(orvane_error* e) {
  if (!e) return;
  e->number = 0;
  e->description[0] = 0;
}

orvane_object* wrap(ObjectPtr o) {
  if (!o) return nullptr;
  auto* h = new orvane_object;
  h->type_name = to_utf8(o->type_name());
  h->obj = std::move(o);
  return h;
}

char* dup_utf8(const std::string& s) {
  char* p = static_cast<char*>(std::malloc(s.size() + 1));
  std::memcpy(p, s.c_str(), s.size() + 1);
  return p;
}

void set_text(orvane_variant& out, TextView t) {
  out.utf8 = dup_utf8(to_utf8(t));
  auto* u = static_cast<uint16_t*>(std::malloc((t.size() + 1) * sizeof(uint16_t)));
  if (!t.empty()) std::memcpy(u, t.data(), t.size() * sizeof(uint16_t));
  u[t.size()] = 0;
  out.utf16 = u;
  out.utf16_len = t.size();
}

Text text_of(const orvane_variant& v) {
  if (v.utf16) return Text(reinterpret_cast<const char16_t*>(v.utf16), v.utf16_len);
  return from_utf8(v.utf8 ? v.utf8 : "");
}

Variant to_variant(const orvane_variant& v) {
  switch (v.type) {
    case ORVANE_EMPTY:
      return Variant();
    case ORVANE_NULL:
      return Variant::Null();
    case ORVANE_INTEGER:
      return Variant(v.v.i2);
    case ORVANE_LONG:
      return Variant(v.v.i4);
    case ORVANE_SINGLE:
      return Variant(v.v.r4);
    case ORVANE_DOUBLE:
      return Variant(v.v.r8);
    case ORVANE_CURRENCY:
      return Variant(Currency::from_raw(v.v.cy));
    case ORVANE_DATE:
      return Variant(Date(v.v.date));
    case ORVANE_STRING:
      return Variant(text_of(v));
    case ORVANE_OBJECT:
      return Variant(v.v.object ? v.v.object->obj : ObjectPtr());
    case ORVANE_ERROR:
      return Variant(ErrorValue{v.v.scode});
    case ORVANE_BOOLEAN:
      return Variant(v.v.boolean != 0);
    case ORVANE_DECIMAL:
      return Variant(Decimal::parse(to_utf8(text_of(v))));
    case ORVANE_BYTE:
      return Variant(v.v.byte);
    case ORVANE_ARRAY: {
      std::vector<Array::Bound> bounds;
      if (v.ndims <= 0 || !v.bounds) {
        bounds.push_back({0, static_cast<int32_t>(v.count)});
      } else {
        for (int d = 0; d < v.ndims; ++d) bounds.push_back({v.bounds[2 * d], v.bounds[2 * d + 1]});
      }
      Array a(bounds);
      if (a.size() != v.count)
        throw VbError(err::kSubscript, u"array bounds do not match its items");
      for (size_t i = 0; i < v.count; ++i) a.items()[i] = to_variant(v.items[i]);
      return Variant(std::move(a));
    }
    default:
      throw VbError(err::kTypeMismatch, u"unknown variant type");
  }
}

void from_variant(const Variant& in, orvane_variant& out) {
  std::memset(&out, 0, sizeof out);
  out.owned = 1;
  out.type = static_cast<uint16_t>(in.type());
  switch (in.type()) {
    case VarType::Integer:
      out.v.i2 = in.integer();
      break;
    case VarType::Long:
      out.v.i4 = in.lng();
      break;
    case VarType::Single:
      out.v.r4 = in.single();
      break;
    case VarType::Double:
      out.v.r8 = in.dbl();
      break;
    case VarType::Currency:
      out.v.cy = in.currency().raw();
      break;
    case VarType::Date:
      out.v.date = in.date().oa();
      break;
    case VarType::String:
      set_text(out, in.text());
      break;
    case VarType::Object:
      out.v.object = wrap(in.object());
      break;
    case VarType::Error:
      out.v.scode = in.error().scode;
      break;
    case VarType::Boolean:
      out.v.boolean = in.boolean() ? 1 : 0;
      break;
    case VarType::Decimal:
      set_text(out, from_utf8(in.decimal().to_string()));
      break;
    case VarType::Byte:
      out.v.byte = in.byte();
      break;
    case VarType::Array: {
      const Array& a = in.array();
      out.count = a.size();
      out.ndims = a.dims();
      out.bounds = static_cast<int32_t*>(std::malloc(sizeof(int32_t) * 2 * std::max(1, a.dims())));
      for (int d = 0; d < a.dims(); ++d) {
        out.bounds[2 * d] = a.bound(d).lower;
        out.bounds[2 * d + 1] = a.bound(d).count;
      }
      out.items = static_cast<orvane_variant*>(
          std::calloc(std::max<size_t>(1, a.size()), sizeof(orvane_variant)));
      for (size_t i = 0; i < a.size(); ++i) from_variant(a.items()[i], out.items[i]);
      break;
    }
    default:
      break;
  }
}

CallKind call_kind(int kind) {
  return kind == ORVANE_PROPERTY_GET   ? CallKind::PropertyGet
         : kind == ORVANE_PROPERTY_LET ? CallKind::PropertyPut
                                       : CallKind::Method;
}

// Names of members and parameters as UTF-8 for the host. The member tables are static, so
// one copy per name serves every later call; the host may keep the pointer.
const char* static_utf8(const Text& name) {
  static std::mutex mu;
  static std::unordered_map<const Text*, std::string> names;
  std::lock_guard lock(mu);
  auto [it, added] = names.try_emplace(&name);
  if (added) it->second = to_utf8(name);
  return it->second.c_str();
}

}  // namespace
}  // namespace orvane::component

using namespace orvane;
using namespace orvane::component;

extern "C" {

const char* orvane_version(void) { return ORVANE_VERSION; }

int orvane_create(const char* name, orvane_object** out, orvane_error* error) {
  clear_error(error);
  if (out) *out = nullptr;
  try {
    if (!name || !out)
      throw VbError(err::kInvalidCall, u"orvane_create needs a name and an out pointer");
    *out = wrap(Registry::global().create(from_utf8(name), host_context()));
    return ORVANE_OK;
  } catch (...) {
    VbError e = current_error();
    set_error(error, e.number(), to_utf8(e.description()));
    return e.number() == err::kCantCreateObject ? ORVANE_E_USAGE : ORVANE_E_RAISED;
  }
}

void orvane_addref(orvane_object* obj) {
  if (obj) obj->refs.fetch_add(1);
}

void orvane_release(orvane_object* obj) {
  if (obj && obj->refs.fetch_sub(1) == 1) delete obj;
}

const char* orvane_type_name(orvane_object* obj) { return obj ? obj->type_name.c_str() : ""; }

int orvane_invoke(orvane_object* obj, const char* member, int kind, orvane_variant* args,
                  size_t nargs, const char* const* names, orvane_variant* result,
                  orvane_error* error) {
  clear_error(error);
  if (result) std::memset(result, 0, sizeof *result);
  std::vector<Variant> values;
  std::vector<Text> arg_names;
  try {
    if (!obj || !member)
      throw BindError(err::kObjectNotSet, u"orvane_invoke needs an object and a member name");
    for (size_t i = 0; i < nargs; ++i) {
      values.push_back(to_variant(args[i]));
      arg_names.push_back(names && names[i] ? from_utf8(names[i]) : Text());
    }
  } catch (...) {
    VbError e = current_error();
    set_error(error, e.number(), to_utf8(e.description()));
    return ORVANE_E_USAGE;
  }
  std::vector<Variant> before = values;
  try {
    Variant r = obj->obj->invoke(from_utf8(member), call_kind(kind), values, arg_names);
    // Write back what the member changed; the host keeps its own memory otherwise.
    for (size_t i = 0; i < nargs; ++i) {
      if (values[i] == before[i] && values[i].type() == before[i].type()) continue;
      orvane_variant_clear(&args[i]);
      from_variant(values[i], args[i]);
    }
    if (result) from_variant(r, *result);
    return ORVANE_OK;
  } catch (const BindError& e) {
    set_error(error, e.number(), to_utf8(e.description()));
    return ORVANE_E_USAGE;
  } catch (...) {
    VbError e = current_error();
    set_error(error, e.number(), to_utf8(e.description()));
    return ORVANE_E_RAISED;
  }
}

int orvane_member_params(orvane_object* obj, const char* member, int kind, orvane_param_info* out,
                         int max) {
  if (!obj || !member) return -1;
  auto* d = dynamic_cast<DispatchObject*>(obj->obj.get());
  if (!d) return -1;
  const Member* m = d->members().find(from_utf8(member), call_kind(kind));
  if (!m) return -1;
  int n = static_cast<int>(m->params.size());
  for (int i = 0; i < n && i < max; ++i) {
    out[i].name = static_utf8(m->params[i].name);
    out[i].type = static_cast<uint16_t>(m->params[i].type);
    out[i].by_ref = m->params[i].by_ref;
    out[i].optional = m->params[i].optional;
  }
  return n;
}

int orvane_members(orvane_object* obj, orvane_member_info* out, int max) {
  if (!obj) return -1;
  auto* d = dynamic_cast<DispatchObject*>(obj->obj.get());
  if (!d) return -1;
  const auto& members = d->members().members();
  int n = static_cast<int>(members.size());
  for (int i = 0; i < n && i < max; ++i) {
    out[i].name = static_utf8(members[i].name);
    out[i].kind = static_cast<int32_t>(members[i].kind);
    out[i].result = static_cast<uint16_t>(members[i].result);
  }
  return n;
}

void orvane_variant_clear(orvane_variant* v) {
  if (!v) return;
  if (v->owned) {
    std::free(const_cast<char*>(v->utf8));
    std::free(const_cast<uint16_t*>(v->utf16));
    if (v->type == ORVANE_OBJECT) orvane_release(v->v.object);
    for (size_t i = 0; i < v->count && v->items; ++i) orvane_variant_clear(&v->items[i]);
    std::free(v->items);
    std::free(v->bounds);
  }
  std::memset(v, 0, sizeof *v);
}

orvane_variant orvane_missing(void) {
  orvane_variant v;
  std::memset(&v, 0, sizeof v);
  v.type = ORVANE_ERROR;
  v.v.scode = ORVANE_PARAM_NOT_FOUND;
  return v;
}

orvane_variant orvane_from_utf8(const char* text) {
  orvane_variant v;
  std::memset(&v, 0, sizeof v);
  v.type = ORVANE_STRING;
  v.utf8 = text;
  return v;
}

void orvane_set_message_handler(orvane_message_fn fn, void* user) {
  std::lock_guard lock(host().mu);
  host().message = fn;
  host().message_user = user;
}

void orvane_set_clock(orvane_clock_fn fn, void* user) {
  std::lock_guard lock(host().mu);
  host().clock = fn;
  host().clock_user = user;
}

int orvane_set_setting(const char* key, const char* value) {
  if (!key || !value) return ORVANE_E_USAGE;
  std::string k = key, v = value;
  std::lock_guard lock(host().mu);
  HostSettings& s = host().settings;
  if (k == "word_version")
    s.word_version = from_utf8(v);
  else if (k == "printer")
    s.printer_command = v;
  else if (k == "opener")
    s.opener_command = v;
  else if (k == "without") {
    if (v == "word")
      s.without_word = true, s.without_writer = false;
    else if (v == "writer")
      s.without_writer = true, s.without_word = false;
    else if (v == "office")
      s.without_word = s.without_writer = true;
    else if (v.empty())
      s.without_word = s.without_writer = false;
    else
      return ORVANE_E_USAGE;
  } else {
    return ORVANE_E_USAGE;
  }
  return ORVANE_OK;
}

}  // extern "C"
