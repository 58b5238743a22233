// libFuzzer entry for the RTF reader: every input is read into a fresh document. Crashes,
// sanitizer reports and slow inputs are what the fuzzer looks for; the result itself is not
// checked here.
#include "platform/RtfReader.h"

#include <QByteArray>
#include <QFont>
#include <QGuiApplication>
#include <QTextDocument>

#include <cstddef>
#include <cstdint>

namespace {
QGuiApplication* application = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // QTextDocument needs a running GUI application for its fonts; it lives for the whole run.
    application = new QGuiApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QTextDocument document;
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(9.75);
    platform::readRtf(input, &document, font);
    return 0;
}
