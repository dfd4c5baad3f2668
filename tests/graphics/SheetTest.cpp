// A sheet of glyph states, gradients and text samples, kept as a PNG picture
// for a person to look at.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "PaintSurface.h"
#include "vcl/graphics/GdiTypes.h"
#include "vcl/graphics/Metafile.h"
#include "vcl/rtl/Streams.h"

namespace {

std::unique_ptr<TBitmap> SampleGlyph() {
  auto glyph = std::make_unique<TBitmap>();
  glyph->SetPixelFormat(pf24bit);
  glyph->SetSize(32, 32);
  TcxCanvas canvas(glyph->Canvas());
  canvas.FillRect(TRect(0, 0, 32, 32), clFuchsia);
  canvas.SetBrushColor(TColor(0x2080F0));
  canvas.Pen()->SetColor(TColor(0x104080));
  canvas.Ellipse(TRect(3, 3, 29, 29));
  canvas.FillRect(TRect(12, 8, 20, 24), clWhite);
  canvas.FillRect(TRect(8, 12, 24, 20), clWhite);
  return glyph;
}

TEST(GraphicsSheet, GlyphStatesGradientsAndTextAreSavedAsAPicture) {
  TPaintSurface sheet(560, 510, clWhite);
  TcxCanvas& canvas = *sheet.Canvas;
  HDC dc = canvas.Handle();
  canvas.Font()->SetName(L"Tahoma");
  canvas.Font()->SetHeight(-12);
  canvas.Font()->SetColor(clBlack);
  canvas.Brush()->SetStyle(bsClear);

  // Glyph states, each over a light and a dark background.
  auto glyph = SampleGlyph();
  const wchar_t* states[] = {L"Normal", L"Disabled", L"Faded", L"GrayScale", L"Dingy", L"Shadowed"};
  for (int i = 0; i < 6; ++i) {
    const int left = 10 + i * 90;
    cxFillRectSolid(dc, TRect(left, 30, left + 80, 70), TColor(0xF0F0F0));
    cxFillRectSolid(dc, TRect(left, 70, left + 80, 110), TColor(0x603020));
    for (int top : {34, 74})
      cxDrawGlyphOrImage(dc, TRect(left + 24, top, left + 56, top + 32), TRect(left, top - 4, left + 80, top + 36),
                         glyph.get(), nullptr, -1, static_cast<TcxGlyphDrawState>(i));
    canvas.DrawTexT(states[i], TRect(left, 10, left + 80, 28), cxtfAlignHCenter | cxtfSingleLine, true);
  }

  // Gradients: the system's, the library's own and with a moved midpoint.
  cxFillRectWithGradient(dc, TRect(10, 125, 180, 165), TColor(0x800000), TColor(0x00C0FF), true);
  cxSoftwareGradientFill(dc, TRect(190, 125, 360, 165), TColor(0x800000), TColor(0x00C0FF), true);
  cxFillGradientWithMidpoint(dc, TRect(370, 125, 550, 165), TColor(0x800000), TColor(0x00C0FF), 40, true);
  cxFillRectWithGradient(dc, TRect(10, 170, 180, 200), clWhite, TColor(0x008000), false);
  cxSoftwareGradientFill(dc, TRect(190, 170, 360, 200), clWhite, TColor(0x008000), false);
  cxFillGradientWithMidpoint(dc, TRect(370, 170, 550, 200), clWhite, TColor(0x008000), 160, false);

  // Text: plain, disabled, ellipsis, wrapped lines and rotated.
  canvas.DrawTexT(L"Plain text", TRect(10, 210, 180, 228), cxtfSingleLine, true);
  canvas.DrawTexT(L"Disabled text", TRect(10, 230, 180, 248), cxtfSingleLine, false);
  canvas.DrawTexT(L"A text much too long for its box", TRect(10, 250, 140, 268), cxtfSingleLine | cxtfEndEllipsis,
                  true);
  canvas.FrameRect(TRect(190, 210, 360, 320), clSilver);
  cxDrawTextLines(&canvas, L"Words wrap into lines that fit the width of the box, centred as a block.",
                  TRect(195, 210, 355, 320), DT_VCENTER | DT_CENTER, clNavy);
  for (auto [angle, left] : {std::pair{raPlus90, 380}, std::pair{raMinus90, 420}}) {
    TRect r(left, 210, left + 30, 320);
    canvas.FrameRect(r, clSilver);
    cxDrawRotatedText(&canvas, L"Rotated text", r, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX, clMaroon,
                      angle);
  }
  TRect upsideDown(460, 280, 550, 300);
  cxDrawRotatedText(&canvas, L"Upside down", upsideDown, DT_SINGLELINE | DT_NOPREFIX, clMaroon, ra180);

  // Shapes, glyphs on the canvas, a translucent drawing and line bounds.
  canvas.Brush()->SetStyle(bsSolid);
  canvas.Pen()->SetColor(clNavy);
  canvas.SetBrushColor(TColor(0x80C0FF));
  canvas.Chord(10, 340, 70, 400, 70, 370, 10, 370);
  canvas.Arc(10, 340, 70, 400, 10, 370, 70, 370);
  canvas.PolyBezier({{80, 400}, {90, 330}, {130, 420}, {140, 340}});
  canvas.MoveTo(150, 370);
  canvas.AngleArc(175, 370, 20, 45, 270);
  canvas.DrawGlyph(210, 350, glyph.get(), true, TColor(0xC0FFC0));
  canvas.DrawGlyph(250, 350, glyph.get(), true, clNone);
  canvas.DrawGlyph(290, 350, glyph.get(), false, clNone);
  canvas.Draw(330, 350, glyph.get(), 96);
  canvas.Brush()->SetStyle(bsClear);
  const String boundsText = L"Each line of this text\r\nhas its own box";
  const TRect boundsBox(380, 340, 550, 420);
  TRects lines;
  canvas.GetTextStringsBounds(boundsText, boundsBox, cxtfAlignHCenter | cxtfWordBreak, true, lines);
  canvas.FrameRect(boundsBox, clSilver);
  for (const TRect& line : lines) canvas.FrameRect(line, TColor(0x00A0FF));
  canvas.DrawTexT(boundsText, boundsBox, cxtfAlignHCenter | cxtfWordBreak, true);

  // The program's strip resource in a list, one entry with the other as
  // overlay, and a glyph fitted into boxes by each fit mode.
  TcxImageList list(nullptr);
  list.ResourceLoad(rtBitmap, L"GRAPHICSSTRIP", clFuchsia);
  canvas.DrawImage(&list, 10, 450, 0);
  canvas.DrawImage(&list, 30, 450, 1);
  list.Overlay(0, 0);
  list.DrawOverlay(canvas.Canvas(), 50, 450, 1, 0);
  const TcxImageFitMode modes[] = {ifmNormal, ifmStretch, ifmProportionalStretch, ifmFit, ifmFill};
  for (int i = 0; i < 5; ++i) {
    const TRect box(90 + i * 90, 440, 170 + i * 90, 490);
    canvas.FrameRect(box, clSilver);
    canvas.SaveClipRegion();
    canvas.IntersectClipRect(box);
    cxDrawFittedImage(&canvas, box, glyph.get(), nullptr, -1, modes[i]);
    canvas.RestoreClipRegion();
  }

  std::filesystem::create_directories("artifacts");
  SaveAsPng(sheet.Bitmap, L"artifacts\\GraphicsSheet.png");
  std::ifstream file("artifacts/GraphicsSheet.png", std::ios::binary);
  char signature[8] = {};
  file.read(signature, 8);
  EXPECT_EQ(std::string("\x89PNG\r\n\x1a\n", 8), std::string(signature, 8));
}

// A recording of shapes and text, replayed as recorded, stretched and after
// a trip through each file format.
void RecordSample(TMetafile& AMetafile) {
  AMetafile.SetWidth(120);
  AMetafile.SetHeight(80);
  TMetafileCanvas recording(&AMetafile, nullptr);
  TcxCanvas canvas(&recording);
  canvas.FillRect(TRect(0, 0, 120, 80), TColor(0xF0E0D0));
  canvas.SetBrushColor(TColor(0x2080F0));
  canvas.Pen()->SetColor(clNavy);
  canvas.Ellipse(TRect(10, 10, 60, 60));
  canvas.SetBrushColor(TColor(0x40C040));
  canvas.Rectangle(TRect(60, 30, 110, 70));
  canvas.Font()->SetName(L"Arial");
  canvas.Font()->SetHeight(-12);
  canvas.Brush()->SetStyle(bsClear);
  canvas.TextOut(8, 62, L"Recorded");
}

TEST(GraphicsSheet, MetafilesRotatedFontsPenModesAndSystemBrushesAreSavedAsAPicture) {
  TPaintSurface sheet(560, 330, clWhite);
  TcxCanvas& canvas = *sheet.Canvas;
  canvas.Font()->SetName(L"Arial");
  canvas.Font()->SetHeight(-12);
  canvas.Font()->SetColor(clBlack);

  TMetafile recorded;
  RecordSample(recorded);
  canvas.Draw(10, 10, &recorded);
  canvas.StretchDraw(TRect(140, 10, 320, 70), &recorded);
  for (auto [enhanced, left] : {std::pair{true, 330}, std::pair{false, 435}}) {
    recorded.SetEnhanced(enhanced);
    TMemoryStream stream;
    recorded.SaveToStream(&stream);
    stream.SetPosition(0);
    TMetafile reloaded;
    reloaded.LoadFromStream(&stream);
    canvas.Draw(left, 10, &reloaded);
  }

  // Text at angles, around one point.
  canvas.Brush()->SetStyle(bsClear);
  for (int angle = 0; angle < 360; angle += 45) {
    canvas.SetFontAngle(angle);
    canvas.TextOut(100, 200, L"    Angle " + IntToStr(angle));
  }
  canvas.SetFontAngle(0);

  // Pen modes over a colour band: copy, not, xor, merge, mask, not copy.
  canvas.FillRect(TRect(220, 110, 400, 200), TColor(0x4080C0));
  const TPenMode modes[] = {pmCopy, pmNot, pmXor, pmMerge, pmMask, pmNotCopy};
  canvas.Pen()->SetWidth(8);
  canvas.Pen()->SetColor(clRed);
  for (int i = 0; i < 6; ++i) {
    canvas.Pen()->SetMode(modes[i]);
    canvas.MoveTo(230 + i * 28, 100);
    canvas.LineTo(230 + i * 28, 210);
  }
  canvas.Pen()->SetMode(pmCopy);
  canvas.Pen()->SetWidth(1);

  // The system-colour brushes, one framed swatch per colour.
  const auto& brushes = cxSystemColorBrushes();
  for (size_t i = 0; i < brushes.size(); ++i) {
    const int left = 10 + static_cast<int>(i % 16) * 34, top = 250 + static_cast<int>(i / 16) * 36;
    const TRect swatch(left, top, left + 30, top + 30);
    FillRect(canvas.Handle(), AsRECT(swatch), brushes[i]->Handle());
    canvas.FrameRect(swatch, clBlack);
  }

  std::filesystem::create_directories("artifacts");
  SaveAsPng(sheet.Bitmap, L"artifacts\\MetafileSheet.png");
  EXPECT_TRUE(std::filesystem::exists("artifacts/MetafileSheet.png"));
}

}  // namespace
