// The report texts of each language and the choice by the user's language.
#include <gtest/gtest.h>

#include "report/RLConsts.h"
#include "vcl/rtl/SysUtils.h"
#include "vcl/rtl/WinApi.h"

namespace {

// Restores the texts of the user's language after a test chose others.
class LocaleStringsTest : public ::testing::Test {
protected:
  void TearDown() override { RLSelectLocaleStrings(); }
};

}  // namespace

TEST_F(LocaleStringsTest, TheUsersPrimaryLanguageChoosesTheTexts) {
  const struct {
    int LanguageId;
    TRLLocaleLanguage Expected;
  } cases[] = {
      {LANG_ENGLISH, rllEnglish},   {LANG_PORTUGUESE, rllPortuguese}, {LANG_FRENCH, rllFrench},
      {LANG_SPANISH, rllSpanish},   {LANG_ITALIAN, rllItalian},       {LANG_GERMAN, rllGerman},
      {LANG_SWEDISH, rllEnglish},   {LANG_JAPANESE, rllEnglish},      {LANG_NEUTRAL, rllEnglish},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.LanguageId);
    RLSelectLocaleStrings(c.LanguageId);
    for (const auto& field : RLLocaleStringFields)
      EXPECT_EQ(RLBuiltInLocaleStrings[c.Expected].*field.Field, RLCurrentLocaleStrings.*field.Field)
          << field.Name;
  }
}

TEST_F(LocaleStringsTest, APortugueseSystemShowsPortugueseWhilePrinting) {
  RLSelectLocaleStrings(LANG_PORTUGUESE);
  EXPECT_EQ(L"Imprimindo o relatório...", RLCurrentLocaleStrings.LS_PrintingInProgressStr);
  EXPECT_EQ(L"Relatório \"Vendas\"",
            Format(RLCurrentLocaleStrings.LS_DefaultJobTitle, {L"Vendas"}));
}

TEST_F(LocaleStringsTest, EveryLanguageHasEveryTextInItsFieldOrder) {
  for (size_t language = 0; language < RLBuiltInLocaleStrings.size(); ++language) {
    const TRLLocaleStrings& texts = RLBuiltInLocaleStrings[language];
    SCOPED_TRACE(language);
    for (const auto& field : RLLocaleStringFields) {
      if (field.Field == &TRLLocaleStrings::LS_LastFooMsg) continue;  // closes the record
      EXPECT_FALSE((texts.*field.Field).empty()) << field.Name;
    }
    EXPECT_TRUE(texts.LS_LastFooMsg.empty());
    // Fields that only fit their own place show a record out of step.
    EXPECT_NE(String::npos, texts.LS_PageSelectionHint.find(L"1;3;5-12;4"));
    EXPECT_EQ(1, static_cast<int>(std::count(texts.LS_DefaultJobTitle.begin(),
                                             texts.LS_DefaultJobTitle.end(), L'%')));
    EXPECT_NE(String::npos, texts.LS_DefaultJobTitle.find(L"%s"));
  }
}

TEST_F(LocaleStringsTest, NoLanguageCarriesAnotherLanguagesSentences) {
  const String TRLLocaleStrings::*sentences[] = {
      &TRLLocaleStrings::LS_PrintingInProgressStr, &TRLLocaleStrings::LS_PreparingReportStr,
      &TRLLocaleStrings::LS_NoPathToPrinterStr,    &TRLLocaleStrings::LS_PrinterNotFoundStr,
      &TRLLocaleStrings::LS_CopyAsImageStr,        &TRLLocaleStrings::LS_PageSelectionHint,
      &TRLLocaleStrings::LS_PrintDialogError,      &TRLLocaleStrings::LS_NumberOfCopiesStr,
  };
  for (auto field : sentences)
    for (size_t a = 0; a < RLBuiltInLocaleStrings.size(); ++a)
      for (size_t b = a + 1; b < RLBuiltInLocaleStrings.size(); ++b)
        EXPECT_NE(RLBuiltInLocaleStrings[a].*field, RLBuiltInLocaleStrings[b].*field)
            << "records " << a << " and " << b;
}
