// Dragging controls to other controls: one drag at a time, led by the
// mouse held on the source's window. The pointer's moves ask the control
// under it whether it accepts, the cursor says the answer, a release drops
// and Escape, a lost capture or a cancel mode end it without a drop.
#include <commctrl.h>
#include <windowsx.h>

#include <cstdlib>
#include <memory>

#include "vcl/controls/Controls.h"
#include "vcl/controls/Forms.h"
#include "vcl/controls/ImgList.h"

namespace {

struct TDragSession {
  TControl* Source = nullptr;
  TWinControl* CaptureControl = nullptr;
  TDragObject* Object = nullptr;
  // The framework made the object: it frees it, and targets see the control.
  std::unique_ptr<TDragObject> OwnedObject;
  TPoint StartPos;
  int Threshold = 0;
  // Past the threshold: targets are asked and the cursor shows the answer.
  bool Moving = false;
  TDragImageList* Images = nullptr;
  bool ImageShown = false;
};

thread_local TDragSession* GSession = nullptr;

TObject* DragSource(TDragSession& ASession) {
  return ASession.OwnedObject ? static_cast<TObject*>(ASession.Source) : ASession.Object;
}

// The enabled control under a screen point, a graphic child before its
// parent.
TControl* FindDragTarget(const TPoint& P) {
  TWinControl* control = nullptr;
  for (HWND window = WindowFromPoint(POINT{P.X, P.Y}); window && !control; window = GetParent(window))
    control = FindControl(window);
  if (!control) return nullptr;
  TControl* child = control->ControlAtPos(control->ScreenToClient(P));
  if (child && !dynamic_cast<TWinControl*>(child)) return child;
  return control->Enabled() ? control : nullptr;
}

bool AskTarget(TDragSession& ASession, TControl* ATarget, const TPoint& P, TDragState AState) {
  if (!ATarget) return false;
  const TPoint client = ATarget->ScreenToClient(P);
  bool accept = true;
  ATarget->DragOver(DragSource(ASession), client.X, client.Y, AState, accept);
  return accept;
}

void MoveImage(TDragSession& ASession, const TPoint& P) {
  if (!ASession.Images || !ASession.Images->HandleAllocated()) return;
  if (!ASession.ImageShown) {
    ImageList_BeginDrag(ASession.Images->Handle(), 0, 0, 0);
    ImageList_DragEnter(nullptr, P.X, P.Y);
    ASession.ImageShown = true;
  }
  ImageList_DragMove(P.X, P.Y);
}

void HideImage(TDragSession& ASession) {
  if (!ASession.ImageShown) return;
  ImageList_DragLeave(nullptr);
  ImageList_EndDrag();
  ASession.ImageShown = false;
}

void DragTo(TDragSession& ASession, const TPoint& P) {
  TDragObject* object = ASession.Object;
  if (TControl* target = FindDragTarget(P); target != object->DragTarget) {
    AskTarget(ASession, object->DragTarget, P, dsDragLeave);
    object->DragTarget = target;
    AskTarget(ASession, target, P, dsDragEnter);
  }
  object->DragPos = P;
  const bool accepted = AskTarget(ASession, object->DragTarget, P, dsDragMove);
  MoveImage(ASession, P);
  ::SetCursor(Screen->Cursors(object->GetDragCursor(accepted, P.X, P.Y)));
}

// Ends the session before anyone is told, so that what they do (a new drag
// among it) finds none running.
void DragDone(bool ADrop) {
  std::unique_ptr<TDragSession> session(GSession);
  GSession = nullptr;
  HideImage(*session);
  if (session->CaptureControl->HandleAllocated() && GetCapture() == session->CaptureControl->Handle())
    ReleaseCapture();
  ::SetCursor(Screen->Cursors(Screen->Cursor() == crDefault ? crArrow : Screen->Cursor()));
  TDragObject* object = session->Object;
  if (!object) return;
  TControl* target = session->Moving ? object->DragTarget : nullptr;
  const TPoint pos = object->DragPos;
  const bool accepted = ADrop && AskTarget(*session, target, pos, dsDragMove);
  TPoint client;
  if (target) client = target->ScreenToClient(pos);
  if (accepted) target->DragDrop(DragSource(*session), client.X, client.Y);
  else AskTarget(*session, target, pos, dsDragLeave);
  object->Finished(accepted ? target : nullptr, client.X, client.Y, accepted);
}

bool IsKeyMessage(UINT Msg) { return Msg >= WM_KEYFIRST && Msg <= WM_KEYLAST; }

}  // namespace

// ---------------------------------------------------------------- drag objects

