#include "qimvor.h"

#include "DateCalc.h"

#include "qimvor_t.h"
#include <app_tpp.h>
#include <qimvor_version.h>

#include <iterator>

#define CLASSNAME qimvor

static const LngEntry__ qimvor_lng[] = {
#include "qimvor.t"
	{ 0, nullptr }
};

// Hands the pictures, the translations and the topics to the framework before main runs.
void RegisterAppResources()
{
	Register("qimvorImg", qimvorImg::Iml());
	AddModule(qimvor_lng);
	RegisterAppTopics();
}

static struct AppResourcesRegistrar {
	AppResourcesRegistrar() { RegisterAppResources(); }
} app_resources_registrar;

static const char HOME_PAGE[] = "http://www.lunbrek.org";

// The three tables follow the language index: English, French, Spanish, Portuguese, Russian,
// German, Italian, Chinese, Dutch, Romanian.
static const int LANGUAGE_CODE[] = {
	SetLNGCharset(LNG_('E', 'N', 'U', 'S'), CHARSET_UTF8), SetLNGCharset(LNG_('F', 'R', 'F', 'R'), CHARSET_UTF8),
	SetLNGCharset(LNG_('E', 'S', 'E', 'S'), CHARSET_UTF8), SetLNGCharset(LNG_('P', 'T', 'P', 'T'), CHARSET_UTF8),
	SetLNGCharset(LNG_('R', 'U', 'R', 'U'), CHARSET_UTF8), SetLNGCharset(LNG_('D', 'E', 'D', 'E'), CHARSET_UTF8),
	SetLNGCharset(LNG_('I', 'T', 'I', 'T'), CHARSET_UTF8), SetLNGCharset(LNG_('Z', 'H', 'C', 'N'), CHARSET_UTF8),
	SetLNGCharset(LNG_('N', 'L', 'N', 'L'), CHARSET_UTF8), SetLNGCharset(LNG_('R', 'O', 'R', 'O'), CHARSET_UTF8),
};

static const char* const LANGUAGE_NAME[] = {
	"English", "Français", "Español", "Português", "Русский", "Deutsch", "Italiano", "中国的", "Nederlands", "Românesc",
};

static const char* const ABOUT_TOPIC[] = {
	"qimvor/app/about$en-us", "qimvor/app/about$fr-fr", "qimvor/app/about$es-es", "qimvor/app/about$pt-pt",
	"qimvor/app/about$ru-ru", "qimvor/app/about$de-de", "qimvor/app/about$it-it", "qimvor/app/about$zh-cn",
	"qimvor/app/about$nl-nl", "qimvor/app/about$ro-ro",
};

static constexpr int LANGUAGE_COUNT = (int)std::size(LANGUAGE_NAME);
static_assert(std::size(LANGUAGE_CODE) == std::size(LANGUAGE_NAME) &&
			  std::size(ABOUT_TOPIC) == std::size(LANGUAGE_NAME));

// Any other index, negative ones included, counts as English.
static bool IsLanguageIndex(int i) { return i >= 0 && i < LANGUAGE_COUNT; }

qimvor::qimvor()
{
	CtrlLayout(*this, LUNBREK_TITLE);
	CenterScreen();
	MinimizeBox(true);
	Icon(qimvorImg::icon());
	AddFrame(menu);
	CtrlLayout(diffPage);
	CtrlLayout(datePage);
}

qimvor::~qimvor() {}

void qimvor::Serialize(Stream& s)
{
	int version = 0;
	s / version;
	sett.lang.Serialize(s);
}

void qimvor::CalculateDifference()
{
	Value from = diffPage.frdt.GetData();
	if(IsNull(from)) {
		PromptOK(t_("Null value not allowed."));
		return;
	}
	Value to = diffPage.todt.GetData();
	if(IsNull(to)) {
		PromptOK(t_("Null value not allowed."));
		return;
	}
	Date S = from;
	Date picked = to;
	if(picked < S) {
		PromptOK(t_("Start date should be less than end date!!!"));
		return;
	}
	// A switch holding no case's value computes nothing and changes nothing.
	std::optional<CountingMode> mode = ToCountingMode(diffPage.opdftp.GetData());
	if(!mode)
		return;
	DaySpan span = DayDifference(S, picked, *mode);
	diffPage.result.SetText(
		Format("%`  %`   %`  %`   %`  %`", span.years, t_("Years"), span.months, t_("Months"), span.days, t_("Days")));
	diffPage.lunbrek.SetText(Format("%`  %`", span.total, t_("Days")));
}

