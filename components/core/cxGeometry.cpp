#include "components/core/cxGeometry.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "components/core/dxCore.h"
#include "vcl/classes/TypInfo.h"
#include "vcl/rtl/ClassRegistry.h"
#include "vcl/rtl/Streams.h"

namespace {

// Half of a sum, rounded down also below zero.
int FloorHalf(int64_t AValue) { return static_cast<int>(AValue >= 0 ? AValue / 2 : -((-AValue + 1) / 2)); }

// Equal within the single-precision tolerance, relative to the smaller
// magnitude and never below 1e-4.
bool SameSingle(float A, float B) {
  const float resolution = 1e-4f;
  const float epsilon = std::max(std::min(std::fabs(A), std::fabs(B)) * resolution, resolution);
  return std::fabs(A - B) <= epsilon;
}

// Reads ACount little-endian 32-bit integers, all or nothing.
template <size_t ACount>
std::array<int32_t, ACount> ReadInt32s(TStream* AStream) {
  uint8_t bytes[ACount * 4];
  AStream->ReadBuffer(bytes, sizeof(bytes));
  std::array<int32_t, ACount> values;
  for (size_t i = 0; i < ACount; ++i) {
    const uint8_t* p = bytes + 4 * i;
    values[i] = static_cast<int32_t>(p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24);
  }
  return values;
}

TRect ReadRect(TStream* AStream) {
  const auto values = ReadInt32s<4>(AStream);
  return {values[0], values[1], values[2], values[3]};
}

void WriteRect(TStream* AStream, const TRect& ARect) {
  for (int32_t value : {ARect.Left, ARect.Top, ARect.Right, ARect.Bottom}) dxStreamWriteInt32(AStream, value);
}

void cxGeometryInitialize() { RegisterClasses({TcxRect::StaticClass()}); }
void cxGeometryFinalize() { UnRegisterClass(TcxRect::StaticClass()); }

}  // namespace

const TUnitEntry cxGeometryUnit{L"cxGeometry", cxGeometryInitialize, cxGeometryFinalize};

// ---------------------------------------------------------------- integer helpers

TRect cxRectExpand(const TRect& R, int DX1, int DY1, int DX2, int DY2) {
  return {R.Left - DX1, R.Top - DY1, R.Right + DX2, R.Bottom + DY2};
}

TRect cxRectShiftBy(const TRect& R, int DX, int DY, bool APositive) {
  const int sign = APositive ? 1 : -1;
  return {R.Left + sign * DX, R.Top + sign * DY, R.Right + sign * DX, R.Bottom + sign * DY};
}

TPoint cxPointShiftBy(const TPoint& P, int DX, int DY, bool APositive) {
  const int sign = APositive ? 1 : -1;
  return {P.X + sign * DX, P.Y + sign * DY};
}

TRect cxRectPlaceBottom(const TRect& R, int Y, int H) { return {R.Left, Y - H, R.Right, Y}; }
TRect cxRectPlaceLeft(const TRect& R, int X, int W) { return {X, R.Top, X + W, R.Bottom}; }
TRect cxRectPlaceTop(const TRect& R, int Y, int H) { return {R.Left, Y, R.Right, Y + H}; }

TRect cxRectCenteredOfSize(const TRect& R, int W, int H) {
  const int left = FloorHalf(int64_t{R.Left} + R.Right - W);
  const int top = FloorHalf(int64_t{R.Top} + R.Bottom - H);
  return {left, top, left + W, top + H};
}

// ---------------------------------------------------------------- float helpers

TdxRectF dxRectFFromRect(const TRect& R) {
  return {static_cast<float>(R.Left), static_cast<float>(R.Top), static_cast<float>(R.Right),
          static_cast<float>(R.Bottom)};
}

TdxRectF dxRectFInsideMargins(const TdxRectF& R, const TdxRectF& AMargins) {
  return {R.Left + AMargins.Left, R.Top + AMargins.Top, R.Right - AMargins.Right,
          R.Bottom - AMargins.Bottom};
}

TdxRectF dxRectFUnionBounds(const TdxRectF& R1, const TdxRectF& R2) {
  if (dxRectFWidth(R2) <= 0 || dxRectFHeight(R2) <= 0) return R1;
  return {std::min(R1.Left, R2.Left), std::min(R1.Top, R2.Top), std::max(R1.Right, R2.Right),
          std::max(R1.Bottom, R2.Bottom)};
}

TdxRectF dxRectFShiftBy(const TdxRectF& R, float DX, float DY, bool APositive) {
  if (!APositive) {
    DX = -DX;
    DY = -DY;
  }
  return {R.Left + DX, R.Top + DY, R.Right + DX, R.Bottom + DY};
}

