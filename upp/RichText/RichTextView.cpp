#include "RichText.h"

#include <CtrlCore/LaunchWebBrowser.h>

#include <QScrollBar>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>

#include <numeric>

namespace Upp {

RichTextView::RichTextView() : Ctrl(new QTextBrowser)
{
	browser = static_cast<QTextBrowser*>(GetQWidget());
	browser->setOpenLinks(false); // the view only shows its text; links go to the system
	browser->setOpenExternalLinks(false);
	browser->setFrameShape(QFrame::NoFrame);
	browser->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
	browser->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
	QObject::connect(browser, &QTextBrowser::anchorClicked, browser,
					 [](const QUrl& url) { LaunchWebBrowser(url.toString(QUrl::FullyEncoded).toStdString()); });
	Rebuild();
}

void RichTextView::Rebuild()
{
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
	QTextDocument* qd = browser->document();
	BuildQTextDocument(*qd, doc, Zoom((int)m, (int)d));
	qd->setDocumentMargin(0);
	browser->verticalScrollBar()->setValue(0);
	browser->horizontalScrollBar()->setValue(0);
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
	Qt::ScrollBarPolicy policy = b ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded;
	browser->setHorizontalScrollBarPolicy(policy);
	browser->setVerticalScrollBarPolicy(policy);
	return *this;
}

String RichTextView::GetPlainText() const { return browser->document()->toPlainText().toStdString(); }

QTextDocument* RichTextView::GetQTextDocument() const { return browser->document(); }

} // namespace Upp
