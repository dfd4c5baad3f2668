#include "codelib/JvDataConsumer.h"
#include "codelib/UclBase.h"
#include "codelib/UclUnitVersioning.h"
#include "components/controls/cxControls.h"
#include "components/controls/cxDataConsts.h"
#include "components/controls/cxDataStorage.h"
#include "components/core/cxClasses.h"
#include "components/core/cxGeometry.h"
#include "components/core/cxGraphics.h"
#include "components/core/cxLibraryStrs.h"
#include "components/core/cxMessageWindow.h"
#include "components/core/dxCore.h"
#include "components/core/dxGdiPlusApi.h"
#include "components/core/dxGdiPlusClasses.h"
#include "components/core/dxThemeManager.h"
#include "components/core/dxUxTheme.h"
#include "components/lookandfeel/cxLookAndFeelPainters.h"
#include "components/lookandfeel/cxLookAndFeels.h"
#include "components/lookandfeel/dxAnimation.h"
#include "components/lookandfeel/dxFading.h"
#include "components/lookandfeel/dxSkinsCore.h"
#include "vcl/controls/Application.h"
#include "vcl/controls/Controls.h"
#include "vcl/rtl/UnitStartup.h"

const TUnitTable& ProgramUnits() {
  static const TUnitTable units{ControlsUnit,        ApplicationUnit,      UclUnitVersioningUnit,
                                UclBaseUnit,         dxCoreUnit,           cxLibraryStrsUnit,
                                cxGeometryUnit,      cxMessageWindowUnit,  cxClassesUnit,
                                dxGdiPlusApiUnit,    dxUxThemeUnit,        dxThemeManagerUnit,
                                cxGraphicsUnit,      dxGdiPlusClassesUnit, dxFadingUnit,
                                dxSkinsCoreUnit,     dxAnimationUnit,      cxLookAndFeelPaintersUnit,
                                cxLookAndFeelsUnit,  cxControlsUnit,       cxDataConstsUnit,
                                cxDataStorageUnit,   JvDataProviderUnit};
  return units;
}
