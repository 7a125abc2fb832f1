#include "AppMain.h"

int main(int argc, char** argv) { return Upp::RunGuiMain(argc, argv); }
