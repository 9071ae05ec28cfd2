// The string table's rows and the lookups over them.
#include "strtab.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSet>
#include <QTranslator>

#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <string>

namespace {

using namespace StrTable;

class StrTableTest : public ::testing::Test {
protected:
    void SetUp() override { InitStrTable(); }
};

TEST_F(StrTableTest, KeysFollowTheIdentifiersAndAreUnique) {
    ASSERT_EQ(NUM_STRING_IDS, 174);
    struct Spot {
        StringID id;
        int number;
        const char* key;
    };
    const Spot spots[] = {
        {main_desc_last_upload, 0, "main_desc_last_upload"},
        {app_name, 3, "app_name"},
        {desc_nmbr_env_preparing, 45, "desc_nmbr_env_preparing"},
        {version, 56, "version"},
        {btn_ok, 115, "btn_ok"},
        {desc_nmbr_env_preparation_done, 164, "desc_nmbr_env_preparation_done"},
        {wizard_network_err_sync_folder_warning, 173, "wizard_network_err_sync_folder_warning"},
    };
    for (const Spot& spot : spots) {
        EXPECT_EQ(spot.id, spot.number);
        EXPECT_STREQ(ktab[spot.id], spot.key);
    }

    std::set<std::string> keys;
    std::map<std::string, int> families;
    const QRegularExpression keyShape(QStringLiteral("^[a-z]+(_[a-z]+)*$"));
    for (int i = 0; i < NUM_STRING_IDS; ++i) {
        ASSERT_NE(ktab[i], nullptr) << i;
        EXPECT_TRUE(keyShape.match(QString::fromLatin1(ktab[i])).hasMatch()) << ktab[i];
        keys.insert(ktab[i]);
        for (const char* family : {"wizard_", "err_", "setting_", "btn_", "main_", "msg_",
                                   "connection_", "tray_", "backup_chooser_", "treedialog_"}) {
            if (std::strncmp(ktab[i], family, std::strlen(family)) == 0) ++families[family];
        }
    }
    EXPECT_EQ(keys.size(), 174u);
    const std::map<std::string, int> expected = {
        {"wizard_", 35},        {"err_", 31},      {"setting_", 29},   {"btn_", 19},
        {"main_", 18},          {"msg_", 10},      {"connection_", 8}, {"tray_", 7},
        {"backup_chooser_", 4}, {"treedialog_", 2}};
    EXPECT_EQ(families, expected);
}

TEST_F(StrTableTest, TextsAreDistinctExceptTheSharedPairs) {
    const std::set<std::pair<int, int>> sharedPairs = {{11, 119}, {13, 124},  {17, 161}, {22, 115},
                                                       {40, 70},  {44, 69},   {49, 100}, {63, 131},
                                                       {67, 162}, {117, 173}, {132, 160}};
    std::set<std::pair<int, int>> found;
    QSet<QString> distinct;
    QSet<QString> withPlaceholders;
    const QRegularExpression placeholder(QStringLiteral("%[0-9]"));
    for (int i = 0; i < NUM_STRING_IDS; ++i) {
        ASSERT_NE(stab[i], nullptr) << i;
        const QString text = QString::fromLatin1(stab[i]);
        EXPECT_FALSE(text.isEmpty()) << i;
        for (const QChar c : text) {
            EXPECT_TRUE(c.unicode() >= 0x20 && c.unicode() < 0x7f) << stab[i];
        }
        EXPECT_FALSE(text.contains(QLatin1Char('\\'))) << stab[i];
        distinct.insert(text);
        if (placeholder.match(text).hasMatch()) withPlaceholders.insert(text);
        for (int j = i + 1; j < NUM_STRING_IDS; ++j) {
            if (std::strcmp(stab[i], stab[j]) == 0) found.insert({i, j});
        }
    }
    EXPECT_EQ(distinct.size(), 163);
    EXPECT_EQ(withPlaceholders.size(), 10);
    EXPECT_EQ(found, sharedPairs);
}

TEST_F(StrTableTest, GivenEnglishTexts) {
    const std::map<int, const char*> texts = {
        {app_name, "Nimbra Backup"},
        {desc_nmbr_env_preparing, "Nimbra Backup is initializing..."},
        {desc_nmbr_env_preparation_done, "Nimbra Backup is ready."},
        {main_queue_progress, "%1 / %2"},
        {wizard_client_upgrade_failed, "%1 upgrade failed (error code: %2)."},
        {setting_filter_size_limit_tooltip,
         "Specify the file size between 0-10240000 MB, with 0 MB being unlimited."},
        {connection_enter_otp, "Enter 6-digit code"},
        {btn_ok, "OK"},
        {btn_wizard_readonly_yes, "OK"},
        {btn_cancel, "Cancel"},
    };
    for (const auto& [id, text] : texts) EXPECT_EQ(LoadStr(id), QString::fromLatin1(text)) << id;

    const QString about = LoadStr(msg_about);
    EXPECT_TRUE(about.contains(QStringLiteral("Halvern"))) << about.toStdString();
    EXPECT_EQ(about.count(QStringLiteral("%1")), 1);
    EXPECT_FALSE(about.contains(QStringLiteral("%2")));
}

TEST_F(StrTableTest, InitIsRepeatableAndTablesStartEmpty) {
    const char* textBefore = stab[btn_cancel];
    InitStrTable();
    EXPECT_EQ(stab[btn_cancel], textBefore);

    // Simulate the state before InitStrTable has run.
    std::fill(std::begin(stab), std::end(stab), nullptr);
    std::fill(std::begin(ktab), std::end(ktab), nullptr);
    EXPECT_TRUE(LoadStr(app_name).isEmpty());
    EXPECT_EQ(LookupStrID(QStringLiteral("app_name")), -1);
    InitStrTable();
    EXPECT_EQ(LoadStr(app_name), QStringLiteral("Nimbra Backup"));
}

TEST_F(StrTableTest, IdentifiersOutOfRangeGiveEmptyText) {
    for (int id : {-1, NUM_STRING_IDS, NUM_STRING_IDS + 1, -1000000, 1 << 30}) {
        EXPECT_TRUE(LoadStr(id).isEmpty()) << id;
    }
}

TEST_F(StrTableTest, LookupIgnoresCaseAndFindsEveryKey) {
    for (int i = 0; i < NUM_STRING_IDS; ++i) {
        EXPECT_EQ(LookupStrID(QString::fromLatin1(ktab[i])), i) << ktab[i];
        EXPECT_EQ(LookupStrID(QString::fromLatin1(ktab[i]).toUpper()), i) << ktab[i];
    }
    const std::map<const char*, int> cases = {
        {"btn_ok", 115}, {"BTN_OK", 115}, {"Btn_Ok", 115}, {"app_name", 3},
        {"btn_o", -1},   {"btn_okk", -1}, {"btn_ok ", -1}, {"btn-ok", -1},
        {"", -1},        {"btn_oj", -1},  {"wizard_", -1}, {"version", 56},
    };
    for (const auto& [key, id] : cases) EXPECT_EQ(LookupStrID(QString::fromLatin1(key)), id) << key;
}

// Feeds one fixed translation for the application name's source text.
class FixedTranslator : public QTranslator {
public:
    explicit FixedTranslator(QString text) : text_(std::move(text)) {}
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override {
        seenContext = QString::fromLatin1(context);
        seenDisambiguation = disambiguation != nullptr;
        seenN = n;
        if (qstrcmp(sourceText, "Nimbra Backup") == 0) return text_;
        return QString();
    }
    mutable QString seenContext;
    mutable bool seenDisambiguation = true;
    mutable int seenN = 0;

private:
    QString text_;
};

TEST_F(StrTableTest, EscapesInTranslationsBecomeControlCharacters) {
    struct Case {
        const char* translation;
        const char* expected;
    };
    const Case cases[] = {
        {"one\\ntwo", "one\ntwo"},          {"\\n\\n", "\n\n"},
        {"a\\tb\\tc", "a\tb\tc"},           {"keep \\N and \\T", "keep \\N and \\T"},
        {"mixed\\n\\t\\N", "mixed\n\t\\N"}, {"no escapes", "no escapes"},
        {"trailing\\", "trailing\\"},
    };
    for (const Case& c : cases) {
        FixedTranslator translator(QString::fromLatin1(c.translation));
        ASSERT_TRUE(QCoreApplication::installTranslator(&translator));
        EXPECT_EQ(LoadStr(app_name), QString::fromLatin1(c.expected)) << c.translation;
        EXPECT_EQ(translator.seenContext, QStringLiteral("global"));
        EXPECT_FALSE(translator.seenDisambiguation);
        EXPECT_EQ(translator.seenN, -1);
        // Texts the translator does not know stay English.
        EXPECT_EQ(LoadStr(btn_cancel), QStringLiteral("Cancel"));
        QCoreApplication::removeTranslator(&translator);
    }
    EXPECT_EQ(LoadStr(app_name), QStringLiteral("Nimbra Backup"));
}

}  // namespace
