#ifndef UPP_CORE_IML_H
#define UPP_CORE_IML_H

#include "Defs.h"
#include "Image.h"

#include <map>
#include <vector>

namespace Upp {

// A named list of images whose pixels stay compressed until first asked for.
// Each block of data added holds a fixed number of consecutive images; a block is
// inflated as a whole when one of its images is first fetched, and the images are kept.
// Damaged data never fail: each image whose record inflated whole before the damage is
// there, every other image of the block is an empty Image.
class Iml {
	struct Block {
		const byte* data = nullptr;
		int len = 0;
		int count = 0;
		bool unpacked = false;
		std::vector<Image> images;
	};

	std::vector<String> names;
	std::map<String, int> index;
	std::vector<Block> blocks;
	bool premultiplied = false;

	void Unpack(Block& b);

public:
	// names: one id per image, in index order; the images of the data blocks take the indices
	// in the order the blocks are added.
	Iml(const char* const* names, int n);
	Iml(const Iml&) = delete;
	Iml& operator=(const Iml&) = delete;

	// data must stay valid for the life of the list (it is normally constant data).
	// It holds one zlib stream; anything after the stream's end is ignored.
	void AddData(const byte* data, int len, int count);
	// The packed pixels already have their colours multiplied by alpha.
	void Premultiplied() { premultiplied = true; }

	Image Get(int i);
	int GetCount() const;
	String GetId(int i) const;
	int Find(const String& id) const;

	int GetBlockCount() const { return (int)blocks.size(); }
	bool IsBlockUnpacked(int block) const;
};

// The process-wide registry of image lists by name; a name registered again gets the new list.
void Register(const char* name, Iml& list);
Iml* GetIml(const char* name); // nullptr when no list has that name

} // namespace Upp

#endif
