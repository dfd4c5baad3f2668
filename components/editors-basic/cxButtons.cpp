// The button control, its colours, image and speed-button options and its
// glyph.
#include "components/editors-basic/cxButtons.h"

#include <windowsx.h>

#include <algorithm>

#include "components/core/dxThemeManager.h"
#include "vcl/controls/ImgList.h"
#include "vcl/controls/Menus.h"

namespace {

// The caption as shown: "&&" stands for "&", a single "&" marks the next
// character and is not shown.
String StripAccelMarks(const String& ACaption) {
  String result;
  for (size_t i = 0; i < ACaption.size(); ++i) {
    if (ACaption[i] == L'&' && i + 1 < ACaption.size()) ++i;
    result += ACaption[i];
  }
  return result;
}

}  // namespace

TPersistent* TcxButtonCustomPersistent::GetOwner() const { return FButton; }

// ---------------------------------------------------------------- TcxButtonColors

void TcxButtonColors::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxButtonColors*>(Source);
  if (!source) return TcxButtonCustomPersistent::Assign(Source);
  std::copy(std::begin(source->FColors), std::end(source->FColors), std::begin(FColors));
  FAssignedColors = source->FAssignedColors;
  Button()->Invalidate();
}

void TcxButtonColors::SetColor(TcxButtonAssignedColor AIndex, TColor AValue) {
  TColor& color = FColors[static_cast<int>(AIndex)];
  if (AValue == clDefault || AValue == clNone) {
    color = clDefault;
    FAssignedColors.Exclude(AIndex);
  } else if (color != AValue) {
    color = AValue;
    FAssignedColors.Include(AIndex);
  }
  Button()->Invalidate();
}

void TcxButtonColors::SetAssignedColors(TcxButtonAssignedColors AValue) {
  if (!Button()->ComponentState().Contains(csDesigning)) return;
  for (int i = 0; i < 10; ++i) {
    const auto index = static_cast<TcxButtonAssignedColor>(i);
    if (!AValue.Contains(index)) FColors[i] = clDefault;
    if (FColors[i] == clDefault) AValue.Exclude(index);
  }
  FAssignedColors = AValue;
  Button()->Invalidate();
}

TColor TcxButtonColors::ByState(TcxButtonState AState, TcxButtonAssignedColor ADefault,
                                TcxButtonAssignedColor ANormal, const TcxButtonAssignedColor (&AByState)[5]) const {
  const TcxButtonAssignedColor own = AByState[static_cast<int>(AState)];
  if (FAssignedColors.Contains(own)) return Color(own);
  return Color(AState == cxbsNormal ? ADefault : ANormal);
}

// Indexed by TcxButtonState: default, normal, hot, pressed, disabled.
TColor TcxButtonColors::GetColorByState(TcxButtonState AState) const {
  static const TcxButtonAssignedColor colors[5] = {cxbcDefault, cxbcNormal, cxbcHot, cxbcPressed, cxbcDisabled};
  return ByState(AState, cxbcDefault, cxbcNormal, colors);
}

TColor TcxButtonColors::GetTextColorByState(TcxButtonState AState) const {
  static const TcxButtonAssignedColor colors[5] = {cxbcDefaultText, cxbcNormalText, cxbcHotText, cxbcPressedText,
                                                   cxbcDisabledText};
  return ByState(AState, cxbcDefaultText, cxbcNormalText, colors);
}

// ---------------------------------------------------------------- TcxButtonGlyph

TcxButtonGlyph::TcxButtonGlyph(TcxCustomButton* AOwner)
    : TcxButtonCustomPersistent(AOwner), FGlyph(std::make_unique<TBitmap>()) {}

TcxButtonGlyph::~TcxButtonGlyph() = default;

void TcxButtonGlyph::Changed() {
  if (OnChange) OnChange(this);
}

void TcxButtonGlyph::SetGlyph(TBitmap* AValue) {
  FGlyph->Assign(AValue);
  const int width = FGlyph->Width(), height = FGlyph->Height();
  int count = 1;
  if (height > 0 && width % height == 0 && width / height < 5) count = std::max(1, width / height);
  FNumGlyphs = 0;  // the change below always notifies
  SetNumGlyphs(count);
}

void TcxButtonGlyph::SetNumGlyphs(int AValue) {
  AValue = std::clamp(AValue, 1, 4);
  if (FNumGlyphs == AValue) return;
  FNumGlyphs = AValue;
  Changed();
}

