// A real date edit on a form, typed into as a person types, in the
// locales the operator uses: the settings that follow the kind and view,
// the mask of each input kind, typed and smart input turned into the value,
// what a text that is no date becomes, the time kept for date-only values,
// bounds, the texts shown focused and unfocused, and a stored text that is
// no date.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "components/editors-rich/cxClock.h"
#include "components/editors-rich/cxDateEdit.h"
#include "components/editors-basic/cxButtons.h"
#include "components/editors/cxEditConsts.h"
#include "components/editors/cxEditUtils.h"
#include "tests/calendars/LocaleScope.h"
#include "tests/editors-rich/CalendarFixture.h"
#include "tests/guiharness/FormFixture.h"
#include "tests/guiharness/GuiDriver.h"
#include "tests/guiharness/WindowCapture.h"
#include "vcl/rtl/DateUtils.h"
#include "vcl/rtl/FormatSettings.h"

namespace {

TRect ScreenBounds(TWinControl* AControl) {
  RECT r;
  GetWindowRect(AControl->Handle(), &r);
  return TRect(r.left, r.top, r.right, r.bottom);
}

std::string Utf8(const String& AText) { return std::string(AText.begin(), AText.end()); }

// The date an edit value holds; NaN for Null.
double ValueOf(const Variant& AValue) { return AValue.IsNull() ? std::nan("") : AValue.AsDouble(); }

// Dates compare to the second: Now moves on while a test runs.
void ExpectSameDate(double AActual, double AExpected, const std::string& AWhere) {
  if (std::isnan(AExpected)) {
    EXPECT_TRUE(std::isnan(AActual)) << AWhere;
    return;
  }
  EXPECT_NEAR(AActual, AExpected, 2.0 / 86400) << AWhere;
}

const double NoDate = std::nan("");

struct DateEdit : FormFixture {
  DateEdit() {
    Form->SetBounds(0, 0, 400, 300);
    Form->Show();
    Other = new TEdit(Form);
    Other->SetBounds(10, 200, 120, 22);
    Other->SetParent(Form);
    Other->SetFocus();
    ProcessPendingMessages();
  }
  TcxDateEdit* AddEdit(TcxCalendarKind AKind = ckDate) {
    auto* edit = new TcxDateEdit(Form);
    edit->SetBounds(10, 10, 200, 22);
    edit->SetParent(Form);
    edit->Properties()->SetKind(AKind);
    edit->HandleNeeded();
    ProcessPendingMessages();
    return edit;
  }
  static void Focus(TcxDateEdit* AEdit) {
    AEdit->SetFocus();
    ProcessPendingMessages();
  }
  static void Type(const String& AText) {
    for (wchar_t ch : AText) SendMessageW(GetFocus(), WM_CHAR, ch, 1);
    ProcessPendingMessages();
  }
  // Leaving validates; a refused text keeps the focus.
  bool Leave() {
    try {
      Other->SetFocus();
      ProcessPendingMessages();
    } catch (const Exception&) {
      return false;
    }
    return Other->Focused();
  }
  TEdit* Other = nullptr;
};

}  // namespace

