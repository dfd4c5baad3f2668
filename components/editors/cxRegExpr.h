#pragma once
// The regular-expression engine of masked input: a recognizer compiled into
// a nondeterministic automaton and driven one character at a time. It never
// searches inside a longer text and never extracts groups; it tells whether a
// character may extend the text typed so far, steps back a character, and
// inserts on its own the literal characters that are the only way on.
#include <functional>
#include <memory>
#include <vector>

#include "components/editors/cxEdit.h"
#include "vcl/rtl/Streams.h"

// ---------------------------------------------------------------- lexems

enum TcxRegExprLexemCode {
  relcSymbol,
  relcSpecial,
  relcInteger,
  relcAll,
  relcId,
  relcNotId,
  relcDigit,
  relcNotDigit,
  relcSpace,
  relcNotSpace,
  relcReference,
  relcDateSeparator,
  relcTimeSeparator
};

struct TcxLexem {
  int Char = 0;  // column of the lexem in the expression
  TcxRegExprLexemCode Code = relcSymbol;
  int Line = 0;
  String Value;  // one character, except for relcInteger
};

class TcxLexems {
public:
  void Add(const TcxLexem& ALexem) { FItems.push_back(ALexem); }
  int Count() const { return static_cast<int>(FItems.size()); }
  TcxLexem GetItems(int AIndex) const { return FItems.at(AIndex); }
  void Clear() { FItems.clear(); }

private:
  std::vector<TcxLexem> FItems;
};

// ---------------------------------------------------------------- errors

class TcxRegExprError {
public:
  TcxRegExprError(int ALine, int AChar, const String& AMessage)
      : FChar(AChar), FLine(ALine), FMessage(AMessage) {}
  TcxRegExprError Clone() const { return *this; }
  int Char() const { return FChar; }
  int Line() const { return FLine; }
  const String& Message() const { return FMessage; }
  // "Line<n>, Char<m>: message", each part only when its number is positive.
  String FullMessage() const;

private:
  int FChar;
  int FLine;
  String FMessage;
};

class TcxRegExprErrors {
public:
  void Add(const TcxRegExprError& AError) { FItems.push_back(AError); }
  void Clear() { FItems.clear(); }
  TcxRegExprErrors Clone() const { return *this; }
  int Count() const { return static_cast<int>(FItems.size()); }
  const TcxRegExprError& GetItems(int AIndex) const { return FItems.at(AIndex); }

private:
  std::vector<TcxRegExprError> FItems;
};

// A compile that failed. It carries a copy of the expression's errors, so the
// handler may read them after the expression is gone; its message is their
// full messages, one per line.
class EcxRegExprError : public EcxEditError {
public:
  explicit EcxRegExprError(const TcxRegExprErrors& AErrors);
  const TcxRegExprErrors& Errors() const { return FErrors; }
  const wchar_t* ClassName() const override { return L"EcxRegExprError"; }

private:
  TcxRegExprErrors FErrors;
};

// ---------------------------------------------------------------- characters

// What one automaton step consumes.
class TcxRegExprItem {
public:
  virtual ~TcxRegExprItem() = default;
  // Whether AToken is taken; a case-insensitive hit may rewrite AToken to the
  // case written in the expression when ACanChangeCase.
  virtual bool Check(Char& AToken, bool ACaseInsensitive, bool ACanChangeCase) const = 0;
  virtual std::unique_ptr<TcxRegExprItem> Clone() const = 0;
  // The one character this item stands for, when it is a literal (a symbol
  // or a locale separator): what forced characters are made of.
  virtual bool Literal(Char& ASymbol) const { return false; }
};

class TcxRegExprSymbol : public TcxRegExprItem {
public:
  explicit TcxRegExprSymbol(Char AValue) : FValue(AValue) {}
  bool Check(Char& AToken, bool ACaseInsensitive, bool ACanChangeCase) const override;
  std::unique_ptr<TcxRegExprItem> Clone() const override;
  bool Literal(Char& ASymbol) const override;

private:
  Char FValue;
};

