// Column types: the SQL Server type a column is declared with (or that an expression
// has), and the ADO type code a recordset field reports for it. Both backends report
// the same codes, so a document reads the same whichever database it came from.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/text.h"
#include "core/variant.h"

namespace orvane::db {

// ADO DataTypeEnum values that SQL Server columns come back as.
enum class AdoType : int32_t {
  Empty = 0,
  SmallInt = 2,
  Integer = 3,
  Single = 4,
  Double = 5,
  Currency = 6,
  Date = 7,
  Boolean = 11,
  Variant = 12,
  TinyInt = 17,  // adUnsignedTinyInt: SQL Server's tinyint is unsigned
  BigInt = 20,
  Guid = 72,
  Binary = 128,
  Char = 129,
  WChar = 130,
  Numeric = 131,
  DBTimeStamp = 135,
  VarChar = 200,
  LongVarChar = 201,
  VarWChar = 202,
  LongVarWChar = 203,
  VarBinary = 204,
  LongVarBinary = 205,
};

// SQL Server base types, in no particular order (precedence is below).
enum class SqlBase : uint8_t {
  Unknown,  // not known: the value's own storage decides
  Null,     // the NULL literal
  Bit,
  TinyInt,
  SmallInt,
  Int,
  BigInt,
  SmallMoney,
  Money,
  Decimal,
  Real,
  Float,
  SmallDateTime,
  DateTime,
  Date,
  Time,
  Char,
  VarChar,
  Text,
  NChar,
  NVarChar,
  NText,
  Binary,
  VarBinary,
  Image,
  UniqueIdentifier,
};

struct SqlType {
  SqlBase base = SqlBase::Unknown;
  int32_t size = 0;  // characters of a char/varchar (0 = unknown or max)
  uint8_t precision = 0;
  uint8_t scale = 0;

  bool known() const { return base != SqlBase::Unknown && base != SqlBase::Null; }
  bool is_text() const;
  bool is_date() const;  // datetime-like, stored as ISO text
  bool is_integer() const;
  bool is_numeric() const;  // integers, bit, money, decimal, float
  bool operator==(const SqlType&) const = default;
};

inline SqlType sql_type(SqlBase b, int32_t size = 0) { return SqlType{b, size, 0, 0}; }

// Reads a declared type: "int", "varchar(60)", "decimal(18, 2)", "nvarchar(max)",
// "money", "datetime", "int identity(1,1)"... Unknown names give SqlBase::Unknown.
SqlType parse_sql_type(std::string_view declared);
SqlType parse_sql_type(TextView declared);

// The code ADO reports for a column of that type (Unknown reports VarWChar).
AdoType ado_type(SqlType t);

// SQL Server's data type precedence: the type an expression mixing a and b takes.
SqlType wider(SqlType a, SqlType b);

// The variant a stored value is handed out as, for a column of ADO type `t`.
VarType variant_type(AdoType t);

// The SQL Server name of a type ("int", "varchar(60)"...), for messages and listings.
std::string type_name(SqlType t);

}  // namespace orvane::db
