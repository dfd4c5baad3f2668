#pragma once
// Rectangle, point and float-rectangle arithmetic for painters and
// controls, and the geometry objects (rectangle, size, margins) that
// components publish as properties and stream.
#include "components/core/dxCoreClasses.h"
#include "vcl/rtl/Strings.h"
#include "vcl/rtl/Types.h"
#include "vcl/rtl/UnitStartup.h"

class TStream;

// ---------------------------------------------------------------- float records

struct TdxPointF {
  float X = 0;
  float Y = 0;
  constexpr TdxPointF() = default;
  constexpr TdxPointF(float AX, float AY) : X(AX), Y(AY) {}
};

struct TdxSizeF {
  float cx = 0;
  float cy = 0;
  constexpr TdxSizeF() = default;
  constexpr TdxSizeF(float ACx, float ACy) : cx(ACx), cy(ACy) {}
};

struct TdxRectF {
  float Left = 0;
  float Top = 0;
  float Right = 0;
  float Bottom = 0;
};

// ---------------------------------------------------------------- integer helpers

TRect cxRectExpand(const TRect& R, int DX1, int DY1, int DX2, int DY2);
TRect cxRectShiftBy(const TRect& R, int DX, int DY, bool APositive = true);
TPoint cxPointShiftBy(const TPoint& P, int DX, int DY, bool APositive = true);
inline TPoint cxPointMake(int X, int Y) { return TPoint(X, Y); }
inline TRect cxRectFromPoints(const TPoint& ATopLeft, const TPoint& ABottomRight) {
  return TRect(ATopLeft, ABottomRight);
}
// The right and bottom edges are outside.
inline bool cxRectContainsXY(const TRect& R, int X, int Y) {
  return X >= R.Left && X < R.Right && Y >= R.Top && Y < R.Bottom;
}
TRect cxRectPlaceBottom(const TRect& R, int Y, int H);
TRect cxRectPlaceLeft(const TRect& R, int X, int W);
TRect cxRectPlaceTop(const TRect& R, int Y, int H);
// A W x H rectangle centred in R, halves rounded down (also below zero).
TRect cxRectCenteredOfSize(const TRect& R, int W, int H);
inline bool cxSizeIsEqual(const TSize& A, const TSize& B) { return A == B; }

// ---------------------------------------------------------------- float helpers

TdxRectF dxRectFFromRect(const TRect& R);
inline TdxRectF dxRectFMake(float ALeft, float ATop, float ARight, float ABottom) {
  return {ALeft, ATop, ARight, ABottom};
}
inline TdxPointF dxPointFMake(float X, float Y) { return {X, Y}; }
TdxRectF dxRectFInsideMargins(const TdxRectF& R, const TdxRectF& AMargins);
// R1 unchanged when R2 has no area; otherwise the bounds of both.
TdxRectF dxRectFUnionBounds(const TdxRectF& R1, const TdxRectF& R2);
TdxRectF dxRectFShiftBy(const TdxRectF& R, float DX, float DY, bool APositive = true);
inline float dxRectFWidth(const TdxRectF& R) { return R.Right - R.Left; }
inline float dxRectFHeight(const TdxRectF& R) { return R.Bottom - R.Top; }
TdxRectF dxRectFSetWidth(const TdxRectF& R, float AValue);
TdxRectF dxRectFSetHeight(const TdxRectF& R, float AValue);
// Equal within the single-precision tolerance.
bool dxRectFIsEqual(const TdxRectF& A, const TdxRectF& B);
// ASource scaled to fit ATarget with its proportions kept, centred along
// the axis it does not fill, and placed inside ATarget.
TdxRectF dxRectFFitProportional(const TdxRectF& ASource, const TdxRectF& ATarget);
TdxRectF dxRectFFitProportional(const TdxRectF& ASource, const TdxSizeF& ATarget);

// ---------------------------------------------------------------- geometry objects

class TcxGeometryObject : public TcxOwnedPersistent {
  VCL_CLASS(TcxGeometryObject, TcxOwnedPersistent)
public:
  using TcxOwnedPersistent::TcxOwnedPersistent;
  virtual void LoadFromStream(TStream* AStream) {}
  virtual void SaveToStream(TStream* AStream) const {}

  TNotifyEvent OnChange;

protected:
  virtual void NotifyChange();
};

// Published: Left, Top, Right, Bottom.
class TcxRect : public TcxGeometryObject {
  VCL_CLASS(TcxRect, TcxGeometryObject)
public:
  static const TPropTable* PublishedTable(TPublishedTag<TcxRect>);
  using TcxGeometryObject::TcxGeometryObject;

  const TRect& Rect() const { return FRect; }
  // Stores and announces a value that differs once AdjustRect has had its say.
  void SetRect(const TRect& AValue);
  // 0 Left, 1 Top, 2 Right, any other Bottom.
  int GetValue(int AIndex) const;
  // 0..3 set one side; another index changes nothing.
  void SetValue(int AIndex, int AValue);

