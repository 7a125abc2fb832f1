// QTF reader. Every loop advances through the input and every nesting is bounded, so any
// byte sequence parses to some document.
#include "RichText.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <set>
#include <tuple>

namespace Upp {

namespace {

const int MAX_BRACKETS = 256;  // deeper brackets still balance, but keep their parent's format
const int MAX_TABLE_DEPTH = 8; // a deeper "{{" is plain text
const int MAX_COLUMNS = 100;
const int MAX_NUMBER = 100000; // dots, ratios and spans alike
const int MAX_HEIGHT = 10000;

// Depth alone does not bound Qt's layout time. Qt lays out what a table cell holds twice, to size
// the columns and to fill them, and a table in a cell that spans columns or rows once more for each
// of them: eight tables nested in cells spanning three columns took it 7 s, two in cells spanning a
// hundred columns 1 s. Long words, tabs and many runs in a paragraph cost it more than their bytes.
// So the reader charges what it produces against a budget, weighted by where it stands, in units of
// about what Qt takes for a byte of plain text (Qt 6.4: 0.15 us as the fuzz target lays out, two or
// three times that in the view), and leaves out the rest of the input where the budget runs out.
// Spent in any one way, the budget takes Qt at most some 30 ms to lay out as the fuzz target does,
// 80 ms in the view; the program's largest topic costs 16 500 units.
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

const int predefined_height[10] = { 50, 67, 84, 100, 134, 167, 200, 234, 300, 400 };

RichColor PredefinedColor(int i)
{
	static const byte rgb[10][3] = {
		{ 0, 0, 0 },   { 192, 192, 192 }, { 255, 255, 255 }, { 128, 0, 0 },   { 0, 128, 0 },
		{ 0, 0, 128 }, { 255, 0, 0 },     { 238, 238, 238 }, { 0, 255, 255 }, { 255, 255, 0 },
	};
	return RichColor::Rgb(rgb[i][0], rgb[i][1], rgb[i][2]);
}

bool NamedColor(int c, RichColor& out)
{
	static const struct {
		char letter;
		byte r, g, b;
	} named[] = {
		{ 'b', 0, 0, 128 },     { 'c', 0, 128, 128 },   { 'g', 0, 128, 0 },   { 'k', 0, 0, 0 },
		{ 'l', 192, 192, 192 }, { 'm', 128, 0, 255 },   { 'o', 128, 128, 0 }, { 'r', 128, 0, 0 },
		{ 'y', 255, 255, 0 },   { 'B', 0, 0, 255 },     { 'C', 0, 255, 255 }, { 'G', 0, 255, 0 },
		{ 'K', 128, 128, 128 }, { 'L', 238, 238, 238 }, { 'M', 255, 0, 255 }, { 'W', 255, 255, 255 },
		{ 'R', 255, 0, 0 },     { 'Y', 255, 255, 180 },
	};
	for(const auto& n : named)
		if(n.letter == c) {
			out = RichColor::Rgb(n.r, n.g, n.b);
			return true;
		}
	return false;
}

bool IsDigit(int c) { return c >= '0' && c <= '9'; }

int HexValue(int c)
{
	if(c >= '0' && c <= '9')
		return c - '0';
	if(c >= 'a' && c <= 'f')
		return c - 'a' + 10;
	if(c >= 'A' && c <= 'F')
		return c - 'A' + 10;
	return -1;
}

void AppendUtf8(String& s, unsigned cp)
{
	if(cp < 0x80)
		s += char(cp);
	else if(cp < 0x800) {
		s += char(0xC0 | (cp >> 6));
		s += char(0x80 | (cp & 0x3F));
	}
	else if(cp < 0x10000) {
		s += char(0xE0 | (cp >> 12));
		s += char(0x80 | ((cp >> 6) & 0x3F));
		s += char(0x80 | (cp & 0x3F));
	}
	else {
		s += char(0xF0 | (cp >> 18));
		s += char(0x80 | ((cp >> 12) & 0x3F));
		s += char(0x80 | ((cp >> 6) & 0x3F));
		s += char(0x80 | (cp & 0x3F));
	}
}

struct Format {
	RichCharFormat chr;
	RichParaFormat para;
};

class Parser {
	enum Stop { STOP_END, STOP_CELL, STOP_PLAINCELL, STOP_TABLE };

