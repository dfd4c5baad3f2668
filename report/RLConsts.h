#pragma once
// The report pieces' user-interface texts in six languages, and the record
// of the user's language that the report pieces read.
#include <array>

#include "vcl/rtl/System.h"
#include "vcl/rtl/UnitStartup.h"

#define RL_LOCALE_STRING_FIELDS(X)                                                      \
  X(LS_PrintingInProgressStr) X(LS_FilterInProgressStr) X(LS_PreparingReportStr)         \
  X(LS_PrinterNotFoundStr) X(LS_NoPathToPrinterStr) X(LS_LoadDefaultConfigStr)           \
  X(LS_PrinterDriverErrorStr) X(LS_PageStr) X(LS_PrepareErrorStr) X(LS_PageBreakStr)     \
  X(LS_PageMendStr) X(LS_ReportEndStr) X(LS_FileNotFoundStr) X(LS_FileNameStr)           \
  X(LS_AllFileTypesStr) X(LS_LoadReportStr) X(LS_NotFoundStr) X(LS_WaitStr)              \
  X(LS_FinishedStr) X(LS_CancelStr) X(LS_CloseStr) X(LS_SaveStr) X(LS_SendStr)           \
  X(LS_PrintStr) X(LS_AboutTheStr) X(LS_PreviewStr) X(LS_OfStr) X(LS_ZoomStr)            \
  X(LS_FirstPageStr) X(LS_PriorPageStr) X(LS_NextPageStr) X(LS_LastPageStr)              \
  X(LS_EntirePageStr) X(LS_EntireWidthStr) X(LS_MultiplePagesStr) X(LS_ConfigPrinterStr) \
  X(LS_SaveToFileStr) X(LS_SendToStr) X(LS_PrinterStr) X(LS_NameStr) X(LS_PrintToFileStr) \
  X(LS_PrintInBackgroundStr) X(LS_OptionsStr) X(LS_SaveInBackground) X(LS_PageRangeStr)  \
  X(LS_CopyAsImageStr) X(LS_RangeFromStr) X(LS_RangeToStr) X(LS_AllStr) X(LS_PagesStr)  \
  X(LS_SelectionStr) X(LS_CopiesStr) X(LS_NumberOfCopiesStr) X(LS_OkStr)                 \
  X(LS_DivideScreenStr) X(LS_InvalidNameStr) X(LS_DuplicateNameStr) X(LS_UseFilterStr)   \
  X(LS_WebPageStr) X(LS_RichFormatStr) X(LS_PDFFormatStr) X(LS_XLSFormatStr) X(LS_AtStr) \
  X(LS_FormStr) X(LS_DefaultStr) X(LS_ZoomInStr) X(LS_ZoomOutStr) X(LS_CopyStr)          \
  X(LS_EditStr) X(LS_FindCaptionStr) X(LS_TextToFindStr) X(LS_FindNextStr)               \
  X(LS_WholeWordsStr) X(LS_MatchCaseStr) X(LS_DirectionUpStr) X(LS_DirectionDownStr)     \
  X(LS_DirectionCaptionStr) X(LS_ColumnsStr) X(LS_SetupStr) X(LS_FontSizeError)         \
  X(LS_OddPages) X(LS_EvenPages) X(LS_OddPagesOnly) X(LS_EvenPagesOnly)                  \
  X(LS_AllOddAndEven) X(LS_PrintDialogError) X(LS_PageSelectionHint)                    \
  X(LS_DefaultJobTitle) X(LS_LastFooMsg)

// "&" marks a caption's accelerator letter; LS_DefaultJobTitle is a format
// taking the report's title; LS_LastFooMsg only closes the record (empty).
struct TRLLocaleStrings {
#define RL_DECLARE_FIELD(Name) String Name;
  RL_LOCALE_STRING_FIELDS(RL_DECLARE_FIELD)
#undef RL_DECLARE_FIELD
};

// The fields in record order, for code that walks every text.
struct TRLLocaleStringField {
  const wchar_t* Name;
  String TRLLocaleStrings::*Field;
};
extern const std::array<TRLLocaleStringField, 89> RLLocaleStringFields;

enum TRLLocaleLanguage { rllEnglish, rllPortuguese, rllFrench, rllSpanish, rllItalian, rllGerman };
extern const std::array<TRLLocaleStrings, 6> RLBuiltInLocaleStrings;
extern TRLLocaleStrings RLCurrentLocaleStrings;

// Makes the texts of the language with this primary language identifier
// current (English for a language without texts of its own).
void RLSelectLocaleStrings(int PrimaryLanguageId);
// The same for the user's primary user-interface language.
void RLSelectLocaleStrings();

extern const TUnitEntry RLConstsUnit;