  int Left() const { return FRect.Left; }
  void SetLeft(int AValue) { SetValue(0, AValue); }
  int Top() const { return FRect.Top; }
  void SetTop(int AValue) { SetValue(1, AValue); }
  int Right() const { return FRect.Right; }
  void SetRight(int AValue) { SetValue(2, AValue); }
  int Bottom() const { return FRect.Bottom; }
  void SetBottom(int AValue) { SetValue(3, AValue); }
  int Width() const { return FRect.Width(); }
  void SetWidth(int AValue);
  int Height() const { return FRect.Height(); }
  void SetHeight(int AValue);
  TPoint TopLeft() const { return {FRect.Left, FRect.Top}; }
  void SetTopLeft(const TPoint& AValue);
  TPoint TopRight() const { return {FRect.Right, FRect.Top}; }
  void SetTopRight(const TPoint& AValue);
  TPoint BottomLeft() const { return {FRect.Left, FRect.Bottom}; }
  void SetBottomLeft(const TPoint& AValue);
  TPoint BottomRight() const { return {FRect.Right, FRect.Bottom}; }
  void SetBottomRight(const TPoint& AValue);

  bool IsEmpty() const { return !(FRect.Left < FRect.Right && FRect.Top < FRect.Bottom); }
  bool IsEqual(const TRect& ARect) const { return FRect == ARect; }
  bool IsEqual(const TcxRect* ARect) const { return FRect == ARect->FRect; }

  // 16 bytes: Left, Top, Right, Bottom as little-endian 32-bit integers.
  void LoadFromStream(TStream* AStream) override;
  void SaveToStream(TStream* AStream) const override;

protected:
  void CopyFromSource(TPersistent* ASource) override;
  // Lets a descendant correct a value before it is stored.
  virtual void AdjustRect(TRect& ARect) {}

private:
  TRect FRect;
};

// Published: Height, Width (kept when they differ from the default size).
class TcxSize : public TcxGeometryObject {
  VCL_CLASS(TcxSize, TcxGeometryObject)
public:
  static const TPropTable* PublishedTable(TPublishedTag<TcxSize>);
  TcxSize(TPersistent* AOwner, int ADefaultWidth = 0, int ADefaultHeight = 0);

  const TSize& Size() const { return FSize; }
  // Negative components become 0; a different value is stored and announced.
  virtual void SetSize(const TSize& AValue);
  // 0 the height, any other index the width.
  virtual int GetValue(int AIndex) const;
  void SetValue(int AIndex, int AValue);
  // Whether a form file keeps the value: it differs from the default.
  virtual bool IsValueStored(int AIndex) const;

  int Height() const { return GetValue(0); }
  void SetHeight(int AValue) { SetValue(0, AValue); }
  int Width() const { return GetValue(1); }
  void SetWidth(int AValue) { SetValue(1, AValue); }

  bool IsEmpty() const { return FSize.cx == 0 && FSize.cy == 0; }
  bool IsEqual(const TSize& ASize) const { return FSize == ASize; }
  bool IsEqual(const TcxSize* ASize) const { return FSize == ASize->FSize; }

  // 8 bytes: cx, then cy.
  void LoadFromStream(TStream* AStream) override;
  void SaveToStream(TStream* AStream) const override;

protected:
  void CopyFromSource(TPersistent* ASource) override;

private:
  TSize FDefaultSize;
  TSize FSize;
};

// Published: All, Left, Top, Right, Bottom; All comes first, so that a form
// file restores uneven sides.
class TcxMargin : public TcxGeometryObject {
  VCL_CLASS(TcxMargin, TcxGeometryObject)
public:
  static const TPropTable* PublishedTable(TPublishedTag<TcxMargin>);
  TcxMargin(TPersistent* AOwner, int ADefaultValue = 0);

  // Left, Top, Right and Bottom margins.
  const TRect& Margin() const { return FMargin; }
  void SetMargin(const TRect& AValue);
  // 1..4 Left, Top, Right, Bottom; otherwise All: Left when the four sides
  // are equal, else -1.
  int GetValue(int AIndex) const;
  // 1..4 set one side, any other index all four; the value that reading the
  // index gives already changes nothing.
  void SetValue(int AIndex, int AValue);
  // All is kept when it differs from the default (-1 for uneven sides);
  // the sides are kept only when they are uneven.
  bool IsValueStored(int AIndex) const;

  int All() const { return GetValue(0); }
  void SetAll(int AValue) { SetValue(0, AValue); }
  int Left() const { return GetValue(1); }
  void SetLeft(int AValue) { SetValue(1, AValue); }
  int Top() const { return GetValue(2); }
  void SetTop(int AValue) { SetValue(2, AValue); }
  int Right() const { return GetValue(3); }
  void SetRight(int AValue) { SetValue(3, AValue); }
  int Bottom() const { return GetValue(4); }
  void SetBottom(int AValue) { SetValue(4, AValue); }

  bool IsEqual(const TcxMargin* AMargin) const { return FMargin == AMargin->FMargin; }

  // 16 bytes as for TcxRect.
  void LoadFromStream(TStream* AStream) override;
  void SaveToStream(TStream* AStream) const override;

protected:
  void CopyFromSource(TPersistent* ASource) override;

private:
  int FDefaultValue;
  TRect FMargin;
};

// Registers TcxRect with the class registry.
extern const TUnitEntry cxGeometryUnit;