// The locale's separators, read at the moment of each check.
class TcxRegExprTimeSeparator : public TcxRegExprItem {
public:
  bool Check(Char& AToken, bool ACaseInsensitive, bool ACanChangeCase) const override;
  std::unique_ptr<TcxRegExprItem> Clone() const override;
  bool Literal(Char& ASymbol) const override;
};

class TcxRegExprDateSeparator : public TcxRegExprItem {
public:
  bool Check(Char& AToken, bool ACaseInsensitive, bool ACanChangeCase) const override;
  std::unique_ptr<TcxRegExprItem> Clone() const override;
  bool Literal(Char& ASymbol) const override;
};

// A bracket range; case is never ignored.
class TcxRegExprSubrange : public TcxRegExprItem {
public:
  TcxRegExprSubrange(Char AStartValue, Char AFinishValue)
      : FStartValue(AStartValue), FFinishValue(AFinishValue) {}
  bool Check(Char& AToken, bool ACaseInsensitive, bool ACanChangeCase) const override;
  std::unique_ptr<TcxRegExprItem> Clone() const override;

private:
  Char FStartValue;
  Char FFinishValue;
};

// A class of characters, inverted when FInverse.
class TcxRegExprEnumeration : public TcxRegExprItem {
public:
  explicit TcxRegExprEnumeration(bool AInverse) : FInverse(AInverse) {}
  bool Check(Char& AToken, bool ACaseInsensitive, bool ACanChangeCase) const final;

protected:
  virtual bool IsMember(Char& AToken, bool ACaseInsensitive, bool ACanChangeCase) const = 0;
  bool FInverse;
};

// A bracket class: its items are tried with case first, then without.
class TcxRegExprUserEnumeration : public TcxRegExprEnumeration {
public:
  using TcxRegExprEnumeration::TcxRegExprEnumeration;
  void Add(std::unique_ptr<TcxRegExprItem> AItem) { FItems.push_back(std::move(AItem)); }
  std::unique_ptr<TcxRegExprItem> Clone() const override;

private:
  bool IsMember(Char& AToken, bool ACaseInsensitive, bool ACanChangeCase) const override;
  std::vector<std::unique_ptr<TcxRegExprItem>> FItems;
};

class TcxRegExprDigit : public TcxRegExprEnumeration {
public:
  using TcxRegExprEnumeration::TcxRegExprEnumeration;
  std::unique_ptr<TcxRegExprItem> Clone() const override;

private:
  bool IsMember(Char& AToken, bool ACaseInsensitive, bool ACanChangeCase) const override;
};

// ASCII letters, digits and the underscore.
class TcxRegExprIdLetter : public TcxRegExprEnumeration {
public:
  using TcxRegExprEnumeration::TcxRegExprEnumeration;
  std::unique_ptr<TcxRegExprItem> Clone() const override;

private:
  bool IsMember(Char& AToken, bool ACaseInsensitive, bool ACanChangeCase) const override;
};

// 0x20, 0x00, 0x09, 0x0A, 0x0C and 0x0D.
class TcxRegExprSpace : public TcxRegExprEnumeration {
public:
  using TcxRegExprEnumeration::TcxRegExprEnumeration;
  std::unique_ptr<TcxRegExprItem> Clone() const override;
  static bool IsBlank(Char C);

private:
  bool IsMember(Char& AToken, bool ACaseInsensitive, bool ACanChangeCase) const override;
};

class TcxRegExprAll : public TcxRegExprItem {
public:
  bool Check(Char& AToken, bool ACaseInsensitive, bool ACanChangeCase) const override { return true; }
  std::unique_ptr<TcxRegExprItem> Clone() const override;
};

// ---------------------------------------------------------------- quantifiers

class TcxRegExprQuantifier {
public:
  virtual ~TcxRegExprQuantifier() = default;
  virtual bool CanMissing() const = 0;
  virtual bool CanRepeat() const = 0;
  virtual std::unique_ptr<TcxRegExprQuantifier> Clone() const = 0;
  virtual String Print() const = 0;
};

