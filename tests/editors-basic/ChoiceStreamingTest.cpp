// Form streams of the choice editors: what differs from the defaults is
// written and read back; what keeps its default is not written.
#include <gtest/gtest.h>

#include <string>

#include "components/editors-basic/cxRadioGroup.h"
#include "components/editors/cxEditUtils.h"
#include "tests/editors-basic/ButtonFixture.h"
#include "vcl/classes/Filer.h"
#include "vcl/rtl/Streams.h"

namespace {

struct ChoiceStreaming : FormFixture {
  ChoiceStreaming() {
    Form->SetBounds(0, 0, 500, 400);
    Form->Show();
  }
  // Writes ASource and reads the stream into ATarget.
  static void RoundTrip(TComponent* ASource, TComponent* ATarget) {
    TMemoryStream stream;
    TWriter(&stream).WriteRootComponent(ASource);
    stream.SetPosition(0);
    TReader(&stream).ReadRootComponent(ATarget);
  }
  static std::string StreamOf(TComponent* AComponent) {
    TMemoryStream stream;
    TWriter(&stream).WriteRootComponent(AComponent);
    return std::string(static_cast<const char*>(stream.Memory()), static_cast<size_t>(stream.Size()));
  }
  // The property names of ANames that the stream holds.
  static std::vector<std::string> NamesIn(const std::string& AStream, std::initializer_list<const char*> ANames) {
    std::vector<std::string> found;
    for (const char* name : ANames)
      if (AStream.find(name) != std::string::npos) found.push_back(name);
    return found;
  }
};

bool Same(const Variant& A, const Variant& B) { return cxVarEqualsSameType(A, B); }

}  // namespace

TEST_F(ChoiceStreaming, ACheckBoxKeepsItsSettingsAndItsState) {
  auto* source = Add<TcxCheckBox>(10, 10);
  TcxCustomCheckBoxProperties* p = source->Properties();
  p->SetCaptionAlignment(taRightJustify);
  p->SetAllowGrayed(true);
  p->SetClearKey(0x2E);
  p->SetDisplayChecked(L"Sim");
  p->SetDisplayGrayed(L"Talvez");
  p->SetFullFocusRect(true);
  p->SetGlyphCount(4);
  p->SetImmediatePost(true);
  p->SetMultiLine(true);
  p->SetNullStyle(nssInactive);
  p->SetReadOnly(true);
  p->SetShowEndEllipsis(true);
  p->SetUseAlignmentWhenInplace(true);
  // Swapped checked and unchecked values: taken one at a time while the
  // stream loads.
  p->AssignStateValues(Variant(false), Variant(L"?"), Variant(true));
  source->SetCaption(L"Aceitar");
  source->SetAutoSize(false);
  source->SetTransparent(true);
  source->SetState(cbsGrayed);

  auto* read = Add<TcxCheckBox>(10, 50);
  RoundTrip(source, read);
  TcxCustomCheckBoxProperties* r = read->Properties();
  EXPECT_EQ(r->CaptionAlignment(), taRightJustify);
  EXPECT_TRUE(r->AllowGrayed());
  EXPECT_EQ(r->ClearKey(), 0x2E);
  EXPECT_EQ(r->DisplayChecked(), L"Sim");
  EXPECT_EQ(r->DisplayGrayed(), L"Talvez");
  EXPECT_TRUE(r->FullFocusRect());
  EXPECT_EQ(r->GlyphCount(), 4);
  EXPECT_TRUE(r->ImmediatePost());
  EXPECT_TRUE(r->MultiLine());
  EXPECT_EQ(r->NullStyle(), nssInactive);
  EXPECT_TRUE(r->ReadOnly());
  EXPECT_TRUE(r->ShowEndEllipsis());
  EXPECT_TRUE(r->UseAlignmentWhenInplace());
  EXPECT_TRUE(Same(r->ValueChecked(), Variant(false)));
  EXPECT_TRUE(Same(r->ValueGrayed(), Variant(L"?")));
  EXPECT_TRUE(Same(r->ValueUnchecked(), Variant(true)));
  EXPECT_EQ(read->Caption(), L"Aceitar");
  EXPECT_FALSE(read->AutoSize());
  EXPECT_TRUE(read->Transparent());
  EXPECT_EQ(read->State(), cbsGrayed);
  EXPECT_TRUE(Same(read->EditValue(), Variant(L"?")));

  // A fresh box writes none of them.
  auto* plain = Add<TcxCheckBox>(10, 90);
  EXPECT_EQ(NamesIn(StreamOf(plain), {"Alignment", "AllowGrayed", "ClearKey", "Display", "FullFocusRect", "Glyph",
                                      "ImmediatePost", "MultiLine", "NullStyle", "ReadOnly", "ShowEndEllipsis",
                                      "UseAlignmentWhenInplace", "Value", "Caption", "AutoSize", "Transparent",
                                      "State", "Action"}),
            std::vector<std::string>{});
}

