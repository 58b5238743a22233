// Writes a picture file (the window icon's PNG) as a raw picture for the
// program to embed (platform/RawPicture.h), so that the program makes its
// window icon without an image reader while the PNG stays the one source.
//
//   gen_rawpicture <picture.png> <picture.argb>
#include "platform/RawPicture.h"

#include <QFile>
#include <QImageReader>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: gen_rawpicture <picture.png> <picture.argb>\n");
        return 2;
    }
    QImageReader reader(QString::fromLocal8Bit(argv[1]));
    const QImage image = reader.read();
    if (image.isNull()) {
        std::fprintf(stderr, "gen_rawpicture: cannot read %s: %s\n", argv[1],
                     qPrintable(reader.errorString()));
        return 1;
    }
    QFile out(QString::fromLocal8Bit(argv[2]));
    const QByteArray data = platform::encodeRawPicture(image);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(data) != data.size()) {
        std::fprintf(stderr, "gen_rawpicture: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
