// cxFormats: the display-format controller, the date/time format parser and
// the standard and regular-expression edit masks.
#include "components/core/cxFormats.h"

#include <algorithm>

#include "vcl/rtl/WinApi.h"

namespace {

int GUnitReferences = 0;
TcxFormatController* GInstance = nullptr;
bool GShutDown = false;

void Initialize() {
  if (GUnitReferences++ == 0) GShutDown = false;
}

void Finalize() {
  if (GUnitReferences == 0 || --GUnitReferences > 0) return;
  GShutDown = true;
  delete GInstance;
}

bool IsTwelveHourPicture(const String& APicture) { return StartsText(L"12", APicture); }

// The width of the longer of the platform's AM and PM texts.
int AmPmLength() { return std::max(Length(FormatSettings.TimeAMString), Length(FormatSettings.TimePMString)); }

// ---------------------------------------------------------------- format parser

// Turns one level of a format string into items of the info; the formats a
// letter stands for (C, DDDDD, T ...) are parsed one level deeper.
class TcxDateTimeFormatParser {
public:
  explicit TcxDateTimeFormatParser(TcxDateTimeFormatInfo& AInfo) : FInfo(AInfo) {}

  bool Parse(const String& AFormat, int ADepth);
  void Finish();

private:
  void AddLiteral(const String& AText);
  void AddItem(TcxDateTimeFormatItemKind AKind, const String& AData);
  // A time suffix or a day-name word starting at APos; its length, or 0.
  int ParseWordAt(const String& AFormat, size_t APos, bool& ATimeSuffix);

