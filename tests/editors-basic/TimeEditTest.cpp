// The time edit on a shown form: its texts and masks in 12- and 24-hour
// form in en-US, pt-BR and ja-JP, steps by the part under the caret, the
// typing rules of each part, the date kept, and a text that is no time
// refused with the previous value kept.
#include <gtest/gtest.h>

#include <cmath>

#include "components/editors-basic/cxTimeEdit.h"
#include "tests/calendars/LocaleScope.h"
#include "tests/editors-basic/NumericEditFixture.h"
#include "vcl/rtl/DateUtils.h"

namespace {

TDateTime At(int H, int M, int S) { return (H * 3600 + M * 60 + S) / 86400.0; }

struct TimeEdit : NumericEditFixture {
  TcxTimeEdit* AddTime(bool A24Hour, TcxTimeEditTimeFormat AFormat, TDateTime ATime) {
    TcxTimeEdit* edit = AddEdit<TcxTimeEdit>();
    edit->Properties()->SetUse24HourFormat(A24Hour);
    edit->Properties()->SetTimeFormat(AFormat);
    edit->SetTime(ATime);
    return edit;
  }
  static void Focus(TcxTimeEdit* AEdit, int ACaret) {
    AEdit->SetFocus();
    ProcessPendingMessages();
    AEdit->SetSelection(ACaret, 1);
  }
};

}  // namespace

TEST_F(TimeEdit, TextsAndMasksFollowTheLocaleAndTheForm) {
  struct TCase {
    LANGID Language;
    bool Use24Hour;
    TcxTimeEditTimeFormat Format;
    String Mask;
    String Shown;
  };
  const TCase cases[] = {
      {cxLangEnUS, true, tfHourMinSec, L"00:00:00;1;0", L"18:05:09"},
      {cxLangEnUS, false, tfHourMinSec, L"00:00:00 cc;1;0", L"06:05:09 PM"},
      {cxLangEnUS, false, tfHourMin, L"00:00 cc;1;0", L"06:05 PM"},
      {cxLangEnUS, false, tfHour, L"00 cc;1;0", L"06 PM"},
      {cxLangEnUS, true, tfHour, L"00;1;0", L"18"},
      {cxLangPtBR, true, tfHourMinSec, L"00:00:00;1;0", L"18:05:09"},
      {cxLangPtBR, false, tfHourMin, L"00:00 cc;1;0", L"06:05 PM"},
      {cxLangJapanese, true, tfHourMin, L"00:00;1;0", L"18:05"},
      {cxLangJapanese, false, tfHourMinSec, L"00:00:00 cc;1;0", L"06:05:09 \x5348\x5F8C"},
  };
  for (const TCase& c : cases) {
    TLocaleScope locale(c.Language);
    TcxTimeEdit* edit = AddTime(c.Use24Hour, c.Format, At(18, 5, 9));
    EXPECT_EQ(edit->Properties()->EditMask(), c.Mask) << c.Shown;
    Focus(edit, 0);
    EXPECT_EQ(edit->Text(), c.Shown);
    // The text read back is the time shown: nothing is lost on the way.
    const TDateTime expected = c.Format == tfHour ? At(18, 0, 0) : c.Format == tfHourMin ? At(18, 5, 0) : At(18, 5, 9);
    EXPECT_NEAR(edit->Time(), expected, 1e-9) << c.Shown;
    Leave();
    EXPECT_EQ(edit->Text(), c.Shown);
    delete edit;
  }
}

TEST_F(TimeEdit, StepsMoveThePartUnderTheCaret) {
  TLocaleScope locale(cxLangEnUS);
  struct TCase {
    const char* Name;
    bool Use24Hour;
    bool Circular;
    TDateTime Start;
    int Caret;
    WORD Key;
    String Shown;
  };
  const TCase cases[] = {
      {"hours", true, false, At(10, 20, 30), 0, VK_UP, L"11:20:30"},
      {"minutes", true, false, At(10, 20, 30), 3, VK_UP, L"10:21:30"},
      {"seconds down", true, false, At(10, 20, 30), 7, VK_DOWN, L"10:20:29"},
      {"minutes by the large step", true, false, At(10, 20, 30), 4, VK_PRIOR, L"10:30:30"},
      {"seconds wrap at midnight when circular", true, true, At(23, 59, 59), 6, VK_UP, L"00:00:00"},
      {"minutes wrap at midnight when circular", true, true, At(23, 59, 59), 3, VK_UP, L"00:00:59"},
      {"refused past midnight otherwise", true, false, At(23, 59, 59), 6, VK_UP, L"23:59:59"},
      {"AM becomes PM", false, false, At(11, 30, 0), 9, VK_UP, L"11:30:00 PM"},
      {"PM becomes AM", false, false, At(23, 30, 0), 9, VK_UP, L"11:30:00 AM"},
      {"PM back down to AM", false, false, At(13, 0, 0), 10, VK_DOWN, L"01:00:00 AM"},
  };
  for (const TCase& c : cases) {
    TcxTimeEdit* edit = AddTime(c.Use24Hour, tfHourMinSec, c.Start);
    edit->Properties()->SetCircular(c.Circular);
    Focus(edit, c.Caret);
    Key(c.Key);
    EXPECT_EQ(edit->Text(), c.Shown) << c.Name;
    // The caret stays in the part it stepped.
    TcxTimeEditTextZone before, after;
    edit->ActiveProperties()->GetTextZone(c.Caret + 1, before);
    after = edit->CaretZone();
    EXPECT_EQ(after.Kind, before.Kind) << c.Name;
    delete edit;
  }
}

