#pragma once
// Skins: named collections of drawing descriptions (details, colours, typed
// properties, groups of elements) and the binary skin stream they are kept
// in, read and written field by field.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "components/core/cxClasses.h"
#include "components/core/cxGraphics.h"
#include "components/core/dxCore.h"
#include "components/core/dxGdiPlusClasses.h"
#include "vcl/classes/Interfaces.h"
#include "vcl/rtl/Persistent.h"
#include "vcl/rtl/Sets.h"
#include "vcl/rtl/UnitStartup.h"

class TStream;
enum class TcxButtonState;

// Raised for a skin stream that cannot be read or a skin that cannot be
// written.
VCL_EXCEPTION(EdxSkinError, EdxException)

enum class TdxSkinChange { scStruct, scContent, scDetails };
using enum TdxSkinChange;
using TdxSkinChanges = TSet<TdxSkinChange>;

enum class TdxSkinObjectState { sosUnassigned, sosUnused };
using enum TdxSkinObjectState;
using TdxSkinObjectStates = TSet<TdxSkinObjectState>;

enum class TdxSkinElementState {
  esNormal, esHot, esPressed, esDisabled, esActive, esFocused, esDroppedDown, esChecked, esHotCheck,
  esActiveDisabled, esCheckPressed
};
using enum TdxSkinElementState;
using TdxSkinElementStates = TSet<TdxSkinElementState>;
constexpr int dxSkinElementStateCount = 11;

enum class TdxSkinImagePart {
  sipTopLeft, sipTop, sipTopRight, sipLeft, sipCenter, sipRight, sipBottomLeft, sipBottom, sipBottomRight
};
using enum TdxSkinImagePart;
enum class TdxSkinImageLayout { ilHorizontal, ilVertical };
using enum TdxSkinImageLayout;
enum class TdxSkinStretchMode { smStretch, smTile, smNoResize };
using enum TdxSkinStretchMode;
enum class TdxSkinGradientMode { gmHorizontal, gmVertical, gmForwardDiagonal, gmBackwardDiagonal };
using enum TdxSkinGradientMode;
enum class TdxSkinIconSize { sis16, sis48 };
using enum TdxSkinIconSize;
enum class TdxSkinImageSet { imsDefault, imsOriginal, imsAlternate };
using enum TdxSkinImageSet;

using TdxSkinChangeNotify = std::function<void(TObject* Sender, TdxSkinChanges AChanges)>;

extern TResStringRec sdxSkinInvalidStreamFormat;

// Runs AAction inside an update bracket of AObject that closes also when it
// raises.
template <class T, class F>
void dxSkinInsideUpdate(T* AObject, F AAction) {
  AObject->BeginUpdate();
  try {
    AAction();
  } catch (...) {
    AObject->EndUpdate();
    throw;
  }
  AObject->EndUpdate();
}

// ---------------------------------------------------------------- stream encodings

// The version the writers write; readers know 1.0 up to it.
constexpr double dxSkinStreamVersion = 1.1;
// The 18-byte header: four zero bytes (not checked when read), the ASCII
// signature "dxSkin" and the version as a double.
constexpr int dxSkinHeaderSize = 18;
void dxSkinWriteHeader(TStream* AStream);
// False, with the stream positioned anywhere, for fewer than 18 bytes,
// another signature or a version outside the known ones.
bool dxSkinReadHeader(TStream* AStream, double& AVersion);

// Every length read is checked against the bytes the stream has left, so a
// damaged length raises EdxSkinError instead of reading on.
int32_t dxSkinReadInt32(TStream* AStream);
// One byte holding one of ACount enumeration values; another value raises
// EdxSkinError.
uint8_t dxSkinReadByte(TStream* AStream, int ACount = 256);
void dxSkinWriteByte(TStream* AStream, uint8_t AValue);
// Four Int32: Left, Top, Right, Bottom.
TRect dxSkinReadRect(TStream* AStream);
void dxSkinWriteRect(TStream* AStream, const TRect& R);
// Int32 byte count, then the text in the system's ANSI code page. Writing a
// text the code page cannot hold raises EdxSkinError.
String dxSkinReadAnsiText(TStream* AStream);
void dxSkinWriteAnsiText(TStream* AStream, const String& AText);
// Int32 character count, then UTF-16 code units.
String dxSkinReadWideText(TStream* AStream);
void dxSkinWriteWideText(TStream* AStream, const String& AText);
// Int32 byte count and an image file (0: no image). Written as GIF when the
// image holds GIF data, otherwise as PNG; read through a window on exactly
// those bytes, after which the stream stands behind them.
void dxSkinReadImage(TStream* AStream, TdxGPImage* AImage);
void dxSkinWriteImage(TStream* AStream, TdxGPImage* AImage);

// A window of another stream: positions are relative to the window's
// start, reads stop at its end, and writes move its end.
class TdxSkinPartStream : public TStream {
  VCL_CLASS(TdxSkinPartStream, TStream)
public:
  TdxSkinPartStream(TStream* ASource, int64_t APosStart, int64_t ASize);
  int64_t Read(void* Buffer, int64_t Count) override;
  int64_t Write(const void* Buffer, int64_t Count) override;
  int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;
  int64_t Size() override { return FPosEnd - FPosStart; }

private:
  int64_t FPosEnd;
  int64_t FPosStart;
  TStream* FSource;
};

// ---------------------------------------------------------------- details

// What describes a skin: its names, notes and two icons.
class TdxSkinDetails : public TPersistent {
  VCL_CLASS(TdxSkinDetails, TPersistent)
public:
  TdxSkinDetails();
  ~TdxSkinDetails() override;

