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
	bool minimizebox = false, noclosebox = false;
	bool centerscreen = false;
	bool owned = false; // opened modally over another window of the program
	Size minsize;
	int exitcode = 0;
	std::vector<QEventLoop*> loops;
	std::map<int, Event<>> actions;

	void SyncFlags();
	void SyncSize();
	void Place(QWidget* owner);
	void KeyAction(bool enter);
	bool InLoop() const { return !loops.empty(); }
	bool HasAction(int id) const { return actions.count(id) != 0; }

public:
	TopWindow();
	~TopWindow() override;

	TopWindow& Title(const char* t);
	String GetTitle() const { return title; }
	TopWindow& MinimizeBox(bool b = true);
	TopWindow& NoCloseBox(bool b = true);
	TopWindow& CenterScreen();
	TopWindow& Icon(const Image& img);
	TopWindow& SetMinSize(Size sz);
	// What the window shows, read from the window itself.
	bool IsSizeable() const;
	bool HasMinimizeBox() const;
	bool HasMaximizeBox() const;
	bool HasCloseBox() const;
	Size GetMinSize() const { return minsize; }

	void AddFrame(CtrlFrame& f) override;
	Ctrl& SetRect(const Rect& r) override;
	using Ctrl::SetRect;

	void Open();
	bool IsOpen() const;
	int Run(bool appmodal = false);
	int Execute();
	int GetLoopLevel() const { return (int)loops.size(); }
	void Break(int id = IDEXIT);
	bool AcceptBreak(int id);
	void RejectBreak(int id);
	virtual void Reject();
	virtual void Close();

	void Acceptor(Ctrl& c, int id);
	void Rejector(Ctrl& c, int id);
};

// The window that a window w opened now goes over: the program's open window that runs the
// innermost loop, else its active window; never w itself, and none when no other is open.
QWidget* OwnerFor(const QWidget* w);
// Makes the window w, before it is shown, belong to owner (to none when null). A window
// manager keeps a dialog above the window it belongs to and gives it no taskbar entry.
void SetOwner(QWidget* w, QWidget* owner);

} // namespace Upp

#endif
