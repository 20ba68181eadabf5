<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>About</name>
    <message>
        <source>Program Name: Drawvane</source>
        <translation>Programm: Drawvane</translation>
    </message>
    <message>
        <source>Author: The Drawvane developers</source>
        <translation>Autor: Die Drawvane-Entwickler</translation>
    </message>
    <message>
        <source>Contact E-Mail: drawvane@example.org</source>
        <translation>Kontakt: drawvane@example.org</translation>
    </message>
    <message>
        <source>Purpose: Drawvane is an implementation of statistical analysis of random number distributions as relevant to the </source>
        <translation>Zweck: Drawvane wendet die statistische Analyse zufälliger Zahlenverteilungen auf </translation>
    </message>
    <message>
        <source>Lotto games. The program evaluates the numbers selected by the player to determine their relative randomness. In </source>
        <translation>Lottospiele an. Es bewertet die gewählten Zahlen, um zu bestimmen, wie zufällig sie sind. </translation>
    </message>
    <message>
        <source>this way the program attempts to inform the player about the level of correlation among the numbers chosen.</source>
        <translation>So zeigt das Programm, wie stark die gewählten Zahlen zusammenhängen.</translation>
    </message>
    <message>
        <source>If the numbers selected represent some definite pattern the two coefficients (Punch and Spread) decrease in value. </source>
        <translation>Bilden die gewählten Zahlen ein deutliches Muster, sinken die beiden Kennzahlen (Punch und Spread). </translation>
    </message>
    <message>
        <source>This means that the numbers are not truly random and have smaller probability of being drawn. </source>
        <translation>Die Zahlen sind dann nicht wirklich zufällig und werden seltener gezogen. </translation>
    </message>
    <message>
        <source>The Punch and Spread coefficients vary between 0 and 100. The bigger the coefficient’s value the more likely it is </source>
        <translation>Punch und Spread liegen zwischen 0 und 100. Je größer der Wert, desto wahrscheinlicher ist es, </translation>
    </message>
    <message>
        <source>that the selected number combination is going to be drawn.</source>
        <translation>dass die gewählte Kombination gezogen wird.</translation>
    </message>
    <message>
        <source>The Drawvane developers write small programs about probability and games of chance.</source>
        <translation>Die Drawvane-Entwickler schreiben kleine Programme über Wahrscheinlichkeit und Glücksspiele.</translation>
    </message>
    <message>
        <source>You may also like Veilmark, their other program: download it from its website below.</source>
        <translation>Vielleicht gefällt Ihnen auch Veilmark, ihr anderes Programm: Sie finden es auf seiner Website unten.</translation>
    </message>
    <message>
        <source>Program Name:</source>
        <translation>Programm:</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Autor:</translation>
    </message>
    <message>
        <source>Contact E-Mail:</source>
        <translation>Kontakt:</translation>
    </message>
    <message>
        <source>Purpose:</source>
        <translation>Zweck:</translation>
    </message>
    <message>
        <source>The Drawvane developers</source>
        <translation>Die Drawvane-Entwickler</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A lottery coupon that shows the chance of winning each prize division.</source>
        <extracomment>Note for translators: Drawvane is a desktop program for players of lotteries that draw six numbers and a bonus ball from 36 to 49 (Mark Six, Lotto 6 aus 45, La Primitiva, Lotto 6/45). Use the words your lottery&apos;s players know, such as its name for the bonus ball. Do not translate the names of controls, settings or files, nor &quot;Drawvane&quot;, &quot;Punch&quot; and &quot;Spread&quot;. Keep each text about as long as the English: the windows have fixed layouts.</extracomment>
        <translation>Ein Lottoschein, der die Gewinnchance jeder Gewinnklasse zeigt.</translation>
    </message>
    <message>
        <source>Speak &lt;language&gt; (%1) in this run, instead of the desktop&apos;s language.</source>
        <translation>In diesem Lauf &lt;language&gt; (%1) sprechen statt der Sprache des Desktops.</translation>
    </message>
    <message>
        <source>language</source>
        <translation>Sprache</translation>
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
        <translation>Optionen</translation>
    </message>
    <message>
        <source>|Show Program options</source>
        <translation>|Programmoptionen zeigen</translation>
    </message>
    <message>
        <source>Systems</source>
        <translation>Systeme</translation>
    </message>
    <message>
        <source>|Show Systems Window</source>
        <translation>|Systemfenster zeigen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>|Clear all marks and calculations</source>
        <translation>|Alle Kreuze und Berechnungen löschen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>|Print filled boards</source>
        <translation>|Volle Tippfelder drucken</translation>
    </message>
    <message>
        <source>Luck</source>
        <translation>Glück</translation>
    </message>
    <message>
        <source>|Increas you winning chances</source>
        <translation>|Ihre Gewinnchancen erhöhen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>|Program usage and explanation</source>
        <translation>|Bedienung und Erklärung des Programms</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>|Contact the Author and read about his other programs</source>
        <translation>|Den Autor erreichen und über seine anderen Programme lesen</translation>
    </message>
    <message>
        <source>|A note about the author and his other programs</source>
        <translation>|Ein Wort zum Autor und seinen anderen Programmen</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Ziehung</translation>
    </message>
    <message>
        <source>|Quick pick and check the draw</source>
        <translation>|Quicktipp und Ziehung prüfen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>|Close window and Exit program</source>
        <translation>|Fenster schließen und Programm beenden</translation>
    </message>
    <message>
        <source>Past Draws</source>
        <translation>Archiv</translation>
    </message>
    <message>
        <source>|Past draws of your lottery</source>
        <translation>|Frühere Ziehungen Ihrer Lotterie</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>|Calculate Probabilities and related data</source>
        <translation>|Wahrscheinlichkeiten und zugehörige Werte berechnen</translation>
    </message>
    <message>
        <source>Drawvane About</source>
        <translation>Drawvane Info</translation>
    </message>
    <message>
        <source>Visit Drawvane&apos;s Website</source>
        <translation>Website von Drawvane</translation>
    </message>
    <message>
        <source>Visit Veilmark&apos;s Website</source>
        <translation>Website von Veilmark</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>About text</source>
        <translation>Infotext</translation>
    </message>
    <message>
        <source>Drawvane Draw</source>
        <translation>Drawvane Ziehung</translation>
    </message>
    <message>
        <source>Quick Pick</source>
        <translation>Quicktipp</translation>
    </message>
    <message>
        <source>Fill Boards</source>
        <translation>Auffüllen</translation>
    </message>
    <message>
        <source>Wheel...</source>
        <translation>System...</translation>
    </message>
    <message>
        <source>The Draw</source>
        <translation>Die Ziehung</translation>
    </message>
    <message>
        <source>Main numbers</source>
        <translation>Gewinnzahlen</translation>
    </message>
    <message>
        <source>Main number %1</source>
        <translation>Gewinnzahl %1</translation>
    </message>
    <message>
        <source>Bonus ball</source>
        <translation>Zusatzzahl</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Clear Draw</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Draw results</source>
        <translation>Ergebnis der Ziehung</translation>
    </message>
    <message>
        <source>How often each number was drawn</source>
        <translation>Wie oft jede Zahl gezogen wurde</translation>
    </message>
    <message>
        <source>Fair draw</source>
        <translation>Faire Ziehung</translation>
    </message>
    <message>
        <source>95 % band</source>
        <translation>95-%-Band</translation>
    </message>
    <message>
        <source>%1: %2 and %3 as bonus ball</source>
        <translation>%1: %2 und %3 als Zusatzzahl</translation>
    </message>
    <message>
        <source>Expected for each number in a fair draw: %1, between %2 and %3 in 95 draws of 100. </source>
        <translation>Bei einer fairen Ziehung erwartet je Zahl: %1, zwischen %2 und %3 in 95 von 100 Fällen. </translation>
    </message>
    <message>
        <source>Drawvane Help</source>
        <translation>Drawvane Hilfe</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Hilfetext</translation>
    </message>
    <message>
        <source>Drawvane History</source>
        <translation>Drawvane Ziehungsarchiv</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importieren...</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Archiv leeren</translation>
    </message>
    <message>
        <source>Past draws</source>
        <translation>Frühere Ziehungen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Results over the past draws</source>
        <translation>Ergebnisse über die früheren Ziehungen</translation>
    </message>
    <message>
        <source>These are counts of past draws. In a fair draw every number is as likely as any other, whatever came before: no count tells the next draw.</source>
        <translation>Dies sind Zählungen früherer Ziehungen. Bei einer fairen Ziehung ist jede Zahl so wahrscheinlich wie jede andere, gleich was vorher kam: keine Zählung sagt die nächste Ziehung voraus.</translation>
    </message>
    <message>
        <source>Nothing was imported</source>
        <translation>Es wurde nichts importiert</translation>
    </message>
    <message>
        <source>Import Past Draws</source>
        <translation>Frühere Ziehungen importieren</translation>
    </message>
    <message>
        <source>Draws (*.csv *.txt);;All files (*)</source>
        <translation>Ziehungen (*.csv *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Clear all %1 past draws of this game?</source>
        <translation>Alle %1 früheren Ziehungen dieses Spiels löschen?</translation>
    </message>
    <message>
        <source>Drawvane Luck</source>
        <translation>Drawvane Glück</translation>
    </message>
    <message>
        <source>Amount in USD</source>
        <translation>Betrag in USD</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Spenden</translation>
    </message>
    <message>
        <source>Donation amount</source>
        <translation>Spendenbetrag</translation>
    </message>
    <message>
        <source>Appeal text</source>
        <translation>Aufruf</translation>
    </message>
    <message>
        <source>Drawvane Message</source>
        <translation>Drawvane Meldung</translation>
    </message>
    <message>
        <source>Division one</source>
        <translation>1. Klasse</translation>
    </message>
    <message>
        <source>Division two</source>
        <translation>2. Klasse</translation>
    </message>
    <message>
        <source>Division three</source>
        <translation>3. Klasse</translation>
    </message>
    <message>
        <source>Division four</source>
        <translation>4. Klasse</translation>
    </message>
    <message>
        <source>Division five</source>
        <translation>5. Klasse</translation>
    </message>
    <message>
        <source>Division six</source>
        <translation>6. Klasse</translation>
    </message>
    <message>
        <source>Division seven</source>
        <translation>7. Klasse</translation>
    </message>
    <message>
        <source>5 + bonus ball</source>
        <translation>5 + Zusatzzahl</translation>
    </message>
    <message>
        <source>4 + bonus ball</source>
        <translation>4 + Zusatzzahl</translation>
    </message>
    <message>
        <source>3 + bonus ball</source>
        <translation>3 + Zusatzzahl</translation>
    </message>
    <message>
        <source>Drawvane Preferences</source>
        <translation>Drawvane Einstellungen</translation>
    </message>
    <message>
        <source>Coupon Preferences</source>
        <translation>Der Lottoschein</translation>
    </message>
    <message>
        <source>Number of Boards:</source>
        <translation>Tippfelder:</translation>
    </message>
    <message>
        <source>Number of Boards</source>
        <translation>Tippfelder</translation>
    </message>
    <message>
        <source>Number of Cells:</source>
        <translation>Zahlen:</translation>
    </message>
    <message>
        <source>Number of Cells</source>
        <translation>Zahlen</translation>
    </message>
    <message>
        <source>Number of Marks</source>
        <translation>Kreuze je Feld</translation>
    </message>
    <message>
        <source>5 balls</source>
        <translation>5 Kugeln</translation>
    </message>
    <message>
        <source>6 balls</source>
        <translation>6 Kugeln</translation>
    </message>
    <message>
        <source>Prize Divisions</source>
        <translation>Gewinnklassen</translation>
    </message>
    <message>
        <source>Winning Numbers</source>
        <translation>Richtige</translation>
    </message>
    <message>
        <source>Payments $</source>
        <translation>Gewinn $</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Division %1</source>
        <translation>Klasse %1</translation>
    </message>
    <message>
        <source>Division %1 payment</source>
        <translation>Gewinn der Klasse %1</translation>
    </message>
    <message>
        <source>Exclude some numbers|Assume that some numbers would not be drawn</source>
        <translation>Zahlen ausschließen|Annehmen, dass einige Zahlen nicht gezogen werden</translation>
    </message>
    <message>
        <source>Include some numbers|Assume some numbers to be certain</source>
        <translation>Zahlen festlegen|Annehmen, dass einige Zahlen sicher kommen</translation>
    </message>
    <message>
        <source>Close|Close Systems Window</source>
        <translation>Schließen|Systemfenster schließen</translation>
    </message>
    <message>
        <source>Drawvane Systems</source>
        <translation>Drawvane Systeme</translation>
    </message>
    <message>
        <source>Play Exclusions System</source>
        <translation>Ausschlusssystem</translation>
    </message>
    <message>
        <source>I expect that none of these numbers would be drawn</source>
        <translation>Ich erwarte, dass keine dieser Zahlen gezogen wird</translation>
    </message>
    <message>
        <source>Exclusion %1</source>
        <translation>Ausschluss %1</translation>
    </message>
    <message>
        <source>Play Inclusions System</source>
        <translation>Festzahlsystem</translation>
    </message>
    <message>
        <source>I expect these numbers to be drawn</source>
        <translation>Ich erwarte diese Zahlen</translation>
    </message>
    <message>
        <source>Inclusion %1</source>
        <translation>Festzahl %1</translation>
    </message>
    <message>
        <source>Show Punch Estimation</source>
        <translation>Punch zeigen</translation>
    </message>
    <message>
        <source>Show Spread Estimation</source>
        <translation>Spread zeigen</translation>
    </message>
    <message>
        <source>Drawvane Wheel</source>
        <translation>Drawvane System</translation>
    </message>
    <message>
        <source>Your numbers</source>
        <translation>Ihre Zahlen</translation>
    </message>
    <message>
        <source>Guarantee</source>
        <translation>Garantie</translation>
    </message>
    <message>
        <source>In every draw: how many of yours are drawn, and the best board&apos;s match</source>
        <translation>In jeder Ziehung: wie viele Ihrer Zahlen gezogen werden, und die Treffer des besten Feldes</translation>
    </message>
    <message>
        <source>Coverage of the draws</source>
        <translation>Abdeckung der Ziehungen</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Ausfüllen</translation>
    </message>
    <message>
        <source>Type from %1 to %2 numbers.</source>
        <translation>Geben Sie %1 bis %2 Zahlen ein.</translation>
    </message>
    <message>
        <source>Yours drawn</source>
        <translation>Gezogen</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Chance</translation>
    </message>
    <message>
        <source>Best has %1</source>
        <translation>Bestes %1</translation>
    </message>
    <message>
        <source>Turn the inclusions system off to play a wheel</source>
        <translation>Schalten Sie das Festzahlsystem aus, um ein System zu spielen</translation>
    </message>
    <message>
        <source>The wheel&apos;s boards take the place of the marks on the coupon. Go on?</source>
        <translation>Die Felder des Systems ersetzen die Kreuze auf dem Schein. Fortfahren?</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>the About window&apos;s narrower button</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Bonus ball</source>
        <comment>above its field in the Draw window</comment>
        <translation>Zusatzzahl</translation>
    </message>
    <message>
        <source>%1 is not a calendar date</source>
        <translation>%1 ist kein Kalenderdatum</translation>
    </message>
    <message>
        <source>%1 is not a number from 1 to %2</source>
        <translation>%1 ist keine Zahl von 1 bis %2</translation>
    </message>
    <message>
        <source>%1 appears twice</source>
        <translation>%1 kommt zweimal vor</translation>
    </message>
    <message>
        <source>1 number, %1 needed</source>
        <translation>1 Zahl, %1 nötig</translation>
    </message>
    <message>
        <source>%1 numbers, %2 needed</source>
        <translation>%1 Zahlen, %2 nötig</translation>
    </message>
    <message>
        <source>The file is not a text file</source>
        <translation>Die Datei ist keine Textdatei</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>The file holds no draws</source>
        <translation>Die Datei enthält keine Ziehungen</translation>
    </message>
    <message>
        <source>Fair draw test: no draws yet</source>
        <translation>Test auf faire Ziehung: noch keine Ziehungen</translation>
    </message>
    <message>
        <source>Fair draw test: chi-square %1 on %2 degrees of freedom, p &lt; 0.01, unlikely under a fair draw</source>
        <translation>Test auf faire Ziehung: Chi-Quadrat %1 bei %2 Freiheitsgraden, p &lt; 0,01, bei einer fairen Ziehung unwahrscheinlich</translation>
    </message>
    <message>
        <source>Fair draw test: chi-square %1 on %2 degrees of freedom, p = %3, consistent with a fair draw</source>
        <translation>Test auf faire Ziehung: Chi-Quadrat %1 bei %2 Freiheitsgraden, p = %3, vereinbar mit einer fairen Ziehung</translation>
    </message>
    <message>
        <source>1 draw</source>
        <translation>1 Ziehung</translation>
    </message>
    <message>
        <source>%1 draws</source>
        <translation>%1 Ziehungen</translation>
    </message>
    <message>
        <source>Fill at least one board to check it against these draws</source>
        <translation>Füllen Sie mindestens ein Feld aus, um es mit diesen Ziehungen zu prüfen</translation>
    </message>
    <message>
        <source>Draws: %1, from %2 to %3</source>
        <translation>Ziehungen: %1, vom %2 bis %3</translation>
    </message>
    <message>
        <source>Draws: %1</source>
        <translation>Ziehungen: %1</translation>
    </message>
    <message>
        <source>%1: won in %2, expected %3</source>
        <translation>%1: gewonnen in %2, erwartet %3</translation>
    </message>
    <message>
        <source>Prizes: $%1 over %2, expected $%3</source>
        <translation>Gewinne: $%1 in %2, erwartet $%3</translation>
    </message>
    <message>
        <source>%1 is excluded</source>
        <translation>%1 ist ausgeschlossen</translation>
    </message>
    <message>
        <source>Enter %1 to %2 numbers</source>
        <translation>Geben Sie %1 bis %2 Zahlen ein</translation>
    </message>
    <message>
        <source>%1 if %2: 1 board</source>
        <translation>%1 bei %2: 1 Feld</translation>
    </message>
    <message>
        <source>%1 if %2: %3 boards</source>
        <translation>%1 bei %2: %3 Felder</translation>
    </message>
    <message>
        <source>If %1 of the %2 numbers drawn are among your %3, at least one board has %4 of them.</source>
        <translation>Wenn %1 der %2 gezogenen Zahlen unter Ihren %3 sind, hat mindestens ein Feld %4 davon.</translation>
    </message>
    <message>
        <source>%1 or more of your %2 numbers are drawn in 1 draw out of %3.</source>
        <translation>%1 oder mehr Ihrer %2 Zahlen werden in 1 von %3 Ziehungen gezogen.</translation>
    </message>
    <message>
        <source>No guarantee fits in %1 boards; use fewer numbers</source>
        <translation>Keine Garantie passt in %1 Felder; nehmen Sie weniger Zahlen</translation>
    </message>
    <message>
        <source>Enter %1 different numbers from 1 to %2, and a bonus ball that is not one of them</source>
        <translation>Geben Sie %1 verschiedene Zahlen von 1 bis %2 ein und eine Zusatzzahl, die keine davon ist</translation>
    </message>
    <message>
        <source>Board %1: no prize</source>
        <translation>Feld %1: kein Gewinn</translation>
    </message>
    <message>
        <source>Board %1: %2, %3</source>
        <translation>Feld %1: %2, %3</translation>
    </message>
    <message>
        <source>No prize on this coupon</source>
        <translation>Kein Gewinn auf diesem Schein</translation>
    </message>
    <message>
        <source>Prizes: %1 on 1 board</source>
        <translation>Gewinne: %1 auf 1 Feld</translation>
    </message>
    <message>
        <source>Prizes: %1 on %2 boards</source>
        <translation>Gewinne: %1 auf %2 Feldern</translation>
    </message>
    <message>
        <source>and %1 more lines; nothing was imported</source>
        <translation>und %1 weitere Zeilen; es wurde nichts importiert</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>No default printer is installed</source>
        <translation>Es ist kein Standarddrucker eingerichtet</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is stopped</source>
        <translation>Der Drucker „%1“ ist angehalten</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; cannot be used</source>
        <translation>Der Drucker „%1“ kann nicht benutzt werden</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the job</source>
        <translation>Der Drucker „%1“ hat den Auftrag nicht angenommen</translation>
    </message>
    <message>
        <source>no reason given</source>
        <translation>ohne Angabe eines Grundes</translation>
    </message>
    <message>
        <source>The printing system refused the job for &quot;%1&quot; (%2)</source>
        <translation>Das Drucksystem hat den Auftrag für „%1“ abgelehnt (%2)</translation>
    </message>
    <message>
        <source>The print job for &quot;%1&quot; ended in an error</source>
        <translation>Der Druckauftrag für „%1“ endete mit einem Fehler</translation>
    </message>
    <message>
        <source>The kept draws could not be read (%1) and were set aside as %2</source>
        <translation>Die gesicherten Ziehungen konnten nicht gelesen werden (%1) und wurden als %2 beiseitegelegt</translation>
    </message>
    <message>
        <source>The kept draws could not be read (%1): %2</source>
        <translation>Die gesicherten Ziehungen konnten nicht gelesen werden (%1): %2</translation>
    </message>
    <message>
        <source>The draws could not be kept: no folder %1</source>
        <translation>Die Ziehungen konnten nicht gesichert werden: kein Ordner %1</translation>
    </message>
    <message>
        <source>The draws could not be kept (%1)</source>
        <translation>Die Ziehungen konnten nicht gesichert werden (%1)</translation>
    </message>
    <message>
        <source>%1 could not be read (%2)</source>
        <translation>%1 konnte nicht gelesen werden (%2)</translation>
    </message>
    <message>
        <source>Please select at least one division</source>
        <translation>Bitte wählen Sie mindestens eine Klasse</translation>
    </message>
    <message>
        <source>Coupon</source>
        <translation>Lottoschein</translation>
    </message>
    <message>
        <source>Number %1</source>
        <translation>Zahl %1</translation>
    </message>
    <message>
        <source>Board %1</source>
        <translation>Feld %1</translation>
    </message>
    <message>
        <source>Board %1, number %2</source>
        <translation>Feld %1, Zahl %2</translation>
    </message>
    <message>
        <source>drawn</source>
        <translation>gezogen</translation>
    </message>
    <message>
        <source>Board %1 %2 bar</source>
        <translation>Feld %1, Balken %2</translation>
    </message>
    <message>
        <source>Board %1 Punch %2</source>
        <translation>Feld %1 Punch %2</translation>
    </message>
    <message>
        <source>Board %1 Spread %2</source>
        <translation>Feld %1 Spread %2</translation>
    </message>
    <message>
        <source>win probability</source>
        <translation>Gewinnchance</translation>
    </message>
    <message>
        <source>odds</source>
        <translation>Quote</translation>
    </message>
    <message>
        <source>return</source>
        <translation>Ertrag</translation>
    </message>
    <message>
        <source>The settings file could not be read and was kept as %1. The default settings are in use.</source>
        <translation>Die Einstellungsdatei konnte nicht gelesen werden und wurde als %1 aufbewahrt. Es gelten die Standardeinstellungen.</translation>
    </message>
    <message>
        <source>Range check error</source>
        <translation>Bereichsüberschreitung</translation>
    </message>
    <message>
        <source>Failed to get data for &apos;%1&apos;</source>
        <translation>Daten für „%1“ konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Ungültiger Datentyp für „%1“</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Daten für „%1“ konnten nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Board:</source>
        <translation>Feld:</translation>
    </message>
    <message>
        <source>Numbers:</source>
        <translation>Zahlen:</translation>
    </message>
    <message>
        <source>Here are your lucky number guessess</source>
        <translation>Hier sind Ihre Glückszahlen</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Preferences: Select the Game Preferences</source>
        <translation>Einstellungen: Das Spiel einstellen</translation>
    </message>
    <message>
        <source>   - Number of Boards: can be set to any number between 4 and 12</source>
        <translation>   - Tippfelder: eine beliebige Zahl von 4 bis 12</translation>
    </message>
    <message>
        <source>   - Number of Cells: the number of cells per board. Can be between 36 and 49</source>
        <translation>   - Zahlen: die Zahlen je Feld, von 36 bis 49</translation>
    </message>
    <message>
        <source>   - Number of Marks: the number of marks per board. Can be set to 5 or 6</source>
        <translation>   - Kreuze je Feld: die Kreuze je Feld, 5 oder 6</translation>
    </message>
    <message>
        <source>  Prize Divisions: Choose the divisions applicable to your lotto game characteristics</source>
        <translation>  Gewinnklassen: Wählen Sie die Gewinnklassen Ihrer Lotterie</translation>
    </message>
    <message>
        <source>  Payments $: Choose the expected amount paid per each division. Use most recent if desired</source>
        <translation>  Gewinn $: Der erwartete Gewinn je Klasse, gern die zuletzt ausgezahlten Beträge</translation>
    </message>
    <message>
        <source>Systems: Select the Systems you would like to play</source>
        <translation>Systeme: Wählen Sie die Systeme, die Sie spielen möchten</translation>
    </message>
    <message>
        <source>  - Play Exclusions System: </source>
        <translation>  - Ausschlusssystem: </translation>
    </message>
    <message>
        <source>If you expect that some numbers will not be drawn then you may explicitly exclude them from the board. </source>
        <translation>Wenn Sie erwarten, dass einige Zahlen nicht gezogen werden, können Sie sie vom Feld ausschließen. </translation>
    </message>
    <message>
        <source>The numbers will be shaded in yellow and will not respond to mouse clicking.</source>
        <translation>Die Zahlen werden gelb hinterlegt und nehmen keine Klicks an.</translation>
    </message>
    <message>
        <source>  - Play Inclusions System:</source>
        <translation>  - Festzahlsystem:</translation>
    </message>
    <message>
        <source>Maybe you feel like expecting some numbers to be drawn. </source>
        <translation>Vielleicht erwarten Sie, dass einige Zahlen gezogen werden. </translation>
    </message>
    <message>
        <source>You may specify them here so that each of them will be marked on the board.</source>
        <translation>Dann geben Sie sie hier an, und jede wird auf jedem Feld angekreuzt.</translation>
    </message>
    <message>
        <source>  - Show Punch Estimation: </source>
        <translation>  - Punch zeigen: </translation>
    </message>
    <message>
        <source>The program provides two statistical coefficients representing some measure of probability </source>
        <translation>Das Programm liefert zwei statistische Kennzahlen als ein Maß dafür, </translation>
    </message>
    <message>
        <source>that a given number combination will be drawn. </source>
        <translation>wie wahrscheinlich eine Zahlenkombination gezogen wird. </translation>
    </message>
    <message>
        <source>The first one called Punch looks at the clustering of the numbers in any region of the board. </source>
        <translation>Die erste, Punch, betrachtet die Häufung der Zahlen in einem Bereich des Feldes. </translation>
    </message>
    <message>
        <source>In most cases one would expect this to be between 80 and 100, certainly above 60.</source>
        <translation>Meist liegt sie zwischen 80 und 100, sicher über 60.</translation>
    </message>
    <message>
        <source>  - Show Spread Estimation: </source>
        <translation>  - Spread zeigen: </translation>
    </message>
    <message>
        <source>The second coefficient looks at the relative positions of the numbers and estimates their </source>
        <translation>Die zweite betrachtet die Lage der Zahlen zueinander und schätzt ihre </translation>
    </message>
    <message>
        <source>standard deviation. If your numbers form a distinctive pattern this number is very small. </source>
        <translation>Standardabweichung. Bilden Ihre Zahlen ein deutliches Muster, ist sie sehr klein. </translation>
    </message>
    <message>
        <source>Again for the real life cases this coefficient should be between 80 and 100, and certainly above 60.</source>
        <translation>Auch sie sollte in der Praxis zwischen 80 und 100 liegen, sicher über 60.</translation>
    </message>
    <message>
        <source>Clear: Removes all marks and calculated values</source>
        <translation>Löschen: Entfernt alle Kreuze und berechneten Werte</translation>
    </message>
    <message>
        <source>Print: Prints the completely filled boards using your default printer</source>
        <translation>Drucken: Druckt die vollen Tippfelder auf dem Standarddrucker</translation>
    </message>
    <message>
        <source>Luck: Allows increasing your luck through an act of charity.</source>
        <translation>Glück: Mehr Glück durch eine gute Tat.</translation>
    </message>
    <message>
        <source>Help: This window</source>
        <translation>Hilfe: Dieses Fenster</translation>
    </message>
    <message>
        <source>About: A note about the author, together with the Internet links to the author’s software sites</source>
        <translation>Info: Ein Wort zum Autor, mit Links zu den Websites seiner Programme</translation>
    </message>
    <message>
        <source>Exit: Closes the program</source>
        <translation>Beenden: Schließt das Programm</translation>
    </message>
    <message>
        <source>Each board is supplemented with the graphical representation of the Punch and Spread </source>
        <translation>Zu jedem Feld zeigen Balken die Werte von Punch und Spread </translation>
    </message>
    <message>
        <source>values for the current selection of the numbers. </source>
        <translation>für die gewählten Zahlen. </translation>
    </message>
    <message>
        <source>The values are also printed in the central part of the screen.</source>
        <translation>Die Werte stehen auch in der Mitte des Fensters.</translation>
    </message>
    <message>
        <source>At the lower part of the screen the values of winning probabilities, </source>
        <translation>Im unteren Teil des Fensters stehen die Gewinnwahrscheinlichkeiten, </translation>
    </message>
    <message>
        <source>odds and expected financial returns are displayed. </source>
        <translation>Quoten und erwarteten Erträge. </translation>
    </message>
    <message>
        <source>The dollar amounts are calculated by multiplying the probability of winning </source>
        <translation>Die Dollarbeträge sind die Gewinnwahrscheinlichkeit </translation>
    </message>
    <message>
        <source>by the expected prize value. If you play over a very long period of time </source>
        <translation>mal dem erwarteten Gewinn. Wenn Sie sehr lange spielen, </translation>
    </message>
    <message>
        <source>this is what the average return would be. </source>
        <translation>ist das Ihr durchschnittlicher Ertrag. </translation>
    </message>
    <message>
        <source>Draw: Quick pick and the check of a draw (Ctrl+D)</source>
        <translation>Ziehung: Quicktipp und Prüfen einer Ziehung (Strg+D)</translation>
    </message>
    <message>
        <source>  Fill Boards completes every board that is not full with numbers picked at random; the marks already </source>
        <translation>  Auffüllen ergänzt jedes nicht volle Feld mit zufällig gewählten Zahlen; die Kreuze, die schon </translation>
    </message>
    <message>
        <source>on a board stay. Enter the main numbers and the bonus ball of a draw and press Check: the prize of each </source>
        <translation>auf einem Feld stehen, bleiben. Geben Sie die Gewinnzahlen und die Zusatzzahl einer Ziehung ein und drücken Sie Prüfen: </translation>
    </message>
    <message>
        <source>full board is listed, and the drawn numbers are ringed on the coupon.</source>
        <translation>der Gewinn jedes vollen Feldes wird aufgeführt, und die gezogenen Zahlen werden auf dem Schein eingekreist.</translation>
    </message>
    <message>
        <source>Past Draws: The past draws of your lottery (Ctrl+H, or Past Draws in the Draw window)</source>
        <translation>Archiv: Die früheren Ziehungen Ihrer Lotterie (Strg+H, oder Archiv im Ziehungsfenster)</translation>
    </message>
    <message>
        <source>  Import the results file of your lottery, or Paste a table of results copied from its web page. </source>
        <translation>  Importieren Sie die Ergebnisdatei Ihrer Lotterie, oder fügen Sie eine Ergebnistabelle von ihrer Website ein. </translation>
    </message>
    <message>
        <source>The full boards are checked against every draw, beside what they would win on average in as many fair draws, </source>
        <translation>Die vollen Felder werden mit jeder Ziehung geprüft, neben dem, was sie im Mittel in ebenso vielen fairen Ziehungen gewännen, </translation>
    </message>
    <message>
        <source>and a chart shows how often each number was drawn. Double click a draw to check it in the Draw window. </source>
        <translation>und ein Diagramm zeigt, wie oft jede Zahl gezogen wurde. Ein Doppelklick auf eine Ziehung prüft sie im Ziehungsfenster. </translation>
    </message>
    <message>
        <source>Past draws do not tell the next one: in a fair draw every number is as likely as any other.</source>
        <translation>Frühere Ziehungen sagen nichts über die nächste: bei einer fairen Ziehung ist jede Zahl gleich wahrscheinlich.</translation>
    </message>
    <message>
        <source>Wheel: Your own numbers spread over the boards (Wheel... in the Draw window)</source>
        <translation>Systemspiel: Ihre eigenen Zahlen über die Felder verteilt (System... im Ziehungsfenster)</translation>
    </message>
    <message>
        <source>  Type more numbers than a board holds, up to 20, and choose a guarantee such as 3 if 4: whenever 4 of the numbers drawn are among yours, </source>
        <translation>  Geben Sie mehr Zahlen ein, als ein Feld fasst, bis zu 20, und wählen Sie eine Garantie wie 3 bei 4: sind 4 der gezogenen Zahlen unter Ihren, </translation>
    </message>
    <message>
        <source>at least one board has 3 of them. Every wheel offered is proven, and uses as few boards as we could find. </source>
        <translation>hat mindestens ein Feld 3 davon. Jedes angebotene System ist bewiesen und braucht so wenige Felder, wie wir finden konnten. </translation>
    </message>
    <message>
        <source>The table shows what the wheel does in every draw; Fill marks its boards, and the results below the coupon </source>
        <translation>Die Tabelle zeigt, was das System in jeder Ziehung leistet; Ausfüllen kreuzt seine Felder an, und die Ergebnisse unter dem Schein </translation>
    </message>
    <message>
        <source>show what they are worth. A wheel does not raise your chance of a prize, it only shares it out.</source>
        <translation>zeigen, was sie wert sind. Ein System erhöht Ihre Gewinnchance nicht, es verteilt sie nur.</translation>
    </message>
    <message>
        <source>Preferences:</source>
        <translation>Einstellungen:</translation>
    </message>
    <message>
        <source>Systems:</source>
        <translation>Systeme:</translation>
    </message>
    <message>
        <source>Clear:</source>
        <translation>Löschen:</translation>
    </message>
    <message>
        <source>Print:</source>
        <translation>Drucken:</translation>
    </message>
    <message>
        <source>Luck:</source>
        <translation>Glück:</translation>
    </message>
    <message>
        <source>Help:</source>
        <translation>Hilfe:</translation>
    </message>
    <message>
        <source>About:</source>
        <translation>Info:</translation>
    </message>
    <message>
        <source>Exit:</source>
        <translation>Beenden:</translation>
    </message>
    <message>
        <source>Draw:</source>
        <translation>Ziehung:</translation>
    </message>
    <message>
        <source>Past Draws:</source>
        <translation>Archiv:</translation>
    </message>
    <message>
        <source>Wheel:</source>
        <translation>Systemspiel:</translation>
    </message>
    <message>
        <source>Number of Boards:</source>
        <translation>Tippfelder:</translation>
    </message>
    <message>
        <source>Number of Cells:</source>
        <translation>Zahlen:</translation>
    </message>
    <message>
        <source>Number of Marks:</source>
        <translation>Kreuze je Feld:</translation>
    </message>
    <message>
        <source>Payments $:</source>
        <translation>Gewinn $:</translation>
    </message>
    <message>
        <source>Prize Divisions:</source>
        <translation>Gewinnklassen:</translation>
    </message>
    <message>
        <source>Play Exclusions System:</source>
        <translation>Ausschlusssystem:</translation>
    </message>
    <message>
        <source>Play Inclusions System:</source>
        <translation>Festzahlsystem:</translation>
    </message>
    <message>
        <source>Show Punch Estimation:</source>
        <translation>Punch zeigen:</translation>
    </message>
    <message>
        <source>Show Spread Estimation:</source>
        <translation>Spread zeigen:</translation>
    </message>
    <message>
        <source>Punch and Spread</source>
        <translation>Punch und Spread</translation>
    </message>
</context>
<context>
    <name>Luck</name>
    <message>
        <source>Increase your luck!</source>
        <translation>Mehr Glück!</translation>
    </message>
    <message>
        <source>It is very well to use Systems, </source>
        <translation>Systeme sind gut und schön, </translation>
    </message>
    <message>
        <source>and advanced Statistical Calculations</source>
        <translation>ebenso statistische Berechnungen</translation>
    </message>
    <message>
        <source>To win, however, you also need some luck</source>
        <translation>Zum Gewinnen braucht es aber auch Glück</translation>
    </message>
    <message>
        <source>There is only one way to increase you luck, </source>
        <translation>Es gibt nur einen Weg zu mehr Glück, </translation>
    </message>
    <message>
        <source>and this is through donations</source>
        <translation>und das ist eine Spende</translation>
    </message>
    <message>
        <source>Give donation to the software author,</source>
        <translation>Spenden Sie dem Autor des Programms</translation>
    </message>
    <message>
        <source>and increase your chances of winning</source>
        <translation>und erhöhen Sie Ihre Gewinnchancen</translation>
    </message>
</context>
<context>
    <name>TMaskedNumberEdit</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>E&amp;infügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
</context>
<context>
    <name>TResultsPanel</name>
    <message>
        <source>Division %1</source>
        <translation>Klasse %1</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Win Probability</source>
        <translation>Gewinnchance</translation>
    </message>
    <message>
        <source>Odds</source>
        <translation>Quote</translation>
    </message>
    <message>
        <source>Returns $</source>
        <translation>Ertrag $</translation>
    </message>
    <message>
        <source>Totals: </source>
        <translation>Summe: </translation>
    </message>
</context>
<context>
    <name>TTombolixForm</name>
    <message>
        <source>Please fill at least one of the boards</source>
        <translation>Bitte füllen Sie mindestens ein Tippfeld aus</translation>
    </message>
    <message>
        <source>Printing the selected numbers...</source>
        <translation>Die gewählten Zahlen werden gedruckt...</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Alles sichern</translation>
    </message>
    <message>
        <source>Every board is already full</source>
        <translation>Alle Tippfelder sind schon voll</translation>
    </message>
    <message>
        <source>Turn the inclusions system off to play a wheel</source>
        <translation>Schalten Sie das Festzahlsystem aus, um ein System zu spielen</translation>
    </message>
    <message>
        <source>The coupon could not be kept for the next start (%1)</source>
        <translation>Der Schein konnte nicht für den nächsten Start gesichert werden (%1)</translation>
    </message>
</context>
</TS>
