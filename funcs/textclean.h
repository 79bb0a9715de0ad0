// Text clean-up before texts go into documents, files or other systems: accents and
// awkward symbols out, fixed widths, bare digits, fuel names, odd numbers. None of these
// touches the database and none raises an error to its caller.
#pragma once

#include <cstdint>

#include "component/member_table.h"
#include "core/text.h"
#include "core/variant.h"

namespace orvane::funcs {

// TiraAcento: every accented letter becomes its plain capital (Ação -> ACAo), the
// ordinals º ª become O A, & becomes E, % ( ) ¼ ½ ¾ ´ “ ” become blanks, ² ³ become 2 3.
// `sc` keeps &; `pj` (which wins over `sc`) keeps º ª & %. Every other character passes
// unchanged and the length never changes.
Text TiraAcento(TextView linha, bool pj = false, bool sc = false);

// AcertoDG: fits `texto` (a text, or a number through its text form) to `tamanho`
// characters: cut when longer; otherwise `caracter` is added whole, in front when
// `direcao` is not 0 (right-aligned) or behind it (left-aligned), until the width is
// reached or passed. The fitted text is written back into `texto` in its own case; the
// result is it in upper case unless `nao_ucase`. An empty `caracter` leaves a short
// text unpadded; a negative `tamanho` leaves `texto` as it was; Null gives "".
Text AcertoDG(Variant& texto, TextView caracter, uint8_t direcao, int16_t tamanho,
              bool nao_ucase = false);
// The same on a plain text.
Text AcertoDG(Text& texto, TextView caracter, uint8_t direcao, int16_t tamanho,
              bool nao_ucase = false);

// LimpaLetra: `texto` becomes NZ(texto, ""); the result is its digits 0-9 in order
// ("(11) 3456-7890" -> "1134567890").
Text LimpaLetra(Variant& texto);

// TipoCombustivel: the fuel named by a one-letter code ("G" -> "GASOLINA"); exact and
// case-sensitive; "" for any other code.
Text TipoCombustivel(TextView tipo);

// EImpar: true for odd numbers, negative ones included.
bool EImpar(int32_t num);

void add_textclean_members(component::MemberTable& t);

}  // namespace orvane::funcs
