#include "view/korvalde_view.h"

CKorvaldeView::CKorvaldeView(CKorvaldeDoc* doc, QWidget* parent)
    : QOpenGLWidget(parent), document_(doc) {}

CKorvaldeView::~CKorvaldeView() = default;

void CKorvaldeView::initializeGL() {}

void CKorvaldeView::resizeGL(int, int) {}

void CKorvaldeView::paintGL() {}
