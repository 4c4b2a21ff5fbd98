#pragma once
// The OpenGL view of one child window: owns the camera and the display
// settings of its document and draws the scene through viewer_render.
// Navigation and picking work on the public camera, settings and renderer.

#include <QOpenGLWidget>
#include <QRect>
#include <cstdint>

#include "context/command_target.h"
#include "render/camera.h"
#include "render/render_settings.h"
#include "render/scene_renderer.h"

namespace vantor {

class AppContext;
class CKorvaldeDoc;
class SceneData;
class ViewNavigation;
class ViewSelection;

class CKorvaldeView : public QOpenGLWidget, public CommandTarget {
    Q_OBJECT
  public:
    explicit CKorvaldeView(CKorvaldeDoc* doc, QWidget* parent = nullptr);
    ~CKorvaldeView() override;

    CKorvaldeDoc* Document() const { return document_; }
    // The application's services, from the document (a stand-in without one).
    AppContext& Context() const { return context_; }
    SceneData* Scene() const;
    SceneRenderer& Renderer() { return renderer_; }
    // Key, mouse and camera commands of this view.
    ViewNavigation& Navigation() { return *navigation_; }
    ViewSelection& Selection() { return *selection_; }

    // Camera, display state and the other fields the view keeps.
    Camera camera;
    RenderSettings settings;
    QRect clientRect;  // client size when the context was made

    // Frames the scene's box (after "Add File To Data"); keeps the
    // orientation.
    void FitCameraToScene();
    // Looks through camera `index` of the scene's cameras (the file's own).
    void ViewThroughFileCamera(int index);
    void SetOrthographic();
    void SetPerspective();
    // Aspect ratio from the window, then a redraw ("再ペイント").
    void ResizeViewport();
    // Draws the view again now.
    void RedrawView();
    void ChangeFont();
    // The outline font of this view's texts (other views keep theirs).
    void SetOutlineFont(const QFont& font);
    const QFont& OutlineFont() const { return font_; }
    void ToggleBackgroundBitmap();
    void ChooseBackgroundColour();
    // Writes the current view as an image file; false when it failed.
    bool SaveImage(const QString& path);

    bool OnCommand(int id) override;
    void UpdateCommandState(int id, bool& enabled, bool& checked) override;

  protected:
    void initializeGL() override;
    void resizeGL(int width, int height) override;
    void paintGL() override;

  private:
    void OnSceneChanged();
    void OnSceneReloaded();
    void ReleaseGl();
    void BuildFont();
    // A warning titled "Error" through the application's prompt.
    void ShowError(const QString& text);

    CKorvaldeDoc* document_;
    AppContext& context_;
    SceneRenderer renderer_;
    QFont font_;  // the outline font of this view's texts
    int32_t fittedNodeCount_ = 0;
    ViewNavigation* navigation_;  // child object
    ViewSelection* selection_;    // child object
};

}  // namespace vantor
