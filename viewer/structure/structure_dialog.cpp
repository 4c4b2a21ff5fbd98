#include "structure/structure_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include <QCoreApplication>
#include "dialogs/three_value_dialog.h"
#include "scene/prepare_geometry.h"
#include "scene/scene_data.h"
#include "structure/material_colour_dialog.h"
#include "structure/node_editing.h"
#include "structure/structure_tree.h"

namespace vantor {

namespace {

// The six 16 x 15 item images: group, leaf and hidden group, each with a
// selected variant.
QIcon ItemIcon(int image) {
    QPixmap pixmap(16, 15);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    const bool selected = image % 2 == 1;
    const int pair = image / 2;
    const QColor ink = selected ? QColor(0, 0, 160) : QColor(60, 60, 60);
    p.setPen(ink);
    if (pair == 1) {  // leaf: a small sheet
        p.setBrush(selected ? QColor(200, 220, 255) : Qt::white);
        p.drawRect(4, 2, 8, 11);
    } else {  // group: a box; hidden groups are hollow and struck through
        p.setBrush(pair == 2 ? QBrush(Qt::white)
                             : QBrush(selected ? QColor(80, 140, 255) : QColor(230, 190, 60)));
        p.drawRect(2, 3, 12, 9);
        if (pair == 2) p.drawLine(2, 12, 14, 3);
    }
    return QIcon(pixmap);
}

QIcon IconPair(int image) {
    QIcon icon = ItemIcon(image);
    icon.addPixmap(ItemIcon(image + 1).pixmap(16, 15), QIcon::Selected);
    return icon;
}

// Item data holding the image pair an item shows.
constexpr int kImageRole = Qt::UserRole + 1;

QString TotalsCaption(const SceneData& scene) {
    return QString::asprintf(" Total Point  %d ,Total Triangle Surface  %d ", scene.pointCount / 3,
                             scene.coordIndexCount / 3);
}

// Keeps the wait cursor up while a long tree operation runs.
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

}  // namespace

StructureDialog::StructureDialog(SceneData& scene, Prompt& prompt, QWidget* parent)
    : QDialog(parent), scene_(scene), prompt_(prompt), filterMask_(kInitialStructureMask) {
    setAttribute(Qt::WA_DeleteOnClose);
    askThreeValues = [this](const QString& titleLine, const QStringList& labels, float values[3]) {
        ThreeValueRequest request;
        request.titleLine = titleLine;
        for (int i = 0; i < 3; ++i) {
            request.labels[i] = labels.value(i);
            request.values[i] = values[i];
        }
        if (!ThreeValueDialog::Ask(this, request)) return false;
        std::copy(request.values, request.values + 3, values);
        return true;
    };
    setModal(false);
    resize(420, 560);

    tree_ = new QTreeWidget(this);
    tree_->setHeaderHidden(true);
    tree_->setUniformRowHeights(true);
    combo_ = new QComboBox(this);
    for (const StructureFilter& f : kStructureFilters)
        combo_->addItem(QCoreApplication::translate("StructureFilter", f.text));
    combo_->setCurrentIndex(2);  // "部品と色", while the mask starts wider

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    auto* update = new QPushButton(QStringLiteral("Update"), this);
    auto* expand = new QPushButton(QStringLiteral("Expand"), this);
    auto* collapse = new QPushButton(QStringLiteral("Collaspe"), this);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {ok, update, expand, collapse}) buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(combo_);
    layout->addWidget(tree_);
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &QDialog::close);
    connect(update, &QPushButton::clicked, this, &StructureDialog::OnUpdate);
    connect(expand, &QPushButton::clicked, this, &StructureDialog::ExpandAll);
    connect(collapse, &QPushButton::clicked, this, &StructureDialog::CollapseAll);
    // The mask changes when a mode is picked; the tree only on "Update".
    // By position: the shown texts follow the language.
    connect(combo_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) filterMask_ = kStructureFilters[index].mask;
    });
    connect(tree_, &QTreeWidget::itemSelectionChanged, this, &StructureDialog::OnSelectionChanged);
    connect(tree_, &QTreeWidget::itemDoubleClicked, this, [this] { EditNodeFromTree(); });

    RebuildTree(TotalsCaption(scene_));
}

void StructureDialog::RebuildTree(const QString& caption) {
    WaitCursor wait;
    tree_->setUpdatesEnabled(false);
    tree_->clear();
    const std::vector<StructureItem> items = BuildStructureItems(scene_, filterMask_);
    const QIcon icons[3] = {IconPair(kImageGroup), IconPair(kImageLeaf),
                            IconPair(kImageHiddenGroup)};
    std::vector<QTreeWidgetItem*> made(items.size());
    for (size_t i = 0; i < items.size(); ++i) {
        const StructureItem& item = items[i];
        auto* widgetItem = new QTreeWidgetItem(QStringList(QString::fromStdString(item.text)));
        widgetItem->setData(0, Qt::UserRole, item.row);
        widgetItem->setData(0, kImageRole, item.image);
        widgetItem->setIcon(0, icons[item.image / 2]);
        made[i] = widgetItem;
        if (item.parent >= 0) made[size_t(item.parent)]->addChild(widgetItem);
    }
    tree_->addTopLevelItem(made[0]);
    made[0]->setExpanded(false);
    tree_->setUpdatesEnabled(true);
    setWindowTitle(caption);
}

