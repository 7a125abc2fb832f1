// Writing a whole file so that a failure at any step leaves what was there before. Used by
// StoreToFile; nothing outside upp/Core includes this file.
#ifndef UPP_CORE_SAVEFILE_H
#define UPP_CORE_SAVEFILE_H

#include "Defs.h"

namespace Upp {

// Replaces the content of the file at path with data, creating the file if it is missing.
// A link is followed and written through to its target, which is left a link. Returns false,
// having changed nothing, where the file cannot be written: a target that is no regular file,
// a file marked read-only (even for root), a chain of links that never ends, a folder that
// does not exist, or any failed write, flush or sync (a full disk).
bool SaveFile(const char* path, const String& data);

} // namespace Upp

#endif
