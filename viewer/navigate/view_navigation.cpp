#include "navigate/view_navigation.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QRubberBand>
#include <QWheelEvent>
#include <QWidget>

#include "bindings/binding_table.h"
#include "context/app_context.h"
#include "dialogs/three_value_dialog.h"
#include "keys/virtual_key.h"

namespace vantor {

namespace {

bool ToButton(Qt::MouseButton qtButton, ViewNavigator::Button& button) {
    switch (qtButton) {
        case Qt::LeftButton:
            button = ViewNavigator::Button::Left;
            return true;
        case Qt::RightButton:
            button = ViewNavigator::Button::Right;
            return true;
        case Qt::MiddleButton:
            button = ViewNavigator::Button::Middle;
            return true;
        default:
            return false;
    }
}

MousePoint PointOf(const QMouseEvent& event) {
    const QPoint p = event.position().toPoint();
    return {p.x(), p.y()};
}

}  // namespace

ViewNavigation::ViewNavigation(QWidget* view, Camera& camera, RenderSettings& settings,
                               ViewHooks hooks, AppContext* context)
    : QObject(view),
      view_(view),
      camera_(camera),
      settings_(settings),
      hooks_(std::move(hooks)),
      navigator_(*this),
      context_(context ? *context : DetachedContext::Shared()) {
    spinTimer_.setInterval(kSpinTimerMilliseconds);
    connect(&spinTimer_, &QTimer::timeout, this, [this] { navigator_.SpinTimerTick(); });
    view_->setFocusPolicy(Qt::StrongFocus);
    view_->installEventFilter(this);
}

ViewNavigation::~ViewNavigation() {
    spinTimer_.stop();
}

SceneData* ViewNavigation::NavScene() {
    return hooks_.scene ? hooks_.scene() : nullptr;
}

const BindingTable& ViewNavigation::NavBindings() {
    return bindings_ ? *bindings_ : context_.Bindings();
}

Prompt& ViewNavigation::NavPrompt() {
    return prompt_ ? *prompt_ : context_.GetPrompt();
}

ViewportSize ViewNavigation::NavViewport() {
    // Mouse positions are in widget units, so the pixel scale is too.
    return {view_->width(), view_->height()};
}

void ViewNavigation::RedrawView() {
    if (hooks_.redrawView) {
        hooks_.redrawView();
    } else {
        view_->update();
    }
}

void ViewNavigation::ResizeViewport() {
    if (hooks_.resizeViewport) {
        hooks_.resizeViewport();
    } else {
        RedrawView();
    }
}

bool ViewNavigation::AskThreeValues(ThreeValueRequest& request) {
    return ThreeValueDialog::Ask(view_, request);
}

void ViewNavigation::StartSpinTimer() {
    spinTimer_.start();
}

void ViewNavigation::StopSpinTimer() {
    spinTimer_.stop();
}

void ViewNavigation::ShowZoomBox(int x, int y, int width, int height) {
    if (!band_) band_ = new QRubberBand(QRubberBand::Rectangle, view_);
    band_->setGeometry(x, y, width, height);
    band_->show();
}

void ViewNavigation::HideZoomBox() {
    if (band_) band_->hide();
}

void ViewNavigation::MakeDocumentActive() {
    if (hooks_.makeDocumentActive) hooks_.makeDocumentActive();
}

bool ViewNavigation::SelectionEmpty() {
    return !selection_ || selection_->SelectionEmpty();
}

void ViewNavigation::RunDataCommand(int32_t code) {
    if (selection_) selection_->RunDataCommand(code);
}

bool ViewNavigation::CurrentSelectedItem(SelectedItem& item) {
    return selection_ && selection_->CurrentSelectedItem(item);
}

void ViewNavigation::ClearSelection() {
    if (selection_) selection_->ClearSelection();
}

void ViewNavigation::DimensionKeyClicked(int index) {
    if (selection_) selection_->DimensionKeyClicked(index);
}

void ViewNavigation::MoveSelectedDimension(const double delta[3]) {
    if (selection_) selection_->MoveSelectedDimension(delta);
}

void ViewNavigation::RedrawSelectionHighlight() {
    if (selection_) {
        selection_->RedrawSelectionHighlight();
    } else {
        RedrawView();
    }
}

void ViewNavigation::ShowStatusText(const QString& text) {
    context_.ShowStatusText(text);
}

void ViewNavigation::RedrawMainWindow() {
    if (QWidget* top = view_->window()) top->repaint();
}

bool ViewNavigation::eventFilter(QObject* watched, QEvent* event) {
    if (watched != view_) return QObject::eventFilter(watched, event);
    ViewNavigator::Button button;
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            auto* key = static_cast<QKeyEvent*>(event);
            const int32_t code = VirtualKeyForEvent(*key);
            if (code == kNoVirtualKey) break;
            if (event->type() == QEvent::KeyPress) {
                navigator_.KeyPress(code, key->isAutoRepeat());
            } else {
                navigator_.KeyRelease(code, key->isAutoRepeat());
            }
            break;
        }
        case QEvent::MouseButtonPress: {
            // A double-click arrives as its own event and belongs to picking.
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (ToButton(mouse->button(), button)) navigator_.ButtonDown(button, PointOf(*mouse));
            break;
        }
        case QEvent::MouseButtonRelease: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (ToButton(mouse->button(), button)) navigator_.ButtonUp(button, PointOf(*mouse));
            break;
        }
        case QEvent::MouseMove:
            navigator_.Drag(PointOf(*static_cast<QMouseEvent*>(event)));
            break;
        case QEvent::Wheel: {
            const int delta = static_cast<QWheelEvent*>(event)->angleDelta().y();
            if (navigator_.HasCapture()) {
                navigator_.Wheel(delta);
            } else if (delta != 0) {
                navigator_.WheelZoom(delta);
            }
            return true;
        }
        case QEvent::FocusOut:
            // Menus take the focus for a moment; that is not a deactivation.
            if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
                navigator_.Deactivate();
            break;
        case QEvent::Hide:
            navigator_.Deactivate();
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace vantor
