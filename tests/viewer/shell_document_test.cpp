#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QStatusTipEvent>
#include <QUrl>

#include "app/child_frame.h"
#include "app/main_frame.h"
#include "commands/command_ids.h"
#include "doc/korvalde_doc.h"
#include "measure/measure_panel.h"
#include "shell_fixture.h"

namespace cmd = vantor::cmd;

using vantor::CChildFrame;
using vantor::CKorvaldeApp;
using vantor::CKorvaldeDoc;
using vantor::CMainFrame;
using vantor::KorvaldeSettings;
using vantor::MeasurePanel;
using vantor::PromptAnswer;
using vantor::ScriptedPrompt;
using vantor::WriteRecentFiles;
using vantor::testing::ReadText;
using vantor::testing::WriteText;

namespace {

class ShellDocument : public ShellTest {};
class ShellMainFrame : public ShellTest {};

TEST_F(ShellDocument, AssemblyRefusesTopDataSaveButSavesAsNewData) {
    ASSERT_TRUE(Start());
    CKorvaldeDoc doc(&app);
    const QString target = folder.Temp("assembly.wrl");
    // The refusals' texts are the save test's; here that they come before
    // the dialog: for empty data, then for the top data of an assembly.
    doc.OnSaveNewData(prompt);
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].icon, vantor::PromptIcon::Exclamation);
    int changes = 0;
    QObject::connect(&doc, &CKorvaldeDoc::SceneChanged, [&] { ++changes; });
    ASSERT_TRUE(doc.OnOpenDocument(folder.Input("plate.wrl"), prompt));
    EXPECT_EQ(doc.PathName(), QFileInfo(folder.Input("plate.wrl")).absoluteFilePath());
    EXPECT_EQ(doc.Scene().fileCount, 1);
    EXPECT_EQ(doc.Scene().assemblyFlag, -1);
    const int trianglesBefore = doc.Scene().coordIndexCount;

    // Assembly: a cancelled dialog asks whether to go on; OK shows it again.
    prompt.fileAnswers = {"", folder.Input("pin.wrl").toStdString()};
    prompt.messageAnswers = {PromptAnswer::Ok};
    doc.OnAssembly(prompt);
    ASSERT_EQ(prompt.shown.size(), 2u);
    EXPECT_EQ(prompt.shown[1].text, "ファイルの選択を続けますか？");
    EXPECT_EQ(prompt.shown[1].caption, "警告");
    EXPECT_EQ(prompt.shown[1].buttons, vantor::PromptButtons::OkCancel);
    EXPECT_EQ(doc.Scene().assemblyFlag, 1);
    EXPECT_EQ(doc.Scene().fileCount, 2);
    EXPECT_EQ(doc.Scene().coordIndexCount, trianglesBefore + 3);
    EXPECT_EQ(changes, 2);

    doc.OnSaveTopData(prompt);
    EXPECT_EQ(prompt.shown.size(), 3u) << "refused, with a message";
    EXPECT_EQ(prompt.fileQuestions.size(), 2u) << "no save dialog";
    EXPECT_FALSE(QFileInfo::exists(target));

    prompt.fileAnswers = {target.toStdString()};
    doc.OnSaveNewData(prompt);
    ASSERT_EQ(prompt.fileQuestions.size(), 3u);
    const vantor::FileQuestion& save = prompt.fileQuestions.back();
    EXPECT_EQ(save.kind, vantor::FileQuestion::Kind::Save);
    EXPECT_EQ(save.suggestedFile, doc.PathName().toStdString()) << "the document is offered";
    EXPECT_EQ(save.defaultSuffix, "wrl");
    EXPECT_TRUE(QFileInfo(target).size() > 0);

    // Cancelling a further assembly leaves the scene as it was.
    prompt.fileAnswers = {""};
    prompt.messageAnswers = {PromptAnswer::Cancel};
    doc.OnAssembly(prompt);
    EXPECT_EQ(doc.Scene().fileCount, 2);
    doc.OnSaveAllData(prompt);
    EXPECT_EQ(prompt.shown.back().text, "このバージョンではサポートしません。");
}

