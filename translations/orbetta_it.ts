<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AboutWindow</name>
    <message>
        <source>Orbetta is a scientific calculator for one user at a desktop.
Settings: orbetta.ini in your configuration folder.
Tape: orbetta/tape.txt in your state folder.
Provided as it is, without warranty of any kind.</source>
        <extracomment>Four lines at most, each of about 60 characters: the box shows no more.</extracomment>
        <translation>Orbetta è una calcolatrice scientifica per un utente.
Impostazioni: orbetta.ini nella cartella di configurazione.
Nastro: orbetta/tape.txt nella vostra cartella di stato.
Fornito così com&apos;è, senza garanzia di alcun tipo.</translation>
    </message>
    <message>
        <source>About Orbetta</source>
        <translation>Informazioni su Orbetta</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
</context>
<context>
    <name>Calculator</name>
    <message>
        <source>Escape is not taken here; c clears</source>
        <translation>Esc non è accettato qui; c cancella</translation>
    </message>
    <message>
        <source>Ctrl+%1 is not taken here</source>
        <translation>Ctrl+%1 non è accettato qui</translation>
    </message>
    <message>
        <source>space is not taken here</source>
        <translation>lo spazio non è accettato qui</translation>
    </message>
    <message>
        <source>comma is not taken here; the point is a full stop</source>
        <translation>la virgola non è accettata qui; il separatore decimale è il punto</translation>
    </message>
    <message>
        <source>%1 is not taken here</source>
        <translation>%1 non è accettato qui</translation>
    </message>
    <message>
        <source>that character is not taken here</source>
        <translation>quel carattere non è accettato qui</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vuoto</translation>
    </message>
    <message>
        <source>the entry has a point already</source>
        <translation>il numero ha già un separatore decimale</translation>
    </message>
    <message>
        <source>the display is empty</source>
        <translation>il display è vuoto</translation>
    </message>
    <message>
        <source>nothing to change the sign of</source>
        <translation>nessun numero di cui cambiare il segno</translation>
    </message>
    <message>
        <source>nothing to erase</source>
        <translation>niente da cancellare</translation>
    </message>
    <message>
        <source>nothing to paste</source>
        <translation>niente da incollare</translation>
    </message>
    <message>
        <source>the clipboard holds no number</source>
        <translation>gli appunti non contengono un numero</translation>
    </message>
    <message>
        <source>can&apos;t divide by 0!</source>
        <translation>impossibile dividere per 0!</translation>
    </message>
    <message>
        <source>cleared</source>
        <translation>cancellato</translation>
    </message>
    <message>
        <source>can&apos;t take log of 0 or - numbers</source>
        <translation>impossibile calcolare il logaritmo di 0 o di numeri negativi</translation>
    </message>
    <message>
        <source>x must be &gt;-323 and &lt;307</source>
        <translation>x deve essere &gt;-323 e &lt;307</translation>
    </message>
    <message>
        <source>x must be &gt;-744 and &lt;709</source>
        <translation>x deve essere &gt;-744 e &lt;709</translation>
    </message>
    <message>
        <source>can&apos;t take square root of a negative number</source>
        <translation>impossibile calcolare la radice quadrata di un numero negativo</translation>
    </message>
    <message>
        <source>outside the range: &gt;1E-162 and &lt;1E+103</source>
        <translation>fuori dall&apos;intervallo: &gt;1E-162 e &lt;1E+103</translation>
    </message>
    <message>
        <source>%1 in memory</source>
        <translation>%1 in memoria</translation>
    </message>
</context>
<context>
    <name>ColourChooser</name>
    <message>
        <source>Orbetta Color</source>
        <translation>Colore di Orbetta</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: orbetta [option]
A scientific calculator in one small window, worked by mouse or keyboard.

  -h, --help     shows this help and ends
  -v, --version  shows the version and ends

