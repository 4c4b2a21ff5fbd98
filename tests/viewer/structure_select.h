#pragma once

#include <gtest/gtest.h>

#include <QComboBox>
#include <QTreeWidgetItemIterator>

#include "structure/structure_dialog.h"

// Selects the tree item of a row (the whole tree is listed first).
inline void SelectRow(vantor::StructureDialog& dialog, int32_t row) {
    dialog.FilterCombo()->setCurrentIndex(0);
    dialog.RebuildTree(QStringLiteral("t"));
    for (QTreeWidgetItemIterator it(dialog.Tree()); *it; ++it)
        if ((*it)->data(0, Qt::UserRole).toInt() == row) {
            dialog.Tree()->setCurrentItem(*it);
            return;
        }
    FAIL() << "no item for row " << row;
}
