#ifndef UPP_CTRLCORE_IMAGEQT_H
#define UPP_CTRLCORE_IMAGEQT_H

#include <Core/Core.h>

#include <QImage>

namespace Upp {

// The pixels stay premultiplied; an empty Image gives a null QImage.
QImage ToQImage(const Image& img);

} // namespace Upp

#endif
