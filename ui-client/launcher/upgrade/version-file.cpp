#include "upgrade/version-file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QString>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string>

#include "file/path-util.h"

namespace {

// An INFO file is a few lines; anything bigger is not one.
const size_t kMaxVersionFileSize = 64 * 1024;

ustring ToUstring(const QString& s) {
    return ustring(s.toUtf8().toStdString());
}

// The bytes of the regular file open at fd, at most kMaxVersionFileSize of
// them. 0, or the errno of the failure (EFBIG when bigger, EINVAL when not a
// regular file).
int ReadVersionBytes(int fd, std::string* bytes) {
    bool whole = false;
    const int err = ReadHeadOf(fd, kMaxVersionFileSize, bytes, &whole);
    if (err != 0) return err;
    return whole ? 0 : EFBIG;
}

// Fills fd with bytes and gives it a time stamp no earlier copy had. The
// toolkit keeps what it read of a path and hands it out again while the
// file there keeps its size and time stamp, and the copies' paths are
// reused: two INFO files of one size and time stamp (packed in the same
// second, say) would otherwise both read as the first.
bool FillCopy(int fd, const std::string& bytes) {
    static std::atomic<time_t> last_stamp{0};
    const struct timespec times[2] = {{0, UTIME_OMIT}, {++last_stamp, 0}};
    return write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()) &&
           futimens(fd, times) == 0;
}

// A copy of bytes that the toolkit can read by a path of plain ASCII: a
// memory file reached through /proc/self/fd/N (in_memory), or a private
// temporary file, removed again by the caller (*temporary set). The
// descriptor, or -1 with errno set.
int VersionCopy(const std::string& bytes, bool in_memory, QString* path, bool* temporary) {
    *temporary = false;
    if (in_memory) {
        const int fd = memfd_create("INFO", MFD_CLOEXEC);
        if (fd < 0) return -1;
        const QByteArray proc = "/proc/self/fd/" + QByteArray::number(fd);
        if (access(proc.constData(), R_OK) == 0 && FillCopy(fd, bytes)) {
            *path = QString::fromLatin1(proc);
            return fd;
        }
        const int err = errno;
        close(fd);
        errno = err;
        return -1;
    }
    QByteArray name = QFile::encodeName(QDir::tempPath()) + "/nimbra-INFO-XXXXXX";
    if (QFile::encodeName(QFile::decodeName(name)) != name) name = "/tmp/nimbra-INFO-XXXXXX";
    const int fd = mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) return -1;
    if (!FillCopy(fd, bytes)) {
        const int err = errno;
        unlink(name.constData());
        close(fd);
        errno = err;
        return -1;
    }
    *path = QFile::decodeName(name);
    *temporary = true;
    return fd;
}

// Reads the version group of the INI file at path into info. false when the
// toolkit could not open the file (it says no more than that).
bool ReadVersionGroup(const QString& path, VersionInfo& info) {
    static const struct {
        const char* key;
        ustring VersionInfo::*field;
    } kKeys[] = {
        {"major_version", &VersionInfo::major_version},
        {"minor_version", &VersionInfo::minor_version},
        {"build_version", &VersionInfo::build_version},
        {"icon_overlay_version", &VersionInfo::icon_overlay_version},
    };
    QSettings settings(path, QSettings::IniFormat);
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    // Qt 5 takes the bytes of a file without a byte order mark as Latin-1;
    // Qt 6 reads every INI file as UTF-8 and has no codec setting. INFO is
    // UTF-8 text, so both read it the same way.
    settings.setIniCodec("UTF-8");
#endif
    if (settings.status() == QSettings::AccessError) return false;
    settings.beginGroup(QStringLiteral("Version"));
    for (const auto& k : kKeys) {
        const QString key = QString::fromLatin1(k.key);
        if (settings.contains(key)) info.*k.field = ToUstring(settings.value(key).toString());
    }
    return true;
}

}  // namespace

int ReadVersionFile(const ustring& path, VersionInfo& info) {
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return errno;
    std::string bytes;
    int err = ReadVersionBytes(fd, &bytes);
    close(fd);
    if (err != 0) return err;
    // A memory file first; where /proc is not mounted (a sandbox, a chroot),
    // memory files can't be made or the toolkit can't open the one made, a
    // temporary file.
    for (const bool in_memory : {true, false}) {
        QString copy_path;
        bool temporary = false;
        const int copy = VersionCopy(bytes, in_memory, &copy_path, &temporary);
        if (copy < 0) {
            err = errno;
            continue;
        }
        const bool read = ReadVersionGroup(copy_path, info);
        if (temporary) unlink(QFile::encodeName(copy_path).constData());
        close(copy);
        if (read) return 0;
        err = EIO;  // the toolkit keeps the reason to itself
    }
    return err;
}

int BuildNumber(const ustring& text) {
    if (text.empty()) return 0;
    const long v = strtol(text.c_str(), nullptr, 10);
    if (v > INT_MAX) return INT_MAX;
    if (v < INT_MIN) return INT_MIN;
    return static_cast<int>(v);
}
