// The hyperlink edit: the prefix a typed address gets, the link style and
// colours, the gestures that start the link, the shell call that opens it
// (only for a real link), and its filter helper and registration.
#include "components/editors-basic/cxHyperLinkEdit.h"

#include <windows.h>

#include <shellapi.h>

#include "components/core/dxCore.h"
#include "components/editors/cxEditConsts.h"
#include "components/lookandfeel/cxLookAndFeelPainters.h"
#include "vcl/controls/Dialogs.h"
#include "vcl/controls/Forms.h"
#include "vcl/rtl/SysUtils.h"

TResStringRec scxSHyperLinkNotALink{L"\"%s\" is not a link and is not opened."};
TResStringRec scxSHyperLinkOpenFailed{L"The link \"%s\" could not be opened (error %d)."};

namespace {

// Cursor number of the link; the host decides which image it shows.
constexpr TCursor crcxHyperLinkEditHand = -2099;

intptr_t ShellOpenLink(const String& ALink) {
  return reinterpret_cast<intptr_t>(
      ShellExecuteW(nullptr, L"OPEN", ALink.c_str(), nullptr, nullptr, SW_SHOWMAXIMIZED));
}

TcxShellOpenLinkProc& OpenLinkProc() {
  static TcxShellOpenLinkProc proc = ShellOpenLink;
  return proc;
}

// The schemes every link may carry.
const wchar_t* const LinkSchemes[] = {L"http://", L"https://", L"ftp://", L"mailto:"};

// The scheme APrefix starts with ("xyz:" of "xyz://"), or empty when it
// names none; one letter before the colon is a drive, not a scheme.
String SchemeOf(const String& APrefix) {
  const size_t colon = APrefix.find(L':');
  if (colon == String::npos || colon < 2 || !iswalpha(APrefix[0])) return String();
  for (size_t i = 1; i < colon; ++i)
    if (!iswalnum(APrefix[i]) && APrefix[i] != L'+' && APrefix[i] != L'-' && APrefix[i] != L'.') return String();
  return APrefix.substr(0, colon + 1);
}

bool StartsWithLinkScheme(const String& AText) {
  for (const wchar_t* scheme : LinkSchemes)
    if (StartsText(scheme, AText)) return true;
  return StartsText(L"file:", AText);
}

}  // namespace

TcxShellOpenLinkProc cxSetShellOpenLinkProc(TcxShellOpenLinkProc AProc) {
  TcxShellOpenLinkProc previous = OpenLinkProc();
  OpenLinkProc() = AProc ? std::move(AProc) : TcxShellOpenLinkProc(ShellOpenLink);
  return previous;
}

bool cxIsOpenableLink(const String& ALink, const String& APrefix) {
  String scheme;
  for (const wchar_t* known : LinkSchemes)
    if (StartsText(known, ALink)) scheme = known;
  const String prefixScheme = SchemeOf(APrefix);
  if (scheme.empty() && !prefixScheme.empty() && !SameText(prefixScheme, L"file:") && StartsText(prefixScheme, ALink))
    scheme = prefixScheme;
  if (scheme.empty() || ALink.size() == scheme.size()) return false;
  for (wchar_t ch : ALink)
    if (ch <= L' ' || ch == L'"' || ch == 0x7F) return false;
  return true;
}

// ---------------------------------------------------------------- properties

TcxCustomHyperLinkEditProperties::TcxCustomHyperLinkEditProperties(TPersistent* AOwner)
    : TcxCustomTextEditProperties(AOwner), FPrefix(dxTranslatedResString(scxSHyperLinkPrefix)) {
  SetAutoSelect(false);
}

void TcxCustomHyperLinkEditProperties::AddLinkPrefix(const String& AText, String& AResult) {
  AResult = Trim(AText);
  if (!FPrefix.empty() && !AResult.empty() && !StartsText(FPrefix, AResult) && !StartsWithLinkScheme(AResult))
    AResult = Trim(FPrefix + AResult);
}

void TcxCustomHyperLinkEditProperties::SetLinkColor(TColor Value) {
  if (FLinkColor == Value) return;
  FLinkColor = Value;
  Changed();
}

void TcxCustomHyperLinkEditProperties::SetSingleClick(bool Value) {
  if (FSingleClick == Value) return;
  FSingleClick = Value;
  Changed();
}

void TcxCustomHyperLinkEditProperties::AssignSettings(TcxCustomEditProperties* Source) {
  TcxCustomTextEditProperties::AssignSettings(Source);
  auto* source = dynamic_cast<TcxCustomHyperLinkEditProperties*>(Source);
  if (!source) return;
  SetLinkColor(source->FLinkColor);
  FPrefix = source->FPrefix;
  SetSingleClick(source->FSingleClick);
  FStartKey = source->FStartKey;
  FUsePrefix = source->FUsePrefix;
  OnStartClick = source->OnStartClick;
}

