#include "Image.h"

namespace Upp {

Image::Image(Size sz, std::vector<RGBA> pixels, Point hotspot, Point spot2)
{
	auto d = std::make_shared<Data>();
	d->size = sz;
	d->pixels = std::move(pixels);
	d->hotspot = hotspot;
	d->spot2 = spot2;
	data = d;
}

} // namespace Upp
