#include "platform/JpegRows.h"

#include <QImage>
#include <QPainter>
#include <QRegion>

#include <algorithm>
#include <array>
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

// One Huffman table of the picture: decoded nine bits at a time where the
// code is that short, code by code beyond.
struct HuffmanTable {
    bool defined = false;
    std::array<quint8, 17> counts{};
    std::vector<quint8> symbols;
    // Nine bits ahead: the code's length in the high byte, its symbol in the
    // low; zero where the code is longer.
    std::array<quint16, 512> ahead{};
    std::array<qint32, 18> lastCode{};
    std::array<qint32, 17> firstSymbol{};

    bool build() {
        ahead.fill(0);
        int code = 0;
        int k = 0;
        for (int length = 1; length <= 16; ++length) {
            firstSymbol[size_t(length)] = k - code;
            for (int i = 0; i < counts[size_t(length)]; ++i, ++k, ++code) {
                if (k >= int(symbols.size()) || code >= (1 << length))
                    return false;
                if (length <= 9)
                    for (int fill = 0; fill < (1 << (9 - length)); ++fill)
                        ahead[size_t((code << (9 - length)) | fill)] =
                            quint16((length << 8) | symbols[size_t(k)]);
            }
            lastCode[size_t(length)] = counts[size_t(length)] ? code - 1 : -1;
            code <<= 1;
        }
        lastCode[17] = 0x7FFFFFFF;
        defined = true;
        return true;
    }
};

// The entropy-coded bits of a scan, stuffed zero bytes taken out. Past a
// marker it reads zeros, and counts reading into them as a fault.
class BitReader {
  public:
    BitReader(const uchar* at, const uchar* end) : m_at(at), m_end(end) {}

    [[gnu::always_inline]] quint32 peek16() {
        if (m_count < 32)
            fill();
        return quint32(m_bits >> 48);
    }
    [[gnu::always_inline]] bool skip(int count) {
        if (m_count - count < m_padding)
            return false;
        m_bits <<= count;
        m_count -= count;
        return true;
    }
    [[gnu::always_inline]] bool take(int count, quint32& value) {
        if (count == 0) {
            value = 0;
            return true;
        }
        if (m_count < 32)
            fill();
        value = quint32(m_bits >> (64 - count));
        return skip(count);
    }
    // At a restart of the original coding: the rest of the byte is padding,
    // then comes the marker RSTn.
    bool restart(int n) {
        m_bits <<= m_count % 8;
        m_count -= m_count % 8;
        if (m_count != m_padding)
            return false;
        while (m_at < m_end && *m_at == 0xFF)
            ++m_at;
        if (m_at >= m_end || *m_at != 0xD0 + (n & 7))
            return false;
        ++m_at;
        m_bits = 0;
        m_count = 0;
        m_padding = 0;
        m_marker = false;
        return true;
    }

  private:
    void fill() {
        while (m_count <= 56) {
            quint64 byte = 0;
            if (m_marker || m_at >= m_end) {
                m_padding += 8;
            } else if (*m_at != 0xFF) {
                byte = *m_at++;
            } else if (m_at + 1 < m_end && m_at[1] == 0) {
                byte = 0xFF;
                m_at += 2;
            } else {
                m_marker = true;
                m_padding += 8;
            }
            m_bits |= byte << (56 - m_count);
            m_count += 8;
        }
    }

    const uchar* m_at;
    const uchar* m_end;
    quint64 m_bits = 0;
    int m_count = 0;
    int m_padding = 0;
    bool m_marker = false;
};

