#include "components/editors/cxEditConsts.h"

#include "components/core/dxCore.h"

const wchar_t* const cxEditProductName = L"Data Editors";

TResStringRec cxSEditButtonCancel{L"Cancel"};
TResStringRec cxSEditButtonOK{L"OK"};
TResStringRec cxSEditDateConvertError{L"Could not convert to date"};
TResStringRec cxSEditInvalidRepositoryItem{L"The repository item is not acceptable"};
TResStringRec cxSEditNumericValueConvertError{L"Could not convert to numeric value"};
TResStringRec cxSEditPopupCircularReferencingError{L"Circular referencing is not allowed"};
TResStringRec cxSEditPostError{L"An error occured during posting edit value"};
TResStringRec cxSEditTimeConvertError{L"Could not convert to time"};
TResStringRec cxSEditValidateErrorText{L"Invalid input value. Use escape key to abandon changes"};
TResStringRec cxSEditValueOutOfBounds{L"Value out of bounds"};
TResStringRec cxSEditCheckBoxChecked{L"True"};
TResStringRec cxSEditCheckBoxGrayed{L""};
TResStringRec cxSEditCheckBoxUnchecked{L"False"};
TResStringRec cxSRadioGroupDefaultCaption{L""};
TResStringRec cxSTextTrue{L"True"};
TResStringRec cxSTextFalse{L"False"};
TResStringRec cxSBlobButtonOK{L"&OK"};
TResStringRec cxSBlobButtonCancel{L"&Cancel"};
TResStringRec cxSBlobButtonClose{L"&Close"};
TResStringRec cxSBlobMemo{L"(MEMO)"};
TResStringRec cxSBlobMemoEmpty{L"(memo)"};
TResStringRec cxSBlobPicture{L"(PICTURE)"};
TResStringRec cxSBlobPictureEmpty{L"(picture)"};
TResStringRec cxSMenuItemCaptionCut{L"Cu&t"};
TResStringRec cxSMenuItemCaptionCopy{L"&Copy"};
TResStringRec cxSMenuItemCaptionPaste{L"&Paste"};
TResStringRec cxSMenuItemCaptionDelete{L"&Delete"};
TResStringRec cxSMenuItemCaptionLoad{L"&Load..."};
TResStringRec cxSMenuItemCaptionSave{L"Save &As..."};
TResStringRec cxSMenuItemCaptionAssignFromWebCam{L"Assign From Ca&mera..."};
TResStringRec cxSDatePopupClear{L"Clear"};
TResStringRec cxSDatePopupNow{L"Now"};
TResStringRec cxSDatePopupOK{L"OK"};
TResStringRec cxSDatePopupToday{L"Today"};
TResStringRec cxSDateError{L"Invalid Date"};
TResStringRec scxSCalcError{L"Error"};
TResStringRec scxSHyperLinkPrefix{L"http://"};
TResStringRec scxSHyperLinkDoubleSlash{L"//"};
TResStringRec cxNavigatorHint_First{L"First record"};
TResStringRec cxNavigatorHint_Prior{L"Prior record"};
TResStringRec cxNavigatorHint_PriorPage{L"Prior page"};
TResStringRec cxNavigatorHint_Next{L"Next record"};
TResStringRec cxNavigatorHint_NextPage{L"Next page"};
TResStringRec cxNavigatorHint_Last{L"Last record"};
TResStringRec cxNavigatorHint_Insert{L"Insert record"};
TResStringRec cxNavigatorHint_Append{L"Append record"};
TResStringRec cxNavigatorHint_Delete{L"Delete record"};
TResStringRec cxNavigatorHint_Edit{L"Edit record"};
TResStringRec cxNavigatorHint_Post{L"Post edit"};
TResStringRec cxNavigatorHint_Cancel{L"Cancel edit"};
TResStringRec cxNavigatorHint_Refresh{L"Refresh data"};
TResStringRec cxNavigatorHint_SaveBookmark{L"Save Bookmark"};
TResStringRec cxNavigatorHint_GotoBookmark{L"Goto Bookmark"};
TResStringRec cxNavigatorHint_Filter{L"Filter data"};
TResStringRec cxNavigator_DeleteRecordQuestion{L"Delete record?"};
TResStringRec cxNavigatorInfoPanelDefaultDisplayMask{L"[RecordIndex] of [RecordCount]"};
TResStringRec scxSEditRepositoryBlobItem{L"BlobEdit|Represents the BLOB editor"};
TResStringRec scxSEditRepositoryButtonItem{L"ButtonEdit|Represents an edit control with embedded buttons"};
TResStringRec scxSEditRepositoryCalcItem{L"CalcEdit|Represents an edit control with a dropdown calculator window"};
TResStringRec scxSEditRepositoryCheckBoxItem{L"CheckBox|Represents a check box control that allows selecting an option"};
TResStringRec scxSEditRepositoryComboBoxItem{L"ComboBox|Represents the combo box editor"};
TResStringRec scxSEditRepositoryCurrencyItem{L"CurrencyEdit|Represents an editor enabling editing currency data"};
TResStringRec scxSEditRepositoryDateItem{L"DateEdit|Represents an edit control with a dropdown calendar"};
TResStringRec scxSEditRepositoryHyperLinkItem{L"HyperLink|Represents a text editor with hyperlink functionality"};
TResStringRec scxSEditRepositoryImageComboBoxItem{L"ImageComboBox|Represents an editor displaying the list of images and text strings within the dropdown window"};
TResStringRec scxSEditRepositoryImageItem{L"Image|Represents an image editor"};
TResStringRec scxSEditRepositoryLookupComboBoxItem{L"LookupComboBox|Represents a lookup combo box control"};
TResStringRec scxSEditRepositoryMaskItem{L"MaskEdit|Represents a generic masked edit control."};
TResStringRec scxSEditRepositoryMemoItem{L"Memo|Represents an edit control that allows editing memo data"};
TResStringRec scxSEditRepositoryMRUItem{L"MRUEdit|Represents a text editor displaying the list of most recently used items (MRU) within a dropdown window"};
TResStringRec scxSEditRepositoryPopupItem{L"PopupEdit|Represents an edit control with a dropdown list"};
TResStringRec scxSEditRepositorySpinItem{L"SpinEdit|Represents a spin editor"};
TResStringRec scxSEditRepositoryRadioGroupItem{L"RadioGroup|Represents a group of radio buttons"};
TResStringRec scxSEditRepositoryTextItem{L"TextEdit|Represents a single line text editor"};
TResStringRec scxSEditRepositoryTimeItem{L"TimeEdit|Represents an editor displaying time values"};
TResStringRec scxSEditRepositoryToggleSwitchItem{L"ToggleSwitch|Represents a toggle switch editor that allows selecting an option"};
TResStringRec scxRegExprLine{L"Line"};
TResStringRec scxRegExprChar{L"Char"};
TResStringRec scxRegExprNotAssignedSourceStream{L"The source stream is not assigned"};
TResStringRec scxRegExprEmptySourceStream{L"The source stream is empty"};
TResStringRec scxRegExprCantUsePlusQuantifier{L"The '+' quantifier cannot be applied here"};
TResStringRec scxRegExprCantUseStarQuantifier{L"The '*' quantifier cannot be applied here"};
TResStringRec scxRegExprCantCreateEmptyAlt{L"The alternative should not be empty"};
TResStringRec scxRegExprCantCreateEmptyBlock{L"The block should not be empty"};
TResStringRec scxRegExprIllegalSymbol{L"Illegal '%s'"};
TResStringRec scxRegExprIllegalQuantifier{L"Illegal quantifier '%s'"};
TResStringRec scxRegExprNotSupportQuantifier{L"The parameter quantifiers are not supported"};
TResStringRec scxRegExprIllegalIntegerValue{L"Illegal integer value"};
TResStringRec scxRegExprTooBigReferenceNumber{L"Too big reference number"};
TResStringRec scxRegExprCantCreateEmptyEnum{L"Can't create empty enumeration"};
TResStringRec scxRegExprSubrangeOrder{L"The starting character of the subrange must be less than the finishing one"};
TResStringRec scxRegExprHexNumberExpected0{L"Hexadecimal number expected"};
TResStringRec scxRegExprHexNumberExpected{L"Hexadecimal number expected but '%s' found"};
TResStringRec scxRegExprMissing{L"Missing '%s'"};
TResStringRec scxRegExprUnnecessary{L"Unnecessary '%s'"};
TResStringRec scxRegExprIncorrectSpace{L"The space character is not allowed after '\\'"};
TResStringRec scxRegExprNotCompiled{L"Regular expression is not compiled"};
TResStringRec scxRegExprIncorrectParameterQuantifier{L"Incorrect parameter quantifier"};
TResStringRec scxRegExprCantUseParameterQuantifier{L"The parameter quantifier cannot be applied here"};
TResStringRec scxMaskEditRegExprError{L"Regular expression errors:"};
TResStringRec scxMaskEditInvalidEditValue{L"The edit value is invalid"};
TResStringRec scxMaskEditNoMask{L"None"};
TResStringRec scxMaskEditIllegalFileFormat{L"Illegal file format"};
TResStringRec scxMaskEditEmptyMaskCollectionFile{L"The mask collection file is empty"};
TResStringRec scxMaskEditMaskCollectionFiles{L"Mask collection files"};
TResStringRec cxSSpinEditInvalidNumericValue{L"Invalid numeric value"};
TResStringRec sdxAlertWindowNavigationPanelDefaultDisplayMask{L"[MessageIndex] of [MessageCount]"};
TResStringRec sdxAlertWindowPreviousMessage{L"Previous message"};
TResStringRec sdxAlertWindowNextMessage{L"Next message"};
TResStringRec sdxAlertWindowPin{L"Pin"};
TResStringRec sdxAlertWindowClose{L"Close"};
TResStringRec sdxAlertWindowDropdown{L"Show Drop-down Menu"};
TResStringRec sdxBreadcrumbEditInvalidPath{L"Cannot find \"%s\". Check the spelling and try again."};
TResStringRec sdxBreadcrumbEditInvalidStreamVersion{L"Invalid data version: %d"};
TResStringRec sdxColorGalleryThemeColors{L"Theme Colors"};
TResStringRec sdxColorGalleryStandardColors{L"Standard Colors"};
TResStringRec sdxColorDialogAddToCustomColors{L"&Add to Custom Colors"};
TResStringRec sdxColorDialogApply{L"&OK"};
TResStringRec sdxColorDialogCancel{L"&Cancel"};
TResStringRec sdxColorDialogDefineCustomColor{L"&Define Custom Colors >>"};
TResStringRec sdxColorDialogBasicColors{L"Basic Colors"};
TResStringRec sdxColorDialogCustomColors{L"Custom Colors"};
TResStringRec sdxColorDialogCaption{L"Color Editor"};
TResStringRec scxShellBrowserDlgCaption{L"Browse for Folder"};
TResStringRec scxShellBrowserDlgCurrentFolderCaption{L"Current Folder"};
TResStringRec sdxColorPickerAlphaLabel{L"A:"};
TResStringRec sdxColorPickerBlueLabel{L"B:"};
TResStringRec sdxColorPickerGreenLabel{L"G:"};
TResStringRec sdxColorPickerHexCodeLabel{L"#"};
TResStringRec sdxColorPickerHueLabel{L"H:"};
TResStringRec sdxColorPickerLightnessLabel{L"L:"};
TResStringRec sdxColorPickerRedLabel{L"R:"};
TResStringRec sdxColorPickerSaturationLabel{L"S:"};
TResStringRec sdxCameraDialogAssign{L"&Assign"};
TResStringRec sdxCameraDialogCancel{L"&Cancel"};
TResStringRec sdxCameraDialogPause{L"&Pause"};
TResStringRec sdxCameraDialogPlay{L"&Play"};
TResStringRec sdxCameraDialogCaption{L"Camera Preview"};
TResStringRec sdxCameraInactive{L"Inactive"};
TResStringRec sdxCameraRunning{L"Running"};
TResStringRec sdxCameraPaused{L"Paused"};
TResStringRec sdxCameraNotDetected{L"No camera detected"};
TResStringRec sdxCameraInitializing{L"Initializing..."};
TResStringRec sdxCameraIsBusy{L"Camera is inaccessible.\r\nTry closing other programs that might be using your camera"};
TResStringRec sdxDefaultToggleSwitchOffText{L"Off"};
TResStringRec sdxDefaultToggleSwitchOnText{L"On"};

