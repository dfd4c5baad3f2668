#pragma once
// The standard edit mask: one position per character of the edited text,
// each a literal or an input position with a character test, a required or
// optional flag and a case conversion. It spreads a text over the positions,
// turns the shown text back into the value, and tests texts against itself.
#include <memory>
#include <vector>

#include "vcl/rtl/System.h"

enum TcxCaseControl { ccUpperCase, ccLowerCase, ccUserCase };

class TcxStandardMaskCustomItem {
public:
  virtual ~TcxStandardMaskCustomItem() = default;
  // Whether AChar may stand at this position; an input position also
  // converts AChar by its case control, taken or not.
  virtual bool Check(Char& AChar) const = 0;
  virtual bool IsLiteral() const = 0;
};

class TcxStandardMaskLiteralItem : public TcxStandardMaskCustomItem {
public:
  explicit TcxStandardMaskLiteralItem(Char ALiteral) : FLiteral(ALiteral) {}
  bool Check(Char& AChar) const override { return AChar == FLiteral; }
  bool IsLiteral() const override { return true; }
  Char Literal() const { return FLiteral; }

private:
  Char FLiteral;
};

// An input position.
class TcxStandardMaskManyItem : public TcxStandardMaskCustomItem {
public:
  TcxStandardMaskManyItem(TcxCaseControl ACaseControl, bool AOptional)
      : FCaseControl(ACaseControl), FOptional(AOptional) {}
  bool Check(Char& AChar) const final;
  bool IsLiteral() const override { return false; }
  TcxCaseControl CaseControl() const { return FCaseControl; }
  bool Optional() const { return FOptional; }

protected:
  virtual bool Test(Char AChar) const = 0;

private:
  TcxCaseControl FCaseControl;
  bool FOptional;
};

// 0 (required) and 9 (optional): a digit.
class TcxStandardMaskNumericItem : public TcxStandardMaskManyItem {
public:
  using TcxStandardMaskManyItem::TcxStandardMaskManyItem;

private:
  bool Test(Char AChar) const override;
};

// #: a digit, '+' or '-'; always optional.
class TcxStandardMaskNumericSymbolItem : public TcxStandardMaskManyItem {
public:
  explicit TcxStandardMaskNumericSymbolItem(TcxCaseControl ACaseControl)
      : TcxStandardMaskManyItem(ACaseControl, true) {}

private:
  bool Test(Char AChar) const override;
};

// L and l: a letter.
class TcxStandardMaskAlphaItem : public TcxStandardMaskManyItem {
public:
  using TcxStandardMaskManyItem::TcxStandardMaskManyItem;

private:
  bool Test(Char AChar) const override;
};

// A and a: a letter or a digit.
class TcxStandardMaskAlphaNumericItem : public TcxStandardMaskManyItem {
public:
  using TcxStandardMaskManyItem::TcxStandardMaskManyItem;

private:
  bool Test(Char AChar) const override;
};

// C and c: any character.
class TcxStandardMaskASCIIItem : public TcxStandardMaskManyItem {
public:
  using TcxStandardMaskManyItem::TcxStandardMaskManyItem;

private:
  bool Test(Char AChar) const override { return true; }
};

class TcxStandardMask {
public:
  TcxStandardMask() = default;
  TcxStandardMask(const TcxStandardMask&) = delete;
  TcxStandardMask& operator=(const TcxStandardMask&) = delete;

  // Every character of a mask means something, so compiling never fails.
  void Compile(const String& AMask);
  // Spreads AText over the positions: the full-length text to show.
  void Format(String& AText, bool AChangeCharCase, bool AMatchForBlanksAndLiterals) const;
  // The edit value of a shown text.
  void Format2(String& AText) const;
  bool IsValid(String& AText) const;
  bool IsFullValid(String& AText) const;

  Char Blank() const { return FBlank; }
  void SetBlank(Char AValue) { FBlank = AValue; }
  int Count() const { return static_cast<int>(FItems.size()); }
  const TcxStandardMaskCustomItem* GetItems(int AIndex) const { return FItems.at(AIndex).get(); }
  String EmptyString() const;
  String FullEmptyString() const;
  const String& Mask() const { return FMask; }
  bool Leading() const { return FLeading; }
  bool SaveLiteralCharacters() const { return FSaveLiteralCharacters; }

private:
  void Clear();
  bool IsBlankAt(Char AChar, int AIndex, bool AOptionalOnly) const;

  Char FBlank = L'_';
  std::vector<std::unique_ptr<TcxStandardMaskCustomItem>> FItems;
  bool FLeading = false;
  bool FSaveLiteralCharacters = true;
  String FMask;
};
