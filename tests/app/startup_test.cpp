// The whole program from its entry: configuration file, first-start dialog, main window,
// stored bytes. Steps run from a timer while the program's own loops run.
#include "apptest.h"
#include "settings_file.h"

#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>

#include <deque>
#include <fstream>
#include <map>

using namespace testutil;

namespace {

String ReadConfig()
{
	std::ifstream f(ConfigFile(), std::ios::binary);
	if(!f)
		return "<missing>";
	return String(std::istreambuf_iterator<char>(f), {});
}

void WriteConfig(const String& s) { std::ofstream(ConfigFile(), std::ios::binary) << s; }

// A message box carries the title of the window it belongs to.
qimvor* MainWindow()
{
	for(QWidget* w : QApplication::topLevelWidgets())
		if(w->windowTitle() == LUNBREK_TITLE)
			if(auto* q = dynamic_cast<qimvor*>(Ctrl::FromQWidget(w)))
				return q;
	return nullptr;
}

bool MainShown()
{
	qimvor* q = MainWindow();
	return q && q->IsOpen();
}

// Steps of a user, each waiting for its condition, run while the program's loops spin.
class Script {
	struct Step {
		std::function<bool()> ready;
		std::function<void()> act;
	};
	std::deque<Step> steps;
	QTimer timer;
	bool busy = false;

public:
	Script()
	{
		timer.setInterval(5);
		QObject::connect(&timer, &QTimer::timeout, [this] {
			// The step acts from an event of its own: a timer does not fire again while its
			// own handler runs, and a step may open a loop that waits for the next step.
			if(!busy && !steps.empty() && steps.front().ready()) {
				Step s = steps.front();
				steps.pop_front();
				busy = true;
				QTimer::singleShot(0, [this, s] {
					busy = false;
					s.act();
				});
			}
		});
		timer.start();
	}
	Script& When(std::function<bool()> ready, std::function<void()> act)
	{
		steps.push_back({ ready, act });
		return *this;
	}
	bool Done() const { return steps.empty(); }
};

// How many runs of the Settings dialog are open, nested.
int SettingsRuns()
{
	qimvor* q = MainWindow();
	return q && q->sett.IsOpen() ? q->sett.GetLoopLevel() : 0;
}

void RunProgram() { Upp::GetGuiMain()(); }

struct Startup : ::testing::Test {
	// Each test is a new start of the program, which begins in English whatever language an
	// earlier test of this process applied.
	void SetUp() override
	{
		SetLanguage(SetLNGCharset(LNG_ENGLISH, CHARSET_UTF8));
		remove(ConfigFile().c_str());
	}
	void TearDown() override { remove(ConfigFile().c_str()); }
};

} // namespace

TEST_F(Startup, StoredEnglishOpensWithoutDialogAndIsStoredAgain)
{
	WriteConfig(StoredIndex(0));
	bool sawDialog = false;
	Script s;
	s.When([] { return MainShown() || SettingsRuns() > 0; },
		   [&] {
			   sawDialog = SettingsRuns() > 0;
			   qimvor* q = MainWindow();
			   ASSERT_TRUE(q);
			   EXPECT_EQ(q->tab.GetTabText(0), "Day Difference");
			   q->GetQWidget()->close(); // the close box
		   });
	RunProgram();
	EXPECT_FALSE(sawDialog);
	EXPECT_TRUE(s.Done());
	EXPECT_EQ(ReadConfig(), StoredIndex(0));
}

TEST_F(Startup, EachStoredIndexSelectsItsLanguageAndIsKept)
{
	struct Case {
		int index;
		const char* caption;
	} cases[] = { { 9, "Diferența Zi" }, { 2, "Diferencia Días" }, { 10, "Day Difference" }, { -1, "Day Difference" } };
	for(const Case& c : cases) {
		WriteConfig(StoredIndex(c.index));
		std::string caption;
		Script s;
		s.When(MainShown, [&] {
			caption = MainWindow()->tab.GetTabText(0);
			MainWindow()->Exit();
		});
		RunProgram();
		EXPECT_EQ(caption, c.caption) << c.index;
		EXPECT_EQ(ReadConfig(), StoredIndex(c.index)) << c.index;
	}
}

