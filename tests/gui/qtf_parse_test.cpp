// The QTF reader on its own: text, formats, styles, tables, objects and damaged input.
#include <RichText/RichText.h>

#include <QBuffer>
#include <QByteArray>
#include <QElapsedTimer>
#include <QImage>
#include <QTextDocument>
#include <gtest/gtest.h>

#include "testutil.h"

using testutil::MakePng;

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <random>
#include <sstream>

using namespace Upp;

namespace {

// Paragraphs one a line, tables as {cell|cell/next row}, objects as <TYPE>.
std::string Flat(const std::vector<RichPart>& parts)
{
	std::string s;
	for(size_t i = 0; i < parts.size(); i++) {
		if(i)
			s += "\n";
		if(parts[i].table) {
			s += "{";
			const auto& rows = parts[i].table->rows;
			for(size_t r = 0; r < rows.size(); r++)
				for(size_t c = 0; c < rows[r].size(); c++) {
					if(r || c)
						s += c ? "|" : "/";
					s += Flat(rows[r][c].parts);
				}
			s += "}";
		}
		else
			for(const RichRun& run : parts[i].para.runs)
				s += run.isobject ? "<" + run.object.type + ">" : run.text;
	}
	return s;
}

const RichRun& FirstRun(const RichDoc& doc)
{
	static RichRun none;
	for(const RichPart& p : doc.parts)
		if(!p.table && !p.para.runs.empty())
			return p.para.runs[0];
	return none;
}

struct TextCase {
	const char* qtf;
	const char* text;
};

class QtfText : public ::testing::TestWithParam<TextCase> {};

TEST_P(QtfText, Flattens) { EXPECT_EQ(Flat(ParseQTF(GetParam().qtf).parts), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(
	Cases, QtfText,
	::testing::Values(
		TextCase{ "", "" }, TextCase{ "Hello&World", "Hello\nWorld" }, TextCase{ "a&&b", "a\n\nb" },
		TextCase{ "[* bold] and [/ italic]", "bold and italic" },
		// bytes 2..31 are not text: lines of a file join without a gap
		TextCase{ "li\nne\r\tend", "lineend" }, TextCase{ "`[x`] `& `` `{`{ `:`: `@`@ `-`|", "[x] & ` {{ :: @@ -|" },
		TextCase{ "\1[* x]&\1y", "[* x]&y" },
		TextCase{ "a_b", "a\xC2\xA0"
						 "b" },
		TextCase{ "x-|y - z", "x\ty - z" }, TextCase{ "@$41;@$20AC;@$1F600;", "A\xE2\x82\xAC\xF0\x9F\x98\x80" },
		TextCase{ "@$D800;@$110000;ok", "ok" }, TextCase{ "mail`@host @ x", "mail@host @ x" },
		TextCase{ "a{:VALUE:PAGENUMBER:}b", "ab" },
		// a style definition stands in for text and shows nothing
		TextCase{ "[2 $$0,0#00000000000000000000000000000000:Default][s0; x]", "x" },
		TextCase{ "[ {{1:1 A:: B}}&][s0; after]", "{A|B}\nafter" }, TextCase{ "{{1 A:: B:: C}}", "{A/B/C}" },
		TextCase{ "{{1:1 A||B||C||D}}", "{A|B/C|D}" }, TextCase{ "{{1:1:1 A:: B:: C:: D}}", "{A|B|C/D||}" },
		TextCase{ "[ {{1 [s0; a&b]}}]", "{a\nb}" }, TextCase{ "{{1 x:: {{1:1 y:: z}}}}", "{x/{y|z}}" },
		TextCase{ "before{{1 in}}after", "before\n{in}\nafter" }, TextCase{ "a: b|c} d", "a: b|c} d" }));

} // namespace

namespace Upp {
void PrintTo(const RichCharFormat& f, std::ostream* os)
{
	*os << "face " << f.face << " " << f.facename << " height " << f.height << " bold " << f.bold << " italic "
		<< f.italic << " underline " << f.underline << " strikeout " << f.strikeout << " script " << f.script << " ink "
		<< f.ink.null << "/" << f.ink.r << "." << f.ink.g << "." << f.ink.b << " paper " << f.paper.null << "/"
		<< f.paper.r << "." << f.paper.g << "." << f.paper.b << " link '" << f.link << "' lang '" << f.lang << "'";
}
} // namespace Upp

namespace {

struct FormatCase {
	const char* qtf;
	std::function<void(RichCharFormat&)> expect; // applied to the default format
};

void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.qtf; }
void PrintTo(const TextCase& c, std::ostream* os) { *os << c.qtf; }

class QtfCharFormat : public ::testing::TestWithParam<FormatCase> {};

TEST_P(QtfCharFormat, FirstRun)
{
	RichCharFormat expected;
	GetParam().expect(expected);
	EXPECT_EQ(FirstRun(ParseQTF(GetParam().qtf)).format, expected);
}

INSTANTIATE_TEST_SUITE_P(
	Cases, QtfCharFormat,
	::testing::Values(
		FormatCase{ "x", [](RichCharFormat&) {} },
		FormatCase{ "[*/_- x]", [](RichCharFormat& f) { f.bold = f.italic = f.underline = f.strikeout = true; } },
		// the switches toggle, so a nested one undoes the outer one
		FormatCase{ "[* [* x]]", [](RichCharFormat&) {} },
		FormatCase{ "[*][/ x]", [](RichCharFormat& f) { f.italic = true; } },
		FormatCase{ "[` x]", [](RichCharFormat& f) { f.script = RichCharFormat::SUPERSCRIPT; } },
		FormatCase{ "[, x]", [](RichCharFormat& f) { f.script = RichCharFormat::SUBSCRIPT; } },
		FormatCase{ "[+150 x]", [](RichCharFormat& f) { f.height = 150; } },
		FormatCase{ "[0 x]", [](RichCharFormat& f) { f.height = 50; } },
		FormatCase{ "[4 x]", [](RichCharFormat& f) { f.height = 134; } },
		FormatCase{ "[9 x]", [](RichCharFormat& f) { f.height = 400; } },
		FormatCase{ "[+999999 x]", [](RichCharFormat& f) { f.height = 10000; } },
		FormatCase{ "[@(28.170.200) x]", [](RichCharFormat& f) { f.ink = RichColor::Rgb(28, 170, 200); } },
		FormatCase{ "[@(229) x]", [](RichCharFormat& f) { f.ink = RichColor::Rgb(229, 229, 229); } },
		FormatCase{ "[@(300.1.2) x]", [](RichCharFormat& f) { f.ink = RichColor::Rgb(255, 1, 2); } },
		FormatCase{ "[@3 x]", [](RichCharFormat& f) { f.ink = RichColor::Rgb(128, 0, 0); } },
		FormatCase{ "[@1 x]", [](RichCharFormat& f) { f.ink = RichColor::Rgb(192, 192, 192); } },
		FormatCase{ "[@B x]", [](RichCharFormat& f) { f.ink = RichColor::Rgb(0, 0, 255); } },
		FormatCase{ "[@N x]", [](RichCharFormat& f) { f.ink = RichColor(); } },
		FormatCase{ "[$(255.220.200) x]", [](RichCharFormat& f) { f.paper = RichColor::Rgb(255, 220, 200); } },
		FormatCase{ "[R x]", [](RichCharFormat& f) { f.face = RichCharFormat::SERIF; } },
		FormatCase{ "[C x]", [](RichCharFormat& f) { f.face = RichCharFormat::MONO; } },
		FormatCase{ "[R [A x]]", [](RichCharFormat&) {} },
		FormatCase{ "[!Tahoma! x]",
					[](RichCharFormat& f) {
						f.face = RichCharFormat::NAMED;
						f.facename = "Tahoma";
					} },
		FormatCase{ "[^http://a.b/c`?d`^e^ x]", [](RichCharFormat& f) { f.link = "http://a.b/c?d^e"; } },
		FormatCase{ "[%EN-US x]", [](RichCharFormat& f) { f.lang = "EN-US"; } },
		FormatCase{ "[%%*@2 x]",
					[](RichCharFormat& f) {
						f.lang = "EN-US";
						f.bold = true;
						f.ink = RichColor::Rgb(255, 255, 255);
					} },
		FormatCase{ "[l200;*R3 x]",
					[](RichCharFormat& f) {
						f.bold = true;
						f.face = RichCharFormat::SERIF;
						f.height = 100;
					} },
		// unknown commands and their arguments are passed over
		FormatCase{ "[Iindex;kKQPt100~300~=.2000~~N1a!O9uUxX:label:{_}* x]",
					[](RichCharFormat& f) { f.bold = true; } }));

TEST(QtfParaFormat, AlignmentMarginsAndSpacing)
{
	struct {
		const char* qtf;
		int align;
	} aligns[] = { { "x", RichParaFormat::LEFT },
				   { "[= x]", RichParaFormat::CENTER },
				   { "[> x]", RichParaFormat::RIGHT },
				   { "[# x]", RichParaFormat::JUSTIFY },
				   { "[= [< x]]", RichParaFormat::LEFT } };
	for(const auto& a : aligns)
		EXPECT_EQ(ParseQTF(a.qtf).parts.at(0).para.format.align, a.align) << a.qtf;

	RichParaFormat f = ParseQTF("[l100;r50;i-20;b30;a40;ph x]").parts.at(0).para.format;
	EXPECT_EQ(f.lm, 100);
	EXPECT_EQ(f.rm, 50);
	EXPECT_EQ(f.indent, -20);
	EXPECT_EQ(f.before, 30);
	EXPECT_EQ(f.after, 40);
	EXPECT_EQ(f.linespacing, 150);

	// a paragraph takes its format where its text starts, even when '&' stands outside
	RichDoc d = ParseQTF("[a200 first]&second");
	ASSERT_EQ(d.parts.size(), 2u);
	EXPECT_EQ(d.parts[0].para.format.after, 200);
	EXPECT_EQ(d.parts[1].para.format.after, 0);
	// an empty paragraph keeps the height of its position for its line
	EXPECT_EQ(ParseQTF("[+300 &]").parts.at(0).para.endformat.height, 300);
}

TEST(QtfStyles, DefinitionsAndReferences)
{
	RichDoc d = ParseQTF("[*C@3+75;b20 $$1,2#36268203433472503231438721581057:code]\n"
						 "[+120 $$0,0#00000000000000000000000000000000:Default]\n"
						 "[s1; code ][s0; [/ normal]]&plain&[s7; missing ][s\"code\"; named]");
	ASSERT_EQ(d.styles.size(), 2u);
	EXPECT_EQ(d.styles[0].name, "code");
	EXPECT_EQ(d.styles[0].next, 2);
	EXPECT_EQ(d.styles[0].uuid, "36268203433472503231438721581057");
	EXPECT_EQ(d.styles[1].name, "Default");
	ASSERT_EQ(Flat(d.parts), "code normal\nplain\nmissing named");

	const RichPara& p = d.parts[0].para;
	ASSERT_EQ(p.runs.size(), 2u);
	EXPECT_EQ(p.format.style, 1);
	EXPECT_EQ(p.format.before, 20);
	EXPECT_TRUE(p.runs[0].format.bold);
	EXPECT_EQ(p.runs[0].format.face, RichCharFormat::MONO);
	EXPECT_EQ(p.runs[0].format.height, 75);
	EXPECT_EQ(p.runs[0].format.ink, RichColor::Rgb(128, 0, 0));
	// s0 switches back to the default style, which also rules text outside any bracket
	EXPECT_FALSE(p.runs[1].format.bold);
	EXPECT_TRUE(p.runs[1].format.italic);
	EXPECT_EQ(p.runs[1].format.height, 120);
	EXPECT_EQ(d.parts[1].para.runs.at(0).format.height, 120);
	// an unknown style number falls back to the default style; a name finds its style
	EXPECT_EQ(d.parts[2].para.runs.at(0).format.height, 120);
	EXPECT_EQ(d.parts[2].para.runs.at(1).format.height, 75);
}

TEST(QtfTables, ColumnsCellsAndFormats)
{
	RichDoc d = ParseQTF("[ {{1:3@0f20g0G3 [s0; A]::@(229)-1|1 [s0; B]:: C::! D}}&]");
	ASSERT_EQ(d.parts.size(), 1u);
	ASSERT_TRUE(d.parts[0].table);
	const RichTable& t = *d.parts[0].table;
	EXPECT_EQ(t.columns, (std::vector<int>{ 1, 3 }));
	EXPECT_EQ(t.format.frame, 20);
	EXPECT_EQ(t.format.grid, 0);
	EXPECT_EQ(t.format.gridcolor, RichColor::Rgb(128, 0, 0));
	ASSERT_EQ(t.rows.size(), 2u);
	EXPECT_EQ(t.rows[0][0].format.paper, RichColor::Rgb(0, 0, 0));
	EXPECT_EQ(t.rows[0][1].format.paper, RichColor::Rgb(229, 229, 229));
	EXPECT_EQ(t.rows[0][1].format.hspan, 1);
	EXPECT_EQ(t.rows[0][1].format.vspan, 1);
	// the cell format carries over to the next cell, spans do not; '!' resets it
	EXPECT_EQ(t.rows[1][0].format.paper, RichColor::Rgb(229, 229, 229));
	EXPECT_EQ(t.rows[1][0].format.hspan, 0);
	EXPECT_TRUE(t.rows[1][1].format.paper.null);

	RichCellFormat m = ParseQTF("{{1l10/20t30b/40 x}}").parts.at(0).table->rows[0][0].format;
	EXPECT_EQ(m.border[0], 10);
	EXPECT_EQ(m.margin[0], 20);
	EXPECT_EQ(m.border[1], 30);
	EXPECT_EQ(m.margin[1], 15);
	EXPECT_EQ(m.border[3], 0);
	EXPECT_EQ(m.margin[3], 40);
}

// The older binary object form: groups of 7 bytes as 8 bytes of 128..255, the first of
// them carrying the top bits.
std::string Encode7Bit(const QByteArray& data)
{
	std::string s;
	for(int i = 0; i < data.size(); i += 7) {
		int top = 0;
		std::string group;
		for(int j = 0; j < 7 && i + j < data.size(); j++) {
			byte b = data[i + j];
			top |= (b >> 7) << j;
			group += char(0x80 | (b & 0x7F));
		}
		s += char(0x80 | top);
		s += group;
	}
	return s;
}

TEST(QtfObjects, EncodingsGiveTheBytesBack)
{
	QByteArray png = MakePng(20, 10, Qt::red);
	std::string base64 = png.toBase64().toStdString();
	std::string wrapped = base64.substr(0, 10) + "\n" + base64.substr(10); // lines of a file
	struct {
		std::string qtf;
		int cx, cy;
	} cases[] = {
		{ "@@PING:600&300(" + base64 + ")", 600, 300 },
		{ "@@PING:600*300/20(" + wrapped + ")", 600, 300 },
		{ "@@PING:1200&40" + Encode7Bit(png), 1200, 40 },
	};
	for(const auto& c : cases) {
		RichDoc d = ParseQTF("before" + c.qtf + "after");
		EXPECT_EQ(Flat(d.parts), "before<PING>after");
		const RichRun& obj = d.parts.at(0).para.runs.at(1);
		ASSERT_TRUE(obj.isobject);
		EXPECT_EQ(obj.object.cx, c.cx);
		EXPECT_EQ(obj.object.cy, c.cy);
		EXPECT_EQ(obj.object.data, png.toStdString());
	}
	RichDoc text = ParseQTF("@@iml:400*400`CtrlImg:ex``cl`x");
	EXPECT_EQ(text.parts.at(0).para.runs.at(0).object.data, "CtrlImg:ex`cl");
	EXPECT_EQ(Flat(text.parts), "<iml>x");
}

void ParseAndLayOut(const std::string& qtf)
{
	RichDoc d = ParseQTF(qtf);
	QTextDocument qd;
	BuildQTextDocument(qd, d, Zoom(180, 1400));
	qd.setTextWidth(300);
	(void)qd.size();
}

TEST(QtfDamaged, NeverFailsNorHangs)
{
	QByteArray png = MakePng(4, 4, Qt::blue).toBase64();
	std::vector<std::string> cases = {
		"[",
		"]",
		"[[[[",
		"]]]]x",
		"[*",
		"[^unterminated link",
		"[!face",
		"[:label",
		"[s",
		"[s\"",
		"[$$",
		"[ $$0,0#",
		"[@(1.2",
		"[@(",
		"[%",
		"`",
		"\1abc",
		"@",
		"@@",
		"@@PING",
		"@@PING:",
		"@@PING:10&",
		"@@PING:10&10(",
		"@@PING:10&10(" + png.left(20).toStdString(),
		"@@PING:10&10(!!!!)",
		"@@PING:10&10\x80\x81",
		"@@PING:10&10`abc",
		"@@PING:99999999&99999999(" + png.toStdString() + ")",
		"@$",
		"@$FFFFFFFF;",
		"{{",
		"{{1",
		"{{1:2 A::",
		"{{1:2 A:: B",
		"{{0:0 A:: B}}",
		"{{1 -9999|9999 A:: B}}",
		"{{1 :: :: }}",
		"}}",
		"::",
		"||",
		"{:",
		"{:x:",
		"[tP",
		"[tPa^^b",
		"[l99999999999999 x]",
		"[+99999999999999 x]",
		"{{" + std::string(200, '1') + "}}",
		std::string(100000, '['),
		std::string(100000, ']'),
		std::string(50000, '{'),
	};
	std::string nested;
	for(int i = 0; i < 100; i++)
		nested += "{{1 x::";
	cases.push_back(nested);
	std::string brackets;
	for(int i = 0; i < 2000; i++)
		brackets += "[* ";
	cases.push_back(brackets + "x");

	// random sequences of the bytes that mean something, and of any byte
	std::mt19937 rng(1234);
	const std::string alphabet = "[]{}:|`&@$^*/_-+0123456789;#=<>()., abcRACNsl!%~\1\n";
	for(int i = 0; i < 3000; i++) {
		std::string s;
		int len = rng() % 120;
		for(int j = 0; j < len; j++)
			s += i % 3 ? alphabet[rng() % alphabet.size()] : char(1 + rng() % 255);
		cases.push_back(s);
	}
	QElapsedTimer timer;
	timer.start();
	for(const std::string& c : cases)
		ParseAndLayOut(c);
	EXPECT_LT(timer.elapsed(), 30000);
}

TEST(QtfDamaged, DeepNestingIsBounded)
{
	// Nested tables stop at a fixed depth; what is deeper stays text.
	std::string qtf;
	for(int i = 0; i < 40; i++)
		qtf += "{{1 ";
	qtf += "core";
	RichDoc d = ParseQTF(qtf);
	int depth = 0;
	const std::vector<RichPart>* parts = &d.parts;
	while(parts->size() == 1 && (*parts)[0].table) {
		depth++;
		parts = &(*parts)[0].table->rows.at(0).at(0).parts;
	}
	EXPECT_GE(depth, 8);
	EXPECT_LE(depth, 32);
	EXPECT_NE(Flat(*parts).find("core"), std::string::npos);

	// brackets past the limit still pair up, so the text after them is plain again
	std::string deep;
	for(int i = 0; i < 1001; i++)
		deep += "[* ";
	deep += "x" + std::string(1001, ']') + "y";
	d = ParseQTF(deep);
	ASSERT_EQ(d.parts.size(), 1u);
	EXPECT_EQ(Flat(d.parts), "xy");
	ASSERT_EQ(d.parts[0].para.runs.size(), 2u);
	EXPECT_TRUE(d.parts[0].para.runs[0].format.bold);
	EXPECT_FALSE(d.parts[0].para.runs[1].format.bold);
}

std::string Repeat(const std::string& s, int n)
{
	std::string r;
	for(int i = 0; i < n; i++)
		r += s;
	return r;
}

// `depth` tables, each in the first cell of the one around it, after a paragraph of `text`.
std::string Nested(int depth, const std::string& open, const std::string& text, const std::string& close)
{
	std::string qtf = text;
	for(int i = 0; i < depth; i++)
		qtf = open + text + "&" + qtf + close;
	return qtf;
}

// An input the fuzz target found, kept in its seed corpus.
std::string Finding(const char* name)
{
	std::ifstream in(std::filesystem::path(__FILE__).parent_path() / "../../fuzz/corpus/qtf" / name, std::ios::binary);
	std::stringstream ss;
	ss << in.rdbuf();
	return ss.str();
}

// `n` pictures of cx x cy pixels, each shown `dots` large, or as its pixels where that is empty.
std::string Pictures(int n, int cx, int cy, const std::string& dots = "600&600")
{
	static std::map<std::pair<int, int>, std::string> made; // a large picture takes a while to encode
	std::string& png = made[{ cx, cy }];
	if(png.empty())
		png = MakePng(cx, cy, Qt::green).toBase64().toStdString();
	return Repeat("@@PING:" + dots + "(" + png + ")", n);
}

// Every table has its columns and every row a cell for each; nesting stops where the reader says.
void ExpectWellFormed(const std::vector<RichPart>& parts, int depth)
{
	ASSERT_LE(depth, 8);
	for(const RichPart& part : parts) {
		if(!part.table)
			continue;
		const RichTable& t = *part.table;
		ASSERT_FALSE(t.columns.empty());
		ASSERT_FALSE(t.rows.empty());
		for(const auto& row : t.rows) {
			ASSERT_EQ(row.size(), t.columns.size());
			for(const RichCell& cell : row)
				ExpectWellFormed(cell.parts, depth + 1);
		}
	}
}

struct WorstCase {
	const char* name;
	std::function<std::string()> qtf;
};

void PrintTo(const WorstCase& c, std::ostream* os) { *os << c.name; }

class QtfWorstCase : public ::testing::TestWithParam<WorstCase> {};

// Qt 6.4 may never finish laying out a document taller than this many pixels.
const double QT_MAX_HEIGHT = 8388607;

// However the input is made, it lays out within a bound, both as the fuzz target does and as
// the program shows it, and no taller than Qt can lay out. The limit is generous so that loaded
// machines and sanitizers pass; the reader's bounds aim at tens of milliseconds. A case that
// passes Qt's height may never finish: nothing here stops it but the test runner's own timeout.
TEST_P(QtfWorstCase, LaysOutInBoundedTime)
{
	std::string qtf = GetParam().qtf();
	QElapsedTimer timer;
	timer.start();
	RichDoc doc = ParseQTF(qtf);
	QTextDocument out;
	BuildQTextDocument(out, doc, Zoom(180, 1400));
	out.setTextWidth(500);
	EXPECT_LT(out.size().height(), QT_MAX_HEIGHT);
	EXPECT_LT(timer.elapsed(), 1000);
	ExpectWellFormed(doc.parts, 0);
	EXPECT_FALSE(doc.parts.empty());

	// A shown view lays out as it is filled.
	RichTextView view;
	view.GetQWidget()->resize(600, 400);
	view.GetQWidget()->show();
	timer.restart();
	view.SetQTF(qtf, Zoom(180, 1400));
	EXPECT_LT(view.GetQTextDocument()->size().height(), QT_MAX_HEIGHT);
	EXPECT_LT(timer.elapsed(), 1000);
	view.GetQWidget()->hide();
}

// Where the bound is reached, what came before stays and the rest of the input is left out.
TEST(QtfDamaged, TextPastTheBoundIsLeftOut)
{
	RichDoc d = ParseQTF("[* first]&{{1:1 a:: b}}" + Repeat("&[/ more]", 100000));
	ASSERT_GT(d.parts.size(), 1000u);
	EXPECT_LT(d.parts.size(), 100000u);
	EXPECT_EQ(FirstRun(d).text, "first");
	EXPECT_TRUE(FirstRun(d).format.bold);
	ASSERT_TRUE(d.parts[1].table);
	EXPECT_EQ(Flat({ d.parts[1] }), "{a|b}");
	for(size_t i = 2; i + 1 < d.parts.size(); i++)
		ASSERT_EQ(Flat({ d.parts[i] }), "more") << i;
	EXPECT_EQ(std::string("more").rfind(Flat({ d.parts.back() }), 0), 0u);
}

INSTANTIATE_TEST_SUITE_P(
	Cases, QtfWorstCase,
	::testing::Values(
		// eight tables, each in a cell spanning three columns after words too long for a line
		WorstCase{ "found_1", [] { return Finding("slow-nested-tables-1"); } },
		WorstCase{ "found_2", [] { return Finding("slow-nested-tables-2"); } },
		WorstCase{ "found_3", [] { return Finding("slow-nested-tables-3"); } },
		WorstCase{ "spanned_columns", [] { return Nested(8, "{{1:1:1-2 ", std::string(60, 'a'), ":: b:: c}}"); } },
		WorstCase{ "spanned_rows",
				   [] { return Nested(8, "{{1:1|2 ", std::string(60, 'a'), Repeat(":: b", 5) + "}}"); } },
		WorstCase{ "wide_span",
				   [] { return Nested(3, "{{" + Repeat("1:", 99) + "1-99 ", "a", Repeat(":: b", 99) + "}}"); } },
		WorstCase{ "plain_nesting", [] { return Nested(40, "{{1 ", Repeat("word ", 20), "}}"); } },
		WorstCase{ "many_cells", [] { return "{{" + Repeat("1:", 99) + "1 " + Repeat("x:: ", 30000) + "}}"; } },
		WorstCase{ "narrow_cells",
				   [] { return "{{" + Repeat("1:", 99) + "1 " + Repeat("some words in a cell:: ", 30000) + "}}"; } },
		WorstCase{ "wide_margins", [] { return "{{1a100000/100000 " + Repeat("word ", 60000) + "}}"; } },
		WorstCase{ "long_word_in_cell", [] { return "{{1:10000 " + std::string(300000, 'a') + ":: b}}"; } },
		WorstCase{ "many_tables", [] { return Repeat("{{1 x}}", 5000); } },
		WorstCase{ "many_paragraphs", [] { return std::string(1000000, '&'); } },
		WorstCase{ "long_text", [] { return Repeat("word ", 400000); } },
		WorstCase{ "long_word", [] { return std::string(300000, '\xFF'); } },
		WorstCase{ "many_tabs", [] { return "[~100~200~300~400~500~600~700~800 " + Repeat("a-|", 30000) + "]"; } },
		WorstCase{ "many_fonts",
				   [] {
					   std::string qtf;
					   for(int i = 0; i < 3000; i++)
						   qtf += "[!face" + std::to_string(i) + "!+" + std::to_string(50 + i) + " x]";
					   return qtf;
				   } },
		WorstCase{ "large_pictures", [] { return Pictures(16, 2500, 2500); } },
		WorstCase{ "many_pictures", [] { return Pictures(5000, 64, 64); } },
		// one word of Latin and Hebrew letters, 3000 and 5000 dots high; words in tall letters
		WorstCase{ "found_long_word_1", [] { return Finding("slow-long-word-1"); } },
		WorstCase{ "found_long_word_2", [] { return Finding("slow-long-word-2"); } },
		WorstCase{ "tall_word", [] { return "[+3000 " + Repeat("W", 16000) + "]"; } },
		WorstCase{ "tall_bold_word", [] { return "[*+2000 " + Repeat("W", 20000) + "]"; } },
		// but for the budget, taller than Qt 6.4 ever finishes laying out
		WorstCase{ "tall_word_past_page", [] { return "[+5000 " + Repeat("a", 15000) + "]"; } },
		WorstCase{ "tall_words_past_page", [] { return "[+10000 " + Repeat("i ", 100000) + "]"; } },
		// scripts or directions that change at every letter of a word in tall letters
		WorstCase{ "latin_cyrillic_word", [] { return "[+1000 " + Repeat("a\u0431", 10000) + "]"; } },
		WorstCase{ "latin_arabic_word", [] { return "[+2000 " + Repeat("a\u0628", 6000) + "]"; } },
		WorstCase{ "hebrew_digits_word", [] { return "[+3000 " + Repeat("\u05D01", 6000) + "]"; } },
		WorstCase{ "bold_three_scripts_word", [] { return "[*+4000 " + Repeat("a\u0431\u05D0", 3000) + "]"; } },
		// but for the budget, taller than Qt can lay out by what is not text, however deep it stands
		WorstCase{ "space_above", [] { return "[b99999 " + Repeat("a&", 1000) + "]"; } },
		WorstCase{ "space_around_empty", [] { return "[b99999;a99999 " + std::string(100000, '&') + "]"; } },
		WorstCase{ "double_spaced_pictures", [] { return "[pd " + Pictures(3000, 1, 1, "5000&99999") + "]"; } },
		WorstCase{ "pictures_without_size",
				   [] { return "[pd " + Repeat(Pictures(1, 1, 20000, "0&0") + "&", 1000) + "]"; } },
		WorstCase{ "table_space", [] { return Repeat("{{1B99999A99999 x}}", 5000) + "&end"; } },
		WorstCase{ "cell_margins", [] { return "{{1a/99999 " + Repeat("x:: ", 30000) + "x}}&end"; } },
		WorstCase{ "cell_borders", [] { return "{{1a99999 " + Repeat(":: ", 30000) + "}}&end"; } },
		WorstCase{ "rules", [] { return "{{1f99999g99999 " + Repeat(":: ", 30000) + "}}&end"; } },
		WorstCase{ "rules_widened_last",
				   [] { return "{{1 " + Repeat(":: ", 650) + "::f99999g99999B99999A99999 x}}&end"; } },
		WorstCase{ "spaced_nested_tables",
				   [] { return "{{1 " + Repeat("{{1B99999A99999a99999/99999 [b99999;a99999 x]}}", 2000) + "}}&end"; } },
		WorstCase{ "all_tall",
				   [] {
					   return Repeat("[b99999;a99999 x]&" + Pictures(1, 1, 1, "5000&99999") +
										 "&{{1B99999A99999 z}}&[+10000 y]&",
									 1000);
				   } }),
	[](const ::testing::TestParamInfo<WorstCase>& info) { return std::string(info.param.name); });

} // namespace