  TcxDateTimeFormatInfo& FInfo;
  bool FTwelveHour = false;
};

bool TcxDateTimeFormatParser::Parse(const String& AFormat, int ADepth) {
  if (ADepth == 2) return true;
  bool hourSeen = false, timeSuffixSeen = false;
  Char lastLetter = 0;
  size_t i = 0;
  while (i < AFormat.size()) {
    const Char written = AFormat[i];
    Char letter = written >= L'a' && written <= L'z' ? static_cast<Char>(written - 32) : written;
    if (letter >= L'A' && letter <= L'Z') {
      if (letter == L'M' && lastLetter == L'H') letter = L'N';  // the M of h:mm means minutes
      lastLetter = letter;
    }
    size_t run = 1;
    while (i + run < AFormat.size() && AFormat[i + run] == written) ++run;
    const int count = static_cast<int>(run);
    bool parsed = true;
    switch (letter) {
      case L'"':
      case L'\'': {
        const size_t close = AFormat.find(written, i + 1);
        const size_t end = close == String::npos ? AFormat.size() : close;
        AddLiteral(AFormat.substr(i + 1, end - i - 1));
        i = end + 1;
        continue;
      }
      case L'/': AddItem(dtikDateSeparator, L"/"); run = 1; break;
      case L':': AddItem(dtikTimeSeparator, L":"); run = 1; break;
      case L'A': {
        bool timeSuffix;
        run = ParseWordAt(AFormat, i, timeSuffix);
        if (run == 0) {
          AddLiteral(String(1, written));
          run = 1;
        }
        timeSuffixSeen = timeSuffixSeen || timeSuffix;
        break;
      }
      case L'C':
        parsed = Parse(FormatSettings.ShortDateFormat, ADepth + 1);
        if (parsed) {
          AddLiteral(L" ");
          parsed = Parse(cxLongTimeFormatText(), ADepth + 1);
        }
        break;
      case L'D':
        if (count <= 4)
          AddItem(dtikDay, String(count, L'D'));
        else
          parsed = Parse(count == 5 ? FormatSettings.ShortDateFormat : FormatSettings.LongDateFormat, ADepth + 1);
        break;
      case L'E':
      case L'Y': AddItem(dtikYear, count > 2 ? L"YYYY" : L"YY"); break;
      case L'G': return false;
      case L'H':
        hourSeen = true;
        AddItem(dtikHour, String(std::min(count, 2), L'H'));
        break;
      case L'M': AddItem(dtikMonth, String(std::min(count, 4), L'M')); break;
      case L'N': AddItem(dtikMin, String(std::min(count, 2), L'N')); break;
      case L'S': AddItem(dtikSec, String(std::min(count, 2), L'S')); break;
      case L'Z': AddItem(dtikMSec, String(std::min(count, 3), L'Z')); break;
      case L'T':
        parsed = Parse(count == 1 ? FormatSettings.ShortTimeFormat : cxLongTimeFormatText(), ADepth + 1);
        break;
      default: AddLiteral(String(1, written)); run = 1; break;
    }
    if (!parsed) return false;
    i += run;
  }
  // The 12-hour clock is the choice of the level that holds the hour.
  if (hourSeen) FTwelveHour = timeSuffixSeen;
  return true;
}

int TcxDateTimeFormatParser::ParseWordAt(const String& AFormat, size_t APos, bool& ATimeSuffix) {
  auto startsWith = [&](const wchar_t* AWord) { return SameText(AFormat.substr(APos, wcslen(AWord)), AWord); };
  ATimeSuffix = true;
  if (startsWith(L"AM/PM")) {
    AddItem(dtikTimeSuffix, AFormat.substr(APos, 5));
    return 5;
  }
  if (startsWith(L"A/P")) {
    AddItem(dtikTimeSuffix, AFormat.substr(APos, 3));
    return 3;
  }
  if (startsWith(L"AMPM")) {
    AddItem(dtikTimeSuffix, L"AMPM");
    return 4;
  }
  ATimeSuffix = false;
  if (startsWith(L"AAAA")) {
    AddItem(dtikDay, L"DDDD");
    return 4;
  }
  if (startsWith(L"AAA")) {
    AddItem(dtikDay, L"DDD");
    return 3;
  }
  return 0;
}

void TcxDateTimeFormatParser::AddLiteral(const String& AText) {
  if (FInfo.ItemCount() > 0 && FInfo.Items(FInfo.ItemCount() - 1).Kind == dtikString)
    FInfo.Items(FInfo.ItemCount() - 1).Data += AText;
  else
    FInfo.AddItem(dtikString, AText);
}

void TcxDateTimeFormatParser::AddItem(TcxDateTimeFormatItemKind AKind, const String& AData) {
  // The first item of a kind wins; separators may repeat.
  if (AKind != dtikDateSeparator && AKind != dtikTimeSeparator && FInfo.DefinedItems(AKind)) return;
  FInfo.AddItem(AKind, AData);
}

void TcxDateTimeFormatParser::Finish() {
  for (int i = 0; i < FInfo.ItemCount(); ++i) {
    TcxDateTimeFormatItem& item = FInfo.Items(i);
    if (item.Kind == dtikHour) {
      item.Data = (FTwelveHour ? L"12" : L"24") + item.Data;
      return;
    }
  }
  // Without an hour a time suffix means nothing.
  for (int i = 0; i < FInfo.ItemCount(); ++i)
    if (FInfo.Items(i).Kind == dtikTimeSuffix) {
      FInfo.RemoveItem(i);
      FInfo.SetDefinedItems(dtikTimeSuffix, false);
      return;
    }
}

// ---------------------------------------------------------------- mask pieces

int ItemZoneLength(const TcxDateTimeFormatItem& AItem) {
  switch (AItem.Kind) {
    case dtikString: return Length(AItem.Data);
    case dtikYear: return AItem.Data.size() == 2 ? 2 : 4;
    case dtikMonth:
    case dtikDay: return AItem.Data.size() > 2 ? 3 : 2;
    case dtikHour:
    case dtikMin:
    case dtikSec: return 2;
    case dtikTimeSuffix:
      if (SameText(AItem.Data, L"A/P")) return 1;
      if (SameText(AItem.Data, L"AM/PM")) return 2;
      return AmPmLength();
    case dtikDateSeparator:
    case dtikTimeSeparator: return 1;
    default: return 0;
  }
}

TcxTimeSuffixKind TimeSuffixKindOf(const String& APicture) {
  if (SameText(APicture, L"A/P")) return tskAP;
  if (SameText(APicture, L"AM/PM")) return tskAMPM;
  return tskAMPMString;
}

String StandardMaskPiece(const TcxDateTimeFormatItem& AItem, int AMode) {
  switch (AItem.Kind) {
    case dtikString: {
      String result;
      for (Char c : AItem.Data) result += String(L"\\") + c;
      return result;
    }
    case dtikYear: return AItem.Data.size() == 2 ? L"99" : L"9999";
    case dtikMonth:
    case dtikDay: return AItem.Data.size() > 2 ? L"lll" : L"99";
    case dtikHour:
    case dtikMin:
    case dtikSec: return AMode == 1 ? L"00" : L"99";
    case dtikTimeSuffix:
      switch (TimeSuffixKindOf(AItem.Data)) {
        case tskAP: return L"c";
        case tskAMPM: return L"cc";
        default: return String(AmPmLength(), L'c');
      }
    case dtikDateSeparator: return L"/";
    case dtikTimeSeparator: return L":";
    default: return String();
  }
}

String QuotedLiteral(const String& AText) {
  String result;
  cxQuoteRegExprLiteral(result, AText);
  return result;
}

String RegExprSeparator(Char ASeparator) {
  if (ASeparator == 0) return String();
  if (ASeparator == L' ') return L"' '";
  return String(L"\\") + ASeparator;
}

String RegExprMonth(const String& APicture) {
  const auto& names = APicture.size() == 4 ? FormatSettings.LongMonthNames : FormatSettings.ShortMonthNames;
  String result = L"((0?[1-9]|1[012])|(";
  for (size_t i = 0; i < names.size(); ++i) result += (i > 0 ? L"|" : L"") + QuotedLiteral(names[i]);
  return result + L"))";
}

String RegExprTimeSuffix(const String& APicture) {
  switch (TimeSuffixKindOf(APicture)) {
    case tskAP: return L"(A|P)?";
    case tskAMPM: return L"(AM|PM)?";
    default: break;
  }
  const String &am = FormatSettings.TimeAMString, &pm = FormatSettings.TimePMString;
  if (am.empty() && pm.empty()) return String();
  if (!am.empty() && !pm.empty()) return L"(" + QuotedLiteral(am) + L"|" + QuotedLiteral(pm) + L")?";
  return L"(" + QuotedLiteral(am.empty() ? pm : am) + L")?";
}

String RegExprPiece(const TcxDateTimeFormatItem& AItem) {
  switch (AItem.Kind) {
    case dtikString: return QuotedLiteral(AItem.Data);
    case dtikYear: return AItem.Data.size() == 2 ? L"\\d\\d" : L"\\d\\d\\d\\d";
    case dtikMonth: return RegExprMonth(AItem.Data);
    case dtikDay: return L"([012]?[1-9]|[123]0|31)";
    case dtikDateSeparator: return RegExprSeparator(FormatSettings.DateSeparator);
    case dtikTimeSeparator: return RegExprSeparator(FormatSettings.TimeSeparator);
    case dtikHour: return IsTwelveHourPicture(AItem.Data) ? L"(0?[1-9]|1[012])" : L"([01]?\\d|2[0-3])";
    case dtikMin:
    case dtikSec: return L"[0-5]?\\d";
    case dtikTimeSuffix: return RegExprTimeSuffix(AItem.Data);
    default: return String();
  }
}

bool IsDateItem(TcxDateTimeFormatItemKind AKind) {
  return AKind == dtikYear || AKind == dtikMonth || AKind == dtikDay || AKind == dtikDateSeparator;
}

String MaskedEditFormatPiece(const TcxDateTimeFormatItem& AItem) {
  switch (AItem.Kind) {
    case dtikString: return L"'" + AItem.Data + L"'";
    case dtikYear:
    case dtikTimeSuffix: return LowerCase(AItem.Data);
    case dtikMonth: return AItem.Data.size() > 2 ? L"mmm" : L"mm";
    case dtikDay: return AItem.Data.size() > 2 ? L"ddd" : L"dd";
    case dtikHour: return L"hh";
    case dtikMin: return L"nn";
    case dtikSec: return L"ss";
    case dtikDateSeparator: return L"/";
    case dtikTimeSeparator: return L":";
    default: return String();
  }
}

}  // namespace

