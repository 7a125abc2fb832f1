#include "Lang.h"

#include "Date.h"

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

} // namespace

void SetLanguage(int lang)
{
	CurrentLanguage() = lang;
	SetDateFormat(t_("date-format\a%2:02d/%3:02d/%1:4d"));
	SetDateScan(t_("date-scan\amdy"));
	SetDateFilter(t_("date-filter\a/ .-"));
}

int GetCurrentLanguage() { return CurrentLanguage(); }

const char* t_GetLngString(const char* key)
{
	const int lang = CurrentLanguage();
	for(int mask : { LANG_COUNTRY, LANG_ONLY })
		for(const Module& m : Modules())
			if(const char* text = m.Find(key, lang, mask))
				return text;
	return DefaultText(key);
}

void AddModule(const LngEntry__* table, const char*) { Modules().emplace_back(table); }

} // namespace Upp
