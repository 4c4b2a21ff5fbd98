// The selection without a window: scripted pick hits go through the real
// hit table, then the data keys, the parts command, the examine texts and
// the point and normal edits act on them.

#include <gtest/gtest.h>

#include <cfloat>
#include <deque>
#include <functional>

#include "app/sound.h"
#include "bindings/config_reader.h"
#include "dialogs/three_value_dialog.h"
#include "prompt/prompt.h"
#include "scene/prepare_geometry.h"
#include "scene/scene_builder.h"
#include "scene/scene_equal.h"
#include "select/dimension_commands.h"
#include "select/selection_controller.h"
#include "select/selection_logic.h"
#include "support/qt_test_main.h"
#include "support/scratch_folder.h"
#include "vrml_read/vrml_reader.h"

namespace vantor {
namespace {

const bool kNoApp = vantor::testing::RunWithoutApplication(__FILE__);

class FakeSelectionHost : public SelectionHost {
  public:
    SceneData* SelScene() override { return &scene; }
    HitTable* SelHits() override { return &table; }
    Prompt& SelPrompt() override { return prompt; }
    int SelPick(int, int, PickKeyRole role, std::vector<PickHit>& hits) override {
        pickedWith = role;
        hits = nextHits;
        return nextCount;
    }
    int32_t SelHeldKey() override { return heldKey; }
    const BindingTable& SelBindings() override { return bindings; }
    bool SelAskThreeValues(ThreeValueRequest& request) override {
        asked.push_back(request);
        if (answers.empty()) return false;
        std::copy(answers.front().begin(), answers.front().end(), request.values);
        answers.pop_front();
        return true;
    }
    void SelShowStatus(const QString& text) override { status.push_back(text.toStdString()); }
    void SelRedraw() override { ++redraws; }
    void SelResizeViewport() override { ++resizes; }
    void SelGeometryEdited() override { ++edits; }
    void SelStopSpins() override { ++spinStops; }
    void SelEditMade(const QString& text, SceneChange change) override {
        madeEdits.emplace_back(text.toStdString(), std::move(change));
    }
    bool SelAskText(const QString&, const QString&, QString& text) override {
        if (textAnswers.empty()) return false;
        text = QString::fromStdString(textAnswers.front());
        textAnswers.pop_front();
        return true;
    }

    SceneData scene;
    HitTable table;
    ScriptedPrompt prompt;
    BindingTable bindings;
    int32_t heldKey = -1;
    PickKeyRole pickedWith = PickKeyRole::None;
    std::vector<PickHit> nextHits;
    int nextCount = 0;
    std::vector<ThreeValueRequest> asked;
    std::deque<std::vector<float>> answers;  // OK with these values; none left = Cancel
    std::deque<std::string> textAnswers;     // likewise for text dialogs
    std::vector<std::string> status;
    int redraws = 0, resizes = 0, edits = 0, spinStops = 0;
    std::vector<std::pair<std::string, SceneChange>> madeEdits;  // undo steps, in order
};

PickHit Hit(uint32_t depth, int32_t group, int32_t matrix, int32_t row, int32_t element,
            int32_t sub) {
    PickHit hit;
    hit.minDepth = depth;
    hit.maxDepth = depth + 10;
    const int32_t names[5] = {-group, matrix, row, element, sub};
    std::copy(names, names + 5, hit.names);
    return hit;
}

SceneData CylinderScene() {
    VrmlReader reader;
    ScriptedPrompt quiet;
    const std::string text = testing::ReadText(VANTOR_TEST_INPUTS "/select/cylinder.wrl");
    EXPECT_EQ(reader.ReadVrmlText(text, "cylinder.wrl", quiet), 1);
    return reader;
}

class SelectControllerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::string schema = testing::ReadText(VANTOR_SOURCE_DIR "/data/hit_table.sql");
        std::string error;
        ASSERT_TRUE(HitTable::CreateSchema(folder_ / "korvalde.db", schema, error)) << error;
        ASSERT_TRUE(host.table.Open(folder_ / "korvalde.db"));
        BuildScene();
    }
    void TearDown() override { host.table.Close(); }

