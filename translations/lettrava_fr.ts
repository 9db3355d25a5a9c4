<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Client</name>
    <message>
        <source>Please type or select a player name.</source>
        <translation>Veuillez saisir ou choisir un nom de joueur.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Please enter an IP address or host name.</source>
        <translation>Veuillez saisir une adresse IP ou un nom d&apos;hôte.</translation>
    </message>
    <message>
        <source>Connecting to %1 on port %2...</source>
        <translation>Connexion à %1 sur le port %2...</translation>
    </message>
    <message>
        <source>Maximum attempts reached.  Quitting...</source>
        <translation>Nombre maximal de tentatives atteint. Abandon...</translation>
    </message>
    <message>
        <source>Connection failed with message: %1
Will retry (maybe host wasn&apos;t quite ready).  Press cancel to abort.
</source>
        <translation>Échec de la connexion, message : %1
Nouvel essai (l&apos;hôte n&apos;était peut-être pas prêt). Cliquez sur Annuler pour abandonner.
</translation>
    </message>
    <message>
        <source>That name is already in use.</source>
        <translation>Ce nom est déjà utilisé.</translation>
    </message>
    <message>
        <source>Names can be at most %1 characters long.</source>
        <translation>Un nom ne peut pas dépasser %1 caractères.</translation>
    </message>
    <message>
        <source>Recipient missing.  Whisper format: &quot;/w [name] [message]&quot;</source>
        <translation>Destinataire manquant. Format du chuchotement : &quot;/w [nom] [message]&quot;</translation>
    </message>
    <message>
        <source>There is no one here by the name of &quot;%1&quot;</source>
        <translation>Personne ici ne s&apos;appelle &quot;%1&quot;</translation>
    </message>
    <message>
        <source>You whispered to %1: %2</source>
        <translation>Vous avez chuchoté à %1 : %2</translation>
    </message>
    <message>
        <source>Sorry, I don&apos;t understand that command.</source>
        <translation>Désolé, je ne comprends pas cette commande.</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Déconnecté</translation>
    </message>
    <message>
        <source>*** The Host ended round %1 abrubtly.  The round will count.</source>
        <translation>*** L&apos;hôte a interrompu la manche %1. La manche comptera.</translation>
    </message>
    <message>
        <source>*** The Host ended round %1 abrubtly.  The round will not count.</source>
        <translation>*** L&apos;hôte a interrompu la manche %1. La manche ne comptera pas.</translation>
    </message>
    <message>
        <source>*** The Host started a new game.</source>
        <translation>*** L&apos;hôte a lancé une nouvelle partie.</translation>
    </message>
    <message>
        <source>The host has shut down abruptly (but deliberately)</source>
        <translation>L&apos;hôte a fermé la partie brusquement (mais volontairement)</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Avis</translation>
    </message>
</context>
<context>
    <name>Dictionary</name>
    <message>
        <source>warning</source>
        <translation>avertissement</translation>
    </message>
    <message>
        <source>There is no dictionary selected or the dictionary is missing.  Please go to Preferences/General and select a dictionary.</source>
        <translation>Aucun dictionnaire n&apos;est choisi ou le dictionnaire est introuvable. Allez dans Préférences/Général et choisissez un dictionnaire.</translation>
    </message>
    <message>
        <source>There are missing characters (&apos;=&apos;) from the dictionary</source>
        <translation>Il manque des caractères (&apos;=&apos;) dans le dictionnaire</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation>Manche %1</translation>
    </message>
    <message>
        <source>Please stand by . . .</source>
        <translation>Veuillez patienter . . .</translation>
    </message>
    <message>
        <source>You may submit words now</source>
        <translation>Vous pouvez proposer des mots</translation>
    </message>
    <message>
        <source>Waiting for all players to finish.  Please stand by...</source>
        <translation>En attente de la fin de tous les joueurs. Veuillez patienter...</translation>
    </message>
    <message>
        <source>OVER</source>
        <translation>FINI</translation>
    </message>
    <message>
        <source>ABORTED</source>
        <translation>ANNULÉ</translation>
    </message>
    <message>
        <source>All players finished.</source>
        <translation>Tous les joueurs ont fini.</translation>
    </message>
    <message>
        <source>Wait time limit exceeded. Forcing round completion.</source>
        <translation>Délai d&apos;attente dépassé. Fin forcée de la manche.</translation>
    </message>
    <message>
        <source>Click GO or press Enter to start the LAST round</source>
        <translation>Cliquez sur GO ou appuyez sur Entrée pour lancer la DERNIÈRE manche</translation>
    </message>
    <message>
        <source>Click GO or press Enter to start round %1</source>
        <translation>Cliquez sur GO ou appuyez sur Entrée pour lancer la manche %1</translation>
    </message>
    <message>
        <source>Round time: %1</source>
        <translation>Durée de la manche : %1</translation>
    </message>
    <message>
        <source>Round time: %1 - Left (right) click to increase (decrease)</source>
        <translation>Durée de la manche : %1 - clic gauche (droit) pour allonger (raccourcir)</translation>
    </message>
    <message>
        <source>%1 pts</source>
        <translation>%1 pts</translation>
    </message>
    <message>
        <source>It was a tie!</source>
        <translation>Égalité !</translation>
    </message>
    <message>
        <source>There are no results to view at this time.</source>
        <translation>Aucun résultat à afficher pour le moment.</translation>
    </message>
    <message>
        <source>Sorry, that does not appear to be a Lettrava game file.

If it is a Lettrava file, it is from an outdated version.</source>
        <translation>Désolé, ce fichier ne semble pas être une partie Lettrava.

S&apos;il s&apos;agit d&apos;un fichier Lettrava, il vient d&apos;une version dépassée.</translation>
    </message>
    <message>
        <source>Unable to load game file.  Perhaps it is corrupted or is not a valid Lettrava game file.</source>
        <translation>Impossible de charger la partie. Le fichier est peut-être abîmé ou n&apos;est pas une partie Lettrava valide.</translation>
    </message>
    <message>
        <source>Unable to save game to disk.</source>
        <translation>Impossible d&apos;enregistrer la partie sur le disque.</translation>
    </message>
