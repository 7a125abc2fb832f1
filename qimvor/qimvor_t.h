// The language macros that the translation file qimvor.t is written in, one for each of the
// nine languages it translates into; include this, then the file inside an array of entries.
#ifndef QIMVOR_QIMVOR_T_H
#define QIMVOR_QIMVOR_T_H

#include <Core/t.h>

#define deDE(x) UPP_LNG_ENTRY('D', 'E', 'D', 'E', x)
#define esES(x) UPP_LNG_ENTRY('E', 'S', 'E', 'S', x)
#define frFR(x) UPP_LNG_ENTRY('F', 'R', 'F', 'R', x)
#define itIT(x) UPP_LNG_ENTRY('I', 'T', 'I', 'T', x)
#define nlNL(x) UPP_LNG_ENTRY('N', 'L', 'N', 'L', x)
#define ptPT(x) UPP_LNG_ENTRY('P', 'T', 'P', 'T', x)
#define roRO(x) UPP_LNG_ENTRY('R', 'O', 'R', 'O', x)
#define ruRU(x) UPP_LNG_ENTRY('R', 'U', 'R', 'U', x)
#define zhCN(x) UPP_LNG_ENTRY('Z', 'H', 'C', 'N', x)

#endif
