// The settings frame, the packed integer, value serialization and the file store.
#include <Core/Core.h>

#include <gtest/gtest.h>

#include "../support/settings_file.h"
#include "../support/temp_files.h"

#include <filesystem>
#include <fstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Upp;
namespace fs = std::filesystem;

namespace {

const String ENGLISH = StoredIndex(0);
const String ROMANIAN = StoredIndex(9);
const String NONE = STORED_NONE;

} // namespace

TEST(SettingsFrame, StoresTheExactBytes)
{
	struct Case {
		Value lang;
		String bytes;
	} cases[] = { { 0, ENGLISH }, { 9, ROMANIAN }, { Value(), NONE } };
	for(const Case& c : cases) {
		Settings s{ c.lang };
		EXPECT_EQ(Hex(StoreToString(SerializeTFn(s))), Hex(c.bytes));
	}
}

TEST(SettingsFrame, LoadsWellFormedAndOddButReadableFiles)
{
	struct Case {
		const char* what;
		String bytes;
		Value expect;
	} cases[] = {
		{ "english", ENGLISH, 0 },
		{ "romanian", ROMANIAN, 9 },
		{ "no language", NONE, Value() },
		{ "version byte 0x00",
		  Bytes({ 0x64, 0x61, 0x74, 0x61, 0x00, 0x02, 5, 0, 0, 0, 0x65, 0x6E, 0x64, 0, 0x0E, 0, 0, 0 }), 5 },
		{ "version byte 0x02",
		  Bytes({ 0x64, 0x61, 0x74, 0x61, 0x02, 0x02, 5, 0, 0, 0, 0x65, 0x6E, 0x64, 0, 0x0E, 0, 0, 0 }), 5 },
		{ "bytes after the length", ENGLISH + "garbage", 0 },
		{ "index outside 0..9",
		  Bytes({ 0x64, 0x61, 0x74, 0x61, 0x01, 0x02, 42, 0, 0, 0, 0x65, 0x6E, 0x64, 0, 0x0E, 0, 0, 0 }), 42 },
		{ "negative index",
		  Bytes({ 0x64, 0x61, 0x74, 0x61, 0x01, 0x02, 0xFF, 0xFF, 0xFF, 0xFF, 0x65, 0x6E, 0x64, 0, 0x0E, 0, 0, 0 }),
		  -1 },
		{ "text value",
		  Bytes({ 0x64, 0x61, 0x74, 0x61, 0x01, 0x04, 0x03, 'a', 'b', 0x65, 0x6E, 0x64, 0, 0x0D, 0, 0, 0 }), "ab" },
	};
	for(const Case& c : cases) {
		Settings s;
		EXPECT_TRUE(LoadFromString(SerializeTFn(s), c.bytes)) << c.what;
		EXPECT_EQ(s.lang, c.expect) << c.what;
		EXPECT_EQ(s.lang.GetType(), c.expect.GetType()) << c.what;
	}
}

TEST(SettingsFrame, DamagedFilesLoadNothingAndKeepThePreviousValue)
{
	String wrong_length = ENGLISH;
	wrong_length[14] = 0x0F;
	String no_end = ENGLISH;
	no_end[11] = 'x';
	String type_unknown = ENGLISH;
	type_unknown[5] = 0x63;
	struct Case {
		const char* what;
		String bytes;
	} cases[] = {
		{ "wrong length word", wrong_length },
		{ "missing end marker", no_end },
		{ "missing last byte", ENGLISH.substr(0, 17) },
		{ "empty file", "" },
		{ "wrong start marker", "DATA" + ENGLISH.substr(4) },
		{ "unknown type", type_unknown },
		{ "negative type", Bytes({ 0x64, 0x61, 0x74, 0x61, 0x01, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF }) },
		{ "text longer than the file", Bytes({ 0x64, 0x61, 0x74, 0x61, 0x01, 0x04, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F }) },
		{ "only the start marker", "data" },
	};
	for(const Case& c : cases) {
		Settings s{ 3 };
		EXPECT_FALSE(LoadFromString(SerializeTFn(s), c.bytes)) << c.what;
		EXPECT_EQ(s.lang, Value(3)) << c.what;
		Settings n;
		EXPECT_FALSE(LoadFromString(SerializeTFn(n), c.bytes)) << c.what;
		EXPECT_TRUE(n.lang.IsVoid()) << c.what;
	}
}