const TUnitEntry cxFormatsUnit{L"cxFormats", Initialize, Finalize};

// ---------------------------------------------------------------- format info

void TcxDateTimeFormatInfo::AddItem(TcxDateTimeFormatItemKind AKind, const String& AData) {
  FItems.push_back({AData, AKind});
  FDefinedItems[AKind] = true;
}

void TcxDateTimeFormatInfo::RemoveItem(int AIndex) {
  CheckIndex(AIndex);
  FItems.erase(FItems.begin() + AIndex);
}

void TcxDateTimeFormatInfo::CheckIndex(int AIndex) const {
  if (AIndex < 0 || AIndex >= ItemCount()) throw EListError(Format(SListIndexError, {AIndex}));
}

void TcxDateTimeFormatInfo::ClearFormatInfo() {
  FItems.clear();
  FDefinedItems.fill(false);
}

void cxParseDateTimeFormat(const String& AFormat, TcxDateTimeFormatInfo& AInfo) {
  AInfo.ClearFormatInfo();
  TcxDateTimeFormatParser parser(AInfo);
  if (parser.Parse(AFormat.empty() ? L"C" : AFormat, 0))
    parser.Finish();
  else
    AInfo.ClearFormatInfo();
}

String cxConvertLocaleTimeFormat(const String& AFormat) {
  String result;
  size_t i = 0;
  while (i < AFormat.size()) {
    const Char c = AFormat[i];
    if (c != L't' && c != L'T') {
      result += c;
      ++i;
      continue;
    }
    size_t run = 1;
    while (i + run < AFormat.size() && AFormat[i + run] == c) ++run;
    result += run == 1 ? L"A/P" : L"AMPM";
    i += run;
  }
  return result;
}