// Bits written into a scan, 0xFF bytes stuffed, each block ended on a byte
// (padded with ones, as JPEG encoders do).
class BitWriter {
  public:
    // Room for one more unit of blocks: at most ten blocks of 64 codes of at
    // most 27 bits each, every byte possibly stuffed.
    void makeRoom() {
        if (m_bytes.size() - m_size < 8192)
            m_bytes.resize(std::max<size_t>(m_bytes.size() * 2, 16384));
    }
    [[gnu::always_inline]] void put(quint32 value, int count) {
        m_bits = (m_bits << count) | value;
        m_count += count;
        while (m_count >= 8) {
            const auto byte = uchar(m_bits >> (m_count - 8));
            m_bytes[m_size++] = byte;
            if (byte == 0xFF)
                m_bytes[m_size++] = 0;
            m_count -= 8;
        }
    }
    void endBlock() {
        if (m_count > 0)
            put((1u << (8 - m_count)) - 1, 8 - m_count);
    }
    size_t size() const { return m_size; }
    QByteArray bytes() const {
        return QByteArray(reinterpret_cast<const char*>(m_bytes.data()), qsizetype(m_size));
    }

  private:
    std::vector<uchar> m_bytes;
    size_t m_size = 0;
    quint64 m_bits = 0;
    int m_count = 0;
};

// A code longer than nine bits, looked up length by length.
bool readLongSymbol(BitReader& bits, const HuffmanTable& table, quint32 ahead, int& symbol,
                    quint32& code, int& length) {
    for (length = 10; length <= 16; ++length) {
        code = ahead >> (16 - length);
        if (qint32(code) <= table.lastCode[size_t(length)]) {
            const qint32 at = qint32(code) + table.firstSymbol[size_t(length)];
            if (at < 0 || at >= qint32(table.symbols.size()))
                return false;
            symbol = table.symbols[size_t(at)];
            return bits.skip(length);
        }
    }
    return false;
}

// Reads one Huffman-coded symbol; its code and length for writing it again.
[[gnu::always_inline]] inline bool readSymbol(BitReader& bits, const HuffmanTable& table,
                                              int& symbol, quint32& code, int& length) {
    const quint32 ahead = bits.peek16();
    const quint16 hit = table.ahead[ahead >> 7];
    if (!hit)
        return readLongSymbol(bits, table, ahead, symbol, code, length);
    length = hit >> 8;
    symbol = hit & 0xFF;
    code = ahead >> (16 - length);
    return bits.skip(length);
}

// The DC differences are coded again with a table of their twelve sizes in
// four bits each: a block's first difference is now from zero, a size the
// picture's own table may not have.
constexpr int DcSizes = 12;

int sizeOf(int value) {
    int size = 0;
    for (int v = value < 0 ? -value : value; v; v >>= 1)
        ++size;
    return size;
}

quint16 bigEndian(const uchar* at) {
    return quint16((at[0] << 8) | at[1]);
}

void appendBigEndian(QByteArray& out, int value) {
    out.append(char(value >> 8));
    out.append(char(value & 0xFF));
}

void appendMarker(QByteArray& out, int marker, int length) {
    out.append(char(0xFF));
    out.append(char(marker));
    appendBigEndian(out, length);
}

// The part of the device a region of the painter's coordinates covers, at
// `density` device pixels to each, within the device's own size.
QRegion deviceRegion(const QRegion& region, QSize deviceSize, int density) {
    QRegion device;
    for (const QRect& r : region)
        device += QRect(r.topLeft() * density, r.size() * density);
    return device & QRect(QPoint(), deviceSize);
}

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
    const QRegion device = deviceRegion(region, deviceSize, density);
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

