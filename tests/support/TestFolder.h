#pragma once

#include <QList>
#include <QString>
#include <QTemporaryDir>

// A fresh copy of the program folder for one test: its own card database and
// rules documents, with the picture folders linked from the build (or copied,
// for tests that damage a picture). Makes itself the program folder.
class TestFolder {
  public:
    enum class Pictures { Linked, Copied };
    explicit TestFolder(Pictures pictures = Pictures::Linked);
    ~TestFolder();

    QString path() const { return m_dir.path(); }
    QString file(const QString& relative) const { return m_dir.filePath(relative); }
    bool isValid() const { return m_dir.isValid(); }

    // Runs SQL on the test's database through a connection of its own.
    bool exec(const QString& sql) const;
    // The first column of the first row of `sql`.
    QVariant query(const QString& sql) const;
    // The owners of the nine board squares as the file holds them, square 1 first.
    QList<int> boardOwners() const;

  private:
    QTemporaryDir m_dir;
};

// Every fatal report becomes a platform::FatalError exception while this lives.
// Like the program's own report, it first undoes the failed operation as a
// whole (Database::abandon), so tests see the file the program leaves behind.
class FatalCatcher {
  public:
    FatalCatcher();
    ~FatalCatcher();
};
