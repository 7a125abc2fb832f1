#include "Bar.h"

#include <CtrlCore/ImageQt.h>
#include <CtrlCore/QtText.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace Upp {

// The entries of a submenu are rebuilt each time it opens.
static void AddSubmenu(QMenu* menu, const Event<Bar&>& builder);

static void AddCommand(QWidget* target, const char* text, const Image& img, const Event<>& cb)
{
	auto* a = new QAction(ToQString(text), target);
	if(!img.IsEmpty())
		a->setIcon(QIcon(QPixmap::fromImage(ToQImage(img))));
	QObject::connect(a, &QAction::triggered, [cb] { cb(); });
	target->addAction(a);
}

class PopupBar : public Bar {
	QMenu* menu;

public:
	explicit PopupBar(QMenu* m) : menu(m) {}
	void Add(const char* text, const Event<Bar&>& submenu) override
	{
		AddSubmenu(menu->addMenu(ToQString(text)), submenu);
	}
	void Add(const char* text, const Image& img, const Event<>& cb) override { AddCommand(menu, text, img, cb); }
};

static void AddSubmenu(QMenu* menu, const Event<Bar&>& builder)
{
	QObject::connect(menu, &QMenu::aboutToShow, [menu, builder] {
		for(QAction* a : menu->actions()) {
			menu->removeAction(a);
			a->deleteLater();
		}
		PopupBar b(menu);
		builder(b);
	});
}

MenuBar::MenuBar() : Ctrl(new QMenuBar)
{
	bar = static_cast<QMenuBar*>(widget);
	bar->setNativeMenuBar(false);
}

MenuBar::~MenuBar()
{
	if(owner)
		owner->RemoveFrame(*this);
	FrameRemove();
}

void MenuBar::Clear()
{
	for(QAction* a : bar->actions()) {
		bar->removeAction(a);
		if(QMenu* m = a->menu())
			m->deleteLater();
		a->deleteLater();
	}
}

void MenuBar::Set(const Event<Bar&>& menu)
{
	int before = FrameHeight();
	Clear();
	menu(*this);
	// As high as these entries need: taller for some scripts, and back again after them.
	int h = bar->sizeHint().height();
	if(h != before) {
		height = h;
		if(owner)
			owner->LayoutFrames();
	}
}

int MenuBar::GetCount() const { return (int)bar->actions().size(); }

String MenuBar::GetText(int i) const { return bar->actions()[i]->text().toStdString(); }

void MenuBar::Add(const char* text, const Event<Bar&>& submenu)
{
	auto* m = new QMenu(ToQString(text), bar);
	bar->addMenu(m);
	AddSubmenu(m, submenu);
}

void MenuBar::Add(const char* text, const Image& img, const Event<>& cb) { AddCommand(bar, text, img, cb); }

void MenuBar::FrameAdd(Ctrl& parent)
{
	owner = &parent;
	bar->setParent(parent.GetQWidget());
	bar->show();
}

void MenuBar::FrameRemove()
{
	if(!owner)
		return;
	owner = nullptr;
	bar->hide();
	bar->setParent(nullptr);
}

// The band starts as high as the bar with one Latin entry, measured on the bar itself with
// an entry that is taken out again; the entries set later give it their own height.
// Measuring taller scripts (Chinese, say) up front would load their fonts at every start.
int MenuBar::FrameHeight() const
{
	if(!height) {
		QAction* probe = bar->addAction("File");
		height = bar->sizeHint().height();
		bar->removeAction(probe);
		delete probe;
	}
	return height;
}

void MenuBar::FrameLayout(int x, int y, int cx, int cy) { bar->setGeometry(x, y, cx, cy); }

} // namespace Upp
