// The editor unit's start-up and shut-down: the mouse-wheel cursor, the
// default edit style controller, the validation glyphs, the registry of properties classes and
// the hint window that measures hints.
#include <windows.h>

#include "components/core/dxGdiPlusClasses.h"
#include "components/editors/cxEdit.h"
#include "vcl/controls/Forms.h"

void cxFreeEditPropertiesRegistry();
void cxFreeEditHintWindow();
void cxSetDefaultEditStyleController(TcxEditStyleController* AController);

namespace {

std::unique_ptr<TcxEditStyleController> DefaultStyleController;

// By error type: error, warning, information.
std::unique_ptr<TdxSmartImage> ValidationGlyphs[3];

// Decoded when the first one is asked for, not at start-up; none once the
// unit has shut down.
bool ValidationGlyphsShutDown = true;

TdxSmartImage* ValidationGlyph(int AIndex) {
  static const wchar_t* const names[] = {L"CXEDIT_GLYPH_ERROR", L"CXEDIT_GLYPH_WARNING", L"CXEDIT_GLYPH_INFO"};
  if (ValidationGlyphsShutDown) return nullptr;
  if (!ValidationGlyphs[AIndex]) {
    auto glyph = std::make_unique<TdxSmartImage>();
    glyph->LoadFromResource(GetModuleHandleW(nullptr), names[AIndex], RT_RCDATA);
    ValidationGlyphs[AIndex] = std::move(glyph);
  }
  return ValidationGlyphs[AIndex].get();
}

// The screen owns it from now on.
void LoadMouseWheelCursor() {
  if (HANDLE cursor = LoadImageW(GetModuleHandleW(nullptr), L"CXEDIT_MOUSEWHEEL", IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE))
    if (Screen) Screen->SetCursors(crcxEditMouseWheel, static_cast<HCURSOR>(cursor));
}

}  // namespace

TdxSmartImage* cxEditValidationGlyph(TcxEditErrorType AType) {
  switch (AType) {
    case eetError: return ValidationGlyph(0);
    case eetWarning: return ValidationGlyph(1);
    case eetInfo: return ValidationGlyph(2);
    default: return nullptr;
  }
}

const TUnitEntry cxEditUnit{L"cxEdit",
                            [] {
                              LoadMouseWheelCursor();
                              DefaultStyleController = std::make_unique<TcxEditStyleController>(nullptr);
                              cxSetDefaultEditStyleController(DefaultStyleController.get());
                              ValidationGlyphsShutDown = false;
                            },
                            [] {
                              ValidationGlyphsShutDown = true;
                              for (auto& glyph : ValidationGlyphs) glyph.reset();
                              cxSetDefaultEditStyleController(nullptr);
                              DefaultStyleController.reset();
                              cxFreeEditPropertiesRegistry();
                              cxFreeEditHintWindow();
                            }};
