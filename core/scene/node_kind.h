#pragma once
// Node kind codes of the node table. The codes are bit-grouped families
// (0x14000.. transforms, 0x140000.. state-isolating groups, 0x500000..
// inline files); drawing, preparation and the structure tree test ranges.

#include <cstdint>
#include <string>

namespace vantor::kind {

constexpr int32_t Comma = 9;      // a list separator met where a node was expected
constexpr int32_t VrmlData = 10;  // root row of one file
constexpr int32_t AsciiText = 20;
constexpr int32_t Text = 21;
constexpr int32_t Cone = 40;
constexpr int32_t Cube = 41;
constexpr int32_t Cylinder = 42;
constexpr int32_t Sphere = 43;
constexpr int32_t Cone2 = 45;
constexpr int32_t Box = 46;
constexpr int32_t Cylinder2 = 47;
constexpr int32_t Sphere2 = 48;
constexpr int32_t IndexedFaceSet = 60;
constexpr int32_t IndexedLineSet = 80;
constexpr int32_t PointSet = 160;
constexpr int32_t Coordinate3 = 320;
constexpr int32_t Coordinate = 321;
constexpr int32_t CoordIndex = 322;
constexpr int32_t FontStyle = 640;
constexpr int32_t Info = 1280;
constexpr int32_t Lod = 2560;
constexpr int32_t Lod2 = 2561;
constexpr int32_t Material = 5120;
constexpr int32_t MaterialBinding = 5121;
constexpr int32_t Material2 = 5123;
constexpr int32_t Normal = 10240;
constexpr int32_t NormalG = 10241;  // per-face normals made by geometry preparation
constexpr int32_t NormalBinding = 10242;
constexpr int32_t Normal2 = 10244;
constexpr int32_t NormalIndex = 10245;
constexpr int32_t Texture2 = 20480;
constexpr int32_t TextureCoordinate2 = 20482;
constexpr int32_t ImageTexture = 20483;
constexpr int32_t PixelTexture = 20484;
constexpr int32_t MovieTexture = 20485;
constexpr int32_t TextureTransform = 20486;
constexpr int32_t Color = 20487;
constexpr int32_t ColorIndex = 20488;
constexpr int32_t Level = 21950;   // group row holding the levels of a VRML 2.0 LOD
constexpr int32_t Choice = 21960;  // group row holding the choices of a VRML 2.0 Switch
constexpr int32_t ColorPerVertex = 22010;
constexpr int32_t Ccw = 22011;
constexpr int32_t Convex = 22012;
constexpr int32_t CreaseAngle = 22013;
constexpr int32_t Solid = 22014;
constexpr int32_t NormalPerVertex = 22015;
constexpr int32_t ShapeHints = 40960;
constexpr int32_t MatrixTransform = 0x14000;
constexpr int32_t MatrixTransformKorvalde = 0x14001;
constexpr int32_t Rotation = 0x14002;
constexpr int32_t Scale = 0x14003;
constexpr int32_t Transform = 0x14004;  // VRML 1.0 value row
constexpr int32_t Translation = 0x14005;
constexpr int32_t Transform2 = 0x14006;  // VRML 2.0 grouping row
constexpr int32_t TranslationField = 81927;
constexpr int32_t RotationField = 81928;
constexpr int32_t ScaleField = 81929;
constexpr int32_t ScaleOrientationField = 81930;
constexpr int32_t CenterField = 81931;
constexpr int32_t BboxCenter = 81932;
constexpr int32_t BboxSize = 81933;
constexpr int32_t OrthographicCamera = 0x28000;
constexpr int32_t PerspectiveCamera = 0x28001;
constexpr int32_t DirectionalLight = 0x50000;
constexpr int32_t PointLight = 0x50001;
constexpr int32_t SpotLight = 0x50002;
constexpr int32_t Group = 0xA0000;
constexpr int32_t Switch = 0xA0001;
constexpr int32_t Switch2 = 0xA0002;
constexpr int32_t Appearance = 0xA0004;
constexpr int32_t Separator = 0x140000;
constexpr int32_t Shape = 0x140001;
constexpr int32_t TransformSeparator = 0x140002;
constexpr int32_t Children = 0x140004;
constexpr int32_t Proto = 0x140005;
constexpr int32_t IndexedFaceSet2 = 0x140006;  // VRML 2.0 grouping row
constexpr int32_t IndexedLineSet2 = 0x140007;  // VRML 2.0 grouping row
constexpr int32_t PointSet2 = 0x140008;        // VRML 2.0 grouping row
constexpr int32_t ElevationGrid = 0x140009;
constexpr int32_t Collision = 0x14000A;
constexpr int32_t Billboard = 0x14000B;
constexpr int32_t WWWAnchor = 0x280000;
constexpr int32_t Anchor = 0x280001;
constexpr int32_t WWWInline = 0x500000;
constexpr int32_t Inline = 0x500001;
constexpr int32_t Use = 0xA00000;
constexpr int32_t SeparatorDim = 0x1400000;  // Separator whose DEF name starts "KORVALDE_DIM"
constexpr int32_t None = 0x2800000;
constexpr int32_t Background = 0x2800001;
constexpr int32_t Route = 0x2800002;

// Groups whose three-value block is (first child, end row, saved material):
// Separator, SeparatorDim and the VRML 2.0 grouping rows.
bool IsSeparatorLike(int32_t code);
bool IsTransform(int32_t code);  // 0x14000 .. 0x14006
bool IsInline(int32_t code);     // WWWInline, Inline
bool IsTexture(int32_t code);    // Texture2, ImageTexture, PixelTexture
// Parts a Color row before a primitive colours: Cube 6, Cylinder 3, Cone 2,
// others 0.
int PrimitivePartCount(int32_t code);
// Groups whose two-value block is (first child, end row) and that keep no
// state to themselves: Group, Appearance, WWWAnchor, Anchor, both LODs.
bool IsPlainGroup(int32_t code);

// A Level row (the levels of a VRML 2.0 LOD) has a fourth block value, the
// end of its first level: only that level is drawn.
constexpr int kLevelFirstEnd = 3;

}  // namespace vantor::kind

namespace vantor {

// Display state of grouping rows, and the fixed stamps of other rows.
namespace tag {
constexpr int32_t Highlighted = 20;
constexpr int32_t Shown = 21;
constexpr int32_t Hidden = 22;
constexpr int32_t Value = 98070601;
constexpr int32_t DefaultRow = 20000419;
constexpr int32_t Text = 20000317;
constexpr int32_t Info = 20000327;
constexpr int32_t Comma = 20001013;
constexpr int32_t ShapeHints = 20001013;
constexpr int32_t PointSet = 20001015;
constexpr int32_t Material = 20001019;
constexpr int32_t Switch = 20001020;
constexpr int32_t Transform = 20001020;
}  // namespace tag

// Name of a node kind as the structure tree shows it; "DEFAULT" when unknown.
std::string KindName(int32_t code);

}  // namespace vantor
