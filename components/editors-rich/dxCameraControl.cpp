#include "components/editors-rich/dxCameraControl.h"

#include <dshow.h>
#include <qedit.h>

#include <algorithm>

#include "components/core/dxCore.h"
#include "components/editors/cxEditConsts.h"
#include "vcl/rtl/UnitStartup.h"

namespace {

// The grabber and the null renderer of the platform's editing services.
const CLSID CLSID_SampleGrabber = {0xC1F400A0, 0x3F08, 0x11D3, {0x9F, 0x0B, 0x00, 0x60, 0x08, 0x03, 0x9E, 0x37}};
const CLSID CLSID_NullRenderer = {0xC1F400A4, 0x3F08, 0x11D3, {0x9F, 0x0B, 0x00, 0x60, 0x08, 0x03, 0x9E, 0x37}};

constexpr uint32_t FrameInterval = 100;
constexpr int RenderRetryTicks = 10;
constexpr int RestartTicks = 30;

template <class I>
HRESULT CreateInProcess(REFCLSID AClass, REFIID AIID, TInterfaceRef<I>& AResult) {
  void* object = nullptr;
  const HRESULT result = CoCreateInstance(AClass, nullptr, CLSCTX_INPROC_SERVER, AIID, &object);
  AResult = SUCCEEDED(result) ? TInterfaceRef<I>::Adopt(static_cast<I*>(object)) : nullptr;
  return result;
}

template <class I>
TInterfaceRef<I> QueryOf(IUnknown* AObject, REFIID AIID) {
  return Supports<I>(AObject, AIID);
}

void FreeMediaType(AM_MEDIA_TYPE& AType) {
  if (AType.cbFormat) CoTaskMemFree(AType.pbFormat);
  if (AType.pUnk) AType.pUnk->Release();
  AType = AM_MEDIA_TYPE{};
}

TInterfaceRef<IEnumMoniker> VideoInputDevices(ICreateDevEnum* ADevEnum) {
  IEnumMoniker* devices = nullptr;
  if (!ADevEnum || ADevEnum->CreateClassEnumerator(CLSID_VideoInputDeviceCategory, &devices, 0) != S_OK) return nullptr;
  return TInterfaceRef<IEnumMoniker>::Adopt(devices);
}

bool ReadFriendlyName(IMoniker* AMoniker, String& AName) {
  IPropertyBag* bag = nullptr;
  if (FAILED(AMoniker->BindToStorage(nullptr, nullptr, IID_IPropertyBag, reinterpret_cast<void**>(&bag)))) return false;
  auto bagRef = TInterfaceRef<IPropertyBag>::Adopt(bag);
  VARIANT name;
  VariantInit(&name);
  const bool read = SUCCEEDED(bag->Read(L"FriendlyName", &name, nullptr)) && name.vt == VT_BSTR;
  if (read) AName = name.bstrVal;
  VariantClear(&name);
  return read;
}

std::unique_ptr<TcxTimer> NewTimer(uint32_t AInterval, TNotifyEvent AOnTimer) {
  auto timer = std::make_unique<TcxTimer>(nullptr);
  timer->SetEnabled(false);
  timer->SetInterval(AInterval);
  timer->SetOnTimer(std::move(AOnTimer));
  return timer;
}

TdxCameraManager* CameraManager = nullptr;

}  // namespace

void dxMediaCheck(HRESULT AResult, const String& AMessage) {
  if (FAILED(AResult)) throw EdxException(AMessage.empty() ? String(L"dxMediaCheck fails") : AMessage);
}

void TdxCameraEventWindow::HandleWindowMessage(TMessage& AMessage) {
  if (AMessage.Msg == DXM_GRAPHNOTIFY)
    FCamera->HandleGraphEvent();
  else
    TcxMessageWindow::HandleWindowMessage(AMessage);
}

// ================================================================ camera

TdxCamera::TdxCamera(TComponent* AOwner)
    : TcxCustomComponent(AOwner),
      FEventWindow(std::make_unique<TdxCameraEventWindow>(this)),
      FPreviewBitmap(std::make_unique<TcxBitmap32>()),
      FTimer(NewTimer(FrameInterval, [this](TObject* Sender) { TimerTick(Sender); })) {}

TdxCamera::~TdxCamera() {
  Destroying();
  ReleaseGraph();
  // The controls let go while this camera is still whole.
  const std::vector<TdxCustomCameraControl*> listeners = FListeners;
  for (TdxCustomCameraControl* control : listeners)
    if (control->Camera() == this) control->AttachCamera(nullptr);
}

