<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>Client</name>
    <message>
        <source>Please type or select a player name.</source>
        <translation>Digita o scegli un nome di giocatore.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Please enter an IP address or host name.</source>
        <translation>Inserisci un indirizzo IP o un nome host.</translation>
    </message>
    <message>
        <source>Connecting to %1 on port %2...</source>
        <translation>Connessione a %1 sulla porta %2...</translation>
    </message>
    <message>
        <source>Maximum attempts reached.  Quitting...</source>
        <translation>Numero massimo di tentativi raggiunto. Rinuncio...</translation>
    </message>
    <message>
        <source>Connection failed with message: %1
Will retry (maybe host wasn&apos;t quite ready).  Press cancel to abort.
</source>
        <translation>Connessione non riuscita, messaggio: %1
Nuovo tentativo (forse l&apos;host non era pronto). Premi Annulla per interrompere.
</translation>
    </message>
    <message>
        <source>That name is already in use.</source>
        <translation>Questo nome è già in uso.</translation>
    </message>
    <message>
        <source>Names can be at most %1 characters long.</source>
        <translation>I nomi possono avere al massimo %1 caratteri.</translation>
    </message>
    <message>
        <source>Recipient missing.  Whisper format: &quot;/w [name] [message]&quot;</source>
        <translation>Destinatario mancante. Formato del sussurro: &quot;/w [nome] [messaggio]&quot;</translation>
    </message>
    <message>
        <source>There is no one here by the name of &quot;%1&quot;</source>
        <translation>Qui non c&apos;è nessuno di nome &quot;%1&quot;</translation>
    </message>
    <message>
        <source>You whispered to %1: %2</source>
        <translation>Hai sussurrato a %1: %2</translation>
    </message>
    <message>
        <source>Sorry, I don&apos;t understand that command.</source>
        <translation>Spiacente, non capisco questo comando.</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Disconnesso</translation>
    </message>
    <message>
        <source>*** The Host ended round %1 abrubtly.  The round will count.</source>
        <translation>*** L&apos;host ha interrotto il turno %1. Il turno sarà conteggiato.</translation>
    </message>
    <message>
        <source>*** The Host ended round %1 abrubtly.  The round will not count.</source>
        <translation>*** L&apos;host ha interrotto il turno %1. Il turno non sarà conteggiato.</translation>
    </message>
    <message>
        <source>*** The Host started a new game.</source>
        <translation>*** L&apos;host ha avviato una nuova partita.</translation>
    </message>
    <message>
        <source>The host has shut down abruptly (but deliberately)</source>
        <translation>L&apos;host ha chiuso all&apos;improvviso (ma di proposito)</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Avviso</translation>
    </message>
</context>
<context>
    <name>Dictionary</name>
    <message>
        <source>warning</source>
        <translation>avviso</translation>
    </message>
    <message>
        <source>There is no dictionary selected or the dictionary is missing.  Please go to Preferences/General and select a dictionary.</source>
        <translation>Nessun dizionario è selezionato oppure il dizionario manca. Vai in Preferenze/Generale e scegli un dizionario.</translation>
    </message>
    <message>
        <source>There are missing characters (&apos;=&apos;) from the dictionary</source>
        <translation>Nel dizionario mancano dei caratteri (&apos;=&apos;)</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation>Turno %1</translation>
    </message>
    <message>
        <source>Please stand by . . .</source>
        <translation>Attendi . . .</translation>
    </message>
    <message>
        <source>You may submit words now</source>
        <translation>Ora puoi inserire le parole</translation>
    </message>
    <message>
        <source>Waiting for all players to finish.  Please stand by...</source>
        <translation>In attesa che tutti i giocatori finiscano. Attendi...</translation>
    </message>
    <message>
        <source>OVER</source>
        <translation>FINE</translation>
    </message>
    <message>
        <source>ABORTED</source>
        <translation>ANNULL.</translation>
    </message>
    <message>
        <source>All players finished.</source>
        <translation>Tutti i giocatori hanno finito.</translation>
    </message>
    <message>
        <source>Wait time limit exceeded. Forcing round completion.</source>
        <translation>Tempo di attesa superato. Il turno viene concluso.</translation>
    </message>
    <message>
        <source>Click GO or press Enter to start the LAST round</source>
        <translation>Clicca VIA o premi Invio per iniziare l&apos;ULTIMO turno</translation>
    </message>
    <message>
        <source>Click GO or press Enter to start round %1</source>
        <translation>Clicca VIA o premi Invio per iniziare il turno %1</translation>
    </message>
    <message>
        <source>Round time: %1</source>
        <translation>Durata del turno: %1</translation>
    </message>
    <message>
        <source>Round time: %1 - Left (right) click to increase (decrease)</source>
        <translation>Durata del turno: %1 - clic sinistro (destro) per aumentare (ridurre)</translation>
    </message>
    <message>
        <source>%1 pts</source>
        <translation>%1 pt</translation>
    </message>
    <message>
        <source>It was a tie!</source>
        <translation>È un pareggio!</translation>
    </message>
    <message>
        <source>There are no results to view at this time.</source>
        <translation>Al momento non ci sono risultati da mostrare.</translation>
    </message>
    <message>
        <source>Sorry, that does not appear to be a Lettrava game file.

If it is a Lettrava file, it is from an outdated version.</source>
        <translation>Spiacente, questo non sembra un file di partita di Lettrava.

Se è un file di Lettrava, viene da una versione superata.</translation>
    </message>
    <message>
        <source>Unable to load game file.  Perhaps it is corrupted or is not a valid Lettrava game file.</source>
        <translation>Impossibile caricare la partita. Il file forse è danneggiato o non è una partita di Lettrava valida.</translation>
    </message>
    <message>
        <source>Unable to save game to disk.</source>
        <translation>Impossibile salvare la partita su disco.</translation>
    </message>
