#pragma once
// The library's push button: the platform's button window, owner-drawn
// through the look-and-feel painters. Plain, drop-down, split and
// office-style drop-down buttons and command links; state colours; a glyph
// from a bitmap strip or an image list; speed-button groups; drop-down
// menus shown beside the button. The view info lays out glyph, caption,
// description and drop-down part, and the painter draws them.
#include <memory>

#include "components/controls/cxControls.h"
#include "components/core/cxGraphics.h"
#include "components/lookandfeel/cxLookAndFeelPainters.h"
#include "components/lookandfeel/cxLookAndFeels.h"
#include "components/lookandfeel/dxFading.h"
#include "vcl/controls/StdCtrls.h"

class TcxCustomButton;
class TCustomImageList;

enum class TcxButtonKind { cxbkStandard, cxbkDropDown, cxbkDropDownButton, cxbkCommandLink, cxbkOfficeDropDown };
using enum TcxButtonKind;
enum class TcxButtonPaintStyle { bpsDefault, bpsCaption, bpsGlyph };
using enum TcxButtonPaintStyle;
enum class TcxButtonAssignedColor {
  cxbcDefault, cxbcDefaultText, cxbcDisabled, cxbcDisabledText, cxbcHot, cxbcHotText, cxbcNormal, cxbcNormalText,
  cxbcPressed, cxbcPressedText
};
using enum TcxButtonAssignedColor;
using TcxButtonAssignedColors = TSet<TcxButtonAssignedColor>;
enum class TcxButtonInternalStates {
  bisDown, bisHot, bisPressed, bisMenuButtonPressed, bisMenuVisible, bisAccelExecute
};
using enum TcxButtonInternalStates;
using TcxButtonInternalState = TSet<TcxButtonInternalStates>;
enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
using enum TButtonLayout;

// Every option, view-info, calculator and painter object of a button.
class TcxButtonCustomPersistent : public TPersistent {
  VCL_CLASS(TcxButtonCustomPersistent, TPersistent)
public:
  explicit TcxButtonCustomPersistent(TcxCustomButton* AOwner) : FButton(AOwner) {}
  TcxCustomButton* Button() const { return FButton; }

protected:
  TPersistent* GetOwner() const override;

private:
  TcxCustomButton* FButton;
};

// Ten colours, each counting only while assigned.
class TcxButtonColors : public TcxButtonCustomPersistent {
  VCL_CLASS(TcxButtonColors, TcxButtonCustomPersistent)
public:
  using TcxButtonCustomPersistent::TcxButtonCustomPersistent;
  void Assign(TPersistent* Source) override;

  TColor Color(TcxButtonAssignedColor AIndex) const { return FColors[static_cast<int>(AIndex)]; }
  // clDefault or clNone unassigns.
  void SetColor(TcxButtonAssignedColor AIndex, TColor AValue);
  TcxButtonAssignedColors AssignedColors() const { return FAssignedColors; }
  // Takes effect only while the button is designed.
  void SetAssignedColors(TcxButtonAssignedColors AValue);

  // The state's colour, else Normal's (Default's for the normal state).
  TColor GetColorByState(TcxButtonState AState) const;
  TColor GetTextColorByState(TcxButtonState AState) const;

private:
  TColor ByState(TcxButtonState AState, TcxButtonAssignedColor ADefault, TcxButtonAssignedColor ANormal,
                 const TcxButtonAssignedColor (&AByState)[5]) const;
  TcxButtonAssignedColors FAssignedColors;
  TColor FColors[10] = {clDefault, clDefault, clDefault, clDefault, clDefault,
                        clDefault, clDefault, clDefault, clDefault, clDefault};
};

// The button's image: a strip of up to four sections (up, disabled, down,
// exclusive) or an image of a list.
class TcxButtonGlyph : public TcxButtonCustomPersistent {
  VCL_CLASS(TcxButtonGlyph, TcxButtonCustomPersistent)
public:
  explicit TcxButtonGlyph(TcxCustomButton* AOwner);
  ~TcxButtonGlyph() override;

