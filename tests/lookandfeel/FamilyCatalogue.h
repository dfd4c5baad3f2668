#pragma once
// Every drawing operation of the root painter's element families with the
// states it is drawn in: the picture sheets, the canvas-state checks and the
// benchmark all walk this one list.
#include <functional>
#include <vector>

#include "components/lookandfeel/cxLookAndFeelPainters.h"

struct TFamilyElement {
  const wchar_t* Family;
  const wchar_t* Name;
  TSize Size;                          // of one cell
  std::vector<const wchar_t*> States;  // the names of the states, in order
  // Draws the element in state AState (an index into States) filling R.
  std::function<void(TcxCustomLookAndFeelPainter& APainter, TcxCanvas* ACanvas, const TRect& R, int AState)> Draw;
  // The operation leaves parts of R out of the clip on purpose.
  bool ChangesClip = false;
};

const std::vector<TFamilyElement>& FamilyElements();
