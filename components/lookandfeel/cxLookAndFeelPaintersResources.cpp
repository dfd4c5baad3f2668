// The painters' shared drawing resources (radio-button glyphs, grid
// indicator glyphs, scroll-bar page patterns) and the painters unit's
// start-up, which makes them and registers the built-in painters.
#include <algorithm>
#include <array>

#include "components/core/cxGraphics.h"
#include "components/core/dxCoreGraphics.h"
#include "components/core/dxOffice11.h"
#include "components/lookandfeel/cxLookAndFeelPainters.h"
#include "components/lookandfeel/cxLookAndFeels.h"
#include "vcl/controls/ImgList.h"
#include "vcl/graphics/Bitmap.h"
#include "vcl/graphics/Canvas.h"

namespace {

constexpr int ObmCheckBoxes = 32759;  // the system's check-box and radio-button picture

std::unique_ptr<TcxRadioButtonImageList> RadioButtonImageList;
bool ResourcesShutDown = false;
std::unique_ptr<TCustomImageList> IndicatorImages;
std::array<std::unique_ptr<TBitmap>, 2> ScrollBarPatternBitmaps;

// One cell of the system's check-box picture, 4 cells across and 3 down.
TSize SystemCheckBoxCellSize() {
  HBITMAP bitmap = LoadBitmapW(nullptr, MAKEINTRESOURCEW(ObmCheckBoxes));
  BITMAP info{};
  const bool read = bitmap && GetObjectW(bitmap, sizeof(info), &info) != 0;
  if (bitmap) DeleteObject(bitmap);
  if (!read) RaiseLastOSError();
  return {info.bmWidth / 4, info.bmHeight / 3};
}

std::unique_ptr<TBitmap> WorkBitmap(int AWidth, int AHeight, TPixelFormat AFormat, TColor AFill) {
  std::unique_ptr<TBitmap> bitmap(cxCreateBitmapOfSize(TSize{AWidth, AHeight}, AFormat));
  bitmap->Canvas()->Brush()->SetColor(AFill);
  bitmap->Canvas()->FillRect(TRect(0, 0, AWidth, AHeight));
  return bitmap;
}

// An ellipse filling R: outline in black, inside in AFill.
void DrawEllipse(TBitmap* ABitmap, const TRect& R, TColor AFill) {
  TcxCanvas canvas(ABitmap->Canvas());
  canvas.Pen()->SetColor(clBlack);
  canvas.Brush()->SetColor(AFill);
  canvas.RoundRect(R, R.Width() - 1, R.Height() - 1);
}

bool IsBlack(TBitmap* ABitmap, int X, int Y) { return (ABitmap->Canvas()->Pixels(X, Y) & 0xFFFFFF) == 0; }

// The seven colours of a glyph's pixel classes.
std::array<TColor, 7> GlyphColors(TcxLookAndFeelKind AKind, TcxButtonState AState, bool AChecked, bool AFocused,
                                  bool AIsDesigning) {
  static const TcxLookAndFeelStyle styles[] = {lfsFlat, lfsStandard, lfsUltraFlat, lfsOffice11};
  TcxCustomLookAndFeelPainter* painter =
      PaintersManager ? PaintersManager->GetPainter(styles[static_cast<int>(AKind)]) : nullptr;
  const TColor body = painter ? painter->RadioButtonBodyColor(AState) : clWindow;
  const bool highlighted =
      AFocused || AState == cxbsHot || AState == cxbsPressed || (AIsDesigning && AState != cxbsDisabled);
  std::array<TColor, 7> c{clBlack, 0, 0, 0, 0, body, body};
  switch (AKind) {
    case lfFlat: c[1] = clBtnShadow, c[2] = clBtnHighlight, c[3] = cl3DLight, c[4] = cl3DLight; break;
    case lfStandard: c[1] = clBtnShadow, c[2] = clBtnHighlight, c[3] = cl3DDkShadow, c[4] = cl3DLight; break;
    case lfUltraFlat:
      c[1] = c[2] = highlighted ? clHighlight : clBtnShadow;
      c[3] = c[4] = body;
      break;
    case lfOffice11:
      c[1] = c[2] = AState == cxbsDisabled ? dxOffice11Colors[52] : highlighted ? dxOffice11Colors[41] : clBtnText;
      c[3] = c[4] = body;
      break;
  }
  if (AChecked)
    c[6] = AState != cxbsDisabled ? clWindowText : AKind == lfOffice11 ? dxOffice11Colors[52] : clBtnShadow;
  return c;
}

// The painters' primary palette notifier: new system colours, new glyphs.
class TSystemPaletteChangedNotifier : public TcxSystemPaletteChangedNotifier {
  VCL_CLASS(TSystemPaletteChangedNotifier, TcxSystemPaletteChangedNotifier)
public:
  TSystemPaletteChangedNotifier() : TcxSystemPaletteChangedNotifier(true) {}
  void FirePaletteChanged() override {
    if (RadioButtonImageList) RadioButtonImageList->Reset();
  }
};

std::unique_ptr<TSystemPaletteChangedNotifier> PaletteNotifier;

}  // namespace

