#pragma once
// A form with a drop-down edit on it and the ways a person opens and closes
// its popup: keys, the drop-down button, a press elsewhere and another
// window taking the focus.
#include <memory>
#include <string>
#include <vector>

#include "components/editors/cxDropDownEdit.h"
#include "tests/guiharness/FormFixture.h"
#include "tests/guiharness/GuiDriver.h"

// A drop-down edit whose popup shows an edit of a given preferred size.
class TTestDropDownEdit : public TcxCustomDropDownEdit {
public:
  explicit TTestDropDownEdit(TComponent* AOwner) : TcxCustomDropDownEdit(AOwner, false) { InitializeTextEdit(); }
  void SendKeyDown(uint16_t& Key, TShiftState Shift) { KeyDown(Key, Shift); }
  TSize GetPopupContentPreferredSize() override { return ContentSize; }
  void ArrangePopupContent(const TRect& AClientRect) override {
    if (!Content) {
      Content = new TEdit(PopupWindow());
      Content->SetParent(PopupWindow());
    }
    Content->SetBounds(AClientRect.Left, AClientRect.Top, AClientRect.Width(), AClientRect.Height());
  }

  TSize ContentSize{120, 80};
  bool Droppable = true;
  TEdit* Content = nullptr;

protected:
  bool CanDropDown() override { return Droppable; }
};

enum class TGesture { F4, AltDown, AltUp, Enter, Escape, Tab, Button, PressElsewhere, OtherWindow };

inline TRect ScreenBounds(TWinControl* AControl) {
  RECT r;
  GetWindowRect(AControl->Handle(), &r);
  return TRect(r.left, r.top, r.right, r.bottom);
}

// A press and release of the left button at a screen point.
inline void PressAt(const TPoint& P) {
  PressMouseAt(P);
  ReleaseMouseAt(P);
}

// A key with Alt held, as the system sends it.
inline void PressAltKey(WORD AKey) {
  BYTE keys[256];
  GetKeyboardState(keys);
  const BYTE savedAlt = keys[VK_MENU];
  keys[VK_MENU] = 0x80;
  SetKeyboardState(keys);
  const HWND target = GetFocus();
  PostMessageW(target, WM_SYSKEYDOWN, AKey, 0x20000001);
  PostMessageW(target, WM_SYSKEYUP, AKey, 0xE0000001);
  ProcessPendingMessages();
  keys[VK_MENU] = savedAlt;
  SetKeyboardState(keys);
}

struct DropDownFixture : FormFixture {
  DropDownFixture() {
    Form->SetBounds(100, 100, 400, 300);
    Form->Show();
    SetForegroundWindow(Form->Handle());
    Other = Add<TEdit>(10, 200);
    Other->SetWidth(120);
    Other->SetFocus();
    ProcessPendingMessages();
  }
  ~DropDownFixture() override { delete OtherForm; }

  template <class T = TTestDropDownEdit>
  T* AddEdit() {
    auto* edit = new T(Form);
    edit->SetBounds(10, 10, 150, 22);
    edit->SetParent(Form);
    edit->HandleNeeded();
    ProcessPendingMessages();
    return edit;
  }
  static void Focus(TWinControl* AEdit) {
    AEdit->SetFocus();
    ProcessPendingMessages();
  }
  // Moves the form so that the edit's top left corner comes to a screen point.
  void MoveEditTo(TWinControl* AEdit, const TPoint& AScreenPoint) {
    const TRect current = ScreenBounds(AEdit);
    Form->SetBounds(Form->Left() + AScreenPoint.X - current.Left, Form->Top() + AScreenPoint.Y - current.Top,
                    Form->Width(), Form->Height());
    ProcessPendingMessages();
  }
  static void Record(TcxCustomDropDownEdit* AEdit, std::vector<std::string>& AEvents) {
    TcxCustomDropDownEditProperties* properties = AEdit->Properties();
    properties->OnInitPopup = [&AEvents](TObject*) { AEvents.push_back("init"); };
    properties->OnPopup = [&AEvents](TObject*) { AEvents.push_back("popup"); };
    properties->OnFinalizePopup = [&AEvents](TObject*) { AEvents.push_back("finalize"); };
    properties->OnCloseUp = [&AEvents](TObject*) { AEvents.push_back("closeup"); };
    properties->OnClosePopup = [&AEvents](TObject*, TcxEditCloseUpReason AReason) {
      AEvents.push_back("close " + std::to_string(static_cast<int>(AReason)));
    };
  }
  TPoint DropDownButtonCenter(TcxCustomDropDownEdit* AEdit) {
    const TRect r = AEdit->ViewInfo()->Button(0)->Bounds;
    return AEdit->ClientToScreen(TPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
  }
  void Do(TcxCustomDropDownEdit* AEdit, TGesture AAction) {
    switch (AAction) {
      case TGesture::F4: return PressKey(VK_F4);
      case TGesture::AltDown: return PressAltKey(VK_DOWN);
      case TGesture::AltUp: return PressAltKey(VK_UP);
      case TGesture::Enter: return PressKey(VK_RETURN);
      case TGesture::Escape: return PressKey(VK_ESCAPE);
      case TGesture::Tab: return PressKey(VK_TAB);
      case TGesture::Button: return PressAt(DropDownButtonCenter(AEdit));
      case TGesture::PressElsewhere: {
        const TRect r = ScreenBounds(Other);
        return PressAt(TPoint(r.Left + 10, r.Top + 5));
      }
      case TGesture::OtherWindow:
        if (!OtherForm) {
          OtherForm = new TForm(Application);
          OtherForm->SetBounds(600, 500, 200, 120);
        }
        OtherForm->Show();
        SetForegroundWindow(OtherForm->Handle());
        SetActiveWindow(OtherForm->Handle());
        ProcessPendingMessages();
        SetForegroundWindow(Form->Handle());
        ProcessPendingMessages();
        return;
    }
  }

  TEdit* Other = nullptr;
  TForm* OtherForm = nullptr;
};
