#include <gtest/gtest.h>

#include "LocaleScope.h"
#include "components/core/cxFormats.h"
#include "components/core/cxLibraryStrs.h"
#include "vcl/controls/Application.h"

namespace {

// The items of a parsed format, one "kind:picture" per item.
String ItemsText(const TcxDateTimeFormatInfo& AInfo) {
  static const wchar_t* const kinds[] = {L"String", L"Year", L"Month", L"Day", L"Hour", L"Min", L"Sec",
                                         L"MSec", L"TimeSuffix", L"DateSep", L"TimeSep"};
  String result;
  for (int i = 0; i < AInfo.ItemCount(); ++i)
    result += (i > 0 ? L"|" : L"") + String(kinds[AInfo.Items(i).Kind]) + L":" + AInfo.Items(i).Data;
  return result;
}

String ParsedItems(const String& AFormat) {
  TcxDateTimeFormatInfo info;
  cxParseDateTimeFormat(AFormat, info);
  return ItemsText(info);
}

class TListener : public IcxFormatControllerListener {
public:
  void FormatSettingsChanged() override { ++FormatChanges; }
  int FormatChanges = 0;
};

class TTimeListener : public TListener, public IcxFormatControllerTimeListener {
public:
  void SystemTimeChanged() override { ++TimeChanges; }
  int TimeChanges = 0;
};

// Listens to the single controller for one test.
template <typename TListenerClass>
class TListening : public TListenerClass {
public:
  TListening() { cxFormatControllerInstance()->AddListener(this); }
  ~TListening() { cxFormatControllerInstance()->RemoveListener(this); }
};

const String cxDayPiece = L"([012]?[1-9]|[123]0|31)";
const String cxNumericMonthPiece = L"(0?[1-9]|1[012])";
const String cxWordsPiece =
    L"('today'|'yesterday'|'tomorrow'|'Sunday'|'Monday'|'Tuesday'|'Wednesday'|'Thursday'|'Friday'|"
    L"'Saturday'|'first'|'second'|'third'|'fourth'|'fifth'|'sixth'|'seventh'|'bom'|'eom'";
const String cxOffsetPiece = L"((\\+|-)\\d(\\d(\\d\\d?)?)?)?";

}  // namespace

TEST(DateTimeFormatParser, TurnsFormatsIntoTypedItems) {
  TLocaleScope locale(cxLangEnUS);
  struct TCase {
    const wchar_t* Format;
    const wchar_t* Items;
  } cases[] = {
      {L"dd/MM/yyyy", L"Day:DD|DateSep:/|Month:MM|DateSep:/|Year:YYYY"},
      {L"h:mm:ss AMPM", L"Hour:12H|TimeSep::|Min:NN|TimeSep::|Sec:SS|String: |TimeSuffix:AMPM"},
      // The mm after the hour means minutes, the first one the month.
      {L"dd/mm/yyyy hh:mm", L"Day:DD|DateSep:/|Month:MM|DateSep:/|Year:YYYY|String: |Hour:24HH|TimeSep::|Min:NN"},
      {L"hh mm", L"Hour:24HH|String: |Min:NN"},
      // The first item of a kind wins; the literal text between stays.
      {L"dd dd", L"Day:DD|String: "},
      {L"'Day' d 'of' MMMM, yy", L"String:Day |Day:D|String: of |Month:MMMM|String:, |Year:YY"},
      {L"h:nn am/pm", L"Hour:12H|TimeSep::|Min:NN|String: |TimeSuffix:am/pm"},
      {L"hh:nn:ss.zzz", L"Hour:24HH|TimeSep::|Min:NN|TimeSep::|Sec:SS|String:.|MSec:ZZZ"},
      {L"aaaa d", L"Day:DDDD|String: "},
      {L"yy mmmmm", L"Year:YY|String: |Month:MMMM"},
      // Without an hour a time suffix is dropped.
      {L"dd AMPM", L"Day:DD|String: "},
      // The era letter fails the whole format.
      {L"gg yyyy/MM/dd", L""},
      {L"x", L"String:x"},
  };
  for (const TCase& c : cases) EXPECT_EQ(ParsedItems(c.Format), c.Items) << c.Format;
}

