// The outside file-storage component "Tesmar.Orvane.OrvaneArquivos": units whose files
// live in an S3-compatible object store reach them through it, late-bound.
//
//   ObterArquivo(endpoint, access key, secret key, object key) -> local path
//     The object is downloaded into the temporary folder under the key's last name;
//     "" when the store has no such object. Other failures raise VbError.
//   SalvarArquivo(endpoint, access key, secret key, object key, local path)
//     Stores the local file under the key; failures raise VbError with a description.
//
// The keys are used for signing only: never shown, logged or put in an error text.
#pragma once

#include "component/member_table.h"
#include "core/context.h"

namespace orvane::storage {

Text ObterArquivo(TextView endpoint, TextView access_key, TextView secret_key, TextView key);
void SalvarArquivo(TextView endpoint, TextView access_key, TextView secret_key, TextView key,
                   TextView local_path);

class OrvaneArquivos : public component::DispatchObject {
 public:
  // The component shows nothing, so it needs nothing from the context.
  explicit OrvaneArquivos(const ContextPtr&) {}
  const component::MemberTable& members() const override { return table(); }
  static const component::MemberTable& table();
};

}  // namespace orvane::storage
