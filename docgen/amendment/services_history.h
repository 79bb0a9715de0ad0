// The customer's services before and after an amendment: the monthly value, the loan of the
// equipment (unless the customer bought it) and each additional service, with the values
// the amendment's history records.
#pragma once

#include <cstdint>
#include <vector>

#include "core/context.h"
#include "core/text.h"
#include "core/variant.h"
#include "docgen/amendment/lists.h"
#include "docgen/frame/lists.h"
#include "docgen/frame/tables.h"

namespace orvane::docgen::amendment {

// What ClientesHistórico and ClientesHistóricoServiçosAdicionais record for an amendment.
struct HistoryValues {
  bool found = false;
  double monthly_before = 0, monthly_after = 0;        // ValorAnterior, NovoValor
  double monthly_before_me = 0, monthly_after_me = 0;  // ValorAnteriorME, NovoValorME
  double loan_before = 0, loan_after = 0;              // ValorAnteriorComodato, NovoValorComodato
  struct Service {
    int32_t code = 0;
    Text name;
    double quantity_before = 0, quantity_after = 0;
    double before = 0, after = 0;
  };
  std::vector<Service> services;
};

// The history routine: the first history row of the amendment `cod_aditivo` and its
// services (in the order they were recorded).
HistoryValues history_routine(const Variant& conn, TextView cod_aditivo);

// The codes of the two rows that are not additional services.
inline constexpr int32_t kMonthlyRow = -1;  // "**MONITORAMENTO MENSAL"
inline constexpr int32_t kLoanRow = -2;     // "*LOCAÇÃO/COMODATO"

// One row of the comparison: the service, its quantity and value before and after the
// amendment, and where it came from.
struct ServiceRow {
  int32_t code = 0;
  Text name;
  double quantity_before = 0, quantity = 0;  // quantity: after the amendment
  double before = 0;
  double after = 0;

  bool current = false;  // a row of the customer's services (or one of the two above)
  bool synthetic() const { return code < 0; }
  bool listed_before() const { return current || before != 0; }
  bool listed_after() const { return synthetic() || after != 0; }
};

// The comparison holds at most this many rows (index 0 to 100).
inline constexpr int32_t kComparisonRows = 101;

class ServicesComparison {
 public:
  const std::vector<ServiceRow>& rows() const { return rows_; }
  // The services the amendment adds (AditivosServiçosAdicionais), with their own values.
  const std::vector<ServiceRow>& added() const { return added_; }
  ServiceRow* find(int32_t code);
  // A new row; one past the 101st raises the subscript error (9).
  ServiceRow& add(ServiceRow row);
  void add_amendment_service(ServiceRow row) { added_.push_back(std::move(row)); }
  // In name order, as the customer's services are read (the two rows above sort first).
  void sort_by_name();

 private:
  std::vector<ServiceRow> rows_;
  std::vector<ServiceRow> added_;
};

// What the comparison needs of the customer, the contract and the amendment.
struct ComparisonInput {
  Text cod_cliente;
  Text cod_aditivo;
  double monthly = 0;           // the monitoring part of the customer's monthly value
  double loan = 0;              // ValorComodato
  bool sale = false;            // the customer bought the equipment: no loan row
  bool other_currency = false;  // the monthly row takes the ME values of the history
  // The contract is signed: the values before are the customer's own, not the history's.
  bool contract_signed = false;
};

// The customer's services (with the monthly and loan rows), the history's values before
// and after, and the services the amendment adds.
ServicesComparison compare_services(const Variant& conn, const ComparisonInput& in,
                                    const HistoryValues& history);

// The lists of the comparison (service_lists()), declared in `lists` and filled.
void build_service_lists(const ServicesComparison& c, ListSet& lists);

// vTabelaServAD: the customer's services and a last row with their total.
TableContent services_with_total(const ServicesComparison& c);

}  // namespace orvane::docgen::amendment
