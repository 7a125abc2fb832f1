#include "LaunchWebBrowser.h"

#include "QtText.h"

#include <QDesktopServices>
#include <QUrl>

namespace Upp {

void LaunchWebBrowser(const String& url) { QDesktopServices::openUrl(QUrl(ToQString(url))); }

} // namespace Upp
