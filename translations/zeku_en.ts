<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>バージョン情報</source>
        <translation>About</translation>
    </message>
    <message>
        <source>マスターデータ</source>
        <translation>Master data</translation>
    </message>
    <message>
        <source>ユーザーデータ</source>
        <translation>User data</translation>
    </message>
    <message>
        <source>表示言語</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>ＯＫ</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CAddableSkillDlg</name>
    <message>
        <source>追加スキル検索</source>
        <translation>Addable skills</translation>
    </message>
    <message>
        <source>基本条件</source>
        <translation>Base condition</translation>
    </message>
    <message>
        <source>検索中</source>
        <translation>Searching</translation>
    </message>
    <message>
        <source>進行状況</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>中止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>追加できるスキル</source>
        <translation>Skills that can be added</translation>
    </message>
    <message>
        <source>条件に追加</source>
        <translation>Add to condition</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>CExclusiveItemEditDlg</name>
    <message>
        <source>除外アイテム編集</source>
        <translation>Edit excluded items</translation>
    </message>
    <message>
        <source>性別</source>
        <translation>Sex</translation>
    </message>
    <message>
        <source>全て</source>
        <translation>All</translation>
    </message>
    <message>
        <source>男</source>
        <translation>M</translation>
    </message>
    <message>
        <source>女</source>
        <translation>F</translation>
    </message>
    <message>
        <source>職業</source>
        <translation>Class</translation>
    </message>
    <message>
        <source>剣士</source>
        <translation>Blade</translation>
    </message>
    <message>
        <source>ガンナー</source>
        <translation>Gunner</translation>
    </message>
    <message>
        <source>種類</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>頭</source>
        <translation>Head</translation>
    </message>
    <message>
        <source>胴</source>
        <translation>Body</translation>
    </message>
    <message>
        <source>腕</source>
        <translation>Arms</translation>
    </message>
    <message>
        <source>腰</source>
        <translation>Waist</translation>
    </message>
    <message>
        <source>脚</source>
        <translation>Legs</translation>
    </message>
    <message>
        <source>装飾品</source>
        <translation>Jewels</translation>
    </message>
    <message>
        <source>レア</source>
        <translation>Rarity</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>解除</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>検索対象アイテム</source>
        <translation>Items searched</translation>
    </message>
    <message>
        <source>除外アイテム</source>
        <translation>Excluded items</translation>
    </message>
    <message>
        <source>追加→</source>
        <translation>Add →</translation>
    </message>
    <message>
        <source>←削除</source>
        <translation>← Remove</translation>
    </message>
    <message>
        <source>全追加→</source>
        <translation>Add all →</translation>
    </message>
    <message>
        <source>←全削除</source>
        <translation>← Remove all</translation>
    </message>
    <message>
        <source>ファイル再読込</source>
        <translation>Reload file</translation>
    </message>
    <message>
        <source>ファイルに保存する</source>
        <translation>Save to file</translation>
    </message>
    <message>
        <source>ＯＫ</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CExclusiveSkillEditDlg</name>
    <message>
        <source>除外スキル編集</source>
        <translation>Edit excluded skills</translation>
    </message>
    <message>
        <source>スキル系統</source>
        <translation>Skill tree</translation>
    </message>
    <message>
        <source>プラススキル</source>
        <translation>Plus skills</translation>
    </message>
    <message>
        <source>マイナススキル</source>
        <translation>Minus skills</translation>
    </message>
    <message>
        <source>スキル一覧</source>
        <translation>Skills</translation>
    </message>
    <message>
        <source>除外スキル</source>
        <translation>Excluded skills</translation>
    </message>
    <message>
        <source>追加→</source>
        <translation>Add →</translation>
    </message>
    <message>
        <source>←削除</source>
        <translation>← Remove</translation>
    </message>
    <message>
        <source>全追加→</source>
        <translation>Add all →</translation>
    </message>
    <message>
        <source>←全削除</source>
        <translation>← Remove all</translation>
    </message>
    <message>
        <source>ファイル再読込</source>
        <translation>Reload file</translation>
    </message>
    <message>
        <source>ファイルに保存する</source>
        <translation>Save to file</translation>
    </message>
    <message>
        <source>ＯＫ</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CFavoriteDataInputDlg</name>
    <message>
        <source>お気に入り装備登録</source>
        <translation>Save as favourite</translation>
    </message>
    <message>
        <source>タイトル</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>コメント</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>ＯＫ</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CFindConditionDispDlg</name>
    <message>
        <source>検索条件確認</source>
        <translation>View condition</translation>
    </message>
    <message>
        <source>現在の検索条件に反映</source>
        <translation>Apply to the current condition</translation>
    </message>
    <message>
        <source>基本条件</source>
        <translation>Basic</translation>
    </message>
    <message>
        <source>スキル</source>
        <translation>Skills</translation>
    </message>
    <message>
        <source>固定装備</source>
        <translation>Fixed</translation>
    </message>
    <message>
        <source>すべて</source>
        <translation>All</translation>
    </message>
    <message>
        <source>除外アイテム</source>
        <translation>Excl. items</translation>
    </message>
    <message>
        <source>除外スキル</source>
        <translation>Excl. skills</translation>
    </message>
    <message>
        <source>Ｓ防具</source>
        <translation>S armour</translation>
    </message>
    <message>
        <source>ＯＫ</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CFindProcessDlg</name>
    <message>
        <source>検索中</source>
        <translation>Searching</translation>
    </message>
    <message>
        <source>0 件</source>
        <translation>0 found</translation>
    </message>
    <message>
        <source>推定残り時間: 0秒</source>
        <translation>Estimated time left: 0 s</translation>
    </message>
    <message>
        <source>条件表示</source>
        <translation>Condition</translation>
    </message>
    <message>
        <source>常に手前</source>
        <translation>On top</translation>
    </message>
    <message>
        <source>中止</source>
        <translation>Stop</translation>
    </message>
