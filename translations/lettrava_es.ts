<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Client</name>
    <message>
        <source>Please type or select a player name.</source>
        <translation>Escribe o elige un nombre de jugador.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Please enter an IP address or host name.</source>
        <translation>Escribe una dirección IP o un nombre de host.</translation>
    </message>
    <message>
        <source>Connecting to %1 on port %2...</source>
        <translation>Conectando con %1 en el puerto %2...</translation>
    </message>
    <message>
        <source>Maximum attempts reached.  Quitting...</source>
        <translation>Se ha llegado al máximo de intentos.  Abandonando...</translation>
    </message>
    <message>
        <source>Connection failed with message: %1
Will retry (maybe host wasn&apos;t quite ready).  Press cancel to abort.
</source>
        <translation>La conexión ha fallado con el mensaje: %1
Se volverá a intentar (quizá el anfitrión aún no estaba listo).  Pulsa Cancelar para abandonar.
</translation>
    </message>
    <message>
        <source>That name is already in use.</source>
        <translation>Ese nombre ya está en uso.</translation>
    </message>
    <message>
        <source>Names can be at most %1 characters long.</source>
        <translation>Los nombres pueden tener como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>Recipient missing.  Whisper format: &quot;/w [name] [message]&quot;</source>
        <translation>Falta el destinatario.  Formato del susurro: &quot;/w [nombre] [mensaje]&quot;</translation>
    </message>
    <message>
        <source>There is no one here by the name of &quot;%1&quot;</source>
        <translation>Aquí no hay nadie que se llame &quot;%1&quot;</translation>
    </message>
    <message>
        <source>You whispered to %1: %2</source>
        <translation>Has susurrado a %1: %2</translation>
    </message>
    <message>
        <source>Sorry, I don&apos;t understand that command.</source>
        <translation>Lo siento, no entiendo ese comando.</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>*** The Host ended round %1 abrubtly.  The round will count.</source>
        <translation>*** El anfitrión ha terminado la ronda %1 de golpe.  La ronda contará.</translation>
    </message>
    <message>
        <source>*** The Host ended round %1 abrubtly.  The round will not count.</source>
        <translation>*** El anfitrión ha terminado la ronda %1 de golpe.  La ronda no contará.</translation>
    </message>
    <message>
        <source>*** The Host started a new game.</source>
        <translation>*** El anfitrión ha empezado una partida nueva.</translation>
    </message>
    <message>
        <source>The host has shut down abruptly (but deliberately)</source>
        <translation>El anfitrión ha cerrado de golpe (pero a propósito)</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Aviso</translation>
    </message>
</context>
<context>
    <name>Dictionary</name>
    <message>
        <source>warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>There is no dictionary selected or the dictionary is missing.  Please go to Preferences/General and select a dictionary.</source>
        <translation>No hay ningún diccionario elegido o falta el diccionario.  Ve a Preferencias/General y elige un diccionario.</translation>
    </message>
    <message>
        <source>There are missing characters (&apos;=&apos;) from the dictionary</source>
        <translation>Faltan caracteres (&apos;=&apos;) en el diccionario</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation>Ronda %1</translation>
    </message>
    <message>
        <source>Please stand by . . .</source>
        <translation>Espera un momento . . .</translation>
    </message>
    <message>
        <source>You may submit words now</source>
        <translation>Ya puedes enviar palabras</translation>
    </message>
    <message>
        <source>Waiting for all players to finish.  Please stand by...</source>
        <translation>Esperando a que terminen todos los jugadores.  Espera un momento...</translation>
    </message>
    <message>
        <source>OVER</source>
        <translation>FIN</translation>
    </message>
    <message>
        <source>ABORTED</source>
        <translation>ANULADA</translation>
    </message>
    <message>
        <source>All players finished.</source>
        <translation>Todos los jugadores han terminado.</translation>
    </message>
    <message>
        <source>Wait time limit exceeded. Forcing round completion.</source>
        <translation>Tiempo de espera agotado. Forzando el final de la ronda.</translation>
    </message>
    <message>
        <source>Click GO or press Enter to start the LAST round</source>
        <translation>Haz clic en JUGAR o pulsa Intro para empezar la ÚLTIMA ronda</translation>
    </message>
    <message>
        <source>Click GO or press Enter to start round %1</source>
        <translation>Haz clic en JUGAR o pulsa Intro para empezar la ronda %1</translation>
    </message>
    <message>
        <source>Round time: %1</source>
        <translation>Tiempo de ronda: %1</translation>
    </message>
    <message>
        <source>Round time: %1 - Left (right) click to increase (decrease)</source>
        <translation>Tiempo de ronda: %1 - Clic izquierdo (derecho) para aumentar (reducir)</translation>
    </message>
    <message>
        <source>%1 pts</source>
        <translation>%1 pts</translation>
    </message>
    <message>
        <source>It was a tie!</source>
        <translation>¡Empate!</translation>
    </message>
    <message>
        <source>There are no results to view at this time.</source>
        <translation>Ahora mismo no hay resultados que mostrar.</translation>
    </message>
    <message>
        <source>Sorry, that does not appear to be a Lettrava game file.

If it is a Lettrava file, it is from an outdated version.</source>
        <translation>Lo sentimos, no parece un archivo de partida de Lettrava.

Si es un archivo de Lettrava, es de una versión antigua.</translation>
    </message>
    <message>
        <source>Unable to load game file.  Perhaps it is corrupted or is not a valid Lettrava game file.</source>
        <translation>No se puede cargar el archivo de partida.  Puede que esté dañado o que no sea un archivo de partida de Lettrava válido.</translation>
    </message>
    <message>
        <source>Unable to save game to disk.</source>
        <translation>No se puede guardar la partida en el disco.</translation>
    </message>
