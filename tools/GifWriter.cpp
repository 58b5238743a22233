#include "GifWriter.h"

#include <QFile>

#include <gif_lib.h>

#include <map>
#include <memory>
#include <vector>

namespace {

struct Palette {
    std::vector<GifColorType> colours;
    std::vector<GifPixelType> indices; // one per opaque pixel, in scan order
};

GifColorType colourOf(QRgb rgb) {
    return GifColorType{GifByteType(qRed(rgb)), GifByteType(qGreen(rgb)), GifByteType(qBlue(rgb))};
}

// The opaque pixels' colours: exact when they fit, otherwise reduced by
// giflib's median cut, which depends on nothing but the pixels.
Palette reduce(const std::vector<QRgb>& opaque, int maxColours) {
    Palette p;
    std::map<QRgb, GifPixelType> exact;
    for (QRgb rgb : opaque) {
        if (exact.size() > size_t(maxColours))
            break;
        exact.emplace(rgb & 0xffffff, 0);
    }
    if (exact.size() <= size_t(maxColours)) {
        for (auto& [rgb, index] : exact) {
            index = GifPixelType(p.colours.size());
            p.colours.push_back(colourOf(rgb));
        }
        for (QRgb rgb : opaque)
            p.indices.push_back(exact.at(rgb & 0xffffff));
        return p;
    }
    const unsigned n = unsigned(opaque.size());
    std::vector<GifByteType> r(n), g(n), b(n);
    for (unsigned i = 0; i < n; ++i) {
        r[i] = GifByteType(qRed(opaque[i]));
        g[i] = GifByteType(qGreen(opaque[i]));
        b[i] = GifByteType(qBlue(opaque[i]));
    }
    int size = maxColours;
    std::vector<GifColorType> reduced(static_cast<size_t>(maxColours));
    p.indices.resize(n);
    if (GifQuantizeBuffer(n, 1, &size, r.data(), g.data(), b.data(), p.indices.data(),
                          reduced.data()) != GIF_OK)
        return {};
    reduced.resize(size_t(size));
    p.colours = std::move(reduced);
    return p;
}

int appendTo(GifFileType* gif, const GifByteType* data, int length) {
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
    return length;
}

} // namespace

QByteArray encodeGif(const QImage& source) {
    const QImage img = source.convertToFormat(QImage::Format_ARGB32);
    const int w = img.width();
    const int h = img.height();

    std::vector<QRgb> opaque;
    bool transparent = false;
    for (int y = 0; y < h; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            if (qAlpha(line[x]) < 128)
                transparent = true;
            else
                opaque.push_back(line[x]);
        }
    }
    Palette palette = reduce(opaque, transparent ? 255 : 256);
    if (palette.colours.empty())
        palette.colours.push_back(GifColorType{0, 0, 0});
    const int transparentIndex = transparent ? int(palette.colours.size()) : -1;
    const int used = int(palette.colours.size()) + (transparent ? 1 : 0);
    const int tableSize = 1 << GifBitSize(used);
    std::vector<GifColorType> table(size_t(tableSize), GifColorType{0, 0, 0});
    std::copy(palette.colours.begin(), palette.colours.end(), table.begin());

    QByteArray bytes;
    int error = 0;
    GifFileType* gif = EGifOpen(&bytes, appendTo, &error);
    if (!gif)
        return {};
    std::unique_ptr<ColorMapObject, void (*)(ColorMapObject*)> map(
        GifMakeMapObject(tableSize, table.data()), GifFreeMapObject);
    EGifSetGifVersion(gif, true);
    bool ok = map && EGifPutScreenDesc(gif, w, h, 8, transparent ? transparentIndex : 0,
                                       map.get()) == GIF_OK;
    if (ok && transparent) {
        GraphicsControlBlock gcb{};
        gcb.DisposalMode = DISPOSAL_UNSPECIFIED;
        gcb.DelayTime = 0;
        gcb.TransparentColor = transparentIndex;
        GifByteType extension[4];
        EGifGCBToExtension(&gcb, extension);
        ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, sizeof extension, extension) == GIF_OK;
    }
    ok = ok && EGifPutImageDesc(gif, 0, 0, w, h, false, nullptr) == GIF_OK;
    std::vector<GifPixelType> row(size_t(qMax(w, 1)));
    size_t next = 0;
    for (int y = 0; ok && y < h; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < w; ++x)
            row[size_t(x)] =
                qAlpha(line[x]) < 128 ? GifPixelType(transparentIndex) : palette.indices[next++];
        ok = EGifPutLine(gif, row.data(), w) == GIF_OK;
    }
    if (EGifCloseFile(gif, &error) != GIF_OK)
        ok = false;
    return ok ? bytes : QByteArray();
}

bool saveGif(const QImage& image, const QString& fileName) {
    const QByteArray data = encodeGif(image);
    if (data.isEmpty())
        return false;
    QFile f(fileName);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return f.write(data) == data.size();
}
