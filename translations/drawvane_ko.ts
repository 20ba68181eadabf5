<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
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
</context>
</TS>
