// The state of one amendment's data pass, shared by its parts (the generator and the Word
// tables routines).
#pragma once

#include "docgen/amendment/amendment.h"
#include "docgen/amendment/services_history.h"
#include "docgen/frame/lists.h"
#include "docgen/frame/pipeline.h"
#include "docgen/shared/contract_keys.h"
#include "platform/db/db.h"

namespace orvane::docgen::amendment {

// The placeholder table holds up to this many rows.
inline constexpr int32_t kTableRows = 10000;

struct DataPass {
  DataPass(Generation& generation, const AmendmentKeys& k) : g(generation), keys(k) {}

  Generation& g;
  AmendmentKeys keys;
  DocumentData d{kTableRows};

  Text customer;                        // CodCliente as the queries join it
  db::RecordsetPtr cli, contract, adt;  // the records
  db::RecordsetPtr vehicle;             // the customer's first vehicle ("GR.")
  db::RecordsetPtr budget;              // the originating budget (none: an empty record)
  Text amendment_key;                   // the amendment's CodInterno
  Text budget_key;                      // its PlaOrçamento, "Null" when it has none
  bool sale = false;                    // the customer bought the equipment
  bool budget_sale = false;             // the originating budget is a sale
  bool lent = false;                    // setting 247: the added products are lent
  ServicesComparison services;

  db::RecordsetPtr read(TextView sql) const { return open_recordset(g, sql); }
  // The keys the contract's routines read with: every approved budget, no further filter.
  ContractKeys contract_keys() const {
    ContractKeys k;
    k.conn = g.conn;
    k.ctx = g.ctx;
    k.unit = g.unit;
    k.company = g.company;
    k.customer = keys.cod_cliente;
    return k;
  }
  ListContext list_context() const {
    return ListContext{.conn = g.conn, .ctx = g.ctx, .unit = g.unit};
  }
};

// A key joined into SQL: the value, or Null when there is none (the record then reads
// empty and its placeholders blank out).
Text sql_key(const Variant& v);
// A field of the current record, or Null when the recordset has none.
Variant field_or_null(const db::Recordset& rs, TextView name);

// The tables are built once and put in by either suite; the long texts are typed by Word
// and are ordinary rows on Writer.
// vServAdVeiculoTabela and vVeiculoServAdTabela from the customer's approved budgets.
void vehicle_services_tables_routine(DataPass& p);
// The products added and withdrawn, the approved budgets' vehicles, and the long texts (the
// services and clauses before and after).
void amendment_tables_routine(DataPass& p);
// vTabelaServAD from the services comparison.
void service_tables_routine(DataPass& p);

// The placeholders, lists and tables taken over from the contract, through its routines.
// The customer's equipment balance is rebuilt for `balance_company` before it is read.
void contract_placeholders_routine(DataPass& p, int32_t balance_company);

}  // namespace orvane::docgen::amendment
