#include "render/outline_font.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QStringDecoder>
#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "render/gl_headers.h"
#include "scene/text_layout.h"

namespace vantor {

namespace {

#ifndef CALLBACK
#define CALLBACK
#endif

struct TessState {
    std::vector<float>* triangles;
    std::vector<double*> extra;  // vertices made by the combine callback
};

void CALLBACK OnVertex(void* data, void* polygon) {
    auto* state = static_cast<TessState*>(polygon);
    const double* v = static_cast<const double*>(data);
    state->triangles->push_back(float(v[0]));
    state->triangles->push_back(float(v[1]));
}

void CALLBACK OnCombine(GLdouble coords[3], void* [4], GLfloat[4], void** out, void* polygon) {
    auto* state = static_cast<TessState*>(polygon);
    auto* v = new double[3]{coords[0], coords[1], coords[2]};
    state->extra.push_back(v);
    *out = v;
}

// Its presence alone makes the tessellator emit separate triangles only:
// lists of fans or strips crash Mesa in selection mode.
void CALLBACK OnEdgeFlag(GLboolean, void*) {}
void CALLBACK OnBegin(GLenum, void*) {}
void CALLBACK OnEnd(void*) {}

double SignedArea(const std::vector<float>& c) {
    double area = 0;
    const size_t n = c.size() / 2;
    for (size_t i = 0; i < n; ++i) {
        const size_t j = (i + 1) % n;
        area += double(c[2 * i]) * c[2 * j + 1] - double(c[2 * j]) * c[2 * i + 1];
    }
    return area / 2;
}

void EmitGlyph(const GlyphGeometry& g) {
    const float depth = -kFontExtrusion;
    glBegin(GL_TRIANGLES);
    glNormal3f(0, 0, 1);
    for (size_t i = 0; i + 1 < g.triangles.size(); i += 2)
        glVertex3f(g.triangles[i], g.triangles[i + 1], 0);
    glNormal3f(0, 0, -1);
    // The back face runs the other way round.
    for (size_t t = 0; t + 5 < g.triangles.size(); t += 6) {
        for (size_t v : {size_t(4), size_t(2), size_t(0)})
            glVertex3f(g.triangles[t + v], g.triangles[t + v + 1], depth);
    }
    glEnd();

    // Side walls: the orientation of the largest contour tells outer
    // contours from holes, which gives the walls outward normals.
    double largest = 0;
    for (const auto& c : g.contours) {
        const double a = SignedArea(c);
        if (std::abs(a) > std::abs(largest)) largest = a;
    }
    const float sign = largest >= 0 ? 1.0f : -1.0f;
    glBegin(GL_QUADS);
    for (const auto& c : g.contours) {
        const size_t n = c.size() / 2;
        for (size_t i = 0; i < n; ++i) {
            const size_t j = (i + 1) % n;
            const float x0 = c[2 * i], y0 = c[2 * i + 1], x1 = c[2 * j], y1 = c[2 * j + 1];
            float nx = sign * (y1 - y0), ny = sign * (x0 - x1);
            const float length = std::sqrt(nx * nx + ny * ny);
            if (length <= 0) continue;
            glNormal3f(nx / length, ny / length, 0);
            if (sign > 0) {
                glVertex3f(x0, y0, 0), glVertex3f(x0, y0, depth);
                glVertex3f(x1, y1, depth), glVertex3f(x1, y1, 0);
            } else {
                glVertex3f(x0, y0, 0), glVertex3f(x1, y1, 0);
                glVertex3f(x1, y1, depth), glVertex3f(x0, y0, depth);
            }
        }
    }
    glEnd();
    glTranslatef(g.advance, 0, 0);
}

}  // namespace

QFont DefaultOutlineFont() {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kFontPixelHeight);
    font.setWeight(QFont::Normal);
    return font;
}