Qt&apos;s standard options are understood too, such as -platform xcb or -platform wayland.
The keys and files are described in the manual page: man orbetta
</source>
        <translation>Uso: orbetta [opzione]
Una calcolatrice scientifica in una piccola finestra, usata con il mouse o con la tastiera.

  -h, --help     mostra questo aiuto e termina
  -v, --version  mostra la versione e termina

Sono comprese anche le opzioni standard di Qt, come -platform xcb o -platform wayland.
I tasti e i file sono descritti nella pagina di manuale: man orbetta
</translation>
    </message>
    <message>
        <source>orbetta: unknown option %1
</source>
        <translation>orbetta: opzione sconosciuta %1
</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Not a number</source>
        <translation>Non è un numero</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Divisione per zero</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Argomento non valido</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Orbetta Help</source>
        <translation>Guida di Orbetta</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Trova:</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Trova</translation>
    </message>
    <message>
        <source>%1, heading level %2</source>
        <translation>%1, intestazione livello %2</translation>
    </message>
    <message>
        <source>no heading before this</source>
        <translation>nessuna intestazione prima di questa</translation>
    </message>
    <message>
        <source>no more headings</source>
        <translation>nessun&apos;altra intestazione</translation>
    </message>
    <message>
        <source>no link before this</source>
        <translation>nessun collegamento prima di questo</translation>
    </message>
    <message>
        <source>no more links</source>
        <translation>nessun altro collegamento</translation>
    </message>
    <message>
        <source>link %1</source>
        <translation>collegamento %1</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>Secant</source>
        <translation>Secante</translation>
    </message>
    <message>
        <source>Cosecant</source>
        <translation>Cosecante</translation>
    </message>
    <message>
        <source>Cotangent</source>
        <translation>Cotangente</translation>
    </message>
    <message>
        <source>Inverse Sine</source>
        <translation>Arcoseno</translation>
    </message>
    <message>
        <source>Inverse Cosine</source>
        <translation>Arcocoseno</translation>
    </message>
    <message>
        <source>Inverse Secant</source>
        <translation>Arcosecante</translation>
    </message>
    <message>
        <source>Inverse Cosecant</source>
        <translation>Arcocosecante</translation>
    </message>
    <message>
        <source>Inverse Cotangent</source>
        <translation>Arcocotangente</translation>
    </message>
    <message>
        <source>Hyperbolic Sine</source>
        <translation>Seno iperbolico</translation>
    </message>
    <message>
        <source>Hyperbolic Cosine</source>
        <translation>Coseno iperbolico</translation>
    </message>
    <message>
        <source>Hyperbolic Tangent</source>
        <translation>Tangente iperbolica</translation>
    </message>
    <message>
        <source>Hyperbolic Secant</source>
        <translation>Secante iperbolica</translation>
    </message>
    <message>
        <source>Hyperbolic Cosecant</source>
        <translation>Cosecante iperbolica</translation>
    </message>
    <message>
        <source>Hyperbolic Cotangent</source>
        <translation>Cotangente iperbolica</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Sine</source>
        <translation>Settore seno iperbolico</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Cosine</source>
        <translation>Settore coseno iperbolico</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Tangent</source>
        <translation>Settore tangente iperbolica</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Secant</source>
        <translation>Settore secante iperbolica</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Cosecant</source>
        <translation>Settore cosecante iperbolica</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Cotangent</source>
        <translation>Settore cotangente iperbolica</translation>
    </message>
    <message>
        <source>y root of x</source>
        <translation>radice y-esima di x</translation>
    </message>
    <message>
        <source>value(x):</source>
        <translation>valore (x):</translation>
    </message>
    <message>
        <source>root (y):</source>
        <translation>radice (y):</translation>
    </message>
    <message>
        <source>x to the power of y</source>
        <translation>x elevato a y</translation>
    </message>
    <message>
        <source>power(y):</source>
        <translation>potenza (y):</translation>
    </message>
    <message>
        <source>random number</source>
        <translation>numero casuale</translation>
    </message>
    <message>
        <source>lower value:</source>
        <extracomment>A prompt of the two-value dialog, like every &quot;...:&quot; here; about twelve characters fit beside the box.</extracomment>
        <translation>valore inf.:</translation>
    </message>
    <message>
        <source>upper value:</source>
        <translation>valore sup.:</translation>
    </message>
    <message>
        <source>deg</source>
        <extracomment>The angle key&apos;s caption in degrees; a word of about three letters fits the key.</extracomment>
        <translation>deg</translation>
    </message>
    <message>
        <source>degree (click to change to radian)</source>
        <translation>gradi (fare clic per passare ai radianti)</translation>
    </message>
    <message>
        <source>rad</source>
        <extracomment>The angle key&apos;s caption in radians; a word of about three letters fits the key.</extracomment>
        <translation>rad</translation>
    </message>
    <message>
        <source>radian (click to change to degree)</source>
        <translation>radianti (fare clic per passare ai gradi)</translation>
    </message>
    <message>
        <source>addition</source>
        <translation>addizione</translation>
    </message>
    <message>
        <source>subtraction</source>
        <translation>sottrazione</translation>
    </message>
    <message>
        <source>multiplication</source>
        <translation>moltiplicazione</translation>
    </message>
    <message>
        <source>division</source>
        <translation>divisione</translation>
    </message>
    <message>
        <source>common logarithm</source>
        <translation>logaritmo decimale</translation>
    </message>
    <message>
        <source>natural logarithm</source>
        <translation>logaritmo naturale</translation>
    </message>
    <message>
        <source>common antilog</source>
        <translation>antilogaritmo decimale</translation>
    </message>
    <message>
        <source>natural antilog</source>
        <translation>antilogaritmo naturale</translation>
    </message>
    <message>
        <source>Sine</source>
        <translation>Seno</translation>
    </message>
    <message>
        <source>Cosine</source>
        <translation>Coseno</translation>
    </message>
    <message>
        <source>Tangent</source>
        <translation>Tangente</translation>
    </message>
    <message>
        <source>Arctangent</source>
        <translation>Arcotangente</translation>
    </message>
    <message>
        <source>square root</source>
        <translation>radice quadrata</translation>
    </message>
    <message>
        <source>square</source>
        <translation>quadrato</translation>
    </message>
    <message>
        <source>random #</source>
        <extracomment>The random key&apos;s caption; it must fit the key, as about eight letters do.</extracomment>
        <translation>casuale</translation>
    </message>
    <message>
        <source>Pi number</source>
        <translation>pi greco</translation>
    </message>
    <message>
        <source>reciprocal</source>
        <translation>reciproco</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>percentuale</translation>
    </message>
    <message>
        <source>more functions</source>
        <translation>altre funzioni</translation>
    </message>
    <message>
        <source>recall from memory</source>
        <translation>richiama dalla memoria</translation>
    </message>
    <message>
        <source>memory</source>
        <translation>memoria</translation>
    </message>
    <message>
        <source>degree (click to change radian)</source>
        <translation>gradi (fare clic per passare ai radianti)</translation>
    </message>
    <message>
        <source>function</source>
        <extracomment>The caption of the key that shows the list of more functions; about eight letters fit.</extracomment>
        <translation>funzione</translation>
    </message>
    <message>
        <source>additional trigonometric functions</source>
        <translation>funzioni trigonometriche aggiuntive</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>About Orbetta</source>
        <translation>Informazioni su Orbetta</translation>
    </message>
    <message>
        <source>col</source>
        <extracomment>The colour key&apos;s caption; about three letters fit.</extracomment>
        <translation>col</translation>
    </message>
    <message>
        <source>Layout Preferences</source>
        <translation>Preferenze di aspetto</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>separatore decimale</translation>
    </message>
    <message>
        <source>sign change</source>
        <translation>cambio segno</translation>
    </message>
    <message>
        <source>equal</source>
        <translation>uguale</translation>
    </message>
    <message>
        <source>backspace</source>
        <translation>backspace</translation>
    </message>
    <message>
        <source>clear all</source>
        <translation>cancella tutto</translation>
    </message>
    <message>
        <source>&amp;off</source>
        <extracomment>The off key&apos;s caption; about three letters fit. Alt with a letter presses the other keys, so &quot;&amp;&quot; may only stand before an &quot;o&quot;; without one the key keeps Alt+O.</extracomment>
        <translation>&amp;off</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>click the down-arrow to list available functions</source>
        <translation>fare clic sulla freccia in giù per elencare le funzioni disponibili</translation>
    </message>
    <message>
        <source>display</source>
        <translation>display</translation>
    </message>
    <message>
        <source>copied %1</source>
        <translation>copiato %1</translation>
    </message>
    <message>
        <source>display menu</source>
        <translation>menu del display</translation>
    </message>
    <message>
        <source>display menu, %1</source>
        <translation>menu del display, %1</translation>
    </message>
    <message>
        <source>%1 list, %2 entries, %3</source>
        <translation>elenco %1, %2 voci, %3</translation>
    </message>
    <message>
        <source>Ctrl+Space presses this key.</source>
        <translation>Ctrl+Spazio preme questo tasto.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Canc</translation>
    </message>
    <message>
        <source>%1 list, Down opens it</source>
        <translation>elenco %1, Freccia giù lo apre</translation>
    </message>
    <message>
        <source>Tape closed</source>
        <translation>Nastro chiuso</translation>
    </message>
