// Stored files of a unit: local folders and the object store, with the unit settings
// read from a small SQLite database.
#include <gtest/gtest.h>

#include <cstdlib>

#include "component/registry.h"
#include "funcs/files.h"
#include "platform/db/db.h"
#include "platform/os/shell.h"
#include "testing/s3rver.h"
#include "testing/testing.h"

namespace orvane::funcs {
namespace {

using orvane::testing::read_file;
using orvane::testing::RecordingContext;
using orvane::testing::S3rver;
using orvane::testing::TempDir;
using orvane::testing::write_file;

// Units: 1 keeps its files in a local folder, 2 has no folder setting, 3 stores them
// in the object store (when the test starts one), 4 in a store that does not answer,
// 5 names a local folder that does not exist.
class StoredFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directory(dir.path() / "unidade");
    std::filesystem::create_directory(dir.path() / "tmp");
    folder = from_utf8(dir.str() + "unidade/");
    const char* t = std::getenv("TMPDIR");
    saved_tmpdir = t ? std::optional<std::string>(t) : std::nullopt;
    setenv("TMPDIR", (dir.path() / "tmp").c_str(), 1);

    HostSettings s;
    s.opener_command =
        "sh -c 'printf \"%s\\n\" \"$1\" >> " + os::shell_quote(dir.str() + "opened") + "' opener";
    rc = std::make_unique<RecordingContext>(s);
    auto c = db::create_database(from_utf8(dir.str() + "unidades.db"), rc->ctx);
    c->run_script(
        u"CREATE TABLE Unidades (CodUnidade int, S3Ativo bit, UrlAmbienteS3 varchar(200),"
        u" ChaveAcessoS3 varchar(60), ChaveSecretS3 varchar(60));"
        u"CREATE TABLE DadosEntidades (CodInterno int, CodEntidade int, Unidade int,"
        u" Descreve varchar(255));"
        u"INSERT INTO Unidades VALUES (1, 0, NULL, NULL, NULL), (2, NULL, NULL, NULL, NULL),"
        u" (5, 0, NULL, NULL, NULL);"
        u"INSERT INTO DadosEntidades VALUES (10, 87, 1, '  " +
        folder +
        u"  '), (11, 76, 2, '/nao/usar/'), (12, 87, 3, 'Unidade3\\Docs\\'),"
        u" (13, 87, 4, 'U4\\'), (14, 87, 5, '" +
        from_utf8(dir.str()) + u"falta/');");
    db = c;
    conn = db::as_variant(c);
  }
  void TearDown() override {
    if (saved_tmpdir)
      setenv("TMPDIR", saved_tmpdir->c_str(), 1);
    else
      unsetenv("TMPDIR");
  }
  void add_store_unit(int unit, const std::string& endpoint) {
    db->run_script(u"INSERT INTO Unidades VALUES (" + from_utf8(std::to_string(unit)) + u", 1, '" +
                   from_utf8(endpoint) + u"', 'S3RVER', 'S3RVER');");
  }
  Text local(const std::string& name, std::string_view data) {
    write_file(dir.path() / name, data);
    return from_utf8(dir.str() + name);
  }
  std::string opened() { return read_file(dir.path() / "opened"); }
  const std::vector<ui::Message>& messages() { return rc->sink->messages(); }

  // Late-bound calls, as the host makes them; by-reference arguments come back in `a`.
  Variant abre(std::vector<Variant>& a) {
    return funcs_obj()->invoke(u"ManipulaArqsAbreArquivos", CallKind::Method, a);
  }
  void copia(std::vector<Variant>& a) {
    funcs_obj()->invoke(u"ManipulaArqsCopiaArquivos", CallKind::Method, a);
  }
  ObjectPtr funcs_obj() {
    if (!obj) obj = component::create_object(u"FuncoesOrvane", rc->ctx);
    return obj;
  }

  TempDir dir;
  Text folder;
  std::optional<std::string> saved_tmpdir;
  std::unique_ptr<RecordingContext> rc;
  db::ConnectionPtr db;
  Variant conn;
  ObjectPtr obj;
};