    // A file with two triangles sharing an edge (moved by (10, 0, 0)), a line
    // set and a point set, plus an inline part.
    void BuildScene() {
        testing::SceneBuilder b(host.scene);
        fileRow = b.BeginFile("model.wrl");
        b.OpenGroup(kind::Separator);
        b.Values(kind::Translation, {10, 0, 0});
        b.Coordinates({0, 0, 0, 4, 0, 0, 4, 3, 0, 0, 3, 0});
        faces = b.FaceSet({0, 1, 2, 0, 2, 3});
        lines = b.LineSet({0, 1, 2});
        b.Close();
        inlineRow = b.BeginInline("part.wrl");
        points = host.scene.AddRow(kind::PointSet, b.file(), tag::PointSet, 1, 2);
        b.EndInline();
        b.EndFile();
        PrepareGeometry(host.scene);
        faceMatrix = 2;  // after the file's default matrix row comes the Translation
    }

    // A double-click that hits the given items, nearest or not.
    void Pick(std::vector<PickHit> hits) {
        host.nextHits = std::move(hits);
        host.nextCount = int(host.nextHits.size());
        controller.LeftDoubleClick(10, 10);
    }
    void PickFace(int32_t element, int32_t sub) {
        Pick({Hit(100, fileRow, faceMatrix, faces, element, sub)});
    }
    // A right double-click with `key` held that hits `hit`.
    void PartCommand(const PickHit& hit, int32_t key) {
        host.nextHits = {hit};
        host.nextCount = 1;
        host.heldKey = key;
        controller.PartCommand(5, 5);
    }

    testing::ScratchFolder folder_;
    FakeSelectionHost host;
    SelectionController controller{host};
    int32_t fileRow = 0, faces = 0, lines = 0, points = 0, inlineRow = 0;
    int32_t faceMatrix = 0;
};

TEST_F(SelectControllerTest, PickStoresHitsNearestFirstAndKeysWalkThem) {
    Pick({Hit(900, fileRow, faceMatrix, faces, 0, 6), Hit(100, fileRow, faceMatrix, faces, 0, 0),
          Hit(500, fileRow, faceMatrix, lines, 0, 1)});
    EXPECT_EQ(host.table.state, 3);
    EXPECT_EQ(host.table.values.lData2, 0) << "the nearest hit is current";
    EXPECT_EQ(host.table.values.lNode, kind::IndexedFaceSet);
    EXPECT_EQ(host.table.values.lWWWInline, fileRow);
    EXPECT_EQ(host.spinStops, 1);
    ASSERT_FALSE(host.status.empty());
    EXPECT_NE(host.status.back().find(" Point0 X,Y,Z = 10.000 ,0.000 ,0.000 ,"), std::string::npos)
        << host.status.back();
    EXPECT_FLOAT_EQ(controller.examined.examinedPoint[0], 10);

    EXPECT_TRUE(controller.RunDataKey(data_key::Next));
    EXPECT_EQ(host.table.values.lData0, lines) << "second nearest";
    EXPECT_EQ(host.status.back(),
              "Node Line  Point0 X,Y,Z = 10.000 ,0.000 ,0.000 , Point1 X,Y,Z = 14.000 ,0.000 "
              ",0.000 ,");
    EXPECT_EQ(host.scene.examinedCentre[0], FLT_MAX) << "a segment has no centre";
    controller.RunDataKey(data_key::Switch);
    controller.RunDataKey(data_key::Switch);
    EXPECT_EQ(host.table.values.lData2, 0) << "a line's sub-items cycle 0, 1, 2";
    EXPECT_TRUE(controller.RunDataKey(data_key::Last));
    EXPECT_EQ(host.table.values.lData2, 6);
    EXPECT_EQ(host.status.back().rfind(" Triange Selected ", 0), 0u);
    EXPECT_TRUE(controller.RunDataKey(data_key::First));
    EXPECT_EQ(host.table.values.lData2, 0);
    EXPECT_FALSE(controller.RunDataKey(5)) << "codes 5, 8 and 9 are not handled";

    // Empty space: nothing changes but a repaint.
    host.nextHits.clear();
    host.nextCount = 0;
    const int resizes = host.resizes;
    controller.LeftDoubleClick(1, 1);
    EXPECT_EQ(host.table.state, 3);
    EXPECT_EQ(host.resizes, resizes + 1);

    EXPECT_TRUE(controller.RunDataKey(data_key::DeleteAll));
    EXPECT_TRUE(controller.SelectionEmpty());
    EXPECT_TRUE(controller.Highlight().IsEmpty());
}

