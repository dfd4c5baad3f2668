#pragma once
// TApplication: the program's title and icon, its forms, and the message
// loop of the one user-interface thread. The global Application exists
// between the start-up and the shut-down of the Forms unit.
#include <functional>
#include <memory>

#include "vcl/classes/Component.h"
#include "vcl/rtl/SysUtils.h"
#include "vcl/rtl/UnitStartup.h"

class TIcon;
class TCustomForm;
struct tagMSG;

using TExceptionEvent = std::function<void(TObject* Sender, const Exception& E)>;

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

  // Called inside a catch block: shows the exception being handled (or
  // hands it to OnException); EAbort is silent.
  void HandleException(TObject* Sender);
  // The default error dialog: the message (with a final full stop) in an
  // error box captioned with the title.
  void ShowException(const Exception& E);
  TExceptionEvent OnException;

private:
  friend class TCustomForm;
  void FormCreated(TCustomForm* Form);
  void FormDestroyed(TCustomForm* Form);
  bool ProcessMessage(tagMSG& Msg);
  bool IsKeyMsg(tagMSG& Msg);
  String FTitle;
  std::unique_ptr<TIcon> FIcon;
  TCustomForm* FMainForm = nullptr;
  bool FTerminated = false;
  int FModalLevel = 0;
};

extern TApplication* Application;

// Creates Screen and Application at start-up and frees them (and the forms)
// at shut-down.
extern const TUnitEntry ApplicationUnit;
