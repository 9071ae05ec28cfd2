#include "tmp_name_gen.h"

#include <stdlib.h>
#include <sys/time.h>
#include <time.h>

#include <cstdio>
#include <cstring>
#include <utility>

namespace {

// Not Base64's alphabet: no "+" or "/", so every name is a safe file name.
const char kMap[] = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ-_";

const int kNameBytes = 6;

}  // namespace

pthread_mutex_t TmpNameGen::m_lock = PTHREAD_MUTEX_INITIALIZER;

TmpNameGen& TmpNameGen::getInstance() {
    static TmpNameGen instance;
    return instance;
}

TmpNameGen::TmpNameGen() : m_s_box{}, m_key{}, m_buffer{} {
    get_key(m_key, sizeof(m_key));
    rc4_init(m_s_box, m_key);
}

TmpNameGen::~TmpNameGen() {}

ustring TmpNameGen::getTmpName() {
    char name[9];
    lock();
    rc4_randomize(m_s_box, m_buffer, kNameBytes);
    encode(m_buffer, name);
    unlock();
    // Built after the lock is released: nothing is allocated under it.
    return ustring(name);
}

ustring TmpNameGen::getTmpPath(const ustring& prefix) {
    ustring name = getTmpName();
    return prefix + "/" + name;
}

void TmpNameGen::get_key(unsigned char* key, size_t len) {
    if (len == 0) return;
    struct timeval tv;
    gettimeofday(&tv, nullptr);
    snprintf(reinterpret_cast<char*>(key), len, "%lu-%lu", static_cast<unsigned long>(tv.tv_sec),
             static_cast<unsigned long>(tv.tv_usec));
}

void TmpNameGen::rc4_init(unsigned char* S, unsigned char* key) {
    for (int i = 0; i < 256; ++i) S[i] = static_cast<unsigned char>(i);
    if (key[0] == 0) {
        // No key text: fall back to the C library's generator.
        srand(static_cast<unsigned int>(time(nullptr)));
        for (int i = 0; i < 256; ++i) key[i] = static_cast<unsigned char>(rand() & 0xFF);
    }
    // All 256 bytes take part, the zero bytes after the key text included;
    // the text is not repeated by its own length.
    unsigned char j = 0;
    for (int i = 0; i < 256; ++i) {
        j = static_cast<unsigned char>(j + S[i] + key[i]);
        std::swap(S[i], S[j]);
    }
}

void TmpNameGen::rc4_randomize(unsigned char* S, unsigned char* buffer, int length) {
    if (length <= 0) return;
    // Only S carries over: unlike a continuous RC4 stream, every call starts
    // again at i = 0, j = 0.
    unsigned char i = 0;
    unsigned char j = 0;
    for (int k = 0; k < length; ++k) {
        i = static_cast<unsigned char>(i + 1);
        j = static_cast<unsigned char>(j + S[i]);
        std::swap(S[i], S[j]);
        buffer[k] = S[static_cast<unsigned char>(S[i] + S[j])];
    }
}

void TmpNameGen::lock() {
    pthread_mutex_lock(&m_lock);
}

void TmpNameGen::unlock() {
    pthread_mutex_unlock(&m_lock);
}

void TmpNameGen::encode(const unsigned char* bytes, char* name) {
    for (int g = 0; g < 2; ++g) {
        const unsigned char* b = bytes + 3 * g;
        char* out = name + 4 * g;
        out[0] = kMap[b[0] / 4];
        out[1] = kMap[(b[0] % 4) * 16 + b[1] / 16];
        out[2] = kMap[(b[1] % 16) * 4 + b[2] / 64];
        out[3] = kMap[b[2] % 64];
    }
    name[8] = '\0';
}

void TmpNameGen::rekey(const unsigned char* key) {
    lock();
    memcpy(m_key, key, sizeof(m_key));
    rc4_init(m_s_box, m_key);
    unlock();
}
