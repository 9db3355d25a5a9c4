<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>Client</name>
    <message>
        <source>Please type or select a player name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter an IP address or host name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting to %1 on port %2...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum attempts reached.  Quitting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection failed with message: %1
Will retry (maybe host wasn&apos;t quite ready).  Press cancel to abort.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That name is already in use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Names can be at most %1 characters long.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recipient missing.  Whisper format: &quot;/w [name] [message]&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no one here by the name of &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You whispered to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, I don&apos;t understand that command.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*** The Host ended round %1 abrubtly.  The round will count.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*** The Host ended round %1 abrubtly.  The round will not count.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*** The Host started a new game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The host has shut down abruptly (but deliberately)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notice</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Dictionary</name>
    <message>
        <source>warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no dictionary selected or the dictionary is missing.  Please go to Preferences/General and select a dictionary.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are missing characters (&apos;=&apos;) from the dictionary</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please stand by . . .</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You may submit words now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for all players to finish.  Please stand by...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OVER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ABORTED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All players finished.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wait time limit exceeded. Forcing round completion.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click GO or press Enter to start the LAST round</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click GO or press Enter to start round %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round time: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round time: %1 - Left (right) click to increase (decrease)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 pts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It was a tie!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no results to view at this time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, that does not appear to be a Lettrava game file.

If it is a Lettrava file, it is from an outdated version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load game file.  Perhaps it is corrupted or is not a valid Lettrava game file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to save game to disk.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainActions</name>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View Player Stats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Grid Factory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Round</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round Still Counts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round Doesn&apos;t Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear Clicks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Mouse Clicks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Topics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tip of the Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Round</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>Final Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round %1 Results</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Dictionary loaded: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chosen dictionary will be loaded when this round ends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to save the game?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This will abort (and not count) the current round.  Are you sure?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; is reserved for a computer player. Please enter a different name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player %1 is using the Mouse, which has been designated for use by another player also.

Please correct the input methods.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player %1 is using the Keyboard, which has been designated for use by another player also.

Please correct the input methods.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter or select a name for Player %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player Name Required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player &apos;%1&apos; is listed more than once.

