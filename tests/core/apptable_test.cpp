#include <Core/Core.h>

#include "../../qimvor/qimvor_t.h"

static const Upp::LngEntry__ qimvor_lng[] = {
#include "../../qimvor/qimvor.t"
	{ 0, nullptr }
};

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

using namespace Upp;

namespace {

constexpr int Lng(const char (&c)[5]) { return SetLNGCharset(LNG_(c[0], c[1], c[2], c[3]), CHARSET_UTF8); }

const char* const notice = "© 2014-2026 Lunbrek";

const int stored_order[] = { Lng("DEDE"), Lng("ESES"), Lng("FRFR"), Lng("ITIT"), Lng("NLNL"),
							 Lng("PTPT"), Lng("RORO"), Lng("RURU"), Lng("ZHCN") };

const int all_languages[] = { Lng("ENUS"), Lng("DEDE"), Lng("ESES"), Lng("FRFR"), Lng("ITIT"),
							  Lng("NLNL"), Lng("PTPT"), Lng("RORO"), Lng("RURU"), Lng("ZHCN") };

std::vector<const char*> Keys()
{
	std::vector<const char*> keys;
	for(const LngEntry__* e = qimvor_lng; e->lang; e++)
		if(e->lang == 1)
			keys.push_back(e->text);
	return keys;
}

// Registered from a static initialiser, as the program does, whatever runs before it.
const bool registered = (AddModule(qimvor_lng), true);

class AppTable : public ::testing::Test {
protected:
	void SetUp() override { ASSERT_TRUE(registered); }
	void TearDown() override { SetLanguage(Lng("ENUS")); }
};

TEST_F(AppTable, Shape)
{
	const size_t size = std::size(qimvor_lng);
	ASSERT_EQ(size, 501u);
	EXPECT_EQ(qimvor_lng[500].lang, 0);
	EXPECT_EQ(qimvor_lng[500].text, nullptr);
	for(size_t k = 0; k < 50; k++) {
		const LngEntry__* row = qimvor_lng + 10 * k;
		EXPECT_EQ(row->lang, 1) << k;
		for(int i = 0; i < 9; i++)
			EXPECT_EQ(row[1 + i].lang, stored_order[i]) << row->text << " #" << i;
	}
}

TEST_F(AppTable, KeysInOrder)
{
	const char* const expected[] = { "",
									 "Start date should be less than end date!!!",
									 "Years",
									 "Months",
									 "Days",
									 "File",
									 "Tools",
									 "Help",
									 "Exit",
									 "Settings",
									 "Visit Website",
									 "Donate",
									 "About",
									 "Language",
									 "Day Difference",
									 "Specific Date",
									 "From :",
									 "To :",
									 "Calculate",
									 "Difference (Year / Month / Day) :",
									 "Total Difference :",
									 "Add",
									 "Subtract",
									 "Year :",
									 "Month :",
									 "Day :",
									 "Date :",
									 "Start Date",
									 "End Date",
									 "Generate Report",
									 "Total Difference",
									 "Difference (Year / Month / Day)",
									 "Batch Lunbrek",
									 "Another instance of application already exists!",
									 "Normal",
									 "Include Both Dates",
									 "Exclude Both Dates",
									 "OK",
									 notice,
									 "Cancel",
									 "English",
									 "French",
									 "Spanish",
									 "Portuguese",
									 "Russian",
									 "German",
									 "Italian",
									 "Chinese",
									 "Dutch",
									 "Romanian" };
	std::vector<const char*> keys = Keys();
	ASSERT_EQ(keys.size(), std::size(expected));
	for(size_t i = 0; i < keys.size(); i++)
		EXPECT_STREQ(keys[i], expected[i]) << i;
}

TEST_F(AppTable, TextsPresentExactlyWhereDue)
{
	for(size_t k = 0; k < 50; k++) {
		const LngEntry__* row = qimvor_lng + 10 * k;
		const std::string key = row->text;
		const bool blank = key.empty() || key == "OK" || key == "Cancel" || key == notice;
		for(int i = 1; i <= 9; i++) {
			ASSERT_NE(row[i].text, nullptr);
			EXPECT_EQ(*row[i].text == 0, blank) << key << " #" << i;
		}
	}
}

TEST_F(AppTable, QuotedRows)
{
	struct {
		const char* key;
		const char* texts[9];
	} rows[] = {
		{ "Years", { "Jahre", "Años", "Ans", "Anni", "Jaar", "Anos", "Ani", "Годы", "岁月" } },
		{ "Days", { "Tage", "Días", "Journées", "Giorni", "Dagen", "Dias", "Zi", "Дни", "天" } },
		{ "Calculate",
		  { "Berechnen", "Calcular", "Calculer", "Calcolare", "Berekenen", "Calcular", "Calcula", "Вычислять",
			"计算" } },
		{ "Day Difference",
		  { "Tag Unterschied", "Diferencia Días", "Différence De Jour", "Differenza Giorno", "Dag Verschil",
			"Dia Diferença", "Diferența Zi", "День Разница", "天差" } },
		{ "Exit", { "Beenden", "Salida", "Quitter", "Exit", "Uitgang", "Saída", "Ieșire", "Выход", "出口" } },
		{ "Batch Lunbrek",
		  { "Batch Lunbrek", "Lunbrek Lotes", "Lot Lunbrek", "Lunbrek Batch", "Batch Lunbrek", "Batch Lunbrek",
			"Lot Lunbrek", "Пакетная Lunbrek", "批量Lunbrek" } },
		{ "Start date should be less than end date!!!",
		  { "Startdatum weniger als enddatum liegen sollte", "Fecha de inicio debe ser menor de fecha de finalización",
			"Date de début doit être inférieure à date de fin!", "Data di inizio dovrebbe essere inferiore a data fine",
			"Start datum moet minder zijn dan einddatum", "Data de início deve ser inferior a data final",
			"Data începerii ar trebui să fie mai mică decât data de încheiere",
			"Дата начала должно быть меньше даты окончания", "开始日期应小于结束日期" } },
	};
	for(const auto& r : rows)
		for(int i = 0; i < 9; i++) {
			SetLanguage(stored_order[i]);
			EXPECT_STREQ(t_(r.key), r.texts[i]) << r.key << " #" << i;
		}
}

TEST_F(AppTable, VisitWebsiteEndsWithOneBlank)
{
	EXPECT_STREQ(t_("Visit Website"), "Visit Website");
	for(int lang : stored_order) {
		SetLanguage(lang);
		std::string s = t_("Visit Website");
		ASSERT_GE(s.size(), 2u);
		EXPECT_EQ(s.back(), ' ') << s;
		EXPECT_NE(s[s.size() - 2], ' ') << s;
	}
	SetLanguage(Lng("DEDE"));
	EXPECT_STREQ(t_("Visit Website"), "Besuchen Sie Die Webseite ");
	SetLanguage(Lng("ZHCN"));
	EXPECT_STREQ(t_("Visit Website"), "访问网站 ");
}

// Where a key is in both tables, the framework's text wins; Portugal has no framework texts
// of its own, so its exact entry here beats the framework's Brazilian one.
TEST_F(AppTable, FrameworkAndApplicationTogether)
{
	struct {
		int lang;
		const char* key;
		const char* expected;
	} cases[] = {
		{ Lng("DEDE"), "Years", "Jahre" },
		{ Lng("DEDE"), "Cancel", "Abbrechen" },
		{ Lng("DEDE"), "Null value not allowed.", "Null nicht erlaubt." },
		{ Lng("ESES"), "Help", "Ayuda" },
		{ Lng("ESES"), "Exit", "Salida" },
		{ Lng("ESES"), "OK", "Continuar" },
		{ Lng("ESES"), "Day Difference", "Diferencia Días" },
		{ Lng("ESES"), "Specific Date", "Fecha Específica" },
		{ Lng("FRFR"), "Help", "Aide" },
		{ Lng("RURU"), "Help", "Помощь" },
		{ Lng("PTPT"), "Help", "Ajudar" },
		{ Lng("PTPT"), "Cancel", "Cancelar" },
		{ Lng("PTPT"), "OK", "OK" },
		{ Lng("PTPT"), "Null value not allowed.", "Valor nulo não permitido." },
	};
	for(const auto& c : cases) {
		SetLanguage(c.lang);
		EXPECT_STREQ(t_(c.key), c.expected) << c.key << " " << std::hex << c.lang;
	}
}

TEST_F(AppTable, EnglishGivesEveryKeyAndNoticeIsNeverTranslated)
{
	SetLanguage(Lng("ENUS"));
	for(const char* key : Keys())
		EXPECT_STREQ(t_(key), key);
	for(int lang : all_languages) {
		SetLanguage(lang);
		EXPECT_STREQ(t_(notice), notice) << std::hex << lang;
		EXPECT_STREQ(t_(""), "");
	}
}

} // namespace
