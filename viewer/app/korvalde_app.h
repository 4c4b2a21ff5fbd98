#pragma once
// The viewer's application object: everything that lives as long as the
// process (install folder, working database and hit table, binding file
// path, selection cursors, tolerances) and the start-up sequence.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>

#include "bindings/binding_table.h"
#include "hits/hit_table.h"
#include "render/render_settings.h"

namespace vantor {
class Prompt;
}

class CMainFrame;
class CKorvaldeDoc;
class SingleInstanceLock;

// "None" values of the six selection cursors, in field order.
inline constexpr int32_t kSelectionCursorNone[6] = {-9971, -9973, -9972, -9974, -9975, -9976};

class CKorvaldeApp : public QObject {
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

    // The one application object of the process (null before construction).
    static CKorvaldeApp* Instance();

    // Parses "korvalde [--no-splash] [FILE]".
    static Options ParseCommandLine(const QStringList& arguments);

    // Start-up; false means the process must end (a message was shown).
    bool InitInstance(const Options& options, vantor::Prompt& prompt);
    // Releases the hit table and the single-instance lock.
    void ExitInstance();

    // Message boxes and file dialogs of the application (Qt dialogs by default).
    vantor::Prompt& GetPrompt() { return *prompt_; }

    CMainFrame* MainFrame() const;
    vantor::HitTable& Hits() { return hitTable_; }
    vantor::BindingTable& Bindings() { return bindings_; }
    // How dimensions are shown in every view.
    vantor::DimensionDisplay dimensionDisplay;

    // "現在の設定", "設定読み込み", "設定編集", "ヘルプ".
    void OnShowConfig();
    void OnLoadConfig();
    // Starts the setup tool detached; false when it could not be started.
    bool OnEditConfig();
    // The setup tool's program and arguments for OnEditConfig.
    QString SetupToolPath() const;
    QStringList SetupToolArguments() const { return {configPath}; }
    void OnHelp();

    // Sets the six selection cursors to their "none" values.
    void ResetSelectionCursors();

    QString installFolder;       // folder of the program, with a trailing '/'
    QString dataFolder;          // where the writable files live, with a trailing '/'
    QString readingLogPath;      // dataFolder + "data_reading.log"
    QString databasePath;        // dataFolder + "korvalde.db"
    QString templatePath;        // installFolder + "tessmaran.db"
    QString configPath;          // binding file in use
    QString activeDocumentPath;  // document whose picks the hit table holds
    int32_t selectionCursors[6];
    float lengthTolerance = 2.5e-7f;
    float angleTolerance = 0.0f;

  signals:
    // Shown in the main frame's message pane.
    void StatusText(const QString& text);

  private:
    bool ReadInstallPath(vantor::Prompt& prompt);
    void ReadConfigPath();
    bool MakeWorkingDatabase(vantor::Prompt& prompt);
    void LoadBindings(vantor::Prompt& prompt);
    void StoreConfigPath(const QString& path);
    void PlayStartSound() const;

    vantor::Prompt* prompt_ = nullptr;
    std::unique_ptr<vantor::Prompt> ownPrompt_;
    std::unique_ptr<SingleInstanceLock> instanceLock_;
    vantor::HitTable hitTable_;
    vantor::BindingTable bindings_;
    QPointer<QObject> mainFrame_;  // a CMainFrame
};
