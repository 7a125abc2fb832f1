#include <Core/Core.h>

#include <gtest/gtest.h>

#include <string>

using namespace Upp;

namespace {

constexpr int Lng(const char (&c)[5]) { return SetLNGCharset(LNG_(c[0], c[1], c[2], c[3]), CHARSET_UTF8); }

struct Case {
	int lang;
	const char* key;
	const char* expected;
};

void PrintTo(const Case& c, std::ostream* os) { *os << std::hex << c.lang << " " << c.key; }

// The registry only grows, so every test files keys of its own.
class LangLookup : public ::testing::TestWithParam<Case> {};

TEST_P(LangLookup, FrameworkTable)
{
	const Case& c = GetParam();
	SetLanguage(c.lang);
	EXPECT_STREQ(t_GetLngString(c.key), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
	Texts, LangLookup,
	::testing::Values(Case{ Lng("DEDE"), "OK", "OK" }, Case{ Lng("DEDE"), "Cancel", "Abbrechen" },
					  Case{ Lng("DEDE"), "Help", "Hilfe" },
					  Case{ Lng("DEDE"), "Null value not allowed.", "Null nicht erlaubt." },
					  Case{ Lng("ESES"), "OK", "Continuar" }, Case{ Lng("ESES"), "Help", "Ayuda" },
					  Case{ Lng("FRFR"), "Cancel", "Annuler" }, Case{ Lng("ITIT"), "Help", "Aiuto" },
					  Case{ Lng("NLNL"), "Cancel", "Annuleren" }, Case{ Lng("RURU"), "Help", "Помощь" },
					  Case{ Lng("ZHCN"), "Cancel", "取消" },
					  // Portuguese is filed as pt-BR: Portugal gets it through the language alone
					  Case{ Lng("PTBR"), "Help", "Ajuda" }, Case{ Lng("PTPT"), "Cancel", "Cancelar" },
					  // another country of a known language, and the charset bits play no part
					  Case{ Lng("DEAT"), "Cancel", "Abbrechen" }, Case{ LNG_('D', 'E', 'D', 'E'), "Help", "Hilfe" },
					  Case{ Lng("ENUS"), "Cancel", "Cancel" }, Case{ Lng("ENGB"), "Help", "Help" },
					  Case{ Lng("XXXX"), "Cancel", "Cancel" }, Case{ 0, "Help", "Help" },
					  Case{ Lng("DEDE"), "No such key", "No such key" }, Case{ Lng("DEDE"), "", "" }));

struct DateCase {
	int lang;
	const char* format;
	const char* scan;
	const char* shown; // 5 March 2024 after SetLanguage
	const char* typed; // reads as 5 March 2024
};

void PrintTo(const DateCase& c, std::ostream* os) { *os << std::hex << c.lang; }

class LangDates : public ::testing::TestWithParam<DateCase> {};

TEST_P(LangDates, SetLanguageSwitchesDateTexts)
{
	const DateCase& c = GetParam();
	SetLanguage(c.lang);
	EXPECT_STREQ(t_("date-format\a%2:02d/%3:02d/%1:4d"), c.format);
	EXPECT_STREQ(t_("date-scan\amdy"), c.scan);
	EXPECT_EQ(Format(Date(2024, 3, 5)), c.shown);
	EXPECT_EQ(StrToDate(c.typed), Date(2024, 3, 5));
	for(const char* alt : { "/", ".", "-" }) // every language reads the common separators
		EXPECT_NE(std::string(t_("date-filter\a/ .-")).find(alt), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
	Languages, LangDates,
	::testing::Values(DateCase{ Lng("ENUS"), "%2:02d/%3:02d/%1:4d", "mdy", "03/05/2024", "3/5/2024" },
					  DateCase{ Lng("XXXX"), "%2:02d/%3:02d/%1:4d", "mdy", "03/05/2024", "3-5-2024" },
					  DateCase{ Lng("DEDE"), "%3:02d.%2:02d.%1:04d", "dmy", "05.03.2024", "5.3.2024" },
					  DateCase{ Lng("ESES"), "%3:02d/%2:02d/%1:04d", "dmy", "05/03/2024", "5/3/2024" },
					  DateCase{ Lng("FRFR"), "%3:02d/%2:02d/%1:04d", "dmy", "05/03/2024", "05/03/2024" },
					  DateCase{ Lng("ITIT"), "%3:02d/%2:02d/%1:04d", "dmy", "05/03/2024", "5 3 2024" },
					  DateCase{ Lng("NLNL"), "%3:02d-%2:02d-%1:04d", "dmy", "05-03-2024", "5-3-2024" },
					  DateCase{ Lng("PTPT"), "%3:02d/%2:02d/%1:04d", "dmy", "05/03/2024", "5/3/2024" },
					  DateCase{ Lng("RORO"), "%3:02d.%2:02d.%1:04d", "dmy", "05.03.2024", "5.3.2024" },
					  DateCase{ Lng("RURU"), "%3:02d.%2:02d.%1:04d", "dmy", "05.03.2024", "5.3.2024" },
					  DateCase{ Lng("ZHCN"), "%1:04d-%2:02d-%3:02d", "ymd", "2024-03-05", "2024-3-5" }));

TEST(Lang, EnglishYearIsPaddedWithBlanksOthersWithZeros)
{
	SetLanguage(Lng("ENUS"));
	EXPECT_EQ(Format(Date(800, 1, 2)), "01/02/ 800");
	SetLanguage(Lng("DEDE"));
	EXPECT_EQ(Format(Date(800, 1, 2)), "02.01.0800");
	SetLanguage(Lng("ENUS"));
}

TEST(Lang, CurrentLanguageKeepsTheWholeCode)
{
	SetLanguage(Lng("FRFR"));
	EXPECT_EQ(GetCurrentLanguage(), Lng("FRFR"));
	SetLanguage(LNG_('F', 'R', 'F', 'R'));
	EXPECT_EQ(GetCurrentLanguage(), LNG_('F', 'R', 'F', 'R'));
}

TEST(Lang, DateTextSetDirectlyHoldsUntilTheLanguageIsSetAgain)
{
	SetLanguage(Lng("DEDE"));
	SetDateFormat("%1:d");
	SetDateScan("ymd");
	EXPECT_EQ(Format(Date(2024, 3, 5)), "2024");
	EXPECT_EQ(StrToDate("2024.3.5"), Date(2024, 3, 5));
	// the same language again brings its own texts back
	SetLanguage(Lng("DEDE"));
	EXPECT_EQ(Format(Date(2024, 3, 5)), "05.03.2024");
	EXPECT_EQ(StrToDate("5.3.2024"), Date(2024, 3, 5));
	SetLanguage(Lng("ENUS"));
}

TEST(Lang, LocaleNamesOfPackedCodes)
{
	struct {
		int lang;
		const char* name;
	} rows[] = {
		{ Lng("DEDE"), "de_DE" }, { LNG_('P', 'T', 'B', 'R'), "pt_BR" }, { Lng("ZHCN"), "zh_CN" },
		{ Lng("JAJP"), "ja_JP" }, // a language the framework has no texts for is named all the same
		{ 0, "?\?_?\?" },
	};
	for(const auto& r : rows)
		EXPECT_EQ(LanguageLocaleName(r.lang), r.name) << std::hex << r.lang;
}

TEST(Lang, FrameworkTextsCoverTheLanguagesOfItsTableInAnyCountry)
{
	struct {
		int lang;
		bool covered;
	} rows[] = {
		{ Lng("ENUS"), true },  { Lng("ENGB"), true },  { Lng("DEAT"), true },
		{ Lng("PTPT"), true },  { Lng("ZHTW"), true },  { LNG_('R', 'U', 'R', 'U'), true },
		{ Lng("JAJP"), false }, { Lng("CSCZ"), false }, { Lng("XXXX"), false },
		{ 0, false },
	};
	for(const auto& r : rows)
		EXPECT_EQ(HasFrameworkTexts(r.lang), r.covered) << std::hex << r.lang;
}

TEST(Lang, FrameworkTableIsSearchedFirst)
{
	static const LngEntry__ module[] = {
		{ 1, "Help" },
		{ Lng("DEDE"), "Hilfe (Modul)" },
		{ Lng("PTPT"), "Ajudar" },
		{ Lng("PTBR"), "Ajudar (BR)" },
		{ 1, "Cancel" },
		{ Lng("ZHCN"), "X" },
		{ 0, nullptr },
	};
	AddModule(module);
	struct {
		int lang;
		const char* key;
		const char* expected;
	} cases[] = {
		{ Lng("DEDE"), "Help", "Hilfe" },
		{ Lng("PTBR"), "Help", "Ajuda" },
		{ Lng("ZHCN"), "Cancel", "取消" },
		// the module's exact country beats the framework's other country
		{ Lng("PTPT"), "Help", "Ajudar" },
		{ Lng("ENUS"), "Help", "Help" },
	};
	for(const auto& c : cases) {
		SetLanguage(c.lang);
		EXPECT_STREQ(t_(c.key), c.expected) << c.key << " " << std::hex << c.lang;
	}
}

TEST(Lang, ModulesInRegistrationOrderExactCountryBeforeLanguage)
{
	static const LngEntry__ a[] = {
		{ 1, "Clash" },
		{ Lng("ESES"), "uno" },
		{ Lng("FRCA"), "Couleur (CA)" },
		{ 0, nullptr },
	};
	static const LngEntry__ b[] = {
		{ 1, "Clash" },
		{ Lng("ESES"), "dos" },
		{ Lng("ESMX"), "México" },
		{ Lng("FRFR"), "Couleur" },
		{ 1, "Only here" },
		{ Lng("ESAR"), "Solo aquí" },
		{ 0, nullptr },
	};
	AddModule(a);
	AddModule(b);
	struct {
		int lang;
		const char* key;
		const char* expected;
	} cases[] = {
		{ Lng("ESES"), "Clash", "uno" },           { Lng("ESMX"), "Clash", "México" },
		{ Lng("ESCO"), "Clash", "uno" },           { Lng("FRFR"), "Clash", "Couleur" },
		{ Lng("FRBE"), "Clash", "Couleur (CA)" },  { Lng("ESES"), "Only here", "Solo aquí" },
		{ Lng("DEDE"), "Only here", "Only here" },
	};
	for(const auto& c : cases) {
		SetLanguage(c.lang);
		EXPECT_STREQ(t_(c.key), c.expected) << c.key << " " << std::hex << c.lang;
	}
}

TEST(Lang, EmptyTextsAreNotFiled)
{
	static const LngEntry__ module[] = {
		{ 1, "Blank" },      { Lng("DEDE"), "" },      { Lng("DEAT"), "Leer" }, { 1, "Blank only" },
		{ Lng("DEDE"), "" }, { Lng("FRFR"), nullptr }, { 0, nullptr },
	};
	AddModule(module);
	SetLanguage(Lng("DEDE"));
	EXPECT_STREQ(t_("Blank"), "Leer");
	EXPECT_STREQ(t_("Blank only"), "Blank only");
	SetLanguage(Lng("FRFR"));
	EXPECT_STREQ(t_("Blank only"), "Blank only");
}

TEST(Lang, KeyWithDefaultText)
{
	static const LngEntry__ module[] = {
		{ 1, "greeting\aHello" },
		{ Lng("DEDE"), "Hallo" },
		{ 0, nullptr },
	};
	AddModule(module);
	struct {
		int lang;
		const char* key;
		const char* expected;
	} cases[] = {
		{ Lng("DEDE"), "greeting\aHello", "Hallo" },
		{ Lng("FRFR"), "greeting\aHello", "Hello" },
		{ Lng("ENUS"), "greeting\aHello", "Hello" },
		{ Lng("DEDE"), "greeting", "greeting" }, // the whole text is the key
		{ Lng("DEDE"), "greeting\aHi", "Hi" },
		{ Lng("DEDE"), "unknown\a", "" },
	};
	for(const auto& c : cases) {
		SetLanguage(c.lang);
		EXPECT_STREQ(t_(c.key), c.expected) << c.key << " " << std::hex << c.lang;
	}
}

TEST(Lang, TerminatingEntryEndsTheTable)
{
	static const LngEntry__ module[] = {
		{ 1, "Before end" }, { Lng("DEDE"), "Vorher" },  { 0, "Nie" },   { Lng("DEDE"), "Nie" },
		{ 1, "After end" },  { Lng("DEDE"), "Nachher" }, { 0, nullptr },
	};
	AddModule(module);
	SetLanguage(Lng("DEDE"));
	EXPECT_STREQ(t_("Before end"), "Vorher");
	EXPECT_STREQ(t_("After end"), "After end");
}

TEST(Lang, TranslationsBeforeTheFirstKeyBelongToNoKey)
{
	static const LngEntry__ module[] = {
		{ Lng("DEDE"), "Waise" },      { 1, nullptr }, { Lng("DEDE"), "Auch Waise" }, { 1, "Adopted" },
		{ Lng("DEDE"), "Angenommen" }, { 0, nullptr },
	};
	AddModule(module);
	SetLanguage(Lng("DEDE"));
	EXPECT_STREQ(t_("Adopted"), "Angenommen");
	EXPECT_STREQ(t_("Waise"), "Waise");
	EXPECT_STREQ(t_(""), "");
}

} // namespace
