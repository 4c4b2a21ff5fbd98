#include "app/main_frame.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QSettings>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QUndoStack>
#include <QUrl>
#include <algorithm>

#include "app/child_frame.h"
#include "app/command_ids.h"
#include "app/command_target.h"
#include "app/korvalde_app.h"
#include "app/settings_store.h"
#include "dialogs/about_dialog.h"
#include "doc/korvalde_doc.h"
#include "import/model_import.h"
#include "measure/measure_panel.h"
#include "prompt/prompt.h"
#include "view/korvalde_view.h"

CMainFrame::CMainFrame(CKorvaldeApp* app, QWidget* parent) : QMainWindow(parent), app_(app) {
    setWindowTitle(QStringLiteral("Vantor3D"));
    mdiArea_ = new QMdiArea(this);
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea_);
    connect(mdiArea_, &QMdiArea::subWindowActivated, this, [this] { UpdateCommandStates(); });
    setAcceptDrops(true);

    BuildMenus();
    BuildToolBar();
    BuildStatusBar();
    measurePanel_ = MeasurePanel::Install(this);

    KorvaldeSettings settings;
    recentFiles_ = ReadRecentFiles(settings);
    UpdateRecentFileActions();
    UpdateCommandStates();
    resize(1024, 768);
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    // Indicator panes of the classic status bar; key lock states are not
    // readable portably, so they are shown greyed.
    for (const char* name : {"KANA", "CAP", "NUM", "SCRL"}) {
        auto* pane = new QLabel(QString::fromLatin1(name), bar);
        pane->setEnabled(false);
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        bar->addPermanentWidget(pane);
    }
    SetMessageText(QStringLiteral("Ready"));
}

void CMainFrame::SetMessageText(const QString& text) {
    message_ = text;
    statusBar()->showMessage(text);
}

bool CMainFrame::event(QEvent* event) {
    // When the pointer leaves a menu item or tool button its status tip
    // ends: the last message comes back instead of an empty pane.
    if (event->type() == QEvent::StatusTip &&
        static_cast<QStatusTipEvent*>(event)->tip().isEmpty()) {
        statusBar()->showMessage(message_);
        return true;
    }
    return QMainWindow::event(event);
}

QString CMainFrame::MessageText() const {
    return statusBar()->currentMessage();
}

CChildFrame* CMainFrame::ActiveChild() const {
    return qobject_cast<CChildFrame*>(mdiArea_->activeSubWindow());
}

CKorvaldeDoc* CMainFrame::ActiveDocument() const {
    CChildFrame* child = ActiveChild();
    return child ? child->Document() : nullptr;
}

QList<CChildFrame*> CMainFrame::Children() const {
    QList<CChildFrame*> children;
    for (QMdiSubWindow* window : mdiArea_->subWindowList())
        if (auto* child = qobject_cast<CChildFrame*>(window)) children << child;
    return children;
}

CChildFrame* CMainFrame::MakeChild(CKorvaldeDoc* doc) {
    auto* child = new CChildFrame(doc);
    // Undo and redo follow each edit, also those made outside the menus.
    connect(&doc->UndoStack(), &QUndoStack::indexChanged, &documentSignals_,
            [this] { UpdateCommandStates(); });
    mdiArea_->addSubWindow(child);
    const int earlier = int(mdiArea_->subWindowList().size()) - 1;
    if (mdiArea_->isVisible()) {
        PlaceChild(child, earlier);
    } else {
        // The work area has its size once the main window is shown.
        QTimer::singleShot(0, child, [this, child, earlier] { PlaceChild(child, earlier); });
    }
    child->show();
    mdiArea_->setActiveSubWindow(child);
    return child;
}

void CMainFrame::PlaceChild(CChildFrame* child, int earlier) {
    const QRect area = mdiArea_->viewport()->rect();
    if (earlier == 0 || area.width() < 200 || area.height() < 150) {
        child->setGeometry(area);
        return;
    }
    // Later windows cascade inside the area, three quarters of its size.
    const QSize size = area.size() * 3 / 4;
    const int step = child->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, child) + 4;
    const int steps = std::max(
        1,
        std::min((area.width() - size.width()) / step, (area.height() - size.height()) / step) + 1);
    const int offset = (earlier - 1) % steps * step;
    child->setGeometry(QRect(QPoint(offset, offset), size));
}

CKorvaldeDoc* CMainFrame::OnFileNew() {
    auto* doc = new CKorvaldeDoc(app_);
    MakeChild(doc);
    return doc;
}

