#include "platform/Recordset.h"

#include "platform/Fatal.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <exception>

namespace platform {

namespace {
const QString ConnectionName = QStringLiteral("quorvel-cards");
QString g_fileName;
int g_groupDepth = 0;
// Recordsets that hold a prepared statement on the connection, so that
// closing the connection can release them first.
QSet<Recordset*>& recordsets() {
    // Never destroyed: the program-wide recordsets outlive every other static.
    static auto* set = new QSet<Recordset*>;
    return *set;
}

// Every recordset, so that abandoning a failed operation reaches them all.
QSet<Recordset*>& allRecordsets() {
    static auto* set = new QSet<Recordset*>;
    return *set;
}

void execOrFatal(const QString& sql, const QString& what) {
    QSqlQuery query(Database::connection());
    if (!query.exec(sql))
        fatal(QCoreApplication::translate("Recordset", "%1 failed in the card database \"%2\": %3")
                  .arg(what, g_fileName, query.lastError().text()));
}

void check(bool ok, const QSqlQuery& query, const QString& what) {
    if (!ok)
        fatal(QCoreApplication::translate("Recordset", "%1 failed in the card database \"%2\": %3")
                  .arg(what, g_fileName, query.lastError().text()));
}
} // namespace

void Database::open(const QString& file) {
    g_fileName = file;
    const QFileInfo info(file);
    if (!info.exists())
        fatal(QCoreApplication::translate("Recordset", "The card database \"%1\" does not exist.")
                  .arg(file));
    if (!info.isFile() || !info.isReadable())
        fatal(QCoreApplication::translate("Recordset", "The card database \"%1\" cannot be read.")
                  .arg(file));
    if (!info.isWritable())
        fatal(QCoreApplication::translate(
                  "Recordset", "The card database \"%1\" is read-only; the game keeps its cards "
                               "in it and must be able to write it.")
                  .arg(file));
    // SQLite would turn an empty file into a new, empty database: refuse it
    // before opening so that the file stays exactly as it was.
    if (info.size() == 0)
        fatal(QCoreApplication::translate("Recordset", "The card database \"%1\" is empty.")
                  .arg(file));
    // The write-ahead log lives beside the database; without a writable folder
    // the first read already fails with a misleading "read-only database".
    if (!QFileInfo(info.absolutePath()).isWritable())
        fatal(QCoreApplication::translate(
                  "Recordset", "The folder \"%1\" of the card database is read-only; the game "
                               "keeps its log of changes beside the database and must be able to "
                               "write there.")
                  .arg(info.absolutePath()));
    QSqlDatabase db = QSqlDatabase::contains(ConnectionName)
                          ? QSqlDatabase::database(ConnectionName, false)
                          : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), ConnectionName);
    db.setDatabaseName(file);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    if (!db.open())
        fatal(QCoreApplication::translate("Recordset",
                                          "The card database \"%1\" cannot be opened: %2")
                  .arg(file, db.lastError().text()));
    QSqlQuery query(db);
    // Reading the schema proves that the file is a database at all.
    if (!query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !query.next())
        fatal(QCoreApplication::translate("Recordset", "\"%1\" is not a card database: %2")
                  .arg(file, query.lastError().text()));
    // Write-ahead logging with normal syncing: each save is a small atomic
    // commit, readers are never blocked, and a killed program leaves the file
    // consistent.
    if (!query.exec(QStringLiteral("PRAGMA journal_mode=WAL")) || !query.next() ||
        query.value(0).toString().compare(QLatin1String("wal"), Qt::CaseInsensitive) != 0)
        fatal(QCoreApplication::translate(
                  "Recordset", "The card database \"%1\" cannot be written (is its folder "
                               "read-only?): %2")
                  .arg(file, query.lastError().text()));
    check(query.exec(QStringLiteral("PRAGMA synchronous=NORMAL")), query,
          QCoreApplication::translate("Recordset", "Setting up"));
}

bool Database::isOpen() {
    return QSqlDatabase::contains(ConnectionName) &&
           QSqlDatabase::database(ConnectionName, false).isOpen();
}

QSqlDatabase Database::connection() {
    return QSqlDatabase::database(ConnectionName, false);
}

QString Database::fileName() {
    return g_fileName;
}

