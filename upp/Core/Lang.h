#ifndef UPP_CORE_LANG_H
#define UPP_CORE_LANG_H

#include "Defs.h"

namespace Upp {

// Packed language id: four letters of language and country (A = 1 .. Z = 26) in bits 15-19,
// 10-14, 5-9, 0-4; the character set (255 = UTF-8) in bits 20-27.
constexpr int LNG_(char a, char b, char c, char d)
{
	return ((a - 'A' + 1) << 15) | ((b - 'A' + 1) << 10) | ((c - 'A' + 1) << 5) | (d - 'A' + 1);
}
constexpr int CHARSET_UTF8 = 255;
constexpr int LNG_ENGLISH = LNG_('E', 'N', 'U', 'S');
constexpr int SetLNGCharset(int lang, int charset) { return (lang & 0xFFFFF) | (charset << 20); }

// One entry of a translation table: code 1 opens a key (its text is the en-US text), the
// entries up to the next key are its translations, code 0 ends the table.
struct LngEntry__ {
	int lang;
	const char* text;
};

// Sets the language of every later t_ lookup; the date texts follow it (see DateText.h).
void SetLanguage(int lang);
int GetCurrentLanguage();
// Counts SetLanguage calls, so that what is taken from the language's texts knows when to take
// them again, even when the same language is set anew.
int GetLanguageSerial();

// The locale name of a packed language id as Qt writes it, e.g. "de_DE". The charset plays no
// part; a letter the id leaves out is '?', which names no locale.
String LanguageLocaleName(int lang);
// Whether the framework's own table has texts in lang's language (of any country). English,
// the language its keys are written in, always has them.
bool HasFrameworkTexts(int lang);

// The text of key in the current language. The framework's own table is searched before every
// module; exact language and country first, then the language alone, else the key (for a key
// "name\adefault", the default). The result lives as long as the tables and the key do.
const char* t_GetLngString(const char* key);

// Appends a table; it must stay in memory for the rest of the process (constant data).
void AddModule(const LngEntry__* table);

} // namespace Upp

#define t_(x) Upp::t_GetLngString(x)

#endif
