#pragma once
// Strings, the 1-based string routines, formatting and the exception
// hierarchy of the framework.
#include <exception>
#include <initializer_list>
#include <source_location>
#include <string>

#include "vcl/rtl/System.h"

struct TFormatSettings;

// ---------------------------------------------------------------- exceptions

class Exception : public std::exception {
public:
  explicit Exception(const String& AMessage);
  const String& Message() const { return FMessage; }
  void SetMessage(const String& AMessage);
  const char* what() const noexcept override { return FWhat.c_str(); }
  // The class name, for the default error dialog and logs.
  virtual const wchar_t* ClassName() const { return L"Exception"; }

private:
  String FMessage;
  std::string FWhat;  // UTF-8 copy for what()
};

#define VCL_EXCEPTION(Name, Parent)                                        \
  class Name : public Parent {                                             \
  public:                                                                  \
    using Parent::Parent;                                                  \
    const wchar_t* ClassName() const override { return VCL_WSTR_(Name); }    \
  };

VCL_EXCEPTION(EAbort, Exception)
VCL_EXCEPTION(EConvertError, Exception)
VCL_EXCEPTION(EListError, Exception)
VCL_EXCEPTION(EStringListError, EListError)
VCL_EXCEPTION(EInvalidCast, Exception)
VCL_EXCEPTION(EAbstractError, Exception)
VCL_EXCEPTION(EVariantError, Exception)
VCL_EXCEPTION(EInvalidOperation, Exception)
VCL_EXCEPTION(EArgumentException, Exception)
VCL_EXCEPTION(EOutOfMemory, Exception)
VCL_EXCEPTION(EStreamError, Exception)
VCL_EXCEPTION(EFilerError, EStreamError)
VCL_EXCEPTION(EReadError, EFilerError)
VCL_EXCEPTION(EWriteError, EFilerError)
VCL_EXCEPTION(EFOpenError, EStreamError)
VCL_EXCEPTION(EFCreateError, EStreamError)
VCL_EXCEPTION(EClassNotFound, EFilerError)
VCL_EXCEPTION(EResNotFound, Exception)
VCL_EXCEPTION(EComponentError, Exception)
VCL_EXCEPTION(EPropertyError, Exception)
VCL_EXCEPTION(EAssertionFailed, Exception)
VCL_EXCEPTION(EThread, Exception)

class EInOutError : public Exception {
public:
  EInOutError(const String& AMessage, int AErrorCode = 0)
      : Exception(AMessage), ErrorCode(AErrorCode) {}
  const wchar_t* ClassName() const override { return L"EInOutError"; }
  int ErrorCode;
};

class EOSError : public Exception {
public:
  EOSError(const String& AMessage, uint32_t AErrorCode = 0)
      : Exception(AMessage), ErrorCode(AErrorCode) {}
  const wchar_t* ClassName() const override { return L"EOSError"; }
  uint32_t ErrorCode;
};

// Raises EOSError for the calling thread's last error (or the given code).
[[noreturn]] void RaiseLastOSError();
[[noreturn]] void RaiseLastOSError(uint32_t AErrorCode);
// The system's message text for an error code.
String SysErrorMessage(uint32_t AErrorCode);

// Raises EAssertionFailed "Assertion failure (<source file>, line <n>)",
// naming the place of the check, when ACondition is false.
void Assert(bool ACondition, const std::source_location& ALocation = std::source_location::current());

// The list messages, shared by every list class.
extern const wchar_t* const SListIndexError;     // "List index out of bounds (%d)"
extern const wchar_t* const SListCapacityError;  // "List capacity out of bounds (%d)"
extern const wchar_t* const SListCountError;     // "List count out of bounds (%d)"

// ---------------------------------------------------------------- formatting

// One argument of Format, as the framework's open array of values.
struct TVarRec {
  enum class TKind { Integer, Unsigned, Float, String, Char, Pointer };
  TVarRec(int v) : Kind(TKind::Integer), Int(v) {}
  TVarRec(long v) : Kind(TKind::Integer), Int(v) {}
  TVarRec(long long v) : Kind(TKind::Integer), Int(v), Wide(true) {}
  TVarRec(unsigned v) : Kind(TKind::Unsigned), Int(static_cast<int64_t>(v)) {}
  TVarRec(unsigned long v) : Kind(TKind::Unsigned), Int(static_cast<int64_t>(v)) {}
  TVarRec(unsigned long long v) : Kind(TKind::Unsigned), Int(static_cast<int64_t>(v)), Wide(true) {}
  TVarRec(double v) : Kind(TKind::Float), Float(v) {}
  TVarRec(long double v) : Kind(TKind::Float), Float(static_cast<double>(v)) {}
  TVarRec(wchar_t v) : Kind(TKind::Char), Str(1, v) {}
  TVarRec(const wchar_t* v) : Kind(TKind::String), Str(v ? v : L"") {}
  TVarRec(const String& v) : Kind(TKind::String), Str(v) {}
  TVarRec(const void* v) : Kind(TKind::Pointer), Ptr(v) {}

