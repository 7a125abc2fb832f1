#ifndef UPP_CTRLCORE_FONT_H
#define UPP_CTRLCORE_FONT_H

class QFont;

namespace Upp {

enum { ALIGN_NULL, ALIGN_LEFT, ALIGN_TOP = ALIGN_LEFT, ALIGN_CENTER, ALIGN_RIGHT, ALIGN_BOTTOM = ALIGN_RIGHT };

// A font description: the standard face at its default height unless told otherwise.
class Font {
	int height = 0; // pixels; 0 = the standard height
	bool bold = false, italic = false, underline = false;

public:
	Font() = default;
	Font& Height(int h)
	{
		height = h;
		return *this;
	}
	Font& Bold(bool b = true)
	{
		bold = b;
		return *this;
	}
	Font& Italic(bool b = true)
	{
		italic = b;
		return *this;
	}
	Font& Underline(bool b = true)
	{
		underline = b;
		return *this;
	}
	int GetHeight() const { return height; }
	bool IsBold() const { return bold; }
	bool IsItalic() const { return italic; }
	bool IsUnderline() const { return underline; }
	bool operator==(const Font& b) const
	{
		return height == b.height && bold == b.bold && italic == b.italic && underline == b.underline;
	}

	QFont ToQFont() const;
};

inline Font StdFont() { return Font(); }
inline Font StdFont(int h) { return Font().Height(h); }

} // namespace Upp

#endif