// An old stream kept the caption in the properties: the box takes it as
// its own, and never writes it there again.
TEST_F(ChoiceStreaming, ACheckBoxTakesTheCaptionOfAnOldStream) {
  TMemoryStream stream;
  stream.WriteBuffer("TPF0", 4);
  TWriter writer(&stream);
  writer.WriteStr(L"TcxCheckBox");
  writer.WriteStr(L"");
  writer.WriteStr(L"Properties.Caption");
  writer.WriteString(L"Antigo");
  writer.WriteListEnd();
  writer.WriteListEnd();
  stream.SetPosition(0);
  auto* read = Add<TcxCheckBox>(10, 10);
  TReader(&stream).ReadRootComponent(read);
  EXPECT_EQ(read->Caption(), L"Antigo");
  EXPECT_EQ(StreamOf(read).find("Properties.Caption"), std::string::npos);
}

namespace {

// A box that can be made to load by hand.
struct TLoadingCheckBox : TcxCheckBox {
  using TcxCheckBox::TcxCheckBox;
  using TcxCheckBox::SetComponentStateItem;
};

}  // namespace

// State values that collide once the whole stream is read are refused.
TEST_F(ChoiceStreaming, ACheckBoxStreamWithCollidingStateValuesIsRefused) {
  auto* source = Add<TLoadingCheckBox>(10, 10);
  source->SetComponentStateItem(csLoading, true);
  source->Properties()->SetValueChecked(Variant(false));
  source->SetComponentStateItem(csLoading, false);
  auto* read = Add<TcxCheckBox>(10, 50);
  EXPECT_THROW(RoundTrip(source, read), EcxEditError);
}

TEST_F(ChoiceStreaming, ARadioGroupKeepsItsItemsSettingsAndCheckedItem) {
  auto* source = Add<TcxRadioGroup>(10, 10);
  TcxCustomRadioGroupProperties* p = source->Properties();
  struct TItem {
    const wchar_t* Caption;
    Variant Value;
    intptr_t Tag;
  };
  const TItem items[] = {{L"Um", Variant(1), 0}, {L"Dois", Null(), 7}, {L"Três", Variant(L"3"), 0}};
  for (const TItem& item : items) {
    TcxRadioGroupItem* added = p->Items()->Add();
    added->SetCaption(item.Caption);
    added->SetValue(item.Value);
    added->SetTag(item.Tag);
  }
  p->SetColumns(3);
  p->SetDefaultCaption(L"nenhum");
  p->SetDefaultValue(Variant(0));
  p->SetImmediatePost(true);
  p->SetShowEndEllipsis(true);
  p->SetWordWrap(true);
  source->SetAlignment(alLeftCenter);
  source->SetTransparent(true);
  source->SetCaption(L"Opções");
  source->SetTabStop(false);
  source->SetItemIndex(2);

  auto* read = Add<TcxRadioGroup>(10, 150);
  RoundTrip(source, read);
  TcxCustomRadioGroupProperties* r = read->Properties();
  ASSERT_EQ(r->Items()->Count(), 3);
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(r->Items()->Items(i)->Caption(), items[i].Caption);
    EXPECT_TRUE(Same(r->Items()->Items(i)->Value(), items[i].Value));
    EXPECT_EQ(r->Items()->Items(i)->Tag(), items[i].Tag);
  }
  EXPECT_EQ(r->Columns(), 3);
  EXPECT_EQ(r->DefaultCaption(), L"nenhum");
  EXPECT_TRUE(Same(r->DefaultValue(), Variant(0)));
  EXPECT_TRUE(r->ImmediatePost());
  EXPECT_TRUE(r->ShowEndEllipsis());
  EXPECT_TRUE(r->WordWrap());
  EXPECT_EQ(read->Alignment(), alLeftCenter);
  EXPECT_TRUE(read->Transparent());
  EXPECT_EQ(read->Caption(), L"Opções");
  EXPECT_FALSE(read->TabStop());
  EXPECT_EQ(read->ItemIndex(), 2);
  EXPECT_EQ(read->ButtonCount(), 3);

  // A fresh group writes none of them; an item writes only its caption.
  auto* plain = Add<TcxRadioGroup>(10, 280);
  plain->Properties()->Items()->Add()->SetCaption(L"Só");
  EXPECT_EQ(NamesIn(StreamOf(plain), {"Columns", "DefaultCaption", "DefaultValue", "ImmediatePost", "ShowEndEllipsis",
                                      "WordWrap", "Alignment", "Transparent", "TabStop", "ItemIndex", "Value", "Tag",
                                      "ReadOnly", "ClearKey"}),
            std::vector<std::string>{});
}

