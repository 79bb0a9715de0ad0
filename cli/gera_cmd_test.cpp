// `orvane gera` as an operator uses it: bad invocations named and refused, a batch that
// goes on past failing keys with one plain progress line per document, keys chosen by
// --where, and Ctrl-C in the middle of a batch of two workers.
#include "cli/gera_cmd.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <sstream>
#include <thread>

#include "cli/cli.h"
#include "cli/doc_kinds.h"
#include "core/text.h"
#include "platform/db/db.h"
#include "testing/documents.h"
#include "testing/testing.h"

namespace orvane::cli {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

const fs::path kTemplates = fs::path(ORVANE_BINARY_DIR) / "demo" / "templates";
const std::string kTripWord = (kTemplates / "Ficha de Deslocamento.docx").string();

struct GeraRun {
  int status;
  std::string out, err;
};

GeraRun gera(std::vector<std::string> args) {
  args.insert(args.begin(), "gera");
  std::ostringstream out, err;
  int st = run(args, out, err);
  return {st, out.str(), err.str()};
}

std::string quoted(const std::string& s) { return "'" + s + "'"; }

std::vector<fs::path> files_in(const fs::path& dir) {
  std::vector<fs::path> found;
  for (const auto& e : fs::directory_iterator(dir)) found.push_back(e.path());
  std::sort(found.begin(), found.end());
  return found;
}

bool has(const std::string& hay, const std::string& needle) {
  return hay.find(needle) != std::string::npos;
}

TEST(GeraInvocation, BadInputIsNamedAndNothingRuns) {
  TempDir dir;
  fs::path db = testing::demo_database(dir);
  const std::vector<fs::path> before = files_in(dir.path());  // the database and its folders
  const std::vector<std::string> common = {"--db", db.string(), "--unit", "301"};
  auto with = [&](std::vector<std::string> a) {
    a.insert(a.end(), common.begin(), common.end());
    return gera(a);
  };

  GeraRun r = with({"receipt", "501", "--template", kTripWord});
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(has(r.err, "unknown kind of document \"receipt\"")) << r.err;
  EXPECT_TRUE(has(r.err, "trip (deslocamento, ficha)")) << "lists the kinds: " << r.err;

  r = with({"trip", "501", "--template", (dir.path() / "Nenhum.docx").string()});
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(has(r.err, "template not found: " + (dir.path() / "Nenhum.docx").string())) << r.err;

  testing::write_file(dir.path() / "a-file", "x");
  r = with({"trip", "501", "--template", kTripWord, "--out", (dir.path() / "a-file/out").string()});
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(has(r.err, "output folder " + (dir.path() / "a-file/out").string())) << r.err;

  r = gera({"trip", "501", "--db", (dir.path() / "none/x.db").string(), "--unit", "301",
            "--template", kTripWord});
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(has(r.err, "cannot open --db")) << r.err;

  EXPECT_TRUE(has(with({"trip", "--template", kTripWord}).err, "give the keys")) << "no keys";
  EXPECT_TRUE(has(gera({"trip", "501", "--template", kTripWord, "--db", db.string()}).err,
                  "--unit N is needed"));
  r = with({"trip", "501", "--template", kTripWord, "--forca-pdf"});
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(has(r.err, "unknown option --forca-pdf for trip")) << "budget's, not trip's";
  r = with({"contract", "1042", "--template", kTripWord, "--data-contrato", "31/12/2026"});
  EXPECT_EQ(r.status, 2);
  EXPECT_TRUE(has(r.err, "--data-contrato takes a date YYYY-MM-DD")) << r.err;
  std::vector<fs::path> expected = before;
  expected.push_back(dir.path() / "a-file");
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(files_in(dir.path()), expected)
      << "nothing written beside the database and the test's file";
}

// A kind whose member this build lacks is refused with its member's name; once the member
// is registered the same kind runs.
TEST(GeraInvocation, KindsWhoseMemberIsMissingAreNotAvailable) {
  EXPECT_TRUE(member_available(u"GeraDeslocamentoViatura"));
  EXPECT_FALSE(member_available(u"GeraNadaDisso"));
  TempDir dir;
  fs::path db = testing::demo_database(dir);
  testing::write_file(dir.path() / "Modelo.docx", "not opened: the member is missing");
  for (const auto& kind : document_kinds()) {
    if (member_available(kind.member)) continue;
    GeraRun r = gera({kind.name, "1", "--db", db.string(), "--unit", "301", "--template",
                      (dir.path() / "Modelo.docx").string()});
    EXPECT_EQ(r.status, 2) << kind.name;
    EXPECT_TRUE(has(r.err, kind.name + ": " + to_utf8(kind.member) + " (" + kind.title +
                               ") is not available in this build"))
        << r.err;
  }
}

TEST(GeraInvocation, KindsAndKeys) {
  EXPECT_EQ(find_kind("orçamento"), find_kind("budget"));
  EXPECT_EQ(find_kind("Aditivo"), find_kind("amendment"));
  const DocumentKind& amendment = *find_kind("amendment");
  ASSERT_TRUE(parse_key(amendment, "1042/1"));
  EXPECT_EQ(parse_key(amendment, "1042/1")->file_text(), "1042-1");
  EXPECT_FALSE(parse_key(amendment, "1042")) << "an amendment needs its number";
  EXPECT_FALSE(parse_key(*find_kind("trip"), "50x"));
  EXPECT_FALSE(parse_key(*find_kind("trip"), "99999999999"));
  // The Writer twin takes Writer templates and the standard names only it knows.
  const DocumentKind& contract = *find_kind("contract");
  EXPECT_EQ(member_for(contract, "/x/Contrato.odt"), u"GeraContratoOpen");
  EXPECT_EQ(member_for(contract, "/x/ContractD.dll"), u"GeraContratoOpen");
  EXPECT_EQ(member_for(contract, "/x/Contract.dll"), u"GeraContrato");
  EXPECT_EQ(member_for(contract, "/x/Contract.dll", Route::Writer), u"GeraContratoOpen");
  EXPECT_EQ(member_for(*find_kind("trip"), "/x/Ficha.odt"), u"GeraDeslocamentoViatura");
}

// 502 has no driver: the member reports it in its own words, the batch goes on, and the
// log gets one numbered line per document.
TEST(GeraBatch, FailuresInTheMiddleAndPlainProgress) {
  TempDir dir;
  fs::path db = testing::demo_database(dir);
  fs::path out = dir.path() / "saída";
  auto r = testing::run_command(testing::orvane_bin() + " gera ficha 501 502 999 503 50x --db " +
                                quoted(db.string()) + " --unit 301 --template " +
                                quoted(kTripWord) + " --out " + quoted(out.string()) + " --jobs 2");
  EXPECT_EQ(r.status, 3) << r.err;
  EXPECT_TRUE(has(r.err, "[1/5] trip 999: FAILED: no trip sheet 999 in VeículosDeslocamentos"))
      << r.err;
  EXPECT_TRUE(has(r.err, "/5] trip 50x: FAILED: not a key of a trip sheet (CodInterno)"));
  EXPECT_TRUE(has(r.err, "/5] trip 502: FAILED: Ocorreu um erro ao processar o arquivo:"));
  EXPECT_TRUE(has(r.err, "/5] trip 501: 1 page, "));
  EXPECT_TRUE(has(r.err, "[5/5] trip ")) << "every document counted once";
  EXPECT_FALSE(has(r.err, "\r")) << "no bar redrawn on a non-terminal";
  EXPECT_TRUE(has(r.err, "5 trip sheets: 2 produced, 3 failed in ")) << r.err;

  const fs::path a = out / "Ficha de Deslocamento 501.pdf",
                 b = out / "Ficha de Deslocamento 503.pdf";
  EXPECT_EQ(files_in(out), (std::vector<fs::path>{a, b})) << "nothing partial, nothing else";
  EXPECT_TRUE(has(r.out, a.string() + "\n") && has(r.out, b.string() + "\n")) << r.out;
  EXPECT_TRUE(has(testing::pdf_text(a), "WELLINGTON BATISTA DOS SANTOS"));
  EXPECT_TRUE(has(testing::pdf_text(b), "WANDERSON LUIZ PACHECO"));
  EXPECT_EQ(testing::run_command("qpdf --check " + quoted(b.string())).status, 0);
}

// Keys chosen by --where; a --where that fails is named and the given keys are still made,
// where the member leaves them (the temporary folder), with the key in the name.
TEST(GeraBatch, WhereSelectsKeysAndAFailingWhereSparesTheOthers) {
  TempDir dir, tmp;
  fs::path db = testing::demo_database(dir);
  const std::string base = "TMPDIR=" + quoted(tmp.str()) + " " + testing::orvane_bin() +
                           " gera trip --db " + quoted(db.string()) + " --unit 301 --template " +
                           quoted(kTripWord);
  auto r = testing::run_command(base + " 503 --where 'Bogus = 1'");
  EXPECT_EQ(r.status, 3);
  EXPECT_TRUE(has(r.err, "--where \"Bogus = 1\" failed on VeículosDeslocamentos: ")) << r.err;
  EXPECT_TRUE(has(r.err, "Bogus")) << "the database's message";
  EXPECT_TRUE(fs::exists(tmp.path() / "Ficha de Deslocamento 503.pdf")) << r.err;

  r = testing::run_command(base + " --where \"Condutor Is Not Null And Unidade=301\" --out " +
                           quoted((dir.path() / "o").string()));
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(files_in(dir.path() / "o"),
            (std::vector<fs::path>{dir.path() / "o" / "Ficha de Deslocamento 501.pdf"}));
}

// Ctrl-C after the first documents: the documents in progress finish, no other starts,
// what was finished is kept whole, nothing partial is left and no worker outlives the command.
TEST(GeraBatch, InterruptWithTwoJobsStopsCleanly) {
  TempDir dir;
  fs::path db = testing::demo_database(dir);
  std::string keys;
  {
    auto conn = db::open_connection(from_utf8(db.string()));
    std::string script;
    for (int k = 1; k <= 30; ++k) {
      script += "INSERT INTO VeículosDeslocamentos SELECT " + std::to_string(9000 + k) +
                ", Unidade, Data, HoraSaída, HoraRetorno, Viatura, Condutor, Cliente, CodMotivo, "
                "Destino, KmSaída, KmRetorno, Observação FROM VeículosDeslocamentos WHERE "
                "CodInterno=501;";
      keys += " " + std::to_string(9000 + k);
    }
    conn->run_script(from_utf8(script));
  }
  fs::path out = dir.path() / "out", log = dir.path() / "err.log", stdout_log = dir.path() / "o";
  std::string cmd = "exec " + testing::orvane_bin() + " gera trip" + keys + " --db " +
                    quoted(db.string()) + " --unit 301 --template " + quoted(kTripWord) +
                    " --out " + quoted(out.string()) + " --jobs 2 >" + quoted(stdout_log) + " 2>" +
                    quoted(log.string());
  pid_t pid = ::fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    ::execl("/bin/sh", "sh", "-c", cmd.c_str(), static_cast<char*>(nullptr));
    ::_exit(127);
  }
  auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(3);
  while (!has(testing::read_file(log), " page, ") && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  ::kill(pid, SIGINT);
  int status = 0;
  ::waitpid(pid, &status, 0);
  const std::string err = testing::read_file(log);
  ASSERT_TRUE(WIFEXITED(status)) << err;
  EXPECT_EQ(WEXITSTATUS(status), 130) << err;
  EXPECT_TRUE(has(err, "interrupted: finishing the documents in progress")) << err;
  EXPECT_TRUE(has(err, "not started (interrupted)")) << err;

  auto produced = files_in(out);
  EXPECT_GE(produced.size(), 1u);
  EXPECT_LT(produced.size(), 30u) << "the batch stopped";
  const std::string listed = testing::read_file(stdout_log);
  for (const auto& f : produced) {
    EXPECT_FALSE(is_partial_name(f.filename().string())) << f;
    EXPECT_EQ(f.extension(), ".pdf") << f;
    EXPECT_TRUE(has(listed, f.string() + "\n")) << f;
    EXPECT_EQ(testing::run_command("qpdf --check " + quoted(f.string())).status, 0) << f;
  }
  // The workers were told the output folder: none may still run with it.
  for (const auto& e : fs::directory_iterator("/proc")) {
    std::string cmdline = testing::read_file(e.path() / "cmdline");
    for (char& c : cmdline)
      if (c == '\0') c = ' ';
    EXPECT_FALSE(has(cmdline, "--worker") && has(cmdline, out.string())) << "left: " << cmdline;
  }
}

}  // namespace
}  // namespace orvane::cli
