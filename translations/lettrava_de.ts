<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Client</name>
    <message>
        <source>Please type or select a player name.</source>
        <translation>Bitte geben Sie einen Spielernamen ein oder wählen Sie einen aus.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Please enter an IP address or host name.</source>
        <translation>Bitte geben Sie eine IP-Adresse oder einen Hostnamen ein.</translation>
    </message>
    <message>
        <source>Connecting to %1 on port %2...</source>
        <translation>Verbindung zu %1 über Port %2 wird hergestellt...</translation>
    </message>
    <message>
        <source>Maximum attempts reached.  Quitting...</source>
        <translation>Maximale Anzahl an Versuchen erreicht.  Vorgang wird beendet...</translation>
    </message>
    <message>
        <source>Connection failed with message: %1
Will retry (maybe host wasn&apos;t quite ready).  Press cancel to abort.
</source>
        <translation>Verbindung fehlgeschlagen mit der Meldung: %1
Neuer Versuch folgt (vielleicht war der Gastgeber noch nicht ganz bereit).  Klicken Sie auf Abbrechen, um aufzugeben.
</translation>
    </message>
    <message>
        <source>That name is already in use.</source>
        <translation>Dieser Name ist bereits vergeben.</translation>
    </message>
    <message>
        <source>Names can be at most %1 characters long.</source>
        <translation>Namen dürfen höchstens %1 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>Recipient missing.  Whisper format: &quot;/w [name] [message]&quot;</source>
        <translation>Empfänger fehlt.  Format zum Flüstern: &quot;/w [Name] [Nachricht]&quot;</translation>
    </message>
    <message>
        <source>There is no one here by the name of &quot;%1&quot;</source>
        <translation>Hier gibt es niemanden mit dem Namen &quot;%1&quot;</translation>
    </message>
    <message>
        <source>You whispered to %1: %2</source>
        <translation>Sie haben %1 zugeflüstert: %2</translation>
    </message>
    <message>
        <source>Sorry, I don&apos;t understand that command.</source>
        <translation>Diesen Befehl verstehe ich leider nicht.</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Verbindung getrennt</translation>
    </message>
    <message>
        <source>*** The Host ended round %1 abrubtly.  The round will count.</source>
        <translation>*** Der Gastgeber hat Runde %1 vorzeitig beendet.  Die Runde wird gewertet.</translation>
    </message>
    <message>
        <source>*** The Host ended round %1 abrubtly.  The round will not count.</source>
        <translation>*** Der Gastgeber hat Runde %1 vorzeitig beendet.  Die Runde wird nicht gewertet.</translation>
    </message>
    <message>
        <source>*** The Host started a new game.</source>
        <translation>*** Der Gastgeber hat ein neues Spiel gestartet.</translation>
    </message>
    <message>
        <source>The host has shut down abruptly (but deliberately)</source>
        <translation>Der Gastgeber wurde plötzlich (aber absichtlich) beendet</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Hinweis</translation>
    </message>
</context>
<context>
    <name>Dictionary</name>
    <message>
        <source>warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>There is no dictionary selected or the dictionary is missing.  Please go to Preferences/General and select a dictionary.</source>
        <translation>Es ist kein Wörterbuch ausgewählt oder das Wörterbuch fehlt.  Bitte wählen Sie unter Einstellungen/Allgemein ein Wörterbuch aus.</translation>
    </message>
    <message>
        <source>There are missing characters (&apos;=&apos;) from the dictionary</source>
        <translation>Im Wörterbuch fehlen Zeichen (&apos;=&apos;)</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation>Runde %1</translation>
    </message>
    <message>
        <source>Please stand by . . .</source>
        <translation>Bitte warten . . .</translation>
    </message>
    <message>
        <source>You may submit words now</source>
        <translation>Sie können jetzt Wörter eingeben</translation>
    </message>
    <message>
        <source>Waiting for all players to finish.  Please stand by...</source>
        <translation>Warten, bis alle Spieler fertig sind.  Bitte warten...</translation>
    </message>
    <message>
        <source>OVER</source>
        <translation>ENDE</translation>
    </message>
    <message>
        <source>ABORTED</source>
        <translation>ABBRUCH</translation>
    </message>
    <message>
        <source>All players finished.</source>
        <translation>Alle Spieler sind fertig.</translation>
    </message>
    <message>
        <source>Wait time limit exceeded. Forcing round completion.</source>
        <translation>Wartezeit überschritten. Die Runde wird beendet.</translation>
    </message>
    <message>
        <source>Click GO or press Enter to start the LAST round</source>
        <translation>Klicken Sie auf LOS oder drücken Sie Enter, um die LETZTE Runde zu starten</translation>
    </message>
    <message>
        <source>Click GO or press Enter to start round %1</source>
        <translation>Klicken Sie auf LOS oder drücken Sie Enter, um Runde %1 zu starten</translation>
    </message>
    <message>
        <source>Round time: %1</source>
        <translation>Rundenzeit: %1</translation>
    </message>
    <message>
        <source>Round time: %1 - Left (right) click to increase (decrease)</source>
        <translation>Rundenzeit: %1 - Linksklick verlängert, Rechtsklick verkürzt</translation>
    </message>
    <message>
        <source>%1 pts</source>
        <translation>%1 Pkt.</translation>
    </message>
    <message>
        <source>It was a tie!</source>
        <translation>Unentschieden!</translation>
    </message>
    <message>
        <source>There are no results to view at this time.</source>
        <translation>Derzeit gibt es keine Ergebnisse anzuzeigen.</translation>
    </message>
    <message>
        <source>Sorry, that does not appear to be a Lettrava game file.

If it is a Lettrava file, it is from an outdated version.</source>
        <translation>Das scheint leider keine Lettrava-Spieldatei zu sein.

