#ifndef UPP_CTRLLIB_ARRANGEOKCANCEL_H
#define UPP_CTRLLIB_ARRANGEOKCANCEL_H

#include <CtrlCore/CtrlCore.h>

namespace Upp {

// The layouts put OK before Cancel; where the style's dialogs put Cancel first, the two
// swap places.
void ArrangeOKCancel(Ctrl& ok, Ctrl& cancel);

} // namespace Upp

#endif
