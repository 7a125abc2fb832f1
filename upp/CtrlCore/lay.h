// Turns a layout file into layout classes and their InitLayout routines. Define LAYOUTFILE
// as the file to include, then include this header.
//
// Each LAYOUT(name, cx, cy) gives an empty marker class name__layid, which picks the
// routine, and a class template Withname<Base> holding one member per ITEM in item order.
// InitLayout names the parent after the layout, then for every item runs its settings and
// placements in the written order, names it and adds it to the parent.

#define LAYOUT(nm, x, y)                                                                                               \
	struct nm##__layid {};                                                                                             \
	template <class T> struct With##nm : public T, public nm##__layid {                                                \
		static Upp::Size GetLayoutSize() { return Upp::Size(x, y); }
#define ITEM(cls, id, param) cls id;
#define END_LAYOUT                                                                                                     \
	}                                                                                                                  \
	;

#include LAYOUTFILE

#undef LAYOUT
#undef ITEM
#undef END_LAYOUT

#define LAYOUT(nm, x, y)                                                                                               \
	template <class L> inline void InitLayout(Upp::Ctrl& parent, L& layout, nm##__layid&)                              \
	{                                                                                                                  \
		(void)layout;                                                                                                  \
		parent.LayoutId(#nm);
#define ITEM(cls, id, param)                                                                                           \
	layout.id.param;                                                                                                   \
	layout.id.LayoutId(#id);                                                                                           \
	parent.Add(layout.id);
#define END_LAYOUT }

#include LAYOUTFILE

#undef LAYOUT
#undef ITEM
#undef END_LAYOUT
#undef LAYOUTFILE
