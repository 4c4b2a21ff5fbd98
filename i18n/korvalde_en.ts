<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>Commands</name>
    <message>
        <source>新規作成(&amp;N)	Ctrl+N</source>
        <translation>&amp;New	Ctrl+N</translation>
    </message>
    <message>
        <source>新規にファイルを作成</source>
        <translation>Create a new document</translation>
    </message>
    <message>
        <source>開く(&amp;O)...	Ctrl+O</source>
        <translation>&amp;Open...	Ctrl+O</translation>
    </message>
    <message>
        <source>既存のファイルを開く</source>
        <translation>Open an existing file</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>作業中のファイルを閉じる</source>
        <translation>Close the active document</translation>
    </message>
    <message>
        <source>再読み込み</source>
        <translation>Reload</translation>
    </message>
    <message>
        <source>ファイルを読み直す</source>
        <translation>Read the files again</translation>
    </message>
    <message>
        <source>アセンブリ</source>
        <translation>&amp;Assembly...</translation>
    </message>
    <message>
        <source>Add File To Data</source>
        <translation>Add a file to the data</translation>
    </message>
    <message>
        <source>データ保存</source>
        <translation>Save &amp;Data</translation>
    </message>
    <message>
        <source>トップデータのみ、名前を付けて保存</source>
        <translation>Save &amp;Top Data As...</translation>
    </message>
    <message>
        <source>新データとして保存</source>
        <translation>Save as &amp;New Data...</translation>
    </message>
    <message>
        <source>New Data</source>
        <translation>Save as new data</translation>
    </message>
    <message>
        <source>全てのデータを名前を付けて保存</source>
        <translation>Save &amp;All Data As...</translation>
    </message>
    <message>
        <source>非表示データも保存する</source>
        <translation>Save &amp;Hidden Data Too</translation>
    </message>
    <message>
        <source>画像として保存...</source>
        <translation>Save as &amp;Picture...</translation>
    </message>
    <message>
        <source>Save the view as a picture</source>
        <translation>Save the view as a picture</translation>
    </message>
    <message>
        <source>ﾌﾟﾘﾝﾀの設定(&amp;R)...</source>
        <translation>Print Set&amp;up...</translation>
    </message>
    <message>
        <source>プリンタの設定</source>
        <translation>Set up the printer</translation>
    </message>
    <message>
        <source>指定のファイルを開く</source>
        <translation>Open this file</translation>
    </message>
    <message>
        <source>ｱﾌﾟﾘｹｰｼｮﾝの終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>アプリケーションを終了</source>
        <translation>Quit the application</translation>
    </message>
    <message>
        <source>上書き保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>元に戻す	Ctrl+Z</source>
        <translation>&amp;Undo	Ctrl+Z</translation>
    </message>
    <message>
        <source>直前の編集を取り消す</source>
        <translation>Undo the last edit</translation>
    </message>
    <message>
        <source>やり直し	Ctrl+Y</source>
        <translation>&amp;Redo	Ctrl+Y</translation>
    </message>
    <message>
        <source>取り消した編集をやり直す</source>
        <translation>Redo the undone edit</translation>
    </message>
    <message>
        <source>ﾂｰﾙ ﾊﾞｰ(&amp;T)</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>ツール バーの表示/非表示</source>
        <translation>Show or hide the toolbar</translation>
    </message>
    <message>
        <source>ｽﾃｰﾀｽ ﾊﾞｰ(&amp;S)</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>ステータス バーの表示/非表示</source>
        <translation>Show or hide the status bar</translation>
    </message>
    <message>
        <source>測定パネル</source>
        <translation>&amp;Measurement Panel</translation>
    </message>
    <message>
        <source>測定パネルの表示/非表示</source>
        <translation>Show or hide the measurement panel</translation>
    </message>
    <message>
        <source>シェード表示</source>
        <translation>Sh&amp;aded</translation>
    </message>
    <message>
        <source>Shaded</source>
        <translation>Shaded</translation>
    </message>
    <message>
        <source>陰線消去</source>
        <translation>Hidden Line &amp;Removed</translation>
    </message>
    <message>
        <source>Hidden Line Removed</source>
        <translation>Hidden line removed</translation>
    </message>
    <message>
        <source>陰線表示</source>
        <translation>&amp;Hidden Line</translation>
    </message>
    <message>
        <source>Hidden Line</source>
        <translation>Hidden line</translation>
    </message>
    <message>
        <source>ワイヤーフレーム</source>
        <translation>&amp;Wireframe</translation>
    </message>
    <message>
        <source>Wire Frame</source>
        <translation>Wireframe</translation>
    </message>
    <message>
        <source>パースペクティブ</source>
        <translation>&amp;Perspective</translation>
    </message>
    <message>
        <source>Perspective</source>
        <translation>Perspective</translation>
    </message>
    <message>
        <source>正射影</source>
        <translation>&amp;Orthographic</translation>
    </message>
    <message>
        <source>Orthographic</source>
        <translation>Orthographic</translation>
    </message>
    <message>
        <source>座標中心&#x3000;表示</source>
        <translation>Show &amp;Coordinate Centre</translation>
    </message>
    <message>
        <source>Coordinate Centre</source>
        <translation>Coordinate centre</translation>
    </message>
    <message>
        <source>回転中心&#x3000;表示</source>
        <translation>Show Rotation C&amp;entre</translation>
    </message>
    <message>
        <source>Rotation Centre</source>
        <translation>Rotation centre</translation>
    </message>
    <message>
        <source>データム表示</source>
        <translation>Show &amp;Datums</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Datum planes</translation>
    </message>
    <message>
        <source>背景色</source>
        <translation>&amp;Background Colour...</translation>
    </message>
    <message>
        <source>Background Colour</source>
        <translation>Background colour</translation>
    </message>
    <message>
        <source>背景ビットマップ</source>
        <translation>Bac&amp;kground Bitmap...</translation>
    </message>
    <message>
        <source>Background Bitmap</source>
        <translation>Background bitmap</translation>
    </message>
    <message>
        <source>Changing Font Style</source>
        <translation>&amp;Font...</translation>
    </message>
    <message>
        <source>ライト</source>
        <translation>&amp;Lights</translation>
    </message>
    <message>
        <source>ライト&#x3000;No.0</source>
        <translation>Light &amp;0</translation>
    </message>
    <message>
        <source>ライト&#x3000;No.1</source>
        <translation>Light &amp;1</translation>
    </message>
    <message>
        <source>ライト&#x3000;No.2</source>
        <translation>Light &amp;2</translation>
    </message>
    <message>
        <source>詳細設定</source>
        <translation>&amp;Details</translation>
    </message>
    <message>
        <source>Data Structure</source>
        <translation>Data Str&amp;ucture</translation>
    </message>
    <message>
        <source>DataStructure</source>
        <translation>Show the data structure</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom &amp;In</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom &amp;Out</translation>
    </message>
    <message>
        <source>再ペイント</source>
        <translation>Re&amp;paint</translation>
    </message>
    <message>
        <source>RePaint</source>
        <translation>Repaint</translation>
    </message>
    <message>
        <source>デフォルト</source>
        <translation>&amp;Default</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Default view</translation>
    </message>
    <message>
        <source>リセット</source>
        <translation>&amp;Reset</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset the view</translation>
    </message>
    <message>
        <source>Move&#x3000;-&gt;</source>
        <translation>Move &amp;Right</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Move right</translation>
    </message>
    <message>
        <source>&lt;-&#x3000;Move</source>
        <translation>Move &amp;Left</translation>
    </message>
    <message>
        <source>Move Left</source>
        <translation>Move left</translation>
    </message>
    <message>
        <source>Move&#x3000;Up</source>
        <translation>Move &amp;Up</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>Move&#x3000;Down</source>
        <translation>Move Do&amp;wn</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Move down</translation>
    </message>
    <message>
        <source>Move Z far</source>
        <translation>Move &amp;Away</translation>
    </message>
    <message>
        <source>Move Z Far</source>
        <translation>Move away</translation>
    </message>
    <message>
        <source>Move Z Near</source>
        <translation>Move &amp;Nearer</translation>
    </message>
    <message>
        <source>Turn&#x3000;Down X Plus</source>
        <translation>Turn Down (X+)</translation>
    </message>
    <message>
        <source>Turn Down X Plus</source>
        <translation>Turn down about X</translation>
    </message>
    <message>
        <source>TurnUp X Minus</source>
        <translation>Turn Up (X-)</translation>
    </message>
    <message>
        <source>Turn Up X Minus</source>
        <translation>Turn up about X</translation>
    </message>
    <message>
        <source>Turn-&gt; Y Plus</source>
        <translation>Turn Right (Y+)</translation>
    </message>
    <message>
        <source>Turn Y Plus</source>
        <translation>Turn right about Y</translation>
    </message>
    <message>
        <source>&lt;-Turn y Minus</source>
        <translation>Turn Left (Y-)</translation>
    </message>
    <message>
        <source>Turn Y Minus</source>
        <translation>Turn left about Y</translation>
    </message>
    <message>
        <source>Roal Z Plus</source>
        <translation>Roll (Z+)</translation>
    </message>
    <message>
        <source>Roll Z Plus</source>
        <translation>Roll about Z</translation>
    </message>
    <message>
        <source>Roal Z Minus</source>
        <translation>Roll (Z-)</translation>
    </message>
    <message>
        <source>Roll Z Minus</source>
        <translation>Roll back about Z</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>&amp;Front</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>&amp;Top</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>&amp;Side</translation>
    </message>
    <message>
        <source>前後反転</source>
        <translation>Turn &amp;180</translation>
    </message>
    <message>
        <source>Turn 180</source>
        <translation>Turn front to back</translation>
    </message>
    <message>
        <source>回転中心設定</source>
        <translation>Set Rotation &amp;Centre...</translation>
    </message>
    <message>
        <source>Set Rotation Centre</source>
        <translation>Set the rotation centre</translation>
    </message>
    <message>
        <source>視点距離クリップ</source>
        <translation>&amp;Clip Distances...</translation>
    </message>
    <message>
        <source>Clip Distances</source>
        <translation>Set the clip distances</translation>
    </message>
    <message>
        <source>断面表示</source>
        <translation>S&amp;ection</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Section view</translation>
    </message>
    <message>
        <source>ステップ移動量設定</source>
        <translation>Step &amp;Amounts...</translation>
    </message>
    <message>
        <source>Step Amounts</source>
        <translation>Set the step amounts</translation>
    </message>
    <message>
        <source>Play All</source>
        <translation>&amp;Play All</translation>
    </message>
    <message>
        <source>Play Each</source>
        <translation>Play &amp;Each</translation>
    </message>
    <message>
        <source>Data First</source>
        <translation>&amp;First Item</translation>
    </message>
    <message>
        <source>Data Previous</source>
        <translation>&amp;Previous Item</translation>
    </message>
    <message>
        <source>Data Toggle</source>
        <translation>&amp;Toggle Item</translation>
    </message>
    <message>
        <source>Data Next</source>
        <translation>&amp;Next Item</translation>
    </message>
    <message>
        <source>Data Last</source>
        <translation>&amp;Last Item</translation>
    </message>
    <message>
        <source>Data Delete</source>
        <translation>&amp;Delete Items</translation>
    </message>
    <message>
        <source>ノード番号指定</source>
        <translation>Node &amp;Number...</translation>
    </message>
    <message>
        <source>Node Number</source>
        <translation>Highlight a node by number</translation>
    </message>
    <message>
        <source>Change Point Value</source>
        <translation>Change &amp;Point Value...</translation>
    </message>
    <message>
        <source>Change Normal Value</source>
        <translation>Change N&amp;ormal Value...</translation>
    </message>
    <message>
        <source>測定座標系中心設定</source>
        <translation>Measuring System &amp;Centre</translation>
    </message>
    <message>
        <source>Measuring System Centre</source>
        <translation>Set the centre of the measuring system</translation>
    </message>
    <message>
        <source>測定座標系回転設定</source>
        <translation>Measuring System &amp;Rotation</translation>
    </message>
    <message>
        <source>Measuring System Rotation</source>
        <translation>Set the rotation of the measuring system</translation>
    </message>
    <message>
        <source>測定開始点設定</source>
        <translation>Measuring &amp;Start Point</translation>
    </message>
    <message>
        <source>Measure Start Point</source>
        <translation>Set the measuring start point</translation>
    </message>
    <message>
        <source>測定基準平面設定</source>
        <translation>Measuring Base &amp;Plane</translation>
    </message>
    <message>
        <source>Measure Base Plane</source>
        <translation>Set the measuring base plane</translation>
    </message>
    <message>
        <source>測定座標系リセット</source>
        <translation>Reset &amp;Measuring System</translation>
    </message>
    <message>
        <source>測定座標系をワールド座標系に戻す</source>
        <translation>Return the measuring system to world coordinates</translation>
    </message>
    <message>
        <source>from Front</source>
        <translation>From &amp;Front</translation>
    </message>
    <message>
        <source>from SIDE</source>
        <translation>From &amp;Side</translation>
    </message>
    <message>
        <source>from TOP</source>
        <translation>From &amp;Top</translation>
    </message>
    <message>
        <source>from Point</source>
        <translation>From P&amp;oint</translation>
    </message>
    <message>
        <source>from Csys</source>
        <translation>From &amp;Csys</translation>
    </message>
    <message>
        <source>from Plane</source>
        <translation>From P&amp;lane</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>&amp;Radius</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>&amp;Diameter</translation>
    </message>
    <message>
        <source>Make Comment</source>
        <translation>&amp;Make Comment</translation>
    </message>
    <message>
        <source>選択寸法非表示</source>
        <translation>&amp;Hide Dimension</translation>
    </message>
    <message>
        <source>Hide Dimension</source>
        <translation>Hide the selected dimension</translation>
    </message>
    <message>
        <source>全寸法一時非表示</source>
        <translation>Hide &amp;All Dimensions</translation>
    </message>
    <message>
        <source>Hide All Dimensions</source>
        <translation>Hide all dimensions for now</translation>
    </message>
    <message>
        <source>全寸法一時非表示解除</source>
        <translation>Sho&amp;w All Dimensions</translation>
    </message>
    <message>
        <source>Show All Dimensions</source>
        <translation>Show all dimensions again</translation>
    </message>
    <message>
        <source>寸法高さ変更</source>
        <translation>Dimension H&amp;eight</translation>
    </message>
    <message>
        <source>Dimension Height</source>
        <translation>Change the dimension height</translation>
    </message>
    <message>
        <source>Change Text</source>
        <translation>Change Te&amp;xt</translation>
    </message>
    <message>
        <source>選択寸法移動</source>
        <translation>Mo&amp;ve Dimension</translation>
    </message>
    <message>
        <source>Move Dimension</source>
        <translation>Move the selected dimension</translation>
    </message>
    <message>
        <source>寸法削除</source>
        <translation>Delete Dimension</translation>
    </message>
    <message>
        <source>Delete Dimension</source>
        <translation>Delete the selected dimension</translation>
    </message>
    <message>
        <source>現在の設定</source>
        <translation>&amp;Current Config</translation>
    </message>
    <message>
        <source>設定読み込み</source>
        <translation>&amp;Load Config...</translation>
    </message>
    <message>
        <source>Load config</source>
        <translation>Load a binding file</translation>
    </message>
    <message>
        <source>設定編集</source>
        <translation>&amp;Edit Config</translation>
    </message>
    <message>
        <source>Edit Config</source>
        <translation>Edit the bindings with Tessmaran</translation>
    </message>
    <message>
        <source>変更されたファイルを自動で再読み込み</source>
        <translation>Reload Changed Files Automatically</translation>
    </message>
    <message>
        <source>編集のない文書はファイルの変更時にすぐ読み直す</source>
        <translation>Reload unedited documents as soon as their files change</translation>
    </message>
    <message>
        <source>重ねて表示(&amp;C)</source>
        <translation>&amp;Cascade</translation>
    </message>
    <message>
        <source>ウィンドウを重ねて表示</source>
        <translation>Arrange the windows overlapping</translation>
    </message>
    <message>
        <source>並べて表示(&amp;T)</source>
        <translation>&amp;Tile</translation>
    </message>
    <message>
        <source>ウィンドウを並べて表示</source>
        <translation>Arrange the windows side by side</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ情報(HelpApp)(&amp;A)...</source>
        <translation>&amp;About Korvalde...</translation>
    </message>
    <message>
        <source>バージョン情報</source>
        <translation>Show the version information</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>視点(&amp;C)</source>
        <translation>&amp;Camera</translation>
    </message>
    <message>
        <source>選択(&amp;S)</source>
        <translation>&amp;Select</translation>
    </message>
    <message>
        <source>測定(&amp;M)</source>
        <translation>&amp;Measure</translation>
    </message>
    <message>
        <source>設定</source>
        <translation>Se&amp;ttings</translation>
    </message>
    <message>
        <source>ｳｨﾝﾄﾞｳ(&amp;W)</source>
        <translation>&amp;Window</translation>
    </message>
    <message>
        <source>ﾍﾙﾌﾟ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
