// RichTextView: what the page shows and at which size, the program's own pages included.
#include <RichText/RichText.h>

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QImage>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <gtest/gtest.h>

#include "richtextutil.h"
#include "testutil.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace Upp;
using namespace richtextutil;
using testutil::MakePng;

namespace {

int PixelSize(RichTextView& v, const char* text)
{
	return FormatOf(v, text).property(QTextFormat::FontPixelSize).toInt();
}

std::vector<QTextTable*> Tables(QTextDocument* d)
{
	std::vector<QTextTable*> tables;
	for(QTextFrame* f : d->rootFrame()->childFrames())
		if(QTextTable* t = qobject_cast<QTextTable*>(f))
			tables.push_back(t);
	return tables;
}

struct HeightCase {
	const char* qtf;
	Zoom parse, view;
	int px;
};

void PrintTo(const HeightCase& c, std::ostream* os)
{
	*os << c.qtf << " " << c.parse.m << "/" << c.parse.d << " " << c.view.m << "/" << c.view.d;
}

class ZoomedHeight : public ::testing::TestWithParam<HeightCase> {};

TEST_P(ZoomedHeight, DotsBecomePixels)
{
	const HeightCase& c = GetParam();
	RichTextView v;
	v.SetQTF(c.qtf, c.parse);
	v.SetZoom(c.view);
	EXPECT_EQ(PixelSize(v, "x"), c.px) << c.qtf;
}

INSTANTIATE_TEST_SUITE_P(Cases, ZoomedHeight,
						 ::testing::Values(HeightCase{ "[2 x]", Zoom(180, 1400), Zoom(1, 1), 11 },
										   HeightCase{ "x", Zoom(180, 1400), Zoom(1, 1), 11 },
										   HeightCase{ "[+184 x]", Zoom(180, 1400), Zoom(1, 1), 24 },
										   HeightCase{ "[+150 x]", Zoom(180, 1400), Zoom(1, 1), 19 },
										   HeightCase{ "[0 x]", Zoom(180, 1400), Zoom(1, 1), 6 },
										   HeightCase{ "[9 x]", Zoom(180, 1400), Zoom(1, 1), 51 },
										   HeightCase{ "[2 x]", Zoom(1, 1), Zoom(1, 1), 84 },
										   HeightCase{ "[+1 x]", Zoom(180, 1400), Zoom(1, 1), 1 },
										   // the view's zoom multiplies the one the text was parsed with
										   HeightCase{ "[2 x]", Zoom(180, 1400), Zoom(2, 1), 22 },
										   HeightCase{ "[2 x]", Zoom(1, 2), Zoom(1, 2), 21 }));

TEST(RichTextView, FormatsReachTheDocument)
{
	RichTextView v;
	v.SetQTF("[= [*/_ bis] [R@(28.170.200) ser] [$(229) bg] [C mono]]&[> right]&[# just]&[l600;b120 indented]",
			 Zoom(1, 2));
	QTextCharFormat f = FormatOf(v, "bis");
	EXPECT_EQ(f.fontWeight(), QFont::Bold);
	EXPECT_TRUE(f.fontItalic());
	EXPECT_TRUE(f.fontUnderline());
	f = FormatOf(v, "ser");
	EXPECT_EQ(f.foreground().color(), QColor(28, 170, 200));
	EXPECT_NE(QFontInfo(f.font()).family(), QFontInfo(FormatOf(v, "bis").font()).family());
	EXPECT_EQ(FormatOf(v, "bg").background().color(), QColor(229, 229, 229));
	// Which face answers "monospace" depends on the fonts installed; the request is ours.
	EXPECT_EQ(FormatOf(v, "mono").font().styleHint(), QFont::Monospace);
	EXPECT_EQ(FormatOf(v, "mono").fontFamilies().toStringList().value(0), "monospace");

	QTextDocument* d = v.GetQTextDocument();
	EXPECT_EQ(d->find("bis").block().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
	EXPECT_EQ(d->find("right").block().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
	EXPECT_EQ(d->find("just").block().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignJustify);
	QTextBlockFormat b = d->find("indented").block().blockFormat();
	EXPECT_EQ(b.leftMargin(), 300);
	EXPECT_EQ(b.topMargin(), 60);
	EXPECT_EQ(v.GetPlainText(), "bis ser bg mono\nright\njust\nindented");
}

TEST(RichTextView, TableWithRatiosAndBackgrounds)
{
	RichTextView v;
	v.SetQTF("[ {{1000:3000@0 [s0;= [@2 left]]::@(229) [s0; right]}}&][s0; below]", Zoom(180, 1400));
	std::vector<QTextTable*> tables = Tables(v.GetQTextDocument());
	ASSERT_EQ(tables.size(), 1u);
	QTextTable* t = tables[0];
	ASSERT_EQ(t->rows(), 1);
	ASSERT_EQ(t->columns(), 2);
	QList<QTextLength> widths = t->format().columnWidthConstraints();
	ASSERT_EQ(widths.size(), 2);
	EXPECT_DOUBLE_EQ(widths[0].rawValue(), 25);
	EXPECT_DOUBLE_EQ(widths[1].rawValue(), 75);
	EXPECT_EQ(t->format().width().type(), QTextLength::PercentageLength);
	EXPECT_EQ(t->cellAt(0, 0).format().background().color(), QColor(0, 0, 0));
	EXPECT_EQ(t->cellAt(0, 1).format().background().color(), QColor(229, 229, 229));
	EXPECT_EQ(FormatOf(v, "left").foreground().color(), QColor(255, 255, 255));
	EXPECT_NE(v.GetPlainText().find("below"), String::npos);

	// shown: the cells' colours fill a quarter and three quarters of the width. The rows read
	// are the cells' padding just above and below their line of text, which no glyph reaches
	// whatever face answers for the text.
	QWidget* w = v.GetQWidget();
	w->resize(400, 100);
	w->show();
	QImage shot = w->grab().toImage();
	QAbstractTextDocumentLayout* layout = v.GetQTextDocument()->documentLayout();
	QRectF text = layout->blockBoundingRect(t->cellAt(0, 0).firstCursorPosition().block()) |
				  layout->blockBoundingRect(t->cellAt(0, 1).firstCursorPosition().block());
	for(int y : { (int)std::floor(text.top()) - 1, (int)std::ceil(text.bottom()) }) {
		SCOPED_TRACE(y);
		EXPECT_EQ(QColor(shot.pixel(10, y)), QColor(0, 0, 0));
		EXPECT_EQ(QColor(shot.pixel(350, y)), QColor(229, 229, 229));
		int edge = 0;
		while(edge < 399 && QColor(shot.pixel(edge, y)) == QColor(0, 0, 0))
			edge++;
		EXPECT_NEAR(edge, 100, 3);
	}
	w->hide();
}

// Qt puts blocks of its own around tables; only the text's own empty paragraphs may show.
TEST(RichTextView, EmptyLinesBetweenTables)
{
	struct {
		const char* qtf;
		int lines; // the text's own empty paragraphs between the tables
	} cases[] = {
		{ "[ {{1@0 [s0; a]}}&][ {{1@0 [s0; b]}}&]", 0 },
		{ "[ {{1@0 [s0; a]}}&][s0; &][ {{1@0 [s0; b]}}]", 1 },
		{ "[ {{1@0 [s0; a]}}{{1@0 [s0; b]}}]", 0 },
	};
	for(const auto& c : cases) {
		RichTextView v;
		v.SetQTF(c.qtf, Zoom(180, 1400));
		// An empty line is as high as the face that answers for the text's font makes it.
		double line = QFontMetricsF(v.GetQTextDocument()->defaultFont()).height();
		QWidget* w = v.GetQWidget();
		w->resize(200, 100);
		w->show();
		QImage shot = w->grab().toImage();
		auto black = [&](int y) { return QColor(shot.pixel(150, y)) == QColor(0, 0, 0); };
		int first = 0, last = 99;
		while(first < 99 && !black(first))
			first++;
		while(last > 0 && !black(last))
			last--;
		int gap = 0;
		for(int y = first; y <= last; y++)
			gap += !black(y);
		EXPECT_LT(first, 2) << c.qtf;
		EXPECT_NEAR(gap, c.lines * line, 2) << c.qtf;
		w->hide();
	}
}

TEST(RichTextView, PictureAtItsZoomedSize)
{
	std::string qtf = "[s0; @@PING:1200&600(" + MakePng(20, 10, Qt::red).toBase64().toStdString() + ")]";
	RichTextView v;
	v.SetQTF(qtf, Zoom(1, 4));
	QWidget* w = v.GetQWidget();
	w->resize(400, 300);
	w->show();
	QImage shot = w->grab().toImage();
	int minx = 1000, miny = 1000, maxx = -1, maxy = -1;
	for(int y = 0; y < shot.height(); y++)
		for(int x = 0; x < shot.width(); x++)
			if(QColor(shot.pixel(x, y)) == QColor(255, 0, 0)) {
				minx = std::min(minx, x);
				maxx = std::max(maxx, x);
				miny = std::min(miny, y);
				maxy = std::max(maxy, y);
			}
	EXPECT_NEAR(maxx - minx + 1, 300, 2);
	EXPECT_NEAR(maxy - miny + 1, 150, 2);

	v.SetZoom(Zoom(1, 2));
	QTextCursor c(v.GetQTextDocument());
	c.setPosition(1);
	QTextImageFormat f = c.charFormat().toImageFormat();
	EXPECT_EQ(f.width(), 150);
	EXPECT_EQ(f.height(), 75);
	w->hide();
}

// The program's own topics, read from the source tree.
std::filesystem::path TopicFolder()
{
	return std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "qimvor" / "app.tpp";
}

String TopicQtf(const std::filesystem::path& file)
{
	std::ifstream in(file, std::ios::binary);
	std::stringstream ss;
	ss << in.rdbuf();
	String text = ss.str();
	if(text.rfind("topic ", 0) == 0)
		text.erase(0, text.find('\n') + 1);
	return text;
}

TEST(RichTextView, ProgramTopics)
{
	std::filesystem::path folder = TopicFolder();
	if(!std::filesystem::is_directory(folder))
		GTEST_SKIP() << "no topics at " << folder;
	int abouts = 0;
	for(const auto& entry : std::filesystem::directory_iterator(folder)) {
		String name = entry.path().filename().string();
		if(entry.path().extension() != ".tpp")
			continue;
		SCOPED_TRACE(name);
		RichTextCtrl v;
		v.SetQTF(TopicQtf(entry.path()), Zoom(180, 1400));
		v.SetZoom(Zoom(1, 1));
		String text = v.GetPlainText();
		std::vector<String> links = Links(v);
		if(name.rfind("about$", 0) == 0) {
			abouts++;
			EXPECT_NE(text.find("Lunbrek"), String::npos);
			EXPECT_NE(text.find("Version 0.3.0"), String::npos);
			EXPECT_NE(text.find("Author"), String::npos);
			ASSERT_FALSE(links.empty());
			EXPECT_EQ(links[0].rfind("http://", 0), 0u);
			EXPECT_EQ(Tables(v.GetQTextDocument()).size(), 8u);
			EXPECT_EQ(PixelSize(v, "Lunbrek"), 24);
			EXPECT_EQ(PixelSize(v, "Version"), 11);
			EXPECT_EQ(Tables(v.GetQTextDocument())[0]->cellAt(0, 0).format().background().color(), QColor(0, 0, 0));
		}
		else if(name == "webpage$en-us.tpp") {
			ASSERT_EQ(links.size(), 1u);
			QUrl url(QString::fromStdString(links[0]));
			EXPECT_EQ(url.scheme(), "http");
			EXPECT_EQ(text, url.host().toStdString());
			EXPECT_EQ(PixelSize(v, text.c_str()), 11);
		}
		else if(name == "logo$en-us.tpp" || name == "logani$en-us.tpp") {
			QTextCursor c(v.GetQTextDocument());
			c.setPosition(1);
			QTextImageFormat f = c.charFormat().toImageFormat();
			ASSERT_TRUE(f.isValid());
			EXPECT_NEAR(f.width(), name[3] == 'o' ? 3395 * 180 / 1400.0 : 3358 * 180 / 1400.0, 1);
			QImage img = v.GetQTextDocument()->resource(QTextDocument::ImageResource, QUrl(f.name())).value<QImage>();
			EXPECT_EQ(img.size(), name[3] == 'o' ? QSize(469, 45) : QSize(432, 51));
		}
		else if(name == "tt$en-us.tpp") {
			EXPECT_NE(text.find("Tutorial"), String::npos);
		}
	}
	EXPECT_EQ(abouts, 10);
}

// The reader bounds the work a text may give the layout, with room for ten of any topic in one text.
TEST(RichTextView, TenTopicsInOneTextStayWhole)
{
	std::filesystem::path folder = TopicFolder();
	if(!std::filesystem::is_directory(folder))
		GTEST_SKIP() << "no topics at " << folder;
	for(const auto& entry : std::filesystem::directory_iterator(folder)) {
		if(entry.path().extension() != ".tpp")
			continue;
		SCOPED_TRACE(entry.path().filename().string());
		String qtf = TopicQtf(entry.path()), ten;
		for(int i = 0; i < 10; i++)
			ten += qtf;
		RichTextView one, all;
		one.SetQTF(qtf, Zoom(180, 1400));
		all.SetQTF(ten, Zoom(180, 1400));
		EXPECT_EQ(Tables(all.GetQTextDocument()).size(), 10 * Tables(one.GetQTextDocument()).size());
		String text = one.GetPlainText(), alltext = all.GetPlainText();
		ASSERT_GE(alltext.size(), text.size());
		EXPECT_EQ(alltext.substr(alltext.size() - text.size()), text);
	}
}

} // namespace
