// Saving and opening binding files, the start-up with a command line, and
// the chain to the viewer's reader.

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>

#include "bindings/binding_table.h"
#include "bindings/config_reader.h"
#include "frm_main.h"
#include "frm_select_key_command.h"
#include "keyboard_panel.h"
#include "mouse_rows_panel.h"
#include "prompt/prompt.h"
#include "setup_shared.h"
#include "setup_test_support.h"
#include "startup.h"
#include "system_info.h"

namespace vantor {
namespace {

const QString kInputs = QStringLiteral(VANTOR_TEST_INPUTS "/setup/");

// Splits CR LF text into lines.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

TEST(ConfigFile, SavingTwiceDiffersOnlyInTheDateLine) {
    test::ScriptedSetupPrompt prompt;
    test::ScratchFolder folder;
    frmMain window;
    window.SetDateSource([] { return ConfigDate{2001, 12, 5}; });
    prompt.fileAnswers = {folder.Path("a.cfg"), folder.Path("b.cfg"), QString()};
    window.mnuFileSave_Click();
    window.SetDateSource([] { return ConfigDate{2026, 1, 30}; });
    window.mnuFileSave_Click();
    window.mnuFileSave_Click();  // cancelled

    EXPECT_EQ(prompt.dialogTitles.front(), QStringLiteral("データを保存"));
    EXPECT_EQ(prompt.filters.front(),
              QStringLiteral("設定 (*.cfg)|*.cfg|Text(*.txt)|*.txt|All(*.*)|*.*"));
    const auto first = Lines(test::ReadWholeFile(folder.Path("a.cfg")));
    const auto second = Lines(test::ReadWholeFile(folder.Path("b.cfg")));
    ASSERT_EQ(first.size(), second.size());
    ASSERT_GT(first.size(), 3u);
    EXPECT_EQ(first[2], "# Date #2001/12/5# ##");
    EXPECT_EQ(second[2], "# Date #2026/1/30# ##");
    for (size_t i = 0; i < first.size(); ++i) {
        if (i == 2) continue;
        EXPECT_EQ(first[i], second[i]) << "line " << i;
    }
    EXPECT_EQ(window.RichTextBox1()->toPlainText().split(u'\n').at(2),
              QStringLiteral("# Date #2026/1/30# ##"))
        << "the pane shows what was saved";
    EXPECT_TRUE(prompt.shown.empty());
}

TEST(ConfigFile, OpeningAToolWrittenFileAndSavingAgainReproducesIt) {
    // The input holds every kind of entry the tool writes, including a
    // key name with its trailing blank and a key held by two mouse rows.
    const QString input = kInputs + QStringLiteral("every_section.cfg");
    const std::string original = test::ReadWholeFile(input);
    ASSERT_FALSE(original.empty());

    test::ScriptedSetupPrompt prompt;
    test::ScratchFolder folder;
    frmMain window;
    window.SetDateSource([] { return ConfigDate{2026, 12, 6}; });
    prompt.fileAnswers = {input, folder.Path("again.cfg")};
    window.mnuFileOpen_Click();
    EXPECT_EQ(prompt.dialogTitles.front(), QStringLiteral("データの選択"));
    EXPECT_EQ(window.StatusPanel1()->text(), input);
    EXPECT_EQ(window.Keyboard()->KeyCaption(56), QStringLiteral("前のデータ"))
        << "VK_MULTIPLY with its blank is found again";
    EXPECT_TRUE(window.MouseRows()->chkMouseMove(1)->isChecked());
    EXPECT_EQ(window.MouseRows()->lblMouseMoveKey(1)->text(), QStringLiteral("Ctrl"));
    EXPECT_TRUE(window.RichTextBox1()->toPlainText().startsWith(QStringLiteral("#VRML V1.0")));

    window.mnuFileSave_Click();
    EXPECT_EQ(test::ReadWholeFile(folder.Path("again.cfg")), original);
    EXPECT_TRUE(prompt.shown.empty());
}

TEST(ConfigFile, ForeignEntriesAndBadButtonsAreDroppedOnOpening) {
    test::ScriptedSetupPrompt prompt;
    frmMain window;
    window.SetDataName(kInputs + QStringLiteral("foreign_entries_and_a_bad_button.cfg"));
    ASSERT_TRUE(window.OpenData());
    // What is dropped and what is written again is the binding model's test;
    // here that the window shows it.
    EXPECT_EQ(window.MouseRows()->ButtonCaption(0), QStringLiteral("Error"));
    EXPECT_EQ(window.Keyboard()->KeyCaption('M' - 'A'), QStringLiteral("M"));
    EXPECT_EQ(window.Keyboard()->KeyCaption('T' - 'A'), QStringLiteral("トップ"));
}

TEST(ConfigFile, FailedSaveIsReportedAndWritesNothing) {
    test::ScriptedSetupPrompt prompt;
    test::ScratchFolder folder;
    ASSERT_TRUE(QDir().mkpath(folder.Path("taken.cfg")));
    frmMain window;
    prompt.fileAnswers = {folder.Path("taken.cfg"), folder.Path("missing/x.cfg")};
    window.mnuFileSave_Click();
    window.mnuFileSave_Click();
    ASSERT_EQ(prompt.shown.size(), 2u);
    for (const test::ShownBox& box : prompt.shown) {
        EXPECT_EQ(box.text, QStringLiteral("他のアプリケーションがファイルを使用しています。"));
        EXPECT_EQ(box.title, QStringLiteral("コピー不可"));
    }
    EXPECT_TRUE(QFileInfo(folder.Path("taken.cfg")).isDir());
    EXPECT_FALSE(QFileInfo::exists(folder.Path("missing")));
    EXPECT_TRUE(QDir(folder.Path("")).entryList(QDir::Files).isEmpty()) << "no stray temp file";
}

TEST(StartUp, CommandLineIsOneFileNameAndAnUnreadableOneOpensAnEmptyEditor) {
    test::ScriptedSetupPrompt prompt;
    test::ScratchFolder folder;
    ASSERT_TRUE(QDir().mkpath(folder.Path("with blank")));
    ASSERT_TRUE(QFile::copy(kInputs + QStringLiteral("every_section.cfg"),
                            folder.Path("with blank/Config.cfg")));
    const QStringList split = folder.Path("with blank/Config.cfg").split(u' ');
    ASSERT_EQ(split.size(), 2);
    {
        auto window = CreateMainWindow(split);
        EXPECT_EQ(window->DataName(), folder.Path("with blank/Config.cfg"));
        EXPECT_EQ(window->StatusPanel1()->text(), window->DataName());
        EXPECT_EQ(window->GetHideState(), hide_state::Shown);
        EXPECT_EQ(window->Keyboard()->KeyCaption(56), QStringLiteral("前のデータ"));
        EXPECT_TRUE(prompt.shown.empty());
    }
    {
        auto window = CreateMainWindow({folder.Path("nowhere.cfg")});
        ASSERT_EQ(prompt.shown.size(), 1u);
        EXPECT_TRUE(prompt.shown[0].text.contains(folder.Path("nowhere.cfg")));
        EXPECT_EQ(prompt.shown[0].title, QStringLiteral("注意"));
        EXPECT_TRUE(window->RichTextBox1()->toPlainText().isEmpty());
        for (int i = 0; i < kKeyCount; ++i) {
            EXPECT_EQ(window->Bindings().KeyOwner(i), key_owner::Free) << "key " << i;
        }
    }
    {
        auto window = CreateMainWindow({});
        EXPECT_TRUE(window->DataName().isEmpty());
        EXPECT_EQ(prompt.shown.size(), 1u) << "nothing to read, nothing to report";
    }
}

TEST(StartUp, RunEndsOnOkStoresThePlaceAndWarnsWhenClosedOtherwise) {
    test::ScriptedSetupPrompt prompt;
    QSettings settings(QString::fromLatin1(kSettingsOrganisation),
                       QString::fromLatin1(kSettingsApplication));
    settings.remove(QStringLiteral("Settings"));

    QTimer::singleShot(100, [] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* window = qobject_cast<frmMain*>(widget); window && window->isVisible()) {
                window->move(40, 30);
                window->resize(1150, 800);
                QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cmdOK")),
                                  Qt::LeftButton);
            }
        }
    });
    EXPECT_EQ(RunTessmaran({}), 0);
    EXPECT_TRUE(prompt.shown.empty());
    settings.sync();
    EXPECT_EQ(settings.value(QStringLiteral("Settings/MainWidth")).toInt(), 1150);
    EXPECT_EQ(settings.value(QStringLiteral("Settings/MainHeight")).toInt(), 800);
    EXPECT_TRUE(settings.contains(QStringLiteral("Settings/MainLeft")));
    EXPECT_TRUE(settings.contains(QStringLiteral("Settings/MainTop")));

    QTimer::singleShot(100, [] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* window = qobject_cast<frmMain*>(widget); window && window->isVisible()) {
                window->close();
            }
        }
    });
    EXPECT_EQ(RunTessmaran({}), 0);
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, QStringLiteral("Error about DoCloseingManagement"));
    EXPECT_EQ(prompt.shown[0].title, QStringLiteral("Check"));
}