	String text; // the input without the ignored bytes 2..31
	const char* p;
	const char* end;
	RichDoc& doc;
	Format fmt;
	std::vector<Format> stack;
	int overflow = 0;      // brackets opened past MAX_BRACKETS and not yet closed
	int64 work = MAX_WORK; // what is left of the budget
	struct Flow {          // the document or a cell, as far as the budget is concerned
		int64 weight = 1;  // times Qt lays out what stands here
		int64 byte = 1;    // units a byte of text costs
		int64 wordscale = WORD_SCALE;
		int64 word = 0; // bytes since the last space
		int64 runs = 0; // of the paragraph under way
	} flow;
	std::set<std::tuple<int, String, int, bool, bool>> fonts; // already paid for
	std::set<String> faces;

	static int64 Weigh(int64 weight, int64 factor) { return std::min(weight * factor, MAX_WORK + 1); }

	// False, leaving out the rest of the input, when the budget cannot pay.
	bool Charge(int64 units, int64 at)
	{
		if(units <= work && units * at <= work) {
			work -= units * at;
			return true;
		}
		work = 0;
		p = end;
		return false;
	}

	// A run in a format of its own; Qt finds its font once, however often it lays the run out.
	bool ChargeRun(const RichCharFormat& f, int64 units)
	{
		int64 font = 0;
		if(fonts.emplace(f.face, f.facename, f.height, f.bold, f.italic).second)
			font += WORK_FONT;
		if(f.face == RichCharFormat::NAMED && faces.insert(f.facename).second)
			font += WORK_FACE;
		return Charge(font, 1) && Charge(WORK_RUN + flow.runs++ / RUN_SCALE + units, flow.weight);
	}

	// The header tells the size; when nothing can read it, the bytes stand for the pixels.
	static int64 PictureUnits(const String& data)
	{
		QByteArray bytes = QByteArray::fromRawData(data.data(), (qsizetype)data.size());
		QBuffer buffer(&bytes);
		buffer.open(QIODevice::ReadOnly);
		QSize size = QImageReader(&buffer).size();
		int64 pixels = size.isValid() ? int64(size.width()) * size.height() : int64(data.size());
		return WORK_OBJECT + pixels / PIXELS_PER_UNIT;
	}

	int64 TextUnits(const char* s, size_t n)
	{
		int64 units = 0;
		for(size_t i = 0; i < n && units <= work; i++) {
			flow.word = s[i] == ' ' ? 0 : flow.word + 1;
			units += flow.byte + flow.word / flow.wordscale + (s[i] == '\t' ? WORK_TAB : 0);
		}
		return units;
	}

	int Peek(int i = 0) const { return p + i < end ? (byte)p[i] : 0; }

	int ReadInt(bool sign = false)
	{
		bool neg = false;
		if(sign && Peek() == '-' && IsDigit(Peek(1))) {
			neg = true;
			p++;
		}
		int n = 0;
		while(IsDigit(Peek())) {
			n = std::min(n * 10 + (*p++ - '0'), MAX_NUMBER);
		}
		return neg ? -n : n;
	}

	// Text up to an unescaped `term`, which is consumed.
	String ReadText(int term)
	{
		String s;
		while(p < end) {
			int c = (byte)*p++;
			if(c == term)
				break;
			if(c == '`' && p < end)
				c = (byte)*p++;
			if(c != 1)
				s += char(c);
		}
		return s;
	}

