// Geometry and order of the five layouts, as the zoom turns layout units into pixels.
#include "apptest.h"

#include <map>
#include <set>
#include <string>
#include <utility>

namespace {

int X(int x) { return Ctrl::HorzLayoutZoom(x); }
int Y(int y) { return Ctrl::VertLayoutZoom(y); }

// Expected rectangle from layout units: left and width, top and height, with -1 width or
// height meaning "anchored to the far edge, leaving r units" given in the second field.
struct Item {
	const char* id;
	int l, w, t, h;
	bool hsize = false, vsize = false;
	bool hcenter = false; // then l is the offset from the centred place
};

Rect Expect(const Item& it, Size parent)
{
	int x = it.hcenter ? (parent.cx - X(it.w)) / 2 + X(it.l) : X(it.l), y = Y(it.t);
	int cx = it.hsize ? parent.cx - X(it.l) - X(it.w) : X(it.w);
	int cy = it.vsize ? parent.cy - Y(it.t) - Y(it.h) : Y(it.h);
	return RectC(x, y, cx, cy);
}

void CheckPlaces(Ctrl& parent, Size sz, const std::vector<Item>& items, const char* name)
{
	for(int i = 0; i < (int)items.size(); i++) {
		Ctrl* c = parent.GetIndexChild(i);
		EXPECT_EQ(c->GetLayoutId(), items[i].id) << name << " item " << i;
		EXPECT_EQ(c->GetRect(), Expect(items[i], sz)) << name << " " << items[i].id << " in " << sz.cx << "x" << sz.cy;
	}
}

// At the layout's own size every kind of placement gives the same rectangle, so the items are
// checked again in a larger parent, where an item sized to its parent grows and a centred one
// moves by half the growth while the others stay.
void CheckLayout(Ctrl& parent, Size layout, const std::vector<Item>& items, const char* name)
{
	ASSERT_EQ(parent.GetLayoutId(), name);
	ASSERT_EQ(parent.GetChildCount(), (int)items.size()) << name;
	Size sz = Ctrl::LayoutZoom(layout);
	CheckPlaces(parent, sz, items, name);
	Rect before = parent.GetRect();
	Size grown(sz.cx + X(40), sz.cy + Y(30));
	Size outer = parent.AddFrameSize(grown);
	parent.SetRect(RectC(before.left, before.top, outer.cx, outer.cy));
	CheckPlaces(parent, grown, items, name);
	parent.SetRect(before);
}

const std::vector<Item> TAB = {
	{ "tab", 4, 380, 48, 240 }, { "wbpage", 308, 80, 292, 19 }, { "dv___2", 4, 120, 288, 21 }, { "logo", 4, 380, 4, 40 }
};

const std::vector<Item> DIFF = {
	{ "frdt", 80, 100, 12, 24 },
	{ "from", 4, 72, 12, 24 },
	{ "to", 184, 108, 12, 24, true },
	{ "todt", 264, 100, 12, 24 },
	{ "bcal", 4, 360, 92, 32 },
	{ "totdiff", 4, 132, 180, 24 },
	{ "lunbrek", 140, 224, 180, 4, false, true },
	{ "diff", 4, 4, 128, 59, true, true },
	{ "result", 4, 360, 152, 32, false, true },
	{ "frmdtinfo", 4, 188, 40, 24, true },
	{ "todtinfo", 184, 180, 40, 24 },
	{ "opdftp", 4, 360, 68, 20 },
};

const std::vector<Item> DATE = {
	{ "day", 252, 56, 68, 96, false, true },
	{ "month", 124, 68, 68, 24 },
	{ "year", 4, 60, 68, 96, false, true },
	{ "frmdate", 80, 100, 12, 152, false, true },
	{ "swop", 92, 176, 16, 20, false, false, true },
	{ "yr", 68, 52, 68, 24 },
	{ "mn", 196, 52, 68, 24 },
	{ "ds", 312, 52, 68, 24 },
	{ "from", 4, 72, 12, 24 },
	{ "bcalc", 4, 360, 96, 32 },
	{ "date", 4, 72, 132, 24 },
	{ "strdate", 80, 100, 132, 24 },
	{ "finday", 184, 68, 132, 24 },
	{ "stres", 4, 360, 160, 24 },
	{ "strdayname", 256, 108, 132, 24 },
	{ "frmdtinfo", 4, 4, 40, 24, true },
};

const std::vector<Item> INFO = { { "info", 4, 328, 8, 32, false, true }, { "ok", 260, 72, 216, 24 } };

const std::vector<Item> SETT = {
	{ "lang", 12, 200, 20, 20 }, { "ok", 72, 72, 56, 24 }, { "cancel", 148, 72, 56, 24 }, { "lng", 4, 216, 4, 48 }
};

} // namespace

