#include <gtest/gtest.h>

#include "Sample.h"
#include "vcl/rtl/DateUtils.h"

namespace {
class TSampleChild : public TSample {
  VCL_COMPONENT_CLASS(TSampleChild, TSample)
  VCL_PUBLISHED(TSampleChild)
public:
  using TSample::TSample;
  String Extra;
};

const TPropTable* TSampleChild::PublishedTable(TPublishedTag<TSampleChild>) {
  static const TPropTable table = TPublished<TSampleChild>()
                                      .Property(L"Extra", &TSampleChild::Extra, &TSampleChild::Extra)
                                      .Property(L"Text", &TSampleChild::Extra, &TSampleChild::Extra)
                                      .Build();
  return &table;
}

std::vector<String> NamesOf(const std::vector<PPropInfo>& list) {
  std::vector<String> names;
  for (PPropInfo p : list) names.push_back(p->Name);
  return names;
}

template <class E>
String ErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const E& e) {
    return e.Message();
  }
  return L"(no error)";
}
}  // namespace

TEST(TypInfo, TablesInheritAndAChildHidesItsParentsName) {
  EXPECT_EQ(NamesOf(GetPropList(TSample::StaticClass())),
            (std::vector<String>{L"Text", L"Count", L"Big", L"Ratio", L"When", L"Enabled", L"Shade",
                                 L"Link", L"Pen", L"Items", L"Version"}));
  TSampleChild child(nullptr);
  const auto list = GetPropList(&child);
  EXPECT_EQ(list.size(), 12u);
  EXPECT_EQ(list[0]->DeclaringClass, TSampleChild::StaticClass());  // "Text" taken over
  EXPECT_EQ(list.back()->Name, L"Extra");
  SetStrProp(&child, L"text", L"via child");
  EXPECT_EQ(child.Extra, L"via child");
  EXPECT_EQ(child.Text(), L"");
  EXPECT_EQ(GetPropInfo(TComponent::StaticClass(), L"Text"), nullptr);
}

TEST(TypInfo, TypeNamesAndKinds) {
  TSample s(nullptr);
  struct Case {
    const wchar_t* prop;
    TTypeKind kind;
    const wchar_t* typeName;
  } cases[] = {
      {L"Text", tkUString, L"string"},     {L"Count", tkInteger, L"Integer"},
      {L"Big", tkInt64, L"Int64"},         {L"Ratio", tkFloat, L"Double"},
      {L"When", tkFloat, L"TDateTime"},    {L"Enabled", tkEnumeration, L"Boolean"},
      {L"Shade", tkEnumeration, L"TShade"}, {L"Link", tkClass, L"TComponent"},
      {L"Pen", tkClass, L"TPen2"},
  };
  for (const Case& c : cases) {
    PPropInfo p = GetPropInfo(&s, c.prop);
    ASSERT_NE(p, nullptr) << ToUtf8(c.prop);
    EXPECT_EQ(p->PropType->Kind, c.kind) << ToUtf8(c.prop);
    EXPECT_EQ(p->PropType->Name, c.typeName);
  }
  EXPECT_FALSE(GetPropInfo(&s, L"Version")->IsWritable());
}

TEST(TypInfo, ReadAndWriteByName) {
  TSample s(nullptr);
  TComponent other(nullptr);
  SetStrProp(&s, L"TEXT", L"hello");
  SetOrdProp(&s, L"Count", -5);
  SetOrdProp(&s, L"Big", 1LL << 40);
  SetFloatProp(&s, L"Ratio", 0.25);
  SetEnumProp(&s, L"Shade", L"shdark");
  SetObjectProp(&s, L"Link", &other);
  EXPECT_EQ(s.Text(), L"hello");
  EXPECT_EQ(GetOrdProp(&s, L"Count"), -5);
  EXPECT_EQ(GetOrdProp(&s, L"Big"), 1LL << 40);
  EXPECT_EQ(GetFloatProp(&s, L"Ratio"), 0.25);
  EXPECT_EQ(GetEnumProp(&s, L"Shade"), L"shDark");
  EXPECT_EQ(GetObjectProp(&s, L"Link"), &other);
  EXPECT_EQ(GetObjectProp(&s, L"Pen"), s.Pen());
}

TEST(TypInfo, VariantsInAndOut) {
  TSample s(nullptr);
  const TDateTime when = EncodeDateTime(2024, 3, 5, 10, 0, 0, 0);
  SetPropValue(&s, L"Count", Variant(L"42"));
  SetPropValue(&s, L"Text", Variant(7));
  SetPropValue(&s, L"When", VarFromDateTime(when));
  SetPropValue(&s, L"Enabled", Variant(false));
  SetPropValue(&s, L"Shade", Variant(L"shMedium"));
  EXPECT_EQ(s.Count, 42);
  EXPECT_EQ(s.Text(), L"7");
  EXPECT_EQ(s.When, when);
  EXPECT_FALSE(s.Enabled);
  EXPECT_EQ(s.Shade, shMedium);

  EXPECT_EQ(VarType(GetPropValue(&s, L"Count")), varInteger);
  EXPECT_EQ(VarType(GetPropValue(&s, L"Big")), varInt64);
  EXPECT_EQ(VarType(GetPropValue(&s, L"When")), varDate);
  EXPECT_EQ(VarType(GetPropValue(&s, L"Enabled")), varBoolean);
  EXPECT_EQ(GetPropValue(&s, L"Enabled").AsString(), L"False");
  EXPECT_EQ(GetPropValue(&s, L"Shade").AsString(), L"shMedium");
  EXPECT_EQ(GetPropValue(&s, L"Shade", false).AsInteger(), 1);
}

TEST(TypInfo, ErrorsChangeNothing) {
  TSample s(nullptr);
  TPen2 notAComponent;
  TComponent component(nullptr);
  struct Case {
    std::function<void()> action;
    const wchar_t* message;
  } cases[] = {
      {[&] { SetStrProp(&s, L"Missing", L"x"); }, L"Property Missing does not exist"},
      {[&] { GetStrProp(&s, L"Count"); }, L"Invalid property type: Integer"},
      {[&] { SetOrdProp(&s, L"Text", 1); }, L"Invalid property type: string"},
      {[&] { SetOrdProp(&s, L"Version", 4); }, L"Property Version is read-only"},
      {[&] { SetOrdProp(&s, L"Count", 1LL << 40); },
       L"Value 1099511627776 is out of the range of Integer for property Count"},
      {[&] { SetOrdProp(&s, L"Shade", 3); }, L"Value 3 is out of the range of TShade for property Shade"},
      {[&] { SetEnumProp(&s, L"Shade", L"shPurple"); }, L"Invalid property element: shPurple"},
      {[&] { SetPropValue(&s, L"Pen", Variant(1)); }, L"Invalid property type: TPen2"},
  };
  for (const Case& c : cases) EXPECT_EQ(ErrorOf<EPropertyError>(c.action), c.message);
  EXPECT_EQ(ErrorOf<EVariantError>([&] { SetPropValue(&s, L"Count", Variant(L"abc")); }),
            L"Could not convert variant of type (UnicodeString) into type (Int64)");
  EXPECT_THROW(SetObjectProp(&s, L"Link", &notAComponent), EPropertyConvertError);
  EXPECT_EQ(s.Count, 0);
  EXPECT_EQ(s.Shade, shLight);
  EXPECT_EQ(s.Link(), nullptr);
  (void)component;
}