TEST(DateTimeFormatParser, NestedFormatsComeFromThePlatform) {
  TLocaleScope locale(cxLangPtBR);
  EXPECT_EQ(cxConvertLocaleTimeFormat(L"h:mm:ss tt"), L"h:mm:ss AMPM");
  EXPECT_EQ(cxConvertLocaleTimeFormat(L"h:mm t"), L"h:mm A/P");
  EXPECT_EQ(ParsedItems(L"ddddd"), L"Day:DD|DateSep:/|Month:MM|DateSep:/|Year:YYYY");
  EXPECT_EQ(ParsedItems(L""), ParsedItems(L"C"));
  EXPECT_EQ(ParsedItems(L"c"), L"Day:DD|DateSep:/|Month:MM|DateSep:/|Year:YYYY|String: |"
                               L"Hour:24HH|TimeSep::|Min:NN|TimeSep::|Sec:SS");
  FormatSettings.ShortDateFormat = L"gg dd/MM";
  EXPECT_EQ(ParsedItems(L"c"), L"");  // a nested format that fails fails the whole
}

TEST(FormatController, BrazilianPortugueseFormatsAndMasks) {
  TLocaleScope locale(cxLangPtBR);
  TcxFormatController& controller = *cxFormatControllerInstance();
  EXPECT_EQ(ItemsText(controller.DateFormatInfo()), L"Day:DD|DateSep:/|Month:MM|DateSep:/|Year:YYYY");
  EXPECT_EQ(ItemsText(controller.TimeFormatInfo()), L"Hour:24HH|TimeSep::|Min:NN|TimeSep::|Sec:SS");
  EXPECT_EQ(controller.DateEditFormat(), L"dd/MM/yyyy");
  EXPECT_EQ(controller.StandardDateEditMask(), L"!99/99/9999;1; ");
  EXPECT_EQ(controller.DateEditMask(), L"!99/99/9999;1; ");
  EXPECT_EQ(controller.StandardDateTimeEditMask(), L"!99/99/9999\\ 99:99:99;1; ");
  EXPECT_EQ(controller.MaskedDateEditFormat(), L"dd/mm/yyyy");
  EXPECT_EQ(controller.MaskedDateTimeEditFormat(), L"dd/mm/yyyy' 'hh:nn:ss");
  EXPECT_EQ(controller.CurrencyFormat(), L"R$ ,0.00;-R$ ,0.00");
  const String datePiece = cxDayPiece + L"\\/(" + cxNumericMonthPiece +
                           L"|('jan.'|'fev.'|'mar.'|'abr.'|'mai.'|'jun.'|'jul.'|'ago.'|'set.'|'out.'|'nov.'|'dez.'))\\/"
                           L"\\d\\d\\d\\d";
  EXPECT_EQ(controller.RegExprDateEditMask(), L"(" + datePiece + L")|" + cxWordsPiece + L")" + cxOffsetPiece);
  EXPECT_EQ(controller.RegExprDateTimeEditMask(),
            L"(" + datePiece + L" ' '(([01]?\\d|2[0-3])\\:[0-5]?\\d\\:[0-5]?\\d)?)|" + cxWordsPiece + L"|'now')" +
                cxOffsetPiece);
  EXPECT_EQ(controller.LocalFormatSettings().ShortDateFormat, L"dd/MM/yyyy");
  EXPECT_EQ(controller.LocalFormatSettings().DateSeparator, L'/');
  EXPECT_TRUE(controller.LocalIsGregorianCalendar());
}

