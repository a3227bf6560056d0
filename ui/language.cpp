// Choosing and installing the translation.
#include "ui/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace kolvar {
namespace {

// Where the build puts the translations, compiled and embedded.
const QString kTranslations = QStringLiteral(":/i18n");
const QString kPrefix = QStringLiteral("kolvar_");
// The name that marks the translators installed here, to find them again.
const QString kInstalled = QStringLiteral("kolvar-language");

void install(const QString& file, const QString& folder)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    translator->setObjectName(kInstalled);
    if (translator->load(file, folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator; // Qt has no translation of its own for every language
}

} // namespace

QStringList TranslatedLanguages()
{
    QStringList codes;
    for (const QString& file : QDir(kTranslations).entryList({kPrefix + "*.qm"}, QDir::Files))
        codes << file.mid(kPrefix.size()).chopped(3);
    return codes;
}

QString ChooseLanguage(const QStringList& uiLanguages)
{
    const QStringList translated = TranslatedLanguages();
    for (const QString& tag : uiLanguages) {
        const QLocale::Language language = QLocale(tag).language();
        if (language == QLocale::C || language == QLocale::Romanian)
            return {};
        const QString code = QLocale::languageToCode(language);
        if (translated.contains(code))
            return code;
    }
    return {};
}

QString UseLanguage(const QStringList& uiLanguages)
{
    for (QTranslator* old : QCoreApplication::instance()->findChildren<QTranslator*>(kInstalled)) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    const QString code = ChooseLanguage(uiLanguages);
    if (!code.isEmpty()) {
        install(kPrefix + code, kTranslations);
        install("qtbase_" + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
    return code;
}

} // namespace kolvar
