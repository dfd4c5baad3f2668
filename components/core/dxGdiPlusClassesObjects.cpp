// Matrices, brushes, pens, paths, regions and image attributes.
#include <algorithm>
#include <cmath>
#include <numeric>

#include "components/core/dxGdiPlusClasses.h"

namespace {

// GDI+ font style bits of a framework font style.
int GpFontStyle(const TFontStyles& AStyle) {
  return (AStyle.Contains(fsBold) ? 1 : 0) | (AStyle.Contains(fsItalic) ? 2 : 0) |
         (AStyle.Contains(fsUnderline) ? 4 : 0) | (AStyle.Contains(fsStrikeOut) ? 8 : 0);
}

bool SameSingle(float A, float B) {
  const float epsilon = std::max(std::min(std::fabs(A), std::fabs(B)) * 1e-4f, 1e-4f);
  return std::fabs(A - B) <= epsilon;
}

}  // namespace

// ---------------------------------------------------------------- TdxGPCustomGraphicObject

void TdxGPCustomGraphicObject::FreeHandle() {
  if (!FHandle) return;
  void* handle = FHandle;
  FHandle = nullptr;
  DoFreeHandle(handle);
}

void TdxGPCustomGraphicObject::NotifyChanged() {
  if (FChangeLockCount == 0) dxFireNotifyEvent(OnChange, this);
}

void TdxGPCustomGraphicObject::HandleNeeded() {
  if (FHandle) return;
  ++FChangeLockCount;
  try {
    DoCreateHandle(FHandle);
  } catch (...) {
    --FChangeLockCount;
    throw;
  }
  --FChangeLockCount;
}

// ---------------------------------------------------------------- TdxGPMatrix

TdxGPMatrix::TdxGPMatrix(float M11, float M12, float M21, float M22, float DX, float DY) {
  SetElements(M11, M12, M21, M22, DX, DY);
}

std::unique_ptr<TdxGPMatrix> TdxGPMatrix::CreateFlip(bool AFlipHorizontally, bool AFlipVertically,
                                                     float APivotPointX, float APivotPointY) {
  return std::make_unique<TdxGPMatrix>(AFlipHorizontally ? -1.0f : 1.0f, 0.0f, 0.0f, AFlipVertically ? -1.0f : 1.0f,
                                       AFlipHorizontally ? 2 * APivotPointX : 0.0f,
                                       AFlipVertically ? 2 * APivotPointY : 0.0f);
}

std::unique_ptr<TdxGPMatrix> TdxGPMatrix::CreateFlip(bool AFlipHorizontally, bool AFlipVertically,
                                                     const TdxPointF& APivotPoint) {
  return CreateFlip(AFlipHorizontally, AFlipVertically, APivotPoint.X, APivotPoint.Y);
}

void TdxGPMatrix::DoCreateHandle(void*& AHandle) { dxCheckGpStatus(GdipCreateMatrix(&AHandle)); }
void TdxGPMatrix::DoFreeHandle(void* AHandle) { dxCheckGpStatus(GdipDeleteMatrix(AHandle)); }

void TdxGPMatrix::Assign(TdxGPCustomGraphicObject* ASource) {
  auto* source = dynamic_cast<TdxGPMatrix*>(ASource);
  if (!source) return;
  float e[6];
  source->GetElements(e[0], e[1], e[2], e[3], e[4], e[5]);
  SetElements(e[0], e[1], e[2], e[3], e[4], e[5]);
}

void TdxGPMatrix::GetElements(float& M11, float& M12, float& M21, float& M22, float& DX, float& DY) {
  float e[6];
  dxCheckGpStatus(GdipGetMatrixElements(Handle(), e));
  M11 = e[0];
  M12 = e[1];
  M21 = e[2];
  M22 = e[3];
  DX = e[4];
  DY = e[5];
}

void TdxGPMatrix::SetElements(float M11, float M12, float M21, float M22, float DX, float DY) {
  dxCheckGpStatus(GdipSetMatrixElements(Handle(), M11, M12, M21, M22, DX, DY));
  NotifyChanged();
}

void TdxGPMatrix::Flip(bool AFlipHorizontally, bool AFlipVertically, const TdxPointF& APivotPoint) {
  if (!AFlipHorizontally && !AFlipVertically) return;
  const auto flip = CreateFlip(AFlipHorizontally, AFlipVertically, APivotPoint);
  Multiply(flip.get(), MatrixOrderAppend);
}

void TdxGPMatrix::Invert() {
  dxCheckGpStatus(GdipInvertMatrix(Handle()));
  NotifyChanged();
}

void TdxGPMatrix::Multiply(TdxGPMatrix* AMatrix, TdxGpMatrixOrder AMatrixOrder) {
  dxCheckGpStatus(GdipMultiplyMatrix(Handle(), AMatrix->Handle(), AMatrixOrder));
  NotifyChanged();
}

void TdxGPMatrix::Reset() { SetElements(1, 0, 0, 1, 0, 0); }

