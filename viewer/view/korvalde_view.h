#pragma once
// The OpenGL view of one child window: owns the camera and the display
// settings and draws the document's scene through viewer_render.

#include <QOpenGLWidget>

class CKorvaldeDoc;

class CKorvaldeView : public QOpenGLWidget {
    Q_OBJECT
public:
    explicit CKorvaldeView(CKorvaldeDoc* doc, QWidget* parent = nullptr);
    ~CKorvaldeView() override;

    CKorvaldeDoc* Document() const { return document_; }

protected:
    void initializeGL() override;
    void resizeGL(int width, int height) override;
    void paintGL() override;

private:
    CKorvaldeDoc* document_;
};
