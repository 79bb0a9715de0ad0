#include "funcs/files.h"

#include <gtest/gtest.h>

#include "component/registry.h"
#include "core/error.h"
#include "funcs/funcoes_orvane.h"
#include "platform/os/files.h"
#include "platform/os/shell.h"
#include "testing/testing.h"

namespace orvane::funcs {
namespace {

using orvane::testing::read_file;
using orvane::testing::RecordingContext;
using orvane::testing::TempDir;
using orvane::testing::write_file;

TEST(SeparaArquivo, SplitsAtTheLastBackslashOrSlash) {
  EXPECT_EQ(SeparaArquivo(T("C:\\Dados\\foto.jpg"), true), u"foto.jpg");
  EXPECT_EQ(SeparaArquivo(T("C:\\Dados\\foto.jpg"), false), u"C:\\Dados\\");
  EXPECT_EQ(SeparaArquivo(u"foto.jpg", true), u"foto.jpg");
  EXPECT_EQ(SeparaArquivo(u"foto.jpg", false), u"");
  EXPECT_EQ(SeparaArquivo(T("/srv/modelos/contrato ção.odt"), true), T("contrato ção.odt"));
  EXPECT_EQ(SeparaArquivo(u"/srv/modelos/contrato.odt", false), u"/srv/modelos/");
  EXPECT_EQ(SeparaArquivo(u"C:\\a/b\\c.txt", false), u"C:\\a/b\\");
  EXPECT_EQ(SeparaArquivo(u"C:\\Dados\\", true), u"");
  EXPECT_EQ(SeparaArquivo(u"", false), u"");
}

TEST(LimpaArquivo, KeepsOnlyTheAllowedCharacters) {
  EXPECT_EQ(LimpaArquivo(T("0000123-JOÃO D'ÁVILA/ME? (2).pdf")), u"0000123-JOO DVILAME (2).pdf");
  EXPECT_EQ(LimpaArquivo(u"C:\\Docs\\a_b*c.doc"), u"C:\\Docs\\abc.doc");
  EXPECT_EQ(LimpaArquivo(u"\t\r\n"), u"");
}

TEST(ConvertToUrl, WindowsAndPosixPaths) {
  EXPECT_EQ(ConvertToUrl(u"C:\\Meus Docs\\a.odt"), u"file:///C|/Meus%20Docs/a.odt");
  EXPECT_EQ(ConvertToUrl(u"/tmp/a.odt"), u"file:///tmp/a.odt");
  EXPECT_EQ(ConvertToUrl(T("/home/ção/Meus Docs/a#1 (2)%.odt")),
            u"file:///home/%C3%A7%C3%A3o/Meus%20Docs/a%231%20%282%29%25.odt");
}

// Calls a member of a FuncoesOrvane late-bound, as the host does.
struct Funcs {
  RecordingContext rc;
  ObjectPtr obj;
  explicit Funcs(HostSettings s = {}) : rc(std::move(s)) {
    obj = component::create_object(u"FuncoesOrvane", rc.ctx);
  }
  Variant call(TextView member, std::vector<Variant>& args) {
    return obj->invoke(member, CallKind::Method, args);
  }
};

TEST(RunFile, OpensThroughTheOpenerAndMapsFailuresToTheirTexts) {
  TempDir d;
  write_file(d.path() / "a b.pdf", "%PDF");
  HostSettings s;
  s.opener_command = "sh -c 'printf %s \"$1\" > " + os::shell_quote(d.str() + "opened") + "' x";
  Funcs f(s);
  Text file = from_utf8(d.str() + "a b.pdf");

  std::vector<Variant> args{file, Text(u"  ")};
  EXPECT_EQ(f.call(u"RunFile", args).text(), u"");
  EXPECT_EQ(read_file(d.path() / "opened"), d.str() + "a b.pdf");
  EXPECT_EQ(args[1].text(), os::current_folder());  // the blank folder is written back

  args = {from_utf8(d.str() + "falta.pdf")};
  EXPECT_EQ(f.call(u"RunFile", args).text(), T("Faltando arquivos da aplicação (Erro 2)"));
  args = {file, from_utf8(d.str() + "sem-pasta"), Variant(int32_t{eSW_SHOWMAXIMIZED})};
  EXPECT_EQ(f.call(u"RunFile", args).text(), T("Localização Inválida (Erro 3)"));
  EXPECT_TRUE(f.rc.sink->messages().empty());  // RunFile shows nothing itself

  EXPECT_EQ(RunFileMessage(31), T("Erro no snapshot (Erro 16)"));
  EXPECT_EQ(RunFileMessage(7), u"");
  EXPECT_EQ(RunFileMessage(42), u"");
}

TEST(RetornaPastaTemp, IsTheTemporaryFolderWithItsSeparator) {
  Funcs f;
  std::vector<Variant> none;
  Text t = f.call(u"RetornaPastaTemp", none).text();
  EXPECT_EQ(t, os::temp_folder());
  EXPECT_EQ(t.back(), u'/');
}

bool registered(TextView prog_id) { return component::Registry::global().find(prog_id); }

TEST(ValidaAppExport, AnswersWhetherTheSuiteCanBeCreated) {
  RecordingContext rc;
  EXPECT_FALSE(ValidaAppExport(rc.ctx, gExcel));  // never installed here
  EXPECT_TRUE(ValidaAppExport(rc.ctx, 0));
  EXPECT_TRUE(ValidaAppExport(rc.ctx, 99));
  EXPECT_EQ(ValidaAppExport(rc.ctx, gWord), registered(u"Word.Application"));
  EXPECT_EQ(ValidaAppExport(rc.ctx, gWriter), registered(u"com.sun.star.ServiceManager"));
  EXPECT_EQ(ValidaAppExport(rc.ctx, gCalc), registered(u"com.sun.star.ServiceManager"));

  HostSettings none;
  none.without_word = none.without_writer = true;
  RecordingContext without(none);
  EXPECT_FALSE(ValidaAppExport(without.ctx, gWord));
  EXPECT_FALSE(ValidaAppExport(without.ctx, gWriter));
  EXPECT_TRUE(rc.sink->messages().empty());
}

TEST(MakePropertyValue, BuildsANamedValueThroughTheServiceManager) {
  RecordingContext rc;
  if (!registered(u"com.sun.star.ServiceManager")) {
    try {
      MakePropertyValue(rc.ctx, Text(u"FilterName"), Text(u"writer_pdf_Export"));
      FAIL() << "created without a service manager";
    } catch (const VbError& e) {
      EXPECT_EQ(e.number(), err::kCantCreateObject);
    }
    return;
  }
  ObjectPtr p = MakePropertyValue(rc.ctx, Text(u"FilterName"), Text(u"writer_pdf_Export"));
  EXPECT_EQ(get(p, u"Name").text(), u"FilterName");
  EXPECT_EQ(get(p, u"Value").text(), u"writer_pdf_Export");
}

TEST(FileMembers, EnumerationsAreListedWithTheClass) {
  auto r = orvane::testing::run_command(orvane::testing::orvane_bin() + " classes FuncoesOrvane");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("Enum AppExport { gWord = 1, gExcel = 2, gWriter = 3, gCalc = 4 }"),
            std::string::npos);
  EXPECT_NE(r.out.find("eSW_SHOWNORMAL = 1, eSW_NORMAL = 1,"), std::string::npos);
  EXPECT_NE(r.out.find("eSW_RESTORE = 9 }"), std::string::npos);
  EXPECT_NE(r.out.find("Function ConvertToUrl(ByVal strFile As String) As String"),
            std::string::npos);
}

}  // namespace
}  // namespace orvane::funcs
