// Unit tests of ustring: buffer sizing, the UTF-16 cache, self-referencing
// edits, the byte-wise searches and comparisons, and ICU conversion.
#include "ustring/ustring.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <map>
#include <new>
#include <sstream>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

// The allocation-failure test asks for absurd sizes; under AddressSanitizer
// these must fail like they do in the C library, not abort the run.
extern "C" const char* __asan_default_options() {
    return "allocator_may_return_null=1";
}

namespace {

typedef ustring::uchar16_t U;
const size_t npos = ustring::npos;

const U* W(const char16_t* s) {
    return reinterpret_cast<const U*>(s);
}

std::u16string U16(const ustring& s) {
    return std::u16string(reinterpret_cast<const char16_t*>(s.c_str_utf16()));
}

// Exposes the buffers so that sizing and the cache can be checked.
class Probe : public ustring {
public:
    using ustring::ustring;
    using ustring::operator=;
    Probe() = default;
    Probe(const ustring& s) : ustring(s) {}

    size_t cap() const { return data_cap; }
    size_t wcap() const { return wdata_cap; }
    size_t wlen() const { return wdata_len; }

    // Both buffers exist and are terminated inside their capacity, and a
    // built cache is the conversion of the current UTF-8 form.
    void ExpectSound() const {
        ASSERT_NE(data, nullptr);
        ASSERT_NE(wdata, nullptr);
        ASSERT_LT(data_len, data_cap);
        ASSERT_LT(wdata_len, wdata_cap);
        EXPECT_EQ(data[data_len], 0);
        EXPECT_EQ(wdata[wdata_len], 0);
        if (wdata_len != 0) {
            const std::u16string cache(reinterpret_cast<const char16_t*>(wdata), wdata_len);
            EXPECT_EQ(cache, U16(ustring(data))) << "stale cache for '" << data << "'";
        }
    }
};

// Runs f with standard error captured; returns what was written.
std::string Stderr(const std::function<void()>& f) {
    testing::internal::CaptureStderr();
    f();
    return testing::internal::GetCapturedStderr();
}

// Whether out is exactly `count` lines of the form "<prefix><status> at line
// <digits>".
bool Warned(const std::string& out, const std::string& prefix, int status, int count) {
    const std::string head = prefix + std::to_string(status) + " at line ";
    std::istringstream lines(out);
    std::string line;
    int n = 0;
    while (std::getline(lines, line)) {
        if (line.compare(0, head.size(), head) != 0 || line.size() == head.size() ||
            line.find_first_not_of("0123456789", head.size()) != std::string::npos) {
            return false;
        }
        ++n;
    }
    return n == count && !out.empty() && out.back() == '\n';
}

const char kFromUtf8[] = "Warning: u_strFromUTF8: error code ";
const char kToUtf8[] = "Warning: u_strToUTF8: error code ";
const int kInvalidChar = 10;

TEST(UstringTest, NewAndClearedStringsAreEmpty) {
    Probe s;
    EXPECT_EQ(s.length(), 0u);
    EXPECT_TRUE(s.empty());
    EXPECT_EQ(s.cap(), 4u);
    EXPECT_EQ(s.wcap(), 4u);
    ASSERT_NE(s.c_str(), nullptr);
    EXPECT_STREQ(s.c_str(), "");
    EXPECT_EQ(s.c_str_utf16()[0], 0);

    s = "hello world";
    EXPECT_EQ(U16(s), u"hello world");
    s.clear();
    EXPECT_TRUE(s.empty());
    EXPECT_STREQ(s.c_str(), "");
    EXPECT_EQ(s.cap(), 12u);
    EXPECT_EQ(s.wcap(), 12u);
    EXPECT_EQ(s.c_str_utf16()[0], 0);
    s.ExpectSound();
}

TEST(UstringTest, BuffersGrowExactlyAndShrinkBelowHalf) {
    struct Step {
        const char* what;
        std::function<void(Probe&)> op;
        size_t cap, wcap;
    };
    const std::vector<Step> steps = {
        {"fits", [](Probe& s) { s = "ab"; }, 4, 4},
        {"needs exactly half", [](Probe& s) { s = "a"; }, 4, 4},
        {"needs less than half", [](Probe& s) { s = ""; }, 1, 4},
        {"grows to exact size", [](Probe& s) { s = "hello world"; }, 12, 4},
        {"half of 12 kept", [](Probe& s) { s = "hello"; }, 12, 4},
        {"below half shrinks", [](Probe& s) { s = "hell"; }, 5, 4},
        {"append grows", [](Probe& s) { s += "o w"; }, 8, 4},
        {"fill grows", [](Probe& s) { s.append('x', 2); }, 10, 4},
        {"trim never reallocates", [](Probe& s) { s.rtrim("x").ltrim("h"); }, 10, 4},
        {"12 bytes to 3",
         [](Probe& s) {
             s = "hello world";
             s = "ab";
         },
         3, 4},
        {"then 5 bytes to 6", [](Probe& s) { s = "abcde"; }, 6, 4},
        {"cache sized on demand",
         [](Probe& s) {
             s = "abcdefghij";
             s.c_str_utf16();
         },
         11, 11},
        {"cache shrinks",
         [](Probe& s) {
             s = "a";
             s.c_str_utf16();
         },
         2, 2},
        {"UTF-16 edit sizes both", [](Probe& s) { s += W(u"bcd"); }, 5, 5},
    };
    Probe s;
    for (const Step& step : steps) {
        step.op(s);
        EXPECT_EQ(s.cap(), step.cap) << step.what;
        EXPECT_EQ(s.wcap(), step.wcap) << step.what;
        s.ExpectSound();
    }
    EXPECT_STREQ(s.c_str(), "abcd");
}

TEST(UstringTest, Utf8EditsEmptyTheCache) {
    struct Case {
        std::function<void(Probe&)> op;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {[](Probe& s) { s.append("x"); }, " h\xC3\xA9llo x"},
        {[](Probe& s) { s.append("xyz", 1); }, " h\xC3\xA9llo x"},
        {[](Probe& s) { s.append('x', 2); }, " h\xC3\xA9llo xx"},
        {[](Probe& s) { s += ustring("x"); }, " h\xC3\xA9llo x"},
        {[](Probe& s) { s += std::string("x"); }, " h\xC3\xA9llo x"},
        {[](Probe& s) { s += 'x'; }, " h\xC3\xA9llo x"},
        {[](Probe& s) { s = "x"; }, "x"},
        {[](Probe& s) { s = 'x'; }, "x"},
        {[](Probe& s) { s.assign("xyz", 2); }, "xy"},
        {[](Probe& s) { s.assign(std::string("wxyz"), 1, 2); }, "xy"},
        {[](Probe& s) { s.assign(ustring("wxyz"), 1, 2); }, "xy"},
        {[](Probe& s) { s.trim(" "); }, "h\xC3\xA9llo"},
        {[](Probe& s) { s.ltrim(" "); }, "h\xC3\xA9llo "},
        {[](Probe& s) { s.rtrim(" "); }, " h\xC3\xA9llo"},
        {[](Probe& s) { s.replace('l', 'L'); }, " h\xC3\xA9LLo "},
        {[](Probe& s) { s[1] = 'H'; }, " H\xC3\xA9llo "},
        {[](Probe& s) { s.assign(s.c_str(), 3); }, " h\xC3"},
        {[](Probe& s) { s.clear(); }, ""},
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        Probe s(" h\xC3\xA9llo ");
        ASSERT_EQ(U16(s), u" h\u00E9llo ");
        cases[i].op(s);
        EXPECT_STREQ(s.c_str(), cases[i].expected) << "case " << i;
        EXPECT_EQ(s.wlen(), 0u) << "case " << i;
        s.ExpectSound();
    }

    // Edits that change nothing keep the cache.
    const std::vector<std::function<void(Probe&)>> no_change = {
        [](Probe& s) { s.trim(""); },
        [](Probe& s) { s.trim("xyz"); },
        [](Probe& s) { s.replace('z', 'y'); },
        [](Probe& s) { s.assign(s.c_str()); },
        [](Probe& s) { s = static_cast<const ustring&>(s); },
    };
    for (size_t i = 0; i < no_change.size(); ++i) {
        Probe s(" ab ");
        U16(s);
        no_change[i](s);
        EXPECT_STREQ(s.c_str(), " ab ") << "no-change case " << i;
        EXPECT_EQ(s.wlen(), 4u) << "no-change case " << i;
    }
}

TEST(UstringTest, Utf16EditsRebuildUtf8) {
    struct Case {
        const char* start;
        std::function<void(Probe&)> op;
        const char* utf8;
    };
    const std::vector<Case> cases = {
        {"a", [](Probe& s) { s += U(u'b'); }, "ab"},
        {"a", [](Probe& s) { s += W(u"bc"); }, "abc"},
        {"a", [](Probe& s) { s.append(W(u"bcd"), 2); }, "abc"},
        {"a", [](Probe& s) { s.append(W(u"b"), 5); }, "ab"},
        {"a", [](Probe& s) { s.append(U(0xE4), 2); }, "a\xC3\xA4\xC3\xA4"},
        {"\xC3\xA4", [](Probe& s) { s += W(u"\U0001F600"); }, "\xC3\xA4\xF0\x9F\x98\x80"},
        {"abc", [](Probe& s) { s = W(u"xy"); }, "xy"},
        {"abc", [](Probe& s) { s.assign(W(u"xyz"), 2); }, "xy"},
        {"abc", [](Probe& s) { s.assign(U(u'x'), 3); }, "xxx"},
        {"abc", [](Probe& s) { s = U(u'\u00E9'); }, "\xC3\xA9"},
        {"abc", [](Probe& s) { s.append(U(0), 2); }, "abc"},  // a zero unit is the end
        {"abc", [](Probe& s) { s.append(static_cast<const U*>(nullptr)); }, "abc"},
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        Probe s(cases[i].start);
        cases[i].op(s);
        EXPECT_STREQ(s.c_str(), cases[i].utf8) << "case " << i;
        EXPECT_NE(s.wlen(), 0u) << "case " << i;
        s.ExpectSound();
    }

    Probe s("a");
    s += U(u'b');
    EXPECT_STREQ(s.c_str(), "ab");
    EXPECT_EQ(U16(s), u"ab");
    s += 'c';
    EXPECT_STREQ(s.c_str(), "abc");
    EXPECT_EQ(s.wlen(), 0u);
    EXPECT_EQ(U16(s), u"abc");
}

TEST(UstringTest, IllFormedUtf8) {
    const std::vector<std::pair<const char*, bool>> validity = {
        {"", true},       {"abc", true},    {"\xC3\xA4", true},  {"\xF0\x9F\x98\x80", true},
        {"\xFF", false},  {"a\xC3", false}, {"\xC0\x80", false}, {"\xED\xA0\x80", false},
        {"\x80z", false},
    };
    for (const auto& v : validity) {
        EXPECT_EQ(ustring::is_valid(v.first), v.second) << "'" << v.first << "'";
    }

    // A valid prefix must not leak into the UTF-16 form either.
    for (const char* text : {"\xFF", "ab\xFF"}) {
        Probe s(text);
        std::string out = Stderr([&] {
            EXPECT_EQ(s.c_str_utf16()[0], 0);
            EXPECT_EQ(s.c_str_utf16()[0], 0);
        });
        EXPECT_TRUE(Warned(out, kFromUtf8, kInvalidChar, 2)) << out;
        EXPECT_STREQ(s.c_str(), text);

        // The UTF-16 edit starts from the (empty) UTF-16 form of the text.
        out = Stderr([&] { s += W(u"x"); });
        EXPECT_TRUE(Warned(out, kFromUtf8, kInvalidChar, 1)) << out;
        EXPECT_STREQ(s.c_str(), "x");
        s.ExpectSound();
    }
}

TEST(UstringTest, UnpairedSurrogateEmptiesTheString) {
    const std::vector<std::function<void(Probe&)>> edits = {
        [](Probe& s) { s.append(U(0xD800), 1); },
        [](Probe& s) { s = W(u"a\xDC00"); },
        [](Probe& s) {
            s = "\xF0\x9F\x98\x80";  // one pair; keeping one unit splits it
            s.assign(s.c_str_utf16(), 1);
        },
    };
    for (size_t i = 0; i < edits.size(); ++i) {
        Probe s("ab");
        const std::string out = Stderr([&] { edits[i](s); });
        EXPECT_TRUE(Warned(out, kToUtf8, kInvalidChar, 1)) << "case " << i << ": " << out;
        EXPECT_TRUE(s.empty()) << "case " << i;
        EXPECT_EQ(s.wlen(), 0u) << "case " << i;
        s.ExpectSound();
    }
}

TEST(UstringTest, EditsFromTheStringsOwnBuffers) {
    const std::string long_text(300, 'q');
    struct Case {
        std::string start;
        std::function<void(Probe&)> op;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"ab", [](Probe& s) { s.append(s.c_str()); }, "abab"},
        {"ab", [](Probe& s) { s.append(s.c_str(), 1); }, "aba"},
        {"ab", [](Probe& s) { s.append(s.c_str(), 10); }, "abab"},
        {"ab", [](Probe& s) { s.assign(s.c_str()); }, "ab"},
        {"ab", [](Probe& s) { s.assign(s.c_str(), 1); }, "a"},
        {"ab", [](Probe& s) { s += s; }, "abab"},
        {"abc", [](Probe& s) { s.append(s, 1, 1); }, "abcb"},
        {"abc", [](Probe& s) { s.assign(s, 1, npos); }, "bc"},
        {"abc", [](Probe& s) { s.assign(s, 3, npos); }, ""},
        {long_text, [](Probe& s) { s += s.c_str(); }, long_text + long_text},
        {"ab", [](Probe& s) { s.append(s.c_str_utf16()); }, "abab"},
        {"ab", [](Probe& s) { s.append(s.c_str_utf16(), 1); }, "aba"},
        {"ab", [](Probe& s) { s.assign(s.c_str_utf16()); }, "ab"},
        {"ab", [](Probe& s) { s.assign(s.c_str_utf16(), 1); }, "a"},
        {long_text,
         [](Probe& s) {
             const U* own = s.c_str_utf16();
             s += 'r';  // empties the cache; its buffer stays
             s += own;  // the cache is rebuilt from the whole text first
         },
         long_text + "r" + long_text + "r"},
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        Probe s(cases[i].start);
        cases[i].op(s);
        EXPECT_EQ(std::string(s.c_str()), cases[i].expected) << "case " << i;
        EXPECT_EQ(s.length(), cases[i].expected.size()) << "case " << i;
        s.ExpectSound();
    }

