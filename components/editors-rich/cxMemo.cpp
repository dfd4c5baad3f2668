#include "components/editors-rich/cxMemo.h"

#include "components/editors/cxEditConsts.h"
#include "vcl/controls/Clipbrd.h"
#include "vcl/controls/Messages.h"

namespace {

constexpr size_t MaxDisplayTextLength = 250;

bool HasHorzScrollBar(TScrollStyle AStyle) { return AStyle == ssHorizontal || AStyle == ssBoth; }
bool HasVertScrollBar(TScrollStyle AStyle) { return AStyle == ssVertical || AStyle == ssBoth; }

// A line feed followed by a carriage return stands for two line breaks.
String WholeLineBreaks(const String& AText) {
  String result;
  result.reserve(AText.size());
  for (size_t i = 0; i < AText.size(); ++i) {
    if (AText[i] == L'\n' && i + 1 < AText.size() && AText[i + 1] == L'\r') {
      result += L"\r\n\r\n";
      ++i;
    } else {
      result += AText[i];
    }
  }
  return result;
}

}  // namespace

// ---------------------------------------------------------------- properties

TcxCustomMemoProperties::TcxCustomMemoProperties(TPersistent* AOwner) : TcxCustomTextEditProperties(AOwner) {
  Alignment()->SetVert(taTopJustify);
  SetAutoSelect(false);
}

void TcxCustomMemoProperties::AssignSettings(TcxCustomEditProperties* Source) {
  TcxCustomTextEditProperties::AssignSettings(Source);
  auto* source = dynamic_cast<TcxCustomMemoProperties*>(Source);
  if (!source) return;
  SetScrollBars(source->FScrollBars);
  SetVisibleLineCount(source->FVisibleLineCount);
  SetWantReturns(source->FWantReturns);
  SetWantTabs(source->FWantTabs);
  SetWordWrap(source->FWordWrap);
}

String TcxCustomMemoProperties::GetDisplayText(const Variant& AEditValue, bool AFullText, bool) {
  String text = TcxCustomTextEditProperties::GetDisplayText(AEditValue, false, true);
  if (AFullText) return text;
  const size_t lineEnd = text.find_first_of(L"\r\n");
  if (lineEnd != String::npos) text.resize(lineEnd);
  if (text.size() > MaxDisplayTextLength) text.resize(MaxDisplayTextLength);
  return text;
}

// A blob field's value is the memo's own; any other field's is its text.
bool TcxCustomMemoProperties::GetEditValueSource(bool) {
  return IDefaultValuesProvider() && IDefaultValuesProvider()->IsBlob();
}

TcxEditSpecialFeatures TcxCustomMemoProperties::GetSpecialFeatures() {
  TcxEditSpecialFeatures result = TcxCustomTextEditProperties::GetSpecialFeatures();
  result.Include(esfMultiRow);
  return result;
}

TcxEditSupportedOperations TcxCustomMemoProperties::GetSupportedOperations() {
  TcxEditSupportedOperations result = TcxCustomTextEditProperties::GetSupportedOperations();
  result.Include(esoEditingAutoHeight);
  return result;
}

TcxEditViewInfoClass TcxCustomMemoProperties::GetViewInfoClass() const {
  return TcxEditViewInfoClass::Of<TcxCustomMemoViewInfo>();
}

TcxEditViewDataClass TcxCustomMemoProperties::ViewDataClass() const {
  return TcxEditViewDataClass::Of<TcxCustomMemoViewData>();
}

TcxCustomEditClass TcxCustomMemoProperties::GetContainerClass() const { return TcxCustomEditClass::Of<TcxMemo>(); }

// ---------------------------------------------------------------- view data

uint32_t TcxCustomMemoViewData::GetDrawTextFlags() {
  static const uint32_t horz[] = {cxtlLeft, cxtlRight, cxtlCenterX};
  uint32_t flags = cxtlEditControl | cxtlPreventLeftExceed | cxtlExpandTabs | horz[static_cast<int>(HorzAlignment)];
  if (Properties()->WrapsLines()) flags |= cxtlWordBreak | cxtlCharBreak;
  return flags;
}

TRect TcxCustomMemoViewData::GetDrawTextOffset() { return IsInplace() ? TRect(1, 1, 1, 1) : TRect(1, 1, 1, 3); }

TSize TcxCustomMemoViewData::GetEditContentSizeCorrection() {
  const TRect offset = GetDrawTextOffset();
  return TSize{offset.Left + offset.Right, offset.Top + offset.Bottom};
}