TEST(PackedInteger, RoundTripsAcrossTheOneByteLimit)
{
	for(int n : { -1, 0, 1, 252, 253, 254, 255, 1000, 70000, INT_MAX - 1 }) {
		StringStream out;
		int x = n;
		out / x;
		String bytes = out.GetResult();
		EXPECT_EQ(bytes.size(), n + 1 >= 0 && n + 1 <= 254 ? 1u : 5u) << n;
		StringStream in(bytes);
		int y = 12345;
		in / y;
		EXPECT_EQ(y, n);
	}
}

TEST(ValueSerialization, RoundTripsEveryStoredType)
{
	Value cases[] = { Value(), 0, -7, INT_MAX, String("Deutsch"), String(), Date(2014, 10, 3) };
	for(Value v : cases) {
		StringStream out;
		out % v;
		StringStream in(out.GetResult());
		Value r = 99;
		in % r;
		EXPECT_EQ(r, v);
		EXPECT_EQ(r.GetType(), v.GetType());
	}
}

TEST(ConfigFile, IsTheExecutableTitleWithCfgBesideIt)
{
	String exe = GetExeFilePath();
	EXPECT_EQ(ConfigFile(), GetFileFolder(exe) + "/" + GetExeTitle() + ".cfg");
	EXPECT_EQ(GetFileTitle("/a/b/name.exe"), "name");
	EXPECT_EQ(GetFileTitle("/a/b/name"), "name");
	EXPECT_EQ(GetFileFolder("/a/b/name.exe"), "/a/b");
}

TEST(SettingsFile, StoresAndLoadsBack)
{
	TempDir dir;
	String file = dir.File("x.cfg");
	Settings a{ 9 };
	EXPECT_TRUE(StoreToFile(a, file.c_str()));
	EXPECT_EQ(Hex(Read(file)), Hex(ROMANIAN));
	Settings b;
	EXPECT_TRUE(LoadFromFile(b, file.c_str()));
	EXPECT_EQ(b.lang, Value(9));
	// A missing file loads nothing and leaves the value alone.
	Settings c{ 4 };
	EXPECT_FALSE(LoadFromFile(c, dir.File("missing.cfg").c_str()));
	EXPECT_EQ(c.lang, Value(4));
}

TEST(SettingsFile, StoreReplacesAtomicallyAndLeavesNoTemporaryFile)
{
	TempDir dir;
	String file = dir.File("x.cfg");
	Write(file, String(1000, 'x'));
	Settings a{ 0 };
	EXPECT_TRUE(StoreToFile(a, file.c_str()));
	EXPECT_EQ(Hex(Read(file)), Hex(ENGLISH));
	int files = 0;
	for(auto& e : fs::directory_iterator(dir.path)) {
		(void)e;
		files++;
	}
	EXPECT_EQ(files, 1);
}

TEST(SettingsFile, UnwritablePlacesStoreNothingAndKeepTheOldFile)
{
	if(geteuid() == 0)
		GTEST_SKIP() << "root may write anywhere";
	TempDir dir;
	String file = dir.File("x.cfg");
	Write(file, ROMANIAN);
	chmod(file.c_str(), 0444);
	Settings a{ 0 };
	EXPECT_FALSE(StoreToFile(a, file.c_str()));
	EXPECT_EQ(Hex(Read(file)), Hex(ROMANIAN));

	TempDir locked;
	chmod(locked.path.c_str(), 0555);
	EXPECT_FALSE(StoreToFile(a, locked.File("y.cfg").c_str()));
	EXPECT_FALSE(fs::exists(locked.path / "y.cfg"));
}

TEST(SettingsFile, ReadOnlyFileIsLeftAloneEvenForRoot)
{
	TempDir dir;
	String file = dir.File("x.cfg");
	Write(file, ROMANIAN);
	chmod(file.c_str(), 0444);
	Settings a{ 0 };
	EXPECT_FALSE(StoreToFile(a, file.c_str()));
	EXPECT_EQ(Hex(Read(file)), Hex(ROMANIAN));
	EXPECT_FALSE(StoreToFile(a, dir.File("no/such/folder/y.cfg").c_str()));
}

