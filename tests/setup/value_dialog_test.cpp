// Numeric checks and the value dialog.

#include <gtest/gtest.h>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "detail_panel.h"
#include "frm_edit_dlg.h"
#include "language.h"
#include "module_string.h"
#include "setup_shared.h"
#include "setup_test_support.h"

namespace vantor {
namespace {

using ModuleString::CheckNumber;
using ModuleString::NumberKind;

const QString kNoData = QStringLiteral("データがありません");
const QString kNotDigits = QStringLiteral("データに数字以外の文字があります");
const QString kTwoPoints = QStringLiteral("データに小数点が複数あります");
const QString kRange = QStringLiteral("データの範囲が不正です");

TEST(ModuleString, ChecksAcceptAndRefuseAsTheDialogExpects) {
    using K = NumberKind;
    const struct {
        QString text;
        NumberKind kind;
        QString result;  // the narrowed text when accepted, else the message
        double value;
    } cases[] = {
        {"１２", K::Integer, "12", 12},  // full-width digits are narrowed first
        {".5", K::Double, "0.5", 0.5},
        {"5.", K::Double, "5.0", 5},
        {"1.2.3", K::Double, kTwoPoints, ModuleString::kFailedValue},
        {"1.5", K::Integer, kNotDigits, ModuleString::kFailedValue},  // a point is no digit
        {"40000", K::Integer, kRange, ModuleString::kFailedValue},
        {"32767", K::Integer, "32767", 32767},
        {"40000", K::Long, "40000", 40000},
        {"2147483647", K::Long, "2147483647", 2147483647},
        {"2147483648", K::Long, kRange, ModuleString::kFailedValue},
        {QString(400, u'9'), K::Double, kRange, ModuleString::kFailedValue},  // no crash
    };
    for (const auto& c : cases) {
        const auto checked = CheckNumber(c.text, c.kind);
        EXPECT_EQ(checked.ok ? checked.text : checked.message, c.result) << c.text.toStdString();
        EXPECT_EQ(checked.value, c.value) << c.text.toStdString();
    }
    for (NumberKind kind : {K::Integer, K::Long, K::Double}) {
        EXPECT_EQ(CheckNumber(QStringLiteral("-1"), kind).message, kNotDigits);
        EXPECT_EQ(CheckNumber(QStringLiteral("-1"), kind).value, ModuleString::kFailedValue);
        EXPECT_EQ(CheckNumber(QString(), kind).message, kNoData);
        EXPECT_EQ(CheckNumber(QStringLiteral("1 2"), kind).message, kNotDigits);
    }
}

TEST(ModuleString, FailedCheckShowsItsMessageAndKeepsTheFailureValue) {
    test::ScriptedSetupPrompt prompt;
    int16_t integer = 7;
    EXPECT_FALSE(ModuleString::CheckInteger(QStringLiteral("40000"), integer));
    EXPECT_EQ(integer, -9999);
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, kRange);
    EXPECT_EQ(prompt.shown[0].title, QStringLiteral("入力エラー"));
    EXPECT_EQ(prompt.shown[0].icon, PromptIcon::Exclamation);

    int32_t longValue = 0;
    EXPECT_TRUE(ModuleString::CheckLong(QStringLiteral("４００００"), longValue));
    EXPECT_EQ(longValue, 40000);
    EXPECT_EQ(prompt.shown.size(), 1u);
}

TEST(ModuleString, MessagesInEnglishOnceTranslated) {
    ASSERT_TRUE(InstallTranslations(QStringLiteral("tessmaran"), QStringLiteral("en")));
    test::ScriptedSetupPrompt prompt;
    int16_t integer = 0;
    EXPECT_FALSE(ModuleString::CheckInteger(QStringLiteral("40000"), integer));
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, QStringLiteral("The value is out of range."));
    EXPECT_EQ(prompt.shown[0].title, QStringLiteral("Input Error"));
    frmEditDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Change Value"));
}