</context>
<context>
    <name>MainActions</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuova</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Carica</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Salva la partita</translation>
    </message>
    <message>
        <source>Save &amp;As..</source>
        <translation>Salva co&amp;me..</translation>
    </message>
    <message>
        <source>&amp;View Player Stats</source>
        <translation>S&amp;tatistiche dei giocatori</translation>
    </message>
    <message>
        <source>&amp;Grid Factory</source>
        <translation>&amp;Officina delle griglie</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Start Round</source>
        <translation>Inizia il turno</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Round Still Counts</source>
        <translation>Il turno vale</translation>
    </message>
    <message>
        <source>Round Doesn&apos;t Count</source>
        <translation>Il turno non vale</translation>
    </message>
    <message>
        <source>Print Grid</source>
        <translation>Stampa la griglia</translation>
    </message>
    <message>
        <source>Save Grid</source>
        <translation>Salva la griglia</translation>
    </message>
    <message>
        <source>&amp;Clear Clicks</source>
        <translation>&amp;Cancella i clic</translation>
    </message>
    <message>
        <source>Clear Mouse Clicks</source>
        <translation>Cancella i clic del mouse</translation>
    </message>
    <message>
        <source>Show &amp;Results</source>
        <translation>Mostra i &amp;risultati</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Suono</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Opzioni di gioco</translation>
    </message>
    <message>
        <source>Topics</source>
        <translation>Argomenti</translation>
    </message>
    <message>
        <source>Tip of the Day</source>
        <translation>Suggerimento del giorno</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gioco</translation>
    </message>
    <message>
        <source>&amp;Round</source>
        <translation>&amp;Turno</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Interrompi</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Preferenze</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>Final Results</source>
        <translation>Risultati finali</translation>
    </message>
    <message>
        <source>Round %1 Results</source>
        <translation>Risultati del turno %1</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Dictionary loaded: %1</source>
        <translation>Dizionario caricato: %1</translation>
    </message>
    <message>
        <source>The chosen dictionary will be loaded when this round ends.</source>
        <translation>Il dizionario scelto sarà caricato alla fine di questo turno.</translation>
    </message>
    <message>
        <source>Do you want to save the game?</source>
        <translation>Vuoi salvare la partita?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>This will abort (and not count) the current round.  Are you sure?</source>
        <translation>Il turno in corso sarà interrotto (e non conteggiato). Sei sicuro?</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; is reserved for a computer player. Please enter a different name.</source>
        <translation>Il nome &quot;%1&quot; è riservato a un giocatore del computer. Inserisci un altro nome.</translation>
    </message>
    <message>
        <source>Player %1 is using the Mouse, which has been designated for use by another player also.

Please correct the input methods.</source>
        <translation>Il giocatore %1 usa il mouse, già assegnato anche a un altro giocatore.

Correggi i metodi di immissione.</translation>
    </message>
    <message>
        <source>Player %1 is using the Keyboard, which has been designated for use by another player also.

Please correct the input methods.</source>
        <translation>Il giocatore %1 usa la tastiera, già assegnata anche a un altro giocatore.

Correggi i metodi di immissione.</translation>
    </message>
    <message>
        <source>Please enter or select a name for Player %1</source>
        <translation>Inserisci o scegli un nome per il giocatore %1</translation>
    </message>
    <message>
        <source>Player Name Required</source>
        <translation>Nome del giocatore richiesto</translation>
    </message>
    <message>
        <source>Player &apos;%1&apos; is listed more than once.

Please make all player names unique.</source>
        <translation>Il giocatore &apos;%1&apos; compare più di una volta.

Ogni giocatore deve avere un nome diverso.</translation>
    </message>
    <message>
        <source>Duplicate Player Names</source>
        <translation>Nomi di giocatori ripetuti</translation>
    </message>
    <message>
        <source>Only one (local) human player is allowed in a network game.  Please uncheck &quot; Listen for network players&quot; box or remove %1 human player(s)</source>
        <translation>In una partita in rete è ammesso un solo giocatore umano (locale). Togli la spunta da &quot; Attendi giocatori in rete&quot; o rimuovi %1 giocatore/i umano/i</translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation>Spiacente</translation>
    </message>
    <message>
        <source>That person is already in the game.  Please enter another.</source>
        <translation>Questa persona è già nella partita. Inseriscine un&apos;altra.</translation>
    </message>
    <message>
        <source>Input method cannot be changed when &quot;Wait for network players&quot; is checked.  Keyboard and mouse method reserved for host.</source>
        <translation>Il metodo di immissione non si può cambiare quando &quot;Attendi giocatori in rete&quot; è spuntato. Tastiera e mouse sono riservati all&apos;host.</translation>
    </message>
</context>
<context>
    <name>Sounds</name>
    <message>
        <source>Good Word</source>
        <translation>Parola valida</translation>
    </message>
    <message>
        <source>a valid word is entered</source>
        <translation>viene inserita una parola valida</translation>
    </message>
    <message>
        <source>Word Not in Dict.</source>
        <translation>Parola non nel diz.</translation>
    </message>
    <message>
        <source>a word is submitted that is in the grid but not in the dictionary</source>
        <translation>viene inserita una parola presente nella griglia ma non nel dizionario</translation>
    </message>
    <message>
        <source>Word Not In Grid</source>
        <translation>Parola non in griglia</translation>
    </message>
    <message>
        <source>a word is submitted that is not in the grid</source>
        <translation>viene inserita una parola che non è nella griglia</translation>
    </message>
    <message>
        <source>Invalid Penalty</source>
        <translation>Soglia di penalità</translation>
    </message>
    <message>
        <source>the last word not in the grid that goes without a penalty is submitted</source>
        <translation>viene inserita l&apos;ultima parola fuori griglia senza penalità</translation>
    </message>
    <message>
        <source>Lost All Valid Bonus</source>
        <translation>Bonus tutte valide perso</translation>
    </message>
    <message>
        <source>the first word of a round that is not in the dictionary loses the all-valid bonus</source>
        <translation>la prima parola del turno non presente nel dizionario fa perdere il bonus tutte valide</translation>
    </message>
    <message>
        <source>Ten Seconds Left</source>
        <translation>Dieci secondi rimasti</translation>
    </message>
    <message>
        <source>fewer than ten seconds of the round remain</source>
        <translation>mancano meno di dieci secondi alla fine del turno</translation>
    </message>
    <message>
        <source>Round Over</source>
        <translation>Fine del turno</translation>
    </message>
    <message>
        <source>a round is over</source>
        <translation>un turno è finito</translation>
    </message>
    <message>
        <source>Won Game</source>
        <translation>Partita vinta</translation>
    </message>
    <message>
        <source>a person wins the game</source>
        <translation>una persona vince la partita</translation>
    </message>
    <message>
        <source>Game End</source>
        <translation>Fine della partita</translation>
    </message>
    <message>
        <source>the last round of a game is over</source>
        <translation>l&apos;ultimo turno di una partita è finito</translation>
    </message>
    <message>
        <source>Building Grid</source>
        <translation>Creazione della griglia</translation>
    </message>
    <message>
        <source>the grid of a new round is built</source>
        <translation>viene creata la griglia di un nuovo turno</translation>
    </message>
    <message>
        <source>Letter Click</source>
        <translation>Clic su una lettera</translation>
    </message>
    <message>
        <source>a letter of the grid is clicked</source>
        <translation>si clicca su una lettera della griglia</translation>
    </message>
    <message>
        <source>Click here to browse for a file to play when %1</source>
        <translation>Clicca qui per scegliere il file da riprodurre quando %1</translation>
    </message>
    <message>
        <source>This file will play when %1 (if the box at the left is checked)</source>
        <translation>Questo file viene riprodotto quando %1 (se la casella a sinistra è spuntata)</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>%1&apos;s Stats</source>
        <translation>Statistiche di %1</translation>
    </message>
    <message>
        <source>%1&apos; Stats</source>
        <translation>Statistiche di %1</translation>
    </message>
    <message>
        <source>No player stats available.</source>
        <translation>Nessuna statistica dei giocatori disponibile.</translation>
    </message>
