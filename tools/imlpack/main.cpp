// imlpack DRAWING OUTPUT.cpp HEADER [--png FOLDER]
// Paints the pictures of a drawing file and writes them as packed, compressed blocks together
// with the list's Iml() function and one accessor per picture, which HEADER declares.
// --png also saves each picture as FOLDER/NAME.png for looking at.

#include "Art.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSet>

#include <Deflate.h>

#include <cstdio>

namespace {

void Put16(QByteArray& out, int v)
{
	out.append(char(v & 255));
	out.append(char((v >> 8) & 255));
}

// Records of flags, size, hot spots and premultiplied BGRA rows, one after another.
QByteArray PackBlock(const ArtList& list, int block)
{
	QByteArray out;
	for(const ArtImage& m : list.images) {
		if(m.block != block)
			continue;
		const QImage& img = m.image;
		out.append(char(0));
		Put16(out, img.width());
		Put16(out, img.height());
		for(int i = 0; i < 4; i++)
			Put16(out, 0);
		for(int y = 0; y < img.height(); y++) {
			const QRgb* s = reinterpret_cast<const QRgb*>(img.constScanLine(y));
			for(int x = 0; x < img.width(); x++) {
				out.append(char(qBlue(s[x])));
				out.append(char(qGreen(s[x])));
				out.append(char(qRed(s[x])));
				out.append(char(qAlpha(s[x])));
			}
		}
	}
	return out;
}

// One zlib stream, then zero bytes up to a multiple of 32.
QByteArray Compress(const QByteArray& raw)
{
	std::string z = Deflate(raw.constData(), raw.size());
	QByteArray out(z.data(), qsizetype(z.size()));
	out.append(QByteArray((32 - out.size() % 32) % 32, 0));
	return out;
}

bool IsIdentifier(const QString& s)
{
	if(s.isEmpty() || s[0].isDigit())
		return false;
	for(QChar c : s)
		if(!(c.isLetterOrNumber() && c.unicode() < 128) && c != '_')
			return false;
	return true;
}

QByteArray Generate(const ArtList& list, const QString& drawing, const QString& header)
{
	QSet<QString> seen;
	for(const ArtImage& m : list.images) {
		if(!IsIdentifier(m.name) || seen.contains(m.name))
			throw ArtError("image name not usable: " + m.name.toStdString());
		seen.insert(m.name);
	}
	if(!IsIdentifier(list.name))
		throw ArtError("list name not usable: " + list.name.toStdString());

	QByteArray cls = list.name.toUtf8();
	QByteArray o;
	o += "// Made by imlpack from " + QFileInfo(drawing).fileName().toUtf8() + "; edit that file instead.\n";
	o += "#include \"" + header.toUtf8() + "\"\n\nnamespace {\n\n";
	o += "const char* const names[] = {\n";
	for(const ArtImage& m : list.images)
		o += "\t\"" + m.name.toUtf8() + "\",\n";
	o += "};\n";

	std::vector<int> counts;
	for(int b = 0; b < list.blocks; b++) {
		int count = 0;
		for(const ArtImage& m : list.images)
			count += m.block == b;
		if(!count)
			throw ArtError("block " + std::to_string(b + 1) + " has no image");
		counts.push_back(count);
		QByteArray data = Compress(PackBlock(list, b));
		o += "\nconst Upp::byte block" + QByteArray::number(b) + "[" + QByteArray::number(data.size()) + "] = {";
		for(int i = 0; i < data.size(); i++) {
			o += i % 16 ? " " : "\n\t";
			o += QByteArray::number(uchar(data[i])) + ",";
		}
		o += "\n};\n";
	}
	o += "\n} // namespace\n\n";

	o += "Upp::Iml& " + cls + "::Iml()\n{\n";
	o += "\tstatic Upp::Iml list(names, " + QByteArray::number(int(list.images.size())) + ");\n";
	o += "\tstatic bool added;\n\tif(!added) {\n\t\tadded = true;\n";
	for(int b = 0; b < list.blocks; b++)
		o += "\t\tlist.AddData(block" + QByteArray::number(b) + ", sizeof(block" + QByteArray::number(b) + "), " +
			 QByteArray::number(counts[b]) + ");\n";
	o += "\t\tlist.Premultiplied();\n\t}\n\treturn list;\n}\n";
	for(size_t i = 0; i < list.images.size(); i++)
		o += "\nUpp::Image " + cls + "::" + list.images[i].name.toUtf8() + "() { return Iml().Get(" +
			 QByteArray::number(int(i)) + "); }\n";
	return o;
}

} // namespace

int main(int argc, char** argv)
{
	if(qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
		qputenv("QT_QPA_PLATFORM", "offscreen");
	QGuiApplication app(argc, argv); // the font database needs it
	QStringList args = app.arguments().mid(1);
	QString png;
	int at = int(args.indexOf("--png"));
	if(at >= 0 && at + 1 < args.size()) {
		png = args[at + 1];
		args.remove(at, 2);
	}
	if(args.size() != 3) {
		std::fprintf(stderr, "usage: imlpack DRAWING OUTPUT.cpp HEADER [--png FOLDER]\n");
		return 2;
	}
	try {
		ArtList list = LoadArt(args[0]);
		QByteArray code = Generate(list, args[0], args[2]);
		QFile out(args[1]);
		if(!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(code) != code.size())
			throw ArtError(args[1].toStdString() + ": cannot be written");
		if(!png.isEmpty()) {
			QDir().mkpath(png);
			for(const ArtImage& m : list.images)
				if(!m.image.save(png + "/" + m.name + ".png"))
					throw ArtError("cannot save " + m.name.toStdString() + ".png");
		}
	}
	catch(const std::exception& e) { // a fault in the drawing, or zlib's
		std::fprintf(stderr, "imlpack: %s\n", e.what());
		QFile::remove(args[1]);
		return 1;
	}
	return 0;
}
