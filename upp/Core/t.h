// Turns a translation file into LngEntry__ initialisers:
//   static const Upp::LngEntry__ table[] = {
//   #include "app.t"
//   { 0, nullptr } };
#include "Lang.h"

#define T_(x) { 1, x },
#define LNG_ENTRY__(a, b, c, d, x) { (int)Upp::SetLNGCharset(Upp::LNG_(a, b, c, d), Upp::CHARSET_UTF8), x },
#define deDE(x) LNG_ENTRY__('D', 'E', 'D', 'E', x)
#define esES(x) LNG_ENTRY__('E', 'S', 'E', 'S', x)
#define frFR(x) LNG_ENTRY__('F', 'R', 'F', 'R', x)
#define itIT(x) LNG_ENTRY__('I', 'T', 'I', 'T', x)
#define nlNL(x) LNG_ENTRY__('N', 'L', 'N', 'L', x)
#define ptPT(x) LNG_ENTRY__('P', 'T', 'P', 'T', x)
#define roRO(x) LNG_ENTRY__('R', 'O', 'R', 'O', x)
#define ruRU(x) LNG_ENTRY__('R', 'U', 'R', 'U', x)
#define zhCN(x) LNG_ENTRY__('Z', 'H', 'C', 'N', x)
