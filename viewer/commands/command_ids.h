#pragma once
// Command identifiers of the viewer's menus, tool bar and accelerators. The
// numbers are those of the binding file's world and of the older resource
// files, so they stay fixed; ids added later count up from 32950. Texts,
// binding codes and menus of each id are in command_table.cpp.

namespace vantor::cmd {

// Framework commands.
inline constexpr int kFileNew = 57600;
inline constexpr int kFileOpen = 57601;
inline constexpr int kFileClose = 57602;
inline constexpr int kFileSave = 57603;  // Ctrl+S: stores nothing
inline constexpr int kPrintSetup = 57606;
inline constexpr int kRecentFile1 = 57616;  // .. kRecentFile1 + 3
inline constexpr int kRecentFileCount = 4;
inline constexpr int kWindowCascade = 57650;
inline constexpr int kWindowTile = 57651;
inline constexpr int kAbout = 57664;
inline constexpr int kExit = 57665;
inline constexpr int kEditUndo = 57643;
inline constexpr int kEditRedo = 57644;
inline constexpr int kViewToolBar = 59392;
inline constexpr int kViewStatusBar = 59393;

// Application commands.
inline constexpr int kShowConfig = 32864;
inline constexpr int kLoadConfig = 32855;
inline constexpr int kEditConfig = 32856;
inline constexpr int kHelp = 32902;

// Document commands.
inline constexpr int kAssembly = 32857;
inline constexpr int kSaveTopData = 32858;
inline constexpr int kSaveAllData = 32859;
inline constexpr int kSaveNewData = 32861;
inline constexpr int kSaveHiddenToo = 32862;
inline constexpr int kDataStructure = 32839;
inline constexpr int kReload = 32953;      // read the document's files again
inline constexpr int kAutoReload = 32954;  // setting: reload unedited documents at once

// View commands (served by the active view).
inline constexpr int kWireframe = 32775;
inline constexpr int kHiddenLine = 32776;
inline constexpr int kHiddenLineRemoved = 32777;
inline constexpr int kShaded = 32778;
inline constexpr int kRepaint = 32781;
inline constexpr int kReset = 32784;
inline constexpr int kDefault = 32785;
inline constexpr int kSetRotationCentre = 32792;
inline constexpr int kBackgroundColour = 32793;
inline constexpr int kLight0 = 32794;
inline constexpr int kLight1 = 32795;
inline constexpr int kLight2 = 32796;
inline constexpr int kPerspective = 32797;
inline constexpr int kOrthographic = 32798;
inline constexpr int kShowCoordinateCentre = 32799;
inline constexpr int kShowRotationCentre = 32800;
inline constexpr int kTurnYMinus = 32805;
inline constexpr int kTurnYPlus = 32806;
inline constexpr int kTurnXMinus = 32807;
inline constexpr int kTurnXPlus = 32808;
inline constexpr int kMoveRight = 32809;
inline constexpr int kMoveLeft = 32810;
inline constexpr int kMoveUp = 32811;
inline constexpr int kMoveDown = 32812;
inline constexpr int kZoomIn = 32825;
inline constexpr int kZoomOut = 32826;
inline constexpr int kRollZPlus = 32828;
inline constexpr int kRollZMinus = 32829;
inline constexpr int kClipDistances = 32833;
inline constexpr int kMoveZFar = 32835;
inline constexpr int kMoveZNear = 32836;
inline constexpr int kChangeFont = 32845;
inline constexpr int kFront = 32846;
inline constexpr int kTop = 32847;
inline constexpr int kSide = 32848;
inline constexpr int kCsysCentre = 32849;
inline constexpr int kNodeNumber = 32850;
inline constexpr int kTurn180 = 32851;
inline constexpr int kShowDatums = 32852;
inline constexpr int kShowAllDimensions = 32853;
inline constexpr int kHideAllDimensions = 32854;
inline constexpr int kStepAmounts = 32863;
inline constexpr int kDimensionHeight = 32865;
inline constexpr int kSection = 32866;
inline constexpr int kChangePointValue = 32867;
inline constexpr int kChangeNormalValue = 32869;
inline constexpr int kMeasureStartPoint = 32870;
inline constexpr int kHideSelectedDimension = 32871;
inline constexpr int kFromFront = 32872;
inline constexpr int kFromSide = 32873;
inline constexpr int kFromTop = 32874;
inline constexpr int kFromPoint = 32875;
inline constexpr int kFromCsys = 32879;
inline constexpr int kMakeComment = 32880;
inline constexpr int kDataFirst = 32882;
inline constexpr int kDataPrevious = 32883;
inline constexpr int kDataToggle = 32884;
inline constexpr int kDataNext = 32885;
inline constexpr int kDataLast = 32886;
inline constexpr int kDataDelete = 32887;
inline constexpr int kChangeText = 32888;
inline constexpr int kMeasurePlane = 32889;
inline constexpr int kFromPlane = 32890;
inline constexpr int kRadius = 32892;
inline constexpr int kDiameter = 32893;
inline constexpr int kMoveSelectedDimension = 32894;
inline constexpr int kPlayAll = 32895;
inline constexpr int kPlayEach = 32896;
inline constexpr int kCsysRotation = 32897;
inline constexpr int kBackgroundBitmap = 32901;
inline constexpr int kSaveImage = 32950;        // save the current view as a picture
inline constexpr int kCsysReset = 32951;        // measuring system back to the world axes
inline constexpr int kMeasurePanel = 32952;     // show or hide the measurement panel
inline constexpr int kDeleteDimension = 32955;  // delete the selected dimension

}  // namespace vantor::cmd
