#include "platform/db/tsql/parser.h"

#include <algorithm>
#include <array>

#include "platform/db/tsql/lexer.h"
#include "platform/db/tsql/translator.h"

namespace orvane::db::tsql {
namespace {

constexpr std::array<const char16_t*, 18> kPassthrough = {
    u"CREATE",   u"DROP",      u"ALTER",   u"PRAGMA",  u"BEGIN",   u"COMMIT",
    u"ROLLBACK", u"END",       u"VACUUM",  u"ANALYZE", u"REINDEX", u"ATTACH",
    u"DETACH",   u"SAVEPOINT", u"RELEASE", u"REPLACE", u"EXPLAIN", u"TRUNCATE"};

constexpr std::array<const char16_t*, 9> kHints = {u"NOLOCK",  u"READUNCOMMITTED", u"ROWLOCK",
                                                   u"UPDLOCK", u"HOLDLOCK",        u"READPAST",
                                                   u"PAGLOCK", u"TABLOCK",         u"NOWAIT"};

bool word_is(const Token& t, const char16_t* w) {
  if (t.kind != Tok::Ident) return false;
  size_t i = 0;
  for (; w[i]; ++i) {
    if (i >= t.text.size() || vb::UpperChar(t.text[i]) != w[i]) return false;
  }
  return i == t.text.size();
}

template <size_t N>
bool one_of(const Token& t, const std::array<const char16_t*, N>& words) {
  for (const char16_t* w : words)
    if (word_is(t, w)) return true;
  return false;
}

class Parser {
 public:
  explicit Parser(TextView sql) : toks_(tokenize(sql)) {}

  Statement statement() {
    Statement s;
    if (word_is(peek(), u"SELECT")) {
      s.kind = Statement::Kind::Select;
      s.select = select();
    } else if (accept_word(u"UPDATE")) {
      s.kind = Statement::Kind::Update;
      s.table = object_name();
      hints();
      expect_word(u"SET");
      do {
        Text col = object_name();
        expect_op(u"=");
        s.sets.emplace_back(std::move(col), expr());
      } while (accept_op(u","));
      if (word_is(peek(), u"FROM")) unsupported("UPDATE ... FROM");
      if (accept_word(u"WHERE")) s.where = expr();
    } else if (accept_word(u"DELETE")) {
      s.kind = Statement::Kind::Delete;
      accept_word(u"FROM");
      s.table = object_name();
      hints();
      if (word_is(peek(), u"FROM")) unsupported("DELETE ... FROM");
      if (accept_word(u"WHERE")) s.where = expr();
    } else if (accept_word(u"INSERT")) {
      s.kind = Statement::Kind::Insert;
      accept_word(u"INTO");
      s.table = object_name();
      if (accept_op(u"(")) {
        do s.columns.push_back(object_name());
        while (accept_op(u","));
        expect_op(u")");
      }
      if (accept_word(u"VALUES")) {
        do {
          expect_op(u"(");
          std::vector<ExprPtr> row;
          do row.push_back(expr());
          while (accept_op(u","));
          expect_op(u")");
          s.values.push_back(std::move(row));
        } while (accept_op(u","));
      } else if (word_is(peek(), u"SELECT")) {
        s.select = select();
      } else if (word_is(peek(), u"DEFAULT")) {
        unsupported("INSERT ... DEFAULT VALUES");
      } else {
        fail_near("VALUES or SELECT expected");
      }
    } else if (peek().kind == Tok::Ident) {
      unsupported(to_utf8(fold(peek().text)) + " statement");
    } else {
      fail_near("a statement expected");
    }
    accept_op(u";");
    if (peek().kind != Tok::End) {
      if (word_is(peek(), u"EXCEPT") || word_is(peek(), u"INTERSECT"))
        unsupported(to_utf8(fold(peek().text)));
      fail_near("end of statement expected");
    }
    return s;
  }

