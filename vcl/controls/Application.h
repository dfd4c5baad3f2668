#pragma once
// TApplication: the program's title and icon, its forms, and the message
// loop of the one user-interface thread. The global Application exists
// between the start-up and the shut-down of the Forms unit.
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "vcl/classes/Component.h"
#include "vcl/controls/Messages.h"
#include "vcl/graphics/Colors.h"
#include "vcl/rtl/SysUtils.h"
#include "vcl/rtl/Types.h"
#include "vcl/rtl/UnitStartup.h"

class TIcon;
class TCustomForm;
struct tagMSG;

using TExceptionEvent = std::function<void(TObject* Sender, const Exception& E)>;

class TControl;
class THintWindow;

// What the application's next hint shows, where and how; OnShowHint may
// change every part of it.
struct THintInfo {
  TControl* HintControl = nullptr;
  // Null: the global HintWindowClass.
  TClass HintWindowClass = nullptr;
  // Screen coordinates.
  TPoint HintPos;
  int HintMaxWidth = 0;
  TColor HintColor = clInfoBk;
  // In the hint control's client coordinates.
  TRect CursorRect;
  TPoint CursorPos;
  int ReshowTimeout = 0;
  int HideTimeout = 0;
  String HintStr;
  void* HintData = nullptr;
};
using TShowHintEvent = std::function<void(String& HintStr, bool& CanShow, THintInfo& HintInfo)>;

// The class of the windows the application shows its hints in: THintWindow
// or a descendant made with an owner.
extern TClass HintWindowClass;

// A hook of the application's window: true when it handled the message.
using TWindowHook = std::function<bool(TMessage& Message)>;

class TApplication : public TComponent {
  VCL_CLASS(TApplication, TComponent)
public:
  explicit TApplication(TComponent* AOwner);
  ~TApplication() override;

  // The units' start-up has prepared everything; kept so the program's
  // start reads as the platform's.
  void Initialize() {}
  // Default: the executable's name without its extension.
  const String& Title() const { return FTitle; }
  void SetTitle(const String& Value) { FTitle = Value; }
  // The icon of forms that have none of their own; starts as the module's
  // "MAINICON" when it has one.
  TIcon* Icon() const { return FIcon.get(); }

  // Creates a form owned by the application; the first becomes MainForm.
  template <typename T>
  void CreateForm(T*& Reference) {
    Reference = new T(this);
    FormCreated(Reference);
  }
  TCustomForm* MainForm() const { return FMainForm; }
  bool ShowMainForm = true;

  // Shows the main form and runs the message loop until Terminate (or the
  // main form's closing) ends it.
  void Run();
  // Handles every message waiting in the queue, then returns.
  void ProcessMessages();
  // Handles one message, waiting for it when the queue is empty;
  // exceptions go to HandleException.
  void HandleMessage();
  void Terminate();
  bool Terminated() const { return FTerminated; }
  // How many forms are being shown modally now.
  int ModalLevel() const { return FModalLevel; }

  // The application's own hidden window: it hears the wake-ups of worker
  // threads (running their synchronised calls), the keys offered to the
  // application as shortcuts (CM_APPKEYDOWN), and passes every message to
  // the hooks first, the newest first.
  HWND Handle() const { return FHandle; }
  // An id for UnhookMainWindow.
  int HookMainWindow(const TWindowHook& Hook);
  void UnhookMainWindow(int HookId);
  // A key message (WM_KEYDOWN) the application takes as a shortcut:
  // OnShortCut, then the main form's.
  bool IsShortCut(TMessage& Message);
  TShortCutEvent OnShortCut;

  // Called inside a catch block: shows the exception being handled (or
  // hands it to OnException); EAbort is silent.
  void HandleException(TObject* Sender);
  // The default error dialog: the message (with a final full stop) in an
  // error box captioned with the title.
  void ShowException(const Exception& E);
  TExceptionEvent OnException;

  // Hints. The pauses (milliseconds) are the ones hint components ask for.
  TColor HintColor() const { return FHintColor; }
  void SetHintColor(TColor Value) { FHintColor = Value; }
  int HintShortPause() const { return FHintShortPause; }
  void SetHintShortPause(int Value) { FHintShortPause = Value; }
  int HintPause() const { return FHintPause; }
  void SetHintPause(int Value) { FHintPause = Value; }
  int HintHidePause() const { return FHintHidePause; }
  void SetHintHidePause(int Value) { FHintHidePause = Value; }
  // Hints of actions show the action's shortcut: "Find (Ctrl+F)".
  bool HintShortCuts() const { return FHintShortCuts; }
  void SetHintShortCuts(bool Value) { FHintShortCuts = Value; }
  // Shows the hint of the control under the screen point (the nearest one
  // with a hint text), after the control under the point (a nonzero
  // answer to CM_HINTSHOW refuses) and then OnShowHint have had their say;
  // hides the hint when there is none to show.
  void ActivateHint(const TPoint& CursorPos);
  void CancelHint();
  // The window the last hint showed in, or null.
  THintWindow* HintWindow() const { return FHintWindow.get(); }
  TShowHintEvent OnShowHint;

private:
  friend class TCustomForm;
  void FormCreated(TCustomForm* Form);
  void FormDestroyed(TCustomForm* Form);
  bool ProcessMessage(tagMSG& Msg);
  bool IsKeyMsg(tagMSG& Msg);
  friend LRESULT CALLBACK ApplicationWndProc(HWND, UINT, WPARAM, LPARAM);
  void WndProc(TMessage& Message);
  HWND FHandle = nullptr;
  std::vector<std::pair<int, TWindowHook>> FWindowHooks;
  int FLastHookId = 0;
  String FTitle;
  std::unique_ptr<TIcon> FIcon;
  std::unique_ptr<THintWindow> FHintWindow;
  TColor FHintColor = clInfoBk;
  int FHintShortPause = 50;
  int FHintPause = 500;
  int FHintHidePause = 2500;
  bool FHintShortCuts = true;
  TCustomForm* FMainForm = nullptr;
  bool FTerminated = false;
  int FModalLevel = 0;
};

extern TApplication* Application;

// Creates Screen and Application at start-up and frees them (and the forms)
// at shut-down.
extern const TUnitEntry ApplicationUnit;