TEST_F(SelectControllerTest, OverflowTellsTheUserAndStoresNothing) {
    PickFace(0, 0);
    host.nextHits.clear();
    host.nextCount = -1;
    EXPECT_LT(controller.Pick(10, 10), 0);
    ASSERT_EQ(host.prompt.shown.size(), 1u);
    EXPECT_EQ(host.prompt.shown[0].text, kTooManyItemsText);
    EXPECT_EQ(host.table.state, 1) << "the earlier selection stays";
}

TEST_F(SelectControllerTest, SwitchCyclesSubItemsAndHighlightsFollow) {
    PickFace(0, 0);
    std::vector<int32_t> subs;
    for (int i = 0; i < 7; ++i) {
        controller.RunDataKey(data_key::Switch);
        subs.push_back(host.table.values.lData2);
    }
    EXPECT_EQ(subs, (std::vector<int32_t>{1, 2, 3, 4, 5, 6, 0}));
    host.table.Requery();
    EXPECT_EQ(host.table.values.lData2, 0) << "the switched sub-item is stored in the row";

    controller.RunDataKey(data_key::Switch);  // edge 0-1
    const PickHighlight& h = controller.Highlight();
    ASSERT_EQ(h.lines.size(), 3u);
    EXPECT_EQ(h.lines[0].colour[0], kSelectedColour[0]);
    EXPECT_EQ(h.lines[1].colour[0], kEdgeColours[1][0]);
    EXPECT_EQ(host.status.back().find(" Line0 R = 0"), 0u) << "a flat face has straight edges";
    EXPECT_EQ(host.scene.examinedCentre[0], FLT_MAX);
}

constexpr int32_t kVkControl = 17, kVkH = 72, kVkV = 86;

TEST_F(SelectControllerTest, RightDoubleClickHidesShowsAndHighlights) {
    ScriptedPrompt prompt;
    ConfigReader(host.bindings, prompt).ReadConfigFile(VANTOR_SOURCE_DIR "/data/Config.cfg");
    PartCommand(Hit(100, inlineRow, 0, points, 1, 0), kVkControl);
    EXPECT_EQ(host.pickedWith, PickKeyRole::NoShowParts);
    EXPECT_EQ(host.scene.Row(inlineRow).tag, tag::Hidden);
    EXPECT_EQ(host.status.back(), "part.wrlを非表示にしました。");
    EXPECT_TRUE(controller.SelectionEmpty()) << "the parts command leaves no selection";

    PartCommand(Hit(100, inlineRow, 0, points, 1, 0), kVkV);
    EXPECT_EQ(host.scene.Row(inlineRow).tag, tag::Shown);
    EXPECT_EQ(host.status.back(), "part.wrlを表示にしました。");

    PartCommand(Hit(100, fileRow, faceMatrix, faces, 3, 6), kVkH);
    EXPECT_EQ(host.scene.Row(faces).tag, tag::Highlighted);
    EXPECT_EQ(host.status.back(),
              "ノード番号 " + std::to_string(faces) + " をハイライトにしました。");
    controller.PartCommand(5, 5);
    EXPECT_EQ(host.scene.Row(faces).tag, tag::Shown);

    // A datum names no file group: nothing is hidden.
    const size_t messages = host.status.size();
    PartCommand(Hit(100, 1, 0, -10501, 10501, 10501), kVkControl);
    EXPECT_EQ(host.status.size(), messages);
    EXPECT_EQ(host.scene.Row(1).tag, tag::DefaultRow);
}

