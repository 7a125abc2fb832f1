// The references of the start-up benchmark: the least a Qt Widgets program does to show a
// window of the main window's size and title. Built twice: as bare_window with nothing
// inside, and with WITH_LABEL as label_window, which shows one line of text as well and so
// also pays for setting up the fonts, as any window with text must.
// Usage: bare_window WIDTH HEIGHT, label_window WIDTH HEIGHT
#include <qimvor_version.h>

#include <QApplication>
#include <QWidget>
#ifdef WITH_LABEL
#include <QLabel>
#endif

#include <cstdlib>

int main(int argc, char** argv)
{
	QApplication app(argc, argv);
	int width = argc > 2 ? atoi(argv[1]) : 400;
	int height = argc > 2 ? atoi(argv[2]) : 300;
	QWidget window;
	window.setWindowTitle(LUNBREK_TITLE);
	window.resize(width, height);
#ifdef WITH_LABEL
	QLabel label("Day Difference", &window);
	label.move(12, 12);
#endif
	window.show();
	return app.exec();
}
