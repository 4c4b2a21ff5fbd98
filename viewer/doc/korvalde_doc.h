#pragma once
// One open model: the scene read from a .wrl file (plus its inlines and any
// files added as an assembly) and the file commands that act on it.

#include <QDateTime>
#include <QFileSystemWatcher>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QUndoStack>
#include <functional>
#include <memory>

#include "scene/scene_change.h"
#include "scene/scene_data.h"

class QWidget;

namespace vantor {

class AppContext;
class Prompt;

// Placeholder path of a document that has not read a file yet.
inline const QString kNoDocumentPath = QStringLiteral("Default Default Default");

class CKorvaldeDoc : public QObject {
    Q_OBJECT
  public:
    // `context` may be null (tests of the document alone): then no hit table
    // is taken over and reading logs go to the current folder.
    explicit CKorvaldeDoc(AppContext* context = nullptr, QObject* parent = nullptr);
    ~CKorvaldeDoc() override;

    // The application's services, handed on to the views.
    AppContext& Context() { return context_; }

    // The scene; an empty SceneData until a file is read. Views borrow it.
    SceneData& Scene() { return *scene_; }
    const SceneData& Scene() const { return *scene_; }

    // Full path of the opened file, or kNoDocumentPath.
    QString PathName() const { return path_; }
    // Short name for window titles.
    QString Title() const;

    // Reads `path` into a fresh scene (the framework's open command).
    bool OnOpenDocument(const QString& path, Prompt& prompt);

    // "アセンブリ": asks for a file and appends it to the scene.
    void OnAssembly(Prompt& prompt);
    // Appends the file at `path` without asking (used by OnAssembly and tests).
    bool AppendFile(const QString& path, Prompt& prompt);

    // "トップデータのみ、名前を付けて保存" (mode 0) and "新データとして保存" (mode 1);
    // true when the file was written.
    bool OnSaveTopData(Prompt& prompt);
    bool OnSaveNewData(Prompt& prompt);
    // "全てのデータを名前を付けて保存".
    void OnSaveAllData(Prompt& prompt);
    // Ctrl+S: the document is never written through the framework.
    void OnFrameworkSave() {}

    // Empties the hit table, resets the selection cursors and makes this the
    // application's active document.
    void TakeOver();
    // Called before every selection command on this document.
    void MakeActive();

    // " Total Point  %d ,Total Triangle Surface  %d " for the structure window.
    QString StructureTitle() const;
    // "Data Structure": shows the structure window, or closes it when shown.
    void ToggleStructureWindow(QWidget* parent);
    // Drops a window the user has closed.
    void ForgetStructureWindow();
    // The Data Structure window while it exists (owned by its parent widget).
    QPointer<QWidget> structureWindow;

    // Saves the scene to `target` with the writer in `mode` (0 top, 1 new).
    // Returns false when the writer refused or failed (a message was shown).
    bool WriteScene(const QString& target, int mode, Prompt& prompt);

    // Edits: one undo step each. The stack is clean while the scene is as
    // it was read or last saved.
    QUndoStack& UndoStack() { return undoStack_; }
    // Records an edit already made to the scene; a change that touched
    // nothing is dropped.
    void RecordEdit(const QString& text, SceneChange change);
    bool IsModified() const { return !undoStack_.isClean(); }
    // Before the document's edits would be lost: asks whether to save them
    // (either save command), discard them, or go back. True when the caller
    // may go on.
    bool MaybeSave(Prompt& prompt);

    // "再読み込み": reads the top file, its inlines and the assembled files
    // again, keeping the measuring system. With edits it asks first when
    // `askAboutEdits`. False when nothing was read.
    bool Reload(Prompt& prompt, bool askAboutEdits = true);
    // The application's message boxes (stderr without an application).
    Prompt& DocumentPrompt();
    // Settings entry: reload unedited documents without asking when their
    // files change on disk.
    static bool AutoReload();
    static void SetAutoReload(bool on);
    // An edit of the scene named `text` (dimension commands), made by
    // `edit`; false when it changed nothing. Views redraw keeping their camera.
    bool EditScene(const QString& text, const std::function<bool(SceneData&)>& edit);

  signals:
    // After open, "Add File To Data", edits, undo and redo: views redraw
    // (and refit when rows were added).
    void SceneChanged();
    // After a reload: views keep their camera.
    void SceneReloaded();
    // A file of the document changed on disk (after the offer was handled).
    void FilesChangedOnDisk();
    // Before SceneChanged for an edit that may add or remove rows: views
    // keep their camera.
    void SceneEdited();

  private:
    bool SaveWithMode(int mode, Prompt& prompt);
    QString ReadingLogPath() const;
    // Watches every file of the scene and notes their times and sizes.
    void WatchSceneFiles();
    void NoteFileStamps();
    void OnWatchedFileChanged();
    bool WatchedFilesDiffer() const;
    // Empties the picks when the reread node table differs from `old`.
    void KeepPicksThatExist(const SceneData& old);

    AppContext& context_;
    std::unique_ptr<SceneData> scene_;
    QString path_ = kNoDocumentPath;
    QStringList assembledPaths_;  // files added with "アセンブリ", in order
    QUndoStack undoStack_;
    QFileSystemWatcher watcher_;
    QHash<QString, QPair<QDateTime, qint64>> fileStamps_;  // known time and size per file
    QTimer settleTimer_;                                   // waits for a replaced file to settle
    int settleTries_ = 0;
    bool offering_ = false;  // a reload question is showing
};

}  // namespace vantor
