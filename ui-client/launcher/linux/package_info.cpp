#include "linux/package_info.h"

#include "nimbra-service.h"

PackageInfo::PackageInfo()
    : ImageFolder("/opt/Halvern/Nimbra/images"),
      LogFolder(Service::GetUserInstallPath() + "/.Nimbra"),
      LogLevelPath("/opt/Halvern/Nimbra/log/launcher.debug"),
      PackagePath("/opt/Halvern/Nimbra/package/nimbra.hpk"),
      ConfigFolder("/opt/Halvern/Nimbra/conf") {}

PackageInfo& PackageInfo::GetInstance() {
    static PackageInfo instance;
    return instance;
}