TEST_F(ShellDocument, SaveDialogCancelAsksToContinueAndNeverTruncates) {
    ASSERT_TRUE(Start());
    CKorvaldeDoc doc(&app);
    ASSERT_TRUE(doc.OnOpenDocument(folder.Input("plate.wrl"), prompt));
    const QString target = folder.Temp("keep.wrl");
    WriteText(target.toStdString(), "precious");
    // Cancel, then answer Cancel to "continue?": nothing is written.
    prompt.fileAnswers = {""};
    prompt.messageAnswers = {PromptAnswer::Cancel};
    doc.OnSaveTopData(prompt);
    EXPECT_EQ(prompt.shown.back().text, "ファイルの選択を続けますか？");
    EXPECT_EQ(QFileInfo(target).size(), 8);

    // Cancel, OK to continue, then a file: written once.
    prompt.fileAnswers = {"", target.toStdString()};
    prompt.messageAnswers = {PromptAnswer::Ok};
    doc.OnSaveTopData(prompt);
    EXPECT_EQ(prompt.fileQuestions.size(), 3u);
    EXPECT_EQ(ReadText(target.toStdString()).rfind("#VRML V1.0 ascii", 0), 0u);

    // Ctrl+S stores nothing: the opened file stays byte for byte.
    const std::string opened = folder.Input("plate.wrl").toStdString();
    const std::string before = ReadText(opened);
    doc.OnFrameworkSave();
    EXPECT_EQ(ReadText(opened), before);

    // A mesh file is offered a .wrl name beside it, never its own name.
    const QFileInfo mesh(QStringLiteral(VANTOR_TEST_INPUTS "/import/tetra.stl"));
    ASSERT_TRUE(doc.OnOpenDocument(mesh.filePath(), prompt));
    prompt.messageAnswers = {PromptAnswer::Cancel};
    doc.OnSaveTopData(prompt);
    EXPECT_EQ(prompt.fileQuestions.back().suggestedFile,
              mesh.dir().filePath(QStringLiteral("tetra.wrl")).toStdString());
}

TEST_F(ShellDocument, DocumentsTakeOverTheHitTable) {
    ASSERT_TRUE(Start());
    vantor::HitTable& hits = app.Hits();
    auto pick = [&] {
        vantor::HitTableTransaction transaction(hits);
        hits.AddRow();
        hits.UpdateRow();
    };

    auto first = std::make_unique<CKorvaldeDoc>(&app);
    ASSERT_TRUE(first->OnOpenDocument(folder.Input("plate.wrl"), prompt));
    EXPECT_EQ(app.activeDocumentPath, first->PathName());
    pick();
    EXPECT_EQ(hits.state, 1);

    // An unread document takes over at construction...
    auto fresh = std::make_unique<CKorvaldeDoc>(&app);
    EXPECT_EQ(hits.state, 0);
    EXPECT_EQ(app.activeDocumentPath, QStringLiteral("Default Default Default"));

    // ...but never takes the picks from a document that has a file.
    first->MakeActive();
    pick();
    fresh->MakeActive();
    EXPECT_EQ(hits.state, 1);
    EXPECT_EQ(app.activeDocumentPath, first->PathName());

    // Picking in a second document empties the first one's picks.
    auto second = std::make_unique<CKorvaldeDoc>(&app);
    ASSERT_TRUE(second->OnOpenDocument(folder.Input("pin.wrl"), prompt));
    first->MakeActive();
    pick();
    second->MakeActive();
    EXPECT_EQ(hits.state, 0);
    EXPECT_EQ(app.activeDocumentPath, second->PathName());
    pick();
    second->MakeActive();
    EXPECT_EQ(hits.state, 1) << "the active document keeps its picks";

    // Closing a document that is not the active one leaves the picks.
    first.reset();
    EXPECT_EQ(hits.state, 1);
    // Closing the active one empties them.
    second.reset();
    EXPECT_EQ(hits.state, 0);
}

TEST_F(ShellDocument, StructureTitleCountsPointsAndTriangles) {
    CKorvaldeDoc doc;
    doc.Scene().pointCount = 11;
    doc.Scene().coordIndexCount = 8;
    EXPECT_EQ(doc.StructureTitle(), QStringLiteral(" Total Point  3 ,Total Triangle Surface  2 "));
}

