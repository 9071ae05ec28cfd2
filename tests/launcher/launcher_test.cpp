// The controller and its dialog: fixed settings, texts in the user's
// language and whole at any font size, the percentage arithmetic, and whole
// runs on the real threads: nothing to upgrade, a failed upgrade, and a user
// who closes the dialog while the worker is still busy.
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QTranslator>
#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <thread>

#include "adapter.h"
#include "launcher.h"
#include "log.h"
#include "nimbra-service.h"
#include "support/test_env.h"
#include "texts/strtab.h"

using nimbra_test::ReadFile;
using nimbra_test::WriteFile;

namespace {

// What happened, in order, on either thread.
class EventLog {
public:
    void Add(const std::string& event) {
        std::lock_guard<std::mutex> lock(mutex_);
        events_.push_back(event);
    }
    std::vector<std::string> events() {
        std::lock_guard<std::mutex> lock(mutex_);
        return events_;
    }

private:
    std::mutex mutex_;
    std::vector<std::string> events_;
};

// A service whose upgrade does what the test says and whose start of the
// client is only recorded.
class FakeService : public Service {
public:
    FakeService(EventLog* log, bool need_upgrade) : log_(log), need_upgrade_(need_upgrade) {}

    std::function<void()> during_upgrade;  // runs on the worker's thread
    int upgrade_result = 0;
    Failure failure = Failure::kNone;

    // Without an upgrade, failure stands for a decision that failed (the
    // machine's version unreadable).
    void PreUpgrade() override {
        layout.app_folder = GetUserNimbraAppInstallPath();
        if (!need_upgrade_) last_failure = failure;
    }
    bool IsNeedUpgrade() override { return need_upgrade_; }
    void StopService() override {}
    int HandlePackageUpgrade() override {
        if (during_upgrade) during_upgrade();
        last_failure = failure;
        return upgrade_result;
    }
    // Takes a moment, as a real start does: a message shown before the
    // start ended would be seen first.
    void PostUpgrade() override {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        log_->Add("client started");
    }
    // Reports as the package's extraction does, through what the worker wired.
    void Written(int percent) const { extract_progress(ExtractStage::kWritten, percent); }

private:
    EventLog* log_;
    bool need_upgrade_;
};

// Sees every widget that is shown or hidden, and every window shown.
class ShowWatcher : public QObject {
public:
    ShowWatcher() { qApp->installEventFilter(this); }
    ~ShowWatcher() override { qApp->removeEventFilter(this); }

    std::function<void(QWidget*)> on_show, on_hide;
    int windows_shown = 0;

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (!object->isWidgetType()) return false;
        QWidget* widget = static_cast<QWidget*>(object);
        if (event->type() == QEvent::Show) {
            if (widget->isWindow()) ++windows_shown;
            if (on_show) on_show(widget);
        } else if (event->type() == QEvent::Hide && on_hide) {
            on_hide(widget);
        }
        return false;
    }
};

// Runs the launcher until it ends the event loop; a guard ends a run that
// never does (false).
bool RunToTheEnd(Launcher& launcher) {
    bool timed_out = false;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] {
        timed_out = true;
        QCoreApplication::quit();
    });
    guard.start(30000);
    launcher.Run();
    launcher.Start();
    EXPECT_EQ(QApplication::exec(), 0);
    return !timed_out;
}

void PressEscape(QWidget* widget) {
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(widget, &esc);
}

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
    EXPECT_EQ(launcher.dialog(), nullptr) << "built only when an upgrade needs it";
    launcher.ShowMsgBox();
    ProcessingProgressDialog* d = launcher.dialog();
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(d->windowTitle(), "Nimbra Backup");
    EXPECT_EQ(d->labelText(), "Nimbra Backup is initializing...");
    EXPECT_EQ(d->bar()->accessibleName(), d->labelText());
    EXPECT_EQ(d->windowFlags(), Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                    Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    EXPECT_EQ(d->minimum(), 0);
    EXPECT_EQ(d->maximum(), 100);
    EXPECT_EQ(d->value(), 0);
    EXPECT_EQ(d->minimumWidth(), 400);
    EXPECT_EQ(d->maximumWidth(), 400);
    EXPECT_EQ(d->minimumHeight(), d->maximumHeight()) << "a fixed size cannot be maximised";
    EXPECT_EQ(d->windowModality(), Qt::WindowModal);
    EXPECT_EQ(d->styleSheet(),
              " QProgressDialog { background-color: WhiteSmoke; \n"
              "  vertical-align: middle } ");
    EXPECT_EQ(d->font().family(), "Arial");
    EXPECT_FALSE(d->font().italic());
    EXPECT_FALSE(d->autoReset());
    EXPECT_TRUE(d->label()->wordWrap());
    EXPECT_TRUE(d->findChildren<QPushButton*>().isEmpty()) << "the cancel button must be gone";

    // A dialog that was built but not presented never shows itself: the
    // base class's show timer is not running.
    ProcessingProgressDialog hidden;
    for (QTimer* timer : hidden.findChildren<QTimer*>()) EXPECT_FALSE(timer->isActive());
    EXPECT_FALSE(hidden.isVisible());
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
        ProcessingProgressDialog dialog;
        EXPECT_EQ(dialog.windowTitle(), "Nimbra Backup") << c.qm;
        EXPECT_EQ(dialog.labelText(), QString::fromUtf8(c.label)) << c.qm;
        QCoreApplication::removeTranslator(&translator);
    }
}

