#pragma once
// Fading: an element that changes its look when the mouse enters or leaves
// it renders both looks, and the one fader blends frames between them on a
// 10 ms timer; while a frame exists the element paints it instead of itself.
#include <memory>
#include <vector>

#include "components/core/cxClasses.h"
#include "components/core/dxCoreClasses.h"
#include "components/core/dxCoreGraphics.h"
#include "components/core/dxGdiPlusClasses.h"
#include "vcl/classes/Interfaces.h"
#include "vcl/rtl/UnitStartup.h"

class TBitmap;
class TdxFader;
enum class TcxButtonState;

enum class TdxFadingState { fsFadeIn, fsFadeOut };
using enum TdxFadingState;
enum class TdxFaderAnimationState { fasDefault, fasEnabled, fasDisabled };
using enum TdxFaderAnimationState;

// Implemented by every element that can fade.
class IdxFadingObject : public IUnknown {
public:
  virtual bool IsFadingAllowed() = 0;
  // The element's frame was replaced or dropped: it repaints itself.
  virtual void RepaintFadeFrame() = 0;
  // Two new bitmaps of one size, the element's look when not hot and when
  // hot; the fader frees them.
  virtual void PrepareFadeImages(TBitmap*& AFadeOutImage, TBitmap*& AFadeInImage) = 0;
};
extern const GUID IID_IdxFadingObject;

class TdxFadingOptions;
// Implemented by an element with timings of its own.
class IdxFadingOptionsSource : public IUnknown {
public:
  // Null for none.
  virtual TdxFadingOptions* GetFadingOptions() = 0;
};
extern const GUID IID_IdxFadingOptionsSource;

// Frames and milliseconds per frame of fading in and out.
class TdxFadingOptions : public TPersistent {
  VCL_CREATABLE_CLASS(TdxFadingOptions, TPersistent)
public:
  void Assign(TPersistent* ASource) override;

  int FadeInFrameCount() const { return FFadeInFrameCount; }
  void SetFadeInFrameCount(int AValue);  // clamped to 0..32
  int FadeInFrameDelay() const { return FFadeInFrameDelay; }
  void SetFadeInFrameDelay(int AValue);  // clamped to 10..300
  int FadeOutFrameCount() const { return FFadeOutFrameCount; }
  void SetFadeOutFrameCount(int AValue);
  int FadeOutFrameDelay() const { return FFadeOutFrameDelay; }
  void SetFadeOutFrameDelay(int AValue);

private:
  int FFadeInFrameCount = 4;
  int FFadeInFrameDelay = 15;
  int FFadeOutFrameCount = 12;
  int FFadeOutFrameDelay = 20;
};

class TdxFadingHelper {
public:
  TdxFadingHelper() = delete;
  // The colour's RGB value, with pure black made $010101.
  static TColor CheckColor(TColor AColor);
  // Pixels drawn without alpha (alpha 0 but not black) become opaque.
  static void CorrectAlphaChannel(TRGBColors& AColors);
};

// One fade in progress: the start and end pixels and the current frame.
class TdxFadingElement : public TcxIUnknownObject {
  VCL_CLASS(TdxFadingElement, TcxIUnknownObject)
public:
  TdxFadingElement(TdxFader* AOwner, TObject* AElement);
  ~TdxFadingElement() override;

  int AnimationFrameCount() const { return FAnimationFrameCount; }
  int AnimationFrameDelay() const { return FAnimationFrameDelay; }
  TObject* Element() const { return FElement; }
  int Stage() const { return FStage; }
  void SetStage(int AValue) { FStage = AValue; }
  // The current frame; null when there is none.
  TdxGPImage* WorkImage() const { return FWorkImage.get(); }
  // A different image is stored, the element told, the old one freed.
  void SetWorkImage(std::unique_ptr<TdxGPImage> AValue);

private:
  friend class TdxFader;
  // Frame count clamped to 1..32, delay to 1..300; the tick counter restarts.
  void SetTiming(int AFrameCount, int AFrameDelay);
  void SetImages(TBitmap* AImage1, TBitmap* AImage2);
  // The frame of the current stage.
  void CalculateFrame();
  // One timer tick; false once the fade has ended.
  bool Tick();

  int FAnimationFrameCount = 1;
  int FAnimationFrameDelay = 1;
  int FDelayCount = 1;
  int FDelayIndex = 0;
  TObject* FElement;
  TInterfaceRef<IdxFadingObject> FFadingObject;
  TSize FImageSize;
  TdxFader* FOwner;
  int FStage = 0;
  std::unique_ptr<TdxGPImage> FWorkImage;
  TRGBColors FImage1Colors;
  TRGBColors FImage2Colors;
};

