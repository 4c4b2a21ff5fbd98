#pragma once
// VrmlReader: a SceneData that fills itself from a VRML file. It reads the
// top file, every WWWInline child once, writes what it could not understand
// to the reading log, and finally runs the geometry preparation, so that
// the reader object itself becomes the document's scene.
//
// Node readers are members so that both node loops (VRML 1.0 here, VRML
// 2.0 in vrml2_*.cpp) share the reader state and the field readers.

#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "prompt/prompt.h"
#include "scene/scene_data.h"
#include "vrml_read/reading_log.h"
#include "vrml_read/vrml_text.h"

namespace vantor {

struct ProtoLibrary;

constexpr int kVrmlVersion1 = 10;
constexpr int kVrmlVersion2 = 20;
constexpr int kInlineChainLength = 10;  // top file included

class VrmlReader : public SceneData {
  public:
    VrmlReader();

    // Reads `path` as a document's top file or an assembly file: empties the
    // log at `logPath`, reads the file and its inlines, runs PrepareGeometry.
    // Returns 1, or -1 when the file was rejected (missing, empty, unknown
    // header); a rejected file leaves the scene empty.
    int ReadVrmlFile(const std::string& path, Prompt& prompt, const std::string& logPath);
    // The same for text held in memory (generated nodes), named `name`;
    // inlines resolve against the working folder and nothing is logged.
    int ReadVrmlText(std::string_view raw, const std::string& name, Prompt& prompt);

    // Appends `message` to the reading log as it is (callers end it with
    // "\r\n"). Returns 1, or -1 when the log cannot be opened.
    int WriteReadingLog(std::string_view message);
    // `message` + "\r\n".
    int LogLine(std::string_view message);
    // before + word + after + "\r\n", the usual "##%s##" form.
    int LogWord(std::string_view before, std::string_view word, std::string_view after);
    // Shows `message` in an "Error" box the first time it comes up in a
    // read: a fault in a PROTO's body repeats at every instance.
    void ShowReadingError(const std::string& message);

    // --- Reader state -------------------------------------------------------
    ReadingLog log;                        // path starts as "default_error.log"
    int32_t version = -999;                // 10 or 20 of the file being read
    std::string baseFolder;                // folder of the top file, with separator
    std::vector<std::string> inlineChain;  // files being read, outermost first
    int32_t inlineLevel = -9999;           // 1 while the top file is read
    int32_t currentFileIndex = 0;
    std::string currentFolder = "Initial";
    int32_t depth = 0;                     // grouping depth of the node loop
    std::string lastInfoText = "DEFAULT";  // string of the last Info node
    // Vertex ordering of the VRML 1.0 traversal (1 clockwise, else -1);
    // Separators and files keep theirs to themselves.
    int32_t vertexOrdering = -1;
    // Smoothing of face sets without normals (ShapeHints creaseAngle) and
    // normals bound per vertex without normalIndex; scoped like the ordering.
    struct FaceHints {
        float creaseAngle = 0;
        bool normalsPerVertex = false;
        std::string_view materialBinding;  // the MaterialBinding value word
        int32_t texture = -1;              // record of the Texture2 in force
        // u, v of the TextureCoordinate2 in force; shared, as Separators copy the hints.
        std::shared_ptr<const std::vector<float>> texPoints;
        // Em height of texts from the FontStyle in force; without one texts
        // keep the one unit they have always been drawn at.
        float fontSize = 1;
    };
    FaceHints faceHints;
    Prompt* prompt = nullptr;           // set while ReadVrmlFile runs
    std::set<std::string> shownErrors;  // boxes shown in this read (ShowReadingError)

    // --- Node loops ---------------------------------------------------------
    // Reads nodes of the current file's version until `depth` reaches
    // `stopDepth` or the text ends.
    int ReadNodes(std::string_view text, int& position, int stopDepth);
    int MakeVrmlList01(std::string_view text, int& position, int stopDepth);
    // The VRML 2.0 node loop (vrml2_*.cpp).
    int MakeVrmlList20(std::string_view text, int& position, int stopDepth);

