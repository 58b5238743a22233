#pragma once

#include <QByteArray>
#include <QImage>

// Encodes an image as a single-frame GIF89a through giflib. Qt reads GIF but
// cannot write it, so the few GIF pictures of the game go through here.
// Colours are kept exactly when at most 256 (255 with transparency) are used,
// otherwise reduced by giflib's median cut; pixels with alpha below one half
// become the transparent colour. Equal images give equal bytes. Returns an
// empty array if giflib fails.
QByteArray encodeGif(const QImage& image);

// Writes encodeGif(image) to fileName; returns false if the file cannot be written.
bool saveGif(const QImage& image, const QString& fileName);
