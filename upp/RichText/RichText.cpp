#include <Core/Core.h>
