#ifndef UPP_CORE_GTYPES_H
#define UPP_CORE_GTYPES_H

namespace Upp {

struct Size {
	int cx = 0, cy = 0;
	Size() = default;
	Size(int cx, int cy) : cx(cx), cy(cy) {}
	bool operator==(const Size& b) const { return cx == b.cx && cy == b.cy; }
};

struct Point {
	int x = 0, y = 0;
	Point() = default;
	Point(int x, int y) : x(x), y(y) {}
	bool operator==(const Point& b) const { return x == b.x && y == b.y; }
};

struct Rect {
	int left = 0, top = 0, right = 0, bottom = 0;
	Rect() = default;
	Rect(int l, int t, int r, int b) : left(l), top(t), right(r), bottom(b) {}
	Rect(Size sz) : right(sz.cx), bottom(sz.cy) {}
	int Width() const { return right - left; }
	int Height() const { return bottom - top; }
	Size GetSize() const { return Size(Width(), Height()); }
	bool operator==(const Rect& b) const
	{
		return left == b.left && top == b.top && right == b.right && bottom == b.bottom;
	}
};

inline Rect RectC(int x, int y, int cx, int cy) { return Rect(x, y, x + cx, y + cy); }

// A rational scale m/d.
struct Zoom {
	int m = 1, d = 1;
	Zoom() = default;
	Zoom(int m, int d) : m(m), d(d) {}
	int operator*(int x) const { return d ? int((long long)x * m / d) : x; }
};

} // namespace Upp

#endif
