// What a rich-text view shows, read from its widget and its document.
#ifndef LUNBREK_RICHTEXTUTIL_H
#define LUNBREK_RICHTEXTUTIL_H

#include <RichText/RichText.h>

#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <gtest/gtest.h>

#include <vector>

namespace richtextutil {

using Upp::RichTextView;
using Upp::String;

// The view's browser; none while it paints its text itself.
inline QTextBrowser* Browser(RichTextView& v) { return v.GetQWidget()->findChild<QTextBrowser*>(); }

// Format of the first character of `text` in the shown document.
inline QTextCharFormat FormatOf(RichTextView& v, const char* text)
{
	QTextDocument* d = v.GetQTextDocument();
	QTextCursor found = d->find(QString::fromUtf8(text));
	EXPECT_FALSE(found.isNull()) << text;
	QTextCursor c(d);
	c.setPosition(found.selectionStart() + 1);
	return c.charFormat();
}

// Link targets in document order; one link over several formats counts once.
inline std::vector<String> Links(RichTextView& v)
{
	std::vector<String> links;
	QTextDocument* d = v.GetQTextDocument();
	for(QTextBlock b = d->begin(); b.isValid(); b = b.next()) {
		QString last;
		for(QTextBlock::iterator it = b.begin(); !it.atEnd(); ++it) {
			QTextCharFormat f = it.fragment().charFormat();
			QString href = f.isAnchor() ? f.anchorHref() : QString();
			if(!href.isEmpty() && href != last)
				links.push_back(href.toStdString());
			last = href;
		}
	}
	return links;
}

} // namespace richtextutil

#endif
