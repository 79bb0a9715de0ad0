// The Writer operations the generators use, each one a short sequence of UNO calls
// ("com.sun.star.ServiceManager"), late-bound by member name: this file and its Word twin
// are the only places in docgen that name suite members.
//
// Errors are not caught: a suite error reaches the generator's handler.
#pragma once

#include <cstdint>
#include <vector>

#include "core/context.h"
#include "core/object.h"
#include "core/text.h"
#include "core/variant.h"

namespace orvane::docgen::writer_suite {

struct Loaded {
  ObjectPtr service_manager, desktop, document;
};

// The service manager (VbError 429 when it cannot be created), its desktop, and the document
// at `url` loaded into a new frame with no options.
Loaded load(const ContextPtr& ctx, const Variant& url);

ObjectPtr create_replace_descriptor(const ObjectPtr& document);
ObjectPtr create_text_cursor(const ObjectPtr& document);

// One replace-all through the descriptor: substring match with the suite's defaults.
void replace_all(const ObjectPtr& document, const ObjectPtr& descriptor, TextView search,
                 TextView replacement);

// The first occurrence of `placeholder` as a whole word, case ignored; null when absent.
ObjectPtr find_first(const ObjectPtr& document, TextView placeholder);
// The cursor moved to the start of `range`, then extended over it.
void select_range(const ObjectPtr& cursor, const ObjectPtr& range);

// A text table of `rows` x `columns` inserted at the cursor; returns it.
ObjectPtr insert_table(const ObjectPtr& document, const ObjectPtr& cursor, int32_t rows,
                       int32_t columns);
// Cell text written through a text cursor of the cell (insert, not absorb).
void insert_cell_text(const ObjectPtr& table, TextView cell_name, TextView text);
// Cell text set with setString.
void set_cell_text(const ObjectPtr& table, TextView cell_name, TextView text);
// Separator k placed at fractions[k] of the table's relative width.
void set_separators(const ObjectPtr& table, const std::vector<double>& fractions);

// The document stored at `url` with the filter ("writer_pdf_Export", "writer8").
void store(const ContextPtr& ctx, const ObjectPtr& document, const Variant& url, TextView filter);
void print_once(const ObjectPtr& document);
void close(const ObjectPtr& document);

}  // namespace orvane::docgen::writer_suite