</context>
<context>
    <name>MainActions</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Cargar</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Guardar partida</translation>
    </message>
    <message>
        <source>Save &amp;As..</source>
        <translation>Guardar co&amp;mo..</translation>
    </message>
    <message>
        <source>&amp;View Player Stats</source>
        <translation>&amp;Ver estadísticas</translation>
    </message>
    <message>
        <source>&amp;Grid Factory</source>
        <translation>&amp;Taller de cuadrículas</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Start Round</source>
        <translation>Iniciar ronda</translation>
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
        <translation>La ronda cuenta</translation>
    </message>
    <message>
        <source>Round Doesn&apos;t Count</source>
        <translation>La ronda no cuenta</translation>
    </message>
    <message>
        <source>Print Grid</source>
        <translation>Imprimir cuadrícula</translation>
    </message>
    <message>
        <source>Save Grid</source>
        <translation>Guardar cuadrícula</translation>
    </message>
    <message>
        <source>&amp;Clear Clicks</source>
        <translation>&amp;Borrar clics</translation>
    </message>
    <message>
        <source>Clear Mouse Clicks</source>
        <translation>Borrar clics del ratón</translation>
    </message>
    <message>
        <source>Show &amp;Results</source>
        <translation>&amp;Ver resultados</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Opciones de juego</translation>
    </message>
    <message>
        <source>Topics</source>
        <translation>Temas</translation>
    </message>
    <message>
        <source>Tip of the Day</source>
        <translation>Consejo del día</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;Round</source>
        <translation>&amp;Ronda</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Preferencias</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>Final Results</source>
        <translation>Resultados finales</translation>
    </message>
    <message>
        <source>Round %1 Results</source>
        <translation>Resultados de la ronda %1</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>Dictionary loaded: %1</source>
        <translation>Diccionario cargado: %1</translation>
    </message>
    <message>
        <source>The chosen dictionary will be loaded when this round ends.</source>
        <translation>El diccionario elegido se cargará cuando termine esta ronda.</translation>
    </message>
    <message>
        <source>Do you want to save the game?</source>
        <translation>¿Quieres guardar la partida?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>This will abort (and not count) the current round.  Are you sure?</source>
        <translation>Esto detendrá la ronda actual, que no contará.  ¿Quieres continuar?</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; is reserved for a computer player. Please enter a different name.</source>
        <translation>El nombre &quot;%1&quot; está reservado para un jugador del ordenador. Escribe otro nombre.</translation>
    </message>
    <message>
        <source>Player %1 is using the Mouse, which has been designated for use by another player also.

Please correct the input methods.</source>
        <translation>El jugador %1 usa el ratón, que también está asignado a otro jugador.

Corrige los métodos de entrada.</translation>
    </message>
    <message>
        <source>Player %1 is using the Keyboard, which has been designated for use by another player also.

Please correct the input methods.</source>
        <translation>El jugador %1 usa el teclado, que también está asignado a otro jugador.

Corrige los métodos de entrada.</translation>
    </message>
    <message>
        <source>Please enter or select a name for Player %1</source>
        <translation>Escribe o elige un nombre para el jugador %1</translation>
    </message>
    <message>
        <source>Player Name Required</source>
        <translation>Falta el nombre del jugador</translation>
    </message>
    <message>
        <source>Player &apos;%1&apos; is listed more than once.

Please make all player names unique.</source>
        <translation>El jugador &apos;%1&apos; aparece más de una vez.

Cada jugador debe tener un nombre distinto.</translation>
    </message>
    <message>
        <source>Duplicate Player Names</source>
        <translation>Nombres de jugador repetidos</translation>
    </message>
    <message>
        <source>Only one (local) human player is allowed in a network game.  Please uncheck &quot; Listen for network players&quot; box or remove %1 human player(s)</source>
        <translation>En una partida en red solo se permite un jugador humano (local).  Desmarca la opción &quot;Esperar jugadores en red&quot; o quita %1 jugador(es) humano(s)</translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation>Lo sentimos</translation>
    </message>
    <message>
        <source>That person is already in the game.  Please enter another.</source>
        <translation>Esa persona ya está en la partida.  Elige otra.</translation>
    </message>
    <message>
        <source>Input method cannot be changed when &quot;Wait for network players&quot; is checked.  Keyboard and mouse method reserved for host.</source>
        <translation>No se puede cambiar el método de entrada con &quot;Esperar jugadores en red&quot; marcado.  El teclado y el ratón quedan reservados para el anfitrión.</translation>
    </message>
</context>
<context>
    <name>Sounds</name>
    <message>
        <source>Good Word</source>
        <translation>Palabra válida</translation>
    </message>
    <message>
        <source>a valid word is entered</source>
        <translation>se introduzca una palabra válida</translation>
    </message>
    <message>
        <source>Word Not in Dict.</source>
        <translation>Fuera del dicc.</translation>
    </message>
    <message>
        <source>a word is submitted that is in the grid but not in the dictionary</source>
        <translation>se envíe una palabra que está en la cuadrícula pero no en el diccionario</translation>
    </message>
    <message>
        <source>Word Not In Grid</source>
        <translation>Fuera de cuadrícula</translation>
    </message>
    <message>
        <source>a word is submitted that is not in the grid</source>
        <translation>se envíe una palabra que no está en la cuadrícula</translation>
    </message>
    <message>
        <source>Invalid Penalty</source>
        <translation>Penalización</translation>
    </message>
    <message>
        <source>the last word not in the grid that goes without a penalty is submitted</source>
        <translation>se envíe la última palabra fuera de la cuadrícula que no se penaliza</translation>
    </message>
    <message>
        <source>Lost All Valid Bonus</source>
        <translation>Bonificación perdida</translation>
    </message>
    <message>
        <source>the first word of a round that is not in the dictionary loses the all-valid bonus</source>
        <translation>la primera palabra de la ronda que no está en el diccionario haga perder la bonificación por todas válidas</translation>
    </message>
    <message>
        <source>Ten Seconds Left</source>
        <translation>Quedan diez segundos</translation>
    </message>
    <message>
        <source>fewer than ten seconds of the round remain</source>
        <translation>queden menos de diez segundos de ronda</translation>
    </message>
    <message>
        <source>Round Over</source>
        <translation>Fin de ronda</translation>
    </message>
    <message>
        <source>a round is over</source>
        <translation>termine una ronda</translation>
    </message>
    <message>
        <source>Won Game</source>
        <translation>Partida ganada</translation>
    </message>
    <message>
        <source>a person wins the game</source>
        <translation>una persona gane la partida</translation>
    </message>
    <message>
        <source>Game End</source>
        <translation>Fin de partida</translation>
    </message>
    <message>
        <source>the last round of a game is over</source>
        <translation>termine la última ronda de una partida</translation>
    </message>
    <message>
        <source>Building Grid</source>
        <translation>Creando cuadrícula</translation>
    </message>
    <message>
        <source>the grid of a new round is built</source>
        <translation>se cree la cuadrícula de una ronda nueva</translation>
    </message>
    <message>
        <source>Letter Click</source>
        <translation>Clic en letra</translation>
    </message>
    <message>
        <source>a letter of the grid is clicked</source>
        <translation>se haga clic en una letra de la cuadrícula</translation>
    </message>
    <message>
        <source>Click here to browse for a file to play when %1</source>
        <translation>Haz clic aquí para elegir el archivo que sonará cuando %1</translation>
    </message>
    <message>
        <source>This file will play when %1 (if the box at the left is checked)</source>
        <translation>Este archivo sonará cuando %1 (si la opción de la izquierda está marcada)</translation>
    </message>
</context>
<context>
    <name>Statistics</name>
    <message>
        <source>%1&apos;s Stats</source>
        <translation>Estadísticas de %1</translation>
    </message>
    <message>
        <source>%1&apos; Stats</source>
        <translation>Estadísticas de %1</translation>
    </message>
    <message>
        <source>No player stats available.</source>
        <translation>No hay estadísticas de jugadores.</translation>
    </message>
