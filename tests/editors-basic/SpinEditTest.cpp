// The spin edit on a shown form: steps by keys, wheel and held buttons,
// bounds with stopping, wrapping or refusing, value types and their
// increments, the character filter, typed text refused with its reason,
// and the sheet of it in every look.
#include <gtest/gtest.h>

#include <climits>
#include <filesystem>

#include "components/editors-basic/cxSpinEdit.h"
#include "tests/calendars/LocaleScope.h"
#include "tests/editors-basic/NumericEditFixture.h"
#include "tests/graphics/PaintSurface.h"
#include "vcl/classes/Filer.h"
#include "vcl/rtl/Streams.h"

namespace {

struct SpinEdit : NumericEditFixture {
  TcxSpinEdit* Spin() {
    TcxSpinEdit* edit = AddEdit<TcxSpinEdit>();
    edit->SetFocus();
    ProcessPendingMessages();
    return edit;
  }
};

}  // namespace

TEST_F(SpinEdit, StepsStopWrapOrAreRefusedAtTheBounds) {
  TLocaleScope locale(cxLangEnUS);
  struct TCase {
    const char* Name;
    TcxSpinEditValueType Type;
    double Min, Max;  // Min > Max: no bounds
    bool Circular;
    double Increment;
    double Start;
    WORD Key;
    String Shown;
  };
  const TCase cases[] = {
      {"stops at the upper bound", vtInt, 0, 10, false, 3, 9, VK_UP, L"10"},
      {"wraps past the upper bound", vtInt, 0, 10, true, 3, 9, VK_UP, L"1"},
      {"wraps past the lower bound", vtInt, 0, 10, true, 3, 1, VK_DOWN, L"9"},
      {"stops at the lower bound", vtInt, 0, 10, false, 3, 1, VK_DOWN, L"0"},
      {"below the range, forward goes to the lower bound", vtInt, 10, 20, false, 1, 5, VK_UP, L"10"},
      {"below the range, backward is refused", vtInt, 10, 20, false, 1, 5, VK_DOWN, L"5"},
      {"below the range, backward wraps to the upper bound", vtInt, 10, 20, true, 1, 5, VK_DOWN, L"20"},
      {"above the range, backward goes to the upper bound", vtInt, 10, 20, false, 1, 25, VK_DOWN, L"20"},
      {"page keys take the large increment", vtInt, 0, 100, false, 1, 50, VK_PRIOR, L"60"},
      {"page down", vtInt, 0, 100, false, 1, 50, VK_NEXT, L"40"},
      {"integer increment 0.5 rounds to 0", vtInt, 1, 0, false, 0.5, 7, VK_UP, L"7"},
      {"integer increment 1.5 rounds to 2", vtInt, 1, 0, false, 1.5, 7, VK_UP, L"9"},
      {"integer increment 2.5 rounds to even 2", vtInt, 1, 0, false, 2.5, 7, VK_UP, L"9"},
      {"float steps keep fractions", vtFloat, 1, 0, false, 0.25, 1, VK_UP, L"1.25"},
      {"float stops at the bound", vtFloat, 0, 1, false, 0.75, 0.5, VK_UP, L"1"},
  };
  for (const TCase& c : cases) {
    TcxSpinEdit* edit = AddEdit<TcxSpinEdit>();
    TcxSpinEditProperties* p = edit->Properties();
    p->SetValueType(c.Type);
    if (c.Min <= c.Max) p->SetMinMaxValues(c.Min, c.Max);
    p->SetCircular(c.Circular);
    p->SetIncrement(c.Increment);
    edit->SetValue(Variant(c.Start));
    edit->SetFocus();
    ProcessPendingMessages();
    Key(c.Key);
    EXPECT_EQ(edit->Text(), c.Shown) << c.Name;
    Leave();
    // Left, the value is the one shown (a start outside the range is kept
    // in it by then).
    if (c.Min > c.Max || (c.Start >= c.Min && c.Start <= c.Max))
      EXPECT_EQ(VarToStr(edit->EditValue()), c.Shown) << c.Name;
    delete edit;
  }
}

TEST_F(SpinEdit, AnInt64StepNearTheLimitsDoesNotOverflow) {
  TcxSpinEdit* edit = AddEdit<TcxSpinEdit>();
  edit->Properties()->SetMaxValue(9223372036854775807.0);
  edit->Properties()->SetCircular(true);
  edit->SetValue(Variant(-5LL));
  edit->SetFocus();
  Key(VK_UP);
  EXPECT_EQ(edit->Value().AsInt64(), -4);
  // At the top, one more wraps to the smallest value: the type's limit.
  edit->SetValue(Variant(static_cast<long long>(LLONG_MAX)));
  Key(VK_UP);
  EXPECT_EQ(edit->Value().AsInt64(), LLONG_MIN);
  Key(VK_DOWN);
  EXPECT_EQ(edit->Value().AsInt64(), LLONG_MAX);
}

