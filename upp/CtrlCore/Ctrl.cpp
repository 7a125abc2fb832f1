#include "Ctrl.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QWidget>

namespace Upp {

// Follows size changes of a control's widget and view, to place frames and children.
class Ctrl::Watcher : public QObject {
	Ctrl& ctrl;

public:
	explicit Watcher(Ctrl& c) : ctrl(c) {}
	bool eventFilter(QObject* o, QEvent* e) override
	{
		if(e->type() == QEvent::Resize) {
			if(o == ctrl.widget && ctrl.view != ctrl.widget)
				ctrl.LayoutFrames();
			if(o == ctrl.view)
				ctrl.PlaceChildren();
		}
		return false;
	}
};

static const char* CTRL_PROPERTY = "upp_ctrl";

Ctrl::Ctrl() { SetWidget(new QWidget); }

Ctrl::Ctrl(QWidget* w)
{
	if(w)
		SetWidget(w);
}

void Ctrl::SetWidget(QWidget* w, QWidget* v)
{
	if(watcher) {
		if(widget)
			widget->removeEventFilter(watcher);
		if(view)
			view->removeEventFilter(watcher);
	}
	else
		watcher = new Watcher(*this);
	widget = w;
	view = v ? v : w;
	widget->setProperty(CTRL_PROPERTY, QVariant::fromValue((void*)this));
	widget->installEventFilter(watcher);
	if(view != widget)
		view->installEventFilter(watcher);
}

Ctrl::~Ctrl()
{
	for(CtrlFrame* f : std::vector<CtrlFrame*>(frames))
		f->FrameRemove();
	frames.clear();
	// Children belong to their owners: take their widgets out before ours is deleted.
	for(Ctrl* c : children) {
		c->parent = nullptr;
		c->widget->hide();
		c->widget->setParent(nullptr);
	}
	children.clear();
	if(parent)
		parent->RemoveChild(this);
	widget->removeEventFilter(watcher);
	if(view != widget)
		view->removeEventFilter(watcher);
	delete watcher;
	delete widget;
}

Ctrl* Ctrl::FromQWidget(const QWidget* w)
{
	for(; w; w = w->parentWidget()) {
		QVariant v = w->property(CTRL_PROPERTY);
		if(v.isValid())
			return (Ctrl*)v.value<void*>();
	}
	return nullptr;
}

// Position and extent along an axis `len` pixels long; an extent never goes below zero.
static void Resolve(const Ctrl::Logc& c, int len, int& at, int& size)
{
	at = c.offset;
	size = c.size;
	if(c.align == Ctrl::Logc::STRETCH)
		size = len - c.offset - c.farmargin;
	else if(c.align == Ctrl::Logc::CENTER)
		at += (len - c.size) / 2;
	size = std::max(size, 0);
}

void Ctrl::PlaceChild(Ctrl& c)
{
	if(!c.haspos)
		return;
	int x, cx, y, cy;
	Resolve(c.pos.x, view->width(), x, cx);
	Resolve(c.pos.y, view->height(), y, cy);
	c.widget->setGeometry(x, y, cx, cy);
}

void Ctrl::PlaceChildren()
{
	for(Ctrl* c : children)
		PlaceChild(*c);
}

void Ctrl::LayoutFrames()
{
	if(view == widget)
		return;
	int y = 0;
	for(CtrlFrame* f : frames) {
		int h = f->FrameHeight();
		f->FrameLayout(0, y, widget->width(), h);
		y += h;
	}
	view->setGeometry(0, y, widget->width(), std::max(0, widget->height() - y));
}

Ctrl& Ctrl::SetPos(LogPos p)
{
	pos = p;
	haspos = true;
	if(parent)
		parent->PlaceChild(*this);
	return *this;
}

// Sets one axis; the other keeps its placement, or the widget's current extent if it had none.
Ctrl& Ctrl::SetAxis(Logc LogPos::*axis, Logc c)
{
	LogPos p = pos;
	if(!haspos)
		p = LogPos{ Logc::Start(0, widget->width()), Logc::Start(0, widget->height()) };
	p.*axis = c;
	return SetPos(p);
}

Ctrl& Ctrl::LeftPos(int l, int w) { return SetAxis(&LogPos::x, Logc::Start(l, w)); }
Ctrl& Ctrl::HSizePos(int l, int r) { return SetAxis(&LogPos::x, Logc::Stretch(l, r)); }
Ctrl& Ctrl::HCenterPos(int w, int d) { return SetAxis(&LogPos::x, Logc::Center(w, d)); }
Ctrl& Ctrl::TopPos(int t, int h) { return SetAxis(&LogPos::y, Logc::Start(t, h)); }
Ctrl& Ctrl::VSizePos(int t, int b) { return SetAxis(&LogPos::y, Logc::Stretch(t, b)); }

Ctrl& Ctrl::SetRect(const Rect& r)
{
	if(parent) {
		LogPos p;
		p.x = Logc::Start(r.left, r.Width());
		p.y = Logc::Start(r.top, r.Height());
		return SetPos(p);
	}
	widget->setGeometry(r.left, r.top, r.Width(), r.Height());
	// A hidden widget gets its resize event only when shown; place the children now.
	LayoutFrames();
	PlaceChildren();
	return *this;
}

Rect Ctrl::GetRect() const
{
	QRect r = widget->geometry();
	return RectC(r.x(), r.y(), r.width(), r.height());
}

Size Ctrl::GetSize() const { return Size(widget->width(), widget->height()); }

Rect Ctrl::GetView() const
{
	if(view == widget)
		return Rect(GetSize());
	QRect r = view->geometry();
	return RectC(r.x(), r.y(), r.width(), r.height());
}

void Ctrl::Add(Ctrl& c)
{
	if(c.parent == this) {
		// Already ours: move it to the end, never add it twice.
		children.erase(std::find(children.begin(), children.end(), &c));
		children.push_back(&c);
		c.widget->raise();
		PlaceChild(c);
		return;
	}
	if(c.parent)
		c.parent->RemoveChild(&c);
	c.parent = this;
	children.push_back(&c);
	bool hidden = c.widget->isHidden() && c.widget->testAttribute(Qt::WA_WState_ExplicitShowHide);
	c.widget->setParent(view);
	PlaceChild(c);
	if(!hidden)
		c.widget->show();
}

void Ctrl::RemoveChild(Ctrl* c)
{
	auto it = std::find(children.begin(), children.end(), c);
	if(it == children.end())
		return;
	children.erase(it);
	c->parent = nullptr;
	c->widget->hide();
	c->widget->setParent(nullptr);
}

void Ctrl::Remove()
{
	if(parent)
		parent->RemoveChild(this);
}

bool Ctrl::HotKey(int key)
{
	for(Ctrl* c : children)
		if(c->HotKey(key))
			return true;
	return false;
}

void Ctrl::SetData(const Value&) {}

Value Ctrl::GetData() const { return Value(); }

bool Ctrl::Accept()
{
	for(Ctrl* c : children)
		if(!c->Accept())
			return false;
	return true;
}

void Ctrl::Serialize(Stream& s)
{
	Value x;
	if(s.IsStoring())
		x = GetData();
	s % x;
	if(s.IsLoading())
		SetData(x);
}

void Ctrl::Show(bool b) { widget->setVisible(b); }

bool Ctrl::IsShown() const { return !widget->isHidden(); }

bool Ctrl::IsVisible() const { return widget->isVisible(); }

bool Ctrl::IsEnabled() const { return widget->isEnabled(); }

void Ctrl::Refresh() { widget->update(); }

void Ctrl::AddFrame(CtrlFrame& f)
{
	frames.push_back(&f);
	f.FrameAdd(*this);
	LayoutFrames();
}

void Ctrl::RemoveFrame(CtrlFrame& f)
{
	auto it = std::find(frames.begin(), frames.end(), &f);
	if(it == frames.end())
		return;
	frames.erase(it);
	LayoutFrames();
}

Size Ctrl::AddFrameSize(Size sz) const
{
	for(CtrlFrame* f : frames)
		sz.cy += f->FrameHeight();
	return sz;
}

// The layouts were drawn for a standard font whose 52 letters measure 312 pixels across and
// whose line is 13 pixels high; other fonts scale them in proportion.
static const int REF_LETTERS_WIDTH = 312;
static const int REF_FONT_HEIGHT = 13;

static void GetZoom(Zoom& h, Zoom& v)
{
	static Zoom hz, vz;
	static bool done = false;
	if(!done && qobject_cast<QApplication*>(QCoreApplication::instance())) {
		QFontMetrics fm(QApplication::font());
		int w = fm.horizontalAdvance("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
		hz = Zoom(w, REF_LETTERS_WIDTH);
		vz = Zoom(fm.height(), REF_FONT_HEIGHT);
		done = true;
	}
	h = hz;
	v = vz;
}

static int Scale(int x, Zoom z) { return z.d ? int(((long long)x * z.m + (x < 0 ? -z.d : z.d) / 2) / z.d) : x; }

int Ctrl::HorzLayoutZoom(int cx)
{
	Zoom h, v;
	GetZoom(h, v);
	return Scale(cx, h);
}

int Ctrl::VertLayoutZoom(int cy)
{
	Zoom h, v;
	GetZoom(h, v);
	return Scale(cy, v);
}

ParentCtrl::ParentCtrl() {}

} // namespace Upp
