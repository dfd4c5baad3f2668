// The time-stamp variant kind: it keeps its kind, reads as the date it
// names, and any date or date text becomes one.
#include <gtest/gtest.h>

#include "vcl/rtl/DateUtils.h"
#include "vcl/rtl/SqlTimSt.h"

TEST(SqlTimeStamp, AVariantKeepsItsKindAndReadsAsItsDate) {
  const TSQLTimeStamp stamp{2024, 2, 29, 23, 59, 58, 250};
  const Variant v = VarSQLTimeStampCreate(stamp);
  EXPECT_EQ(varSQLTimeStamp, VarType(v));
  EXPECT_TRUE(VarIsSQLTimeStamp(v));
  EXPECT_EQ(L"SQLTimeStamp", VarTypeAsText(VarType(v)));
  EXPECT_DOUBLE_EQ(EncodeDateTime(2024, 2, 29, 23, 59, 58, 250), v.AsDateTime());
  EXPECT_EQ(varDate, VarType(VarAsType(v, varDate)));
  EXPECT_EQ(DateTimeToStr(v.AsDateTime()), v.AsString());
  const TSQLTimeStamp back = VarToSQLTimeStamp(v);
  EXPECT_EQ(stamp.Year, back.Year);
  EXPECT_EQ(stamp.Second, back.Second);
  EXPECT_EQ(stamp.Fractions, back.Fractions);
  // Compared by the date it names.
  EXPECT_TRUE(v == VarFromDateTime(v.AsDateTime()));
  EXPECT_TRUE(VarFromDateTime(1.0) < v);
}

TEST(SqlTimeStamp, DatesAndDateTextsBecomeTimeStamps) {
  const Variant fromDate = VarAsType(VarFromDateTime(EncodeDateTime(1999, 12, 31, 8, 30, 0, 0)), varSQLTimeStamp);
  EXPECT_EQ(varSQLTimeStamp, VarType(fromDate));
  EXPECT_EQ(1999, VarToSQLTimeStamp(fromDate).Year);
  EXPECT_EQ(30, VarToSQLTimeStamp(fromDate).Minute);
  const TSQLTimeStamp fromText = VarToSQLTimeStamp(Variant(DateTimeToStr(EncodeDate(2001, 12, 3))));
  EXPECT_EQ(12, fromText.Month);
  EXPECT_EQ(3, fromText.Day);
  EXPECT_THROW(VarToSQLTimeStamp(Variant(L"no date")), EVariantError);
  EXPECT_THROW(VarToSQLTimeStamp(Null()), EVariantTypeCastError);
}
