// The launcher's entry: prepares the process, refuses to run twice for the
// same user, opens the log, installs the user's language and runs the
// controller until it ends the event loop.
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStringList>
#include <QTranslator>

#include "TeskLocale.h"
#include "file/path-util.h"
#include "launcher.h"
#include "log.h"
#include "nimbra-service.h"
#include "qtsingleapplication.h"
#include "texts/strtab.h"

int qInitResources_texts();

namespace {

const char kLogComponent[] = "launcher_debug";
const char kLogSource[] = "main";

// Qt takes paths as text and loses bytes that are not valid in the locale's
// encoding. A path that does not survive that is handed over as the /proc
// name of a descriptor opened on it (plain ASCII), kept open for the
// process's lifetime since Qt loads plug-ins lazily.
QString ToolkitPath(const QByteArray& path) {
    const QString text = QFile::decodeName(path);
    if (QFile::encodeName(text) == path) return text;
    const int fd = open(path.constData(), O_PATH | O_CLOEXEC);
    return fd < 0 ? text : QStringLiteral("/proc/self/fd/") + QString::number(fd);
}

// Environment set for the toolkit alone while the application object is
// built, then taken back so that the client started later inherits the
// user's own environment.
class ToolkitEnvironment {
public:
    // The window is an extra: whatever platform list the user set (or the
    // usual one when none), offscreen is tried last, so that the toolkit
    // never aborts before the user's client is started. And a program
    // started by its bare name (found through PATH) looks for its plug-ins
    // relative to the working folder, where there are none: then take the
    // platform plug-ins from the root the executable really lies in.
    // Call after the library path is set, before the application object.
    void Prepare() {
        user_platform_ = qgetenv("QT_QPA_PLATFORM");
        had_platform_ = qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
        QByteArray list = user_platform_;
        if (list.isEmpty()) {
            const bool wayland_only = qEnvironmentVariableIsEmpty("DISPLAY") &&
                                      !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
            list = wayland_only ? "wayland;xcb" : "xcb";
        }
        if (!list.toLower().split(';').contains("offscreen")) {
            qputenv("QT_QPA_PLATFORM", list + ";offscreen");
            platform_fallback_ = true;
        }
        const QString plugins = QCoreApplication::libraryPaths().value(0);
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM_PLUGIN_PATH") &&
            !QFileInfo(plugins + "/platforms").isDir()) {
            const QString own = ToolkitPath(
                QByteArray(Service::GetRootNimbraInstallPath().c_str()) + "/lib/plugins/platforms");
            if (QFileInfo(own).isDir()) {
                qputenv("QT_QPA_PLATFORM_PLUGIN_PATH", QFile::encodeName(own));
                plugin_path_set_ = true;
            }
        }
    }

    void Restore() {
        if (platform_fallback_ && had_platform_) qputenv("QT_QPA_PLATFORM", user_platform_);
        if (platform_fallback_ && !had_platform_) qunsetenv("QT_QPA_PLATFORM");
        if (plugin_path_set_) qunsetenv("QT_QPA_PLATFORM_PLUGIN_PATH");
    }

    // Logs, at the default threshold, that no platform but the offscreen
    // one added as the last resort could be opened.
    void LogFallback() const {
        if (!platform_fallback_ || QGuiApplication::platformName() != QLatin1String("offscreen"))
            return;
        NLOG_WARNING(
            "no display could be opened (platforms '%s'), preparing the client without a window\n",
            user_platform_.isEmpty() ? "default" : user_platform_.constData());
    }

private:
    QByteArray user_platform_;
    bool had_platform_ = false;
    bool platform_fallback_ = false;
    bool plugin_path_set_ = false;
};

// --help and --version are answered before anything else runs: no lock, no
// log, no extraction. Other arguments are ignored. True when one was answered.
bool AnswerInformationRequest(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::printf(
                "Usage: launcher [--help | --version]\n"
                "Prepares your copy of Nimbra Backup, upgrading it to the installed version\n"
                "when needed, and starts it.\n\n"
                "  --help     show this help and exit\n"
                "  --version  show the version and exit\n");
            return true;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("Nimbra Backup launcher %s\n", NIMBRA_VERSION);
            return true;
        }
    }
    return false;
}