</context>
<context>
    <name>DimensionCommands</name>
    <message>
        <source>寸法を付ける点を選択してください。</source>
        <translation>Select the point to dimension.</translation>
    </message>
    <message>
        <source>測定開始点が設定されていません。</source>
        <translation>No reference point is set.</translation>
    </message>
    <message>
        <source>測定基準平面が設定されていません。</source>
        <translation>No reference plane is set.</translation>
    </message>
    <message>
        <source>円弧の辺か頂点、円柱か球を選択してください。</source>
        <translation>Select an arc edge or vertex, a cylinder or a sphere.</translation>
    </message>
    <message>
        <source>コメントを付ける点を選択してください。</source>
        <translation>Select the point to comment on.</translation>
    </message>
    <message>
        <source>コメント</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>コメント:</source>
        <translation>Comment:</translation>
    </message>
    <message>
        <source>選択データがありません。</source>
        <translation>Nothing is selected.</translation>
    </message>
    <message>
        <source>寸法作成</source>
        <translation>Make Dimension</translation>
    </message>
    <message>
        <source>寸法 %1 を作成しました。</source>
        <translation>Dimension %1 made.</translation>
    </message>
    <message>
        <source>寸法が選択されていません。</source>
        <translation>No dimension is selected.</translation>
    </message>
    <message>
        <source>寸法非表示</source>
        <translation>Hide Dimension</translation>
    </message>
    <message>
        <source>寸法高さ変更</source>
        <translation>Dimension Height</translation>
    </message>
    <message>
        <source>文字の大きさ (倍率):</source>
        <translation>Text size (factor):</translation>
    </message>
    <message>
        <source>倍率は 0 より大きい値にしてください。</source>
        <translation>The factor must be greater than 0.</translation>
    </message>
    <message>
        <source>Change Text</source>
        <translation>Change Text</translation>
    </message>
    <message>
        <source>注記:</source>
        <translation>Note:</translation>
    </message>
    <message>
        <source>寸法文字変更</source>
        <translation>Change Dimension Text</translation>
    </message>
    <message>
        <source>寸法移動</source>
        <translation>Move Dimension</translation>
    </message>
    <message>
        <source>Move Dimension</source>
        <translation>Move Dimension</translation>
    </message>
    <message>
        <source>寸法の移動量 (測定座標系)</source>
        <translation>Shift of the dimension (measuring system)</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Z</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>寸法削除</source>
        <translation>Delete Dimension</translation>
    </message>
    <message>
        <source>寸法を削除しました。</source>
        <translation>Dimension deleted.</translation>
    </message>
