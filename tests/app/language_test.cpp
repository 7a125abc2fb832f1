// Applying a language, the Settings dialog, the menus, About, the web site and Exit.
#include "apptest.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDesktopServices>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>

using namespace testutil;

namespace {

// Collects the addresses handed to the browser.
class UrlCatcher : public QObject {
	Q_OBJECT

public:
	std::vector<std::string> urls;
	UrlCatcher()
	{
		QDesktopServices::setUrlHandler("http", this, "open");
		QDesktopServices::setUrlHandler("https", this, "open");
	}
	~UrlCatcher() override
	{
		QDesktopServices::unsetUrlHandler("http");
		QDesktopServices::unsetUrlHandler("https");
	}
public slots:
	void open(const QUrl& u) { urls.push_back(u.toString().toStdString()); }
};

struct MenuEntry {
	std::string text;
	bool icon;
};

// The entries of each submenu as the user sees them on opening it.
std::vector<std::vector<MenuEntry>> OpenMenus(MenuBar& menu)
{
	std::vector<std::vector<MenuEntry>> r;
	for(QAction* top : menu.GetQMenuBar()->actions()) {
		QMenu* m = top->menu();
		emit m->aboutToShow();
		std::vector<MenuEntry> entries;
		for(QAction* a : m->actions())
			entries.push_back({ a->text().toStdString(), !a->icon().isNull() });
		r.push_back(entries);
	}
	return r;
}

QAction* Entry(MenuBar& menu, int sub, int i)
{
	QMenu* m = menu.GetQMenuBar()->actions()[sub]->menu();
	emit m->aboutToShow();
	return m->actions()[i];
}

// Presses the named entry while the caller's modal answerer deals with any window it opens.
void Trigger(MenuBar& menu, int sub, int i) { Entry(menu, sub, i)->trigger(); }

} // namespace

TEST_F(AppTest, StoredIndicesSelectTheirLanguage)
{
	struct Case {
		int index;
		const char* tab0;
		const char* tab1;
		const char* calculate;
	} cases[] = {
		{ 2, "Diferencia Días", "Fecha Específica", "Calcular" },
		{ 5, "Tag Unterschied", nullptr, "Berechnen" },
		{ 10, "Day Difference", "Specific Date", "Calculate" },
		{ -1, "Day Difference", "Specific Date", "Calculate" },
		{ 0, "Day Difference", "Specific Date", "Calculate" },
	};
	for(const Case& c : cases) {
		Apply(c.index);
		EXPECT_EQ(app.tab.GetTabText(0), c.tab0) << c.index;
		if(c.tab1) {
			EXPECT_EQ(app.tab.GetTabText(1), c.tab1) << c.index;
		}
		EXPECT_EQ(app.diffPage.bcal.GetLabel(), c.calculate) << c.index;
		EXPECT_EQ(app.sett.lang.GetData(), Value(c.index)) << "the value itself is never changed";
		EXPECT_EQ(app.GetTitle(), LUNBREK_TITLE);
	}
}

TEST_F(AppTest, RepeatedApplicationsLeaveOneOfEverything)
{
	for(int i = 0; i < 3; i++)
		Apply(i % 2 ? 5 : 0);
	EXPECT_EQ(app.tab.GetCount(), 2);
	EXPECT_EQ(app.diffPage.opdftp.GetCount(), 3);
	EXPECT_EQ(app.datePage.swop.GetCount(), 2);
	EXPECT_EQ(app.menu.GetCount(), 3);
	auto msgs = CollectMessages([&] { Click(app.diffPage.bcal); });
	EXPECT_EQ(msgs.size(), 1u);
	msgs = CollectMessages([&] { Click(app.datePage.bcalc); });
	EXPECT_EQ(msgs.size(), 1u);
	// One change runs each bound operation once: count the writes of the info line.
	int writes = 0;
	app.diffPage.frdt << [&] { writes++; };
	app.diffPage.result.SetText("x");
	QTest::keyClick(EditOf(app.diffPage.frdt), Qt::Key_1);
	EXPECT_EQ(writes, 1);
	EXPECT_EQ(app.diffPage.result.GetText(), "");
	EXPECT_EQ(app.diffPage.frdt.WhenAction.GetCount(), 3);
	for(Ctrl* c :
		std::initializer_list<Ctrl*>{ &app.diffPage.bcal, &app.diffPage.opdftp, &app.datePage.swop, &app.datePage.yr,
									  &app.datePage.mn, &app.datePage.ds, &app.datePage.bcalc })
		EXPECT_EQ(c->WhenAction.GetCount(), 1);
	EXPECT_EQ(app.diffPage.todt.WhenAction.GetCount(), 2);
	EXPECT_EQ(app.datePage.frmdate.WhenAction.GetCount(), 2);
}