  // Names, notes and icons.
  void Assign(TPersistent* ASource) override;
  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();
  virtual void Clear();

  TdxSmartImage* GetIcon(TdxSkinIconSize ASize) const { return FIcons[static_cast<int>(ASize)].get(); }
  // Loads the default icon of the size from the program's "DXSKINS"
  // resources.
  void ResetIcon(TdxSkinIconSize ASize);

  // The details block of a skin stream of the version.
  virtual void DataRead(TStream* AStream, double AVersion);
  virtual void DataWrite(TStream* AStream);

  const String& DisplayName() const { return FDisplayName; }
  void SetDisplayName(const String& AValue);
  const String& GroupName() const { return FGroupName; }
  void SetGroupName(const String& AValue);
  const String& Name() const { return FName; }
  void SetName(const String& AValue);
  const String& Notes() const { return FNotes; }
  void SetNotes(const String& AValue);
  // The stream position of the skin the details were read from.
  int64_t DataOffset() const { return FDataOffset; }
  // Reads the details of the skin stream at the stream's position; false
  // when its header is not valid.
  bool LoadFromStream(TStream* AStream);

  TNotifyEvent OnChange;

protected:
  // Fires OnChange outside an update bracket.
  virtual void Changed();

private:
  void SetText(String& AField, const String& AValue);

  String FDisplayName;
  String FGroupName;
  std::array<std::unique_ptr<TdxSmartImage>, 2> FIcons;
  String FName;
  String FNotes;
  int FUpdateCount = 0;
  int64_t FDataOffset = 0;
};

// ---------------------------------------------------------------- objects and lists

// A named part of a skin. It reports its changes to OnChange, which its
// list or owner sets.
class TdxSkinCustomObject : public TPersistent {
  VCL_CLASS(TdxSkinCustomObject, TPersistent)
public:
  TdxSkinCustomObject(TPersistent* AOwner, const String& AName);

  // Reports to OnChange when the set is not empty.
  virtual void Changed(TdxSkinChanges AChanges);
  // The object's own data in a skin stream of the version.
  virtual void DataRead(TStream* AStream, double AVersion) {}
  virtual void DataWrite(TStream* AStream) {}

  const String& Name() const { return FName; }
  void SetName(const String& AValue);
  TdxSkinObjectStates State() const { return FState; }
  void SetState(TdxSkinObjectStates AValue) { FState = AValue; }
  int Tag() const { return FTag; }
  void SetTag(int AValue) { FTag = AValue; }

  TdxSkinChangeNotify OnChange;

protected:
  virtual void DoChanged(TdxSkinChanges AChanges);
  TPersistent* GetOwner() const override { return FOwner; }

private:
  friend class TdxSkinCustomObjectList;
  String FName;
  TPersistent* FOwner;
  TdxSkinObjectStates FState{sosUnused};
  int FTag = 0;
};

// An owning list of skin objects kept sorted by name for lookups. Items
// report their changes through the list, which reports to OnChange.
class TdxSkinCustomObjectList : public TcxObjectList {
  VCL_CLASS(TdxSkinCustomObjectList, TcxObjectList)
public:
  TdxSkinCustomObjectList(TPersistent* AOwner, const TdxSkinChangeNotify& AChangeHandler);
  // Items are freed without reports.
  ~TdxSkinCustomObjectList() override;

  virtual void DataRead(TStream* AStream, double AVersion) = 0;
  virtual void DataWrite(TStream* AStream) = 0;

  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();
  virtual void Changed(TdxSkinChanges AChanges);
  // Frees every item.
  void ClearItems();
  // Frees the item when the list holds it; true then.
  bool DeleteItem(TdxSkinCustomObject* AItem);
  void Exchange(int AIndex1, int AIndex2);
  // Sorts the list by name first when it is not sorted; names compare
  // case-sensitively.
  TdxSkinCustomObject* FindItemByName(const String& AName);
  TdxSkinCustomObject* Item(int AIndex) const { return static_cast<TdxSkinCustomObject*>(GetItem(AIndex)); }
  // By name, and the children's own lists too with ASortChildren.
  void Sort(bool ASortChildren);

  TPersistent* Owner() const { return FOwner; }
  TdxSkinChangeNotify OnChange;

protected:
  // Takes the item over, names it and reports the new member.
  void AddItem(TdxSkinCustomObject* AItem, const String& AName);
  virtual void SortChildren() {}

private:
  void ItemChanged(TObject* Sender, TdxSkinChanges AChanges) { Changed(AChanges); }

  TdxSkinChanges FChanges;
  TPersistent* FOwner;
  bool FSorted = false;
  int FUpdateCount = 0;
};

// ---------------------------------------------------------------- properties

class TdxSkinProperty;
using TdxSkinPropertyClass = TClass;

// A named, typed value. Each class keeps its data in the skin stream; only
// registered classes can be read from one.
class TdxSkinProperty : public TdxSkinCustomObject {
  VCL_CLASS(TdxSkinProperty, TdxSkinCustomObject)
public:
  TdxSkinProperty() : TdxSkinCustomObject(nullptr, String()) {}
  static void Register(TdxSkinPropertyClass AClass);
  static void Unregister(TdxSkinPropertyClass AClass);
  static bool IsRegistered(TdxSkinPropertyClass AClass);
  // The class name without "TdxSkin" and "Property" (Integer, Color, ...).
  static String Description(TdxSkinPropertyClass AClass);
  // Same name ignoring case; descendants also ask for the same class and
  // an equal value.
  virtual bool Compare(TdxSkinProperty* AProperty);

protected:
  // Same class and name.
  bool IsSameKind(TdxSkinProperty* AProperty) const;
};

