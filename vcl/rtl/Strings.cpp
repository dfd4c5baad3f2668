#include "vcl/rtl/Strings.h"

#include <algorithm>
#include <numeric>

#include "vcl/rtl/Streams.h"
#include "vcl/rtl/SysUtils.h"
#include "vcl/rtl/WinApi.h"

const wchar_t* const sLineBreak = L"\r\n";

namespace {
const wchar_t* const SSortedListError = L"Operation not allowed on sorted list";
const wchar_t* const SDuplicateString = L"String list does not allow duplicates";

bool IsBlank(Char C) { return C >= 1 && C <= L' '; }

String JoinDelimited(const TStrings& List, Char Delimiter, Char Quote, bool Strict) {
  if (List.Count() == 1 && List.Strings(0).empty()) return String(2, Quote);
  String result;
  for (int i = 0; i < List.Count(); ++i) {
    const String s = List.Strings(i);
    const bool needsQuotes = std::any_of(s.begin(), s.end(), [&](Char c) {
      return c == L'\0' || c == Quote || c == Delimiter || (!Strict && IsBlank(c));
    });
    if (i > 0) result += Delimiter;
    if (needsQuotes) {
      result += Quote;
      for (Char c : s) {
        result += c;
        if (c == Quote) result += c;
      }
      result += Quote;
    } else {
      result += s;
    }
  }
  return result;
}

// Reads a quoted item starting at the opening quote; a doubled quote stands
// for one, and an item without its closing quote runs to the end.
String ExtractQuoted(const String& Text, size_t& P, Char Quote) {
  String result;
  ++P;
  while (P < Text.size()) {
    if (Text[P] == Quote) {
      if (P + 1 < Text.size() && Text[P + 1] == Quote) {
        result += Quote;
        P += 2;
        continue;
      }
      ++P;
      break;
    }
    result += Text[P++];
  }
  return result;
}

void SplitDelimited(TStrings& List, const String& Text, Char Delimiter, Char Quote, bool Strict) {
  auto skipBlanks = [&](size_t& p) {
    if (!Strict)
      while (p < Text.size() && IsBlank(Text[p])) ++p;
  };
  List.BeginUpdate();
  try {
    List.Clear();
    size_t p = 0;
    skipBlanks(p);
    while (p < Text.size()) {
      if (Text[p] == Quote) {
        List.Add(ExtractQuoted(Text, p, Quote));
      } else {
        const size_t start = p;
        while (p < Text.size() && Text[p] != Delimiter && (Strict || Text[p] > L' ')) ++p;
        List.Add(Text.substr(start, p - start));
      }
      skipBlanks(p);
      if (p < Text.size() && Text[p] == Delimiter) {
        if (p + 1 == Text.size()) List.Add(String());
        ++p;
        skipBlanks(p);
      }
    }
  } catch (...) {
    List.EndUpdate();
    throw;
  }
  List.EndUpdate();
}
const std::string Utf8Bom = "\xEF\xBB\xBF";

String DecodeText(const std::string& Bytes) {
  auto startsWith = [&](const char* bom) { return Bytes.rfind(bom, 0) == 0; };
  if (startsWith(Utf8Bom.c_str())) return FromUtf8(Bytes.substr(3));
  const bool littleEndian = startsWith("\xFF\xFE"), bigEndian = startsWith("\xFE\xFF");
  if (!littleEndian && !bigEndian) return FromAnsi(Bytes);
  String text((Bytes.size() - 2) / 2, L'\0');
  for (size_t i = 0; i < text.size(); ++i) {
    const auto first = static_cast<uint8_t>(Bytes[2 + 2 * i]);
    const auto second = static_cast<uint8_t>(Bytes[3 + 2 * i]);
    text[i] = static_cast<Char>(littleEndian ? first | second << 8 : second | first << 8);
  }
  return text;
}

// ANSI, as the files were always written, unless that would lose characters:
// then UTF-8 with its byte-order mark, which reading recognises.
std::string EncodeText(const String& Text) {
  BOOL lossy = FALSE;
  if (!Text.empty())
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, Text.data(), Length(Text), nullptr, 0,
                        nullptr, &lossy);
  return lossy ? Utf8Bom + ToUtf8(Text) : ToAnsi(Text);
}
}  // namespace

