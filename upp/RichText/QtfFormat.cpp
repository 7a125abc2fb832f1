// What stands in brackets: character and paragraph formatting, tabs, and the styles it defines
// and uses.
#include "QtfParser.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace Upp::Qtf {

const int MAX_HEIGHT = 10000;

const int predefined_height[10] = { 50, 67, 84, 100, 134, 167, 200, 234, 300, 400 };

namespace {

void ToggleScript(int& script, int to) { script = script == to ? RichCharFormat::NORMAL : to; }

} // namespace

// '[' and its formatting. A style definition has closed its bracket already; at the top level,
// with the default style (number 0) last in the list, the text takes up its format.
void Parser::ParseBracket()
{
	Push();
	if(ParseFormat()) {
		bool toplevel = stack.size() == 1 && !overflow;
		Pop();
		if(toplevel && !doc.styles.empty() && doc.styles.back().number == 0)
			UseStyle(0, nullptr);
	}
}

// The formatting after '['. Returns true when it was a style definition, which has
// then consumed its closing ']'.
bool Parser::ParseFormat()
{
	while(p < end) {
		int ch = (byte)*p++;
		if(ch == ' ') {
			if(Peek() == '$' && Peek(1) == '$') { // a style definition stands in for the text
				p += 2;
				ParseStyleDef();
				return true;
			}
			return false;
		}
		if(ch == ']') {
			p--;
			return false;
		}
		if(!ParseCharFormat(ch))
			ParseParaFormat(ch);
	}
	return false;
}

// False when `ch` sets no character format.
bool Parser::ParseCharFormat(int ch)
{
	RichCharFormat& c = fmt.chr;
	switch(ch) {
	case '*': c.bold = !c.bold; break;
	case '/': c.italic = !c.italic; break;
	case '_': c.underline = !c.underline; break;
	case '-': c.strikeout = !c.strikeout; break;
	case 'c': c.capitals = !c.capitals; break;
	case 'd': c.dashed = !c.dashed; break;
	case '`': ToggleScript(c.script, RichCharFormat::SUPERSCRIPT); break;
	case ',': ToggleScript(c.script, RichCharFormat::SUBSCRIPT); break;
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
	case '%': c.lang = ReadLanguage(); break;
	default:
		if(!IsDigit(ch))
			return false;
		c.height = predefined_height[ch - '0'];
		break;
	}
	return true;
}

void Parser::ParseParaFormat(int ch)
{
	RichParaFormat& a = fmt.para;
	switch(ch) {
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
	case 'p': ParseLineSpacing(); break;
	case 'H':
	case 'L': ReadInt(); break; // ruler
	case 'h': {
		RichColor ruler;
		ReadColor(ruler);
		break;
	}
	case 'n':
	case 'm': ReadText(';'); break; // numbering texts
	case 'N': SkipNumbering(); break;
	case 'O':
		if(Peek() && strchr("_0123456789", Peek()))
			p++;
		break;
	case 't': SkipHeaderFooterOrNumber(); break;
	case '~': ParseTabs(); break;
	case 's': ParseStyleUse(); break;
	default: break; // ';' and anything unknown
	}
}

// "%-", "%%" (EN-US) or up to five letters, digits and a dash after two of them.
String Parser::ReadLanguage()
{
	if(Peek() == '-' || Peek() == '%')
		return *p++ == '%' ? "EN-US" : "";
	String l;
	while(l.size() < 5 && (isalnum(Peek()) || (Peek() == '-' && l.size() == 2)))
		l += char(*p++);
	return l;
}

// "pn", "pw", "ph" or "pd"; a bare "p" leaves the spacing as it was.
void Parser::ParseLineSpacing()
{
	static const struct {
		char letter;
		int percent;
	} spacing[] = { { 'n', 100 }, { 'w', 115 }, { 'h', 150 }, { 'd', 200 } };
	for(const auto& s : spacing)
		if(Peek() == s.letter) {
			fmt.para.linespacing = s.percent;
			p++;
			return;
		}
}

// The numbering of up to eight levels, and "!" after it; paragraphs are not numbered here.
void Parser::SkipNumbering()
{
	for(int i = 0; i < 8 && strchr("-10aAiI", Peek()) && Peek(); i++)
		p++;
	if(Peek() == '!')
		p++;
}

// "tP" and a header and footer, or "t" and a number; pages are not shown here.
void Parser::SkipHeaderFooterOrNumber()
{
	if(Peek() == 'P') {
		p++;
		SkipHeaderFooter();
	}
	else
		ReadInt();
}

void Parser::ParseTabs()
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

// "$$n,next#uuid:name]" after the formatting of the style.
void Parser::ParseStyleDef()
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
	auto same =
		std::find_if(doc.styles.begin(), doc.styles.end(), [&](const RichStyle& x) { return x.number == s.number; });
	if(same != doc.styles.end())
		*same = std::move(s);
	else
		doc.styles.push_back(std::move(s));
}

// "s" with a style's number or its quoted name.
void Parser::ParseStyleUse()
{
	if(Peek() == '"') {
		p++;
		String name = ReadText('"');
		UseStyle(0, &name);
	}
	else
		UseStyle(ReadInt(), nullptr);
}

void Parser::UseStyle(int number, const String* name)
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

const RichStyle* Parser::FindStyle(int number, const String* name) const
{
	for(auto it = doc.styles.rbegin(); it != doc.styles.rend(); ++it)
		if(name ? it->name == *name : it->number == number)
			return &*it;
	return nullptr;
}

void Parser::Push()
{
	if((int)stack.size() < MAX_BRACKETS)
		stack.push_back(fmt);
	else
		overflow++;
}

void Parser::Pop()
{
	if(overflow)
		overflow--;
	else if(!stack.empty()) {
		fmt = std::move(stack.back());
		stack.pop_back();
	}
}

// Closes what a cell or the document left open, without touching the brackets around it.
void Parser::Unwind(size_t base, int obase)
{
	overflow = obase;
	while(stack.size() > base) {
		fmt = std::move(stack.back());
		stack.pop_back();
	}
}

} // namespace Upp::Qtf
