#ifndef UPP_CTRLLIB_BUTTON_H
#define UPP_CTRLLIB_BUTTON_H

#include <CtrlCore/CtrlCore.h>

class QPushButton;

namespace Upp {

// A push button with a text; a click runs its action. Marked Ok or Cancel, it is also what
// Enter or Escape presses in its window while it is shown and enabled. It never becomes
// Qt's default button on its own, and carries no image.
class Button : public Ctrl {
	QPushButton* button;
	String text;
	bool ok = false, cancel = false;

public:
	Button();
	Button& SetLabel(const char* t);
	String GetLabel() const { return text; }
	Button& Ok(bool b = true)
	{
		ok = b;
		return *this;
	}
	Button& Cancel(bool b = true)
	{
		cancel = b;
		return *this;
	}
	bool HotKey(int key) override;
};

} // namespace Upp

#endif