TEST(SelectLogic, UnboundPartsSlotsMatchNoKeyHeld) {
    ScriptedPrompt prompt;
    BindingTable shipped;
    ConfigReader(shipped, prompt).ReadConfigFile(VANTOR_SOURCE_DIR "/data/Config.cfg");
    const BindingTable unbound;
    constexpr int32_t kNoKey = -1, kVkShift = 16;
    struct Case {
        const BindingTable* bindings;
        int32_t held;
        PickKeyRole pick, part;
    } cases[] = {
        // The shipped file leaves MOUSE_KEY_MEASURE unbound: a plain
        // double-click measures inside parts, and hides nothing.
        {&shipped, kNoKey, PickKeyRole::Measure, PickKeyRole::None},
        {&shipped, kVkControl, PickKeyRole::NoShowParts, PickKeyRole::NoShowParts},
        {&shipped, kVkV, PickKeyRole::ShowParts, PickKeyRole::ShowParts},
        {&shipped, kVkH, PickKeyRole::HilightItem, PickKeyRole::HilightItem},
        {&shipped, kVkShift, PickKeyRole::None, PickKeyRole::None},
        // Nothing bound: every slot matches no key.
        {&unbound, kNoKey, PickKeyRole::ShowParts, PickKeyRole::NoShowParts},
        {&unbound, kVkControl, PickKeyRole::None, PickKeyRole::None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.held);
        EXPECT_EQ(PickRoleOfKey(*c.bindings, c.held), c.pick);
        EXPECT_EQ(PartRoleOfKey(*c.bindings, c.held), c.part);
    }
}

TEST_F(SelectControllerTest, EndOfWalkMessageIsNotOverwritten) {
    host.table.onEndReached = [this](const std::string& text) { host.status.push_back(text); };
    Pick({Hit(100, fileRow, faceMatrix, faces, 0, 0), Hit(200, fileRow, faceMatrix, lines, 0, 1)});
    controller.RunDataKey(data_key::Next);
    EXPECT_EQ(host.status.back().rfind("Node Line", 0), 0u);
    controller.RunDataKey(data_key::Next);
    EXPECT_EQ(host.status.back(), kLastDataText);
    EXPECT_EQ(host.table.values.lData0, lines) << "still on the last row";
    EXPECT_FALSE(controller.Highlight().IsEmpty());
    controller.RunDataKey(data_key::First);
    controller.RunDataKey(data_key::Previous);
    EXPECT_EQ(host.status.back(), kFirstDataText);
    // Its beep: 200 ms of 16-bit mono samples at 22050 Hz behind a 44-byte header.
    EXPECT_EQ(ToneWav(442, 200).size(), 44 + 2 * 4410);
}

