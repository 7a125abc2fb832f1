#ifndef UPP_CTRLLIB_DROPLIST_H
#define UPP_CTRLLIB_DROPLIST_H

#include <CtrlCore/CtrlCore.h>

#include <vector>

class QComboBox;

namespace Upp {

// A drop-down list of entries, each a key and a text; the key of the chosen entry is the
// list's value. The value lives apart from the entries: clearing them keeps it, and once an
// entry with that key is added again it shows as chosen. The list opens below the field on
// at most the drop lines and scrolls to the rest. The user picks; nobody types into it.
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

} // namespace Upp

#endif
