// The lines of the measurement panel: the selected item, the reference and
// the relation between them, numbers as in the status text ("%3.3f"), all
// in the measuring system.

#include "measure/measure_panel.h"
#include "scene/node_kind.h"
#include "scene/scene_data.h"
#include "select/measured_item.h"

namespace vantor {

namespace {

QString Number(double value) {
    return QString::asprintf("%3.3f", value);
}

QString NotApplicable() {
    return QStringLiteral("n/a");
}

QStringList Triple(const double v[3]) {
    return {Number(v[0]), Number(v[1]), Number(v[2])};
}

QStringList PointValues(const SceneData& scene, const double world[3]) {
    double m[3];
    ToMeasuring(scene, world, m);
    return Triple(m);
}

QStringList DirectionValues(const SceneData& scene, const double world[3]) {
    double m[3];
    DirectionToMeasuring(scene, world, m);
    return Triple(m);
}

QString KindName(const SceneData& scene, const MeasuredItem& item) {
    switch (item.kind) {
        case ItemKind::Face:
            return MeasurePanel::tr("面");
        case ItemKind::Edge:
            return MeasurePanel::tr("稜線");
        case ItemKind::Vertex:
            return MeasurePanel::tr("頂点");
        case ItemKind::Segment:
            return MeasurePanel::tr("線分");
        case ItemKind::Point:
            return MeasurePanel::tr("点");
        case ItemKind::Text:
            return MeasurePanel::tr("文字");
        case ItemKind::Datum:
            return MeasurePanel::tr("データム");
        case ItemKind::Primitive:
            if (item.nodeRow < 0 || item.nodeRow >= scene.nodeCount) break;
            return MeasurePanel::tr("基本形状 (%1)")
                .arg(QString::fromStdString(vantor::KindName(scene.Row(item.nodeRow).kind)));
        case ItemKind::None:
            break;
    }
    return NotApplicable();
}

class RowWriter {
  public:
    explicit RowWriter(const SceneData& scene) : scene_(scene) {}

    void Heading(const QString& label) { rows.append({label, {}, true}); }
    void Text(const QString& label, const QString& value) { rows.append({label, {value}}); }
    void Value(const QString& label, double value) { Text(label, Number(value)); }
    void Value(const QString& label, bool has, double value) {
        Text(label, has ? Number(value) : NotApplicable());
    }
    void Point(const QString& label, const double world[3]) {
        rows.append({label, PointValues(scene_, world)});
    }
    void Direction(const QString& label, const double world[3]) {
        rows.append({label, DirectionValues(scene_, world)});
    }
    // As the status text: "R = 0" and no centre for a straight edge.
    void Arc(const QString& name, const ArcFit& arc) {
        if (!arc.found) {
            Text(name + QStringLiteral(" R"), QStringLiteral("0"));
            return;
        }
        Value(name + QStringLiteral(" R"), arc.radius);
        Point(name + MeasurePanel::tr(" 中心"), arc.centre);
    }

    QList<MeasurePanel::Row> rows;

