// The JSON members of FuncoesOrvane: parse, GetParserErrors, ClearParserErrors,
// toString, StringToJSON, RStoJSON, toUnicode, fromUnicode.
#pragma once

#include "component/member_table.h"

namespace orvane::json {

void add_json_members(component::MemberTable& t);

}  // namespace orvane::json