// ---------------------------------------------------------------- radio glyphs

TcxRadioButtonImageList::TcxRadioButtonImageList() {
  MeasureSystemRadioButton();
  FList = std::make_unique<TCustomImageList>(nullptr);
  FList->SetSize(FRadioButtonRect.Width(), FRadioButtonRect.Height());
  CreateButtonMask();
  CreatePattern();
}

TcxRadioButtonImageList::~TcxRadioButtonImageList() {
  FList.reset();
  FButtonMask.reset();
}

void TcxRadioButtonImageList::MeasureSystemRadioButton() {
  const TSize cell = SystemCheckBoxCellSize();
  const std::unique_ptr<TBitmap> bitmap = WorkBitmap(cell.cx, cell.cy, pf24bit, clBlack);
  RECT bounds{0, 0, cell.cx, cell.cy};
  DrawFrameControl(bitmap->Canvas()->Handle(), &bounds, DFC_BUTTON, DFCS_BUTTONRADIOMASK | DFCS_FLAT);
  auto holdsBlack = [&](int AColumnOrRow, bool AColumn) {
    for (int i = 0; i < (AColumn ? cell.cy : cell.cx); ++i)
      if (AColumn ? IsBlack(bitmap.get(), AColumnOrRow, i) : IsBlack(bitmap.get(), i, AColumnOrRow)) return true;
    return false;
  };
  // The button's bounds: the columns and rows that the mask touches.
  int width = 0, height = 0, left = -1, top = -1;
  for (int x = 0; x < cell.cx; ++x)
    if (holdsBlack(x, true)) ++width, left = left < 0 ? x : left;
  for (int y = 0; y < cell.cy; ++y)
    if (holdsBlack(y, false)) ++height, top = top < 0 ? y : top;
  if (width == 0 || height == 0) throw EdxException(L"The system's radio button could not be measured");
  FRadioButtonRect = TRect(left, top, left + width, top + height);

  // The check dot's bounds: the run of text-coloured pixels through the
  // middle of the checked image, up and down, then left and right.
  bitmap->Canvas()->FillRect(TRect(0, 0, cell.cx, cell.cy));
  DrawFrameControl(bitmap->Canvas()->Handle(), &bounds, DFC_BUTTON,
                   DFCS_BUTTONRADIOIMAGE | DFCS_CHECKED | DFCS_FLAT);
  const TColor dot = static_cast<TColor>(ColorToRGB(clWindowText));
  auto isDot = [&](int X, int Y) {
    return X >= 0 && Y >= 0 && X < cell.cx && Y < cell.cy && bitmap->Canvas()->Pixels(X, Y) == dot;
  };
  const int middleX = left + width / 2 - 1, middleY = top + height / 2 - 1;
  int y = middleY - 1;
  while (isDot(middleX, y)) --y;
  FRadioButtonCheckRect.Top = y + 1;
  for (y = FRadioButtonCheckRect.Top + 1; isDot(middleX, y);) ++y;
  FRadioButtonCheckRect.Bottom = y;
  int x = middleX - 1;
  while (isDot(x, middleY)) --x;
  FRadioButtonCheckRect.Left = x + 1;
  for (x = FRadioButtonCheckRect.Left + 1; isDot(x, middleY);) ++x;
  FRadioButtonCheckRect.Right = x;
}

void TcxRadioButtonImageList::CreateButtonMask() {
  const int w = FList->Width(), h = FList->Height();
  FButtonMask = WorkBitmap(w, h, pf24bit, clWhite);
  TcxCanvas canvas(FButtonMask->Canvas());
  canvas.Pen()->SetColor(clBlack);
  canvas.Brush()->SetColor(clBlack);
  canvas.RoundRect(TRect(0, 0, w, h), w - 1, h - 1);
}