bool TdxCamera::Initialize(int ADeviceIndex) {
  if (FInitialized) return true;
  try {
    FInitialized = BuildGraph(ADeviceIndex);
  } catch (const Exception&) {
    FInitialized = false;
  }
  if (!FInitialized) ReleaseGraph();
  return FInitialized;
}

bool TdxCamera::BuildGraph(int ADeviceIndex) {
  if (FAILED(CreateInProcess(CLSID_CaptureGraphBuilder2, IID_ICaptureGraphBuilder2, FBuilder)) ||
      FAILED(CreateInProcess(CLSID_FilterGraph, IID_IGraphBuilder, FGraph)) ||
      FAILED(FBuilder->SetFiltergraph(FGraph.Get())))
    return false;
  FMediaControl = QueryOf<IMediaControl>(FGraph.Get(), IID_IMediaControl);
  FMediaEvent = QueryOf<IMediaEventEx>(FGraph.Get(), IID_IMediaEventEx);
  if (!FMediaControl || !FMediaEvent ||
      FAILED(FMediaEvent->SetNotifyWindow(reinterpret_cast<OAHWND>(FEventWindow->Handle()), DXM_GRAPHNOTIFY, 0)))
    return false;
  if (!AddCaptureFilter(ADeviceIndex)) return false;
  FDeviceIndex = ADeviceIndex;
  AddSampleGrabber();
  return true;
}

bool TdxCamera::AddCaptureFilter(int ADeviceIndex) {
  FMoniker = dxCameraManagerInstance()->GetDeviceMoniker(ADeviceIndex);
  if (!FMoniker) return false;
  ReadFriendlyName(FMoniker.Get(), FDeviceName);
  IBaseFilter* filter = nullptr;
  if (FAILED(FMoniker->BindToObject(nullptr, nullptr, IID_IBaseFilter, reinterpret_cast<void**>(&filter))))
    return false;
  FCameraFilter = TInterfaceRef<IBaseFilter>::Adopt(filter);
  return SUCCEEDED(FGraph->AddFilter(FCameraFilter.Get(), L"Video Capture"));
}

void TdxCamera::AddSampleGrabber() {
  dxMediaCheck(CreateInProcess(CLSID_SampleGrabber, IID_IBaseFilter, FGrabberFilter));
  FSampleGrabber = QueryOf<ISampleGrabber>(FGrabberFilter.Get(), IID_ISampleGrabber);
  if (!FSampleGrabber) dxMediaCheck(E_NOINTERFACE);
  dxMediaCheck(FGraph->AddFilter(FGrabberFilter.Get(), L"Video Grabber"));
  dxMediaCheck(FSampleGrabber->SetBufferSamples(TRUE), L"SetBufferSamples fails");
  AM_MEDIA_TYPE type{};
  type.majortype = MEDIATYPE_Video;
  type.subtype = MEDIASUBTYPE_RGB32;
  dxMediaCheck(FSampleGrabber->SetMediaType(&type), L"SetMediaType fails");
}

HRESULT TdxCamera::RenderCaptureStream(IBaseFilter* ASink) {
  return FBuilder->RenderStream(&PIN_CATEGORY_CAPTURE, &MEDIATYPE_Video, FCameraFilter.Get(), FGrabberFilter.Get(),
                                ASink);
}

bool TdxCamera::RenderGraph(const String& AFileName) {
  if (!FInitialized || FRendered) return FRendered;
  FRecording = false;
  if (AFileName.empty()) {
    if (!FRenderer && SUCCEEDED(CreateInProcess(CLSID_NullRenderer, IID_IBaseFilter, FRenderer)))
      FGraph->AddFilter(FRenderer.Get(), L"Null Filter");
    FRendered = FRenderer && SUCCEEDED(RenderCaptureStream(FRenderer.Get()));
  } else {
    IBaseFilter* mux = nullptr;
    if (SUCCEEDED(FBuilder->SetOutputFileName(&MEDIASUBTYPE_Avi, AFileName.c_str(), &mux, nullptr)))
      FMux = TInterfaceRef<IBaseFilter>::Adopt(mux);
    FRendered = FMux && SUCCEEDED(RenderCaptureStream(FMux.Get()));
  }
  return FRendered;
}

