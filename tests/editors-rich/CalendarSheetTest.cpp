// Sheets of the calendar in every look: classic date and date-time, and
// the modern month, year, decade and century levels, for a person to look at.
#include <gtest/gtest.h>

#include <filesystem>

#include "components/editors-rich/cxCalendar.h"
#include "tests/editors-rich/CalendarFixture.h"
#include "tests/guiharness/WindowCapture.h"

namespace {

using CalendarSheet = CalendarFixture;

struct TVariant {
  const char* Name;
  TcxCalendarView View;
  TcxCalendarKind Kind;
  TcxCalendarModernDateViewStyle Level;
};

}  // namespace

TEST_F(CalendarSheet, EveryViewAndLevelInEveryLook) {
  const TVariant variants[] = {
      {"Classic", cavClassic, ckDate, cvdsMonth},      {"Classic date-time", cavClassic, ckDateTime, cvdsMonth},
      {"Modern month", cavModern, ckDate, cvdsMonth},  {"Modern year", cavModern, ckDate, cvdsYear},
      {"Modern decade", cavModern, ckDate, cvdsDecade}, {"Modern century", cavModern, ckDate, cvdsCentury},
  };
  Calendar->SetVisible(false);  // the fixture's own would cover the captures
  const int cellWidth = 420, cellHeight = 300, left = 110, top = 20;
  TcxBitmap sheet(left + std::size(variants) * cellWidth, top + std::size(AllLooks) * cellHeight, pf32bit);
  TcxCanvas* canvas = sheet.cxCanvas();
  canvas->FillRect(sheet.ClientRect(), clWhite);
  canvas->Brush()->SetStyle(bsClear);
  auto label = [&](const std::string& AText, int X, int Y) {
    canvas->Canvas()->TextOut(X, Y, String(AText.begin(), AText.end()));
  };
  for (size_t v = 0; v < std::size(variants); ++v) label(variants[v].Name, left + v * cellWidth, 2);
  for (size_t l = 0; l < std::size(AllLooks); ++l) {
    const int y = top + l * cellHeight;
    label(LookName(AllLooks[l]), 4, y + 20);
    for (size_t v = 0; v < std::size(variants); ++v) {
      const TVariant& variant = variants[v];
      auto* calendar = Add<TcxCustomCalendar>(10, 10);
      calendar->SetAnimation(false);
      SetLook(calendar->LookAndFeel(), AllLooks[l]);
      calendar->SetView(variant.View);
      calendar->SetKind(variant.Kind);
      calendar->SetWeekNumbers(variant.View == cavClassic && variant.Kind == ckDate);
      calendar->SetShowToday(variant.View == cavModern);
      calendar->SetTime(0.4375);
      calendar->SetSelectDate(EncodeDate(2024, 5, 17));
      if (variant.View == cavModern)
        static_cast<TcxCalendarModernViewInfo*>(calendar->ViewInfo())->ModernDateViewInfo()->ChangeViewStyle(
            variant.Level, false);
      std::unique_ptr<TBitmap> image = CaptureWindow(calendar);
      EXPECT_GT(image->Width(), 100);
      // The selected cell is painted in the selection's colour or shape.
      TcxCalendarDateTableViewInfo* table = calendar->ViewInfo()->DateViewInfo()->CurrentTable();
      ASSERT_NE(table->GetSelectedCell(), nullptr);
      const TRect selected = table->GetSelectedCell()->Bounds();
      EXPECT_NE(PixelColor(*image, selected.Left + 1, selected.Top + 1), calendar->GetBackgroundColor() & 0xFFFFFF)
          << variant.Name << " " << LookName(AllLooks[l]);
      BitBlt(canvas->Handle(), left + v * cellWidth, y, std::min(image->Width(), cellWidth - 10),
             std::min(image->Height(), cellHeight - 10), image->Canvas()->Handle(), 0, 0, SRCCOPY);
      delete calendar;
    }
  }
  std::filesystem::create_directories("artifacts");
  SaveAsPng(sheet, L"artifacts\\Calendars.png");
  EXPECT_TRUE(std::filesystem::exists("artifacts/Calendars.png"));
}