String cxLongTimeFormatText() {
  TcxFormatController* controller = cxFormatControllerInstance();
  if (controller && controller->UsePlatformDateTimeFormats()) return FormatSettings.LongTimeFormat;
  return cxConvertLocaleTimeFormat(dxLocaleInfoText(GetThreadLocale(), LOCALE_STIMEFORMAT, String()));
}

TFormatSettings cxReadLocaleFormatSettings() {
  const LCID locale = GetThreadLocale();
  auto text = [locale](LCTYPE AType) { return dxLocaleInfoText(locale, AType, String()); };
  auto firstChar = [&](LCTYPE AType) {
    const String value = text(AType);
    return value.empty() ? Char(0) : value[0];
  };
  TFormatSettings result;
  result.DateSeparator = firstChar(LOCALE_SDATE);
  result.TimeSeparator = firstChar(LOCALE_STIME);
  result.ShortDateFormat = text(LOCALE_SSHORTDATE);
  result.LongDateFormat = text(LOCALE_SLONGDATE);
  result.LongTimeFormat = text(LOCALE_STIMEFORMAT);
  result.TimeAMString = text(LOCALE_S1159);
  result.TimePMString = text(LOCALE_S2359);
  result.ListSeparator = FormatSettings.ListSeparator;
  return result;
}

// ---------------------------------------------------------------- controller

TcxFormatController* cxFormatControllerInstance() {
  if (!GInstance && !GShutDown) new TcxFormatController();  // records itself
  return GInstance;
}

TcxFormatController::TcxFormatController() {
  // Recorded first: building the formats asks the single controller.
  if (!GInstance) GInstance = this;
  try {
    GetFormats();
  } catch (...) {
    if (GInstance == this) GInstance = nullptr;
    throw;
  }
  if (TdxResourceStringsRepository* repository = dxResStringsRepositoryInstance()) repository->AddListener(this);
}

TcxFormatController::~TcxFormatController() {
  if (TdxResourceStringsRepository* repository = dxResStringsRepositoryInstance())
    repository->RemoveListener(this);
  if (GInstance == this) GInstance = nullptr;
}

void TcxFormatController::AddListener(IcxFormatControllerListener* AListener) {
  if (std::find(FList.begin(), FList.end(), AListener) == FList.end()) FList.push_back(AListener);
}

void TcxFormatController::RemoveListener(IcxFormatControllerListener* AListener) {
  const auto found = std::find(FList.begin(), FList.end(), AListener);
  if (found != FList.end()) FList.erase(found);
}

void TcxFormatController::NotifyListeners() {
  // By index: a listener may remove itself while it is told.
  for (size_t i = 0; i < FList.size(); ++i) FList[i]->FormatSettingsChanged();
}

void TcxFormatController::NotifyTimeChanged() {
  for (size_t i = 0; i < FList.size(); ++i)
    if (auto* listener = dynamic_cast<IcxFormatControllerTimeListener*>(FList[i])) listener->SystemTimeChanged();
}

void TcxFormatController::EndUpdate() {
  // What changed during the update is built before it is announced: the
  // listeners read the formats when they are told.
  if (FLockCount > 0 && --FLockCount == 0) RefreshFormats();
}

void TcxFormatController::RefreshFormats() {
  if (FLockCount > 0) return;
  GetFormats();
  NotifyListeners();
}

void TcxFormatController::SetAssigned(bool& AField, bool AValue) {
  if (AField == AValue) return;
  AField = AValue;
  RefreshFormats();
}

void TcxFormatController::SetAssignedText(String& AField, bool& AAssigned, const String& AValue) {
  AAssigned = true;
  if (AField == AValue) return;
  AField = AValue;
  RefreshFormats();
}

void TcxFormatController::SetAssignedStartOfWeek(bool AValue) {
  if (AValue)
    cxAssignWeekStartDay(cxLocaleWeekStartDay());
  else
    cxDropWeekStartAssignment();
}