Falls es doch eine Lettrava-Datei ist, stammt sie aus einer veralteten Version.</translation>
    </message>
    <message>
        <source>Unable to load game file.  Perhaps it is corrupted or is not a valid Lettrava game file.</source>
        <translation>Die Spieldatei konnte nicht geladen werden.  Vielleicht ist sie beschädigt oder keine gültige Lettrava-Spieldatei.</translation>
    </message>
    <message>
        <source>Unable to save game to disk.</source>
        <translation>Das Spiel konnte nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>MainActions</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Spe&amp;ichern</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Spiel speichern</translation>
    </message>
    <message>
        <source>Save &amp;As..</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;View Player Stats</source>
        <translation>Spielerstatistik an&amp;zeigen</translation>
    </message>
    <message>
        <source>&amp;Grid Factory</source>
        <translation>Raster&amp;fabrik</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Start Round</source>
        <translation>Runde starten</translation>
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
        <translation>Runde zählt trotzdem</translation>
    </message>
    <message>
        <source>Round Doesn&apos;t Count</source>
        <translation>Runde zählt nicht</translation>
    </message>
    <message>
        <source>Print Grid</source>
        <translation>Raster drucken</translation>
    </message>
    <message>
        <source>Save Grid</source>
        <translation>Raster speichern</translation>
    </message>
    <message>
        <source>&amp;Clear Clicks</source>
        <translation>&amp;Klicks löschen</translation>
    </message>
    <message>
        <source>Clear Mouse Clicks</source>
        <translation>Mausklicks löschen</translation>
    </message>
    <message>
        <source>Show &amp;Results</source>
        <translation>Ergebnisse &amp;anzeigen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sounds</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Spieloptionen</translation>
    </message>
    <message>
        <source>Topics</source>
        <translation>Hilfethemen</translation>
    </message>
    <message>
        <source>Tip of the Day</source>
        <translation>Tipp des Tages</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;Round</source>
        <translation>&amp;Runde</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>Final Results</source>
        <translation>Endergebnisse</translation>
    </message>
    <message>
        <source>Round %1 Results</source>
        <translation>Ergebnisse der Runde %1</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Dictionary loaded: %1</source>
        <translation>Wörterbuch geladen: %1</translation>
    </message>
    <message>
        <source>The chosen dictionary will be loaded when this round ends.</source>
        <translation>Das gewählte Wörterbuch wird geladen, sobald diese Runde endet.</translation>
    </message>
    <message>
        <source>Do you want to save the game?</source>
        <translation>Möchten Sie das Spiel speichern?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>This will abort (and not count) the current round.  Are you sure?</source>
        <translation>Dadurch wird die laufende Runde abgebrochen (und nicht gewertet).  Sind Sie sicher?</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; is reserved for a computer player. Please enter a different name.</source>
        <translation>Der Name &quot;%1&quot; ist für einen Computerspieler reserviert. Bitte geben Sie einen anderen Namen ein.</translation>
    </message>
    <message>
        <source>Player %1 is using the Mouse, which has been designated for use by another player also.

Please correct the input methods.</source>
        <translation>Spieler %1 verwendet die Maus, die auch einem anderen Spieler zugewiesen ist.

Bitte korrigieren Sie die Eingabemethoden.</translation>
    </message>
    <message>
        <source>Player %1 is using the Keyboard, which has been designated for use by another player also.

Please correct the input methods.</source>
        <translation>Spieler %1 verwendet die Tastatur, die auch einem anderen Spieler zugewiesen ist.

Bitte korrigieren Sie die Eingabemethoden.</translation>
    </message>
    <message>
        <source>Please enter or select a name for Player %1</source>
        <translation>Bitte geben Sie einen Namen für Spieler %1 ein oder wählen Sie einen aus</translation>
    </message>
    <message>
        <source>Player Name Required</source>
        <translation>Spielername erforderlich</translation>
    </message>
    <message>
        <source>Player &apos;%1&apos; is listed more than once.

Please make all player names unique.</source>
        <translation>Spieler &apos;%1&apos; ist mehrfach aufgeführt.

Bitte geben Sie jedem Spieler einen eigenen Namen.</translation>
    </message>
    <message>
        <source>Duplicate Player Names</source>
        <translation>Doppelte Spielernamen</translation>
    </message>
    <message>
        <source>Only one (local) human player is allowed in a network game.  Please uncheck &quot; Listen for network players&quot; box or remove %1 human player(s)</source>
        <translation>In einem Netzwerkspiel ist nur ein (lokaler) menschlicher Spieler erlaubt.  Bitte entfernen Sie das Häkchen bei &quot;Auf Netzwerkspieler warten&quot; oder entfernen Sie %1 menschliche(n) Spieler</translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation>Entschuldigung</translation>
    </message>
    <message>
        <source>That person is already in the game.  Please enter another.</source>
        <translation>Diese Person ist bereits im Spiel.  Bitte geben Sie eine andere ein.</translation>
    </message>
    <message>
        <source>Input method cannot be changed when &quot;Wait for network players&quot; is checked.  Keyboard and mouse method reserved for host.</source>
        <translation>Die Eingabemethode kann nicht geändert werden, solange &quot;Auf Netzwerkspieler warten&quot; angekreuzt ist.  Tastatur und Maus sind dem Gastgeber vorbehalten.</translation>
    </message>
</context>
<context>
    <name>Sounds</name>
    <message>
        <source>Good Word</source>
        <translation>Gültiges Wort</translation>
    </message>
    <message>
        <source>a valid word is entered</source>
        <translation>ein gültiges Wort eingegeben wird</translation>
    </message>
    <message>
        <source>Word Not in Dict.</source>
        <translation>Nicht im Wörterbuch</translation>
    </message>
    <message>
        <source>a word is submitted that is in the grid but not in the dictionary</source>
        <translation>ein Wort eingegeben wird, das im Raster, aber nicht im Wörterbuch steht</translation>
    </message>
    <message>
        <source>Word Not In Grid</source>
        <translation>Nicht im Raster</translation>
    </message>
    <message>
        <source>a word is submitted that is not in the grid</source>
        <translation>ein Wort eingegeben wird, das nicht im Raster steht</translation>
    </message>
    <message>
        <source>Invalid Penalty</source>
        <translation>Strafgrenze</translation>
    </message>
    <message>
        <source>the last word not in the grid that goes without a penalty is submitted</source>
        <translation>das letzte Wort eingegeben wird, das nicht im Raster steht und noch ohne Strafe bleibt</translation>
    </message>
    <message>
        <source>Lost All Valid Bonus</source>
        <translation>Fehlerlos-Bonus weg</translation>
    </message>
    <message>
        <source>the first word of a round that is not in the dictionary loses the all-valid bonus</source>
        <translation>das erste Wort einer Runde, das nicht im Wörterbuch steht, den Fehlerlos-Bonus kostet</translation>
    </message>
    <message>
        <source>Ten Seconds Left</source>
        <translation>Noch zehn Sekunden</translation>
    </message>
    <message>
        <source>fewer than ten seconds of the round remain</source>
        <translation>die Runde nur noch weniger als zehn Sekunden dauert</translation>
    </message>
    <message>
        <source>Round Over</source>
        <translation>Runde vorbei</translation>
    </message>
    <message>
        <source>a round is over</source>
        <translation>eine Runde zu Ende ist</translation>
    </message>
    <message>
        <source>Won Game</source>
        <translation>Spiel gewonnen</translation>
    </message>
    <message>
        <source>a person wins the game</source>
        <translation>jemand das Spiel gewinnt</translation>
    </message>
    <message>
        <source>Game End</source>
        <translation>Spielende</translation>
    </message>
    <message>
        <source>the last round of a game is over</source>
        <translation>die letzte Runde eines Spiels zu Ende ist</translation>
    </message>
    <message>
        <source>Building Grid</source>
        <translation>Rasteraufbau</translation>
    </message>
    <message>
        <source>the grid of a new round is built</source>
        <translation>das Raster einer neuen Runde aufgebaut wird</translation>
    </message>
    <message>
        <source>Letter Click</source>
        <translation>Buchstabenklick</translation>
    </message>
    <message>
        <source>a letter of the grid is clicked</source>
        <translation>ein Buchstabe im Raster angeklickt wird</translation>
    </message>
    <message>
        <source>Click here to browse for a file to play when %1</source>
        <translation>Klicken Sie hier, um eine Datei auszuwählen, die abgespielt wird, wenn %1</translation>
    </message>
    <message>
        <source>This file will play when %1 (if the box at the left is checked)</source>
        <translation>Diese Datei wird abgespielt, wenn %1 (sofern das Kästchen links angekreuzt ist)</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>%1&apos;s Stats</source>
        <translation>Statistik von %1</translation>
    </message>
    <message>
        <source>%1&apos; Stats</source>
        <translation>Statistik von %1</translation>
    </message>
    <message>
        <source>No player stats available.</source>
        <translation>Keine Spielerstatistik vorhanden.</translation>
    </message>
