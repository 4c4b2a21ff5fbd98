#pragma once
// The VRML 2.0 node loop and its handlers. VRML 2.0 has no traversal state,
// so every construct is rewritten into the rows a VRML 1.0 file would give:
// a grouping row that isolates state, the state rows (ShapeHints,
// Coordinate3, Normal, Material, Transform) and the VRML 1.0 geometry row.
// Geometry preparation, drawing, picking and the writer then need no
// VRML 2.0 knowledge.
//
// One object per file text; VrmlReader::MakeVrmlList20 makes it. USE,
// Inline and the reader state are the VrmlReader's.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace vantor {

class VrmlReader;
struct NodeRow;
struct TextureRecord;
struct ProtoDefinition;
struct ProtoField;
struct ProtoLibrary;

class Vrml2NodeReader {
  public:
    Vrml2NodeReader(VrmlReader& reader, std::string_view text);

    // Reads nodes from `position` until the text ends or the reader's depth
    // equals `stopDepth` after a node (so stopDepth == depth reads exactly
    // one node). Returns 1.
    int MakeVrmlList20(int& position, int stopDepth);

  private:
    // A grouping row whose value block is (first child, end row[, saved
    // material]); the block is filled when the group closes.
    struct OpenGroup {
        int32_t row;
        int32_t block;
        int width;  // 2, 3 or (a Level row) 4 floats
        int32_t savedMaterial;
    };
    // What a handler must take back when it drops the node it is reading.
    struct Checkpoint {
        int32_t nodeCount;
        int32_t valueCount;
        int32_t materialCount;
        int32_t currentMaterial;
        int32_t depth;
    };
    // The rows of a VRML 2.0 face set or elevation grid, in table order.
    struct FaceSetRows {
        OpenGroup group;
        int32_t hints;
        int32_t coord;
        int32_t normal;
        int32_t colour;
        int32_t texCoord;  // -1 when the Shape has no texture
        int32_t faceSet;
        int32_t faceBlock;
    };

    // --- Dispatch (vrml2_node_reader.cpp) ----------------------------------
    void DispatchNode(std::string_view word, const std::string& defName, int& position);
    int SetNodeTrabsformToVrml20Array(int& position, const std::string& defName);
    int SetNodeGroupToVrml20Array(int& position, const std::string& defName);
    int SetNodeAnchorToVrml20Array(int& position, const std::string& defName);
    // Collision and Billboard.
    int SetNodeCollisionToVrml20Array(int& position, const std::string& defName, int32_t code);
    int SetNodeSwitchToVrml20Array(int& position, const std::string& defName);
    int SetNodeLodToVrml20Array(int& position, const std::string& defName);
    int SetNodeChildrenToVrml20Array(int& position, const std::string& defName);
    // Reads a `children` value (a bracketed list or one node) into `group`.
    void ReadChildren(int& position, const OpenGroup& group);
    // Reads the fields of a grouping node up to its "}": children into
    // `children`, bounding boxes and `knownFields` skipped, any other field
    // skipped and logged under `handler`, the handler's name.
    void ReadGroupingFields(int& position, const OpenGroup& children, const std::string& handler,
                            std::initializer_list<std::string_view> knownFields);
    // Reads a `choice` or `level` list into a new group row of `groupKind`;
    // returns the row boundaries b0 .. bn of the entries.
    std::vector<int32_t> ReadChoiceList(int& position, int32_t groupKind);

    // --- Shape and appearance (vrml2_shape.cpp) ----------------------------
    int SetNodeShapeToVrml20Array(int& position, const std::string& defName);
    int SetNodeAppearanceToVrml20Array(int& position, const std::string& defName,
                                       int32_t appearanceRow, int32_t materialRow,
                                       int32_t ownMaterial);
    void ReadAppearanceField(int& position, int32_t appearanceRow, int32_t materialRow,
                             int32_t ownMaterial);
    void ReadMaterialField(int& position, int32_t materialRow, int32_t ownMaterial);
    // Reads a Material node body into material row `material`.
    void ReadMaterial20(int& position, int32_t material);
    void ReadGeometryField(int& position);
    int ReadPrimitive20(int& position, const std::string& defName, int32_t code);
    int ReadText20(int& position, const std::string& defName);
    void ReadFontStyle(int& position, int32_t textIndex);

    // --- Extrusion (vrml2_extrusion.cpp) -----------------------------------
    // Sweeps the Extrusion into an IndexedFaceSet's rows.
    int ReadExtrusion20(int& position, const std::string& defName);
    // A list of numbers (bracketed, or one value of `width` numbers) into
    // `out`, cut to whole values of `width`.
    void ReadNumberList(int& position, std::vector<float>& out, int width);

