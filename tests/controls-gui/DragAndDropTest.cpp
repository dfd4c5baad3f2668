// Drag and drop of the control base on real windows: the library's own
// drag-and-drop through its states (threshold, release, keys, cancel mode,
// capture loss, double clicks, zoom), the platform drag to another control
// with the library's drag object and its cursors, and the drag images.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "components/controls/cxControls.h"
#include "tests/guiharness/FormFixture.h"
#include "tests/guiharness/GuiDriver.h"
#include "tests/guiharness/WindowCapture.h"

namespace {

// What a drag-and-drop object was told, in order.
struct TDragLog {
  std::vector<TPoint> Moves;
  int Begins = 0;
  int Ends = 0;
  bool LastAccepted = false;
  int Freed = 0;
};

// Accepts drops left of x = 100, answers Space, and logs everything.
class TLoggingDragObject : public TcxDragAndDropObject {
  CX_CONTROL_OBJECT_CLASS(TLoggingDragObject, TcxDragAndDropObject, TcxControl)
public:
  using TcxDragAndDropObject::TcxDragAndDropObject;
  ~TLoggingDragObject() override { ++Log->Freed; }
  static inline TDragLog* Log = nullptr;
  static inline int Zoom = 100;
  static inline bool Immediate = false;
  // Finishes again from inside its own end.
  static inline bool ReenterOnEnd = false;
  bool IsImmediateStart() override { return Immediate; }

protected:
  int GetZoomPercent() override { return Zoom; }
  void BeforeDragAndDrop() override { ++Log->Begins; }
  void DragAndDrop(const TPoint& P, bool& Accepted) override {
    Log->Moves.push_back(P);
    Accepted = P.X < 100;
    TcxDragAndDropObject::DragAndDrop(P, Accepted);
  }
  void AfterDragAndDrop(bool Accepted) override {
    ++Log->Ends;
    Log->LastAccepted = Accepted;
    if (ReenterOnEnd) Control()->FinishDragAndDrop(!Accepted);
  }
  bool ProcessKeyDown(uint16_t AKey, TShiftState) override { return AKey == VK_SPACE; }
};

// Drag-and-drop starts on presses in its upper half.
class TDragControl : public TcxControl {
public:
  using TcxControl::TcxControl;
  using TcxControl::StartDragAndDrop;

protected:
  bool StartDragAndDrop(const TPoint& P) override { return P.Y < Height() / 2; }
};

struct DragAndDrop : FormFixture {
  DragAndDrop() {
    TLoggingDragObject::Log = &Log;
    TLoggingDragObject::Zoom = 100;
    TLoggingDragObject::Immediate = false;
    TLoggingDragObject::ReenterOnEnd = false;
    Form->SetBounds(100, 100, 400, 300);
    Control = Add<TDragControl>(10, 10);
    Control->SetBounds(10, 10, 200, 200);
    Control->SetDragAndDropObjectClass(TLoggingDragObject::StaticClass());
    Form->Show();
    ProcessPendingMessages();
    Mouse.SetDragThreshold(5);
  }
  ~DragAndDrop() override {
    Screen->SetCursor(crDefault);
    delete Form;
    Form = nullptr;
  }
  LRESULT Send(UINT AMsg, WPARAM AWParam, const TPoint& P) {
    return SendMessageW(Control->Handle(), AMsg, AWParam, MAKELPARAM(P.X, P.Y));
  }
  void Press(const TPoint& P) { Send(WM_LBUTTONDOWN, MK_LBUTTON, P); }
  void MoveTo(const TPoint& P) { Send(WM_MOUSEMOVE, MK_LBUTTON, P); }
  void Release(const TPoint& P) { Send(WM_LBUTTONUP, 0, P); }
  // A key as the message loop hands it to a focused control.
  void Key(WORD AKey) { Control->Perform(CN_KEYDOWN, AKey, 0); }
  void StartAt(const TPoint& P) {
    Press(P);
    MoveTo(TPoint(P.X + 10, P.Y));
    ASSERT_EQ(ddsInProcess, Control->DragAndDropState());
  }
  TDragLog Log;
  TDragControl* Control = nullptr;
};

}  // namespace

