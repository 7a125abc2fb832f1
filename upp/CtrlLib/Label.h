#ifndef UPP_CTRLLIB_LABEL_H
#define UPP_CTRLLIB_LABEL_H

#include <CtrlCore/CtrlCore.h>

class QLabel;
class QGroupBox;

namespace Upp {

// Plain text that the program sets, aligned left, centred or right and centred vertically,
// in the standard font or its bold. The user can neither edit nor select it; it takes no
// mnemonics and no rich text, and does not wrap.
class LabelBase : public Ctrl {
protected:
	QLabel* label;
	String text;
	int align = ALIGN_LEFT;
	Font font;

public:
	LabelBase();
	LabelBase& SetText(const String& t);
	LabelBase& SetText(const char* t) { return SetText(String(t ? t : "")); }
	LabelBase& SetLabel(const char* t) { return SetText(t); }
	LabelBase& SetAlign(int a);
	LabelBase& SetFont(Font f);
	String GetText() const { return text; }
	int GetAlign() const { return align; }
	Font GetFont() const { return font; }
};

// The layouts name both; here they are the same line of text.
class Label : public LabelBase {};
class StaticText : public LabelBase {};

// A frame with a caption, drawn around controls that stay its siblings; every mouse click
// goes through it to them.
class LabelBox : public Ctrl {
	QGroupBox* box;
	String text;

public:
	LabelBox();
	LabelBox& SetLabel(const char* t);
	String GetLabel() const { return text; }
};

} // namespace Upp

#endif
