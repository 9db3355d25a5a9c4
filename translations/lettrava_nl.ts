<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>Client</name>
    <message>
        <source>Please type or select a player name.</source>
        <translation>Typ of kies een spelersnaam.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Please enter an IP address or host name.</source>
        <translation>Voer een IP-adres of hostnaam in.</translation>
    </message>
    <message>
        <source>Connecting to %1 on port %2...</source>
        <translation>Verbinden met %1 op poort %2...</translation>
    </message>
    <message>
        <source>Maximum attempts reached.  Quitting...</source>
        <translation>Maximumaantal pogingen bereikt. Wordt afgesloten...</translation>
    </message>
    <message>
        <source>Connection failed with message: %1
Will retry (maybe host wasn&apos;t quite ready).  Press cancel to abort.
</source>
        <translation>Verbinding mislukt met melding: %1
Nieuwe poging volgt (misschien was de host nog niet helemaal klaar). Druk op Annuleren om af te breken.
</translation>
    </message>
    <message>
        <source>That name is already in use.</source>
        <translation>Die naam is al in gebruik.</translation>
    </message>
    <message>
        <source>Names can be at most %1 characters long.</source>
        <translation>Namen mogen hoogstens %1 tekens lang zijn.</translation>
    </message>
    <message>
        <source>Recipient missing.  Whisper format: &quot;/w [name] [message]&quot;</source>
        <translation>Ontvanger ontbreekt. Zo fluister je: &quot;/w [naam] [bericht]&quot;</translation>
    </message>
    <message>
        <source>There is no one here by the name of &quot;%1&quot;</source>
        <translation>Er is hier niemand met de naam &quot;%1&quot;</translation>
    </message>
    <message>
        <source>You whispered to %1: %2</source>
        <translation>Je fluisterde tegen %1: %2</translation>
    </message>
    <message>
        <source>Sorry, I don&apos;t understand that command.</source>
        <translation>Sorry, dat commando begrijp ik niet.</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Verbinding verbroken</translation>
    </message>
    <message>
        <source>*** The Host ended round %1 abrubtly.  The round will count.</source>
        <translation>*** De host heeft ronde %1 plotseling beëindigd. De ronde telt mee.</translation>
    </message>
    <message>
        <source>*** The Host ended round %1 abrubtly.  The round will not count.</source>
        <translation>*** De host heeft ronde %1 plotseling beëindigd. De ronde telt niet mee.</translation>
    </message>
    <message>
        <source>*** The Host started a new game.</source>
        <translation>*** De host is een nieuw spel begonnen.</translation>
    </message>
    <message>
        <source>The host has shut down abruptly (but deliberately)</source>
        <translation>De host is plotseling gestopt (maar wel met opzet)</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Mededeling</translation>
    </message>
</context>
<context>
    <name>Dictionary</name>
    <message>
        <source>warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>There is no dictionary selected or the dictionary is missing.  Please go to Preferences/General and select a dictionary.</source>
        <translation>Er is geen woordenboek gekozen of het woordenboek ontbreekt. Ga naar Voorkeuren/Algemeen en kies een woordenboek.</translation>
    </message>
    <message>
        <source>There are missing characters (&apos;=&apos;) from the dictionary</source>
        <translation>Er ontbreken tekens (&apos;=&apos;) in het woordenboek</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation>Ronde %1</translation>
    </message>
    <message>
        <source>Please stand by . . .</source>
        <translation>Even geduld . . .</translation>
    </message>
    <message>
        <source>You may submit words now</source>
        <translation>Je kunt nu woorden invoeren</translation>
    </message>
    <message>
        <source>Waiting for all players to finish.  Please stand by...</source>
        <translation>Wachten tot alle spelers klaar zijn. Even geduld...</translation>
    </message>
    <message>
        <source>OVER</source>
        <translation>EINDE</translation>
    </message>
    <message>
        <source>ABORTED</source>
        <translation>GESTOPT</translation>
    </message>
    <message>
        <source>All players finished.</source>
        <translation>Alle spelers zijn klaar.</translation>
    </message>
    <message>
        <source>Wait time limit exceeded. Forcing round completion.</source>
        <translation>Wachttijd overschreden. De ronde wordt beëindigd.</translation>
    </message>
    <message>
        <source>Click GO or press Enter to start the LAST round</source>
        <translation>Klik op START of druk op Enter om de LAATSTE ronde te beginnen</translation>
    </message>
    <message>
        <source>Click GO or press Enter to start round %1</source>
        <translation>Klik op START of druk op Enter om ronde %1 te beginnen</translation>
    </message>
    <message>
        <source>Round time: %1</source>
        <translation>Rondetijd: %1</translation>
    </message>
    <message>
        <source>Round time: %1 - Left (right) click to increase (decrease)</source>
        <translation>Rondetijd: %1 - klik links (rechts) om te verlengen (verkorten)</translation>
    </message>
    <message>
        <source>%1 pts</source>
        <translation>%1 pnt</translation>
    </message>
    <message>
        <source>It was a tie!</source>
        <translation>Gelijkspel!</translation>
    </message>
    <message>
        <source>There are no results to view at this time.</source>
        <translation>Er zijn nu geen resultaten om te bekijken.</translation>
    </message>
    <message>
        <source>Sorry, that does not appear to be a Lettrava game file.

If it is a Lettrava file, it is from an outdated version.</source>
        <translation>Sorry, dit lijkt geen spelbestand van Lettrava te zijn.

Als het wel een Lettrava-bestand is, komt het uit een verouderde versie.</translation>
    </message>
    <message>
        <source>Unable to load game file.  Perhaps it is corrupted or is not a valid Lettrava game file.</source>
        <translation>Kan het spelbestand niet laden. Misschien is het beschadigd of is het geen geldig spelbestand van Lettrava.</translation>
    </message>
    <message>
        <source>Unable to save game to disk.</source>
        <translation>Kan het spel niet op schijf opslaan.</translation>
    </message>