void TdxGPMatrix::Rotate(float AAngle, TdxGpMatrixOrder AMatrixOrder) {
  dxCheckGpStatus(GdipRotateMatrix(Handle(), AAngle, AMatrixOrder));
  NotifyChanged();
}

void TdxGPMatrix::TransformAbout(const TdxPointF& APoint, TdxGpMatrixOrder AMatrixOrder,
                                 const std::function<void()>& ATransform) {
  const float s = AMatrixOrder == MatrixOrderPrepend ? 1.0f : -1.0f;
  Translate(s * APoint.X, s * APoint.Y, AMatrixOrder);
  ATransform();
  Translate(-s * APoint.X, -s * APoint.Y, AMatrixOrder);
}

void TdxGPMatrix::Rotate(float AAngle, const TdxPointF& APivotPoint, TdxGpMatrixOrder AMatrixOrder) {
  TransformAbout(APivotPoint, AMatrixOrder, [&] { Rotate(AAngle, AMatrixOrder); });
}

void TdxGPMatrix::Scale(float AScaleX, float AScaleY, TdxGpMatrixOrder AMatrixOrder) {
  dxCheckGpStatus(GdipScaleMatrix(Handle(), AScaleX, AScaleY, AMatrixOrder));
  NotifyChanged();
}

void TdxGPMatrix::Scale(const TdxPointF& AScale, TdxGpMatrixOrder AMatrixOrder) {
  Scale(AScale.X, AScale.Y, AMatrixOrder);
}

void TdxGPMatrix::Scale(const TdxPointF& AScale, const TdxPointF& ACenter, TdxGpMatrixOrder AMatrixOrder) {
  TransformAbout(ACenter, AMatrixOrder, [&] { Scale(AScale, AMatrixOrder); });
}

void TdxGPMatrix::Shear(float AShearX, float AShearY, TdxGpMatrixOrder AMatrixOrder) {
  dxCheckGpStatus(GdipShearMatrix(Handle(), AShearX, AShearY, AMatrixOrder));
  NotifyChanged();
}

void TdxGPMatrix::Shear(const TdxPointF& AShear, TdxGpMatrixOrder AMatrixOrder) {
  Shear(AShear.X, AShear.Y, AMatrixOrder);
}

void TdxGPMatrix::Translate(float AOffsetX, float AOffsetY, TdxGpMatrixOrder AMatrixOrder) {
  dxCheckGpStatus(GdipTranslateMatrix(Handle(), AOffsetX, AOffsetY, AMatrixOrder));
  NotifyChanged();
}

void TdxGPMatrix::Translate(const TdxPointF& AOffset, TdxGpMatrixOrder AMatrixOrder) {
  Translate(AOffset.X, AOffset.Y, AMatrixOrder);
}

TdxPointF TdxGPMatrix::TransformPoint(const TdxPointF& P) {
  float m11, m12, m21, m22, dx, dy;
  GetElements(m11, m12, m21, m22, dx, dy);
  return {P.X * m11 + P.Y * m21 + dx, P.X * m12 + P.Y * m22 + dy};
}

TPoint TdxGPMatrix::TransformPoint(const TPoint& P) {
  const TdxPointF result = TransformPoint(TdxPointF(static_cast<float>(P.X), static_cast<float>(P.Y)));
  return {static_cast<int32_t>(std::lround(result.X)), static_cast<int32_t>(std::lround(result.Y))};
}

TdxRectF TdxGPMatrix::TransformRect(const TdxRectF& R) {
  const TdxPointF topLeft = TransformPoint(TdxPointF(R.Left, R.Top));
  const TdxPointF bottomRight = TransformPoint(TdxPointF(R.Right, R.Bottom));
  return {topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y};
}

TRect TdxGPMatrix::TransformRect(const TRect& R) {
  return {TransformPoint(R.TopLeft()), TransformPoint(R.BottomRight())};
}

TdxRectF TdxGPMatrix::GetBoundingRectangle(const TdxRectF& R) {
  const TdxPointF corners[] = {TransformPoint(TdxPointF(R.Left, R.Top)), TransformPoint(TdxPointF(R.Right, R.Top)),
                               TransformPoint(TdxPointF(R.Right, R.Bottom)),
                               TransformPoint(TdxPointF(R.Left, R.Bottom))};
  TdxRectF result{corners[0].X, corners[0].Y, corners[0].X, corners[0].Y};
  for (const TdxPointF& corner : corners) {
    result.Left = std::min(result.Left, corner.X);
    result.Top = std::min(result.Top, corner.Y);
    result.Right = std::max(result.Right, corner.X);
    result.Bottom = std::max(result.Bottom, corner.Y);
  }
  return result;
}

bool TdxGPMatrix::IsIdentity() {
  BOOL result = FALSE;
  dxCheckGpStatus(GdipIsMatrixIdentity(Handle(), &result));
  return result;
}

bool TdxGPMatrix::IsInvertible() {
  BOOL result = FALSE;
  dxCheckGpStatus(GdipIsMatrixInvertible(Handle(), &result));
  return result;
}

