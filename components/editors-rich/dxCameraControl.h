#pragma once
// Camera capture: the manager lists the video input devices and hands out
// cameras; a camera owns a capture graph (capture filter, sample grabber in
// 32-bit RGB, null renderer) and polls the grabber every 100 ms; the camera
// control paints the latest frame or a status text.
#include <memory>
#include <vector>

#include "components/controls/cxControls.h"
#include "components/core/cxClasses.h"
#include "components/core/cxGraphics.h"
#include "components/core/cxMessageWindow.h"
#include "vcl/classes/Interfaces.h"
#include "vcl/controls/Menus.h"

struct ICreateDevEnum;
struct ICaptureGraphBuilder2;
struct IGraphBuilder;
struct IBaseFilter;
struct ISampleGrabber;
struct IMediaControl;
struct IMediaEventEx;
struct IMoniker;

enum class TdxCameraState { csInitializing, csRunning, csDeviceIsBusy };
using enum TdxCameraState;
enum class TdxCameraControlState { ccsInactive, ccsInitializing, ccsRunning, ccsPaused, ccsNoDevice, ccsDeviceIsBusy };
using enum TdxCameraControlState;

// The graph's events reach the camera as this message on its hidden window.
constexpr uint32_t DXM_GRAPHNOTIFY = 0x806B;

// A failed call raises EdxException with the message ("dxMediaCheck fails"
// when none is given).
void dxMediaCheck(HRESULT AResult, const String& AMessage = String());

class TdxCamera;
class TdxCustomCameraControl;

class TdxCameraEventWindow : public TcxMessageWindow {
  VCL_CLASS(TdxCameraEventWindow, TcxMessageWindow)
public:
  explicit TdxCameraEventWindow(TdxCamera* ACamera) : FCamera(ACamera) {}
  void HandleWindowMessage(TMessage& AMessage) override;

private:
  TdxCamera* FCamera;
};

class TdxCamera : public TcxCustomComponent {
  VCL_COMPONENT_CLASS(TdxCamera, TcxCustomComponent)
public:
  explicit TdxCamera(TComponent* AOwner);
  ~TdxCamera() override;

  // Builds the graph for the device once; false when any step fails (the
  // graph is released then).
  bool Initialize(int ADeviceIndex);
  bool Initialized() const { return FInitialized; }
  bool Rendered() const { return FRendered; }
  bool Connected() const { return FConnected; }
  bool IsRunning() const { return FIsRunning; }
  bool Recording() const { return FRecording; }
  int DeviceIndex() const { return FDeviceIndex; }
  const String& DeviceName() const { return FDeviceName; }
  TdxCameraState State() const { return FState; }
  int FailsCount() const { return FFailsCount; }
  TcxBitmap32* PreviewBitmap() const { return FPreviewBitmap.get(); }
  TcxTimer* Timer() const { return FTimer.get(); }

  // The latest frame into the bitmap (sized 0 x 0 on failure).
  bool GrabFrame(TcxBitmap32* ABitmap);
  // Null AControl starts a rendered graph without a listener.
  void AddListener(TdxCustomCameraControl* AControl);
  void RemoveListener(TdxCustomCameraControl* AControl);
  int ListenerCount() const { return static_cast<int>(FListeners.size()); }
  bool StartFileRecording(const String& AFileName);
  void TimerTick(TObject* Sender);
  void HandleGraphEvent();

  TNotifyEvent OnDeviceLost;
  TNotifyEvent OnDeviceNotUsed;
  TcxEventHandlerCollection& StateChangedHandlers() { return FStateChangedHandlers; }

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // Adds the source of the frames to the graph as "Video Capture": the
  // device's capture filter, bound from its moniker.
  virtual bool AddCaptureFilter(int ADeviceIndex);
  // Connects the source through the grabber to the sink.
  virtual HRESULT RenderCaptureStream(IBaseFilter* ASink);

  TInterfaceRef<ICaptureGraphBuilder2> FBuilder;
  TInterfaceRef<IGraphBuilder> FGraph;
  TInterfaceRef<IBaseFilter> FCameraFilter;
  TInterfaceRef<IBaseFilter> FGrabberFilter;
  TInterfaceRef<ISampleGrabber> FSampleGrabber;
  TInterfaceRef<IBaseFilter> FRenderer;
  TInterfaceRef<IBaseFilter> FMux;
  TInterfaceRef<IMediaControl> FMediaControl;
  TInterfaceRef<IMediaEventEx> FMediaEvent;
  String FDeviceName;

private:
  bool BuildGraph(int ADeviceIndex);
  void AddSampleGrabber();
  bool RenderGraph(const String& AFileName = String());
  void ReleaseGraph();
  void SetConnected(bool AValue);
  void UpdateState();
  void NotifyStateChanged();
  void Run();

