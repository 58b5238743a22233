#pragma once

#include <QByteArray>
#include <QImage>
#include <QRegion>
#include <QSize>

class QPainter;

namespace platform {

// Decodes the JPEG picture `jpeg` row by row straight into three bytes a
// pixel (QImage::Format_RGB888): the same colours as a decoded 32-bit
// picture in three quarters of the memory, and no 32-bit copy of it made on
// the way. A null image where the data is not a JPEG picture or cannot be
// read.
QImage decodeJpegRgb888(const QByteArray& jpeg);

// Draws `picture` (three bytes a pixel) stretched over `deviceSize` pixels of
// the painter's device as QPainter::drawPixmap stretches a picture over a
// rectangle without smoothing (the same source pixel on each pixel), within
// `region` (in the painter's coordinates; its device has `density` pixels to
// each), a band of rows at a time converted to 32 bits.
void drawStretched(QPainter& painter, const QImage& picture, QSize deviceSize, int density,
                   const QRegion& region);

} // namespace platform
