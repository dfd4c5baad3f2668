// The control base's drag and drop: the library's own drag-and-drop inside
// a control with its three states, and the platform's drag to other
// controls with the library's drag object, copy cursor and drag images.
#include "components/controls/cxControls.h"
#include "vcl/controls/Forms.h"

namespace {

// The platform drag object last seen over a TcxControl.
TDragObject* GCurrentDragObject = nullptr;

// The copy cursor of the control unit's start-up.
constexpr TCursor crcxDragCopy = 2100;

}  // namespace

// Only while its drag runs: a drop ends a drag without a leave.
TDragObject* cxGetCurrentDragObject() {
  return GCurrentDragObject == CurrentDragObject() ? GCurrentDragObject : nullptr;
}

// ---------------------------------------------------------------- drag-and-drop object

TcxDragAndDropObject::TcxDragAndDropObject(TcxControl* AControl)
    : FCanvas(AControl->Canvas()), FControl(AControl) {}

void TcxDragAndDropObject::SetDirty(bool Value) {
  if (FDirty == Value) return;
  FDirty = Value;
  DirtyChanged();
}

TPoint TcxDragAndDropObject::GetClientCursorPos() {
  TPoint p;
  cxGetCursorPosSafe(p);
  return FControl->ScreenToClient(p);
}

void TcxDragAndDropObject::DragAndDrop(const TPoint&, bool& Accepted) {
  SetDirty(false);
  Screen->SetCursor(GetDragAndDropCursor(Accepted));
}

TPoint TcxDragAndDropObject::TranslatePoint(const TPoint& P) {
  const int zoom = GetZoomPercent();
  return TPoint(MulDiv(P.X, 100, zoom), MulDiv(P.Y, 100, zoom));
}

bool TcxDragAndDropObject::DoProcessKeyDown(const TMessage& Message) {
  return ProcessKeyDown(static_cast<uint16_t>(Message.WParam), KeyDataToShiftState(Message.LParam));
}

bool TcxDragAndDropObject::DoProcessKeyUp(const TMessage& Message) {
  return ProcessKeyUp(static_cast<uint16_t>(Message.WParam), KeyDataToShiftState(Message.LParam));
}

void TcxDragAndDropObject::DoBeginDragAndDrop() {
  BeforeDragAndDrop();
  CurMousePos = PrevMousePos = TranslatePoint(GetClientCursorPos());
  InitDragAndDrop();
}

void TcxDragAndDropObject::DoDragAndDrop(const TPoint& P, bool& Accepted) {
  PrevMousePos = CurMousePos;
  CurMousePos = TranslatePoint(P);
  DragAndDrop(CurMousePos, Accepted);
}

void TcxDragAndDropObject::DoEndDragAndDrop(bool Accepted) {
  EndDragAndDrop(Accepted);
  AfterDragAndDrop(Accepted);
}

// ---------------------------------------------------------------- platform drag object

TCursor TcxDragControlObject::GetDragCursor(bool Accepted, int X, int Y) {
  auto* control = dynamic_cast<TcxControl*>(Control());
  if (Accepted && control && control->IsCopyDragDrop()) return crcxDragCopy;
  return TDragControlObject::GetDragCursor(Accepted, X, Y);
}

void TcxDragControlObject::Finished(TObject* Target, int X, int Y, bool Accepted) {
  TDragControlObject::Finished(Target, X, Y, Accepted);
  if (GCurrentDragObject == this) GCurrentDragObject = nullptr;
  delete this;
}

// ---------------------------------------------------------------- library drag-and-drop

TClass TcxControl::DragAndDropObjectClass() const {
  return FDragAndDropObjectClass ? FDragAndDropObjectClass : TcxDragAndDropObject::StaticClass();
}

TcxDragAndDropObject* TcxControl::CreateDragAndDropObject() {
  return static_cast<TcxDragAndDropObject*>(TObject::CreateInstance(DragAndDropObjectClass(), this));
}

TcxDragAndDropObject* TcxControl::DragAndDropObject() {
  if (!FDragAndDropObject) FDragAndDropObject.reset(CreateDragAndDropObject());
  return FDragAndDropObject.get();
}

void TcxControl::SetDragAndDropState(TcxDragAndDropState Value) {
  if (FDragAndDropState == Value) return;
  FDragAndDropState = Value;
  if (Value == ddsNone && !FFinishingDragAndDrop) CancelMouseOperations();
}

void TcxControl::BeginDragAndDrop() {
  DragAndDropObject()->DoBeginDragAndDrop();
  SetMouseCapture(true);
  FDragAndDropPrevCursor = Screen->Cursor();
  SetDragAndDropState(ddsInProcess);
}