TEST_F(SelectControllerTest, MeasuringSystemCommandsMoveTheReadout) {
    controller.SetMeasuringOriginFromSelection();
    EXPECT_EQ(host.status.back(), "選択データがありません。");

    // Vertex 1 of the first triangle lies at (14, 0, 0).
    PickFace(0, 2);
    controller.SetMeasuringOriginFromSelection();
    EXPECT_EQ(host.status.back(), "測定座標系の原点を 14.000 ,0.000 ,0.000 に移しました。");
    controller.ExamineCurrent();
    EXPECT_NE(host.status.back().find(" Point1 X,Y,Z = 0.000 ,0.000 ,0.000 ,"), std::string::npos)
        << host.status.back();

    // Edge 0-1 runs along world x: it becomes the z axis; the old x axis
    // lies along it, so the old y axis becomes x.
    host.table.values.lData2 = sub_item::Edge01;
    controller.SetMeasuringAxisFromSelection();
    EXPECT_EQ(host.status.back(), "測定座標系の Z 軸を 1.000 ,0.000 ,0.000 に合わせました。");
    controller.ExamineCurrent();
    EXPECT_NE(host.status.back().find(" Point2 X,Y,Z = 3.000 ,0.000 ,0.000 ,"), std::string::npos)
        << "(14, 3, 0) is 3 along the new x axis (world y): " << host.status.back();
    EXPECT_FLOAT_EQ(host.scene.csysOrigin[0], 14) << "the rotation keeps the origin";

    controller.SetMeasuringOriginFromSelection();
    EXPECT_EQ(host.status.back(), "頂点、点、円弧の稜線または面を選んでください。")
        << "a straight edge has no point to take";
    controller.ResetMeasuringAxes();
    EXPECT_EQ(host.status.back(), "測定座標系をワールド座標系に戻しました。");
    controller.ExamineCurrent();
    EXPECT_NE(host.status.back().find(" Point2 X,Y,Z = 14.000 ,3.000 ,0.000 ,"), std::string::npos);

    // The reference item and plane, cleared together.
    controller.SetReferenceFromSelection();
    ASSERT_TRUE(controller.Reference().item.has_value());
    EXPECT_EQ(controller.Reference().item->kind, ItemKind::Edge);
    ASSERT_EQ(controller.Highlight().points.size(), 1u) << "the straight edge's reference mark";
    EXPECT_FLOAT_EQ(controller.Highlight().points[0].at[0], 12) << "its midpoint";
    controller.SetReferencePlaneFromSelection();
    EXPECT_EQ(host.status.back(), "面を選んでください。");
    EXPECT_FALSE(controller.Reference().plane.has_value());
    controller.ClearReference();
    EXPECT_FALSE(controller.Reference().item.has_value());
    EXPECT_TRUE(controller.Highlight().points.empty());
}

