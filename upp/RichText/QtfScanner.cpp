#include "QtfScanner.h"

#include <QByteArray>

#include <algorithm>

namespace Upp::Qtf {

namespace {

const int MAX_NUMBER = 100000; // dots, ratios and spans alike

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

} // namespace

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

Scanner::Scanner(const char* qtf)
{
	for(const char* s = qtf; s && *s; s++)
		if((byte)*s == 1 || (byte)*s >= 32)
			text += *s;
	p = text.data();
	end = p + text.size();
}

int Scanner::ReadInt(bool sign)
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

String Scanner::ReadText(int term)
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

bool Scanner::ReadColor(RichColor& c)
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

unsigned Scanner::ReadCodePoint()
{
	unsigned cp = 0;
	for(int i = 0; i < 8 && HexValue(Peek()) >= 0; i++)
		cp = cp * 16 + HexValue(*p++);
	if(Peek() == ';')
		p++;
	return cp;
}

void Scanner::SkipHeaderFooter()
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

void Scanner::SkipField()
{
	while(p < end && !(*p == ':' && Peek(1) == '}'))
		p++;
	p = std::min(p + 2, end);
}

String Scanner::ReadObjectData()
{
	String data;
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
			data += *p++;
		}
	}
	else if(Peek() == '(') {
		p++;
		const char* b = p;
		while(p < end && *p != ')')
			p++;
		QByteArray raw = QByteArray::fromBase64(QByteArray(b, int(p - b)));
		data.assign(raw.constData(), raw.size());
		if(p < end)
			p++;
	}
	else {
		// 7 data bytes in 8 bytes of 128..255; the first holds their top bits.
		while(Peek() >= 128) {
			int top = *p++ & 0x7F;
			for(int i = 0; i < 7 && Peek() >= 128; i++)
				data += char((*p++ & 0x7F) | (((top >> i) & 1) << 7));
		}
	}
	return data;
}

} // namespace Upp::Qtf
