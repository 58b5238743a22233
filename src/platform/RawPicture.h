#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QIcon>
#include <QImage>
#include <QString>

namespace platform {

// A picture kept as its plain 32-bit pixels behind a short header (a mark, the
// width and the height), in the byte order of the machine that builds the
// program, which is the one it runs on. Reading it needs no image reader: the
// window icon is made from it without loading the PNG reader and its
// compression library, nor the readers Qt would try on the file's contents.
// Written at build time from the icon's PNG file, which stays its one source.

// The pixels of `image`, converted to non-premultiplied ARGB, with the header.
QByteArray encodeRawPicture(const QImage& image);

// The picture in `data`, as non-premultiplied ARGB that shares `data`'s
// memory (which must outlive it); a null image where `data` is not a whole
// raw picture.
QImage decodeRawPicture(QByteArrayView data);

// The icon held in the uncompressed resource `resource` (":/embedded/icon.argb"),
// made as QIcon makes one of a picture file: the design-size picture and, when
// a screen has more than one device pixel a point, its "@2x" variant beside it.
// A null icon (and a warning) where the resource is missing or damaged.
QIcon rawPictureIcon(const QString& resource);

} // namespace platform
