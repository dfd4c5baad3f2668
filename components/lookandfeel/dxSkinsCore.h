#pragma once
// Skins: named collections of drawing descriptions (details, colours, typed
// properties, groups of elements) and the binary skin stream they are kept
// in, read and written field by field.
#include <array>
#include <cstdint>
#include <memory>

#include "components/core/dxCore.h"
#include "components/core/dxGdiPlusClasses.h"
#include "vcl/rtl/Persistent.h"
#include "vcl/rtl/Sets.h"
#include "vcl/rtl/UnitStartup.h"

class TStream;

// Raised for a skin stream that cannot be read or a skin that cannot be
// written.
VCL_EXCEPTION(EdxSkinError, EdxException)

enum class TdxSkinIconSize { sis16, sis48 };
using enum TdxSkinIconSize;

extern TResStringRec sdxSkinInvalidStreamFormat;

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

protected:
  int64_t FDataOffset = 0;
};

extern const TUnitEntry dxSkinsCoreUnit;
