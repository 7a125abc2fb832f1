// Helpers that drive widgets as a user does: typing into the real fields, clicking the real
// buttons, and answering modal windows from a timer while their loops run.
#ifndef LUNBREK_TESTUTIL_H
#define LUNBREK_TESTUTIL_H

#include <CtrlLib/CtrlLib.h>

#include <QAbstractButton>
#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <functional>
#include <string>
#include <vector>

namespace testutil {

inline QLineEdit* EditOf(Upp::Ctrl& c)
{
	QWidget* w = c.GetQWidget();
	if(auto* e = qobject_cast<QLineEdit*>(w))
		return e;
	return w->findChild<QLineEdit*>();
}

// Replaces the field's text the way a user does: select all, delete, type.
inline void Type(Upp::Ctrl& c, const char* text)
{
	QLineEdit* e = EditOf(c);
	e->setFocus();
	e->selectAll();
	QTest::keyClick(e, Qt::Key_Delete);
	QTest::keyClicks(e, QString::fromUtf8(text));
}

inline void Click(Upp::Ctrl& c) { QTest::mouseClick(c.GetQWidget(), Qt::LeftButton); }

// Clicks the i-th case of a switch.
inline void ClickCase(Upp::Switch& s, int i)
{
	auto buttons = s.GetQWidget()->findChildren<QRadioButton*>();
	QTest::mouseClick(buttons.at(i), Qt::LeftButton, {}, QPoint(5, buttons.at(i)->height() / 2));
}

// Runs fn on the next modal window that appears while the caller's code runs a loop.
inline void OnNextModal(std::function<void(QWidget*)> fn)
{
	auto* t = new QTimer;
	t->setInterval(5);
	QObject::connect(t, &QTimer::timeout, [t, fn] {
		if(QWidget* w = QApplication::activeModalWidget()) {
			t->stop();
			t->deleteLater();
			fn(w);
		}
	});
	t->start();
}

// Answers every message box shown while body runs by pressing its only button, and returns
// the texts shown.
inline std::vector<std::string> CollectMessages(const std::function<void()>& body)
{
	std::vector<std::string> seen;
	QTimer t;
	t.setInterval(5);
	QObject::connect(&t, &QTimer::timeout, [&] {
		if(auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
			seen.push_back(box->text().toStdString());
			box->buttons().first()->click();
		}
	});
	t.start();
	body();
	t.stop();
	return seen;
}

// A one-colour picture as PNG bytes.
inline QByteArray MakePng(int cx, int cy, QColor color)
{
	QImage img(cx, cy, QImage::Format_ARGB32);
	img.fill(color);
	QByteArray png;
	QBuffer buf(&png);
	buf.open(QIODevice::WriteOnly);
	img.save(&buf, "PNG");
	return png;
}

} // namespace testutil

#endif
