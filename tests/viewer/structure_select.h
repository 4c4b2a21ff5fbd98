#pragma once

#include <gtest/gtest.h>

#include <QComboBox>
#include <QTreeWidgetItemIterator>

#include "structure/structure_dialog.h"

// Selects the tree item of a row (the whole tree is listed first).
inline void SelectRow(vantor::StructureDialog& dialog, int32_t row) {
    dialog.filterCombo()->setCurrentIndex(0);
    dialog.RebuildTree(QStringLiteral("t"));
    for (QTreeWidgetItemIterator it(dialog.tree()); *it; ++it)
        if ((*it)->data(0, Qt::UserRole).toInt() == row) {
            dialog.tree()->setCurrentItem(*it);
            return;
        }
    FAIL() << "no item for row " << row;
}