	bool ReadColor(RichColor& c)
	{
		int ch = Peek();
		if(IsDigit(ch)) {
			p++;
			c = PredefinedColor(ch - '0');
			return true;
		}
		if(ch == 'N') {
			p++;
			c = RichColor();
			return true;
		}
		if(ch == '(') {
			p++;
			int v[3] = { 0, 0, 0 };
			int n = 0;
			for(;;) {
				int x = std::min(ReadInt(), 255);
				if(n < 3)
					v[n++] = x;
				if(Peek() != '.')
					break;
				p++;
			}
			if(Peek() == ')')
				p++;
			c = n < 3 ? RichColor::Rgb(v[0], v[0], v[0]) : RichColor::Rgb(v[0], v[1], v[2]);
			return true;
		}
		if(NamedColor(ch, c)) {
			p++;
			return true;
		}
		return false;
	}

	void Push()
	{
		if((int)stack.size() < MAX_BRACKETS)
			stack.push_back(fmt);
		else
			overflow++;
	}

	void Pop()
	{
		if(overflow)
			overflow--;
		else if(!stack.empty()) {
			fmt = std::move(stack.back());
			stack.pop_back();
		}
	}

	// Closes what a cell or the document left open, without touching the brackets around it.
	void Unwind(size_t base, int obase)
	{
		overflow = obase;
		while(stack.size() > base) {
			fmt = std::move(stack.back());
			stack.pop_back();
		}
	}

	const RichStyle* FindStyle(int number, const String* name) const
	{
		for(auto it = doc.styles.rbegin(); it != doc.styles.rend(); ++it)
			if(name ? it->name == *name : it->number == number)
				return &*it;
		return nullptr;
	}

	void UseStyle(int number, const String* name)
	{
		const RichStyle* s = FindStyle(number, name);
		if(!s)
			s = FindStyle(0, nullptr);
		if(s) {
			fmt.chr = s->charformat;
			fmt.para = s->paraformat;
			fmt.para.style = s->number;
		}
		else {
			fmt = Format();
			fmt.para.style = number;
		}
	}

	// "$$n,next#uuid:name]" after the formatting of the style.
	void ParseStyleDef()
	{
		RichStyle s;
		s.number = ReadInt();
		if(Peek() == ',') {
			p++;
			s.next = ReadInt();
		}
		if(Peek() == '#') {
			p++;
			while(HexValue(Peek()) >= 0)
				s.uuid += char(*p++);
		}
		if(Peek() == ':')
			p++;
		s.name = ReadText(']');
		s.charformat = fmt.chr;
		s.paraformat = fmt.para;
		s.paraformat.style = s.number;
		auto same = std::find_if(doc.styles.begin(), doc.styles.end(),
								 [&](const RichStyle& x) { return x.number == s.number; });
		if(same != doc.styles.end())
			*same = std::move(s);
		else
			doc.styles.push_back(std::move(s));
	}

	void ParseTabs()
	{
		if(Peek() == '~') { // "~~" drops every tab set so far
			p++;
			fmt.para.tabs.clear();
			return;
		}
		RichTab tab;
		if(Peek() == '<')
			p++;
		else if(Peek() == '>' && !IsDigit(Peek(1))) {
			p++;
			tab.align = RichTab::RIGHT;
		}
		else if(Peek() == '=') {
			p++;
			tab.align = RichTab::CENTER;
		}
		if(Peek() == '.' || Peek() == '-' || Peek() == '_')
			p++; // filler
		if(Peek() == '>')
			p++; // from the right edge; kept as a plain position
		tab.pos = ReadInt();
		if(fmt.para.tabs.size() < 64)
			fmt.para.tabs.push_back(tab);
	}

	void SkipHeaderFooter() // "qtf^^qtf^^"
	{
		for(int i = 0; i < 2 && p < end; i++)
			while(p < end) {
				if(*p == '`' && p + 1 < end) {
					p += 2;
					continue;
				}
				if(*p == '^' && Peek(1) == '^') {
					p += 2;
					break;
				}
				p++;
			}
	}

