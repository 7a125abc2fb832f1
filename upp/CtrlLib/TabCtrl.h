#ifndef UPP_CTRLLIB_TABCTRL_H
#define UPP_CTRLLIB_TABCTRL_H

#include <CtrlCore/CtrlCore.h>

class QTabWidget;

namespace Upp {

// Tabs over a pane that shows one page at a time. The pages belong to whoever added them: a
// page is shown here until it is removed or destroyed, and is never deleted by the tabs.
// Adding a page that is already here moves it to the end. Tabs cannot be closed or dragged
// by the user.
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

} // namespace Upp

#endif