// ---------------------------------------------------------------- TStrings

void TStrings::Error(const wchar_t* Msg, int Data) const {
  throw EStringListError(Format(Msg, {Data}));
}

int TStrings::Add(const String& S) {
  const int index = Count();
  Insert(index, S);
  return index;
}

int TStrings::AddObject(const String& S, TObject* AObject) {
  const int index = Add(S);
  PutObject(index, AObject);
  return index;
}

void TStrings::AddStrings(const TStrings* AStrings) {
  BeginUpdate();
  try {
    for (int i = 0; i < AStrings->Count(); ++i)
      AddObject(AStrings->Strings(i), AStrings->Objects(i));
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TStrings::InsertObject(int Index, const String& S, TObject* AObject) {
  Insert(Index, S);
  PutObject(Index, AObject);
}

void TStrings::Put(int Index, const String& S) {
  TObject* object = GetObject(Index);
  Delete(Index);
  InsertObject(Index, S, object);
}

void TStrings::Exchange(int Index1, int Index2) {
  const String s1 = Strings(Index1), s2 = Strings(Index2);
  TObject* o1 = Objects(Index1);
  TObject* o2 = Objects(Index2);
  BeginUpdate();
  try {
    Put(Index1, s2);
    PutObject(Index1, o2);
    Put(Index2, s1);
    PutObject(Index2, o1);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TStrings::Move(int CurIndex, int NewIndex) {
  if (CurIndex == NewIndex) return;
  if (NewIndex < 0 || NewIndex >= Count()) Error(SListIndexError, NewIndex);
  const String s = Strings(CurIndex);
  TObject* object = Objects(CurIndex);
  BeginUpdate();
  try {
    Delete(CurIndex);
    InsertObject(NewIndex, s, object);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

int TStrings::CompareStrings(const String& S1, const String& S2) const {
  return AnsiCompareText(S1, S2);
}

int TStrings::IndexOf(const String& S) const {
  for (int i = 0; i < Count(); ++i)
    if (CompareStrings(Get(i), S) == 0) return i;
  return -1;
}

int TStrings::IndexOfName(const String& Name) const {
  for (int i = 0; i < Count(); ++i) {
    const String s = Get(i);
    const size_t p = s.find(FNameValueSeparator);
    if (p != String::npos && CompareStrings(s.substr(0, p), Name) == 0) return i;
  }
  return -1;
}

int TStrings::IndexOfObject(const TObject* AObject) const {
  for (int i = 0; i < Count(); ++i)
    if (GetObject(i) == AObject) return i;
  return -1;
}

bool TStrings::Equals(const TStrings* AStrings) const {
  if (Count() != AStrings->Count()) return false;
  for (int i = 0; i < Count(); ++i)
    if (Get(i) != AStrings->Get(i)) return false;
  return true;
}

String TStrings::Names(int Index) const {
  const String s = Get(Index);
  const size_t p = s.find(FNameValueSeparator);
  return p == String::npos ? String() : s.substr(0, p);
}

String TStrings::ValueFromIndex(int Index) const {
  if (Index < 0) return String();
  const String s = Get(Index);
  const size_t p = s.find(FNameValueSeparator);
  return p == String::npos ? String() : s.substr(p + 1);
}

String TStrings::Values(const String& Name) const { return ValueFromIndex(IndexOfName(Name)); }

void TStrings::SetValues(const String& Name, const String& Value) {
  const int index = IndexOfName(Name);
  if (Value.empty()) {
    if (index >= 0) Delete(index);
  } else if (index < 0) {
    Add(Name + FNameValueSeparator + Value);
  } else {
    Put(index, Name + FNameValueSeparator + Value);
  }
}

void TStrings::SetValueFromIndex(int Index, const String& Value) {
  if (Value.empty()) {
    if (Index >= 0) Delete(Index);
  } else if (Index < 0) {
    Add(FNameValueSeparator + Value);
  } else {
    Put(Index, Names(Index) + FNameValueSeparator + Value);
  }
}

String TStrings::Text() const {
  String result;
  for (int i = 0; i < Count(); ++i) result += Get(i) + FLineBreak;
  return result;
}

void TStrings::SetText(const String& Value) {
  BeginUpdate();
  try {
    Clear();
    size_t p = 0;
    while (p < Value.size()) {
      const size_t start = p;
      while (p < Value.size() && Value[p] != L'\r' && Value[p] != L'\n') ++p;
      Add(Value.substr(start, p - start));
      if (p < Value.size() && Value[p] == L'\r') ++p;
      if (p < Value.size() && Value[p] == L'\n') ++p;
    }
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

String TStrings::DelimitedText() const {
  return JoinDelimited(*this, FDelimiter, FQuoteChar, FStrictDelimiter);
}

void TStrings::SetDelimitedText(const String& Value) {
  SplitDelimited(*this, Value, FDelimiter, FQuoteChar, FStrictDelimiter);
}

String TStrings::CommaText() const { return JoinDelimited(*this, L',', L'"', false); }

void TStrings::SetCommaText(const String& Value) { SplitDelimited(*this, Value, L',', L'"', false); }

void TStrings::BeginUpdate() {
  if (FUpdateCount == 0) SetUpdateState(true);
  ++FUpdateCount;
}

void TStrings::EndUpdate() {
  if (FUpdateCount == 0) return;
  if (--FUpdateCount == 0) SetUpdateState(false);
}

void TStrings::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TStrings*>(Source);
  if (!source) {
    TPersistent::Assign(Source);
    return;
  }
  if (source == this) return;
  BeginUpdate();
  try {
    Clear();
    FNameValueSeparator = source->FNameValueSeparator;
    FQuoteChar = source->FQuoteChar;
    FDelimiter = source->FDelimiter;
    FLineBreak = source->FLineBreak;
    FStrictDelimiter = source->FStrictDelimiter;
    AddStrings(source);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TStrings::LoadFromFile(const String& FileName) {
  TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(&stream);
}

void TStrings::SaveToFile(const String& FileName) const {
  TFileStream stream(FileName, fmCreate);
  SaveToStream(&stream);
}

// Reads up to where reading stops, not to the size the stream reports:
// some files (the system's live ones) report none and still have text.
void TStrings::LoadFromStream(TStream* Stream) {
  std::string bytes;
  char chunk[65536];
  for (int64_t done; (done = Stream->Read(chunk, sizeof chunk)) > 0;)
    bytes.append(chunk, static_cast<size_t>(done));
  SetText(DecodeText(bytes));
}

void TStrings::SaveToStream(TStream* Stream) const {
  const std::string bytes = EncodeText(Text());
  Stream->WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
}

// ---------------------------------------------------------------- TStringList

TStringList::~TStringList() {
  OnChange = nullptr;
  OnChanging = nullptr;
  if (FOwnsObjects)
    for (const TStringItem& item : FList) delete item.FObject;
}

void TStringList::CheckIndex(int Index) const {
  if (Index < 0 || Index >= Count()) Error(SListIndexError, Index);
}

void TStringList::Changed() {
  if (UpdateCount() == 0 && OnChange) OnChange(this);
}

void TStringList::Changing() {
  if (UpdateCount() == 0 && OnChanging) OnChanging(this);
}

void TStringList::SetUpdateState(bool Updating) {
  if (Updating)
    Changing();
  else
    Changed();
}

int TStringList::CompareStrings(const String& S1, const String& S2) const {
  return FCaseSensitive ? AnsiCompareStr(S1, S2) : AnsiCompareText(S1, S2);
}

String TStringList::Get(int Index) const {
  CheckIndex(Index);
  return FList[Index].FString;
}

TObject* TStringList::GetObject(int Index) const {
  CheckIndex(Index);
  return FList[Index].FObject;
}

void TStringList::Put(int Index, const String& S) {
  if (FSorted) Error(SSortedListError, 0);
  CheckIndex(Index);
  Changing();
  FList[Index].FString = S;
  Changed();
}

void TStringList::PutObject(int Index, TObject* AObject) {
  CheckIndex(Index);
  Changing();
  FList[Index].FObject = AObject;
  Changed();
}

int TStringList::Add(const String& S) {
  int index = Count();
  if (FSorted && Find(S, index)) {
    if (FDuplicates == dupIgnore) return index;
    if (FDuplicates == dupError) Error(SDuplicateString, 0);
  }
  InsertItem(index, S, nullptr);
  return index;
}

void TStringList::Insert(int Index, const String& S) {
  if (FSorted) Error(SSortedListError, 0);
  if (Index < 0 || Index > Count()) Error(SListIndexError, Index);
  InsertItem(Index, S, nullptr);
}

void TStringList::InsertItem(int Index, const String& S, TObject* AObject) {
  Changing();
  FList.insert(FList.begin() + Index, TStringItem{S, AObject});
  Changed();
}

void TStringList::Delete(int Index) {
  CheckIndex(Index);
  Changing();
  TObject* object = FList[Index].FObject;
  FList.erase(FList.begin() + Index);
  if (FOwnsObjects) delete object;
  Changed();
}

void TStringList::Clear() {
  if (FList.empty()) return;
  Changing();
  std::vector<TStringItem> old;
  old.swap(FList);
  if (FOwnsObjects)
    for (const TStringItem& item : old) delete item.FObject;
  Changed();
}

void TStringList::Exchange(int Index1, int Index2) {
  CheckIndex(Index1);
  CheckIndex(Index2);
  Changing();
  std::swap(FList[Index1], FList[Index2]);
  Changed();
}

void TStringList::Move(int CurIndex, int NewIndex) {
  if (CurIndex == NewIndex) return;
  if (FSorted) Error(SSortedListError, 0);
  CheckIndex(CurIndex);
  CheckIndex(NewIndex);
  Changing();
  TStringItem item = std::move(FList[CurIndex]);
  FList.erase(FList.begin() + CurIndex);
  FList.insert(FList.begin() + NewIndex, std::move(item));
  Changed();
}

int TStringList::IndexOf(const String& S) const {
  if (!FSorted) return TStrings::IndexOf(S);
  int index;
  return Find(S, index) ? index : -1;
}

bool TStringList::Find(const String& S, int& Index) const {
  bool found = false;
  int low = 0, high = Count() - 1;
  while (low <= high) {
    const int middle = (low + high) / 2;
    const int c = CompareStrings(FList[middle].FString, S);
    if (c < 0) {
      low = middle + 1;
    } else {
      high = middle - 1;
      if (c == 0) {
        found = true;
        // Without duplicates the match is the only one; with them, go on
        // looking for the first.
        if (FDuplicates != dupAccept) low = middle;
      }
    }
  }
  Index = low;
  return found;
}

void TStringList::Sort() {
  CustomSort([](TStringList* List, int Index1, int Index2) {
    return List->CompareStrings(List->FList[Index1].FString, List->FList[Index2].FString);
  });
}

void TStringList::CustomSort(const TStringListSortCompare& Compare) {
  if (FSorted || Count() < 2) return;
  std::vector<int> order(FList.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(),
                   [&](int a, int b) { return Compare(this, a, b) < 0; });
  std::vector<TStringItem> sorted;
  sorted.reserve(FList.size());
  for (int i : order) sorted.push_back(FList[i]);
  Changing();
  FList.swap(sorted);
  Changed();
}

void TStringList::SetSorted(bool Value) {
  if (FSorted == Value) return;
  if (Value) Sort();
  FSorted = Value;
}

void TStringList::SetCaseSensitive(bool Value) {
  if (FCaseSensitive == Value) return;
  FCaseSensitive = Value;
  if (FSorted) {
    FSorted = false;
    SetSorted(true);
  }
}
