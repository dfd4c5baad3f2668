#pragma once
// Locale-aware comparison of wide texts: the platform's own comparison on
// the NT family, the ANSI one of the locale's code page elsewhere; and the
// Unicode property data the program carries as resources of type
// "UNICODEDATA", read on first use.
#include <cstdint>
#include <vector>

#include "vcl/classes/TypInfo.h"
#include "vcl/rtl/Sets.h"
#include "vcl/rtl/System.h"
#include "vcl/rtl/UnitStartup.h"

class TUclCriticalSection;

// -1, 0 or 1 ignoring case; -2 when the platform cannot compare.
using TUnicodeCompareFunction = int (*)(const String& A, const String& B, uint32_t Locale);
extern TUnicodeCompareFunction UnicodeCompareFunction;
extern TUclCriticalSection* UnicodeDataLock;

// The locale's ANSI code page, or the system's when the locale names none.
uint32_t CodePageOfLocale(uint32_t Locale);
int CompareWideTextNative(const String& A, const String& B, uint32_t Locale);
int CompareWideTextAnsi(const String& A, const String& B, uint32_t Locale);

void PrepareUnicodeCategoryData();
void ReleaseUnicodeData();

// ---------------------------------------------------------------- property data

using UCS4 = uint32_t;
using TUCS4Array = std::vector<UCS4>;

// A code point's general category, then its bidirectional class.
enum class TCharacterCategory {
  ccLetterUppercase, ccLetterLowercase, ccLetterTitlecase, ccLetterModifier, ccLetterOther,
  ccMarkNonSpacing, ccMarkSpacingCombining, ccMarkEnclosing,
  ccNumberDecimalDigit, ccNumberLetter, ccNumberOther,
  ccPunctuationConnector, ccPunctuationDash, ccPunctuationOpen, ccPunctuationClose,
  ccPunctuationInitialQuote, ccPunctuationFinalQuote, ccPunctuationOther,
  ccSymbolMath, ccSymbolCurrency, ccSymbolModifier, ccSymbolOther,
  ccSeparatorSpace, ccSeparatorLine, ccSeparatorParagraph,
  ccOtherControl, ccOtherFormat, ccOtherSurrogate, ccOtherPrivate, ccOtherUnassigned,
  ccLeftToRight, ccRightToLeft, ccRightToLeftArabic, ccEuropeanNumber, ccEuropeanNumberSeparator,
  ccEuropeanNumberTerminator, ccArabicNumber, ccCommonNumberSeparator, ccNonSpacingMark,
  ccBoundaryNeutral, ccParagraphSeparator, ccSegmentSeparator, ccWhiteSpace, ccOtherNeutrals,
  ccLeftToRightEmbedding, ccLeftToRightOverride, ccRightToLeftEmbedding, ccRightToLeftOverride,
  ccPopDirectionalFormat, ccLeftToRightIsolate, ccRightToLeftIsolate, ccFirstStrongIsolate,
  ccPopDirectionalIsolate
};
using enum TCharacterCategory;
using TCharacterCategories = TSet<TCharacterCategory>;

// The kind of a decomposition: canonical, or the compatibility tag.
enum class TCompatibilityFormattingTag {
  cftCanonical, cftFont, cftNoBreak, cftInitial, cftMedial, cftFinal, cftIsolated, cftCircle,
  cftSuper, cftSub, cftVertical, cftWide, cftNarrow, cftSmall, cftSquare, cftFraction, cftCompat
};
using enum TCompatibilityFormattingTag;

enum class TCaseType { ctFold, ctLower, ctTitle, ctUpper };
using enum TCaseType;

// A numeric value as a fraction.
struct TUcNumber {
  int64_t Numerator = 0;
  int32_t Denominator = 1;
};

// The type information of the property types.
extern const TTypeInfo CharacterCategoryTypeInfo;
extern const TTypeInfo CharacterCategoriesTypeInfo;
extern const TTypeInfo CompatibilityFormattingTagTypeInfo;
extern const TTypeInfo CaseTypeTypeInfo;
extern const TTypeInfo UcNumberTypeInfo;

// Each reads its resource from the executable on first use; a resource
// that is missing or damaged raises EUclInternalError.
// The code point's general category and bidirectional class.
TCharacterCategories CategoryLookup(UCS4 Code);
// The full mapping of the code point for the case (the code point itself
// when it has none).
TUCS4Array CaseLookup(UCS4 Code, TCaseType CaseType);
uint8_t CanonicalCombiningClass(UCS4 Code);
// One step of the code point's decomposition: empty when it has none.
TUCS4Array DecompositionLookup(UCS4 Code, TCompatibilityFormattingTag& Tag);
// False for a code point without a numeric value.
bool NumberLookup(UCS4 Code, TUcNumber& Number);
// The canonical composite of a pair, false when the pair does not compose.
bool CompositionLookup(UCS4 First, UCS4 Second, UCS4& Composite);

extern const TUnitEntry UclUnicodeUnit;