    Probe s("abc");
    EXPECT_THROW(s.assign(s, 4, 1), std::out_of_range);
    EXPECT_STREQ(s.c_str(), "abc");
}

TEST(UstringTest, SubstrAndPositionErrors) {
    struct Case {
        size_t start, len;
        const char* expected;  // null: throws
    };
    const std::vector<Case> cases = {
        {0, npos, "abc"}, {3, npos, ""}, {1, 100, "bc"},  {1, 1, "b"},
        {0, 0, ""},       {2, 5, "c"},   {4, 0, nullptr}, {npos, 1, nullptr},
    };
    const ustring abc("abc");
    for (const Case& c : cases) {
        if (c.expected == nullptr) {
            try {
                abc.substr(c.start, c.len);
                ADD_FAILURE() << "no throw for start " << c.start;
            } catch (const std::out_of_range& e) {
                EXPECT_STREQ(e.what(), "substr");
            }
        } else {
            EXPECT_STREQ(abc.substr(c.start, c.len).c_str(), c.expected) << c.start;
        }
    }

    ustring s("keep");
    EXPECT_THROW(s.append(abc, 4, 1), std::out_of_range);
    EXPECT_STREQ(s.c_str(), "keep");
    EXPECT_THROW(s.assign(abc, 4, 1), std::out_of_range);
    EXPECT_TRUE(s.empty());  // assign empties before it takes the sub-string

    const std::string std_abc("abc");
    s = "keep";
    try {
        s.append(std_abc, 4, 1);
        ADD_FAILURE() << "no throw";
    } catch (const std::out_of_range& e) {
        EXPECT_STREQ(e.what(), "basic_string::substr");
    }
    EXPECT_STREQ(s.c_str(), "keep");
    s.assign(std::string("abcdef"), 2, 3);
    EXPECT_STREQ(s.c_str(), "cde");
    s.assign(std::string("ab\0cd", 5), 0, npos);  // up to the first NUL
    EXPECT_EQ(s.length(), 2u);
}