</context>
<context>
    <name>MainActions</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Spel opslaan</translation>
    </message>
    <message>
        <source>Save &amp;As..</source>
        <translation>Opslaan &amp;als...</translation>
    </message>
    <message>
        <source>&amp;View Player Stats</source>
        <translation>Spelers&amp;statistieken</translation>
    </message>
    <message>
        <source>&amp;Grid Factory</source>
        <translation>&amp;Roosterwerkplaats</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Afsl&amp;uiten</translation>
    </message>
    <message>
        <source>Start Round</source>
        <translation>Ronde starten</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pauze</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauze</translation>
    </message>
    <message>
        <source>Round Still Counts</source>
        <translation>Ronde telt mee</translation>
    </message>
    <message>
        <source>Round Doesn&apos;t Count</source>
        <translation>Ronde telt niet mee</translation>
    </message>
    <message>
        <source>Print Grid</source>
        <translation>Rooster afdrukken</translation>
    </message>
    <message>
        <source>Save Grid</source>
        <translation>Rooster opslaan</translation>
    </message>
    <message>
        <source>&amp;Clear Clicks</source>
        <translation>&amp;Klikken wissen</translation>
    </message>
    <message>
        <source>Clear Mouse Clicks</source>
        <translation>Muisklikken wissen</translation>
    </message>
    <message>
        <source>Show &amp;Results</source>
        <translation>&amp;Resultaten tonen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Algemeen</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Geluid</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Spelopties</translation>
    </message>
    <message>
        <source>Topics</source>
        <translation>Onderwerpen</translation>
    </message>
    <message>
        <source>Tip of the Day</source>
        <translation>Tip van de dag</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over Lettrava</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>&amp;Round</source>
        <translation>&amp;Ronde</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Afbreken</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Voorkeuren</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>Final Results</source>
        <translation>Eindresultaten</translation>
    </message>
    <message>
        <source>Round %1 Results</source>
        <translation>Resultaten ronde %1</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Dictionary loaded: %1</source>
        <translation>Woordenboek geladen: %1</translation>
    </message>
    <message>
        <source>The chosen dictionary will be loaded when this round ends.</source>
        <translation>Het gekozen woordenboek wordt geladen als deze ronde voorbij is.</translation>
    </message>
    <message>
        <source>Do you want to save the game?</source>
        <translation>Wil je het spel opslaan?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>This will abort (and not count) the current round.  Are you sure?</source>
        <translation>Hiermee wordt de huidige ronde afgebroken en telt die niet mee. Weet je het zeker?</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; is reserved for a computer player. Please enter a different name.</source>
        <translation>De naam &quot;%1&quot; is gereserveerd voor een computerspeler. Kies een andere naam.</translation>
    </message>
    <message>
        <source>Player %1 is using the Mouse, which has been designated for use by another player also.

Please correct the input methods.</source>
        <translation>Speler %1 gebruikt de muis, maar die is ook al aan een andere speler toegewezen.

Pas de invoermethoden aan.</translation>
    </message>
    <message>
        <source>Player %1 is using the Keyboard, which has been designated for use by another player also.

Please correct the input methods.</source>
        <translation>Speler %1 gebruikt het toetsenbord, maar dat is ook al aan een andere speler toegewezen.

Pas de invoermethoden aan.</translation>
    </message>
    <message>
        <source>Please enter or select a name for Player %1</source>
        <translation>Voer een naam in voor speler %1 of kies er een</translation>
    </message>
    <message>
        <source>Player Name Required</source>
        <translation>Spelersnaam vereist</translation>
    </message>
    <message>
        <source>Player &apos;%1&apos; is listed more than once.

Please make all player names unique.</source>
        <translation>Speler &apos;%1&apos; staat er meer dan eens in.

Geef elke speler een unieke naam.</translation>
    </message>
    <message>
        <source>Duplicate Player Names</source>
        <translation>Dubbele spelersnamen</translation>
    </message>
    <message>
        <source>Only one (local) human player is allowed in a network game.  Please uncheck &quot; Listen for network players&quot; box or remove %1 human player(s)</source>
        <translation>In een netwerkspel is maar één (lokale) menselijke speler toegestaan. Vink &quot;Wachten op netwerkspelers&quot; uit of verwijder %1 menselijke speler(s)</translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation>Sorry</translation>
    </message>
    <message>
        <source>That person is already in the game.  Please enter another.</source>
        <translation>Die persoon doet al mee aan het spel. Voer iemand anders in.</translation>
    </message>
    <message>
        <source>Input method cannot be changed when &quot;Wait for network players&quot; is checked.  Keyboard and mouse method reserved for host.</source>
        <translation>De invoermethode kan niet worden gewijzigd als &quot;Wachten op netwerkspelers&quot; aangevinkt is. Toetsenbord en muis zijn gereserveerd voor de host.</translation>
    </message>
</context>
<context>
    <name>Sounds</name>
    <message>
        <source>Good Word</source>
        <translation>Goed woord</translation>
    </message>
    <message>
        <source>a valid word is entered</source>
        <translation>een geldig woord wordt ingevoerd</translation>
    </message>
    <message>
        <source>Word Not in Dict.</source>
        <translation>Niet in woordenboek</translation>
    </message>
    <message>
        <source>a word is submitted that is in the grid but not in the dictionary</source>
        <translation>een woord wordt ingevoerd dat wel in het rooster maar niet in het woordenboek staat</translation>
    </message>
    <message>
        <source>Word Not In Grid</source>
        <translation>Niet in rooster</translation>
    </message>
    <message>
        <source>a word is submitted that is not in the grid</source>
        <translation>een woord wordt ingevoerd dat niet in het rooster staat</translation>
    </message>
    <message>
        <source>Invalid Penalty</source>
        <translation>Straf ongeldig woord</translation>
    </message>
    <message>
        <source>the last word not in the grid that goes without a penalty is submitted</source>
        <translation>het laatste strafvrije woord wordt ingevoerd dat niet in het rooster staat</translation>
    </message>
    <message>
        <source>Lost All Valid Bonus</source>
        <translation>Alles-geldigbonus kwijt</translation>
    </message>
    <message>
        <source>the first word of a round that is not in the dictionary loses the all-valid bonus</source>
        <translation>het eerste woord van een ronde dat niet in het woordenboek staat de alles-geldigbonus kost</translation>
    </message>
    <message>
        <source>Ten Seconds Left</source>
        <translation>Nog tien seconden</translation>
    </message>
    <message>
        <source>fewer than ten seconds of the round remain</source>
        <translation>er minder dan tien seconden van de ronde over zijn</translation>
    </message>
    <message>
        <source>Round Over</source>
        <translation>Ronde voorbij</translation>
    </message>
    <message>
        <source>a round is over</source>
        <translation>een ronde voorbij is</translation>
    </message>
    <message>
        <source>Won Game</source>
        <translation>Spel gewonnen</translation>
    </message>
    <message>
        <source>a person wins the game</source>
        <translation>iemand het spel wint</translation>
    </message>
    <message>
        <source>Game End</source>
        <translation>Einde spel</translation>
    </message>
    <message>
        <source>the last round of a game is over</source>
        <translation>de laatste ronde van een spel voorbij is</translation>
    </message>
    <message>
        <source>Building Grid</source>
        <translation>Rooster bouwen</translation>
    </message>
    <message>
        <source>the grid of a new round is built</source>
        <translation>het rooster van een nieuwe ronde wordt gebouwd</translation>
    </message>
    <message>
        <source>Letter Click</source>
        <translation>Letterklik</translation>
    </message>
    <message>
        <source>a letter of the grid is clicked</source>
        <translation>er op een letter van het rooster wordt geklikt</translation>
    </message>
    <message>
        <source>Click here to browse for a file to play when %1</source>
        <translation>Klik hier om een bestand te kiezen dat wordt afgespeeld wanneer %1</translation>
    </message>
    <message>
        <source>This file will play when %1 (if the box at the left is checked)</source>
        <translation>Dit bestand wordt afgespeeld wanneer %1 (als het selectievakje links aangevinkt is)</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>%1&apos;s Stats</source>
        <translation>Statistieken van %1</translation>
    </message>
    <message>
        <source>%1&apos; Stats</source>
        <translation>Statistieken van %1</translation>
    </message>
    <message>
        <source>No player stats available.</source>
        <translation>Geen spelersstatistieken beschikbaar.</translation>
    </message>