  TKind Kind;
  int64_t Int = 0;  // an unsigned value's bits
  bool Wide = false;  // a 64-bit integer, not a 32-bit one
  double Float = 0;
  String Str;
  const void* Ptr = nullptr;
};

// Format with %d %u %x %e %f %g %n %m %s %p %%, each with optional index
// ("%1:s"), left justification ("-"), width and precision ("*" takes them
// from the arguments). A mismatch of specifier and argument, or too few
// arguments, raises EConvertError. %f %n %m %e %g use the separators (and
// %m the currency patterns) of the settings, FormatSettings by default.
String Format(const String& AFormat, std::initializer_list<TVarRec> AArgs);
String Format(const String& AFormat, std::initializer_list<TVarRec> AArgs,
              const TFormatSettings& ASettings);

// ---------------------------------------------------------------- strings
// Positions are 1-based, as in the framework; 0 means "not found".

inline int Length(const String& S) { return static_cast<int>(S.size()); }
int Pos(const String& SubStr, const String& S, int Offset = 1);
String Copy(const String& S, int Index, int Count);
String Copy(const String& S, int Index);  // from Index to the end
void Delete(String& S, int Index, int Count);
void Insert(const String& Source, String& S, int Index);
String StringOfChar(Char C, int Count);

String UpperCase(const String& S);      // ASCII letters only
String LowerCase(const String& S);      // ASCII letters only
String AnsiUpperCase(const String& S);  // every letter, by the system's rules
String AnsiLowerCase(const String& S);
String Trim(const String& S);           // blanks and control characters
String TrimLeft(const String& S);
String TrimRight(const String& S);
bool SameText(const String& A, const String& B);  // ASCII case-insensitive
int CompareText(const String& A, const String& B);
int CompareStr(const String& A, const String& B);
int AnsiCompareText(const String& A, const String& B);  // by the user's locale
int AnsiCompareStr(const String& A, const String& B);
bool AnsiSameText(const String& A, const String& B);
bool StartsText(const String& ASubText, const String& AText);
bool EndsText(const String& ASubText, const String& AText);
String QuotedStr(const String& S);  // 'it''s'
String AnsiDequotedStr(const String& S, Char AQuote);

enum class TReplaceFlag { ReplaceAll = 1, IgnoreCase = 2 };
struct TReplaceFlags {
  constexpr TReplaceFlags() = default;
  constexpr TReplaceFlags(TReplaceFlag f) : Bits(static_cast<int>(f)) {}
  constexpr TReplaceFlags operator|(TReplaceFlag f) const {
    TReplaceFlags r;
    r.Bits = Bits | static_cast<int>(f);
    return r;
  }
  constexpr bool Contains(TReplaceFlag f) const { return Bits & static_cast<int>(f); }
  int Bits = 0;
};
constexpr TReplaceFlags operator|(TReplaceFlag a, TReplaceFlag b) {
  return TReplaceFlags(a) | b;
}
constexpr TReplaceFlag rfReplaceAll = TReplaceFlag::ReplaceAll;
constexpr TReplaceFlag rfIgnoreCase = TReplaceFlag::IgnoreCase;
// Replaces the first (or every) occurrence of OldPattern; an empty pattern
// replaces nothing. With rfIgnoreCase letters compare by the system's rules.
String StringReplace(const String& S, const String& OldPattern, const String& NewPattern,
                     TReplaceFlags Flags);

String IntToStr(int64_t Value);
String IntToHex(int64_t Value, int Digits);
int StrToInt(const String& S);  // EConvertError: "'%s' is not a valid integer value"
int64_t StrToInt64(const String& S);
int StrToIntDef(const String& S, int Default);
bool TryStrToInt(const String& S, int& Value);
bool TryStrToInt64(const String& S, int64_t& Value);
// Shortest text, up to 15 significant digits, with the settings' decimal
// separator (FormatSettings by default).
String FloatToStr(double Value);
String FloatToStr(double Value, const TFormatSettings& Settings);
// Reads the settings' decimal separator; EConvertError "'%s' is not a valid
// floating point value".
double StrToFloat(const String& S);
double StrToFloat(const String& S, const TFormatSettings& Settings);
bool TryStrToFloat(const String& S, double& Value);
bool TryStrToFloat(const String& S, double& Value, const TFormatSettings& Settings);
String BoolToStr(bool B, bool UseBoolStrs = false);
// A number by a picture: "0" a digit always shown, "#" a digit when there
// is one, "." the decimal separator, "," anywhere before it groups the
// thousands, texts in quotes as they stand; up to three sections (positive;
// negative; zero) split by ";".
String FormatFloat(const String& Format, double Value);
String FormatFloat(const String& Format, double Value, const TFormatSettings& Settings);

// UTF-8 and the system's ANSI code page.
std::string ToUtf8(const String& S);
String FromUtf8(const std::string& S);
std::string ToAnsi(const String& S);
String FromAnsi(const std::string& S);

inline bool IsDelimiter(const String& Delimiters, const String& S, int Index) {
  return Index >= 1 && Index <= Length(S) && Delimiters.find(S[Index - 1]) != String::npos;
}
