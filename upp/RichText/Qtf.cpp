// QTF reader. Every loop advances through the input and every nesting is bounded, so any
// byte sequence parses to some document.
#include "QtfBudget.h"
#include "QtfScanner.h"

#include <QByteArray>

#include <algorithm>
#include <cctype>
#include <cstring>

namespace Upp {

namespace {

using namespace Qtf;

const int MAX_BRACKETS = 256; // deeper brackets still balance, but keep their parent's format
const int MAX_COLUMNS = 100;
const int MAX_HEIGHT = 10000;

const int predefined_height[10] = { 50, 67, 84, 100, 134, 167, 200, 234, 300, 400 };

struct Format {
	RichCharFormat chr;
	RichParaFormat para;
};

class Parser : Qtf::Scanner {
	enum Stop { STOP_END, STOP_CELL, STOP_PLAINCELL, STOP_TABLE };

	RichDoc& doc;
	Format fmt;
	std::vector<Format> stack;
	int overflow = 0; // brackets opened past MAX_BRACKETS and not yet closed
	Qtf::Budget budget{ *this };

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
		if(!budget.Charge(WORK_TABLE))
			return nullptr;
		std::vector<RichCell> cells;
		for(;;) {
			size_t col = cells.size() % ncols;
			if(col == 0 && !budget.Charge(WORK_ROW + int64(ncols) * WORK_CELL)) // a row is whole or not there
				break;
			RichCell cell;
			cell.format = cf;
			fmt = outer;
			int64 columns = std::min<size_t>(cf.hspan, ncols - col - 1) + 1;
			Stop stop = ParseFlow(cell.parts, depth + 1, budget.Cell(columns, cf.vspan));
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
		if(!budget.ChargeRun(fmt.chr, budget.ObjectUnits(obj.data)))
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
		if(samerun ? !budget.Charge(budget.TextUnits(s, n)) : !budget.ChargeRun(fmt.chr, budget.TextUnits(s, n)))
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
	Stop ParseFlow(std::vector<RichPart>& parts, int depth, const Qtf::Budget::Flow& inner)
	{
		size_t base = stack.size();
		int obase = overflow;
		Qtf::Budget::Flow outer = budget.Enter(inner);
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
			budget.EndParagraph();
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
					open = budget.Charge(WORK_PARAGRAPH); // the one that starts here
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
					unsigned cp = ReadCodePoint();
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
		budget.Leave(outer);
		return stop;
	}

public:
	Parser(const char* qtf, RichDoc& doc) : Scanner(qtf), doc(doc) {}

	void Run()
	{
		budget.Charge(WORK_PARAGRAPH, 1);
		ParseFlow(doc.parts, 0, Qtf::Budget::Flow());
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