</context>
<context>
    <name>CJewelRemoveDlg</name>
    <message>
        <source>装飾品解除</source>
        <translation>Remove jewels</translation>
    </message>
    <message>
        <source>解除する装飾品にチェックを付けてください</source>
        <translation>Check the jewels to remove</translation>
    </message>
    <message>
        <source>全てチェック</source>
        <translation>Check all</translation>
    </message>
    <message>
        <source>ＯＫ</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CManualEditDlg</name>
    <message>
        <source>装備手動選択</source>
        <translation>Choose the set yourself</translation>
    </message>
    <message>
        <source>性別</source>
        <translation>Sex</translation>
    </message>
    <message>
        <source>男</source>
        <translation>M</translation>
    </message>
    <message>
        <source>女</source>
        <translation>F</translation>
    </message>
    <message>
        <source>職業</source>
        <translation>Class</translation>
    </message>
    <message>
        <source>剣士</source>
        <translation>Blade</translation>
    </message>
    <message>
        <source>ガンナー</source>
        <translation>Gunner</translation>
    </message>
    <message>
        <source>装備の性別</source>
        <translation>Sex of the set</translation>
    </message>
    <message>
        <source>装備の職業</source>
        <translation>Class of the set</translation>
    </message>
    <message>
        <source>武器</source>
        <translation>Weapon</translation>
    </message>
    <message>
        <source>頭</source>
        <translation>Head</translation>
    </message>
    <message>
        <source>胴</source>
        <translation>Body</translation>
    </message>
    <message>
        <source>腕</source>
        <translation>Arms</translation>
    </message>
    <message>
        <source>腰</source>
        <translation>Waist</translation>
    </message>
    <message>
        <source>脚</source>
        <translation>Legs</translation>
    </message>
    <message>
        <source>装飾品</source>
        <translation>Jewels</translation>
    </message>
    <message>
        <source>レア</source>
        <translation>Rarity</translation>
    </message>
    <message>
        <source>名称絞込</source>
        <translation>Name filter</translation>
    </message>
    <message>
        <source>解除</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>スキル絞込</source>
        <translation>Skill filter</translation>
    </message>
    <message>
        <source>全てを含む</source>
        <translation>Contains all</translation>
    </message>
    <message>
        <source>１つ以上含む</source>
        <translation>Contains one or more</translation>
    </message>
    <message>
        <source>編集</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>除外アイテム非表示</source>
        <translation>Hide excluded items</translation>
    </message>
    <message>
        <source>選択</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>武器に装着</source>
        <translation>Put on weapon</translation>
    </message>
    <message>
        <source>頭に装着</source>
        <translation>Put on head</translation>
    </message>
    <message>
        <source>胴に装着</source>
        <translation>Put on body</translation>
    </message>
    <message>
        <source>腕に装着</source>
        <translation>Put on arms</translation>
    </message>
    <message>
        <source>腰に装着</source>
        <translation>Put on waist</translation>
    </message>
    <message>
        <source>脚に装着</source>
        <translation>Put on legs</translation>
    </message>
    <message>
        <source>装備解除</source>
        <translation>Take off</translation>
    </message>
    <message>
        <source>装飾品解除</source>
        <translation>Remove jewels</translation>
    </message>
    <message>
        <source>装飾品全解除</source>
        <translation>Remove all jewels</translation>
    </message>
    <message>
        <source>全解除</source>
        <translation>Take off all</translation>
    </message>
    <message>
        <source>クリップ</source>
        <translation>Clip</translation>
    </message>
    <message>
        <source>お気に入り</source>
        <translation>Favourites</translation>
    </message>
    <message>
        <source>表示</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>上書</source>
        <translation>Overwrite</translation>
    </message>
    <message>
        <source>お気に入り追加</source>
        <translation>Add favourite</translation>
    </message>
    <message>
        <source>タイトル</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>コメント</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>ＯＫ</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>CMessageDlg</name>
    <message>
        <source>メッセージ</source>
        <translation>Message</translation>
    </message>
