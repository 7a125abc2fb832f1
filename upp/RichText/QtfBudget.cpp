#include "QtfBudget.h"

#include "QtfScanner.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

#include <algorithm>

namespace Upp::Qtf {

namespace {

int64 Weigh(int64 weight, int64 factor) { return std::min(weight * factor, MAX_WORK + 1); }

// The header tells the size; when nothing can read it, the bytes stand for the pixels.
int64 PictureUnits(const String& data)
{
	QByteArray bytes = QByteArray::fromRawData(data.data(), (qsizetype)data.size());
	QBuffer buffer(&bytes);
	buffer.open(QIODevice::ReadOnly);
	QSize size = QImageReader(&buffer).size();
	int64 pixels = size.isValid() ? int64(size.width()) * size.height() : int64(data.size());
	return WORK_OBJECT + pixels / PIXELS_PER_UNIT;
}

} // namespace

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

int64 Budget::TextUnits(const char* s, size_t n)
{
	int64 units = 0;
	for(size_t i = 0; i < n && units <= work; i++) {
		flow.word = s[i] == ' ' ? 0 : flow.word + 1;
		units += flow.byte + flow.word / flow.wordscale + (s[i] == '\t' ? WORK_TAB : 0);
	}
	return units;
}

int64 Budget::ObjectUnits(const String& data) { return PictureUnits(data) + flow.byte + ++flow.word / flow.wordscale; }

Budget::Flow Budget::Cell(int64 columns, int vspan) const
{
	Flow inner;
	inner.weight = Weigh(flow.weight, 2 * columns * (int64(vspan) + 1));
	inner.byte = CELL_BYTE;
	inner.wordscale = CELL_WORD_SCALE;
	return inner;
}

Budget::Flow Budget::Enter(const Flow& inner)
{
	Flow outer = flow;
	flow = inner;
	return outer;
}

} // namespace Upp::Qtf
