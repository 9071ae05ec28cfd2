// TmpNameGen: short, hard-to-guess names for temporary files: eight
// characters of "0-9a-zA-Z-_" drawn from an RC4 keystream keyed once per
// process from the time of day. Process-wide singleton; thread-safe.
#ifndef NIMBRA_LIB_TMP_NAME_GEN_H
#define NIMBRA_LIB_TMP_NAME_GEN_H

#include <pthread.h>

#include <cstddef>

#include "ustring/ustring.h"

class TmpNameGen {
public:
    static TmpNameGen& getInstance();

    // A new eight-character name.
    ustring getTmpName();
    // prefix + "/" + getTmpName(); prefix is taken unchanged.
    ustring getTmpPath(const ustring& prefix);

    // The steps of the generator, public so that a known key can be tested.
    // "<seconds>-<microseconds>" of the time of day into key, zero-terminated.
    void get_key(unsigned char* key, size_t len);
    // RC4 key schedule over all 256 bytes of key.
    void rc4_init(unsigned char* S, unsigned char* key);
    // length RC4 output bytes; i and j restart at 0 on every call.
    void rc4_randomize(unsigned char* S, unsigned char* buffer, int length);
    void lock();
    void unlock();

    // Writes the eight name characters of six keystream bytes (Base64's bit
    // grouping over this generator's own alphabet) and a zero byte to name.
    static void encode(const unsigned char* bytes, char* name);

    // Test seam: replaces the key buffer by the 256 bytes at key and keys the
    // permutation afresh from it, so that the names that follow are known.
    void rekey(const unsigned char* key);

    ~TmpNameGen();

private:
    TmpNameGen();
    TmpNameGen(const TmpNameGen&) = delete;
    TmpNameGen& operator=(const TmpNameGen&) = delete;

    unsigned char m_s_box[256];
    unsigned char m_key[256];
    unsigned char m_buffer[6];
    static pthread_mutex_t m_lock;
};

#endif  // NIMBRA_LIB_TMP_NAME_GEN_H
