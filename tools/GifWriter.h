#pragma once

#include <QByteArray>
#include <QImage>

// Encodes an image as a single-frame GIF89a. Qt reads GIF but cannot write it,
// so the few GIF pictures of the game go through this encoder. Colours are
// reduced to at most 256 by a deterministic median cut; pixels with alpha
// below one half become the transparent colour.
QByteArray encodeGif(const QImage& image);

// Writes encodeGif(image) to fileName; returns false if the file cannot be written.
bool saveGif(const QImage& image, const QString& fileName);
