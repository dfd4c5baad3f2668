#include "components/editors/cxFilterConsts.h"

#include "components/core/dxCore.h"

const wchar_t* const cxFilterProductName = L"Filter Operators";

TResStringRec cxSFilterOperatorEqual{L"equals"};
TResStringRec cxSFilterOperatorNotEqual{L"does not equal"};
TResStringRec cxSFilterOperatorLess{L"is less than"};
TResStringRec cxSFilterOperatorLessEqual{L"is less than or equal to"};
TResStringRec cxSFilterOperatorGreater{L"is greater than"};
TResStringRec cxSFilterOperatorGreaterEqual{L"is greater than or equal to"};
TResStringRec cxSFilterOperatorLike{L"like"};
TResStringRec cxSFilterOperatorNotLike{L"not like"};
TResStringRec cxSFilterOperatorBetween{L"between"};
TResStringRec cxSFilterOperatorNotBetween{L"not between"};
TResStringRec cxSFilterOperatorInList{L"in"};
TResStringRec cxSFilterOperatorNotInList{L"not in"};
TResStringRec cxSFilterOperatorYesterday{L"is yesterday"};
TResStringRec cxSFilterOperatorToday{L"is today"};
TResStringRec cxSFilterOperatorTomorrow{L"is tomorrow"};
TResStringRec cxSFilterOperatorLast7Days{L"is last 7 days"};
TResStringRec cxSFilterOperatorLastWeek{L"is last week"};
TResStringRec cxSFilterOperatorLast14Days{L"is last 14 days"};
TResStringRec cxSFilterOperatorLastTwoWeeks{L"is last two weeks"};
TResStringRec cxSFilterOperatorLast30Days{L"is last 30 days"};
TResStringRec cxSFilterOperatorLastMonth{L"is last month"};
TResStringRec cxSFilterOperatorLastYear{L"is last year"};
TResStringRec cxSFilterOperatorPast{L"is past"};
TResStringRec cxSFilterOperatorThisWeek{L"is this week"};
TResStringRec cxSFilterOperatorThisMonth{L"is this month"};
TResStringRec cxSFilterOperatorThisYear{L"is this year"};
TResStringRec cxSFilterOperatorNext7Days{L"is next 7 days"};
TResStringRec cxSFilterOperatorNextWeek{L"is next week"};
TResStringRec cxSFilterOperatorNext14Days{L"is next 14 days"};
TResStringRec cxSFilterOperatorNextTwoWeeks{L"is next two weeks"};
TResStringRec cxSFilterOperatorNext30Days{L"is next 30 days"};
TResStringRec cxSFilterOperatorNextMonth{L"is next month"};
TResStringRec cxSFilterOperatorNextYear{L"is next year"};
TResStringRec cxSFilterOperatorFuture{L"is future"};
TResStringRec cxSFilterAndCaption{L"and"};
TResStringRec cxSFilterOrCaption{L"or"};
TResStringRec cxSFilterNotCaption{L"not"};
TResStringRec cxSFilterBlankCaption{L"blank"};
TResStringRec cxSFilterOperatorIsNull{L"is blank"};
TResStringRec cxSFilterOperatorIsNotNull{L"is not blank"};
TResStringRec cxSFilterOperatorBeginsWith{L"begins with"};
TResStringRec cxSFilterOperatorDoesNotBeginWith{L"does not begin with"};
TResStringRec cxSFilterOperatorEndsWith{L"ends with"};
TResStringRec cxSFilterOperatorDoesNotEndWith{L"does not end with"};
TResStringRec cxSFilterOperatorContains{L"contains"};
TResStringRec cxSFilterOperatorDoesNotContain{L"does not contain"};
TResStringRec cxSFilterBoxAllCaption{L"(All)"};
TResStringRec cxSFilterBoxCustomCaption{L"(Custom...)"};
TResStringRec cxSFilterBoxBlanksCaption{L"(Blanks)"};
TResStringRec cxSFilterBoxNonBlanksCaption{L"(NonBlanks)"};

#define CX_RES_STRING_ENTRY(Name) {VCL_WSTR_(Name), &Name}

