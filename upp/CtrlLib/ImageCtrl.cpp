#include "ImageCtrl.h"

#include <CtrlCore/ImageQt.h>

#include <QLabel>

namespace Upp {

ImageCtrl::ImageCtrl() : Ctrl(new QLabel)
{
	label = static_cast<QLabel*>(widget);
	label->setAlignment(Qt::AlignCenter);
}

ImageCtrl& ImageCtrl::SetImage(const Image& m)
{
	img = m;
	label->setPixmap(m.IsEmpty() ? QPixmap() : QPixmap::fromImage(ToQImage(m)));
	return *this;
}

} // namespace Upp
