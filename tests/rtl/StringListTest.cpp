#include <gtest/gtest.h>

#include "vcl/rtl/Streams.h"
#include "vcl/rtl/Strings.h"
#include "vcl/rtl/SysUtils.h"

namespace {
std::vector<String> ItemsOf(const TStrings& list) {
  std::vector<String> items;
  for (int i = 0; i < list.Count(); ++i) items.push_back(list.Strings(i));
  return items;
}

String ErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const EStringListError& e) {
    return e.Message();
  }
  return L"(no error)";
}
}  // namespace

TEST(TStringList, TextSplitsAtEveryLineBreakKind) {
  TStringList list;
  list.SetText(L"a\r\nb\nc\rd\r\n\r\ne");
  EXPECT_EQ(ItemsOf(list), (std::vector<String>{L"a", L"b", L"c", L"d", L"", L"e"}));
  list.SetText(L"x\r\n");
  EXPECT_EQ(list.Count(), 1);
  EXPECT_EQ(list.Text(), L"x\r\n");
  list.SetText(L"");
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.Text(), L"");
}

TEST(TStringList, NamesAndValues) {
  TStringList list;
  list.SetText(L"Server=localhost\nDatabase=c:\\db\\a.fdb\nplain\nEmpty=");
  EXPECT_EQ(list.Values(L"database"), L"c:\\db\\a.fdb");  // names ignore case
  EXPECT_EQ(list.Values(L"plain"), L"");
  EXPECT_EQ(list.Values(L"missing"), L"");
  EXPECT_EQ(list.Names(0), L"Server");
  EXPECT_EQ(list.Names(2), L"");
  EXPECT_EQ(list.IndexOfName(L"EMPTY"), 3);
  EXPECT_EQ(list.ValueFromIndex(1), L"c:\\db\\a.fdb");

  list.SetValues(L"Server", L"remote=1");  // the value may hold the separator
  EXPECT_EQ(list.Strings(0), L"Server=remote=1");
  EXPECT_EQ(list.Values(L"Server"), L"remote=1");
  list.SetValues(L"User", L"sysdba");
  EXPECT_EQ(list.Strings(4), L"User=sysdba");
  list.SetValues(L"Database", L"");  // an empty value removes the pair
  EXPECT_EQ(list.IndexOfName(L"Database"), -1);
  EXPECT_EQ(list.Count(), 4);
}

TEST(TStringList, SortedFindAndDuplicates) {
  TStringList list;
  list.SetSorted(true);
  for (const wchar_t* s : {L"pear", L"Apple", L"fig", L"apple"}) list.Add(s);
  // dupIgnore: "apple" is found as "Apple" (case-insensitive) and not added.
  EXPECT_EQ(ItemsOf(list), (std::vector<String>{L"Apple", L"fig", L"pear"}));
  int index = -1;
  EXPECT_TRUE(list.Find(L"FIG", index));
  EXPECT_EQ(index, 1);
  EXPECT_FALSE(list.Find(L"grape", index));
  EXPECT_EQ(index, 2);  // where it would go
  EXPECT_EQ(list.IndexOf(L"PEAR"), 2);
  EXPECT_EQ(list.Add(L"grape"), 2);

  list.SetDuplicates(dupError);
  EXPECT_EQ(ErrorOf([&] { list.Add(L"FIG"); }), L"String list does not allow duplicates");
  EXPECT_EQ(ErrorOf([&] { list.Insert(0, L"a"); }), L"Operation not allowed on sorted list");
  EXPECT_EQ(ErrorOf([&] { list.SetStrings(0, L"a"); }), L"Operation not allowed on sorted list");
  EXPECT_EQ(ErrorOf([&] { list.Move(0, 1); }), L"Operation not allowed on sorted list");
  EXPECT_EQ(list.Count(), 4);

  list.SetDuplicates(dupAccept);
  list.Add(L"fig");
  EXPECT_EQ(list.Count(), 5);

  TStringList cased;
  cased.SetCaseSensitive(true);
  cased.SetSorted(true);
  cased.Add(L"b");
  cased.Add(L"B");
  EXPECT_EQ(cased.Count(), 2);
  EXPECT_EQ(cased.IndexOf(L"b"), cased.IndexOf(L"B") == 0 ? 1 : 0);
}

TEST(TStringList, IndexErrors) {
  TStringList list;
  list.Add(L"a");
  EXPECT_EQ(ErrorOf([&] { list.Strings(1); }), L"List index out of bounds (1)");
  EXPECT_EQ(ErrorOf([&] { list.Delete(-1); }), L"List index out of bounds (-1)");
  EXPECT_EQ(ErrorOf([&] { list.Insert(2, L"x"); }), L"List index out of bounds (2)");
  EXPECT_EQ(ErrorOf([&] { list.Objects(3); }), L"List index out of bounds (3)");
  EXPECT_EQ(ErrorOf([&] { list.Move(0, 4); }), L"List index out of bounds (4)");
  EXPECT_EQ(ItemsOf(list), std::vector<String>{L"a"});
}

