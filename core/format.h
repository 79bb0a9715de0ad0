// Format(value, pattern) as the host language formats in the pt-BR locale.
//
// Numeric patterns ("#,##0.00", "0.0", "000000", "0.00%", sections with ";"), named
// formats ("Currency" -> "R$ 1.234,56", "Fixed", "Standard", "Percent", "General Number",
// "Short Date", "Long Date", "Short Time", "Long Time", "General Date", "Yes/No",
// "True/False", "On/Off"), date patterns ("dd/mm/yyyy", "hh:mm", "mmmm", 'dd "de" mmmm
// "de" yyyy'...) and text patterns (">" upper case, "<" lower case, "@", "&").
// Rules of the host language: Null gives Null, Empty gives ""; a text that holds a
// number is formatted as that number, one that holds a date as that date; a number
// formatted with a date pattern is read as a date.
#pragma once

#include "core/text.h"
#include "core/variant.h"

namespace orvane {

Variant Format(const Variant& value, TextView pattern = u"");
// Same, with Null and Empty giving "".
Text FormatText(const Variant& value, TextView pattern = u"");

// Month names of the locale, 1..12 ("janeiro"...).
Text MonthName(int month, bool abbreviate = false);
Text WeekdayName(int weekday, bool abbreviate = false);  // 1 = Sunday

}  // namespace orvane
