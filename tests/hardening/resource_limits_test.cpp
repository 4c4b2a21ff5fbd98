// Files that declare absurd sizes or nest absurdly deep: read within
// bounded memory and stack, with a note in the reading log, and written
// back without trouble.

#include <string>

#include <gtest/gtest.h>

#include "hardening_files.h"
#include "prompt/prompt.h"
#include "vrml_read/vrml_reader.h"
#include "vrml_write/save_scene.h"

namespace vantor {
namespace {

using hardening::ReadTextFile;
using hardening::ScratchFolder;
using hardening::WriteTextFile;

constexpr int kAbsurdDepth = 20000;

// Reads `text` as a file, checks the reading ended normally, and saves and
// re-reads the scene in both writer modes.
void ReadWriteAndReread(const std::string& text, int32_t& rows, std::string& log) {
    ScratchFolder folder;
    const std::string path = folder / "input.wrl";
    const std::string logPath = folder / "log.txt";
    WriteTextFile(path, text);
    VrmlReader reader;
    ScriptedPrompt prompt;
    ASSERT_EQ(reader.ReadVrmlFile(path, prompt, logPath), 1);
    rows = reader.nodeCount;
    log = ReadTextFile(logPath);
    for (int mode : {kSaveTopData, kSaveNewData}) {
        const std::string out = folder / "out.wrl";
        ASSERT_TRUE(SaveScene(reader, out, mode).saved()) << "mode " << mode;
        VrmlReader again;
        EXPECT_EQ(again.ReadVrmlFile(out, prompt, folder / "log2.txt"), 1) << "mode " << mode;
    }
}

std::string Nested(const char* header, const char* open, const char* leaf, int depth) {
    std::string text = header;
    for (int i = 0; i < depth; ++i) text += open;
    text += leaf;
    text.append(size_t(depth), '}');
    text += "\n";
    return text;
}

TEST(ResourceLimits, NestingThousandsDeep) {
    int32_t rows = 0;
    std::string log;
    {
        SCOPED_TRACE("VRML 1.0 Separators");
        ReadWriteAndReread(Nested("#VRML V1.0 ascii\n", "Separator { ", "Cube { } ", kAbsurdDepth),
                           rows, log);
        EXPECT_LT(rows, kAbsurdDepth) << "groups beyond the limit are not kept";
        EXPECT_FALSE(log.empty()) << "the cut is noted in the log";
    }
    {
        SCOPED_TRACE("VRML 1.0 mixed groups");
        ReadWriteAndReread(
            Nested("#VRML V1.0 ascii\n", "Group { TransformSeparator { Switch { whichChild -3 ",
                   "Sphere { } ", kAbsurdDepth / 3) +
                std::string(size_t(2 * kAbsurdDepth / 3), '}'),
            rows, log);
        EXPECT_FALSE(log.empty());
    }
    {
        SCOPED_TRACE("VRML 2.0 Transforms");
        ReadWriteAndReread(Nested("#VRML V2.0 utf8\n", "Transform { children [ ",
                                  "Shape { geometry Box { } } ", kAbsurdDepth) +
                               std::string(size_t(kAbsurdDepth), ']'),
                           rows, log);
        EXPECT_FALSE(log.empty());
    }
    {
        SCOPED_TRACE("VRML 2.0 geometry nodes inside each other");
        ReadWriteAndReread(
            Nested("#VRML V2.0 utf8\n", "Shape { geometry ", "Box { } ", kAbsurdDepth), rows, log);
    }
}

TEST(ResourceLimits, AbsurdDeclaredSizes) {
    int32_t rows = 0;
    std::string log;
    {
        SCOPED_TRACE("ElevationGrid of 100000 x 100000 with three heights");
        ReadWriteAndReread(
            "#VRML V2.0 utf8\nShape { geometry ElevationGrid {\n"
            "xDimension 100000 zDimension 100000 height [ 0 1 2 ] } }\n",
            rows, log);
        EXPECT_NE(log.find("iXDimension = 100000"), std::string::npos) << log;
    }
    {
        SCOPED_TRACE("ElevationGrid whose size overflows 32 bits");
        ReadWriteAndReread(
            "#VRML V2.0 utf8\nShape { geometry ElevationGrid {\n"
            "xDimension 2147483647 zDimension 2147483647 height [ ] } }\n",
            rows, log);
    }
    {
        SCOPED_TRACE("Switch choosing far past its children");
        ReadWriteAndReread(
            "#VRML V1.0 ascii\nSwitch { whichChild 2000000000 Cube { } }\n"
            "#\n",
            rows, log);
    }
    {
        SCOPED_TRACE("Texture images of 100000 x 100000 pixels with two given");
        ReadWriteAndReread(
            "#VRML V2.0 utf8\nShape { appearance Appearance { texture PixelTexture {\n"
            "image 100000 100000 4 0xFF 0xFF } } geometry Box { } }\n",
            rows, log);
        EXPECT_NE(log.find("image size 100000 x 100000 x 4 refused"), std::string::npos) << log;
        ReadWriteAndReread("#VRML V1.0 ascii\nTexture2 { image 3 1 5 1 2 3 }\nCube { }\n", rows,
                           log);
        EXPECT_NE(log.find("image size 3 x 1 x 5 refused"), std::string::npos) << log;
    }
}

TEST(ResourceLimits, ListsOfMillionsOfEntries) {
    int32_t rows = 0;
    std::string log;
    constexpr int kEntries = 1000000;
    {
        SCOPED_TRACE("a million out-of-range face indices");
        std::string text =
            "#VRML V1.0 ascii\nCoordinate3 { point [ 0 0 0, 1 0 0, 0 1 0 ] }\n"
            "IndexedFaceSet { coordIndex [ ";
        text.reserve(size_t(kEntries) * 12);
        for (int i = 0; i < kEntries; ++i) text += "2000000000, ";
        text += "-1 ] }\n";
        ReadWriteAndReread(text, rows, log);
    }
    {
        SCOPED_TRACE("a VRML 2.0 Switch with a million choices");
        std::string text = "#VRML V2.0 utf8\nSwitch { whichChoice 999999 choice [ ";
        for (int i = 0; i < kEntries; ++i) text += "Group { } ";
        text += "] }\n";
        ReadWriteAndReread(text, rows, log);
        EXPECT_FALSE(log.empty()) << "choices beyond the old limit are noted";
    }
    {
        SCOPED_TRACE("a million one-point faces");
        std::string text =
            "#VRML V2.0 utf8\nShape { geometry IndexedFaceSet {\n"
            "coord Coordinate { point [ 0 0 0, 1 0 0, 0 1 0 ] } coordIndex [ ";
        for (int i = 0; i < kEntries; ++i) text += "0 -1 ";
        text += "] } }\n";
        ReadWriteAndReread(text, rows, log);
    }
}

}  // namespace
}  // namespace vantor
