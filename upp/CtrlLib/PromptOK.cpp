#include "PromptOK.h"

#include <CtrlCore/QtText.h>

#include <QMessageBox>

namespace Upp {

void PromptOK(const char* text)
{
	QMessageBox box(QMessageBox::Information, QString(), ToQString(text), QMessageBox::NoButton);
	QWidget* owner = OwnerFor(&box);
	if(owner)
		box.setWindowTitle(owner->windowTitle());
	SetOwner(&box, owner);
	box.addButton(ToQString(t_("OK")), QMessageBox::AcceptRole);
	box.exec();
}

} // namespace Upp
