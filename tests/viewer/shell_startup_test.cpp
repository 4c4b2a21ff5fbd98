#include <gtest/gtest.h>

#include <unistd.h>

#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <functional>

#include "app/korvalde_app.h"
#include "app/main_frame.h"
#include "app/splash_window.h"
#include "language.h"
#include "prompt/translate.h"
#include "shell_fixture.h"

using vantor::CKorvaldeApp;
using vantor::kConfigKey;
using vantor::kInstallPathKey;
using vantor::KorvaldeSettings;
using vantor::ScriptedPrompt;
using vantor::SplashWindow;

namespace {

class ShellStartup : public ShellTest {};

TEST_F(ShellStartup, FirstStartWritesDefaultsAndMakesTheWorkingDatabase) {
    ASSERT_TRUE(Start());
    EXPECT_TRUE(prompt.shown.empty());

    EXPECT_EQ(app.installFolder, folder.install);
    EXPECT_EQ(app.readingLogPath, folder.install + "data_reading.log") << "writable install folder";
    EXPECT_EQ(folder.Setting(kInstallPathKey).toString(), folder.install.chopped(1));
    EXPECT_EQ(folder.Setting(kConfigKey).toString(), folder.install + "Config.cfg");
    EXPECT_EQ(app.configPath, folder.install + "Config.cfg");
    EXPECT_TRUE(QFileInfo::exists(folder.install + "korvalde.db"));
    EXPECT_TRUE(app.Hits().IsOpen());
    EXPECT_EQ(app.Hits().state, 0);
    EXPECT_EQ(app.activeDocumentPath, QStringLiteral("Default Default Default"));
}

// Makes a folder read-only while it lives; for root, whom permissions do
// not stop, with the immutable attribute as well.
class ReadOnlyFolder {
  public:
    explicit ReadOnlyFolder(const QString& path) : path_(path) {
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
        if (::geteuid() == 0) QProcess::execute(QStringLiteral("chattr"), {"+i", path});
    }
    ~ReadOnlyFolder() {
        if (::geteuid() == 0) QProcess::execute(QStringLiteral("chattr"), {"-i", path_});
        QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

  private:
    QString path_;
};

TEST_F(ShellStartup, ReadOnlyInstallFolderKeepsTheWritableFilesPerUser) {
    ReadOnlyFolder readOnly(folder.install);
    ASSERT_FALSE(QFileInfo(folder.install).isWritable());
    ASSERT_TRUE(Start());
    EXPECT_TRUE(prompt.shown.empty());
    const QString perUser =
        QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + u'/';
    EXPECT_EQ(app.readingLogPath, perUser + "data_reading.log");
    EXPECT_EQ(app.databasePath, perUser + "korvalde.db");
    EXPECT_TRUE(QFileInfo::exists(app.databasePath));
    EXPECT_TRUE(app.Hits().IsOpen());
    EXPECT_EQ(app.configPath, folder.install + "Config.cfg") << "read from the install folder";
}

TEST_F(ShellStartup, LanguageFromTheSettingElseTheLocaleAndEnglishTexts) {
    const struct {
        const char* locale;
        const char* saved;  // nullptr: no choice saved
        const char* expected;
    } cases[] = {{"ja_JP.UTF-8", nullptr, "ja"}, {"en_US.UTF-8", nullptr, "en"},
                 {"C", nullptr, "en"},           {"en_US.UTF-8", "ja", "ja"},
                 {"ja_JP.UTF-8", "en", "en"},    {"ja_JP.UTF-8", "xx", "ja"}};
    for (const auto& c : cases) {
        qputenv("LC_ALL", c.locale);
        KorvaldeSettings settings;
        if (c.saved)
            vantor::SaveLanguage(settings, QString::fromLatin1(c.saved));
        else
            settings.remove(QLatin1String(vantor::kLanguageKey));
        EXPECT_EQ(vantor::ChosenLanguage(settings), QLatin1String(c.expected)) << c.locale;
    }

    ASSERT_TRUE(vantor::InstallTranslations(QStringLiteral("korvalde"), QStringLiteral("en")));
    ASSERT_TRUE(Start(true));
    const QList<QAction*> menus = app.MainFrame()->menuBar()->actions();
    ASSERT_FALSE(menus.isEmpty());
    EXPECT_EQ(menus.first()->text(), QStringLiteral("&File"));
    EXPECT_EQ(menus.last()->text(), QStringLiteral("&Help"));
    // Each menu entry has its own command: two sharing an id would show
    // one action twice.
    QList<QAction*> entries;
    std::function<void(const QList<QAction*>&)> collect = [&](const QList<QAction*>& list) {
        for (QAction* action : list) {
            if (action->menu())
                collect(action->menu()->actions());
            else if (!action->isSeparator())
                entries.append(action);
        }
    };
    collect(menus);
    for (QAction* action : entries)
        EXPECT_EQ(entries.count(action), 1) << action->text().toStdString();
    EXPECT_EQ(vantor::Translate("Core", "データは空です。"), "There is no data.");
    vantor::SetTextLookup({});
}

TEST_F(ShellStartup, WorkingDatabaseStartsEmptyEveryRun) {
    {
        CKorvaldeApp first;
        ASSERT_TRUE(first.InitInstance(folder.Options(), prompt));
        ASSERT_TRUE(first.Hits().AddRow());
        ASSERT_TRUE(first.Hits().UpdateRow());
    }
    ASSERT_TRUE(Start());
    ASSERT_TRUE(app.Hits().Requery());
    EXPECT_EQ(app.Hits().state, 0);
    EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(ShellStartup, SecondInstanceIsRefusedAndFirstKeepsWorking) {
    ASSERT_TRUE(Start());
    CKorvaldeApp& first = app;
    ASSERT_TRUE(first.Hits().AddRow());

    ScriptedPrompt secondPrompt;
    {
        CKorvaldeApp second;
        EXPECT_FALSE(second.InitInstance(folder.Options(), secondPrompt));
    }
    ASSERT_EQ(secondPrompt.shown.size(), 1u);
    EXPECT_EQ(secondPrompt.shown[0].text, "Vantor3は既に起動しています。");
    EXPECT_EQ(secondPrompt.shown[0].caption, "Caution");

    // The refused start neither replaced nor emptied the first one's database.
    first.Hits().values.lData0 = 77;
    ASSERT_TRUE(first.Hits().UpdateRow());
    ASSERT_TRUE(first.Hits().Requery());
    EXPECT_EQ(first.Hits().state, 1);
    EXPECT_EQ(first.Hits().values.lData0, 77);
    EXPECT_TRUE(prompt.shown.empty());

    // Once the first has ended, a new start succeeds.
    first.ExitInstance();
    CKorvaldeApp third;
    ScriptedPrompt thirdPrompt;
    EXPECT_TRUE(third.InitInstance(folder.Options(), thirdPrompt));
}

TEST_F(ShellStartup, MissingTemplateEndsStart) {
    ASSERT_TRUE(QFile::remove(folder.install + "tessmaran.db"));
    EXPECT_FALSE(Start());
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, "tessmaran.db がありません。インストールに問題があります。");
    EXPECT_EQ(prompt.shown[0].caption, "Caution");
    EXPECT_FALSE(app.Hits().IsOpen());
}

TEST_F(ShellStartup, ConfigValueDefaultBecomesTheInstallFoldersFile) {
    folder.SetSetting(kInstallPathKey, QStringLiteral("/opt/elsewhere"));
    folder.SetSetting(kConfigKey, QStringLiteral("Default"));
    ASSERT_TRUE(Start());
    EXPECT_EQ(app.configPath, folder.install + "Config.cfg");
    EXPECT_EQ(folder.Setting(kConfigKey).toString(), folder.install + "Config.cfg");
    EXPECT_EQ(folder.Setting(kInstallPathKey).toString(), QStringLiteral("/opt/elsewhere"))
        << "an install path other than Default is left alone";
    EXPECT_TRUE(prompt.shown.empty());
    EXPECT_TRUE(prompt.fileQuestions.empty()) << "no file dialog";
}

TEST_F(ShellStartup, AbsentConfigValueAsksForABindingFile) {
    folder.SetSetting(kInstallPathKey, QStringLiteral("Default"));

    // Given up: nothing stored, no message.
    {
        ScriptedPrompt given;
        given.fileAnswers = {""};
        given.messageAnswers = {vantor::PromptAnswer::Cancel};  // stop choosing
        CKorvaldeApp first;
        ASSERT_TRUE(first.InitInstance(folder.Options(), given));
        EXPECT_EQ(given.fileQuestions.size(), 1u);
        for (const auto& shown : given.shown)
            EXPECT_NE(shown.text, "最後に使用したConfigを開けません。");
        EXPECT_FALSE(folder.Setting(kConfigKey).isValid());
        EXPECT_EQ(folder.Setting(kInstallPathKey).toString(), folder.install.chopped(1));
    }

    // Chosen: stored as the profile value, then the message.
    const QString chosen = folder.install + "Config.cfg";
    prompt.fileAnswers = {chosen.toStdString()};
    ASSERT_TRUE(Start());
    EXPECT_EQ(app.configPath, chosen);
    EXPECT_EQ(folder.Setting(kConfigKey).toString(), chosen);
    ASSERT_FALSE(prompt.shown.empty());
    EXPECT_EQ(prompt.shown.back().text, "最後に使用したConfigを開けません。");
    EXPECT_EQ(prompt.shown.back().caption, "Caution");
}

TEST_F(ShellStartup, UnreadableSettingsStoreEndsStart) {
    // A folder where the settings file should be cannot be read as one.
    QDir().mkpath(folder.SettingsFolder() + "/Norrkel/Korvalde.ini");
    EXPECT_FALSE(Start());
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, "Error in Reg HKEY LOCAL MASHINE 01 ");
    EXPECT_EQ(prompt.shown[0].caption, "InstallPath");
    EXPECT_FALSE(QFileInfo::exists(folder.install + "korvalde.db")) << "ended before the database";
}

TEST_F(ShellStartup, SettingsCommands) {
    ASSERT_TRUE(Start());

    app.OnShowConfig();
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, (folder.install + "Config.cfg").toStdString());

