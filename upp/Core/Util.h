#ifndef UPP_CORE_UTIL_H
#define UPP_CORE_UTIL_H

#include "Defs.h"

namespace Upp {

String GetExeFilePath();
String GetExeTitle();                   // file name without folder and extension
String GetExeDirFile(const char* name); // a file in the executable's folder
String ConfigFile(const char* file);
String ConfigFile(); // GetExeTitle() + ".cfg" beside the executable

String GetFileTitle(const String& path);
String GetFileFolder(const String& path);
String AppendFileName(const String& folder, const String& name);

} // namespace Upp

#endif
