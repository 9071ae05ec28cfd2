// Fuzzes the string class's conversions and normalisation. Invariants: the
// UTF-8 form survives a round trip through UTF-16 when it is valid; the NFC
// of the NFD equals the NFC; a UTF-16 edit leaves both forms in agreement.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "ustring/ustring.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    ustring s(bytes);  // stops at the first NUL byte
    const bool valid = ustring::is_valid(s);
    const ustring::uchar16_t* w = s.c_str_utf16();
    if (w == nullptr) abort();
    if (valid) {
        ustring back(w);
        if (!s.empty() && back != s) abort();
        const ustring nfc = ustring::normalize(s, ustring::NFC);
        const ustring nfd = ustring::normalize(s, ustring::NFD);
        if (ustring::normalize(nfd, ustring::NFC) != nfc) abort();
    }

    // Feed the same bytes as UTF-16 units (unpaired surrogates included).
    std::vector<ustring::uchar16_t> units(size / 2 + 1, 0);
    if (size >= 2) std::memcpy(units.data(), data, (size / 2) * 2);
    ustring u("x");
    u.append(units.data());
    ustring copy(u);
    if (std::strlen(copy.c_str()) != copy.length()) abort();

    // Byte-level operations on arbitrary content.
    s.find(u, 0);
    s.rfind("/", ustring::npos);
    s.find_last_not_of(" \t", ustring::npos);
    ustring t(s);
    t.trim(" \t\r\n");
    if (t.length() > s.length()) abort();
    if (ustring::compare(s, s, true) != 0) abort();
    if (s.length() > 0) s.substr(s.length() / 2, ustring::npos);
    return 0;
}
