#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <functional>

#include "dialogs/three_value_dialog.h"
#include "support/qt_window.h"

using vantor::ThreeValueDialog;
using vantor::ThreeValueRequest;
namespace {

// Runs `step` on the dialog once it is shown.
void WhenShown(std::function<void(ThreeValueDialog*)> step) {
    vantor::testing::OnNextModal<ThreeValueDialog>(step);
}

ThreeValueRequest ClipRequest() {
    ThreeValueRequest request;
    request.titleLine = QStringLiteral("視点位置とクリップ面の設定");
    request.labels[0] = QStringLiteral("NearPlane");
    request.labels[1] = QStringLiteral("視点位置");
    request.labels[2] = QStringLiteral("FarPlane");
    request.values[0] = 40;
    request.values[1] = 240.125f;
    request.values[2] = 0.1f;
    return request;
}

}  // namespace

TEST(ThreeValueDialog, ShowsTextsAndValuesOfTheRequest) {
    ThreeValueDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Set Vector")) << "default window title";

    ThreeValueRequest request = ClipRequest();
    request.windowTitle = QStringLiteral("Other");
    request.enabled[2] = false;
    dialog.SetRequest(request);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Other"));
    EXPECT_EQ(dialog.TitleLine()->text(), request.titleLine);
    EXPECT_EQ(dialog.Label(1)->text(), QStringLiteral("視点位置"));
    EXPECT_TRUE(dialog.Field(0)->isEnabled());
    EXPECT_FALSE(dialog.Field(2)->isEnabled()) << "a cleared flag disables its field";

    // Unedited fields read back exactly, 0.1f included.
    float values[3];
    ASSERT_TRUE(dialog.ReadValues(values));
    EXPECT_EQ(values[0], 40.0f);
    EXPECT_EQ(values[1], 240.125f);
    EXPECT_EQ(values[2], 0.1f);
}

TEST(ThreeValueDialog, OkStoresEditedValuesCancelLeavesThem) {
    ThreeValueRequest request = ClipRequest();
    WhenShown([](ThreeValueDialog* dialog) {
        dialog->Field(0)->setText(QStringLiteral("99"));
        dialog->reject();
    });
    EXPECT_FALSE(ThreeValueDialog::Ask(nullptr, request));
    EXPECT_EQ(request.values[0], 40.0f);

    WhenShown([](ThreeValueDialog* dialog) {
        dialog->Field(0)->setText(QStringLiteral(" 12.5 "));
        dialog->Field(2)->setText(QStringLiteral("-3e2"));
        dialog->accept();
    });
    ASSERT_TRUE(ThreeValueDialog::Ask(nullptr, request));
    EXPECT_EQ(request.values[0], 12.5f);
    EXPECT_EQ(request.values[1], 240.125f);
    EXPECT_EQ(request.values[2], -300.0f);
}

TEST(ThreeValueDialog, TextThatIsNotANumberKeepsTheDialogOpen) {
    ThreeValueRequest request = ClipRequest();
    bool stayedOpen = false;
    QString message;
    WhenShown([&](ThreeValueDialog* dialog) {
        stayedOpen = true;
        for (const char* refused : {"12abc", "nan", "1e60"}) {
            dialog->Field(1)->setText(QString::fromLatin1(refused));
            dialog->accept();
            stayedOpen = stayedOpen && dialog->isVisible();
            if (message.isEmpty()) message = dialog->ErrorLine()->text();
        }
        dialog->Field(1)->setText(QStringLiteral("7"));
        dialog->accept();
    });
    ASSERT_TRUE(ThreeValueDialog::Ask(nullptr, request));
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(message.contains(QStringLiteral("視点位置"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("not a number"))) << message.toStdString();
    EXPECT_EQ(request.values[1], 7.0f);
}