// ---------------------------------------------------------------- library drag-and-drop

TEST_F(DragAndDrop, StartsOnlyOnceThePointerLeavesTheThresholdSquare) {
  const struct {
    const char* Case;
    TPoint Move;
    TcxDragAndDropState State;
  } cases[] = {
      {"4 right, 4 down", {24, 24}, ddsStarting},
      {"back to the press point", {20, 20}, ddsStarting},
      {"5 right", {25, 20}, ddsInProcess},
      {"5 down", {20, 25}, ddsInProcess},
      {"5 left", {15, 20}, ddsInProcess},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Case);
    Press(TPoint(20, 20));
    EXPECT_EQ(ddsStarting, Control->DragAndDropState());
    MoveTo(c.Move);
    EXPECT_EQ(c.State, Control->DragAndDropState());
    Release(c.Move);
    EXPECT_EQ(ddsNone, Control->DragAndDropState());
  }
  EXPECT_EQ(3, Log.Begins);
  EXPECT_EQ(3, Log.Ends) << "a start that never moved far enough is not ended as a drop";
}

TEST_F(DragAndDrop, EndsByReleaseKeysAndCancelModeWithTheirAnswer) {
  const struct {
    const char* Case;
    std::function<void(DragAndDrop&)> End;
    bool Accepted;
  } cases[] = {
      {"release over an accepting place", [](DragAndDrop& t) { t.Release(TPoint(30, 20)); }, true},
      {"Escape", [](DragAndDrop& t) { t.Key(VK_ESCAPE); }, false},
      {"a key the object does not answer", [](DragAndDrop& t) { t.Key('A'); }, false},
      {"cancel mode", [](DragAndDrop& t) { t.Control->Perform(WM_CANCELMODE); }, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Case);
    Screen->SetCursor(crHourGlass);
    Log = TDragLog{};
    StartAt(TPoint(20, 20));
    EXPECT_EQ(Control->Handle(), GetCapture());
    EXPECT_EQ(crDrag, Screen->Cursor()) << "left of x = 100 the object accepts";
    MoveTo(TPoint(150, 20));
    EXPECT_EQ(crNoDrop, Screen->Cursor());
    MoveTo(TPoint(30, 20));
    Key(VK_SPACE);
    EXPECT_EQ(ddsInProcess, Control->DragAndDropState()) << "a key the object answers goes on";
    c.End(*this);
    EXPECT_EQ(ddsNone, Control->DragAndDropState());
    EXPECT_EQ(1, Log.Ends);
    EXPECT_EQ(c.Accepted, Log.LastAccepted);
    EXPECT_EQ(1, Log.Freed) << "the object goes with the drag-and-drop";
    EXPECT_EQ(crHourGlass, Screen->Cursor()) << "the cursor of before comes back";
    EXPECT_EQ(nullptr, GetCapture());
  }
}

// The capture taken by another window, or given up, ends a drag-and-drop
// as not accepted, with the cursor of before.
TEST_F(DragAndDrop, LosingTheCaptureCancelsTheDrag) {
  const struct {
    const char* Case;
    std::function<void(DragAndDrop&)> Lose;
    bool FormCaptures;
  } cases[] = {
      {"another window takes it", [](DragAndDrop& t) { SetCapture(t.Form->Handle()); }, true},
      {"released", [](DragAndDrop&) { ReleaseCapture(); }, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Case);
    Screen->SetCursor(crHourGlass);
    Log = TDragLog{};
    StartAt(TPoint(20, 20));
    MoveTo(TPoint(150, 20));
    ASSERT_EQ(crNoDrop, Screen->Cursor());
    c.Lose(*this);
    EXPECT_EQ(ddsNone, Control->DragAndDropState());
    EXPECT_EQ(1, Log.Ends);
    EXPECT_FALSE(Log.LastAccepted);
    EXPECT_EQ(1, Log.Freed);
    EXPECT_EQ(crHourGlass, Screen->Cursor());
    EXPECT_EQ(c.FormCaptures ? Form->Handle() : nullptr, GetCapture()) << "the new holder keeps it";
    ReleaseCapture();
  }
}

