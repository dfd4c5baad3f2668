// Message dialogs, the input box and the default error dialog: through the
// scripted service, and as the platform's real boxes answered by a hook.
#include <gtest/gtest.h>

#include "tests/guiharness/DialogHook.h"
#include "tests/guiharness/ScriptedDialogs.h"
#include "vcl/controls/Application.h"
#include "vcl/controls/Dialogs.h"
#include "vcl/rtl/WinApi.h"

namespace {
bool Contains(const std::vector<String>& Texts, const String& Text) {
  return std::find(Texts.begin(), Texts.end(), Text) != Texts.end();
}
}  // namespace

TEST(MessageDialogs, CaptionFollowsKindAndAnswerIsReturned) {
  Application->SetTitle(L"Conversão");
  struct {
    TMsgDlgType Type;
    TMsgDlgButtons Buttons;
    TModalResult Answer;
    const wchar_t* Caption;
  } cases[] = {
      {mtWarning, {mbOK}, mrOk, L"Warning"},
      {mtError, {mbOK, mbCancel}, mrCancel, L"Error"},
      {mtInformation, {mbOK}, mrOk, L"Information"},
      {mtConfirmation, {mbYes, mbNo}, mrNo, L"Confirm"},
      {mtCustom, {mbYes, mbNo}, mrYes, L"Conversão"},
  };
  TScriptedDialogs dialogs;
  for (const auto& c : cases) dialogs.Answer(c.Answer);
  for (const auto& c : cases) EXPECT_EQ(c.Answer, MessageDlg(L"Texto", c.Type, c.Buttons, 0));
  ASSERT_EQ(std::size(cases), dialogs.Messages().size());
  for (size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(cases[i].Caption, dialogs.Messages()[i].Caption);
    EXPECT_EQ(L"Texto", dialogs.Messages()[i].Text);
    EXPECT_TRUE(dialogs.Messages()[i].Buttons == cases[i].Buttons);
  }
}

TEST(MessageDialogs, ButtonSetsAMessageBoxCannotShowAreRefused) {
  TScriptedDialogs dialogs;
  EXPECT_THROW(MessageDlg(L"x", mtWarning, {mbYes, mbOK}, 0), EInvalidOperation);
  EXPECT_THROW(MessageDlg(L"x", mtWarning, {}, 0), EInvalidOperation);
  EXPECT_TRUE(dialogs.Messages().empty());
}

TEST(MessageDialogs, ShowMessageUsesTheTitleAndNoIcon) {
  Application->SetTitle(L"Título");
  TScriptedDialogs dialogs;
  dialogs.Answer(mrOk);
  ShowMessage(L"Olá");
  ASSERT_EQ(1u, dialogs.Messages().size());
  EXPECT_EQ(L"Título", dialogs.Messages()[0].Caption);
  EXPECT_EQ(mtCustom, dialogs.Messages()[0].DlgType);
}

TEST(InputBoxes, ScriptedAnswerOrDefaultWhenCancelled) {
  TScriptedDialogs dialogs;
  dialogs.AnswerInput(L"42");
  dialogs.CancelInput();
  EXPECT_EQ(L"42", InputBox(L"Titulo", L"Valor:", L"10"));
  EXPECT_EQ(L"10", InputBox(L"Titulo", L"Valor:", L"10"));
  ASSERT_EQ(2u, dialogs.Inputs().size());
  EXPECT_EQ(L"Titulo", dialogs.Inputs()[0].Caption);
  EXPECT_EQ(L"Valor:", dialogs.Inputs()[0].Prompt);
  EXPECT_EQ(L"10", dialogs.Inputs()[0].Default);
}

TEST(PlatformDialogs, MessageBoxShowsTextAndReturnsThePressedButton) {
  TDialogHook hook;
  hook.PressButton(IDYES);
  hook.PressButton(IDNO);
  hook.PressButton(IDOK);
  EXPECT_EQ(mrYes, MessageDlg(L"Continuar?", mtConfirmation, {mbYes, mbNo}, 0));
  EXPECT_EQ(mrNo, MessageDlg(L"Continuar?", mtConfirmation, {mbYes, mbNo}, 0));
  EXPECT_EQ(mrOk, MessageDlg(L"Aviso", mtWarning, {mbOK}, 0));
  ASSERT_EQ(3u, hook.Seen().size());
  EXPECT_EQ(L"Confirm", hook.Seen()[0].Caption);
  EXPECT_TRUE(Contains(hook.Seen()[0].Texts, L"Continuar?"));
  EXPECT_EQ(L"Warning", hook.Seen()[2].Caption);
  EXPECT_TRUE(Contains(hook.Seen()[2].Texts, L"Aviso"));
}

TEST(PlatformDialogs, InputBoxHasAStaticPromptAndARealEdit) {
  TDialogHook hook;
  hook.EnterText(L"123");
  hook.PressButton(IDCANCEL);
  EXPECT_EQ(L"123", InputBox(L"Titulo", L"Valor:", L"10"));
  EXPECT_EQ(L"10", InputBox(L"Titulo", L"Valor:", L"10"));
  ASSERT_EQ(2u, hook.Seen().size());
  const auto& seen = hook.Seen()[0];
  EXPECT_EQ(L"Titulo", seen.Caption);
  EXPECT_TRUE(Contains(seen.Texts, L"Valor:"));
  ASSERT_EQ(1u, seen.Edits.size());
  EXPECT_EQ(L"10", seen.Edits[0]);
  EXPECT_TRUE(Contains(seen.Buttons, L"OK"));
}

TEST(PlatformDialogs, LongPromptWrapsInsteadOfBeingCut) {
  TDialogHook hook;
  hook.EnterText(L"x");
  String prompt(200, L'a');
  for (size_t i = 10; i < prompt.size(); i += 11) prompt[i] = L' ';
  EXPECT_EQ(L"x", InputBox(L"Titulo", prompt, L""));
  ASSERT_EQ(1u, hook.Seen().size());
  EXPECT_TRUE(Contains(hook.Seen()[0].Texts, prompt));
}

TEST(ApplicationExceptions, DefaultDialogShowsTheMessageWithAFullStop) {
  Application->SetTitle(L"Conversão");
  TScriptedDialogs dialogs;
  dialogs.Answer(mrOk);
  dialogs.Answer(mrOk);
  struct {
    const wchar_t* Thrown;
    const wchar_t* Shown;
  } cases[] = {{L"Falhou", L"Falhou."}, {L"Falhou.", L"Falhou."}};
  for (const auto& c : cases) {
    try {
      throw EConvertError(c.Thrown);
    } catch (...) {
      Application->HandleException(Application);
    }
  }
  try {
    throw EAbort(L"silent");
  } catch (...) {
    Application->HandleException(Application);
  }
  ASSERT_EQ(2u, dialogs.Messages().size());
  for (size_t i = 0; i < 2; ++i) {
    EXPECT_EQ(cases[i].Shown, dialogs.Messages()[i].Text);
    EXPECT_EQ(L"Conversão", dialogs.Messages()[i].Caption);
    EXPECT_EQ(mtError, dialogs.Messages()[i].DlgType);
  }
}

TEST(ApplicationExceptions, OnExceptionReplacesTheDialog) {
  TScriptedDialogs dialogs;
  String seen;
  Application->OnException = [&](TObject*, const Exception& E) { seen = E.Message(); };
  try {
    throw std::runtime_error("plain");
  } catch (...) {
    Application->HandleException(Application);
  }
  Application->OnException = nullptr;
  EXPECT_EQ(L"plain", seen);
  EXPECT_TRUE(dialogs.Messages().empty());
}
