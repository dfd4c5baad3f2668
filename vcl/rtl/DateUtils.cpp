#include "vcl/rtl/DateUtils.h"

#include <cmath>

#include "vcl/rtl/SysUtils.h"
#include "vcl/rtl/WinApi.h"

namespace {
constexpr int64_t MSecsPerDayInt = 86400000;

// A date-time rounded to the millisecond: days since 0001-01-01 (day 1)
// and milliseconds into the day. The date part of a negative value counts
// towards zero, its time is the fraction's magnitude, as the framework has it.
struct TTimeStamp {
  int64_t Date;
  int64_t Time;
};

// Days past about a billion years would overflow the year.
constexpr int64_t MaxDays = 365LL * 1000000000;

// A time that rounds up to midnight moves to the next calendar day, which
// for a negative value is the one nearer zero. A value too far from zero
// (or not a number) has no day: day 0, which decodes to zeros.
TTimeStamp ToTimeStamp(TDateTime Value) {
  if (!(std::fabs(Value) < MaxDays)) return {0, 0};
  const double days = std::trunc(Value);
  int64_t date = DateDelta + static_cast<int64_t>(days);
  int64_t time = std::llrint(std::fabs(Value - days) * MSecsPerDay);
  if (time == MSecsPerDayInt) {
    ++date;
    time = 0;
  }
  return {date, time};
}

TDateTime WithTime(TDateTime Date, TDateTime Time) {
  const double fraction = std::fabs(Time - std::trunc(Time));
  return Date >= 0 ? Date + fraction : Date - fraction;
}

String Padded(int Value, int Digits) { return Format(L"%.*d", {Digits, Value}); }
}  // namespace

// ---------------------------------------------------------------- encoding

bool IsLeapYear(int Year) { return Year % 4 == 0 && (Year % 100 != 0 || Year % 400 == 0); }

int DaysInAMonth(int Year, int Month) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (Month < 1 || Month > 12) return 0;
  return Month == 2 && IsLeapYear(Year) ? 29 : days[Month - 1];
}

bool TryEncodeDate(int Year, int Month, int Day, TDateTime& Date) {
  if (Year < 1 || Year > 9999 || Day < 1 || Day > DaysInAMonth(Year, Month)) return false;
  for (int m = 1; m < Month; ++m) Day += DaysInAMonth(Year, m);
  const int y = Year - 1;
  Date = y * 365 + y / 4 - y / 100 + y / 400 + Day - DateDelta;
  return true;
}

TDateTime EncodeDate(int Year, int Month, int Day) {
  TDateTime result;
  if (!TryEncodeDate(Year, Month, Day, result))
    throw EConvertError(L"Invalid argument to date encode");
  return result;
}

bool TryEncodeTime(int Hour, int Min, int Sec, int MSec, TDateTime& Time) {
  if (Hour < 0 || Hour >= 24 || Min < 0 || Min >= 60 || Sec < 0 || Sec >= 60 || MSec < 0 ||
      MSec >= 1000)
    return false;
  Time = (((Hour * 60 + Min) * 60 + Sec) * 1000 + MSec) / MSecsPerDay;
  return true;
}

TDateTime EncodeTime(int Hour, int Min, int Sec, int MSec) {
  TDateTime result;
  if (!TryEncodeTime(Hour, Min, Sec, MSec, result))
    throw EConvertError(L"Invalid argument to time encode");
  return result;
}

bool TryEncodeDateTime(int Year, int Month, int Day, int Hour, int Min, int Sec, int MSec,
                       TDateTime& Value) {
  TDateTime date, time;
  if (!TryEncodeDate(Year, Month, Day, date) || !TryEncodeTime(Hour, Min, Sec, MSec, time))
    return false;
  Value = WithTime(date, time);
  return true;
}

TDateTime EncodeDateTime(int Year, int Month, int Day, int Hour, int Min, int Sec, int MSec) {
  return WithTime(EncodeDate(Year, Month, Day), EncodeTime(Hour, Min, Sec, MSec));
}