</context>
<context>
    <name>Render</name>
    <message>
        <source>このバージョンでサポートしているのは１辺のピクセル数が２のべき乗(16以上1024以下)の正方形IndexedColorビットマップのみです。</source>
        <translation>This version supports only square indexed-colour bitmaps whose side is a power of two from 16 to 1024 pixels.</translation>
    </message>
</context>
<context>
    <name>Selection</name>
    <message>
        <source>%1を非表示にしました。</source>
        <translation>%1 is now hidden.</translation>
    </message>
    <message>
        <source>%1を表示にしました。</source>
        <translation>%1 is now shown.</translation>
    </message>
    <message>
        <source>ノード番号 %1 のハイライトを取り消しました。</source>
        <translation>Node %1 is no longer highlighted.</translation>
    </message>
    <message>
        <source>ノード番号 %1 をハイライトにしました。</source>
        <translation>Node %1 is now highlighted.</translation>
    </message>
    <message>
        <source>このノード番号はデータの範囲を超えています</source>
        <translation>This node number is outside the data.</translation>
    </message>
    <message>
        <source>このノードは%1です。</source>
        <translation>This node is a %1.</translation>
    </message>
    <message>
        <source>選択範囲をズームなどで絞ってください</source>
        <translation>Narrow the selection, for example by zooming in.</translation>
    </message>
