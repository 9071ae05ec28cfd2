// The version file (INFO) of a copy of the client: an INI file whose group
// "Version" names the installation's version, and the build number the
// upgrade decision compares.
#ifndef NIMBRA_LAUNCHER_UPGRADE_VERSION_FILE_H
#define NIMBRA_LAUNCHER_UPGRADE_VERSION_FILE_H

#include "ustring/ustring.h"

// One installation's version, each field exactly as read from its INFO.
struct VersionInfo {
    ustring major_version;
    ustring minor_version;
    ustring build_version;
    ustring icon_overlay_version;
};

// Fills the fields of info whose keys the group "Version" of the INI file
// at path holds; absent keys leave their fields alone. The file is opened
// by its bytes and handed to the toolkit through a copy, so a path that is
// not valid in the locale's encoding (a Latin-1 home) is still read. 0, or
// the errno of why the file could not be read (nothing filled then).
int ReadVersionFile(const ustring& path, VersionInfo& info);

// A build number under the C library's atoi rules (leading blanks and a
// sign, digits up to the first other byte, none gives 0), kept within int.
int BuildNumber(const ustring& text);

#endif  // NIMBRA_LAUNCHER_UPGRADE_VERSION_FILE_H