</context>
<context>
    <name>CNoResultReasonDlg</name>
    <message>
        <source>見つからない理由</source>
        <translation>Why nothing fits</translation>
    </message>
    <message>
        <source>検索中</source>
        <translation>Searching</translation>
    </message>
    <message>
        <source>進行状況</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>中止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>スキル系統ごとの最大</source>
        <translation>Most points per skill tree</translation>
    </message>
    <message>
        <source>見つかる条件の変え方</source>
        <translation>Changes that find sets</translation>
    </message>
    <message>
        <source>この条件にする</source>
        <translation>Use this condition</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>CQuickExclusiveRegistDlg</name>
    <message>
        <source>除外登録</source>
        <translation>Exclude</translation>
    </message>
    <message>
        <source>ファイルに保存する</source>
        <translation>Save to file</translation>
    </message>
    <message>
        <source>登録</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CQuickSPartsRegistDlg</name>
    <message>
        <source>Ｓ防具登録</source>
        <translation>Add to S armour</translation>
    </message>
    <message>
        <source>ファイルに保存する</source>
        <translation>Save to file</translation>
    </message>
    <message>
        <source>登録</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CSPartsEditDlg</name>
    <message>
        <source>Ｓ防具編集</source>
        <translation>Edit S armour</translation>
    </message>
    <message>
        <source>性別</source>
        <translation>Sex</translation>
    </message>
    <message>
        <source>全て</source>
        <translation>All</translation>
    </message>
    <message>
        <source>男</source>
        <translation>M</translation>
    </message>
    <message>
        <source>女</source>
        <translation>F</translation>
    </message>
    <message>
        <source>職業</source>
        <translation>Class</translation>
    </message>
    <message>
        <source>剣士</source>
        <translation>Blade</translation>
    </message>
    <message>
        <source>ガンナー</source>
        <translation>Gunner</translation>
    </message>
    <message>
        <source>種類</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>頭</source>
        <translation>Head</translation>
    </message>
    <message>
        <source>胴</source>
        <translation>Body</translation>
    </message>
    <message>
        <source>腕</source>
        <translation>Arms</translation>
    </message>
    <message>
        <source>腰</source>
        <translation>Waist</translation>
    </message>
    <message>
        <source>脚</source>
        <translation>Legs</translation>
    </message>
    <message>
        <source>レア</source>
        <translation>Rarity</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>解除</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>防具一覧</source>
        <translation>Armour</translation>
    </message>
    <message>
        <source>Ｓ防具</source>
        <translation>S armour</translation>
    </message>
    <message>
        <source>追加→</source>
        <translation>Add →</translation>
    </message>
    <message>
        <source>←削除</source>
        <translation>← Remove</translation>
    </message>
    <message>
        <source>全追加→</source>
        <translation>Add all →</translation>
    </message>
    <message>
        <source>←全削除</source>
        <translation>← Remove all</translation>
    </message>
    <message>
        <source>ファイル再読込</source>
        <translation>Reload file</translation>
    </message>
    <message>
        <source>ファイルに保存する</source>
        <translation>Save to file</translation>
    </message>
    <message>
        <source>ＯＫ</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CSearchDlg</name>
    <message>
        <source>検索条件</source>
        <translation>Search condition</translation>
    </message>
    <message>
        <source>性別</source>
        <translation>Sex</translation>
    </message>
    <message>
        <source>男</source>
        <translation>M</translation>
    </message>
    <message>
        <source>女</source>
        <translation>F</translation>
    </message>
    <message>
        <source>職業</source>
        <translation>Class</translation>
    </message>
    <message>
        <source>剣士</source>
        <translation>Blade</translation>
    </message>
    <message>
        <source>ガンナー</source>
        <translation>Gunner</translation>
    </message>
    <message>
        <source>レア</source>
        <translation>Rarity</translation>
    </message>
    <message>
        <source>最低防御値</source>
        <translation>Min. defence</translation>
    </message>
    <message>
        <source>最大表示件数</source>
        <translation>Max. results</translation>
    </message>
    <message>
        <source>装飾品</source>
        <translation>Jewels</translation>
    </message>
    <message>
        <source>装飾品を全組合せで判定</source>
        <translation>Exact jewel fitting</translation>
    </message>
    <message>
        <source>除外アイテム</source>
        <translation>Excluded items</translation>
    </message>
    <message>
        <source>編集</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>除外アイテム編集</source>
        <translation>Edit excluded items</translation>
    </message>
    <message>
        <source>除外スキル</source>
        <translation>Excluded skills</translation>
    </message>
    <message>
        <source>除外スキル編集</source>
        <translation>Edit excluded skills</translation>
    </message>
    <message>
        <source>Ｓ防具必須</source>
        <translation>Need S armour</translation>
    </message>
    <message>
        <source>Ｓ防具編集</source>
        <translation>Edit S armour</translation>
    </message>
    <message>
        <source>検索</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>追加スキル検索</source>
        <translation>Addable skills</translation>
    </message>
    <message>
        <source>スキル</source>
        <translation>Skill</translation>
    </message>
    <message>
        <source>スキル系統</source>
        <translation>Skill tree</translation>
    </message>
    <message>
        <source>発動スキル</source>
        <translation>Activated skill</translation>
    </message>
    <message>
        <source>追加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>スキル条件</source>
        <translation>Wanted skills</translation>
    </message>
    <message>
        <source>スキル値</source>
        <translation>Skill value</translation>
    </message>
    <message>
        <source>調整</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>全削除</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>固定装備</source>
        <translation>Fixed armour</translation>
    </message>
    <message>
        <source>固定装飾品</source>
        <translation>Fixed jewels</translation>
    </message>
    <message>
        <source>全てチェック</source>
        <translation>Check all</translation>
    </message>
    <message>
        <source>装備編集</source>
        <translation>Edit set</translation>
    </message>
    <message>
        <source>固定装備編集</source>
        <translation>Edit fixed armour</translation>
    </message>
    <message>
        <source>検索結果</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>検索条件確認</source>
        <translation>View condition</translation>
    </message>
    <message>
        <source>タイトル</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>コメント</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>装備</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>スキル合計</source>
        <translation>Skill totals</translation>
    </message>
    <message>
        <source>保存履歴</source>
        <translation>History</translation>
    </message>
    <message>
        <source>保存履歴表示</source>
        <translation>Show history</translation>
    </message>
    <message>
        <source>検索結果保存</source>
        <translation>Save results</translation>
    </message>
    <message>
        <source>自分で選ぶ</source>
        <translation>Choose set</translation>
    </message>
    <message>
        <source>保存データ整理</source>
        <translation>Organise data</translation>
    </message>
    <message>
        <source>選択結果の装備編集</source>
        <translation>Edit the selected result</translation>
    </message>
    <message>
        <source>クリップ</source>
        <translation>Clip</translation>
    </message>
    <message>
        <source>お気に入り追加</source>
        <translation>Add favourite</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>CSetFitsDlg</name>
    <message>
        <source>このセットに追加できるスキル</source>
        <translation>Skills this set can add</translation>
    </message>
    <message>
        <source>0 件</source>
        <translation>0 found</translation>
    </message>
    <message>
        <source>条件に追加</source>
        <translation>Add to condition</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>CSkillFilterDlg</name>
    <message>
        <source>スキル絞込み</source>
        <translation>Skill filter</translation>
    </message>
    <message>
        <source>プラススキル値のみの絞込です</source>
        <translation>Filters by plus skill values only</translation>
    </message>
    <message>
        <source>絞り込むスキルにチェックを入れてください</source>
        <translation>Check the skills to filter by</translation>
    </message>
    <message>
        <source>スキル一覧</source>
        <translation>Skills</translation>
    </message>
    <message>
        <source>絞込スキル</source>
        <translation>Filter skills</translation>
    </message>
    <message>
        <source>追加→</source>
        <translation>Add →</translation>
    </message>
    <message>
        <source>←削除</source>
        <translation>← Remove</translation>
    </message>
    <message>
        <source>←全削除</source>
        <translation>← Remove all</translation>
    </message>
    <message>
        <source>ＯＫ</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CUserFileArrangeDlg</name>
    <message>
        <source>保存データ整理</source>
        <translation>Organise saved data</translation>
    </message>
    <message>
        <source>お気に入り</source>
        <translation>Favourites</translation>
    </message>
    <message>
        <source>検索結果</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>上へ</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>下へ</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>変更</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>zeku::BackgroundFileTask</name>
    <message>
        <source>処理中</source>
        <translation>Working</translation>
    </message>
    <message>
        <source>しばらくお待ちください。</source>
        <translation>Please wait.</translation>
    </message>
</context>
<context>
    <name>zeku::CAddableSkillDlg</name>
    <message>
        <source>基本条件：</source>
        <translation>Base condition: </translation>
    </message>
    <message>
        <source>中止しています  %1 件</source>
        <translation>Stopping  %1 found</translation>
    </message>
    <message>
        <source>検索中  %1 件</source>
        <translation>Searching  %1 found</translation>
    </message>
    <message>
        <source>中止しました  %1 件</source>
        <translation>Stopped  %1 found</translation>
    </message>
    <message>
        <source>メモリが不足しました  %1 件</source>
        <translation>Out of memory  %1 found</translation>
    </message>
    <message>
        <source>%1 件</source>
        <translation>%1 found</translation>
    </message>
