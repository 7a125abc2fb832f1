// How much layout work the QTF reader lets a text cause: its bounds and the weights it charges.
// The fuzz target recounts a document against these same numbers; nothing else outside
// upp/RichText includes this file.
#ifndef UPP_RICHTEXT_QTFBUDGET_H
#define UPP_RICHTEXT_QTFBUDGET_H

#include "RichText.h"

#include <QStringDecoder>

#include <algorithm>
#include <set>
#include <tuple>

namespace Upp::Qtf {

const int MAX_TABLE_DEPTH = 8; // a deeper "{{" is plain text

// Depth alone does not bound Qt's layout time. Qt lays out what a table cell holds twice, to size
// the columns and to fill them, and a table in a cell that spans columns or rows once more for each
// of them: eight tables nested in cells spanning three columns took it 7 s, two in cells spanning a
// hundred columns 1 s. Long words, tabs and many runs in a paragraph cost it more than their bytes.
// Qt breaks a word too long for a line by looking through the rest of the word for every line, so
// tall letters, fewer to a line, and each change of script or direction, a piece that Qt shapes and
// looks through apart, make a long word dearer still: one word of 15 000 bytes of Latin and Hebrew
// letters 5000 dots high took it 5 s, 30 s in the view. And Qt 6.4 may never finish laying out a
// document taller than 8 388 607 pixels, however little it holds: a thousand paragraphs with space
// above them, tall pictures, or tables whose space, rules and cell margins push the rest down.
// So the reader charges what it produces against a budget, weighted by where it stands, in units of
// about what Qt takes for a byte of plain text (Qt 6.4: 0.15 us as the fuzz target lays out, two or
// three times that in the view), and leaves out the rest of the input where the budget runs out.
// Spent in any one way, the budget takes Qt at most some 40 ms to lay out as the fuzz target does,
// 110 ms in the view (with 133 fonts), but for paragraph margins wider than the page, which give
// each word a line of its own (90 ms, 240 ms).
// Height only adds up, in a cell as anywhere else, so it is charged once wherever it stands: a unit
// for each 100 dots a byte's line may take (HEIGHT_UNIT), and for each 100 dots of space above or
// below a paragraph or table, of rules, cell margins and pictures. At the zoom the program shows
// text with, 180/1400, a unit then pays for at most 39 pixels (a line of letters 100 dots high,
// double spaced), so no document grows past 7 800 000 pixels; the reader does not know the zoom,
// and a text shown larger (the view's zoom and the one it was parsed with multiply) may grow more.
// The program's largest topic costs 16 700 units.
const int64 MAX_WORK = 200000;
const int WORK_PARAGRAPH = 30;
const int WORK_RUN = 40;    // a format of its own
const int WORK_FONT = 200;  // a face, size or weight not used before: Qt makes each font once
const int WORK_FACE = 1500; // a face name Qt looks for among the system's fonts
const int WORK_TAB = 32;
const int WORK_TABLE = 100; // with the paragraph Qt keeps after it
const int WORK_ROW = 50;
const int WORK_CELL = 250; // with its first paragraph
const int WORK_OBJECT = 150;
const int PIXELS_PER_UNIT = 32; // of a picture Qt decodes
const int RUN_SCALE = 64;       // the runs of a paragraph with many cost more,
const int WORD_SCALE = 1024;    // and so do the bytes of a long word, as Qt breaks its lines slower;
const int CELL_WORD_SCALE = 64; // most in a cell, whose column or margins may leave it a
const int CELL_BYTE = 2;        // character wide, with a line for each
const int TALL_WORD = 32;       // or up to this many times more where taller letters need more lines;
const int HEIGHT_UNIT = 100;    // dots of height a unit pays for: of text, 39 pixels at most, double spaced
const int WORK_ITEM = 30;       // a change of script or direction, a piece Qt shapes apart and, in a
const int ITEM_BYTES = 16;      // word, looks through again for every line, as it does these bytes
const int PICTURE_DOTS = 8;     // a pixel of a picture shown without a size of its own, at 180/1400

// Units `dots` of space, rules or picture height cost.
inline int64 HeightUnits(int64 dots) { return (std::max<int64>(dots, 0) + HEIGHT_UNIT - 1) / HEIGHT_UNIT; }

// Units a byte of text `height` dots high costs at the least, as it may take a line of its own.
inline int64 LineUnits(int height) { return HeightUnits(std::max(height, HEIGHT_UNIT)); }

// Above and below.
inline int64 SpaceDots(const RichParaFormat& f) { return int64(f.before) + f.after; }
inline int64 SpaceDots(const RichTableFormat& t) { return int64(t.before) + t.after; }

// The rules above and below each row at their widest; a cell's own are its own height.
inline int64 RowRuleDots(const RichTableFormat& t) { return 2 * int64(std::max(t.frame, t.grid)); }

// A cell's margins and borders above and below its text, but for the first 100 dots, which its
// row's WORK_CELL pays for, as it does for the empty cells that fill up the last row.
inline int64 CellHeightUnits(const RichCellFormat& f)
{
	int64 dots = int64(f.margin[1]) + f.margin[3] + f.border[1] + f.border[3];
	return std::max<int64>(HeightUnits(dots) - 1, 0);
}

// How tall a picture stands: as its size says or, without one, as its pixels, which do not follow
// the zoom, each standing for the dots of one at the program's zoom (PICTURE_DOTS); when nothing
// can read its size, its bytes stand for the pixels.
int64 ObjectHeightDots(const RichObject& obj);

class Scanner;

// What is left of the budget for one text. Where it cannot pay, the reader reads no further.
class Budget {
public:
	struct Flow {         // the document or a cell, as far as the budget is concerned
		int64 weight = 1; // times Qt lays out what stands here
		int64 byte = 1;   // units a byte of text costs
		int64 wordscale = WORD_SCALE;
		int64 tallword = TALL_WORD; // 1 in a cell, whose word scale has a line for each byte already
		int64 word = 0;             // bytes since the last space, and more for each piece
		int64 runs = 0;             // of the paragraph under way
		int script = -1;            // of the piece under way, none before the first letter
		int level = 0;              // its bidi level, as far as telling a change goes
		bool rtl = false;           // the last letter with a direction of its own runs right to left
	};

