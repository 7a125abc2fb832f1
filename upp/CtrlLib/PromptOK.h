#ifndef UPP_CTRLLIB_PROMPTOK_H
#define UPP_CTRLLIB_PROMPTOK_H

#include <CtrlCore/CtrlCore.h>

namespace Upp {

// A modal box with the text and one OK button, titled like the window it belongs to (OwnerFor).
void PromptOK(const char* text);

} // namespace Upp

#endif
