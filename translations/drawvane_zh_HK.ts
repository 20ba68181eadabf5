<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_HK">
<context>
    <name>About</name>
    <message>
        <source>Program Name: Drawvane</source>
        <translation>程式名稱：Drawvane</translation>
    </message>
    <message>
        <source>Author: The Drawvane developers</source>
        <translation>作者：Drawvane 開發者</translation>
    </message>
    <message>
        <source>Contact E-Mail: drawvane@example.org</source>
        <translation>聯絡電郵：drawvane@example.org</translation>
    </message>
    <message>
        <source>Purpose: Drawvane is an implementation of statistical analysis of random number distributions as relevant to the </source>
        <translation>用途：Drawvane 把隨機號碼分佈的統計分析應用於</translation>
    </message>
    <message>
        <source>Lotto games. The program evaluates the numbers selected by the player to determine their relative randomness. In </source>
        <translation>彩票遊戲。程式評估玩家所選的號碼，以判斷它們的相對隨機程度。</translation>
    </message>
    <message>
        <source>this way the program attempts to inform the player about the level of correlation among the numbers chosen.</source>
        <translation>這樣程式便可告訴玩家所選號碼之間的相關程度。</translation>
    </message>
    <message>
        <source>If the numbers selected represent some definite pattern the two coefficients (Punch and Spread) decrease in value. </source>
        <translation>如所選號碼形成某種明確圖案，兩個係數（Punch 及 Spread）的數值便會下降。</translation>
    </message>
    <message>
        <source>This means that the numbers are not truly random and have smaller probability of being drawn. </source>
        <translation>這表示號碼並非真正隨機，被攪出的機會較小。</translation>
    </message>
    <message>
        <source>The Punch and Spread coefficients vary between 0 and 100. The bigger the coefficient’s value the more likely it is </source>
        <translation>Punch 及 Spread 的數值介乎 0 至 100。數值越大，</translation>
    </message>
    <message>
        <source>that the selected number combination is going to be drawn.</source>
        <translation>所選號碼組合被攪出的可能性就越大。</translation>
    </message>
    <message>
        <source>The Drawvane developers write small programs about probability and games of chance.</source>
        <translation>Drawvane 開發者編寫關於機率及博彩遊戲的小程式。</translation>
    </message>
    <message>
        <source>You may also like Veilmark, their other program: download it from its website below.</source>
        <translation>你或許也會喜歡他們的另一個程式 Veilmark：可在下面的網站下載。</translation>
    </message>
    <message>
        <source>Program Name:</source>
        <translation>程式名稱：</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>作者：</translation>
    </message>
    <message>
        <source>Contact E-Mail:</source>
        <translation>聯絡電郵：</translation>
    </message>
    <message>
        <source>Purpose:</source>
        <translation>用途：</translation>
    </message>
    <message>
        <source>The Drawvane developers</source>
        <translation>Drawvane 開發者</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A lottery coupon that shows the chance of winning each prize division.</source>
        <extracomment>Note for translators: Drawvane is a desktop program for players of lotteries that draw six numbers and a bonus ball from 36 to 49 (Mark Six, Lotto 6 aus 45, La Primitiva, Lotto 6/45). Use the words your lottery&apos;s players know, such as its name for the bonus ball. Do not translate the names of controls, settings or files, nor &quot;Drawvane&quot;, &quot;Punch&quot; and &quot;Spread&quot;. Keep each text about as long as the English: the windows have fixed layouts.</extracomment>
        <translation>一張顯示每個獎項中獎機會的彩票。</translation>
    </message>
    <message>
        <source>Speak &lt;language&gt; (%1) in this run, instead of the desktop&apos;s language.</source>
        <translation>本次執行使用 &lt;language&gt;（%1），而非桌面的語言。</translation>
    </message>
    <message>
        <source>language</source>
        <translation>語言</translation>
    </message>
