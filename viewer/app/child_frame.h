#pragma once
// A child window: one document and the view that shows it.

#include <QMdiSubWindow>

class CKorvaldeDoc;
class CKorvaldeView;

class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
  public:
    // Takes ownership of `doc`; the document lives as long as its window.
    explicit CChildFrame(CKorvaldeDoc* doc, QWidget* parent = nullptr);
    ~CChildFrame() override;

    CKorvaldeDoc* Document() const { return document_; }
    CKorvaldeView* View() const { return view_; }

  private:
    void UpdateTitle();

    CKorvaldeDoc* document_;
    CKorvaldeView* view_;
};