void StructureDialog::OnUpdate() {
    RebuildTree(QString::fromStdString(scene_.nodeCount > 0 ? scene_.DefNameOf(0) : "Default"));
}

void StructureDialog::ExpandAll() {
    WaitCursor wait;
    tree_->setUpdatesEnabled(false);
    tree_->expandAll();
    tree_->setUpdatesEnabled(true);
}

void StructureDialog::CollapseAll() {
    WaitCursor wait;
    tree_->setUpdatesEnabled(false);
    tree_->collapseAll();
    tree_->setUpdatesEnabled(true);
}

void StructureDialog::OnSelectionChanged() {
    QTreeWidgetItem* item = tree_->currentItem();
    if (!item) return;
    selectedRow_ = item->data(0, Qt::UserRole).toInt();
    setWindowTitle(QString::asprintf("VRML Data Selected Step Node ID = %d ", selectedRow_));
}

void StructureDialog::EditNodeFromTree() {
    if (scene_.nodeCount == 0 || selectedRow_ < 0 || selectedRow_ >= scene_.nodeCount) return;
    const NodeRow& row = scene_.Row(selectedRow_);
    switch (NodeEditForKind(row.kind)) {
        case NodeEdit::MaterialColours:
            EditMaterial(row.dataBegin);
            break;
        case NodeEdit::MatrixTranslation:
            EditValues(selectedRow_, tr("移動距離の設定"), {tr("X座標"), tr("Y座標"), tr("Z座標")});
            break;
        case NodeEdit::ScaleFactors:
            EditValues(
                selectedRow_, tr("Scaleの設定"),
                {QStringLiteral("Scale X"), QStringLiteral("Scale Y"), QStringLiteral("Scale Z")});
            break;
        case NodeEdit::DisplayToggle: {
            SceneChange change;
            change.TouchRow(scene_, selectedRow_);
            const int image = ToggleNodeDisplay(scene_, selectedRow_);
            if (QTreeWidgetItem* item = tree_->currentItem()) {
                item->setIcon(0, IconPair(image));
                item->setData(0, kImageRole, image);
            }
            Record(image == kImageHiddenGroup ? tr("非表示") : tr("表示"), change);
            emit SceneEdited();
            break;
        }
        case NodeEdit::None:
            break;
    }
}

void StructureDialog::EditValues(int row, const QString& titleLine, const QStringList& labels) {
    if (!askThreeValues) return;
    const int32_t offset = EditedValuesOffset(scene_, row);
    if (offset < 0 || offset + 3 > scene_.valueCount) return;
    float values[3] = {scene_.valuePool[offset], scene_.valuePool[offset + 1],
                       scene_.valuePool[offset + 2]};
    if (!askThreeValues(titleLine, labels, values)) return;
    SceneChange change;
    change.TouchValues(scene_, offset, 3);
    change.PrepareGeometryOnRestore();
    for (int i = 0; i < 3; ++i) scene_.valuePool[offset + i] = values[i];
    scene_.matrixDepth = 0;
    PrepareGeometry(scene_);
    Record(NodeEditForKind(scene_.Row(row).kind) == NodeEdit::ScaleFactors ? tr("スケールの変更")
                                                                           : tr("移動距離の変更"),
           change);
    emit SceneEdited();
}

void StructureDialog::EditMaterial(int materialRow) {
    if (materialRow < 0 || materialRow > scene_.materialCount) return;
    MaterialColourDialog dialog(prompt_, this);
    dialog.SetValues(scene_.MaterialRow(materialRow));
    if (dialog.exec() != QDialog::Accepted) return;
    SceneChange change;
    change.TouchMaterialRow(scene_, materialRow);
    dialog.GetValues(scene_.MaterialRow(materialRow));
    Record(tr("色の変更"), change);
    emit SceneEdited();
}

void StructureDialog::Record(const QString& text, SceneChange& change) {
    change.Finish(scene_);
    if (recordEdit) recordEdit(text, std::move(change));
}

void StructureDialog::RefreshImages() {
    for (QTreeWidgetItemIterator it(tree_); *it; ++it) {
        QTreeWidgetItem* item = *it;
        const int image = item->data(0, kImageRole).toInt();
        const int row = item->data(0, Qt::UserRole).toInt();
        if (image == kImageLeaf || row < 0 || row >= scene_.nodeCount) continue;
        const int now = scene_.Row(row).tag == tag::Hidden ? kImageHiddenGroup : kImageGroup;
        if (now == image) continue;
        item->setIcon(0, IconPair(now));
        item->setData(0, kImageRole, now);
    }
}

}  // namespace vantor