TEST_F(DateEdit, ButtonsInputKindAndMaskFollowTheKindAndTheView) {
  TLocaleScope locale(cxLangPtBR);
  TcxFormatController* formats = cxFormatControllerInstance();
  struct TCase {
    const char* Name;
    TcxCalendarKind Kind;
    TcxCalendarView View;
    bool AssignButtons;
    bool AssignInputKind;
    TcxInputKind AssignedInputKind;
    TDateButtons Buttons;
    TcxInputKind InputKind;
    TcxEditMaskKind MaskKind;
    String Mask;
  };
  const TCase cases[] = {
      {"date, modern", ckDate, cavModern, false, false, ikMask, {btnClear}, ikRegExpr, emkRegExprEx,
       formats->RegExprDateEditMask()},
      {"date, classic", ckDate, cavClassic, false, false, ikMask, {btnClear, btnToday}, ikRegExpr, emkRegExprEx,
       formats->RegExprDateEditMask()},
      {"date and time", ckDateTime, cavModern, false, false, ikMask, {btnClear, btnNow}, ikMask, emkStandard,
       formats->StandardDateTimeEditMask()},
      {"date, standard mask", ckDate, cavModern, false, true, ikMask, {btnClear}, ikMask, emkStandard,
       formats->StandardDateEditMask()},
      {"date and time, regular expression", ckDateTime, cavClassic, false, true, ikRegExpr, {btnClear, btnNow},
       ikRegExpr, emkRegExprEx, formats->RegExprDateTimeEditMask()},
      {"free text", ckDate, cavModern, false, true, ikStandard, {btnClear}, ikStandard, emkRegExprEx, String()},
      {"buttons assigned", ckDateTime, cavModern, true, false, ikMask, {btnToday}, ikMask, emkStandard,
       formats->StandardDateTimeEditMask()},
  };
  for (const TCase& c : cases) {
    TcxDateEditProperties properties(nullptr);
    properties.SetKind(c.Kind);
    properties.SetView(c.View);
    if (c.AssignButtons) properties.SetDateButtons({btnToday});
    if (c.AssignInputKind) properties.SetInputKind(c.AssignedInputKind);
    EXPECT_EQ(properties.DateButtons(), c.Buttons) << c.Name;
    EXPECT_EQ(properties.InputKind(), c.InputKind) << c.Name;
    if (!c.Mask.empty()) {
      EXPECT_EQ(properties.MaskKind(), c.MaskKind) << c.Name;
    }
    EXPECT_EQ(properties.EditMask(), c.Mask) << c.Name;
  }

  // An edit format gives the regular-expression mask of that format.
  TcxDateEditProperties formatted(nullptr);
  formatted.SetInputKind(ikMask);
  formatted.SetEditFormat(L"yyyy-MM-dd");
  EXPECT_EQ(formatted.InputKind(), ikRegExpr);
  EXPECT_EQ(formatted.MaskKind(), emkRegExprEx);
  EXPECT_EQ(formatted.EditMask(), formats->RegExprCustomDateEditMask(L"yyyy-MM-dd"));

  // Defaults of a new editor, and what copying settings takes along.
  TcxDateEditProperties defaults(nullptr);
  EXPECT_EQ(defaults.DateOnError(), deNoChange);
  EXPECT_EQ(defaults.View(), cavModern);
  EXPECT_TRUE(defaults.SaveTime() && defaults.ShowTime() && defaults.ShowToday() && defaults.Animation());
  EXPECT_TRUE(defaults.CaseInsensitive());
  EXPECT_FALSE(defaults.AssignedValues()->DateButtons() || defaults.AssignedValues()->InputKind());
  TcxDateEditProperties source(nullptr);
  source.SetKind(ckDateTime);
  source.SetInputKind(ikRegExpr);
  source.SetMinDate(EncodeDate(2024, 1, 1));
  source.SetShowOnlyValidDates(true);
  defaults.SetDateButtons({btnToday});
  defaults.Assign(&source);
  EXPECT_EQ(defaults.Kind(), ckDateTime);
  EXPECT_FALSE(defaults.AssignedValues()->DateButtons());
  EXPECT_EQ(defaults.DateButtons(), (TDateButtons{btnClear, btnNow}));
  EXPECT_EQ(defaults.InputKind(), ikRegExpr);
  EXPECT_EQ(defaults.EditMask(), formats->RegExprDateTimeEditMask());
  EXPECT_EQ(defaults.MinDate(), EncodeDate(2024, 1, 1));
  EXPECT_FALSE(defaults.AssignedValues()->MaxDate());
  EXPECT_TRUE(defaults.ShowOnlyValidDates());
}

TEST_F(DateEdit, ALocaleWhoseCalendarIsNotGregorianTakesFreeText) {
  TLocaleScope locale(cxLangThai);
  TcxDateEditProperties properties(nullptr);
  properties.SetInputKind(ikMask);
  EXPECT_EQ(properties.InputKind(), ikStandard);
  EXPECT_FALSE(properties.IsMasked());
}