void TdxCamera::ReleaseGraph() {
  if (FMediaControl) FMediaControl->Stop();
  if (FMediaEvent) FMediaEvent->SetNotifyWindow(0, 0, 0);
  SetConnected(false);
  FInitialized = FRecording = FRendered = FIsRunning = false;
  FMediaEvent.Clear();
  FMediaControl.Clear();
  FMux.Clear();
  FRenderer.Clear();
  FSampleGrabber.Clear();
  FGrabberFilter.Clear();
  FCameraFilter.Clear();
  FMoniker.Clear();
  FGraph.Clear();
  FBuilder.Clear();
}

void TdxCamera::Run() {
  FIsRunning = SUCCEEDED(FMediaControl->Run());
}

bool TdxCamera::GrabFrame(TcxBitmap32* ABitmap) {
  bool grabbed = false;
  long size = 0;
  AM_MEDIA_TYPE type{};
  if (FIsRunning && FSampleGrabber && FSampleGrabber->GetCurrentBuffer(&size, nullptr) == S_OK &&
      SUCCEEDED(FSampleGrabber->GetConnectedMediaType(&type))) {
    if (type.formattype == FORMAT_VideoInfo && type.cbFormat >= sizeof(VIDEOINFOHEADER) && type.pbFormat) {
      const BITMAPINFOHEADER& header = reinterpret_cast<VIDEOINFOHEADER*>(type.pbFormat)->bmiHeader;
      const int width = header.biWidth, height = std::abs(header.biHeight);
      // Only 4 bytes a pixel are taken.
      if (width > 0 && height > 0 && static_cast<int64_t>(width) * height * 4 == size) {
        TRGBColors colors(static_cast<size_t>(width) * height);
        if (FSampleGrabber->GetCurrentBuffer(&size, reinterpret_cast<long*>(colors.data())) == S_OK) {
          ABitmap->SetSize(width, height);
          ABitmap->SetBitmapColors(colors);
          grabbed = true;
        }
      }
    }
    FreeMediaType(type);
  }
  if (grabbed)
    SetConnected(true);
  else
    ABitmap->SetSize(0, 0);
  return grabbed;
}

void TdxCamera::AddListener(TdxCustomCameraControl* AControl) {
  if (FInitialized && FRendered && !FIsRunning) Run();
  if (AControl && std::find(FListeners.begin(), FListeners.end(), AControl) == FListeners.end()) {
    AControl->FreeNotification(this);
    FListeners.push_back(AControl);
    FTimer->SetEnabled(true);
  }
  UpdateState();
}

void TdxCamera::RemoveListener(TdxCustomCameraControl* AControl) {
  if (ComponentState().Contains(csDestroying)) return;
  const auto found = std::find(FListeners.begin(), FListeners.end(), AControl);
  if (found == FListeners.end()) return;
  FListeners.erase(found);
  AControl->RemoveFreeNotification(this);
  if (FListeners.empty() && !FRecording) {
    FTimer->SetEnabled(false);
    if (FMediaControl) FMediaControl->Stop();
    FIsRunning = false;
    SetConnected(false);
    dxFireNotifyEvent(OnDeviceNotUsed, this);
  } else {
    UpdateState();
  }
}

void TdxCamera::Notification(TComponent* AComponent, TOperation Operation) {
  TcxCustomComponent::Notification(AComponent, Operation);
  if (Operation == opRemove)
    FListeners.erase(std::remove(FListeners.begin(), FListeners.end(), AComponent), FListeners.end());
}

bool TdxCamera::StartFileRecording(const String& AFileName) {
  if (!FInitialized) return false;
  if (FRendered) {
    FMediaControl->Stop();
    FIsRunning = false;
    FRendered = false;
    // The old grabber holds the connections of the preview graph.
    FGraph->RemoveFilter(FGrabberFilter.Get());
    if (FRenderer) FGraph->RemoveFilter(FRenderer.Get());
    FRenderer.Clear();
    AddSampleGrabber();
  }
  if (RenderGraph(AFileName)) Run();
  FRecording = FRendered && FIsRunning;
  return FRecording;
}

void TdxCamera::TimerTick(TObject*) {
  if (!GrabFrame(FPreviewBitmap.get())) {
    ++FFailsCount;
    if (!FRendered && FFailsCount % RenderRetryTicks == 0) {
      if (RenderGraph()) AddListener(nullptr);
    } else if (FRendered && FFailsCount % RestartTicks == 0) {
      FMediaControl->Stop();
      Run();
    }
  }
  UpdateState();
  for (TdxCustomCameraControl* control : FListeners) control->Invalidate();
}

