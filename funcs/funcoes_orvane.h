// FuncoesOrvane: the shared business functions offered to the host and used by the
// generators. The members live in their own files by theme (aggregates, files, wording,
// text clean-up, rounding, unit checks, JSON, RTF); each theme adds its members to the
// class's table with an add_*_members() function listed in funcoes_orvane.cpp.
//
// State kept between calls belongs to the themes that need it (the JSON parser's error
// text, the RTF converter's lists); an instance serves one caller at a time.
#pragma once

#include "component/member_table.h"
#include "core/context.h"
#include "rtf2html/converter.h"

namespace orvane::funcs {

class FuncoesOrvane : public component::DispatchObject {
 public:
  explicit FuncoesOrvane(ContextPtr ctx);

  const Context& context() const { return *ctx_; }
  const ContextPtr& context_ptr() const { return ctx_; }
  const component::MemberTable& members() const override { return table(); }
  static const component::MemberTable& table();
  // The RTF converter's lists, font state and public fields.
  rtf::Converter& rtf() { return rtf_; }

  // The JSON parser's error text: reset by every parse, read by GetParserErrors.
  Text parser_errors;

 private:
  ContextPtr ctx_;
  rtf::Converter rtf_;
};

// The instance behind a late-bound call of one of its members.
FuncoesOrvane& self_of(Object& self);

}  // namespace orvane::funcs
