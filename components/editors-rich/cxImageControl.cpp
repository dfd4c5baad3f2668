// The image editor control: its picture as the edit value, the clipboard,
// the file and camera commands of its menu and keys, zooming with Ctrl and
// the wheel, and scrolling a zoomed picture by dragging it.
#include <windows.h>
#include <commdlg.h>

#include <algorithm>
#include <cmath>

#include "components/editors-rich/cxImage.h"
#include "components/editors-rich/dxCameraControl.h"
#include "components/editors-rich/dxCameraDialog.h"
#include "components/editors/cxEditConsts.h"
#include "components/editors/cxEditUtils.h"
#include "vcl/controls/Clipbrd.h"
#include "vcl/controls/Forms.h"
#include "vcl/graphics/Bitmap.h"
#include "vcl/graphics/Icon.h"
#include "vcl/graphics/Metafile.h"

namespace {

bool HasPicture(const TPicture* APicture) {
  return APicture && APicture->Graphic() && !APicture->Graphic()->Empty();
}

// The picture's own clipboard format for graphic classes that have no
// platform format.
uint32_t PictureClipboardFormat() {
  static const uint32_t format = RegisterClipboardFormatW(L"Picture");
  return format;
}

// The menu's items by their kind; separators after Delete and Save.
constexpr int SeparatorAfterDelete = 4, SeparatorAfterSave = 8;
int MenuIndexOf(TcxPopupMenuItem AItem) {
  const int kind = static_cast<int>(AItem);
  return kind <= static_cast<int>(pmiDelete) ? kind : kind <= static_cast<int>(pmiSave) ? kind + 1 : kind + 2;
}

}  // namespace

// ---------------------------------------------------------------- animation

void TcxImageAnimationOptions::Assign(TPersistent* ASource) {
  auto* source = dynamic_cast<TcxImageAnimationOptions*>(ASource);
  if (!source) return TPersistent::Assign(ASource);
  FAnimation = source->FAnimation;
  FAnimationLoop = source->FAnimationLoop;
  Apply();
}

void TcxImageAnimationOptions::SetAnimation(TdxDefaultBoolean AValue) {
  FAnimation = AValue;
  Apply();
}

void TcxImageAnimationOptions::SetAnimationLoop(TdxDefaultBoolean AValue) {
  FAnimationLoop = AValue;
  Apply();
}

void TcxImageAnimationOptions::Apply() {
  auto* graphic = dynamic_cast<TdxGPImage*>(FImage->Picture()->Graphic());
  if (!graphic) return;
  graphic->SetAnimation(FAnimation != bFalse);
  graphic->AnimationLoop = FAnimationLoop;
}

// ---------------------------------------------------------------- construction

TcxCustomImage::TcxCustomImage(TComponent* AOwner, bool AIsInplace)
    : TcxCustomEdit(AOwner, AIsInplace),
      FAnimationOptions(std::make_unique<TcxImageAnimationOptions>(this)),
      FClipboardFormat(PictureClipboardFormat()),
      FPicture(std::make_unique<TPicture>()),
      FZoomingOptions(std::make_unique<TcxImageZoomingOptions>()),
      FZoomTrackBarController(std::make_unique<TdxZoomTrackBarController>(this)) {
  FPicture->OnChange = [this](TObject* Sender) { PictureChanged(Sender); };
  FZoomingOptions->OnChanged = [this](TObject* Sender) { ZoomingOptionsChanged(Sender); };
  SetDoubleBuffered(true);
  SetWidth(140);
  SetHeight(100);
}

TcxCustomImage::~TcxCustomImage() {
  // The picture's handler must not reach a half-destroyed editor.
  FPicture->OnChange = nullptr;
}

// ---------------------------------------------------------------- value

TGraphicClass TcxCustomImage::GetEditGraphicClass(bool APastingFromClipboard) {
  TGraphicClass graphicClass = ActiveProperties()->GetGraphicClass(nullptr, -1, APastingFromClipboard);
  if (OnGetGraphicClass) OnGetGraphicClass(this, APastingFromClipboard, graphicClass);
  return graphicClass;
}

