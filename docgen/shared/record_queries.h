// The customer and company records as the service order and the budget read them (the
// contract reads its company with more columns, in its own queries).
#pragma once

#include "core/text.h"

namespace orvane::docgen {

Text customer_sql(TextView cliente);
// The company, with the court's city falling back to the company's own.
Text company_sql(TextView empresa);

}  // namespace orvane::docgen