</context>
<context>
    <name>Tape</name>
    <message>
        <source>Error: %1</source>
        <translation>Errore: %1</translation>
    </message>
    <message>
        <source>The tape file %1 is a symbolic link, which is not followed.</source>
        <translation>Il file del nastro %1 è un collegamento simbolico, che non viene seguito.</translation>
    </message>
    <message>
        <source>The tape file %1 is a folder.</source>
        <translation>Il file del nastro %1 è una cartella.</translation>
    </message>
    <message>
        <source>The tape file %1 is not a regular file.</source>
        <translation>Il file del nastro %1 non è un file normale.</translation>
    </message>
    <message>
        <source>The tape file %1 cannot be opened: %2.</source>
        <translation>Impossibile aprire il file del nastro %1: %2.</translation>
    </message>
    <message>
        <source>The tape file holds bytes that are not text; they are shown as �.</source>
        <translation>Il file del nastro contiene byte che non sono testo; sono mostrati come �.</translation>
    </message>
    <message>
        <source>The tape file holds lines too long for a tape; they are cut.</source>
        <translation>Il file del nastro contiene righe troppo lunghe per un nastro; vengono tagliate.</translation>
    </message>
    <message>
        <source>The tape file %1 cannot be read: %2.</source>
        <translation>Impossibile leggere il file del nastro %1: %2.</translation>
    </message>
    <message>
        <source>The tape file is %1 long; only its newest lines were read.</source>
        <translation>Il file del nastro è di %1; sono state lette solo le righe più recenti.</translation>
    </message>
    <message>
        <source>There is no home folder to keep the tape in.</source>
        <translation>Non c&apos;è una cartella home in cui conservare il nastro.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Impossibile creare la cartella %1.</translation>
    </message>
    <message>
        <source>The tape file is being trimmed; the line is written with the next one.</source>
        <translation>Il file del nastro è in fase di riduzione; la riga verrà scritta con la successiva.</translation>
    </message>
    <message>
        <source>The tape file %1 cannot be written: %2.</source>
        <translation>Impossibile scrivere il file del nastro %1: %2.</translation>
    </message>
    <message>
        <source>The tape file is in use; the line is written with the next one.</source>
        <translation>Il file del nastro è in uso; la riga verrà scritta con la successiva.</translation>
    </message>
    <message>
        <source>The tape file %1 ends inside a line that cannot be removed: %2.</source>
        <translation>Il file del nastro %1 termina dentro una riga che non può essere rimossa: %2.</translation>
    </message>
    <message>
        <source>The tape file %1 cannot be rewritten.</source>
        <translation>Impossibile riscrivere il file del nastro %1.</translation>
    </message>
    <message>
        <source>The tape file %1 holds what the tape cannot show, and it cannot be kept aside: %2. It is left as it is.</source>
        <translation>Il file del nastro %1 contiene ciò che il nastro non può mostrare, e non può essere messo da parte: %2. Viene lasciato com&apos;è.</translation>
    </message>
    <message>
        <source>The tape file held what the tape cannot show (bytes that are not text, or more than is read); it is kept as %1, and the tape goes on in a new file.</source>
        <translation>Il file del nastro conteneva ciò che il nastro non può mostrare (byte che non sono testo, o più di quanto viene letto); è conservato come %1, e il nastro prosegue in un nuovo file.</translation>
    </message>
    <message>
        <source>The tape file %1 cannot be removed: %2.</source>
        <translation>Impossibile rimuovere il file del nastro %1: %2.</translation>
    </message>
    <message>
        <source>The tape file is in use; it was not rewritten.</source>
        <translation>Il file del nastro è in uso; non è stato riscritto.</translation>
    </message>
