// The choice of display language from the locale name.
#include "TeskLocale.h"
#include "strtab.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QSet>
#include <QStringList>

#include <climits>
#include <string>
#include <vector>

namespace {

void DropDebugOutput(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtDebugMsg) qt_message_output(type, context, message);
}

// The diagnostics of every choice would flood the test output; they are
// checked once, in WritesItsDiagnostics.
class TeskLocaleTest : public ::testing::Test {
protected:
    void SetUp() override {
        qInitResources_texts();
        previous_ = qInstallMessageHandler(DropDebugOutput);
    }
    void TearDown() override { qInstallMessageHandler(previous_); }

private:
    QtMessageHandler previous_ = nullptr;
};

TEST_F(TeskLocaleTest, LocaleNamesMapToLanguageCodes) {
    struct Case {
        const char* locale;
        const char* code;
    };
    const Case cases[] = {
        // Chinese: the territory picks the script.
        {"zh_TW", "cht"},
        {"zh_HK", "cht"},
        {"zh_MO", "cht"},
        {"zh_CN", "chs"},
        {"zh_SG", "chs"},
        {"zh", "chs"},
        {"ZH_tw", "cht"},
        {"zh_TW_x", "chs"},
        // Portuguese: Portugal and the bare language are European.
        {"pt_PT", "ptg"},
        {"pt", "ptg"},
        {"PT_pt", "ptg"},
        {"pt_BR", "ptb"},
        {"pt_AO", "ptb"},
        // Norwegian in all its spellings.
        {"nb_NO", "nor"},
        {"nn_NO", "nor"},
        {"no_NO", "nor"},
        // English and everything unknown.
        {"en_GB", "enu"},
        {"en_US", "enu"},
        {"C", "enu"},
        {"POSIX", "enu"},
        {"el_GR", "enu"},
        {"", "enu"},
        {"_de", "enu"},
        {"xx_DE", "enu"},
        // The rest of the language table.
        {"ja_JP", "jpn"},
        {"de_DE", "deu"},
        {"de_AT", "deu"},
        {"de", "deu"},
        {"ko_KR", "krn"},
        {"fr_CA", "fra"},
        {"it_IT", "ita"},
        {"es_MX", "esn"},
        {"ru_RU", "rus"},
        {"da_DK", "dan"},
        {"sv_SE", "sve"},
        {"nl_BE", "nld"},
        {"pl_PL", "plk"},
        {"hu_HU", "hun"},
        {"tr_TR", "trk"},
        {"cs_CZ", "csy"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TeskLocale::getDefaultLanguage(QString::fromLatin1(c.locale)),
                  QString::fromLatin1(c.code))
            << c.locale;
    }
}

TEST_F(TeskLocaleTest, FollowsTheSystemLocaleNotTheDefaultLocale) {
    const QLocale saved;
    const bool systemIsGerman = QLocale::system().name().startsWith(QLatin1String("de"));
    QLocale::setDefault(
        QLocale(systemIsGerman ? QStringLiteral("fr_FR") : QStringLiteral("de_DE")));
    EXPECT_EQ(TeskLocale::getDefaultLanguage(),
              TeskLocale::getDefaultLanguage(QLocale::system().name()));
    QLocale::setDefault(saved);
}

TEST_F(TeskLocaleTest, MissingTranslationFallsBackToEnglish) {
    EXPECT_TRUE(TeskLocale::isLanguageInstalled(QStringLiteral("deu")));
    EXPECT_FALSE(TeskLocale::isLanguageInstalled(QStringLiteral("xyz")));
    EXPECT_FALSE(TeskLocale::isLanguageInstalled(QString()));
    EXPECT_FALSE(TeskLocale::isLanguageInstalled(QStringLiteral("DEU")));

    qCleanupResources_texts();
    EXPECT_FALSE(TeskLocale::isLanguageInstalled(QStringLiteral("deu")));
    EXPECT_EQ(TeskLocale::getDefaultLanguage(QStringLiteral("de_DE")), QStringLiteral("enu"));
    EXPECT_EQ(TeskLocale::getDefaultLanguage(QStringLiteral("zh_TW")), QStringLiteral("enu"));
    qInitResources_texts();
    EXPECT_EQ(TeskLocale::getDefaultLanguage(QStringLiteral("de_DE")), QStringLiteral("deu"));
}

std::vector<std::string> g_messages;

void Capture(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtDebugMsg && qstrcmp(context.category, "default") == 0) {
        g_messages.push_back(message.toStdString());
    }
}

TEST_F(TeskLocaleTest, WritesItsDiagnostics) {
    g_messages.clear();
    QtMessageHandler previous = qInstallMessageHandler(Capture);
    TeskLocale::getDefaultLanguage(QStringLiteral("pt_BR"));
    qInstallMessageHandler(previous);
    const std::vector<std::string> expected = {
        "libcommon/TeskLocale:64 qPrintable(qstrLocaleLower)=[pt_br\n] ",
        "libcommon/TeskLocale:80 qPrintable(qstrLocaleLower)=[pt_br] ",
        "libcommon/TeskLocale:161 qPrintable(qstrLangFileName)=[:/ptb.qm] ",
        "libcommon/TeskLocale:138 qPrintable(qstrDef)=[ptb\n] ",
    };
    EXPECT_EQ(g_messages, expected);

    // A missing resource is not reported, and the last line names the fallback.
    g_messages.clear();
    previous = qInstallMessageHandler(Capture);
    qCleanupResources_texts();
    TeskLocale::getDefaultLanguage(QStringLiteral("C"));
    qInitResources_texts();
    qInstallMessageHandler(previous);
    const std::vector<std::string> fallback = {
        "libcommon/TeskLocale:64 qPrintable(qstrLocaleLower)=[c\n] ",
        "libcommon/TeskLocale:80 qPrintable(qstrLocaleLower)=[c] ",
        "libcommon/TeskLocale:138 qPrintable(qstrDef)=[enu\n] ",
    };
    EXPECT_EQ(g_messages, fallback);
}

TEST_F(TeskLocaleTest, LanguageCodesByIdentifier) {
    struct Case {
        int id;
        const char* code;
    };
    const Case cases[] = {{0, "enu"},  {1, "cht"},    {2, "chs"},   {9, "ptb"}, {12, "nor"},
                          {17, "ptg"}, {19, "csy"},   {20, ""},     {21, ""},   {-1, ""},
                          {100, ""},   {INT_MIN, ""}, {INT_MAX, ""}};
    for (const Case& c : cases) {
        EXPECT_EQ(TeskLocale::getLanguageAbbrByID(c.id), QString::fromLatin1(c.code)) << c.id;
    }
    EXPECT_EQ(TeskLocale::getStrLanguageFallSafe(), QStringLiteral("enu"));
}

TEST_F(TeskLocaleTest, SupportedLanguagesAreTheTwentyInstalledCodes) {
    const QStringList codes = TeskLocale::getSupportedLanguages();
    ASSERT_EQ(codes.size(), 20);
    EXPECT_EQ(codes.first(), QStringLiteral("enu"));
    EXPECT_EQ(codes.last(), QStringLiteral("csy"));
    EXPECT_EQ(QSet<QString>(codes.begin(), codes.end()).size(), 20);
    for (int i = 0; i < codes.size(); ++i) {
        EXPECT_EQ(codes[i], TeskLocale::getLanguageAbbrByID(i));
        EXPECT_TRUE(TeskLocale::isLanguageInstalled(codes[i])) << codes[i].toStdString();
    }
}

}  // namespace