TEST(FormatController, AmericanEnglishFormatsAndMasks) {
  TLocaleScope locale(cxLangEnUS);
  TcxFormatController& controller = *cxFormatControllerInstance();
  EXPECT_EQ(ItemsText(controller.DateFormatInfo()), L"Month:M|DateSep:/|Day:D|DateSep:/|Year:YYYY");
  EXPECT_EQ(ItemsText(controller.TimeFormatInfo()),
            L"Hour:12H|TimeSep::|Min:NN|TimeSep::|Sec:SS|String: |TimeSuffix:AMPM");
  EXPECT_EQ(controller.DateEditFormat(), L"MM/dd/yyyy");
  EXPECT_EQ(controller.StandardDateEditMask(), L"!99/99/9999;1; ");
  EXPECT_EQ(TcxFormatController::BuildStandardMask(controller.TimeFormatInfo(), 1), L"00:00:00\\ cc;1;0");
  EXPECT_EQ(controller.StandardDateTimeEditMask(), L"!99/99/9999\\ 99:99:99\\ cc;1; ");
  EXPECT_EQ(controller.MaskedDateTimeEditFormat(), L"mm/dd/yyyy' 'hh:nn:ss' 'ampm");
  EXPECT_EQ(controller.CurrencyFormat(), L"$,0.00;($,0.00)");
  EXPECT_EQ(TcxFormatController::BuildRegExprMask(controller.TimeFormatInfo(), 1),
            L"(0?[1-9]|1[012])\\:[0-5]?\\d\\:[0-5]?\\d' '('AM'|'PM')?");
  EXPECT_EQ(controller.RegExprCustomDateEditMask(L"yyyy-MM-dd HH:mm"),
            L"\\d\\d\\d\\d'-'" + String(L"(") + cxNumericMonthPiece +
                L"|('Jan'|'Feb'|'Mar'|'Apr'|'May'|'Jun'|'Jul'|'Aug'|'Sep'|'Oct'|'Nov'|'Dec'))'-'" + cxDayPiece +
                L"' '([01]?\\d|2[0-3])\\:[0-5]?\\d");
}

TEST(FormatController, CurrencyFormatsForEveryNegativePattern) {
  TLocaleScope locale(cxLangEnUS);
  FormatSettings.CurrencyString = L"R.$";
  FormatSettings.CurrencyDecimals = 0;
  const wchar_t* const negatives[16] = {
      L"(R'.'$,0.)",  L"-R'.'$,0.",  L"R'.'$-,0.",   L"R'.'$,0.-",  L"(,0.R'.'$)",  L"-,0.R'.'$",
      L",0.-R'.'$",   L",0.R'.'$-",  L"-,0. R'.'$",  L"-R'.'$ ,0.", L",0. R'.'$-",  L"R'.'$ ,0.-",
      L"R'.'$ -,0.",  L",0.- R'.'$", L"(R'.'$ ,0.)", L"(,0. R'.'$)"};
  for (uint8_t pattern = 0; pattern < 16; ++pattern) {
    FormatSettings.NegCurrFormat = pattern;
    FormatSettings.CurrencyFormat = pattern % 4;
    const wchar_t* const positives[4] = {L"R'.'$,0.", L",0.R'.'$", L"R'.'$ ,0.", L",0. R'.'$"};
    EXPECT_EQ(TcxFormatController::BuildCurrencyFormat(), String(positives[pattern % 4]) + L";" + negatives[pattern])
        << int(pattern);
  }
}

TEST(FormatController, DateEditFormatDoublesSingleLetters) {
  TLocaleScope locale(cxLangEnUS);
  FormatSettings.ShortDateFormat = L"d/M/yy";
  EXPECT_EQ(TcxFormatController::BuildDateEditFormat(false), L"dd/MM/yy");
  FormatSettings.ShortDateFormat = L"d MMMM yyyy";
  EXPECT_EQ(TcxFormatController::BuildDateEditFormat(false), L"dd MMMM yyyy");
  EXPECT_EQ(TcxFormatController::BuildDateEditFormat(true), L"dd MMM yyyy");
}