// A value the picture cannot be read from raises before anything changes:
// the picture and the edit value stay as they were.
void TcxCustomImage::StoreEditValue(const Variant& Value, bool AFlag) {
  if (!cxEditValuesEqual(Value, EditValue())) {
    FStoringEditValue = true;
    try {
      cxLoadPictureFromBlob(FPicture.get(), GetEditGraphicClass(false), Value);
    } catch (...) {
      FStoringEditValue = false;
      throw;
    }
    FStoringEditValue = false;
  }
  TcxCustomEdit::StoreEditValue(Value, AFlag);
}

void TcxCustomImage::ApplyGraphicTransparency() {
  TGraphic* graphic = FPicture->Graphic();
  const TcxImageTransparency transparency = ActiveProperties()->GraphicTransparency();
  if (!graphic || transparency == gtDefault) return;
  TNotifyEvent onChange = std::exchange(FPicture->OnChange, nullptr);
  try {
    graphic->SetTransparent(transparency == gtTransparent);
  } catch (...) {
    FPicture->OnChange = onChange;
    throw;
  }
  FPicture->OnChange = onChange;
}

void TcxCustomImage::PictureChanged(TObject*) {
  if (IsLoading() || IsDestroying()) return;
  if (!FStoringEditValue) {
    LockChangeEvents(true);
    try {
      ApplyGraphicTransparency();
      if (FIsUserAction) SetModifiedAfterEnter(true);
      WriteEditValue(HasPicture(FPicture.get()) ? cxSavePictureToBlob(FPicture.get()) : Null());
      DoChange();
      if (ActiveProperties()->ImmediatePost() && CanPostEditValue() && ValidateEditByOptions(false))
        CommitEditValue(false);
    } catch (...) {
      LockChangeEvents(false);
      throw;
    }
    LockChangeEvents(false);
  } else {
    ApplyGraphicTransparency();
  }
  FAnimationOptions->Apply();
  FTopLeft = TPoint();
  UpdateZoom();
  ActiveProperties()->FNeedUpdateImage = false;
  ShortRefreshContainer(false);
}

void TcxCustomImage::HandlePropertiesChanged(TObject* Sender) {
  TcxCustomEdit::HandlePropertiesChanged(Sender);
  if (ActiveProperties()->FNeedUpdateImage) {
    ApplyGraphicTransparency();
    ActiveProperties()->FNeedUpdateImage = false;
  }
  UpdateZoomTrackBarRange();
  UpdateZoom();
}

// ---------------------------------------------------------------- clipboard

void TcxCustomImage::CopyToClipboard() {
  if (HasPicture(FPicture.get())) cxCopyPictureToClipboard(FPicture.get());
}

void TcxCustomImage::CutToClipboard() {
  CopyToClipboard();
  DeletePicture();
}

void TcxCustomImage::DeletePicture() {
  if (DoEditing()) FPicture->Assign(nullptr);
}

bool TcxCustomImage::CanPasteFromClipboard() {
  const TGraphicClass graphicClass = GetEditGraphicClass(true);
  if (!graphicClass) return Clipboard()->HasFormat(FClipboardFormat);
  if (TObject::ClassInheritsFrom(graphicClass, TBitmap::StaticClass())) return Clipboard()->HasFormat(CF_BITMAP);
  if (TObject::ClassInheritsFrom(graphicClass, TIcon::StaticClass())) return false;
  if (TObject::ClassInheritsFrom(graphicClass, TMetafile::StaticClass()))
    return Clipboard()->HasFormat(CF_METAFILEPICT) || Clipboard()->HasFormat(CF_ENHMETAFILE);
  if (TObject::ClassInheritsFrom(graphicClass, TdxGPImage::StaticClass())) return TdxGPImage::HasClipboardFormat();
  return Clipboard()->HasFormat(FClipboardFormat);
}

// The picture changes once, whole: a clipboard that holds nothing the
// class reads raises and the picture stays.
void TcxCustomImage::PasteFromClipboard() {
  if (!CanPasteFromClipboard() || !DoEditing()) return;
  TNotifyEvent onChange = std::exchange(FPicture->OnChange, nullptr);
  try {
    cxPastePictureFromClipboard(FPicture.get(), GetEditGraphicClass(true));
  } catch (...) {
    FPicture->OnChange = onChange;
    throw;
  }
  FPicture->OnChange = onChange;
  PictureChanged(FPicture.get());
}

