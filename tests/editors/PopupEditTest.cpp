// A real popup edit hosting controls of the application: the hosted
// control moves into the popup, takes the focus and the typed character,
// and goes back to its parent, bounds, alignment and visibility when the
// popup closes, also when the edit's form is destroyed while it is open;
// a control that would contain its own editor is refused. The sheet shows
// an open combo box and an open popup edit in every look.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "components/editors/cxDropDownEdit.h"
#include "tests/editors/DropDownFixture.h"
#include "tests/editors/EditorFixture.h"
#include "tests/guiharness/WindowCapture.h"

namespace {

struct PopupEdit : DropDownFixture {
  TListBox* AddHostedList(int ALeft, int ATop) {
    auto* list = Add<TListBox>(ALeft, ATop);
    list->SetBounds(ALeft, ATop, 90, 70);
    for (const wchar_t* item : {L"One", L"Two", L"Three"}) list->Items()->Add(item);
    return list;
  }
  TcxPopupEdit* AddPopupEdit(TControl* AHosted) {
    auto* edit = AddEdit<TcxPopupEdit>();
    edit->Properties()->SetPopupControl(AHosted);
    return edit;
  }
  // Opens the popup; AWhileOpen runs once it shows (its own message loop
  // then runs until it closes), and has to see to its closing.
  static void OpenAndRun(TcxPopupEdit* AEdit, const std::function<void()>& AWhileOpen) {
    AEdit->Properties()->OnPopup = [AWhileOpen](TObject*) { AWhileOpen(); };
    AEdit->SetDroppedDown(true);
    ProcessPendingMessages();
  }
};

struct THostedCase {
  const char* Name;
  bool Visible;
  TAlign Align;
};

TEST_F(PopupEdit, AHostedControlFillsThePopupAndGoesBackWhereItWas) {
  const THostedCase cases[] = {
      {"visible", true, alNone}, {"hidden", false, alNone}, {"aligned right", true, alRight}};
  for (const THostedCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TListBox* list = AddHostedList(200, 40);
    list->SetAlign(c.Align);
    list->SetVisible(c.Visible);
    const TRect bounds = list->BoundsRect();
    TcxPopupEdit* edit = AddPopupEdit(list);
    Focus(edit);
    bool checked = false;
    OpenAndRun(edit, [&] {
      TcxCustomEditPopupWindow* popup = edit->PopupWindow();
      EXPECT_EQ(list->Parent(), popup);
      EXPECT_TRUE(list->Visible());
      EXPECT_EQ(list->BoundsRect(), popup->ViewInfo()->ClientRect);
      EXPECT_EQ(GetFocus(), list->Handle());
      EXPECT_TRUE(edit->DroppedDown());
      checked = true;
      edit->ClosePopupWithReason(crEnter);
    });
    EXPECT_TRUE(checked);
    EXPECT_FALSE(edit->DroppedDown());
    EXPECT_EQ(edit->CloseUpReason(), crEnter);
    EXPECT_EQ(list->Parent(), Form);
    EXPECT_EQ(list->BoundsRect(), bounds);
    EXPECT_EQ(list->Visible(), c.Visible);
    EXPECT_EQ(list->Align(), c.Align);
    delete edit;
    delete list;
  }
}

TEST_F(PopupEdit, EscapeInThePopupCancelsAndTheFocusComesBack) {
  TListBox* list = AddHostedList(200, 40);
  TcxPopupEdit* edit = AddPopupEdit(list);
  Focus(edit);
  OpenAndRun(edit, [&] { PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1); });
  EXPECT_FALSE(edit->DroppedDown());
  EXPECT_EQ(edit->CloseUpReason(), crCancel);
  EXPECT_EQ(list->Parent(), Form);
  EXPECT_EQ(FocusedControl(), edit->InnerEditControl());
}

