#include "platform/RawPicture.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QResource>

#include <cstring>

namespace platform {

namespace {
// "QRP1" read as a big-endian number; read in the other byte order it does
// not match, so that pixels in the wrong order are never shown.
constexpr quint32 Mark = 0x51525031;
constexpr qsizetype HeaderBytes = 3 * sizeof(quint32);
// Far above any icon; keeps a damaged header from asking for gigabytes.
constexpr quint32 LargestSide = 4096;

quint32 headerWord(QByteArrayView data, int index) {
    quint32 word = 0;
    std::memcpy(&word, data.data() + index * sizeof(quint32), sizeof word);
    return word;
}

// "icon@2x.argb" beside "icon.argb", as Qt names a picture's double-size
// variant (this file is also built into the generator, without the controls).
QString doubleSizeName(const QString& resource) {
    const qsizetype dot = resource.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? resource + QStringLiteral("@2x")
                   : resource.left(dot) + QStringLiteral("@2x") + resource.mid(dot);
}

// One picture of the icon, as QIcon would read it from its file.
bool addRawPicture(QIcon& icon, const QString& resource) {
    const QResource file(resource);
    if (!file.isValid())
        return false;
    const QImage image = decodeRawPicture(file.uncompressedData());
    if (image.isNull()) {
        qWarning("The embedded picture \"%s\" is damaged.", qPrintable(resource));
        return false;
    }
    icon.addPixmap(QPixmap::fromImage(image));
    return true;
}
} // namespace

QByteArray encodeRawPicture(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const quint32 header[] = {Mark, quint32(argb.width()), quint32(argb.height())};
    QByteArray data(reinterpret_cast<const char*>(header), HeaderBytes);
    for (int y = 0; y < argb.height(); ++y)
        data.append(reinterpret_cast<const char*>(argb.constScanLine(y)),
                    qsizetype(argb.width()) * sizeof(quint32));
    return data;
}

QImage decodeRawPicture(QByteArrayView data) {
    if (data.size() < HeaderBytes || headerWord(data, 0) != Mark)
        return {};
    const quint32 width = headerWord(data, 1);
    const quint32 height = headerWord(data, 2);
    if (width == 0 || height == 0 || width > LargestSide || height > LargestSide ||
        data.size() !=
            HeaderBytes + qsizetype(width) * qsizetype(height) * qsizetype(sizeof(quint32)))
        return {};
    // Copied, as a resource's bytes need not lie on a 4-byte boundary; the copy
    // is dropped once it is made a pixmap.
    QImage image(int(width), int(height), QImage::Format_ARGB32);
    const char* pixels = data.data() + HeaderBytes;
    const qsizetype rowBytes = qsizetype(width) * sizeof(quint32);
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(image.scanLine(y), pixels + y * rowBytes, rowBytes);
    return image;
}

QIcon rawPictureIcon(const QString& resource) {
    QIcon icon;
    if (!addRawPicture(icon, resource)) {
        qWarning("The embedded icon \"%s\" is missing or damaged.", qPrintable(resource));
        return {};
    }
    // Where QIcon takes a picture file's "@2x" variant too (and with the same
    // device pixel ratio of 1 on its pixmap), so that the window system is
    // given the same sizes and pixels as from the PNG files.
    if (qGuiApp && qGuiApp->devicePixelRatio() > 1.0 &&
        qEnvironmentVariableIsEmpty("QT_HIGHDPI_DISABLE_2X_IMAGE_LOADING"))
        addRawPicture(icon, doubleSizeName(resource));
    return icon;
}

} // namespace platform
