#include "components/editors-basic/cxExtEditConsts.h"

#include "components/core/dxCore.h"

TResStringRec scxSEditRepositoryColorComboBoxItem{L"ColorComboBox |Represents a editor with color functionality"};
TResStringRec scxSEditRepositoryColorEditItem{L"ColorEdit|Represents an edit control with a dropdown color gallery"};
TResStringRec scxSEditRepositoryFontNameComboBoxItem{L"FontNameComboBox |Represents a editor with font functionality"};
TResStringRec scxSEditRepositoryLabelItem{L"Label|Represents a Label"};
TResStringRec scxSEditRepositoryProgressBarItem{L"ProgressBar|Represents a ProgressBar"};
TResStringRec scxSEditRepositoryTrackBarItem{L"TrackBar|Represents a TrackBar"};
TResStringRec scxSEditRepositorySpinButtonItem{L"SpinButton|Represents a SpinButton"};
TResStringRec scxSEditRepositoryCheckComboBox{L"CheckComboBox|Represents a CheckComboBox"};
TResStringRec scxSEditRepositoryShellComboBoxItem{L"ShellComboBox|Represents a combo box with a dropdown shell tree view"};
TResStringRec scxSEditRepositoryCheckGroupItem{L"CheckGroup|Represents a group of check boxes"};
TResStringRec scxSEditRepositoryRatingControlItem{L"RatingControl|Represents a rating control"};
TResStringRec scxUDAssociated{L" is already associated with "};
TResStringRec scxHotZoneStyleMediaPlayer9{L"MediaPlayer9"};
TResStringRec scxHotZoneStyleMediaPlayer8{L"MediaPlayer8"};
TResStringRec scxHotZoneStyleXPTaskBar{L"XPTaskBar"};
TResStringRec scxHotZoneStyleSimple{L"Simple"};
TResStringRec scxLoadingFonts{L"Loading ..."};
TResStringRec cxSEditCheckGroupCaptionStateDelimiter{L": "};
TResStringRec cxSEditCheckGroupFilterColumnSeparator{L"; "};
TResStringRec cxSEditCheckGroupChecked{L"Checked"};
TResStringRec cxSEditCheckGroupGrayed{L"Grayed"};
TResStringRec cxSEditCheckGroupUnchecked{L"Unchecked"};
TResStringRec cxSCheckComboBoxStatesItemsPropertyDlgCaption{L"cxCheckComboBox - CheckStates editor"};
// The blank after "number" is a non-breaking space.
TResStringRec cxSCheckControlIncorrectItemCount{
    L"The number\u00A0of items cannot be greater than 64, if the EditValueFormat is cvfInteger"};
TResStringRec cxSCheckGroupStatesItemsPropertyDlgCaption{L"cxCheckGroup - CheckStates editor"};
TResStringRec cxSCheckComboBoxEmptySelectionText{L"None selected"};
TResStringRec cxSColorComboBoxDefaultDescription{L"Color not selected"};
TResStringRec cxSEditRichEditLibraryError{L"Cannot load a RichEdit library"};
TResStringRec cxSEditRichEditLineInsertionError{L"RichEdit line insertion error"};
TResStringRec cxSEditRichEditLoadFail{L"Failed to Load Stream"};
TResStringRec cxSEditRichEditSaveFail{L"Failed to Save Stream"};
TResStringRec cxSEditRichEditSelectionSaveFail{L"Failed to selection Save Stream"};
TResStringRec cxSEditRichEditOleInterfaceFail{L"RichEdit: failed to get IRichEditOle interface"};
TResStringRec cxSEditRichEditCallBackFail{L"RichEdit: failed to set callback"};
TResStringRec cxSEditRichEditLinkFail{L"RichEdit: cannot link to an invalid source"};
TResStringRec scxSEditRepositoryRichEditItem{L"RichEdit|RichEdit control"};
TResStringRec cxSEditRichEditUndoCaption{L"&Undo"};
TResStringRec cxSEditRichEditRedoCaption{L"&Redo"};
TResStringRec cxSEditRichEditCutCaption{L"Cu&t"};
TResStringRec cxSEditRichEditCopyCaption{L"&Copy"};
TResStringRec cxSEditRichEditPasteCaption{L"&Paste"};
TResStringRec cxSEditRichEditDeleteCaption{L"&Delete"};
TResStringRec cxSEditRichEditSelectAllCaption{L"Select &All"};

#define CX_RES_STRING_ENTRY(Name) {VCL_WSTR_(Name), &Name}