void TcxButtonGlyph::SetImages(TCustomImageList* AValue) {
  if (FImages == AValue) return;
  FImages = AValue;
  if (FGlyph->Empty()) Changed();
}

void TcxButtonGlyph::SetImageIndex(int AValue) {
  if (FImageIndex == AValue) return;
  FImageIndex = AValue;
  if (FGlyph->Empty() && FImages) Changed();
}

void TcxButtonGlyph::ImagesFreed(TComponent* AList) {
  if (AList == FImages) SetImages(nullptr);
}

bool TcxButtonGlyph::IsImageAssigned() const {
  return !FGlyph->Empty() || (FImages && FImageIndex >= 0 && FImageIndex < FImages->Count());
}

TcxCustomLookAndFeelPainter* TcxButtonGlyph::Painter() const {
  return GetButtonLookAndFeelPainter(Button()->LookAndFeel());
}

TSize TcxButtonGlyph::ImageSize() const {
  if (!IsImageAssigned())
    return Button()->Kind() == cxbkCommandLink ? Painter()->GetCommandLinkGlyphSize() : TSize{0, 0};
  if (!FGlyph->Empty()) return TSize{FGlyph->Width() / FNumGlyphs, FGlyph->Height()};
  return TSize{FImages->Width(), FImages->Height()};
}

void TcxButtonGlyph::DrawButtonGlyph(TcxCanvas* ACanvas, const TPoint& AGlyphPos, TcxButtonState AState) {
  if (!IsImageAssigned()) return;
  const TSize size = ImageSize();
  const TRect target(AGlyphPos.X, AGlyphPos.Y, AGlyphPos.X + size.cx, AGlyphPos.Y + size.cy);
  if (FGlyph->Empty()) {
    cxDrawGlyphOrImage(ACanvas->Handle(), target, target, nullptr, FImages, FImageIndex,
                       AState == cxbsDisabled ? gdsDisabled : gdsNormal);
    return;
  }
  // The strip's sections: up, disabled, down, exclusive; a pressed button
  // shows its down section only when the strip has one.
  int section = 0;
  if (AState == cxbsDisabled) section = 1;
  else if (AState == cxbsPressed && FNumGlyphs >= 3) section = 2;
  const bool drawnDisabled = AState == cxbsDisabled && FNumGlyphs == 1;
  if (section >= FNumGlyphs) section = 0;
  TBitmap image;
  image.SetPixelFormat(pf24bit);
  image.SetSize(size.cx, size.cy);
  BitBlt(image.Canvas()->Handle(), 0, 0, size.cx, size.cy, FGlyph->Canvas()->Handle(), section * size.cx, 0, SRCCOPY);
  image.SetTransparentColor(FGlyph->TransparentColor());
  cxDrawGlyphOrImage(ACanvas->Handle(), target, target, &image, nullptr, -1, drawnDisabled ? gdsDisabled : gdsNormal);
}

// ---------------------------------------------------------------- TcxButtonImageOptions

TBitmap* TcxButtonImageOptions::Glyph() const { return Button()->ButtonGlyph()->Glyph(); }
void TcxButtonImageOptions::SetGlyph(TBitmap* AValue) { Button()->ButtonGlyph()->SetGlyph(AValue); }
int TcxButtonImageOptions::NumGlyphs() const { return Button()->ButtonGlyph()->NumGlyphs(); }
void TcxButtonImageOptions::SetNumGlyphs(int AValue) { Button()->ButtonGlyph()->SetNumGlyphs(AValue); }

void TcxButtonImageOptions::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxButtonImageOptions*>(Source);
  if (!source) return TcxButtonCustomPersistent::Assign(Source);
  SetGlyph(source->Glyph());
  SetImageIndex(source->ImageIndex());
  SetImages(source->Images());
  SetLayout(source->Layout());
  SetMargin(source->Margin());
  SetNumGlyphs(source->NumGlyphs());
  SetSpacing(source->Spacing());
}

void TcxButtonImageOptions::SetImageIndex(int AValue) {
  if (FImageIndex == AValue) return;
  FImageIndex = AValue;
  Changed();
}

void TcxButtonImageOptions::SetImages(TCustomImageList* AValue) {
  if (FImages == AValue) return;
  if (FImages) FImages->RemoveFreeNotification(Button());
  FImages = AValue;
  if (FImages) FImages->FreeNotification(Button());
  Changed();
}

void TcxButtonImageOptions::SetLayout(TButtonLayout AValue) {
  if (FLayout == AValue) return;
  FLayout = AValue;
  Changed();
}

