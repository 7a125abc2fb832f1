#include "Stream.h"

#include "Util.h"
#include "Value.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstring>

namespace Upp {

void Stream::LoadError()
{
	error = true;
	throw LoadingError();
}

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
		Put(s);
	return *this;
}

Stream& Stream::operator%(Value& v)
{
	v.Serialize(*this);
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

void StringStream::Open(const String& s)
{
	data = s;
	pos = 0;
	loading = true;
	error = false;
}

void StringStream::Create()
{
	data.clear();
	pos = 0;
	loading = false;
	error = false;
}

String LoadFile(const char* path, bool* ok)
{
	QFile f(QString::fromUtf8(path));
	bool opened = f.open(QIODevice::ReadOnly);
	if(ok)
		*ok = opened;
	if(!opened)
		return String();
	QByteArray b = f.readAll();
	return String(b.constData(), b.size());
}

// Writes the whole content to a temporary file beside the target and renames it over the
// target, so a crash or kill never leaves a torn file. A target that exists but may not be
// written, or is marked read-only (even for a user who could override that), is left alone,
// as a plain overwrite would have been refused.
bool SaveFileAtomic(const char* path, const String& data)
{
	QString name = QString::fromUtf8(path);
	QFileInfo info(name);
	if(info.exists() && (!info.isFile() || !info.isWritable() || !(info.permissions() & QFile::WriteOwner)))
		return false;
	QSaveFile f(name);
	if(!f.open(QIODevice::WriteOnly))
		return false;
	if(f.write(data.data(), (qint64)data.size()) != (qint64)data.size()) {
		f.cancelWriting();
		return false;
	}
	return f.commit();
}

String StoreToString(const Event<Stream&>& serialize, int version)
{
	StringStream s;
	s.Put("data");
	if(version != INT_NULL)
		s / version;
	serialize(s);
	s.Put("end", 4); // with its terminating zero
	dword len = (dword)s.GetResult().size();
	s.Put32le(len);
	return s.GetResult();
}

static void LoadFrame(const Event<Stream&>& serialize, const String& data, int version)
{
	StringStream s(data);
	char mark[4];
	s.GetAll(mark, 4);
	if(memcmp(mark, "data", 4) != 0)
		s.LoadError();
	if(version != INT_NULL) {
		int v = 0;
		s / v;
		if(v > version)
			s.LoadError();
	}
	serialize(s);
	s.GetAll(mark, 4);
	if(memcmp(mark, "end", 4) != 0)
		s.LoadError();
	size_t framelen = s.GetPos();
	if(s.Get32le() != framelen)
		s.LoadError();
}

bool LoadFromString(const Event<Stream&>& serialize, const String& data, int version)
{
	StringStream backup;
	serialize(backup);
	try {
		LoadFrame(serialize, data, version);
		return true;
	}
	catch(const LoadingError&) {
		StringStream restore(backup.GetResult());
		serialize(restore);
		return false;
	}
}

bool StoreToFile(const Event<Stream&>& serialize, const char* file, int version)
{
	String path = file ? String(file) : ConfigFile();
	return SaveFileAtomic(path.c_str(), StoreToString(serialize, version));
}

bool LoadFromFile(const Event<Stream&>& serialize, const char* file, int version)
{
	String path = file ? String(file) : ConfigFile();
	bool ok;
	String data = LoadFile(path.c_str(), &ok);
	if(!ok)
		return false;
	return LoadFromString(serialize, data, version);
}

} // namespace Upp