TEST_F(AppTest, ALanguageChangeEmptiesEverythingAndShowsTheFirstTab)
{
	Type(app.diffPage.frdt, "10/03/2014");
	Type(app.diffPage.todt, "10/05/2014");
	ClickCase(app.diffPage.opdftp, 2);
	Click(app.diffPage.bcal);
	Type(app.datePage.frmdate, "10/03/2014");
	ClickCase(app.datePage.swop, 1);
	Type(app.datePage.yr, "4");
	Click(app.datePage.bcalc);
	app.tab.Set(1);
	Apply(5);
	EXPECT_EQ(app.tab.Get(), 0);
	for(LabelBase* l : std::initializer_list<LabelBase*>{
			&app.diffPage.result, &app.diffPage.lunbrek, &app.datePage.strdate, &app.datePage.stres,
			&app.datePage.strdayname, &app.diffPage.frmdtinfo, &app.diffPage.todtinfo, &app.datePage.frmdtinfo })
		EXPECT_EQ(l->GetText(), "");
	for(DropDate* d : { &app.diffPage.frdt, &app.diffPage.todt, &app.datePage.frmdate }) {
		EXPECT_EQ(d->GetText(), "");
		EXPECT_TRUE(d->GetData().IsVoid());
	}
	EXPECT_EQ(app.diffPage.opdftp.GetData(), Value(0));
	EXPECT_EQ(app.datePage.swop.GetData(), Value(0));
	// Cases made while the window is open must show like the first ones.
	auto cases = app.diffPage.opdftp.GetQWidget()->findChildren<QRadioButton*>();
	ASSERT_EQ(cases.size(), 3);
	for(QRadioButton* b : cases)
		EXPECT_TRUE(b->isVisible());
	EXPECT_EQ(app.datePage.yr.GetData(), Value(0));
}

TEST_F(AppTest, SettingsShowsTheCurrentLanguageAndCancelChangesNothing)
{
	Apply(5);
	Type(app.diffPage.frdt, "03.10.2014");
	std::string title, caption, ok, cancel;
	int chosen = -2;
	bool closeBox = false, cancelShown = false;
	OnNextModal([&](QWidget*) {
		title = app.sett.GetTitle();
		caption = app.sett.lng.GetLabel();
		ok = app.sett.ok.GetLabel();
		cancel = app.sett.cancel.GetLabel();
		chosen = app.sett.lang.GetIndex();
		closeBox = app.sett.HasCloseBox();
		cancelShown = app.sett.cancel.IsShown();
		app.sett.lang.SetData(2); // the user picks Spanish, then thinks better of it
		QTest::keyClick(app.sett.GetQWidget(), Qt::Key_Escape);
	});
	app.OpenSettings();
	EXPECT_EQ(title, "Einstellungen");
	EXPECT_EQ(caption, "Sprache");
	EXPECT_EQ(ok, "OK");
	EXPECT_EQ(cancel, "Abbrechen");
	EXPECT_EQ(chosen, 5);
	EXPECT_TRUE(closeBox);
	EXPECT_TRUE(cancelShown);
	EXPECT_EQ(app.sett.lang.GetData(), Value(5));
	EXPECT_EQ(app.tab.GetTabText(0), "Tag Unterschied");
	EXPECT_EQ(app.diffPage.frdt.GetText(), "03.10.2014");
	EXPECT_FALSE(app.sett.IsOpen());
}

TEST_F(AppTest, SettingsOkAppliesTheChoiceOnceAndTheCloseBoxCancels)
{
	// Open and close a few times first; OK must still apply once.
	for(int i = 0; i < 3; i++) {
		OnNextModal([&](QWidget* w) { w->close(); });
		app.OpenSettings();
	}
	Type(app.diffPage.frdt, "10/03/2014");
	int applied = 0;
	OnNextModal([&](QWidget*) {
		app.sett.lang.SetData(4);
		app.diffPage.bcal << [&] { applied++; }; // wiped by the one application
		QTest::keyClick(app.sett.GetQWidget(), Qt::Key_Return);
	});
	app.OpenSettings();
	EXPECT_EQ(app.tab.GetTabText(0), "День Разница");
	EXPECT_EQ(app.diffPage.bcal.WhenAction.GetCount(), 1);
	EXPECT_EQ(app.diffPage.frdt.GetText(), "");
	EXPECT_EQ(app.sett.ok.WhenAction.GetCount(), 2);
	EXPECT_FALSE(app.sett.IsOpen());
}

