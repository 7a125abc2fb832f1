#ifndef UPP_CTRLLIB_EDITINTSPIN_H
#define UPP_CTRLLIB_EDITINTSPIN_H

#include <CtrlCore/CtrlCore.h>

class QSpinBox;

namespace Upp {

// An integer field with spin buttons whose number cannot leave its limits; every accepted
// change, typed or spun, runs the action. It always holds a number, so it is never Null:
// NotNull only records what the layout asks for, and setting Null shows the minimum.
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

} // namespace Upp

#endif
