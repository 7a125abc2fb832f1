#include "Calendar.h"

#include <CtrlCore/QtText.h>

#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>
#include <QWidget>

#include <array>

namespace Upp {

namespace {

// The locale of the current language, for its first day of the week.
QLocale CurrentLocale() { return QLocale(ToQString(LanguageLocaleName(GetCurrentLanguage()))); }

QString Capitalized(QString s)
{
	if(!s.isEmpty())
		s[0] = s[0].toUpper();
	return s;
}

// Short weekday names for the column heads, 0 = Sunday. Two letters read well in most
// languages, but some need more: a prefix all names share is dropped ("星期一" .. "星期日"
// become "一" .. "日") and the heads grow until no two are alike ("Seg", "Sex").
std::array<QString, 7> DayHeads()
{
	std::array<QString, 7> name;
	for(int i = 0; i < 7; i++)
		name[i] = ToQString(DayName(i));
	int common = 0;
	for(;; common++) {
		bool same = true;
		for(const QString& n : name)
			same = same && common + 1 < n.size() && n[common] == name[0][common];
		if(!same)
			break;
	}
	for(QString& n : name)
		n = n.mid(common);
	std::array<QString, 7> head;
	for(int len = 2;; len++) {
		bool distinct = true, grown = false;
		for(int i = 0; i < 7; i++) {
			head[i] = name[i].left(len);
			grown = grown || name[i].size() > len;
			for(int j = 0; j < i; j++)
				distinct = distinct && head[i] != head[j];
		}
		if(distinct || !grown)
			break;
	}
	for(QString& h : head)
		h = Capitalized(h);
	return head;
}

} // namespace

class Calendar::Grid : public QWidget {
public:
	Calendar& cal;
	QToolButton* prev;
	QToolButton* next;
	std::array<QString, 7> heads;
	int firstday = 0; // 0 = Sunday
	int margin = 0, header = 0, cellw = 0, cellh = 0, gridtop = 0;

	explicit Grid(Calendar& c) : cal(c)
	{
		setAttribute(Qt::WA_MouseTracking);
		prev = new QToolButton(this);
		next = new QToolButton(this);
		prev->setArrowType(Qt::LeftArrow);
		next->setArrowType(Qt::RightArrow);
		for(QToolButton* b : { prev, next }) {
			b->setAutoRaise(true);
			b->setFocusPolicy(Qt::NoFocus);
		}
		connect(prev, &QToolButton::clicked, [this] { cal.Step(-1); });
		connect(next, &QToolButton::clicked, [this] { cal.Step(1); });
	}

	// Names and the first weekday follow the language, so they are taken anew with each month.
	void Relayout()
	{
		heads = DayHeads();
		firstday = CurrentLocale().firstDayOfWeek() % 7;
		QFontMetrics fm(font());
		int pad = std::max(2, fm.height() / 4);
		int textw = fm.horizontalAdvance("00");
		for(const QString& h : heads)
			textw = std::max(textw, fm.horizontalAdvance(h));
		margin = 3;
		cellw = textw + 2 * pad + 2;
		cellh = fm.height() + pad + 2;
		header = fm.height() + 2 * pad + 2;
		gridtop = margin + header + cellh + 2;
		setFixedSize(2 * margin + 7 * cellw, gridtop + 6 * cellh + margin);
		prev->setGeometry(margin, margin, header, header);
		next->setGeometry(width() - margin - header, margin, header, header);
	}

	QRect CellRect(int i) const { return QRect(margin + i % 7 * cellw, gridtop + i / 7 * cellh, cellw, cellh); }

	Date CellAt(QPoint p) const
	{
		if(p.x() < margin || p.y() < gridtop)
			return Null;
		int col = (p.x() - margin) / cellw, row = (p.y() - gridtop) / cellh;
		if(col >= 7 || row >= 6)
			return Null;
		return cal.GetFirstCell() + (7 * row + col);
	}