Please make all player names unique.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate Player Names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only one (local) human player is allowed in a network game.  Please uncheck &quot; Listen for network players&quot; box or remove %1 human player(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That person is already in the game.  Please enter another.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input method cannot be changed when &quot;Wait for network players&quot; is checked.  Keyboard and mouse method reserved for host.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Sounds</name>
    <message>
        <source>Good Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a valid word is entered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word Not in Dict.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a word is submitted that is in the grid but not in the dictionary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word Not In Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a word is submitted that is not in the grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Penalty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the last word not in the grid that goes without a penalty is submitted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lost All Valid Bonus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the first word of a round that is not in the dictionary loses the all-valid bonus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ten Seconds Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fewer than ten seconds of the round remain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round Over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a round is over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Won Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a person wins the game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the last round of a game is over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Building Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the grid of a new round is built</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letter Click</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a letter of the grid is clicked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to browse for a file to play when %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file will play when %1 (if the box at the left is checked)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>%1&apos;s Stats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&apos; Stats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No player stats available.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPlayView</name>
    <message>
        <source>Word Length:  MIN:%1 MAX:%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reuse: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>YES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NO</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tips</name>
    <message>
        <source>Need some quiet?  Tick &quot;Disable All Sound&quot; on the Sounds page of the Preferences and Lettrava will not make a peep.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can play against up to three computer opponents at once.  Pick them in the game setup: from Patsy, who is easy to beat, up to Deep Words, who is not.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wondering what a word means?  After a round, pick it in the results window and choose Lookup from the Word List menu or the right-click menu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words that are too short or too long for your taste?  Change the shortest and longest word allowed in Game Options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+Was one of your words shown in red?  It is in the grid but not in the dictionary.%CRLF%%CRLF%If you are sure it is a real word, choose Add Word in the results window: it goes into your own custom dictionary and counts from the next round on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When you add a word to your custom dictionary you can also send it to the Lettrava suggestion box, so that it may be part of a later version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With letter reuse allowed, a word may pass over the same tile more than once, so just two tiles that touch can make a word: a T beside an O gives TOT.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every event has its own sound.  Choose your own sound files for them on the Sounds page of the Preferences.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You don&apos;t have to choose between the keyboard and the mouse: with &quot;Keyboard and Mouse&quot; you can type one word and click the next.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Is there something you would like Lettrava to do?  Tell us about new features you would like with the feedback button in Help, About.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes in the Preferences only last when you press Save before you leave the window.  Close throws them away.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typing words?  Press Space or Enter to submit a word, whichever comes easier.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+After a round, click any word in a list of the results window.%CRLF%%CRLF%Its letters light up in blue on the grid, so you can see where it was hiding.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Found a mistake or have an idea?  Send us your suggestions with the feedback button in Help, About.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letter reuse can be switched on or off in Game Options.  Without it, each tile may be used only once in a word, which makes long words much harder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid porosity punches holes into the grid.  The more holes, the fewer paths there are between the letters.  Set it in Game Options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make your own grids in the Grid Factory: type the letters, let the solver count the words and save the grid to play it in a game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+The Grid Factory can also build a grid for you from a list of words.%CRLF%Give it the words you want in the grid and it searches for a grid that holds as many of them as it can.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lettrava can play in other languages too: put another dictionary into the dict folder and choose it on the General page of the Preferences.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Between rounds, click the round-time picture to make the next round 15 seconds longer, or right-click it to make it shorter.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>You already submitted %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shame on you!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* %1 * is good for 1 point!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* %1 * is good for %2 points!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* %1 * is invalid.  Only %2 letter words are valid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* %1 * is invalid.  Words must be at least %2 letters long</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* %1 * is invalid.  Words can be no more than %2 letters long</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* %1 * is not in the dictionary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* %1 * is not in the grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>* %1 * is invalid because letter reuse not allowed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Word order</name>
    <message>
        <source>Input Order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alphabetically</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length Ascending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length Descending</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lettrava::TALSTipDlg</name>
    <message>
        <source>Lettrava Tip of the Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Did you know...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> &amp;Show tips at startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Previous Tip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lettrava::TAboutBox</name>
    <message>
        <source>About Lettrava</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To submit questions, suggestions and bug reports, use the feedback form by pressing the button below, or email us at:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Submit Feedback*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return to Lettrava</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*Requires Internet Connection</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lettrava::TAddWordForm</name>
    <message>
        <source>Do you really want to add the word %1 to the custom dictionary?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The word %1 was added.  Next time it is used it will be valid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send word to lettrava suggestion box for inclusion in later version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lettrava Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Response:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trying to send word.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The word server&apos;s address is not valid: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No response from server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The word could not be added.  Please make sure the file                   Lettrava.Cus is not already open or marked read only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No word server is set up, so nothing can be sent: its host goes into the setting &quot;WordServer&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lettrava::TChatPanel</name>
    <message>
        <source>Send text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add selected individual to game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DEBUG ONLY: this will simulate your disconnection if you are not the host</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide member list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show member list</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lettrava::TCongratulationsForm</name>
    <message>
        <source>Game Over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Game Over -</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>And the WINNER is..........</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CONGRATULATIONS!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View Final Results</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lettrava::TFactoryMode</name>
    <message>
        <source>Lettrava Grids (*.GRD *.grd)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit Factory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit Lettrava</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow Reuse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min Word Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Word Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow reuse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lookup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort Order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to save the grid?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Lettrava Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>;;Any file (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to load grid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Lettrava Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to save grid to disk.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lettrava::TFactoryWordListForm</name>
    <message>
        <source>Grid Factory Word List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open word list file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text files (*.txt);;Any file (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to stop the grid generation process?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lettrava::TGameOptionsGroup</name>
    <message>
        <source>Game Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shortest word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longest word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allowable Word Length:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid Porosity (% blank):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bonus Word Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow Letter &amp;Reuse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid Size Order:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rounds Per Game:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round Duration:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round Duration (M:SS):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round seconds</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lettrava::TGridFileList</name>
    <message>
        <source>Round %1: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[randomly generated grid]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lettrava::THelpForm</name>
    <message>
        <source>Lettrava Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lettrava::THelpWarningForm</name>
    <message>
        <source>Lettrava is unable to initialize the Lettrava help system.  This is most likely due to your having an outdated version of Microsoft Internet Explorer or none at all.  Version 5 or greater is recommended.

You may either click on the link below to download Internet Explorer (you must be connected to the internet), or continue to use Lettrava without access to help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome to Lettrava</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Internet Explorer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do Not Show this Message Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lettrava::TLookupWindow</name>
    <message>
        <source>Lettrava Lookup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No definition of %1 was found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From %1:

</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lettrava::TMainForm</name>
    <message>
        <source>Lettrava Saved Games (*.LTG *.ltg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Lettrava Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to abort this round?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Lettrava Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lettrava Grids (*.GRD *.grd)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to save grid to disk.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lettrava::TNetworkPlay</name>
    <message>
        <source>You are in the game.  The host will start the round.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>H&amp;ost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow no more new connections</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End game, disconnect clients and close network connection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not listen for network players on port %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This feature is not yet enabled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This will end the game and disconnect any remote players, are you sure?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lettrava::TPlayPanels</name>
    <message>
        <source>Round 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to take a minute off the round</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Round Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cols</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100 pts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game is paused.  Please press Pause again to continue.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lettrava::TPlayerInfoDlg</name>
    <message>
        <source>Network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listen for network players:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listen for network players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email (optional):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message (optional):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network games cannot be hosted from here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Host&apos;s Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dictionary:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid files by round</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new game is hosted on the connections already open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Grid File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lettrava Grids (*.GRD *.grd)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 results in an empty grid (perhaps it is not really a grid file?).  Are you sure you want to schedule it for use in the game?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Player Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard and Mouse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard Only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse Only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smallest to Largest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Manually Each Round</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load from Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic Based on Grid Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Manually</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lettrava::TPlayerStatsForm</name>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games Completed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games Won:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longest Word:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lettrava::TPlayersGroup</name>
    <message>
        <source>Host</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total # of Players*:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*Includes computer players but NOT network players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player %1 input method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another player uses this input device too.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lettrava::TPreferencesForm</name>
    <message>
        <source>Lettrava Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sort order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Wallpaper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sou&amp;nd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Uncheck All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WORDS  LETTERS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modif&amp;y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game board font:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word Lists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De&amp;fault sort order:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Definition loo&amp;kup address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use &amp;dictionaries:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reload Dictionaries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Tip of the Day At Startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lang&amp;uage:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The windows change language when Lettrava starts next.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;ile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Str&amp;etch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;vert To Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Disable All Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note:  If changing preferences during a round, some changes may not take effect until the next round.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Board Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word List Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Lettrava Wallpaper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp);;Pictures (*.bmp *.png *.jpg *.jpeg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select sound for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wave sounds (*.wav);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your screen resolution is currently set to 256 colors or less.  Wallpaper is not supported at this color depth.  Press the Help button for instructions on increasing your color depth.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lettrava::TRRForm</name>
    <message>
        <source>Bonus:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lettrava::TResultsMenus</name>
    <message>
        <source>&amp;Word List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lookup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Stats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort Order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Return to Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local Dictionary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lettrava::TRoundScoreTable</name>
    <message>
        <source>     Round     </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>     Game     </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words    Points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longest Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player found bonus word this round</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player got all valid bonus this round</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lettrava::TSpeedBar</name>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Round</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Mouse Clicks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abort Round (round will count)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lettrava::TStatSummaryForm</name>
    <message>
        <source>Lettrava Stats</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lettrava::TTCPForm</name>
    <message>
        <source>Please specify the name you would like to use, the game host&apos;s IP Address (or hostname) and Port.  These values should have been given to you by the person arranging the game.  If the port was not given to you, use the default value supplied.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have been disconnected from the host.  This could be due to network failure.
To attempt to reconnect, please click the button below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whisper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Host Address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Email (optional):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message (optional):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Connect to Host</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oops!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconnect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retry attempts: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lettrava Whisper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Private message to %1:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lettrava::TWelcomePanel</name>
    <message>
        <source>Welcome to Lettrava</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start a New Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Continue a Saved Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Join an Internet Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click a dot or use the Menu to let the fun begin!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lettrava::TWordListBox</name>
    <message>
        <source>Not in the grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not in the dictionary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unique word: no other player found it</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lettrava::WordLookup</name>
    <message>
        <source>It appears you do not have the dictionary installed. If you downloaded the non-dictionary version and would now like to be able to look up definitions locally, please visit %1 and download and install the dictionary version.

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>URL Needed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a location (accept the default if unsure)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Dictionary is not available.  Please use the internet lookup or reinstall the dictionary version of Lettrava</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
