#include <gtest/gtest.h>

#include "sqlutil/KWYUtils.h"
#include "tests/dbfixture/TestDatabase.h"
#include "vcl/rtl/DateUtils.h"

// The repair run pastes the date expression into an INSERT and into both
// bounds of a BETWEEN; Firebird must read it as that timestamp.
TEST(DataPSqlFirebird, ServesAsInsertValueAndBetweenBounds) {
  TTestDatabase db;
  db.Execute({L"create table operacao (id integer, dta timestamp)"});
  const TDateTime dia = EncodeDate(2026, 12, 10), tarde = EncodeDateTime(2026, 12, 10, 13, 5, 9, 0);
  const auto conexao = db.Connect();
  conexao->ExecuteDirect(L"insert into operacao values (1, " + DataPSql(L"INTERBASE", dia) + L")");
  conexao->ExecuteDirect(L"insert into operacao values (2, " + DataPSql(L"INTERBASE", tarde) + L")");
  TSQLDataSet consulta(nullptr);
  consulta.SetSQLConnection(conexao.get());
  consulta.SetCommandText(L"select id, dta from operacao where dta between " + DataPSql(L"INTERBASE", dia) +
                          L" and " + DataPSql(L"INTERBASE", dia) + L" order by id");
  consulta.Open();
  ASSERT_EQ(consulta.RecordCount(), 1);
  EXPECT_EQ(consulta.FieldByName(L"ID")->AsInteger(), 1);
  EXPECT_DOUBLE_EQ(consulta.FieldByName(L"DTA")->AsDateTime(), dia);
  consulta.Close();
  consulta.SetCommandText(L"select dta from operacao where id = 2");
  consulta.Open();
  EXPECT_NEAR(consulta.FieldByName(L"DTA")->AsDateTime(), tarde, 1e-8);
}
