#pragma once

#include <QLocale>

class QCoreApplication;

namespace quorvane {

// Tells fontconfig the system's language as Qt reads it, before the
// application starts: fontconfig reads LANG itself and complains aloud about a
// malformed one, where Qt falls back to English without a word. The language
// also picks the right Han glyphs for Chinese. An FC_LANG the user set stays.
void setFontLanguage();

// Installs the program's and Qt's own translations for the first of the
// system's languages (LANGUAGE, LC_ALL, LANG) that the program speaks, and
// makes that language's number format the default so that the numbers read
// as the words do. Without one the program stays in English and the system's
// number format; nothing is printed either way.
void loadLanguage(QCoreApplication& app, const QLocale& system = QLocale::system());

// The number format for a window in the `spoken` language, when the system's
// own number format is named `numeric` (as in LC_ALL, LC_NUMERIC or LANG):
// that format where it belongs to the same language (de_AT, de_CH), else the
// spoken language's own.
QLocale numberLocale(const QLocale& spoken, const QString& numeric);

}  // namespace quorvane
