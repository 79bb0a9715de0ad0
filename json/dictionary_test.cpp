#include "json/dictionary.h"

#include <gtest/gtest.h>

#include "core/error.h"
#include "json/collection.h"

namespace orvane::json {
namespace {

int error_of(auto&& statement) {
  try {
    statement();
  } catch (const VbError& e) {
    return e.number();
  }
  return 0;
}

Text key(int i) { return u"k" + from_utf8(std::to_string(i)); }

// Through the index and without it, the map answers the same.
TEST(Dictionary, KeepsInsertionOrderAndUniqueKeysAtAnySize) {
  for (int n : {3, static_cast<int>(Dictionary::kIndexFrom), 1000}) {
    Dictionary d;
    for (int i = n - 1; i >= 0; --i) d.Add(key(i), Variant(i));
    ASSERT_EQ(d.size(), static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
      ASSERT_EQ(d.entries()[static_cast<size_t>(i)].first, key(n - 1 - i));
      ASSERT_EQ(d.find(key(i)), n - 1 - i);
    }
    EXPECT_FALSE(d.Exists(u"K1"));  // case-sensitive
    VbError dup(0);
    try {
      d.Add(key(0), Variant(-1));
    } catch (const VbError& e) {
      dup = e;
    }
    EXPECT_EQ(dup.number(), 457);
    EXPECT_EQ(dup.description(),
              u"This key is already associated with an element of this collection");
    EXPECT_EQ(d.Item(key(0)), Variant(0));

    d.Remove(key(n - 1));  // the first one
    EXPECT_FALSE(d.Exists(key(n - 1)));
    EXPECT_EQ(d.find(key(0)), n - 2);
    EXPECT_EQ(error_of([&] { d.Remove(u"absent"); }), Dictionary::kElementNotFound);
    // Reading an absent key adds it, empty, at the end.
    EXPECT_TRUE(d.Item(u"new").is_empty());
    EXPECT_EQ(d.find(u"new"), static_cast<ptrdiff_t>(d.size()) - 1);
    d.RemoveAll();
    EXPECT_EQ(d.size(), 0u);
    EXPECT_FALSE(d.Exists(key(0)));
    d.Add(key(0), Variant(1));
    EXPECT_TRUE(d.Exists(key(0)));
  }
}

TEST(Dictionary, LateBoundMembers) {
  ObjectPtr d = std::make_shared<Dictionary>();
  call(d, u"Add", {Variant(T("a")), Variant(1)});
  call(d, u"add", {Variant(2), Variant(T("two"))});  // a number key is used as its text
  EXPECT_EQ(get(d, u"Count"), Variant(2));
  EXPECT_EQ(call(d, u"Exists", {Variant(T("2"))}), Variant(true));
  EXPECT_EQ(get(d, u"Item", {Variant(T("a"))}), Variant(1));
  std::vector<Variant> args{Variant(T("a")), Variant(T("changed"))};
  d->invoke(u"Item", CallKind::PropertyPut, args);
  EXPECT_EQ(get(d, u"Item", {Variant(T("a"))}), Variant(T("changed")));
  Variant keys = call(d, u"Keys");
  ASSERT_TRUE(keys.is_array());
  EXPECT_EQ(keys.array(), Array::of({Variant(T("a")), Variant(T("2"))}));
  EXPECT_EQ(call(d, u"Items").array(), Array::of({Variant(T("changed")), Variant(T("two"))}));
  EXPECT_EQ(error_of([&] { call(d, u"Add", {Variant(T("a")), Variant(3)}); }), 457);
  call(d, u"Remove", {Variant(T("a"))});
  call(d, u"RemoveAll");
  EXPECT_EQ(get(d, u"Count"), Variant(0));
  EXPECT_EQ(d->type_name(), u"Dictionary");
}

TEST(Collection, OneBasedItems) {
  ObjectPtr c = std::make_shared<Collection>();
  EXPECT_EQ(c->type_name(), u"Collection");
  call(c, u"Add", {Variant(T("a"))});
  call(c, u"Add", {Variant(2.5)});
  call(c, u"Add", {Variant::Null()});
  EXPECT_EQ(get(c, u"Count"), Variant(3));
  EXPECT_EQ(call(c, u"Item", {Variant(1)}), Variant(T("a")));
  EXPECT_EQ(call(c, u"Item", {Variant(3)}), Variant::Null());
  EXPECT_EQ(error_of([&] { call(c, u"Item", {Variant(0)}); }), 9);
  EXPECT_EQ(error_of([&] { call(c, u"Item", {Variant(4)}); }), 9);
  EXPECT_EQ(error_of([&] { call(c, u"Item", {Variant(T("a"))}); }), 5);
  call(c, u"Remove", {Variant(1)});
  EXPECT_EQ(call(c, u"Item", {Variant(1)}), Variant(2.5));
  EXPECT_EQ(get(c, u"Count"), Variant(2));
}

}  // namespace
}  // namespace orvane::json