// A property whose value is one plain value of type T.
template <class T>
class TdxSkinValueProperty : public TdxSkinProperty {
public:
  const T& Value() const { return FValue; }
  void SetValue(const T& AValue) {
    if (FValue == AValue) return;
    FValue = AValue;
    Changed({scContent});
  }
  void Assign(TPersistent* ASource) override {
    if (auto* source = dynamic_cast<TdxSkinValueProperty*>(ASource)) {
      if (source->ClassType() == ClassType()) return SetValue(source->FValue);
    }
    TdxSkinProperty::Assign(ASource);
  }
  bool Compare(TdxSkinProperty* AProperty) override {
    return IsSameKind(AProperty) && static_cast<TdxSkinValueProperty*>(AProperty)->FValue == FValue;
  }

protected:
  explicit TdxSkinValueProperty(const T& ADefault = T()) : FValue(ADefault) {}
  T FValue;
};

class TdxSkinIntegerProperty : public TdxSkinValueProperty<int32_t> {
  VCL_CREATABLE_CLASS(TdxSkinIntegerProperty, TdxSkinProperty)
public:
  void DataRead(TStream* AStream, double AVersion) override;
  void DataWrite(TStream* AStream) override;
};

class TdxSkinBooleanProperty : public TdxSkinValueProperty<bool> {
  VCL_CREATABLE_CLASS(TdxSkinBooleanProperty, TdxSkinProperty)
public:
  void DataRead(TStream* AStream, double AVersion) override;
  void DataWrite(TStream* AStream) override;
};

class TdxSkinColor : public TdxSkinValueProperty<TColor> {
  VCL_CREATABLE_CLASS(TdxSkinColor, TdxSkinProperty)
public:
  TdxSkinColor() : TdxSkinValueProperty(clDefault) {}
  void DataRead(TStream* AStream, double AVersion) override;
  void DataWrite(TStream* AStream) override;
};

class TdxSkinRectProperty : public TdxSkinValueProperty<TRect> {
  VCL_CREATABLE_CLASS(TdxSkinRectProperty, TdxSkinProperty)
public:
  void DataRead(TStream* AStream, double AVersion) override;
  void DataWrite(TStream* AStream) override;
};

class TdxSkinSizeProperty : public TdxSkinValueProperty<TSize> {
  VCL_CREATABLE_CLASS(TdxSkinSizeProperty, TdxSkinProperty)
public:
  int cx() const { return FValue.cx; }
  void Setcx(int AValue) { SetValue(TSize(AValue, FValue.cy)); }
  int cy() const { return FValue.cy; }
  void Setcy(int AValue) { SetValue(TSize(FValue.cx, AValue)); }
  void DataRead(TStream* AStream, double AVersion) override;
  void DataWrite(TStream* AStream) override;
};

// Kept in the system's ANSI code page.
class TdxSkinStringProperty : public TdxSkinValueProperty<String> {
  VCL_CREATABLE_CLASS(TdxSkinStringProperty, TdxSkinProperty)
public:
  void DataRead(TStream* AStream, double AVersion) override;
  void DataWrite(TStream* AStream) override;
};

// Kept as UTF-16.
class TdxSkinWideStringProperty : public TdxSkinValueProperty<String> {
  VCL_CREATABLE_CLASS(TdxSkinWideStringProperty, TdxSkinProperty)
public:
  void DataRead(TStream* AStream, double AVersion) override;
  void DataWrite(TStream* AStream) override;
};

// One side's border: a strip Thin pixels wide in Color (clNone: none).
class TdxSkinBorder : public TdxSkinProperty {
  VCL_CREATABLE_CLASS(TdxSkinBorder, TdxSkinProperty)
public:
  TdxSkinBorder() = default;
  void Assign(TPersistent* ASource) override;
  bool Compare(TdxSkinProperty* AProperty) override;
  // Streams below version 1.09 name the border before its data.
  void DataRead(TStream* AStream, double AVersion) override;
  void DataWrite(TStream* AStream) override;
  // The strip along its side of ABounds.
  void Draw(TdxGPCanvas* ACanvas, const TRect& ABounds);
  void Draw(HDC DC, const TRect& ABounds);

  TColor Color() const { return FColor; }
  void SetColor(TColor AValue);
  // Thin, or 0 for no border.
  int ContentMargin() const { return FColor == clNone ? 0 : FThin; }
  TcxBorder Kind() const { return FKind; }
  int Thin() const { return FThin; }
  void SetThin(int AValue);

private:
  friend class TdxSkinBorders;
  TColor FColor = clNone;
  TcxBorder FKind = bLeft;
  int FThin = 1;
};

// The four borders, named Left, Top, Right and Bottom.
class TdxSkinBorders : public TdxSkinProperty {
  VCL_CREATABLE_CLASS(TdxSkinBorders, TdxSkinProperty)
public:
  TdxSkinBorders();
  ~TdxSkinBorders() override;
  void Assign(TPersistent* ASource) override;
  bool Compare(TdxSkinProperty* AProperty) override;
  void DataRead(TStream* AStream, double AVersion) override;
  void DataWrite(TStream* AStream) override;
  // Left, top, right, bottom in that order.
  void Draw(TdxGPCanvas* ACanvas, const TRect& ABounds);
  void ResetToDefaults();

