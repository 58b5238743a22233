#pragma once

#include <QFile>
#include <QList>
#include <QString>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>

// One line of data/cards.csv.
struct CardRow {
    int autoNumber = 0;
    int id = 0;
    int level = 0;
    QString name;
    QString element;
    int north = 0;
    int east = 0;
    int south = 0;
    int west = 0;
    QString path; // "\cards\0001": the stem of the two face pictures
};

// Reads the card list; any malformed line ends the tool, since a broken card
// list must never produce a half-filled database or picture folder.
inline QList<CardRow> readCardList(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "cannot open %s\n", qPrintable(fileName));
        std::exit(1);
    }
    QTextStream in(&file);
    QList<CardRow> rows;
    const QString header = in.readLine();
    if (header != "autonumber,id,level,name,element,north,east,south,west,path") {
        std::fprintf(stderr, "%s: unexpected header\n", qPrintable(fileName));
        std::exit(1);
    }
    int lineNo = 1;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        ++lineNo;
        if (line.trimmed().isEmpty())
            continue;
        const QStringList f = line.split(',');
        bool ok = f.size() == 10;
        auto num = [&](int i) {
            bool good = false;
            const int v = ok ? f[i].toInt(&good) : 0;
            ok = ok && good;
            return v;
        };
        CardRow r;
        r.autoNumber = num(0);
        r.id = num(1);
        r.level = num(2);
        r.north = num(5);
        r.east = num(6);
        r.south = num(7);
        r.west = num(8);
        if (ok) {
            r.name = f[3];
            r.element = f[4];
            r.path = f[9];
        }
        if (!ok || !r.path.startsWith('\\')) {
            std::fprintf(stderr, "%s:%d: malformed card line\n", qPrintable(fileName), lineNo);
            std::exit(1);
        }
        rows.append(r);
    }
    return rows;
}
