#ifndef UPP_CTRLCORE_CTRLCORE_H
#define UPP_CTRLCORE_CTRLCORE_H

#include <Core/Core.h>

#include "AppMain.h"
#include "Ctrl.h"
#include "Font.h"
#include "LaunchWebBrowser.h"
#include "Layout.h"
#include "TopWindow.h"

#endif
