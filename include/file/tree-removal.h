// Removal of whole folder trees, whatever their depth and folder modes.
#ifndef NIMBRA_FILE_TREE_REMOVAL_H
#define NIMBRA_FILE_TREE_REMOVAL_H

#include "ustring/ustring.h"

// Removes the file, link or whole folder tree at path, as `rm -rf` would,
// working relative to open folder handles so that no path length limit
// applies; folders this user owns are given owner rwx on the way so that
// read-only or mode-0000 folders can be emptied. Links are removed, never
// followed. 0 when nothing is left at path (also when it was not there), -1 otherwise.
//
// Trailing slashes are ignored ("link/" removes the link only); an empty
// path, "/" and a last component "." or ".." are refused (-1, EINVAL). At
// most three descriptors are open at any depth, and the call never changes the
// working folder, so other threads are unaffected. Memory grows with the
// number of folders waiting along the current branch. Whatever can be
// removed is, even when a part of the tree can't be. On -1 errno holds the
// first failure's reason and, unless the path was refused, one warning
// naming the entry is logged. Changing a folder's mode needs /proc (for a
// change that can't follow a link).
int RemoveTree(const ustring& path);

#endif  // NIMBRA_FILE_TREE_REMOVAL_H