float TdxGPMatrix::OffsetX() {
  float e[6];
  GetElements(e[0], e[1], e[2], e[3], e[4], e[5]);
  return e[4];
}

float TdxGPMatrix::OffsetY() {
  float e[6];
  GetElements(e[0], e[1], e[2], e[3], e[4], e[5]);
  return e[5];
}

// ---------------------------------------------------------------- TdxGPBrushGradientPoints

TdxGPBrushGradientPoints::TdxGPBrushGradientPoints() : FColors(2), FOffsets(2) {}

void TdxGPBrushGradientPoints::CheckIndex(int AIndex) const {
  if (AIndex < 0 || AIndex >= FCount) throw EListError(Format(SListIndexError, {AIndex}));
}

void TdxGPBrushGradientPoints::Changed() { dxFireNotifyEvent(OnChange, this); }

int TdxGPBrushGradientPoints::Sort(int APosition) {
  std::vector<int> order(FCount);
  std::iota(order.begin(), order.end(), 1);
  std::stable_sort(order.begin(), order.end(), [this](int A, int B) { return FOffsets[A] < FOffsets[B]; });
  std::vector<TdxAlphaColor> colors(FColors);
  std::vector<float> offsets(FOffsets);
  int result = APosition;
  for (int i = 0; i < FCount; ++i) {
    FColors[i + 1] = colors[order[i]];
    FOffsets[i + 1] = offsets[order[i]];
    if (order[i] == APosition) result = i + 1;
  }
  return result;
}

int TdxGPBrushGradientPoints::Add(float AOffset, TdxAlphaColor AColor) {
  if (FCount == FCapacity)
    SetCapacity(FCapacity > 128 ? FCapacity + FCapacity / 2 : FCapacity > 16 ? FCapacity + 32 : FCapacity + 16);
  ++FCount;
  FColors[FCount] = AColor;
  FOffsets[FCount] = AOffset;
  const int index = Sort(FCount) - 1;
  Changed();
  return index;
}

void TdxGPBrushGradientPoints::Assign(TdxGPBrushGradientPoints* ASource) {
  if (!ASource || ASource == this) return;
  Clear();
  SetCapacity(ASource->FCount);
  FCount = ASource->FCount;
  std::copy_n(ASource->FColors.begin() + 1, FCount, FColors.begin() + 1);
  std::copy_n(ASource->FOffsets.begin() + 1, FCount, FOffsets.begin() + 1);
  Sort();
  Changed();
}

void TdxGPBrushGradientPoints::Delete(int AIndex) {
  CheckIndex(AIndex);
  FColors.erase(FColors.begin() + AIndex + 1);
  FOffsets.erase(FOffsets.begin() + AIndex + 1);
  FColors.push_back(0);
  FOffsets.push_back(0);
  --FCount;
  Sort();
  Changed();
}

void TdxGPBrushGradientPoints::InvertOrder() {
  if (FCount < 2) return;
  std::reverse(FColors.begin() + 1, FColors.begin() + 1 + FCount);
  std::reverse(FOffsets.begin() + 1, FOffsets.begin() + 1 + FCount);
  for (int i = 1; i <= FCount; ++i) FOffsets[i] = 1 - FOffsets[i];
  Sort();
  Changed();
}

void TdxGPBrushGradientPoints::SetCapacity(int AValue) {
  AValue = std::max(AValue, 0);
  if (AValue == FCapacity) return;
  FCapacity = AValue;
  FColors.resize(AValue + 2);
  FOffsets.resize(AValue + 2);
  if (FCount > FCapacity) {
    FCount = FCapacity;
    Sort();
    Changed();
  }
}

TdxAlphaColor TdxGPBrushGradientPoints::GetColor(int AIndex) const {
  CheckIndex(AIndex);
  return FColors[AIndex + 1];
}

void TdxGPBrushGradientPoints::SetColor(int AIndex, TdxAlphaColor AValue) {
  CheckIndex(AIndex);
  if (FColors[AIndex + 1] == AValue) return;
  FColors[AIndex + 1] = AValue;
  Sort();
  Changed();
}

float TdxGPBrushGradientPoints::GetOffset(int AIndex) const {
  CheckIndex(AIndex);
  return FOffsets[AIndex + 1];
}

void TdxGPBrushGradientPoints::SetOffset(int AIndex, float AValue) {
  CheckIndex(AIndex);
  if (SameSingle(FOffsets[AIndex + 1], AValue)) return;
  FOffsets[AIndex + 1] = AValue;
  Sort();
  Changed();
}

int TdxGPBrushGradientPoints::PresetBlend(const TdxAlphaColor*& AColors, const float*& AOffsets) {
  int count = FCount;
  int first = 1;
  FColors[0] = 0;
  FOffsets[0] = 0;
  if (FOffsets[1] > 0) {
    first = 0;
    ++count;
  }
  if (FOffsets[FCount] < 1) {
    FColors[FCount + 1] = 0;
    FOffsets[FCount + 1] = 1;
    ++count;
  }
  AColors = FColors.data() + first;
  AOffsets = FOffsets.data() + first;
  return count;
}

