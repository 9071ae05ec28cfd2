// The controller and its dialog: fixed settings, texts in the user's
// language, the percentage arithmetic, and a whole run on the real threads,
// including a user who closes the dialog while the worker is still busy.
#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>
#include <chrono>

#include "launcher.h"
#include "log.h"
#include "support/test_env.h"
#include "texts/strtab.h"

using nimbra_test::ReadFile;
using nimbra_test::WriteFile;

namespace {

class LauncherTest : public nimbra_test::SandboxTest {
protected:
    void SetUp() override {
        SandboxTest::SetUp();
        qInitResources_texts();
        StrTable::InitStrTable();
    }
};

TEST_F(LauncherTest, DialogHasItsFixedSettings) {
    Launcher launcher;
    ProcessingProgressDialog* d = launcher.dialog();
    EXPECT_EQ(d->windowTitle(), "Nimbra Backup");
    EXPECT_EQ(d->labelText(), "Nimbra Backup is initializing...");
    EXPECT_EQ(d->windowFlags() & ~Qt::WindowType_Mask,
              Qt::WindowTitleHint | Qt::WindowSystemMenuHint);
    EXPECT_EQ(d->minimum(), 0);
    EXPECT_EQ(d->maximum(), 100);
    EXPECT_EQ(d->value(), 0);
    EXPECT_EQ(d->minimumWidth(), 400);
    EXPECT_EQ(d->maximumWidth(), 400);
    EXPECT_EQ(d->windowModality(), Qt::WindowModal);
    EXPECT_EQ(d->styleSheet(),
              " QProgressDialog { background-color: WhiteSmoke; \n"
              "  vertical-align: middle } ");
    EXPECT_EQ(d->font().family(), "Arial");
    EXPECT_FALSE(d->font().italic());
    EXPECT_FALSE(d->autoReset());
    EXPECT_TRUE(d->autoClose());
    EXPECT_EQ(d->minimumDuration(), 4000);
    EXPECT_TRUE(d->findChildren<QPushButton*>().isEmpty()) << "the cancel button must be gone";
    EXPECT_FALSE(d->isVisible());
}

TEST_F(LauncherTest, DialogSpeaksTheInstalledLanguage) {
    struct Case {
        const char* qm;
        const char* label;
    } cases[] = {
        {":/deu.qm", "Nimbra Backup wird initialisiert..."},
        {":/jpn.qm", "Nimbra Backup を初期化しています..."},
        {":/enu.qm", "Nimbra Backup is initializing..."},
    };
    for (const Case& c : cases) {
        QTranslator translator;
        ASSERT_TRUE(translator.load(c.qm)) << c.qm;
        QCoreApplication::installTranslator(&translator);
        Launcher launcher;
        EXPECT_EQ(launcher.dialog()->windowTitle(), "Nimbra Backup") << c.qm;
        EXPECT_EQ(launcher.dialog()->labelText(), QString::fromUtf8(c.label)) << c.qm;
        QCoreApplication::removeTranslator(&translator);
    }
}

TEST_F(LauncherTest, ProgressIsTheTruncatedPercentage) {
    struct Case {
        int total, steps, value;
    } cases[] = {
        {200, 1, 0},
        {200, 2, 1},
        {200, 199, 99},
        {200, 200, 100},
        {3, 1, 33},
        {3, 2, 66},
        {7, 7, 100},
        {100, 100, 100},
        {1, 1, 100},
        {30000, 29999, 99},
        {50000000, 25000000, 50},  // wide enough not to overflow
    };
    Launcher launcher;
    for (const Case& c : cases) {
        launcher.UpdateProgress(c.total, c.steps);
        EXPECT_EQ(launcher.dialog()->value(), c.value) << c.steps << "/" << c.total;
    }
    launcher.UpdateProgress(10, 5);
    launcher.UpdateProgress(0, 3);  // no total: nothing to show, and no division by zero
    EXPECT_EQ(launcher.dialog()->value(), 50);
}

// A whole run on the real threads: nothing to upgrade (the user's copy is
// there and the machine-wide INFO is missing), a start script that takes a
// while, and a user who closes the dialog and presses Escape meanwhile. The
// loop must end only through LaunchDone, after the start script finished.
TEST_F(LauncherTest, ClosingTheDialogDoesNotEndTheRunEarly) {
    const std::string app = home() + "/.NimbraBackup/Nimbra.app";
    WriteFile(app + "/INFO", "[Version]\nbuild_version=5\n");
    WriteFile(app + "/bin/nimbra-backup-ui", "#!/bin/sh\n", 0755);
    WriteFile(app + "/package/start-stop", "#!/bin/sh\nsleep 1\necho \"$1\" > \"$HOME/started\"\n",
              0755);

    Launcher launcher;
    launcher.ShowMsgBox();
    QTimer::singleShot(100, launcher.dialog(), [&] {
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(launcher.dialog(), &esc);
    });
    QTimer::singleShot(200, launcher.dialog(), [&] {
        launcher.ShowMsgBox();
        launcher.dialog()->close();
    });
    // A guard against a run that never ends; it dies with the test.
    bool loop_timed_out = false;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] {
        loop_timed_out = true;
        QCoreApplication::quit();
    });
    guard.start(20000);
    const auto t0 = std::chrono::steady_clock::now();
    launcher.Run();
    launcher.Start();
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(loop_timed_out);
    EXPECT_GE(std::chrono::steady_clock::now() - t0, std::chrono::milliseconds(900));
    EXPECT_EQ(ReadFile(home() + "/started"), "start\n") << "the start script had not finished";
    EXPECT_EQ(launcher.dialog()->value(), 100);
    EXPECT_FALSE(launcher.dialog()->isVisible());
}

}  // namespace