TEST(TStringList, CommaAndDelimitedText) {
  struct Case {
    const wchar_t* text;
    std::vector<String> items;
  } cases[] = {
      {L"a,b,c", {L"a", L"b", L"c"}},
      {L"a b,\"c, d\",\"say \"\"hi\"\"\"", {L"a", L"b", L"c, d", L"say \"hi\""}},
      {L"  a ,  b ", {L"a", L"b"}},
      {L"a,", {L"a", L""}},
      {L",a", {L"", L"a"}},
      {L"\"\"", {L""}},
      {L"", {}},
      {L"\"open", {L"open"}},
  };
  TStringList list;
  for (const Case& c : cases) {
    list.SetCommaText(c.text);
    EXPECT_EQ(ItemsOf(list), c.items) << c.text;
  }
  list.SetText(L"plain\nwith blank\nquote\"d\n\ncomma,");
  EXPECT_EQ(list.CommaText(), L"plain,\"with blank\",\"quote\"\"d\",,\"comma,\"");
  TStringList back;
  back.SetCommaText(list.CommaText());
  EXPECT_EQ(ItemsOf(back), ItemsOf(list));

  list.SetDelimiter(L';');
  list.SetStrictDelimiter(true);
  list.SetDelimitedText(L" a b ;c");
  EXPECT_EQ(ItemsOf(list), (std::vector<String>{L" a b ", L"c"}));
  EXPECT_EQ(list.DelimitedText(), L" a b ;c");
}

TEST(TStringList, ObjectsChangeEventsAndAssign) {
  TStringList list(true);  // owns its objects
  int changes = 0, changing = 0;
  list.OnChange = [&](TObject*) { ++changes; };
  list.OnChanging = [&](TObject*) { ++changing; };
  auto* object = new TStringList;
  list.AddObject(L"x", object);
  EXPECT_EQ(list.Objects(0), object);
  EXPECT_EQ(list.IndexOfObject(object), 0);
  list.BeginUpdate();
  list.Add(L"y");
  list.Add(L"z");
  list.EndUpdate();
  EXPECT_EQ(changes, 3);  // AddObject: insert and object; the update: once
  EXPECT_EQ(changing, 3);

  TStringList copy;
  copy.Assign(&list);
  EXPECT_EQ(ItemsOf(copy), ItemsOf(list));
  EXPECT_EQ(copy.Objects(0), object);
  EXPECT_TRUE(copy.Equals(&list));
  try {
    TPersistent other;
    copy.Assign(&other);
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), L"Cannot assign a TPersistent to a TStringList");
  }
  list.Move(0, 2);  // the owned object moves with its string, not deleted
  EXPECT_EQ(list.Objects(2), object);
}

TEST(TStringList, FileRoundTripKeepsEveryCharacter) {
  const String path = L"strings-roundtrip.txt";
  TStringList list;
  list.SetText(L"ação\nплан\n");  // not all of it fits the ANSI code page
  list.SaveToFile(path);
  TStringList back;
  back.LoadFromFile(path);
  EXPECT_EQ(ItemsOf(back), ItemsOf(list));

  list.SetText(L"plain");
  list.SaveToFile(path);
  TFileStream file(path, fmOpenRead);
  EXPECT_EQ(file.Size(), 7);  // ANSI, no byte-order mark
}

TEST(TStringList, LoadingReadsWhatIsLeftOfTheStream) {
  TMemoryStream stream;
  const std::string text = "one\r\ntwo\r\n";
  stream.WriteBuffer(text.data(), static_cast<int64_t>(text.size()));
  TStringList list;
  stream.SetPosition(5);
  list.LoadFromStream(&stream);
  EXPECT_EQ(ItemsOf(list), (std::vector<String>{L"two"}));
  stream.SetPosition(100);  // past the end: nothing left
  list.LoadFromStream(&stream);
  EXPECT_EQ(list.Count(), 0);
}

// The system's live files report a size of 0 and still have text.
TEST(TStringList, LoadingAFileThatReportsNoSizeReadsItsText) {
  const String path = L"Z:\\proc\\self\\status";
  ASSERT_EQ(TFileStream(path, fmOpenRead | fmShareDenyNone).Size(), 0);
  TStringList list;
  list.LoadFromFile(path);
  ASSERT_GT(list.Count(), 0);
  EXPECT_EQ(Copy(list.Strings(0), 1, 5), L"Name:");
}
