#ifndef UPP_CTRLCORE_LAUNCHWEBBROWSER_H
#define UPP_CTRLCORE_LAUNCHWEBBROWSER_H

#include <Core/Core.h>

namespace Upp {

// Hands the address to whatever the desktop opens such addresses with; the program never
// learns whether that worked.
void LaunchWebBrowser(const String& url);

} // namespace Upp

#endif
