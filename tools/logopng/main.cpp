// logopng WIDTH HEIGHT VERSION OUT.png
//
// Paints a black strip with the product name and VERSION in the product's cyan-blue, saves it
// as an 8-bit RGBA PNG and prints the file's base64 (the data of a QTF PING object).
// Needs QT_QPA_PLATFORM=offscreen without a display.

#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
	QGuiApplication app(argc, argv);
	if(argc != 5) {
		fprintf(stderr, "usage: logopng WIDTH HEIGHT VERSION OUT.png\n");
		return 2;
	}
	int cx = atoi(argv[1]), cy = atoi(argv[2]);
	QString version = QString::fromUtf8(argv[3]);
	if(cx <= 0 || cy <= 0)
		return 2;

	QImage img(cx, cy, QImage::Format_ARGB32);
	img.fill(Qt::black);
	QPainter p(&img);
	p.setRenderHint(QPainter::TextAntialiasing);
	p.setPen(QColor(28, 170, 200));

	QFont name("DejaVu Sans");
	name.setBold(true);
	name.setPixelSize(cy * 7 / 10);
	QFont ver("DejaVu Sans");
	ver.setPixelSize(cy * 3 / 10);
	QFontMetrics nm(name), vm(ver);
	QString product = "Lunbrek";
	int gap = cy / 3;
	int width = nm.horizontalAdvance(product) + gap + vm.horizontalAdvance(version);
	int x = (cx - width) / 2;
	int baseline = (cy + nm.capHeight()) / 2;
	p.setFont(name);
	p.drawText(x, baseline, product);
	p.setFont(ver);
	p.drawText(x + nm.horizontalAdvance(product) + gap, baseline, version);
	p.end();

	QFile out(QString::fromLocal8Bit(argv[4]));
	if(!out.open(QIODevice::WriteOnly) || !img.save(&out, "PNG")) {
		fprintf(stderr, "logopng: cannot write %s\n", argv[4]);
		return 1;
	}
	out.close();
	out.open(QIODevice::ReadOnly);
	printf("%s\n", out.readAll().toBase64().constData());
	return 0;
}