void TcxButtonImageOptions::SetMargin(int AValue) {
  if (FMargin == AValue || AValue < -1) return;
  FMargin = AValue;
  Changed();
}

void TcxButtonImageOptions::SetSpacing(int AValue) {
  if (FSpacing == AValue) return;
  FSpacing = AValue;
  Changed();
}

void TcxButtonImageOptions::Changed() {
  TcxButtonGlyph* glyph = Button()->ButtonGlyph();
  glyph->SetImages(FImages);
  glyph->SetImageIndex(FImageIndex);
  Button()->Invalidate();
}

void TcxButtonImageOptions::ImagesFreed(TComponent* AComponent) {
  if (AComponent == FImages) SetImages(nullptr);
}

// ---------------------------------------------------------------- TcxSpeedButtonOptions

void TcxSpeedButtonOptions::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxSpeedButtonOptions*>(Source);
  if (!source) return TcxButtonCustomPersistent::Assign(Source);
  SetGroupIndex(source->GroupIndex());
  SetAllowAllUp(source->AllowAllUp());
  SetCanBeFocused(source->CanBeFocused());
  SetDown(source->Down());
  SetFlat(source->Flat());
  SetTransparent(source->Transparent());
}

void TcxSpeedButtonOptions::Invalidate() { Button()->Invalidate(); }

bool TcxSpeedButtonOptions::Down() const { return Button()->InternalState().Contains(bisDown); }

bool TcxSpeedButtonOptions::Active() const { return Button() && (FGroupIndex != 0 || !FCanBeFocused); }

void TcxSpeedButtonOptions::SetAllowAllUp(bool AValue) {
  if (FAllowAllUp == AValue) return;
  FAllowAllUp = AValue;
  NotifyGroup();
}

void TcxSpeedButtonOptions::SetCanBeFocused(bool AValue) {
  if (FCanBeFocused == AValue) return;
  FCanBeFocused = AValue;
  NotifyGroup();
  Button()->Invalidate();
}

void TcxSpeedButtonOptions::SetFlat(bool AValue) {
  if (FFlat == AValue) return;
  FFlat = AValue;
  NotifyGroup();
  if (Active()) Invalidate();
}

void TcxSpeedButtonOptions::SetTransparent(bool AValue) {
  if (FTransparent == AValue) return;
  FTransparent = AValue;
  NotifyGroup();
  if (Active()) Invalidate();
}

void TcxSpeedButtonOptions::SetGroupIndex(int AValue) {
  if (FGroupIndex == AValue) return;
  FGroupIndex = AValue;
  if (AValue == 0) SetDown(false);
  else NotifyGroup();
}

void TcxSpeedButtonOptions::EndUpdate() {
  --FLockCount;
  NotifyGroup();
}

void TcxSpeedButtonOptions::SetDownState(bool AValue) {
  TcxCustomButton* button = Button();
  const bool hasAction = button->Action() != nullptr;
  if (FGroupIndex == 0 && !hasAction) AValue = false;
  if (AValue == Down()) return;
  const bool designingSpeedButton = button->ComponentState().Contains(csDesigning) && Active();
  if (Down() && !FAllowAllUp && FGroupIndex != 0 && FLockCount == 0 && !hasAction && !designingSpeedButton) return;
  if (AValue) {
    button->Include(bisDown);
    NotifyGroup();
  } else {
    button->Exclude(bisDown);
  }
  Invalidate();
}

void TcxSpeedButtonOptions::NotifyGroup() {
  TcxCustomButton* button = Button();
  if (FLockCount != 0 || !Active() || FGroupIndex == 0 || !button->Parent()) return;
  TWinControl* parent = button->Parent();
  for (int i = 0; i < parent->ControlCount(); ++i)
    parent->Controls(i)->Perform(CM_BUTTONPRESSED, FGroupIndex, reinterpret_cast<LPARAM>(button));
}

void TcxSpeedButtonOptions::SynchronizeWith(TcxSpeedButtonOptions* ASender) {
  BeginUpdate();
  FCanBeFocused = ASender->CanBeFocused();
  FAllowAllUp = ASender->AllowAllUp();
  FFlat = ASender->Flat();
  FTransparent = ASender->Transparent();
  TcxCustomButton* button = Button();
  if (ASender->Down() && Down() && (!button->Action() || button->Action() != ASender->Button()->Action()))
    SetDown(false);
  CancelUpdate();
  Invalidate();
}

// ---------------------------------------------------------------- TcxCustomButton

