// Small helpers on byte paths (std::string, no encoding assumed), shared by
// the launcher and the file operations. None of them logs: the caller, which
// knows what the path is for, reports a failure (errno is left set).
#ifndef NIMBRA_FILE_PATH_UTIL_H
#define NIMBRA_FILE_PATH_UTIL_H

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

#endif  // NIMBRA_FILE_PATH_UTIL_H