</context>
<context>
    <name>SelectionController</name>
    <message>
        <source>ノード番号指定</source>
        <translation>Node &amp;Number...</translation>
    </message>
    <message>
        <source>ノード番号</source>
        <translation>Node number</translation>
    </message>
    <message>
        <source>キルトはハイライトされています。解除しますか？</source>
        <translation>The face set is highlighted. Remove the highlight?</translation>
    </message>
    <message>
        <source>ハイライト</source>
        <translation>Highlight</translation>
    </message>
    <message>
        <source>キルトをハイライトしますか。</source>
        <translation>Highlight the face set?</translation>
    </message>
    <message>
        <source>法線ベクトルの設定</source>
        <translation>Set the normal vector</translation>
    </message>
    <message>
        <source>座標の設定</source>
        <translation>Set the coordinates</translation>
    </message>
    <message>
        <source>X座標</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y座標</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Z座標</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>選択データがありません。</source>
        <translation>Nothing is selected.</translation>
    </message>
    <message>
        <source>頂点、点、円弧の稜線または面を選んでください。</source>
        <translation>Select a vertex, a point, an arc edge or a face.</translation>
    </message>
    <message>
        <source>測定座標系の原点を %1 に移しました。</source>
        <translation>The measuring system origin is now at %1.</translation>
    </message>
    <message>
        <source>面または稜線を選んでください。</source>
        <translation>Select a face or an edge.</translation>
    </message>
    <message>
        <source>測定座標系の Z 軸を %1 に合わせました。</source>
        <translation>The measuring system Z axis now points along %1.</translation>
    </message>
    <message>
        <source>測定座標系をワールド座標系に戻しました。</source>
        <translation>The measuring system is back to world coordinates.</translation>
    </message>
    <message>
        <source>測れる項目を選んでください。</source>
        <translation>Select an item that can be measured.</translation>
    </message>
    <message>
        <source>測定開始点を設定しました。</source>
        <translation>The measuring start point is set.</translation>
    </message>
    <message>
        <source>面を選んでください。</source>
        <translation>Select a face.</translation>
    </message>
    <message>
        <source>測定基準平面を設定しました。</source>
        <translation>The measuring base plane is set.</translation>
    </message>
    <message>
        <source>測定の基準を解除しました。</source>
        <translation>The measuring reference is cleared.</translation>
    </message>
    <message>
        <source>測定座標系の原点</source>
        <translation>Measuring origin</translation>
    </message>
    <message>
        <source>測定座標系の回転</source>
        <translation>Measuring rotation</translation>
    </message>
    <message>
        <source>測定座標系のリセット</source>
        <translation>Measuring system reset</translation>
    </message>
    <message>
        <source>部品の非表示</source>
        <translation>Hide part</translation>
    </message>
    <message>
        <source>部品の表示</source>
        <translation>Show parts</translation>
    </message>
    <message>
        <source>法線の変更</source>
        <translation>Normal change</translation>
    </message>
    <message>
        <source>座標値の変更</source>
        <translation>Point change</translation>
    </message>
