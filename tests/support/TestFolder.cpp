#include "support/TestFolder.h"

#include "platform/Fatal.h"
#include "platform/ProgramFolder.h"
#include "platform/Recordset.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QUuid>

namespace {
void copyTree(const QString& from, const QString& to) {
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files);
    while (it.hasNext()) {
        it.next();
        QFile::copy(it.filePath(), to + "/" + it.fileName());
    }
}
} // namespace

TestFolder::TestFolder(Pictures pictures) {
    const QString source = QStringLiteral(QUORVEL_PROGRAM_DIR);
    QFile::copy(source + "/Cards.mdb", m_dir.filePath("Cards.mdb"));
    QFile::copy(source + "/QorRules.rtf", m_dir.filePath("QorRules.rtf"));
    copyTree(source + "/rules", m_dir.filePath("rules"));
    QFile(m_dir.filePath("Cards.mdb"))
        .setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    for (const char* sub : {"images", "cards", "translations"}) {
        if (pictures == Pictures::Copied)
            copyTree(source + "/" + sub, m_dir.filePath(sub));
        else
            QFile::link(source + "/" + sub, m_dir.filePath(sub));
    }
    platform::setProgramFolder(m_dir.path());
}

TestFolder::~TestFolder() {
    platform::setProgramFolder(QString());
}

bool TestFolder::exec(const QString& sql) const {
    const QString name = QUuid::createUuid().toString();
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", name);
        db.setDatabaseName(m_dir.filePath("Cards.mdb"));
        if (db.open()) {
            QSqlQuery q(db);
            ok = q.exec(sql);
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

QVariant TestFolder::query(const QString& sql) const {
    const QString name = QUuid::createUuid().toString();
    QVariant result;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", name);
        db.setDatabaseName(m_dir.filePath("Cards.mdb"));
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec(sql) && q.next())
                result = q.value(0);
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return result;
}

FatalCatcher::FatalCatcher() {
    platform::setFatalHandler([](const QString& message) {
        // What the program's own report does to the file before it ends.
        platform::Database::abandon();
        throw platform::FatalError(message);
    });
}

FatalCatcher::~FatalCatcher() {
    platform::setFatalHandler({});
}

QList<int> TestFolder::boardOwners() const {
    const QString joined =
        query(QStringLiteral("SELECT group_concat(fldOwner, ',') FROM "
                             "(SELECT fldOwner FROM DirtyBoard ORDER BY fldLocation)"))
            .toString();
    QList<int> owners;
    for (const QString& part : joined.split(QLatin1Char(',')))
        owners << part.toInt();
    return owners;
}