</context>
<context>
    <name>TPlayView</name>
    <message>
        <source>Word Length:  MIN:%1 MAX:%2</source>
        <translation>Wortlänge:  MIN:%1 MAX:%2</translation>
    </message>
    <message>
        <source>Reuse: </source>
        <translation>Mehrfach: </translation>
    </message>
    <message>
        <source>YES</source>
        <translation>JA</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NEIN</translation>
    </message>
</context>
<context>
    <name>Tips</name>
    <message>
        <source>Need some quiet?  Tick &quot;Disable All Sound&quot; on the Sounds page of the Preferences and Lettrava will not make a peep.</source>
        <translation>Sie brauchen Ruhe?  Kreuzen Sie &quot;Alle Sounds aus&quot; auf der Seite &quot;Sounds&quot; der Einstellungen an, und Lettrava gibt keinen Mucks mehr von sich.</translation>
    </message>
    <message>
        <source>You can play against up to three computer opponents at once.  Pick them in the game setup: from Patsy, who is easy to beat, up to Deep Words, who is not.</source>
        <translation>Sie können gegen bis zu drei Computergegner gleichzeitig spielen.  Wählen Sie sie beim Einrichten des Spiels aus: von Patsy, die leicht zu schlagen ist, bis zu Deep Words, der kaum zu schlagen ist.</translation>
    </message>
    <message>
        <source>Wondering what a word means?  After a round, pick it in the results window and choose Lookup from the Word List menu or the right-click menu.</source>
        <translation>Sie möchten wissen, was ein Wort bedeutet?  Markieren Sie es nach einer Runde im Ergebnisfenster und wählen Sie Nachschlagen im Menü Wortliste oder im Kontextmenü.</translation>
    </message>
    <message>
        <source>Words that are too short or too long for your taste?  Change the shortest and longest word allowed in Game Options.</source>
        <translation>Die Wörter sind Ihnen zu kurz oder zu lang?  Ändern Sie das kürzeste und das längste erlaubte Wort in den Spieloptionen.</translation>
    </message>
    <message>
        <source>+Was one of your words shown in red?  It is in the grid but not in the dictionary.%CRLF%%CRLF%If you are sure it is a real word, choose Add Word in the results window: it goes into your own custom dictionary and counts from the next round on.</source>
        <translation>+Wurde eines Ihrer Wörter rot angezeigt?  Es steht im Raster, aber nicht im Wörterbuch.%CRLF%%CRLF%Wenn Sie sicher sind, dass es ein echtes Wort ist, wählen Sie im Ergebnisfenster Wort hinzufügen: Es kommt in Ihr Benutzerwörterbuch und zählt ab der nächsten Runde.</translation>
    </message>
    <message>
        <source>When you add a word to your custom dictionary you can also send it to the Lettrava suggestion box, so that it may be part of a later version.</source>
        <translation>Wenn Sie ein Wort in Ihr Benutzerwörterbuch aufnehmen, können Sie es auch an den Lettrava-Vorschlagskasten schicken, damit es vielleicht in eine spätere Version aufgenommen wird.</translation>
    </message>
    <message>
        <source>With letter reuse allowed, a word may pass over the same tile more than once, so just two tiles that touch can make a word: a T beside an O gives TOT.</source>
        <translation>Dürfen Buchstaben mehrfach verwendet werden, darf ein Wort mehrmals über dasselbe Feld laufen. So ergeben schon zwei benachbarte Felder ein Wort: Ein T neben einem O ergibt TOT.</translation>
    </message>
    <message>
        <source>Every event has its own sound.  Choose your own sound files for them on the Sounds page of the Preferences.</source>
        <translation>Jedes Ereignis hat seinen eigenen Sound.  Wählen Sie auf der Seite &quot;Sounds&quot; der Einstellungen eigene Sounddateien dafür aus.</translation>
    </message>
    <message>
        <source>You don&apos;t have to choose between the keyboard and the mouse: with &quot;Keyboard and Mouse&quot; you can type one word and click the next.</source>
        <translation>Sie müssen sich nicht zwischen Tastatur und Maus entscheiden: Mit &quot;Tastatur und Maus&quot; können Sie ein Wort tippen und das nächste anklicken.</translation>
    </message>
    <message>
        <source>Is there something you would like Lettrava to do?  Tell us about new features you would like with the feedback button in Help, About.</source>
        <translation>Wünschen Sie sich etwas von Lettrava?  Schreiben Sie uns, welche neuen Funktionen Sie gern hätten - mit dem Feedback-Knopf unter Hilfe, Info.</translation>
    </message>
    <message>
        <source>Changes in the Preferences only last when you press Save before you leave the window.  Close throws them away.</source>
        <translation>Änderungen in den Einstellungen bleiben nur erhalten, wenn Sie vor dem Verlassen des Fensters auf Speichern klicken.  Schließen verwirft sie.</translation>
    </message>
    <message>
        <source>Typing words?  Press Space or Enter to submit a word, whichever comes easier.</source>
        <translation>Sie tippen Wörter?  Drücken Sie Leertaste oder Enter, um ein Wort abzuschicken - ganz wie es Ihnen lieber ist.</translation>
    </message>
    <message>
        <source>+After a round, click any word in a list of the results window.%CRLF%%CRLF%Its letters light up in blue on the grid, so you can see where it was hiding.</source>
        <translation>+Klicken Sie nach einer Runde auf ein beliebiges Wort in einer Liste des Ergebnisfensters.%CRLF%%CRLF%Seine Buchstaben leuchten im Raster blau auf, so sehen Sie, wo es sich versteckt hat.</translation>
    </message>
    <message>
        <source>Found a mistake or have an idea?  Send us your suggestions with the feedback button in Help, About.</source>
        <translation>Einen Fehler gefunden oder eine Idee?  Schicken Sie uns Ihre Vorschläge mit dem Feedback-Knopf unter Hilfe, Info.</translation>
    </message>
    <message>
        <source>Letter reuse can be switched on or off in Game Options.  Without it, each tile may be used only once in a word, which makes long words much harder.</source>
        <translation>Ob Buchstaben mehrfach verwendet werden dürfen, stellen Sie in den Spieloptionen ein.  Sonst darf jedes Feld in einem Wort nur einmal vorkommen, was lange Wörter viel schwerer macht.</translation>
    </message>
    <message>
        <source>Grid porosity punches holes into the grid.  The more holes, the fewer paths there are between the letters.  Set it in Game Options.</source>
        <translation>Die Rasterporosität stanzt Löcher in das Raster.  Je mehr Löcher, desto weniger Wege gibt es zwischen den Buchstaben.  Sie stellen sie in den Spieloptionen ein.</translation>
    </message>
    <message>
        <source>Make your own grids in the Grid Factory: type the letters, let the solver count the words and save the grid to play it in a game.</source>
        <translation>Bauen Sie eigene Raster in der Rasterfabrik: Tippen Sie die Buchstaben ein, lassen Sie den Löser die Wörter zählen, und speichern Sie das Raster, um es in einem Spiel zu spielen.</translation>
    </message>
    <message>
        <source>+The Grid Factory can also build a grid for you from a list of words.%CRLF%Give it the words you want in the grid and it searches for a grid that holds as many of them as it can.</source>
        <translation>+Die Rasterfabrik kann auch aus einer Wortliste ein Raster für Sie bauen.%CRLF%Geben Sie ihr die Wörter, die im Raster vorkommen sollen, und sie sucht ein Raster, das möglichst viele davon enthält.</translation>
    </message>
    <message>
        <source>Lettrava can play in other languages too: put another dictionary into the dict folder and choose it on the General page of the Preferences.</source>
        <translation>Lettrava spielt auch in anderen Sprachen: Legen Sie ein anderes Wörterbuch in den Ordner dict und wählen Sie es auf der Seite &quot;Allgemein&quot; der Einstellungen aus.</translation>
    </message>
    <message>
        <source>Between rounds, click the round-time picture to make the next round 15 seconds longer, or right-click it to make it shorter.</source>
        <translation>Klicken Sie zwischen den Runden auf das Rundenzeit-Bild, um die nächste Runde 15 Sekunden länger zu machen, oder klicken Sie mit der rechten Maustaste darauf, um sie zu verkürzen.</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>You already submitted %1</source>
        <translation>Sie haben %1 bereits eingegeben</translation>
    </message>
    <message>
        <source>Shame on you!</source>
        <translation>Schämen Sie sich!</translation>
    </message>
    <message>
        <source>* %1 * is good for 1 point!</source>
        <translation>* %1 * bringt 1 Punkt!</translation>
    </message>
    <message>
        <source>* %1 * is good for %2 points!</source>
        <translation>* %1 * bringt %2 Punkte!</translation>
    </message>
    <message>
        <source>* %1 * is invalid.  Only %2 letter words are valid.</source>
        <translation>* %1 * ist ungültig.  Nur Wörter mit %2 Buchstaben sind gültig.</translation>
    </message>
    <message>
        <source>* %1 * is invalid.  Words must be at least %2 letters long</source>
        <translation>* %1 * ist ungültig.  Wörter müssen mindestens %2 Buchstaben lang sein</translation>
    </message>
    <message>
        <source>* %1 * is invalid.  Words can be no more than %2 letters long</source>
        <translation>* %1 * ist ungültig.  Wörter dürfen höchstens %2 Buchstaben lang sein</translation>
    </message>
    <message>
        <source>* %1 * is not in the dictionary</source>
        <translation>* %1 * steht nicht im Wörterbuch</translation>
    </message>
    <message>
        <source>* %1 * is not in the grid</source>
        <translation>* %1 * ist nicht im Raster</translation>
    </message>
    <message>
        <source>* %1 * is invalid because letter reuse not allowed</source>
        <translation>* %1 * ist ungültig, weil Buchstaben nicht mehrfach verwendet werden dürfen</translation>
    </message>
