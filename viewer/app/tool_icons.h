#pragma once
// The 16 x 15 tool-bar pictures, drawn in code so they stay sharp and need
// no image files.

#include <QIcon>

namespace vantor {

QIcon ToolIcon(int commandId);

}  // namespace vantor
