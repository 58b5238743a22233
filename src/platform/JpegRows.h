#pragma once

#include <QByteArray>
#include <QImage>
#include <QRegion>
#include <QSize>

#include <functional>
#include <vector>

class QPainter;

namespace platform {

// Decodes the JPEG picture `jpeg` row by row straight into three bytes a
// pixel (QImage::Format_RGB888): the same colours as a decoded 32-bit
// picture in three quarters of the memory, and no 32-bit copy of it made on
// the way. A null image where the data is not a JPEG picture or cannot be
// read.
QImage decodeJpegRgb888(const QByteArray& jpeg);

// Draws `picture` (three bytes a pixel) stretched over `deviceSize` pixels of
// the painter's device as QPainter::drawPixmap stretches a picture over a
// rectangle without smoothing (the same source pixel on each pixel), within
// `region` (in the painter's coordinates; its device has `density` pixels to
// each), a band of rows at a time converted to 32 bits.
void drawStretched(QPainter& painter, const QImage& picture, QSize deviceSize, int density,
                   const QRegion& region);

// A JPEG picture kept compressed, coded again so that any rectangle of it can
// be decoded alone: each block of pixels the picture is coded in (a minimum
// coded unit, 16 by 16 pixels for the usual colour sampling) starts on a byte
// of its own with nothing carried over from the block before, and a picture of
// the blocks a rectangle needs is put together from them and decoded by
// libjpeg. The blocks keep their coefficients, so that every pixel decodes
// exactly as in the whole picture; one ring of blocks more around the
// rectangle gives the colour upsampling the neighbours it reads. Only
// baseline pictures of three components in one scan are coded again (the
// game's own); for any other recode() gives a null value.
class JpegBlocks {
  public:
    static JpegBlocks recode(const QByteArray& jpeg);

    bool isNull() const { return m_starts.empty(); }
    QSize size() const { return {m_width, m_height}; }
    // The bytes held: the coded blocks, where each begins, the header.
    qsizetype bytes() const;
    // Decodes the rows of `area` (in the picture's pixels) top to bottom and
    // hands each to `row` with its number in the picture and its pixels from
    // the area's left column on, three bytes each. False where the area is
    // not inside the picture or the data cannot be read.
    bool decode(const QRect& area, const std::function<void(int, const uchar*)>& row) const;
    // How many blocks decode() has given libjpeg so far, the ring included.
    qint64 blocksDecoded() const { return m_blocksDecoded; }
    int blockCount() const { return m_columns * m_rows; }

  private:
    // SOI and the tables, then the frame header whose height and width are
    // those of each picture put together (at m_frameSizeAt), then the scan
    // header with a restart after every block.
    QByteArray m_header;
    int m_frameSizeAt = 0;
    QByteArray m_data;
    // Where each block's bytes begin in m_data, and one more for the end.
    std::vector<quint32> m_starts;
    int m_width = 0;
    int m_height = 0;
    int m_blockWidth = 8;
    int m_blockHeight = 8;
    int m_columns = 0;
    int m_rows = 0;
    mutable qint64 m_blocksDecoded = 0;
};

// Draws `picture` as the overload above draws it decoded, the same source
// pixel on each device pixel. The rectangles of `region` are gathered into
// groups where one group decodes fewer blocks than its parts apart; each
// group decodes only the blocks it covers, and only the region's own
// rectangles are drawn.
void drawStretched(QPainter& painter, const JpegBlocks& picture, QSize deviceSize, int density,
                   const QRegion& region);

} // namespace platform
