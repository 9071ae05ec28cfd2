// Every fallible call of a launcher run made to fail, one at a time: for each
// scenario and class of calls, the real launcher runs under the fault
// injector with call N = 1, 2, ... failing until a run sees no failure. After
// each failure the run must have ended in time with the lock free and no
// reader left behind, the user must have a whole copy with its client running
// (on a first install no client but from a whole copy), a run that did not
// reach the new copy must say why in the default log (the errno's text on an
// [ERROR] or [WARNING] line), and the next run without a failure must end
// with the new copy and its client.
//
// The ordinary run tries the first and the last call of each class (and the
// middle one of a class with many) with one errno; with NIMBRA_FAULT_FULL=1
// every call of every errno.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>

#include <cstring>
#include <iostream>

#include "e2e/launcher_fixture.h"
#include "fault/fault_report.h"

using namespace nimbra_e2e;

namespace {

enum class Scenario { kFirstInstall, kUpgrade, kRecovery };

struct Row {
    Scenario scenario;
    const char* cls;
    std::vector<const char*> errnos;  // the first is the ordinary run's
};

const char* const kOpen[] = {"ENOSPC", "EDQUOT", "EIO", "EACCES", "EROFS", "EMFILE", "ENOMEM"};

std::vector<const char*> Errnos(const char* cls) {
    const std::map<std::string, std::vector<const char*>> table = {
        {"open", {std::begin(kOpen), std::end(kOpen)}},
        {"proc", {"ENOENT", "EACCES", "EMFILE"}},
        {"write", {"ENOSPC", "EDQUOT", "EIO"}},
        {"read", {"EIO"}},
        {"rename", {"EIO", "EACCES", "EROFS", "ENOSPC", "EDQUOT"}},
        {"remove", {"EIO", "EACCES", "EROFS", "EPERM"}},
        {"sync", {"EIO", "ENOSPC", "EDQUOT"}},
        {"statvfs", {"EIO", "EACCES", "ENOMEM"}},
        {"thread", {"EAGAIN", "ENOMEM"}},
        {"spawn", {"EAGAIN", "ENOMEM"}},
        {"memfd", {"EMFILE", "ENFILE", "ENOMEM"}},
        {"flock", {"ENOLCK", "EIO"}},
    };
    return table.at(cls);
}

int ErrnoValue(const std::string& name) {
    const std::map<std::string, int> values = {
        {"ENOSPC", ENOSPC}, {"EDQUOT", EDQUOT}, {"EIO", EIO},       {"EACCES", EACCES},
        {"EPERM", EPERM},   {"EROFS", EROFS},   {"EMFILE", EMFILE}, {"ENFILE", ENFILE},
        {"EAGAIN", EAGAIN}, {"ENOMEM", ENOMEM}, {"ENOENT", ENOENT}, {"ENOLCK", ENOLCK}};
    return values.at(name);
}

// Points where the promise is knowingly not kept, each with its reason: the
// sweep reports them and leaves them out.
struct HandedOver {
    const char* cls;
    const char* call;  // parts of the failed call's report, in order, '*' between
    const char* why;
};
const HandedOver kHandedOver[] = {
    {"rename", "Nimbra.app_tmp",
     "a whole copy that can't be moved back from its backup name is not started from there"},
};

// Failures that the archive library reports with the errno of the fallback
// it tried next (a stat after mkdir, an rmdir after unlink): the log names
// the failed step and that other reason.
const HandedOver kLibraryFallbacks[] = {
    {"open", "mkdir ", "Failed to create dir '"},
    {"remove", "unlink ", "Could not unlink: "},
};

// call with the number of every /proc/<pid>/ written as PID.
std::string WithoutPids(std::string call) {
    for (size_t at = call.find("/proc/"); at != std::string::npos;
         at = call.find("/proc/", at + 1)) {
        const size_t digits = call.find_first_not_of("0123456789", at + 6);
        if (digits > at + 6 && digits != std::string::npos)
            call.replace(at + 6, digits - at - 6, "PID");
    }
    return call;
}

// Whether the parts of pattern ('*' between them) appear in text in order.
bool Matches(const std::string& text, const std::string& pattern) {
    size_t at = 0;
    for (size_t from = 0; from <= pattern.size();) {
        const size_t star = std::min(pattern.find('*', from), pattern.size());
        at = text.find(pattern.substr(from, star - from), at);
        if (at == std::string::npos) return false;
        at += star - from;
        from = star + 1;
    }
    return true;
}

const HandedOver* FindHandedOver(const std::string& cls, const std::string& call) {
    for (const HandedOver& h : kHandedOver)
        if (cls == h.cls && Matches(WithoutPids(call), h.call)) return &h;
    return nullptr;
}

// NIMBRA_FAULT_FULL: "1" tries every call with every errno, "calls" every
// call with the first errno only (most of the finds at a fraction of the time).
bool FullSweep() {
    const char* full = getenv("NIMBRA_FAULT_FULL");
    return full != nullptr && (strcmp(full, "1") == 0 || strcmp(full, "calls") == 0);
}

bool EveryErrno() {
    const char* full = getenv("NIMBRA_FAULT_FULL");
    return full != nullptr && strcmp(full, "1") == 0;
}

nimbra_fault_report ReadReport(const std::string& file) {
    nimbra_fault_report r{};
    const std::string bytes = ReadFile(file);
    if (bytes.size() == sizeof r) memcpy(&r, bytes.data(), sizeof r);
    return r;
}

// Whether any process still runs the launcher's executable (a reader it
// forked and did not reap, say).
bool LauncherLeft(const std::string& exe) {
    for (const auto& e : fs::directory_iterator("/proc")) {
        const std::string name = e.path().filename();
        if (name.find_first_not_of("0123456789") != std::string::npos) continue;
        std::error_code ec;
        if (fs::read_symlink(e.path() / "exe", ec) == exe && Alive(std::stoi(name))) return true;
    }
    return false;
}

bool LockFree(const std::string& lock) {
    const int fd = open(lock.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) return true;  // never made: nothing holds it
    const bool free = flock(fd, LOCK_EX | LOCK_NB) == 0;
    close(fd);
    return free;
}

// Whether an [ERROR] or [WARNING] line of log holds reason.
bool LogSaysWhy(const std::string& log, const std::string& reason) {
    for (size_t at = 0; at < log.size();) {
        const size_t end = std::min(log.find('\n', at), log.size());
        const std::string line = log.substr(at, end - at);
        at = end + 1;
        if ((line.find("[ERROR]") != std::string::npos ||
             line.find("[WARNING]") != std::string::npos) &&
            line.find(reason) != std::string::npos)
            return true;
    }
    return false;
}

class FaultSweep : public LauncherE2E, public ::testing::WithParamInterface<Row> {
protected:
    void SetUp() override {
        LauncherE2E::SetUp();
        // The default thresholds, as installed: errors and warnings only.
        fs::copy_file(NIMBRA_STAGE "/log/launcher.debug", root() + "/log/launcher.debug",
                      fs::copy_options::overwrite_existing);
    }

