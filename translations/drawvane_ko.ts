<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>About</name>
    <message>
        <source>Program Name: Drawvane</source>
        <translation>프로그램: Drawvane</translation>
    </message>
    <message>
        <source>Author: The Drawvane developers</source>
        <translation>작성자: Drawvane 개발자들</translation>
    </message>
    <message>
        <source>Contact E-Mail: drawvane@example.org</source>
        <translation>연락처: drawvane@example.org</translation>
    </message>
    <message>
        <source>Purpose: Drawvane is an implementation of statistical analysis of random number distributions as relevant to the </source>
        <translation>목적: Drawvane은 무작위 번호 분포의 통계 분석을 </translation>
    </message>
    <message>
        <source>Lotto games. The program evaluates the numbers selected by the player to determine their relative randomness. In </source>
        <translation>로또 게임에 적용합니다. 플레이어가 고른 번호를 평가해 얼마나 무작위인지 판단합니다. </translation>
    </message>
    <message>
        <source>this way the program attempts to inform the player about the level of correlation among the numbers chosen.</source>
        <translation>이렇게 해서 고른 번호들 사이의 상관 정도를 알려 줍니다.</translation>
    </message>
    <message>
        <source>If the numbers selected represent some definite pattern the two coefficients (Punch and Spread) decrease in value. </source>
        <translation>고른 번호가 뚜렷한 무늬를 이루면 두 계수(Punch와 Spread)의 값이 내려갑니다. </translation>
    </message>
    <message>
        <source>This means that the numbers are not truly random and have smaller probability of being drawn. </source>
        <translation>이는 번호가 진짜 무작위가 아니며 뽑힐 확률이 더 작다는 뜻입니다. </translation>
    </message>
    <message>
        <source>The Punch and Spread coefficients vary between 0 and 100. The bigger the coefficient’s value the more likely it is </source>
        <translation>Punch와 Spread는 0에서 100 사이입니다. 값이 클수록 </translation>
    </message>
    <message>
        <source>that the selected number combination is going to be drawn.</source>
        <translation>고른 번호 조합이 뽑힐 가능성이 큽니다.</translation>
    </message>
    <message>
        <source>The Drawvane developers write small programs about probability and games of chance.</source>
        <translation>Drawvane 개발자들은 확률과 운에 관한 작은 프로그램을 만듭니다.</translation>
    </message>
    <message>
        <source>You may also like Veilmark, their other program: download it from its website below.</source>
        <translation>그들의 다른 프로그램 Veilmark도 마음에 드실 겁니다. 아래 웹사이트에서 내려받으세요.</translation>
    </message>
    <message>
        <source>Program Name:</source>
        <translation>프로그램:</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>작성자:</translation>
    </message>
    <message>
        <source>Contact E-Mail:</source>
        <translation>연락처:</translation>
    </message>
    <message>
        <source>Purpose:</source>
        <translation>목적:</translation>
    </message>
    <message>
        <source>The Drawvane developers</source>
        <translation>Drawvane 개발자들</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A lottery coupon that shows the chance of winning each prize division.</source>
        <extracomment>Note for translators: Drawvane is a desktop program for players of lotteries that draw six numbers and a bonus ball from 36 to 49 (Mark Six, Lotto 6 aus 45, La Primitiva, Lotto 6/45). Use the words your lottery&apos;s players know, such as its name for the bonus ball. Do not translate the names of controls, settings or files, nor &quot;Drawvane&quot;, &quot;Punch&quot; and &quot;Spread&quot;. Keep each text about as long as the English: the windows have fixed layouts.</extracomment>
        <translation>각 등수의 당첨 확률을 보여 주는 복권 용지입니다.</translation>
    </message>
    <message>
        <source>Speak &lt;language&gt; (%1) in this run, instead of the desktop&apos;s language.</source>
        <translation>이번 실행에서는 데스크톱 언어 대신 &lt;language&gt;(%1)를 사용합니다.</translation>
    </message>
    <message>
        <source>language</source>
        <translation>언어</translation>
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
        <translation>옵션</translation>
    </message>
    <message>
        <source>|Show Program options</source>
        <translation>|프로그램 옵션 보기</translation>
    </message>
    <message>
        <source>Systems</source>
        <translation>시스템</translation>
    </message>
    <message>
        <source>|Show Systems Window</source>
        <translation>|시스템 창 보기</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>지우기</translation>
    </message>
    <message>
        <source>|Clear all marks and calculations</source>
        <translation>|모든 표시와 계산 지우기</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>인쇄</translation>
    </message>
    <message>
        <source>|Print filled boards</source>
        <translation>|완성된 게임 인쇄</translation>
    </message>
    <message>
        <source>Luck</source>
        <translation>행운</translation>
    </message>
    <message>
        <source>|Increas you winning chances</source>
        <translation>|당첨 기회 높이기</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>|Program usage and explanation</source>
        <translation>|프로그램 사용법과 설명</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>|Contact the Author and read about his other programs</source>
        <translation>|작성자에게 연락하고 다른 프로그램 알아보기</translation>
    </message>
    <message>
        <source>|A note about the author and his other programs</source>
        <translation>|작성자와 다른 프로그램 소개</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>추첨</translation>
    </message>
    <message>
        <source>|Quick pick and check the draw</source>
        <translation>|자동 선택과 추첨 확인</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>|Close window and Exit program</source>
        <translation>|창을 닫고 프로그램 종료</translation>
    </message>
    <message>
        <source>Past Draws</source>
        <translation>지난 추첨</translation>
    </message>
    <message>
        <source>|Past draws of your lottery</source>
        <translation>|복권의 지난 추첨 결과</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>계산</translation>
    </message>
    <message>
        <source>|Calculate Probabilities and related data</source>
        <translation>|확률과 관련 값 계산</translation>
    </message>
    <message>
        <source>Drawvane About</source>
        <translation>Drawvane 정보</translation>
    </message>
    <message>
        <source>Visit Drawvane&apos;s Website</source>
        <translation>Drawvane 웹사이트</translation>
    </message>
    <message>
        <source>Visit Veilmark&apos;s Website</source>
        <translation>Veilmark 웹사이트</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>About text</source>
        <translation>정보 내용</translation>
    </message>
    <message>
        <source>Drawvane Draw</source>
        <translation>Drawvane 추첨</translation>
    </message>
    <message>
        <source>Quick Pick</source>
        <translation>자동 선택</translation>
    </message>
    <message>
        <source>Fill Boards</source>
        <translation>채우기</translation>
    </message>
    <message>
        <source>Wheel...</source>
        <translation>휠...</translation>
    </message>
    <message>
        <source>The Draw</source>
        <translation>추첨 결과</translation>
    </message>
    <message>
        <source>Main numbers</source>
        <translation>당첨 번호</translation>
    </message>
    <message>
        <source>Main number %1</source>
        <translation>당첨 번호 %1</translation>
    </message>
    <message>
        <source>Bonus ball</source>
        <translation>보너스 번호</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Clear Draw</source>
        <translation>지우기</translation>
    </message>
    <message>
        <source>Draw results</source>
        <translation>추첨 확인 결과</translation>
    </message>
    <message>
        <source>How often each number was drawn</source>
        <translation>각 번호가 뽑힌 횟수</translation>
    </message>
    <message>
        <source>Fair draw</source>
        <translation>공정한 추첨</translation>
    </message>
    <message>
        <source>95 % band</source>
        <translation>95% 범위</translation>
    </message>
    <message>
        <source>%1: %2 and %3 as bonus ball</source>
        <translation>%1: %2회, 보너스 번호 %3회</translation>
    </message>
    <message>
        <source>Expected for each number in a fair draw: %1, between %2 and %3 in 95 draws of 100. </source>
        <translation>공정한 추첨에서 번호마다 기대되는 횟수: %1, 100번 중 95번은 %2에서 %3 사이. </translation>
    </message>
    <message>
        <source>Drawvane Help</source>
        <translation>Drawvane 도움말</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>도움말 내용</translation>
    </message>
    <message>
        <source>Drawvane History</source>
        <translation>Drawvane 지난 기록</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>가져오기...</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>붙여넣기</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>기록 지우기</translation>
    </message>
    <message>
        <source>Past draws</source>
        <translation>지난 추첨</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>날짜</translation>
    </message>
    <message>
        <source>Results over the past draws</source>
        <translation>지난 추첨에 대한 결과</translation>
    </message>
    <message>
        <source>These are counts of past draws. In a fair draw every number is as likely as any other, whatever came before: no count tells the next draw.</source>
        <translation>이것은 지난 추첨의 횟수일 뿐입니다. 공정한 추첨에서는 이전 결과와 상관없이 모든 번호의 확률이 같으므로 어떤 횟수도 다음 추첨을 알려 주지 않습니다.</translation>
    </message>
    <message>
        <source>Nothing was imported</source>
        <translation>아무것도 가져오지 않았습니다</translation>
    </message>
    <message>
        <source>Import Past Draws</source>
        <translation>지난 추첨 가져오기</translation>
    </message>
    <message>
        <source>Draws (*.csv *.txt);;All files (*)</source>
        <translation>추첨 결과 (*.csv *.txt);;모든 파일 (*)</translation>
    </message>
    <message>
        <source>Clear all %1 past draws of this game?</source>
        <translation>이 게임의 지난 추첨 %1개를 모두 지울까요?</translation>
    </message>
    <message>
        <source>Drawvane Luck</source>
        <translation>Drawvane 행운</translation>
    </message>
    <message>
        <source>Amount in USD</source>
        <translation>금액(USD)</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>기부</translation>
    </message>
    <message>
        <source>Donation amount</source>
        <translation>기부 금액</translation>
    </message>
    <message>
        <source>Appeal text</source>
        <translation>호소문</translation>
    </message>
    <message>
        <source>Drawvane Message</source>
        <translation>Drawvane 메시지</translation>
    </message>
    <message>
        <source>Division one</source>
        <translation>1등</translation>
    </message>
    <message>
        <source>Division two</source>
        <translation>2등</translation>
    </message>
    <message>
        <source>Division three</source>
        <translation>3등</translation>
    </message>
    <message>
        <source>Division four</source>
        <translation>4등</translation>
    </message>
    <message>
        <source>Division five</source>
        <translation>5등</translation>
    </message>
    <message>
        <source>Division six</source>
        <translation>6등</translation>
    </message>
    <message>
        <source>Division seven</source>
        <translation>7등</translation>
    </message>
    <message>
        <source>5 + bonus ball</source>
        <translation>5 + 보너스 번호</translation>
    </message>
    <message>
        <source>4 + bonus ball</source>
        <translation>4 + 보너스 번호</translation>
    </message>
    <message>
        <source>3 + bonus ball</source>
        <translation>3 + 보너스 번호</translation>
    </message>
    <message>
        <source>Drawvane Preferences</source>
        <translation>Drawvane 설정</translation>
    </message>
    <message>
        <source>Coupon Preferences</source>
        <translation>용지 설정</translation>
    </message>
    <message>
        <source>Number of Boards:</source>
        <translation>게임 수:</translation>
    </message>
    <message>
        <source>Number of Boards</source>
        <translation>게임 수</translation>
    </message>
    <message>
        <source>Number of Cells:</source>
        <translation>번호 수:</translation>
    </message>
    <message>
        <source>Number of Cells</source>
        <translation>번호 수</translation>
    </message>
    <message>
        <source>Number of Marks</source>
        <translation>게임당 선택</translation>
    </message>
    <message>
        <source>5 balls</source>
        <translation>5개</translation>
    </message>
    <message>
        <source>6 balls</source>
        <translation>6개</translation>
    </message>
    <message>
        <source>Prize Divisions</source>
        <translation>등수</translation>
    </message>
    <message>
        <source>Winning Numbers</source>
        <translation>맞힌 번호</translation>
    </message>
    <message>
        <source>Payments $</source>
        <translation>당첨금 $</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Division %1</source>
        <translation>%1등</translation>
    </message>
    <message>
        <source>Division %1 payment</source>
        <translation>%1등 당첨금</translation>
    </message>
    <message>
        <source>Exclude some numbers|Assume that some numbers would not be drawn</source>
        <translation>번호 제외|일부 번호가 뽑히지 않는다고 가정</translation>
    </message>
    <message>
        <source>Include some numbers|Assume some numbers to be certain</source>
        <translation>번호 포함|일부 번호가 반드시 나온다고 가정</translation>
    </message>
    <message>
        <source>Close|Close Systems Window</source>
        <translation>닫기|시스템 창 닫기</translation>
    </message>
    <message>
        <source>Drawvane Systems</source>
        <translation>Drawvane 시스템</translation>
    </message>
    <message>
        <source>Play Exclusions System</source>
        <translation>제외 시스템 사용</translation>
    </message>
    <message>
        <source>I expect that none of these numbers would be drawn</source>
        <translation>이 번호들은 뽑히지 않을 것으로 예상합니다</translation>
    </message>
    <message>
        <source>Exclusion %1</source>
        <translation>제외 %1</translation>
    </message>
    <message>
        <source>Play Inclusions System</source>
        <translation>포함 시스템 사용</translation>
    </message>
    <message>
        <source>I expect these numbers to be drawn</source>
        <translation>이 번호들이 뽑힐 것입니다</translation>
    </message>
    <message>
        <source>Inclusion %1</source>
        <translation>포함 %1</translation>
    </message>
    <message>
        <source>Show Punch Estimation</source>
        <translation>Punch 보기</translation>
    </message>
    <message>
        <source>Show Spread Estimation</source>
        <translation>Spread 보기</translation>
    </message>
    <message>
        <source>Drawvane Wheel</source>
        <translation>Drawvane 휠</translation>
    </message>
    <message>
        <source>Your numbers</source>
        <translation>내 번호</translation>
    </message>
    <message>
        <source>Guarantee</source>
        <translation>보장</translation>
    </message>
    <message>
        <source>In every draw: how many of yours are drawn, and the best board&apos;s match</source>
        <translation>매 추첨: 내 번호가 몇 개 뽑히는지와 가장 좋은 게임의 맞힌 수</translation>
    </message>
    <message>
        <source>Coverage of the draws</source>
        <translation>추첨 적용 범위</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>채우기</translation>
    </message>
    <message>
        <source>Type from %1 to %2 numbers.</source>
        <translation>번호를 %1개에서 %2개까지 입력하세요.</translation>
    </message>
    <message>
        <source>Yours drawn</source>
        <translation>내 번호</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>확률</translation>
    </message>
    <message>
        <source>Best has %1</source>
        <translation>최고 %1</translation>
    </message>
    <message>
        <source>Turn the inclusions system off to play a wheel</source>
        <translation>휠을 하려면 포함 시스템을 끄세요</translation>
    </message>
    <message>
        <source>The wheel&apos;s boards take the place of the marks on the coupon. Go on?</source>
        <translation>휠의 게임이 용지의 표시를 대신합니다. 계속할까요?</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>the About window&apos;s narrower button</comment>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Bonus ball</source>
        <comment>above its field in the Draw window</comment>
        <translation>보너스 번호</translation>
    </message>
    <message>
        <source>%1 is not a calendar date</source>
        <translation>%1은(는) 달력에 없는 날짜입니다</translation>
    </message>
    <message>
        <source>%1 is not a number from 1 to %2</source>
        <translation>%1은(는) 1부터 %2 사이의 번호가 아닙니다</translation>
    </message>
    <message>
        <source>%1 appears twice</source>
        <translation>%1이(가) 두 번 나옵니다</translation>
    </message>
    <message>
        <source>1 number, %1 needed</source>
        <translation>번호 1개, %1개 필요</translation>
    </message>
    <message>
        <source>%1 numbers, %2 needed</source>
        <translation>번호 %1개, %2개 필요</translation>
    </message>
    <message>
        <source>The file is not a text file</source>
        <translation>텍스트 파일이 아닙니다</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>%1번째 줄: %2</translation>
    </message>
    <message>
        <source>The file holds no draws</source>
        <translation>파일에 추첨 결과가 없습니다</translation>
    </message>
    <message>
        <source>Fair draw test: no draws yet</source>
        <translation>공정한 추첨 검정: 아직 추첨이 없습니다</translation>
    </message>
    <message>
        <source>Fair draw test: chi-square %1 on %2 degrees of freedom, p &lt; 0.01, unlikely under a fair draw</source>
        <translation>공정한 추첨 검정: 카이제곱 %1, 자유도 %2, p &lt; 0.01, 공정한 추첨이라면 가능성이 낮음</translation>
    </message>
    <message>
        <source>Fair draw test: chi-square %1 on %2 degrees of freedom, p = %3, consistent with a fair draw</source>
        <translation>공정한 추첨 검정: 카이제곱 %1, 자유도 %2, p = %3, 공정한 추첨과 일치함</translation>
    </message>
    <message>
        <source>1 draw</source>
        <translation>1회 추첨</translation>
    </message>
    <message>
        <source>%1 draws</source>
        <translation>%1회 추첨</translation>
    </message>
    <message>
        <source>Fill at least one board to check it against these draws</source>
        <translation>이 추첨들과 확인하려면 게임을 하나 이상 채우세요</translation>
    </message>
    <message>
        <source>Draws: %1, from %2 to %3</source>
        <translation>추첨: %1회, %2부터 %3까지</translation>
    </message>
    <message>
        <source>Draws: %1</source>
        <translation>추첨: %1회</translation>
    </message>
    <message>
        <source>%1: won in %2, expected %3</source>
        <translation>%1: %2 당첨, 기대값 %3</translation>
    </message>
    <message>
        <source>Prizes: $%1 over %2, expected $%3</source>
        <translation>당첨금: %2 동안 $%1, 기대값 $%3</translation>
    </message>
    <message>
        <source>%1 is excluded</source>
        <translation>%1은(는) 제외된 번호입니다</translation>
    </message>
    <message>
        <source>Enter %1 to %2 numbers</source>
        <translation>번호를 %1개에서 %2개까지 입력하세요</translation>
    </message>
    <message>
        <source>%1 if %2: 1 board</source>
        <translation>%2개 중 %1개: 1게임</translation>
    </message>
    <message>
        <source>%1 if %2: %3 boards</source>
        <translation>%2개 중 %1개: %3게임</translation>
    </message>
    <message>
        <source>If %1 of the %2 numbers drawn are among your %3, at least one board has %4 of them.</source>
        <translation>뽑힌 번호 %2개 중 %1개가 내 번호 %3개 안에 있으면 적어도 한 게임이 그중 %4개를 맞힙니다.</translation>
    </message>
    <message>
        <source>%1 or more of your %2 numbers are drawn in 1 draw out of %3.</source>
        <translation>내 번호 %2개 중 %1개 이상이 뽑히는 것은 %3번 추첨에 1번입니다.</translation>
    </message>
    <message>
        <source>No guarantee fits in %1 boards; use fewer numbers</source>
        <translation>%1게임 안에 맞는 보장이 없습니다. 번호를 줄이세요</translation>
    </message>
    <message>
        <source>Enter %1 different numbers from 1 to %2, and a bonus ball that is not one of them</source>
        <translation>1부터 %2 사이의 서로 다른 번호 %1개와 그와 겹치지 않는 보너스 번호를 입력하세요</translation>
    </message>
    <message>
        <source>Board %1: no prize</source>
        <translation>게임 %1: 당첨 없음</translation>
    </message>
    <message>
        <source>Board %1: %2, %3</source>
        <translation>게임 %1: %2, %3</translation>
    </message>
    <message>
        <source>No prize on this coupon</source>
        <translation>이 용지는 당첨이 없습니다</translation>
    </message>
    <message>
        <source>Prizes: %1 on 1 board</source>
        <translation>당첨금: 1게임에서 %1</translation>
    </message>
    <message>
        <source>Prizes: %1 on %2 boards</source>
        <translation>당첨금: %2게임에서 %1</translation>
    </message>
    <message>
        <source>and %1 more lines; nothing was imported</source>
        <translation>외 %1줄; 아무것도 가져오지 않았습니다</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>알 수 없는 오류</translation>
    </message>
    <message>
        <source>No default printer is installed</source>
        <translation>기본 프린터가 설치되어 있지 않습니다</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is stopped</source>
        <translation>프린터 &quot;%1&quot;이(가) 멈춰 있습니다</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; cannot be used</source>
        <translation>프린터 &quot;%1&quot;을(를) 사용할 수 없습니다</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the job</source>
        <translation>프린터 &quot;%1&quot;이(가) 작업을 받지 않았습니다</translation>
    </message>
    <message>
        <source>no reason given</source>
        <translation>이유 없음</translation>
    </message>
    <message>
        <source>The printing system refused the job for &quot;%1&quot; (%2)</source>
        <translation>인쇄 시스템이 &quot;%1&quot;의 작업을 거부했습니다(%2)</translation>
    </message>
    <message>
        <source>The print job for &quot;%1&quot; ended in an error</source>
        <translation>&quot;%1&quot;의 인쇄 작업이 오류로 끝났습니다</translation>
    </message>
    <message>
        <source>The kept draws could not be read (%1) and were set aside as %2</source>
        <translation>저장된 추첨 결과를 읽을 수 없어(%1) %2(으)로 따로 두었습니다</translation>
    </message>
    <message>
        <source>The kept draws could not be read (%1): %2</source>
        <translation>저장된 추첨 결과를 읽을 수 없습니다(%1): %2</translation>
    </message>
    <message>
        <source>The draws could not be kept: no folder %1</source>
        <translation>추첨 결과를 저장할 수 없습니다: 폴더 %1 없음</translation>
    </message>
    <message>
        <source>The draws could not be kept (%1)</source>
        <translation>추첨 결과를 저장할 수 없습니다(%1)</translation>
    </message>
    <message>
        <source>%1 could not be read (%2)</source>
        <translation>%1을(를) 읽을 수 없습니다(%2)</translation>
    </message>
    <message>
        <source>Please select at least one division</source>
        <translation>등수를 하나 이상 선택하세요</translation>
    </message>
    <message>
        <source>Coupon</source>
        <translation>복권 용지</translation>
    </message>
    <message>
        <source>Number %1</source>
        <translation>번호 %1</translation>
    </message>
    <message>
        <source>Board %1</source>
        <translation>게임 %1</translation>
    </message>
    <message>
        <source>Board %1, number %2</source>
        <translation>게임 %1, 번호 %2</translation>
    </message>
    <message>
        <source>drawn</source>
        <translation>뽑힘</translation>
    </message>
    <message>
        <source>Board %1 %2 bar</source>
        <translation>게임 %1 %2 막대</translation>
    </message>
    <message>
        <source>Board %1 Punch %2</source>
        <translation>게임 %1 Punch %2</translation>
    </message>
    <message>
        <source>Board %1 Spread %2</source>
        <translation>게임 %1 Spread %2</translation>
    </message>
    <message>
        <source>win probability</source>
        <translation>당첨 확률</translation>
    </message>
    <message>
        <source>odds</source>
        <translation>비율</translation>
    </message>
    <message>
        <source>return</source>
        <translation>수익</translation>
    </message>
    <message>
        <source>The settings file could not be read and was kept as %1. The default settings are in use.</source>
        <translation>설정 파일을 읽을 수 없어 %1(으)로 보관했습니다. 기본 설정을 사용합니다.</translation>
    </message>
    <message>
        <source>Range check error</source>
        <translation>범위 검사 오류</translation>
    </message>
    <message>
        <source>Failed to get data for &apos;%1&apos;</source>
        <translation>&apos;%1&apos;의 데이터를 읽을 수 없습니다</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>&apos;%1&apos;의 데이터 형식이 올바르지 않습니다</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>&apos;%1&apos;의 데이터를 쓸 수 없습니다</translation>
    </message>
    <message>
        <source>Board:</source>
        <translation>게임:</translation>
    </message>
    <message>
        <source>Numbers:</source>
        <translation>번호:</translation>
    </message>
    <message>
        <source>Here are your lucky number guessess</source>
        <translation>당신의 행운의 번호입니다</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Preferences: Select the Game Preferences</source>
        <translation>설정: 게임 설정 선택</translation>
    </message>
    <message>
        <source>   - Number of Boards: can be set to any number between 4 and 12</source>
        <translation>   - 게임 수: 4에서 12 사이의 아무 수</translation>
    </message>
    <message>
        <source>   - Number of Cells: the number of cells per board. Can be between 36 and 49</source>
        <translation>   - 번호 수: 게임당 번호 수, 36에서 49 사이</translation>
    </message>
    <message>
        <source>   - Number of Marks: the number of marks per board. Can be set to 5 or 6</source>
        <translation>   - 게임당 선택: 게임마다 고르는 번호 수, 5 또는 6</translation>
    </message>
    <message>
        <source>  Prize Divisions: Choose the divisions applicable to your lotto game characteristics</source>
        <translation>  등수: 복권에 해당하는 등수를 고르세요</translation>
    </message>
    <message>
        <source>  Payments $: Choose the expected amount paid per each division. Use most recent if desired</source>
        <translation>  당첨금 $: 등수마다 기대하는 당첨금, 원하면 최근 금액</translation>
    </message>
    <message>
        <source>Systems: Select the Systems you would like to play</source>
        <translation>시스템: 사용할 시스템 선택</translation>
    </message>
    <message>
        <source>  - Play Exclusions System: </source>
        <translation>  - 제외 시스템: </translation>
    </message>
    <message>
        <source>If you expect that some numbers will not be drawn then you may explicitly exclude them from the board. </source>
        <translation>어떤 번호가 뽑히지 않을 것 같다면 게임에서 제외할 수 있습니다. </translation>
    </message>
    <message>
        <source>The numbers will be shaded in yellow and will not respond to mouse clicking.</source>
        <translation>그 번호들은 노란색으로 표시되고 클릭해도 반응하지 않습니다.</translation>
    </message>
    <message>
        <source>  - Play Inclusions System:</source>
        <translation>  - 포함 시스템:</translation>
    </message>
    <message>
        <source>Maybe you feel like expecting some numbers to be drawn. </source>
        <translation>어떤 번호가 뽑힐 것 같다면 </translation>
    </message>
    <message>
        <source>You may specify them here so that each of them will be marked on the board.</source>
        <translation>여기에 지정하면 각 번호가 게임에 표시됩니다.</translation>
    </message>
    <message>
        <source>  - Show Punch Estimation: </source>
        <translation>  - Punch 보기: </translation>
    </message>
    <message>
        <source>The program provides two statistical coefficients representing some measure of probability </source>
        <translation>이 프로그램은 어떤 번호 조합이 뽑힐 </translation>
    </message>
    <message>
        <source>that a given number combination will be drawn. </source>
        <translation>확률을 어느 정도 나타내는 두 가지 통계 계수를 제공합니다. </translation>
    </message>
    <message>
        <source>The first one called Punch looks at the clustering of the numbers in any region of the board. </source>
        <translation>첫째인 Punch는 번호가 게임의 한 곳에 몰려 있는 정도를 봅니다. </translation>
    </message>
    <message>
        <source>In most cases one would expect this to be between 80 and 100, certainly above 60.</source>
        <translation>대개 80에서 100 사이이며, 60보다는 분명히 높습니다.</translation>
    </message>
    <message>
        <source>  - Show Spread Estimation: </source>
        <translation>  - Spread 보기: </translation>
    </message>
    <message>
        <source>The second coefficient looks at the relative positions of the numbers and estimates their </source>
        <translation>둘째 계수는 번호들의 상대적 위치를 보고 </translation>
    </message>
    <message>
        <source>standard deviation. If your numbers form a distinctive pattern this number is very small. </source>
        <translation>표준편차를 추정합니다. 번호가 뚜렷한 무늬를 이루면 이 값은 아주 작습니다. </translation>
    </message>
    <message>
        <source>Again for the real life cases this coefficient should be between 80 and 100, and certainly above 60.</source>
        <translation>이 계수도 실제로는 80에서 100 사이, 적어도 60보다 높아야 합니다.</translation>
    </message>
    <message>
        <source>Clear: Removes all marks and calculated values</source>
        <translation>지우기: 모든 표시와 계산 값을 지웁니다</translation>
    </message>
    <message>
        <source>Print: Prints the completely filled boards using your default printer</source>
        <translation>인쇄: 완성된 게임을 기본 프린터로 인쇄합니다</translation>
    </message>
    <message>
        <source>Luck: Allows increasing your luck through an act of charity.</source>
        <translation>행운: 선행으로 행운을 높입니다.</translation>
    </message>
    <message>
        <source>Help: This window</source>
        <translation>도움말: 이 창</translation>
    </message>
    <message>
        <source>About: A note about the author, together with the Internet links to the author’s software sites</source>
        <translation>정보: 작성자 소개와 작성자의 프로그램 웹사이트 링크</translation>
    </message>
    <message>
        <source>Exit: Closes the program</source>
        <translation>종료: 프로그램을 닫습니다</translation>
    </message>
    <message>
        <source>Each board is supplemented with the graphical representation of the Punch and Spread </source>
        <translation>게임마다 현재 고른 번호의 Punch와 Spread </translation>
    </message>
    <message>
        <source>values for the current selection of the numbers. </source>
        <translation>값이 그래프로 함께 표시됩니다. </translation>
    </message>
    <message>
        <source>The values are also printed in the central part of the screen.</source>
        <translation>값은 화면 가운데에도 표시됩니다.</translation>
    </message>
    <message>
        <source>At the lower part of the screen the values of winning probabilities, </source>
        <translation>화면 아래쪽에는 당첨 확률, </translation>
    </message>
    <message>
        <source>odds and expected financial returns are displayed. </source>
        <translation>비율과 기대 수익이 표시됩니다. </translation>
    </message>
    <message>
        <source>The dollar amounts are calculated by multiplying the probability of winning </source>
        <translation>달러 금액은 당첨 확률에 </translation>
    </message>
    <message>
        <source>by the expected prize value. If you play over a very long period of time </source>
        <translation>기대 당첨금을 곱한 값입니다. 아주 오랫동안 계속 하면 </translation>
    </message>
    <message>
        <source>this is what the average return would be. </source>
        <translation>이것이 평균 수익이 됩니다. </translation>
    </message>
    <message>
        <source>Draw: Quick pick and the check of a draw (Ctrl+D)</source>
        <translation>추첨: 자동 선택과 추첨 확인 (Ctrl+D)</translation>
    </message>
    <message>
        <source>  Fill Boards completes every board that is not full with numbers picked at random; the marks already </source>
        <translation>  채우기는 다 채워지지 않은 게임을 무작위 번호로 채웁니다. 게임에 </translation>
    </message>
    <message>
        <source>on a board stay. Enter the main numbers and the bonus ball of a draw and press Check: the prize of each </source>
        <translation>이미 있는 표시는 그대로 둡니다. 추첨의 당첨 번호와 보너스 번호를 입력하고 확인을 누르면 </translation>
    </message>
    <message>
        <source>full board is listed, and the drawn numbers are ringed on the coupon.</source>
        <translation>완성된 게임마다 당첨금이 나오고, 뽑힌 번호에 동그라미가 쳐집니다.</translation>
    </message>
    <message>
        <source>Past Draws: The past draws of your lottery (Ctrl+H, or Past Draws in the Draw window)</source>
        <translation>지난 추첨: 복권의 지난 추첨 결과 (Ctrl+H, 또는 추첨 창의 지난 추첨)</translation>
    </message>
    <message>
        <source>  Import the results file of your lottery, or Paste a table of results copied from its web page. </source>
        <translation>  복권의 결과 파일을 가져오거나, 웹 페이지에서 복사한 결과 표를 붙여 넣으세요. </translation>
    </message>
    <message>
        <source>The full boards are checked against every draw, beside what they would win on average in as many fair draws, </source>
        <translation>완성된 게임을 모든 추첨과 맞춰 보고, 같은 횟수의 공정한 추첨에서 평균적으로 얻을 결과와 비교하며, </translation>
    </message>
    <message>
        <source>and a chart shows how often each number was drawn. Double click a draw to check it in the Draw window. </source>
        <translation>각 번호가 뽑힌 횟수를 차트로 보여 줍니다. 추첨을 두 번 클릭하면 추첨 창에서 확인합니다. </translation>
    </message>
    <message>
        <source>Past draws do not tell the next one: in a fair draw every number is as likely as any other.</source>
        <translation>지난 추첨은 다음 추첨을 알려 주지 않습니다. 공정한 추첨에서는 모든 번호의 확률이 같습니다.</translation>
    </message>
    <message>
        <source>Wheel: Your own numbers spread over the boards (Wheel... in the Draw window)</source>
        <translation>휠: 내 번호를 여러 게임에 나누어 놓기 (추첨 창의 휠...)</translation>
    </message>
    <message>
        <source>  Type more numbers than a board holds, up to 20, and choose a guarantee such as 3 if 4: whenever 4 of the numbers drawn are among yours, </source>
        <translation>  한 게임보다 많은 번호를 20개까지 입력하고 &apos;4개 중 3개&apos; 같은 보장을 고르세요. 뽑힌 번호 중 4개가 내 번호에 있으면 </translation>
    </message>
    <message>
        <source>at least one board has 3 of them. Every wheel offered is proven, and uses as few boards as we could find. </source>
        <translation>적어도 한 게임이 그중 3개를 맞힙니다. 모든 휠은 증명되었고, 찾을 수 있는 가장 적은 게임을 씁니다. </translation>
    </message>
    <message>
        <source>The table shows what the wheel does in every draw; Fill marks its boards, and the results below the coupon </source>
        <translation>표는 휠이 매 추첨에서 하는 일을 보여 줍니다. 채우기를 누르면 게임이 표시되고, 용지 아래 결과가 </translation>
    </message>
    <message>
        <source>show what they are worth. A wheel does not raise your chance of a prize, it only shares it out.</source>
        <translation>그 가치를 보여 줍니다. 휠은 당첨 확률을 높이지 않고 나눌 뿐입니다.</translation>
    </message>
    <message>
        <source>Preferences:</source>
        <translation>설정:</translation>
    </message>
    <message>
        <source>Systems:</source>
        <translation>시스템:</translation>
    </message>
    <message>
        <source>Clear:</source>
        <translation>지우기:</translation>
    </message>
    <message>
        <source>Print:</source>
        <translation>인쇄:</translation>
    </message>
    <message>
        <source>Luck:</source>
        <translation>행운:</translation>
    </message>
    <message>
        <source>Help:</source>
        <translation>도움말:</translation>
    </message>
    <message>
        <source>About:</source>
        <translation>정보:</translation>
    </message>
    <message>
        <source>Exit:</source>
        <translation>종료:</translation>
    </message>
    <message>
        <source>Draw:</source>
        <translation>추첨:</translation>
    </message>
    <message>
        <source>Past Draws:</source>
        <translation>지난 추첨:</translation>
    </message>
    <message>
        <source>Wheel:</source>
        <translation>휠:</translation>
    </message>
    <message>
        <source>Number of Boards:</source>
        <translation>게임 수:</translation>
    </message>
    <message>
        <source>Number of Cells:</source>
        <translation>번호 수:</translation>
    </message>
    <message>
        <source>Number of Marks:</source>
        <translation>게임당 선택:</translation>
    </message>
    <message>
        <source>Payments $:</source>
        <translation>당첨금 $:</translation>
    </message>
    <message>
        <source>Prize Divisions:</source>
        <translation>등수:</translation>
    </message>
    <message>
        <source>Play Exclusions System:</source>
        <translation>제외 시스템:</translation>
    </message>
    <message>
        <source>Play Inclusions System:</source>
        <translation>포함 시스템:</translation>
    </message>
    <message>
        <source>Show Punch Estimation:</source>
        <translation>Punch 보기:</translation>
    </message>
    <message>
        <source>Show Spread Estimation:</source>
        <translation>Spread 보기:</translation>
    </message>
    <message>
        <source>Punch and Spread</source>
        <translation>Punch와 Spread</translation>
    </message>
