// The editor unit's start-up and shut-down: the default edit style
// controller, the registry of properties classes and the hint window that
// measures hints.
#include "components/editors/cxEdit.h"

void cxFreeEditPropertiesRegistry();
void cxFreeEditHintWindow();
void cxSetDefaultEditStyleController(TcxEditStyleController* AController);

namespace {

std::unique_ptr<TcxEditStyleController> DefaultStyleController;

}  // namespace

const TUnitEntry cxEditUnit{L"cxEdit",
                            [] {
                              DefaultStyleController = std::make_unique<TcxEditStyleController>(nullptr);
                              cxSetDefaultEditStyleController(DefaultStyleController.get());
                            },
                            [] {
                              cxSetDefaultEditStyleController(nullptr);
                              DefaultStyleController.reset();
                              cxFreeEditPropertiesRegistry();
                              cxFreeEditHintWindow();
                            }};
