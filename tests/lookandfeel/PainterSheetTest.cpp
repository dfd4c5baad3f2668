// Every element family of the root painter in every state, on one sheet
// kept as a PNG picture for a person to look at.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "components/lookandfeel/cxLookAndFeelPainters.h"
#include "tests/graphics/PaintSurface.h"

namespace {

struct TSheetPainter : TcxCustomLookAndFeelPainter {
  using TcxCustomLookAndFeelPainter::BackButtonImage;
  using TcxCustomLookAndFeelPainter::ClockFaceImage;
  using TcxCustomLookAndFeelPainter::ClockGlassImage;
  using TcxCustomLookAndFeelPainter::DrawFilledTriangle;
  using TcxCustomLookAndFeelPainter::DrawStateGlyph;
  using TcxCustomLookAndFeelPainter::MapPushpinImage;
  using TcxCustomLookAndFeelPainter::RatingControlIndicatorImage;
};

// A painter under one of the built-in names, for its icons.
struct TNamedPainter : TcxCustomLookAndFeelPainter {
  explicit TNamedPainter(const String& AName) : Name(AName) {}
  String LookAndFeelName() override { return Name; }
  String Name;
};

const TcxButtonState States[] = {cxbsDefault, cxbsNormal, cxbsHot, cxbsPressed, cxbsDisabled};
const wchar_t* const StateNames[] = {L"Default", L"Normal", L"Hot", L"Pressed", L"Disabled"};

// Lays the sheet out in labelled rows of cells.
class TSheet {
public:
  TSheet() : FSurface(680, 530, clWhite) {
    Canvas()->Font()->SetName(L"Tahoma");
    Canvas()->Font()->SetHeight(-11);
  }
  TcxCanvas* Canvas() { return FSurface.Canvas.get(); }
  // Starts a row of AHeight pixels with its title; the cells follow it.
  void Row(const String& ATitle, int AHeight) {
    FTop += FHeight + 6;
    FHeight = std::max(AHeight, 14);
    FLeft = 120;
    Label(ATitle, TRect(6, FTop, 116, FTop + AHeight));
  }
  // The next cell of the row, AWidth wide.
  TRect Cell(int AWidth) {
    const TRect r(FLeft, FTop, FLeft + AWidth, FTop + FHeight);
    FLeft += AWidth + 8;
    return r;
  }
  void Label(const String& AText, const TRect& R) {
    Canvas()->Font()->SetColor(clBlack);
    Canvas()->Brush()->SetStyle(bsClear);
    Canvas()->DrawTexT(AText, R, cxtfAlignLeft | cxtfAlignVCenter | cxtfSingleLine);
    Canvas()->Brush()->SetStyle(bsSolid);
  }
  void Save(const String& AFileName) { SaveAsPng(FSurface.Bitmap, AFileName); }

private:
  TPaintSurface FSurface;
  int FTop = 0, FHeight = 0, FLeft = 0;
};

}  // namespace

