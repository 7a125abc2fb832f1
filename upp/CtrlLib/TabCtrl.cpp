#include "TabCtrl.h"

#include <CtrlCore/QtText.h>

#include <QPointer>
#include <QTabWidget>

namespace Upp {

TabCtrl::TabCtrl() : Ctrl(new QTabWidget) { tabs = static_cast<QTabWidget*>(widget); }

// Each page sits in a holder inside the tab's pane. A panel with a minimum size keeps that
// size, the size its layout was drawn for, centred across the pane and near its top, so
// items anchored to its edges stay where the layout put them; any other page fills the
// pane. The pages are owned elsewhere: a page destroyed first takes its widget out of the
// holder, and the pages still here are taken out so that Qt does not delete them with ours.
class TabHolder : public QWidget {
	Ctrl& page;
	QPointer<QWidget> pagewidget; // gone once the page is destroyed

public:
	explicit TabHolder(Ctrl& p) : page(p), pagewidget(p.GetQWidget())
	{
		pagewidget->setParent(this);
		pagewidget->show();
	}
	QWidget* Page() const { return pagewidget; }
	bool Holds(const Ctrl& p) const { return pagewidget && &p == &page; }
	void resizeEvent(QResizeEvent*) override
	{
		if(!pagewidget)
			return;
		Size sz = Size(width(), height());
		if(auto* pc = dynamic_cast<ParentCtrl*>(&page))
			if(pc->GetMinSize().cx > 0) {
				Size m = pc->GetMinSize();
				int x = std::max(0, (sz.cx - m.cx) / 2);
				int y = std::max(0, std::min(Ctrl::VertLayoutZoom(2), (sz.cy - m.cy) / 2));
				page.SetRect(RectC(x, y, m.cx, m.cy));
				return;
			}
		page.SetRect(Rect(sz));
	}
};

static TabHolder* HolderOf(QWidget* w) { return dynamic_cast<TabHolder*>(w); }

static void TakePage(QTabWidget* tabs, int i)
{
	TabHolder* holder = HolderOf(tabs->widget(i));
	tabs->removeTab(i);
	if(holder && holder->Page()) {
		holder->Page()->hide();
		holder->Page()->setParent(nullptr);
	}
	delete holder;
}

TabCtrl::~TabCtrl()
{
	while(tabs->count())
		TakePage(tabs, 0);
}

TabCtrl& TabCtrl::Add(Ctrl& page, const char* text)
{
	page.Remove();
	Remove(page);
	tabs->addTab(new TabHolder(page), ToQString(text));
	SyncFocusOrder();
	return *this;
}

int TabCtrl::IndexOf(const Ctrl& page) const
{
	for(int i = 0; i < tabs->count(); i++)
		if(TabHolder* h = HolderOf(tabs->widget(i)); h && h->Holds(page))
			return i;
	return -1;
}

void TabCtrl::Remove(Ctrl& page)
{
	int i = IndexOf(page);
	if(i >= 0)
		TakePage(tabs, i);
}

int TabCtrl::GetCount() const { return tabs->count(); }

int TabCtrl::Get() const { return tabs->currentIndex(); }

void TabCtrl::Set(int i) { tabs->setCurrentIndex(i); }

String TabCtrl::GetTabText(int i) const { return tabs->tabText(i).toStdString(); }

} // namespace Upp