bool DecodeDateFully(TDateTime Date, int& Year, int& Month, int& Day, int& DOW) {
  int64_t t = ToTimeStamp(Date).Date;
  if (t <= 0) {
    Year = Month = Day = DOW = 0;
    return false;
  }
  DOW = static_cast<int>(t % 7) + 1;
  --t;
  constexpr int D1 = 365, D4 = D1 * 4 + 1, D100 = D4 * 25 - 1, D400 = D100 * 4 + 1;
  int y = 1 + static_cast<int>(t / D400) * 400;
  int64_t d = t % D400;
  int64_t i = d / D100;
  d %= D100;
  if (i == 4) {
    --i;
    d += D100;
  }
  y += static_cast<int>(i) * 100;
  y += static_cast<int>(d / D4) * 4;
  d %= D4;
  i = d / D1;
  d %= D1;
  if (i == 4) {
    --i;
    d += D1;
  }
  y += static_cast<int>(i);
  int m = 1;
  while (d >= DaysInAMonth(y, m)) d -= DaysInAMonth(y, m++);
  Year = y;
  Month = m;
  Day = static_cast<int>(d) + 1;
  return IsLeapYear(y);
}

void DecodeDate(TDateTime Date, int& Year, int& Month, int& Day) {
  int dow;
  DecodeDateFully(Date, Year, Month, Day, dow);
}

void DecodeTime(TDateTime Time, int& Hour, int& Min, int& Sec, int& MSec) {
  int64_t ms = ToTimeStamp(Time).Time;
  Hour = static_cast<int>(ms / 3600000);
  ms %= 3600000;
  Min = static_cast<int>(ms / 60000);
  ms %= 60000;
  Sec = static_cast<int>(ms / 1000);
  MSec = static_cast<int>(ms % 1000);
}

void DecodeDateTime(TDateTime Value, int& Year, int& Month, int& Day, int& Hour, int& Min,
                    int& Sec, int& MSec) {
  DecodeDate(Value, Year, Month, Day);
  DecodeTime(Value, Hour, Min, Sec, MSec);
}

int DayOfWeek(TDateTime Date) { return static_cast<int>(ToTimeStamp(Date).Date % 7) + 1; }

int YearOf(TDateTime Value) {
  int y, m, d;
  DecodeDate(Value, y, m, d);
  return y;
}

int MonthOf(TDateTime Value) {
  int y, m, d;
  DecodeDate(Value, y, m, d);
  return m;
}

int DayOf(TDateTime Value) {
  int y, m, d;
  DecodeDate(Value, y, m, d);
  return d;
}

TDateTime DateOf(TDateTime Value) {
  return static_cast<double>(ToTimeStamp(Value).Date - DateDelta);
}

TDateTime TimeOf(TDateTime Value) { return ToTimeStamp(Value).Time / MSecsPerDay; }

TDateTime IncMonth(TDateTime Date, int NumberOfMonths) {
  int y, m, d;
  DecodeDate(Date, y, m, d);
  const int months = y * 12 + (m - 1) + NumberOfMonths;
  y = months / 12;
  m = months % 12 + 1;
  if (d > DaysInAMonth(y, m)) d = DaysInAMonth(y, m);
  return WithTime(EncodeDate(y, m, d), Date);
}

TDateTime Now() {
  SYSTEMTIME st;
  GetLocalTime(&st);
  return EncodeDateTime(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond,
                        st.wMilliseconds);
}

TDateTime Date() { return std::trunc(Now()); }

TDateTime Time() {
  const TDateTime now = Now();
  return now - std::trunc(now);
}

int CurrentYear() {
  SYSTEMTIME st;
  GetLocalTime(&st);
  return st.wYear;
}

// ---------------------------------------------------------------- formatting

namespace {
class TDateFormatter {
public:
  TDateFormatter(TDateTime Value, const TFormatSettings& Settings) : FSettings(Settings) {
    DecodeDateFully(Value, FYear, FMonth, FDay, FDayOfWeek);
    if (FYear == 0)
      throw EConvertError(Format(L"%s is not a date and time that can be shown", {FloatToStr(Value)}));
    DecodeTime(Value, FHour, FMin, FSec, FMSec);
    FHasTime = FHour || FMin || FSec || FMSec;
  }

