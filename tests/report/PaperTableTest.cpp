// The paper-size table against the platform's own paper codes.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "report/RLTypes.h"
#include "vcl/rtl/WinApi.h"

namespace {

// The platform's definition of each paper code the table uses: width and
// height in millimetres (inch sizes converted).
struct TPlatformPaper {
  int32_t Code;
  double Width, Height;
};
constexpr double Inch = 25.4;
const TPlatformPaper PlatformPapers[] = {
    {DMPAPER_LETTER, 8.5 * Inch, 11 * Inch},
    {DMPAPER_LETTERSMALL, 8.5 * Inch, 11 * Inch},
    {DMPAPER_TABLOID, 11 * Inch, 17 * Inch},
    {DMPAPER_LEDGER, 17 * Inch, 11 * Inch},
    {DMPAPER_LEGAL, 8.5 * Inch, 14 * Inch},
    {DMPAPER_STATEMENT, 5.5 * Inch, 8.5 * Inch},
    {DMPAPER_EXECUTIVE, 7.25 * Inch, 10.5 * Inch},
    {DMPAPER_A3, 297, 420},
    {DMPAPER_A4, 210, 297},
    {DMPAPER_A4SMALL, 210, 297},
    {DMPAPER_A5, 148, 210},
    {DMPAPER_B4, 250, 354},
    {DMPAPER_FOLIO, 8.5 * Inch, 13 * Inch},
    {DMPAPER_QUARTO, 215, 275},
    {DMPAPER_10X14, 10 * Inch, 14 * Inch},
    {DMPAPER_11X17, 11 * Inch, 17 * Inch},
    {DMPAPER_NOTE, 8.5 * Inch, 11 * Inch},
    {DMPAPER_ENV_9, 3.875 * Inch, 8.875 * Inch},
    {DMPAPER_ENV_10, 4.125 * Inch, 9.5 * Inch},
    {DMPAPER_ENV_11, 4.5 * Inch, 10.375 * Inch},
    {DMPAPER_ENV_12, 4.75 * Inch, 11 * Inch},
    {DMPAPER_ENV_14, 5 * Inch, 11.5 * Inch},
    {DMPAPER_ENV_DL, 110, 220},
    {DMPAPER_ENV_C5, 162, 229},
    {DMPAPER_ENV_C3, 324, 458},
    {DMPAPER_ENV_C4, 229, 324},
    {DMPAPER_ENV_C6, 114, 162},
    {DMPAPER_ENV_C65, 114, 229},
    {DMPAPER_ENV_B4, 250, 353},
    {DMPAPER_ENV_B5, 176, 250},
    {DMPAPER_ENV_B6, 176, 125},
    {DMPAPER_ENV_ITALY, 110, 230},
    {DMPAPER_ENV_MONARCH, 3.875 * Inch, 7.5 * Inch},
    {DMPAPER_ENV_PERSONAL, 3.625 * Inch, 6.5 * Inch},
    {DMPAPER_FANFOLD_US, 14.875 * Inch, 11 * Inch},
    {DMPAPER_FANFOLD_STD_GERMAN, 8.5 * Inch, 12 * Inch},
    {DMPAPER_FANFOLD_LGL_GERMAN, 8.5 * Inch, 13 * Inch},
    {DMPAPER_ISO_B4, 250, 353},
    {DMPAPER_JAPANESE_POSTCARD, 100, 148},
    {DMPAPER_9X11, 9 * Inch, 11 * Inch},
    {DMPAPER_10X11, 10 * Inch, 11 * Inch},
    {DMPAPER_15X11, 15 * Inch, 11 * Inch},
    {DMPAPER_ENV_INVITE, 220, 220},
    {DMPAPER_LETTER_EXTRA, 9.5 * Inch, 12 * Inch},
    {DMPAPER_LEGAL_EXTRA, 9.5 * Inch, 15 * Inch},
    {DMPAPER_TABLOID_EXTRA, 11.69 * Inch, 18 * Inch},
    {DMPAPER_A4_EXTRA, 9.27 * Inch, 12.69 * Inch},
    {DMPAPER_LETTER_TRANSVERSE, 8.5 * Inch, 11 * Inch},
    {DMPAPER_A4_TRANSVERSE, 210, 297},
    {DMPAPER_LETTER_EXTRA_TRANSVERSE, 9.5 * Inch, 12 * Inch},
    {DMPAPER_A_PLUS, 227, 356},
    {DMPAPER_B_PLUS, 305, 487},
    {DMPAPER_LETTER_PLUS, 8.5 * Inch, 12.69 * Inch},
    {DMPAPER_A4_PLUS, 210, 330},
    {DMPAPER_A5_TRANSVERSE, 148, 210},
    {DMPAPER_B5_TRANSVERSE, 182, 257},
    {DMPAPER_A3_EXTRA, 322, 445},
    {DMPAPER_A5_EXTRA, 174, 235},
    {DMPAPER_B5_EXTRA, 201, 276},
    {DMPAPER_A2, 420, 594},
    {DMPAPER_A3_TRANSVERSE, 297, 420},
    {DMPAPER_A3_EXTRA_TRANSVERSE, 322, 445},
    {DMPAPER_DBL_JAPANESE_POSTCARD, 200, 148},
    {DMPAPER_A6, 105, 148},
    {DMPAPER_B6_JIS, 128, 182},
    {DMPAPER_12X11, 12 * Inch, 11 * Inch},
    {DMPAPER_P16K, 146, 215},
    {DMPAPER_P32K, 97, 151},
    {DMPAPER_P32KBIG, 97, 151},
    {DMPAPER_PENV_1, 102, 165},
    {DMPAPER_PENV_2, 102, 176},
    {DMPAPER_PENV_3, 125, 176},
    {DMPAPER_PENV_4, 110, 208},
    {DMPAPER_PENV_5, 110, 220},
    {DMPAPER_PENV_6, 120, 230},
    {DMPAPER_PENV_7, 160, 230},
    {DMPAPER_PENV_8, 120, 309},
    {DMPAPER_PENV_9, 229, 324},
    {DMPAPER_PENV_10, 324, 458},
};

const TPlatformPaper* FindPlatformPaper(int32_t Code) {
  for (const auto& paper : PlatformPapers)
    if (paper.Code == Code) return &paper;
  return nullptr;
}

}  // namespace

