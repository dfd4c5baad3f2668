#pragma once
// TCustomImageList: a list of equally sized images over a common-controls
// image list; TChangeLink: how a control hears that a list changed.
#include <vector>

#include "vcl/classes/Component.h"
#include "vcl/graphics/Colors.h"
#include "vcl/rtl/Sets.h"
#include "vcl/rtl/Strings.h"
#include "vcl/rtl/WinApi.h"

#include <commctrl.h>

class TBitmap;
class TCanvas;
class TIcon;
class TCustomImageList;

enum class TDrawingStyle { dsFocus, dsSelected, dsNormal, dsTransparent };
using enum TDrawingStyle;
enum class TImageType { itImage, itMask };
using enum TImageType;
enum class TColorDepth { cdDeviceDependent, cd4Bit, cd8Bit, cd16Bit, cd24Bit, cd32Bit };
using enum TColorDepth;
// The kind of resource a list loads its images from.
enum class TResType { rtBitmap, rtCursor, rtIcon };
using enum TResType;
enum class TLoadResource { lrDefaultColor, lrDefaultSize, lrFromFile, lrMap3DColors, lrTransparent, lrMonoChrome };
using enum TLoadResource;
using TLoadResources = TSet<TLoadResource>;
using TOverlay = uint8_t;  // 0..14

// Registered with a list, it is told (OnChange) whenever the list changes.
class TChangeLink : public TObject {
  VCL_CREATABLE_CLASS(TChangeLink, TObject)
public:
  ~TChangeLink() override;
  TCustomImageList* Sender() const { return FSender; }
  void Change();
  TNotifyEvent OnChange;

private:
  friend class TCustomImageList;
  TCustomImageList* FSender = nullptr;
};

class TCustomImageList : public TComponent {
  VCL_COMPONENT_CLASS(TCustomImageList, TComponent)
public:
  explicit TCustomImageList(TComponent* AOwner);
  ~TCustomImageList() override;

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  // A new size empties the list.
  virtual void SetSize(int AWidth, int AHeight);
  int Count() const;
  // The common-controls list, made on first use.
  HIMAGELIST Handle();
  bool HandleAllocated() const { return FHandle != nullptr; }
  // Takes the given list over (the old one is destroyed unless shared).
  void SetHandle(HIMAGELIST Value);
  TColorDepth ColorDepth() const { return FColorDepth; }
  void SetColorDepth(TColorDepth Value);
  TColor BkColor() const { return FBkColor; }
  void SetBkColor(TColor Value);
  TColor BlendColor() const { return FBlendColor; }
  void SetBlendColor(TColor Value) { FBlendColor = Value; }
  TDrawingStyle DrawingStyle() const { return FDrawingStyle; }
  void SetDrawingStyle(TDrawingStyle Value) { FDrawingStyle = Value; }
  TImageType ImageType() const { return FImageType; }
  void SetImageType(TImageType Value) { FImageType = Value; }
  bool ShareImages() const { return FShareImages; }
  void SetShareImages(bool Value) { FShareImages = Value; }
  int AllocBy() const { return FAllocBy; }
  int DesignInfo() const { return FDesignInfo; }
  void SetDesignInfo(int Value) { FDesignInfo = Value; }

  // The index of the first new image (a bitmap may hold several side by
  // side), or -1 when the list refuses it.
  virtual int Add(TBitmap* AImage, TBitmap* AMask);
  virtual int AddMasked(TBitmap* AImage, TColor AMaskColor);
  virtual int AddIcon(TIcon* AIcon);
  // -1 deletes every image.
  virtual void Delete(int AIndex);
  void Clear() { Delete(-1); }
  void Draw(TCanvas* ACanvas, int X, int Y, int AIndex, bool AEnabled = true);
  void Draw(TCanvas* ACanvas, int X, int Y, int AIndex, TDrawingStyle ADrawingStyle, TImageType AImageType,
            bool AEnabled = true);

  // The images of a resource of the module (or of a file with lrFromFile)
  // cut at Width (0: square images as high as the picture) replace the
  // list's; false, the list unchanged, when nothing can be loaded.
  bool GetInstRes(HINSTANCE Instance, TResType ResType, const String& Name, int Width, TLoadResources LoadFlags,
                  TColor MaskColor);
  bool GetInstRes(HINSTANCE Instance, TResType ResType, uint32_t ResID, int Width, TLoadResources LoadFlags,
                  TColor MaskColor);
  // From the program's own module.
  bool GetResource(TResType ResType, const String& Name, int Width, TLoadResources LoadFlags, TColor MaskColor);
  bool ResourceLoad(TResType ResType, const String& Name, TColor MaskColor);
  bool ResInstLoad(HINSTANCE Instance, TResType ResType, const String& Name, TColor MaskColor);
  bool FileLoad(TResType ResType, const String& Name, TColor MaskColor);
  // Makes the image at ImageIndex the overlay drawn for AOverlay.
  bool Overlay(int ImageIndex, TOverlay AOverlay);

  void RegisterChanges(TChangeLink* AValue);
  void UnRegisterChanges(TChangeLink* AValue);
  void Assign(TPersistent* Source) override;
  TNotifyEvent OnChange;

protected:
  // Tells the change links and OnChange.
  virtual void Change();
  virtual void DoDraw(int AIndex, TCanvas* ACanvas, int X, int Y, uint32_t AStyle, bool AEnabled = true);
  // What every resource and file load comes to; Name may be a resource id.
  virtual bool LoadResourceImages(HINSTANCE Instance, TResType ResType, const wchar_t* Name, int Width,
                                  TLoadResources LoadFlags, TColor MaskColor);
  void CreateList();

private:
  int Added(int AResult, int ACountBefore) const;
  HIMAGELIST FHandle = nullptr;
  int FWidth = 16;
  int FHeight = 16;
  int FAllocBy = 4;
  int FDesignInfo = 0;
  TColorDepth FColorDepth = cdDeviceDependent;
  TColor FBkColor = clNone;
  TColor FBlendColor = clNone;
  TDrawingStyle FDrawingStyle = dsNormal;
  TImageType FImageType = itImage;
  bool FShareImages = false;
  std::vector<TChangeLink*> FClients;
};

// The list the platform's drag operations show.
class TDragImageList : public TCustomImageList {
  VCL_COMPONENT_CLASS(TDragImageList, TCustomImageList)
public:
  using TCustomImageList::TCustomImageList;
};