</context>
<context>
    <name>Word order</name>
    <message>
        <source>Input Order</source>
        <translation>Eingabereihenfolge</translation>
    </message>
    <message>
        <source>Alphabetically</source>
        <translation>Alphabetisch</translation>
    </message>
    <message>
        <source>Length Ascending</source>
        <translation>Länge aufsteigend</translation>
    </message>
    <message>
        <source>Length Descending</source>
        <translation>Länge absteigend</translation>
    </message>
</context>
<context>
    <name>lettrava::TALSTipDlg</name>
    <message>
        <source>Lettrava Tip of the Day</source>
        <translation>Lettrava - Tipp des Tages</translation>
    </message>
    <message>
        <source>Did you know...</source>
        <translation>Wussten Sie schon...</translation>
    </message>
    <message>
        <source> &amp;Show tips at startup</source>
        <translation> Tipps beim &amp;Start zeigen</translation>
    </message>
    <message>
        <source>&amp;Previous Tip</source>
        <translation>&amp;Vorheriger Tipp</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>&amp;Nächster Tipp</translation>
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
        <translation>Über Lettrava</translation>
    </message>
    <message>
        <source>To submit questions, suggestions and bug reports, use the feedback form by pressing the button below, or email us at:</source>
        <translation>Für Fragen, Vorschläge und Fehlerberichte nutzen Sie bitte das Feedback-Formular über den Knopf unten, oder schreiben Sie uns eine E-Mail an:</translation>
    </message>
    <message>
        <source>Submit Feedback*</source>
        <translation>Feedback senden*</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>Return to Lettrava</source>
        <translation>Zurück zu Lettrava</translation>
    </message>
    <message>
        <source>*Requires Internet Connection</source>
        <translation>*Erfordert eine Internetverbindung</translation>
    </message>
</context>
<context>
    <name>lettrava::TAddWordForm</name>
    <message>
        <source>Do you really want to add the word %1 to the custom dictionary?</source>
        <translation>Möchten Sie das Wort %1 wirklich in das Benutzerwörterbuch aufnehmen?</translation>
    </message>
    <message>
        <source>The word %1 was added.  Next time it is used it will be valid.</source>
        <translation>Das Wort %1 wurde hinzugefügt.  Ab der nächsten Verwendung ist es gültig.</translation>
    </message>
    <message>
        <source>Add Word</source>
        <translation>Wort hinzufügen</translation>
    </message>
    <message>
        <source>Send word to lettrava suggestion box for inclusion in later version.</source>
        <translation>Wort an den Lettrava-Vorschlagskasten für spätere Versionen senden.</translation>
    </message>
    <message>
        <source>Lettrava Server</source>
        <translation>Lettrava-Server</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Response:</source>
        <translation>Antwort:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Trying to send word.</source>
        <translation>Wort wird gesendet.</translation>
    </message>
    <message>
        <source>The word server&apos;s address is not valid: %1</source>
        <translation>Die Adresse des Wortservers ist ungültig: %1</translation>
    </message>
    <message>
        <source>No response from server.</source>
        <translation>Keine Antwort vom Server.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fertig.</translation>
    </message>
    <message>
        <source>The word could not be added.  Please make sure the file                   Lettrava.Cus is not already open or marked read only.</source>
        <translation>Das Wort konnte nicht hinzugefügt werden.  Bitte stellen Sie sicher, dass die Datei Lettrava.Cus nicht bereits geöffnet oder schreibgeschützt ist.</translation>
    </message>
    <message>
        <source>No word server is set up, so nothing can be sent: its host goes into the setting &quot;WordServer&quot;.</source>
        <translation>Es ist kein Wortserver eingerichtet, daher kann nichts gesendet werden: Seine Adresse gehört in die Einstellung &quot;WordServer&quot;.</translation>
    </message>
