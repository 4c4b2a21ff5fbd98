// Long VRML 2.0 number lists: the quick loops for plain numbers must hand
// over to the general word reader and back anywhere in a list, and index
// lists longer than their first buffer must keep every index.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reader_test_support.h"
#include "vrml_read/vrml_reader.h"
#include "vrml_read/vrml_text.h"

using namespace vantor;
using namespace vantor::testing;

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

TEST(NumberLists, QuickScansStopAtTheTextEnd) {
    // Without a closing blank nothing is taken and nothing moves; with it,
    // the quick scans agree with the general conversion.
    for (const std::string word : {"42", "-", "5.", "-.5", ".", "-7", "123456789", "0.125"}) {
        int position = 0;
        int index = 0;
        float value = 0;
        EXPECT_FALSE(TakeIntWord(word, position, index)) << word;
        EXPECT_FALSE(TakeFloatWord(word, position, value)) << word;
        EXPECT_EQ(position, 0) << word;

        const std::string blanked = word + " ";
        float general = 0;
        const bool number = ParseFloatWord(word, general);
        EXPECT_EQ(TakeFloatWord(blanked, position, value), number) << word;
        if (number) {
            EXPECT_EQ(value, general) << word;
        }
        position = 0;
        int generalIndex = 0;
        const bool integer =
            word.find('.') == std::string::npos && ParseIntWord(word, generalIndex);
        EXPECT_EQ(TakeIntWord(blanked, position, index), integer) << word;
        if (integer) {
            EXPECT_EQ(index, generalIndex) << word;
        }
    }
}

}  // namespace