</context>
<context>
    <name>zeku::CAddableSkillListCtrl</name>
    <message>
        <source>追加できるスキル</source>
        <translation>Skills that can be added</translation>
    </message>
    <message>
        <source>スキル系統</source>
        <translation>Skill tree</translation>
    </message>
    <message>
        <source>発動スキル</source>
        <translation>Activated skill</translation>
    </message>
    <message>
        <source>ポイント</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>種類</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>上昇</source>
        <translation>Raise</translation>
    </message>
    <message>
        <source>追加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>装飾品</source>
        <translation>Jewels</translation>
    </message>
</context>
<context>
    <name>zeku::CDataSelectListCtrl</name>
    <message>
        <source>武器スロットなし</source>
        <translation>No weapon slots</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>＜合&#x3000;計＞</source>
        <translation>&lt;Total&gt;</translation>
    </message>
    <message>
        <source>装備</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>ﾚｱ</source>
        <translation>Rar</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>防御</source>
        <translation>Def</translation>
    </message>
    <message>
        <source>火</source>
        <translation>Fire</translation>
    </message>
    <message>
        <source>水</source>
        <translation>Wat</translation>
    </message>
    <message>
        <source>雷</source>
        <translation>Thn</translation>
    </message>
    <message>
        <source>氷</source>
        <translation>Ice</translation>
    </message>
    <message>
        <source>龍</source>
        <translation>Drg</translation>
    </message>
    <message>
        <source>ｽﾛｯﾄ</source>
        <translation>Slots</translation>
    </message>
    <message>
        <source>装飾品</source>
        <translation>Jewels</translation>
    </message>
</context>
<context>
    <name>zeku::CEquipListCtrl</name>
    <message>
        <source>防具</source>
        <translation>Armour</translation>
    </message>
    <message>
        <source>防御</source>
        <translation>Def</translation>
    </message>
    <message>
        <source>火</source>
        <translation>Fire</translation>
    </message>
    <message>
        <source>水</source>
        <translation>Wat</translation>
    </message>
    <message>
        <source>雷</source>
        <translation>Thn</translation>
    </message>
    <message>
        <source>氷</source>
        <translation>Ice</translation>
    </message>
    <message>
        <source>龍</source>
        <translation>Drg</translation>
    </message>
</context>
<context>
    <name>zeku::CExclusiveSkillEditDlg</name>
    <message>
        <source>すべて</source>
        <translation>All</translation>
    </message>
</context>
<context>
    <name>zeku::CExclusiveSkillListCtrl</name>
    <message>
        <source>スキル</source>
        <translation>Skill</translation>
    </message>
    <message>
        <source>スキル系統</source>
        <translation>Skill tree</translation>
    </message>
    <message>
        <source>発動スキル</source>
        <translation>Activated skill</translation>
    </message>
</context>
<context>
    <name>zeku::CFavoriteDataInputDlg</name>
    <message>
        <source>タイトルを入力してください。</source>
        <translation>Please enter a title.</translation>
    </message>
</context>
<context>
    <name>zeku::CFindConditionDispDlg</name>
    <message>
        <source>検索条件</source>
        <translation>Search condition</translation>
    </message>
</context>
<context>
    <name>zeku::CFindProcessDlg</name>
    <message>
        <source>検索条件</source>
        <translation>Search condition</translation>
    </message>
    <message>
        <source>進捗</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>%1% 検索中</source>
        <translation>Searching %1%</translation>
    </message>
    <message>
        <source>検索完了</source>
        <translation>Search finished</translation>
    </message>
    <message>
        <source>検索完了しました</source>
        <translation>The search has finished</translation>
    </message>
    <message>
        <source>ＯＫ</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1 件</source>
        <translation>%1 found</translation>
    </message>
    <message>
        <source>最大表示件数に達しましたので</source>
        <translation>The maximum number of results was reached,</translation>
    </message>
    <message>
        <source>検索を打ち切りました&#x3000;&#x3000;&#x3000;&#x3000;</source>
        <translation>so the search was stopped.</translation>
    </message>
    <message>
        <source>メモリ不足になりましたので</source>
        <translation>Memory ran out,</translation>
    </message>
    <message>
        <source>検索を打ち切りました&#x3000;&#x3000;&#x3000;</source>
        <translation>so the search was stopped.</translation>
    </message>
    <message>
        <source>推定残り時間: %1時間%2分%3秒</source>
        <translation>Estimated time left: %1 h %2 min %3 s</translation>
    </message>
    <message>
        <source>推定残り時間: %1分%2秒</source>
        <translation>Estimated time left: %1 min %2 s</translation>
    </message>
    <message>
        <source>推定残り時間: %1秒</source>
        <translation>Estimated time left: %1 s</translation>
    </message>
    <message>
        <source>検索を終了してよろしいですか？</source>
        <translation>Do you want to stop the search?</translation>
    </message>
</context>
<context>
    <name>zeku::CFindResultListCtrl</name>
    <message>
        <source>検索結果</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>防御</source>
        <translation>Def</translation>
    </message>
    <message>
        <source>ｽﾛ</source>
        <translation>Sl</translation>
    </message>
    <message>
        <source>ｽｷﾙ</source>
        <translation>Skl</translation>
    </message>
    <message>
        <source>検索結果の番号</source>
        <translation>Number of the result</translation>
    </message>
    <message>
        <source>防具5部位の防御力の合計</source>
        <translation>Total defence of the five pieces</translation>
    </message>
    <message>
        <source>武器と防具のスロット数の合計</source>
        <translation>Total slots of the weapon and the pieces</translation>
    </message>
    <message>
        <source>装飾品で埋まっているスロット数</source>
        <translation>Slots filled with jewels</translation>
    </message>
    <message>
        <source>空いているスロット数</source>
        <translation>Free slots</translation>
    </message>
    <message>
        <source>発動するスキルの数</source>
        <translation>Number of activated skills</translation>
    </message>
</context>
<context>
    <name>zeku::CFixEquipListCtrl</name>
    <message>
        <source>部位</source>
        <translation>Part</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>ｽﾛｯﾄ</source>
        <translation>Slots</translation>
    </message>
    <message>
        <source>固定装備</source>
        <translation>Fixed armour</translation>
    </message>
    <message>
        <source>武</source>
        <translation>Wpn</translation>
    </message>
    <message>
        <source>頭</source>
        <translation>Head</translation>
    </message>
    <message>
        <source>胴</source>
        <translation>Body</translation>
    </message>
    <message>
        <source>腕</source>
        <translation>Arms</translation>
    </message>
    <message>
        <source>腰</source>
        <translation>Waist</translation>
    </message>
    <message>
        <source>脚</source>
        <translation>Legs</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