TEST_F(SelectControllerTest, DimensionCommandsMakeSelectHideMoveAndDelete) {
    DimensionCommands dims(controller, host);
    const int32_t rowsBefore = host.scene.nodeCount;
    dims.Make(DimensionCommand::PointToPoint);
    EXPECT_EQ(host.status.back(), "選択データがありません。");

    // Reference: vertex 1 at (14, 0, 0); selected: vertex 2 at (14, 3, 0).
    PickFace(0, 2);
    dims.Make(DimensionCommand::PointToPoint);
    EXPECT_EQ(host.status.back(), "測定開始点が設定されていません。");
    controller.SetReferenceFromSelection();
    host.table.values.lData2 = sub_item::Vertex2;
    dims.Make(DimensionCommand::PlaneToPoint);
    EXPECT_EQ(host.status.back(), "測定基準平面が設定されていません。");
    EXPECT_EQ(host.scene.nodeCount, rowsBefore) << "a refused command changes nothing";
    host.table.values.lData2 = sub_item::Edge01;
    dims.Make(DimensionCommand::Radius);
    EXPECT_EQ(host.status.back(), "円弧の辺か頂点、円柱か球を選択してください。");
    host.table.values.lData2 = sub_item::Vertex2;

    const std::pair<DimensionCommand, std::string> made[] = {
        {DimensionCommand::PointToPoint, "3"}, {DimensionCommand::CsysToPoint, "14.318"},
        {DimensionCommand::FrontToPoint, "0"}, {DimensionCommand::SideToPoint, "14"},
        {DimensionCommand::TopToPoint, "3"},   {DimensionCommand::Comment, "穴"}};
    host.textAnswers = {"穴"};
    for (const auto& [command, text] : made) {
        dims.Make(command);
        EXPECT_EQ(host.status.back(), "寸法 " + text + " を作成しました。");
        EXPECT_EQ(DimensionText(host.scene, DimensionRows(host.scene).back()), text);
    }
    ASSERT_EQ(DimensionRows(host.scene).size(), 6u);
    dims.Make(DimensionCommand::Comment);  // the text dialog cancelled
    EXPECT_EQ(DimensionRows(host.scene).size(), 6u);

    // Picking the first dimension's text selects that dimension.
    const int32_t first = DimensionRows(host.scene)[0];
    EXPECT_EQ(dims.SelectedDimension(), -1) << "a vertex is selected";
    const auto parts = FindDimensionParts(host.scene, first);
    PickHit text = Hit(50, first, 0, parts->text, 0, 1);
    Pick({text});
    ASSERT_EQ(dims.SelectedDimension(), first);
    host.answers = {{0, 2, 0}};
    const float textY = host.scene.Block(host.scene.Row(parts->transform).dataBegin)[13];
    dims.MoveSelectedByDialog();
    EXPECT_FLOAT_EQ(host.scene.Block(host.scene.Row(parts->transform).dataBegin)[13], textY + 2);
    host.textAnswers = {"typ."};
    dims.ChangeText();
    EXPECT_EQ(DimensionText(host.scene, first), "3 typ.");

    dims.SetAllHidden(true);
    EXPECT_TRUE(host.SelDimensionDisplay().hidden);
    EXPECT_EQ(host.scene.Row(first).tag, tag::Shown) << "the session switch leaves tags alone";
    dims.SetAllHidden(false);
    dims.HideSelected();
    EXPECT_EQ(host.scene.Row(first).tag, tag::Hidden);
    EXPECT_TRUE(controller.SelectionEmpty());

    controller.LeftDoubleClick(10, 10);
    dims.DeleteSelected();
    EXPECT_EQ(host.status.back(), "寸法を削除しました。");
    EXPECT_EQ(DimensionRows(host.scene).size(), 5u);
    EXPECT_EQ(DimensionText(host.scene, DimensionRows(host.scene)[0]), "14.318");
    dims.DeleteSelected();
    EXPECT_EQ(host.status.back(), "寸法が選択されていません。");

    // Radius and diameter of a cylinder of radius 5 tessellated into 36
    // sides: through the bottom edge of a side and through its corner.
    host.scene = CylinderScene();
    int32_t sides = 0;
    while (sides < host.scene.nodeCount && host.scene.Row(sides).kind != kind::IndexedFaceSet)
        ++sides;
    ASSERT_LT(sides, host.scene.nodeCount);
    const std::tuple<DimensionCommand, int32_t, std::string> arcs[] = {
        {DimensionCommand::Radius, sub_item::Edge01, "R5"},
        {DimensionCommand::Diameter, sub_item::Edge01, "φ10"},
        {DimensionCommand::Radius, sub_item::Vertex0, "R5"}};
    for (const auto& [command, sub, text] : arcs) {
        Pick({Hit(10, 0, 2, sides, 0, sub)});
        dims.Make(command);
        EXPECT_EQ(host.status.back(), "寸法 " + text + " を作成しました。") << sub;
    }
}

TEST_F(SelectControllerTest, PointEditMovesTheSharedVertex) {
    controller.ChangePointValue();
    EXPECT_TRUE(host.asked.empty()) << "no selection: nothing at all";

    // Vertex 2 of the second triangle is point 2, shared with the first.
    PickFace(3, 2);
    host.answers.push_back({5, 6, 7});
    controller.ChangePointValue();
    ASSERT_EQ(host.asked.size(), 1u);
    EXPECT_FLOAT_EQ(host.asked[0].values[0], 4) << "the stored local coordinates";
    EXPECT_FLOAT_EQ(host.asked[0].values[1], 3);
    EXPECT_EQ(std::vector<float>(&host.scene.pointPool[6], &host.scene.pointPool[9]),
              (std::vector<float>{5, 6, 7}));
    EXPECT_EQ(host.edits, 1);

    // The first triangle reads the same pool entry.
    PickFace(0, 4);
    EXPECT_FLOAT_EQ(controller.examined.examinedPoint[0], 15) << "moved by the Translation";

    // Cancel leaves the pool alone; an edge stops silently.
    controller.ChangePointValue();
    EXPECT_FLOAT_EQ(host.scene.pointPool[6], 5);
    PickFace(0, 1);
    const size_t asked = host.asked.size();
    controller.ChangePointValue();
    EXPECT_EQ(host.asked.size(), asked);
}

