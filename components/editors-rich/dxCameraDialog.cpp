#include "components/editors-rich/dxCameraDialog.h"

#include <memory>

#include "components/editors/cxEditConsts.h"
#include "vcl/graphics/Graphic.h"

namespace {

// Where the last dialog of this run was closed; empty at start.
TRect LastDialogBounds;

TButton* NewButton(TfrmCameraDialog* AForm, int ALeft, int ATabOrder) {
  auto* button = new TButton(AForm);
  button->SetParent(AForm);
  button->SetBounds(ALeft, 225, 75, 25);
  button->SetTabOrder(ATabOrder);
  return button;
}

}  // namespace

TfrmCameraDialog::TfrmCameraDialog(TComponent* AOwner) : TForm(AOwner) {
  SetCaption(L"Camera Dialog");
  SetClientSize(330, 262);
  SetColor(clBtnFace);
  SetPosition(poScreenCenter);
  ccCamera = new TdxCameraControl(this);
  ccCamera->SetParent(this);
  ccCamera->SetBounds(0, 0, 330, 213);
  ccCamera->SetAlign(alTop);
  btnSnapshot = NewButton(this, 77, 0);
  btnSnapshot->SetCaption(L"Snapshot");
  btnSnapshot->SetDefault(true);
  btnSnapshot->OnClick = [this](TObject* Sender) { btnSnapshotClick(Sender); };
  btnAssign = NewButton(this, 160, 1);
  btnAssign->SetCaption(L"Assign");
  btnAssign->SetEnabled(false);
  btnAssign->SetModalResult(mrOk);
  btnCancel = NewButton(this, 243, 2);
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
  if (LastDialogBounds.Left < LastDialogBounds.Right && LastDialogBounds.Top < LastDialogBounds.Bottom) {
    SetPosition(poDesigned);
    SetBoundsRect(LastDialogBounds);
  }
  ccCamera->OnStateChanged = [this](TObject* Sender) { CameraStateChanged(Sender); };
  ccCamera->SetActive(true);
  CameraStateChanged(ccCamera);
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
