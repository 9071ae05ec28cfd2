// The launcher's entry: prepares the process, refuses to run twice for the
// same user, opens the log, installs the user's language and runs the
// controller until it ends the event loop.
#include <clocale>
#include <cstdio>
#include <memory>

#include <QCoreApplication>
#include <QDir>
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

// Whether main() chose the platform list itself (the user set none).
bool g_platform_fallback = false;

// Without a reachable display the toolkit's default platform aborts the
// process before the user's client is started. Unless the user chose a
// platform, let the toolkit try its usual one and fall back to offscreen.
void choose_platform() {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) return;
    const bool wayland_only =
        qEnvironmentVariableIsEmpty("DISPLAY") && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    qputenv("QT_QPA_PLATFORM", wayland_only ? "wayland;xcb;offscreen" : "xcb;offscreen");
    g_platform_fallback = true;
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
    initialize_resources(argv[0]);
    choose_platform();
    // Declared in the order of creation, so they are destroyed in reverse:
    // the controller, then the translator, then the application object.
    std::unique_ptr<QtSingleApplication> app(new QtSingleApplication(argc, argv, true));
    if (g_platform_fallback) qunsetenv("QT_QPA_PLATFORM");  // not for the client we start
    initialize_logger();

    if (app->isRunning()) {
        Logger::LogMsg(Logger::L_DEBUG, kComponent,
                       "[DEBUG] main(%d): app has already launched, return\n", __LINE__);
        return 0;
    }
    if (g_platform_fallback && QGuiApplication::platformName() == QLatin1String("offscreen")) {
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