</context>
<context>
    <name>MainActions</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouvelle</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Charger</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Enregistrer la partie</translation>
    </message>
    <message>
        <source>Save &amp;As..</source>
        <translation>Enregistrer &amp;sous..</translation>
    </message>
    <message>
        <source>&amp;View Player Stats</source>
        <translation>S&amp;tatistiques des joueurs</translation>
    </message>
    <message>
        <source>&amp;Grid Factory</source>
        <translation>&amp;Atelier de grilles</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Start Round</source>
        <translation>Lancer la manche</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Round Still Counts</source>
        <translation>La manche compte</translation>
    </message>
    <message>
        <source>Round Doesn&apos;t Count</source>
        <translation>La manche ne compte pas</translation>
    </message>
    <message>
        <source>Print Grid</source>
        <translation>Imprimer la grille</translation>
    </message>
    <message>
        <source>Save Grid</source>
        <translation>Enregistrer la grille</translation>
    </message>
    <message>
        <source>&amp;Clear Clicks</source>
        <translation>&amp;Effacer les clics</translation>
    </message>
    <message>
        <source>Clear Mouse Clicks</source>
        <translation>Effacer les clics de souris</translation>
    </message>
    <message>
        <source>Show &amp;Results</source>
        <translation>Afficher les &amp;résultats</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Options de jeu</translation>
    </message>
    <message>
        <source>Topics</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Tip of the Day</source>
        <translation>Astuce du jour</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>&amp;Round</source>
        <translation>&amp;Manche</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Préférences</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>Final Results</source>
        <translation>Résultats finaux</translation>
    </message>
    <message>
        <source>Round %1 Results</source>
        <translation>Résultats de la manche %1</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Dictionary loaded: %1</source>
        <translation>Dictionnaire chargé : %1</translation>
    </message>
    <message>
        <source>The chosen dictionary will be loaded when this round ends.</source>
        <translation>Le dictionnaire choisi sera chargé à la fin de cette manche.</translation>
    </message>
    <message>
        <source>Do you want to save the game?</source>
        <translation>Voulez-vous enregistrer la partie ?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>This will abort (and not count) the current round.  Are you sure?</source>
        <translation>La manche en cours sera arrêtée (et ne comptera pas). Êtes-vous sûr ?</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; is reserved for a computer player. Please enter a different name.</source>
        <translation>Le nom &quot;%1&quot; est réservé à un joueur ordinateur. Veuillez saisir un autre nom.</translation>
    </message>
    <message>
        <source>Player %1 is using the Mouse, which has been designated for use by another player also.

Please correct the input methods.</source>
        <translation>Le joueur %1 utilise la souris, déjà attribuée à un autre joueur.

Veuillez corriger les modes de saisie.</translation>
    </message>
    <message>
        <source>Player %1 is using the Keyboard, which has been designated for use by another player also.

Please correct the input methods.</source>
        <translation>Le joueur %1 utilise le clavier, déjà attribué à un autre joueur.

Veuillez corriger les modes de saisie.</translation>
    </message>
    <message>
        <source>Please enter or select a name for Player %1</source>
        <translation>Veuillez saisir ou choisir un nom pour le joueur %1</translation>
    </message>
    <message>
        <source>Player Name Required</source>
        <translation>Nom de joueur requis</translation>
    </message>
    <message>
        <source>Player &apos;%1&apos; is listed more than once.

Please make all player names unique.</source>
        <translation>Le joueur &apos;%1&apos; figure plusieurs fois.

Chaque joueur doit avoir un nom différent.</translation>
    </message>
    <message>
        <source>Duplicate Player Names</source>
        <translation>Noms de joueurs en double</translation>
    </message>
    <message>
        <source>Only one (local) human player is allowed in a network game.  Please uncheck &quot; Listen for network players&quot; box or remove %1 human player(s)</source>
        <translation>Un seul joueur humain (local) est permis dans une partie en réseau. Décochez &quot; Attendre des joueurs en réseau&quot; ou retirez %1 joueur(s) humain(s)</translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation>Désolé</translation>
    </message>
    <message>
        <source>That person is already in the game.  Please enter another.</source>
        <translation>Cette personne est déjà dans la partie. Veuillez en saisir une autre.</translation>
    </message>
    <message>
        <source>Input method cannot be changed when &quot;Wait for network players&quot; is checked.  Keyboard and mouse method reserved for host.</source>
        <translation>Le mode de saisie ne peut pas être changé quand &quot;Attendre des joueurs en réseau&quot; est coché. Le clavier et la souris sont réservés à l&apos;hôte.</translation>
    </message>
</context>
<context>
    <name>Sounds</name>
    <message>
        <source>Good Word</source>
        <translation>Mot valide</translation>
    </message>
    <message>
        <source>a valid word is entered</source>
        <translation>un mot valide est saisi</translation>
    </message>
    <message>
        <source>Word Not in Dict.</source>
        <translation>Mot hors dict.</translation>
    </message>
    <message>
        <source>a word is submitted that is in the grid but not in the dictionary</source>
        <translation>un mot présent dans la grille mais absent du dictionnaire est proposé</translation>
    </message>
    <message>
        <source>Word Not In Grid</source>
        <translation>Mot hors grille</translation>
    </message>
    <message>
        <source>a word is submitted that is not in the grid</source>
        <translation>un mot absent de la grille est proposé</translation>
    </message>
    <message>
        <source>Invalid Penalty</source>
        <translation>Seuil de pénalité</translation>
    </message>
    <message>
        <source>the last word not in the grid that goes without a penalty is submitted</source>
        <translation>le dernier mot hors grille sans pénalité est proposé</translation>
    </message>
    <message>
        <source>Lost All Valid Bonus</source>
        <translation>Bonus sans faute perdu</translation>
    </message>
    <message>
        <source>the first word of a round that is not in the dictionary loses the all-valid bonus</source>
        <translation>le premier mot de la manche absent du dictionnaire fait perdre le bonus sans faute</translation>
    </message>
    <message>
        <source>Ten Seconds Left</source>
        <translation>Dix secondes restantes</translation>
    </message>
    <message>
        <source>fewer than ten seconds of the round remain</source>
        <translation>il reste moins de dix secondes dans la manche</translation>
    </message>
    <message>
        <source>Round Over</source>
        <translation>Fin de manche</translation>
    </message>
    <message>
        <source>a round is over</source>
        <translation>une manche est finie</translation>
    </message>
    <message>
        <source>Won Game</source>
        <translation>Partie gagnée</translation>
    </message>
    <message>
        <source>a person wins the game</source>
        <translation>une personne gagne la partie</translation>
    </message>
    <message>
        <source>Game End</source>
        <translation>Fin de partie</translation>
    </message>
    <message>
        <source>the last round of a game is over</source>
        <translation>la dernière manche d&apos;une partie est finie</translation>
    </message>
    <message>
        <source>Building Grid</source>
        <translation>Création de la grille</translation>
    </message>
    <message>
        <source>the grid of a new round is built</source>
        <translation>la grille d&apos;une nouvelle manche est créée</translation>
    </message>
    <message>
        <source>Letter Click</source>
        <translation>Clic sur une lettre</translation>
    </message>
    <message>
        <source>a letter of the grid is clicked</source>
        <translation>on clique sur une lettre de la grille</translation>
    </message>
    <message>
        <source>Click here to browse for a file to play when %1</source>
        <translation>Cliquez ici pour choisir le fichier à jouer quand %1</translation>
    </message>
    <message>
        <source>This file will play when %1 (if the box at the left is checked)</source>
        <translation>Ce fichier est joué quand %1 (si la case de gauche est cochée)</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>%1&apos;s Stats</source>
        <translation>Statistiques de %1</translation>
    </message>
    <message>
        <source>%1&apos; Stats</source>
        <translation>Statistiques de %1</translation>
    </message>
    <message>
        <source>No player stats available.</source>
        <translation>Aucune statistique de joueur disponible.</translation>
    </message>