// No quantifier written.
class TcxRegExprSimpleQuantifier : public TcxRegExprQuantifier {
public:
  bool CanMissing() const override { return false; }
  bool CanRepeat() const override { return false; }
  std::unique_ptr<TcxRegExprQuantifier> Clone() const override;
  String Print() const override { return String(); }
};

class TcxRegExprQuestionQuantifier : public TcxRegExprQuantifier {
public:
  bool CanMissing() const override { return true; }
  bool CanRepeat() const override { return false; }
  std::unique_ptr<TcxRegExprQuantifier> Clone() const override;
  String Print() const override { return L"?"; }
};

class TcxRegExprStarQuantifier : public TcxRegExprQuantifier {
public:
  bool CanMissing() const override { return true; }
  bool CanRepeat() const override { return true; }
  std::unique_ptr<TcxRegExprQuantifier> Clone() const override;
  String Print() const override { return L"*"; }
};

class TcxRegExprPlusQuantifier : public TcxRegExprQuantifier {
public:
  bool CanMissing() const override { return false; }
  bool CanRepeat() const override { return true; }
  std::unique_ptr<TcxRegExprQuantifier> Clone() const override;
  String Print() const override { return L"+"; }
};

// ---------------------------------------------------------------- states

class TcxRegExprState;
class TcxRegExprSimpleState;

// A set of positions in the order they were reached (a list used as a set).
class TcxRegExprStates {
public:
  void Add(TcxRegExprSimpleState* AState);
  void Clear() { FStates.clear(); }
  int Count() const { return static_cast<int>(FStates.size()); }
  TcxRegExprSimpleState* GetState(int AIndex) const { return FStates[AIndex]; }
  bool IsFinal() const;
  // Whether every position of a non-empty set is the same literal character.
  bool Equ(Char& ASymbol) const;

private:
  friend class TcxRegExprAutomat;
  std::vector<TcxRegExprSimpleState*> FStates;
};

class TcxRegExprState {
public:
  virtual ~TcxRegExprState() = default;
  // The positions this state stands for: itself, or for a group's entry or
  // exit, what follows it.
  virtual void GetSelf(std::vector<TcxRegExprSimpleState*>& AStates) = 0;
  void Add(TcxRegExprState* AState);
  const std::vector<TcxRegExprState*>& States() const { return FStates; }

private:
  std::vector<TcxRegExprState*> FStates;  // successors, not owned
};

// A position of the expression.
class TcxRegExprSimpleState : public TcxRegExprState {
public:
  explicit TcxRegExprSimpleState(std::unique_ptr<TcxRegExprItem> AValue) : FValue(std::move(AValue)) {}
  void GetSelf(std::vector<TcxRegExprSimpleState*>& AStates) override { AStates.push_back(this); }
  bool Check(Char& AToken, bool ACaseInsensitive, bool ACanChangeCase) const {
    return FValue && FValue->Check(AToken, ACaseInsensitive, ACanChangeCase);
  }
  const TcxRegExprItem* Value() const { return FValue.get(); }
  bool IsFinal() const { return FIsFinal; }
  void SetFinal() { FIsFinal = true; }
  // The positions that may follow this one, groups passed through; made on
  // first use, once the connections are complete.
  const std::vector<TcxRegExprSimpleState*>& NextStates();

private:
  friend class TcxRegExprAutomat;
  bool FIsFinal = false;
  std::unique_ptr<TcxRegExprItem> FValue;  // nil only for the start state
  bool FNextStatesMade = false;
  std::vector<TcxRegExprSimpleState*> FNextStates;
  mutable uint32_t FMark = 0;  // the step that last added this state to a set
};

// The entry or exit of a group; consumes nothing.
class TcxRegExprBlockState : public TcxRegExprState {
public:
  void GetSelf(std::vector<TcxRegExprSimpleState*>& AStates) override;

private:
  enum class TClosure { None, Making, Made };
  TClosure FClosure = TClosure::None;
  std::vector<TcxRegExprSimpleState*> FSelf;
};

