#include <qimvor/qimvorImg.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

using namespace Upp;

namespace {

struct Entry {
	Image (*get)();
	int index;
	const char* id;
	Size size;
	int block;
};

const Entry kImages[] = {
	{ qimvorImg::icon, 0, "icon", { 48, 48 }, 0 },   { qimvorImg::About, 1, "About", { 24, 24 }, 0 },
	{ qimvorImg::Close, 2, "Close", { 24, 24 }, 0 }, { qimvorImg::Wrench, 3, "Wrench", { 24, 24 }, 0 },
	{ qimvorImg::Home, 4, "Home", { 24, 24 }, 0 },   { qimvorImg::logfin, 5, "logfin", { 400, 45 }, 1 },
};

RGBA At(const Image& img, int x, int y) { return img[y][x]; }

std::vector<Point> Corners(const Image& img)
{
	int r = img.GetWidth() - 1, b = img.GetHeight() - 1;
	return { Point(0, 0), Point(r, 0), Point(0, b), Point(r, b) };
}

// The first fetches of a process that has fetched no image yet: "" when each inflates only the
// block of its own image, else what went wrong.
std::string FirstFetchFault()
{
	Iml& list = qimvorImg::Iml();
	if(list.GetBlockCount() != 2)
		return "the list does not have two blocks";
	if(list.IsBlockUnpacked(0) || list.IsBlockUnpacked(1))
		return "a block was inflated before any image was fetched";
	if(qimvorImg::logfin().GetSize() != Size(400, 45))
		return "logfin is not 400x45";
	if(list.IsBlockUnpacked(0))
		return "fetching logfin inflated block 0";
	if(!list.IsBlockUnpacked(1))
		return "fetching logfin left its block packed";
	if(qimvorImg::Home().GetSize() != Size(24, 24))
		return "Home is not 24x24";
	if(!list.IsBlockUnpacked(0))
		return "fetching Home left its block packed";
	return "";
}

} // namespace

// Which blocks are inflated depends on what the process fetched before, so this check runs in
// a new run of the test program that does nothing else: gtest's "threadsafe" death-test style
// starts the program again instead of forking this process.
TEST(QimvorImages, EachBlockInflatesOnlyForItsOwnImages)
{
	GTEST_FLAG_SET(death_test_style, "threadsafe");
	EXPECT_EXIT(
		{
			std::string fault = FirstFetchFault();
			fputs(fault.c_str(), stderr);
			std::_Exit(fault.empty() ? 0 : 1);
		},
		::testing::ExitedWithCode(0), "");
}

TEST(QimvorImages, AccessorsFollowTheNameTable)
{
	Iml& list = qimvorImg::Iml();
	for(const Entry& e : kImages) {
		SCOPED_TRACE(e.id);
		Image img = e.get();
		EXPECT_EQ(img.GetSize(), e.size);
		EXPECT_EQ(img.Begin(), list.Get(e.index).Begin());
		EXPECT_EQ(list.GetId(e.index), e.id);
		EXPECT_EQ(list.Find(e.id), e.index);
	}
}

TEST(QimvorImages, PixelsArePremultipliedAndHotSpotsAtTheOrigin)
{
	for(const Entry& e : kImages) {
		SCOPED_TRACE(e.id);
		Image img = e.get();
		EXPECT_EQ(img.GetHotSpot(), Point(0, 0));
		EXPECT_EQ(img.Get2ndSpot(), Point(0, 0));
		int bad = 0;
		for(int i = 0; i < img.GetLength(); i++) {
			const RGBA& p = img.Begin()[i];
			bad += p.r > p.a || p.g > p.a || p.b > p.a;
		}
		EXPECT_EQ(bad, 0);
	}
}

TEST(QimvorImages, TransparencyAsDrawn)
{
	Image icon = qimvorImg::icon();
	int clear = 0;
	for(int i = 0; i < icon.GetLength(); i++)
		clear += icon.Begin()[i].a == 0;
	EXPECT_EQ(clear, 0);
	for(Point c : Corners(icon)) {
		int a = At(icon, c.x, c.y).a;
		EXPECT_TRUE(a >= 15 && a <= 21) << c.x << "," << c.y << " alpha " << a;
	}

	Image logo = qimvorImg::logfin();
	int see_through = 0;
	for(int i = 0; i < logo.GetLength(); i++)
		see_through += logo.Begin()[i].a != 255;
	EXPECT_EQ(see_through, 0);

	for(auto get : { qimvorImg::About, qimvorImg::Close, qimvorImg::Wrench, qimvorImg::Home }) {
		Image img = get();
		for(Point c : Corners(img))
			EXPECT_EQ(At(img, c.x, c.y).a, 0) << c.x << "," << c.y;
	}
}

TEST(QimvorImages, ColoursAsDrawn)
{
	// the orange of the icon's tile, left of the monogram
	RGBA tile = At(qimvorImg::icon(), 6, 24);
	EXPECT_EQ(tile.a, 255);
	EXPECT_NEAR(tile.r, 200, 8);
	EXPECT_NEAR(tile.g, 100, 8);
	EXPECT_NEAR(tile.b, 0, 8);

	// gold letters on the left of the strip, nothing drawn at its right end
	Image logo = qimvorImg::logfin();
	int gold = 0;
	for(int y = 0; y < 45; y++)
		for(int x = 0; x < 200; x++) {
			RGBA p = At(logo, x, y);
			gold += p.r > 200 && p.g > 150 && p.b < 100;
		}
	EXPECT_GT(gold, 200);
	for(int y = 0; y < 45; y++) {
		RGBA p = At(logo, 399, y);
		EXPECT_TRUE(p.r == 0 && p.g == 0 && p.b == 0) << y;
	}
}

TEST(QimvorImages, RepeatedCallsKeepSixImages)
{
	Iml* first = &qimvorImg::Iml();
	for(int i = 0; i < 100; i++)
		EXPECT_EQ(&qimvorImg::Iml(), first);
	EXPECT_EQ(first->GetCount(), 6);
	EXPECT_EQ(first->GetBlockCount(), 2);
	EXPECT_TRUE(first->Get(6).IsEmpty());
}

TEST(QimvorImages, RegisteredByName)
{
	Iml* list = GetIml("qimvorImg");
	ASSERT_EQ(list, &qimvorImg::Iml());
	for(const Entry& e : kImages)
		EXPECT_EQ(list->Get(list->Find(e.id)).GetSize(), e.size) << e.id;
}
