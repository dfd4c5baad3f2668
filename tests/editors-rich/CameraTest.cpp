// Camera capture on the platform's capture interfaces: the machine has no
// camera, so the manager finds none for real; known frames come from a file
// source through the camera's own graph.
#include <gtest/gtest.h>

#include <dshow.h>

#include <filesystem>

#include "components/editors/cxEditConsts.h"
#include "tests/editors-rich/CameraFixture.h"
#include "tests/guiharness/FormFixture.h"
#include "tests/guiharness/WindowCapture.h"
#include "tests/support/MessagePump.h"

namespace {

struct CameraTest : FormFixture {
  CameraTest() {
    Form->SetBounds(0, 0, 500, 400);
    Form->Show();
    WriteKnownAvi(AviFile, 40);
  }
  ~CameraTest() override { std::filesystem::remove(AviFile); }

  TdxCameraControl* AddControl(int Left = 10, int Top = 10) { return Add<TdxCameraControl>(Left, Top); }
  // A file camera whose graph was built.
  std::unique_ptr<TFileSourceCamera> NewFileCamera() {
    auto camera = std::make_unique<TFileSourceCamera>(AviFile);
    EXPECT_TRUE(camera->Initialize(0));
    return camera;
  }
  // The first render is on the 10th failed tick: up to about 4 s in all.
  static bool WaitForState(TdxCustomCameraControl* AControl, TdxCameraControlState AState) {
    for (int i = 0; i < 3 && AControl->State() != AState; ++i)
      PumpUntil([&] { return AControl->State() == AState; });
    return AControl->State() == AState;
  }
  static void ExpectKnownFrame(TcxBitmap32* ABitmap) {
    ASSERT_EQ(KnownFrameWidth, ABitmap->Width());
    ASSERT_EQ(KnownFrameHeight, ABitmap->Height());
    TRGBColors colors;
    ABitmap->GetBitmapColors(colors);  // bottom row first
    for (int y = 0; y < KnownFrameHeight; ++y)
      for (int x = 0; x < KnownFrameWidth; ++x) {
        const TRGBQuad& q = colors[(KnownFrameHeight - 1 - y) * KnownFrameWidth + x];
        const uint32_t expected = KnownFramePixel(x, y);
        EXPECT_EQ(expected & 0xFF, q.rgbBlue) << x << "," << y;
        EXPECT_EQ((expected >> 8) & 0xFF, q.rgbGreen) << x << "," << y;
        EXPECT_EQ((expected >> 16) & 0xFF, q.rgbRed) << x << "," << y;
      }
  }
  String AviFile = L"known-frames.avi";
};

TEST_F(CameraTest, NoDeviceIsListedAndNoCameraIsMade) {
  TdxCameraManager* manager = dxCameraManagerInstance();
  EXPECT_EQ(0, manager->DeviceCount());
  EXPECT_FALSE(dxCameraDeviceExists());
  EXPECT_FALSE(manager->GetDeviceMoniker(0));
  EXPECT_EQ(nullptr, manager->GetCamera(0));
  EXPECT_EQ(0, manager->CameraCount());
  EXPECT_FALSE(manager->StartRecording(0, L"never.avi"));
}

TEST_F(CameraTest, ActiveControlWithoutDeviceShowsNoCameraAndKeepsRetrying) {
  TdxCameraControl* control = AddControl();
  EXPECT_EQ(ccsInactive, control->State());
  EXPECT_EQ(L"Inactive", control->StateText());
  std::vector<TdxCameraControlState> changes;
  control->OnStateChanged = [&](TObject*) { changes.push_back(control->State()); };
  control->SetActive(true);
  EXPECT_EQ(ccsNoDevice, control->State());
  EXPECT_EQ(L"No camera detected", control->StateText());
  EXPECT_EQ(L"", control->DeviceName());
  TdxCameraManager* manager = dxCameraManagerInstance();
  EXPECT_TRUE(manager->IsRequested(control));
  EXPECT_TRUE(manager->RequestTimer()->Enabled());
  EXPECT_EQ(1000u, manager->RequestTimer()->Interval());
  // A retry a second later still finds nothing, and keeps the request.
  manager->ProcessRequests();
  EXPECT_EQ(ccsNoDevice, control->State());
  EXPECT_TRUE(manager->IsRequested(control));
  // Pausing needs a running camera.
  control->Pause();
  EXPECT_EQ(ccsNoDevice, control->State());
  control->SetActive(false);
  EXPECT_EQ(ccsInactive, control->State());
  EXPECT_FALSE(manager->IsRequested(control));
  EXPECT_FALSE(manager->RequestTimer()->Enabled());
  EXPECT_EQ((std::vector<TdxCameraControlState>{ccsNoDevice, ccsInactive}), changes);
}

TEST_F(CameraTest, KnownFramesReachTheControlThroughTheGraph) {
  TdxCameraControl* control = AddControl();
  control->SetActive(true);
  auto camera = NewFileCamera();
  EXPECT_EQ(L"File source", camera->DeviceName());
  control->AttachCamera(camera.get());
  EXPECT_FALSE(dxCameraManagerInstance()->IsRequested(control));
  EXPECT_EQ(ccsInitializing, control->State());
  EXPECT_EQ(L"Initializing...", control->StateText());
  EXPECT_TRUE(camera->Timer()->Enabled());
  EXPECT_EQ(100u, camera->Timer()->Interval());
  ASSERT_TRUE(WaitForState(control, ccsRunning));
  EXPECT_TRUE(camera->Rendered());
  EXPECT_TRUE(camera->IsRunning());
  EXPECT_EQ(csRunning, camera->State());
  ExpectKnownFrame(camera->PreviewBitmap());

  control->Pause();
  EXPECT_EQ(ccsPaused, control->State());
  ExpectKnownFrame(control->CapturedBitmap());
  control->Play();
  EXPECT_EQ(ccsRunning, control->State());
  control->AttachCamera(nullptr);
}

TEST_F(CameraTest, TwoControlsShareOneCameraUntilBothLeave) {
  TdxCameraControl* first = AddControl(10, 10);
  TdxCameraControl* second = AddControl(250, 10);
  auto camera = NewFileCamera();
  int notUsed = 0;
  camera->OnDeviceNotUsed = [&](TObject*) { ++notUsed; };
  first->SetActive(true);
  second->SetActive(true);
  first->AttachCamera(camera.get());
  second->AttachCamera(camera.get());
  EXPECT_EQ(2, camera->ListenerCount());
  ASSERT_TRUE(WaitForState(second, ccsRunning));
  EXPECT_EQ(ccsRunning, first->State());
  first->SetActive(false);
  EXPECT_EQ(1, camera->ListenerCount());
  EXPECT_EQ(0, notUsed);
  EXPECT_TRUE(camera->IsRunning());
  EXPECT_EQ(ccsRunning, second->State());
  second->AttachCamera(nullptr);
  EXPECT_EQ(1, notUsed);
  EXPECT_FALSE(camera->IsRunning());
  EXPECT_FALSE(camera->Timer()->Enabled());
  second->SetActive(false);
}

TEST_F(CameraTest, DeviceLostFreesTheCameraAndRequeuesTheControl) {
  TdxCameraControl* control = AddControl();
  control->SetActive(true);
  auto camera = NewFileCamera();
  control->AttachCamera(camera.get());
  ASSERT_TRUE(WaitForState(control, ccsRunning));
  bool lost = false;
  camera->OnDeviceLost = [&](TObject*) {
    lost = true;
    camera.reset();
  };
  // A device that comes back (parameter 1) is not a loss.
  camera->NotifyGraphEvent(EC_DEVICE_LOST, 1);
  PumpUntil([] { return false; });
  EXPECT_FALSE(lost);
  camera->NotifyGraphEvent(EC_DEVICE_LOST, 0);
  EXPECT_TRUE(PumpUntil([&] { return lost; }));
  EXPECT_EQ(nullptr, control->Camera());
  EXPECT_EQ(ccsNoDevice, control->State());
  EXPECT_TRUE(dxCameraManagerInstance()->IsRequested(control));
  control->SetActive(false);
}

// Wine 8's capture graph builder has no SetOutputFileName (E_NOTIMPL):
// there the recording is refused and the camera stays as it was; where the
// builder has it, the frames end in an AVI file.
TEST_F(CameraTest, RecordingWritesAnAviFileOrIsRefused) {
  const std::filesystem::path recorded = "recorded.avi";
  std::filesystem::remove(recorded);
  bool started;
  {
    auto camera = NewFileCamera();
    started = camera->StartFileRecording(recorded.wstring());
    EXPECT_EQ(started, camera->Recording());
    EXPECT_EQ(started, camera->Rendered());
    EXPECT_TRUE(camera->Initialized());
    if (started) PumpUntil([] { return false; });
  }
  if (!started) return;
  FILE* in = _wfopen(recorded.c_str(), L"rb");
  ASSERT_TRUE(in);
  char header[12] = {};
  ASSERT_EQ(12u, fread(header, 1, 12, in));
  fclose(in);
  EXPECT_EQ("RIFF", std::string(header, 4));
  EXPECT_EQ("AVI ", std::string(header + 8, 4));
  std::filesystem::remove(recorded);
}

TEST(CameraMediaCheck, FailedCallsRaiseWithTheirMessage) {
  EXPECT_NO_THROW(dxMediaCheck(S_OK));
  EXPECT_NO_THROW(dxMediaCheck(S_FALSE, L"never"));
  const struct {
    String Message;
    const wchar_t* Expected;
  } cases[] = {{L"", L"dxMediaCheck fails"}, {L"SetMediaType fails", L"SetMediaType fails"}};
  for (const auto& c : cases) {
    try {
      dxMediaCheck(E_FAIL, c.Message);
      ADD_FAILURE() << "no exception";
    } catch (const EdxException& e) {
      EXPECT_EQ(String(c.Expected), e.Message());
    }
  }
}

TEST_F(CameraTest, SheetOfTheControlStates) {
  TdxCameraControl* inactive = AddControl(10, 10);
  TdxCameraControl* noDevice = AddControl(220, 10);
  noDevice->SetActive(true);
  TdxCameraControl* running = AddControl(10, 170);
  running->SetActive(true);
  auto camera = NewFileCamera();
  running->AttachCamera(camera.get());
  ASSERT_TRUE(WaitForState(running, ccsRunning));
  TdxCameraControl* paused = AddControl(220, 170);
  paused->SetActive(true);
  paused->AttachCamera(camera.get());
  ASSERT_TRUE(WaitForState(paused, ccsRunning));
  paused->SetFitMode(ifmStretch);
  paused->Pause();
  // The stretched frame: its left column blue, the rest green, the top row
  // without red; the inactive control's client is white.
  const TRect client = paused->ClientBounds();
  auto frame = CaptureWindow(paused);
  EXPECT_EQ(0xFF0000u, PixelColor(*frame, client.Left + 2, client.Top + 2) & 0xFFFFFF);  // blue as a TColor
  EXPECT_EQ(0x00FF00u, PixelColor(*frame, client.Right - 3, client.Top + 2) & 0xFFFFFF);
  EXPECT_EQ(clWhite, PixelColor(*CaptureWindow(inactive), client.Left + 3, client.Top + 3));
  auto shot = CaptureWindow(Form);
  std::filesystem::create_directories("artifacts");
  SaveAsPng(*shot, L"artifacts\\CameraControl.png");
  running->AttachCamera(nullptr);
  paused->AttachCamera(nullptr);
  noDevice->SetActive(false);
}

}  // namespace