TEST_F(ShellMainFrame, MenusToolBarAndCommandLine) {
    ASSERT_TRUE(Start(true));
    CMainFrame* frame = app.MainFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Vantor3D"));
    ASSERT_EQ(frame->Children().size(), 1) << "no file given: one new document";
    EXPECT_EQ(frame->Children()[0]->Document()->PathName(),
              QStringLiteral("Default Default Default"));

    // The disabled entry.
    frame->UpdateCommandStates();
    EXPECT_FALSE(frame->Action(cmd::kSaveHiddenToo)->isEnabled());
    EXPECT_TRUE(frame->Action(cmd::kSaveAllData)->isEnabled());

    // Opening files: a second open of the same file shows the same document,
    // and the recently-used list keeps four.
    CKorvaldeDoc* plate = frame->OpenDocumentFile(folder.Input("plate.wrl"));
    ASSERT_NE(plate, nullptr);
    EXPECT_EQ(frame->OpenDocumentFile(folder.Input("plate.wrl")), plate);
    EXPECT_EQ(frame->ActiveDocument(), plate);
    EXPECT_EQ(frame->RecentFiles().front(), plate->PathName());
    ASSERT_FALSE(frame->MeasureDock()->Rows().isEmpty()) << "the panel follows the active view";
    EXPECT_TRUE(frame->MeasureDock()->TabText().startsWith(QStringLiteral("選択\n種類\tn/a\n")))
        << "nothing picked yet; tab-separated lines for the clipboard";
    for (const char* name : {"a.wrl", "b.wrl", "c.wrl", "d.wrl"})
        QFile::copy(folder.Input("pin.wrl"), folder.Temp(name));
    for (const char* name : {"a.wrl", "b.wrl", "c.wrl", "d.wrl"})
        frame->OpenDocumentFile(folder.Temp(name));
    EXPECT_EQ(frame->RecentFiles().size(), 4);
    EXPECT_EQ(QFileInfo(frame->RecentFiles().front()).fileName(), QStringLiteral("d.wrl"));
    EXPECT_FALSE(frame->RecentFiles().contains(plate->PathName()));

    // Windows open inside the work area: the first fills it, later ones
    // cascade within it.
    QCoreApplication::processEvents();
    const QRect area = frame->MdiArea()->viewport()->rect();
    EXPECT_GT(area.width(), 400) << "the main window is shown";
    const QList<CChildFrame*> children = frame->Children();
    EXPECT_EQ(children[0]->geometry(), area) << "the first fills it";
    for (CChildFrame* child : children) {
        EXPECT_TRUE(area.contains(child->geometry())) << child->windowTitle().toStdString();
        EXPECT_GE(child->width(), area.width() / 2);
    }
    EXPECT_NE(children[1]->pos(), children[2]->pos()) << "cascaded";

    // Dropped paths: only model files (any case) count.
    const QStringList dropped =
        CMainFrame::ModelPathsOf({QUrl::fromLocalFile("/m/a.wrl"), QUrl::fromLocalFile("/m/b.WRL"),
                                  QUrl::fromLocalFile("/m/c.txt"), QUrl::fromLocalFile("/m/d.STL"),
                                  QUrl(QStringLiteral("http://x/y.wrl"))});
    EXPECT_EQ(dropped, (QStringList{"/m/a.wrl", "/m/b.WRL", "/m/d.STL"}));

    // A dropped .wrl file opens; other files are ignored.
    const QString droppedFile = folder.Temp("dropped.wrl");
    QFile::copy(folder.Input("plate.wrl"), droppedFile);
    const int before = int(frame->Children().size());
    EXPECT_EQ(frame->OpenDroppedFiles(
                  {QUrl::fromLocalFile(droppedFile), QUrl::fromLocalFile(folder.Temp("x.txt"))}),
              1);
    EXPECT_EQ(frame->Children().size(), before + 1);
    EXPECT_EQ(frame->ActiveDocument()->PathName(), QFileInfo(droppedFile).absoluteFilePath());

    // The Data Structure entry is checked while the window exists.
    frame->RunCommand(cmd::kDataStructure);
    EXPECT_TRUE(frame->Action(cmd::kDataStructure)->isChecked());
    EXPECT_TRUE(frame->ActiveDocument()->structureWindow);
    frame->RunCommand(cmd::kDataStructure);
    EXPECT_FALSE(frame->Action(cmd::kDataStructure)->isChecked());

    // The measurement panel: shown at first, hidden from the view menu for
    // this and later runs.
    frame->UpdateCommandStates();
    EXPECT_TRUE(frame->Action(cmd::kMeasurePanel)->isChecked());
    frame->RunCommand(cmd::kMeasurePanel);
    EXPECT_FALSE(frame->Action(cmd::kMeasurePanel)->isChecked());
    EXPECT_FALSE(folder.Setting("MeasurePanel/shown").toBool());

    // Settings commands through the menu reach the application.
    const size_t shownBefore = prompt.shown.size();
    frame->RunCommand(cmd::kShowConfig);
    ASSERT_EQ(prompt.shown.size(), shownBefore + 1);
    EXPECT_EQ(prompt.shown.back().caption, "Config File Name");
}

