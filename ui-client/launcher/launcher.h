// The launcher's controller: runs the per-user installation service on a
// background thread and, only when the user's copy of the client must be
// prepared, shows a small progress dialog. The two threads meet only through
// queued signals; ownership runs strictly downwards (Launcher -> Worker,
// dialog; Worker -> thread, service).
#ifndef NIMBRA_LAUNCHER_LAUNCHER_H
#define NIMBRA_LAUNCHER_LAUNCHER_H

#include <QObject>
#include <QProgressDialog>
#include <QString>
#include <QThread>
#include <QTimer>
#include <memory>

class QCloseEvent;
class QLabel;
class QProgressBar;
class QPushButton;
class Service;

// Scales windows for the screen's DPI as Qt 5.15 does by default, under Qt 5
// and 6 alike: by the screen's factor rounded to a whole number (Qt 6 would
// pass 1.5 through), with the fonts' DPI raised to make up for a factor
// rounded down but not lowered for one rounded up (Qt 6 lowers it), and with
// pixmaps at the device's resolution (always so in Qt 6). Prepare() before
// the application object is built, Restore() after it: Qt 6 is given its DPI
// rule through the environment, which the client started later must not
// inherit. A rule the user set in the environment is kept.
class DisplayScaling {
public:
    void Prepare();
    void Restore();

private:
    bool policy_set_ = false;
};

// The thread the worker lives on; run() is its own event loop.
class HandlerThread : public QThread {
    Q_OBJECT

public:
    HandlerThread();
    ~HandlerThread() override;

protected:
    void run() override;
};

// The progress dialog: a dialog window with a title and a close button, 400
// pixels wide, whose height follows its wrapped label text. It shows itself
// only through Present(): the base class's own show timer is stopped and its
// value is never set through QProgressDialog::setValue. Closing it (the
// title-bar button, Escape, or the button of a failure) only hides it, for
// good.
class ProcessingProgressDialog : public QProgressDialog {
    Q_OBJECT

public:
    ProcessingProgressDialog();
    ~ProcessingProgressDialog() override;

    // Shows the dialog, unless the user has dismissed it.
    void Present();
    // Replaces the label text, which is also the bar's accessible name, and
    // fits the height to it.
    void SetText(const QString& text);
    // total <= 0: the amount of work is not known, the bar shows that it is
    // busy. Otherwise the bar shows steps * 100 / total percent.
    void SetProgress(int total, int steps);
    // Shows text as a failure, with a button that dismisses the dialog; the
    // bar stops where it was.
    void ShowFailure(const QString& text);

    bool dismissed() const { return m_dismissed; }
    // For inspection by tests.
    QLabel* label() const { return m_label; }
    QProgressBar* bar() const { return m_bar; }

signals:
    // The user closed the dialog; emitted once.
    void sigDismissed();

public slots:
    // Escape.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Dismiss();
    void FitHeight();

    QLabel* m_label;  // owned through the widget tree, like the two below
    QProgressBar* m_bar;
    QPushButton* m_button = nullptr;
    bool m_dismissed = false;
};

// Drives the service on the handler thread.
class Worker : public QObject {
    Q_OBJECT

public:
    Worker();
    // Drives the given service instead of a LinuxService.
    explicit Worker(std::unique_ptr<Service> service);
    ~Worker() override;

    // Starts the handler thread; the worker lives there from now on. false
    // when no thread could be made (the task limit reached).
    bool StartThread();
    // Asks the handler thread's event loop to quit.
    void QuitThread();
    // Waits, without a time limit, until the handler thread has finished.
    void JoinThread();

signals:
    void sigServiceDone();
    void sigShowMsg();
    void sigUpdateProgress(int total, int steps);
    void sigSetLabelText(const QString& label);
    // The upgrade failed; text says so in the user's language. Emitted after
    // the client was started, just before sigServiceDone.
    void sigShowFailure(const QString& text);

private slots:
    // One whole run of the service; emits sigServiceDone as its last act.
    void HandleServicce();

private:
    friend class Launcher;  // connects sigStart to the private slot

    std::unique_ptr<HandlerThread> m_handler_thread;
    std::unique_ptr<Service> m_service;
};

// Lives on the GUI thread; created by main() after the application object,
// the logger and the translation.
class Launcher : public QObject {
    Q_OBJECT

public:
    Launcher();
    // Runs the given service instead of a LinuxService.
    explicit Launcher(std::unique_ptr<Service> service);
    ~Launcher() override;

    // The two names are fixed by the documented interface and read the
    // wrong way round: Run() does not run the service, it only starts the
    // worker's thread; Start() is what runs the service.
    //
    // Starts the worker's thread.
    void Run();
    // Runs the service: queues the run to the worker's thread, or, when that
    // thread could not be made, to this thread's event loop.
    void Start();

    // The dialog, for inspection by tests; null until an upgrade showed it.
    ProcessingProgressDialog* dialog() const { return m_progress.get(); }

    // How long a failure stays on screen unless the user closes it.
    static constexpr int kFailureShownMs = 5000;

signals:
    void sigStart();

public slots:
    // The worker is done: joins its thread, then ends the event loop, or,
    // while a failure is on screen, leaves it there for kFailureShownMs or
    // until the user closes it.
    void LaunchDone();
    // Passes the progress to the dialog (see SetProgress); ignored while no
    // dialog was shown.
    void UpdateProgress(int total, int steps);
    // Replaces the dialog's text; ignored while no dialog was shown.
    void SetLabelText(const QString& label);
    // Builds the dialog on first use and shows it, unless the user closed it.
    void ShowMsgBox();
    // Shows the failure text in the dialog, unless the user closed it.
    void ShowFailure(const QString& text);

private slots:
    void DialogDismissed();
    // Bar at 100 after a success, dialog hidden, event loop quit.
    void Finish();

private:
    std::unique_ptr<Worker> m_worker;
    std::unique_ptr<ProcessingProgressDialog> m_progress;
    QTimer m_failure_timer;
    bool m_failed = false;
    bool m_thread_started = false;
};

#endif  // NIMBRA_LAUNCHER_LAUNCHER_H