TEST_F(StoredFiles, OpensALocalFileByPrefixAndName) {
  write_file(dir.path() / "unidade" / "123-contrato.pdf", "com prefixo");
  write_file(dir.path() / "unidade" / "contrato.pdf", "sem prefixo");

  std::vector<Variant> a{conn, int32_t{1}, Text(u"contrato.pdf"), Text(u"123"), Text(), Text()};
  EXPECT_EQ(abre(a), Variant(true));
  EXPECT_EQ(a[4].text(), folder + u"123-contrato.pdf");
  EXPECT_EQ(a[5].text(), folder);  // the unit folder, trimmed, written back
  EXPECT_EQ(opened(), to_utf8(folder) + "123-contrato.pdf\n");

  a = {conn, int32_t{1}, Text(u"contrato.pdf"), Text(), Text(), Text(), false};
  EXPECT_EQ(abre(a), Variant(true));
  EXPECT_EQ(a[4].text(), folder + u"contrato.pdf");
  EXPECT_EQ(opened(), to_utf8(folder) + "123-contrato.pdf\n");  // not opened again

  a = {conn, int32_t{1}, Text(u"falta.pdf"), Text(u"9"), Text(u"antes"), Text()};
  EXPECT_EQ(abre(a), Variant(false));
  EXPECT_EQ(a[4].text(), u"antes");
  EXPECT_TRUE(messages().empty());
}

TEST_F(StoredFiles, AGivenFolderWinsAndAMissingFolderSettingGivesFalse) {
  std::filesystem::create_directory(dir.path() / "outra");
  write_file(dir.path() / "outra" / "a.txt", "a");
  Text v, pasta = from_utf8(dir.str() + "outra/");
  EXPECT_TRUE(ManipulaArqsAbreArquivos(rc->ctx, conn, 2, u"a.txt", u"", v, pasta, false));
  EXPECT_EQ(v, pasta + u"a.txt");

  std::vector<Variant> a{conn, int32_t{2}, Text(u"a.txt"), Text(), Text(u"x"), Text()};
  EXPECT_EQ(abre(a), Variant(false));
  EXPECT_EQ(a[4].text(), u"x");
  EXPECT_EQ(a[5].text(), u"");
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "opened"));
  EXPECT_TRUE(messages().empty());
}

TEST_F(StoredFiles, CopiesEveryFoundFileAndNamesTheMissingOnes) {
  Text falta = from_utf8(dir.str() + "falta.pdf");
  Text doc = local("scan 1.pdf", "digitalizado");
  std::vector<Variant> a{conn, int32_t{1}, falta + u"|" + doc, Text(u"77"), Text()};
  copia(a);
  EXPECT_EQ(a[4].text(), folder);
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0], (ui::Message{u"O arquivo " + falta + T(" não foi localizado!"),
                                        ui::kExclamation, u"Orvane"}));
  EXPECT_EQ(read_file(dir.path() / "unidade" / "77-scan 1.pdf"), "digitalizado");
}

TEST_F(StoredFiles, AnExistingStoredFileIsReplacedOnlyOnYes) {
  write_file(dir.path() / "unidade" / "a.pdf", "antigo a");
  write_file(dir.path() / "unidade" / "b.pdf", "antigo b");
  Text a_pdf = local("a.pdf", "novo a"), b_pdf = local("b.pdf", "novo b");
  rc->sink->queue_answer(ui::kNo);
  rc->sink->queue_answer(ui::kYes);
  Text pasta;
  ManipulaArqsCopiaArquivos(rc->ctx, conn, 1, a_pdf + u"|" + b_pdf, u"", pasta);
  ASSERT_EQ(messages().size(), 2u);
  EXPECT_EQ(messages()[0], (ui::Message{T("O arquivo a.pdf já existe! Deseja substituí-lo?"),
                                        ui::kQuestion + ui::kYesNo, u"Orvane"}));
  EXPECT_EQ(read_file(dir.path() / "unidade" / "a.pdf"), "antigo a");
  EXPECT_EQ(read_file(dir.path() / "unidade" / "b.pdf"), "novo b");

  // Any answer but Yes keeps the stored file.
  rc->sink->queue_answer(ui::kCancel);
  ManipulaArqsCopiaArquivos(rc->ctx, conn, 1, a_pdf, u"", pasta);
  EXPECT_EQ(read_file(dir.path() / "unidade" / "a.pdf"), "antigo a");
}