TEST_F(DateEdit, TypedAndSmartInputBecomeTheValueInEachLocale) {
  const TDateTime today = ::Date();
  const TDateTime jan31 = EncodeDate(2024, 1, 31);
  // A weekday is today or the coming one.
  TDateTime friday = today;
  while (DayOfWeek(friday) != 6) friday += 1;
  struct TCase {
    const char* Name;
    LANGID Language;
    TcxInputKind InputKind;
    String Typed;
    double Value;
    String Unfocused;
  };
  const TCase cases[] = {
      {"pt-BR, regular expression", cxLangPtBR, ikRegExpr, L"31/01/2024", jan31, L"31/01/2024"},
      {"pt-BR, standard mask", cxLangPtBR, ikMask, L"31012024", jan31, L"31/01/2024"},
      {"pt-BR, free text", cxLangPtBR, ikStandard, L"31/1/2024", jan31, L"31/01/2024"},
      {"en-US, regular expression", cxLangEnUS, ikRegExpr, L"1/31/2024", jan31, L"1/31/2024"},
      {"en-US, standard mask", cxLangEnUS, ikMask, L"01312024", jan31, L"1/31/2024"},
      {"de-DE, regular expression", cxLangDe, ikRegExpr, L"31.01.2024", jan31, L"31.1.2024"},
      {"de-DE, standard mask", cxLangDe, ikMask, L"31012024", jan31, L"31.1.2024"},
      {"ja-JP, regular expression", cxLangJapanese, ikRegExpr, L"2024/01/31", jan31, L"2024/1/31"},
      {"ja-JP, free text", cxLangJapanese, ikStandard, L"2024/1/31", jan31, L"2024/1/31"},
      {"today", cxLangPtBR, ikRegExpr, L"today", today, String()},
      {"today and an offset", cxLangPtBR, ikRegExpr, L"today+3", today + 3, String()},
      {"tomorrow back a day", cxLangDe, ikRegExpr, L"tomorrow-1", today, String()},
      {"a weekday", cxLangEnUS, ikRegExpr, L"friday", friday, String()},
      {"a smart word as free text", cxLangJapanese, ikStandard, L"yesterday", today - 1, String()},
  };
  for (const TCase& c : cases) {
    TLocaleScope locale(c.Language);
    TcxDateEdit* edit = AddEdit();
    edit->Properties()->SetInputKind(c.InputKind);
    Focus(edit);
    Type(c.Typed);
    EXPECT_TRUE(Leave()) << c.Name;
    ExpectSameDate(ValueOf(edit->EditValue()), c.Value, c.Name);
    EXPECT_EQ(edit->Date(), c.Value) << c.Name;
    if (!c.Unfocused.empty()) {
      EXPECT_EQ(edit->Text(), c.Unfocused) << c.Name;
    }
    delete edit;
  }
}

TEST_F(DateEdit, WhatATextThatIsNoDateBecomes) {
  TLocaleScope locale(cxLangPtBR);
  const TDateTime before = EncodeDate(2024, 5, 1);
  struct TCase {
    const char* Name;
    TDateOnError OnError;
    TcxCalendarKind Kind;
    bool Accepted;
    double Value;
  };
  const TCase cases[] = {
      {"no change keeps the value and reports", deNoChange, ckDate, false, before},
      {"today", deToday, ckDate, true, ::Date()},
      {"now in the date-time kind", deToday, ckDateTime, true, Now()},
      {"null", deNull, ckDate, true, NoDate},
  };
  for (const TCase& c : cases) {
    TcxDateEdit* edit = AddEdit(c.Kind);
    edit->Properties()->SetInputKind(ikStandard);
    edit->Properties()->SetDateOnError(c.OnError);
    edit->SetDate(before);
    Focus(edit);
    edit->SelectAll();
    Type(L"quarta");
    const bool valid = edit->ValidateEdit(false);
    EXPECT_EQ(valid, c.Accepted) << c.Name;
    ExpectSameDate(ValueOf(edit->EditValue()), c.Value, c.Name);
    if (!c.Accepted) {
      EXPECT_EQ(edit->ValidationErrorText(), L"Invalid Date") << c.Name;
      // What the person typed stays to be corrected.
      EXPECT_EQ(edit->Text(), L"quarta") << c.Name;
    }
    delete edit;
  }
}

TEST_F(DateEdit, ADateOnlyValueKeepsItsTimeWhenSaveTimeAsks) {
  TLocaleScope locale(cxLangPtBR);
  const TDateTime mayFirst = EncodeDateTime(2024, 5, 1, 10, 30, 0, 0);
  const TDateTime halfPastTen = EncodeTime(10, 30, 0, 0);
  struct TCase {
    const char* Name;
    bool SaveTime;
    String Typed;
    double Value;
  };
  const TCase cases[] = {
      {"a new date keeps the time", true, L"02/06/2024", EncodeDate(2024, 6, 2) + halfPastTen},
      {"without SaveTime the time goes", false, L"02/06/2024", EncodeDate(2024, 6, 2)},
      {"cleared, the time stays alone", true, String(), halfPastTen},
      {"cleared without SaveTime", false, String(), NoDate},
  };
  for (const TCase& c : cases) {
    TcxDateEdit* edit = AddEdit();
    edit->Properties()->SetSaveTime(c.SaveTime);
    edit->Properties()->SetInputKind(ikStandard);
    edit->SetEditValue(VarFromDateTime(mayFirst));
    EXPECT_EQ(edit->SavedTime(), c.SaveTime ? halfPastTen : 0) << c.Name;
    Focus(edit);
    edit->SelectAll();
    SendMessageW(GetFocus(), WM_CHAR, VK_BACK, 1);
    Type(c.Typed);
    EXPECT_TRUE(Leave()) << c.Name;
    ExpectSameDate(ValueOf(edit->EditValue()), c.Value, c.Name);
    delete edit;
  }
  // Set by the program, a date without a time takes the saved one, away
  // from day zero for dates before it.
  TcxDateEdit* edit = AddEdit();
  edit->SetEditValue(VarFromDateTime(mayFirst));
  edit->SetDate(EncodeDate(1800, 1, 1));
  EXPECT_DOUBLE_EQ(edit->Date(), EncodeDate(1800, 1, 1) - halfPastTen);
  edit->SetDate(cxNullDate);
  EXPECT_TRUE(edit->EditValue().IsNull());
  delete edit;
}