  TBitmap* Glyph() const { return FGlyph.get(); }
  // NumGlyphs follows the strip: width over height when that is 1..4.
  void SetGlyph(TBitmap* AValue);
  int NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int AValue);  // forced into 1..4
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* AValue);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int AValue);
  bool IsImageAssigned() const;
  TSize ImageSize() const;
  virtual void ImagesFreed(TComponent* AList);
  virtual void DrawButtonGlyph(TcxCanvas* ACanvas, const TPoint& AGlyphPos, TcxButtonState AState);

  TNotifyEvent OnChange;

private:
  void Changed();
  TcxCustomLookAndFeelPainter* Painter() const;
  std::unique_ptr<TBitmap> FGlyph;
  TCustomImageList* FImages = nullptr;
  int FImageIndex = -1;
  int FNumGlyphs = 1;
};

class TcxButtonImageOptions : public TcxButtonCustomPersistent {
  VCL_CLASS(TcxButtonImageOptions, TcxButtonCustomPersistent)
public:
  using TcxButtonCustomPersistent::TcxButtonCustomPersistent;
  void Assign(TPersistent* Source) override;

  TBitmap* Glyph() const;
  void SetGlyph(TBitmap* AValue);
  int NumGlyphs() const;
  void SetNumGlyphs(int AValue);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int AValue);
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* AValue);
  TButtonLayout Layout() const { return FLayout; }
  void SetLayout(TButtonLayout AValue);
  // -1 places the glyph automatically; values below -1 are ignored.
  int Margin() const { return FMargin; }
  void SetMargin(int AValue);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int AValue);

  virtual void Changed();
  virtual void ImagesFreed(TComponent* AComponent);

private:
  int FImageIndex = -1;
  TCustomImageList* FImages = nullptr;
  TButtonLayout FLayout = blGlyphLeft;
  int FMargin = -1;
  int FSpacing = 4;
};

class TcxSpeedButtonOptions : public TcxButtonCustomPersistent {
  VCL_CLASS(TcxSpeedButtonOptions, TcxButtonCustomPersistent)
public:
  using TcxButtonCustomPersistent::TcxButtonCustomPersistent;
  void Assign(TPersistent* Source) override;

  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool AValue);
  bool CanBeFocused() const { return FCanBeFocused; }
  void SetCanBeFocused(bool AValue);
  bool Down() const;
  void SetDown(bool AValue) { SetDownState(AValue); }
  bool Flat() const { return FFlat; }
  void SetFlat(bool AValue);
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int AValue);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool AValue);
  // A group member or a button that cannot take the focus.
  bool Active() const;
  bool UsesSpeedButtonLook() const { return !FCanBeFocused && (FFlat || FTransparent); }

  void BeginUpdate() { ++FLockCount; }
  void CancelUpdate() { --FLockCount; }
  void EndUpdate();
  // Down, with the group's rules: outside a group a button never stays
  // down, and the down member of a group that allows no all-up stays down.
  void SetDownState(bool AValue);
  // Broadcasts CM_BUTTONPRESSED to the parent's controls.
  void NotifyGroup();
  // A member of the sender's group: its look follows the sender, and it
  // goes up when both are down.
  void SynchronizeWith(TcxSpeedButtonOptions* ASender);

private:
  void Invalidate();
  bool FAllowAllUp = false;
  bool FCanBeFocused = true;
  int FGroupIndex = 0;
  bool FFlat = false;
  int FLockCount = 0;
  bool FTransparent = false;
};

// The message a speed button broadcasts when it goes down (WParam the
// group, LParam the button).
constexpr UINT CM_BUTTONPRESSED = CM_BASE + 24;

class TcxButtonViewInfo;

// Turns each part of the button into calls of the look-and-feel painter.
class TcxButtonPainter : public TcxButtonCustomPersistent {
  VCL_CLASS(TcxButtonPainter, TcxButtonCustomPersistent)
public:
  using TcxButtonCustomPersistent::TcxButtonCustomPersistent;

  TcxCustomLookAndFeelPainter* LookAndFeelPainter() const;
  TcxLookAndFeelStyle LookAndFeelStyle() const;
  TcxButtonViewInfo* ViewInfo() const;