</context>
<context>
    <name>TPlayView</name>
    <message>
        <source>Word Length:  MIN:%1 MAX:%2</source>
        <translation>Lunghezza parole:  MIN:%1 MAX:%2</translation>
    </message>
    <message>
        <source>Reuse: </source>
        <translation>Riutilizzo: </translation>
    </message>
    <message>
        <source>YES</source>
        <translation>SÌ</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NO</translation>
    </message>
</context>
<context>
    <name>Tips</name>
    <message>
        <source>Need some quiet?  Tick &quot;Disable All Sound&quot; on the Sounds page of the Preferences and Lettrava will not make a peep.</source>
        <translation>Serve silenzio? Spunta &quot;Disattiva tutti i suoni&quot; nella pagina Suoni delle Preferenze e Lettrava non fiaterà.</translation>
    </message>
    <message>
        <source>You can play against up to three computer opponents at once.  Pick them in the game setup: from Patsy, who is easy to beat, up to Deep Words, who is not.</source>
        <translation>Puoi giocare contro un massimo di tre avversari del computer insieme. Sceglili nella preparazione della partita: da Patsy, facile da battere, fino a Deep Words, che non lo è affatto.</translation>
    </message>
    <message>
        <source>Wondering what a word means?  After a round, pick it in the results window and choose Lookup from the Word List menu or the right-click menu.</source>
        <translation>Ti chiedi cosa significa una parola? Dopo un turno, sceglila nella finestra dei risultati e scegli Cerca dal menu Elenco di parole o con il clic destro.</translation>
    </message>
    <message>
        <source>Words that are too short or too long for your taste?  Change the shortest and longest word allowed in Game Options.</source>
        <translation>Parole troppo corte o troppo lunghe per i tuoi gusti? Cambia la lunghezza minima e massima nelle Opzioni di gioco.</translation>
    </message>
    <message>
        <source>+Was one of your words shown in red?  It is in the grid but not in the dictionary.%CRLF%%CRLF%If you are sure it is a real word, choose Add Word in the results window: it goes into your own custom dictionary and counts from the next round on.</source>
        <translation>+Una delle tue parole è apparsa in rosso? È nella griglia ma non nel dizionario.%CRLF%%CRLF%Se sei sicuro che sia una parola vera, scegli Aggiungi parola nella finestra dei risultati: entra nel tuo dizionario personale e vale dal turno successivo.</translation>
    </message>
    <message>
        <source>When you add a word to your custom dictionary you can also send it to the Lettrava suggestion box, so that it may be part of a later version.</source>
        <translation>Quando aggiungi una parola al tuo dizionario personale, puoi anche inviarla alla cassetta dei suggerimenti di Lettrava, perché entri in una versione futura.</translation>
    </message>
    <message>
        <source>With letter reuse allowed, a word may pass over the same tile more than once, so just two tiles that touch can make a word: a T beside an O gives TOT.</source>
        <translation>Con il riutilizzo delle lettere, una parola può passare più volte sulla stessa casella: bastano due caselle vicine per formare una parola, una O accanto a una R dà ORO.</translation>
    </message>
    <message>
        <source>Every event has its own sound.  Choose your own sound files for them on the Sounds page of the Preferences.</source>
        <translation>Ogni evento ha il suo suono. Scegli i tuoi file nella pagina Suoni delle Preferenze.</translation>
    </message>
    <message>
        <source>You don&apos;t have to choose between the keyboard and the mouse: with &quot;Keyboard and Mouse&quot; you can type one word and click the next.</source>
        <translation>Non devi scegliere tra tastiera e mouse: con &quot;Tastiera e mouse&quot; puoi digitare una parola e cliccare la successiva.</translation>
    </message>
    <message>
        <source>Is there something you would like Lettrava to do?  Tell us about new features you would like with the feedback button in Help, About.</source>
        <translation>C&apos;è qualcosa che vorresti da Lettrava? Suggeriscici nuove funzioni con il pulsante Commenti in Aiuto, Informazioni.</translation>
    </message>
    <message>
        <source>Changes in the Preferences only last when you press Save before you leave the window.  Close throws them away.</source>
        <translation>Le modifiche alle Preferenze restano solo se premi Salva prima di uscire dalla finestra. Chiudi le annulla.</translation>
    </message>
    <message>
        <source>Typing words?  Press Space or Enter to submit a word, whichever comes easier.</source>
        <translation>Digiti le parole? Premi Spazio o Invio per inviarle, come ti viene meglio.</translation>
    </message>
    <message>
        <source>+After a round, click any word in a list of the results window.%CRLF%%CRLF%Its letters light up in blue on the grid, so you can see where it was hiding.</source>
        <translation>+Dopo un turno, clicca una parola in un elenco della finestra dei risultati.%CRLF%%CRLF%Le sue lettere si illuminano di blu nella griglia, così vedi dove si nascondeva.</translation>
    </message>
    <message>
        <source>Found a mistake or have an idea?  Send us your suggestions with the feedback button in Help, About.</source>
        <translation>Hai trovato un errore o hai un&apos;idea? Inviaci i tuoi suggerimenti con il pulsante Commenti in Aiuto, Informazioni.</translation>
    </message>
    <message>
        <source>Letter reuse can be switched on or off in Game Options.  Without it, each tile may be used only once in a word, which makes long words much harder.</source>
        <translation>Il riutilizzo delle lettere si attiva o disattiva nelle Opzioni di gioco. Senza, ogni casella si usa una sola volta per parola e le parole lunghe diventano molto più difficili.</translation>
    </message>
    <message>
        <source>Grid porosity punches holes into the grid.  The more holes, the fewer paths there are between the letters.  Set it in Game Options.</source>
        <translation>La porosità apre dei buchi nella griglia. Più buchi ci sono, meno percorsi ci sono tra le lettere. Impostala nelle Opzioni di gioco.</translation>
    </message>
    <message>
        <source>Make your own grids in the Grid Factory: type the letters, let the solver count the words and save the grid to play it in a game.</source>
        <translation>Crea le tue griglie nell&apos;Officina delle griglie: digita le lettere, lascia che il risolutore conti le parole e salva la griglia per giocarci.</translation>
    </message>
    <message>
        <source>+The Grid Factory can also build a grid for you from a list of words.%CRLF%Give it the words you want in the grid and it searches for a grid that holds as many of them as it can.</source>
        <translation>+L&apos;Officina delle griglie può anche creare una griglia da un elenco di parole.%CRLF%Dagli le parole che vuoi e cerca una griglia che ne contenga il più possibile.</translation>
    </message>
    <message>
        <source>Lettrava can play in other languages too: put another dictionary into the dict folder and choose it on the General page of the Preferences.</source>
        <translation>Lettrava gioca anche in altre lingue: metti un altro dizionario nella cartella dict e sceglilo nella pagina Generale delle Preferenze.</translation>
    </message>
    <message>
        <source>Between rounds, click the round-time picture to make the next round 15 seconds longer, or right-click it to make it shorter.</source>
        <translation>Tra un turno e l&apos;altro, clicca l&apos;immagine della durata per allungare il turno successivo di 15 secondi, o fai clic destro per accorciarlo.</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>You already submitted %1</source>
        <translation>Hai già inserito %1</translation>
    </message>
    <message>
        <source>Shame on you!</source>
        <translation>Vergogna!</translation>
    </message>
    <message>
        <source>* %1 * is good for 1 point!</source>
        <translation>* %1 * vale 1 punto!</translation>
    </message>
    <message>
        <source>* %1 * is good for %2 points!</source>
        <translation>* %1 * vale %2 punti!</translation>
    </message>
    <message>
        <source>* %1 * is invalid.  Only %2 letter words are valid.</source>
        <translation>* %1 * non è valida. Valgono solo parole di %2 lettere.</translation>
    </message>
    <message>
        <source>* %1 * is invalid.  Words must be at least %2 letters long</source>
        <translation>* %1 * non è valida. Le parole devono avere almeno %2 lettere</translation>
    </message>
    <message>
        <source>* %1 * is invalid.  Words can be no more than %2 letters long</source>
        <translation>* %1 * non è valida. Le parole hanno al massimo %2 lettere</translation>
    </message>
    <message>
        <source>* %1 * is not in the dictionary</source>
        <translation>* %1 * non è nel dizionario</translation>
    </message>
    <message>
        <source>* %1 * is not in the grid</source>
        <translation>* %1 * non è nella griglia</translation>
    </message>
    <message>
        <source>* %1 * is invalid because letter reuse not allowed</source>
        <translation>* %1 * non è valida: il riutilizzo delle lettere non è ammesso</translation>
    </message>