// ---------------------------------------------------------------- commands

void TcxCustomImage::RunUserAction(const std::function<void()>& AAction) {
  const bool wasUserAction = std::exchange(FIsUserAction, true);
  try {
    AAction();
  } catch (...) {
    FIsUserAction = wasUserAction;
    throw;
  }
  FIsUserAction = wasUserAction;
}

void TcxCustomImage::FireClosePopup(TcxEditCloseUpReason AReason) {
  if (InternalProperties()->OnClosePopup) InternalProperties()->OnClosePopup(this, AReason);
  if (RepositoryItem() && ActiveProperties()->OnClosePopup) ActiveProperties()->OnClosePopup(this, AReason);
}

void TcxCustomImage::DoCustomMenuClick() {
  if (Properties()->OnCustomClick) Properties()->OnCustomClick(this);
  if (RepositoryItem() && ActiveProperties()->OnCustomClick) ActiveProperties()->OnCustomClick(this);
}

String TcxCustomImage::FileFilter(TGraphicClass AGraphicClass) {
  const String& custom = ActiveProperties()->CustomFilter();
  return custom.empty() ? GraphicFilter(AGraphicClass ? AGraphicClass : TGraphic::StaticClass()) : custom;
}

bool TcxCustomImage::ExecuteFileDialog(bool ASave, const String& AFilter, const String& ADefaultExt,
                                       String& AFileName) {
  String filter = AFilter + L"||";
  std::replace(filter.begin(), filter.end(), L'|', L'\0');
  wchar_t fileName[MAX_PATH] = L"";
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = HandleAllocated() ? Handle() : nullptr;
  dialog.lpstrFilter = filter.c_str();
  dialog.lpstrFile = fileName;
  dialog.nMaxFile = MAX_PATH;
  dialog.lpstrDefExt = ADefaultExt.empty() ? nullptr : ADefaultExt.c_str();
  dialog.Flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | (ASave ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
  const bool chosen = ASave ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
  if (chosen) AFileName = fileName;
  return chosen;
}

bool TcxCustomImage::ExecuteCameraDialog(TPicture* APicture) { return dxRunCameraDialog(APicture); }

// A file that cannot be read raises with its reason; the picture stays.
void TcxCustomImage::LoadFromFile() {
  if (!CanModify()) return;
  String fileName;
  FIsDialogShowed = true;
  bool chosen;
  try {
    chosen = ExecuteFileDialog(false, FileFilter(ActiveProperties()->GraphicClass()), String(), fileName);
  } catch (...) {
    FIsDialogShowed = false;
    throw;
  }
  FIsDialogShowed = false;
  if (!chosen || !DoEditing()) return FireClosePopup(crCancel);
  FPicture->LoadFromFile(fileName);
  FireClosePopup(crEnter);
  FileLoaded();
}

void TcxCustomImage::SaveToFile() {
  if (!HasPicture(FPicture.get())) return;
  const TGraphicClass graphicClass = FPicture->Graphic()->ClassType();
  String fileName;
  FIsDialogShowed = true;
  bool chosen;
  try {
    chosen = ExecuteFileDialog(true, FileFilter(graphicClass), GraphicExtension(graphicClass), fileName);
  } catch (...) {
    FIsDialogShowed = false;
    throw;
  }
  FIsDialogShowed = false;
  if (chosen) FPicture->SaveToFile(fileName);
}

void TcxCustomImage::AssignFromCamera() {
  if (!CanModify()) return;
  TPicture snapshot;
  if (!ExecuteCameraDialog(&snapshot) || !DoEditing()) return FireClosePopup(crCancel);
  FPicture->Assign(&snapshot);
  FireClosePopup(crEnter);
}

// ---------------------------------------------------------------- menu

TPopupMenu* TcxCustomImage::PreparePopupMenu() {
  if (!FEditPopupMenu) {
    FEditPopupMenu = std::make_unique<TPopupMenu>(nullptr);
    FEditPopupMenu->SetImages(cxImageCommonResourcesInstance()->PopupMenuImageList());
    const std::pair<TResStringRec*, std::function<void()>> commands[] = {
        {&cxSMenuItemCaptionCut, [this] { CutToClipboard(); }},
        {&cxSMenuItemCaptionCopy, [this] { CopyToClipboard(); }},
        {&cxSMenuItemCaptionPaste, [this] { PasteFromClipboard(); }},
        {&cxSMenuItemCaptionDelete, [this] { DeletePicture(); }},
        {nullptr, nullptr},
        {&cxSMenuItemCaptionLoad, [this] { LoadFromFile(); }},
        {&cxSMenuItemCaptionAssignFromWebCam, [this] { AssignFromCamera(); }},
        {&cxSMenuItemCaptionSave, [this] { SaveToFile(); }},
        {nullptr, nullptr},
        {nullptr, [this] { DoCustomMenuClick(); }},
    };
    int glyph = 0;
    for (const auto& [caption, action] : commands) {
      auto* item = new TMenuItem(FEditPopupMenu.get());
      if (!action) {
        item->SetCaption(L"-");
      } else {
        if (caption) {
          item->SetCaption(LoadResString(caption));
          item->SetImageIndex(glyph);
          cxImageCommonResourcesInstance()->GetPopupMenuGlyph(glyph++, item->Bitmap());
        }
        item->OnClick = [this, action](TObject*) { RunUserAction(action); };
      }
      FEditPopupMenu->Items()->Add(item);
    }
  }
  const TcxPopupMenuItems shown = ActiveProperties()->PopupMenuLayout()->MenuItems();
  const bool modifiable = CanModify(), hasPicture = HasPicture(FPicture.get());
  const bool isIcon = ActiveProperties()->GraphicClass() == TIcon::StaticClass();
  const bool enabled[] = {modifiable && hasPicture && !isIcon,
                          hasPicture && !isIcon,
                          modifiable && CanPasteFromClipboard(),
                          modifiable && hasPicture,
                          modifiable,
                          modifiable && dxCameraDeviceExists(),
                          hasPicture,
                          true};
  TMenuItem* items = FEditPopupMenu->Items();
  for (int kind = 0; kind <= static_cast<int>(pmiCustom); ++kind) {
    const auto menuItem = static_cast<TcxPopupMenuItem>(kind);
    TMenuItem* item = items->Items(MenuIndexOf(menuItem));
    item->SetVisible(shown.Contains(menuItem));
    item->SetEnabled(enabled[kind]);
  }
  TMenuItem* custom = items->Items(MenuIndexOf(pmiCustom));
  custom->SetCaption(ActiveProperties()->PopupMenuLayout()->CustomMenuItemCaption());
  custom->SetBitmap(ActiveProperties()->PopupMenuLayout()->CustomMenuItemGlyph());
  custom->Bitmap()->SetTransparent(true);
  items->Items(SeparatorAfterDelete)->SetVisible(shown.Contains(pmiLoad) || shown.Contains(pmiWebCam));
  items->Items(SeparatorAfterSave)->SetVisible(shown.Contains(pmiCustom));
  return FEditPopupMenu.get();
}

void TcxCustomImage::DoContextPopup(const TPoint& MousePos, bool& Handled) {
  if (PopupMenu() || ActiveProperties()->PopupMenuLayout()->MenuItems().Empty())
    return TcxCustomEdit::DoContextPopup(MousePos, Handled);
  const TPoint at = ClientToScreen(MousePos == cxInvalidPoint ? TPoint(10, 10) : MousePos);
  PreparePopupMenu()->Popup(at.X, at.Y);
  Handled = true;
}

// ---------------------------------------------------------------- keys

void TcxCustomImage::KeyDown(uint16_t& Key, TShiftState Shift) {
  TcxCustomEdit::KeyDown(Key, Shift);
  const bool shiftOnly = Shift.Contains(ssShift) && !Shift.Contains(ssCtrl);
  const bool ctrlOnly = Shift.Contains(ssCtrl) && !Shift.Contains(ssShift);
  if (Key == VK_INSERT && shiftOnly)
    RunUserAction([this] { PasteFromClipboard(); });
  else if (Key == VK_INSERT && ctrlOnly)
    RunUserAction([this] { CopyToClipboard(); });
  else if (Key == VK_DELETE && shiftOnly)
    RunUserAction([this] { CutToClipboard(); });
}

bool TcxCustomImage::NeedsAfterKeyDownEvent(uint16_t Key, TShiftState Shift) {
  if (Key == VK_INSERT && (Shift.Contains(ssShift) || Shift.Contains(ssCtrl))) return false;
  if (Key == VK_DELETE && Shift.Contains(ssShift)) return false;
  return TcxCustomEdit::NeedsAfterKeyDownEvent(Key, Shift);
}

void TcxCustomImage::KeyPress(wchar_t& Key) {
  TcxCustomEdit::KeyPress(Key);
  switch (Key) {
    case 3: RunUserAction([this] { CopyToClipboard(); }); break;       // Ctrl+C
    case 22: RunUserAction([this] { PasteFromClipboard(); }); break;   // Ctrl+V
    case 24: RunUserAction([this] { CutToClipboard(); }); break;       // Ctrl+X
    default: return;
  }
  Key = 0;
}

// ---------------------------------------------------------------- zoom and scrolling

bool TcxCustomImage::IsZoomApplied() { return ActiveProperties()->FitMode() == ifmNormal; }

bool TcxCustomImage::CanScroll() {
  return !ActiveProperties()->Center() && IsZoomApplied() && HasPicture(FPicture.get());
}

TSize TcxCustomImage::ScrollRange() {
  const TRect client = ViewInfo()->ClientRect;
  return TSize{std::max(0, MulDiv(FPicture->Width(), FZoomPercent, 100) - client.Width()),
               std::max(0, MulDiv(FPicture->Height(), FZoomPercent, 100) - client.Height())};
}

void TcxCustomImage::SetTopLeft(const TPoint& AValue) {
  TPoint topLeft;
  if (CanScroll()) {
    const TSize range = ScrollRange();
    topLeft = TPoint(std::clamp(AValue.X, 0, range.cx), std::clamp(AValue.Y, 0, range.cy));
  }
  if (topLeft == FTopLeft) return;
  FTopLeft = topLeft;
  ShortRefreshContainer(false);
}

// The point at the client's centre stays there.
void TcxCustomImage::UpdateZoom() {
  const int percent = IsZoomApplied() ? FZoomingOptions->ZoomPercent() : 100;
  if (percent == FZoomPercent) return SetTopLeft(FTopLeft);
  const TRect client = ViewInfo()->ClientRect;
  auto keepCentre = [&](int APosition, int AClientSize) {
    return static_cast<int>(std::lround((AClientSize / 2.0 + APosition) * percent / std::max(FZoomPercent, 1) -
                                        AClientSize / 2.0));
  };
  const TPoint position(keepCentre(FTopLeft.X, client.Width()), keepCentre(FTopLeft.Y, client.Height()));
  FZoomPercent = percent;
  SetTopLeft(position);
  ShortRefreshContainer(false);
}

void TcxCustomImage::ZoomingOptionsChanged(TObject*) {
  UpdateZoomTrackBarRange();
  UpdateZoom();
  ShortRefreshContainer(false);
}

// ---------------------------------------------------------------- zoom bar

void TcxCustomImage::UpdateZoomTrackBarRange() {
  TdxCustomZoomTrackBarProperties* bar = ActiveProperties()->ZoomTrackBarProperties();
  bar->SetMax(FZoomingOptions->MaxZoom());
  bar->SetMin(FZoomingOptions->MinZoom());
  bar->FirstRange()->SetLineSize(FZoomingOptions->LowerLineSize());
  bar->SecondRange()->SetLineSize(FZoomingOptions->UpperLineSize());
}

bool TcxCustomImage::IsZoomTrackBarShown() {
  return FIsMouseInControl && FZoomingOptions->ShowZoomTrackBar() && IsZoomApplied();
}

TcxCustomTrackBarProperties* TcxCustomImage::GetActiveProperties() {
  return ActiveProperties()->ZoomTrackBarProperties();
}

TcxCustomTrackBarViewInfo* TcxCustomImage::GetViewInfo() { return ViewInfo()->ZoomTrackBarViewInfo(); }

TPoint TcxCustomImage::ZoomTrackBarPoint(int X, int Y) {
  const TRect& bar = ViewInfo()->ZoomTrackBarRect;
  return TPoint(X - bar.Left, Y - bar.Top);
}

bool TcxCustomImage::IsOverZoomTrackBar(int X, int Y) {
  return ViewInfo()->ShowZoomTrackBar && ViewInfo()->ZoomTrackBarRect.Contains(TPoint(X, Y));
}

void TcxCustomImage::MouseEnter(TControl* AControl) {
  TcxCustomEdit::MouseEnter(AControl);
  FIsMouseInControl = true;
  if (FZoomingOptions->ShowZoomTrackBar()) ShortRefreshContainer(false);
}

void TcxCustomImage::MouseLeave(TControl* AControl) {
  TcxCustomEdit::MouseLeave(AControl);
  FIsMouseInControl = false;
  if (ViewInfo()->ShowZoomTrackBar) FZoomTrackBarController->MouseLeave();
  ShortRefreshContainer(false);
}

bool TcxCustomImage::AllowMouseWheelScroll(TShiftState Shift, int ADelta, const TPoint& MousePos) {
  if (Shift.Contains(ssCtrl)) return IsZoomApplied();
  return TcxCustomEdit::AllowMouseWheelScroll(Shift, ADelta, MousePos);
}

bool TcxCustomImage::ScrollByMouseWheel(TShiftState Shift, int ADelta, const TPoint& MousePos) {
  if (!Shift.Contains(ssCtrl)) return TcxCustomEdit::ScrollByMouseWheel(Shift, ADelta, MousePos);
  if (ADelta > 0)
    ZoomIn();
  else
    ZoomOut();
  return true;
}

void TcxCustomImage::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TcxCustomEdit::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  if (IsOverZoomTrackBar(X, Y)) {
    FZoomTrackBarMouseDownPos = ZoomTrackBarPoint(X, Y);
    FZoomTrackBarSliding = true;
    FZoomTrackBarController->MouseDown(Button, Shift, FZoomTrackBarMouseDownPos.X, FZoomTrackBarMouseDownPos.Y);
    ShortRefreshContainer(false);
    return;
  }
  FLastDragPos = TPoint(X, Y);
}

