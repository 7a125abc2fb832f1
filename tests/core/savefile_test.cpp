// The settings store where the file system gets in its way: a full disk, a folder the user may
// not write, the mode the user set, a chain of links that never ends.
#include <Core/Core.h>

#include <gtest/gtest.h>

#include "../support/settings_file.h"
#include "../support/temp_files.h"

#include <csignal>
#include <functional>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Upp;

namespace {

const uid_t NOBODY = 65534;

// Runs one store in a child process, which first does what `setup` asks of it; the exit code
// tells whether the store reported success.
bool StoreInChild(const String& file, int lang, const std::function<void()>& setup)
{
	pid_t pid = fork();
	if(pid == 0) {
		setup();
		Settings s{ lang };
		_exit(StoreToFile(s, file.c_str()) ? 0 : 1);
	}
	int status = 0;
	waitpid(pid, &status, 0);
	EXPECT_TRUE(WIFEXITED(status)) << "the store ended by signal " << WTERMSIG(status);
	return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Every write past `bytes` fails, as on a disk that fills up after them.
std::function<void()> DiskFullAfter(rlim_t bytes)
{
	return [bytes] {
		signal(SIGXFSZ, SIG_IGN);
		rlimit limit{ bytes, bytes };
		setrlimit(RLIMIT_FSIZE, &limit);
	};
}

// A settings file the user owns in a folder that is someone else's, as a program an
// administrator installed has it. As root the file is given to nobody and the child becomes
// nobody; as anyone else the folder is made read-only.
std::function<void()> InForeignFolder(const TempDir& dir, const String& file)
{
	bool root = geteuid() == 0;
	if(root) {
		chmod(dir.path.c_str(), 0755);
		EXPECT_EQ(chown(file.c_str(), NOBODY, NOBODY), 0);
	}
	else
		chmod(dir.path.c_str(), 0555);
	return [root] {
		if(root && (setgroups(0, nullptr) != 0 || setgid(NOBODY) != 0 || setuid(NOBODY) != 0))
			_exit(2);
	};
}

} // namespace

TEST(SettingsStore, AFullDiskKeepsTheOldFileByteForByteAndLeavesNoOther)
{
	const String old = StoredIndex(9);
	for(rlim_t room : { 0, 5, 17 }) {
		// A file that is replaced.
		TempDir dir;
		String file = dir.File("x.cfg");
		Write(file, old);
		EXPECT_FALSE(StoreInChild(file, 0, DiskFullAfter(room))) << room;
		EXPECT_EQ(Hex(Read(file)), Hex(old)) << room;
		EXPECT_EQ(Names(dir.path), std::vector<String>{ "x.cfg" }) << room;

		// The first store, in an empty folder.
		TempDir empty;
		EXPECT_FALSE(StoreInChild(empty.File("x.cfg"), 0, DiskFullAfter(room))) << room;
		EXPECT_TRUE(Names(empty.path).empty()) << room;

		// A file written in place; it grows from 14 to 18 bytes.
		TempDir foreign;
		String inplace = foreign.File("x.cfg");
		Write(inplace, STORED_NONE);
		auto owner = InForeignFolder(foreign, inplace);
		auto full = DiskFullAfter(room);
		EXPECT_FALSE(StoreInChild(inplace, 0, [&] {
			owner();
			full();
		})) << room;
		EXPECT_EQ(Hex(Read(inplace)), Hex(STORED_NONE)) << room;
	}
}

TEST(SettingsStore, AFileTheUserOwnsInAFolderTheyMayNotWriteIsWrittenInPlace)
{
	struct Case {
		const char* what;
		String old;
	} cases[] = {
		{ "as long", StoredIndex(9) },
		{ "shorter", STORED_NONE },
		{ "longer", StoredIndex(9) + String(100, 'x') },
	};
	for(const Case& c : cases) {
		TempDir dir;
		String file = dir.File("x.cfg");
		Write(file, c.old);
		chmod(file.c_str(), 0644);
		EXPECT_TRUE(StoreInChild(file, 0, InForeignFolder(dir, file))) << c.what;
		EXPECT_EQ(Hex(Read(file)), Hex(StoredIndex(0))) << c.what;
		EXPECT_EQ(Names(dir.path), std::vector<String>{ "x.cfg" }) << c.what;
		struct stat st;
		ASSERT_EQ(stat(file.c_str(), &st), 0);
		EXPECT_EQ(st.st_mode & 07777, 0644u) << c.what;
	}
	// Without a file there is nothing to write in place.
	TempDir dir;
	Write(dir.File("other"), "");
	String missing = dir.File("x.cfg");
	EXPECT_FALSE(StoreInChild(missing, 0, InForeignFolder(dir, dir.File("other"))));
	EXPECT_FALSE(fs::exists(missing));
}

TEST(SettingsStore, KeepsTheWholeModeAndLeavesAnEndlessChainOfLinksAlone)
{
	for(mode_t mode : { 0600, 0644, 02664, 04644, 01664, 06754 }) {
		TempDir dir;
		String file = dir.File("x.cfg");
		Write(file, StoredIndex(9));
		ASSERT_EQ(chmod(file.c_str(), mode), 0);
		Settings s{ 0 };
		EXPECT_TRUE(StoreToFile(s, file.c_str()));
		EXPECT_EQ(Hex(Read(file)), Hex(StoredIndex(0)));
		struct stat st;
		ASSERT_EQ(stat(file.c_str(), &st), 0);
		EXPECT_EQ(st.st_mode & 07777, mode) << std::oct << mode;
	}

	TempDir dir;
	String a = dir.File("a.cfg"), b = dir.File("b.cfg"), self = dir.File("self.cfg");
	fs::create_symlink("b.cfg", a);
	fs::create_symlink("a.cfg", b);
	fs::create_symlink("self.cfg", self);
	struct Link {
		String path;
		const char* to;
	} links[] = { { a, "b.cfg" }, { b, "a.cfg" }, { self, "self.cfg" } };
	for(const Link& l : links) {
		Settings s{ 0 };
		EXPECT_FALSE(StoreToFile(s, l.path.c_str())) << l.path;
		EXPECT_TRUE(fs::is_symlink(l.path) && fs::read_symlink(l.path) == l.to) << l.path;
	}
	EXPECT_EQ(Names(dir.path), (std::vector<String>{ "a.cfg", "b.cfg", "self.cfg" }));
}