std::span<const TcxResStringEntry> cxFilterResStrings() {
  static const TcxResStringEntry entries[] = {
      CX_RES_STRING_ENTRY(cxSFilterOperatorEqual),
      CX_RES_STRING_ENTRY(cxSFilterOperatorNotEqual),
      CX_RES_STRING_ENTRY(cxSFilterOperatorLess),
      CX_RES_STRING_ENTRY(cxSFilterOperatorLessEqual),
      CX_RES_STRING_ENTRY(cxSFilterOperatorGreater),
      CX_RES_STRING_ENTRY(cxSFilterOperatorGreaterEqual),
      CX_RES_STRING_ENTRY(cxSFilterOperatorLike),
      CX_RES_STRING_ENTRY(cxSFilterOperatorNotLike),
      CX_RES_STRING_ENTRY(cxSFilterOperatorBetween),
      CX_RES_STRING_ENTRY(cxSFilterOperatorNotBetween),
      CX_RES_STRING_ENTRY(cxSFilterOperatorInList),
      CX_RES_STRING_ENTRY(cxSFilterOperatorNotInList),
      CX_RES_STRING_ENTRY(cxSFilterOperatorYesterday),
      CX_RES_STRING_ENTRY(cxSFilterOperatorToday),
      CX_RES_STRING_ENTRY(cxSFilterOperatorTomorrow),
      CX_RES_STRING_ENTRY(cxSFilterOperatorLast7Days),
      CX_RES_STRING_ENTRY(cxSFilterOperatorLastWeek),
      CX_RES_STRING_ENTRY(cxSFilterOperatorLast14Days),
      CX_RES_STRING_ENTRY(cxSFilterOperatorLastTwoWeeks),
      CX_RES_STRING_ENTRY(cxSFilterOperatorLast30Days),
      CX_RES_STRING_ENTRY(cxSFilterOperatorLastMonth),
      CX_RES_STRING_ENTRY(cxSFilterOperatorLastYear),
      CX_RES_STRING_ENTRY(cxSFilterOperatorPast),
      CX_RES_STRING_ENTRY(cxSFilterOperatorThisWeek),
      CX_RES_STRING_ENTRY(cxSFilterOperatorThisMonth),
      CX_RES_STRING_ENTRY(cxSFilterOperatorThisYear),
      CX_RES_STRING_ENTRY(cxSFilterOperatorNext7Days),
      CX_RES_STRING_ENTRY(cxSFilterOperatorNextWeek),
      CX_RES_STRING_ENTRY(cxSFilterOperatorNext14Days),
      CX_RES_STRING_ENTRY(cxSFilterOperatorNextTwoWeeks),
      CX_RES_STRING_ENTRY(cxSFilterOperatorNext30Days),
      CX_RES_STRING_ENTRY(cxSFilterOperatorNextMonth),
      CX_RES_STRING_ENTRY(cxSFilterOperatorNextYear),
      CX_RES_STRING_ENTRY(cxSFilterOperatorFuture),
      CX_RES_STRING_ENTRY(cxSFilterAndCaption),
      CX_RES_STRING_ENTRY(cxSFilterOrCaption),
      CX_RES_STRING_ENTRY(cxSFilterNotCaption),
      CX_RES_STRING_ENTRY(cxSFilterBlankCaption),
      CX_RES_STRING_ENTRY(cxSFilterOperatorIsNull),
      CX_RES_STRING_ENTRY(cxSFilterOperatorIsNotNull),
      CX_RES_STRING_ENTRY(cxSFilterOperatorBeginsWith),
      CX_RES_STRING_ENTRY(cxSFilterOperatorDoesNotBeginWith),
      CX_RES_STRING_ENTRY(cxSFilterOperatorEndsWith),
      CX_RES_STRING_ENTRY(cxSFilterOperatorDoesNotEndWith),
      CX_RES_STRING_ENTRY(cxSFilterOperatorContains),
      CX_RES_STRING_ENTRY(cxSFilterOperatorDoesNotContain),
      CX_RES_STRING_ENTRY(cxSFilterBoxAllCaption),
      CX_RES_STRING_ENTRY(cxSFilterBoxCustomCaption),
      CX_RES_STRING_ENTRY(cxSFilterBoxBlanksCaption),
      CX_RES_STRING_ENTRY(cxSFilterBoxNonBlanksCaption),
  };
  return entries;
}

#undef CX_RES_STRING_ENTRY

namespace {

void AddFilterResourceStringNames(TdxProductResourceStrings* AProduct) {
  for (const TcxResStringEntry& entry : cxFilterResStrings()) AProduct->Add(entry.Name, entry.ResString);
}

}  // namespace

const TUnitEntry cxFilterConstsUnit{L"cxFilterConsts",
                                    [] {
                                      if (TdxResourceStringsRepository* repository = dxResStringsRepositoryInstance())
                                        repository->RegisterProduct(cxFilterProductName, AddFilterResourceStringNames);
                                    },
                                    [] {
                                      if (TdxResourceStringsRepository* repository = dxResStringsRepositoryInstance())
                                        repository->UnRegisterProduct(cxFilterProductName);
                                    }};