</context>
<context>
    <name>zeku::CFixJewelListCtrl</name>
    <message>
        <source>装飾品</source>
        <translation>Jewels</translation>
    </message>
    <message>
        <source>固定装飾品</source>
        <translation>Fixed jewels</translation>
    </message>
</context>
<context>
    <name>zeku::CItemListCtrl</name>
    <message>
        <source>アイテム</source>
        <translation>Items</translation>
    </message>
    <message>
        <source>頭</source>
        <translation>Hd</translation>
    </message>
    <message>
        <source>胴</source>
        <translation>Bd</translation>
    </message>
    <message>
        <source>腕</source>
        <translation>Ar</translation>
    </message>
    <message>
        <source>腰</source>
        <translation>Ws</translation>
    </message>
    <message>
        <source>脚</source>
        <translation>Lg</translation>
    </message>
    <message>
        <source>珠</source>
        <translation>Jw</translation>
    </message>
</context>
<context>
    <name>zeku::CJewelListCtrl</name>
    <message>
        <source>装飾品</source>
        <translation>Jewels</translation>
    </message>
</context>
<context>
    <name>zeku::CJewelRemoveDlg</name>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>ｽﾛｯﾄ</source>
        <translation>Slots</translation>
    </message>
    <message>
        <source>ｽｷﾙ</source>
        <translation>Skl</translation>
    </message>
    <message>
        <source>珠</source>
        <translation>Jw</translation>
    </message>
</context>
<context>
    <name>zeku::CManualEditDlg</name>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>男</source>
        <translation>M</translation>
    </message>
    <message>
        <source>女</source>
        <translation>F</translation>
    </message>
    <message>
        <source>剣士</source>
        <translation>Blade</translation>
    </message>
    <message>
        <source>ガンナー</source>
        <translation>Gunner</translation>
    </message>
    <message>
        <source>データの保存処理で異常が発生しました</source>
        <translation>Saving the data failed</translation>
    </message>
    <message>
        <source>データの読み込み処理で異常が発生しました</source>
        <translation>Reading the data failed</translation>
    </message>
    <message>
        <source>剣士装備</source>
        <translation>Blade set</translation>
    </message>
    <message>
        <source>ガンナー装備</source>
        <translation>Gunner set</translation>
    </message>
    <message>
        <source>(男)</source>
        <translation>(M)</translation>
    </message>
    <message>
        <source>(女)</source>
        <translation>(F)</translation>
    </message>
    <message>
        <source>現在の装備を &apos;%1&apos; に上書きしてよろしいですか？</source>
        <translation>Overwrite &apos;%1&apos; with the current set?</translation>
    </message>
    <message>
        <source>お気に入り上書き確認</source>
        <translation>Confirm overwriting a favourite</translation>
    </message>
    <message>
        <source>装備選択確認</source>
        <translation>Confirm the set</translation>
    </message>
    <message>
        <source>条件が変更されました。
装備できない防具を外しますがよろしいですか？</source>
        <translation>The conditions have changed.
Remove the armour that can no longer be worn?</translation>
    </message>
    <message>
        <source>このセットに追加できるスキル</source>
        <translation>Skills this set can add</translation>
    </message>
    <message>
        <source>保存中です。</source>
        <translation>Saving.</translation>
    </message>
</context>
<context>
    <name>zeku::CNoResultReasonDlg</name>
    <message>
        <source>武器スロット</source>
        <translation>Weapon slots</translation>
    </message>
    <message>
        <source>%1 を外す</source>
        <translation>Drop %1</translation>
    </message>
    <message>
        <source>%1 を %2 から %3 に緩める</source>
        <translation>Ease %1 from %2 to %3</translation>
    </message>
    <message>
        <source>%1 を %2 から %3 に下げる</source>
        <translation>Lower %1 from %2 to %3</translation>
    </message>
    <message>
        <source>除外アイテムを使わない</source>
        <translation>Turn off excluded items</translation>
    </message>
    <message>
        <source>除外スキルを使わない</source>
        <translation>Turn off excluded skills</translation>
    </message>
    <message>
        <source>Ｓ防具を必須にしない</source>
        <translation>Do not need S armour</translation>
    </message>
    <message>
        <source>最低防御値を 0 にする</source>
        <translation>Set min. defence to 0</translation>
    </message>
    <message>
        <source>レアを「全て」にする</source>
        <translation>Set rarity to &quot;All&quot;</translation>
    </message>
    <message>
        <source>装飾品を使う</source>
        <translation>Use jewels</translation>
    </message>
    <message>
        <source>装飾品を全組合せで判定する</source>
        <translation>Turn on exact jewel fitting</translation>
    </message>
    <message>
        <source>%1の固定を外す</source>
        <translation>Unfix %1</translation>
    </message>
    <message>
        <source>%1の固定装飾品を外す</source>
        <translation>Remove fixed jewels from %1</translation>
    </message>
    <message>
        <source>スキル系統</source>
        <translation>Skill tree</translation>
    </message>
    <message>
        <source>必要</source>
        <translation>Needed</translation>
    </message>
    <message>
        <source>最大</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>不足</source>
        <translation>Short</translation>
    </message>
    <message>
        <source>検索中  %1 通り</source>
        <translation>Searching  changes found: %1</translation>
    </message>
    <message>
        <source>この条件で装備が見つかります</source>
        <translation>This condition finds sets</translation>
    </message>
    <message>
        <source>中止しました  %1 通り</source>
        <translation>Stopped  changes found: %1</translation>
    </message>
    <message>
        <source>メモリが不足しました  %1 通り</source>
        <translation>Out of memory  changes found: %1</translation>
    </message>
    <message>
        <source>条件を一つ変えるだけで見つかる変え方はありません</source>
        <translation>No single change to the condition finds sets</translation>
    </message>
    <message>
        <source>条件を一つ変えると見つかります  %1 通り</source>
        <translation>One change to the condition finds sets  changes: %1</translation>
    </message>
    <message>
        <source>どのスキルも単独なら必要ポイントに届きますが、全てを同時には満たせません</source>
        <translation>Each skill reaches its points on its own, but not all of them together</translation>
    </message>
    <message>
        <source>一つの変更で見つかる変え方はありません</source>
        <translation>No single change finds sets</translation>
    </message>
</context>
<context>
    <name>zeku::CQuickExclusiveRegistDlg</name>
    <message>
        <source>登録済</source>
        <translation>Registered</translation>
    </message>
    <message>
        <source>珠</source>
        <translation>Jewel</translation>
    </message>
    <message>
        <source>スキル</source>
        <translation>Skill</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>状態</source>
        <translation>State</translation>
    </message>