</context>
<context>
    <name>TPlayView</name>
    <message>
        <source>Word Length:  MIN:%1 MAX:%2</source>
        <translation>Longitud de palabra:  MÍN:%1 MÁX:%2</translation>
    </message>
    <message>
        <source>Reuse: </source>
        <translation>Reutilizar: </translation>
    </message>
    <message>
        <source>YES</source>
        <translation>SÍ</translation>
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
        <translation>¿Necesitas silencio?  Marca &quot;Silenciar todo&quot; en la página Sonidos de las Preferencias y Lettrava no hará ni pío.</translation>
    </message>
    <message>
        <source>You can play against up to three computer opponents at once.  Pick them in the game setup: from Patsy, who is easy to beat, up to Deep Words, who is not.</source>
        <translation>Puedes jugar contra hasta tres rivales del ordenador a la vez.  Elígelos al preparar la partida: desde Patsy, fácil de vencer, hasta Deep Words, que no lo es.</translation>
    </message>
    <message>
        <source>Wondering what a word means?  After a round, pick it in the results window and choose Lookup from the Word List menu or the right-click menu.</source>
        <translation>¿Te preguntas qué significa una palabra?  Después de una ronda, selecciónala en la ventana de resultados y elige Consultar en el menú Lista de palabras o en el menú del botón derecho.</translation>
    </message>
    <message>
        <source>Words that are too short or too long for your taste?  Change the shortest and longest word allowed in Game Options.</source>
        <translation>¿Palabras demasiado cortas o demasiado largas para tu gusto?  Cambia la longitud mínima y máxima de palabra en Opciones de juego.</translation>
    </message>
    <message>
        <source>+Was one of your words shown in red?  It is in the grid but not in the dictionary.%CRLF%%CRLF%If you are sure it is a real word, choose Add Word in the results window: it goes into your own custom dictionary and counts from the next round on.</source>
        <translation>+¿Alguna de tus palabras ha salido en rojo?  Está en la cuadrícula pero no en el diccionario.%CRLF%%CRLF%Si sabes que es una palabra real, elige Añadir palabra en la ventana de resultados: irá a tu diccionario personal y contará a partir de la siguiente ronda.</translation>
    </message>
    <message>
        <source>When you add a word to your custom dictionary you can also send it to the Lettrava suggestion box, so that it may be part of a later version.</source>
        <translation>Cuando añades una palabra a tu diccionario personal, también puedes enviarla al buzón de sugerencias de Lettrava para que se incluya en una versión futura.</translation>
    </message>
    <message>
        <source>With letter reuse allowed, a word may pass over the same tile more than once, so just two tiles that touch can make a word: a T beside an O gives TOT.</source>
        <translation>Si se pueden reutilizar letras, una palabra puede pasar por la misma casilla más de una vez, así que basta con dos casillas que se toquen para formar una palabra: una O junto a una S da OSO.</translation>
    </message>
    <message>
        <source>Every event has its own sound.  Choose your own sound files for them on the Sounds page of the Preferences.</source>
        <translation>Cada evento tiene su propio sonido.  Elige tus propios archivos de sonido en la página Sonidos de las Preferencias.</translation>
    </message>
    <message>
        <source>You don&apos;t have to choose between the keyboard and the mouse: with &quot;Keyboard and Mouse&quot; you can type one word and click the next.</source>
        <translation>No tienes que elegir entre el teclado y el ratón: con &quot;Teclado y ratón&quot; puedes escribir una palabra y trazar la siguiente con el ratón.</translation>
    </message>
    <message>
        <source>Is there something you would like Lettrava to do?  Tell us about new features you would like with the feedback button in Help, About.</source>
        <translation>¿Echas algo de menos en Lettrava?  Cuéntanos qué funciones nuevas te gustaría tener con el botón de comentarios de Ayuda, Acerca de.</translation>
    </message>
    <message>
        <source>Changes in the Preferences only last when you press Save before you leave the window.  Close throws them away.</source>
        <translation>Los cambios en las Preferencias solo se conservan si pulsas Guardar antes de salir de la ventana.  Cerrar los descarta.</translation>
    </message>
    <message>
        <source>Typing words?  Press Space or Enter to submit a word, whichever comes easier.</source>
        <translation>¿Escribes las palabras?  Pulsa Espacio o Intro para enviar una palabra, lo que te resulte más cómodo.</translation>
    </message>
    <message>
        <source>+After a round, click any word in a list of the results window.%CRLF%%CRLF%Its letters light up in blue on the grid, so you can see where it was hiding.</source>
        <translation>+Después de una ronda, haz clic en cualquier palabra de una lista de la ventana de resultados.%CRLF%%CRLF%Sus letras se iluminan en azul en la cuadrícula, para que veas dónde se escondía.</translation>
    </message>
    <message>
        <source>Found a mistake or have an idea?  Send us your suggestions with the feedback button in Help, About.</source>
        <translation>¿Has encontrado un error o tienes una idea?  Envíanos tus sugerencias con el botón de comentarios de Ayuda, Acerca de.</translation>
    </message>
    <message>
        <source>Letter reuse can be switched on or off in Game Options.  Without it, each tile may be used only once in a word, which makes long words much harder.</source>
        <translation>Reutilizar letras se puede activar o desactivar en Opciones de juego.  Sin esta opción, cada casilla solo puede usarse una vez en una palabra, lo que hace las palabras largas mucho más difíciles.</translation>
    </message>
    <message>
        <source>Grid porosity punches holes into the grid.  The more holes, the fewer paths there are between the letters.  Set it in Game Options.</source>
        <translation>La porosidad de la cuadrícula abre huecos en ella.  Cuantos más huecos, menos caminos hay entre las letras.  Ajústala en Opciones de juego.</translation>
    </message>
    <message>
        <source>Make your own grids in the Grid Factory: type the letters, let the solver count the words and save the grid to play it in a game.</source>
        <translation>Crea tus propias cuadrículas en el Taller de cuadrículas: escribe las letras, deja que el solucionador cuente las palabras y guarda la cuadrícula para jugarla en una partida.</translation>
    </message>
    <message>
        <source>+The Grid Factory can also build a grid for you from a list of words.%CRLF%Give it the words you want in the grid and it searches for a grid that holds as many of them as it can.</source>
        <translation>+El Taller de cuadrículas también puede crear una cuadrícula a partir de una lista de palabras.%CRLF%Dale las palabras que quieras en la cuadrícula y buscará una que contenga el mayor número posible de ellas.</translation>
    </message>
    <message>
        <source>Lettrava can play in other languages too: put another dictionary into the dict folder and choose it on the General page of the Preferences.</source>
        <translation>Lettrava también puede jugar en otros idiomas: pon otro diccionario en la carpeta dict y elígelo en la página General de las Preferencias.</translation>
    </message>
    <message>
        <source>Between rounds, click the round-time picture to make the next round 15 seconds longer, or right-click it to make it shorter.</source>
        <translation>Entre rondas, haz clic en la imagen del tiempo de ronda para que la siguiente dure 15 segundos más, o haz clic derecho para acortarla.</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>You already submitted %1</source>
        <translation>Ya has enviado %1</translation>
    </message>
    <message>
        <source>Shame on you!</source>
        <translation>¡Qué vergüenza!</translation>
    </message>
    <message>
        <source>* %1 * is good for 1 point!</source>
        <translation>* %1 * ¡vale 1 punto!</translation>
    </message>
    <message>
        <source>* %1 * is good for %2 points!</source>
        <translation>* %1 * ¡vale %2 puntos!</translation>
    </message>
    <message>
        <source>* %1 * is invalid.  Only %2 letter words are valid.</source>
        <translation>* %1 * no es válida.  Solo valen palabras de %2 letras.</translation>
    </message>
    <message>
        <source>* %1 * is invalid.  Words must be at least %2 letters long</source>
        <translation>* %1 * no es válida.  Las palabras deben tener al menos %2 letras</translation>
    </message>
    <message>
        <source>* %1 * is invalid.  Words can be no more than %2 letters long</source>
        <translation>* %1 * no es válida.  Las palabras no pueden tener más de %2 letras</translation>
    </message>
    <message>
        <source>* %1 * is not in the dictionary</source>
        <translation>* %1 * no está en el diccionario</translation>
    </message>
    <message>
        <source>* %1 * is not in the grid</source>
        <translation>* %1 * no está en la cuadrícula</translation>
    </message>
    <message>
        <source>* %1 * is invalid because letter reuse not allowed</source>
        <translation>* %1 * no es válida porque no se permite reutilizar letras</translation>
    </message>
