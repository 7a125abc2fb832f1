// Files for the tests of the settings store: a folder of their own, removed afterwards, and
// whole files written, read and shown byte by byte.
#ifndef LUNBREK_TEMP_FILES_H
#define LUNBREK_TEMP_FILES_H

#include <Core/Core.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdlib.h>
#include <vector>

namespace fs = std::filesystem;

inline Upp::String Hex(const Upp::String& s)
{
	Upp::String r;
	char b[4];
	for(unsigned char c : s) {
		snprintf(b, sizeof b, "%02X ", c);
		r += b;
	}
	return r;
}

struct TempDir {
	fs::path path;
	TempDir()
	{
		char tmpl[] = "/tmp/lunbrek-test-XXXXXX";
		path = mkdtemp(tmpl);
	}
	~TempDir()
	{
		fs::permissions(path, fs::perms::owner_all, fs::perm_options::add);
		fs::remove_all(path);
	}
	Upp::String File(const char* name) const { return (path / name).string(); }
};

inline void Write(const Upp::String& path, const Upp::String& data) { std::ofstream(path, std::ios::binary) << data; }

inline Upp::String Read(const Upp::String& path)
{
	std::ifstream f(path, std::ios::binary);
	return Upp::String(std::istreambuf_iterator<char>(f), {});
}

// The names a folder holds, sorted.
inline std::vector<Upp::String> Names(const fs::path& folder)
{
	std::vector<Upp::String> names;
	for(auto& e : fs::directory_iterator(folder))
		names.push_back(e.path().filename().string());
	std::sort(names.begin(), names.end());
	return names;
}

#endif
