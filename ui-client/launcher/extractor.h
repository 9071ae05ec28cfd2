// Extractor: unpacks one archive (any format and compression libarchive
// reads) into one target folder, reporting progress per entry through
// Notify_Adapter. Holds no libarchive handle between calls.
#ifndef NIMBRA_LAUNCHER_EXTRACTOR_H
#define NIMBRA_LAUNCHER_EXTRACTOR_H

#include "ustring/ustring.h"

struct archive;

class Extractor {
public:
    void SetTarget(const ustring& target);
    void SetSource(const ustring& source);

    // Extracts every entry of source below target, in archive order,
    // reporting (total, done) per entry. Entries land below target's real
    // path; hard links leading out of it are refused and nothing is written
    // through a symbolic link. 0 on success; -1 on the first failing entry
    // (earlier entries stay).
    int Extract();
    // Number of entries in source, or -1.
    int Count();
    // Writes every entry's path name to standard output. 0 or -1.
    int List();
    // Copies the current entry's data from ar to aw. 0 or -1.
    int copy_data(archive* ar, archive* aw);

private:
    ustring target;
    ustring source;
};

#endif  // NIMBRA_LAUNCHER_EXTRACTOR_H