    std::string App(const std::string& h) const { return h + "/.NimbraBackup/Nimbra.app"; }
    std::string Log(const std::string& h) const {
        return ReadFile(h + "/.NimbraBackup/log/launcher.log");
    }

    RunResult Run(const std::string& h, std::map<std::string, const char*> env = {}) {
        homes_.push_back(h);
        env.emplace("HOME", h.c_str());
        env.emplace("QT_QPA_PLATFORM", "offscreen");
        env.emplace("XDG_RUNTIME_DIR", nullptr);
        return RunProgram(launcher(), {}, env, dir(), 30);
    }

    // The pid in the client's pid file now, or 0.
    pid_t PidNow(const std::string& h) {
        const std::string t = ReadFile(h + "/.NimbraBackup/ui.pid");
        return t.rfind("pid=", 0) == 0 ? atoi(t.c_str() + 4) : 0;
    }

    // Whether the client of home h runs, waiting a little for it to write
    // its pid file (a stopped client's file may still be there).
    bool ClientRuns(const std::string& h) {
        for (int i = 0; i < 500; ++i) {
            if (Alive(PidNow(h))) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            ReapAll();
        }
        return false;
    }

    void StopClient(const std::string& h) {
        const pid_t pid = PidNow(h);
        if (pid > 0) kill(pid, SIGKILL);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        ReapAll();
    }