JpegBlocks JpegBlocks::recode(const QByteArray& jpeg) {
    const auto* at = reinterpret_cast<const uchar*>(jpeg.constData());
    const uchar* const end = at + jpeg.size();
    if (jpeg.size() < 4 || at[0] != 0xFF || at[1] != 0xD8)
        return {};
    at += 2;
    struct Component {
        int id = 0;
        int h = 1;
        int v = 1;
        int quantTable = 0;
    };
    struct ScanComponent {
        int frameIndex = 0;
        int dc = 0;
        int ac = 0;
    };
    std::vector<Component> components;
    std::vector<ScanComponent> scan;
    std::array<HuffmanTable, 4> dc;
    std::array<HuffmanTable, 4> ac;
    int restartInterval = 0;
    JpegBlocks blocks;
    // The tables and the colour space markers, kept as they are.
    QByteArray kept;
    for (;;) {
        if (at >= end || *at != 0xFF)
            return {};
        while (at < end && *at == 0xFF)
            ++at;
        if (at >= end)
            return {};
        const int marker = *at++;
        if (marker == 0xD8 || marker == 0xD9 || (marker >= 0xD0 && marker <= 0xD7) ||
            marker == 0x01)
            return {};
        if (end - at < 2)
            return {};
        const int length = bigEndian(at);
        if (length < 2 || end - at < length)
            return {};
        const uchar* segment = at + 2;
        const int size = length - 2;
        const uchar* next = at + length;
        if (marker == 0xC0) {
            if (size < 6 || segment[0] != 8 || !components.empty())
                return {};
            blocks.m_height = bigEndian(segment + 1);
            blocks.m_width = bigEndian(segment + 3);
            const int count = segment[5];
            if (count != 3 || size < 6 + 3 * count || blocks.m_width == 0 || blocks.m_height == 0)
                return {};
            for (int i = 0; i < count; ++i) {
                const uchar* c = segment + 6 + 3 * i;
                const Component component{
                    .id = c[0], .h = c[1] >> 4, .v = c[1] & 15, .quantTable = c[2]};
                if (component.h < 1 || component.h > 4 || component.v < 1 || component.v > 4)
                    return {};
                components.push_back(component);
            }
        } else if (marker == 0xC4) {
            for (const uchar* p = segment; p < next;) {
                if (next - p < 17)
                    return {};
                const int tableClass = p[0] >> 4;
                const int id = p[0] & 15;
                if (tableClass > 1 || id > 3)
                    return {};
                HuffmanTable& table = tableClass ? ac[size_t(id)] : dc[size_t(id)];
                table = HuffmanTable{};
                int total = 0;
                for (int l = 1; l <= 16; ++l) {
                    table.counts[size_t(l)] = p[l];
                    total += p[l];
                }
                if (total > 256 || next - p < 17 + total)
                    return {};
                table.symbols.assign(p + 17, p + 17 + total);
                if (!table.build())
                    return {};
                p += 17 + total;
            }
        } else if (marker == 0xDB || marker == 0xE0 || marker == 0xEE) {
            kept.append(char(0xFF));
            kept.append(char(marker));
            kept.append(reinterpret_cast<const char*>(at), length);
        } else if (marker == 0xDD) {
            if (size < 2)
                return {};
            restartInterval = bigEndian(segment);
        } else if (marker == 0xDA) {
            if (components.empty() || size < 1 || segment[0] != int(components.size()) ||
                size < 4 + 2 * segment[0])
                return {};
            for (int i = 0; i < segment[0]; ++i) {
                const uchar* c = segment + 1 + 2 * i;
                const auto found =
                    std::find_if(components.begin(), components.end(),
                                 [&](const Component& component) { return component.id == c[0]; });
                const ScanComponent s{.frameIndex = int(found - components.begin()),
                                      .dc = c[1] >> 4,
                                      .ac = c[1] & 15};
                if (found == components.end() || s.dc > 3 || s.ac > 3 ||
                    !dc[size_t(s.dc)].defined || !ac[size_t(s.ac)].defined)
                    return {};
                scan.push_back(s);
            }
            // All 64 coefficients in one pass at full precision: a baseline scan.
            const uchar* range = segment + 1 + 2 * segment[0];
            if (range[0] != 0 || range[1] != 63 || range[2] != 0)
                return {};
            at = next;
            break;
        } else if (marker >= 0xC1 && marker <= 0xCF) {
            // Other frames (progressive, arithmetic, lossless) are not coded again.
            return {};
        }
        at = next;
    }

    int maxH = 1;
    int maxV = 1;
    int blocksPerUnit = 0;
    for (const Component& c : components) {
        maxH = std::max(maxH, c.h);
        maxV = std::max(maxV, c.v);
        blocksPerUnit += c.h * c.v;
    }
    if (blocksPerUnit > 10)
        return {};
    blocks.m_blockWidth = 8 * maxH;
    blocks.m_blockHeight = 8 * maxV;
    blocks.m_columns = (blocks.m_width + blocks.m_blockWidth - 1) / blocks.m_blockWidth;
    blocks.m_rows = (blocks.m_height + blocks.m_blockHeight - 1) / blocks.m_blockHeight;
    const int count = blocks.m_columns * blocks.m_rows;

    BitReader bits(at, end);
    BitWriter out;
    std::vector<quint32> starts;
    starts.reserve(size_t(count) + 1);
    std::array<int, 4> predicted{};
    int restarts = 0;
    for (int unit = 0; unit < count; ++unit) {
        if (restartInterval && unit > 0 && unit % restartInterval == 0) {
            if (!bits.restart(restarts++))
                return {};
            predicted.fill(0);
        }
        starts.push_back(quint32(out.size()));
        out.makeRoom();
        for (const ScanComponent& s : scan) {
            const Component& c = components[size_t(s.frameIndex)];
            // After the restart that will precede this unit, the decoder
            // predicts each component's first DC from zero.
            int written = 0;
            for (int b = 0; b < c.h * c.v; ++b) {
                int symbol = 0;
                int length = 0;
                quint32 code = 0;
                quint32 extra = 0;
                if (!readSymbol(bits, dc[size_t(s.dc)], symbol, code, length) ||
                    symbol >= DcSizes || !bits.take(symbol, extra))
                    return {};
                int difference = 0;
                if (symbol)
                    difference =
                        extra < (1u << (symbol - 1)) ? int(extra) - (1 << symbol) + 1 : int(extra);
                int& value = predicted[size_t(s.frameIndex)];
                value += difference;
                const int now = value - written;
                written = value;
                const int nowSize = sizeOf(now);
                if (nowSize >= DcSizes)
                    return {};
                const quint32 bitsOfNow = quint32(now < 0 ? now - 1 : now) & ((1u << nowSize) - 1);
                out.put((quint32(nowSize) << nowSize) | bitsOfNow, 4 + nowSize);
                // The AC coefficients as they were coded, code for code.
                for (int k = 1; k < 64; ++k) {
                    if (!readSymbol(bits, ac[size_t(s.ac)], symbol, code, length))
                        return {};
                    const int run = symbol >> 4;
                    const int bitsOf = symbol & 15;
                    if (bitsOf) {
                        k += run;
                        if (!bits.take(bitsOf, extra))
                            return {};
                        out.put((code << bitsOf) | extra, length + bitsOf);
                    } else {
                        out.put(code, length);
                        if (run != 15)
                            break;
                        k += 15;
                    }
                }
            }
        }
        out.endBlock();
    }
    starts.push_back(quint32(out.size()));
    blocks.m_data = out.bytes();

    QByteArray& header = blocks.m_header;
    header.append(char(0xFF));
    header.append(char(0xD8));
    header.append(kept);
    appendMarker(header, 0xC0, 8 + 3 * int(components.size()));
    header.append(char(8));
    blocks.m_frameSizeAt = int(header.size());
    appendBigEndian(header, blocks.m_height);
    appendBigEndian(header, blocks.m_width);
    header.append(char(components.size()));
    for (const Component& c : components) {
        header.append(char(c.id));
        header.append(char((c.h << 4) | c.v));
        header.append(char(c.quantTable));
    }
    appendMarker(header, 0xC4, 2 + 17 + DcSizes);
    header.append(char(0x00));
    for (int l = 1; l <= 16; ++l)
        header.append(char(l == 4 ? DcSizes : 0));
    for (int symbol = 0; symbol < DcSizes; ++symbol)
        header.append(char(symbol));
    std::array<bool, 4> acUsed{};
    for (const ScanComponent& s : scan)
        acUsed[size_t(s.ac)] = true;
    for (int id = 0; id < 4; ++id) {
        if (!acUsed[size_t(id)])
            continue;
        const HuffmanTable& table = ac[size_t(id)];
        appendMarker(header, 0xC4, 2 + 17 + int(table.symbols.size()));
        header.append(char(0x10 | id));
        for (int l = 1; l <= 16; ++l)
            header.append(char(table.counts[size_t(l)]));
        header.append(reinterpret_cast<const char*>(table.symbols.data()),
                      qsizetype(table.symbols.size()));
    }
    appendMarker(header, 0xDD, 4);
    appendBigEndian(header, 1);
    appendMarker(header, 0xDA, 6 + 2 * int(scan.size()));
    header.append(char(scan.size()));
    for (const ScanComponent& s : scan) {
        header.append(char(components[size_t(s.frameIndex)].id));
        header.append(char(s.ac));
    }
    header.append(char(0));
    header.append(char(63));
    header.append(char(0));
    header.squeeze();
    blocks.m_starts = std::move(starts);
    blocks.m_starts.shrink_to_fit();
    return blocks;
}

