#pragma once
// Exports of the business system's utilities library ZQUtils01.dll. Texts
// come in as a pointer to their first character (null is the empty text);
// the program and the library share one heap, so the output text may be
// assigned inside the library and freed by the caller.
#include "vcl/rtl/System.h"

extern "C" {
// The number of characters of code ACodigo in ATexto.
int __stdcall DLL_NumStr(const wchar_t* ATexto, int ACodigo);
// AResultado := an SQL expression for the date-time AData in the dialect of
// the database kind ABanco ("INTERBASE", "ORACLE" or "SQLSERVER"). Raises
// EArgumentException for any other kind and EConvertError for a date
// outside the years 100 to 9999.
void __stdcall DLL_DataPSql(String& AResultado, double AData, const wchar_t* ABanco);
}
