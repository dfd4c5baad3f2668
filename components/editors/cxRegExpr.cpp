#include "components/editors/cxRegExpr.h"

#include <algorithm>

#include "components/editors/cxEditConsts.h"
#include "vcl/rtl/FormatSettings.h"

namespace {

String Res(const TResStringRec& AResString) { return LoadResString(&AResString); }

String ResFmt(const TResStringRec& AResString, const String& AArgument) {
  return Format(Res(AResString), {AArgument});
}

// The text the messages about quotes are formatted with.
const String QuoteText = L" ' ";

Char UpperChar(Char C) { return AnsiUpperCase(String(1, C))[0]; }

}  // namespace

// ---------------------------------------------------------------- errors

String TcxRegExprError::FullMessage() const {
  String Result;
  if (FLine > 0) {
    Result = Res(scxRegExprLine) + IntToStr(FLine);
    if (FChar > 0) Result += L", " + Res(scxRegExprChar) + IntToStr(FChar);
    Result += L": ";
  }
  return Result + FMessage;
}

namespace {
String JoinedMessages(const TcxRegExprErrors& AErrors) {
  String Result;
  for (int I = 0; I < AErrors.Count(); ++I) {
    if (I > 0) Result += L"\r\n";
    Result += AErrors.GetItems(I).FullMessage();
  }
  return Result;
}
}  // namespace

EcxRegExprError::EcxRegExprError(const TcxRegExprErrors& AErrors)
    : EcxEditError(JoinedMessages(AErrors)), FErrors(AErrors.Clone()) {}

// ---------------------------------------------------------------- characters

bool TcxRegExprSymbol::Check(Char& AToken, bool ACaseInsensitive, bool ACanChangeCase) const {
  if (AToken == FValue) return true;
  if (!ACaseInsensitive || UpperChar(AToken) != UpperChar(FValue)) return false;
  if (ACanChangeCase) AToken = FValue;
  return true;
}

std::unique_ptr<TcxRegExprItem> TcxRegExprSymbol::Clone() const { return std::make_unique<TcxRegExprSymbol>(FValue); }

bool TcxRegExprSymbol::Literal(Char& ASymbol) const {
  ASymbol = FValue;
  return true;
}

bool TcxRegExprTimeSeparator::Check(Char& AToken, bool, bool) const { return AToken == FormatSettings.TimeSeparator; }

std::unique_ptr<TcxRegExprItem> TcxRegExprTimeSeparator::Clone() const {
  return std::make_unique<TcxRegExprTimeSeparator>();
}

bool TcxRegExprTimeSeparator::Literal(Char& ASymbol) const {
  ASymbol = FormatSettings.TimeSeparator;
  return true;
}

bool TcxRegExprDateSeparator::Check(Char& AToken, bool, bool) const { return AToken == FormatSettings.DateSeparator; }

std::unique_ptr<TcxRegExprItem> TcxRegExprDateSeparator::Clone() const {
  return std::make_unique<TcxRegExprDateSeparator>();
}

bool TcxRegExprDateSeparator::Literal(Char& ASymbol) const {
  ASymbol = FormatSettings.DateSeparator;
  return true;
}

bool TcxRegExprSubrange::Check(Char& AToken, bool, bool) const {
  return FStartValue <= AToken && AToken <= FFinishValue;
}

std::unique_ptr<TcxRegExprItem> TcxRegExprSubrange::Clone() const {
  return std::make_unique<TcxRegExprSubrange>(FStartValue, FFinishValue);
}

bool TcxRegExprEnumeration::Check(Char& AToken, bool ACaseInsensitive, bool ACanChangeCase) const {
  return IsMember(AToken, ACaseInsensitive, ACanChangeCase) != FInverse;
}

bool TcxRegExprUserEnumeration::IsMember(Char& AToken, bool ACaseInsensitive, bool ACanChangeCase) const {
  for (const auto& Item : FItems)
    if (Item->Check(AToken, false, false)) return true;
  if (ACaseInsensitive)
    for (const auto& Item : FItems)
      if (Item->Check(AToken, true, ACanChangeCase)) return true;
  return false;
}

std::unique_ptr<TcxRegExprItem> TcxRegExprUserEnumeration::Clone() const {
  auto Result = std::make_unique<TcxRegExprUserEnumeration>(FInverse);
  for (const auto& Item : FItems) Result->Add(Item->Clone());
  return Result;
}

bool TcxRegExprDigit::IsMember(Char& AToken, bool, bool) const { return AToken >= L'0' && AToken <= L'9'; }

std::unique_ptr<TcxRegExprItem> TcxRegExprDigit::Clone() const { return std::make_unique<TcxRegExprDigit>(FInverse); }

bool TcxRegExprIdLetter::IsMember(Char& AToken, bool, bool) const {
  return (AToken >= L'a' && AToken <= L'z') || (AToken >= L'A' && AToken <= L'Z') ||
         (AToken >= L'0' && AToken <= L'9') || AToken == L'_';
}

std::unique_ptr<TcxRegExprItem> TcxRegExprIdLetter::Clone() const {
  return std::make_unique<TcxRegExprIdLetter>(FInverse);
}

bool TcxRegExprSpace::IsBlank(Char C) {
  return C == 0x20 || C == 0x00 || C == 0x09 || C == 0x0A || C == 0x0C || C == 0x0D;
}

bool TcxRegExprSpace::IsMember(Char& AToken, bool, bool) const { return IsBlank(AToken); }

std::unique_ptr<TcxRegExprItem> TcxRegExprSpace::Clone() const { return std::make_unique<TcxRegExprSpace>(FInverse); }

