#ifndef UPP_CTRLLIB_CTRLLIB_H
#define UPP_CTRLLIB_CTRLLIB_H

#include <CtrlCore/CtrlCore.h>

#include "ArrangeOKCancel.h"
#include "Bar.h"
#include "DropDate.h"
#include "PromptOK.h"
#include "Widgets.h"

#endif
