#pragma once
// cxFormats: the display-format controller, the one object that knows the
// user's date, time and currency formats, the edit masks derived from them,
// and the parser that turns a date/time format into typed items.
#include <array>
#include <vector>

#include "components/core/cxDateUtils.h"
#include "components/core/cxMessageWindow.h"
#include "components/core/dxCore.h"
#include "vcl/rtl/FormatSettings.h"

enum TcxDateTimeFormatItemKind {
  dtikString, dtikYear, dtikMonth, dtikDay, dtikHour, dtikMin, dtikSec, dtikMSec,
  dtikTimeSuffix, dtikDateSeparator, dtikTimeSeparator
};
enum TcxTimeSuffixKind { tskAP, tskAMPM, tskAMPMString };

// One item of a parsed format: its normalised picture ("DD", "12H", "AMPM"),
// or the literal text of a string item.
struct TcxDateTimeFormatItem {
  String Data;
  TcxDateTimeFormatItemKind Kind;
};

// A date/time format as a list of typed items in format order.
class TcxDateTimeFormatInfo : public TObject {
  VCL_CLASS(TcxDateTimeFormatInfo, TObject)
public:
  TcxDateTimeFormatInfo() = default;

  void AddItem(TcxDateTimeFormatItemKind AKind, const String& AData);
  void RemoveItem(int AIndex);
  void ClearFormatInfo();
  int ItemCount() const { return static_cast<int>(FItems.size()); }
  const TcxDateTimeFormatItem& Items(int AIndex) const {
    CheckIndex(AIndex);
    return FItems[AIndex];
  }
  TcxDateTimeFormatItem& Items(int AIndex) {
    CheckIndex(AIndex);
    return FItems[AIndex];
  }
  // Whether the format has an item of that kind.
  bool DefinedItems(TcxDateTimeFormatItemKind AKind) const { return FDefinedItems[AKind]; }
  void SetDefinedItems(TcxDateTimeFormatItemKind AKind, bool AValue) { FDefinedItems[AKind] = AValue; }

private:
  void CheckIndex(int AIndex) const;

  std::array<bool, dtikTimeSeparator + 1> FDefinedItems{};
  std::vector<TcxDateTimeFormatItem> FItems;
};

// Where one position of a standard-mask text falls.
struct TcxDateTimeFormatItemInfo {
  TcxDateTimeFormatItemKind Kind;
  int ItemZoneStart;
  int ItemZoneLength;
  TcxTimeSuffixKind TimeSuffixKind;
};

// Told when the formats were re-read. Listeners remove themselves before
// they die; the controller does not own them.
class IcxFormatControllerListener {
public:
  virtual void FormatSettingsChanged() = 0;

protected:
  ~IcxFormatControllerListener() = default;
};

// A listener that also implements this one hears the system's time changes.
class IcxFormatControllerTimeListener {
public:
  virtual void SystemTimeChanged() = 0;

protected:
  ~IcxFormatControllerTimeListener() = default;
};

class TcxFormatController : public TcxMessageWindow, public IdxLocalizerListener {
  VCL_CLASS(TcxFormatController, TcxMessageWindow)
public:
  TcxFormatController();
  ~TcxFormatController() override;

  void AddListener(IcxFormatControllerListener* AListener);
  void RemoveListener(IcxFormatControllerListener* AListener);
  void NotifyListeners();
  void BeginUpdate() { ++FLockCount; }
  void EndUpdate();
  // Re-reads the formats and tells the listeners (not while updating).
  void RefreshFormats();

  // The regular-expression mask of any date/time format (no smart input).
  String RegExprCustomDateEditMask(const String& AFormatString);
  // The width of the standard-mask text of a format, and the item zone that
  // holds a 1-based position of that text.
  static int GetDateTimeStandardMaskStringLength(const TcxDateTimeFormatInfo& AFormatInfo);
  static bool GetDateTimeFormatItemStandardMaskInfo(const TcxDateTimeFormatInfo& AFormatInfo, int APos,
                                                    TcxDateTimeFormatItemInfo& AItemInfo);

  bool AssignedCurrencyFormat() const { return FAssignedCurrencyFormat; }
  void SetAssignedCurrencyFormat(bool AValue) { SetAssigned(FAssignedCurrencyFormat, AValue); }
  bool AssignedRegExprDateEditMask() const { return FAssignedRegExprDateEditMask; }
  void SetAssignedRegExprDateEditMask(bool AValue) { SetAssigned(FAssignedRegExprDateEditMask, AValue); }
  bool AssignedRegExprDateTimeEditMask() const { return FAssignedRegExprDateTimeEditMask; }
  void SetAssignedRegExprDateTimeEditMask(bool AValue) { SetAssigned(FAssignedRegExprDateTimeEditMask, AValue); }
  bool AssignedStandardDateEditMask() const { return FAssignedStandardDateEditMask; }
  void SetAssignedStandardDateEditMask(bool AValue) { SetAssigned(FAssignedStandardDateEditMask, AValue); }
  bool AssignedStandardDateTimeEditMask() const { return FAssignedStandardDateTimeEditMask; }
  void SetAssignedStandardDateTimeEditMask(bool AValue) {
    SetAssigned(FAssignedStandardDateTimeEditMask, AValue);
  }
  bool AssignedStartOfWeek() const { return cxIsWeekStartAssigned(); }
  void SetAssignedStartOfWeek(bool AValue);

