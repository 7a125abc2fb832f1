#include "ArrangeOKCancel.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QStyle>

namespace Upp {

void ArrangeOKCancel(Ctrl& ok, Ctrl& cancel)
{
	int layout = QApplication::style()->styleHint(QStyle::SH_DialogButtonLayout);
	if(layout == QDialogButtonBox::MacLayout || layout == QDialogButtonBox::GnomeLayout) {
		Ctrl::LogPos p = ok.GetPos();
		ok.SetPos(cancel.GetPos());
		cancel.SetPos(p);
	}
}

} // namespace Upp
