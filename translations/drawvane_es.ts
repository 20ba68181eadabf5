<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>About</name>
    <message>
        <source>Program Name: Drawvane</source>
        <translation>Programa: Drawvane</translation>
    </message>
    <message>
        <source>Author: The Drawvane developers</source>
        <translation>Autor: Los desarrolladores de Drawvane</translation>
    </message>
    <message>
        <source>Contact E-Mail: drawvane@example.org</source>
        <translation>Contacto: drawvane@example.org</translation>
    </message>
    <message>
        <source>Purpose: Drawvane is an implementation of statistical analysis of random number distributions as relevant to the </source>
        <translation>Propósito: Drawvane aplica el análisis estadístico de las distribuciones de números aleatorios a los </translation>
    </message>
    <message>
        <source>Lotto games. The program evaluates the numbers selected by the player to determine their relative randomness. In </source>
        <translation>juegos de lotería. El programa evalúa los números elegidos por el jugador para medir lo aleatorios que son. </translation>
    </message>
    <message>
        <source>this way the program attempts to inform the player about the level of correlation among the numbers chosen.</source>
        <translation>Así el programa informa al jugador de la correlación entre los números elegidos.</translation>
    </message>
    <message>
        <source>If the numbers selected represent some definite pattern the two coefficients (Punch and Spread) decrease in value. </source>
        <translation>Si los números elegidos forman un patrón claro, los dos coeficientes (Punch y Spread) bajan. </translation>
    </message>
    <message>
        <source>This means that the numbers are not truly random and have smaller probability of being drawn. </source>
        <translation>Eso significa que los números no son realmente aleatorios y tienen menos probabilidad de salir. </translation>
    </message>
    <message>
        <source>The Punch and Spread coefficients vary between 0 and 100. The bigger the coefficient’s value the more likely it is </source>
        <translation>Punch y Spread van de 0 a 100. Cuanto mayor es el valor, más probable es </translation>
    </message>
    <message>
        <source>that the selected number combination is going to be drawn.</source>
        <translation>que salga la combinación elegida.</translation>
    </message>
    <message>
        <source>The Drawvane developers write small programs about probability and games of chance.</source>
        <translation>Los desarrolladores de Drawvane escriben pequeños programas sobre probabilidad y juegos de azar.</translation>
    </message>
    <message>
        <source>You may also like Veilmark, their other program: download it from its website below.</source>
        <translation>Quizá le guste también Veilmark, su otro programa: descárguelo de su web, más abajo.</translation>
    </message>
    <message>
        <source>Program Name:</source>
        <translation>Programa:</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Autor:</translation>
    </message>
    <message>
        <source>Contact E-Mail:</source>
        <translation>Contacto:</translation>
    </message>
    <message>
        <source>Purpose:</source>
        <translation>Propósito:</translation>
    </message>
    <message>
        <source>The Drawvane developers</source>
        <translation>Los desarrolladores de Drawvane</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A lottery coupon that shows the chance of winning each prize division.</source>
        <extracomment>Note for translators: Drawvane is a desktop program for players of lotteries that draw six numbers and a bonus ball from 36 to 49 (Mark Six, Lotto 6 aus 45, La Primitiva, Lotto 6/45). Use the words your lottery&apos;s players know, such as its name for the bonus ball. Do not translate the names of controls, settings or files, nor &quot;Drawvane&quot;, &quot;Punch&quot; and &quot;Spread&quot;. Keep each text about as long as the English: the windows have fixed layouts.</extracomment>
        <translation>Un boleto de lotería que muestra la probabilidad de ganar cada categoría de premio.</translation>
    </message>
    <message>
        <source>Speak &lt;language&gt; (%1) in this run, instead of the desktop&apos;s language.</source>
        <translation>Hablar &lt;language&gt; (%1) en esta ejecución, en lugar del idioma del escritorio.</translation>
    </message>
    <message>
        <source>language</source>
        <translation>idioma</translation>
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
        <translation>Opciones</translation>
    </message>
    <message>
        <source>|Show Program options</source>
        <translation>|Mostrar las opciones del programa</translation>
    </message>
    <message>
        <source>Systems</source>
        <translation>Sistemas</translation>
    </message>
    <message>
        <source>|Show Systems Window</source>
        <translation>|Mostrar la ventana de sistemas</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>|Clear all marks and calculations</source>
        <translation>|Borrar todas las marcas y los cálculos</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>|Print filled boards</source>
        <translation>|Imprimir los bloques completos</translation>
    </message>
    <message>
        <source>Luck</source>
        <translation>Suerte</translation>
    </message>
    <message>
        <source>|Increas you winning chances</source>
        <translation>|Aumentar sus posibilidades de ganar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>|Program usage and explanation</source>
        <translation>|Uso y explicación del programa</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca</translation>
    </message>
    <message>
        <source>|Contact the Author and read about his other programs</source>
        <translation>|Contactar al autor y conocer sus otros programas</translation>
    </message>
    <message>
        <source>|A note about the author and his other programs</source>
        <translation>|Una nota sobre el autor y sus otros programas</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Sorteo</translation>
    </message>
    <message>
        <source>|Quick pick and check the draw</source>
        <translation>|Apuesta automática y comprobación del sorteo</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>|Close window and Exit program</source>
        <translation>|Cerrar la ventana y salir del programa</translation>
    </message>
    <message>
        <source>Past Draws</source>
        <translation>Sorteos anteriores</translation>
    </message>
    <message>
        <source>|Past draws of your lottery</source>
        <translation>|Los sorteos anteriores de su lotería</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>|Calculate Probabilities and related data</source>
        <translation>|Calcular las probabilidades y los datos relacionados</translation>
    </message>
    <message>
        <source>Drawvane About</source>
        <translation>Drawvane Acerca de</translation>
    </message>
    <message>
        <source>Visit Drawvane&apos;s Website</source>
        <translation>Web de Drawvane</translation>
    </message>
    <message>
        <source>Visit Veilmark&apos;s Website</source>
        <translation>Web de Veilmark</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>About text</source>
        <translation>Texto Acerca de</translation>
    </message>
    <message>
        <source>Drawvane Draw</source>
        <translation>Drawvane Sorteo</translation>
    </message>
    <message>
        <source>Quick Pick</source>
        <translation>Automática</translation>
    </message>
    <message>
        <source>Fill Boards</source>
        <translation>Rellenar</translation>
    </message>
    <message>
        <source>Wheel...</source>
        <translation>Sistema...</translation>
    </message>
    <message>
        <source>The Draw</source>
        <translation>El sorteo</translation>
    </message>
    <message>
        <source>Main numbers</source>
        <translation>Números</translation>
    </message>
    <message>
        <source>Main number %1</source>
        <translation>Número %1</translation>
    </message>
    <message>
        <source>Bonus ball</source>
        <translation>Complementario</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Comprobar</translation>
    </message>
    <message>
        <source>Clear Draw</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Draw results</source>
        <translation>Resultados del sorteo</translation>
    </message>
    <message>
        <source>How often each number was drawn</source>
        <translation>Frecuencia de cada número</translation>
    </message>
    <message>
        <source>Fair draw</source>
        <translation>Sorteo justo</translation>
    </message>
    <message>
        <source>95 % band</source>
        <translation>Banda del 95 %</translation>
    </message>
    <message>
        <source>%1: %2 and %3 as bonus ball</source>
        <translation>%1: %2 y %3 como complementario</translation>
    </message>
    <message>
        <source>Expected for each number in a fair draw: %1, between %2 and %3 in 95 draws of 100. </source>
        <translation>Esperado para cada número en un sorteo justo: %1, entre %2 y %3 en 95 de cada 100 casos. </translation>
    </message>
    <message>
        <source>Drawvane Help</source>
        <translation>Drawvane Ayuda</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texto de ayuda</translation>
    </message>
    <message>
        <source>Drawvane History</source>
        <translation>Drawvane Historial</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importar...</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Vaciar</translation>
    </message>
    <message>
        <source>Past draws</source>
        <translation>Sorteos anteriores</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Results over the past draws</source>
        <translation>Resultados en los sorteos anteriores</translation>
    </message>
    <message>
        <source>These are counts of past draws. In a fair draw every number is as likely as any other, whatever came before: no count tells the next draw.</source>
        <translation>Son recuentos de sorteos anteriores. En un sorteo justo cada número es tan probable como cualquier otro, salga lo que salga antes: ningún recuento anuncia el próximo sorteo.</translation>
    </message>
    <message>
        <source>Nothing was imported</source>
        <translation>No se importó nada</translation>
    </message>
    <message>
        <source>Import Past Draws</source>
        <translation>Importar sorteos anteriores</translation>
    </message>
    <message>
        <source>Draws (*.csv *.txt);;All files (*)</source>
        <translation>Sorteos (*.csv *.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Clear all %1 past draws of this game?</source>
        <translation>¿Borrar los %1 sorteos anteriores de este juego?</translation>
    </message>
    <message>
        <source>Drawvane Luck</source>
        <translation>Drawvane Suerte</translation>
    </message>
    <message>
        <source>Amount in USD</source>
        <translation>Importe en USD</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Donar</translation>
    </message>
    <message>
        <source>Donation amount</source>
        <translation>Importe de la donación</translation>
    </message>
    <message>
        <source>Appeal text</source>
        <translation>Texto del llamamiento</translation>
    </message>
    <message>
        <source>Drawvane Message</source>
        <translation>Drawvane Mensaje</translation>
    </message>
    <message>
        <source>Division one</source>
        <translation>1.ª categoría</translation>
    </message>
    <message>
        <source>Division two</source>
        <translation>2.ª categoría</translation>
    </message>
    <message>
        <source>Division three</source>
        <translation>3.ª categoría</translation>
    </message>
    <message>
        <source>Division four</source>
        <translation>4.ª categoría</translation>
    </message>
    <message>
        <source>Division five</source>
        <translation>5.ª categoría</translation>
    </message>
    <message>
        <source>Division six</source>
        <translation>6.ª categoría</translation>
    </message>
    <message>
        <source>Division seven</source>
        <translation>7.ª categoría</translation>
    </message>
    <message>
        <source>5 + bonus ball</source>
        <translation>5 + complementario</translation>
    </message>
    <message>
        <source>4 + bonus ball</source>
        <translation>4 + complementario</translation>
    </message>
    <message>
        <source>3 + bonus ball</source>
        <translation>3 + complementario</translation>
    </message>
    <message>
        <source>Drawvane Preferences</source>
        <translation>Drawvane Preferencias</translation>
    </message>
    <message>
        <source>Coupon Preferences</source>
        <translation>El boleto</translation>
    </message>
    <message>
        <source>Number of Boards:</source>
        <translation>Bloques:</translation>
    </message>
    <message>
        <source>Number of Boards</source>
        <translation>Bloques</translation>
    </message>
    <message>
        <source>Number of Cells:</source>
        <translation>Números:</translation>
    </message>
    <message>
        <source>Number of Cells</source>
        <translation>Números</translation>
    </message>
    <message>
        <source>Number of Marks</source>
        <translation>Marcas por bloque</translation>
    </message>
    <message>
        <source>5 balls</source>
        <translation>5 bolas</translation>
    </message>
    <message>
        <source>6 balls</source>
        <translation>6 bolas</translation>
    </message>
    <message>
        <source>Prize Divisions</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>Winning Numbers</source>
        <translation>Aciertos</translation>
    </message>
    <message>
        <source>Payments $</source>
        <translation>Premio $</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anular</translation>
    </message>
    <message>
        <source>Division %1</source>
        <translation>Categoría %1</translation>
    </message>
    <message>
        <source>Division %1 payment</source>
        <translation>Premio de la categoría %1</translation>
    </message>
    <message>
        <source>Exclude some numbers|Assume that some numbers would not be drawn</source>
        <translation>Excluir números|Suponer que algunos números no saldrán</translation>
    </message>
    <message>
        <source>Include some numbers|Assume some numbers to be certain</source>
        <translation>Incluir números|Suponer que algunos números son seguros</translation>
    </message>
    <message>
        <source>Close|Close Systems Window</source>
        <translation>Cerrar|Cerrar la ventana de sistemas</translation>
    </message>
    <message>
        <source>Drawvane Systems</source>
        <translation>Drawvane Sistemas</translation>
    </message>
    <message>
        <source>Play Exclusions System</source>
        <translation>Sistema de exclusión</translation>
    </message>
    <message>
        <source>I expect that none of these numbers would be drawn</source>
        <translation>Espero que ninguno de estos números salga</translation>
    </message>
    <message>
        <source>Exclusion %1</source>
        <translation>Exclusión %1</translation>
    </message>
    <message>
        <source>Play Inclusions System</source>
        <translation>Sistema de inclusión</translation>
    </message>
    <message>
        <source>I expect these numbers to be drawn</source>
        <translation>Espero que estos números salgan</translation>
    </message>
    <message>
        <source>Inclusion %1</source>
        <translation>Inclusión %1</translation>
    </message>
    <message>
        <source>Show Punch Estimation</source>
        <translation>Mostrar Punch</translation>
    </message>
    <message>
        <source>Show Spread Estimation</source>
        <translation>Mostrar Spread</translation>
    </message>
    <message>
        <source>Drawvane Wheel</source>
        <translation>Drawvane Sistema</translation>
    </message>
    <message>
        <source>Your numbers</source>
        <translation>Sus números</translation>
    </message>
    <message>
        <source>Guarantee</source>
        <translation>Garantía</translation>
    </message>
    <message>
        <source>In every draw: how many of yours are drawn, and the best board&apos;s match</source>
        <translation>En cada sorteo: cuántos de sus números salen, y los aciertos del mejor bloque</translation>
    </message>
    <message>
        <source>Coverage of the draws</source>
        <translation>Cobertura de los sorteos</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Rellenar</translation>
    </message>
    <message>
        <source>Type from %1 to %2 numbers.</source>
        <translation>Escriba de %1 a %2 números.</translation>
    </message>
    <message>
        <source>Yours drawn</source>
        <translation>Suyos</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Probabilidad</translation>
    </message>
    <message>
        <source>Best has %1</source>
        <translation>Mejor %1</translation>
    </message>
    <message>
        <source>Turn the inclusions system off to play a wheel</source>
        <translation>Desactive el sistema de inclusión para jugar un sistema</translation>
    </message>
    <message>
        <source>The wheel&apos;s boards take the place of the marks on the coupon. Go on?</source>
        <translation>Los bloques del sistema sustituyen a las marcas del boleto. ¿Continuar?</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>the About window&apos;s narrower button</comment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Bonus ball</source>
        <comment>above its field in the Draw window</comment>
        <translation>Compl.</translation>
    </message>
    <message>
        <source>%1 is not a calendar date</source>
        <translation>%1 no es una fecha del calendario</translation>
    </message>
    <message>
        <source>%1 is not a number from 1 to %2</source>
        <translation>%1 no es un número del 1 al %2</translation>
    </message>
    <message>
        <source>%1 appears twice</source>
        <translation>%1 aparece dos veces</translation>
    </message>
    <message>
        <source>1 number, %1 needed</source>
        <translation>1 número, se necesitan %1</translation>
    </message>
    <message>
        <source>%1 numbers, %2 needed</source>
        <translation>%1 números, se necesitan %2</translation>
    </message>
    <message>
        <source>The file is not a text file</source>
        <translation>El archivo no es un archivo de texto</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Línea %1: %2</translation>
    </message>
    <message>
        <source>The file holds no draws</source>
        <translation>El archivo no contiene sorteos</translation>
    </message>
    <message>
        <source>Fair draw test: no draws yet</source>
        <translation>Prueba de sorteo justo: aún no hay sorteos</translation>
    </message>
    <message>
        <source>Fair draw test: chi-square %1 on %2 degrees of freedom, p &lt; 0.01, unlikely under a fair draw</source>
        <translation>Prueba de sorteo justo: chi cuadrado %1 con %2 grados de libertad, p &lt; 0,01, improbable en un sorteo justo</translation>
    </message>
    <message>
        <source>Fair draw test: chi-square %1 on %2 degrees of freedom, p = %3, consistent with a fair draw</source>
        <translation>Prueba de sorteo justo: chi cuadrado %1 con %2 grados de libertad, p = %3, compatible con un sorteo justo</translation>
    </message>
    <message>
        <source>1 draw</source>
        <translation>1 sorteo</translation>
    </message>
    <message>
        <source>%1 draws</source>
        <translation>%1 sorteos</translation>
    </message>
    <message>
        <source>Fill at least one board to check it against these draws</source>
        <translation>Rellene al menos un bloque para comprobarlo con estos sorteos</translation>
    </message>
    <message>
        <source>Draws: %1, from %2 to %3</source>
        <translation>Sorteos: %1, del %2 al %3</translation>
    </message>
    <message>
        <source>Draws: %1</source>
        <translation>Sorteos: %1</translation>
    </message>
    <message>
        <source>%1: won in %2, expected %3</source>
        <translation>%1: ganado en %2, esperado %3</translation>
    </message>
    <message>
        <source>Prizes: $%1 over %2, expected $%3</source>
        <translation>Premios: %1 $ en %2, esperado %3 $</translation>
    </message>
    <message>
        <source>%1 is excluded</source>
        <translation>%1 está excluido</translation>
    </message>
    <message>
        <source>Enter %1 to %2 numbers</source>
        <translation>Introduzca de %1 a %2 números</translation>
    </message>
    <message>
        <source>%1 if %2: 1 board</source>
        <translation>%1 si %2: 1 bloque</translation>
    </message>
    <message>
        <source>%1 if %2: %3 boards</source>
        <translation>%1 si %2: %3 bloques</translation>
    </message>
    <message>
        <source>If %1 of the %2 numbers drawn are among your %3, at least one board has %4 of them.</source>
        <translation>Si %1 de los %2 números sorteados están entre sus %3, al menos un bloque tiene %4 de ellos.</translation>
    </message>
    <message>
        <source>%1 or more of your %2 numbers are drawn in 1 draw out of %3.</source>
        <translation>%1 o más de sus %2 números salen en 1 de cada %3 sorteos.</translation>
    </message>
    <message>
        <source>No guarantee fits in %1 boards; use fewer numbers</source>
        <translation>Ninguna garantía cabe en %1 bloques; use menos números</translation>
    </message>
    <message>
        <source>Enter %1 different numbers from 1 to %2, and a bonus ball that is not one of them</source>
        <translation>Introduzca %1 números distintos del 1 al %2, y un complementario que no sea ninguno de ellos</translation>
    </message>
    <message>
        <source>Board %1: no prize</source>
        <translation>Bloque %1: sin premio</translation>
    </message>
    <message>
        <source>Board %1: %2, %3</source>
        <translation>Bloque %1: %2, %3</translation>
    </message>
    <message>
        <source>No prize on this coupon</source>
        <translation>Ningún premio en este boleto</translation>
    </message>
    <message>
        <source>Prizes: %1 on 1 board</source>
        <translation>Premios: %1 en 1 bloque</translation>
    </message>
    <message>
        <source>Prizes: %1 on %2 boards</source>
        <translation>Premios: %1 en %2 bloques</translation>
    </message>
    <message>
        <source>and %1 more lines; nothing was imported</source>
        <translation>y %1 líneas más; no se importó nada</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
    <message>
        <source>No default printer is installed</source>
        <translation>No hay ninguna impresora predeterminada</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is stopped</source>
        <translation>La impresora «%1» está detenida</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; cannot be used</source>
        <translation>No se puede usar la impresora «%1»</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the job</source>
        <translation>La impresora «%1» no aceptó el trabajo</translation>
    </message>
    <message>
        <source>no reason given</source>
        <translation>sin motivo indicado</translation>
    </message>
    <message>
        <source>The printing system refused the job for &quot;%1&quot; (%2)</source>
        <translation>El sistema de impresión rechazó el trabajo para «%1» (%2)</translation>
    </message>
    <message>
        <source>The print job for &quot;%1&quot; ended in an error</source>
        <translation>El trabajo de impresión para «%1» terminó con un error</translation>
    </message>
    <message>
        <source>The kept draws could not be read (%1) and were set aside as %2</source>
        <translation>No se pudieron leer los sorteos guardados (%1) y se apartaron como %2</translation>
    </message>
    <message>
        <source>The kept draws could not be read (%1): %2</source>
        <translation>No se pudieron leer los sorteos guardados (%1): %2</translation>
    </message>
    <message>
        <source>The draws could not be kept: no folder %1</source>
        <translation>No se pudieron guardar los sorteos: no hay carpeta %1</translation>
    </message>
    <message>
        <source>The draws could not be kept (%1)</source>
        <translation>No se pudieron guardar los sorteos (%1)</translation>
    </message>
    <message>
        <source>%1 could not be read (%2)</source>
        <translation>No se pudo leer %1 (%2)</translation>
    </message>
    <message>
        <source>Please select at least one division</source>
        <translation>Elija al menos una categoría</translation>
    </message>
    <message>
        <source>Coupon</source>
        <translation>Boleto</translation>
    </message>
    <message>
        <source>Number %1</source>
        <translation>Número %1</translation>
    </message>
    <message>
        <source>Board %1</source>
        <translation>Bloque %1</translation>
    </message>
    <message>
        <source>Board %1, number %2</source>
        <translation>Bloque %1, número %2</translation>
    </message>
    <message>
        <source>drawn</source>
        <translation>sorteado</translation>
    </message>
    <message>
        <source>Board %1 %2 bar</source>
        <translation>Bloque %1, barra %2</translation>
    </message>
    <message>
        <source>Board %1 Punch %2</source>
        <translation>Bloque %1 Punch %2</translation>
    </message>
    <message>
        <source>Board %1 Spread %2</source>
        <translation>Bloque %1 Spread %2</translation>
    </message>
    <message>
        <source>win probability</source>
        <translation>probabilidad</translation>
    </message>
    <message>
        <source>odds</source>
        <translation>cuota</translation>
    </message>
    <message>
        <source>return</source>
        <translation>retorno</translation>
    </message>
    <message>
        <source>The settings file could not be read and was kept as %1. The default settings are in use.</source>
        <translation>No se pudo leer el archivo de ajustes y se guardó como %1. Se usan los ajustes predeterminados.</translation>
    </message>
    <message>
        <source>Range check error</source>
        <translation>Error de comprobación de rango</translation>
    </message>
    <message>
        <source>Failed to get data for &apos;%1&apos;</source>
        <translation>No se pudieron leer los datos de «%1»</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Tipo de datos no válido para «%1»</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>No se pudieron escribir los datos de «%1»</translation>
    </message>
    <message>
        <source>Board:</source>
        <translation>Bloque:</translation>
    </message>
    <message>
        <source>Numbers:</source>
        <translation>Números:</translation>
    </message>
    <message>
        <source>Here are your lucky number guessess</source>
        <translation>Aquí están sus números de la suerte</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Preferences: Select the Game Preferences</source>
        <translation>Preferencias: elegir los ajustes del juego</translation>
    </message>
    <message>
        <source>   - Number of Boards: can be set to any number between 4 and 12</source>
        <translation>   - Bloques: cualquier número entre 4 y 12</translation>
    </message>
    <message>
        <source>   - Number of Cells: the number of cells per board. Can be between 36 and 49</source>
        <translation>   - Números: los números de cada bloque, entre 36 y 49</translation>
    </message>
    <message>
        <source>   - Number of Marks: the number of marks per board. Can be set to 5 or 6</source>
        <translation>   - Marcas por bloque: las marcas de cada bloque, 5 o 6</translation>
    </message>
    <message>
        <source>  Prize Divisions: Choose the divisions applicable to your lotto game characteristics</source>
        <translation>  Categorías: elija las categorías de premio de su lotería</translation>
    </message>
    <message>
        <source>  Payments $: Choose the expected amount paid per each division. Use most recent if desired</source>
        <translation>  Premio $: el premio esperado en cada categoría; puede usar los más recientes</translation>
    </message>
    <message>
        <source>Systems: Select the Systems you would like to play</source>
        <translation>Sistemas: elija los sistemas que quiere jugar</translation>
    </message>
    <message>
        <source>  - Play Exclusions System: </source>
        <translation>  - Sistema de exclusión: </translation>
    </message>
    <message>
        <source>If you expect that some numbers will not be drawn then you may explicitly exclude them from the board. </source>
        <translation>Si cree que algunos números no saldrán, puede excluirlos del bloque. </translation>
    </message>
    <message>
        <source>The numbers will be shaded in yellow and will not respond to mouse clicking.</source>
        <translation>Los números aparecen sombreados en amarillo y no responden a los clics.</translation>
    </message>
    <message>
        <source>  - Play Inclusions System:</source>
        <translation>  - Sistema de inclusión:</translation>
    </message>
    <message>
        <source>Maybe you feel like expecting some numbers to be drawn. </source>
        <translation>Quizá espere que algunos números salgan. </translation>
    </message>
    <message>
        <source>You may specify them here so that each of them will be marked on the board.</source>
        <translation>Indíquelos aquí y cada uno quedará marcado en los bloques.</translation>
    </message>
    <message>
        <source>  - Show Punch Estimation: </source>
        <translation>  - Mostrar Punch: </translation>
    </message>
    <message>
        <source>The program provides two statistical coefficients representing some measure of probability </source>
        <translation>El programa ofrece dos coeficientes estadísticos que miden en cierto modo la probabilidad </translation>
    </message>
    <message>
        <source>that a given number combination will be drawn. </source>
        <translation>de que salga una combinación de números. </translation>
    </message>
    <message>
        <source>The first one called Punch looks at the clustering of the numbers in any region of the board. </source>
        <translation>El primero, Punch, observa la agrupación de los números en una zona del bloque. </translation>
    </message>
    <message>
        <source>In most cases one would expect this to be between 80 and 100, certainly above 60.</source>
        <translation>En la mayoría de los casos está entre 80 y 100, y sin duda por encima de 60.</translation>
    </message>
    <message>
        <source>  - Show Spread Estimation: </source>
        <translation>  - Mostrar Spread: </translation>
    </message>
    <message>
        <source>The second coefficient looks at the relative positions of the numbers and estimates their </source>
        <translation>El segundo observa la posición relativa de los números y estima su </translation>
    </message>
    <message>
        <source>standard deviation. If your numbers form a distinctive pattern this number is very small. </source>
        <translation>desviación típica. Si sus números forman un patrón marcado, este valor es muy pequeño. </translation>
    </message>
    <message>
        <source>Again for the real life cases this coefficient should be between 80 and 100, and certainly above 60.</source>
        <translation>También en los casos reales debería estar entre 80 y 100, y sin duda por encima de 60.</translation>
    </message>
    <message>
        <source>Clear: Removes all marks and calculated values</source>
        <translation>Borrar: quita todas las marcas y los valores calculados</translation>
    </message>
    <message>
        <source>Print: Prints the completely filled boards using your default printer</source>
        <translation>Imprimir: imprime los bloques completos en la impresora predeterminada</translation>
    </message>
    <message>
        <source>Luck: Allows increasing your luck through an act of charity.</source>
        <translation>Suerte: aumente su suerte con un acto de generosidad.</translation>
    </message>
    <message>
        <source>Help: This window</source>
        <translation>Ayuda: esta ventana</translation>
    </message>
    <message>
        <source>About: A note about the author, together with the Internet links to the author’s software sites</source>
        <translation>Acerca de: una nota sobre el autor, con los enlaces a los sitios de sus programas</translation>
    </message>
    <message>
        <source>Exit: Closes the program</source>
        <translation>Salir: cierra el programa</translation>
    </message>
    <message>
        <source>Each board is supplemented with the graphical representation of the Punch and Spread </source>
        <translation>Cada bloque va acompañado de una representación gráfica de los valores Punch y Spread </translation>
    </message>
    <message>
        <source>values for the current selection of the numbers. </source>
        <translation>de los números elegidos. </translation>
    </message>
    <message>
        <source>The values are also printed in the central part of the screen.</source>
        <translation>Los valores también aparecen en la parte central de la pantalla.</translation>
    </message>
    <message>
        <source>At the lower part of the screen the values of winning probabilities, </source>
        <translation>En la parte inferior de la pantalla se muestran las probabilidades de ganar, </translation>
    </message>
    <message>
        <source>odds and expected financial returns are displayed. </source>
        <translation>las cuotas y los rendimientos esperados. </translation>
    </message>
    <message>
        <source>The dollar amounts are calculated by multiplying the probability of winning </source>
        <translation>Los importes en dólares se obtienen multiplicando la probabilidad de ganar </translation>
    </message>
    <message>
        <source>by the expected prize value. If you play over a very long period of time </source>
        <translation>por el premio esperado. Si juega durante mucho tiempo, </translation>
    </message>
    <message>
        <source>this is what the average return would be. </source>
        <translation>esto es lo que obtendría de media. </translation>
    </message>
    <message>
        <source>Draw: Quick pick and the check of a draw (Ctrl+D)</source>
        <translation>Sorteo: apuesta automática y comprobación de un sorteo (Ctrl+D)</translation>
    </message>
    <message>
        <source>  Fill Boards completes every board that is not full with numbers picked at random; the marks already </source>
        <translation>  Rellenar completa cada bloque incompleto con números al azar; las marcas que ya </translation>
    </message>
    <message>
        <source>on a board stay. Enter the main numbers and the bonus ball of a draw and press Check: the prize of each </source>
        <translation>hay en un bloque se mantienen. Introduzca los números y el complementario de un sorteo y pulse Comprobar: se indica el premio de cada </translation>
    </message>
    <message>
        <source>full board is listed, and the drawn numbers are ringed on the coupon.</source>
        <translation>bloque completo, y los números sorteados se rodean en el boleto.</translation>
    </message>
    <message>
        <source>Past Draws: The past draws of your lottery (Ctrl+H, or Past Draws in the Draw window)</source>
        <translation>Sorteos anteriores: los sorteos anteriores de su lotería (Ctrl+H, o Sorteos anteriores en la ventana Sorteo)</translation>
    </message>
    <message>
        <source>  Import the results file of your lottery, or Paste a table of results copied from its web page. </source>
        <translation>  Importe el archivo de resultados de su lotería, o pegue una tabla de resultados copiada de su web. </translation>
    </message>
    <message>
        <source>The full boards are checked against every draw, beside what they would win on average in as many fair draws, </source>
        <translation>Los bloques completos se comprueban con cada sorteo, junto a lo que ganarían de media en otros tantos sorteos justos, </translation>
    </message>
    <message>
        <source>and a chart shows how often each number was drawn. Double click a draw to check it in the Draw window. </source>
        <translation>y un gráfico muestra la frecuencia de cada número. Haga doble clic en un sorteo para comprobarlo en la ventana Sorteo. </translation>
    </message>
    <message>
        <source>Past draws do not tell the next one: in a fair draw every number is as likely as any other.</source>
        <translation>Los sorteos anteriores no anuncian el siguiente: en un sorteo justo todos los números son igual de probables.</translation>
    </message>
    <message>
        <source>Wheel: Your own numbers spread over the boards (Wheel... in the Draw window)</source>
        <translation>Sistema reducido: sus propios números repartidos en los bloques (Sistema... en la ventana Sorteo)</translation>
    </message>
    <message>
        <source>  Type more numbers than a board holds, up to 20, and choose a guarantee such as 3 if 4: whenever 4 of the numbers drawn are among yours, </source>
        <translation>  Escriba más números de los que caben en un bloque, hasta 20, y elija una garantía como 3 si 4: siempre que 4 de los números sorteados estén entre los suyos, </translation>
    </message>
    <message>
        <source>at least one board has 3 of them. Every wheel offered is proven, and uses as few boards as we could find. </source>
        <translation>al menos un bloque tiene 3 de ellos. Cada sistema ofrecido está demostrado y usa tan pocos bloques como hemos podido encontrar. </translation>
    </message>
    <message>
        <source>The table shows what the wheel does in every draw; Fill marks its boards, and the results below the coupon </source>
        <translation>La tabla muestra lo que hace el sistema en cada sorteo; Rellenar marca sus bloques, y los resultados bajo el boleto </translation>
    </message>
    <message>
        <source>show what they are worth. A wheel does not raise your chance of a prize, it only shares it out.</source>
        <translation>muestran lo que valen. Un sistema no aumenta su probabilidad de premio, solo la reparte.</translation>
    </message>
    <message>
        <source>Preferences:</source>
        <translation>Preferencias:</translation>
    </message>
    <message>
        <source>Systems:</source>
        <translation>Sistemas:</translation>
    </message>
    <message>
        <source>Clear:</source>
        <translation>Borrar:</translation>
    </message>
    <message>
        <source>Print:</source>
        <translation>Imprimir:</translation>
    </message>
    <message>
        <source>Luck:</source>
        <translation>Suerte:</translation>
    </message>
    <message>
        <source>Help:</source>
        <translation>Ayuda:</translation>
    </message>
    <message>
        <source>About:</source>
        <translation>Acerca de:</translation>
    </message>
    <message>
        <source>Exit:</source>
        <translation>Salir:</translation>
    </message>
    <message>
        <source>Draw:</source>
        <translation>Sorteo:</translation>
    </message>
    <message>
        <source>Past Draws:</source>
        <translation>Sorteos anteriores:</translation>
    </message>
    <message>
        <source>Wheel:</source>
        <translation>Sistema reducido:</translation>
    </message>
    <message>
        <source>Number of Boards:</source>
        <translation>Bloques:</translation>
    </message>
    <message>
        <source>Number of Cells:</source>
        <translation>Números:</translation>
    </message>
    <message>
        <source>Number of Marks:</source>
        <translation>Marcas por bloque:</translation>
    </message>
    <message>
        <source>Payments $:</source>
        <translation>Premio $:</translation>
    </message>
    <message>
        <source>Prize Divisions:</source>
        <translation>Categorías:</translation>
    </message>
    <message>
        <source>Play Exclusions System:</source>
        <translation>Sistema de exclusión:</translation>
    </message>
    <message>
        <source>Play Inclusions System:</source>
        <translation>Sistema de inclusión:</translation>
    </message>
    <message>
        <source>Show Punch Estimation:</source>
        <translation>Mostrar Punch:</translation>
    </message>
    <message>
        <source>Show Spread Estimation:</source>
        <translation>Mostrar Spread:</translation>
    </message>
    <message>
        <source>Punch and Spread</source>
        <translation>Punch y Spread</translation>
    </message>
</context>
<context>
    <name>Luck</name>
    <message>
        <source>Increase your luck!</source>
        <translation>¡Aumente su suerte!</translation>
    </message>
    <message>
        <source>It is very well to use Systems, </source>
        <translation>Está muy bien usar sistemas </translation>
    </message>
    <message>
        <source>and advanced Statistical Calculations</source>
        <translation>y cálculos estadísticos avanzados</translation>
    </message>
    <message>
        <source>To win, however, you also need some luck</source>
        <translation>Pero para ganar también hace falta suerte</translation>
    </message>
    <message>
        <source>There is only one way to increase you luck, </source>
        <translation>Solo hay una forma de aumentar su suerte, </translation>
    </message>
    <message>
        <source>and this is through donations</source>
        <translation>y es mediante donaciones</translation>
    </message>
    <message>
        <source>Give donation to the software author,</source>
        <translation>Haga una donación al autor del programa</translation>
    </message>
    <message>
        <source>and increase your chances of winning</source>
        <translation>y aumente sus posibilidades de ganar</translation>
    </message>
</context>
<context>
    <name>TMaskedNumberEdit</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
</context>
<context>
    <name>TResultsPanel</name>
    <message>
        <source>Division %1</source>
        <translation>Categoría %1</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Win Probability</source>
        <translation>Probabilidad</translation>
    </message>
    <message>
        <source>Odds</source>
        <translation>Cuota</translation>
    </message>
    <message>
        <source>Returns $</source>
        <translation>Retorno $</translation>
    </message>
    <message>
        <source>Totals: </source>
        <translation>Total: </translation>
    </message>
</context>
<context>
    <name>TTombolixForm</name>
    <message>
        <source>Please fill at least one of the boards</source>
        <translation>Rellene al menos un bloque</translation>
    </message>
    <message>
        <source>Printing the selected numbers...</source>
        <translation>Imprimiendo los números elegidos...</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Guardar todo</translation>
    </message>
    <message>
        <source>Every board is already full</source>
        <translation>Todos los bloques están llenos</translation>
    </message>
    <message>
        <source>Turn the inclusions system off to play a wheel</source>
        <translation>Desactive el sistema de inclusión para jugar un sistema</translation>
    </message>
    <message>
        <source>The coupon could not be kept for the next start (%1)</source>
        <translation>No se pudo guardar el boleto para el próximo inicio (%1)</translation>
    </message>
</context>
</TS>
