// Writes the pseudo-language en_XA from a Qt Linguist file of the program's
// texts: every text accented, about 40 % longer and in brackets, with its
// placeholders (%1, %n, %L1) and line breaks kept. A window in en_XA shows at a
// glance any text that escaped translation (plain English, no brackets) and
// any control too small for a longer language.
//
//   gen_pseudo <texts.ts> <quorvel_en_XA.ts>

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cmath>
#include <cstdio>

namespace {

QChar accented(QChar c) {
    static const QHash<QChar, QChar> map = [] {
        QHash<QChar, QChar> m;
        const QString plain = QStringLiteral("aceinosuyzACEINOSUYZ");
        const QString marked = QStringLiteral("áçéîñöšüýžÅÇÉÎÑÖŠÜÝŽ");
        for (qsizetype i = 0; i < plain.size(); ++i)
            m.insert(plain[i], marked[i]);
        return m;
    }();
    return map.value(c, c);
}

bool isPlaceholderAt(const QString& s, qsizetype i, qsizetype* length) {
    if (s[i] != QLatin1Char('%') || i + 1 >= s.size())
        return false;
    qsizetype j = i + 1;
    if (s[j] == QLatin1Char('L') && j + 1 < s.size())
        ++j;
    if (s[j] == QLatin1Char('n')) {
        *length = j + 1 - i;
        return true;
    }
    qsizetype k = j;
    while (k < s.size() && s[k].isDigit())
        ++k;
    if (k == j)
        return false;
    *length = k - i;
    return true;
}

// Each word grows by 40 % of its letters, repeating its own accented letters,
// so that word wrap meets realistic long words rather than one long tail.
QString pseudo(const QString& source) {
    QString out = QStringLiteral("[");
    QString word;
    auto flush = [&] {
        if (word.isEmpty())
            return;
        out += word;
        const int extra = static_cast<int>(std::ceil(word.size() * 0.4));
        for (int i = 0; i < extra; ++i)
            out += word[i % word.size()];
        word.clear();
    };
    for (qsizetype i = 0; i < source.size(); ++i) {
        qsizetype length = 0;
        if (isPlaceholderAt(source, i, &length)) {
            flush();
            out += source.mid(i, length);
            i += length - 1;
        } else if (source[i].isLetter()) {
            word += accented(source[i]);
        } else {
            flush();
            out += source[i];
        }
    }
    flush();
    return out + QLatin1Char(']');
}

// The text of the current element; Linguist writes a character XML cannot
// hold (a carriage return) as <byte value="xd"/>.
QString readText(QXmlStreamReader& reader) {
    QString text;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isCharacters()) {
            text += reader.text();
        } else if (reader.isStartElement() && reader.name() == QLatin1String("byte")) {
            bool ok = false;
            const uint code =
                reader.attributes().value(QLatin1String("value")).toString().mid(1).toUInt(&ok, 16);
            if (ok)
                text += QChar(code);
        } else if (reader.isEndElement() && reader.name() != QLatin1String("byte")) {
            break;
        }
    }
    return text;
}

// Writes `text` as the character data of the current element, a carriage
// return as Linguist writes it.
void writeText(QXmlStreamWriter& writer, const QString& text) {
    const QStringList pieces = text.split(QLatin1Char('\r'));
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (i > 0) {
            writer.writeEmptyElement(QStringLiteral("byte"));
            writer.writeAttribute(QStringLiteral("value"), QStringLiteral("xd"));
        }
        writer.writeCharacters(pieces[i]);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fputs("usage: gen_pseudo <texts.ts> <quorvel_en_XA.ts>\n", stderr);
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "gen_pseudo: cannot open %s or %s\n", argv[1], argv[2]);
        return 1;
    }
    QXmlStreamReader reader(&in);
    QXmlStreamWriter writer(&out);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeDTD(QStringLiteral("<!DOCTYPE TS>"));
    writer.writeStartElement(QStringLiteral("TS"));
    writer.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
    writer.writeAttribute(QStringLiteral("language"), QStringLiteral("en_XA"));
    writer.writeAttribute(QStringLiteral("sourcelanguage"), QStringLiteral("en"));
    bool numerus = false;
    QString source;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            const auto name = reader.name();
            if (name == QLatin1String("context")) {
                writer.writeStartElement(QStringLiteral("context"));
            } else if (name == QLatin1String("name")) {
                writer.writeTextElement(QStringLiteral("name"), reader.readElementText());
            } else if (name == QLatin1String("message")) {
                numerus =
                    reader.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
                writer.writeStartElement(QStringLiteral("message"));
                if (numerus)
                    writer.writeAttribute(QStringLiteral("numerus"), QStringLiteral("yes"));
            } else if (name == QLatin1String("source")) {
                source = readText(reader);
                writer.writeStartElement(QStringLiteral("source"));
                writeText(writer, source);
                writer.writeEndElement();
            } else if (name == QLatin1String("comment")) {
                writer.writeTextElement(QStringLiteral("comment"), reader.readElementText());
            }
        } else if (reader.isEndElement()) {
            const auto name = reader.name();
            if (name == QLatin1String("message")) {
                writer.writeStartElement(QStringLiteral("translation"));
                if (numerus) {
                    // English has two forms; en_XA takes the same rule.
                    for (int form = 0; form < 2; ++form) {
                        writer.writeStartElement(QStringLiteral("numerusform"));
                        writeText(writer, pseudo(source));
                        writer.writeEndElement();
                    }
                } else {
                    writeText(writer, pseudo(source));
                }
                writer.writeEndElement(); // translation
                writer.writeEndElement(); // message
            } else if (name == QLatin1String("context")) {
                writer.writeEndElement();
            }
        }
    }
    writer.writeEndElement(); // TS
    writer.writeEndDocument();
    if (reader.hasError()) {
        std::fprintf(stderr, "gen_pseudo: %s: %s\n", argv[1], qPrintable(reader.errorString()));
        return 1;
    }
    return 0;
}