</context>
<context>
    <name>TPlayView</name>
    <message>
        <source>Word Length:  MIN:%1 MAX:%2</source>
        <translation>Woordlengte:  MIN:%1 MAX:%2</translation>
    </message>
    <message>
        <source>Reuse: </source>
        <translation>Hergebruik: </translation>
    </message>
    <message>
        <source>YES</source>
        <translation>JA</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NEE</translation>
    </message>
</context>
<context>
    <name>Tips</name>
    <message>
        <source>Need some quiet?  Tick &quot;Disable All Sound&quot; on the Sounds page of the Preferences and Lettrava will not make a peep.</source>
        <translation>Even rust nodig? Vink &quot;Alle geluid uitschakelen&quot; aan op het tabblad Geluiden van de Voorkeuren, en Lettrava geeft geen kik meer.</translation>
    </message>
    <message>
        <source>You can play against up to three computer opponents at once.  Pick them in the game setup: from Patsy, who is easy to beat, up to Deep Words, who is not.</source>
        <translation>Je kunt tegen maximaal drie computertegenstanders tegelijk spelen. Kies ze bij het instellen van het spel: van Patsy, die makkelijk te verslaan is, tot Deep Words, die dat zeker niet is.</translation>
    </message>
    <message>
        <source>Wondering what a word means?  After a round, pick it in the results window and choose Lookup from the Word List menu or the right-click menu.</source>
        <translation>Wil je weten wat een woord betekent? Selecteer het na een ronde in het resultatenvenster en kies Opzoeken in het menu Woordenlijst of in het rechtermuisknopmenu.</translation>
    </message>
    <message>
        <source>Words that are too short or too long for your taste?  Change the shortest and longest word allowed in Game Options.</source>
        <translation>Vind je de woorden te kort of te lang? Stel het kortste en langste toegestane woord in bij Spelopties.</translation>
    </message>
    <message>
        <source>+Was one of your words shown in red?  It is in the grid but not in the dictionary.%CRLF%%CRLF%If you are sure it is a real word, choose Add Word in the results window: it goes into your own custom dictionary and counts from the next round on.</source>
        <translation>+Werd een van je woorden rood weergegeven? Het staat wel in het rooster, maar niet in het woordenboek.%CRLF%%CRLF%Weet je zeker dat het een echt woord is? Kies dan Woord toevoegen in het resultatenvenster: het komt in je eigen woordenboek en telt vanaf de volgende ronde mee.</translation>
    </message>
    <message>
        <source>When you add a word to your custom dictionary you can also send it to the Lettrava suggestion box, so that it may be part of a later version.</source>
        <translation>Als je een woord aan je eigen woordenboek toevoegt, kun je het ook naar de ideeënbus van Lettrava sturen, zodat het misschien in een latere versie komt.</translation>
    </message>
    <message>
        <source>With letter reuse allowed, a word may pass over the same tile more than once, so just two tiles that touch can make a word: a T beside an O gives TOT.</source>
        <translation>Als letters hergebruiken is toegestaan, mag een woord meer dan eens over hetzelfde vakje gaan. Zo vormen twee vakjes die elkaar raken al een woord: een T naast een O geeft TOT.</translation>
    </message>
    <message>
        <source>Every event has its own sound.  Choose your own sound files for them on the Sounds page of the Preferences.</source>
        <translation>Elke gebeurtenis heeft een eigen geluid. Kies je eigen geluidsbestanden op het tabblad Geluiden van de Voorkeuren.</translation>
    </message>
    <message>
        <source>You don&apos;t have to choose between the keyboard and the mouse: with &quot;Keyboard and Mouse&quot; you can type one word and click the next.</source>
        <translation>Je hoeft niet te kiezen tussen toetsenbord en muis: met &quot;Toetsenbord en muis&quot; typ je het ene woord en klik je het volgende.</translation>
    </message>
    <message>
        <source>Is there something you would like Lettrava to do?  Tell us about new features you would like with the feedback button in Help, About.</source>
        <translation>Wil je dat Lettrava iets nieuws kan? Laat ons weten welke functies je graag zou zien, met de feedbackknop onder Help, Over Lettrava.</translation>
    </message>
    <message>
        <source>Changes in the Preferences only last when you press Save before you leave the window.  Close throws them away.</source>
        <translation>Wijzigingen in de Voorkeuren blijven alleen bewaard als je op Opslaan drukt voordat je het venster verlaat. Sluiten gooit ze weg.</translation>
    </message>
    <message>
        <source>Typing words?  Press Space or Enter to submit a word, whichever comes easier.</source>
        <translation>Typ je de woorden? Druk op de spatiebalk of op Enter om een woord in te voeren, wat je maar het makkelijkst vindt.</translation>
    </message>
    <message>
        <source>+After a round, click any word in a list of the results window.%CRLF%%CRLF%Its letters light up in blue on the grid, so you can see where it was hiding.</source>
        <translation>+Klik na een ronde op een woord in een van de lijsten van het resultatenvenster.%CRLF%%CRLF%De letters lichten blauw op in het rooster, zodat je ziet waar het zich verstopte.</translation>
    </message>
    <message>
        <source>Found a mistake or have an idea?  Send us your suggestions with the feedback button in Help, About.</source>
        <translation>Een fout gevonden of een idee? Stuur ons je suggesties met de feedbackknop onder Help, Over Lettrava.</translation>
    </message>
    <message>
        <source>Letter reuse can be switched on or off in Game Options.  Without it, each tile may be used only once in a word, which makes long words much harder.</source>
        <translation>Letters hergebruiken zet je aan of uit bij Spelopties. Zonder hergebruik mag elk vakje maar één keer in een woord voorkomen, en dan worden lange woorden veel moeilijker.</translation>
    </message>
    <message>
        <source>Grid porosity punches holes into the grid.  The more holes, the fewer paths there are between the letters.  Set it in Game Options.</source>
        <translation>Roosterporositeit slaat gaten in het rooster. Hoe meer gaten, hoe minder paden er tussen de letters zijn. Je stelt het in bij Spelopties.</translation>
    </message>
    <message>
        <source>Make your own grids in the Grid Factory: type the letters, let the solver count the words and save the grid to play it in a game.</source>
        <translation>Maak je eigen roosters in de Roosterwerkplaats: typ de letters, laat de oplosser de woorden tellen en sla het rooster op om het in een spel te spelen.</translation>
    </message>
    <message>
        <source>+The Grid Factory can also build a grid for you from a list of words.%CRLF%Give it the words you want in the grid and it searches for a grid that holds as many of them as it can.</source>
        <translation>+De Roosterwerkplaats kan ook een rooster voor je bouwen uit een woordenlijst.%CRLF%Geef de woorden op die je in het rooster wilt hebben, en er wordt gezocht naar een rooster dat er zoveel mogelijk van bevat.</translation>
    </message>
    <message>
        <source>Lettrava can play in other languages too: put another dictionary into the dict folder and choose it on the General page of the Preferences.</source>
        <translation>Lettrava kan ook in andere talen spelen: zet een ander woordenboek in de map dict en kies het op het tabblad Algemeen van de Voorkeuren.</translation>
    </message>
    <message>
        <source>Between rounds, click the round-time picture to make the next round 15 seconds longer, or right-click it to make it shorter.</source>
        <translation>Klik tussen de rondes op de afbeelding met de rondetijd om de volgende ronde 15 seconden langer te maken, of klik er met rechts op om hem korter te maken.</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>You already submitted %1</source>
        <translation>Je hebt %1 al ingevoerd</translation>
    </message>
    <message>
        <source>Shame on you!</source>
        <translation>Foei!</translation>
    </message>
    <message>
        <source>* %1 * is good for 1 point!</source>
        <translation>* %1 * levert 1 punt op!</translation>
    </message>
    <message>
        <source>* %1 * is good for %2 points!</source>
        <translation>* %1 * levert %2 punten op!</translation>
    </message>
    <message>
        <source>* %1 * is invalid.  Only %2 letter words are valid.</source>
        <translation>* %1 * is ongeldig. Alleen woorden van %2 letters zijn geldig.</translation>
    </message>
    <message>
        <source>* %1 * is invalid.  Words must be at least %2 letters long</source>
        <translation>* %1 * is ongeldig. Woorden moeten minstens %2 letters lang zijn</translation>
    </message>
    <message>
        <source>* %1 * is invalid.  Words can be no more than %2 letters long</source>
        <translation>* %1 * is ongeldig. Woorden mogen hoogstens %2 letters lang zijn</translation>
    </message>
    <message>
        <source>* %1 * is not in the dictionary</source>
        <translation>* %1 * staat niet in het woordenboek</translation>
    </message>
    <message>
        <source>* %1 * is not in the grid</source>
        <translation>* %1 * staat niet in het rooster</translation>
    </message>
    <message>
        <source>* %1 * is invalid because letter reuse not allowed</source>
        <translation>* %1 * is ongeldig, want letters hergebruiken is niet toegestaan</translation>
    </message>