    // Brings home h to the scenario's starting point; the old copy's tree.
    std::map<std::string, std::string> Prepare(Scenario s, const std::string& h) {
        fs::create_directories(h);
        Publish(100);
        old_client_ = 0;
        if (s == Scenario::kFirstInstall) return {};
        EXPECT_EQ(Run(h).status, 0);
        EXPECT_TRUE(ClientRuns(h));
        old_client_ = PidNow(h);
        const auto old_tree = Tree(App(h));
        if (s == Scenario::kRecovery) {
            // As a run killed in mid-extraction leaves it: the old copy under
            // its backup name, half of the new one in the app folder.
            StopClient(h);
            fs::rename(App(h), App(h) + "_tmp");
            WriteFile(App(h) + ".pending", "partial 0\n");
            WriteFile(App(h) + "/INFO", nimbra_test::InfoText(101));
            WriteFile(App(h) + "/share/data/file00000.txt", "half");
        }
        Publish(101);
        return old_tree;
    }

    // One run with call n of the class failing; false when no call failed.
    bool Inject(Scenario s, const std::string& cls, const std::string& err, int64_t n,
                int64_t* points) {
        const std::string h = dir() + "/h" + std::to_string(++serial_);
        const auto old_tree = Prepare(s, h);
        const std::string before = Log(h);
        const std::string fault = cls + ":" + std::to_string(n) + ":" + err;
        const std::string report = dir() + "/report" + std::to_string(serial_);
        // Files and folders of the sandbox only: not the toolkit's plug-ins
        // and fonts, nor the pipe to the reader, which fails only when the
        // other end is gone.
        const std::string scope = dir();
        const RunResult r = Run(h, {{"LD_PRELOAD", NIMBRA_FAULT_LIB},
                                    {"NIMBRA_FAULT", fault.c_str()},
                                    {"NIMBRA_FAULT_REPORT", report.c_str()},
                                    {"NIMBRA_FAULT_PATHS", scope.c_str()}});
        const nimbra_fault_report rep = ReadReport(report);
        EXPECT_EQ(rep.magic, NIMBRA_FAULT_MAGIC) << "the injector did not run";
        *points = rep.seen;
        if (rep.fired_at == 0) {
            EXPECT_EQ(r.status, 0);
            StopClient(h);
            return false;
        }
        SCOPED_TRACE(fault + " in " + rep.fired_in);
        if (getenv("NIMBRA_FAULT_VERBOSE") != nullptr)
            std::cout << fault << " in " << rep.fired_in << "\n";
        const HandedOver* known = FindHandedOver(cls, rep.fired_in);
        if (known != nullptr) {
            std::cout << fault << " in " << rep.fired_in << ": left out, " << known->why << "\n";
            StopClient(h);
            return true;
        }
        CheckFailedRun(s, h, r, old_tree, Log(h).substr(before.size()), cls, rep.fired_in,
                       ErrnoValue(err));
        CheckNextRunConverges(h);
        StopClient(h);
        return true;
    }

    void CheckFailedRun(Scenario s, const std::string& h, const RunResult& r,
                        const std::map<std::string, std::string>& old_tree, const std::string& log,
                        const std::string& cls, const std::string& call, int err) {
        EXPECT_EQ(r.status, 0) << "the launcher hung or died\n" << r.err << log;
        EXPECT_TRUE(LockFree(h + "/.NimbraBackup/launcher.lock"));
        EXPECT_FALSE(LauncherLeft(launcher())) << "a launcher process outlived the run";
        const auto tree = Tree(App(h));
        const bool upgraded = tree == PackageTree();
        if (s == Scenario::kFirstInstall) {
            const bool started = !ReadFile(h + "/.NimbraBackup/starts.log").empty();
            EXPECT_TRUE(!started || upgraded) << "a client was started from a copy not whole";
        } else {
            EXPECT_TRUE(upgraded || tree == old_tree) << "the user's whole copy is gone\n" << log;
            EXPECT_TRUE(ClientRuns(h)) << "no client runs\n" << log;
        }
        // A run that replaced the copy must have stopped the client that ran
        // from it (one that failed leaves it running, and runs the start
        // script, whose business a client already running is).
        ReapAll();
        EXPECT_FALSE(upgraded && old_client_ != 0 && Alive(old_client_))
            << "the old client still runs beside the new one\n"
            << log;
        const bool converged =
            upgraded && ClientRuns(h) && !Exists(App(h) + "_tmp") && !Exists(App(h) + ".pending");
        std::string reason = strerror(err);
        for (const HandedOver& f : kLibraryFallbacks)
            if (cls == f.cls && Matches(call, f.call) && LogSaysWhy(log, f.why)) reason = f.why;
        EXPECT_TRUE(converged || LogSaysWhy(log, reason))
            << "the default log does not say why (" << strerror(err) << "):\n"
            << log;
    }