	// The formatting after '['. Returns true when it was a style definition, which has
	// then consumed its closing ']'.
	bool ParseFormat()
	{
		RichCharFormat& c = fmt.chr;
		RichParaFormat& a = fmt.para;
		while(p < end) {
			int ch = (byte)*p++;
			switch(ch) {
			case ' ':
				if(Peek() == '$' && Peek(1) == '$') { // a style definition stands in for the text
					p += 2;
					ParseStyleDef();
					return true;
				}
				return false;
			case ']': p--; return false;
			case '*': c.bold = !c.bold; break;
			case '/': c.italic = !c.italic; break;
			case '_': c.underline = !c.underline; break;
			case '-': c.strikeout = !c.strikeout; break;
			case 'c': c.capitals = !c.capitals; break;
			case 'd': c.dashed = !c.dashed; break;
			case '`':
				c.script =
					c.script == RichCharFormat::SUPERSCRIPT ? RichCharFormat::NORMAL : RichCharFormat::SUPERSCRIPT;
				break;
			case ',':
				c.script = c.script == RichCharFormat::SUBSCRIPT ? RichCharFormat::NORMAL : RichCharFormat::SUBSCRIPT;
				break;
			case '^': c.link = ReadText('^'); break;
			case 'I': ReadText(';'); break;
			case '+': c.height = std::clamp(ReadInt(), 1, MAX_HEIGHT); break;
			case '@': ReadColor(c.ink); break;
			case '$': ReadColor(c.paper); break;
			case 'A': c.face = RichCharFormat::SANS; break;
			case 'R': c.face = RichCharFormat::SERIF; break;
			case 'C': c.face = RichCharFormat::MONO; break;
			case 'G':
			case 'g': c.face = RichCharFormat::GUI; break;
			case 'S': c.face = RichCharFormat::SYMBOL; break;
			case '.': ReadInt(); break; // font by number: no table of them here
			case '!':
				c.facename = ReadText('!');
				c.face = RichCharFormat::NAMED;
				break;
			case '{': ReadText('}'); break; // charset: the text is UTF-8 regardless
			case '%':
				if(Peek() == '-' || Peek() == '%')
					c.lang = *p++ == '%' ? "EN-US" : "";
				else {
					String l;
					while(l.size() < 5 && (isalnum(Peek()) || (Peek() == '-' && l.size() == 2)))
						l += char(*p++);
					c.lang = l;
				}
				break;
			case ':': a.label = ReadText(':'); break;
			case '<': a.align = RichParaFormat::LEFT; break;
			case '=': a.align = RichParaFormat::CENTER; break;
			case '>': a.align = RichParaFormat::RIGHT; break;
			case '#': a.align = RichParaFormat::JUSTIFY; break;
			case 'l': a.lm = ReadInt(); break;
			case 'r': a.rm = ReadInt(); break;
			case 'i': a.indent = ReadInt(true); break;
			case 'b': a.before = ReadInt(); break;
			case 'a': a.after = ReadInt(); break;
			case 'p':
				switch(Peek()) {
				case 'n':
					a.linespacing = 100;
					p++;
					break;
				case 'w':
					a.linespacing = 115;
					p++;
					break;
				case 'h':
					a.linespacing = 150;
					p++;
					break;
				case 'd':
					a.linespacing = 200;
					p++;
					break;
				}
				break;
			case 'H':
			case 'L': ReadInt(); break; // ruler
			case 'h': {
				RichColor ruler;
				ReadColor(ruler);
				break;
			}
			case 'n':
			case 'm': ReadText(';'); break; // numbering texts
			case 'N':
				for(int i = 0; i < 8 && strchr("-10aAiI", Peek()) && Peek(); i++)
					p++;
				if(Peek() == '!')
					p++;
				break;
			case 'O':
				if(Peek() && strchr("_0123456789", Peek()))
					p++;
				break;
			case 't':
				if(Peek() == 'P') {
					p++;
					SkipHeaderFooter();
				}
				else
					ReadInt();
				break;
			case '~': ParseTabs(); break;
			case 's':
				if(Peek() == '"') {
					p++;
					String name = ReadText('"');
					UseStyle(0, &name);
				}
				else
					UseStyle(ReadInt(), nullptr);
				break;
			default:
				if(IsDigit(ch))
					c.height = predefined_height[ch - '0'];
				break; // ';' and anything unknown
			}
		}
		return false;
	}

