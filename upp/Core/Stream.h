#ifndef UPP_CORE_STREAM_H
#define UPP_CORE_STREAM_H

#include "Callback.h"
#include "Defs.h"

namespace Upp {

class Value;

// A byte stream that either stores or loads; the same Serialize code serves both. Data that
// do not have the expected form stop a load with an error that only LoadFromString and
// LoadFromFile see: to everyone else a load either succeeds whole or reports false.
class Stream {
protected:
	bool loading = false;

	virtual void PutBytes(const void* data, int count) = 0;
	virtual int GetBytes(void* data, int count) = 0; // returns the number of bytes read

public:
	virtual ~Stream() = default;

	bool IsLoading() const { return loading; }
	bool IsStoring() const { return !loading; }
	virtual int64 GetPos() const = 0; // bytes stored or loaded so far

	Stream& operator%(byte& x);
	Stream& operator%(int16& x);
	Stream& operator%(int& x);
	Stream& operator%(String& s);

	// The packed integer: n + 1 in one byte when it fits below 255, else 0xFF and 32 bits.
	Stream& operator/(int& x);

private:
	// A value's stored form belongs to the stream's format; its reader refuses unknown types.
	friend class Value;

	[[noreturn]] void LoadError();
	void Put(const void* data, int count) { PutBytes(data, count); }
	void GetAll(void* data, int count); // exactly count bytes, or the load fails
	void Put32le(dword x);
	dword Get32le();
	void SerializeRaw(byte* data, int count);
};

// A stream over a memory buffer: stores into it, or loads from text given to it.
class StringStream : public Stream {
	String data;
	size_t pos = 0;

protected:
	void PutBytes(const void* p, int count) override;
	int GetBytes(void* p, int count) override;

public:
	StringStream() = default; // storing
	explicit StringStream(const String& s) : data(s) { loading = true; }
	String GetResult() const { return data; }
	int64 GetPos() const override { return (int64)pos; }
};

template <class T> Event<Stream&> SerializeTFn(T& x)
{
	return Event<Stream&>([&x](Stream& s) { x.Serialize(s); });
}

// The settings frame: "data", the payload written by serialize, "end\0" and the frame's
// length as 32 bits. A version that is not Null is written packed after "data". Loading a
// damaged frame gives the state from before the call back to serialize and returns false.
// LoadFromFile reads a regular file only, and only as far as the frame goes; anything else
// (a device, a pipe, a frame larger than a megabyte) counts as damaged. StoreToFile replaces
// the file atomically where it can, writes it in place where its folder takes no new file, and
// keeps its mode, owner and group where it may (SaveFile.h says when it writes nothing).
String StoreToString(const Event<Stream&>& serialize, int version = INT_NULL);
bool LoadFromString(const Event<Stream&>& serialize, const String& data, int version = INT_NULL);

bool StoreToFile(const Event<Stream&>& serialize, const char* file = nullptr, int version = INT_NULL);
bool LoadFromFile(const Event<Stream&>& serialize, const char* file = nullptr, int version = INT_NULL);

template <class T>
requires(!std::is_convertible_v<T&, const Event<Stream&>&>) bool StoreToFile(T& x, const char* file = nullptr,
																			 int version = INT_NULL)
{
	return StoreToFile(SerializeTFn(x), file, version);
}
template <class T>
requires(!std::is_convertible_v<T&, const Event<Stream&>&>) bool LoadFromFile(T& x, const char* file = nullptr,
																			  int version = INT_NULL)
{
	return LoadFromFile(SerializeTFn(x), file, version);
}

} // namespace Upp

#endif
