<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>About</name>
    <message>
        <source>Program Name: Drawvane</source>
        <translation>Programme : Drawvane</translation>
    </message>
    <message>
        <source>Author: The Drawvane developers</source>
        <translation>Auteur : Les développeurs de Drawvane</translation>
    </message>
    <message>
        <source>Contact E-Mail: drawvane@example.org</source>
        <translation>Contact : drawvane@example.org</translation>
    </message>
    <message>
        <source>Purpose: Drawvane is an implementation of statistical analysis of random number distributions as relevant to the </source>
        <translation>Objet : Drawvane applique l&apos;analyse statistique des distributions de nombres aléatoires aux </translation>
    </message>
    <message>
        <source>Lotto games. The program evaluates the numbers selected by the player to determine their relative randomness. In </source>
        <translation>jeux de loto. Le programme évalue les numéros choisis par le joueur pour juger de leur caractère aléatoire. </translation>
    </message>
    <message>
        <source>this way the program attempts to inform the player about the level of correlation among the numbers chosen.</source>
        <translation>Il indique ainsi au joueur à quel point les numéros choisis sont liés entre eux.</translation>
    </message>
    <message>
        <source>If the numbers selected represent some definite pattern the two coefficients (Punch and Spread) decrease in value. </source>
        <translation>Si les numéros choisis forment un motif marqué, les deux coefficients (Punch et Spread) baissent. </translation>
    </message>
    <message>
        <source>This means that the numbers are not truly random and have smaller probability of being drawn. </source>
        <translation>Les numéros ne sont alors pas vraiment aléatoires et ont moins de chances de sortir. </translation>
    </message>
    <message>
        <source>The Punch and Spread coefficients vary between 0 and 100. The bigger the coefficient’s value the more likely it is </source>
        <translation>Punch et Spread vont de 0 à 100. Plus la valeur est grande, plus il est probable </translation>
    </message>
    <message>
        <source>that the selected number combination is going to be drawn.</source>
        <translation>que la combinaison choisie sorte.</translation>
    </message>
    <message>
        <source>The Drawvane developers write small programs about probability and games of chance.</source>
        <translation>Les développeurs de Drawvane écrivent de petits programmes sur les probabilités et les jeux de hasard.</translation>
    </message>
    <message>
        <source>You may also like Veilmark, their other program: download it from its website below.</source>
        <translation>Veilmark, leur autre programme, pourrait aussi vous plaire : téléchargez-le depuis son site ci-dessous.</translation>
    </message>
    <message>
        <source>Program Name:</source>
        <translation>Programme :</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>Auteur :</translation>
    </message>
    <message>
        <source>Contact E-Mail:</source>
        <translation>Contact :</translation>
    </message>
    <message>
        <source>Purpose:</source>
        <translation>Objet :</translation>
    </message>
    <message>
        <source>The Drawvane developers</source>
        <translation>Les développeurs de Drawvane</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>A lottery coupon that shows the chance of winning each prize division.</source>
        <extracomment>Note for translators: Drawvane is a desktop program for players of lotteries that draw six numbers and a bonus ball from 36 to 49 (Mark Six, Lotto 6 aus 45, La Primitiva, Lotto 6/45). Use the words your lottery&apos;s players know, such as its name for the bonus ball. Do not translate the names of controls, settings or files, nor &quot;Drawvane&quot;, &quot;Punch&quot; and &quot;Spread&quot;. Keep each text about as long as the English: the windows have fixed layouts.</extracomment>
        <translation>Un bulletin de loterie qui montre la chance de gain de chaque rang.</translation>
    </message>
    <message>
        <source>Speak &lt;language&gt; (%1) in this run, instead of the desktop&apos;s language.</source>
        <translation>Parler &lt;language&gt; (%1) pendant cette exécution, au lieu de la langue du bureau.</translation>
    </message>
    <message>
        <source>language</source>
        <translation>langue</translation>
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
        <translation>Options</translation>
    </message>
    <message>
        <source>|Show Program options</source>
        <translation>|Afficher les options du programme</translation>
    </message>
    <message>
        <source>Systems</source>
        <translation>Systèmes</translation>
    </message>
    <message>
        <source>|Show Systems Window</source>
        <translation>|Afficher la fenêtre des systèmes</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>|Clear all marks and calculations</source>
        <translation>|Effacer toutes les croix et tous les calculs</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>|Print filled boards</source>
        <translation>|Imprimer les grilles remplies</translation>
    </message>
    <message>
        <source>Luck</source>
        <translation>Chance</translation>
    </message>
    <message>
        <source>|Increas you winning chances</source>
        <translation>|Augmenter vos chances de gagner</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>|Program usage and explanation</source>
        <translation>|Utilisation et explication du programme</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>|Contact the Author and read about his other programs</source>
        <translation>|Contacter l&apos;auteur et découvrir ses autres programmes</translation>
    </message>
    <message>
        <source>|A note about the author and his other programs</source>
        <translation>|Un mot sur l&apos;auteur et ses autres programmes</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Tirage</translation>
    </message>
    <message>
        <source>|Quick pick and check the draw</source>
        <translation>|Flash et vérification du tirage</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>|Close window and Exit program</source>
        <translation>|Fermer la fenêtre et quitter le programme</translation>
    </message>
    <message>
        <source>Past Draws</source>
        <translation>Tirages passés</translation>
    </message>
    <message>
        <source>|Past draws of your lottery</source>
        <translation>|Les tirages passés de votre loterie</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>|Calculate Probabilities and related data</source>
        <translation>|Calculer les probabilités et les données associées</translation>
    </message>
    <message>
        <source>Drawvane About</source>
        <translation>Drawvane À propos</translation>
    </message>
    <message>
        <source>Visit Drawvane&apos;s Website</source>
        <translation>Site de Drawvane</translation>
    </message>
    <message>
        <source>Visit Veilmark&apos;s Website</source>
        <translation>Site de Veilmark</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>About text</source>
        <translation>Texte À propos</translation>
    </message>
    <message>
        <source>Drawvane Draw</source>
        <translation>Drawvane Tirage</translation>
    </message>
    <message>
        <source>Quick Pick</source>
        <translation>Flash</translation>
    </message>
    <message>
        <source>Fill Boards</source>
        <translation>Remplir</translation>
    </message>
    <message>
        <source>Wheel...</source>
        <translation>Système...</translation>
    </message>
    <message>
        <source>The Draw</source>
        <translation>Le tirage</translation>
    </message>
    <message>
        <source>Main numbers</source>
        <translation>Numéros</translation>
    </message>
    <message>
        <source>Main number %1</source>
        <translation>Numéro %1</translation>
    </message>
    <message>
        <source>Bonus ball</source>
        <translation>Complémentaire</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>Clear Draw</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Draw results</source>
        <translation>Résultats du tirage</translation>
    </message>
    <message>
        <source>How often each number was drawn</source>
        <translation>Fréquence de sortie de chaque numéro</translation>
    </message>
    <message>
        <source>Fair draw</source>
        <translation>Tirage équitable</translation>
    </message>
    <message>
        <source>95 % band</source>
        <translation>Bande à 95 %</translation>
    </message>
    <message>
        <source>%1: %2 and %3 as bonus ball</source>
        <translation>%1 : %2 et %3 en complémentaire</translation>
    </message>
    <message>
        <source>Expected for each number in a fair draw: %1, between %2 and %3 in 95 draws of 100. </source>
        <translation>Attendu pour chaque numéro dans un tirage équitable : %1, entre %2 et %3 dans 95 cas sur 100. </translation>
    </message>
    <message>
        <source>Drawvane Help</source>
        <translation>Drawvane Aide</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texte d&apos;aide</translation>
    </message>
    <message>
        <source>Drawvane History</source>
        <translation>Drawvane Historique</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importer...</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Clear History</source>
        <translation>Vider</translation>
    </message>
    <message>
        <source>Past draws</source>
        <translation>Tirages passés</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Results over the past draws</source>
        <translation>Résultats sur les tirages passés</translation>
    </message>
    <message>
        <source>These are counts of past draws. In a fair draw every number is as likely as any other, whatever came before: no count tells the next draw.</source>
        <translation>Ce sont des comptes de tirages passés. Dans un tirage équitable, chaque numéro a autant de chances que les autres, quoi qu&apos;il soit sorti avant : aucun compte ne prédit le prochain tirage.</translation>
    </message>
    <message>
        <source>Nothing was imported</source>
        <translation>Rien n&apos;a été importé</translation>
    </message>
    <message>
        <source>Import Past Draws</source>
        <translation>Importer des tirages passés</translation>
    </message>
    <message>
        <source>Draws (*.csv *.txt);;All files (*)</source>
        <translation>Tirages (*.csv *.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Clear all %1 past draws of this game?</source>
        <translation>Effacer les %1 tirages passés de ce jeu ?</translation>
    </message>
    <message>
        <source>Drawvane Luck</source>
        <translation>Drawvane Chance</translation>
    </message>
    <message>
        <source>Amount in USD</source>
        <translation>Montant en USD</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Donner</translation>
    </message>
    <message>
        <source>Donation amount</source>
        <translation>Montant du don</translation>
    </message>
    <message>
        <source>Appeal text</source>
        <translation>Texte de l&apos;appel</translation>
    </message>
    <message>
        <source>Drawvane Message</source>
        <translation>Drawvane Message</translation>
    </message>
    <message>
        <source>Division one</source>
        <translation>1er rang</translation>
    </message>
    <message>
        <source>Division two</source>
        <translation>2e rang</translation>
    </message>
    <message>
        <source>Division three</source>
        <translation>3e rang</translation>
    </message>
    <message>
        <source>Division four</source>
        <translation>4e rang</translation>
    </message>
    <message>
        <source>Division five</source>
        <translation>5e rang</translation>
    </message>
    <message>
        <source>Division six</source>
        <translation>6e rang</translation>
    </message>
    <message>
        <source>Division seven</source>
        <translation>7e rang</translation>
    </message>
    <message>
        <source>5 + bonus ball</source>
        <translation>5 + complémentaire</translation>
    </message>
    <message>
        <source>4 + bonus ball</source>
        <translation>4 + complémentaire</translation>
    </message>
    <message>
        <source>3 + bonus ball</source>
        <translation>3 + complémentaire</translation>
    </message>
    <message>
        <source>Drawvane Preferences</source>
        <translation>Drawvane Préférences</translation>
    </message>
    <message>
        <source>Coupon Preferences</source>
        <translation>Le bulletin</translation>
    </message>
    <message>
        <source>Number of Boards:</source>
        <translation>Grilles :</translation>
    </message>
    <message>
        <source>Number of Boards</source>
        <translation>Grilles</translation>
    </message>
    <message>
        <source>Number of Cells:</source>
        <translation>Numéros :</translation>
    </message>
    <message>
        <source>Number of Cells</source>
        <translation>Numéros</translation>
    </message>
    <message>
        <source>Number of Marks</source>
        <translation>Croix par grille</translation>
    </message>
    <message>
        <source>5 balls</source>
        <translation>5 boules</translation>
    </message>
    <message>
        <source>6 balls</source>
        <translation>6 boules</translation>
    </message>
    <message>
        <source>Prize Divisions</source>
        <translation>Rangs</translation>
    </message>
    <message>
        <source>Winning Numbers</source>
        <translation>Bons numéros</translation>
    </message>
    <message>
        <source>Payments $</source>
        <translation>Gains $</translation>
    </message>
    <message>
        <source>Accept</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Division %1</source>
        <translation>Rang %1</translation>
    </message>
    <message>
        <source>Division %1 payment</source>
        <translation>Gain du rang %1</translation>
    </message>
    <message>
        <source>Exclude some numbers|Assume that some numbers would not be drawn</source>
        <translation>Exclure des numéros|Supposer que certains numéros ne sortiront pas</translation>
    </message>
    <message>
        <source>Include some numbers|Assume some numbers to be certain</source>
        <translation>Inclure des numéros|Supposer que certains numéros sont sûrs</translation>
    </message>
    <message>
        <source>Close|Close Systems Window</source>
        <translation>Fermer|Fermer la fenêtre des systèmes</translation>
    </message>
    <message>
        <source>Drawvane Systems</source>
        <translation>Drawvane Systèmes</translation>
    </message>
    <message>
        <source>Play Exclusions System</source>
        <translation>Système d&apos;exclusion</translation>
    </message>
    <message>
        <source>I expect that none of these numbers would be drawn</source>
        <translation>Je m&apos;attends à ce qu&apos;aucun de ces numéros ne sorte</translation>
    </message>
    <message>
        <source>Exclusion %1</source>
        <translation>Exclusion %1</translation>
    </message>
    <message>
        <source>Play Inclusions System</source>
        <translation>Système d&apos;inclusion</translation>
    </message>
    <message>
        <source>I expect these numbers to be drawn</source>
        <translation>Ces numéros sortiront</translation>
    </message>
    <message>
        <source>Inclusion %1</source>
        <translation>Inclusion %1</translation>
    </message>
    <message>
        <source>Show Punch Estimation</source>
        <translation>Afficher Punch</translation>
    </message>
    <message>
        <source>Show Spread Estimation</source>
        <translation>Afficher Spread</translation>
    </message>
    <message>
        <source>Drawvane Wheel</source>
        <translation>Drawvane Système</translation>
    </message>
    <message>
        <source>Your numbers</source>
        <translation>Vos numéros</translation>
    </message>
    <message>
        <source>Guarantee</source>
        <translation>Garantie</translation>
    </message>
    <message>
        <source>In every draw: how many of yours are drawn, and the best board&apos;s match</source>
        <translation>À chaque tirage : combien de vos numéros sortent, et les bons numéros de la meilleure grille</translation>
    </message>
    <message>
        <source>Coverage of the draws</source>
        <translation>Couverture des tirages</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Remplir</translation>
    </message>
    <message>
        <source>Type from %1 to %2 numbers.</source>
        <translation>Tapez de %1 à %2 numéros.</translation>
    </message>
    <message>
        <source>Yours drawn</source>
        <translation>Vos sortis</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Chance</translation>
    </message>
    <message>
        <source>Best has %1</source>
        <translation>Meilleure %1</translation>
    </message>
    <message>
        <source>Turn the inclusions system off to play a wheel</source>
        <translation>Désactivez le système d&apos;inclusion pour jouer un système</translation>
    </message>
    <message>
        <source>The wheel&apos;s boards take the place of the marks on the coupon. Go on?</source>
        <translation>Les grilles du système remplacent les croix du bulletin. Continuer ?</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>the About window&apos;s narrower button</comment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Bonus ball</source>
        <comment>above its field in the Draw window</comment>
        <translation>Compl.</translation>
    </message>
    <message>
        <source>%1 is not a calendar date</source>
        <translation>%1 n&apos;est pas une date du calendrier</translation>
    </message>
    <message>
        <source>%1 is not a number from 1 to %2</source>
        <translation>%1 n&apos;est pas un numéro de 1 à %2</translation>
    </message>
    <message>
        <source>%1 appears twice</source>
        <translation>%1 apparaît deux fois</translation>
    </message>
    <message>
        <source>1 number, %1 needed</source>
        <translation>1 numéro, %1 requis</translation>
    </message>
    <message>
        <source>%1 numbers, %2 needed</source>
        <translation>%1 numéros, %2 requis</translation>
    </message>
    <message>
        <source>The file is not a text file</source>
        <translation>Le fichier n&apos;est pas un fichier texte</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Ligne %1 : %2</translation>
    </message>
    <message>
        <source>The file holds no draws</source>
        <translation>Le fichier ne contient aucun tirage</translation>
    </message>
    <message>
        <source>Fair draw test: no draws yet</source>
        <translation>Test de tirage équitable : aucun tirage pour l&apos;instant</translation>
    </message>
    <message>
        <source>Fair draw test: chi-square %1 on %2 degrees of freedom, p &lt; 0.01, unlikely under a fair draw</source>
        <translation>Test de tirage équitable : khi-deux %1 à %2 degrés de liberté, p &lt; 0,01, peu probable pour un tirage équitable</translation>
    </message>
    <message>
        <source>Fair draw test: chi-square %1 on %2 degrees of freedom, p = %3, consistent with a fair draw</source>
        <translation>Test de tirage équitable : khi-deux %1 à %2 degrés de liberté, p = %3, compatible avec un tirage équitable</translation>
    </message>
    <message>
        <source>1 draw</source>
        <translation>1 tirage</translation>
    </message>
    <message>
        <source>%1 draws</source>
        <translation>%1 tirages</translation>
    </message>
    <message>
        <source>Fill at least one board to check it against these draws</source>
        <translation>Remplissez au moins une grille pour la vérifier sur ces tirages</translation>
    </message>
    <message>
        <source>Draws: %1, from %2 to %3</source>
        <translation>Tirages : %1, du %2 au %3</translation>
    </message>
    <message>
        <source>Draws: %1</source>
        <translation>Tirages : %1</translation>
    </message>
    <message>
        <source>%1: won in %2, expected %3</source>
        <translation>%1 : gagné dans %2, attendu %3</translation>
    </message>
    <message>
        <source>Prizes: $%1 over %2, expected $%3</source>
        <translation>Gains : %1 $ sur %2, attendu %3 $</translation>
    </message>
    <message>
        <source>%1 is excluded</source>
        <translation>%1 est exclu</translation>
    </message>
    <message>
        <source>Enter %1 to %2 numbers</source>
        <translation>Entrez de %1 à %2 numéros</translation>
    </message>
    <message>
        <source>%1 if %2: 1 board</source>
        <translation>%1 si %2 : 1 grille</translation>
    </message>
    <message>
        <source>%1 if %2: %3 boards</source>
        <translation>%1 si %2 : %3 grilles</translation>
    </message>
    <message>
        <source>If %1 of the %2 numbers drawn are among your %3, at least one board has %4 of them.</source>
        <translation>Si %1 des %2 numéros tirés sont parmi vos %3, au moins une grille en a %4.</translation>
    </message>
    <message>
        <source>%1 or more of your %2 numbers are drawn in 1 draw out of %3.</source>
        <translation>%1 de vos %2 numéros ou plus sortent dans 1 tirage sur %3.</translation>
    </message>
    <message>
        <source>No guarantee fits in %1 boards; use fewer numbers</source>
        <translation>Aucune garantie ne tient en %1 grilles ; prenez moins de numéros</translation>
    </message>
    <message>
        <source>Enter %1 different numbers from 1 to %2, and a bonus ball that is not one of them</source>
        <translation>Entrez %1 numéros différents de 1 à %2, et un complémentaire qui n&apos;en fait pas partie</translation>
    </message>
    <message>
        <source>Board %1: no prize</source>
        <translation>Grille %1 : pas de gain</translation>
    </message>
    <message>
        <source>Board %1: %2, %3</source>
        <translation>Grille %1 : %2, %3</translation>
    </message>
    <message>
        <source>No prize on this coupon</source>
        <translation>Aucun gain sur ce bulletin</translation>
    </message>
    <message>
        <source>Prizes: %1 on 1 board</source>
        <translation>Gains : %1 sur 1 grille</translation>
    </message>
    <message>
        <source>Prizes: %1 on %2 boards</source>
        <translation>Gains : %1 sur %2 grilles</translation>
    </message>
    <message>
        <source>and %1 more lines; nothing was imported</source>
        <translation>et %1 lignes de plus ; rien n&apos;a été importé</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>No default printer is installed</source>
        <translation>Aucune imprimante par défaut n&apos;est installée</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is stopped</source>
        <translation>L&apos;imprimante « %1 » est arrêtée</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; cannot be used</source>
        <translation>L&apos;imprimante « %1 » ne peut pas être utilisée</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the job</source>
        <translation>L&apos;imprimante « %1 » n&apos;a pas accepté la tâche</translation>
    </message>
    <message>
        <source>no reason given</source>
        <translation>sans raison donnée</translation>
    </message>
    <message>
        <source>The printing system refused the job for &quot;%1&quot; (%2)</source>
        <translation>Le système d&apos;impression a refusé la tâche pour « %1 » (%2)</translation>
    </message>
    <message>
        <source>The print job for &quot;%1&quot; ended in an error</source>
        <translation>La tâche d&apos;impression pour « %1 » s&apos;est terminée par une erreur</translation>
    </message>
    <message>
        <source>The kept draws could not be read (%1) and were set aside as %2</source>
        <translation>Les tirages gardés n&apos;ont pas pu être lus (%1) et ont été mis de côté sous %2</translation>
    </message>
    <message>
        <source>The kept draws could not be read (%1): %2</source>
        <translation>Les tirages gardés n&apos;ont pas pu être lus (%1) : %2</translation>
    </message>
    <message>
        <source>The draws could not be kept: no folder %1</source>
        <translation>Les tirages n&apos;ont pas pu être gardés : pas de dossier %1</translation>
    </message>
    <message>
        <source>The draws could not be kept (%1)</source>
        <translation>Les tirages n&apos;ont pas pu être gardés (%1)</translation>
    </message>
    <message>
        <source>%1 could not be read (%2)</source>
        <translation>%1 n&apos;a pas pu être lu (%2)</translation>
    </message>
    <message>
        <source>Please select at least one division</source>
        <translation>Choisissez au moins un rang</translation>
    </message>
    <message>
        <source>Coupon</source>
        <translation>Bulletin</translation>
    </message>
    <message>
        <source>Number %1</source>
        <translation>Numéro %1</translation>
    </message>
    <message>
        <source>Board %1</source>
        <translation>Grille %1</translation>
    </message>
    <message>
        <source>Board %1, number %2</source>
        <translation>Grille %1, numéro %2</translation>
    </message>
    <message>
        <source>drawn</source>
        <translation>tiré</translation>
    </message>
    <message>
        <source>Board %1 %2 bar</source>
        <translation>Grille %1, barre %2</translation>
    </message>
    <message>
        <source>Board %1 Punch %2</source>
        <translation>Grille %1 Punch %2</translation>
    </message>
    <message>
        <source>Board %1 Spread %2</source>
        <translation>Grille %1 Spread %2</translation>
    </message>
    <message>
        <source>win probability</source>
        <translation>probabilité</translation>
    </message>
    <message>
        <source>odds</source>
        <translation>cote</translation>
    </message>
    <message>
        <source>return</source>
        <translation>gain</translation>
    </message>
    <message>
        <source>The settings file could not be read and was kept as %1. The default settings are in use.</source>
        <translation>Le fichier de réglages n&apos;a pas pu être lu et a été gardé sous %1. Les réglages par défaut sont utilisés.</translation>
    </message>
    <message>
        <source>Range check error</source>
        <translation>Erreur de vérification d&apos;intervalle</translation>
    </message>
    <message>
        <source>Failed to get data for &apos;%1&apos;</source>
        <translation>Impossible de lire les données de « %1 »</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Type de données non valide pour « %1 »</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Impossible d&apos;écrire les données de « %1 »</translation>
    </message>
    <message>
        <source>Board:</source>
        <translation>Grille :</translation>
    </message>
    <message>
        <source>Numbers:</source>
        <translation>Numéros :</translation>
    </message>
    <message>
        <source>Here are your lucky number guessess</source>
        <translation>Voici vos numéros porte-bonheur</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Preferences: Select the Game Preferences</source>
        <translation>Préférences : choisir les réglages du jeu</translation>
    </message>
    <message>
        <source>   - Number of Boards: can be set to any number between 4 and 12</source>
        <translation>   - Grilles : de 4 à 12</translation>
    </message>
    <message>
        <source>   - Number of Cells: the number of cells per board. Can be between 36 and 49</source>
        <translation>   - Numéros : les numéros par grille, de 36 à 49</translation>
    </message>
    <message>
        <source>   - Number of Marks: the number of marks per board. Can be set to 5 or 6</source>
        <translation>   - Croix par grille : le nombre de croix par grille, 5 ou 6</translation>
    </message>
    <message>
        <source>  Prize Divisions: Choose the divisions applicable to your lotto game characteristics</source>
        <translation>  Rangs : choisissez les rangs de gain de votre loterie</translation>
    </message>
    <message>
        <source>  Payments $: Choose the expected amount paid per each division. Use most recent if desired</source>
        <translation>  Gains $ : le gain attendu pour chaque rang, par exemple les plus récents</translation>
    </message>
    <message>
        <source>Systems: Select the Systems you would like to play</source>
        <translation>Systèmes : choisissez les systèmes que vous voulez jouer</translation>
    </message>
    <message>
        <source>  - Play Exclusions System: </source>
        <translation>  - Système d&apos;exclusion : </translation>
    </message>
    <message>
        <source>If you expect that some numbers will not be drawn then you may explicitly exclude them from the board. </source>
        <translation>Si vous pensez que certains numéros ne sortiront pas, vous pouvez les exclure de la grille. </translation>
    </message>
    <message>
        <source>The numbers will be shaded in yellow and will not respond to mouse clicking.</source>
        <translation>Les numéros sont grisés en jaune et ne répondent plus aux clics.</translation>
    </message>
    <message>
        <source>  - Play Inclusions System:</source>
        <translation>  - Système d&apos;inclusion :</translation>
    </message>
    <message>
        <source>Maybe you feel like expecting some numbers to be drawn. </source>
        <translation>Peut-être pensez-vous que certains numéros vont sortir. </translation>
    </message>
    <message>
        <source>You may specify them here so that each of them will be marked on the board.</source>
        <translation>Indiquez-les ici : chacun sera coché sur les grilles.</translation>
    </message>
    <message>
        <source>  - Show Punch Estimation: </source>
        <translation>  - Afficher Punch : </translation>
    </message>
    <message>
        <source>The program provides two statistical coefficients representing some measure of probability </source>
        <translation>Le programme donne deux coefficients statistiques qui mesurent en quelque sorte la probabilité </translation>
    </message>
    <message>
        <source>that a given number combination will be drawn. </source>
        <translation>qu&apos;une combinaison de numéros soit tirée. </translation>
    </message>
    <message>
        <source>The first one called Punch looks at the clustering of the numbers in any region of the board. </source>
        <translation>Le premier, Punch, examine le regroupement des numéros dans une zone de la grille. </translation>
    </message>
    <message>
        <source>In most cases one would expect this to be between 80 and 100, certainly above 60.</source>
        <translation>Le plus souvent, il est entre 80 et 100, et sûrement au-dessus de 60.</translation>
    </message>
    <message>
        <source>  - Show Spread Estimation: </source>
        <translation>  - Afficher Spread : </translation>
    </message>
    <message>
        <source>The second coefficient looks at the relative positions of the numbers and estimates their </source>
        <translation>Le second examine la position relative des numéros et estime leur </translation>
    </message>
    <message>
        <source>standard deviation. If your numbers form a distinctive pattern this number is very small. </source>
        <translation>écart type. Si vos numéros forment un motif marqué, ce nombre est très petit. </translation>
    </message>
    <message>
        <source>Again for the real life cases this coefficient should be between 80 and 100, and certainly above 60.</source>
        <translation>Là encore, dans les cas réels, il devrait être entre 80 et 100, et sûrement au-dessus de 60.</translation>
    </message>
    <message>
        <source>Clear: Removes all marks and calculated values</source>
        <translation>Effacer : enlève toutes les croix et les valeurs calculées</translation>
    </message>
    <message>
        <source>Print: Prints the completely filled boards using your default printer</source>
        <translation>Imprimer : imprime les grilles remplies sur l&apos;imprimante par défaut</translation>
    </message>
    <message>
        <source>Luck: Allows increasing your luck through an act of charity.</source>
        <translation>Chance : augmentez votre chance par un geste généreux.</translation>
    </message>
    <message>
        <source>Help: This window</source>
        <translation>Aide : cette fenêtre</translation>
    </message>
    <message>
        <source>About: A note about the author, together with the Internet links to the author’s software sites</source>
        <translation>À propos : un mot sur l’auteur, avec les liens vers les sites de ses logiciels</translation>
    </message>
    <message>
        <source>Exit: Closes the program</source>
        <translation>Quitter : ferme le programme</translation>
    </message>
    <message>
        <source>Each board is supplemented with the graphical representation of the Punch and Spread </source>
        <translation>Chaque grille est accompagnée d&apos;une représentation graphique des valeurs Punch et Spread </translation>
    </message>
    <message>
        <source>values for the current selection of the numbers. </source>
        <translation>pour les numéros choisis. </translation>
    </message>
    <message>
        <source>The values are also printed in the central part of the screen.</source>
        <translation>Les valeurs sont aussi affichées au centre de l&apos;écran.</translation>
    </message>
    <message>
        <source>At the lower part of the screen the values of winning probabilities, </source>
        <translation>En bas de l&apos;écran s&apos;affichent les probabilités de gain, </translation>
    </message>
    <message>
        <source>odds and expected financial returns are displayed. </source>
        <translation>les cotes et les gains espérés. </translation>
    </message>
    <message>
        <source>The dollar amounts are calculated by multiplying the probability of winning </source>
        <translation>Les montants en dollars sont la probabilité de gain </translation>
    </message>
    <message>
        <source>by the expected prize value. If you play over a very long period of time </source>
        <translation>multipliée par le gain attendu. Si vous jouez pendant très longtemps, </translation>
    </message>
    <message>
        <source>this is what the average return would be. </source>
        <translation>c&apos;est ce que vous rapporterait en moyenne chaque tirage. </translation>
    </message>
    <message>
        <source>Draw: Quick pick and the check of a draw (Ctrl+D)</source>
        <translation>Tirage : flash et vérification d&apos;un tirage (Ctrl+D)</translation>
    </message>
    <message>
        <source>  Fill Boards completes every board that is not full with numbers picked at random; the marks already </source>
        <translation>  Remplir complète chaque grille incomplète par des numéros tirés au hasard ; les croix déjà </translation>
    </message>
    <message>
        <source>on a board stay. Enter the main numbers and the bonus ball of a draw and press Check: the prize of each </source>
        <translation>présentes restent. Entrez les numéros et le complémentaire d&apos;un tirage puis appuyez sur Vérifier : le gain de chaque </translation>
    </message>
    <message>
        <source>full board is listed, and the drawn numbers are ringed on the coupon.</source>
        <translation>grille remplie est indiqué, et les numéros tirés sont entourés sur le bulletin.</translation>
    </message>
    <message>
        <source>Past Draws: The past draws of your lottery (Ctrl+H, or Past Draws in the Draw window)</source>
        <translation>Tirages passés : les tirages passés de votre loterie (Ctrl+H, ou Tirages passés dans la fenêtre Tirage)</translation>
    </message>
    <message>
        <source>  Import the results file of your lottery, or Paste a table of results copied from its web page. </source>
        <translation>  Importez le fichier de résultats de votre loterie, ou collez un tableau de résultats copié de son site. </translation>
    </message>
    <message>
        <source>The full boards are checked against every draw, beside what they would win on average in as many fair draws, </source>
        <translation>Les grilles remplies sont vérifiées sur chaque tirage, à côté de ce qu&apos;elles gagneraient en moyenne en autant de tirages équitables, </translation>
    </message>
    <message>
        <source>and a chart shows how often each number was drawn. Double click a draw to check it in the Draw window. </source>
        <translation>et un graphique montre la fréquence de chaque numéro. Double-cliquez sur un tirage pour le vérifier dans la fenêtre Tirage. </translation>
    </message>
    <message>
        <source>Past draws do not tell the next one: in a fair draw every number is as likely as any other.</source>
        <translation>Les tirages passés ne disent rien du prochain : dans un tirage équitable, tous les numéros ont la même chance.</translation>
    </message>
    <message>
        <source>Wheel: Your own numbers spread over the boards (Wheel... in the Draw window)</source>
        <translation>Système réducteur : vos propres numéros répartis sur les grilles (Système... dans la fenêtre Tirage)</translation>
    </message>
    <message>
        <source>  Type more numbers than a board holds, up to 20, and choose a guarantee such as 3 if 4: whenever 4 of the numbers drawn are among yours, </source>
        <translation>  Tapez plus de numéros qu&apos;une grille n&apos;en contient, jusqu&apos;à 20, et choisissez une garantie comme 3 si 4 : chaque fois que 4 des numéros tirés sont parmi les vôtres, </translation>
    </message>
    <message>
        <source>at least one board has 3 of them. Every wheel offered is proven, and uses as few boards as we could find. </source>
        <translation>au moins une grille en a 3. Chaque système proposé est prouvé et utilise aussi peu de grilles que nous avons pu trouver. </translation>
    </message>
    <message>
        <source>The table shows what the wheel does in every draw; Fill marks its boards, and the results below the coupon </source>
        <translation>Le tableau montre ce que fait le système à chaque tirage ; Remplir coche ses grilles, et les résultats sous le bulletin </translation>
    </message>
    <message>
        <source>show what they are worth. A wheel does not raise your chance of a prize, it only shares it out.</source>
        <translation>montrent ce qu&apos;elles valent. Un système n&apos;augmente pas vos chances de gain, il les répartit seulement.</translation>
    </message>
    <message>
        <source>Preferences:</source>
        <translation>Préférences :</translation>
    </message>
    <message>
        <source>Systems:</source>
        <translation>Systèmes :</translation>
    </message>
    <message>
        <source>Clear:</source>
        <translation>Effacer :</translation>
    </message>
    <message>
        <source>Print:</source>
        <translation>Imprimer :</translation>
    </message>
    <message>
        <source>Luck:</source>
        <translation>Chance :</translation>
    </message>
    <message>
        <source>Help:</source>
        <translation>Aide :</translation>
    </message>
    <message>
        <source>About:</source>
        <translation>À propos :</translation>
    </message>
    <message>
        <source>Exit:</source>
        <translation>Quitter :</translation>
    </message>
    <message>
        <source>Draw:</source>
        <translation>Tirage :</translation>
    </message>
    <message>
        <source>Past Draws:</source>
        <translation>Tirages passés :</translation>
    </message>
    <message>
        <source>Wheel:</source>
        <translation>Système réducteur :</translation>
    </message>
    <message>
        <source>Number of Boards:</source>
        <translation>Grilles :</translation>
    </message>
    <message>
        <source>Number of Cells:</source>
        <translation>Numéros :</translation>
    </message>
    <message>
        <source>Number of Marks:</source>
        <translation>Croix par grille :</translation>
    </message>
    <message>
        <source>Payments $:</source>
        <translation>Gains $ :</translation>
    </message>
    <message>
        <source>Prize Divisions:</source>
        <translation>Rangs :</translation>
    </message>
    <message>
        <source>Play Exclusions System:</source>
        <translation>Système d&apos;exclusion :</translation>
    </message>
    <message>
        <source>Play Inclusions System:</source>
        <translation>Système d&apos;inclusion :</translation>
    </message>
    <message>
        <source>Show Punch Estimation:</source>
        <translation>Afficher Punch :</translation>
    </message>
    <message>
        <source>Show Spread Estimation:</source>
        <translation>Afficher Spread :</translation>
    </message>
    <message>
        <source>Punch and Spread</source>
        <translation>Punch et Spread</translation>
    </message>
</context>
<context>
    <name>Luck</name>
    <message>
        <source>Increase your luck!</source>
        <translation>Augmentez votre chance !</translation>
    </message>
    <message>
        <source>It is very well to use Systems, </source>
        <translation>Les systèmes, c&apos;est très bien, </translation>
    </message>
    <message>
        <source>and advanced Statistical Calculations</source>
        <translation>tout comme les calculs statistiques</translation>
    </message>
    <message>
        <source>To win, however, you also need some luck</source>
        <translation>Mais pour gagner, il faut aussi de la chance</translation>
    </message>
    <message>
        <source>There is only one way to increase you luck, </source>
        <translation>Il n&apos;y a qu&apos;un moyen d&apos;augmenter votre chance, </translation>
    </message>
    <message>
        <source>and this is through donations</source>
        <translation>c&apos;est de faire un don</translation>
    </message>
    <message>
        <source>Give donation to the software author,</source>
        <translation>Faites un don à l&apos;auteur du logiciel</translation>
    </message>
    <message>
        <source>and increase your chances of winning</source>
        <translation>et augmentez vos chances de gagner</translation>
    </message>
</context>
<context>
    <name>TMaskedNumberEdit</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
</context>
<context>
    <name>TResultsPanel</name>
    <message>
        <source>Division %1</source>
        <translation>Rang %1</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Win Probability</source>
        <translation>Probabilité</translation>
    </message>
    <message>
        <source>Odds</source>
        <translation>Cote</translation>
    </message>
    <message>
        <source>Returns $</source>
        <translation>Gains $</translation>
    </message>
    <message>
        <source>Totals: </source>
        <translation>Total : </translation>
    </message>
</context>
<context>
    <name>TTombolixForm</name>
    <message>
        <source>Please fill at least one of the boards</source>
        <translation>Veuillez remplir au moins une grille</translation>
    </message>
    <message>
        <source>Printing the selected numbers...</source>
        <translation>Impression des numéros choisis...</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Tout enregistrer</translation>
    </message>
    <message>
        <source>Every board is already full</source>
        <translation>Toutes les grilles sont déjà remplies</translation>
    </message>
    <message>
        <source>Turn the inclusions system off to play a wheel</source>
        <translation>Désactivez le système d&apos;inclusion pour jouer un système</translation>
    </message>
    <message>
        <source>The coupon could not be kept for the next start (%1)</source>
        <translation>Le bulletin n&apos;a pas pu être gardé pour le prochain démarrage (%1)</translation>
    </message>
</context>
</TS>