TEST_F(DateEdit, TextsShownFocusedAndUnfocused) {
  TLocaleScope locale(cxLangPtBR);
  const TDateTime value = EncodeDateTime(2024, 5, 1, 10, 30, 15, 0);
  struct TCase {
    const char* Name;
    TcxCalendarKind Kind;
    TcxInputKind InputKind;
    bool ShowTime;
    String DisplayFormat;
    String Focused;
    String Unfocused;
  };
  const TCase cases[] = {
      {"date, time shown unfocused", ckDate, ikRegExpr, true, String(), L"01/05/2024", L"01/05/2024 10:30:15"},
      {"date, time hidden", ckDate, ikRegExpr, false, String(), L"01/05/2024", L"01/05/2024"},
      {"date, free text shows the time", ckDate, ikStandard, true, String(), L"01/05/2024 10:30:15",
       L"01/05/2024 10:30:15"},
      {"date and time, masked", ckDateTime, ikMask, true, String(), L"01/05/2024 10:30:15", L"01/05/2024 10:30:15"},
      {"a display format", ckDate, ikRegExpr, true, L"yyyy-mm-dd", L"01/05/2024", L"2024-05-01"},
  };
  for (const TCase& c : cases) {
    TcxDateEdit* edit = AddEdit(c.Kind);
    edit->Properties()->SetInputKind(c.InputKind);
    edit->Properties()->SetShowTime(c.ShowTime);
    edit->Properties()->SetDisplayFormat(c.DisplayFormat);
    edit->SetEditValue(VarFromDateTime(value));
    EXPECT_EQ(edit->Text(), c.Unfocused) << c.Name;
    Focus(edit);
    EXPECT_EQ(edit->Text(), c.Focused) << c.Name;
    EXPECT_TRUE(Leave()) << c.Name;
    ExpectSameDate(ValueOf(edit->EditValue()), value, c.Name);
    delete edit;
  }
}

TEST_F(DateEdit, AnEmptyMaskedDateTimeEditShowsItsTimeAsZerosWhileFocused) {
  struct TCase {
    LANGID Language;
    String Unfocused;
    String Focused;
  };
  const TCase cases[] = {{cxLangPtBR, L"  /  /       :  :  ", L"  /  /     00:00:00"},
                         {cxLangDe, L"  .  .       :  :  ", L"  .  .     00:00:00"}};
  for (const TCase& c : cases) {
    TLocaleScope locale(c.Language);
    TcxDateEdit* edit = AddEdit(ckDateTime);
    EXPECT_EQ(edit->Text(), c.Unfocused);
    Focus(edit);
    EXPECT_EQ(edit->Text(), c.Focused);
    // Delete leaves a zero in the time and a blank in the date.
    TcxCustomDateEditProperties* properties = edit->ActiveProperties();
    EXPECT_EQ(properties->GetMaskBlank(1), L' ');
    EXPECT_EQ(properties->GetMaskBlank(12), L'0');
    EXPECT_EQ(properties->GetMaskBlank(18), L'0');
    EXPECT_TRUE(Leave());
    EXPECT_TRUE(edit->EditValue().IsNull());
    EXPECT_EQ(edit->Text(), c.Unfocused);
    delete edit;
  }
}