 private:
  const Token& peek(size_t ahead = 0) const {
    size_t i = std::min(pos_ + ahead, toks_.size() - 1);
    return toks_[i];
  }
  const Token& next() {
    const Token& t = toks_[pos_];
    if (pos_ + 1 < toks_.size()) ++pos_;
    return t;
  }
  bool accept_word(const char16_t* w) {
    if (!word_is(peek(), w)) return false;
    next();
    return true;
  }
  bool is_op(const char16_t* op, size_t ahead = 0) const {
    const Token& t = peek(ahead);
    return t.kind == Tok::Op && t.text == op;
  }
  bool accept_op(const char16_t* op) {
    if (!is_op(op)) return false;
    next();
    return true;
  }
  void expect_word(const char16_t* w) {
    if (!accept_word(w)) fail_near(to_utf8(TextView(w)) + " expected");
  }
  void expect_op(const char16_t* op) {
    if (!accept_op(op)) fail_near("'" + to_utf8(TextView(op)) + "' expected");
  }
  [[noreturn]] void fail_near(const std::string& what) const {
    const Token& t = peek();
    std::string near = t.kind == Tok::End      ? "end of text"
                       : t.kind == Tok::String ? "'" + to_utf8(t.text) + "'"
                                               : "'" + to_utf8(t.text) + "'";
    throw translate_error("syntax error near " + near + ": " + what);
  }
  [[noreturn]] void unsupported(const std::string& construct) const {
    throw translate_error("unsupported SQL construct: " + construct);
  }

  bool is_name(const Token& t) const {
    return t.kind == Tok::QuotedIdent || (t.kind == Tok::Ident && !t.reserved);
  }

  // name or schema.name (the schema is dropped: one database, one owner).
  Text object_name() {
    if (peek().kind == Tok::Variable) unsupported("variable " + to_utf8(peek().text));
    if (!is_name(peek())) fail_near("a name expected");
    Text name = next().text;
    while (is_op(u".") && is_name(peek(1))) {
      next();
      name = next().text;
    }
    return name;
  }

  // WITH (NOLOCK, ...) or the old form (NOLOCK): read hints, which SQLite has no use for.
  void hints() {
    bool with = false;
    if (word_is(peek(), u"WITH") && is_op(u"(", 1)) {
      with = true;
    } else if (!(is_op(u"(") && one_of(peek(1), kHints))) {
      return;
    }
    if (with) next();
    expect_op(u"(");
    do {
      const Token& h = peek();
      if (!one_of(h, kHints)) unsupported("table hint " + to_utf8(h.text));
      next();
    } while (accept_op(u","));
    expect_op(u")");
  }

  std::unique_ptr<Select> select() {
    auto s = std::make_unique<Select>();
    s->cores.push_back(core());
    while (accept_word(u"UNION")) {
      s->union_all.push_back(accept_word(u"ALL"));
      if (!word_is(peek(), u"SELECT")) fail_near("SELECT expected after UNION");
      s->cores.push_back(core());
    }
    if (accept_word(u"ORDER")) {
      expect_word(u"BY");
      do {
        OrderItem o;
        o.expr = expr();
        if (accept_word(u"DESC"))
          o.desc = true;
        else
          accept_word(u"ASC");
        s->order_by.push_back(std::move(o));
      } while (accept_op(u","));
    }
    if (word_is(peek(), u"FOR")) unsupported("FOR XML/BROWSE");
    if (word_is(peek(), u"OPTION")) unsupported("OPTION");
    return s;
  }

  SelectCore core() {
    SelectCore c;
    expect_word(u"SELECT");
    if (accept_word(u"DISTINCT"))
      c.distinct = true;
    else
      accept_word(u"ALL");
    if (accept_word(u"TOP")) {
      if (accept_op(u"(")) {
        c.top = expr();
        expect_op(u")");
      } else {
        if (peek().kind != Tok::Number) fail_near("a number expected after TOP");
        c.top = literal_number(next());
      }
      if (word_is(peek(), u"PERCENT")) unsupported("TOP ... PERCENT");
      if (word_is(peek(), u"WITH") && word_is(peek(1), u"TIES")) unsupported("TOP ... WITH TIES");
    }
    do c.items.push_back(select_item());
    while (accept_op(u","));
    if (word_is(peek(), u"INTO")) unsupported("SELECT ... INTO");
    if (accept_word(u"FROM")) {
      do c.from.push_back(table_ref());
      while (accept_op(u","));
    }
    if (accept_word(u"WHERE")) c.where = expr();
    if (accept_word(u"GROUP")) {
      expect_word(u"BY");
      do c.group_by.push_back(expr());
      while (accept_op(u","));
    }
    if (accept_word(u"HAVING")) c.having = expr();
    return c;
  }

  SelectItem select_item() {
    SelectItem item;
    if (accept_op(u"*")) {
      item.star = true;
      return item;
    }
    if (is_name(peek()) && is_op(u".", 1) && is_op(u"*", 2)) {
      item.star = true;
      item.star_qualifier = next().text;
      next();
      next();
      return item;
    }
    item.expr = expr();
    if (accept_word(u"AS")) {
      if (peek().kind == Tok::String || is_name(peek()) || peek().kind == Tok::Ident)
        item.alias = next().text;
      else
        fail_near("an alias expected after AS");
    } else if (is_name(peek()) || peek().kind == Tok::String) {
      item.alias = next().text;
    }
    return item;
  }

