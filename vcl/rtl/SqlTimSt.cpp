#include "vcl/rtl/SqlTimSt.h"

#include <algorithm>
#include <cmath>

#include "vcl/rtl/DateUtils.h"

TDateTime SQLTimeStampToDateTime(const TSQLTimeStamp& AValue) {
  return EncodeDateTime(AValue.Year, AValue.Month, AValue.Day, AValue.Hour, AValue.Minute, AValue.Second,
                        static_cast<int>(std::min<uint32_t>(AValue.Fractions, INT32_MAX)));
}

bool IsSQLTimeStampDate(TDateTime AValue) {
  return std::isfinite(AValue) && AValue >= EncodeDate(1, 1, 1) && AValue < EncodeDate(9999, 12, 31) + 1;
}

TSQLTimeStamp DateTimeToSQLTimeStamp(TDateTime AValue) {
  if (!IsSQLTimeStampDate(AValue)) throw EConvertError(L"Invalid argument to date encode");
  int year, month, day, hour, minute, second, milliseconds;
  DecodeDateTime(AValue, year, month, day, hour, minute, second, milliseconds);
  return {static_cast<int16_t>(year), static_cast<uint16_t>(month), static_cast<uint16_t>(day),
          static_cast<uint16_t>(hour), static_cast<uint16_t>(minute), static_cast<uint16_t>(second),
          static_cast<uint32_t>(milliseconds)};
}

Variant VarSQLTimeStampCreate(const TSQLTimeStamp& AValue) {
  Variant result = Variant::OfType(varSQLTimeStamp);
  result.FDouble = SQLTimeStampToDateTime(AValue);
  return result;
}

TSQLTimeStamp VarToSQLTimeStamp(const Variant& V) {
  return DateTimeToSQLTimeStamp(V.FType == varSQLTimeStamp ? V.FDouble : V.AsDateTime());
}
