#include "app/korvalde_app.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <cmath>

#include "app/main_frame.h"
#include "app/single_instance_lock.h"
#include "app/sound.h"
#include "app/splash_window.h"
#include "bindings/config_reader.h"
#include "commands/command_ids.h"
#include "context/settings_store.h"
#include "doc/korvalde_doc.h"
#include "qt_prompt.h"

namespace vantor {

namespace {

constexpr const char* kDefault = "Default";

void Warn(Prompt& prompt, const QString& text, const char* caption) {
    prompt.ShowMessage(text.toStdString(), caption, PromptButtons::Ok, PromptIcon::Exclamation);
}

QString WithSlash(QString folder) {
    if (!folder.endsWith(u'/')) folder += u'/';
    return folder;
}

}  // namespace

CKorvaldeApp::CKorvaldeApp(QObject* parent)
    : QObject(parent), ownPrompt_(std::make_unique<QtPrompt>()) {
    prompt_ = ownPrompt_.get();
    activeDocumentPath = kNoDocumentPath;
}

CKorvaldeApp::~CKorvaldeApp() {
    ExitInstance();
}

CMainFrame* CKorvaldeApp::MainFrame() const {
    return static_cast<CMainFrame*>(mainFrame_.data());
}

void CKorvaldeApp::TakeOverHits(const QString& path) {
    activeDocumentPath = path;
    if (hitTable_.IsOpen()) hitTable_.DeleteAll();
}

CKorvaldeApp::Options CKorvaldeApp::ParseCommandLine(const QStringList& arguments) {
    Options options;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QStringLiteral("--no-splash"))
            options.splash = false;
        else if (argument == QStringLiteral("--no-sound"))
            options.sound = false;
        else if (!argument.startsWith(QStringLiteral("--")))
            options.files << argument;
    }
    return options;
}

bool CKorvaldeApp::InitInstance(const Options& options, Prompt& prompt) {
    prompt_ = &prompt;

    // The install folder holds the read-only files; the writable ones go
    // beside them when the folder is writable, else to the per-user folder.
    const QString program = options.programPath.isEmpty() ? QCoreApplication::applicationFilePath()
                                                          : options.programPath;
    installFolder = WithSlash(QFileInfo(program).absolutePath());
    if (!options.dataFolderOverride.isEmpty()) {
        dataFolder = WithSlash(options.dataFolderOverride);
    } else if (QFileInfo(installFolder).isWritable()) {
        dataFolder = installFolder;
    } else {
        dataFolder =
            WithSlash(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation));
    }
    QDir().mkpath(dataFolder);
    readingLogPath = dataFolder + QStringLiteral("data_reading.log");
    databasePath = dataFolder + QStringLiteral("korvalde.db");
    templatePath = installFolder + QStringLiteral("tessmaran.db");

    if (!ReadInstallPath(prompt)) return false;
    ReadConfigPath();
    if (!MakeWorkingDatabase(prompt)) return false;

    if (options.createWindows) {
        auto* frame = new CMainFrame(*this, *this);
        mainFrame_ = frame;
        // Views and the store report through the application's signal.
        connect(this, &CKorvaldeApp::StatusText, frame, &CMainFrame::SetMessageText);
        if (options.splash) SplashWindow::ShowSplashScreen();
        if (options.sound) PlayStartSound();
        if (options.files.isEmpty()) {
            frame->OnFileNew();
        } else {
            for (const QString& file : options.files) frame->OpenDocumentFile(file);
        }
        frame->show();
    }

    hitTable_.onError = [this](const std::string& message) {
        GetPrompt().ShowMessage(message, "Error", PromptButtons::Ok, PromptIcon::Exclamation);
    };
    hitTable_.onEndReached = [this](const std::string& text) {
        const QString shown = QCoreApplication::translate("Core", text.c_str());
        emit StatusText(shown);
        if (CMainFrame* frame = MainFrame()) frame->update();
        PlayEndBeep();
    };
    if (hitTable_.Open(databasePath.toStdString())) hitTable_.DeleteAll();

    lengthTolerance = 2.5e-7f;
    angleTolerance = float(std::sin(4.0 * std::atan(1.0) / 900.0));

    LoadBindings(prompt);
    return true;
}