</context>
<context>
    <name>TPlayView</name>
    <message>
        <source>Word Length:  MIN:%1 MAX:%2</source>
        <translation>Longueur des mots :  MIN:%1 MAX:%2</translation>
    </message>
    <message>
        <source>Reuse: </source>
        <translation>Réutilisation : </translation>
    </message>
    <message>
        <source>YES</source>
        <translation>OUI</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NON</translation>
    </message>
</context>
<context>
    <name>Tips</name>
    <message>
        <source>Need some quiet?  Tick &quot;Disable All Sound&quot; on the Sounds page of the Preferences and Lettrava will not make a peep.</source>
        <translation>Besoin de calme ? Cochez &quot;Couper tous les sons&quot; sur la page Sons des Préférences et Lettrava se taira.</translation>
    </message>
    <message>
        <source>You can play against up to three computer opponents at once.  Pick them in the game setup: from Patsy, who is easy to beat, up to Deep Words, who is not.</source>
        <translation>Vous pouvez affronter jusqu&apos;à trois adversaires ordinateur à la fois. Choisissez-les au lancement de la partie : de Patsy, facile à battre, jusqu&apos;à Deep Words, qui l&apos;est beaucoup moins.</translation>
    </message>
    <message>
        <source>Wondering what a word means?  After a round, pick it in the results window and choose Lookup from the Word List menu or the right-click menu.</source>
        <translation>Vous vous demandez ce que veut dire un mot ? Après une manche, choisissez-le dans la fenêtre des résultats puis Rechercher dans le menu Liste de mots ou par un clic droit.</translation>
    </message>
    <message>
        <source>Words that are too short or too long for your taste?  Change the shortest and longest word allowed in Game Options.</source>
        <translation>Des mots trop courts ou trop longs à votre goût ? Changez les longueurs minimale et maximale dans les Options de jeu.</translation>
    </message>
    <message>
        <source>+Was one of your words shown in red?  It is in the grid but not in the dictionary.%CRLF%%CRLF%If you are sure it is a real word, choose Add Word in the results window: it goes into your own custom dictionary and counts from the next round on.</source>
        <translation>+Un de vos mots est apparu en rouge ? Il est dans la grille mais pas dans le dictionnaire.%CRLF%%CRLF%Si vous êtes sûr que c&apos;est un vrai mot, choisissez Ajouter le mot dans la fenêtre des résultats : il entre dans votre dictionnaire personnel et compte dès la manche suivante.</translation>
    </message>
    <message>
        <source>When you add a word to your custom dictionary you can also send it to the Lettrava suggestion box, so that it may be part of a later version.</source>
        <translation>Quand vous ajoutez un mot à votre dictionnaire personnel, vous pouvez aussi l&apos;envoyer à la boîte à idées de Lettrava pour qu&apos;il figure dans une version future.</translation>
    </message>
    <message>
        <source>With letter reuse allowed, a word may pass over the same tile more than once, so just two tiles that touch can make a word: a T beside an O gives TOT.</source>
        <translation>Avec la réutilisation des lettres, un mot peut passer plusieurs fois par la même case : deux cases voisines suffisent pour un mot, un S à côté d&apos;un O donne SOS.</translation>
    </message>
    <message>
        <source>Every event has its own sound.  Choose your own sound files for them on the Sounds page of the Preferences.</source>
        <translation>Chaque événement a son propre son. Choisissez vos fichiers sur la page Sons des Préférences.</translation>
    </message>
    <message>
        <source>You don&apos;t have to choose between the keyboard and the mouse: with &quot;Keyboard and Mouse&quot; you can type one word and click the next.</source>
        <translation>Inutile de choisir entre le clavier et la souris : avec &quot;Clavier et souris&quot; vous pouvez taper un mot et cliquer le suivant.</translation>
    </message>
    <message>
        <source>Is there something you would like Lettrava to do?  Tell us about new features you would like with the feedback button in Help, About.</source>
        <translation>Vous aimeriez que Lettrava fasse autre chose ? Proposez-nous de nouvelles fonctions avec le bouton Avis dans Aide, À propos.</translation>
    </message>
    <message>
        <source>Changes in the Preferences only last when you press Save before you leave the window.  Close throws them away.</source>
        <translation>Les changements des Préférences ne sont gardés que si vous cliquez sur Enregistrer avant de quitter la fenêtre. Fermer les abandonne.</translation>
    </message>
    <message>
        <source>Typing words?  Press Space or Enter to submit a word, whichever comes easier.</source>
        <translation>Vous tapez les mots ? Appuyez sur Espace ou Entrée pour valider, comme il vous plaît.</translation>
    </message>
    <message>
        <source>+After a round, click any word in a list of the results window.%CRLF%%CRLF%Its letters light up in blue on the grid, so you can see where it was hiding.</source>
        <translation>+Après une manche, cliquez sur un mot d&apos;une liste de la fenêtre des résultats.%CRLF%%CRLF%Ses lettres s&apos;allument en bleu dans la grille : vous voyez où il se cachait.</translation>
    </message>
    <message>
        <source>Found a mistake or have an idea?  Send us your suggestions with the feedback button in Help, About.</source>
        <translation>Une erreur, une idée ? Envoyez-nous vos suggestions avec le bouton Avis dans Aide, À propos.</translation>
    </message>
    <message>
        <source>Letter reuse can be switched on or off in Game Options.  Without it, each tile may be used only once in a word, which makes long words much harder.</source>
        <translation>La réutilisation des lettres se règle dans les Options de jeu. Sans elle, chaque case ne sert qu&apos;une fois par mot, ce qui rend les longs mots bien plus difficiles.</translation>
    </message>
    <message>
        <source>Grid porosity punches holes into the grid.  The more holes, the fewer paths there are between the letters.  Set it in Game Options.</source>
        <translation>La porosité perce des trous dans la grille. Plus il y a de trous, moins il y a de chemins entre les lettres. Réglez-la dans les Options de jeu.</translation>
    </message>
    <message>
        <source>Make your own grids in the Grid Factory: type the letters, let the solver count the words and save the grid to play it in a game.</source>
        <translation>Créez vos propres grilles dans l&apos;Atelier de grilles : tapez les lettres, laissez le solveur compter les mots et enregistrez la grille pour y jouer.</translation>
    </message>
    <message>
        <source>+The Grid Factory can also build a grid for you from a list of words.%CRLF%Give it the words you want in the grid and it searches for a grid that holds as many of them as it can.</source>
        <translation>+L&apos;Atelier de grilles peut aussi créer une grille à partir d&apos;une liste de mots.%CRLF%Donnez-lui les mots voulus et il cherche une grille qui en contient le plus possible.</translation>
    </message>
    <message>
        <source>Lettrava can play in other languages too: put another dictionary into the dict folder and choose it on the General page of the Preferences.</source>
        <translation>Lettrava joue aussi dans d&apos;autres langues : placez un autre dictionnaire dans le dossier dict et choisissez-le sur la page Général des Préférences.</translation>
    </message>
    <message>
        <source>Between rounds, click the round-time picture to make the next round 15 seconds longer, or right-click it to make it shorter.</source>
        <translation>Entre deux manches, cliquez sur l&apos;image de la durée pour allonger la manche suivante de 15 secondes, ou faites un clic droit pour la raccourcir.</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>You already submitted %1</source>
        <translation>Vous avez déjà proposé %1</translation>
    </message>
    <message>
        <source>Shame on you!</source>
        <translation>Honte à vous !</translation>
    </message>
    <message>
        <source>* %1 * is good for 1 point!</source>
        <translation>* %1 * rapporte 1 point !</translation>
    </message>
    <message>
        <source>* %1 * is good for %2 points!</source>
        <translation>* %1 * rapporte %2 points !</translation>
    </message>
    <message>
        <source>* %1 * is invalid.  Only %2 letter words are valid.</source>
        <translation>* %1 * n&apos;est pas valable. Seuls les mots de %2 lettres comptent.</translation>
    </message>
    <message>
        <source>* %1 * is invalid.  Words must be at least %2 letters long</source>
        <translation>* %1 * n&apos;est pas valable. Les mots doivent avoir au moins %2 lettres</translation>
    </message>
    <message>
        <source>* %1 * is invalid.  Words can be no more than %2 letters long</source>
        <translation>* %1 * n&apos;est pas valable. Les mots ont au plus %2 lettres</translation>
    </message>
    <message>
        <source>* %1 * is not in the dictionary</source>
        <translation>* %1 * n&apos;est pas dans le dictionnaire</translation>
    </message>
    <message>
        <source>* %1 * is not in the grid</source>
        <translation>* %1 * n&apos;est pas dans la grille</translation>
    </message>
    <message>
        <source>* %1 * is invalid because letter reuse not allowed</source>
        <translation>* %1 * n&apos;est pas valable : la réutilisation des lettres est interdite</translation>
    </message>