	void paintEvent(QPaintEvent*) override
	{
		QPainter p(this);
		const QPalette& pal = palette();
		p.fillRect(rect(), pal.base());
		p.setPen(pal.color(QPalette::Mid));
		p.drawRect(rect().adjusted(0, 0, -1, -1));

		QFont bold = font();
		bold.setBold(true);
		p.setFont(bold);
		p.setPen(pal.color(QPalette::Text));
		QRect title(margin + header, margin, width() - 2 * (margin + header), header);
		QString text = Capitalized(ToQString(MonthName(cal.month - 1))) + ' ' + QString::number(cal.year);
		p.drawText(title, Qt::AlignCenter, text);

		p.setFont(font());
		QRect heads_row(margin, margin + header, 7 * cellw, cellh);
		p.fillRect(heads_row, pal.alternateBase());
		p.setPen(pal.color(QPalette::PlaceholderText));
		for(int c = 0; c < 7; c++)
			p.drawText(QRect(margin + c * cellw, heads_row.top(), cellw, cellh), Qt::AlignCenter,
					   heads[(firstday + c) % 7]);
		p.setPen(pal.color(QPalette::Mid));
		p.drawLine(margin, gridtop - 1, width() - margin - 1, gridtop - 1);

		QColor highlight = pal.color(QPalette::Highlight);
		QColor hover = highlight;
		hover.setAlpha(60);
		QColor neighbour = pal.color(QPalette::PlaceholderText);
		QColor disabled = pal.color(QPalette::Disabled, QPalette::Text);
		disabled.setAlpha(90);
		Date first = cal.GetFirstCell();
		Date today = GetSysDate();
		for(int i = 0; i < 42; i++) {
			Date d = first + i;
			QRect r = CellRect(i).adjusted(1, 1, -1, -1);
			bool inmonth = d.month == cal.month && d.year == cal.year;
			QColor ink = d < cal.min || d > cal.max ? disabled : inmonth ? pal.color(QPalette::Text) : neighbour;
			if(d == cal.selected) {
				p.fillRect(r, highlight);
				ink = pal.color(QPalette::HighlightedText);
			}
			else if(d == cal.hot)
				p.fillRect(r, hover);
			if(d == today) {
				p.setPen(highlight);
				p.drawRect(r.adjusted(0, 0, -1, -1));
			}
			p.setPen(ink);
			p.drawText(r, Qt::AlignCenter, QString::number(d.day));
		}
	}

	void mouseMoveEvent(QMouseEvent* e) override
	{
		cal.SetHot(CellAt(e->position().toPoint()));
		QWidget::mouseMoveEvent(e);
	}

	void leaveEvent(QEvent* e) override
	{
		cal.SetHot(Null);
		QWidget::leaveEvent(e);
	}

	void mousePressEvent(QMouseEvent* e) override
	{
		// A press outside a pop-up reaches it too; the base class closes the pop-up then.
		QPoint pos = e->position().toPoint();
		if(e->button() == Qt::LeftButton && rect().contains(pos)) {
			Date d = CellAt(pos);
			if(!IsNull(d) && cal.IsPickable(d)) {
				e->accept();
				cal.Pick(d);
				return;
			}
		}
		QWidget::mousePressEvent(e);
	}
};

Calendar::Calendar() : Ctrl(new Grid(*this))
{
	grid = static_cast<Grid*>(widget);
	Date today = GetSysDate();
	ShowMonth(today.year, today.month);
}

Date Calendar::GetFirstCell() const
{
	Date first(year, month, 1);
	return first - (DayOfWeek(first) - grid->firstday + 7) % 7;
}

bool Calendar::IsPickable(Date d) const
{
	if(IsNull(d) || d < min || d > max)
		return false;
	return selectall || (d.year == year && d.month == month);
}

void Calendar::SetHot(Date d)
{
	if(!IsPickable(d))
		d = Null;
	if(d != hot) {
		hot = d;
		grid->update();
	}
}

void Calendar::Pick(Date d)
{
	selected = d;
	hot = Null;
	if(d.year != year || d.month != month)
		ShowMonth(d.year, d.month);
	grid->update();
	Action();
}

void Calendar::Step(int months)
{
	Date d = AddMonths(Date(year, month, 1), months);
	ShowMonth(d.year, d.month);
}

Calendar& Calendar::SelectAll(bool b)
{
	selectall = b;
	SetHot(hot);
	grid->update();
	return *this;
}

Calendar& Calendar::MinMax(Date lo, Date hi)
{
	min = lo;
	max = hi;
	ShowMonth(year, month);
	return *this;
}

void Calendar::SetDate(Date d)
{
	selected = d;
	if(IsNull(d))
		grid->update();
	else
		ShowMonth(d.year, d.month);
}

void Calendar::SetData(const Value& v) { SetDate(v.Is<Date>() ? (Date)v : Date()); }

Value Calendar::GetData() const { return IsNull(selected) ? Value() : Value(selected); }

void Calendar::ShowMonth(int y, int m)
{
	// Months counted from January of year 0; the limits keep it far from overflow.
	auto index = [](int y, int m) { return 12 * y + m - 1; };
	int lo = index(min.year, min.month), hi = index(max.year, max.month);
	int at = std::max(lo, std::min(index(y, m), hi));
	year = (at - ((at % 12 + 12) % 12)) / 12;
	month = at - 12 * year + 1;
	hot = Null;
	grid->Relayout();
	grid->prev->setEnabled(at > lo);
	grid->next->setEnabled(at < hi);
	grid->update();
}

Rect Calendar::GetDayCellRect(Date d) const
{
	if(IsNull(d))
		return Rect();
	int i = d - GetFirstCell();
	if(i < 0 || i >= 42)
		return Rect();
	QRect r = grid->CellRect(i);
	return RectC(r.x(), r.y(), r.width(), r.height());
}

} // namespace Upp