</context>
<context>
    <name>Luck</name>
    <message>
        <source>Increase your luck!</source>
        <translation>행운을 높이세요!</translation>
    </message>
    <message>
        <source>It is very well to use Systems, </source>
        <translation>시스템과 </translation>
    </message>
    <message>
        <source>and advanced Statistical Calculations</source>
        <translation>고급 통계 계산도 좋지만</translation>
    </message>
    <message>
        <source>To win, however, you also need some luck</source>
        <translation>당첨되려면 행운도 필요합니다</translation>
    </message>
    <message>
        <source>There is only one way to increase you luck, </source>
        <translation>행운을 높이는 방법은 하나뿐이니</translation>
    </message>
    <message>
        <source>and this is through donations</source>
        <translation>바로 기부입니다</translation>
    </message>
    <message>
        <source>Give donation to the software author,</source>
        <translation>프로그램 작성자에게 기부하고</translation>
    </message>
    <message>
        <source>and increase your chances of winning</source>
        <translation>당첨 기회를 높이세요</translation>
    </message>
</context>
<context>
    <name>TMaskedNumberEdit</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>잘라내기(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>복사(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>붙여넣기(&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>모두 선택</translation>
    </message>
</context>
<context>
    <name>TResultsPanel</name>
    <message>
        <source>Division %1</source>
        <translation>%1등</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>합계</translation>
    </message>
    <message>
        <source>Win Probability</source>
        <translation>당첨 확률</translation>
    </message>
    <message>
        <source>Odds</source>
        <translation>비율</translation>
    </message>
    <message>
        <source>Returns $</source>
        <translation>수익 $</translation>
    </message>
    <message>
        <source>Totals: </source>
        <translation>합계: </translation>
    </message>
</context>
<context>
    <name>TTombolixForm</name>
    <message>
        <source>Please fill at least one of the boards</source>
        <translation>게임을 하나 이상 채우세요</translation>
    </message>
    <message>
        <source>Printing the selected numbers...</source>
        <translation>선택한 번호를 인쇄하는 중...</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>모두 저장</translation>
    </message>
    <message>
        <source>Every board is already full</source>
        <translation>모든 게임이 이미 채워졌습니다</translation>
    </message>
    <message>
        <source>Turn the inclusions system off to play a wheel</source>
        <translation>휠을 하려면 포함 시스템을 끄세요</translation>
    </message>
    <message>
        <source>The coupon could not be kept for the next start (%1)</source>
        <translation>다음 실행을 위해 용지를 저장할 수 없습니다(%1)</translation>
    </message>
</context>
</TS>
