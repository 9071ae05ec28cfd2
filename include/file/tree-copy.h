// CopyTree: a copy of a file, or of a folder with everything below it,
// through the file operations (file-op.h). Links are copied as the file
// operations copy them. Logs nothing itself: the caller hears of each step
// and failure and reports them as it sees fit.
#ifndef NIMBRA_FILE_TREE_COPY_H
#define NIMBRA_FILE_TREE_COPY_H

#include <functional>

#include "status.h"
#include "ustring/ustring.h"

// What CopyTree tells its observer, with the two paths the step concerns.
enum class TreeCopyStep {
    kCopying,     // about to copy from to to (the top source, then each folder)
    kStat,        // from could not be examined
    kMissing,     // from does not exist
    kCopyEntry,   // the copy of from (a file, or a folder reported already) to to failed
    kIntoItself,  // to lies inside the folder from
    kMakeFolder,  // the folder to could not be made
    kOpenFolder,  // the folder from could not be opened
    kReadFolder,  // the folder from could not be listed to its end
};
using TreeCopyObserver =
    std::function<void(TreeCopyStep step, const ustring& from, const ustring& to)>;

// Copies src to dest: a file with FSCopy, a folder by making dest (and its
// parents) and copying each entry into it, folders first in listing order.
// Stops at the first failure, which the result names (the call and its
// errno); each failed level is also told to observe (if set), innermost
// first. What was copied before a failure stays.
Status CopyTree(const ustring& src, const ustring& dest,
                const TreeCopyObserver& observe = TreeCopyObserver());

#endif  // NIMBRA_FILE_TREE_COPY_H
