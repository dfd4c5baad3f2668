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

  TdxCameraControl* ccCamera = nullptr;
  TButton* btnSnapshot = nullptr;
  TButton* btnAssign = nullptr;
  TButton* btnCancel = nullptr;

  void btnSnapshotClick(TObject* Sender);
  // The smallest size a person may drag the dialog to: its size at
  // creation.
  TSize MinTrackSize() const { return FMinTrackSize; }

protected:
  void WndProc(TMessage& Message) override;
  // The picture takes the room; the buttons keep to the bottom right.
  void Resize() override;

private:
  void FormCreate(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void CameraStateChanged(TObject* Sender);
  TSize FMinTrackSize;
};

// Shows the dialog modally over the active form; on Assign the frozen frame
// goes into APicture. Whether the dialog ended with Assign.
bool dxRunCameraDialog(TPicture* APicture);