TEST_F(StoredFiles, WithoutAUsableFolderNothingIsStored) {
  Text doc = local("c.pdf", "c");
  Text pasta;
  ManipulaArqsCopiaArquivos(rc->ctx, conn, 2, doc, u"", pasta);  // no folder setting
  EXPECT_EQ(pasta, u"");
  ManipulaArqsCopiaArquivos(rc->ctx, conn, 5, doc, u"", pasta);  // folder not on disk
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "falta"));
  EXPECT_TRUE(messages().empty());  // a failed copy is skipped silently
}

TEST_F(StoredFiles, StoresInAndFetchesFromTheObjectStore) {
  S3rver server;
  if (server.absent()) GTEST_SKIP() << server.problem();
  ASSERT_TRUE(server.running()) << server.problem();
  add_store_unit(3, server.endpoint());

  Text doc = local("laudo técnico.pdf", "laudo");
  std::vector<Variant> a{conn, int32_t{3}, doc, Text(u"55"), Text()};
  copia(a);
  EXPECT_EQ(a[4].text(), u"Unidade3\\Docs\\");
  EXPECT_TRUE(messages().empty());
  EXPECT_EQ(read_file(server.object_file(to_utf8(T("Unidade3/Docs/55-laudo técnico.pdf")))),
            "laudo");

  a = {conn, int32_t{3}, T("laudo técnico.pdf"), Text(u"55"), Text(), Text()};
  EXPECT_EQ(abre(a), Variant(true));
  EXPECT_EQ(a[4].text(), from_utf8(dir.str()) + T("tmp/55-laudo técnico.pdf"));
  EXPECT_EQ(read_file(to_utf8(a[4].text())), "laudo");
  EXPECT_EQ(opened(), to_utf8(a[4].text()) + "\n");

  // No such object: nothing fetched, nothing opened.
  a = {conn, int32_t{3}, Text(u"outro.pdf"), Text(), Text(u"antes"), Text(), false};
  EXPECT_EQ(abre(a), Variant(false));
  EXPECT_EQ(a[4].text(), u"");
  EXPECT_TRUE(messages().empty());
}

TEST_F(StoredFiles, AStoreThatDoesNotAnswer) {
  S3rver server;
  if (server.absent()) GTEST_SKIP() << server.problem();
  ASSERT_TRUE(server.running()) << server.problem();
  add_store_unit(4, server.endpoint());
  server.stop();

  Text doc = local("d.pdf", "d");
  Text pasta;
  ManipulaArqsCopiaArquivos(rc->ctx, conn, 4, doc, u"", pasta);
  ASSERT_EQ(messages().size(), 1u);
  EXPECT_EQ(messages()[0].style, ui::kCritical);
  EXPECT_EQ(messages()[0].text.rfind(T("Ocorreu o erro nº440\r"), 0), 0u)
      << to_utf8(messages()[0].text);
  EXPECT_NE(messages()[0].text.find(T("Não foi possível enviar o arquivo")), Text::npos);
  EXPECT_EQ(messages()[0].text.find(u"S3RVER"), Text::npos);  // no keys in messages

  pasta.clear();
  ManipulaArqsCopiaArquivos(rc->ctx, conn, 4, doc, u"", pasta, true);
  EXPECT_EQ(messages().size(), 1u);  // OcultaErro hides it

  // A failed fetch leaves the path the caller gave, which then counts as found.
  Text v = u"/modelos/os.docx";
  pasta.clear();
  EXPECT_TRUE(ManipulaArqsAbreArquivos(rc->ctx, conn, 4, u"os.docx", u"", v, pasta, false));
  EXPECT_EQ(v, u"/modelos/os.docx");
  EXPECT_EQ(messages().size(), 1u);
}

}  // namespace
}  // namespace orvane::funcs