</context>
<context>
    <name>StructureFilter</name>
    <message>
        <source>全て</source>
        <translation>Everything</translation>
    </message>
    <message>
        <source>部品のみ</source>
        <translation>Parts only</translation>
    </message>
    <message>
        <source>部品と色</source>
        <translation>Parts and colours</translation>
    </message>
    <message>
        <source>部品と寸法</source>
        <translation>Parts and dimensions</translation>
    </message>
    <message>
        <source>部品、寸法、座標変換</source>
        <translation>Parts, dimensions and transforms</translation>
    </message>
</context>
<context>
    <name>ViewNavigator</name>
    <message>
        <source>をスピン回転座標に設定しますか？</source>
        <translation> Use it as the spin centre?</translation>
    </message>
    <message>
        <source>このコマンドを使うと複数のウィンドウのアップデートに問題が<byte value="xd"/>
生じることがありますので、その場合はPlayを停止してください。</source>
        <translation>With several windows open, this command may keep some of them from updating.<byte value="xd"/>
If that happens, stop Play.</translation>
    </message>
    <message>
        <source>スピン回転座標の設定</source>
        <translation>Set the spin centre</translation>
    </message>
    <message>
        <source>X座標</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y座標</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Z座標</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>視点位置とクリップ面の設定</source>
        <translation>Set the eye position and clip planes</translation>
    </message>
    <message>
        <source>視点位置</source>
        <translation>Eye position</translation>
    </message>
    <message>
        <source>ステップ移動量の設定</source>
        <translation>Set the step amounts</translation>
    </message>
    <message>
        <source>距離</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>角度(Deg)</source>
        <translation>Angle (deg)</translation>
    </message>
