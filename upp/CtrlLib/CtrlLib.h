#ifndef UPP_CTRLLIB_CTRLLIB_H
#define UPP_CTRLLIB_CTRLLIB_H

#include <CtrlCore/CtrlCore.h>

#include "ArrangeOKCancel.h"
#include "Bar.h"
#include "Button.h"
#include "DropDate.h"
#include "DropList.h"
#include "EditIntSpin.h"
#include "ImageCtrl.h"
#include "Label.h"
#include "PromptOK.h"
#include "Switch.h"
#include "TabCtrl.h"

#endif
