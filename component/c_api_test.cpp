// The C interface as a host sees it: creation, calls, write-back, errors, ownership.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "orvane/orvane.h"

namespace {

struct Handle {
  orvane_object* p = nullptr;
  ~Handle() { orvane_release(p); }
};

TEST(CApi, CreateCallAndRelease) {
  Handle f;
  orvane_error err;
  ASSERT_EQ(orvane_create("Orvane.FuncoesOrvane", &f.p, &err), ORVANE_OK);
  EXPECT_STREQ(orvane_type_name(f.p), "FuncoesOrvane");

  orvane_variant args[2] = {};
  args[0].type = ORVANE_NULL;
  args[1] = orvane_from_utf8("substituto ção");
  orvane_variant result;
  ASSERT_EQ(orvane_invoke(f.p, "nz", ORVANE_METHOD, args, 2, nullptr, &result, &err), ORVANE_OK);
  EXPECT_EQ(result.type, ORVANE_STRING);
  EXPECT_STREQ(result.utf8, "substituto ção");
  ASSERT_EQ(result.utf16_len, 14u);
  EXPECT_EQ(result.utf16[11], 0xE7);  // ç
  orvane_variant_clear(&result);
  EXPECT_EQ(result.type, ORVANE_EMPTY);

  args[1] = orvane_missing();
  ASSERT_EQ(orvane_invoke(f.p, "NZ", ORVANE_METHOD, args, 2, nullptr, &result, &err), ORVANE_OK);
  EXPECT_EQ(result.type, ORVANE_ERROR);
  EXPECT_EQ(result.v.scode, ORVANE_PARAM_NOT_FOUND);
  for (auto& a : args) orvane_variant_clear(&a);
}

TEST(CApi, NamedArgumentsAndParameterInfo) {
  Handle f;
  orvane_error err;
  ASSERT_EQ(orvane_create("FuncoesOrvane", &f.p, &err), ORVANE_OK);
  orvane_param_info info[4];
  ASSERT_EQ(orvane_member_params(f.p, "NZ", ORVANE_METHOD, info, 4), 2);
  EXPECT_STREQ(info[1].name, "CasoNull");
  EXPECT_TRUE(info[1].optional);
  EXPECT_EQ(orvane_member_params(f.p, "Nope", ORVANE_METHOD, info, 4), -1);

  orvane_variant args[2] = {};
  args[0].type = ORVANE_LONG;
  args[0].v.i4 = 7;
  args[1].type = ORVANE_NULL;
  const char* names[] = {"CasoNull", "Dado"};
  orvane_variant result;
  ASSERT_EQ(orvane_invoke(f.p, "NZ", ORVANE_METHOD, args, 2, names, &result, &err), ORVANE_OK);
  EXPECT_EQ(result.type, ORVANE_LONG);  // Dado was Null, so the named substitute 7 comes back
  EXPECT_EQ(result.v.i4, 7);
  orvane_variant_clear(&result);
}

TEST(CApi, ErrorsAreReported) {
  orvane_object* none = nullptr;
  orvane_error err;
  EXPECT_EQ(orvane_create("No.Such.Class", &none, &err), ORVANE_E_USAGE);
  EXPECT_EQ(err.number, 429);
  EXPECT_EQ(none, nullptr);

  Handle f;
  ASSERT_EQ(orvane_create("FuncoesOrvane", &f.p, &err), ORVANE_OK);
  EXPECT_EQ(orvane_invoke(f.p, "Missing", ORVANE_METHOD, nullptr, 0, nullptr, nullptr, &err),
            ORVANE_E_USAGE);
  EXPECT_EQ(err.number, 438);
  EXPECT_NE(std::string(err.description).find("Missing"), std::string::npos);
  EXPECT_EQ(orvane_set_setting("without", "sometimes"), ORVANE_E_USAGE);
  EXPECT_EQ(orvane_set_setting("word_version", "11.0"), ORVANE_OK);
  EXPECT_EQ(orvane_set_setting("word_version", "16.0"), ORVANE_OK);
}

TEST(CApi, ArraysRoundTrip) {
  Handle f;
  orvane_error err;
  ASSERT_EQ(orvane_create("FuncoesOrvane", &f.p, &err), ORVANE_OK);
  orvane_variant items[3] = {};
  for (int i = 0; i < 3; ++i) {
    items[i].type = ORVANE_DOUBLE;
    items[i].v.r8 = i + 0.5;
  }
  orvane_variant arr = {};
  arr.type = ORVANE_ARRAY;
  arr.items = items;
  arr.count = 3;
  orvane_variant result;
  ASSERT_EQ(orvane_invoke(f.p, "NZ", ORVANE_METHOD, &arr, 1, nullptr, &result, &err), ORVANE_OK);
  ASSERT_EQ(result.type, ORVANE_ARRAY);
  ASSERT_EQ(result.count, 3u);
  EXPECT_EQ(result.items[2].v.r8, 2.5);
  EXPECT_EQ(result.ndims, 1);
  orvane_variant_clear(&result);
}

}  // namespace
