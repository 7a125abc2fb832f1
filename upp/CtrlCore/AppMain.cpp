#include "AppMain.h"

#include <QApplication>

#include <cstdio>
#include <exception>

namespace Upp {

static GuiMainFn s_guimain;

void SetGuiMain(GuiMainFn fn) { s_guimain = fn; }

GuiMainFn GetGuiMain() { return s_guimain; }

int RunGuiMain(int argc, char** argv)
{
	// The program takes nothing from its command line, and neither may the toolkit (-reverse,
	// -style and the like would change the windows): Qt sees only the program's name.
	static char unnamed[] = "";
	char* name[] = { argc > 0 ? argv[0] : unnamed, nullptr };
	int count = 1;
	QApplication app(count, name);
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
