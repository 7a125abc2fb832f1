// The sixteen topics as the program registers them, checked against their source files.
#include <Core/Core.h>

#include <QByteArray>
#include <QImage>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

using namespace Upp;

namespace {

const char* const TOPICS[] = {
	"about$de-de",  "about$en-us", "about$es-es", "about$fr-fr",   "about$it-it",  "about$nl-nl",
	"about$pt-pt",  "about$ro-ro", "about$ru-ru", "about$zh-cn",   "donate$en-us", "log2$en-us",
	"logani$en-us", "logo$en-us",  "tt$en-us",    "webpage$en-us",
};

const std::filesystem::path SOURCES = std::filesystem::path(__FILE__).parent_path() / "../../qimvor/app.tpp";

const char DEFAULT_STYLE[] = "[ $$0,0#00000000000000000000000000000000:Default]";

struct Source {
	std::string title, qtf;
};

Source ReadSource(const std::string& name)
{
	std::ifstream in(SOURCES / (name + ".tpp"), std::ios::binary);
	std::string s((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
	size_t eol = s.find('\n');
	if(s.compare(0, 7, "topic \"") != 0 || eol == std::string::npos || s.compare(eol - 2, 2, "\";") != 0)
		return Source();
	return Source{ s.substr(7, eol - 9), s.substr(eol + 1) };
}

int Count(const std::string& s, const std::string& what)
{
	int n = 0;
	for(size_t q = s.find(what); q != std::string::npos; q = s.find(what, q + what.size()))
		n++;
	return n;
}

// Square brackets nest and close, not counting escaped ones.
bool Balanced(const std::string& qtf)
{
	int depth = 0;
	for(size_t i = 0; i < qtf.size(); i++) {
		if(qtf[i] == '`')
			i++;
		else if(qtf[i] == '[')
			depth++;
		else if(qtf[i] == ']' && --depth < 0)
			return false;
	}
	return depth == 0;
}

TEST(AppTopics, SourceFolderHoldsTheSixteen)
{
	std::set<std::string> found;
	for(const auto& e : std::filesystem::directory_iterator(SOURCES))
		if(e.path().extension() == ".tpp")
			found.insert(e.path().stem().string());
	EXPECT_EQ(found, std::set<std::string>(std::begin(TOPICS), std::end(TOPICS)));
}

class AppTopic : public ::testing::TestWithParam<const char*> {};

// The store refuses a stream that does not end exactly at its registered length, so equal
// text also proves each registered length is exact.
TEST_P(AppTopic, InflatesToItsSource)
{
	Source src = ReadSource(GetParam());
	ASSERT_FALSE(src.qtf.empty());
	Topic t = GetTopic(std::string("qimvor/app/") + GetParam());
	EXPECT_EQ(t.text, src.qtf);
	EXPECT_EQ(t.title, src.title);
}

TEST_P(AppTopic, IsWellFormed)
{
	std::string qtf = GetTopic(std::string("qimvor/app/") + GetParam()).text;
	EXPECT_TRUE(Balanced(qtf));
	EXPECT_EQ(Count(qtf, "{{"), Count(qtf, "}}"));
	if(std::string(GetParam()) != "tt$en-us") {
		EXPECT_EQ(qtf.compare(0, sizeof DEFAULT_STYLE - 1, DEFAULT_STYLE), 0);
		EXPECT_EQ(Count(qtf, "$$"), 1);
	}
}

INSTANTIATE_TEST_SUITE_P(All, AppTopic, ::testing::ValuesIn(TOPICS));

TEST(AppTopics, UnknownNamesGiveNoTopic)
{
	for(const char* path :
		{ "qimvor/app/about$pl-pl", "qimvor/app/about", "qimvor/doc/about$en-us", "app/about$en-us" }) {
		Topic t = GetTopic(path);
		EXPECT_TRUE(t.text.empty()) << path;
		EXPECT_TRUE(t.title.empty()) << path;
	}
}

TEST(AppTopics, Titles)
{
	EXPECT_EQ(GetTopic("qimvor/app/donate$en-us").title, "Donate");
	EXPECT_EQ(GetTopic("qimvor/app/tt$en-us").title, "Tutorial");
	EXPECT_EQ(GetTopic("qimvor/app/webpage$en-us").title, "www.lunbrek.org");
	EXPECT_EQ(GetTopic("qimvor/app/about$en-us").title, "");
}

struct About {
	const char* lang;
	const char* subtitle;
	const char* heading[3];
};

void PrintTo(const About& a, std::ostream* os) { *os << a.lang; }

class AboutPage : public ::testing::TestWithParam<About> {};

TEST_P(AboutPage, HoldsItsTranslationsInTheSharedLayout)
{
	const About& a = GetParam();
	std::string qtf = GetTopic(std::string("qimvor/app/about$") + a.lang).text;
	ASSERT_FALSE(qtf.empty());
	EXPECT_EQ(Count(qtf, "{{"), 8);
	// the title row is the same in every language: name and version on black
	size_t row = qtf.find("{{10000@0 ");
	size_t end = qtf.find("::@1 ", row);
	ASSERT_NE(row, std::string::npos);
	ASSERT_NE(end, std::string::npos);
	std::string title = qtf.substr(row, end - row);
	EXPECT_NE(title.find("+184 Lunbrek]"), std::string::npos);
	EXPECT_NE(title.find(" Version 0.3.0]"), std::string::npos);
	EXPECT_EQ(Count(title, "@(28.170.200)"), 3);
	EXPECT_NE(qtf.find(std::string(a.subtitle) + "]"), std::string::npos);
	size_t at = 0;
	for(const char* h : a.heading) {
		at = qtf.find(std::string(" ") + h + "]]}}", at);
		EXPECT_NE(at, std::string::npos) << h;
	}
	// the author block stays English, with the home page link
	EXPECT_NE(qtf.find("Author `: "), std::string::npos);
	EXPECT_NE(qtf.find("[R^http://www.lunbrek.org^ www.lunbrek.org]"), std::string::npos);
	EXPECT_NE(qtf.find("^https://www.gnu.org/licenses/gpl-3.0.html^ "), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
	Languages, AboutPage,
	::testing::Values(
		About{ "en-us",
			   "Calculate difference in days or find a specific date",
			   { "Free for Personal Use", "Disclaimer of Warranty", "Limitation of Liability" } },
		About{ "de-de",
			   "Differenz berechnen in Tagen oder bei einem bestimmten Datum",
			   { "Für den persönlichen Gebrauch", "Haftungsausschluss", "Haftungsbeschränkung" } },
		About{ "es-es",
			   "Calcular la diferencia en días o encontrar una fecha específica",
			   { "Gratis para uso personal", "Renuncia de garantía", "Limitación de la responsabilidad" } },
		About{ "fr-fr",
			   "Calculer la différence en jours ou trouver une date précise",
			   { "Gratuit pour un usage personnel", "Exclusion de garantie", "Limitation de responsabilité" } },
		About{ "it-it",
			   "Calcolare differenza in giorni o trovare una data specifica",
			   { "Gratuito per uso personale", "Esclusione di garanzia", "Limitazione di responsabilità" } },
		About{ "nl-nl",
			   "Bereken verschil in dagen of zoek een specifieke datum",
			   { "Gratis voor persoonlijk gebruik", "Afwijzing van garantie", "Beperking van aansprakelijkheid" } },
		About{ "pt-pt",
			   "Calcular diferença de dias ou encontrar uma data específica",
			   { "Gratuito para uso pessoal", "Renúncia da garantia", "Limitação de Responsabilidade" } },
		About{ "ro-ro",
			   "Se calculează diferența în zile sau găsi o anumită dată",
			   { "Gratuit pentru uz personal", "Condiții de garanție", "Limitarea răspunderii" } },
		About{ "ru-ru",
			   "Рассчитать разницу в днях или найти конкретную дату",
			   { "Бесплатно для личного пользования", "Отказ от гарантийных обязательств",
				 "Ограничение ответственности" } },
		About{ "zh-cn", "計算出的差異在數天或查找特定日期", { "免費供個人使用", "擔保免責聲明", "責任限制" } }));

TEST(AppTopics, ChineseAboutLinksTheLicenceAsGnuInTheDefaultFont)
{
	std::string qtf = GetTopic("qimvor/app/about$zh-cn").text;
	EXPECT_NE(qtf.find("[2^https://www.gnu.org/licenses/gpl-3.0.html^ GNU]"), std::string::npos);
	EXPECT_EQ(qtf.find("[*R "), std::string::npos);
	EXPECT_EQ(qtf.find("[R2 "), std::string::npos);
}

TEST(AppTopics, WebpageIsOneParagraphWithOneLink)
{
	std::string qtf = GetTopic("qimvor/app/webpage$en-us").text;
	EXPECT_EQ(Count(qtf, "[^"), 1);
	EXPECT_EQ(Count(qtf, "&"), 0);
	EXPECT_EQ(Count(qtf, "[s0;"), 1);
	EXPECT_NE(qtf.find("[s0;%EN-US [^http://www.lunbrek.org^ www.lunbrek.org]]"), std::string::npos);
}

struct Logo {
	const char* topic;
	const char* header; // the object's format and size in dots
	int cx, cy;
};

void PrintTo(const Logo& l, std::ostream* os) { *os << l.topic; }

class LogoPicture : public ::testing::TestWithParam<Logo> {};

TEST_P(LogoPicture, IsAnRgbaPngOfItsSize)
{
	const Logo& l = GetParam();
	std::string qtf = GetTopic(std::string("qimvor/app/") + l.topic).text;
	ASSERT_EQ(Count(qtf, "@@"), 1);
	size_t b = qtf.find(std::string(l.header) + "(");
	ASSERT_NE(b, std::string::npos);
	b += strlen(l.header) + 1;
	size_t e = qtf.find(')', b);
	ASSERT_NE(e, std::string::npos);
	QByteArray png = QByteArray::fromBase64(QByteArray::fromStdString(qtf.substr(b, e - b)),
											QByteArray::AbortOnBase64DecodingErrors);
	ASSERT_GT(png.size(), 26);
	EXPECT_EQ(png.mid(1, 3), "PNG");
	EXPECT_EQ(png[24], 8); // bits per channel
	EXPECT_EQ(png[25], 6); // colour type RGBA
	QImage img = QImage::fromData(png, "PNG");
	EXPECT_EQ(img.width(), l.cx);
	EXPECT_EQ(img.height(), l.cy);
	EXPECT_TRUE(img.hasAlphaChannel());
}

INSTANTIATE_TEST_SUITE_P(Logos, LogoPicture,
						 ::testing::Values(Logo{ "logo$en-us", "@@PING:3395&315", 469, 45 },
										   Logo{ "logani$en-us", "@@PING:3358&399", 432, 51 }));

TEST(AppTopics, TutorialStyleSheet)
{
	std::string qtf = GetTopic("qimvor/app/tt$en-us").text;
	const char* names[] = { "Default",       "param", "caption",      "title",    "item",   "text",
							"desc",          "code",  "separator",    "base",     "class",  "requirement",
							"tparam",        "item1", "item2",        "NewsDate", "result", "result-line",
							"package-title", "gap",   "class-nested", "Par" };
	EXPECT_EQ(Count(qtf, "$$"), 22);
	size_t at = 0;
	for(int i = 0; i < 22; i++) {
		at = qtf.find("$$" + std::to_string(i) + ",", at);
		ASSERT_NE(at, std::string::npos) << names[i];
		size_t colon = qtf.find(':', at);
		EXPECT_EQ(qtf.substr(colon + 1, qtf.find(']', colon) - colon - 1), names[i]);
	}
	EXPECT_EQ(qtf.compare(0, sizeof DEFAULT_STYLE - 1, DEFAULT_STYLE), 0);
	EXPECT_NE(qtf.find("[s2; Tutorial&]"), std::string::npos);
}

} // namespace
