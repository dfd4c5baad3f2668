#pragma once
// The extended editors' resource strings: the descriptions of their editor
// kinds ("Name|Description"), a few messages, captions and menu captions,
// registered for translation under the editors' product name.
#include <span>

#include "components/editors/cxEditConsts.h"

extern TResStringRec scxSEditRepositoryColorComboBoxItem;
extern TResStringRec scxSEditRepositoryColorEditItem;
extern TResStringRec scxSEditRepositoryFontNameComboBoxItem;
extern TResStringRec scxSEditRepositoryLabelItem;
extern TResStringRec scxSEditRepositoryProgressBarItem;
extern TResStringRec scxSEditRepositoryTrackBarItem;
extern TResStringRec scxSEditRepositorySpinButtonItem;
extern TResStringRec scxSEditRepositoryCheckComboBox;
extern TResStringRec scxSEditRepositoryShellComboBoxItem;
extern TResStringRec scxSEditRepositoryCheckGroupItem;
extern TResStringRec scxSEditRepositoryRatingControlItem;
extern TResStringRec scxUDAssociated;
extern TResStringRec scxHotZoneStyleMediaPlayer9;
extern TResStringRec scxHotZoneStyleMediaPlayer8;
extern TResStringRec scxHotZoneStyleXPTaskBar;
extern TResStringRec scxHotZoneStyleSimple;
extern TResStringRec scxLoadingFonts;
extern TResStringRec cxSEditCheckGroupCaptionStateDelimiter;
extern TResStringRec cxSEditCheckGroupFilterColumnSeparator;
extern TResStringRec cxSEditCheckGroupChecked;
extern TResStringRec cxSEditCheckGroupGrayed;
extern TResStringRec cxSEditCheckGroupUnchecked;
extern TResStringRec cxSCheckComboBoxStatesItemsPropertyDlgCaption;
extern TResStringRec cxSCheckControlIncorrectItemCount;
extern TResStringRec cxSCheckGroupStatesItemsPropertyDlgCaption;
extern TResStringRec cxSCheckComboBoxEmptySelectionText;
extern TResStringRec cxSColorComboBoxDefaultDescription;
extern TResStringRec cxSEditRichEditLibraryError;
extern TResStringRec cxSEditRichEditLineInsertionError;
extern TResStringRec cxSEditRichEditLoadFail;
extern TResStringRec cxSEditRichEditSaveFail;
extern TResStringRec cxSEditRichEditSelectionSaveFail;
extern TResStringRec cxSEditRichEditOleInterfaceFail;
extern TResStringRec cxSEditRichEditCallBackFail;
extern TResStringRec cxSEditRichEditLinkFail;
extern TResStringRec scxSEditRepositoryRichEditItem;
extern TResStringRec cxSEditRichEditUndoCaption;
extern TResStringRec cxSEditRichEditRedoCaption;
extern TResStringRec cxSEditRichEditCutCaption;
extern TResStringRec cxSEditRichEditCopyCaption;
extern TResStringRec cxSEditRichEditPasteCaption;
extern TResStringRec cxSEditRichEditDeleteCaption;
extern TResStringRec cxSEditRichEditSelectAllCaption;

// Every extended editor string in the order it is registered.
std::span<const TcxResStringEntry> cxExtEditResStrings();

// Counted: only the first start-up registers, only the last shut-down
// unregisters.
extern const TUnitEntry cxExtEditConstsUnit;
