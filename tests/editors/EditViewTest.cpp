// The editor control's own look on a real form, captured from the screen:
// the style of the state it is in, the error icon of a refused value on
// either side, and the parent showing through a transparent edit; all of
// it on one sheet for a person to look at.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "tests/editors/EditorFixture.h"
#include "tests/editors/ValidatingEdit.h"
#include "tests/graphics/PaintSurface.h"
#include "tests/guiharness/FormFixture.h"
#include "tests/guiharness/GuiDriver.h"

namespace {

constexpr TColor ErrorRed = static_cast<TColor>(0x2020CC);  // the error glyph's disc

struct EditView : FormFixture {
  EditView() {
    Form->SetBounds(0, 0, 320, 200);
    Form->SetColor(clLime);
    Form->Show();
    Edit = new TValidatingEdit(Form);
    Edit->SetBounds(10, 10, 120, 22);
    Edit->SetParent(Form);
    Edit->Style()->SetColor(clWhite);
    Edit->StyleFocused()->SetColor(clYellow);
    Edit->StyleDisabled()->SetColor(clSilver);
    Other = new TEdit(Form);
    Other->SetBounds(10, 60, 120, 22);
    Other->SetParent(Form);
    Edit->ActiveProperties()->OnValidate = [](TObject*, Variant& DisplayValue, String&, bool& Error) {
      Error = VarToStr(DisplayValue) == L"bad";
    };
    ProcessPendingMessages();
  }
  void Focus(TWinControl* AControl) {
    AControl->SetFocus();
    ProcessPendingMessages();
  }
  // A refused value the edit was left with, shown with its icon.
  void RefuseValue(TAlignment AIconSide) {
    Edit->ActiveProperties()->SetValidationOptions({evoShowErrorIcon, evoAllowLoseFocus});
    Edit->ActiveProperties()->SetValidationErrorIconAlignment(AIconSide);
    Focus(Edit);
    Edit->Type(L"bad");
    Focus(Other);
  }
  std::unique_ptr<TBitmap> Capture() {
    ProcessPendingMessages();
    return CaptureWindow(Edit);
  }