</context>
<context>
    <name>Word order</name>
    <message>
        <source>Input Order</source>
        <translation>Orden de entrada</translation>
    </message>
    <message>
        <source>Alphabetically</source>
        <translation>Alfabético</translation>
    </message>
    <message>
        <source>Length Ascending</source>
        <translation>Longitud ascendente</translation>
    </message>
    <message>
        <source>Length Descending</source>
        <translation>Longitud descendente</translation>
    </message>
</context>
<context>
    <name>lettrava::TALSTipDlg</name>
    <message>
        <source>Lettrava Tip of the Day</source>
        <translation>Consejo del día de Lettrava</translation>
    </message>
    <message>
        <source>Did you know...</source>
        <translation>¿Sabías que...?</translation>
    </message>
    <message>
        <source> &amp;Show tips at startup</source>
        <translation> &amp;Mostrar consejos al iniciar</translation>
    </message>
    <message>
        <source>&amp;Previous Tip</source>
        <translation>Consejo a&amp;nterior</translation>
    </message>
    <message>
        <source>&amp;Next Tip</source>
        <translation>Consejo &amp;siguiente</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>lettrava::TAboutBox</name>
    <message>
        <source>About Lettrava</source>
        <translation>Acerca de Lettrava</translation>
    </message>
    <message>
        <source>To submit questions, suggestions and bug reports, use the feedback form by pressing the button below, or email us at:</source>
        <translation>Para enviar preguntas, sugerencias e informes de errores, usa el formulario de comentarios con el botón de abajo o escríbenos a:</translation>
    </message>
    <message>
        <source>Submit Feedback*</source>
        <translation>Enviar comentarios*</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Comentarios</translation>
    </message>
    <message>
        <source>Return to Lettrava</source>
        <translation>Volver a Lettrava</translation>
    </message>
    <message>
        <source>*Requires Internet Connection</source>
        <translation>*Requiere conexión a Internet</translation>
    </message>
</context>
<context>
    <name>lettrava::TAddWordForm</name>
    <message>
        <source>Do you really want to add the word %1 to the custom dictionary?</source>
        <translation>¿Seguro que quieres añadir la palabra %1 al diccionario personal?</translation>
    </message>
    <message>
        <source>The word %1 was added.  Next time it is used it will be valid.</source>
        <translation>Se ha añadido la palabra %1.  La próxima vez que se use será válida.</translation>
    </message>
    <message>
        <source>Add Word</source>
        <translation>Añadir palabra</translation>
    </message>
    <message>
        <source>Send word to lettrava suggestion box for inclusion in later version.</source>
        <translation>Enviar la palabra al buzón de Lettrava para una versión futura.</translation>
    </message>
    <message>
        <source>Lettrava Server</source>
        <translation>Servidor de Lettrava</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Estado:</translation>
    </message>
    <message>
        <source>Response:</source>
        <translation>Respuesta:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Trying to send word.</source>
        <translation>Intentando enviar la palabra.</translation>
    </message>
    <message>
        <source>The word server&apos;s address is not valid: %1</source>
        <translation>La dirección del servidor de palabras no es válida: %1</translation>
    </message>
    <message>
        <source>No response from server.</source>
        <translation>El servidor no responde.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Hecho.</translation>
    </message>
    <message>
        <source>The word could not be added.  Please make sure the file                   Lettrava.Cus is not already open or marked read only.</source>
        <translation>No se ha podido añadir la palabra.  Comprueba que el archivo Lettrava.Cus no esté abierto ni marcado como de solo lectura.</translation>
    </message>
    <message>
        <source>No word server is set up, so nothing can be sent: its host goes into the setting &quot;WordServer&quot;.</source>
        <translation>No hay ningún servidor de palabras configurado, así que no se puede enviar nada: su dirección va en el ajuste &quot;WordServer&quot;.</translation>
    </message>
</context>
<context>
    <name>lettrava::TChatPanel</name>
    <message>
        <source>Send text</source>
        <translation>Enviar texto</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Add selected individual to game</source>
        <translation>Añadir a la partida a la persona elegida</translation>
    </message>
    <message>
        <source>DEBUG ONLY: this will simulate your disconnection if you are not the host</source>
        <translation>SOLO DEPURACIÓN: simula tu desconexión si no eres el anfitrión</translation>
    </message>
    <message>
        <source>Hide member list</source>
        <translation>Ocultar lista de participantes</translation>
    </message>
    <message>
        <source>Show member list</source>
        <translation>Mostrar lista de participantes</translation>
    </message>
</context>
<context>
    <name>lettrava::TCongratulationsForm</name>
    <message>
        <source>Game Over</source>
        <translation>Fin de la partida</translation>
    </message>
    <message>
        <source>- Game Over -</source>
        <translation>- Fin de la partida -</translation>
    </message>
    <message>
        <source>And the WINNER is..........</source>
        <translation>Y el GANADOR es..........</translation>
    </message>
    <message>
        <source>CONGRATULATIONS!</source>
        <translation>¡ENHORABUENA!</translation>
    </message>
    <message>
        <source>&amp;View Final Results</source>
        <translation>&amp;Ver resultados finales</translation>
    </message>
