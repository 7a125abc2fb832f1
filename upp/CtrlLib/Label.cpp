#include "Label.h"

#include <CtrlCore/QtText.h>

#include <QGroupBox>
#include <QLabel>

namespace Upp {

LabelBase::LabelBase() : Ctrl(new QLabel)
{
	label = static_cast<QLabel*>(widget);
	label->setTextFormat(Qt::PlainText);
	label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

LabelBase& LabelBase::SetText(const String& t)
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

} // namespace Upp