void Database::close() {
    if (!QSqlDatabase::contains(ConnectionName))
        return;
    for (Recordset* rs : recordsets())
        rs->forgetStatement();
    if (g_groupDepth > 0 && isOpen())
        execOrFatal(QStringLiteral("COMMIT"), QCoreApplication::translate("Recordset", "Saving"));
    g_groupDepth = 0;
    {
        QSqlDatabase db = QSqlDatabase::database(ConnectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(ConnectionName);
}

void Database::closeFile() {
    for (Recordset* rs : recordsets())
        rs->forgetStatement();
    g_groupDepth = 0;
    if (QSqlDatabase::contains(ConnectionName))
        QSqlDatabase::database(ConnectionName, false).close();
}

void Database::beginGroup() {
    if (g_groupDepth++ == 0 && isOpen())
        execOrFatal(QStringLiteral("BEGIN"),
                    QCoreApplication::translate("Recordset", "Starting a save"));
}

void Database::endGroup() {
    if (g_groupDepth == 0 || --g_groupDepth > 0 || !isOpen())
        return;
    if (std::uncaught_exceptions() > 0) {
        // Unwinding from a reported failure: the operation is undone as a
        // whole, quietly, as the end of the program would undo it.
        QSqlQuery(connection()).exec(QStringLiteral("ROLLBACK"));
        return;
    }
    execOrFatal(QStringLiteral("COMMIT"), QCoreApplication::translate("Recordset", "Saving"));
}

void Database::flush() {
    if (g_groupDepth == 0 || !isOpen())
        return;
    execOrFatal(QStringLiteral("COMMIT"), QCoreApplication::translate("Recordset", "Saving"));
    execOrFatal(QStringLiteral("BEGIN"),
                QCoreApplication::translate("Recordset", "Starting a save"));
}

std::optional<qlonglong> wholeNumber(const QVariant& value) {
    if (value.isNull())
        return std::nullopt;
    bool ok = false;
    const qlonglong n = value.toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return n;
}

void Database::abandon() {
    for (Recordset* rs : allRecordsets())
        rs->forgetChanges();
    if (g_groupDepth > 0 && isOpen())
        QSqlQuery(connection()).exec(QStringLiteral("ROLLBACK"));
    // The groups still open unwind without a transaction to end.
    g_groupDepth = 0;
}

Recordset::Recordset() {
    allRecordsets().insert(this);
}

Recordset::~Recordset() {
    allRecordsets().remove(this);
    recordsets().remove(this);
    // A statement still prepared when the program ends belongs to a
    // connection that may already be gone; leave it to the process exit.
    if (!QCoreApplication::instance())
        (void)m_update.release();
}

void Recordset::forgetStatement() {
    m_update.reset();
    recordsets().remove(this);
}

void Recordset::open(const QString& table, bool readOnly) {
    if (m_open)
        close();
    if (!Database::isOpen())
        fatal(QCoreApplication::translate(
                  "Recordset", "Table %1 cannot be opened: the card database is not open.")
                  .arg(table));
    m_table = table;
    m_readOnly = readOnly;
    m_columns.clear();
    m_rowIds.clear();
    m_rows.clear();
    m_readColumns.clear();
    m_current = 0;
    m_dirty = false;

    QSqlQuery query(Database::connection());
    query.setForwardOnly(true);
    const QString sql = QStringLiteral("SELECT rowid, * FROM \"%1\" ORDER BY rowid").arg(table);
    if (!query.exec(sql))
        fatal(QCoreApplication::translate(
                  "Recordset", "Table %1 cannot be opened in the card database \"%2\": %3")
                  .arg(table, Database::fileName(), query.lastError().text()));
    const QSqlRecord record = query.record();
    for (int i = 1; i < record.count(); ++i)
        m_columns << record.fieldName(i);
    if (readOnly)
        m_readColumns.resize(m_columns.size());
    while (query.next()) {
        m_rowIds.push_back(query.value(0).toLongLong());
        if (readOnly) {
            for (int i = 1; i <= m_columns.size(); ++i) {
                ReadColumn& c = m_readColumns[i - 1];
                const QVariant v = query.value(i);
                if (c.numbers && !v.isNull() && v.typeId() == QMetaType::LongLong) {
                    c.texts = false;
                    c.number.push_back(v.toLongLong());
                    continue;
                }
                if (c.texts && !v.isNull() && v.typeId() == QMetaType::QString) {
                    c.numbers = false;
                    c.text += v.toString();
                    c.textEnd.push_back(int(c.text.size()));
                    continue;
                }
                // The first value of another kind: the column keeps its
                // values from now on.
                keepAsValues(c);
                c.value << v;
            }
            continue;
        }
        QVariantList row;
        row.reserve(m_columns.size());
        for (int i = 1; i <= m_columns.size(); ++i)
            row << query.value(i);
        m_rows.push_back(std::move(row));
    }
    for (ReadColumn& c : m_readColumns) {
        c.number.shrink_to_fit();
        c.text.squeeze();
        c.textEnd.shrink_to_fit();
        c.value.squeeze();
    }
    m_open = true;
}

void Recordset::keepAsValues(ReadColumn& c) {
    if (c.numbers) {
        c.value.reserve(qsizetype(c.number.size()) + 1);
        for (const qint64 n : c.number)
            c.value << QVariant(qlonglong(n));
    } else if (c.texts) {
        c.value.reserve(qsizetype(c.textEnd.size()) + 1);
        int start = 0;
        for (const int end : c.textEnd) {
            // As the driver makes a text: an empty one is empty, not null.
            c.value << QVariant(QString(c.text.constData() + start, end - start));
            start = end;
        }
    }
    c.numbers = false;
    c.texts = false;
    c.number = {};
    c.text = QString();
    c.textEnd = {};
}

void Recordset::close() {
    if (!m_open)
        return;
    save();
    forgetStatement();
    m_open = false;
    m_rows.clear();
    m_readColumns.clear();
    m_rowIds.clear();
}

void Recordset::MoveFirst() {
    if (!m_open)
        fatal(QCoreApplication::translate("Recordset", "Table %1 is not open.").arg(m_table));
    save();
    m_current = 0;
}

void Recordset::Find(const QString& criterion) {
    if (!m_open)
        fatal(QCoreApplication::translate("Recordset", "Table %1 is not open.").arg(m_table));
    const int eq = criterion.indexOf(QLatin1Char('='));
    bool ok = false;
    const QString field = criterion.left(eq).trimmed();
    const qlonglong wanted = criterion.mid(eq + 1).trimmed().toLongLong(&ok);
    if (eq < 0 || !ok)
        fatal(QCoreApplication::translate("Recordset",
                                          "Table %1: the search \"%2\" cannot be understood.")
                  .arg(m_table, criterion));
    const int col = column(field);
    const int rows = recordCount();
    int found = rows;
    const ReadColumn* numbers =
        m_readOnly && m_readColumns[col].numbers ? &m_readColumns[col] : nullptr;
    for (int i = m_current; i < rows; ++i) {
        if (numbers ? numbers->number[i] == wanted : wholeNumber(cell(i, col)) == wanted) {
            found = i;
            break;
        }
    }
    if (found != m_current)
        save();
    m_current = found;
}

int Recordset::column(const QString& field) const {
    const int col = m_columns.indexOf(field);
    if (col < 0)
        fatal(QCoreApplication::translate("Recordset",
                                          "Table %1 of the card database has no field %2.")
                  .arg(m_table, field));
    return col;
}

void Recordset::requireCurrent(const QString& field) const {
    if (!m_open)
        fatal(QCoreApplication::translate("Recordset", "Table %1 is not open.").arg(m_table));
    if (EOF_())
        fatal(QCoreApplication::translate(
                  "Recordset", "Table %1: no current record for field %2 (the record searched for "
                               "was not found).")
                  .arg(m_table, field));
}

QVariant Recordset::value(const QString& field) const {
    requireCurrent(field);
    return cell(m_current, column(field));
}

QVariant Recordset::cell(int row, int col) const {
    if (!m_readOnly)
        return m_rows[row][col];
    const ReadColumn& c = m_readColumns[col];
    if (c.numbers)
        return QVariant(qlonglong(c.number[row]));
    if (c.texts) {
        const int start = row ? c.textEnd[row - 1] : 0;
        return QVariant(QString(c.text.constData() + start, c.textEnd[row] - start));
    }
    return c.value[row];
}

qint16 Recordset::intValue(const QString& field) const {
    const QVariant v = value(field);
    const std::optional<qlonglong> number = wholeNumber(v);
    if (!number)
        fatal(QCoreApplication::translate(
                  "Recordset", "Table %1, record %2: field %3 holds \"%4\" where a number belongs.")
                  .arg(m_table)
                  .arg(m_current + 1)
                  .arg(field, v.toString()));
    const qlonglong n = *number;
    if (n < -32768 || n > 32767)
        fatal(QCoreApplication::translate(
                  "Recordset", "Table %1, record %2: field %3 holds %4, beyond a 16-bit integer.")
                  .arg(m_table)
                  .arg(m_current + 1)
                  .arg(field)
                  .arg(n));
    return static_cast<qint16>(n);
}

QString Recordset::textValue(const QString& field) const {
    return value(field).toString();
}

void Recordset::setValue(const QString& field, const QVariant& value) {
    requireCurrent(field);
    if (m_readOnly)
        fatal(QCoreApplication::translate("Recordset",
                                          "Table %1 is read-only; field %2 cannot be written.")
                  .arg(m_table, field));
    m_rows[m_current][column(field)] = value;
    m_dirty = true;
}

void Recordset::save() {
    if (!m_dirty)
        return;
    m_dirty = false;
    if (EOF_())
        return;
    if (!m_update) {
        // One prepared statement per table, reused for every save.
        QString sql = QStringLiteral("UPDATE \"%1\" SET ").arg(m_table);
        for (int i = 0; i < m_columns.size(); ++i)
            sql += (i ? QStringLiteral(", \"") : QStringLiteral("\"")) + m_columns[i] +
                   QStringLiteral("\" = ?");
        sql += QStringLiteral(" WHERE rowid = ?");
        auto update = std::make_unique<QSqlQuery>(Database::connection());
        if (!update->prepare(sql))
            check(false, *update,
                  QCoreApplication::translate("Recordset", "Saving a record of table %1")
                      .arg(m_table));
        m_update = std::move(update);
        recordsets().insert(this);
    }
    QSqlQuery& query = *m_update;
    for (int i = 0; i < m_rows[m_current].size(); ++i)
        query.bindValue(i, m_rows[m_current][i]);
    query.bindValue(m_columns.size(), m_rowIds[m_current]);
    check(query.exec(), query,
          QCoreApplication::translate("Recordset", "Saving a record of table %1").arg(m_table));
    if (query.numRowsAffected() != 1)
        fatal(QCoreApplication::translate("Recordset",
                                          "Table %1: record %2 disappeared from the card database.")
                  .arg(m_table)
                  .arg(m_current + 1));
}

} // namespace platform
