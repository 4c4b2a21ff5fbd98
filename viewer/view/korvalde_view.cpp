#include "view/korvalde_view.h"

#include <QColorDialog>
#include <QFontDialog>
#include <QOpenGLContext>
#include <QTimer>

#include <QCoreApplication>
#include "commands/command_ids.h"
#include "context/app_context.h"
#include "doc/korvalde_doc.h"
#include "navigate/view_navigation.h"
#include "prompt/prompt.h"
#include "render/background_bitmap.h"
#include "render/outline_font.h"
#include "scene/scene_data.h"
#include "select/view_selection.h"

namespace vantor {

CKorvaldeView::CKorvaldeView(CKorvaldeDoc* doc, QWidget* parent)
    : QOpenGLWidget(parent),
      document_(doc),
      context_(doc ? doc->Context() : DetachedContext::Shared()),
      font_(DefaultOutlineFont()) {
    QSurfaceFormat format = QSurfaceFormat::defaultFormat();
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setDepthBufferSize(32);
    setFormat(format);
    setFocusPolicy(Qt::StrongFocus);
    if (document_) {
        connect(document_, &CKorvaldeDoc::SceneEdited, this, [this] {
            // Rows added by an edit do not refit the camera.
            if (SceneData* scene = Scene()) fittedNodeCount_ = scene->nodeCount;
        });
        connect(document_, &CKorvaldeDoc::SceneChanged, this, [this] { OnSceneChanged(); });
        connect(document_, &CKorvaldeDoc::SceneReloaded, this, [this] { OnSceneReloaded(); });
    }
    ViewNavigation::ViewHooks hooks;
    hooks.scene = [this] { return Scene(); };
    hooks.redrawView = [this] { RedrawView(); };
    hooks.resizeViewport = [this] { ResizeViewport(); };
    hooks.makeDocumentActive = [this] {
        if (document_) document_->MakeActive();
    };
    navigation_ = new vantor::ViewNavigation(this, camera, settings, hooks, &context_);
    selection_ = new vantor::ViewSelection(this, document_, renderer_, *navigation_, context_);
    navigation_->SetSelection(selection_);
    // The navigation sees each event before the selection (the filter
    // installed last runs first): a release finishes the navigator's drag
    // before the selection closes the drag's undo step.
    installEventFilter(navigation_);
}

CKorvaldeView::~CKorvaldeView() {
    // Before the widget goes: its last focus and hide events must not reach
    // a half-destroyed view.
    delete navigation_;
    delete selection_;
    if (context()) ReleaseGl();
}

SceneData* CKorvaldeView::Scene() const {
    return document_ ? &document_->Scene() : nullptr;
}

void CKorvaldeView::initializeGL() {
    clientRect = rect();
    if (height() > 0) camera.aspectRatio = float(width()) / float(height());
    // Moving the view to another top-level window destroys the context:
    // lists and buffers must go with it.
    connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, &CKorvaldeView::ReleaseGl,
            Qt::UniqueConnection);
    BuildFont();
}

void CKorvaldeView::ReleaseGl() {
    makeCurrent();
    renderer_.ReleaseGl();
    doneCurrent();
}

void CKorvaldeView::BuildFont() {
    if (renderer_.InitFont(font_)) return;
    // Shown once the GL set-up is over: a modal loop inside it could re-enter painting.
    QTimer::singleShot(0, this, [this] {
        context_.GetPrompt().ShowMessage("wglUseFontOutlines failed!", "GLFont", PromptButtons::Ok,
                                         PromptIcon::Exclamation);
    });
}

void CKorvaldeView::resizeGL(int width, int height) {
    if (height <= 0) return;
    camera.aspectRatio = float(width) / float(height);
}

void CKorvaldeView::paintGL() {
    SceneData* scene = Scene();
    SceneData empty;
    if (!scene) scene = &empty;
    if (ApplyFit(camera, *scene)) fittedNodeCount_ = scene->nodeCount;
    settings.dimensions = context_.Dimensions();
    renderer_.DrawScene(*scene, camera, settings);
    if (document_) document_->MakeActive();
    selection_->DrawHighlight();
}

void CKorvaldeView::OnSceneChanged() {
    renderer_.InvalidateGeometry();
    SceneData* scene = Scene();
    // Files added to a fitted scene widen the view; edits keep the camera.
    if (scene && camera.fitPending == -1 && scene->nodeCount != fittedNodeCount_) {
        FitCameraToScene();
        fittedNodeCount_ = scene->nodeCount;
    }
    ResizeViewport();
}

void CKorvaldeView::OnSceneReloaded() {
    // The camera stays where the user left it, whatever the file now holds.
    renderer_.InvalidateGeometry();
    if (SceneData* scene = Scene()) fittedNodeCount_ = scene->nodeCount;
    ResizeViewport();
}

