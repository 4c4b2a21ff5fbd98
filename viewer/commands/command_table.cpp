#include "commands/command_table.h"

#include <QCoreApplication>

namespace vantor {

namespace {

using K = CommandKind;

constexpr Command Act(int id, Menu menu, const char* text, const char* status = nullptr) {
    return {id, menu, text, status};
}
constexpr Command Check(int id, Menu menu, const char* text, const char* status) {
    return {id, menu, text, status, kNoBindingCode, K::Checkable};
}
// A camera command that a key of the binding file can run.
constexpr Command Key(int32_t code, int id, const char* text, const char* status) {
    return {id, Menu::Camera, text, status, code};
}
constexpr Command Line(Command command) {
    command.separatorBefore = true;
    return command;
}
constexpr Command Sub(Menu menu, const char* text, Menu opens) {
    return {0, menu, text, nullptr, kNoBindingCode, K::Submenu, false, opens};
}
constexpr Command Keys(Command command, const char* shortcuts) {
    command.shortcuts = shortcuts;
    return command;
}

using namespace cmd;
using M = Menu;

// The texts keep their half-width kana, full-width spaces ("Move　->") and
// spellings ("Roal Z Plus"): they are the program's own.
class Commands {
    Q_DECLARE_TR_FUNCTIONS(Commands)

