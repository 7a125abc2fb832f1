#ifndef UPP_CTRLLIB_WIDGETS_H
#define UPP_CTRLLIB_WIDGETS_H

#include <CtrlCore/CtrlCore.h>

class QLabel;
class QPushButton;
class QSpinBox;
class QComboBox;
class QGroupBox;
class QTabWidget;
class QButtonGroup;

namespace Upp {

// A line of text in a box; the program sets it, the user never edits it.
class LabelBase : public Ctrl {
protected:
	QLabel* label;
	String text;
	int align = ALIGN_LEFT;
	Font font;

public:
	LabelBase();
	LabelBase& SetText(const char* t);
	LabelBase& SetText(const String& t) { return SetText(t.c_str()); }
	LabelBase& SetLabel(const char* t) { return SetText(t); }
	LabelBase& SetAlign(int a);
	LabelBase& SetFont(Font f);
	String GetText() const { return text; }
	int GetAlign() const { return align; }
	Font GetFont() const { return font; }
};

class Label : public LabelBase {};
class StaticText : public LabelBase {};

// A frame with a caption, drawn around controls that stay its siblings.
class LabelBox : public Ctrl {
	QGroupBox* box;
	String text;

public:
	LabelBox();
	LabelBox& SetLabel(const char* t);
	String GetLabel() const { return text; }
};

class Button : public Ctrl {
	QPushButton* button;
	String text;
	bool ok = false, cancel = false;

public:
	Button();
	Button& SetLabel(const char* t);
	String GetLabel() const { return text; }
	// Enter presses the Ok button and Escape the Cancel button of a window, while shown.
	Button& Ok(bool b = true)
	{
		ok = b;
		return *this;
	}
	Button& Cancel(bool b = true)
	{
		cancel = b;
		return *this;
	}
	bool HotKey(int key) override;
};

// A row of radio buttons, each case carrying a value.
class Switch : public Ctrl {
	QButtonGroup* group;
	std::vector<Value> values;
	Value value;
	void Select();

public:
	Switch();
	~Switch() override;
	Switch& Add(const Value& v, const char* label);
	void Reset(); // removes every case
	int GetCount() const { return (int)values.size(); }
	void SetData(const Value& v) override;
	Value GetData() const override { return value; }
};

// An integer field with spin buttons whose text cannot leave its limits.
class EditIntSpin : public Ctrl {
	QSpinBox* spin;
	bool notnull = false;

public:
	EditIntSpin();
	EditIntSpin& Min(int n);
	EditIntSpin& Max(int n);
	EditIntSpin& NotNull(bool b = true);
	int GetMin() const;
	int GetMax() const;
	bool IsNotNull() const { return notnull; }
	void SetData(const Value& v) override;
	Value GetData() const override;
};

// A drop-down list whose value lives apart from its entries: clearing the entries keeps the
// value, and once an entry with that key is added again it shows as chosen.
class DropList : public Ctrl {
	QComboBox* combo;
	std::vector<Value> keys;
	Value value;
	void Sync();

public:
	DropList();
	DropList& Add(const Value& key, const char* text);
	void ClearList();
	DropList& SetDropLines(int n);
	int GetDropLines() const;
	int GetCount() const { return (int)keys.size(); }
	String GetValue(int i) const;
	int GetIndex() const; // of the chosen entry, -1 when none shows
	void SetData(const Value& v) override;
	Value GetData() const override { return value; }
};

class TabCtrl : public Ctrl {
	QTabWidget* tabs;
	int IndexOf(const Ctrl& page) const; // -1 when no tab shows it

public:
	TabCtrl();
	~TabCtrl() override;
	TabCtrl& Add(Ctrl& page, const char* text);
	void Remove(Ctrl& page);
	int GetCount() const;
	int Get() const; // the selected tab, -1 when none
	void Set(int i);
	String GetTabText(int i) const;
};

class ImageCtrl : public Ctrl {
	QLabel* label;
	Image img;

public:
	ImageCtrl();
	ImageCtrl& SetImage(const Image& m);
	Image GetImage() const { return img; }
};

} // namespace Upp

#endif
