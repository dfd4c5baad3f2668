#include "components/controls/cxContainer.h"
#include "components/controls/cxControls.h"
#include "components/core/cxClasses.h"
#include "components/core/cxDateUtils.h"
#include "components/core/cxDrawTextUtils.h"
#include "components/core/cxFormats.h"
#include "components/core/cxGraphics.h"
#include "components/core/cxLibraryStrs.h"
#include "components/core/cxMessageWindow.h"
#include "components/core/dxCore.h"
#include "components/core/dxGdiPlusApi.h"
#include "components/core/dxGdiPlusClasses.h"
#include "components/core/dxHooks.h"
#include "components/core/dxThemeManager.h"
#include "components/core/dxUxTheme.h"
#include "components/editors-rich/cxBlobEdit.h"
#include "components/editors-rich/cxCalendar.h"
#include "components/editors-rich/cxDateEdit.h"
#include "components/editors-rich/cxImage.h"
#include "components/editors-rich/cxMemo.h"
#include "components/editors-rich/dxCameraControl.h"
#include "components/editors/cxEdit.h"
#include "components/editors/cxEditConsts.h"
#include "components/editors/cxEditPaintUtils.h"
#include "components/editors/cxFilterConsts.h"
#include "components/editors/cxMaskEdit.h"
#include "components/editors/cxDropDownEdit.h"
#include "components/editors-basic/cxSpinEdit.h"
#include "components/editors-basic/cxTimeEdit.h"
#include "components/editors/cxTextEdit.h"
#include "components/lookandfeel/cxLookAndFeelPainters.h"
#include "components/lookandfeel/cxLookAndFeels.h"
#include "components/lookandfeel/dxAnimation.h"
#include "components/lookandfeel/dxFading.h"
#include "components/lookandfeel/dxSkinsCore.h"
#include "vcl/controls/Application.h"
#include "vcl/controls/Controls.h"
#include "vcl/rtl/UnitStartup.h"

const TUnitTable& ProgramUnits() {
  static const TUnitTable units{ControlsUnit,       ApplicationUnit,    dxCoreUnit,         cxLibraryStrsUnit,
                                cxMessageWindowUnit, cxClassesUnit,     dxGdiPlusApiUnit,   dxUxThemeUnit,
                                dxThemeManagerUnit, dxHooksUnit,        cxGraphicsUnit,     dxGdiPlusClassesUnit, cxDrawTextUtilsUnit, cxDateUtilsUnit, cxFormatsUnit,
                                dxFadingUnit,       dxSkinsCoreUnit,    dxAnimationUnit,    cxLookAndFeelPaintersUnit,
                                cxLookAndFeelsUnit, cxControlsUnit,     cxContainerUnit,    cxFilterConstsUnit,
                                cxEditConstsUnit,   cxEditPaintUtilsUnit, cxEditUnit,         cxTextEditUnit,     cxMaskEditUnit,     cxDropDownEditUnit, cxSpinEditUnit,     cxTimeEditUnit,     cxCalendarUnit,     cxDateEditUnit,
                                dxCameraControlUnit, cxImageUnit,        cxMemoUnit,         cxBlobEditUnit};
  return units;
}