</context>
<context>
    <name>Word order</name>
    <message>
        <source>Input Order</source>
        <translation>Invoervolgorde</translation>
    </message>
    <message>
        <source>Alphabetically</source>
        <translation>Alfabetisch</translation>
    </message>
    <message>
        <source>Length Ascending</source>
        <translation>Lengte oplopend</translation>
    </message>
    <message>
        <source>Length Descending</source>
        <translation>Lengte aflopend</translation>
    </message>
</context>
<context>
    <name>lettrava::TALSTipDlg</name>
    <message>
        <source>Lettrava Tip of the Day</source>
        <translation>Lettrava - Tip van de dag</translation>
    </message>
    <message>
        <source>Did you know...</source>
        <translation>Wist je dat...</translation>
    </message>
    <message>
        <source> &amp;Show tips at startup</source>
        <translation> &amp;Tips tonen bij opstarten</translation>
    </message>
    <message>
        <source>&amp;Previous Tip</source>
        <translation>Vo&amp;rige tip</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>&amp;Volgende tip</translation>
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
        <translation>Over Lettrava</translation>
    </message>
    <message>
        <source>To submit questions, suggestions and bug reports, use the feedback form by pressing the button below, or email us at:</source>
        <translation>Gebruik voor vragen, suggesties en foutmeldingen het feedbackformulier via de knop hieronder, of mail ons op:</translation>
    </message>
    <message>
        <source>Submit Feedback*</source>
        <translation>Feedback sturen*</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>Return to Lettrava</source>
        <translation>Terug naar Lettrava</translation>
    </message>
    <message>
        <source>*Requires Internet Connection</source>
        <translation>*Internetverbinding vereist</translation>
    </message>
</context>
<context>
    <name>lettrava::TAddWordForm</name>
    <message>
        <source>Do you really want to add the word %1 to the custom dictionary?</source>
        <translation>Wil je het woord %1 echt aan je eigen woordenboek toevoegen?</translation>
    </message>
    <message>
        <source>The word %1 was added.  Next time it is used it will be valid.</source>
        <translation>Het woord %1 is toegevoegd. De volgende keer dat je het gebruikt, is het geldig.</translation>
    </message>
    <message>
        <source>Add Word</source>
        <translation>Woord toevoegen</translation>
    </message>
    <message>
        <source>Send word to lettrava suggestion box for inclusion in later version.</source>
        <translation>Woord naar de ideeënbus van Lettrava sturen voor een latere versie.</translation>
    </message>
    <message>
        <source>Lettrava Server</source>
        <translation>Lettrava-server</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Response:</source>
        <translation>Antwoord:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Trying to send word.</source>
        <translation>Woord wordt verstuurd.</translation>
    </message>
    <message>
        <source>The word server&apos;s address is not valid: %1</source>
        <translation>Het adres van de woordserver is ongeldig: %1</translation>
    </message>
    <message>
        <source>No response from server.</source>
        <translation>Geen antwoord van de server.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Klaar.</translation>
    </message>
    <message>
        <source>The word could not be added.  Please make sure the file                   Lettrava.Cus is not already open or marked read only.</source>
        <translation>Het woord kon niet worden toegevoegd. Controleer of het bestand Lettrava.Cus niet al geopend is of alleen-lezen is.</translation>
    </message>
    <message>
        <source>No word server is set up, so nothing can be sent: its host goes into the setting &quot;WordServer&quot;.</source>
        <translation>Er is geen woordserver ingesteld, dus er kan niets worden verstuurd: de hostnaam ervan hoort in de instelling &quot;WordServer&quot;.</translation>
    </message>
</context>
<context>
    <name>lettrava::TChatPanel</name>
    <message>
        <source>Send text</source>
        <translation>Tekst versturen</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Versturen</translation>
    </message>
    <message>
        <source>Add selected individual to game</source>
        <translation>Geselecteerde persoon aan het spel toevoegen</translation>
    </message>
    <message>
        <source>DEBUG ONLY: this will simulate your disconnection if you are not the host</source>
        <translation>ALLEEN DEBUG: dit simuleert dat je verbinding wegvalt als je niet de host bent</translation>
    </message>
    <message>
        <source>Hide member list</source>
        <translation>Deelnemerslijst verbergen</translation>
    </message>
    <message>
        <source>Show member list</source>
        <translation>Deelnemerslijst tonen</translation>
    </message>
</context>
<context>
    <name>lettrava::TCongratulationsForm</name>
    <message>
        <source>Game Over</source>
        <translation>Spel voorbij</translation>
    </message>
    <message>
        <source>- Game Over -</source>
        <translation>- Spel voorbij -</translation>
    </message>
    <message>
        <source>And the WINNER is..........</source>
        <translation>En de WINNAAR is..........</translation>
    </message>
    <message>
        <source>CONGRATULATIONS!</source>
        <translation>GEFELICITEERD!</translation>
    </message>
    <message>
        <source>&amp;View Final Results</source>
        <translation>&amp;Eindresultaten bekijken</translation>
    </message>