enum SearchOp { FIND, RFIND, FIRST_OF, FIRST_NOT_OF, LAST_OF, LAST_NOT_OF };

template <typename P>
size_t Search(const ustring& s, SearchOp op, const P& p, size_t pos) {
    // The overload of each search that takes a P, in the order of SearchOp.
    using Arg = std::conditional_t<std::is_class<P>::value, const P&, P>;
    using Member = size_t (ustring::*)(Arg, size_t) const;
    static const Member kSearches[] = {&ustring::find,          &ustring::rfind,
                                       &ustring::find_first_of, &ustring::find_first_not_of,
                                       &ustring::find_last_of,  &ustring::find_last_not_of};
    return (s.*kSearches[op])(p, pos);
}

TEST(UstringTest, ByteWiseSearches) {
    struct Case {
        const char* text;
        SearchOp op;
        const char* pattern;
        size_t pos, expected;
    };
    const std::vector<Case> cases = {
        {"abc", FIND, "", 2, 2},
        {"abc", FIND, "", 3, npos},
        {"", FIND, "", 0, npos},
        {"a\xC3\xA4", FIND, "\xC3\xA4", 0, 1},
        {"abcbc", FIND, "bc", 0, 1},
        {"abcbc", FIND, "bc", 2, 3},
        {"abcbc", FIND, "bc", 4, npos},
        {"abcbc", FIND, "bcd", 0, npos},
        {"abcbc", FIND, "abcbcx", 0, npos},
        {"abc", RFIND, "", npos, 2},
        {"", RFIND, "", npos, npos},
        {"/a/b", RFIND, "/", npos, 2},
        {"abcbc", RFIND, "bc", npos, 3},
        {"abcbc", RFIND, "bc", 2, 1},
        {"abcbc", RFIND, "cb", 1, npos},
        {"abcbc", RFIND, "abcbc", 0, 0},  // the match extends past pos
        {"abc", RFIND, "abcd", npos, npos},
        {"abc", FIRST_OF, "", 0, npos},
        {"/a/b", FIRST_OF, "/", 1, 2},
        {"abcbc", FIRST_OF, "cb", 0, 1},
        {"abcbc", FIRST_OF, "x", 0, npos},
        {"abcbc", FIRST_OF, "a", 5, npos},
        {"a\xC3\xA4", FIRST_OF, "\xA4", 0, 2},
        {"aab", FIRST_NOT_OF, "a", 0, 2},
        {"aaa", FIRST_NOT_OF, "a", 0, npos},
        {"abc", FIRST_NOT_OF, "", 1, 1},
        {"abc", FIRST_NOT_OF, "", 3, npos},
        {"", LAST_OF, "/", npos, npos},
        {"abcbc", LAST_OF, "b", npos, 3},
        {"abcbc", LAST_OF, "b", 2, 1},
        {"abcbc", LAST_OF, "a", 0, 0},
        {"abcbc", LAST_OF, "", npos, npos},
        {"abcbc", LAST_NOT_OF, "c", npos, 3},
        {"abcbc", LAST_NOT_OF, "bc", 100, 0},
        {"abcbc", LAST_NOT_OF, "", 100, 4},
        {"abcbc", LAST_NOT_OF, "abc", npos, npos},
        {"", LAST_NOT_OF, "", npos, npos},
    };
    for (const Case& c : cases) {
        const ustring text(c.text);
        const std::string where = std::string("'") + c.text + "' op " + std::to_string(c.op) +
                                  " '" + c.pattern + "' from " + std::to_string(c.pos);
        EXPECT_EQ(Search(text, c.op, c.pattern, c.pos), c.expected) << where;
        EXPECT_EQ(Search(text, c.op, ustring(c.pattern), c.pos), c.expected) << where;
        EXPECT_EQ(Search(text, c.op, std::string(c.pattern), c.pos), c.expected) << where;
        if (std::string(c.pattern).size() <= 1) {  // a NUL byte is the empty pattern
            EXPECT_EQ(Search(text, c.op, c.pattern[0], c.pos), c.expected) << where;
        }
    }
}