TEST_F(PopupEdit, TypingOpensThePopupAndTheCharacterReachesTheHostedControl) {
  auto* hosted = Add<TEdit>(200, 40);
  hosted->SetVisible(false);
  TcxPopupEdit* edit = AddPopupEdit(hosted);
  Focus(edit);
  edit->Properties()->OnPopup = [&](TObject*) { edit->ClosePopupWithReason(crEnter); };
  SendMessageW(GetFocus(), WM_CHAR, L'x', 1);
  ProcessPendingMessages();
  EXPECT_EQ(hosted->Text(), L"x");
  EXPECT_EQ(edit->Text(), L"");
  EXPECT_EQ(hosted->Parent(), Form);
  EXPECT_FALSE(hosted->Visible());
}

TEST_F(PopupEdit, AControlContainingTheEditIsRefused) {
  TcxPopupEdit* edit = AddPopupEdit(Form);
  Focus(edit);
  for (TControl* control : std::initializer_list<TControl*>{Form, edit}) {
    edit->Properties()->SetPopupControl(control);
    try {
      edit->SetDroppedDown(true);
      ADD_FAILURE() << "a circular popup control was accepted";
    } catch (const EcxEditError& E) {
      EXPECT_EQ(E.Message(), L"Circular referencing is not allowed");
    }
    ProcessPendingMessages();
    EXPECT_FALSE(edit->DroppedDown());
    EXPECT_EQ(edit->Parent(), Form);
  }
}

TEST_F(PopupEdit, AHostedControlThatGoesIsForgotten) {
  TListBox* list = AddHostedList(200, 40);
  TcxPopupEdit* edit = AddPopupEdit(list);
  delete list;
  EXPECT_EQ(edit->Properties()->PopupControl(), nullptr);
  Focus(edit);
  Do(edit, TGesture::F4);
  EXPECT_FALSE(edit->DroppedDown());
}

TEST_F(PopupEdit, AHostedFormLosesItsFrameInThePopupOnly) {
  auto* hosted = new TForm(Application);
  hosted->SetBounds(500, 300, 200, 150);
  hosted->HandleNeeded();
  const LONG_PTR style = GetWindowLongPtrW(hosted->Handle(), GWL_STYLE);
  ASSERT_TRUE(style & WS_CAPTION);
  TcxPopupEdit* edit = AddPopupEdit(hosted);
  Focus(edit);
  OpenAndRun(edit, [&] {
    EXPECT_FALSE(GetWindowLongPtrW(hosted->Handle(), GWL_STYLE) & WS_CAPTION);
    EXPECT_EQ(hosted->Parent(), edit->PopupWindow());
    edit->ClosePopupWithReason(crClose);
  });
  EXPECT_EQ(GetWindowLongPtrW(hosted->Handle(), GWL_STYLE) & WS_CAPTION, style & WS_CAPTION);
  EXPECT_EQ(hosted->Parent(), nullptr);
  delete edit;
  delete hosted;
}

TEST_F(PopupEdit, TheHostedControlSurvivesTheEditsFormDestroyedWhileOpen) {
  TListBox* list = AddHostedList(200, 40);
  const TRect bounds = list->BoundsRect();
  auto* editForm = new TForm(Application);
  editForm->SetBounds(150, 450, 300, 120);
  editForm->Show();
  auto* edit = new TcxPopupEdit(editForm);
  edit->SetBounds(10, 10, 150, 22);
  edit->SetParent(editForm);
  edit->Properties()->SetPopupControl(list);
  Focus(edit);
  bool opened = false;
  OpenAndRun(edit, [&] {
    opened = list->Parent() != Form;
    editForm->Release();
  });
  ProcessPendingMessages();
  EXPECT_TRUE(opened);
  EXPECT_EQ(list->Parent(), Form);
  EXPECT_EQ(list->BoundsRect(), bounds);
  EXPECT_TRUE(list->Visible());
  EXPECT_FALSE(cxGetPopupVisibleController()->IsAnyVisible());
}

// ---------------------------------------------------------------- sheet

void SetLook(TcxCustomEdit* AEdit, TLook ALook) {
  TcxLookAndFeel* lookAndFeel = AEdit->Style()->LookAndFeel();
  lookAndFeel->SetNativeStyle(ALook == TLook::Native);
  static const TcxLookAndFeelKind kinds[] = {lfStandard, lfFlat, lfUltraFlat, lfOffice11, lfStandard};
  lookAndFeel->SetKind(kinds[static_cast<int>(ALook)]);
}

