<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>Core</name>
    <message>
        <source>ファイルの選択を続けますか？</source>
        <translation>Continue choosing a file?</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>最後のデータです。</source>
        <translation>This is the last item.</translation>
    </message>
    <message>
        <source>最初のデータです。</source>
        <translation>This is the first item.</translation>
    </message>
    <message>
        <source>%1は存在しません。ファイルを探す場合はＯＫを押して下さい</source>
        <translation>%1 does not exist. Press OK to look for the file.</translation>
    </message>
    <message>
        <source>%1の選択を続けますか？</source>
        <translation>Continue choosing %1?</translation>
    </message>
    <message>
        <source>ログファイルが作成できません</source>
        <translation>The log file cannot be created.</translation>
    </message>
    <message>
        <source>%1は存在しません。</source>
        <translation>%1 does not exist.</translation>
    </message>
    <message>
        <source>注意</source>
        <translation>Caution</translation>
    </message>
    <message>
        <source>%1 を保存できませんでした。(%2)</source>
        <translation>%1 could not be saved. (%2)</translation>
    </message>
    <message>
        <source>データは空です。</source>
        <translation>There is no data.</translation>
    </message>
    <message>
        <source>このアセンブリデータの保存には「新データとして保存」を使用ください。</source>
        <translation>To save assembly data, use &quot;Save as New Data&quot;.</translation>
    </message>
    <message>
        <source>%1 はこのデータが参照しているファイルです。別の名前で保存してください。</source>
        <translation>%1 is a file this data refers to. Save under another name.</translation>
    </message>
    <message>
        <source>%1は大きすぎて読み込めません。</source>
        <translation>%1 is too large to read.</translation>
    </message>
    <message>
        <source>%1を読み込めません。
%2</source>
        <translation>%1 cannot be read.
%2</translation>
    </message>
