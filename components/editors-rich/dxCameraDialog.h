#pragma once
// The camera dialog: a live camera picture, a button that freezes a frame
// (and lets it go again) and one that hands the frozen frame back.
#include "components/editors-rich/dxCameraControl.h"
#include "vcl/controls/Forms.h"
#include "vcl/controls/StdCtrls.h"

class TPicture;

class TfrmCameraDialog : public TForm {
  VCL_COMPONENT_CLASS(TfrmCameraDialog, TForm)
public:
  explicit TfrmCameraDialog(TComponent* AOwner);

  TdxCameraControl* ccCamera;
  TButton* btnSnapshot;
  TButton* btnAssign;
  TButton* btnCancel;

  void btnSnapshotClick(TObject* Sender);

private:
  void FormCreate(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void CameraStateChanged(TObject* Sender);
};

// Shows the dialog modally over the active form; on Assign the frozen frame
// goes into APicture. Whether the dialog ended with Assign.
bool dxRunCameraDialog(TPicture* APicture);
