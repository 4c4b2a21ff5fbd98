#pragma once
// The viewer's application object: everything that lives as long as the
// process (install folder, working database and hit table, binding file
// path, tolerances) and the start-up sequence.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>

#include "bindings/binding_table.h"
#include "context/app_context.h"
#include "context/command_target.h"
#include "hits/hit_table.h"
#include "render/render_settings.h"

namespace vantor {

class CKorvaldeDoc;
class CMainFrame;
class Prompt;
class SingleInstanceLock;

class CKorvaldeApp : public QObject, public AppContext, public CommandTarget {
    Q_OBJECT
  public:
    // Switches and overrides of the start-up; tests use them to run the
    // sequence on a temporary install folder without windows or sound.
    struct Options {
        QString programPath;         // default: QCoreApplication::applicationFilePath()
        QString dataFolderOverride;  // default: install folder when writable, else per-user
        bool splash = true;          // cleared by --no-splash
        bool sound = true;
        bool createWindows = true;  // false: start-up steps only
        QStringList files;          // files named on the command line
    };

    explicit CKorvaldeApp(QObject* parent = nullptr);
    ~CKorvaldeApp() override;

    // Parses "korvalde [--no-splash] [FILE]".
    static Options ParseCommandLine(const QStringList& arguments);

    // Start-up; false means the process must end (a message was shown).
    bool InitInstance(const Options& options, Prompt& prompt);
    // Releases the hit table and the single-instance lock.
    void ExitInstance();

    // AppContext. Message boxes and file dialogs are Qt dialogs by default.
    Prompt& GetPrompt() override { return *prompt_; }
    BindingTable& Bindings() override { return bindings_; }
    HitTable* OpenHits() override { return hitTable_.IsOpen() ? &hitTable_ : nullptr; }
    void ShowStatusText(const QString& text) override { emit StatusText(text); }
    float LengthTolerance() const override { return lengthTolerance; }
    float AngleTolerance() const override { return angleTolerance; }
    DimensionDisplay& Dimensions() override { return dimensionDisplay; }
    AppPaths Paths() const override {
        return {installFolder, databasePath, readingLogPath, configPath};
    }
    QString ActiveDocumentPath() const override { return activeDocumentPath; }
    void TakeOverHits(const QString& path) override;

    // CommandTarget: "現在の設定", "設定読み込み", "設定編集" and "ヘルプ".
    bool OnCommand(int id) override;

    CMainFrame* MainFrame() const;
    HitTable& Hits() { return hitTable_; }
    // How dimensions are shown in every view.
    DimensionDisplay dimensionDisplay;

    // "現在の設定", "設定読み込み", "設定編集", "ヘルプ".
    void OnShowConfig();
    void OnLoadConfig();
    // Starts the setup tool detached; false when it could not be started.
    bool OnEditConfig();
    // The setup tool's program and arguments for OnEditConfig.
    QString SetupToolPath() const;
    QStringList SetupToolArguments() const { return {configPath}; }
    void OnHelp();

    QString installFolder;       // folder of the program, with a trailing '/'
    QString dataFolder;          // where the writable files live, with a trailing '/'
    QString readingLogPath;      // dataFolder + "data_reading.log"
    QString databasePath;        // dataFolder + "korvalde.db"
    QString templatePath;        // installFolder + "tessmaran.db"
    QString configPath;          // binding file in use
    QString activeDocumentPath;  // document whose picks the hit table holds
    float lengthTolerance = 2.5e-7f;
    float angleTolerance = 0.0f;

  signals:
    // Shown in the main frame's message pane.
    void StatusText(const QString& text);

  private:
    bool ReadInstallPath(Prompt& prompt);
    void ReadConfigPath();
    bool MakeWorkingDatabase(Prompt& prompt);
    void LoadBindings(Prompt& prompt);
    void StoreConfigPath(const QString& path);
    void PlayStartSound() const;

    Prompt* prompt_ = nullptr;
    std::unique_ptr<Prompt> ownPrompt_;
    std::unique_ptr<SingleInstanceLock> instanceLock_;
    HitTable hitTable_;
    BindingTable bindings_;
    QPointer<QObject> mainFrame_;  // a CMainFrame
};

}  // namespace vantor
