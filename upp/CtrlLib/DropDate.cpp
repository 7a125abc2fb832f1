#include "DropDate.h"

#include <CtrlCore/QtText.h>

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScreen>
#include <QStyle>
#include <QToolButton>

namespace Upp {

// The line edit with the drop button inside its frame, at the right.
class DropDate::Edit : public QLineEdit {
public:
	DropDate& owner;
	QToolButton* button;

	explicit Edit(DropDate& o) : owner(o)
	{
		button = new QToolButton(this);
		button->setArrowType(Qt::DownArrow);
		button->setFocusPolicy(Qt::NoFocus);
		button->setCursor(Qt::ArrowCursor);
		connect(button, &QToolButton::clicked, [this] { owner.DropPopup(); });
		connect(this, &QLineEdit::textEdited, [this] { owner.Action(); });
	}

	void resizeEvent(QResizeEvent* e) override
	{
		QLineEdit::resizeEvent(e);
		int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
		int h = std::max(0, height() - 2 * frame);
		int w = std::min(h, fontMetrics().height() + 4);
		button->setGeometry(width() - frame - w, frame, w, h);
		setTextMargins(0, 0, w, 0);
	}

	// A press on the drop button while the calendar is open only closes it: without this Qt
	// would hand the press on to the button, which would open the calendar again.
	bool eventFilter(QObject* o, QEvent* e) override
	{
		if(e->type() == QEvent::MouseButtonPress) {
			QPoint at = static_cast<QMouseEvent*>(e)->globalPosition().toPoint();
			if(QRect(button->mapToGlobal(QPoint(0, 0)), button->size()).contains(at))
				static_cast<QWidget*>(o)->setAttribute(Qt::WA_NoMouseReplay);
		}
		return false;
	}
};

DropDate::DropDate() : Ctrl(new Edit(*this))
{
	edit = static_cast<Edit*>(widget);
	// The calendar is its own window; the edit is its Qt parent only so that it pops up
	// over the field. Members go before the base, so our Calendar deletes it first.
	QWidget* popup = calendar.GetQWidget();
	popup->setParent(edit, Qt::Popup);
	popup->installEventFilter(edit);
	calendar.WhenAction = [this] { Picked(); };
}

void DropDate::Picked()
{
	calendar.GetQWidget()->hide();
	edit->setText(ToQString(Format(calendar.GetDate())));
	Action();
}

void DropDate::SetData(const Value& v) { SetText(v.Is<Date>() ? Format((Date)v) : String()); }

Value DropDate::GetData() const
{
	std::optional<Date> d = StrToDate(GetText());
	if(!d)
		return ErrorValue();
	if(IsNull(*d))
		return Value();
	if(*d < min || *d > max)
		return ErrorValue();
	return *d;
}

void DropDate::SetText(const String& text) { edit->setText(ToQString(text)); }

String DropDate::GetText() const { return edit->text().toStdString(); }

DropDate& DropDate::MinMax(Date lo, Date hi)
{
	min = lo;
	max = hi;
	calendar.MinMax(lo, hi);
	return *this;
}

DropDate& DropDate::SelectAll(bool b)
{
	calendar.SelectAll(b);
	return *this;
}

void DropDate::DropPopup()
{
	if(IsPopupOpen())
		return;
	Value v = GetData();
	Date d = v.Is<Date>() ? (Date)v : Date();
	calendar.SetDate(d);
	if(IsNull(d)) {
		Date today = GetSysDate();
		calendar.ShowMonth(today.year, today.month);
	}
	// Below the field, or above it when the screen ends first.
	QWidget* popup = calendar.GetQWidget();
	QSize sz = popup->size();
	QRect field(edit->mapToGlobal(QPoint(0, 0)), edit->size());
	QRect avail = edit->screen()->availableGeometry();
	int x = std::max(avail.left(), std::min(field.left(), avail.right() + 1 - sz.width()));
	int y = field.bottom() + 1;
	if(y + sz.height() > avail.bottom() + 1 && field.top() - sz.height() >= avail.top())
		y = field.top() - sz.height();
	popup->move(x, y);
	popup->show();
}

bool DropDate::IsPopupOpen() const { return calendar.GetQWidget()->isVisible(); }

} // namespace Upp
