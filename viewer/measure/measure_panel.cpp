#include "measure/measure_panel.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMainWindow>
#include <QMdiArea>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/child_frame.h"
#include "context/settings_store.h"
#include "select/view_selection.h"
#include "view/korvalde_view.h"

namespace vantor {

namespace {

constexpr const char* kShownKey = "MeasurePanel/shown";

bool IsNumber(const QString& text) {
    bool number = false;
    text.toDouble(&number);
    return number;
}

}  // namespace

MeasurePanel::MeasurePanel(QWidget* parent) : QDockWidget(tr("測定"), parent) {
    setObjectName(QStringLiteral("MeasurePanel"));
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(BuildTable(body));
    layout->addLayout(BuildButtons(body));
    setWidget(body);
    // The main window's closing hides the dock too, without hiding it for good.
    connect(this, &QDockWidget::visibilityChanged, this,
            [this] { KorvaldeSettings().setValue(QString::fromLatin1(kShownKey), !isHidden()); });
    Refresh();
}

QTableWidget* MeasurePanel::BuildTable(QWidget* body) {
    table_ = new QTableWidget(0, 4, body);
    table_->setHorizontalHeaderLabels(
        {tr("項目"), QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("Z")});
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->setMinimumWidth(table_->fontMetrics().horizontalAdvance(QStringLiteral("0")) * 44);
    // Ctrl+C inside the table copies like the button.
    auto* copy = new QAction(tr("コピー"), table_);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    connect(copy, &QAction::triggered, this, &MeasurePanel::CopyToClipboard);
    table_->addAction(copy);
    return table_;
}

QHBoxLayout* MeasurePanel::BuildButtons(QWidget* body) {
    auto* buttons = new QHBoxLayout;
    auto* setReference = new QPushButton(tr("基準に設定"), body);
    auto* clearReference = new QPushButton(tr("基準を解除"), body);
    auto* copy = new QPushButton(tr("コピー"), body);
    for (QPushButton* button : {setReference, clearReference, copy}) buttons->addWidget(button);
    connect(setReference, &QPushButton::clicked, this, [this] {
        if (selection_) selection_->Controller().SetReferenceFromSelection();
    });
    connect(clearReference, &QPushButton::clicked, this, [this] {
        if (selection_) selection_->Controller().ClearReference();
    });
    connect(copy, &QPushButton::clicked, this, &MeasurePanel::CopyToClipboard);
    return buttons;
}

MeasurePanel* MeasurePanel::Install(QMainWindow* frame, QMdiArea* area) {
    auto* panel = new MeasurePanel(frame);
    frame->addDockWidget(Qt::RightDockWidgetArea, panel);
    panel->setVisible(KorvaldeSettings().value(QString::fromLatin1(kShownKey), true).toBool());
    connect(area, &QMdiArea::subWindowActivated, panel, [panel, area] {
        // The current window stays current while the panel itself has the focus.
        auto* child = qobject_cast<CChildFrame*>(area->currentSubWindow());
        CKorvaldeView* view = child ? child->View() : nullptr;
        panel->Track(view ? &view->Selection() : nullptr);
    });
    return panel;
}

void MeasurePanel::Track(ViewSelection* selection) {
    if (selection == selection_) return;
    if (selection_) disconnect(selection_, nullptr, this, nullptr);
    selection_ = selection;
    if (selection_)
        connect(selection_, &ViewSelection::MeasureChanged, this, &MeasurePanel::Refresh);
    Refresh();
}

void MeasurePanel::Refresh() {
    rows_.clear();
    SceneData* scene = selection_ ? selection_->SelScene() : nullptr;
    if (scene) {
        SelectionController& controller = selection_->Controller();
        rows_ = BuildRows(*scene, controller.SelectedMeasure(), controller.Reference());
    }
    ShowRows();
}

void MeasurePanel::ShowRows() {
    table_->clearSpans();
    table_->setRowCount(int(rows_.size()));
    for (int r = 0; r < rows_.size(); ++r) {
        const Row& row = rows_[r];
        auto* label = new QTableWidgetItem(row.label);
        if (row.heading) {
            QFont bold = label->font();
            bold.setBold(true);
            label->setFont(bold);
            table_->setSpan(r, 0, 1, 4);
        } else if (row.values.size() == 1 && !IsNumber(row.values[0])) {
            table_->setSpan(r, 1, 1, 3);  // a kind or file name
        }
        table_->setItem(r, 0, label);
        for (int c = 1; c < 4; ++c) {
            const QString text = row.values.value(c - 1);
            auto* value = new QTableWidgetItem(text);
            value->setTextAlignment((IsNumber(text) ? Qt::AlignRight : Qt::AlignLeft) |
                                    Qt::AlignVCenter);
            table_->setItem(r, c, value);
        }
    }
}

QString MeasurePanel::TabText() const {
    // The rows with a selected cell, or all of them.
    QList<bool> chosen(rows_.size(), table_->selectedItems().isEmpty());
    for (const QTableWidgetItem* item : table_->selectedItems())
        if (item->row() < chosen.size()) chosen[item->row()] = true;
    QString text;
    for (int r = 0; r < rows_.size(); ++r)
        if (chosen[r]) text += (QStringList{rows_[r].label} + rows_[r].values).join(u'\t') + u'\n';
    return text;
}

void MeasurePanel::CopyToClipboard() {
    QApplication::clipboard()->setText(TabText());
}

void MeasurePanel::SetShown(bool shown) {
    setVisible(shown);
    KorvaldeSettings().setValue(QString::fromLatin1(kShownKey), shown);
}

}  // namespace vantor
