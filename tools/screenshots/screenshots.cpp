// screenshots OUTDIR: drives the main window and its dialogs as a user would and saves a
// picture of each state into OUTDIR.
#include <qimvor/qimvor.h>

#include <testutil.h>

#include <QApplication>
#include <QPixmap>
#include <QTimer>

#include <cstdio>
#include <functional>

static QString outdir;

static void Save(Ctrl& c, const char* name)
{
	QWidget* w = c.GetQWidget();
	w->repaint();
	QString path = outdir + "/" + name + ".png";
	if(!w->grab().save(path))
		fprintf(stderr, "cannot write %s\n", path.toUtf8().constData());
}

// Runs fn on the next modal window once it is up and painted, from inside its loop.
static void OnModal(std::function<void()> fn)
{
	testutil::OnNextModal([fn](QWidget*) { QTimer::singleShot(50, fn); });
}

static void Calculate(qimvor& app, const char* from, const char* to, const char* start)
{
	using namespace testutil;
	app.tab.Set(0);
	Type(app.diffPage.frdt, from);
	Type(app.diffPage.todt, to);
	ClickCase(app.diffPage.opdftp, 1);
	Click(app.diffPage.bcal);
	app.tab.Set(1);
	Type(app.datePage.frmdate, start);
	Type(app.datePage.yr, "1");
	Type(app.datePage.mn, "2");
	Type(app.datePage.ds, "10");
	Click(app.datePage.bcalc);
}

int main(int argc, char** argv)
{
	if(qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
		qputenv("QT_QPA_PLATFORM", "offscreen");
	QApplication a(argc, argv);
	outdir = argc > 1 ? argv[1] : ".";
	qimvor app;

	// The first start: the Settings dialog alone.
	OnModal([&] {
		Save(app.sett, "settings-first-start");
		app.sett.lang.SetData(0);
		app.sett.ok.Action();
	});
	app.ApplyLanguage();
	app.Open();

	Calculate(app, "01/01/2000", "10/03/2014", "10/03/2014");
	app.tab.Set(0);
	Save(app, "main-day-difference");
	app.tab.Set(1);
	Save(app, "main-specific-date");

	struct Lang {
		int index;
		const char* name;
		const char* from;
		const char* to;
	} langs[] = {
		{ 5, "de", "01.01.2000", "03.10.2014" },
		{ 4, "ru", "01.01.2000", "03.10.2014" },
		{ 7, "zh", "2000-01-01", "2014-10-03" },
	};
	for(const Lang& l : langs) {
		app.sett.lang.SetData(l.index);
		app.ApplyLanguage();
		Calculate(app, l.from, l.to, l.to);
		app.tab.Set(0);
		Save(app, (String("main-") + l.name).c_str());
	}

	for(int i : { 0, 5 }) {
		app.sett.lang.SetData(i);
		app.ApplyLanguage();
		OnModal([&, i] {
			Save(app.info, i ? "about-de" : "about-en");
			app.info.ok.Action();
		});
		app.ShowAbout();
	}
	app.sett.lang.SetData(5);
	app.ApplyLanguage();
	OnModal([&] {
		Save(app.sett, "settings-de");
		app.sett.cancel.Action();
	});
	app.OpenSettings();
	return 0;
}
