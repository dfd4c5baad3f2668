// The check box: states and values, the person's toggle by click, Space
// and accelerator, read-only refusal, the layout of check and caption, and
// the check's pixels in each look and state.
#include <gtest/gtest.h>

#include <filesystem>

#include "components/editors-basic/cxCheckBox.h"
#include "components/editors/cxEditConsts.h"
#include "components/editors/cxEditUtils.h"
#include "components/editors/cxFilterControlUtils.h"
#include "tests/editors-basic/ButtonFixture.h"
#include "tests/graphics/PaintSurface.h"
#include "vcl/classes/Filer.h"
#include "vcl/controls/ActnList.h"
#include "vcl/rtl/Streams.h"

namespace {

struct TCheckBoxProperties : ::testing::Test {
  TcxCheckBoxProperties Properties{nullptr};
  int Changes = 0;
  TCheckBoxProperties() {
    Properties.OnPropertiesChanged = [this](TObject*) { ++Changes; };
  }
};

}  // namespace

TEST_F(TCheckBoxProperties, EditValuesMapToStatesAndDisplayTexts) {
  struct TCase {
    Variant Value;
    TcxCheckBoxState State;
    const wchar_t* Text;
    bool Valid;
  };
  const TCase cases[] = {
      {Variant(true), cbsChecked, L"True", true},
      {Variant(false), cbsUnchecked, L"False", true},
      {Null(), cbsGrayed, L"", true},
      // Exactly one Boolean side: compared as text.
      {Variant(L"True"), cbsChecked, L"True", true},
      {Variant(L"False"), cbsUnchecked, L"False", true},
      {Variant(L"maybe"), cbsGrayed, L"", false},
      {Variant(7), cbsGrayed, L"", false},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << VarToStr(c.Value));
    EXPECT_EQ(Properties.StateOfValue(c.Value), c.State);
    EXPECT_EQ(Properties.GetDisplayText(c.Value), c.Text);
    Variant value = c.Value;
    EXPECT_EQ(Properties.IsEditValueValid(value, false), c.Valid);
    Variant display;
    Properties.PrepareDisplayValue(c.Value, display, false);
    EXPECT_EQ(display.AsInteger(), static_cast<int>(c.State));
  }
  EXPECT_TRUE(Properties.CompareDisplayValues(Variant(L"maybe"), Null()));
  EXPECT_FALSE(Properties.CompareDisplayValues(Variant(true), Variant(false)));
}

TEST_F(TCheckBoxProperties, OwnStateValuesAndTheValuesItRefuses) {
  Properties.AssignStateValues(Variant(L"S"), Variant(L"?"), Variant(L"N"));
  EXPECT_EQ(Changes, 1);
  EXPECT_EQ(Properties.StateOfValue(Variant(L"S")), cbsChecked);
  EXPECT_EQ(Properties.StateOfValue(Variant(L"N")), cbsUnchecked);
  EXPECT_EQ(Properties.StateOfValue(Variant(true)), cbsGrayed);
  // A value the check box cannot take is refused with the old values kept.
  struct TRefused {
    const char* Name;
    std::function<void()> Set;
  };
  const TRefused refused[] = {
      {"checked equal to unchecked", [&] { Properties.SetValueChecked(Variant(L"N")); }},
      {"unchecked equal to grayed", [&] { Properties.SetValueUnchecked(Variant(L"?")); }},
      {"grayed equal to checked", [&] { Properties.SetValueGrayed(Variant(L"S")); }},
      {"null checked", [&] { Properties.SetValueChecked(Null()); }},
      {"null unchecked", [&] { Properties.SetValueUnchecked(Null()); }},
  };
  for (const TRefused& r : refused) {
    SCOPED_TRACE(r.Name);
    EXPECT_THROW(r.Set(), EcxEditError);
    EXPECT_EQ(VarToStr(Properties.ValueChecked()), L"S");
    EXPECT_EQ(VarToStr(Properties.ValueGrayed()), L"?");
    EXPECT_EQ(VarToStr(Properties.ValueUnchecked()), L"N");
  }
  EXPECT_EQ(Changes, 1);
  Properties.SetValueGrayed(Null());
  EXPECT_EQ(Changes, 2);
  EXPECT_TRUE(VarIsNull(Properties.ValueGrayed()));
}