std::unique_ptr<TcxRegExprItem> TcxRegExprAll::Clone() const { return std::make_unique<TcxRegExprAll>(); }

// ---------------------------------------------------------------- quantifiers

std::unique_ptr<TcxRegExprQuantifier> TcxRegExprSimpleQuantifier::Clone() const {
  return std::make_unique<TcxRegExprSimpleQuantifier>();
}

std::unique_ptr<TcxRegExprQuantifier> TcxRegExprQuestionQuantifier::Clone() const {
  return std::make_unique<TcxRegExprQuestionQuantifier>();
}

std::unique_ptr<TcxRegExprQuantifier> TcxRegExprStarQuantifier::Clone() const {
  return std::make_unique<TcxRegExprStarQuantifier>();
}

std::unique_ptr<TcxRegExprQuantifier> TcxRegExprPlusQuantifier::Clone() const {
  return std::make_unique<TcxRegExprPlusQuantifier>();
}

// ---------------------------------------------------------------- states

void TcxRegExprStates::Add(TcxRegExprSimpleState* AState) {
  if (std::find(FStates.begin(), FStates.end(), AState) == FStates.end()) FStates.push_back(AState);
}

bool TcxRegExprStates::IsFinal() const {
  return std::any_of(FStates.begin(), FStates.end(), [](const TcxRegExprSimpleState* S) { return S->IsFinal(); });
}

bool TcxRegExprStates::Equ(Char& ASymbol) const {
  if (FStates.empty()) return false;
  for (size_t I = 0; I < FStates.size(); ++I) {
    Char Symbol = 0;
    const TcxRegExprItem* Item = FStates[I]->Value();
    if (!Item || !Item->Literal(Symbol)) return false;
    if (I > 0 && Symbol != ASymbol) return false;
    ASymbol = Symbol;
  }
  return true;
}

void TcxRegExprState::Add(TcxRegExprState* AState) {
  if (std::find(FStates.begin(), FStates.end(), AState) == FStates.end()) FStates.push_back(AState);
}

namespace {
void AddOnce(std::vector<TcxRegExprSimpleState*>& AStates, TcxRegExprSimpleState* AState) {
  if (std::find(AStates.begin(), AStates.end(), AState) == AStates.end()) AStates.push_back(AState);
}
}  // namespace

const std::vector<TcxRegExprSimpleState*>& TcxRegExprSimpleState::NextStates() {
  if (!FNextStatesMade) {
    std::vector<TcxRegExprSimpleState*> Self;
    for (TcxRegExprState* State : States()) {
      Self.clear();
      State->GetSelf(Self);
      for (TcxRegExprSimpleState* S : Self) AddOnce(FNextStates, S);
    }
    FNextStatesMade = true;
  }
  return FNextStates;
}

// A group's entry or exit stands for the positions it leads to; the answer is
// kept, since the connections no longer change once matching starts.
void TcxRegExprBlockState::GetSelf(std::vector<TcxRegExprSimpleState*>& AStates) {
  if (FClosure == TClosure::None) {
    FClosure = TClosure::Making;
    std::vector<TcxRegExprSimpleState*> Self;
    for (TcxRegExprState* State : States()) {
      Self.clear();
      State->GetSelf(Self);
      for (TcxRegExprSimpleState* S : Self) AddOnce(FSelf, S);
    }
    FClosure = TClosure::Made;
  }
  for (TcxRegExprSimpleState* S : FSelf) AStates.push_back(S);
}

// ---------------------------------------------------------------- parse tree

TcxRegExprParserItem::TcxRegExprParserItem() : FQuantifier(std::make_unique<TcxRegExprSimpleQuantifier>()) {}

bool TcxRegExprParserItem::NotQuantifier() const { return !CanMissing() && !CanRepeat(); }

void TcxRegExprParserItem::SetQuantifier(std::unique_ptr<TcxRegExprQuantifier> AQuantifier) {
  if (AQuantifier) FQuantifier = std::move(AQuantifier);
}

TcxRegExprParserSimpleItem::TcxRegExprParserSimpleItem(std::unique_ptr<TcxRegExprItem> AValue)
    : FState(std::make_unique<TcxRegExprSimpleState>(std::move(AValue))) {}

std::unique_ptr<TcxRegExprParserItem> TcxRegExprParserSimpleItem::Clone() const {
  auto Result = std::make_unique<TcxRegExprParserSimpleItem>(FState->Value()->Clone());
  Result->SetQuantifier(FQuantifier->Clone());
  return Result;
}

String TcxRegExprParserSimpleItem::Print() const { return L"item --> " + FQuantifier->Print() + L"\r\n"; }

void TcxRegExprParserSimpleItem::CreateConnections() {
  if (CanRepeat()) FState->Add(FState.get());
}

TcxRegExprParserBlockItem::TcxRegExprParserBlockItem()
    : FAlts(std::make_unique<TcxRegExprParserAlts>()),
      FFinishState(std::make_unique<TcxRegExprBlockState>()),
      FStartState(std::make_unique<TcxRegExprBlockState>()) {}

TcxRegExprParserBlockItem::~TcxRegExprParserBlockItem() = default;

bool TcxRegExprParserBlockItem::CanEmpty() const { return CanMissing() || FAlts->CanEmpty(); }

std::unique_ptr<TcxRegExprParserItem> TcxRegExprParserBlockItem::Clone() const {
  auto Result = std::make_unique<TcxRegExprParserBlockItem>();
  Result->FAlts = FAlts->Clone();
  Result->SetQuantifier(FQuantifier->Clone());
  return Result;
}

String TcxRegExprParserBlockItem::Print() const {
  return L"<Start_Block>\r\n" + FAlts->Print() + L"<Finish_Block> --> " + FQuantifier->Print() + L"\r\n";
}

