#pragma once
// Menus: items with captions, shortcuts, images and sub-items, and the popup
// menu, shown as the platform's own menu at a screen point.
#include <memory>
#include <vector>

#include "vcl/controls/Controls.h"

class TBitmap;
class TCustomImageList;
class TPopupMenu;

// A key with the modifiers held: the virtual key in the low byte.
using TShortCut = uint16_t;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
TShortCut ShortCut(uint16_t Key, TShiftState Shift);
// "Ctrl+Shift+F", "Alt+Enter"; empty for no key.
String ShortCutToText(TShortCut AShortCut);
// The modifiers of a key message: Alt from its key data, Shift and Ctrl
// from the keyboard.
TShiftState KeyDataToShiftState(LPARAM KeyData);

enum class TMenuBreak { mbNone, mbBreak, mbBarBreak };
using enum TMenuBreak;
enum class TPopupAlignment { paLeft, paRight, paCenter };
using enum TPopupAlignment;

using TMenuMeasureItemEvent =
    std::function<void(TObject* Sender, TCanvas* ACanvas, int& Width, int& Height)>;

class TMenuItem : public TComponent {
  VCL_COMPONENT_CLASS(TMenuItem, TComponent)
public:
  explicit TMenuItem(TComponent* AOwner);
  ~TMenuItem() override;

  const String& Caption() const { return FCaption; }
  void SetCaption(const String& Value) { FCaption = Value; }
  TShortCut ShortCut() const { return FShortCut; }
  void SetShortCut(TShortCut Value) { FShortCut = Value; }
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value) { FVisible = Value; }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value) { FEnabled = Value; }
  // Shown with a check mark.
  bool Checked() const { return FChecked; }
  void SetChecked(bool Value) { FChecked = Value; }
  // Starts a new column.
  TMenuBreak Break() const { return FBreak; }
  void SetBreak(TMenuBreak Value) { FBreak = Value; }
  // -1: no image.
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value) { FImageIndex = Value; }
  bool IsLine() const { return FCaption == L"-"; }
  // The picture the platform's menu shows beside the caption, owned by the
  // item (made on first read); where a transparent bitmap has its
  // transparent colour the menu shows through. SetBitmap copies the
  // picture and its transparency; null or an empty bitmap shows none.
  TBitmap* Bitmap();
  void SetBitmap(TBitmap* Value);
  // The picture as the platform's menu takes it: 32 bits with
  // pre-multiplied alpha, made again on each call and owned by the item
  // (the previous one released); null when there is no picture.
  HBITMAP PrepareMenuBitmap();

  // Sub-items, owned.
  int Count() const { return static_cast<int>(FItems.size()); }
  TMenuItem* Items(int Index) const { return FItems.at(Index); }
  void Add(TMenuItem* Item);
  void Remove(TMenuItem* Item);
  TMenuItem* Parent() const { return FParent; }

  virtual void Click();
  // The size the item takes in its menu: the caption's text on ACanvas
  // (and the image of an item that has one), then OnMeasureItem.
  virtual void MeasureItem(TCanvas* ACanvas, int& Width, int& Height);
  // The enabled item of this tree that carries AShortCut, or null.
  TMenuItem* FindItemByShortCut(TShortCut AShortCut);

  TNotifyEvent OnClick;
  TMenuMeasureItemEvent OnMeasureItem;

private:
  friend class TPopupMenu;
  // The images of the menu the item belongs to.
  TCustomImageList* Images() const;

  TPopupMenu* FMenu = nullptr;  // set on a menu's root item
  String FCaption;
  TShortCut FShortCut = 0;
  bool FVisible = true;
  bool FEnabled = true;
  bool FChecked = false;
  TMenuBreak FBreak = mbNone;
  int FImageIndex = -1;
  std::unique_ptr<TBitmap> FBitmap;
  std::unique_ptr<TBitmap> FMenuBitmap;
  TMenuItem* FParent = nullptr;
  std::vector<TMenuItem*> FItems;
};

class TPopupMenu : public TComponent {
  VCL_COMPONENT_CLASS(TPopupMenu, TComponent)
public:
  explicit TPopupMenu(TComponent* AOwner);
  ~TPopupMenu() override;

  TMenuItem* Items() const { return FItems.get(); }
  // Controls show the menu on a right click by themselves.
  bool AutoPopup() const { return FAutoPopup; }
  void SetAutoPopup(bool Value) { FAutoPopup = Value; }
  // Which side of the menu lies at the popup point.
  TPopupAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TPopupAlignment Value) { FAlignment = Value; }
  // The component the menu was last shown for.
  TComponent* PopupComponent() const { return FPopupComponent; }
  void SetPopupComponent(TComponent* Value);
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value);

  // Shows the menu at a screen point and waits until it closes; the chosen
  // item is clicked.
  virtual void Popup(int X, int Y);
  // A key message whose key is the shortcut of an enabled item clicks it.
  bool IsShortCut(const TMessage& Message);

  TNotifyEvent OnPopup;

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  std::unique_ptr<TMenuItem> FItems;
  bool FAutoPopup = true;
  TPopupAlignment FAlignment = paLeft;
  TComponent* FPopupComponent = nullptr;
  TCustomImageList* FImages = nullptr;
};