qsizetype JpegBlocks::bytes() const {
    return m_data.capacity() + m_header.capacity() +
           qsizetype(m_starts.capacity() * sizeof(quint32));
}

bool JpegBlocks::decode(const QRect& area,
                        const std::function<void(int, const uchar*)>& row) const {
    if (isNull() || area.isEmpty() || !QRect(0, 0, m_width, m_height).contains(area))
        return false;
    // One ring of blocks more than the area needs, where the picture goes on:
    // its colours are upsampled from their neighbours.
    const int left = std::max(0, area.left() / m_blockWidth - 1);
    const int right = std::min(m_columns - 1, area.right() / m_blockWidth + 1);
    const int top = std::max(0, area.top() / m_blockHeight - 1);
    const int bottom = std::min(m_rows - 1, area.bottom() / m_blockHeight + 1);
    // The picture's own edge where the blocks reach it, so that its last
    // pixels are upsampled as in the whole picture.
    const int width =
        right == m_columns - 1 ? m_width - left * m_blockWidth : (right - left + 1) * m_blockWidth;
    const int height =
        bottom == m_rows - 1 ? m_height - top * m_blockHeight : (bottom - top + 1) * m_blockHeight;
    qsizetype length = m_header.size() + 2;
    for (int r = top; r <= bottom; ++r)
        length += m_starts[size_t(r * m_columns + right + 1)] -
                  m_starts[size_t(r * m_columns + left)] + 2 * (right - left + 1);
    QByteArray jpeg;
    jpeg.reserve(length);
    jpeg.append(m_header);
    jpeg[m_frameSizeAt] = char(height >> 8);
    jpeg[m_frameSizeAt + 1] = char(height & 0xFF);
    jpeg[m_frameSizeAt + 2] = char(width >> 8);
    jpeg[m_frameSizeAt + 3] = char(width & 0xFF);
    int restart = 0;
    for (int r = top; r <= bottom; ++r)
        for (int c = left; c <= right; ++c) {
            const size_t unit = size_t(r * m_columns + c);
            jpeg.append(m_data.constData() + m_starts[unit],
                        qsizetype(m_starts[unit + 1] - m_starts[unit]));
            if (r != bottom || c != right) {
                jpeg.append(char(0xFF));
                jpeg.append(char(0xD0 + (restart++ & 7)));
            }
        }
    jpeg.append(char(0xFF));
    jpeg.append(char(0xD9));
    m_blocksDecoded += qint64(right - left + 1) * (bottom - top + 1);

    Decoder d;
    if (!start(d, jpeg) || int(d.info.output_width) != width || int(d.info.output_height) != height)
        return false;
    std::vector<uchar> line(size_t(width) * 3);
    const uchar* from = line.data() + 3 * (area.left() - left * m_blockWidth);
    for (int y = top * m_blockHeight; y <= area.bottom(); ++y) {
        if (!readRow(d, line.data()))
            return false;
        if (y >= area.top())
            row(y, from);
    }
    return true;
}

