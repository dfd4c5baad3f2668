#pragma once
// TGraphic: the base of every image kind a picture can hold; TPicture: the
// holder of one graphic, with the registry of graphic kinds per file
// extension through which it loads and saves files.
#include "vcl/rtl/Persistent.h"
#include "vcl/rtl/Strings.h"
#include "vcl/rtl/SysUtils.h"
#include "vcl/rtl/Types.h"

class TCanvas;
class TStream;
class TBitmap;
class TIcon;

VCL_EXCEPTION(EInvalidGraphic, Exception)
VCL_EXCEPTION(EInvalidGraphicOperation, Exception)

enum class TTransparentMode { tmAuto, tmFixed };
using enum TTransparentMode;

class TGraphic : public TPersistent {
  VCL_CLASS(TGraphic, TPersistent)
public:
  virtual bool Empty() const = 0;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual void SetWidth(int Value) = 0;
  virtual void SetHeight(int Value) = 0;
  virtual void SetSize(int AWidth, int AHeight);

  // The graphic's file format, read from or written at the stream's position.
  // Malformed data raises EInvalidGraphic and leaves the graphic unchanged.
  virtual void LoadFromStream(TStream* Stream) = 0;
  virtual void SaveToStream(TStream* Stream) const = 0;
  void LoadFromFile(const String& FileName);
  void SaveToFile(const String& FileName) const;

  // Whether parts of the picture let the background show through.
  virtual bool Transparent() const { return FTransparent; }
  virtual void SetTransparent(bool Value);

  // The clipboard: the data of one clipboard format (a handle), and the
  // palette (null when none). The base knows no format and raises
  // EInvalidGraphic.
  virtual void LoadFromClipboardFormat(uint32_t AFormat, void* AData, void* APalette);
  virtual void SaveToClipboardFormat(uint32_t& AFormat, void*& AData, void*& APalette);

  // Graphic is of this class and holds the same picture: both empty, or
  // their saved forms equal byte for byte. False for null.
  virtual bool Equals(const TGraphic* Graphic) const;

  bool Modified() const { return FModified; }
  void SetModified(bool Value) { FModified = Value; }
  TNotifyEvent OnChange;

protected:
  TGraphic() = default;
  friend class TCanvas;
  // Draws the graphic into Rect of the canvas, stretched to fit.
  virtual void Draw(TCanvas* ACanvas, const TRect& Rect) = 0;
  // Marks the graphic modified and tells OnChange.
  virtual void Changed();
  // The streamed form of the graphic, the binary property "Data" (written
  // unless the graphic is empty).
  void DefineProperties(TFiler* Filer) override;
  virtual void ReadData(TStream* Stream) { LoadFromStream(Stream); }
  virtual void WriteData(TStream* Stream) const { SaveToStream(Stream); }

private:
  bool FModified = false;
  bool FTransparent = false;
};

// The two graphics' saved forms are equal byte for byte.
bool SameSavedData(const TGraphic* A, const TGraphic* B);

using TGraphicClass = TClass;

// A file dialog's filter of the registered formats that AGraphicClass (or a
// descendant) reads: "All (*.a;*.b)|*.a;*.b|Name (*.a)|*.a|...".
String GraphicFilter(TGraphicClass AGraphicClass);
// The first registered extension of AGraphicClass ("bmp"); empty for none.
String GraphicExtension(TGraphicClass AGraphicClass);

class TPicture : public TPersistent {
  VCL_CREATABLE_CLASS(TPicture, TPersistent)
public:
  TPicture() = default;
  ~TPicture() override;

  TGraphic* Graphic() const { return FGraphic; }
  // Holds a copy of Value (of Value's class); null empties the picture.
  void SetGraphic(TGraphic* Value);
  // The graphic as a bitmap or icon; a graphic of another kind is replaced
  // by an empty one of the asked kind.
  TBitmap* Bitmap();
  TIcon* Icon();
  int Width() const;
  int Height() const;

  // The graphic class is chosen by the file's extension among the
  // registered formats; an unknown one raises EInvalidGraphic.
  void LoadFromFile(const String& FileName);
  void SaveToFile(const String& FileName) const;

  void Assign(TPersistent* Source) override;
  TNotifyEvent OnChange;

  // Extension without the dot ("bmp"), compared without regard to case; a
  // later registration of an extension takes precedence.
  static void RegisterFileFormat(const String& Extension, const String& Description,
                                 TGraphicClass GraphicClass);
  // Removes every file and clipboard format of AClass and of its descendants.
  static void UnregisterGraphicClass(TGraphicClass AClass);
  // The graphic class that reads a clipboard format; a later registration
  // of a format takes precedence.
  static void RegisterClipboardFormat(uint32_t AFormat, TGraphicClass AGraphicClass);
  static bool SupportsClipboardFormat(uint32_t AFormat);

private:
  template <typename T>
  T* GraphicAs();
  void TakeGraphic(TGraphic* Value);
  void Changed(TObject* Sender);
  TGraphic* FGraphic = nullptr;
};
