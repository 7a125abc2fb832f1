#include "Font.h"

#include <QApplication>
#include <QFont>

namespace Upp {

QFont Font::ToQFont() const
{
	QFont f = QApplication::font();
	if(height > 0)
		f.setPixelSize(height);
	f.setBold(bold);
	f.setItalic(italic);
	f.setUnderline(underline);
	return f;
}

} // namespace Upp