// The pages are checked before a language puts them into the tab control, which gives them
// its own size.
TEST(Layouts, EveryItemSitsWhereItsLayoutPutsIt)
{
	qimvor app;
	CheckLayout(app, Size(388, 328), TAB, "tabLayout");
	CheckLayout(app.diffPage, Size(368, 208), DIFF, "qimvorLayout");
	CheckLayout(app.datePage, Size(368, 188), DATE, "dateLayout");
}

TEST_F(AppTest, DialogsAreLaidOutAnewAtEachOpeningWithOneOfEachWidget)
{
	for(int round = 0; round < 3; round++) {
		CtrlLayout(app.info, "About");
		CheckLayout(app.info, Size(336, 244), INFO, "infoLayout");
		CtrlLayout(app.sett, "Settings");
		CheckLayout(app.sett, Size(224, 84), SETT, "settLayout");
		EXPECT_EQ(app.sett.GetMinSize(), app.sett.AddFrameSize(Ctrl::LayoutZoom(224, 84)));
		EXPECT_EQ(app.sett.GetSize(), Ctrl::LayoutZoom(224, 84));
	}
}

TEST(Layouts, AnchoredItemsFollowTheirParentsSize)
{
	qimvor app;
	app.datePage.SetRect(0, 0, X(368) + 40, Y(188) + 30);
	Size sz(X(368) + 40, Y(188) + 30);
	EXPECT_EQ(app.datePage.frmdtinfo.GetRect(), RectC(X(4), Y(40), sz.cx - X(4) - X(4), Y(24)));
	EXPECT_EQ(app.datePage.day.GetRect(), RectC(X(252), Y(68), X(56), sz.cy - Y(68) - Y(96)));
	EXPECT_EQ(app.datePage.swop.GetRect().left, (sz.cx - X(176)) / 2 + X(92));
	// A fixed item does not move.
	EXPECT_EQ(app.datePage.bcalc.GetRect(), RectC(X(4), Y(96), X(360), Y(32)));
}

// Once a language has put the pages into the tab control, each item of the three layouts is
// among the window's controls exactly once, under its own layout.
TEST_F(AppTest, EveryItemOfTheWindowsLayoutsIsInTheWindowOnce)
{
	std::map<std::string, int> expected, found;
	expected["qimvorLayout"] = expected["dateLayout"] = 1; // the pages themselves
	for(auto [layout, items] : { std::pair{ "tabLayout", &TAB }, { "qimvorLayout", &DIFF }, { "dateLayout", &DATE } })
		for(const Item& it : *items)
			expected[std::string(layout) + "." + it.id]++;
	// Inner widgets (a date field's line edit, a switch's buttons) lead back to their control.
	std::set<Ctrl*> controls;
	for(QWidget* w : app.GetQWidget()->findChildren<QWidget*>())
		if(Ctrl* c = Ctrl::FromQWidget(w); c && c != &app && !c->GetLayoutId().empty())
			controls.insert(c);
	for(Ctrl* c : controls) {
		Ctrl* parent = c->GetParent();
		found[parent ? parent->GetLayoutId() + "." + c->GetLayoutId() : c->GetLayoutId()]++;
	}
	EXPECT_EQ(found, expected);
}

