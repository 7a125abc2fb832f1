// The menu bar's band: as high as one Latin entry before any entries are set, then as high
// as the entries set, taller scripts and back.
#include <CtrlLib/CtrlLib.h>

#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>

#include <vector>

using namespace Upp;

namespace {

// The height Qt gives a bar of its own holding these entries.
int BarHeight(const std::vector<const char*>& entries)
{
	QMenuBar bar;
	bar.setNativeMenuBar(false);
	for(const char* e : entries)
		bar.addMenu(QString::fromUtf8(e));
	return bar.sizeHint().height();
}

} // namespace

TEST(MenuBar, BandFollowsTheEntriesFromALatinStart)
{
	TopWindow w;
	w.SetRect(0, 0, 300, 200);
	MenuBar menu;
	w.AddFrame(menu);
	EXPECT_EQ(menu.FrameHeight(), BarHeight({ "File" }));
	EXPECT_EQ(menu.GetCount(), 0); // measuring left nothing behind
	EXPECT_EQ(w.GetView().top, menu.FrameHeight());

	const std::vector<const char*> sets[] = {
		{ "文件", "工具", "帮助" }, { "File", "Tools", "Help" }, { "Файл", "Сервис" }, { "文件" }, { "Datei" },
	};
	for(const auto& entries : sets) {
		SCOPED_TRACE(entries[0]);
		menu.Set([&](Bar& bar) {
			for(const char* e : entries)
				bar.Add(e, [](Bar&) {});
		});
		EXPECT_EQ(menu.GetCount(), (int)entries.size());
		EXPECT_EQ(menu.FrameHeight(), BarHeight(entries));
		EXPECT_EQ(w.GetView().top, menu.FrameHeight());
	}
}