// The one fader: at most MaxAnimationCount fades at once, the oldest giving
// way, on a timer that runs only while a fade exists.
class TdxFader : public TObject {
  VCL_CLASS(TdxFader, TObject)
public:
  TdxFader();
  ~TdxFader() override;

  void FadeIn(TObject* AObject) { Fade(AObject, fsFadeIn); }
  void FadeOut(TObject* AObject) { Fade(AObject, fsFadeOut); }
  // Asks a fadable object for its two looks and fades between them with
  // its options (or the default ones).
  void Fade(TObject* AObject, TdxFadingState AState);
  // Fades from AImage1 to AImage2; a fade already running for the object
  // restarts from the frame on the screen.
  void Fade(TObject* AObject, std::unique_ptr<TBitmap> AImage1, std::unique_ptr<TBitmap> AImage2,
            int AAnimationFrameCount, int AAnimationFrameDelay);
  bool Contains(TObject* AObject) { return FindElement(AObject) != nullptr; }
  bool Find(TObject* AObject, TdxFadingElement*& AFadingElement);
  // Draws the object's current frame stretched into R; false when it has
  // none.
  bool DrawFadeImage(TObject* AObject, HDC DC, const TRect& R);
  // Ends the object's fade; while the object is being destroyed without
  // calling back into it.
  void Remove(TObject* AObject, bool ADestroying);
  void Clear();
  // One timer tick now.
  void Update() { TimerHandler(this); }

  // The state, or for fasDefault the system's menu-animation setting.
  bool Active();
  // Active, room for a fade, GDI+ and a screen of more than 16 bits.
  bool IsReady();
  int Count() const { return static_cast<int>(FList.size()); }
  int MaxAnimationCount() const { return FMaxAnimationCount; }
  // Clamped to 0..20; fades beyond it end, the oldest first.
  void SetMaxAnimationCount(int AValue);
  TdxFaderAnimationState State() const { return FState; }
  void SetState(TdxFaderAnimationState AValue) { FState = AValue; }
  bool TimerEnabled() const { return FTimer->Enabled(); }

private:
  friend class TdxFadingElement;
  // The object's interface when it can fade now.
  TInterfaceRef<IdxFadingObject> FadableObject(TObject* AObject);
  TdxFadingElement* FindElement(TObject* AObject);
  // Drops the element's frame (the object repaints) and frees it.
  void FinalizeElement(TdxFadingElement* AElement);
  void RemoveElement(TdxFadingElement* AElement, bool AFinalize);
  void ValidateQueue();
  void TimerHandler(TObject* Sender);

  std::vector<std::unique_ptr<TdxFadingElement>> FList;
  int FMaxAnimationCount = 10;
  TdxFaderAnimationState FState = fasDefault;
  std::unique_ptr<TcxTimer> FTimer;
};

// An element's side of fading, for descendants that say whether they may
// fade and render their looks.
class TdxFadingObjectHelper : public TcxIUnknownObject, public IdxFadingObject {
  VCL_CLASS(TdxFadingObjectHelper, TcxIUnknownObject)
public:
  TdxFadingObjectHelper() = default;
  // Ends its fade without calling back.
  ~TdxFadingObjectHelper() override;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID AIID, void** AObj) override {
    return TcxIUnknownObject::QueryInterface(AIID, AObj);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return TcxIUnknownObject::AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return TcxIUnknownObject::Release(); }

  bool IsFadingAllowed() override { return false; }
  void RepaintFadeFrame() override {}
  void PrepareFadeImages(TBitmap*& AFadeOutImage, TBitmap*& AFadeInImage) override {}

  void FadeIn();
  void FadeOut();
  void StopFading();
  bool DrawImage(HDC DC, const TRect& R);
  // A fade of this element exists.
  bool Active();
  // Fades in on becoming hot from normal, out on going back; any other
  // change of state (pressed or disabled on either side) stops fading.
  void CheckStartFading(TcxButtonState APrevState, TcxButtonState AState);

protected:
  bool GetInterface(REFIID AIID, void** AObj) override;
};

// The one fader; null before the unit's start-up and after its shut-down.
TdxFader* dxGetGlobalFader();

extern const TUnitEntry dxFadingUnit;
