// The launcher killed (SIGKILL: logout, power loss) at several moments of a
// preparation. Whatever the moment, the user's old copy must exist whole
// somewhere until the new one is complete, and the next run must end with
// exactly the package's content and no backups.
#include "e2e/launcher_fixture.h"

using namespace nimbra_e2e;

namespace {

const int kFillers = 3000;

struct KillPoint {
    const char* name;
    bool first_install;
    // When this returns true, the launcher is killed.
    bool (*reached)(const std::string& app, const std::string& log);
    // The start script waits (NIMBRA_TEST_HOLD) and is killed with the
    // launcher, as at a power loss.
    bool hold_start = false;
};

// The start script of the app folder that runs now, or 0.
pid_t StartScriptPid(const std::string& app) {
    for (const auto& e : fs::directory_iterator("/proc")) {
        const std::string name = e.path().filename();
        if (name.find_first_not_of("0123456789") != std::string::npos) continue;
        if (ReadFile(e.path() / "cmdline").find(app + "/package/start-stop") != std::string::npos)
            return std::stoi(name);
    }
    return 0;
}

bool BackupMade(const std::string& app, const std::string&) {
    return Exists(app + "_tmp");
}
bool NewInfoExtracted(const std::string& app, const std::string&) {
    return ReadFile(app + "/INFO").find("build_version=101") != std::string::npos &&
           Exists(app + "/bin/nimbra-backup-ui");
}
bool ThirdExtracted(const std::string& app, const std::string&) {
    return Exists(app + "/share/data/file01000.txt");
}
bool NearlyAllExtracted(const std::string& app, const std::string&) {
    return Exists(app + "/share/data/file02900.txt");
}
bool CleaningUp(const std::string&, const std::string& log) {
    return ReadFile(log).find("user installation is ready") != std::string::npos;
}
// The client is started before the new copy is durable and the backups go.
bool ClientStarting(const std::string& app, const std::string&) {
    return StartScriptPid(app) != 0;
}

// The new client runs from the new copy, which is still on trial.
bool TrialWithClientUp(const std::string& app, const std::string&) {
    return ReadFile(app + ".pending") == "trial 0\n" &&
           ReadFile(app + "/../starts.log").find("build_version=101") != std::string::npos;
}

void PrintTo(const KillPoint& kp, std::ostream* os) {
    *os << kp.name;
}

class LauncherInterrupted : public LauncherE2E, public ::testing::WithParamInterface<KillPoint> {};

TEST_P(LauncherInterrupted, NextRunCompletesTheCopyAndKeepsTheOldOneUntilThen) {
    const KillPoint& kp = GetParam();
    std::map<std::string, std::string> old_tree;
    if (!kp.first_install) {
        Publish(100, kFillers);
        ASSERT_EQ(Launch().status, 0);
        old_tree = Tree(app());
        Publish(101, kFillers);
    } else {
        Publish(101, kFillers);
    }
    const std::string log_path = home() + "/.NimbraBackup/log/launcher.log";

    const std::string h = home();
    homes_.push_back(h);
    const std::string hold = dir() + "/never-released";
    const pid_t pid = Start(launcher(), {},
                            {{"HOME", h.c_str()},
                             {"QT_QPA_PLATFORM", "offscreen"},
                             {"XDG_RUNTIME_DIR", nullptr},
                             {"NIMBRA_TEST_HOLD", kp.hold_start ? hold.c_str() : nullptr}},
                            dir(), dir() + "/killed.out", dir() + "/killed.err");
    bool reached = false;
    for (int i = 0; i < 60000 && !reached; ++i) {
        reached = kp.reached(app(), log_path);
        if (!reached) std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    ASSERT_TRUE(reached) << "the launcher never reached the moment '" << kp.name << "'";
    kill(pid, SIGKILL);
    EXPECT_EQ(Wait(pid, 10), 128 + SIGKILL);
    if (kp.hold_start) {
        const pid_t script = StartScriptPid(app());
        ASSERT_NE(script, 0);
        kill(script, SIGKILL);
        EXPECT_EQ(Wait(script, 10), 128 + SIGKILL);
    }

    if (!kp.first_install) {
        // The old copy must still exist whole: in place or under a backup name.
        bool whole = Tree(app()) == old_tree;
        for (const char* b : {"_tmp", "_tmp1", "_tmp2"})
            whole = whole || Tree(app() + b) == old_tree;
        // ...unless the new copy was already complete.
        whole = whole || Tree(app()) == PackageTree();
        EXPECT_TRUE(whole) << "the user's old copy was lost at '" << kp.name << "'";
    }

    const RunResult r = Launch();
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Tree(app()), PackageTree()) << "after a kill at '" << kp.name << "'";
    for (const char* b : {"_tmp", "_tmp1", "_tmp2"})
        EXPECT_FALSE(Exists(app() + b)) << b << " left after a kill at '" << kp.name << "'";
    const std::string starts = ReadFile(home() + "/.NimbraBackup/starts.log");
    EXPECT_NE(starts.rfind("start build_version=101\n"), std::string::npos) << starts;

    // A further run has nothing left to do.
    const std::string before = ReadFile(log_path);
    ASSERT_EQ(Launch().status, 0);
    EXPECT_NE(ReadFile(log_path).find("no need to upgrade", before.size()), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    KillPoints, LauncherInterrupted,
    ::testing::Values(KillPoint{"backup made", false, BackupMade},
                      KillPoint{"new INFO and executable extracted", false, NewInfoExtracted},
                      KillPoint{"a third extracted", false, ThirdExtracted},
                      KillPoint{"nearly all extracted", false, NearlyAllExtracted},
                      KillPoint{"cleaning up", false, CleaningUp},
                      KillPoint{"client starting", false, ClientStarting, true},
                      KillPoint{"new client up during its trial", false, TrialWithClientUp},
                      KillPoint{"first install, client starting", true, ClientStarting, true},
                      KillPoint{"first install, new INFO extracted", true, NewInfoExtracted},
                      KillPoint{"first install, a third extracted", true, ThirdExtracted}),
    [](const ::testing::TestParamInfo<KillPoint>& info) {
        std::string n = info.param.name;
        for (char& c : n)
            if (!isalnum(static_cast<unsigned char>(c))) c = '_';
        return n;
    });

}  // namespace
