#pragma once
// The hyperlink edit: a text editor whose text is a link, drawn underlined
// in the link colour, prefixed as the person types it, and opened through
// the shell (or handed to an event) by a double click, a single click or a
// key. Only a link is ever given to the shell: a typed path or program is
// refused with a message.
#include <functional>

#include "components/editors/cxFilterControlUtils.h"
#include "components/editors/cxTextEdit.h"
#include "vcl/controls/Menus.h"

enum class TcxHyperLinkEditUsePrefix { upAlways, upOnlyOnExecute, upNever };
using enum TcxHyperLinkEditUsePrefix;

// ---------------------------------------------------------------- links

// The shell call that opens a link; answers the shell's result (above 32
// when it opened). Tests put a recorder in its place.
using TcxShellOpenLinkProc = std::function<intptr_t(const String& ALink)>;
// Puts AProc in place (an empty one means the shell's own) and answers the
// one that was there.
TcxShellOpenLinkProc cxSetShellOpenLinkProc(TcxShellOpenLinkProc AProc);

// ALink starts with a scheme a link is opened with: http, https, ftp or
// mailto, or the scheme of APrefix (never file), and holds no blank,
// control character or quote after it. A bare path, a program or a command
// line is no such link.
bool cxIsOpenableLink(const String& ALink, const String& APrefix);

// ---------------------------------------------------------------- properties

class TcxCustomHyperLinkEditProperties : public TcxCustomTextEditProperties {
  CX_EDIT_PROPERTIES_CLASS(TcxCustomHyperLinkEditProperties, TcxCustomTextEditProperties)
public:
  explicit TcxCustomHyperLinkEditProperties(TPersistent* AOwner);

  // AText trimmed, with Prefix before it unless it already starts with
  // Prefix or with a link scheme (letter case ignored in both tests).
  virtual void AddLinkPrefix(const String& AText, String& AResult);

  bool AutoComplete() const { return FUsePrefix != upNever; }
  void SetAutoComplete(bool Value) { FUsePrefix = Value ? upAlways : upNever; }
  TColor LinkColor() const { return FLinkColor; }
  void SetLinkColor(TColor Value);
  const String& Prefix() const { return FPrefix; }
  void SetPrefix(const String& Value) { FPrefix = Value; }
  bool SingleClick() const { return FSingleClick; }
  void SetSingleClick(bool Value);
  TShortCut StartKey() const { return FStartKey; }
  void SetStartKey(TShortCut Value) { FStartKey = Value; }
  TcxHyperLinkEditUsePrefix UsePrefix() const { return FUsePrefix; }
  void SetUsePrefix(TcxHyperLinkEditUsePrefix Value) { FUsePrefix = Value; }

  TNotifyEvent OnStartClick;

  TcxEditSupportedOperations GetSupportedOperations() override;
  // With upAlways the typed address gets its prefix before it is checked.
  void ValidateDisplayValue(Variant& ADisplayValue, String& AErrorText, bool& AError, TcxCustomEdit* AEdit) override;
  TcxCustomEditClass GetContainerClass() const override;
  TcxEditStyleClass GetStyleClass() const override;
  TcxEditViewInfoClass GetViewInfoClass() const override;

protected:
  void AssignSettings(TcxCustomEditProperties* Source) override;

private:
  TColor FLinkColor = clBlue;
  String FPrefix;
  bool FSingleClick = false;
  TShortCut FStartKey = 0x400D;  // Ctrl+Enter
  TcxHyperLinkEditUsePrefix FUsePrefix = upAlways;
};

class TcxHyperLinkEditProperties : public TcxCustomHyperLinkEditProperties {
  CX_EDIT_PROPERTIES_CLASS(TcxHyperLinkEditProperties, TcxCustomHyperLinkEditProperties)
public:
  using TcxCustomHyperLinkEditProperties::TcxCustomHyperLinkEditProperties;
};

// ---------------------------------------------------------------- style and view info

// Text always underlined, in the owning editor's link colour (the style's
// own colour when it is accessed directly).
class TcxHyperLinkStyle : public TcxEditStyle {
  VCL_CLASS(TcxHyperLinkStyle, TcxEditStyle)
public:
  using TcxEditStyle::TcxEditStyle;
  TColor TextColor() const override;
  TFontStyles TextStyle() const override;
};

