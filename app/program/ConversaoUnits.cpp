// The program's units in link order: start-up runs them in this order,
// shut-down in reverse. All modules share the C run-time's heap, so strings
// and objects handed to the business system's libraries need no unit of
// their own for a shared memory manager.
#include "app/UAplicacaoLibrary.h"
#include "codelib/JvDataConsumer.h"
#include "codelib/JvDragCursors.h"
#include "codelib/UclBase.h"
#include "codelib/UclRegistry.h"
#include "codelib/UclStrings.h"
#include "codelib/UclSynch.h"
#include "codelib/UclSysInfo.h"
#include "codelib/UclSysUtils.h"
#include "codelib/UclUnicode.h"
#include "codelib/UclUnitVersioning.h"
#include "codelib/UclWideStrings.h"
#include "components/controls/cxContainer.h"
#include "components/controls/cxControls.h"
#include "components/controls/cxDWMApi.h"
#include "components/controls/cxDataConsts.h"
#include "components/controls/cxDataStorage.h"
#include "components/controls/cxHints.h"
#include "components/core/cxClasses.h"
#include "components/core/cxDateUtils.h"
#include "components/core/cxDrawTextUtils.h"
#include "components/core/cxFormats.h"
#include "components/core/cxGeometry.h"
#include "components/core/cxGraphics.h"
#include "components/core/cxLibraryStrs.h"
#include "components/core/cxMessageWindow.h"
#include "components/core/dxCore.h"
#include "components/core/dxGdiPlusApi.h"
#include "components/core/dxGdiPlusClasses.h"
#include "components/core/dxGestures.h"
#include "components/core/dxHooks.h"
#include "components/core/dxThemeManager.h"
#include "components/core/dxThreading.h"
#include "components/core/dxUxTheme.h"
#include "components/editors-basic/cxButtonEdit.h"
#include "components/editors-basic/cxCalcEdit.h"
#include "components/editors-basic/cxCheckBox.h"
#include "components/editors-basic/cxCurrencyEdit.h"
#include "components/editors-basic/cxExtEditConsts.h"
#include "components/editors-basic/cxHyperLinkEdit.h"
#include "components/editors-basic/cxImageComboBox.h"
#include "components/editors-basic/cxListBox.h"
#include "components/editors-basic/cxMRUEdit.h"
#include "components/editors-basic/cxRadioGroup.h"
#include "components/editors-basic/cxSpinEdit.h"
#include "components/editors-basic/cxTimeEdit.h"
#include "components/editors-basic/cxTrackBar.h"
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
#include "components/editors/cxTextEdit.h"
#include "components/editors/cxMaskEdit.h"
#include "components/editors/cxDropDownEdit.h"
#include "components/lookandfeel/cxLookAndFeelPainters.h"
#include "components/lookandfeel/cxLookAndFeels.h"
#include "components/lookandfeel/dxAnimation.h"
#include "components/lookandfeel/dxFading.h"
#include "components/lookandfeel/dxSkinsCore.h"
#include "drivers/DBXOstraMSSQLReadOnlyMetaData.h"
#include "drivers/DBXOstraMsSqlMetaDataWriter.h"
#include "drivers/DBXOstraOracleMetaDataWriter.h"
#include "drivers/DBXOstraOracleReadOnlyMetaData.h"
#include "drivers/DBXOstraSQLServer.h"
#include "drivers/DbxOstraOracle.h"
#include "report/RLConsts.h"
#include "report/RLCursors.h"
#include "report/RLPDFFilter.h"
#include "report/RLTypes.h"
#include "report/RLUtils.h"
#include "sqlutil/KWYUtils.h"
#include "vcl/controls/Application.h"
#include "vcl/controls/Controls.h"
#include "vcl/data/DBXFirebird.h"
#include "vcl/data/DBXStandardDrivers.h"
#include "vcl/rtl/UnitStartup.h"

const TUnitTable& ProgramUnits() {
  static const TUnitTable units{
      // The platform framework.
      ControlsUnit,
      ApplicationUnit,
      // The code library's utility units.
      UclUnitVersioningUnit,
      UclBaseUnit,
      UclRegistryUnit,
      UclSynchUnit,
      UclSysUtilsUnit,
      UclSysInfoUnit,
      JvDragCursorsUnit,
      UclStringsUnit,
      UclUnicodeUnit,
      UclWideStringsUnit,
      // The component library.
      dxCoreUnit,
      cxLibraryStrsUnit,
      dxThreadingUnit,
      cxGeometryUnit,
      cxMessageWindowUnit,
      cxClassesUnit,
      dxGdiPlusApiUnit,
      dxUxThemeUnit,
      dxThemeManagerUnit,
      dxHooksUnit,
      cxGraphicsUnit,
      dxGesturesUnit,
      dxGdiPlusClassesUnit,
      cxDrawTextUtilsUnit,
      cxDateUtilsUnit,
      cxFormatsUnit,
      dxFadingUnit,
      dxSkinsCoreUnit,
      dxAnimationUnit,
      cxLookAndFeelPaintersUnit,
      cxLookAndFeelsUnit,
      cxDWMApiUnit,
      cxControlsUnit,
      cxContainerUnit,
      cxHintsUnit,
      cxDataConstsUnit,
      cxDataStorageUnit,
      // The editor framework.
      cxFilterConstsUnit,
      cxEditConstsUnit,
      cxEditPaintUtilsUnit,
      cxEditUnit,
      cxTextEditUnit,
      cxMaskEditUnit,
      cxDropDownEditUnit,
      // The buttons, choice and numeric editors.
      cxExtEditConstsUnit,
      cxCheckBoxUnit,
      cxRadioGroupUnit,
      cxTrackBarUnit,
      cxListBoxUnit,
      cxSpinEditUnit,
      cxTimeEditUnit,
      cxCurrencyEditUnit,
      cxCalcEditUnit,
      cxImageComboBoxUnit,
      cxHyperLinkEditUnit,
      cxButtonEditUnit,
      cxMRUEditUnit,
      // The calendar, image, memo and camera editors.
      cxCalendarUnit,
      cxDateEditUnit,
      dxCameraControlUnit,
      cxImageUnit,
      cxMemoUnit,
      cxBlobEditUnit,
      // The data-provider framework.
      JvDataProviderUnit,
      // The report pieces.
      RLUtilsUnit,
      RLConstsUnit,
      RLTypesUnit,
      RLCursorsUnit,
      RLPDFFilterUnit,
      // The SQL dialect utilities.
      KWYUtilsUnit,
      // The platform's database drivers.
      DBXFirebirdUnit,
      DBXStandardDriversUnit,
      // The Oracle and SQL Server driver bindings.
      DBXOstraMSSQLReadOnlyMetaDataUnit,
      DBXOstraMsSqlMetaDataWriterUnit,
      DBXOstraSQLServerUnit,
      DBXOstraOracleReadOnlyMetaDataUnit,
      DBXOstraOracleMetaDataWriterUnit,
      DbxOstraOracleUnit,
      // The application context class, registered last.
      UAplicacaoLibraryUnit,
  };
  return units;
}