TEST_F(SelectControllerTest, NormalEditWritesTheVertexNormal) {
    PickFace(0, 0);
    const SelectedPoint point = SelectOnePoint(host.scene, host.table.values);
    ASSERT_TRUE(point.isVertex);
    ASSERT_GE(point.normalIndex, 0) << "the preparation gave the set face normals";
    host.answers.push_back({0, 1, 0});
    controller.ChangeNormalValue();
    ASSERT_EQ(host.asked.size(), 1u);
    EXPECT_FLOAT_EQ(host.asked[0].values[2], 1) << "the face normal points along +z";
    EXPECT_FLOAT_EQ(host.scene.normalPool[int64_t(point.normalIndex) * 3 + 1], 1);
}

TEST_F(SelectControllerTest, NodeNumberDesignation) {
    host.answers.push_back({float(host.scene.nodeCount), 0, 0});
    host.answers.push_back({float(lines), 0, 0});
    host.answers.push_back({float(faces), 0, 0});
    controller.DesignateNode();
    ASSERT_EQ(host.prompt.shown.size(), 3u);
    EXPECT_EQ(host.prompt.shown[0].text, "このノード番号はデータの範囲を超えています");
    EXPECT_EQ(host.prompt.shown[1].text,
              "このノードは" + KindName(kind::IndexedLineSet) + "です。");
    EXPECT_EQ(host.prompt.shown[2].text, "キルトをハイライトしますか。");
    EXPECT_EQ(host.scene.Row(faces).tag, tag::Highlighted);

    host.answers.push_back({float(faces), 0, 0});
    host.prompt.messageAnswers.push_back(PromptAnswer::Cancel);
    controller.DesignateNode();
    EXPECT_EQ(host.prompt.shown.back().text, "キルトはハイライトされています。解除しますか？");
    EXPECT_EQ(host.scene.Row(faces).tag, tag::Highlighted) << "cancelled";

    host.answers.push_back({-3, 0, 0});
    controller.DesignateNode();  // then Cancel in the input dialog
    EXPECT_EQ(host.prompt.shown.back().text, "このノード番号はデータの範囲を超えています");
}

// Every edit of the selection is one undo step that gives back the scene
// exactly, and done again gives the edited scene exactly.
TEST_F(SelectControllerTest, EachEditIsOneStepUndoneAndRedoneExactly) {
    ScriptedPrompt prompt;
    ConfigReader(host.bindings, prompt).ReadConfigFile(VANTOR_SOURCE_DIR "/data/Config.cfg");
    const struct {
        const char* name;
        std::function<void()> edit;
    } edits[] = {
        {"座標値の変更",
         [&] {
             PickFace(3, 2);
             host.answers.push_back({5, 6, 7});
             controller.ChangePointValue();
         }},
        {"法線の変更",
         [&] {
             PickFace(0, 0);
             host.answers.push_back({0, 1, 0});
             controller.ChangeNormalValue();
         }},
        {"部品の非表示", [&] { PartCommand(Hit(100, inlineRow, 0, points, 1, 0), kVkControl); }},
        {"ハイライト", [&] { PartCommand(Hit(100, fileRow, faceMatrix, faces, 3, 6), kVkH); }},
        {"ハイライト",
         [&] {
             host.answers.push_back({float(faces), 0, 0});
             controller.DesignateNode();
         }},
        {"測定座標系の原点",
         [&] {
             host.heldKey = -1;
             PickFace(3, 2);
             controller.SetMeasuringOriginFromSelection();
         }},
        {"測定座標系のリセット", [&] { controller.ResetMeasuringAxes(); }},
    };
    for (const auto& e : edits) {
        SCOPED_TRACE(e.name);
        const SceneData before = host.scene;
        const size_t steps = host.madeEdits.size();
        e.edit();
        ASSERT_EQ(host.madeEdits.size(), steps + 1) << "one step per action";
        EXPECT_EQ(host.madeEdits.back().first, e.name);
        const SceneData after = host.scene;
        EXPECT_FALSE(testing::ScenesEqual(before, after));
        const SceneChange& change = host.madeEdits.back().second;
        change.Restore(host.scene, false);
        EXPECT_TRUE(testing::ScenesEqual(before, host.scene));
        change.Restore(host.scene, true);
        EXPECT_TRUE(testing::ScenesEqual(after, host.scene));
    }
    // A cancelled edit is no step.
    controller.ChangePointValue();
    EXPECT_EQ(host.madeEdits.size(), std::size(edits));
}

