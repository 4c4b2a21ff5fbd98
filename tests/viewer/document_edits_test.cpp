// A document's edits as the user meets them: each tree edit is one undo
// step giving back the model exactly, the title carries "*" while edits are
// unsaved, closing asks what to do with them, and a file replaced on disk is
// offered for reload, which keeps the camera and the measuring system.

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>
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

using vantor::PromptAnswer;
using vantor::CChildFrame;
using vantor::CKorvaldeApp;
using vantor::CKorvaldeDoc;
using vantor::CKorvaldeView;
using vantor::CMainFrame;
using vantor::testing::ScenesEqual;

namespace {

struct RunningViewer {
    RunningViewer() { started = app.InitInstance(folder.Options(true), prompt); }
    ~RunningViewer() {
        if (app.MainFrame()) app.MainFrame()->close();
    }
    // Copies an input file into the scratch folder under `name`.
    QString Model(const QString& input, const QString& name) {
        const QString target = folder.Temp(name);
        QFile::remove(target);
        QFile::copy(QStringLiteral(VANTOR_TEST_INPUTS "/") + input, target);
        QFile(target).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        return target;
    }
    QString Title() const { return app.MainFrame()->ActiveChild()->windowTitle(); }

    ShellFolder folder;
    vantor::ScriptedPrompt prompt;
    CKorvaldeApp app;
    bool started = false;
};

int32_t FirstRowOfKind(const vantor::SceneData& scene, int32_t kind) {
    for (int32_t i = 0; i < scene.nodeCount; ++i)
        if (scene.Row(i).kind == kind) return i;
    return -1;
}

int32_t RowNamed(const vantor::SceneData& scene, int32_t kind, const std::string& name) {
    for (int32_t i = 0; i < scene.nodeCount; ++i)
        if (scene.Row(i).kind == kind && scene.DefNameOf(i) == name) return i;
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

TEST(DocumentEdits, TreeEditsAreStepsTheTitleMarksAndClosingAsks) {
    RunningViewer v;
    ASSERT_TRUE(v.started);
    CMainFrame* frame = v.app.MainFrame();
    QDir().mkpath(v.folder.Temp("sub"));
    v.Model("vrml_write/sub/child.wrl", "sub/child.wrl");
    CKorvaldeDoc* doc = frame->OpenDocumentFile(v.Model("vrml_write/v1_parts.wrl", "parts.wrl"));
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(v.Title(), QStringLiteral("parts.wrl"));
    EXPECT_FALSE(frame->Action(cmd::kEditUndo)->isEnabled());

    vantor::StructureDialog* dialog = OpenTree(doc, frame);
    ASSERT_NE(dialog, nullptr);
    // Colour dialogs are answered with a new first colour value.
    QTimer colours;
    QObject::connect(&colours, &QTimer::timeout, [] {
        auto* box = qobject_cast<vantor::MaterialColourDialog*>(QApplication::activeModalWidget());
        if (!box) return;
        box->findChildren<QLineEdit*>().first()->setText(QStringLiteral("0.5"));
        box->accept();
    });
    colours.start(10);

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
        const int32_t row = FirstRowOfKind(scene, e.kind);
        ASSERT_GE(row, 0);
        const vantor::SceneData before = scene;
        SelectRow(*dialog, row);
        dialog->EditNodeFromTree();
        const vantor::SceneData after = scene;
        ASSERT_FALSE(ScenesEqual(before, after));
        EXPECT_EQ(frame->Action(cmd::kEditUndo)->text(),
                  QStringLiteral("元に戻す: ") + QString::fromUtf8(e.step));
        EXPECT_EQ(v.Title(), QStringLiteral("parts.wrl*"));
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
    EXPECT_EQ(v.Title(), QStringLiteral("parts.wrl")) << "back at the saved state";
    EXPECT_FALSE(doc->IsModified());
    frame->RunCommand(cmd::kEditRedo);
    EXPECT_TRUE(doc->IsModified());

    // Quitting asks; going back keeps the program and the window.
    QPointer<CChildFrame> child = frame->ActiveChild();
    v.prompt.choiceAnswers = {-1};
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(child && child->isVisible());
    v.prompt.choiceAnswers = {-1};
    frame->RunCommand(cmd::kFileClose);
    ASSERT_FALSE(v.prompt.shown.empty());
    EXPECT_EQ(v.prompt.shown.back().text,
              "parts.wrl は編集されています。保存しますか？\n"
              "トップデータのみ、名前を付けて保存\n新データとして保存\n保存しない");
    EXPECT_TRUE(child && child->isVisible());

    // Saving as new data clears the mark and lets the window close.
    const QString saved = v.folder.Temp("saved.wrl");
    doc->askSavePath = [&](const QString&, QString& chosen) {
        chosen = saved;
        return true;
    };
    v.prompt.choiceAnswers = {1};
    frame->RunCommand(cmd::kFileClose);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(QFileInfo(saved).size() > 0);
    EXPECT_TRUE(child.isNull());

    // An unedited document closes without a question.
    const size_t asked = v.prompt.shown.size();
    frame->OpenDocumentFile(v.folder.Temp("parts.wrl"));
    frame->RunCommand(cmd::kFileClose);
    EXPECT_EQ(v.prompt.shown.size(), asked);
}

TEST(DocumentReload, ReplacedFileIsOfferedAndReloadKeepsCameraAndMeasuringSystem) {
    RunningViewer v;
    ASSERT_TRUE(v.started);
    CMainFrame* frame = v.app.MainFrame();
    const QString model = v.Model("shell/plate.wrl", "model.wrl");
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
    v.prompt.messageAnswers = {PromptAnswer::Cancel};
    frame->RunCommand(cmd::kReload);
    EXPECT_EQ(v.prompt.shown.back().text, "編集内容を破棄して再読み込みしますか？");
    EXPECT_TRUE(doc->IsModified());

    // An editor saves by writing a new file and renaming it over the old one.
    int offers = 0;
    QObject::connect(doc, &CKorvaldeDoc::FilesChangedOnDisk, [&] { ++offers; });
    auto replaceWith = [&](const char* input) {
        const QString fresh = v.Model(input, "model.wrl.new");
        QFile::remove(model);
        QFile::rename(fresh, model);
    };
    const int32_t platePoints = doc->Scene().pointCount;
    replaceWith("shell/pin.wrl");
    v.prompt.messageAnswers = {PromptAnswer::Ok};
    ASSERT_TRUE(QTest::qWaitFor([&] { return offers == 1; }, 5000));
    EXPECT_EQ(v.prompt.shown.back().text,
              "model.wrl がディスク上で変更されました。編集内容を破棄して再読み込みしますか？");
    EXPECT_NE(doc->Scene().pointCount, platePoints) << "the new file was read";
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(v.Title(), QStringLiteral("model.wrl"));
    EXPECT_EQ(view->camera.panX, 3);
    EXPECT_EQ(view->camera.viewDistance, 77);
    EXPECT_EQ(view->settings.displayMode, vantor::kDisplayWireframe);
    EXPECT_EQ(doc->Scene().csysOrigin[0], 7);

    // The watch survives the rename; unedited documents reload at once
    // when the setting says so.
    CKorvaldeDoc::SetAutoReload(true);
    const size_t asked = v.prompt.shown.size();
    replaceWith("shell/plate.wrl");
    ASSERT_TRUE(QTest::qWaitFor([&] { return offers == 2; }, 5000));
    EXPECT_EQ(v.prompt.shown.size(), asked);
    EXPECT_EQ(doc->Scene().pointCount, platePoints);
}

// A colour and a scale edited in the tree, saved under Japanese names and
// read back: the file holds the edits.
TEST(DocumentEdits, TreeEditsSavedUnderJapaneseNamesReadBack) {
    RunningViewer v;
    ASSERT_TRUE(v.started);
    CMainFrame* frame = v.app.MainFrame();
    QDir().mkpath(v.folder.Temp("部品/sub"));
    QDir().mkpath(v.folder.Temp("保存先"));
    v.Model("vrml_write/sub/child.wrl", "部品/sub/child.wrl");
    CKorvaldeDoc* doc =
        frame->OpenDocumentFile(v.Model("vrml_write/v1_parts.wrl", "部品/模型.wrl"));
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(v.Title(), QStringLiteral("模型.wrl"));

    vantor::StructureDialog* dialog = OpenTree(doc, frame);
    ASSERT_NE(dialog, nullptr);
    vantor::testing::OnNextModal<vantor::MaterialColourDialog>(
        [](vantor::MaterialColourDialog* box) {
            box->findChildren<QLineEdit*>().first()->setText(QStringLiteral("0.5"));
            box->accept();
        });
    const vantor::SceneData& scene = doc->Scene();
    const int32_t material = RowNamed(scene, vantor::kind::Material, "Red");
    const int32_t scale = FirstRowOfKind(scene, vantor::kind::Scale);
    ASSERT_GE(material, 0);
    ASSERT_GE(scale, 0);
    const vantor::SceneData opened = scene;
    for (int32_t row : {material, scale}) {
        SelectRow(*dialog, row);
        dialog->EditNodeFromTree();
    }
    ASSERT_FALSE(ScenesEqual(opened, scene));

    const QString saved = v.folder.Temp("保存先/編集済み.wrl");
    doc->askSavePath = [&](const QString&, QString& chosen) {
        chosen = saved;
        return true;
    };
    ASSERT_TRUE(doc->OnSaveTopData(v.prompt));
    vantor::VrmlReader back;
    vantor::ScriptedPrompt prompt;
    ASSERT_EQ(back.ReadVrmlFile(saved.toStdString(), prompt, v.folder.Temp("log").toStdString()),
              1);
    const int32_t backMaterial = RowNamed(back, vantor::kind::Material, "Red");
    ASSERT_GE(backMaterial, 0);
    // Values only: the flags say which fields the file gave, and a saved
    // file gives them all.
    for (int i = 0; i < vantor::kMaterialWidth; ++i)
        if (i % 4 != 0 && i != 18) {
            EXPECT_NEAR(back.MaterialRow(back.Row(backMaterial).dataBegin)[i],
                        scene.MaterialRow(scene.Row(material).dataBegin)[i], 1e-5)
                << "material value " << i;
        }
    const int32_t backScale = FirstRowOfKind(back, vantor::kind::Scale);
    ASSERT_GE(backScale, 0);
    EXPECT_FLOAT_EQ(back.Block(back.Row(backScale).dataBegin)[0], 2.5f);
    EXPECT_FLOAT_EQ(back.Block(back.Row(backScale).dataBegin)[1], 2.0f);
    EXPECT_EQ(back.fileCount, 2) << "the inline found beside the Japanese folder";
    EXPECT_NE(frame->OpenDocumentFile(saved), nullptr);
}

}  // namespace
