// The extended editors' texts: registered verbatim in their order under the
// editors' product, and the counted start-up.
#include <gtest/gtest.h>

#include <algorithm>

#include "components/core/dxCore.h"
#include "components/editors-basic/cxExtEditConsts.h"

namespace {

const std::pair<const wchar_t*, const wchar_t*> ExpectedExtEditStrings[] = {
    {L"scxSEditRepositoryColorComboBoxItem", L"ColorComboBox |Represents a editor with color functionality"},
    {L"scxSEditRepositoryColorEditItem", L"ColorEdit|Represents an edit control with a dropdown color gallery"},
    {L"scxSEditRepositoryFontNameComboBoxItem", L"FontNameComboBox |Represents a editor with font functionality"},
    {L"scxSEditRepositoryLabelItem", L"Label|Represents a Label"},
    {L"scxSEditRepositoryProgressBarItem", L"ProgressBar|Represents a ProgressBar"},
    {L"scxSEditRepositoryTrackBarItem", L"TrackBar|Represents a TrackBar"},
    {L"scxSEditRepositorySpinButtonItem", L"SpinButton|Represents a SpinButton"},
    {L"scxSEditRepositoryCheckComboBox", L"CheckComboBox|Represents a CheckComboBox"},
    {L"scxSEditRepositoryShellComboBoxItem", L"ShellComboBox|Represents a combo box with a dropdown shell tree view"},
    {L"scxSEditRepositoryCheckGroupItem", L"CheckGroup|Represents a group of check boxes"},
    {L"scxSEditRepositoryRatingControlItem", L"RatingControl|Represents a rating control"},
    {L"scxUDAssociated", L" is already associated with "},
    {L"scxHotZoneStyleMediaPlayer9", L"MediaPlayer9"},
    {L"scxHotZoneStyleMediaPlayer8", L"MediaPlayer8"},
    {L"scxHotZoneStyleXPTaskBar", L"XPTaskBar"},
    {L"scxHotZoneStyleSimple", L"Simple"},
    {L"scxLoadingFonts", L"Loading ..."},
    {L"cxSEditCheckGroupCaptionStateDelimiter", L": "},
    {L"cxSEditCheckGroupFilterColumnSeparator", L"; "},
    {L"cxSEditCheckGroupChecked", L"Checked"},
    {L"cxSEditCheckGroupGrayed", L"Grayed"},
    {L"cxSEditCheckGroupUnchecked", L"Unchecked"},
    {L"cxSCheckComboBoxStatesItemsPropertyDlgCaption", L"cxCheckComboBox - CheckStates editor"},
    {L"cxSCheckControlIncorrectItemCount",
     L"The number\u00A0of items cannot be greater than 64, if the EditValueFormat is cvfInteger"},
    {L"cxSCheckGroupStatesItemsPropertyDlgCaption", L"cxCheckGroup - CheckStates editor"},
    {L"cxSCheckComboBoxEmptySelectionText", L"None selected"},
    {L"cxSColorComboBoxDefaultDescription", L"Color not selected"},
    {L"cxSEditRichEditLibraryError", L"Cannot load a RichEdit library"},
    {L"cxSEditRichEditLineInsertionError", L"RichEdit line insertion error"},
    {L"cxSEditRichEditLoadFail", L"Failed to Load Stream"},
    {L"cxSEditRichEditSaveFail", L"Failed to Save Stream"},
    {L"cxSEditRichEditSelectionSaveFail", L"Failed to selection Save Stream"},
    {L"cxSEditRichEditOleInterfaceFail", L"RichEdit: failed to get IRichEditOle interface"},
    {L"cxSEditRichEditCallBackFail", L"RichEdit: failed to set callback"},
    {L"cxSEditRichEditLinkFail", L"RichEdit: cannot link to an invalid source"},
    {L"scxSEditRepositoryRichEditItem", L"RichEdit|RichEdit control"},
    {L"cxSEditRichEditUndoCaption", L"&Undo"},
    {L"cxSEditRichEditRedoCaption", L"&Redo"},
    {L"cxSEditRichEditCutCaption", L"Cu&t"},
    {L"cxSEditRichEditCopyCaption", L"&Copy"},
    {L"cxSEditRichEditPasteCaption", L"&Paste"},
    {L"cxSEditRichEditDeleteCaption", L"&Delete"},
    {L"cxSEditRichEditSelectAllCaption", L"Select &All"},
};

TdxProductResourceStrings* EditorsProduct() {
  TdxResourceStringsRepository* repository = dxResStringsRepositoryInstance();
  const int index = repository->GetProductIndexByName(cxEditProductName);
  return index >= 0 ? repository->Products(index) : nullptr;
}

}  // namespace

TEST(ExtEditorTexts, EveryTextIsRegisteredVerbatimInItsOrder) {
  const auto table = cxExtEditResStrings();
  ASSERT_EQ(table.size(), std::size(ExpectedExtEditStrings));
  TdxProductResourceStrings* product = EditorsProduct();
  ASSERT_NE(product, nullptr);
  for (size_t i = 0; i < table.size(); ++i) {
    const auto& [name, text] = ExpectedExtEditStrings[i];
    EXPECT_STREQ(table[i].Name, name) << "entry " << i;
    EXPECT_EQ(LoadResString(table[i].ResString), text) << name;
    const int index = product->GetIndexByName(name);
    ASSERT_GE(index, 0) << name;
    EXPECT_EQ(product->Values(index), text) << name;
  }
  // One non-breaking blank, and no other character outside plain ASCII.
  const String incorrectCount = LoadResString(&cxSCheckControlIncorrectItemCount);
  EXPECT_EQ(incorrectCount.find(L'\u00A0'), 10u);
  EXPECT_EQ(std::count_if(incorrectCount.begin(), incorrectCount.end(), [](wchar_t c) { return c > 0x7E; }), 1);
}

TEST(ExtEditorTexts, ASecondStartUpAddsNothingAndOnlyTheLastShutDownActs) {
  const int count = EditorsProduct()->ResStringsCount();
  cxExtEditConstsUnit.Initialize();
  EXPECT_EQ(EditorsProduct()->ResStringsCount(), count);
  cxExtEditConstsUnit.Finalize();
  ASSERT_NE(EditorsProduct(), nullptr);
  EXPECT_EQ(EditorsProduct()->ResStringsCount(), count);
  // A translation still reaches the texts: the product keeps them.
  EXPECT_EQ(dxTranslatedResString(scxSEditRepositoryTrackBarItem), L"TrackBar|Represents a TrackBar");
}