TEST_F(AppTest, SettingsListOpensOnEightLinesAndScrollsToTheRest)
{
	struct Seen {
		bool opened = false;
		int rows = 0;
		bool scrollbar = false;
		bool lastReachable = false;
		std::string chosen;
	} seen;
	OnNextModal([&](QWidget* w) {
		auto* combo = qobject_cast<QComboBox*>(app.sett.lang.GetQWidget());
		Click(app.sett.lang);
		QAbstractItemView* view = combo->view();
		seen.opened = QTest::qWaitFor([&] { return view->isVisible(); }, 2000);
		QRect shown = view->viewport()->rect();
		for(int i = 0; i < combo->count(); i++) {
			QRect r = view->visualRect(combo->model()->index(i, 0));
			seen.rows += r.top() >= shown.top() && r.bottom() <= shown.bottom();
		}
		seen.scrollbar = view->verticalScrollBar()->isVisible();
		QTest::keyClick(view, Qt::Key_End);
		QRect last = view->visualRect(combo->model()->index(combo->count() - 1, 0));
		seen.lastReachable = last.top() >= shown.top() && last.bottom() <= shown.bottom();
		QTest::keyClick(view, Qt::Key_Return);
		seen.chosen = app.sett.lang.GetValue(app.sett.lang.GetIndex());
		w->close();
	});
	app.OpenSettings();
	EXPECT_TRUE(seen.opened);
	EXPECT_EQ(seen.rows, 8);
	EXPECT_TRUE(seen.scrollbar);
	EXPECT_TRUE(seen.lastReachable);
	EXPECT_EQ(seen.chosen, "Românesc");
}

TEST_F(AppTest, MenusCarryTheirEntriesImagesAndTranslatedTexts)
{
	auto menus = OpenMenus(app.menu);
	ASSERT_EQ(app.menu.GetCount(), 3);
	EXPECT_EQ(app.menu.GetText(0), "File");
	EXPECT_EQ(app.menu.GetText(1), "Tools");
	EXPECT_EQ(app.menu.GetText(2), "Help");
	ASSERT_EQ(menus.size(), 3u);
	ASSERT_EQ(menus[0].size(), 1u);
	EXPECT_EQ(menus[0][0].text, "Exit");
	ASSERT_EQ(menus[1].size(), 1u);
	EXPECT_EQ(menus[1][0].text, "Settings");
	ASSERT_EQ(menus[2].size(), 2u);
	EXPECT_EQ(menus[2][0].text, "Visit Website");
	EXPECT_EQ(menus[2][1].text, "About");
	for(auto& m : menus)
		for(auto& e : m)
			EXPECT_TRUE(e.icon) << e.text;
	Apply(2);
	menus = OpenMenus(app.menu);
	EXPECT_EQ(app.menu.GetText(2), "Ayuda");
	EXPECT_EQ(menus[0][0].text, "Salida");
	// Opening a submenu twice does not repeat its entries.
	menus = OpenMenus(app.menu);
	EXPECT_EQ(menus[2].size(), 2u);
}

TEST_F(AppTest, MenuEntriesFitTheBarInEveryLanguage)
{
	for(int lang : { 7, 4, 0 }) {
		Apply(lang);
		QMenuBar* bar = app.menu.GetQMenuBar();
		bar->adjustSize();
		bar->resize(app.GetSize().cx, app.menu.FrameHeight());
		QApplication::processEvents();
		for(QAction* a : bar->actions())
			EXPECT_FALSE(bar->actionGeometry(a).isEmpty()) << lang << " " << a->text().toStdString();
		EXPECT_GE(app.menu.FrameHeight(), bar->sizeHint().height()) << lang;
	}
}

namespace {

// The places of all widgets shown in the window, whatever order Qt keeps them in, as text.
std::string Places(qimvor& w)
{
	QWidget* top = w.GetQWidget();
	std::vector<std::string> r;
	for(QWidget* c : top->findChildren<QWidget*>())
		if(c->isVisibleTo(top)) {
			QRect g(c->mapTo(top, QPoint()), c->size());
			r.push_back(QString("%1 %2,%3 %4x%5")
							.arg(c->metaObject()->className())
							.arg(g.x())
							.arg(g.y())
							.arg(g.width())
							.arg(g.height())
							.toStdString());
		}
	std::sort(r.begin(), r.end());
	std::string s = QString("window %1x%2").arg(top->width()).arg(top->height()).toStdString();
	for(const std::string& x : r)
		s += "\n" + x;
	return s;
}

QImage Picture(qimvor& w) { return w.GetQWidget()->grab().toImage(); }

} // namespace

