#include "funcs/aggregates.h"

#include <gtest/gtest.h>

namespace orvane::funcs {
namespace {

TEST(NZ, ReplacesOnlyNull) {
  EXPECT_EQ(NZ(Variant::Null(), Text()), Variant(Text()));
  EXPECT_EQ(NZ(Variant::Null(), Variant::Null()), Variant(int16_t{0}));
  EXPECT_EQ(NZ(int32_t{5}, int16_t{0}), Variant(int32_t{5}));
  EXPECT_TRUE(NZ(Variant(), int16_t{0}).is_empty());  // Empty is not Null
  EXPECT_TRUE(NZ(Variant::Null()).is_missing());      // the omitted substitute comes back
  EXPECT_EQ(NZ(Text(u"x"), Text(u"y")), Variant(Text(u"x")));
}

}  // namespace
}  // namespace orvane::funcs
