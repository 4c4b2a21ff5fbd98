#pragma once
// Writes a SceneData node table back out as VRML 1.0 text.
//
// Mode 0 writes each file's own nodes with inlined files kept as
// WWWInline references; mode 1 writes every loaded file as a Separator
// holding its default material and matrix and a WWWInline that points at
// the file it was read from (the form that keeps an assembly). Mode 2 is
// walked like mode 0.

#include <cstdint>
#include <string>
#include <vector>

#include "scene/scene_data.h"

namespace vantor {

class VrmlWriter {
  public:
    VrmlWriter() = default;

    void SetScene(const SceneData* scene);

    // Whole file: header block, WriteRange at level 0, closing line.
    // Appends to `out`; returns 1.
    int WriteFile(int32_t firstRow, int32_t endRow, std::string& out);
    // The recursive walk over rows [firstRow, endRow); returns 1.
    int WriteRange(int32_t firstRow, int32_t endRow, std::string& out);

    // Per-node writers (blocks and ranges as the rows hold them).
    void WriteCoordinate3(int32_t dataBegin, int32_t dataEnd, const std::string& def,
                          std::string& out);
    void WriteNormal(int32_t dataBegin, int32_t dataEnd, const std::string& def, std::string& out);
    void WriteIndexedFaceSet(int32_t row, int32_t block, const std::string& def, std::string& out);
    // The Color row (with colours) of the face set at `row`, or -1.
    int32_t ColourRowOf(int32_t row) const;
    // The Color row giving each part of the primitive at `row` its colour, or -1.
    int32_t PartColourRow(int32_t row) const;
    // A palette of the distinct corner colours (every colour in order when
    // not `distinct`), and the face set's materialIndex into it.
    void WriteColourPalette(int32_t colourRow, bool distinct = true);
    void WriteMaterialIndex(int32_t colourRow, int32_t corners);
    // A Texture2 naming the image relative to the output, or holding its
    // pixels; an empty one when the record is unusable.
    void WriteTexture(int32_t record, const std::string& def);
    // The corners' u, v as a TextureCoordinate2 list and the face set's
    // textureCoordIndex into it.
    void WriteTexCoords(int32_t texCoordRow);
    void WriteTexCoordIndex(int32_t corners);
    // `field [ i, j, k, -1, ... ]`, one triangle a line.
    void WriteCornerIndices(const char* field, const std::vector<int32_t>& indices);
    void WriteIndexedLineSet(int32_t row, int32_t block, const std::string& def, std::string& out);
    void WriteAsciiText(int32_t textIndex, const std::string& def, std::string& out);
    void WriteMatrixTransform(int32_t block, const std::string& def, std::string& out);
    void WriteMaterial(int32_t materialRow, const std::string& def, std::string& out);
    void WriteTranslation(int32_t block, const std::string& def, std::string& out);
    void WriteRotation(int32_t block, const std::string& def, std::string& out);
    void WriteScale(int32_t block, const std::string& def, std::string& out);
    void WriteTransform(int32_t block, const std::string& def, std::string& out);
    void WritePrimitive(int32_t kindCode, int32_t block, const std::string& def, std::string& out);
    void WritePointSet(int32_t row, const std::string& def, std::string& out);

    int32_t lineCount() const { return lineCount_; }  // node lines written
    int32_t level() const { return level_; }

    int32_t mode = 1;            // 0 top data, 1 new data, 2 as 0
    int32_t indentWidth = 2;     // blanks per level
    int32_t trailingBlanks = 4;  // blanks after the text of every node line
    std::string userName = "Default";
    // Text after "# Date :"; the local time when empty.
    std::string dateText;
    // Folder of the file being written. Inline references are written
    // relative to it; when empty they are the bare file names.
    std::string outputFolder;

  private:
    void BeginLine();
    void EndNodeLine();
    void NodeLine(const std::string& text);
    void HeaderLine(const std::string& text);
    // `DEF "d" <defForm>` or `<plainForm>` as a node line.
    void OpeningLine(const std::string& def, const char* defForm, const char* plainForm);
    void Exact(float value);              // coordinate-like value, blank before
    void SizeLine(float size);            // a FontStyle line of that size
    void Styled(float value, int style);  // blank before

    void WriteParts(float parts);  // Cone and Cylinder parts other than ALL
    void WriteGroup(int32_t row, const char* name, const std::string& def);
    void WriteLevels(int32_t row);
    void WriteSwitch(int32_t row, const std::string& def);
    void WriteFileAsInline(int32_t row);
    void WriteInline(int32_t row, const std::string& def);
    void WriteUse(int32_t row, const std::string& def);
    void WriteVectors(int32_t dataBegin, int32_t dataEnd, const Pool<float>& pool, int style);
    void WriteTriangles(const Pool<int32_t>& pool, int32_t first, int32_t end, int32_t base);
    void WriteLineIndices(const Pool<int32_t>& pool, int32_t first, int32_t end, int32_t base);
    // Sizes the per-row state to the scene (the walk may start anywhere).
    void PrepareWalkState();
    // For each row, the nearest earlier Coordinate3 ([0]) and Normal ([1]) row.
    void BuildListChains();
    // Nearest earlier Coordinate3 (Normal) row whose first vector number is
    // not above `firstIndex`; -1 when none.
    int32_t BaseRow(int32_t row, int32_t firstIndex, bool normals) const;
    // Makes sure the reader of the written file sees `baseRow` as the
    // governing Coordinate3 (Normal): writes it again when another list
    // was written since.
    void EnsureGoverning(int32_t baseRow, bool normals);
    std::string InlineReference(int32_t fileIndex) const;
    // `path` relative to outputFolder; `fallback` when either is unknown.
    std::string PathFromOutput(const std::string& path, const std::string& fallback) const;
    void MarkWritten(int32_t row, const std::string& def);
    bool IsKnownRow(int32_t row) const { return row >= 0 && row < scene_->nodeCount; }

    const SceneData* scene_ = nullptr;
    std::string* out_ = nullptr;
    int32_t lineCount_ = 0;
    int32_t level_ = 0;
    int32_t lastCoordinateRow_ = -1;  // last Coordinate3 in the output so far
    int32_t lastNormalRow_ = -1;
    std::vector<char> written_;  // rows already written under their DEF name
    std::vector<int32_t> previousList_[2];
};

}  // namespace vantor
