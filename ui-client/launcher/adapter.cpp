#include "adapter.h"

#include "texts/strtab.h"

Notify_Adapter& Notify_Adapter::GetInstance() {
    // Created on first use, under the compiler's thread-safe initialisation
    // of function statics; the launcher makes that first call on the GUI
    // thread, so the relay lives there.
    static Notify_Adapter instance;
    return instance;
}

Notify_Adapter::Notify_Adapter() : QObject(nullptr) {}

Notify_Adapter::~Notify_Adapter() = default;

void Notify_Adapter::UpdateProgress(int total, int step) {
    emit sigUpdateProgress(total, step);
}

void Notify_Adapter::UpdateDialogText(QString text) {
    emit sigUpdateDialogText(text);
}

ExtractProgress ProgressToAdapter() {
    return [](ExtractStage stage, int percent) {
        Notify_Adapter& adapter = Notify_Adapter::GetInstance();
        switch (stage) {
            case ExtractStage::kReading:
                adapter.UpdateProgress(0, 0);
                break;
            case ExtractStage::kExtracting:
                adapter.UpdateDialogText(StrTable::LoadStr(StrTable::desc_nmbr_env_preparing));
                break;
            case ExtractStage::kWritten:
                adapter.UpdateProgress(100, percent);
                break;
        }
    };
}