</context>
<context>
    <name>Drawvane</name>
    <message>
        <source>Punch  = %1</source>
        <translation>Punch  = %1</translation>
    </message>
    <message>
        <source>Spread = %1</source>
        <translation>Spread = %1</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>選項</translation>
    </message>
    <message>
        <source>|Show Program options</source>
        <translation>|顯示程式選項</translation>
    </message>
    <message>
        <source>Systems</source>
        <translation>系統</translation>
    </message>
    <message>
        <source>|Show Systems Window</source>
        <translation>|顯示系統視窗</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>|Clear all marks and calculations</source>
        <translation>|清除所有選號及計算</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>列印</translation>
    </message>
    <message>
        <source>|Print filled boards</source>
        <translation>|列印已填滿的注項</translation>
    </message>
    <message>
        <source>Luck</source>
        <translation>運氣</translation>
    </message>
    <message>
        <source>|Increas you winning chances</source>
        <translation>|提高你的中獎機會</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>|Program usage and explanation</source>
        <translation>|程式用法及說明</translation>
    </message>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>|Contact the Author and read about his other programs</source>
        <translation>|聯絡作者及了解他的其他程式</translation>
    </message>
    <message>
        <source>|A note about the author and his other programs</source>
        <translation>|關於作者及他的其他程式</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>攪珠</translation>
    </message>
    <message>
        <source>|Quick pick and check the draw</source>
        <translation>|電腦選號及核對攪珠結果</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>離開</translation>
    </message>
    <message>
        <source>|Close window and Exit program</source>
        <translation>|關閉視窗並離開程式</translation>
    </message>
    <message>
        <source>Past Draws</source>
        <translation>過往攪珠</translation>
    </message>
    <message>
        <source>|Past draws of your lottery</source>
        <translation>|你的彩票的過往攪珠結果</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>計算</translation>
    </message>
    <message>
        <source>|Calculate Probabilities and related data</source>
        <translation>|計算機率及相關數據</translation>
    </message>
    <message>
        <source>Drawvane About</source>
        <translation>Drawvane 關於</translation>
    </message>
    <message>
        <source>Visit Drawvane&apos;s Website</source>
        <translation>Drawvane 網站</translation>
    </message>
    <message>
        <source>Visit Veilmark&apos;s Website</source>
        <translation>Veilmark 網站</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>About text</source>
        <translation>關於內容</translation>
    </message>
    <message>
        <source>Drawvane Draw</source>
        <translation>Drawvane 攪珠</translation>
    </message>
    <message>
        <source>Quick Pick</source>
        <translation>電腦選號</translation>
    </message>
    <message>
        <source>Fill Boards</source>
        <translation>填滿注項</translation>
    </message>
    <message>
        <source>Wheel...</source>
        <translation>複式...</translation>
    </message>
    <message>
        <source>The Draw</source>
        <translation>攪珠結果</translation>
    </message>
    <message>
        <source>Main numbers</source>
        <translation>攪出號碼</translation>
    </message>
    <message>
        <source>Main number %1</source>
        <translation>攪出號碼 %1</translation>
    </message>
    <message>
        <source>Bonus ball</source>
        <translation>特別號碼</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>核對</translation>
    </message>
    <message>
        <source>Clear Draw</source>
        <translation>清除結果</translation>
    </message>
    <message>
        <source>Draw results</source>
        <translation>攪珠核對結果</translation>
    </message>
    <message>
        <source>How often each number was drawn</source>
        <translation>每個號碼攪出的次數</translation>
    </message>
    <message>
        <source>Fair draw</source>
        <translation>公平攪珠</translation>
    </message>
    <message>
        <source>95 % band</source>
        <translation>95% 範圍</translation>
    </message>
    <message>
        <source>%1: %2 and %3 as bonus ball</source>
        <translation>%1：%2 次，特別號碼 %3 次</translation>
    </message>
    <message>
        <source>Expected for each number in a fair draw: %1, between %2 and %3 in 95 draws of 100. </source>
        <translation>公平攪珠下每個號碼的預期次數：%1，每 100 次中有 95 次介乎 %2 至 %3。</translation>
    </message>
    <message>
        <source>Drawvane Help</source>
        <translation>Drawvane 說明</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>說明內容</translation>
    </message>
    <message>
        <source>Drawvane History</source>
        <translation>Drawvane 過往紀錄</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>匯入...</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼上</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>清除紀錄</translation>
    </message>
    <message>
        <source>Past draws</source>
        <translation>過往攪珠</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Results over the past draws</source>
        <translation>過往攪珠的結果</translation>
    </message>
    <message>
        <source>These are counts of past draws. In a fair draw every number is as likely as any other, whatever came before: no count tells the next draw.</source>
        <translation>這些只是過往攪珠的次數。公平攪珠下，每個號碼的機會都一樣，與之前的結果無關：沒有任何次數能預測下一期。</translation>
    </message>
    <message>
        <source>Nothing was imported</source>
        <translation>沒有匯入任何資料</translation>
    </message>
    <message>
        <source>Import Past Draws</source>
        <translation>匯入過往攪珠</translation>
    </message>
    <message>
        <source>Draws (*.csv *.txt);;All files (*)</source>
        <translation>攪珠結果 (*.csv *.txt);;所有檔案 (*)</translation>
    </message>
    <message>
        <source>Clear all %1 past draws of this game?</source>
        <translation>清除此遊戲全部 %1 期過往攪珠？</translation>
    </message>
    <message>
        <source>Drawvane Luck</source>
        <translation>Drawvane 運氣</translation>
    </message>
    <message>
        <source>Amount in USD</source>
        <translation>金額（美元）</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>捐款</translation>
    </message>
    <message>
        <source>Donation amount</source>
        <translation>捐款金額</translation>
    </message>
    <message>
        <source>Appeal text</source>
        <translation>呼籲內容</translation>
    </message>
    <message>
        <source>Drawvane Message</source>
        <translation>Drawvane 訊息</translation>
    </message>
    <message>
        <source>Division one</source>
        <translation>頭獎</translation>
    </message>
    <message>
        <source>Division two</source>
        <translation>二獎</translation>
    </message>
    <message>
        <source>Division three</source>
        <translation>三獎</translation>
    </message>
    <message>
        <source>Division four</source>
        <translation>四獎</translation>
    </message>
    <message>
        <source>Division five</source>
        <translation>五獎</translation>
    </message>
    <message>
        <source>Division six</source>
        <translation>六獎</translation>
    </message>
    <message>
        <source>Division seven</source>
        <translation>七獎</translation>
    </message>
    <message>
        <source>5 + bonus ball</source>
        <translation>5 + 特別號碼</translation>
    </message>
    <message>
        <source>4 + bonus ball</source>
        <translation>4 + 特別號碼</translation>
    </message>
    <message>
        <source>3 + bonus ball</source>
        <translation>3 + 特別號碼</translation>
    </message>
    <message>
        <source>Drawvane Preferences</source>
        <translation>Drawvane 設定</translation>
    </message>
    <message>
        <source>Coupon Preferences</source>
        <translation>彩票設定</translation>
    </message>
    <message>
        <source>Number of Boards:</source>
        <translation>注數：</translation>
    </message>
    <message>
        <source>Number of Boards</source>
        <translation>注數</translation>
    </message>
    <message>
        <source>Number of Cells:</source>
        <translation>號碼數：</translation>
    </message>
    <message>
        <source>Number of Cells</source>
        <translation>號碼數</translation>
    </message>
    <message>
        <source>Number of Marks</source>
        <translation>每注選號</translation>
    </message>
    <message>
        <source>5 balls</source>
        <translation>5 個</translation>
    </message>
    <message>
        <source>6 balls</source>
        <translation>6 個</translation>
    </message>
    <message>
        <source>Prize Divisions</source>
        <translation>獎項</translation>
    </message>
    <message>
        <source>Winning Numbers</source>
        <translation>中獎號碼</translation>
    </message>
    <message>
        <source>Payments $</source>
        <translation>獎金 $</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Division %1</source>
        <translation>第%1組</translation>
    </message>
    <message>
        <source>Division %1 payment</source>
        <translation>第%1組獎金</translation>
    </message>
    <message>
        <source>Exclude some numbers|Assume that some numbers would not be drawn</source>
        <translation>排除號碼|假設某些號碼不會攪出</translation>
    </message>
    <message>
        <source>Include some numbers|Assume some numbers to be certain</source>
        <translation>包括號碼|假設某些號碼必定攪出</translation>
    </message>
    <message>
        <source>Close|Close Systems Window</source>
        <translation>關閉|關閉系統視窗</translation>
    </message>
    <message>
        <source>Drawvane Systems</source>
        <translation>Drawvane 系統</translation>
    </message>
    <message>
        <source>Play Exclusions System</source>
        <translation>使用排除系統</translation>
    </message>
    <message>
        <source>I expect that none of these numbers would be drawn</source>
        <translation>我預計以下號碼都不會攪出</translation>
    </message>
    <message>
        <source>Exclusion %1</source>
        <translation>排除 %1</translation>
    </message>
    <message>
        <source>Play Inclusions System</source>
        <translation>使用包括系統</translation>
    </message>
    <message>
        <source>I expect these numbers to be drawn</source>
        <translation>我預計以下號碼會攪出</translation>
    </message>
    <message>
        <source>Inclusion %1</source>
        <translation>包括 %1</translation>
    </message>
    <message>
        <source>Show Punch Estimation</source>
        <translation>顯示 Punch</translation>
    </message>
    <message>
        <source>Show Spread Estimation</source>
        <translation>顯示 Spread</translation>
    </message>
    <message>
        <source>Drawvane Wheel</source>
        <translation>Drawvane 複式</translation>
    </message>
    <message>
        <source>Your numbers</source>
        <translation>你的號碼</translation>
    </message>
    <message>
        <source>Guarantee</source>
        <translation>保證</translation>
    </message>
    <message>
        <source>In every draw: how many of yours are drawn, and the best board&apos;s match</source>
        <translation>每期攪珠：你的號碼攪出多少個，以及最佳一注中了多少個</translation>
    </message>
    <message>
        <source>Coverage of the draws</source>
        <translation>攪珠覆蓋表</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>填上</translation>
    </message>
    <message>
        <source>Type from %1 to %2 numbers.</source>
        <translation>請輸入 %1 至 %2 個號碼。</translation>
    </message>
    <message>
        <source>Yours drawn</source>
        <translation>你的攪出</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>機會</translation>
    </message>
    <message>
        <source>Best has %1</source>
        <translation>最佳中%1</translation>
    </message>
    <message>
        <source>Turn the inclusions system off to play a wheel</source>
        <translation>請先關閉包括系統才可玩複式</translation>
    </message>
    <message>
        <source>The wheel&apos;s boards take the place of the marks on the coupon. Go on?</source>
        <translation>複式的注項會取代彩票上的選號。繼續？</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>the About window&apos;s narrower button</comment>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Bonus ball</source>
        <comment>above its field in the Draw window</comment>
        <translation>特別號碼</translation>
    </message>
    <message>
        <source>%1 is not a calendar date</source>
        <translation>%1 不是有效日期</translation>
    </message>
    <message>
        <source>%1 is not a number from 1 to %2</source>
        <translation>%1 不是 1 至 %2 的號碼</translation>
    </message>
    <message>
        <source>%1 appears twice</source>
        <translation>%1 出現了兩次</translation>
    </message>
    <message>
        <source>1 number, %1 needed</source>
        <translation>1 個號碼，需要 %1 個</translation>
    </message>
    <message>
        <source>%1 numbers, %2 needed</source>
        <translation>%1 個號碼，需要 %2 個</translation>
    </message>
    <message>
        <source>The file is not a text file</source>
        <translation>檔案不是文字檔</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>The file holds no draws</source>
        <translation>檔案內沒有攪珠結果</translation>
    </message>
    <message>
        <source>Fair draw test: no draws yet</source>
        <translation>公平攪珠檢定：尚未有攪珠紀錄</translation>
    </message>
    <message>
        <source>Fair draw test: chi-square %1 on %2 degrees of freedom, p &lt; 0.01, unlikely under a fair draw</source>
        <translation>公平攪珠檢定：卡方 %1，自由度 %2，p &lt; 0.01，公平攪珠下不大可能</translation>
    </message>
    <message>
        <source>Fair draw test: chi-square %1 on %2 degrees of freedom, p = %3, consistent with a fair draw</source>
        <translation>公平攪珠檢定：卡方 %1，自由度 %2，p = %3，與公平攪珠相符</translation>
    </message>
    <message>
        <source>1 draw</source>
        <translation>1 期</translation>
    </message>
    <message>
        <source>%1 draws</source>
        <translation>%1 期</translation>
    </message>
    <message>
        <source>Fill at least one board to check it against these draws</source>
        <translation>請至少填滿一注，才可與這些攪珠結果核對</translation>
    </message>
    <message>
        <source>Draws: %1, from %2 to %3</source>
        <translation>攪珠期數：%1，由 %2 至 %3</translation>
    </message>
    <message>
        <source>Draws: %1</source>
        <translation>攪珠期數：%1</translation>
    </message>
    <message>
        <source>%1: won in %2, expected %3</source>
        <translation>%1：中獎 %2，預期 %3</translation>
    </message>
    <message>
        <source>Prizes: $%1 over %2, expected $%3</source>
        <translation>獎金：%2 共 $%1，預期 $%3</translation>
    </message>
    <message>
        <source>%1 is excluded</source>
        <translation>%1 已被排除</translation>
    </message>
    <message>
        <source>Enter %1 to %2 numbers</source>
        <translation>請輸入 %1 至 %2 個號碼</translation>
    </message>
    <message>
        <source>%1 if %2: 1 board</source>
        <translation>中 %2 保 %1：1 注</translation>
    </message>
    <message>
        <source>%1 if %2: %3 boards</source>
        <translation>中 %2 保 %1：%3 注</translation>
    </message>
    <message>
        <source>If %1 of the %2 numbers drawn are among your %3, at least one board has %4 of them.</source>
        <translation>如攪出的 %2 個號碼中有 %1 個在你的 %3 個號碼之內，最少有一注中 %4 個。</translation>
    </message>
    <message>
        <source>%1 or more of your %2 numbers are drawn in 1 draw out of %3.</source>
        <translation>你的 %2 個號碼中有 %1 個或以上攪出的機會為 %3 期中 1 期。</translation>
    </message>
    <message>
        <source>No guarantee fits in %1 boards; use fewer numbers</source>
        <translation>%1 注之內沒有適用的保證；請減少號碼</translation>
    </message>
    <message>
        <source>Enter %1 different numbers from 1 to %2, and a bonus ball that is not one of them</source>
        <translation>請輸入 %1 個 1 至 %2 的不同號碼，以及一個不在其中的特別號碼</translation>
    </message>
    <message>
        <source>Board %1: no prize</source>
        <translation>第 %1 注：沒有中獎</translation>
    </message>
    <message>
        <source>Board %1: %2, %3</source>
        <translation>第 %1 注：%2，%3</translation>
    </message>
    <message>
        <source>No prize on this coupon</source>
        <translation>這張彩票沒有中獎</translation>
    </message>
    <message>
        <source>Prizes: %1 on 1 board</source>
        <translation>獎金：1 注共 %1</translation>
    </message>
    <message>
        <source>Prizes: %1 on %2 boards</source>
        <translation>獎金：%2 注共 %1</translation>
    </message>
    <message>
        <source>and %1 more lines; nothing was imported</source>
        <translation>另有 %1 行；沒有匯入任何資料</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>未知錯誤</translation>
    </message>
    <message>
        <source>No default printer is installed</source>
        <translation>未有安裝預設印表機</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is stopped</source>
        <translation>印表機「%1」已停止</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; cannot be used</source>
        <translation>無法使用印表機「%1」</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the job</source>
        <translation>印表機「%1」沒有接受列印工作</translation>
    </message>
    <message>
        <source>no reason given</source>
        <translation>沒有說明原因</translation>
    </message>
    <message>
        <source>The printing system refused the job for &quot;%1&quot; (%2)</source>
        <translation>列印系統拒絕了「%1」的工作（%2）</translation>
    </message>
    <message>
        <source>The print job for &quot;%1&quot; ended in an error</source>
        <translation>「%1」的列印工作出錯</translation>
    </message>
    <message>
        <source>The kept draws could not be read (%1) and were set aside as %2</source>
        <translation>無法讀取已保存的攪珠結果（%1），已另存為 %2</translation>
    </message>
    <message>
        <source>The kept draws could not be read (%1): %2</source>
        <translation>無法讀取已保存的攪珠結果（%1）：%2</translation>
    </message>
    <message>
        <source>The draws could not be kept: no folder %1</source>
        <translation>無法保存攪珠結果：沒有資料夾 %1</translation>
    </message>
    <message>
        <source>The draws could not be kept (%1)</source>
        <translation>無法保存攪珠結果（%1）</translation>
    </message>
    <message>
        <source>%1 could not be read (%2)</source>
        <translation>無法讀取 %1（%2）</translation>
    </message>
    <message>
        <source>Please select at least one division</source>
        <translation>請最少選擇一個獎項</translation>
    </message>
    <message>
        <source>Coupon</source>
        <translation>彩票</translation>
    </message>
    <message>
        <source>Number %1</source>
        <translation>號碼 %1</translation>
    </message>
    <message>
        <source>Board %1</source>
        <translation>第 %1 注</translation>
    </message>
    <message>
        <source>Board %1, number %2</source>
        <translation>第 %1 注，號碼 %2</translation>
    </message>
    <message>
        <source>drawn</source>
        <translation>已攪出</translation>
    </message>
    <message>
        <source>Board %1 %2 bar</source>
        <translation>第 %1 注 %2 條</translation>
    </message>
    <message>
        <source>Board %1 Punch %2</source>
        <translation>第 %1 注 Punch %2</translation>
    </message>
    <message>
        <source>Board %1 Spread %2</source>
        <translation>第 %1 注 Spread %2</translation>
    </message>
    <message>
        <source>win probability</source>
        <translation>中獎機會</translation>
    </message>
    <message>
        <source>odds</source>
        <translation>比率</translation>
    </message>
    <message>
        <source>return</source>
        <translation>回報</translation>
    </message>
    <message>
        <source>The settings file could not be read and was kept as %1. The default settings are in use.</source>
        <translation>無法讀取設定檔，已保留為 %1。現使用預設設定。</translation>
    </message>
    <message>
        <source>Range check error</source>
        <translation>範圍檢查錯誤</translation>
    </message>
    <message>
        <source>Failed to get data for &apos;%1&apos;</source>
        <translation>無法讀取「%1」的資料</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>「%1」的資料類型無效</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>無法寫入「%1」的資料</translation>
    </message>
    <message>
        <source>Board:</source>
        <translation>注項：</translation>
    </message>
    <message>
        <source>Numbers:</source>
        <translation>號碼：</translation>
    </message>
    <message>
        <source>Here are your lucky number guessess</source>
        <translation>這是你的幸運號碼</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Preferences: Select the Game Preferences</source>
        <translation>設定：選擇遊戲設定</translation>
    </message>
    <message>
        <source>   - Number of Boards: can be set to any number between 4 and 12</source>
        <translation>   - 注數：可設為 4 至 12 之間任何數目</translation>
    </message>
    <message>
        <source>   - Number of Cells: the number of cells per board. Can be between 36 and 49</source>
        <translation>   - 號碼數：每注的號碼數目，可由 36 至 49</translation>
    </message>
    <message>
        <source>   - Number of Marks: the number of marks per board. Can be set to 5 or 6</source>
        <translation>   - 每注選號：每注選擇的號碼數目，可設為 5 或 6</translation>
    </message>
    <message>
        <source>  Prize Divisions: Choose the divisions applicable to your lotto game characteristics</source>
        <translation>  獎項：選擇你的彩票適用的獎項</translation>
    </message>
    <message>
        <source>  Payments $: Choose the expected amount paid per each division. Use most recent if desired</source>
        <translation>  獎金 $：每個獎項的預期獎金，可用最近一期的金額</translation>
    </message>
    <message>
        <source>Systems: Select the Systems you would like to play</source>
        <translation>系統：選擇你想玩的系統</translation>
    </message>
    <message>
        <source>  - Play Exclusions System: </source>
        <translation>  - 排除系統：</translation>
    </message>
    <message>
        <source>If you expect that some numbers will not be drawn then you may explicitly exclude them from the board. </source>
        <translation>如你預計某些號碼不會攪出，可以把它們從注項中排除。</translation>
    </message>
    <message>
        <source>The numbers will be shaded in yellow and will not respond to mouse clicking.</source>
        <translation>這些號碼會以黃色顯示，按下也不會有反應。</translation>
    </message>
    <message>
        <source>  - Play Inclusions System:</source>
        <translation>  - 包括系統：</translation>
    </message>
    <message>
        <source>Maybe you feel like expecting some numbers to be drawn. </source>
        <translation>也許你預計某些號碼會攪出。</translation>
    </message>
    <message>
        <source>You may specify them here so that each of them will be marked on the board.</source>
        <translation>可在這裡指定，每個號碼都會在注項上選上。</translation>
    </message>
    <message>
        <source>  - Show Punch Estimation: </source>
        <translation>  - 顯示 Punch：</translation>
    </message>
    <message>
        <source>The program provides two statistical coefficients representing some measure of probability </source>
        <translation>本程式提供兩個統計係數，</translation>
    </message>
    <message>
        <source>that a given number combination will be drawn. </source>
        <translation>用作衡量某組號碼被攪出的機會。</translation>
    </message>
    <message>
        <source>The first one called Punch looks at the clustering of the numbers in any region of the board. </source>
        <translation>第一個係數 Punch 看號碼在注項某一區域的聚集程度。</translation>
    </message>
    <message>
        <source>In most cases one would expect this to be between 80 and 100, certainly above 60.</source>
        <translation>一般預期在 80 至 100 之間，肯定高於 60。</translation>
    </message>
    <message>
        <source>  - Show Spread Estimation: </source>
        <translation>  - 顯示 Spread：</translation>
    </message>
    <message>
        <source>The second coefficient looks at the relative positions of the numbers and estimates their </source>
        <translation>第二個係數看號碼之間的相對位置，並估計它們的</translation>
    </message>
    <message>
        <source>standard deviation. If your numbers form a distinctive pattern this number is very small. </source>
        <translation>標準差。如你的號碼形成明顯的圖案，這個數值會很小。</translation>
    </message>
    <message>
        <source>Again for the real life cases this coefficient should be between 80 and 100, and certainly above 60.</source>
        <translation>同樣地，實際情況下這個係數應在 80 至 100 之間，肯定高於 60。</translation>
    </message>
    <message>
        <source>Clear: Removes all marks and calculated values</source>
        <translation>清除：移除所有選號及計算結果</translation>
    </message>
    <message>
        <source>Print: Prints the completely filled boards using your default printer</source>
        <translation>列印：以預設印表機列印已填滿的注項</translation>
    </message>
    <message>
        <source>Luck: Allows increasing your luck through an act of charity.</source>
        <translation>運氣：以善舉增加你的運氣。</translation>
    </message>
    <message>
        <source>Help: This window</source>
        <translation>說明：本視窗</translation>
    </message>
    <message>
        <source>About: A note about the author, together with the Internet links to the author’s software sites</source>
        <translation>關於：作者簡介，以及作者軟件網站的連結</translation>
    </message>
    <message>
        <source>Exit: Closes the program</source>
        <translation>離開：關閉程式</translation>
    </message>
    <message>
        <source>Each board is supplemented with the graphical representation of the Punch and Spread </source>
        <translation>每注都附有 Punch 及 Spread </translation>
    </message>
    <message>
        <source>values for the current selection of the numbers. </source>
        <translation>數值的圖示，顯示目前所選號碼的情況。</translation>
    </message>
    <message>
        <source>The values are also printed in the central part of the screen.</source>
        <translation>這些數值亦會在畫面中央顯示。</translation>
    </message>
    <message>
        <source>At the lower part of the screen the values of winning probabilities, </source>
        <translation>畫面下方顯示中獎機會、</translation>
    </message>
    <message>
        <source>odds and expected financial returns are displayed. </source>
        <translation>比率及預期回報。</translation>
    </message>
    <message>
        <source>The dollar amounts are calculated by multiplying the probability of winning </source>
        <translation>金額是以中獎機會</translation>
    </message>
    <message>
        <source>by the expected prize value. If you play over a very long period of time </source>
        <translation>乘以預期獎金計算。如你長時間一直玩，</translation>
    </message>
    <message>
        <source>this is what the average return would be. </source>
        <translation>這就是平均的回報。</translation>
    </message>
    <message>
        <source>Draw: Quick pick and the check of a draw (Ctrl+D)</source>
        <translation>攪珠：電腦選號及核對攪珠結果（Ctrl+D）</translation>
    </message>
    <message>
        <source>  Fill Boards completes every board that is not full with numbers picked at random; the marks already </source>
        <translation>  填滿注項會以隨機號碼填滿每一注未滿的注項；注項上</translation>
    </message>
    <message>
        <source>on a board stay. Enter the main numbers and the bonus ball of a draw and press Check: the prize of each </source>
        <translation>已有的選號會保留。輸入一期攪珠的攪出號碼及特別號碼，再按核對：</translation>
    </message>
    <message>
        <source>full board is listed, and the drawn numbers are ringed on the coupon.</source>
        <translation>會列出每注已填滿注項的獎金，攪出的號碼亦會在彩票上圈出。</translation>
    </message>
    <message>
        <source>Past Draws: The past draws of your lottery (Ctrl+H, or Past Draws in the Draw window)</source>
        <translation>過往攪珠：你的彩票的過往攪珠結果（Ctrl+H，或攪珠視窗內的過往攪珠）</translation>
    </message>
    <message>
        <source>  Import the results file of your lottery, or Paste a table of results copied from its web page. </source>
        <translation>  匯入你的彩票的結果檔案，或貼上從其網頁複製的結果表。</translation>
    </message>
    <message>
        <source>The full boards are checked against every draw, beside what they would win on average in as many fair draws, </source>
        <translation>已填滿的注項會與每期攪珠核對，並列出在同樣多期公平攪珠中的平均中獎情況，</translation>
    </message>
    <message>
        <source>and a chart shows how often each number was drawn. Double click a draw to check it in the Draw window. </source>
        <translation>圖表則顯示每個號碼攪出的次數。按兩下某期攪珠，即可在攪珠視窗核對。</translation>
    </message>
    <message>
        <source>Past draws do not tell the next one: in a fair draw every number is as likely as any other.</source>
        <translation>過往攪珠不能預測下一期：公平攪珠下每個號碼的機會都一樣。</translation>
    </message>
    <message>
        <source>Wheel: Your own numbers spread over the boards (Wheel... in the Draw window)</source>
        <translation>複式：把你自己的號碼分配到各注（攪珠視窗內的複式...）</translation>
    </message>
    <message>
        <source>  Type more numbers than a board holds, up to 20, and choose a guarantee such as 3 if 4: whenever 4 of the numbers drawn are among yours, </source>
        <translation>  輸入多於一注可容納的號碼，最多 20 個，並選擇一個保證，例如中 4 保 3：只要攪出的號碼中有 4 個是你的，</translation>
    </message>
    <message>
        <source>at least one board has 3 of them. Every wheel offered is proven, and uses as few boards as we could find. </source>
        <translation>最少有一注中 3 個。每個複式都經過驗證，並盡量使用最少的注數。</translation>
    </message>
    <message>
        <source>The table shows what the wheel does in every draw; Fill marks its boards, and the results below the coupon </source>
        <translation>表格顯示複式在每期攪珠的表現；按填上會選上各注，彩票下方的結果</translation>
    </message>
    <message>
        <source>show what they are worth. A wheel does not raise your chance of a prize, it only shares it out.</source>
        <translation>會顯示其價值。複式不會提高你的中獎機會，只是把機會分配。</translation>
    </message>
    <message>
        <source>Preferences:</source>
        <translation>設定：</translation>
    </message>
    <message>
        <source>Systems:</source>
        <translation>系統：</translation>
    </message>
    <message>
        <source>Clear:</source>
        <translation>清除：</translation>
    </message>
    <message>
        <source>Print:</source>
        <translation>列印：</translation>
    </message>
    <message>
        <source>Luck:</source>
        <translation>運氣：</translation>
    </message>
    <message>
        <source>Help:</source>
        <translation>說明：</translation>
    </message>
    <message>
        <source>About:</source>
        <translation>關於：</translation>
    </message>
    <message>
        <source>Exit:</source>
        <translation>離開：</translation>
    </message>
    <message>
        <source>Draw:</source>
        <translation>攪珠：</translation>
    </message>
    <message>
        <source>Past Draws:</source>
        <translation>過往攪珠：</translation>
    </message>
    <message>
        <source>Wheel:</source>
        <translation>複式：</translation>
    </message>
    <message>
        <source>Number of Boards:</source>
        <translation>注數：</translation>
    </message>
    <message>
        <source>Number of Cells:</source>
        <translation>號碼數：</translation>
    </message>
    <message>
        <source>Number of Marks:</source>
        <translation>每注選號：</translation>
    </message>
    <message>
        <source>Payments $:</source>
        <translation>獎金 $：</translation>
    </message>
    <message>
        <source>Prize Divisions:</source>
        <translation>獎項：</translation>
    </message>
    <message>
        <source>Play Exclusions System:</source>
        <translation>排除系統：</translation>
    </message>
    <message>
        <source>Play Inclusions System:</source>
        <translation>包括系統：</translation>
    </message>
    <message>
        <source>Show Punch Estimation:</source>
        <translation>顯示 Punch：</translation>
    </message>
    <message>
        <source>Show Spread Estimation:</source>
        <translation>顯示 Spread：</translation>
    </message>
    <message>
        <source>Punch and Spread</source>
        <translation>Punch 及 Spread</translation>
    </message>
