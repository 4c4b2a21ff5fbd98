#pragma once
// Display state of one view that drawing reads besides the camera.

#include <cstdint>
#include <vector>

namespace vantor {

enum DisplayMode : int32_t {
    kDisplayShaded = 0,
    kDisplayHiddenLineRemoval = 1,
    kDisplayHiddenLine = 2,
    kDisplayWireframe = 3,
};

// An indexed-colour background image already checked for size.
struct BackgroundBitmap {
    int side = 0;                  // width = height, a power of two 16..1024
    std::vector<uint8_t> indices;  // side x side colour indices, bottom row first
};

// How dimension groups are shown, held by the application for all views:
// their texts' size factor ("寸法高さ変更"), and all of them left out for
// the session without touching their tags.
struct DimensionDisplay {
    float textFactor = 1.0f;
    bool hidden = false;
};

struct RenderSettings {
    RenderSettings();

    int32_t displayMode = kDisplayShaded;
    float backgroundColour[4] = {0, 0, 0.5f, 0};  // alpha 1 is used for clearing
    int32_t showCoordinateCentre = 0;
    int32_t showRotationCentre = 0;
    int32_t showDatums = 0;
    int32_t playEach = 0;  // spins MatrixTransformKorvalde parts every frame
    float partSpin[16];    // per-part spin, identity at start
    // Highlight material of face sets tagged 20 (first 18 floats of a
    // material row).
    float highlightMaterial[18] = {1,    0.2f, 0.2f, 0, 1, 1, 0.2f, 0.2f, 1,
                                   0.1f, 0.1f, 0.1f, 0, 0, 0, 0,    0,    0};
    // Label orientations of the datum planes: Front, Side = Ry(+90),
    // Top = Rx(-90).
    float frontLabelOrientation[16];
    float sideLabelOrientation[16];
    float topLabelOrientation[16];

    DimensionDisplay dimensions;

    int32_t useBackgroundBitmap = 0;
    BackgroundBitmap backgroundBitmap;
    float redMap[256] = {};  // index-to-colour maps of the bitmap
    float blueMap[256] = {};
    float greenMap[256] = {};
};

}  // namespace vantor
