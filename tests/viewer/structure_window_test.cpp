#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidget>

#include <sstream>

#include "prompt/prompt.h"
#include "scene/prepare_geometry.h"
#include "scene/scene_builder.h"
#include "structure/material_colour_dialog.h"
#include "structure/structure_dialog.h"
#include "structure/structure_tree.h"
#include "structure_select.h"
#include "support/scratch_folder.h"

using namespace vantor;
using vantor::testing::SceneBuilder;

namespace {

struct Rows {
    int32_t root, part, material, matrix, translation, faces, hidden, inlineRow, use;
};

// A file with a named part, a hidden group, an inline and a USE.
Rows BuildScene(SceneData& s) {
    SceneBuilder b(s);
    Rows r{};
    r.root = b.BeginFile("top.wrl");
    r.part = b.OpenGroup(kind::Separator, 3, "Bracket");
    r.material = b.Material(1, 0, 0);
    r.matrix = b.Matrix({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1});
    r.translation = b.Values(kind::Translation, {0, 0, 0});
    b.Coordinates({0, 0, 0, 1, 0, 0, 1, 1, 0});
    r.faces = b.FaceSet({0, 1, 2});
    b.Close();
    r.hidden = b.OpenGroup(kind::Separator, 3, "", tag::Hidden);
    b.Values(kind::Sphere, {1});
    b.Close();
    r.inlineRow = b.BeginInline("bolt.wrl");
    b.Values(kind::Cube, {1, 1, 1});
    b.EndInline();
    r.use = b.Use(r.part, "Bracket");
    s.AddRow(kind::None, 0, tag::Value, 0, 0);
    b.EndFile();
    PrepareGeometry(s);
    return r;
}

// Item texts as "depth:text" in tree order.
std::vector<std::string> Outline(const std::vector<StructureItem>& items) {
    std::vector<int> depth(items.size(), 0);
    std::vector<std::string> out;
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i].parent >= 0) depth[i] = depth[size_t(items[i].parent)] + 1;
        out.push_back(std::to_string(depth[i]) + ":" + items[i].text);
    }
    return out;
}

const StructureItem* ItemForRow(const std::vector<StructureItem>& items, int32_t row) {
    for (const StructureItem& item : items)
        if (item.row == row) return &item;
    return nullptr;
}

}  // namespace

TEST(StructureTree, EmptySceneShowsOnlyTheRoot) {
    SceneData empty;
    const auto items = BuildStructureItems(empty, 0x7FFFFF);
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].text, "Vantor3D");
    EXPECT_EQ(items[0].row, kRootItemData);
}

TEST(StructureTree, AllRowsWithNamesInlinesAndUses) {
    SceneData s;
    const Rows r = BuildScene(s);
    const auto items = BuildStructureItems(s, 0x7FFFFF);
    // Rows made by geometry preparation follow the file's rows.
    std::vector<std::string> expected;
    std::istringstream lines(
        vantor::testing::ReadText(VANTOR_TEST_INPUTS "/structure/all_rows.txt"));
    for (std::string line; std::getline(lines, line);) expected.push_back(line);
    EXPECT_EQ(Outline(items), expected);
    EXPECT_EQ(ItemForRow(items, r.hidden)->image, kImageHiddenGroup);
    EXPECT_EQ(ItemForRow(items, r.part)->image, kImageGroup);
    EXPECT_EQ(ItemForRow(items, r.faces)->image, kImageLeaf);
    // The inlined file's rows hang under the inline item (the outline's
    // depths alone would not tell).
    const StructureItem* cube = nullptr;
    for (const StructureItem& item : items)
        if (item.text == "Cube") cube = &item;
    ASSERT_NE(cube, nullptr);
    EXPECT_EQ(items[size_t(cube->parent)].row, r.inlineRow);
}

TEST(StructureTree, PartsOnlyListsFilesInlinesAndUsesUnderTheNearestListedAncestor) {
    SceneData s;
    const Rows r = BuildScene(s);
    const auto items = BuildStructureItems(s, StructureMaskForText("部品のみ", 0));
    const std::vector<std::string> expected = {"0:Vantor3D", "1:DEF top.wrl Vrml_Data",
                                               "2:WWWInline # bolt.wrl #", "2:USE # Bracket #"};
    EXPECT_EQ(Outline(items), expected);

    // Parts and colours also lists materials, wherever they are nested.
    const auto coloured = BuildStructureItems(s, StructureMaskForText("部品と色", 0));
    EXPECT_NE(ItemForRow(coloured, r.material), nullptr);
    EXPECT_EQ(coloured[size_t(ItemForRow(coloured, r.material)->parent)].row, r.root);
    EXPECT_EQ(ItemForRow(coloured, r.matrix), nullptr);
    // Transforms come with the widest mode but one.
    const auto transforms = BuildStructureItems(s, StructureMaskForText("部品、寸法、座標変換", 0));
    EXPECT_NE(ItemForRow(transforms, r.matrix), nullptr);
    EXPECT_NE(ItemForRow(transforms, r.translation), nullptr);
    // An unknown combo text keeps the mask.
    EXPECT_EQ(StructureMaskForText("something else", 42), 42);
}