TEST(PaperTableTest, EveryPaperCodeIsThePlatformsCodeForThatSize) {
  std::set<int32_t> codes;
  int coded = 0;
  for (int index = 0; index < RLPaperInfoCount; ++index) {
    const TRLPaperInfo& info = RLPaperInfoTable[index];
    SCOPED_TRACE(info.Description);
    EXPECT_FALSE(info.Description.empty());
    EXPECT_EQ(info.Emulated, info.SystemCode == 0);
    if (info.Emulated || info.SystemCode == DMPAPER_USER) continue;
    ++coded;
    EXPECT_TRUE(codes.insert(info.SystemCode).second) << "code shared: " << info.SystemCode;
    const TPlatformPaper* paper = FindPlatformPaper(info.SystemCode);
    ASSERT_NE(nullptr, paper) << "not a platform paper code: " << info.SystemCode;
    // The platform rounds some of its sizes to whole or half millimetres.
    EXPECT_NEAR(paper->Width, info.Width, 1.0);
    EXPECT_NEAR(paper->Height, info.Height, 1.0);
  }
  EXPECT_EQ(78, coded);
}

TEST(PaperTableTest, EntriesKeepTheirNumbersSizesAndCodes) {
  const struct {
    int Index;
    const wchar_t* Description;
    double Width, Height;
    int32_t Code;
  } cases[] = {
      {0, L"A0 841 x 1189 mm", 841, 1189, 0},
      {4, L"A4 210 x 297 mm", 210, 297, DMPAPER_A4},
      {15, L"B4 250 x 353 mm", 250, 353, DMPAPER_ISO_B4},
      {16, L"B5 176 x 250 mm", 176, 250, 0},
      {17, L"B6 125 x 176 mm", 125, 176, 0},
      {45, L"A4 Small 210 x 297 mm", 210, 297, DMPAPER_A4SMALL},
      {52, L"B4 (JIS) 250 x 354", 250, 354, 0},
      {55, L"B6 (JIS) 128 x 182 mm", 128, 182, DMPAPER_B6_JIS},
      {64, L"Envelope B6 176 x 125 mm", 176, 125, DMPAPER_ENV_B6},
      {83, L"Letter 215.9 x 279.4 mm", 215.9, 279.4, DMPAPER_LETTER},
      {92, L"Note 215.9 x 279.4 mm", 215.9, 279.4, DMPAPER_NOTE},
      {98, L"Letter Small 215.9 x 279.4 mm", 215.9, 279.4, DMPAPER_LETTERSMALL},
      {121, L"Foolscap 419 x 336 mm", 419, 336, 0},
      {139, L"Imperial 761 x 559 mm", 761, 559, 0},
      {140, L"User Defined", 0, 0, DMPAPER_USER},
  };
  for (const auto& c : cases) {
    const TRLPaperInfo& info = RLPaperInfoTable[c.Index];
    SCOPED_TRACE(c.Index);
    EXPECT_EQ(c.Description, info.Description);
    EXPECT_DOUBLE_EQ(c.Width, info.Width);
    EXPECT_DOUBLE_EQ(c.Height, info.Height);
    EXPECT_EQ(c.Code, info.SystemCode);
    EXPECT_EQ(c.Code == 0, info.Emulated);
  }
}
