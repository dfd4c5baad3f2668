#pragma once
// Forms (top-level windows with their controls, shown modeless or modal)
// and the screen (forms, the active form, cursors).
#include <functional>
#include <map>

#include "vcl/controls/Controls.h"
#include "vcl/controls/UITypes.h"

enum class TPosition { poDesigned, poScreenCenter };
using enum TPosition;
// fsMDIChild and fsMDIForm are only told apart: forms never become MDI
// windows here.
enum class TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
using enum TFormStyle;
// Which window owns a form's window: the main form's (pmNone), the active
// form's when shown (pmAuto), or PopupParent's (pmExplicit).
enum class TPopupMode { pmNone, pmAuto, pmExplicit };
using enum TPopupMode;
enum class TCloseAction { caNone, caHide, caFree, caMinimize };
using enum TCloseAction;

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

class TCustomForm : public TWinControl {
  VCL_COMPONENT_CLASS(TCustomForm, TWinControl)
public:
  explicit TCustomForm(TComponent* AOwner);
  ~TCustomForm() override;

  // Runs OnCreate once the form, and whatever a derived form builds in its
  // constructor, exists. TApplication::CreateForm calls it; code that
  // creates a form with new calls it itself.
  void AfterConstruction();

  TPosition Position() const { return FPosition; }
  void SetPosition(TPosition Value) { FPosition = Value; }
  // The control that has (or gets, when the form is activated) the focus.
  TWinControl* ActiveControl() const { return FActiveControl; }
  void SetActiveControl(TWinControl* Value);
  // fsStayOnTop keeps the form above the windows of other programs.
  TFormStyle FormStyle() const { return FFormStyle; }
  void SetFormStyle(TFormStyle Value);
  // The form sees the keys of its controls first (OnKeyDown, OnKeyPress,
  // OnKeyUp); a key it clears goes no further.
  bool KeyPreview() const { return FKeyPreview; }
  void SetKeyPreview(bool Value) { FKeyPreview = Value; }
  TPopupMode PopupMode() const { return FPopupMode; }
  void SetPopupMode(TPopupMode Value);
  // Setting it makes the mode pmExplicit; a freed parent is forgotten.
  TCustomForm* PopupParent() const { return FPopupParent; }
  void SetPopupParent(TCustomForm* Value);
  // Moves the focus to the next (or previous) control in tab order that
  // can take it, wrapping around.
  void SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop);

  // Shows the form and waits until ModalResult is set (by a button with a
  // modal result, by the code, or by closing: mrCancel); the other windows
  // of the program take no input meanwhile.
  TModalResult ShowModal();
  TModalResult ModalResult() const { return FModalResult; }
  // ShowModal runs for the form.
  bool Modal() const { return FModal; }
  // ShowModal is ending with ModalResult: the controls see the focus leave
  // the form (CM_FOCUSCHANGED naming no control), then the form hides. With
  // a result other than mrCancel a control may refuse by raising: the form
  // stays open, the focus where it was, and the exception is shown.
  bool ModalClosing() const { return FModalClosing; }
  void SetModalResult(TModalResult Value) { FModalResult = Value; }
  // Asks OnCloseQuery, then OnClose decides: hide (the default), free
  // (later, see Release), minimize or stay. Closing the main form ends the
  // application.
  void Close();
  // Frees the form once the messages queued before now are handled.
  void Release();
  // A key message (WM_KEYDOWN) the form takes as a shortcut: OnShortCut.
  virtual bool IsShortCut(TMessage& Message);

  TNotifyEvent OnCreate;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;
  TShortCutEvent OnShortCut;

protected:
  void CreateParams(TCreateParams& Params) override;
  void InitializeWindow() override;
  void WndProc(TMessage& Message) override;
  virtual void DoShow();
  virtual void DoHide();
  virtual bool CloseQuery();
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  friend class TWinControl;
  void FocusChanged(TWinControl* Control);
  void ControlRemoved(TControl* Control);
  void VisibleChanging(bool Showing);
  void Activated();
  TCloseAction DoClose();
  // The controls let the focus go as the modal form closes; false when one
  // refused.
  bool ReleaseFocusForModalResult();
  void CenterOnScreen();

  HWND PopupOwnerWindow();
  TPosition FPosition = poDesigned;
  TFormStyle FFormStyle = fsNormal;
  bool FKeyPreview = false;
  TPopupMode FPopupMode = pmNone;
  TCustomForm* FPopupParent = nullptr;
  TWinControl* FActiveControl = nullptr;
  TModalResult FModalResult = mrNone;
  bool FModal = false;
  bool FModalClosing = false;
  bool FCreated = false;
};

class TForm : public TCustomForm {
  VCL_COMPONENT_CLASS(TForm, TCustomForm)
public:
  explicit TForm(TComponent* AOwner) : TCustomForm(AOwner) {}
};

// The form a control lies on (the control itself for a form), or null.
TCustomForm* GetParentForm(TControl* Control);

class TScreen : public TComponent {
  VCL_CLASS(TScreen, TComponent)
public:
  // Registers the framework's drag cursors (crDrag, crMultiDrag), made when
  // first asked for.
  explicit TScreen(TComponent* AOwner);
  ~TScreen() override;

  // The cursor shown over every window of the program; crDefault lets each
  // control show its own.
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor Value);
  // The cursor of an index: the platform's for the crXxx values, those
  // registered with SetCursors for others, the arrow for unknown ones.
  HCURSOR Cursors(TCursor Index) const;
  // Registers a cursor (owned by the screen from now on). A cursor the
  // screen holds already may be registered under further indexes: it is
  // destroyed once, when no index holds it any more.
  void SetCursors(TCursor Index, HCURSOR Handle);
  // Registers a cursor that is made when Cursors first asks for it, so that
  // start-up only registers: what the loader returns is owned as with
  // SetCursors; a null one leaves the index to the platform's or the arrow.
  // A later SetCursors or SetCursorLoader on the index replaces it.
  void SetCursorLoader(TCursor Index, std::function<HCURSOR()> Loader);

  TCustomForm* ActiveForm() const { return FActiveForm; }
  // The form whose window (or a child window of it) has the keyboard focus.
  TCustomForm* FocusedForm() const;
  // The font of menus, as the system is set.
  TFont* MenuFont();
  int FormCount() const { return static_cast<int>(FForms.size()); }
  TCustomForm* Forms(int Index) const { return FForms.at(Index); }
  int Width() const;
  int Height() const;
  // The primary monitor's area not taken by task bars.
  TRect WorkAreaRect() const;

private:
  friend class TCustomForm;
  void AddForm(TCustomForm* Form) { FForms.push_back(Form); }
  void RemoveForm(TCustomForm* Form);
  void SetActiveForm(TCustomForm* Form) { FActiveForm = Form; }
  bool HoldsCursor(HCURSOR Handle) const;
  void ReleaseCursor(TCursor Index);

  TCursor FCursor = crDefault;
  TCustomForm* FActiveForm = nullptr;
  std::vector<TCustomForm*> FForms;
  // Cursors made on first use join FCursors from the const Cursors.
  mutable std::map<TCursor, HCURSOR> FCursors;
  mutable std::map<TCursor, std::function<HCURSOR()>> FCursorLoaders;
  std::unique_ptr<TFont> FMenuFont;
};

extern TScreen* Screen;
