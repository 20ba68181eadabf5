<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