TEST(StructureWindow, CaptionsFollowTotalsAndSelection) {
    SceneData s;
    BuildScene(s);
    ScriptedPrompt prompt;
    StructureDialog dialog(s, prompt);
    EXPECT_EQ(dialog.windowTitle(), " Total Point  3 ,Total Triangle Surface  1 ");
    EXPECT_EQ(dialog.FilterMask(), kInitialStructureMask);
    EXPECT_EQ(dialog.FilterCombo()->currentText(), QString::fromUtf8("部品と色"));

    dialog.Tree()->setCurrentItem(dialog.Tree()->topLevelItem(0));
    EXPECT_EQ(dialog.windowTitle(), "VRML Data Selected Step Node ID = -9999 ");
    EXPECT_EQ(dialog.SelectedRow(), -9999);
    dialog.EditNodeFromTree();  // nothing to edit for the root

    dialog.FilterCombo()->setCurrentIndex(1);
    EXPECT_EQ(dialog.FilterMask(), 0x80001);
}

TEST(NodeEditing, OnlyMatrixTranslationAndScaleAskForValues) {
    SceneData s;
    const Rows r = BuildScene(s);
    ScriptedPrompt prompt;
    StructureDialog dialog(s, prompt);
    int asked = 0;
    dialog.askThreeValues = [&](const QString&, const QStringList&, float values[3]) {
        ++asked;
        values[0] = 5;
        return true;
    };
    SelectRow(dialog, r.translation);
    dialog.EditNodeFromTree();
    EXPECT_EQ(asked, 0);

    // Moving the part's matrix moves its bounds.
    SelectRow(dialog, r.matrix);
    dialog.EditNodeFromTree();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(s.Block(s.Row(r.matrix).dataBegin)[12], 5);
    EXPECT_FLOAT_EQ(s.bounds[0], -0.5);  // the bolt's cube; the hidden sphere counts not
    EXPECT_FLOAT_EQ(s.bounds[1], 6);
    EXPECT_FLOAT_EQ(s.csysBounds[0], 6);
}

TEST(NodeEditing, FileToggleHidesAndShowsWithTheImageFollowing) {
    SceneData s;
    const Rows r = BuildScene(s);
    ScriptedPrompt prompt;
    StructureDialog dialog(s, prompt);
    int edits = 0;
    QObject::connect(&dialog, &StructureDialog::SceneEdited, [&] { ++edits; });
    SelectRow(dialog, r.root);
    const QIcon shownIcon = dialog.Tree()->currentItem()->icon(0);
    dialog.EditNodeFromTree();
    EXPECT_EQ(s.Row(r.root).tag, tag::Hidden);
    EXPECT_NE(dialog.Tree()->currentItem()->icon(0).cacheKey(), shownIcon.cacheKey());
    dialog.EditNodeFromTree();
    EXPECT_EQ(s.Row(r.root).tag, tag::Shown);
    EXPECT_EQ(edits, 2);

    s.Row(r.part).tag = tag::Highlighted;  // a highlighted group becomes hidden
    SelectRow(dialog, r.part);
    dialog.EditNodeFromTree();
    EXPECT_EQ(s.Row(r.part).tag, tag::Hidden);
}

TEST(MaterialColours, ChooserColourIsKeptWhenTheDialogIsCancelled) {
    ScriptedPrompt prompt;
    MaterialColourDialog dialog(prompt);
    float row[20];
    std::copy(kDefaultMaterial, kDefaultMaterial + 20, row);
    dialog.SetValues(row);
    QColor offered;
    dialog.chooseColour = [&](const QColor& initial, QWidget*) -> std::optional<QColor> {
        offered = initial;
        return QColor(255, 0, 51);
    };
    dialog.ChooseColourForRow(1);  // diffuse
    float edited[20];
    dialog.GetValues(edited);
    EXPECT_NEAR(edited[5], 1.0f, 1e-3);
    EXPECT_NEAR(edited[7], 0.2f, 1e-3);
    EXPECT_EQ(edited[4], 1.0f);  // flags are untouched
    EXPECT_EQ(MaterialColourDialog::lastChosenColour, QColor(255, 0, 51));

    MaterialColourDialog next(prompt);
    next.chooseColour = [&](const QColor& initial, QWidget*) -> std::optional<QColor> {
        offered = initial;
        return std::nullopt;
    };
    next.ChooseColourForRow(0);
    EXPECT_EQ(offered, QColor(255, 0, 51));
}

TEST(MaterialColours, ValuesOutsideZeroToOneKeepTheDialogOpen) {
    ScriptedPrompt prompt;
    MaterialColourDialog dialog(prompt);
    dialog.findChildren<QLineEdit*>()[0]->setText("1.5");
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, "Enter a number between 0 and 1.");
    EXPECT_EQ(prompt.shown[0].caption, dialog.windowTitle().toStdString());
    EXPECT_EQ(prompt.shown[0].icon, PromptIcon::Exclamation);
    dialog.findChildren<QLineEdit*>()[0]->setText("0.5");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}