  std::unique_ptr<TdxCameraEventWindow> FEventWindow;
  int FDeviceIndex = -1;
  TInterfaceRef<IMoniker> FMoniker;
  std::unique_ptr<TcxBitmap32> FPreviewBitmap;
  std::unique_ptr<TcxTimer> FTimer;
  std::vector<TdxCustomCameraControl*> FListeners;
  bool FInitialized = false;
  bool FRecording = false;
  bool FRendered = false;
  bool FConnected = false;
  bool FIsRunning = false;
  int FFailsCount = 0;
  TdxCameraState FState = csInitializing;
  TcxEventHandlerCollection FStateChangedHandlers;
};

class TdxCameraManager : public TComponent {
  VCL_COMPONENT_CLASS(TdxCameraManager, TComponent)
public:
  explicit TdxCameraManager(TComponent* AOwner = nullptr);
  ~TdxCameraManager() override;

  // The friendly names of the video input devices, in enumeration order.
  const std::vector<String>& Devices() const { return FDevices; }
  void RefreshDevices();
  int DeviceCount();
  // Null when the device does not exist.
  TInterfaceRef<IMoniker> GetDeviceMoniker(int AIndex);
  TdxCamera* GetCamera(int AIndex);
  int CameraCount() const { return static_cast<int>(FCameraList.size()); }
  void RequestCamera(TdxCustomCameraControl* AControl);
  void CancelRequest(TdxCustomCameraControl* AControl);
  bool IsRequested(TdxCustomCameraControl* AControl) const;
  void ProcessRequests(TObject* Sender = nullptr);
  bool StartRecording(int ADeviceIndex, const String& AFileName);
  void StopRecording(int ADeviceIndex);
  TcxTimer* RequestTimer() const { return FRequestTimer.get(); }

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  TdxCamera* FindCamera(int AIndex) const;
  void FreeCamera(TObject* ACamera);

  bool FComInitialized = false;
  TInterfaceRef<ICreateDevEnum> FDevEnum;
  std::vector<String> FDevices;
  std::vector<TdxCamera*> FCameraList;  // owned
  std::vector<TdxCustomCameraControl*> FRequestList;
  std::unique_ptr<TcxTimer> FRequestTimer;
};

// The process's manager, made on first use and freed at shut-down.
TdxCameraManager* dxCameraManagerInstance();
bool dxCameraDeviceExists();

class TdxCustomCameraControl : public TcxControl {
  VCL_COMPONENT_CLASS(TdxCustomCameraControl, TcxControl)
public:
  explicit TdxCustomCameraControl(TComponent* AOwner);
  ~TdxCustomCameraControl() override;

  bool Active() const { return FActive; }
  void SetActive(bool AValue);
  TcxBitmap32* CapturedBitmap() const { return FCapturedBitmap.get(); }
  TdxCamera* Camera() const { return FCamera; }
  String DeviceName() const { return FCamera ? FCamera->DeviceName() : String(); }
  int DeviceIndex() const { return FDeviceIndex; }
  void SetDeviceIndex(int AValue);
  TcxImageFitMode FitMode() const { return FFitMode; }
  void SetFitMode(TcxImageFitMode AValue);
  TdxCameraControlState State() const { return FState; }
  // The status text painted in the state (empty while frames show).
  String StateText() const;

  void Capture();
  void Pause();
  void Play();
  void Stop();
  // Shows the frames of ACamera (null: none, an active control queues again).
  void AttachCamera(TdxCamera* ACamera);
  void UpdateControlState();

  TNotifyEvent OnStateChanged;

protected:
  void DoPaint() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void DoContextPopup(const TPoint& MousePos, bool& Handled) override;

private:
  void CameraStateChanged(TObject* Sender, const void* AEventArgs);
  TPopupMenu* DeviceMenu();

  TdxCamera* FCamera = nullptr;
  std::unique_ptr<TcxBitmap32> FCapturedBitmap;
  TcxImageFitMode FFitMode = ifmProportionalStretch;
  int FDeviceIndex = 0;
  std::unique_ptr<TPopupMenu> FInternalPopupMenu;
  TdxCameraControlState FState = ccsInactive;
  bool FActive = false;
  bool FPaused = false;
};

class TdxCameraControl : public TdxCustomCameraControl {
  VCL_COMPONENT_CLASS(TdxCameraControl, TdxCustomCameraControl)
public:
  using TdxCustomCameraControl::TdxCustomCameraControl;
};

// Frees the camera manager at shut-down.
extern const TUnitEntry dxCameraControlUnit;
