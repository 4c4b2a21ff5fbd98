#include "doc/korvalde_doc.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include "context/app_context.h"
#include "doc/scene_loading.h"
#include "import/model_import.h"
#include "prompt/prompt.h"
#include "structure/structure_dialog.h"
#include "vrml_write/save_scene.h"

namespace vantor {

namespace {

// The save dialog's question; a mesh file (STL, OBJ, ...) is offered a .wrl
// name beside it, not its own.
FileQuestion SaveQuestion(const QString& documentPath) {
    FileQuestion question;
    question.kind = FileQuestion::Kind::Save;
    question.filter = "VRML Files (*.wrl)|*.wrl|All Files (*)|*||";
    question.defaultSuffix = "wrl";
    if (documentPath != kNoDocumentPath) {
        const QFileInfo document(documentPath);
        const bool vrml =
            document.suffix().compare(QStringLiteral("wrl"), Qt::CaseInsensitive) == 0;
        question.suggestedFile =
            (vrml ? documentPath
                  : document.dir().filePath(document.completeBaseName() + QStringLiteral(".wrl")))
                .toStdString();
    }
    return question;
}

void Caution(Prompt& prompt, const QString& text) {
    prompt.ShowMessage(text.toStdString(), CKorvaldeDoc::tr("注意").toStdString(),
                       PromptButtons::Ok, PromptIcon::Exclamation);
}

}  // namespace

CKorvaldeDoc::CKorvaldeDoc(AppContext* context, QObject* parent)
    : QObject(parent),
      context_(context ? *context : DetachedContext::Shared()),
      scene_(std::make_unique<SceneData>()) {
    settleTimer_.setSingleShot(true);
    settleTimer_.setInterval(300);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, [this] { settleTimer_.start(); });
    connect(&settleTimer_, &QTimer::timeout, this, &CKorvaldeDoc::OnWatchedFileChanged);
    TakeOver();
}

CKorvaldeDoc::~CKorvaldeDoc() {
    if (context_.ActiveDocumentPath() == path_ && path_ != kNoDocumentPath) TakeOver();
    delete structureWindow.data();
}

QString CKorvaldeDoc::Title() const {
    if (path_ == kNoDocumentPath) return QString();
    return QFileInfo(path_).fileName();
}

QString CKorvaldeDoc::ReadingLogPath() const {
    return context_.Paths().readingLogPath;
}

bool CKorvaldeDoc::OnOpenDocument(const QString& path, Prompt& prompt) {
    path_ = QFileInfo(path).absoluteFilePath();
    // The structure window shows the scene being replaced.
    ForgetStructureWindow();
    bool ok;
    {
        WaitCursor wait;
        // The reader prepares the geometry of what it read.
        scene_ = ReadSceneFile(path_, ReadingLogPath(), prompt, ok);
    }
    assembledPaths_.clear();
    undoStack_.clear();
    WatchSceneFiles();
    TakeOver();
    emit SceneChanged();
    return ok;
}

void CKorvaldeDoc::OnAssembly(Prompt& prompt) {
    std::string chosen;
    const std::string filter = ModelOpenFilter(tr("対応ファイル").toStdString(), "VRML Files");
    while (!prompt.AskOpenFile(filter, std::string(), chosen)) {
        if (prompt.ShowMessage(tr("ファイルの選択を続けますか？").toStdString(),
                               tr("警告").toStdString(), PromptButtons::OkCancel,
                               PromptIcon::Exclamation) != PromptAnswer::Ok)
            return;
    }
    AppendFile(QString::fromStdString(chosen), prompt);
}

bool CKorvaldeDoc::AppendFile(const QString& path, Prompt& prompt) {
    scene_->assemblyFlag = 1;
    WaitCursor wait;
    if (AddModelToData(*scene_, QFile::encodeName(path).toStdString(), prompt,
                       QFile::encodeName(ReadingLogPath()).toStdString()) != 1)
        return false;
    assembledPaths_ << QFileInfo(path).absoluteFilePath();
    WatchSceneFiles();
    emit SceneChanged();
    return true;
}

bool CKorvaldeDoc::OnSaveTopData(Prompt& prompt) {
    return SaveWithMode(0, prompt);
}

bool CKorvaldeDoc::OnSaveNewData(Prompt& prompt) {
    return SaveWithMode(1, prompt);
}

void CKorvaldeDoc::OnSaveAllData(Prompt& prompt) {
    Caution(prompt, tr("このバージョンではサポートしません。"));
}

bool CKorvaldeDoc::SaveWithMode(int mode, Prompt& prompt) {
    // The empty-data and assembly refusals come before the dialog.
    const SaveResult allowed = CheckSaveAllowed(*scene_, mode);
    if (!allowed.saved()) {
        prompt.ShowMessage(allowed.message, allowed.caption, PromptButtons::Ok,
                           PromptIcon::Exclamation);
        return false;
    }
    std::string target;
    while (!prompt.AskFile(SaveQuestion(path_), target)) {
        if (prompt.ShowMessage(tr("ファイルの選択を続けますか？").toStdString(),
                               tr("警告").toStdString(), PromptButtons::OkCancel,
                               PromptIcon::Exclamation) != PromptAnswer::Ok)
            return false;
    }
    WaitCursor wait;
    if (!WriteScene(QString::fromStdString(target), mode, prompt)) return false;
    undoStack_.setClean();
    // Saving over a file of the document is no change from outside.
    WatchSceneFiles();
    return true;
}

bool CKorvaldeDoc::WriteScene(const QString& target, int mode, Prompt& prompt) {
    return WriteSceneFile(*scene_, target, mode, prompt);
}

void CKorvaldeDoc::TakeOver() {
    context_.TakeOverHits(path_);
}

void CKorvaldeDoc::MakeActive() {
    if (context_.ActiveDocumentPath() == path_) return;
    // An unread document never takes the picks away from one that has a file.
    if (path_ == kNoDocumentPath) return;
    TakeOver();
}

QString CKorvaldeDoc::StructureTitle() const {
    return QString::asprintf(" Total Point  %d ,Total Triangle Surface  %d ",
                             scene_->pointCount / 3, scene_->coordIndexCount / 3);
}

void CKorvaldeDoc::ToggleStructureWindow(QWidget* parent) {
    if (structureWindow) {
        ForgetStructureWindow();
        return;
    }
    auto* window = new vantor::StructureDialog(*scene_, context_.GetPrompt(), parent);
    window->setWindowTitle(StructureTitle());
    connect(window, &StructureDialog::SceneEdited, this, &CKorvaldeDoc::SceneChanged);
    window->recordEdit = [this](const QString& text, SceneChange change) {
        RecordEdit(text, std::move(change));
    };
    connect(this, &CKorvaldeDoc::SceneChanged, window, &StructureDialog::RefreshImages);
    structureWindow = window;
    window->show();
}

void CKorvaldeDoc::ForgetStructureWindow() {
    if (structureWindow) structureWindow->deleteLater();
    structureWindow = nullptr;
}

bool CKorvaldeDoc::EditScene(const QString& text, const std::function<bool(SceneData&)>& edit) {
    SceneChange change;
    change.TouchWholeScene(*scene_);
    if (!edit(*scene_)) return false;
    change.Finish(*scene_);
    emit SceneEdited();
    emit SceneChanged();
    RecordEdit(text, std::move(change));
    return true;
}

}  // namespace vantor
