#include "tests/guiharness/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include "vcl/rtl/SysUtils.h"

TScriptedDialogs::TScriptedDialogs() : FPrevious(SetDialogService(this)) {}

TScriptedDialogs::~TScriptedDialogs() { SetDialogService(FPrevious); }

TModalResult TScriptedDialogs::ShowMessageBox(const TMessageBoxRequest& Request) {
  FMessages.push_back(Request);
  if (FAnswers.empty()) {
    ADD_FAILURE() << "Unexpected message box: " << ToUtf8(Request.Text);
    return mrCancel;
  }
  TModalResult result = FAnswers.front();
  FAnswers.pop_front();
  return result;
}

bool TScriptedDialogs::InputQuery(const String& Caption, const String& Prompt, String& Value) {
  FInputRequests.push_back({Caption, Prompt, Value});
  if (FInputs.empty()) {
    ADD_FAILURE() << "Unexpected input box: " << ToUtf8(Prompt);
    return false;
  }
  TInputAnswer answer = FInputs.front();
  FInputs.pop_front();
  if (answer.Confirmed) Value = answer.Text;
  return answer.Confirmed;
}
