#include "codelib/UclBase.h"

#include "codelib/UclUnitVersioning.h"
#include "vcl/rtl/WinApi.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

String StringResource(uint32_t Ident) {
  const wchar_t* text = nullptr;
  const int length = LoadStringW(UclModuleInstance(), Ident, reinterpret_cast<wchar_t*>(&text), 0);
  return length > 0 ? String(text, length) : String();
}

}  // namespace

EUclWin32Error::EUclWin32Error(uint32_t Error, const std::function<String()>& Text)
    : EUclError(Format(L"Win32 error: %s (%u)%s%s", {SysErrorMessage(Error), Error, L"\r\n", Text()})),
      FLastError(Error),
      FLastErrorMsg(SysErrorMessage(Error)) {}

EUclWin32Error::EUclWin32Error(const String& Msg)
    : EUclWin32Error(GetLastError(), [&] { return Msg; }) {}

EUclWin32Error::EUclWin32Error(const String& Msg, std::initializer_list<TVarRec> Args)
    : EUclWin32Error(GetLastError(), [&] { return Format(Msg, Args); }) {}

EUclWin32Error::EUclWin32Error(uint32_t Ident)
    : EUclWin32Error(GetLastError(), [&] { return StringResource(Ident); }) {}

EUclWin32Error::EUclWin32Error(const TResStringRec* ResString)
    : EUclWin32Error(GetLastError(), [&] { return LoadResString(ResString); }) {}

char AnsiReplacementCharacter = 0;

void ReadAnsiReplacementChar() {
  CPINFO info;
  if (!GetCPInfo(CP_ACP, &info)) throw EUclInternalError(L"Failed to get ANSI replacement character");
  AnsiReplacementCharacter = static_cast<char>(info.DefaultChar[0]);
}

HINSTANCE UclModuleInstance() { return reinterpret_cast<HINSTANCE>(&__ImageBase); }

namespace {

const TUnitVersionInfo UnitVersioning{L"$URL$", L"$Revision$", L"$Date$", L"UCL\\source\\common", L"",
                                      nullptr};

void UclBaseInitialize() {
  ReadAnsiReplacementChar();
  AddUnitVersionRecord(UclModuleInstance(), &UnitVersioning);
}

void UclBaseFinalize() { RemoveUnitVersionRecord(UclModuleInstance()); }

}  // namespace

const TUnitEntry UclBaseUnit{L"UclBase", UclBaseInitialize, UclBaseFinalize};