  String Run(const String& Picture) {
    Append(Picture, 0);
    return FResult;
  }

private:
  // Nested pictures (ddddd, c, t) are expanded only two levels deep, so a
  // picture that names itself cannot recurse without end.
  void Append(const String& Picture, int Level) {
    if (Level > 2) return;
    Char lastToken = 0;
    size_t p = 0;
    while (p < Picture.size()) {
      const Char starter = Picture[p];
      Char token = static_cast<Char>(towupper(starter));
      if (token >= L'A' && token <= L'Z') {
        if (token == L'M' && lastToken == L'H') token = L'N';
        lastToken = token;
      }
      const int count = RunLength(Picture, p, starter);
      switch (token) {
        case L'Y':
          p += count;
          FResult += count <= 2 ? Padded(FYear % 100, 2) : Padded(FYear, 4);
          break;
        case L'E':
          p += count;
          FResult += Padded(FYear, count >= 2 ? 2 : 1);
          break;
        case L'G':
          p += count;  // era names: none in the Gregorian calendar
          break;
        case L'M':
          p += count;
          if (count <= 2)
            FResult += Padded(FMonth, count);
          else if (FMonth > 0)
            FResult += (count == 3 ? FSettings.ShortMonthNames : FSettings.LongMonthNames)[FMonth - 1];
          break;
        case L'D':
          p += count;
          AppendDay(count, Level);
          break;
        case L'H':
          p += count;
          AppendHour(Picture, p, count);
          break;
        case L'N':
          p += count;
          FResult += Padded(FMin, count >= 2 ? 2 : 1);
          break;
        case L'S':
          p += count;
          FResult += Padded(FSec, count >= 2 ? 2 : 1);
          break;
        case L'Z':
          p += count;
          FResult += Padded(FMSec, count >= 2 ? 3 : 1);
          break;
        case L'T':
          p += count;
          Append(count == 1 ? FSettings.ShortTimeFormat : FSettings.LongTimeFormat, Level + 1);
          break;
        case L'C':
          p += count;
          Append(FSettings.ShortDateFormat, Level + 1);
          if (FHasTime) {
            FResult += L' ';
            Append(FSettings.LongTimeFormat, Level + 1);
          }
          break;
        case L'A':
          AppendAmPm(Picture, p);
          break;
        case L'/':
          ++p;
          FResult += FSettings.DateSeparator;
          break;
        case L':':
          ++p;
          FResult += FSettings.TimeSeparator;
          break;
        case L'\'':
        case L'"': {
          const size_t end = Picture.find(starter, p + 1);
          const size_t stop = end == String::npos ? Picture.size() : end;
          FResult.append(Picture, p + 1, stop - p - 1);
          p = end == String::npos ? stop : end + 1;
          break;
        }
        default:
          ++p;
          FResult += starter;
      }
    }
  }

  static int RunLength(const String& Picture, size_t p, Char C) {
    const Char upper = static_cast<Char>(towupper(C));
    size_t q = p;
    while (q < Picture.size() && towupper(Picture[q]) == upper) ++q;
    return static_cast<int>(q - p);
  }

  void AppendDay(int Count, int Level) {
    switch (Count) {
      case 1:
      case 2: FResult += Padded(FDay, Count); break;
      case 3: if (FDayOfWeek) FResult += FSettings.ShortDayNames[FDayOfWeek - 1]; break;
      case 4: if (FDayOfWeek) FResult += FSettings.LongDayNames[FDayOfWeek - 1]; break;
      case 5: Append(FSettings.ShortDateFormat, Level + 1); break;
      default: Append(FSettings.LongDateFormat, Level + 1);
    }
  }

  // A 12-hour clock when an am/pm picture follows somewhere in the picture.
  void AppendHour(const String& Picture, size_t From, int Count) {
    bool twelve = false;
    for (size_t q = From; q < Picture.size() && !twelve; ++q) {
      const Char c = Picture[q];
      if (c == L'\'' || c == L'"') {
        const size_t end = Picture.find(c, q + 1);
        if (end == String::npos) break;
        q = end;
      } else if (c == L'a' || c == L'A') {
        twelve = AmPmPictureAt(Picture, q) > 0;
      }
    }
    int hour = FHour;
    if (twelve) {
      hour %= 12;
      if (hour == 0) hour = 12;
    }
    FResult += Padded(hour, Count >= 2 ? 2 : 1);
  }

  // Length of the am/pm picture at q ("am/pm" 5, "a/p" 3, "ampm" 4), or 0.
  static size_t AmPmPictureAt(const String& Picture, size_t q) {
    for (const wchar_t* picture : {L"am/pm", L"a/p", L"ampm"}) {
      const String candidate = Picture.substr(q, wcslen(picture));
      if (SameText(candidate, picture)) return candidate.size();
    }
    return 0;
  }

