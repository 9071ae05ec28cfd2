#include "tmp_name_gen.h"

#include <gtest/gtest.h>
#include <sys/time.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

const std::string kAlphabet = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ-_";

// A 256-byte key buffer holding `text` repeated: standard RC4 with the key
// `text` runs the very same key schedule over it.
std::vector<unsigned char> CyclicKey(const std::vector<unsigned char>& text) {
    std::vector<unsigned char> key(256);
    for (size_t i = 0; i < key.size(); ++i) key[i] = text[i % text.size()];
    return key;
}

std::string Hex(const unsigned char* b, size_t n) {
    static const char digits[] = "0123456789abcdef";
    std::string s;
    for (size_t i = 0; i < n; ++i) {
        s += digits[b[i] >> 4];
        s += digits[b[i] & 15];
    }
    return s;
}

bool IsName(const std::string& name) {
    return name.size() == 8 && name.find_first_not_of(kAlphabet) == std::string::npos;
}

TEST(TmpNameGenTest, FirstCallMatchesStandardRc4) {
    const struct {
        std::vector<unsigned char> key;
        const char* keystream;  // published test vectors
    } cases[] = {
        {{'K', 'e', 'y'}, "eb9f7781b734ca72a719"},
        {{'S', 'e', 'c', 'r', 'e', 't'}, "04d46b053ca87b59"},
        {{1, 2, 3, 4, 5}, "b2396305f03dc027ccc3524a0a1118a8"},  // RFC 6229, offset 0
    };
    TmpNameGen& gen = TmpNameGen::getInstance();
    for (const auto& c : cases) {
        std::vector<unsigned char> key = CyclicKey(c.key);
        unsigned char S[256];
        gen.rc4_init(S, key.data());
        unsigned char out[16];
        size_t n = strlen(c.keystream) / 2;
        gen.rc4_randomize(S, out, static_cast<int>(n));
        EXPECT_EQ(Hex(out, n), c.keystream);
    }
}

TEST(TmpNameGenTest, KeyIsSecondsAndMicroseconds) {
    TmpNameGen& gen = TmpNameGen::getInstance();
    unsigned char key[256];
    memset(key, 0xAA, sizeof(key));
    struct timeval before, after;
    gettimeofday(&before, nullptr);
    gen.get_key(key, sizeof(key));
    gettimeofday(&after, nullptr);
    std::string text(reinterpret_cast<char*>(key));
    size_t dash = text.find('-');
    ASSERT_NE(dash, std::string::npos) << text;
    ASSERT_GT(dash, 0u) << text;
    ASSERT_LT(dash + 1, text.size()) << text;
    ASSERT_EQ(text.find_first_not_of("0123456789-"), std::string::npos) << text;
    ASSERT_EQ(text.find('-', dash + 1), std::string::npos) << text;
    unsigned long sec = std::stoul(text.substr(0, dash));
    EXPECT_GE(sec, static_cast<unsigned long>(before.tv_sec));
    EXPECT_LE(sec, static_cast<unsigned long>(after.tv_sec));
    EXPECT_LT(std::stoul(text.substr(dash + 1)), 1000000ul);

    // The length bounds the text and its terminating zero.
    memset(key, 0xAA, sizeof(key));
    gen.get_key(key, 5);
    EXPECT_EQ(strlen(reinterpret_cast<char*>(key)), 4u);
    EXPECT_EQ(key[5], 0xAA);
}

TEST(TmpNameGenTest, EncodingUsesItsOwnAlphabet) {
    const struct {
        std::vector<unsigned char> bytes;
        const char* name;
    } cases[] = {
        {{0, 0, 0, 0, 0, 0}, "00000000"},
        {{255, 255, 255, 255, 255, 255}, "________"},
        {{0xEB, 0x9F, 0x77, 0x81, 0xB7, 0x34}, "WVZTwrsQ"},
        {{0xFB, 0xEF, 0xBE, 0x00, 0x10, 0x83}, "----0123"},
    };
    char name[16];
    for (const auto& c : cases) {
        memset(name, 'x', sizeof(name));
        TmpNameGen::encode(c.bytes.data(), name);
        EXPECT_STREQ(name, c.name);
    }
    // Every one of the 64 characters, in order: the six-bit group v repeated.
    for (unsigned v = 0; v < 64; ++v) {
        unsigned char b[6];
        b[0] = b[3] = static_cast<unsigned char>(v << 2 | v >> 4);
        b[1] = b[4] = static_cast<unsigned char>((v & 15) << 4 | v >> 2);
        b[2] = b[5] = static_cast<unsigned char>((v & 3) << 6 | v);
        TmpNameGen::encode(b, name);
        EXPECT_EQ(std::string(name), std::string(8, kAlphabet[v])) << v;
    }
}

// Names continue from the permutation but restart i and j on every call, so
// they differ from a continuous RC4 stream. Reference values from an
// independent model of the generator.
TEST(TmpNameGenTest, FixedKeyFixesTheNames) {
    TmpNameGen& gen = TmpNameGen::getInstance();
    std::vector<unsigned char> key = CyclicKey({'K', 'e', 'y'});
    gen.rekey(key.data());
    EXPECT_STREQ(gen.getTmpName().c_str(), "WVZTwrsQ");
    EXPECT_STREQ(gen.getTmpName().c_str(), "lnIM_-bL");
    EXPECT_STREQ(gen.getTmpName().c_str(), "FVonc5Qc");

    gen.rekey(key.data());
    EXPECT_STREQ(gen.getTmpPath(ustring("/tmp")).c_str(), "/tmp/WVZTwrsQ");
    EXPECT_STREQ(gen.getTmpPath(ustring("")).c_str(), "/lnIM_-bL");
    EXPECT_STREQ(gen.getTmpPath(ustring("a/")).c_str(), "a//FVonc5Qc");
}

// The key buffer as the clock fills it: the text, then zero bytes, all 256
// of which take part (the text is not repeated).
TEST(TmpNameGenTest, ZeroPaddedKeyFixesTheNames) {
    unsigned char key[256] = {};
    const char text[] = "1700000000-123456";
    std::copy(text, text + sizeof text - 1, key);
    TmpNameGen& gen = TmpNameGen::getInstance();
    gen.rekey(key);
    EXPECT_STREQ(gen.getTmpName().c_str(), "4e-5Metp");
    EXPECT_STREQ(gen.getTmpName().c_str(), "J8x3FAX9");
    EXPECT_STREQ(gen.getTmpName().c_str(), "2SrkJCfK");
}

TEST(TmpNameGenTest, ClockKeyedNamesAreSafeAndVaried) {
    TmpNameGen& gen = TmpNameGen::getInstance();
    unsigned char key[256] = {0};
    gen.get_key(key, sizeof(key));
    gen.rekey(key);
    std::vector<std::string> names;
    for (int i = 0; i < 2000; ++i) {
        names.push_back(gen.getTmpName().c_str());
        ASSERT_TRUE(IsName(names.back())) << names.back();
    }
    std::sort(names.begin(), names.end());
    // 48 bits per name: a repeat among 2000 would mean a broken stream.
    EXPECT_EQ(std::unique(names.begin(), names.end()), names.end());
}

}  // namespace
