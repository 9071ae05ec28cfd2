// The texts are read on the GUI thread and the worker thread at once.
#include "strtab.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QStringList>
#include <QTranslator>

#include <thread>
#include <vector>

namespace {

using namespace StrTable;

QStringList LoadAll() {
    QStringList texts;
    for (int id = 0; id < NUM_STRING_IDS; ++id) texts << LoadStr(id);
    return texts;
}

TEST(StrTableThreads, LoadStrGivesTheSameTextsOnEveryThread) {
    qInitResources_texts();
    InitStrTable();
    QTranslator translator;
    ASSERT_TRUE(translator.load(QStringLiteral(":/deu.qm")));
    ASSERT_TRUE(QCoreApplication::installTranslator(&translator));
    const QStringList expected = LoadAll();
    ASSERT_NE(expected[desc_nmbr_env_preparing],
              QStringLiteral("Nimbra Backup is initializing..."));

    const int kThreads = 4;
    std::vector<QStringList> results(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&results, t] {
            for (int round = 0; round < 50; ++round) results[t] = LoadAll();
        });
    }
    for (int round = 0; round < 50; ++round) EXPECT_EQ(LoadAll(), expected);
    for (std::thread& thread : threads) thread.join();
    for (const QStringList& texts : results) EXPECT_EQ(texts, expected);
    QCoreApplication::removeTranslator(&translator);
}

}  // namespace