// A display text is a setting like the others: a view showing it redraws.
TEST_F(TCheckBoxProperties, DisplayTextsReportTheirChangeAndFallBackToTheDefaults) {
  Properties.SetDisplayChecked(L"Sim");
  EXPECT_EQ(Changes, 1);
  Properties.SetDisplayChecked(L"Sim");
  EXPECT_EQ(Changes, 1);
  EXPECT_EQ(Properties.GetDisplayText(Variant(true)), L"Sim");
  Properties.SetDisplayChecked(L"True");
  EXPECT_EQ(Changes, 2);
  EXPECT_EQ(Properties.DisplayUnchecked(), LoadResString(&cxSEditCheckBoxUnchecked));
  TcxCheckBoxProperties copy(nullptr);
  Properties.SetDisplayGrayed(L"Indefinido");
  Properties.SetAllowGrayed(true);
  copy.Assign(&Properties);
  EXPECT_EQ(copy.DisplayGrayed(), L"Indefinido");
  EXPECT_TRUE(copy.AllowGrayed());
}

// A filter row lists the checked and unchecked texts; each value selects
// its state's item and reads back as that state's value and text.
TEST_F(TCheckBoxProperties, AFilterRowChoosesBetweenTheCheckedAndTheUncheckedValue) {
  const TcxCustomFilterEditHelper* helper = cxFilterEditsRegistry()->FindHelper(TcxCheckBoxProperties::StaticClass());
  ASSERT_EQ(helper, TcxFilterCheckBoxHelper::Instance());
  Properties.SetValueChecked(Variant(String(L"S")));
  Properties.SetValueUnchecked(Variant(String(L"N")));
  Properties.SetDisplayChecked(L"Sim");
  Properties.SetDisplayUnchecked(L"Não");
  std::unique_ptr<TcxCustomEdit> edit(helper->GetFilterEdit(&Properties));
  auto* combo = dynamic_cast<TcxComboBox*>(edit.get());
  ASSERT_NE(combo, nullptr);
  TcxComboBoxProperties* filter = combo->ActiveProperties();
  EXPECT_EQ(filter->DropDownListStyle(), lsFixedList);
  ASSERT_EQ(filter->Items()->Count(), 2);
  EXPECT_EQ(filter->Items()->Strings(0), L"Sim");
  EXPECT_EQ(filter->Items()->Strings(1), L"Não");
  EXPECT_TRUE(helper->UseDisplayValue());
  for (bool extended : {false, true})
    EXPECT_EQ(helper->GetSupportedFilterOperators(&Properties, nullptr, extended),
              (TcxFilterControlOperators{fcoEqual, fcoNotEqual, fcoBlanks, fcoNonBlanks}));

  struct TCase {
    Variant Value;
    int Item;
    Variant FilterValue;
    const wchar_t* Text;
  };
  const TCase cases[] = {{Variant(String(L"S")), 0, Variant(String(L"S")), L"Sim"},
                         {Variant(String(L"N")), 1, Variant(String(L"N")), L"Não"},
                         {Null(), -1, Null(), L""},
                         {Variant(String(L"talvez")), -1, Null(), L""}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(&c - cases);
    helper->SetFilterValue(combo, &Properties, c.Value);
    EXPECT_EQ(combo->ItemIndex(), c.Item);
    Variant value;
    String text = L"?";
    helper->GetFilterValue(combo, &Properties, value, text);
    EXPECT_TRUE(cxVarEqualsSameType(value, c.FilterValue));
    EXPECT_EQ(text, c.Text);
  }
}

