#include "RichText.h"

#include <CtrlCore/LaunchWebBrowser.h>

#include <QAbstractTextDocumentLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>

#include <numeric>

namespace Upp {

// The address as QTextBrowser hands a clicked link on.
static void OpenLink(const QUrl& url) { LaunchWebBrowser(url.toString(QUrl::FullyEncoded).toStdString()); }

// Paints the document the way a QTextBrowser without scroll bars does: on the base colour,
// wrapped at the page's width, no margin, no cursor, no selection. Once the view has a
// browser, the browser covers the page and the page paints nothing.
class RichTextView::Page : public QWidget {
	QString pressed; // the link under the pointer when the left button went down

	QString LinkAt(QPoint p) { return Laid()->anchorAt(p); }

public:
	QTextDocument text;
	QTextBrowser* browser = nullptr;

	Page()
	{
		setBackgroundRole(QPalette::Base);
		setAutoFillBackground(true);
		setMouseTracking(true);
		text.documentLayout()->setPaintDevice(this);
		Unlaid();
	}
	// A document with no page size is not laid out while it is built (nor at each zoom or
	// width); it is laid out once, when first painted or clicked.
	void Unlaid() { text.setPageSize(QSizeF(0, 0)); }
	QAbstractTextDocumentLayout* Laid()
	{
		if(text.pageSize() != QSizeF(width(), -1))
			text.setTextWidth(width());
		return text.documentLayout();
	}

protected:
	void resizeEvent(QResizeEvent*) override
	{
		if(browser)
			browser->setGeometry(rect());
	}
	void paintEvent(QPaintEvent* e) override
	{
		if(browser)
			return;
		QPainter p(this);
		p.setClipRect(e->rect());
		QAbstractTextDocumentLayout::PaintContext ctx;
		ctx.palette = palette();
		ctx.clip = e->rect();
		Laid()->draw(&p, ctx);
	}
	void mouseMoveEvent(QMouseEvent* e) override
	{
		if(LinkAt(e->pos()).isEmpty())
			unsetCursor();
		else
			setCursor(Qt::PointingHandCursor);
	}
	void mousePressEvent(QMouseEvent* e) override
	{
		if(e->button() == Qt::LeftButton)
			pressed = LinkAt(e->pos());
	}
	// A click opens a link when the button goes down and up on the same one.
	void mouseReleaseEvent(QMouseEvent* e) override
	{
		if(e->button() != Qt::LeftButton)
			return;
		QString link = pressed;
		pressed.clear();
		if(!link.isEmpty() && LinkAt(e->pos()) == link)
			OpenLink(QUrl(link));
	}
};

RichTextView::RichTextView() : Ctrl(nullptr)
{
	page = new Page;
	SetWidget(page);
}

void RichTextView::Rebuild()
{
	if(scrollbars && !browser && !doc.parts.empty()) {
		browser = new QTextBrowser(page);
		browser->setOpenLinks(false); // the view only shows its text; links go to the system
		browser->setOpenExternalLinks(false);
		browser->setFrameShape(QFrame::NoFrame);
		browser->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
		browser->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
		QObject::connect(browser, &QTextBrowser::anchorClicked, browser, OpenLink);
		browser->setGeometry(page->rect());
		browser->show();
		page->browser = browser;
		page->text.clear();
	}
	// Both zooms multiply; reduce so that repeated use cannot overflow.
	long long m = (long long)qtfzoom.m * viewzoom.m;
	long long d = (long long)qtfzoom.d * viewzoom.d;
	long long g = std::gcd(m, d);
	if(g > 1) {
		m /= g;
		d /= g;
	}
	while(m > INT_MAX || d > INT_MAX || m < INT_MIN || d < INT_MIN) {
		m /= 2;
		d /= 2;
	}
	if(!browser)
		page->Unlaid();
	QTextDocument* qd = GetQTextDocument();
	// before the text goes in: a shown browser would lay the whole text out again for it
	qd->setDocumentMargin(0);
	BuildQTextDocument(*qd, doc, Zoom((int)m, (int)d));
	if(browser) {
		browser->verticalScrollBar()->setValue(0);
		browser->horizontalScrollBar()->setValue(0);
	}
	else
		page->update();
}

void RichTextView::SetQTF(const char* qtf, Zoom z)
{
	qtfzoom = z;
	doc = ParseQTF(qtf ? qtf : "");
	Rebuild();
}

RichTextView& RichTextView::SetZoom(Zoom z)
{
	viewzoom = z;
	Rebuild();
	return *this;
}

RichTextView& RichTextView::NoSb(bool b)
{
	scrollbars = !b;
	if(browser) {
		Qt::ScrollBarPolicy policy = b ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded;
		browser->setHorizontalScrollBarPolicy(policy);
		browser->setVerticalScrollBarPolicy(policy);
	}
	else if(scrollbars && !doc.parts.empty())
		Rebuild();
	return *this;
}

String RichTextView::GetPlainText() const { return GetQTextDocument()->toPlainText().toStdString(); }

QTextDocument* RichTextView::GetQTextDocument() const { return browser ? browser->document() : &page->text; }

} // namespace Upp
