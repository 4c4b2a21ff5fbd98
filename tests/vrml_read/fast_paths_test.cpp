// The quick paths of reading against plain reference versions: text
// preparation in blocks, number words and short decimals, long number
// lists handing over to the general reader and back, and bounds of shared
// points.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "math/vector_math.h"
#include "reader_test_support.h"
#include "vrml_read/vrml_reader.h"
#include "vrml_read/vrml_text.h"

using namespace vantor;
using namespace vantor::testing;

namespace {

bool IsLayout(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// The preparation rules one byte at a time, into a separate string.
std::string ReferencePreparation(std::string_view raw) {
    std::string out;
    bool blank = true;
    for (size_t i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (IsLayout(c)) {
            if (!blank) out += ' ';
            blank = true;
        } else if (c == '"') {
            const size_t close = raw.find('"', i + 1);
            const size_t stop = close == std::string_view::npos ? raw.size() : close + 1;
            out += raw.substr(i, stop - i);
            blank = out.back() == ' ';
            i = stop - 1;
        } else if (c == '#') {
            const size_t lf = raw.find('\n', i + 1);
            const size_t stop = lf == std::string_view::npos ? raw.size() : lf;
            bool layout = false;
            for (size_t k = i + 1; k < stop; ++k) layout = layout || IsLayout(raw[k]);
            if (layout && !blank) out += ' ', blank = true;
            i = stop - 1;
        } else if (c == ',' || c == '{' || c == '}' || c == '[' || c == ']') {
            if (out.empty()) continue;
            if (!blank) out += ' ';
            out += c;
            out += ' ';
            blank = true;
        } else {
            out += c;
            blank = false;
        }
    }
    if (out.empty() || out.back() != ' ') out += ' ';
    return out;
}

std::string Prepared(std::string_view raw) {
    VrmlText text;
    text.Assign(raw);
    EXPECT_TRUE(OmmitCommentFromVrml0(text));
    return std::string(text.view());
}

// Random VRML-like text: numbers, layout runs, punctuation, strings,
// comments and stray control bytes, weighted by `commas` toward text that
// grows while it is prepared.
std::string RandomText(std::mt19937& random, size_t length, int commas) {
    static const char* const kPieces[] = {
        "0.125", "-3",   "12345",     " ",      "  ",      "\n    ",  "\t",       "\r\n",
        "[",     "]",    "{",         "}",      "\"a b\"", "\"x,#\"", "# note\n", "#x",
        "e",     "\x01", "Separator", "\"open", "#\n",     ".5e3",    "\xc3\xa9"};
    std::uniform_int_distribution<int> piece(0, int(std::size(kPieces)) - 1);
    std::uniform_int_distribution<int> percent(0, 99);
    std::string raw;
    while (raw.size() < length) raw += percent(random) < commas ? "," : kPieces[piece(random)];
    return raw;
}

}  // namespace

TEST(FastPaths, BlockPreparationMatchesTheByteRules) {
    std::mt19937 random(7);
    // Short texts take the byte path only; long ones the block path with
    // the byte path at the edges.
    for (size_t length : {5u, 40u, 150u, 300u, 5000u, 70000u}) {
        for (int commas : {0, 10, 60}) {
            for (int round = 0; round < 6; ++round) {
                const std::string raw = RandomText(random, length, commas);
                ASSERT_EQ(Prepared(raw), ReferencePreparation(raw))
                    << "length " << length << " commas " << commas << " round " << round;
            }
        }
    }
    // Number lists as generated files write them, and a text of commas
    // only, which triples in size.
    std::string list = "point [\n";
    for (int i = 0; i < 3000; ++i) list += "    1.013000 0.987000 -0.010000,\n";
    list += "]\n";
    EXPECT_EQ(Prepared(list), ReferencePreparation(list));
    const std::string commas = "x" + std::string(100000, ',');
    EXPECT_EQ(Prepared(commas), ReferencePreparation(commas));
}

TEST(FastPaths, ShortDecimalsGiveTheCorrectlyRoundedFloat) {
    auto slow = [](const std::string& word) {
        float value = 0;
        std::from_chars(word.data(), word.data() + word.size(), value);
        return value;
    };
    auto fast = [](const std::string& word, float& value) {
        const std::string text = word + " ";
        int position = 0;
        const bool taken = TakeFloatWord(text, position, value);
        EXPECT_EQ(position, taken ? int(text.size()) : 0) << word;
        return taken;
    };
    auto same = [](float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; };

    // Ties between two floats must round to even, as from_chars does.
    for (const std::string word :
         {"16777217", "16777219", "-16777217", "33554434", "0.5", "-0.0", ".5", "5.", "0",
          "123456789012345", "1234567890123456", "0.000000000000001", "999999999999999",
          "3.4028235", "1.17549435", "0.1", "0.30000001192092896"}) {
        float value = 0;
        ASSERT_TRUE(fast(word, value)) << word;
        EXPECT_TRUE(same(value, slow(word))) << word << ": " << value << " vs " << slow(word);
    }

    // Random decimals of every length and point position.
    std::mt19937_64 random(11);
    for (int i = 0; i < 200000; ++i) {
        const int digits = 1 + int(random() % 15);
        std::string word = random() % 2 ? "-" : "";
        std::string body;
        for (int d = 0; d < digits; ++d) body += char('0' + random() % 10);
        const size_t point = random() % (body.size() + 1);
        body.insert(point, ".");
        word += body;
        float value = 0;
        ASSERT_TRUE(fast(word, value)) << word;
        ASSERT_TRUE(same(value, slow(word))) << word;
    }
    // Integers at the float ties: every odd number between 2^24 and 2^25.
    for (int64_t n = (1 << 24) + 1; n < (1 << 24) + 20001; n += 2) {
        const std::string word = std::to_string(n);
        float value = 0;
        ASSERT_TRUE(fast(word, value));
        ASSERT_TRUE(same(value, slow(word))) << word;
    }
}

TEST(FastPaths, SharedPointsWidenTheBoundsAsEachUseWould) {
    ScratchFolder folder("fast_bounds");
    const std::string path = std::string(VANTOR_TEST_INPUTS) + "/vrml_read/shared_points_grid.wrl";
    VrmlReader reader;
    ScriptedPrompt prompt;
    ASSERT_EQ(reader.ReadVrmlFile(path, prompt, folder.LogPath()), 1);

    // One AddBoundsPoint per use of a point, in the order of use.
    SceneData reference;
    const float matrix[16] = {0.8f, 0.6f, 0, 0, -0.6f, 0.8f, 0, 0, 0, 0, 1, 0, 5, -7, 0.25f, 1};
    std::memcpy(reference.currentMatrix, matrix, sizeof matrix);
    const int32_t gridTriangles = 11 * 11 * 2;
    for (int32_t i = 0; i < 3 * gridTriangles; ++i) {
        const float* p = &reader.pointPool[int64_t(reader.coordIndexPool[i]) * 3];
        reference.AddBoundsPoint(p[0], p[1], p[2]);
    }
    for (int32_t i = 0; i < reader.lineCoordIndexCount; ++i) {
        const int32_t index = reader.lineCoordIndexPool[i];
        if (index < 0) continue;
        const float* p = &reader.pointPool[int64_t(index) * 3];
        reference.AddBoundsPoint(p[0], p[1], p[2]);
    }
    std::memcpy(reference.currentMatrix, vantor::SceneData().currentMatrix, sizeof matrix);
    for (int32_t i = 3 * gridTriangles; i < reader.coordIndexCount; ++i) {
        const float* p = &reader.pointPool[int64_t(reader.coordIndexPool[i]) * 3];
        reference.AddBoundsPoint(p[0], p[1], p[2]);
    }
    for (int axis = 0; axis < 6; ++axis)
        EXPECT_EQ(std::memcmp(&reader.bounds[axis], &reference.bounds[axis], sizeof(float)), 0)
            << "bound " << axis << ": " << reader.bounds[axis] << " vs " << reference.bounds[axis];
    EXPECT_EQ(reader.coordIndexCount, 3 * gridTriangles + 3);

    // Generated normals: the vmath steps in double, stored as float.
    int differing = 0;
    for (int32_t t = 0; t < reader.coordIndexCount / 3; ++t) {
        double p[3][3], ab[3], ac[3], n[3];
        for (int v = 0; v < 3; ++v)
            vmath::ToDouble3(p[v],
                             &reader.pointPool[int64_t(reader.coordIndexPool[3 * t + v]) * 3]);
        vmath::Sub3(ab, p[1], p[0]);
        vmath::Sub3(ac, p[2], p[0]);
        vmath::Cross3(n, ab, ac);
        const double length = vmath::Length3(n);
        if (length > 0) vmath::Scale3(n, n, 1.0 / length);
        float expected[3];
        vmath::ToFloat3(expected, n);
        const float* stored = &reader.normalPool[int64_t(reader.normalIndexPool[3 * t]) * 3];
        differing += std::memcmp(expected, stored, sizeof expected) != 0;
    }
    EXPECT_EQ(differing, 0);
}

TEST(FastPaths, NumberWordsTakenQuicklyOrLeftToTheGeneralReader) {
    // Whether the quick scans take each word as an index and as a float;
    // what they take has the general conversion's value, the rest falls back.
    const struct {
        const char* word;
        bool index, real;
    } cases[] = {{"12", 1, 1},         {"-7", 1, 1},  {"123456789", 1, 1}, {"0.125", 0, 1},
                 {"5.", 0, 1},         {"-.5", 0, 1}, {"1.5e2", 0, 1},     {".5", 0, 1},
                 {"1234567890", 0, 1}, {"+5", 0, 0},  {"12x", 0, 0},       {"-", 0, 0},
                 {".", 0, 0},          {"inf", 0, 0}, {"0x10", 0, 0}};
    for (const auto& c : cases) {
        const std::string word = c.word, text = word + " , ";
        int pos = 0, index = 0, generalIndex = 0;
        float real = 0, general = 0;
        // Without a closing blank nothing is taken and nothing moves.
        EXPECT_FALSE(TakeIntWord(word, pos, index)) << word;
        EXPECT_FALSE(TakeFloatWord(word, pos, real)) << word;
        EXPECT_EQ(pos, 0) << word;
        ASSERT_EQ(TakeIntWord(text, pos, index), c.index) << word;
        if (c.index) {
            EXPECT_TRUE(ParseIntWord(word, generalIndex) && index == generalIndex) << word;
            pos = 0;
        }
        EXPECT_EQ(pos, 0) << word;
        ASSERT_EQ(TakeFloatWord(text, pos, real), c.real) << word;
        if (c.real)
            EXPECT_TRUE(ParseFloatWord(word, general) && real == general) << word;
        else
            EXPECT_EQ(NextWord(text, pos), word);
        EXPECT_FALSE(TakeIntWord(text, pos, index)) << word;
        EXPECT_TRUE(TakeCommaWord(text, pos)) << word;
        EXPECT_FALSE(TakeFloatWord(text, pos, real)) << "at the end";
        EXPECT_FALSE(TakeCommaWord(text, pos)) << "at the end";
    }
}

// Long VRML 2.0 number lists: the quick loops for plain numbers must hand
// over to the general word reader and back anywhere in a list, and index
// lists longer than their first buffer must keep every index.
namespace {

constexpr int kSide = 50;  // points per side of the grid

// One Shape with a kSide x kSide grid of quads. With `unusual`, some
// numbers are written in forms only the general reader takes, and some
// commas are left out or doubled.
std::string GridShape(int faces, bool unusual) {
    std::string points;
    for (int i = 0; i < kSide * kSide; ++i) {
        const int x = i % kSide;
        const int z = i / kSide;
        const bool odd = unusual && i % 97 == 5;
        points += odd ? std::to_string(x) + "e0 " : std::to_string(x) + ".5 ";
        points += odd ? "+" + std::to_string(z) + ".25 " : std::to_string(z) + ".25 ";
        points += std::to_string(x % 7) + (unusual && i % 89 == 3 ? " , ,\n" : ",\n");
    }
    std::string indices;
    for (int f = 0; f < faces; ++f) {
        const int k = (f / (kSide - 1)) * kSide + f % (kSide - 1);
        const int corners[4] = {k, k + 1, k + kSide + 1, k + kSide};
        for (int c = 0; c < 4; ++c) {
            const bool odd = unusual && (f * 4 + c) % 331 == 7;
            indices += (odd ? "+" : "") + std::to_string(corners[c]);
            indices += unusual && (f * 4 + c) % 211 == 0 ? " " : ",";
        }
        indices += "-1,";
        if (f % 10 == 9) indices += "\n";
    }
    return "Shape { geometry IndexedFaceSet {\n coordIndex [ " + indices +
           " ]\n coord Coordinate { point [\n" + points + "] }\n} }\n";
}

struct ReadLists {
    std::vector<float> points;
    std::vector<int32_t> triangles;
};

ReadLists ReadFile(const ScratchFolder& folder, const std::string& name,
                   const std::string& content) {
    VrmlReader reader;
    ScriptedPrompt prompt;
    ReadLists lists;
    const std::string path = folder.Write(name, content);
    EXPECT_EQ(reader.ReadVrmlFile(path, prompt, folder.LogPath()), 1) << name;
    lists.points.assign(&reader.pointPool[0], &reader.pointPool[0] + reader.pointCount);
    lists.triangles.assign(&reader.coordIndexPool[0],
                           &reader.coordIndexPool[0] + reader.coordIndexCount);
    return lists;
}

TEST(NumberLists, LongListsReadEveryNumberWhateverItsForm) {
    ScratchFolder folder("number_lists");
    // A long face set, then a short one that reuses the first one's buffer.
    const int longFaces = (kSide - 1) * (kSide - 1);
    const int shortFaces = 30;
    const std::string header = "#VRML V2.0 utf8\n";
    const ReadLists plain = ReadFile(
        folder, "plain.wrl", header + GridShape(longFaces, false) + GridShape(shortFaces, false));
    const ReadLists unusual = ReadFile(
        folder, "unusual.wrl", header + GridShape(longFaces, true) + GridShape(shortFaces, true));

    // Points: what was written, in order, for both shapes.
    ASSERT_EQ(plain.points.size(), size_t(2 * 3 * kSide * kSide));
    for (int shape = 0; shape < 2; ++shape)
        for (int i = 0; i < kSide * kSide; ++i) {
            const float* p = &plain.points[size_t(3 * (shape * kSide * kSide + i))];
            ASSERT_EQ(p[0], float(i % kSide) + 0.5f) << "point " << i;
            ASSERT_EQ(p[1], float(i / kSide) + 0.25f) << "point " << i;
            ASSERT_EQ(p[2], float(i % kSide % 7)) << "point " << i;
        }

    // Triangles: each quad fanned from its first corner, the second shape's
    // indices based on its own points.
    std::vector<int32_t> expected;
    for (int shape = 0; shape < 2; ++shape) {
        const int base = shape * kSide * kSide;
        for (int f = 0; f < (shape == 0 ? longFaces : shortFaces); ++f) {
            const int k = base + (f / (kSide - 1)) * kSide + f % (kSide - 1);
            for (int t : {k, k + 1, k + kSide + 1, k, k + kSide + 1, k + kSide})
                expected.push_back(t);
        }
    }
    EXPECT_EQ(plain.triangles, expected) << "plain";

    // The unusual forms give the same numbers: x "e0" means x rather than
    // x.5, so only those points differ.
    ASSERT_EQ(unusual.points.size(), plain.points.size());
    for (size_t i = 0; i < plain.points.size(); ++i) {
        const size_t point = (i / 3) % size_t(kSide * kSide);
        const float want = point % 97 == 5 && i % 3 == 0 ? plain.points[i] - 0.5f : plain.points[i];
        ASSERT_EQ(unusual.points[i], want) << "float " << i;
    }
    EXPECT_EQ(unusual.triangles, expected) << "unusual";
}

}  // namespace
