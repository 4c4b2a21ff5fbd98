#include "app/child_frame.h"

#include "doc/korvalde_doc.h"
#include "view/korvalde_view.h"

CChildFrame::CChildFrame(CKorvaldeDoc* doc, QWidget* parent)
    : QMdiSubWindow(parent), document_(doc) {
    setAttribute(Qt::WA_DeleteOnClose);
    document_->setParent(this);
    view_ = new CKorvaldeView(document_, this);
    setWidget(view_);
    connect(document_, &CKorvaldeDoc::SceneChanged, this, &CChildFrame::UpdateTitle);
    UpdateTitle();
    resize(640, 480);
}

CChildFrame::~CChildFrame() {
    // The view borrows the scene, so it goes before the document.
    delete view_;
    view_ = nullptr;
    delete document_;
    document_ = nullptr;
}

void CChildFrame::UpdateTitle() {
    static int untitled = 0;
    QString title = document_->Title();
    if (title.isEmpty()) {
        if (windowTitle().isEmpty()) setWindowTitle(QStringLiteral("VRML%1").arg(++untitled));
        return;
    }
    setWindowTitle(title);
}
