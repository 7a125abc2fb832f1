#include "EditIntSpin.h"

#include <QSignalBlocker>
#include <QSpinBox>

namespace Upp {

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

} // namespace Upp
