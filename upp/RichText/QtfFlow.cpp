// The flow of the document or of a cell: paragraphs, their text and objects, and tables.
#include "QtfParser.h"

#include <QByteArray>

#include <algorithm>
#include <cctype>

namespace Upp::Qtf {

// "@@type:cx&cy" or "@@type:cx*cy", an optional "/offset", then the data.
void Parser::ParseObject(RichPara& para)
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

void Parser::AddText(RichPara& para, const char* s, size_t n)
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

void Parser::AddChar(RichPara& para, char c) { AddText(para, &c, 1); }

// Paragraphs and tables up to the end of the input or, inside a table, of the cell. The caller
// has paid for the first paragraph.
Parser::Stop Parser::ParseFlow(std::vector<RichPart>& parts, int depth, const Budget::Flow& inner)
{
	size_t base = stack.size();
	int obase = overflow;
	Budget::Flow outer = budget.Enter(inner);
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

} // namespace Upp::Qtf