  const String& CurrencyFormat() const { return FCurrencyFormat; }
  void SetCurrencyFormat(const String& AValue) { SetAssignedText(FCurrencyFormat, FAssignedCurrencyFormat, AValue); }
  const String& DateEditFormat() const { return FDateEditFormat; }
  const String& DateEditMask() const { return FDateEditMask; }
  const TcxDateTimeFormatInfo& DateFormatInfo() const { return FDateFormatInfo; }
  const TcxDateTimeFormatInfo& DateTimeFormatInfo() const { return FDateTimeFormatInfo; }
  const TcxDateTimeFormatInfo& TimeFormatInfo() const { return FTimeFormatInfo; }
  TcxFirstWeekOfYear FirstWeekOfYear() const { return FFirstWeekOfYear; }
  void SetFirstWeekOfYear(TcxFirstWeekOfYear AValue);
  const TFormatSettings& LocalFormatSettings() const { return FLocalFormatSettings; }
  bool LocalIsGregorianCalendar() const { return FLocalIsGregorianCalendar; }
  const String& MaskedDateEditFormat() const { return FMaskedDateEditFormat; }
  const String& MaskedDateTimeEditFormat() const { return FMaskedDateTimeEditFormat; }
  const String& RegExprDateEditMask() const { return FRegExprDateEditMask; }
  void SetRegExprDateEditMask(const String& AValue) {
    SetAssignedText(FRegExprDateEditMask, FAssignedRegExprDateEditMask, AValue);
  }
  const String& RegExprDateTimeEditMask() const { return FRegExprDateTimeEditMask; }
  void SetRegExprDateTimeEditMask(const String& AValue) {
    SetAssignedText(FRegExprDateTimeEditMask, FAssignedRegExprDateTimeEditMask, AValue);
  }
  const String& StandardDateEditMask() const { return FStandardDateEditMask; }
  void SetStandardDateEditMask(const String& AValue) {
    SetAssignedText(FStandardDateEditMask, FAssignedStandardDateEditMask, AValue);
  }
  const String& StandardDateTimeEditMask() const { return FStandardDateTimeEditMask; }
  void SetStandardDateTimeEditMask(const String& AValue) {
    SetAssignedText(FStandardDateTimeEditMask, FAssignedStandardDateTimeEditMask, AValue);
  }
  TDay StartOfWeek() const { return cxWeekStartDay(); }
  void SetStartOfWeek(TDay AValue);
  // Whether the platform's FormatSettings serve instead of the locale's
  // pictures where both exist.
  bool UsePlatformDateTimeFormats() const { return FUsePlatformDateTimeFormats; }
  void SetUsePlatformDateTimeFormats(bool AValue);

  // The pieces the formats and masks are built from; 0 date, 1 time, 2 date
  // and time for the mask modes.
  static String BuildCurrencyFormat();
  static String BuildDateEditFormat(bool AMonthCut);
  static String BuildStandardMask(const TcxDateTimeFormatInfo& AFormatInfo, int AMode);
  static String BuildRegExprMask(const TcxDateTimeFormatInfo& AFormatInfo, int AMode);
  static String BuildMaskedEditFormat(const TcxDateTimeFormatInfo& AFormatInfo);
  static String FormatTextOfKind(int AKind);

  void HandleWindowMessage(TMessage& AMessage) override;

private:
  void TranslationChanged() override { RefreshFormats(); }
  void GetFormats();
  void ReadLocalFormatSettings();
  void BuildEditMasks(bool AWithSmartInput);
  void NotifyTimeChanged();
  void SetAssigned(bool& AField, bool AValue);
  void SetAssignedText(String& AField, bool& AAssigned, const String& AValue);

  bool FAssignedCurrencyFormat = false;
  bool FAssignedRegExprDateEditMask = false;
  bool FAssignedRegExprDateTimeEditMask = false;
  bool FAssignedStandardDateEditMask = false;
  bool FAssignedStandardDateTimeEditMask = false;
  String FCurrencyFormat;
  String FDateEditFormat;
  String FDateEditMask;
  TcxFirstWeekOfYear FFirstWeekOfYear = fwySystem;
  std::vector<IcxFormatControllerListener*> FList;
  TFormatSettings FLocalFormatSettings;
  bool FLocalIsGregorianCalendar = true;
  int FLockCount = 0;
  String FMaskedDateEditFormat;
  String FMaskedDateTimeEditFormat;
  String FRegExprDateEditMask;
  String FRegExprDateTimeEditMask;
  String FStandardDateEditMask;
  String FStandardDateTimeEditMask;
  bool FUsePlatformDateTimeFormats = false;
  TcxDateTimeFormatInfo FDateFormatInfo;
  TcxDateTimeFormatInfo FDateTimeFormatInfo;
  TcxDateTimeFormatInfo FTimeFormatInfo;
};

// The single controller, created on first use; null once the unit has shut
// down.
TcxFormatController* cxFormatControllerInstance();

// Parses a date/time format into AInfo; a format that cannot be parsed (an
// era letter g, or a nested format that fails) leaves AInfo empty.
void cxParseDateTimeFormat(const String& AFormat, TcxDateTimeFormatInfo& AInfo);
// The long time picture in the format language: the platform's, or the
// locale's with its t / tt markers as A/P / AMPM.
String cxLongTimeFormatText();
String cxConvertLocaleTimeFormat(const String& AFormat);
// The thread locale's separators, date and time pictures and AM/PM texts.
TFormatSettings cxReadLocaleFormatSettings();

extern const TUnitEntry cxFormatsUnit;