</context>
<context>
    <name>TwoValue</name>
    <message>
        <source>minus is not taken here; values are without sign</source>
        <translation>il segno meno non è accettato qui; i valori sono senza segno</translation>
    </message>
    <message>
        <source>the value has a point already</source>
        <translation>il valore ha già un separatore decimale</translation>
    </message>
    <message>
        <source>the field is empty</source>
        <translation>la casella è vuota</translation>
    </message>
    <message>
        <source>the second field is empty</source>
        <translation>la seconda casella è vuota</translation>
    </message>
    <message>
        <source>space is not taken here; digits and one point only</source>
        <translation>lo spazio non è accettato qui; solo cifre e un separatore decimale</translation>
    </message>
    <message>
        <source>comma is not taken here; the point is a full stop</source>
        <translation>la virgola non è accettata qui; il separatore decimale è il punto</translation>
    </message>
    <message>
        <source>%1 is not taken here; digits and one point only</source>
        <translation>%1 non è accettato qui; solo cifre e un separatore decimale</translation>
    </message>
    <message>
        <source>that character is not taken here; digits and one point only</source>
        <translation>quel carattere non è accettato qui; solo cifre e un separatore decimale</translation>
    </message>
    <message>
        <source>the first field is empty</source>
        <translation>la prima casella è vuota</translation>
    </message>
    <message>
        <source>the first field holds no number</source>
        <translation>la prima casella non contiene un numero</translation>
    </message>
    <message>
        <source>the second field holds no number</source>
        <translation>la seconda casella non contiene un numero</translation>
    </message>
    <message>
        <source>root %1 of %2</source>
        <translation>radice %1 di %2</translation>
    </message>
    <message>
        <source>%1 to the power %2</source>
        <translation>%1 elevato a %2</translation>
    </message>
    <message>
        <source>random between %1 and %2</source>
        <translation>casuale tra %1 e %2</translation>
    </message>
    <message>
        <source>can&apos;t do 0 root!</source>
        <translation>impossibile calcolare la radice 0!</translation>
    </message>
    <message>
        <source>upperbound value must be &gt; lowerbound value+1</source>
        <translation>il valore superiore deve essere &gt; valore inferiore+1</translation>
    </message>
    <message>
        <source>result is outside the range!</source>
        <translation>risultato fuori dall&apos;intervallo!</translation>
    </message>
