// The QTF reader's byte-level reading: numbers, escaped texts, colours, code points and the
// bytes of objects. Private to the reader; nothing outside upp/RichText includes it.
#ifndef UPP_RICHTEXT_QTFSCANNER_H
#define UPP_RICHTEXT_QTFSCANNER_H

#include "RichText.h"

namespace Upp::Qtf {

inline bool IsDigit(int c) { return c >= '0' && c <= '9'; }

int HexValue(int c); // -1 for a byte that is no hex digit

void AppendUtf8(String& s, unsigned cp);

// The input and the place reached in it. Reading never passes the end: what is missing reads
// as byte 0, which no command uses.
class Scanner {
protected:
	String text; // the input without the ignored bytes 2..31
	const char* p;
	const char* end;

public:
	explicit Scanner(const char* qtf);

	int Peek(int i = 0) const { return p + i < end ? (byte)p[i] : 0; }

	// What is left of the input is not read.
	void SkipRest() { p = end; }

	int ReadInt(bool sign = false);

	// Text up to an unescaped `term`, which is consumed.
	String ReadText(int term);

	bool ReadColor(RichColor& c);

	// Up to eight hex digits and an optional ';', as after "@$".
	unsigned ReadCodePoint();

	void SkipHeaderFooter(); // "qtf^^qtf^^"

	void SkipField(); // up to and past the ":}" that ends it

	// An object's bytes: "`" up to a lone "`", a doubled one standing for one; "(" and Base64 up
	// to ")"; or bytes of 128..255.
	String ReadObjectData();
};

} // namespace Upp::Qtf

#endif
