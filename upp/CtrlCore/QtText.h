#ifndef UPP_CTRLCORE_QTTEXT_H
#define UPP_CTRLCORE_QTTEXT_H

#include <Core/Core.h>

#include <QString>

namespace Upp {

// The layer's text is UTF-8 throughout; this is where it becomes Qt's. A String goes whole,
// zero bytes and all, so that Qt shows what the program holds.
inline QString ToQString(const char* utf8) { return QString::fromUtf8(utf8); }
inline QString ToQString(const String& utf8) { return QString::fromUtf8(utf8.data(), (qsizetype)utf8.size()); }

} // namespace Upp

#endif
