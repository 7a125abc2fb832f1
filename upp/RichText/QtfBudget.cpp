#include "QtfBudget.h"

#include "QtfScanner.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

#include <algorithm>

namespace Upp::Qtf {

namespace {

int64 Weigh(int64 weight, int64 factor) { return std::min(weight * factor, MAX_WORK + 1); }

// As the header tells it; invalid when nothing can read it.
QSize PictureSize(const String& data)
{
	QByteArray bytes = QByteArray::fromRawData(data.data(), (qsizetype)data.size());
	QBuffer buffer(&bytes);
	buffer.open(QIODevice::ReadOnly);
	return QImageReader(&buffer).size();
}

// When nothing can read the size, the bytes stand for the pixels.
int64 PictureUnits(const String& data, QSize size)
{
	int64 pixels = size.isValid() ? int64(size.width()) * size.height() : int64(data.size());
	return WORK_OBJECT + pixels / PIXELS_PER_UNIT;
}

int64 HeightDots(const RichObject& obj, QSize size)
{
	if(obj.cx > 0 && obj.cy > 0)
		return obj.cy;
	return (size.isValid() ? int64(size.height()) : int64(obj.data.size())) * PICTURE_DOTS;
}

} // namespace

int64 ObjectHeightDots(const RichObject& obj) { return HeightDots(obj, PictureSize(obj.data)); }

bool Budget::Charge(int64 units, int64 at)
{
	if(units <= work && units * at <= work) {
		work -= units * at;
		return true;
	}
	work = 0;
	input.SkipRest();
	return false;
}

bool Budget::ChargeRun(const RichCharFormat& f, int64 units)
{
	int64 font = 0;
	if(fonts.emplace(f.face, f.facename, f.height, f.bold, f.italic).second)
		font += WORK_FONT;
	if(f.face == RichCharFormat::NAMED && faces.insert(f.facename).second)
		font += WORK_FACE;
	return Charge(font, 1) && Charge(WORK_RUN + flow.runs++ / RUN_SCALE + units, flow.weight);
}

int64 Budget::TextUnits(const RichCharFormat& f, const char* s, size_t n)
{
	// Taller text puts fewer bytes on a line, so a long word takes more lines to break: as a line
	// holds whole characters, up to twice as many as the height alone would say.
	int64 tall = LineUnits(f.height);
	int64 lines = std::min(2 * tall - 1, flow.tallword);
	int64 units = 0;
	for(size_t i = 0; i < n && units <= work; i++) {
		if(NewItem(s[i])) {
			units += WORK_ITEM;
			flow.word += ITEM_BYTES;
		}
		flow.word = s[i] == ' ' ? 0 : flow.word + 1;
		units += flow.byte * tall + flow.word * lines / flow.wordscale + (s[i] == '\t' ? WORK_TAB : 0);
	}
	return units;
}

// Whether the character that `byte` completes starts a new piece of text for Qt.
bool Budget::NewItem(char byte)
{
	// ASCII needs no decoding: what it breaks off would read as U+FFFD, which starts no piece
	if((byte & 0x80) == 0)
		return NewItem(char32_t(byte));
	QChar out[4]; // more than the two Qt may write for a byte (QStringDecoder::requiredSpace)
	QChar* end = utf8.appendToBuffer(out, QByteArrayView(&byte, 1));
	if(end == out)
		return false; // the character is not complete yet
	char32_t c = end - out == 2 && out[0].isHighSurrogate() && out[1].isLowSurrogate()
					 ? QChar::surrogateToUcs4(out[0], out[1])
					 : out[0].unicode();
	return NewItem(c);
}

// Qt splits a paragraph where the script or the bidi level changes; characters common to all
// scripts and those without a direction of their own go with what stands before them.
bool Budget::NewItem(char32_t c)
{
	int script = QChar::script(c);
	if(script == QChar::Script_Common || script == QChar::Script_Inherited)
		script = flow.script;
	int level = flow.level;
	switch(QChar::direction(c)) {
	case QChar::DirL:
		level = 0;
		flow.rtl = false;
		break;
	case QChar::DirR:
	case QChar::DirAL:
		level = 1;
		flow.rtl = true;
		break;
	case QChar::DirEN: level = flow.rtl ? 2 : 0; break;
	case QChar::DirAN: level = 2; break;
	default: break;
	}
	bool changed = flow.script >= 0 && (script != flow.script || level != flow.level);
	flow.script = script;
	flow.level = level;
	return changed;
}

void Budget::EndParagraph()
{
	flow.word = flow.runs = 0;
	flow.script = -1;
	flow.level = 0;
	flow.rtl = false;
	utf8.resetState();
}

bool Budget::ChargeObject(const RichCharFormat& f, const RichObject& obj)
{
	QSize size = PictureSize(obj.data);
	return ChargeHeight(HeightDots(obj, size)) &&
		   ChargeRun(f, PictureUnits(obj.data, size) + flow.byte + ++flow.word / flow.wordscale);
}

Budget::Flow Budget::Cell(int64 columns, int vspan) const
{
	Flow inner;
	inner.weight = Weigh(flow.weight, 2 * columns * (int64(vspan) + 1));
	inner.byte = CELL_BYTE;
	inner.wordscale = CELL_WORD_SCALE;
	inner.tallword = 1;
	return inner;
}

Budget::Flow Budget::Enter(const Flow& inner)
{
	Flow outer = flow;
	flow = inner;
	return outer;
}

} // namespace Upp::Qtf
