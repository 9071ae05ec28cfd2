// Process identity from /proc: what a process runs, from where, since when,
// and whether it still runs; and the waits for a child of the launcher.
//
// One error convention: a function that reads /proc (or a file it names)
// takes `Status* status` last, which may be null. When a read it needs fails
// it records the call and its errno there with Status::Update (the first
// failure is kept) and answers empty, -1 or false. Such an answer is then no
// verdict: a caller must not take it for "not the client". Nothing here logs.
// `proc` is a process's folder, "/proc/<pid>".
#ifndef NIMBRA_LAUNCHER_PROCESS_PROCESS_INFO_H
#define NIMBRA_LAUNCHER_PROCESS_PROCESS_INFO_H

#include <sys/types.h>
#include <time.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "file/unique-fd.h"
#include "status.h"
#include "ustring/ustring.h"

// A pid under atol rules, refusing what names no single process: no digits,
// 0 (the caller's process group), a negative value (a group, or with -1 every
// process the user may signal) or more than pid_t holds.
bool ParsePid(const ustring& text, pid_t* pid);

// "/proc/<pid>".
std::string ProcFolderOf(pid_t pid);

// The executable that a /proc link such as "/proc/self/exe" names, as bytes,
// without the " (deleted)" the kernel adds for one replaced or removed since
// it started; empty when the link can't be read.
std::string ExecutableOfProcess(const std::string& proc_exe, Status* status = nullptr);

// The resolved executable of the process; one replaced or removed since it
// started keeps its old path.
std::string ExecutableOf(const std::string& proc, Status* status);

// The command line of the process, one element per argument (read up to a
// bound: only its first arguments matter).
std::vector<std::string> CommandLine(const std::string& proc, Status* status);

// The file an interpreter runs: the first argument after the interpreter's
// own options that names an existing file, resolved against the process's
// working folder; empty if none.
std::string ScriptOf(const std::string& proc, Status* status);

// The program a bare name runs through PATH, resolved; empty if none.
std::string FindInPath(const std::string& name);

// The resolved interpreter that the "#!" line of the regular file at script
// names, looked up through PATH behind env ("#!/usr/bin/env sh"); empty for
// anything else.
std::string InterpreterOf(const std::string& script, Status* status);

// The fields of /proc/<pid>/stat from the third (the state) on; empty when
// it can't be read.
std::string StatFieldsOf(const std::string& proc, Status* status);

// t in nanoseconds.
int64_t Nanoseconds(const struct timespec& t);

// When the process started, in nanoseconds of the real-time clock; -1 when
// /proc can't tell.
int64_t StartTimeOf(const std::string& proc, Status* status);

// Whether the working folder or one of the arguments of the process
// (relative ones against that folder) lies inside folder, a resolved path.
bool RunsFrom(const std::string& proc, const std::string& folder, Status* status);

// Whether process pid, whose executable can't be read, is clearly not the
// user's client: gone since, another user's, a zombie or a kernel thread.
bool IsClearlyOther(pid_t pid, const std::string& proc);

// Whether pid runs and is not a zombie; true as well when /proc can't tell.
bool IsRunning(pid_t pid);

// A descriptor that becomes readable when the process pid ends; not ok()
// where the kernel has none (errno set).
UniqueFd OpenPidFd(pid_t pid);

// Reaps the child pid once it ends, waiting limit at most; true when it was
// reaped.
bool WaitForExit(pid_t pid, std::chrono::milliseconds limit);

#endif  // NIMBRA_LAUNCHER_PROCESS_PROCESS_INFO_H