	explicit Budget(Scanner& input) : input(input) {}

	// False, leaving out the rest of the input, when the budget cannot pay.
	bool Charge(int64 units, int64 at);
	// Laid out as often as the flow under way.
	bool Charge(int64 units) { return Charge(units, flow.weight); }

	// A run in a format of its own; Qt finds its font once, however often it lays the run out.
	bool ChargeRun(const RichCharFormat& f, int64 units);

	// Height, laid out once however often Qt lays out what stands there.
	bool ChargeHeight(int64 dots) { return Charge(HeightUnits(dots), 1); }

	// Text in format `f`.
	int64 TextUnits(const RichCharFormat& f, const char* s, size_t n);
	// A picture stands in its paragraph as one more byte of the word it is in, and as tall as it is.
	bool ChargeObject(const RichCharFormat& f, const RichObject& obj);

	// A cell spanning `columns` columns and `vspan` extra rows, in the flow under way.
	Flow Cell(int64 columns, int vspan) const;

	// Makes `inner` the flow under way; returns the one to restore after it.
	Flow Enter(const Flow& inner);
	void Leave(const Flow& outer) { flow = outer; }

	void EndParagraph();

private:
	Scanner& input;
	QStringDecoder utf8{ QStringDecoder::Utf8 }; // text comes a byte at a time
	int64 work = MAX_WORK;                       // what is left of the budget
	Flow flow;
	std::set<std::tuple<int, String, int, bool, bool>> fonts; // already paid for
	std::set<String> faces;

	bool NewItem(char byte);
	bool NewItem(char32_t c);
};

} // namespace Upp::Qtf

#endif