  TdxSkinBorder* GetBorder(TcxBorder ABorder) const { return FBorders[static_cast<int>(ABorder)].get(); }
  TdxSkinBorder* Left() const { return GetBorder(bLeft); }
  TdxSkinBorder* Top() const { return GetBorder(bTop); }
  TdxSkinBorder* Right() const { return GetBorder(bRight); }
  TdxSkinBorder* Bottom() const { return GetBorder(bBottom); }
  TRect ContentMargins() const;

private:
  std::array<std::unique_ptr<TdxSkinBorder>, 4> FBorders;
};

// What an element draws instead of its image where the image is missing or
// the alternate images are chosen: a gradient and two rings of borders.
class TdxSkinAlternateImageAttributes : public TdxSkinProperty {
  VCL_CREATABLE_CLASS(TdxSkinAlternateImageAttributes, TdxSkinProperty)
public:
  TdxSkinAlternateImageAttributes();
  ~TdxSkinAlternateImageAttributes() override;
  void Assign(TPersistent* ASource) override;
  bool Compare(TdxSkinProperty* AProperty) override;
  void DataRead(TStream* AStream, double AVersion) override;
  void DataWrite(TStream* AStream) override;
  void Draw(TdxGPCanvas* ACanvas, const TRect& R);
  bool IsAlphaUsed() const { return FAlpha != 255 || FContentOffsets != TRect(); }

  uint8_t Alpha() const { return FAlpha; }
  void SetAlpha(uint8_t AValue);
  TdxSkinBorders* Borders() const { return FBorders.get(); }
  TdxSkinBorders* BordersInner() const { return FBordersInner.get(); }
  const TRect& ContentOffsets() const { return FContentOffsets; }
  void SetContentOffsets(const TRect& AValue);
  TdxSkinGradientMode Gradient() const { return FGradient; }
  void SetGradient(TdxSkinGradientMode AValue);
  TColor GradientBeginColor() const { return FGradientBeginColor; }
  void SetGradientBeginColor(TColor AValue);
  TColor GradientEndColor() const { return FGradientEndColor; }
  void SetGradientEndColor(TColor AValue);

private:
  uint8_t FAlpha = 255;
  std::unique_ptr<TdxSkinBorders> FBorders;
  std::unique_ptr<TdxSkinBorders> FBordersInner;
  TRect FContentOffsets;
  TdxSkinGradientMode FGradient = gmHorizontal;
  TColor FGradientBeginColor = clNone;
  TColor FGradientEndColor = clNone;
};

// A list of properties of any registered class.
class TdxSkinProperties : public TdxSkinCustomObjectList {
  VCL_CLASS(TdxSkinProperties, TdxSkinCustomObjectList)
public:
  using TdxSkinCustomObjectList::TdxSkinCustomObjectList;
  TdxSkinProperty* Add(const String& AName, TdxSkinPropertyClass AClass);
  void Assign(TdxSkinProperties* ASource);
  // Pairwise in list order.
  bool Compare(TdxSkinProperties* AProperties);
  TdxSkinProperty* FindItemByName(const String& AName) {
    return static_cast<TdxSkinProperty*>(TdxSkinCustomObjectList::FindItemByName(AName));
  }
  TdxSkinProperty* GetItem(int AIndex) const { return static_cast<TdxSkinProperty*>(Item(AIndex)); }
  void DataRead(TStream* AStream, double AVersion) override;
  void DataWrite(TStream* AStream) override;

protected:
  // The class entries must have; reading another raises.
  virtual TClass ItemClass() const { return TdxSkinProperty::StaticClass(); }
};

class TdxSkinColors : public TdxSkinProperties {
  VCL_CLASS(TdxSkinColors, TdxSkinProperties)
public:
  using TdxSkinProperties::TdxSkinProperties;
  TdxSkinColor* Add(const String& AName, TColor AValue);
  TdxSkinColor* FindItemByName(const String& AName) {
    return static_cast<TdxSkinColor*>(TdxSkinProperties::FindItemByName(AName));
  }
  TdxSkinColor* GetItem(int AIndex) const { return static_cast<TdxSkinColor*>(Item(AIndex)); }

protected:
  TClass ItemClass() const override { return TdxSkinColor::StaticClass(); }
};

// ---------------------------------------------------------------- persistent objects

class TdxSkinPersistent : public TdxSkinCustomObject {
  VCL_CLASS(TdxSkinPersistent, TdxSkinCustomObject)
public:
  TdxSkinPersistent(TPersistent* AOwner, const String& AName);
  ~TdxSkinPersistent() override;

  // Marks the object modified and reports, or keeps the changes for the end
  // of the update bracket.
  void Changed(TdxSkinChanges AChanges) override;
  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();
  // Ends the bracket and drops what it kept.
  void CancelUpdate();
  virtual void Clear();
  virtual void DeleteProperty(TdxSkinProperty* AProperty);
  void DeleteProperty(const String& APropertyName);
  virtual void Sort(bool ASortChildren);

  TdxSkinProperty* AddProperty(const String& AName, TdxSkinPropertyClass APropertyClass);
  TdxSkinBooleanProperty* AddPropertyBool(const String& AName, bool AValue);
  TdxSkinColor* AddPropertyColor(const String& AName, TColor AValue);
  TdxSkinIntegerProperty* AddPropertyInteger(const String& AName, int AValue);
  void ExchangeProperty(int AIndex1, int AIndex2) { FProperties->Exchange(AIndex1, AIndex2); }
  // Null when there is none.
  TdxSkinProperty* GetPropertyByName(const String& AName) { return FProperties->FindItemByName(AName); }
  bool GetPropertyByName(const String& AName, TdxSkinProperty*& AProperty);
  TdxSkinProperty* GetProperty(int AIndex) const { return FProperties->GetItem(AIndex); }
  int PropertyCount() const { return FProperties->Count(); }
  TdxSkinProperties* Properties() const { return FProperties.get(); }

