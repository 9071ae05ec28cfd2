#include "launcher.h"

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <climits>

#include "adapter.h"
#include "linux/linux-service.h"
#include "log.h"
#include "texts/strtab.h"

namespace {
const char kComponent[] = "launcher_debug";

// The image at path, read through a descriptor: the path is bytes, which
// the toolkit's text form of a file name may not keep.
QIcon IconAt(const ustring& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    QFile file;
    if (fd < 0 || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        if (fd >= 0) close(fd);
        return QIcon();
    }
    return QIcon(QPixmap::fromImage(QImageReader(&file).read()));
}
}  // namespace

HandlerThread::HandlerThread() = default;

HandlerThread::~HandlerThread() {
    // A running thread must never be destroyed; LaunchDone has normally
    // joined it already.
    quit();
    wait();
}

void HandlerThread::run() {
    exec();
}

ProcessingProgressDialog::ProcessingProgressDialog() : QProgressDialog(nullptr, Qt::WindowFlags()) {
    QFont font(QStringLiteral("Arial"), -1, -1, false);
    setWindowTitle(StrTable::LoadStr(StrTable::app_name));
    setWindowIcon(
        IconAt(Service::GetRootNimbraResourceInstallPath() + "/images/ico_72_nimbra.png"));
    setWindowFlags(Qt::WindowTitleHint | Qt::WindowSystemMenuHint);
    setValue(0);
    setRange(0, 100);
    setLabelText(StrTable::LoadStr(StrTable::desc_nmbr_env_preparing));
    setFont(font);
    setFixedWidth(400);
    setModal(true);
    setWindowModality(Qt::WindowModal);
    setStyleSheet(QStringLiteral(
        " QProgressDialog { background-color: WhiteSmoke; \n  vertical-align: middle } "));
}

ProcessingProgressDialog::~ProcessingProgressDialog() = default;

Worker::Worker() {
    m_service.reset(new LinuxService());
    m_handler_thread.reset(new HandlerThread());
    moveToThread(m_handler_thread.get());
}

Worker::~Worker() {
    m_handler_thread.reset();  // joins the thread if it still runs
    m_service.reset();
}

void Worker::StartThread() {
    m_handler_thread->start(QThread::InheritPriority);
}

void Worker::QuitThread() {
    m_handler_thread->quit();
}

void Worker::JoinThread() {
    m_handler_thread->wait(ULONG_MAX);
}

void Worker::HandleServicce() {
    Logger::LogMsg(Logger::L_DEBUG, kComponent, "[DEBUG] launcher(%d): running\n", __LINE__);
    m_service->PreUpgrade();
    if (m_service->IsNeedUpgrade()) {
        emit sigShowMsg();
        if (m_service->HandlePackageUpgrade() != 0) {
            Logger::LogMsg(Logger::L_ERR, kComponent,
                           "[ERROR] launcher(%d): Failed to upgrade package\n", __LINE__);
        } else {
            emit sigUpdateProgress(100, 100);
            emit sigSetLabelText(StrTable::LoadStr(StrTable::desc_nmbr_env_preparation_done));
        }
    } else {
        Logger::LogMsg(Logger::L_DEBUG, kComponent, "[DEBUG] launcher(%d): no need to upgrade\n",
                       __LINE__);
    }
    m_service->RemoveAgedFolders();
    m_service->PostUpgrade();
    Logger::LogMsg(Logger::L_DEBUG, kComponent, "[DEBUG] launcher(%d): done\n", __LINE__);
    emit sigServiceDone();
}

Launcher::Launcher() {
    m_worker.reset(new Worker());
    m_progress.reset(new ProcessingProgressDialog());
    m_progress->setCancelButton(nullptr);
    m_progress->setAutoReset(false);
    // The user may close the dialog (window manager, Escape) while the worker
    // still runs: that must not end the event loop before LaunchDone, which
    // would tear the controller down under a running thread.
    QGuiApplication::setQuitOnLastWindowClosed(false);

    Worker* worker = m_worker.get();
    Notify_Adapter& adapter = Notify_Adapter::GetInstance();
    connect(this, &Launcher::sigStart, worker, &Worker::HandleServicce);
    connect(worker, &Worker::sigShowMsg, this, &Launcher::ShowMsgBox);
    connect(worker, &Worker::sigServiceDone, this, &Launcher::LaunchDone);
    connect(worker, &Worker::sigUpdateProgress, this, &Launcher::UpdateProgress);
    connect(worker, &Worker::sigSetLabelText, this, &Launcher::SetLabelText);
    connect(&adapter, &Notify_Adapter::sigUpdateProgress, this, &Launcher::UpdateProgress);
    connect(&adapter, &Notify_Adapter::sigUpdateDialogText, this, &Launcher::SetLabelText);
}

Launcher::~Launcher() {
    m_worker.reset();
    m_progress.reset();
}

void Launcher::Run() {
    m_worker->StartThread();
}

void Launcher::Start() {
    emit sigStart();
}

void Launcher::LaunchDone() {
    m_progress->setValue(100);
    m_progress->hide();
    m_worker->QuitThread();
    m_worker->JoinThread();
    QCoreApplication::quit();
}

void Launcher::UpdateProgress(int total, int steps) {
    // A total of 0 would divide by zero; the extractor never sends one.
    if (total <= 0) return;
    // Computed wide so that huge entry counts cannot overflow; the result is
    // the truncated 32-bit quotient for every count that fits.
    m_progress->setValue(static_cast<int>(static_cast<qint64>(steps) * 100 / total));
}

void Launcher::SetLabelText(const QString& label) {
    m_progress->setLabelText(label);
}

void Launcher::ShowMsgBox() {
    m_progress->show();
}
