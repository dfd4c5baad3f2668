#include "bizlibs/ZQUtils01/ZQUtils01.h"

#include <cwchar>

#include "vcl/rtl/SysUtils.h"
#include "vcl/rtl/WinApi.h"

#include <oleauto.h>

namespace {

// "yyyy-mm-dd hh:nn:ss", the form all three dialects read without regard
// to the session's language.
String TextoDataHora(double AData) {
  SYSTEMTIME st;
  if (!VariantTimeToSystemTime(AData, &st))
    throw EConvertError(Format(L"Data inv\u00E1lida para o SQL: %g", {AData}));
  wchar_t texto[32];
  swprintf(texto, 32, L"%04u-%02u-%02u %02u:%02u:%02u", st.wYear, st.wMonth, st.wDay, st.wHour,
           st.wMinute, st.wSecond);
  return texto;
}

}  // namespace

int __stdcall DLL_NumStr(const wchar_t* ATexto, int ACodigo) {
  int n = 0;
  if (ATexto)
    for (const wchar_t* c = ATexto; *c; ++c)
      if (*c == ACodigo) ++n;
  return n;
}

void __stdcall DLL_DataPSql(String& AResultado, double AData, const wchar_t* ABanco) {
  const String banco = UpperCase(ABanco ? ABanco : L"");
  if (banco == L"INTERBASE")
    AResultado = L"CAST('" + TextoDataHora(AData) + L"' AS TIMESTAMP)";
  else if (banco == L"ORACLE")
    AResultado = L"TO_DATE('" + TextoDataHora(AData) + L"', 'YYYY-MM-DD HH24:MI:SS')";
  else if (banco == L"SQLSERVER")
    AResultado = L"CONVERT(DATETIME, '" + TextoDataHora(AData) + L"', 120)";
  else
    throw EArgumentException(
        Format(L"Tipo de banco de dados desconhecido para a data SQL: '%s'", {banco}));
}