TdxRectF dxRectFSetWidth(const TdxRectF& R, float AValue) {
  return {R.Left, R.Top, R.Left + AValue, R.Bottom};
}

TdxRectF dxRectFSetHeight(const TdxRectF& R, float AValue) {
  return {R.Left, R.Top, R.Right, R.Top + AValue};
}

bool dxRectFIsEqual(const TdxRectF& A, const TdxRectF& B) {
  return SameSingle(A.Left, B.Left) && SameSingle(A.Top, B.Top) && SameSingle(A.Right, B.Right) &&
         SameSingle(A.Bottom, B.Bottom);
}

// The fitted rectangle is placed from the target's origin alone, so a
// source that does not start at (0, 0) lands inside the target too.
TdxRectF dxRectFFitProportional(const TdxRectF& ASource, const TdxRectF& ATarget) {
  const float sourceHeight = dxRectFHeight(ASource);
  const float targetWidth = dxRectFWidth(ATarget);
  const float targetHeight = dxRectFHeight(ATarget);
  if (sourceHeight <= 0 || targetHeight <= 0) return ASource;
  const float ratio = dxRectFWidth(ASource) / sourceHeight;
  float width, height;
  if (ratio >= targetWidth / targetHeight) {
    width = targetWidth;
    height = targetWidth / ratio;
  } else {
    width = ratio * targetHeight;
    height = targetHeight;
  }
  const float left = ATarget.Left + (targetWidth - width) / 2;
  const float top = ATarget.Top + (targetHeight - height) / 2;
  return {left, top, left + width, top + height};
}

TdxRectF dxRectFFitProportional(const TdxRectF& ASource, const TdxSizeF& ATarget) {
  return dxRectFFitProportional(ASource, TdxRectF{0, 0, ATarget.cx, ATarget.cy});
}

// ---------------------------------------------------------------- TcxGeometryObject

void TcxGeometryObject::NotifyChange() { dxFireNotifyEvent(OnChange, this); }

// ---------------------------------------------------------------- TcxRect

const TPropTable* TcxRect::PublishedTable(TPublishedTag<TcxRect>) {
  static const TPropTable table = TPublished<TcxRect>()
                                      .Property(L"Left", &TcxRect::Left, &TcxRect::SetLeft)
                                      .Property(L"Top", &TcxRect::Top, &TcxRect::SetTop)
                                      .Property(L"Right", &TcxRect::Right, &TcxRect::SetRight)
                                      .Property(L"Bottom", &TcxRect::Bottom, &TcxRect::SetBottom)
                                      .Build();
  return &table;
}

void TcxRect::SetRect(const TRect& AValue) {
  TRect value = AValue;
  AdjustRect(value);
  if (value == FRect) return;
  FRect = value;
  NotifyChange();
}

int TcxRect::GetValue(int AIndex) const {
  switch (AIndex) {
    case 0: return FRect.Left;
    case 1: return FRect.Top;
    case 2: return FRect.Right;
    default: return FRect.Bottom;
  }
}

void TcxRect::SetValue(int AIndex, int AValue) {
  TRect value = FRect;
  switch (AIndex) {
    case 0: value.Left = AValue; break;
    case 1: value.Top = AValue; break;
    case 2: value.Right = AValue; break;
    case 3: value.Bottom = AValue; break;
    default: break;
  }
  SetRect(value);
}

void TcxRect::SetWidth(int AValue) { SetRect({FRect.Left, FRect.Top, FRect.Left + AValue, FRect.Bottom}); }
void TcxRect::SetHeight(int AValue) { SetRect({FRect.Left, FRect.Top, FRect.Right, FRect.Top + AValue}); }
void TcxRect::SetTopLeft(const TPoint& AValue) { SetRect({AValue.X, AValue.Y, FRect.Right, FRect.Bottom}); }
void TcxRect::SetTopRight(const TPoint& AValue) { SetRect({FRect.Left, AValue.Y, AValue.X, FRect.Bottom}); }
void TcxRect::SetBottomLeft(const TPoint& AValue) { SetRect({AValue.X, FRect.Top, FRect.Right, AValue.Y}); }
void TcxRect::SetBottomRight(const TPoint& AValue) { SetRect({FRect.Left, FRect.Top, AValue.X, AValue.Y}); }

void TcxRect::CopyFromSource(TPersistent* ASource) {
  TcxGeometryObject::CopyFromSource(ASource);
  if (auto* source = dynamic_cast<TcxRect*>(ASource)) SetRect(source->Rect());
}

void TcxRect::LoadFromStream(TStream* AStream) { SetRect(ReadRect(AStream)); }
void TcxRect::SaveToStream(TStream* AStream) const { WriteRect(AStream, FRect); }