void TdxCamera::HandleGraphEvent() {
  if (!FMediaEvent) return;
  long code = 0;
  LONG_PTR first = 0, second = 0;
  if (FMediaEvent->GetEvent(&code, &first, &second, 0) != S_OK) return;
  FMediaEvent->FreeEventParams(code, first, second);
  // Parameter 0: the device was removed (1 would be its return).
  if (code == EC_DEVICE_LOST && first == 0) {
    ReleaseGraph();
    dxFireNotifyEvent(OnDeviceLost, this);
  }
}

void TdxCamera::SetConnected(bool AValue) {
  if (FConnected == AValue) return;
  FConnected = AValue;
  FFailsCount = 0;
  NotifyStateChanged();
}

void TdxCamera::UpdateState() {
  TdxCameraState state = csInitializing;
  if (FConnected)
    state = csRunning;
  else if (FTimer->Enabled() && FFailsCount >= RestartTicks)
    state = csDeviceIsBusy;
  if (state == FState) return;
  FState = state;
  NotifyStateChanged();
}

void TdxCamera::NotifyStateChanged() { FStateChangedHandlers.CallEvents(this, nullptr); }

// ================================================================ manager

TdxCameraManager::TdxCameraManager(TComponent* AOwner)
    : TComponent(AOwner),
      FRequestTimer(NewTimer(1000, [this](TObject* Sender) { ProcessRequests(Sender); })) {
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  FComInitialized = SUCCEEDED(com);
  // Without the enumerator no device is listed.
  CreateInProcess(CLSID_SystemDeviceEnum, IID_ICreateDevEnum, FDevEnum);
}

TdxCameraManager::~TdxCameraManager() {
  Destroying();
  FRequestTimer->SetEnabled(false);
  FRequestList.clear();
  while (!FCameraList.empty()) FreeCamera(FCameraList.back());
  FDevEnum.Clear();
  if (FComInitialized) CoUninitialize();
}

void TdxCameraManager::RefreshDevices() {
  FDevices.clear();
  TInterfaceRef<IEnumMoniker> devices = VideoInputDevices(FDevEnum.Get());
  if (!devices) return;
  devices->Reset();
  IMoniker* moniker = nullptr;
  while (devices->Next(1, &moniker, nullptr) == S_OK) {
    auto monikerRef = TInterfaceRef<IMoniker>::Adopt(moniker);
    String name;
    if (ReadFriendlyName(moniker, name)) FDevices.push_back(name);
  }
}

int TdxCameraManager::DeviceCount() {
  RefreshDevices();
  return static_cast<int>(FDevices.size());
}

TInterfaceRef<IMoniker> TdxCameraManager::GetDeviceMoniker(int AIndex) {
  TInterfaceRef<IEnumMoniker> devices = VideoInputDevices(FDevEnum.Get());
  if (!devices || AIndex < 0) return nullptr;
  devices->Reset();
  if (AIndex > 0 && devices->Skip(AIndex) != S_OK) return nullptr;
  IMoniker* moniker = nullptr;
  if (devices->Next(1, &moniker, nullptr) != S_OK) return nullptr;
  return TInterfaceRef<IMoniker>::Adopt(moniker);
}

TdxCamera* TdxCameraManager::FindCamera(int AIndex) const {
  for (TdxCamera* camera : FCameraList)
    if (camera->DeviceIndex() == AIndex && !camera->ComponentState().Contains(csDestroying)) return camera;
  return nullptr;
}

TdxCamera* TdxCameraManager::GetCamera(int AIndex) {
  if (TdxCamera* camera = FindCamera(AIndex)) return camera;
  auto camera = std::make_unique<TdxCamera>(nullptr);
  if (!camera->Initialize(AIndex)) return nullptr;
  camera->OnDeviceLost = camera->OnDeviceNotUsed = [this](TObject* Sender) { FreeCamera(Sender); };
  FCameraList.push_back(camera.release());
  return FCameraList.back();
}

void TdxCameraManager::FreeCamera(TObject* ACamera) {
  const auto found = std::find(FCameraList.begin(), FCameraList.end(), ACamera);
  if (found == FCameraList.end()) return;
  TdxCamera* camera = *found;
  FCameraList.erase(found);
  delete camera;
}

void TdxCameraManager::RequestCamera(TdxCustomCameraControl* AControl) {
  if (!IsRequested(AControl)) {
    FRequestList.push_back(AControl);
    AControl->FreeNotification(this);
  }
  FRequestTimer->SetEnabled(true);
  ProcessRequests();
}

