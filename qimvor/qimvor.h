#ifndef QIMVOR_QIMVOR_H
#define QIMVOR_QIMVOR_H

#include <CtrlLib/CtrlLib.h>
#include <RichText/RichText.h>

using namespace Upp;

#define LAYOUTFILE <qimvor/qimvor.lay>
#include <CtrlCore/lay.h>

#include <qimvor/qimvorImg.h>

// The calculator's main window. All state lives in its widgets; the one stored value is
// the language list of the Settings dialog.
class qimvor : public WithtabLayout<TopWindow> {
public:
	WithqimvorLayout<ParentCtrl> diffPage;
	WithdateLayout<ParentCtrl> datePage;
	WithinfoLayout<TopWindow> info;
	WithsettLayout<TopWindow> sett;
	MenuBar menu;

	void Serialize(Stream& s) override;

	void CalculateDifference();
	void ClearDifferenceResult();
	void CalculateSpecificDate();
	void ClearSpecificDateResult();
	void ResetSpecificDateInputs();
	void ShowFromDateInfo();
	void ShowToDateInfo();
	void ShowStartDateInfo();
	void OpenSettings();
	void ApplyLanguage();
	void SetTexts();
	void SetupControls();
	void MainMenu(Bar& bar);
	void FileMenu(Bar& bar);
	void ToolsMenu(Bar& bar);
	void HelpMenu(Bar& bar);
	void ShowAbout();
	void VisitWebsite();
	void Exit();

	qimvor();
	~qimvor() override;
};

void RegisterAppResources();

#endif