</context>
<context>
    <name>TwoValueDialog</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>WindowSystem</name>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY non è impostata</translation>
    </message>
    <message>
        <source>no X server answers at DISPLAY=%1</source>
        <translation>nessun server X risponde a DISPLAY=%1</translation>
    </message>
    <message>
        <source>WAYLAND_DISPLAY is not set</source>
        <translation>WAYLAND_DISPLAY non è impostata</translation>
    </message>
    <message>
        <source>no Wayland compositor answers at WAYLAND_DISPLAY=%1</source>
        <translation>nessun compositor Wayland risponde a WAYLAND_DISPLAY=%1</translation>
    </message>
    <message>
        <source>Qt&apos;s platform plugin &quot;%1&quot; could not start</source>
        <translation>il plugin di piattaforma &quot;%1&quot; di Qt non è riuscito ad avviarsi</translation>
    </message>
    <message>
        <source>Qt&apos;s Wayland platform plugin is not installed (package qt6-wayland)</source>
        <translation>il plugin di piattaforma Wayland di Qt non è installato (pacchetto qt6-wayland)</translation>
    </message>
    <message>
        <source>Qt has no platform plugin &quot;%1&quot;</source>
        <translation>Qt non ha il plugin di piattaforma &quot;%1&quot;</translation>
    </message>
    <message>
        <source>no display is set (DISPLAY and WAYLAND_DISPLAY are both empty)</source>
        <translation>nessuno schermo impostato (DISPLAY e WAYLAND_DISPLAY sono entrambe vuote)</translation>
    </message>
    <message>
        <source>no platform plugin of Qt could start</source>
        <translation>nessun plugin di piattaforma di Qt è riuscito ad avviarsi</translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source>orbetta: cannot open a window: %1; run it in a desktop session, or as xvfb-run -a %2 for a virtual screen