  private:
    const SceneData& scene_;
};

void WriteIdentity(RowWriter& w, const SceneData& scene, const MeasuredItem& item) {
    w.Text(MeasurePanel::tr("種類"), KindName(scene, item));
    if (item.nodeRow < 0 || item.nodeRow >= scene.nodeCount) return;
    w.Text(MeasurePanel::tr("ノード番号"), QString::number(item.nodeRow));
    const std::string def = scene.DefNameOf(item.nodeRow);
    w.Text(MeasurePanel::tr("DEF名"), def.empty() ? NotApplicable() : QString::fromStdString(def));
    const int32_t file = scene.Row(item.nodeRow).fileIndex;
    w.Text(MeasurePanel::tr("ファイル"),
           file >= 0 && file < scene.fileCount
               ? QString::fromStdString(scene.files.items[size_t(file)].fileName)
               : NotApplicable());
}

void WriteTriangle(RowWriter& w, const MeasuredItem& item) {
    for (int k = 0; k < 3; ++k) w.Point(MeasurePanel::tr("頂点%1").arg(k), item.corners[k]);
    for (int k = 0; k < 3; ++k) w.Arc(MeasurePanel::tr("稜線%1").arg(k), item.edgeArcs[k]);
    for (int k = 0; k < 3; ++k) w.Arc(MeasurePanel::tr("頂点%1").arg(k), item.vertexArcs[k]);
}

void WriteSelected(RowWriter& w, const SceneData& scene, const MeasuredItem& item) {
    w.Heading(MeasurePanel::tr("選択"));
    WriteIdentity(w, scene, item);
    if (item.cornerCount == 3) WriteTriangle(w, item);
    if (item.cornerCount == 2)
        for (int k = 0; k < 2; ++k) w.Point(MeasurePanel::tr("点%1").arg(k), item.corners[k]);
    switch (item.kind) {
        case ItemKind::Point:
        case ItemKind::Vertex:
            w.Point(MeasurePanel::tr("座標"), item.point);
            break;
        case ItemKind::Edge:
        case ItemKind::Segment:
            w.Value(MeasurePanel::tr("長さ"), item.length);
            w.Direction(MeasurePanel::tr("方向"), item.direction);
            w.Point(MeasurePanel::tr("測定点"), item.point);
            break;
        case ItemKind::Face:
            w.Point(MeasurePanel::tr("重心"), item.point);
            w.Direction(MeasurePanel::tr("法線"), item.plane.normal);
            w.Text(MeasurePanel::tr("平坦"),
                   item.flatness == 1 ? MeasurePanel::tr("はい") : MeasurePanel::tr("いいえ"));
            break;
        case ItemKind::Datum:
            w.Point(MeasurePanel::tr("中心"), item.plane.point);
            w.Direction(MeasurePanel::tr("法線"), item.plane.normal);
            break;
        default:
            break;
    }
}

void WriteReference(RowWriter& w, const SceneData& scene, const MeasureReference& ref) {
    w.Heading(MeasurePanel::tr("基準"));
    if (ref.item) {
        w.Text(MeasurePanel::tr("種類"), KindName(scene, *ref.item));
        w.Point(MeasurePanel::tr("基準点"), ref.item->point);
    } else {
        w.Text(MeasurePanel::tr("種類"), NotApplicable());
    }
    if (ref.plane) {
        w.Point(MeasurePanel::tr("基準平面 点"), ref.plane->point);
        w.Direction(MeasurePanel::tr("基準平面 法線"), ref.plane->normal);
    }
}

void WriteRelation(RowWriter& w, const SceneData& scene, const MeasureReference& ref,
                   const MeasuredItem& selected) {
    const ItemRelation r = RelateItems(scene, ref, selected);
    w.Heading(MeasurePanel::tr("基準から選択まで"));
    w.Value(QStringLiteral("dX"), r.hasDelta, r.delta[0]);
    w.Value(QStringLiteral("dY"), r.hasDelta, r.delta[1]);
    w.Value(QStringLiteral("dZ"), r.hasDelta, r.delta[2]);
    w.Value(MeasurePanel::tr("距離"), r.hasDelta, r.distance);
    w.Value(MeasurePanel::tr("平面からの距離"), r.hasPlaneDistance, r.planeDistance);
    w.Value(MeasurePanel::tr("角度 (度)"), r.hasAngle, r.angleDegrees);
}

}  // namespace

QList<MeasurePanel::Row> MeasurePanel::BuildRows(const SceneData& scene,
                                                 const MeasuredItem& selected,
                                                 const MeasureReference& reference) {
    RowWriter w(scene);
    WriteSelected(w, scene, selected);
    WriteReference(w, scene, reference);
    WriteRelation(w, scene, reference, selected);
    return w.rows;
}

}  // namespace vantor