TEST(UstringTest, Trim) {
    enum Op { BOTH, LEFT, RIGHT };
    struct Case {
        const char* text;
        Op op;
        const char* list;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {"  a b\t", BOTH, " \t", "a b"},
        {"  a b\t", BOTH, "", "  a b\t"},
        {"xxx", RIGHT, "x", ""},
        {"xxx", LEFT, "x", ""},
        {"xax", LEFT, "x", "ax"},
        {"xax", RIGHT, "x", "xa"},
        {"", BOTH, " ", ""},
        {"abc", BOTH, "xyz", "abc"},
        {"\xC3\xA4", RIGHT, "\xA4", "\xC3"},
    };
    for (const Case& c : cases) {
        for (bool as_ustring : {false, true}) {
            Probe s(c.text);
            U16(s);
            const size_t cap = s.cap(), wlen = s.wlen();
            const ustring list(c.list);
            switch (c.op) {
                case BOTH:
                    as_ustring ? s.trim(list) : s.trim(c.list);
                    break;
                case LEFT:
                    as_ustring ? s.ltrim(list) : s.ltrim(c.list);
                    break;
                case RIGHT:
                    as_ustring ? s.rtrim(list) : s.rtrim(c.list);
                    break;
            }
            EXPECT_STREQ(s.c_str(), c.expected) << "'" << c.text << "' by '" << c.list << "'";
            EXPECT_EQ(s.cap(), cap);
            EXPECT_EQ(s.wlen(), std::string(c.text) == c.expected ? wlen : 0u);
            s.ExpectSound();
        }
    }
}