TEST_F(DateEdit, BoundsRefuseADateOutsideThem) {
  TLocaleScope locale(cxLangPtBR);
  struct TCase {
    const char* Name;
    double MinDate;
    double MaxDate;
    bool LowerDefined;
    bool UpperDefined;
  };
  const TCase cases[] = {
      {"none", 0, 0, false, false},
      {"only a lower one", EncodeDate(2024, 3, 10), 0, true, false},
      {"only an upper one", 0, EncodeDate(2024, 5, 20), false, true},
      {"a range", EncodeDate(2024, 3, 10), EncodeDate(2024, 5, 20), true, true},
      {"an empty range", EncodeDate(2024, 5, 20), EncodeDate(2024, 3, 10), false, false},
  };
  for (const TCase& c : cases) {
    TcxDateEditProperties properties(nullptr);
    properties.SetMinDate(c.MinDate);
    properties.SetMaxDate(c.MaxDate);
    EXPECT_EQ(properties.IsValueBoundDefined(0), c.LowerDefined) << c.Name;
    EXPECT_EQ(properties.IsValueBoundDefined(1), c.UpperDefined) << c.Name;
    EXPECT_EQ(properties.HasValueBounds(), c.LowerDefined || c.UpperDefined) << c.Name;
  }
  TcxDateEdit* edit = AddEdit();
  edit->Properties()->SetMinDate(EncodeDate(2024, 3, 10));
  edit->Properties()->SetMaxDate(EncodeDate(2024, 5, 20));
  edit->SetDate(EncodeDate(2024, 4, 1));
  Focus(edit);
  edit->SelectAll();
  Type(L"05/03/2024");
  EXPECT_FALSE(edit->ValidateEdit(false));
  EXPECT_EQ(edit->ValidationErrorText(), L"Value out of bounds");
  EXPECT_EQ(edit->Date(), EncodeDate(2024, 4, 1));
  edit->SelectAll();
  Type(L"20/05/2024");
  EXPECT_TRUE(edit->ValidateEdit(false));
  EXPECT_EQ(edit->Date(), EncodeDate(2024, 5, 20));
  EXPECT_TRUE(Leave());
  // Narrowed bounds pull a value in.
  edit->Properties()->SetMaxDate(EncodeDate(2024, 4, 30));
  EXPECT_EQ(edit->Date(), EncodeDate(2024, 4, 30));
  delete edit;
}

// An editor always paints: a stored value that is no date is shown as it
// stands and kept.
TEST_F(DateEdit, AStoredValueThatIsNoDateIsShownAsItStands) {
  TLocaleScope locale(cxLangPtBR);
  TcxDateEdit* edit = AddEdit();
  for (const Variant& value : {Variant(String(L"not a date")), Variant(String(L"32/13/2024"))}) {
    EXPECT_NO_THROW({
      edit->SetEditValue(value);
      edit->Repaint();
      ProcessPendingMessages();
    });
    EXPECT_EQ(edit->Text(), VarToStr(value));
    EXPECT_EQ(VarType(edit->EditValue()), VarType(value));
    EXPECT_EQ(edit->Date(), cxNullDate);
    EXPECT_NO_THROW(edit->ActiveProperties()->GetDisplayText(value));
  }
  // Formatting such a value on purpose still reports why it cannot.
  Variant display;
  try {
    edit->ActiveProperties()->PrepareDisplayValue(Variant(String(L"not a date")), display, false);
    ADD_FAILURE() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_EQ(String(e.Message()), L"Could not convert to date");
  }
  delete edit;
}

TEST_F(DateEdit, TheCalendarsTimeFormatFollowsTheDateTimeFormat) {
  struct TCase {
    String Format;
    TcxTimeEditTimeFormat TimeFormat;
    bool Use24Hour;
  };
  const TCase cases[] = {
      {L"dd/mm/yyyy hh:nn:ss", tfHourMinSec, true},
      {L"m/d/yyyy h:nn ampm", tfHourMin, false},
      {L"yyyy-mm-dd hh ampm", tfHour, false},
      {L"dd.mm.yyyy", tfHourMinSec, false},
  };
  for (const TCase& c : cases) {
    TcxDateTimeFormatInfo info;
    cxParseDateTimeFormat(c.Format, info);
    TcxTimeEditTimeFormat format;
    bool use24 = true;
    cxCalendarTimeFormat(info, format, use24);
    EXPECT_EQ(format, c.TimeFormat) << Utf8(c.Format);
    EXPECT_EQ(use24, c.Use24Hour) << Utf8(c.Format);
  }
}

