// Notify_Adapter: relays progress and status text from code that knows
// nothing of the user interface to whoever listens (the launcher's dialog).
// One instance per process, created by the first GetInstance(); its signals
// are delivered queued to listeners on other threads, in call order.
#ifndef NIMBRA_LAUNCHER_ADAPTER_H
#define NIMBRA_LAUNCHER_ADAPTER_H

#include <QObject>
#include <QString>

#include "extractor.h"

class Notify_Adapter : public QObject {
    Q_OBJECT

public:
    static Notify_Adapter& GetInstance();
    virtual ~Notify_Adapter();

    // Emits sigUpdateProgress(total, step). A total of 0 says that the
    // amount of work is not known yet (the package is being read through);
    // the extractor then reports whole percentages, as (100, percent).
    void UpdateProgress(int total, int step);
    // Emits sigUpdateDialogText(text).
    void UpdateDialogText(QString text);

signals:
    void sigUpdateProgress(int total, int current);
    void sigUpdateDialogText(QString text);

private:
    Notify_Adapter();
    Q_DISABLE_COPY(Notify_Adapter)
};

// The extractor's reports as the dialog shows them, relayed through the
// adapter: kReading as (0, 0), kExtracting as the "preparing" text, kWritten
// as (100, percent).
ExtractProgress ProgressToAdapter();

#endif  // NIMBRA_LAUNCHER_ADAPTER_H
