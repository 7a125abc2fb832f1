#include "Lang.h"

namespace Upp {

static int s_lang = SetLNGCharset(LNG_ENGLISH, CHARSET_UTF8);

void SetLanguage(int lang) { s_lang = lang; }
int GetCurrentLanguage() { return s_lang; }
const char* t_GetLngString(const char* key) { return key; }
void AddModule(const LngEntry__*, const char*) {}

} // namespace Upp
