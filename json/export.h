// The JSON export envelope handed to web pages, from packed text (StringToJSON) or from
// an open recordset (RStoJSON):
//   ( {"Records": [ CRLF {"Name":"value",...}, CRLF {...} CRLF ], "RecordCount":"N" } )
// Every value is written as a string escaped by to_unicode; names are written as they are.
#pragma once

#include "core/object.h"

namespace orvane::json {

// Rows separated by "|", fields by "~" in name/value pairs. "" gives "null"; a row with
// an odd number of fields raises VbError 9.
Text string_to_json(TextView st);

// Exports the rows of `rs` from its current record to the end, late-bound through the
// recordset's own members (State, EOF, BOF, Fields, MoveNext), so any recordset object
// works. "null" for a closed recordset or one at EOF/BOF; "" when reading fails.
// The library's own recordsets are read directly, with the same result.
Text rs_to_json(const Variant& rs);
// A field value as the exports write it: the host's text form (Null gives ""), without
// apostrophes. The view points into the value or into `scratch`.
TextView value_text(const Variant& v, Text& scratch);

// The same export, always through the late-bound members.
Text rs_to_json_late_bound(const Variant& rs);

}  // namespace orvane::json