class TcxHyperLinkEditViewInfo : public TcxCustomTextEditViewInfo {
  VCL_CREATABLE_CLASS(TcxHyperLinkEditViewInfo, TcxCustomTextEditViewInfo)
public:
  // The properties' LinkColor; skinned, the painter's hyperlink colour in
  // place of the default blue.
  virtual TColor GetLinkColor();
  bool IsHotTrack() override;
  bool IsHotTrack(const TPoint& P) override;

protected:
  void GetEditColors(TColor& ABackgroundColor, TColor& ATextColor) override;
  // A host's cell (no editor control) underlines the link itself.
  void PrepareCanvasFont(TcxCanvas* ACanvas) override;

private:
  bool IsSingleClick();
};

// ---------------------------------------------------------------- the control

class TcxCustomHyperLinkEdit : public TcxCustomTextEdit {
  VCL_COMPONENT_CLASS(TcxCustomHyperLinkEdit, TcxCustomTextEdit)
public:
  explicit TcxCustomHyperLinkEdit(TComponent* AOwner) : TcxCustomHyperLinkEdit(AOwner, false) {}
  TcxCustomHyperLinkEdit(TComponent* AOwner, bool AIsInplace);
  ~TcxCustomHyperLinkEdit() override;

  TcxCustomHyperLinkEditProperties* ActiveProperties() {
    return static_cast<TcxCustomHyperLinkEditProperties*>(TcxCustomEdit::ActiveProperties());
  }
  TcxCustomHyperLinkEditProperties* Properties() {
    return static_cast<TcxCustomHyperLinkEditProperties*>(InternalProperties());
  }
  // OnStartClick when a handler is assigned; else the link opened through
  // the shell, or refused with a message when it is no link.
  virtual void StartLink();
  void SelectAll() override;
  // Shown under the mouse by a host: the hand shows at once with SingleClick.
  void ActivateByMouse(TShiftState AShift, int X, int Y) override;

protected:
  TcxCustomEditPropertiesClass GetPropertiesClass() const override {
    return TcxCustomEditPropertiesClass::Of<TcxCustomHyperLinkEditProperties>();
  }
  TcxContainerStyle* CreateStyle(TcxContainerStyle* AParentStyle, TcxContainerStateItem AState) override;
  void HandlePropertiesChanged(TObject* Sender) override;
  // With upAlways a typed address is stored with its prefix.
  bool ValidateEditByOptions(bool AForce) override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseEnter(TControl* AControl) override;
  void MouseLeave(TControl* AControl) override;

private:
  // The hand over the link while a single click starts it.
  void ShowLinkCursor();
  void RestoreCursor();
  bool FLinkCursorShown = false;
  TCursor FSaveCursor = crDefault;
};

class TcxHyperLinkEdit : public TcxCustomHyperLinkEdit {
  VCL_COMPONENT_CLASS(TcxHyperLinkEdit, TcxCustomHyperLinkEdit)
public:
  explicit TcxHyperLinkEdit(TComponent* AOwner) : TcxHyperLinkEdit(AOwner, false) {}
  TcxHyperLinkEdit(TComponent* AOwner, bool AIsInplace) : TcxCustomHyperLinkEdit(AOwner, AIsInplace) {
    InitializeTextEdit();
  }
  TcxHyperLinkEditProperties* Properties() { return static_cast<TcxHyperLinkEditProperties*>(InternalProperties()); }
  TcxHyperLinkEditProperties* ActiveProperties() {
    return static_cast<TcxHyperLinkEditProperties*>(TcxCustomEdit::ActiveProperties());
  }

protected:
  TcxCustomEditPropertiesClass GetPropertiesClass() const override {
    return TcxCustomEditPropertiesClass::Of<TcxHyperLinkEditProperties>();
  }
};

// A filter row's hyperlink editor.
class TcxFilterHyperLinkEditHelper : public TcxFilterTextEditHelper {
  VCL_CLASS(TcxFilterHyperLinkEditHelper, TcxFilterTextEditHelper)
public:
  static const TcxFilterHyperLinkEditHelper* Instance();
  TcxCustomEditClass GetFilterEditClass() const override;
};

extern const TUnitEntry cxHyperLinkEditUnit;
