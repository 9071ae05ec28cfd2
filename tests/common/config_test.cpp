#include "config.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "support/test_env.h"

namespace {

using Pairs = std::map<std::string, std::string>;

class ConfigTest : public nimbra_test::SandboxTest {
protected:
    // Reads content through a file and returns the result code and map.
    int ReadText(const std::string& content, Config& cfg) {
        std::string file = path("kv.txt");
        nimbra_test::WriteFile(file, content);
        return cfg.read(ustring(file.c_str()));
    }

    static Pairs Contents(Config& cfg) {
        Pairs out;
        for (Config::iterator it = cfg.begin(); it != cfg.end(); ++it) {
            out[it->first.c_str()] = it->second.c_str();
        }
        return out;
    }
};

struct Case {
    const char* name;
    std::string content;
    int result;
    Pairs pairs;
};

TEST_F(ConfigTest, GrammarTable) {
    std::vector<Case> cases = {
        {"plain", "pid=1234\n", 0, {{"pid", "1234"}}},
        {"spaces and comment", "  pid = 1234   # note\n", 0, {{"pid", "1234"}}},
        {"double quotes keep spaces and #", "name=\"a b # c\"\n", 0, {{"name", "a b # c"}}},
        {"single quotes hold the other quote", "name='say \"hi\"'\n", 0, {{"name", "say \"hi\""}}},
        {"# inside an unquoted value", "name=a#b\n", 0, {{"name", "a#b"}}},
        {"value may begin with #", "key= #x\n", 0, {{"key", "#x"}}},
        {"comment right after quotes", "key=\"v\"#c\n", 0, {{"key", "v"}}},
        {"empty quoted value", "key=''\nk2=\"\"\n", 0, {{"key", ""}, {"k2", ""}}},
        {"empty key", "  = v\n", 0, {{"", "v"}}},
        {"key chars", "a.B-c_9=x\n", 0, {{"a.B-c_9", "x"}}},
        {"utf-8 value", "n=h\xc3\xa9llo\xe2\x82\xac\n", 0, {{"n", "h\xc3\xa9llo\xe2\x82\xac"}}},
        {"only comments and blanks", "# a\n\n   \n\t# b\n", 0, {}},
        {"empty file", "", 0, {}},
        {"no final line feed", "a=1\nb=2", 0, {{"a", "1"}, {"b", "2"}}},
        {"carriage return", "a=1\r\nb = 'x y'\r\n", 0, {{"a", "1"}, {"b", "x y"}}},
        {"key runs into #", "key#x\na=1\n", 0, {{"a", "1"}}},
        {"later value wins", "a=1\na=2\n", 0, {{"a", "2"}}},
        {"text after a NUL byte is not seen", std::string("a=1\0junk\n", 9), 0, {{"a", "1"}}},
    };
    // Refused as a whole, keeping nothing.
    const std::pair<const char*, std::string> refused[] = {
        {"two words", "name=a b\n"},
        {"empty value with line feed", "a=1\nkey=\n"},
        {"empty value at end of file", "key="},
        {"section line after good lines", "a=1\nb=2\n[Version]\n"},
        {"no equals sign", "key value\n"},
        {"key then comment", "key #x\n"},
        {"unterminated quote", "key=\"abc\n"},
        {"control byte in quotes", "key=\"a\tb\"\n"},
        {"text after quotes", "key='a' b\n"},
        {"control byte ends value", "key=a\x01\n"},
        {"DEL ends value", "key=a\x7f\n"},
        {"bad key byte", "k$y=1\n"},
        {"error wins over later lines", "bad\na=1\n"}};
    for (const auto& r : refused) cases.push_back({r.first, r.second, -1, {}});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Config cfg;
        EXPECT_EQ(ReadText(c.content, cfg), c.result);
        EXPECT_EQ(Contents(cfg), c.pairs);
    }
}

// fgets hands a line longer than 8191 bytes over in pieces; the piece that
// starts at byte 8192 is a line of its own.
TEST_F(ConfigTest, LongLineIsSplitByTheBuffer) {
    const std::string head = "a=" + std::string(8191 - 2, 'x');

    Config ok;
    EXPECT_EQ(ReadText(head + "b=1\n", ok), 0);
    EXPECT_EQ(Contents(ok), (Pairs{{"a", std::string(8189, 'x')}, {"b", "1"}}));

    Config bad;
    bad[ustring("kept")] = ustring("no");
    EXPECT_EQ(ReadText(head + std::string(809, 'x') + "\n", bad), -1);
    EXPECT_TRUE(Contents(bad).empty());

    // Exactly 8191 bytes plus the line feed: the line feed alone follows.
    Config edge;
    EXPECT_EQ(ReadText(head + "\n", edge), 0);
    EXPECT_EQ(Contents(edge), (Pairs{{"a", std::string(8189, 'x')}}));
}

TEST_F(ConfigTest, ReadAddsToTheMapAndFailureEmptiesIt) {
    Config cfg;
    ASSERT_EQ(ReadText("a=1\nb=2\n", cfg), 0);
    ASSERT_EQ(ReadText("b=3\nc=4\n", cfg), 0);
    EXPECT_EQ(Contents(cfg), (Pairs{{"a", "1"}, {"b", "3"}, {"c", "4"}}));

    // A missing file or an empty path leaves the map as it is.
    EXPECT_EQ(cfg.read(ustring(path("missing").c_str())), -1);
    EXPECT_EQ(cfg.read(ustring()), -1);
    EXPECT_EQ(Contents(cfg).size(), 3u);

    // A malformed line drops the earlier reads' pairs as well.
    EXPECT_EQ(ReadText("d=5\n[Version]\n", cfg), -1);
    EXPECT_TRUE(Contents(cfg).empty());
}

TEST(ConfigIndex, AbsentKeyIsInsertedEmpty) {
    Config cfg;
    EXPECT_TRUE(cfg[ustring("pid")].empty());
    EXPECT_EQ(std::distance(cfg.begin(), cfg.end()), 1);
    cfg[ustring("pid")] = ustring("42");
    EXPECT_STREQ(cfg[ustring("pid")].c_str(), "42");
}

}  // namespace