</context>
<context>
    <name>Luck</name>
    <message>
        <source>Increase your luck!</source>
        <translation>增加你的運氣！</translation>
    </message>
    <message>
        <source>It is very well to use Systems, </source>
        <translation>使用系統</translation>
    </message>
    <message>
        <source>and advanced Statistical Calculations</source>
        <translation>及高深的統計計算固然好</translation>
    </message>
    <message>
        <source>To win, however, you also need some luck</source>
        <translation>但要中獎，還需要一點運氣</translation>
    </message>
    <message>
        <source>There is only one way to increase you luck, </source>
        <translation>增加運氣只有一個方法，</translation>
    </message>
    <message>
        <source>and this is through donations</source>
        <translation>就是捐款</translation>
    </message>
    <message>
        <source>Give donation to the software author,</source>
        <translation>向軟件作者捐款，</translation>
    </message>
    <message>
        <source>and increase your chances of winning</source>
        <translation>提高你的中獎機會</translation>
    </message>
</context>
<context>
    <name>TMaskedNumberEdit</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>剪下(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>複製(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>貼上(&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全選</translation>
    </message>
</context>
<context>
    <name>TResultsPanel</name>
    <message>
        <source>Division %1</source>
        <translation>第%1組</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>合計</translation>
    </message>
    <message>
        <source>Win Probability</source>
        <translation>中獎機會</translation>
    </message>
    <message>
        <source>Odds</source>
        <translation>比率</translation>
    </message>
    <message>
        <source>Returns $</source>
        <translation>回報 $</translation>
    </message>
    <message>
        <source>Totals: </source>
        <translation>合計：</translation>
    </message>
</context>
<context>
    <name>TTombolixForm</name>
    <message>
        <source>Please fill at least one of the boards</source>
        <translation>請至少填滿一注</translation>
    </message>
    <message>
        <source>Printing the selected numbers...</source>
        <translation>正在列印所選號碼...</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>全部儲存</translation>
    </message>
    <message>
        <source>Every board is already full</source>
        <translation>所有注項已經填滿</translation>
    </message>
    <message>
        <source>Turn the inclusions system off to play a wheel</source>
        <translation>請先關閉包括系統才可玩複式</translation>
    </message>
    <message>
        <source>The coupon could not be kept for the next start (%1)</source>
        <translation>無法為下次啟動保留彩票（%1）</translation>
    </message>
</context>
</TS>
