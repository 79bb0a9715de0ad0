// GeraPDF: converts a plain text file into a PDF file it writes itself.
#pragma once

#include "component/member_table.h"
#include "core/context.h"

namespace orvane::textpdf {

class GeraPDF : public component::DispatchObject {
 public:
  explicit GeraPDF(ContextPtr ctx = nullptr);
  const component::MemberTable& members() const override { return table(); }
  static const component::MemberTable& table();

 private:
  ContextPtr ctx_;
};

}  // namespace orvane::textpdf