void TcxRegExprParserBlockItem::SetFinal() { FAlts->CreateFinalStates(); }

void TcxRegExprParserBlockItem::CreateConnections() {
  if (CanRepeat()) FFinishState->Add(FStartState.get());
  FAlts->GetStartConnections(FStartState.get());
  if (FAlts->ThereIsEmptyAlt()) FStartState->Add(FFinishState.get());
  FAlts->CreateConnections();
  FAlts->SetFinishConnections(FFinishState.get());
}

int64_t TcxRegExprParserBlockItem::StateCount() const { return 2 + FAlts->StateCount(); }

int TcxRegExprParserBlockItem::Depth() const { return 1 + FAlts->Depth(); }

std::unique_ptr<TcxRegExprParserItem> TcxRegExprParserAlt::TakeLastItem() {
  auto Result = std::move(FItems.back());
  FItems.pop_back();
  return Result;
}

bool TcxRegExprParserAlt::CanEmpty() const {
  return std::all_of(FItems.begin(), FItems.end(), [](const auto& I) { return I->CanEmpty(); });
}

bool TcxRegExprParserAlt::CanMissing() const {
  return std::all_of(FItems.begin(), FItems.end(), [](const auto& I) { return I->CanMissing(); });
}

void TcxRegExprParserAlt::CreateConnections() {
  for (size_t I = 0; I < FItems.size(); ++I) {
    TcxRegExprState* Exit = FItems[I]->ExitState();
    for (size_t J = I + 1; J < FItems.size(); ++J) {
      Exit->Add(FItems[J]->EntryState());
      if (!FItems[J]->CanMissing()) break;
    }
    FItems[I]->CreateConnections();
  }
}

// The last positions are final, and those before them as long as what follows
// them can match nothing: a group that can match nothing is passed over like
// an optional item.
void TcxRegExprParserAlt::CreateFinalStates() {
  for (size_t I = FItems.size(); I-- > 0;) {
    FItems[I]->SetFinal();
    if (!FItems[I]->CanEmpty()) break;
  }
}

void TcxRegExprParserAlt::GetStartConnections(TcxRegExprState* AState) {
  for (const auto& Item : FItems) {
    AState->Add(Item->EntryState());
    if (!Item->CanMissing()) break;
  }
}

void TcxRegExprParserAlt::SetFinishConnection(TcxRegExprState* AState) {
  for (size_t I = FItems.size(); I-- > 0;) {
    FItems[I]->ExitState()->Add(AState);
    if (!FItems[I]->CanMissing()) break;
  }
}

std::unique_ptr<TcxRegExprParserAlt> TcxRegExprParserAlt::Clone() const {
  auto Result = std::make_unique<TcxRegExprParserAlt>();
  for (const auto& Item : FItems) Result->Add(Item->Clone());
  return Result;
}

String TcxRegExprParserAlt::Print() const {
  String Result = L"<Start_Alt>\r\n";
  for (const auto& Item : FItems) Result += Item->Print();
  return Result + L"<Finish_Alt>\r\n";
}

int64_t TcxRegExprParserAlt::StateCount() const {
  int64_t Result = 0;
  for (const auto& Item : FItems) Result += Item->StateCount();
  return Result;
}

int TcxRegExprParserAlt::Depth() const {
  int Result = 0;
  for (const auto& Item : FItems) Result = std::max(Result, Item->Depth());
  return Result;
}

TcxRegExprParserAlt& TcxRegExprParserAlts::AddAlt() {
  FAlts.push_back(std::make_unique<TcxRegExprParserAlt>());
  return *FAlts.back();
}

bool TcxRegExprParserAlts::CanEmpty() const {
  return std::any_of(FAlts.begin(), FAlts.end(), [](const auto& A) { return A->CanEmpty(); });
}

bool TcxRegExprParserAlts::StartStateIsFinal() const { return CanEmpty(); }

bool TcxRegExprParserAlts::ThereIsEmptyAlt() const {
  return std::any_of(FAlts.begin(), FAlts.end(), [](const auto& A) { return A->CanMissing(); });
}

void TcxRegExprParserAlts::CreateConnections() {
  for (const auto& Alt : FAlts) Alt->CreateConnections();
}

void TcxRegExprParserAlts::CreateFinalStates() {
  for (const auto& Alt : FAlts) Alt->CreateFinalStates();
}

void TcxRegExprParserAlts::GetStartConnections(TcxRegExprState* AState) {
  for (const auto& Alt : FAlts) Alt->GetStartConnections(AState);
}

void TcxRegExprParserAlts::SetFinishConnections(TcxRegExprState* AState) {
  for (const auto& Alt : FAlts) Alt->SetFinishConnection(AState);
}

std::unique_ptr<TcxRegExprParserAlts> TcxRegExprParserAlts::Clone() const {
  auto Result = std::make_unique<TcxRegExprParserAlts>();
  for (const auto& Alt : FAlts) Result->Add(Alt->Clone());
  return Result;
}

String TcxRegExprParserAlts::Print() const {
  String Result;
  for (const auto& Alt : FAlts) Result += Alt->Print();
  return Result;
}

int64_t TcxRegExprParserAlts::StateCount() const {
  int64_t Result = 0;
  for (const auto& Alt : FAlts) Result += Alt->StateCount();
  return Result;
}

int TcxRegExprParserAlts::Depth() const {
  int Result = 0;
  for (const auto& Alt : FAlts) Result = std::max(Result, Alt->Depth());
  return Result;
}

// ---------------------------------------------------------------- automaton

