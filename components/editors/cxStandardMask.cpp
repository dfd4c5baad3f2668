#include "components/editors/cxStandardMask.h"

#include "components/core/dxCore.h"
#include "vcl/rtl/FormatSettings.h"
#include "vcl/rtl/SysUtils.h"

bool TcxStandardMaskManyItem::Check(Char& AChar) const {
  const bool Result = Test(AChar);
  if (FCaseControl == ccUpperCase) AChar = AnsiUpperCase(String(1, AChar))[0];
  if (FCaseControl == ccLowerCase) AChar = AnsiLowerCase(String(1, AChar))[0];
  return Result;
}

bool TcxStandardMaskNumericItem::Test(Char AChar) const { return dxCharIsDigit(AChar); }

bool TcxStandardMaskNumericSymbolItem::Test(Char AChar) const {
  return dxCharIsDigit(AChar) || AChar == L'+' || AChar == L'-';
}

bool TcxStandardMaskAlphaItem::Test(Char AChar) const { return dxCharIsLetter(AChar); }

bool TcxStandardMaskAlphaNumericItem::Test(Char AChar) const {
  return dxCharIsDigit(AChar) || dxCharIsLetter(AChar);
}

void TcxStandardMask::Clear() {
  FItems.clear();
  FMask.clear();
  FLeading = false;
  FSaveLiteralCharacters = true;
  FBlank = L'_';
}

namespace {

std::unique_ptr<TcxStandardMaskCustomItem> InputItem(Char AMaskChar, TcxCaseControl ACaseControl) {
  switch (AMaskChar) {
    case L'0': return std::make_unique<TcxStandardMaskNumericItem>(ACaseControl, false);
    case L'9': return std::make_unique<TcxStandardMaskNumericItem>(ACaseControl, true);
    case L'#': return std::make_unique<TcxStandardMaskNumericSymbolItem>(ACaseControl);
    case L'L': return std::make_unique<TcxStandardMaskAlphaItem>(ACaseControl, false);
    case L'l': return std::make_unique<TcxStandardMaskAlphaItem>(ACaseControl, true);
    case L'A': return std::make_unique<TcxStandardMaskAlphaNumericItem>(ACaseControl, false);
    case L'a': return std::make_unique<TcxStandardMaskAlphaNumericItem>(ACaseControl, true);
    case L'C': return std::make_unique<TcxStandardMaskASCIIItem>(ACaseControl, false);
    case L'c': return std::make_unique<TcxStandardMaskASCIIItem>(ACaseControl, true);
    default: return nullptr;
  }
}

bool IsLiteralFlag(Char C) { return C == L'0' || C == L'1'; }

}  // namespace

void TcxStandardMask::Compile(const String& AMask) {
  Clear();
  FMask = AMask;
  size_t I = 0;
  if (!AMask.empty() && AMask[0] == L'!') {
    FLeading = true;
    I = 1;
  }
  TcxCaseControl CaseControl = ccUserCase;
  auto AddLiteral = [this](Char C) { FItems.push_back(std::make_unique<TcxStandardMaskLiteralItem>(C)); };
  for (; I < AMask.size(); ++I) {
    const Char C = AMask[I];
    const size_t Following = AMask.size() - I - 1;
    if (auto Item = InputItem(C, CaseControl)) {
      FItems.push_back(std::move(Item));
    } else if (C == L'>') {
      CaseControl = ccUpperCase;
    } else if (C == L'<') {
      CaseControl = ccLowerCase;
      if (Following > 0 && AMask[I + 1] == L'>') {
        CaseControl = ccUserCase;
        ++I;
      }
    } else if (C == L'/') {
      AddLiteral(FormatSettings.DateSeparator);
    } else if (C == L':') {
      AddLiteral(FormatSettings.TimeSeparator);
    } else if (C == L'\\') {
      if (Following > 0) AddLiteral(AMask[++I]);
    } else if (C == L';' && Following == 1 && IsLiteralFlag(AMask[I + 1])) {
      FSaveLiteralCharacters = AMask[I + 1] == L'1';
      break;
    } else if (C == L';' && Following == 3 && IsLiteralFlag(AMask[I + 1]) && AMask[I + 2] == L';') {
      FSaveLiteralCharacters = AMask[I + 1] == L'1';
      FBlank = AMask[I + 3];
      break;
    } else {
      AddLiteral(C);
    }
  }
}

// A blank or a space standing for an unfilled input position.
bool TcxStandardMask::IsBlankAt(Char AChar, int AIndex, bool AOptionalOnly) const {
  if (AChar != FBlank && AChar != L' ') return false;
  const TcxStandardMaskCustomItem* Item = FItems[AIndex].get();
  if (Item->IsLiteral()) return false;
  return !AOptionalOnly || static_cast<const TcxStandardMaskManyItem*>(Item)->Optional();
}

void TcxStandardMask::Format(String& AText, bool AChangeCharCase, bool AMatchForBlanksAndLiterals) const {
  String Result = FullEmptyString();
  const int Count = this->Count();
  const bool PassLiterals =
      !FSaveLiteralCharacters && !AMatchForBlanksAndLiterals && AText.size() != Result.size();
  const int Step = FLeading ? -1 : 1;
  int Cursor = FLeading ? Count - 1 : 0;
  const int TextLength = static_cast<int>(AText.size());
  for (int T = 0; T < TextLength; ++T) {
    const Char TextChar = AText[FLeading ? TextLength - 1 - T : T];
    for (int P = Cursor; P >= 0 && P < Count; P += Step) {
      if (PassLiterals && FItems[P]->IsLiteral()) continue;
      Char Converted = TextChar;
      if (FItems[P]->Check(Converted)) {
        Result[P] = AChangeCharCase ? Converted : TextChar;
        Cursor = P + Step;
        break;
      }
      if (IsBlankAt(TextChar, P, false)) {
        Cursor = P + Step;
        break;
      }
    }
  }
  AText = Result;
}

void TcxStandardMask::Format2(String& AText) const {
  String Result;
  const size_t Length = std::min(AText.size(), FItems.size());
  for (size_t I = 0; I < Length; ++I) {
    if (!FItems[I]->IsLiteral())
      Result += AText[I] == FBlank ? L' ' : AText[I];
    else if (FSaveLiteralCharacters)
      Result += AText[I];
  }
  AText = Result;
}

bool TcxStandardMask::IsValid(String& AText) const {
  if (AText.size() > FItems.size()) return false;
  for (size_t I = 0; I < AText.size(); ++I)
    if (!IsBlankAt(AText[I], static_cast<int>(I), false) && !FItems[I]->Check(AText[I])) return false;
  return true;
}

bool TcxStandardMask::IsFullValid(String& AText) const {
  if (AText.size() != FItems.size()) return false;
  for (size_t I = 0; I < AText.size(); ++I)
    if (!IsBlankAt(AText[I], static_cast<int>(I), true) && !FItems[I]->Check(AText[I])) return false;
  return true;
}

String TcxStandardMask::EmptyString() const {
  String Result;
  for (const auto& Item : FItems) {
    if (!Item->IsLiteral())
      Result += L' ';
    else if (FSaveLiteralCharacters)
      Result += static_cast<const TcxStandardMaskLiteralItem*>(Item.get())->Literal();
  }
  return Result;
}

String TcxStandardMask::FullEmptyString() const {
  String Result;
  for (const auto& Item : FItems)
    Result += Item->IsLiteral() ? static_cast<const TcxStandardMaskLiteralItem*>(Item.get())->Literal() : FBlank;
  return Result;
}