  virtual void DrawButton(TcxCanvas* ACanvas, TRect R, TcxButtonState AState, TColor AColor, TcxButtonPart APart);
  virtual void DrawDropDownArrow(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState);
  virtual void DrawFocusRect(TcxCanvas* ACanvas, const TRect& R);
  virtual void DrawParentBackground(TcxCanvas* ACanvas, const TRect& R);
  virtual int GetDropDownArrowSize();
  virtual int GetDropDownButtonSize();
  virtual void DrawText(TcxCanvas* ACanvas, const String& AText, uint32_t AFlags, TRect R);
  virtual void DrawText(TcxCanvas* ACanvas, const String& AText, uint32_t AFlags, TcxButtonState AState,
                        const TRect& R);
  virtual TColor GetDescriptionTextColor(TcxButtonState AState, TColor ADefaultColor);
  virtual TPoint GetPressedTextShift();
  virtual TColor GetTextColor(TcxButtonState AState, TColor ADefaultColor);
  virtual void DrawCommandLinkButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState, TColor AColor);
  virtual TSize GetCommandLinkGlyphSize();
  virtual TRect GetCommandLinkMargins();
  virtual void DrawSpeedButton(TcxCanvas* ACanvas, TRect R, TcxButtonState AState, TColor AColor,
                               TcxButtonPart APart);
  uint32_t GetBiDiFlags() const;
};

// Works out, for given bounds, the state, fonts, colours and rectangles of
// the button, and draws them through its painter.
class TcxButtonViewInfo : public TcxButtonCustomPersistent {
  VCL_CLASS(TcxButtonViewInfo, TcxButtonCustomPersistent)
public:
  explicit TcxButtonViewInfo(TcxCustomButton* AOwner);
  ~TcxButtonViewInfo() override;

  void Calculate(const TRect& ABounds);
  void Draw(TcxCanvas* ACanvas);
  void DrawBackground(TcxCanvas* ACanvas);
  // The parent's image and the button's background as in that state.
  void DrawBackgroundInState(TcxCanvas* ACanvas, TcxButtonState AState);
  // The button part inside the painter's border (a command link has none).
  TRect GetContentRect(TcxButtonState AState) const;
  uint32_t GetCaptionDrawTextFlags() const;
  uint32_t GetDescriptionDrawTextFlags() const;

  const TRect& Bounds() const { return FBounds; }
  TcxButtonGlyph* ButtonGlyph() const;
  const TRect& ButtonRect() const { return FButtonRect; }
  String Caption() const;
  const TRect& CaptionRect() const { return FCaptionRect; }
  TColor Color() const { return FColor; }
  String Description() const;
  TFont* DescriptionFont() const { return FDescriptionFont.get(); }
  const TRect& DescriptionRect() const { return FDescriptionRect; }
  const TRect& DropDownArrowRect() const { return FDropDownArrowRect; }
  const TRect& DropDownButtonRect() const { return FDropDownButtonRect; }
  TcxButtonState DropDownButtonState() const;
  TFont* Font() const { return FFont.get(); }
  const TPoint& GlyphPos() const { return FGlyphPos; }
  bool HasDropDownButton() const;
  bool IsDrawOnGlass() const;
  TcxButtonKind Kind() const;
  TButtonLayout Layout() const { return FLayout; }
  TcxButtonPainter* Painter() const { return FPainter.get(); }
  TcxButtonState State() const { return FState; }

  virtual bool IsCaptionVisible() const;
  virtual bool IsGlyphVisible() const;

protected:
  virtual void CalculateButtonRects();
  virtual void CalculateContentLayout();
  virtual class TcxButtonCustomLayoutCalculator* MakeLayoutCalculator(TcxButtonKind AKind);
  virtual TcxButtonPainter* MakeButtonPainter();
  virtual void EnsureLayout(TButtonLayout& ALayout);
  virtual void DrawContent(TcxCanvas* ACanvas);
  virtual void CalculateDrawParams();

private:
  friend class TcxButtonStandardLayoutCalculator;
  friend class TcxButtonOfficeDropDownLayoutCalculator;
  friend class TcxButtonCommandLinkLayoutCalculator;
  bool NeedDrawDropDownArrow() const;
  bool NeedDrawFocusRect() const;

  TColor FColor = clDefault;
  std::unique_ptr<TFont> FDescriptionFont;
  std::unique_ptr<TFont> FFont;
  TButtonLayout FLayout = blGlyphLeft;
  std::unique_ptr<TcxButtonPainter> FPainter;
  TRect FBounds, FButtonRect, FCaptionRect, FDescriptionRect, FDropDownArrowRect, FDropDownButtonRect;
  TPoint FGlyphPos;
  TcxButtonState FState = cxbsNormal;
};

