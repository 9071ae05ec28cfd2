// The steps that replace the user's copy of the client in the app folder:
// the check that a package fits, the backup of the old copy, the check that
// a new copy is whole, and the ways back (rollback, recovery of a run that
// was cut short) and forward (removal of the backups). Each destructive step
// is announced in the PreparationMarker first.
#ifndef NIMBRA_LAUNCHER_UPGRADE_COPY_REPLACEMENT_H
#define NIMBRA_LAUNCHER_UPGRADE_COPY_REPLACEMENT_H

#include "extractor.h"
#include "upgrade/preparation-record.h"
#include "ustring/ustring.h"

// Whether the unpacked package fits in the file system of holder, bytes
// and inodes; false (logged) when it does not. A file system that can't
// tell is given the benefit of the doubt, with a warning: the extraction
// still fails cleanly on a full disk.
bool FitsBeside(const ustring& holder, const PackageSummary& summary);

// Whether relative names, inside the copy in copy_dir, an executable regular
// file. Packages often give the client's files as links into the copy
// (bin/nimbra-backup-ui -> ../lib/x/client): links are resolved element by
// element, and one that is absolute, climbs above the copy, dangles or
// loops refuses the file. A copy moved to a backup name stays whole.
bool IsExecutableInCopy(const ustring& copy_dir, const char* relative);

// Moves the whole copy in app_dir, if there is one, to the first free
// backup name, recording each try first. 0 with *backup the backup's number
// (-1: no app folder); -1 (logged) with app_dir in place and no record.
int BackUpAppFolder(const ustring& app_dir, PreparationMarker& marker, int* backup);

// Announces an extraction into app_dir while the whole copy is backup
// number backup (-1: none). Without this record an extraction cut short
// would later pass for a whole copy: when it can't be written, the old copy
// is moved back and nothing may be extracted. 0, or -1 (logged).
int RecordExtraction(const ustring& app_dir, PreparationMarker& marker, int backup);

// After a failed extraction: discards the unfinished copy and moves the old
// one (backup number backup) back. Without an old copy the record stays and
// leads the next run to the last whole copy.
void RollBack(const ustring& app_dir, PreparationMarker& marker, int backup);

// Once the new copy in app_dir is whole: makes it durable, then removes
// every backup name and the record. The backups stay if it can't be made
// durable: a power loss could still cost the new copy.
void CommitNewCopy(const ustring& app_dir, PreparationMarker& marker);

// After the client of the new copy (build) did not come up: counts the
// failure, then puts the old copy (backup number backup) back, to be started
// by the caller. On a first installation (backup -1) there is nothing better
// than the new copy: it stays, made durable.
void GoBackAfterFailedStart(const ustring& app_dir, PreparationMarker& marker, int backup,
                            int build);

// Puts the last whole copy of an unfinished preparation back into app_dir,
// discarding whatever unfinished extraction app_dir holds. 0 when app_dir
// holds that copy now (or is gone, when there was none); -1 otherwise, with
// the record left for the next run.
int RestoreWholeCopy(const ustring& app_dir, const PreparationMarker& marker);

// Once app_dir holds the whole copy (or nothing, when there is none):
// records that every backup name is a leftover, removes them all (a run
// killed while removing backups can leave gaps in the row), then the
// record. The record goes only once the backups are gone, so that a run
// stopped anywhere in between still finds them. 0, or -1 with the record
// kept for the next run.
int DropBackups(const ustring& app_dir, PreparationMarker& marker);

#endif  // NIMBRA_LAUNCHER_UPGRADE_COPY_REPLACEMENT_H