// ---------------------------------------------------------------- brushes

void TdxGPCustomBrush::DoFreeHandle(void* AHandle) { dxCheckGpStatus(GdipDeleteBrush(AHandle)); }

void TdxGPCustomBrush::Assign(TdxGPCustomGraphicObject* ASource) {
  // A copy aims at the same rectangle as its source.
  if (auto* source = dynamic_cast<TdxGPCustomBrush*>(ASource)) StoreTargetRect(source->FTargetRect);
}

void TdxGPCustomBrush::StoreTargetRect(const TdxGpRectF& R) {
  if (GpIsEqualRectF(R, FTargetRect)) return;
  FTargetRect = R;
  TargetRectChanged();
}

void TdxGPCustomBrush::SetTargetRect(const TdxGpRectF& R) {
  StoreTargetRect({R.X - 1, R.Y - 1, R.Width + 2, R.Height + 2});
}

void TdxGPCustomBrush::SetTargetRect(const TRect& R) { SetTargetRect(GpRectF(R)); }
void TdxGPCustomBrush::SetTargetRect(const TdxRectF& R) { SetTargetRect(TdxGpRectF::From(R)); }
void TdxGPCustomBrush::SetTargetRect(const TdxGpRect& R) { SetTargetRect(GpRectF(R)); }

void TdxGPCustomBrush::TargetRectChanged() {
  if (NeedRecreateHandleOnTargetRectChange()) FreeHandle();
}

TdxGPBrush::TdxGPBrush()
    : FGradientPoints(std::make_unique<TdxGPBrushGradientPoints>()), FTexture(std::make_unique<TdxGPImage>()) {
  FGradientPoints->OnChange = [this](TObject*) { GradientPointsChanged(); };
  FTexture->OnChange = [this](TObject*) { TextureChanged(); };
}

TdxGPBrush::~TdxGPBrush() = default;

void TdxGPBrush::Assign(TdxGPCustomGraphicObject* ASource) {
  TdxGPCustomBrush::Assign(ASource);
  auto* source = dynamic_cast<TdxGPBrush*>(ASource);
  if (!source) return;
  SetColor(source->FColor);
  SetGradientMode(source->FGradientMode);
  SetGradientPoints(source->FGradientPoints.get());
  SetTexture(source->FTexture.get());
  SetStyle(source->FStyle);
}

void TdxGPBrush::SetColor(TdxAlphaColor AValue) {
  if (AValue == FColor) return;
  FColor = AValue;
  if (HandleAllocated() && FStyle == gpbsSolid) dxCheckGpStatus(GdipSetSolidFillColor(Handle(), FColor));
  NotifyChanged();
}

void TdxGPBrush::SetGradientMode(TdxGPBrushGradientMode AValue) {
  if (AValue == FGradientMode) return;
  FGradientMode = AValue;
  if (FStyle == gpbsGradient) FreeHandle();
  NotifyChanged();
}

void TdxGPBrush::SetStyle(TdxGPBrushStyle AValue) {
  if (AValue == FStyle) return;
  FStyle = AValue;
  FreeHandle();
  NotifyChanged();
}

void TdxGPBrush::SetTexture(TdxGPImage* AValue) { FTexture->Assign(AValue); }

void TdxGPBrush::GradientPointsChanged() {
  if (FStyle == gpbsGradient) FreeHandle();
  NotifyChanged();
}

void TdxGPBrush::TextureChanged() {
  if (FStyle == gpbsTexture) FreeHandle();
  NotifyChanged();
}

bool TdxGPBrush::GetIsEmpty() const {
  switch (FStyle) {
    case gpbsSolid: return FColor == 0;
    case gpbsGradient: return FGradientPoints->Count() == 0;
    case gpbsTexture: return FTexture->Empty();
    default: return true;
  }
}

void TdxGPBrush::DoCreateHandle(void*& AHandle) {
  const TdxGpRectF& target = TargetRect();
  switch (FStyle) {
    case gpbsSolid:
      dxCheckGpStatus(GdipCreateSolidFill(FColor, &AHandle));
      return;
    case gpbsGradient:
      if (FGradientPoints->Count() > 0 && target.Width != 0 && target.Height != 0) {
        dxCheckGpStatus(GdipCreateLineBrushFromRect(&target, 0, 0, static_cast<INT>(FGradientMode),
                                                    WrapModeTileFlipX, &AHandle));
        const TdxAlphaColor* colors;
        const float* offsets;
        const int count = FGradientPoints->PresetBlend(colors, offsets);
        dxCheckGpStatus(GdipSetLinePresetBlend(AHandle, colors, offsets, count));
        return;
      }
      break;
    case gpbsTexture:
      if (!FTexture->Empty()) {
        dxCheckGpStatus(GdipCreateTexture(FTexture->Handle(), WrapModeTile, &AHandle));
        return;
      }
      break;
    case gpbsClear:
      break;
  }
  dxCheckGpStatus(GdipCreateSolidFill(0, &AHandle));
}

