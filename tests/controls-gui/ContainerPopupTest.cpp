// The editors' popup windows on real windows: opening beside the owner,
// the visible-popup list in showing order, and the thread hooks closing
// popups on a press elsewhere, an application switch and on Escape.
#include <gtest/gtest.h>

#include <filesystem>

#include "components/controls/cxContainer.h"
#include "components/core/dxCore.h"
#include "tests/guiharness/FormFixture.h"
#include "tests/guiharness/GuiDriver.h"
#include "tests/guiharness/WindowCapture.h"

namespace {

TRect ScreenBounds(TWinControl* AControl) {
  RECT r;
  GetWindowRect(AControl->Handle(), &r);
  return TRect(r.left, r.top, r.right, r.bottom);
}

// A press and release of the left button at a screen point, as the mouse
// makes them.
void PressAt(const TPoint& P) {
  PressMouseAt(P);
  ReleaseMouseAt(P);
}

struct PopupFixture : FormFixture {
  PopupFixture() {
    Form->SetBounds(20, 20, 400, 300);
    Form->Show();
    SetForegroundWindow(Form->Handle());
    Owner = Add<TEdit>(40, 30);
    Owner->SetWidth(120);
    Owner->HandleNeeded();
    ProcessPendingMessages();
  }
  // A popup of a fixed size that does not run its own message loop.
  TcxCustomPopupWindow* NewPopup(TWinControl* AOwner, bool ACaptureFocus) {
    auto* popup = new TcxCustomPopupWindow(AOwner);
    popup->SetAdjustable(false);
    popup->SetBounds(0, 0, 150, 90);
    popup->SetModalMode(false);
    popup->SetCaptureFocus(ACaptureFocus);
    return popup;
  }
  std::vector<TcxCustomPopupWindow*> VisiblePopups() {
    std::vector<TcxCustomPopupWindow*> result;
    for (int i = 0; i < cxGetPopupVisibleController()->Count(); ++i)
      result.push_back(cxGetPopupVisibleController()->GetItems(i));
    return result;
  }
  TEdit* Owner;
};

using PopupWindows = PopupFixture;

TEST_F(PopupWindows, OpenBelowTheirOwnerAndListInShowingOrder) {
  TEdit* secondOwner = Add<TEdit>(40, 200);
  secondOwner->HandleNeeded();
  auto* first = NewPopup(Owner, false);
  auto* second = NewPopup(secondOwner, false);
  std::vector<std::string> events;
  first->OnShowing = [&](TObject*) { events.push_back("showing"); };
  first->OnShowed = [&](TObject*) { events.push_back("showed"); };
  first->OnClosing = [&](TObject*) { events.push_back("closing"); };
  first->OnClosed = [&](TObject*) { events.push_back("closed"); };

  first->Popup(nullptr);
  second->Popup(nullptr);
  const TRect owner = ScreenBounds(Owner);
  EXPECT_EQ(ScreenBounds(first), TRect(owner.Left, owner.Bottom, owner.Left + 150, owner.Bottom + 90));
  EXPECT_TRUE(IsWindowVisible(first->Handle()));
  EXPECT_EQ(VisiblePopups(), (std::vector<TcxCustomPopupWindow*>{first, second}));
  // A popup that does not capture the focus leaves it with the owner's form.
  EXPECT_NE(GetFocus(), first->Handle());

  first->Popup(nullptr);  // open already: nothing happens
  first->CloseUp();
  EXPECT_FALSE(IsWindowVisible(first->Handle()));
  EXPECT_EQ(VisiblePopups(), (std::vector<TcxCustomPopupWindow*>{second}));
  EXPECT_EQ(events, (std::vector<std::string>{"showing", "showed", "closing", "closed"}));
  second->CloseUp();
  EXPECT_FALSE(cxGetPopupVisibleController()->IsAnyVisible());
}

TEST_F(PopupWindows, DoNotOpenForAHiddenOwner) {
  auto* popup = NewPopup(Owner, false);
  Owner->Hide();
  popup->Popup(nullptr);
  EXPECT_FALSE(popup->IsVisible());
}

TEST_F(PopupWindows, ListingAPopupTwiceOrRemovingAnUnlistedOneIsAClearError) {
  auto* popup = NewPopup(Owner, false);
  TcxPopupVisibleController* list = cxGetPopupVisibleController();
  EXPECT_THROW(list->UnRegister(popup), EdxException);
  EXPECT_THROW(list->Register(nullptr), EdxException);
  list->Register(popup);
  try {
    list->Register(popup);
    ADD_FAILURE() << "a second registration was accepted";
  } catch (const EdxException& E) {
    EXPECT_EQ(E.Message(), L"The popup window is listed as visible already.");
  }
  EXPECT_EQ(list->Count(), 1);
  list->UnRegister(popup);
  EXPECT_FALSE(popup->IsVisible());
}

TEST_F(PopupWindows, CloseOnAPressElsewhereInTheOwnerForm) {
  auto* popup = NewPopup(Owner, false);
  popup->Popup(nullptr);
  // A press inside the popup keeps it open.
  const TRect bounds = ScreenBounds(popup);
  PressAt(TPoint(bounds.Left + 20, bounds.Top + 20));
  EXPECT_TRUE(popup->IsVisible());

  const TRect form = ScreenBounds(Form);
  PressAt(TPoint(form.Right - 30, form.Bottom - 30));
  EXPECT_FALSE(popup->IsVisible());
  EXPECT_FALSE(IsWindowVisible(popup->Handle()));
}

TEST_F(PopupWindows, ClosePopupsOfEveryKindOnAnApplicationSwitch) {
  auto* popup = NewPopup(Owner, false);
  popup->Popup(nullptr);
  SendMessageW(Form->Handle(), WM_ACTIVATEAPP, FALSE, 0);
  EXPECT_FALSE(popup->IsVisible());
  ProcessPendingMessages();
}

TEST_F(PopupWindows, CloseOnEscapeAndGiveTheFocusBack) {
  Owner->SetFocus();
  auto* popup = NewPopup(Owner, true);
  popup->Popup(nullptr);
  ASSERT_TRUE(popup->IsVisible());
  EXPECT_EQ(GetFocus(), popup->Handle());
  PressKey(VK_ESCAPE);
  EXPECT_FALSE(popup->IsVisible());
  EXPECT_EQ(GetFocus(), Owner->Handle());
}

TEST_F(PopupWindows, HidingAFormClosesItsPopupsAndThoseOpenedAfterThem) {
  auto* other = new TForm(Application);
  other->SetBounds(500, 20, 200, 200);
  other->Show();
  auto* otherOwner = new TEdit(other);
  otherOwner->SetParent(other);
  otherOwner->HandleNeeded();
  TEdit* secondOwner = Add<TEdit>(40, 200);
  secondOwner->HandleNeeded();
  auto* before = NewPopup(secondOwner, false);
  auto* fromOther = NewPopup(otherOwner, false);
  auto* after = NewPopup(Owner, false);
  for (auto* popup : {before, fromOther, after}) popup->Popup(nullptr);

  other->Hide();
  EXPECT_EQ(VisiblePopups(), (std::vector<TcxCustomPopupWindow*>{before}));
  before->CloseUp();
  delete other;
}

TEST_F(PopupWindows, PaintTheirStyleBorder) {
  auto* popup = NewPopup(Owner, true);
  popup->Style()->SetBorderStyle(cbsSingle);
  popup->Style()->SetBorderColor(clRed);
  popup->Style()->SetColor(clInfoBk);
  popup->Popup(nullptr);
  auto capture = CaptureWindow(popup);
  EXPECT_EQ(PixelColor(*capture, 0, 0), clRed);
  EXPECT_EQ(PixelColor(*capture, 149, 89), clRed);
  EXPECT_EQ(PixelColor(*capture, 75, 45), static_cast<TColor>(ColorToRGB(clInfoBk)));
  std::filesystem::create_directories("artifacts");
  SaveAsPng(*capture, L"artifacts\\ContainerPopup.png");
  popup->CloseUp();
}

// A focus-capturing popup in modal mode runs its own loop until it closes;
// every system key passes meanwhile.
TEST_F(PopupWindows, AModalPopupRunsItsLoopUntilEscapeClosesIt) {
  auto* popup = NewPopup(Owner, true);
  popup->SetModalMode(true);
  popup->HandleNeeded();
  bool altA = false;
  Owner->OnKeyDown = [&](TObject*, uint16_t& Key, TShiftState) { altA = altA || Key == 'A'; };
  bool shownDuringLoop = false;
  popup->OnShowed = [&](TObject*) {
    shownDuringLoop = popup->IsVisible();
    PostMessageW(Owner->Handle(), WM_SYSKEYDOWN, 'A', 0x20000001);
    PostMessageW(popup->Handle(), WM_KEYDOWN, VK_ESCAPE, 1);
  };
  popup->Popup(nullptr);  // returns once Escape closed it
  EXPECT_TRUE(shownDuringLoop);
  EXPECT_FALSE(popup->IsVisible());
  EXPECT_TRUE(altA);
  Owner->OnKeyDown = nullptr;
}

}  // namespace
