#include <gtest/gtest.h>

#include <filesystem>

#include "app/UAplicacaoLibrary.h"
#include "sqlutil/KWYUtils.h"
#include "tests/app/Ambiente.h"
#include "tests/guiharness/GuiDriver.h"
#include "tests/guiharness/WindowCapture.h"
#include "vcl/controls/Application.h"
#include "vcl/controls/ComCtrls.h"
#include "vcl/controls/StdCtrls.h"
#include "vcl/data/SqlExpr.h"
#include "vcl/rtl/Strings.h"

namespace {

std::vector<String> Linhas(const TStrings& Lista) {
  std::vector<String> linhas;
  for (int i = 0; i < Lista.Count(); ++i) linhas.push_back(Lista.Strings(i));
  return linhas;
}

// The controls Tab visits, in their order.
std::vector<TWinControl*> OrdemDeTabulacao(const TForm1& Janela) {
  return {Janela.cbxBD,      Janela.btnAbriBD,  Janela.edtBaseDados, Janela.edtEmpresa,
          Janela.edtRevenda, Janela.edtNota,    Janela.edtSerie,     Janela.edtTransacao,
          Janela.btnGerar,   Janela.dtpInicial, Janela.dtpFinal,     Janela.edtContador};
}

// Whether a colour shows anywhere within a control, as captured.
bool Mostra(TWinControl* Controle, TColor Cor) {
  auto imagem = CaptureWindow(Controle);
  for (int y = 0; y < imagem->Height(); ++y)
    for (int x = 0; x < imagem->Width(); ++x)
      if (PixelColor(*imagem, x, y) == Cor) return true;
  return false;
}

}  // namespace

TEST(Janela, ComponentsCaptionsLimitsAndTabOrderAreTheFormDescriptions) {
  TPastaDeTrabalho pasta;
  TJanelaDeTeste janela;
  EXPECT_EQ(janela->Caption(), L"Varnolet");
  EXPECT_EQ(janela->ClientWidth(), 450);
  EXPECT_EQ(janela->ClientHeight(), 293);
  EXPECT_EQ(janela->Color(), cl3DLight);
  const struct {
    const wchar_t* Nome;
    const wchar_t* Texto;
  } rotulos[] = {
      {L"Label1", L"Banco de Dados"},
      {L"btnAbriBD", L"Abrir B.D."},
      {L"btnGerar", L"Executar"},
      {L"Label4", L"Base de Dados"},
      {L"lblSituacao", L"[Fechado]"},
      {L"Label2", L"Nota Fiscal"},
      {L"Label3", L"Empresa"},
      {L"Label5", L"Revenda"},
      {L"Label6", L"Série"},
      {L"Label7", L"Transação"},
      {L"Label8", L"à"},
      {L"Label9", L"Data Inicial"},
      {L"Label10", L"Data Final"},
      {L"Label11", L"Versão: 03/08/2022"},
      {L"lblInformacao",
       L"Só é necessário preencher as datas quando for informado apenas Empresa/Revenda"},
      {L"lblContador", L"Contador"}};
  for (const auto& r : rotulos) {
    auto* controle = dynamic_cast<TWinControl*>(janela->FindComponent(r.Nome));
    ASSERT_NE(controle, nullptr) << ToUtf8(r.Nome);
    EXPECT_EQ(WindowText(controle->Handle()), r.Texto);
  }
  EXPECT_EQ(Linhas(*janela->cbxBD->Items()),
            (std::vector<String>{L"Interbase/Firebird", L"Oracle", L"SQL Server"}));
  EXPECT_EQ(janela->cbxBD->Style(), csOwnerDrawVariable);
  const struct {
    TEdit* Edicao;
    int Limite;
    bool SoNumeros;
  } edicoes[] = {{janela->edtBaseDados, 0, false}, {janela->edtNota, 12, true},
                 {janela->edtEmpresa, 6, true},    {janela->edtRevenda, 2, true},
                 {janela->edtSerie, 5, false},     {janela->edtTransacao, 3, false},
                 {janela->edtContador, 5, true}};
  for (const auto& e : edicoes) {
    EXPECT_EQ(e.Edicao->CharCase(), ecUpperCase) << ToUtf8(e.Edicao->Name());
    EXPECT_EQ(e.Edicao->MaxLength(), e.Limite) << ToUtf8(e.Edicao->Name());
    EXPECT_EQ(e.Edicao->NumbersOnly(), e.SoNumeros) << ToUtf8(e.Edicao->Name());
  }
  for (TDateTimePicker* data : {janela->dtpInicial, janela->dtpFinal}) {
    EXPECT_TRUE(data->ShowCheckbox());
    EXPECT_FALSE(data->Checked());
  }
  std::vector<TWinControl*> ordem;
  janela->GetTabOrderList(ordem);
  std::vector<TWinControl*> comFoco;
  for (TWinControl* c : ordem)
    if (c->TabStop()) comFoco.push_back(c);
  EXPECT_EQ(comFoco, OrdemDeTabulacao(*janela));
}