#define CX_RES_STRING_ENTRY(Name) {VCL_WSTR_(Name), &Name}

std::span<const TcxResStringEntry> cxEditResStrings() {
  static const TcxResStringEntry entries[] = {
      CX_RES_STRING_ENTRY(cxSEditButtonCancel),
      CX_RES_STRING_ENTRY(cxSEditButtonOK),
      CX_RES_STRING_ENTRY(cxSEditDateConvertError),
      CX_RES_STRING_ENTRY(cxSEditInvalidRepositoryItem),
      CX_RES_STRING_ENTRY(cxSEditNumericValueConvertError),
      CX_RES_STRING_ENTRY(cxSEditPopupCircularReferencingError),
      CX_RES_STRING_ENTRY(cxSEditPostError),
      CX_RES_STRING_ENTRY(cxSEditTimeConvertError),
      CX_RES_STRING_ENTRY(cxSEditValidateErrorText),
      CX_RES_STRING_ENTRY(cxSEditValueOutOfBounds),
      CX_RES_STRING_ENTRY(cxSEditCheckBoxChecked),
      CX_RES_STRING_ENTRY(cxSEditCheckBoxGrayed),
      CX_RES_STRING_ENTRY(cxSEditCheckBoxUnchecked),
      CX_RES_STRING_ENTRY(cxSRadioGroupDefaultCaption),
      CX_RES_STRING_ENTRY(cxSTextTrue),
      CX_RES_STRING_ENTRY(cxSTextFalse),
      CX_RES_STRING_ENTRY(cxSBlobButtonOK),
      CX_RES_STRING_ENTRY(cxSBlobButtonCancel),
      CX_RES_STRING_ENTRY(cxSBlobButtonClose),
      CX_RES_STRING_ENTRY(cxSBlobMemo),
      CX_RES_STRING_ENTRY(cxSBlobMemoEmpty),
      CX_RES_STRING_ENTRY(cxSBlobPicture),
      CX_RES_STRING_ENTRY(cxSBlobPictureEmpty),
      CX_RES_STRING_ENTRY(cxSMenuItemCaptionCut),
      CX_RES_STRING_ENTRY(cxSMenuItemCaptionCopy),
      CX_RES_STRING_ENTRY(cxSMenuItemCaptionPaste),
      CX_RES_STRING_ENTRY(cxSMenuItemCaptionDelete),
      CX_RES_STRING_ENTRY(cxSMenuItemCaptionLoad),
      CX_RES_STRING_ENTRY(cxSMenuItemCaptionSave),
      CX_RES_STRING_ENTRY(cxSMenuItemCaptionAssignFromWebCam),
      CX_RES_STRING_ENTRY(cxSDatePopupClear),
      CX_RES_STRING_ENTRY(cxSDatePopupNow),
      CX_RES_STRING_ENTRY(cxSDatePopupOK),
      CX_RES_STRING_ENTRY(cxSDatePopupToday),
      CX_RES_STRING_ENTRY(cxSDateError),
      CX_RES_STRING_ENTRY(scxSCalcError),
      CX_RES_STRING_ENTRY(scxSHyperLinkPrefix),
      CX_RES_STRING_ENTRY(scxSHyperLinkDoubleSlash),
      CX_RES_STRING_ENTRY(cxNavigatorHint_First),
      CX_RES_STRING_ENTRY(cxNavigatorHint_Prior),
      CX_RES_STRING_ENTRY(cxNavigatorHint_PriorPage),
      CX_RES_STRING_ENTRY(cxNavigatorHint_Next),
      CX_RES_STRING_ENTRY(cxNavigatorHint_NextPage),
      CX_RES_STRING_ENTRY(cxNavigatorHint_Last),
      CX_RES_STRING_ENTRY(cxNavigatorHint_Insert),
      CX_RES_STRING_ENTRY(cxNavigatorHint_Append),
      CX_RES_STRING_ENTRY(cxNavigatorHint_Delete),
      CX_RES_STRING_ENTRY(cxNavigatorHint_Edit),
      CX_RES_STRING_ENTRY(cxNavigatorHint_Post),
      CX_RES_STRING_ENTRY(cxNavigatorHint_Cancel),
      CX_RES_STRING_ENTRY(cxNavigatorHint_Refresh),
      CX_RES_STRING_ENTRY(cxNavigatorHint_SaveBookmark),
      CX_RES_STRING_ENTRY(cxNavigatorHint_GotoBookmark),
      CX_RES_STRING_ENTRY(cxNavigatorHint_Filter),
      CX_RES_STRING_ENTRY(cxNavigator_DeleteRecordQuestion),
      CX_RES_STRING_ENTRY(cxNavigatorInfoPanelDefaultDisplayMask),
      CX_RES_STRING_ENTRY(scxSEditRepositoryBlobItem),
      CX_RES_STRING_ENTRY(scxSEditRepositoryButtonItem),
      CX_RES_STRING_ENTRY(scxSEditRepositoryCalcItem),
      CX_RES_STRING_ENTRY(scxSEditRepositoryCheckBoxItem),
      CX_RES_STRING_ENTRY(scxSEditRepositoryComboBoxItem),
      CX_RES_STRING_ENTRY(scxSEditRepositoryCurrencyItem),
      CX_RES_STRING_ENTRY(scxSEditRepositoryDateItem),
      CX_RES_STRING_ENTRY(scxSEditRepositoryHyperLinkItem),
      CX_RES_STRING_ENTRY(scxSEditRepositoryImageComboBoxItem),
      CX_RES_STRING_ENTRY(scxSEditRepositoryImageItem),
      CX_RES_STRING_ENTRY(scxSEditRepositoryLookupComboBoxItem),
      CX_RES_STRING_ENTRY(scxSEditRepositoryMaskItem),
      CX_RES_STRING_ENTRY(scxSEditRepositoryMemoItem),
      CX_RES_STRING_ENTRY(scxSEditRepositoryMRUItem),
      CX_RES_STRING_ENTRY(scxSEditRepositoryPopupItem),
      CX_RES_STRING_ENTRY(scxSEditRepositorySpinItem),
      CX_RES_STRING_ENTRY(scxSEditRepositoryRadioGroupItem),
      CX_RES_STRING_ENTRY(scxSEditRepositoryTextItem),
      CX_RES_STRING_ENTRY(scxSEditRepositoryTimeItem),
      CX_RES_STRING_ENTRY(scxSEditRepositoryToggleSwitchItem),
      CX_RES_STRING_ENTRY(scxRegExprLine),
      CX_RES_STRING_ENTRY(scxRegExprChar),
      CX_RES_STRING_ENTRY(scxRegExprNotAssignedSourceStream),
      CX_RES_STRING_ENTRY(scxRegExprEmptySourceStream),
      CX_RES_STRING_ENTRY(scxRegExprCantUsePlusQuantifier),
      CX_RES_STRING_ENTRY(scxRegExprCantUseStarQuantifier),
      CX_RES_STRING_ENTRY(scxRegExprCantCreateEmptyAlt),
      CX_RES_STRING_ENTRY(scxRegExprCantCreateEmptyBlock),
      CX_RES_STRING_ENTRY(scxRegExprIllegalSymbol),
      CX_RES_STRING_ENTRY(scxRegExprIllegalQuantifier),
      CX_RES_STRING_ENTRY(scxRegExprNotSupportQuantifier),
      CX_RES_STRING_ENTRY(scxRegExprIllegalIntegerValue),
      CX_RES_STRING_ENTRY(scxRegExprTooBigReferenceNumber),
      CX_RES_STRING_ENTRY(scxRegExprCantCreateEmptyEnum),
      CX_RES_STRING_ENTRY(scxRegExprSubrangeOrder),
      CX_RES_STRING_ENTRY(scxRegExprHexNumberExpected0),
      CX_RES_STRING_ENTRY(scxRegExprHexNumberExpected),
      CX_RES_STRING_ENTRY(scxRegExprMissing),
      CX_RES_STRING_ENTRY(scxRegExprUnnecessary),
      CX_RES_STRING_ENTRY(scxRegExprIncorrectSpace),
      CX_RES_STRING_ENTRY(scxRegExprNotCompiled),
      CX_RES_STRING_ENTRY(scxRegExprIncorrectParameterQuantifier),
      CX_RES_STRING_ENTRY(scxRegExprCantUseParameterQuantifier),
      CX_RES_STRING_ENTRY(scxMaskEditRegExprError),
      CX_RES_STRING_ENTRY(scxMaskEditInvalidEditValue),
      CX_RES_STRING_ENTRY(scxMaskEditNoMask),
      CX_RES_STRING_ENTRY(scxMaskEditIllegalFileFormat),
      CX_RES_STRING_ENTRY(scxMaskEditEmptyMaskCollectionFile),
      CX_RES_STRING_ENTRY(scxMaskEditMaskCollectionFiles),
      CX_RES_STRING_ENTRY(cxSSpinEditInvalidNumericValue),
      CX_RES_STRING_ENTRY(sdxAlertWindowNavigationPanelDefaultDisplayMask),
      CX_RES_STRING_ENTRY(sdxAlertWindowPreviousMessage),
      CX_RES_STRING_ENTRY(sdxAlertWindowNextMessage),
      CX_RES_STRING_ENTRY(sdxAlertWindowPin),
      CX_RES_STRING_ENTRY(sdxAlertWindowClose),
      CX_RES_STRING_ENTRY(sdxAlertWindowDropdown),
      CX_RES_STRING_ENTRY(sdxBreadcrumbEditInvalidPath),
      CX_RES_STRING_ENTRY(sdxBreadcrumbEditInvalidStreamVersion),
      CX_RES_STRING_ENTRY(sdxColorGalleryThemeColors),
      CX_RES_STRING_ENTRY(sdxColorGalleryStandardColors),
      CX_RES_STRING_ENTRY(sdxColorDialogAddToCustomColors),
      CX_RES_STRING_ENTRY(sdxColorDialogApply),
      CX_RES_STRING_ENTRY(sdxColorDialogCancel),
      CX_RES_STRING_ENTRY(sdxColorDialogDefineCustomColor),
      CX_RES_STRING_ENTRY(sdxColorDialogBasicColors),
      CX_RES_STRING_ENTRY(sdxColorDialogCustomColors),
      CX_RES_STRING_ENTRY(sdxColorDialogCaption),
      CX_RES_STRING_ENTRY(scxShellBrowserDlgCaption),
      CX_RES_STRING_ENTRY(scxShellBrowserDlgCurrentFolderCaption),
      CX_RES_STRING_ENTRY(sdxColorPickerAlphaLabel),
      CX_RES_STRING_ENTRY(sdxColorPickerBlueLabel),
      CX_RES_STRING_ENTRY(sdxColorPickerGreenLabel),
      CX_RES_STRING_ENTRY(sdxColorPickerHexCodeLabel),
      CX_RES_STRING_ENTRY(sdxColorPickerHueLabel),
      CX_RES_STRING_ENTRY(sdxColorPickerLightnessLabel),
      CX_RES_STRING_ENTRY(sdxColorPickerRedLabel),
      CX_RES_STRING_ENTRY(sdxColorPickerSaturationLabel),
      CX_RES_STRING_ENTRY(sdxCameraDialogAssign),
      CX_RES_STRING_ENTRY(sdxCameraDialogCancel),
      CX_RES_STRING_ENTRY(sdxCameraDialogPause),
      CX_RES_STRING_ENTRY(sdxCameraDialogPlay),
      CX_RES_STRING_ENTRY(sdxCameraDialogCaption),
      CX_RES_STRING_ENTRY(sdxCameraInactive),
      CX_RES_STRING_ENTRY(sdxCameraRunning),
      CX_RES_STRING_ENTRY(sdxCameraPaused),
      CX_RES_STRING_ENTRY(sdxCameraNotDetected),
      CX_RES_STRING_ENTRY(sdxCameraInitializing),
      CX_RES_STRING_ENTRY(sdxCameraIsBusy),
      CX_RES_STRING_ENTRY(sdxDefaultToggleSwitchOffText),
      CX_RES_STRING_ENTRY(sdxDefaultToggleSwitchOnText),
  };
  return entries;
}

#undef CX_RES_STRING_ENTRY

namespace {

void AddEditResourceStringNames(TdxProductResourceStrings* AProduct) {
  for (const TcxResStringEntry& entry : cxEditResStrings()) AProduct->Add(entry.Name, entry.ResString);
}

}  // namespace

const TUnitEntry cxEditConstsUnit{L"cxEditConsts",
                                  [] {
                                    if (TdxResourceStringsRepository* repository = dxResStringsRepositoryInstance())
                                      repository->RegisterProduct(cxEditProductName, AddEditResourceStringNames);
                                  },
                                  [] {
                                    if (TdxResourceStringsRepository* repository = dxResStringsRepositoryInstance())
                                      repository->UnRegisterProduct(cxEditProductName);
                                  }};
