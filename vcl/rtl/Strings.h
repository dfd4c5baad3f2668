#pragma once
// TStrings: the abstract list of strings with associated objects, name=value
// pairs and the text forms (Text, CommaText, DelimitedText); TStringList:
// the list that stores them, optionally sorted.
#include <functional>
#include <vector>

#include "vcl/rtl/Persistent.h"

using TNotifyEvent = std::function<void(TObject* Sender)>;

extern const wchar_t* const sLineBreak;  // "\r\n"

class TStrings : public TPersistent {
  VCL_CLASS(TStrings, TPersistent)
public:
  TStrings() = default;

  virtual int Count() const = 0;
  String Strings(int Index) const { return Get(Index); }
  void SetStrings(int Index, const String& S) { Put(Index, S); }
  TObject* Objects(int Index) const { return GetObject(Index); }
  void SetObjects(int Index, TObject* AObject) { PutObject(Index, AObject); }

  virtual int Add(const String& S);
  int AddObject(const String& S, TObject* AObject);
  void Append(const String& S) { Add(S); }
  void AddStrings(const TStrings* AStrings);
  virtual void Insert(int Index, const String& S) = 0;
  void InsertObject(int Index, const String& S, TObject* AObject);
  virtual void Delete(int Index) = 0;
  virtual void Clear() = 0;
  virtual void Exchange(int Index1, int Index2);
  virtual void Move(int CurIndex, int NewIndex);

  virtual int IndexOf(const String& S) const;
  int IndexOfName(const String& Name) const;
  int IndexOfObject(const TObject* AObject) const;
  bool Equals(const TStrings* AStrings) const;

  // name=value pairs. Names(i) is empty for an item without the separator;
  // Values of a missing name is empty; setting an empty value deletes the pair.
  String Names(int Index) const;
  String Values(const String& Name) const;
  void SetValues(const String& Name, const String& Value);
  String ValueFromIndex(int Index) const;
  void SetValueFromIndex(int Index, const String& Value);
  Char NameValueSeparator() const { return FNameValueSeparator; }
  void SetNameValueSeparator(Char C) { FNameValueSeparator = C; }

  // Every item followed by LineBreak; setting splits at CR, LF or CR LF.
  String Text() const;
  void SetText(const String& Value);
  String LineBreak() const { return FLineBreak; }
  void SetLineBreak(const String& Value) { FLineBreak = Value; }

  // Items joined by Delimiter; an item holding the quote, the delimiter or
  // (unless StrictDelimiter) a blank or control character is quoted.
  String DelimitedText() const;
  void SetDelimitedText(const String& Value);
  String CommaText() const;  // DelimitedText with ',' and '"', not strict
  void SetCommaText(const String& Value);
  Char Delimiter() const { return FDelimiter; }
  void SetDelimiter(Char C) { FDelimiter = C; }
  Char QuoteChar() const { return FQuoteChar; }
  void SetQuoteChar(Char C) { FQuoteChar = C; }
  bool StrictDelimiter() const { return FStrictDelimiter; }
  void SetStrictDelimiter(bool Value) { FStrictDelimiter = Value; }

  // Nested; observers hear of the changes once, at the outermost end.
  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return FUpdateCount; }

  void Assign(TPersistent* Source) override;

  // Files and streams: reading detects a UTF-8 or UTF-16 byte-order mark and
  // otherwise takes the system's ANSI code page.
  void LoadFromFile(const String& FileName);
  void SaveToFile(const String& FileName) const;
  void LoadFromStream(class TStream* Stream);
  void SaveToStream(class TStream* Stream) const;

protected:
  virtual String Get(int Index) const = 0;
  virtual void Put(int Index, const String& S);
  virtual TObject* GetObject(int Index) const { return nullptr; }
  virtual void PutObject(int Index, TObject* AObject) {}
  virtual void SetUpdateState(bool Updating) {}
  // How two items compare for IndexOf, IndexOfName and sorting.
  virtual int CompareStrings(const String& S1, const String& S2) const;
  [[noreturn]] void Error(const wchar_t* Msg, int Data) const;

private:
  String FLineBreak = sLineBreak;
  Char FNameValueSeparator = L'=';
  Char FDelimiter = L',';
  Char FQuoteChar = L'"';
  bool FStrictDelimiter = false;
  int FUpdateCount = 0;
};

enum class TDuplicates { dupIgnore, dupAccept, dupError };
using enum TDuplicates;

class TStringList;
using TStringListSortCompare = std::function<int(TStringList* List, int Index1, int Index2)>;

class TStringList : public TStrings {
  VCL_CREATABLE_CLASS(TStringList, TStrings)
public:
  TStringList() = default;
  explicit TStringList(bool AOwnsObjects) : FOwnsObjects(AOwnsObjects) {}
  ~TStringList() override;

  int Count() const override { return static_cast<int>(FList.size()); }
  int Add(const String& S) override;
  void Insert(int Index, const String& S) override;
  void Delete(int Index) override;
  void Clear() override;
  void Exchange(int Index1, int Index2) override;
  void Move(int CurIndex, int NewIndex) override;
  int IndexOf(const String& S) const override;

  // In a sorted list: the index of S, or where it would be inserted.
  bool Find(const String& S, int& Index) const;
  virtual void Sort();
  virtual void CustomSort(const TStringListSortCompare& Compare);

  bool Sorted() const { return FSorted; }
  void SetSorted(bool Value);
  TDuplicates Duplicates() const { return FDuplicates; }
  void SetDuplicates(TDuplicates Value) { FDuplicates = Value; }
  bool CaseSensitive() const { return FCaseSensitive; }
  void SetCaseSensitive(bool Value);
  bool OwnsObjects() const { return FOwnsObjects; }
  void SetOwnsObjects(bool Value) { FOwnsObjects = Value; }

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

protected:
  String Get(int Index) const override;
  void Put(int Index, const String& S) override;
  TObject* GetObject(int Index) const override;
  void PutObject(int Index, TObject* AObject) override;
  void SetUpdateState(bool Updating) override;
  int CompareStrings(const String& S1, const String& S2) const override;
  virtual void Changed();
  virtual void Changing();

private:
  struct TStringItem {
    String FString;
    TObject* FObject;
  };
  void CheckIndex(int Index) const;
  void InsertItem(int Index, const String& S, TObject* AObject);

  std::vector<TStringItem> FList;
  bool FSorted = false;
  TDuplicates FDuplicates = dupIgnore;
  bool FCaseSensitive = false;
  bool FOwnsObjects = false;
};
