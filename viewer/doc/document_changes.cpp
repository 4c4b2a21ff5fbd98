// The document's edits (undo stack, the question before they are lost) and
// its reload when the files change on disk.

#include <QFileInfo>
#include <QWidget>

#include "context/app_context.h"
#include "context/settings_store.h"
#include "doc/korvalde_doc.h"
#include "doc/scene_edit_command.h"
#include "doc/scene_loading.h"
#include "prompt/prompt.h"
#include "scene/prepare_geometry.h"

namespace vantor {

namespace {

constexpr const char* kAutoReloadKey = "2.10/AutoReload";
constexpr int kSettleTriesForMissingFile = 20;

std::string Utf8(const QString& text) {
    return text.toStdString();
}

// Rows that picks refer to keep their meaning when kinds and blocks match.
bool SameNodeTable(const SceneData& a, const SceneData& b) {
    if (a.nodeCount != b.nodeCount) return false;
    for (int32_t i = 0; i < a.nodeCount; ++i) {
        const NodeRow& x = a.Row(i);
        const NodeRow& y = b.Row(i);
        if (x.kind != y.kind || x.dataBegin != y.dataBegin || x.dataEnd != y.dataEnd) return false;
    }
    return true;
}

}  // namespace

void CKorvaldeDoc::RecordEdit(const QString& text, SceneChange change) {
    if (!change.Changed()) return;
    undoStack_.push(new SceneEditCommand(*this, text, std::move(change)));
}

Prompt& CKorvaldeDoc::DocumentPrompt() {
    return context_.GetPrompt();
}

bool CKorvaldeDoc::MaybeSave(Prompt& prompt) {
    if (!IsModified()) return true;
    const QString name = Title().isEmpty() ? tr("この文書") : Title();
    const std::vector<std::string> choices = {"トップデータのみ、名前を付けて保存",
                                              "新データとして保存", Utf8(tr("保存しない"))};
    // A save that was refused or cancelled asks again.
    for (;;) {
        switch (prompt.AskChoice(Utf8(tr("%1 は編集されています。保存しますか？").arg(name)),
                                 Utf8(tr("保存の確認")), choices)) {
            case 0:
                if (OnSaveTopData(prompt)) return true;
                break;
            case 1:
                if (OnSaveNewData(prompt)) return true;
                break;
            case 2:
                return true;
            default:
                return false;
        }
    }
}

bool CKorvaldeDoc::AutoReload() {
    KorvaldeSettings settings;
    return settings.value(QString::fromLatin1(kAutoReloadKey), false).toBool();
}

void CKorvaldeDoc::SetAutoReload(bool on) {
    KorvaldeSettings settings;
    settings.setValue(QString::fromLatin1(kAutoReloadKey), on);
}

bool CKorvaldeDoc::Reload(Prompt& prompt, bool askAboutEdits) {
    if (path_ == kNoDocumentPath) return false;
    if (askAboutEdits && IsModified() &&
        prompt.ShowMessage(Utf8(tr("編集内容を破棄して再読み込みしますか？")),
                           Utf8(tr("再読み込み")), PromptButtons::OkCancel,
                           PromptIcon::Question) != PromptAnswer::Ok)
        return false;
    std::unique_ptr<SceneData> fresh;
    {
        WaitCursor wait;
        bool ok = false;
        fresh = ReadSceneFile(path_, ReadingLogPath(), prompt, ok);
        // A file caught half-written keeps the model on screen.
        if (!ok) return false;
        for (const QString& added : assembledPaths_) {
            std::unique_ptr<SceneData> part = ReadSceneFile(added, ReadingLogPath(), prompt, ok);
            if (ok) fresh->AppendScene(*part);
        }
        fresh->assemblyFlag = scene_->assemblyFlag;
        // The measuring system is the user's, not the file's.
        SceneChange measuring;
        measuring.TouchMeasuringSystem(*scene_);
        measuring.Finish(*scene_);
        measuring.Restore(*fresh, true);
        PrepareGeometry(*fresh);
    }
    // The structure window borrows the scene: show it again on the new one.
    QWidget* structureParent = structureWindow ? structureWindow->parentWidget() : nullptr;
    const QRect structureGeometry = structureWindow ? structureWindow->geometry() : QRect();
    ForgetStructureWindow();
    std::swap(scene_, fresh);
    undoStack_.clear();
    WatchSceneFiles();
    KeepPicksThatExist(*fresh);
    if (structureParent) {
        ToggleStructureWindow(structureParent);
        structureWindow->setGeometry(structureGeometry);
    }
    emit SceneReloaded();
    return true;
}

void CKorvaldeDoc::KeepPicksThatExist(const SceneData& old) {
    if (context_.ActiveDocumentPath() != path_) return;
    if (!SameNodeTable(old, *scene_)) TakeOver();
}

void CKorvaldeDoc::WatchSceneFiles() {
    if (!watcher_.files().isEmpty()) watcher_.removePaths(watcher_.files());
    QStringList paths = assembledPaths_;
    if (path_ != kNoDocumentPath) paths << path_;
    for (int32_t i = 0; i < scene_->fileCount; ++i)
        paths << QString::fromStdString(scene_->files.items[size_t(i)].path);
    fileStamps_.clear();
    for (const QString& path : paths) {
        const QFileInfo info(path);
        if (!info.isFile()) continue;
        fileStamps_.insert(info.absoluteFilePath(), {});
    }
    if (!fileStamps_.isEmpty()) watcher_.addPaths(fileStamps_.keys());
    NoteFileStamps();
}

void CKorvaldeDoc::NoteFileStamps() {
    for (auto it = fileStamps_.begin(); it != fileStamps_.end(); ++it) {
        const QFileInfo info(it.key());
        it.value() = {info.lastModified(), info.size()};
    }
}

bool CKorvaldeDoc::WatchedFilesDiffer() const {
    for (auto it = fileStamps_.cbegin(); it != fileStamps_.cend(); ++it) {
        const QFileInfo info(it.key());
        if (info.lastModified() != it.value().first || info.size() != it.value().second)
            return true;
    }
    return false;
}

void CKorvaldeDoc::OnWatchedFileChanged() {
    // Editors that save by renaming a new file over the old one leave the
    // watcher without the path, sometimes for a moment without the file.
    bool missing = false;
    const QStringList watched = watcher_.files();
    for (auto it = fileStamps_.cbegin(); it != fileStamps_.cend(); ++it) {
        if (!QFileInfo::exists(it.key()))
            missing = true;
        else if (!watched.contains(it.key()))
            watcher_.addPath(it.key());
    }
    if (missing && ++settleTries_ < kSettleTriesForMissingFile) {
        settleTimer_.start();
        return;
    }
    settleTries_ = 0;
    if (offering_ || !WatchedFilesDiffer()) return;
    offering_ = true;
    Prompt& prompt = DocumentPrompt();
    const QString question =
        IsModified() ? tr("%1 がディスク上で変更されました。編集内容を破棄して再読み込みしますか？")
                     : tr("%1 がディスク上で変更されました。再読み込みしますか？");
    if (!IsModified() && AutoReload())
        Reload(prompt, false);
    else if (prompt.ShowMessage(Utf8(question.arg(Title())), Utf8(tr("再読み込み")),
                                PromptButtons::OkCancel, PromptIcon::Question) == PromptAnswer::Ok)
        Reload(prompt, false);
    else
        NoteFileStamps();  // the same change is not offered twice
    offering_ = false;
    emit FilesChangedOnDisk();
}

}  // namespace vantor
