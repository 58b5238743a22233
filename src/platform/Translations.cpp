#include "platform/Translations.h"

#include "platform/Fonts.h"
#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QSet>
#include <QTranslator>

#include <memory>

namespace platform {

namespace {
const QLatin1String FilePrefix("quorvel_");

struct Installed {
    QString language;
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> qt;
    // The names of the pictures in the language's picture folder, read once
    // for each program folder (a few dozen files).
    QString pictureFolder;
    QSet<QString> pictureNames;
};

Installed& installed() {
    static Installed i;
    return i;
}

const QSet<QString>& languagePictureNames(const QString& folder) {
    Installed& i = installed();
    if (i.pictureFolder != folder) {
        i.pictureFolder = folder;
        const QStringList names = QDir(folder).entryList(QDir::Files);
        i.pictureNames = QSet<QString>(names.begin(), names.end());
    }
    return i.pictureNames;
}

void uninstall() {
    Installed& i = installed();
    for (auto* translator : {&i.program, &i.qt}) {
        if (*translator && QCoreApplication::instance())
            QCoreApplication::removeTranslator(translator->get());
        translator->reset();
    }
    i.language.clear();
    i.pictureFolder.clear();
    i.pictureNames.clear();
}
} // namespace

QString chooseLanguage(const QStringList& preferred, const QStringList& shipped) {
    for (QString name : preferred) {
        // POSIX names carry an encoding or modifier ("de_DE.UTF-8@euro").
        name = name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
        if (name.isEmpty())
            continue;
        if (name == QLatin1String("C") || name == QLatin1String("POSIX"))
            return QString();
        const QLocale wanted(name);
        if (wanted.language() == QLocale::English)
            return QString();
        // QLocale falls back to C for a name it does not know.
        if (wanted.language() == QLocale::C || wanted.language() == QLocale::AnyLanguage)
            continue;
        for (const QString& language : shipped) {
            const QLocale offered(language);
            if (offered.language() == wanted.language() &&
                offered.territory() == wanted.territory())
                return language;
        }
        for (const QString& language : shipped) {
            const QLocale offered(language);
            if (offered.language() == wanted.language() && offered.script() == wanted.script())
                return language;
        }
    }
    return QString();
}

QString translationsFolder() {
    return programFolder() + QStringLiteral("/translations");
}

QStringList shippedLanguages() {
    // Matched by hand rather than by a name filter: a filter is a regular
    // expression, and this runs at every start, before the first window.
    QStringList languages;
    const QStringList files = QDir(translationsFolder()).entryList(QDir::Files, QDir::Name);
    for (const QString& file : files)
        if (file.startsWith(FilePrefix) && file.endsWith(QLatin1String(".qm")) &&
            file.size() > FilePrefix.size() + 3)
            languages << file.mid(FilePrefix.size()).chopped(3);
    return languages;
}

bool useLanguage(const QString& language, const QString& folder) {
    Installed& i = installed();
    if (!language.isEmpty() && language == i.language) {
        // The same translation for a new application object (the command line
        // is read under one of its own).
        for (auto* translator : {i.program.get(), i.qt.get()})
            if (translator) {
                QCoreApplication::removeTranslator(translator);
                QCoreApplication::installTranslator(translator);
            }
        return true;
    }
    uninstall();
    substituteDesignFonts(QString());
    if (language.isEmpty())
        return true;
    auto program = std::make_unique<QTranslator>();
    if (!program->load(FilePrefix + language, folder.isEmpty() ? translationsFolder() : folder))
        return false;
    i.language = language;
    substituteDesignFonts(language);
    QCoreApplication::installTranslator(program.get());
    i.program = std::move(program);
    // Qt's own texts (the command line's help, standard buttons); a language
    // Qt has no translation for keeps them in English.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + language,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        i.qt = std::move(qt);
    }
    return true;
}

void useSystemLanguage() {
    useLanguage(chooseLanguage(QLocale::system().uiLanguages(), shippedLanguages()));
}

QString currentLanguage() {
    return installed().language;
}

QStringList rulesLanguages() {
    // Built in from the documents the build copies into the program folder,
    // so that a missing one is reported rather than replaced by English.
    static const QStringList languages = [] {
        QStringList list =
            QStringLiteral(QUORVEL_RULES_LANGUAGES).split(QLatin1Char(','), Qt::SkipEmptyParts);
        list.sort();
        return list;
    }();
    return languages;
}

QString rulesDocument(const QString& language) {
    if (language.isEmpty() || !rulesLanguages().contains(language))
        return QStringLiteral("\\QorRules.rtf");
    return QStringLiteral("\\rules\\QorRules.%1.rtf").arg(language);
}

QString languagePictureFolder(const QString& language) {
    if (language.isEmpty())
        return {};
    return programFolder() + QStringLiteral("/images/") + language;
}

QString pictureInLanguage(const QString& file) {
    const QString& language = installed().language;
    if (language.isEmpty())
        return file;
    const qsizetype slash = file.lastIndexOf(QLatin1Char('/'));
    const QString folder = file.left(slash + 1);
    const QString name = file.mid(slash + 1);
    if (folder == QLatin1String(":/embedded/")) {
        const QString translated = folder + language + QLatin1Char('/') + name;
        return QFile::exists(translated) ? translated : file;
    }
    if (folder != programFolder() + QStringLiteral("/images/"))
        return file;
    const QString languageFolder = languagePictureFolder(language);
    if (!languagePictureNames(languageFolder).contains(name))
        return file;
    return languageFolder + QLatin1Char('/') + name;
}

} // namespace platform