</context>
<context>
    <name>vantor::AboutDialog</name>
    <message>
        <source>Korvalde のバージョン情報</source>
        <translation>About Korvalde</translation>
    </message>
</context>
<context>
    <name>vantor::CKorvaldeApp</name>
    <message>
        <source>Vantor3は既に起動しています。</source>
        <translation>Vantor3 is already running.</translation>
    </message>
    <message>
        <source>Vantor3は既に起動している可能性があります。</source>
        <translation>Vantor3 may already be running.</translation>
    </message>
    <message>
        <source>tessmaran.db がありません。インストールに問題があります。</source>
        <translation>tessmaran.db is missing. The installation has a problem.</translation>
    </message>
    <message>
        <source>最後に使用したConfigを開けません。</source>
        <translation>The last used Config cannot be opened.</translation>
    </message>
</context>
<context>
    <name>vantor::CKorvaldeDoc</name>
    <message>
        <source>注意</source>
        <translation>Caution</translation>
    </message>
    <message>
        <source>ファイルの選択を続けますか？</source>
        <translation>Continue choosing a file?</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>このバージョンではサポートしません。</source>
        <translation>This version does not support it.</translation>
    </message>
    <message>
        <source>対応ファイル</source>
        <translation>Supported Files</translation>
    </message>
    <message>
        <source>この文書</source>
        <translation>This document</translation>
    </message>
    <message>
        <source>保存しない</source>
        <translation>Don&apos;t Save</translation>
    </message>
    <message>
        <source>%1 は編集されています。保存しますか？</source>
        <translation>%1 has been edited. Save it?</translation>
    </message>
    <message>
        <source>保存の確認</source>
        <translation>Save Changes</translation>
    </message>
    <message>
        <source>編集内容を破棄して再読み込みしますか？</source>
        <translation>Discard the edits and reload?</translation>
    </message>
    <message>
        <source>再読み込み</source>
        <translation>Reload</translation>
    </message>
    <message>
        <source>%1 がディスク上で変更されました。編集内容を破棄して再読み込みしますか？</source>
        <translation>%1 has changed on disk. Discard the edits and reload?</translation>
    </message>
    <message>
        <source>%1 がディスク上で変更されました。再読み込みしますか？</source>
        <translation>%1 has changed on disk. Reload it?</translation>
    </message>
