#include "components/editors-rich/dxCameraDialog.h"

#include <memory>

#include "components/editors/cxEditConsts.h"
#include "vcl/graphics/Graphic.h"

namespace {

// Where the last dialog of this run was closed; empty at start.
TRect LastDialogBounds;

// The designed client: the camera above a row of buttons kept this far
// from the right and bottom edges.
constexpr int DesignedClientWidth = 330, DesignedClientHeight = 262, ButtonRowTop = 225, CameraHeight = 213;
constexpr int SnapshotLeft = 77, AssignLeft = 160, CancelLeft = 243;

TButton* NewButton(TfrmCameraDialog* AForm, int ALeft, int ATabOrder) {
  auto* button = new TButton(AForm);
  button->SetParent(AForm);
  button->SetBounds(ALeft, ButtonRowTop, 75, 25);
  button->SetTabOrder(ATabOrder);
  return button;
}

}  // namespace

TfrmCameraDialog::TfrmCameraDialog(TComponent* AOwner) : TForm(AOwner) {
  SetCaption(L"Camera Dialog");
  SetClientSize(DesignedClientWidth, DesignedClientHeight);
  SetColor(clBtnFace);
  SetPosition(poScreenCenter);
  ccCamera = new TdxCameraControl(this);
  ccCamera->SetParent(this);
  ccCamera->SetBounds(0, 0, DesignedClientWidth, CameraHeight);
  btnSnapshot = NewButton(this, SnapshotLeft, 0);
  btnSnapshot->SetCaption(L"Snapshot");
  btnSnapshot->SetDefault(true);
  btnSnapshot->OnClick = [this](TObject* Sender) { btnSnapshotClick(Sender); };
  btnAssign = NewButton(this, AssignLeft, 1);
  btnAssign->SetCaption(L"Assign");
  btnAssign->SetEnabled(false);
  btnAssign->SetModalResult(mrOk);
  btnCancel = NewButton(this, CancelLeft, 2);
  btnCancel->SetCaption(L"Cancel");
  btnCancel->SetCancel(true);
  btnCancel->SetModalResult(mrCancel);
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
  OnClose = [this](TObject* Sender, TCloseAction& Action) { FormClose(Sender, Action); };
}

void TfrmCameraDialog::FormCreate(TObject*) {
  SetCaption(LoadResString(&sdxCameraDialogCaption));
  btnCancel->SetCaption(LoadResString(&sdxCameraDialogCancel));
  btnAssign->SetCaption(LoadResString(&sdxCameraDialogAssign));
  btnSnapshot->SetCaption(LoadResString(&sdxCameraDialogPause));
  FMinTrackSize = TSize{Width(), Height()};
  if (LastDialogBounds.Left < LastDialogBounds.Right && LastDialogBounds.Top < LastDialogBounds.Bottom) {
    SetPosition(poDesigned);
    SetBoundsRect(LastDialogBounds);
  }
  ccCamera->OnStateChanged = [this](TObject* Sender) { CameraStateChanged(Sender); };
  ccCamera->SetActive(true);
  CameraStateChanged(ccCamera);
}

void TfrmCameraDialog::WndProc(TMessage& Message) {
  TForm::WndProc(Message);
  if (Message.Msg != WM_GETMINMAXINFO || FMinTrackSize.cx == 0) return;
  auto* info = reinterpret_cast<MINMAXINFO*>(Message.LParam);
  info->ptMinTrackSize.x = FMinTrackSize.cx;
  info->ptMinTrackSize.y = FMinTrackSize.cy;
}

void TfrmCameraDialog::Resize() {
  TForm::Resize();
  if (!btnCancel) return;  // still being built
  const int dx = ClientWidth() - DesignedClientWidth, dy = ClientHeight() - DesignedClientHeight;
  ccCamera->SetBounds(0, 0, ClientWidth(), CameraHeight + dy);
  const std::pair<TButton*, int> buttons[] = {{btnSnapshot, SnapshotLeft}, {btnAssign, AssignLeft},
                                              {btnCancel, CancelLeft}};
  for (const auto& [button, left] : buttons)
    button->SetBounds(left + dx, ButtonRowTop + dy, button->Width(), button->Height());
}

void TfrmCameraDialog::CameraStateChanged(TObject*) {
  btnSnapshot->SetEnabled(ccCamera->State() == ccsRunning || ccCamera->State() == ccsPaused);
}

void TfrmCameraDialog::btnSnapshotClick(TObject*) {
  if (ccCamera->State() == ccsRunning) {
    ccCamera->Pause();
    btnSnapshot->SetCaption(LoadResString(&sdxCameraDialogPlay));
    btnAssign->SetEnabled(true);
  } else if (ccCamera->State() == ccsPaused) {
    ccCamera->Play();
    btnSnapshot->SetCaption(LoadResString(&sdxCameraDialogPause));
  FMinTrackSize = TSize{Width(), Height()};
    btnAssign->SetEnabled(false);
  }
}

void TfrmCameraDialog::FormClose(TObject*, TCloseAction&) { LastDialogBounds = BoundsRect(); }

bool dxRunCameraDialog(TPicture* APicture) {
  auto dialog = std::make_unique<TfrmCameraDialog>(Screen ? Screen->ActiveForm() : nullptr);
  dialog->AfterConstruction();
  const bool assigned = dialog->ShowModal() == mrOk;
  if (assigned) APicture->Assign(dialog->ccCamera->CapturedBitmap());
  return assigned;
}
