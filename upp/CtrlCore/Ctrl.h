#ifndef UPP_CTRLCORE_CTRL_H
#define UPP_CTRLCORE_CTRL_H

#include <Core/Core.h>

#include <vector>

class QWidget;
class QEventLoop;

namespace Upp {

class Ctrl;

enum { K_ENTER = 13, K_ESCAPE = 27 };

// Something attached to the border of a control (the menu bar of a window). It takes a
// band of the control's area and leaves the rest as the control's view.
class CtrlFrame {
public:
	virtual ~CtrlFrame() = default;
	virtual void FrameAdd(Ctrl& parent) = 0;
	virtual void FrameRemove() = 0;
	virtual int FrameHeight() const = 0; // height of the band at the top
	virtual void FrameLayout(int x, int y, int cx, int cy) = 0;
};

// One control owns one QWidget for its whole life. Children are plain members of their
// owners; the Qt parent only places the widget, it never deletes another control's widget.
class Ctrl {
public:
	// Where a control sits along one axis of its parent's view: from the near edge (left or
	// top) at a fixed size, stretched between margins at both edges, or centred at a fixed
	// size and shifted by an offset.
	struct Logc {
		enum Align { START, STRETCH, CENTER };
		Align align = START;
		int offset = 0;    // from the near edge, or for CENTER from the centred place
		int size = 0;      // START and CENTER
		int farmargin = 0; // STRETCH: the room left at the far edge

		static Logc Start(int offset, int size) { return { START, offset, size, 0 }; }
		static Logc Stretch(int nearmargin, int farmargin) { return { STRETCH, nearmargin, 0, farmargin }; }
		static Logc Center(int size, int offset) { return { CENTER, offset, size, 0 }; }
	};
	struct LogPos {
		Logc x, y;
	};

protected:
	QWidget* widget = nullptr; // the whole control
	QWidget* view = nullptr;   // where children live (differs from widget when frames exist)
	Ctrl* parent = nullptr;
	std::vector<Ctrl*> children;
	std::vector<CtrlFrame*> frames;
	LogPos pos;
	bool haspos = false;
	String layoutid;
	class Watcher;
	Watcher* watcher = nullptr;

	explicit Ctrl(QWidget* w);
	void SetWidget(QWidget* w, QWidget* v = nullptr);
	void PlaceChild(Ctrl& c);
	void PlaceChildren();
	Ctrl& SetAxis(Logc LogPos::*axis, Logc c);
	// Qt puts a widget made inside a window that was already put together last in the
	// window's focus chain. A control that makes widgets of its own after it was placed (a
	// switch's cases, a tab control's pages) calls this to take its place in the order again.
	void SyncFocusOrder();
	friend class Watcher;

public:
	Event<> WhenAction;

	Ctrl();
	Ctrl(const Ctrl&) = delete;
	Ctrl& operator=(const Ctrl&) = delete;
	virtual ~Ctrl();

	// Logical placement, resolved against the parent's view whenever it changes size.
	Ctrl& SetPos(LogPos p);
	Ctrl& LeftPos(int l, int w);
	Ctrl& HSizePos(int l, int r);
	Ctrl& HCenterPos(int w, int d = 0);
	Ctrl& TopPos(int t, int h);
	Ctrl& VSizePos(int t, int b);
	Ctrl& LeftPosZ(int l, int w) { return LeftPos(HorzLayoutZoom(l), HorzLayoutZoom(w)); }
	Ctrl& HSizePosZ(int l, int r) { return HSizePos(HorzLayoutZoom(l), HorzLayoutZoom(r)); }
	Ctrl& HCenterPosZ(int w, int d = 0) { return HCenterPos(HorzLayoutZoom(w), HorzLayoutZoom(d)); }
	Ctrl& TopPosZ(int t, int h) { return TopPos(VertLayoutZoom(t), VertLayoutZoom(h)); }
	Ctrl& VSizePosZ(int t, int b) { return VSizePos(VertLayoutZoom(t), VertLayoutZoom(b)); }
	LogPos GetPos() const { return pos; }

	virtual Ctrl& SetRect(const Rect& r);
	Ctrl& SetRect(int x, int y, int cx, int cy) { return SetRect(RectC(x, y, cx, cy)); }
	Rect GetRect() const; // in the parent's view
	Size GetSize() const; // of the whole control
	Rect GetView() const; // the view inside the control, frames excluded

	void Add(Ctrl& c);
	void RemoveChild(Ctrl* c);
	void Remove();
	Ctrl* GetParent() const { return parent; }
	int GetChildCount() const { return (int)children.size(); }
	Ctrl* GetIndexChild(int i) const { return children[i]; }

	Ctrl& LayoutId(const char* id)
	{
		layoutid = id;
		return *this;
	}
	String GetLayoutId() const { return layoutid; }

	// Enter and Escape reach the controls of a window through this; a control that acts on
	// the key returns true.
	virtual bool HotKey(int key);

	virtual void SetData(const Value& v);
	virtual Value GetData() const;
	virtual bool Accept();
	virtual void Serialize(Stream& s);

	void Action() const { WhenAction(); }
	Ctrl& operator<<(const Event<>& e)
	{
		WhenAction << e;
		return *this;
	}
	Ctrl& operator<<=(const Event<>& e)
	{
		WhenAction = e;
		return *this;
	}

	void Show(bool b = true);
	void Hide() { Show(false); }
	bool IsShown() const;
	bool IsVisible() const;
	bool IsEnabled() const;
	void Refresh();

	virtual void AddFrame(CtrlFrame& f);
	// Places the frames and the view again, after a frame changed its height.
	virtual void LayoutFrames();
	void RemoveFrame(CtrlFrame& f);
	Size AddFrameSize(Size sz) const;

	// Layout units to pixels, scaled with the standard font so the fixed layouts grow with it.
	static int HorzLayoutZoom(int cx);
	static int VertLayoutZoom(int cy);
	static Size LayoutZoom(int cx, int cy) { return Size(HorzLayoutZoom(cx), VertLayoutZoom(cy)); }
	static Size LayoutZoom(Size sz) { return LayoutZoom(sz.cx, sz.cy); }

	QWidget* GetQWidget() const { return widget; }
	static Ctrl* FromQWidget(const QWidget* w);
};

// A plain panel that holds other controls.
class ParentCtrl : public Ctrl {
	Size minsize;

public:
	ParentCtrl();
	ParentCtrl& SetMinSize(Size sz)
	{
		minsize = sz;
		return *this;
	}
	Size GetMinSize() const { return minsize; }
};

} // namespace Upp

#endif