void TcxFormatController::SetFirstWeekOfYear(TcxFirstWeekOfYear AValue) {
  if (FFirstWeekOfYear == AValue) return;
  FFirstWeekOfYear = AValue;
  RefreshFormats();
}

void TcxFormatController::SetStartOfWeek(TDay AValue) {
  if (StartOfWeek() == AValue) return;
  cxAssignWeekStartDay(AValue);
  RefreshFormats();
}

void TcxFormatController::SetUsePlatformDateTimeFormats(bool AValue) {
  if (FUsePlatformDateTimeFormats == AValue) return;
  FUsePlatformDateTimeFormats = AValue;
  RefreshFormats();
}

void TcxFormatController::GetFormats() {
  if (!FAssignedCurrencyFormat) FCurrencyFormat = BuildCurrencyFormat();
  FDateEditFormat = BuildDateEditFormat(false);
  ReadLocalFormatSettings();
  BuildEditMasks(true);
}

void TcxFormatController::ReadLocalFormatSettings() {
  FLocalFormatSettings = cxReadLocaleFormatSettings();
  FLocalIsGregorianCalendar = dxIsGregorianBasedCalendar(nullptr);
}

String TcxFormatController::FormatTextOfKind(int AKind) {
  switch (AKind) {
    case 0: return FormatSettings.ShortDateFormat;
    case 1: return cxLongTimeFormatText();
    default: return FormatSettings.ShortDateFormat + L" " + cxLongTimeFormatText();
  }
}

void TcxFormatController::BuildEditMasks(bool AWithSmartInput) {
  cxParseDateTimeFormat(FormatTextOfKind(0), FDateFormatInfo);
  cxParseDateTimeFormat(FormatTextOfKind(1), FTimeFormatInfo);
  cxParseDateTimeFormat(FormatTextOfKind(2), FDateTimeFormatInfo);
  FDateEditMask = BuildStandardMask(FDateFormatInfo, 0);
  if (!FAssignedStandardDateEditMask) FStandardDateEditMask = FDateEditMask;
  if (!FAssignedRegExprDateEditMask) {
    FRegExprDateEditMask = BuildRegExprMask(FDateFormatInfo, 0);
    if (AWithSmartInput) cxAppendDateWordsToMask(FRegExprDateEditMask, false);
  }
  if (!FAssignedRegExprDateTimeEditMask) {
    FRegExprDateTimeEditMask =
        BuildRegExprMask(FDateFormatInfo, 0) + L" ' '(" + BuildRegExprMask(FTimeFormatInfo, 1) + L")?";
    if (AWithSmartInput) cxAppendDateWordsToMask(FRegExprDateTimeEditMask, true);
  }
  if (!FAssignedStandardDateTimeEditMask) FStandardDateTimeEditMask = BuildStandardMask(FDateTimeFormatInfo, 2);
  FMaskedDateEditFormat = BuildMaskedEditFormat(FDateFormatInfo);
  FMaskedDateTimeEditFormat = BuildMaskedEditFormat(FDateTimeFormatInfo);
}

String TcxFormatController::RegExprCustomDateEditMask(const String& AFormatString) {
  TcxDateTimeFormatInfo info;
  cxParseDateTimeFormat(AFormatString, info);
  return BuildRegExprMask(info, info.DefinedItems(dtikHour) ? 2 : 0);
}

int TcxFormatController::GetDateTimeStandardMaskStringLength(const TcxDateTimeFormatInfo& AFormatInfo) {
  int result = 0;
  for (int i = 0; i < AFormatInfo.ItemCount(); ++i) result += ItemZoneLength(AFormatInfo.Items(i));
  return result;
}

bool TcxFormatController::GetDateTimeFormatItemStandardMaskInfo(const TcxDateTimeFormatInfo& AFormatInfo, int APos,
                                                                TcxDateTimeFormatItemInfo& AItemInfo) {
  if (APos <= 0) return false;
  int zoneStart = 1;
  for (int i = 0; i < AFormatInfo.ItemCount(); ++i) {
    const TcxDateTimeFormatItem& item = AFormatInfo.Items(i);
    const int zoneLength = ItemZoneLength(item);
    if (zoneStart + zoneLength > APos) {
      AItemInfo.Kind = item.Kind;
      AItemInfo.ItemZoneStart = zoneStart;
      AItemInfo.ItemZoneLength = zoneLength;
      AItemInfo.TimeSuffixKind = item.Kind == dtikTimeSuffix ? TimeSuffixKindOf(item.Data) : tskAP;
      return true;
    }
    zoneStart += zoneLength;
  }
  return false;
}