TEST(RootPainterSheet, EveryElementInEveryStateIsSavedAsAPicture) {
  TSheetPainter painter;
  TSheet sheet;
  TcxCanvas* canvas = sheet.Canvas();

  sheet.Row(L"States", 14);
  for (const wchar_t* name : StateNames) sheet.Label(name, sheet.Cell(100));

  sheet.Row(L"Buttons", 24);
  for (TcxButtonState state : States) {
    canvas->Font()->SetColor(clBlack);
    painter.DrawButton(canvas, sheet.Cell(100), L"&Button", state);
  }
  sheet.Row(L"Arrows", 18);
  for (TcxButtonState state : States) {
    TRect cell = sheet.Cell(100);
    for (TcxArrowDirection direction : {adUp, adDown, adLeft, adRight}) {
      painter.DrawArrow(canvas, TRect(cell.Left, cell.Top, cell.Left + 18, cell.Top + 18), state, direction);
      cell.Left += 22;
    }
  }
  sheet.Row(L"Scroll-bar arrows", 18);
  for (TcxButtonState state : States) {
    TRect cell = sheet.Cell(100);
    for (TcxArrowDirection direction : {adUp, adDown, adLeft, adRight}) {
      const TRect r(cell.Left, cell.Top, cell.Left + 18, cell.Top + 18);
      canvas->FillRect(r, clBtnFace);
      painter.DrawScrollBarArrow(canvas, r, state, direction);
      cell.Left += 22;
    }
  }
  sheet.Row(L"Group expand", 15);
  for (TcxButtonState state : States) {
    TRect cell = sheet.Cell(100);
    for (bool expanded : {true, false}) {
      painter.DrawGroupExpandButton(canvas, TRect(cell.Left, cell.Top, cell.Left + 15, cell.Top + 15), expanded,
                                    state);
      cell.Left += 20;
    }
  }
  sheet.Row(L"Turned expand", 15);
  for (TcxButtonState state : States) {
    TRect cell = sheet.Cell(100);
    for (TcxRotationAngle angle : {ra0, raPlus90, raMinus90, ra180}) {
      painter.DrawExpandButtonEx(canvas, TRect(cell.Left, cell.Top, cell.Left + 15, cell.Top + 15), state, true,
                                 angle);
      cell.Left += 20;
    }
  }
  sheet.Row(L"Command links", 40);
  for (TcxButtonState state : States) {
    const TRect cell = sheet.Cell(100);
    painter.DrawCommandLinkBackground(canvas, cell, state);
    painter.DrawCommandLinkGlyph(canvas, TPoint(cell.Left + 7, cell.Top + 10), state);
  }
  sheet.Row(L"Filter funnel", 12);
  for (TcxButtonState state : States) {
    TRect cell = sheet.Cell(100);
    for (bool active : {true, false}) {
      painter.DrawStateGlyph(canvas, TRect(cell.Left, cell.Top, cell.Left + 12, cell.Top + 12), state, active);
      cell.Left += 16;
    }
  }

  sheet.Row(L"Small expand", 9);
  {
    TRect cell = sheet.Cell(200);
    for (bool expanded : {false, true})
      for (TColor fill : {clDefault, clWindow}) {
        painter.DrawSmallExpandButton(canvas, TRect(cell.Left, cell.Top, cell.Left + 9, cell.Top + 9), expanded,
                                      clBtnShadow, fill);
        cell.Left += 14;
      }
  }
  sheet.Row(L"Marks", 16);
  {
    TRect cell = sheet.Cell(300);
    for (int lineWidth : {1, 2}) {
      painter.DrawCollapseArrow(canvas, TRect(cell.Left, cell.Top, cell.Left + 16, cell.Top + 16), clNavy, lineWidth);
      cell.Left += 22;
    }
    for (bool expanded : {true, false}) {
      painter.DrawExpandMark(canvas, TRect(cell.Left, cell.Top, cell.Left + 16, cell.Top + 16), clNavy, expanded);
      cell.Left += 22;
    }
    for (int width : {10, 12, 16}) {
      painter.DrawFilledTriangle(canvas, TRect(cell.Left, cell.Top, cell.Left + width, cell.Top + 16), clMaroon);
      cell.Left += 22;
    }
    for (TcxArrowDirection direction : {adUp, adDown, adLeft, adRight}) {
      painter.DrawArrow(canvas, TRect(cell.Left, cell.Top, cell.Left + 16, cell.Top + 16), direction, clGreen);
      cell.Left += 22;
    }
  }
  sheet.Row(L"Container borders", 24);
  for (TcxContainerBorderStyle style : {cbsSingle, cbsThick, cbsFlat, cbs3D}) {
    const TRect cell = sheet.Cell(60);
    canvas->FillRect(cell, clWindow);
    painter.DrawContainerBorder(canvas, cell, style, style == cbsThick ? 2 : 1, clNavy, cxBordersAll);
  }
  sheet.Row(L"Separators", 24);
  {
    TRect cell = sheet.Cell(60);
    canvas->FillRect(cell, clBtnFace);
    painter.DoDrawSeparator(canvas, TRect(cell.Left + 10, cell.Top + 2, cell.Left + 12, cell.Bottom - 2), true);
    painter.DoDrawSeparator(canvas, TRect(cell.Left + 20, cell.Top + 11, cell.Right - 4, cell.Top + 13), false);
  }

  sheet.Row(L"Pictures", 130);
  {
    const TRect back = sheet.Cell(30);
    painter.BackButtonImage()->StretchDraw(canvas->Handle(), TRect(back.Left, back.Top, back.Right, back.Top + 120));
    const TRect pin = sheet.Cell(35);
    painter.MapPushpinImage()->StretchDraw(canvas->Handle(), TRect(pin.Left, pin.Top, pin.Right, pin.Top + 44));
    const TRect clock = sheet.Cell(130);
    painter.ClockFaceImage()->StretchDraw(canvas->Handle(), clock);
    painter.ClockGlassImage()->StretchDraw(canvas->Handle(), clock);
    const TRect rating = sheet.Cell(15);
    painter.RatingControlIndicatorImage()->StretchDraw(canvas->Handle(),
                                                       TRect(rating.Left, rating.Top, rating.Right, rating.Top + 48));
  }

  sheet.Row(L"Style icons", 48);
  for (const wchar_t* name : {L"Flat", L"Native", L"Office11", L"Standard", L"UltraFlat"}) {
    TNamedPainter named(name);
    TdxSkinDetails* details = nullptr;
    ASSERT_TRUE(named.GetPainterDetails(details));
    const TRect cell = sheet.Cell(76);
    details->GetIcon(sis16)->StretchDraw(canvas->Handle(), TRect(cell.Left, cell.Top, cell.Left + 16, cell.Top + 16));
    details->GetIcon(sis48)->StretchDraw(canvas->Handle(), TRect(cell.Left + 22, cell.Top, cell.Left + 70, cell.Bottom));
  }

  std::filesystem::create_directories("artifacts");
  sheet.Save(L"artifacts\\RootPainter.png");
  EXPECT_TRUE(std::filesystem::exists("artifacts/RootPainter.png"));
}