TEST(UstringTest, CompareAndOrder) {
    struct Case {
        const char *a, *b;
        bool caseless;
        int expected;
    };
    const std::vector<Case> cases = {
        {"abc", "ABC", true, 0},
        {"abc", "ABC", false, 'a' - 'A'},
        {"\xC3\x84", "\xC3\xA4", true, 0x84 - 0xA4},  // non-ASCII keeps its case
        {"_", "A", true, '_' - 'a'},                  // capitals fold down to a-z
        {"_", "A", false, '_' - 'A'},
        {"ab", "abc", false, -'c'},
        {"abc", "abd", false, -1},
        {"Z", "a", false, 'Z' - 'a'},
        {"\xC3\xA4", "z", false, 0xC3 - 'z'},  // bytes are unsigned
        {"", "", false, 0},
        {"same", "same", false, 0},
    };
    for (const Case& c : cases) {
        const ustring a(c.a), b(c.b);
        EXPECT_EQ(ustring::compare(a, b, c.caseless), c.expected) << c.a << " vs " << c.b;
        if (c.caseless) continue;
        EXPECT_EQ(a.compare(b), c.expected);
        EXPECT_EQ(a < b, c.expected < 0);
        EXPECT_EQ(a > b, c.expected > 0);
        EXPECT_EQ(a <= b, c.expected <= 0);
        EXPECT_EQ(a >= b, c.expected >= 0);
        EXPECT_EQ(a == b, c.expected == 0);
        EXPECT_EQ(a != b, c.expected != 0);
    }

    const ustring abcdef("abcdef");
    EXPECT_EQ(abcdef.compare(ustring("abcxyz"), 3), 0);
    EXPECT_EQ(abcdef.compare(ustring("abd"), 3), 'c' - 'd');
    EXPECT_EQ(abcdef.compare(ustring("abcdef"), 100), 0);
    EXPECT_EQ(abcdef.compare(ustring("abcdefg"), 100), -'g');
    EXPECT_EQ(abcdef.compare(ustring("x"), 0), 0);

    std::map<ustring, int> m = {{"b", 0}, {"\xC3\xA4", 0}, {"a", 0}, {"Z", 0}};
    std::string order;
    for (const auto& kv : m) order += std::string(kv.first.c_str()) + ",";
    EXPECT_EQ(order, "Z,a,b,\xC3\xA4,");
}