// The names that docks and task bars match the window to its desktop entry
// by (the X11 window class is the application name). Call before the
// application object is built.
void SetApplicationIdentity() {
    QCoreApplication::setApplicationName(QStringLiteral(NIMBRA_DESKTOP_NAME));
    QGuiApplication::setDesktopFileName(QStringLiteral(NIMBRA_DESKTOP_NAME));
}

// Ends the process once the launcher's own work is done. The toolkit's
// teardown would load the font configuration only to release it, which on
// a login with nothing to upgrade costs more time and memory than all of
// the launcher's own work; the end of the process releases everything it
// holds (windows, the instance lock) all the same.
[[noreturn]] void EndWithoutToolkitTeardown(int status) {
    std::fflush(nullptr);  // the log and standard output
    _exit(status);
}

// A session may start the launcher with a standard stream closed or bound
// to a pipe nobody reads. A closed one would be taken by the next file
// opened (the lock, the log), which then receives whatever is printed; a
// pipe without a reader would end the process at its first write. The
// streams are bound to /dev/null where closed, and a write to a broken pipe
// fails with EPIPE instead. The client is started with SIGPIPE at its
// default again.
void GuardStandardStreams() {
    for (int fd = 0; fd <= 2; ++fd) {
        if (fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
        const int null = open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
        if (null >= 0 && null != fd) close(null);  // the lowest free descriptor is fd
    }
    signal(SIGPIPE, SIG_IGN);
}

}  // namespace

void initialize_resources(const char* bin) {
    setlocale(LC_ALL, "");
    qInitResources_texts();
    const QByteArray plugins =
        QByteArray::fromStdString(CleanPath(std::string(bin) + "/../../lib/plugins"));
    QCoreApplication::setLibraryPaths(QStringList{ToolkitPath(plugins)});
    printf("lib path = '%s'\n", plugins.constData());
    fflush(stdout);
}

void initialize_logger() {
    const ustring level_path = Service::GetRootNimbraInstallPath() + "/log/launcher.debug";
    const ustring log_folder = Service::GetUserNimbraInstallPath() + "/log";
    if (!MakeFolders(log_folder.c_str())) return;
    Logger::Initialize(Logger::FILE_LOGGER, log_folder + "/launcher.log", level_path, 50);
}

QString getCurrentLanguageFileName() {
    return QStringLiteral(":/") + TeskLocale::getDefaultLanguage() + QStringLiteral(".qm");
}

int main(int argc, char** argv) {
    GuardStandardStreams();
    if (AnswerInformationRequest(argc, argv)) return 0;
    SetApplicationIdentity();
    initialize_resources(argv[0]);
    ToolkitEnvironment toolkit_env;
    toolkit_env.Prepare();
    DisplayScaling scaling;
    scaling.Prepare();
    // Only the controller is destroyed (its thread joined) before the end:
    // the translator and the application object end with the process.
    std::unique_ptr<QtSingleApplication> app(new QtSingleApplication(argc, argv, true));
    toolkit_env.Restore();
    scaling.Restore();
    initialize_logger();

    if (app->isRunning()) {
        NLOG_DEBUG("app has already launched, return\n");
        return 0;
    }
    toolkit_env.LogFallback();

    std::unique_ptr<QTranslator> translator(new QTranslator(nullptr));
    if (translator->load(getCurrentLanguageFileName(), QString(), QString(), QString()) &&
        !translator->isEmpty()) {
        app->installTranslator(translator.get());
    }
    StrTable::InitStrTable();

    std::unique_ptr<Launcher> launcher(new Launcher());
    launcher->Run();
    launcher->Start();

    const int status = app->exec();
    launcher.reset();  // joins the worker's thread
    EndWithoutToolkitTeardown(status);
}
