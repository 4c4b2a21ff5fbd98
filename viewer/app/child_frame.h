#pragma once
// A child window: one document and the view that shows it.

#include <QMdiSubWindow>
#include <functional>

namespace vantor {

class CKorvaldeDoc;
class CKorvaldeView;

class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
  public:
    // Takes ownership of `doc`; the document lives as long as its window.
    explicit CChildFrame(CKorvaldeDoc* doc, QWidget* parent = nullptr);
    ~CChildFrame() override;

    CKorvaldeDoc* Document() const { return document_; }
    // The view; null when OpenGL is not available on this display.
    CKorvaldeView* View() const { return view_; }

    // Whether an OpenGL context can be made; probed once. Replaceable for
    // tests, since QOpenGLWidget crashes when it gets no context.
    static std::function<bool()> openGLAvailable;

  protected:
    // A document with edits asks whether to save them first.
    void closeEvent(QCloseEvent* event) override;

  private:
    void UpdateTitle();

    CKorvaldeDoc* document_;
    CKorvaldeView* view_ = nullptr;
    QString untitledTitle_;  // "VRML<n>" of a document without a file
};

}  // namespace vantor