TcxCustomLookAndFeelPainter* GetButtonLookAndFeelPainter(TcxLookAndFeel* ALookAndFeel) {
  TcxCustomLookAndFeelPainter* painter = ALookAndFeel->Painter();
  if (ALookAndFeel->SkinPainter() || painter->LookAndFeelStyle() != lfsOffice11) return painter;
  return PaintersManager->GetPainter(dxThemeKindAvailable(totButton) ? lfsNative : lfsStandard);
}

TcxCustomButton::TcxCustomButton(TComponent* AOwner)
    : TButton(AOwner), FFadingHelper(std::make_unique<TcxButtonFadingHelper>(this)) {
  FViewInfo.reset(CreateViewInfo());
  FGlyph = std::make_unique<TcxButtonGlyph>(this);
  FGlyph->OnChange = [this](TObject*) { Invalidate(); };
  FColors = std::make_unique<TcxButtonColors>(this);
  FLookAndFeel = std::make_unique<TcxLookAndFeel>(this);
  FLookAndFeel->OnChanged = [this](TcxLookAndFeel* Sender, TcxLookAndFeelValues AChanged) {
    LookAndFeelChanged(Sender, AChanged);
  };
  FSpeedButtonOptions = std::make_unique<TcxSpeedButtonOptions>(this);
  FOptionsImage.reset(CreateImageOptions());
  SetDoubleBuffered(true);
  SetControlStyle(ControlStyle() + TControlStyle{csOpaque});
}

TcxCustomButton::~TcxCustomButton() {
  Destroying();
  FFadingHelper.reset();  // leaves the fader
  cxEndMouseTracking(this);
  // The window goes while the objects its painting reads still exist.
  DestroyHandle();
}

TcxButtonImageOptions* TcxCustomButton::CreateImageOptions() { return new TcxButtonImageOptions(this); }
TcxButtonViewInfo* TcxCustomButton::CreateViewInfo() { return new TcxButtonViewInfo(this); }

void TcxCustomButton::LookAndFeelChanged(TcxLookAndFeel*, TcxLookAndFeelValues) {
  if (UsesSystemDrawing()) RecreateWnd();
  else Invalidate();
}

void TcxCustomButton::FireGetDrawParams(TcxButtonState AState, TColor& AColor, TFont* AFont) {
  if (OnGetDrawParams) OnGetDrawParams(this, AState, AColor, AFont);
}

void TcxCustomButton::SetDescription(const String& AValue) {
  if (FDescription == AValue) return;
  FDescription = AValue;
  Invalidate();
}

void TcxCustomButton::SetDropDownMenu(TComponent* AValue) {
  if (!cxIsPopupMenuComponent(AValue)) AValue = nullptr;
  if (FDropDownMenu == AValue) return;
  if (FDropDownMenu) FDropDownMenu->RemoveFreeNotification(this);
  FDropDownMenu = AValue;
  if (FDropDownMenu) FDropDownMenu->FreeNotification(this);
}

void TcxCustomButton::SetPopupMenuComponent(TComponent* AValue) {
  if (!cxIsPopupMenuComponent(AValue)) AValue = nullptr;
  if (FPopupMenu == AValue) return;
  if (FPopupMenu) FPopupMenu->RemoveFreeNotification(this);
  FPopupMenu = AValue;
  if (FPopupMenu) FPopupMenu->FreeNotification(this);
}

void TcxCustomButton::Notification(TComponent* AComponent, TOperation Operation) {
  TButton::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FDropDownMenu) FDropDownMenu = nullptr;
  if (AComponent == FPopupMenu) FPopupMenu = nullptr;
  if (FOptionsImage) FOptionsImage->ImagesFreed(AComponent);
  if (FGlyph) FGlyph->ImagesFreed(AComponent);
}

void TcxCustomButton::SetKind(TcxButtonKind AValue) {
  if (FKind == AValue) return;
  FKind = AValue;
  RecreateWnd();
  Invalidate();
}

void TcxCustomButton::SetPaintStyle(TcxButtonPaintStyle AValue) {
  if (FPaintStyle == AValue) return;
  FPaintStyle = AValue;
  Invalidate();
}

void TcxCustomButton::SetShowFocusRect(bool AValue) {
  if (FShowFocusRect == AValue) return;
  FShowFocusRect = AValue;
  Invalidate();
}

void TcxCustomButton::SetWordWrap(bool AValue) {
  if (FWordWrap == AValue) return;
  FWordWrap = AValue;
  Invalidate();
}

