#ifndef UPP_CORE_TOPIC_H
#define UPP_CORE_TOPIC_H

#include "Defs.h"

namespace Upp {
} // namespace Upp

#endif
