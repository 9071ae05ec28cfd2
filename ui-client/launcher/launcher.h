// The launcher's controller: runs the per-user installation service on a
// background thread and shows a small progress dialog while the user's copy
// of the client is prepared. The two threads meet only through queued
// signals; ownership runs strictly downwards (Launcher -> Worker, dialog;
// Worker -> thread, service).
#ifndef NIMBRA_LAUNCHER_LAUNCHER_H
#define NIMBRA_LAUNCHER_LAUNCHER_H

#include <QObject>
#include <QProgressDialog>
#include <QString>
#include <QThread>
#include <memory>

class Service;

// The thread the worker lives on; run() is its own event loop.
class HandlerThread : public QThread {
    Q_OBJECT

public:
    HandlerThread();
    ~HandlerThread() override;

protected:
    void run() override;
};

// The progress dialog: fixed settings, nothing else.
class ProcessingProgressDialog : public QProgressDialog {
    Q_OBJECT

public:
    ProcessingProgressDialog();
    ~ProcessingProgressDialog() override;
};

// Drives the service on the handler thread.
class Worker : public QObject {
    Q_OBJECT

public:
    Worker();
    ~Worker() override;

    // Starts the handler thread; the worker lives there from now on.
    void StartThread();
    // Asks the handler thread's event loop to quit.
    void QuitThread();
    // Waits, without a time limit, until the handler thread has finished.
    void JoinThread();

signals:
    void sigServiceDone();
    void sigShowMsg();
    void sigUpdateProgress(int total, int steps);
    void sigSetLabelText(const QString& label);

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
    ~Launcher() override;

    // Starts the worker's thread.
    void Run();
    // Queues the service run to the worker's thread.
    void Start();

    // The dialog, for inspection by tests.
    ProcessingProgressDialog* dialog() const { return m_progress.get(); }

signals:
    void sigStart();

public slots:
    // Ends the run: bar at 100, dialog hidden, thread joined, event loop quit.
    void LaunchDone();
    // Sets the bar to steps * 100 / total; a total of 0 or less is ignored.
    void UpdateProgress(int total, int steps);
    void SetLabelText(const QString& label);
    void ShowMsgBox();

private:
    std::unique_ptr<Worker> m_worker;
    std::unique_ptr<ProcessingProgressDialog> m_progress;
};

#endif  // NIMBRA_LAUNCHER_LAUNCHER_H