  public:
    static constexpr Command kTable[] = {
        Act(kFileNew, M::File, QT_TR_NOOP("新規作成(&N)\tCtrl+N"),
            QT_TR_NOOP("新規にファイルを作成")),
        Act(kFileOpen, M::File, QT_TR_NOOP("開く(&O)...\tCtrl+O"),
            QT_TR_NOOP("既存のファイルを開く")),
        Act(kFileClose, M::File, QT_TR_NOOP("閉じる(&C)"), QT_TR_NOOP("作業中のファイルを閉じる")),
        Act(kReload, M::File, QT_TR_NOOP("再読み込み"), QT_TR_NOOP("ファイルを読み直す")),
        Act(kAssembly, M::File, QT_TR_NOOP("アセンブリ"), QT_TR_NOOP("Add File To Data")),
        Sub(M::File, QT_TR_NOOP("データ保存"), M::Save),
        Act(kSaveTopData, M::Save, QT_TR_NOOP("トップデータのみ、名前を付けて保存")),
        Act(kSaveNewData, M::Save, QT_TR_NOOP("新データとして保存"), QT_TR_NOOP("New Data")),
        Act(kSaveAllData, M::Save, QT_TR_NOOP("全てのデータを名前を付けて保存")),
        Act(kSaveHiddenToo, M::Save, QT_TR_NOOP("非表示データも保存する")),
        Act(kSaveImage, M::File, QT_TR_NOOP("画像として保存..."),
            QT_TR_NOOP("Save the view as a picture")),
        Line(Act(kPrintSetup, M::File, QT_TR_NOOP("ﾌﾟﾘﾝﾀの設定(&R)..."),
                 QT_TR_NOOP("プリンタの設定"))),
        Line(Act(kRecentFile1, M::File, nullptr, QT_TR_NOOP("指定のファイルを開く"))),
        Act(kRecentFile1 + 1, M::File, nullptr, QT_TR_NOOP("指定のファイルを開く")),
        Act(kRecentFile1 + 2, M::File, nullptr, QT_TR_NOOP("指定のファイルを開く")),
        Act(kRecentFile1 + 3, M::File, nullptr, QT_TR_NOOP("指定のファイルを開く")),
        Line(Act(kExit, M::File, QT_TR_NOOP("ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)"),
                 QT_TR_NOOP("アプリケーションを終了"))),
        // Ctrl+S is bound but in no menu; it must never overwrite the open file.
        Keys(Act(kFileSave, M::None, QT_TR_NOOP("上書き保存")), "Ctrl+S"),

        Act(kEditUndo, M::Edit, QT_TR_NOOP("元に戻す\tCtrl+Z"), QT_TR_NOOP("直前の編集を取り消す")),
        Keys(Act(kEditRedo, M::Edit, QT_TR_NOOP("やり直し\tCtrl+Y"),
                 QT_TR_NOOP("取り消した編集をやり直す")),
             "Ctrl+Y; Ctrl+Shift+Z"),

        Check(kViewToolBar, M::View, QT_TR_NOOP("ﾂｰﾙ ﾊﾞｰ(&T)"),
              QT_TR_NOOP("ツール バーの表示/非表示")),
        Check(kViewStatusBar, M::View, QT_TR_NOOP("ｽﾃｰﾀｽ ﾊﾞｰ(&S)"),
              QT_TR_NOOP("ステータス バーの表示/非表示")),
        Check(kMeasurePanel, M::View, QT_TR_NOOP("測定パネル"),
              QT_TR_NOOP("測定パネルの表示/非表示")),
        Line(Check(kShaded, M::View, QT_TR_NOOP("シェード表示"), QT_TR_NOOP("Shaded"))),
        Check(kHiddenLineRemoved, M::View, QT_TR_NOOP("陰線消去"),
              QT_TR_NOOP("Hidden Line Removed")),
        Check(kHiddenLine, M::View, QT_TR_NOOP("陰線表示"), QT_TR_NOOP("Hidden Line")),
        Check(kWireframe, M::View, QT_TR_NOOP("ワイヤーフレーム"), QT_TR_NOOP("Wire Frame")),
        Line(Check(kPerspective, M::View, QT_TR_NOOP("パースペクティブ"),
                   QT_TR_NOOP("Perspective"))),
        Check(kOrthographic, M::View, QT_TR_NOOP("正射影"), QT_TR_NOOP("Orthographic")),
        Line(Check(kShowCoordinateCentre, M::View, QT_TR_NOOP("座標中心　表示"),
                   QT_TR_NOOP("Coordinate Centre"))),
        Check(kShowRotationCentre, M::View, QT_TR_NOOP("回転中心　表示"),
              QT_TR_NOOP("Rotation Centre")),
        Check(kShowDatums, M::View, QT_TR_NOOP("データム表示"), QT_TR_NOOP("Datum")),
        Line(
            Act(kBackgroundColour, M::View, QT_TR_NOOP("背景色"), QT_TR_NOOP("Background Colour"))),
        Check(kBackgroundBitmap, M::View, QT_TR_NOOP("背景ビットマップ"),
              QT_TR_NOOP("Background Bitmap")),
        Act(kChangeFont, M::View, QT_TR_NOOP("Changing Font Style"),
            QT_TR_NOOP("Changing Font Style")),
        Sub(M::View, QT_TR_NOOP("ライト"), M::Lights),
        Act(kLight0, M::Lights, QT_TR_NOOP("ライト　No.0")),
        Act(kLight1, M::Lights, QT_TR_NOOP("ライト　No.1")),
        Act(kLight2, M::Lights, QT_TR_NOOP("ライト　No.2")),
        {0, M::Lights, QT_TR_NOOP("詳細設定"), nullptr, kNoBindingCode, K::Placeholder},
        Line(Check(kDataStructure, M::View, QT_TR_NOOP("Data Structure"),
                   QT_TR_NOOP("DataStructure"))),

        Key(1001, kZoomIn, QT_TR_NOOP("Zoom In"), QT_TR_NOOP("Zoom In")),
        Key(1002, kZoomOut, QT_TR_NOOP("Zoom Out"), QT_TR_NOOP("Zoom Out")),
        Key(1003, kRepaint, QT_TR_NOOP("再ペイント"), QT_TR_NOOP("RePaint")),
        Key(1004, kDefault, QT_TR_NOOP("デフォルト"), QT_TR_NOOP("Default")),
        Key(1005, kReset, QT_TR_NOOP("リセット"), QT_TR_NOOP("Reset")),
        Line(Key(1011, kMoveRight, QT_TR_NOOP("Move　->"), QT_TR_NOOP("Move Right"))),
        Key(1012, kMoveLeft, QT_TR_NOOP("<-　Move"), QT_TR_NOOP("Move Left")),
        Key(1013, kMoveUp, QT_TR_NOOP("Move　Up"), QT_TR_NOOP("Move Up")),
        Key(1014, kMoveDown, QT_TR_NOOP("Move　Down"), QT_TR_NOOP("Move Down")),
        Key(1015, kMoveZFar, QT_TR_NOOP("Move Z far"), QT_TR_NOOP("Move Z Far")),
        Key(1016, kMoveZNear, QT_TR_NOOP("Move Z Near"), QT_TR_NOOP("Move Z Near")),
        Line(
            Key(1021, kTurnXPlus, QT_TR_NOOP("Turn　Down X Plus"), QT_TR_NOOP("Turn Down X Plus"))),
        Key(1022, kTurnXMinus, QT_TR_NOOP("TurnUp X Minus"), QT_TR_NOOP("Turn Up X Minus")),
        Key(1023, kTurnYPlus, QT_TR_NOOP("Turn-> Y Plus"), QT_TR_NOOP("Turn Y Plus")),
        Key(1024, kTurnYMinus, QT_TR_NOOP("<-Turn y Minus"), QT_TR_NOOP("Turn Y Minus")),
        Key(1025, kRollZPlus, QT_TR_NOOP("Roal Z Plus"), QT_TR_NOOP("Roll Z Plus")),
        Key(1026, kRollZMinus, QT_TR_NOOP("Roal Z Minus"), QT_TR_NOOP("Roll Z Minus")),
        Line(Key(1030, kFront, QT_TR_NOOP("Front"), QT_TR_NOOP("Front"))),
        Key(1032, kTop, QT_TR_NOOP("Top"), QT_TR_NOOP("Top")),
        Key(1031, kSide, QT_TR_NOOP("Side"), QT_TR_NOOP("Side")),
        Key(1033, kTurn180, QT_TR_NOOP("前後反転"), QT_TR_NOOP("Turn 180")),
        Line(Key(1100, kSetRotationCentre, QT_TR_NOOP("回転中心設定"),
                 QT_TR_NOOP("Set Rotation Centre"))),
        Act(kClipDistances, M::Camera, QT_TR_NOOP("視点距離クリップ"),
            QT_TR_NOOP("Clip Distances")),
        Act(kSection, M::Camera, QT_TR_NOOP("断面表示"), QT_TR_NOOP("Section")),
        Act(kStepAmounts, M::Camera, QT_TR_NOOP("ステップ移動量設定"), QT_TR_NOOP("Step Amounts")),
        Line(Check(kPlayAll, M::Camera, QT_TR_NOOP("Play All"), QT_TR_NOOP("Play All"))),
        Check(kPlayEach, M::Camera, QT_TR_NOOP("Play Each"), QT_TR_NOOP("Play Each")),

        Act(kDataFirst, M::Select, QT_TR_NOOP("Data First"), QT_TR_NOOP("Data First")),
        Act(kDataPrevious, M::Select, QT_TR_NOOP("Data Previous"), QT_TR_NOOP("Data Previous")),
        Act(kDataToggle, M::Select, QT_TR_NOOP("Data Toggle"), QT_TR_NOOP("Data Toggle")),
        Act(kDataNext, M::Select, QT_TR_NOOP("Data Next"), QT_TR_NOOP("Data Next")),
        Act(kDataLast, M::Select, QT_TR_NOOP("Data Last"), QT_TR_NOOP("Data Last")),
        Act(kDataDelete, M::Select, QT_TR_NOOP("Data Delete"), QT_TR_NOOP("Data Delete")),
        Line(Act(kNodeNumber, M::Select, QT_TR_NOOP("ノード番号指定"), QT_TR_NOOP("Node Number"))),
        Act(kChangePointValue, M::Select, QT_TR_NOOP("Change Point Value"),
            QT_TR_NOOP("Change Point Value")),
        Act(kChangeNormalValue, M::Select, QT_TR_NOOP("Change Normal Value"),
            QT_TR_NOOP("Change Normal Value")),

        Act(kCsysCentre, M::Measure, QT_TR_NOOP("測定座標系中心設定"),
            QT_TR_NOOP("Measuring System Centre")),
        Act(kCsysRotation, M::Measure, QT_TR_NOOP("測定座標系回転設定"),
            QT_TR_NOOP("Measuring System Rotation")),
        Act(kMeasureStartPoint, M::Measure, QT_TR_NOOP("測定開始点設定"),
            QT_TR_NOOP("Measure Start Point")),
        Act(kMeasurePlane, M::Measure, QT_TR_NOOP("測定基準平面設定"),
            QT_TR_NOOP("Measure Base Plane")),
        Act(kCsysReset, M::Measure, QT_TR_NOOP("測定座標系リセット"),
            QT_TR_NOOP("測定座標系をワールド座標系に戻す")),
        Line(Act(kFromFront, M::Measure, QT_TR_NOOP("from Front"), QT_TR_NOOP("from Front"))),
        Act(kFromSide, M::Measure, QT_TR_NOOP("from SIDE"), QT_TR_NOOP("from SIDE")),
        Act(kFromTop, M::Measure, QT_TR_NOOP("from TOP"), QT_TR_NOOP("from TOP")),
        Act(kFromPoint, M::Measure, QT_TR_NOOP("from Point"), QT_TR_NOOP("from Point")),
        Act(kFromCsys, M::Measure, QT_TR_NOOP("from Csys"), QT_TR_NOOP("from Csys")),
        Act(kFromPlane, M::Measure, QT_TR_NOOP("from Plane"), QT_TR_NOOP("from Plane")),
        Act(kRadius, M::Measure, QT_TR_NOOP("Radius"), QT_TR_NOOP("Radius")),
        Act(kDiameter, M::Measure, QT_TR_NOOP("Diameter"), QT_TR_NOOP("Diameter")),
        Act(kMakeComment, M::Measure, QT_TR_NOOP("Make Comment"), QT_TR_NOOP("Make Comment")),
        Line(Act(kHideSelectedDimension, M::Measure, QT_TR_NOOP("選択寸法非表示"),
                 QT_TR_NOOP("Hide Dimension"))),
        Act(kHideAllDimensions, M::Measure, QT_TR_NOOP("全寸法一時非表示"),
            QT_TR_NOOP("Hide All Dimensions")),
        Act(kShowAllDimensions, M::Measure, QT_TR_NOOP("全寸法一時非表示解除"),
            QT_TR_NOOP("Show All Dimensions")),
        Act(kDimensionHeight, M::Measure, QT_TR_NOOP("寸法高さ変更"),
            QT_TR_NOOP("Dimension Height")),
        Act(kChangeText, M::Measure, QT_TR_NOOP("Change Text"), QT_TR_NOOP("Change Text")),
        Act(kMoveSelectedDimension, M::Measure, QT_TR_NOOP("選択寸法移動"),
            QT_TR_NOOP("Move Dimension")),
        Act(kDeleteDimension, M::Measure, QT_TR_NOOP("寸法削除"), QT_TR_NOOP("Delete Dimension")),

        Act(kShowConfig, M::Settings, QT_TR_NOOP("現在の設定"), QT_TR_NOOP("現在の設定")),
        Act(kLoadConfig, M::Settings, QT_TR_NOOP("設定読み込み"), QT_TR_NOOP("Load config")),
        Act(kEditConfig, M::Settings, QT_TR_NOOP("設定編集"), QT_TR_NOOP("Edit Config")),
        Check(kAutoReload, M::Settings, QT_TR_NOOP("変更されたファイルを自動で再読み込み"),
              QT_TR_NOOP("編集のない文書はファイルの変更時にすぐ読み直す")),

        Act(kWindowCascade, M::Window, QT_TR_NOOP("重ねて表示(&C)"),
            QT_TR_NOOP("ウィンドウを重ねて表示")),
        Act(kWindowTile, M::Window, QT_TR_NOOP("並べて表示(&T)"),
            QT_TR_NOOP("ウィンドウを並べて表示")),

        Act(kHelp, M::Help, QT_TR_NOOP("ヘルプ"), QT_TR_NOOP("Help")),
        Act(kAbout, M::Help, QT_TR_NOOP("ﾊﾞｰｼﾞｮﾝ情報(HelpApp)(&A)..."),
            QT_TR_NOOP("バージョン情報")),
    };