void TdxGPBrush::TargetRectChanged() {
  TdxGPCustomBrush::TargetRectChanged();
  // A texture starts at the shape's corner; an empty one is a plain brush.
  if (FStyle == gpbsTexture && !FTexture->Empty()) {
    dxCheckGpStatus(GdipResetTextureTransform(Handle()));
    dxCheckGpStatus(GdipTranslateTextureTransform(Handle(), TargetRect().X, TargetRect().Y, MatrixOrderAppend));
  }
}

// ---------------------------------------------------------------- pens

TdxGPPen::TdxGPPen() : FBrush(std::make_unique<TdxGPPenBrush>(this)) {}

TdxGPPen::~TdxGPPen() { FreeHandle(); }

TdxGPBrush* TdxGPPen::Brush() const { return FBrush.get(); }
void TdxGPPen::SetBrush(TdxGPBrush* AValue) { FBrush->Assign(AValue); }

void TdxGPPen::Assign(TdxGPCustomGraphicObject* ASource) {
  auto* source = dynamic_cast<TdxGPPen*>(ASource);
  if (!source) return;
  SetBrush(source->Brush());
  SetStyle(source->FStyle);
  SetWidth(source->FWidth);
}

void TdxGPPen::DoCreateHandle(void*& AHandle) {
  dxCheckGpStatus(GdipCreatePen2(FBrush->Handle(), FWidth, UnitPixel, &AHandle));
  dxCheckGpStatus(GdipSetPenDashStyle(AHandle, static_cast<INT>(FStyle)));
}

void TdxGPPen::DoFreeHandle(void* AHandle) { dxCheckGpStatus(GdipDeletePen(AHandle)); }

void TdxGPPen::HandleNeeded() {
  FBrush->Handle();
  TdxGPCustomGraphicObject::HandleNeeded();
}

void TdxGPPen::SetWidth(float AValue) {
  AValue = std::max(AValue, 0.0f);
  if (AValue == FWidth) return;
  FWidth = AValue;
  if (HandleAllocated()) dxCheckGpStatus(GdipSetPenWidth(Handle(), FWidth));
  NotifyChanged();
}

void TdxGPPen::SetStyle(TdxGPPenStyle AValue) {
  if (AValue == FStyle) return;
  FStyle = AValue;
  if (HandleAllocated()) dxCheckGpStatus(GdipSetPenDashStyle(Handle(), static_cast<INT>(FStyle)));
  NotifyChanged();
}

bool TdxGPPen::GetIsEmpty() const { return std::fabs(FWidth) <= 0.0001f || FBrush->IsEmpty(); }

void TdxGPPen::SetTargetRect(const TdxGpRect& R) { FBrush->SetTargetRect(R); }
void TdxGPPen::SetTargetRect(const TRect& R) { FBrush->SetTargetRect(R); }
void TdxGPPen::SetTargetRect(const TdxRectF& R) { FBrush->SetTargetRect(R); }

void TdxGPPenBrush::UpdatePenFill() {
  if (HandleAllocated() && FPen->HandleAllocated())
    dxCheckGpStatus(GdipSetPenBrushFill(FPen->Handle(), Handle()));
}

void TdxGPPenBrush::NotifyChanged() {
  TdxGPBrush::NotifyChanged();
  UpdatePenFill();
  FPen->NotifyChanged();
}

void TdxGPPenBrush::DoCreateHandle(void*& AHandle) {
  TdxGPBrush::DoCreateHandle(AHandle);
  if (FPen->HandleAllocated()) dxCheckGpStatus(GdipSetPenBrushFill(FPen->Handle(), AHandle));
}

// ---------------------------------------------------------------- TdxGPPath

TdxGPPath::TdxGPPath(TdxGPFillMode AFillMode) {
  dxCheckGpStatus(GdipCreatePath(static_cast<INT>(AFillMode), &FHandle));
}

TdxGPPath::TdxGPPath(const TdxGpPointFDynArray& APoints, const std::vector<uint8_t>& APointTypes) {
  if (APointTypes.size() < APoints.size()) dxCheckGpStatus(InvalidParameter);
  dxCheckGpStatus(GdipCreatePath2(APoints.data(), APointTypes.data(), static_cast<INT>(APoints.size()),
                                  static_cast<INT>(gpfmAlternate), &FHandle));
}

TdxGPPath::~TdxGPPath() {
  if (FHandle) GdipDeletePath(FHandle);
}

void TdxGPPath::FigureStart() { dxCheckGpStatus(GdipStartPathFigure(FHandle)); }
void TdxGPPath::FigureFinish() { dxCheckGpStatus(GdipClosePathFigure(FHandle)); }
void TdxGPPath::Reset() { dxCheckGpStatus(GdipResetPath(FHandle)); }

void TdxGPPath::Flatten(TdxGPMatrix* AMatrix, float AFlatness) {
  dxCheckGpStatus(GdipFlattenPath(FHandle, AMatrix ? AMatrix->Handle() : nullptr, AFlatness));
}

