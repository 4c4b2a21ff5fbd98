#pragma once
// The measurement panel: a dock of the main window showing the selected
// item of the active document in full (every coordinate and arc of the
// status text, the face's centroid, normal and flatness, in the measuring
// system), the reference item, and the distances and angles between them.

#include <QDockWidget>
#include <QList>
#include <QPointer>
#include <QStringList>

class QMainWindow;
class QMdiArea;
class QHBoxLayout;
class QTableWidget;

namespace vantor {

class SceneData;
class ViewSelection;
struct MeasureReference;
struct MeasuredItem;

class MeasurePanel : public QDockWidget {
    Q_OBJECT
  public:
    // One line of the panel: a label and up to three values.
    struct Row {
        QString label;
        QStringList values;
        bool heading = false;  // a section title
    };

    explicit MeasurePanel(QWidget* parent = nullptr);

    // Creates the panel in `frame`, shown as in the last run, following the
    // active child window.
    static MeasurePanel* Install(QMainWindow* frame, QMdiArea* area);

    // Follows `selection` (null: shows nothing).
    void Track(ViewSelection* selection);
    void Refresh();

    const QList<Row>& Rows() const { return rows_; }
    // The values of the rows with a selected cell (all rows when none is
    // selected), one tab-separated line per row.
    QString TabText() const;
    // Puts TabText on the clipboard.
    void CopyToClipboard();

    // Shown or hidden from the view menu, remembered for the next run.
    void SetShown(bool shown);

    // The rows for `selected`, `reference` and the relation between them.
    static QList<Row> BuildRows(const SceneData& scene, const MeasuredItem& selected,
                                const MeasureReference& reference);

  private:
    QTableWidget* BuildTable(QWidget* body);
    QHBoxLayout* BuildButtons(QWidget* body);
    void ShowRows();

    QTableWidget* table_;
    QPointer<ViewSelection> selection_;
    QList<Row> rows_;
};

}  // namespace vantor
