// QTF from arbitrary bytes: the reader always yields a well-formed document, and that
// document converts to a laid-out QTextDocument without fault.
#include <RichText/QtfBudget.h>
#include <RichText/RichText.h>

#include <QGuiApplication>
#include <QTextDocument>

#include <algorithm>

using namespace Upp;
using Qtf::CellHeightUnits;
using Qtf::HeightUnits;
using Qtf::LineUnits;
using Qtf::MAX_TABLE_DEPTH;
using Qtf::MAX_WORK;
using Qtf::ObjectHeightDots;
using Qtf::RowRuleDots;
using Qtf::SpaceDots;
using Qtf::WORK_CELL;
using Qtf::WORK_ROW;
using Qtf::WORK_TABLE;

namespace {

// The reader's bounds: at most eight nested tables, and no more work for Qt than the budget. The
// bytes, by their height, and the tables, rows and cells counted here, each weighted by where it
// stands, are part of what the reader charges, so they stay within the budget; so does the height
// of everything else, once wherever it stands, which keeps the document within Qt's reach.

int64_t Work(const std::vector<RichPart>& parts, int depth, int64_t weight)
{
	if(depth > MAX_TABLE_DEPTH)
		__builtin_trap();
	int64_t work = 0;
	for(const RichPart& part : parts) {
		if(!part.table) {
			work += HeightUnits(SpaceDots(part.para.format));
			for(const RichRun& run : part.para.runs)
				if(run.isobject)
					work += HeightUnits(ObjectHeightDots(run.object));
				else
					work += weight * (int64_t)run.text.size() * LineUnits(run.format.height);
			continue;
		}
		const RichTable& t = *part.table;
		int64_t ncols = (int64_t)t.columns.size();
		if(ncols == 0 || t.rows.empty())
			__builtin_trap();
		work += weight * (WORK_TABLE + (int64_t)t.rows.size() * (WORK_ROW + ncols * WORK_CELL));
		work += HeightUnits(SpaceDots(t.format) + (int64_t)t.rows.size() * RowRuleDots(t.format));
		for(const auto& row : t.rows) {
			if((int64_t)row.size() != ncols)
				__builtin_trap();
			for(int64_t c = 0; c < ncols; c++) {
				const RichCellFormat& f = row[c].format;
				work += CellHeightUnits(f);
				int64_t columns = std::min<int64_t>(f.hspan, ncols - c - 1) + 1;
				int64_t inner = std::min(weight * 2 * columns * (f.vspan + 1), MAX_WORK + 1);
				work += Work(row[c].parts, depth + 1, inner);
			}
		}
	}
	return work;
}

} // namespace

// Fontconfig keeps its font cache for the life of the process and never frees it.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
	qputenv("QT_QPA_PLATFORM", "offscreen");
	new QGuiApplication(*argc, *argv); // lives as long as the process
	return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
	RichDoc doc = ParseQTF(String((const char*)data, size));
	if(Work(doc.parts, 0, 1) > MAX_WORK)
		__builtin_trap();
	QTextDocument out;
	BuildQTextDocument(out, doc, Zoom(180, 1400));
	out.setTextWidth(500);
	if(out.size().height() > 8388607) // where Qt 6.4 may no longer finish laying out
		__builtin_trap();
	// Qt trims its font caches from timers; without an event loop they would only grow.
	QCoreApplication::processEvents();
	return 0;
}