void TdxCameraManager::CancelRequest(TdxCustomCameraControl* AControl) {
  FRequestList.erase(std::remove(FRequestList.begin(), FRequestList.end(), AControl), FRequestList.end());
  if (FRequestList.empty()) FRequestTimer->SetEnabled(false);
}

bool TdxCameraManager::IsRequested(TdxCustomCameraControl* AControl) const {
  return std::find(FRequestList.begin(), FRequestList.end(), AControl) != FRequestList.end();
}

void TdxCameraManager::ProcessRequests(TObject*) {
  RefreshDevices();
  // Attaching takes a control off the list (or puts it back).
  const std::vector<TdxCustomCameraControl*> waiting(FRequestList.rbegin(), FRequestList.rend());
  for (TdxCustomCameraControl* control : waiting)
    if (IsRequested(control)) control->AttachCamera(GetCamera(control->DeviceIndex()));
  if (FRequestList.empty()) FRequestTimer->SetEnabled(false);
}

void TdxCameraManager::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove)
    FRequestList.erase(std::remove(FRequestList.begin(), FRequestList.end(), AComponent), FRequestList.end());
}

bool TdxCameraManager::StartRecording(int ADeviceIndex, const String& AFileName) {
  TdxCamera* camera = GetCamera(ADeviceIndex);
  return camera && camera->StartFileRecording(AFileName);
}

void TdxCameraManager::StopRecording(int ADeviceIndex) {
  if (TdxCamera* camera = FindCamera(ADeviceIndex)) FreeCamera(camera);
}

TdxCameraManager* dxCameraManagerInstance() {
  if (!CameraManager) CameraManager = new TdxCameraManager();
  return CameraManager;
}

bool dxCameraDeviceExists() { return dxCameraManagerInstance()->DeviceCount() > 0; }

// ================================================================ control

TdxCustomCameraControl::TdxCustomCameraControl(TComponent* AOwner)
    : TcxControl(AOwner), FCapturedBitmap(std::make_unique<TcxBitmap32>()) {
  TControlStyle style = ControlStyle();
  style.Exclude(csParentBackground);
  SetControlStyle(style);
  SetBorderStyle(cxcbsDefault);
  SetDoubleBuffered(true);
  SetBounds(Left(), Top(), 200, 150);
}

TdxCustomCameraControl::~TdxCustomCameraControl() {
  Destroying();
  SetActive(false);
  AttachCamera(nullptr);
  if (CameraManager) CameraManager->CancelRequest(this);
}

void TdxCustomCameraControl::SetActive(bool AValue) {
  if (IsDesigning()) {
    FActive = AValue;
    return;
  }
  if (FActive == AValue) return;
  FActive = AValue;
  if (FActive)
    dxCameraManagerInstance()->RequestCamera(this);
  else
    AttachCamera(nullptr);
  Invalidate();
  UpdateControlState();
}

void TdxCustomCameraControl::SetDeviceIndex(int AValue) {
  if (FDeviceIndex == AValue) return;
  const bool active = FActive;
  SetActive(false);
  FDeviceIndex = AValue;
  SetActive(active);
}

void TdxCustomCameraControl::SetFitMode(TcxImageFitMode AValue) {
  if (FFitMode == AValue) return;
  FFitMode = AValue;
  Invalidate();
}

void TdxCustomCameraControl::AttachCamera(TdxCamera* ACamera) {
  if (FCamera != ACamera) {
    TdxCamera* old = std::exchange(FCamera, ACamera);
    if (old) {
      old->StateChangedHandlers().Remove(cxEventHandler(this, &TdxCustomCameraControl::CameraStateChanged));
      old->RemoveFreeNotification(this);
      old->RemoveListener(this);  // may free the old camera
    } else if (CameraManager) {
      CameraManager->CancelRequest(this);
    }
    if (FCamera) {
      FCamera->FreeNotification(this);
      FCamera->StateChangedHandlers().Add(cxEventHandler(this, &TdxCustomCameraControl::CameraStateChanged));
      FCamera->AddListener(this);
    } else if (FActive && !ComponentState().Contains(csDestroying)) {
      dxCameraManagerInstance()->RequestCamera(this);
    }
  } else if (!FCamera && CameraManager && !FActive) {
    CameraManager->CancelRequest(this);
  }
  Invalidate();
  UpdateControlState();
}

void TdxCustomCameraControl::Notification(TComponent* AComponent, TOperation Operation) {
  TcxControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FCamera) {
    FCamera = nullptr;
    if (FActive && !ComponentState().Contains(csDestroying)) dxCameraManagerInstance()->RequestCamera(this);
    UpdateControlState();
  }
}

