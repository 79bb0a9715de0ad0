#include "json/dictionary.h"

#include <functional>

#include "core/convert.h"

namespace orvane::json {
namespace {

Dictionary& self_of(Object& o) { return static_cast<Dictionary&>(o); }

Text key_of(const Variant& v) { return v.is_text() ? v.text() : CStr(v); }

}  // namespace

uint64_t Dictionary::hash(TextView key) { return std::hash<TextView>{}(key); }

ptrdiff_t Dictionary::find(TextView key) const { return find(key, slots_.empty() ? 0 : hash(key)); }

ptrdiff_t Dictionary::find(TextView key, uint64_t h) const {
  if (slots_.empty()) {
    for (size_t i = 0; i < entries_.size(); ++i)
      if (entries_[i].first == key) return static_cast<ptrdiff_t>(i);
    return -1;
  }
  const size_t mask = slots_.size() - 1;
  for (size_t s = h & mask;; s = (s + 1) & mask) {
    uint32_t slot = slots_[s];
    if (slot == 0) return -1;
    if (entries_[slot - 1].first == key) return static_cast<ptrdiff_t>(slot - 1);
  }
}

void Dictionary::index_insert(uint32_t pos, uint64_t h) {
  const size_t mask = slots_.size() - 1;
  size_t s = h & mask;
  while (slots_[s] != 0) s = (s + 1) & mask;
  slots_[s] = pos + 1;
}

void Dictionary::rebuild_index() {
  slots_.clear();
  if (entries_.size() < kIndexFrom) return;
  size_t n = 32;
  while (n < entries_.size() * 2) n *= 2;  // load factor at most one half
  slots_.assign(n, 0);
  for (size_t i = 0; i < entries_.size(); ++i)
    index_insert(static_cast<uint32_t>(i), hash(entries_[i].first));
}

void Dictionary::append(Text&& key, Variant&& value, uint64_t h) {
  entries_.emplace_back(std::move(key), std::move(value));
  if (!slots_.empty() && entries_.size() * 2 <= slots_.size())
    index_insert(static_cast<uint32_t>(entries_.size() - 1), h);
  else if (entries_.size() >= kIndexFrom)
    rebuild_index();
}

bool Dictionary::try_add(Text&& key, Variant&& value) {
  const bool indexed = !slots_.empty() || entries_.size() + 1 >= kIndexFrom;
  const uint64_t h = indexed ? hash(key) : 0;
  if (find(key, h) >= 0) return false;
  append(std::move(key), std::move(value), h);
  return true;
}

void Dictionary::Add(Text key, Variant value) {
  if (!try_add(std::move(key), std::move(value))) throw VbError(err::kDuplicateKey);
}

Variant& Dictionary::Item(TextView key) {
  ptrdiff_t i = find(key);
  if (i < 0) {
    append(Text(key), Variant(), hash(key));
    i = static_cast<ptrdiff_t>(entries_.size() - 1);
  }
  return entries_[static_cast<size_t>(i)].second;
}

void Dictionary::Remove(TextView key) {
  ptrdiff_t i = find(key);
  if (i < 0) throw VbError(kElementNotFound, u"Element not found");
  entries_.erase(entries_.begin() + i);
  rebuild_index();
}

void Dictionary::RemoveAll() {
  entries_.clear();
  slots_.clear();
}

const component::MemberTable& Dictionary::table() {
  using component::Args;
  using component::ref;
  static const component::MemberTable kTable = [] {
    component::MemberTable t(u"Dictionary");
    t.property_get(
        u"Count", VarType::Long,
        [](Object& o, Args&) { return Variant(static_cast<int32_t>(self_of(o).size())); },
        "number of members");
    t.property_get(u"Item", VarType::Variant,
                   [](Object& o, Args& a) { return self_of(o).Item(key_of(a[0])); },
                   "the value of Key (an absent key is added with an Empty value)",
                   {ref(u"Key", VarType::Variant)});
    t.add(component::Member{u"Item",
                            CallKind::PropertyPut,
                            {ref(u"Key", VarType::Variant), ref(u"NewItem", VarType::Variant)},
                            VarType::Empty,
                            [](Object& o, Args& a) {
                              self_of(o).Item(key_of(a[0])) = a[1];
                              return Variant();
                            },
                            "sets the value of Key, adding it when absent"});
    t.method(
        u"Keys", {}, VarType::Array,
        [](Object& o, Args&) {
          std::vector<Variant> keys;
          keys.reserve(self_of(o).size());
          for (const auto& e : self_of(o).entries()) keys.emplace_back(e.first);
          return Variant(Array::of(std::move(keys)));
        },
        "the keys in order, as an array from 0");
    t.method(
        u"Items", {}, VarType::Array,
        [](Object& o, Args&) {
          std::vector<Variant> items;
          items.reserve(self_of(o).size());
          for (const auto& e : self_of(o).entries()) items.push_back(e.second);
          return Variant(Array::of(std::move(items)));
        },
        "the values in order, as an array from 0");
    t.method(
        u"Exists", {ref(u"Key", VarType::Variant)}, VarType::Boolean,
        [](Object& o, Args& a) { return Variant(self_of(o).Exists(key_of(a[0]))); },
        "whether Key is present");
    t.method(
        u"Add", {ref(u"Key", VarType::Variant), ref(u"Item", VarType::Variant)}, VarType::Empty,
        [](Object& o, Args& a) {
          self_of(o).Add(key_of(a[0]), a[1]);
          return Variant();
        },
        "adds Key with Item; error 457 when Key is present");
    t.method(
        u"Remove", {ref(u"Key", VarType::Variant)}, VarType::Empty,
        [](Object& o, Args& a) {
          self_of(o).Remove(key_of(a[0]));
          return Variant();
        },
        "removes Key; error 32811 when absent");
    t.method(
        u"RemoveAll", {}, VarType::Empty,
        [](Object& o, Args&) {
          self_of(o).RemoveAll();
          return Variant();
        },
        "removes every member");
    return t;
  }();
  return kTable;
}

}  // namespace orvane::json
