#pragma once
// The standard controls, each on the platform's own window class: labels
// (STATIC), edits (EDIT), buttons and check boxes (BUTTON), combo boxes
// (COMBOBOX) and list boxes (LISTBOX).
#include "vcl/controls/Controls.h"
#include "vcl/controls/UITypes.h"

class TLabel : public TWinControl {
  VCL_COMPONENT_CLASS(TLabel, TWinControl)
public:
  explicit TLabel(TComponent* AOwner);

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  // Breaks the text into lines at the label's width.
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  // Sizes the label to its text (only its height when it wraps); a
  // right-justified label keeps its right edge.
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);

protected:
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;

private:
  void AdjustBounds();
  TAlignment FAlignment = taLeftJustify;
  bool FWordWrap = false;
  bool FAutoSize = true;
};

enum class TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
using enum TEditCharCase;

class TEdit : public TWinControl {
  VCL_COMPONENT_CLASS(TEdit, TWinControl)
public:
  explicit TEdit(TComponent* AOwner);

  // Letters typed are turned to this case.
  TEditCharCase CharCase() const { return FCharCase; }
  void SetCharCase(TEditCharCase Value);
  // Only digits can be typed.
  bool NumbersOnly() const { return FNumbersOnly; }
  void SetNumbersOnly(bool Value);
  // The most characters a person can type; 0 for no limit of our own.
  int MaxLength() const { return FMaxLength; }
  void SetMaxLength(int Value);

  TNotifyEvent OnChange;

protected:
  void CreateParams(TCreateParams& Params) override;
  void InitializeWindow() override;
  void WndProc(TMessage& Message) override;

private:
  TEditCharCase FCharCase = ecNormal;
  bool FNumbersOnly = false;
  int FMaxLength = 0;
};

class TButton : public TWinControl {
  VCL_COMPONENT_CLASS(TButton, TWinControl)
public:
  explicit TButton(TComponent* AOwner);
  // Given to the form when the button is clicked (closing a modal form).
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult Value) { FModalResult = Value; }
  // Enter clicks the default button (unless another button has the focus,
  // which Enter clicks instead); Escape clicks the cancel button.
  bool Default() const { return FDefault; }
  void SetDefault(bool Value);
  bool Cancel() const { return FCancel; }
  void SetCancel(bool Value) { FCancel = Value; }
  void Click() override;

protected:
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;
  // The platform's default-button look follows whether Enter would click
  // this button now.
  virtual void SetButtonStyle(bool ADefault);

private:
  // Whether Enter clicks this button while AFocused has the focus.
  bool IsEnterTarget(TWinControl* AFocused) const;
  TModalResult FModalResult = mrNone;
  bool FDefault = false;
  bool FCancel = false;
};

// The character's accelerator: an ampersand marks the next character of
// the caption, two ampersands stand for one; compared without case.
bool IsAccel(wchar_t VK, const String& Caption);

class TCheckBox : public TWinControl {
  VCL_COMPONENT_CLASS(TCheckBox, TWinControl)
public:
  explicit TCheckBox(TComponent* AOwner);
  bool Checked();
  // Changing the state clicks the box (OnClick), as a person would.
  void SetChecked(bool Value);

protected:
  void CreateParams(TCreateParams& Params) override;
  void InitializeWindow() override;
  void SaveWindowState() override;
  void WndProc(TMessage& Message) override;

private:
  bool FChecked = false;
};

// ---------------------------------------------------------------- scroll bars

enum class TScrollBarKind { sbHorizontal, sbVertical };
using enum TScrollBarKind;
// Which of a control's scroll bars may show.
enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
using enum TScrollStyle;
// The requests of a scroll bar, numbered as the platform's SB_ codes.
enum class TScrollCode { scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop,
                         scBottom, scEndScroll };
using enum TScrollCode;
using TScrollEvent = std::function<void(TObject* Sender, TScrollCode ScrollCode, int& ScrollPos)>;

// The platform's scroll-bar control (SCROLLBAR).
class TScrollBar : public TWinControl {
  VCL_COMPONENT_CLASS(TScrollBar, TWinControl)
public:
  explicit TScrollBar(TComponent* AOwner);

