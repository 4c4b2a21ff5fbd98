#pragma once
// Extruded outline glyphs as display lists: list base + c draws character c
// (0..254) one em about one unit high and then moves on by its advance.
// Other characters get lists made on demand. Each font has its own lists,
// so views sharing one GL namespace can show different fonts.

#include <QFont>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "scene/scene_data.h"

namespace vantor {

constexpr int kFontListCount = 255;
constexpr float kFontExtrusion = 0.15f;
constexpr int kFontPixelHeight = 28;

// One glyph as filled triangles (x, y triples of the front face, em = 1)
// and its outline contours, ready for extrusion.
struct GlyphGeometry {
    std::vector<float> triangles;              // x, y per vertex, 3 vertices each
    std::vector<std::vector<float>> contours;  // closed polylines, x, y pairs
    float advance = 0;
};

// Tessellates the outline of one character with the non-zero rule.
GlyphGeometry TessellateGlyph(const QFont& font, char32_t character);

// The font used when none was chosen: a plain sans face, 28 px.
QFont DefaultOutlineFont();

using GlyphSource = GlyphGeometry (*)(const QFont& font, char32_t character);

class OutlineFont {
  public:
    // Where outlines come from; tests stand in a font that has none.
    static GlyphSource glyphSource;

    OutlineFont() = default;
    ~OutlineFont() = default;
    OutlineFont(const OutlineFont&) = delete;
    OutlineFont& operator=(const OutlineFont&) = delete;

    // Builds 255 lists from `font` in the current context. Returns
    // false when the lists could not be made or the font gave no outline for
    // any of those characters (the caller reports it).
    bool Build(const QFont& font);
    // Deletes every list this font made.
    void Release();
    bool IsBuilt() const { return built_; }

    // Width of `text` in ems, as drawing it would advance.
    float Advance(const std::u32string& text) const;
    // Draws code points one after another from the current position.
    void DrawCodePoints(const std::u32string& text);
    // Draws a text node's lines in their places, scaled by its font size.
    void DrawTextRecord(const TextRecord& record);

  private:
    uint32_t ListFor(char32_t character);

    QFont font_;
    bool built_ = false;
    uint32_t base_ = 0;  // first of the 255 lists
    std::unordered_map<char32_t, uint32_t> extraLists_;
};

// Decodes bytes of a file text: UTF-8 when the bytes are valid UTF-8, else
// Shift-JIS (old Japanese files).
std::u32string DecodeFileText(const std::string& bytes);

}  // namespace vantor