void TcxRadioButtonImageList::CreatePattern() {
  const int w = FList->Width(), h = FList->Height();
  auto& pattern = FRadioButtonPattern;
  pattern.assign(h, std::vector<int>(w, 0));
  // Which half of a ring a cell lies in: the anti-diagonal from the
  // top-right to the bottom-left corner splits them.
  auto side = [&](int I, int J) { return (h - 1) * (w - 1 - J) - (w - 1) * I; };

  const std::unique_ptr<TBitmap> ring = WorkBitmap(w, h, pf32bit, clWhite);
  DrawEllipse(ring.get(), TRect(0, 0, w, h), clWhite);
  for (int i = 0; i < h; ++i)
    for (int j = 0; j < w; ++j)
      if (IsBlack(ring.get(), j, i)) pattern[i][j] = side(i, j) < 0 ? 2 : 1;

  // The body: from the middle outwards until the outer ring.
  const int c = w / 2 - 1;
  for (int i = 1; i <= h - 2; ++i) {
    for (int j = c; j >= 0 && pattern[i][j] == 0; --j) pattern[i][j] = 5;
    for (int j = c + 1; j < w && pattern[i][j] == 0; ++j) pattern[i][j] = 5;
  }

  // The inner ring: the last cell before the outer ring on every row and
  // column, and the whole second and last-but-one rows and columns.
  auto markInner = [&](int I, int J) {
    const int e = side(I, J);
    pattern[I][J] = e < 0 ? 4 : e > 0 ? 3 : J <= w / 2 - 1 ? 3 : 4;
  };
  auto isOuter = [&](int I, int J) { return pattern[I][J] == 1 || pattern[I][J] == 2; };
  auto markRun = [&](int AFrom, int AStep, int ALimit, bool AAll, auto ACellAt) {
    int last = -1;
    for (int k = AFrom; k >= 0 && k < ALimit; k += AStep) {
      auto [i, j] = ACellAt(k);
      if (isOuter(i, j)) break;
      if (AAll) markInner(i, j);
      last = k;
    }
    if (last >= 0) {
      auto [i, j] = ACellAt(last);
      markInner(i, j);
    }
  };
  for (int i = 1; i <= h - 2; ++i) {
    auto cellOfRow = [i](int k) { return std::pair{i, k}; };
    const bool all = i == 1 || i == h - 2;
    markRun(c, -1, w, all, cellOfRow);
    markRun(c + 1, 1, w, all, cellOfRow);
  }
  const int r = h / 2 - 1;
  for (int j = 1; j <= w - 2; ++j) {
    auto cellOfColumn = [j](int k) { return std::pair{k, j}; };
    const bool all = j == 1 || j == w - 2;
    markRun(r, -1, h, all, cellOfColumn);
    markRun(r + 1, 1, h, all, cellOfColumn);
  }

  const std::unique_ptr<TBitmap> dot = WorkBitmap(w, h, pf32bit, clWhite);
  TRect dotRect = FRadioButtonCheckRect;
  dotRect.Offset(-FRadioButtonRect.Left, -FRadioButtonRect.Top);
  DrawEllipse(dot.get(), dotRect, clBlack);
  for (int i = 0; i < h; ++i)
    for (int j = 0; j < w; ++j)
      if (IsBlack(dot.get(), j, i)) pattern[i][j] = 6;
}

void TcxRadioButtonImageList::Prepare() {
  if (FList->Count() > 0) return;
  const int w = FList->Width(), h = FList->Height();
  TcxBitmap32 glyph(w, h);
  TRGBColors colors(static_cast<size_t>(w) * h);
  for (bool focused : {false, true})
    for (bool designing : {false, true})
      for (TcxLookAndFeelKind kind : {lfFlat, lfStandard, lfUltraFlat, lfOffice11})
        for (bool checked : {false, true})
          for (TcxButtonState state : {cxbsNormal, cxbsHot, cxbsPressed, cxbsDisabled}) {
            const std::array<TColor, 7> c = GlyphColors(kind, state, checked, focused, designing);
            for (int i = 0; i < h; ++i)
              for (int j = 0; j < w; ++j) colors[i * w + j] = dxColorAsRGBQuad(c[FRadioButtonPattern[i][j]], 0);
            dxWriteBitmapColors(&glyph, colors, true);
            FList->Add(&glyph, FButtonMask.get());
          }
}

void TcxRadioButtonImageList::Reset() {
  FList->Clear();
  Prepare();
}

TSize TcxRadioButtonImageList::GetSize() const { return {FList->Width(), FList->Height()}; }