</context>
<context>
    <name>lettrava::TFactoryMode</name>
    <message>
        <source>Lettrava Grids (*.GRD *.grd)</source>
        <translation>Cuadrículas de Lettrava (*.GRD *.grd)</translation>
    </message>
    <message>
        <source>&amp;Grid</source>
        <translation>&amp;Cuadrícula</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nueva</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Aleatoria</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Exit Factory</source>
        <translation>Salir del taller</translation>
    </message>
    <message>
        <source>Exit Lettrava</source>
        <translation>Salir de Lettrava</translation>
    </message>
    <message>
        <source>Word List</source>
        <translation>Lista de palabras</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Allow Reuse</source>
        <translation>Reutilizar letras</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Columnas</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Filas</translation>
    </message>
    <message>
        <source>Min Word Length</source>
        <translation>Longitud mínima</translation>
    </message>
    <message>
        <source>Max Word Length</source>
        <translation>Longitud máxima</translation>
    </message>
    <message>
        <source>&amp;Preferences</source>
        <translation>&amp;Preferencias</translation>
    </message>
    <message>
        <source>Word Length</source>
        <translation>Longitud de palabra</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Mín.</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Máx.</translation>
    </message>
    <message>
        <source>Allow reuse</source>
        <translation>Reutilizar letras</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Solución</translation>
    </message>
    <message>
        <source>Count:</source>
        <translation>Total:</translation>
    </message>
    <message>
        <source>Lookup</source>
        <translation>Consultar</translation>
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
        <translation>Orden</translation>
    </message>
    <message>
        <source>Do you want to save the grid?</source>
        <translation>¿Quieres guardar la cuadrícula?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Load Lettrava Grid</source>
        <translation>Cargar cuadrícula de Lettrava</translation>
    </message>
    <message>
        <source>;;Any file (*)</source>
        <translation>;;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Unable to load grid.</source>
        <translation>No se puede cargar la cuadrícula.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Save Lettrava Grid</source>
        <translation>Guardar cuadrícula de Lettrava</translation>
    </message>
    <message>
        <source>Unable to save grid to disk.</source>
        <translation>No se puede guardar la cuadrícula en el disco.</translation>
    </message>
    <message>
        <source>Start again with an empty grid</source>
        <translation>Empezar de nuevo con una cuadrícula vacía</translation>
    </message>
    <message>
        <source>Load a grid from disk</source>
        <translation>Cargar una cuadrícula del disco</translation>
    </message>
    <message>
        <source>Generate new grid with random letters</source>
        <translation>Crear una cuadrícula nueva con letras al azar</translation>
    </message>
    <message>
        <source>Save grid to disk</source>
        <translation>Guardar la cuadrícula en el disco</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Resolver</translation>
    </message>
    <message>
        <source>Solve grid</source>
        <translation>Resolver la cuadrícula</translation>
    </message>