void qimvor::ClearDifferenceResult()
{
	diffPage.result.SetText("");
	diffPage.lunbrek.SetText("");
}

void qimvor::CalculateSpecificDate()
{
	Value start = datePage.frmdate.GetData();
	if(IsNull(start)) {
		PromptOK(t_("Null value not allowed."));
		return;
	}
	Date d = start;
	int y = datePage.yr.GetData();
	int m = datePage.mn.GetData();
	int n = datePage.ds.GetData();
	std::optional<Direction> op = ToDirection(datePage.swop.GetData());
	if(!op)
		return;
	Date r = SpecificDate(d, y, m, n, *op);
	int w = DayOfWeek(r);
	String datetext = Format(r);
	String monthname = MonthName(r.month - 1);
	String dayname = DayName(w);
	datePage.strdate.SetText(datetext);
	datePage.strdayname.SetText(dayname);
	datePage.stres.SetText(Format("%`   %`   %`", (int)r.day, monthname, (int)r.year));
}

void qimvor::ClearSpecificDateResult()
{
	datePage.strdate.SetText("");
	datePage.stres.SetText("");
	datePage.strdayname.SetText("");
}

void qimvor::ResetSpecificDateInputs()
{
	datePage.swop.SetData(0);
	datePage.yr.SetData(0);
	datePage.mn.SetData(0);
	datePage.ds.SetData(0);
}

// The three information lines differ only in the field they read and the line they write.
static void ShowDateInfo(const DropDate& field, StaticText& line)
{
	line.SetText("");
	Date d = field.GetData();
	if(IsNull(d))
		return;
	line.SetText(Format("%` ,  %`  %`  %`", DayName(DayOfWeek(d)), (int)d.day, MonthName(d.month - 1), (int)d.year));
}

void qimvor::ShowFromDateInfo() { ShowDateInfo(diffPage.frdt, diffPage.frmdtinfo); }

void qimvor::ShowToDateInfo() { ShowDateInfo(diffPage.todt, diffPage.todtinfo); }

void qimvor::ShowStartDateInfo() { ShowDateInfo(datePage.frmdate, datePage.frmdtinfo); }

void qimvor::OpenSettings()
{
	CtrlLayout(sett, t_("Settings"));
	sett.Acceptor(sett.ok, IDOK);
	sett.ok.Ok();
	sett.Rejector(sett.cancel, IDCANCEL);
	sett.cancel.Cancel();
	ArrangeOKCancel(sett.ok, sett.cancel);
	sett.lng.SetLabel(t_("Language"));
	sett.lang.ClearList();
	for(int i = 0; i < LANGUAGE_COUNT; i++)
		sett.lang.Add(i, LANGUAGE_NAME[i]);
	sett.lang.SetDropLines(8);
	// Cancel puts back what the list held when the dialog opened, so a cancelled choice
	// never becomes the stored language.
	Value before = sett.lang.GetData();
	if(IsNull(before)) {
		sett.cancel.Hide();
		sett.NoCloseBox();
	}
	else {
		sett.cancel.Show();
		sett.NoCloseBox(false);
	}
	sett.ok << THISBACK(ApplyLanguage);
	if(sett.Execute() == IDCANCEL)
		sett.lang.SetData(before);
}

void qimvor::ApplyLanguage()
{
	Value v = sett.lang.GetData();
	if(IsNull(v)) {
		OpenSettings();
		return;
	}
	int i = v;
	SetLanguage(LANGUAGE_CODE[IsLanguageIndex(i) ? i : 0]);
	tab.Remove(diffPage);
	tab.Remove(datePage);
	diffPage.opdftp.Reset();
	datePage.swop.Reset();
	SetTexts();
	SetupControls();
	// Values set by the program run no action, so what the actions would empty is emptied here.
	ClearDifferenceResult();
	ClearSpecificDateResult();
	diffPage.frdt.SetText("");
	diffPage.todt.SetText("");
	datePage.frmdate.SetText("");
	diffPage.frmdtinfo.SetText("");
	diffPage.todtinfo.SetText("");
	datePage.frmdtinfo.SetText("");
	diffPage.opdftp.SetData(0);
	ResetSpecificDateInputs();
}