TEST(FrmEditDlg, OkChecksByModeAndReportsThroughTheHideState) {
    test::ScriptedSetupPrompt prompt;
    frmEditDlg dialog;

    // SetText targets: labels, text box, caption; others do nothing.
    dialog.SetText(QStringLiteral("before"), 7);
    dialog.SetText(QStringLiteral("after"), 8);
    dialog.SetText(QStringLiteral("Set New Value"), 10);
    dialog.SetText(QStringLiteral("ignored"), 11);
    EXPECT_EQ(dialog.Label1()->text(), QStringLiteral("before"));
    EXPECT_EQ(dialog.Label2()->text(), QStringLiteral("after"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Set New Value"));

    dialog.SetIntegerOrLongOrDouble(QStringLiteral("Integer"));
    dialog.SetHideState(hide_state::Shown);
    dialog.SetText(QStringLiteral("40000"), 9);
    dialog.cmdOK_Click();
    EXPECT_EQ(dialog.GetHideState(), hide_state::Cancel) << "failed check";
    EXPECT_EQ(dialog.GetNewData(), frmEditDlg::NoDataText());
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, kRange);

    dialog.SetText(QStringLiteral("１２"), 9);
    dialog.cmdOK_Click();
    EXPECT_EQ(dialog.GetHideState(), hide_state::Ok);
    EXPECT_EQ(dialog.GetNewData(), QStringLiteral("12"));

    frmEditDlg wrongMode;
    wrongMode.SetIntegerOrLongOrDouble(QStringLiteral("Float"));
    wrongMode.SetText(QStringLiteral("1"), 9);
    wrongMode.cmdOK_Click();
    EXPECT_EQ(wrongMode.GetHideState(), hide_state::Cancel);
    EXPECT_EQ(prompt.shown.back().text, QStringLiteral("EditDlgのmsIntegerOrLongOrDouble設定注意"));
    EXPECT_EQ(prompt.shown.back().title, QStringLiteral("コーディングエラ－"));
}

TEST(FrmEditDlg, LockedValueAndTheWaysOfClosing) {
    test::ScriptedSetupPrompt prompt;
    {
        frmEditDlg locked;
        locked.SetIntegerOrLongOrDouble(QStringLiteral("Double"));
        locked.SetText(QStringLiteral("X12"), 5);
        locked.SetText(QStringLiteral("3"), 9);
        locked.SetHideState(hide_state::Shown);
        locked.show();
        locked.cmdOK_Click();
        EXPECT_FALSE(locked.isVisible());
        EXPECT_EQ(locked.GetHideState(), hide_state::Shown) << "not OK, yet hidden";
        EXPECT_EQ(locked.GetNewData(), frmEditDlg::NoDataText());
        ASSERT_EQ(prompt.shown.size(), 1u);
        EXPECT_EQ(prompt.shown[0].text, QStringLiteral("この値を修正することは出来ません"));
        EXPECT_EQ(prompt.shown[0].title, QStringLiteral("選択エラ－"));
    }
    {
        frmEditDlg enter;
        enter.SetIntegerOrLongOrDouble(QStringLiteral("Double"));
        enter.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&enter));
        QTest::keyClicks(enter.NewTextBox(), QStringLiteral("2.5"));
        QTest::keyClick(enter.NewTextBox(), Qt::Key_Return);
        EXPECT_EQ(enter.GetHideState(), hide_state::Ok) << "Enter in the text box is OK";
        EXPECT_EQ(enter.GetNewData(), QStringLiteral("2.5"));
        EXPECT_FALSE(enter.isVisible());
    }
    {
        frmEditDlg closed;
        closed.SetHideState(hide_state::Shown);
        closed.show();
        closed.close();
        EXPECT_EQ(closed.GetHideState(), hide_state::Cancel) << "close box";
    }
}

TEST(DetailPanel, ValueDialogChangesARowOnlyAfterAValidValue) {
    test::ScriptedSetupPrompt prompt;
    DetailPanel panel;
    EXPECT_EQ(panel.Value(0), QStringLiteral("0.001"));
    EXPECT_EQ(panel.Value(4), QStringLiteral("45"));

    // First try fails and leaves the dialog open; the second passes.
    test::OnNextModal<frmEditDlg>([](frmEditDlg* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Set New Value"));
        EXPECT_EQ(dialog->NewTextBox()->text(), QStringLiteral("45"));
        dialog->NewTextBox()->setText(QStringLiteral("4５a"));
        dialog->cmdOK_Click();
        EXPECT_TRUE(dialog->isVisible());
        dialog->NewTextBox()->setText(QStringLiteral("３０．"));
        dialog->cmdOK_Click();
    });
    panel.cmdDetail_Click(4);
    EXPECT_EQ(panel.Value(4), QStringLiteral("30.0"));
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, kNotDigits);

    test::OnNextModal<frmEditDlg>([](frmEditDlg* dialog) {
        dialog->NewTextBox()->setText(QStringLiteral("9"));
        dialog->reject();
    });
    panel.cmdDetail_Click(2);
    EXPECT_EQ(panel.Value(2), QStringLiteral("8")) << "closed without OK";
}

}  // namespace
}  // namespace vantor
