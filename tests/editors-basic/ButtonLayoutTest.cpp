// Where a button's view info places glyph, caption, description and
// drop-down part, for each kind and layout.
#include <gtest/gtest.h>

#include "tests/editors-basic/ButtonFixture.h"

namespace {

struct ButtonLayout : ButtonFixture {
  TcxButton* GlyphButton(const String& ACaption, TButtonLayout ALayout, int AMargin, int ASpacing) {
    TcxButton* button = AddButton(10, 10, ACaption);
    button->SetBounds(10, 10, 140, 60);
    std::unique_ptr<TBitmap> glyph = MakeStrip(16, {clRed});
    button->OptionsImage()->SetGlyph(glyph.get());
    button->OptionsImage()->SetLayout(ALayout);
    button->OptionsImage()->SetMargin(AMargin);
    button->OptionsImage()->SetSpacing(ASpacing);
    return button;
  }
};

// The extents along the layout's axis: from the content's near edge to the
// glyph, between glyph and caption, and from the caption to the far edge.
struct TAlong {
  int Margin, Spacing, Rest;
};

TAlong Measure(TcxButtonViewInfo* AViewInfo) {
  const TRect r = AViewInfo->GetContentRect(cxbsDefault);
  const TPoint g = AViewInfo->GlyphPos();
  const TRect c = AViewInfo->CaptionRect();
  switch (AViewInfo->Layout()) {
    case blGlyphLeft: return {g.X - r.Left, c.Left - (g.X + 16), r.Right - c.Right};
    case blGlyphRight: return {r.Right - (g.X + 16), g.X - c.Right, c.Left - r.Left};
    case blGlyphTop: return {g.Y - r.Top, c.Top - (g.Y + 16), r.Bottom - c.Bottom};
    default: return {r.Bottom - (g.Y + 16), g.Y - c.Bottom, c.Top - r.Top};
  }
}

}  // namespace

TEST_F(ButtonLayout, GlyphAndCaptionInEveryLayoutWithAutomaticAndGivenMarginAndSpacing) {
  struct TCase {
    TButtonLayout Layout;
    int Margin, Spacing;
    // -1: the automatic margin leaves as much beyond the caption as before
    // the glyph; -2: margin, spacing and the rest are equal thirds.
    int ExpectedMargin, ExpectedSpacing;
  };
  const TCase cases[] = {
      {blGlyphLeft, -1, 4, -1, 4},   {blGlyphRight, -1, 4, -1, 4},  {blGlyphTop, -1, 4, -1, 4},
      {blGlyphBottom, -1, 4, -1, 4}, {blGlyphLeft, -1, -1, -2, -2}, {blGlyphTop, -1, -1, -2, -2},
      {blGlyphLeft, 3, 6, 3, 6},     {blGlyphRight, 0, 2, 0, 2},    {blGlyphBottom, 5, 0, 5, 0},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "layout " << static_cast<int>(c.Layout) << " margin " << c.Margin
                                    << " spacing " << c.Spacing);
    TcxButton* button = GlyphButton(L"Save", c.Layout, c.Margin, c.Spacing);
    TcxButtonViewInfo* viewInfo = Painted(button);
    const TAlong along = Measure(viewInfo);
    if (c.ExpectedMargin == -2) {
      EXPECT_EQ(along.Margin, along.Spacing);
      EXPECT_NEAR(along.Rest, along.Margin, 2);
    } else if (c.ExpectedMargin == -1) {
      EXPECT_NEAR(along.Margin, along.Rest, 1);
      EXPECT_EQ(along.Spacing, c.ExpectedSpacing);
    } else {
      EXPECT_EQ(along.Margin, c.ExpectedMargin);
      EXPECT_EQ(along.Spacing, c.ExpectedSpacing);
    }
    // Across the axis the glyph is centred; the caption's centre is within
    // a pixel of it.
    const TRect r = viewInfo->GetContentRect(cxbsDefault);
    const TRect caption = viewInfo->CaptionRect();
    const TPoint g = viewInfo->GlyphPos();
    if (c.Layout == blGlyphLeft || c.Layout == blGlyphRight) {
      EXPECT_EQ(g.Y, r.Top + (r.Height() - 16) / 2);
      EXPECT_NEAR((caption.Top + caption.Bottom) / 2, g.Y + 8, 1);
    } else {
      EXPECT_EQ(g.X, r.Left + (r.Width() - 16) / 2);
      EXPECT_NEAR((caption.Left + caption.Right) / 2, g.X + 8, 1);
    }
    delete button;
  }
}

