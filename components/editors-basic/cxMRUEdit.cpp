// The most-recently-used edit: the history kept in the lookup items, the
// moments a confirmed value joins it, the ellipsis button, and the unit's
// registration.
#include "components/editors-basic/cxMRUEdit.h"

#include "components/core/dxCore.h"
#include "components/editors/cxEditConsts.h"
#include "components/editors/cxFilterControlUtils.h"

namespace {

constexpr int EllipsisButtonIndex = 1;

// Sets a flag for a scope and puts its old value back.
struct TFlagScope {
  TFlagScope(bool& AFlag, bool AValue) : Flag(AFlag), Saved(AFlag) { Flag = AValue; }
  ~TFlagScope() { Flag = Saved; }
  bool& Flag;
  bool Saved;
};

}  // namespace

// ---------------------------------------------------------------- properties

TcxCustomMRUEditProperties::TcxCustomMRUEditProperties(TPersistent* AOwner) : TcxCustomComboBoxProperties(AOwner) {
  BeginUpdate();
  TcxEditButton* ellipsis = Buttons()->Add();
  ellipsis->SetKind(bkEllipsis);
  ellipsis->SetDefault(true);
  SetGlyphButtonIndex(EllipsisButtonIndex);
  SetDropDownListStyle(lsEditList);
  SetMRUMode(true);
  SetValidateOnEnter(true);
  EndUpdate(false);
}

TcxCustomEditClass TcxCustomMRUEditProperties::GetContainerClass() const {
  return TcxCustomEditClass::Of<TcxMRUEdit>();
}

void TcxCustomMRUEditProperties::NotifyNewLookupItem(const String& AText) {
  if (OnNewLookupDisplayText) OnNewLookupDisplayText(this, AText);
}

void TcxCustomMRUEditProperties::InsertLookupItem(const String& AText, bool ANotify) {
  if (AText.empty()) return;
  TStringList* items = LookupItems();
  const int index = items->IndexOf(AText);
  if (index == 0) return;
  if (index > 0) {
    items->Move(index, 0);
    return;
  }
  if (ANotify) NotifyNewLookupItem(AText);
  items->Insert(0, AText);
  TrimToMaxItemCount();
}

void TcxCustomMRUEditProperties::TrimToMaxItemCount() {
  if (FMaxItemCount <= 0) return;
  TStringList* items = LookupItems();
  while (items->Count() > FMaxItemCount) {
    const int last = items->Count() - 1;
    if (OnDeleteLookupItem) OnDeleteLookupItem(this, last);
    items->Delete(last);
  }
}

void TcxCustomMRUEditProperties::SetMaxItemCount(int Value) {
  Value = std::max(Value, 0);
  if (FMaxItemCount == Value) return;
  FMaxItemCount = Value;
  TrimToMaxItemCount();
  Changed();
}

void TcxCustomMRUEditProperties::SetShowEllipsis(bool Value) {
  if (FShowEllipsis == Value) return;
  BeginUpdate();
  FShowEllipsis = Value;
  Buttons()->Items(EllipsisButtonIndex)->SetVisible(Value);
  SetGlyphButtonIndex(Value ? EllipsisButtonIndex : 0);
  EndUpdate();
}

void TcxCustomMRUEditProperties::Update(TcxCustomEditProperties* AProperties) {
  if (auto* target = dynamic_cast<TcxCustomMRUEditProperties*>(AProperties)) target->LookupItems()->Assign(LookupItems());
}

void TcxCustomMRUEditProperties::AssignSettings(TcxCustomEditProperties* Source) {
  TcxCustomComboBoxProperties::AssignSettings(Source);
  auto* source = dynamic_cast<TcxCustomMRUEditProperties*>(Source);
  if (!source) return;
  SetMaxItemCount(source->FMaxItemCount);
  SetShowEllipsis(source->FShowEllipsis);
  OnButtonClick = source->OnButtonClick;
  OnDeleteLookupItem = source->OnDeleteLookupItem;
}

// ---------------------------------------------------------------- the control

void TcxCustomMRUEdit::AddItem(const String& Value) {
  if (Value.empty()) return;
  if (ActiveProperties()->LookupItems()->IndexOf(Value) < 0) DoNewLookupDisplayText(Value);
  ActiveProperties()->InsertLookupItem(Value, false);
}

void TcxCustomMRUEdit::HandleEditKeyDown(uint16_t& Key, TShiftState Shift) {
  // A highlighted row of the open list is the combo box's to take.
  if (Key == VK_RETURN && !Shift.Contains(ssAlt) && !(HasPopupWindow() && ILookupData()->GetListItemIndex() >= 0))
    AddItem(Text());
  const bool stepping = Key == VK_UP || Key == VK_DOWN || Key == VK_PRIOR || Key == VK_NEXT;
  TFlagScope scope(FStepping, FStepping || stepping);
  TcxCustomComboBox::HandleEditKeyDown(Key, Shift);
}

bool TcxCustomMRUEdit::DoMouseWheel(TShiftState Shift, int WheelDelta, const TPoint& MousePos) {
  TFlagScope scope(FStepping, true);
  return TcxCustomComboBox::DoMouseWheel(Shift, WheelDelta, MousePos);
}

void TcxCustomMRUEdit::ApplyLookupSelection(TObject* Sender) {
  TcxCustomComboBox::ApplyLookupSelection(Sender);
  if (FStepping || !DoEditing()) return;
  AddItem(LookupData()->GetDisplayText(LookupData()->GetCurrentKey()));
}

bool TcxCustomMRUEdit::ValidateEditByOptions(bool AForce) {
  const bool stores = AForce || ModifiedAfterEnter();
  if (stores) AddItem(Text());
  return TcxCustomComboBox::ValidateEditByOptions(AForce);
}

void TcxCustomMRUEdit::FireButtonClick(int AButtonIndex) {
  if (AButtonIndex != EllipsisButtonIndex) return;
  if (Properties()->OnButtonClick) Properties()->OnButtonClick(this);
  if (RepositoryItem() && ActiveProperties()->OnButtonClick) ActiveProperties()->OnButtonClick(this);
}

void TcxCustomMRUEdit::SyncGlyphButtonKind() {
  TcxCustomMRUEditProperties* properties = ActiveProperties();
  const bool ellipsis = properties->ShowEllipsis();
  const int index = ellipsis ? EllipsisButtonIndex : 0;
  if (index >= properties->Buttons()->Count()) return;
  const bool glyph = properties->ButtonGlyph() != nullptr;
  properties->Buttons()->Items(index)->SetKind(glyph ? bkGlyph : ellipsis ? bkEllipsis : bkDown);
}

void TcxCustomMRUEdit::HandlePropertiesChanged(TObject* Sender) {
  SyncGlyphButtonKind();
  TcxCustomComboBox::HandlePropertiesChanged(Sender);
}

// ---------------------------------------------------------------- unit

const TUnitEntry cxMRUEditUnit{L"cxMRUEdit",
                               [] {
                                 cxEditPropertiesRegistry()->Register(TcxMRUEditProperties::StaticClass(),
                                                                      dxTranslatedResString(scxSEditRepositoryMRUItem));
                                 cxFilterEditsRegistry()->Register(TcxMRUEditProperties::StaticClass(),
                                                                   TcxFilterTextEditHelper::Instance());
                               },
                               [] {
                                 cxFilterEditsRegistry()->Unregister(TcxMRUEditProperties::StaticClass(),
                                                                     TcxFilterTextEditHelper::Instance());
                                 cxEditPropertiesRegistry()->Unregister(TcxMRUEditProperties::StaticClass());
                               }};
