#pragma once
// The code library's base: its exception classes, the Windows error
// exception with the system's message text, and the replacement character
// of the ANSI code page.
#include <cstdint>
#include <functional>

#include "vcl/rtl/ResString.h"
#include "vcl/rtl/SysUtils.h"
#include "vcl/rtl/UnitStartup.h"

VCL_EXCEPTION(EUclError, Exception)
VCL_EXCEPTION(EUclInternalError, EUclError)

// Carries the calling thread's last error and its system text; the message
// reads "Win32 error: <text> (<number>)", a line break, then the caller's
// text.
class EUclWin32Error : public EUclError {
public:
  explicit EUclWin32Error(const String& Msg);
  EUclWin32Error(const String& Msg, std::initializer_list<TVarRec> Args);
  // The text of a string resource of the program.
  explicit EUclWin32Error(uint32_t Ident);
  explicit EUclWin32Error(const TResStringRec* ResString);
  const wchar_t* ClassName() const override { return L"EUclWin32Error"; }

  uint32_t LastError() const { return FLastError; }
  const String& LastErrorMsg() const { return FLastErrorMsg; }

private:
  // The error is taken before the caller's text is made, which may change it.
  EUclWin32Error(uint32_t Error, const std::function<String()>& Text);
  uint32_t FLastError;
  String FLastErrorMsg;
};

// The first byte of the default character of the system's ANSI code page.
extern char AnsiReplacementCharacter;
// Raises EUclInternalError when the code page cannot be asked.
void ReadAnsiReplacementChar();

// The module (program or library) that this copy of the code is linked into.
HINSTANCE__* UclModuleInstance();

extern const TUnitEntry UclBaseUnit;