  TValidatingEdit* Edit;
  TEdit* Other;
};

TEST_F(EditView, TheBackgroundIsTheStyleOfTheStateTheEditIsIn) {
  struct Case {
    const char* Name;
    std::function<void(EditView&)> Make;
    TColor Expected;
  } cases[] = {
      {"normal", [](EditView& F) { F.Focus(F.Other); }, clWhite},
      {"focused", [](EditView& F) { F.Focus(F.Edit); }, clYellow},
      {"disabled", [](EditView& F) { F.Edit->SetEnabled(false); }, clSilver},
  };
  for (const Case& c : cases) {
    c.Make(*this);
    std::unique_ptr<TBitmap> image = Capture();
    EXPECT_EQ(PixelColor(*image, 60, 11), SysRGB(c.Expected)) << c.Name;
  }
}

TEST_F(EditView, ARefusedValueShowsTheErrorIconOnTheSideThePropertiesName) {
  struct Case {
    TAlignment Side;
    int IconLeft;  // where the 19-pixel icon area starts
  } cases[] = {{taLeftJustify, 0}, {taRightJustify, 120 - 19}};
  for (const Case& c : cases) {
    RefuseValue(c.Side);
    ASSERT_TRUE(Edit->ValidationError());
    TcxCustomEditViewInfo* viewInfo = Edit->ViewInfo();
    EXPECT_EQ(viewInfo->ErrorBounds(), TRect(c.IconLeft, 0, c.IconLeft + 19, 22));
    // The 16-pixel glyph centred in its area: its disc, left of its cross.
    std::unique_ptr<TBitmap> image = Capture();
    EXPECT_EQ(PixelColor(*image, c.IconLeft + 4, 11), ErrorRed) << static_cast<int>(c.Side);
    const TPoint onIcon(c.IconLeft + 9, 11);
    EXPECT_EQ(viewInfo->PartAtPoint(onIcon), ecpErrorIcon);
    EXPECT_EQ(viewInfo->PartHintText(ecpErrorIcon), Edit->ValidationErrorText());
    // The editor's own frame is laid out beside the icon.
    EXPECT_FALSE(viewInfo->EditorBounds().Contains(onIcon));

    // Corrected, the icon goes.
    Focus(Edit);
    Edit->Type(L"good");
    Focus(Other);
    image = Capture();
    EXPECT_NE(PixelColor(*image, c.IconLeft + 4, 11), ErrorRed);
    EXPECT_TRUE(Edit->ViewInfo()->ErrorBounds().IsEmpty());
  }
}

TEST_F(EditView, AnErrorWithoutTheIconOptionShowsNoIcon) {
  Edit->ActiveProperties()->SetValidationOptions({evoAllowLoseFocus});
  Focus(Edit);
  Edit->Type(L"bad");
  Focus(Other);
  ASSERT_TRUE(Edit->ValidationError());
  EXPECT_TRUE(Edit->ViewInfo()->ErrorBounds().IsEmpty());
  std::unique_ptr<TBitmap> image = Capture();
  EXPECT_EQ(PixelColor(*image, 4, 11), SysRGB(clWhite));
}

TEST_F(EditView, TheParentShowsThroughATransparentEdit) {
  Focus(Other);
  EXPECT_EQ(PixelColor(*Capture(), 60, 11), SysRGB(clWhite));
  Edit->SetTransparent(true);
  EXPECT_EQ(PixelColor(*Capture(), 60, 11), SysRGB(clLime));
  // Transparent properties make the edit transparent too.
  Edit->SetTransparent(false);
  Edit->ActiveProperties()->SetTransparent(true);
  EXPECT_TRUE(Edit->Transparent());
}

// The popup border a bound edit's look stands for, unless the style names one.
TEST_F(EditView, ThePopupBorderFollowsTheLookOfTheEdit) {
  struct TCase {
    const char* Name;
    bool Inplace;
    TcxLookAndFeelKind Kind;
    TcxEditBorderStyle Border;
    TcxEditButtonStyle ButtonStyle;  // of a button, when not btsDefault
    TcxEditPopupBorderStyle Assigned, Expected;
  };
  const TCase cases[] = {
      {"assigned", false, lfFlat, ebsSingle, btsDefault, epbsFrame3D, epbsFrame3D},
      {"inplace, flat look", true, lfFlat, ebsSingle, btsDefault, epbsDefault, epbsFlat},
      {"inplace, standard look", true, lfStandard, ebsSingle, btsDefault, epbsDefault, epbsFrame3D},
      {"inplace, office look", true, lfOffice11, ebsSingle, btsDefault, epbsDefault, epbsSingle},
      {"no border, 3D button", false, lfFlat, ebsNone, bts3D, epbsDefault, epbsFrame3D},
      {"no border, hot flat button", false, lfStandard, ebsNone, btsHotFlat, epbsDefault, epbsFlat},
      {"no border, no button", false, lfStandard, ebsNone, btsDefault, epbsDefault, epbsFlat},
      {"single border", false, lfStandard, ebsSingle, btsDefault, epbsDefault, epbsSingle},
      {"flat border", false, lfStandard, ebsFlat, btsDefault, epbsDefault, epbsFlat},
      {"3D border", false, lfStandard, ebs3D, btsDefault, epbsDefault, epbsSingle},
  };
  for (const TCase& c : cases) {
    auto* edit = new TValidatingEdit(Form, c.Inplace);
    edit->SetBounds(10, 100, 120, 22);
    edit->SetParent(Form);
    edit->Style()->LookAndFeel()->SetNativeStyle(false);
    edit->Style()->LookAndFeel()->SetKind(c.Kind);
    edit->Style()->SetBorderStyle(c.Border);
    edit->Style()->SetPopupBorderStyle(c.Assigned);
    if (c.ButtonStyle != btsDefault) {
      edit->ActiveProperties()->Buttons()->Add();
      edit->Style()->SetButtonStyle(c.ButtonStyle);
    }
    edit->HandleNeeded();
    ProcessPendingMessages();
    edit->ShortRefreshContainer(false);
    EXPECT_EQ(edit->ViewInfo()->PopupBorderStyle, c.Expected) << c.Name;
    delete edit;
  }
  // A host's cell, laid out without an edit, keeps the style's.
  TBareEditor bare;
  bare.Calculate(TRect(0, 0, 100, 20), {"normal"});
  EXPECT_EQ(bare.ViewInfo.PopupBorderStyle, epbsDefault);
}

TEST_F(EditView, SheetOfTheEditInItsStates) {
  struct Shot {
    const char* Name;
    std::function<void(EditView&)> Make;
  } shots[] = {
      {"Normal", [](EditView& F) { F.Focus(F.Other); }},
      {"Focused", [](EditView& F) { F.Focus(F.Edit); }},
      {"Disabled", [](EditView& F) { F.Edit->SetEnabled(false); }},
      {"Error left", [](EditView& F) {
         F.Edit->SetEnabled(true);
         F.RefuseValue(taLeftJustify);
       }},
      {"Error right", [](EditView& F) { F.RefuseValue(taRightJustify); }},
      {"Transparent", [](EditView& F) {
         F.Edit->SetTransparent(true);
         F.Edit->SetEditValue(Variant(L"ok"));
       }},
  };
  const int rowHeight = 30, left = 90;
  TPaintSurface sheet(left + 130, 8 + rowHeight * static_cast<int>(std::size(shots)), clWhite);
  TcxCanvas* canvas = sheet.Canvas.get();
  canvas->Font()->SetName(L"Tahoma");
  canvas->Font()->SetHeight(-11);
  int row = 0;
  for (const Shot& shot : shots) {
    shot.Make(*this);
    std::unique_ptr<TBitmap> image = Capture();
    const int top = 4 + row++ * rowHeight;
    canvas->Brush()->SetStyle(bsClear);
    canvas->DrawTexT(String(shot.Name, shot.Name + strlen(shot.Name)), TRect(4, top, left, top + 22),
                     cxtfAlignLeft | cxtfAlignVCenter | cxtfSingleLine);
    BitBlt(canvas->Handle(), left, top, image->Width(), image->Height(), image->Canvas()->Handle(), 0, 0, SRCCOPY);
  }
  std::filesystem::create_directories("artifacts");
  SaveAsPng(sheet.Bitmap, L"artifacts\\EditorControl.png");
  EXPECT_TRUE(std::filesystem::exists("artifacts/EditorControl.png"));
}

}  // namespace
