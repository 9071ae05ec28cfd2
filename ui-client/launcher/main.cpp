// The launcher's entry: prepares the process, refuses to run twice for the
// same user, opens the log, installs the user's language and runs the
// controller until it ends the event loop.
#include <clocale>
#include <cstdio>
#include <cstring>
#include <memory>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStringList>
#include <QTranslator>

#include "TeskLocale.h"
#include "launcher.h"
#include "log.h"
#include "nimbra-service.h"
#include "qtsingleapplication.h"
#include "texts/strtab.h"

int qInitResources_texts();

namespace {

const char kComponent[] = "launcher_debug";

// Environment set for the toolkit alone while the application object is
// built, then taken back so that the client started later inherits the
// user's own environment.
class ToolkitEnvironment {
public:
    // Without a reachable display the toolkit's default platform aborts the
    // process before the user's client is started: unless the user chose a
    // platform, try the usual one and fall back to offscreen. And a program
    // started by its bare name (found through PATH) looks for its plug-ins
    // relative to the working folder, where there are none: then take the
    // platform plug-ins from the root the executable really lies in.
    // Call after the library path is set, before the application object.
    void Prepare() {
        const QString plugins = QCoreApplication::libraryPaths().value(0);
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            const bool wayland_only = qEnvironmentVariableIsEmpty("DISPLAY") &&
                                      !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
            qputenv("QT_QPA_PLATFORM", wayland_only ? "wayland;xcb;offscreen" : "xcb;offscreen");
            platform_fallback_ = true;
        }
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM_PLUGIN_PATH") &&
            !QFileInfo(plugins + "/platforms").isDir()) {
            const QString exe = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
            const QString own =
                QDir::cleanPath(QFileInfo(exe).absolutePath() + "/../lib/plugins/platforms");
            if (!exe.isEmpty() && QFileInfo(own).isDir()) {
                qputenv("QT_QPA_PLATFORM_PLUGIN_PATH", QFile::encodeName(own));
                plugin_path_set_ = true;
            }
        }
    }

    void Restore() {
        if (platform_fallback_) qunsetenv("QT_QPA_PLATFORM");
        if (plugin_path_set_) qunsetenv("QT_QPA_PLATFORM_PLUGIN_PATH");
    }

    // Whether the platform list was ours (the user set none).
    bool platform_fallback() const { return platform_fallback_; }

private:
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
// by (the X11 window class is the application name), and scaling on screens
// of high resolution. Call before the application object is built.
void SetApplicationIdentity() {
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setApplicationName(QStringLiteral(NIMBRA_DESKTOP_NAME));
    QGuiApplication::setDesktopFileName(QStringLiteral(NIMBRA_DESKTOP_NAME));
}

}  // namespace

void initialize_resources(const char* bin) {
    setlocale(LC_ALL, "");
    qInitResources_texts();
    const QString plugins = QDir::cleanPath(QString::fromLocal8Bit(bin) + "/../../lib/plugins");
    QCoreApplication::setLibraryPaths(QStringList{plugins});
    printf("lib path = '%s'\n", plugins.toLocal8Bit().constData());
    fflush(stdout);
}

void initialize_logger() {
    const ustring level_path = Service::GetRootNimbraInstallPath() + "/log/launcher.debug";
    const ustring log_folder = Service::GetUserNimbraInstallPath() + "/log";
    if (!QDir().mkpath(QString::fromUtf8(log_folder.c_str()))) return;
    Logger::Initialize(Logger::FILE_LOGGER, log_folder + "/launcher.log", level_path, 50);
}

QString getCurrentLanguageFileName() {
    return QStringLiteral(":/") + TeskLocale::getDefaultLanguage() + QStringLiteral(".qm");
}

int main(int argc, char** argv) {
    if (AnswerInformationRequest(argc, argv)) return 0;
    SetApplicationIdentity();
    initialize_resources(argv[0]);
    ToolkitEnvironment toolkit_env;
    toolkit_env.Prepare();
    // Declared in the order of creation, so they are destroyed in reverse:
    // the controller, then the translator, then the application object.
    std::unique_ptr<QtSingleApplication> app(new QtSingleApplication(argc, argv, true));
    toolkit_env.Restore();
    initialize_logger();

    if (app->isRunning()) {
        Logger::LogMsg(Logger::L_DEBUG, kComponent,
                       "[DEBUG] main(%d): app has already launched, return\n", __LINE__);
        return 0;
    }
    if (toolkit_env.platform_fallback() &&
        QGuiApplication::platformName() == QLatin1String("offscreen")) {
        Logger::LogMsg(Logger::L_NOTICE, kComponent,
                       "[NOTE] main(%d): no display could be opened, preparing the client "
                       "without a window\n",
                       __LINE__);
    }

    std::unique_ptr<QTranslator> translator(new QTranslator(nullptr));
    if (translator->load(getCurrentLanguageFileName(), QString(), QString(), QString()) &&
        !translator->isEmpty()) {
        app->installTranslator(translator.get());
    }
    StrTable::InitStrTable();

    std::unique_ptr<Launcher> launcher(new Launcher());
    launcher->Run();
    launcher->Start();

    return app->exec();
}
