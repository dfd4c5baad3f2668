// The control unit's routines on real windows, the application's window
// and what it offers the controls (the default key handling, shortcuts,
// worker threads' wake-ups), the system controller inside a library, and
// the forms' key preview, style and popup parent.
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <thread>

#include "components/controls/cxContainer.h"
#include "components/controls/cxControls.h"
#include "components/controls/cxHints.h"
#include "tests/guiharness/FormFixture.h"
#include "tests/guiharness/GuiDriver.h"
#include "tests/guiharness/WindowCapture.h"
#include "vcl/classes/Filer.h"
#include "vcl/controls/ActnList.h"
#include "vcl/rtl/ClassRegistry.h"
#include "vcl/rtl/Streams.h"
#include "vcl/rtl/Threads.h"

namespace {

// A windowed control that notes the deferred and application messages it
// is given.
class TNotingControl : public TCustomControl {
public:
  using TCustomControl::TCustomControl;
  std::vector<UINT> Seen;

protected:
  void WndProc(TMessage& Message) override {
    if (Message.Msg == cxPendingControlMessage || Message.Msg == WM_APP + 1) Seen.push_back(Message.Msg);
    TCustomControl::WndProc(Message);
  }
};

// Hooks the application's window for one test.
struct TApplicationHook {
  int Id;
  explicit TApplicationHook(const TWindowHook& AHook) : Id(Application->HookMainWindow(AHook)) {}
  ~TApplicationHook() { Application->UnhookMainWindow(Id); }
};

// Dispatches the queue until AFinished holds (or about five seconds pass).
void PumpUntil(const std::atomic<bool>& AFinished) {
  for (int i = 0; i < 500 && !AFinished; ++i) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    if (!AFinished) MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

}  // namespace

TEST_F(FormFixture, WhetherAControlCanHaveAWindow) {
  auto* child = Add<TNotingControl>(0, 0);
  TNotingControl orphan(nullptr);
  TForm form(nullptr);
  struct {
    const char* Name;
    TWinControl* Control;
    bool Expected;
  } cases[] = {
      {"none", nullptr, false},
      {"a control without a parent", &orphan, false},
      {"a form without a window yet", &form, true},
      {"a child of a form", child, true},
  };
  for (const auto& c : cases) EXPECT_EQ(c.Expected, cxCanAllocateControlHandle(c.Control)) << c.Name;
  EXPECT_FALSE(child->HandleAllocated());
}

TEST_F(FormFixture, ClientPointsAreTakenToAnyParent) {
  auto* outer = Add<TNotingControl>(10, 20);
  auto* inner = new TNotingControl(Form);
  inner->SetParent(outer);
  inner->SetBounds(3, 4, 20, 20);
  EXPECT_EQ(TPoint(4, 5), cxControlClientToParent(inner, TPoint(1, 1)));
  EXPECT_EQ(TPoint(14, 25), cxControlClientToParent(inner, TPoint(1, 1), Form));
  auto* stranger = Add<TNotingControl>(0, 0);
  EXPECT_THROW(cxControlClientToParent(inner, TPoint(), stranger), EInvalidOperation);
}

TEST_F(FormFixture, PendingControlMessagesRunBeforeTheWindowGoes) {
  auto* control = Add<TNotingControl>(0, 0);
  HWND window = control->Handle();
  PostMessageW(window, cxPendingControlMessage, 0, 0);
  PostMessageW(window, WM_APP + 1, 0, 0);
  PostMessageW(window, cxPendingControlMessage, 0, 0);
  cxDispatchPendingControlMessages(control);
  EXPECT_EQ((std::vector<UINT>{cxPendingControlMessage, cxPendingControlMessage}), control->Seen);
  MSG other;
  EXPECT_TRUE(PeekMessageW(&other, window, WM_APP + 1, WM_APP + 1, PM_REMOVE));
  cxDispatchPendingControlMessages(nullptr);
}

TEST(ControlFoundation, TheMessageWindowIsMadeOnceAndHasAWindow) {
  TcxMessageWindow* window = cxGetMessageWindow();
  ASSERT_NE(nullptr, window);
  EXPECT_TRUE(IsWindow(window->Handle()));
  EXPECT_EQ(window, cxGetMessageWindow());
}

TEST_F(FormFixture, TheActiveFormIsTheScreensOrTheActiveWindowsForm) {
  Form->Show();
  SetActiveWindow(Form->Handle());
  ProcessPendingMessages();
  EXPECT_EQ(Form, cxGetActiveForm());
}

TEST(ControlFoundation, TextOnGlassIsDrawnInTheColourOverTheCopiedBackground) {
  TcxBitmap32 target(60, 20, true);
  HDC dc = target.Canvas()->Handle();
  RECT all{0, 0, 60, 20};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  TFont font;
  font.SetSize(12);
  cxDrawTextOnGlass(dc, L"WWW", &font, TRect(0, 0, 60, 20), clBlack, DT_LEFT | DT_TOP | DT_SINGLELINE, 0, true);
  int dark = 0;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 60; ++x) dark += GetPixel(dc, x, y) == RGB(0, 0, 0);
  EXPECT_GT(dark, 10);
  EXPECT_EQ(RGB(255, 255, 255), GetPixel(dc, 59, 19));
  // Without the background copied the untouched pixels are transparent black.
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  cxDrawTextOnGlass(dc, L"W", &font, TRect(0, 0, 60, 20), clBlack, DT_LEFT | DT_TOP | DT_SINGLELINE);
  EXPECT_EQ(RGB(0, 0, 0), GetPixel(dc, 59, 19));
}

