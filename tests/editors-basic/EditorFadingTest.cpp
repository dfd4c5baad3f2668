// Every kind of editor fades its frame between its normal and its hot look
// when the real cursor enters and leaves it in the themed look, painting
// its frames and freeing itself mid-fade without fault.
#include <gtest/gtest.h>

#include <functional>

#include "components/editors-basic/cxButtonEdit.h"
#include "components/editors-basic/cxCalcEdit.h"
#include "components/editors-basic/cxCheckBox.h"
#include "components/editors-basic/cxCurrencyEdit.h"
#include "components/editors-basic/cxHyperLinkEdit.h"
#include "components/editors-basic/cxImageComboBox.h"
#include "components/editors-basic/cxMRUEdit.h"
#include "components/editors-basic/cxRadioGroup.h"
#include "components/editors-basic/cxSpinEdit.h"
#include "components/editors-basic/cxTimeEdit.h"
#include "components/editors-basic/cxTrackBar.h"
#include "components/editors/cxDropDownEdit.h"
#include "components/editors/cxMaskEdit.h"
#include "components/editors/cxTextEdit.h"
#include "tests/editors-basic/ButtonFixture.h"

namespace {

struct EditorFading : FormFixture {
  TFaderOn Fader;
  EditorFading() {
    Form->SetBounds(0, 0, 400, 300);
    Form->Show();
  }
  template <class T>
  static std::function<TcxCustomEdit*(TComponent*)> Make() {
    return [](TComponent* AOwner) -> TcxCustomEdit* { return new T(AOwner); };
  }
  void MoveCursor(TcxCustomEdit* AEdit, const TPoint& AScreen) {
    SetCursorPos(AScreen.X, AScreen.Y);
    AEdit->ShortRefreshContainer(true);
  }
};

}  // namespace

TEST_F(EditorFading, EveryEditorKindFadesItsFrameOnHotTracking) {
  const struct {
    const char* Name;
    std::function<TcxCustomEdit*(TComponent*)> Create;
  } kinds[] = {
      {"text", Make<TcxTextEdit>()},           {"mask", Make<TcxMaskEdit>()},
      {"combo", Make<TcxComboBox>()},          {"popup", Make<TcxPopupEdit>()},
      {"button", Make<TcxButtonEdit>()},       {"spin", Make<TcxSpinEdit>()},
      {"time", Make<TcxTimeEdit>()},           {"currency", Make<TcxCurrencyEdit>()},
      {"calc", Make<TcxCalcEdit>()},           {"check", Make<TcxCheckBox>()},
      {"radio group", Make<TcxRadioGroup>()},  {"track bar", Make<TcxTrackBar>()},
      {"hyperlink", Make<TcxHyperLinkEdit>()}, {"image combo", Make<TcxImageComboBox>()},
      {"MRU", Make<TcxMRUEdit>()},
  };
  // The sheet: each kind before the fade and at its first frame.
  std::vector<std::unique_ptr<TBitmap>> shots;
  for (const auto& kind : kinds) {
    SCOPED_TRACE(kind.Name);
    TcxCustomEdit* edit = kind.Create(Form);
    edit->SetParent(Form);
    edit->SetBounds(20, 20, 160, edit->Height());
    SetLook(edit->Style()->LookAndFeel(), TLook::Native);
    ProcessPendingMessages();
    ASSERT_TRUE(edit->IsEditFadingAllowed());
    shots.push_back(CaptureWindow(edit));
    MoveCursor(edit, edit->ClientToScreen(TPoint(edit->Width() / 2, edit->Height() / 2)));
    POINT cursor;
    GetCursorPos(&cursor);
    EXPECT_TRUE(dxGetGlobalFader()->Contains(edit->FadingObject()))
        << "hot " << edit->ViewInfo()->ContainerState.Contains(csHotTrack) << ", the edit under the cursor "
        << cxIsSameOrChildWindow(edit->Handle(), WindowFromPoint(cursor));
    dxGetGlobalFader()->Update();
    shots.push_back(CaptureWindow(edit));
    TFaderOn::FinishFades();
    MoveCursor(edit, TPoint(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1));
    EXPECT_TRUE(dxGetGlobalFader()->Contains(edit->FadingObject()));
    dxGetGlobalFader()->Update();
    CaptureWindow(edit);
    // Freed mid-fade, the edit and its parts leave the fader.
    delete edit;
    EXPECT_EQ(dxGetGlobalFader()->Count(), 0);
    dxGetGlobalFader()->Clear();
  }
  SaveStrip(shots, "EditorFades", 2);
}