  void AppendAmPm(const String& Picture, size_t& p) {
    const size_t length = AmPmPictureAt(Picture, p);
    const bool pm = FHour >= 12;
    if (length == 5) {  // the picture's own letters, so their case is kept
      FResult += Picture.substr(pm ? p + 3 : p, 2);
    } else if (length == 3) {
      FResult += Picture[pm ? p + 2 : p];
    } else if (length == 4) {
      FResult += pm ? FSettings.TimePMString : FSettings.TimeAMString;
    } else {
      FResult += Picture[p];
      ++p;
      return;
    }
    p += length;
  }

  const TFormatSettings& FSettings;
  int FYear, FMonth, FDay, FDayOfWeek, FHour, FMin, FSec, FMSec;
  bool FHasTime;
  String FResult;
};
}  // namespace

String FormatDateTime(const String& Format, TDateTime Value, const TFormatSettings& Settings) {
  return TDateFormatter(Value, Settings).Run(Format.empty() ? L"c" : Format);
}

String FormatDateTime(const String& Format, TDateTime Value) {
  return FormatDateTime(Format, Value, FormatSettings);
}

String DateToStr(TDateTime Date, const TFormatSettings& Settings) {
  return FormatDateTime(L"ddddd", Date, Settings);
}
String DateToStr(TDateTime Date) { return DateToStr(Date, FormatSettings); }

String TimeToStr(TDateTime Time, const TFormatSettings& Settings) {
  return FormatDateTime(L"tt", Time, Settings);
}
String TimeToStr(TDateTime Time) { return TimeToStr(Time, FormatSettings); }

String DateTimeToStr(TDateTime Value, const TFormatSettings& Settings) {
  return FormatDateTime(L"c", Value, Settings);
}
String DateTimeToStr(TDateTime Value) { return DateTimeToStr(Value, FormatSettings); }

// ---------------------------------------------------------------- parsing

namespace {
class TDateScanner {
public:
  TDateScanner(const String& Text, const TFormatSettings& Settings)
      : FText(Text), FSettings(Settings) {}

  bool AtEnd() const { return FPos >= FText.size(); }

  bool ScanDate(TDateTime& Date) {
    int n1, n2, n3 = 0, l1, l2, l3 = 0;
    if (!ScanNumber(n1, l1) || !ScanChar(FSettings.DateSeparator) || !ScanNumber(n2, l2))
      return false;
    int y, m, d;
    const Char order = DateOrder();
    if (ScanChar(FSettings.DateSeparator)) {
      if (!ScanNumber(n3, l3)) return false;
      int yearLength;
      if (order == L'Y') {
        y = n1, m = n2, d = n3, yearLength = l1;
      } else {
        y = n3, yearLength = l3;
        m = order == L'M' ? n1 : n2;
        d = order == L'M' ? n2 : n1;
      }
      if (yearLength <= 2) {
        const int base = CurrentYear() - FSettings.TwoDigitYearCenturyWindow;
        y += base / 100 * 100;
        if (FSettings.TwoDigitYearCenturyWindow > 0 && y < base) y += 100;
      }
    } else {
      y = CurrentYear();
      m = order == L'D' ? n2 : n1;
      d = order == L'D' ? n1 : n2;
    }
    ScanChar(FSettings.DateSeparator);
    ScanBlanks();
    return TryEncodeDate(y, m, d, Date);
  }

  bool ScanTime(TDateTime& Time) {
    int baseHour = ScanAmPm();
    int hour, min = 0, sec = 0, msec = 0, length;
    if (!ScanNumber(hour, length)) return false;
    if (ScanChar(FSettings.TimeSeparator)) {
      if (!ScanNumber(min, length)) return false;
      if (ScanChar(FSettings.TimeSeparator)) {
        if (!ScanNumber(sec, length)) return false;
        if (ScanChar(FSettings.DecimalSeparator) && !ScanFraction(msec)) return false;
      }
    }
    if (baseHour < 0) baseHour = ScanAmPm();
    if (baseHour >= 0) {
      if (hour == 0 || hour > 12) return false;
      hour = hour % 12 + baseHour;
    }
    ScanBlanks();
    return TryEncodeTime(hour, min, sec, msec, Time);
  }

private:
  // Which of day, month and year the short date picture names first.
  Char DateOrder() const {
    for (Char c : FSettings.ShortDateFormat) {
      const Char u = static_cast<Char>(towupper(c));
      if (u == L'D' || u == L'M') return u;
      if (u == L'Y' || u == L'E') return L'Y';
    }
    return L'M';
  }