  TScrollBarKind Kind() const { return FKind; }
  void SetKind(TScrollBarKind Value);
  int Min() const { return FMin; }
  int Max() const { return FMax; }
  int Position() const { return FPosition; }
  int PageSize() const { return FPageSize; }
  void SetMin(int Value) { SetScrollParams(Value, FMax, FPosition, FPageSize, true); }
  void SetMax(int Value) { SetScrollParams(FMin, Value, FPosition, FPageSize, true); }
  void SetPosition(int Value) { SetScrollParams(FMin, FMax, Value, FPageSize, true); }
  void SetPageSize(int Value) { SetScrollParams(FMin, FMax, FPosition, Value, true); }
  int SmallChange() const { return FSmallChange; }
  void SetSmallChange(int Value) { FSmallChange = Value; }
  int LargeChange() const { return FLargeChange; }
  void SetLargeChange(int Value) { FLargeChange = Value; }
  // Raises EInvalidOperation "Scrollbar property out of range" for a
  // range that cannot hold the page, changing nothing; the position is
  // kept inside the range. OnChange fires when the position changed.
  void SetScrollParams(int AMin, int AMax, int APosition, int APageSize, bool ARedraw);
  void SetParams(int APosition, int AMin, int AMax) {
    SetScrollParams(AMin, AMax, APosition, FPageSize, true);
  }

  // The position a request asks for (OnScroll may change it), then taken.
  TScrollEvent OnScroll;
  TNotifyEvent OnChange;

protected:
  void CreateParams(TCreateParams& Params) override;
  void InitializeWindow() override;
  void WndProc(TMessage& Message) override;
  virtual void Scroll(TScrollCode ScrollCode, int& ScrollPos);
  virtual void Change();

private:
  void DoScroll(const TMessage& Message);
  void UpdateWindow(bool ARedraw);

  TScrollBarKind FKind = sbHorizontal;
  int FMin = 0;
  int FMax = 100;
  int FPosition = 0;
  int FPageSize = 0;
  int FSmallChange = 1;
  int FLargeChange = 1;
};

// ---------------------------------------------------------------- lists

class TCustomListControl;

// The items of a list control: kept by the control and mirrored into its
// window whenever it has one.
class TListControlItems : public TStrings {
  VCL_CLASS(TListControlItems, TStrings)
public:
  explicit TListControlItems(TCustomListControl* AOwner) : FOwner(AOwner) {}
  int Count() const override { return static_cast<int>(FItems.size()); }
  int Add(const String& S) override;
  void Insert(int Index, const String& S) override;
  void Delete(int Index) override;
  void Clear() override;

protected:
  String Get(int Index) const override;
  void Put(int Index, const String& S) override;
  TObject* GetObject(int Index) const override;
  void PutObject(int Index, TObject* AObject) override;
  void SetUpdateState(bool Updating) override;

private:
  friend class TCustomListControl;
  struct TItem {
    String Text;
    TObject* Object;
  };
  void CheckIndex(int Index) const;
  TCustomListControl* FOwner;
  std::vector<TItem> FItems;
};

enum class TOwnerDrawStateItem {
  odSelected, odGrayed, odDisabled, odChecked, odFocused, odDefault, odHotLight, odInactive,
  odNoAccel, odNoFocusRect, odReserved1, odReserved2, odComboBoxEdit
};
using enum TOwnerDrawStateItem;
using TOwnerDrawState = TSet<TOwnerDrawStateItem>;
using TDrawItemEvent =
    std::function<void(TWinControl* Control, int Index, const TRect& Rect, TOwnerDrawState State)>;
using TMeasureItemEvent = std::function<void(TWinControl* Control, int Index, int& Height)>;

// What combo boxes and list boxes share: the items and the chosen one.
class TCustomListControl : public TWinControl {
  VCL_CLASS(TCustomListControl, TWinControl)
public:
  TStrings* Items() const { return FItems.get(); }
  void SetItems(TStrings* Value) { FItems->Assign(Value); }
  // -1 for none; an index outside the items raises EListError.
  int ItemIndex();
  void SetItemIndex(int Value);

  // The height of owner-drawn items (OnMeasureItem may change it per item
  // in the variable styles).
  int ItemHeight() const { return FItemHeight; }
  void SetItemHeight(int Value);
  // The canvas owner-drawn items are drawn on.
  TCanvas* Canvas() const { return FCanvas.get(); }

