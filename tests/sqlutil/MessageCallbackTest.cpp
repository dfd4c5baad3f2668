#include <gtest/gtest.h>

#include <memory>

#include "sqlutil/KWYUtils.h"
#include "tests/guiharness/ScriptedDialogs.h"
#include "vcl/data/DBXJSON.h"
#include "vcl/rtl/WinApi.h"

namespace {

// Answers one request through the kept callback.
String Pergunta(const String& Pedido) {
  TJSONString argumento(Pedido);
  const std::unique_ptr<TJSONValue> resposta(TMessageCallback::CreateCallback()->Execute(&argumento));
  return resposta->ToString();
}

}  // namespace

TEST(MessageCallback, AnswersEachKindWithItsDialog) {
  const struct {
    const wchar_t* Pedido;
    TMsgDlgType Tipo;
    TMsgDlgButtons Botoes;
    const wchar_t* Texto;
    TModalResult Escolha;
    const wchar_t* Resposta;
  } casos[] = {
      {L"mtWarning#$#Aviso", mtWarning, {mbOK}, L"Aviso", mrOk, L"false"},
      {L"sem separador", mtWarning, {mbOK}, L"sem separador", mrOk, L"false"},
      {L"mtInformation#$#Gravado.", mtInformation, {mbOK}, L"Gravado.", mrOk, L"false"},
      {L"mtError#$#Falhou", mtError, {mbOK}, L"Falhou", mrOk, L"false"},
      {L"mtCustom#$#Texto", mtCustom, {mbOK}, L"Texto", mrOk, L"false"},
      {L"mtConfirmation#$#Continuar?", mtConfirmation, {mbYes, mbNo}, L"Continuar?", mrYes, L"true"},
      {L"mtConfirmation#$#Continuar?", mtConfirmation, {mbYes, mbNo}, L"Continuar?", mrNo, L"false"},
      {L"mtConfirmationDLL#$#Continuar?", mtConfirmation, {mbYes, mbNo}, L"Continuar?", mrYes, L"\"SIM\""},
      {L"mtConfirmationDLL#$#Continuar?", mtConfirmation, {mbYes, mbNo}, L"Continuar?", mrNo, L"\"NAO\""},
      {L"mtError#$#veja mtInformation", mtInformation, {mbOK}, L"veja mtInformation", mrOk, L"false"},
      {L"mtWarning#$#a#$#b", mtWarning, {mbOK}, L"a#$#b", mrOk, L"false"},
  };
  for (const auto& caso : casos) {
    TScriptedDialogs dialogos;
    dialogos.Answer(caso.Escolha);
    EXPECT_EQ(Pergunta(caso.Pedido), caso.Resposta) << caso.Pedido;
    ASSERT_EQ(dialogos.Messages().size(), 1u) << caso.Pedido;
    const TMessageBoxRequest& dialogo = dialogos.Messages()[0];
    EXPECT_EQ(dialogo.DlgType, caso.Tipo) << caso.Pedido;
    EXPECT_EQ(dialogo.Buttons, caso.Botoes) << caso.Pedido;
    EXPECT_EQ(dialogo.Text, caso.Texto) << caso.Pedido;
    EXPECT_TRUE(dialogos.AllAnswered());
  }
}

TEST(MessageCallback, InputBoxAnswersWithTheText) {
  TScriptedDialogs dialogos;
  dialogos.AnswerInput(L"25");
  dialogos.CancelInput();
  dialogos.AnswerInput(L"x");
  EXPECT_EQ(Pergunta(L"InputBox#$#Titulo#$#Valor:#$#10"), L"\"25\"");
  EXPECT_EQ(Pergunta(L"InputBox#$#Titulo#$#Valor:#$#10"), L"\"10\"");
  EXPECT_EQ(Pergunta(L"InputBox#$#Titulo#$#Valor:#$#a#$#b"), L"\"x\"");
  ASSERT_EQ(dialogos.Inputs().size(), 3u);
  EXPECT_EQ(dialogos.Inputs()[0].Caption, L"Titulo");
  EXPECT_EQ(dialogos.Inputs()[0].Prompt, L"Valor:");
  EXPECT_EQ(dialogos.Inputs()[0].Default, L"10");
  EXPECT_EQ(dialogos.Inputs()[2].Default, L"a#$#b");
  EXPECT_TRUE(dialogos.Messages().empty());
}

// Pending window messages are handled before the dialog opens.
TEST(MessageCallback, PumpsMessagesBeforeTheDialog) {
  class TConfereFila : public TScriptedDialogs {
  public:
    TModalResult ShowMessageBox(const TMessageBoxRequest& Request) override {
      MSG msg;
      FilaVazia = !PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);
      return TScriptedDialogs::ShowMessageBox(Request);
    }
    bool FilaVazia = false;
  } dialogos;
  dialogos.Answer(mrOk);
  ASSERT_TRUE(PostThreadMessageW(GetCurrentThreadId(), WM_APP, 0, 0));
  Pergunta(L"mtInformation#$#Oi");
  EXPECT_TRUE(dialogos.FilaVazia);
}