</context>
<context>
    <name>Word order</name>
    <message>
        <source>Input Order</source>
        <translation>Ordre de saisie</translation>
    </message>
    <message>
        <source>Alphabetically</source>
        <translation>Alphabétique</translation>
    </message>
    <message>
        <source>Length Ascending</source>
        <translation>Longueur croissante</translation>
    </message>
    <message>
        <source>Length Descending</source>
        <translation>Longueur décroissante</translation>
    </message>
</context>
<context>
    <name>lettrava::TALSTipDlg</name>
    <message>
        <source>Lettrava Tip of the Day</source>
        <translation>Lettrava - Astuce du jour</translation>
    </message>
    <message>
        <source>Did you know...</source>
        <translation>Le saviez-vous...</translation>
    </message>
    <message>
        <source> &amp;Show tips at startup</source>
        <translation> &amp;Afficher les astuces au démarrage</translation>
    </message>
    <message>
        <source>&amp;Previous Tip</source>
        <translation>Astuce &amp;précédente</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>Astuce &amp;suivante</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>lettrava::TAboutBox</name>
    <message>
        <source>About Lettrava</source>
        <translation>À propos de Lettrava</translation>
    </message>
    <message>
        <source>To submit questions, suggestions and bug reports, use the feedback form by pressing the button below, or email us at:</source>
        <translation>Pour envoyer questions, suggestions et signalements d&apos;erreurs, utilisez le formulaire d&apos;avis avec le bouton ci-dessous, ou écrivez-nous à :</translation>
    </message>
    <message>
        <source>Submit Feedback*</source>
        <translation>Envoyer un avis*</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Avis</translation>
    </message>
    <message>
        <source>Return to Lettrava</source>
        <translation>Retour à Lettrava</translation>
    </message>
    <message>
        <source>*Requires Internet Connection</source>
        <translation>*Connexion Internet nécessaire</translation>
    </message>
</context>
<context>
    <name>lettrava::TAddWordForm</name>
    <message>
        <source>Do you really want to add the word %1 to the custom dictionary?</source>
        <translation>Voulez-vous vraiment ajouter le mot %1 au dictionnaire personnel ?</translation>
    </message>
    <message>
        <source>The word %1 was added.  Next time it is used it will be valid.</source>
        <translation>Le mot %1 a été ajouté. Il sera valable la prochaine fois.</translation>
    </message>
    <message>
        <source>Add Word</source>
        <translation>Ajouter le mot</translation>
    </message>
    <message>
        <source>Send word to lettrava suggestion box for inclusion in later version.</source>
        <translation>Envoyer le mot à la boîte à idées de Lettrava.</translation>
    </message>
    <message>
        <source>Lettrava Server</source>
        <translation>Serveur Lettrava</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>État :</translation>
    </message>
    <message>
        <source>Response:</source>
        <translation>Réponse :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Trying to send word.</source>
        <translation>Envoi du mot en cours.</translation>
    </message>
    <message>
        <source>The word server&apos;s address is not valid: %1</source>
        <translation>L&apos;adresse du serveur de mots n&apos;est pas valable : %1</translation>
    </message>
    <message>
        <source>No response from server.</source>
        <translation>Pas de réponse du serveur.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Terminé.</translation>
    </message>
    <message>
        <source>The word could not be added.  Please make sure the file                   Lettrava.Cus is not already open or marked read only.</source>
        <translation>Le mot n&apos;a pas pu être ajouté. Vérifiez que le fichier Lettrava.Cus n&apos;est pas déjà ouvert ou en lecture seule.</translation>
    </message>
    <message>
        <source>No word server is set up, so nothing can be sent: its host goes into the setting &quot;WordServer&quot;.</source>
        <translation>Aucun serveur de mots n&apos;est configuré, rien ne peut être envoyé : son hôte se règle dans le paramètre &quot;WordServer&quot;.</translation>
    </message>
</context>
<context>
    <name>lettrava::TChatPanel</name>
    <message>
        <source>Send text</source>
        <translation>Envoyer le texte</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Add selected individual to game</source>
        <translation>Ajouter la personne choisie à la partie</translation>
    </message>
    <message>
        <source>DEBUG ONLY: this will simulate your disconnection if you are not the host</source>
        <translation>DÉBOGAGE SEULEMENT : simule votre déconnexion si vous n&apos;êtes pas l&apos;hôte</translation>
    </message>
    <message>
        <source>Hide member list</source>
        <translation>Masquer la liste des participants</translation>
    </message>
    <message>
        <source>Show member list</source>
        <translation>Afficher la liste des participants</translation>
    </message>
