// Linked into each program the start-up benchmark measures. When the program's main window
// (the top-level window with the main window's title) has been painted for the first time, writes
// the CLOCK_MONOTONIC time in nanoseconds and the window's size to the descriptor named by
// STARTUP_PROBE_FD (standard output when unset) and ends the process at once, so that
// nothing after the first picture (event loop, saving settings) is measured.
#include <qimvor_version.h>

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <unistd.h>

static void ReportAndExit(int width, int height)
{
	timespec ts;
	clock_gettime(CLOCK_MONOTONIC, &ts);
	long long ns = (long long)ts.tv_sec * 1000000000LL + ts.tv_nsec;
	const char* fdtext = getenv("STARTUP_PROBE_FD");
	int fd = fdtext ? atoi(fdtext) : 1;
	char line[96];
	int n = snprintf(line, sizeof line, "%lld %d %d\n", ns, width, height);
	if(write(fd, line, n) != n)
		_exit(2);
	_exit(0);
}

namespace {

class PaintProbe : public QObject {
	bool seen = false;

public:
	using QObject::QObject;

protected:
	bool eventFilter(QObject* obj, QEvent* e) override
	{
		if(!seen && e->type() == QEvent::Paint && obj->isWidgetType()) {
			QWidget* top = static_cast<QWidget*>(obj)->window();
			if(top->windowTitle() == QLatin1String(LUNBREK_TITLE)) {
				seen = true;
				// Painting a window paints all its widgets and flushes the picture in one
				// pass; a queued call runs only after that pass has ended.
				QMetaObject::invokeMethod(
					qApp, [top] { ReportAndExit(top->width(), top->height()); }, Qt::QueuedConnection);
			}
		}
		return false;
	}
};

void InstallPaintProbe() { qApp->installEventFilter(new PaintProbe(qApp)); }

} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallPaintProbe)