  TableRefPtr table_ref() {
    TableRefPtr left = table_primary();
    while (true) {
      Text kind;
      if (accept_word(u"INNER")) {
        kind = u"INNER";
      } else if (accept_word(u"LEFT")) {
        kind = u"LEFT";
        accept_word(u"OUTER");
      } else if (accept_word(u"RIGHT")) {
        kind = u"RIGHT";
        accept_word(u"OUTER");
      } else if (accept_word(u"FULL")) {
        kind = u"FULL";
        accept_word(u"OUTER");
      } else if (word_is(peek(), u"CROSS")) {
        if (word_is(peek(1), u"APPLY")) unsupported("CROSS APPLY");
        next();
        kind = u"CROSS";
      } else if (word_is(peek(), u"OUTER") && word_is(peek(1), u"APPLY")) {
        unsupported("OUTER APPLY");
      } else if (word_is(peek(), u"JOIN")) {
        kind = u"INNER";
      } else {
        break;
      }
      expect_word(u"JOIN");
      auto j = std::make_unique<TableRef>();
      j->kind = TableRef::Kind::Join;
      j->join = kind;
      j->left = std::move(left);
      j->right = table_primary();
      if (kind != u"CROSS") {
        expect_word(u"ON");
        j->on = expr();
      }
      left = std::move(j);
    }
    return left;
  }

  TableRefPtr table_primary() {
    auto t = std::make_unique<TableRef>();
    if (accept_op(u"(")) {
      if (word_is(peek(), u"SELECT")) {
        t->kind = TableRef::Kind::Derived;
        t->derived = select();
        expect_op(u")");
        accept_word(u"AS");
        if (!is_name(peek())) fail_near("a derived table needs an alias");
        t->alias = next().text;
        return t;
      }
      TableRefPtr inner = table_ref();
      expect_op(u")");
      return inner;
    }
    if (peek().kind == Tok::Ident && is_op(u"(", 1) && !one_of(peek(2), kHints))
      unsupported("table function " + to_utf8(peek().text));
    t->name = object_name();
    hints();
    if (accept_word(u"AS")) {
      if (!is_name(peek())) fail_near("an alias expected after AS");
      t->alias = next().text;
    } else if (is_name(peek())) {
      t->alias = next().text;
    }
    hints();
    return t;
  }

  ExprPtr make(ExprKind k, size_t pos) {
    auto e = std::make_unique<Expr>();
    e->kind = k;
    e->pos = pos;
    return e;
  }

  ExprPtr literal_number(const Token& t) {
    auto e = make(ExprKind::Number, t.pos);
    e->text = t.text;
    return e;
  }

  // An operator applied to `a` and `b`. A chain of operators builds a tree as deep as
  // the chain is long, without any nesting: it is bounded here on its own.
  ExprPtr binary(Text op, ExprPtr a, ExprPtr b) {
    int chain = 1 + std::max(a->chain, b->chain);
    if (chain > kMaxChain) unsupported("more than 500 operators in a row");
    auto e = make(ExprKind::Binary, a->pos);
    e->chain = chain;
    e->text = std::move(op);
    e->args.push_back(std::move(a));
    e->args.push_back(std::move(b));
    return e;
  }

  ExprPtr expr() {
    ExprPtr e = and_expr();
    while (accept_word(u"OR")) e = binary(u"OR", std::move(e), and_expr());
    return e;
  }
  ExprPtr and_expr() {
    ExprPtr e = not_expr();
    while (accept_word(u"AND")) e = binary(u"AND", std::move(e), not_expr());
    return e;
  }
  ExprPtr not_expr() {
    if (word_is(peek(), u"NOT") && !word_is(peek(1), u"EXISTS")) {
      size_t pos = next().pos;
      auto e = make(ExprKind::Unary, pos);
      e->text = u"NOT";
      e->args.push_back(not_expr());
      return e;
    }
    return predicate();
  }

