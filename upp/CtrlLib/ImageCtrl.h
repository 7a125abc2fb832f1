#ifndef UPP_CTRLLIB_IMAGECTRL_H
#define UPP_CTRLLIB_IMAGECTRL_H

#include <CtrlCore/CtrlCore.h>

class QLabel;

namespace Upp {

// Shows an Image at its own size, centred in the control; it never scales the picture and
// takes no input.
class ImageCtrl : public Ctrl {
	QLabel* label;
	Image img;

public:
	ImageCtrl();
	ImageCtrl& SetImage(const Image& m);
	Image GetImage() const { return img; }
};

} // namespace Upp

#endif
