// The drawing file: one command a line, lines starting with '#' are comments.
//   list NAME                       the image list's class name
//   block                           starts a data block; the images that follow go into it
//   image NAME W H                  starts a transparent picture of W x H pixels
//   fill none | erase | COLOR | linear X1 Y1 X2 Y2 COLOR... | radial CX CY R COLOR...
//                                   erase makes the shapes that follow cut holes
//   stroke none | COLOR WIDTH [flat|square|round] [miter|bevel|round]
//   rect X Y W H [RADIUS]
//   ellipse CX CY RX RY
//   turn DEGREES CX CY              the shapes that follow are turned clockwise about (CX, CY)
//   path DATA                       M L H V C Q Z, upper case absolute, lower case relative
//   font "FAMILY" SIZE [light|normal|bold]    SIZE in pixels
//   text X Y "TEXT" [thin W]        base line at Y; X "+N" starts N after the previous text;
//                                   thin W narrows every stroke of the letters by W on each side
// COLOR is #rrggbb or #rrggbbaa (alpha not premultiplied). Coordinates are pixels from the
// top left corner; fractions are allowed. Shapes are filled, then stroked, anti-aliased.

#include "Art.h"

#include <QFile>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <QTextStream>

#include <memory>

namespace {

QStringList Tokenize(const QString& line)
{
	QStringList out;
	int i = 0, n = line.size();
	while(i < n) {
		if(line[i].isSpace()) {
			i++;
			continue;
		}
		QString t;
		if(line[i] == '"') {
			// Quoted text keeps its quotes so that the reader can tell it from a word.
			t += '"';
			for(i++; i < n && line[i] != '"'; i++) {
				if(line[i] == '\\' && i + 1 < n)
					i++;
				t += line[i];
			}
			if(i >= n)
				throw ArtError("unterminated text");
			i++;
			t += '"';
		}
		else
			while(i < n && !line[i].isSpace())
				t += line[i++];
		out << t;
	}
	return out;
}

double Number(const QString& s)
{
	bool ok;
	double v = s.toDouble(&ok);
	if(!ok)
		throw ArtError("not a number: " + s.toStdString());
	return v;
}

QColor Color(const QString& s)
{
	bool ok = false;
	uint v = s.mid(1).toUInt(&ok, 16);
	if(!s.startsWith('#') || !ok || (s.size() != 7 && s.size() != 9))
		throw ArtError("not a colour: " + s.toStdString());
	if(s.size() == 7)
		return QColor((v >> 16) & 255, (v >> 8) & 255, v & 255);
	return QColor(v >> 24, (v >> 16) & 255, (v >> 8) & 255, v & 255);
}

QString Text(const QString& s)
{
	if(s.size() < 2 || !s.startsWith('"'))
		throw ArtError("expected a quoted text");
	return s.mid(1, s.size() - 2);
}

// Path data: letters and numbers, separated by blanks or commas or nothing at all.
QPainterPath ParsePath(const QString& d)
{
	QStringList items;
	QString num;
	auto flush = [&] {
		if(!num.isEmpty())
			items << num;
		num.clear();
	};
	for(int i = 0; i < d.size(); i++) {
		QChar c = d[i];
		if(c.isLetter() && c != 'e' && c != 'E') {
			flush();
			items << QString(c);
		}
		else if(c.isSpace() || c == ',')
			flush();
		else if(c == '-' && !num.isEmpty() && !num.endsWith('e') && !num.endsWith('E')) {
			flush();
			num = c;
		}
		else
			num += c;
	}
	flush();

	QPainterPath path;
	QPointF cur, start;
	QChar cmd;
	int i = 0;
	auto take = [&] {
		if(i >= items.size() || items[i][0].isLetter())
			throw ArtError("path: missing number after " + QString(cmd).toStdString());
		return Number(items[i++]);
	};
	while(i < items.size()) {
		if(items[i][0].isLetter())
			cmd = items[i++][0];
		else if(cmd.isNull())
			throw ArtError("path must start with a command");
		bool rel = cmd.isLower();
		QPointF o = rel ? cur : QPointF();
		auto pt = [&] {
			double x = take();
			double y = take();
			return o + QPointF(x, y);
		};
		switch(cmd.toUpper().unicode()) {
		case 'M':
			cur = start = pt();
			path.moveTo(cur);
			cmd = rel ? 'l' : 'L'; // further pairs are lines
			break;
		case 'L':
			cur = pt();
			path.lineTo(cur);
			break;
		case 'H':
			cur.setX(o.x() + take());
			path.lineTo(cur);
			break;
		case 'V':
			cur.setY(o.y() + take());
			path.lineTo(cur);
			break;
		case 'C': {
			QPointF c1 = pt(), c2 = pt();
			cur = pt();
			path.cubicTo(c1, c2, cur);
			break;
		}
		case 'Q': {
			QPointF c1 = pt();
			cur = pt();
			path.quadTo(c1, cur);
			break;
		}
		case 'Z':
			path.closeSubpath();
			cur = start;
			cmd = QChar();
			break;
		default: throw ArtError("path: unknown command " + QString(cmd).toStdString());
		}
	}
	return path;
}

class Painter {
	ArtList& list;
	std::unique_ptr<QPainter> p;
	QBrush brush;
	bool erase = false;
	QPen pen = Qt::NoPen;
	QFont font;
	double text_end = 0;