  bool Modified() const { return FModified; }
  void SetModified(bool AValue) { FModified = AValue; }

protected:
  // Ends an update bracket without reporting: what it kept goes with the
  // next report.
  void LeaveUpdate() {
    if (FUpdateCount > 0) --FUpdateCount;
  }
  // A handler that reports a list's changes as this object's.
  TdxSkinChangeNotify ChangeForwarder() {
    return [this](TObject*, TdxSkinChanges AChanges) { Changed(AChanges); };
  }

private:
  TdxSkinChanges FChanges;
  bool FModified = false;
  int FUpdateCount = 0;
  std::unique_ptr<TdxSkinProperties> FProperties;
};

class TdxSkin;
class TdxSkinElement;
class TdxSkinElementCache;
class TdxSkinControlGroup;
using TdxSkinElementClass = TClass;

// Which images elements draw: their own, or their alternate attributes
// (always for an element without an image).
extern TdxSkinImageSet SkinImageSet;

class TdxSkinCanvasHelper {
public:
  TdxSkinCanvasHelper() = delete;
  // Nothing unless AColor1 is a real colour; solid when AColor2 is the same
  // or no real colour; otherwise a linear gradient in the mode.
  static void FillRectByGradient(TdxGPCanvas* ACanvas, const TRect& R, TColor AColor1, TColor AColor2,
                                 TdxSkinGradientMode AMode, uint8_t AAlpha);
};

// ---------------------------------------------------------------- images and elements

// A texture holding, along one axis, a frame for every image index and
// every state of States, each drawn in nine parts.
class TdxSkinImage : public TPersistent {
  VCL_CLASS(TdxSkinImage, TPersistent)
public:
  explicit TdxSkinImage(TdxSkinElement* AOwner);
  ~TdxSkinImage() override;

  // An empty source clears this image; otherwise the texture and source
  // name are copied, then the other values.
  void Assign(TPersistent* ASource) override;
  virtual bool Compare(TdxSkinImage* AImage);
  // Forgets the texture and the source name.
  void Clear();
  void DataRead(TStream* AStream, double AVersion);
  void DataWrite(TStream* AStream);
  void LoadFromFile(const String& AFileName);
  void LoadFromResource(HINSTANCE AInstance, const String& AName, const wchar_t* AType);
  // The texture only.
  void LoadFromStream(TStream* AStream);
  // Nothing for an empty image; the file's extension becomes ".png".
  void SaveToFile(const String& AFileName);
  // GIF data as it is, anything else as PNG.
  void SaveToStream(TStream* AStream);

  // The frame of the state for the image index (image 0's frames come
  // first, then image 1's, ...).
  TRect GetStateBounds(int AImageIndex, TdxSkinElementState AState);
  // The index lowered to the last image; a state the image lacks becomes
  // its first one.
  void ResolveState(int& AImageIndex, TdxSkinElementState& AState);
  // Nine parts: corners keep their size, edges and centre stretch or tile.
  // An empty image fills the area inside its margins with its gradient.
  virtual void DrawEx(TdxGPCanvas* ACanvas, const TRect& ARect, int AImageIndex = 0,
                      TdxSkinElementState AState = esNormal);
  void Draw(HDC DC, const TRect& ARect, int AImageIndex = 0, TdxSkinElementState AState = esNormal);
  // ABitmap resized to one frame, filled with the background (none for
  // clNone, the canvas's brush for clDefault), and the frame drawn on it.
  void GetBitmap(int AImageIndex, TdxSkinElementState AState, TBitmap* ABitmap, TColor ABackgroundColor = clNone);
  // Rebuilds the texture with the frames of the listed states in the given
  // order (transparent for a state the image lacks); States becomes them.
  void SetStateMapping(std::initializer_list<TdxSkinElementState> ATargetStateOrder);
  // One frame's size.
  TSize Size();
  int StateCount();

  // No source name and an empty texture.
  bool Empty() const { return FSourceName.empty() && FTexture->Empty(); }
  // The element's name with "_Image.png" or "_Glyph.png" for a non-empty
  // image of an element; otherwise empty.
  String Name() const;
  // Loads the file.
  void SetName(const String& AValue) { LoadFromFile(AValue); }
  String SourceName() const;
  TdxSkinElement* Owner() const { return FOwner; }
  TdxSmartImage* Texture() const { return FTexture.get(); }

  TdxSkinGradientMode Gradient() const { return FGradient; }
  void SetGradient(TdxSkinGradientMode AValue);
  TColor GradientBeginColor() const { return FGradientBeginColor; }
  void SetGradientBeginColor(TColor AValue);
  TColor GradientEndColor() const { return FGradientEndColor; }
  void SetGradientEndColor(TColor AValue);
  int ImageCount() const { return FImageCount; }
  // Never below 1.
  void SetImageCount(int AValue);
  TdxSkinImageLayout ImageLayout() const { return FImageLayout; }
  void SetImageLayout(TdxSkinImageLayout AValue);
  // Left, top, right and bottom widths of the fixed bands.
  const TRect& Margins() const { return FMargins; }
  void SetMargins(const TRect& AValue);
  TdxSkinElementStates States() const { return FStates; }
  void SetStates(TdxSkinElementStates AValue);
  TdxSkinStretchMode Stretch() const { return FStretch; }
  void SetStretch(TdxSkinStretchMode AValue);

