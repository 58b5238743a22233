#include "platform/JpegRows.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <vector>

#include <jpeglib.h>

namespace platform {

namespace {

// Rows decoded and drawn together.
constexpr int BandRows = 16;

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
    if (jpeg_read_header(&d.info, TRUE) != JPEG_HEADER_OK || d.info.progressive_mode)
        return false;
    // Blue, green, red, opaque alpha: QImage's 32-bit pixels in memory.
    d.info.out_color_space = JCS_EXT_BGRA;
    return jpeg_start_decompress(&d.info) == TRUE;
}

// Skips to row `row` and reads it into `pixels`.
bool readRow(Decoder& d, int row, unsigned char* pixels) {
    if (setjmp(d.failed))
        return false;
    const auto skip = JDIMENSION(row) - d.info.output_scanline;
    if (skip > 0 && jpeg_skip_scanlines(&d.info, skip) != skip)
        return false;
    JSAMPROW rows[1] = {pixels};
    return jpeg_read_scanlines(&d.info, rows, 1) == 1;
}

// Which of `source` pixels lands on each of `target` pixels when QPainter
// stretches a picture without smoothing over a rectangle: a step of
// 65536 / scale, the first sample just short of half a step in.
std::vector<int> nearest(int source, int target) {
    std::vector<int> map(target);
    const int step = int(65536.0 / (double(target) / source));
    qint64 at = (step + 1) / 2 - 1;
    for (int i = 0; i < target; ++i, at += step)
        map[i] = std::min(int(at >> 16), source - 1);
    return map;
}

} // namespace

bool drawJpegRows(QPainter& painter, const QByteArray& jpeg, QSize deviceSize, int density,
                  const QRegion& region) {
    if (jpeg.size() < 4 || uchar(jpeg[0]) != 0xFF || uchar(jpeg[1]) != 0xD8 || density < 1)
        return false;
    Decoder d;
    if (!start(d, jpeg))
        return false;
    const int sourceWidth = int(d.info.output_width);
    const int sourceHeight = int(d.info.output_height);
    if (sourceWidth <= 0 || sourceHeight <= 0 || deviceSize.isEmpty())
        return false;

    // The device rows the region covers, top to bottom.
    QRegion device;
    for (const QRect& r : region)
        device += QRect(r.topLeft() * density, r.size() * density);
    device &= QRect(QPoint(), deviceSize);
    std::vector<std::pair<int, int>> spans; // [first, last] rows
    for (const QRect& r : device) {
        if (!spans.empty() && r.top() <= spans.back().second + 1)
            spans.back().second = std::max(spans.back().second, r.bottom());
        else
            spans.emplace_back(r.top(), r.bottom());
    }

    const std::vector<int> columns = nearest(sourceWidth, deviceSize.width());
    const std::vector<int> rows = nearest(sourceHeight, deviceSize.height());
    const bool sameWidth = sourceWidth == deviceSize.width();
    std::vector<unsigned char> sourceRow(size_t(sourceWidth) * 4);
    int decodedRow = -1;
    QImage band(deviceSize.width(), BandRows, QImage::Format_RGB32);
    band.setDevicePixelRatio(density);

    for (const auto& [first, last] : spans) {
        for (int top = first; top <= last; top += BandRows) {
            const int count = std::min(BandRows, last - top + 1);
            for (int i = 0; i < count; ++i) {
                const int row = rows[size_t(top + i)];
                if (row != decodedRow) {
                    if (row < decodedRow || !readRow(d, row, sourceRow.data()))
                        return false;
                    decodedRow = row;
                }
                auto* out = reinterpret_cast<quint32*>(band.scanLine(i));
                const auto* in = reinterpret_cast<const quint32*>(sourceRow.data());
                if (sameWidth)
                    std::memcpy(out, in, sourceRow.size());
                else
                    for (int x = 0; x < deviceSize.width(); ++x)
                        out[x] = in[columns[size_t(x)]];
            }
            painter.drawImage(QPointF(0, qreal(top) / density), band,
                              QRectF(0, 0, deviceSize.width(), count));
        }
    }
    return true;
}

} // namespace platform