TEST_F(SpinEdit, TheWheelStepsAndCtrlIncrementGuardsTheKeys) {
  TcxSpinEdit* edit = Spin();
  Wheel(WHEEL_DELTA);
  Wheel(WHEEL_DELTA);
  EXPECT_EQ(edit->Text(), L"2");
  Wheel(-WHEEL_DELTA);
  EXPECT_EQ(edit->Text(), L"1");
  edit->Properties()->SetUseCtrlIncrement(true);
  Key(VK_UP);
  EXPECT_EQ(edit->Text(), L"1");
  Key(VK_UP, true);
  EXPECT_EQ(edit->Text(), L"2");
}

TEST_F(SpinEdit, AHeldButtonStepsAtOnceThenAfter400msThenEvery100ms) {
  TcxSpinEdit* edit = AddEdit<TcxSpinEdit>();  // unfocused: the press focuses it too
  const TPoint forward = Centre(edit->ViewInfo()->Button(1)->Bounds);
  const TPoint backward = Centre(edit->ViewInfo()->Button(0)->Bounds);
  EXPECT_LT(forward.Y, backward.Y);  // stacked: forward above
  Post(edit, WM_MOUSEMOVE, 0, forward);
  Post(edit, WM_LBUTTONDOWN, MK_LBUTTON, forward);
  EXPECT_EQ(edit->Value().AsInt64(), 1);
  ASSERT_NE(edit->SpinTimer(), nullptr);
  PumpFor(300);
  EXPECT_EQ(edit->Value().AsInt64(), 1);
  PumpFor(500);  // 800 ms: the repeat at 400, then about four more
  const int64_t held = edit->Value().AsInt64();
  EXPECT_GE(held, 3);
  EXPECT_LE(held, 7);
  EXPECT_EQ(edit->SpinTimer()->Interval(), 100u);
  Post(edit, WM_LBUTTONUP, 0, forward);
  EXPECT_EQ(edit->SpinTimer(), nullptr);
  PumpFor(250);
  EXPECT_EQ(edit->Value().AsInt64(), held);
  // A click on the backward button: one step down.
  Post(edit, WM_MOUSEMOVE, 0, backward);
  Post(edit, WM_LBUTTONDOWN, MK_LBUTTON, backward);
  Post(edit, WM_LBUTTONUP, 0, backward);
  EXPECT_EQ(edit->Value().AsInt64(), held - 1);
}

TEST_F(SpinEdit, TypingIsFilteredToNumbers) {
  struct TCase {
    const char* Name;
    LANGID Language;
    TcxSpinEditValueType Type;
    String Typed;
    String Shown;
  };
  const TCase cases[] = {
      {"letters refused", cxLangEnUS, vtInt, L"12a3", L"123"},
      {"no decimal point in integers", cxLangEnUS, vtInt, L"4.5", L"45"},
      {"comma becomes the en-US point", cxLangEnUS, vtFloat, L"2,5", L"2.5"},
      {"point becomes the pt-BR comma", cxLangPtBR, vtFloat, L"2.5", L"2,5"},
      {"signs and exponents pass", cxLangEnUS, vtFloat, L"-1e3", L"-1e3"},
  };
  for (const TCase& c : cases) {
    TLocaleScope locale(c.Language);
    TcxSpinEdit* edit = AddEdit<TcxSpinEdit>();
    edit->Properties()->SetValueType(c.Type);
    edit->SetFocus();
    edit->SelectAll();
    Type(L"\b" + c.Typed);
    EXPECT_EQ(edit->Text(), c.Shown) << c.Name;
    delete edit;
  }
}

// An "e" passes the integer filter but makes no integer: the text stays and
// the reason is given, and the held value is not replaced.
TEST_F(SpinEdit, TypedTextThatIsNoNumberIsRefusedWithItsReason) {
  TLocaleScope locale(cxLangEnUS);
  for (const bool raising : {false, true}) {
    TcxSpinEdit* edit = AddEdit<TcxSpinEdit>();
    edit->Properties()->SetExceptionOnInvalidInput(raising);
    edit->Properties()->SetValidationOptions({});
    edit->SetValue(Variant(7));
    edit->SetFocus();
    edit->SelectAll();
    Type(L"\b1e5");
    EXPECT_EQ(edit->Text(), L"1e5");
    EXPECT_FALSE(edit->ValidateEdit(false)) << raising;
    EXPECT_EQ(edit->ValidationErrorText(), L"Invalid numeric value") << raising;
    EXPECT_EQ(edit->Text(), L"1e5");
    EXPECT_EQ(edit->EditValue().AsInt64(), 7);
    delete edit;
  }
}

