// Turns a translation file into LngEntry__ initialisers:
//   static const Upp::LngEntry__ table[] = {
//   #include "app.t"
//   { 0, nullptr } };
#include "Lang.h"

#define T_(x) { 1, x },
#define UPP_LNG_ENTRY(a, b, c, d, x) { (int)Upp::SetLNGCharset(Upp::LNG_(a, b, c, d), Upp::CHARSET_UTF8), x },
#define deDE(x) UPP_LNG_ENTRY('D', 'E', 'D', 'E', x)
#define esES(x) UPP_LNG_ENTRY('E', 'S', 'E', 'S', x)
#define frFR(x) UPP_LNG_ENTRY('F', 'R', 'F', 'R', x)
#define itIT(x) UPP_LNG_ENTRY('I', 'T', 'I', 'T', x)
#define nlNL(x) UPP_LNG_ENTRY('N', 'L', 'N', 'L', x)
#define ptPT(x) UPP_LNG_ENTRY('P', 'T', 'P', 'T', x)
#define roRO(x) UPP_LNG_ENTRY('R', 'O', 'R', 'O', x)
#define ruRU(x) UPP_LNG_ENTRY('R', 'U', 'R', 'U', x)
#define zhCN(x) UPP_LNG_ENTRY('Z', 'H', 'C', 'N', x)