// ---------------------------------------------------------------- the application's window

TEST(ControlFoundation, UnhandledKeyDownsAreOfferedToTheApplication) {
  TApplicationHook hook([](TMessage& Message) {
    if (Message.Msg != TcxControlDefaultHandlerHelper::DXM_DEFAULTKEYDOWN) return false;
    Message.Result = Message.WParam == VK_F5;
    return true;
  });
  struct {
    UINT Msg;
    WPARAM Key;
    bool Taken;
  } cases[] = {
      {WM_KEYDOWN, VK_F5, true}, {WM_SYSKEYDOWN, VK_F5, true}, {WM_KEYDOWN, VK_F6, false},
      {WM_KEYUP, VK_F5, false},  {WM_CHAR, VK_F5, false},
  };
  for (const auto& c : cases) {
    TMessage message{c.Msg, c.Key, 0, 0};
    EXPECT_EQ(c.Taken, TcxControlDefaultHandlerHelper::Process(message)) << c.Msg << " " << c.Key;
  }
}

TEST_F(FormFixture, AKeyNoMenuOrFormTakesIsOfferedToTheApplicationAsAShortcut) {
  auto* control = Add<TcxControl>(0, 0);
  WPARAM offered = 0;
  Application->OnShortCut = [&](TMessage& Msg, bool& Handled) {
    offered = Msg.WParam;
    Handled = Msg.WParam == 'K';
  };
  EXPECT_EQ(1, control->Perform(CN_KEYDOWN, 'K', 0));
  EXPECT_EQ(static_cast<WPARAM>('K'), offered);
  EXPECT_EQ(0, control->Perform(CN_KEYDOWN, 'L', 0));
  Application->OnShortCut = nullptr;
}

TEST(ControlFoundation, AWorkersSynchronisedCallRunsWhenTheApplicationsWakeUpArrives) {
  std::atomic<bool> finished = false;
  DWORD ranOn = 0;
  std::thread worker([&] {
    TThread::Synchronize([&] { ranOn = GetCurrentThreadId(); });
    finished = true;
  });
  PumpUntil(finished);
  worker.join();
  EXPECT_TRUE(finished);
  EXPECT_EQ(GetCurrentThreadId(), ranOn);
}

TEST(ControlFoundation, InALibraryTheSystemControllerTakesTheWakeUpOver) {
  ASSERT_NE(nullptr, cxSystemController());
  std::atomic<int> controllerWakeUps = 0;
  {
    TcxSystemController controller(true);
    TApplicationHook appHook([](TMessage& Message) { return Message.Msg == WM_NULL; });  // not the app's
    std::atomic<bool> finished = false;
    std::thread worker([&] {
      TThread::Synchronize([&] { ++controllerWakeUps; });
      finished = true;
    });
    PumpUntil(finished);
    worker.join();
    EXPECT_TRUE(finished);
  }
  EXPECT_EQ(1, controllerWakeUps);
  // The application's wake-up is back.
  std::atomic<bool> finished = false;
  std::thread worker([&] {
    TThread::Synchronize([] {});
    finished = true;
  });
  PumpUntil(finished);
  worker.join();
  EXPECT_TRUE(finished);
}

// ---------------------------------------------------------------- forms