bool TcxCustomButton::CanFocus() {
  return TButton::CanFocus() && (CanBeFocused() || ComponentState().Contains(csDesigning));
}

bool TcxCustomButton::IsHotTrack() const {
  const bool painterHotTracks =
      GetButtonLookAndFeelPainter(FLookAndFeel.get())->IsButtonHotTrack() && !UsesSystemDrawing();
  return painterHotTracks || (FKind == cxbkCommandLink && const_cast<TcxCustomButton*>(this)->Enabled());
}

TcxButtonState TcxCustomButton::GetPaintState() const {
  auto* self = const_cast<TcxCustomButton*>(this);
  if (!self->Enabled()) return cxbsDisabled;
  if (FIsPaintPressed) return cxbsPressed;
  if (FInternalState.Contains(bisHot) && IsHotTrack()) return cxbsHot;
  return FIsPaintDefault ? cxbsDefault : cxbsNormal;
}

void TcxCustomButton::SetInternalState(TcxButtonInternalState AValue) {
  if (FInternalState == AValue) return;
  const TcxButtonState before = GetPaintState();
  FInternalState = AValue;
  if (FFadingHelper) FFadingHelper->CheckStartFading(before, GetPaintState());
  Invalidate();
}

// ---- fading

bool TcxButtonFadingHelper::IsFadingAllowed() { return FButton->IsFadingAvailable(); }

void TcxButtonFadingHelper::RepaintFadeFrame() {
  if (!FButton->IsDestroying()) FButton->Invalidate();
}

void TcxButtonFadingHelper::PrepareFadeImages(TBitmap*& AFadeOutImage, TBitmap*& AFadeInImage) {
  TcxBitmap32 *normal = nullptr, *hot = nullptr;
  FButton->GetFadingImages(normal, hot);
  AFadeOutImage = normal;
  AFadeInImage = hot;
}

bool TcxCustomButton::IsFadingAvailable() {
  const TcxLookAndFeelStyle style = FViewInfo->Painter()->LookAndFeelStyle();
  return (style == lfsNative || style == lfsSkin) && IsHotTrack() && !OnCustomDraw &&
         (FKind != cxbkCommandLink || dxOsVistaUp);
}

void TcxCustomButton::GetFadingImages(TcxBitmap32*& ANormal, TcxBitmap32*& AHot) {
  const TRect client = ClientRect();
  FViewInfo->Calculate(client);
  const auto render = [&](TcxButtonState AState) {
    auto image = std::make_unique<TcxBitmap32>(client.Width(), client.Height(), true);
    FViewInfo->DrawBackgroundInState(image->cxCanvas(), AState);
    return image;
  };
  std::unique_ptr<TcxBitmap32> normal = render(CanBeFocused() && Default() ? cxbsDefault : cxbsNormal);
  AHot = render(cxbsHot).release();
  ANormal = normal.release();
}

TRect TcxCustomButton::GetMenuButtonBounds() {
  const TRect client = ClientRect();
  switch (FKind) {
    case cxbkStandard: return TRect();
    case cxbkDropDownButton: {
      const int width = FViewInfo->Painter()->GetDropDownButtonSize();
      return TRect(client.Right - width, client.Top, client.Right, client.Bottom);
    }
    default: return client;
  }
}

void TcxCustomButton::GetOptimalSize(TSize& ASize) {
  TcxScreenCanvas canvas;
  canvas.SetFont(Font());
  String text = StripAccelMarks(Caption());
  if (text.empty()) text = L" ";
  ASize.cx = canvas.TextWidth(text) + 3 * canvas.TextWidth(L"R");
  ASize.cy = MulDiv(canvas.TextHeight(L"Wg"), 14, 8);
  canvas.Dormant();
}

void TcxCustomButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  if (FAutoSize) {
    TSize size;
    GetOptimalSize(size);
    AWidth = size.cx;
    AHeight = size.cy;
  }
  TButton::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TcxCustomButton::CheckAutoSize() {
  if (FAutoSize) SetBounds(Left(), Top(), Width(), Height());
}

void TcxCustomButton::CreateParams(TCreateParams& Params) {
  TButton::CreateParams(Params);
  Params.Style &= ~(BS_COMMANDLINK | BS_DEFCOMMANDLINK | BS_SPLITBUTTON | BS_DEFSPLITBUTTON);
  if (!UsesSystemDrawing()) Params.Style |= BS_OWNERDRAW;
}

