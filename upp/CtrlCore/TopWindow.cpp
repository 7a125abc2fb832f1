#include "TopWindow.h"

#include "ImageQt.h"
#include "QtText.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QIcon>
#include <QKeyEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace Upp {

// The windows whose loops run, the innermost last.
static std::vector<TopWindow*> running;

// The window widget hands its close requests and default keys to the TopWindow.
class TopWindow::Window : public QWidget {
	TopWindow& owner;

public:
	explicit Window(TopWindow& o) : owner(o) {}

protected:
	void closeEvent(QCloseEvent* e) override
	{
		e->ignore();
		owner.Close();
	}
	void keyPressEvent(QKeyEvent* e) override
	{
		int k = e->key();
		if(k == Qt::Key_Return || k == Qt::Key_Enter)
			owner.KeyAction(true);
		else if(k == Qt::Key_Escape)
			owner.KeyAction(false);
		else
			QWidget::keyPressEvent(e);
	}
};

TopWindow::TopWindow() : Ctrl(nullptr)
{
	QWidget* w = new Window(*this);
	QWidget* v = new QWidget(w);
	SetWidget(w, v);
	SyncFlags();
}

TopWindow::~TopWindow()
{
	running.erase(std::remove(running.begin(), running.end(), this), running.end());
	while(!loops.empty()) {
		loops.back()->exit(IDEXIT);
		loops.pop_back();
	}
}

void TopWindow::SyncFlags()
{
	// A window manager keeps a window above its owner only for a dialog.
	Qt::WindowFlags f = (owned ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
	if(!noclosebox)
		f |= Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint;
	if(minimizebox)
		f |= Qt::WindowMinimizeButtonHint;
	bool visible = widget->isVisible();
	if(widget->windowFlags() != f) {
		widget->setWindowFlags(f);
		if(visible)
			widget->show();
	}
	SyncSize();
}

// The windows keep the size the program gave them; the user cannot resize them.
void TopWindow::SyncSize() { widget->setFixedSize(widget->size()); }

bool TopWindow::IsSizeable() const { return widget->minimumSize() != widget->maximumSize(); }

bool TopWindow::HasMinimizeBox() const { return widget->windowFlags().testFlag(Qt::WindowMinimizeButtonHint); }

bool TopWindow::HasMaximizeBox() const { return widget->windowFlags().testFlag(Qt::WindowMaximizeButtonHint); }

bool TopWindow::HasCloseBox() const { return widget->windowFlags().testFlag(Qt::WindowCloseButtonHint); }

TopWindow& TopWindow::Title(const char* t)
{
	title = t;
	widget->setWindowTitle(ToQString(t));
	return *this;
}

TopWindow& TopWindow::MinimizeBox(bool b)
{
	minimizebox = b;
	SyncFlags();
	return *this;
}

TopWindow& TopWindow::NoCloseBox(bool b)
{
	noclosebox = b;
	SyncFlags();
	return *this;
}

TopWindow& TopWindow::CenterScreen()
{
	centerscreen = true;
	return *this;
}

TopWindow& TopWindow::Icon(const Image& img)
{
	widget->setWindowIcon(img.IsEmpty() ? QIcon() : QIcon(QPixmap::fromImage(ToQImage(img))));
	return *this;
}

TopWindow& TopWindow::SetMinSize(Size sz)
{
	minsize = sz;
	SyncSize();
	return *this;
}

// The view keeps its size when a frame is added, so a window laid out before its menu bar
// was attached grows by the bar instead of clipping its bottom row.
void TopWindow::AddFrame(CtrlFrame& f)
{
	Size view = GetView().GetSize();
	if(frames.empty())
		view = GetSize();
	Ctrl::AddFrame(f);
	minsize.cy += f.FrameHeight();
	SetRect(RectC(widget->x(), widget->y(), view.cx, view.cy + AddFrameSize(Size()).cy));
}

Ctrl& TopWindow::SetRect(const Rect& r)
{
	widget->setMinimumSize(0, 0);
	widget->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
	// An open window keeps its place on the screen when it is laid out again.
	if(widget->isVisible())
		widget->resize(r.Width(), r.Height());
	else
		widget->setGeometry(r.left, r.top, r.Width(), r.Height());
	LayoutFrames();
	PlaceChildren();
	SyncSize();
	return *this;
}

QWidget* OwnerFor(const QWidget* w)
{
	for(auto it = running.rbegin(); it != running.rend(); ++it)
		if(QWidget* o = (*it)->GetQWidget(); o != w && o->isVisible())
			return o;
	QWidget* active = QApplication::activeWindow();
	return active && active != w && active->isVisible() ? active : nullptr;
}

// Set on the native window, not as the Qt parent: one control owns one widget, and Qt would
// delete a child with its parent.
void SetOwner(QWidget* w, QWidget* owner)
{
	w->winId(); // the native window exists from here on, and is told its owner when shown
	w->windowHandle()->setTransientParent(owner ? owner->windowHandle() : nullptr);
}

void TopWindow::Place(QWidget* owner)
{
	QRect area;
	if(!centerscreen && owner)
		area = owner->frameGeometry();
	else if(QScreen* s = QGuiApplication::primaryScreen())
		area = s->availableGeometry();
	if(area.isValid())
		widget->move(area.center() - QPoint(widget->width() / 2, widget->height() / 2));
}

void TopWindow::Open()
{
	if(widget->isVisible())
		return;
	QWidget* owner = OwnerFor(widget);
	// A window run modally belongs to the one it goes over; any other only opens over it.
	owned = owner && widget->isModal();
	SyncFlags();
	Place(owner);
	SetOwner(widget, owned ? owner : nullptr);
	widget->show();
	widget->activateWindow();
	widget->raise();
}

bool TopWindow::IsOpen() const { return widget->isVisible(); }

int TopWindow::Run(bool appmodal)
{
	if(appmodal)
		widget->setWindowModality(Qt::ApplicationModal);
	Open();
	QEventLoop loop;
	loops.push_back(&loop);
	running.push_back(this);
	loop.exec();
	if(auto it = std::find(running.rbegin(), running.rend(), this); it != running.rend())
		running.erase(std::next(it).base());
	loops.pop_back();
	return exitcode;
}

int TopWindow::Execute()
{
	widget->setWindowModality(Qt::ApplicationModal);
	int code = Run();
	if(loops.empty())
		widget->hide();
	return code;
}

void TopWindow::Break(int id)
{
	exitcode = id;
	if(!loops.empty())
		loops.back()->exit(id);
}

bool TopWindow::AcceptBreak(int id)
{
	if(!Accept())
		return false;
	Break(id);
	return true;
}

void TopWindow::Reject() {}

void TopWindow::RejectBreak(int id)
{
	Reject();
	Break(id);
}

// A close request ends the loop the window runs in: as its reject action where it has one,
// else plainly. Outside a loop it just closes the window.
void TopWindow::Close()
{
	if(InLoop()) {
		if(HasAction(IDCANCEL))
			RejectBreak(IDCANCEL);
		else
			Break(IDEXIT);
		return;
	}
	widget->hide();
}

void TopWindow::Acceptor(Ctrl& c, int id)
{
	Event<> e([this, id] { AcceptBreak(id); });
	c.WhenAction = e;
	actions[id] = e;
}

void TopWindow::Rejector(Ctrl& c, int id)
{
	Event<> e([this, id] { RejectBreak(id); });
	c.WhenAction = e;
	actions[id] = e;
}

void TopWindow::KeyAction(bool enter) { HotKey(enter ? K_ENTER : K_ESCAPE); }

} // namespace Upp
