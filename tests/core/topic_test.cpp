#include <Core/Core.h>

#include <gtest/gtest.h>
#include <zlib.h>

#include <climits>
#include <deque>
#include <string>
#include <vector>

using namespace Upp;

namespace {

// Registered data are held by pointer for the whole process, so every packed buffer lives
// in this store until the program ends.
const std::vector<byte>& Keep(std::vector<byte> data)
{
	static std::deque<std::vector<byte>> kept;
	kept.push_back(std::move(data));
	return kept.back();
}

std::vector<byte> Pack(const std::string& text)
{
	uLongf len = compressBound(text.size());
	std::vector<byte> out(len);
	EXPECT_EQ(compress2(out.data(), &len, (const Bytef*)text.data(), text.size(), Z_DEFAULT_COMPRESSION), Z_OK);
	out.resize(len);
	return out;
}

void Register(const char* file, const char* topic, const char* title, const std::vector<byte>& data, int len)
{
	RegisterTopic__(file, topic, title, Keep(data).data(), len);
}

void Register(const char* file, const char* topic, const char* title, const std::string& text)
{
	std::vector<byte> p = Pack(text);
	Register(file, topic, title, p, (int)p.size());
}

struct Filing {
	const char* topicfile;
	const char* path;
	bool found;
};

void PrintTo(const Filing& f, std::ostream* os) { *os << f.topicfile << " -> " << f.path; }

// The store only grows, so each case files its topic under a package of its own.
class TopicFiling : public ::testing::TestWithParam<Filing> {};

TEST_P(TopicFiling, PackageAndGroupComeFromTheTopicFile)
{
	const Filing& f = GetParam();
	Register(f.topicfile, "page$en-us", "Page", "[s0; x]");
	Topic t = GetTopic(f.path);
	EXPECT_EQ(t.text, f.found ? "[s0; x]" : "");
	EXPECT_EQ(t.title, f.found ? "Page" : "");
}

INSTANTIATE_TEST_SUITE_P(Paths, TopicFiling,
						 ::testing::Values(Filing{ "<fa/app.tpp/all.i>", "fa/app/page$en-us", true },
										   // a package inside a folder keeps its whole path
										   Filing{ "<fb/nest/doc.tpp/all.i>", "fb/nest/doc/page$en-us", true },
										   Filing{ "<fc/app.tpp/all.i>", "fc/app.tpp/page$en-us", false },
										   Filing{ "<fd/app.tpp/all.i>", "fd/doc/page$en-us", false },
										   Filing{ "<fe/app.tpp/all.i>", "other/app/page$en-us", false },
										   Filing{ "<ff/app.tpp/all.i>", "app/page$en-us", false },
										   Filing{ "<fg/app.tpp/all.i>", "fg/app/page$de-de", false },
										   Filing{ "<fh/app.tpp/all.i>", "page$en-us", false },
										   Filing{ "<fi/app.tpp/all.i>", "", false },
										   Filing{ "<fj/app.tpp/all.i>", "/fj/app/page$en-us", false }));

TEST(Topic, UnknownNameGivesAnEmptyTopic)
{
	Topic t = GetTopic("nosuch/app/about$en-us");
	EXPECT_TRUE(t.text.empty());
	EXPECT_TRUE(t.title.empty());
	EXPECT_TRUE(GetTopic((const char*)nullptr).text.empty());
}

TEST(Topic, RegisteringTheSameKeysAgainReplaces)
{
	Register("<ra/app.tpp/all.i>", "t$en-us", "First", "[s0; first]");
	Register("<ra/app.tpp/all.i>", "t$de-de", "Other", "[s0; other]");
	Register("<ra/app.tpp/all.i>", "t$en-us", "Second", "[s0; second]");
	Topic t = GetTopic(String("ra/app/t$en-us"));
	EXPECT_EQ(t.title, "Second");
	EXPECT_EQ(t.text, "[s0; second]");
	EXPECT_EQ(GetTopic("ra/app/t$de-de").text, "[s0; other]");
}

TEST(Topic, TextIsInflatedWhole)
{
	// larger than any single inflate step, with bytes above 127
	std::string text;
	for(int i = 0; i < 20000; i++)
		text += "[s0; Рассчитать " + std::to_string(i) + "&]";
	Register("<la/app.tpp/all.i>", "long$ru-ru", "", text);
	EXPECT_EQ(GetTopic("la/app/long$ru-ru").text, text);
}

constexpr int NONE = INT_MAX;

struct Damage {
	const char* what;
	int cut;  // bytes taken off the end; negative: zero bytes added
	int flip; // a byte to corrupt, counted from the end when negative
};

void PrintTo(const Damage& d, std::ostream* os) { *os << d.what; }

class DamagedTopic : public ::testing::TestWithParam<Damage> {};

// A stream that does not fill exactly its registered length is refused, never shown in part.
TEST_P(DamagedTopic, GivesAnEmptyTopic)
{
	const Damage& d = GetParam();
	std::string text(3000, 'a');
	for(size_t i = 0; i < text.size(); i++)
		text[i] = (char)('a' + i * 7 % 26);
	std::vector<byte> p = Pack(text);
	int len = (int)p.size() - d.cut;
	if(d.cut < 0)
		p.resize(len, 0);
	if(d.flip != NONE)
		p[d.flip < 0 ? p.size() + d.flip : d.flip] ^= 0x55;
	std::string name = d.what;
	Register("<da/app.tpp/all.i>", name.c_str(), "Title", p, len);
	Topic t = GetTopic("da/app/" + name);
	EXPECT_EQ(t.text, "");
	EXPECT_EQ(t.title, "");
}

INSTANTIATE_TEST_SUITE_P(Streams, DamagedTopic,
						 ::testing::Values(Damage{ "cut_by_one", 1, NONE }, Damage{ "checksum_missing", 4, NONE },
										   Damage{ "one_stray_byte", -1, NONE }, Damage{ "stray_bytes", -16, NONE },
										   Damage{ "no_data", 100000, NONE }, Damage{ "bad_header", 0, 0 },
										   Damage{ "bad_body", 0, 20 }, Damage{ "bad_checksum", 0, -1 }));

} // namespace