void CKorvaldeView::FitCameraToScene() {
    if (SceneData* scene = Scene()) vantor::FitCameraToScene(camera, *scene);
}

void CKorvaldeView::ViewThroughFileCamera(int index) {
    SceneData* scene = Scene();
    if (!scene || index < 0 || index >= int(scene->cameras.size())) return;
    vantor::ViewThroughFileCamera(camera, *scene, scene->cameras[size_t(index)]);
    RedrawView();
}

void CKorvaldeView::SetOrthographic() {
    camera.projectionMode = kProjectionOrthographic;
    RedrawView();
}

void CKorvaldeView::SetPerspective() {
    camera.projectionMode = kProjectionPerspective;
    RedrawView();
}

void CKorvaldeView::ResizeViewport() {
    if (height() <= 0) return;
    camera.aspectRatio = float(width()) / float(height());
    RedrawView();
}

void CKorvaldeView::RedrawView() {
    if (isVisible()) repaint();
}

void CKorvaldeView::ChangeFont() {
    bool ok = false;
    // The dialog starts from this view's font, which is the one it shows.
    const QFont chosen = QFontDialog::getFont(&ok, font_, this);
    if (ok) SetOutlineFont(chosen);
    RedrawView();
}

void CKorvaldeView::SetOutlineFont(const QFont& font) {
    font_ = font;
    font_.setPixelSize(kFontPixelHeight);
    if (!context()) return;  // built when the context is made
    makeCurrent();
    BuildFont();
    doneCurrent();
}

void CKorvaldeView::ToggleBackgroundBitmap() {
    if (settings.useBackgroundBitmap == 1) {
        settings.useBackgroundBitmap = 0;
        settings.backgroundBitmap = {};
        ResizeViewport();
        return;
    }
    std::string path;
    const QString filter = tr("Bitmap File Files (*.bmp)") + QStringLiteral("|*.bmp||");
    if (!context_.GetPrompt().AskOpenFile(filter.toStdString(), std::string(), path)) return;
    if (LoadBackgroundBitmap(path, settings) != BitmapLoad::Loaded)
        ShowError(QCoreApplication::translate("Render", kBitmapRefusedMessage));
    ResizeViewport();
}

void CKorvaldeView::ChooseBackgroundColour() {
    // The dialog starts from the colour chosen last in this run (at first
    // from the view's own background).
    static QColor lastChosen;
    if (!lastChosen.isValid())
        lastChosen = QColor::fromRgbF(settings.backgroundColour[0], settings.backgroundColour[1],
                                      settings.backgroundColour[2]);
    const QColor colour =
        QColorDialog::getColor(lastChosen, this, QString(), QColorDialog::DontUseNativeDialog);
    if (!colour.isValid()) return;
    lastChosen = colour;
    settings.backgroundColour[0] = colour.red() * 0.003921569f;
    settings.backgroundColour[1] = colour.green() * 0.003921569f;
    settings.backgroundColour[2] = colour.blue() * 0.003921569f;
    RedrawView();
}

void CKorvaldeView::ShowError(const QString& text) {
    context_.GetPrompt().ShowMessage(text.toStdString(), "Error", PromptButtons::Ok,
                                     PromptIcon::Exclamation);
}

bool CKorvaldeView::SaveImage(const QString& path) {
    return grabFramebuffer().save(path);
}

bool CKorvaldeView::OnCommand(int id) {
    using namespace cmd;
    switch (id) {
        case kOrthographic:
            SetOrthographic();
            return true;
        case kPerspective:
            SetPerspective();
            return true;
        case kChangeFont:
            ChangeFont();
            return true;
        case kBackgroundBitmap:
            ToggleBackgroundBitmap();
            return true;
        case kBackgroundColour:
            ChooseBackgroundColour();
            return true;
        case kSaveImage: {
            FileQuestion question;
            question.kind = FileQuestion::Kind::Save;
            question.filter = "PNG Image (*.png)|*.png|JPEG Image (*.jpg)|*.jpg||";
            std::string path;
            if (context_.GetPrompt().AskFile(question, path) &&
                !SaveImage(QString::fromStdString(path)))
                ShowError(QString::fromStdString(path));
            return true;
        }
        default:
            if (selection_->RunCommand(id)) return true;
            return navigation_->Navigator().RunCommand(id);
    }
}

void CKorvaldeView::UpdateCommandState(int id, bool& enabled, bool& checked) {
    using namespace cmd;
    switch (id) {
        case kOrthographic:
            checked = camera.projectionMode == kProjectionOrthographic;
            break;
        case kPerspective:
            checked = camera.projectionMode == kProjectionPerspective;
            break;
        case kBackgroundBitmap:
            checked = settings.useBackgroundBitmap == 1;
            break;
        default:
            if (!navigation_->Navigator().IsCommandChecked(id, checked)) return;
            break;
    }
    enabled = true;
}

}  // namespace vantor