TcxRegExprAutomat::TcxRegExprAutomat(TcxRegExpr* AOwner, std::unique_ptr<TcxRegExprParserAlts> AExpr)
    : FOwner(AOwner), FExpr(std::move(AExpr)), FStartState(std::make_unique<TcxRegExprSimpleState>(nullptr)) {
  FExpr->CreateConnections();
  FExpr->CreateFinalStates();
  FExpr->GetStartConnections(FStartState.get());
  if (FExpr->StartStateIsFinal()) FStartState->SetFinal();
  Reset();
}

TcxRegExprAutomat::~TcxRegExprAutomat() = default;

void TcxRegExprAutomat::AddOnce(TcxRegExprStates& AStates, TcxRegExprSimpleState* AState) {
  if (AState->FMark == FStep) return;
  AState->FMark = FStep;
  AStates.FStates.push_back(AState);
}

// An exact-case match always wins; only the first case-insensitive match may
// rewrite the character to the case written in the expression.
bool TcxRegExprAutomat::Next(Char& AToken) {
  TcxRegExprStates NewStates;
  ++FStep;
  for (TcxRegExprSimpleState* Current : FCurrentStates.FStates)
    for (TcxRegExprSimpleState* State : Current->NextStates())
      if (State->Check(AToken, false, false)) AddOnce(NewStates, State);
  if (FOwner->CaseInsensitive())
    for (TcxRegExprSimpleState* Current : FCurrentStates.FStates)
      for (TcxRegExprSimpleState* State : Current->NextStates())
        if (State->Check(AToken, true, NewStates.FStates.empty())) AddOnce(NewStates, State);
  if (NewStates.FStates.empty()) return false;
  Push(std::move(NewStates));
  return true;
}

void TcxRegExprAutomat::Push(TcxRegExprStates&& ANewStates) {
  FHistory.push_back(std::move(FCurrentStates));
  FCurrentStates = std::move(ANewStates);
}

bool TcxRegExprAutomat::Prev() {
  if (FHistory.empty()) return false;
  FCurrentStates = std::move(FHistory.back());
  FHistory.pop_back();
  return true;
}

bool TcxRegExprAutomat::IsStart() const {
  return FCurrentStates.Count() > 0 && FCurrentStates.GetState(0) == FStartState.get();
}

void TcxRegExprAutomat::Reset() {
  FHistory.clear();
  FCurrentStates.Clear();
  FCurrentStates.Add(FStartState.get());
}

TcxRegExprStates TcxRegExprAutomat::GetAllNextStates() {
  TcxRegExprStates Result;
  ++FStep;
  for (TcxRegExprSimpleState* Current : FCurrentStates.FStates)
    for (TcxRegExprSimpleState* State : Current->NextStates()) AddOnce(Result, State);
  return Result;
}

void TcxRegExprAutomat::Update() {
  while (!FCurrentStates.IsFinal()) {
    TcxRegExprStates NextStates = GetAllNextStates();
    Char Symbol = 0;
    if (!NextStates.Equ(Symbol)) break;
    if (FOwner->OnSymbolUpdate) FOwner->OnSymbolUpdate(Symbol);
    Push(std::move(NextStates));
  }
}

void TcxRegExprAutomat::ReUpdate() {
  Char Symbol = 0;
  while (FCurrentStates.Equ(Symbol) && !FHistory.empty()) {
    TcxRegExprStates Current = std::move(FCurrentStates);
    FCurrentStates = std::move(FHistory.back());
    FHistory.pop_back();
    Char Forced = 0;
    if (FCurrentStates.IsFinal() || !GetAllNextStates().Equ(Forced)) {
      Push(std::move(Current));
      break;
    }
    if (FOwner->OnSymbolDelete) FOwner->OnSymbolDelete();
  }
}

// ---------------------------------------------------------------- scanner

// Turns the source into lexems, keeping the line and column of each.
class TcxRegExpr::TScanner {
public:
  TScanner(TcxRegExpr& AOwner, const String& ASource) : FOwner(AOwner), FSource(ASource) {}

  void Scan() {
    int Depth = 0;
    Char C;
    while (ReadNonBlank(C)) {
      switch (C) {
        case L'\'': ScanQuoted(); break;
        case L'(': ++Depth; AddLexem(relcSpecial, C); break;
        case L')': --Depth; AddLexem(relcSpecial, C); break;
        case L'*': case L'+': case L'?': case L'|': AddLexem(relcSpecial, C); break;
        case L'.': AddLexem(relcAll, C); break;
        case L'/': AddLexem(relcDateSeparator, C); break;
        case L':': AddLexem(relcTimeSeparator, C); break;
        case L'[': AddLexem(relcSpecial, C); ScanClass(); break;
        case L'{': AddLexem(relcSpecial, C); ScanBraces(); break;
        case L'\\': ScanEscape(); break;
        default: AddLexem(relcSymbol, C);
      }
    }
    if (Depth > 0) FOwner.AddError(0, 0, ResFmt(scxRegExprMissing, L")"));
    if (Depth < 0) FOwner.AddError(0, 0, ResFmt(scxRegExprUnnecessary, L")"));
  }

private:
  bool AtEnd() const { return FIndex >= FSource.size(); }

  bool Read(Char& C) {
    if (AtEnd()) return false;
    C = FSource[FIndex++];
    if (C == 0x0D) ++FLine;
    if (C == 0x0A)
      FChar = 0;
    else
      ++FChar;
    FLexemLine = FLine;
    FLexemChar = FChar;
    return true;
  }

  bool ReadNonBlank(Char& C) {
    while (Read(C))
      if (!TcxRegExprSpace::IsBlank(C)) return true;
    return false;
  }