TEST_F(ButtonLayout, WithoutCaptionTheGlyphIsCentredAndWithoutGlyphTheCaptionKeepsItsOffsets) {
  TcxButton* glyphOnly = GlyphButton(L"", blGlyphLeft, -1, 4);
  TcxButtonViewInfo* viewInfo = Painted(glyphOnly);
  const TRect r = viewInfo->GetContentRect(cxbsDefault);
  EXPECT_EQ(viewInfo->GlyphPos().X, r.Left + (r.Width() - 16) / 2);
  EXPECT_TRUE(viewInfo->CaptionRect().IsEmpty());

  TcxButton* captionOnly = AddButton(10, 80, L"Save");
  captionOnly->SetBounds(10, 80, 140, 60);
  viewInfo = Painted(captionOnly);
  const TRect r2 = viewInfo->GetContentRect(cxbsDefault);
  const TRect caption = viewInfo->CaptionRect();
  // One pixel left and two right belong to the text area: the caption is
  // centred in it.
  EXPECT_NEAR(caption.Left - 1 - r2.Left, r2.Right - (caption.Right + 2), 1);
  EXPECT_FALSE(viewInfo->IsGlyphVisible());

  // A glyph-only paint style hides the caption; a caption style the glyph.
  glyphOnly->SetCaption(L"Save");
  glyphOnly->SetPaintStyle(bpsGlyph);
  EXPECT_FALSE(Painted(glyphOnly)->IsCaptionVisible());
  glyphOnly->SetPaintStyle(bpsCaption);
  EXPECT_FALSE(Painted(glyphOnly)->IsGlyphVisible());
}

TEST_F(ButtonLayout, RightToLeftPutsALeftGlyphAtTheRight) {
  TcxButton* button = GlyphButton(L"Save", blGlyphLeft, 2, 4);
  button->SetBiDiMode(bdRightToLeft);
  TcxButtonViewInfo* viewInfo = Painted(button);
  EXPECT_EQ(viewInfo->Layout(), blGlyphRight);
  EXPECT_EQ(viewInfo->GlyphPos().X + 16 + 2, viewInfo->GetContentRect(cxbsDefault).Right);
}

TEST_F(ButtonLayout, APressedButtonShiftsGlyphAndCaptionByThePaintersTextShift) {
  for (const TLook look : AllLooks) {
    SCOPED_TRACE(LookName(look));
    TcxButton* button = GlyphButton(L"Save", blGlyphLeft, -1, 4);
    SetLook(button->LookAndFeel(), look);
    button->SetGroupIndex(1);
    const TcxButtonViewInfo* viewInfo = Painted(button);
    const TPoint glyph = viewInfo->GlyphPos();
    const TRect caption = viewInfo->CaptionRect();
    button->SetDown(true);
    Painted(button);
    ASSERT_EQ(viewInfo->State(), cxbsPressed);
    const int shift = GetButtonLookAndFeelPainter(button->LookAndFeel())->ButtonTextShift();
    EXPECT_EQ(viewInfo->GlyphPos().X - glyph.X, shift);
    EXPECT_EQ(viewInfo->GlyphPos().Y - glyph.Y, shift);
    EXPECT_EQ(viewInfo->CaptionRect().Left - caption.Left, shift);
    EXPECT_EQ(viewInfo->CaptionRect().Top - caption.Top, shift);
    delete button;
  }
}

TEST_F(ButtonLayout, TheSplitButtonsDropDownPartAndArrow) {
  TcxButton* split = AddButton(10, 10, L"Split");
  split->SetBounds(10, 10, 100, 30);
  split->SetKind(cxbkDropDownButton);
  TcxButtonViewInfo* viewInfo = Painted(split);
  const int width = viewInfo->Painter()->GetDropDownButtonSize();
  EXPECT_EQ(viewInfo->DropDownButtonRect(), TRect(100 - width, 0, 100, 30));
  EXPECT_EQ(viewInfo->ButtonRect(), TRect(0, 0, 100 - width + 2, 30));  // the parts overlap by two pixels
  EXPECT_EQ(viewInfo->DropDownArrowRect(), viewInfo->DropDownButtonRect());
  EXPECT_EQ(split->GetMenuButtonBounds(), viewInfo->DropDownButtonRect());

  // A speed-button look keeps the parts apart; a whole drop-down button
  // has no arrow and its whole face opens the menu.
  split->SetCanBeFocused(false);
  split->SpeedButtonOptions()->SetFlat(true);
  EXPECT_EQ(Painted(split)->ButtonRect().Right, 100 - width);
  split->SetKind(cxbkDropDown);
  EXPECT_TRUE(Painted(split)->DropDownArrowRect().IsEmpty());
  EXPECT_EQ(split->GetMenuButtonBounds(), TRect(0, 0, 100, 30));
}

