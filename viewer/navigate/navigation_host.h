#pragma once
// What the navigator needs from the view it steers: the camera and display
// settings, the scene and bindings, the viewport, redraws, the spin timer,
// the zoom-box band, dialogs, and the hooks of the selection. The view
// implements it; tests implement it without a window.

#include <QString>
#include <cstdint>

#include "navigate/camera_steps.h"

namespace vantor {

class BindingTable;
class Prompt;
struct RenderSettings;
class SceneData;
struct ThreeValueRequest;

// The current selected row as the rotation-centre and section commands
// read it.
struct SelectedItem {
    int32_t subItem = -1;                // 0-5 points and edges, 6 the face
    float examinedPoint[3] = {0, 0, 0};  // the walked point
};

// The selection of the view, as the navigation adapter reaches it: the
// data keys, the selected item, the dimension mouse actions. The view's
// ViewSelection implements it.
class NavigationSelection {
  public:
    virtual ~NavigationSelection() = default;
    virtual bool SelectionEmpty() = 0;
    virtual void RunDataCommand(int32_t code) = 0;
    virtual bool CurrentSelectedItem(SelectedItem& item) = 0;
    virtual void ClearSelection() = 0;
    virtual void RedrawSelectionHighlight() = 0;
    virtual void DimensionKeyClicked(int index) = 0;
    virtual void MoveSelectedDimension(const double delta[3]) = 0;
};

class NavigationHost {
  public:
    virtual ~NavigationHost() = default;

    virtual Camera& NavCamera() = 0;
    virtual RenderSettings& NavSettings() = 0;
    // The document's scene; null while there is none.
    virtual SceneData* NavScene() = 0;
    virtual const BindingTable& NavBindings() = 0;
    virtual Prompt& NavPrompt() = 0;
    // Size of the drawing area in the units of the mouse positions.
    virtual ViewportSize NavViewport() = 0;

    // Draws the view again with the current camera.
    virtual void RedrawView() = 0;
    // Recomputes the aspect ratio and viewport from the window, then redraws.
    virtual void ResizeViewport() = 0;

    // Shows the three-value dialog modally; true on OK (values stored).
    virtual bool AskThreeValues(ThreeValueRequest& request) = 0;

    // Window timer of the spin, 150 ms.
    virtual void StartSpinTimer() = 0;
    virtual void StopSpinTimer() = 0;

    // The zoom-box frame in mouse coordinates, and its removal.
    virtual void ShowZoomBox(int x, int y, int width, int height) = 0;
    virtual void HideZoomBox() = 0;

    // Mouse capture while a button is held.
    virtual void CaptureMouse() {}
    virtual void ReleaseMouse() {}

    // The selection (nothing is selected unless a NavigationSelection answers).
    virtual bool SelectionEmpty() { return true; }
    // Runs data command `code` (1-10) on the selected items.
    virtual void RunDataCommand(int32_t code) { (void)code; }
    virtual bool CurrentSelectedItem(SelectedItem& item) {
        (void)item;
        return false;
    }
    // "Data Delete": empties the selection.
    virtual void ClearSelection() {}
    virtual void RedrawSelectionHighlight() {}
    virtual void MakeDocumentActive() {}
    // Dimension key `index` (in the binding table's order) held with a left
    // click; a world shift of the selected dimension (mouse actions).
    virtual void DimensionKeyClicked(int index) { (void)index; }
    virtual void MoveSelectedDimension(const double delta[3]) { (void)delta; }

    // Main frame status text, and a full redraw of the main window.
    virtual void ShowStatusText(const QString& text) { (void)text; }
    virtual void RedrawMainWindow() {}
};

}  // namespace vantor