</context>
<context>
    <name>lettrava::TFactoryWordListForm</name>
    <message>
        <source>Grid Factory Word List</source>
        <translation>Lista de palabras del taller</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vaciar</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Enter a word</source>
        <translation>Escribe una palabra</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Palabra</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Open word list file</source>
        <translation>Abrir archivo de lista de palabras</translation>
    </message>
    <message>
        <source>Text files (*.txt);;Any file (*)</source>
        <translation>Archivos de texto (*.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Do you want to stop the grid generation process?</source>
        <translation>¿Quieres detener la generación de la cuadrícula?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Word list length:</source>
        <translation>Longitud de la lista:</translation>
    </message>
    <message>
        <source>Words Placed:</source>
        <translation>Palabras colocadas:</translation>
    </message>
    <message>
        <source>Search time:</source>
        <translation>Tiempo de búsqueda:</translation>
    </message>
    <message>
        <source>Generations:</source>
        <translation>Generaciones:</translation>
    </message>
    <message>
        <source>Generate Grid</source>
        <translation>Crear cuadrícula</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>No se puede abrir el archivo &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is too large to be a word list.</source>
        <translation>El archivo &quot;%1&quot; es demasiado grande para ser una lista de palabras.</translation>
    </message>
</context>
<context>
    <name>lettrava::TGameOptionsGroup</name>
    <message>
        <source>Game Options</source>
        <translation>Opciones de juego</translation>
    </message>
    <message>
        <source>Shortest word</source>
        <translation>Palabra más corta</translation>
    </message>
    <message>
        <source>Longest word</source>
        <translation>Palabra más larga</translation>
    </message>
    <message>
        <source>Allowable Word Length:</source>
        <translation>Longitud permitida:</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Mín.</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Máx.</translation>
    </message>
    <message>
        <source>Grid Porosity (% blank):</source>
        <translation>Porosidad (% de huecos):</translation>
    </message>
    <message>
        <source>&amp;Bonus Word Enabled</source>
        <translation>Palabra &amp;extra activada</translation>
    </message>
    <message>
        <source>Allow Letter &amp;Reuse</source>
        <translation>&amp;Reutilizar letras</translation>
    </message>
    <message>
        <source>Grid Size Order:</source>
        <translation>Orden de tamaños:</translation>
    </message>
    <message>
        <source>Rounds Per Game:</source>
        <translation>Rondas por partida:</translation>
    </message>
    <message>
        <source>Round Duration:</source>
        <translation>Duración de ronda:</translation>
    </message>
    <message>
        <source>Round Duration (M:SS):</source>
        <translation>Duración de ronda (M:SS):</translation>
    </message>
    <message>
        <source>Round minutes</source>
        <translation>Minutos de ronda</translation>
    </message>
    <message>
        <source>Round seconds</source>
        <translation>Segundos de ronda</translation>
    </message>
</context>
<context>
    <name>lettrava::TGridFileList</name>
    <message>
        <source>Round %1: </source>
        <translation>Ronda %1: </translation>
    </message>
    <message>
        <source>[randomly generated grid]</source>
        <translation>[cuadrícula aleatoria]</translation>
    </message>
</context>
<context>
    <name>lettrava::THelpForm</name>
    <message>
        <source>Lettrava Help</source>
        <translation>Ayuda de Lettrava</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>A&amp;delante</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Ce&amp;rrar</translation>
    </message>
</context>
<context>
    <name>lettrava::THelpWarningForm</name>
    <message>
        <source>Lettrava is unable to initialize the Lettrava help system.  This is most likely due to your having an outdated version of Microsoft Internet Explorer or none at all.  Version 5 or greater is recommended.

You may either click on the link below to download Internet Explorer (you must be connected to the internet), or continue to use Lettrava without access to help.</source>
        <translation>Lettrava no puede iniciar el sistema de ayuda de Lettrava.  Lo más probable es que tengas una versión antigua de Microsoft Internet Explorer o que no lo tengas instalado.  Se recomienda la versión 5 o posterior.

Puedes hacer clic en el enlace de abajo para descargar Internet Explorer (necesitas conexión a Internet) o seguir usando Lettrava sin la ayuda.</translation>
    </message>
    <message>
        <source>Welcome to Lettrava</source>
        <translation>Bienvenido a Lettrava</translation>
    </message>
    <message>
        <source>Download Internet Explorer</source>
        <translation>Descargar Internet Explorer</translation>
    </message>
    <message>
        <source>Do Not Show this Message Again</source>
        <translation>No volver a mostrar este mensaje</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>lettrava::TLookupWindow</name>
    <message>
        <source>Lettrava Lookup</source>
        <translation>Consulta de Lettrava</translation>
    </message>
    <message>
        <source>No definition of %1 was found.</source>
        <translation>No se ha encontrado ninguna definición de %1.</translation>
    </message>
    <message>
        <source>From %1:

</source>
        <translation>Según %1:

</translation>
    </message>
</context>
<context>
    <name>lettrava::TMainForm</name>
    <message>
        <source>Lettrava Saved Games (*.LTG *.ltg)</source>
        <translation>Partidas guardadas de Lettrava (*.LTG *.ltg)</translation>
    </message>
    <message>
        <source>Load Lettrava Game</source>
        <translation>Cargar partida de Lettrava</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Guardar partida</translation>
    </message>
    <message>
        <source>Are you sure you want to abort this round?</source>
        <translation>¿Seguro que quieres detener esta ronda?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Print Grid</source>
        <translation>Imprimir cuadrícula</translation>
    </message>
    <message>
        <source>Save Lettrava Grid</source>
        <translation>Guardar cuadrícula de Lettrava</translation>
    </message>
    <message>
        <source>Lettrava Grids (*.GRD *.grd)</source>
        <translation>Cuadrículas de Lettrava (*.GRD *.grd)</translation>
    </message>
    <message>
        <source>Unable to save grid to disk.</source>
        <translation>No se puede guardar la cuadrícula en el disco.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Reanudar</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
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
        <translation>Estás en la partida.  El anfitrión iniciará la ronda.</translation>
    </message>
    <message>
        <source>H&amp;ost</source>
        <translation>&amp;Anfitrión</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Bloquear</translation>
    </message>
    <message>
        <source>Allow no more new connections</source>
        <translation>No admitir más conexiones nuevas</translation>
    </message>
    <message>
        <source>Shutdown</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>End game, disconnect clients and close network connection.</source>
        <translation>Terminar la partida, desconectar a los participantes y cerrar la conexión de red.</translation>
    </message>
    <message>
        <source>Could not listen for network players on port %1: %2</source>
        <translation>No se pueden esperar jugadores en red en el puerto %1: %2</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>This feature is not yet enabled.</source>
        <translation>Esta función aún no está disponible.</translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation>Lo sentimos</translation>
    </message>
    <message>
        <source>This will end the game and disconnect any remote players, are you sure?</source>
        <translation>Esto terminará la partida y desconectará a los jugadores remotos.  ¿Quieres continuar?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Waiting for round results.  Please stand by...</source>
        <translation>Esperando los resultados de la ronda. Espera un momento...</translation>
    </message>
    <message>
        <source>Waiting for restart.  Please stand by...</source>
        <translation>Esperando el reinicio. Espera un momento...</translation>
    </message>
</context>
<context>
    <name>lettrava::TPlayPanels</name>
    <message>
        <source>Round 1</source>
        <translation>Ronda 1</translation>
    </message>
    <message>
        <source>Click to take a minute off the round</source>
        <translation>Haz clic para quitarle un minuto a la ronda</translation>
    </message>
    <message>
        <source>Set Round Time</source>
        <translation>Ajustar tiempo de ronda</translation>
    </message>
    <message>
        <source>Grid Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Grid columns</source>
        <translation>Columnas de la cuadrícula</translation>
    </message>
    <message>
        <source>Grid rows</source>
        <translation>Filas de la cuadrícula</translation>
    </message>
    <message>
        <source>Cols</source>
        <translation>Col.</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>Filas</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Extra</translation>
    </message>
    <message>
        <source>100 pts</source>
        <translation>100 pts</translation>
    </message>
    <message>
        <source>Enter Word</source>
        <translation>Tu palabra</translation>
    </message>
    <message>
        <source>The game is paused.  Please press Pause again to continue.</source>
        <translation>La partida está en pausa.  Pulsa Pausa otra vez para continuar.</translation>
    </message>
</context>
<context>
    <name>lettrava::TPlayerInfoDlg</name>
    <message>
        <source>Network</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Listen for network players:</source>
        <translation>Esperar jugadores en red:</translation>
    </message>
    <message>
        <source>Listen for network players</source>
        <translation>Esperar jugadores en red</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Puerto:</translation>
    </message>
    <message>
        <source>Email (optional):</source>
        <translation>Correo (opcional):</translation>
    </message>
    <message>
        <source>Message (optional):</source>
        <translation>Mensaje (opcional):</translation>
    </message>
    <message>
        <source>Network games cannot be hosted from here.</source>
        <translation>Desde aquí no se pueden organizar partidas en red.</translation>
    </message>
    <message>
        <source>Host&apos;s Version</source>
        <translation>Versión del anfitrión</translation>
    </message>
    <message>
        <source>Program:</source>
        <translation>Programa:</translation>
    </message>
    <message>
        <source>Dictionary:</source>
        <translation>Diccionario:</translation>
    </message>
    <message>
        <source>Grid files by round</source>
        <translation>Archivos de cuadrícula por ronda</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>&amp;Start Game</source>
        <translation>&amp;Iniciar partida</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>The new game is hosted on the connections already open.</source>
        <translation>La nueva partida usa las conexiones ya abiertas.</translation>
    </message>
    <message>
        <source>Select Grid File</source>
        <translation>Elegir archivo de cuadrícula</translation>
    </message>
    <message>
        <source>Lettrava Grids (*.GRD *.grd)</source>
        <translation>Cuadrículas de Lettrava (*.GRD *.grd)</translation>
    </message>
    <message>
        <source>The file %1 results in an empty grid (perhaps it is not really a grid file?).  Are you sure you want to schedule it for use in the game?</source>
        <translation>El archivo %1 da una cuadrícula vacía (¿quizá no es un archivo de cuadrícula?).  ¿Seguro que quieres usarlo en la partida?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Enter Player Information</source>
        <translation>Datos de los jugadores</translation>
    </message>
    <message>
        <source>Keyboard and Mouse</source>
        <translation>Teclado y ratón</translation>
    </message>
    <message>
        <source>Keyboard Only</source>
        <translation>Solo teclado</translation>
    </message>
    <message>
        <source>Mouse Only</source>
        <translation>Solo ratón</translation>
    </message>
    <message>
        <source>Computer Player</source>
        <translation>Ordenador</translation>
    </message>
    <message>
        <source>Smallest to Largest</source>
        <translation>De menor a mayor</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Aleatorio</translation>
    </message>
    <message>
        <source>Set Manually Each Round</source>
        <translation>Manual en cada ronda</translation>
    </message>
    <message>
        <source>Load from Files</source>
        <translation>Desde archivos</translation>
    </message>
    <message>
        <source>Automatic Based on Grid Size</source>
        <translation>Según el tamaño de cuadrícula</translation>
    </message>
    <message>
        <source>Set Manually</source>
        <translation>Manual</translation>
    </message>
</context>
<context>
    <name>lettrava::TPlayerStatsForm</name>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Games Completed:</source>
        <translation>Partidas terminadas:</translation>
    </message>
    <message>
        <source>Games Won:</source>
        <translation>Partidas ganadas:</translation>
    </message>
    <message>
        <source>Longest Word:</source>
        <translation>Palabra más larga:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>lettrava::TPlayersGroup</name>
    <message>
        <source>Host</source>
        <translation>Anfitrión</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordenador</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Remoto</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>Total # of Players*:</source>
        <translation>Total de jugadores*:</translation>
    </message>
    <message>
        <source>*Includes computer players but NOT network players</source>
        <translation>*Incluye jugadores del ordenador pero NO jugadores en red</translation>
    </message>
    <message>
        <source>Player %1:</source>
        <translation>Jugador %1:</translation>
    </message>
    <message>
        <source>Player %1 input method</source>
        <translation>Método de entrada del jugador %1</translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation>Nombre del jugador %1</translation>
    </message>
    <message>
        <source>Another player uses this input device too.</source>
        <translation>Otro jugador también usa este dispositivo de entrada.</translation>
    </message>
</context>
<context>
    <name>lettrava::TPreferencesForm</name>
    <message>
        <source>Lettrava Preferences</source>
        <translation>Preferencias de Lettrava</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>Board Font</source>
        <translation>Fuente del tablero</translation>
    </message>
    <message>
        <source>&amp;Lists</source>
        <translation>&amp;Listas</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Fuente</translation>
    </message>
    <message>
        <source>&amp;Sort order</source>
        <translation>&amp;Orden</translation>
    </message>
    <message>
        <source>&amp;Wallpaper</source>
        <translation>&amp;Fondo</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Estilo</translation>
    </message>
    <message>
        <source>Sou&amp;nd</source>
        <translation>So&amp;nido</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Probar</translation>
    </message>
    <message>
        <source>Stop Test</source>
        <translation>Detener prueba</translation>
    </message>
    <message>
        <source>Check &amp;All</source>
        <translation>&amp;Marcar todo</translation>
    </message>
    <message>
        <source>&amp;Uncheck All</source>
        <translation>&amp;Desmarcar todo</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Fuentes</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>&amp;Modificar</translation>
    </message>
    <message>
        <source>WORDS  LETTERS</source>
        <translation>PALABRAS  LETRAS</translation>
    </message>
    <message>
        <source>Modif&amp;y</source>
        <translation>Modifica&amp;r</translation>
    </message>
    <message>
        <source>Game board font:</source>
        <translation>Fuente del tablero:</translation>
    </message>
    <message>
        <source>Word Lists</source>
        <translation>Listas de palabras</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Fuente:</translation>
    </message>
    <message>
        <source>De&amp;fault sort order:</source>
        <translation>Orde&amp;n predeterminado:</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Palabras</translation>
    </message>
    <message>
        <source>Definition loo&amp;kup address:</source>
        <translation>Direcci&amp;ón de consulta:</translation>
    </message>
    <message>
        <source>Use &amp;dictionaries:</source>
        <translation>Usar &amp;diccionarios:</translation>
    </message>
    <message>
        <source>&amp;Reload Dictionaries</source>
        <translation>Recargar diccionario&amp;s</translation>
    </message>
    <message>
        <source>Show &amp;Tip of the Day At Startup</source>
        <translation>Mos&amp;trar el consejo del día al iniciar</translation>
    </message>
    <message>
        <source>The system&apos;s language</source>
        <translation>El idioma del sistema</translation>
    </message>
    <message>
        <source>Lang&amp;uage:</source>
        <translation>&amp;Idioma:</translation>
    </message>
    <message>
        <source>The windows change language when Lettrava starts next.</source>
        <translation>Las ventanas cambiarán de idioma la próxima vez que se inicie Lettrava.</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Fondo de pantalla</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>E&amp;xaminar...</translation>
    </message>
    <message>
        <source>T&amp;ile</source>
        <translation>Mos&amp;aico</translation>
    </message>
    <message>
        <source>Str&amp;etch</source>
        <translation>&amp;Expandir</translation>
    </message>
    <message>
        <source>Re&amp;vert To Default</source>
        <translation>Resta&amp;blecer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>&amp;Disable All Sound</source>
        <translation>Silenciar &amp;todo</translation>
    </message>
    <message>
        <source>Note:  If changing preferences during a round, some changes may not take effect until the next round.</source>
        <translation>Nota:  Si cambias las preferencias durante una ronda, puede que algunos cambios no se apliquen hasta la ronda siguiente.</translation>
    </message>
    <message>
        <source>Game Board Font</source>
        <translation>Fuente del tablero</translation>
    </message>
    <message>
        <source>Word List Font</source>
        <translation>Fuente de las listas</translation>
    </message>
    <message>
        <source>Select Lettrava Wallpaper</source>
        <translation>Elegir fondo de pantalla de Lettrava</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp);;Pictures (*.bmp *.png *.jpg *.jpeg)</source>
        <translation>Mapas de bits (*.bmp);;Imágenes (*.bmp *.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>Reproducir sonido</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 no existe</translation>
    </message>
    <message>
        <source>Select sound for %1</source>
        <translation>Elegir sonido para %1</translation>
    </message>
    <message>
        <source>Wave sounds (*.wav);;All files (*)</source>
        <translation>Sonidos Wave (*.wav);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Your screen resolution is currently set to 256 colors or less.  Wallpaper is not supported at this color depth.  Press the Help button for instructions on increasing your color depth.</source>
        <translation>Tu pantalla está configurada a 256 colores o menos.  El fondo de pantalla no se admite con esta profundidad de color.  Pulsa el botón Ayuda para ver cómo aumentar la profundidad de color.</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sonidos</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Mosaico</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Estirar</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Hel&amp;p</source>
        <translation>Ay&amp;uda</translation>
    </message>
</context>
<context>
    <name>lettrava::TRRForm</name>
    <message>
        <source>Bonus:</source>
        <translation>Extra:</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Solución</translation>
    </message>
    <message>
        <source>Count:</source>
        <translation>Total:</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ocultar</translation>
    </message>
</context>
<context>
    <name>lettrava::TResultsMenus</name>
    <message>
        <source>&amp;Word List</source>
        <translation>&amp;Lista de palabras</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Jugador %1</translation>
    </message>
    <message>
        <source>Lookup</source>
        <translation>Consultar</translation>
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
        <translation>Añadir palabra</translation>
    </message>
    <message>
        <source>View Stats</source>
        <translation>Ver estadísticas</translation>
    </message>
    <message>
        <source>Sort Order</source>
        <translation>Orden</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Solución</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>&amp;Return to Game</source>
        <translation>&amp;Volver a la partida</translation>
    </message>
    <message>
        <source>Local Dictionary</source>
        <translation>Diccionario local</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
</context>
<context>
    <name>lettrava::TRoundScoreTable</name>
    <message>
        <source>     Round     </source>
        <translation>     Ronda     </translation>
    </message>
    <message>
        <source>     Game     </source>
        <translation>    Partida    </translation>
    </message>
    <message>
        <source>Words    Points</source>
        <translation>Palabras  Puntos</translation>
    </message>
    <message>
        <source>Longest Word</source>
        <translation>Palabra más larga</translation>
    </message>
    <message>
        <source>B</source>
        <translation>E</translation>
    </message>
    <message>
        <source>Player found bonus word this round</source>
        <translation>El jugador encontró la palabra extra en esta ronda</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Player got all valid bonus this round</source>
        <translation>El jugador obtuvo la bonificación por todas válidas en esta ronda</translation>
    </message>
</context>
<context>
    <name>lettrava::TSpeedBar</name>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Guardar partida</translation>
    </message>
    <message>
        <source>GO</source>
        <translation>JUGAR</translation>
    </message>
    <message>
        <source>Start Round</source>
        <translation>Iniciar ronda</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Clear Mouse Clicks</source>
        <translation>Borrar clics del ratón</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Abort Round (round will count)</source>
        <translation>Detener la ronda (la ronda cuenta)</translation>
    </message>
</context>
<context>
    <name>lettrava::TStatSummaryForm</name>
    <message>
        <source>Lettrava Stats</source>
        <translation>Estadísticas de Lettrava</translation>
    </message>
</context>
<context>
    <name>lettrava::TTCPForm</name>
    <message>
        <source>Please specify the name you would like to use, the game host&apos;s IP Address (or hostname) and Port.  These values should have been given to you by the person arranging the game.  If the port was not given to you, use the default value supplied.</source>
        <translation>Indica el nombre que quieres usar, la dirección IP (o el nombre de host) del anfitrión de la partida y el puerto.  Estos datos te los debe dar la persona que organiza la partida.  Si no te han dado el puerto, usa el valor predeterminado.</translation>
    </message>
    <message>
        <source>You have been disconnected from the host.  This could be due to network failure.
To attempt to reconnect, please click the button below.</source>
        <translation>Se ha perdido la conexión con el anfitrión.  Puede deberse a un fallo de la red.
Para intentar volver a conectarte, haz clic en el botón de abajo.</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Whisper</source>
        <translation>Susurrar</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo</translation>
    </message>
    <message>
        <source>Player name:</source>
        <translation>Nombre del jugador:</translation>
    </message>
    <message>
        <source>Host Address:</source>
        <translation>Dirección del anfitrión:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Puerto:</translation>
    </message>
    <message>
        <source>Your Email (optional):</source>
        <translation>Tu correo (opcional):</translation>
    </message>
    <message>
        <source>Message (optional):</source>
        <translation>Mensaje (opcional):</translation>
    </message>
    <message>
        <source>&amp;Connect to Host</source>
        <translation>&amp;Conectar al anfitrión</translation>
    </message>
    <message>
        <source>Oops!</source>
        <translation>¡Vaya!</translation>
    </message>
    <message>
        <source>Reconnect</source>
        <translation>Reconectar</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; no es un número entero válido</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Cancelando...</translation>
    </message>
    <message>
        <source>Retry attempts: %1</source>
        <translation>Reintentos: %1</translation>
    </message>
    <message>
        <source>Lettrava Whisper</source>
        <translation>Susurro de Lettrava</translation>
    </message>
    <message>
        <source>Private message to %1:</source>
        <translation>Mensaje privado para %1:</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>Ca&amp;ncelar</translation>
    </message>
    <message>
        <source>Profile of %1 (Game Host) - Email: %2</source>
        <translation>Perfil de %1 (anfitrión) - Correo: %2</translation>
    </message>
    <message>
        <source>Profile of %1 (Logged in from &lt;&lt; %2 - %3 &gt;&gt; - Email: %4</source>
        <translation>Perfil de %1 (conectado desde &lt;&lt; %2 - %3 &gt;&gt; - Correo: %4</translation>
    </message>
    <message>
        <source>Has: Game version: %1 - Dictionary version: %2</source>
        <translation>Tiene: versión del juego: %1 - versión del diccionario: %2</translation>
    </message>
    <message>
        <source>Message: &quot;%1&quot;</source>
        <translation>Mensaje: &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>lettrava::TWelcomePanel</name>
    <message>
        <source>Welcome to Lettrava</source>
        <translation>Bienvenido a Lettrava</translation>
    </message>
    <message>
        <source>&amp;Start a New Game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>&amp;Continue a Saved Game</source>
        <translation>&amp;Continuar partida guardada</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>Có&amp;mo jugar</translation>
    </message>
    <message>
        <source>&amp;Join an Internet Game</source>
        <translation>Jugar por &amp;Internet</translation>
    </message>
    <message>
        <source>Click a dot or use the Menu to let the fun begin!</source>
        <translation>¡Haz clic en un punto o usa el menú y que empiece la diversión!</translation>
    </message>
</context>
<context>
    <name>lettrava::TWordListBox</name>
    <message>
        <source>Not in the grid</source>
        <translation>No está en la cuadrícula</translation>
    </message>
    <message>
        <source>Not in the dictionary</source>
        <translation>No está en el diccionario</translation>
    </message>
    <message>
        <source>Unique word: no other player found it</source>
        <translation>Palabra única: ningún otro jugador la ha encontrado</translation>
    </message>
</context>
<context>
    <name>lettrava::WordLookup</name>
    <message>
        <source>It appears you do not have the dictionary installed. If you downloaded the non-dictionary version and would now like to be able to look up definitions locally, please visit %1 and download and install the dictionary version.

</source>
        <translation>Parece que no tienes instalado el diccionario. Si descargaste la versión sin diccionario y ahora quieres consultar definiciones en local, visita %1 y descarga e instala la versión con diccionario.

</translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation>Lo sentimos</translation>
    </message>
    <message>
        <source>URL Needed</source>
        <translation>Falta la URL</translation>
    </message>
    <message>
        <source>Please enter a location (accept the default if unsure)</source>
        <translation>Escribe una dirección (si tienes dudas, acepta la predeterminada)</translation>
    </message>
    <message>
        <source>The Dictionary is not available.  Please use the internet lookup or reinstall the dictionary version of Lettrava</source>
        <translation>El diccionario no está disponible.  Usa la consulta por Internet o vuelve a instalar la versión de Lettrava con diccionario</translation>
    </message>
</context>
</TS>