// ---------------------------------------------------------------- TcxSize

const TPropTable* TcxSize::PublishedTable(TPublishedTag<TcxSize>) {
  static const TPropTable table = TPublished<TcxSize>()
                                      .Property(L"Height", &TcxSize::Height, &TcxSize::SetHeight)
                                      .Property(L"Width", &TcxSize::Width, &TcxSize::SetWidth)
                                      .Build();
  return &table;
}

TcxSize::TcxSize(TPersistent* AOwner, int ADefaultWidth, int ADefaultHeight)
    : TcxGeometryObject(AOwner),
      FDefaultSize(ADefaultWidth, ADefaultHeight),
      FSize(ADefaultWidth, ADefaultHeight) {}

void TcxSize::SetSize(const TSize& AValue) {
  const TSize value(std::max(AValue.cx, 0), std::max(AValue.cy, 0));
  if (value == FSize) return;
  FSize = value;
  NotifyChange();
}

int TcxSize::GetValue(int AIndex) const { return AIndex == 0 ? FSize.cy : FSize.cx; }

void TcxSize::SetValue(int AIndex, int AValue) {
  SetSize(AIndex == 0 ? TSize(FSize.cx, AValue) : TSize(AValue, FSize.cy));
}

bool TcxSize::IsValueStored(int AIndex) const {
  return AIndex == 0 ? FSize.cy != FDefaultSize.cy : FSize.cx != FDefaultSize.cx;
}

void TcxSize::CopyFromSource(TPersistent* ASource) {
  TcxGeometryObject::CopyFromSource(ASource);
  if (auto* source = dynamic_cast<TcxSize*>(ASource)) SetSize(source->Size());
}

void TcxSize::LoadFromStream(TStream* AStream) {
  const auto values = ReadInt32s<2>(AStream);
  SetSize(TSize(values[0], values[1]));
}

void TcxSize::SaveToStream(TStream* AStream) const {
  dxStreamWriteInt32(AStream, FSize.cx);
  dxStreamWriteInt32(AStream, FSize.cy);
}

// ---------------------------------------------------------------- TcxMargin

const TPropTable* TcxMargin::PublishedTable(TPublishedTag<TcxMargin>) {
  static const TPropTable table = TPublished<TcxMargin>()
                                      .Property(L"All", &TcxMargin::All, &TcxMargin::SetAll)
                                      .Property(L"Left", &TcxMargin::Left, &TcxMargin::SetLeft)
                                      .Property(L"Top", &TcxMargin::Top, &TcxMargin::SetTop)
                                      .Property(L"Right", &TcxMargin::Right, &TcxMargin::SetRight)
                                      .Property(L"Bottom", &TcxMargin::Bottom, &TcxMargin::SetBottom)
                                      .Build();
  return &table;
}

TcxMargin::TcxMargin(TPersistent* AOwner, int ADefaultValue)
    : TcxGeometryObject(AOwner), FDefaultValue(ADefaultValue) {
  SetAll(ADefaultValue);
}

void TcxMargin::SetMargin(const TRect& AValue) {
  if (AValue == FMargin) return;
  FMargin = AValue;
  NotifyChange();
}

int TcxMargin::GetValue(int AIndex) const {
  switch (AIndex) {
    case 1: return FMargin.Left;
    case 2: return FMargin.Top;
    case 3: return FMargin.Right;
    case 4: return FMargin.Bottom;
    default: {
      const bool even = FMargin.Left == FMargin.Top && FMargin.Left == FMargin.Right &&
                        FMargin.Left == FMargin.Bottom;
      return even ? FMargin.Left : -1;
    }
  }
}

void TcxMargin::SetValue(int AIndex, int AValue) {
  if (AValue == GetValue(AIndex)) return;
  switch (AIndex) {
    case 1: FMargin.Left = AValue; break;
    case 2: FMargin.Top = AValue; break;
    case 3: FMargin.Right = AValue; break;
    case 4: FMargin.Bottom = AValue; break;
    default: FMargin = TRect(AValue, AValue, AValue, AValue); break;
  }
  NotifyChange();
}

bool TcxMargin::IsValueStored(int AIndex) const {
  if (AIndex >= 1 && AIndex <= 4) return All() == -1;
  return All() != FDefaultValue;
}

void TcxMargin::CopyFromSource(TPersistent* ASource) {
  TcxGeometryObject::CopyFromSource(ASource);
  if (auto* source = dynamic_cast<TcxMargin*>(ASource)) SetMargin(source->Margin());
}

void TcxMargin::LoadFromStream(TStream* AStream) { SetMargin(ReadRect(AStream)); }
void TcxMargin::SaveToStream(TStream* AStream) const { WriteRect(AStream, FMargin); }
