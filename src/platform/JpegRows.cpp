#include "platform/JpegRows.h"

#include <QImage>
#include <QPainter>
#include <QRegion>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <utility>
#include <vector>

#include <jpeglib.h>

namespace platform {

namespace {

// The decoder with an error handler that returns to the step that failed
// (libjpeg's own ends the program).
struct Decoder {
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    std::jmp_buf failed{};
    bool created = false;

    ~Decoder() {
        if (created)
            jpeg_destroy_decompress(&info);
    }
};

void onError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<Decoder*>(info->client_data)->failed, 1);
}
void onMessage(j_common_ptr, int) {}
void onOutput(j_common_ptr) {}

// Each step sets its own return point, with nothing to destroy between it and
// the library's calls.
bool start(Decoder& d, const QByteArray& jpeg) {
    d.info.err = jpeg_std_error(&d.errors);
    d.errors.error_exit = onError;
    d.errors.emit_message = onMessage;
    d.errors.output_message = onOutput;
    d.info.client_data = &d;
    if (setjmp(d.failed))
        return false;
    jpeg_create_decompress(&d.info);
    d.created = true;
    jpeg_mem_src(&d.info, reinterpret_cast<const unsigned char*>(jpeg.constData()),
                 static_cast<unsigned long>(jpeg.size()));
    if (jpeg_read_header(&d.info, TRUE) != JPEG_HEADER_OK)
        return false;
    // Red, green, blue: QImage's three-byte pixels in memory.
    d.info.out_color_space = JCS_RGB;
    return jpeg_start_decompress(&d.info) == TRUE && d.info.output_components == 3;
}

// Reads the next row into `pixels`.
bool readRow(Decoder& d, unsigned char* pixels) {
    if (setjmp(d.failed))
        return false;
    JSAMPROW rows[1] = {pixels};
    return jpeg_read_scanlines(&d.info, rows, 1) == 1;
}

// Which of `source` pixels lands on each of `target` pixels when QPainter
// stretches a picture without smoothing over a rectangle: a step of
// 65536 / scale, the first sample just short of half a step in.
std::vector<int> nearest(int source, int target) {
    std::vector<int> map(size_t(std::max(target, 0)));
    const int step = int(65536.0 / (double(target) / source));
    qint64 at = (step + 1) / 2 - 1;
    for (int i = 0; i < target; ++i, at += step)
        map[size_t(i)] = std::min(int(at >> 16), source - 1);
    return map;
}

// Rows converted and drawn together.
constexpr int BandRows = 16;

} // namespace

QImage decodeJpegRgb888(const QByteArray& jpeg) {
    if (jpeg.size() < 4 || uchar(jpeg[0]) != 0xFF || uchar(jpeg[1]) != 0xD8)
        return {};
    Decoder d;
    if (!start(d, jpeg))
        return {};
    QImage image(int(d.info.output_width), int(d.info.output_height), QImage::Format_RGB888);
    if (image.isNull())
        return {};
    for (int y = 0; y < image.height(); ++y)
        if (!readRow(d, image.scanLine(y)))
            return {};
    return image;
}

void drawStretched(QPainter& painter, const QImage& picture, QSize deviceSize, int density,
                   const QRegion& region) {
    if (picture.isNull() || deviceSize.isEmpty() || density < 1)
        return;
    QRegion device;
    for (const QRect& r : region)
        device += QRect(r.topLeft() * density, r.size() * density);
    device &= QRect(QPoint(), deviceSize);
    if (device.isEmpty())
        return;
    // The device rows the region covers, top to bottom.
    std::vector<std::pair<int, int>> spans;
    for (const QRect& r : device) {
        if (!spans.empty() && r.top() <= spans.back().second + 1)
            spans.back().second = std::max(spans.back().second, r.bottom());
        else
            spans.emplace_back(r.top(), r.bottom());
    }
    const QRect bounds = device.boundingRect();
    const std::vector<int> columns = nearest(picture.width(), deviceSize.width());
    const std::vector<int> rows = nearest(picture.height(), deviceSize.height());
    QImage band(bounds.width(), BandRows, QImage::Format_RGB32);
    band.setDevicePixelRatio(density);
    for (const auto& [first, last] : spans) {
        for (int top = first; top <= last; top += BandRows) {
            const int count = std::min(BandRows, last - top + 1);
            for (int i = 0; i < count; ++i) {
                const uchar* in = picture.constScanLine(rows[size_t(top + i)]);
                auto* out = reinterpret_cast<QRgb*>(band.scanLine(i));
                for (int x = bounds.left(); x <= bounds.right(); ++x) {
                    const uchar* p = in + 3 * columns[size_t(x)];
                    *out++ = qRgb(p[0], p[1], p[2]);
                }
            }
            painter.drawImage(QPointF(qreal(bounds.left()) / density, qreal(top) / density), band,
                              QRectF(0, 0, bounds.width(), count));
        }
    }
}

} // namespace platform