// Every text the dialog can show, in every language, is whole: it wraps
// within the 400 pixels and the dialog grows to hold it, above the bar and
// the button. Also run at QT_FONT_DPI=192 (see CMakeLists.txt).
TEST_F(LauncherTest, DialogHoldsEveryTextInEveryLanguage) {
    using namespace StrTable;
    const QStringList qms = QDir(QStringLiteral(":/")).entryList({QStringLiteral("*.qm")});
    ASSERT_EQ(qms.size(), 20);
    for (const QString& qm : qms) {
        QTranslator translator;
        ASSERT_TRUE(translator.load(QStringLiteral(":/") + qm)) << qm.toStdString();
        QCoreApplication::installTranslator(&translator);
        ProcessingProgressDialog d;
        d.Present();
        if (qEnvironmentVariableIsSet("QT_FONT_DPI")) {
            ASSERT_EQ(d.logicalDpiY(), qEnvironmentVariableIntValue("QT_FONT_DPI"))
                << "the fonts must be larger, not the screen scaled";
        }
        for (StringID id : {desc_nmbr_env_preparing, desc_nmbr_env_preparation_done, upgrade_failed,
                            err_init_failed, err_diskfull}) {
            const QString text = LoadStr(id);
            if (id == desc_nmbr_env_preparing || id == desc_nmbr_env_preparation_done) {
                d.SetText(text);
            } else {
                d.ShowFailure(text);
            }
            QApplication::processEvents();  // the layout follows the resize
            const std::string where = qm.toStdString() + ": " + text.toStdString();
            const QLabel* label = d.label();
            const QRect needed = label->fontMetrics().boundingRect(
                QRect(0, 0, label->width(), 100000), Qt::TextWordWrap | Qt::AlignCenter, text);
            EXPECT_EQ(d.width(), 400) << where;
            EXPECT_LE(needed.width(), label->width()) << where;
            EXPECT_GE(label->height(), label->heightForWidth(label->width())) << where;
            EXPECT_GE(label->height(), needed.height()) << where;
            EXPECT_GE(d.height(), label->heightForWidth(label->width())) << where;
            EXPECT_LE(label->geometry().bottom(), d.bar()->geometry().top()) << where;
            QPushButton* button = d.findChild<QPushButton*>();
            const int bottom = button ? button->geometry().bottom() : d.bar()->geometry().bottom();
            if (button) {
                EXPECT_LE(d.bar()->geometry().bottom(), button->geometry().top()) << where;
            }
            EXPECT_LT(bottom, d.height()) << where;
        }
        QCoreApplication::removeTranslator(&translator);
    }
}

// On a screen of 144 dpi (1.5 times the base 96, screen-144dpi.json) the
// dialog looks as Qt 5 draws it by default: at twice its size, with the
// fonts' DPI left at 96. The environment keeps no DPI rule for the client.
TEST_F(LauncherTest, DialogIsScaledAsQt5ScalesIt) {
    ProcessingProgressDialog d;
    d.Present();
    ASSERT_NE(d.screen(), nullptr);
    if (d.screen()->name() != QLatin1String("offscreen-144dpi"))
        GTEST_SKIP() << "needs the 144-dpi screen (ctest launcher_on_a_144_dpi_screen)";
    EXPECT_EQ(d.devicePixelRatioF(), 2.0);
    EXPECT_EQ(d.logicalDpiY(), 96);
    EXPECT_FALSE(qEnvironmentVariableIsSet("QT_DPI_ADJUSTMENT_POLICY"));
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
    launcher.UpdateProgress(10, 5);  // no dialog yet: nothing to update, nothing built
    EXPECT_EQ(launcher.dialog(), nullptr);
    launcher.ShowMsgBox();
    for (const Case& c : cases) {
        launcher.UpdateProgress(c.total, c.steps);
        EXPECT_EQ(launcher.dialog()->value(), c.value) << c.steps << "/" << c.total;
    }
    // No total yet: a busy bar, and no division by zero; then percentages.
    launcher.UpdateProgress(0, 0);
    EXPECT_EQ(launcher.dialog()->maximum(), 0);
    launcher.UpdateProgress(100, 40);
    EXPECT_EQ(launcher.dialog()->maximum(), 100);
    EXPECT_EQ(launcher.dialog()->value(), 40);
}