void TcxCustomButton::SetButtonStyle(bool ADefault) {
  if (FIsFocused == ADefault) return;
  FIsFocused = ADefault;
  Invalidate();
}

// ---- mouse

void TcxCustomButton::PressAt(const TPoint& P) {
  if (FKind != cxbkStandard && FKind != cxbkCommandLink && GetMenuButtonBounds().Contains(P)) {
    Include(bisMenuButtonPressed);
    if (FKind == cxbkDropDownButton && !FInternalState.Contains(bisMenuVisible) && !FIsDropDownMenuClosing)
      PostDropDownMenu();
  } else {
    Include(bisPressed);
  }
}

void TcxCustomButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (!CanBeFocused()) SetMouseCapture(true);
  TButton::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  if (Shift.Contains(ssDouble)) {
    // A double click counts as a new press where the cursor now is.
    if (GroupIndex() != 0 && OnDblClick) OnDblClick(this);
    POINT cursor;
    GetCursorPos(&cursor);
    PressAt(ScreenToClient(TPoint(cursor.x, cursor.y)));
  } else {
    PressAt(TPoint(X, Y));
  }
  Invalidate();
}

void TcxCustomButton::MouseMove(TShiftState Shift, int X, int Y) {
  TButton::MouseMove(Shift, X, Y);
  if (ClientRect().Contains(TPoint(X, Y))) MouseEnterHandling();
  else if (FInternalState.Contains(bisHot)) MouseLeave();
}

void TcxCustomButton::MouseEnterHandling() {
  if (FInternalState.Contains(bisHot)) return;
  cxBeginMouseTracking(this, ClientRect(), this);
  Include(bisHot);
}

void TcxCustomButton::MouseLeave() {
  cxEndMouseTracking(this);
  Exclude(bisHot);
}

void TcxCustomButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const bool clickRule =
      !CanBeFocused() && Button == mbLeft && FInternalState.Contains(bisHot) &&
      (FInternalState.Contains(bisPressed) ||
       (FInternalState.Contains(bisMenuButtonPressed) && (FKind == cxbkDropDown || FKind == cxbkOfficeDropDown)));
  if (clickRule && !Action()) SetDown(!Down());
  TButton::MouseUp(Button, Shift, X, Y);
  SetInternalState(FInternalState - TcxButtonInternalState{bisPressed, bisMenuButtonPressed});
  if (!CanBeFocused() && MouseCapture()) SetMouseCapture(false);
  if (clickRule) Click();
  Invalidate();
  if (!FInternalState.Contains(bisMenuVisible)) FIsDropDownMenuClosing = false;
}

void TcxCustomButton::Click() {
  const bool fromMenuPartOnly =
      !FInternalState.Contains(bisPressed) && FInternalState.Contains(bisMenuButtonPressed);
  if (IsSpeedButton() && !Action() && CanBeFocused() && !fromMenuPartOnly &&
      !FInternalState.Contains(bisAccelExecute))
    SetDown(!Down());
  if (FKind == cxbkDropDown || FKind == cxbkOfficeDropDown) return PostDropDownMenu();
  TButton::Click();
}

// ---- drop-down menu

void TcxCustomButton::PostDropDownMenu() {
  if (FInternalState.Contains(bisMenuVisible) || FIsDropDownMenuClosing) return;
  PostMessageW(Handle(), CM_DROPDOWNPOPUPMENU, 0, 0);
}

bool TcxCustomButton::FireDropDownMenuPopup(TComponent*& AMenu) {
  bool handled = false;
  if (!OnDropDownMenuPopup) return handled;
  auto* menu = dynamic_cast<TPopupMenu*>(AMenu);
  OnDropDownMenuPopup(this, menu, handled);
  AMenu = menu;
  return handled;
}

bool TcxCustomButton::FireDropDownMenuPopupEx(TComponent*& AMenu) {
  bool handled = false;
  if (OnDropDownMenuPopupEx) OnDropDownMenuPopupEx(this, AMenu, handled);
  return handled;
}

bool TcxCustomButton::RunDropDownMenuPopup(TComponent*& AMenu) {
  bool handled = FireDropDownMenuPopupEx(AMenu);
  if (!handled && (!AMenu || dynamic_cast<TPopupMenu*>(AMenu))) handled = FireDropDownMenuPopup(AMenu);
  return handled;
}

