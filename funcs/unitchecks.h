// Customer unit checks (a few installations get their own document behaviour) and the
// decoding of passwords that the host stores shifted.
#pragma once

#include <cstdint>

#include "component/member_table.h"
#include "core/text.h"

namespace orvane::funcs {

// True exactly when `cod_unidade` is one of the customer's units (ranges inclusive).
bool TestaBrelis(int32_t cod_unidade);
bool TestaDortam(int32_t cod_unidade);
bool TestaQuenzo(int32_t cod_unidade);

// The host stores a password with every character's single-byte (Windows-1252) code
// raised by this constant, and DecripSenha lowers it again; the two must agree.
// 10 is the smallest shift of two digits: it keeps the stored form of every printable
// character (codes 32..126 become 42..136) inside the single-byte code page and above
// the control codes, so the stored text survives a varchar column, while only real
// control characters (tab, line feed and the codes below 10) fall under it and mark a
// text that was never shifted.
inline constexpr int kPasswordShift = 10;

// DecripSenha: each character's single-byte code lowered by kPasswordShift. A character
// whose code is below the shift makes the whole result "" (no partial password).
Text DecripSenha(TextView texto);

void add_unitchecks_members(component::MemberTable& t);

}  // namespace orvane::funcs
