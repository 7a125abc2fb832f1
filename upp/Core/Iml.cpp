#include "Iml.h"

#include "Inflate.h"

namespace Upp {

namespace {

int Int16le(const byte* p) { return (int16)(p[0] | (p[1] << 8)); }

} // namespace

Iml::Iml(const char* const* name, int n)
{
	for(int i = 0; i < n; i++) {
		names.push_back(name[i]);
		index.emplace(name[i], i);
	}
}

void Iml::AddData(const byte* data, int len, int count)
{
	Block& b = blocks.emplace_back();
	b.data = data;
	b.len = len;
	b.count = count < 0 ? 0 : count;
}

void Iml::Unpack(Block& b)
{
	// Whatever inflated before any damage still gives its whole records.
	String raw = Inflate(b.data, b.len).data;
	const byte* p = (const byte*)raw.data();
	const byte* end = p + raw.size();
	b.images.resize(b.count);
	// Record: flags, width, height, hot spot, second hot spot (int16 LE each), then BGRA rows.
	for(Image& img : b.images) {
		if(end - p < 13)
			break;
		int cx = Int16le(p + 1), cy = Int16le(p + 3);
		Point hot(Int16le(p + 5), Int16le(p + 7)), spot2(Int16le(p + 9), Int16le(p + 11));
		p += 13;
		if(cx < 0 || cy < 0 || (end - p) / 4 < (int64)cx * cy)
			break;
		std::vector<RGBA> pix((size_t)cx * cy);
		for(RGBA& q : pix) {
			q.b = p[0];
			q.g = p[1];
			q.r = p[2];
			q.a = p[3];
			p += 4;
			if(!premultiplied) {
				q.b = byte((q.b * q.a + 127) / 255);
				q.g = byte((q.g * q.a + 127) / 255);
				q.r = byte((q.r * q.a + 127) / 255);
			}
		}
		img = Image(Size(cx, cy), std::move(pix), hot, spot2);
	}
	b.unpacked = true;
}

Image Iml::Get(int i)
{
	if(i < 0)
		return Image();
	for(Block& b : blocks) {
		if(i < b.count) {
			if(!b.unpacked)
				Unpack(b);
			return b.images[i];
		}
		i -= b.count;
	}
	return Image();
}

int Iml::GetCount() const
{
	int n = 0;
	for(const Block& b : blocks)
		n += b.count;
	return n;
}

String Iml::GetId(int i) const { return i >= 0 && i < (int)names.size() ? names[i] : String(); }

int Iml::Find(const String& id) const
{
	auto q = index.find(id);
	return q == index.end() ? -1 : q->second;
}

bool Iml::IsBlockUnpacked(int block) const
{
	return block >= 0 && block < (int)blocks.size() && blocks[block].unpacked;
}

namespace {

std::map<String, Iml*>& ImlRegistry()
{
	static std::map<String, Iml*> map;
	return map;
}

} // namespace

void Register(const char* name, Iml& list) { ImlRegistry()[name] = &list; }

Iml* GetIml(const char* name)
{
	auto& map = ImlRegistry();
	auto q = map.find(name);
	return q == map.end() ? nullptr : q->second;
}

} // namespace Upp