void TcxCustomButton::HandleDropDownMenuMessage() {
  if (FKind == cxbkStandard) return;
  TComponent* menu = FDropDownMenu;
  if (RunDropDownMenuPopup(menu) || !menu) return;
  SetInternalState(FInternalState + TcxButtonInternalState{bisMenuVisible} - TcxButtonInternalState{bisMenuButtonPressed});
  FIsDropDownMenuClosing = false;
  Repaint();
  const TRect client = ClientRect();
  const TPoint topLeft = ClientToScreen(TPoint(client.Left, client.Top));
  const TPoint bottomRight = ClientToScreen(TPoint(client.Right, client.Bottom));
  cxShowButtonDropDownMenu(this, menu, TRect(topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y), FPopupAlignment);
  if (HandleAllocated()) PostMessageW(Handle(), CM_CLOSEUPPOPUPMENU, 0, 0);
}

// Whether the click that closed the menu is waiting, on the menu part.
bool TcxCustomButton::IsMenuPartClickWaiting() {
  MSG message;
  if (!PeekMessageW(&message, Handle(), WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_NOREMOVE) &&
      !PeekMessageW(&message, Handle(), WM_LBUTTONDBLCLK, WM_LBUTTONDBLCLK, PM_NOREMOVE))
    return false;
  return GetMenuButtonBounds().Contains(TPoint(GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)));
}

void TcxCustomButton::HandleCloseUpMenuMessage() {
  FIsDropDownMenuClosing = FInternalState.Contains(bisMenuButtonPressed) || IsMenuPartClickWaiting();
  Exclude(bisMenuVisible);
}

bool TcxCustomButton::PopupMenuAt(TComponent* AMenu, int X, int Y) { return cxShowPopupMenuAt(this, AMenu, X, Y); }

void TcxCustomButton::DoContextPopup(const TPoint& MousePos, bool& Handled) {
  TButton::DoContextPopup(MousePos, Handled);
  if (Handled || !FPopupMenu) return;
  const TPoint at = MousePos.X == -1 && MousePos.Y == -1 ? TPoint(0, 0) : MousePos;
  const TPoint screen = ClientToScreen(at);
  Handled = PopupMenuAt(FPopupMenu, screen.X, screen.Y);
}

void TcxCustomButton::HandleContextMenu(TMessage& Message) {
  if (Message.Result != 0) return;
  TPoint pos(GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam));
  const bool byKeyboard = pos.X == -1 && pos.Y == -1;
  if (!byKeyboard) pos = ScreenToClient(pos);
  bool handled = false;
  DoContextPopup(pos, handled);
  Message.Result = handled ? 1 : 0;
  if (!handled) DefaultHandler(Message);
}

// ---- keyboard

void TcxCustomButton::KeyDown(uint16_t& Key, TShiftState Shift) {
  if (FKind == cxbkDropDownButton && (Key == VK_UP || Key == VK_DOWN) &&
      (Shift.Contains(ssShift) || Shift.Contains(ssAlt))) {
    if (!FInternalState.Contains(bisMenuVisible)) PostDropDownMenu();
    Key = 0;
    return;
  }
  TButton::KeyDown(Key, Shift);
}

// ---- painting

void TcxCustomButton::HandleDrawItem(const DRAWITEMSTRUCT& AItem) {
  const TcxButtonState before = GetPaintState();
  FIsPaintPressed = ((AItem.itemState & ODS_SELECTED) && !FInternalState.Contains(bisMenuButtonPressed)) ||
                    (FInternalState.Contains(bisMenuVisible) && (FKind == cxbkDropDown || FKind == cxbkOfficeDropDown)) ||
                    Down() || (FInternalState.Contains(bisHot) && FInternalState.Contains(bisPressed));
  FIsPaintDefault =
      ((AItem.itemState & ODS_FOCUS) || (Default() && ComponentState().Contains(csDesigning)) || FIsFocused) &&
      CanBeFocused();
  // The platform reports a press only here: it stops a fade.
  FFadingHelper->CheckStartFading(before, GetPaintState());
  FViewInfo->Calculate(ClientRect());
  DrawInto(AItem.hDC);
}

void TcxCustomButton::DrawInto(HDC ADC) {
  const TRect client = ClientRect();
  TcxBitmap buffer(client.Width(), client.Height(), pf32bit);
  TcxCanvas* canvas = buffer.cxCanvas();
  bool handled = false;
  if (OnCustomDraw) OnCustomDraw(this, canvas, FViewInfo.get(), handled);
  if (!handled) FViewInfo->Draw(canvas);
  BitBlt(ADC, 0, 0, client.Width(), client.Height(), canvas->Handle(), 0, 0, SRCCOPY);
}