</context>
<context>
    <name>Word order</name>
    <message>
        <source>Input Order</source>
        <translation>Ordine di inserimento</translation>
    </message>
    <message>
        <source>Alphabetically</source>
        <translation>Alfabetico</translation>
    </message>
    <message>
        <source>Length Ascending</source>
        <translation>Lunghezza crescente</translation>
    </message>
    <message>
        <source>Length Descending</source>
        <translation>Lunghezza decrescente</translation>
    </message>
</context>
<context>
    <name>lettrava::TALSTipDlg</name>
    <message>
        <source>Lettrava Tip of the Day</source>
        <translation>Lettrava - Suggerimento del giorno</translation>
    </message>
    <message>
        <source>Did you know...</source>
        <translation>Lo sapevi...</translation>
    </message>
    <message>
        <source> &amp;Show tips at startup</source>
        <translation> &amp;Mostra i suggerimenti all&apos;avvio</translation>
    </message>
    <message>
        <source>&amp;Previous Tip</source>
        <translation>Suggerimento &amp;precedente</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>Suggerimento &amp;successivo</translation>
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
        <translation>Informazioni su Lettrava</translation>
    </message>
    <message>
        <source>To submit questions, suggestions and bug reports, use the feedback form by pressing the button below, or email us at:</source>
        <translation>Per inviare domande, suggerimenti e segnalazioni di errori, usa il modulo dei commenti con il pulsante qui sotto, o scrivici a:</translation>
    </message>
    <message>
        <source>Submit Feedback*</source>
        <translation>Invia commenti*</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Commenti</translation>
    </message>
    <message>
        <source>Return to Lettrava</source>
        <translation>Torna a Lettrava</translation>
    </message>
    <message>
        <source>*Requires Internet Connection</source>
        <translation>*Richiede la connessione a Internet</translation>
    </message>
</context>
<context>
    <name>lettrava::TAddWordForm</name>
    <message>
        <source>Do you really want to add the word %1 to the custom dictionary?</source>
        <translation>Vuoi davvero aggiungere la parola %1 al dizionario personale?</translation>
    </message>
    <message>
        <source>The word %1 was added.  Next time it is used it will be valid.</source>
        <translation>La parola %1 è stata aggiunta. La prossima volta sarà valida.</translation>
    </message>
    <message>
        <source>Add Word</source>
        <translation>Aggiungi parola</translation>
    </message>
    <message>
        <source>Send word to lettrava suggestion box for inclusion in later version.</source>
        <translation>Invia la parola ai suggerimenti di Lettrava.</translation>
    </message>
    <message>
        <source>Lettrava Server</source>
        <translation>Server Lettrava</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Stato:</translation>
    </message>
    <message>
        <source>Response:</source>
        <translation>Risposta:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Trying to send word.</source>
        <translation>Invio della parola in corso.</translation>
    </message>
    <message>
        <source>The word server&apos;s address is not valid: %1</source>
        <translation>L&apos;indirizzo del server delle parole non è valido: %1</translation>
    </message>
    <message>
        <source>No response from server.</source>
        <translation>Nessuna risposta dal server.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fatto.</translation>
    </message>
    <message>
        <source>The word could not be added.  Please make sure the file                   Lettrava.Cus is not already open or marked read only.</source>
        <translation>Impossibile aggiungere la parola. Controlla che il file Lettrava.Cus non sia già aperto o di sola lettura.</translation>
    </message>
    <message>
        <source>No word server is set up, so nothing can be sent: its host goes into the setting &quot;WordServer&quot;.</source>
        <translation>Nessun server delle parole è configurato, quindi non si può inviare nulla: il suo host va nell&apos;impostazione &quot;WordServer&quot;.</translation>
    </message>
</context>
<context>
    <name>lettrava::TChatPanel</name>
    <message>
        <source>Send text</source>
        <translation>Invia il testo</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Invia</translation>
    </message>
    <message>
        <source>Add selected individual to game</source>
        <translation>Aggiungi alla partita la persona scelta</translation>
    </message>
    <message>
        <source>DEBUG ONLY: this will simulate your disconnection if you are not the host</source>
        <translation>SOLO DEBUG: simula la tua disconnessione se non sei l&apos;host</translation>
    </message>
    <message>
        <source>Hide member list</source>
        <translation>Nascondi l&apos;elenco dei partecipanti</translation>
    </message>
    <message>
        <source>Show member list</source>
        <translation>Mostra l&apos;elenco dei partecipanti</translation>
    </message>
</context>
<context>
    <name>lettrava::TCongratulationsForm</name>
    <message>
        <source>Game Over</source>
        <translation>Partita finita</translation>
    </message>
    <message>
        <source>- Game Over -</source>
        <translation>- Partita finita -</translation>
    </message>
    <message>
        <source>And the WINNER is..........</source>
        <translation>E il VINCITORE è..........</translation>
    </message>
    <message>
        <source>CONGRATULATIONS!</source>
        <translation>CONGRATULAZIONI!</translation>
    </message>
    <message>
        <source>&amp;View Final Results</source>
        <translation>&amp;Vedi i risultati finali</translation>
    </message>