TEST_F(SpinEdit, ATypedValueOutOfBoundsIsClampedOrRefused) {
  TLocaleScope locale(cxLangEnUS);
  for (const bool raising : {false, true}) {
    TcxSpinEdit* edit = AddEdit<TcxSpinEdit>();
    edit->Properties()->SetMinMaxValues(0, 10);
    edit->Properties()->SetExceptionOnInvalidInput(raising);
    edit->Properties()->SetValidationOptions({});
    edit->SetValue(Variant(4));
    edit->SetFocus();
    edit->SelectAll();
    Type(L"\b50");
    EXPECT_EQ(edit->ValidateEdit(false), !raising);
    if (raising) {
      EXPECT_EQ(edit->ValidationErrorText(), L"Value out of bounds");
      EXPECT_EQ(edit->Text(), L"50");
      EXPECT_EQ(edit->EditValue().AsInt64(), 4);
    } else {
      EXPECT_EQ(edit->Text(), L"10");
      EXPECT_EQ(edit->EditValue().AsInt64(), 10);
    }
    delete edit;
  }
}

TEST_F(SpinEdit, WithoutCanEditOnlyTheSpinsChangeTheValue) {
  TcxSpinEdit* edit = Spin();
  edit->Properties()->SetCanEdit(false);
  int afterKeyDown = 0;
  edit->OnAfterKeyDown = [&](TObject*, uint16_t& AKey, TShiftState) { afterKeyDown += AKey == VK_DELETE; };
  Type(L"5");
  EXPECT_EQ(edit->Text(), L"0");
  edit->SelectAll();
  Key(VK_DELETE);
  EXPECT_EQ(edit->Text(), L"0");
  EXPECT_EQ(afterKeyDown, 1);
  Key(VK_UP);
  EXPECT_EQ(edit->Text(), L"1");
}

TEST_F(SpinEdit, TheButtonCountFollowsTheSpinButtonSettings) {
  TcxSpinEditProperties p(nullptr);
  EXPECT_EQ(p.Buttons()->Count(), 2);
  p.SpinButtons()->SetShowFastButtons(true);
  EXPECT_EQ(p.Buttons()->Count(), 4);
  p.SpinButtons()->SetVisible(false);
  EXPECT_EQ(p.Buttons()->Count(), 0);
  p.SpinButtons()->SetVisible(true);
  p.SpinButtons()->SetShowFastButtons(false);
  EXPECT_EQ(p.Buttons()->Count(), 2);
  EXPECT_THROW(p.GetIncrement(static_cast<TcxSpinEditButton>(7)), EdxException);
}

TEST_F(SpinEdit, ZeroIncrementsSurviveAStream) {
  struct TCase {
    double Increment, LargeIncrement;
  };
  for (const TCase& c : {TCase{0, 10}, TCase{1, 0}, TCase{0, 0}, TCase{2, 5}}) {
    TcxSpinEditProperties written(nullptr);
    written.SetIncrement(c.Increment);
    written.SetLargeIncrement(c.LargeIncrement);
    TMemoryStream stream;
    {
      TWriter writer(&stream);
      written.DefineProperties(&writer);
      writer.WriteListEnd();
    }
    stream.SetPosition(0);
    TcxSpinEditProperties read(nullptr);
    read.SetIncrement(3);
    read.SetLargeIncrement(4);
    TReader reader(&stream);
    reader.ReadProperties(&read);
    EXPECT_EQ(read.Increment(), c.Increment == 0 ? 0 : 3) << c.Increment;
    EXPECT_EQ(read.LargeIncrement(), c.LargeIncrement == 0 ? 0 : 4) << c.LargeIncrement;
  }
}

TEST_F(SpinEdit, RegisteredWithItsFilterHelper) {
  const TcxCustomFilterEditHelper* helper = cxFilterEditsRegistry()->FindHelper(TcxSpinEditProperties::StaticClass());
  ASSERT_EQ(helper, TcxFilterSpinEditHelper::Instance());
  TcxSpinEditProperties column(nullptr);
  column.SetCanEdit(false);
  std::unique_ptr<TcxCustomEdit> edit(helper->GetFilterEdit(&column));
  EXPECT_TRUE(static_cast<TcxCustomSpinEditProperties*>(edit->ActiveProperties())->CanEdit());
  EXPECT_TRUE(helper->GetSupportedFilterOperators(&column, nullptr, true).Contains(fcoBetween));
  EXPECT_FALSE(helper->GetSupportedFilterOperators(&column, nullptr).Contains(fcoBetween));
  TcxRegisteredClasses* registry = cxEditPropertiesRegistry();
  const int index = registry->GetIndexByClass(TcxSpinEditProperties::StaticClass());
  ASSERT_GE(index, 0);
  EXPECT_EQ(registry->GetDescription(index), L"SpinEdit");
  EXPECT_EQ(registry->GetHint(index), L"Represents a spin editor");
}
