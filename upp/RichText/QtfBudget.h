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
// letters 5000 dots high took it 5 s, 30 s in the view. Tall text is also tall: Qt 6.4 never
// finishes laying out a document taller than 8 388 607 pixels.
// So the reader charges what it produces against a budget, weighted by where it stands, in units of
// about what Qt takes for a byte of plain text (Qt 6.4: 0.15 us as the fuzz target lays out, two or
// three times that in the view), and leaves out the rest of the input where the budget runs out.
// Spent in any one way, the budget takes Qt at most some 40 ms to lay out as the fuzz target does,
// 110 ms in the view (with 133 fonts), but for paragraph margins wider than the page, which give
// each word a line of its own (90 ms, 240 ms); its text stays under 8 000 000 pixels of height.
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
const int HEIGHT_UNIT = 100;    // dots of text height a unit pays for: 39 pixels at most, double spaced
const int WORK_ITEM = 30;       // a change of script or direction, a piece Qt shapes apart and, in a
const int ITEM_BYTES = 16;      // word, looks through again for every line, as it does these bytes

// Units a byte of text `height` dots high costs at the least, as it may take a line of its own.
inline int64 LineUnits(int height) { return (std::max(height, HEIGHT_UNIT) + HEIGHT_UNIT - 1) / HEIGHT_UNIT; }

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

	// Text in format `f`.
	int64 TextUnits(const RichCharFormat& f, const char* s, size_t n);
	// A picture stands in its paragraph as one more byte of the word it is in.
	int64 ObjectUnits(const String& data);

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
