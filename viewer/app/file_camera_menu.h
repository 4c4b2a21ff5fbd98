#pragma once

class QMenu;

namespace vantor {

// The file's own cameras in the 視点 menu.

class CMainFrame;

// Adds a submenu to `cameraMenu` listing the cameras of the active view's
// files (Viewpoint, PerspectiveCamera, OrthographicCamera) by description
// or DEF name; choosing one looks through it. Rebuilt each time the menu
// opens, and disabled when the files have none.
void AddFileCameraMenu(QMenu* cameraMenu, CMainFrame* frame);

}  // namespace vantor