</context>
<context>
    <name>lettrava::TFactoryMode</name>
    <message>
        <source>Lettrava Grids (*.GRD *.grd)</source>
        <translation>Griglie Lettrava (*.GRD *.grd)</translation>
    </message>
    <message>
        <source>&amp;Grid</source>
        <translation>&amp;Griglia</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuova</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carica</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Casuale</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Exit Factory</source>
        <translation>Esci dall&apos;officina</translation>
    </message>
    <message>
        <source>Exit Lettrava</source>
        <translation>Esci da Lettrava</translation>
    </message>
    <message>
        <source>Word List</source>
        <translation>Elenco di parole</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>Allow Reuse</source>
        <translation>Consenti riutilizzo</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Colonne</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Righe</translation>
    </message>
    <message>
        <source>Min Word Length</source>
        <translation>Lunghezza min. parole</translation>
    </message>
    <message>
        <source>Max Word Length</source>
        <translation>Lunghezza max. parole</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Preferenze</translation>
    </message>
    <message>
        <source>Word Length</source>
        <translation>Lunghezza parole</translation>
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
        <translation>Consenti riutilizzo</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Soluzione</translation>
    </message>
    <message>
        <source>Count:</source>
        <translation>Numero:</translation>
    </message>
    <message>
        <source>Lookup</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Locale</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Sort Order</source>
        <translation>Ordinamento</translation>
    </message>
    <message>
        <source>Do you want to save the grid?</source>
        <translation>Vuoi salvare la griglia?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Load Lettrava Grid</source>
        <translation>Carica una griglia Lettrava</translation>
    </message>
    <message>
        <source>;;Any file (*)</source>
        <translation>;;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Unable to load grid.</source>
        <translation>Impossibile caricare la griglia.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Save Lettrava Grid</source>
        <translation>Salva la griglia Lettrava</translation>
    </message>
    <message>
        <source>Unable to save grid to disk.</source>
        <translation>Impossibile salvare la griglia su disco.</translation>
    </message>
    <message>
        <source>Start again with an empty grid</source>
        <translation>Ricomincia con una griglia vuota</translation>
    </message>
    <message>
        <source>Load a grid from disk</source>
        <translation>Carica una griglia dal disco</translation>
    </message>
    <message>
        <source>Generate new grid with random letters</source>
        <translation>Crea una nuova griglia con lettere casuali</translation>
    </message>
    <message>
        <source>Save grid to disk</source>
        <translation>Salva la griglia su disco</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Risolvi</translation>
    </message>
    <message>
        <source>Solve grid</source>
        <translation>Risolvi la griglia</translation>
    </message>
</context>
<context>
    <name>lettrava::TFactoryWordListForm</name>
    <message>
        <source>Grid Factory Word List</source>
        <translation>Officina delle griglie - Elenco di parole</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carica</translation>
    </message>
    <message>
        <source>Enter a word</source>
        <translation>Inserisci una parola</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Parola</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Open word list file</source>
        <translation>Apri un elenco di parole</translation>
    </message>
    <message>
        <source>Text files (*.txt);;Any file (*)</source>
        <translation>File di testo (*.txt);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Riprendi</translation>
    </message>
    <message>
        <source>Do you want to stop the grid generation process?</source>
        <translation>Vuoi fermare la creazione della griglia?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Word list length:</source>
        <translation>Lunghezza elenco:</translation>
    </message>
    <message>
        <source>Words Placed:</source>
        <translation>Parole inserite:</translation>
    </message>
    <message>
        <source>Search time:</source>
        <translation>Tempo di ricerca:</translation>
    </message>
    <message>
        <source>Generations:</source>
        <translation>Generazioni:</translation>
    </message>
    <message>
        <source>Generate Grid</source>
        <translation>Crea griglia</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Impossibile aprire il file &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is too large to be a word list.</source>
        <translation>Il file &quot;%1&quot; è troppo grande per essere un elenco di parole.</translation>
    </message>
</context>
<context>
    <name>lettrava::TGameOptionsGroup</name>
    <message>
        <source>Game Options</source>
        <translation>Opzioni di gioco</translation>
    </message>
    <message>
        <source>Shortest word</source>
        <translation>Parola più corta</translation>
    </message>
    <message>
        <source>Longest word</source>
        <translation>Parola più lunga</translation>
    </message>
    <message>
        <source>Allowable Word Length:</source>
        <translation>Lunghezza parole ammessa:</translation>
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
        <translation>Porosità della griglia (% vuoto):</translation>
    </message>
    <message>
        <source>&amp;Bonus Word Enabled</source>
        <translation>Parola &amp;bonus attiva</translation>
    </message>
    <message>
        <source>Allow Letter &amp;Reuse</source>
        <translation>&amp;Riutilizzo delle lettere</translation>
    </message>
    <message>
        <source>Grid Size Order:</source>
        <translation>Ordine delle dimensioni:</translation>
    </message>
    <message>
        <source>Rounds Per Game:</source>
        <translation>Turni per partita:</translation>
    </message>
    <message>
        <source>Round Duration:</source>
        <translation>Durata del turno:</translation>
    </message>
    <message>
        <source>Round Duration (M:SS):</source>
        <translation>Durata (M:SS):</translation>
    </message>
    <message>
        <source>Round minutes</source>
        <translation>Minuti del turno</translation>
    </message>
    <message>
        <source>Round seconds</source>
        <translation>Secondi del turno</translation>
    </message>
</context>
<context>
    <name>lettrava::TGridFileList</name>
    <message>
        <source>Round %1: </source>
        <translation>Turno %1: </translation>
    </message>
    <message>
        <source>[randomly generated grid]</source>
        <translation>[griglia casuale]</translation>
    </message>
</context>
<context>
    <name>lettrava::THelpForm</name>
    <message>
        <source>Lettrava Help</source>
        <translation>Aiuto di Lettrava</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>In&amp;dietro</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Avanti</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>C&amp;hiudi</translation>
    </message>
</context>
<context>
    <name>lettrava::THelpWarningForm</name>
    <message>
        <source>Lettrava is unable to initialize the Lettrava help system.  This is most likely due to your having an outdated version of Microsoft Internet Explorer or none at all.  Version 5 or greater is recommended.

You may either click on the link below to download Internet Explorer (you must be connected to the internet), or continue to use Lettrava without access to help.</source>
        <translation>Lettrava non riesce ad avviare il suo sistema di aiuto. Probabilmente Microsoft Internet Explorer è di una versione superata o manca del tutto. Si consiglia la versione 5 o successiva.

