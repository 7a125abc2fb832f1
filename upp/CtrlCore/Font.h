#ifndef UPP_CTRLCORE_FONT_H
#define UPP_CTRLCORE_FONT_H

class QFont;

namespace Upp {

enum { ALIGN_LEFT, ALIGN_CENTER, ALIGN_RIGHT };

// The standard face at its standard height, plain or bold.
class Font {
	bool bold = false;

public:
	Font() = default;
	Font& Bold(bool b = true)
	{
		bold = b;
		return *this;
	}
	bool IsBold() const { return bold; }

	QFont ToQFont() const;
};

inline Font StdFont() { return Font(); }

} // namespace Upp

#endif