</context>
<context>
    <name>lettrava::TChatPanel</name>
    <message>
        <source>Send text</source>
        <translation>Text senden</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Add selected individual to game</source>
        <translation>Ausgewählte Person zum Spiel hinzufügen</translation>
    </message>
    <message>
        <source>DEBUG ONLY: this will simulate your disconnection if you are not the host</source>
        <translation>NUR ZUM DEBUGGEN: simuliert Ihre Verbindungstrennung, wenn Sie nicht der Gastgeber sind</translation>
    </message>
    <message>
        <source>Hide member list</source>
        <translation>Teilnehmerliste ausblenden</translation>
    </message>
    <message>
        <source>Show member list</source>
        <translation>Teilnehmerliste einblenden</translation>
    </message>
</context>
<context>
    <name>lettrava::TCongratulationsForm</name>
    <message>
        <source>Game Over</source>
        <translation>Spielende</translation>
    </message>
    <message>
        <source>- Game Over -</source>
        <translation>- Spielende -</translation>
    </message>
    <message>
        <source>And the WINNER is..........</source>
        <translation>Und der SIEGER ist..........</translation>
    </message>
    <message>
        <source>CONGRATULATIONS!</source>
        <translation>HERZLICHEN GLÜCKWUNSCH!</translation>
    </message>
    <message>
        <source>&amp;View Final Results</source>
        <translation>&amp;Endergebnisse anzeigen</translation>
    </message>
</context>
<context>
    <name>lettrava::TFactoryMode</name>
    <message>
        <source>Lettrava Grids (*.GRD *.grd)</source>
        <translation>Lettrava-Raster (*.GRD *.grd)</translation>
    </message>
    <message>
        <source>&amp;Grid</source>
        <translation>&amp;Raster</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Zufällig</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Exit Factory</source>
        <translation>Rasterfabrik verlassen</translation>
    </message>
    <message>
        <source>Exit Lettrava</source>
        <translation>Lettrava beenden</translation>
    </message>
    <message>
        <source>Word List</source>
        <translation>Wortliste</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Allow Reuse</source>
        <translation>Mehrfach verwenden</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Zeilen</translation>
    </message>
    <message>
        <source>Min Word Length</source>
        <translation>Min. Wortlänge</translation>
    </message>
    <message>
        <source>Max Word Length</source>
        <translation>Max. Wortlänge</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>Word Length</source>
        <translation>Wortlänge</translation>
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
        <translation>Mehrfach verwenden</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Lösung</translation>
    </message>
    <message>
        <source>Count:</source>
        <translation>Anzahl:</translation>
    </message>
    <message>
        <source>Lookup</source>
        <translation>Nachschlagen</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Lokal</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Sort Order</source>
        <translation>Sortierung</translation>
    </message>
    <message>
        <source>Do you want to save the grid?</source>
        <translation>Möchten Sie das Raster speichern?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Load Lettrava Grid</source>
        <translation>Lettrava-Raster laden</translation>
    </message>
    <message>
        <source>;;Any file (*)</source>
        <translation>;;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Unable to load grid.</source>
        <translation>Das Raster konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Save Lettrava Grid</source>
        <translation>Lettrava-Raster speichern</translation>
    </message>
    <message>
        <source>Unable to save grid to disk.</source>
        <translation>Das Raster konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Start again with an empty grid</source>
        <translation>Mit einem leeren Raster neu beginnen</translation>
    </message>
    <message>
        <source>Load a grid from disk</source>
        <translation>Ein Raster von der Festplatte laden</translation>
    </message>
    <message>
        <source>Generate new grid with random letters</source>
        <translation>Neues Raster mit zufälligen Buchstaben erzeugen</translation>
    </message>
    <message>
        <source>Save grid to disk</source>
        <translation>Raster auf der Festplatte speichern</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Lösen</translation>
    </message>
    <message>
        <source>Solve grid</source>
        <translation>Raster lösen</translation>
    </message>
