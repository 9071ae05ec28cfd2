// Small helpers on byte paths (std::string, no encoding assumed), shared by
// the launcher and the file operations. None of them logs: the caller, which
// knows what the path is for, reports a failure (errno is left set).
#ifndef NIMBRA_FILE_PATH_UTIL_H
#define NIMBRA_FILE_PATH_UTIL_H

#include <cstddef>
#include <string>

// The path with "." elements, repeated and trailing slashes removed and each
// ".." folded into the element before it, textually (no link is resolved),
// as Qt 5's QDir::cleanPath answers for the same bytes: a ".." it cannot
// fold is kept (also above the root: "/.." stays), an emptied relative path
// is ".", and an empty path stays empty.
std::string CleanPath(const std::string& path);

// mkdir -p: makes every missing folder of path (mode 0777 under the umask).
// Another process making the same folders at the same time is no failure.
// true when path is a folder (or a link to one) afterwards; false with errno.
bool MakeFolders(const std::string& path);

// The content of the symbolic link path, as bytes. Empty with errno set when
// path is no link, cannot be read, or its content does not fit PATH_MAX
// (ENAMETOOLONG).
std::string ReadLinkBytes(const std::string& path);

// The canonical form of path (links, "." and ".." resolved), or empty with
// errno set when it cannot be resolved.
std::string RealPath(const std::string& path);

// Whether path is folder or lies below it, by whole path components; never
// for an empty folder.
bool IsWithin(const std::string& folder, const std::string& path);

// Up to limit bytes of the file at path into *head. The file is opened
// without blocking and without following a link (a FIFO or a device in its
// place must not hold the caller) and read only when it is a regular file;
// false with errno set otherwise (EINVAL: not a regular file). *whole, if
// not null, tells whether that was all of it.
bool ReadHead(const std::string& path, size_t limit, std::string* head, bool* whole = nullptr);
// As ReadHead, for the file open at fd (read from where it stands): 0, or the
// errno of the failure.
int ReadHeadOf(int fd, size_t limit, std::string* head, bool* whole = nullptr);

#endif  // NIMBRA_FILE_PATH_UTIL_H