</context>
<context>
    <name>lettrava::TFactoryMode</name>
    <message>
        <source>Lettrava Grids (*.GRD *.grd)</source>
        <translation>Lettrava-roosters (*.GRD *.grd)</translation>
    </message>
    <message>
        <source>&amp;Grid</source>
        <translation>&amp;Rooster</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Willekeurig</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Exit Factory</source>
        <translation>Werkplaats verlaten</translation>
    </message>
    <message>
        <source>Exit Lettrava</source>
        <translation>Lettrava afsluiten</translation>
    </message>
    <message>
        <source>Word List</source>
        <translation>Woordenlijst</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>Opti&amp;es</translation>
    </message>
    <message>
        <source>Allow Reuse</source>
        <translation>Hergebruik toestaan</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Kolommen</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Rijen</translation>
    </message>
    <message>
        <source>Min Word Length</source>
        <translation>Min. woordlengte</translation>
    </message>
    <message>
        <source>Max Word Length</source>
        <translation>Max. woordlengte</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Voorkeuren</translation>
    </message>
    <message>
        <source>Word Length</source>
        <translation>Woordlengte</translation>
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
        <translation>Hergebruik toestaan</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Oplossing</translation>
    </message>
    <message>
        <source>Count:</source>
        <translation>Aantal:</translation>
    </message>
    <message>
        <source>Lookup</source>
        <translation>Opzoeken</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Lokaal</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Sort Order</source>
        <translation>Sorteervolgorde</translation>
    </message>
    <message>
        <source>Do you want to save the grid?</source>
        <translation>Wil je het rooster opslaan?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bevestigen</translation>
    </message>
    <message>
        <source>Load Lettrava Grid</source>
        <translation>Lettrava-rooster laden</translation>
    </message>
    <message>
        <source>;;Any file (*)</source>
        <translation>;;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Unable to load grid.</source>
        <translation>Kan het rooster niet laden.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Save Lettrava Grid</source>
        <translation>Lettrava-rooster opslaan</translation>
    </message>
    <message>
        <source>Unable to save grid to disk.</source>
        <translation>Kan het rooster niet op schijf opslaan.</translation>
    </message>
    <message>
        <source>Start again with an empty grid</source>
        <translation>Opnieuw beginnen met een leeg rooster</translation>
    </message>
    <message>
        <source>Load a grid from disk</source>
        <translation>Een rooster van schijf laden</translation>
    </message>
    <message>
        <source>Generate new grid with random letters</source>
        <translation>Nieuw rooster met willekeurige letters maken</translation>
    </message>
    <message>
        <source>Save grid to disk</source>
        <translation>Rooster op schijf opslaan</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Oplossen</translation>
    </message>
    <message>
        <source>Solve grid</source>
        <translation>Rooster oplossen</translation>
    </message>
</context>
<context>
    <name>lettrava::TFactoryWordListForm</name>
    <message>
        <source>Grid Factory Word List</source>
        <translation>Woordenlijst Roosterwerkplaats</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles selecteren</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Enter a word</source>
        <translation>Voer een woord in</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Woord</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Open word list file</source>
        <translation>Woordenlijst openen</translation>
    </message>
    <message>
        <source>Text files (*.txt);;Any file (*)</source>
        <translation>Tekstbestanden (*.txt);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauze</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Hervatten</translation>
    </message>
    <message>
        <source>Do you want to stop the grid generation process?</source>
        <translation>Wil je het genereren van het rooster stoppen?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bevestigen</translation>
    </message>
    <message>
        <source>Word list length:</source>
        <translation>Lengte woordenlijst:</translation>
    </message>
    <message>
        <source>Words Placed:</source>
        <translation>Geplaatste woorden:</translation>
    </message>
    <message>
        <source>Search time:</source>
        <translation>Zoektijd:</translation>
    </message>
    <message>
        <source>Generations:</source>
        <translation>Generaties:</translation>
    </message>
    <message>
        <source>Generate Grid</source>
        <translation>Rooster maken</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Kan bestand &quot;%1&quot; niet openen. %2</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is too large to be a word list.</source>
        <translation>Het bestand &quot;%1&quot; is te groot voor een woordenlijst.</translation>
    </message>
</context>
<context>
    <name>lettrava::TGameOptionsGroup</name>
    <message>
        <source>Game Options</source>
        <translation>Spelopties</translation>
    </message>
    <message>
        <source>Shortest word</source>
        <translation>Kortste woord</translation>
    </message>
    <message>
        <source>Longest word</source>
        <translation>Langste woord</translation>
    </message>
    <message>
        <source>Allowable Word Length:</source>
        <translation>Toegestane woordlengte:</translation>
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
        <translation>Roosterporositeit (% leeg):</translation>
    </message>
    <message>
        <source>&amp;Bonus Word Enabled</source>
        <translation>&amp;Bonuswoord actief</translation>
    </message>
    <message>
        <source>Allow Letter &amp;Reuse</source>
        <translation>&amp;Letters hergebruiken</translation>
    </message>
    <message>
        <source>Grid Size Order:</source>
        <translation>Volgorde roostergrootte:</translation>
    </message>
    <message>
        <source>Rounds Per Game:</source>
        <translation>Rondes per spel:</translation>
    </message>
    <message>
        <source>Round Duration:</source>
        <translation>Rondeduur:</translation>
    </message>
    <message>
        <source>Round Duration (M:SS):</source>
        <translation>Rondeduur (M:SS):</translation>
    </message>
    <message>
        <source>Round minutes</source>
        <translation>Minuten per ronde</translation>
    </message>
    <message>
        <source>Round seconds</source>
        <translation>Seconden per ronde</translation>
    </message>
</context>
<context>
    <name>lettrava::TGridFileList</name>
    <message>
        <source>Round %1: </source>
        <translation>Ronde %1: </translation>
    </message>
    <message>
        <source>[randomly generated grid]</source>
        <translation>[willekeurig gegenereerd rooster]</translation>
    </message>
</context>
<context>
    <name>lettrava::THelpForm</name>
    <message>
        <source>Lettrava Help</source>
        <translation>Lettrava Help</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhoud</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Terug</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vooruit</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Slui&amp;ten</translation>
    </message>
</context>
<context>
    <name>lettrava::THelpWarningForm</name>
    <message>
        <source>Lettrava is unable to initialize the Lettrava help system.  This is most likely due to your having an outdated version of Microsoft Internet Explorer or none at all.  Version 5 or greater is recommended.

You may either click on the link below to download Internet Explorer (you must be connected to the internet), or continue to use Lettrava without access to help.</source>
        <translation>Lettrava kan het helpsysteem van Lettrava niet starten. Waarschijnlijk heb je een verouderde versie van Microsoft Internet Explorer of helemaal geen. Versie 5 of hoger wordt aanbevolen.