CKorvaldeDoc* CMainFrame::OpenDocumentFile(const QString& path) {
    const QString full = QFileInfo(path).absoluteFilePath();
    // An open file is shown again rather than read twice.
    for (CChildFrame* child : Children()) {
        if (child->Document()->PathName() == full) {
            mdiArea_->setActiveSubWindow(child);
            return child->Document();
        }
    }
    if (!QFileInfo(full).isFile()) {
        app_->GetPrompt().ShowMessage(tr("%1 が開けません。").arg(full).toStdString(), "Caution",
                                      vantor::PromptButtons::Ok, vantor::PromptIcon::Exclamation);
        // A vanished file leaves the recently-used list.
        if (recentFiles_.removeAll(full) > 0) {
            KorvaldeSettings settings;
            WriteRecentFiles(settings, recentFiles_);
            UpdateRecentFileActions();
        }
        return nullptr;
    }
    auto* doc = new CKorvaldeDoc(app_);
    doc->OnOpenDocument(full, app_->GetPrompt());
    MakeChild(doc);
    AddRecentFile(full);
    return doc;
}

void CMainFrame::OnFileOpen() {
    std::string chosen;
    const std::string filter =
        vantor::ModelOpenFilter(tr("対応ファイル").toStdString(), tr("VRML ﾌｧｲﾙ").toStdString());
    if (!app_->GetPrompt().AskOpenFile(filter, std::string(), chosen)) return;
    OpenDocumentFile(QString::fromStdString(chosen));
}

void CMainFrame::RunCommand(int id) {
    using namespace cmd;
    switch (id) {
        case kFileNew:
            OnFileNew();
            break;
        case kFileOpen:
            OnFileOpen();
            break;
        case kFileClose:
            if (mdiArea_->activeSubWindow()) mdiArea_->activeSubWindow()->close();
            break;
        case kFileSave:
            if (CKorvaldeDoc* doc = ActiveDocument()) doc->OnFrameworkSave();
            break;
        case kPrintSetup: {
            if (!printer_) printer_ = std::make_unique<QPrinter>();
            QPageSetupDialog dialog(printer_.get(), this);
            dialog.exec();
            break;
        }
        case kExit:
            close();
            break;
        case kWindowCascade:
            mdiArea_->cascadeSubWindows();
            break;
        case kWindowTile:
            mdiArea_->tileSubWindows();
            break;
        case kViewToolBar:
            toolBar_->setVisible(!toolBar_->isVisible());
            break;
        case kViewStatusBar:
            statusBar()->setVisible(!statusBar()->isVisible());
            break;
        case kMeasurePanel:
            measurePanel_->SetShown(measurePanel_->isHidden());
            break;
        case kShowConfig:
            app_->OnShowConfig();
            break;
        case kLoadConfig:
            app_->OnLoadConfig();
            break;
        case kEditConfig:
            app_->OnEditConfig();
            break;
        case kHelp:
            app_->OnHelp();
            break;
        case kAbout: {
            CAboutDlg about(app_, this);
            about.exec();
            break;
        }
        default:
            if (id >= kRecentFile1 && id < kRecentFile1 + kRecentFileCount) {
                const int index = id - kRecentFile1;
                if (index < recentFiles_.size()) OpenDocumentFile(recentFiles_[index]);
            } else if (!RunDocumentCommand(id)) {
                RunViewCommand(id);
            }
            break;
    }
    UpdateCommandStates();
}

bool CMainFrame::RunDocumentCommand(int id) {
    using namespace cmd;
    CKorvaldeDoc* doc = ActiveDocument();
    vantor::Prompt& prompt = app_->GetPrompt();
    switch (id) {
        case kAssembly:
            if (doc) doc->OnAssembly(prompt);
            return true;
        case kSaveTopData:
            if (doc) doc->OnSaveTopData(prompt);
            return true;
        case kSaveNewData:
            if (doc) doc->OnSaveNewData(prompt);
            return true;
        case kSaveAllData:
            if (doc) doc->OnSaveAllData(prompt);
            return true;
        case kDataStructure:
            if (doc) doc->ToggleStructureWindow(this);
            return true;
        case kEditUndo:
            if (doc) doc->UndoStack().undo();
            return true;
        case kEditRedo:
            if (doc) doc->UndoStack().redo();
            return true;
        case kReload:
            if (doc) doc->Reload(prompt);
            return true;
        case kAutoReload:
            CKorvaldeDoc::SetAutoReload(!CKorvaldeDoc::AutoReload());
            return true;
        default:
            return false;
    }
}