void TdxCustomCameraControl::CameraStateChanged(TObject*, const void*) {
  Invalidate();
  UpdateControlState();
}

void TdxCustomCameraControl::UpdateControlState() {
  TdxCameraControlState state;
  if (!FActive)
    state = ccsInactive;
  else if (FPaused)
    state = ccsPaused;
  else if (!FCamera)
    state = ccsNoDevice;
  else
    switch (FCamera->State()) {
      case csRunning: state = ccsRunning; break;
      case csDeviceIsBusy: state = ccsDeviceIsBusy; break;
      default: state = ccsInitializing; break;
    }
  if (state == FState) return;
  FState = state;
  if (!ComponentState().Contains(csDestroying)) dxFireNotifyEvent(OnStateChanged, this);
}

void TdxCustomCameraControl::Capture() {
  if (FCamera) FCamera->GrabFrame(FCapturedBitmap.get());
}

void TdxCustomCameraControl::Pause() {
  if (FState != ccsRunning) return;
  Capture();
  FPaused = true;
  Invalidate();
  UpdateControlState();
}

void TdxCustomCameraControl::Play() {
  FPaused = false;
  SetActive(true);
  UpdateControlState();
  Invalidate();
}

void TdxCustomCameraControl::Stop() {
  FPaused = false;
  SetActive(false);
  UpdateControlState();
}

String TdxCustomCameraControl::StateText() const {
  if (IsDesigning()) return L"No rendering at design time";
  switch (FState) {
    case ccsInactive: return LoadResString(&sdxCameraInactive);
    case ccsInitializing: return LoadResString(&sdxCameraInitializing);
    case ccsNoDevice: return LoadResString(&sdxCameraNotDetected);
    case ccsDeviceIsBusy: return LoadResString(&sdxCameraIsBusy);
    default: return String();
  }
}

void TdxCustomCameraControl::DoPaint() {
  TcxControl::DoPaint();
  TcxCanvas* canvas = Canvas();
  const TRect client = ClientBounds();
  canvas->FillRect(client, clWhite);
  TcxBitmap32* frame = nullptr;
  if (!IsDesigning() && FState == ccsRunning && FCamera) frame = FCamera->PreviewBitmap();
  if (!IsDesigning() && FState == ccsPaused) frame = FCapturedBitmap.get();
  if (frame && !frame->Empty()) {
    cxDrawFittedGraphic(canvas, client, frame, FFitMode);
    return;
  }
  String text = StateText();
  if (text.empty()) text = LoadResString(FState == ccsPaused ? &sdxCameraPaused : &sdxCameraRunning);
  TRect R = client;
  canvas->Font()->Assign(Font());
  canvas->AlignMultiLineTextRectVertically(R, text, vaCenter, true, false);
  canvas->DrawTexT(text, R, taCenter, vaTop, true, false);
}

TPopupMenu* TdxCustomCameraControl::DeviceMenu() {
  TdxCameraManager* manager = dxCameraManagerInstance();
  manager->RefreshDevices();
  if (!FActive || manager->Devices().size() < 2) return nullptr;
  FInternalPopupMenu = std::make_unique<TPopupMenu>(nullptr);
  for (size_t i = 0; i < manager->Devices().size(); ++i) {
    auto* item = new TMenuItem(FInternalPopupMenu.get());
    item->SetCaption(manager->Devices()[i]);
    const int index = static_cast<int>(i);
    item->SetChecked(index == FDeviceIndex);
    item->OnClick = [this, index](TObject*) { SetDeviceIndex(index); };
    FInternalPopupMenu->Items()->Add(item);
  }
  return FInternalPopupMenu.get();
}

void TdxCustomCameraControl::DoContextPopup(const TPoint& MousePos, bool& Handled) {
  if (PopupMenu()) return TcxControl::DoContextPopup(MousePos, Handled);
  if (TPopupMenu* menu = DeviceMenu()) {
    const TPoint at = ClientToScreen(MousePos.X < 0 ? TPoint(10, 10) : MousePos);
    menu->Popup(at.X, at.Y);
    Handled = true;
  }
}

namespace {
void dxCameraControlFinalize() {
  delete CameraManager;
  CameraManager = nullptr;
}
}  // namespace

const TUnitEntry dxCameraControlUnit{L"dxCameraControl", nullptr, dxCameraControlFinalize};