TEST(FormatController, StandardMaskZones) {
  TcxDateTimeFormatInfo info;
  cxParseDateTimeFormat(L"dd/MM/yyyy", info);
  EXPECT_EQ(TcxFormatController::GetDateTimeStandardMaskStringLength(info), 10);
  struct TCase {
    int Pos;
    bool Found;
    TcxDateTimeFormatItemKind Kind;
    int Start, Length;
  } cases[] = {{0, false, dtikString, 0, 0},       {1, true, dtikDay, 1, 2},       {2, true, dtikDay, 1, 2},
               {3, true, dtikDateSeparator, 3, 1}, {4, true, dtikMonth, 4, 2},     {10, true, dtikYear, 7, 4},
               {11, false, dtikString, 0, 0}};
  for (const TCase& c : cases) {
    TcxDateTimeFormatItemInfo itemInfo{};
    ASSERT_EQ(TcxFormatController::GetDateTimeFormatItemStandardMaskInfo(info, c.Pos, itemInfo), c.Found) << c.Pos;
    if (!c.Found) continue;
    EXPECT_EQ(itemInfo.Kind, c.Kind) << c.Pos;
    EXPECT_EQ(itemInfo.ItemZoneStart, c.Start) << c.Pos;
    EXPECT_EQ(itemInfo.ItemZoneLength, c.Length) << c.Pos;
  }
  cxParseDateTimeFormat(L"h:nn AM/PM", info);
  TcxDateTimeFormatItemInfo suffix{};
  ASSERT_TRUE(TcxFormatController::GetDateTimeFormatItemStandardMaskInfo(info, 7, suffix));
  EXPECT_EQ(suffix.Kind, dtikTimeSuffix);
  EXPECT_EQ(suffix.TimeSuffixKind, tskAMPM);
  EXPECT_EQ(TcxFormatController::GetDateTimeStandardMaskStringLength(info), 8);
}

TEST(FormatController, AssignedValuesSurviveRebuildsAndNotifyOnlyOnChange) {
  TLocaleScope locale(cxLangPtBR);
  TcxFormatController& controller = *cxFormatControllerInstance();
  TListening<TListener> listener;
  controller.SetStandardDateEditMask(controller.StandardDateEditMask());
  EXPECT_TRUE(controller.AssignedStandardDateEditMask());
  EXPECT_EQ(listener.FormatChanges, 0);
  controller.SetStandardDateEditMask(L"!99/99;1; ");
  controller.SetCurrencyFormat(L"#,0.00 'BRL'");
  EXPECT_EQ(listener.FormatChanges, 2);
  controller.RefreshFormats();
  EXPECT_EQ(controller.StandardDateEditMask(), L"!99/99;1; ");
  EXPECT_EQ(controller.CurrencyFormat(), L"#,0.00 'BRL'");
  EXPECT_EQ(controller.DateEditMask(), L"!99/99/9999;1; ");
  controller.SetAssignedStandardDateEditMask(false);
  controller.SetAssignedCurrencyFormat(false);
  EXPECT_EQ(controller.StandardDateEditMask(), L"!99/99/9999;1; ");
  EXPECT_EQ(controller.CurrencyFormat(), L"R$ ,0.00;-R$ ,0.00");
}