</context>
<context>
    <name>vantor::CKorvaldeView</name>
    <message>
        <source>Bitmap File Files (*.bmp)</source>
        <translation>Bitmap Files (*.bmp)</translation>
    </message>
</context>
<context>
    <name>vantor::CMainFrame</name>
    <message>
        <source>%1 が開けません。</source>
        <translation>%1 cannot be opened.</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>対応ファイル</source>
        <translation>Supported Files</translation>
    </message>
    <message>
        <source>VRML ﾌｧｲﾙ</source>
        <translation>VRML Files</translation>
    </message>
    <message>
        <source>元に戻す</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>やり直し</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>ファイルの視点</source>
        <translation>Viewpoints in the File</translation>
    </message>
    <message>
        <source>ファイルに書かれた視点から見る</source>
        <translation>Look through a viewpoint the file defines</translation>
    </message>
</context>
<context>
    <name>vantor::MaterialColourDialog</name>
    <message>
        <source>Ambient color</source>
        <translation>Ambient Colour</translation>
    </message>
    <message>
        <source>Diffuse Color</source>
        <translation>Diffuse Colour</translation>
    </message>
    <message>
        <source>Specular Color</source>
        <translation>Specular Colour</translation>
    </message>
    <message>
        <source>Emissive Color</source>
        <translation>Emissive Colour</translation>
    </message>
    <message>
        <source>Set Color Material</source>
        <translation>Material Colours</translation>
    </message>
    <message>
        <source>適用</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>vantor::MeasurePanel</name>
    <message>
        <source>測定</source>
        <translation>Measurement</translation>
    </message>
    <message>
        <source>項目</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>基準に設定</source>
        <translation>Set as Reference</translation>
    </message>
    <message>
        <source>基準を解除</source>
        <translation>Clear Reference</translation>
    </message>
    <message>
        <source>面</source>
        <translation>Face</translation>
    </message>
    <message>
        <source>稜線</source>
        <translation>Edge</translation>
    </message>
    <message>
        <source>頂点</source>
        <translation>Vertex</translation>
    </message>
    <message>
        <source>線分</source>
        <translation>Segment</translation>
    </message>
    <message>
        <source>点</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>文字</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>データム</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>基本形状 (%1)</source>
        <translation>Primitive (%1)</translation>
    </message>
    <message>
        <source> 中心</source>
        <translation> centre</translation>
    </message>
    <message>
        <source>種類</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>ノード番号</source>
        <translation>Node number</translation>
    </message>
    <message>
        <source>DEF名</source>
        <translation>DEF name</translation>
    </message>
    <message>
        <source>ファイル</source>
        <translation>File</translation>
    </message>
    <message>
        <source>頂点%1</source>
        <translation>Vertex %1</translation>
    </message>
    <message>
        <source>稜線%1</source>
        <translation>Edge %1</translation>
    </message>
    <message>
        <source>選択</source>
        <translation>Selection</translation>
    </message>
    <message>
        <source>点%1</source>
        <translation>Point %1</translation>
    </message>
    <message>
        <source>座標</source>
        <translation>Coordinates</translation>
    </message>
    <message>
        <source>長さ</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>方向</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>測定点</source>
        <translation>Measured point</translation>
    </message>
    <message>
        <source>重心</source>
        <translation>Centroid</translation>
    </message>
    <message>
        <source>法線</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>平坦</source>
        <translation>Flat</translation>
    </message>
    <message>
        <source>はい</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>いいえ</source>
        <translation>No</translation>
    </message>
    <message>
        <source>中心</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>基準</source>
        <translation>Reference</translation>
    </message>
    <message>
        <source>基準点</source>
        <translation>Reference point</translation>
    </message>
    <message>
        <source>基準平面 点</source>
        <translation>Reference plane point</translation>
    </message>
    <message>
        <source>基準平面 法線</source>
        <translation>Reference plane normal</translation>
    </message>
    <message>
        <source>基準から選択まで</source>
        <translation>Reference to selection</translation>
    </message>
    <message>
        <source>距離</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>平面からの距離</source>
        <translation>Distance from the plane</translation>
    </message>
    <message>
        <source>角度 (度)</source>
        <translation>Angle (degrees)</translation>
    </message>
</context>
<context>
    <name>vantor::StructureDialog</name>
    <message>
        <source>移動距離の設定</source>
        <translation>Set the translation</translation>
    </message>
    <message>
        <source>X座標</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y座標</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Z座標</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>Scaleの設定</source>
        <translation>Set the scale</translation>
    </message>
    <message>
        <source>非表示</source>
        <translation>Hide</translation>
    </message>
    <message>
        <source>表示</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>スケールの変更</source>
        <translation>Scale change</translation>
    </message>
    <message>
        <source>移動距離の変更</source>
        <translation>Translation change</translation>
    </message>
    <message>
        <source>色の変更</source>
        <translation>Colour change</translation>
    </message>
</context>
</TS>