int TcxCustomMemoViewData::GetLineCountLimit() {
  const int visibleLines = Properties()->VisibleLineCount();
  return visibleLines > 0 ? visibleLines : MaxLineCount;
}

TSize TcxCustomMemoViewData::MeasureEditContent(TcxCanvas* ACanvas, const Variant& AEditValue,
                                                const TcxEditSizeProperties& AEditSizeProperties) {
  String text = PreviewMode ? String() : Properties()->GetDisplayText(AEditValue, true, IsInplace());
  // An empty last line counts.
  if (!text.empty() && (text.back() == L'\r' || text.back() == L'\n')) text += L"\r\n";
  TSize size = cxCalculateTextEditContentSize(ACanvas, this, text, GetDrawTextFlags(), AEditSizeProperties,
                                              Properties()->VisibleLineCount(), true);
  if (Edit && HasHorzScrollBar(Properties()->ScrollBars())) size.cy += GetSystemMetrics(SM_CYHSCROLL);
  return size;
}

// ---------------------------------------------------------------- lines

std::vector<String> TcxMemoLines::Split() const {
  std::vector<String> lines;
  const String text = FMemo->Text();
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find_first_of(L"\r\n", start);
    if (end == String::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + (text.compare(end, 2, L"\r\n") == 0 ? 2 : 1);
  }
  return lines;
}

void TcxMemoLines::Join(const std::vector<String>& ALines) {
  String text;
  for (size_t i = 0; i < ALines.size(); ++i) text += (i ? L"\r\n" : L"") + ALines[i];
  if (TcxCustomMemo* memo = FMemo->Memo())
    memo->SetEditValue(Variant(text));
  else
    FMemo->SetText(text);
}

int TcxMemoLines::Count() const { return static_cast<int>(Split().size()); }

String TcxMemoLines::Get(int Index) const {
  const std::vector<String> lines = Split();
  if (Index < 0 || Index >= static_cast<int>(lines.size())) Error(L"List index out of bounds (%d)", Index);
  return lines[Index];
}

void TcxMemoLines::Put(int Index, const String& S) {
  std::vector<String> lines = Split();
  if (Index < 0 || Index >= static_cast<int>(lines.size())) Error(L"List index out of bounds (%d)", Index);
  lines[Index] = S;
  Join(lines);
}

void TcxMemoLines::Insert(int Index, const String& S) {
  std::vector<String> lines = Split();
  if (Index < 0 || Index > static_cast<int>(lines.size())) Error(L"List index out of bounds (%d)", Index);
  lines.insert(lines.begin() + Index, S);
  Join(lines);
}

void TcxMemoLines::Delete(int Index) {
  std::vector<String> lines = Split();
  if (Index < 0 || Index >= static_cast<int>(lines.size())) Error(L"List index out of bounds (%d)", Index);
  lines.erase(lines.begin() + Index);
  Join(lines);
}

void TcxMemoLines::Clear() { Join({}); }

// ---------------------------------------------------------------- the inner memo

TcxCustomInnerMemo::TcxCustomInnerMemo(TComponent* AOwner)
    : TcxCustomInnerTextEdit(AOwner), FLines(std::make_unique<TcxMemoLines>(this)) {
  // The platform aligns a multi-line edit's text itself, also while editing.
  Helper()->SetUseLeftAlignmentOnEditing(false);
  SetHelper(std::make_unique<TcxCustomInnerMemoHelper>(this));
}

TcxCustomInnerMemo::~TcxCustomInnerMemo() = default;

TcxCustomMemo* TcxCustomInnerMemo::Memo() const { return dynamic_cast<TcxCustomMemo*>(Owner()); }