TEST_F(AppTest, AfterAnyLanguageChangesTheWindowIsAsAFreshStartInTheLast)
{
	std::vector<int> sequences[] = { { 7, 0 }, { 0, 7 }, { 7, 4, 7, 0 }, { 5, 7, 7, 2 } };
	for(const auto& seq : sequences) {
		for(int lang : seq)
			Apply(lang);
		qimvor fresh;
		fresh.sett.lang.SetData(seq.back());
		fresh.ApplyLanguage();
		fresh.Open();
		QApplication::processEvents();
		EXPECT_EQ(Places(app), Places(fresh)) << seq.front() << ".." << seq.back();
		EXPECT_EQ(app.menu.FrameHeight(), fresh.menu.FrameHeight()) << seq.front() << ".." << seq.back();
		EXPECT_TRUE(Picture(app) == Picture(fresh)) << seq.front() << ".." << seq.back();
	}
}

TEST_F(AppTest, AboutShowsTheCurrentLanguagesPageAndClosesWithOnePress)
{
	struct Case {
		Value index;
		const char* title;
		const char* heading;
	} cases[] = {
		{ 0, "About", "Disclaimer of Warranty" },
		{ 5, nullptr, "Haftungsausschluss" },
		{ 7, nullptr, "擔保免責聲明" },
		{ 42, "About", "Disclaimer of Warranty" },
	};
	for(const Case& c : cases) {
		Apply((int)c.index);
		for(int round = 0; round < 2; round++) {
			std::string title, text;
			OnNextModal([&](QWidget*) {
				title = app.info.GetTitle();
				text = app.info.info.GetPlainText();
				Click(app.info.ok);
			});
			Trigger(app.menu, 2, 1);
			EXPECT_FALSE(app.info.IsOpen());
			EXPECT_EQ(title, c.title ? c.title : t_("About"));
			EXPECT_NE(text.find(c.heading), std::string::npos) << (int)c.index;
			EXPECT_NE(text.find("Version 0.3.0"), std::string::npos);
		}
	}
	// Before any language was chosen, the English page.
	qimvor fresh;
	std::string text;
	OnNextModal([&](QWidget*) {
		text = fresh.info.info.GetPlainText();
		Click(fresh.info.ok);
	});
	fresh.ShowAbout();
	EXPECT_NE(text.find("Disclaimer of Warranty"), std::string::npos);
}

TEST_F(AppTest, VisitWebsiteOpensTheHomePageAndLeavesThePagesAlone)
{
	UrlCatcher catcher;
	Type(app.diffPage.frdt, "10/03/2014");
	Type(app.diffPage.todt, "10/05/2014");
	Click(app.diffPage.bcal);
	std::string before = app.diffPage.result.GetText();
	Trigger(app.menu, 2, 0);
	ASSERT_EQ(catcher.urls.size(), 1u);
	EXPECT_EQ(catcher.urls[0], "http://www.lunbrek.org");
	EXPECT_EQ(app.diffPage.result.GetText(), before);
	EXPECT_EQ(app.diffPage.frdt.GetText(), "10/03/2014");
}

TEST_F(AppTest, TheWebPageLineIsTheEnglishTopicInEveryLanguage)
{
	std::string english = app.wbpage.GetPlainText();
	EXPECT_EQ(english, "www.lunbrek.org");
	Apply(7);
	EXPECT_EQ(app.wbpage.GetPlainText(), english);
}

TEST_F(AppTest, ExitEndsTheWindowsLoop)
{
	// Should Exit not end the loop, the fail-safe ends it, so the test fails instead of hanging.
	bool failsafe = false;
	QTimer guard;
	guard.setSingleShot(true);
	QObject::connect(&guard, &QTimer::timeout, [&] {
		failsafe = true;
		app.Break(IDCANCEL);
	});
	guard.start(5000);
	bool ranInTheLoop = false;
	QTimer::singleShot(0, app.GetQWidget(), [&] {
		ranInTheLoop = app.GetLoopLevel() > 0 && app.IsOpen();
		Trigger(app.menu, 0, 0);
	});
	int code = app.Run();
	guard.stop();
	EXPECT_FALSE(failsafe) << "Exit did not end the window's loop";
	EXPECT_TRUE(ranInTheLoop);
	EXPECT_EQ(code, IDEXIT);
	EXPECT_EQ(app.GetLoopLevel(), 0);
}

#include "language_test.moc"
