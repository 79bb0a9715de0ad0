// The RTF converter's members on FuncoesOrvane: the code lists, the tokenizer and tables,
// rtf2html3 and its helpers, and the public fields strCurPhrase, strCR, gDebug and gStep.
// They work on the instance's converter (FuncoesOrvane::rtf()).
#pragma once

#include "component/member_table.h"

namespace orvane::funcs {

void add_rtf_members(component::MemberTable& t);

}  // namespace orvane::funcs
