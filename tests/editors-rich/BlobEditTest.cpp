// A real blob edit on a form: what the closed edit shows for each kind and
// paint style, the memo and picture popups opened and closed every way a
// person closes them (the stored value written back only by OK, or by any
// close but Cancel with AlwaysSaveData), the buttons of a read-only popup,
// typing into the closed edit, unreadable stored pictures, streaming, and
// the sheet of the closed edits and open popups in every look.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "components/editors-basic/cxButtons.h"
#include "components/editors-rich/cxBlobEdit.h"
#include "tests/editors-rich/CalendarFixture.h"
#include "tests/editors/DropDownFixture.h"
#include "tests/guiharness/WindowCapture.h"
#include "vcl/classes/Filer.h"
#include "vcl/rtl/Streams.h"

namespace {

TPoint Center(const TRect& R) { return TPoint((R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2); }

Variant BitmapBlob(int AWidth, int AHeight, TColor AColor) {
  TPicture picture;
  TBitmap bitmap;
  bitmap.SetSize(AWidth, AHeight);
  bitmap.Canvas()->Brush()->SetColor(AColor);
  bitmap.Canvas()->FillRect(TRect(0, 0, AWidth, AHeight));
  picture.Assign(&bitmap);
  return cxSavePictureToBlob(&picture);
}

void TypeIntoFocus(const String& AText) {
  for (wchar_t ch : AText) SendMessageW(GetFocus(), WM_CHAR, ch, 1);
}

// A key as the system sends it, with these modifiers held.
void PressWith(WORD AKey, std::initializer_list<BYTE> AModifiers) {
  BYTE keys[256];
  GetKeyboardState(keys);
  BYTE saved[256];
  std::copy(std::begin(keys), std::end(keys), saved);
  for (BYTE modifier : AModifiers) keys[modifier] = 0x80;
  SetKeyboardState(keys);
  const bool alt = std::find(AModifiers.begin(), AModifiers.end(), VK_MENU) != AModifiers.end();
  SendMessageW(GetFocus(), alt ? WM_SYSKEYDOWN : WM_KEYDOWN, AKey, alt ? 0x20000001 : 1);
  SendMessageW(GetFocus(), alt ? WM_SYSKEYUP : WM_KEYUP, AKey, alt ? 0xE0000001 : 0xC0000001);
  SetKeyboardState(saved);
}

struct BlobEdit : DropDownFixture {
  TcxBlobEdit* AddBlobEdit(TcxBlobEditKind AKind, const Variant& AValue = Null()) {
    auto* edit = AddEdit<TcxBlobEdit>();
    edit->Properties()->SetBlobEditKind(AKind);
    edit->SetEditValue(AValue);
    return edit;
  }
  // Opens the popup; AWhileOpen runs once it shows (its own message loop
  // runs until it closes) and has to close it.
  static void OpenAndRun(TcxBlobEdit* AEdit, const std::function<void()>& AWhileOpen) {
    AEdit->Properties()->OnPopup = [AWhileOpen](TObject*) { AWhileOpen(); };
    AEdit->SetDroppedDown(true);
    ProcessPendingMessages();
    AEdit->Properties()->OnPopup = nullptr;
  }
};

// ---------------------------------------------------------------- the closed edit

TEST_F(BlobEdit, TheClosedEditShowsAWordTheFirstLineOrAKindIcon) {
  const Variant twoLines(String(L"First line\r\nSecond line"));
  const Variant picture = BitmapBlob(4, 4, clRed);
  struct TCase {
    const char* Name;
    TcxBlobEditKind Kind;
    TcxBlobPaintStyle Style;
    Variant Value;
    const wchar_t* Text;
    int ImageIndex;
  } cases[] = {
      {"memo word, null", bekMemo, TcxBlobPaintStyle::bpsDefault, Null(), L"(memo)", -1},
      {"memo word, text", bekMemo, TcxBlobPaintStyle::bpsDefault, twoLines, L"(MEMO)", -1},
      {"memo text", bekMemo, TcxBlobPaintStyle::bpsText, twoLines, L"First line", -1},
      {"memo icon, null", bekMemo, TcxBlobPaintStyle::bpsIcon, Null(), L"", 2},
      {"memo icon, empty", bekMemo, TcxBlobPaintStyle::bpsIcon, Variant(String()), L"", 2},
      {"memo icon, text", bekMemo, TcxBlobPaintStyle::bpsIcon, twoLines, L"", 3},
      {"picture word, null", bekPict, TcxBlobPaintStyle::bpsDefault, Null(), L"(picture)", -1},
      {"picture word", bekPict, TcxBlobPaintStyle::bpsDefault, picture, L"(PICTURE)", -1},
      {"picture text", bekPict, TcxBlobPaintStyle::bpsText, picture, L"", -1},
      {"picture icon, null", bekPict, TcxBlobPaintStyle::bpsIcon, Null(), L"", 4},
      {"picture icon", bekPict, TcxBlobPaintStyle::bpsIcon, picture, L"", 5},
      {"ole icon", bekOle, TcxBlobPaintStyle::bpsIcon, picture, L"", 7},
      {"blob icon, null", bekBlob, TcxBlobPaintStyle::bpsIcon, Null(), L"", 0},
      {"blob word", bekBlob, TcxBlobPaintStyle::bpsDefault, picture, L"", -1},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TcxBlobEdit* edit = AddBlobEdit(c.Kind, c.Value);
    edit->Properties()->SetBlobPaintStyle(c.Style);
    ProcessPendingMessages();
    auto* viewInfo = static_cast<TcxBlobEditViewInfo*>(edit->ViewInfo());
    EXPECT_EQ(viewInfo->Text, c.Text);
    EXPECT_EQ(viewInfo->ImageIndex, c.ImageIndex);
    if (c.ImageIndex != -1) {
      EXPECT_EQ(viewInfo->IconRect.Width(), 16);
      EXPECT_EQ(viewInfo->IconRect.Height(), 13);
      EXPECT_LE(std::abs(Center(viewInfo->IconRect).X - Center(viewInfo->ClientRect).X), 1);
      EXPECT_LE(std::abs(Center(viewInfo->IconRect).Y - Center(viewInfo->ClientRect).Y), 1);
    }
    delete edit;
  }
}

TEST_F(BlobEdit, TheIconIsDrawnInTheMiddleOfTheEdit) {
  TcxBlobEdit* edit = AddBlobEdit(bekMemo, Variant(String(L"text")));
  ProcessPendingMessages();
  auto* viewInfo = static_cast<TcxBlobEditViewInfo*>(edit->ViewInfo());
  std::unique_ptr<TBitmap> picture = CaptureWindow(edit);
  // The filled memo icon's blue text rows, where the empty look has none.
  const TRect& icon = viewInfo->IconRect;
  EXPECT_EQ(PixelColor(*picture, icon.Left + 6, icon.Top + 3), static_cast<TColor>(0xA00000));
  edit->SetEditValue(Null());
  ProcessPendingMessages();
  picture = CaptureWindow(edit);
  EXPECT_NE(PixelColor(*picture, icon.Left + 6, icon.Top + 3), static_cast<TColor>(0xA00000));
}

TEST_F(BlobEdit, DisplayTextsComparisonAndTheDropDownButtonFollowTheKind) {
  TcxBlobEditProperties properties(nullptr);
  EXPECT_EQ(properties.Buttons()->Items(0)->Kind(), bkDown);
  const struct {
    TcxBlobEditKind Kind;
    TcxEditButtonKind Button;
    const wchar_t* Text;
  } kinds[] = {{bekMemo, bkDown, L"(MEMO)"},
               {bekPict, bkDown, L"(PICTURE)"},
               {bekOle, bkEllipsis, L"OLE"},
               {bekBlob, bkEllipsis, L"BLOB"}};
  properties.SetBlobPaintStyle(TcxBlobPaintStyle::bpsDefault);
  for (const auto& k : kinds) {
    properties.SetBlobEditKind(k.Kind);
    EXPECT_EQ(properties.Buttons()->Items(0)->Kind(), k.Button);
    EXPECT_EQ(properties.GetDisplayText(Variant(String(L"x"))), k.Text);
    EXPECT_EQ(properties.GetDisplayText(Null()), L"");
  }
  properties.SetBlobEditKind(bekMemo);
  EXPECT_EQ(properties.GetDisplayText(Variant(String(L"a\r\nb")), true), L"a\r\nb");
  const Variant a(String(L"a")), upperA(String(L"A"));
  EXPECT_FALSE(properties.CompareDisplayValues(a, a));  // only shown as text
  properties.SetBlobPaintStyle(TcxBlobPaintStyle::bpsText);
  EXPECT_TRUE(properties.CompareDisplayValues(a, a));
  EXPECT_FALSE(properties.CompareDisplayValues(a, upperA));
  EXPECT_FALSE(properties.CompareDisplayValues(a, Null()));
}

TEST_F(BlobEdit, OleAndRawDataOpenNoPopup) {
  for (TcxBlobEditKind kind : {bekOle, bekBlob}) {
    TcxBlobEdit* edit = AddBlobEdit(kind, Variant(String(L"data")));
    Focus(edit);
    Do(edit, TGesture::F4);
    EXPECT_FALSE(edit->DroppedDown());
    EXPECT_EQ(edit->Storage(), nullptr);
    delete edit;
  }
}

// ---------------------------------------------------------------- closing the memo popup

enum class TClose { OkButton, CancelButton, Escape, F4, AltDown, CtrlEnter, PressElsewhere };

TEST_F(BlobEdit, OnlyOkOrAnyCloseButCancelWithAlwaysSaveDataWritesTheMemoBack) {
  // The press elsewhere lands beside the popup, not under it.
  Other->SetLeft(280);
  struct TCase {
    const char* Name;
    TClose Close;
    bool AlwaysSaveData;
    bool Saved;
  } cases[] = {
      {"OK", TClose::OkButton, false, true},
      {"Cancel", TClose::CancelButton, true, false},
      {"Escape", TClose::Escape, true, false},
      {"F4, always save", TClose::F4, true, true},
      {"F4", TClose::F4, false, false},
      {"Alt+Down, always save", TClose::AltDown, true, true},
      {"Alt+Down", TClose::AltDown, false, false},
      {"Ctrl+Enter", TClose::CtrlEnter, false, true},
      {"press elsewhere, always save", TClose::PressElsewhere, true, true},
      {"press elsewhere", TClose::PressElsewhere, false, false},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TcxBlobEdit* edit = AddBlobEdit(bekMemo, Variant(String(L"old")));
    edit->Properties()->SetAlwaysSaveData(c.AlwaysSaveData);
    Focus(edit);
    bool opened = false;
    OpenAndRun(edit, [&] {
      auto* memo = dynamic_cast<TcxMemo*>(edit->Storage());
      ASSERT_NE(memo, nullptr);
      opened = true;
      EXPECT_EQ(memo->Text(), L"old");
      EXPECT_FALSE(edit->OkButton()->Enabled());
      PressKey(VK_END);
      TypeIntoFocus(L" new");
      EXPECT_TRUE(edit->OkButton()->Enabled());
      EXPECT_TRUE(edit->OkButton()->Default());
      switch (c.Close) {
        case TClose::OkButton: return edit->OkButton()->Click();
        case TClose::CancelButton: return edit->CancelButton()->Click();
        case TClose::Escape: return PressWith(VK_ESCAPE, {});
        case TClose::F4: return PressWith(VK_F4, {});
        case TClose::AltDown: return PressWith(VK_DOWN, {VK_MENU});
        case TClose::CtrlEnter: return PressWith(VK_RETURN, {VK_CONTROL});
        case TClose::PressElsewhere: {
          // A press on the popup itself would leave it open for good.
          const TRect other = ScreenBounds(Other);
          if (ScreenBounds(edit->PopupWindow()).Contains(TPoint(other.Left + 10, other.Top + 5))) {
            ADD_FAILURE() << "the press would land on the popup";
            return edit->CancelButton()->Click();
          }
          return Do(edit, TGesture::PressElsewhere);
        }
      }
    });
    ProcessPendingMessages();
    EXPECT_TRUE(opened);
    EXPECT_FALSE(edit->DroppedDown());
    EXPECT_EQ(edit->EditValue().AsString(), c.Saved ? L"old new" : L"old");
    delete edit;
  }
}

TEST_F(BlobEdit, EnterBreaksTheLineWithWantReturnsAndClosesWithout) {
  for (bool wantReturns : {true, false}) {
    SCOPED_TRACE(wantReturns ? "want returns" : "no returns");
    TcxBlobEdit* edit = AddBlobEdit(bekMemo, Variant(String(L"a")));
    edit->Properties()->SetMemoWantReturns(wantReturns);
    Focus(edit);
    TModalResult afterEnter = -1;
    OpenAndRun(edit, [&] {
      PressKey(VK_END);
      PressKey(VK_RETURN);
      afterEnter = edit->PopupWindow()->ModalResult();
      if (afterEnter != mrNone) return;
      TypeIntoFocus(L"b");
      PressWith(VK_RETURN, {VK_CONTROL});
    });
    ProcessPendingMessages();
    EXPECT_EQ(afterEnter, wantReturns ? mrNone : mrOk);
    EXPECT_FALSE(edit->DroppedDown());
    EXPECT_EQ(edit->EditValue().AsString(), wantReturns ? L"a\r\nb" : L"a");
    delete edit;
  }
}

TEST_F(BlobEdit, AReadOnlyPopupOffersCloseOnlyAndSavesNothing) {
  TcxBlobEdit* edit = AddBlobEdit(bekMemo, Variant(String(L"kept")));
  edit->Properties()->SetReadOnly(true);
  Focus(edit);
  OpenAndRun(edit, [&] {
    EXPECT_EQ(edit->OkButton(), nullptr);
    ASSERT_NE(edit->CancelButton(), nullptr);
    EXPECT_EQ(edit->CancelButton()->Caption(), L"&Close");
    const int h = edit->CancelButton()->Height();
    const int minimum = GetSystemMetrics(SM_CXVSCROLL) + h / 3 + edit->CancelButton()->Width() + h / 2;
    EXPECT_GE(edit->PopupWindow()->Width(), minimum);
    EXPECT_TRUE(edit->Storage()->ActiveProperties()->ReadOnly());
    TypeIntoFocus(L"x");
    PressWith(VK_F4, {});
  });
  ProcessPendingMessages();
  EXPECT_EQ(edit->EditValue().AsString(), L"kept");
}

TEST_F(BlobEdit, TheButtonsSitInTheSystemPanelBesideTheSizeGrip) {
  TcxBlobEdit* edit = AddBlobEdit(bekMemo, Variant(String(L"text")));
  Focus(edit);
  OpenAndRun(edit, [&] {
    const TcxCustomEditPopupWindowViewInfo* viewInfo = edit->PopupWindow()->ViewInfo();
    const TRect cancel = edit->CancelButton()->BoundsRect(), ok = edit->OkButton()->BoundsRect();
    EXPECT_EQ(edit->CancelButton()->Caption(), L"&Cancel");
    EXPECT_EQ(edit->OkButton()->Caption(), L"&OK");
    EXPECT_TRUE(viewInfo->SysPanelBounds.Contains(Center(cancel)));
    EXPECT_TRUE(viewInfo->SysPanelBounds.Contains(Center(ok)));
    EXPECT_LE(cancel.Right, viewInfo->SizeGripRect.Left);
    EXPECT_EQ(ok.Right + cancel.Height() / 3, cancel.Left);
    EXPECT_EQ(ok.Top, cancel.Top);
    EXPECT_FALSE(edit->PopupWindow()->CloseButton());
    edit->CancelButton()->Click();
  });
}

TEST_F(BlobEdit, TypingIntoTheClosedEditReplacesTheMemoWithMemoAutoReplace) {
  for (bool autoReplace : {true, false}) {
    SCOPED_TRACE(autoReplace ? "auto replace" : "no replace");
    TcxBlobEdit* edit = AddBlobEdit(bekMemo, Variant(String(L"long text")));
    edit->Properties()->SetMemoAutoReplace(autoReplace);
    Focus(edit);
    String popupText;
    int caret = -1;
    edit->Properties()->OnPopup = [&](TObject*) {
      // The forwarded character arrives after the popup shows.
      ProcessPendingMessages();
      auto* memo = static_cast<TcxMemo*>(edit->Storage());
      popupText = memo->Text();
      caret = memo->SelStart();
      edit->OkButton()->Click();
    };
    SendMessageW(GetFocus(), WM_CHAR, L'z', 1);
    ProcessPendingMessages();
    EXPECT_FALSE(edit->DroppedDown());
    if (autoReplace) {
      EXPECT_EQ(popupText, L"z");
      EXPECT_EQ(caret, 1);
      EXPECT_EQ(edit->EditValue().AsString(), L"z");
    } else {
      EXPECT_NE(popupText.find(L'z'), String::npos);
      EXPECT_EQ(popupText.size(), 10u);
    }
    delete edit;
  }
}

// ---------------------------------------------------------------- the picture popup

TEST_F(BlobEdit, APastedPictureIsWrittenBackByOkAndNotByCancel) {
  for (bool ok : {true, false}) {
    SCOPED_TRACE(ok ? "OK" : "Cancel");
    const Variant stored = BitmapBlob(20, 10, clRed);
    TcxBlobEdit* edit = AddBlobEdit(bekPict, stored);
    std::vector<TPicture*> assigned;
    edit->Properties()->OnAssignPicture = [&](TObject*, TPicture* APicture) { assigned.push_back(APicture); };
    Focus(edit);
    OpenAndRun(edit, [&] {
      auto* image = dynamic_cast<TcxImage*>(edit->Storage());
      ASSERT_NE(image, nullptr);
      EXPECT_EQ(image->Picture()->Width(), 20);
      EXPECT_EQ(GetFocus(), image->Handle());
      TPicture replacement;
      cxLoadPictureFromBlob(&replacement, nullptr, BitmapBlob(30, 15, clBlue));
      cxCopyPictureToClipboard(&replacement);
      SendMessageW(GetFocus(), WM_CHAR, 22, 1);  // Ctrl+V
      EXPECT_EQ(image->Picture()->Width(), 30);
      EXPECT_TRUE(edit->OkButton()->Enabled());
      (ok ? edit->OkButton() : edit->CancelButton())->Click();
    });
    ProcessPendingMessages();
    TPicture result;
    cxLoadPictureFromBlob(&result, nullptr, edit->EditValue());
    EXPECT_EQ(result.Width(), ok ? 30 : 20);
    EXPECT_EQ(assigned.size(), ok ? 1u : 0u);
    delete edit;
  }
}

TEST_F(BlobEdit, AnUnreadableStoredPictureOpensEmptyAndIsKept) {
  const Variant damaged = VarAsType(Variant(String(L"no picture at all")), varString);
  TcxBlobEdit* edit = AddBlobEdit(bekPict, BitmapBlob(20, 10, clRed));
  Focus(edit);
  // The first opening fills the reused popup image.
  OpenAndRun(edit, [&] { edit->CancelButton()->Click(); });
  edit->SetEditValue(damaged);
  OpenAndRun(edit, [&] {
    auto* image = static_cast<TcxImage*>(edit->Storage());
    EXPECT_EQ(image->Picture()->Graphic(), nullptr);
    PressWith(VK_F4, {});
  });
  ProcessPendingMessages();
  EXPECT_FALSE(edit->DroppedDown());
  EXPECT_EQ(edit->EditValue().AsString(), damaged.AsString());
}

TEST_F(BlobEdit, ThePictureMenuKeepsTheCameraWithoutLoadAndSave) {
  struct TCase {
    bool ShowPopup;
    bool ShowEx;
    TcxPopupMenuItems Items;
  } cases[] = {
      {true, true, TcxPopupMenuLayout(nullptr).MenuItems()},
      {true, false,
       TcxPopupMenuLayout(nullptr).MenuItems() - TcxPopupMenuItems{TcxPopupMenuItem::pmiLoad, TcxPopupMenuItem::pmiSave}},
      {false, true, {}},
  };
  for (const TCase& c : cases) {
    TcxBlobEdit* edit = AddBlobEdit(bekPict);
    edit->Properties()->SetShowPicturePopup(c.ShowPopup);
    edit->Properties()->SetShowExPopupItems(c.ShowEx);
    Focus(edit);
    OpenAndRun(edit, [&] {
      auto* image = static_cast<TcxImage*>(edit->Storage());
      const TcxPopupMenuItems items = image->ActiveProperties()->PopupMenuLayout()->MenuItems();
      EXPECT_EQ(items, c.Items);
      EXPECT_EQ(items.Contains(TcxPopupMenuItem::pmiWebCam), c.ShowPopup);
      edit->CancelButton()->Click();
    });
    delete edit;
  }
}

// ---------------------------------------------------------------- streaming

TEST_F(BlobEdit, APropertiesObjectWithoutAPictureClassStreamsBackWithoutOne) {
  for (bool withClass : {true, false}) {
    TcxBlobEditProperties written(nullptr);
    if (!withClass) written.SetPictureGraphicClassName(L"");
    TMemoryStream stream;
    {
      TWriter writer(&stream);
      written.DefineProperties(&writer);
      writer.WriteListEnd();
    }
    stream.SetPosition(0);
    TcxBlobEditProperties read(nullptr);
    TReader reader(&stream);
    reader.ReadProperties(&read);
    EXPECT_EQ(read.PictureGraphicClassName(), withClass ? L"TBitmap" : L"");
  }
}

TEST_F(BlobEdit, AnUnknownPictureClassNameChangesNothing) {
  TcxBlobEditProperties properties(nullptr);
  EXPECT_EQ(properties.PictureGraphicClassName(), L"TBitmap");
  properties.SetPictureGraphicClassName(L"TNoSuchGraphic");
  EXPECT_EQ(properties.PictureGraphicClassName(), L"TBitmap");
  properties.SetPictureGraphicClassName(L"");
  EXPECT_EQ(properties.PictureGraphicClass(), nullptr);
}

// ---------------------------------------------------------------- sheet

TEST_F(BlobEdit, SheetOfClosedEditsAndOpenPopupsInEveryLook) {
  // Drawn on a tall sheet, which is cut below the lowest popup at the end.
  const int columnWidth = 300;
  TBitmap sheet;
  sheet.SetSize(std::size(AllLooks) * columnWidth + 10, 1000);
  sheet.Canvas()->Brush()->SetColor(clWhite);
  sheet.Canvas()->FillRect(TRect(0, 0, sheet.Width(), sheet.Height()));
  int bottom = 0, columnBottom = 0;
  auto paste = [&](TWinControl* AWindow, const TPoint& AAt) {
    std::unique_ptr<TBitmap> picture = CaptureWindow(AWindow);
    BitBlt(sheet.Canvas()->Handle(), AAt.X, AAt.Y, picture->Width(), picture->Height(), picture->Canvas()->Handle(),
           0, 0, SRCCOPY);
    columnBottom = std::max(columnBottom, AAt.Y + picture->Height());
    bottom = std::max(bottom, columnBottom);
  };
  int column = 0;
  for (const TLook look : AllLooks) {
    SCOPED_TRACE(LookName(look));
    const int x = 10 + column++ * columnWidth;
    columnBottom = 0;
    // Closed: icons, a word and a first line.
    int y = 10;
    for (TcxBlobPaintStyle style :
         {TcxBlobPaintStyle::bpsIcon, TcxBlobPaintStyle::bpsDefault, TcxBlobPaintStyle::bpsText}) {
      TcxBlobEdit* edit = AddBlobEdit(bekMemo, Variant(String(L"Memo text\r\nmore")));
      SetLook(edit->Style()->LookAndFeel(), look);
      edit->Properties()->SetBlobPaintStyle(style);
      ProcessPendingMessages();
      paste(edit, TPoint(x, y));
      y += 26;
      delete edit;
    }
    // Open: the memo popup, then the picture popup below it.
    const struct {
      TcxBlobEditKind Kind;
      Variant Value;
    } popups[] = {{bekMemo, Variant(String(L"A memo in its popup\r\nwith a second line"))},
                  {bekPict, BitmapBlob(60, 40, clTeal)}};
    for (const auto& p : popups) {
      TcxBlobEdit* edit = AddBlobEdit(p.Kind, p.Value);
      SetLook(edit->Style()->LookAndFeel(), look);
      Focus(edit);
      const int top = y;
      OpenAndRun(edit, [&] {
        TcxCustomEditPopupWindow* popup = edit->PopupWindow();
        const TRect e = ScreenBounds(edit), pp = ScreenBounds(popup);
        paste(edit, TPoint(x, top));
        paste(popup, TPoint(x + pp.Left - e.Left, top + pp.Top - e.Top));
        edit->CancelButton()->Click();
      });
      y = columnBottom + 10;
      delete edit;
    }
  }
  sheet.SetSize(sheet.Width(), bottom + 10);
  std::filesystem::create_directories("artifacts");
  SaveAsPng(sheet, L"artifacts\\BlobEdits.png");
  EXPECT_TRUE(std::filesystem::exists("artifacts/BlobEdits.png"));
}

}  // namespace
