#ifndef UPP_CORE_FORMAT_H
#define UPP_CORE_FORMAT_H

#include "Defs.h"

namespace Upp {
} // namespace Upp

#endif