TcxEditSupportedOperations TcxCustomHyperLinkEditProperties::GetSupportedOperations() {
  TcxEditSupportedOperations operations = TcxCustomTextEditProperties::GetSupportedOperations();
  if (FSingleClick) operations.Include(esoAlwaysHotTrack);
  return operations;
}

void TcxCustomHyperLinkEditProperties::ValidateDisplayValue(Variant& ADisplayValue, String& AErrorText, bool& AError,
                                                            TcxCustomEdit* AEdit) {
  if (FUsePrefix == upAlways) {
    String text;
    AddLinkPrefix(VarToStr(ADisplayValue), text);
    ADisplayValue = Variant(text);
  }
  TcxCustomTextEditProperties::ValidateDisplayValue(ADisplayValue, AErrorText, AError, AEdit);
}

TcxCustomEditClass TcxCustomHyperLinkEditProperties::GetContainerClass() const {
  return TcxCustomEditClass::Of<TcxHyperLinkEdit>();
}

TcxEditStyleClass TcxCustomHyperLinkEditProperties::GetStyleClass() const {
  return TcxEditStyleClass::Of<TcxHyperLinkStyle>();
}

TcxEditViewInfoClass TcxCustomHyperLinkEditProperties::GetViewInfoClass() const {
  return TcxEditViewInfoClass::Of<TcxHyperLinkEditViewInfo>();
}

// ---------------------------------------------------------------- style and view info

TColor TcxHyperLinkStyle::TextColor() const {
  if (DirectAccessMode()) return TcxEditStyle::TextColor();
  auto* edit = dynamic_cast<TcxCustomHyperLinkEdit*>(Edit());
  return edit ? edit->ActiveProperties()->LinkColor() : clBlue;
}

TFontStyles TcxHyperLinkStyle::TextStyle() const {
  TFontStyles style = TcxEditStyle::TextStyle();
  style.Include(fsUnderline);
  return style;
}

TColor TcxHyperLinkEditViewInfo::GetLinkColor() {
  auto* properties = dynamic_cast<TcxCustomHyperLinkEditProperties*>(EditProperties);
  const TColor color = properties ? properties->LinkColor() : clBlue;
  if (UseSkins && Painter && color == clBlue) return Painter->DefaultHyperlinkTextColor();
  return color;
}

bool TcxHyperLinkEditViewInfo::IsSingleClick() {
  auto* properties = dynamic_cast<TcxCustomHyperLinkEditProperties*>(EditProperties);
  return properties && properties->SingleClick();
}

bool TcxHyperLinkEditViewInfo::IsHotTrack() { return TcxCustomTextEditViewInfo::IsHotTrack() || IsSingleClick(); }

bool TcxHyperLinkEditViewInfo::IsHotTrack(const TPoint& P) {
  return TcxCustomTextEditViewInfo::IsHotTrack(P) || IsSingleClick();
}

void TcxHyperLinkEditViewInfo::GetEditColors(TColor& ABackgroundColor, TColor& ATextColor) {
  TcxCustomTextEditViewInfo::GetEditColors(ABackgroundColor, ATextColor);
  ATextColor = GetLinkColor();
}

void TcxHyperLinkEditViewInfo::PrepareCanvasFont(TcxCanvas* ACanvas) {
  TcxCustomTextEditViewInfo::PrepareCanvasFont(ACanvas);
  if (Edit) return;
  TFontStyles style = ACanvas->Font()->Style();
  style.Include(fsUnderline);
  ACanvas->Font()->SetStyle(style);
  ACanvas->Font()->SetColor(IsSelected ? TextColor : GetLinkColor());
}

// ---------------------------------------------------------------- the control

TcxCustomHyperLinkEdit::TcxCustomHyperLinkEdit(TComponent* AOwner, bool AIsInplace)
    : TcxCustomTextEdit(AOwner, AIsInplace) {}

TcxCustomHyperLinkEdit::~TcxCustomHyperLinkEdit() { RestoreCursor(); }

TcxContainerStyle* TcxCustomHyperLinkEdit::CreateStyle(TcxContainerStyle* AParentStyle,
                                                       TcxContainerStateItem AState) {
  return new TcxHyperLinkStyle(this, false, AParentStyle, AState);
}

void TcxCustomHyperLinkEdit::StartLink() {
  TcxCustomHyperLinkEditProperties* own = Properties();
  TcxCustomHyperLinkEditProperties* active = ActiveProperties();
  if (own->OnStartClick) own->OnStartClick(this);
  if (active != own && active->OnStartClick) active->OnStartClick(this);
  if (own->OnStartClick || active->OnStartClick) return;
  String link = Trim(Text());
  if (active->UsePrefix() != upNever) active->AddLinkPrefix(link, link);
  if (link.empty()) return;
  if (!cxIsOpenableLink(link, active->Prefix())) {
    MessageDlg(Format(dxTranslatedResString(scxSHyperLinkNotALink), {link}), mtError, {mbOK}, 0);
    return;
  }
  const intptr_t result = OpenLinkProc()(link);
  if (result <= 32)
    MessageDlg(Format(dxTranslatedResString(scxSHyperLinkOpenFailed), {link, static_cast<int>(result)}), mtError,
               {mbOK}, 0);
}

