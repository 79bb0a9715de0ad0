#include "platform/db/tsql/lexer.h"

#include "platform/db/tsql/translator.h"

namespace orvane::db::tsql {
namespace {

bool is_ident_start(char16_t c) {
  return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_' || c == u'#' ||
         (c >= 0xC0 && c != 0xD7 && c != 0xF7);
}
bool is_ident_part(char16_t c) {
  return is_ident_start(c) || (c >= u'0' && c <= u'9') || c == u'@' || c == u'$';
}
bool is_digit(char16_t c) { return c >= u'0' && c <= u'9'; }

}  // namespace

bool is_reserved(TextView word) {
  static const char* const kWords[] = {
      "SELECT", "FROM", "WHERE", "GROUP", "BY",      "HAVING",    "ORDER",    "UNION", "ALL",
      "INNER",  "LEFT", "RIGHT", "FULL",  "OUTER",   "CROSS",     "JOIN",     "ON",    "AND",
      "OR",     "NOT",  "AS",    "WITH",  "CASE",    "WHEN",      "THEN",     "ELSE",  "END",
      "IN",     "IS",   "NULL",  "LIKE",  "BETWEEN", "EXISTS",    "DISTINCT", "TOP",   "SET",
      "VALUES", "INTO", "ASC",   "DESC",  "EXCEPT",  "INTERSECT", "COLLATE"};
  if (word.size() < 2 || word.size() > 9) return false;
  char up[10];
  for (size_t i = 0; i < word.size(); ++i) {
    char16_t c = word[i];
    if (c >= u'a' && c <= u'z') c -= 32;
    if (c < u'A' || c > u'Z') return false;
    up[i] = static_cast<char>(c);
  }
  std::string_view w(up, word.size());
  for (const char* k : kWords)
    if (w == k) return true;
  return false;
}

Text fold(TextView s) {
  Text out(s);
  for (auto& c : out) c = vb::UpperChar(c);
  return out;
}

std::vector<Token> tokenize(TextView sql) {
  std::vector<Token> out;
  out.reserve(sql.size() / 4 + 4);
  size_t i = 0, n = sql.size();
  auto fail = [&](const std::string& what, size_t at) -> void {
    throw translate_error(what + " at position " + std::to_string(at + 1));
  };
  while (i < n) {
    char16_t c = sql[i];
    if (c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == 0xA0) {
      ++i;
      continue;
    }
    if (c == u'-' && i + 1 < n && sql[i + 1] == u'-') {
      while (i < n && sql[i] != u'\n') ++i;
      continue;
    }
    if (c == u'/' && i + 1 < n && sql[i + 1] == u'*') {
      size_t end = sql.find(u"*/", i + 2);
      if (end == TextView::npos) fail("unterminated comment", i);
      i = end + 2;
      continue;
    }
    Token t;
    t.pos = i;
    if ((c == u'N' || c == u'n') && i + 1 < n && sql[i + 1] == u'\'') {
      t.national = true;
      ++i;
      c = u'\'';
    }
    if (c == u'\'') {
      t.kind = Tok::String;
      size_t j = i + 1;
      while (true) {
        if (j >= n) fail("unterminated string", t.pos);
        if (sql[j] == u'\'') {
          if (j + 1 < n && sql[j + 1] == u'\'') {
            t.text += u'\'';
            j += 2;
            continue;
          }
          break;
        }
        t.text += sql[j++];
      }
      i = j + 1;
    } else if (c == u'[') {
      t.kind = Tok::QuotedIdent;
      size_t j = i + 1;
      while (true) {
        if (j >= n) fail("unterminated [identifier]", t.pos);
        if (sql[j] == u']') {
          if (j + 1 < n && sql[j + 1] == u']') {
            t.text += u']';
            j += 2;
            continue;
          }
          break;
        }
        t.text += sql[j++];
      }
      i = j + 1;
    } else if (c == u'"') {
      t.kind = Tok::QuotedIdent;
      size_t end = sql.find(u'"', i + 1);
      if (end == TextView::npos) fail("unterminated \"identifier\"", i);
      t.text = Text(sql.substr(i + 1, end - i - 1));
      i = end + 1;
    } else if (is_digit(c) || (c == u'.' && i + 1 < n && is_digit(sql[i + 1]))) {
      t.kind = Tok::Number;
      size_t j = i;
      while (j < n && is_digit(sql[j])) ++j;
      if (j < n && sql[j] == u'.') {
        ++j;
        while (j < n && is_digit(sql[j])) ++j;
      }
      // An exponent only when digits follow: "1e5" is a float, "1Else" is 1 then Else.
      if (j < n && (sql[j] == u'e' || sql[j] == u'E')) {
        size_t k = j + 1;
        if (k < n && (sql[k] == u'+' || sql[k] == u'-')) ++k;
        if (k < n && is_digit(sql[k])) {
          j = k;
          while (j < n && is_digit(sql[j])) ++j;
        }
      }
      t.text = Text(sql.substr(i, j - i));
      i = j;
    } else if (is_ident_start(c) || c == u'@') {
      t.kind = c == u'@' ? Tok::Variable : Tok::Ident;
      size_t j = i + 1;
      while (j < n && is_ident_part(sql[j])) ++j;
      t.text = Text(sql.substr(i, j - i));
      t.reserved = t.kind == Tok::Ident && is_reserved(t.text);
      i = j;
    } else {
      t.kind = Tok::Op;
      static const char16_t* kTwo[] = {u"<>", u"!=", u"<=", u">=", u"!<", u"!>", u"||"};
      bool two = false;
      for (const char16_t* op : kTwo) {
        if (i + 1 < n && sql[i] == op[0] && sql[i + 1] == op[1]) {
          t.text = op;
          i += 2;
          two = true;
          break;
        }
      }
      if (!two) {
        static const TextView kOne = u"(),.*+-/%=<>;&|^~";
        if (kOne.find(c) == TextView::npos)
          fail("unexpected character '" + to_utf8(TextView(&c, 1)) + "'", i);
        t.text = Text(1, c);
        ++i;
      }
    }
    t.end = i;
    out.push_back(std::move(t));
  }
  Token end;
  end.pos = n;
  end.end = n;
  out.push_back(std::move(end));
  return out;
}

}  // namespace orvane::db::tsql