</context>
<context>
    <name>zeku::CQuickSPartsRegistDlg</name>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>状態</source>
        <translation>State</translation>
    </message>
    <message>
        <source>登録済</source>
        <translation>Registered</translation>
    </message>
</context>
<context>
    <name>zeku::CRequireSkillListCtrl</name>
    <message>
        <source>検索スキル</source>
        <translation>Search skills</translation>
    </message>
    <message>
        <source>スキル値</source>
        <translation>Skill value</translation>
    </message>
    <message>
        <source>発動スキル</source>
        <translation>Activated skill</translation>
    </message>
</context>
<context>
    <name>zeku::CSearchDlg</name>
    <message>
        <source>サイズ変更</source>
        <translation>Resize</translation>
    </message>
    <message>
        <source>除外アイテムが登録されていません
編集ボタンを押して登録してください</source>
        <translation>No excluded items are registered.
Press Edit to register some.</translation>
    </message>
    <message>
        <source>除外スキルが登録されていません
編集ボタンを押して登録してください</source>
        <translation>No excluded skills are registered.
Press Edit to register some.</translation>
    </message>
    <message>
        <source>Ｓ防具が登録されていません
編集ボタンを押して登録してください</source>
        <translation>No S armour is registered.
Press Edit to register some.</translation>
    </message>
    <message>
        <source>バージョン情報</source>
        <translation>About</translation>
    </message>
    <message>
        <source>現在表示されている検索結果を破棄しますがよろしいですか？</source>
        <translation>Discard the results on display?</translation>
    </message>
    <message>
        <source>よく使うスキル</source>
        <translation>Frequent skills</translation>
    </message>
    <message>
        <source>全て</source>
        <translation>All</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>スキル値の範囲は -99～99 (0を除く) です。</source>
        <translation>Skill values range from -99 to 99 (not 0).</translation>
    </message>
    <message>
        <source>このセットに追加できるスキル</source>
        <translation>Skills this set can add</translation>
    </message>
    <message>
        <source>見つからない理由</source>
        <translation>Why nothing fits</translation>
    </message>
    <message>
        <source>言語</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>システムに合わせる</source>
        <translation>Same as the system</translation>
    </message>
    <message>
        <source>表示言語の変更は次回の起動時に反映されます。</source>
        <translation>The new language is used from the next start.</translation>
    </message>
    <message>
        <source>データの保存処理で異常が発生しました</source>
        <translation>Saving the data failed</translation>
    </message>
    <message>
        <source>データの読み込み処理で異常が発生しました</source>
        <translation>Reading the data failed</translation>
    </message>
    <message>
        <source>%1 件</source>
        <translation>%1 found</translation>
    </message>
    <message>
        <source>処理中</source>
        <translation>Working</translation>
    </message>
    <message>
        <source>しばらくお待ちください。</source>
        <translation>Please wait.</translation>
    </message>
    <message>
        <source>読み込み中です。</source>
        <translation>Loading.</translation>
    </message>
    <message>
        <source>検索結果保存</source>
        <translation>Save results</translation>
    </message>
    <message>
        <source>保存中です。</source>
        <translation>Saving.</translation>
    </message>
    <message>
        <source>除外アイテムデータを変更しました
ファイルに保存しますか？</source>
        <translation>The excluded items have changed.
Save them to the file?</translation>
    </message>
    <message>
        <source>除外スキルデータを変更しました
ファイルに保存しますか？</source>
        <translation>The excluded skills have changed.
Save them to the file?</translation>
    </message>
    <message>
        <source>Ｓ防具データを変更しました
ファイルに保存しますか？</source>
        <translation>The S armour has changed.
Save it to the file?</translation>
    </message>
    <message>
        <source>&apos;%1 (%2)&apos; は除外スキルに登録されています
</source>
        <translation>&apos;%1 (%2)&apos; is registered as an excluded skill
</translation>
    </message>
    <message>
        <source>スキル条件を入力してください</source>
        <translation>Enter the wanted skills</translation>
    </message>
    <message>
        <source>前回の検索条件のうち、データにない装備・装飾品・スキル %1 件を外しました。</source>
        <translation>%1 pieces, jewels or skills of the last condition are not in the data and were removed.</translation>
    </message>
    <message>
        <source>剣士装備</source>
        <translation>Blade set</translation>
    </message>
    <message>
        <source>ガンナー装備</source>
        <translation>Gunner set</translation>
    </message>
    <message>
        <source>(男)</source>
        <translation> (M)</translation>
    </message>
    <message>
        <source>(女)</source>
        <translation> (F)</translation>
    </message>
    <message>
        <source>%1 件 打切り</source>
        <translation>%1 found, cut</translation>
    </message>
    <message>
        <source>最大表示件数に達したため検索を打ち切りました</source>
        <translation>The search stopped at the maximum count</translation>
    </message>
</context>
<context>
    <name>zeku::CSetFitsDlg</name>
    <message>
        <source>%1 件</source>
        <translation>%1 found</translation>
    </message>
    <message>
        <source>検索中</source>
        <translation>Searching</translation>
    </message>
    <message>
        <source>メモリが不足しました  %1 件</source>
        <translation>Out of memory  %1 found</translation>
    </message>
</context>
<context>
    <name>zeku::CSkillFilterDlg</name>
    <message>
        <source>スキル一覧</source>
        <translation>Skills</translation>
    </message>
    <message>
        <source>絞込スキル</source>
        <translation>Filter skills</translation>
    </message>
</context>
<context>
    <name>zeku::CSkillListCtrl</name>
    <message>
        <source>スキル</source>
        <translation>Skill</translation>
    </message>
    <message>
        <source>スキル系統</source>
        <translation>Skill tree</translation>
    </message>
    <message>
        <source>武</source>
        <translation>Wpn</translation>
    </message>
    <message>
        <source>頭</source>
        <translation>Head</translation>
    </message>
    <message>
        <source>胴</source>
        <translation>Body</translation>
    </message>
    <message>
        <source>腕</source>
        <translation>Arms</translation>
    </message>
    <message>
        <source>腰</source>
        <translation>Waist</translation>
    </message>
    <message>
        <source>脚</source>
        <translation>Legs</translation>
    </message>
    <message>
        <source>計</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>発動スキル</source>
        <translation>Activated skill</translation>
    </message>