  void ScanBlanks() {
    while (FPos < FText.size() && FText[FPos] == L' ') ++FPos;
  }

  bool ScanChar(Char C) {
    const size_t start = FPos;
    ScanBlanks();
    if (C == L' ') return FPos > start;
    if (FPos < FText.size() && FText[FPos] == C) {
      ++FPos;
      return true;
    }
    return false;
  }

  bool ScanNumber(int& Value, int& Digits) {
    ScanBlanks();
    const size_t start = FPos;
    Value = 0;
    while (FPos < FText.size() && FText[FPos] >= L'0' && FText[FPos] <= L'9' && FPos - start < 9)
      Value = Value * 10 + (FText[FPos++] - L'0');
    Digits = static_cast<int>(FPos - start);
    return Digits > 0 && !(FPos < FText.size() && FText[FPos] >= L'0' && FText[FPos] <= L'9');
  }

  // Fractions of a second: ".5" is 500 milliseconds; digits beyond the
  // third are dropped.
  bool ScanFraction(int& MSec) {
    const size_t start = FPos;
    MSec = 0;
    int scale = 100;
    while (FPos < FText.size() && FText[FPos] >= L'0' && FText[FPos] <= L'9') {
      MSec += (FText[FPos++] - L'0') * scale;
      scale /= 10;
    }
    return FPos > start;
  }

  bool ScanString(const String& Word) {
    ScanBlanks();
    if (Word.empty() || !SameText(FText.substr(FPos, Word.size()), Word)) return false;
    FPos += Word.size();
    return true;
  }

  // 0 for am, 12 for pm, -1 for neither.
  int ScanAmPm() {
    int base = -1;
    if (ScanString(FSettings.TimeAMString) || ScanString(L"AM"))
      base = 0;
    else if (ScanString(FSettings.TimePMString) || ScanString(L"PM"))
      base = 12;
    ScanBlanks();
    return base;
  }

  const String& FText;
  const TFormatSettings& FSettings;
  size_t FPos = 0;
};

[[noreturn]] void NotValid(const String& S, const wchar_t* What) {
  throw EConvertError(Format(L"'%s' is not a valid %s", {S, What}));
}
}  // namespace

bool TryStrToDate(const String& S, TDateTime& Value, const TFormatSettings& Settings) {
  TDateScanner scanner(S, Settings);
  return scanner.ScanDate(Value) && scanner.AtEnd();
}

bool TryStrToTime(const String& S, TDateTime& Value, const TFormatSettings& Settings) {
  TDateScanner scanner(S, Settings);
  return scanner.ScanTime(Value) && scanner.AtEnd();
}

bool TryStrToDateTime(const String& S, TDateTime& Value, const TFormatSettings& Settings) {
  TDateScanner scanner(S, Settings);
  TDateTime date, time = 0;
  if (!scanner.ScanDate(date) || !(scanner.AtEnd() || (scanner.ScanTime(time) && scanner.AtEnd())))
    return TryStrToTime(S, Value, Settings);
  Value = WithTime(date, time);
  return true;
}

bool TryStrToDate(const String& S, TDateTime& Value) { return TryStrToDate(S, Value, FormatSettings); }
bool TryStrToTime(const String& S, TDateTime& Value) { return TryStrToTime(S, Value, FormatSettings); }
bool TryStrToDateTime(const String& S, TDateTime& Value) {
  return TryStrToDateTime(S, Value, FormatSettings);
}

TDateTime StrToDate(const String& S, const TFormatSettings& Settings) {
  TDateTime value;
  if (!TryStrToDate(S, value, Settings)) NotValid(S, L"date");
  return value;
}

TDateTime StrToTime(const String& S, const TFormatSettings& Settings) {
  TDateTime value;
  if (!TryStrToTime(S, value, Settings)) NotValid(S, L"time");
  return value;
}

TDateTime StrToDateTime(const String& S, const TFormatSettings& Settings) {
  TDateTime value;
  if (!TryStrToDateTime(S, value, Settings)) NotValid(S, L"date and time");
  return value;
}

TDateTime StrToDate(const String& S) { return StrToDate(S, FormatSettings); }
TDateTime StrToTime(const String& S) { return StrToTime(S, FormatSettings); }
TDateTime StrToDateTime(const String& S) { return StrToDateTime(S, FormatSettings); }
