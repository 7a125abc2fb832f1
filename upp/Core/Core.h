#ifndef UPP_CORE_CORE_H
#define UPP_CORE_CORE_H

#include "Callback.h"
#include "Date.h"
#include "DateText.h"
#include "Defs.h"
#include "Format.h"
#include "Gtypes.h"
#include "Image.h"
#include "Iml.h"
#include "Lang.h"
#include "Stream.h"
#include "Topic.h"
#include "Util.h"
#include "Value.h"

#endif
