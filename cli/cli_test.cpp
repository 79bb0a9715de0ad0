// The orvane command as a shell user and outside tests see it: output lines, JSON,
// exit status.
#include "cli/cli.h"

#include <gtest/gtest.h>

#include <sstream>

#include "testing/testing.h"

namespace orvane::cli {
namespace {

struct Run {
  int status;
  std::string out, err;
};

Run call(std::vector<std::string> args) {
  std::ostringstream out, err;
  int st = run(args, out, err);
  return {st, out.str(), err.str()};
}

TEST(CliCall, NzThroughJson) {
  auto r = call({"call", "--json", "FuncoesOrvane", "NZ", "@null", "@str:"});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find(R"("result":{"type":"String","value":""})"), std::string::npos) << r.out;
  r = call({"call", "--json", "FuncoesOrvane", "NZ", "@null", "@null"});
  EXPECT_NE(r.out.find(R"("result":{"type":"Integer","value":0})"), std::string::npos);
  r = call({"call", "--json", "FuncoesOrvane", "NZ", "@long:5", "@int:0"});
  EXPECT_NE(r.out.find(R"("result":{"type":"Long","value":5})"), std::string::npos);
  r = call({"call", "--json", "FuncoesOrvane", "NZ", "@empty", "@int:0"});
  EXPECT_NE(r.out.find(R"("result":{"type":"Empty"})"), std::string::npos);
  r = call({"call", "--json", "FuncoesOrvane", "NZ", "@null"});
  EXPECT_NE(r.out.find(R"("result":{"type":"Error","value":-2147352572})"), std::string::npos);
  EXPECT_NE(r.out.find(R"("messages":[],"error":null})"), std::string::npos);
}

TEST(CliCall, ThenRunsOnOneInstanceLineByLine) {
  auto r =
      call({"call", "FuncoesOrvane", "NZ", "@null", "@str:x", "--then", "NZ", "@null", "@str:y"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "x\ny\n");
  r = call({"call", "FuncoesOrvane", "NZ", "@cur:2.12", "--then", "NZ", "@prev"});
  EXPECT_EQ(r.out, "2,12\n2,12\n");
  r = call({"call", "--json", "FuncoesOrvane", "NZ", "@cur:2.12"});
  EXPECT_NE(r.out.find(R"({"type":"Currency","value":"2.1200"})"), std::string::npos);
  r = call({"call", "--json", "FuncoesOrvane", "NZ", "@date:2026-12-05T14:30:00"});
  EXPECT_NE(r.out.find(R"({"type":"Date","value":"2026-12-05T14:30:00"})"), std::string::npos);
}

TEST(CliCall, UsageErrorsExitTwo) {
  EXPECT_EQ(call({"call", "NoSuchClass", "X"}).status, 2);
  EXPECT_EQ(call({"call", "FuncoesOrvane", "NoSuchMember"}).status, 2);
  EXPECT_EQ(call({"call", "FuncoesOrvane", "NZ"}).status, 2);  // Dado is required
  EXPECT_EQ(call({"call", "FuncoesOrvane", "NZ", "1", "2", "3"}).status, 2);
  EXPECT_EQ(call({"call", "FuncoesOrvane", "NZ", "@int:99999"}).status, 2);
  EXPECT_EQ(call({"call", "FuncoesOrvane", "NZ", "@bogus:1"}).status, 2);
  EXPECT_EQ(call({"call", "--answer", "maybe", "FuncoesOrvane", "NZ", "1"}).status, 2);
  EXPECT_EQ(call({"frobnicate"}).status, 2);
  EXPECT_EQ(call({}).status, 2);
  auto r = call({"call", "FuncoesOrvane", "NoSuchMember"});
  EXPECT_NE(r.err.find("NoSuchMember"), std::string::npos);
}

TEST(CliClasses, ListsMemberTables) {
  auto r = call({"classes", "FuncoesOrvane"});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(
      r.out.find(
          "Function NZ(ByRef Dado As Variant, Optional ByRef CasoNull As Variant) As Variant"),
      std::string::npos)
      << r.out;
  EXPECT_EQ(call({"classes", "Nope"}).status, 2);
  EXPECT_EQ(call({"--version"}).out.rfind("orvane ", 0), 0u);
}

TEST(CliBinary, RealProcessExitCodesAndStreams) {
  auto r = testing::run_command(testing::orvane_bin() +
                                " call FuncoesOrvane NZ @null @str:x --then NZ @null @str:y");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "x\ny\n");
  r = testing::run_command(testing::orvane_bin() + " call FuncoesOrvane Nope");
  EXPECT_EQ(r.status, 2);
  EXPECT_FALSE(r.err.empty());
}

}  // namespace
}  // namespace orvane::cli
