// TeskLocale: chooses the language of the launcher's texts from the system
// locale, among the twenty translations built into the program's resources.
#ifndef NIMBRA_LIBCOMMON_TESKLOCALE_H
#define NIMBRA_LIBCOMMON_TESKLOCALE_H

#include <QString>
#include <QStringList>

class TeskLocale {
public:
    TeskLocale() = delete;

    // The three-letter language code for the system locale
    // (QLocale::system().name()); "enu" when that code has no translation in
    // the resources. Writes diagnostics to qDebug.
    static QString getDefaultLanguage();
    // The same choice for the given locale name (language_TERRITORY, or C).
    static QString getDefaultLanguage(const QString& localeName);

    // True when the resource ":/" + code + ".qm" exists.
    static bool isLanguageInstalled(const QString& code);

    // The code used when the chosen translation is missing: "enu".
    static QString getStrLanguageFallSafe();

    // The code whose language identifier is id (0 "enu" ... 19 "csy"); empty
    // for 20 and for any other value outside 0..19.
    static QString getLanguageAbbrByID(int id);

    // The twenty supported codes in identifier order.
    static QStringList getSupportedLanguages();

private:
    // Indexed by language identifier; the last entry is null.
    static const char* const grgszLanguages[21];
    static const QString qstrLanguageFallSafe;
};

#endif  // NIMBRA_LIBCOMMON_TESKLOCALE_H