	// "number/number", "number" or "/number": border, then margin.
	void ReadBorderMargin(RichCellFormat& f, std::initializer_list<int> sides)
	{
		if(IsDigit(Peek())) {
			int b = ReadInt();
			for(int s : sides)
				f.border[s] = b;
		}
		if(Peek() == '/') {
			p++;
			int m = ReadInt();
			for(int s : sides)
				f.margin[s] = m;
		}
	}

	void ParseTableFormat(RichTableFormat& t, RichCellFormat& f)
	{
		while(p < end) {
			int ch = Peek();
			if(ch == '[' || ch == ']' || ((ch == ':' || ch == '}' || ch == '|') && Peek(1) == ch))
				return;
			p++;
			switch(ch) {
			case ' ': return;
			case '<': t.lm = ReadInt(); break;
			case '>': t.rm = ReadInt(); break;
			case 'B': t.before = ReadInt(); break;
			case 'A': t.after = ReadInt(); break;
			case 'f': t.frame = ReadInt(); break;
			case 'F': ReadColor(t.framecolor); break;
			case 'g': t.grid = ReadInt(); break;
			case 'G': ReadColor(t.gridcolor); break;
			case 'h': t.header = ReadInt(); break;
			case '~': t.frame = t.grid = 0; break;
			case '*':
				t.frame = t.grid = 0;
				for(int i = 0; i < 4; i++)
					f.border[i] = f.margin[i] = 0;
				break;
			case '^': f.valign = RichCellFormat::TOP; break;
			case '=': f.valign = RichCellFormat::MIDDLE; break;
			case 'v': f.valign = RichCellFormat::BOTTOM; break;
			case 'l': ReadBorderMargin(f, { 0 }); break;
			case 't': ReadBorderMargin(f, { 1 }); break;
			case 'r': ReadBorderMargin(f, { 2 }); break;
			case 'b': ReadBorderMargin(f, { 3 }); break;
			case 'a': ReadBorderMargin(f, { 0, 1, 2, 3 }); break;
			case '@': ReadColor(f.paper); break;
			case 'R': ReadColor(f.bordercolor); break;
			case '!': f = RichCellFormat(); break;
			case 'H': f.minheight = ReadInt(); break;
			case '-': f.hspan = ReadInt(); break;
			case '|': f.vspan = ReadInt(); break;
			case 'T': SkipHeaderFooter(); break;
			default: break; // ';', 'k', 'K', 'o', 'P' and anything unknown
			}
		}
	}

	// Null when the budget cannot pay for the table and its first row.
	std::shared_ptr<RichTable> ParseTable(int depth)
	{
		auto table = std::make_shared<RichTable>();
		while(IsDigit(Peek())) {
			int ratio = ReadInt();
			if((int)table->columns.size() < MAX_COLUMNS)
				table->columns.push_back(ratio);
			if(Peek() == ':' && Peek(1) != ':')
				p++;
		}
		if(table->columns.empty())
			table->columns.push_back(1);
		Format outer = fmt;
		size_t base = stack.size();
		int obase = overflow;
		RichCellFormat cf;
		ParseTableFormat(table->format, cf);
		size_t ncols = table->columns.size();
		if(!Charge(WORK_TABLE, flow.weight))
			return nullptr;
		std::vector<RichCell> cells;
		for(;;) {
			size_t col = cells.size() % ncols;
			if(col == 0 && !Charge(WORK_ROW + int64(ncols) * WORK_CELL, flow.weight)) // a row is whole or not there
				break;
			RichCell cell;
			cell.format = cf;
			fmt = outer;
			Flow inner;
			int64 columns = std::min<size_t>(cf.hspan, ncols - col - 1) + 1;
			inner.weight = Weigh(flow.weight, 2 * columns * (int64(cf.vspan) + 1));
			inner.byte = CELL_BYTE;
			inner.wordscale = CELL_WORD_SCALE;
			Stop stop = ParseFlow(cell.parts, depth + 1, inner);
			cells.push_back(std::move(cell));
			cf.hspan = cf.vspan = 0;
			if(stop == STOP_END)
				break;
			p += 2;
			if(stop == STOP_TABLE)
				break;
			if(stop == STOP_CELL)
				ParseTableFormat(table->format, cf);
		}
		Unwind(base, obase);
		fmt = outer;
		if(cells.empty())
			return nullptr;
		for(size_t i = 0; i < cells.size(); i += ncols) {
			std::vector<RichCell> row;
			for(size_t j = i; j < i + ncols; j++)
				row.push_back(j < cells.size() ? std::move(cells[j]) : RichCell());
			table->rows.push_back(std::move(row));
		}
		return table;
	}