bool CKorvaldeApp::ReadInstallPath(Prompt& prompt) {
    KorvaldeSettings settings;
    if (settings.status() != QSettings::NoError) {
        Warn(prompt, "Error in Reg HKEY LOCAL MASHINE 01 ", "InstallPath");
        return false;
    }
    // A store without the group is a first start: write what an installer
    // would have written, so the binding file defaults to the install folder.
    const bool firstStart = !settings.contains(QString::fromLatin1(kInstallPathKey)) &&
                            !settings.contains(QString::fromLatin1(kConfigKey));
    QString installPath = settings.value(QString::fromLatin1(kInstallPathKey)).toString();
    if (installPath.size() > 1) installPath = installPath.trimmed();
    if (installPath == QLatin1String(kDefault) || firstStart) {
        settings.setValue(QString::fromLatin1(kInstallPathKey), installFolder.chopped(1));
        if (firstStart)
            settings.setValue(QString::fromLatin1(kConfigKey), QString::fromLatin1(kDefault));
        settings.sync();
        if (settings.status() != QSettings::NoError || !settings.isWritable())
            Warn(prompt, "There must be in Reg HKEY LOCAL MASHINE 03 ", "InstallPath");
    }
    return true;
}

void CKorvaldeApp::ReadConfigPath() {
    KorvaldeSettings settings;
    configPath = settings.value(QString::fromLatin1(kConfigKey)).toString();
    if (configPath == QLatin1String(kDefault)) {
        configPath = installFolder + QStringLiteral("Config.cfg");
        settings.setValue(QString::fromLatin1(kConfigKey), configPath);
    }
}

bool CKorvaldeApp::MakeWorkingDatabase(Prompt& prompt) {
    instanceLock_ = std::make_unique<SingleInstanceLock>();
    switch (instanceLock_->Acquire(databasePath)) {
        case SingleInstanceLock::Result::HeldByOther:
            Warn(prompt, tr("Vantor3は既に起動しています。"), "Caution");
            instanceLock_.reset();
            return false;
        case SingleInstanceLock::Result::CannotOpen:
            Warn(prompt, tr("Vantor3は既に起動している可能性があります。"), "Caution");
            instanceLock_.reset();
            return false;
        case SingleInstanceLock::Result::Locked:
            break;
    }
    // Every run starts with an empty copy of the template.
    if (!instanceLock_->CopyFrom(templatePath)) {
        Warn(prompt, tr("tessmaran.db がありません。インストールに問題があります。"), "Caution");
        instanceLock_.reset();
        return false;
    }
    return true;
}

void CKorvaldeApp::LoadBindings(Prompt& prompt) {
    bindings_.ResetBindings();
    ConfigReader reader(bindings_, prompt);
    // 0: the remembered file could not be read and the user chose another.
    if (reader.ReadConfigFile(configPath.toStdString()) == 0) {
        StoreConfigPath(QString::fromStdString(reader.path()));
        Warn(prompt, tr("最後に使用したConfigを開けません。"), "Caution");
    }
}

void CKorvaldeApp::StoreConfigPath(const QString& path) {
    configPath = path;
    KorvaldeSettings settings;
    settings.setValue(QString::fromLatin1(kConfigKey), path);
}

void CKorvaldeApp::PlayStartSound() const {
    const QString sound = installFolder + QStringLiteral("open.wav");
    // Without a player the start is silent.
    if (QFileInfo::exists(sound)) PlaySoundFile(sound);
}

void CKorvaldeApp::ExitInstance() {
    // Documents take over the hit table when they close, so the windows go
    // while the application and its store still exist.
    delete mainFrame_.data();
    mainFrame_ = nullptr;
    hitTable_.Close();
    if (instanceLock_) instanceLock_->Release();
    instanceLock_.reset();
}

bool CKorvaldeApp::OnCommand(int id) {
    switch (id) {
        case cmd::kShowConfig:
            OnShowConfig();
            return true;
        case cmd::kLoadConfig:
            OnLoadConfig();
            return true;
        case cmd::kEditConfig:
            OnEditConfig();
            return true;
        case cmd::kHelp:
            OnHelp();
            return true;
        default:
            return false;
    }
}

void CKorvaldeApp::OnShowConfig() {
    GetPrompt().ShowMessage(configPath.toStdString(), "Config File Name", PromptButtons::Ok,
                            PromptIcon::None);
}

void CKorvaldeApp::OnLoadConfig() {
    ConfigReader reader(bindings_, GetPrompt());
    reader.ReadConfigFile(std::string());
    // Giving up in the dialog keeps the file in use (its bindings are still
    // loaded) instead of forgetting it.
    if (reader.path() != kDefault) StoreConfigPath(QString::fromStdString(reader.path()));
}

QString CKorvaldeApp::SetupToolPath() const {
    return installFolder + QStringLiteral("tessmaran");
}

bool CKorvaldeApp::OnEditConfig() {
    // The path goes as one argument, blanks and all; a failed start is silent.
    return QProcess::startDetached(SetupToolPath(), SetupToolArguments(), installFolder);
}

void CKorvaldeApp::OnHelp() {
    GetPrompt().ShowMessage("From Windows Menu ,Please Select Help .\r\n Then read the pdf file .",
                            "Please look help.pdf", PromptButtons::Ok, PromptIcon::Information);
}

}  // namespace vantor