  TNotifyEvent OnChange;
  TDrawItemEvent OnDrawItem;
  TMeasureItemEvent OnMeasureItem;

protected:
  // The window's messages for its list.
  struct TListMessages {
    UINT AddString, InsertString, DeleteString, ResetContent, SetCurSel, GetCurSel;
  };
  TCustomListControl(TComponent* AOwner, const TListMessages& Messages);
  void InitializeWindow() override;
  void SaveWindowState() override;
  void WndProc(TMessage& Message) override;
  virtual void Change();
  // The index the window shows as chosen, and choosing one in the window.
  virtual int WindowItemIndex();
  virtual void SetWindowItemIndex(int Value);
  virtual bool IsOwnerDrawn() const = 0;
  virtual bool IsVariableHeight() const = 0;
  // Draws an owner-drawn item on Canvas, selected ones highlighted: the
  // default writes its text; OnDrawItem replaces that.
  virtual void DrawItem(int Index, const TRect& Rect, TOwnerDrawState State);
  // A focused owner-drawn item gets the focus rectangle.
  virtual bool NeedDrawFocusRect() { return true; }
  // Owner drawing of one item (CN_DRAWITEM): the canvas takes the item's
  // context, the font and the colours, DrawItem draws, the focus
  // rectangle follows for a focused item.
  virtual void HandleDrawItem(const DRAWITEMSTRUCT& Item);

private:
  friend class TListControlItems;
  void HandleMeasureItem(MEASUREITEMSTRUCT& Item);
  std::unique_ptr<TListControlItems> FItems;
  std::unique_ptr<TControlCanvas> FCanvas;
  TListMessages FMessages;
  int FItemIndex = -1;
  int FItemHeight = 16;
};

enum class TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed,
                            csOwnerDrawVariable };
using enum TComboBoxStyle;

class TComboBox : public TCustomListControl {
  VCL_COMPONENT_CLASS(TComboBox, TCustomListControl)
public:
  explicit TComboBox(TComponent* AOwner);

  // The owner-drawn styles are pick-only lists like csDropDownList.
  TComboBoxStyle Style() const { return FStyle; }
  void SetStyle(TComboBoxStyle Value);
  int DropDownCount() const { return FDropDownCount; }
  void SetDropDownCount(int Value);
  bool DroppedDown();
  void SetDroppedDown(bool Value);
  // Height is the selection field's; the dropped list comes on top of it.
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

protected:
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;
  bool IsOwnerDrawn() const override { return FStyle == csOwnerDrawFixed || FStyle == csOwnerDrawVariable; }
  bool IsVariableHeight() const override { return FStyle == csOwnerDrawVariable; }

private:
  int DropDownHeight() const { return ItemHeight() * FDropDownCount + 2; }
  TComboBoxStyle FStyle = csDropDown;
  int FDropDownCount = 8;
};

enum class TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable };
using enum TListBoxStyle;

class TListBox : public TCustomListControl {
  VCL_COMPONENT_CLASS(TListBox, TCustomListControl)
public:
  explicit TListBox(TComponent* AOwner);

  TListBoxStyle Style() const { return FStyle; }
  void SetStyle(TListBoxStyle Value);
  // Several items can be chosen: by Shift and Ctrl clicks (ExtendedSelect,
  // the default) or each click toggling one.
  bool MultiSelect() const { return FMultiSelect; }
  void SetMultiSelect(bool Value);
  bool ExtendedSelect() const { return FExtendedSelect; }
  void SetExtendedSelect(bool Value);
  // Whether an item is chosen; in a single-choice list, the chosen one.
  bool Selected(int Index);
  void SetSelected(int Index, bool Value);
  int SelCount();
  void ClearSelection();
  // The first item in view.
  int TopIndex();
  void SetTopIndex(int Value);
  // The item's rectangle in the client area; empty without a window.
  TRect ItemRect(int Index);
  // The item at a client point, or -1.
  int ItemAtPos(const TPoint& Pos, bool Existing = true);

protected:
  void CreateParams(TCreateParams& Params) override;
  void InitializeWindow() override;
  void SaveWindowState() override;
  void WndProc(TMessage& Message) override;
  int WindowItemIndex() override;
  void SetWindowItemIndex(int Value) override;
  bool IsOwnerDrawn() const override { return FStyle != lbStandard; }
  bool IsVariableHeight() const override { return FStyle == lbOwnerDrawVariable; }

private:
  TListBoxStyle FStyle = lbStandard;
  bool FMultiSelect = false;
  bool FExtendedSelect = true;
  int FTopIndex = 0;
  // The choices of a multi-choice list while it has no window.
  std::vector<int> FSelection;
};
