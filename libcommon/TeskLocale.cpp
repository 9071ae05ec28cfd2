#include "TeskLocale.h"

#include <QDebug>
#include <QFile>
#include <QLocale>
#include <QMap>

namespace {

// The diagnostics name this module and fixed line numbers; the numbers are
// part of their established text, not the current source lines.
const char kSourcePath[] = "libcommon/TeskLocale";
const int kLineLocaleFirst = 64;
const int kLineLocaleSecond = 80;
const int kLineResult = 138;
const int kLineInstalled = 161;

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

    QMap<QString, QString> byLanguage;
    byLanguage.insert(QStringLiteral("en"), QStringLiteral("enu"));
    byLanguage.insert(QStringLiteral("zh"), QStringLiteral("chs"));
    byLanguage.insert(QStringLiteral("ja"), QStringLiteral("jpn"));
    byLanguage.insert(QStringLiteral("de"), QStringLiteral("deu"));
    byLanguage.insert(QStringLiteral("ko"), QStringLiteral("krn"));
    byLanguage.insert(QStringLiteral("fr"), QStringLiteral("fra"));
    byLanguage.insert(QStringLiteral("it"), QStringLiteral("ita"));
    byLanguage.insert(QStringLiteral("es"), QStringLiteral("esn"));
    byLanguage.insert(QStringLiteral("pt"), QStringLiteral("ptb"));
    byLanguage.insert(QStringLiteral("ru"), QStringLiteral("rus"));
    byLanguage.insert(QStringLiteral("da"), QStringLiteral("dan"));
    byLanguage.insert(QStringLiteral("no"), QStringLiteral("nor"));
    byLanguage.insert(QStringLiteral("nb"), QStringLiteral("nor"));
    byLanguage.insert(QStringLiteral("nn"), QStringLiteral("nor"));
    byLanguage.insert(QStringLiteral("sv"), QStringLiteral("sve"));
    byLanguage.insert(QStringLiteral("nl"), QStringLiteral("nld"));
    byLanguage.insert(QStringLiteral("pl"), QStringLiteral("plk"));
    byLanguage.insert(QStringLiteral("hu"), QStringLiteral("hun"));
    byLanguage.insert(QStringLiteral("tr"), QStringLiteral("trk"));
    byLanguage.insert(QStringLiteral("cs"), QStringLiteral("csy"));

    // Chinese script and European Portuguese depend on the territory, so they
    // are decided on the whole name before the language part is looked at.
    QString result;
    if (qstrLocaleLower == QLatin1String("zh_tw") || qstrLocaleLower == QLatin1String("zh_hk") ||
        qstrLocaleLower == QLatin1String("zh_mo")) {
        result = QStringLiteral("cht");
    }
    if (qstrLocaleLower == QLatin1String("pt") || qstrLocaleLower == QLatin1String("pt_pt")) {
        result = QStringLiteral("ptg");
    }
    if (result.isEmpty()) {
        result = byLanguage.value(qstrDef, byLanguage.value(QStringLiteral("en")));
    }

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
