#include "app/child_frame.h"

#include <QCloseEvent>
#include <QLabel>
#include <QOpenGLContext>

#include "doc/korvalde_doc.h"
#include "prompt/prompt.h"
#include "view/korvalde_view.h"

namespace vantor {

CChildFrame::CChildFrame(CKorvaldeDoc* doc, QWidget* parent)
    : QMdiSubWindow(parent), document_(doc) {
    setAttribute(Qt::WA_DeleteOnClose);
    document_->setParent(this);
    if (openGLAvailable()) {
        view_ = new CKorvaldeView(document_, this);
        setWidget(view_);
    } else {
        // Without a context there is nothing to draw with; the document still
        // opens, saves and shows its structure.
        static bool told = false;
        if (!told) {
            told = true;
            document_->DocumentPrompt().ShowMessage(
                "OpenGL context could not be created: models cannot be drawn on this display.",
                "Error", PromptButtons::Ok, PromptIcon::Exclamation);
        }
        auto* placeholder = new QLabel(QStringLiteral("OpenGL is not available"), this);
        placeholder->setAlignment(Qt::AlignCenter);
        setWidget(placeholder);
    }
    connect(document_, &CKorvaldeDoc::SceneChanged, this, &CChildFrame::UpdateTitle);
    connect(document_, &CKorvaldeDoc::SceneReloaded, this, &CChildFrame::UpdateTitle);
    connect(&document_->UndoStack(), &QUndoStack::cleanChanged, this, &CChildFrame::UpdateTitle);
    UpdateTitle();
    resize(640, 480);
}

std::function<bool()> CChildFrame::openGLAvailable = [] {
    static const bool available = [] {
        QOpenGLContext probe;
        return probe.create();
    }();
    return available;
};

CChildFrame::~CChildFrame() {
    // The view borrows the scene, so it goes before the document.
    delete view_;
    view_ = nullptr;
    delete document_;
    document_ = nullptr;
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    if (!document_->MaybeSave(document_->DocumentPrompt())) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}

void CChildFrame::UpdateTitle() {
    static int untitled = 0;
    QString title = document_->Title();
    if (title.isEmpty()) {
        if (untitledTitle_.isEmpty()) untitledTitle_ = QStringLiteral("VRML%1").arg(++untitled);
        title = untitledTitle_;
    }
    // Unsaved edits show as a star after the name.
    if (document_->IsModified()) title += u'*';
    setWindowTitle(title);
}

}  // namespace vantor
