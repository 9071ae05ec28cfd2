// The translation resources ":/<code>.qm" built from the translation sources.
#include "strtab.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QResource>
#include <QSet>
#include <QStringList>
#include <QTranslator>

#include <string>
#include <vector>

namespace {

using namespace StrTable;

const std::vector<std::string> kCodes = {"chs", "cht", "csy", "dan", "deu", "enu", "esn",
                                         "fra", "hun", "ita", "jpn", "krn", "nld", "nor",
                                         "plk", "ptb", "ptg", "rus", "sve", "trk"};

QString ResourceName(const std::string& code) {
    return QStringLiteral(":/") + QString::fromStdString(code) + ".qm";
}

quint32 Read32(const QByteArray& data, int at) {
    const auto* p = reinterpret_cast<const uchar*>(data.constData()) + at;
    return (quint32(p[0]) << 24) | (quint32(p[1]) << 16) | (quint32(p[2]) << 8) | quint32(p[3]);
}

// The number of messages in a compiled translation file, or -1 if its layout
// is not understood. Counts the records of the messages section.
int CountQmMessages(const QByteArray& qm) {
    const int kMagicLength = 16;
    const uchar kMessagesTag = 0x69;
    int at = kMagicLength;
    while (at + 5 <= qm.size()) {
        const uchar tag = uchar(qm[at]);
        const quint32 length = Read32(qm, at + 1);
        at += 5;
        if (length > quint32(qm.size() - at)) return -1;
        if (tag != kMessagesTag) {
            at += int(length);
            continue;
        }
        const int end = at + int(length);
        int count = 0;
        while (at < end) {
            const uchar field = uchar(qm[at++]);
            switch (field) {
                case 1:  // end of a message
                    ++count;
                    break;
                case 3:  // translation
                case 6:  // source text
                case 7:  // context
                case 8:  // comment
                {
                    if (at + 4 > end) return -1;
                    quint32 size = Read32(qm, at);
                    at += 4;
                    if (size == 0xffffffffu) size = 0;  // a null string
                    if (size > quint32(end - at)) return -1;
                    at += int(size);
                    break;
                }
                case 5:  // obsolete field with a 32-bit payload
                    at += 4;
                    break;
                default:
                    return -1;
            }
        }
        return count;
    }
    return 0;
}

// The distinct English texts, in table order.
QStringList DistinctTexts() {
    InitStrTable();
    QStringList texts;
    for (int i = 0; i < NUM_STRING_IDS; ++i) {
        const QString text = QString::fromLatin1(stab[i]);
        if (!texts.contains(text)) texts << text;
    }
    return texts;
}

class TranslationResourcesTest : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        qInitResources_texts();
        InitStrTable();
    }
};

TEST_P(TranslationResourcesTest, StoredUncompressedAndLoadable) {
    const QString name = ResourceName(GetParam());
    ASSERT_TRUE(QFile::exists(name)) << name.toStdString();
    QResource resource(name);
    ASSERT_TRUE(resource.isValid());
    EXPECT_EQ(resource.compressionAlgorithm(), QResource::NoCompression);

    QTranslator translator;
    ASSERT_TRUE(translator.load(name, QString(), QString(), QString()));
    EXPECT_FALSE(translator.isEmpty());
}

TEST_P(TranslationResourcesTest, LauncherTextsAreTranslated) {
    const std::string code = GetParam();
    QTranslator translator;
    ASSERT_TRUE(translator.load(ResourceName(code)));
    ASSERT_TRUE(QCoreApplication::installTranslator(&translator));

    // The product name is never translated.
    EXPECT_EQ(LoadStr(app_name), QStringLiteral("Nimbra Backup"));
    EXPECT_EQ(translator.translate("global", "Nimbra Backup"), QStringLiteral("Nimbra Backup"));
    for (int id : {desc_nmbr_env_preparing, desc_nmbr_env_preparation_done}) {
        const QString translated = translator.translate("global", stab[id]);
        ASSERT_FALSE(translated.isEmpty()) << code << " " << stab[id];
        EXPECT_EQ(LoadStr(id), translated);
        if (code == "enu") {
            EXPECT_EQ(translated, QString::fromLatin1(stab[id]));
        } else {
            EXPECT_NE(translated, QString::fromLatin1(stab[id])) << code;
            EXPECT_TRUE(translated.contains(QStringLiteral("Nimbra Backup")))
                << code << ": " << translated.toStdString();
        }
    }
    // Rows that share an English text come back alike in every language.
    EXPECT_EQ(LoadStr(btn_ok), LoadStr(btn_wizard_readonly_yes));
    EXPECT_EQ(LoadStr(err_network), LoadStr(wizard_network_err_sync_folder_warning));
    QCoreApplication::removeTranslator(&translator);
}

// Passes once every translation of the language is finished: unfinished
// translations are left out of the compiled file.
TEST_P(TranslationResourcesTest, HoldsAllMessages) {
    const std::string code = GetParam();
    QFile file(ResourceName(code));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(CountQmMessages(file.readAll()), 163) << code;

    QTranslator translator;
    ASSERT_TRUE(translator.load(ResourceName(code)));
    QStringList missing;
    for (const QString& text : DistinctTexts()) {
        if (translator.translate("global", text.toLatin1().constData()).isEmpty()) missing << text;
    }
    EXPECT_TRUE(missing.isEmpty()) << code << ": " << missing.size()
                                   << " untranslated, first: " << missing.value(0).toStdString();
}

// A translation that loses or invents a placeholder would show a raw "%1" or
// drop the caller's value.
TEST_P(TranslationResourcesTest, TranslationsKeepThePlaceholders) {
    const std::string code = GetParam();
    QTranslator translator;
    ASSERT_TRUE(translator.load(ResourceName(code)));
    const QRegularExpression placeholder(QStringLiteral("%[0-9]"));
    auto placeholders = [&placeholder](const QString& text) {
        QStringList found;
        for (auto it = placeholder.globalMatch(text); it.hasNext();) found << it.next().captured();
        found.sort();
        return found;
    };
    for (const QString& text : DistinctTexts()) {
        const QString translated = translator.translate("global", text.toLatin1().constData());
        if (translated.isEmpty()) continue;  // reported by HoldsAllMessages
        EXPECT_EQ(placeholders(translated), placeholders(text))
            << code << ": " << translated.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(AllLanguages, TranslationResourcesTest, ::testing::ValuesIn(kCodes),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             return info.param;
                         });

TEST(TranslationResources, EnglishTranslatesEveryTextToItself) {
    qInitResources_texts();
    QTranslator translator;
    ASSERT_TRUE(translator.load(QStringLiteral(":/enu.qm")));
    for (const QString& text : DistinctTexts()) {
        EXPECT_EQ(translator.translate("global", text.toLatin1().constData()), text);
    }
}

TEST(TranslationResources, OnlyTheTwentyLanguagesAtTheRoot) {
    qInitResources_texts();
    const QStringList children =
        QDir(QStringLiteral(":/")).entryList({QStringLiteral("*.qm")}, QDir::Files);
    const QSet<QString> qmFiles(children.begin(), children.end());
    QSet<QString> expected;
    for (const std::string& code : kCodes) expected.insert(QString::fromStdString(code + ".qm"));
    EXPECT_EQ(qmFiles, expected);
}

TEST(TranslationResources, RegisteringTwiceChangesNothing) {
    EXPECT_EQ(qInitResources_texts(), 1);
    EXPECT_EQ(qInitResources_texts(), 1);
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/enu.qm")));
}

}  // namespace