TEST(ConfigFile, ViewerReadsWhatTheToolSaved) {
    test::ScriptedSetupPrompt setupPrompt;
    test::ScratchFolder folder;
    frmMain window;
    // The viewer's current file, opened as the viewer starts the tool.
    ASSERT_TRUE(
        QFile::copy(kInputs + QStringLiteral("every_section.cfg"), folder.Path("Config.cfg")));
    window.SetDataName(folder.Path("Config.cfg"));
    ASSERT_TRUE(window.OpenData());
    // The user moves "トップ" from nothing onto F8 and saves over the file.
    window.SSTab1()->setCurrentIndex(1);
    test::OnNextModal<frmSelectKeyCommand>([](frmSelectKeyCommand* dialog) {
        dialog->cmbCommand()->setCurrentIndex(dialog->cmbCommand()->findText("トップ"));
        QTest::mouseClick(dialog->cmdOK(), Qt::LeftButton);
    });
    window.cmdKey_Click(43);
    setupPrompt.fileAnswers = {folder.Path("Config.cfg")};
    window.mnuFileSave_Click();

    BindingTable table;
    ScriptedPrompt viewerPrompt;
    ConfigReader reader(table, viewerPrompt);
    EXPECT_EQ(reader.ReadConfigFile(folder.Path("Config.cfg").toStdString()), 1);
    EXPECT_TRUE(viewerPrompt.shown.empty());
    EXPECT_EQ(table.CommandForKey(119), 1032) << "F8: KEY_VIEW_TOP";
    EXPECT_EQ(table.CommandForKey(106), 2) << "multiply: KEY_DATA_PREVIOUS";
    EXPECT_EQ(table.MouseButton(MouseAction::Spin), 100002);
    EXPECT_EQ(table.ModifierKey(MouseAction::MoveXY), 17);
    EXPECT_EQ(table.ModifierKey(MouseAction::Zoom0), 17);
}

TEST(AboutBox, SystemDetails) {
    const QString info = GatherSystemInfo();
    EXPECT_TRUE(info.contains(QStringLiteral("Qt: ") + QString::fromLatin1(qVersion())));
    EXPECT_TRUE(info.contains(QStringLiteral("OS: ")));
    EXPECT_TRUE(info.contains(QStringLiteral("OpenGL")));
}

}  // namespace
}  // namespace vantor
