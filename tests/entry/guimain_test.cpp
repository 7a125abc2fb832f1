// The process entry: whatever the command line says, the toolkit gets none of it.
#include <CtrlCore/CtrlCore.h>

#include <QApplication>
#include <QStyle>

#include <gtest/gtest.h>

namespace {

struct Seen {
	std::string arguments;
	bool reversed = false;
	std::string style;
} seen;

void Record()
{
	seen.arguments = QCoreApplication::arguments().join(' ').toStdString();
	seen.reversed = QGuiApplication::layoutDirection() == Qt::RightToLeft;
	seen.style = QApplication::style()->name().toStdString();
}

} // namespace

TEST(GuiMain, IgnoresTheCommandLineToolkitOptionsIncluded)
{
	Upp::SetGuiMain(Record);
	const char* plain[] = { "Lunbrek" };
	ASSERT_EQ(Upp::RunGuiMain(1, const_cast<char**>(plain)), 0);
	std::string style = seen.style;
	ASSERT_NE(style, "windows");

	struct Case {
		std::vector<const char*> args;
	} cases[] = {
		{ { "Lunbrek", "-reverse" } },
		{ { "Lunbrek", "-style", "windows" } },
		{ { "Lunbrek", "-style=windows", "-reverse", "--", "file.txt" } },
	};
	for(const Case& c : cases) {
		std::vector<char*> argv;
		for(const char* a : c.args)
			argv.push_back(const_cast<char*>(a));
		argv.push_back(nullptr);
		seen = Seen();
		ASSERT_EQ(Upp::RunGuiMain((int)c.args.size(), argv.data()), 0);
		EXPECT_EQ(seen.arguments, "Lunbrek") << c.args[1];
		EXPECT_FALSE(seen.reversed) << c.args[1];
		EXPECT_EQ(seen.style, style) << c.args[1];
	}
}