GlyphGeometry TessellateGlyph(const QFont& font, char32_t character) {
    GlyphGeometry glyph;
    const QString text = QString::fromUcs4(&character, 1);
    const double em = font.pixelSize() > 0 ? font.pixelSize() : QFontMetricsF(font).height();
    glyph.advance = float(QFontMetricsF(font).horizontalAdvance(text) / em);
    if (character < 0x20) return glyph;

    QPainterPath path;
    path.addText(0, 0, font, text);
    const QList<QPolygonF> polygons = path.toSubpathPolygons();
    for (const QPolygonF& polygon : polygons) {
        std::vector<float> contour;
        for (qsizetype i = 0; i < polygon.size(); ++i) {
            // Qt's y runs down; drop the closing repeat of the first point.
            if (i + 1 == polygon.size() && i > 0 && polygon[i] == polygon[0]) break;
            contour.push_back(float(polygon[i].x() / em));
            contour.push_back(float(-polygon[i].y() / em));
        }
        if (contour.size() >= 6) glyph.contours.push_back(std::move(contour));
    }
    if (glyph.contours.empty()) return glyph;

    GLUtesselator* tess = gluNewTess();
    TessState state{&glyph.triangles, {}};
    using Callback = void(CALLBACK*)();
    gluTessCallback(tess, GLU_TESS_BEGIN_DATA, reinterpret_cast<Callback>(OnBegin));
    gluTessCallback(tess, GLU_TESS_VERTEX_DATA, reinterpret_cast<Callback>(OnVertex));
    gluTessCallback(tess, GLU_TESS_END_DATA, reinterpret_cast<Callback>(OnEnd));
    gluTessCallback(tess, GLU_TESS_COMBINE_DATA, reinterpret_cast<Callback>(OnCombine));
    gluTessCallback(tess, GLU_TESS_EDGE_FLAG_DATA, reinterpret_cast<Callback>(OnEdgeFlag));
    gluTessProperty(tess, GLU_TESS_WINDING_RULE, GLU_TESS_WINDING_NONZERO);
    gluTessNormal(tess, 0, 0, 1);
    std::vector<double> coords;
    for (const auto& c : glyph.contours) coords.reserve(coords.size() + c.size() / 2 * 3);
    size_t total = 0;
    for (const auto& c : glyph.contours) total += c.size() / 2 * 3;
    coords.resize(total);
    size_t at = 0;
    gluTessBeginPolygon(tess, &state);
    for (const auto& c : glyph.contours) {
        gluTessBeginContour(tess);
        for (size_t i = 0; i + 1 < c.size(); i += 2) {
            double* v = &coords[at];
            v[0] = c[i], v[1] = c[i + 1], v[2] = 0;
            at += 3;
            gluTessVertex(tess, v, v);
        }
        gluTessEndContour(tess);
    }
    gluTessEndPolygon(tess);
    gluDeleteTess(tess);
    for (double* v : state.extra) delete[] v;
    // The front face must be counter-clockwise for lighting.
    for (size_t t = 0; t + 5 < glyph.triangles.size(); t += 6) {
        float* v = &glyph.triangles[t];
        const double cross =
            double(v[2] - v[0]) * (v[5] - v[1]) - double(v[3] - v[1]) * (v[4] - v[0]);
        if (cross < 0) std::swap(v[2], v[4]), std::swap(v[3], v[5]);
    }
    return glyph;
}

GlyphSource OutlineFont::glyphSource = TessellateGlyph;

bool OutlineFont::Build(const QFont& font) {
    Release();
    font_ = font;
    if (font_.pixelSize() <= 0) font_.setPixelSize(kFontPixelHeight);
    while (glGetError() != GL_NO_ERROR) {
    }
    base_ = glGenLists(kFontListCount);
    if (base_ == 0) return false;
    bool anyOutline = false;
    for (int c = 0; c < kFontListCount; ++c) {
        const GlyphGeometry glyph = glyphSource(font_, char32_t(c));
        anyOutline = anyOutline || !glyph.triangles.empty();
        glNewList(base_ + c, GL_COMPILE);
        EmitGlyph(glyph);
        glEndList();
    }
    built_ = glGetError() == GL_NO_ERROR && glIsList(base_ + 'A');
    // Without a single outline every text would silently vanish.
    if (!built_ || !anyOutline) Release();
    return built_;
}

void OutlineFont::Release() {
    if (base_) glDeleteLists(base_, kFontListCount);
    base_ = 0;
    for (const auto& [character, list] : extraLists_) glDeleteLists(list, 1);
    extraLists_.clear();
    built_ = false;
}

uint32_t OutlineFont::ListFor(char32_t character) {
    if (character < char32_t(kFontListCount)) return base_ + character;
    const auto found = extraLists_.find(character);
    if (found != extraLists_.end()) return found->second;
    const uint32_t list = glGenLists(1);
    if (list == 0) return 0;
    glNewList(list, GL_COMPILE);
    EmitGlyph(glyphSource(font_, character));
    glEndList();
    extraLists_.emplace(character, list);
    return list;
}

float OutlineFont::Advance(const std::u32string& text) const {
    const double em = font_.pixelSize() > 0 ? font_.pixelSize() : QFontMetricsF(font_).height();
    const QString string = QString::fromUcs4(text.data(), qsizetype(text.size()));
    return float(QFontMetricsF(font_).horizontalAdvance(string) / em);
}

void OutlineFont::DrawCodePoints(const std::u32string& text) {
    if (!built_) return;
    for (char32_t c : text) {
        const uint32_t list = ListFor(c);
        if (list) glCallList(list);
    }
}

void OutlineFont::DrawTextRecord(const TextRecord& record) {
    const auto width = [this](const std::string& bytes) { return Advance(DecodeFileText(bytes)); };
    glPushMatrix();
    glScalef(record.fontSize, record.fontSize, record.fontSize);
    for (const TextLine& line : LayOutText(record, width)) {
        glPushMatrix();
        glTranslatef(line.x, line.y, 0);
        DrawCodePoints(DecodeFileText(line.bytes));
        glPopMatrix();
    }
    glPopMatrix();
}

std::u32string DecodeFileText(const std::string& bytes) {
    const QByteArray raw(bytes.data(), qsizetype(bytes.size()));
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(raw);
    if (utf8.hasError()) {
        QStringDecoder shiftJis("Shift_JIS");
        if (shiftJis.isValid()) {
            text = shiftJis.decode(raw);
        } else {
            text = QString::fromLatin1(raw);
        }
    }
    std::u32string out;
    for (char32_t c : text.toStdU32String()) out.push_back(c);
    return out;
}

}  // namespace vantor
