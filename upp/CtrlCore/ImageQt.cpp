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

Image FromQImage(const QImage& img)
{
	if(img.isNull())
		return Image();
	QImage q = img.convertToFormat(QImage::Format_ARGB32_Premultiplied);
	std::vector<RGBA> pix((size_t)q.width() * q.height());
	RGBA* t = pix.data();
	for(int y = 0; y < q.height(); y++) {
		const QRgb* s = reinterpret_cast<const QRgb*>(q.constScanLine(y));
		for(int x = 0; x < q.width(); x++, t++) {
			t->b = (byte)qBlue(s[x]);
			t->g = (byte)qGreen(s[x]);
			t->r = (byte)qRed(s[x]);
			t->a = (byte)qAlpha(s[x]);
		}
	}
	return Image(Size(q.width(), q.height()), std::move(pix));
}

} // namespace Upp