  // The next non-blank character, left unread.
  bool PeekNonBlank(Char& C) const {
    for (size_t I = FIndex; I < FSource.size(); ++I)
      if (!TcxRegExprSpace::IsBlank(FSource[I])) {
        C = FSource[I];
        return true;
      }
    return false;
  }

  void AddLexem(TcxRegExprLexemCode ACode, const String& AValue) {
    FOwner.FLexems.Add({FLexemChar, ACode, FLexemLine, AValue});
  }
  void AddLexem(TcxRegExprLexemCode ACode, Char AValue) { AddLexem(ACode, String(1, AValue)); }

  void Error(const String& AMessage) { FOwner.AddError(FLexemLine, FLexemChar, AMessage); }
  void ErrorAfterEnd(const String& AMessage) { FOwner.AddError(FLine, FChar + 1, AMessage); }

  void ScanQuoted() {
    Char C;
    while (Read(C)) {
      if (C == L'\'') {
        if (AtEnd() || FSource[FIndex] != L'\'') return;
        Read(C);
      }
      AddLexem(relcSymbol, C);
    }
    ErrorAfterEnd(ResFmt(scxRegExprMissing, QuoteText));
  }

  // Quotes, separators and escapes mean inside a class what they mean outside.
  bool ScanCommon(Char C) {
    switch (C) {
      case L'\'': ScanQuoted(); return true;
      case L'/': AddLexem(relcDateSeparator, C); return true;
      case L':': AddLexem(relcTimeSeparator, C); return true;
      case L'\\': ScanEscape(); return true;
      default: return false;
    }
  }

  void ScanClass() {
    Char C;
    if (!ReadNonBlank(C)) return ErrorAfterEnd(ResFmt(scxRegExprMissing, L"]"));
    if (C == L']') return AddLexem(relcSpecial, C);
    if (C == L'^')
      AddLexem(relcSpecial, C);
    else if (!ScanCommon(C))
      AddLexem(relcSymbol, C);
    while (ReadNonBlank(C)) {
      if (C == L']') return AddLexem(relcSpecial, C);
      if (C == L'-') {
        Char After;
        AddLexem(PeekNonBlank(After) && After == L']' ? relcSymbol : relcSpecial, C);
      } else if (!ScanCommon(C)) {
        AddLexem(relcSymbol, C);
      }
    }
    ErrorAfterEnd(ResFmt(scxRegExprMissing, L"]"));
  }

  void ScanBraces() {
    Char C;
    while (ReadNonBlank(C)) {
      if (C >= L'0' && C <= L'9') {
        String Digits(1, C);
        const int Line = FLexemLine, Column = FLexemChar;
        while (!AtEnd() && FSource[FIndex] >= L'0' && FSource[FIndex] <= L'9') {
          Read(C);
          Digits += C;
        }
        FOwner.FLexems.Add({Column, relcInteger, Line, Digits});
      } else if (C == L',') {
        AddLexem(relcSpecial, C);
      } else if (C == L'}') {
        return AddLexem(relcSpecial, C);
      } else {
        Error(ResFmt(scxRegExprIllegalSymbol, C == L'\'' ? QuoteText : String(1, C)));
      }
    }
    ErrorAfterEnd(ResFmt(scxRegExprMissing, L"}"));
  }

  static int HexValue(Char C) {
    if (C >= L'0' && C <= L'9') return C - L'0';
    if (C >= L'A' && C <= L'F') return C - L'A' + 10;
    if (C >= L'a' && C <= L'f') return C - L'a' + 10;
    return -1;
  }

  void ScanEscape() {
    const int Line = FLexemLine, Column = FLexemChar;
    auto Add = [&](TcxRegExprLexemCode ACode, Char AValue) {
      FOwner.FLexems.Add({Column, ACode, Line, String(1, AValue)});
    };
    Char C;
    if (!Read(C)) return;
    if (C >= L'1' && C <= L'9') return Add(relcReference, C);
    if (TcxRegExprSpace::IsBlank(C)) return Error(Res(scxRegExprIncorrectSpace));
    switch (C) {
      case L'd': return Add(relcDigit, C);
      case L'D': return Add(relcNotDigit, C);
      case L'w': return Add(relcId, C);
      case L'W': return Add(relcNotId, C);
      case L's': return Add(relcSpace, C);
      case L'S': return Add(relcNotSpace, C);
      case L't': return Add(relcSymbol, 0x09);
      case L'n': return Add(relcSymbol, 0x0A);
      case L'r': return Add(relcSymbol, 0x0D);
      case L'f': return Add(relcSymbol, 0x0C);
      case L'a': return Add(relcSymbol, 0x07);
      case L'e': return Add(relcSymbol, 0x1B);
      case L'p': return Add(relcSymbol, FormatSettings.DecimalSeparator);
      case L'x': {
        int Code = 0;
        for (int Digit = 0; Digit < 2; ++Digit) {
          if (!Read(C)) return ErrorAfterEnd(Res(scxRegExprHexNumberExpected0));
          if (HexValue(C) < 0) return Error(ResFmt(scxRegExprHexNumberExpected, String(1, C)));
          Code = Code * 16 + HexValue(C);
        }
        return Add(relcSymbol, static_cast<Char>(Code));
      }
      default: return Add(relcSymbol, C);
    }
  }

  TcxRegExpr& FOwner;
  const String& FSource;
  size_t FIndex = 0;
  int FChar = 0;
  int FLine = 1;
  int FLexemChar = 0;  // where the character read last stands
  int FLexemLine = 1;
};

// ---------------------------------------------------------------- parser

// Builds the parse tree from the lexems; errors are recorded and parsing goes
// on, so that one compile reports as many as it can.
class TcxRegExpr::TParser {
public:
  explicit TParser(TcxRegExpr& AOwner) : FOwner(AOwner) {}

