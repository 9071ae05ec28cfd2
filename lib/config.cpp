#include "config.h"

#include <cstdio>
#include <cstring>

namespace {

// The character classes of the format. They are fixed byte sets, not the
// C library's classes, so the grammar does not depend on the locale.
bool is_space(unsigned char c) {
    return (c >= 0x09 && c <= 0x0D) || c == 0x20;
}

bool is_key_char(unsigned char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '-' ||
           c == '_' || c == '.';
}

// Bytes 0x80-0xFF count as value characters so UTF-8 text passes unchanged.
bool is_value_char(unsigned char c) {
    return c >= 0x20 && c != 0x7F;
}

char* skip_spaces(char* p) {
    while (is_space(static_cast<unsigned char>(*p))) ++p;
    return p;
}

// One read of a line: fgets stops after at most kLineBuffer - 1 bytes, so a
// longer line is handed on in pieces, each parsed as a line of its own.
const int kLineBuffer = 8192;

}  // namespace

Config::Config() {}

Config::~Config() {}

int Config::read(const ustring& path) {
    if (path.empty()) return -1;
    // Close-on-exec: no child process needs this descriptor.
    FILE* fp = fopen(path.c_str_utf8(), "re");
    if (fp == nullptr) return -1;

    int result = 0;
    char buf[kLineBuffer];
    while (fgets(buf, sizeof(buf), fp) != nullptr) {
        ustring key;
        ustring value;
        int rc = parse(buf, static_cast<int>(strlen(buf)), key, value);
        if (rc == 0) {
            store[key] = value;
        } else if (rc == 2) {
            // A half-read file must not pass for a good one: callers see
            // either every pair or none.
            store.clear();
            result = -1;
            break;
        }
    }
    fclose(fp);
    return result;
}

ustring& Config::operator[](const ustring& key) {
    return store[key];
}

int Config::parse(char* buf, int /*n*/, ustring& key, ustring& value) {
    char* p = skip_spaces(buf);
    char* key_s = p;
    while (is_key_char(static_cast<unsigned char>(*p))) ++p;
    char* key_e = p;

    // Blank line, comment line, or a key that runs straight into a comment.
    if (*p == '#' || *p == '\0') return 1;

    p = skip_spaces(p);
    if (*p != '=') return 2;
    p = skip_spaces(p + 1);
    if (*p == '\0') return 2;

    char delim = ' ';
    bool quoted = false;
    if (*p == '"' || *p == '\'') {
        delim = *p;
        quoted = true;
        ++p;
    }
    char* value_s = p;
    while (is_value_char(static_cast<unsigned char>(*p)) && *p != delim) ++p;
    char* value_e = p;

    if (quoted) {
        // The closing quote must follow; a control byte or the line end
        // inside the quotes is an error.
        if (*p != delim) return 2;
        ++p;
    }

    p = skip_spaces(p);
    if (*p != '\0' && *p != '#') return 2;

    *key_e = '\0';
    *value_e = '\0';
    key.assign(key_s);
    value.assign(value_s);
    return 0;
}
