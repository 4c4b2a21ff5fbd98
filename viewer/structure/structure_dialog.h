#pragma once
// The modeless "Data Structure" window of one document: the node table as a
// filtered tree; a double-click edits the node behind an item.

#include <QDialog>
#include <QStringList>
#include <functional>

#include "scene/scene_change.h"

class QComboBox;
class QTreeWidget;
class QTreeWidgetItem;

namespace vantor {

class Prompt;
class SceneData;

class StructureDialog : public QDialog {
    Q_OBJECT
  public:
    // `scene` is borrowed from the document and must outlive the dialog;
    // `prompt` tells of values out of range.
    StructureDialog(SceneData& scene, Prompt& prompt, QWidget* parent = nullptr);

    // Clears and rebuilds the tree, then sets the caption.
    void RebuildTree(const QString& caption);
    void ExpandAll();
    void CollapseAll();
    // The double-click handler; works on the selected row.
    void EditNodeFromTree();

    int SelectedRow() const { return selectedRow_; }
    int FilterMask() const { return filterMask_; }
    QTreeWidget* Tree() const { return tree_; }
    QComboBox* FilterCombo() const { return combo_; }

    // Asks for three values (title line, labels, values in/out); false on
    // Cancel. Replaceable for tests.
    std::function<bool(const QString& titleLine, const QStringList& labels, float values[3])>
        askThreeValues;

    // Takes each edit made here as one undo step (the document's stack).
    std::function<void(const QString& text, SceneChange change)> recordEdit;

    // Gives every group item the image of its row's shown/hidden state
    // (after undo, redo and edits made elsewhere).
    void RefreshImages();

  signals:
    // A node was edited: the view redraws.
    void SceneEdited();

  private:
    void OnSelectionChanged();
    void OnUpdate();
    void EditValues(int row, const QString& titleLine, const QStringList& labels);
    void EditMaterial(int materialRow);
    void Record(const QString& text, SceneChange& change);

    SceneData& scene_;
    Prompt& prompt_;
    QTreeWidget* tree_;
    QComboBox* combo_;
    int filterMask_;
    int selectedRow_ = -1;
};

}  // namespace vantor
