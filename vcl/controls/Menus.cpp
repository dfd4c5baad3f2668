#include "vcl/controls/Menus.h"

#include <algorithm>

#include "vcl/controls/ImgList.h"
#include "vcl/graphics/Bitmap.h"
#include "vcl/rtl/SysUtils.h"

TShortCut ShortCut(uint16_t Key, TShiftState Shift) {
  TShortCut result = Key & 0xFF;
  if (Shift.Contains(ssShift)) result |= scShift;
  if (Shift.Contains(ssCtrl)) result |= scCtrl;
  if (Shift.Contains(ssAlt)) result |= scAlt;
  return result;
}

namespace {

String KeyText(uint16_t AKey) {
  if ((AKey >= '0' && AKey <= '9') || (AKey >= 'A' && AKey <= 'Z')) return String(1, static_cast<Char>(AKey));
  if (AKey >= VK_F1 && AKey <= VK_F24) return L"F" + IntToStr(AKey - VK_F1 + 1);
  static const std::pair<uint16_t, const wchar_t*> names[] = {
      {VK_BACK, L"BkSp"},  {VK_TAB, L"Tab"},    {VK_RETURN, L"Enter"}, {VK_ESCAPE, L"Esc"},
      {VK_SPACE, L"Space"}, {VK_PRIOR, L"PgUp"}, {VK_NEXT, L"PgDn"},    {VK_END, L"End"},
      {VK_HOME, L"Home"},  {VK_LEFT, L"Left"},  {VK_UP, L"Up"},        {VK_RIGHT, L"Right"},
      {VK_DOWN, L"Down"},  {VK_INSERT, L"Ins"}, {VK_DELETE, L"Del"}};
  for (const auto& [key, name] : names)
    if (key == AKey) return name;
  return String();
}

}  // namespace

String ShortCutToText(TShortCut AShortCut) {
  const String key = KeyText(AShortCut & 0xFF);
  if (key.empty()) return String();
  String text;
  if (AShortCut & scShift) text += L"Shift+";
  if (AShortCut & scCtrl) text += L"Ctrl+";
  if (AShortCut & scAlt) text += L"Alt+";
  return text + key;
}

TShiftState KeyDataToShiftState(LPARAM KeyData) {
  TShiftState result;
  if (GetKeyState(VK_SHIFT) < 0) result.Include(ssShift);
  if (GetKeyState(VK_CONTROL) < 0) result.Include(ssCtrl);
  if (KeyData & (1 << 29)) result.Include(ssAlt);
  return result;
}

// ---------------------------------------------------------------- TMenuItem

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner) {}

TMenuItem::~TMenuItem() {
  if (FParent) FParent->Remove(this);
  while (!FItems.empty()) delete FItems.back();
}

void TMenuItem::Add(TMenuItem* Item) {
  if (Item->FParent) Item->FParent->Remove(Item);
  Item->FParent = this;
  FItems.push_back(Item);
}

void TMenuItem::Remove(TMenuItem* Item) {
  std::erase(FItems, Item);
  Item->FParent = nullptr;
}

TBitmap* TMenuItem::Bitmap() {
  if (!FBitmap) FBitmap = std::make_unique<TBitmap>();
  return FBitmap.get();
}

void TMenuItem::SetBitmap(TBitmap* Value) {
  if (!Value) {
    FBitmap.reset();
    return;
  }
  TBitmap* bitmap = Bitmap();
  bitmap->Assign(Value);
  bitmap->SetTransparent(Value->Transparent());
  bitmap->SetTransparentMode(Value->TransparentMode());
  if (Value->TransparentMode() == tmFixed) bitmap->SetTransparentColor(Value->TransparentColor());
}

HBITMAP TMenuItem::PrepareMenuBitmap() {
  FMenuBitmap.reset();
  if (!FBitmap || FBitmap->Empty()) return nullptr;
  FMenuBitmap = std::make_unique<TBitmap>();
  FMenuBitmap->Assign(FBitmap.get());
  FMenuBitmap->SetPixelFormat(pf32bit);
  const bool transparent = FBitmap->Transparent();
  const COLORREF key = transparent ? ColorToRGB(FBitmap->TransparentColor()) : 0;
  GdiFlush();
  for (int y = 0; y < FMenuBitmap->Height(); ++y) {
    auto* pixel = static_cast<uint8_t*>(FMenuBitmap->ScanLine(y));
    for (int x = 0; x < FMenuBitmap->Width(); ++x, pixel += 4) {
      // Opaque pixels have full alpha, so their colour needs no scaling.
      const bool clear = transparent && RGB(pixel[2], pixel[1], pixel[0]) == key;
      if (clear)
        std::fill_n(pixel, 4, uint8_t{0});
      else
        pixel[3] = 0xFF;
    }
  }
  // The menu selects the bitmap into a context of its own.
  FMenuBitmap->ReleaseCanvasHandle();
  return FMenuBitmap->Handle();
}

void TMenuItem::Click() {
  if (FEnabled && OnClick) OnClick(this);
}

TCustomImageList* TMenuItem::Images() const {
  const TMenuItem* root = this;
  while (root->FParent) root = root->FParent;
  return root->FMenu ? root->FMenu->Images() : nullptr;
}

