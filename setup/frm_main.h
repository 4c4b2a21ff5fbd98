#pragma once
// The binding editor: an on-screen keyboard over a tab per binding group,
// the mouse rows, the detail values, and the text pane that shows the
// binding file as it will be saved.

#include <QMainWindow>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "bindings/config_text.h"
#include "bindings/setup_bindings.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QAction;

namespace vantor {

class DetailPanel;
class KeyboardPanel;
class MouseRowsPanel;

// Tabs of the editor; tabs 1 to 4 carry the CommandGroup of the same number.
namespace main_tab {
constexpr int Mouse = 0;
constexpr int Other = 5;
constexpr int Detail = 6;
}  // namespace main_tab

// The form names (frmMain, its controls and handlers) are kept from the
// original design.
class frmMain : public QMainWindow {
    Q_OBJECT
  public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // The binding file to edit; also shown in the status bar.
    void SetDataName(const QString& name);
    QString DataName() const { return dataName_; }
    // Reads the data file into the editor. When it cannot be read the user
    // is told and the editor is left empty; returns false then.
    bool OpenData();

    int16_t GetHideState() const { return hideState_; }
    void SetHideState(int16_t state) { hideState_ = state; }

    QString GetMouseCommand(const QString& caption) const;
    QString GetMouseTitle(const QString& name) const;

    // Commands of the form.
    void cmdKey_Click(int index);
    void cmdMakeConfig_Click();
    void mnuFileSave_Click();
    void mnuFileOpen_Click();
    void cmdPrintForm_Click();
    void mnuHelpAbout_Click();
    void cmdOK_Click();
    void cmdCancel_Click();

    // Writes `text` to `path` whole or not at all.
    static bool WriteConfigFile(const QString& path, const std::string& text);

    // Stores the window's place (unless minimised) and closes other windows.
    void Unload();

    // Where the header date comes from (today unless a test says otherwise).
    void SetDateSource(std::function<ConfigDate()> source) { dateSource_ = std::move(source); }

    const SetupBindings& Bindings() const { return bindings_; }
    // The text last built by Make configuration or Save, CR LF lines.
    const std::string& ConfigText() const { return configText_; }

    KeyboardPanel* Keyboard() const { return keyboard_; }
    MouseRowsPanel* MouseRows() const { return mouseRows_; }
    QTabWidget* SSTab1() const { return SSTab1_; }
    QPlainTextEdit* RichTextBox1() const { return RichTextBox1_; }
    QLabel* StatusPanel1() const { return statusPanel1_; }
    QLabel* GroupLegend(int group) const { return legends_.at(group - 1); }

  signals:
    // The window was hidden by OK or Cancel, or closed.
    void Finished();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildWidgets();
    QWidget* BuildGroupTab(CommandGroup group);
    void BuildMenus();
    // Tab captions, mouse rows and detail rows as a fresh window has them.
    void ResetForm();
    void RestorePlacement();
    // Resizes to `wanted`, at most the screen's work area.
    void ResizeWithinScreen(QSize wanted);
    void ReportUnreadableFile(const QString& path);

    // After any click on a mouse row: enables the selected row, clears the
    // key of rows that may not have one, copies the buttons into the model.
    void RefreshMouseRows();
    // Shows every key's owner and caption.
    void RefreshKeyboard();
    // Shows the model's mouse rows in the row controls.
    void ShowMouseRowsFromModel();
    void ClickKeyOnMouseTab(int index);
    void ClickKeyOnGroupTab(CommandGroup group, int index);
    void ShowConfigText();

    SetupBindings bindings_;
    QString dataName_;
    int16_t hideState_ = -999;
    std::string configText_;
    std::function<ConfigDate()> dateSource_;

    KeyboardPanel* keyboard_ = nullptr;
    QTabWidget* SSTab1_ = nullptr;
    MouseRowsPanel* mouseRows_ = nullptr;
    DetailPanel* detail_ = nullptr;
    QPlainTextEdit* RichTextBox1_ = nullptr;
    QLabel* statusPanel1_ = nullptr;
    std::array<QLabel*, kCommandGroupCount> legends_{};
    std::array<QLabel*, 5> lblPleaseSelectKey_{};
    QPushButton* cmdMakeConfig_ = nullptr;
    QPushButton* cmdPrintForm_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
};

}  // namespace vantor