// Places glyph and text for one layout run.
class TcxButtonCustomLayoutCalculator : public TcxButtonCustomPersistent {
  VCL_CLASS(TcxButtonCustomLayoutCalculator, TcxButtonCustomPersistent)
public:
  using TcxButtonCustomPersistent::TcxButtonCustomPersistent;
  virtual void Calculate() = 0;

protected:
  TcxButtonImageOptions* OptionsImage() const;
  TcxButtonPainter* Painter() const { return ViewInfo()->Painter(); }
  TcxButtonViewInfo* ViewInfo() const;
};

// Glyph beside, above or below the caption, with automatic margin and
// spacing.
class TcxButtonStandardLayoutCalculator : public TcxButtonCustomLayoutCalculator {
  VCL_CLASS(TcxButtonStandardLayoutCalculator, TcxButtonCustomLayoutCalculator)
public:
  using TcxButtonCustomLayoutCalculator::TcxButtonCustomLayoutCalculator;
  void Calculate() override;

protected:
  virtual void CalculateDropDownArrowRect();
  virtual void CalculateGlyphPos(const TRect& R);
  virtual void DoCalculate(TRect R);
  virtual void CalculateMarginAndSpacing(const TRect& R, int& AMargin, int& ASpacing);
  virtual void CalculateTextBounds(const TRect& R, TRect& ATextRect);
  virtual void SetCaptionRect(const TRect& ATextRect);
  virtual void CalculateTextAreaSize(const TRect& R);
  virtual TRect GetTextOffsets();

  // The rectangle the text may take before measuring, from the offsets.
  TRect AvailableTextRect(const TRect& R);
  TSize GlyphSize() const;
  TButtonLayout Layout() const { return ViewInfo()->Layout(); }
  bool IsHorizontalLayout() const { return Layout() == blGlyphLeft || Layout() == blGlyphRight; }

  int FMargin = 0;
  int FSpacing = 0;
  TSize FTextAreaSize;
};

// Caption and description stacked, an arrow beside them.
class TcxButtonOfficeDropDownLayoutCalculator : public TcxButtonStandardLayoutCalculator {
  VCL_CLASS(TcxButtonOfficeDropDownLayoutCalculator, TcxButtonStandardLayoutCalculator)
public:
  using TcxButtonStandardLayoutCalculator::TcxButtonStandardLayoutCalculator;

protected:
  void CalculateDropDownArrowRect() override;
  void DoCalculate(TRect R) override;
  void SetCaptionRect(const TRect& ATextRect) override;
  void CalculateTextAreaSize(const TRect& R) override;
  TRect GetTextOffsets() override;

private:
  TSize FCaptionSize;
  TSize FDescriptionSize;
};

// Glyph at the top left, the caption beside it, the description below.
class TcxButtonCommandLinkLayoutCalculator : public TcxButtonCustomLayoutCalculator {
  VCL_CLASS(TcxButtonCommandLinkLayoutCalculator, TcxButtonCustomLayoutCalculator)
public:
  using TcxButtonCustomLayoutCalculator::TcxButtonCustomLayoutCalculator;
  void Calculate() override;

protected:
  virtual void DoCalculate(const TRect& R, int AMargin, int ASpacing);
};

using TcxButtonCustomDrawEvent =
    std::function<void(TObject* Sender, TcxCanvas* ACanvas, TcxButtonViewInfo* AViewInfo, bool& AHandled)>;
using TcxButtonDropDownMenuPopupEvent =
    std::function<void(TObject* Sender, TPopupMenu*& APopupMenu, bool& AHandled)>;
using TcxButtonDropDownMenuPopupExEvent =
    std::function<void(TObject* Sender, TComponent*& APopupMenu, bool& AHandled)>;
using TcxButtonGetDrawParamsEvent =
    std::function<void(TcxCustomButton* Sender, TcxButtonState AState, TColor& AColor, TFont* AFont)>;

// The private messages that open the drop-down menu after the current
// message and tell that its loop has ended.
constexpr UINT CM_DROPDOWNPOPUPMENU = 0x8098;
constexpr UINT CM_CLOSEUPPOPUPMENU = 0x8099;

