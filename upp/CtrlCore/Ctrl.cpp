#include "Ctrl.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QHash>
#include <QWidget>

#include <algorithm>

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

// The control that owns each widget. A property of the widget would serve as well, but reading
// one first searches the properties of the widget's class, and the focus order reads many.
static QHash<const QWidget*, Ctrl*> owners;

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
	if(widget)
		owners.remove(widget);
	widget = w;
	view = v ? v : w;
	owners.insert(widget, this);
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
	owners.remove(widget);
	delete widget;
}

// The control whose own widget w is.
static Ctrl* CtrlOf(const QWidget* w) { return owners.value(w); }

Ctrl* Ctrl::FromQWidget(const QWidget* w)
{
	for(; w; w = w->parentWidget())
		if(Ctrl* c = CtrlOf(w))
			return c;
	return nullptr;
}

static int IndexInParent(const Ctrl* c)
{
	Ctrl* p = c->GetParent();
	for(int i = 0; i < p->GetChildCount(); i++)
		if(p->GetIndexChild(i) == c)
			return i;
	return -1;
}

// Appends the widgets under w that Tab stops at, in the order it should visit them: the
// controls placed in one parent in the order they were added, each with its parts, and the
// other widgets in the order Qt keeps (`at`, their places in the chain now). Qt itself orders
// the parts of a widget that takes the focus (a spin box's field, a tab control's bar); only
// controls placed inside such a widget (the pages of a tab control) are visited apart.
static void CollectFocusOrder(QWidget* w, bool inpart, const QHash<const QWidget*, int>& at, std::vector<QWidget*>& out)
{
	bool stop = w->focusPolicy() != Qt::NoFocus;
	if(stop && !inpart)
		out.push_back(w);
	struct Kid {
		QWidget* w;
		Ctrl* ctrl;
		int index; // among its parent control's children, -1 for a part
	};
	std::vector<Kid> kids;
	for(QObject* o : w->children())
		if(auto* k = qobject_cast<QWidget*>(o); k && !k->isWindow()) {
			Ctrl* c = CtrlOf(k);
			kids.push_back({ k, c, c && c->GetParent() ? IndexInParent(c) : -1 });
		}
	std::stable_sort(kids.begin(), kids.end(),
					 [&](const Kid& a, const Kid& b) { return at.value(a.w) < at.value(b.w); });
	// The placed controls take the places they hold among the parts, in their parent's order.
	std::vector<Kid> placed;
	for(const Kid& k : kids)
		if(k.index >= 0)
			placed.push_back(k);
	std::stable_sort(placed.begin(), placed.end(), [](const Kid& a, const Kid& b) { return a.index < b.index; });
	auto next = placed.begin();
	for(Kid& k : kids)
		if(k.index >= 0)
			k = *next++;
	for(const Kid& k : kids)
		CollectFocusOrder(k.w, k.ctrl ? false : inpart || stop, at, out);
}

// Whether Tab can stop at w or inside it; a control it never stops at changes no order.
static bool TakesFocus(const QWidget* w)
{
	if(w->focusPolicy() != Qt::NoFocus)
		return true;
	for(QObject* o : w->children())
		if(auto* k = qobject_cast<const QWidget*>(o); k && !k->isWindow() && TakesFocus(k))
			return true;
	return false;
}

void Ctrl::SyncFocusOrder()
{
	QWidget* top = widget->window();
	QHash<const QWidget*, int> at;
	QWidget* w = top;
	do {
		at.insert(w, (int)at.size());
		w = w->nextInFocusChain();
	} while(w != top);
	std::vector<QWidget*> order;
	CollectFocusOrder(top, false, at, order);
	// Most widgets were put where they belong: the chain changes from the first one that was not.
	std::vector<QWidget*> now = order;
	std::sort(now.begin(), now.end(), [&](QWidget* a, QWidget* b) { return at.value(a) < at.value(b); });
	size_t first = std::mismatch(order.begin(), order.end(), now.begin()).first - order.begin();
	for(size_t i = std::max<size_t>(first, 1); i < order.size(); i++)
		QWidget::setTabOrder(order[i - 1], order[i]);
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
		if(TakesFocus(c.widget))
			SyncFocusOrder();
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
	if(TakesFocus(c.widget))
		SyncFocusOrder();
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
