#include "Lang.h"

#include <string_view>
#include <unordered_map>
#include <vector>

namespace Upp {

const LngEntry__* CoreLngTable(); // LangTable.cpp

namespace {

constexpr int LANG_COUNTRY = 0xFFFFF;
constexpr int LANG_ONLY = 0xFFC00;

// What a key stands for in en-US: the part after '\a' where there is one.
const char* DefaultText(const char* key)
{
	for(const char* s = key; *s; s++)
		if(*s == '\a')
			return s + 1;
	return key;
}

struct Module {
	// Texts per key in table order; the key's own en-US text comes first.
	std::unordered_map<std::string_view, std::vector<LngEntry__>> texts;

	explicit Module(const LngEntry__* table)
	{
		std::vector<LngEntry__>* current = nullptr;
		for(const LngEntry__* e = table; e->lang != 0; e++) {
			if(e->lang == 1) {
				current = nullptr;
				if(e->text) {
					current = &texts[e->text];
					current->push_back({ LNG_ENGLISH, DefaultText(e->text) });
				}
			}
			else if(current && e->text && *e->text)
				current->push_back(*e);
		}
	}

	const char* Find(std::string_view key, int lang, int mask) const
	{
		auto q = texts.find(key);
		if(q != texts.end())
			for(const LngEntry__& e : q->second)
				if((e.lang & mask) == (lang & mask))
					return e.text;
		return nullptr;
	}

	bool HasLanguage(int lang) const
	{
		for(const auto& [key, entries] : texts)
			for(const LngEntry__& e : entries)
				if((e.lang & LANG_ONLY) == (lang & LANG_ONLY))
					return true;
		return false;
	}
};

// Built on first use, so the framework's table leads whichever static initialiser calls first.
std::vector<Module>& Modules()
{
	static std::vector<Module> modules{ Module(CoreLngTable()) };
	return modules;
}

int& CurrentLanguage()
{
	static int lang = SetLNGCharset(LNG_ENGLISH, CHARSET_UTF8);
	return lang;
}

int& LanguageSerial()
{
	static int serial = 0;
	return serial;
}

} // namespace

void SetLanguage(int lang)
{
	CurrentLanguage() = lang;
	LanguageSerial()++;
}

int GetCurrentLanguage() { return CurrentLanguage(); }

int GetLanguageSerial() { return LanguageSerial(); }

String LanguageLocaleName(int lang)
{
	String name;
	for(int i = 0; i < 4; i++) {
		int letter = (lang >> (15 - 5 * i)) & 31;
		if(i == 2)
			name += '_';
		name += letter ? (char)((i < 2 ? 'a' : 'A') + letter - 1) : '?';
	}
	return name;
}

// The framework's table comes first among the modules.
bool HasFrameworkTexts(int lang) { return Modules().front().HasLanguage(lang); }

const char* t_GetLngString(const char* key)
{
	const int lang = CurrentLanguage();
	for(int mask : { LANG_COUNTRY, LANG_ONLY })
		for(const Module& m : Modules())
			if(const char* text = m.Find(key, lang, mask))
				return text;
	return DefaultText(key);
}

void AddModule(const LngEntry__* table) { Modules().emplace_back(table); }

} // namespace Upp
