#include "platform/storage/orvane_arquivos.h"

#include "core/error.h"
#include "platform/os/files.h"
#include "platform/storage/s3_client.h"

namespace orvane::storage {

using component::Args;
using component::val;

Text ObterArquivo(TextView endpoint, TextView access_key, TextView secret_key, TextView key) {
  S3Client client(endpoint, access_key, secret_key);
  Text name(key.substr(key.find_last_of(u'/') == TextView::npos ? 0 : key.find_last_of(u'/') + 1));
  if (name.empty() || name == u"." || name == u"..")
    throw VbError(kStorageError, T("Nome de arquivo inválido: \"") + Text(key) + u"\".");
  Text local = os::temp_folder() + name;
  if (!client.get_object(to_utf8(key), os::native_path(local))) return Text();
  return local;
}

void SalvarArquivo(TextView endpoint, TextView access_key, TextView secret_key, TextView key,
                   TextView local_path) {
  if (!os::file_exists(local_path))
    throw VbError(kStorageError, u"O arquivo " + Text(local_path) + T(" não foi localizado."));
  S3Client client(endpoint, access_key, secret_key);
  client.put_object(to_utf8(key), os::native_path(local_path));
}

const component::MemberTable& OrvaneArquivos::table() {
  static const component::MemberTable kTable = [] {
    component::MemberTable t(u"OrvaneArquivos");
    t.method(
        u"ObterArquivo",
        {val(u"UrlAmbiente", VarType::String), val(u"ChaveAcesso", VarType::String),
         val(u"ChaveSecreta", VarType::String), val(u"Arquivo", VarType::String)},
        VarType::String,
        [](Object&, Args& a) {
          return Variant(ObterArquivo(a[0].text(), a[1].text(), a[2].text(), a[3].text()));
        },
        "downloads the object into the temporary folder; its path, or \"\" when absent");
    t.method(
        u"SalvarArquivo",
        {val(u"UrlAmbiente", VarType::String), val(u"ChaveAcesso", VarType::String),
         val(u"ChaveSecreta", VarType::String), val(u"Arquivo", VarType::String),
         val(u"CaminhoLocal", VarType::String)},
        VarType::Empty,
        [](Object&, Args& a) {
          SalvarArquivo(a[0].text(), a[1].text(), a[2].text(), a[3].text(), a[4].text());
          return Variant();
        },
        "stores the local file under the object key");
    return t;
  }();
  return kTable;
}

}  // namespace orvane::storage