// ---------------------------------------------------------------- parse tree

class TcxRegExprParserAlts;

class TcxRegExprParserItem {
public:
  TcxRegExprParserItem();
  virtual ~TcxRegExprParserItem() = default;
  virtual bool CanEmpty() const = 0;
  virtual std::unique_ptr<TcxRegExprParserItem> Clone() const = 0;
  virtual String Print() const = 0;
  virtual void SetFinal() = 0;
  virtual TcxRegExprState* EntryState() = 0;
  virtual TcxRegExprState* ExitState() = 0;
  virtual void CreateConnections() = 0;
  // How many states and how deeply nested groups the item holds: what a copy
  // of it costs.
  virtual int64_t StateCount() const = 0;
  virtual int Depth() const = 0;

  bool CanMissing() const { return FQuantifier->CanMissing(); }
  bool CanRepeat() const { return FQuantifier->CanRepeat(); }
  bool NotQuantifier() const;
  void SetQuantifier(std::unique_ptr<TcxRegExprQuantifier> AQuantifier);

protected:
  std::unique_ptr<TcxRegExprQuantifier> FQuantifier;
};

class TcxRegExprParserSimpleItem : public TcxRegExprParserItem {
public:
  explicit TcxRegExprParserSimpleItem(std::unique_ptr<TcxRegExprItem> AValue);
  bool CanEmpty() const override { return CanMissing(); }
  std::unique_ptr<TcxRegExprParserItem> Clone() const override;
  String Print() const override;
  void SetFinal() override { FState->SetFinal(); }
  TcxRegExprState* EntryState() override { return FState.get(); }
  TcxRegExprState* ExitState() override { return FState.get(); }
  void CreateConnections() override;
  int64_t StateCount() const override { return 1; }
  int Depth() const override { return 0; }

private:
  std::unique_ptr<TcxRegExprSimpleState> FState;
};

class TcxRegExprParserBlockItem : public TcxRegExprParserItem {
public:
  TcxRegExprParserBlockItem();
  ~TcxRegExprParserBlockItem() override;
  bool CanEmpty() const override;
  std::unique_ptr<TcxRegExprParserItem> Clone() const override;
  String Print() const override;
  void SetFinal() override;
  TcxRegExprState* EntryState() override { return FStartState.get(); }
  TcxRegExprState* ExitState() override { return FFinishState.get(); }
  void CreateConnections() override;
  int64_t StateCount() const override;
  int Depth() const override;
  TcxRegExprParserAlts& Alts() { return *FAlts; }

private:
  std::unique_ptr<TcxRegExprParserAlts> FAlts;
  std::unique_ptr<TcxRegExprBlockState> FFinishState;
  std::unique_ptr<TcxRegExprBlockState> FStartState;
};

// One alternative: a sequence of items.
class TcxRegExprParserAlt {
public:
  void Add(std::unique_ptr<TcxRegExprParserItem> AItem) { FItems.push_back(std::move(AItem)); }
  TcxRegExprParserItem* LastItem() const { return FItems.empty() ? nullptr : FItems.back().get(); }
  std::unique_ptr<TcxRegExprParserItem> TakeLastItem();
  bool CanEmpty() const;
  bool CanMissing() const;
  void CreateConnections();
  void CreateFinalStates();
  void GetStartConnections(TcxRegExprState* AState);
  void SetFinishConnection(TcxRegExprState* AState);
  std::unique_ptr<TcxRegExprParserAlt> Clone() const;
  String Print() const;
  int64_t StateCount() const;
  int Depth() const;

private:
  std::vector<std::unique_ptr<TcxRegExprParserItem>> FItems;
};

class TcxRegExprParserAlts {
public:
  void Add(std::unique_ptr<TcxRegExprParserAlt> AAlt) { FAlts.push_back(std::move(AAlt)); }
  TcxRegExprParserAlt& AddAlt();
  bool CanEmpty() const;
  bool StartStateIsFinal() const;
  bool ThereIsEmptyAlt() const;
  void CreateConnections();
  void CreateFinalStates();
  void GetStartConnections(TcxRegExprState* AState);
  void SetFinishConnections(TcxRegExprState* AState);
  std::unique_ptr<TcxRegExprParserAlts> Clone() const;
  String Print() const;
  int64_t StateCount() const;
  int Depth() const;

private:
  std::vector<std::unique_ptr<TcxRegExprParserAlt>> FAlts;
};

