// Extrusion: swept into an IndexedFaceSet while reading, so the rest of the
// system sees an ordinary face set.

#include <array>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "vrml_read/vrml2_node_reader.h"
#include "vrml_read/vrml_reader.h"

namespace vantor {

namespace {

// Spine points times cross-section points: beyond this an Extrusion is
// refused rather than swept (a hostile file could ask for billions).
constexpr size_t kMaxExtrusionPoints = size_t(1) << 22;

using Vec3 = std::array<double, 3>;

Vec3 Minus(const Vec3& a, const Vec3& b) {
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}
Vec3 Cross(const Vec3& a, const Vec3& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
double Dot(const Vec3& a, const Vec3& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}
bool Normalize(Vec3& v) {
    const double length = std::sqrt(Dot(v, v));
    if (!(length > 1e-12)) return false;
    for (double& c : v) c /= length;
    return true;
}

// Rotates `v` about the unit `axis` by `angle` (Rodrigues).
Vec3 Rotate(const Vec3& v, const Vec3& axis, double angle) {
    const double c = std::cos(angle), s = std::sin(angle);
    const Vec3 k = Cross(axis, v);
    const double d = Dot(axis, v) * (1 - c);
    return {v[0] * c + k[0] * s + axis[0] * d, v[1] * c + k[1] * s + axis[1] * d,
            v[2] * c + k[2] * s + axis[2] * d};
}

struct ExtrusionFields {
    std::vector<float> crossSection{1, 1, 1, -1, -1, -1, -1, 1, 1, 1};
    std::vector<float> spine{0, 0, 0, 0, 1, 0};
    std::vector<float> scale{1, 1};
    std::vector<float> orientation{0, 0, 1, 0};
    bool beginCap = true, endCap = true, ccw = true, convex = true, solid = true;
    float creaseAngle = 0;
};

// The spine-aligned axes (x, y, z) of every spine point.
std::vector<std::array<Vec3, 3>> SpineFrames(const std::vector<Vec3>& spine) {
    const size_t n = spine.size();
    const bool closed =
        n > 2 && Dot(Minus(spine[0], spine[n - 1]), Minus(spine[0], spine[n - 1])) < 1e-12;
    std::vector<Vec3> ys(n), zs(n);
    std::vector<bool> zKnown(n, false);
    for (size_t i = 0; i < n; ++i) {
        const size_t prev = i > 0 ? i - 1 : (closed ? n - 2 : 0);
        const size_t next = i + 1 < n ? i + 1 : (closed ? 1 : n - 1);
        ys[i] = Minus(spine[next], spine[prev]);
        if (prev != i && next != i) {
            zs[i] = Cross(Minus(spine[next], spine[i]), Minus(spine[prev], spine[i]));
            zKnown[i] = Normalize(zs[i]);
        }
    }
    // Ends and straight stretches take the nearest known z; a fully
    // straight spine turns the cross-section plane onto its direction.
    Vec3 straightY{0, 1, 0};
    for (size_t i = 0; i < n; ++i)
        if (Normalize(ys[i])) {
            straightY = ys[i];
            break;
        }
    Vec3 lastZ{0, 0, 0};
    bool anyZ = false;
    for (size_t i = 0; i < n; ++i) {
        if (zKnown[i]) {
            if (anyZ && Dot(zs[i], lastZ) < 0) zs[i] = {-zs[i][0], -zs[i][1], -zs[i][2]};
            lastZ = zs[i];
            anyZ = true;
        }
    }
    Vec3 fill{0, 0, 1};
    if (!anyZ) {
        // Rotation taking +y onto the spine's direction applied to +z.
        Vec3 axis = Cross(Vec3{0, 1, 0}, straightY);
        const double angle = std::acos(std::max(-1.0, std::min(1.0, straightY[1])));
        if (Normalize(axis))
            fill = Rotate(Vec3{0, 0, 1}, axis, angle);
        else if (straightY[1] < 0)
            fill = {0, 0, -1};
    } else {
        for (size_t i = 0; i < n; ++i)
            if (zKnown[i]) {
                fill = zs[i];
                break;
            }
    }
    std::vector<std::array<Vec3, 3>> frames(n);
    for (size_t i = 0; i < n; ++i) {
        if (zKnown[i]) fill = zs[i];
        Vec3 y = ys[i];
        if (!Normalize(y)) y = straightY;
        Vec3 x = Cross(y, fill);
        if (!Normalize(x)) x = {1, 0, 0};
        frames[i] = {x, y, Cross(x, y)};
    }
    return frames;
}

void AppendNumber(std::string& out, double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.9g ", value);
    out += buffer;
}

// The IndexedFaceSet text (prepared form: one blank after every word).
std::string SweptFaceSet(const ExtrusionFields& f) {
    std::vector<Vec3> spine;
    for (size_t i = 0; i + 2 < f.spine.size(); i += 3)
        spine.push_back({f.spine[i], f.spine[i + 1], f.spine[i + 2]});
    const size_t rings = spine.size(), around = f.crossSection.size() / 2;
    const auto frames = SpineFrames(spine);
    std::string text = "{ coord Coordinate { point [ ";
    for (size_t i = 0; i < rings; ++i) {
        const size_t s = std::min(i, f.scale.size() / 2 - 1) * 2;
        const size_t o = std::min(i, f.orientation.size() / 4 - 1) * 4;
        Vec3 axis{f.orientation[o], f.orientation[o + 1], f.orientation[o + 2]};
        const bool turned = Normalize(axis) && f.orientation[o + 3] != 0;
        for (size_t j = 0; j < around; ++j) {
            Vec3 p{f.crossSection[2 * j] * f.scale[s], 0,
                   f.crossSection[2 * j + 1] * f.scale[s + 1]};
            if (turned) p = Rotate(p, axis, f.orientation[o + 3]);
            const auto& [x, y, z] = frames[i];
            for (int a = 0; a < 3; ++a)
                AppendNumber(text, spine[i][a] + x[a] * p[0] + y[a] * p[1] + z[a] * p[2]);
        }
    }
    text += "] } coordIndex [ ";
    auto index = [&](size_t ring, size_t j) { text += std::to_string(ring * around + j) + " "; };
    for (size_t i = 0; i + 1 < rings; ++i)
        for (size_t j = 0; j + 1 < around; ++j) {
            index(i, j), index(i, j + 1), index(i + 1, j + 1), index(i + 1, j);
            text += "-1 ";
        }
    // A closed cross-section repeats its first point; caps leave it out.
    const bool closedSection = around > 2 && f.crossSection[0] == f.crossSection[2 * around - 2] &&
                               f.crossSection[1] == f.crossSection[2 * around - 1];
    const size_t capPoints = closedSection ? around - 1 : around;
    if (f.beginCap && capPoints >= 3 && rings >= 1) {
        for (size_t j = capPoints; j-- > 0;) index(0, j);
        text += "-1 ";
    }
    if (f.endCap && capPoints >= 3 && rings >= 1) {
        for (size_t j = 0; j < capPoints; ++j) index(rings - 1, j);
        text += "-1 ";
    }
    text += "] ccw ";
    text += f.ccw ? "TRUE " : "FALSE ";
    text += "solid ";
    text += f.solid ? "TRUE " : "FALSE ";
    text += "convex ";
    text += f.convex ? "TRUE " : "FALSE ";
    text += "creaseAngle ";
    AppendNumber(text, f.creaseAngle);
    return text + "} ";
}

}  // namespace

void Vrml2NodeReader::ReadNumberList(int& position, std::vector<float>& out, int width) {
    out.clear();
    const int start = position;
    const bool bracketed = Next(position) == "[";
    if (!bracketed) position = start;
    while (!AtEnd(position)) {
        const int before = position;
        std::string_view word = Next(position);
        if (word == ",") continue;
        float number;
        if (bracketed && word == "]") break;
        if (text_[size_t(before)] == '"' || !ParseFloatWord(word, number)) {
            position = before;
            if (bracketed) SkipList(position);
            break;
        }
        out.push_back(number);
        if (!bracketed && int(out.size()) == width) break;
    }
    out.resize(out.size() - out.size() % size_t(width));
}

int Vrml2NodeReader::ReadExtrusion20(int& position, const std::string& defName) {
    if (!ExpectBrace(position, "There must be some Mistake in this data about { after Extrusion"))
        return -1;
    ExtrusionFields f;
    std::vector<float> values;
    while (!AtEnd(position)) {
        std::string_view word = Next(position);
        if (word == "}") break;
        auto list = [&](std::vector<float>& field, int width) {
            ReadNumberList(position, values, width);
            if (!values.empty()) field = values;
        };
        auto flag = [&](bool& field) { field = Next(position) != "FALSE"; };
        if (word == "crossSection")
            list(f.crossSection, 2);
        else if (word == "spine")
            list(f.spine, 3);
        else if (word == "scale")
            list(f.scale, 2);
        else if (word == "orientation")
            list(f.orientation, 4);
        else if (word == "beginCap")
            flag(f.beginCap);
        else if (word == "endCap")
            flag(f.endCap);
        else if (word == "ccw")
            flag(f.ccw);
        else if (word == "convex")
            flag(f.convex);
        else if (word == "solid")
            flag(f.solid);
        else if (word == "creaseAngle") {
            ReadNumberList(position, values, 1);
            if (!values.empty()) f.creaseAngle = values[0];
        } else if (!SkipRoute(word, position)) {
            LogWord("Caution in Extrusion Field  ch1 = ##", word, "## ");
            SkipFieldValue(position);
        }
    }
    const size_t points = (f.spine.size() / 3) * (f.crossSection.size() / 2);
    if (points > kMaxExtrusionPoints) {
        Log(Format20("Caution in Extrusion ! %zu points are too many, node skipped", points));
        return -1;
    }
    if (f.spine.size() < 6 || f.crossSection.size() < 4) return -1;  // nothing to sweep
    const std::string swept = SweptFaceSet(f);
    Vrml2NodeReader faceSet(reader_, swept);
    faceSet.shapeTexture_ = shapeTexture_;
    int at = 0;
    return faceSet.SetNodeIndexedFaceSetToVrml20Array(at, defName);
}

}  // namespace vantor
