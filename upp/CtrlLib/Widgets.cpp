#include "Widgets.h"

#include <CtrlCore/ImageQt.h>
#include <CtrlCore/QtText.h>

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>

namespace Upp {

LabelBase::LabelBase() : Ctrl(new QLabel)
{
	label = static_cast<QLabel*>(widget);
	label->setTextFormat(Qt::PlainText);
	label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

LabelBase& LabelBase::SetText(const char* t)
{
	text = t;
	label->setText(ToQString(t));
	return *this;
}

LabelBase& LabelBase::SetAlign(int a)
{
	align = a;
	Qt::Alignment h = a == ALIGN_CENTER ? Qt::AlignHCenter : a == ALIGN_RIGHT ? Qt::AlignRight : Qt::AlignLeft;
	label->setAlignment(h | Qt::AlignVCenter);
	return *this;
}

LabelBase& LabelBase::SetFont(Font f)
{
	font = f;
	label->setFont(f.ToQFont());
	return *this;
}

LabelBox::LabelBox() : Ctrl(new QGroupBox)
{
	box = static_cast<QGroupBox*>(widget);
	// The box is drawn over the controls it frames (it is added after them), so it must
	// not take their mouse input.
	box->setAttribute(Qt::WA_TransparentForMouseEvents);
}

LabelBox& LabelBox::SetLabel(const char* t)
{
	text = t;
	box->setTitle(ToQString(t));
	return *this;
}

Button::Button() : Ctrl(new QPushButton)
{
	button = static_cast<QPushButton*>(widget);
	button->setAutoDefault(false);
	QObject::connect(button, &QPushButton::clicked, [this] { Action(); });
}

Button& Button::SetLabel(const char* t)
{
	text = t;
	button->setText(ToQString(t));
	return *this;
}

bool Button::HotKey(int key)
{
	if(((key == K_ENTER && ok) || (key == K_ESCAPE && cancel)) && IsVisible() && IsEnabled()) {
		button->click();
		return true;
	}
	return false;
}

Switch::Switch()
{
	group = new QButtonGroup(widget);
	auto* box = new QHBoxLayout(widget);
	box->setContentsMargins(0, 0, 0, 0);
	box->setSpacing(0);
	QObject::connect(group, &QButtonGroup::idClicked, [this](int id) {
		if(id < 0 || id >= (int)values.size() || values[id] == value)
			return;
		value = values[id];
		Action();
	});
}

Switch::~Switch() { Reset(); }

Switch& Switch::Add(const Value& v, const char* label)
{
	auto* b = new QRadioButton(ToQString(label), widget);
	group->addButton(b, (int)values.size());
	static_cast<QHBoxLayout*>(widget->layout())->addWidget(b, 1);
	b->show();
	values.push_back(v);
	Select();
	return *this;
}

void Switch::Reset()
{
	for(QAbstractButton* b : group->buttons()) {
		group->removeButton(b);
		delete b;
	}
	values.clear();
}

void Switch::Select()
{
	group->setExclusive(false);
	for(int i = 0; i < (int)values.size(); i++) {
		QSignalBlocker block(group->button(i));
		group->button(i)->setChecked(!IsNull(value) && values[i] == value);
	}
	group->setExclusive(true);
}

void Switch::SetData(const Value& v)
{
	value = v;
	Select();
}

EditIntSpin::EditIntSpin() : Ctrl(new QSpinBox)
{
	spin = static_cast<QSpinBox*>(widget);
	spin->setRange(INT_MIN + 1, INT_MAX);
	spin->setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
	spin->setKeyboardTracking(true);
	QObject::connect(spin, &QSpinBox::valueChanged, [this](int) { Action(); });
}

EditIntSpin& EditIntSpin::Min(int n)
{
	QSignalBlocker block(spin);
	spin->setMinimum(n);
	Refresh();
	return *this;
}

EditIntSpin& EditIntSpin::Max(int n)
{
	QSignalBlocker block(spin);
	spin->setMaximum(n);
	Refresh();
	return *this;
}

EditIntSpin& EditIntSpin::NotNull(bool b)
{
	notnull = b;
	Refresh();
	return *this;
}

int EditIntSpin::GetMin() const { return spin->minimum(); }

int EditIntSpin::GetMax() const { return spin->maximum(); }

void EditIntSpin::SetData(const Value& v)
{
	QSignalBlocker block(spin);
	int n = v;
	spin->setValue(IsNull(n) ? spin->minimum() : n);
}

// The spin box keeps its last accepted number while its text is being edited, and puts it
// back when editing ends on a text that is no number in range.
Value EditIntSpin::GetData() const { return spin->value(); }

// Styles that open a list over its field as a menu (Fusion among them) show every entry and
// ignore the count of drop lines; this one opens it as a scrolling list below the field and
// draws everything else as the application's style does.
class DropLinesStyle : public QProxyStyle {
public:
	DropLinesStyle() : QProxyStyle(QApplication::style()->name()) {}
	int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
				  QStyleHintReturn* returnData) const override
	{
		if(hint == SH_ComboBox_Popup)
			return 0;
		return QProxyStyle::styleHint(hint, option, widget, returnData);
	}
};

DropList::DropList() : Ctrl(new QComboBox)
{
	combo = static_cast<QComboBox*>(widget);
	auto* style = new DropLinesStyle;
	style->setParent(combo);
	combo->setStyle(style);
	QObject::connect(combo, &QComboBox::activated, [this](int i) {
		if(i < 0 || i >= (int)keys.size())
			return;
		value = keys[i];
		Action();
	});
}

void DropList::Sync()
{
	QSignalBlocker block(combo);
	int idx = -1;
	for(int i = 0; i < (int)keys.size(); i++)
		if(!IsNull(value) && keys[i] == value) {
			idx = i;
			break;
		}
	combo->setCurrentIndex(idx);
}

DropList& DropList::Add(const Value& key, const char* text)
{
	{
		QSignalBlocker block(combo);
		combo->addItem(ToQString(text));
	}
	keys.push_back(key);
	Sync();
	return *this;
}

void DropList::ClearList()
{
	QSignalBlocker block(combo);
	combo->clear();
	keys.clear();
}

DropList& DropList::SetDropLines(int n)
{
	combo->setMaxVisibleItems(n);
	return *this;
}

int DropList::GetDropLines() const { return combo->maxVisibleItems(); }

String DropList::GetValue(int i) const { return combo->itemText(i).toStdString(); }

int DropList::GetIndex() const { return combo->currentIndex(); }

void DropList::SetData(const Value& v)
{
	value = v;
	Sync();
}

TabCtrl::TabCtrl() : Ctrl(new QTabWidget) { tabs = static_cast<QTabWidget*>(widget); }

// Each page sits in a holder inside the tab's pane. A panel with a minimum size keeps that
// size, the size its layout was drawn for, centred across the pane and near its top, so
// items anchored to its edges stay where the layout put them; any other page fills the
// pane. The pages are owned elsewhere: a page destroyed first takes its widget out of the
// holder, and the pages still here are taken out so that Qt does not delete them with ours.
class TabHolder : public QWidget {
	Ctrl& page;
	QPointer<QWidget> pagewidget; // gone once the page is destroyed

public:
	explicit TabHolder(Ctrl& p) : page(p), pagewidget(p.GetQWidget())
	{
		pagewidget->setParent(this);
		pagewidget->show();
	}
	QWidget* Page() const { return pagewidget; }
	bool Holds(const Ctrl& p) const { return pagewidget && &p == &page; }
	void resizeEvent(QResizeEvent*) override
	{
		if(!pagewidget)
			return;
		Size sz = Size(width(), height());
		if(auto* pc = dynamic_cast<ParentCtrl*>(&page))
			if(pc->GetMinSize().cx > 0) {
				Size m = pc->GetMinSize();
				int x = std::max(0, (sz.cx - m.cx) / 2);
				int y = std::max(0, std::min(Ctrl::VertLayoutZoom(2), (sz.cy - m.cy) / 2));
				page.SetRect(RectC(x, y, m.cx, m.cy));
				return;
			}
		page.SetRect(Rect(sz));
	}
};

static TabHolder* HolderOf(QWidget* w) { return dynamic_cast<TabHolder*>(w); }

static void TakePage(QTabWidget* tabs, int i)
{
	TabHolder* holder = HolderOf(tabs->widget(i));
	tabs->removeTab(i);
	if(holder && holder->Page()) {
		holder->Page()->hide();
		holder->Page()->setParent(nullptr);
	}
	delete holder;
}

TabCtrl::~TabCtrl()
{
	while(tabs->count())
		TakePage(tabs, 0);
}

TabCtrl& TabCtrl::Add(Ctrl& page, const char* text)
{
	page.Remove();
	Remove(page);
	tabs->addTab(new TabHolder(page), ToQString(text));
	return *this;
}

int TabCtrl::IndexOf(const Ctrl& page) const
{
	for(int i = 0; i < tabs->count(); i++)
		if(TabHolder* h = HolderOf(tabs->widget(i)); h && h->Holds(page))
			return i;
	return -1;
}

void TabCtrl::Remove(Ctrl& page)
{
	int i = IndexOf(page);
	if(i >= 0)
		TakePage(tabs, i);
}

int TabCtrl::GetCount() const { return tabs->count(); }

int TabCtrl::Get() const { return tabs->currentIndex(); }

void TabCtrl::Set(int i) { tabs->setCurrentIndex(i); }

String TabCtrl::GetTabText(int i) const { return tabs->tabText(i).toStdString(); }

ImageCtrl::ImageCtrl() : Ctrl(new QLabel)
{
	label = static_cast<QLabel*>(widget);
	label->setAlignment(Qt::AlignCenter);
}

ImageCtrl& ImageCtrl::SetImage(const Image& m)
{
	img = m;
	label->setPixmap(m.IsEmpty() ? QPixmap() : QPixmap::fromImage(ToQImage(m)));
	return *this;
}

} // namespace Upp
