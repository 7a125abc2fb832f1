#include "DropList.h"

#include <CtrlCore/QtText.h>

#include <QApplication>
#include <QComboBox>
#include <QProxyStyle>
#include <QSignalBlocker>

namespace Upp {

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

} // namespace Upp