  ExprPtr predicate() {
    ExprPtr left = additive();
    const Token& t = peek();
    if (t.kind == Tok::Op) {
      static const char16_t* kCmp[] = {u"=", u"<>", u"!=", u"<", u">", u"<=", u">=", u"!<", u"!>"};
      for (const char16_t* op : kCmp) {
        if (t.text == op) {
          next();
          Text o = op;
          if (o == u"!=") o = u"<>";
          if (o == u"!<") o = u">=";
          if (o == u"!>") o = u"<=";
          if (word_is(peek(), u"ALL") || word_is(peek(), u"ANY") || word_is(peek(), u"SOME"))
            unsupported("comparison with " + to_utf8(fold(peek().text)));
          return binary(std::move(o), std::move(left), additive());
        }
      }
      return left;
    }
    bool negated = false;
    if (word_is(t, u"NOT") &&
        (word_is(peek(1), u"IN") || word_is(peek(1), u"LIKE") || word_is(peek(1), u"BETWEEN"))) {
      next();
      negated = true;
    }
    if (accept_word(u"IN")) {
      expect_op(u"(");
      ExprPtr e;
      if (word_is(peek(), u"SELECT")) {
        e = make(ExprKind::InSelect, left->pos);
        e->args.push_back(std::move(left));
        e->select = select();
      } else {
        e = make(ExprKind::InList, left->pos);
        e->args.push_back(std::move(left));
        do e->args.push_back(expr());
        while (accept_op(u","));
      }
      expect_op(u")");
      e->negated = negated;
      return e;
    }
    if (accept_word(u"LIKE")) {
      auto e = make(ExprKind::Like, left->pos);
      e->args.push_back(std::move(left));
      e->args.push_back(additive());
      if (word_is(peek(), u"ESCAPE")) unsupported("LIKE ... ESCAPE");
      e->negated = negated;
      return e;
    }
    if (accept_word(u"BETWEEN")) {
      auto e = make(ExprKind::Between, left->pos);
      e->args.push_back(std::move(left));
      e->args.push_back(additive());
      expect_word(u"AND");
      e->args.push_back(additive());
      e->negated = negated;
      return e;
    }
    if (accept_word(u"IS")) {
      auto e = make(ExprKind::IsNull, left->pos);
      e->negated = accept_word(u"NOT");
      expect_word(u"NULL");
      e->args.push_back(std::move(left));
      return e;
    }
    return left;
  }

  ExprPtr additive() {
    ExprPtr e = multiplicative();
    while (peek().kind == Tok::Op) {
      const Text& op = peek().text;
      if (op == u"+" || op == u"-" || op == u"&" || op == u"|" || op == u"^") {
        Text o = next().text;
        e = binary(std::move(o), std::move(e), multiplicative());
      } else if (op == u"||") {
        unsupported("operator ||");
      } else {
        break;
      }
    }
    return e;
  }

  ExprPtr multiplicative() {
    ExprPtr e = unary();
    while (is_op(u"*") || is_op(u"/") || is_op(u"%")) {
      Text o = next().text;
      e = binary(std::move(o), std::move(e), unary());
    }
    return e;
  }

  ExprPtr unary() {
    // Every nesting (parentheses, signs, subqueries) passes here; a bound keeps a
    // pathological text from exhausting the stack.
    if (depth_ >= kMaxDepth) unsupported("expression nested more than 200 levels deep");
    ++depth_;
    struct Leave {
      int& depth;
      ~Leave() { --depth; }
    } leave{depth_};
    if (is_op(u"-") || is_op(u"+") || is_op(u"~")) {
      const Token& t = next();
      auto e = make(ExprKind::Unary, t.pos);
      e->text = t.text;
      e->args.push_back(unary());
      return e;
    }
    ExprPtr e = primary();
    if (word_is(peek(), u"COLLATE")) unsupported("COLLATE");
    return e;
  }

  Text type_text() {
    if (peek().kind != Tok::Ident && peek().kind != Tok::QuotedIdent) fail_near("a type expected");
    Text t = next().text;
    if (accept_op(u"(")) {
      t += u"(";
      bool first = true;
      do {
        if (!first) t += u",";
        first = false;
        const Token& a = next();
        if (a.kind != Tok::Number && !word_is(a, u"MAX")) fail_near("a size expected");
        t += a.text;
      } while (accept_op(u","));
      expect_op(u")");
      t += u")";
    }
    return t;
  }

