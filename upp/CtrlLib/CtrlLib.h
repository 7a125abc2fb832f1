#ifndef UPP_CTRLLIB_CTRLLIB_H
#define UPP_CTRLLIB_CTRLLIB_H

#include <CtrlCore/CtrlCore.h>
#if __has_include(<RichText/RichText.h>)
#include <RichText/RichText.h>
#endif

#include "Bar.h"
#include "DropDate.h"
#include "Widgets.h"

#endif