int TcxRadioButtonImageList::CombinationIndex(TcxLookAndFeelKind ALookAndFeelKind, TcxButtonState AButtonState,
                                              bool AChecked, bool AFocused, bool AIsDesigning) {
  // The glyphs cover cxbsNormal to cxbsDisabled; a default button looks normal.
  const int state = AButtonState == cxbsDefault ? 0 : static_cast<int>(AButtonState) - 1;
  return state + 4 * AChecked + 8 * static_cast<int>(ALookAndFeelKind) + 32 * AIsDesigning + 64 * AFocused;
}

void TcxRadioButtonImageList::Draw(TcxCanvas* ACanvas, int X, int Y, TColor ABrushColor,
                                   TcxLookAndFeelKind ALookAndFeelKind, TcxButtonState AButtonState, bool AChecked,
                                   bool AFocused, bool AIsDesigning) {
  // The glyphs were added in the order of their combination index.
  const int index = CombinationIndex(ALookAndFeelKind, AButtonState, AChecked, AFocused, AIsDesigning);
  if (ABrushColor == clDefault) return FList->Draw(ACanvas->Canvas(), X, Y, index, true);
  const TSize size = GetSize();
  const std::unique_ptr<TBitmap> opaque = WorkBitmap(size.cx, size.cy, pf24bit, ABrushColor);
  FList->Draw(opaque->Canvas(), 0, 0, index, true);
  ACanvas->Draw(X, Y, opaque.get());
}

TcxRadioButtonImageList* cxGetRadioButtonImageList() {
  if (!RadioButtonImageList && !ResourcesShutDown) {
    RadioButtonImageList = std::make_unique<TcxRadioButtonImageList>();
    RadioButtonImageList->Prepare();
    // The glyphs follow the system colours from now on.
    PaletteNotifier = std::make_unique<TSystemPaletteChangedNotifier>();
  }
  return RadioButtonImageList.get();
}

// ---------------------------------------------------------------- indicators and scroll-bar patterns

namespace {
void LoadIndicatorImages();
}  // namespace

// The indicator glyphs and the scroll-bar patterns are made on first use:
// most programs never draw them.
TCustomImageList* cxIndicatorImages() {
  if (!IndicatorImages && !ResourcesShutDown) LoadIndicatorImages();
  return IndicatorImages.get();
}

TBitmap* cxScrollBarPatternBitmap(bool APressed) {
  if (!ScrollBarPatternBitmaps[0] && !ResourcesShutDown) cxFillScrollBarPatternBitmaps();
  return ScrollBarPatternBitmaps[APressed].get();
}

void cxFillScrollBarPatternBitmaps() {
  if (!ScrollBarPatternBitmaps[0])
    for (auto& bitmap : ScrollBarPatternBitmaps) bitmap = std::make_unique<TBitmap>(8, 8);
  for (int x = 0; x < 8; ++x)
    for (int y = 0; y < 8; ++y) {
      const bool even = (x + y) % 2 == 0;
      ScrollBarPatternBitmaps[0]->Canvas()->SetPixels(x, y, even ? clBtnFace : clBtnHighlight);
      ScrollBarPatternBitmaps[1]->Canvas()->SetPixels(x, y, even ? clBlack : cl3DDkShadow);
    }
}

namespace {

void LoadIndicatorImages() {
  static const wchar_t* const names[] = {L"CX_ARROWBITMAP",      L"CX_EDITBITMAP",       L"CX_INSERTBITMAP",
                                         L"CX_MULTIDOTBITMAP",   L"CX_MULTIARROWBITMAP", L"CX_FILTERBITMAP",
                                         L"CX_SORTBYSUMMARYVALUE"};
  TBitmap bitmap;
  for (const wchar_t* name : names) {
    bitmap.LoadFromResourceName(GetModuleHandleW(nullptr), name);
    if (!IndicatorImages) {
      IndicatorImages = std::make_unique<TCustomImageList>(nullptr);
      IndicatorImages->SetSize(bitmap.Width(), bitmap.Height());
    }
    IndicatorImages->AddMasked(&bitmap, clWhite);
  }
}

void Initialize() {
  ResourcesShutDown = false;
  PaintersManager = new TcxLookAndFeelPaintersManager;
  SystemCheckButtonSize = SystemCheckBoxCellSize();
  cxRegisterBuiltInPainters();
}

void Finalize() {
  PaletteNotifier.reset();
  for (auto& bitmap : ScrollBarPatternBitmaps) bitmap.reset();
  IndicatorImages.reset();
  delete PaintersManager;
  PaintersManager = nullptr;
  RadioButtonImageList.reset();
  ResourcesShutDown = true;
}

}  // namespace

const TUnitEntry cxLookAndFeelPaintersUnit{L"cxLookAndFeelPainters", Initialize, Finalize};
