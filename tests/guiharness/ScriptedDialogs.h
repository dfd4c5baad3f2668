#pragma once
// A dialog service that answers from a script instead of a person. While it
// lives it replaces the application's dialog service and records every
// dialog asked for; a dialog without a scripted answer fails the test.
#include <deque>
#include <vector>

#include "vcl/controls/Dialogs.h"

class TScriptedDialogs : public TDialogService {
public:
  TScriptedDialogs();
  ~TScriptedDialogs() override;

  // The answer to the next message box.
  void Answer(TModalResult Result) { FAnswers.push_back(Result); }
  // The answer to the next input box: the text entered and OK, or Cancel.
  void AnswerInput(const String& Text) { FInputs.push_back({true, Text}); }
  void CancelInput() { FInputs.push_back({false, String()}); }

  struct TInputRequest {
    String Caption;
    String Prompt;
    String Default;
  };
  const std::vector<TMessageBoxRequest>& Messages() const { return FMessages; }
  const std::vector<TInputRequest>& Inputs() const { return FInputRequests; }
  // Every answer given was used.
  bool AllAnswered() const { return FAnswers.empty() && FInputs.empty(); }

  TModalResult ShowMessageBox(const TMessageBoxRequest& Request) override;
  bool InputQuery(const String& Caption, const String& Prompt, String& Value) override;

private:
  struct TInputAnswer {
    bool Confirmed;
    String Text;
  };
  TDialogService* FPrevious;
  std::deque<TModalResult> FAnswers;
  std::deque<TInputAnswer> FInputs;
  std::vector<TMessageBoxRequest> FMessages;
  std::vector<TInputRequest> FInputRequests;
};
