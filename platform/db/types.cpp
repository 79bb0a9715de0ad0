#include "platform/db/types.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace orvane::db {
namespace {

struct Named {
  const char* name;
  SqlBase base;
};

constexpr Named kNames[] = {
    {"bit", SqlBase::Bit},
    {"tinyint", SqlBase::TinyInt},
    {"smallint", SqlBase::SmallInt},
    {"int", SqlBase::Int},
    {"integer", SqlBase::Int},
    {"bigint", SqlBase::BigInt},
    {"smallmoney", SqlBase::SmallMoney},
    {"money", SqlBase::Money},
    {"currency", SqlBase::Money},
    {"decimal", SqlBase::Decimal},
    {"numeric", SqlBase::Decimal},
    {"real", SqlBase::Real},
    {"float", SqlBase::Float},
    {"double", SqlBase::Float},
    {"smalldatetime", SqlBase::SmallDateTime},
    {"datetime", SqlBase::DateTime},
    {"datetime2", SqlBase::DateTime},
    {"timestamp", SqlBase::DateTime},
    {"date", SqlBase::Date},
    {"time", SqlBase::Time},
    {"char", SqlBase::Char},
    {"character", SqlBase::Char},
    {"varchar", SqlBase::VarChar},
    {"text", SqlBase::Text},
    {"nchar", SqlBase::NChar},
    {"nvarchar", SqlBase::NVarChar},
    {"ntext", SqlBase::NText},
    {"binary", SqlBase::Binary},
    {"varbinary", SqlBase::VarBinary},
    {"image", SqlBase::Image},
    {"blob", SqlBase::Image},
    {"uniqueidentifier", SqlBase::UniqueIdentifier},
    {"boolean", SqlBase::Bit},
};

// Higher wins. Mirrors SQL Server's data type precedence list.
int precedence(SqlBase b) {
  switch (b) {
    case SqlBase::DateTime:
      return 30;
    case SqlBase::SmallDateTime:
      return 29;
    case SqlBase::Date:
      return 28;
    case SqlBase::Time:
      return 27;
    case SqlBase::Float:
      return 26;
    case SqlBase::Real:
      return 25;
    case SqlBase::Decimal:
      return 24;
    case SqlBase::Money:
      return 23;
    case SqlBase::SmallMoney:
      return 22;
    case SqlBase::BigInt:
      return 21;
    case SqlBase::Int:
      return 20;
    case SqlBase::SmallInt:
      return 19;
    case SqlBase::TinyInt:
      return 18;
    case SqlBase::Bit:
      return 17;
    case SqlBase::NText:
      return 16;
    case SqlBase::Text:
      return 15;
    case SqlBase::Image:
      return 14;
    case SqlBase::UniqueIdentifier:
      return 13;
    case SqlBase::NVarChar:
      return 12;
    case SqlBase::NChar:
      return 11;
    case SqlBase::VarChar:
      return 10;
    case SqlBase::Char:
      return 9;
    case SqlBase::VarBinary:
      return 8;
    case SqlBase::Binary:
      return 7;
    case SqlBase::Null:
      return 1;
    case SqlBase::Unknown:
      return 0;
  }
  return 0;
}

}  // namespace

bool SqlType::is_text() const {
  switch (base) {
    case SqlBase::Char:
    case SqlBase::VarChar:
    case SqlBase::Text:
    case SqlBase::NChar:
    case SqlBase::NVarChar:
    case SqlBase::NText:
    case SqlBase::UniqueIdentifier:
      return true;
    default:
      return false;
  }
}

bool SqlType::is_date() const {
  return base == SqlBase::DateTime || base == SqlBase::SmallDateTime || base == SqlBase::Date ||
         base == SqlBase::Time;
}

bool SqlType::is_integer() const {
  return base == SqlBase::TinyInt || base == SqlBase::SmallInt || base == SqlBase::Int ||
         base == SqlBase::BigInt || base == SqlBase::Bit;
}

bool SqlType::is_numeric() const {
  return is_integer() || base == SqlBase::SmallMoney || base == SqlBase::Money ||
         base == SqlBase::Decimal || base == SqlBase::Real || base == SqlBase::Float;
}

