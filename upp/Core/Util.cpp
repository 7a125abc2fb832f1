#include "Util.h"

#include <climits>
#include <unistd.h>

namespace Upp {

String GetExeFilePath()
{
	char buf[PATH_MAX];
	ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
	return n > 0 ? String(buf, n) : String();
}

String GetFileFolder(const String& path)
{
	size_t q = path.rfind('/');
	return q == String::npos ? String() : q == 0 ? String("/") : path.substr(0, q);
}

String GetFileTitle(const String& path)
{
	size_t q = path.rfind('/');
	String name = q == String::npos ? path : path.substr(q + 1);
	size_t dot = name.rfind('.');
	return dot == String::npos || dot == 0 ? name : name.substr(0, dot);
}

String GetExeTitle() { return GetFileTitle(GetExeFilePath()); }

String ConfigFile()
{
	String folder = GetFileFolder(GetExeFilePath());
	String name = GetExeTitle() + ".cfg";
	if(folder.empty())
		return name;
	// Only the root folder ends in '/'.
	return folder.back() == '/' ? folder + name : folder + "/" + name;
}

} // namespace Upp