  TNotifyEvent OnChange;

protected:
  // Derived information is recalculated before its next use.
  virtual void Changed();
  // Frame size, state frames and the nine source parts.
  virtual void CalculateInfo();

private:
  template <class T>
  void SetValue(T& AField, const T& AValue);
  void CheckInfo() {
    if (FIsDirty) CalculateInfo();
  }
  // The frame size along the layout axis.
  TPoint FrameStep() const;

  TdxSkinGradientMode FGradient = gmHorizontal;
  TColor FGradientBeginColor = clNone;
  TColor FGradientEndColor = clNone;
  int FImageCount = 1;
  TdxSkinImageLayout FImageLayout = ilHorizontal;
  bool FIsDirty = true;
  TRect FMargins;
  TdxSkinElement* FOwner;
  std::array<TRect, 9> FPartsBounds;
  TSize FSize;
  String FSourceName;
  std::array<TRect, dxSkinElementStateCount> FStateBounds;
  int FStateCount = 0;
  TdxSkinElementStates FStates{esNormal};
  TdxSkinStretchMode FStretch = smStretch;
  std::unique_ptr<TdxSmartImage> FTexture;
};

// A drawable part of a control: background colour, image, borders and a
// glyph in its content area.
class TdxSkinElement : public TdxSkinPersistent {
  VCL_CREATABLE_CLASS(TdxSkinElement, TdxSkinPersistent)
public:
  TdxSkinElement() : TdxSkinElement(nullptr, String()) {}
  TdxSkinElement(TPersistent* AOwner, const String& AName);
  ~TdxSkinElement() override;

  void Assign(TPersistent* ASource) override;
  // Flushes the cache and reports.
  void Changed(TdxSkinChanges AChanges) override;
  virtual bool Compare(TdxSkinElement* AElement);
  void DataRead(TStream* AStream, double AVersion) override;
  void DataWrite(TStream* AStream) override;
  // The Name rule of the element's images.
  virtual String ImageFileName(TdxSkinImage* AImage);

  // Nothing for an empty rectangle or one the DC does not show; through the
  // cache when there is one.
  virtual void Draw(HDC DC, const TRect& ARect, int AImageIndex = 0, TdxSkinElementState AState = esNormal);
  // Background colour, image (or alternate attributes), borders, glyph.
  virtual void DrawEx(TdxGPCanvas* ACanvas, const TRect& ARect, int AImageIndex = 0,
                      TdxSkinElementState AState = esNormal);
  // A new image of ASize (of CalculateMinSize where a side is 0) with the
  // element drawn on it.
  std::unique_ptr<TdxSmartImage> GetImage(int AImageIndex, const TSize& ASize, TdxSkinElementState AState);
  TSize CalculateMinSize();
  // The colour property named APropertyPrefix and the state's suffix
  // (TextColor, TextColorHot, TextColorPressed, TextColorDisabled; none for
  // the default state); when it is missing or clDefault, the normal state's
  // colour, and for the normal state TextColor.
  virtual TColor GetTextColor(TcxButtonState AState, const String& APropertyPrefix = String());
  // Whether a rendering needs an alpha channel.
  bool IsAlphaUsed();
  // A property "AlternateImage<index + 1><state>" of alternate attributes.
  TdxSkinAlternateImageAttributes* AddAlternateImageAttributes(TdxSkinElementState AState, int AImageIndex);
  void SetStateMapping(std::initializer_list<TdxSkinElementState> AStateOrder);
  bool UseCache() const { return FCache != nullptr; }
  void SetUseCache(bool AValue);

  uint8_t Alpha() const { return FAlpha; }
  void SetAlpha(uint8_t AValue);
  TdxSkinBorders* Borders() const { return FBorders.get(); }
  TColor Color() const { return FColor; }
  void SetColor(TColor AValue);
  const TRect& ContentOffset() const { return FContentOffset; }
  void SetContentOffset(const TRect& AValue);
  TdxSkinImage* Glyph() const { return FGlyph.get(); }
  TdxSkinImage* Image() const { return FImage.get(); }
  const TSize& MinSize() const { return FMinSize; }
  void SetMinSize(const TSize& AValue);
  TColor TextColor() const { return FTextColor; }
  void SetTextColor(TColor AValue);
  TdxSkinControlGroup* Group() const;
  int ImageCount() const { return FImage->ImageCount(); }
  // The group's name and "\".
  String Path() const;
  TdxSkinElementStates States() const { return FImage->States(); }

private:
  template <class T>
  void SetValue(T& AField, const T& AValue);
  void ImageChanged(TObject* Sender) { Changed({scContent}); }
  // The alternate attributes that replace the image for the state, or null.
  TdxSkinAlternateImageAttributes* AlternateImageAttributes(TdxGPCanvas* ACanvas, int AImageIndex,
                                                            TdxSkinElementState AState);

  uint8_t FAlpha = 255;
  bool FAlternateImageSetDirty = true;
  int FAlternateImageSetIndex = -1;
  std::array<TdxSkinAlternateImageAttributes*, dxSkinElementStateCount> FAlternateImageSet{};
  std::unique_ptr<TdxSkinBorders> FBorders;
  std::unique_ptr<TdxSkinElementCache> FCache;
  TColor FColor = clDefault;
  TRect FContentOffset;
  std::unique_ptr<TdxSkinImage> FGlyph;
  std::unique_ptr<TdxSkinImage> FImage;
  TSize FMinSize;
  TColor FTextColor = clDefault;
};

