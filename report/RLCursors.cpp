#include "report/RLCursors.h"

#include "vcl/controls/Forms.h"
#include "vcl/rtl/SysUtils.h"
#include "vcl/rtl/WinApi.h"

namespace {

// A cursor of the program's resources, owned by the screen from then on.
void InstallCursor(TCursor Index, const wchar_t* ResourceName) {
  auto* cursor = static_cast<HCURSOR>(
      LoadImageW(GetModuleHandleW(nullptr), ResourceName, IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE));
  if (!cursor) RaiseLastOSError();
  Screen->SetCursors(Index, cursor);
}

void RLCursorsInitialize() {
  InstallCursor(crRLHandOpen, L"HANDOPEN");
  InstallCursor(crRLHandClosed, L"HANDCLOSED");
}

}  // namespace

const TUnitEntry RLCursorsUnit{L"RLCursors", RLCursorsInitialize, nullptr};
