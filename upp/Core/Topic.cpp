#include "Topic.h"
#include "Util.h"

#include <map>
#include <tuple>

#include <zlib.h>

namespace Upp {

namespace {

struct TopicRecord {
	String title;
	const byte* data = nullptr;
	int len = 0;
};

typedef std::tuple<String, String, String> TopicKey; // package, group, topic

// Registration runs from static initialisers in other files, so the store is built on first use.
std::map<TopicKey, TopicRecord>& Topics()
{
	static std::map<TopicKey, TopicRecord> topics;
	return topics;
}

// Succeeds only when the len bytes are one complete zlib stream and nothing else: a stream
// cut short or followed by stray bytes means the data are not what was packed.
bool InflateExact(const byte* data, int len, String& out)
{
	if(!data || len <= 0)
		return false;
	z_stream z = {};
	if(inflateInit(&z) != Z_OK)
		return false;
	z.next_in = const_cast<Bytef*>(data);
	z.avail_in = (uInt)len;
	out.clear();
	char buf[16384];
	int r;
	do {
		z.next_out = (Bytef*)buf;
		z.avail_out = sizeof buf;
		r = inflate(&z, Z_NO_FLUSH);
		out.append(buf, sizeof buf - z.avail_out);
	} while(r == Z_OK);
	bool ok = r == Z_STREAM_END && z.avail_in == 0;
	inflateEnd(&z);
	if(!ok)
		out.clear();
	return ok;
}

} // namespace

void RegisterTopic__(const char* topicfile, const char* topic, const char* title, const byte* data, int len)
{
	String file = topicfile ? topicfile : "";
	if(!file.empty() && file[0] == '<')
		file.erase(0, 1);
	String folder = GetFileFolder(file); // "qimvor/app.tpp"
	TopicKey key(GetFileFolder(folder), GetFileTitle(folder), topic ? topic : "");
	TopicRecord& r = Topics()[key];
	r.title = title ? title : "";
	r.data = data;
	r.len = len;
}

Topic GetTopic(const String& path)
{
	size_t q = path.rfind('/');
	if(q == String::npos)
		return Topic();
	size_t g = q == 0 ? String::npos : path.rfind('/', q - 1);
	if(g == String::npos)
		return Topic();
	TopicKey key(path.substr(0, g), path.substr(g + 1, q - g - 1), path.substr(q + 1));
	auto it = Topics().find(key);
	if(it == Topics().end())
		return Topic();
	const TopicRecord& r = it->second;
	Topic t;
	if(!InflateExact(r.data, r.len, t.text))
		return Topic();
	t.title = r.title;
	return t;
}

Topic GetTopic(const char* path) { return GetTopic(String(path ? path : "")); }

} // namespace Upp
