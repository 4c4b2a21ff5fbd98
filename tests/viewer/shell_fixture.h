#pragma once
// A throw-away install folder (template database, Config.cfg, models) and
// per-user settings for driving the viewer's start-up in tests.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>

#include "app/korvalde_app.h"
#include "context/settings_store.h"
#include "hits/hit_table.h"
#include "prompt/prompt.h"
#include "support/scratch_folder.h"

class ShellFolder {
  public:
    ShellFolder() {
        install = dir_.path() + QStringLiteral("/install folder/");
        QDir().mkpath(install);
        QDir().mkpath(SettingsFolder());
        // Every test gets its own settings file.
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, SettingsFolder());
        std::string error;
        vantor::HitTable::CreateSchema(
            (install + "tessmaran.db").toStdString(),
            vantor::testing::ReadText(VANTOR_SOURCE_DIR "/data/hit_table.sql"), error);
        QFile::copy(QStringLiteral(VANTOR_SOURCE_DIR "/data/Config.cfg"), install + "Config.cfg");
    }

    QString SettingsFolder() const { return dir_.path() + QStringLiteral("/settings"); }
    QString Input(const char* name) const {
        return QStringLiteral(VANTOR_TEST_INPUTS "/shell/") + QString::fromLatin1(name);
    }
    QString Temp(const QString& name) const { return dir_.path() + u'/' + name; }

    // Options for a start on this folder without windows, splash or sound.
    vantor::CKorvaldeApp::Options Options(bool windows = false) const {
        vantor::CKorvaldeApp::Options options;
        options.programPath = install + QStringLiteral("korvalde");
        options.splash = false;
        options.sound = false;
        options.createWindows = windows;
        return options;
    }

    void SetSetting(const char* key, const QString& value) {
        vantor::KorvaldeSettings settings;
        settings.setValue(QString::fromLatin1(key), value);
    }
    QVariant Setting(const char* key) const {
        vantor::KorvaldeSettings settings;
        return settings.value(QString::fromLatin1(key));
    }

    QString install;

  private:
    QTemporaryDir dir_;
};

// A test on a fresh ShellFolder: Start() starts the viewer on it, and the
// main window, if one was made, is closed at the end.
class ShellTest : public ::testing::Test {
  protected:
    ~ShellTest() override {
        if (app.MainFrame()) app.MainFrame()->close();
    }
    bool Start(bool windows = false, const QStringList& files = {}) {
        vantor::CKorvaldeApp::Options options = folder.Options(windows);
        options.files = files;
        return app.InitInstance(options, prompt);
    }

    ShellFolder folder;
    vantor::ScriptedPrompt prompt;
    vantor::CKorvaldeApp app;
};
