// The menu bar and the tool bar of the main frame. Commands that other
// windows serve are listed here too, so the menus stay in one place.

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "app/command_ids.h"
#include "app/main_frame.h"
#include "app/tool_icons.h"

namespace {

QString U(const char* text) {
    return QString::fromUtf8(text);
}

}  // namespace

QAction* CMainFrame::MakeAction(int id, const QString& text, const QString& statusText,
                                bool checkable) {
    QAction* action = actions_.value(id);
    if (action) return action;
    action = new QAction(text, this);
    action->setData(id);
    action->setStatusTip(statusText);
    action->setCheckable(checkable);
    connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
    actions_.insert(id, action);
    return action;
}

void CMainFrame::AddToMenu(QMenu* menu, int id, const QString& text, const QString& statusText,
                           bool checkable) {
    // Menu texts carry their accelerator after a tab, as the shortcut column.
    QString shown = text;
    const qsizetype tab = shown.indexOf(u'\t');
    QAction* action = MakeAction(id, tab >= 0 ? shown.left(tab) : shown, statusText, checkable);
    if (tab >= 0) action->setShortcut(QKeySequence(shown.mid(tab + 1)));
    menu->addAction(action);
}

void CMainFrame::BuildMenus() {
    using namespace cmd;
    QMenuBar* bar = menuBar();

    QMenu* file = bar->addMenu(U("ﾌｧｲﾙ(&F)"));
    AddToMenu(file, kFileNew, U("新規作成(&N)\tCtrl+N"), U("新規にファイルを作成"));
    AddToMenu(file, kFileOpen, U("開く(&O)...\tCtrl+O"), U("既存のファイルを開く"));
    AddToMenu(file, kFileClose, U("閉じる(&C)"), U("作業中のファイルを閉じる"));
    AddToMenu(file, kAssembly, U("アセンブリ"), U("Add File To Data"));
    QMenu* save = file->addMenu(U("データ保存"));
    AddToMenu(save, kSaveTopData, U("トップデータのみ、名前を付けて保存"));
    AddToMenu(save, kSaveNewData, U("新データとして保存"), U("New Data"));
    AddToMenu(save, kSaveAllData, U("全てのデータを名前を付けて保存"));
    AddToMenu(save, kSaveHiddenToo, U("非表示データも保存する"));
    AddToMenu(file, kSaveImage, U("画像として保存..."), U("Save the view as a picture"));
    file->addSeparator();
    AddToMenu(file, kPrintSetup, U("ﾌﾟﾘﾝﾀの設定(&R)..."), U("プリンタの設定"));
    file->addSeparator();
    for (int i = 0; i < kRecentFileCount; ++i) {
        AddToMenu(file, kRecentFile1 + i, QString(), U("指定のファイルを開く"));
    }
    file->addSeparator();
    AddToMenu(file, kExit, U("ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)"), U("アプリケーションを終了"));
    // Ctrl+S is bound but in no menu; it must never overwrite the open file.
    QAction* frameworkSave = MakeAction(kFileSave, U("上書き保存"), QString());
    frameworkSave->setShortcut(QKeySequence::Save);
    addAction(frameworkSave);

    QMenu* view = bar->addMenu(U("表示(&V)"));
    AddToMenu(view, kViewToolBar, U("ﾂｰﾙ ﾊﾞｰ(&T)"), U("ツール バーの表示/非表示"), true);
    AddToMenu(view, kViewStatusBar, U("ｽﾃｰﾀｽ ﾊﾞｰ(&S)"), U("ステータス バーの表示/非表示"), true);
    AddToMenu(view, kMeasurePanel, tr("測定パネル"), tr("測定パネルの表示/非表示"), true);
    view->addSeparator();
    AddToMenu(view, kShaded, U("シェード表示"), U("Shaded"), true);
    AddToMenu(view, kHiddenLineRemoved, U("陰線消去"), U("Hidden Line Removed"), true);
    AddToMenu(view, kHiddenLine, U("陰線表示"), U("Hidden Line"), true);
    AddToMenu(view, kWireframe, U("ワイヤーフレーム"), U("Wire Frame"), true);
    view->addSeparator();
    AddToMenu(view, kPerspective, U("パースペクティブ"), U("Perspective"), true);
    AddToMenu(view, kOrthographic, U("正射影"), U("Orthographic"), true);
    view->addSeparator();
    AddToMenu(view, kShowCoordinateCentre, U("座標中心　表示"), U("Coordinate Centre"), true);
    AddToMenu(view, kShowRotationCentre, U("回転中心　表示"), U("Rotation Centre"), true);
    AddToMenu(view, kShowDatums, U("データム表示"), U("Datum"), true);
    view->addSeparator();
    AddToMenu(view, kBackgroundColour, U("背景色"), U("Background Colour"));
    AddToMenu(view, kBackgroundBitmap, U("背景ビットマップ"), U("Background Bitmap"), true);
    AddToMenu(view, kChangeFont, U("Changing Font Style"), U("Changing Font Style"));
    QMenu* lights = view->addMenu(U("ライト"));
    AddToMenu(lights, kLight0, U("ライト　No.0"));
    AddToMenu(lights, kLight1, U("ライト　No.1"));
    AddToMenu(lights, kLight2, U("ライト　No.2"));
    lights->addAction(U("詳細設定"))->setEnabled(false);
    view->addSeparator();
    AddToMenu(view, kDataStructure, U("Data Structure"), U("DataStructure"), true);

    QMenu* camera = bar->addMenu(U("視点(&C)"));
    AddToMenu(camera, kZoomIn, U("Zoom In"), U("Zoom In"));
    AddToMenu(camera, kZoomOut, U("Zoom Out"), U("Zoom Out"));
    AddToMenu(camera, kRepaint, U("再ペイント"), U("RePaint"));
    AddToMenu(camera, kDefault, U("デフォルト"), U("Default"));
    AddToMenu(camera, kReset, U("リセット"), U("Reset"));
    camera->addSeparator();
    AddToMenu(camera, kMoveRight, U("Move　->"), U("Move Right"));
    AddToMenu(camera, kMoveLeft, U("<-　Move"), U("Move Left"));
    AddToMenu(camera, kMoveUp, U("Move　Up"), U("Move Up"));
    AddToMenu(camera, kMoveDown, U("Move　Down"), U("Move Down"));
    AddToMenu(camera, kMoveZFar, U("Move Z far"), U("Move Z Far"));
    AddToMenu(camera, kMoveZNear, U("Move Z Near"), U("Move Z Near"));
    camera->addSeparator();
    AddToMenu(camera, kTurnXPlus, U("Turn　Down X Plus"), U("Turn Down X Plus"));
    AddToMenu(camera, kTurnXMinus, U("TurnUp X Minus"), U("Turn Up X Minus"));
    AddToMenu(camera, kTurnYPlus, U("Turn-> Y Plus"), U("Turn Y Plus"));
    AddToMenu(camera, kTurnYMinus, U("<-Turn y Minus"), U("Turn Y Minus"));
    AddToMenu(camera, kRollZPlus, U("Roal Z Plus"), U("Roll Z Plus"));
    AddToMenu(camera, kRollZMinus, U("Roal Z Minus"), U("Roll Z Minus"));
    camera->addSeparator();
    AddToMenu(camera, kFront, U("Front"), U("Front"));
    AddToMenu(camera, kTop, U("Top"), U("Top"));
    AddToMenu(camera, kSide, U("Side"), U("Side"));
    AddToMenu(camera, kTurn180, U("前後反転"), U("Turn 180"));
    camera->addSeparator();
    AddToMenu(camera, kSetRotationCentre, U("回転中心設定"), U("Set Rotation Centre"));
    AddToMenu(camera, kClipDistances, U("視点距離クリップ"), U("Clip Distances"));
    AddToMenu(camera, kSection, U("断面表示"), U("Section"));
    AddToMenu(camera, kStepAmounts, U("ステップ移動量設定"), U("Step Amounts"));
    camera->addSeparator();
    AddToMenu(camera, kPlayAll, U("Play All"), U("Play All"), true);
    AddToMenu(camera, kPlayEach, U("Play Each"), U("Play Each"), true);

    QMenu* select = bar->addMenu(U("選択(&S)"));
    AddToMenu(select, kDataFirst, U("Data First"), U("Data First"));
    AddToMenu(select, kDataPrevious, U("Data Previous"), U("Data Previous"));
    AddToMenu(select, kDataToggle, U("Data Toggle"), U("Data Toggle"));
    AddToMenu(select, kDataNext, U("Data Next"), U("Data Next"));
    AddToMenu(select, kDataLast, U("Data Last"), U("Data Last"));
    AddToMenu(select, kDataDelete, U("Data Delete"), U("Data Delete"));
    select->addSeparator();
    AddToMenu(select, kNodeNumber, U("ノード番号指定"), U("Node Number"));
    AddToMenu(select, kChangePointValue, U("Change Point Value"), U("Change Point Value"));
    AddToMenu(select, kChangeNormalValue, U("Change Normal Value"), U("Change Normal Value"));

    QMenu* measure = bar->addMenu(U("測定(&M)"));
    AddToMenu(measure, kCsysCentre, U("測定座標系中心設定"), U("Measuring System Centre"));
    AddToMenu(measure, kCsysRotation, U("測定座標系回転設定"), U("Measuring System Rotation"));
    AddToMenu(measure, kMeasureStartPoint, U("測定開始点設定"), U("Measure Start Point"));
    AddToMenu(measure, kMeasurePlane, U("測定基準平面設定"), U("Measure Base Plane"));
    AddToMenu(measure, kCsysReset, tr("測定座標系リセット"),
              tr("測定座標系をワールド座標系に戻す"));
    measure->addSeparator();
    AddToMenu(measure, kFromFront, U("from Front"), U("from Front"));
    AddToMenu(measure, kFromSide, U("from SIDE"), U("from SIDE"));
    AddToMenu(measure, kFromTop, U("from TOP"), U("from TOP"));
    AddToMenu(measure, kFromPoint, U("from Point"), U("from Point"));
    AddToMenu(measure, kFromCsys, U("from Csys"), U("from Csys"));
    AddToMenu(measure, kFromPlane, U("from Plane"), U("from Plane"));
    AddToMenu(measure, kRadius, U("Radius"), U("Radius"));
    AddToMenu(measure, kDiameter, U("Diameter"), U("Diameter"));
    AddToMenu(measure, kMakeComment, U("Make Comment"), U("Make Comment"));
    measure->addSeparator();
    AddToMenu(measure, kHideSelectedDimension, U("選択寸法非表示"), U("Hide Dimension"));
    AddToMenu(measure, kHideAllDimensions, U("全寸法一時非表示"), U("Hide All Dimensions"));
    AddToMenu(measure, kShowAllDimensions, U("全寸法一時非表示解除"), U("Show All Dimensions"));
    AddToMenu(measure, kDimensionHeight, U("寸法高さ変更"), U("Dimension Height"));
    AddToMenu(measure, kChangeText, U("Change Text"), U("Change Text"));
    AddToMenu(measure, kMoveSelectedDimension, U("選択寸法移動"), U("Move Dimension"));
    AddToMenu(measure, kDeleteDimension, U("寸法削除"), U("Delete Dimension"));

    QMenu* settings = bar->addMenu(U("設定"));
    AddToMenu(settings, kShowConfig, U("現在の設定"), U("現在の設定"));
    AddToMenu(settings, kLoadConfig, U("設定読み込み"), U("Load config"));
    AddToMenu(settings, kEditConfig, U("設定編集"), U("Edit Config"));

    QMenu* window = bar->addMenu(U("ｳｨﾝﾄﾞｳ(&W)"));
    AddToMenu(window, kWindowCascade, U("重ねて表示(&C)"), U("ウィンドウを重ねて表示"));
    AddToMenu(window, kWindowTile, U("並べて表示(&T)"), U("ウィンドウを並べて表示"));

    QMenu* help = bar->addMenu(U("ﾍﾙﾌﾟ(&H)"));
    AddToMenu(help, kHelp, U("ヘルプ"), U("Help"));
    AddToMenu(help, kAbout, U("ﾊﾞｰｼﾞｮﾝ情報(HelpApp)(&A)..."), U("バージョン情報"));

    for (QMenu* menu : bar->findChildren<QMenu*>())
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
}

void CMainFrame::BuildToolBar() {
    using namespace cmd;
    toolBar_ = addToolBar(U("Standard"));
    toolBar_->setObjectName(QStringLiteral("StandardToolBar"));
    toolBar_->setIconSize(QSize(16, 15));
    toolBar_->setAllowedAreas(Qt::AllToolBarAreas);
    // Order and grouping of the classic tool bar; 0 marks a separator.
    const int layout[] = {kFileNew,   kFileOpen,   0,          kMoveLeft,   kMoveRight, kMoveUp,
                          kMoveDown,  kMoveZFar,   kMoveZNear, 0,           kTurnXPlus, kTurnXMinus,
                          kTurnYPlus, kTurnYMinus, kRollZPlus, kRollZMinus, 0,          kZoomIn,
                          kZoomOut,   0,           kReset,     kDefault,    0,          kRepaint,
                          kFront,     kTop,        kSide,      kTurn180};
    for (int id : layout) {
        if (id == 0) {
            toolBar_->addSeparator();
            continue;
        }
        QAction* action = actions_.value(id);
        action->setIcon(ToolIcon(id));
        toolBar_->addAction(action);
    }
}