TEST_F(ShellMainFrame, CommandLineFileOpensThatFile) {
    ASSERT_TRUE(Start(true, {folder.Input("plate.wrl")}));
    ASSERT_EQ(app.MainFrame()->Children().size(), 1);
    CKorvaldeDoc* doc = app.MainFrame()->ActiveDocument();
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->PathName(), QFileInfo(folder.Input("plate.wrl")).absoluteFilePath());
    EXPECT_EQ(doc->Scene().fileCount, 1);
    EXPECT_EQ(app.MainFrame()->Children()[0]->windowTitle(), QStringLiteral("plate.wrl"));
}

TEST_F(ShellMainFrame, VanishedRecentFileLeavesTheList) {
    const QString gone = folder.Temp("gone.wrl");
    {
        KorvaldeSettings settings;
        WriteRecentFiles(settings, {gone, folder.Input("plate.wrl")});
    }
    ASSERT_TRUE(Start(true));
    CMainFrame* frame = app.MainFrame();
    ASSERT_EQ(frame->RecentFiles().size(), 2);
    frame->RunCommand(cmd::kRecentFile1);
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].caption, "Caution");
    EXPECT_EQ(frame->RecentFiles(), QStringList{folder.Input("plate.wrl")});
    EXPECT_EQ(frame->Children().size(), 1) << "only the start's new document";
}

TEST_F(ShellMainFrame, HitTableEndsShowInTheStatusBar) {
    ASSERT_TRUE(Start(true));
    EXPECT_FALSE(app.Hits().MoveNext());
    EXPECT_EQ(app.MainFrame()->MessageText(), QStringLiteral("最後のデータです。"));
    EXPECT_FALSE(app.Hits().MovePrevious());
    EXPECT_EQ(app.MainFrame()->MessageText(), QStringLiteral("最初のデータです。"));
    emit app.StatusText(QStringLiteral(" Node Point X,Y,Z = 1.000 ,2.000 ,3.000 ,"));
    EXPECT_EQ(app.MainFrame()->MessageText(),
              QStringLiteral(" Node Point X,Y,Z = 1.000 ,2.000 ,3.000 ,"));
    // A menu item's status tip shows while hovered; then the message returns.
    QStatusTipEvent hovered(QStringLiteral("Zoom In")), left((QString()));
    QCoreApplication::sendEvent(app.MainFrame(), &hovered);
    EXPECT_EQ(app.MainFrame()->MessageText(), QStringLiteral("Zoom In"));
    QCoreApplication::sendEvent(app.MainFrame(), &left);
    EXPECT_EQ(app.MainFrame()->MessageText(),
              QStringLiteral(" Node Point X,Y,Z = 1.000 ,2.000 ,3.000 ,"));
}

// Without OpenGL the document still opens in a window with a placeholder
// instead of a view that would crash; the user is told once.
TEST_F(ShellMainFrame, WithoutOpenGLFilesOpenWithoutAViewAndTheUserIsToldOnce) {
    ASSERT_TRUE(Start(true));
    const auto saved = CChildFrame::openGLAvailable;
    CChildFrame::openGLAvailable = [] { return false; };

    const size_t before = prompt.shown.size();
    for (int i = 0; i < 2; ++i) {
        auto* doc = new CKorvaldeDoc(&app);
        ASSERT_TRUE(doc->OnOpenDocument(folder.Input("plate.wrl"), prompt));
        auto* child = new CChildFrame(doc);
        EXPECT_EQ(child->View(), nullptr);
        EXPECT_NE(qobject_cast<QLabel*>(child->widget()), nullptr);
        EXPECT_EQ(doc->Scene().fileCount, 1);
        delete child;
    }
    ASSERT_EQ(prompt.shown.size(), before + 1) << "told once";
    EXPECT_EQ(prompt.shown.back().caption, "Error");
    EXPECT_EQ(prompt.shown.back().icon, vantor::PromptIcon::Exclamation);
    CChildFrame::openGLAvailable = saved;
}

}  // namespace