    // --- Geometry (vrml2_geometry.cpp) -------------------------------------
    int SetNodeIndexedFaceSetToVrml20Array(int& position, const std::string& defName);
    int SetNodeElevationGridToVrml20Array(int& position, const std::string& defName);
    int SetNodeIndexedLineSetToVrml20Array(int& position, const std::string& defName);
    int SetNodePointSetToVrml20Array(int& position, const std::string& defName);
    FaceSetRows AddFaceSetRows(int32_t groupKind, const std::string& defName);
    // `coord` / `normal`: a Coordinate or Normal node, or USE of one, into
    // the pre-made row. True when the row got its data.
    bool ReadVectorField(int& position, int32_t row, bool normals);
    // Reads the float triples of a point or vector list after its "[".
    void ReadFloatTriples(int& position, bool normals);
    // Reads an index list value (bracketed or one index) into `out`.
    void ReadIndexList(int& position, std::vector<int32_t>& out);
    // Makes the absolute triangles of the faces in rawCoord_ (and
    // rawNormal_, checked already, when `useNormals`), dropping faces that
    // cannot be drawn.
    void AppendTriangles(int32_t pointBase, int32_t pointLimit, bool useNormals, int32_t normalBase,
                         const char* nodeName);
    // Reads the list `field` of a `nodeName` node (Color, TextureCoordinate)
    // into `values`, or skips what stands in its place; false then.
    bool ReadValueNode(int& position, std::string_view nodeName, std::string_view field,
                       std::vector<float>& values);
    // Gives the face set just read its texture coordinates from texPoints_
    // and rawTexIndex_, or the default mapping of its points.
    void AddFaceTexCoords(int32_t texCoordRow, const NodeRow& coord, bool clockwise);
    // Reads the texture and textureTransform fields of an Appearance.
    void ReadTextureField(int& position);
    void ReadTextureTransform(int& position, TextureRecord& transform);
    // Gives the Shape the texture of the Appearance row `appearanceRow` names.
    void ShareAppearanceTexture(int32_t appearanceRow);
    // Gives the face set just read its colours from palette_ and rawColour_.
    void AddFaceColours(int32_t colourRow, int32_t pointBase, int32_t pointLimit, bool clockwise,
                        bool perVertex);

    // --- Prototypes (vrml2_proto.cpp) ---------------------------------------
    static constexpr int kNeverStop = -0x7FFFFFFF;
    ProtoLibrary& Library();
    void ReadProtoDeclaration(int& position);
    void ReadExternProtoDeclaration(int& position);
    // Reads the PROTO named `name` (or the file's first) from a URL into
    // this file's declarations; false when it cannot.
    bool LoadExternProto(const std::string& name, const std::string& url);
    // The "[ ... ]" interface: names, and default values when `withValues`.
    std::vector<ProtoField> ReadInterface(int& position, bool withValues);
    const ProtoDefinition* FindProto(std::string_view name);
    // Reads an instance's fields; returns its body with IS replaced.
    std::string ExpandInstance(const ProtoDefinition& proto, int& position);
    // The text of the field value at `position`, which it passes.
    std::string ValueText(int& position);
    // False when `word` names no prototype (nothing read). `geometry`: the
    // instance stands in a Shape's geometry field.
    bool ReadProtoInstance(std::string_view word, const std::string& defName, int& position,
                           bool geometry);

    // --- Shared helpers (vrml2_node_reader.cpp) ----------------------------
    OpenGroup AddGroupRow(int32_t kind, int width, const std::string& defName,
                          int32_t tagValue = 21);
    void CloseGroup(const OpenGroup& group);
    Checkpoint Save() const;
    void RollBack(const Checkpoint& checkpoint);
    // Checks for the opening "{". When it is missing: logs `message`, skips
    // to the matching "}" and returns false.
    bool ExpectBrace(int& position, const char* message);
    // USE read through the VrmlReader; when it resolves to a row of one of
    // `kinds`, the USE row and its record are taken back and the referenced
    // row is returned; otherwise -1 (a USE row of another kind stays).
    int32_t ReadUseOf(int& position, const std::string& defName,
                      std::initializer_list<int32_t> kinds, std::string& referencedName);
    // The name after "DEF" (kept off the recursion's stack frames).
    std::string ReadDefName(int& position);
    // The next node word, past a "DEF name" whose name goes to `defName`.
    std::string_view NextNodeWord(int& position, std::string& defName);
    // Reads `count` numbers of a single vector field. Commas may separate
    // the components ("0.9,0.9,0.9" is common); a trailing comma is taken.
    // Returns 1, or -1 (logged, position before the word that is not a
    // number, so the field loop resumes there).
    int ReadFloats(int& position, float* values, int count);
    // Skips the value of a field this reader does not keep: a bracketed
    // list, a node (with DEF/USE), a run of numbers or one word.
    void SkipFieldValue(int& position);
    // A ROUTE met among a node's fields (animation exporters write them
    // there): its three words are skipped. False for any other word.
    bool SkipRoute(std::string_view word, int& position);
    // Skips "{ ... }" when the next word opens a block.
    void SkipNodeBody(int& position);
    // Past the expansion limits: logs once and skips the instance (its body
    // unless the expansion has read it already).
    void SkipOverBudget(const std::string& name, int& position, bool bodyRead);
    // Skips to the "}" closing a block whose "{" was just read.
    void SkipBlock(int& position);
    // Skips to the "]" closing a list whose "[" was just read.
    void SkipList(int& position);
    std::string_view Next(int& position) const;
    std::string_view Peek(int position) const;
    bool AtEnd(int position) const { return position >= int(text_.size()); }
    void Log(const std::string& message);
    void LogWord(const char* before, std::string_view word, const char* after);

    VrmlReader& reader_;
    std::string_view text_;
    std::vector<int32_t> rawCoord_;  // index lists kept relative until "}"
    std::vector<int32_t> rawNormal_;
    std::vector<int32_t> rawColour_;
    std::vector<float> palette_;        // r, g, b of the face set's Color node
    std::vector<float> texPoints_;      // u, v of its TextureCoordinate node
    std::vector<int32_t> rawTexIndex_;  // its texCoordIndex
    int32_t shapeTexture_ = -1;         // texture record of the Shape being read
    // DEF'd Color and TextureCoordinate nodes: node name and values.
    std::unordered_map<std::string, std::pair<std::string, std::vector<float>>> valueNodes_;
    std::vector<int32_t> indexBuffer_;  // ReadIndexList's scratch, never shrunk
    std::vector<float> heights_;
};

// printf-style formatting of log messages.
std::string Format20(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace vantor
