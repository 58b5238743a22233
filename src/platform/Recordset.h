#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>
#include <optional>
#include <vector>

class QSqlQuery;

namespace platform {

// The one connection to the card database file. Every recordset of the
// program works through it; changes are written as they are saved, so other
// programs reading the file see them at once.
class Database {
  public:
    // Opens `file` for reading and writing; a failure is fatal.
    static void open(const QString& file);
    static bool isOpen();
    static QSqlDatabase connection();
    static QString fileName();
    static void close();
    // Closes the file at once, even under queries still running (the program
    // is about to end).
    static void closeFile();

    // Saves made while a group is open reach the file in one commit when the
    // outermost group ends; flush() commits what is pending at once.
    static void beginGroup();
    static void endGroup();
    static void flush();

    // Drops what a failed operation has not yet committed, as the end of the
    // program after a fatal report does: the saves of the open group are
    // rolled back and unsaved record changes are forgotten. The operation is
    // undone as a whole.
    static void abandon();
};

// Groups the saves of one procedure into one commit, so that its changes
// reach the file together and by the time it returns.
class SaveGroup {
  public:
    SaveGroup() { Database::beginGroup(); }
    ~SaveGroup() { Database::endGroup(); }
    SaveGroup(const SaveGroup&) = delete;
    SaveGroup& operator=(const SaveGroup&) = delete;
};

// The whole number a field value stands for, as searches and intValue() read
// it: an integer, a real or a text that converts; nothing for NULL or a text
// that is no number. The start-up check reads the file with this too, so that
// it accepts exactly what play can read.
std::optional<qlonglong> wholeNumber(const QVariant& value);

// Recordset over one table of the card database. Keeps a current record,
// searches forward from it, and writes changes back when the cursor moves
// or the table closes. Reading a field while positioned after the last
// record (a search that found nothing) is fatal, as is any failed operation.
class Recordset {
  public:
    Recordset();
    ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    void open(const QString& table, bool readOnly);
    void close();
    bool isOpen() const { return m_open; }
    const QString& table() const { return m_table; }

    void MoveFirst();
    // Searches forward from the current record, the current one included,
    // for the first record satisfying "<field> = <number>".
    void Find(const QString& criterion);
    bool EOF_() const { return m_current >= recordCount(); }
    int recordCount() const { return static_cast<int>(m_rowIds.size()); }
    int position() const { return m_current; }

    QVariant value(const QString& field) const;
    qint16 intValue(const QString& field) const;
    QString textValue(const QString& field) const;
    void setValue(const QString& field, const QVariant& value);
    bool hasField(const QString& field) const { return m_columns.contains(field); }

  private:
    int column(const QString& field) const;
    QVariant cell(int row, int col) const;
    void requireCurrent(const QString& field) const;
    void save();
    friend class Database;
    void forgetStatement();
    void forgetChanges() { m_dirty = false; }

    QString m_table;
    bool m_open = false;
    bool m_readOnly = true;
    QStringList m_columns;
    std::vector<qint64> m_rowIds;
    // A table open for writing keeps its records as rows of values.
    std::vector<QVariantList> m_rows;
    // A read-only one (the card list: hundreds of records, read on every
    // draw) keeps them by columns: a column of whole numbers as plain
    // numbers, a column of texts as one text with where each ends, any other
    // as its values. A row of values takes several times the memory of the
    // numbers it holds, and a text of its own each takes about three times
    // its characters (the card list's names, elements and picture paths).
    struct ReadColumn {
        bool numbers = true; // every value read so far a whole number
        bool texts = true;   // every value read so far a text (not nothing)
        std::vector<qint64> number;
        QString text;
        std::vector<int> textEnd;
        QVariantList value;
    };
    static void keepAsValues(ReadColumn& c);
    std::vector<ReadColumn> m_readColumns;
    int m_current = 0;
    bool m_dirty = false;
    std::unique_ptr<QSqlQuery> m_update;
};

} // namespace platform
