// The JSON members as a host reaches them: through `orvane call`, with the outputs read
// back by an independent JSON reader (Python's json module).
#include <gtest/gtest.h>

#include "testing/testing.h"

namespace orvane::json {
namespace {

using testing::orvane_bin;
using testing::run_command;
using testing::TempDir;
using testing::write_file;

// One shell word holding `s`.
std::string shell_word(const std::string& s) {
  std::string out = "'";
  for (char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

// Runs Python on `file` (its text, envelope parentheses removed) and returns what the
// script printed; `script` sees the parsed value as `v`.
std::string python_reads(const std::filesystem::path& file, const std::string& script) {
  std::string program =
      "import json,sys\n"
      "t=open(sys.argv[1],encoding='utf-8').read().strip()\n"
      "if t.startswith('('): t=t[1:-1]\n"
      "v=json.loads(t)\n" +
      script;
  auto r = run_command("python3 -c " + shell_word(program) + " " + file.string());
  EXPECT_EQ(r.status, 0) << r.err;
  return r.out;
}

TEST(JsonCommandLine, ParseOfAFileAndItsErrors) {
  TempDir dir;
  write_file(dir.path() / "ok.json",
             "( {\"nome\": \"José\", // comment\n \"itens\": [1, 2.5, true, null], "
             "'obs': 'a\\/b'} )");
  write_file(dir.path() / "bad.json", "[tru]");
  write_file(dir.path() / "none.json", "nothing here");
  auto r = run_command(
      orvane_bin() + " call FuncoesOrvane parse @file:" + (dir.path() / "ok.json").string() +
      " --then GetParserErrors --then parse @file:" + (dir.path() / "bad.json").string() +
      " --then GetParserErrors --then parse @file:" + (dir.path() / "none.json").string() +
      " --then GetParserErrors --then ClearParserErrors --then GetParserErrors");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "Dictionary\n\nCollection\n"
            "Invalid Boolean at position 2 : tru]\r\nInvalid Array at position 2 : tru]\r\n\n"
            "Nothing\nInvalid JSON\n\n\n");

  auto j = run_command(
      orvane_bin() + " call --json FuncoesOrvane parse @file:" + (dir.path() / "ok.json").string());
  EXPECT_EQ(j.status, 0) << j.err;
  EXPECT_NE(j.out.find(R"("result":{"type":"Object","class":"Dictionary","value":{)"
                       R"("nome":{"type":"String","value":"José"},)"
                       R"("itens":{"type":"Object","class":"Collection","value":[)"
                       R"({"type":"Double","value":1},{"type":"Double","value":2.5},)"
                       R"({"type":"Boolean","value":true},{"type":"Null"}]},)"
                       R"("obs":{"type":"String","value":"a/b"}}})"),
            std::string::npos)
      << j.out;
}

TEST(JsonCommandLine, ToStringOfAParsedFileReadsBackInPython) {
  TempDir dir;
  write_file(dir.path() / "in.json",
             R"({"cliente": {"nome": "Conceição \"Ção\" d'Ávila", "cidade": "São Paulo/SP"},)"
             R"( "valores": [1234.5, -0.001, 1e20, 0.00001, 7], "ativo": false, "obs": null,)"
             R"( "linhas": ["a\tb", "c\r\nd", "€ ™"]})");
  auto r = run_command(orvane_bin() + " call FuncoesOrvane parse @file:" +
                       (dir.path() / "in.json").string() + " --then toString @prev");
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string written = r.out.substr(r.out.find('\n') + 1);
  EXPECT_NE(written.find(R"("linhas":["a\tb","c\r\nd","\u20AC \u2122"])"), std::string::npos)
      << written;
  write_file(dir.path() / "out.json", written);
  EXPECT_EQ(python_reads(dir.path() / "out.json",
                         "print(v['cliente']['nome'], '|', v['cliente']['cidade'])\n"
                         "print(v['valores'], v['ativo'], v['obs'])\n"
                         "print(v['linhas'] == ['a\\tb', 'c\\r\\nd', '\\u20ac \\u2122'])\n"),
            "Conceição \"Ção\" d'Ávila | São Paulo/SP\n"
            "[1234.5, -0.001, 1e+20, 1e-05, 7] False None\nTrue\n");
}

TEST(JsonCommandLine, BothExportsReadBackInPython) {
  TempDir dir;
  auto r = run_command(orvane_bin() + " call FuncoesOrvane StringToJSON " +
                       shell_word("Cod~1~Nome~Conceição {a}~Obs~\"x\"\\y|Cod~2~Nome~it's~Obs~") +
                       " >" + (dir.path() / "st.json").string());
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(python_reads(dir.path() / "st.json",
                         "print(v['RecordCount'], len(v['Records']))\n"
                         "print(v['Records'][0]['Nome'], v['Records'][0]['Obs'])\n"
                         "print(v['Records'][1])\n"),
            "2 2\nConceição {a} \"x\"\\y\n{'Cod': '2', 'Nome': 'its', 'Obs': ''}\n");
}

TEST(JsonCommandLine, ToUnicodeWritesTheShortenedTextBack) {
  auto r = run_command(orvane_bin() + " call --json FuncoesOrvane toUnicode " +
                       shell_word("it's {ok}") + " --then fromUnicode " + shell_word("\\u0041\\n") +
                       " --then fromUnicode " + shell_word("\\uzzzz"));
  EXPECT_EQ(r.status, 3) << r.err;
  EXPECT_NE(r.out.find(R"("result":{"type":"String","value":"its \\u007Bok\\u007D"},)"
                       R"("byref":{"str":{"type":"String","value":"its {ok}"}})"),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find(R"("result":{"type":"String","value":"A\\n"},"byref":{})"),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find(R"("error":{"number":13)"), std::string::npos) << r.out;
}

}  // namespace
}  // namespace orvane::json
