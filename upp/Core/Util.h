#ifndef UPP_CORE_UTIL_H
#define UPP_CORE_UTIL_H

#include "Defs.h"

namespace Upp {

String GetExeFilePath();
String GetExeTitle(); // file name without folder and extension
String ConfigFile();  // GetExeTitle() + ".cfg" beside the executable

String GetFileTitle(const String& path);
String GetFileFolder(const String& path);

} // namespace Upp

#endif
