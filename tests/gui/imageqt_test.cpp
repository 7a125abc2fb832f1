#include <CtrlCore/ImageQt.h>

#include <gtest/gtest.h>

using namespace Upp;

TEST(ImageQt, PixelsSurviveTheRoundTripPremultiplied)
{
	struct Case {
		RGBA p;
		QColor seen; // what Qt reports, colours divided by alpha again
	} cases[] = {
		{ { 0, 0, 0, 0 }, QColor(0, 0, 0, 0) },
		{ { 255, 0, 0, 255 }, QColor(0, 0, 255, 255) },
		{ { 0, 64, 128, 128 }, QColor(255, 128, 0, 128) },
		{ { 10, 20, 30, 255 }, QColor(30, 20, 10, 255) },
	};
	std::vector<RGBA> pix;
	for(const Case& c : cases)
		pix.push_back(c.p);
	Image img(Size(2, 2), pix);

	QImage q = ToQImage(img);
	ASSERT_EQ(q.format(), QImage::Format_ARGB32_Premultiplied);
	ASSERT_EQ(q.size(), QSize(2, 2));
	for(int i = 0; i < 4; i++) {
		SCOPED_TRACE(i);
		QColor c = q.pixelColor(i % 2, i / 2);
		EXPECT_EQ(c.alpha(), cases[i].seen.alpha());
		if(c.alpha()) {
			EXPECT_EQ(c.rgb(), cases[i].seen.rgb());
		}
	}

	Image back = FromQImage(q);
	ASSERT_EQ(back.GetSize(), Size(2, 2));
	for(int i = 0; i < 4; i++) {
		const RGBA& a = back.Begin()[i];
		const RGBA& b = cases[i].p;
		EXPECT_TRUE(a.b == b.b && a.g == b.g && a.r == b.r && a.a == b.a) << i;
	}
}

TEST(ImageQt, OtherFormatsAreConvertedAndRowsKeepTheirOrder)
{
	QImage q(3, 2, QImage::Format_RGB32);
	q.fill(QColor(1, 2, 3));
	q.setPixelColor(2, 1, QColor(200, 100, 50));
	Image img = FromQImage(q);
	ASSERT_EQ(img.GetSize(), Size(3, 2));
	EXPECT_EQ(img[0][0].r, 1);
	EXPECT_EQ(img[0][0].a, 255);
	EXPECT_EQ(img[1][2].r, 200);
	EXPECT_EQ(img[1][2].g, 100);
	EXPECT_EQ(img[1][2].b, 50);
}

TEST(ImageQt, EmptyAndNullCorrespond)
{
	EXPECT_TRUE(ToQImage(Image()).isNull());
	EXPECT_TRUE(FromQImage(QImage()).IsEmpty());
}