TEST_F(FormFixture, AFormWithKeyPreviewSeesItsControlsKeysFirst) {
  auto* edit = Add<TEdit>(0, 0);
  std::string log;
  Form->OnKeyDown = [&](TObject*, uint16_t& Key, TShiftState) {
    log += 'F';
    if (Key == VK_F2) Key = 0;
  };
  edit->OnKeyDown = [&](TObject*, uint16_t&, TShiftState) { log += 'E'; };
  Form->Show();
  edit->SetFocus();
  PressKey(VK_F3);
  EXPECT_EQ("E", log);
  Form->SetKeyPreview(true);
  log.clear();
  PressKey(VK_F3);
  PressKey(VK_F2);
  EXPECT_EQ("FEF", log);
}

TEST_F(FormFixture, AStayOnTopFormIsTopmostAndAPopupParentOwnsTheWindow) {
  TForm popup(nullptr);
  popup.SetFormStyle(fsStayOnTop);
  popup.SetPopupParent(Form);
  EXPECT_EQ(pmExplicit, popup.PopupMode());
  popup.HandleNeeded();
  EXPECT_TRUE(GetWindowLongW(popup.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(Form->Handle(), GetWindow(popup.Handle(), GW_OWNER));
  popup.SetFormStyle(fsNormal);
  EXPECT_FALSE(GetWindowLongW(popup.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

// ---------------------------------------------------------------- right to left

TEST_F(FormFixture, ARightToLeftHintEndsWhereALeftToRightOneStarts) {
  auto* control = Add<TNotingControl>(0, 0);
  Application->OnShowHint = [](String&, bool&, THintInfo&) {};
  std::unique_ptr<THintWindow> window;
  THintInfo info;
  TRect leftToRight(100, 100, 0, 0);
  ASSERT_TRUE(cxPrepareHintInfo(info, window, control, L"short\nthe longest line", leftToRight, nullptr, 0));
  EXPECT_EQ(100, leftToRight.Left);
  control->SetBiDiMode(bdRightToLeft);
  TRect rightToLeft(100, 100, 0, 0);
  ASSERT_TRUE(cxPrepareHintInfo(info, window, control, L"short\nthe longest line", rightToLeft, nullptr, 0));
  Application->OnShowHint = nullptr;
  EXPECT_TRUE(window->IsRightToLeft());
  const int widest = window->Canvas()->TextWidth(L"the longest line");
  EXPECT_EQ(100 - widest - 5, rightToLeft.Left);
  EXPECT_EQ(leftToRight.Width(), rightToLeft.Width());
}

TEST_F(FormFixture, ChildrenTakeTheirParentsReadingOrderAndWindowsShowIt) {
  auto* edit = Add<TEdit>(0, 0);
  edit->HandleNeeded();
  Form->SetBiDiMode(bdRightToLeft);
  EXPECT_EQ(bdRightToLeft, edit->BiDiMode());
  EXPECT_TRUE(GetWindowLongW(edit->Handle(), GWL_EXSTYLE) & WS_EX_RTLREADING);
  EXPECT_EQ(UINT(DT_RIGHT | DT_RTLREADING), edit->DrawTextBiDiModeFlags(DT_LEFT));
  EXPECT_EQ(UINT(DT_RTLREADING), edit->DrawTextBiDiModeFlags(DT_RIGHT));
  edit->SetBiDiMode(bdLeftToRight);
  EXPECT_FALSE(edit->ParentBiDiMode());
  EXPECT_FALSE(GetWindowLongW(edit->Handle(), GWL_EXSTYLE) & WS_EX_RTLREADING);
}

// ---------------------------------------------------------------- scaling and drag kind

TEST_F(FormFixture, ScalingMultipliesTheBoundsAndAContainerStylesOwnFont) {
  auto* container = Add<TcxContainer>(10, 20);
  container->SetBounds(10, 20, 100, 30);
  container->Style()->Font()->SetHeight(-12);
  auto* inner = new TEdit(container);
  inner->SetParent(container);
  container->SetInnerControl(inner);
  container->SetDragKind(dkDock);
  EXPECT_EQ(dkDock, inner->DragKind());
  container->ScaleBy(3, 2);
  EXPECT_EQ(TRect(15, 30, 165, 75), container->BoundsRect());
  EXPECT_EQ(-18, container->Style()->Font()->Height());
}

// ---------------------------------------------------------------- child components

namespace {

// A root that streams its own components without a parent.
class TChildTestRoot : public TComponent {
  VCL_COMPONENT_CLASS(TChildTestRoot, TComponent)
public:
  using TComponent::TComponent;
  void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent*) override {
    for (int i = 0; i < ComponentCount(); ++i)
      if (!Components(i)->HasParent()) Proc(Components(i));
  }
};

// A control that streams its child components, as a grid its views.
class TChildTestHost : public TcxControl {
  VCL_COMPONENT_CLASS(TChildTestHost, TcxControl)
public:
  using TcxControl::TcxControl;
  void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) override {
    for (int i = 0; i < Root->ComponentCount(); ++i)
      if (auto* child = dynamic_cast<TcxControlChildComponent*>(Root->Components(i)); child && child->Control() == this)
        Proc(child);
  }
};

}  // namespace

TEST(ControlFoundation, ChildComponentsAreStreamedAsTheirControlsChildren) {
  RegisterClasses({TChildTestRoot::StaticClass(), TChildTestHost::StaticClass(),
                   TcxControlChildComponent::StaticClass()});
  TChildTestRoot root(nullptr);
  root.SetName(L"Root");
  auto* host = new TChildTestHost(&root);
  host->SetName(L"Host");
  auto* child = new TcxControlChildComponent(host, true);
  child->SetName(L"Child");
  EXPECT_EQ(host, child->Control());
  EXPECT_EQ(host, child->GetParentComponent());
  EXPECT_EQ(&root, child->Owner());

  TMemoryStream stream;
  TWriter(&stream).WriteRootComponent(&root);
  stream.SetPosition(0);
  std::unique_ptr<TComponent> read(TReader(&stream).ReadRootComponent(nullptr));
  auto* readHost = dynamic_cast<TChildTestHost*>(read->FindComponent(L"Host"));
  auto* readChild = dynamic_cast<TcxControlChildComponent*>(read->FindComponent(L"Child"));
  ASSERT_NE(nullptr, readHost);
  ASSERT_NE(nullptr, readChild);
  EXPECT_EQ(readHost, readChild->Control());
  EXPECT_TRUE(readChild->HasParent());

  // A control freed first leaves the child without a control; a child freed
  // first leaves its control.
  delete readHost;
  EXPECT_EQ(nullptr, readChild->Control());
  TcxControlChildComponent orphan(host, false);
  EXPECT_EQ(nullptr, orphan.Owner());
  for (TClass cls : {TChildTestRoot::StaticClass(), TChildTestHost::StaticClass(),
                     TcxControlChildComponent::StaticClass()})
    UnRegisterClass(cls);
}

// ---------------------------------------------------------------- embedded forms

namespace {

class TEmbeddedTestForm : public TForm, public IcxEmbeddedForm {
public:
  using TForm::TForm;
};

// Notes CM_ENTER (E) and CM_EXIT (X).
class TEnterNotingEdit : public TEdit {
public:
  using TEdit::TEdit;
  std::string Log;

protected:
  void WndProc(TMessage& Message) override {
    if (Message.Msg == CM_ENTER) Log += 'E';
    if (Message.Msg == CM_EXIT) Log += 'X';
    TEdit::WndProc(Message);
  }
};

}  // namespace

TEST_F(FormFixture, FocusMovingIntoAndOutOfAnEmbeddedFormEntersAndExitsItsControl) {
  Form->SetBounds(0, 0, 300, 200);
  auto* outside = Add<TEdit>(5, 5);
  struct {
    const char* Name;
    TForm* Embedded;
    const char* Expected;
  } cases[] = {
      {"a form that asks for it", new TEmbeddedTestForm(Form), "EX"},
      {"a plain embedded form", new TForm(Form), ""},
  };
  for (const auto& c : cases) {
    c.Embedded->SetParent(Form);
    c.Embedded->SetBounds(5, 40, 200, 100);
    auto* inside = new TEnterNotingEdit(c.Embedded);
    inside->SetParent(c.Embedded);
    inside->SetBounds(5, 5, 80, 20);
    Form->Show();
    c.Embedded->Show();
    outside->SetFocus();
    inside->SetFocus();
    outside->SetFocus();
    ProcessPendingMessages();
    EXPECT_EQ(c.Expected, inside->Log) << c.Name;
    EXPECT_FALSE(GetWindowLongW(c.Embedded->Handle(), GWL_STYLE) & WS_CAPTION) << c.Name;
    delete c.Embedded;
  }
}

// ---------------------------------------------------------------- actions

TEST_F(FormFixture, ALinkedActionGivesTheControlItsHintStateAndClick) {
  auto* control = Add<TcxControl>(0, 0);
  auto* button = Add<TButton>(0, 40);
  auto* action = new TAction(Form);
  action->SetCaption(L"Abrir");
  action->SetHint(L"Abre o arquivo");
  int runs = 0;
  action->OnExecute = [&](TObject*) { ++runs; };
  control->SetAction(action);
  button->SetAction(action);
  EXPECT_EQ(L"Abre o arquivo", control->OriginalHint());
  EXPECT_EQ(L"Abrir", button->Caption());
  action->SetHint(L"Outro arquivo");
  action->SetEnabled(false);
  EXPECT_EQ(L"Outro arquivo", control->OriginalHint());
  EXPECT_EQ(L"Outro arquivo", control->Hint());
  EXPECT_FALSE(control->Enabled());
  action->SetEnabled(true);
  button->Click();
  EXPECT_EQ(1, runs);
  delete action;
  EXPECT_EQ(nullptr, control->Action());
  EXPECT_EQ(nullptr, button->Action());
  button->Click();
  EXPECT_EQ(1, runs);
}

namespace {

// A control whose link records what it hears and the action's Checked
// and GroupIndex at that moment.
struct TLinkRecord {
  std::vector<std::string> Heard;
};

class TRecordingLink : public TActionLink {
public:
  explicit TRecordingLink(TLinkRecord* ARecord) : FRecord(ARecord) {}
  ~TRecordingLink() override { FRecord->Heard.push_back("freed"); }
  void SetChecked(bool Value) override {
    FRecord->Heard.push_back(std::string("checked ") + (CustomAction()->Checked() ? "1" : "0") + ">" +
                             (Value ? "1" : "0"));
  }
  void SetGroupIndex(int Value) override {
    FRecord->Heard.push_back("group " + std::to_string(CustomAction()->GroupIndex()) + ">" + std::to_string(Value));
  }

private:
  TLinkRecord* FRecord;
};

class TLinkedControl : public TcxControl {
public:
  using TcxControl::TcxControl;
  TLinkRecord Record;

protected:
  std::unique_ptr<TActionLink> CreateActionLink() override { return std::make_unique<TRecordingLink>(&Record); }
};

}  // namespace

// A control's link hears a new Checked or GroupIndex while the action
// still holds the old one; it goes with the action.
TEST_F(FormFixture, AControlsActionLinkHearsCheckedAndGroupIndexBeforeTheyChange) {
  auto* control = Add<TLinkedControl>(0, 0);
  auto* action = new TAction(Form);
  control->SetAction(action);
  ASSERT_NE(nullptr, control->ActionLink());
  action->SetChecked(true);
  action->SetChecked(true);  // unchanged: nothing to hear
  action->SetGroupIndex(3);
  EXPECT_EQ(control->Record.Heard, (std::vector<std::string>{"checked 0>1", "group 0>3"}));
  control->SetAction(nullptr);
  EXPECT_EQ(nullptr, control->ActionLink());
  EXPECT_EQ(control->Record.Heard.back(), "freed");
  delete action;
}

// Actions of one owner and one GroupIndex above 0 uncheck each other;
// AutoCheck toggles an action alone and only checks one in a group.
TEST(Actions, GroupedActionsUncheckEachOtherAndAutoCheckTogglesOnExecute) {
  TComponent owner(nullptr);
  auto* a = new TAction(&owner);
  auto* b = new TAction(&owner);
  auto* c = new TAction(&owner);
  auto* other = new TAction(&owner);
  for (TAction* action : {a, b, c}) action->SetGroupIndex(1);
  other->SetGroupIndex(2);
  other->SetChecked(true);
  a->SetChecked(true);
  b->SetChecked(true);
  EXPECT_FALSE(a->Checked());
  EXPECT_TRUE(b->Checked());
  EXPECT_TRUE(other->Checked());
  // A checked action moved into a group unchecks the one checked there.
  c->SetGroupIndex(0);
  c->SetChecked(true);
  c->SetGroupIndex(1);
  EXPECT_FALSE(b->Checked());
  EXPECT_TRUE(c->Checked());

  struct TCase {
    int GroupIndex;
    bool Before;
    bool After;
  };
  const TCase cases[] = {{0, false, true}, {0, true, false}, {1, false, true}, {1, true, true}};
  for (const TCase& t : cases) {
    SCOPED_TRACE(t.GroupIndex * 10 + t.Before);
    TAction action(nullptr);
    int runs = 0;
    action.OnExecute = [&](TObject*) { ++runs; };
    action.SetGroupIndex(t.GroupIndex);
    action.SetChecked(t.Before);
    action.Execute();
    EXPECT_EQ(action.Checked(), t.Before);  // without AutoCheck
    action.SetAutoCheck(true);
    action.Execute();
    EXPECT_EQ(action.Checked(), t.After);
    EXPECT_EQ(runs, 2);
  }
}

// ---------------------------------------------------------------- paint copies

namespace {

// A control with a 6-pixel non-client frame of its own: red frame, blue
// client.
class TFramedControl : public TcxControl {
public:
  using TcxControl::TcxControl;
  bool Framed = true;

protected:
  bool HasNonClientArea() override { return Framed; }
  TRect GetNonClientBorders() override { return Framed ? TRect(6, 6, 6, 6) : TRect(); }
  void DrawNonClientArea(TcxCanvas* ACanvas) override { ACanvas->FillRect(TRect(0, 0, Width(), Height()), clRed); }
  void DoPaint() override {
    TcxControl::DoPaint();
    Canvas()->FillRect(ClientRect(), clBlue);
  }
  void WndProc(TMessage& Message) override {
    TcxControl::WndProc(Message);
    if (Message.Msg == WM_NCCALCSIZE && Framed) {
      RECT* r = Message.WParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(Message.LParam)->rgrc[0]
                               : reinterpret_cast<RECT*>(Message.LParam);
      InflateRect(r, -6, -6);
    }
  }
};

}  // namespace

TEST_F(FormFixture, APaintCopyDrawsTheNonClientAreaOnlyOfAControlThatHasOne) {
  for (bool framed : {true, false}) {
    auto* control = Add<TFramedControl>(10, 10);
    control->Framed = framed;
    control->SetBounds(10, 10, 60, 40);
    Form->Show();
    control->HandleNeeded();
    cxRefreshWindowFrame(control->Handle());
    TBitmap copy;
    copy.SetPixelFormat(pf32bit);
    copy.SetSize(60, 40);
    copy.Canvas()->Brush()->SetColor(clWhite);
    copy.Canvas()->FillRect(TRect(0, 0, 60, 40));
    HDC dc = copy.Canvas()->Handle();
    control->PaintTo(dc, 0, 0);
    EXPECT_FALSE(control->ControlState().Contains(csPaintCopy));
    EXPECT_EQ(framed ? RGB(255, 0, 0) : RGB(0, 0, 255), GetPixel(dc, 2, 2)) << framed;
    EXPECT_EQ(RGB(0, 0, 255), GetPixel(dc, 30, 20)) << framed;
    std::filesystem::create_directories("artifacts");
    SaveAsPng(copy, framed ? L"artifacts\\PaintCopyFramed.png" : L"artifacts\\PaintCopyPlain.png");
    delete control;
  }
}

// ---------------------------------------------------------------- scroll bar

TEST_F(FormFixture, AScrollBarStreamsWhatDiffersFromItsDefaultsAndKeepsTheUsersCtl3D) {
  TcxScrollBar original(nullptr);
  original.SetName(L"Bar");
  original.SetKind(sbVertical);
  original.SetMax(50);
  original.SetPosition(10);
  original.SetPageSize(5);
  original.SetCtl3D(false);
  TMemoryStream stream;
  TWriter(&stream).WriteRootComponent(&original);
  stream.SetPosition(0);
  TcxScrollBar read(nullptr);
  TReader(&stream).ReadRootComponent(&read);
  EXPECT_EQ(sbVertical, read.Kind());
  EXPECT_EQ(50, read.Max());
  EXPECT_EQ(10, read.Position());
  EXPECT_EQ(5, read.PageSize());
  EXPECT_FALSE(read.Ctl3D());
  EXPECT_FALSE(read.ParentCtl3D());

  // A bar that takes its parent's look writes no Ctl3D, and follows the parent.
  TcxScrollBar plain(nullptr);
  plain.SetName(L"Plain");
  TMemoryStream plainStream;
  TWriter(&plainStream).WriteRootComponent(&plain);
  auto* bar = Add<TcxScrollBar>(0, 0);
  EXPECT_TRUE(bar->ParentCtl3D());
  Form->SetCtl3D(false);
  EXPECT_FALSE(bar->Ctl3D());
  EXPECT_TRUE(bar->ParentCtl3D());
  EXPECT_LT(plainStream.Size(), stream.Size());
}
