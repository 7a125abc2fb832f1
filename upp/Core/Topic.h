#ifndef UPP_CORE_TOPIC_H
#define UPP_CORE_TOPIC_H

#include "Defs.h"

namespace Upp {

// A rich-text page: its title and its QTF text.
struct Topic {
	String title;
	String text;
};

// Files a topic's compressed QTF (one zlib stream of exactly len bytes) under the package
// and group named by the topic file, e.g. "<qimvor/app.tpp/all.i>" gives package "qimvor",
// group "app". The data are kept by pointer, so they must outlive the process's use of them.
// Registering the same package, group and topic again replaces the earlier record.
void RegisterTopic__(const char* topicfile, const char* topic, const char* title, const byte* data, int len);

// Fetches "package/group/topic", e.g. "qimvor/app/about$en-us". An unknown name gives an empty
// Topic, and so do damaged data (anything but exactly one complete zlib stream): a topic is
// shown whole or not at all.
Topic GetTopic(const String& path);
Topic GetTopic(const char* path);

} // namespace Upp

#endif
