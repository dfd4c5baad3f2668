#pragma once
// Message dialogs and the input box. Every dialog goes through one dialog
// service: the platform's (real modal dialogs) unless a test has put a
// scripted one in its place.
#include "vcl/controls/UITypes.h"
#include "vcl/rtl/SysUtils.h"

// Shows Msg in a modal box of the given kind (caption and icon follow the
// kind; mtCustom shows the application's title and no icon) at the default
// position. Buttons must be one of the platform's sets: {mbOK},
// {mbOK, mbCancel}, {mbYes, mbNo}, {mbYes, mbNo, mbCancel},
// {mbAbort, mbRetry, mbIgnore} or {mbRetry, mbCancel}, optionally with
// mbHelp; any other raises EInvalidOperation. Returns the button's mr*.
TModalResult MessageDlg(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons,
                        int HelpCtx);
// Msg in a box with the application's title, no icon and an OK button.
void ShowMessage(const String& Msg);
// Asks for a text; Value is changed only when the operator confirms.
bool InputQuery(const String& ACaption, const String& APrompt, String& Value);
// The text the operator entered, or ADefault when the box was cancelled.
String InputBox(const String& ACaption, const String& APrompt, const String& ADefault);

struct TMessageBoxRequest {
  String Caption;
  String Text;
  TMsgDlgType DlgType;
  TMsgDlgButtons Buttons;
  int HelpCtx;
};

class TDialogService {
public:
  virtual ~TDialogService() = default;
  // Shows one message box and returns the mr* of the chosen button.
  virtual TModalResult ShowMessageBox(const TMessageBoxRequest& Request) = 0;
  // Shows the input box; true when confirmed (Value then holds the text).
  virtual bool InputQuery(const String& Caption, const String& Prompt, String& Value) = 0;
};

TDialogService& DialogService();
// Puts Service (not owned; null means the platform's) in place and returns
// the one that was there.
TDialogService* SetDialogService(TDialogService* Service);
