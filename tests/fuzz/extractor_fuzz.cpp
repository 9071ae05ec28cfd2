// Fuzzes the package extractor with arbitrary archive bytes. Each input is
// extracted into a fresh folder inside a private sandbox that is also the
// working folder; afterwards nothing but that folder may have changed.
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "extractor.h"
#include "log.h"

namespace fs = std::filesystem;

namespace {

struct Sandbox {
    std::string dir;
    Sandbox() {
        char tmpl[] = "/tmp/nimbra-extractor-fuzz-XXXXXX";
        if (!mkdtemp(tmpl)) abort();
        dir = fs::canonical(tmpl).string();
        fs::create_directories(dir + "/outside");
        std::ofstream(dir + "/outside/sentinel") << "untouched";
        fs::create_directories(dir + "/work");
        if (chdir((dir + "/work").c_str()) != 0) abort();
        // Log into the sandbox: errors only, nothing on the console.
        Logger::Initialize(Logger::FILE_LOGGER, ustring((dir + "/extractor.log").c_str()),
                           ustring(), 2);
    }
    ~Sandbox() {
        if (chdir("/tmp") == 0) fs::remove_all(dir);
    }
};

std::set<std::string> Listing(const std::string& dir) {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.insert(e.path().filename().string());
    return names;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const Sandbox box;
    const std::string archive = box.dir + "/input.bin";
    const std::string target = box.dir + "/work/target";
    {
        std::ofstream out(archive, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    fs::create_directories(target);

    Extractor e;
    // The fuzzer bounds time and memory itself, and sees the coverage of
    // the reads only when they run in its own process.
    e.SetUnbounded(true);
    e.SetSource(ustring(archive.c_str()));
    e.SetTarget(ustring(target.c_str()));
    const int r = e.Extract();
    if (r != 0 && r != -1) abort();

    // Nothing outside the target folder may have appeared or changed.
    std::set<std::string> top = Listing(box.dir);
    top.erase("extractor.log");
    for (const auto& name : Listing(box.dir))
        if (name.rfind("extractor.log_", 0) == 0) top.erase(name);
    if (top != std::set<std::string>({"input.bin", "outside", "work"})) abort();
    if (Listing(box.dir + "/work") != std::set<std::string>({"target"})) abort();
    if (Listing(box.dir + "/outside") != std::set<std::string>({"sentinel"})) abort();
    std::ifstream sentinel(box.dir + "/outside/sentinel");
    std::string text;
    std::getline(sentinel, text);
    if (text != "untouched") abort();

    fs::remove_all(target);  // links are removed, never followed
    return 0;
}
