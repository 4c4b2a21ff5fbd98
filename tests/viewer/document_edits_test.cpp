// A document's edits as the user meets them: each tree edit is one undo
// step giving back the model exactly, the title carries "*" while edits are
// unsaved, closing asks what to do with them (a save under Japanese names
// keeps the edits), and a file replaced on disk is offered for reload,
// which keeps the camera and the measuring system.

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTreeWidget>

#include "app/child_frame.h"
#include "app/main_frame.h"
#include "commands/command_ids.h"
#include "dims/dimension.h"
#include "doc/korvalde_doc.h"
#include "scene/scene_equal.h"
#include "shell_fixture.h"
#include "structure/material_colour_dialog.h"
#include "structure/structure_dialog.h"
#include "structure_select.h"
#include "support/qt_window.h"
#include "view/korvalde_view.h"
#include "vrml_read/vrml_reader.h"

namespace cmd = vantor::cmd;

using vantor::CChildFrame;
using vantor::CKorvaldeApp;
using vantor::CKorvaldeDoc;
using vantor::CKorvaldeView;
using vantor::CMainFrame;
using vantor::PromptAnswer;
using vantor::testing::ScenesEqual;

namespace {

class DocumentEdits : public ShellTest {
  protected:
    void SetUp() override { ASSERT_TRUE(Start(true)); }
    // Copies an input file into the scratch folder under `name`.
    QString Model(const QString& input, const QString& name) {
        const QString target = folder.Temp(name);
        QFile::remove(target);
        QFile::copy(QStringLiteral(VANTOR_TEST_INPUTS "/") + input, target);
        QFile(target).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        return target;
    }
    QString Title() const { return app.MainFrame()->ActiveChild()->windowTitle(); }
};
class DocumentReload : public DocumentEdits {};

// The first row of `kind` that the file gave, not one of the reader's defaults.
int32_t FileRowOfKind(const vantor::SceneData& scene, int32_t kind) {
    for (int32_t i = 0; i < scene.nodeCount; ++i)
        if (scene.Row(i).kind == kind && scene.DefNameOf(i).rfind("KORVALDE_DEFAULT", 0) != 0)
            return i;
    return -1;
}

// The document's structure window, whose value dialogs add 1.5 to the
// first value.
vantor::StructureDialog* OpenTree(CKorvaldeDoc* doc, CMainFrame* frame) {
    doc->ToggleStructureWindow(frame);
    auto* dialog = qobject_cast<vantor::StructureDialog*>(doc->structureWindow.data());
    if (dialog) {
        dialog->askThreeValues = [](const QString&, const QStringList&, float values[3]) {
            values[0] += 1.5f;
            return true;
        };
    }
    return dialog;
}

TEST_F(DocumentEdits, TreeEditsAreStepsTheTitleMarksAndClosingAsks) {
    CMainFrame* frame = app.MainFrame();
    QDir().mkpath(folder.Temp("部品/sub"));
    QDir().mkpath(folder.Temp("保存先"));
    Model("vrml_write/sub/child.wrl", "部品/sub/child.wrl");
    CKorvaldeDoc* doc = frame->OpenDocumentFile(Model("vrml_write/v1_parts.wrl", "部品/模型.wrl"));
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(Title(), QStringLiteral("模型.wrl"));
    EXPECT_EQ(doc->Scene().fileCount, 2) << "the inline found beside the Japanese folder";
    EXPECT_FALSE(frame->Action(cmd::kEditUndo)->isEnabled());

    vantor::StructureDialog* dialog = OpenTree(doc, frame);
    ASSERT_NE(dialog, nullptr);
    // The colour dialog is answered with a new first colour value.
    vantor::testing::OnNextModal<vantor::MaterialColourDialog>(
        [](vantor::MaterialColourDialog* box) {
            box->findChildren<QLineEdit*>().first()->setText(QStringLiteral("0.5"));
            box->accept();
        });

    const vantor::SceneData& scene = doc->Scene();
    const struct {
        int32_t kind;
        const char* step;
    } edits[] = {{vantor::kind::Material, "色の変更"},
                 {vantor::kind::Scale, "スケールの変更"},
                 {vantor::kind::MatrixTransform, "移動距離の変更"},
                 {vantor::kind::Separator, "非表示"}};
    for (const auto& e : edits) {
        SCOPED_TRACE(e.step);
        const int32_t row = FileRowOfKind(scene, e.kind);
        ASSERT_GE(row, 0);
        const vantor::SceneData before = scene;
        SelectRow(*dialog, row);
        dialog->EditNodeFromTree();
        const vantor::SceneData after = scene;
        ASSERT_FALSE(ScenesEqual(before, after));
        EXPECT_EQ(frame->Action(cmd::kEditUndo)->text(),
                  QStringLiteral("元に戻す: ") + QString::fromUtf8(e.step));
        EXPECT_EQ(Title(), QStringLiteral("模型.wrl*"));
        frame->RunCommand(cmd::kEditUndo);
        EXPECT_TRUE(ScenesEqual(before, scene));
        frame->RunCommand(cmd::kEditRedo);
        EXPECT_TRUE(ScenesEqual(after, scene));
    }
    {
        SCOPED_TRACE("a dimension adds rows in one step");
        const vantor::SceneData before = scene;
        vantor::DimensionRequest request;
        request.to[0] = 10;
        request.value = 10;
        ASSERT_TRUE(doc->EditScene(QStringLiteral("寸法作成"), [&](vantor::SceneData& s) {
            return vantor::AddDimension(s, request) >= 0;
        }));
        const vantor::SceneData after = scene;
        EXPECT_GT(after.nodeCount, before.nodeCount);
        frame->RunCommand(cmd::kEditUndo);
        EXPECT_TRUE(ScenesEqual(before, scene));
        frame->RunCommand(cmd::kEditRedo);
        EXPECT_TRUE(ScenesEqual(after, scene));
        frame->RunCommand(cmd::kEditUndo);
    }
    // The tree follows: the hidden separator shows as hidden until undone.
    frame->RunCommand(cmd::kEditUndo);
    EXPECT_EQ(dialog->Tree()->currentItem()->data(0, Qt::UserRole + 1).toInt(), 0);
    while (doc->UndoStack().canUndo()) frame->RunCommand(cmd::kEditUndo);
    EXPECT_EQ(Title(), QStringLiteral("模型.wrl")) << "back at the saved state";
    EXPECT_FALSE(doc->IsModified());
    frame->RunCommand(cmd::kEditRedo);  // the colour
    frame->RunCommand(cmd::kEditRedo);  // the scale
    EXPECT_TRUE(doc->IsModified());
    const int32_t material = FileRowOfKind(scene, vantor::kind::Material);
    const float* colour = scene.MaterialRow(scene.Row(material).dataBegin);
    const std::vector<float> edited(colour, colour + vantor::kMaterialWidth);

    // Quitting asks; going back keeps the program and the window.
    QPointer<CChildFrame> child = frame->ActiveChild();
    prompt.choiceAnswers = {-1};
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(child && child->isVisible());
    prompt.choiceAnswers = {-1};
    frame->RunCommand(cmd::kFileClose);
    ASSERT_FALSE(prompt.shown.empty());
    EXPECT_EQ(prompt.shown.back().text,
              "模型.wrl は編集されています。保存しますか？\n"
              "トップデータのみ、名前を付けて保存\n新データとして保存\n保存しない");
    EXPECT_TRUE(child && child->isVisible());

    // Saving the top data clears the mark and lets the window close.
    const QString saved = folder.Temp("保存先/編集済み.wrl");
    prompt.fileAnswers = {saved.toStdString()};
    prompt.choiceAnswers = {0};
    frame->RunCommand(cmd::kFileClose);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(QFileInfo(saved).size() > 0);
    EXPECT_TRUE(child.isNull());

    // An unedited document closes without a question.
    const size_t asked = prompt.shown.size();
    frame->OpenDocumentFile(folder.Temp("部品/模型.wrl"));
    frame->RunCommand(cmd::kFileClose);
    EXPECT_EQ(prompt.shown.size(), asked);

    // The saved file holds the edits.
    vantor::VrmlReader back;
    ASSERT_EQ(back.ReadVrmlFile(saved.toStdString(), prompt, folder.Temp("log").toStdString()), 1);
    const int32_t backMaterial = FileRowOfKind(back, vantor::kind::Material);
    ASSERT_GE(backMaterial, 0);
    // Values only: the flags say which fields the file gave, and a saved
    // file gives them all.
    for (int i = 0; i < vantor::kMaterialWidth; ++i)
        if (i % 4 != 0 && i != 18) {
            EXPECT_NEAR(back.MaterialRow(back.Row(backMaterial).dataBegin)[i], edited[size_t(i)],
                        1e-5)
                << "material value " << i;
        }
    const int32_t backScale = FileRowOfKind(back, vantor::kind::Scale);
    ASSERT_GE(backScale, 0);
    EXPECT_FLOAT_EQ(back.Block(back.Row(backScale).dataBegin)[0], 2.5f);
    EXPECT_FLOAT_EQ(back.Block(back.Row(backScale).dataBegin)[1], 2.0f);
    EXPECT_NE(frame->OpenDocumentFile(saved), nullptr);
}

TEST_F(DocumentReload, ReplacedFileIsOfferedAndReloadKeepsCameraAndMeasuringSystem) {
    CMainFrame* frame = app.MainFrame();
    const QString model = Model("shell/plate.wrl", "model.wrl");
    CKorvaldeDoc* doc = frame->OpenDocumentFile(model);
    ASSERT_NE(doc, nullptr);
    CKorvaldeView* view = frame->ActiveChild()->View();
    ASSERT_NE(view, nullptr);
    QTest::qWait(50);
    view->camera.panX = 3;
    view->camera.viewDistance = 77;
    view->settings.displayMode = vantor::kDisplayWireframe;
    doc->Scene().csysOrigin[0] = 7;
    vantor::SceneChange hide;
    hide.TouchRow(doc->Scene(), 0);
    doc->Scene().Row(0).tag = vantor::tag::Hidden;
    hide.Finish(doc->Scene());
    doc->RecordEdit(QStringLiteral("非表示"), std::move(hide));

    // With edits, the menu's reload asks first.
    prompt.messageAnswers = {PromptAnswer::Cancel};
    frame->RunCommand(cmd::kReload);
    EXPECT_EQ(prompt.shown.back().text, "編集内容を破棄して再読み込みしますか？");
    EXPECT_TRUE(doc->IsModified());

    // An editor saves by writing a new file and renaming it over the old one.
    int offers = 0;
    QObject::connect(doc, &CKorvaldeDoc::FilesChangedOnDisk, [&] { ++offers; });
    auto replaceWith = [&](const char* input) {
        const QString fresh = Model(input, "model.wrl.new");
        QFile::remove(model);
        QFile::rename(fresh, model);
    };
    const int32_t platePoints = doc->Scene().pointCount;
    replaceWith("shell/pin.wrl");
    prompt.messageAnswers = {PromptAnswer::Ok};
    ASSERT_TRUE(QTest::qWaitFor([&] { return offers == 1; }, 5000));
    EXPECT_EQ(prompt.shown.back().text,
              "model.wrl がディスク上で変更されました。編集内容を破棄して再読み込みしますか？");
    EXPECT_NE(doc->Scene().pointCount, platePoints) << "the new file was read";
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(Title(), QStringLiteral("model.wrl"));
    EXPECT_EQ(view->camera.panX, 3);
    EXPECT_EQ(view->camera.viewDistance, 77);
    EXPECT_EQ(view->settings.displayMode, vantor::kDisplayWireframe);
    EXPECT_EQ(doc->Scene().csysOrigin[0], 7);

    // The watch survives the rename; unedited documents reload at once
    // when the setting says so.
    CKorvaldeDoc::SetAutoReload(true);
    const size_t asked = prompt.shown.size();
    replaceWith("shell/plate.wrl");
    ASSERT_TRUE(QTest::qWaitFor([&] { return offers == 2; }, 5000));
    EXPECT_EQ(prompt.shown.size(), asked);
    EXPECT_EQ(doc->Scene().pointCount, platePoints);
}

}  // namespace