Je kunt op de koppeling hieronder klikken om Internet Explorer te downloaden (je moet verbonden zijn met internet), of Lettrava zonder help blijven gebruiken.</translation>
    </message>
    <message>
        <source>Welcome to Lettrava</source>
        <translation>Welkom bij Lettrava</translation>
    </message>
    <message>
        <source>Download Internet Explorer</source>
        <translation>Internet Explorer downloaden</translation>
    </message>
    <message>
        <source>Do Not Show this Message Again</source>
        <translation>Dit bericht niet meer tonen</translation>
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
        <translation>Lettrava - Opzoeken</translation>
    </message>
    <message>
        <source>No definition of %1 was found.</source>
        <translation>Geen definitie van %1 gevonden.</translation>
    </message>
    <message>
        <source>From %1:

</source>
        <translation>Uit %1:

</translation>
    </message>
</context>
<context>
    <name>lettrava::TMainForm</name>
    <message>
        <source>Lettrava Saved Games (*.LTG *.ltg)</source>
        <translation>Opgeslagen Lettrava-spellen (*.LTG *.ltg)</translation>
    </message>
    <message>
        <source>Load Lettrava Game</source>
        <translation>Lettrava-spel laden</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Spel opslaan</translation>
    </message>
    <message>
        <source>Are you sure you want to abort this round?</source>
        <translation>Weet je zeker dat je deze ronde wilt afbreken?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bevestigen</translation>
    </message>
    <message>
        <source>Print Grid</source>
        <translation>Rooster afdrukken</translation>
    </message>
    <message>
        <source>Save Lettrava Grid</source>
        <translation>Lettrava-rooster opslaan</translation>
    </message>
    <message>
        <source>Lettrava Grids (*.GRD *.grd)</source>
        <translation>Lettrava-roosters (*.GRD *.grd)</translation>
    </message>
    <message>
        <source>Unable to save grid to disk.</source>
        <translation>Kan het rooster niet op schijf opslaan.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Hervatten</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pauze</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Hervatten</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauze</translation>
    </message>
</context>
<context>
    <name>lettrava::TNetworkPlay</name>
    <message>
        <source>You are in the game.  The host will start the round.</source>
        <translation>Je doet mee aan het spel. De host start de ronde.</translation>
    </message>
    <message>
        <source>H&amp;ost</source>
        <translation>H&amp;ost</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Vergrendelen</translation>
    </message>
    <message>
        <source>Allow no more new connections</source>
        <translation>Geen nieuwe verbindingen meer toestaan</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>End game, disconnect clients and close network connection.</source>
        <translation>Spel beëindigen, deelnemers loskoppelen en de netwerkverbinding sluiten.</translation>
    </message>
    <message>
        <source>Could not listen for network players on port %1: %2</source>
        <translation>Kan op poort %1 niet wachten op netwerkspelers: %2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>This feature is not yet enabled.</source>
        <translation>Deze functie is nog niet beschikbaar.</translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation>Sorry</translation>
    </message>
    <message>
        <source>This will end the game and disconnect any remote players, are you sure?</source>
        <translation>Hiermee beëindig je het spel en verbreek je de verbinding met alle spelers op afstand. Weet je het zeker?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>Waiting for round results.  Please stand by...</source>
        <translation>Wachten op de resultaten van de ronde. Even geduld...</translation>
    </message>
    <message>
        <source>Waiting for restart.  Please stand by...</source>
        <translation>Wachten op de herstart. Even geduld...</translation>
    </message>
</context>
<context>
    <name>lettrava::TPlayPanels</name>
    <message>
        <source>Round 1</source>
        <translation>Ronde 1</translation>
    </message>
    <message>
        <source>Click to take a minute off the round</source>
        <translation>Klik om de ronde een minuut korter te maken</translation>
    </message>
    <message>
        <source>Set Round Time</source>
        <translation>Rondetijd instellen</translation>
    </message>
    <message>
        <source>Grid Size</source>
        <translation>Roostergrootte</translation>
    </message>
    <message>
        <source>Grid columns</source>
        <translation>Roosterkolommen</translation>
    </message>
    <message>
        <source>Grid rows</source>
        <translation>Roosterrijen</translation>
    </message>
    <message>
        <source>Cols</source>
        <translation>Kol.</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Rijen</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>100 pts</source>
        <translation>100 pnt</translation>
    </message>
    <message>
        <source>Enter Word</source>
        <translation>Woord invoeren</translation>
    </message>
    <message>
        <source>The game is paused.  Please press Pause again to continue.</source>
        <translation>Het spel is gepauzeerd. Druk nogmaals op Pauze om verder te gaan.</translation>
    </message>
</context>
<context>
    <name>lettrava::TPlayerInfoDlg</name>
    <message>
        <source>Network</source>
        <translation>Netwerk</translation>
    </message>
    <message>
        <source>Listen for network players:</source>
        <translation>Wachten op netwerkspelers:</translation>
    </message>
    <message>
        <source>Listen for network players</source>
        <translation>Wachten op netwerkspelers</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Poort:</translation>
    </message>
    <message>
        <source>Email (optional):</source>
        <translation>E-mail (optioneel):</translation>
    </message>
    <message>
        <source>Message (optional):</source>
        <translation>Bericht (optioneel):</translation>
    </message>
    <message>
        <source>Network games cannot be hosted from here.</source>
        <translation>Netwerkspellen kunnen niet vanaf hier gehost worden.</translation>
    </message>
    <message>
        <source>Host&apos;s Version</source>
        <translation>Versie van de host</translation>
    </message>
    <message>
        <source>Program:</source>
        <translation>Programma:</translation>
    </message>
    <message>
        <source>Dictionary:</source>
        <translation>Woordenboek:</translation>
    </message>
    <message>
        <source>Grid files by round</source>
        <translation>Roosterbestanden per ronde</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Toevoegen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>&amp;Spel starten</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>The new game is hosted on the connections already open.</source>
        <translation>Het nieuwe spel wordt gehost op de verbindingen die al open zijn.</translation>
    </message>
    <message>
        <source>Select Grid File</source>
        <translation>Roosterbestand kiezen</translation>
    </message>
    <message>
        <source>Lettrava Grids (*.GRD *.grd)</source>
        <translation>Lettrava-roosters (*.GRD *.grd)</translation>
    </message>
    <message>
        <source>The file %1 results in an empty grid (perhaps it is not really a grid file?).  Are you sure you want to schedule it for use in the game?</source>
        <translation>Het bestand %1 levert een leeg rooster op (misschien is het niet echt een roosterbestand?). Weet je zeker dat je het in het spel wilt gebruiken?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Enter Player Information</source>
        <translation>Spelersgegevens invoeren</translation>
    </message>
    <message>
        <source>Keyboard and Mouse</source>
        <translation>Toetsenbord en muis</translation>
    </message>
    <message>
        <source>Keyboard Only</source>
        <translation>Alleen toetsenbord</translation>
    </message>
    <message>
        <source>Mouse Only</source>
        <translation>Alleen muis</translation>
    </message>
    <message>
        <source>Computer Player</source>
        <translation>Computerspeler</translation>
    </message>
    <message>
        <source>Smallest to Largest</source>
        <translation>Van klein naar groot</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Willekeurig</translation>
    </message>
    <message>
        <source>Set Manually Each Round</source>
        <translation>Elke ronde handmatig</translation>
    </message>
    <message>
        <source>Load from Files</source>
        <translation>Uit bestanden laden</translation>
    </message>
    <message>
        <source>Automatic Based on Grid Size</source>
        <translation>Automatisch op roostergrootte</translation>
    </message>
    <message>
        <source>Set Manually</source>
        <translation>Handmatig</translation>
    </message>