String TcxFormatController::BuildStandardMask(const TcxDateTimeFormatInfo& AFormatInfo, int AMode) {
  if (AFormatInfo.ItemCount() == 0) return String();
  String result = AMode == 1 ? L"" : L"!";
  for (int i = 0; i < AFormatInfo.ItemCount(); ++i) result += StandardMaskPiece(AFormatInfo.Items(i), AMode);
  return result + (AMode == 1 ? L";1;0" : L";1; ");
}

String TcxFormatController::BuildRegExprMask(const TcxDateTimeFormatInfo& AFormatInfo, int AMode) {
  String result;
  for (int i = 0; i < AFormatInfo.ItemCount(); ++i) {
    const TcxDateTimeFormatItem& item = AFormatInfo.Items(i);
    const bool emitted = item.Kind == dtikString || (IsDateItem(item.Kind) ? AMode != 1 : AMode != 0);
    if (emitted) result += RegExprPiece(item);
  }
  return result;
}

String TcxFormatController::BuildMaskedEditFormat(const TcxDateTimeFormatInfo& AFormatInfo) {
  String result;
  for (int i = 0; i < AFormatInfo.ItemCount(); ++i) result += MaskedEditFormatPiece(AFormatInfo.Items(i));
  return result;
}

String TcxFormatController::BuildDateEditFormat(bool AMonthCut) {
  const String& format = FormatSettings.ShortDateFormat;
  auto sameLetter = [&](size_t AIndex, Char ALetter) {
    return AIndex < format.size() && towlower(format[AIndex]) == ALetter;
  };
  String result;
  for (size_t i = 0; i < format.size(); ++i) {
    const Char letter = static_cast<Char>(towlower(format[i]));
    result += format[i];
    if ((letter == L'd' || letter == L'm') && !sameLetter(i + 1, letter) && (i == 0 || !sameLetter(i - 1, letter)))
      result += format[i];
  }
  if (AMonthCut) {
    const size_t first = result.find_first_of(L"mM");
    if (first != String::npos) {
      size_t end = first;
      while (end < result.size() && towlower(result[end]) == L'm') ++end;
      if (end - first > 3) result.erase(first + 3, end - first - 3);
    }
  }
  return result;
}

String TcxFormatController::BuildCurrencyFormat() {
  String number = L",0.";
  number += String(FormatSettings.CurrencyDecimals, L'0');
  String currency;
  for (Char c : FormatSettings.CurrencyString) currency += c == L',' || c == L'.' ? L"'" + String(1, c) + L"'" : String(1, c);
  const String &C = currency, &N = number;
  String positive;
  switch (FormatSettings.CurrencyFormat) {
    case 1: positive = N + C; break;
    case 2: positive = C + L" " + N; break;
    case 3: positive = N + L" " + C; break;
    default: positive = C + N; break;
  }
  const String negatives[16] = {
      L"(" + C + N + L")",       L"-" + C + N,         C + L"-" + N,          C + N + L"-",
      L"(" + N + C + L")",       L"-" + N + C,         N + L"-" + C,          N + C + L"-",
      L"-" + N + L" " + C,       L"-" + C + L" " + N,  N + L" " + C + L"-",   C + L" " + N + L"-",
      C + L" " + L"-" + N,       N + L"-" + L" " + C,  L"(" + C + L" " + N + L")", L"(" + N + L" " + C + L")"};
  const int negative = FormatSettings.NegCurrFormat < 16 ? FormatSettings.NegCurrFormat : 0;
  return positive + L";" + negatives[negative];
}

void TcxFormatController::HandleWindowMessage(TMessage& AMessage) {
  if (AMessage.Msg == WM_SETTINGCHANGE && AMessage.WParam == 0 && AMessage.LParam != 0 &&
      wcscmp(reinterpret_cast<const wchar_t*>(AMessage.LParam), L"intl") == 0) {
    // The regional settings changed: the thread, the platform's settings and
    // every derived format follow them.
    SetThreadLocale(LOCALE_USER_DEFAULT);
    GetFormatSettings();
    GetFormats();
    NotifyListeners();
    AMessage.Result = 0;
  } else if (AMessage.Msg == WM_TIMECHANGE) {
    NotifyTimeChanged();
    AMessage.Result = 0;
  } else {
    TcxMessageWindow::HandleWindowMessage(AMessage);
  }
}