</source>
        <translation>orbetta: impossibile aprire una finestra: %1; avviatelo in una sessione desktop, o come xvfb-run -a %2 per uno schermo virtuale
</translation>
    </message>
</context>
<context>
    <name>orbetta::ui::DisplayBox</name>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Copia	Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>&amp;Incolla	Ctrl+V</translation>
    </message>
    <message>
        <source>&amp;Tape</source>
        <translation>&amp;Nastro</translation>
    </message>
    <message>
        <source>&amp;Always on top</source>
        <translation>&amp;Sempre in primo piano</translation>
    </message>
</context>
<context>
    <name>orbetta::ui::TapeWindow</name>
    <message>
        <source>Orbetta Tape</source>
        <translation>Nastro di Orbetta</translation>
    </message>
    <message>
        <source>Tape</source>
        <translation>Nastro</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>Salva con nome…</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Svuota</translation>
    </message>
    <message>
        <source>Undo clear</source>
        <translation>Annulla svuotamento</translation>
    </message>
    <message>
        <source>Keep between runs</source>
        <translation>Conserva tra le sessioni</translation>
    </message>
    <message>
        <source>The tape is no longer kept between runs and its file is removed; keeping it again writes it back</source>
        <translation>Il nastro non è più conservato tra le sessioni e il suo file è stato rimosso; conservarlo di nuovo lo riscrive</translation>
    </message>
    <message>
        <source>The tape is kept between runs</source>
        <translation>Il nastro è conservato tra le sessioni</translation>
    </message>
    <message>
        <source>Tape, 1 line</source>
        <translation>Nastro, 1 riga</translation>
    </message>
    <message numerus="yes">
        <source>Tape, %n lines</source>
        <translation>
            <numerusform>Nastro, %n riga</numerusform>
            <numerusform>Nastro, %n righe</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, the last: %2</source>
        <translation>%1, l&apos;ultima: %2</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Save Tape As</source>
        <translation>Salva il nastro con nome</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>File di testo (*.txt);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>The tape could not be saved to %1.</source>
        <translation>Impossibile salvare il nastro in %1.</translation>
    </message>
    <message>
        <source>Tape cleared; Undo clear brings it back</source>
        <translation>Nastro svuotato; Annulla svuotamento lo riporta</translation>
    </message>
</context>
</TS>