void TdxGPPath::AddArc(float X, float Y, float AWidth, float AHeight, float AStartAngle, float ASweepAngle) {
  dxCheckGpStatus(GdipAddPathArc(FHandle, X, Y, AWidth, AHeight, AStartAngle, ASweepAngle));
}

void TdxGPPath::AddPie(float X, float Y, float AWidth, float AHeight, float AStartAngle, float ASweepAngle) {
  dxCheckGpStatus(GdipAddPathPie(FHandle, X, Y, AWidth, AHeight, AStartAngle, ASweepAngle));
}

void TdxGPPath::AddLine(float X1, float Y1, float X2, float Y2) {
  dxCheckGpStatus(GdipAddPathLine(FHandle, X1, Y1, X2, Y2));
}

void TdxGPPath::AddEllipse(const TRect& R) {
  dxCheckGpStatus(GdipAddPathEllipseI(FHandle, R.Left, R.Top, R.Width(), R.Height()));
}

void TdxGPPath::AddEllipse(const TdxRectF& R) {
  dxCheckGpStatus(GdipAddPathEllipse(FHandle, R.Left, R.Top, R.Right - R.Left, R.Bottom - R.Top));
}

void TdxGPPath::AddRect(const TRect& R) {
  dxCheckGpStatus(GdipAddPathRectangleI(FHandle, R.Left, R.Top, R.Width(), R.Height()));
}

void TdxGPPath::AddRect(const TdxRectF& R) {
  dxCheckGpStatus(GdipAddPathRectangle(FHandle, R.Left, R.Top, R.Right - R.Left, R.Bottom - R.Top));
}

void TdxGPPath::AddPolygon(const std::vector<TPoint>& APoints) {
  dxCheckGpStatus(GdipAddPathPolygonI(FHandle, reinterpret_cast<const POINT*>(APoints.data()),
                                      static_cast<INT>(APoints.size())));
}

void TdxGPPath::AddPolyline(const std::vector<TPoint>& APoints) {
  dxCheckGpStatus(GdipAddPathLine2I(FHandle, reinterpret_cast<const POINT*>(APoints.data()),
                                    static_cast<INT>(APoints.size())));
}

void TdxGPPath::AddRoundRect(const TRect& R, int ARadiusX, int ARadiusY) {
  AddRoundRect(dxRectFFromRect(R), static_cast<float>(ARadiusX), static_cast<float>(ARadiusY));
}

void TdxGPPath::AddRoundRect(const TdxRectF& R, float ARadiusX, float ARadiusY) {
  FigureStart();
  try {
    const float rx = std::min(ARadiusX, (R.Right - R.Left) / 3);
    const float ry = std::min(ARadiusY, (R.Bottom - R.Top) / 3);
    if (rx <= 0 || ry <= 0) {
      AddRect(R);
    } else {
      const float d = 2 * rx, e = 2 * ry;
      AddLine(R.Left + rx, R.Top, R.Right - d, R.Top);
      AddArc(R.Right - d, R.Top, d, e, 270, 90);
      AddLine(R.Right, R.Top + ry, R.Right, R.Bottom - e);
      AddArc(R.Right - d, R.Bottom - e, d, e, 0, 90);
      AddLine(R.Right - d, R.Bottom, R.Left + rx, R.Bottom);
      AddArc(R.Left, R.Bottom - e, d, e, 90, 90);
      AddLine(R.Left, R.Bottom - e, R.Left, R.Top + ry);
      AddArc(R.Left, R.Top, d, e, 180, 90);
    }
  } catch (...) {
    FigureFinish();
    throw;
  }
  FigureFinish();
}

void TdxGPPath::AddString(const wchar_t* AText, TFont* AFont, float AEmSize, const TRect& ARect) {
  void* format = nullptr;
  dxCheckGpStatus(GdipCreateStringFormat(0, 0, &format));
  void* family = nullptr;
  const Status familyStatus = GdipCreateFontFamilyFromName(AFont->Name().c_str(), nullptr, &family);
  const TdxGpRect layout = GpRect(ARect);
  const Status status = familyStatus != Ok ? familyStatus
                                           : GdipAddPathStringI(FHandle, AText, -1, family, GpFontStyle(AFont->Style()),
                                                                AEmSize, &layout, format);
  if (family) GdipDeleteFontFamily(family);
  GdipDeleteStringFormat(format);
  dxCheckGpStatus(status);
}

TdxRectF TdxGPPath::GetBoundsF(TdxGPPen* APen) {
  TdxGpRectF bounds;
  dxCheckGpStatus(GdipGetPathWorldBounds(FHandle, &bounds, nullptr, APen ? APen->Handle() : nullptr));
  return bounds.ToRectF();
}

TRect TdxGPPath::GetBounds(TdxGPPen* APen) {
  TdxGpRectF bounds;
  dxCheckGpStatus(GdipGetPathWorldBounds(FHandle, &bounds, nullptr, APen ? APen->Handle() : nullptr));
  return bounds.ToRect();
}