Puoi cliccare il collegamento qui sotto per scaricare Internet Explorer (serve la connessione a Internet) oppure continuare a usare Lettrava senza l&apos;aiuto.</translation>
    </message>
    <message>
        <source>Welcome to Lettrava</source>
        <translation>Benvenuto in Lettrava</translation>
    </message>
    <message>
        <source>Download Internet Explorer</source>
        <translation>Scarica Internet Explorer</translation>
    </message>
    <message>
        <source>Do Not Show this Message Again</source>
        <translation>Non mostrare più questo messaggio</translation>
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
        <translation>Lettrava - Ricerca</translation>
    </message>
    <message>
        <source>No definition of %1 was found.</source>
        <translation>Nessuna definizione di %1 trovata.</translation>
    </message>
    <message>
        <source>From %1:

</source>
        <translation>Da %1:

</translation>
    </message>
</context>
<context>
    <name>lettrava::TMainForm</name>
    <message>
        <source>Lettrava Saved Games (*.LTG *.ltg)</source>
        <translation>Partite Lettrava (*.LTG *.ltg)</translation>
    </message>
    <message>
        <source>Load Lettrava Game</source>
        <translation>Carica una partita Lettrava</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Salva la partita</translation>
    </message>
    <message>
        <source>Are you sure you want to abort this round?</source>
        <translation>Vuoi davvero interrompere questo turno?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Print Grid</source>
        <translation>Stampa la griglia</translation>
    </message>
    <message>
        <source>Save Lettrava Grid</source>
        <translation>Salva la griglia Lettrava</translation>
    </message>
    <message>
        <source>Lettrava Grids (*.GRD *.grd)</source>
        <translation>Griglie Lettrava (*.GRD *.grd)</translation>
    </message>
    <message>
        <source>Unable to save grid to disk.</source>
        <translation>Impossibile salvare la griglia su disco.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Riprendi</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Riprendi</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
</context>
<context>
    <name>lettrava::TNetworkPlay</name>
    <message>
        <source>You are in the game.  The host will start the round.</source>
        <translation>Sei nella partita. L&apos;host avvierà il turno.</translation>
    </message>
    <message>
        <source>H&amp;ost</source>
        <translation>&amp;Host</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Blocca</translation>
    </message>
    <message>
        <source>Allow no more new connections</source>
        <translation>Non accettare altre connessioni</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>End game, disconnect clients and close network connection.</source>
        <translation>Termina la partita, disconnetti i partecipanti e chiudi la connessione di rete.</translation>
    </message>
    <message>
        <source>Could not listen for network players on port %1: %2</source>
        <translation>Impossibile attendere giocatori in rete sulla porta %1: %2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>This feature is not yet enabled.</source>
        <translation>Questa funzione non è ancora disponibile.</translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation>Spiacente</translation>
    </message>
    <message>
        <source>This will end the game and disconnect any remote players, are you sure?</source>
        <translation>La partita finirà e i giocatori in rete saranno disconnessi. Sei sicuro?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>Waiting for round results.  Please stand by...</source>
        <translation>In attesa dei risultati del turno. Attendi...</translation>
    </message>
    <message>
        <source>Waiting for restart.  Please stand by...</source>
        <translation>In attesa del riavvio. Attendi...</translation>
    </message>
</context>
<context>
    <name>lettrava::TPlayPanels</name>
    <message>
        <source>Round 1</source>
        <translation>Turno 1</translation>
    </message>
    <message>
        <source>Click to take a minute off the round</source>
        <translation>Clicca per togliere un minuto al turno</translation>
    </message>
    <message>
        <source>Set Round Time</source>
        <translation>Durata del turno</translation>
    </message>
    <message>
        <source>Grid Size</source>
        <translation>Dimensione griglia</translation>
    </message>
    <message>
        <source>Grid columns</source>
        <translation>Colonne della griglia</translation>
    </message>
    <message>
        <source>Grid rows</source>
        <translation>Righe della griglia</translation>
    </message>
    <message>
        <source>Cols</source>
        <translation>Col.</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Righe</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>100 pts</source>
        <translation>100 pt</translation>
    </message>
    <message>
        <source>Enter Word</source>
        <translation>Parola</translation>
    </message>
    <message>
        <source>The game is paused.  Please press Pause again to continue.</source>
        <translation>La partita è in pausa. Premi di nuovo Pausa per continuare.</translation>
    </message>
</context>
<context>
    <name>lettrava::TPlayerInfoDlg</name>
    <message>
        <source>Network</source>
        <translation>Rete</translation>
    </message>
    <message>
        <source>Listen for network players:</source>
        <translation>Attendi giocatori in rete:</translation>
    </message>
    <message>
        <source>Listen for network players</source>
        <translation>Attendi giocatori in rete</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>Email (optional):</source>
        <translation>Email (facoltativa):</translation>
    </message>
    <message>
        <source>Message (optional):</source>
        <translation>Messaggio (facoltativo):</translation>
    </message>
    <message>
        <source>Network games cannot be hosted from here.</source>
        <translation>Da qui non si possono ospitare partite in rete.</translation>
    </message>
    <message>
        <source>Host&apos;s Version</source>
        <translation>Versione dell&apos;host</translation>
    </message>
    <message>
        <source>Program:</source>
        <translation>Programma:</translation>
    </message>
    <message>
        <source>Dictionary:</source>
        <translation>Dizionario:</translation>
    </message>
    <message>
        <source>Grid files by round</source>
        <translation>File di griglia per turno</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>A&amp;ggiungi</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>&amp;Inizia la partita</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnulla</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>The new game is hosted on the connections already open.</source>
        <translation>La nuova partita usa le connessioni già aperte.</translation>
    </message>
    <message>
        <source>Select Grid File</source>
        <translation>Scegli un file di griglia</translation>
    </message>
    <message>
        <source>Lettrava Grids (*.GRD *.grd)</source>
        <translation>Griglie Lettrava (*.GRD *.grd)</translation>
    </message>
    <message>
        <source>The file %1 results in an empty grid (perhaps it is not really a grid file?).  Are you sure you want to schedule it for use in the game?</source>
        <translation>Il file %1 dà una griglia vuota (forse non è davvero un file di griglia?). Vuoi davvero usarlo nella partita?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attenzione</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Enter Player Information</source>
        <translation>Dati dei giocatori</translation>
    </message>
    <message>
        <source>Keyboard and Mouse</source>
        <translation>Tastiera e mouse</translation>
    </message>
    <message>
        <source>Keyboard Only</source>
        <translation>Solo tastiera</translation>
    </message>
    <message>
        <source>Mouse Only</source>
        <translation>Solo mouse</translation>
    </message>
    <message>
        <source>Computer Player</source>
        <translation>Giocatore computer</translation>
    </message>
    <message>
        <source>Smallest to Largest</source>
        <translation>Dalla più piccola alla più grande</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Casuale</translation>
    </message>
    <message>
        <source>Set Manually Each Round</source>
        <translation>Da impostare a ogni turno</translation>
    </message>
    <message>
        <source>Load from Files</source>
        <translation>Carica da file</translation>
    </message>
    <message>
        <source>Automatic Based on Grid Size</source>
        <translation>Automatica in base alla griglia</translation>
    </message>
    <message>
        <source>Set Manually</source>
        <translation>Impostazione manuale</translation>
    </message>
