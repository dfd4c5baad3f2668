#pragma once
// A bare editor: properties with buttons, a style with a look, a view info
// laid out by a view data, and a canvas to measure and paint on.
#include <memory>

#include "components/editors/cxEdit.h"
#include "tests/graphics/PaintSurface.h"

enum class TLook { Standard, Flat, UltraFlat, Office11, Native };
inline const TLook AllLooks[] = {TLook::Standard, TLook::Flat, TLook::UltraFlat, TLook::Office11, TLook::Native};
inline const char* LookName(TLook ALook) {
  static const char* names[] = {"Standard", "Flat", "UltraFlat", "Office11", "Native"};
  return names[static_cast<int>(ALook)];
}

// The editor's state as a person makes it with the mouse and the focus.
struct TEditorState {
  const char* Name;
  bool Enabled = true;
  bool Focused = false;
  TPoint Mouse{-1, -1};
  TcxMouseButton Button = cxmbNone;
  TShiftState Shift;
};

class TBareEditor {
public:
  TBareEditor() : Surface(400, 200, clWhite) {}

  TcxEditButton* AddButton(TcxEditButtonKind AKind, bool ALeft = false, int AWidth = 0) {
    TcxEditButton* button = Properties.Buttons()->Add();
    button->SetKind(AKind);
    button->SetLeftAlignment(ALeft);
    button->SetWidth(AWidth);
    return button;
  }
  void SetLook(TLook ALook) {
    TcxLookAndFeel* lookAndFeel = Style.LookAndFeel();
    lookAndFeel->SetNativeStyle(ALook == TLook::Native);
    if (ALook != TLook::Native) {
      static const TcxLookAndFeelKind kinds[] = {lfStandard, lfFlat, lfUltraFlat, lfOffice11};
      lookAndFeel->SetKind(kinds[static_cast<int>(ALook)]);
    }
  }
  void Calculate(const TRect& ABounds, const TEditorState& AState, bool AInplace = false,
                 bool AIsMouseEvent = false) {
    std::unique_ptr<TcxCustomEditViewData> viewData(Properties.CreateViewData(&Style, AInplace));
    viewData->Enabled = AState.Enabled;
    viewData->Focused = AState.Focused;
    viewData->Calculate(Surface.Canvas.get(), ABounds, AState.Mouse, AState.Button, AState.Shift, &ViewInfo,
                        AIsMouseEvent);
  }

  TcxCustomEditProperties Properties{nullptr};
  TcxEditStyle Style{nullptr, false};
  TcxCustomEditViewInfo ViewInfo;
  TPaintSurface Surface;
};
