#include <Core/Core.h>

#include <gtest/gtest.h>
#include <zlib.h>

using namespace Upp;

namespace {

struct Rec {
	int cx, cy;
	Point hot, spot2;
	std::vector<RGBA> pix; // cx * cy, or fewer for a short record
};

void Put16(std::vector<byte>& out, int v)
{
	out.push_back(byte(v & 255));
	out.push_back(byte((v >> 8) & 255));
}

std::vector<byte> Records(const std::vector<Rec>& recs)
{
	std::vector<byte> raw;
	for(const Rec& r : recs) {
		raw.push_back(0);
		for(int v : { r.cx, r.cy, r.hot.x, r.hot.y, r.spot2.x, r.spot2.y })
			Put16(raw, v);
		for(const RGBA& p : r.pix)
			raw.insert(raw.end(), { p.b, p.g, p.r, p.a });
	}
	return raw;
}

// One zlib stream followed by `pad` bytes of `fill`.
std::vector<byte> Pack(const std::vector<byte>& raw, int pad = 0, byte fill = 0)
{
	uLongf len = compressBound(raw.size());
	std::vector<byte> out(len);
	EXPECT_EQ(compress2(out.data(), &len, raw.data(), raw.size(), Z_DEFAULT_COMPRESSION), Z_OK);
	out.resize(len);
	out.insert(out.end(), pad, fill);
	return out;
}

Rec Solid(int cx, int cy, RGBA p) { return { cx, cy, {}, {}, std::vector<RGBA>(cx * cy, p) }; }

const char* const kNames[] = { "one", "two", "three", "four" };

// Two blocks: images 0 and 1 in the first, image 2 in the second.
struct TwoBlocks {
	std::vector<byte> a = Pack(Records({ Solid(2, 3, { 10, 20, 30, 40 }), Solid(4, 1, { 1, 2, 3, 4 }) }), 7);
	std::vector<byte> b = Pack(Records({ Solid(5, 2, { 50, 60, 70, 80 }) }), 3);
	Iml list{ kNames, 3 };
	TwoBlocks()
	{
		list.AddData(a.data(), (int)a.size(), 2);
		list.AddData(b.data(), (int)b.size(), 1);
		list.Premultiplied();
	}
};

} // namespace

TEST(Iml, BlocksInflateOnlyWhenOneOfTheirImagesIsFetched)
{
	TwoBlocks t;
	EXPECT_EQ(t.list.GetCount(), 3);
	EXPECT_FALSE(t.list.IsBlockUnpacked(0));
	EXPECT_FALSE(t.list.IsBlockUnpacked(1));

	Image last = t.list.Get(2);
	EXPECT_EQ(last.GetSize(), Size(5, 2));
	EXPECT_FALSE(t.list.IsBlockUnpacked(0));
	EXPECT_TRUE(t.list.IsBlockUnpacked(1));

	EXPECT_EQ(t.list.Get(1).GetSize(), Size(4, 1));
	EXPECT_TRUE(t.list.IsBlockUnpacked(0));
	EXPECT_EQ(t.list.Get(0).GetSize(), Size(2, 3));
	EXPECT_FALSE(t.list.IsBlockUnpacked(2));
	EXPECT_FALSE(t.list.IsBlockUnpacked(-1));
}

TEST(Iml, FetchedImagesAreKept)
{
	TwoBlocks t;
	Image first = t.list.Get(0);
	Image again = t.list.Get(0);
	EXPECT_EQ(first.Begin(), again.Begin());
	EXPECT_NE(t.list.Get(1).Begin(), first.Begin());
}

TEST(Iml, PixelsAndSizesFollowTheRecords)
{
	TwoBlocks t;
	struct Case {
		int i;
		Size size;
		RGBA pixel;
	} cases[] = {
		{ 0, { 2, 3 }, { 10, 20, 30, 40 } },
		{ 1, { 4, 1 }, { 1, 2, 3, 4 } },
		{ 2, { 5, 2 }, { 50, 60, 70, 80 } },
	};
	for(const Case& c : cases) {
		SCOPED_TRACE(c.i);
		Image img = t.list.Get(c.i);
		ASSERT_EQ(img.GetSize(), c.size);
		ASSERT_EQ(img.GetLength(), c.size.cx * c.size.cy);
		for(int k = 0; k < img.GetLength(); k++) {
			const RGBA& p = img.Begin()[k];
			ASSERT_EQ(p.b, c.pixel.b);
			ASSERT_EQ(p.g, c.pixel.g);
			ASSERT_EQ(p.r, c.pixel.r);
			ASSERT_EQ(p.a, c.pixel.a);
		}
	}
}

TEST(Iml, HotSpotsAreReadSigned)
{
	auto data = Pack(Records({ { 1, 1, { 3, -2 }, { -300, 7 }, { { 0, 0, 0, 0 } } } }));
	Iml list(kNames, 1);
	list.AddData(data.data(), (int)data.size(), 1);
	Image img = list.Get(0);
	EXPECT_EQ(img.GetHotSpot(), Point(3, -2));
	EXPECT_EQ(img.Get2ndSpot(), Point(-300, 7));
}