TEST(CheckGlyphs, TheImageOfEachStateInAStrip) {
  struct TCase {
    TcxCheckBoxState State;
    TcxEditCheckState EditState;
    bool SupportGrayed;
    int Count;
    int Index;
  };
  const TCase cases[] = {
      {cbsUnchecked, ecsNormal, true, 6, 0}, {cbsChecked, ecsHot, true, 6, 1},
      {cbsGrayed, ecsNormal, true, 6, 2},    {cbsChecked, ecsPressed, true, 6, 4},
      {cbsGrayed, ecsPressed, false, 6, 5},  {cbsChecked, ecsPressed, false, 4, 3},
      {cbsUnchecked, ecsPressed, false, 4, 2}, {cbsGrayed, ecsNormal, false, 2, 0},
      {cbsChecked, ecsPressed, false, 2, 1},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(cxCheckGlyphIndex(c.State, c.EditState, c.SupportGrayed, c.Count), c.Index)
        << static_cast<int>(c.State) << " " << static_cast<int>(c.EditState) << " of " << c.Count;
  EXPECT_EQ(cxThemedCheckStateId(cbsChecked, ecsHot), 6);
  EXPECT_EQ(cxThemedCheckStateId(cbsGrayed, ecsDisabled), 12);
}

namespace {

// A check box on a shown form that counts its clicks and changes.
struct CheckBox : FormFixture {
  CheckBox() {
    Form->SetBounds(0, 0, 400, 300);
    Form->Show();
    Check = Add<TcxCheckBox>(10, 10);
    // A fixed 121 x 21 box.
    Check->SetAutoSize(false);
    Check->SetWidth(121);
    Check->SetCaption(L"&Aceitar");
    Check->OnClick = [this](TObject*) { Events.push_back("click"); };
    Check->Properties()->OnChange = [this](TObject*) { Events.push_back("change"); };
    ProcessPendingMessages();
  }
  // A person's click on the check: the mouse comes, presses, releases.
  void ClickCheck() {
    const TRect r = Check->CheckViewInfo()->CheckBoxRect;
    const LPARAM at = MAKELPARAM((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    PostMessageW(Check->Handle(), WM_MOUSEMOVE, 0, at);
    PostMessageW(Check->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(Check->Handle(), WM_LBUTTONUP, 0, at);
    ProcessPendingMessages();
  }
  TcxCheckBox* Check = nullptr;
  std::vector<std::string> Events;
};

}  // namespace

TEST_F(CheckBox, ClicksGoThroughTheStatesWithTheirValuesAndEventsInOrder) {
  struct TCase {
    bool AllowGrayed;
    TcxCheckBoxState Start;
    std::vector<TcxCheckBoxState> Cycle;
  };
  const TCase cases[] = {
      {false, cbsUnchecked, {cbsChecked, cbsUnchecked, cbsChecked}},
      {false, cbsGrayed, {cbsChecked, cbsUnchecked, cbsChecked}},
      {true, cbsUnchecked, {cbsGrayed, cbsChecked, cbsUnchecked}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "allow grayed " << c.AllowGrayed << " from " << static_cast<int>(c.Start));
    Check->Properties()->SetAllowGrayed(c.AllowGrayed);
    Check->SetState(c.Start);
    Events.clear();
    for (TcxCheckBoxState expected : c.Cycle) {
      ClickCheck();
      EXPECT_EQ(Check->State(), expected);
      EXPECT_EQ(VarToStr(Check->EditValue()), VarToStr(Check->Properties()->ValueOfState(expected)));
    }
    // Each toggle: the click, then the change held back until the toggle
    // ends.
    std::vector<std::string> expectedEvents;
    for (size_t i = 0; i < c.Cycle.size(); ++i) expectedEvents.insert(expectedEvents.end(), {"click", "change"});
    EXPECT_EQ(Events, expectedEvents);
    EXPECT_TRUE(Check->Focused());
    EXPECT_TRUE(Check->EditModified());
  }
}

TEST_F(CheckBox, SpaceTabAndTheAcceleratorToggleAReadOnlyBoxDoesNot) {
  TEdit* edit = Add<TEdit>(10, 100);
  edit->SetTabOrder(0);
  edit->SetFocus();
  ProcessPendingMessages();
  PressKey(VK_TAB);
  EXPECT_EQ(FocusedControl(), Check);
  EXPECT_EQ(Check->State(), cbsUnchecked);
  // Space presses the check on the way down and toggles on the way up.
  HWND focus = GetFocus();
  PostMessageW(focus, WM_KEYDOWN, VK_SPACE, 1);
  ProcessPendingMessages();
  EXPECT_EQ(Check->CheckViewInfo()->CheckBoxState, ecsPressed);
  EXPECT_EQ(Check->State(), cbsUnchecked);
  PostMessageW(focus, WM_KEYUP, VK_SPACE, 0xC0000001);
  ProcessPendingMessages();
  EXPECT_EQ(Check->State(), cbsChecked);
  EXPECT_NE(Check->CheckViewInfo()->CheckBoxState, ecsPressed);
  // Alt+A from elsewhere focuses and toggles.
  edit->SetFocus();
  ProcessPendingMessages();
  PostMessageW(edit->Handle(), WM_SYSCHAR, L'a', 0x20000001);
  ProcessPendingMessages();
  EXPECT_EQ(FocusedControl(), Check);
  EXPECT_EQ(Check->State(), cbsUnchecked);
  EXPECT_EQ(Events, (std::vector<std::string>{"click", "change", "click", "change"}));

  Check->Properties()->SetReadOnly(true);
  Events.clear();
  ClickCheck();
  PressKey(VK_SPACE);
  EXPECT_EQ(Check->State(), cbsUnchecked);
  EXPECT_TRUE(Events.empty());
  // The program may still set it.
  Check->SetChecked(true);
  EXPECT_EQ(Check->State(), cbsChecked);
}

namespace {

// What a form stream of the box holds.
std::string StreamOf(TComponent* AComponent) {
  TMemoryStream stream;
  TWriter(&stream).WriteRootComponent(AComponent);
  return std::string(static_cast<const char*>(stream.Memory()), static_cast<size_t>(stream.Size()));
}

}  // namespace

// The box takes its action's Checked silently, both when linked and when
// the action changes; with AutoCheck a person's toggle reaches the action.
TEST_F(CheckBox, FollowsItsActionsCheckedAndTheActionFollowsAToggle) {
  auto* action = new TAction(Form);
  action->SetCaption(L"&Aceitar");
  action->SetChecked(true);
  Check->SetAction(action);
  EXPECT_TRUE(Check->Checked());
  action->SetChecked(false);
  EXPECT_EQ(Check->State(), cbsUnchecked);
  action->SetChecked(true);
  EXPECT_EQ(Check->State(), cbsChecked);
  EXPECT_TRUE(Events.empty());

  Check->OnClick = nullptr;
  action->SetAutoCheck(true);
  ClickCheck();
  EXPECT_EQ(Check->State(), cbsUnchecked);
  EXPECT_FALSE(action->Checked());
  ClickCheck();
  EXPECT_EQ(Check->State(), cbsChecked);
  EXPECT_TRUE(action->Checked());
  delete action;
  EXPECT_EQ(nullptr, Check->ActionLink());
}

// A form stores State unless it is the state the linked action's Checked
// gives the box anyway, or, without an action, unchecked; an unchecked box
// of a checked action is stored, or loading would check it.
TEST_F(CheckBox, TheStateIsStoredUnlessTheActionGivesIt) {
  struct TCase {
    bool HasAction;
    bool ActionChecked;
    TcxCheckBoxState State;
    bool Stored;
  };
  const TCase cases[] = {
      {false, false, cbsUnchecked, false}, {false, false, cbsChecked, true}, {false, false, cbsGrayed, true},
      {true, true, cbsChecked, false},     {true, false, cbsUnchecked, false}, {true, false, cbsChecked, true},
      {true, true, cbsGrayed, true},       {true, true, cbsUnchecked, true},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.HasAction << c.ActionChecked << static_cast<int>(c.State));
    auto action = std::make_unique<TAction>(nullptr);
    action->SetChecked(c.ActionChecked);
    Check->SetAction(c.HasAction ? action.get() : nullptr);
    Check->SetState(c.State);
    EXPECT_EQ(StreamOf(Check).find("State") != std::string::npos, c.Stored);
    Check->SetAction(nullptr);
  }
}

TEST_F(CheckBox, CheckAndCaptionRectanglesByAlignment) {
  struct TCase {
    TAlignment Alignment;
    TRect Check;
    TRect Text;
  };
  // A 121 x 21 box: a transparent border of 2, then the content offset of
  // 2 around check and caption, 3 pixels between them.
  const TSize s = Check->CheckViewInfo()->CheckBoxSize;
  const int top = (21 - s.cy) / 2;
  const TCase cases[] = {
      {taLeftJustify, TRect(4, top, 4 + s.cx, top + s.cy), TRect(4 + s.cx + 3, 4, 117, 17)},
      {taRightJustify, TRect(117 - s.cx, top, 117, top + s.cy), TRect(4, 4, 117 - s.cx - 3, 17)},
      {taCenter, TRect((121 - s.cx) / 2, top, (121 - s.cx) / 2 + s.cx, top + s.cy), TRect(4, 4, 117, 17)},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.Alignment));
    Check->Properties()->SetCaptionAlignment(c.Alignment);
    ProcessPendingMessages();
    Check->ShortRefreshContainer(false);
    TcxCustomCheckBoxViewInfo* v = Check->CheckViewInfo();
    EXPECT_EQ(v->Alignment, c.Alignment);
    EXPECT_EQ(v->CheckBoxRect, c.Check);
    EXPECT_EQ(v->TextRect, c.Text);
  }
  // Focused and left-aligned: the focus rectangle hugs the caption.
  Check->Properties()->SetCaptionAlignment(taLeftJustify);
  Check->SetFocus();
  ProcessPendingMessages();
  TcxCustomCheckBoxViewInfo* v = Check->CheckViewInfo();
  ASSERT_FALSE(v->FocusRect.IsEmpty());
  EXPECT_EQ(v->FocusRect.Left, v->TextRect.Left - 1);
  EXPECT_LT(v->FocusRect.Right, v->TextRect.Right);
  Check->Properties()->SetFullFocusRect(true);
  ProcessPendingMessages();
  EXPECT_EQ(v->FocusRect.Right, v->TextRect.Right + 1);
  // A box narrower than the check: no caption room, the check clipped.
  Check->SetWidth(9);
  ProcessPendingMessages();
  Check->ShortRefreshContainer(false);
  EXPECT_EQ(v->TextRect.Width(), 0);
  EXPECT_LE(v->CheckBoxRect.Width(), 9);
}

// Auto size: the width follows the caption unless centred; with MultiLine
// the height follows the wrapped lines.
TEST_F(CheckBox, AutoSizeFollowsTheCaption) {
  Check->SetAutoSize(true);
  ProcessPendingMessages();
  const int shortWidth = Check->Width();
  EXPECT_LT(shortWidth, 121);
  Check->ShortRefreshContainer(false);
  TcxScreenCanvas canvas;
  canvas.SetFont(Check->CheckViewInfo()->Font);
  EXPECT_GE(Check->CheckViewInfo()->TextRect.Width(), canvas.TextWidth(L"Aceitar"));
  Check->SetCaption(L"&Aceitar as condições de uso");
  EXPECT_GT(Check->Width(), shortWidth);
  const int singleHeight = Check->Height();
  // Centred: the size stays.
  Check->Properties()->SetCaptionAlignment(taCenter);
  const int width = Check->Width();
  Check->SetCaption(L"&Aceitar");
  EXPECT_EQ(Check->Width(), width);
  // Wrapped at a narrow width: taller, the width kept.
  Check->Properties()->SetCaptionAlignment(taLeftJustify);
  Check->SetCaption(L"&Aceitar as condições de uso");
  Check->SetWidth(80);
  Check->Properties()->SetMultiLine(true);
  EXPECT_EQ(Check->Width(), 80);
  EXPECT_GT(Check->Height(), singleHeight);
}

// Each state of the check in each look, painted for real: the flat looks'
// content colour and mark, the glyph strip's images, and a sheet of them.
TEST(CheckPainting, EachStateInEachLookAndTheGlyphStrip) {
  const TcxCheckBoxState states[] = {cbsUnchecked, cbsChecked, cbsGrayed};
  const TcxEditCheckState editStates[] = {ecsNormal, ecsHot, ecsPressed, ecsDisabled};
  const TcxEditBorderStyle borders[] = {ebs3D, ebsFlat, ebsUltraFlat, ebsOffice11, ebsSingle};
  const int cell = 24;
  TPaintSurface sheet(cell * 12, cell * 7, clWhite);
  for (size_t b = 0; b < std::size(borders); ++b)
    for (size_t s = 0; s < std::size(states); ++s)
      for (size_t e = 0; e < std::size(editStates); ++e) {
        const TRect r = cxRectShiftBy(TRect(0, 0, 13, 13), (s * 4 + e) * cell + 4, b * cell + 4);
        cxPaintCheck(sheet.Canvas.get(), r, states[s], editStates[e], nullptr, 0, borders[b], false, clBlack,
                     clWindow, true, false, false, true, nullptr, nssGrayedChecked);
      }
  // Native row.
  for (size_t s = 0; s < std::size(states); ++s)
    for (size_t e = 0; e < std::size(editStates); ++e)
      cxPaintCheck(sheet.Canvas.get(), cxRectShiftBy(TRect(0, 0, 13, 13), (s * 4 + e) * cell + 4, 5 * cell + 4),
                   states[s], editStates[e], nullptr, 0, ebs3D, true, clBlack, clWindow, true, false, false, true,
                   nullptr, nssGrayedChecked);
  // The UltraFlat row (2): normal content is the window colour, the mark
  // text-coloured when checked, shadow-coloured when grayed, none unchecked.
  const int y = 2 * cell + 4;
  auto contentCount = [&](int ACell, TColor AColor) {
    int count = 0;
    for (int py = y + 2; py < y + 11; ++py)
      for (int px = ACell * cell + 6; px < ACell * cell + 15; ++px) count += sheet.Pixel(px, py) == AColor;
    return count;
  };
  EXPECT_EQ(contentCount(0, ColorToRGB(clWindow)), 81);
  EXPECT_GT(contentCount(4, ColorToRGB(clBtnText)), 5);
  EXPECT_GT(contentCount(8, ColorToRGB(clBtnShadow)), 5);
  EXPECT_EQ(contentCount(4, ColorToRGB(clBtnText)) + contentCount(4, ColorToRGB(clWindow)), 81);
  // A one-pixel margin in the background colour, then the frame.
  EXPECT_EQ(sheet.Pixel(4, y), ColorToRGB(clWindow));
  EXPECT_EQ(sheet.Pixel(5, y + 1), ColorToRGB(clBtnShadow));
  // A glyph strip: each state takes its own image.
  std::unique_ptr<TBitmap> strip = MakeStrip(13, {clRed, clLime, clBlue, clMaroon, clGreen, clNavy});
  const TColor expected[] = {clRed, clLime, clBlue, clMaroon, clGreen, clNavy};
  for (int i = 0; i < 6; ++i) {
    const TRect r = cxRectShiftBy(TRect(0, 0, 13, 13), i * cell + 4, 6 * cell + 4);
    cxPaintCheck(sheet.Canvas.get(), r, states[i % 3], i < 3 ? ecsNormal : ecsPressed, strip.get(), 6, ebs3D, false,
                 clBlack, clWindow, true, false, false, true, nullptr, nssGrayedChecked);
    EXPECT_EQ(sheet.Pixel(r.Left + 6, r.Top + 6), ColorToRGB(expected[i])) << i;
  }
  std::filesystem::create_directories("artifacts");
  SaveAsPng(sheet.Bitmap, L"artifacts\\CheckBoxes.png");
  EXPECT_TRUE(std::filesystem::exists("artifacts/CheckBoxes.png"));
}

// The flat looks stamp a check mark, not a cross: a cross is its own mirror
// image, a check mark is not.
TEST(CheckPainting, TheFlatLooksStampACheckMark) {
  for (TcxEditBorderStyle border : {ebsUltraFlat, ebsOffice11}) {
    SCOPED_TRACE(static_cast<int>(border));
    TPaintSurface surface(13, 13, clWhite);
    cxPaintCheck(surface.Canvas.get(), TRect(0, 0, 13, 13), cbsChecked, ecsNormal, nullptr, 0, border, false, clBlack,
                 clWindow, true, false, false, true, nullptr, nssGrayedChecked);
    const TColor mark = SysRGB(clBtnText);
    int marked = 0;
    int mirrored = 0;
    for (int y = 2; y < 11; ++y)
      for (int x = 2; x < 11; ++x) {
        if (surface.Pixel(x, y) != mark) continue;
        ++marked;
        mirrored += surface.Pixel(12 - x, y) == mark;
      }
    EXPECT_GT(marked, 5);
    EXPECT_LT(mirrored * 2, marked);
  }
}

// ---------------------------------------------------------------- fading

namespace {

// The check box hovered and left with the real cursor, which its hot state
// follows.
struct CheckBoxFading : CheckBox {
  TFaderOn Fader;
  TcxCustomCheckControlFadingHelper* Helper() { return Check->CheckViewInfo()->FadingHelper(); }
  void MoveTo(const TPoint& AClientPoint) {
    const TPoint p = Check->ClientToScreen(AClientPoint);
    SetCursorPos(p.X, p.Y);
    Check->ShortRefreshContainer(true);
  }
  void Hover() {
    const TRect r = Check->CheckViewInfo()->CheckBoxRect;
    MoveTo(TPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
  }
  void Leave() {
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    Check->ShortRefreshContainer(true);
  }
};

}  // namespace

TEST_F(CheckBoxFading, TheThemedCheckFadesInOnHoverOutOnLeavingAndStopsOnAPress) {
  const struct {
    TLook Look;
    bool Fades;
  } cases[] = {{TLook::Native, true}, {TLook::UltraFlat, false}, {TLook::Standard, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(LookName(c.Look));
    SetLook(Check->Style()->LookAndFeel(), c.Look);
    Leave();
    dxGetGlobalFader()->Clear();
    Hover();
    ASSERT_EQ(Check->CheckViewInfo()->CheckBoxState, ecsHot);
    EXPECT_EQ(Helper()->Active(), c.Fades);
    TFaderOn::FinishFades();
    Leave();
    EXPECT_EQ(Helper()->Active(), c.Fades);
    // A press on the hot check stops its fade.
    Hover();
    const TRect r = Check->CheckViewInfo()->CheckBoxRect;
    SendMessageW(Check->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.Left + 2, r.Top + 2));
    EXPECT_FALSE(Helper()->Active());
    SendMessageW(Check->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(-50, -50));
    ReleaseCapture();
    ProcessPendingMessages();
  }
}

// The images are the check in its normal and its hot look; the control
// shows frames between them while the fade runs, then the hot look.
TEST_F(CheckBoxFading, TheCheckShowsFramesBetweenItsNormalAndHotLook) {
  SetLook(Check->Style()->LookAndFeel(), TLook::Native);
  ProcessPendingMessages();
  ExpectFadeBetweenLooks(Helper(), Check, Check->CheckViewInfo()->CheckBoxRect, [this] { Hover(); }, "CheckBoxFade");
}
