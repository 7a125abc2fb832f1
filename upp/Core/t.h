// Turns a translation file into LngEntry__ initialisers:
//   static const Upp::LngEntry__ table[] = {
//   #include "app.t"
//   { 0, nullptr } };
// The file opens each key with T_("key") and gives its texts with one macro per language,
// such as deDE("text"); the application defines those of the languages it translates into,
// each as UPP_LNG_ENTRY with the language's four letters.
#include "Lang.h"

#define T_(x) { 1, x },
#define UPP_LNG_ENTRY(a, b, c, d, x) { (int)Upp::SetLNGCharset(Upp::LNG_(a, b, c, d), Upp::CHARSET_UTF8), x },
