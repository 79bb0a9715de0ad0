// What the routines of the contract documents (the contract and its amendment) read with:
// the call's connection and context, the unit, the company and the customer, and the
// caller's own condition on the customer's approved budgets.
#pragma once

#include <cstdint>

#include "core/context.h"
#include "core/convert.h"
#include "core/text.h"
#include "core/variant.h"
#include "platform/db/db.h"

namespace orvane::docgen {

struct ContractKeys {
  Variant conn;          // the host's connection
  ContextPtr ctx;        // messages of the wording functions; the clock ("today")
  int32_t unit = 0;      // CodUnidade
  int32_t company = 0;   // CodEmpresa
  int32_t customer = 0;  // CodCliente
  Text budget_filter;    // FiltroOrc: a further SQL condition on the approved budgets

  // The customer code as the SQL texts append it.
  Text customer_text() const { return CStr(Variant(customer)); }
  // " And " + FiltroOrc, appended to every query of the approved budgets ("" without one).
  Text and_budget_filter() const {
    return budget_filter.empty() ? Text() : u" And " + budget_filter;
  }
  Date today() const { return ctx->now(); }
  // A static read-only recordset on the connection.
  db::RecordsetPtr open(TextView sql) const {
    return db::open_recordset(conn, sql, db::CursorType::Static, db::LockType::ReadOnly);
  }
};

// The customer's approved budgets: neither cancelled, nor being written, nor waiting.
inline constexpr char16_t kApprovedBudgets[] = u"Status<>'C' And Status<>'A' and  Status<>'P'";

}  // namespace orvane::docgen
