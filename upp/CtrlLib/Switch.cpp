#include "Switch.h"

#include <CtrlCore/QtText.h>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QSignalBlocker>

namespace Upp {

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
	SyncFocusOrder();
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

} // namespace Upp