    // --- Readers shared by both node loops ----------------------------------
    // Coordinate3 (kind::Coordinate3, field "point") or Normal (kind::Normal,
    // field "vector"): the row covers its floats in pointPool / normalPool.
    int ReadPointList(std::string_view text, int& position, int32_t nodeKind,
                      const std::string& defName);
    // Material: a new material row that becomes the current one.
    int ReadMaterial(std::string_view text, int& position, const std::string& defName);
    // IndexedFaceSet of VRML 1.0 (governed by the last Coordinate3/Normal).
    int ReadIndexedFaceSet(std::string_view text, int& position, const std::string& defName);
    int ReadIndexedLineSet(std::string_view text, int& position, const std::string& defName);
    // Finds the governing Coordinate3 and Normal rows of an indexed set and
    // reads its "{"; logs and returns -1 when either is missing.
    int OpenIndexedSet(std::string_view text, int& position, const char* node, int32_t& coordRow,
                       int32_t& normalRow);
    int ReadPointSet(std::string_view text, int& position, const std::string& defName);
    // Reads an index list after its "[" into `pool` as fanned triangles,
    // each index plus `base`; indices at or above `limit` (points in the
    // governing list) drop their face. Appends to `count`.
    void ReadFaceIndexList(std::string_view text, int& position, Pool<int32_t>& pool,
                           int32_t& count, int32_t base, int32_t limit);
    // Face sets are stored counter-clockwise: clockwise triangles in
    // [first, end) of `pool` are turned round once, as they are read.
    static void ReverseTriangles(Pool<int32_t>& pool, int32_t first, int32_t end);
    // USE: a reference row to the last row of the current file with that DEF
    // name. 1, or -1 (logged, no row) when the name is unknown.
    int ReadUse(std::string_view text, int& position, const std::string& defName);
    // PerspectiveCamera, OrthographicCamera and Viewpoint: one row of `nodeKind`.
    int ReadCamera(std::string_view text, int& position, int32_t nodeKind,
                   const std::string& defName);
    // The last row below `before` of the current file named `name` (row 0
    // excluded), or -1.
    int32_t FindDefRow(const std::string& name, int32_t before);
    // Names a row after it was added; USE lookups see the new name.
    void SetDefName(int32_t row, const std::string& name);
    // Rows from `row` on were taken back and may be added again.
    void ForgetRowsFrom(int32_t row);
    // WWWInline (kind::WWWInline) or Inline (kind::Inline): reads the named
    // file into this scene once. 1, or negative after an error.
    int ReadWWWInline(std::string_view text, int& position, const std::string& defName,
                      int32_t nodeKind = 0x500000);

    // Last row of `nodeKind` in the current file before the end of the table
    // (the root row excluded); -1 when there is none.
    int32_t FindGoverningRow(int32_t nodeKind) const;
    // Skips words up to the "}" that closes the block just opened, counting
    // nested braces.
    void SkipBlock(std::string_view text, int& position);
    // Skips words up to the next "]" (a list that is not kept).
    void SkipList(std::string_view text, int& position);
    // A compressed file that is cut short or fails its check: told to the
    // user, with zlib's reason in the reading log.
    void ReportDamagedFile(const std::string& path, const std::string& reason);
    // Name of the file being read (for messages).
    std::string CurrentFileName() const;

    // Reads an inline child whose raw text is loaded: header check,
    // preparation, node loop of its version. Completes the FileRecord at
    // `fileIndex`. Returns 1, or -1 when the file was empty or of an
    // unknown version.
    int ReadChildFile(VrmlText& text, int32_t fileIndex);

    // PROTO declarations of the files read so far (vrml2_proto.cpp).
    std::shared_ptr<ProtoLibrary> protoLibrary;

  private:
    // The last row of one kind in the current file, found by scanning only
    // the rows added since the previous lookup.
    struct GoverningRow {
        int32_t row = -1;
        int32_t scannedTo = 0;  // rows below this were looked at
    };
    int32_t UpdateGoverningRow(GoverningRow& cache, int32_t nodeKind) const;
    mutable GoverningRow coordinates_;
    mutable GoverningRow normals_;

    // DEF names per file: name -> the last row carrying it, for the rows
    // below defScannedTo_ and those renamed through SetDefName. An entry
    // can be stale after rows were taken back; lookups check it.
    std::vector<std::unordered_map<std::string, int32_t>> defRows_;
    int32_t defScannedTo_ = 1;
    void RegisterDefName(int32_t row, const std::string& name);

