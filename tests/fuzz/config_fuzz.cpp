// Fuzzes the key=value reader: one line through parse() and a whole file
// through read(). Whatever the bytes, nothing may crash, and a successful
// parse yields a key of key characters only and a value without control bytes.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "config.h"

namespace {

bool IsKeyChar(unsigned char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '-' ||
           c == '_' || c == '.';
}

std::string TempFile() {
    char tmpl[] = "/tmp/nimbra-config-fuzz-XXXXXX";
    int fd = mkstemp(tmpl);
    if (fd < 0) abort();
    close(fd);
    return tmpl;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<char> line(data, data + size);
    line.push_back('\0');
    Config c;
    ustring key, value;
    const int r = c.parse(line.data(), static_cast<int>(size), key, value);
    if (r < 0 || r > 2) abort();
    if (r == 0) {
        for (size_t i = 0; i < key.length(); ++i)
            if (!IsKeyChar(static_cast<unsigned char>(key[i]))) abort();
        for (size_t i = 0; i < value.length(); ++i) {
            const unsigned char b = static_cast<unsigned char>(value[i]);
            if (b < 0x20 || b == 0x7f) abort();
        }
    }

    static const std::string path = TempFile();
    FILE* f = fopen(path.c_str(), "wb");
    if (!f) abort();
    fwrite(data, 1, size, f);
    fclose(f);
    Config whole;
    const int rr = whole.read(ustring(path.c_str()));
    if (rr != 0 && rr != -1) abort();
    if (rr == -1 && whole.begin() != whole.end()) abort();  // a bad line empties the map
    return 0;
}
