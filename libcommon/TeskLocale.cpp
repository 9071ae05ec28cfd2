#include "TeskLocale.h"

#include <QDebug>
#include <QFile>
#include <QLocale>

namespace {

// The diagnostics name this module and fixed line numbers; the numbers are
// part of their established text, not the current source lines.
const char kSourcePath[] = "libcommon/TeskLocale";
const int kLineLocaleFirst = 64;
const int kLineLocaleSecond = 80;
const int kLineResult = 138;
const int kLineInstalled = 161;

// The three-letter code of the lower-case locale name, whose language part
// (before any '_') is language; English for a language without one.
QString LanguageCodeOf(const QString& locale, const QString& language) {
    // Chinese script and European Portuguese depend on the territory, so they
    // are decided on the whole name before the language part is looked at.
    if (locale == QLatin1String("zh_tw") || locale == QLatin1String("zh_hk") ||
        locale == QLatin1String("zh_mo")) {
        return QStringLiteral("cht");
    }
    if (locale == QLatin1String("pt") || locale == QLatin1String("pt_pt")) {
        return QStringLiteral("ptg");
    }
    static const struct {
        const char* language;
        const char* code;
    } kCodes[] = {
        {"en", "enu"}, {"zh", "chs"}, {"ja", "jpn"}, {"de", "deu"}, {"ko", "krn"},
        {"fr", "fra"}, {"it", "ita"}, {"es", "esn"}, {"pt", "ptb"}, {"ru", "rus"},
        {"da", "dan"}, {"no", "nor"}, {"nb", "nor"}, {"nn", "nor"}, {"sv", "sve"},
        {"nl", "nld"}, {"pl", "plk"}, {"hu", "hun"}, {"tr", "trk"}, {"cs", "csy"},
    };
    for (const auto& c : kCodes) {
        if (language == QLatin1String(c.language)) return QLatin1String(c.code);
    }
    return QStringLiteral("enu");
}

}  // namespace

const char* const TeskLocale::grgszLanguages[21] = {
    "enu", "cht", "chs", "jpn", "deu", "krn", "fra", "ita", "esn", "ptb",   "rus",
    "dan", "nor", "sve", "nld", "plk", "hun", "ptg", "trk", "csy", nullptr,
};

const QString TeskLocale::qstrLanguageFallSafe = QStringLiteral("enu");

QString TeskLocale::getDefaultLanguage() {
    return getDefaultLanguage(QLocale::system().name());
}

QString TeskLocale::getDefaultLanguage(const QString& localeName) {
    const QString qstrLocaleLower = localeName.toLower();
    qDebug("%s:%d %s=[%s\n] ", kSourcePath, kLineLocaleFirst, "qPrintable(qstrLocaleLower)",
           qPrintable(qstrLocaleLower));
    qDebug("%s:%d %s=[%s] ", kSourcePath, kLineLocaleSecond, "qPrintable(qstrLocaleLower)",
           qPrintable(qstrLocaleLower));

    QString qstrDef = qstrLocaleLower;
    const int underscore = qstrDef.indexOf(QLatin1Char('_'));
    if (underscore >= 0) qstrDef.truncate(underscore);

    QString result = LanguageCodeOf(qstrLocaleLower, qstrDef);
    if (!isLanguageInstalled(result)) result = qstrLanguageFallSafe;

    qDebug("%s:%d %s=[%s\n] ", kSourcePath, kLineResult, "qPrintable(qstrDef)", qPrintable(result));
    return result;
}

bool TeskLocale::isLanguageInstalled(const QString& code) {
    const QString qstrLangFileName = QStringLiteral(":/") + code + QStringLiteral(".qm");
    if (!QFile::exists(qstrLangFileName)) return false;
    qDebug("%s:%d %s=[%s] ", kSourcePath, kLineInstalled, "qPrintable(qstrLangFileName)",
           qPrintable(qstrLangFileName));
    return true;
}

QString TeskLocale::getStrLanguageFallSafe() {
    return qstrLanguageFallSafe;
}

QString TeskLocale::getLanguageAbbrByID(int id) {
    if (id < 0 || id > 20) return QString();
    return QString::fromLatin1(grgszLanguages[id]);
}

QStringList TeskLocale::getSupportedLanguages() {
    QStringList codes;
    for (const char* const* code = grgszLanguages; *code != nullptr; ++code) {
        codes << QString::fromLatin1(*code);
    }
    return codes;
}