</context>
<context>
    <name>lettrava::TCongratulationsForm</name>
    <message>
        <source>Game Over</source>
        <translation>Partie terminée</translation>
    </message>
    <message>
        <source>- Game Over -</source>
        <translation>- Partie terminée -</translation>
    </message>
    <message>
        <source>And the WINNER is..........</source>
        <translation>Et le GAGNANT est..........</translation>
    </message>
    <message>
        <source>CONGRATULATIONS!</source>
        <translation>FÉLICITATIONS !</translation>
    </message>
    <message>
        <source>&amp;View Final Results</source>
        <translation>&amp;Voir les résultats finaux</translation>
    </message>
</context>
<context>
    <name>lettrava::TFactoryMode</name>
    <message>
        <source>Lettrava Grids (*.GRD *.grd)</source>
        <translation>Grilles Lettrava (*.GRD *.grd)</translation>
    </message>
    <message>
        <source>&amp;Grid</source>
        <translation>&amp;Grille</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouvelle</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Aléatoire</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Exit Factory</source>
        <translation>Quitter l&apos;atelier</translation>
    </message>
    <message>
        <source>Exit Lettrava</source>
        <translation>Quitter Lettrava</translation>
    </message>
    <message>
        <source>Word List</source>
        <translation>Liste de mots</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Allow Reuse</source>
        <translation>Réutilisation permise</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colonnes</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>Min Word Length</source>
        <translation>Longueur min. des mots</translation>
    </message>
    <message>
        <source>Max Word Length</source>
        <translation>Longueur max. des mots</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Préférences</translation>
    </message>
    <message>
        <source>Word Length</source>
        <translation>Longueur des mots</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>Allow reuse</source>
        <translation>Réutilisation permise</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Solution</translation>
    </message>
    <message>
        <source>Count:</source>
        <translation>Nombre :</translation>
    </message>
    <message>
        <source>Lookup</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Sort Order</source>
        <translation>Tri</translation>
    </message>
    <message>
        <source>Do you want to save the grid?</source>
        <translation>Voulez-vous enregistrer la grille ?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>Load Lettrava Grid</source>
        <translation>Charger une grille Lettrava</translation>
    </message>
    <message>
        <source>;;Any file (*)</source>
        <translation>;;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Unable to load grid.</source>
        <translation>Impossible de charger la grille.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Save Lettrava Grid</source>
        <translation>Enregistrer la grille Lettrava</translation>
    </message>
    <message>
        <source>Unable to save grid to disk.</source>
        <translation>Impossible d&apos;enregistrer la grille sur le disque.</translation>
    </message>
    <message>
        <source>Start again with an empty grid</source>
        <translation>Recommencer avec une grille vide</translation>
    </message>
    <message>
        <source>Load a grid from disk</source>
        <translation>Charger une grille depuis le disque</translation>
    </message>
    <message>
        <source>Generate new grid with random letters</source>
        <translation>Créer une grille de lettres au hasard</translation>
    </message>
    <message>
        <source>Save grid to disk</source>
        <translation>Enregistrer la grille sur le disque</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Résoudre</translation>
    </message>
    <message>
        <source>Solve grid</source>
        <translation>Résoudre la grille</translation>
    </message>