TEST_F(AppTest, LayoutSettingsAreApplied)
{
	auto& d = app.diffPage;
	auto& p = app.datePage;
	EXPECT_EQ(d.to.GetAlign(), ALIGN_RIGHT);
	EXPECT_EQ(d.todtinfo.GetAlign(), ALIGN_RIGHT);
	EXPECT_EQ(d.result.GetAlign(), ALIGN_CENTER);
	EXPECT_TRUE(d.result.GetFont().IsBold());
	EXPECT_TRUE(d.lunbrek.GetFont().IsBold());
	EXPECT_EQ(d.from.GetAlign(), ALIGN_LEFT);
	EXPECT_FALSE(d.from.GetFont().IsBold());
	EXPECT_EQ(p.day.GetAlign(), ALIGN_RIGHT);
	EXPECT_EQ(p.month.GetAlign(), ALIGN_CENTER);
	EXPECT_EQ(p.stres.GetAlign(), ALIGN_CENTER);
	EXPECT_TRUE(p.strdate.GetFont().IsBold());
	EXPECT_TRUE(p.strdayname.GetFont().IsBold());
	for(EditIntSpin* f : { &p.yr, &p.mn, &p.ds }) {
		EXPECT_EQ(f->GetMin(), 0);
		EXPECT_EQ(f->GetMax(), 999);
		EXPECT_TRUE(f->IsNotNull());
	}
	EXPECT_FALSE(d.frdt.IsSelectAll());
	EXPECT_FALSE(d.todt.IsSelectAll());
	EXPECT_TRUE(p.frmdate.IsSelectAll());
	EXPECT_EQ(app.dv___2.GetText(), "© 2014-2026 Lunbrek");
}

TEST(MainWindow, RightAfterConstructionItHasNoTabsNoMenuAndTheLayoutSize)
{
	qimvor app;
	EXPECT_EQ(app.tab.GetCount(), 0);
	EXPECT_EQ(app.menu.GetCount(), 0);
	EXPECT_EQ(app.GetTitle(), LUNBREK_TITLE);
	EXPECT_FALSE(app.IsSizeable());
	EXPECT_TRUE(app.HasMinimizeBox());
	EXPECT_FALSE(app.HasMaximizeBox());
	// The view keeps the layout's size below the menu bar.
	EXPECT_EQ(app.GetView().GetSize(), Ctrl::LayoutZoom(388, 328));
	EXPECT_EQ(app.GetSize(), app.AddFrameSize(Ctrl::LayoutZoom(388, 328)));
	EXPECT_EQ(app.diffPage.GetSize(), Ctrl::LayoutZoom(368, 208));
	EXPECT_EQ(app.datePage.GetSize(), Ctrl::LayoutZoom(368, 188));
	EXPECT_EQ(app.diffPage.opdftp.GetCount(), 0);
	EXPECT_TRUE(app.logo.GetImage().IsEmpty());
}

namespace {

// The controls the keyboard focus visits on real Tab presses, going round the window from the
// tab control, its first item, until the focus is back there. A control with several stops
// is named once.
std::vector<std::string> TabRound(qimvor& app)
{
	QWidget* top = app.GetQWidget();
	top->activateWindow();
	EXPECT_TRUE(QTest::qWaitForWindowActive(top));
	app.tab.GetQWidget()->setFocus(Qt::TabFocusReason);
	QWidget* first = QApplication::focusWidget();
	std::vector<std::string> seen;
	for(QWidget* f = first; f && seen.size() < 40;) {
		Ctrl* c = Ctrl::FromQWidget(f);
		std::string name = c ? c->GetLayoutId() : f->metaObject()->className();
		if(seen.empty() || seen.back() != name)
			seen.push_back(name);
		QTest::keyClick(f, Qt::Key_Tab);
		f = QApplication::focusWidget();
		if(f == first)
			break;
	}
	return seen;
}

} // namespace

// The pages' switches make their cases anew at each language, long after their pages were
// laid out; they still take their turn where their layouts put them. The other items of the
// window take no focus.
TEST_F(AppTest, TabVisitsEachPagesControlsInItemOrderAfterAnyLanguageChanges)
{
	using Ids = std::vector<std::string>;
	const Ids diff = { "tab", "frdt", "todt", "bcal", "opdftp" };
	const Ids date = { "tab", "frmdate", "swop", "yr", "mn", "ds", "bcalc" };
	auto check = [&](const char* when) {
		app.tab.Set(0);
		EXPECT_EQ(TabRound(app), diff) << when;
		app.tab.Set(1);
		EXPECT_EQ(TabRound(app), date) << when;
	};
	check("at start");
	Apply(5);
	Apply(7);
	check("after two languages");
	for(int lang : { 2, 0 }) {
		testutil::OnNextModal([&](QWidget*) {
			app.sett.lang.SetData(lang);
			QTest::keyClick(app.sett.GetQWidget(), Qt::Key_Return);
		});
		app.OpenSettings();
	}
	ASSERT_EQ(app.tab.GetTabText(0), "Day Difference");
	check("after Settings' OK twice");
}
