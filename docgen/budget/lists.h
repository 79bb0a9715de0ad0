// The budget's lists and Word tables, declared as data.
//
// The product lists are one table of declarations fed by one pass over the product lines;
// the other line sources (products added up, products to withdraw, vehicles, additional
// services, services) have a table each. The Word tables are declared the same way, by the
// source that feeds them.
#pragma once

#include <vector>

#include "core/text.h"
#include "docgen/frame/lists.h"
#include "docgen/frame/tables.h"

namespace orvane::docgen::budget {

// The document values the computed columns read (ListContext::values).
inline constexpr const char16_t* kReturnMonths = u"MesesRetornoLocação";

const std::vector<ListLayout>& product_lists();
const std::vector<ListLayout>& unified_product_lists();
const std::vector<ListLayout>& withdrawn_product_lists();
const std::vector<ListLayout>& vehicle_lists();
const std::vector<ListLayout>& additional_service_lists();
const std::vector<ListLayout>& service_lists();

// The order Word applies the lists in (every name before the shorter names it begins
// with); the lists not named here follow, longer names first.
const std::vector<Text>& word_list_order();

// Word-only tables, by the source that feeds them. A placeholder declared among the product
// tables and among the service tables is one table: the product rows, then the service rows,
// then its "Total: " row.
const std::vector<TableLayout>& product_tables();
const std::vector<TableLayout>& service_tables();
const std::vector<TableLayout>& additional_service_tables();
// The photo tables, one table per product group (each group read on its own).
const std::vector<TableLayout>& photo_tables();
// The placeholders of the tables that join product and service rows.
const std::vector<Text>& products_and_services_tables();

// Every Word-only table placeholder, in the order the tables routine builds them.
const std::vector<Text>& word_table_order();

}  // namespace orvane::docgen::budget
