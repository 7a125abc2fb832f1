// RichTextView: where its links go, what a view without scroll bars paints, and when a view
// builds a browser.
#include <RichText/RichText.h>

#include <QAbstractTextDocumentLayout>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QImage>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextLayout>
#include <gtest/gtest.h>

#include "richtextutil.h"

using namespace Upp;
using namespace richtextutil;

namespace {

// Takes what QDesktopServices hands to the "http" handler instead of opening a browser.
class UrlCatcher : public QTextBrowser {
public:
	std::vector<QUrl> urls;

protected:
	void doSetSource(const QUrl& url, QTextDocument::ResourceType) override { urls.push_back(url); }
};

// Where the document shows the character at `position`, in its own coordinates: the view's,
// as neither kind of view scrolls here nor keeps a margin.
QPoint PointOf(QTextDocument* d, int position)
{
	QTextBlock block = d->findBlock(position);
	QTextLine line = block.layout()->lineForTextPosition(position - block.position());
	QPointF at = d->documentLayout()->blockBoundingRect(block).topLeft();
	return QPoint(int(at.x() + line.cursorToX(position - block.position())) + 2,
				  int(at.y() + line.y() + line.height() / 2));
}

// The widget a click lands on: the browser's viewport, or the view itself when it paints.
QWidget* ClickTarget(RichTextView& v)
{
	QTextBrowser* b = Browser(v);
	return b ? b->viewport() : v.GetQWidget();
}

TEST(RichTextView, ClickedLinkGoesToTheSystem)
{
	UrlCatcher catcher;
	QDesktopServices::setUrlHandler("http", &catcher, "setSource");
	for(bool scrolls : { false, true }) {
		SCOPED_TRACE(scrolls ? "scrolling view" : "view without scroll bars");
		catcher.urls.clear();
		RichTextView v;
		v.NoSb(!scrolls);
		v.SetQTF("[s0;%EN-US Visit [^http://www.lunbrek.org^ www.lunbrek.org] or [^www.example.org^ that]]",
				 Zoom(180, 1400));
		ASSERT_EQ(Browser(v) != nullptr, scrolls);
		EXPECT_EQ(Links(v), (std::vector<String>{ "http://www.lunbrek.org", "http://www.example.org" }));
		QTextCharFormat link = FormatOf(v, "that");
		EXPECT_TRUE(link.fontUnderline());
		EXPECT_EQ(link.foreground().color(), QGuiApplication::palette().color(QPalette::Link));
		EXPECT_FALSE(FormatOf(v, "Visit").fontUnderline());
		QWidget* w = v.GetQWidget();
		w->resize(300, 40);
		w->show();
		ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
		QTextDocument* d = v.GetQTextDocument();
		QWidget* target = ClickTarget(v);
		struct {
			const char* text;
			const char* url;
		} clicks[] = { { "www.lunbrek.org", "http://www.lunbrek.org" }, { "that", "http://www.example.org" } };
		for(const auto& click : clicks) {
			QPoint p = PointOf(d, d->find(click.text).selectionStart() + 1);
			QTest::mouseMove(target, p);
			EXPECT_EQ(target->cursor().shape(), Qt::PointingHandCursor) << click.text;
			QTest::mouseClick(target, Qt::LeftButton, {}, p);
			ASSERT_FALSE(catcher.urls.empty()) << click.text;
			EXPECT_EQ(catcher.urls.back(), QUrl(click.url));
		}
		EXPECT_EQ(catcher.urls.size(), 2u);
		// the view stays on its own text, and a click beside the links opens nothing
		EXPECT_EQ(v.GetPlainText(), "Visit www.lunbrek.org or that");
		QPoint plain = PointOf(d, 1);
		QTest::mouseMove(target, plain);
		EXPECT_NE(target->cursor().shape(), Qt::PointingHandCursor);
		QTest::mouseClick(target, Qt::LeftButton, {}, plain);
		EXPECT_EQ(catcher.urls.size(), 2u);
		if(!scrolls) {
			// A click is a press and a release on the same link.
			QTest::mousePress(target, Qt::LeftButton, {}, PointOf(d, d->find("www.lunbrek.org").selectionStart() + 1));
			QTest::mouseRelease(target, Qt::LeftButton, {}, PointOf(d, d->find("that").selectionStart() + 1));
			EXPECT_EQ(catcher.urls.size(), 2u);
		}
		w->hide();
	}
	QDesktopServices::unsetUrlHandler("http");
}

// A view without scroll bars paints its text itself; the pixels are those of a browser
// without scroll bars, the way the view showed such text before it painted.
TEST(RichTextView, WithoutScrollBarsItPaintsAsTheBrowserDid)
{
	const char* cases[] = {
		"[s0;%EN-US [^http://www.lunbrek.org^ www.lunbrek.org]]",
		"[= [*/_ bis] [R@(28.170.200) ser] [$(229) bg] [C mono]]&[> right]&[# just]&[l600;b120 indented]",
		"[ {{1000:3000@0 [s0;= [@2 left]]::@(229) [s0; right]}}&][s0; below]",
		"[s0; a line too long for the width of the view, so that it wraps at least once or twice]",
	};
	for(const char* qtf : cases) {
		SCOPED_TRACE(qtf);
		RichTextView light, browser;
		light.NoSb();
		light.SetQTF(qtf, Zoom(180, 1400));
		browser.SetQTF(qtf, Zoom(180, 1400));
		browser.NoSb();
		ASSERT_EQ(Browser(light), nullptr);
		ASSERT_NE(Browser(browser), nullptr);
		QImage shot[2];
		int i = 0;
		for(RichTextView* v : { &light, &browser }) {
			QWidget* w = v->GetQWidget();
			w->resize(240, 90);
			w->show();
			ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
			shot[i++] = w->grab().toImage();
			w->hide();
		}
		EXPECT_TRUE(shot[0] == shot[1]);
	}
}

TEST(RichTextView, ScrollBarsTextAndClear)
{
	// A view builds its browser once it has text that may scroll.
	RichTextView v;
	EXPECT_EQ(Browser(v), nullptr);
	v.SetQTF("x");
	ASSERT_NE(Browser(v), nullptr);
	EXPECT_EQ(Browser(v)->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
	v.NoSb();
	EXPECT_EQ(Browser(v)->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
	EXPECT_EQ(Browser(v)->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
	v.NoSb(false);
	EXPECT_EQ(Browser(v)->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);

	// one link in two formats is still one link
	v.SetQTF("[^http://a.org^ a][^http://a.org^* b]&[^http://a.org^ c]");
	EXPECT_EQ(Links(v), (std::vector<String>{ "http://a.org", "http://a.org" }));

	// Without scroll bars it never builds one; allowed them again, it does.
	RichTextCtrl c;
	c.NoSb();
	c.SetQTF(String("[* one]&two"));
	c.SetZoom(Zoom(2, 1));
	EXPECT_EQ(c.GetPlainText(), "one\ntwo");
	EXPECT_EQ(Browser(c), nullptr);
	c.NoSb(false);
	ASSERT_NE(Browser(c), nullptr);
	EXPECT_TRUE(Browser(c)->isReadOnly());
	EXPECT_EQ(c.GetPlainText(), "one\ntwo");
	c.SetQTF(nullptr);
	EXPECT_EQ(c.GetPlainText(), "");
}

} // namespace