	// "@@type:cx&cy" or "@@type:cx*cy", an optional "/offset", then the data.
	void ParseObject(RichPara& para)
	{
		RichObject obj;
		while(isalnum(Peek()) || Peek() == '_')
			obj.type += char(*p++);
		if(Peek() == ':')
			p++;
		obj.cx = ReadInt();
		if(Peek() == '&' || Peek() == '*')
			p++;
		obj.cy = ReadInt();
		if(Peek() == '/') {
			p++;
			ReadInt(true);
		}
		if(Peek() == '`') {
			p++;
			while(p < end) {
				if(*p == '`') {
					if(Peek(1) != '`') {
						p++;
						break;
					}
					p++;
				}
				obj.data += *p++;
			}
		}
		else if(Peek() == '(') {
			p++;
			const char* b = p;
			while(p < end && *p != ')')
				p++;
			QByteArray raw = QByteArray::fromBase64(QByteArray(b, int(p - b)));
			obj.data.assign(raw.constData(), raw.size());
			if(p < end)
				p++;
		}
		else {
			// 7 data bytes in 8 bytes of 128..255; the first holds their top bits.
			while(Peek() >= 128) {
				int top = *p++ & 0x7F;
				for(int i = 0; i < 7 && Peek() >= 128; i++)
					obj.data += char((*p++ & 0x7F) | (((top >> i) & 1) << 7));
			}
		}
		if(!ChargeRun(fmt.chr, PictureUnits(obj.data) + flow.byte + ++flow.word / flow.wordscale))
			return;
		RichRun run;
		run.format = fmt.chr;
		run.isobject = true;
		run.object = std::move(obj);
		if(para.runs.empty())
			para.format = fmt.para;
		para.runs.push_back(std::move(run));
	}

	void AddText(RichPara& para, const char* s, size_t n)
	{
		bool samerun = !para.runs.empty() && !para.runs.back().isobject && para.runs.back().format == fmt.chr;
		if(samerun ? !Charge(TextUnits(s, n), flow.weight) : !ChargeRun(fmt.chr, TextUnits(s, n)))
			return;
		if(para.runs.empty())
			para.format = fmt.para;
		else {
			RichRun& last = para.runs.back();
			if(!last.isobject && last.format == fmt.chr) {
				last.text.append(s, n);
				return;
			}
		}
		RichRun run;
		run.format = fmt.chr;
		run.text.assign(s, n);
		para.runs.push_back(std::move(run));
	}

	void AddChar(RichPara& para, char c) { AddText(para, &c, 1); }

