#ifndef UPP_CTRLCORE_LAYOUT_H
#define UPP_CTRLCORE_LAYOUT_H

#include "Ctrl.h"

namespace Upp {

// Applies a window's or panel's layout: its items, then its size (zoomed layout size plus
// the frames it has now) as minimum size and as its rectangle from (0, 0).
template <class T> void CtrlLayout(T& ctrl)
{
	InitLayout(ctrl, ctrl, ctrl);
	Size sz = ctrl.AddFrameSize(Ctrl::LayoutZoom(T::GetLayoutSize()));
	ctrl.SetMinSize(sz);
	ctrl.SetRect(Rect(sz));
}

template <class T> void CtrlLayout(T& ctrl, const char* title)
{
	CtrlLayout(ctrl);
	ctrl.Title(title);
}

} // namespace Upp

#endif