</context>
<context>
    <name>Vocabulary</name>
    <message>
        <source>ズームイン</source>
        <translation>Zoom In</translation>
    </message>
    <message>
        <source>ズームアウト</source>
        <translation>Zoom Out</translation>
    </message>
    <message>
        <source>再ペイント</source>
        <translation>Repaint</translation>
    </message>
    <message>
        <source>デフォルト位置</source>
        <translation>Default View</translation>
    </message>
    <message>
        <source>表示リセット</source>
        <translation>Reset View</translation>
    </message>
    <message>
        <source>Ｘ軸＋移動</source>
        <translation>Move X+</translation>
    </message>
    <message>
        <source>Ｘ軸－移動</source>
        <translation>Move X-</translation>
    </message>
    <message>
        <source>Ｙ軸＋移動</source>
        <translation>Move Y+</translation>
    </message>
    <message>
        <source>Ｙ軸－移動</source>
        <translation>Move Y-</translation>
    </message>
    <message>
        <source>Ｚ軸＋移動</source>
        <translation>Move Z+</translation>
    </message>
    <message>
        <source>Ｚ軸－移動</source>
        <translation>Move Z-</translation>
    </message>
    <message>
        <source>Ｘ軸＋回転</source>
        <translation>Turn X+</translation>
    </message>
    <message>
        <source>Ｘ軸－回転</source>
        <translation>Turn X-</translation>
    </message>
    <message>
        <source>Ｙ軸＋回転</source>
        <translation>Turn Y+</translation>
    </message>
    <message>
        <source>Ｙ軸－回転</source>
        <translation>Turn Y-</translation>
    </message>
    <message>
        <source>Ｚ軸＋回転</source>
        <translation>Turn Z+</translation>
    </message>
    <message>
        <source>Ｚ軸－回転</source>
        <translation>Turn Z-</translation>
    </message>
    <message>
        <source>フロント</source>
        <translation>Front</translation>
    </message>
    <message>
        <source>サイド</source>
        <translation>Side</translation>
    </message>
    <message>
        <source>トップ</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>前後反転</source>
        <translation>Turn 180</translation>
    </message>
    <message>
        <source>回転中心変更</source>
        <translation>Set Rotation Centre</translation>
    </message>
    <message>
        <source>測定中心変更</source>
        <translation>Set Measuring Centre</translation>
    </message>
    <message>
        <source>測定座表系変更</source>
        <translation>Set Measuring System</translation>
    </message>
    <message>
        <source>次のデータ</source>
        <translation>Next Item</translation>
    </message>
    <message>
        <source>前のデータ</source>
        <translation>Previous Item</translation>
    </message>
    <message>
        <source>最後のデータ</source>
        <translation>Last Item</translation>
    </message>
    <message>
        <source>最初のデータ</source>
        <translation>First Item</translation>
    </message>
    <message>
        <source>データの更新</source>
        <translation>Requery Items</translation>
    </message>
    <message>
        <source>データ削除</source>
        <translation>Delete Items</translation>
    </message>
    <message>
        <source>次のデータアイテム</source>
        <translation>Next Item Part</translation>
    </message>
    <message>
        <source>点から点</source>
        <translation>Point to Point</translation>
    </message>
    <message>
        <source>測定原点から点</source>
        <translation>Origin to Point</translation>
    </message>
    <message>
        <source>フロント面から点</source>
        <translation>Front Plane to Point</translation>
    </message>
    <message>
        <source>サイド面から点</source>
        <translation>Side Plane to Point</translation>
    </message>
    <message>
        <source>トップ面から点</source>
        <translation>Top Plane to Point</translation>
    </message>
    <message>
        <source>設定面から点</source>
        <translation>Set Plane to Point</translation>
    </message>
    <message>
        <source>半径</source>
        <translation>Radius</translation>
    </message>
    <message>
        <source>直径</source>
        <translation>Diameter</translation>
    </message>
    <message>
        <source>コメント</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>部品非表示解除</source>
        <translation>Show Parts</translation>
    </message>
    <message>
        <source>部品非表示</source>
        <translation>Hide Part</translation>
    </message>
    <message>
        <source>アイテムハイライト</source>
        <translation>Highlight Item</translation>
    </message>
    <message>
        <source>↓</source>
        <translation>↓</translation>
    </message>
    <message>
        <source>↑</source>
        <translation>↑</translation>
    </message>
    <message>
        <source>→</source>
        <translation>→</translation>
    </message>
    <message>
        <source>←</source>
        <translation>←</translation>
    </message>
    <message>
        <source>＼</source>
        <translation>\</translation>
    </message>
    <message>
        <source>スピン</source>
        <translation>Spin</translation>
    </message>
    <message>
        <source>ＸＹ移動</source>
        <translation>Move XY</translation>
    </message>
    <message>
        <source>Ｚ移動０</source>
        <translation>Move Z 0</translation>
    </message>
    <message>
        <source>Ｚ移動１</source>
        <translation>Move Z 1</translation>
    </message>
    <message>
        <source>全体ズーム</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>部分ズームイン</source>
        <translation>Zoom Box</translation>
    </message>
    <message>
        <source>マウス右ボタン</source>
        <translation>Right Button</translation>
    </message>
    <message>
        <source>マウス左ボタン</source>
        <translation>Left Button</translation>
    </message>
    <message>
        <source>マウス中ボタン(ホイル)</source>
        <translation>Middle Button (Wheel)</translation>
    </message>
    <message>
        <source>マウス左右ボタン両方</source>
        <translation>Left and Right Buttons</translation>
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
        <source>&#x3000;画面をマウスのＬボタンでダブルクリックしてオブジェクト（面、線など）を選択した場合、奥行き方向に別のオブジェクトを探す場合、また、同一オブジェクトにて他のアイテムを探す（その面のエッジを選択など）場合に使用します。</source>
        <translation>Keys for walking the objects picked by a left double-click: to look for another object further back, or for another item of the same object (such as an edge of the picked face).</translation>
    </message>
    <message>
        <source>&#x3000;寸法を作成する時、マウスのＬボタンクリックと同時に押されているべきキーを設定します。&#x3000;このキーを設定していないと、このコマンドは使用できません。</source>
        <translation>Keys to hold while left-clicking to make a dimension. Without such a key the command cannot be used.</translation>
    </message>
    <message>
        <source>&#x3000;画面をマウスのＲボタンでダブルクリックして部品、またオブジェクト（面、線など）を選択し、部品のの表示、消去、キルトのハイライトなどを設定する場合に使用します。</source>
        <translation>Keys to hold while right double-clicking a part or object (face, line and so on) to show or hide parts or highlight a face set.</translation>
    </message>
    <message>
        <source>キー不使用</source>
        <translation>No Key</translation>
    </message>
    <message>
        <source>コマンド不使用</source>
        <translation>No Command</translation>
    </message>
</context>
<context>
    <name>vantor::Language</name>
    <message>
        <source>言語</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>表示言語は次回の起動から変わります。</source>
        <translation>The new language takes effect the next time the program starts.</translation>
    </message>
</context>
</TS>