// ---------------------------------------------------------------- automaton

class TcxRegExpr;

class TcxRegExprAutomat {
public:
  TcxRegExprAutomat(TcxRegExpr* AOwner, std::unique_ptr<TcxRegExprParserAlts> AExpr);
  ~TcxRegExprAutomat();
  bool Next(Char& AToken);
  bool Prev();
  bool IsFinal() const { return FCurrentStates.IsFinal(); }
  bool IsStart() const;
  void Reset();
  void Update();
  void ReUpdate();
  String Print() const { return FExpr->Print(); }

private:
  void Push(TcxRegExprStates&& ANewStates);
  // Adds AState to AStates unless this step added it already.
  void AddOnce(TcxRegExprStates& AStates, TcxRegExprSimpleState* AState);
  // Every position that may follow the current ones.
  TcxRegExprStates GetAllNextStates();
  TcxRegExprSimpleState* StartState() const { return FStartState.get(); }

  TcxRegExpr* FOwner;
  TcxRegExprStates FCurrentStates;
  std::unique_ptr<TcxRegExprParserAlts> FExpr;
  std::vector<TcxRegExprStates> FHistory;
  std::unique_ptr<TcxRegExprSimpleState> FStartState;
  uint32_t FStep = 0;  // numbers the sets being made, for AddOnce
};

// ---------------------------------------------------------------- expression

using TcxSymbolDeleteEvent = std::function<void()>;
using TcxSymbolUpdateEvent = std::function<void(Char ASymbol)>;

class TcxRegExpr {
public:
  TcxRegExpr();
  ~TcxRegExpr();
  TcxRegExpr(const TcxRegExpr&) = delete;
  TcxRegExpr& operator=(const TcxRegExpr&) = delete;

  // Raise EcxRegExprError with every error found.
  void Compile(TStream* AStream);
  void Compile(const String& S);
  bool IsCompiled() const { return FCompiled; }

  bool Next(Char& AToken);
  String NextEx(const String& AString);
  bool Prev();
  bool IsFinal() const;
  bool IsStart() const;
  void Reset();
  String Print() const;

  bool CaseInsensitive() const { return FCaseInsensitive; }
  void SetCaseInsensitive(bool AValue) { FCaseInsensitive = AValue; }
  TStream* Stream() const { return FCompiled ? FStream.get() : nullptr; }
  bool UpdateOn() const { return FUpdateOn; }
  void SetUpdateOn(bool AValue);
  const TcxRegExprErrors& Errors() const { return FErrors; }

  TcxSymbolDeleteEvent OnSymbolDelete;
  TcxSymbolUpdateEvent OnSymbolUpdate;

  // The most states and the deepest nesting of groups that the copies made
  // for {n,m} and references may grow an expression to, so that a hostile
  // mask cannot exhaust memory, time or stack. Masks stay far below.
  static constexpr int64_t MaxStateCount = 2048;
  static constexpr int MaxDepth = 512;

private:
  friend class TcxRegExprAutomat;
  class TParser;
  class TScanner;

  void Clear();
  void CheckCompiled() const;
  [[noreturn]] void RaiseErrors() const;
  void AddError(int ALine, int AChar, const String& AMessage) { FErrors.Add({ALine, AChar, AMessage}); }

  std::unique_ptr<TcxRegExprAutomat> FAutomat;
  bool FCaseInsensitive = false;
  bool FCompiled = false;
  TcxRegExprErrors FErrors;
  bool FFirstExpr = true;
  TcxLexems FLexems;
  std::unique_ptr<TMemoryStream> FStream;  // the source, UTF-8 encoded
  bool FUpdateOn = false;
};