TEST(UstringTest, Normalize) {
    const ustring a_umlaut("\xC3\xA4");
    EXPECT_EQ(a_umlaut.length(), 2u);
    EXPECT_EQ(U16(a_umlaut).size(), 1u);

    const ustring nfd = a_umlaut.normalize(ustring::NFD);
    EXPECT_STREQ(nfd.c_str(), "a\xCC\x88");
    EXPECT_EQ(nfd.length(), 3u);
    const ustring nfc = ustring::normalize(nfd, ustring::NFC);
    EXPECT_STREQ(nfc.c_str(), "\xC3\xA4");
    EXPECT_EQ(U16(nfc), u"\u00E4");

    EXPECT_STREQ(ustring::normalize("\xE2\x84\xAB", ustring::NFC).c_str(), "\xC3\x85");
    EXPECT_STREQ(ustring::normalize("plain/path", ustring::NFD).c_str(), "plain/path");
    EXPECT_TRUE(ustring::normalize("", ustring::NFC).empty());

    ustring bad;
    const std::string out = Stderr([&] { bad = ustring::normalize("\xFF", ustring::NFC); });
    EXPECT_TRUE(Warned(out, kFromUtf8, kInvalidChar, 1)) << out;
    EXPECT_TRUE(bad.empty());
}