// The window as a person uses it: Tab goes round the controls in their
// order, each edit filters what is typed, and the labels show their
// colours. A picture of it is kept as a PNG file.
TEST(Janela, TabTypingAndColoursAsAPersonMeetsThem) {
  const auto artefatos = std::filesystem::current_path() / "artifacts";
  TPastaDeTrabalho pasta;
  TJanelaDeTeste janela;
  const std::vector<TWinControl*> ordem = OrdemDeTabulacao(*janela);
  janela->cbxBD->SetFocus();
  for (size_t i = 1; i <= ordem.size(); ++i) {
    PressKey(VK_TAB);
    EXPECT_EQ(FocusedControl(), ordem[i % ordem.size()]) << i;
  }

  PickItem(janela->cbxBD, 2);
  const struct {
    TEdit* Edicao;
    const wchar_t* Digitado;
    const wchar_t* Texto;
  } digitacoes[] = {{janela->edtBaseDados, L"base.fdb", L"BASE.FDB"},
                    {janela->edtEmpresa, L"12a34567", L"123456"},
                    {janela->edtRevenda, L"123", L"12"},
                    {janela->edtSerie, L"abcdef", L"ABCDE"},
                    {janela->edtTransacao, L"v21x", L"V21"}};
  for (const auto& d : digitacoes) {
    TypeText(d.Edicao, d.Digitado);
    EXPECT_EQ(d.Edicao->Text(), d.Texto) << ToUtf8(d.Edicao->Name());
  }
  ClickDateCheckBox(janela->dtpInicial);
  EXPECT_EQ(WindowText(janela->cbxBD->Handle()), L"SQL Server");
  EXPECT_TRUE(janela->dtpInicial->Checked());
  EXPECT_FALSE(janela->dtpFinal->Checked());

  EXPECT_TRUE(Mostra(janela->lblSituacao, clRed));
  EXPECT_TRUE(Mostra(janela->lblContador, clNavy));
  EXPECT_TRUE(Mostra(janela->Label11, clTeal));
  std::filesystem::create_directories(artefatos);
  SaveAsPng(*CaptureWindow(&*janela), (artefatos / "MainWindow.png").wstring());
  EXPECT_TRUE(std::filesystem::file_size(artefatos / "MainWindow.png") > 0);
}

TEST(Janela, WithoutConnectionFileTheCreationDefaultsStay) {
  TPastaDeTrabalho pasta;
  TJanelaDeTeste janela;
  EXPECT_EQ(janela->cbxBD->ItemIndex(), -1);
  EXPECT_EQ(janela->edtBaseDados->Text(), L"");
  EXPECT_EQ(janela->sPvUsuarioOracle, L"KWY");
  EXPECT_EQ(janela->SenhadoBanco, L"brisanoturn");
  EXPECT_TRUE(janela->UsuarioPadraoFirebird);
  ASSERT_NE(janela->Aplicacao, nullptr);
  EXPECT_EQ(janela->Aplicacao->Owner(), Application);
}