  std::unique_ptr<TcxRegExprParserAlts> Parse() {
    auto Result = std::make_unique<TcxRegExprParserAlts>();
    ParseAlts(*Result, false);
    return Result;
  }

private:
  enum class TEnd { Source, Bar, Close };

  bool AtEnd() const { return FLexemIndex >= FOwner.FLexems.Count(); }
  TcxLexem Peek() const { return FOwner.FLexems.GetItems(FLexemIndex); }
  static bool IsSpecial(const TcxLexem& L, Char C) { return L.Code == relcSpecial && L.Value[0] == C; }

  void Error(const TcxLexem& ALexem, const String& AMessage) { FOwner.AddError(ALexem.Line, ALexem.Char, AMessage); }

  // Alternatives up to the end of the source or, in a group, up to its ).
  void ParseAlts(TcxRegExprParserAlts& AAlts, bool AInGroup) {
    for (;;) {
      TEnd End = ParseAlt(AAlts.AddAlt(), AInGroup);
      if (End != TEnd::Bar) return;
    }
  }

  TEnd ParseAlt(TcxRegExprParserAlt& AAlt, bool AInGroup) {
    if (AtEnd()) {
      FOwner.AddError(0, 0, Res(scxRegExprCantCreateEmptyAlt));
      return TEnd::Source;
    }
    bool First = true;
    while (!AtEnd()) {
      TcxLexem L = Peek();
      ++FLexemIndex;
      if (IsSpecial(L, L'|')) {
        if (First) Error(L, Res(scxRegExprCantCreateEmptyAlt));
        return TEnd::Bar;
      }
      if (IsSpecial(L, L')')) {
        if (!AInGroup) {
          Error(L, ResFmt(scxRegExprIllegalSymbol, L")"));
          continue;
        }
        if (First) Error(L, Res(scxRegExprCantCreateEmptyBlock));
        return TEnd::Close;
      }
      First = false;
      ParseLexem(AAlt, L);
    }
    return TEnd::Source;
  }

  void ParseLexem(TcxRegExprParserAlt& AAlt, const TcxLexem& L) {
    switch (L.Code) {
      case relcSymbol: return AddSimple(AAlt, std::make_unique<TcxRegExprSymbol>(L.Value[0]));
      case relcInteger: return Error(L, Res(scxRegExprIllegalIntegerValue));
      case relcReference: return AddReference(AAlt, L);
      case relcSpecial: break;
      default: return AddSimple(AAlt, ClassItem(L));
    }
    switch (L.Value[0]) {
      case L'(': return AddGroup(AAlt, L);
      case L'[': return AddSimple(AAlt, ParseClass(L));
      case L'?': return ApplyQuantifier(AAlt, L, std::make_unique<TcxRegExprQuestionQuantifier>());
      case L'*':
        return ApplyRepeat(AAlt, L, std::make_unique<TcxRegExprStarQuantifier>(), scxRegExprCantUseStarQuantifier);
      case L'+':
        return ApplyRepeat(AAlt, L, std::make_unique<TcxRegExprPlusQuantifier>(), scxRegExprCantUsePlusQuantifier);
      case L'{': return ParseParameterQuantifier(AAlt, L);
      default: return Error(L, ResFmt(scxRegExprIllegalSymbol, L.Value.substr(0, 1)));
    }
  }

  // The item of a character class written outside or inside brackets.
  static std::unique_ptr<TcxRegExprItem> ClassItem(const TcxLexem& L) {
    switch (L.Code) {
      case relcAll: return std::make_unique<TcxRegExprAll>();
      case relcId: return std::make_unique<TcxRegExprIdLetter>(false);
      case relcNotId: return std::make_unique<TcxRegExprIdLetter>(true);
      case relcDigit: return std::make_unique<TcxRegExprDigit>(false);
      case relcNotDigit: return std::make_unique<TcxRegExprDigit>(true);
      case relcSpace: return std::make_unique<TcxRegExprSpace>(false);
      case relcNotSpace: return std::make_unique<TcxRegExprSpace>(true);
      case relcDateSeparator: return std::make_unique<TcxRegExprDateSeparator>();
      case relcTimeSeparator: return std::make_unique<TcxRegExprTimeSeparator>();
      default: return std::make_unique<TcxRegExprSymbol>(L.Value[0]);
    }
  }

  void AddSimple(TcxRegExprParserAlt& AAlt, std::unique_ptr<TcxRegExprItem> AItem) {
    AAlt.Add(std::make_unique<TcxRegExprParserSimpleItem>(std::move(AItem)));
    ++FStateCount;
  }

  void AddGroup(TcxRegExprParserAlt& AAlt, const TcxLexem& L) {
    if (FDepth >= MaxDepth) {
      Error(L, ResFmt(scxRegExprIllegalSymbol, L"("));
      SkipGroup();
      return;
    }
    auto Group = std::make_unique<TcxRegExprParserBlockItem>();
    FBlocks.push_back(Group.get());
    FStateCount += 2;
    TcxRegExprParserBlockItem& Block = *Group;
    AAlt.Add(std::move(Group));
    ++FDepth;
    ParseAlts(Block.Alts(), true);
    --FDepth;
  }

  // Passes over a group too deeply nested to be built, up to its ).
  void SkipGroup() {
    for (int Depth = 1; Depth > 0 && !AtEnd(); ++FLexemIndex) {
      TcxLexem L = Peek();
      if (IsSpecial(L, L'(')) ++Depth;
      if (IsSpecial(L, L')')) --Depth;
    }
  }

