// Config: reads small "key=value" text files into an ordered map.
//
// Grammar per line: optional spaces, a key of [0-9A-Za-z._-], optional
// spaces, "=", optional spaces, a value (unquoted up to the first space or
// control byte, or quoted with " or ' and no escapes), then only spaces and
// an optional "#" comment. Blank lines and comment lines are skipped. The
// first malformed line empties the whole map and fails the read.
#ifndef NIMBRA_CONFIG_H
#define NIMBRA_CONFIG_H

#include <map>

#include "ustring/ustring.h"

class Config {
public:
    typedef std::map<ustring, ustring> Store;
    typedef Store::iterator iterator;

    Config();
    ~Config();

    // Adds the pairs of the file at path to the map (a key read again is
    // overwritten). -1 for an empty path or an unreadable file (map
    // unchanged) and for a malformed line (map emptied); else 0.
    int read(const ustring& path);

    // The value for key; an absent key is inserted with an empty value.
    ustring& operator[](const ustring& key);

    // Parses one NUL-terminated line in place (n is not used).
    // 0: key and value set; 1: blank or comment line; 2: syntax error.
    int parse(char* buf, int n, ustring& key, ustring& value);

    iterator begin() { return store.begin(); }
    iterator end() { return store.end(); }

private:
    Store store;
};

#endif  // NIMBRA_CONFIG_H