void qimvor::SetTexts()
{
	menu.Set(THISBACK(MainMenu));
	tab.Add(diffPage, t_("Day Difference"));
	tab.Add(datePage, t_("Specific Date"));
	diffPage.from.SetText(t_("From :"));
	diffPage.to.SetText(t_("To :"));
	diffPage.bcal.SetLabel(t_("Calculate"));
	diffPage.diff.SetText(t_("Difference (Year / Month / Day) :"));
	diffPage.totdiff.SetText(t_("Total Difference :"));
	diffPage.opdftp.Add(0, t_("Normal"));
	diffPage.opdftp.Add(1, t_("Include Both Dates"));
	diffPage.opdftp.Add(2, t_("Exclude Both Dates"));
	datePage.from.SetText(t_("From :"));
	datePage.swop.Add(0, t_("Add"));
	datePage.swop.Add(1, t_("Subtract"));
	datePage.year.SetText(t_("Year :"));
	datePage.month.SetText(t_("Month :"));
	datePage.day.SetText(t_("Day :"));
	datePage.bcalc.SetLabel(t_("Calculate"));
	datePage.date.SetText(t_("Date :"));
	datePage.finday.SetText(t_("Day :"));
}

// Every action is given its whole list again (`<<=` replaces), so applying the language
// any number of times leaves each operation bound once. The inputs' values are ApplyLanguage's
// to set, after this.
void qimvor::SetupControls()
{
	logo.SetImage(qimvorImg::logfin());
	logo.Refresh();
	wbpage.SetQTF(GetTopic("qimvor/app/webpage$en-us").text, Zoom(180, 1400));
	wbpage.SetZoom(Zoom(1, 1));

	diffPage.bcal <<= THISBACK(CalculateDifference);
	diffPage.frdt <<= THISBACK(ClearDifferenceResult);
	diffPage.frdt << THISBACK(ShowFromDateInfo);
	diffPage.todt <<= THISBACK(ClearDifferenceResult);
	diffPage.todt << THISBACK(ShowToDateInfo);
	diffPage.opdftp <<= THISBACK(ClearDifferenceResult);
	datePage.frmdate <<= THISBACK(ClearSpecificDateResult);
	datePage.frmdate << THISBACK(ShowStartDateInfo);
	datePage.swop <<= THISBACK(ClearSpecificDateResult);
	datePage.yr <<= THISBACK(ClearSpecificDateResult);
	datePage.mn <<= THISBACK(ClearSpecificDateResult);
	datePage.ds <<= THISBACK(ClearSpecificDateResult);
	datePage.bcalc <<= THISBACK(CalculateSpecificDate);
}

void qimvor::MainMenu(Bar& bar)
{
	bar.Add(t_("File"), THISBACK(FileMenu));
	bar.Add(t_("Tools"), THISBACK(ToolsMenu));
	bar.Add(t_("Help"), THISBACK(HelpMenu));
}

void qimvor::FileMenu(Bar& bar) { bar.Add(t_("Exit"), qimvorImg::Close(), THISBACK(Exit)); }

void qimvor::ToolsMenu(Bar& bar) { bar.Add(t_("Settings"), qimvorImg::Wrench(), THISBACK(OpenSettings)); }

void qimvor::HelpMenu(Bar& bar)
{
	bar.Add(t_("Visit Website"), qimvorImg::Home(), THISBACK(VisitWebsite));
	bar.Add(t_("About"), qimvorImg::About(), THISBACK(ShowAbout));
}

void qimvor::Exit() { Close(); }

void qimvor::VisitWebsite() { LaunchWebBrowser(String(HOME_PAGE)); }

void qimvor::ShowAbout()
{
	CtrlLayout(info, t_("About"));
	info.Acceptor(info.ok, IDOK);
	info.ok.Ok();
	int i = sett.lang.GetData();
	info.info.SetQTF(GetTopic(ABOUT_TOPIC[IsLanguageIndex(i) ? i : 0]).text, Zoom(180, 1400));
	info.info.SetZoom(Zoom(1, 1));
	info.Execute();
}

GUI_APP_MAIN
{
	qimvor app;
	LoadFromFile(app);
	app.ApplyLanguage();
	// A close request that ends the first-start dialog leaves no language: the program
	// ends without showing its main window, and the next start asks again.
	if(!IsNull(app.sett.lang.GetData()))
		app.Run();
	StoreToFile(app);
}
