#include "Stream.h"

#include "SaveFile.h"
#include "Util.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Upp {

namespace {

// Raised while loading when the data do not have the expected form; caught by Load below.
struct LoadingError {};

} // namespace

void Stream::LoadError() { throw LoadingError(); }

void Stream::GetAll(void* data, int count)
{
	if(GetBytes(data, count) != count)
		LoadError();
}

void Stream::Put32le(dword x)
{
	byte b[4] = { byte(x), byte(x >> 8), byte(x >> 16), byte(x >> 24) };
	Put(b, 4);
}

dword Stream::Get32le()
{
	byte b[4];
	GetAll(b, 4);
	return b[0] | (dword(b[1]) << 8) | (dword(b[2]) << 16) | (dword(b[3]) << 24);
}

void Stream::SerializeRaw(byte* data, int count)
{
	if(loading)
		GetAll(data, count);
	else
		Put(data, count);
}

Stream& Stream::operator%(byte& x)
{
	SerializeRaw(&x, 1);
	return *this;
}

Stream& Stream::operator%(int16& x)
{
	byte b[2] = { byte(x), byte(uint16_t(x) >> 8) };
	SerializeRaw(b, 2);
	x = int16(b[0] | (b[1] << 8));
	return *this;
}

Stream& Stream::operator%(int& x)
{
	if(loading)
		x = (int)Get32le();
	else
		Put32le((dword)x);
	return *this;
}

Stream& Stream::operator%(String& s)
{
	int len = (int)s.size();
	*this / len;
	if(loading) {
		if(len < 0)
			LoadError();
		String t;
		// Read in slices so that a damaged length cannot ask for gigabytes up front.
		while((int)t.size() < len) {
			char buf[4096];
			int n = std::min<int>(sizeof buf, len - (int)t.size());
			GetAll(buf, n);
			t.append(buf, n);
		}
		s = t;
	}
	else
		Put(s.data(), (int)s.size());
	return *this;
}

Stream& Stream::operator/(int& x)
{
	if(loading) {
		byte b;
		GetAll(&b, 1);
		x = b == 0xFF ? (int)(Get32le() - 1) : (int)b - 1;
	}
	else {
		dword n = dword(x) + 1;
		if(n <= 254) {
			byte b = (byte)n;
			Put(&b, 1);
		}
		else {
			byte b = 0xFF;
			Put(&b, 1);
			Put32le(n);
		}
	}
	return *this;
}

void StringStream::PutBytes(const void* p, int count)
{
	data.append((const char*)p, count);
	pos = data.size();
}

int StringStream::GetBytes(void* p, int count)
{
	size_t n = std::min<size_t>(count, data.size() - pos);
	memcpy(p, data.data() + pos, n);
	pos += n;
	return (int)n;
}

namespace {

// Loads from an open regular file, reading no more than the caller asks for and never past
// a limit, so a frame followed by gigabytes costs what the frame costs.
class FileLoadStream : public Stream {
	int fd;
	int64 pos = 0;
	int64 limit;

protected:
	void PutBytes(const void*, int) override {} // it only loads
	int GetBytes(void* data, int count) override
	{
		int64 want = std::min<int64>(count, limit - pos);
		int64 got = 0;
		while(got < want) {
			ssize_t n = read(fd, (char*)data + got, want - got);
			if(n < 0 && errno == EINTR)
				continue;
			if(n <= 0)
				break;
			got += n;
		}
		pos += got;
		return (int)got;
	}

public:
	FileLoadStream(int fd, int64 limit) : fd(fd), limit(limit) { loading = true; }
	int64 GetPos() const override { return pos; }
};

struct FileDescriptor {
	int fd;
	explicit FileDescriptor(int fd) : fd(fd) {}
	~FileDescriptor()
	{
		if(fd >= 0)
			close(fd);
	}
};

// The settings this layer stores are a few bytes; a megabyte leaves any real frame room.
const int64 MAX_FRAME_FILE = 1 << 20;

} // namespace

// The frame's four-byte marks: "data", and "end" with its terminating zero.
static void Mark(Stream& s, const char* mark)
{
	for(int i = 0; i < 4; i++) {
		byte b = (byte)mark[i];
		s % b;
		if(b != (byte)mark[i])
			throw LoadingError();
	}
}

String StoreToString(const Event<Stream&>& serialize, int version)
{
	StringStream s;
	Mark(s, "data");
	if(version != INT_NULL)
		s / version;
	serialize(s);
	Mark(s, "end");
	int len = (int)s.GetPos();
	s % len;
	return s.GetResult();
}

static void LoadFrame(const Event<Stream&>& serialize, Stream& s, int version)
{
	Mark(s, "data");
	if(version != INT_NULL) {
		int v = 0;
		s / v;
		if(v > version)
			throw LoadingError();
	}
	serialize(s);
	Mark(s, "end");
	int64 framelen = s.GetPos();
	int len = 0;
	s % len;
	if((dword)len != framelen)
		throw LoadingError();
}

static bool Load(const Event<Stream&>& serialize, Stream& in, int version)
{
	StringStream backup;
	serialize(backup);
	try {
		LoadFrame(serialize, in, version);
		return true;
	}
	catch(const LoadingError&) {
		StringStream restore(backup.GetResult());
		serialize(restore);
		return false;
	}
}

bool LoadFromString(const Event<Stream&>& serialize, const String& data, int version)
{
	StringStream in(data);
	return Load(serialize, in, version);
}

bool StoreToFile(const Event<Stream&>& serialize, const char* file, int version)
{
	String path = file ? String(file) : ConfigFile();
	return SaveFile(path.c_str(), StoreToString(serialize, version));
}

bool LoadFromFile(const Event<Stream&>& serialize, const char* file, int version)
{
	String path = file ? String(file) : ConfigFile();
	// Non-blocking, so that opening a pipe never waits for a writer.
	FileDescriptor f(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
	if(f.fd < 0)
		return false;
	struct stat st;
	if(fstat(f.fd, &st) != 0 || !S_ISREG(st.st_mode))
		return false;
	FileLoadStream in(f.fd, MAX_FRAME_FILE);
	return Load(serialize, in, version);
}

} // namespace Upp
