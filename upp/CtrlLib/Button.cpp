#include "Button.h"

#include <CtrlCore/QtText.h>

#include <QPushButton>

namespace Upp {

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

} // namespace Upp