</context>
<context>
    <name>lettrava::TFactoryWordListForm</name>
    <message>
        <source>Grid Factory Word List</source>
        <translation>Wortliste der Rasterfabrik</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Enter a word</source>
        <translation>Wort eingeben</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Open word list file</source>
        <translation>Wortlistendatei öffnen</translation>
    </message>
    <message>
        <source>Text files (*.txt);;Any file (*)</source>
        <translation>Textdateien (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Do you want to stop the grid generation process?</source>
        <translation>Möchten Sie das Erzeugen des Rasters abbrechen?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Word list length:</source>
        <translation>Länge der Wortliste:</translation>
    </message>
    <message>
        <source>Words Placed:</source>
        <translation>Platzierte Wörter:</translation>
    </message>
    <message>
        <source>Search time:</source>
        <translation>Suchzeit:</translation>
    </message>
    <message>
        <source>Generations:</source>
        <translation>Generationen:</translation>
    </message>
    <message>
        <source>Generate Grid</source>
        <translation>Raster erzeugen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Die Datei &quot;%1&quot; lässt sich nicht öffnen. %2</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is too large to be a word list.</source>
        <translation>Die Datei &quot;%1&quot; ist zu groß für eine Wortliste.</translation>
    </message>
</context>
<context>
    <name>lettrava::TGameOptionsGroup</name>
    <message>
        <source>Game Options</source>
        <translation>Spieloptionen</translation>
    </message>
    <message>
        <source>Shortest word</source>
        <translation>Kürzestes Wort</translation>
    </message>
    <message>
        <source>Longest word</source>
        <translation>Längstes Wort</translation>
    </message>
    <message>
        <source>Allowable Word Length:</source>
        <translation>Erlaubte Wortlänge:</translation>
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
        <translation>Rasterporosität (% leer):</translation>
    </message>
    <message>
        <source>&amp;Bonus Word Enabled</source>
        <translation>&amp;Bonuswort aktiv</translation>
    </message>
    <message>
        <source>Allow Letter &amp;Reuse</source>
        <translation>Buchstaben &amp;mehrfach verwenden</translation>
    </message>
    <message>
        <source>Grid Size Order:</source>
        <translation>Rastergrößen:</translation>
    </message>
    <message>
        <source>Rounds Per Game:</source>
        <translation>Runden pro Spiel:</translation>
    </message>
    <message>
        <source>Round Duration:</source>
        <translation>Rundendauer:</translation>
    </message>
    <message>
        <source>Round Duration (M:SS):</source>
        <translation>Rundendauer (M:SS):</translation>
    </message>
    <message>
        <source>Round minutes</source>
        <translation>Minuten der Runde</translation>
    </message>
    <message>
        <source>Round seconds</source>
        <translation>Sekunden der Runde</translation>
    </message>
</context>
<context>
    <name>lettrava::TGridFileList</name>
    <message>
        <source>Round %1: </source>
        <translation>Runde %1: </translation>
    </message>
    <message>
        <source>[randomly generated grid]</source>
        <translation>[zufällig erzeugtes Raster]</translation>
    </message>
</context>
<context>
    <name>lettrava::THelpForm</name>
    <message>
        <source>Lettrava Help</source>
        <translation>Lettrava-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>lettrava::THelpWarningForm</name>
    <message>
        <source>Lettrava is unable to initialize the Lettrava help system.  This is most likely due to your having an outdated version of Microsoft Internet Explorer or none at all.  Version 5 or greater is recommended.

You may either click on the link below to download Internet Explorer (you must be connected to the internet), or continue to use Lettrava without access to help.</source>
        <translation>Lettrava kann das Lettrava-Hilfesystem nicht starten.  Wahrscheinlich ist Ihr Microsoft Internet Explorer veraltet oder gar nicht installiert.  Empfohlen wird Version 5 oder höher.

Sie können über den Link unten den Internet Explorer herunterladen (dazu ist eine Internetverbindung nötig) oder Lettrava ohne Hilfe weiter verwenden.</translation>
    </message>
    <message>
        <source>Welcome to Lettrava</source>
        <translation>Willkommen bei Lettrava</translation>
    </message>
    <message>
        <source>Download Internet Explorer</source>
        <translation>Internet Explorer herunterladen</translation>
    </message>
    <message>
        <source>Do Not Show this Message Again</source>
        <translation>Diese Meldung nicht mehr anzeigen</translation>
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
        <translation>Lettrava - Nachschlagen</translation>
    </message>
    <message>
        <source>No definition of %1 was found.</source>
        <translation>Zu %1 wurde keine Definition gefunden.</translation>
    </message>
    <message>
        <source>From %1:

</source>
        <translation>Aus %1:

</translation>
    </message>
</context>
<context>
    <name>lettrava::TMainForm</name>
    <message>
        <source>Lettrava Saved Games (*.LTG *.ltg)</source>
        <translation>Gespeicherte Lettrava-Spiele (*.LTG *.ltg)</translation>
    </message>
    <message>
        <source>Load Lettrava Game</source>
        <translation>Lettrava-Spiel laden</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Spiel speichern</translation>
    </message>
    <message>
        <source>Are you sure you want to abort this round?</source>
        <translation>Möchten Sie diese Runde wirklich abbrechen?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Print Grid</source>
        <translation>Raster drucken</translation>
    </message>
    <message>
        <source>Save Lettrava Grid</source>
        <translation>Lettrava-Raster speichern</translation>
    </message>
    <message>
        <source>Lettrava Grids (*.GRD *.grd)</source>
        <translation>Lettrava-Raster (*.GRD *.grd)</translation>
    </message>
    <message>
        <source>Unable to save grid to disk.</source>
        <translation>Das Raster konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Fortsetzen</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
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
        <translation>Sie sind im Spiel.  Der Gastgeber startet die Runde.</translation>
    </message>
    <message>
        <source>H&amp;ost</source>
        <translation>&amp;Gastgeber</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Sperren</translation>
    </message>
    <message>
        <source>Allow no more new connections</source>
        <translation>Keine neuen Verbindungen mehr zulassen</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>End game, disconnect clients and close network connection.</source>
        <translation>Spiel beenden, Teilnehmer trennen und Netzwerkverbindung schließen.</translation>
    </message>
    <message>
        <source>Could not listen for network players on port %1: %2</source>
        <translation>Auf Port %1 kann nicht auf Netzwerkspieler gewartet werden: %2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>This feature is not yet enabled.</source>
        <translation>Diese Funktion ist noch nicht verfügbar.</translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation>Entschuldigung</translation>
    </message>
    <message>
        <source>This will end the game and disconnect any remote players, are you sure?</source>
        <translation>Dadurch wird das Spiel beendet und alle entfernten Spieler werden getrennt. Sind Sie sicher?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Waiting for round results.  Please stand by...</source>
        <translation>Warten auf die Rundenergebnisse. Bitte etwas Geduld...</translation>
    </message>
    <message>
        <source>Waiting for restart.  Please stand by...</source>
        <translation>Warten auf den Neustart. Bitte etwas Geduld...</translation>
    </message>
</context>
<context>
    <name>lettrava::TPlayPanels</name>
    <message>
        <source>Round 1</source>
        <translation>Runde 1</translation>
    </message>
    <message>
        <source>Click to take a minute off the round</source>
        <translation>Klicken, um der Runde eine Minute abzuziehen</translation>
    </message>
    <message>
        <source>Set Round Time</source>
        <translation>Rundenzeit einstellen</translation>
    </message>
    <message>
        <source>Grid Size</source>
        <translation>Rastergröße</translation>
    </message>
    <message>
        <source>Grid columns</source>
        <translation>Rasterspalten</translation>
    </message>
    <message>
        <source>Grid rows</source>
        <translation>Rasterzeilen</translation>
    </message>
    <message>
        <source>Cols</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Zeilen</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>100 pts</source>
        <translation>100 Pkt.</translation>
    </message>
    <message>
        <source>Enter Word</source>
        <translation>Wort eingeben</translation>
    </message>
    <message>
        <source>The game is paused.  Please press Pause again to continue.</source>
        <translation>Das Spiel ist angehalten.  Drücken Sie erneut auf Pause, um weiterzuspielen.</translation>
    </message>
</context>
<context>
    <name>lettrava::TPlayerInfoDlg</name>
    <message>
        <source>Network</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>Listen for network players:</source>
        <translation>Auf Netzwerkspieler warten:</translation>
    </message>
    <message>
        <source>Listen for network players</source>
        <translation>Auf Netzwerkspieler warten</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Email (optional):</source>
        <translation>E-Mail (optional):</translation>
    </message>
    <message>
        <source>Message (optional):</source>
        <translation>Nachricht (optional):</translation>
    </message>
    <message>
        <source>Network games cannot be hosted from here.</source>
        <translation>Netzwerkspiele können nicht von hier aus veranstaltet werden.</translation>
    </message>
    <message>
        <source>Host&apos;s Version</source>
        <translation>Version des Gastgebers</translation>
    </message>
    <message>
        <source>Program:</source>
        <translation>Programm:</translation>
    </message>
    <message>
        <source>Dictionary:</source>
        <translation>Wörterbuch:</translation>
    </message>
    <message>
        <source>Grid files by round</source>
        <translation>Rasterdateien nach Runde</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Hin&amp;zufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>Spiel &amp;starten</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>The new game is hosted on the connections already open.</source>
        <translation>Das neue Spiel läuft über die bereits offenen Verbindungen.</translation>
    </message>
    <message>
        <source>Select Grid File</source>
        <translation>Rasterdatei auswählen</translation>
    </message>
    <message>
        <source>Lettrava Grids (*.GRD *.grd)</source>
        <translation>Lettrava-Raster (*.GRD *.grd)</translation>
    </message>
    <message>
        <source>The file %1 results in an empty grid (perhaps it is not really a grid file?).  Are you sure you want to schedule it for use in the game?</source>
        <translation>Die Datei %1 ergibt ein leeres Raster (vielleicht ist es gar keine Rasterdatei?).  Möchten Sie sie wirklich für das Spiel einplanen?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>S&amp;peichern</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Enter Player Information</source>
        <translation>Spielerdaten eingeben</translation>
    </message>
    <message>
        <source>Keyboard and Mouse</source>
        <translation>Tastatur und Maus</translation>
    </message>
    <message>
        <source>Keyboard Only</source>
        <translation>Nur Tastatur</translation>
    </message>
    <message>
        <source>Mouse Only</source>
        <translation>Nur Maus</translation>
    </message>
    <message>
        <source>Computer Player</source>
        <translation>Computerspieler</translation>
    </message>
    <message>
        <source>Smallest to Largest</source>
        <translation>Von klein nach groß</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Zufällig</translation>
    </message>
    <message>
        <source>Set Manually Each Round</source>
        <translation>Jede Runde manuell wählen</translation>
    </message>
    <message>
        <source>Load from Files</source>
        <translation>Aus Dateien laden</translation>
    </message>
    <message>
        <source>Automatic Based on Grid Size</source>
        <translation>Automatisch nach Rastergröße</translation>
    </message>
    <message>
        <source>Set Manually</source>
        <translation>Manuell festlegen</translation>
    </message>
</context>
<context>
    <name>lettrava::TPlayerStatsForm</name>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Games Completed:</source>
        <translation>Beendete Spiele:</translation>
    </message>
    <message>
        <source>Games Won:</source>
        <translation>Gewonnene Spiele:</translation>
    </message>
    <message>
        <source>Longest Word:</source>
        <translation>Längstes Wort:</translation>
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
        <translation>Gastgeber</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Total # of Players*:</source>
        <translation>Anzahl Spieler*:</translation>
    </message>
    <message>
        <source>*Includes computer players but NOT network players</source>
        <translation>*Mit Computerspielern, aber OHNE Netzwerkspieler</translation>
    </message>
    <message>
        <source>Player %1:</source>
        <translation>Spieler %1:</translation>
    </message>
    <message>
        <source>Player %1 input method</source>
        <translation>Eingabemethode von Spieler %1</translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation>Name von Spieler %1</translation>
    </message>
    <message>
        <source>Another player uses this input device too.</source>
        <translation>Ein anderer Spieler verwendet dieses Eingabegerät ebenfalls.</translation>
    </message>
</context>
<context>
    <name>lettrava::TPreferencesForm</name>
    <message>
        <source>Lettrava Preferences</source>
        <translation>Lettrava-Einstellungen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>Sp&amp;iel</translation>
    </message>
    <message>
        <source>Board Font</source>
        <translation>Spielbrett-Schrift</translation>
    </message>
    <message>
        <source>&amp;Lists</source>
        <translation>&amp;Listen</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>Schri&amp;ftart</translation>
    </message>
    <message>
        <source>&amp;Sort order</source>
        <translation>S&amp;ortierung</translation>
    </message>
    <message>
        <source>&amp;Wallpaper</source>
        <translation>Hinter&amp;grund</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>Sou&amp;nd</source>
        <translation>Sou&amp;nd</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Testen</translation>
    </message>
    <message>
        <source>Stop Test</source>
        <translation>Test beenden</translation>
    </message>
    <message>
        <source>Check &amp;All</source>
        <translation>Alle aus&amp;wählen</translation>
    </message>
    <message>
        <source>&amp;Uncheck All</source>
        <translation>Alle a&amp;bwählen</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Schriftarten</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>&amp;Ändern</translation>
    </message>
    <message>
        <source>WORDS  LETTERS</source>
        <translation>WÖRTER  BUCHSTABEN</translation>
    </message>
    <message>
        <source>Modif&amp;y</source>
        <translation>Änd&amp;ern</translation>
    </message>
    <message>
        <source>Game board font:</source>
        <translation>Spielbrett-Schrift:</translation>
    </message>
    <message>
        <source>Word Lists</source>
        <translation>Wortlisten</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Schrift:</translation>
    </message>
    <message>
        <source>De&amp;fault sort order:</source>
        <translation>Standardsortier&amp;ung:</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <source>Definition loo&amp;kup address:</source>
        <translation>&amp;Adresse zum Nachschlagen:</translation>
    </message>
    <message>
        <source>Use &amp;dictionaries:</source>
        <translation>&amp;Wörterbücher:</translation>
    </message>
    <message>
        <source>&amp;Reload Dictionaries</source>
        <translation>Wörterbücher &amp;neu laden</translation>
    </message>
    <message>
        <source>Show &amp;Tip of the Day At Startup</source>
        <translation>&amp;Beim Start den Tipp des Tages zeigen</translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation>Sprache des Systems</translation>
    </message>
    <message>
        <source>Lang&amp;uage:</source>
        <translation>Sp&amp;rache:</translation>
    </message>
    <message>
        <source>The windows change language when Lettrava starts next.</source>
        <translation>Die Fenster wechseln die Sprache beim nächsten Start von Lettrava.</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>T&amp;ile</source>
        <translation>&amp;Kacheln</translation>
    </message>
    <message>
        <source>Str&amp;etch</source>
        <translation>S&amp;trecken</translation>
    </message>
    <message>
        <source>Re&amp;vert To Default</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>&amp;Disable All Sound</source>
        <translation>&amp;Alle Sounds aus</translation>
    </message>
    <message>
        <source>Note:  If changing preferences during a round, some changes may not take effect until the next round.</source>
        <translation>Hinweis:  Wenn Sie Einstellungen während einer Runde ändern, werden manche Änderungen erst in der nächsten Runde wirksam.</translation>
    </message>
    <message>
        <source>Game Board Font</source>
        <translation>Schrift des Spielbretts</translation>
    </message>
    <message>
        <source>Word List Font</source>
        <translation>Schrift der Wortlisten</translation>
    </message>
    <message>
        <source>Select Lettrava Wallpaper</source>
        <translation>Lettrava-Hintergrund auswählen</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp);;Pictures (*.bmp *.png *.jpg *.jpeg)</source>
        <translation>Bitmaps (*.bmp);;Bilder (*.bmp *.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>Sound abspielen</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 existiert nicht</translation>
    </message>
    <message>
        <source>Select sound for %1</source>
        <translation>Sound für %1 auswählen</translation>
    </message>
    <message>
        <source>Wave sounds (*.wav);;All files (*)</source>
        <translation>Wave-Sounds (*.wav);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Your screen resolution is currently set to 256 colors or less.  Wallpaper is not supported at this color depth.  Press the Help button for instructions on increasing your color depth.</source>
        <translation>Ihre Bildschirmauflösung ist derzeit auf 256 Farben oder weniger eingestellt.  Bei dieser Farbtiefe wird kein Hintergrundbild unterstützt.  Klicken Sie auf Hilfe, um zu erfahren, wie Sie die Farbtiefe erhöhen.</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sounds</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Kacheln</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Strecken</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Einschalten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Hel&amp;p</source>
        <translation>Hilfe (&amp;P)</translation>
    </message>
</context>
<context>
    <name>lettrava::TRRForm</name>
    <message>
        <source>Bonus:</source>
        <translation>Bonus:</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Lösung</translation>
    </message>
    <message>
        <source>Count:</source>
        <translation>Anzahl:</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
</context>
<context>
    <name>lettrava::TResultsMenus</name>
    <message>
        <source>&amp;Word List</source>
        <translation>&amp;Wortliste</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Spieler %1</translation>
    </message>
    <message>
        <source>Lookup</source>
        <translation>Nachschlagen</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Lokal</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Add Word</source>
        <translation>Wort hinzufügen</translation>
    </message>
    <message>
        <source>View Stats</source>
        <translation>Statistik anzeigen</translation>
    </message>
    <message>
        <source>Sort Order</source>
        <translation>Sortierung</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Lösung</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>&amp;Return to Game</source>
        <translation>&amp;Zurück zum Spiel</translation>
    </message>
    <message>
        <source>Local Dictionary</source>
        <translation>Lokales Wörterbuch</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Einblenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>lettrava::TRoundScoreTable</name>
    <message>
        <source>     Round     </source>
        <translation>     Runde     </translation>
    </message>
    <message>
        <source>     Game     </source>
        <translation>     Spiel     </translation>
    </message>
    <message>
        <source>Words    Points</source>
        <translation>Wörter    Punkte</translation>
    </message>
    <message>
        <source>Longest Word</source>
        <translation>Längstes Wort</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Player found bonus word this round</source>
        <translation>Spieler hat in dieser Runde das Bonuswort gefunden</translation>
    </message>
    <message>
        <source>V</source>
        <translation>F</translation>
    </message>
    <message>
        <source>Player got all valid bonus this round</source>
        <translation>Spieler hat in dieser Runde den Fehlerlos-Bonus erhalten</translation>
    </message>
</context>
<context>
    <name>lettrava::TSpeedBar</name>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Spiel speichern</translation>
    </message>
    <message>
        <source>GO</source>
        <translation>LOS</translation>
    </message>
    <message>
        <source>Start Round</source>
        <translation>Runde starten</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Clear Mouse Clicks</source>
        <translation>Mausklicks löschen</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Abort Round (round will count)</source>
        <translation>Runde abbrechen (Runde zählt)</translation>
    </message>
</context>
<context>
    <name>lettrava::TStatSummaryForm</name>
    <message>
        <source>Lettrava Stats</source>
        <translation>Lettrava-Statistik</translation>
    </message>
</context>
<context>
    <name>lettrava::TTCPForm</name>
    <message>
        <source>Please specify the name you would like to use, the game host&apos;s IP Address (or hostname) and Port.  These values should have been given to you by the person arranging the game.  If the port was not given to you, use the default value supplied.</source>
        <translation>Bitte geben Sie den gewünschten Namen, die IP-Adresse (oder den Hostnamen) des Gastgebers und den Port an.  Diese Angaben sollten Sie von der Person erhalten haben, die das Spiel organisiert.  Wenn Sie keinen Port erhalten haben, verwenden Sie den vorgegebenen Wert.</translation>
    </message>
    <message>
        <source>You have been disconnected from the host.  This could be due to network failure.
To attempt to reconnect, please click the button below.</source>
        <translation>Die Verbindung zum Gastgeber wurde getrennt.  Das kann an einem Netzwerkfehler liegen.
Um die Verbindung wiederherzustellen, klicken Sie bitte auf den Knopf unten.</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Whisper</source>
        <translation>Flüstern</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Player name:</source>
        <translation>Spielername:</translation>
    </message>
    <message>
        <source>Host Address:</source>
        <translation>Gastgeber-Adresse:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Your Email (optional):</source>
        <translation>Ihre E-Mail (optional):</translation>
    </message>
    <message>
        <source>Message (optional):</source>
        <translation>Nachricht (optional):</translation>
    </message>
    <message>
        <source>&amp;Connect to Host</source>
        <translation>Mit Gastgeber &amp;verbinden</translation>
    </message>
    <message>
        <source>Oops!</source>
        <translation>Hoppla!</translation>
    </message>
    <message>
        <source>Reconnect</source>
        <translation>Neu verbinden</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Wird abgebrochen...</translation>
    </message>
    <message>
        <source>Retry attempts: %1</source>
        <translation>Verbindungsversuche: %1</translation>
    </message>
    <message>
        <source>Lettrava Whisper</source>
        <translation>Lettrava - Flüstern</translation>
    </message>
    <message>
        <source>Private message to %1:</source>
        <translation>Private Nachricht an %1:</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>A&amp;bbrechen</translation>
    </message>
    <message>
        <source>Profile of %1 (Game Host) - Email: %2</source>
        <translation>Profil von %1 (Gastgeber) - E-Mail: %2</translation>
    </message>
    <message>
        <source>Profile of %1 (Logged in from &lt;&lt; %2 - %3 &gt;&gt; - Email: %4</source>
        <translation>Profil von %1 (angemeldet von &lt;&lt; %2 - %3 &gt;&gt; - E-Mail: %4</translation>
    </message>
    <message>
        <source>Has: Game version: %1 - Dictionary version: %2</source>
        <translation>Hat: Spielversion: %1 - Wörterbuchversion: %2</translation>
    </message>
    <message>
        <source>Message: &quot;%1&quot;</source>
        <translation>Nachricht: &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>lettrava::TWelcomePanel</name>
    <message>
        <source>Welcome to Lettrava</source>
        <translation>Willkommen bei Lettrava</translation>
    </message>
    <message>
        <source>&amp;Start a New Game</source>
        <translation>&amp;Neues Spiel starten</translation>
    </message>
    <message>
        <source>&amp;Continue a Saved Game</source>
        <translation>Gespeichertes Spiel &amp;fortsetzen</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>Spiel&amp;anleitung</translation>
    </message>
    <message>
        <source>&amp;Join an Internet Game</source>
        <translation>Internetspiel &amp;beitreten</translation>
    </message>
    <message>
        <source>Click a dot or use the Menu to let the fun begin!</source>
        <translation>Klicken Sie auf einen Punkt oder nutzen Sie das Menü, und der Spaß beginnt!</translation>
    </message>
</context>
<context>
    <name>lettrava::TWordListBox</name>
    <message>
        <source>Not in the grid</source>
        <translation>Nicht im Raster</translation>
    </message>
    <message>
        <source>Not in the dictionary</source>
        <translation>Nicht im Wörterbuch</translation>
    </message>
    <message>
        <source>Unique word: no other player found it</source>
        <translation>Einzigartiges Wort: Kein anderer Spieler hat es gefunden</translation>
    </message>
</context>
<context>
    <name>lettrava::WordLookup</name>
    <message>
        <source>It appears you do not have the dictionary installed. If you downloaded the non-dictionary version and would now like to be able to look up definitions locally, please visit %1 and download and install the dictionary version.

</source>
        <translation>Offenbar ist das Wörterbuch nicht installiert. Wenn Sie die Version ohne Wörterbuch heruntergeladen haben und Definitionen nun lokal nachschlagen möchten, besuchen Sie bitte %1 und laden und installieren Sie die Version mit Wörterbuch.

</translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation>Entschuldigung</translation>
    </message>
    <message>
        <source>URL Needed</source>
        <translation>URL benötigt</translation>
    </message>
    <message>
        <source>Please enter a location (accept the default if unsure)</source>
        <translation>Bitte geben Sie eine Adresse ein (übernehmen Sie im Zweifel die Vorgabe)</translation>
    </message>
    <message>
        <source>The Dictionary is not available.  Please use the internet lookup or reinstall the dictionary version of Lettrava</source>
        <translation>Das Wörterbuch ist nicht verfügbar.  Bitte schlagen Sie im Internet nach oder installieren Sie die Lettrava-Version mit Wörterbuch neu</translation>
    </message>
</context>
</TS>
