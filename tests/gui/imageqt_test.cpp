#include <CtrlCore/ImageQt.h>

#include <gtest/gtest.h>

using namespace Upp;

TEST(ImageQt, PixelsArriveInPlacePremultiplied)
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
}

TEST(ImageQt, EmptyGivesNull) { EXPECT_TRUE(ToQImage(Image()).isNull()); }
