// The text editor's rules without a window: display texts from edit values
// (null text, echo, case, formats in pt-BR and en-US), digit grouping,
// value bounds, lookup navigation and the filter helpers.
#include <gtest/gtest.h>

#include "components/editors/cxFilterControlUtils.h"
#include "components/editors/cxTextEdit.h"
#include "vcl/rtl/FormatSettings.h"

namespace {

// The process's formats for one test, as the user's locale gives them.
struct TLocaleScope {
  explicit TLocaleScope(uint32_t ALocale) : Saved(FormatSettings) { FormatSettings = TFormatSettings::Create(ALocale); }
  ~TLocaleScope() { FormatSettings = Saved; }
  TFormatSettings Saved;
};
constexpr uint32_t PtBR = 0x0416, EnUS = 0x0409;

// A numeric editor's properties: digits grouped while focused.
class TNumericProperties : public TcxCustomTextEditProperties {
  CX_EDIT_PROPERTIES_CLASS(TNumericProperties, TcxCustomTextEditProperties)
public:
  using TcxCustomTextEditProperties::TcxCustomTextEditProperties;
  bool IsNumericValueEditor() override { return true; }
  bool UsesDigitGrouping() override { return true; }
};

}  // namespace

TEST(TextEditProperties, DisplayTextsFromEditValues) {
  struct TCase {
    const char* Name;
    Variant Value;
    bool Focused;
    std::function<void(TcxTextEditProperties&)> Setup;
    String Expected;
  };
  const TCase cases[] = {
      {"null text unfocused", Null(), false, [](auto& p) { p.SetUseNullString(true); p.SetNullstring(L"<none>"); },
       L"<none>"},
      {"null text focused", Null(), true, [](auto& p) { p.SetUseNullString(true); p.SetNullstring(L"<none>"); }, L""},
      {"null without null text", Null(), false, [](auto&) {}, L""},
      {"password with #0", Variant(L"secret"), false, [](auto& p) { p.SetEchoMode(eemPassword); }, L"******"},
      {"password char, case not applied", Variant(L"abc"), false,
       [](auto& p) { p.SetEchoMode(eemPassword); p.SetPasswordChar(L'#'); p.SetCharCase(ecUpperCase); }, L"###"},
      {"upper case", Variant(L"São Paulo"), false, [](auto& p) { p.SetCharCase(ecUpperCase); }, L"SÃO PAULO"},
      {"lower case", Variant(L"ÁGUA"), false, [](auto& p) { p.SetCharCase(ecLowerCase); }, L"água"},
      {"integer", Variant(42), false, [](auto&) {}, L"42"},
  };
  for (const TCase& c : cases) {
    TcxTextEditProperties properties(nullptr);
    c.Setup(properties);
    Variant display;
    properties.PrepareDisplayValue(c.Value, display, c.Focused);
    String text = VarToStr(display);
    properties.DisplayValueToDisplayText(text);
    EXPECT_EQ(text, c.Expected) << c.Name;
    if (!c.Focused) EXPECT_EQ(properties.GetDisplayText(c.Value), c.Expected) << c.Name;
  }
}

TEST(TextEditProperties, NumericTextsFollowTheLocaleAndTheFormats) {
  struct TCase {
    uint32_t Locale;
    String DisplayFormat;
    bool Focused;
    double Value;
    String Expected;
  };
  const TCase cases[] = {
      {PtBR, L"#,##0.00", false, 1234567.5, L"1.234.567,50"},
      {EnUS, L"#,##0.00", false, 1234567.5, L"1,234,567.50"},
      {PtBR, L"", true, 1234567.5, L"1.234.567,5"},
      {EnUS, L"", true, -1234.25, L"-1,234.25"},
      {EnUS, L"", true, 123456, L"123,456"},
      {PtBR, L"0.0 'kg'", false, 2.26, L"2,3 kg"},
  };
  for (const TCase& c : cases) {
    TLocaleScope locale(c.Locale);
    TNumericProperties properties(nullptr);
    if (!c.DisplayFormat.empty()) properties.SetDisplayFormat(c.DisplayFormat);
    Variant display;
    properties.PrepareDisplayValue(Variant(c.Value), display, c.Focused);
    EXPECT_EQ(VarToStr(display), c.Expected) << c.Locale << " " << c.Value;
  }
}

