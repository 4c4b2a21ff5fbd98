// Dimension groups made on a cube of side 10: their rows, values, moves,
// notes and deletion, and that both save modes write them so that reading
// the file gives the same groups back.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>

#include "dims/dimension.h"
#include "prompt/prompt.h"
#include "support/scratch_folder.h"
#include "vrml_read/vrml_reader.h"
#include "vrml_write/save_scene.h"

using namespace vantor;
namespace fs = std::filesystem;

namespace {

const std::string kCube = std::string(VANTOR_TEST_INPUTS) + "/vrml_write/cube10.wrl";

class DimensionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(scene_.ReadVrmlText(vantor::testing::ReadText(kCube), "cube.wrl", prompt_), 1);
    }

    static DimensionRequest Linear(std::initializer_list<double> from,
                                   std::initializer_list<double> to) {
        DimensionRequest r;
        std::copy(from.begin(), from.end(), r.from);
        std::copy(to.begin(), to.end(), r.to);
        r.value = std::sqrt((r.to[0] - r.from[0]) * (r.to[0] - r.from[0]) +
                            (r.to[1] - r.from[1]) * (r.to[1] - r.from[1]) +
                            (r.to[2] - r.from[2]) * (r.to[2] - r.from[2]));
        return r;
    }

    // Kinds and DEF names of the rows of every dimension group, and the texts.
    static std::vector<std::string> Groups(const SceneData& s) {
        std::vector<std::string> out;
        for (int32_t group : DimensionRows(s)) {
            const auto parts = FindDimensionParts(s, group);
            std::string line = s.DefNameOf(group) + ":";
            for (int32_t r = group + 1; r < parts->end; ++r) line += " " + KindName(s.Row(r).kind);
            out.push_back(line + " \"" + DimensionText(s, group) + "\"");
        }
        return out;
    }

    VrmlReader ReadBack(const fs::path& file) {
        VrmlReader back;
        EXPECT_EQ(back.ReadVrmlFile(file.string(), prompt_, (folder_ / "log.txt").string()), 1);
        return back;
    }

    vantor::testing::ScratchFolder scratch_;
    const fs::path& folder_ = scratch_.path();
    ScriptedPrompt prompt_;
    VrmlReader scene_;
};

TEST_F(DimensionTest, EachKindMakesItsGroupAndValue) {
    DimensionRequest fromFront = Linear({10, 10, 0}, {10, 10, 10});  // foot on z = 0
    DimensionRequest radius = Linear({5, 5, 10}, {10, 5, 10});       // value 5
    radius.kind = DimensionKind::Radius;
    DimensionRequest diameter = radius;
    diameter.kind = DimensionKind::Diameter;
    diameter.value = 10;
    DimensionRequest comment;
    comment.kind = DimensionKind::Comment;
    comment.text = "穴 \"A\"";
    for (const DimensionRequest& r :
         {Linear({0, 0, 0}, {10, 0, 0}), fromFront, radius, diameter, comment})
        ASSERT_GE(AddDimension(scene_, r), 0);
    const std::string rows = ": Material Coordinate3 IndexedLineSet MatrixTransform AsciiText \"";
    EXPECT_EQ(Groups(scene_),
              (std::vector<std::string>{
                  "KORVALDE_DIM_L_1" + rows + "10\"", "KORVALDE_DIM_L_2" + rows + "10\"",
                  "KORVALDE_DIM_R_3" + rows + "R5\"", "KORVALDE_DIM_D_4" + rows + "φ10\"",
                  "KORVALDE_DIM_C_5" + rows + "穴 'A'\""}));
    EXPECT_EQ(DimensionValueText(DimensionKind::Linear, 12.34567), "12.346");
    // Top-level rows behind the file: the file's own range is unchanged.
    EXPECT_LE(int32_t(scene_.Block(scene_.Row(0).dataBegin)[1]), DimensionRows(scene_)[0]);
    EXPECT_EQ(scene_.FileRecordAt(0).endRow, int32_t(scene_.Block(scene_.Row(0).dataBegin)[1]));
    EXPECT_GT(scene_.bounds[1], 10.0f);  // the lines widen the bounds
}