TEST_F(DateEdit, RegisteredWithItsFilterHelper) {
  EXPECT_NE(cxEditPropertiesRegistry()->FindByClassName(L"TcxDateEditProperties"), nullptr);
  const TcxCustomFilterEditHelper* helper = cxFilterEditsRegistry()->FindHelper(TcxDateEditProperties::StaticClass());
  ASSERT_EQ(helper, TcxFilterDateEditHelper::Instance());
  struct TDateType : IcxFilterValueType {
    bool IsString() const override { return false; }
    bool IsValueValid(Variant&) const override { return true; }
  } dateType;
  TcxDateEditProperties column(nullptr);
  const TcxFilterControlOperators basic = helper->GetSupportedFilterOperators(&column, &dateType);
  EXPECT_TRUE(basic.Contains(fcoLessEqual) && basic.Contains(fcoNonBlanks));
  EXPECT_FALSE(basic.Contains(fcoBetween) || basic.Contains(fcoToday) || basic.Contains(fcoLike));
  const TcxFilterControlOperators extended = helper->GetSupportedFilterOperators(&column, &dateType, true);
  EXPECT_TRUE(extended.Contains(fcoNotInList) && extended.Contains(fcoYesterday) && extended.Contains(fcoInFuture));
  EXPECT_FALSE(extended.Contains(fcoLike));

  column.SetKind(ckDateTime);
  column.SetDateOnError(deToday);
  std::unique_ptr<TcxCustomEdit> filterEdit(helper->GetFilterEdit(&column));
  auto* dateEdit = dynamic_cast<TcxDateEdit*>(filterEdit.get());
  ASSERT_NE(dateEdit, nullptr);
  TcxCustomDateEditProperties* properties = dateEdit->ActiveProperties();
  EXPECT_EQ(properties->DateButtons(), (TDateButtons{btnClear, btnToday}));
  EXPECT_EQ(properties->DateOnError(), deNull);
  EXPECT_EQ(properties->InputKind(), ikRegExpr);
  EXPECT_TRUE(properties->SaveTime());
}

namespace {

// Keys as a person presses them in the open popup, posted to the focused
// window once the popup shows; the last one closes it.
void PostKeys(std::initializer_list<WORD> AKeys) {
  for (WORD key : AKeys) PostMessageW(GetFocus(), WM_KEYDOWN, key, 1);
}

}  // namespace

TEST_F(DateEdit, ThePopupCalendarStartsAtTheValueTodayOrTheFirstAllowedMonth) {
  TLocaleScope locale(cxLangPtBR);
  const TDateTime nextYear = ::Date() + 400;
  struct TCase {
    const char* Name;
    Variant Value;
    bool ShowOnlyValidDates;
    double Selected;
  };
  const TCase cases[] = {
      {"the value", VarFromDateTime(EncodeDateTime(2024, 5, 17, 10, 30, 0, 0)), false, EncodeDate(2024, 5, 17)},
      {"empty: today", Null(), false, ::Date()},
      {"empty, only valid dates from next year", Null(), true, std::trunc(nextYear)},
  };
  for (const TCase& c : cases) {
    TcxDateEdit* edit = AddEdit();
    if (c.ShowOnlyValidDates) edit->Properties()->SetMinDate(std::trunc(nextYear));
    edit->Properties()->SetShowOnlyValidDates(c.ShowOnlyValidDates);
    edit->SetEditValue(c.Value);
    Focus(edit);
    bool shown = false;
    edit->Properties()->OnPopup = [&](TObject*) {
      TcxPopupCalendar* calendar = edit->Calendar();
      shown = true;
      EXPECT_EQ(GetFocus(), calendar->Handle()) << c.Name;
      EXPECT_EQ(calendar->SelectDate(), c.Selected) << c.Name;
      EXPECT_EQ(calendar->FirstDate(), c.Selected - cxDecodeDatePart(2, c.Selected) + 1) << c.Name;
      EXPECT_EQ(calendar->View(), cavModern) << c.Name;
      EXPECT_EQ(calendar->CalendarButtons(), (TDateButtons{btnClear})) << c.Name;
      PostKeys({VK_ESCAPE});
    };
    PressKey(VK_F4);
    ProcessPendingMessages();
    EXPECT_TRUE(shown) << c.Name;
    EXPECT_FALSE(edit->DroppedDown()) << c.Name;
    EXPECT_EQ(edit->CloseUpReason(), crCancel) << c.Name;
    EXPECT_TRUE(cxEditValuesEqual(edit->EditValue(), c.Value)) << c.Name;
    delete edit;
  }
}