TEST_F(SelectControllerTest, DatumAndMeasuringSystemTexts) {
    host.scene.csysOrigin[0] = 2;
    Pick({Hit(100, 1, 0, -10502, 10502, 10502)});
    EXPECT_EQ(host.table.values.lNode, 10502);
    EXPECT_EQ(host.status.back(),
              " Datum Side Selected  Center = 2.000 ,0.000 ,0.000 ,Normal = 1.000 ,0.000 ,0.000 ");
    EXPECT_EQ(controller.Highlight().datumPlane, 1);

    Pick({Hit(100, inlineRow, 0, points, 1, 0)});
    EXPECT_EQ(host.status.back(), " Node Point X,Y,Z = 2.000 ,0.000 ,0.000 ,")
        << "point 1 is (4, 0, 0), measured from the origin at x = 2";
}

TEST(SelectLogic, TextsFindTheirDimensionAndVerticesTheirNormals) {
    SceneData scene;
    testing::SceneBuilder b(scene);
    b.BeginFile("dims.wrl");
    const int32_t dim = b.OpenGroup(kind::SeparatorDim, 3, "KORVALDE_DIM_1");
    const int32_t inDim = b.Text("12.5");
    b.Close();
    b.OpenGroup(kind::Separator);
    const int32_t plain = b.Text("note");
    b.Close();
    b.Coordinates({0, 0, 0, 1, 0, 0, 0, 1, 0});
    const int32_t faces = b.FaceSet({0, 1, 2});
    b.EndFile();

    ExaminedState state;
    HitRecord text;
    text.lNode = kind::AsciiText, text.lData0 = inDim, text.lData1 = 0, text.lData2 = 1;
    text.lTrans = 0;
    ExamineResult result = ExamineSelected(scene, text, MeasureTolerances(), state);
    EXPECT_EQ(scene.selectedDimension, dim);
    EXPECT_EQ(result.highlight.textRow, inDim);
    text.lData2 = 0;
    ExamineSelected(scene, text, MeasureTolerances(), state);
    EXPECT_EQ(scene.selectedDimension, -9998);
    text.lData0 = plain, text.lData2 = 1;
    ExamineSelected(scene, text, MeasureTolerances(), state);
    EXPECT_EQ(scene.selectedDimension, -9999) << "a Separator stops the search";

    // Without normals (no geometry preparation ran) edges and the face
    // report the missing normals; vertices still name their point.
    HitRecord corner;
    corner.lNode = kind::IndexedFaceSet, corner.lData0 = faces, corner.lData1 = 0;
    const std::pair<int32_t, std::string> cases[] = {
        {3, "Check SelectOnePointFromRecordset Normal 02 "},
        {6, "Check SelectOnePointFromRecordset Normal 00 "},
        {9, "Error in ExamDrawTriangle 01 "},
        {4, ""}};
    for (const auto& [sub, message] : cases) {
        corner.lData2 = sub;
        EXPECT_EQ(SelectOnePoint(scene, corner).error, message) << sub;
    }
    const SelectedPoint vertex = SelectOnePoint(scene, corner);
    EXPECT_TRUE(vertex.isVertex);
    EXPECT_EQ(vertex.pointIndex, 2);
    EXPECT_EQ(vertex.normalIndex, -1);
}

}  // namespace
}  // namespace vantor