  ExprPtr primary() {
    const Token& t = peek();
    switch (t.kind) {
      case Tok::Number:
        return literal_number(next());
      case Tok::String: {
        auto e = make(ExprKind::String, t.pos);
        e->text = t.text;
        e->national = t.national;
        next();
        return e;
      }
      case Tok::Variable:
        unsupported("variable " + to_utf8(t.text));
      case Tok::End:
        fail_near("an expression expected");
      case Tok::Op:
        if (t.text == u"(") {
          size_t pos = next().pos;
          if (word_is(peek(), u"SELECT")) {
            auto e = make(ExprKind::Subquery, pos);
            e->select = select();
            expect_op(u")");
            return e;
          }
          auto e = make(ExprKind::Paren, pos);
          e->args.push_back(expr());
          expect_op(u")");
          return e;
        }
        fail_near("an expression expected");
      case Tok::Ident:
      case Tok::QuotedIdent:
        break;
    }
    if (t.kind == Tok::Ident) {
      if (word_is(t, u"NULL")) {
        next();
        return make(ExprKind::Null, t.pos);
      }
      if (word_is(t, u"CASE")) return case_expr();
      if (word_is(t, u"EXISTS") || (word_is(t, u"NOT") && word_is(peek(1), u"EXISTS"))) {
        auto e = make(ExprKind::Exists, t.pos);
        e->negated = accept_word(u"NOT");
        next();
        expect_op(u"(");
        if (!word_is(peek(), u"SELECT")) fail_near("SELECT expected");
        e->select = select();
        expect_op(u")");
        return e;
      }
      if ((word_is(t, u"CAST") || word_is(t, u"TRY_CAST")) && is_op(u"(", 1)) {
        next();
        next();
        auto e = make(ExprKind::Cast, t.pos);
        e->args.push_back(expr());
        expect_word(u"AS");
        e->type_text = type_text();
        expect_op(u")");
        return e;
      }
      if (word_is(t, u"CONVERT") && is_op(u"(", 1)) {
        next();
        next();
        auto e = make(ExprKind::Cast, t.pos);
        e->type_text = type_text();
        expect_op(u",");
        e->args.push_back(expr());
        if (accept_op(u",")) e->args.push_back(expr());
        expect_op(u")");
        return e;
      }
      bool builtin = (word_is(t, u"LEFT") || word_is(t, u"RIGHT")) && is_op(u"(", 1);
      if (t.reserved && !builtin) fail_near("an expression expected");
    }
    // A name: column, qualified column, or function call.
    Text first = next().text;
    if (t.kind == Tok::Ident && is_op(u"(")) {
      next();
      auto e = make(ExprKind::Function, t.pos);
      e->text = first;
      if (accept_op(u")")) return e;
      if (accept_op(u"*")) {
        e->args.push_back(make(ExprKind::Star, t.pos));
        expect_op(u")");
        return e;
      }
      if (accept_word(u"DISTINCT")) e->distinct = true;
      do e->args.push_back(expr());
      while (accept_op(u","));
      expect_op(u")");
      if (word_is(peek(), u"OVER")) unsupported("OVER (window functions)");
      return e;
    }
    auto e = make(ExprKind::Column, t.pos);
    e->text = first;
    while (is_op(u".")) {
      next();
      const Token& part = peek();
      if (part.kind != Tok::Ident && part.kind != Tok::QuotedIdent) fail_near("a name expected");
      if (is_op(u"(", 1)) unsupported("function " + to_utf8(first) + "." + to_utf8(part.text));
      e->qualifier = e->text;
      e->text = next().text;
    }
    return e;
  }

  ExprPtr case_expr() {
    auto e = make(ExprKind::Case, next().pos);
    if (!word_is(peek(), u"WHEN")) {
      e->has_operand = true;
      e->args.push_back(expr());
    }
    if (!word_is(peek(), u"WHEN")) fail_near("WHEN expected");
    while (accept_word(u"WHEN")) {
      e->args.push_back(expr());
      expect_word(u"THEN");
      e->args.push_back(expr());
    }
    if (accept_word(u"ELSE")) {
      e->has_else = true;
      e->args.push_back(expr());
    }
    expect_word(u"END");
    return e;
  }

  std::vector<Token> toks_;
  size_t pos_ = 0;
  static constexpr int kMaxDepth = 200;
  static constexpr int kMaxChain = 500;
  int depth_ = 0;  // expressions being parsed inside each other
};

}  // namespace

bool is_passthrough(TextView sql) {
  size_t i = 0;
  while (i < sql.size() && (sql[i] == u' ' || sql[i] == u'\t' || sql[i] == u'\r' ||
                            sql[i] == u'\n' || sql[i] == u'('))
    ++i;
  size_t j = i;
  while (j < sql.size() &&
         ((sql[j] >= u'a' && sql[j] <= u'z') || (sql[j] >= u'A' && sql[j] <= u'Z')))
    ++j;
  Token t;
  t.kind = Tok::Ident;
  t.text = Text(sql.substr(i, j - i));
  return one_of(t, kPassthrough);
}

Statement parse(TextView sql) { return Parser(sql).statement(); }

}  // namespace orvane::db::tsql
