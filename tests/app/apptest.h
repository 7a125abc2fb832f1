// A main window in a given language, driven through its real widgets.
#ifndef LUNBREK_APPTEST_H
#define LUNBREK_APPTEST_H

#include <qimvor/qimvor.h>
#include <qimvor_version.h>

#include "testutil.h"

#include <gtest/gtest.h>

struct AppTest : ::testing::Test {
	qimvor app;

	void Apply(int language)
	{
		app.sett.lang.SetData(language);
		app.ApplyLanguage();
	}
	void SetUp() override
	{
		Apply(0);
		app.Open();
	}
	// Dates typed in the English pattern: month/day/year.
	static std::string Typed(int y, int m, int d)
	{
		char b[32];
		snprintf(b, sizeof b, "%02d/%02d/%d", m, d, y);
		return b;
	}
};

#endif