// Fades the button's background between its normal and its hot look.
class TcxButtonFadingHelper : public TdxFadingObjectHelper {
  VCL_CLASS(TcxButtonFadingHelper, TdxFadingObjectHelper)
public:
  explicit TcxButtonFadingHelper(TcxCustomButton* AButton) : FButton(AButton) {}
  bool IsFadingAllowed() override;
  void RepaintFadeFrame() override;
  void PrepareFadeImages(TBitmap*& AFadeOutImage, TBitmap*& AFadeInImage) override;

private:
  TcxCustomButton* FButton;
};

class TcxCustomButton : public TButton, public IcxLookAndFeelContainer, public IcxMouseTrackingCaller {
  VCL_COMPONENT_CLASS(TcxCustomButton, TButton)
public:
  explicit TcxCustomButton(TComponent* AOwner);
  ~TcxCustomButton() override;

  TcxButtonColors* Colors() const { return FColors.get(); }
  const String& Description() const { return FDescription; }
  void SetDescription(const String& AValue);
  TComponent* DropDownMenu() const { return FDropDownMenu; }
  // Only popup menus are taken; anything else is stored as nil.
  void SetDropDownMenu(TComponent* AValue);
  TComponent* PopupMenuComponent() const { return FPopupMenu; }
  void SetPopupMenuComponent(TComponent* AValue);
  TcxButtonKind Kind() const { return FKind; }
  void SetKind(TcxButtonKind AValue);
  TcxLookAndFeel* LookAndFeel() const { return FLookAndFeel.get(); }
  TcxButtonImageOptions* OptionsImage() const { return FOptionsImage.get(); }
  TcxButtonPaintStyle PaintStyle() const { return FPaintStyle; }
  void SetPaintStyle(TcxButtonPaintStyle AValue);
  TPopupAlignment PopupAlignment() const { return FPopupAlignment; }
  void SetPopupAlignment(TPopupAlignment AValue) { FPopupAlignment = AValue; }
  TcxSpeedButtonOptions* SpeedButtonOptions() const { return FSpeedButtonOptions.get(); }
  bool ShowFocusRect() const { return FShowFocusRect; }
  void SetShowFocusRect(bool AValue);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool AValue);
  TcxButtonGlyph* ButtonGlyph() const { return FGlyph.get(); }
  TcxButtonViewInfo* ViewInfo() const { return FViewInfo.get(); }
  TcxButtonInternalState InternalState() const { return FInternalState; }

  // A command link never joins a group and is always focusable.
  int GroupIndex() const { return SupportsSpeedButtonMode() ? FSpeedButtonOptions->GroupIndex() : 0; }
  void SetGroupIndex(int AValue) { FSpeedButtonOptions->SetGroupIndex(AValue); }
  bool CanBeFocused() const { return !SupportsSpeedButtonMode() || FSpeedButtonOptions->CanBeFocused(); }
  void SetCanBeFocused(bool AValue) { FSpeedButtonOptions->SetCanBeFocused(AValue); }
  bool Down() const { return FSpeedButtonOptions->Down(); }
  void SetDown(bool AValue) { FSpeedButtonOptions->SetDown(AValue); }
  bool AllowAllUp() const { return FSpeedButtonOptions->AllowAllUp(); }
  void SetAllowAllUp(bool AValue) { FSpeedButtonOptions->SetAllowAllUp(AValue); }
  bool IsSpeedButton() const { return !CanBeFocused() || GroupIndex() != 0; }

  TcxButtonState GetPaintState() const;
  virtual void FireGetDrawParams(TcxButtonState AState, TColor& AColor, TFont* AFont);
  // The part that opens the menu: none, the right edge of a split button,
  // or all of a drop-down button.
  TRect GetMenuButtonBounds();
  virtual void GetOptimalSize(TSize& ASize);
  // With FAutoSize the button keeps its optimal size whatever bounds it is given.
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  // Only the native and skinned looks fade, where hot tracking applies and
  // no custom drawing is set (a command link from Vista on).
  virtual bool IsFadingAvailable();
  // The background in the normal (or default) and the hot state, each as
  // large as the button; the caller owns them.
  virtual void GetFadingImages(TcxBitmap32*& ANormal, TcxBitmap32*& AHot);
  TcxButtonFadingHelper* FadingHelper() const { return FFadingHelper.get(); }
  bool CanFocus() override;
  void Click() override;
  // The platform's default-button look asked for.
  bool IsDefaultLook() const { return FIsFocused; }

  virtual bool SupportsSpeedButtonMode() const { return FKind != cxbkCommandLink; }
  virtual bool UsesSystemDrawing() const { return false; }

  TcxButtonCustomDrawEvent OnCustomDraw;
  TcxButtonDropDownMenuPopupEvent OnDropDownMenuPopup;
  TcxButtonDropDownMenuPopupExEvent OnDropDownMenuPopupEx;
  TcxButtonGetDrawParamsEvent OnGetDrawParams;

  // IcxLookAndFeelContainer
  TcxLookAndFeel* GetLookAndFeel() override { return FLookAndFeel.get(); }