TEST_F(DragAndDrop, AStartingPressIsClearedByCaptureLossDoubleClickAndOtherButtons) {
  struct THolder : TObject, IcxCaptureHolder {
    void LoseCapture() override {}
  } holder;
  const struct {
    const char* Case;
    std::function<void(DragAndDrop&)> Interrupt;
  } cases[] = {
      {"capture object given up",
       [&](DragAndDrop& t) {
         t.Control->SetMouseCaptureObject(&holder);
         t.Control->SetMouseCaptureObject(nullptr);
       }},
      {"capture taken by another window", [](DragAndDrop& t) { SetCapture(t.Form->Handle()); }},
      {"double click", [](DragAndDrop& t) { t.Send(WM_LBUTTONDBLCLK, MK_LBUTTON, TPoint(20, 20)); }},
      {"right press", [](DragAndDrop& t) { t.Send(WM_RBUTTONDOWN, MK_RBUTTON, TPoint(20, 20)); }},
      {"press where no drag starts", [](DragAndDrop& t) { t.Press(TPoint(20, 150)); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Case);
    Press(TPoint(20, 20));
    ASSERT_EQ(ddsStarting, Control->DragAndDropState());
    c.Interrupt(*this);
    EXPECT_EQ(ddsNone, Control->DragAndDropState());
    MoveTo(TPoint(60, 60));
    EXPECT_EQ(ddsNone, Control->DragAndDropState()) << "a move no longer starts it";
    Release(TPoint(60, 60));
  }
  EXPECT_EQ(0, Log.Begins);
}

TEST_F(DragAndDrop, ImmediateStartZoomAndReentry) {
  TLoggingDragObject::Immediate = true;
  TLoggingDragObject::Zoom = 200;
  TLoggingDragObject::ReenterOnEnd = true;
  Press(TPoint(20, 20));
  EXPECT_EQ(ddsInProcess, Control->DragAndDropState()) << "no threshold to pass";
  ASSERT_EQ(1, Log.Begins);
  MoveTo(TPoint(100, 50));
  ASSERT_EQ(1u, Log.Moves.size());
  EXPECT_EQ(TPoint(50, 25), Log.Moves[0]) << "the zoomed point taken back to the content";
  Release(TPoint(100, 50));
  EXPECT_EQ(1, Log.Ends) << "finishing from inside the end does nothing";
  EXPECT_EQ(1, Log.Freed);
  EXPECT_EQ(ddsNone, Control->DragAndDropState());
}

// ---------------------------------------------------------------- platform drag

namespace {

// Counts the drag objects it makes and frees; refuses drags when told.
class TCountedDragObject : public TcxDragControlObject {
  CX_CONTROL_OBJECT_CLASS(TCountedDragObject, TcxDragControlObject, TControl)
public:
  explicit TCountedDragObject(TControl* AControl) : TcxDragControlObject(AControl) { ++Made; }
  ~TCountedDragObject() override { ++Freed; }
  static inline int Made = 0;
  static inline int Freed = 0;
};

class TDragSource : public TcxControl {
public:
  using TcxControl::TcxControl;
  bool Refuse = false;
  TSize ImageSize{0, 0};
  using TcxControl::GetDragImages;

protected:
  TClass GetDragObjectClass() override { return TCountedDragObject::StaticClass(); }
  bool StartDrag(TDragObject*&) override { return !Refuse; }
  bool HasDragImages() override { return true; }
  TSize GetDragImagesSize() override { return ImageSize; }
  // The corner's colour is the transparent one.
  void DrawDragImage(TcxCanvas* ACanvas, const TRect& R) override {
    ACanvas->FillRect(R, clBlue);
    ACanvas->FillRect(TRect(4, 4, 12, 12), clRed);
  }
  void InitDragImages(TcxDragImageList* AImages) override {
    ++Inits;
    TcxControl::InitDragImages(AImages);
  }

public:
  int Inits = 0;
};

struct PlatformDrag : FormFixture {
  PlatformDrag() {
    TCountedDragObject::Made = TCountedDragObject::Freed = 0;
    Form->SetBounds(100, 100, 400, 300);
    Source = Add<TDragSource>(10, 10);
    Source->SetBounds(10, 10, 100, 100);
    Source->SetDragMode(dmAutomatic);
    Target = Add<TcxControl>(200, 10);
    Target->SetBounds(200, 10, 100, 100);
    Target->OnDragOver = [this](TObject*, TObject* ASource, int X, int, TDragState, bool& Accept) {
      LastSource = ASource;
      Accept = X < 50;
    };
    Target->OnDragDrop = [this](TObject*, TObject*, int X, int Y) { Drops.push_back(TPoint(X, Y)); };
    Source->OnEndDrag = [this](TObject*, TObject* ATarget, int, int) {
      ++Ends;
      EndTarget = ATarget;
    };
    Form->Show();
    ProcessPendingMessages();
    Mouse.SetDragThreshold(5);
  }
  ~PlatformDrag() override {
    HoldCtrl(false);
    CancelDrag();
    delete Form;
    Form = nullptr;
  }
  // A press on the source whose wait sees the pointer move 10 pixels right.
  void PressAndPull() {
    const TPoint screen = Source->ClientToScreen(TPoint(20, 20));
    SetCursorPos(screen.X, screen.Y);
    PostMessageW(Source->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(30, 20));
    SendMessageW(Source->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
  }
  // A move over the target's client point (mouse messages go to the source,
  // which holds the capture).
  void MoveOverTarget(const TPoint& P) {
    const TPoint p = Source->ScreenToClient(Target->ClientToScreen(P));
    SendMessageW(Source->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(p.X, p.Y));
  }
  void ReleaseOverTarget(const TPoint& P) {
    const TPoint p = Source->ScreenToClient(Target->ClientToScreen(P));
    SendMessageW(Source->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(p.X, p.Y));
  }
  // As the keyboard does: the key's state is the system's at once.
  void HoldCtrl(bool ADown) {
    if ((GetAsyncKeyState(VK_CONTROL) < 0) == ADown) return;
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = VK_CONTROL;
    input.ki.dwFlags = ADown ? 0 : KEYEVENTF_KEYUP;
    SendInput(1, &input, sizeof(input));
  }
  TDragSource* Source = nullptr;
  TcxControl* Target = nullptr;
  TObject* LastSource = nullptr;
  std::vector<TPoint> Drops;
  int Ends = 0;
  TObject* EndTarget = nullptr;
};

}  // namespace

TEST_F(PlatformDrag, AnAutomaticDragCarriesTheLibraryObjectToTheDrop) {
  PressAndPull();
  ASSERT_TRUE(Source->Dragging());
  EXPECT_EQ(1, TCountedDragObject::Made);
  MoveOverTarget(TPoint(20, 30));
  EXPECT_EQ(CurrentDragObject(), LastSource) << "the target sees the drag object, not the control";
  EXPECT_EQ(CurrentDragObject(), cxGetCurrentDragObject());
  ReleaseOverTarget(TPoint(20, 30));
  EXPECT_FALSE(Source->Dragging());
  ASSERT_EQ(1u, Drops.size());
  EXPECT_EQ(TPoint(20, 30), Drops[0]);
  EXPECT_EQ(1, Ends);
  EXPECT_EQ(Target, EndTarget);
  EXPECT_EQ(1, TCountedDragObject::Freed) << "the object frees itself when finished";
  EXPECT_EQ(nullptr, cxGetCurrentDragObject()) << "a drop ends the drag without a leave";
  EXPECT_EQ(nullptr, GetCapture());
}

TEST_F(PlatformDrag, TheCursorShowsTheTargetsAnswerAndCopyWithCtrl) {
  PressAndPull();
  ASSERT_TRUE(Source->Dragging());
  const struct {
    const char* Case;
    TPoint Over;
    bool Ctrl;
    TCursor Cursor;
  } cases[] = {
      {"accepting target", {20, 30}, false, crDrag},
      {"accepting target with Ctrl", {20, 30}, true, 2100},
      {"refusing part of the target with Ctrl", {70, 30}, true, crNoDrop},
      {"refusing part of the target", {70, 30}, false, crNoDrop},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Case);
    HoldCtrl(c.Ctrl);
    MoveOverTarget(c.Over);
    EXPECT_EQ(Screen->Cursors(c.Cursor), GetCursor());
  }
  HoldCtrl(false);
  ReleaseOverTarget(TPoint(70, 30));
  EXPECT_TRUE(Drops.empty()) << "a refused place takes no drop";
  EXPECT_EQ(nullptr, EndTarget);
}

TEST_F(PlatformDrag, EscapeAndCaptureLossEndWithoutADrop) {
  const struct {
    const char* Case;
    std::function<void(PlatformDrag&)> End;
  } cases[] = {
      {"Escape", [](PlatformDrag& t) { SendMessageW(t.Source->Handle(), WM_KEYDOWN, VK_ESCAPE, 0); }},
      {"capture taken by another window", [](PlatformDrag& t) { SetCapture(t.Target->Handle()); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Case);
    Ends = 0;
    PressAndPull();
    ASSERT_TRUE(Source->Dragging());
    MoveOverTarget(TPoint(20, 30));
    c.End(*this);
    EXPECT_FALSE(Source->Dragging());
    EXPECT_TRUE(Drops.empty());
    EXPECT_EQ(1, Ends);
    EXPECT_EQ(nullptr, EndTarget);
    ReleaseCapture();
  }
  EXPECT_EQ(2, TCountedDragObject::Freed);
}

TEST_F(PlatformDrag, NoDragWithoutPullRefusalOrALibraryDragAndDrop) {
  const TPoint screen = Source->ClientToScreen(TPoint(20, 20));
  SetCursorPos(screen.X, screen.Y);
  PostMessageW(Source->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(22, 20));
  SendMessageW(Source->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
  EXPECT_FALSE(Source->Dragging()) << "released inside the threshold";
  EXPECT_EQ(0, TCountedDragObject::Made);

  Source->Refuse = true;
  PressAndPull();
  EXPECT_FALSE(Source->Dragging()) << "StartDrag refused it";
  EXPECT_EQ(1, TCountedDragObject::Made);
  EXPECT_EQ(1, TCountedDragObject::Freed);
  EXPECT_EQ(0, Ends);
  SendMessageW(Source->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(30, 20));
}

TEST_F(PlatformDrag, DragImagesAreDrawnByTheControlAndFreedWithTheDrag) {
  EXPECT_EQ(nullptr, Source->GetDragImages()) << "an empty size gives no images";
  Source->ImageSize = TSize{24, 16};
  Source->SetDragMode(dmManual);
  auto* fresh = Add<TDragSource>(10, 150);
  fresh->ImageSize = TSize{24, 16};
  fresh->HandleNeeded();
  EXPECT_TRUE(fresh->ControlStyle().Contains(csDisplayDragImage));
  TDragImageList* images = fresh->GetDragImages();
  ASSERT_NE(nullptr, images);
  EXPECT_EQ(1, images->Count());
  EXPECT_EQ(24, images->Width());
  EXPECT_EQ(16, images->Height());

  TcxBitmap picture(24, 16);
  picture.Canvas()->Brush()->SetColor(clWhite);
  picture.Canvas()->FillRect(TRect(0, 0, 24, 16));
  images->Draw(picture.Canvas(), 0, 0, 0);
  std::filesystem::create_directories("artifacts");
  SaveAsPng(picture, L"artifacts\\DragImage.png");
  EXPECT_EQ(clRed, PixelColor(picture, 6, 6));
  EXPECT_EQ(clWhite, PixelColor(picture, 20, 2)) << "the transparent colour is masked out";
  EXPECT_EQ(1, fresh->Inits);

  fresh->BeginDrag(true);
  ASSERT_TRUE(fresh->Dragging());
  fresh->EndDrag(false);
  ASSERT_NE(nullptr, fresh->GetDragImages());
  EXPECT_EQ(2, fresh->Inits) << "the images went with the drag and are drawn anew";
}
