#pragma once

#include <QByteArray>
#include <QRegion>
#include <QSize>

class QPainter;

namespace platform {

// Draws the JPEG picture `jpeg` stretched over `deviceSize` pixels of the
// painter's device, as QPainter::drawPixmap draws a picture stretched without
// smoothing (the same source pixel lands on each pixel), but only within
// `region` (in the painter's own coordinates; the painter's device has
// `density` pixels to each of them). Only the rows the region needs are
// decoded, a few at a time, and those above them skipped over: no more than a
// band of the picture is ever held decoded. False, with nothing drawn, where
// the data is not a JPEG picture decoded in one pass (a progressive one) or
// cannot be read.
bool drawJpegRows(QPainter& painter, const QByteArray& jpeg, QSize deviceSize, int density,
                  const QRegion& region);

} // namespace platform
