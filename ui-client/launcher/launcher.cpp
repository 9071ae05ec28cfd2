#include "launcher.h"

#include <fcntl.h>
#include <pthread.h>
#include <unistd.h>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <climits>
#include <cstring>

#include "adapter.h"
#include "linux/linux-service.h"
#include "log.h"
#include "texts/strtab.h"

namespace {
const char kLogComponent[] = "launcher_debug";
const char kLogSource[] = "launcher";

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

void DisplayScaling::Prepare() {
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
#else
    if (!qEnvironmentVariableIsSet("QT_DPI_ADJUSTMENT_POLICY")) {
        qputenv("QT_DPI_ADJUSTMENT_POLICY", "AdjustUpOnly");
        policy_set_ = true;
    }
#endif
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
}

void DisplayScaling::Restore() {
    if (policy_set_) qunsetenv("QT_DPI_ADJUSTMENT_POLICY");
    policy_set_ = false;
}

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

ProcessingProgressDialog::ProcessingProgressDialog()
    : QProgressDialog(nullptr, Qt::WindowFlags()), m_label(new QLabel), m_bar(new QProgressBar) {
    QFont font(QStringLiteral("Arial"), -1, -1, false);
    setWindowTitle(StrTable::LoadStr(StrTable::app_name));
    setWindowIcon(
        IconAt(Service::GetRootNimbraResourceInstallPath() + "/images/ico_72_nimbra.png"));
    // A dialog with a title and a close button: no minimise, no maximise.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    // Our own label and bar: the label wraps, and the bar is driven directly.
    m_label->setWordWrap(true);
    m_label->setAlignment(Qt::AlignCenter);
    setLabel(m_label);
    setBar(m_bar);
    setCancelButton(nullptr);
    setAutoReset(false);
    // The base class's show timer, started when it was built, would show the
    // dialog by itself after minimumDuration; reset() stops it, and nothing
    // here calls setValue, which would start it again.
    reset();
    // The base class would reset (and later show again) the dialog when it
    // is cancelled; cancelling only dismisses it here.
    disconnect(this, SIGNAL(canceled()), this, SLOT(cancel()));
    connect(this, &QProgressDialog::canceled, this, &ProcessingProgressDialog::Dismiss);
    m_bar->setValue(0);
    m_bar->setRange(0, 100);
    setFont(font);
    setFixedWidth(400);
    setModal(true);
    setWindowModality(Qt::WindowModal);
    setStyleSheet(QStringLiteral(
        " QProgressDialog { background-color: WhiteSmoke; \n  vertical-align: middle } "));
    // Last, so that the height is fitted with the final font and style.
    SetText(StrTable::LoadStr(StrTable::desc_nmbr_env_preparing));
}

ProcessingProgressDialog::~ProcessingProgressDialog() = default;

void ProcessingProgressDialog::Present() {
    if (!m_dismissed) show();
}

void ProcessingProgressDialog::SetText(const QString& text) {
    setLabelText(text);
    m_bar->setAccessibleName(text);
    FitHeight();
}

void ProcessingProgressDialog::SetProgress(int total, int steps) {
    if (total <= 0) {
        m_bar->setRange(0, 0);
        return;
    }
    m_bar->setRange(0, 100);
    // Computed wide so that huge counts cannot overflow; the result is the
    // truncated 32-bit quotient for every count that fits.
    m_bar->setValue(static_cast<int>(static_cast<qint64>(steps) * 100 / total));
}

void ProcessingProgressDialog::ShowFailure(const QString& text) {
    if (m_bar->maximum() == 0) m_bar->setRange(0, 100);  // stops a busy bar
    if (m_button == nullptr) {
        // Clicking it, or Escape, emits canceled(), which dismisses.
        m_button = new QPushButton(StrTable::LoadStr(StrTable::btn_ok));
        setCancelButton(m_button);
        m_button->setDefault(true);
        m_button->setFocus();
    }
    SetText(text);
}

void ProcessingProgressDialog::reject() {
    Dismiss();
}

void ProcessingProgressDialog::closeEvent(QCloseEvent* event) {
    event->accept();
    Dismiss();
}

void ProcessingProgressDialog::Dismiss() {
    if (m_dismissed) return;
    m_dismissed = true;
    hide();
    emit sigDismissed();
}

// The base class lays out the label across the width between the margins,
// over the bar and the button, and gives the label what height is left: so
// the height the label needs at that width, plus the rest, is the dialog's.
void ProcessingProgressDialog::FitHeight() {
    const QStyle* s = style();
    const int left = qMin(width() / 10, s->pixelMetric(QStyle::PM_LayoutLeftMargin, nullptr, this));
    const int right =
        qMin(width() / 10, s->pixelMetric(QStyle::PM_LayoutRightMargin, nullptr, this));
    const int margin = s->pixelMetric(QStyle::PM_LayoutBottomMargin, nullptr, this);
    const int spacing = qMax(0, s->pixelMetric(QStyle::PM_LayoutVerticalSpacing, nullptr, this));
    int height = margin + m_label->heightForWidth(width() - left - right) + spacing +
                 m_bar->sizeHint().height() + margin;
    if (m_button != nullptr) height += m_button->sizeHint().height() + spacing;
    setFixedHeight(height);
}

Worker::Worker() : Worker(std::unique_ptr<Service>(new LinuxService())) {}

Worker::Worker(std::unique_ptr<Service> service) : m_service(std::move(service)) {
    m_service->SetExtractProgress(ProgressToAdapter());
    m_handler_thread.reset(new HandlerThread());
    moveToThread(m_handler_thread.get());
}

Worker::~Worker() {
    m_handler_thread.reset();  // joins the thread if it still runs
    m_service.reset();
}

bool Worker::StartThread() {
    m_handler_thread->start(QThread::InheritPriority);
    return m_handler_thread->isRunning() || m_handler_thread->isFinished();
}

void Worker::QuitThread() {
    m_handler_thread->quit();
}

void Worker::JoinThread() {
    m_handler_thread->wait(ULONG_MAX);
}

namespace {

// What the user is told after a failed upgrade: whether the old copy is
// still there to be started decides between a failed upgrade and a failed
// installation (a first installation whose client did not come up is one);
// a full disk is named as such in either case.
QString FailureText(const Service& service) {
    if (service.LastFailure() == Service::Failure::kNoSpace) {
        return StrTable::LoadStr(StrTable::err_diskfull);
    }
    const bool old_copy_back =
        service.HasWholeCopy() && service.LastFailure() != Service::Failure::kNoClient;
    return StrTable::LoadStr(old_copy_back ? StrTable::upgrade_failed : StrTable::err_init_failed);
}

// The toolkit does not keep why its thread could not be made: a second
// try tells.
const char* ThreadCreationError() {
    pthread_t thread;
    const int err = pthread_create(
        &thread, nullptr, [](void*) -> void* { return nullptr; }, nullptr);
    if (err == 0) pthread_join(thread, nullptr);
    return err == 0 ? "failed once" : strerror(err);
}

}  // namespace

void Worker::HandleServicce() {
    NLOG_DEBUG("running\n");
    m_service->PreUpgrade();
    QString failure;
    if (m_service->IsNeedUpgrade()) {
        emit sigShowMsg();
        if (m_service->HandlePackageUpgrade() != 0) {
            NLOG_ERROR("Failed to upgrade package\n");
            failure = FailureText(*m_service);
        } else {
            emit sigUpdateProgress(100, 100);
            emit sigSetLabelText(StrTable::LoadStr(StrTable::desc_nmbr_env_preparation_done));
        }
    } else {
        NLOG_DEBUG("no need to upgrade\n");
        // The decision itself failed (the machine's version unreadable).
        if (m_service->LastFailure() != Service::Failure::kNone) failure = FailureText(*m_service);
    }
    m_service->RemoveAgedFolders();
    // The client is started before the user is told of a failure, so that
    // the message never holds it up.
    m_service->PostUpgrade();
    if (!failure.isEmpty()) emit sigShowFailure(failure);
    NLOG_DEBUG("done\n");
    emit sigServiceDone();
}

Launcher::Launcher() : Launcher(std::unique_ptr<Service>(new LinuxService())) {}

Launcher::Launcher(std::unique_ptr<Service> service) {
    m_worker.reset(new Worker(std::move(service)));
    // The user may close the dialog while the worker still runs: that must
    // not end the event loop before LaunchDone, which would tear the
    // controller down under a running thread.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    m_failure_timer.setSingleShot(true);
    connect(&m_failure_timer, &QTimer::timeout, this, &Launcher::Finish);

    Worker* worker = m_worker.get();
    Notify_Adapter& adapter = Notify_Adapter::GetInstance();
    connect(this, &Launcher::sigStart, worker, &Worker::HandleServicce);
    connect(worker, &Worker::sigShowMsg, this, &Launcher::ShowMsgBox);
    connect(worker, &Worker::sigServiceDone, this, &Launcher::LaunchDone);
    connect(worker, &Worker::sigUpdateProgress, this, &Launcher::UpdateProgress);
    connect(worker, &Worker::sigSetLabelText, this, &Launcher::SetLabelText);
    connect(&adapter, &Notify_Adapter::sigUpdateProgress, this, &Launcher::UpdateProgress);
    connect(&adapter, &Notify_Adapter::sigUpdateDialogText, this, &Launcher::SetLabelText);
    connect(worker, &Worker::sigShowFailure, this, &Launcher::ShowFailure);
}

Launcher::~Launcher() {
    m_worker.reset();
    m_progress.reset();
}

void Launcher::Run() {
    m_thread_started = m_worker->StartThread();
}

// At the task limit no thread can be made. Queued to the worker's thread,
// the run would never happen and the event loop (and the instance lock)
// would be held for ever: the run is then done here instead, without a
// live dialog, and still ends the loop.
void Launcher::Start() {
    if (m_thread_started) {
        emit sigStart();
        return;
    }
    NLOG_ERROR("cannot create the worker thread: %s, preparing the client on the main thread\n",
               ThreadCreationError());
    Worker* worker = m_worker.get();
    QMetaObject::invokeMethod(
        this, [worker] { worker->HandleServicce(); }, Qt::QueuedConnection);
}

void Launcher::LaunchDone() {
    m_worker->QuitThread();
    m_worker->JoinThread();
    if (m_failed && m_progress && m_progress->isVisible()) {
        m_failure_timer.start(kFailureShownMs);
        return;
    }
    Finish();
}

void Launcher::Finish() {
    m_failure_timer.stop();
    if (m_progress) {
        if (!m_failed) m_progress->SetProgress(100, 100);
        m_progress->hide();
    }
    QCoreApplication::quit();
}

void Launcher::DialogDismissed() {
    // While a failure is on screen the run is over: closing the dialog ends it.
    if (m_failure_timer.isActive()) Finish();
}

void Launcher::UpdateProgress(int total, int steps) {
    if (m_progress) m_progress->SetProgress(total, steps);
}

void Launcher::SetLabelText(const QString& label) {
    if (m_progress) m_progress->SetText(label);
}

void Launcher::ShowMsgBox() {
    // Built only now: a run with nothing to upgrade never makes a window.
    if (!m_progress) {
        m_progress.reset(new ProcessingProgressDialog());
        connect(m_progress.get(), &ProcessingProgressDialog::sigDismissed, this,
                &Launcher::DialogDismissed);
    }
    m_progress->Present();
}

void Launcher::ShowFailure(const QString& text) {
    m_failed = true;
    if (!m_progress) ShowMsgBox();
    if (m_progress->dismissed()) return;
    m_progress->ShowFailure(text);
    m_progress->Present();
}