void TcxCustomButton::DestroyWnd() {
  if (FInternalState.Contains(bisMenuVisible)) Perform(CM_CLOSEUPPOPUPMENU);
  TButton::DestroyWnd();
}

void TcxCustomButton::WndProc(TMessage& Message) {
  const bool designing = ComponentState().Contains(csDesigning);
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      // A button that cannot take the focus keeps the platform's button
      // (which would focus it) out of the press.
      if (!CanBeFocused() && !designing) {
        TShiftState shift = KeysToShiftState(Message.WParam);
        if (Message.Msg == WM_LBUTTONDBLCLK) shift.Include(ssDouble);
        MouseDown(mbLeft, shift, GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam));
        return;
      }
      // A double click presses the button again, as a second press would.
      Message.Msg = WM_LBUTTONDOWN;
      break;
    case BCM_SETNOTE: Invalidate(); break;
    case CM_BUTTONPRESSED: {
      auto* sender = reinterpret_cast<TObject*>(Message.LParam);
      auto* senderButton = dynamic_cast<TcxCustomButton*>(sender);
      if (IsSpeedButton() && GroupIndex() != 0 && static_cast<int>(Message.WParam) == GroupIndex() && senderButton &&
          senderButton != this) {
        FSpeedButtonOptions->SynchronizeWith(senderButton->SpeedButtonOptions());
        Invalidate();
      }
      return;
    }
    case CM_DROPDOWNPOPUPMENU: return HandleDropDownMenuMessage();
    case CM_CLOSEUPPOPUPMENU: return HandleCloseUpMenuMessage();
    case CM_DIALOGCHAR:
      if (IsAccel(static_cast<wchar_t>(Message.WParam), Caption()) && TButton::CanFocus()) {
        Include(bisAccelExecute);
        Click();
        Exclude(bisAccelExecute);
        Message.Result = 1;
      }
      return;
    case CM_ENABLEDCHANGED:
      TButton::WndProc(Message);
      if (!Enabled()) Exclude(bisHot);
      return Invalidate();
    case CM_FONTCHANGED:
      TButton::WndProc(Message);
      CheckAutoSize();
      return Invalidate();
    case CM_TEXTCHANGED:
      TButton::WndProc(Message);
      return CheckAutoSize();
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      TButton::WndProc(Message);
      if (designing || Message.LParam != 0) return;
      if (Message.Msg == CM_MOUSEENTER) MouseEnterHandling();
      else MouseLeave();
      return;
    case WM_LBUTTONUP: {
      // The platform's button reports its click after the mouse-up
      // handling has cleared the press: the press is read from before.
      const bool saved = FReleasingMenuPartOnly;
      FReleasingMenuPartOnly =
          FInternalState.Contains(bisMenuButtonPressed) && !FInternalState.Contains(bisPressed);
      TButton::WndProc(Message);
      FReleasingMenuPartOnly = saved;
      return;
    }
    case CN_COMMAND:
      if (FKind == cxbkDropDownButton && HIWORD(Message.WParam) == BN_CLICKED &&
          ((FInternalState.Contains(bisMenuButtonPressed) && !FInternalState.Contains(bisPressed)) ||
           FReleasingMenuPartOnly))
        return;
      break;
    case CN_CTLCOLORBTN: return;
    case CN_DRAWITEM:
      if (!IsDestroying()) HandleDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam));
      Message.Result = 1;
      return;
    case CN_MEASUREITEM: {
      auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam);
      item->itemWidth = Width();
      item->itemHeight = Height();
      return;
    }
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN:
      if (FPopupMenu && cxPopupMenuIsShortCut(FPopupMenu, Message)) {
        Message.Result = 1;
        return;
      }
      break;
    case WM_CAPTURECHANGED:
      DefaultHandler(Message);
      if (!designing) {
        POINT cursor;
        GetCursorPos(&cursor);
        if (WindowFromPoint(cursor) != Handle())
          SetInternalState(FInternalState - TcxButtonInternalState{bisHot, bisPressed, bisMenuButtonPressed});
      }
      return;
    case WM_CONTEXTMENU: return HandleContextMenu(Message);
    case WM_ERASEBKGND: Message.Result = 1; return;
    case WM_WINDOWPOSCHANGED:
      TButton::WndProc(Message);
      if (HandleAllocated() && !IsDestroying() && FSpeedButtonOptions->Transparent() && !CanBeFocused()) Invalidate();
      return;
  }
  TButton::WndProc(Message);
}