// A run with nothing to upgrade (the user's copy is there and the
// machine-wide INFO is missing) and a start script that takes longer than
// the toolkit's 4 s before a progress dialog shows itself: no window at all.
TEST_F(LauncherTest, NothingIsShownWhenNothingIsUpgraded) {
    const std::string app = home() + "/.NimbraBackup/Nimbra.app";
    WriteFile(app + "/INFO", "[Version]\nbuild_version=5\n");
    WriteFile(app + "/bin/nimbra-backup-ui", "#!/bin/sh\n", 0755);
    WriteFile(app + "/package/start-stop", "#!/bin/sh\nsleep 6\necho \"$1\" > \"$HOME/started\"\n",
              0755);
    ShowWatcher watcher;
    Launcher launcher;
    EXPECT_TRUE(RunToTheEnd(launcher));
    EXPECT_EQ(ReadFile(home() + "/started"), "start\n") << "the start script had not finished";
    EXPECT_EQ(watcher.windows_shown, 0);
    EXPECT_EQ(launcher.dialog(), nullptr);
}

// The user closes the dialog during an upgrade, by the title-bar button or
// by Escape: it is hidden, the run goes on to the end (progress, a failure
// and the client's start included), and no window comes back.
TEST_F(LauncherTest, ClosingTheDialogDoesNotEndTheRunEarly) {
    for (const bool escape : {false, true}) {
        SCOPED_TRACE(escape ? "Escape" : "close");
        EventLog log;
        std::atomic<bool> dismissed{false};
        auto service = std::make_unique<FakeService>(&log, true);
        service->upgrade_result = -1;
        service->failure = Service::Failure::kOther;
        const FakeService* fake = service.get();
        service->during_upgrade = [&, fake] {
            for (int i = 0; i < 2000 && !dismissed; ++i) {
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
            fake->Written(50);
            Notify_Adapter::GetInstance().UpdateDialogText(QStringLiteral("still working"));
        };
        Launcher launcher(std::move(service));
        ShowWatcher watcher;
        watcher.on_show = [&](QWidget* widget) {
            if (widget != launcher.dialog()) return;
            QTimer::singleShot(0, widget, [&, widget] {
                escape ? PressEscape(widget) : (void)widget->close();
                dismissed = true;
            });
        };
        EXPECT_TRUE(RunToTheEnd(launcher));
        EXPECT_EQ(log.events(), std::vector<std::string>{"client started"});
        EXPECT_EQ(watcher.windows_shown, 1);
        ASSERT_NE(launcher.dialog(), nullptr);
        EXPECT_FALSE(launcher.dialog()->isVisible());
        EXPECT_EQ(launcher.dialog()->value(), 50) << "the run went on behind the hidden dialog";
    }
}

// A failed upgrade: the client is started first, then the dialog says why
// in the user's language, with a button, until the user closes it (button,
// Escape) or the time is up.
TEST_F(LauncherTest, FailedUpgradeIsShownAfterTheClientStarted) {
    using StrTable::LoadStr;
    enum class End { kButton, kEscape, kTime };
    struct Case {
        Service::Failure failure;
        bool whole_copy;
        StrTable::StringID text;
        End end;
        bool need_upgrade = true;
    } cases[] = {
        {Service::Failure::kOther, true, StrTable::upgrade_failed, End::kButton},
        {Service::Failure::kOther, false, StrTable::err_init_failed, End::kEscape},
        {Service::Failure::kNoSpace, true, StrTable::err_diskfull, End::kTime},
        {Service::Failure::kOther, true, StrTable::upgrade_failed, End::kButton, false},
        // A first installation whose client did not come up has a copy,
        // but nothing the user had before.
        {Service::Failure::kNoClient, true, StrTable::err_init_failed, End::kButton},
    };
    const std::string script = home() + "/.NimbraBackup/Nimbra.app/package/start-stop";
    for (const Case& c : cases) {
        SCOPED_TRACE(LoadStr(c.text).toStdString());
        std::remove(script.c_str());
        if (c.whole_copy) WriteFile(script, "#!/bin/sh\n", 0755);
        EventLog log;
        auto service = std::make_unique<FakeService>(&log, c.need_upgrade);
        service->upgrade_result = -1;
        service->failure = c.failure;
        Launcher launcher(std::move(service));
        ShowWatcher watcher;
        watcher.on_show = [&](QWidget* widget) {
            if (qobject_cast<QPushButton*>(widget) == nullptr) return;
            QTimer::singleShot(0, widget, [&, widget] {
                ProcessingProgressDialog* d = launcher.dialog();
                if (d->isVisible() && d->labelText() == LoadStr(c.text)) log.Add("failure shown");
                if (c.end == End::kButton) static_cast<QPushButton*>(widget)->click();
                if (c.end == End::kEscape) PressEscape(d);
            });
        };
        watcher.on_hide = [&](QWidget* widget) {
            if (widget == launcher.dialog()) log.Add("dialog gone");
        };
        EXPECT_TRUE(RunToTheEnd(launcher));
        EXPECT_EQ(log.events(),
                  (std::vector<std::string>{"client started", "failure shown", "dialog gone"}));
        EXPECT_EQ(launcher.dialog()->labelText(), LoadStr(c.text));
    }
}

}  // namespace