protected:
  virtual TcxButtonImageOptions* CreateImageOptions();
  virtual TcxButtonViewInfo* CreateViewInfo();
  virtual bool RunDropDownMenuPopup(TComponent*& AMenu);
  virtual bool FireDropDownMenuPopup(TComponent*& AMenu);
  virtual bool FireDropDownMenuPopupEx(TComponent*& AMenu);
  virtual bool PopupMenuAt(TComponent* AMenu, int X, int Y);

  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;
  void SetButtonStyle(bool ADefault) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void DoContextPopup(const TPoint& MousePos, bool& Handled) override;
  void DestroyWnd() override;
  // After a font or caption change: the optimal size again, with FAutoSize.
  void CheckAutoSize();

  // Off; no property sets it.
  bool FAutoSize = false;

private:
  friend class TcxSpeedButtonOptions;
  void SetInternalState(TcxButtonInternalState AValue);
  void Include(TcxButtonInternalStates AState) { SetInternalState(FInternalState + TcxButtonInternalState{AState}); }
  void Exclude(TcxButtonInternalStates AState) { SetInternalState(FInternalState - TcxButtonInternalState{AState}); }
  bool IsHotTrack() const;
  void MouseEnterHandling();
  void MouseLeave() override;  // IcxMouseTrackingCaller
  void PressAt(const TPoint& P);
  void PostDropDownMenu();
  void HandleDropDownMenuMessage();
  void HandleCloseUpMenuMessage();
  bool IsMenuPartClickWaiting();
  void HandleDrawItem(const DRAWITEMSTRUCT& AItem);
  void DrawInto(HDC ADC);
  void HandleContextMenu(TMessage& Message);
  void LookAndFeelChanged(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues);

  std::unique_ptr<TcxButtonViewInfo> FViewInfo;
  std::unique_ptr<TcxButtonFadingHelper> FFadingHelper;
  std::unique_ptr<TcxButtonGlyph> FGlyph;
  std::unique_ptr<TcxButtonColors> FColors;
  std::unique_ptr<TcxLookAndFeel> FLookAndFeel;
  std::unique_ptr<TcxSpeedButtonOptions> FSpeedButtonOptions;
  std::unique_ptr<TcxButtonImageOptions> FOptionsImage;
  String FDescription;
  TComponent* FDropDownMenu = nullptr;
  TComponent* FPopupMenu = nullptr;
  TcxButtonInternalState FInternalState;
  bool FIsDropDownMenuClosing = false;
  bool FReleasingMenuPartOnly = false;
  bool FIsFocused = false;
  bool FIsPaintDefault = false;
  bool FIsPaintPressed = false;
  TcxButtonKind FKind = cxbkStandard;
  TcxButtonPaintStyle FPaintStyle = bpsDefault;
  TPopupAlignment FPopupAlignment = paLeft;
  bool FShowFocusRect = true;
  bool FWordWrap = false;
};

class TcxButton : public TcxCustomButton {
  VCL_COMPONENT_CLASS(TcxButton, TcxCustomButton)
public:
  using TcxCustomButton::TcxCustomButton;
};

// The painter for every button part: Office11 without a skin paints as
// native where button themes exist, else as standard.
TcxCustomLookAndFeelPainter* GetButtonLookAndFeelPainter(TcxLookAndFeel* ALookAndFeel);

