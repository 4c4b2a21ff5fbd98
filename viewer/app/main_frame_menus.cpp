// The menu bar and the tool bar of the main frame. Commands that other
// windows serve are listed here too, so the menus stay in one place.

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "app/command_ids.h"
#include "app/file_camera_menu.h"
#include "app/main_frame.h"
#include "app/settings_store.h"
#include "app/tool_icons.h"
#include "language.h"

QAction* CMainFrame::MakeAction(int id, const QString& text, const QString& statusText,
                                bool checkable) {
    QAction* action = actions_.value(id);
    if (action) return action;
    action = new QAction(text, this);
    action->setData(id);
    // Some texts serve as menu text and status text at once; a status text
    // shows no mnemonic.
    action->setStatusTip(QString(statusText).remove(u'&'));
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

    QMenu* file = bar->addMenu(tr("ﾌｧｲﾙ(&F)"));
    AddToMenu(file, kFileNew, tr("新規作成(&N)\tCtrl+N"), tr("新規にファイルを作成"));
    AddToMenu(file, kFileOpen, tr("開く(&O)...\tCtrl+O"), tr("既存のファイルを開く"));
    AddToMenu(file, kFileClose, tr("閉じる(&C)"), tr("作業中のファイルを閉じる"));
    AddToMenu(file, kReload, tr("再読み込み"), tr("ファイルを読み直す"));
    AddToMenu(file, kAssembly, tr("アセンブリ"), tr("Add File To Data"));
    QMenu* save = file->addMenu(tr("データ保存"));
    AddToMenu(save, kSaveTopData, tr("トップデータのみ、名前を付けて保存"));
    AddToMenu(save, kSaveNewData, tr("新データとして保存"), tr("New Data"));
    AddToMenu(save, kSaveAllData, tr("全てのデータを名前を付けて保存"));
    AddToMenu(save, kSaveHiddenToo, tr("非表示データも保存する"));
    AddToMenu(file, kSaveImage, tr("画像として保存..."), tr("Save the view as a picture"));
    file->addSeparator();
    AddToMenu(file, kPrintSetup, tr("ﾌﾟﾘﾝﾀの設定(&R)..."), tr("プリンタの設定"));
    file->addSeparator();
    for (int i = 0; i < kRecentFileCount; ++i) {
        AddToMenu(file, kRecentFile1 + i, QString(), tr("指定のファイルを開く"));
    }
    file->addSeparator();
    AddToMenu(file, kExit, tr("ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)"), tr("アプリケーションを終了"));
    // Ctrl+S is bound but in no menu; it must never overwrite the open file.
    QAction* frameworkSave = MakeAction(kFileSave, tr("上書き保存"), QString());
    frameworkSave->setShortcut(QKeySequence::Save);
    addAction(frameworkSave);

    QMenu* edit = bar->addMenu(tr("編集(&E)"));
    AddToMenu(edit, kEditUndo, tr("元に戻す\tCtrl+Z"), tr("直前の編集を取り消す"));
    AddToMenu(edit, kEditRedo, tr("やり直し\tCtrl+Y"), tr("取り消した編集をやり直す"));
    actions_.value(kEditRedo)->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});

    QMenu* view = bar->addMenu(tr("表示(&V)"));
    AddToMenu(view, kViewToolBar, tr("ﾂｰﾙ ﾊﾞｰ(&T)"), tr("ツール バーの表示/非表示"), true);
    AddToMenu(view, kViewStatusBar, tr("ｽﾃｰﾀｽ ﾊﾞｰ(&S)"), tr("ステータス バーの表示/非表示"), true);
    AddToMenu(view, kMeasurePanel, tr("測定パネル"), tr("測定パネルの表示/非表示"), true);
    view->addSeparator();
    AddToMenu(view, kShaded, tr("シェード表示"), tr("Shaded"), true);
    AddToMenu(view, kHiddenLineRemoved, tr("陰線消去"), tr("Hidden Line Removed"), true);
    AddToMenu(view, kHiddenLine, tr("陰線表示"), tr("Hidden Line"), true);
    AddToMenu(view, kWireframe, tr("ワイヤーフレーム"), tr("Wire Frame"), true);
    view->addSeparator();
    AddToMenu(view, kPerspective, tr("パースペクティブ"), tr("Perspective"), true);
    AddToMenu(view, kOrthographic, tr("正射影"), tr("Orthographic"), true);
    view->addSeparator();
    AddToMenu(view, kShowCoordinateCentre, tr("座標中心　表示"), tr("Coordinate Centre"), true);
    AddToMenu(view, kShowRotationCentre, tr("回転中心　表示"), tr("Rotation Centre"), true);
    AddToMenu(view, kShowDatums, tr("データム表示"), tr("Datum"), true);
    view->addSeparator();
    AddToMenu(view, kBackgroundColour, tr("背景色"), tr("Background Colour"));
    AddToMenu(view, kBackgroundBitmap, tr("背景ビットマップ"), tr("Background Bitmap"), true);
    AddToMenu(view, kChangeFont, tr("Changing Font Style"), tr("Changing Font Style"));
    QMenu* lights = view->addMenu(tr("ライト"));
    AddToMenu(lights, kLight0, tr("ライト　No.0"));
    AddToMenu(lights, kLight1, tr("ライト　No.1"));
    AddToMenu(lights, kLight2, tr("ライト　No.2"));
    lights->addAction(tr("詳細設定"))->setEnabled(false);
    view->addSeparator();
    AddToMenu(view, kDataStructure, tr("Data Structure"), tr("DataStructure"), true);

    QMenu* camera = bar->addMenu(tr("視点(&C)"));
    AddToMenu(camera, kZoomIn, tr("Zoom In"), tr("Zoom In"));
    AddToMenu(camera, kZoomOut, tr("Zoom Out"), tr("Zoom Out"));
    AddToMenu(camera, kRepaint, tr("再ペイント"), tr("RePaint"));
    AddToMenu(camera, kDefault, tr("デフォルト"), tr("Default"));
    AddToMenu(camera, kReset, tr("リセット"), tr("Reset"));
    camera->addSeparator();
    AddToMenu(camera, kMoveRight, tr("Move　->"), tr("Move Right"));
    AddToMenu(camera, kMoveLeft, tr("<-　Move"), tr("Move Left"));
    AddToMenu(camera, kMoveUp, tr("Move　Up"), tr("Move Up"));
    AddToMenu(camera, kMoveDown, tr("Move　Down"), tr("Move Down"));
    AddToMenu(camera, kMoveZFar, tr("Move Z far"), tr("Move Z Far"));
    AddToMenu(camera, kMoveZNear, tr("Move Z Near"), tr("Move Z Near"));
    camera->addSeparator();
    AddToMenu(camera, kTurnXPlus, tr("Turn　Down X Plus"), tr("Turn Down X Plus"));
    AddToMenu(camera, kTurnXMinus, tr("TurnUp X Minus"), tr("Turn Up X Minus"));
    AddToMenu(camera, kTurnYPlus, tr("Turn-> Y Plus"), tr("Turn Y Plus"));
    AddToMenu(camera, kTurnYMinus, tr("<-Turn y Minus"), tr("Turn Y Minus"));
    AddToMenu(camera, kRollZPlus, tr("Roal Z Plus"), tr("Roll Z Plus"));
    AddToMenu(camera, kRollZMinus, tr("Roal Z Minus"), tr("Roll Z Minus"));
    camera->addSeparator();
    AddToMenu(camera, kFront, tr("Front"), tr("Front"));
    AddToMenu(camera, kTop, tr("Top"), tr("Top"));
    AddToMenu(camera, kSide, tr("Side"), tr("Side"));
    AddToMenu(camera, kTurn180, tr("前後反転"), tr("Turn 180"));
    camera->addSeparator();
    AddToMenu(camera, kSetRotationCentre, tr("回転中心設定"), tr("Set Rotation Centre"));
    AddToMenu(camera, kClipDistances, tr("視点距離クリップ"), tr("Clip Distances"));
    AddToMenu(camera, kSection, tr("断面表示"), tr("Section"));
    AddToMenu(camera, kStepAmounts, tr("ステップ移動量設定"), tr("Step Amounts"));
    camera->addSeparator();
    AddToMenu(camera, kPlayAll, tr("Play All"), tr("Play All"), true);
    AddToMenu(camera, kPlayEach, tr("Play Each"), tr("Play Each"), true);
    AddFileCameraMenu(camera, this);

    QMenu* select = bar->addMenu(tr("選択(&S)"));
    AddToMenu(select, kDataFirst, tr("Data First"), tr("Data First"));
    AddToMenu(select, kDataPrevious, tr("Data Previous"), tr("Data Previous"));
    AddToMenu(select, kDataToggle, tr("Data Toggle"), tr("Data Toggle"));
    AddToMenu(select, kDataNext, tr("Data Next"), tr("Data Next"));
    AddToMenu(select, kDataLast, tr("Data Last"), tr("Data Last"));
    AddToMenu(select, kDataDelete, tr("Data Delete"), tr("Data Delete"));
    select->addSeparator();
    AddToMenu(select, kNodeNumber, tr("ノード番号指定"), tr("Node Number"));
    AddToMenu(select, kChangePointValue, tr("Change Point Value"), tr("Change Point Value"));
    AddToMenu(select, kChangeNormalValue, tr("Change Normal Value"), tr("Change Normal Value"));

    QMenu* measure = bar->addMenu(tr("測定(&M)"));
    AddToMenu(measure, kCsysCentre, tr("測定座標系中心設定"), tr("Measuring System Centre"));
    AddToMenu(measure, kCsysRotation, tr("測定座標系回転設定"), tr("Measuring System Rotation"));
    AddToMenu(measure, kMeasureStartPoint, tr("測定開始点設定"), tr("Measure Start Point"));
    AddToMenu(measure, kMeasurePlane, tr("測定基準平面設定"), tr("Measure Base Plane"));
    AddToMenu(measure, kCsysReset, tr("測定座標系リセット"),
              tr("測定座標系をワールド座標系に戻す"));
    measure->addSeparator();
    AddToMenu(measure, kFromFront, tr("from Front"), tr("from Front"));
    AddToMenu(measure, kFromSide, tr("from SIDE"), tr("from SIDE"));
    AddToMenu(measure, kFromTop, tr("from TOP"), tr("from TOP"));
    AddToMenu(measure, kFromPoint, tr("from Point"), tr("from Point"));
    AddToMenu(measure, kFromCsys, tr("from Csys"), tr("from Csys"));
    AddToMenu(measure, kFromPlane, tr("from Plane"), tr("from Plane"));
    AddToMenu(measure, kRadius, tr("Radius"), tr("Radius"));
    AddToMenu(measure, kDiameter, tr("Diameter"), tr("Diameter"));
    AddToMenu(measure, kMakeComment, tr("Make Comment"), tr("Make Comment"));
    measure->addSeparator();
    AddToMenu(measure, kHideSelectedDimension, tr("選択寸法非表示"), tr("Hide Dimension"));
    AddToMenu(measure, kHideAllDimensions, tr("全寸法一時非表示"), tr("Hide All Dimensions"));
    AddToMenu(measure, kShowAllDimensions, tr("全寸法一時非表示解除"), tr("Show All Dimensions"));
    AddToMenu(measure, kDimensionHeight, tr("寸法高さ変更"), tr("Dimension Height"));
    AddToMenu(measure, kChangeText, tr("Change Text"), tr("Change Text"));
    AddToMenu(measure, kMoveSelectedDimension, tr("選択寸法移動"), tr("Move Dimension"));
    AddToMenu(measure, kDeleteDimension, tr("寸法削除"), tr("Delete Dimension"));

    QMenu* settings = bar->addMenu(tr("設定"));
    AddToMenu(settings, kShowConfig, tr("現在の設定"), tr("現在の設定"));
    AddToMenu(settings, kLoadConfig, tr("設定読み込み"), tr("Load config"));
    AddToMenu(settings, kEditConfig, tr("設定編集"), tr("Edit Config"));
    AddToMenu(settings, kAutoReload, tr("変更されたファイルを自動で再読み込み"),
              tr("編集のない文書はファイルの変更時にすぐ読み直す"), true);
    settings->addSeparator();
    vantor::AddLanguageMenu(settings, vantor::ChosenLanguage(KorvaldeSettings()),
                            [](const QString& language) {
                                KorvaldeSettings store;
                                vantor::SaveLanguage(store, language);
                            });

    QMenu* window = bar->addMenu(tr("ｳｨﾝﾄﾞｳ(&W)"));
    AddToMenu(window, kWindowCascade, tr("重ねて表示(&C)"), tr("ウィンドウを重ねて表示"));
    AddToMenu(window, kWindowTile, tr("並べて表示(&T)"), tr("ウィンドウを並べて表示"));

    QMenu* help = bar->addMenu(tr("ﾍﾙﾌﾟ(&H)"));
    AddToMenu(help, kHelp, tr("ヘルプ"), tr("Help"));
    AddToMenu(help, kAbout, tr("ﾊﾞｰｼﾞｮﾝ情報(HelpApp)(&A)..."), tr("バージョン情報"));

    for (QMenu* menu : bar->findChildren<QMenu*>())
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
}

void CMainFrame::BuildToolBar() {
    using namespace cmd;
    toolBar_ = addToolBar(tr("Standard"));
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
