// Window-procedure chains and the messages controller of the control unit.
#include <algorithm>

#include "components/controls/cxControls.h"
#include "components/core/dxCore.h"

namespace {
// The window property that leads the installed procedure to its helper.
const wchar_t* const SubclassingHelperProp = L"cxSubclassingHelper";
}  // namespace

// ---------------------------------------------------------------- hooks

void TcxWindowProcLinkedObject::DefaultProc(TMessage& Message) {
  if (auto* older = static_cast<TcxWindowProcLinkedObject*>(Prev())) older->WindowProc(Message);
}

TcxWindowProcLinkedObject* TcxVCLSubclassingHelper::NewLinkedObject() {
  return new TcxWindowProcLinkedObject(FControl);
}

void TcxVCLSubclassingHelper::ReplaceWindowProc(TWndMethod AWndProc) {
  FDefaultWindowProc = FControl->WindowProc;
  FControl->WindowProc = std::move(AWndProc);
}

void TcxVCLSubclassingHelper::RestoreWindowProc() { FControl->WindowProc = FDefaultWindowProc; }

LRESULT CALLBACK cxSubclassedWindowProc(HWND AWnd, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
  auto* helper = static_cast<TcxWin32SubclassingHelper*>(GetPropW(AWnd, SubclassingHelperProp));
  if (!helper) return DefWindowProcW(AWnd, AMsg, AWParam, ALParam);
  TMessage message{AMsg, AWParam, ALParam, 0};
  helper->FWndProc(message);
  return message.Result;
}

TcxWindowProcLinkedObject* TcxWin32SubclassingHelper::NewLinkedObject() {
  return new TcxWindowProcLinkedObject(FHandle);
}

void TcxWin32SubclassingHelper::ReplaceWindowProc(TWndMethod AWndProc) {
  FWndProc = std::move(AWndProc);
  SetPropW(FHandle, SubclassingHelperProp, this);
  FAPIDefaultWndProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(FHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&cxSubclassedWindowProc)));
  FDefaultWindowProc = [this](TMessage& Message) { CallOriginalWindowProc(Message); };
}

void TcxWin32SubclassingHelper::RestoreWindowProc() {
  if (!FAPIDefaultWndProc) return;
  SetWindowLongPtrW(FHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FAPIDefaultWndProc));
  RemovePropW(FHandle, SubclassingHelperProp);
  FAPIDefaultWndProc = nullptr;
}

void TcxWin32SubclassingHelper::CallOriginalWindowProc(TMessage& Message) {
  Message.Result =
      CallWindowProcW(FAPIDefaultWndProc, FHandle, Message.Msg, Message.WParam, Message.LParam);
}

// ---------------------------------------------------------------- chains

TcxWindowProcLinkedObjectList::TcxWindowProcLinkedObjectList(TControl* AControl)
    : FControl(AControl), FHelper(std::make_unique<TcxVCLSubclassingHelper>(AControl)) {
  InstallWindowProc();
}

TcxWindowProcLinkedObjectList::TcxWindowProcLinkedObjectList(HWND AHandle)
    : FHandle(AHandle), FHelper(std::make_unique<TcxWin32SubclassingHelper>(AHandle)) {
  InstallWindowProc();
}

TcxWindowProcLinkedObjectList::~TcxWindowProcLinkedObjectList() {
  FHelper->RestoreWindowProc();
  FHelper.reset();
  Clear();
}

void TcxWindowProcLinkedObjectList::InstallWindowProc() {
  FHelper->ReplaceWindowProc([this](TMessage& Message) { WindowProc(Message); });
  AddProc(FHelper->DefaultWindowProc());
}

TcxWindowProcLinkedObject* TcxWindowProcLinkedObjectList::AddProc(TWndMethod AWndProc) {
  auto* hook = static_cast<TcxWindowProcLinkedObject*>(Add());
  hook->WindowProc = std::move(AWndProc);
  return hook;
}

void TcxWindowProcLinkedObjectList::WindowProc(TMessage& Message) {
  static_cast<TcxWindowProcLinkedObject*>(Last())->WindowProc(Message);
}

// ---------------------------------------------------------------- controller

TcxWindowProcController::TcxWindowProcController()
    : FWindowProcObjects(std::make_unique<TcxObjectList>()) {}

TcxWindowProcLinkedObjectList* TcxWindowProcController::Find(TControl* AControl,
                                                             HWND AHandle) const {
  for (int i = 0; i < FWindowProcObjects->Count(); ++i) {
    auto* list = static_cast<TcxWindowProcLinkedObjectList*>(FWindowProcObjects->GetItem(i));
    if (AControl ? list->Control() == AControl : list->Handle() == AHandle) return list;
  }
  return nullptr;
}