	void Need(const QStringList& t, int n)
	{
		if(t.size() < n)
			throw ArtError(t[0].toStdString() + ": too few values");
	}
	QPainter& Canvas(const QString& cmd)
	{
		if(!p)
			throw ArtError(cmd.toStdString() + " outside an image");
		return *p;
	}
	QGradientStops Stops(const QStringList& t, int from)
	{
		QGradientStops stops;
		int n = t.size() - from;
		if(n < 2)
			throw ArtError("a gradient needs two colours at least");
		for(int i = 0; i < n; i++)
			stops << QGradientStop(double(i) / (n - 1), Color(t[from + i]));
		return stops;
	}
	void Draw(const QPainterPath& path)
	{
		QPainter& c = *p;
		if(erase) {
			c.setCompositionMode(QPainter::CompositionMode_DestinationOut);
			c.fillPath(path, Qt::black);
			c.setCompositionMode(QPainter::CompositionMode_SourceOver);
		}
		else
			c.fillPath(path, brush);
		c.strokePath(path, pen);
	}

public:
	explicit Painter(ArtList& list) : list(list) { font.setStyleStrategy(QFont::PreferAntialias); }

	void Finish()
	{
		if(p)
			p->end();
		p.reset();
	}

	void Command(const QStringList& t)
	{
		const QString& cmd = t[0];
		if(cmd == "list") {
			Need(t, 2);
			list.name = t[1];
		}
		else if(cmd == "block") {
			Finish();
			list.blocks++;
		}
		else if(cmd == "image") {
			Need(t, 4);
			if(!list.blocks)
				throw ArtError("image before the first block");
			Finish();
			int w = (int)Number(t[2]), h = (int)Number(t[3]);
			if(w <= 0 || h <= 0 || w > 32767 || h > 32767)
				throw ArtError("bad image size");
			ArtImage& img = list.images.emplace_back();
			img.name = t[1];
			img.block = list.blocks - 1;
			img.image = QImage(w, h, QImage::Format_ARGB32_Premultiplied);
			img.image.fill(Qt::transparent);
			p = std::make_unique<QPainter>(&img.image);
			p->setRenderHint(QPainter::Antialiasing);
			p->setRenderHint(QPainter::TextAntialiasing);
			brush = QBrush();
			erase = false;
			pen = Qt::NoPen;
			text_end = 0;
		}
		else if(cmd == "fill") {
			Need(t, 2);
			erase = t[1] == "erase";
			if(t[1] == "none" || erase)
				brush = QBrush();
			else if(t[1] == "linear") {
				Need(t, 8);
				QLinearGradient g(Number(t[2]), Number(t[3]), Number(t[4]), Number(t[5]));
				g.setStops(Stops(t, 6));
				brush = QBrush(g);
			}
			else if(t[1] == "radial") {
				Need(t, 7);
				QRadialGradient g(Number(t[2]), Number(t[3]), Number(t[4]));
				g.setStops(Stops(t, 5));
				brush = QBrush(g);
			}
			else
				brush = QBrush(Color(t[1]));
		}
		else if(cmd == "stroke") {
			Need(t, 2);
			if(t[1] == "none") {
				pen = Qt::NoPen;
				return;
			}
			Need(t, 3);
			pen = QPen(Color(t[1]), Number(t[2]), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
			for(int i = 3; i < t.size(); i++) {
				const QString& s = t[i];
				if(s == "flat")
					pen.setCapStyle(Qt::FlatCap);
				else if(s == "square")
					pen.setCapStyle(Qt::SquareCap);
				else if(s == "miter")
					pen.setJoinStyle(Qt::MiterJoin);
				else if(s == "bevel")
					pen.setJoinStyle(Qt::BevelJoin);
				else if(s != "round")
					throw ArtError("stroke: unknown style " + s.toStdString());
			}
		}
		else if(cmd == "turn") {
			Need(t, 4);
			QPainter& c = Canvas(cmd);
			double cx = Number(t[2]), cy = Number(t[3]);
			c.resetTransform();
			c.translate(cx, cy);
			c.rotate(Number(t[1]));
			c.translate(-cx, -cy);
		}
		else if(cmd == "rect") {
			Need(t, 5);
			Canvas(cmd);
			QPainterPath path;
			QRectF r(Number(t[1]), Number(t[2]), Number(t[3]), Number(t[4]));
			double radius = t.size() > 5 ? Number(t[5]) : 0;
			path.addRoundedRect(r, radius, radius);
			Draw(path);
		}
		else if(cmd == "ellipse") {
			Need(t, 5);
			Canvas(cmd);
			QPainterPath path;
			path.addEllipse(QPointF(Number(t[1]), Number(t[2])), Number(t[3]), Number(t[4]));
			Draw(path);
		}
		else if(cmd == "path") {
			Need(t, 2);
			Canvas(cmd);
			Draw(ParsePath(QStringList(t.mid(1)).join(' ')));
		}
		else if(cmd == "font") {
			Need(t, 3);
			QString family = Text(t[1]);
			font.setFamily(family);
			font.setPixelSize((int)Number(t[2]));
			QString w = t.size() > 3 ? t[3] : "normal";
			font.setWeight(w == "light" ? QFont::Light : w == "bold" ? QFont::Bold : QFont::Normal);
			if(w != "light" && w != "normal" && w != "bold")
				throw ArtError("font: unknown weight " + w.toStdString());
			// A stand-in font would quietly change the pictures.
			if(QFontInfo(font).family() != family)
				throw ArtError("font not installed: " + family.toStdString());
		}
		else if(cmd == "text") {
			Need(t, 4);
			Canvas(cmd);
			double x = t[1].startsWith('+') ? text_end + Number(t[1].mid(1)) : Number(t[1]);
			double y = Number(t[2]);
			QString s = Text(t[3]);
			QPainterPath path;
			path.addText(x, y, font, s);
			if(t.size() > 4) {
				if(t[4] != "thin" || t.size() < 6)
					throw ArtError("text: expected thin W");
				QPainterPathStroker edge;
				edge.setWidth(2 * Number(t[5]));
				path = path.subtracted(edge.createStroke(path));
			}
			Draw(path);
			text_end = x + QFontMetricsF(font).horizontalAdvance(s);
		}
		else
			throw ArtError("unknown command " + cmd.toStdString());
	}
};

} // namespace

ArtList LoadArt(const QString& path)
{
	QFile f(path);
	if(!f.open(QIODevice::ReadOnly | QIODevice::Text))
		throw ArtError(path.toStdString() + ": cannot be read");
	QTextStream in(&f);
	ArtList list;
	Painter painter(list);
	int lineno = 0;
	while(!in.atEnd()) {
		QString line = in.readLine();
		lineno++;
		QString s = line.trimmed();
		if(s.isEmpty() || s.startsWith('#'))
			continue;
		try {
			painter.Command(Tokenize(s));
		}
		catch(const ArtError& e) {
			throw ArtError(path.toStdString() + ":" + std::to_string(lineno) + ": " + e.what());
		}
	}
	painter.Finish();
	if(list.name.isEmpty())
		throw ArtError(path.toStdString() + ": no list name");
	return list;
}