</context>
<context>
    <name>zeku::CUserFileArrangeDlg</name>
    <message>
        <source>タイトル</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>コメント</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>変更</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>お気に入りデータ &apos;%1&apos; を削除してよろしいですか？</source>
        <translation>Delete the favourite &apos;%1&apos;?</translation>
    </message>
    <message>
        <source>検索結果データ &apos;%1&apos; を削除してよろしいですか？</source>
        <translation>Delete the saved results &apos;%1&apos;?</translation>
    </message>
    <message>
        <source>全組合せ</source>
        <translation>Exact</translation>
    </message>
    <message>
        <source>装飾品判定</source>
        <translation>Jewel fit</translation>
    </message>
    <message>
        <source>保存中です。</source>
        <translation>Saving.</translation>
    </message>
</context>
<context>
    <name>zeku::CWeaponListCtrl</name>
    <message>
        <source>武器スロット</source>
        <translation>Weapon slots</translation>
    </message>
</context>
<context>
    <name>zeku::CatalogueColumns</name>
    <message>
        <source>ﾚｱ</source>
        <translation>Rar</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>ｽﾛｯﾄ</source>
        <translation>Slots</translation>
    </message>
    <message>
        <source>ｽｷﾙ%1</source>
        <translation>Skill %1</translation>
    </message>
</context>
<context>
    <name>zeku::ConditionText</name>
    <message>
        <source>■基本条件</source>
        <translation>■Basic</translation>
    </message>
    <message>
        <source>剣士</source>
        <translation>Blade</translation>
    </message>
    <message>
        <source>ガンナー</source>
        <translation>Gunner</translation>
    </message>
    <message>
        <source>？？？？</source>
        <extracomment>The class of a condition that has none.</extracomment>
        <translation>????</translation>
    </message>
    <message>
        <source>(男)</source>
        <extracomment>After the class and after a piece&apos;s name.</extracomment>
        <translation>(M)</translation>
    </message>
    <message>
        <source>(女)</source>
        <translation>(F)</translation>
    </message>
    <message>
        <source>レア制限なし</source>
        <translation>Any rarity</translation>
    </message>
    <message>
        <source>レア%1以上</source>
        <extracomment>%1 is the rarity.</extracomment>
        <translation>Rarity %1 or more</translation>
    </message>
    <message>
        <source>レア%1以下</source>
        <translation>Rarity %1 or less</translation>
    </message>
    <message>
        <source>レア%1のみ</source>
        <translation>Rarity %1 only</translation>
    </message>
    <message>
        <source>０１２３４５６７８９</source>
        <extracomment>The ten digits a rarity and a weapon&apos;s slot count are written with, 0 to 9.</extracomment>
        <translation>0123456789</translation>
    </message>
    <message>
        <source>防御値制限なし</source>
        <translation>Any defence</translation>
    </message>
    <message>
        <source>防御値 %1以上</source>
        <extracomment>%1 is the defence.</extracomment>
        <translation>Defence %1 or more</translation>
    </message>
    <message>
        <source>装飾品使用</source>
        <translation>Jewels used</translation>
    </message>
    <message>
        <source>装飾品未使用</source>
        <translation>Jewels not used</translation>
    </message>
    <message>
        <source>装飾品全組合せ判定あり</source>
        <translation>Jewels: every combination tried</translation>
    </message>
    <message>
        <source>アイテム除外あり</source>
        <translation>Item exclusion on</translation>
    </message>
    <message>
        <source>アイテム除外なし</source>
        <translation>Item exclusion off</translation>
    </message>
    <message>
        <source>スキル除外あり</source>
        <translation>Skill exclusion on</translation>
    </message>
    <message>
        <source>スキル除外なし</source>
        <translation>Skill exclusion off</translation>
    </message>
    <message>
        <source>Ｓ防具指定あり</source>
        <translation>S armour required</translation>
    </message>
    <message>
        <source>Ｓ防具指定なし</source>
        <translation>S armour not required</translation>
    </message>
    <message>
        <source>最大表示件数 %1件</source>
        <extracomment>%1 is the greatest number of results the search shows.</extracomment>
        <translation>At most %1 results</translation>
    </message>
    <message>
        <source>■スキル</source>
        <translation>■Skills</translation>
    </message>
    <message>
        <source>■固定装備</source>
        <translation>■Fixed armour</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>武器なし</source>
        <translation>No weapon</translation>
    </message>
    <message>
        <source>武器スロット%1</source>
        <extracomment>A fixed weapon: %1 is its number of slots.</extracomment>
        <translation>Weapon slots %1</translation>
    </message>
    <message>
        <source>%1&#x3000;%2</source>
        <extracomment>A fixed weapon or piece (%1) and its jewels (%2, may be empty).</extracomment>
        <translation>%1  %2</translation>
    </message>
    <message>
        <source>■除外アイテム</source>
        <translation>■Excluded items</translation>
    </message>
    <message>
        <source>■除外スキル</source>
        <translation>■Excluded skills</translation>
    </message>
    <message>
        <source>■Ｓ防具</source>
        <translation>■S armour</translation>
    </message>
    <message>
        <source>頭</source>
        <translation>Head</translation>
    </message>
    <message>
        <source>胴</source>
        <translation>Body</translation>
    </message>
    <message>
        <source>腕</source>
        <translation>Arms</translation>
    </message>
    <message>
        <source>腰</source>
        <translation>Waist</translation>
    </message>
    <message>
        <source>脚</source>
        <translation>Legs</translation>
    </message>
    <message>
        <source>珠</source>
        <translation>Jewel</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <extracomment>A part (or jewel) label (%1) and the name of an excluded or S item (%2).</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>zeku::CoreMessage</name>
    <message>
        <source>%1行目のデータが壊れています。</source>
        <translation>Line %1 of the data is damaged.</translation>
    </message>
    <message>
        <source>保存データとして読み込めない内容です。</source>
        <translation>The contents cannot be read as saved data.</translation>
    </message>
    <message>
        <source>以下のアイテム情報が見つからない為
お気に入りデータを復元できませんでした。</source>
        <translation>The favourite could not be restored
because these items were not found:</translation>
    </message>
    <message>
        <source>以下のアイテム情報が見つからない為
検索結果の一部が復元できませんした。</source>
        <translation>Part of the results could not be restored