void TcxCustomInnerMemo::CreateParams(TCreateParams& Params) {
  TcxCustomInnerTextEdit::CreateParams(Params);
  Params.Style |= ES_MULTILINE | ES_AUTOVSCROLL;
  if (FWantReturns) Params.Style |= ES_WANTRETURN;
  if (FWordWrap && !HasHorzScrollBar(FScrollBars)) Params.Style &= ~ES_AUTOHSCROLL;
  if (HasVertScrollBar(FScrollBars)) Params.Style |= WS_VSCROLL;
  if (HasHorzScrollBar(FScrollBars)) Params.Style |= WS_HSCROLL;
  // The memo places this border just outside its client.
  Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TcxCustomInnerMemo::AdjustMargins() {
  if (HandleAllocated()) SendMessageW(Handle(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
}

void TcxCustomInnerMemo::SetScrollBars(TScrollStyle Value) {
  if (FScrollBars == Value) return;
  FScrollBars = Value;
  if (HandleAllocated()) RecreateWnd();
}

void TcxCustomInnerMemo::SetWordWrap(bool Value) {
  if (FWordWrap == Value) return;
  FWordWrap = Value;
  if (HandleAllocated()) RecreateWnd();
}

TPoint TcxCustomInnerMemo::CaretPos() {
  if (!HandleAllocated()) return TPoint();
  DWORD start = 0, end = 0;
  SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  const int line = static_cast<int>(SendMessageW(Handle(), EM_LINEFROMCHAR, end, 0));
  const int lineStart = static_cast<int>(SendMessageW(Handle(), EM_LINEINDEX, line, 0));
  return TPoint(static_cast<int>(end) - lineStart, line);
}

void TcxCustomInnerMemo::SetCaretPos(const TPoint& Value) {
  if (!HandleAllocated()) return;
  const int position = static_cast<int>(SendMessageW(Handle(), EM_LINEINDEX, Value.Y, 0)) + Value.X;
  SendMessageW(Handle(), EM_SETSEL, position, position);
}

// Enter and Tab reach the native memo only where the memo takes them as
// typing.
void TcxCustomInnerMemo::KeyPress(wchar_t& Key) {
  Helper()->SetInternalUpdating(false);
  TcxCustomMemo* memo = Memo();
  if (memo && Key != 0) memo->KeyPress(Key);
  if ((Key == L'\r' && memo && !memo->IsMemoEditingKey(VK_RETURN, KeyboardStateToShiftState(), false)) ||
      (Key == L'\t' && !FWantTabs))
    Key = 0;
  if (Key == 0) {
    Helper()->SetInternalUpdating(true);
    return;
  }
  TEdit::KeyPress(Key);
}

// The platform's multi-line edit asks for every key; the form still gets
// Escape, Tab without WantTabs and Enter that is no line break.
void TcxCustomInnerMemo::HandleDialogCode(TMessage& Message) {
  const WPARAM key = Message.WParam;
  TcxCustomInnerTextEdit::WndProc(Message);
  TcxCustomMemo* memo = Memo();
  if (!memo) return;
  const bool ctrl = GetKeyState(VK_CONTROL) < 0;
  const bool toForm = key == VK_ESCAPE ||
                      (!memo->IsInplace() && ((key == VK_TAB && !FWantTabs) ||
                                              (key == VK_RETURN && !memo->IsMemoEditingKey(VK_RETURN,
                                                                                           KeyboardStateToShiftState(),
                                                                                           false))));
  if (toForm) Message.Result &= ~(DLGC_WANTALLKEYS | DLGC_WANTMESSAGE);
  if (memo->WantsTabKey() && !ctrl && key != VK_ESCAPE) Message.Result |= DLGC_WANTTAB;
}

void TcxCustomInnerMemo::ReplaceSelection(TMessage& Message) {
  TcxCustomMemo* memo = Memo();
  if (memo && memo->Focused() && !ReadOnly() && !memo->DoEditing()) return;
  const String text = WholeLineBreaks(reinterpret_cast<const wchar_t*>(Message.LParam));
  Message.LParam = reinterpret_cast<LPARAM>(text.c_str());
  TEdit::WndProc(Message);
}

void TcxCustomInnerMemo::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETDLGCODE:
      return HandleDialogCode(Message);
    case EM_REPLACESEL:
      return ReplaceSelection(Message);
    case WM_PASTE:
      // Through EM_REPLACESEL, so that pasted line breaks are made whole.
      if (!ReadOnly()) {
        const String text = Clipboard()->AsText();
        Perform(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
      }
      return;
    case WM_NCPAINT:
      // The native scroll bars.
      TEdit::WndProc(Message);
      return;
    default:
      TcxCustomInnerTextEdit::WndProc(Message);
  }
}

// ---------------------------------------------------------------- the memo

TcxCustomMemo::TcxCustomMemo(TComponent* AOwner, bool AIsInplace) : TcxCustomTextEdit(AOwner, AIsInplace) {
  SetBounds(Left(), Top(), 185, 89);
}

TcxCustomInnerMemo* TcxCustomMemo::InnerMemo() { return static_cast<TcxCustomInnerMemo*>(InnerEditControl()); }

TPoint TcxCustomMemo::CaretPos() { return InnerMemo() ? InnerMemo()->CaretPos() : TPoint(); }

void TcxCustomMemo::SetCaretPos(const TPoint& Value) {
  if (InnerMemo()) InnerMemo()->SetCaretPos(Value);
}

TStrings* TcxCustomMemo::Lines() { return InnerMemo()->Lines(); }

bool TcxCustomMemo::IsMemoEditingKey(uint16_t Key, TShiftState Shift, bool ATabAllowed) {
  TcxCustomMemoProperties* properties = ActiveProperties();
  if (Key == VK_RETURN) return properties->WantReturns() || Shift.Contains(ssCtrl);
  if (Key == VK_TAB) return ATabAllowed || properties->WantTabs();
  return false;
}

// In a cell, the Enter that types a line break is the memo's alone; the
// other one (Ctrl+Enter with WantReturns, Enter without) is the host's.
void TcxCustomMemo::KeyDown(uint16_t& Key, TShiftState Shift) {
  if (IsInplace() && Key == VK_RETURN && Shift.Contains(ssCtrl) != ActiveProperties()->WantReturns()) {
    HandleEditKeyDown(Key, Shift);
    return;
  }
  TcxCustomTextEdit::KeyDown(Key, Shift);
}

void TcxCustomMemo::HandleEditKeyDown(uint16_t& Key, TShiftState Shift) {
  // A line break is typing, not the end of editing.
  if (Key == VK_RETURN && IsMemoEditingKey(Key, Shift, false)) return;
  TcxCustomTextEdit::HandleEditKeyDown(Key, Shift);
  if (Key == 'A' && Shift == TShiftState{ssCtrl} && Lines()->Count() > 0) {
    SelectAll();
    if (OnAfterKeyDown) OnAfterKeyDown(this, Key, Shift);
    Key = 0;
  }
}

bool TcxCustomMemo::IsEditingChar(wchar_t AChar) {
  const TShiftState shift = KeyboardStateToShiftState();
  return TcxCustomTextEdit::IsEditingChar(AChar) || AChar == L'\n' ||
         (AChar == L'\r' && IsMemoEditingKey(VK_RETURN, shift, true)) ||
         (AChar == L'\t' && IsMemoEditingKey(VK_TAB, shift, true));
}

bool TcxCustomMemo::WantsTabKey() { return TcxCustomTextEdit::WantsTabKey() || ActiveProperties()->WantTabs(); }

void TcxCustomMemo::HandlePropertiesChanged(TObject* Sender) {
  if (auto* inner = dynamic_cast<TcxCustomInnerMemo*>(InnerControl())) {
    TcxCustomMemoProperties* properties = ActiveProperties();
    inner->SetScrollBars(properties->ScrollBars());
    inner->SetWantReturns(properties->WantReturns());
    inner->SetWantTabs(properties->WantTabs());
    inner->SetWordWrap(properties->WordWrap());
  }
  TcxCustomTextEdit::HandlePropertiesChanged(Sender);
}

// The native border lies just outside the client.
void TcxCustomMemo::AdjustInnerEditPosition() {
  auto* inner = dynamic_cast<TcxCustomInnerMemo*>(InnerControl());
  const TRect client = TextViewInfo()->ClientRect;
  if (!inner || client.IsEmpty()) return;
  const TRect bounds(client.Left - 2, client.Top - 2, client.Right + 2, client.Bottom + 2);
  if (inner->BoundsRect() != bounds) inner->TEdit::SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
}

// ---------------------------------------------------------------- filter helper

const TcxFilterMemoHelper* TcxFilterMemoHelper::Instance() {
  static const TcxFilterMemoHelper instance;
  return &instance;
}

TcxFilterControlOperators TcxFilterMemoHelper::GetSupportedFilterOperators(TcxCustomEditProperties*,
                                                                           const IcxFilterValueType*, bool) const {
  return {fcoLike, fcoNotLike, fcoBlanks, fcoNonBlanks};
}

// ---------------------------------------------------------------- unit

const TUnitEntry cxMemoUnit{L"cxMemo",
                            [] {
                              cxEditPropertiesRegistry()->Register(
                                  TcxMemoProperties::StaticClass(),
                                  L"Memo|Represents an edit control that allows editing memo data");
                              cxFilterEditsRegistry()->Register(TcxMemoProperties::StaticClass(),
                                                                TcxFilterMemoHelper::Instance());
                            },
                            [] {
                              cxFilterEditsRegistry()->Unregister(TcxMemoProperties::StaticClass(),
                                                                  TcxFilterMemoHelper::Instance());
                            }};
