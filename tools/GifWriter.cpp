#include "GifWriter.h"

#include <QFile>

#include <algorithm>
#include <cstdint>
#include <map>
#include <unordered_map>
#include <vector>

namespace {

struct Box {
    std::vector<std::pair<uint32_t, uint32_t>> colours; // rgb, pixel count
};

int channel(uint32_t rgb, int c) {
    return (rgb >> (16 - 8 * c)) & 0xff;
}

// Median cut over the colour histogram. The histogram is sorted, every split
// is a stable sort, and ties are broken by index, so equal input always gives
// an equal palette.
std::vector<uint32_t> medianCut(const std::map<uint32_t, uint32_t>& histogram, int maxColours) {
    std::vector<Box> boxes(1);
    boxes[0].colours.assign(histogram.begin(), histogram.end());
    while (static_cast<int>(boxes.size()) < maxColours) {
        int best = -1;
        int bestRange = 0;
        int bestChannel = 0;
        for (int i = 0; i < static_cast<int>(boxes.size()); ++i) {
            if (boxes[i].colours.size() < 2)
                continue;
            for (int c = 0; c < 3; ++c) {
                int lo = 255;
                int hi = 0;
                for (auto [rgb, n] : boxes[i].colours) {
                    lo = std::min(lo, channel(rgb, c));
                    hi = std::max(hi, channel(rgb, c));
                }
                if (hi - lo > bestRange) {
                    bestRange = hi - lo;
                    best = i;
                    bestChannel = c;
                }
            }
        }
        if (best < 0)
            break;
        auto& cs = boxes[best].colours;
        std::stable_sort(cs.begin(), cs.end(), [bestChannel](const auto& a, const auto& b) {
            return channel(a.first, bestChannel) < channel(b.first, bestChannel);
        });
        uint64_t total = 0;
        for (auto [rgb, n] : cs)
            total += n;
        uint64_t acc = 0;
        size_t cut = 1;
        for (size_t i = 0; i + 1 < cs.size(); ++i) {
            acc += cs[i].second;
            cut = i + 1;
            if (acc * 2 >= total)
                break;
        }
        Box upper;
        upper.colours.assign(cs.begin() + cut, cs.end());
        cs.erase(cs.begin() + cut, cs.end());
        boxes.push_back(std::move(upper));
    }
    std::vector<uint32_t> palette;
    for (const Box& b : boxes) {
        uint64_t sum[3] = {0, 0, 0};
        uint64_t n = 0;
        for (auto [rgb, count] : b.colours) {
            for (int c = 0; c < 3; ++c)
                sum[c] += uint64_t(channel(rgb, c)) * count;
            n += count;
        }
        uint32_t rgb = 0;
        for (int c = 0; c < 3; ++c)
            rgb = (rgb << 8) | uint32_t((sum[c] + n / 2) / n);
        palette.push_back(rgb);
    }
    return palette;
}

class BitWriter {
  public:
    void put(uint32_t code, int bits) {
        acc_ |= uint64_t(code) << count_;
        count_ += bits;
        while (count_ >= 8) {
            bytes_.push_back(char(acc_ & 0xff));
            acc_ >>= 8;
            count_ -= 8;
        }
    }
    QByteArray finish() {
        if (count_ > 0)
            bytes_.push_back(char(acc_ & 0xff));
        acc_ = 0;
        count_ = 0;
        return bytes_;
    }

  private:
    QByteArray bytes_;
    uint64_t acc_ = 0;
    int count_ = 0;
};

// Variable-width LZW as GIF decoders expect it: a clear code first, code width
// growing when the next free code needs another bit, and a fresh dictionary
// once the 12-bit code space is used up.
QByteArray lzw(const std::vector<uint8_t>& indices, int minCodeSize) {
    const uint32_t clearCode = 1u << minCodeSize;
    const uint32_t endCode = clearCode + 1;
    BitWriter out;
    std::unordered_map<uint32_t, uint32_t> dict;
    int codeSize = minCodeSize + 1;
    uint32_t lastCode = endCode;
    out.put(clearCode, codeSize);
    if (indices.empty()) {
        out.put(endCode, codeSize);
        return out.finish();
    }
    uint32_t prefix = indices[0];
    for (size_t i = 1; i < indices.size(); ++i) {
        const uint32_t k = indices[i];
        const uint32_t key = (prefix << 8) | k;
        auto it = dict.find(key);
        if (it != dict.end()) {
            prefix = it->second;
            continue;
        }
        out.put(prefix, codeSize);
        dict.emplace(key, ++lastCode);
        if (lastCode >= (1u << codeSize))
            ++codeSize;
        if (lastCode == 4095) {
            out.put(clearCode, codeSize);
            dict.clear();
            codeSize = minCodeSize + 1;
            lastCode = endCode;
        }
        prefix = k;
    }
    out.put(prefix, codeSize);
    out.put(endCode, codeSize);
    return out.finish();
}

void put16(QByteArray& b, int v) {
    b.append(char(v & 0xff));
    b.append(char((v >> 8) & 0xff));
}

} // namespace