std::span<const TcxResStringEntry> cxExtEditResStrings() {
  static const TcxResStringEntry entries[] = {
      CX_RES_STRING_ENTRY(scxSEditRepositoryColorComboBoxItem),
      CX_RES_STRING_ENTRY(scxSEditRepositoryColorEditItem),
      CX_RES_STRING_ENTRY(scxSEditRepositoryFontNameComboBoxItem),
      CX_RES_STRING_ENTRY(scxSEditRepositoryLabelItem),
      CX_RES_STRING_ENTRY(scxSEditRepositoryProgressBarItem),
      CX_RES_STRING_ENTRY(scxSEditRepositoryTrackBarItem),
      CX_RES_STRING_ENTRY(scxSEditRepositorySpinButtonItem),
      CX_RES_STRING_ENTRY(scxSEditRepositoryCheckComboBox),
      CX_RES_STRING_ENTRY(scxSEditRepositoryShellComboBoxItem),
      CX_RES_STRING_ENTRY(scxSEditRepositoryCheckGroupItem),
      CX_RES_STRING_ENTRY(scxSEditRepositoryRatingControlItem),
      CX_RES_STRING_ENTRY(scxUDAssociated),
      CX_RES_STRING_ENTRY(scxHotZoneStyleMediaPlayer9),
      CX_RES_STRING_ENTRY(scxHotZoneStyleMediaPlayer8),
      CX_RES_STRING_ENTRY(scxHotZoneStyleXPTaskBar),
      CX_RES_STRING_ENTRY(scxHotZoneStyleSimple),
      CX_RES_STRING_ENTRY(scxLoadingFonts),
      CX_RES_STRING_ENTRY(cxSEditCheckGroupCaptionStateDelimiter),
      CX_RES_STRING_ENTRY(cxSEditCheckGroupFilterColumnSeparator),
      CX_RES_STRING_ENTRY(cxSEditCheckGroupChecked),
      CX_RES_STRING_ENTRY(cxSEditCheckGroupGrayed),
      CX_RES_STRING_ENTRY(cxSEditCheckGroupUnchecked),
      CX_RES_STRING_ENTRY(cxSCheckComboBoxStatesItemsPropertyDlgCaption),
      CX_RES_STRING_ENTRY(cxSCheckControlIncorrectItemCount),
      CX_RES_STRING_ENTRY(cxSCheckGroupStatesItemsPropertyDlgCaption),
      CX_RES_STRING_ENTRY(cxSCheckComboBoxEmptySelectionText),
      CX_RES_STRING_ENTRY(cxSColorComboBoxDefaultDescription),
      CX_RES_STRING_ENTRY(cxSEditRichEditLibraryError),
      CX_RES_STRING_ENTRY(cxSEditRichEditLineInsertionError),
      CX_RES_STRING_ENTRY(cxSEditRichEditLoadFail),
      CX_RES_STRING_ENTRY(cxSEditRichEditSaveFail),
      CX_RES_STRING_ENTRY(cxSEditRichEditSelectionSaveFail),
      CX_RES_STRING_ENTRY(cxSEditRichEditOleInterfaceFail),
      CX_RES_STRING_ENTRY(cxSEditRichEditCallBackFail),
      CX_RES_STRING_ENTRY(cxSEditRichEditLinkFail),
      CX_RES_STRING_ENTRY(scxSEditRepositoryRichEditItem),
      CX_RES_STRING_ENTRY(cxSEditRichEditUndoCaption),
      CX_RES_STRING_ENTRY(cxSEditRichEditRedoCaption),
      CX_RES_STRING_ENTRY(cxSEditRichEditCutCaption),
      CX_RES_STRING_ENTRY(cxSEditRichEditCopyCaption),
      CX_RES_STRING_ENTRY(cxSEditRichEditPasteCaption),
      CX_RES_STRING_ENTRY(cxSEditRichEditDeleteCaption),
      CX_RES_STRING_ENTRY(cxSEditRichEditSelectAllCaption),
  };
  return entries;
}

#undef CX_RES_STRING_ENTRY

namespace {

void AddExtEditResourceStringNames(TdxProductResourceStrings* AProduct) {
  for (const TcxResStringEntry& entry : cxExtEditResStrings()) AProduct->Add(entry.Name, entry.ResString);
}

int StartUpCount = 0;

}  // namespace

const TUnitEntry cxExtEditConstsUnit{
    L"cxExtEditConsts",
    [] {
      if (StartUpCount++ > 0) return;
      if (TdxResourceStringsRepository* repository = dxResStringsRepositoryInstance())
        repository->RegisterProduct(cxEditProductName, AddExtEditResourceStringNames);
    },
    [] {
      if (StartUpCount == 0 || --StartUpCount > 0) return;
      if (TdxResourceStringsRepository* repository = dxResStringsRepositoryInstance())
        repository->UnRegisterProduct(cxEditProductName, AddExtEditResourceStringNames);
    }};