because these items were not found:</translation>
    </message>
    <message>
        <source>復元できなかった検索結果：%1件</source>
        <translation>Results not restored: %1</translation>
    </message>
    <message>
        <source>フォルダーをロックできないため保存できません（%1）。</source>
        <translation>Cannot save: the folder cannot be locked (%1).</translation>
    </message>
    <message>
        <source>通常のファイルではありません。</source>
        <translation>It is not a regular file.</translation>
    </message>
    <message>
        <source>メモリが不足しています。</source>
        <translation>Out of memory.</translation>
    </message>
    <message>
        <source>保存する装備の種類が多すぎます。</source>
        <translation>The sets to save hold too many different items.</translation>
    </message>
    <message>
        <source>お気に入りデータが他のウィンドウで変更されたため上書きできませんでした。
一覧を読み込み直してください。</source>
        <translation>The favourite was changed in another window and was not overwritten.
Reload the list.</translation>
    </message>
    <message>
        <source>カンマ記号は使用できません。</source>
        <translation>Commas cannot be used.</translation>
    </message>
    <message>
        <source>改行やタブなどの制御文字は使用できません。</source>
        <translation>Control characters such as line breaks and tabs cannot be used.</translation>
    </message>
    <message>
        <source>タイトルの先頭に空白は使用できません。</source>
        <translation>A title cannot start with a blank.</translation>
    </message>
    <message>
        <source>コメントの末尾に空白は使用できません。</source>
        <translation>A comment cannot end with a blank.</translation>
    </message>
    <message>
        <source>イコール記号はタイトルに使用できません。</source>
        <translation>Equals signs cannot be used in a title.</translation>
    </message>
    <message>
        <source>タイトルの先頭に「;」と「#」は使用できません。</source>
        <translation>A title cannot start with &apos;;&apos; or &apos;#&apos;.</translation>
    </message>
    <message>
        <source>「Version」はタイトルに使用できません。</source>
        <translation>&apos;Version&apos; cannot be used as a title.</translation>
    </message>
    <message>
        <source>スキルデータファイルがありません</source>
        <translation>The skill data file is missing</translation>
    </message>
    <message>
        <source>装備データファイルがありません</source>
        <translation>The armour data file is missing</translation>
    </message>
    <message>
        <source>装飾品データファイルがありません</source>
        <translation>The jewel data file is missing</translation>
    </message>
    <message>
        <source>シンボリックリンクです</source>
        <translation>it is a symbolic link</translation>
    </message>
    <message>
        <source>ファイルでもフォルダーでもありません</source>
        <translation>it is neither a file nor a folder</translation>
    </message>
    <message>
        <source>「%1」はユーザーフォルダーの外を指すため開きません。</source>
        <translation>&apos;%1&apos; points outside the user folder and is not opened.</translation>
    </message>
    <message>
        <source>「%1」は名前にカンマ記号、改行や前後の空白を含むため保存できません。</source>
        <translation>Cannot save &apos;%1&apos;: the name holds a comma, a line break or blanks at its ends.</translation>
    </message>
</context>
<context>
    <name>zeku::DialogSupport</name>
    <message>
        <source>頭</source>
        <translation>Head</translation>
    </message>
    <message>
        <source>胴</source>
        <translation>Body</translation>
    </message>
    <message>
        <source>腕</source>
        <translation>Arms</translation>
    </message>
    <message>
        <source>腰</source>
        <translation>Waist</translation>
    </message>
    <message>
        <source>脚</source>
        <translation>Legs</translation>
    </message>
    <message>
        <source>アイテム数：%1 (全て：%2)</source>
        <translation>Items: %1 (all: %2)</translation>
    </message>
</context>
<context>
    <name>zeku::FileErrorCause</name>
    <message>
        <source>ファイルまたはフォルダが見つかりません。</source>
        <translation>The file or folder was not found.</translation>
    </message>
    <message>
        <source>アクセスする権限がありません。</source>
        <translation>You have no permission to access it.</translation>
    </message>
    <message>
        <source>読み取り専用の場所なので書き込めません。</source>
        <translation>The place is read-only, so nothing can be written.</translation>
    </message>
    <message>
        <source>ディスクの空き容量が足りません。</source>
        <translation>There is not enough free disk space.</translation>
    </message>
    <message>
        <source>ディスクの使用量の上限に達しました。</source>
        <translation>The disk quota has been reached.</translation>
    </message>
    <message>
        <source>ファイルの名前でフォルダがあります。</source>
        <translation>A folder has the name of the file.</translation>
    </message>
    <message>
        <source>フォルダの名前でファイルがあります。</source>
        <translation>A file has the name of the folder.</translation>
    </message>
    <message>
        <source>一覧ファイル (index.dat) を読み込めません。</source>
        <translation>The list file (index.dat) cannot be read.</translation>
    </message>
</context>
<context>
    <name>zeku::GuiErrorReporter</name>
    <message>
        <source>ファイル %1 を処理できませんでした。
%2</source>
        <translation>The file %1 could not be processed.
%2</translation>
    </message>
</context>
<context>
    <name>zeku::ListFileSave</name>
    <message>
        <source>ファイルは他のウィンドウで変更されています
変更を破棄して上書きしますか？</source>
        <translation>The file was changed in another window.
Discard those changes and overwrite it?</translation>
    </message>
    <message>
        <source>保存中です。</source>
        <translation>Saving.</translation>
    </message>
</context>
<context>
    <name>zeku::MessageBoxService</name>
    <message>
        <source>ＯＫ</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>はい(&amp;Y)</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>いいえ(&amp;N)</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>zeku::RarityCombo</name>
    <message>
        <source>全て</source>
        <translation>All</translation>
    </message>
    <message>
        <source>%1 以下</source>
        <translation>%1 or less</translation>
    </message>
    <message>
        <source>%1 のみ</source>
        <translation>%1 only</translation>
    </message>
    <message>
        <source>%1 以上</source>
        <translation>%1 or more</translation>
    </message>
</context>
<context>
    <name>zeku::ReportListView</name>
    <message>
        <source>除外登録</source>
        <translation>Exclude</translation>
    </message>
    <message>
        <source>Ｓ防具登録</source>
        <translation>Add to S armour</translation>
    </message>
</context>
<context>
    <name>zeku::TextConvert</name>
    <message>
        <source>「%1」は使用できない文字です。</source>
        <translation>&quot;%1&quot; is a character that cannot be used.</translation>
    </message>
</context>
<context>
    <name>zeku::UiLanguage</name>
    <message>
        <source>英語</source>
        <translation>English</translation>
    </message>
    <message>
        <source>日本語</source>
        <translation>Japanese</translation>
    </message>
</context>
</TS>
