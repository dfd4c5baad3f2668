// Forms: their events, modal showing with a result, placement, closing,
// and the screen's cursor and active form.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/guiharness/GuiDriver.h"
#include "tests/guiharness/WindowCapture.h"
#include "tests/guiharness/ScriptedDialogs.h"
#include "vcl/controls/Application.h"
#include "vcl/controls/Forms.h"
#include "vcl/controls/StdCtrls.h"
#include "vcl/graphics/Icon.h"

namespace {
// A form that builds its controls in its constructor, as the program's
// forms do.
class TAskForm : public TForm {
public:
  explicit TAskForm(TComponent* AOwner) : TForm(AOwner) {
    OK = new TButton(this);
    OK->SetParent(this);
    OK->SetModalResult(mrOk);
    OnCreate = [this](TObject*) { Events += L"create;"; };
    OnShow = [this](TObject*) { Events += L"show;"; };
    OnClose = [this](TObject*, TCloseAction& Action) {
      Events += L"close;";
      Action = NextCloseAction;
      NextCloseAction = caHide;
    };
  }
  TButton* OK;
  String Events;
  TCloseAction NextCloseAction = caHide;
};

void PostClick(TWinControl* Control) {
  LPARAM at = MAKELPARAM(Control->Width() / 2, Control->Height() / 2);
  PostMessageW(Control->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageW(Control->Handle(), WM_LBUTTONUP, 0, at);
}
}  // namespace

TEST(Forms, ModalFormReturnsTheResultOfTheButtonThatClosedIt) {
  auto* form = new TAskForm(Application);
  form->AfterConstruction();
  auto* other = new TForm(Application);
  other->Show();
  form->HandleNeeded();
  PostClick(form->OK);  // handled inside the modal loop
  bool otherDisabledMeanwhile = false;
  form->OnShow = [&](TObject*) { otherDisabledMeanwhile = !IsWindowEnabled(other->Handle()); };
  EXPECT_EQ(mrOk, form->ShowModal());
  EXPECT_TRUE(otherDisabledMeanwhile);
  EXPECT_TRUE(IsWindowEnabled(other->Handle()));
  EXPECT_FALSE(form->Visible());
  EXPECT_EQ(L"create;close;", form->Events);
  delete other;
  delete form;
}

TEST(Forms, ClosingAModalFormCancelsAndOnCloseCanKeepItOpen) {
  auto* form = new TAskForm(Application);
  form->HandleNeeded();
  form->NextCloseAction = caNone;
  PostMessageW(form->Handle(), WM_CLOSE, 0, 0);  // refused by OnClose
  PostClick(form->OK);                            // accepted
  EXPECT_EQ(mrOk, form->ShowModal());
  EXPECT_EQ(L"show;close;close;", form->Events);
  PostMessageW(form->Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(mrCancel, form->ShowModal());
  delete form;
}

TEST(Forms, ShowingAVisibleFormModallyIsRefused) {
  TForm form(Application);
  form.Show();
  EXPECT_THROW(form.ShowModal(), EInvalidOperation);
}

TEST(Forms, CentredFormGetsItsClientSizeAndCaption) {
  TForm form(Application);
  form.SetCaption(L"Varnolet");
  form.SetClientSize(450, 293);
  form.SetPosition(poScreenCenter);
  form.SetColor(cl3DLight);
  form.Show();
  RECT client;
  GetClientRect(form.Handle(), &client);
  EXPECT_EQ(450, client.right);
  EXPECT_EQ(293, client.bottom);
  EXPECT_EQ((Screen->Width() - form.Width()) / 2, form.Left());
  EXPECT_EQ((Screen->Height() - form.Height()) / 2, form.Top());
  EXPECT_EQ(L"Varnolet", WindowText(form.Handle()));
  EXPECT_EQ(&form, Screen->ActiveForm());
}

TEST(Forms, ExceptionInOnShowIsShownAndTheFormStillOpens) {
  TScriptedDialogs dialogs;
  dialogs.Answer(mrOk);
  TForm form(Application);
  auto* edit = new TEdit(&form);
  edit->SetParent(&form);
  form.OnShow = [](TObject*) { throw EInOutError(L"I/O error 5"); };
  form.Show();
  ASSERT_EQ(1u, dialogs.Messages().size());
  EXPECT_EQ(L"I/O error 5.", dialogs.Messages()[0].Text);
  EXPECT_TRUE(IsWindowVisible(form.Handle()));
  TypeText(edit, L"ok");
  EXPECT_EQ(L"ok", edit->Text());
}

TEST(Forms, ReleaseFreesTheFormLaterAndFreedControlsAreForgotten) {
  auto* form = new TForm(Application);
  auto* edit = new TEdit(form);
  edit->SetParent(form);
  form->Show();
  edit->SetFocus();
  EXPECT_EQ(edit, form->ActiveControl());
  delete edit;
  EXPECT_EQ(nullptr, form->ActiveControl());
  int forms = Screen->FormCount();
  HWND window = form->Handle();
  form->Release();
  EXPECT_TRUE(IsWindow(window));
  ProcessPendingMessages();
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(forms - 1, Screen->FormCount());
}

TEST(Screen, HourGlassCursorAndBack) {
  Screen->SetCursor(crHourGlass);
  EXPECT_EQ(LoadCursorW(nullptr, IDC_WAIT), GetCursor());
  Screen->SetCursor(crDefault);
  EXPECT_EQ(LoadCursorW(nullptr, IDC_ARROW), GetCursor());
  EXPECT_EQ(crDefault, Screen->Cursor());
}

TEST(Screen, RegisteredCursorsAndTheScreenCursorOverControls) {
  HCURSOR own = CopyCursor(LoadCursorW(nullptr, IDC_CROSS));
  Screen->SetCursors(2100, own);
  EXPECT_EQ(own, Screen->Cursors(2100));
  EXPECT_EQ(LoadCursorW(nullptr, IDC_ARROW), Screen->Cursors(1999));
  TForm form(Application);
  auto* edit = new TEdit(&form);
  edit->SetParent(&form);
  edit->SetCursor(2100);
  form.Show();
  auto setCursor = [&] {
    SendMessageW(edit->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(edit->Handle()),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return GetCursor();
  };
  EXPECT_EQ(own, setCursor());
  Screen->SetCursor(crHourGlass);
  EXPECT_EQ(LoadCursorW(nullptr, IDC_WAIT), setCursor());
  Screen->SetCursor(crDefault);
}

TEST(Screen, TheDragCursorsShowAnArrowOverOnePageOrAStack) {
  HCURSOR drag = Screen->Cursors(crDrag), multiDrag = Screen->Cursors(crMultiDrag);
  ASSERT_TRUE(drag && multiDrag);
  EXPECT_NE(drag, multiDrag);
  EXPECT_NE(LoadCursorW(nullptr, IDC_ARROW), drag);

  // Both side by side on a grey sheet, at twice their size.
  TBitmap sheet(2 * 64 + 8, 64 + 8);
  sheet.SetPixelFormat(pf32bit);
  sheet.Canvas()->Brush()->SetColor(clGray);
  sheet.Canvas()->FillRect(TRect(0, 0, sheet.Width(), sheet.Height()));
  for (int i = 0; i < 2; ++i)
    DrawIconEx(sheet.Canvas()->Handle(), 4 + i * 64, 4, i == 0 ? drag : multiDrag, 64, 64, 0, nullptr, DI_NORMAL);
  std::filesystem::create_directories("artifacts");
  SaveAsPng(sheet, L"artifacts\\DragCursors.png");

  const struct {
    const char* What;
    int X, Y;
    TColor Single, Multiple;
  } pixels[] = {
      {"the arrow's tip", 0, 0, clBlack, clBlack},
      {"inside the arrow", 1, 4, clWhite, clWhite},
      {"beside the arrow", 8, 2, clGray, clGray},
      {"the front page's corner", 19, 27, clBlack, clBlack},
      {"inside the front page", 13, 26, clWhite, clWhite},
      {"the back page's corner", 23, 14, clGray, clBlack},
  };
  for (const auto& p : pixels) {
    EXPECT_EQ(p.Single, PixelColor(sheet, 4 + 2 * p.X, 4 + 2 * p.Y)) << "crDrag: " << p.What;
    EXPECT_EQ(p.Multiple, PixelColor(sheet, 68 + 2 * p.X, 4 + 2 * p.Y)) << "crMultiDrag: " << p.What;
  }
}

TEST(Screen, ACursorUnderSeveralIndexesLivesWhileOneHoldsIt) {
  HCURSOR drag = Screen->Cursors(crDrag);
  Screen->SetCursors(2200, drag);
  Screen->SetCursors(2200, CopyCursor(LoadCursorW(nullptr, IDC_CROSS)));
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(drag, &info)) << "crDrag still holds it";
  DeleteObject(info.hbmMask);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  EXPECT_EQ(drag, Screen->Cursors(crDrag));
}

TEST(Screen, ALoadedCursorIsMadeOnFirstAskOnlyAndCanBeReplaced) {
  int made = 0;
  Screen->SetCursorLoader(2201, [&] {
    ++made;
    return CopyCursor(LoadCursorW(nullptr, IDC_CROSS));
  });
  EXPECT_EQ(0, made) << "registering makes nothing";
  const HCURSOR first = Screen->Cursors(2201);
  ASSERT_NE(nullptr, first);
  EXPECT_EQ(first, Screen->Cursors(2201));
  EXPECT_EQ(1, made);

  // A new loader replaces the cursor made, which goes when nothing holds it.
  Screen->SetCursorLoader(2201, [&] {
    ++made;
    return CopyCursor(LoadCursorW(nullptr, IDC_HAND));
  });
  ICONINFO info{};
  EXPECT_FALSE(GetIconInfo(first, &info)) << "the replaced cursor is destroyed";
  EXPECT_NE(nullptr, Screen->Cursors(2201));
  EXPECT_EQ(2, made);

  // A cursor set directly replaces a loader that has not run.
  HCURSOR own = CopyCursor(LoadCursorW(nullptr, IDC_CROSS));
  Screen->SetCursorLoader(2202, [&] {
    ++made;
    return CopyCursor(LoadCursorW(nullptr, IDC_HAND));
  });
  Screen->SetCursors(2202, own);
  EXPECT_EQ(own, Screen->Cursors(2202));
  EXPECT_EQ(2, made);

  // A loader that makes nothing leaves the index to the platform's cursor
  // (or the arrow), and is not asked again.
  const struct {
    TCursor Index;
    const wchar_t* Expected;
  } failing[] = {{2203, IDC_ARROW}, {crCross, IDC_CROSS}};
  for (const auto& f : failing) {
    Screen->SetCursorLoader(f.Index, [&] {
      ++made;
      return HCURSOR(nullptr);
    });
    EXPECT_EQ(LoadCursorW(nullptr, f.Expected), Screen->Cursors(f.Index)) << f.Index;
    EXPECT_EQ(LoadCursorW(nullptr, f.Expected), Screen->Cursors(f.Index)) << f.Index;
  }
  EXPECT_EQ(4, made);
}

TEST(ApplicationRun, MainFormRunsTheLoopUntilItCloses) {
  // An application of the test's own, so that ending its loop leaves the
  // program's application as it was.
  TApplication* programApplication = Application;
  TApplication application(nullptr);
  Application = &application;
  struct TRestore {
    TApplication* Saved;
    ~TRestore() { Application = Saved; }
  } restore{programApplication};

  application.Icon()->LoadFromResourceName(GetModuleHandleW(nullptr), L"Icon_1");
  EXPECT_EQ(16, application.Icon()->Width());
  TAskForm* mainForm;
  application.CreateForm(mainForm);
  TAskForm* second;
  application.CreateForm(second);
  EXPECT_EQ(mainForm, application.MainForm());
  EXPECT_EQ(L"create;", second->Events);
  EXPECT_EQ(application.Icon()->Handle(),
            reinterpret_cast<HICON>(SendMessageW(mainForm->Handle(), WM_GETICON, ICON_BIG, 0)));
  PostMessageW(mainForm->Handle(), WM_CLOSE, 0, 0);
  application.Run();
  EXPECT_TRUE(application.Terminated());
  EXPECT_EQ(L"create;show;close;", mainForm->Events);
}
