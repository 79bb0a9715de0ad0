#include "docgen/budget/word_tables.h"

#include <algorithm>

#include "core/convert.h"
#include "core/format.h"
#include "docgen/budget/lists.h"
#include "docgen/budget/queries.h"
#include "docgen/frame/values.h"
#include "docgen/frame/word_suite.h"
#include "platform/os/files.h"

namespace orvane::docgen::budget {
namespace {

const TableLayout* layout_named(const std::vector<TableLayout>& layouts, TextView placeholder) {
  for (const TableLayout& l : layouts) {
    if (l.placeholder == placeholder) return &l;
  }
  return nullptr;
}

int total_column(const TableLayout& layout) {
  for (size_t k = 0; k < layout.columns.size(); ++k) {
    if (layout.columns[k].cell.role == Role::Total) return static_cast<int>(k);
  }
  return static_cast<int>(layout.columns.size()) - 1;
}

// The product rows, then the service rows, in one table closed by "Total: " and `total`.
TableContent products_and_services(TableContent products, const TableContent& services,
                                   Currency total) {
  if (products.blocks.empty()) products.blocks.emplace_back();
  TableBlock& block = products.blocks.front();
  for (const TableBlock& b : services.blocks) {
    block.rows.insert(block.rows.end(), b.rows.begin(), b.rows.end());
  }
  if (!block.rows.empty()) {
    std::vector<TableCell> last(products.layout->columns.size());
    last[0].text = u"Total: ";
    last[total_column(*products.layout)].text = money_text(Variant(total), products.layout->money);
    block.rows.push_back(std::move(last));
  }
  products.present = !block.rows.empty();
  return products;
}

}  // namespace

void borders_routine(const ObjectPtr& word) {
  word_suite::set_borders(word, word_suite::wdLineStyleSingle);
}

Text signature_image(const BudgetCall& b) {
  Text folder = key_text(unit_setting(b.conn, 87, b.unit, u"Descreve"));
  if (folder.empty()) return Text();
  if (folder.back() != u'\\' && folder.back() != os::kSeparator) folder += os::kSeparator;
  return folder + u"ORC" + formatted(Variant(CLng(Variant(b.planilha))), u"0000000000") +
         u"-Assinatura.jpg";
}

std::vector<TableContent> photo_tables_routine(const BudgetCall& b) {
  const std::vector<TableLayout>& layouts = photo_tables();
  std::vector<TableContent> tables(layouts.size());
  for (size_t k = 0; k < layouts.size(); ++k) {
    tables[k].layout = &layouts[k];
    tables[k].placeholder = layouts[k].placeholder;
  }
  const ListContext context = line_context(b);
  db::RecordsetPtr groups = open(b, photo_groups_sql(b.planilha));
  for (; !groups->eof(); groups->move_next()) {
    db::RecordsetPtr lines = open(b, photo_lines_sql(b.planilha, key_text(groups->field(0))));
    for (size_t k = 0; k < layouts.size(); ++k) {
      TableContent group = build_table(*lines, layouts[k], context);
      for (TableBlock& block : group.blocks) tables[k].blocks.push_back(std::move(block));
    }
  }
  for (TableContent& t : tables) t.present = !t.blocks.empty();
  return tables;
}

void tables_routine(const BudgetCall& b, const Variant& observ, const TableSources& sources,
                    DocumentData& d) {
  // The observation may be longer than Word replaces at once.
  d.long_texts.push_back({u"ORC.Observ", Variant(vb::Trim(key_text(observ)))});

  const ListContext context = line_context(b);
  const std::vector<Text>& joined = products_and_services_tables();
  auto is_joined = [&](const Text& placeholder) {
    return std::find(joined.begin(), joined.end(), placeholder) != joined.end();
  };
  for (const TableLayout& layout : product_tables()) {
    if (!is_joined(layout.placeholder)) {
      d.tables.push_back(build_table(*sources.products->lines, layout, context));
    }
  }
  for (const TableLayout& layout : service_tables()) {
    if (!is_joined(layout.placeholder)) {
      d.tables.push_back(build_table(*sources.services->lines, layout, context));
    }
  }
  const ListContext plain{.conn = b.conn, .ctx = b.ctx, .unit = b.unit};
  for (const TableLayout& layout : additional_service_tables()) {
    d.tables.push_back(build_table(*sources.additional_services, layout, plain));
  }
  for (TableContent& t : photo_tables_routine(b)) d.tables.push_back(std::move(t));
  for (const Text& placeholder : joined) {
    const TableLayout* products = layout_named(product_tables(), placeholder);
    const TableLayout* services = layout_named(service_tables(), placeholder);
    d.tables.push_back(
        products_and_services(build_table(*sources.products->lines, *products, context),
                              build_table(*sources.services->lines, *services, context),
                              sources.products->priced_net + sources.services->charged_net));
  }

  d.pictures.push_back({u"vImgAssinatura", Text()});
  const Text signature = signature_image(b);
  if (!signature.empty() && os::file_exists(signature)) d.pictures.back().file = signature;
}

}  // namespace orvane::docgen::budget