bool TdxGPPath::IsPointInPath(const TdxPointF& P, TdxGPCanvas* ACanvas) {
  BOOL result = FALSE;
  dxCheckGpStatus(GdipIsVisiblePathPoint(FHandle, P.X, P.Y, ACanvas ? ACanvas->Handle() : nullptr, &result));
  return result;
}

bool TdxGPPath::IsPointInPath(const TPoint& P, TdxGPCanvas* ACanvas) {
  return IsPointInPath(TdxPointF(static_cast<float>(P.X), static_cast<float>(P.Y)), ACanvas);
}

bool TdxGPPath::IsPointInPathOutline(const TdxPointF& P, TdxGPPen* APen, TdxGPCanvas* ACanvas) {
  BOOL result = FALSE;
  dxCheckGpStatus(GdipIsOutlineVisiblePathPoint(FHandle, P.X, P.Y, APen->Handle(),
                                                ACanvas ? ACanvas->Handle() : nullptr, &result));
  return result;
}

bool TdxGPPath::IsPointInPathOutline(const TPoint& P, TdxGPPen* APen, TdxGPCanvas* ACanvas) {
  return IsPointInPathOutline(TdxPointF(static_cast<float>(P.X), static_cast<float>(P.Y)), APen, ACanvas);
}

bool TdxGPPath::IsPointInPathOutline(const TPoint& P, int APenWidth, TdxGPCanvas* ACanvas) {
  if (APenWidth <= 0) return false;
  void* pen = nullptr;
  dxCheckGpStatus(GdipCreatePen1(0xFF000000, static_cast<float>(APenWidth), UnitPixel, &pen));
  BOOL result = FALSE;
  const Status status = GdipIsOutlineVisiblePathPoint(FHandle, static_cast<float>(P.X), static_cast<float>(P.Y), pen,
                                                      ACanvas ? ACanvas->Handle() : nullptr, &result);
  GdipDeletePen(pen);
  dxCheckGpStatus(status);
  return result;
}

// ---------------------------------------------------------------- TdxGPRegion

TdxGPRegion::TdxGPRegion() { dxCheckGpStatus(GdipCreateRegion(&FHandle)); }
TdxGPRegion::TdxGPRegion(void* APath) { dxCheckGpStatus(GdipCreateRegionPath(APath, &FHandle)); }

TdxGPRegion::TdxGPRegion(const TRect& ARect) {
  const TdxGpRect rect = GpRect(ARect);
  dxCheckGpStatus(GdipCreateRegionRectI(&rect, &FHandle));
}

TdxGPRegion::TdxGPRegion(const TdxRectF& ARect) {
  const TdxGpRectF rect = TdxGpRectF::From(ARect);
  dxCheckGpStatus(GdipCreateRegionRect(&rect, &FHandle));
}

TdxGPRegion::~TdxGPRegion() {
  if (FHandle) GdipDeleteRegion(FHandle);
}

void TdxGPRegion::CombineRegionRect(const TRect& ARect, TdxGPCombineMode AMode) {
  const TdxGpRect rect = GpRect(ARect);
  dxCheckGpStatus(GdipCombineRegionRectI(FHandle, &rect, static_cast<INT>(AMode)));
}

void TdxGPRegion::CombineRegionRect(const TdxRectF& ARect, TdxGPCombineMode AMode) {
  const TdxGpRectF rect = TdxGpRectF::From(ARect);
  dxCheckGpStatus(GdipCombineRegionRect(FHandle, &rect, static_cast<INT>(AMode)));
}

// ---------------------------------------------------------------- image attributes

TdxGPImageAttributes::TdxGPImageAttributes() { dxCheckGpStatus(GdipCreateImageAttributes(&FHandle)); }

TdxGPImageAttributes::~TdxGPImageAttributes() {
  if (FHandle) GdipDisposeImageAttributes(FHandle);
  FHandle = nullptr;
}

void TdxGPImageAttributes::SetColorKey(TdxAlphaColor AColorLow, TdxAlphaColor AColorHigh, TdxGpColorAdjustType AType) {
  dxCheckGpStatus(GdipSetImageAttributesColorKeys(FHandle, AType, TRUE, AColorLow, AColorHigh));
}

void TdxGPImageAttributes::ClearColorKey(TdxGpColorAdjustType AType) {
  dxCheckGpStatus(GdipSetImageAttributesColorKeys(FHandle, AType, FALSE, 0, 0));
}

void TdxGPImageAttributes::SetColorMatrix(const TdxGpColorMatrix* ANewColorMatrix, TdxGpColorMatrixFlags AMode,
                                          TdxGpColorAdjustType AType) {
  SetColorMatrices(ANewColorMatrix, nullptr, AMode, AType);
}

void TdxGPImageAttributes::SetColorMatrices(const TdxGpColorMatrix* ANewColorMatrix,
                                            const TdxGpColorMatrix* AGrayMatrix, TdxGpColorMatrixFlags AMode,
                                            TdxGpColorAdjustType AType) {
  dxCheckGpStatus(GdipSetImageAttributesColorMatrix(FHandle, AType, TRUE, ANewColorMatrix, AGrayMatrix, AMode));
}

