// Times one of the launcher's file operations in-process, as the launcher
// calls it, and prints the seconds it took:
//   bench_fileops remove PATH    RemoveTree(PATH)
//   bench_fileops copy SRC DST   FSCopy(SRC, DST, false)
// Exits 1 when the operation fails, 2 on a usage error.
#include <chrono>
#include <cstdio>
#include <cstring>

#include "file/file-op.h"
#include "file/tree-removal.h"

int main(int argc, char** argv) {
    const bool remove = argc == 3 && std::strcmp(argv[1], "remove") == 0;
    const bool copy = argc == 4 && std::strcmp(argv[1], "copy") == 0;
    if (!remove && !copy) {
        std::fprintf(stderr, "usage: %s remove PATH | copy SRC DST\n", argv[0]);
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const int result = remove ? RemoveTree(argv[2]) : FSCopy(argv[2], argv[3], false);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    if (result != 0) {
        std::fprintf(stderr, "%s failed: %d\n", argv[1], result);
        return 1;
    }
    std::printf("%.6f\n", took.count());
    return 0;
}
