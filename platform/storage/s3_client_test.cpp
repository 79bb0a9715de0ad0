// The storage component against a real S3-compatible server on loopback.
#include "platform/storage/s3_client.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "component/registry.h"
#include "core/error.h"
#include "platform/storage/orvane_arquivos.h"
#include "testing/s3rver.h"
#include "testing/testing.h"

namespace orvane::storage {
namespace {

using orvane::testing::read_file;
using orvane::testing::S3rver;
using orvane::testing::TempDir;
using orvane::testing::write_file;

const Text kAccess = u"S3RVER", kSecret = u"S3RVER";

// Runs `f` and returns the error it raised (number 0 when none).
VbError raised(const std::function<void()>& f) {
  try {
    f();
  } catch (const VbError& e) {
    return e;
  }
  return VbError(0, u"");
}

class Storage : public orvane::testing::S3rverTest {
 protected:
  Text local(const std::string& name, std::string_view data) {
    write_file(files_.path() / name, data);
    return from_utf8((files_.path() / name).string());
  }
};

TEST_F(Storage, StoresAndFetchesThroughTheComponentCreatedByProgId) {
  auto ctx = default_context();
  ObjectPtr arq = component::create_object(u"Tesmar.Orvane.OrvaneArquivos", ctx);
  Text key = T("Unidade 7/123-contrato ção (1).pdf");
  call(arq, u"SalvarArquivo", {endpoint(), kAccess, kSecret, key, local("c.pdf", "%PDF-1.4 um")});
  EXPECT_EQ(read_file(server_->object_file(to_utf8(key))), "%PDF-1.4 um");

  Variant got = call(arq, u"ObterArquivo", {endpoint(), kAccess, kSecret, key});
  EXPECT_EQ(got.text(), from_utf8(temp_.str()) + T("123-contrato ção (1).pdf"));
  EXPECT_EQ(read_file(to_utf8(got.text())), "%PDF-1.4 um");
}

TEST_F(Storage, OverwritingReplacesTheObjectAndTheLocalCopy) {
  SalvarArquivo(endpoint(), kAccess, kSecret, u"a/x.txt", local("x1.txt", "primeiro"));
  ASSERT_EQ(read_file(to_utf8(ObterArquivo(endpoint(), kAccess, kSecret, u"a/x.txt"))), "primeiro");
  std::string big(1 << 20, 'z');
  SalvarArquivo(endpoint(), kAccess, kSecret, u"a/x.txt", local("x2.txt", big));
  Text path = ObterArquivo(endpoint(), kAccess, kSecret, u"a/x.txt");
  EXPECT_EQ(read_file(to_utf8(path)), big);
  // Nothing but the fetched file is left in the temporary folder.
  size_t n = 0;
  for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(temp_.path())) ++n;
  EXPECT_EQ(n, 1u);
}

TEST_F(Storage, KeysMadeFromAbsoluteFoldersLoseTheirLeadingSlash) {
  // A unit whose folder is a local path gives keys such as "/srv/modelos/os.docx".
  SalvarArquivo(endpoint(), kAccess, kSecret, u"/srv/modelos/os.docx", local("os.docx", "modelo"));
  EXPECT_EQ(read_file(to_utf8(ObterArquivo(endpoint(), kAccess, kSecret, u"srv/modelos/os.docx"))),
            "modelo");
  EXPECT_EQ(read_file(server_->object_file("srv/modelos/os.docx")), "modelo");
}

TEST_F(Storage, AMissingObjectGivesAnEmptyPathAndKeepsTheLocalFile) {
  write_file(temp_.path() / "nada.pdf", "local");
  EXPECT_EQ(ObterArquivo(endpoint(), kAccess, kSecret, u"sem/nada.pdf"), u"");
  EXPECT_EQ(read_file(temp_.path() / "nada.pdf"), "local");
}

TEST_F(Storage, RefusalsAreErrorsWithADescriptionButNoSecret) {
  Text file = local("y.txt", "y");
  Text wrong_key = u"AKIAERRADA", secret = u"segredo-123";
  VbError e = raised([&] { SalvarArquivo(endpoint(), wrong_key, secret, u"y.txt", file); });
  EXPECT_EQ(e.number(), kStorageError);
  EXPECT_NE(e.description().find(u"HTTP 403 InvalidAccessKeyId"), Text::npos)
      << to_utf8(e.description());
  EXPECT_EQ(e.description().find(secret), Text::npos);
  e = raised([&] { ObterArquivo(endpoint(), wrong_key, secret, u"y.txt"); });
  EXPECT_EQ(e.number(), kStorageError);
  EXPECT_EQ(e.description().find(secret), Text::npos);

  // A bucket that does not exist is a wrong endpoint, not a missing object.
  Text other = from_utf8("http://127.0.0.1:" + std::to_string(server_->port()) + "/outro");
  e = raised([&] { ObterArquivo(other, kAccess, kSecret, u"y.txt"); });
  EXPECT_NE(e.description().find(u"NoSuchBucket"), Text::npos) << to_utf8(e.description());
  e = raised([&] { SalvarArquivo(other, kAccess, kSecret, u"y.txt", file); });
  EXPECT_NE(e.description().find(u"NoSuchBucket"), Text::npos) << to_utf8(e.description());
}

TEST_F(Storage, BadArgumentsAreRefusedBeforeAnyTransfer) {
  Text file = local("z.txt", "z");
  EXPECT_NE(raised([&] { SalvarArquivo(u"ftp://x/b", kAccess, kSecret, u"z", file); })
                .description()
                .find(T("Endereço do armazenamento inválido")),
            Text::npos);
  EXPECT_NE(
      raised([&] { SalvarArquivo(u"http://127.0.0.1:9", kAccess, kSecret, u"z", file); }).number(),
      0);  // no bucket
  EXPECT_NE(raised([&] { SalvarArquivo(endpoint(), u"", kSecret, u"z", file); })
                .description()
                .find(T("não informada")),
            Text::npos);
  EXPECT_NE(raised([&] { SalvarArquivo(endpoint(), kAccess, kSecret, u"z", file + u".falta"); })
                .description()
                .find(T("não foi localizado")),
            Text::npos);
  EXPECT_EQ(raised([&] { ObterArquivo(endpoint(), kAccess, kSecret, u"pasta/"); }).number(),
            kStorageError);
  EXPECT_NE(raised([&] { SalvarArquivo(endpoint(), kAccess, kSecret, u"//", file); })
                .description()
                .find(T("Nome de arquivo inválido")),
            Text::npos);
}

TEST(StorageEndpoint, ParsesPathStyleUrls) {
  S3Endpoint e = S3Endpoint::parse(u"https://S3.sa-east-1.amazonaws.com/Orvane-Docs/");
  EXPECT_TRUE(e.https);
  EXPECT_EQ(e.host, "s3.sa-east-1.amazonaws.com");
  EXPECT_EQ(e.bucket, "Orvane-Docs");
  EXPECT_EQ(e.prefix, "");
  EXPECT_EQ(e.region, "sa-east-1");
  EXPECT_EQ(e.base_url(), "https://s3.sa-east-1.amazonaws.com");
  e = S3Endpoint::parse(u"http://minio.local:9000/docs/clientes");
  EXPECT_EQ(e.host_header(), "minio.local:9000");
  EXPECT_EQ(e.prefix, "clientes/");
  EXPECT_EQ(e.region, "us-east-1");
  EXPECT_EQ(S3Endpoint::parse(u"https://host:443/b").host_header(), "host");
  for (Text bad : {u"", u"host/bucket", u"https://host", u"https://host/", u"https://h:99999/b"})
    EXPECT_EQ(raised([&] { S3Endpoint::parse(bad); }).number(), kStorageError) << to_utf8(bad);
}

TEST(StorageServerDown, FailsWithADescription) {
  S3rver server;
  if (server.absent()) GTEST_SKIP() << server.problem();
  ASSERT_TRUE(server.running()) << server.problem();
  TempDir d;
  write_file(d.path() / "a.txt", "a");
  Text endpoint = from_utf8(server.endpoint());
  SalvarArquivo(endpoint, kAccess, kSecret, u"a.txt", from_utf8((d.path() / "a.txt").string()));
  server.stop();
  VbError e = raised([&] {
    SalvarArquivo(endpoint, kAccess, kSecret, u"a.txt", from_utf8((d.path() / "a.txt").string()));
  });
  EXPECT_EQ(e.number(), kStorageError);
  EXPECT_NE(e.description().find(T("Não foi possível enviar o arquivo")), Text::npos)
      << to_utf8(e.description());
  EXPECT_EQ(raised([&] { ObterArquivo(endpoint, kAccess, kSecret, u"a.txt"); }).number(),
            kStorageError);
}

}  // namespace
}  // namespace orvane::storage