void TDragObject::HideDragImage() {
  if (GSession && GSession->Object == this && GSession->ImageShown) ImageList_DragShowNolock(FALSE);
}

void TDragObject::ShowDragImage() {
  if (GSession && GSession->Object == this && GSession->ImageShown) ImageList_DragShowNolock(TRUE);
}

TDragImageList* TDragControlObject::GetDragImages() { return FControl->GetDragImages(); }

void TDragControlObject::Finished(TObject* Target, int X, int Y, bool) {
  FControl->DoEndDrag(Target, X, Y);
}

void CancelDrag() {
  if (GSession) DragDone(false);
}

TDragObject* CurrentDragObject() { return GSession ? GSession->Object : nullptr; }

// ---------------------------------------------------------------- the source

bool TControl::Dragging() const { return GSession && GSession->Source == this; }

void TControl::DoStartDrag(TDragObject*& DragObject) {
  if (OnStartDrag) OnStartDrag(this, DragObject);
}

void TControl::DoEndDrag(TObject* Target, int X, int Y) {
  if (OnEndDrag) OnEndDrag(this, Target, X, Y);
}

void TControl::DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept) {
  Accept = static_cast<bool>(OnDragOver);
  if (Accept) OnDragOver(this, Source, X, Y, State, Accept);
}

void TControl::DragDrop(TObject* Source, int X, int Y) {
  if (OnDragDrop) OnDragDrop(this, Source, X, Y);
}

void TControl::BeginDrag(bool Immediate, int Threshold) {
  if (GSession || ComponentState().Contains(csDesigning)) return;
  auto* capture = dynamic_cast<TWinControl*>(this);
  if (!capture) capture = Parent();
  if (!capture) return;
  auto* session = new TDragSession;
  session->Source = this;
  session->CaptureControl = capture;
  session->Threshold = Threshold < 0 ? Mouse.DragThreshold() : Threshold;
  GSession = session;
  // An exception out of OnStartDrag leaves no drag behind.
  struct TStartGuard {
    TDragSession* Session;
    bool Started = false;
    ~TStartGuard() {
      if (!Started && GSession == Session) {
        GSession = nullptr;
        delete Session;
      }
    }
  } guard{session};
  TDragObject* object = nullptr;
  DoStartDrag(object);
  // Cancelled while starting: CancelDrag has freed the session.
  if (GSession != session) return;
  guard.Started = true;
  if (!object) {
    session->OwnedObject = std::make_unique<TDragControlObject>(this);
    object = session->OwnedObject.get();
  }
  session->Object = object;
  session->Images = object->GetDragImages();
  POINT cursor{};
  GetCursorPos(&cursor);
  session->StartPos = TPoint(cursor.x, cursor.y);
  object->DragPos = session->StartPos;
  SetCapture(capture->Handle());
  if (Immediate && GSession) {
    GSession->Moving = true;
    DragTo(*GSession, GSession->StartPos);
  }
}

void TControl::LeaveDrag() {
  if (!GSession) return;
  if (GSession->Source == this || GSession->CaptureControl == this) return DragDone(false);
  if (GSession->Object && GSession->Object->DragTarget == this) GSession->Object->DragTarget = nullptr;
}

void TControl::EndDrag(bool Drop) {
  if (Dragging()) DragDone(Drop);
}

// The mouse on the source's window and every key lead the drag while it
// runs; true when the message was the drag's.
bool DragHandlesMessage(TWinControl* AControl, TMessage& Message) {
  if (!GSession) return false;
  TDragSession& session = *GSession;
  if (IsKeyMessage(Message.Msg)) {
    if (Message.Msg == WM_KEYDOWN && Message.WParam == VK_ESCAPE) DragDone(false);
    else if (session.Moving && (Message.WParam == VK_CONTROL || Message.WParam == VK_SHIFT))
      DragTo(session, session.Object->DragPos);
    return true;
  }
  if (AControl != session.CaptureControl) return false;
  switch (Message.Msg) {
    case WM_MOUSEMOVE: {
      const TPoint p = AControl->ClientToScreen(
          TPoint(GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)));
      if (!session.Moving && std::abs(p.X - session.StartPos.X) < session.Threshold &&
          std::abs(p.Y - session.StartPos.Y) < session.Threshold)
        return true;
      session.Moving = true;
      DragTo(session, p);
      return true;
    }
    case WM_LBUTTONUP: DragDone(true); return true;
    case WM_CANCELMODE: DragDone(false); return true;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(Message.LParam) != AControl->Handle()) DragDone(false);
      return false;
  }
  return Message.Msg >= WM_MOUSEFIRST && Message.Msg <= WM_MOUSELAST;
}