void TMenuItem::MeasureItem(TCanvas* ACanvas, int& Width, int& Height) {
  Width = ACanvas->TextWidth(FCaption);
  Height = ACanvas->TextHeight(FCaption);
  if (TCustomImageList* images = Images(); images && FImageIndex >= 0) {
    Width += images->Width();
    Height = std::max(Height, images->Height());
  }
  if (OnMeasureItem) OnMeasureItem(this, ACanvas, Width, Height);
}

TMenuItem* TMenuItem::FindItemByShortCut(TShortCut AShortCut) {
  for (TMenuItem* item : FItems) {
    if (!item->FEnabled) continue;
    if (item->FShortCut == AShortCut) return item;
    if (TMenuItem* found = item->FindItemByShortCut(AShortCut)) return found;
  }
  return nullptr;
}

// ---------------------------------------------------------------- TPopupMenu

namespace {

// The platform's menu of one popup, built from the items; an item's command
// is its place in the list of built items, plus one.
class TBuiltMenu {
public:
  explicit TBuiltMenu(TMenuItem* ARoot) : FHandle(Build(ARoot)) {}
  ~TBuiltMenu() { DestroyMenu(FHandle); }
  TBuiltMenu(const TBuiltMenu&) = delete;
  TBuiltMenu& operator=(const TBuiltMenu&) = delete;

  HMENU Handle() const { return FHandle; }
  TMenuItem* ItemOfCommand(UINT ACommand) const {
    return ACommand >= 1 && ACommand <= FCommands.size() ? FCommands[ACommand - 1] : nullptr;
  }

private:
  HMENU Build(TMenuItem* AParent) {
    HMENU menu = CreatePopupMenu();
    if (!menu) RaiseLastOSError();
    for (int i = 0; i < AParent->Count(); ++i) {
      TMenuItem* item = AParent->Items(i);
      if (!item->Visible()) continue;
      UINT flags = item->Enabled() ? MF_STRING : MF_STRING | MF_GRAYED;
      if (item->Checked()) flags |= MF_CHECKED;
      if (item->Break() == mbBreak) flags |= MF_MENUBREAK;
      if (item->Break() == mbBarBreak) flags |= MF_MENUBARBREAK;
      UINT_PTR id;
      if (item->IsLine()) {
        flags = MF_SEPARATOR;
        id = 0;
      } else if (item->Count() > 0) {
        flags |= MF_POPUP;
        id = reinterpret_cast<UINT_PTR>(Build(item));
      } else {
        FCommands.push_back(item);
        id = FCommands.size();
      }
      AppendMenuW(menu, flags, id, item->Caption().c_str());
      if (HBITMAP bitmap = item->IsLine() ? nullptr : item->PrepareMenuBitmap()) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_BITMAP;
        info.hbmpItem = bitmap;
        SetMenuItemInfoW(menu, GetMenuItemCount(menu) - 1, TRUE, &info);
      }
    }
    return menu;
  }

  std::vector<TMenuItem*> FCommands;
  HMENU FHandle;
};

// A hidden window that owns the menu while it is shown.
class TMenuOwnerWindow {
public:
  TMenuOwnerWindow()
      : FHandle(CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr)) {
    if (!FHandle) RaiseLastOSError();
  }
  ~TMenuOwnerWindow() { DestroyWindow(FHandle); }
  TMenuOwnerWindow(const TMenuOwnerWindow&) = delete;
  TMenuOwnerWindow& operator=(const TMenuOwnerWindow&) = delete;
  HWND Handle() const { return FHandle; }

private:
  HWND FHandle;
};

UINT AlignmentFlags(TPopupAlignment AAlignment) {
  switch (AAlignment) {
    case paRight: return TPM_RIGHTALIGN;
    case paCenter: return TPM_CENTERALIGN;
    default: return TPM_LEFTALIGN;
  }
}

}  // namespace

TPopupMenu::TPopupMenu(TComponent* AOwner)
    : TComponent(AOwner), FItems(std::make_unique<TMenuItem>(nullptr)) {
  FItems->FMenu = this;
}

TPopupMenu::~TPopupMenu() = default;

void TPopupMenu::SetPopupComponent(TComponent* Value) {
  if (FPopupComponent == Value) return;
  if (FPopupComponent) FPopupComponent->RemoveFreeNotification(this);
  FPopupComponent = Value;
  if (Value) Value->FreeNotification(this);
}

void TPopupMenu::SetImages(TCustomImageList* Value) {
  if (FImages == Value) return;
  if (FImages) FImages->RemoveFreeNotification(this);
  FImages = Value;
  if (Value) Value->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FPopupComponent) FPopupComponent = nullptr;
  if (AComponent == FImages) FImages = nullptr;
}

void TPopupMenu::Popup(int X, int Y) {
  if (OnPopup) OnPopup(this);
  const TBuiltMenu menu(FItems.get());
  const TMenuOwnerWindow owner;
  const UINT command =
      TrackPopupMenuEx(menu.Handle(), AlignmentFlags(FAlignment) | TPM_RIGHTBUTTON | TPM_RETURNCMD,
                       X, Y, owner.Handle(), nullptr);
  if (TMenuItem* item = menu.ItemOfCommand(command)) item->Click();
}

bool TPopupMenu::IsShortCut(const TMessage& Message) {
  const TShortCut key =
      ShortCut(static_cast<uint16_t>(Message.WParam), KeyDataToShiftState(Message.LParam));
  TMenuItem* item = FItems->FindItemByShortCut(key);
  if (item) item->Click();
  return item != nullptr;
}
