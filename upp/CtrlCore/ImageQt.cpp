#include "ImageQt.h"

namespace Upp {

QImage ToQImage(const Image& img)
{
	if(img.IsEmpty())
		return QImage();
	Size sz = img.GetSize();
	QImage q(sz.cx, sz.cy, QImage::Format_ARGB32_Premultiplied);
	for(int y = 0; y < sz.cy; y++) {
		const RGBA* s = img[y];
		QRgb* t = reinterpret_cast<QRgb*>(q.scanLine(y));
		for(int x = 0; x < sz.cx; x++)
			t[x] = qRgba(s[x].r, s[x].g, s[x].b, s[x].a);
	}
	return q;
}

} // namespace Upp