void TdxGPImageAttributes::ClearColorMatrix(TdxGpColorAdjustType AType) {
  dxCheckGpStatus(
      GdipSetImageAttributesColorMatrix(FHandle, AType, FALSE, nullptr, nullptr, ColorMatrixFlagsDefault));
}

void TdxGPImageAttributes::SetGamma(float AGamma, TdxGpColorAdjustType AType) {
  dxCheckGpStatus(GdipSetImageAttributesGamma(FHandle, AType, TRUE, AGamma));
}

void TdxGPImageAttributes::ClearGamma(TdxGpColorAdjustType AType) {
  dxCheckGpStatus(GdipSetImageAttributesGamma(FHandle, AType, FALSE, 0));
}

void TdxGPImageAttributes::SetNoOp(TdxGpColorAdjustType AType) {
  dxCheckGpStatus(GdipSetImageAttributesNoOp(FHandle, AType, TRUE));
}

void TdxGPImageAttributes::ClearNoOp(TdxGpColorAdjustType AType) {
  dxCheckGpStatus(GdipSetImageAttributesNoOp(FHandle, AType, FALSE));
}

void TdxGPImageAttributes::SetOutputChannel(TdxGpColorChannelFlags AFlags, TdxGpColorAdjustType AType) {
  dxCheckGpStatus(GdipSetImageAttributesOutputChannel(FHandle, AType, TRUE, AFlags));
}

void TdxGPImageAttributes::ClearOutputChannel(TdxGpColorAdjustType AType) {
  dxCheckGpStatus(GdipSetImageAttributesOutputChannel(FHandle, AType, FALSE, ColorChannelFlagsLast));
}

void TdxGPImageAttributes::SetOutputChannelColorProfile(const String& AColorProfileFilename,
                                                        TdxGpColorAdjustType AType) {
  dxCheckGpStatus(
      GdipSetImageAttributesOutputChannelColorProfile(FHandle, AType, TRUE, AColorProfileFilename.c_str()));
}

void TdxGPImageAttributes::ClearOutputChannelColorProfile(TdxGpColorAdjustType AType) {
  dxCheckGpStatus(GdipSetImageAttributesOutputChannelColorProfile(FHandle, AType, FALSE, nullptr));
}

void TdxGPImageAttributes::SetRemapTable(const std::vector<TGpColorMap>& AMap, TdxGpColorAdjustType AType) {
  dxCheckGpStatus(
      GdipSetImageAttributesRemapTable(FHandle, AType, TRUE, static_cast<UINT>(AMap.size()), AMap.data()));
}

void TdxGPImageAttributes::ClearRemapTable(TdxGpColorAdjustType AType) {
  dxCheckGpStatus(GdipSetImageAttributesRemapTable(FHandle, AType, FALSE, 0, nullptr));
}

void TdxGPImageAttributes::SetThreshold(float AThreshold, TdxGpColorAdjustType AType) {
  dxCheckGpStatus(GdipSetImageAttributesThreshold(FHandle, AType, TRUE, AThreshold));
}

void TdxGPImageAttributes::ClearThreshold(TdxGpColorAdjustType AType) {
  dxCheckGpStatus(GdipSetImageAttributesThreshold(FHandle, AType, FALSE, 0));
}

void TdxGPImageAttributes::SetWrapMode(WrapMode AMode, TdxAlphaColor AColor, bool AClamp) {
  dxCheckGpStatus(GdipSetImageAttributesWrapMode(FHandle, AMode, AColor, AClamp));
}

void TdxGPImageAttributes::GetAdjustedPalette(TGpColorPalette* APalette, TdxGpColorAdjustType AType) {
  dxCheckGpStatus(GdipGetImageAttributesAdjustedPalette(FHandle, APalette, AType));
}

std::unique_ptr<TdxGPImageAttributes> TdxGPImageAttributes::Clone() {
  void* clone = nullptr;
  dxCheckGpStatus(GdipCloneImageAttributes(FHandle, &clone));
  return std::unique_ptr<TdxGPImageAttributes>(new TdxGPImageAttributes(clone));
}

TdxGPAlphaBlendAttributes::TdxGPAlphaBlendAttributes() {
  for (int i = 0; i < 5; ++i) FColorMatrix.M[i][i] = 1;
  dxCheckGpStatus(GdipCreateImageAttributes(&FHandle));
  SetAlpha(255);
}

TdxGPAlphaBlendAttributes::~TdxGPAlphaBlendAttributes() {
  if (FHandle) GdipDisposeImageAttributes(FHandle);
}

void TdxGPAlphaBlendAttributes::SetAlpha(uint8_t AValue) {
  if (AValue == FAlpha) return;
  FAlpha = AValue;
  FColorMatrix.M[3][3] = AValue / 255.0f;
  dxCheckGpStatus(GdipSetImageAttributesColorMatrix(FHandle, ColorAdjustTypeBitmap, TRUE, &FColorMatrix, nullptr,
                                                    ColorMatrixFlagsDefault));
}
