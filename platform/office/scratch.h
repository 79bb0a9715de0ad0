// The office layer's working folder: a private folder in the temporary folder for the
// copies an office call writes on its way, removed with them when the call ends.
#pragma once

#include <string>
#include <string_view>

#include "platform/office/errors.h"
#include "platform/os/files.h"

namespace orvane::office {

class Scratch {
 public:
  // VbError 4198 when the temporary folder cannot hold one.
  explicit Scratch(std::string_view prefix) : folder_(prefix) {
    if (!folder_.ok()) fail(oerr::kCommandFailed, "Não foi possível criar uma pasta temporária.");
  }
  const std::string& dir() const { return folder_.path(); }

 private:
  os::ScratchFolder folder_;
};

}  // namespace orvane::office
