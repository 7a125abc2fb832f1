#ifndef UPP_CORE_IMAGE_H
#define UPP_CORE_IMAGE_H

#include "Defs.h"
#include "Gtypes.h"

#include <memory>
#include <vector>

namespace Upp {

// One pixel in memory order blue, green, red, alpha; colours premultiplied by alpha.
struct RGBA {
	byte b = 0, g = 0, r = 0, a = 0;
};

// An immutable picture with shared pixel data.
class Image {
	struct Data {
		Size size;
		Point hotspot, spot2;
		std::vector<RGBA> pixels;
	};
	std::shared_ptr<const Data> data;

public:
	Image() = default;
	Image(Size sz, std::vector<RGBA> pixels, Point hotspot = Point(), Point spot2 = Point());

	bool IsEmpty() const { return !data || data->pixels.empty(); }
	Size GetSize() const { return data ? data->size : Size(); }
	int GetWidth() const { return GetSize().cx; }
	int GetHeight() const { return GetSize().cy; }
	Point GetHotSpot() const { return data ? data->hotspot : Point(); }
	Point Get2ndSpot() const { return data ? data->spot2 : Point(); }
	const RGBA* Begin() const { return data ? data->pixels.data() : nullptr; }
	const RGBA* operator[](int row) const { return Begin() + row * GetWidth(); }
	int GetLength() const { return data ? (int)data->pixels.size() : 0; }
};

} // namespace Upp

#endif