    void CheckNextRunConverges(const std::string& h) {
        StopClient(h);
        EXPECT_EQ(Run(h).status, 0);
        EXPECT_EQ(Tree(App(h)), PackageTree()) << "the next run did not converge";
        EXPECT_FALSE(Exists(App(h) + "_tmp"));
        EXPECT_FALSE(Exists(App(h) + ".pending"));
        EXPECT_TRUE(ClientRuns(h));
    }

    int serial_ = 0;
    pid_t old_client_ = 0;  // the client that ran before the upgrade
};

TEST_P(FaultSweep, EveryFailureLeavesAWholeCopyAndSaysWhy) {
    const Row& row = GetParam();
    const bool full = FullSweep();
    const auto start = std::chrono::steady_clock::now();
    for (const char* err : row.errnos) {
        // A run that only counts, then every call, or in the ordinary run the
        // middle one, in the thick of the work (the first and the last are
        // mostly the log folder and the clean-up). A failed run takes five
        // seconds, the failure is shown that long, and every run that starts
        // a new client watches it for three.
        int64_t points = 0;
        Inject(row.scenario, row.cls, err, 0, &points);
        std::vector<int64_t> calls;
        for (int64_t n = 1; n <= points; ++n)
            if (full || n == (points + 1) / 2) calls.push_back(n);
        for (int64_t n : calls) {
            // A run may make fewer calls than the counting one (the client's
            // end is polled through /proc): a call not met is no fault.
            int64_t seen = 0;
            Inject(row.scenario, row.cls, err, n, &seen);
            if (HasFailure()) break;  // one fault at a time is enough to read
        }
        std::cout << row.cls << ":" << err << ": " << points << " injection points, "
                  << calls.size() << " tried\n";
        if (!EveryErrno() || HasFailure()) break;
    }
    std::cout << "took "
              << std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() -
                                                                  start)
                     .count()
              << " s\n";
}

std::vector<Row> Rows() {
    std::vector<Row> rows;
    const char* const classes[] = {"open", "proc",    "write",  "read",  "rename", "remove",
                                   "sync", "statvfs", "thread", "spawn", "memfd",  "flock"};
    // The ordinary run, bounded to about a minute, tries each class once, in
    // the scenario where it does the most: the full sweep every class in all.
    const std::map<std::string, Scenario> ordinary = {
        {"open", Scenario::kUpgrade},       {"proc", Scenario::kUpgrade},
        {"write", Scenario::kUpgrade},      {"read", Scenario::kRecovery},
        {"rename", Scenario::kRecovery},    {"remove", Scenario::kRecovery},
        {"sync", Scenario::kUpgrade},       {"statvfs", Scenario::kFirstInstall},
        {"thread", Scenario::kUpgrade},     {"spawn", Scenario::kFirstInstall},
        {"memfd", Scenario::kFirstInstall}, {"flock", Scenario::kRecovery}};
    for (Scenario s : {Scenario::kFirstInstall, Scenario::kUpgrade, Scenario::kRecovery})
        for (const char* c : classes)
            if (FullSweep() || ordinary.at(c) == s) rows.push_back({s, c, Errnos(c)});
    return rows;
}

void PrintTo(const Row& row, std::ostream* os) {
    *os << row.cls;
}

std::string RowName(const ::testing::TestParamInfo<Row>& info) {
    static const char* const kScenarios[] = {"first_install", "upgrade", "recovery"};
    return std::string(kScenarios[static_cast<int>(info.param.scenario)]) + "_" + info.param.cls;
}

INSTANTIATE_TEST_SUITE_P(Classes, FaultSweep, ::testing::ValuesIn(Rows()), RowName);

}  // namespace