  void AddReference(TcxRegExprParserAlt& AAlt, const TcxLexem& L) {
    const size_t Index = L.Value[0] - L'1';
    if (Index >= FBlocks.size()) return Error(L, Res(scxRegExprTooBigReferenceNumber));
    TcxRegExprParserBlockItem* Block = FBlocks[Index];
    const int64_t Cost = Block->StateCount();
    if (!Affordable(Cost, Block->Depth())) return Error(L, Res(scxRegExprTooBigReferenceNumber));
    AAlt.Add(Block->Clone());
    FStateCount += Cost;
  }

  // Whether the expression may grow by AStates states and hold a group
  // nested ADepth deep at the current level.
  bool Affordable(int64_t AStates, int64_t ADepth) const {
    return FStateCount + AStates <= MaxStateCount && FDepth + ADepth <= MaxDepth;
  }

  void ApplyQuantifier(TcxRegExprParserAlt& AAlt, const TcxLexem& L, std::unique_ptr<TcxRegExprQuantifier> AQuantifier) {
    TcxRegExprParserItem* Current = AAlt.LastItem();
    if (!Current) return Error(L, ResFmt(scxRegExprIllegalQuantifier, L.Value));
    if (Current->NotQuantifier()) return Current->SetQuantifier(std::move(AQuantifier));
    // a+* reads as (a+)*
    if (!Affordable(2, Current->Depth() + 1)) return Error(L, ResFmt(scxRegExprIllegalQuantifier, L.Value));
    auto Group = std::make_unique<TcxRegExprParserBlockItem>();
    Group->Alts().AddAlt().Add(AAlt.TakeLastItem());
    Group->SetQuantifier(std::move(AQuantifier));
    FStateCount += 2;
    AAlt.Add(std::move(Group));
  }

  void ApplyRepeat(TcxRegExprParserAlt& AAlt, const TcxLexem& L, std::unique_ptr<TcxRegExprQuantifier> AQuantifier,
                   const TResStringRec& ACantUse) {
    TcxRegExprParserItem* Current = AAlt.LastItem();
    if (Current && Current->CanEmpty()) return Error(L, Res(ACantUse));
    ApplyQuantifier(AAlt, L, std::move(AQuantifier));
  }

  std::unique_ptr<TcxRegExprItem> ParseClass(const TcxLexem& AOpen) {
    bool Inverse = false;
    if (!AtEnd() && IsSpecial(Peek(), L'^')) {
      Inverse = true;
      ++FLexemIndex;
    }
    auto Result = std::make_unique<TcxRegExprUserEnumeration>(Inverse);
    if (!AtEnd() && IsSpecial(Peek(), L']')) {
      Error(Peek(), Res(scxRegExprCantCreateEmptyEnum));
      ++FLexemIndex;
      return Result;
    }
    while (!AtEnd()) {
      TcxLexem L = Peek();
      ++FLexemIndex;
      if (IsSpecial(L, L']')) return Result;
      if (IsSpecial(L, L'-')) {
        Error(L, ResFmt(scxRegExprIllegalSymbol, L"-"));
        continue;
      }
      if (!AtEnd() && IsSpecial(Peek(), L'-')) {
        ++FLexemIndex;
        if (AtEnd() || IsSpecial(Peek(), L']')) break;  // the scanner reported the open class
        TcxLexem Finish = Peek();
        ++FLexemIndex;
        if (L.Value[0] >= Finish.Value[0]) Error(L, Res(scxRegExprSubrangeOrder));
        Result->Add(std::make_unique<TcxRegExprSubrange>(L.Value[0], Finish.Value[0]));
        continue;
      }
      Result->Add(ClassItem(L));
    }
    return Result;
  }

  // {n}, {n,} or {n,m}: the item is copied as often as the bounds ask.
  void ParseParameterQuantifier(TcxRegExprParserAlt& AAlt, const TcxLexem& AOpen) {
    TcxRegExprParserItem* Current = AAlt.LastItem();
    int64_t Min = 0, Max = 0;
    bool Unbounded = false;
    TcxLexem Last = AOpen;
    if (!Current || !ReadBounds(Min, Max, Unbounded, Last)) {
      Error(Last, Res(scxRegExprIncorrectParameterQuantifier));
      SkipBraces();
      return;
    }
    if (Current->CanMissing()) return Error(AOpen, Res(scxRegExprCantUseParameterQuantifier));
    const int64_t Copies = Unbounded ? Min + 1 : Max;
    const int64_t Chain = Unbounded ? 0 : Max - Min;
    if (Copies > MaxStateCount || !Affordable(Copies * (Current->StateCount() + 2) + 2, Current->Depth() + Chain + 1))
      return Error(AOpen, Res(scxRegExprIncorrectParameterQuantifier));
    FStateCount -= Current->StateCount();
    AAlt.Add(Expand(AAlt.TakeLastItem(), static_cast<int>(Min), static_cast<int>(Max), Unbounded));
    FStateCount += AAlt.LastItem()->StateCount();
  }

  bool ReadBounds(int64_t& AMin, int64_t& AMax, bool& AUnbounded, TcxLexem& ALast) {
    auto Next = [&](TcxLexem& L) {
      if (AtEnd()) return false;
      L = ALast = Peek();
      ++FLexemIndex;
      return true;
    };
    auto ReadInteger = [](const TcxLexem& L, int64_t& AValue) {
      if (L.Code != relcInteger || L.Value.size() > 9) return false;
      AValue = StrToInt(L.Value);
      return true;
    };
    TcxLexem L;
    if (!Next(L) || !ReadInteger(L, AMin) || !Next(L)) return false;
    AMax = AMin;
    if (IsSpecial(L, L'}')) return true;
    if (!IsSpecial(L, L',') || !Next(L)) return false;
    if (IsSpecial(L, L'}')) {
      AUnbounded = true;
      return true;
    }
    return ReadInteger(L, AMax) && AMax >= AMin && Next(L) && IsSpecial(L, L'}');
  }

