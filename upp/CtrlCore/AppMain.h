#ifndef UPP_CTRLCORE_APPMAIN_H
#define UPP_CTRLCORE_APPMAIN_H

namespace Upp {

// The application's main function, run by the process entry point of upp_guimain inside a
// QApplication.
typedef void (*GuiMainFn)();
void SetGuiMain(GuiMainFn fn);
GuiMainFn GetGuiMain();
int RunGuiMain(int argc, char** argv);

struct GuiMainRegistrar {
	explicit GuiMainRegistrar(GuiMainFn fn) { SetGuiMain(fn); }
};

} // namespace Upp

#define GUI_APP_MAIN                                                                                                   \
	static void AppMainFunction();                                                                                     \
	static Upp::GuiMainRegistrar app_main_registrar(AppMainFunction);                                                  \
	static void AppMainFunction()

#endif