// The placeholder of a missing element: white with a red frame.
class TdxSkinEmptyElement : public TdxSkinElement {
  VCL_CREATABLE_CLASS(TdxSkinEmptyElement, TdxSkinElement)
public:
  using TdxSkinElement::TdxSkinElement;
  TdxSkinEmptyElement() : TdxSkinElement(nullptr, String()) {}
  void Draw(HDC DC, const TRect& ARect, int AImageIndex = 0, TdxSkinElementState AState = esNormal) override;
};

// The shared placeholder element; null outside the unit's life.
TdxSkinElement* EmptySkinElement();

// The last rendering of one element at one size, state, image index and
// image set; drawn again with one copy.
class TdxSkinElementCache : public TObject {
  VCL_CLASS(TdxSkinElementCache, TObject)
public:
  void DrawEx(HDC DC, TdxSkinElement* AElement, const TRect& R, TdxSkinElementState AState, int AImageIndex);
  // The next draw renders again.
  void Flush();

private:
  std::unique_ptr<TdxGPImage> FCache;
  std::unique_ptr<TcxBitmap> FCacheOpaque;
  TdxSkinElement* FElement = nullptr;
  int FImageIndex = 0;
  TdxSkinImageSet FImageSet = imsDefault;
  TRect FRect;
  TdxSkinElementState FState = esNormal;
};

class TdxSkinElements : public TdxSkinCustomObjectList {
  VCL_CLASS(TdxSkinElements, TdxSkinCustomObjectList)
public:
  using TdxSkinCustomObjectList::TdxSkinCustomObjectList;
  TdxSkinElement* Add(const String& AName, TdxSkinElementClass AClass);
  void Assign(TdxSkinElements* ASource);
  TdxSkinElement* FindItemByName(const String& AName);
  TdxSkinElement* GetItem(int AIndex) const;
  void DataRead(TStream* AStream, double AVersion) override;
  void DataWrite(TStream* AStream) override;

protected:
  void SortChildren() override;
};

// The elements of one kind of control.
class TdxSkinControlGroup : public TdxSkinPersistent {
  VCL_CREATABLE_CLASS(TdxSkinControlGroup, TdxSkinPersistent)
public:
  TdxSkinControlGroup() : TdxSkinControlGroup(nullptr, String()) {}
  TdxSkinControlGroup(TPersistent* AOwner, const String& AName);
  ~TdxSkinControlGroup() override;

  void Assign(TPersistent* ASource) override;
  void Clear() override;
  void Sort(bool ASortChildren) override;
  void DataRead(TStream* AStream, double AVersion) override;
  void DataWrite(TStream* AStream) override;

  TdxSkinElement* AddElement(const String& AName);
  TdxSkinElement* AddElementEx(const String& AName, TdxSkinElementClass AElementClass);
  TdxSkinElement* GetElementByName(const String& AName) { return FElements->FindItemByName(AName); }
  bool GetElementByName(const String& AName, TdxSkinElement*& AElement);
  void Delete(int AIndex);
  void RemoveElement(TdxSkinElement* AElement);
  void RemoveElementByName(const String& AName);
  void ExchangeElements(int AIndex1, int AIndex2) { FElements->Exchange(AIndex1, AIndex2); }
  void ClearModified();
  int Count() const { return FElements->Count(); }
  TdxSkinElement* GetElement(int AIndex) const { return FElements->GetItem(AIndex); }
  // Assigns AElement into the element at the index.
  void SetElement(int AIndex, TdxSkinElement* AElement);
  bool HasMissingElements() const;
  TdxSkin* Skin() const;

private:
  std::unique_ptr<TdxSkinElements> FElements;
};

class TdxSkinControlGroups : public TdxSkinCustomObjectList {
  VCL_CLASS(TdxSkinControlGroups, TdxSkinCustomObjectList)
public:
  using TdxSkinCustomObjectList::TdxSkinCustomObjectList;
  TdxSkinControlGroup* Add(const String& AName);
  void Assign(TdxSkinControlGroups* ASource);
  TdxSkinControlGroup* FindItemByName(const String& AName) {
    return static_cast<TdxSkinControlGroup*>(TdxSkinCustomObjectList::FindItemByName(AName));
  }
  TdxSkinControlGroup* GetItem(int AIndex) const { return static_cast<TdxSkinControlGroup*>(Item(AIndex)); }
  void DataRead(TStream* AStream, double AVersion) override;
  void DataWrite(TStream* AStream) override;

protected:
  void SortChildren() override;
};

// ---------------------------------------------------------------- skin

// Told of a skin's changes; one that also answers the extended interface
// learns which kinds of change happened.
class IdxSkinChangeListener : public IInterface {
public:
  virtual void SkinChanged(TdxSkin* Sender) = 0;
};
class IdxSkinChangeListenerEx : public IInterface {
public:
  virtual void SkinChanged(TdxSkin* Sender, TdxSkinChanges AChanges) = 0;
};
extern const GUID IID_IdxSkinChangeListener;
extern const GUID IID_IdxSkinChangeListenerEx;

class TdxSkin : public TdxSkinPersistent {
  VCL_CLASS(TdxSkin, TdxSkinPersistent)
public:
  // With ALoadOnCreate, loads the "DXSKINS" resource named AName of the
  // module (the program's own for 0).
  explicit TdxSkin(const String& AName, bool ALoadOnCreate = false, HINSTANCE hInst = nullptr);
  ~TdxSkin() override;

