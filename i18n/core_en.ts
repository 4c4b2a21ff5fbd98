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