void drawStretched(QPainter& painter, const JpegBlocks& picture, QSize deviceSize, int density,
                   const QRegion& region) {
    if (picture.isNull() || deviceSize.isEmpty() || density < 1)
        return;
    const QRegion device = deviceRegion(region, deviceSize, density);
    if (device.isEmpty())
        return;
    // The region's rectangles gathered into areas decoded together, where one
    // area costs fewer blocks than two apart: each decode reads a ring of
    // blocks around its area and costs about a few blocks more to set up.
    const int side = 16 * density;
    const auto cost = [side](const QRect& r) {
        return (r.right() / side - r.left() / side + 3) * (r.bottom() / side - r.top() / side + 3);
    };
    constexpr int SetUpBlocks = 8;
    std::vector<QRect> areas;
    for (const QRect& r : device)
        areas.push_back(r);
    for (bool merged = true; merged;) {
        merged = false;
        for (size_t i = 0; i < areas.size(); ++i)
            for (size_t j = i + 1; j < areas.size();) {
                const QRect both = areas[i] | areas[j];
                if (cost(both) <= cost(areas[i]) + cost(areas[j]) + SetUpBlocks) {
                    areas[i] = both;
                    areas.erase(areas.begin() + qsizetype(j));
                    merged = true;
                } else {
                    ++j;
                }
            }
    }
    const QSize size = picture.size();
    const std::vector<int> columns = nearest(size.width(), deviceSize.width());
    const std::vector<int> rows = nearest(size.height(), deviceSize.height());
    int widest = 0;
    for (const QRect& a : areas)
        widest = std::max(widest, a.width());
    QImage band(widest, BandRows, QImage::Format_RGB32);
    band.setDevicePixelRatio(density);
    for (const QRect& a : areas) {
        // Only the region's own rectangles are converted and drawn: an area
        // around thin frames holds mostly pixels the region does not need.
        std::vector<QRect> parts;
        for (const QRect& r : device)
            if (r.intersects(a))
                parts.push_back(r & a);
        const QRect source(QPoint(columns[size_t(a.left())], rows[size_t(a.top())]),
                           QPoint(columns[size_t(a.right())], rows[size_t(a.bottom())]));
        int next = a.top();
        int bandTop = a.top();
        picture.decode(source, [&](int y, const uchar* pixels) {
            while (next <= a.bottom() && rows[size_t(next)] == y) {
                auto* line = reinterpret_cast<QRgb*>(band.scanLine(next - bandTop));
                for (const QRect& part : parts) {
                    if (next < part.top() || next > part.bottom())
                        continue;
                    QRgb* out = line + (part.left() - a.left());
                    for (int x = part.left(); x <= part.right(); ++x) {
                        const uchar* p = pixels + 3 * (columns[size_t(x)] - source.left());
                        *out++ = qRgb(p[0], p[1], p[2]);
                    }
                }
                ++next;
                if (next - bandTop < BandRows && next <= a.bottom())
                    continue;
                for (const QRect& part : parts) {
                    const int top = std::max(part.top(), bandTop);
                    const int bottom = std::min(part.bottom(), next - 1);
                    if (top <= bottom)
                        painter.drawImage(
                            QPointF(qreal(part.left()) / density, qreal(top) / density), band,
                            QRectF(part.left() - a.left(), top - bandTop, part.width(),
                                   bottom - top + 1));
                }
                bandTop = next;
            }
        });
    }
}

} // namespace platform