	// Paragraphs and tables up to the end of the input or, inside a table, of the cell. The caller
	// has paid for the first paragraph.
	Stop ParseFlow(std::vector<RichPart>& parts, int depth, const Flow& inner)
	{
		size_t base = stack.size();
		int obase = overflow;
		Flow outer = flow;
		flow = inner;
		RichPara para;
		bool open = true;       // a paragraph is under way, even an empty one
		bool separator = false; // a '&' right after a table only separates it from what follows
		auto flush = [&] {
			if(para.runs.empty())
				para.format = fmt.para;
			para.endformat = fmt.chr;
			RichPart part;
			part.para = std::move(para);
			parts.push_back(std::move(part));
			para = RichPara();
			flow.word = flow.runs = 0;
		};
		Stop stop = STOP_END;
		while(p < end) {
			int c = (byte)*p;
			if(depth > 0 && Peek(1) == c) {
				if(c == ':') {
					stop = STOP_CELL;
					break;
				}
				if(c == '|') {
					stop = STOP_PLAINCELL;
					break;
				}
				if(c == '}') {
					stop = STOP_TABLE;
					break;
				}
			}
			p++;
			switch(c) {
			case '[':
				Push();
				if(ParseFormat()) {
					bool toplevel = stack.size() == 1 && !overflow;
					Pop();
					if(toplevel && !doc.styles.empty() && doc.styles.back().number == 0)
						UseStyle(0, nullptr);
				}
				break;
			case ']':
				if(stack.size() > base || overflow > obase)
					Pop();
				break;
			case '&':
				if(!open && separator)
					separator = false;
				else {
					flush();
					open = Charge(WORK_PARAGRAPH, flow.weight); // the one that starts here
				}
				break;
			case '{':
				if(Peek() == '{' && depth < MAX_TABLE_DEPTH) {
					p++;
					if(!para.runs.empty()) {
						flush();
						open = false;
					}
					if(std::shared_ptr<RichTable> table = ParseTable(depth)) {
						RichPart part;
						part.table = std::move(table);
						parts.push_back(std::move(part));
						para = RichPara();
						open = false;
						separator = true;
					}
				}
				else if(Peek() == ':') { // a field: evaluated by its owner, nothing to show here
					while(p < end && !(*p == ':' && Peek(1) == '}'))
						p++;
					p = std::min(p + 2, end);
				}
				else
					AddChar(para, '{');
				break;
			case '`':
				if(p < end)
					AddChar(para, *p++);
				break;
			case 1: {
				const char* b = p;
				while(p < end && *p != 1)
					p++;
				if(p > b)
					AddText(para, b, p - b);
				if(p < end)
					p++;
				break;
			}
			case '-':
				if(Peek() == '|') {
					p++;
					AddChar(para, '\t');
				}
				else
					AddChar(para, '-');
				break;
			case '_': AddText(para, "\xC2\xA0", 2); break;
			case '@':
				if(Peek() == '@') {
					p++;
					ParseObject(para);
				}
				else if(Peek() == '$') {
					p++;
					unsigned cp = 0;
					for(int i = 0; i < 8 && HexValue(Peek()) >= 0; i++)
						cp = cp * 16 + HexValue(*p++);
					if(Peek() == ';')
						p++;
					if(cp && cp <= 0x10FFFF && (cp < 0xD800 || cp > 0xDFFF)) {
						String u;
						AppendUtf8(u, cp);
						AddText(para, u.data(), u.size());
					}
				}
				else
					AddChar(para, '@');
				break;
			default: AddChar(para, char(c)); break;
			}
			if(!para.runs.empty()) {
				open = true;
				separator = false;
			}
		}
		Unwind(base, obase);
		if(open)
			flush();
		flow = outer;
		return stop;
	}

public:
	Parser(const char* qtf, RichDoc& doc) : doc(doc)
	{
		for(const char* s = qtf; s && *s; s++)
			if((byte)*s == 1 || (byte)*s >= 32)
				text += *s;
		p = text.data();
		end = p + text.size();
	}

	void Run()
	{
		Charge(WORK_PARAGRAPH, 1);
		ParseFlow(doc.parts, 0, Flow());
	}
};

} // namespace

RichDoc ParseQTF(const char* qtf)
{
	RichDoc doc;
	Parser(qtf, doc).Run();
	return doc;
}

RichDoc ParseQTF(const String& qtf) { return ParseQTF(qtf.c_str()); }

} // namespace Upp