TcxWindowProcLinkedObjectList* TcxWindowProcController::AddList(
    std::unique_ptr<TcxWindowProcLinkedObjectList> AList) {
  FWindowProcObjects->Add(AList.get());
  return AList.release();
}

TcxWindowProcLinkedObject* TcxWindowProcController::Add(TControl* AControl, TWndMethod AWndProc) {
  if (!AControl) return nullptr;
  TcxWindowProcLinkedObjectList* list = Find(AControl, nullptr);
  if (!list) list = AddList(std::make_unique<TcxWindowProcLinkedObjectList>(AControl));
  return list->AddProc(std::move(AWndProc));
}

TcxWindowProcLinkedObject* TcxWindowProcController::Add(HWND AHandle, TWndMethod AWndProc) {
  if (!AHandle) return nullptr;
  TcxWindowProcLinkedObjectList* list = Find(nullptr, AHandle);
  if (!list) list = AddList(std::make_unique<TcxWindowProcLinkedObjectList>(AHandle));
  return list->AddProc(std::move(AWndProc));
}

void TcxWindowProcController::Remove(TcxWindowProcLinkedObject*& AWndProcObject) {
  if (!AWndProcObject) return;
  TcxWindowProcLinkedObjectList* list =
      Find(AWndProcObject->Control(), AWndProcObject->Control() ? nullptr : AWndProcObject->Handle());
  if (!list) return;
  list->Remove(AWndProcObject);
  AWndProcObject = nullptr;
  if (list->IsEmpty()) FWindowProcObjects->FreeAndRemove(list);
}

// ---------------------------------------------------------------- messages controller

TdxMessagesController::~TdxMessagesController() {
  DropBlocksOfLostWindows();
  for (const auto& [window, oldProc] : FOldWndProcs)
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldProc));
}

bool TdxMessagesController::KillMessages(HWND AWnd, UINT AMsgFilterMin, UINT AMsgFilterMax,
                                         bool AKillAllMessages) {
  if (AMsgFilterMax == 0) AMsgFilterMax = AMsgFilterMin;
  bool killed = false;
  MSG msg;
  while (PeekMessageW(&msg, AWnd, AMsgFilterMin, AMsgFilterMax, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    killed = true;
    if (!AKillAllMessages) break;
  }
  return killed;
}

bool TdxMessagesController::IsMessageInQueue(HWND AWnd, UINT AMessage) {
  MSG msg;
  return PeekMessageW(&msg, AWnd, AMessage, AMessage, PM_NOREMOVE) && msg.hwnd == AWnd;
}

void TdxMessagesController::LockMessages(const std::vector<UINT>& AMessages) {
  FLockedMessages.insert(FLockedMessages.end(), AMessages.begin(), AMessages.end());
}

void TdxMessagesController::UnlockMessages(const std::vector<UINT>& AMessages) {
  for (UINT message : AMessages) {
    auto it = std::find(FLockedMessages.begin(), FLockedMessages.end(), message);
    if (it != FLockedMessages.end()) FLockedMessages.erase(it);
  }
}

bool TdxMessagesController::IsMessageLocked(UINT AMessage) const {
  return std::find(FLockedMessages.begin(), FLockedMessages.end(), AMessage) !=
         FLockedMessages.end();
}

LRESULT CALLBACK dxBlockingWindowProc(HWND AWnd, UINT, WPARAM, LPARAM) {
  if (TdxMessagesController* controller = dxGetMessagesController()) {
    auto it = controller->FOldWndProcs.find(AWnd);
    if (it != controller->FOldWndProcs.end()) {
      SetWindowLongPtrW(AWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(it->second));
      controller->FOldWndProcs.erase(it);
    }
  }
  return 1;
}

void TdxMessagesController::BlockMessage(HWND AHandle) {
  DropBlocksOfLostWindows();
  if (FOldWndProcs.contains(AHandle)) throw EdxException(L"dxLockMessage fails");
  const auto oldProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(AHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&dxBlockingWindowProc)));
  if (oldProc) FOldWndProcs[AHandle] = oldProc;
}

void TdxMessagesController::BlockLockedMessage(HWND AHandle, UINT& AMessage) {
  if (!IsMessageLocked(AMessage)) return;
  BlockMessage(AHandle);
  AMessage = 0;
}

void TdxMessagesController::DropBlocksOfLostWindows() {
  std::erase_if(FOldWndProcs, [](const auto& AEntry) { return !IsWindow(AEntry.first); });
}