TEST_F(TimeEdit, TypedDigitsStayInTheRangeOfTheirPart) {
  TLocaleScope locale(cxLangEnUS);
  struct TCase {
    const char* Name;
    bool Use24Hour;
    TDateTime Start;
    int Caret;
    String Typed;
    String Shown;
    int CaretAfter;
  };
  const TCase cases[] = {
      {"7 cannot start an hour: 07", true, At(0, 0, 0), 0, L"7", L"07:00:00", 3},
      {"2 over 09 gives 20", true, At(9, 0, 0), 0, L"2", L"20:00:00", 1},
      {"12-hour: 0 moves the digit on", false, At(10, 0, 0), 0, L"0", L"01:00:00 AM", 1},
      {"a whole time typed", true, At(0, 0, 0), 0, L"123456", L"12:34:56", 8},
      {"6 cannot start minutes: 06", true, At(0, 0, 0), 3, L"6", L"00:06:00", 6},
      {"a second digit past the range zeroes the first", true, At(20, 0, 0), 1, L"5", L"05:00:00", 3},
      {"a letter is refused", true, At(1, 0, 0), 0, L"x", L"01:00:00", 0},
      {"12-hour: 0 at the second digit of 0_ is refused", false, At(1, 0, 0), 1, L"0", L"01:00:00 AM", 1},
      {"12-hour: 2 cannot start an hour: 02", false, At(1, 0, 0), 0, L"2", L"02:00:00 AM", 3},
      {"12-hour: p chooses PM", false, At(1, 0, 0), 9, L"p", L"01:00:00 PM", 11},
      {"12-hour: a letter that is neither is refused", false, At(1, 0, 0), 9, L"x", L"01:00:00 AM", 9},
  };
  for (const TCase& c : cases) {
    TcxTimeEdit* edit = AddTime(c.Use24Hour, tfHourMinSec, c.Start);
    Focus(edit, c.Caret);
    Type(c.Typed);
    EXPECT_EQ(edit->Text(), c.Shown) << c.Name;
    EXPECT_EQ(edit->SelStart(), c.CaretAfter) << c.Name;
    delete edit;
  }
}

TEST_F(TimeEdit, TheDateOfTheValueIsKept) {
  TLocaleScope locale(cxLangEnUS);
  TcxTimeEdit* edit = AddEdit<TcxTimeEdit>();
  const TDateTime date = EncodeDate(2024, 3, 5);
  edit->SetEditValue(VarFromDateTime(date + At(10, 20, 30)));
  EXPECT_EQ(edit->SavedDate(), date);
  Focus(edit, 0);
  Key(VK_UP);
  Leave();
  EXPECT_NEAR(edit->EditValue().AsDouble(), date + At(11, 20, 30), 1e-9);
  // Shown with its date only when asked.
  EXPECT_EQ(edit->Text(), L"11:20:30");
  edit->Properties()->SetShowDate(true);
  edit->Properties()->SetUseTimeFormatWhenUnfocused(false);
  EXPECT_EQ(edit->Text(), DateTimeToStr(date + At(11, 20, 30)));
  EXPECT_NE(Pos(L"2024", edit->Text()), 0);
  edit->SetEditValue(VarFromDateTime(At(11, 20, 30)));
  EXPECT_EQ(edit->Text(), TimeToStr(At(11, 20, 30)));
}

// A text that makes no time (the mask takes any digits when pasted) is
// refused with its reason; the previous time stays, never midnight.
TEST_F(TimeEdit, APastedTextThatIsNoTimeIsRefusedAndTheTimeKept) {
  TLocaleScope locale(cxLangEnUS);
  TcxTimeEdit* edit = AddTime(true, tfHourMinSec, At(10, 20, 30));
  edit->Properties()->SetValidationOptions({});
  Focus(edit, 0);
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  const wchar_t text[] = L"99:99:99";
  HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, sizeof(text));
  memcpy(GlobalLock(data), text, sizeof(text));
  GlobalUnlock(data);
  SetClipboardData(CF_UNICODETEXT, data);
  CloseClipboard();
  SendMessageW(GetFocus(), WM_CHAR, 22, 1);  // Ctrl+V
  ProcessPendingMessages();
  EXPECT_EQ(edit->Text(), L"99:99:99");
  EXPECT_FALSE(edit->ValidateEdit(false));
  EXPECT_EQ(edit->ValidationErrorText(), L"Could not convert to time");
  EXPECT_EQ(edit->Text(), L"99:99:99");
  EXPECT_NEAR(edit->EditValue().AsDouble(), At(10, 20, 30), 1e-9);
}

TEST_F(TimeEdit, RegisteredWithItsFilterHelper) {
  const TcxCustomFilterEditHelper* helper = cxFilterEditsRegistry()->FindHelper(TcxTimeEditProperties::StaticClass());
  ASSERT_EQ(helper, TcxFilterTimeEditHelper::Instance());
  TcxRegisteredClasses* registry = cxEditPropertiesRegistry();
  const int index = registry->GetIndexByClass(TcxTimeEditProperties::StaticClass());
  ASSERT_GE(index, 0);
  EXPECT_EQ(registry->GetDescription(index), L"TimeEdit");
  EXPECT_EQ(registry->GetHint(index), L"Represents an editor displaying time values");
}