TEST_F(Startup, FirstStartAsksAloneAndInsistsOnAChoice)
{
	int oks = 0;
	bool mainShownEarly = false;
	std::vector<std::string> names;
	Script s;
	auto pressOk = [&] {
		qimvor* q = MainWindow();
		mainShownEarly |= MainShown();
		EXPECT_FALSE(q->sett.cancel.IsShown());
		EXPECT_FALSE(q->sett.HasCloseBox());
		EXPECT_EQ(q->sett.lang.GetIndex(), -1);
		oks++;
		Click(q->sett.ok);
	};
	s.When([] { return SettingsRuns() == 1; },
		   [&] {
			   qimvor* q = MainWindow();
			   for(int i = 0; i < q->sett.lang.GetCount(); i++)
				   names.push_back(q->sett.lang.GetValue(i));
			   EXPECT_EQ(q->sett.GetTitle(), "Settings");
			   EXPECT_EQ(q->sett.lng.GetLabel(), "Language");
			   EXPECT_EQ(q->sett.lang.GetDropLines(), 8);
			   pressOk();
		   })
		.When([&] { return SettingsRuns() == 2; }, pressOk)
		.When([&] { return SettingsRuns() == 3; },
			  [&] {
				  qimvor* q = MainWindow();
				  auto* combo = qobject_cast<QComboBox*>(q->sett.lang.GetQWidget());
				  combo->setCurrentIndex(6);
				  emit combo->activated(6);
				  mainShownEarly |= MainShown();
				  Click(q->sett.ok);
			  })
		.When(MainShown, [&] {
			qimvor* q = MainWindow();
			EXPECT_EQ(q->tab.GetTabText(0), "Differenza Giorno");
			EXPECT_EQ(q->tab.GetCount(), 2);
			EXPECT_EQ(SettingsRuns(), 0);
			q->GetQWidget()->close();
		});
	RunProgram();
	EXPECT_TRUE(s.Done());
	EXPECT_FALSE(mainShownEarly);
	EXPECT_EQ(names, (std::vector<std::string>{ "English", "Français", "Español", "Português", "Русский", "Deutsch",
												"Italiano", "中国的", "Nederlands", "Românesc" }));
	EXPECT_EQ(ReadConfig(), StoredIndex(6));
}

TEST_F(Startup, ClosingTheFirstStartDialogEndsWithoutTheMainWindow)
{
	bool mainShown = false;
	Script s;
	s.When([] { return SettingsRuns() == 1; }, [&] { MainWindow()->sett.GetQWidget()->close(); });
	QTimer watch;
	QObject::connect(&watch, &QTimer::timeout, [&] { mainShown |= MainShown(); });
	watch.start(1);
	RunProgram();
	EXPECT_TRUE(s.Done());
	EXPECT_FALSE(mainShown);
	EXPECT_EQ(ReadConfig(), STORED_NONE);
}

TEST_F(Startup, DamagedFilesCostOnlyTheFirstStartQuestion)
{
	String wrongLength = StoredIndex(3);
	wrongLength[14] = 0x20;
	String cases[] = { wrongLength, StoredIndex(3).substr(0, 17), "garbage", "" };
	for(const String& bytes : cases) {
		WriteConfig(bytes);
		bool asked = false;
		Script s;
		s.When([] { return SettingsRuns() == 1; },
			   [&] {
				   asked = true;
				   qimvor* q = MainWindow();
				   q->sett.lang.SetData(3);
				   Click(q->sett.ok);
			   })
			.When(MainShown, [] { MainWindow()->Exit(); });
		RunProgram();
		EXPECT_TRUE(asked);
		EXPECT_EQ(ReadConfig(), StoredIndex(3));
	}
}