TEST(UstringTest, ConstructCopySwapConcatenateAndStream) {
    EXPECT_STREQ(ustring(std::string("std")).c_str(), "std");
    EXPECT_STREQ(ustring('c').c_str(), "c");
    EXPECT_STREQ(ustring(W(u"w\u00E9")).c_str(), "w\xC3\xA9");
    EXPECT_TRUE(ustring(static_cast<const char*>(nullptr)).empty());

    Probe original("text");
    U16(original);
    Probe copy(original);
    EXPECT_EQ(copy.wlen(), 0u);  // the copy's cache starts empty
    copy[0] = 'n';
    EXPECT_STREQ(original.c_str(), "text");
    EXPECT_STREQ(copy.c_str(), "next");

    const char* p = original.c_str();
    const char* q = copy.c_str();
    swap(original, copy);
    EXPECT_EQ(original.c_str(), q);
    EXPECT_EQ(copy.c_str(), p);
    EXPECT_EQ(copy.wlen(), 4u);  // the cache went with its text
    copy.ExpectSound();

    const ustring a("a");
    EXPECT_STREQ((a + ustring("b")).c_str(), "ab");
    EXPECT_STREQ((a + "b").c_str(), "ab");
    EXPECT_STREQ((a + 'b').c_str(), "ab");
    EXPECT_STREQ((a + W(u"\u00E4")).c_str(), "a\xC3\xA4");
    EXPECT_STREQ((a + U(u'b')).c_str(), "ab");
    EXPECT_STREQ(a.c_str(), "a");

    ustring z("ab");
    z.append('\0', 2).append("cd");  // zero bytes count but end the text
    EXPECT_EQ(z.length(), 6u);
    std::ostringstream os;
    os << z << '|' << ustring("\xC3\xA4");
    EXPECT_EQ(os.str(), "ab|\xC3\xA4");

    std::istringstream is("  first second\n");
    ustring w1, w2;
    is >> w1 >> w2;
    EXPECT_STREQ(w1.c_str(), "first");
    EXPECT_STREQ(w2.c_str(), "second");
}

TEST(UstringTest, AllocationFailureKeepsTheOldBuffer) {
    Probe s("abc");
    U16(s);
    const std::vector<std::function<void()>> huge = {
        [&] { s.append('x', npos - 1); },          // the size does not fit in size_t
        [&] { s.append('x', SIZE_MAX / 4); },      // realloc fails
        [&] { s.append(U(u'x'), SIZE_MAX / 2); },  // the UTF-16 byte count overflows
        [&] { s.append(U(u'x'), SIZE_MAX / 8); },  // realloc fails
    };
    for (size_t i = 0; i < huge.size(); ++i) {
        EXPECT_THROW(huge[i](), std::bad_alloc) << "case " << i;
        EXPECT_STREQ(s.c_str(), "abc") << "case " << i;
        EXPECT_EQ(s.cap(), 4u);
        s.ExpectSound();
    }
}

}  // namespace
