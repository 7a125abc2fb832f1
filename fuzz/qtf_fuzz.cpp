// QTF from arbitrary bytes: the reader always yields a well-formed document, and that
// document converts to a laid-out QTextDocument without fault.
#include <RichText/RichText.h>

#include <QGuiApplication>
#include <QTextDocument>

using namespace Upp;

namespace {

void CheckParts(const std::vector<RichPart>& parts, int depth)
{
	if(depth > 8) // the reader nests at most eight tables
		__builtin_trap();
	for(const RichPart& part : parts) {
		if(!part.table)
			continue;
		const RichTable& t = *part.table;
		if(t.columns.empty())
			__builtin_trap();
		for(const auto& row : t.rows) {
			if(row.size() != t.columns.size())
				__builtin_trap();
			for(const RichCell& cell : row)
				CheckParts(cell.parts, depth + 1);
		}
	}
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
	CheckParts(doc.parts, 0);
	QTextDocument out;
	BuildQTextDocument(out, doc, Zoom(180, 1400));
	out.setTextWidth(500);
	(void)out.size();
	// Qt trims its font caches from timers; without an event loop they would only grow.
	QCoreApplication::processEvents();
	return 0;
}