TEST_F(ChoiceStreaming, ARadioButtonKeepsItsSettings) {
  auto* source = Add<TcxRadioButton>(10, 10);
  source->SetCaption(L"Opção");
  source->SetAlignment(taLeftJustify);
  source->SetChecked(true);
  source->SetGroupIndex(3);
  source->SetParentBackground(false);
  source->SetShowEndEllipsis(true);
  source->SetTransparent(true);
  source->SetWordWrap(true);
  source->LookAndFeel()->SetKind(lfFlat);

  auto* read = Add<TcxRadioButton>(10, 50);
  RoundTrip(source, read);
  EXPECT_EQ(read->Caption(), L"Opção");
  EXPECT_EQ(read->Alignment(), taLeftJustify);
  EXPECT_TRUE(read->Checked());
  EXPECT_EQ(read->GroupIndex(), 3);
  EXPECT_FALSE(read->ParentBackground());
  EXPECT_TRUE(read->ShowEndEllipsis());
  EXPECT_TRUE(read->Transparent());
  EXPECT_TRUE(read->WordWrap());
  EXPECT_EQ(read->LookAndFeel()->Kind(), lfFlat);

  auto* plain = Add<TcxRadioButton>(10, 90);
  EXPECT_EQ(NamesIn(StreamOf(plain), {"Caption", "Alignment", "Checked", "GroupIndex", "ParentBackground",
                                      "ShowEndEllipsis", "Transparent", "WordWrap", "PopupMenu", "Action", "Kind"}),
            std::vector<std::string>{});
}

// The panel style writes what differs from its defaults.
TEST(PanelStyleStreaming, WritesWhatDiffersAndReadsItBack) {
  TcxCustomGroupBox source(nullptr);
  TcxPanelStyle* style = source.PanelStyle();
  style->SetActive(true);
  style->SetBorderWidth(4);
  style->SetCaptionIndent(6);
  style->SetOfficeBackgroundKind(pobkGradient);
  style->SetWordWrap(true);
  TMemoryStream stream;
  TWriter writer(&stream);
  writer.WriteProperties(style);
  writer.WriteListEnd();
  stream.SetPosition(0);
  TcxCustomGroupBox read(nullptr);
  TReader(&stream).ReadProperties(read.PanelStyle());
  EXPECT_TRUE(read.PanelStyle()->Active());
  EXPECT_EQ(read.PanelStyle()->BorderWidth(), 4);
  EXPECT_EQ(read.PanelStyle()->CaptionIndent(), 6);
  EXPECT_EQ(read.PanelStyle()->OfficeBackgroundKind(), pobkGradient);
  EXPECT_TRUE(read.PanelStyle()->WordWrap());

  TcxCustomGroupBox plain(nullptr);
  TMemoryStream plainStream;
  TWriter(&plainStream).WriteProperties(plain.PanelStyle());
  EXPECT_EQ(plainStream.Size(), 0);
}
