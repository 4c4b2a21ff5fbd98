// What the main frame's own commands do and how their menu items look: the
// file, edit, window, settings and help commands. The rest go to the active
// view (see CommandTarget).

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QStatusBar>
#include <QToolBar>
#include <QUndoStack>

#include "app/child_frame.h"
#include "app/main_frame.h"
#include "commands/command_ids.h"
#include "context/app_context.h"
#include "context/command_target.h"
#include "dialogs/about_dialog.h"
#include "doc/korvalde_doc.h"
#include "measure/measure_panel.h"

namespace vantor {

using namespace cmd;

namespace {

// A document command that may ask the user; nothing without a document.
template <auto command>
void WithPrompt(CMainFrame& frame) {
    if (CKorvaldeDoc* doc = frame.ActiveDocument()) (doc->*command)(frame.Context().GetPrompt());
}

}  // namespace

std::span<const CMainFrame::FrameCommand> CMainFrame::FrameCommands() {
    using F = CMainFrame;
    using A = QAction;
    // Document commands do nothing without a document.
    static const auto needsDocument = [](F& f, A& a) { a.setEnabled(f.ActiveDocument()); };
    static const FrameCommand kCommands[] = {
        {kFileNew, [](F& f) { f.OnFileNew(); }, nullptr},
        {kFileOpen, [](F& f) { f.OnFileOpen(); }, nullptr},
        {kFileClose,
         [](F& f) {
             if (f.mdiArea_->activeSubWindow()) f.mdiArea_->activeSubWindow()->close();
         },
         needsDocument},
        {kFileSave,
         [](F& f) {
             if (CKorvaldeDoc* doc = f.ActiveDocument()) doc->OnFrameworkSave();
         },
         nullptr},
        {kPrintSetup,
         [](F& f) {
             if (!f.printer_) f.printer_ = std::make_unique<QPrinter>();
             QPageSetupDialog dialog(f.printer_.get(), &f);
             dialog.exec();
         },
         nullptr},
        {kExit, [](F& f) { f.close(); }, nullptr},
        {kWindowCascade, [](F& f) { f.mdiArea_->cascadeSubWindows(); }, nullptr},
        {kWindowTile, [](F& f) { f.mdiArea_->tileSubWindows(); }, nullptr},
        {kViewToolBar, [](F& f) { f.toolBar_->setVisible(!f.toolBar_->isVisible()); },
         [](F& f, A& a) { a.setChecked(f.toolBar_ && f.toolBar_->isVisible()); }},
        {kViewStatusBar, [](F& f) { f.statusBar()->setVisible(!f.statusBar()->isVisible()); },
         [](F& f, A& a) { a.setChecked(f.statusBar()->isVisible()); }},
        {kMeasurePanel, [](F& f) { f.measurePanel_->SetShown(f.measurePanel_->isHidden()); },
         [](F& f, A& a) { a.setChecked(!f.measurePanel_->isHidden()); }},
        // The application's own commands.
        {kShowConfig, [](F& f) { f.appCommands_.OnCommand(kShowConfig); }, nullptr},
        {kLoadConfig, [](F& f) { f.appCommands_.OnCommand(kLoadConfig); }, nullptr},
        {kEditConfig, [](F& f) { f.appCommands_.OnCommand(kEditConfig); }, nullptr},
        {kHelp, [](F& f) { f.appCommands_.OnCommand(kHelp); }, nullptr},
        {kAbout,
         [](F& f) {
             AboutDialog about(&f.context_, &f);
             about.exec();
         },
         nullptr},
        {kRecentFile1, [](F& f) { f.OpenRecentFile(0); }, nullptr},
        {kRecentFile1 + 1, [](F& f) { f.OpenRecentFile(1); }, nullptr},
        {kRecentFile1 + 2, [](F& f) { f.OpenRecentFile(2); }, nullptr},
        {kRecentFile1 + 3, [](F& f) { f.OpenRecentFile(3); }, nullptr},
        {kAssembly, WithPrompt<&CKorvaldeDoc::OnAssembly>, needsDocument},
        {kSaveTopData, WithPrompt<&CKorvaldeDoc::OnSaveTopData>, needsDocument},
        {kSaveNewData, WithPrompt<&CKorvaldeDoc::OnSaveNewData>, needsDocument},
        {kSaveAllData, WithPrompt<&CKorvaldeDoc::OnSaveAllData>, needsDocument},
        {kSaveHiddenToo, [](F&) {}, [](F&, A& a) { a.setEnabled(false); }},
        {kDataStructure,
         [](F& f) {
             if (CKorvaldeDoc* doc = f.ActiveDocument()) doc->ToggleStructureWindow(&f);
         },
         [](F& f, A& a) {
             CKorvaldeDoc* doc = f.ActiveDocument();
             a.setEnabled(doc != nullptr);
             // A window the user closed is forgotten here.
             if (doc && doc->structureWindow && !doc->structureWindow->isVisible())
                 doc->ForgetStructureWindow();
             a.setChecked(doc && doc->structureWindow);
         }},
        {kEditUndo,
         [](F& f) {
             if (CKorvaldeDoc* doc = f.ActiveDocument()) doc->UndoStack().undo();
         },
         [](F& f, A& a) { UpdateUndoAction(&a, f.ActiveDocument(), true); }},
        {kEditRedo,
         [](F& f) {
             if (CKorvaldeDoc* doc = f.ActiveDocument()) doc->UndoStack().redo();
         },
         [](F& f, A& a) { UpdateUndoAction(&a, f.ActiveDocument(), false); }},
        {kReload,
         [](F& f) {
             if (CKorvaldeDoc* doc = f.ActiveDocument()) doc->Reload(f.context_.GetPrompt());
         },
         [](F& f, A& a) {
             CKorvaldeDoc* doc = f.ActiveDocument();
             a.setEnabled(doc && doc->PathName() != kNoDocumentPath);
         }},
        {kAutoReload, [](F&) { CKorvaldeDoc::SetAutoReload(!CKorvaldeDoc::AutoReload()); },
         [](F&, A& a) { a.setChecked(CKorvaldeDoc::AutoReload()); }},
    };
    return kCommands;
}

const CMainFrame::FrameCommand* CMainFrame::FindFrameCommand(int id) {
    for (const FrameCommand& command : FrameCommands())
        if (command.id == id) return &command;
    return nullptr;
}

void CMainFrame::OpenRecentFile(int index) {
    if (index < recentFiles_.size()) OpenDocumentFile(recentFiles_[index]);
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

}  // namespace vantor
