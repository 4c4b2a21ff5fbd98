// The VRML 1.0 text of a dimension group: its lines, arrow heads and text.

#include <array>
#include <cmath>

#include "dims/dimension.h"
#include "vrml_write/number_format.h"

namespace vantor {

namespace {

using Vec = std::array<double, 3>;

Vec ToVec(const double v[3]) {
    return {v[0], v[1], v[2]};
}
Vec operator+(const Vec& a, const Vec& b) {
    return {a[0] + b[0], a[1] + b[1], a[2] + b[2]};
}
Vec operator-(const Vec& a, const Vec& b) {
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}
Vec operator*(const Vec& a, double k) {
    return {a[0] * k, a[1] * k, a[2] * k};
}
double Dot(const Vec& a, const Vec& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}
double Length(const Vec& a) {
    return std::sqrt(Dot(a, a));
}
Vec Unit(const Vec& a) {
    const double l = Length(a);
    return l > 0 ? a * (1 / l) : Vec{0, 0, 0};
}

// A unit vector across `along`, as close to `side` as possible.
Vec Across(const Vec& along, const Vec& side) {
    const Vec u = Unit(along);
    for (const Vec& candidate : {side, Vec{0, 1, 0}, Vec{1, 0, 0}, Vec{0, 0, 1}}) {
        const Vec across = candidate - u * Dot(candidate, u);
        if (Length(across) > 1e-6 * std::max(1.0, Length(candidate))) return Unit(across);
    }
    return {0, 1, 0};
}

// Points and polylines (index lists closed by -1) of the group.
struct Lines {
    std::vector<Vec> points;
    std::vector<int> indices;
    Vec textAt{0, 0, 0};

    int Add(const Vec& p) {
        points.push_back(p);
        return int(points.size()) - 1;
    }
    void Polyline(std::initializer_list<int> list) {
        indices.insert(indices.end(), list);
        indices.push_back(-1);
    }
    // Arrow head at `tip` pointing along `direction` (unit), spread across `across`.
    void Arrow(const Vec& tip, const Vec& direction, const Vec& across, double size) {
        const int tipIndex = Add(tip);
        const int a = Add(tip - direction * size + across * (0.35 * size));
        const int b = Add(tip - direction * size - across * (0.35 * size));
        Polyline({a, tipIndex, b});
    }
};

Lines LinearLines(const DimensionRequest& r) {
    Lines lines;
    const Vec p1 = ToVec(r.from), p2 = ToVec(r.to);
    const double measured = Length(p2 - p1);
    const double length = measured > 0 ? measured : r.size;
    const Vec across = Across(p2 - p1, ToVec(r.side));
    const Vec offset = across * (0.3 * length);
    const Vec along = measured > 0 ? Unit(p2 - p1) : Across(across, Vec{1, 0, 0});
    // Measured points first: they stay when the dimension moves.
    lines.Add(p1);
    lines.Add(p2);
    const int q1 = lines.Add(p1 + offset), q2 = lines.Add(p2 + offset);
    const int e1 = lines.Add(p1 + offset * 1.15), e2 = lines.Add(p2 + offset * 1.15);
    lines.Polyline({0, e1});
    lines.Polyline({1, e2});
    lines.Polyline({q1, q2});
    const double arrow = 0.08 * length;
    lines.Arrow(p1 + offset, along * -1.0, across, arrow);
    lines.Arrow(p2 + offset, along, across, arrow);
    lines.textAt = (p1 + p2) * 0.5 + offset + across * (0.05 * length);
    return lines;
}

Lines ArcLines(const DimensionRequest& r, bool diameter) {
    Lines lines;
    const Vec centre = ToVec(r.from), onArc = ToVec(r.to);
    const double radius = Length(onArc - centre);
    const double length = radius > 0 ? radius : r.size;
    const Vec out = radius > 0 ? Unit(onArc - centre) : Across(ToVec(r.side), Vec{0, 0, 1});
    const Vec across = Across(out, ToVec(r.side));
    const int start = lines.Add(diameter ? centre * 2.0 - onArc : centre);
    const int tip = lines.Add(onArc);
    lines.Polyline({start, tip});
    const double arrow = 0.15 * length;
    lines.Arrow(onArc, out, across, arrow);
    if (diameter) lines.Arrow(lines.points[size_t(start)], out * -1.0, across, arrow);
    // The leader to the text moves; everything above stays.
    lines.textAt = onArc + out * (0.3 * length);
    const int end = lines.Add(lines.textAt);
    lines.Polyline({tip, end});
    return lines;
}

Lines CommentLines(const DimensionRequest& r) {
    Lines lines;
    const Vec anchor = ToVec(r.from);
    const Vec side = Unit(ToVec(r.side));
    lines.textAt = anchor + (Length(side) > 0 ? side : Vec{0, 1, 0}) * (0.3 * r.size);
    lines.Add(anchor);
    lines.Add(lines.textAt);
    lines.Polyline({0, 1});
    return lines;
}

}  // namespace

std::string SavableText(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '"') c = '\'';
        if (c == '\n' || c == '\r' || c == '\t') c = ' ';
        out.push_back(c);
    }
    // The reader's strings hold up to 511 bytes; stop at a whole UTF-8 character.
    size_t limit = 400;
    if (out.size() > limit) {
        while (limit > 0 && (static_cast<unsigned char>(out[limit]) & 0xC0) == 0x80) --limit;
        out.resize(limit);
    }
    return out;
}

namespace {

void AppendVector(std::string& out, const Vec& v) {
    for (double c : v) {
        out += ' ';
        AppendExactNumber(out, float(c), kShortStyle);
    }
}

}  // namespace

std::string DimensionValueText(DimensionKind kind, double value) {
    const std::string number = FormatNumber(float(value), kFixed3Style);
    switch (kind) {
        case DimensionKind::Radius:
            return "R" + number;
        case DimensionKind::Diameter:
            return "φ" + number;
        default:
            return number;
    }
}

std::string DimensionVrml(const DimensionRequest& request, const std::string& defName) {
    Lines lines;
    switch (request.kind) {
        case DimensionKind::Linear:
            lines = LinearLines(request);
            break;
        case DimensionKind::Radius:
        case DimensionKind::Diameter:
            lines = ArcLines(request, request.kind == DimensionKind::Diameter);
            break;
        case DimensionKind::Comment:
            lines = CommentLines(request);
            break;
    }
    const std::string text = request.kind == DimensionKind::Comment
                                 ? SavableText(request.text)
                                 : DimensionValueText(request.kind, request.value);
    std::string out = "DEF \"" + defName + "\" Separator {\n";
    out += "Material { diffuseColor 1 1 0 emissiveColor 1 1 0 }\n";
    out += "Coordinate3 { point [";
    for (size_t i = 0; i < lines.points.size(); ++i) {
        if (i) out += " ,";
        AppendVector(out, lines.points[i]);
    }
    out += " ] }\nIndexedLineSet { coordIndex [";
    for (int index : lines.indices) out += ' ' + std::to_string(index);
    out += " ] }\nMatrixTransform { matrix 1 0 0 0 0 1 0 0 0 0 1 0";
    AppendVector(out, lines.textAt);
    out += " 1 }\nAsciiText { string \"" + text + "\" }\n}\n";
    return out;
}

}  // namespace vantor
