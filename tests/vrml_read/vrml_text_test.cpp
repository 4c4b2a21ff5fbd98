#include "vrml_read/vrml_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "support/scratch_folder.h"

namespace vantor {
namespace {

// Prepared text with the scan position after a leading "field" word (a
// prepared text never starts with a bracket).
std::string PrepareField(std::string_view raw, int& position) {
    VrmlText text;
    text.Assign("field " + std::string(raw));
    EXPECT_TRUE(OmmitCommentFromVrml0(text));
    position = 6;
    return std::string(text.view());
}

std::string Prepare(std::string_view raw) {
    VrmlText text;
    text.Assign(raw);
    EXPECT_TRUE(OmmitCommentFromVrml0(text));
    return std::string(text.view());
}

TEST(VrmlText, PreparationMakesOneBlankSeparatedWordStream) {
    EXPECT_EQ(Prepare("point [1,2,3,4,5,6]"), "point [ 1 , 2 , 3 , 4 , 5 , 6 ] ");
    // The header line is a comment and vanishes.
    EXPECT_EQ(Prepare("#VRML V1.0 ascii\nSeparator {\r\n\tCube { }\n}"), "Separator { Cube { } } ");
    // A number sign inside a string is kept; a quote in a comment starts nothing.
    EXPECT_EQ(Prepare("Info { string \"a # b\" } # x \" y\nCube"),
              "Info { string \"a # b\" } Cube ");
    // Strings keep their layout verbatim.
    EXPECT_EQ(Prepare("\"a\t\n  b\""), "\"a\t\n  b\" ");
    // Leading punctuation of an empty text is dropped; empty input gives one blank.
    EXPECT_EQ(Prepare(",{x"), "x ");
    EXPECT_EQ(Prepare(""), " ");
}

TEST(VrmlText, WordsAndStrings) {
    std::string text = Prepare("Info { string \"two words\" } end");
    int pos = 0;
    char word[kWordBufferSize];
    std::vector<std::string> words;
    while (pos < int(text.size())) {
        GetWord(text, pos, word);
        words.emplace_back(word);
    }
    EXPECT_EQ(words, (std::vector<std::string>{"Info", "{", "string", "two words", "}", "end"}));

    // Words longer than 511 bytes are cut, never overrun the buffer.
    std::string longWord = Prepare(std::string(600, 'w'));
    pos = 0;
    EXPECT_EQ(GetWord(longWord, pos, word), kMaxWordLength);
    EXPECT_EQ(std::string(word), std::string(511, 'w'));
    EXPECT_EQ(pos, int(longWord.size()));

    // An unterminated string runs to the end of the text.
    std::string open = Prepare("\"abc");
    pos = 0;
    GetWord(open, pos, word);
    EXPECT_EQ(std::string(word), "abc ");
    EXPECT_EQ(pos, int(open.size()));
}

TEST(VrmlText, StringLengthLimits) {
    testing::ScratchFolder folder;
    const std::string logPath = folder.LogPath();
    ReadingLog log(logPath);
    ASSERT_TRUE(log.Create());
    char out[kWordBufferSize];

    std::string exact = Prepare("\"" + std::string(511, 's') + "\" next");
    int pos = 0;
    EXPECT_EQ(GetSFString0(exact, pos, out, &log), 1);
    EXPECT_EQ(std::string(out).size(), 511u);
    EXPECT_EQ(testing::ReadText(logPath), "");
    GetWord(exact, pos, out);
    EXPECT_EQ(std::string(out), "next");

    std::string over = Prepare("\"" + std::string(512, 's') + "\" next");
    pos = 0;
    EXPECT_EQ(GetSFString0(over, pos, out, &log), -1);
    EXPECT_EQ(std::string(out), std::string(511, 's'));
    EXPECT_EQ(testing::ReadText(logPath), "GetSFString0 data length error\r\n");

    pos = 0;
    EXPECT_EQ(GetSFString0Silent(over, pos, out), -1);
    EXPECT_EQ(std::string(out), "GetSFString0 data length error");

    std::string list = PrepareField("[ \"one\", \"two\" ] after", pos);
    GetWord(list, pos, out);
    EXPECT_EQ(GetMFString0(list, pos, out, &log), 1);
    EXPECT_EQ(std::string(out), "one\r\ntwo");
    GetWord(list, pos, out);
    EXPECT_EQ(std::string(out), "after");

    // A list without its "]" stops at the end of the text.
    std::string unclosed = PrepareField("[ \"one\"", pos);
    GetWord(unclosed, pos, out);
    EXPECT_EQ(GetMFString0(unclosed, pos, out, &log), 1);
    EXPECT_EQ(std::string(out), "one");
}

TEST(VrmlText, GetSFVectForms) {
    testing::ScratchFolder folder;
    const std::string logPath = folder.LogPath();
    ReadingLog log(logPath);
    ASSERT_TRUE(log.Create());
    float v[3] = {};

    int pos = 0;
    std::string bracketed = PrepareField("[ 1 2 3 ] x", pos);
    EXPECT_EQ(GetSFVect(bracketed, pos, v, 3, &log), 1);
    EXPECT_EQ(v[0], 1.f);
    EXPECT_EQ(v[2], 3.f);
    EXPECT_EQ(NextWord(bracketed, pos), "x");

    std::string bare = PrepareField("1 2 3, 4 5 6 ]", pos);
    EXPECT_EQ(GetSFVect(bare, pos, v, 3, &log), 1);
    EXPECT_EQ(GetSFVect(bare, pos, v, 3, &log), 1);
    EXPECT_EQ(v[0], 4.f);
    EXPECT_EQ(GetSFVect(bare, pos, v, 3, &log), 2);
    EXPECT_EQ(pos, int(bare.size()));

    std::string trailingComma = PrepareField("[1 2 3,]", pos);
    EXPECT_EQ(GetSFVect(trailingComma, pos, v, 3, &log), 1);
    EXPECT_EQ(testing::ReadText(logPath), "");

    std::string two = PrepareField("[1 2 3, 4 5 6]", pos);
    EXPECT_EQ(GetSFVect(two, pos, v, 3, &log), -2);
    std::string bad = PrepareField("1 zz 3", pos);
    EXPECT_EQ(GetSFVect(bad, pos, v, 3, &log), -1);
    std::string extra = PrepareField("[1 2 3 4]", pos);
    EXPECT_EQ(GetSFVect(extra, pos, v, 3, &log), -2);
    EXPECT_EQ(testing::ReadText(logPath),
              "Caution in GetSFVect !02 ch0 = ##4##\r\n"
              "Caution in GetSFVect !01 ch0 = ##zz##\r\n"
              "Caution in GetSFVect !03 ch0 = ##4##\r\n");
    EXPECT_EQ(log.linesWritten(), 3);
}

TEST(VrmlText, NumbersAcceptWhatScanfAccepts) {
    struct Case {
        const char* word;
        bool ok;
        float value;
    } cases[] = {{"1.5", true, 1.5f},     {"-2", true, -2.f},     {"+3", true, 3.f},
                 {".5", true, 0.5f},      {"-.25", true, -0.25f}, {"1e3", true, 1000.f},
                 {"2.5E-1", true, 0.25f}, {"7.", true, 7.f},      {"4abc", true, 4.f},
                 {"0x10", true, 16.f},    {"abc", false, 0},      {"", false, 0},
                 {"+-1", false, 0},       {"-", false, 0},        {"]", false, 0}};
    for (const Case& c : cases) {
        float value = -123;
        EXPECT_EQ(ParseFloatWord(c.word, value), c.ok) << c.word;
        if (c.ok) {
            EXPECT_FLOAT_EQ(value, c.value) << c.word;
        }
    }
    float huge = 0;
    EXPECT_TRUE(ParseFloatWord("1e99", huge));
    EXPECT_TRUE(std::isinf(huge));

    int i = 0;
    EXPECT_TRUE(ParseIntWord("-1", i));
    EXPECT_EQ(i, -1);
    EXPECT_TRUE(ParseIntWord("+12", i));
    EXPECT_EQ(i, 12);
    EXPECT_TRUE(ParseIntWord("3.0", i));
    EXPECT_EQ(i, 3);
    EXPECT_FALSE(ParseIntWord(",", i));
    EXPECT_FALSE(ParseIntWord("x1", i));
}

}  // namespace
}  // namespace vantor
