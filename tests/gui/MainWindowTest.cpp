// A form shaped like the repair tool's main window, built from the
// framework's standard controls, driven through the harness and checked
// as a person would see it; a picture of it is kept as a PNG file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/guiharness/GuiDriver.h"
#include "tests/guiharness/WindowCapture.h"
#include "vcl/controls/Application.h"
#include "vcl/controls/ComCtrls.h"
#include "vcl/controls/Forms.h"
#include "vcl/controls/StdCtrls.h"

namespace {
class TMainWindowShape : public TForm {
public:
  explicit TMainWindowShape(TComponent* AOwner) : TForm(AOwner) {
    SetCaption(L"Varnolet");
    SetClientSize(450, 293);
    SetColor(cl3DLight);
    SetPosition(poScreenCenter);
    Label(L"Banco de Dados", 16, 12);
    cbxBD = Add<TComboBox>(16, 28, 160);
    cbxBD->SetStyle(csOwnerDrawVariable);
    cbxBD->Items()->SetText(L"Interbase/Firebird\nOracle\nSQL Server");
    btnAbriBD = Add<TButton>(184, 26, 80);
    btnAbriBD->SetCaption(L"Abrir B.D.");
    Label(L"Base de Dados", 16, 56);
    edtBaseDados = Edit(16, 72, 248, 0, false);
    lblSituacao = Label(L"[Fechado]", 272, 30);
    lblSituacao->Font()->SetColor(clRed);
    Label(L"Empresa", 16, 104);
    edtEmpresa = Edit(16, 120, 60, 6, true);
    Label(L"Revenda", 84, 104);
    edtRevenda = Edit(84, 120, 40, 2, true);
    Label(L"Nota Fiscal", 132, 104)->Font()->SetColor(clNavy);
    edtNota = Edit(132, 120, 100, 12, true);
    Label(L"Série", 240, 104)->Font()->SetColor(clNavy);
    edtSerie = Edit(240, 120, 60, 5, false);
    Label(L"Transação", 308, 104)->Font()->SetColor(clNavy);
    edtTransacao = Edit(308, 120, 56, 3, false);
    lblContador = Label(L"Contador", 372, 104);
    lblContador->Font()->SetColor(clNavy);
    edtContador = Edit(372, 120, 62, 5, true);
    Label(L"Data Inicial", 16, 152)->Font()->SetColor(clNavy);
    dtpInicial = Picker(16, 168);
    Label(L"à", 132, 172);
    Label(L"Data Final", 148, 152)->Font()->SetColor(clNavy);
    dtpFinal = Picker(148, 168);
    btnGerar = Add<TButton>(300, 166, 100);
    btnGerar->SetCaption(L"Executar");
    btnGerar->Font()->SetStyle({fsBold});
    btnGerar->Font()->SetColor(clBlack);
    lblInformacao = Label(L"Só é necessário preencher as datas quando for informado apenas "
                          L"Empresa/Revenda", 16, 200);
    lblInformacao->SetAutoSize(false);
    lblInformacao->SetBounds(16, 200, 418, 30);
    lblInformacao->SetAlignment(taCenter);
    lblInformacao->SetWordWrap(true);
    Teal(lblInformacao);
    Label11 = Label(L"Versão: 03/08/2022", 16, 238);
    Teal(Label11);
    Label11->Font()->SetSize(10);
    bar = Add<TStatusBar>(0, 0, 0);
    for (TWinControl* control : {static_cast<TWinControl*>(cbxBD), static_cast<TWinControl*>(btnAbriBD),
                                 static_cast<TWinControl*>(edtBaseDados), static_cast<TWinControl*>(edtEmpresa),
                                 static_cast<TWinControl*>(edtRevenda), static_cast<TWinControl*>(edtNota),
                                 static_cast<TWinControl*>(edtSerie), static_cast<TWinControl*>(edtTransacao),
                                 static_cast<TWinControl*>(btnGerar), static_cast<TWinControl*>(dtpInicial),
                                 static_cast<TWinControl*>(dtpFinal), static_cast<TWinControl*>(edtContador)})
      TabOrderList.push_back(control);
    for (size_t i = 0; i < TabOrderList.size(); ++i) TabOrderList[i]->SetTabOrder(static_cast<int>(i));
  }