  void SkipBraces() {
    while (!AtEnd() && !IsSpecial(FOwner.FLexems.GetItems(FLexemIndex - 1), L'}')) ++FLexemIndex;
  }

  // X{2,4} becomes X X (X (X)?)?; X{2,} becomes X X X*; with no lower bound
  // the whole is optional.
  static std::unique_ptr<TcxRegExprParserItem> Expand(std::unique_ptr<TcxRegExprParserItem> X, int AMin, int AMax,
                                                      bool AUnbounded) {
    auto Group = std::make_unique<TcxRegExprParserBlockItem>();
    TcxRegExprParserAlt& Alt = Group->Alts().AddAlt();
    for (int I = 0; I < AMin; ++I) Alt.Add(X->Clone());
    if (AUnbounded) {
      auto Rest = X->Clone();
      Rest->SetQuantifier(std::make_unique<TcxRegExprStarQuantifier>());
      Alt.Add(std::move(Rest));
    } else if (AMax > AMin) {
      std::unique_ptr<TcxRegExprParserItem> Link = X->Clone();
      Link->SetQuantifier(std::make_unique<TcxRegExprQuestionQuantifier>());
      for (int I = AMin + 1; I < AMax; ++I) {
        auto Outer = std::make_unique<TcxRegExprParserBlockItem>();
        TcxRegExprParserAlt& OuterAlt = Outer->Alts().AddAlt();
        OuterAlt.Add(X->Clone());
        OuterAlt.Add(std::move(Link));
        Outer->SetQuantifier(std::make_unique<TcxRegExprQuestionQuantifier>());
        Link = std::move(Outer);
      }
      Alt.Add(std::move(Link));
    }
    if (AMin == 0) Group->SetQuantifier(std::make_unique<TcxRegExprQuestionQuantifier>());
    return Group;
  }

  TcxRegExpr& FOwner;
  int FLexemIndex = 0;
  std::vector<TcxRegExprParserBlockItem*> FBlocks;  // by opening parenthesis
  int64_t FStateCount = 0;
  int FDepth = 0;
};

// ---------------------------------------------------------------- expression

TcxRegExpr::TcxRegExpr() = default;
TcxRegExpr::~TcxRegExpr() = default;

void TcxRegExpr::Clear() {
  FStream.reset();
  FErrors.Clear();
  FLexems.Clear();
  FAutomat.reset();
  FCompiled = false;
}

void TcxRegExpr::RaiseErrors() const { throw EcxRegExprError(FErrors); }

void TcxRegExpr::Compile(TStream* AStream) {
  if (FFirstExpr)
    FFirstExpr = false;
  else
    Clear();
  if (!AStream) {
    AddError(0, 0, Res(scxRegExprNotAssignedSourceStream));
    RaiseErrors();
  }
  FStream = std::make_unique<TMemoryStream>();
  FStream->CopyFrom(AStream, 0);
  std::string Bytes(static_cast<size_t>(FStream->Size()), '\0');
  FStream->SetPosition(0);
  FStream->ReadBuffer(Bytes.data(), static_cast<int64_t>(Bytes.size()));
  const String Source = FromUtf8(Bytes);
  if (std::all_of(Source.begin(), Source.end(), TcxRegExprSpace::IsBlank)) {
    AddError(0, 0, Res(scxRegExprEmptySourceStream));
    RaiseErrors();
  }
  TScanner(*this, Source).Scan();
  if (FErrors.Count() > 0) RaiseErrors();
  auto Expr = TParser(*this).Parse();
  if (FErrors.Count() > 0) RaiseErrors();
  FAutomat = std::make_unique<TcxRegExprAutomat>(this, std::move(Expr));
  FCompiled = true;
  if (FUpdateOn) FAutomat->Update();
}

void TcxRegExpr::Compile(const String& S) {
  const std::string Bytes = ToUtf8(S);
  TMemoryStream Stream;
  Stream.WriteBuffer(Bytes.data(), static_cast<int64_t>(Bytes.size()));
  Stream.SetPosition(0);
  Compile(&Stream);
}

void TcxRegExpr::CheckCompiled() const {
  if (!FCompiled) throw EcxEditError(Res(scxRegExprNotCompiled));
}

bool TcxRegExpr::Next(Char& AToken) {
  CheckCompiled();
  if (!FAutomat->Next(AToken)) return false;
  if (FUpdateOn) FAutomat->Update();
  return true;
}

String TcxRegExpr::NextEx(const String& AString) {
  CheckCompiled();
  String Result;
  for (Char C : AString)
    if (FAutomat->Next(C)) Result += C;
  return Result;
}

bool TcxRegExpr::Prev() {
  CheckCompiled();
  if (FUpdateOn) FAutomat->ReUpdate();
  return FAutomat->Prev();
}

bool TcxRegExpr::IsFinal() const {
  CheckCompiled();
  return FAutomat->IsFinal();
}

bool TcxRegExpr::IsStart() const {
  CheckCompiled();
  return FAutomat->IsStart();
}

void TcxRegExpr::Reset() {
  CheckCompiled();
  FAutomat->Reset();
}

// An expression that did not compile has nothing to print: that is misuse.
String TcxRegExpr::Print() const {
  CheckCompiled();
  return FAutomat->Print();
}

void TcxRegExpr::SetUpdateOn(bool AValue) {
  FUpdateOn = AValue;
  if (FUpdateOn && FCompiled) FAutomat->Update();
}