TEST(FormatController, UpdatesAreAnnouncedOnceWithTheNewFormats) {
  TLocaleScope locale(cxLangPtBR);
  TcxFormatController& controller = *cxFormatControllerInstance();
  TListening<TListener> listener;
  FormatSettings.LongTimeFormat = L"hh:nn";
  controller.BeginUpdate();
  controller.SetUsePlatformDateTimeFormats(true);
  controller.SetFirstWeekOfYear(fwyFirstFourDays);
  EXPECT_EQ(listener.FormatChanges, 0);
  controller.EndUpdate();
  EXPECT_EQ(listener.FormatChanges, 1);
  // What changed inside the update shows in the formats announced.
  EXPECT_EQ(ItemsText(controller.TimeFormatInfo()), L"Hour:24HH|TimeSep::|Min:NN");
  controller.SetUsePlatformDateTimeFormats(false);
  controller.SetFirstWeekOfYear(fwySystem);
  EXPECT_EQ(listener.FormatChanges, 3);
}

TEST(FormatController, RetranslationRebuildsTheMasks) {
  TLocaleScope locale(cxLangPtBR);
  TcxFormatController& controller = *cxFormatControllerInstance();
  TListening<TListener> listener;
  const String original = cxSDateToday.Text;
  cxSDateToday.Text = L"hoje";
  dxResStringsRepositoryInstance()->NotifyListeners();
  cxSDateToday.Text = original;
  EXPECT_EQ(listener.FormatChanges, 1);
  EXPECT_GT(Pos(L"|('hoje'|'yesterday'|", controller.RegExprDateEditMask()), 0);
}

TEST(FormatController, StartOfWeekIsTheProcessWideOne) {
  TLocaleScope locale(cxLangPtBR);
  TcxFormatController& controller = *cxFormatControllerInstance();
  TListening<TListener> listener;
  EXPECT_EQ(controller.StartOfWeek(), dSunday);
  controller.SetStartOfWeek(dMonday);
  EXPECT_EQ(cxWeekStartDay(), dMonday);
  EXPECT_TRUE(controller.AssignedStartOfWeek());
  EXPECT_EQ(listener.FormatChanges, 1);
  controller.SetAssignedStartOfWeek(false);
  EXPECT_EQ(cxWeekStartDay(), dSunday);
  EXPECT_EQ(listener.FormatChanges, 1);
}

TEST(FormatController, HearsLocaleAndTimeChanges) {
  TLocaleScope locale(cxLangPtBR);
  TcxFormatController& controller = *cxFormatControllerInstance();
  TListening<TListener> plain;
  TListening<TTimeListener> timed;
  const wchar_t* const otherSection = L"Policy";
  SendMessageW(controller.Handle(), WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(otherSection));
  EXPECT_EQ(plain.FormatChanges, 0);
  SendMessageW(controller.Handle(), WM_TIMECHANGE, 0, 0);
  EXPECT_EQ(timed.TimeChanges, 1);
  EXPECT_EQ(plain.FormatChanges + timed.FormatChanges, 0);
  const wchar_t* const intl = L"intl";
  SendMessageW(controller.Handle(), WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(intl));
  EXPECT_EQ(plain.FormatChanges, 1);
  EXPECT_EQ(timed.FormatChanges, 1);
  // The thread and the platform follow the user's settings again.
  EXPECT_EQ(GetThreadLocale(), GetUserDefaultLCID());
  EXPECT_EQ(controller.LocalFormatSettings().ShortDateFormat,
            dxLocaleInfoText(GetUserDefaultLCID(), LOCALE_SSHORTDATE, String()));
}

namespace {

class TFailingWindow : public TcxMessageWindow {
public:
  void HandleWindowMessage(TMessage& AMessage) override {
    if (AMessage.Msg == WM_USER) throw EConvertError(L"broken handler");
    TcxMessageWindow::HandleWindowMessage(AMessage);
  }
};

}  // namespace

TEST(MessageWindow, ExceptionsGoToTheApplication) {
  String handled;
  Application->OnException = [&](TObject*, const Exception& E) { handled = E.Message(); };
  {
    TFailingWindow window;
    ASSERT_TRUE(IsWindow(window.Handle()));
    SendMessageW(window.Handle(), WM_USER, 0, 0);
    EXPECT_EQ(handled, L"broken handler");
  }
  Application->OnException = nullptr;
}
