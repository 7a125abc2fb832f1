#ifndef UPP_CTRLCORE_IMAGEQT_H
#define UPP_CTRLCORE_IMAGEQT_H

#include <Core/Core.h>

#include <QImage>

namespace Upp {

// Both keep the pixels premultiplied; an empty Image and a null QImage correspond.
QImage ToQImage(const Image& img);
Image FromQImage(const QImage& img);

} // namespace Upp

#endif
