// The flow of the document or of a cell: paragraphs, their text and objects, and tables.
#include "QtfParser.h"

#include <algorithm>
#include <cctype>

namespace Upp::Qtf {

// A flow under way: where its parts go and the paragraph it is filling.
struct Parser::Body {
	Body(std::vector<RichPart>& parts, int depth, size_t base, int obase)
		: parts(parts), depth(depth), base(base), obase(obase)
	{}

	std::vector<RichPart>& parts;
	int depth;
	size_t base; // the brackets around the flow, which it does not close
	int obase;
	RichPara para;
	bool open = true;       // a paragraph is under way, even an empty one
	bool separator = false; // a '&' right after a table only separates it from what follows
};

// Paragraphs and tables up to the end of the input or, inside a table, of the cell. The caller
// has paid for the first paragraph.
Parser::Stop Parser::ParseFlow(std::vector<RichPart>& parts, int depth, const Budget::Flow& inner)
{
	Body body(parts, depth, stack.size(), overflow);
	Budget::Flow outer = budget.Enter(inner);
	Stop stop = STOP_END;
	while(p < end) {
		if(depth > 0 && (stop = CellEnd()) != STOP_END)
			break;
		ParseFlowItem(body);
		if(!body.para.runs.empty()) {
			body.open = true;
			body.separator = false;
		}
	}
	Unwind(body.base, body.obase);
	if(body.open)
		Flush(body);
	budget.Leave(outer);
	return stop;
}

// "::", "||" or "}}"; STOP_END for anything else.
Parser::Stop Parser::CellEnd() const
{
	int c = Peek();
	if(Peek(1) != c)
		return STOP_END;
	switch(c) {
	case ':': return STOP_CELL;
	case '|': return STOP_PLAINCELL;
	case '}': return STOP_TABLE;
	default: return STOP_END;
	}
}

// One command or character.
void Parser::ParseFlowItem(Body& body)
{
	int c = (byte)*p++;
	switch(c) {
	case '[': ParseBracket(); break;
	case ']':
		if(stack.size() > body.base || overflow > body.obase)
			Pop();
		break;
	case '&': EndParagraph(body); break;
	case '{': ParseBrace(body); break;
	case '`':
		if(p < end)
			AddChar(body.para, *p++);
		break;
	case 1: AddEscaped(body.para); break;
	case '-': AddDashOrTab(body.para); break;
	case '_': AddText(body.para, "\xC2\xA0", 2); break;
	case '@': ParseAt(body.para); break;
	default: AddChar(body.para, char(c)); break;
	}
}

// An empty paragraph the budget cannot give its space above and below is left out.
void Parser::Flush(Body& body)
{
	RichPara& para = body.para;
	if(!para.runs.empty() || TakeFormat(para)) {
		para.endformat = fmt.chr;
		RichPart part;
		part.para = std::move(para);
		body.parts.push_back(std::move(part));
	}
	para = RichPara();
	budget.EndParagraph();
}

// The paragraph takes up the format under way, with its first run or, empty, as it ends; false,
// leaving it without, when the budget cannot pay for the space above and below it.
bool Parser::TakeFormat(RichPara& para)
{
	if(!budget.ChargeHeight(SpaceDots(fmt.para)))
		return false;
	para.format = fmt.para;
	return true;
}

void Parser::EndParagraph(Body& body)
{
	if(!body.open && body.separator)
		body.separator = false;
	else {
		Flush(body);
		// the one that starts here, whose line may be tall
		body.open = budget.Charge(std::max<int64>(WORK_PARAGRAPH, LineUnits(fmt.chr.height)));
	}
}

// "{{" starts a table, "{:" a field; any other '{' is text.
void Parser::ParseBrace(Body& body)
{
	if(Peek() == '{' && body.depth < MAX_TABLE_DEPTH) {
		p++;
		AddTable(body);
	}
	else if(Peek() == ':') // a field: evaluated by its owner, nothing to show here
		SkipField();
	else
		AddChar(body.para, '{');
}

void Parser::AddTable(Body& body)
{
	if(!body.para.runs.empty()) {
		Flush(body);
		body.open = false;
	}
	if(std::shared_ptr<RichTable> table = ParseTable(body.depth)) {
		RichPart part;
		part.table = std::move(table);
		body.parts.push_back(std::move(part));
		body.para = RichPara();
		body.open = false;
		body.separator = true;
	}
}

// "@@" starts an object, "@$" a code point; any other '@' is text.
void Parser::ParseAt(RichPara& para)
{
	if(Peek() == '@') {
		p++;
		ParseObject(para);
	}
	else if(Peek() == '$') {
		p++;
		AddCodePoint(para);
	}
	else
		AddChar(para, '@');
}

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
	obj.data = ReadObjectData();
	if((para.runs.empty() && !TakeFormat(para)) || !budget.ChargeObject(fmt.chr, obj))
		return;
	RichRun run;
	run.format = fmt.chr;
	run.isobject = true;
	run.object = std::move(obj);
	para.runs.push_back(std::move(run));
}

// Zero, a surrogate or a number past Unicode adds nothing.
void Parser::AddCodePoint(RichPara& para)
{
	unsigned cp = ReadCodePoint();
	if(cp && cp <= 0x10FFFF && (cp < 0xD800 || cp > 0xDFFF)) {
		String u;
		AppendUtf8(u, cp);
		AddText(para, u.data(), u.size());
	}
}

// Byte 1 up to the next: text whatever it holds.
void Parser::AddEscaped(RichPara& para)
{
	const char* b = p;
	while(p < end && *p != 1)
		p++;
	if(p > b)
		AddText(para, b, p - b);
	if(p < end)
		p++;
}

// "-|" is a tab; any other '-' is text.
void Parser::AddDashOrTab(RichPara& para)
{
	if(Peek() == '|') {
		p++;
		AddChar(para, '\t');
	}
	else
		AddChar(para, '-');
}

void Parser::AddText(RichPara& para, const char* s, size_t n)
{
	if(para.runs.empty() && !TakeFormat(para))
		return;
	bool samerun = !para.runs.empty() && !para.runs.back().isobject && para.runs.back().format == fmt.chr;
	int64 units = budget.TextUnits(fmt.chr, s, n);
	if(samerun ? !budget.Charge(units) : !budget.ChargeRun(fmt.chr, units))
		return;
	if(samerun) {
		para.runs.back().text.append(s, n);
		return;
	}
	RichRun run;
	run.format = fmt.chr;
	run.text.assign(s, n);
	para.runs.push_back(std::move(run));
}

void Parser::AddChar(RichPara& para, char c) { AddText(para, &c, 1); }

} // namespace Upp::Qtf