void TcxControl::DragAndDrop(const TPoint& P, bool& Accepted) {
  DragAndDropObject()->DoDragAndDrop(P, Accepted);
}

void TcxControl::EndDragAndDrop(bool Accepted) {
  SetDragAndDropState(ddsNone);
  Screen->SetCursor(FDragAndDropPrevCursor);
  SetMouseCapture(false);
  SetMouseCaptureObject(nullptr);
  DragAndDropObject()->DoEndDragAndDrop(Accepted);
}

void TcxControl::FinishDragAndDrop(bool Accepted) {
  if (FFinishingDragAndDrop) return;
  FFinishingDragAndDrop = true;
  struct TFinishing {
    bool& Flag;
    ~TFinishing() { Flag = false; }
  } finishing{FFinishingDragAndDrop};
  if (FDragAndDropState == ddsInProcess)
    EndDragAndDrop(Accepted);
  else
    SetDragAndDropState(ddsNone);
  FDragAndDropObject.reset();
}

void TcxControl::StartDragAndDropOnPress(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (FFinishingDragAndDrop) return;
  if (Button == mbLeft && !Shift.Contains(ssDouble) && StartDragAndDrop(TPoint(X, Y))) {
    if (DragAndDropObject()->IsImmediateStart())
      BeginDragAndDrop();
    else
      SetDragAndDropState(ddsStarting);
  } else {
    FinishDragAndDrop(false);
  }
}

void TcxControl::CancelStartingDragAndDrop() {
  if (FDragAndDropState == ddsStarting && CancelModeOnCaptureRelease()) Perform(WM_CANCELMODE);
}

// Without the capture no release comes to end a drag-and-drop: one in
// process ends as not accepted, a starting one as when the capture is
// given up.
void TcxControl::DragAndDropCaptureLost() {
  if (FDragAndDropState == ddsInProcess)
    FinishDragAndDrop(false);
  else
    CancelStartingDragAndDrop();
}

void TcxControl::ContinueDragAndDrop(int X, int Y) {
  if (FDragAndDropState == ddsStarting && !IsMouseInPressedArea(X, Y)) BeginDragAndDrop();
  if (FDragAndDropState == ddsInProcess) {
    bool accepted = false;
    DragAndDrop(TPoint(X, Y), accepted);
  }
}

// ---------------------------------------------------------------- platform drag

void TcxControl::ProcessMousePress(TMouseButton Button, int X, int Y) {
  if (Button == mbMiddle) {
    StartAnchorScrolling();
    return;
  }
  if (Button != mbLeft || DragMode() != dmAutomatic || !MouseCapture() || !CanDrag(X, Y)) return;
  if (IsDesigning() && !CanStartDesignTimeDrag(X, Y)) return;
  if (cxWaitForDragStart(Handle(), ClientToScreen(TPoint(X, Y))) == 1) BeginDrag(true);
}

void TcxControl::DoStartDrag(TDragObject*& DragObject) {
  Update();
  TCustomControl::DoStartDrag(DragObject);
  if (!DragObject && GetDragObjectClass())
    DragObject = static_cast<TDragObject*>(TObject::CreateInstance(GetDragObjectClass(), this));
  if (!StartDrag(DragObject)) {
    delete DragObject;
    DragObject = nullptr;
    CancelDrag();
  }
}

void TcxControl::DoEndDrag(TObject* Target, int X, int Y) {
  TCustomControl::DoEndDrag(Target, X, Y);
  FDragImages.reset();
}

void TcxControl::DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept) {
  if (auto* object = dynamic_cast<TDragObject*>(Source))
    GCurrentDragObject = State == dsDragLeave ? nullptr : object;
  TCustomControl::DragOver(Source, X, Y, State, Accept);
}

TDragImageList* TcxControl::GetDragImages() {
  if (!HasDragImages()) return nullptr;
  if (!FDragImages) {
    FDragImages.reset(static_cast<TcxDragImageList*>(TObject::CreateInstance(GetDragImagesClass())));
    InitDragImages(FDragImages.get());
  }
  return FDragImages->Count() > 0 ? FDragImages.get() : nullptr;
}

void TcxControl::InitDragImages(TcxDragImageList* AImages) {
  const TSize size = GetDragImagesSize();
  if (size.cx == 0 || size.cy == 0) {
    AImages->Clear();
    return;
  }
  AImages->SetSize(size.cx, size.cy);
  TcxBitmap bitmap(size.cx, size.cy);
  DrawDragImage(bitmap.cxCanvas(), TRect(0, 0, size.cx, size.cy));
  AImages->AddMasked(&bitmap, bitmap.TransparentColor());
}