</context>
<context>
    <name>lettrava::TFactoryWordListForm</name>
    <message>
        <source>Grid Factory Word List</source>
        <translation>Atelier de grilles - Liste de mots</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Enter a word</source>
        <translation>Saisissez un mot</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Mot</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Open word list file</source>
        <translation>Ouvrir une liste de mots</translation>
    </message>
    <message>
        <source>Text files (*.txt);;Any file (*)</source>
        <translation>Fichiers texte (*.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Do you want to stop the grid generation process?</source>
        <translation>Voulez-vous arrêter la création de la grille ?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>Word list length:</source>
        <translation>Longueur de la liste :</translation>
    </message>
    <message>
        <source>Words Placed:</source>
        <translation>Mots placés :</translation>
    </message>
    <message>
        <source>Search time:</source>
        <translation>Durée de recherche :</translation>
    </message>
    <message>
        <source>Generations:</source>
        <translation>Générations :</translation>
    </message>
    <message>
        <source>Generate Grid</source>
        <translation>Créer la grille</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Impossible d&apos;ouvrir le fichier &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is too large to be a word list.</source>
        <translation>Le fichier &quot;%1&quot; est trop volumineux pour une liste de mots.</translation>
    </message>
</context>
<context>
    <name>lettrava::TGameOptionsGroup</name>
    <message>
        <source>Game Options</source>
        <translation>Options de jeu</translation>
    </message>
    <message>
        <source>Shortest word</source>
        <translation>Mot le plus court</translation>
    </message>
    <message>
        <source>Longest word</source>
        <translation>Mot le plus long</translation>
    </message>
    <message>
        <source>Allowable Word Length:</source>
        <translation>Longueur des mots permise :</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>Grid Porosity (% blank):</source>
        <translation>Porosité de la grille (% vide) :</translation>
    </message>
    <message>
        <source>&amp;Bonus Word Enabled</source>
        <translation>&amp;Mot bonus activé</translation>
    </message>
    <message>
        <source>Allow Letter &amp;Reuse</source>
        <translation>&amp;Réutilisation des lettres</translation>
    </message>
    <message>
        <source>Grid Size Order:</source>
        <translation>Ordre des tailles :</translation>
    </message>
    <message>
        <source>Rounds Per Game:</source>
        <translation>Manches par partie :</translation>
    </message>
    <message>
        <source>Round Duration:</source>
        <translation>Durée d&apos;une manche :</translation>
    </message>
    <message>
        <source>Round Duration (M:SS):</source>
        <translation>Durée (M:SS) :</translation>
    </message>
    <message>
        <source>Round minutes</source>
        <translation>Minutes de la manche</translation>
    </message>
    <message>
        <source>Round seconds</source>
        <translation>Secondes de la manche</translation>
    </message>
</context>
<context>
    <name>lettrava::TGridFileList</name>
    <message>
        <source>Round %1: </source>
        <translation>Manche %1 : </translation>
    </message>
    <message>
        <source>[randomly generated grid]</source>
        <translation>[grille au hasard]</translation>
    </message>
</context>
<context>
    <name>lettrava::THelpForm</name>
    <message>
        <source>Lettrava Help</source>
        <translation>Aide de Lettrava</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>lettrava::THelpWarningForm</name>
    <message>
        <source>Lettrava is unable to initialize the Lettrava help system.  This is most likely due to your having an outdated version of Microsoft Internet Explorer or none at all.  Version 5 or greater is recommended.

You may either click on the link below to download Internet Explorer (you must be connected to the internet), or continue to use Lettrava without access to help.</source>
        <translation>Lettrava ne parvient pas à démarrer son système d&apos;aide. Cela vient sans doute d&apos;une version dépassée de Microsoft Internet Explorer, ou de son absence. La version 5 ou plus récente est recommandée.

Vous pouvez cliquer sur le lien ci-dessous pour télécharger Internet Explorer (connexion Internet nécessaire), ou continuer à utiliser Lettrava sans l&apos;aide.</translation>
    </message>
    <message>
        <source>Welcome to Lettrava</source>
        <translation>Bienvenue dans Lettrava</translation>
    </message>
    <message>
        <source>Download Internet Explorer</source>
        <translation>Télécharger Internet Explorer</translation>
    </message>
    <message>
        <source>Do Not Show this Message Again</source>
        <translation>Ne plus afficher ce message</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>lettrava::TLookupWindow</name>
    <message>
        <source>Lettrava Lookup</source>
        <translation>Lettrava - Recherche</translation>
    </message>
    <message>
        <source>No definition of %1 was found.</source>
        <translation>Aucune définition de %1 n&apos;a été trouvée.</translation>
    </message>
    <message>
        <source>From %1:

</source>
        <translation>Selon %1 :

</translation>
    </message>
</context>
<context>
    <name>lettrava::TMainForm</name>
    <message>
        <source>Lettrava Saved Games (*.LTG *.ltg)</source>
        <translation>Parties Lettrava (*.LTG *.ltg)</translation>
    </message>
    <message>
        <source>Load Lettrava Game</source>
        <translation>Charger une partie Lettrava</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Enregistrer la partie</translation>
    </message>
    <message>
        <source>Are you sure you want to abort this round?</source>
        <translation>Voulez-vous vraiment arrêter cette manche ?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>Print Grid</source>
        <translation>Imprimer la grille</translation>
    </message>
    <message>
        <source>Save Lettrava Grid</source>
        <translation>Enregistrer la grille Lettrava</translation>
    </message>
    <message>
        <source>Lettrava Grids (*.GRD *.grd)</source>
        <translation>Grilles Lettrava (*.GRD *.grd)</translation>
    </message>
    <message>
        <source>Unable to save grid to disk.</source>
        <translation>Impossible d&apos;enregistrer la grille sur le disque.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Reprendre</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
</context>
<context>
    <name>lettrava::TNetworkPlay</name>
    <message>
        <source>You are in the game.  The host will start the round.</source>
        <translation>Vous êtes dans la partie. L&apos;hôte va lancer la manche.</translation>
    </message>
    <message>
        <source>H&amp;ost</source>
        <translation>&amp;Hôte</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Verrouiller</translation>
    </message>
    <message>
        <source>Allow no more new connections</source>
        <translation>Refuser toute nouvelle connexion</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>End game, disconnect clients and close network connection.</source>
        <translation>Terminer la partie, déconnecter les participants et fermer la connexion réseau.</translation>
    </message>
    <message>
        <source>Could not listen for network players on port %1: %2</source>
        <translation>Impossible d&apos;attendre des joueurs en réseau sur le port %1 : %2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>This feature is not yet enabled.</source>
        <translation>Cette fonction n&apos;est pas encore disponible.</translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation>Désolé</translation>
    </message>
    <message>
        <source>This will end the game and disconnect any remote players, are you sure?</source>
        <translation>La partie va se terminer et les joueurs distants seront déconnectés. Êtes-vous sûr ?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Waiting for round results.  Please stand by...</source>
        <translation>En attente des résultats de la manche. Veuillez patienter...</translation>
    </message>
    <message>
        <source>Waiting for restart.  Please stand by...</source>
        <translation>En attente du redémarrage. Veuillez patienter...</translation>
    </message>
</context>
<context>
    <name>lettrava::TPlayPanels</name>
    <message>
        <source>Round 1</source>
        <translation>Manche 1</translation>
    </message>
    <message>
        <source>Click to take a minute off the round</source>
        <translation>Cliquez pour retirer une minute à la manche</translation>
    </message>
    <message>
        <source>Set Round Time</source>
        <translation>Durée de la manche</translation>
    </message>
    <message>
        <source>Grid Size</source>
        <translation>Taille de la grille</translation>
    </message>
    <message>
        <source>Grid columns</source>
        <translation>Colonnes de la grille</translation>
    </message>
    <message>
        <source>Grid rows</source>
        <translation>Lignes de la grille</translation>
    </message>
    <message>
        <source>Cols</source>
        <translation>Col.</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>100 pts</source>
        <translation>100 pts</translation>
    </message>
    <message>
        <source>Enter Word</source>
        <translation>Votre mot</translation>
    </message>
    <message>
        <source>The game is paused.  Please press Pause again to continue.</source>
        <translation>La partie est en pause. Appuyez de nouveau sur Pause pour continuer.</translation>
    </message>
</context>
<context>
    <name>lettrava::TPlayerInfoDlg</name>
    <message>
        <source>Network</source>
        <translation>Réseau</translation>
    </message>
    <message>
        <source>Listen for network players:</source>
        <translation>Attendre des joueurs en réseau :</translation>
    </message>
    <message>
        <source>Listen for network players</source>
        <translation>Attendre des joueurs en réseau</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port :</translation>
    </message>
    <message>
        <source>Email (optional):</source>
        <translation>Courriel (facultatif) :</translation>
    </message>
    <message>
        <source>Message (optional):</source>
        <translation>Message (facultatif) :</translation>
    </message>
    <message>
        <source>Network games cannot be hosted from here.</source>
        <translation>Impossible d&apos;héberger une partie en réseau d&apos;ici.</translation>
    </message>
    <message>
        <source>Host&apos;s Version</source>
        <translation>Version de l&apos;hôte</translation>
    </message>
    <message>
        <source>Program:</source>
        <translation>Programme :</translation>
    </message>
    <message>
        <source>Dictionary:</source>
        <translation>Dictionnaire :</translation>
    </message>
    <message>
        <source>Grid files by round</source>
        <translation>Fichiers de grille par manche</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>&amp;Lancer la partie</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>The new game is hosted on the connections already open.</source>
        <translation>La nouvelle partie est hébergée sur les connexions déjà ouvertes.</translation>
    </message>
    <message>
        <source>Select Grid File</source>
        <translation>Choisir un fichier de grille</translation>
    </message>
    <message>
        <source>Lettrava Grids (*.GRD *.grd)</source>
        <translation>Grilles Lettrava (*.GRD *.grd)</translation>
    </message>
    <message>
        <source>The file %1 results in an empty grid (perhaps it is not really a grid file?).  Are you sure you want to schedule it for use in the game?</source>
        <translation>Le fichier %1 donne une grille vide (ce n&apos;est peut-être pas un fichier de grille ?). Voulez-vous vraiment le prévoir pour la partie ?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Enter Player Information</source>
        <translation>Informations sur les joueurs</translation>
    </message>
    <message>
        <source>Keyboard and Mouse</source>
        <translation>Clavier et souris</translation>
    </message>
    <message>
        <source>Keyboard Only</source>
        <translation>Clavier seul</translation>
    </message>
    <message>
        <source>Mouse Only</source>
        <translation>Souris seule</translation>
    </message>
    <message>
        <source>Computer Player</source>
        <translation>Joueur ordinateur</translation>
    </message>
    <message>
        <source>Smallest to Largest</source>
        <translation>Du plus petit au plus grand</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Aléatoire</translation>
    </message>
    <message>
        <source>Set Manually Each Round</source>
        <translation>À régler à chaque manche</translation>
    </message>
    <message>
        <source>Load from Files</source>
        <translation>Charger depuis des fichiers</translation>
    </message>
    <message>
        <source>Automatic Based on Grid Size</source>
        <translation>Automatique selon la taille</translation>
    </message>
    <message>
        <source>Set Manually</source>
        <translation>Réglage manuel</translation>
    </message>
</context>
<context>
    <name>lettrava::TPlayerStatsForm</name>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Games Completed:</source>
        <translation>Parties terminées :</translation>
    </message>
    <message>
        <source>Games Won:</source>
        <translation>Parties gagnées :</translation>
    </message>
    <message>
        <source>Longest Word:</source>
        <translation>Mot le plus long :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>lettrava::TPlayersGroup</name>
    <message>
        <source>Host</source>
        <translation>Hôte</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Distant</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>Total # of Players*:</source>
        <translation>Nombre de joueurs* :</translation>
    </message>
    <message>
        <source>*Includes computer players but NOT network players</source>
        <translation>*Joueurs ordinateur compris, mais PAS les joueurs en réseau</translation>
    </message>
    <message>
        <source>Player %1:</source>
        <translation>Joueur %1 :</translation>
    </message>
    <message>
        <source>Player %1 input method</source>
        <translation>Mode de saisie du joueur %1</translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation>Nom du joueur %1</translation>
    </message>
    <message>
        <source>Another player uses this input device too.</source>
        <translation>Un autre joueur utilise aussi ce périphérique.</translation>
    </message>
</context>
<context>
    <name>lettrava::TPreferencesForm</name>
    <message>
        <source>Lettrava Preferences</source>
        <translation>Préférences de Lettrava</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>Board Font</source>
        <translation>Police de la grille</translation>
    </message>
    <message>
        <source>&amp;Lists</source>
        <translation>&amp;Listes</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Police</translation>
    </message>
    <message>
        <source>&amp;Sort order</source>
        <translation>&amp;Tri</translation>
    </message>
    <message>
        <source>&amp;Wallpaper</source>
        <translation>Fond d&apos;é&amp;cran</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>Sou&amp;nd</source>
        <translation>&amp;Son</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Tester</translation>
    </message>
    <message>
        <source>Stop Test</source>
        <translation>Arrêter le test</translation>
    </message>
    <message>
        <source>Check &amp;All</source>
        <translation>&amp;Tout cocher</translation>
    </message>
    <message>
        <source>&amp;Uncheck All</source>
        <translation>To&amp;ut décocher</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Polices</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>WORDS  LETTERS</source>
        <translation>MOTS  LETTRES</translation>
    </message>
    <message>
        <source>Modif&amp;y</source>
        <translation>Choi&amp;sir...</translation>
    </message>
    <message>
        <source>Game board font:</source>
        <translation>Police de la grille :</translation>
    </message>
    <message>
        <source>Word Lists</source>
        <translation>Listes de mots</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Police :</translation>
    </message>
    <message>
        <source>De&amp;fault sort order:</source>
        <translation>Tri par défa&amp;ut :</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Mots</translation>
    </message>
    <message>
        <source>Definition loo&amp;kup address:</source>
        <translation>Adresse de recherche des défi&amp;nitions :</translation>
    </message>
    <message>
        <source>Use &amp;dictionaries:</source>
        <translation>D&amp;ictionnaire :</translation>
    </message>
    <message>
        <source>&amp;Reload Dictionaries</source>
        <translation>&amp;Recharger les dictionnaires</translation>
    </message>
    <message>
        <source>Show &amp;Tip of the Day At Startup</source>
        <translation>Affic&amp;her l&apos;astuce du jour au démarrage</translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>Lang&amp;uage:</source>
        <translation>Lan&amp;gue :</translation>
    </message>
    <message>
        <source>The windows change language when Lettrava starts next.</source>
        <translation>Les fenêtres changent de langue au prochain démarrage de Lettrava.</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Fond d&apos;écran</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir...</translation>
    </message>
    <message>
        <source>T&amp;ile</source>
        <translation>Mosaï&amp;que</translation>
    </message>
    <message>
        <source>Str&amp;etch</source>
        <translation>&amp;Étirer</translation>
    </message>
    <message>
        <source>Re&amp;vert To Default</source>
        <translation>Ré&amp;tablir par défaut</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>&amp;Disable All Sound</source>
        <translation>&amp;Couper tous les sons</translation>
    </message>
    <message>
        <source>Note:  If changing preferences during a round, some changes may not take effect until the next round.</source>
        <translation>Remarque : si vous changez les préférences pendant une manche, certains changements ne prendront effet qu&apos;à la manche suivante.</translation>
    </message>
    <message>
        <source>Game Board Font</source>
        <translation>Police de la grille</translation>
    </message>
    <message>
        <source>Word List Font</source>
        <translation>Police des listes de mots</translation>
    </message>
    <message>
        <source>Select Lettrava Wallpaper</source>
        <translation>Choisir le fond d&apos;écran de Lettrava</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp);;Pictures (*.bmp *.png *.jpg *.jpeg)</source>
        <translation>Bitmaps (*.bmp);;Images (*.bmp *.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>Jouer le son</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>Select sound for %1</source>
        <translation>Choisir le son pour %1</translation>
    </message>
    <message>
        <source>Wave sounds (*.wav);;All files (*)</source>
        <translation>Sons Wave (*.wav);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Your screen resolution is currently set to 256 colors or less.  Wallpaper is not supported at this color depth.  Press the Help button for instructions on increasing your color depth.</source>
        <translation>Votre écran est réglé sur 256 couleurs ou moins. Le fond d&apos;écran n&apos;est pas pris en charge avec si peu de couleurs. Cliquez sur Aide pour savoir comment augmenter le nombre de couleurs.</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Mosaïque</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Étirer</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activer</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Hel&amp;p</source>
        <translation>Ai&amp;de</translation>
    </message>
</context>
<context>
    <name>lettrava::TRRForm</name>
    <message>
        <source>Bonus:</source>
        <translation>Bonus :</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Solution</translation>
    </message>
    <message>
        <source>Count:</source>
        <translation>Nombre :</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Masquer</translation>
    </message>
</context>
<context>
    <name>lettrava::TResultsMenus</name>
    <message>
        <source>&amp;Word List</source>
        <translation>&amp;Liste de mots</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Joueur %1</translation>
    </message>
    <message>
        <source>Lookup</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Add Word</source>
        <translation>Ajouter le mot</translation>
    </message>
    <message>
        <source>View Stats</source>
        <translation>Voir les statistiques</translation>
    </message>
    <message>
        <source>Sort Order</source>
        <translation>Tri</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Solution</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Masquer</translation>
    </message>
    <message>
        <source>&amp;Return to Game</source>
        <translation>&amp;Retour au jeu</translation>
    </message>
    <message>
        <source>Local Dictionary</source>
        <translation>Dictionnaire local</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
</context>
<context>
    <name>lettrava::TRoundScoreTable</name>
    <message>
        <source>     Round     </source>
        <translation>     Manche     </translation>
    </message>
    <message>
        <source>     Game     </source>
        <translation>     Partie     </translation>
    </message>
    <message>
        <source>Words    Points</source>
        <translation>Mots    Points</translation>
    </message>
    <message>
        <source>Longest Word</source>
        <translation>Mot le plus long</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Player found bonus word this round</source>
        <translation>Le joueur a trouvé le mot bonus de la manche</translation>
    </message>
    <message>
        <source>V</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Player got all valid bonus this round</source>
        <translation>Le joueur a eu le bonus sans faute dans la manche</translation>
    </message>
</context>
<context>
    <name>lettrava::TSpeedBar</name>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Enregistrer la partie</translation>
    </message>
    <message>
        <source>GO</source>
        <translation>GO</translation>
    </message>
    <message>
        <source>Start Round</source>
        <translation>Lancer la manche</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Clear Mouse Clicks</source>
        <translation>Effacer les clics de souris</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Abort Round (round will count)</source>
        <translation>Arrêter la manche (elle comptera)</translation>
    </message>
</context>
<context>
    <name>lettrava::TStatSummaryForm</name>
    <message>
        <source>Lettrava Stats</source>
        <translation>Statistiques Lettrava</translation>
    </message>
</context>
<context>
    <name>lettrava::TTCPForm</name>
    <message>
        <source>Please specify the name you would like to use, the game host&apos;s IP Address (or hostname) and Port.  These values should have been given to you by the person arranging the game.  If the port was not given to you, use the default value supplied.</source>
        <translation>Indiquez le nom que vous voulez utiliser, l&apos;adresse IP (ou le nom) de l&apos;hôte de la partie et le port. La personne qui organise la partie a dû vous les donner. Si vous n&apos;avez pas reçu de port, gardez la valeur proposée.</translation>
    </message>
    <message>
        <source>You have been disconnected from the host.  This could be due to network failure.
To attempt to reconnect, please click the button below.</source>
        <translation>Vous avez été déconnecté de l&apos;hôte, peut-être à cause d&apos;une panne du réseau.
Pour vous reconnecter, cliquez sur le bouton ci-dessous.</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Whisper</source>
        <translation>Chuchoter</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Courriel</translation>
    </message>
    <message>
        <source>Player name:</source>
        <translation>Nom du joueur :</translation>
    </message>
    <message>
        <source>Host Address:</source>
        <translation>Adresse de l&apos;hôte :</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port :</translation>
    </message>
    <message>
        <source>Your Email (optional):</source>
        <translation>Votre courriel (facultatif) :</translation>
    </message>
    <message>
        <source>Message (optional):</source>
        <translation>Message (facultatif) :</translation>
    </message>
    <message>
        <source>&amp;Connect to Host</source>
        <translation>Se &amp;connecter à l&apos;hôte</translation>
    </message>
    <message>
        <source>Oops!</source>
        <translation>Oups !</translation>
    </message>
    <message>
        <source>Reconnect</source>
        <translation>Se reconnecter</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; n&apos;est pas un nombre entier valable</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Annulation...</translation>
    </message>
    <message>
        <source>Retry attempts: %1</source>
        <translation>Nouvelles tentatives : %1</translation>
    </message>
    <message>
        <source>Lettrava Whisper</source>
        <translation>Lettrava - Chuchotement</translation>
    </message>
    <message>
        <source>Private message to %1:</source>
        <translation>Message privé pour %1 :</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>Profile of %1 (Game Host) - Email: %2</source>
        <translation>Profil de %1 (hôte) - Courriel : %2</translation>
    </message>
    <message>
        <source>Profile of %1 (Logged in from &lt;&lt; %2 - %3 &gt;&gt; - Email: %4</source>
        <translation>Profil de %1 (connecté depuis &lt;&lt; %2 - %3 &gt;&gt; - Courriel : %4</translation>
    </message>
    <message>
        <source>Has: Game version: %1 - Dictionary version: %2</source>
        <translation>A : version du jeu : %1 - version du dictionnaire : %2</translation>
    </message>
    <message>
        <source>Message: &quot;%1&quot;</source>
        <translation>Message : &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>lettrava::TWelcomePanel</name>
    <message>
        <source>Welcome to Lettrava</source>
        <translation>Bienvenue dans Lettrava</translation>
    </message>
    <message>
        <source>&amp;Start a New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Continue a Saved Game</source>
        <translation>&amp;Continuer une partie</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>&amp;Comment jouer</translation>
    </message>
    <message>
        <source>&amp;Join an Internet Game</source>
        <translation>&amp;Rejoindre une partie Internet</translation>
    </message>
    <message>
        <source>Click a dot or use the Menu to let the fun begin!</source>
        <translation>Cliquez sur un bouton ou utilisez le menu, et que la partie commence !</translation>
    </message>
</context>
<context>
    <name>lettrava::TWordListBox</name>
    <message>
        <source>Not in the grid</source>
        <translation>Absent de la grille</translation>
    </message>
    <message>
        <source>Not in the dictionary</source>
        <translation>Absent du dictionnaire</translation>
    </message>
    <message>
        <source>Unique word: no other player found it</source>
        <translation>Mot unique : aucun autre joueur ne l&apos;a trouvé</translation>
    </message>
</context>
<context>
    <name>lettrava::WordLookup</name>
    <message>
        <source>It appears you do not have the dictionary installed. If you downloaded the non-dictionary version and would now like to be able to look up definitions locally, please visit %1 and download and install the dictionary version.

</source>
        <translation>Le dictionnaire ne semble pas installé. Si vous avez téléchargé la version sans dictionnaire et voulez rechercher les définitions sur cet ordinateur, allez sur %1 pour télécharger et installer la version avec dictionnaire.

</translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation>Désolé</translation>
    </message>
    <message>
        <source>URL Needed</source>
        <translation>Adresse nécessaire</translation>
    </message>
    <message>
        <source>Please enter a location (accept the default if unsure)</source>
        <translation>Saisissez une adresse (gardez celle proposée en cas de doute)</translation>
    </message>
    <message>
        <source>The Dictionary is not available.  Please use the internet lookup or reinstall the dictionary version of Lettrava</source>
        <translation>Le dictionnaire n&apos;est pas disponible. Utilisez la recherche sur Internet ou réinstallez la version de Lettrava avec dictionnaire</translation>
    </message>
</context>
</TS>