void TcxCustomHyperLinkEdit::SelectAll() {
  if (IsInplace() && ActiveProperties()->SingleClick()) return;
  TcxCustomTextEdit::SelectAll();
}

void TcxCustomHyperLinkEdit::HandlePropertiesChanged(TObject* Sender) {
  TcxCustomTextEdit::HandlePropertiesChanged(Sender);
  StyleChanged(Style());
}

bool TcxCustomHyperLinkEdit::ValidateEditByOptions(bool AForce) {
  TcxCustomHyperLinkEditProperties* properties = ActiveProperties();
  if (properties->UsePrefix() == upAlways && (AForce || ModifiedAfterEnter())) {
    String text;
    properties->AddLinkPrefix(Text(), text);
    if (text != Text()) SetEditingText(text);
  }
  return TcxCustomTextEdit::ValidateEditByOptions(AForce);
}

void TcxCustomHyperLinkEdit::KeyDown(uint16_t& Key, TShiftState Shift) {
  if (Key != 0 && ShortCut(Key, Shift) == ActiveProperties()->StartKey()) {
    Key = 0;
    StartLink();
    return;
  }
  TcxCustomTextEdit::KeyDown(Key, Shift);
}

void TcxCustomHyperLinkEdit::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TcxCustomTextEdit::MouseDown(Button, Shift, X, Y);
  if (Button == mbLeft && Shift.Contains(ssDouble) && ClientRect().Contains(TPoint(X, Y)) &&
      !ActiveProperties()->SingleClick())
    StartLink();
}

void TcxCustomHyperLinkEdit::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TcxCustomTextEdit::MouseUp(Button, Shift, X, Y);
  if (Button == mbLeft && ClientRect().Contains(TPoint(X, Y)) && ActiveProperties()->SingleClick() &&
      SelLength() == 0)
    StartLink();
}

void TcxCustomHyperLinkEdit::ActivateByMouse(TShiftState AShift, int X, int Y) {
  TcxCustomTextEdit::ActivateByMouse(AShift, X, Y);
  if (ActiveProperties()->SingleClick()) ShowLinkCursor();
}

void TcxCustomHyperLinkEdit::MouseEnter(TControl* AControl) {
  TcxCustomTextEdit::MouseEnter(AControl);
  if (ActiveProperties()->SingleClick()) ShowLinkCursor();
}

void TcxCustomHyperLinkEdit::MouseLeave(TControl* AControl) {
  TcxCustomTextEdit::MouseLeave(AControl);
  RestoreCursor();
}

void TcxCustomHyperLinkEdit::ShowLinkCursor() {
  if (FLinkCursorShown || Cursor() != crDefault) return;
  FLinkCursorShown = true;
  FSaveCursor = Screen->Cursor();
  if (InnerEditControl()) InnerEditControl()->SetCursor(crcxHyperLinkEditHand);
  SetCursor(crcxHyperLinkEditHand);
  Screen->SetCursor(crcxHyperLinkEditHand);
}

void TcxCustomHyperLinkEdit::RestoreCursor() {
  if (!FLinkCursorShown) return;
  FLinkCursorShown = false;
  if (InnerEditControl()) InnerEditControl()->SetCursor(crDefault);
  SetCursor(crDefault);
  Screen->SetCursor(FSaveCursor);
}

// ---------------------------------------------------------------- filter helper

const TcxFilterHyperLinkEditHelper* TcxFilterHyperLinkEditHelper::Instance() {
  static const TcxFilterHyperLinkEditHelper instance;
  return &instance;
}

TcxCustomEditClass TcxFilterHyperLinkEditHelper::GetFilterEditClass() const {
  return TcxCustomEditClass::Of<TcxHyperLinkEdit>();
}

// ---------------------------------------------------------------- unit

const TUnitEntry cxHyperLinkEditUnit{L"cxHyperLinkEdit",
                                     [] {
                                       cxEditPropertiesRegistry()->Register(
                                           TcxHyperLinkEditProperties::StaticClass(),
                                           dxTranslatedResString(scxSEditRepositoryHyperLinkItem));
                                       cxFilterEditsRegistry()->Register(TcxHyperLinkEditProperties::StaticClass(),
                                                                         TcxFilterHyperLinkEditHelper::Instance());
                                     },
                                     [] {
                                       cxFilterEditsRegistry()->Unregister(TcxHyperLinkEditProperties::StaticClass(),
                                                                           TcxFilterHyperLinkEditHelper::Instance());
                                       cxEditPropertiesRegistry()->Unregister(
                                           TcxHyperLinkEditProperties::StaticClass());
                                     }};