SqlType parse_sql_type(std::string_view declared) {
  std::string s;
  for (char c : declared) s += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  size_t start = i;
  while (i < s.size() && (std::isalnum(static_cast<unsigned char>(s[i])) || s[i] == '_')) ++i;
  std::string word = s.substr(start, i - start);
  SqlType t;
  for (const auto& n : kNames) {
    if (word == n.name) {
      t.base = n.base;
      break;
    }
  }
  // "double precision", "character varying", "national char..." and similar.
  if (word == "character" && s.find("varying") != std::string::npos) t.base = SqlBase::VarChar;
  if (!t.known()) return t;
  size_t open = s.find('(', i);
  if (open != std::string::npos) {
    size_t close = s.find(')', open);
    std::string inside =
        s.substr(open + 1, close == std::string::npos ? std::string::npos : close - open - 1);
    int a = 0, b = 0;
    int n = std::sscanf(inside.c_str(), "%d , %d", &a, &b);
    if (t.is_text()) {
      t.size = n >= 1 ? a : 0;  // "max" reads as 0
    } else if (t.base == SqlBase::Decimal) {
      t.precision = static_cast<uint8_t>(n >= 1 ? std::clamp(a, 1, 38) : 18);
      t.scale = static_cast<uint8_t>(n >= 2 ? std::clamp(b, 0, 38) : 0);
    }
  } else if (t.base == SqlBase::Decimal) {
    t.precision = 18;
  } else if (t.base == SqlBase::Char || t.base == SqlBase::NChar) {
    t.size = 1;
  }
  return t;
}

SqlType parse_sql_type(TextView declared) { return parse_sql_type(to_utf8(declared)); }

AdoType ado_type(SqlType t) {
  switch (t.base) {
    case SqlBase::Bit:
      return AdoType::Boolean;
    case SqlBase::TinyInt:
      return AdoType::TinyInt;
    case SqlBase::SmallInt:
      return AdoType::SmallInt;
    case SqlBase::Int:
      return AdoType::Integer;
    case SqlBase::BigInt:
      return AdoType::BigInt;
    case SqlBase::SmallMoney:
    case SqlBase::Money:
      return AdoType::Currency;
    case SqlBase::Decimal:
      return AdoType::Numeric;
    case SqlBase::Real:
      return AdoType::Single;
    case SqlBase::Float:
      return AdoType::Double;
    case SqlBase::SmallDateTime:
    case SqlBase::DateTime:
    case SqlBase::Date:
    case SqlBase::Time:
      return AdoType::DBTimeStamp;
    case SqlBase::Char:
      return AdoType::Char;
    case SqlBase::VarChar:
      return AdoType::VarChar;
    case SqlBase::Text:
      return AdoType::LongVarChar;
    case SqlBase::NChar:
      return AdoType::WChar;
    case SqlBase::NVarChar:
      return AdoType::VarWChar;
    case SqlBase::NText:
      return AdoType::LongVarWChar;
    case SqlBase::Binary:
      return AdoType::Binary;
    case SqlBase::VarBinary:
      return AdoType::VarBinary;
    case SqlBase::Image:
      return AdoType::LongVarBinary;
    case SqlBase::UniqueIdentifier:
      return AdoType::Guid;
    case SqlBase::Null:
    case SqlBase::Unknown:
      return AdoType::VarWChar;
  }
  return AdoType::VarWChar;
}

SqlType wider(SqlType a, SqlType b) {
  if (precedence(a.base) == precedence(b.base)) {
    // Same type: keep the larger size and scale.
    SqlType t = a;
    t.size = (a.size == 0 || b.size == 0) ? 0 : std::max(a.size, b.size);
    t.precision = std::max(a.precision, b.precision);
    t.scale = std::max(a.scale, b.scale);
    return t;
  }
  return precedence(a.base) > precedence(b.base) ? a : b;
}

VarType variant_type(AdoType t) {
  switch (t) {
    case AdoType::SmallInt:
      return VarType::Integer;
    case AdoType::Integer:
      return VarType::Long;
    case AdoType::Single:
      return VarType::Single;
    case AdoType::Double:
      return VarType::Double;
    case AdoType::Currency:
      return VarType::Currency;
    case AdoType::Date:
    case AdoType::DBTimeStamp:
      return VarType::Date;
    case AdoType::Boolean:
      return VarType::Boolean;
    case AdoType::TinyInt:
      return VarType::Byte;
    case AdoType::BigInt:
    case AdoType::Numeric:
      return VarType::Decimal;
    default:
      return VarType::String;
  }
}

std::string type_name(SqlType t) {
  for (const auto& n : kNames) {
    if (n.base == t.base) {
      std::string s = n.name;
      if (t.is_text() && t.base != SqlBase::Text && t.base != SqlBase::NText &&
          t.base != SqlBase::UniqueIdentifier)
        s += t.size > 0 ? "(" + std::to_string(t.size) + ")" : "(max)";
      if (t.base == SqlBase::Decimal)
        s += "(" + std::to_string(t.precision) + "," + std::to_string(t.scale) + ")";
      return s;
    }
  }
  return t.base == SqlBase::Null ? "null" : "unknown";
}

}  // namespace orvane::db
