#include "adapter.h"

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
