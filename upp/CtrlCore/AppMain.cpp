#include "Layout.h"

#include <QApplication>

#include <cstdio>
#include <exception>

namespace Upp {

static GuiMainFn s_guimain;

void SetGuiMain(GuiMainFn fn) { s_guimain = fn; }

GuiMainFn GetGuiMain() { return s_guimain; }

int RunGuiMain(int argc, char** argv)
{
	QApplication app(argc, argv);
	int code = 0;
	try {
		if(s_guimain)
			s_guimain();
	}
	catch(const std::exception& e) {
		fprintf(stderr, "%s\n", e.what());
		code = 1;
	}
	return code;
}

} // namespace Upp
