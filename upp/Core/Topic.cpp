#include "Topic.h"

#include "Inflate.h"
#include "Util.h"

#include <map>
#include <tuple>

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
	// A stream cut short or followed by stray bytes is not what was packed.
	Inflated text = Inflate(it->second.data, it->second.len);
	if(!text.exact)
		return Topic();
	return Topic{ it->second.title, text.data };
}

Topic GetTopic(const char* path) { return GetTopic(String(path ? path : "")); }

} // namespace Upp
