// Tokens of SQL Server's dialect: identifiers (plain, [bracketed] or "quoted"),
// numbers, 'strings' (N'...' too), variables and operators. Comments are skipped.
// A number ends where a letter starts ("5Union" is 5 then Union), as SQL Server reads it.
#pragma once

#include <vector>

#include "core/text.h"

namespace orvane::db::tsql {

enum class Tok : uint8_t { End, Ident, QuotedIdent, Number, String, Variable, Op };

struct Token {
  Tok kind = Tok::End;
  Text text;              // identifier name, number text, string value, or the operator
  bool national = false;  // N'...'
  bool reserved = false;  // a reserved word (never a name unless bracketed)
  size_t pos = 0;         // offset in the source, for messages
  size_t end = 0;         // offset just past the token
};

// Throws VbError (a database error) on an unterminated string, identifier or comment,
// or a character that has no place in SQL.
std::vector<Token> tokenize(TextView sql);

// True for the words that end or shape a clause (SELECT, FROM, JOIN, AS, WHEN...).
bool is_reserved(TextView word);

// Upper-case with accented Latin letters folded too: how names are compared.
Text fold(TextView s);

}  // namespace orvane::db::tsql