TEST(TextEditProperties, ThousandSeparatorsGroupOnlyTheIntegerPart) {
  TLocaleScope locale(EnUS);
  const std::pair<String, String> cases[] = {
      {L"-1234567.5", L"-1,234,567.5"}, {L"123456", L"123,456"},       {L"123", L"123"},
      {L"12345E10", L"12,345E10"},      {L"  1234  ", L"  1,234  "},   {L"1,2,34567", L"1,234,567"},
      {L"0.123456", L"0.123456"},       {L"", L""},                    {L"-123456789", L"-123,456,789"},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(cxInsertThousandSeparators(text), expected) << text;
  EXPECT_TRUE(cxIsGroupedNumberText(L"1,234.5"));
  EXPECT_FALSE(cxIsGroupedNumberText(L"1,2a"));
}

TEST(TextEditProperties, ListStylesAcceptOnlyLookupItemsIgnoringCase) {
  TcxTextEditProperties properties(nullptr);
  properties.LookupItems()->Add(L"Apple");
  properties.SetCharCase(ecUpperCase);
  Variant typed(L"apple");
  EXPECT_TRUE(properties.IsDisplayValueValid(typed, true));  // esEdit takes anything
  EXPECT_EQ(VarToStr(typed), L"APPLE");
  Variant other(L"pear");
  EXPECT_TRUE(properties.IsDisplayValueValid(other, true));
  EXPECT_TRUE(properties.IsLookupItemText(L"aPPLE"));
  EXPECT_FALSE(properties.IsLookupItemText(L"Appl"));
}

TEST(TextEditProperties, ValueBoundsByWhatWasAssigned) {
  struct TCase {
    const char* Name;
    std::optional<double> Min, Max;
    double Value;
    bool Error;
  };
  const TCase cases[] = {
      {"5..5 allows 5", 5, 5, 5, false},        {"5..5 refuses 6", 5, 5, 6, true},
      {"5..5 refuses 4", 5, 5, 4, true},        {"only min: below", 10, std::nullopt, 9, true},
      {"only min: far above", 10, std::nullopt, 1e9, false},
      {"only max: above", std::nullopt, 10, 11, true}, {"none: anything", std::nullopt, std::nullopt, -1e9, false},
      {"range inside", 1, 9, 9, false},
  };
  for (const TCase& c : cases) {
    TNumericProperties properties(nullptr);
    if (c.Min) properties.SetMinValue(*c.Min);
    if (c.Max) properties.SetMaxValue(*c.Max);
    String errorText;
    bool error = false;
    properties.CheckValueInBounds(Variant(c.Value), errorText, error);
    EXPECT_EQ(error, c.Error) << c.Name;
    if (error) EXPECT_EQ(errorText, L"Value out of bounds") << c.Name;
  }
}

TEST(TextEditProperties, AssignedValuesAndMaxLength) {
  TcxTextEditProperties properties(nullptr);
  EXPECT_EQ(properties.MaxLength(), 0);
  properties.SetMaxLength(-4);
  EXPECT_EQ(properties.MaxLength(), 0);
  EXPECT_TRUE(properties.AssignedValues()->MaxLength());
  properties.SetMaxLength(5);
  properties.SetDisplayFormat(L"0.00");
  TcxTextEditProperties copy(nullptr);
  copy.Assign(&properties);
  EXPECT_EQ(copy.MaxLength(), 5);
  EXPECT_EQ(copy.DisplayFormat(), L"0.00");
  EXPECT_TRUE(copy.AssignedValues()->DisplayFormat());
  EXPECT_FALSE(copy.AssignedValues()->EditFormat());
  copy.SetViewStyle(vsHideCursor);
  EXPECT_EQ(copy.CurrentEditingStyle(), esNoEdit);
  EXPECT_EQ(copy.ViewStyle(), vsHideCursor);
}

// ---------------------------------------------------------------- lookup navigation

TEST(TextEditLookup, NavigationFromEveryEdge) {
  struct TCase {
    int Count, Start;
    TcxEditLookupDataGoDirection Direction;
    bool Circular;
    int Expected;
  };
  const TCase cases[] = {
      {20, -1, egdPageDown, false, 7},  {20, 0, egdPageDown, false, 7},   {20, 15, egdPageDown, false, 19},
      {20, 19, egdPageDown, false, 19}, {20, 19, egdPageDown, true, 0},   {20, 18, egdPageDown, true, 19},
      {20, -1, egdPageUp, false, -1},   {20, -1, egdPageUp, true, 19},    {20, 0, egdPageUp, false, 0},
      {20, 0, egdPageUp, true, 19},     {20, 10, egdPageUp, false, 3},    {20, 3, egdPageUp, false, 0},
      {20, 19, egdNext, false, 19},     {20, 19, egdNext, true, 0},       {20, 5, egdNext, false, 6},
      {20, 0, egdPrev, false, 0},       {20, 0, egdPrev, true, 19},       {20, 5, egdPrev, false, 4},
      {20, 7, egdBegin, false, 0},      {20, 7, egdEnd, false, 19},       {3, 1, egdPageDown, false, 2},
      {0, -1, egdNext, false, -1},
  };
  for (const TCase& c : cases) {
    TcxTextEdit edit(nullptr);
    for (int i = 0; i < c.Count; ++i) edit.Properties()->LookupItems()->Add(L"Item " + IntToStr(i));
    TcxCustomTextEditLookupData* lookup = edit.LookupData();
    lookup->SetCurrentKey(Variant(c.Start));
    lookup->Go(c.Direction, c.Circular);
    EXPECT_EQ(lookup->CurrentKey(), c.Expected)
        << "count " << c.Count << " from " << c.Start << " direction " << static_cast<int>(c.Direction)
        << (c.Circular ? " circular" : "");
    if (c.Expected >= 0) EXPECT_EQ(edit.Text(), L"Item " + IntToStr(c.Expected));
  }
}

TEST(TextEditLookup, PrefixSearchTakesTheItemsCaseOnlyInListStyles) {
  TcxTextEdit edit(nullptr);
  edit.Properties()->LookupItems()->Add(L"Abc");
  edit.Properties()->LookupItems()->Add(L"abd");
  String text = L"ab", tail;
  ASSERT_TRUE(edit.LookupData()->Locate(text, tail, false));
  EXPECT_EQ(text, L"ab");
  EXPECT_EQ(tail, L"c");
  EXPECT_EQ(edit.LookupData()->CurrentKey(), 0);
  text = L"xyz";
  EXPECT_FALSE(edit.LookupData()->Locate(text, tail, false));
  EXPECT_EQ(edit.LookupData()->CurrentKey(), -1);  // esEdit always resets
  EXPECT_TRUE(edit.LookupData()->Find(L"ABD"));
  EXPECT_EQ(edit.LookupData()->GetDisplayText(Variant(1)), L"abd");
  EXPECT_EQ(edit.LookupData()->GetDisplayText(Variant(5)), L"");
}

// ---------------------------------------------------------------- filter helpers

namespace {

struct TValueType : IcxFilterValueType {
  explicit TValueType(bool AIsString) : Text(AIsString) {}
  bool IsString() const override { return Text; }
  bool IsValueValid(Variant&) const override { return true; }
  bool Text;
};

// A kind of editor with no helper of its own.
class TChildTextProperties : public TcxTextEditProperties {
  CX_EDIT_PROPERTIES_CLASS(TChildTextProperties, TcxTextEditProperties)
public:
  using TcxTextEditProperties::TcxTextEditProperties;
};

}  // namespace

TEST(FilterEditHelpers, OperatorsPerValueType) {
  const TcxFilterTextEditHelper* helper = TcxFilterTextEditHelper::Instance();
  const TValueType text(true), number(false);
  struct TCase {
    const IcxFilterValueType* Type;
    bool Extended;
    TcxFilterControlOperator Op;
    bool Offered;
  };
  const TCase cases[] = {
      {&text, false, fcoLike, true},         {&text, false, fcoNotLike, true},   {&number, false, fcoLike, false},
      {nullptr, true, fcoNotLike, false},    {nullptr, false, fcoEqual, true},   {nullptr, false, fcoNonBlanks, true},
      {nullptr, false, fcoBetween, false},   {nullptr, true, fcoBetween, true},  {nullptr, true, fcoNotInList, true},
      {nullptr, true, fcoToday, false},      {&text, true, fcoNone, false},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(helper->GetSupportedFilterOperators(nullptr, c.Type, c.Extended).Contains(c.Op), c.Offered)
        << static_cast<int>(c.Op) << (c.Extended ? " extended" : "");
}

TEST(FilterEditHelpers, FoundByClassAndFreedWithTheLastRegistration) {
  TcxFilterEditsController* registry = cxFilterEditsRegistry();
  EXPECT_EQ(registry->FindHelper(TcxTextEditProperties::StaticClass()), TcxFilterTextEditHelper::Instance());
  EXPECT_EQ(registry->FindHelper(TChildTextProperties::StaticClass()), TcxFilterTextEditHelper::Instance());
  EXPECT_EQ(registry->FindHelper(TcxCustomTextEditProperties::StaticClass()), nullptr);
  registry->Unregister(TcxTextEditProperties::StaticClass(), TcxFilterTextEditHelper::Instance());
  EXPECT_EQ(cxFilterEditsRegistry()->FindHelper(TcxTextEditProperties::StaticClass()), nullptr);
  cxFilterEditsRegistry()->Register(TcxTextEditProperties::StaticClass(), TcxFilterTextEditHelper::Instance());
  EXPECT_EQ(cxFilterEditsRegistry()->FindHelper(TcxTextEditProperties::StaticClass()),
            TcxFilterTextEditHelper::Instance());
}

TEST(FilterEditHelpers, AFilterRowEditorLosesTheColumnsEventsAndButtons) {
  TcxTextEditProperties column(nullptr);
  column.OnChange = [](TObject*) {};
  column.OnClosePopup = [](TObject*, TcxEditCloseUpReason) {};
  column.SetReadOnly(true);
  column.SetBeepOnError(true);
  column.Alignment()->SetHorz(taRightJustify);
  column.Buttons()->Add();
  column.SetViewStyle(vsHideCursor);
  std::unique_ptr<TcxCustomEdit> edit(TcxFilterTextEditHelper::Instance()->GetFilterEdit(&column));
  ASSERT_TRUE(dynamic_cast<TcxTextEdit*>(edit.get()));
  auto* properties = static_cast<TcxTextEditProperties*>(edit->ActiveProperties());
  EXPECT_FALSE(properties->OnChange);
  EXPECT_FALSE(properties->ReadOnly());
  EXPECT_FALSE(properties->BeepOnError());
  EXPECT_TRUE(properties->ValidateOnEnter());
  EXPECT_EQ(properties->Alignment()->Horz(), taLeftJustify);
  EXPECT_EQ(properties->Buttons()->Count(), 0);
  EXPECT_EQ(properties->ViewStyle(), vsNormal);
  TcxFilterTextEditHelper::Instance()->SetFilterValue(edit.get(), &column, Variant(L"abc"));
  Variant value;
  String text;
  TcxFilterTextEditHelper::Instance()->GetFilterValue(edit.get(), &column, value, text);
  EXPECT_EQ(VarToStr(value), L"abc");
  EXPECT_EQ(text, L"abc");

  // The popup's handler stays, the change handlers go.
  column.OnEditValueChanged = [](TObject*) {};
  TcxFilterTextEditHelper::Instance()->ClearPropertiesEvents(&column);
  EXPECT_TRUE(column.OnClosePopup);
  EXPECT_FALSE(column.OnChange);
  EXPECT_FALSE(column.OnEditValueChanged);
}