void TcxCustomImage::MouseMove(TShiftState Shift, int X, int Y) {
  TcxCustomEdit::MouseMove(Shift, X, Y);
  if (FZoomTrackBarSliding || IsOverZoomTrackBar(X, Y)) {
    const TPoint p = ZoomTrackBarPoint(X, Y);
    FZoomTrackBarController->MouseMove(Shift, p.X, p.Y);
    ShortRefreshContainer(false);
    return;
  }
  if (!Shift.Contains(ssLeft) || !CanScroll()) return;
  SetTopLeft(TPoint(FTopLeft.X + FLastDragPos.X - X, FTopLeft.Y + FLastDragPos.Y - Y));
  FLastDragPos = TPoint(X, Y);
}

void TcxCustomImage::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (FZoomTrackBarSliding) {
    const TPoint p = ZoomTrackBarPoint(X, Y);
    FZoomTrackBarSliding = false;
    FZoomTrackBarController->MouseUp(Button, Shift, p.X, p.Y);
    ShortRefreshContainer(false);
  }
  TcxCustomEdit::MouseUp(Button, Shift, X, Y);
}

void TcxCustomImage::Resize() {
  TcxCustomEdit::Resize();
  SetTopLeft(FTopLeft);
}

// ---------------------------------------------------------------- unit

namespace {

void cxImageInitialize() {
  cxEditPropertiesRegistry()->Register(TcxImageProperties::StaticClass(),
                                       dxTranslatedResString(scxSEditRepositoryImageItem));
}

void cxImageFinalize() {
  cxEditPropertiesRegistry()->Unregister(TcxImageProperties::StaticClass());
  cxImageFreeCommonResources();
  cxFreeGraphicClassList();
}

}  // namespace

const TUnitEntry cxImageUnit{L"cxImage", cxImageInitialize, cxImageFinalize};