TEST_F(DateEdit, KeysInThePopupCalendarPickADateAndEnterTakesIt) {
  TLocaleScope locale(cxLangPtBR);
  const TDateTime halfPastTen = EncodeTime(10, 30, 0, 0);
  struct TCase {
    const char* Name;
    TcxCalendarKind Kind;
    std::initializer_list<WORD> Keys;
    TcxEditCloseUpReason Reason;
    double Value;
    String Text;
  };
  const TCase cases[] = {
      {"a day on, a week on, a month on", ckDate, {VK_RIGHT, VK_DOWN, VK_NEXT, VK_RETURN}, crEnter,
       EncodeDate(2024, 6, 25) + halfPastTen, L"25/06/2024"},
      {"back a month to its first day", ckDate, {VK_PRIOR, VK_HOME, VK_RETURN}, crEnter,
       EncodeDate(2024, 4, 14) + halfPastTen, L"14/04/2024"},
      {"Escape keeps the value", ckDate, {VK_RIGHT, VK_ESCAPE}, crCancel, EncodeDate(2024, 5, 17) + halfPastTen,
       L"17/05/2024"},
      {"date and time keeps the calendar's time", ckDateTime, {VK_LEFT, VK_RETURN}, crEnter,
       EncodeDate(2024, 5, 16) + halfPastTen, L"16/05/2024 10:30:00"},
  };
  for (const TCase& c : cases) {
    TcxDateEdit* edit = AddEdit(c.Kind);
    edit->SetEditValue(VarFromDateTime(EncodeDate(2024, 5, 17) + halfPastTen));
    Focus(edit);
    edit->Properties()->OnPopup = [&](TObject*) { PostKeys(c.Keys); };
    PressKey(VK_F4);
    ProcessPendingMessages();
    EXPECT_FALSE(edit->DroppedDown()) << c.Name;
    EXPECT_EQ(edit->CloseUpReason(), c.Reason) << c.Name;
    ExpectSameDate(ValueOf(edit->EditValue()), c.Value, c.Name);
    EXPECT_EQ(edit->Text(), c.Text) << c.Name;
    EXPECT_EQ(edit->ModifiedAfterEnter(), c.Reason == crEnter) << c.Name;
    EXPECT_TRUE(Leave()) << c.Name;
    delete edit;
  }
  // Taking the date the edit already has changes nothing.
  TcxDateEdit* edit = AddEdit();
  edit->SetEditValue(VarFromDateTime(EncodeDate(2024, 5, 17)));
  Focus(edit);
  edit->Properties()->OnPopup = [&](TObject*) { PostKeys({VK_RETURN}); };
  PressKey(VK_F4);
  ProcessPendingMessages();
  EXPECT_EQ(edit->CloseUpReason(), crEnter);
  EXPECT_FALSE(edit->ModifiedAfterEnter());
  delete edit;
}