TEST(Iml, PremultipliesOnlyWhenNotMarked)
{
	struct Case {
		bool marked;
		RGBA in, out;
	} cases[] = {
		{ true, { 200, 100, 50, 128 }, { 200, 100, 50, 128 } }, // taken as it is, even though not valid
		{ false, { 200, 100, 50, 128 }, { 100, 50, 25, 128 } }, { false, { 255, 255, 255, 0 }, { 0, 0, 0, 0 } },
		{ false, { 255, 1, 0, 255 }, { 255, 1, 0, 255 } },      { false, { 255, 255, 255, 1 }, { 1, 1, 1, 1 } },
	};
	for(const Case& c : cases) {
		auto data = Pack(Records({ Solid(1, 1, c.in) }));
		Iml list(kNames, 1);
		list.AddData(data.data(), (int)data.size(), 1);
		if(c.marked)
			list.Premultiplied();
		RGBA p = *list.Get(0).Begin();
		EXPECT_EQ(p.b, c.out.b);
		EXPECT_EQ(p.g, c.out.g);
		EXPECT_EQ(p.r, c.out.r);
		EXPECT_EQ(p.a, c.out.a);
	}
}

TEST(Iml, BytesAfterTheStreamAreIgnored)
{
	for(byte fill : { byte(0), byte(0xFF), byte(0x78) }) {
		auto data = Pack(Records({ Solid(3, 3, { 1, 2, 3, 9 }), Solid(1, 2, { 4, 5, 6, 9 }) }), 29, fill);
		Iml list(kNames, 2);
		list.AddData(data.data(), (int)data.size(), 2);
		list.Premultiplied();
		EXPECT_EQ(list.Get(0).GetSize(), Size(3, 3));
		EXPECT_EQ(list.Get(1).GetSize(), Size(1, 2));
		EXPECT_EQ(list.Get(1).Begin()[1].r, 6);
	}
}

TEST(Iml, OutOfRangeGivesAnEmptyImage)
{
	TwoBlocks t;
	for(int i : { -1, 3, 4, 1000, INT_MAX, INT_MIN })
		EXPECT_TRUE(t.list.Get(i).IsEmpty()) << i;
	EXPECT_FALSE(t.list.IsBlockUnpacked(0));
	EXPECT_FALSE(t.list.IsBlockUnpacked(1));
}

TEST(Iml, DamagedDataGiveEmptyImagesNotACrash)
{
	// Varied pixels keep the second record large after compression, so the cut falls inside it.
	Rec noisy = Solid(40, 40, {});
	unsigned seed = 1;
	for(RGBA& p : noisy.pix) {
		seed = seed * 1103515245 + 12345;
		p = { byte(seed >> 8), byte(seed >> 16), byte(seed >> 24), 255 };
	}
	auto whole = Pack(Records({ Solid(2, 2, { 1, 1, 1, 1 }), noisy }));
	std::vector<byte> cut(whole.begin(), whole.begin() + whole.size() / 2);
	auto short_record = Pack(Records({ Solid(2, 2, { 1, 1, 1, 1 }), { 3, 3, {}, {}, std::vector<RGBA>(2) } }));
	auto negative = Pack(Records({ { -4, 5, {}, {}, {} }, Solid(1, 1, { 3, 3, 3, 3 }) }));
	std::vector<byte> garbage(64, 0xAB);
	struct Case {
		const char* what;
		const std::vector<byte>& data;
		bool first_present;
	} cases[] = {
		{ "stream cut short", cut, true },
		{ "record shorter than its size", short_record, true },
		{ "negative width", negative, false },
		{ "not a zlib stream", garbage, false },
	};
	for(const Case& c : cases) {
		SCOPED_TRACE(c.what);
		Iml list(kNames, 2);
		list.AddData(c.data.data(), (int)c.data.size(), 2);
		EXPECT_EQ(list.Get(0).IsEmpty(), !c.first_present);
		EXPECT_TRUE(list.Get(1).IsEmpty());
		EXPECT_TRUE(list.IsBlockUnpacked(0));
	}
}

TEST(Iml, NamesFollowTheImagesOfTheBlocks)
{
	TwoBlocks t;
	Iml& list = t.list;

	struct Case {
		int i;
		const char* id;
	} ids[] = { { 0, "one" }, { 1, "two" }, { 2, "three" } };
	for(const Case& c : ids) {
		EXPECT_EQ(list.GetId(c.i), c.id);
		EXPECT_EQ(list.Find(c.id), c.i);
	}
	EXPECT_EQ(list.GetId(3), "");
	EXPECT_EQ(list.GetId(-1), "");
	EXPECT_EQ(list.Find("four"), -1);
	EXPECT_EQ(list.Find(""), -1);
}

TEST(Iml, RegistryFindsListsByNameAndReplaces)
{
	Iml a(kNames, 1), b(kNames, 2);
	Register("test.first", a);
	Register("test.second", b);
	EXPECT_EQ(GetIml("test.first"), &a);
	EXPECT_EQ(GetIml("test.second"), &b);
	Register("test.first", b);
	EXPECT_EQ(GetIml("test.first"), &b);
	EXPECT_EQ(GetIml("test.third"), nullptr);
	EXPECT_EQ(GetIml("test"), nullptr);
}
