// The budget's routines: each reads its lines once and fills the lists (and placeholders)
// it owns. The Word-only tables come from the same recordsets, so the routines hand them
// back.
#pragma once

#include <cstdint>

#include "core/context.h"
#include "core/numbers.h"
#include "core/text.h"
#include "core/variant.h"
#include "docgen/frame/lists.h"
#include "docgen/frame/placeholder_table.h"
#include "platform/db/db.h"

namespace orvane::docgen::budget {

// What every routine of one budget reads: the call and the budget's key.
struct BudgetCall {
  ContextPtr ctx;
  Variant conn;
  int32_t unit = 0;     // CodUnidade
  int32_t company = 0;  // CodEmpresa
  Text planilha;        // the key as the SQL texts take it
  bool sale = false;    // Modalidade "V"; any other budget rents what it does not charge
};

db::RecordsetPtr open(const BudgetCall& b, TextView sql);
// A key column spliced into a filter: its number, Null as 0 (so it finds nothing).
Text key_number(const Variant& v);

// How the list builder sees a product or service line: rented in a budget that is not a
// sale when CobraLocado is not set, grouped by the computed GrupoOrçamento ("OUTROS" for
// lines without a group), which the query names after the raw column it follows.
ListContext line_context(const BudgetCall& b);
Variant computed_group(const db::Recordset& rs);

struct ProductPass {
  db::RecordsetPtr lines;  // the product lines, for the Word tables
  bool grouping = false;   // more than one group
  Currency net_total;      // TotalLíquido of every line
  Currency priced_gross;   // UnitReal × Quantidade of the lines listed with prices
  Currency priced_net;     // TotalLíquido of those lines
};
// The product lines in one pass feeding every product list, then the products added up
// (vEquipamentosUnificado). `return_months` is the budget's MesesRetornoLocação.
ProductPass product_lines(const BudgetCall& b, const Variant& return_months, ListSet& lists);

// vProdRetirar, vProdRetirar2; returns the total of the products to withdraw.
Currency withdrawn_products(const BudgetCall& b, ListSet& lists);

struct ServicePass {
  db::RecordsetPtr lines;
  Currency gross;        // TotalBruto of the lines
  Currency net;          // Total of the lines
  Currency charged_net;  // Total of the lines not rented
};
// The services routine: the vServiços lists, grouped when the budget has more than one
// service group.
ServicePass services_routine(const BudgetCall& b, ListSet& lists);

// The additional-services routine: the vServAD lists; returns the lines it read.
db::RecordsetPtr additional_services_routine(const BudgetCall& b, ListSet& lists);

// The vehicles routine: the vVeículosOrçamento lists, vOrcPlacas and vVeiBloqueio; the
// ownership-transfer vehicle is listed alone when the budget has no vehicle rows.
struct VehiclePass {
  int32_t count = 0;
  Text plates;  // joined by ", "
};
VehiclePass vehicles_routine(const BudgetCall& b, const Variant& transfer_vehicle,
                             PlaceholderTable& table, ListSet& lists);

// The budget's summary, which both the scalar placeholders and the totals routine enter.
struct Summary {
  Text modalidade;      // vModalidade
  Text nome_cliente;    // vNomeCliente
  Text emissao;         // vEmissaoExtenso
  Text descontos;       // vTotalDescontos
  Text bruto;           // vTotalBruto
  Text perc_descontos;  // vPercTotalDescontos
  Text sem_crea;        // vTotalSemCrea
  Text extenso_venda;   // vExtensoTotalVenda
};
Summary summary_of(const Context& ctx, const db::Recordset& budget);

// The totals, contacts and taxes routine: the installments sentence, the contact, the
// annual and loyalty values, the additional services by kind, the summary again and the
// taxes. `budget` is the budget record.
void totals_contacts_taxes_routine(const BudgetCall& b, const db::Recordset& budget,
                                   PlaceholderTable& table);

// "Locado", "Venda", "Rastreamento" for the budget's Modalidade.
Text modality_name(const Variant& modalidade);
// value × 100 ÷ base as "#,##0.00" + "%"; "0,00%" when the base is not above 0.
Text percent_of(Currency value, Currency base);
// "#,##0.00".
Text amount_text(Currency value);

}  // namespace orvane::docgen::budget