// Copies what a window shows to a point of the sheet.
void Paste(TBitmap& ASheet, TWinControl* AWindow, const TPoint& AAt) {
  std::unique_ptr<TBitmap> picture = CaptureWindow(AWindow);
  BitBlt(ASheet.Canvas()->Handle(), AAt.X, AAt.Y, picture->Width(), picture->Height(), picture->Canvas()->Handle(), 0,
         0, SRCCOPY);
}

TEST_F(PopupEdit, SheetOfAnOpenComboBoxAndAnOpenPopupEditInEveryLook) {
  const int columnWidth = 200, comboTop = 10, popupTop = 230;
  TBitmap sheet;
  sheet.SetSize(5 * columnWidth + 10, 470);
  sheet.Canvas()->Brush()->SetColor(clWhite);
  sheet.Canvas()->FillRect(TRect(0, 0, sheet.Width(), sheet.Height()));
  int column = 0;
  for (const TLook look : AllLooks) {
    SCOPED_TRACE(LookName(look));
    const TPoint origin(10 + column++ * columnWidth, comboTop);
    // The combo box, open on its third row.
    auto* combo = AddEdit<TcxComboBox>();
    SetLook(combo, look);
    for (const wchar_t* item : {L"Apple", L"Apricot", L"Banana", L"Cherry", L"Damson", L"Elder", L"Fig", L"Grape",
                                L"Guava", L"Kiwi"})
      combo->Properties()->Items()->Add(item);
    combo->Properties()->SetDropDownSizeable(true);
    combo->SetItemIndex(2);
    Focus(combo);
    Do(combo, TGesture::F4);
    ASSERT_TRUE(combo->DroppedDown());
    TcxCustomEditPopupWindow* comboPopup = combo->PopupWindow();
    const TRect e = ScreenBounds(combo), p = ScreenBounds(comboPopup);
    std::unique_ptr<TBitmap> popupPicture = CaptureWindow(comboPopup);
    // The highlighted row is drawn in the highlight colour.
    RECT row;
    SendMessageW(combo->ListBox()->Handle(), LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&row));
    const TPoint rowPoint = comboPopup->ScreenToClient(combo->ListBox()->ClientToScreen(TPoint(row.right - 3, row.top + 2)));
    EXPECT_EQ(PixelColor(*popupPicture, rowPoint.X, rowPoint.Y), static_cast<TColor>(ColorToRGB(clHighlight)));
    if (comboPopup->BorderStyle() == epbsSingle) {
      EXPECT_EQ(PixelColor(*popupPicture, 0, p.Height() / 2), static_cast<TColor>(ColorToRGB(clBtnText)));
    }
    Paste(sheet, combo, origin);
    Paste(sheet, comboPopup, TPoint(origin.X + p.Left - e.Left, origin.Y + p.Top - e.Top));
    Do(combo, TGesture::Escape);
    delete combo;

    // The popup edit, open on a hosted list.
    TListBox* list = AddHostedList(250, 150);
    list->SetBounds(250, 150, 160, 120);
    list->SetItemIndex(1);
    TcxPopupEdit* edit = AddPopupEdit(list);
    SetLook(edit, look);
    edit->SetText(L"Two");
    edit->Properties()->SetPopupSysPanelStyle(true);
    Focus(edit);
    OpenAndRun(edit, [&] {
      TcxCustomEditPopupWindow* popup = edit->PopupWindow();
      const TRect ee = ScreenBounds(edit), pp = ScreenBounds(popup);
      const TPoint at(origin.X, popupTop);
      Paste(sheet, edit, at);
      Paste(sheet, popup, TPoint(at.X + pp.Left - ee.Left, at.Y + pp.Top - ee.Top));
      EXPECT_FALSE(popup->ViewInfo()->SizeGripRect.IsEmpty());
      edit->ClosePopupWithReason(crCancel);
    });
    delete edit;
    delete list;
  }
  std::filesystem::create_directories("artifacts");
  SaveAsPng(sheet, L"artifacts\\DropDownEdits.png");
  EXPECT_TRUE(std::filesystem::exists("artifacts/DropDownEdits.png"));
}

}  // namespace