TEST_F(DateEdit, AClickOnADayTakesItAndClearEmptiesTheEdit) {
  TLocaleScope locale(cxLangEnUS);
  TcxDateEdit* edit = AddEdit();
  edit->SetEditValue(VarFromDateTime(EncodeDate(2024, 5, 17)));
  Focus(edit);
  edit->Properties()->OnPopup = [&](TObject*) {
    TcxPopupCalendar* calendar = edit->Calendar();
    TcxCalendarDateTableViewInfo* table = calendar->ViewInfo()->DateViewInfo()->CurrentTable();
    for (int i = 0; i < table->CellCount(); ++i) {
      if (table->Cells(i)->Value() != EncodeDate(2024, 5, 9)) continue;
      const TRect r = table->Cells(i)->Bounds();
      const LPARAM at = MAKELPARAM((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
      PostMessageW(calendar->Handle(), WM_MOUSEMOVE, 0, at);
      PostMessageW(calendar->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
      PostMessageW(calendar->Handle(), WM_LBUTTONUP, 0, at);
    }
  };
  PressKey(VK_F4);
  ProcessPendingMessages();
  EXPECT_FALSE(edit->DroppedDown());
  EXPECT_EQ(edit->Date(), EncodeDate(2024, 5, 9));
  EXPECT_EQ(edit->Text(), L"5/9/2024");

  edit->Properties()->OnPopup = [&](TObject*) {
    TcxButton* clear = edit->Calendar()->ViewInfo()->ButtonsViewInfo()->Button(btnClear);
    ASSERT_TRUE(clear->Visible());
    PostMessageW(clear->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    PostMessageW(clear->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
  };
  PressKey(VK_F4);
  ProcessPendingMessages();
  EXPECT_FALSE(edit->DroppedDown());
  EXPECT_TRUE(edit->EditValue().IsNull());
  EXPECT_TRUE(Leave());
  EXPECT_TRUE(edit->EditValue().IsNull());
  delete edit;
}

TEST_F(DateEdit, SheetOfAnOpenDateEditInEveryLook) {
  TLocaleScope locale(cxLangPtBR);
  struct TRow {
    const char* Name;
    TcxCalendarKind Kind;
    TcxCalendarView View;
  };
  const TRow rows[] = {{"modern, date", ckDate, cavModern}, {"classic, date and time", ckDateTime, cavClassic}};
  const int columnWidth = 400, rowHeight = 320, left = 10, top = 24;
  TBitmap sheet;
  sheet.SetSize(left + std::size(AllLooks) * columnWidth, top + std::size(rows) * rowHeight);
  sheet.Canvas()->Brush()->SetColor(clWhite);
  sheet.Canvas()->FillRect(TRect(0, 0, sheet.Width(), sheet.Height()));
  auto paste = [&](TWinControl* AWindow, const TPoint& AAt) {
    std::unique_ptr<TBitmap> picture = CaptureWindow(AWindow);
    BitBlt(sheet.Canvas()->Handle(), AAt.X, AAt.Y, picture->Width(), picture->Height(), picture->Canvas()->Handle(), 0,
           0, SRCCOPY);
  };
  for (size_t l = 0; l < std::size(AllLooks); ++l) {
    const String lookName(LookName(AllLooks[l]), LookName(AllLooks[l]) + strlen(LookName(AllLooks[l])));
    sheet.Canvas()->TextOut(left + l * columnWidth, 4, lookName);
    for (size_t r = 0; r < std::size(rows); ++r) {
      const TRow& row = rows[r];
      TcxDateEdit* edit = AddEdit(row.Kind);
      SetLook(edit->Style()->LookAndFeel(), AllLooks[l]);
      edit->Properties()->SetView(row.View);
      edit->Properties()->SetAnimation(false);
      edit->SetEditValue(VarFromDateTime(EncodeDateTime(2024, 5, 17, 10, 30, 0, 0)));
      Focus(edit);
      bool shown = false;
      edit->Properties()->OnPopup = [&](TObject*) {
        shown = true;
        TcxCustomEditPopupWindow* popup = edit->PopupWindow();
        TcxPopupCalendar* calendar = edit->Calendar();
        const TRect e = ScreenBounds(edit), p = ScreenBounds(popup);
        const TPoint at(left + l * columnWidth, top + r * rowHeight);
        paste(edit, at);
        paste(popup, TPoint(at.X + p.Left - e.Left, at.Y + p.Top - e.Top));
        // The calendar fills the popup and marks the edit's day.
        std::unique_ptr<TBitmap> picture = CaptureWindow(calendar);
        TcxCalendarDateCellViewInfo* cell = calendar->ViewInfo()->DateViewInfo()->CurrentTable()->GetSelectedCell();
        EXPECT_NE(cell, nullptr) << row.Name;
        if (cell) {
          EXPECT_NE(PixelColor(*picture, cell->Bounds().Left + 1, cell->Bounds().Top + 1),
                    calendar->GetBackgroundColor() & 0xFFFFFF)
              << row.Name << " " << LookName(AllLooks[l]);
        }
        edit->ClosePopupWithReason(crCancel);
      };
      PressKey(VK_F4);
      ProcessPendingMessages();
      EXPECT_TRUE(shown) << row.Name << " " << LookName(AllLooks[l]);
      delete edit;
    }
  }
  std::filesystem::create_directories("artifacts");
  SaveAsPng(sheet, L"artifacts\\DateEdits.png");
  EXPECT_TRUE(std::filesystem::exists("artifacts/DateEdits.png"));
}

// The time editor of the date-time kind: it starts at the value's time,
// a step moves the clock with it, and OK takes the day and that time.
TEST_F(DateEdit, TheTimeEditorSetsTheTimeThatOkTakes) {
  TLocaleScope locale(cxLangPtBR);
  TcxDateEdit* edit = AddEdit(ckDateTime);
  edit->SetEditValue(VarFromDateTime(EncodeDateTime(2024, 5, 17, 10, 30, 0, 0)));
  Focus(edit);
  String shownTime;
  edit->Properties()->OnPopup = [&](TObject*) {
    TcxCalendarTimeViewInfo* timeView = edit->Calendar()->ViewInfo()->TimeViewInfo();
    TcxTimeEdit* timeEdit = timeView->TimeEdit();
    ASSERT_TRUE(timeEdit->Visible());
    shownTime = timeEdit->Text();
    timeEdit->SetFocus();
    timeEdit->SetSelStart(0);
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_UP, 1);
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_UP, 1);
    TcxButton* ok = edit->Calendar()->ViewInfo()->ButtonsViewInfo()->Button(btnOk);
    PostMessageW(ok->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    PostMessageW(ok->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
  };
  PressKey(VK_F4);
  ProcessPendingMessages();
  EXPECT_EQ(shownTime, L"10:30:00");
  EXPECT_FALSE(edit->DroppedDown());
  ExpectSameDate(ValueOf(edit->EditValue()), EncodeDateTime(2024, 5, 17, 12, 30, 0, 0), "OK");
  EXPECT_DOUBLE_EQ(edit->Calendar()->ViewInfo()->TimeViewInfo()->Clock()->Time(), EncodeTime(12, 30, 0, 0));
  delete edit;
}
