// The binding editor driven like a user: key clicks on the tabs, the
// selection dialog, the mouse rows, and the text it builds.

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPrintDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "frm_main.h"
#include "frm_select_key_command.h"
#include "keyboard_panel.h"
#include "mouse_rows_panel.h"
#include "setup_shared.h"
#include "setup_test_support.h"

namespace vantor {
namespace {

constexpr int kKeyN = 'N' - 'A';
constexpr int kKeyT = 'T' - 'A';
constexpr int kKeyShift = 65;

class BindingEditor : public ::testing::Test {
  protected:
    void SetUp() override {
        window.SetDateSource([] { return ConfigDate{2026, 12, 6}; });
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    // Clicks key `index` on tab `tab`, answering the selection dialog with
    // `caption` (empty: Cancel). Returns whether the dialog came up.
    bool ClickKey(int tab, int index, const QString& caption) {
        window.SSTab1()->setCurrentIndex(tab);
        bool seen = false;
        QPointer<QTimer> watcher = test::OnNextModal<frmSelectKeyCommand>(
            [caption](frmSelectKeyCommand* dialog) {
                if (caption.isEmpty()) {
                    QTest::mouseClick(dialog->cmdCancel(), Qt::LeftButton);
                    return;
                }
                QComboBox* list = dialog->cmbCommand();
                list->setCurrentIndex(list->findText(caption));
                QTest::mouseClick(dialog->cmdOK(), Qt::LeftButton);
            },
            &seen);
        QTest::mouseClick(window.Keyboard()->cmdKey(index), Qt::LeftButton);
        // The dialog is modal, so when the click returned without it none came.
        delete watcher;
        return seen;
    }

    void ChooseButton(int row, const QString& caption) {
        QTest::mouseClick(window.MouseRows()->optnMouseMove(row), Qt::LeftButton);
        QComboBox* combo = window.MouseRows()->cmbMouseMove(row);
        const int index = combo->findText(caption);
        ASSERT_GE(index, 0);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }

    void ClickCheck(int row) {
        QTest::mouseClick(window.MouseRows()->chkMouseMove(row), Qt::LeftButton);
    }

    std::string Text() {
        window.cmdMakeConfig_Click();
        return window.ConfigText();
    }

    test::ScriptedSetupPrompt prompt;
    frmMain window;
};

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// A 1024 x 768 screen leaves about 1000 x 700 for the window: the keyboard
// scales down and every key and button stays inside the window.
TEST_F(BindingEditor, FitsASmallScreen) {
    EXPECT_LE(window.minimumSizeHint().width(), 1000);
    EXPECT_LE(window.minimumSizeHint().height(), 700);
    window.resize(1000, 700);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_LT(window.Keyboard()->Scale(), 1.0);
    const QRect inside = window.rect();
    auto within = [&](QWidget* widget) {
        return inside.contains(QRect(widget->mapTo(&window, QPoint(0, 0)), widget->size()));
    };
    for (int key = 0; key < kKeyCount; ++key)
        EXPECT_TRUE(within(window.Keyboard()->cmdKey(key))) << "key " << key;
    for (const char* name : {"cmdOK", "cmdCancel", "cmdMakeConfig"}) {
        auto* button = window.findChild<QPushButton*>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        EXPECT_TRUE(within(button)) << name;
    }
    EXPECT_EQ(window.Keyboard()->KeyPointSize(kKeyN), 12) << "the captions' nominal size";
}

TEST_F(BindingEditor, KeyOfTheDataTabIsRefusedOnTheViewTabUntilFreed) {
    ASSERT_TRUE(ClickKey(2, kKeyN, QStringLiteral("次のデータ")));
    EXPECT_EQ(window.Keyboard()->KeyCaption(kKeyN), QStringLiteral("次のデータ"));
    EXPECT_EQ(window.Keyboard()->KeyColour(kKeyN), DataColour());
    EXPECT_EQ(window.Keyboard()->KeyPointSize(kKeyN), 9);
    EXPECT_TRUE(Contains(Text(), "DEF KEY_DATA_NEXT Info { string \"VK_N\" } \r\n"));

    EXPECT_FALSE(ClickKey(1, kKeyN, QStringLiteral("ズームイン"))) << "owned by the data tab";
    EXPECT_FALSE(ClickKey(0, kKeyN, QString())) << "nor can a mouse row take it";
    EXPECT_EQ(window.Bindings().KeyOwner(kKeyN), key_owner::Data);

    // Cancel in the dialog changes nothing; nor does Escape, which also
    // warns that the dialog was closed neither by OK nor by Cancel.
    ASSERT_TRUE(ClickKey(2, kKeyN, QString()));
    EXPECT_EQ(window.Keyboard()->KeyCaption(kKeyN), QStringLiteral("次のデータ"));
    EXPECT_TRUE(prompt.shown.empty());
    test::OnNextModal<frmSelectKeyCommand>([](frmSelectKeyCommand* dialog) {
        dialog->cmbCommand()->setCurrentIndex(1);
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    QTest::mouseClick(window.Keyboard()->cmdKey(kKeyN), Qt::LeftButton);
    EXPECT_EQ(window.Keyboard()->KeyCaption(kKeyN), QStringLiteral("次のデータ"));
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, QStringLiteral("Error about DoCloseingManagement"));
    EXPECT_EQ(prompt.shown[0].title, QStringLiteral("Check"));

    ASSERT_TRUE(ClickKey(2, kKeyN, QStringLiteral("キー不使用")));
    EXPECT_EQ(window.Keyboard()->KeyCaption(kKeyN), QStringLiteral("N"));
    EXPECT_EQ(window.Keyboard()->KeyColour(kKeyN),
              window.Keyboard()->cmdDummy()->palette().color(QPalette::Button));
    EXPECT_EQ(window.Keyboard()->KeyPointSize(kKeyN), 12);
    EXPECT_FALSE(Contains(Text(), "VK_N")) << "a freed key is written to no section";

    // Where the model writes a view key is the binding model's test.
    ASSERT_TRUE(ClickKey(1, kKeyN, QStringLiteral("ズームイン")));
    EXPECT_EQ(window.Keyboard()->KeyColour(kKeyN), ViewColour());
    EXPECT_EQ(window.Bindings().view.m_mmaKeyCommand[kKeyN].m_sCommand, "KEY_VIEW_ZOOM_IN");
}

TEST_F(BindingEditor, MouseRowsShareAHeldKeyThatKeyGroupsCannotTake) {
    ChooseButton(0, QStringLiteral("マウス左ボタン"));
    ClickCheck(0);
    EXPECT_FALSE(ClickKey(0, kKeyShift, QString()));
    EXPECT_EQ(window.MouseRows()->lblMouseMoveKey(0)->text(), QStringLiteral("Shift"));

    ChooseButton(1, QStringLiteral("マウス右ボタン"));
    ClickCheck(1);
    EXPECT_FALSE(ClickKey(0, kKeyShift, QString()));
    EXPECT_EQ(window.MouseRows()->lblMouseMoveKey(1)->text(), QStringLiteral("Shift"));
    EXPECT_EQ(window.Keyboard()->KeyColour(kKeyShift), MouseColour());
    EXPECT_EQ(window.MouseRows()->lblMouseMoveTitle(1)->palette().color(QPalette::Window),
              MouseColour());
    EXPECT_FALSE(window.MouseRows()->cmbMouseMove(0)->isEnabled()) << "only row 1 is selected";

    EXPECT_FALSE(ClickKey(1, kKeyShift, QStringLiteral("ズームイン"))) << "mouse key";
    EXPECT_FALSE(ClickKey(4, kKeyShift, QStringLiteral("部品非表示")));

    std::string text = Text();
    EXPECT_TRUE(Contains(text,
                         "DEF MOUSE_MOUSE_SPIN Info { string \"MOUSE_LEFT\" } \r\n"
                         "DEF MOUSE_KEY_SPIN Info { string \"VK_SHIFT\" } \r\n"
                         "DEF MOUSE_MOUSE_MOVE_XY Info { string \"MOUSE_RIGHT\" } \r\n"
                         "DEF MOUSE_KEY_MOVE_XY Info { string \"VK_SHIFT\" } \r\n"));

    // Unticking row 1 clears its key; the row still writes its button.
    ClickCheck(1);
    EXPECT_TRUE(window.MouseRows()->lblMouseMoveKey(1)->text().isEmpty());
    text = Text();
    EXPECT_TRUE(Contains(text, "DEF MOUSE_MOUSE_MOVE_XY Info { string \"MOUSE_RIGHT\" } \r\n"));
    EXPECT_FALSE(Contains(text, "MOUSE_KEY_MOVE_XY"));
    EXPECT_EQ(window.Bindings().KeyOwner(kKeyShift), key_owner::Mouse) << "row 0 keeps it";

    // "コマンド不使用" on row 0 clears its key and writes nothing for the row.
    ChooseButton(0, QStringLiteral("コマンド不使用"));
    EXPECT_FALSE(window.MouseRows()->chkMouseMove(0)->isChecked());
    EXPECT_TRUE(window.MouseRows()->lblMouseMoveKey(0)->text().isEmpty());
    text = Text();
    EXPECT_FALSE(Contains(text, "SPIN"));
    EXPECT_EQ(window.Bindings().KeyOwner(kKeyShift), key_owner::Free);
    EXPECT_EQ(window.Keyboard()->KeyCaption(kKeyShift), QStringLiteral("Shift"));

    // A row without a tick takes no key.
    ChooseButton(2, QStringLiteral("マウス中ボタン(ホイル)"));
    EXPECT_FALSE(ClickKey(0, kKeyT, QString()));
    EXPECT_TRUE(window.MouseRows()->lblMouseMoveKey(2)->text().isEmpty());
    EXPECT_EQ(window.Bindings().KeyOwner(kKeyT), key_owner::Free);
}

TEST_F(BindingEditor, PrintDialogCancelledPrintsNothing) {
    bool seen = false;
    test::OnNextModal<QPrintDialog>([](QPrintDialog* dialog) { dialog->reject(); }, &seen);
    window.cmdPrintForm_Click();
    EXPECT_TRUE(seen);
    EXPECT_TRUE(window.isVisible());
}

}  // namespace
}  // namespace vantor