QByteArray encodeGif(const QImage& source) {
    const QImage img = source.convertToFormat(QImage::Format_ARGB32);
    const int w = img.width();
    const int h = img.height();

    std::map<uint32_t, uint32_t> histogram;
    bool transparent = false;
    for (int y = 0; y < h; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            if (qAlpha(line[x]) < 128)
                transparent = true;
            else
                ++histogram[line[x] & 0xffffff];
        }
    }
    const int maxColours = transparent ? 255 : 256;
    std::vector<uint32_t> palette;
    if (static_cast<int>(histogram.size()) <= maxColours) {
        for (auto [rgb, n] : histogram)
            palette.push_back(rgb);
    } else {
        palette = medianCut(histogram, maxColours);
    }
    if (palette.empty())
        palette.push_back(0);
    const int transparentIndex = transparent ? static_cast<int>(palette.size()) : -1;
    const int used = static_cast<int>(palette.size()) + (transparent ? 1 : 0);
    int tableBits = 1;
    while ((1 << tableBits) < used)
        ++tableBits;

    std::unordered_map<uint32_t, uint8_t> nearest;
    auto lookup = [&](uint32_t rgb) -> uint8_t {
        auto it = nearest.find(rgb);
        if (it != nearest.end())
            return it->second;
        int best = 0;
        int bestDist = 1 << 30;
        for (int i = 0; i < static_cast<int>(palette.size()); ++i) {
            int d = 0;
            for (int c = 0; c < 3; ++c) {
                const int diff = channel(rgb, c) - channel(palette[i], c);
                d += diff * diff;
            }
            if (d < bestDist) {
                bestDist = d;
                best = i;
            }
        }
        nearest.emplace(rgb, uint8_t(best));
        return uint8_t(best);
    };
    std::vector<uint8_t> indices;
    indices.reserve(size_t(w) * size_t(h));
    for (int y = 0; y < h; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            if (qAlpha(line[x]) < 128)
                indices.push_back(uint8_t(transparentIndex));
            else
                indices.push_back(lookup(line[x] & 0xffffff));
        }
    }

    QByteArray gif("GIF89a");
    put16(gif, w);
    put16(gif, h);
    gif.append(char(0x80 | (7 << 4) | (tableBits - 1)));
    gif.append(char(transparent ? transparentIndex : 0)); // background colour index
    gif.append(char(0));                                  // no aspect ratio
    for (int i = 0; i < (1 << tableBits); ++i) {
        const uint32_t rgb = i < static_cast<int>(palette.size()) ? palette[i] : 0;
        gif.append(char((rgb >> 16) & 0xff));
        gif.append(char((rgb >> 8) & 0xff));
        gif.append(char(rgb & 0xff));
    }
    if (transparent) {
        const char gce[] = {0x21, char(0xf9), 0x04, 0x01, 0, 0, char(transparentIndex), 0};
        gif.append(gce, sizeof gce);
    }
    gif.append(char(0x2c));
    put16(gif, 0);
    put16(gif, 0);
    put16(gif, w);
    put16(gif, h);
    gif.append(char(0));
    const int minCodeSize = std::max(2, tableBits);
    gif.append(char(minCodeSize));
    const QByteArray data = lzw(indices, minCodeSize);
    for (qsizetype pos = 0; pos < data.size(); pos += 255) {
        const qsizetype n = std::min<qsizetype>(255, data.size() - pos);
        gif.append(char(n));
        gif.append(data.constData() + pos, n);
    }
    gif.append(char(0));
    gif.append(char(0x3b));
    return gif;
}

bool saveGif(const QImage& image, const QString& fileName) {
    QFile f(fileName);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray data = encodeGif(image);
    return f.write(data) == data.size();
}
