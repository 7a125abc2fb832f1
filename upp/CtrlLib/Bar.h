#ifndef UPP_CTRLLIB_BAR_H
#define UPP_CTRLLIB_BAR_H

#include <CtrlCore/CtrlCore.h>

class QMenu;
class QMenuBar;

namespace Upp {

// What a menu builder fills: the menu bar itself, or one of its drop-down menus.
class Bar {
public:
	virtual ~Bar() = default;
	// A submenu, filled by the builder each time it opens.
	virtual void Add(const char* text, const Event<Bar&>& submenu) = 0;
	// A command with an image.
	virtual void Add(const char* text, const Image& img, const Event<>& cb) = 0;
};

class MenuBar : public Ctrl, public Bar, public CtrlFrame {
	QMenuBar* bar;
	Ctrl* owner = nullptr;
	mutable int height = 0;

public:
	MenuBar();
	~MenuBar() override;

	// Clears the bar and runs the builder at once; the builder is not kept.
	void Set(const Event<Bar&>& menu);
	void Clear();
	int GetCount() const;
	String GetText(int i) const;

	void Add(const char* text, const Event<Bar&>& submenu) override;
	void Add(const char* text, const Image& img, const Event<>& cb) override;

	void FrameAdd(Ctrl& parent) override;
	void FrameRemove() override;
	int FrameHeight() const override;
	void FrameLayout(int x, int y, int cx, int cy) override;

	QMenuBar* GetQMenuBar() const { return bar; }
};

} // namespace Upp

#endif