TEST_F(ButtonLayout, OfficeDropDownStacksCaptionAndDescriptionBesideTheArrow) {
  TcxButton* button = GlyphButton(L"Paste", blGlyphLeft, -1, 4);
  button->SetKind(cxbkOfficeDropDown);
  button->SetDescription(L"From the clipboard");
  button->SetBounds(10, 10, 200, 60);
  TcxButtonViewInfo* viewInfo = Painted(button);
  const TRect r = viewInfo->GetContentRect(cxbsDefault);
  EXPECT_EQ(viewInfo->GlyphPos().X, r.Left + 7);  // the automatic margin of a left glyph
  const TRect caption = viewInfo->CaptionRect();
  const TRect description = viewInfo->DescriptionRect();
  EXPECT_EQ(caption.Left, viewInfo->GlyphPos().X + 16 + 4);
  EXPECT_EQ(description.Left, caption.Left);  // both left-aligned
  EXPECT_EQ(description.Top, caption.Bottom + 2);
  const int arrow = viewInfo->Painter()->GetDropDownArrowSize();
  EXPECT_EQ(viewInfo->DropDownArrowRect(), TRect(200 - 2 - arrow, 0, 200 - 2, 60));
  EXPECT_EQ(viewInfo->GetDescriptionDrawTextFlags(), static_cast<uint32_t>(DT_WORDBREAK | DT_LEFT));

  // Above the text the arrow sits right of it, centred on both lines.
  button->OptionsImage()->SetLayout(blGlyphTop);
  button->SetBounds(10, 10, 200, 90);
  viewInfo = Painted(button);
  const TRect u(std::min(viewInfo->CaptionRect().Left, viewInfo->DescriptionRect().Left),
                viewInfo->CaptionRect().Top,
                std::max(viewInfo->CaptionRect().Right, viewInfo->DescriptionRect().Right),
                viewInfo->DescriptionRect().Bottom);
  EXPECT_EQ(viewInfo->DropDownArrowRect().Left, u.Right);
  EXPECT_EQ(viewInfo->DropDownArrowRect().Top, (u.Top + u.Bottom - arrow) / 2);
}

TEST_F(ButtonLayout, CommandLinkPlacesGlyphCaptionAndDescription) {
  TcxButton* link = AddButton(10, 10, L"Continue");
  link->SetKind(cxbkCommandLink);
  link->SetDescription(L"Keeps the changes");
  link->SetBounds(10, 10, 240, 70);
  TcxButtonViewInfo* viewInfo = Painted(link);
  TcxButtonPainter* painter = viewInfo->Painter();
  const TRect margins = painter->GetCommandLinkMargins();
  EXPECT_EQ(viewInfo->GetContentRect(cxbsDefault), TRect(0, 0, 240, 70));  // a command link has no border
  EXPECT_EQ(viewInfo->GlyphPos(), TPoint(margins.Left, margins.Top));
  const TSize glyph = painter->GetCommandLinkGlyphSize();
  EXPECT_EQ(viewInfo->CaptionRect().Left, margins.Left + glyph.cx + 4);
  EXPECT_EQ(viewInfo->CaptionRect().Top, margins.Top);
  EXPECT_EQ(viewInfo->DescriptionRect().Top, viewInfo->CaptionRect().Bottom + 2);
  EXPECT_EQ(viewInfo->DescriptionFont()->Size(), std::max(1, 3 * viewInfo->Font()->Size() / 4));

  // Without caption the description starts at the top of the content.
  link->SetCaption(L"");
  viewInfo = Painted(link);
  EXPECT_EQ(viewInfo->DescriptionRect().Top, margins.Top);
  // A command link never joins a group and is always focusable.
  link->SpeedButtonOptions()->SetGroupIndex(3);
  link->SpeedButtonOptions()->SetCanBeFocused(false);
  EXPECT_EQ(link->GroupIndex(), 0);
  EXPECT_TRUE(link->CanBeFocused());
}

TEST_F(ButtonLayout, OptimalSizeOfAnEmptyCaption) {
  TcxButton* button = AddButton(10, 10, L"");
  TSize size;
  button->GetOptimalSize(size);
  TcxScreenCanvas canvas;
  canvas.SetFont(button->Font());
  EXPECT_EQ(size.cx, canvas.TextWidth(L" ") + 3 * canvas.TextWidth(L"R"));
  button->SetCaption(L"&Save");
  button->GetOptimalSize(size);
  EXPECT_EQ(size.cx, canvas.TextWidth(L"Save") + 3 * canvas.TextWidth(L"R"));
  canvas.Dormant();
}