TEST_F(DimensionTest, MoveKeepsMeasuredPointsAndNoteKeepsValue) {
    const int32_t group = AddDimension(scene_, Linear({0, 0, 0}, {10, 0, 0}));
    const auto parts = FindDimensionParts(scene_, group);
    const NodeRow c = scene_.Row(parts->coordinates);
    const std::vector<float> before(&scene_.pointPool[c.dataBegin], &scene_.pointPool[c.dataEnd]);
    const float* matrix = scene_.Block(scene_.Row(parts->transform).dataBegin);
    const float textX = matrix[12], textY = matrix[13];
    const double delta[3] = {0, 3, 0};
    ASSERT_TRUE(MoveDimension(scene_, group, delta));
    for (int32_t i = 0; i < int32_t(before.size()); ++i) {
        const float expected = before[size_t(i)] + (i >= 6 && i % 3 == 1 ? 3.0f : 0.0f);
        EXPECT_FLOAT_EQ(scene_.pointPool[c.dataBegin + i], expected) << i;
    }
    EXPECT_FLOAT_EQ(matrix[12], textX);
    EXPECT_FLOAT_EQ(matrix[13], textY + 3.0f);
    ASSERT_TRUE(SetDimensionNote(scene_, group, "typ."));
    EXPECT_EQ(DimensionText(scene_, group), "10 typ.");
    ASSERT_TRUE(SetDimensionNote(scene_, group, "4x"));
    EXPECT_EQ(DimensionText(scene_, group), "10 4x");
    EXPECT_EQ(scene_.TextRecordAt(scene_.Row(parts->text).dataBegin).size, 5);
    EXPECT_FALSE(MoveDimension(scene_, 1, delta));  // not a dimension
}

TEST_F(DimensionTest, SavedGroupsReadBackAndDelete) {
    AddDimension(scene_, Linear({0, 0, 0}, {10, 0, 0}));
    DimensionRequest comment;
    comment.kind = DimensionKind::Comment;
    comment.text = "note";
    AddDimension(scene_, comment);
    const fs::path saved = folder_ / "saved.wrl";
    ASSERT_TRUE(SaveScene(scene_, saved.string(), kSaveTopData).saved());
    VrmlReader back = ReadBack(saved);
    EXPECT_EQ(Groups(back), Groups(scene_));
    // Read back, the groups sit inside the file's range; deleting the first
    // one mends the ranges and the other keeps its rows and text.
    const std::vector<int32_t> rows = DimensionRows(back);
    const int32_t fileEnd = int32_t(back.Block(back.Row(0).dataBegin)[1]);
    const int32_t removed = FindDimensionParts(back, rows[0])->end - rows[0];
    ASSERT_TRUE(DeleteDimension(back, rows[0]));
    EXPECT_EQ(int32_t(back.Block(back.Row(0).dataBegin)[1]), fileEnd - removed);
    EXPECT_EQ(back.FileRecordAt(0).endRow, fileEnd - removed);
    EXPECT_EQ(Groups(back), std::vector<std::string>{Groups(scene_)[1]});
    ASSERT_TRUE(SaveScene(back, saved.string(), kSaveTopData).saved());
    EXPECT_EQ(Groups(ReadBack(saved)), std::vector<std::string>{Groups(scene_)[1]});
}

// An assembly keeps its dimension with "新データとして保存"; a file that
// inlines a part keeps it with the top-data save, beside the inline.
TEST_F(DimensionTest, AssemblyAndInliningFileKeepTheirDimensions) {
    const fs::path part = folder_ / "part.wrl";
    const fs::path top = folder_ / "top.wrl";
    fs::copy_file(kCube, part);
    std::ofstream(top) << "#VRML V1.0 ascii\nSeparator { WWWInline { name \"part.wrl\" } }\n";
    VrmlReader assembly = ReadBack(part);
    VrmlReader second = ReadBack(part);
    assembly.AppendScene(second);
    VrmlReader inlining = ReadBack(top);
    const std::pair<VrmlReader*, int> saves[] = {{&assembly, kSaveNewData},
                                                 {&inlining, kSaveTopData}};
    for (const auto& [scene, mode] : saves) {
        SCOPED_TRACE(mode);
        AddDimension(*scene, Linear({0, 0, 0}, {0, 0, 10}));
        const fs::path saved = folder_ / ("saved" + std::to_string(mode) + ".wrl");
        ASSERT_TRUE(SaveScene(*scene, saved.string(), mode).saved());
        VrmlReader back = ReadBack(saved);
        EXPECT_EQ(Groups(back), Groups(*scene));
        EXPECT_EQ(back.fileCount, 2);  // the saved file and the part it inlines
    }
    EXPECT_FALSE(CheckSaveAllowed(assembly, kSaveTopData).saved());
}

}  // namespace
