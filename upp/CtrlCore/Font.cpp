#include "Font.h"

#include <QApplication>
#include <QFont>

namespace Upp {

// Upright and not underlined even where the desktop's standard font is not.
QFont Font::ToQFont() const
{
	QFont f = QApplication::font();
	f.setBold(bold);
	f.setItalic(false);
	f.setUnderline(false);
	return f;
}

} // namespace Upp