    void AddDefaultNodes();
    int ReadTopText(VrmlText& text, const std::string& fullPath);
    void FinishRoot(int32_t rootRow);
    // VRML 1.0 readers dispatched by MakeVrmlList01.
    int ReadSeparator(std::string_view text, int& position, const std::string& defName);
    int ReadTransformSeparator(std::string_view text, int& position, const std::string& defName);
    int ReadGroup(std::string_view text, int& position, const std::string& defName);
    int ReadSwitch(std::string_view text, int& position, const std::string& defName);
    int ReadLod(std::string_view text, int& position, const std::string& defName);
    int ReadWWWAnchor(std::string_view text, int& position, const std::string& defName);
    // The value word of a binding node starting at `position`, read ahead.
    static std::string_view BindingValue(std::string_view text, int position);
    // Keeps the diffuse colours of a Material with several, read ahead.
    void KeepDiffusePalette(std::string_view text, int position, int32_t materialRow);
    // Colours of a Cube's, Cylinder's or Cone's parts from the palette of
    // the current Material bound per part or face: a Color row before it.
    void AddPartColours(int32_t nodeKind);
    // Colours of a face set from the palette of the current Material.
    void AddPaletteColours(const std::vector<int32_t>& faces, int32_t pointBase, int32_t pointLimit,
                           const std::vector<int32_t>& materialIndices);
    int ReadShapeHints(std::string_view text, int& position, const std::string& defName);
    // A FontStyle sets the size of the texts after it (VRML 1.0's default 10).
    int ReadFontStyle(std::string_view text, int& position);
    // Texture2, TextureCoordinate2 and Texture2Transform set the texture state.
    int ReadTexture2(std::string_view text, int& position, const std::string& defName);
    int ReadTextureCoordinate2(std::string_view text, int& position, const std::string& defName);
    int ReadTexture2Transform(std::string_view text, int& position, const std::string& defName);
    // Texture coordinates of a face set under a texture, from the
    // TextureCoordinate2 in force and textureCoordIndex, else mapped from
    // its points; adds the TextureCoordinate2 row before it.
    void AddTextureCoordinates(const std::vector<int32_t>& faces, int32_t pointBase,
                               int32_t pointLimit, const std::vector<int32_t>& texIndices);
    int ReadTransform(std::string_view text, int& position, const std::string& defName);
    int ReadSingleTransform(std::string_view text, int& position, int32_t nodeKind,
                            const std::string& defName);
    int ReadPrimitive(std::string_view text, int& position, int32_t nodeKind,
                      const std::string& defName);
    int ReadAsciiText(std::string_view text, int& position, const std::string& defName);
    int ReadInfo(std::string_view text, int& position, const std::string& defName);
    int ReadUnsupportedNode(std::string_view text, int& position, int32_t nodeKind,
                            const std::string& defName);
    int ReadUnknownNode(std::string_view text, int& position, std::string_view word,
                        const std::string& defName);
    // Reserves `count` floats in valuePool and returns the first.
    int32_t ReserveBlock(int count);
    // Child range (and extra values) of a group row opened at `row`.
    void CloseGroupBlock(int32_t row, float third = -1, bool hasThird = false);

    // Index lists of the face set being read, before triangulation.
    std::vector<int32_t> rawCoordIndices_;
    std::vector<int32_t> rawNormalIndices_;
    std::vector<float> diffusePalette_;  // r, g, b of paletteMaterial_
    int32_t paletteMaterial_ = -1;
};

// "Add File To Data": reads `path` with a fresh reader (log at `logPath`)
// and appends it to `scene` as an assembly, then prepares the geometry
// again. Returns 1, or -1 when the file was rejected (scene unchanged).
int AddFileToData(SceneData& scene, const std::string& path, Prompt& prompt,
                  const std::string& logPath);

// Lookups of VRML 1.0 words; unknown words give kind::None (0x2800000).
int32_t NodeKindForName(std::string_view word);
int32_t FieldCodeForName(std::string_view word);
// Enumerated values ("LEFT", "SIDES", "TRUE", ...); unknown words give 0.
int32_t ValueCodeForWord(std::string_view word);

// The first index of a face list outside [0, limit), face ends (-1) aside;
// -1 when there is none.
int32_t FirstIndexOutside(const std::vector<int32_t>& list, int32_t limit);

}  // namespace vantor
