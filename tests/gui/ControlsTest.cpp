// Controls on real windows: creation, texts, focus and tab order, input
// events, painting, errors on controls without a window.
#include <gtest/gtest.h>

#include "tests/guiharness/FormFixture.h"
#include "tests/guiharness/GuiDriver.h"
#include "tests/guiharness/ScriptedDialogs.h"
#include "tests/guiharness/WindowCapture.h"
#include "vcl/controls/Application.h"
#include "vcl/controls/Forms.h"
#include "vcl/controls/StdCtrls.h"

namespace {
String ClassOf(HWND Window) {
  wchar_t name[64];
  return String(name, GetClassNameW(Window, name, 64));
}

// A control that paints its client area in one colour.
class TSwatch : public TCustomControl {
public:
  using TCustomControl::TCustomControl;
  TColor Fill = clRed;

protected:
  void Paint() override {
    Canvas()->Brush()->SetColor(Fill);
    Canvas()->FillRect(ClientRect());
  }
};

class TGraphicSwatch : public TGraphicControl {
public:
  using TGraphicControl::TGraphicControl;

protected:
  void Paint() override {
    Canvas()->Brush()->SetColor(clBlue);
    Canvas()->FillRect(Rect(0, 0, Width(), Height()));
  }
};
}  // namespace

TEST_F(FormFixture, ChildrenAreStandardWindowsThatReportTheirText) {
  auto* label = Add<TLabel>(8, 8);
  label->SetCaption(L"Banco de Dados");
  auto* edit = Add<TEdit>(8, 30);
  edit->SetText(L"ERP");
  auto* button = Add<TButton>(8, 60);
  button->SetCaption(L"Executar");
  Form->SetCaption(L"Varnolet");
  Form->Show();
  EXPECT_EQ(L"Static", ClassOf(label->Handle()));
  EXPECT_EQ(L"Edit", ClassOf(edit->Handle()));
  EXPECT_EQ(L"Button", ClassOf(button->Handle()));
  EXPECT_EQ(Form->Handle(), GetParent(edit->Handle()));
  EXPECT_EQ(L"Banco de Dados", WindowText(label->Handle()));
  EXPECT_EQ(L"ERP", WindowText(edit->Handle()));
  EXPECT_EQ(L"Executar", WindowText(button->Handle()));
  EXPECT_EQ(L"Varnolet", WindowText(Form->Handle()));
}

TEST_F(FormFixture, ControlsWithoutAWindowRaiseClearErrors) {
  auto* loose = new TEdit(Form);
  loose->SetName(L"edtSolto");
  try {
    loose->Handle();
    FAIL() << "no error";
  } catch (const EInvalidOperation& e) {
    EXPECT_NE(String::npos, e.Message().find(L"edtSolto"));
    EXPECT_NE(String::npos, e.Message().find(L"parent"));
  }
  EXPECT_THROW(loose->SetFocus(), EInvalidOperation);

  auto* edit = Add<TEdit>(8, 8);
  Form->Show();
  DestroyWindow(edit->Handle());
  EXPECT_THROW(edit->Handle(), EInvalidOperation);
  EXPECT_FALSE(edit->HandleAllocated());
}

TEST_F(FormFixture, ExceptionInAHandlerReachesTheDefaultDialogAndTheFormStaysUsable) {
  TScriptedDialogs dialogs;
  dialogs.Answer(mrOk);
  auto* button = Add<TButton>(8, 8);
  int clicks = 0;
  button->OnClick = [&](TObject*) {
    if (++clicks == 1) throw EConvertError(L"'x' is not a valid integer value");
  };
  Form->Show();
  ClickControl(button);
  ClickControl(button);
  EXPECT_EQ(2, clicks);
  ASSERT_EQ(1u, dialogs.Messages().size());
  EXPECT_EQ(L"'x' is not a valid integer value.", dialogs.Messages()[0].Text);
  EXPECT_EQ(mtError, dialogs.Messages()[0].DlgType);
}

TEST_F(FormFixture, TabMovesTheFocusInTabOrder) {
  auto* first = Add<TEdit>(8, 8);
  auto* second = Add<TEdit>(8, 40);
  auto* third = Add<TButton>(8, 70);
  auto* label = Add<TLabel>(8, 100);  // never takes the focus
  third->SetTabOrder(0);              // third, first, second
  Form->Show();
  third->SetFocus();
  PressKey(VK_TAB);
  EXPECT_EQ(first, FocusedControl());
  PressKey(VK_TAB);
  EXPECT_EQ(second, FocusedControl());
  PressKey(VK_TAB);
  EXPECT_EQ(third, FocusedControl());
  PressKey(VK_TAB, true);
  EXPECT_EQ(second, FocusedControl());
  EXPECT_EQ(second, Form->ActiveControl());
  EXPECT_NE(label, FocusedControl());
}

TEST_F(FormFixture, PaintingThroughCanvasesShowsOnScreen) {
  Form->SetBounds(0, 0, 200, 150);
  Form->SetColor(clWhite);
  auto* swatch = Add<TSwatch>(10, 10);
  swatch->SetBounds(10, 10, 30, 30);
  auto* graphic = Add<TGraphicSwatch>(60, 10);
  graphic->SetBounds(60, 10, 30, 30);
  Form->Show();
  auto picture = CaptureWindow(Form);
  TPoint client = Form->ClientToScreen(Point(0, 0));
  int dx = client.X - Form->Left();
  int dy = client.Y - Form->Top();
  EXPECT_EQ(clRed, PixelColor(*picture, dx + 25, dy + 25));
  EXPECT_EQ(clBlue, PixelColor(*picture, dx + 75, dy + 25));
  EXPECT_EQ(clWhite, PixelColor(*picture, dx + 120, dy + 80));
}

TEST_F(FormFixture, GraphicChildrenGetTheirClicksThroughTheParent) {
  auto* graphic = Add<TGraphicSwatch>(40, 40);
  graphic->SetBounds(40, 40, 20, 20);
  int clicks = 0;
  graphic->OnClick = [&](TObject*) { ++clicks; };
  int formClicks = 0;
  Form->OnClick = [&](TObject*) { ++formClicks; };
  Form->Show();
  ClickControl(graphic);
  ClickAt(Form, Point(5, 5));
  EXPECT_EQ(1, clicks);
  EXPECT_EQ(1, formClicks);
}

TEST_F(FormFixture, ReplacingWindowProcSeesEveryMessageFirst) {
  auto* edit = Add<TEdit>(8, 8);
  TWndMethod original = edit->WindowProc;
  std::vector<UINT> seen;
  edit->WindowProc = [&](TMessage& Message) {
    seen.push_back(Message.Msg);
    if (Message.Msg == WM_CHAR && Message.WParam == L'x') return;  // swallowed
    original(Message);
  };
  Form->Show();
  TypeText(edit, L"axb");
  EXPECT_EQ(L"ab", edit->Text());
  EXPECT_NE(seen.end(), std::find(seen.begin(), seen.end(), static_cast<UINT>(WM_SETFOCUS)));
  edit->WindowProc = original;
}

TEST_F(FormFixture, TabInAWindowTheFormOnlyOwnsStaysThere) {
  Add<TEdit>(8, 8);
  Add<TEdit>(8, 40);
  Form->Show();
  HWND popup = CreateWindowExW(0, L"EDIT", L"", WS_POPUP | WS_VISIBLE, 0, 0, 50, 20, Form->Handle(),
                               nullptr, GetModuleHandleW(nullptr), nullptr);
  SetFocus(popup);
  PressKey(VK_TAB);
  EXPECT_EQ(popup, GetFocus());
  DestroyWindow(popup);
}
