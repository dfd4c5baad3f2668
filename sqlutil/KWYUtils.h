#pragma once
// The maker's utility unit: the SQL dialect translator that rewrites SELECT
// texts written for Firebird and Oracle for SQL Server, the stock-item price
// rewrite, the utilities library's date literals and character counts, and
// the stored-password unscrambler, and the message callback.
#include <functional>

#include "vcl/data/DBXCommon.h"
#include "vcl/rtl/SysUtils.h"
#include "vcl/rtl/UnitStartup.h"

// The SELECT text ASQL rewritten for the database kind ABanco (compared
// upper-cased): the stock-item price rewrite for every kind, then, for
// "SQLSERVER", the SQL Server dialect. ARevenda and AForca only reach the
// price rewrite.
String ConverteSQL(const String& ASQL, const String& ABanco, int ARevenda, bool AForca);

// Lifts every aggregate whose argument is a sub-select into a derived table
// ("T1", "T2", ...) joined with "left outer join" to the outer alias the
// sub-select refers to.
String ConverteAgregacaoSubSelect(String ASQL);

// Replaces the stock item's price columns read from PEC_ITEM_ESTOQUE by
// lookups in the dealer's price table. A text with a parameter marker ":"
// is left alone unless AForca is set.
String AjustaPrecoItem(const String& ASQL, int ARevenda, bool AForca);
// The lookup of one price column for the stock item of alias AAlias
// (PEC_ITEM_ESTOQUE itself when empty), named after the column.
String ExpressaoPreco(const String& ACampo, const String& AAlias, int ARevenda);

// The number of characters of code ACodigo in ATexto (utilities library).
int NumStr(const String& ATexto, int ACodigo);
// The SQL expression for ADataHora in the dialect of ABanco (utilities
// library).
String DataPSql(const String& ABanco, TDateTime ADataHora);

// The password held scrambled in the password file's first line.
String DecodificaSenha(const String& ASenha);

// Answers a request with a new value that the caller owns.
using TDSCallbackMethod = std::function<TJSONValue*(TJSONValue* Arg)>;

// A callback through which the database side asks the operator something:
// the request "kind#$#text" becomes a dialog, the answer a JSON value.
class TMessageCallback : public TDBXCallback {
  VCL_CLASS(TMessageCallback, TDBXCallback)
public:
  explicit TMessageCallback(TDSCallbackMethod CallBackMethod)
      : FCallBackMethod(std::move(CallBackMethod)) {}
  TJSONValue* Execute(TJSONValue* Arg) override { return FCallBackMethod(Arg); }

  // Creates the callback that shows the requests as dialogs and keeps it in
  // the unit (freeing the one kept before, and at the unit's shut-down).
  static TMessageCallback* CreateCallback();

private:
  TDSCallbackMethod FCallBackMethod;
};

// Frees the kept message callback at shut-down.
extern const TUnitEntry KWYUtilsUnit;
