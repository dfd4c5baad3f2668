#include "codelib/JvDragCursors.h"

#include "vcl/controls/Forms.h"

void InstallDragCursors() {
  if (!Screen) return;
  static const struct {
    TCursor Index;
    TCursor Shown;
  } cursors[] = {{368, crMultiDrag}, {369, crDrag}, {370, crMultiDrag}, {371, crMultiDrag}};
  try {
    for (const auto& cursor : cursors) Screen->SetCursors(cursor.Index, Screen->Cursors(cursor.Shown));
  } catch (const std::exception&) {
    // Without them drags show the default cursors: nothing to report.
  }
}

const TUnitEntry JvDragCursorsUnit{L"JvDragCursors", InstallDragCursors, nullptr};
