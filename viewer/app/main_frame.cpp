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
#include "commands/command_ids.h"
#include "context/app_context.h"
#include "context/command_target.h"
#include "context/settings_store.h"
#include "doc/korvalde_doc.h"
#include "import/model_import.h"
#include "measure/measure_panel.h"
#include "prompt/prompt.h"
#include "view/korvalde_view.h"

namespace vantor {

CMainFrame::CMainFrame(AppContext& context, CommandTarget& appCommands, QWidget* parent)
    : QMainWindow(parent), context_(context), appCommands_(appCommands) {
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
    measurePanel_ = MeasurePanel::Install(this, mdiArea_);

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
    auto* doc = new CKorvaldeDoc(&context_);
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
        context_.GetPrompt().ShowMessage(tr("%1 が開けません。").arg(full).toStdString(), "Caution",
                                         PromptButtons::Ok, PromptIcon::Exclamation);
        // A vanished file leaves the recently-used list.
        if (recentFiles_.removeAll(full) > 0) {
            KorvaldeSettings settings;
            WriteRecentFiles(settings, recentFiles_);
            UpdateRecentFileActions();
        }
        return nullptr;
    }
    auto* doc = new CKorvaldeDoc(&context_);
    doc->OnOpenDocument(full, context_.GetPrompt());
    MakeChild(doc);
    AddRecentFile(full);
    return doc;
}

void CMainFrame::OnFileOpen() {
    std::string chosen;
    const std::string filter =
        ModelOpenFilter(tr("対応ファイル").toStdString(), tr("VRML ﾌｧｲﾙ").toStdString());
    if (!context_.GetPrompt().AskOpenFile(filter, std::string(), chosen)) return;
    OpenDocumentFile(QString::fromStdString(chosen));
}

void CMainFrame::RunCommand(int id) {
    if (const FrameCommand* command = FindFrameCommand(id)) {
        command->run(*this);
    } else if (CChildFrame* child = ActiveChild()) {
        if (auto* target = dynamic_cast<CommandTarget*>(child->View())) target->OnCommand(id);
    }
    UpdateCommandStates();
}

void CMainFrame::UpdateCommandStates() {
    CChildFrame* child = ActiveChild();
    auto* target = child ? dynamic_cast<CommandTarget*>(child->View()) : nullptr;
    for (auto it = actions_.cbegin(); it != actions_.cend(); ++it) {
        const int id = it.key();
        QAction* action = it.value();
        if (id >= cmd::kRecentFile1 && id < cmd::kRecentFile1 + cmd::kRecentFileCount) continue;
        if (const FrameCommand* command = FindFrameCommand(id)) {
            action->setEnabled(true);
            if (command->state) command->state(*this, *action);
            continue;
        }
        bool enabled = true;
        bool checked = false;
        if (target) target->UpdateCommandState(id, enabled, checked);
        action->setEnabled(enabled);
        if (action->isCheckable()) action->setChecked(checked);
    }
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
        if (HasModelExtension(QFile::encodeName(path).toStdString())) paths << path;
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

}  // namespace vantor
