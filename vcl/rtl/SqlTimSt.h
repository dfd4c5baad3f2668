#pragma once
// The database layer's time stamp record and the variant kind that holds
// one (converting to and from dates and text through the date it names).
#include <cstdint>

#include "vcl/rtl/Variants.h"

// A database time stamp; Fractions are milliseconds.
struct TSQLTimeStamp {
  int16_t Year;
  uint16_t Month, Day, Hour, Minute, Second;
  uint32_t Fractions;
};

// EConvertError for a time stamp that names no date and time.
TDateTime SQLTimeStampToDateTime(const TSQLTimeStamp& AValue);
// EConvertError "Invalid argument to date encode" for a date outside the
// years 1 to 9999 (or no number at all).
TSQLTimeStamp DateTimeToSQLTimeStamp(TDateTime AValue);
bool IsSQLTimeStampDate(TDateTime AValue);

// The variant kind of a TSQLTimeStamp.
constexpr TVarType varSQLTimeStamp = 0x0110;

Variant VarSQLTimeStampCreate(const TSQLTimeStamp& AValue);
// A time-stamp variant gives its own value; any other is read as a date
// (EVariantTypeCastError when it is none).
TSQLTimeStamp VarToSQLTimeStamp(const Variant& V);
inline bool VarIsSQLTimeStamp(const Variant& V) { return VarType(V) == varSQLTimeStamp; }
