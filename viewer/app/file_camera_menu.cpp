#include "app/file_camera_menu.h"

#include <QCoreApplication>
#include <QMenu>

#include "app/child_frame.h"
#include "app/main_frame.h"
#include "scene/scene_data.h"
#include "view/korvalde_view.h"

namespace vantor {

namespace {

// The description of a Viewpoint, else the DEF name, else kind and number.
QString CameraLabel(const SceneData& scene, size_t index) {
    const int32_t row = scene.cameras[index].row;
    const NodeRow& node = scene.Row(row);
    const int32_t note = node.dataEnd;
    if (kind::IsCamera(node.kind) && note >= 0 && note < scene.textCount)
        return QString::fromStdString(scene.texts.items[size_t(note)].string);
    const std::string name = scene.DefNameOf(row);
    if (!name.empty()) return QString::fromStdString(name);
    return QStringLiteral("%1 %2").arg(QString::fromStdString(KindName(node.kind))).arg(index + 1);
}

void FillFileCameraMenu(QMenu* menu, CKorvaldeView* view) {
    menu->clear();
    const SceneData* scene = view ? view->Scene() : nullptr;
    const size_t count = scene ? scene->cameras.size() : 0;
    for (size_t i = 0; i < count; ++i) {
        // Labels are the file's text: an "&" in them is no mnemonic.
        QAction* action =
            menu->addAction(CameraLabel(*scene, i).replace(u'&', QStringLiteral("&&")));
        QObject::connect(action, &QAction::triggered, view,
                         [view, i] { view->ViewThroughFileCamera(int(i)); });
    }
    menu->setEnabled(count > 0);
}

}  // namespace

void AddFileCameraMenu(QMenu* cameraMenu, CMainFrame* frame) {
    cameraMenu->addSeparator();
    QMenu* cameras =
        cameraMenu->addMenu(QCoreApplication::translate("vantor::CMainFrame", "ファイルの視点"));
    cameras->menuAction()->setStatusTip(
        QCoreApplication::translate("vantor::CMainFrame", "ファイルに書かれた視点から見る"));
    QObject::connect(cameraMenu, &QMenu::aboutToShow, cameras, [cameras, frame] {
        CChildFrame* child = frame->ActiveChild();
        FillFileCameraMenu(cameras, child ? child->View() : nullptr);
    });
}

}  // namespace vantor
