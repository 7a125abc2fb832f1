// The reference of the start-up benchmark: the least a Qt Widgets program does to show a
// window of the main window's size and title. Usage: bare_window WIDTH HEIGHT
#include <QApplication>
#include <QWidget>

#include <cstdlib>

int main(int argc, char** argv)
{
	QApplication app(argc, argv);
	int width = argc > 2 ? atoi(argv[1]) : 400;
	int height = argc > 2 ? atoi(argv[2]) : 300;
	QWidget window;
	window.setWindowTitle("Lunbrek v0.3.0");
	window.resize(width, height);
	window.show();
	return app.exec();
}
