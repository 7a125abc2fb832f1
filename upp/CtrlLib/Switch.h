#ifndef UPP_CTRLLIB_SWITCH_H
#define UPP_CTRLLIB_SWITCH_H

#include <CtrlCore/CtrlCore.h>

#include <vector>

class QButtonGroup;

namespace Upp {

// A row of radio buttons sharing the width, each case carrying a value; the value of the
// checked case is the switch's value. A value that no case carries checks none. Only a
// click that changes the value runs the action. The cases are never laid out in a column.
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

} // namespace Upp

#endif