  // Details, colours, groups and properties.
  void Assign(TPersistent* ASource) override;
  void Clear() override;
  void ClearModified();
  // A new skin of the same content.
  std::unique_ptr<TdxSkin> Clone(const String& AName);
  // From the properties or the colours, whichever holds it.
  void DeleteProperty(TdxSkinProperty* AProperty) override;
  using TdxSkinPersistent::DeleteProperty;
  void Sort(bool ASortChildren) override;

  // The skin stream. Loading reads into a new skin first and takes its
  // content only when the whole stream was read, so a damaged stream raises
  // EdxSkinError (or the stream's read error) and leaves this skin as it
  // was.
  virtual void LoadFromStream(TStream* AStream);
  virtual void SaveToStream(TStream* AStream);
  void LoadFromFile(const String& AFileName);
  void SaveToFile(const String& AFileName);
  virtual void LoadFromResource(HINSTANCE hInst);
  // The container of skins: loads its first skin, or writes one holding
  // only this skin.
  void LoadFromBinaryStream(TStream* AStream);
  void LoadFromBinaryFile(const String& AFileName);
  void SaveToBinaryStream(TStream* AStream);
  void SaveToBinaryFile(const String& AFileName);

  TdxSkinColor* AddColor(const String& AName, TColor AColor) { return FColors->Add(AName, AColor); }
  TdxSkinControlGroup* AddGroup(const String& AName) { return FGroups->Add(AName); }
  TdxSkinColor* GetColorByName(const String& AName) { return FColors->FindItemByName(AName); }
  TdxSkinControlGroup* GetGroupByName(const String& AName) { return FGroups->FindItemByName(AName); }
  bool GetGroupByName(const String& AName, TdxSkinControlGroup*& AGroup);
  TdxSkinColor* GetColor(int AIndex) const { return FColors->GetItem(AIndex); }
  int ColorCount() const { return FColors->Count(); }
  TdxSkinControlGroup* GetGroup(int AIndex) const { return FGroups->GetItem(AIndex); }
  int GroupCount() const { return FGroups->Count(); }
  void ExchangeColors(int AIndex1, int AIndex2) { FColors->Exchange(AIndex1, AIndex2); }
  void ExchangeGroups(int AIndex1, int AIndex2) { FGroups->Exchange(AIndex1, AIndex2); }
  // Removes and frees the group.
  virtual void DeleteGroup(TdxSkinControlGroup* AGroup);
  bool HasMissingElements() const;

  // Kept as counted references; a listener is listed once.
  void AddListener(IInterface* AListener);
  void RemoveListener(IInterface* AListener);
  int ListenerCount() const { return static_cast<int>(FListeners.size()); }

  TdxSkinDetails* Details() const { return FDetails.get(); }
  // The details' display name, or Name when that is empty.
  String DisplayName() const;
  const String& Name() const { return FDetails->Name(); }
  void SetName(const String& AValue) { FDetails->SetName(AValue); }

protected:
  void DoChanged(TdxSkinChanges AChanges) override;

private:
  void ReadContent(TStream* AStream, double AVersion);
  void ConvertLegacyDetails();
  void TakeLegacyIcon(TdxSkinControlGroup* ACommon, const String& AElementName, TdxSkinIconSize ASize);

  bool FDestroying = false;
  std::unique_ptr<TdxSkinDetails> FDetails;
  std::unique_ptr<TdxSkinControlGroups> FGroups;
  std::vector<TInterfaceRef<IInterface>> FListeners;
  std::unique_ptr<TdxSkinColors> FColors;
};

// ---------------------------------------------------------------- container

// Writes a container of skins: a skin header, a count, then per skin its
// byte length and its skin stream. The count is final once the writer is
// destroyed.
class TdxSkinBinaryWriter : public TObject {
  VCL_CLASS(TdxSkinBinaryWriter, TObject)
public:
  explicit TdxSkinBinaryWriter(TStream* AStream);
  ~TdxSkinBinaryWriter() override;
  void AddSkin(TdxSkin* ASkin);

private:
  void WriteHeader();
  int32_t FCount = 0;
  int64_t FHeaderOffset;
  TStream* FStream;
};

// Lists the skins of a container, or of a plain skin stream, by their
// details, and loads them.
class TdxSkinBinaryReader : public TObject {
  VCL_CLASS(TdxSkinBinaryReader, TObject)
public:
  explicit TdxSkinBinaryReader(TStream* AStream);
  int Count() const { return static_cast<int>(FSkins.size()); }
  TdxSkinDetails* GetSkinDetails(int AIndex) const { return FSkins.at(AIndex).get(); }
  const String& GetSkinName(int AIndex) const { return GetSkinDetails(AIndex)->Name(); }
  const String& GetSkinDisplayName(int AIndex) const { return GetSkinDetails(AIndex)->DisplayName(); }
  int64_t GetSkinOffset(int AIndex) const { return GetSkinDetails(AIndex)->DataOffset(); }
  // False for an index outside the list.
  bool LoadSkin(TdxSkin* ASkin, int ASkinIndex);
  // An empty name means the first skin; names compare ignoring case.
  bool LoadSkin(TdxSkin* ASkin, const String& ASkinName);

private:
  bool ReadContainer();
  void ReadPlainSkin();
  std::vector<std::unique_ptr<TdxSkinDetails>> FSkins;
  TStream* FStream;
};

extern const TUnitEntry dxSkinsCoreUnit;
