#ifndef UPP_CTRLCORE_TOPWINDOW_H
#define UPP_CTRLCORE_TOPWINDOW_H

#include "Ctrl.h"

#include <map>

namespace Upp {

// A top-level window: the main window or a dialog. Run and Execute each run an event loop
// of their own, so modal loops nest; Break ends the innermost one.
class TopWindow : public Ctrl {
	class Window;
	friend class Window;

	String title;
	bool sizeable = false, minimizebox = false, maximizebox = false, noclosebox = false;
	bool centerscreen = false;
	Image icon;
	Size minsize;
	int exitcode = 0;
	std::vector<QEventLoop*> loops;
	std::map<int, Event<>> actions;

	void SyncFlags();
	void SyncSize();
	void Place();
	void KeyAction(bool enter);

public:
	TopWindow();
	~TopWindow() override;

	TopWindow& Title(const char* t);
	TopWindow& Title(const String& t) { return Title(t.c_str()); }
	String GetTitle() const { return title; }
	TopWindow& Sizeable(bool b = true);
	TopWindow& MinimizeBox(bool b = true);
	TopWindow& MaximizeBox(bool b = true);
	TopWindow& NoCloseBox(bool b = true);
	TopWindow& CenterScreen();
	TopWindow& Icon(const Image& img);
	TopWindow& SetMinSize(Size sz);
	bool IsSizeable() const { return sizeable; }
	bool HasMinimizeBox() const { return minimizebox; }
	bool HasMaximizeBox() const { return maximizebox; }
	bool HasCloseBox() const { return !noclosebox; }
	Image GetIcon() const { return icon; }
	Size GetMinSize() const { return minsize; }

	void AddFrame(CtrlFrame& f) override;
	Ctrl& SetRect(const Rect& r) override;
	using Ctrl::SetRect;

	void Open();
	bool IsOpen() const;
	int Run(bool appmodal = false);
	int Execute();
	bool InLoop() const { return !loops.empty(); }
	int GetLoopLevel() const { return (int)loops.size(); }
	void Break(int id = IDEXIT);
	bool AcceptBreak(int id);
	void RejectBreak(int id);
	virtual void Reject();
	virtual void Close();
	int GetExitCode() const { return exitcode; }

	void Acceptor(Ctrl& c, int id);
	void Rejector(Ctrl& c, int id);
	bool HasAction(int id) const { return actions.count(id) != 0; }
};

} // namespace Upp

#endif
