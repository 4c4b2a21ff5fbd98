#pragma once
// The main window: menus, tool bar, status bar and the area of the child
// windows (one per document). Routes each command to the application, the
// active document or the active view.

#include <QHash>
#include <QMainWindow>
#include <QStringList>
#include <memory>
#include <span>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QPrinter;
class QToolBar;

namespace vantor {

class AppContext;
class CChildFrame;
class CKorvaldeDoc;
struct Command;
class CommandTarget;
class MeasurePanel;

class CMainFrame : public QMainWindow {
    Q_OBJECT
  public:
    // `context`: the application's services; `appCommands`: the commands the
    // application serves itself (settings, help).
    CMainFrame(AppContext& context, CommandTarget& appCommands, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Runs command `id` as if chosen from the menu.
    void RunCommand(int id);
    QAction* Action(int id) const { return actions_.value(id); }
    AppContext& Context() { return context_; }

    // The framework's new and open commands; return the new document.
    CKorvaldeDoc* OnFileNew();
    CKorvaldeDoc* OpenDocumentFile(const QString& path);
    // The open command: file dialog, then OpenDocumentFile.
    void OnFileOpen();

    CChildFrame* ActiveChild() const;
    CKorvaldeDoc* ActiveDocument() const;
    QList<CChildFrame*> Children() const;
    QMdiArea* MdiArea() const { return mdiArea_; }
    MeasurePanel* MeasureDock() const { return measurePanel_; }

    // Message pane of the status bar.
    void SetMessageText(const QString& text);
    QString MessageText() const;

    // Recently used files, newest first (at most four).
    QStringList RecentFiles() const { return recentFiles_; }

    // Re-evaluates the enabled and checked state of every command.
    void UpdateCommandStates();

    // The dropped paths named like a supported model file.
    static QStringList ModelPathsOf(const QList<QUrl>& urls);
    // Opens the model files among dropped urls; returns how many.
    int OpenDroppedFiles(const QList<QUrl>& urls);

  protected:
    bool event(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildMenus();
    void BuildToolBar();
    void BuildStatusBar();
    // A command the frame serves itself: what it does and, when it has one,
    // how its menu item shows its state.
    struct FrameCommand {
        int id;
        void (*run)(CMainFrame& frame);
        void (*state)(CMainFrame& frame, QAction& action);  // null: always enabled
    };
    static std::span<const FrameCommand> FrameCommands();
    static const FrameCommand* FindFrameCommand(int id);
    QAction* MakeAction(const Command& command);
    void OpenRecentFile(int index);
    void AddRecentFile(const QString& path);
    // Enabled state and text ("元に戻す: step") of the undo or redo entry.
    static void UpdateUndoAction(QAction* action, CKorvaldeDoc* doc, bool undo);
    void UpdateRecentFileActions();
    CChildFrame* MakeChild(CKorvaldeDoc* doc);
    // Puts a new child inside the work area: the first fills it, later
    // ones (`earlier` windows already open) cascade within it.
    void PlaceChild(CChildFrame* child, int earlier);

    AppContext& context_;
    CommandTarget& appCommands_;
    QMdiArea* mdiArea_;
    QToolBar* toolBar_ = nullptr;
    QLabel* messagePane_ = nullptr;
    MeasurePanel* measurePanel_ = nullptr;
    QString message_;  // last message pane text, shown again after a status tip
    QHash<int, QAction*> actions_;
    QStringList recentFiles_;
    std::unique_ptr<QPrinter> printer_;  // kept so page settings last the run
    // Context of the documents' signals. Documents still open when the
    // frame goes (the program ending without a close) empty their undo
    // stacks after the frame's own parts are gone: this member, destroyed
    // first, ends those connections before that.
    QObject documentSignals_;
};

}  // namespace vantor
