// `orvane demo` as a fresh checkout runs it: every document of this build produced and
// readable, the others listed as not in this build, and an index page whose every link and
// image exists.
#include "cli/demo_cmd.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <regex>
#include <set>

#include "cli/doc_kinds.h"
#include "cli/preview.h"
#include "testing/documents.h"
#include "testing/testing.h"

namespace orvane::cli {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

bool has(const std::string& hay, const std::string& needle) {
  return hay.find(needle) != std::string::npos;
}

std::string url_decoded(const std::string& s) {
  std::string out;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '%' && i + 2 < s.size()) {
      out += static_cast<char>(std::stoi(s.substr(i + 1, 2), nullptr, 16));
      i += 2;
    } else {
      out += s[i];
    }
  }
  return out;
}

TEST(Demo, EveryDocumentTheIndexAndItsLinks) {
  TempDir dir;
  fs::path out = dir.path() / "demo out";
  auto r = testing::run_command(testing::orvane_bin() + " demo --out '" + out.string() +
                                "' --picture '" + (dir.path() / "two.png").string() + "'");
  ASSERT_EQ(r.status, 0) << r.out << r.err;

  // The trip sheets exist in this build on both routes.
  for (const char* route : {"Word", "Writer"})
    EXPECT_TRUE(fs::exists(out / ("Ficha de Deslocamento 501 (" + std::string(route) + ").pdf")));
  EXPECT_TRUE(has(r.out, "] Ficha de Deslocamento 501 (Word)     Word   1 page   ")) << r.out;
  // A member of another document that this build lacks is listed, not failed.
  const size_t missing = member_available(u"GeraOS") ? 0 : 1;
  EXPECT_EQ(has(r.out, "] Ordem de Serviço 30188 (Word)        Word   not in this build (GeraOS)"),
            missing == 1)
      << r.out;
  EXPECT_TRUE(has(r.out, "13 documents: ")) << r.out;
  EXPECT_TRUE(has(r.out, " 0 failed, ")) << r.out;

  const std::string html = testing::read_file(out / "index.html");
  std::regex ref(R"((href|src)="([^"]*)\")");
  std::set<std::string> images, links;
  for (std::sregex_iterator it(html.begin(), html.end(), ref), end; it != end; ++it)
    ((*it)[1] == "src" ? images : links).insert(url_decoded((*it)[2]));
  for (const auto& link : links) EXPECT_TRUE(fs::is_regular_file(out / link)) << link;
  for (const auto& image : images) {
    EXPECT_TRUE(fs::is_regular_file(out / image)) << image;
    EXPECT_EQ(testing::read_file(out / image).substr(0, 8), "\x89PNG\r\n\x1a\n") << image;
  }
  // Whatever this build produced is whole and holds its key's data: the name of the
  // driver or customer of each key, in any case.
  const std::vector<std::pair<std::string, std::string>> holder = {
      {"Ficha de Deslocamento 501", "wellington batista dos santos"},
      {"Ordem de Serviço 30188", "bertolini"},
      {"Ordem de Serviço 74022", "rio pardo"},
      {"Orçamento 20051", "bertolini"},
      {"Orçamento 20058", "edwiges"},
      {"Contrato 1042", "bertolini"},
      {"Distrato 1057", "edwiges"},
      {"Aditivo 1063-1", "rio pardo"},
      {"Aditivo 1042-1", "bertolini"}};
  size_t pdfs = 0;
  for (const auto& e : fs::directory_iterator(out)) {
    if (e.path().extension() != ".pdf" && e.path().extension() != ".doc") continue;
    ++pdfs;
    const std::string name = e.path().filename().string();
    EXPECT_TRUE(links.count(name)) << "not linked: " << e.path();
    if (e.path().extension() != ".pdf") continue;
    EXPECT_EQ(testing::run_command("qpdf --check '" + e.path().string() + "'").status, 0) << name;
    std::string text = testing::pdf_text(e.path());
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    bool known = false;
    for (const auto& [prefix, who] : holder) {
      if (name.rfind(prefix + " (", 0) != 0) continue;
      known = true;
      EXPECT_TRUE(has(text, who)) << name << " lacks " << who;
    }
    EXPECT_TRUE(known) << name;
  }
  EXPECT_GE(pdfs, 2u);
  EXPECT_EQ(images.size(), pdfs) << "one thumbnail per PDF";
  EXPECT_EQ(missing == 1, has(html, "not in this build (GeraOS)")) << html;
  EXPECT_EQ(document_pages(dir.path() / "two.png"), 0) << "the picture is no PDF";
  EXPECT_TRUE(fs::file_size(dir.path() / "two.png") > 1000);
}

TEST(Preview, PagesThumbnailsAndUnreadableFiles) {
  TempDir dir;
  testing::write_file(dir.path() / "broken.pdf", "%PDF-1.4\nnot really\n");
  EXPECT_EQ(document_pages(dir.path() / "broken.pdf"), -1);
  EXPECT_EQ(document_pages(dir.path() / "absent.pdf"), -1);
  EXPECT_FALSE(write_thumbnail(dir.path() / "broken.pdf", dir.path() / "t.png", 100));
  EXPECT_FALSE(fs::exists(dir.path() / "t.png")) << "nothing half-written";
  EXPECT_EQ(html_escape("<a href=\"x\">&</a>"), "&lt;a href=&quot;x&quot;&gt;&amp;&lt;/a&gt;");
  EXPECT_EQ(href("thumbnails/Orçamento 1 (Word).png"),
            "thumbnails/Or%C3%A7amento%201%20%28Word%29.png");
}

}  // namespace
}  // namespace orvane::cli
