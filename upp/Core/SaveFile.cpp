#include "SaveFile.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace Upp {

namespace {

// The file a chain of links ends in (the path itself where it is no link, or does not exist
// yet). Nothing where the chain never ends: renaming onto such a path would replace the link.
std::optional<String> FollowLinks(String path)
{
	for(int hops = 0; hops <= 40; hops++) { // as far as the kernel follows
		struct stat st;
		if(lstat(path.c_str(), &st) != 0)
			return errno == ENOENT ? std::optional<String>(path) : std::nullopt;
		if(!S_ISLNK(st.st_mode))
			return path;
		char to[PATH_MAX];
		ssize_t n = readlink(path.c_str(), to, sizeof to);
		if(n <= 0 || n == (ssize_t)sizeof to)
			return std::nullopt;
		size_t slash = path.rfind('/');
		path = to[0] == '/' || slash == String::npos ? String(to, n) : path.substr(0, slash + 1) + String(to, n);
	}
	return std::nullopt;
}

// Every byte or false; `done` tells how many made it.
bool WriteAll(int fd, const char* data, size_t size, size_t& done)
{
	done = 0;
	while(done < size) {
		ssize_t n = pwrite(fd, data + done, size - done, (off_t)done);
		if(n < 0 && errno == EINTR)
			continue;
		if(n <= 0)
			return false;
		done += (size_t)n;
	}
	return true;
}

bool WriteAll(int fd, const String& data)
{
	size_t done;
	return WriteAll(fd, data.data(), data.size(), done);
}

// A name beside the target that nothing else uses. Created with `mode` under the umask, as a
// plain create would be.
int MakeTemporary(const String& target, mode_t mode, String& name)
{
	static unsigned serial;
	for(int attempt = 0; attempt < 100; attempt++) {
		name = target + "." + std::to_string(getpid()) + "-" + std::to_string(++serial) + ".tmp";
		int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
		if(fd >= 0 || errno != EEXIST)
			return fd;
	}
	return -1;
}

// Gives the new file what the user set on the old one. The owner and group go back as far as
// this process may: root may give any, others may give back a group they belong to, and where
// neither is allowed the file is this user's, as any file they create. Giving them back clears
// the set-user and set-group bits, so the mode comes last. False where the file system refuses.
bool KeepOwnerAndMode(int fd, const struct stat& old)
{
	if(fchown(fd, old.st_uid, old.st_gid) != 0 && fchown(fd, (uid_t)-1, old.st_gid) != 0 && errno != EPERM)
		return false;
	return fchmod(fd, old.st_mode & 07777) == 0;
}

// Puts back the bytes a failed write overwrote and cuts off what it added. Where the disk
// refuses even that, nothing more can be done.
void PutBack(int fd, const String& old, size_t count, off_t size)
{
	size_t done;
	if(WriteAll(fd, old.data(), count, done))
		while(ftruncate(fd, size) != 0 && errno == EINTR) {
		}
}

// For a file whose folder takes no new file (a program installed by an administrator, with a
// settings file the user owns). Without a copy to fall back on, the bytes this overwrites are
// kept and put back if any step fails.
bool WriteInPlace(const String& target, const String& data)
{
	int fd = open(target.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC | O_NOFOLLOW);
	if(fd < 0)
		return false;
	struct stat st;
	String old(data.size(), '\0');
	ssize_t kept = fstat(fd, &st) == 0 && S_ISREG(st.st_mode) ? pread(fd, old.data(), old.size(), 0) : -1;
	size_t done = 0;
	bool ok = kept >= 0 && WriteAll(fd, data.data(), data.size(), done) && ftruncate(fd, (off_t)data.size()) == 0 &&
			  fsync(fd) == 0;
	if(!ok && done > 0)
		PutBack(fd, old, std::min(done, (size_t)kept), st.st_size);
	return close(fd) == 0 && ok;
}

// Once renamed, the new name is made to last too; the content already has.
void SyncFolder(const String& file)
{
	size_t slash = file.rfind('/');
	String folder = slash == String::npos ? String(".") : slash == 0 ? String("/") : file.substr(0, slash);
	int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
	if(fd >= 0) {
		fsync(fd);
		close(fd);
	}
}

} // namespace

// The whole content goes to a new file beside the target, which replaces the target only once
// every byte is written and synced, so a crash, a kill or a full disk never leaves a torn or
// empty file. A target that exists but may not be written, or is marked read-only (even for a
// user who could override that), is left alone, as a plain overwrite would have been refused.
bool SaveFile(const char* path, const String& data)
{
	std::optional<String> target = FollowLinks(path);
	if(!target)
		return false;
	struct stat old;
	bool exists = lstat(target->c_str(), &old) == 0;
	if(!exists && errno != ENOENT)
		return false;
	if(exists && (!S_ISREG(old.st_mode) || access(target->c_str(), W_OK) != 0 || !(old.st_mode & S_IWUSR)))
		return false;
	String temp;
	int fd = MakeTemporary(*target, exists ? 0600 : 0666, temp);
	if(fd < 0)
		return exists && WriteInPlace(*target, data);
	if(exists && !KeepOwnerAndMode(fd, old)) {
		close(fd);
		unlink(temp.c_str());
		return WriteInPlace(*target, data);
	}
	bool ok = WriteAll(fd, data) && fsync(fd) == 0;
	ok = close(fd) == 0 && ok;
	if(ok && rename(temp.c_str(), target->c_str()) == 0) {
		SyncFolder(*target);
		return true;
	}
	unlink(temp.c_str());
	return false;
}

} // namespace Upp