    static QString Translate(const char* text) { return text ? tr(text) : QString(); }

    static QString Title(Menu menu) {
        switch (menu) {
            case Menu::File:
                return tr("ﾌｧｲﾙ(&F)");
            case Menu::Save:
                return tr("データ保存");
            case Menu::Edit:
                return tr("編集(&E)");
            case Menu::View:
                return tr("表示(&V)");
            case Menu::Lights:
                return tr("ライト");
            case Menu::Camera:
                return tr("視点(&C)");
            case Menu::Select:
                return tr("選択(&S)");
            case Menu::Measure:
                return tr("測定(&M)");
            case Menu::Settings:
                return tr("設定");
            case Menu::Window:
                return tr("ｳｨﾝﾄﾞｳ(&W)");
            case Menu::Help:
                return tr("ﾍﾙﾌﾟ(&H)");
            case Menu::None:
                break;
        }
        return QString();
    }
};

// Two entries with one id would share one menu action.
consteval bool IdsAreUnique() {
    const auto& table = Commands::kTable;
    for (size_t i = 0; i < std::size(table); ++i)
        for (size_t j = i + 1; j < std::size(table); ++j)
            if (table[i].id != 0 && table[i].id == table[j].id) return false;
    return true;
}
static_assert(IdsAreUnique(), "two commands share an id");

// Order and grouping of the classic tool bar.
constexpr int kToolBar[] = {
    kFileNew,   kFileOpen,   0,        kMoveLeft,  kMoveRight,  kMoveUp,    kMoveDown,
    kMoveZFar,  kMoveZNear,  0,        kTurnXPlus, kTurnXMinus, kTurnYPlus, kTurnYMinus,
    kRollZPlus, kRollZMinus, 0,        kZoomIn,    kZoomOut,    0,          kReset,
    kDefault,   0,           kRepaint, kFront,     kTop,        kSide,      kTurn180};

}  // namespace

std::span<const Command> CommandTable() {
    return Commands::kTable;
}

const Command* FindCommand(int id) {
    for (const Command& command : Commands::kTable)
        if (command.id == id && id != 0) return &command;
    return nullptr;
}

int CommandForBindingCode(int32_t code) {
    if (code == kNoBindingCode) return 0;
    for (const Command& command : Commands::kTable)
        if (command.bindingCode == code) return command.id;
    return 0;
}

QString MenuTitle(Menu menu) {
    return Commands::Title(menu);
}

QString MenuText(const Command& command) {
    return Commands::Translate(command.text);
}

QString StatusText(const Command& command) {
    return Commands::Translate(command.statusText);
}

std::span<const int> ToolBarLayout() {
    return kToolBar;
}

}  // namespace vantor
