// JSON forms of variants for `orvane call --json`: {"type":T,"value":V}. Currency and
// Decimal values are decimal strings with a point, dates "YYYY-MM-DDTHH:MM:SS",
// Dictionary and Collection objects carry their contents.
#pragma once

#include <string>

#include "core/variant.h"

namespace orvane::cli {

std::string json_string(TextView s);
std::string json_string(std::string_view utf8);
std::string variant_json(const Variant& v);

}  // namespace orvane::cli