  TComboBox* cbxBD;
  TButton* btnAbriBD;
  TButton* btnGerar;
  TEdit* edtBaseDados;
  TEdit* edtEmpresa;
  TEdit* edtRevenda;
  TEdit* edtNota;
  TEdit* edtSerie;
  TEdit* edtTransacao;
  TEdit* edtContador;
  TLabel* lblSituacao;
  TLabel* lblContador;
  TLabel* lblInformacao;
  TLabel* Label11;
  TDateTimePicker* dtpInicial;
  TDateTimePicker* dtpFinal;
  TStatusBar* bar;
  std::vector<TWinControl*> TabOrderList;

private:
  template <typename T>
  T* Add(int Left, int Top, int Width) {
    auto* control = new T(this);
    control->SetParent(this);
    if (Width) control->SetBounds(Left, Top, Width, control->Height());
    return control;
  }
  TLabel* Label(const String& Caption, int Left, int Top) {
    auto* label = Add<TLabel>(Left, Top, 0);
    label->SetLeft(Left);
    label->SetTop(Top);
    label->SetCaption(Caption);
    return label;
  }
  TEdit* Edit(int Left, int Top, int Width, int MaxLength, bool Digits) {
    auto* edit = Add<TEdit>(Left, Top, Width);
    edit->SetCharCase(ecUpperCase);
    edit->SetMaxLength(MaxLength);
    edit->SetNumbersOnly(Digits);
    return edit;
  }
  TDateTimePicker* Picker(int Left, int Top) {
    auto* picker = Add<TDateTimePicker>(Left, Top, 110);
    picker->SetShowCheckbox(true);
    picker->SetChecked(false);
    return picker;
  }
  static void Teal(TLabel* Label) {
    Label->Font()->SetColor(clTeal);
    Label->Font()->SetStyle({fsBold});
  }
};

struct MainWindowTest : ::testing::Test {
  TMainWindowShape* Form = new TMainWindowShape(Application);
  MainWindowTest() { Form->Show(); }
  ~MainWindowTest() override { delete Form; }

  // Whether a colour shows anywhere within a control, as captured.
  bool Shows(TWinControl* Control, TColor Color) {
    auto picture = CaptureWindow(Control);
    for (int y = 0; y < picture->Height(); ++y)
      for (int x = 0; x < picture->Width(); ++x)
        if (PixelColor(*picture, x, y) == Color) return true;
    return false;
  }
};
}  // namespace

TEST_F(MainWindowTest, WhatAPersonSeesAtFirst) {
  EXPECT_EQ(L"Varnolet", WindowText(Form->Handle()));
  EXPECT_EQ(450, Form->ClientWidth());
  EXPECT_EQ(293, Form->ClientHeight());
  EXPECT_EQ(L"[Fechado]", WindowText(Form->lblSituacao->Handle()));
  EXPECT_EQ(L"Abrir B.D.", WindowText(Form->btnAbriBD->Handle()));
  EXPECT_EQ(L"Executar", WindowText(Form->btnGerar->Handle()));
  EXPECT_EQ(L"", WindowText(Form->cbxBD->Handle()));
  EXPECT_EQ(-1, Form->cbxBD->ItemIndex());
  EXPECT_FALSE(Form->dtpInicial->Checked());
  EXPECT_FALSE(Form->dtpFinal->Checked());
  EXPECT_TRUE(Shows(Form->lblSituacao, clRed));
  EXPECT_TRUE(Shows(Form->lblContador, clNavy));
  EXPECT_TRUE(Shows(Form->Label11, clTeal));
  EXPECT_GT(Form->lblInformacao->Height(), Form->lblSituacao->Height());
  EXPECT_EQ(Form->ClientHeight(), Form->bar->Top() + Form->bar->Height());
  // Every control is a window a screen reader can read.
  for (int i = 0; i < Form->ControlCount(); ++i)
    EXPECT_NE(nullptr, dynamic_cast<TWinControl*>(Form->Controls(i)));
}

TEST_F(MainWindowTest, TabVisitsTheControlsInTheirOrder) {
  Form->cbxBD->SetFocus();
  for (size_t i = 1; i < Form->TabOrderList.size(); ++i) {
    PressKey(VK_TAB);
    EXPECT_EQ(Form->TabOrderList[i], FocusedControl()) << i;
  }
  PressKey(VK_TAB);
  EXPECT_EQ(Form->cbxBD, FocusedControl());
}

TEST_F(MainWindowTest, FillingInTheFiltersAndRunning) {
  PickItem(Form->cbxBD, 2);
  TypeText(Form->edtBaseDados, L"srv01:erp");
  TypeText(Form->edtEmpresa, L"12a34567");
  TypeText(Form->edtRevenda, L"123");
  TypeText(Form->edtSerie, L"abcdef");
  TypeText(Form->edtTransacao, L"v21x");
  ClickDateCheckBox(Form->dtpInicial);
  int runs = 0;
  Form->btnGerar->OnClick = [&](TObject*) { ++runs; };
  ClickControl(Form->btnGerar);

  EXPECT_EQ(L"SQL Server", WindowText(Form->cbxBD->Handle()));
  EXPECT_EQ(L"SRV01:ERP", Form->edtBaseDados->Text());
  EXPECT_EQ(L"123456", Form->edtEmpresa->Text());
  EXPECT_EQ(L"12", Form->edtRevenda->Text());
  EXPECT_EQ(L"ABCDE", Form->edtSerie->Text());
  EXPECT_EQ(L"V21", Form->edtTransacao->Text());
  EXPECT_TRUE(Form->dtpInicial->Checked());
  EXPECT_FALSE(Form->dtpFinal->Checked());
  EXPECT_EQ(1, runs);

  std::filesystem::create_directories("artifacts");
  auto picture = CaptureWindow(Form);
  SaveAsPng(*picture, L"artifacts\\MainWindow.png");
  std::ifstream file("artifacts/MainWindow.png", std::ios::binary);
  char signature[8] = {};
  file.read(signature, 8);
  EXPECT_EQ(std::string("\x89PNG\r\n\x1a\n", 8), std::string(signature, 8));
}
