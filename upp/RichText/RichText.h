#ifndef UPP_RICHTEXT_RICHTEXT_H
#define UPP_RICHTEXT_RICHTEXT_H

#include <CtrlCore/Ctrl.h>

#include <memory>
#include <vector>

class QTextDocument;
class QTextBrowser;

namespace Upp {

// QTF parsed into a small document model. All dimensions are dots (1/600 inch); the
// conversion to Qt applies the zoom.

struct RichColor {
	int r = 0, g = 0, b = 0;
	bool null = true; // transparent, or "not set"

	static RichColor Rgb(int r, int g, int b) { return RichColor{ r, g, b, false }; }
	bool operator==(const RichColor&) const = default;
};

struct RichCharFormat {
	enum { SANS, SERIF, MONO, GUI, SYMBOL, NAMED };
	enum { NORMAL, SUPERSCRIPT, SUBSCRIPT };
	int face = SANS;
	String facename; // for NAMED
	int height = 84;
	bool bold = false, italic = false, underline = false, strikeout = false, capitals = false, dashed = false;
	int script = NORMAL;
	RichColor ink = RichColor::Rgb(0, 0, 0);
	RichColor paper;
	String link;
	String lang;

	bool operator==(const RichCharFormat&) const = default;
};

struct RichTab {
	enum { RIGHT, LEFT, CENTER };
	int pos = 0;
	int align = RIGHT;
	bool operator==(const RichTab&) const = default;
};

struct RichParaFormat {
	enum { LEFT, CENTER, RIGHT, JUSTIFY };
	int align = LEFT;
	int lm = 0, rm = 0, indent = 0, before = 0, after = 0;
	int linespacing = 100; // percent of the normal line height
	std::vector<RichTab> tabs;
	int style = 0; // number of the style the paragraph refers to
	String label;
};

struct RichObject {
	String type; // "PING" holds a PNG picture; the view draws whatever picture Qt can read
	int cx = 0, cy = 0;
	String data; // decoded bytes
};

struct RichRun {
	RichCharFormat format;
	String text; // UTF-8; tab is '\t', hard space U+00A0
	bool isobject = false;
	RichObject object;
};

struct RichPara {
	RichParaFormat format;
	RichCharFormat endformat; // gives an empty paragraph its height
	std::vector<RichRun> runs;
};

struct RichTable;

struct RichPart { // a paragraph, or a table when `table` is set
	RichPara para;
	std::shared_ptr<RichTable> table;
};

struct RichCellFormat {
	enum { TOP, MIDDLE, BOTTOM };
	int border[4] = { 0, 0, 0, 0 };     // left, top, right, bottom
	int margin[4] = { 25, 15, 25, 15 }; // left, top, right, bottom
	RichColor paper;
	RichColor bordercolor = RichColor::Rgb(0, 0, 0);
	int valign = MIDDLE;
	int minheight = 0;
	int hspan = 0, vspan = 0; // extra columns / rows covered
};

struct RichCell {
	RichCellFormat format;
	std::vector<RichPart> parts;
};

struct RichTableFormat {
	int lm = 0, rm = 0, before = 0, after = 0;
	int frame = 10, grid = 4;
	RichColor framecolor = RichColor::Rgb(0, 0, 0);
	RichColor gridcolor = RichColor::Rgb(0, 0, 0);
	int header = 0;
};

struct RichTable {
	std::vector<int> columns; // width ratios
	RichTableFormat format;
	std::vector<std::vector<RichCell>> rows; // every row has columns.size() cells
};

struct RichStyle {
	int number = 0;
	int next = 0;
	String uuid;
	String name;
	RichCharFormat charformat;
	RichParaFormat paraformat;
};

struct RichDoc {
	std::vector<RichStyle> styles;
	std::vector<RichPart> parts;
};

// Never fails: unknown commands are skipped, unterminated constructs end with the input, and
// what would take Qt too long to lay out is left out from where the reader's bound is reached.
RichDoc ParseQTF(const char* qtf);
RichDoc ParseQTF(const String& qtf);

// Replaces the content of `out` with `doc`, every dimension scaled by `zoom` (dots -> pixels).
void BuildQTextDocument(QTextDocument& out, const RichDoc& doc, Zoom zoom);

// A read-only page showing QTF. Links open through LaunchWebBrowser; the view itself never
// navigates. A view that may scroll shows its text in a QTextBrowser, made when it first has
// text to show. A view without scroll bars (NoSb, as for a one-line link) needs none of the
// browser's machinery: it paints its document itself, shows the pointing hand over a link
// and opens the link a click lands on, but offers no selection and no keyboard navigation.
class RichTextView : public Ctrl {
	class Page;
	Page* page;                      // the control's widget
	QTextBrowser* browser = nullptr; // inside the page once the view scrolls its text
	RichDoc doc;
	Zoom qtfzoom, viewzoom;
	bool scrollbars = true;

	void Rebuild();

public:
	RichTextView();

	// Parses `qtf` with every dimension scaled by `z`; the view zoom then applies on top.
	void SetQTF(const char* qtf, Zoom z = Zoom(1, 1));
	void SetQTF(const String& qtf, Zoom z = Zoom(1, 1)) { SetQTF(qtf.c_str(), z); }

	// 1/1 shows each parsed dot as one pixel.
	RichTextView& SetZoom(Zoom z);

	RichTextView& NoSb(bool b = true);

	String GetPlainText() const;
	QTextDocument* GetQTextDocument() const;
};

class RichTextCtrl : public RichTextView {};

} // namespace Upp

#endif
