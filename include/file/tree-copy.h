// CopyTree: a copy of a file, or of a folder with everything below it,
// through the file operations (file-op.h). Links are copied as the file
// operations copy them. Logs nothing itself: the caller hears of each step
// and failure and reports them as it sees fit.
#ifndef NIMBRA_FILE_TREE_COPY_H
#define NIMBRA_FILE_TREE_COPY_H

#include <functional>
#include <string>

#include "status.h"
#include "ustring/ustring.h"

// What CopyTree tells its observer: each copy it starts (failed false,
// "copy from '<from>' to '<to>'"), and each failure (failed true, for
// example "failed to stat source '<from>'").
using TreeCopyObserver = std::function<void(bool failed, const std::string& text)>;

// Copies src to dest: a file with FSCopy, a folder by making dest (and its
// parents) and copying each entry into it, in listing order.
// Stops at the first failure, which the result names (the call and its
// errno); each failed level is also told to observe (if set), innermost
// first. What was copied before a failure stays.
Status CopyTree(const ustring& src, const ustring& dest,
                const TreeCopyObserver& observe = TreeCopyObserver());

#endif  // NIMBRA_FILE_TREE_COPY_H