    // Edit: the path with its blanks is one argument; a failed start is silent.
    EXPECT_EQ(app.SetupToolPath(), folder.install + "tessmaran");
    EXPECT_EQ(app.SetupToolArguments(), QStringList{folder.install + "Config.cfg"});
    EXPECT_FALSE(app.OnEditConfig()) << "no setup tool in the test folder";
    EXPECT_EQ(prompt.shown.size(), 1u);

    // Load: giving up keeps the file in use; a chosen file is remembered.
    prompt.fileAnswers = {""};
    prompt.messageAnswers = {vantor::PromptAnswer::Cancel};
    app.OnLoadConfig();
    EXPECT_EQ(app.configPath, folder.install + "Config.cfg");
    const QString copy = folder.Temp("my bindings.cfg");
    ASSERT_TRUE(QFile::copy(folder.install + "Config.cfg", copy));
    prompt.fileAnswers = {copy.toStdString()};
    app.OnLoadConfig();
    EXPECT_EQ(app.configPath, copy);
    EXPECT_EQ(folder.Setting(kConfigKey).toString(), copy);
}

TEST_F(ShellStartup, CommandLine) {
    auto options = CKorvaldeApp::ParseCommandLine({"korvalde", "--no-splash", "/m/a b.wrl"});
    EXPECT_FALSE(options.splash);
    EXPECT_EQ(options.files, QStringList{"/m/a b.wrl"});
    options = CKorvaldeApp::ParseCommandLine({"korvalde"});
    EXPECT_TRUE(options.splash);
    EXPECT_TRUE(options.files.isEmpty());
}

TEST(ShellSplash, FirstKeyOrClickRemovesIt) {
    QPushButton button(QStringLiteral("OK"));
    button.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&button));
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, [&] { ++clicks; });

    QPointer<SplashWindow> splash = SplashWindow::ShowSplashScreen(60000);
    ASSERT_TRUE(splash);
    EXPECT_TRUE(splash->isVisible());
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::qWait(50);
    EXPECT_TRUE(!splash || !splash->isVisible());
    EXPECT_EQ(clicks, 0) << "the press that removes the splash is swallowed";
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicks, 1) << "later clicks pass";

    splash = SplashWindow::ShowSplashScreen(60000);
    QTest::keyClick(&button, Qt::Key_A);
    QTest::qWait(50);
    EXPECT_TRUE(!splash || !splash->isVisible());
}

TEST(ShellSplash, RemovesItselfAfterItsTime) {
    QPointer<SplashWindow> splash = SplashWindow::ShowSplashScreen(100);
    ASSERT_TRUE(splash);
    QTest::qWait(20);
    EXPECT_TRUE(splash && splash->isVisible());
    QTest::qWait(400);
    EXPECT_TRUE(!splash || !splash->isVisible());
}

}  // namespace
