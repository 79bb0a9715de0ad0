#include "component/member_table.h"

#include <gtest/gtest.h>

#include "component/registry.h"

namespace orvane::component {
namespace {

// A small class exercising every binding rule: by-reference write-back, by-value
// arguments, typed optionals with and without defaults, optional Variants.
class Sample : public DispatchObject {
 public:
  const MemberTable& members() const override {
    static const MemberTable t = [] {
      MemberTable m(u"Sample");
      m.method(u"Bump", {ref(u"Counter", VarType::Long), val(u"By", VarType::Integer)},
               VarType::Long, [](Object&, Args& a) {
                 a[0] = Variant(a[0].lng() + a[1].integer());
                 a[1] = Variant(int16_t{0});  // by value: never reaches the caller
                 return a[0];
               });
      m.method(u"Describe",
               {ref(u"Name", VarType::String), opt(u"Upper", VarType::Boolean),
                opt(u"Suffix", VarType::String, Text(u"!")), opt(u"Extra", VarType::Variant)},
               VarType::String, [](Object&, Args& a) {
                 Text s = a[0].text() + a[2].text();
                 if (a[1].boolean()) s = vb::UCase(s);
                 if (a[3].is_missing()) s += u" (no extra)";
                 return Variant(s);
               });
      m.property_get(u"Size", VarType::Long,
                     [](Object& self, Args&) { return Variant(static_cast<Sample&>(self).size); });
      m.property_let(u"Size", ref(u"Value", VarType::Long), [](Object& self, Args& a) {
        static_cast<Sample&>(self).size = a[0].lng();
        return Variant();
      });
      return m;
    }();
    return t;
  }
  int32_t size = 0;
};

TEST(MemberTable, ConvertsWritesBackByReferenceOnly) {
  Sample s;
  std::vector<Variant> args{Text(u"41"), int32_t{1}};
  Variant r = s.invoke(u"bump", CallKind::Method, args);
  EXPECT_EQ(r, Variant(int32_t{42}));
  EXPECT_EQ(args[0], Variant(int32_t{42}));  // converted and written back
  EXPECT_EQ(args[1], Variant(int32_t{1}));   // by value: untouched
}

TEST(MemberTable, OptionalsTakeDefaultsOrTheMarker) {
  Sample s;
  std::vector<Variant> args{Text(u"ana")};
  EXPECT_EQ(s.invoke(u"Describe", CallKind::Method, args), Variant(Text(u"ana! (no extra)")));
  args = {Text(u"ana"), true, Variant::Missing(), int32_t{1}};
  EXPECT_EQ(s.invoke(u"Describe", CallKind::Method, args), Variant(Text(u"ANA!")));
  args = {Text(u"ana"), Text(u"x")};
  std::vector<Text> names{Text(), u"suffix"};
  EXPECT_EQ(s.invoke(u"Describe", CallKind::Method, args, names),
            Variant(Text(u"anax (no extra)")));
}

TEST(MemberTable, BindingErrorsAreUsageErrors) {
  Sample s;
  auto number = [&](TextView member, std::vector<Variant> args, std::vector<Text> names = {}) {
    try {
      s.invoke(member, CallKind::Method, args, names);
    } catch (const BindError& e) {
      return e.number();
    }
    return 0;
  };
  EXPECT_EQ(number(u"Nope", {}), 438);
  EXPECT_EQ(number(u"Bump", {int32_t{1}, int32_t{2}, int32_t{3}}), 450);
  EXPECT_EQ(number(u"Bump", {int32_t{1}}), 449);
  EXPECT_EQ(number(u"Bump", {Text(u"x"), int32_t{1}}), 13);
  EXPECT_EQ(number(u"Bump", {int32_t{1}, int32_t{99999}}), 6);
  EXPECT_EQ(number(u"Describe", {Text(u"a"), int32_t{1}}, {Text(), u"Colour"}), 448);
}

TEST(MemberTable, PropertiesGetAndLet) {
  auto s = std::make_shared<Sample>();
  let(s, u"SIZE", Text(u"7"));
  EXPECT_EQ(get(s, u"size"), Variant(int32_t{7}));
}

TEST(Registry, CreatesPublicClassesByNameAndProgId) {
  auto f = create_object(u"orvane.funcoesorvane", default_context());
  EXPECT_EQ(f->type_name(), u"FuncoesOrvane");
  EXPECT_EQ(create_object(u"cStringBuilder", nullptr)->type_name(), u"cStringBuilder");
  try {
    create_object(u"No.Such.Thing", nullptr);
    FAIL();
  } catch (const VbError& e) {
    EXPECT_EQ(e.number(), 429);
  }
}

}  // namespace
}  // namespace orvane::component
