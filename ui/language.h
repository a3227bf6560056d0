// The player's language. Kolvar's own texts are Romanian; the desktop's
// languages, in its order of preference, choose a translation: the first
// that is Romanian, or C, keeps the Romanian, and the first that Kolvar is
// translated into is used, with Qt's own translation of its standard texts
// (the OK button). A language without a translation is passed over.
#pragma once

#include <QString>
#include <QStringList>

namespace kolvar {

// The translated languages, by their codes: "de", "en", "es", "fr", "it".
QStringList TranslatedLanguages();

// The code of the translation for `uiLanguages` ("de-DE", "fr", "C", ... as
// QLocale::uiLanguages() gives them), or empty for the Romanian.
QString ChooseLanguage(const QStringList& uiLanguages);

// Puts the translation chosen for `uiLanguages` in place of any installed
// before, and returns its code: empty for the Romanian. Call it before the
// first window is made, or make the windows again.
QString UseLanguage(const QStringList& uiLanguages);

} // namespace kolvar
