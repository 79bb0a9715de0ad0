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

TEST(CApi, MembersListTheirKindsAndResults) {
  Handle sb;
  orvane_error err;
  ASSERT_EQ(orvane_create("cStringBuilder", &sb.p, &err), ORVANE_OK);
  orvane_member_info info[64];
  int n = orvane_members(sb.p, info, 64);
  ASSERT_GT(n, 0);
  ASSERT_LE(n, 64);
  int chunk_kinds = 0;
  bool append = false;
  for (int i = 0; i < n; ++i) {
    std::string name = info[i].name;
    if (name == "ChunkSize") chunk_kinds |= info[i].kind;
    if (name == "Append") {
      append = true;
      EXPECT_EQ(info[i].kind, ORVANE_METHOD);
      EXPECT_EQ(info[i].result, ORVANE_EMPTY);  // a Sub
    }
    if (name == "Length") {
      EXPECT_EQ(info[i].result, ORVANE_LONG);
    }
  }
  EXPECT_TRUE(append);
  EXPECT_EQ(chunk_kinds, ORVANE_PROPERTY_GET | ORVANE_PROPERTY_LET);
  // A short buffer still gets the count; the pointers stay the same from call to call.
  orvane_member_info first;
  EXPECT_EQ(orvane_members(sb.p, &first, 1), n);
  EXPECT_EQ(first.name, info[0].name);
  EXPECT_EQ(orvane_members(nullptr, info, 64), -1);
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
