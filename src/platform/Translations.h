#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// The language the program speaks. The player's languages come from the
// system locale (LANGUAGE, LC_ALL, LC_MESSAGES, LANG, as Qt reads them); the
// first of them that is English, or that the program is translated into,
// wins. English needs no translation: its texts are the program's own.
//
// A language is named like its translation file: "de", "pt_BR", "zh_CN".

// The language chosen for `preferred` (BCP 47 or POSIX names, most wanted
// first) among `shipped`: the same language and territory, else the same
// language in the same script ("pt-PT" takes "pt_BR", "zh-TW" does not take
// "zh_CN"). "" for English, or when nothing preferred is shipped.
QString chooseLanguage(const QStringList& preferred, const QStringList& shipped);

// The folder of the translation files "quorvel_<language>.qm", in the
// program folder.
QString translationsFolder();

// The languages whose translation file lies in translationsFolder(), sorted.
QStringList shippedLanguages();

// Installs the program's translation for `language` from `folder` (by
// default translationsFolder()) and Qt's own for its standard texts into the
// running application, replacing any installed before; "" speaks English
// again. False if the program's file cannot be loaded (the program then
// speaks English).
bool useLanguage(const QString& language, const QString& folder = QString());

// useLanguage() with the language chosen from the system locale.
void useSystemLanguage();

// The language installed by useLanguage(), "" for English.
QString currentLanguage();

// The languages the rules document is translated into, sorted: the program
// folder holds "rules/QorRules.<language>.rtf" for each.
QStringList rulesLanguages();

// The rules document Help shows in `language`, named from the program folder
// the way the designed "\QorRules.rtf" is: the designed English document in
// English and in a language whose rules are not translated,
// "\rules\QorRules.de.rtf" in German.
QString rulesDocument(const QString& language);

// Pictures with words painted into them come in each language beside the
// designed English ones, in a folder named after the language:
// "images/de/NewGameUp.jpg" beside "images/NewGameUp.jpg" in the program
// folder, ":/embedded/de/options.jpg" beside ":/embedded/options.jpg" inside
// the program. The picture to show for `file` (a picture of the program
// folder's images/ or an embedded one): its version in the language in use
// where the language has one, else `file` itself. A language whose folder is
// missing shows the English pictures.
QString pictureInLanguage(const QString& file);

// The folder of the language's pictures in the program folder, "" for English.
QString languagePictureFolder(const QString& language);

} // namespace platform
