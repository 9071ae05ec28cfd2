// PackageInfo: the fixed default layout of the machine-wide installation
// under /opt/Halvern/Nimbra. One instance per process. The launcher's own
// flows take their paths from the Service getters instead, which follow the
// executable's real location.
//
// Not called by the launcher: kept as the documented interface.
#ifndef NIMBRA_LAUNCHER_LINUX_PACKAGE_INFO_H
#define NIMBRA_LAUNCHER_LINUX_PACKAGE_INFO_H

#include "ustring/ustring.h"

class PackageInfo {
public:
    // The one instance, created on the first call.
    static PackageInfo& GetInstance();

    ustring GetImageFolder() const { return ImageFolder; }
    ustring GetLogFolder() const { return LogFolder; }  // home folder + "/.Nimbra"
    ustring GetLogLevelPath() const { return LogLevelPath; }
    ustring GetPackagePath() const { return PackagePath; }
    ustring GetConfigFolder() const { return ConfigFolder; }

private:
    PackageInfo();
    PackageInfo(const PackageInfo&) = delete;
    PackageInfo& operator=(const PackageInfo&) = delete;

    ustring ImageFolder;
    ustring LogFolder;
    ustring LogLevelPath;
    ustring PackagePath;
    ustring ConfigFolder;
};

#endif  // NIMBRA_LAUNCHER_LINUX_PACKAGE_INFO_H