</context>
<context>
    <name>lettrava::TPlayerStatsForm</name>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Games Completed:</source>
        <translation>Partite completate:</translation>
    </message>
    <message>
        <source>Games Won:</source>
        <translation>Partite vinte:</translation>
    </message>
    <message>
        <source>Longest Word:</source>
        <translation>Parola più lunga:</translation>
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
        <translation>Host</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>In rete</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Giocatori</translation>
    </message>
    <message>
        <source>Total # of Players*:</source>
        <translation>Numero di giocatori*:</translation>
    </message>
    <message>
        <source>*Includes computer players but NOT network players</source>
        <translation>*Compresi i giocatori del computer, ma NON quelli in rete</translation>
    </message>
    <message>
        <source>Player %1:</source>
        <translation>Giocatore %1:</translation>
    </message>
    <message>
        <source>Player %1 input method</source>
        <translation>Metodo di immissione del giocatore %1</translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation>Nome del giocatore %1</translation>
    </message>
    <message>
        <source>Another player uses this input device too.</source>
        <translation>Anche un altro giocatore usa questo dispositivo.</translation>
    </message>
</context>
<context>
    <name>lettrava::TPreferencesForm</name>
    <message>
        <source>Lettrava Preferences</source>
        <translation>Preferenze di Lettrava</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>C&amp;hiudi</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>Gio&amp;co</translation>
    </message>
    <message>
        <source>Board Font</source>
        <translation>Carattere della griglia</translation>
    </message>
    <message>
        <source>&amp;Lists</source>
        <translation>&amp;Elenchi</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Carattere</translation>
    </message>
    <message>
        <source>&amp;Sort order</source>
        <translation>&amp;Ordinamento</translation>
    </message>
    <message>
        <source>&amp;Wallpaper</source>
        <translation>Sfo&amp;ndo</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Sfoglia</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stile</translation>
    </message>
    <message>
        <source>Sou&amp;nd</source>
        <translation>Suo&amp;no</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Prova</translation>
    </message>
    <message>
        <source>Stop Test</source>
        <translation>Ferma la prova</translation>
    </message>
    <message>
        <source>Check &amp;All</source>
        <translation>Spunta &amp;tutto</translation>
    </message>
    <message>
        <source>&amp;Uncheck All</source>
        <translation>Togli tutte &amp;le spunte</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Caratteri</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>WORDS  LETTERS</source>
        <translation>PAROLE  LETTERE</translation>
    </message>
    <message>
        <source>Modif&amp;y</source>
        <translation>Cam&amp;bia</translation>
    </message>
    <message>
        <source>Game board font:</source>
        <translation>Carattere della griglia:</translation>
    </message>
    <message>
        <source>Word Lists</source>
        <translation>Elenchi di parole</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Carattere:</translation>
    </message>
    <message>
        <source>De&amp;fault sort order:</source>
        <translation>Ordinamento &amp;predefinito:</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Parole</translation>
    </message>
    <message>
        <source>Definition loo&amp;kup address:</source>
        <translation>Indirizzo per cercare &amp;le definizioni:</translation>
    </message>
    <message>
        <source>Use &amp;dictionaries:</source>
        <translation>Di&amp;zionario:</translation>
    </message>
    <message>
        <source>&amp;Reload Dictionaries</source>
        <translation>&amp;Ricarica i dizionari</translation>
    </message>
    <message>
        <source>Show &amp;Tip of the Day At Startup</source>
        <translation>Mostra il suggerimento del giorno all&apos;a&amp;vvio</translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation>Lingua del sistema</translation>
    </message>
    <message>
        <source>Lang&amp;uage:</source>
        <translation>Lin&amp;gua:</translation>
    </message>
    <message>
        <source>The windows change language when Lettrava starts next.</source>
        <translation>Le finestre cambiano lingua al prossimo avvio di Lettrava.</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Sfondo</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>S&amp;foglia...</translation>
    </message>
    <message>
        <source>T&amp;ile</source>
        <translation>Aff&amp;ianca</translation>
    </message>
    <message>
        <source>Str&amp;etch</source>
        <translation>Ada&amp;tta</translation>
    </message>
    <message>
        <source>Re&amp;vert To Default</source>
        <translation>Ripristina pre&amp;definito</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>&amp;Disable All Sound</source>
        <translation>&amp;Disattiva tutti i suoni</translation>
    </message>
    <message>
        <source>Note:  If changing preferences during a round, some changes may not take effect until the next round.</source>
        <translation>Nota: se cambi le preferenze durante un turno, alcune modifiche avranno effetto solo dal turno successivo.</translation>
    </message>
    <message>
        <source>Game Board Font</source>
        <translation>Carattere della griglia</translation>
    </message>
    <message>
        <source>Word List Font</source>
        <translation>Carattere degli elenchi</translation>
    </message>
    <message>
        <source>Select Lettrava Wallpaper</source>
        <translation>Scegli lo sfondo di Lettrava</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp);;Pictures (*.bmp *.png *.jpg *.jpeg)</source>
        <translation>Bitmap (*.bmp);;Immagini (*.bmp *.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>Riproduci il suono</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 non esiste</translation>
    </message>
    <message>
        <source>Select sound for %1</source>
        <translation>Scegli il suono per %1</translation>
    </message>
    <message>
        <source>Wave sounds (*.wav);;All files (*)</source>
        <translation>Suoni Wave (*.wav);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Your screen resolution is currently set to 256 colors or less.  Wallpaper is not supported at this color depth.  Press the Help button for instructions on increasing your color depth.</source>
        <translation>Lo schermo è impostato su 256 colori o meno. Con così pochi colori lo sfondo non è supportato. Premi Aiuto per sapere come aumentare i colori.</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Suoni</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Affianca</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Adatta</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Attiva</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Hel&amp;p</source>
        <translation>Ai&amp;uto</translation>
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
        <translation>Soluzione</translation>
    </message>
    <message>
        <source>Count:</source>
        <translation>Numero:</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Nascondi</translation>
    </message>
</context>
<context>
    <name>lettrava::TResultsMenus</name>
    <message>
        <source>&amp;Word List</source>
        <translation>&amp;Elenco di parole</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Giocatore %1</translation>
    </message>
    <message>
        <source>Lookup</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Locale</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Add Word</source>
        <translation>Aggiungi parola</translation>
    </message>
    <message>
        <source>View Stats</source>
        <translation>Vedi le statistiche</translation>
    </message>
    <message>
        <source>Sort Order</source>
        <translation>Ordinamento</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Soluzione</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Nascondi</translation>
    </message>
    <message>
        <source>&amp;Return to Game</source>
        <translation>&amp;Torna al gioco</translation>
    </message>
    <message>
        <source>Local Dictionary</source>
        <translation>Dizionario locale</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostra</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
</context>
<context>
    <name>lettrava::TRoundScoreTable</name>
    <message>
        <source>     Round     </source>
        <translation>     Turno     </translation>
    </message>
    <message>
        <source>     Game     </source>
        <translation>     Partita     </translation>
    </message>
    <message>
        <source>Words    Points</source>
        <translation>Parole    Punti</translation>
    </message>
    <message>
        <source>Longest Word</source>
        <translation>Parola più lunga</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Player found bonus word this round</source>
        <translation>Il giocatore ha trovato la parola bonus del turno</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Player got all valid bonus this round</source>
        <translation>Il giocatore ha avuto il bonus tutte valide nel turno</translation>
    </message>
</context>
<context>
    <name>lettrava::TSpeedBar</name>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Salva la partita</translation>
    </message>
    <message>
        <source>GO</source>
        <translation>VIA</translation>
    </message>
    <message>
        <source>Start Round</source>
        <translation>Inizia il turno</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Clear Mouse Clicks</source>
        <translation>Cancella i clic del mouse</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Interrompi</translation>
    </message>
    <message>
        <source>Abort Round (round will count)</source>
        <translation>Interrompi il turno (sarà conteggiato)</translation>
    </message>
</context>
<context>
    <name>lettrava::TStatSummaryForm</name>
    <message>
        <source>Lettrava Stats</source>
        <translation>Statistiche Lettrava</translation>
    </message>
</context>
<context>
    <name>lettrava::TTCPForm</name>
    <message>
        <source>Please specify the name you would like to use, the game host&apos;s IP Address (or hostname) and Port.  These values should have been given to you by the person arranging the game.  If the port was not given to you, use the default value supplied.</source>
        <translation>Indica il nome che vuoi usare, l&apos;indirizzo IP (o il nome) dell&apos;host della partita e la porta. Te li deve aver dati chi organizza la partita. Se non hai ricevuto una porta, usa il valore proposto.</translation>
    </message>
    <message>
        <source>You have been disconnected from the host.  This could be due to network failure.
To attempt to reconnect, please click the button below.</source>
        <translation>Sei stato disconnesso dall&apos;host, forse per un guasto della rete.
Per riconnetterti, clicca il pulsante qui sotto.</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profilo</translation>
    </message>
    <message>
        <source>Whisper</source>
        <translation>Sussurra</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Email</translation>
    </message>
    <message>
        <source>Player name:</source>
        <translation>Nome del giocatore:</translation>
    </message>
    <message>
        <source>Host Address:</source>
        <translation>Indirizzo dell&apos;host:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>Your Email (optional):</source>
        <translation>La tua email (facoltativa):</translation>
    </message>
    <message>
        <source>Message (optional):</source>
        <translation>Messaggio (facoltativo):</translation>
    </message>
    <message>
        <source>&amp;Connect to Host</source>
        <translation>&amp;Connetti all&apos;host</translation>
    </message>
    <message>
        <source>Oops!</source>
        <translation>Ops!</translation>
    </message>
    <message>
        <source>Reconnect</source>
        <translation>Riconnetti</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; non è un numero intero valido</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Annullamento...</translation>
    </message>
    <message>
        <source>Retry attempts: %1</source>
        <translation>Nuovi tentativi: %1</translation>
    </message>
    <message>
        <source>Lettrava Whisper</source>
        <translation>Lettrava - Sussurro</translation>
    </message>
    <message>
        <source>Private message to %1:</source>
        <translation>Messaggio privato per %1:</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>A&amp;nnulla</translation>
    </message>
    <message>
        <source>Profile of %1 (Game Host) - Email: %2</source>
        <translation>Profilo di %1 (host) - Email: %2</translation>
    </message>
    <message>
        <source>Profile of %1 (Logged in from &lt;&lt; %2 - %3 &gt;&gt; - Email: %4</source>
        <translation>Profilo di %1 (connesso da &lt;&lt; %2 - %3 &gt;&gt; - Email: %4</translation>
    </message>
    <message>
        <source>Has: Game version: %1 - Dictionary version: %2</source>
        <translation>Ha: versione del gioco: %1 - versione del dizionario: %2</translation>
    </message>
    <message>
        <source>Message: &quot;%1&quot;</source>
        <translation>Messaggio: &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>lettrava::TWelcomePanel</name>
    <message>
        <source>Welcome to Lettrava</source>
        <translation>Benvenuto in Lettrava</translation>
    </message>
    <message>
        <source>&amp;Start a New Game</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>&amp;Continue a Saved Game</source>
        <translation>&amp;Continua una partita</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>Come &amp;giocare</translation>
    </message>
    <message>
        <source>&amp;Join an Internet Game</source>
        <translation>Partecipa via &amp;Internet</translation>
    </message>
    <message>
        <source>Click a dot or use the Menu to let the fun begin!</source>
        <translation>Clicca un pulsante o usa il menu e che il divertimento cominci!</translation>
    </message>
</context>
<context>
    <name>lettrava::TWordListBox</name>
    <message>
        <source>Not in the grid</source>
        <translation>Non nella griglia</translation>
    </message>
    <message>
        <source>Not in the dictionary</source>
        <translation>Non nel dizionario</translation>
    </message>
    <message>
        <source>Unique word: no other player found it</source>
        <translation>Parola unica: nessun altro giocatore l&apos;ha trovata</translation>
    </message>
</context>
<context>
    <name>lettrava::WordLookup</name>
    <message>
        <source>It appears you do not have the dictionary installed. If you downloaded the non-dictionary version and would now like to be able to look up definitions locally, please visit %1 and download and install the dictionary version.

</source>
        <translation>Sembra che il dizionario non sia installato. Se hai scaricato la versione senza dizionario e ora vuoi cercare le definizioni su questo computer, visita %1 e scarica e installa la versione con il dizionario.

</translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation>Spiacente</translation>
    </message>
    <message>
        <source>URL Needed</source>
        <translation>Indirizzo necessario</translation>
    </message>
    <message>
        <source>Please enter a location (accept the default if unsure)</source>
        <translation>Inserisci un indirizzo (nel dubbio accetta quello proposto)</translation>
    </message>
    <message>
        <source>The Dictionary is not available.  Please use the internet lookup or reinstall the dictionary version of Lettrava</source>
        <translation>Il dizionario non è disponibile. Usa la ricerca su Internet o reinstalla la versione di Lettrava con il dizionario</translation>
    </message>
</context>
</TS>