</context>
<context>
    <name>lettrava::TPlayerStatsForm</name>
    <message>
        <source>Name:</source>
        <translation>Naam:</translation>
    </message>
    <message>
        <source>Games Completed:</source>
        <translation>Voltooide spellen:</translation>
    </message>
    <message>
        <source>Games Won:</source>
        <translation>Gewonnen spellen:</translation>
    </message>
    <message>
        <source>Longest Word:</source>
        <translation>Langste woord:</translation>
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
        <translation>Op afstand</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spelers</translation>
    </message>
    <message>
        <source>Total # of Players*:</source>
        <translation>Aantal spelers*:</translation>
    </message>
    <message>
        <source>*Includes computer players but NOT network players</source>
        <translation>*Inclusief computerspelers, maar NIET netwerkspelers</translation>
    </message>
    <message>
        <source>Player %1:</source>
        <translation>Speler %1:</translation>
    </message>
    <message>
        <source>Player %1 input method</source>
        <translation>Invoermethode speler %1</translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation>Naam speler %1</translation>
    </message>
    <message>
        <source>Another player uses this input device too.</source>
        <translation>Een andere speler gebruikt dit invoerapparaat ook.</translation>
    </message>
</context>
<context>
    <name>lettrava::TPreferencesForm</name>
    <message>
        <source>Lettrava Preferences</source>
        <translation>Lettrava-voorkeuren</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Algemeen</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>Opti&amp;es</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Slui&amp;ten</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>Board Font</source>
        <translation>Lettertype speelbord</translation>
    </message>
    <message>
        <source>&amp;Lists</source>
        <translation>&amp;Lijsten</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Lettertype</translation>
    </message>
    <message>
        <source>&amp;Sort order</source>
        <translation>&amp;Sorteervolgorde</translation>
    </message>
    <message>
        <source>&amp;Wallpaper</source>
        <translation>&amp;Achtergrond</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Bladeren</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Herstellen</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stijl</translation>
    </message>
    <message>
        <source>Sou&amp;nd</source>
        <translation>&amp;Geluid</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Testen</translation>
    </message>
    <message>
        <source>Stop Test</source>
        <translation>Test stoppen</translation>
    </message>
    <message>
        <source>Check &amp;All</source>
        <translation>&amp;Alles aanvinken</translation>
    </message>
    <message>
        <source>&amp;Uncheck All</source>
        <translation>Alles &amp;uitvinken</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Lettertypen</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>&amp;Wijzigen</translation>
    </message>
    <message>
        <source>WORDS  LETTERS</source>
        <translation>WOORDEN  LETTERS</translation>
    </message>
    <message>
        <source>Modif&amp;y</source>
        <translation>W&amp;ijzigen</translation>
    </message>
    <message>
        <source>Game board font:</source>
        <translation>Lettertype speelbord:</translation>
    </message>
    <message>
        <source>Word Lists</source>
        <translation>Woordenlijsten</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Lettertype:</translation>
    </message>
    <message>
        <source>De&amp;fault sort order:</source>
        <translation>Standaard sorteer&amp;volgorde:</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Woorden</translation>
    </message>
    <message>
        <source>Definition loo&amp;kup address:</source>
        <translation>Opzoekadres voor &amp;definities:</translation>
    </message>
    <message>
        <source>Use &amp;dictionaries:</source>
        <translation>&amp;Gebruik woordenboeken:</translation>
    </message>
    <message>
        <source>&amp;Reload Dictionaries</source>
        <translation>Woordenboe&amp;ken herladen</translation>
    </message>
    <message>
        <source>Show &amp;Tip of the Day At Startup</source>
        <translation>Tip van de dag tonen bi&amp;j opstarten</translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation>Taal van het systeem</translation>
    </message>
    <message>
        <source>Lang&amp;uage:</source>
        <translation>Taal van &amp;menu&apos;s:</translation>
    </message>
    <message>
        <source>The windows change language when Lettrava starts next.</source>
        <translation>De vensters krijgen de nieuwe taal bij de volgende start van Lettrava.</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Achtergrond</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Bladeren...</translation>
    </message>
    <message>
        <source>T&amp;ile</source>
        <translation>&amp;Naast elkaar</translation>
    </message>
    <message>
        <source>Str&amp;etch</source>
        <translation>&amp;Uitrekken</translation>
    </message>
    <message>
        <source>Re&amp;vert To Default</source>
        <translation>Standaa&amp;rd herstellen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>&amp;Disable All Sound</source>
        <translation>Alle geluid uits&amp;chakelen</translation>
    </message>
    <message>
        <source>Note:  If changing preferences during a round, some changes may not take effect until the next round.</source>
        <translation>Let op: als je tijdens een ronde voorkeuren wijzigt, werken sommige wijzigingen pas vanaf de volgende ronde.</translation>
    </message>
    <message>
        <source>Game Board Font</source>
        <translation>Lettertype speelbord</translation>
    </message>
    <message>
        <source>Word List Font</source>
        <translation>Lettertype woordenlijst</translation>
    </message>
    <message>
        <source>Select Lettrava Wallpaper</source>
        <translation>Lettrava-achtergrond kiezen</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp);;Pictures (*.bmp *.png *.jpg *.jpeg)</source>
        <translation>Bitmaps (*.bmp);;Afbeeldingen (*.bmp *.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>Geluid afspelen</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 bestaat niet</translation>
    </message>
    <message>
        <source>Select sound for %1</source>
        <translation>Geluid kiezen voor %1</translation>
    </message>
    <message>
        <source>Wave sounds (*.wav);;All files (*)</source>
        <translation>Wave-geluiden (*.wav);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Your screen resolution is currently set to 256 colors or less.  Wallpaper is not supported at this color depth.  Press the Help button for instructions on increasing your color depth.</source>
        <translation>Je scherm staat momenteel ingesteld op 256 kleuren of minder. Bij deze kleurdiepte wordt een achtergrond niet ondersteund. Druk op de knop Help voor uitleg over het verhogen van de kleurdiepte.</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Geluiden</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Naast elkaar</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Uitrekken</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Inschakelen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Hel&amp;p</source>
        <translation>Hel&amp;p</translation>
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
        <translation>Oplossing</translation>
    </message>
    <message>
        <source>Count:</source>
        <translation>Aantal:</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Verbergen</translation>
    </message>
</context>
<context>
    <name>lettrava::TResultsMenus</name>
    <message>
        <source>&amp;Word List</source>
        <translation>&amp;Woordenlijst</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Speler %1</translation>
    </message>
    <message>
        <source>Lookup</source>
        <translation>Opzoeken</translation>
    </message>
    <message>
        <source>Local</source>
        <translation>Lokaal</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Add Word</source>
        <translation>Woord toevoegen</translation>
    </message>
    <message>
        <source>View Stats</source>
        <translation>Statistieken bekijken</translation>
    </message>
    <message>
        <source>Sort Order</source>
        <translation>Sorteervolgorde</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Oplossing</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Verbergen</translation>
    </message>
    <message>
        <source>&amp;Return to Game</source>
        <translation>&amp;Terug naar spel</translation>
    </message>
    <message>
        <source>Local Dictionary</source>
        <translation>Lokaal woordenboek</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Tonen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
</context>
<context>
    <name>lettrava::TRoundScoreTable</name>
    <message>
        <source>     Round     </source>
        <translation>     Ronde     </translation>
    </message>
    <message>
        <source>     Game     </source>
        <translation>     Spel     </translation>
    </message>
    <message>
        <source>Words    Points</source>
        <translation>Woorden    Punten</translation>
    </message>
    <message>
        <source>Longest Word</source>
        <translation>Langste woord</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Player found bonus word this round</source>
        <translation>Speler vond deze ronde het bonuswoord</translation>
    </message>
    <message>
        <source>V</source>
        <translation>G</translation>
    </message>
    <message>
        <source>Player got all valid bonus this round</source>
        <translation>Speler kreeg deze ronde de alles-geldigbonus</translation>
    </message>
</context>
<context>
    <name>lettrava::TSpeedBar</name>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Spel opslaan</translation>
    </message>
    <message>
        <source>GO</source>
        <translation>START</translation>
    </message>
    <message>
        <source>Start Round</source>
        <translation>Ronde starten</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauze</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Clear Mouse Clicks</source>
        <translation>Muisklikken wissen</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Afbreken</translation>
    </message>
    <message>
        <source>Abort Round (round will count)</source>
        <translation>Ronde afbreken (ronde telt mee)</translation>
    </message>
</context>
<context>
    <name>lettrava::TStatSummaryForm</name>
    <message>
        <source>Lettrava Stats</source>
        <translation>Lettrava-statistieken</translation>
    </message>
</context>
<context>
    <name>lettrava::TTCPForm</name>
    <message>
        <source>Please specify the name you would like to use, the game host&apos;s IP Address (or hostname) and Port.  These values should have been given to you by the person arranging the game.  If the port was not given to you, use the default value supplied.</source>
        <translation>Geef de naam op die je wilt gebruiken, het IP-adres (of de hostnaam) van de host van het spel en de poort. Deze gegevens heb je gekregen van degene die het spel organiseert. Heb je geen poort gekregen, gebruik dan de voorgestelde standaardwaarde.</translation>
    </message>
    <message>
        <source>You have been disconnected from the host.  This could be due to network failure.
To attempt to reconnect, please click the button below.</source>
        <translation>De verbinding met de host is verbroken. Dit kan komen door een netwerkstoring.
Klik op de knop hieronder om opnieuw verbinding te maken.</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profiel</translation>
    </message>
    <message>
        <source>Whisper</source>
        <translation>Fluisteren</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Player name:</source>
        <translation>Spelersnaam:</translation>
    </message>
    <message>
        <source>Host Address:</source>
        <translation>Hostadres:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Poort:</translation>
    </message>
    <message>
        <source>Your Email (optional):</source>
        <translation>Je e-mail (optioneel):</translation>
    </message>
    <message>
        <source>Message (optional):</source>
        <translation>Bericht (optioneel):</translation>
    </message>
    <message>
        <source>&amp;Connect to Host</source>
        <translation>&amp;Verbinden met host</translation>
    </message>
    <message>
        <source>Oops!</source>
        <translation>Oeps!</translation>
    </message>
    <message>
        <source>Reconnect</source>
        <translation>Opnieuw verbinden</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; is geen geldig geheel getal</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Wordt geannuleerd...</translation>
    </message>
    <message>
        <source>Retry attempts: %1</source>
        <translation>Nieuwe pogingen: %1</translation>
    </message>
    <message>
        <source>Lettrava Whisper</source>
        <translation>Lettrava - Fluisteren</translation>
    </message>
    <message>
        <source>Private message to %1:</source>
        <translation>Privébericht aan %1:</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Profile of %1 (Game Host) - Email: %2</source>
        <translation>Profiel van %1 (host) - e-mail: %2</translation>
    </message>
    <message>
        <source>Profile of %1 (Logged in from &lt;&lt; %2 - %3 &gt;&gt; - Email: %4</source>
        <translation>Profiel van %1 (aangemeld vanaf &lt;&lt; %2 - %3 &gt;&gt; - e-mail: %4</translation>
    </message>
    <message>
        <source>Has: Game version: %1 - Dictionary version: %2</source>
        <translation>Heeft: spelversie: %1 - woordenboekversie: %2</translation>
    </message>
    <message>
        <source>Message: &quot;%1&quot;</source>
        <translation>Bericht: &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>lettrava::TWelcomePanel</name>
    <message>
        <source>Welcome to Lettrava</source>
        <translation>Welkom bij Lettrava</translation>
    </message>
    <message>
        <source>&amp;Start a New Game</source>
        <translation>&amp;Nieuw spel starten</translation>
    </message>
    <message>
        <source>&amp;Continue a Saved Game</source>
        <translation>&amp;Doorgaan met opgeslagen spel</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>&amp;Zo speel je</translation>
    </message>
    <message>
        <source>&amp;Join an Internet Game</source>
        <translation>Meedoen aan een &amp;internetspel</translation>
    </message>
    <message>
        <source>Click a dot or use the Menu to let the fun begin!</source>
        <translation>Klik op een stip of gebruik het menu en laat de pret beginnen!</translation>
    </message>
</context>
<context>
    <name>lettrava::TWordListBox</name>
    <message>
        <source>Not in the grid</source>
        <translation>Niet in het rooster</translation>
    </message>
    <message>
        <source>Not in the dictionary</source>
        <translation>Niet in het woordenboek</translation>
    </message>
    <message>
        <source>Unique word: no other player found it</source>
        <translation>Uniek woord: geen andere speler vond het</translation>
    </message>
</context>
<context>
    <name>lettrava::WordLookup</name>
    <message>
        <source>It appears you do not have the dictionary installed. If you downloaded the non-dictionary version and would now like to be able to look up definitions locally, please visit %1 and download and install the dictionary version.

</source>
        <translation>Het lijkt erop dat het woordenboek niet geïnstalleerd is. Als je de versie zonder woordenboek hebt gedownload en nu definities lokaal wilt kunnen opzoeken, ga dan naar %1 en download en installeer de versie met woordenboek.

</translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation>Sorry</translation>
    </message>
    <message>
        <source>URL Needed</source>
        <translation>URL nodig</translation>
    </message>
    <message>
        <source>Please enter a location (accept the default if unsure)</source>
        <translation>Voer een locatie in (neem de standaardwaarde als je het niet zeker weet)</translation>
    </message>
    <message>
        <source>The Dictionary is not available.  Please use the internet lookup or reinstall the dictionary version of Lettrava</source>
        <translation>Het woordenboek is niet beschikbaar. Gebruik het opzoeken via internet of installeer de versie van Lettrava met woordenboek opnieuw.</translation>
    </message>
</context>
</TS>