bool CMainFrame::RunViewCommand(int id) {
    CChildFrame* child = ActiveChild();
    if (!child) return false;
    auto* target = dynamic_cast<CommandTarget*>(child->View());
    return target && target->OnCommand(id);
}

void CMainFrame::UpdateCommandStates() {
    using namespace cmd;
    CChildFrame* child = ActiveChild();
    CKorvaldeDoc* doc = child ? child->Document() : nullptr;
    auto* target = child ? dynamic_cast<CommandTarget*>(child->View()) : nullptr;
    for (auto it = actions_.cbegin(); it != actions_.cend(); ++it) {
        const int id = it.key();
        QAction* action = it.value();
        bool enabled = true;
        bool checked = false;
        if (id >= kRecentFile1 && id < kRecentFile1 + kRecentFileCount) continue;
        switch (id) {
            case kViewToolBar:
                checked = toolBar_ && toolBar_->isVisible();
                break;
            case kViewStatusBar:
                checked = statusBar()->isVisible();
                break;
            case kMeasurePanel:
                checked = !measurePanel_->isHidden();
                break;
            case kSaveHiddenToo:
                enabled = false;
                break;
            case kDataStructure:
                enabled = doc != nullptr;
                // A window the user closed is forgotten here.
                if (doc && doc->structureWindow && !doc->structureWindow->isVisible())
                    doc->ForgetStructureWindow();
                checked = doc && doc->structureWindow;
                break;
            case kEditUndo:
            case kEditRedo:
                UpdateUndoAction(action, doc, id == kEditUndo);
                continue;
            case kAutoReload:
                checked = CKorvaldeDoc::AutoReload();
                break;
            case kReload:
                enabled = doc && doc->PathName() != kNoDocumentPath;
                break;
            case kFileClose:
            case kAssembly:
            case kSaveTopData:
            case kSaveNewData:
            case kSaveAllData:
                enabled = doc != nullptr;
                break;
            default:
                if (target) target->UpdateCommandState(id, enabled, checked);
                break;
        }
        action->setEnabled(enabled);
        if (action->isCheckable()) action->setChecked(checked);
    }
}

void CMainFrame::UpdateUndoAction(QAction* action, CKorvaldeDoc* doc, bool undo) {
    const QUndoStack* stack = doc ? &doc->UndoStack() : nullptr;
    const bool can = stack && (undo ? stack->canUndo() : stack->canRedo());
    const QString base = undo ? tr("元に戻す") : tr("やり直し");
    // The entry names the step it takes back or does again.
    const QString step = can ? (undo ? stack->undoText() : stack->redoText()) : QString();
    action->setText(step.isEmpty() ? base : tr("%1: %2").arg(base, step));
    action->setEnabled(can);
}

void CMainFrame::AddRecentFile(const QString& path) {
    recentFiles_.removeAll(path);
    recentFiles_.prepend(path);
    while (recentFiles_.size() > cmd::kRecentFileCount) recentFiles_.removeLast();
    KorvaldeSettings settings;
    WriteRecentFiles(settings, recentFiles_);
    UpdateRecentFileActions();
}

void CMainFrame::UpdateRecentFileActions() {
    for (int i = 0; i < cmd::kRecentFileCount; ++i) {
        QAction* action = actions_.value(cmd::kRecentFile1 + i);
        if (!action) continue;
        const bool used = i < recentFiles_.size();
        action->setVisible(used);
        if (used)
            action->setText(
                QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(recentFiles_[i]).fileName()));
    }
}

QStringList CMainFrame::ModelPathsOf(const QList<QUrl>& urls) {
    QStringList paths;
    for (const QUrl& url : urls) {
        if (!url.isLocalFile()) continue;
        const QString path = url.toLocalFile();
        if (vantor::HasModelExtension(QFile::encodeName(path).toStdString())) paths << path;
    }
    return paths;
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls() && !ModelPathsOf(event->mimeData()->urls()).isEmpty())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    if (OpenDroppedFiles(event->mimeData()->urls()) > 0) event->acceptProposedAction();
}

int CMainFrame::OpenDroppedFiles(const QList<QUrl>& urls) {
    const QStringList paths = ModelPathsOf(urls);
    if (paths.isEmpty()) return 0;
    activateWindow();
    for (const QString& path : paths) OpenDocumentFile(path);
    return int(paths.size());
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // A child whose edits the user went back to keeps the program running.
    mdiArea_->closeAllSubWindows();
    if (!mdiArea_->subWindowList().isEmpty()) {
        event->ignore();
        return;
    }
    event->accept();
}
