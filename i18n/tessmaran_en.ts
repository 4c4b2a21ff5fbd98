<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>vantor::AboutBox</name>
    <message>
        <source>%1のﾊﾞｰｼﾞｮﾝ情報</source>
        <translation>About %1</translation>
    </message>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ </source>
        <translation>Version </translation>
    </message>
    <message>
        <source>ｼｽﾃﾑ情報(&amp;S)...</source>
        <translation>&amp;System Info...</translation>
    </message>
    <message>
        <source>システム情報</source>
        <translation>System Information</translation>
    </message>
</context>
<context>
    <name>vantor::DetailPanel</name>
    <message>
        <source>これ以上接近していたら同一点とみなす距離</source>
        <translation>Distance below which points are the same</translation>
    </message>
    <message>
        <source>これ以下の傾きであれば平行とみなす角度</source>
        <translation>Angle below which lines are parallel</translation>
    </message>
    <message>
        <source>寸法用のフォントサイズ</source>
        <translation>Font size of dimensions</translation>
    </message>
    <message>
        <source>ステップ移動の距離</source>
        <translation>Step distance</translation>
    </message>
    <message>
        <source>ステップ移動の角度</source>
        <translation>Step angle</translation>
    </message>
</context>
<context>
    <name>vantor::ModuleString</name>
    <message>
        <source>データがありません</source>
        <translation>There is no data.</translation>
    </message>
    <message>
        <source>データに数字以外の文字があります</source>
        <translation>The data holds characters other than digits.</translation>
    </message>
    <message>
        <source>データに小数点が複数あります</source>
        <translation>The data holds more than one decimal point.</translation>
    </message>
    <message>
        <source>データの範囲が不正です</source>
        <translation>The value is out of range.</translation>
    </message>
    <message>
        <source>入力エラー</source>
        <translation>Input Error</translation>
    </message>
</context>
<context>
    <name>vantor::MouseRowsPanel</name>
    <message>
        <source>マウスによるビュー操作</source>
        <translation>View operations with the mouse</translation>
    </message>
    <message>
        <source>マウスボタン</source>
        <translation>Mouse button</translation>
    </message>
    <message>
        <source>同時押しのキー</source>
        <translation>Key held with it</translation>
    </message>
</context>
<context>
    <name>vantor::SystemInfo</name>
    <message>
        <source>OpenGL: 利用できません</source>
        <translation>OpenGL: not available</translation>
    </message>
</context>
<context>
    <name>vantor::frmEditDlg</name>
    <message>
        <source>変更ダイアログ</source>
        <translation>Change Value</translation>
    </message>
    <message>
        <source>情報</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>変更前</source>
        <translation>Before</translation>
    </message>
    <message>
        <source>変更後</source>
        <translation>After</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>データはOKボタン押さないとGETできないよー</source>
        <translation>The data is available only after OK is pressed.</translation>
    </message>
    <message>
        <source>この値を修正することは出来ません</source>
        <translation>This value cannot be changed.</translation>
    </message>
    <message>
        <source>選択エラ－</source>
        <translation>Selection Error</translation>
    </message>
    <message>
        <source>EditDlgのmsIntegerOrLongOrDouble設定注意</source>
        <translation>EditDlg: msIntegerOrLongOrDouble is not set correctly.</translation>
    </message>
    <message>
        <source>コーディングエラ－</source>
        <translation>Coding Error</translation>
    </message>
</context>
<context>
    <name>vantor::frmMain</name>
    <message>
        <source>ビュー操作</source>
        <translation>View</translation>
    </message>
    <message>
        <source>キーコマンド</source>
        <translation>Key Commands</translation>
    </message>
    <message>
        <source>データ操作</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>寸法測定作成</source>
        <translation>Dimensions</translation>
    </message>
    <message>
        <source>部品の操作</source>
        <translation>Parts</translation>
    </message>
    <message>
        <source>その他の操作</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>詳細設定</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>キーボタンを押すとウィンドウが現れます。コンボボックスからコマンドを選択して下さい</source>
        <translation>Click a key to open a window, then choose a command from its list.</translation>
    </message>
    <message>
        <source>&#x3000;画面を一定の割合で移動、回転するキーを設定します。また回転中心の設定、測定座標系の設定を行います。</source>
        <translation>Set the keys that move and turn the view by fixed steps, and those that set the rotation centre and the measuring system.</translation>
    </message>
    <message>
        <source>Vantor3D 設定</source>
        <translation>Vantor3D Setup</translation>
    </message>
    <message>
        <source>設定ファイル作成</source>
        <translation>Make Config File</translation>
    </message>
    <message>
        <source>ﾌｫｰﾑ印刷</source>
        <translation>Print Form</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>&amp;Save...</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>About</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>データの選択</source>
        <translation>Choose Data</translation>
    </message>
    <message>
        <source>データを保存</source>
        <translation>Save Data</translation>
    </message>
    <message>
        <source>設定 (*.cfg)|*.cfg|Text(*.txt)|*.txt|All(*.*)|*.*</source>
        <translation>Config (*.cfg)|*.cfg|Text (*.txt)|*.txt|All (*.*)|*.*</translation>
    </message>
    <message>
        <source>他のアプリケーションがファイルを使用しています。</source>
        <translation>Another application is using the file.</translation>
    </message>
    <message>
        <source>コピー不可</source>
        <translation>Cannot Copy</translation>
    </message>
    <message>
        <source>Info ノードが多すぎます。最初の %1 個だけを読み込みました。</source>
        <translation>There are too many Info nodes. Only the first %1 were read.</translation>
    </message>
    <message>
        <source>注意</source>
        <translation>Caution</translation>
    </message>
    <message>
        <source>設定ファイルを読み込めません。
%1</source>
        <translation>The binding file cannot be read.
%1</translation>
    </message>
</context>
<context>
    <name>vantor::frmSelectKeyCommand</name>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
</TS>
