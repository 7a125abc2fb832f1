#include "PromptOK.h"

#include <CtrlCore/QtText.h>

#include <QApplication>
#include <QMessageBox>

namespace Upp {

void PromptOK(const char* text)
{
	QWidget* owner = QApplication::activeWindow();
	QMessageBox box(QMessageBox::Information, owner ? owner->windowTitle() : QString(), ToQString(text),
					QMessageBox::NoButton, owner);
	box.addButton(ToQString(t_("OK")), QMessageBox::AcceptRole);
	box.exec();
}

} // namespace Upp