namespace {

// Runs one load in a child process, so that a load that hangs, aborts or swallows memory
// fails the test instead of ending it: the child's exit code says what it saw.
enum { LOADED = 10, NOT_LOADED = 11, WRONG_VALUE = 12, TOO_MUCH_MEMORY = 13 };

int LoadInChild(const String& file, const Value& expect)
{
	pid_t pid = fork();
	if(pid == 0) {
		alarm(10);
		rusage before, after;
		getrusage(RUSAGE_SELF, &before);
		Settings s{ 3 };
		bool ok = LoadFromFile(s, file.c_str());
		getrusage(RUSAGE_SELF, &after);
		if(after.ru_maxrss - before.ru_maxrss > 64 * 1024) // KiB
			_exit(TOO_MUCH_MEMORY);
		if(s.lang != (ok ? expect : Value(3)))
			_exit(WRONG_VALUE);
		_exit(ok ? LOADED : NOT_LOADED);
	}
	int status = 0;
	waitpid(pid, &status, 0);
	return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

void Sparse(const String& path, const String& head, off_t size)
{
	Write(path, head);
	ASSERT_EQ(truncate(path.c_str(), size), 0);
}

} // namespace

TEST(SettingsFile, OddFilesLoadAtOnceWithoutLargeAllocations)
{
	TempDir dir;
	const off_t GB3 = 3LL << 30;
	String zero = dir.File("zero.cfg");
	fs::create_symlink("/dev/zero", zero);
	String fifo = dir.File("fifo.cfg");
	ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
	String folder = dir.File("folder.cfg");
	fs::create_directory(folder);
	String sparse = dir.File("sparse.cfg");
	Sparse(sparse, "", GB3);
	String trailing = dir.File("trailing.cfg");
	Sparse(trailing, ROMANIAN, GB3);
	String big_text = dir.File("big-text.cfg");
	// A text value that claims two gigabytes, and a file that has them.
	Sparse(big_text, Bytes({ 0x64, 0x61, 0x74, 0x61, 0x01, 0x04, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F }), GB3);
	struct Case {
		const char* what;
		String file;
		int result;
	} cases[] = {
		{ "a link to /dev/zero", zero, NOT_LOADED },
		{ "a pipe", fifo, NOT_LOADED },
		{ "a folder", folder, NOT_LOADED },
		{ "three sparse gigabytes", sparse, NOT_LOADED },
		{ "a frame, then three gigabytes", trailing, LOADED },
		{ "a text as long as the file", big_text, NOT_LOADED },
	};
	for(const Case& c : cases)
		EXPECT_EQ(LoadInChild(c.file, 9), c.result) << c.what;
}

TEST(SettingsFile, StoreKeepsWhatTheUserSetOnTheFile)
{
	TempDir dir;
	String file = dir.File("x.cfg");
	Write(file, ROMANIAN);
	chmod(file.c_str(), 0640);
	bool root = geteuid() == 0;
	if(root) {
		ASSERT_EQ(chown(file.c_str(), 4321, 4322), 0);
	}
	Settings a{ 0 };
	ASSERT_TRUE(StoreToFile(a, file.c_str()));
	struct stat st;
	ASSERT_EQ(stat(file.c_str(), &st), 0);
	EXPECT_EQ(st.st_mode & 07777, 0640u);
	if(root) {
		EXPECT_EQ(st.st_uid, 4321u);
		EXPECT_EQ(st.st_gid, 4322u);
	}
	EXPECT_EQ(Hex(Read(file)), Hex(ENGLISH));

	// A link is written through to its target and stays a link.
	String link = dir.File("link.cfg");
	fs::create_symlink(file, link);
	Settings b{ 9 };
	ASSERT_TRUE(StoreToFile(b, link.c_str()));
	EXPECT_TRUE(fs::is_symlink(link));
	EXPECT_EQ(Hex(Read(file)), Hex(ROMANIAN));
}
