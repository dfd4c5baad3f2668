// The camera dialog run modally, driven from a timer while it shows: with
// no device, and with known frames from a file source.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "components/editors-rich/dxCameraDialog.h"
#include "tests/editors-rich/CameraFixture.h"
#include "tests/guiharness/FormFixture.h"
#include "tests/guiharness/WindowCapture.h"
#include "vcl/graphics/Bitmap.h"
#include "vcl/graphics/Graphic.h"

namespace {

// Calls AStep every 50 ms while the dialog shows, until it answers true.
class TDialogDriver {
public:
  explicit TDialogDriver(std::function<bool(TfrmCameraDialog*)> AStep) : FStep(std::move(AStep)) {
    Current = this;
    FTimer = SetTimer(nullptr, 0, 50, &TDialogDriver::Tick);
  }
  ~TDialogDriver() {
    KillTimer(nullptr, FTimer);
    Current = nullptr;
  }

private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (!Current || Current->FDone) return;
    for (int i = 0; i < Screen->FormCount(); ++i)
      if (auto* dialog = dynamic_cast<TfrmCameraDialog*>(Screen->Forms(i))) {
        Current->FDone = Current->FStep(dialog);
        return;
      }
  }
  static inline TDialogDriver* Current = nullptr;
  std::function<bool(TfrmCameraDialog*)> FStep;
  UINT_PTR FTimer = 0;
  bool FDone = false;
};

struct CameraDialogTest : FormFixture {
  CameraDialogTest() {
    Form->SetBounds(0, 0, 400, 300);
    Form->Show();
  }
};

TEST_F(CameraDialogTest, WithoutDeviceItShowsNoCameraAndCancelKeepsThePicture) {
  TPicture picture;
  TBitmap original;
  original.SetSize(3, 2);
  picture.Assign(&original);
  String caption, stateText, snapshotCaption;
  bool snapshotEnabled = true, assignEnabled = true;
  TDialogDriver driver([&](TfrmCameraDialog* ADialog) {
    caption = ADialog->Caption();
    stateText = ADialog->ccCamera->StateText();
    snapshotCaption = ADialog->btnSnapshot->Caption();
    snapshotEnabled = ADialog->btnSnapshot->Enabled();
    assignEnabled = ADialog->btnAssign->Enabled();
    ADialog->btnSnapshotClick(ADialog->btnSnapshot);  // does nothing without a picture
    std::filesystem::create_directories("artifacts");
    SaveAsPng(*CaptureWindow(ADialog), L"artifacts\\CameraDialogNoDevice.png");
    ADialog->btnCancel->Click();
    return true;
  });
  EXPECT_FALSE(dxRunCameraDialog(&picture));
  EXPECT_EQ(L"Camera Preview", caption);
  EXPECT_EQ(L"No camera detected", stateText);
  EXPECT_EQ(L"&Pause", snapshotCaption);
  EXPECT_FALSE(snapshotEnabled);
  EXPECT_FALSE(assignEnabled);
  EXPECT_EQ(3, picture.Width());
  EXPECT_EQ(2, picture.Height());
}

TEST_F(CameraDialogTest, SnapshotThenAssignHandsTheFrozenFrameBack) {
  WriteKnownAvi(L"dialog-frames.avi", 40);
  TFileSourceCamera camera(L"dialog-frames.avi");
  ASSERT_TRUE(camera.Initialize(0));
  std::vector<String> captions;
  std::vector<bool> assignStates;
  int stage = 0;
  TRect closedAt;
  TDialogDriver driver([&](TfrmCameraDialog* ADialog) {
    TdxCameraControl* control = ADialog->ccCamera;
    if (stage == 0) {
      control->AttachCamera(&camera);
      ++stage;
      return false;
    }
    if (control->State() != ccsRunning && stage == 1) return false;
    for (int click = 0; click < 3; ++click) {  // pause, play, pause
      ADialog->btnSnapshotClick(ADialog->btnSnapshot);
      captions.push_back(ADialog->btnSnapshot->Caption());
      assignStates.push_back(ADialog->btnAssign->Enabled());
    }
    std::filesystem::create_directories("artifacts");
    SaveAsPng(*CaptureWindow(ADialog), L"artifacts\\CameraDialogSnapshot.png");
    ADialog->SetBounds(40, 30, 420, 330);
    closedAt = ADialog->BoundsRect();
    ADialog->btnAssign->Click();
    return true;
  });
  TPicture picture;
  EXPECT_TRUE(dxRunCameraDialog(&picture));
  EXPECT_EQ((std::vector<String>{L"&Play", L"&Pause", L"&Play"}), captions);
  EXPECT_EQ((std::vector<bool>{true, false, true}), assignStates);
  ASSERT_EQ(KnownFrameWidth, picture.Width());
  ASSERT_EQ(KnownFrameHeight, picture.Height());
  EXPECT_EQ(TColor(0xFF0000), picture.Bitmap()->Canvas()->Pixels(0, 0) & 0xFFFFFF);
  EXPECT_EQ(TColor(0x00FF00), picture.Bitmap()->Canvas()->Pixels(3, 0) & 0xFFFFFF);

  // The next dialog of the run opens where this one closed.
  TRect openedAt;
  TDialogDriver again([&](TfrmCameraDialog* ADialog) {
    openedAt = ADialog->BoundsRect();
    ADialog->btnCancel->Click();
    return true;
  });
  EXPECT_FALSE(dxRunCameraDialog(&picture));
  EXPECT_EQ(closedAt, openedAt);
  std::filesystem::remove(L"dialog-frames.avi");
}

TEST_F(CameraDialogTest, ItIsNeverDraggedSmallerThanItOpensAndItsButtonsKeepToTheCorner) {
  TSize opened, minimum, asked;
  TRect cancelBefore, cancelAfter, cameraAfter;
  TSize clientAfter;
  TDialogDriver driver([&](TfrmCameraDialog* ADialog) {
    opened = TSize{ADialog->Width(), ADialog->Height()};
    minimum = ADialog->MinTrackSize();
    MINMAXINFO info{};
    SendMessageW(ADialog->Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    asked = TSize{info.ptMinTrackSize.x, info.ptMinTrackSize.y};
    cancelBefore = ADialog->btnCancel->BoundsRect();
    ADialog->SetBounds(ADialog->Left(), ADialog->Top(), ADialog->Width() + 60, ADialog->Height() + 40);
    cancelAfter = ADialog->btnCancel->BoundsRect();
    cameraAfter = ADialog->ccCamera->BoundsRect();
    clientAfter = TSize{ADialog->ClientWidth(), ADialog->ClientHeight()};
    ADialog->btnCancel->Click();
    return true;
  });
  TPicture picture;
  EXPECT_FALSE(dxRunCameraDialog(&picture));
  EXPECT_EQ(opened, minimum);
  EXPECT_EQ(opened, asked);
  EXPECT_EQ(cancelBefore.Left + 60, cancelAfter.Left);
  EXPECT_EQ(cancelBefore.Top + 40, cancelAfter.Top);
  EXPECT_EQ(cancelBefore.Width(), cancelAfter.Width());
  EXPECT_EQ(TRect(0, 0, clientAfter.cx, clientAfter.cy - 49), cameraAfter);
}

}  // namespace
