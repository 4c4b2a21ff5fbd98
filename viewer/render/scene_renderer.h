#pragma once
// One frame of a document's scene: the walk of the node table with its
// transforms, materials, tags and Switch choices, the shapes in the four
// display modes, the background, the idle screen and the overlays.
//
// The walk is kept in one place: a pick pass derives from SceneRenderer
// and overrides the hooks (which groups to enter, names around shapes).

#include <cstdint>
#include <vector>

#include "render/camera.h"
#include "render/geometry_buffers.h"
#include "render/outline_font.h"
#include "render/render_settings.h"
#include "render/texture_cache.h"

namespace vantor {

class SceneData;

class SceneRenderer {
  public:
    SceneRenderer();
    virtual ~SceneRenderer();
    SceneRenderer(const SceneRenderer&) = delete;
    SceneRenderer& operator=(const SceneRenderer&) = delete;

    // Makes the font lists in the current context; false when they failed
    // (drawing goes on without text).
    bool InitFont(const QFont& font);
    OutlineFont& Font() { return font_; }
    // Frees lists and buffers; the owning context must be current.
    void ReleaseGl();
    // Rebuild the vertex buffers before the next frame (after point or
    // normal edits, which do not change any count).
    void InvalidateGeometry() { buffers_.Invalidate(); }
    const GeometryBuffers& Buffers() const { return buffers_; }

    // One frame into the current framebuffer and viewport. Loads the
    // camera's projection and clears; the caller presents the result.
    void DrawScene(SceneData& scene, Camera& camera, RenderSettings& settings);

    // The walk of rows first .. end-1 under the state set by BeginWalk.
    void DrawNodeRange(int32_t first, int32_t end);
    // Sets the scene, camera and settings the walk reads, and prepares the
    // vertex buffers. EndWalk unbinds them.
    void BeginWalk(SceneData& scene, Camera& camera, RenderSettings& settings);
    void EndWalk();

    void ApplyMaterial(int32_t row);
    void ApplyMaterialSpec(const float* spec);
    int32_t appliedMaterial = 0;  // material row last applied
    int32_t appliedTexture = -1;  // texture record in force, -1 for none

    // Overlays, in the camera's modelview with lighting off.
    void DrawCoordinateCentre();
    void DrawRotationCentre();
    void DrawDatums();
    // The datum planes under the pick names -10501..-10503 / 10501..10503.
    void DrawDatumsPickForm();
    // One datum plane outline (0 Front, 1 Side, 2 Top) in a colour.
    void DrawDatumOutline(int plane, const float colour[3]);

    // Phases of the idle title colours; they advance every idle frame.
    float titlePhase[3] = {0, 0, 0};
    // Date and time the idle screen shows, as year, month, day, hour,
    // minute, second; all -1 means the current local time.
    int idleTime[6] = {-1, -1, -1, -1, -1, -1};

    // Turns the current modelview so that a text at its origin faces the
    // viewer and scales it with the zoom and `factor`.
    static void MultiplyFacingText(const Camera& camera, float factor);

  protected:
    // Whether the walk enters the children of a grouping row (Separator-
    // like, TransformSeparator, Vrml_Data, inline). Drawing: tag 21 only.
    virtual bool EntersGroup(int32_t row);
    // Around the children of a Vrml_Data or inline row.
    virtual void OnEnterFile(int32_t) {}
    virtual void OnLeaveFile(int32_t) {}
    // Around the children of a Separator-like or TransformSeparator row.
    virtual void OnEnterGroup(int32_t) {}
    virtual void OnLeaveGroup(int32_t) {}
    // After a transform row was applied.
    virtual void OnTransformApplied(int32_t) {}
    // Draws one shape row (face, line, point set, primitive, text).
    virtual void DrawShape(int32_t row);

    void LoadProjection();
    void DrawIdleScreen();
    void DrawBackgroundBitmap();
    void DrawFaceSet(int32_t row);
    // Shaded mode: binds the texture in force for a face set with texture
    // coordinates or a primitive that maps it; false when it draws plain.
    bool BeginTexture(int32_t row);
    void EndTexture(int32_t row);
    // Shaded mode: the colours of a primitive's parts (a Color row just
    // before it), or null.
    const float* PartColours(int32_t row) const;
    // Shaded mode: a shape under a transparent material is kept for a
    // second pass instead of being drawn now.
    bool DefersTransparent(int32_t row);
    // Draws the kept shapes back to front, blended, without depth writes.
    void DrawDeferredTransparent();

    // The pick pass draws immediate-mode geometry and skips the buffers.
    bool useBuffers_ = true;
    SceneData* scene_ = nullptr;
    Camera* camera_ = nullptr;
    RenderSettings* settings_ = nullptr;

  private:
    // Draws a child range under push/pop, restoring the material.
    void DrawIsolated(int32_t first, int32_t end, bool pushMatrix);
    void ToggleMirrored();
    int32_t BlockInt(int32_t offset, int index) const;
    const float* BlockAt(int32_t offset, int count) const;
    void DrawLabel(const char* text, const float at[3], const float orientation[16],
                   const float colour[3], float scale);

    GeometryBuffers buffers_;
    TextureCache textures_;
    OutlineFont font_;
    std::vector<uint8_t> active_;  // rows being walked, to cut USE cycles
    int depth_ = 0;
    int dimensionDepth_ = 0;  // dimension groups being walked
    bool mirrored_ = false;   // the transforms walked so far mirror the part
    struct DeferredShape {
        int32_t row;
        int32_t material;
        int32_t texture;
        bool mirrored;
        float modelView[16];
    };
    bool collectTransparent_ = false;
    std::vector<DeferredShape> deferred_;
    uint32_t backgroundTexture_ = 0;
};

}  // namespace vantor