TEST_F(Startup, TheMainWindowIsFixedInSizeCentredAndTitled)
{
	WriteConfig(StoredIndex(5));
	Script s;
	s.When(MainShown, [] {
		qimvor* q = MainWindow();
		QWidget* w = q->GetQWidget();
		EXPECT_EQ(w->windowTitle(), LUNBREK_TITLE);
		EXPECT_EQ(w->minimumSize(), w->maximumSize());
		EXPECT_FALSE(w->windowFlags() & Qt::WindowMaximizeButtonHint);
		EXPECT_TRUE(w->windowFlags() & Qt::WindowMinimizeButtonHint);
		EXPECT_TRUE(w->windowFlags() & Qt::WindowCloseButtonHint);
		EXPECT_FALSE(w->windowIcon().isNull());
		QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
		EXPECT_LE(std::abs(w->geometry().center().x() - screen.center().x()), 2);
		EXPECT_LE(std::abs(w->geometry().center().y() - screen.center().y()), 2);
		q->Exit();
	});
	RunProgram();
	EXPECT_TRUE(s.Done());
}

namespace {

void TriggerMenu(int sub, int i)
{
	QMenu* m = MainWindow()->menu.GetQMenuBar()->actions()[sub]->menu();
	emit m->aboutToShow();
	m->actions()[i]->trigger();
}

QMessageBox* OpenBox() { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); }

} // namespace

// A modal window belongs to the window it opens over (Qt's transient parent; under X11 the
// window manager reads it as WM_TRANSIENT_FOR of a dialog). The first-start question opens
// before the main window was ever shown and stands alone.
TEST_F(Startup, ModalWindowsBelongToTheWindowTheyOpenOver)
{
	std::map<std::string, std::string> seen;
	auto note = [&](const char* what, QWidget* w) {
		qimvor* q = MainWindow();
		QWindow* owner = w->windowHandle() ? w->windowHandle()->transientParent() : nullptr;
		std::string& s = seen[what];
		s = !owner                                          ? "none"
			: owner == q->GetQWidget()->windowHandle()      ? "main window"
			: owner == q->sett.GetQWidget()->windowHandle() ? "Settings"
															: "another window";
		s += w->windowType() == Qt::Dialog ? ", dialog" : ", window";
	};
	auto answer = [&](const char* what) {
		QMessageBox* box = OpenBox();
		note(what, box);
		box->buttons().first()->click();
	};
	Script s;
	s.When([] { return SettingsRuns() == 1; },
		   [&] {
			   qimvor* q = MainWindow();
			   note("first-start Settings", q->sett.GetQWidget());
			   q->sett.lang.SetData(0);
			   Click(q->sett.ok);
		   })
		.When(MainShown, [] { TriggerMenu(1, 0); })
		.When([] { return SettingsRuns() == 1; },
			  [&] {
				  note("Settings", MainWindow()->sett.GetQWidget());
				  PromptOK("inside Settings");
			  })
		.When(OpenBox, [&] { answer("message box inside Settings"); })
		.When([] { return !OpenBox(); }, [] { MainWindow()->sett.GetQWidget()->close(); })
		.When([] { return SettingsRuns() == 0; }, [] { TriggerMenu(2, 1); })
		.When([] { return MainWindow()->info.IsOpen(); },
			  [&] {
				  note("About", MainWindow()->info.GetQWidget());
				  Click(MainWindow()->info.ok);
			  })
		.When([] { return !MainWindow()->info.IsOpen(); }, [] { Click(MainWindow()->diffPage.bcal); })
		.When(OpenBox, [&] { answer("message box in a handler"); })
		.When([] { return !OpenBox(); }, [] { MainWindow()->Exit(); });
	RunProgram();
	EXPECT_TRUE(s.Done());
	EXPECT_EQ(seen, (std::map<std::string, std::string>{
						{ "first-start Settings", "none, window" },
						{ "Settings", "main window, dialog" },
						{ "message box inside Settings", "Settings, dialog" },
						{ "About", "main window, dialog" },
						{ "message box in a handler", "main window, dialog" },
					}));
}
