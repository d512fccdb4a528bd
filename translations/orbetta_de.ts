<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutWindow</name>
    <message>
        <source>Orbetta is a scientific calculator for one user at a desktop.
Settings: orbetta.ini in your configuration folder.
Tape: orbetta/tape.txt in your state folder.
Provided as it is, without warranty of any kind.</source>
        <extracomment>Four lines at most, each of about 60 characters: the box shows no more.</extracomment>
        <translation>Orbetta ist ein wissenschaftlicher Rechner für den Desktop.
Einstellungen: orbetta.ini im Konfigurationsordner.
Rechenstreifen: orbetta/tape.txt im Zustandsordner.
Bereitgestellt ohne jede Gewährleistung.</translation>
    </message>
    <message>
        <source>About Orbetta</source>
        <translation>Über Orbetta</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>Calculator</name>
    <message>
        <source>Escape is not taken here; c clears</source>
        <translation>Esc wird hier nicht angenommen; c löscht</translation>
    </message>
    <message>
        <source>Ctrl+%1 is not taken here</source>
        <translation>Ctrl+%1 wird hier nicht angenommen</translation>
    </message>
    <message>
        <source>space is not taken here</source>
        <translation>Leerzeichen wird hier nicht angenommen</translation>
    </message>
    <message>
        <source>comma is not taken here; the point is a full stop</source>
        <translation>Komma wird hier nicht angenommen; das Dezimalzeichen ist der Punkt</translation>
    </message>
    <message>
        <source>%1 is not taken here</source>
        <translation>%1 wird hier nicht angenommen</translation>
    </message>
    <message>
        <source>that character is not taken here</source>
        <translation>dieses Zeichen wird hier nicht angenommen</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>the entry has a point already</source>
        <translation>die Eingabe hat schon ein Dezimalzeichen</translation>
    </message>
    <message>
        <source>the display is empty</source>
        <translation>die Anzeige ist leer</translation>
    </message>
    <message>
        <source>nothing to change the sign of</source>
        <translation>keine Zahl, deren Vorzeichen sich wechseln ließe</translation>
    </message>
    <message>
        <source>nothing to erase</source>
        <translation>nichts zu löschen</translation>
    </message>
    <message>
        <source>nothing to paste</source>
        <translation>nichts zum Einfügen</translation>
    </message>
    <message>
        <source>the clipboard holds no number</source>
        <translation>die Zwischenablage enthält keine Zahl</translation>
    </message>
    <message>
        <source>can&apos;t divide by 0!</source>
        <translation>Division durch 0 nicht möglich!</translation>
    </message>
    <message>
        <source>cleared</source>
        <translation>gelöscht</translation>
    </message>
    <message>
        <source>can&apos;t take log of 0 or - numbers</source>
        <translation>kein Logarithmus von 0 oder negativen Zahlen</translation>
    </message>
    <message>
        <source>x must be &gt;-323 and &lt;307</source>
        <translation>x muss &gt;-323 und &lt;307 sein</translation>
    </message>
    <message>
        <source>x must be &gt;-744 and &lt;709</source>
        <translation>x muss &gt;-744 und &lt;709 sein</translation>
    </message>
    <message>
        <source>can&apos;t take square root of a negative number</source>
        <translation>keine Quadratwurzel aus einer negativen Zahl</translation>
    </message>
    <message>
        <source>outside the range: &gt;1E-162 and &lt;1E+103</source>
        <translation>außerhalb des Bereichs: &gt;1E-162 und &lt;1E+103</translation>
    </message>
    <message>
        <source>%1 in memory</source>
        <translation>%1 im Speicher</translation>
    </message>
</context>
<context>
    <name>ColourChooser</name>
    <message>
        <source>Orbetta Color</source>
        <translation>Orbetta-Farbe</translation>
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
        <translation>Aufruf: orbetta [Option]
Ein wissenschaftlicher Taschenrechner in einem kleinen Fenster, bedient mit Maus oder Tastatur.

  -h, --help     zeigt diese Hilfe und endet
  -v, --version  zeigt die Version und endet

Auch die Standardoptionen von Qt werden verstanden, etwa -platform xcb oder -platform wayland.
Die Tasten und Dateien beschreibt die Handbuchseite: man orbetta
</translation>
    </message>
    <message>
        <source>orbetta: unknown option %1
</source>
        <translation>orbetta: unbekannte Option %1
</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Not a number</source>
        <translation>Keine Zahl</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division durch null</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Ungültiges Argument</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Orbetta Help</source>
        <translation>Orbetta-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>%1, heading level %2</source>
        <translation>%1, Überschrift Ebene %2</translation>
    </message>
    <message>
        <source>no heading before this</source>
        <translation>keine Überschrift davor</translation>
    </message>
    <message>
        <source>no more headings</source>
        <translation>keine weiteren Überschriften</translation>
    </message>
    <message>
        <source>no link before this</source>
        <translation>kein Link davor</translation>
    </message>
    <message>
        <source>no more links</source>
        <translation>keine weiteren Links</translation>
    </message>
    <message>
        <source>link %1</source>
        <translation>Link %1</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>Secant</source>
        <translation>Sekans</translation>
    </message>
    <message>
        <source>Cosecant</source>
        <translation>Kosekans</translation>
    </message>
    <message>
        <source>Cotangent</source>
        <translation>Kotangens</translation>
    </message>
    <message>
        <source>Inverse Sine</source>
        <translation>Arkussinus</translation>
    </message>
    <message>
        <source>Inverse Cosine</source>
        <translation>Arkuskosinus</translation>
    </message>
    <message>
        <source>Inverse Secant</source>
        <translation>Arkussekans</translation>
    </message>
    <message>
        <source>Inverse Cosecant</source>
        <translation>Arkuskosekans</translation>
    </message>
    <message>
        <source>Inverse Cotangent</source>
        <translation>Arkuskotangens</translation>
    </message>
    <message>
        <source>Hyperbolic Sine</source>
        <translation>Sinus hyperbolicus</translation>
    </message>
    <message>
        <source>Hyperbolic Cosine</source>
        <translation>Kosinus hyperbolicus</translation>
    </message>
    <message>
        <source>Hyperbolic Tangent</source>
        <translation>Tangens hyperbolicus</translation>
    </message>
    <message>
        <source>Hyperbolic Secant</source>
        <translation>Sekans hyperbolicus</translation>
    </message>
    <message>
        <source>Hyperbolic Cosecant</source>
        <translation>Kosekans hyperbolicus</translation>
    </message>
    <message>
        <source>Hyperbolic Cotangent</source>
        <translation>Kotangens hyperbolicus</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Sine</source>
        <translation>Areasinus hyperbolicus</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Cosine</source>
        <translation>Areakosinus hyperbolicus</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Tangent</source>
        <translation>Areatangens hyperbolicus</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Secant</source>
        <translation>Areasekans hyperbolicus</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Cosecant</source>
        <translation>Areakosekans hyperbolicus</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Cotangent</source>
        <translation>Areakotangens hyperbolicus</translation>
    </message>
    <message>
        <source>y root of x</source>
        <translation>y-te Wurzel aus x</translation>
    </message>
    <message>
        <source>value(x):</source>
        <translation>Wert (x):</translation>
    </message>
    <message>
        <source>root (y):</source>
        <translation>Wurzel (y):</translation>
    </message>
    <message>
        <source>x to the power of y</source>
        <translation>x hoch y</translation>
    </message>
    <message>
        <source>power(y):</source>
        <translation>Exponent (y):</translation>
    </message>
    <message>
        <source>random number</source>
        <translation>Zufallszahl</translation>
    </message>
    <message>
        <source>lower value:</source>
        <extracomment>A prompt of the two-value dialog, like every &quot;...:&quot; here; about twelve characters fit beside the box.</extracomment>
        <translation>Untergrenze:</translation>
    </message>
    <message>
        <source>upper value:</source>
        <translation>Obergrenze:</translation>
    </message>
    <message>
        <source>deg</source>
        <extracomment>The angle key&apos;s caption in degrees; a word of about three letters fits the key.</extracomment>
        <translation>Grad</translation>
    </message>
    <message>
        <source>degree (click to change to radian)</source>
        <translation>Grad (klicken, um auf Bogenmaß umzuschalten)</translation>
    </message>
    <message>
        <source>rad</source>
        <extracomment>The angle key&apos;s caption in radians; a word of about three letters fits the key.</extracomment>
        <translation>rad</translation>
    </message>
    <message>
        <source>radian (click to change to degree)</source>
        <translation>Bogenmaß (klicken, um auf Grad umzuschalten)</translation>
    </message>
    <message>
        <source>addition</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>subtraction</source>
        <translation>Subtraktion</translation>
    </message>
    <message>
        <source>multiplication</source>
        <translation>Multiplikation</translation>
    </message>
    <message>
        <source>division</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>common logarithm</source>
        <translation>dekadischer Logarithmus</translation>
    </message>
    <message>
        <source>natural logarithm</source>
        <translation>natürlicher Logarithmus</translation>
    </message>
    <message>
        <source>common antilog</source>
        <translation>Zehnerpotenz</translation>
    </message>
    <message>
        <source>natural antilog</source>
        <translation>Exponentialfunktion</translation>
    </message>
    <message>
        <source>Sine</source>
        <translation>Sinus</translation>
    </message>
    <message>
        <source>Cosine</source>
        <translation>Kosinus</translation>
    </message>
    <message>
        <source>Tangent</source>
        <translation>Tangens</translation>
    </message>
    <message>
        <source>Arctangent</source>
        <translation>Arkustangens</translation>
    </message>
    <message>
        <source>square root</source>
        <translation>Quadratwurzel</translation>
    </message>
    <message>
        <source>square</source>
        <translation>Quadrat</translation>
    </message>
    <message>
        <source>random #</source>
        <extracomment>The random key&apos;s caption; it must fit the key, as about eight letters do.</extracomment>
        <translation>Zufall</translation>
    </message>
    <message>
        <source>Pi number</source>
        <translation>Kreiszahl Pi</translation>
    </message>
    <message>
        <source>reciprocal</source>
        <translation>Kehrwert</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>more functions</source>
        <translation>weitere Funktionen</translation>
    </message>
    <message>
        <source>recall from memory</source>
        <translation>aus dem Speicher abrufen</translation>
    </message>
    <message>
        <source>memory</source>
        <translation>Speicher</translation>
    </message>
    <message>
        <source>degree (click to change radian)</source>
        <translation>Grad (klicken, um auf Bogenmaß umzuschalten)</translation>
    </message>
    <message>
        <source>function</source>
        <extracomment>The caption of the key that shows the list of more functions; about eight letters fit.</extracomment>
        <translation>Funktion</translation>
    </message>
    <message>
        <source>additional trigonometric functions</source>
        <translation>weitere trigonometrische Funktionen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About Orbetta</source>
        <translation>Über Orbetta</translation>
    </message>
    <message>
        <source>col</source>
        <extracomment>The colour key&apos;s caption; about three letters fit.</extracomment>
        <translation>Fb.</translation>
    </message>
    <message>
        <source>Layout Preferences</source>
        <translation>Darstellung einstellen</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>Dezimalzeichen</translation>
    </message>
    <message>
        <source>sign change</source>
        <translation>Vorzeichenwechsel</translation>
    </message>
    <message>
        <source>equal</source>
        <translation>Gleich</translation>
    </message>
    <message>
        <source>backspace</source>
        <translation>Rücktaste</translation>
    </message>
    <message>
        <source>clear all</source>
        <translation>Alles löschen</translation>
    </message>
    <message>
        <source>&amp;off</source>
        <extracomment>The off key&apos;s caption; about three letters fit. Alt with a letter presses the other keys, so &quot;&amp;&quot; may only stand before an &quot;o&quot;; without one the key keeps Alt+O.</extracomment>
        <translation>&amp;off</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>click the down-arrow to list available functions</source>
        <translation>Pfeil nach unten klicken, um die verfügbaren Funktionen aufzulisten</translation>
    </message>
    <message>
        <source>display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>copied %1</source>
        <translation>%1 kopiert</translation>
    </message>
    <message>
        <source>display menu</source>
        <translation>Anzeigemenü</translation>
    </message>
    <message>
        <source>display menu, %1</source>
        <translation>Anzeigemenü, %1</translation>
    </message>
    <message>
        <source>%1 list, %2 entries, %3</source>
        <translation>%1, Liste mit %2 Einträgen, %3</translation>
    </message>
    <message>
        <source>Ctrl+Space presses this key.</source>
        <translation>Ctrl+Leertaste drückt diese Taste.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Entf</translation>
    </message>
    <message>
        <source>%1 list, Down opens it</source>
        <translation>%1, Liste; Pfeil nach unten öffnet sie</translation>
    </message>
    <message>
        <source>Tape closed</source>
        <translation>Rechenstreifen geschlossen</translation>
    </message>
</context>
<context>
    <name>Tape</name>
    <message>
        <source>Error: %1</source>
        <translation>Fehler: %1</translation>
    </message>
    <message>
        <source>The tape file %1 is a symbolic link, which is not followed.</source>
        <translation>Die Datei des Rechenstreifens %1 ist ein symbolischer Link, dem nicht gefolgt wird.</translation>
    </message>
    <message>
        <source>The tape file %1 is a folder.</source>
        <translation>Die Datei des Rechenstreifens %1 ist ein Ordner.</translation>
    </message>
    <message>
        <source>The tape file %1 is not a regular file.</source>
        <translation>Die Datei des Rechenstreifens %1 ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>The tape file %1 cannot be opened: %2.</source>
        <translation>Die Datei des Rechenstreifens %1 kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>The tape file holds bytes that are not text; they are shown as �.</source>
        <translation>Die Datei des Rechenstreifens enthält Bytes, die kein Text sind; sie werden als � gezeigt.</translation>
    </message>
    <message>
        <source>The tape file holds lines too long for a tape; they are cut.</source>
        <translation>Die Datei des Rechenstreifens enthält Zeilen, die für einen Rechenstreifen zu lang sind; sie werden gekürzt.</translation>
    </message>
    <message>
        <source>The tape file %1 cannot be read: %2.</source>
        <translation>Die Datei des Rechenstreifens %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The tape file is %1 long; only its newest lines were read.</source>
        <translation>Die Datei des Rechenstreifens ist %1 groß; nur ihre neuesten Zeilen wurden gelesen.</translation>
    </message>
    <message>
        <source>There is no home folder to keep the tape in.</source>
        <translation>Es gibt keinen persönlichen Ordner, in dem der Rechenstreifen bleiben könnte.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The tape file is being trimmed; the line is written with the next one.</source>
        <translation>Die Datei des Rechenstreifens wird gerade gekürzt; die Zeile wird mit der nächsten geschrieben.</translation>
    </message>
    <message>
        <source>The tape file %1 cannot be written: %2.</source>
        <translation>Die Datei des Rechenstreifens %1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>The tape file is in use; the line is written with the next one.</source>
        <translation>Die Datei des Rechenstreifens wird gerade benutzt; die Zeile wird mit der nächsten geschrieben.</translation>
    </message>
    <message>
        <source>The tape file %1 ends inside a line that cannot be removed: %2.</source>
        <translation>Die Datei des Rechenstreifens %1 endet mitten in einer Zeile, die sich nicht entfernen lässt: %2.</translation>
    </message>
    <message>
        <source>The tape file %1 cannot be rewritten.</source>
        <translation>Die Datei des Rechenstreifens %1 kann nicht neu geschrieben werden.</translation>
    </message>
    <message>
        <source>The tape file %1 holds what the tape cannot show, and it cannot be kept aside: %2. It is left as it is.</source>
        <translation>Die Datei des Rechenstreifens %1 enthält, was der Rechenstreifen nicht zeigen kann, und kann nicht beiseitegelegt werden: %2. Sie bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>The tape file held what the tape cannot show (bytes that are not text, or more than is read); it is kept as %1, and the tape goes on in a new file.</source>
        <translation>Die Datei des Rechenstreifens enthielt, was der Rechenstreifen nicht zeigen kann (Bytes, die kein Text sind, oder mehr, als gelesen wird); sie wird als %1 aufbewahrt, und der Rechenstreifen geht in einer neuen Datei weiter.</translation>
    </message>
    <message>
        <source>The tape file %1 cannot be removed: %2.</source>
        <translation>Die Datei des Rechenstreifens %1 kann nicht entfernt werden: %2.</translation>
    </message>
    <message>
        <source>The tape file is in use; it was not rewritten.</source>
        <translation>Die Datei des Rechenstreifens wird gerade benutzt; sie wurde nicht neu geschrieben.</translation>
    </message>
</context>
<context>
    <name>TwoValue</name>
    <message>
        <source>minus is not taken here; values are without sign</source>
        <translation>Minus wird hier nicht angenommen; Werte sind ohne Vorzeichen</translation>
    </message>
    <message>
        <source>the value has a point already</source>
        <translation>der Wert hat schon ein Dezimalzeichen</translation>
    </message>
    <message>
        <source>the field is empty</source>
        <translation>das Feld ist leer</translation>
    </message>
    <message>
        <source>the second field is empty</source>
        <translation>das zweite Feld ist leer</translation>
    </message>
    <message>
        <source>space is not taken here; digits and one point only</source>
        <translation>Leerzeichen wird hier nicht angenommen; nur Ziffern und ein Dezimalzeichen</translation>
    </message>
    <message>
        <source>comma is not taken here; the point is a full stop</source>
        <translation>Komma wird hier nicht angenommen; das Dezimalzeichen ist der Punkt</translation>
    </message>
    <message>
        <source>%1 is not taken here; digits and one point only</source>
        <translation>%1 wird hier nicht angenommen; nur Ziffern und ein Dezimalzeichen</translation>
    </message>
    <message>
        <source>that character is not taken here; digits and one point only</source>
        <translation>dieses Zeichen wird hier nicht angenommen; nur Ziffern und ein Dezimalzeichen</translation>
    </message>
    <message>
        <source>the first field is empty</source>
        <translation>das erste Feld ist leer</translation>
    </message>
    <message>
        <source>the first field holds no number</source>
        <translation>das erste Feld enthält keine Zahl</translation>
    </message>
    <message>
        <source>the second field holds no number</source>
        <translation>das zweite Feld enthält keine Zahl</translation>
    </message>
    <message>
        <source>root %1 of %2</source>
        <translation>%1. Wurzel aus %2</translation>
    </message>
    <message>
        <source>%1 to the power %2</source>
        <translation>%1 hoch %2</translation>
    </message>
    <message>
        <source>random between %1 and %2</source>
        <translation>Zufallszahl zwischen %1 und %2</translation>
    </message>
    <message>
        <source>can&apos;t do 0 root!</source>
        <translation>0-te Wurzel nicht möglich!</translation>
    </message>
    <message>
        <source>upperbound value must be &gt; lowerbound value+1</source>
        <translation>Obergrenze muss &gt; Untergrenze+1 sein</translation>
    </message>
    <message>
        <source>result is outside the range!</source>
        <translation>Ergebnis außerhalb des Bereichs!</translation>
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
        <translation>DISPLAY ist nicht gesetzt</translation>
    </message>
    <message>
        <source>no X server answers at DISPLAY=%1</source>
        <translation>kein X-Server antwortet unter DISPLAY=%1</translation>
    </message>
    <message>
        <source>WAYLAND_DISPLAY is not set</source>
        <translation>WAYLAND_DISPLAY ist nicht gesetzt</translation>
    </message>
    <message>
        <source>no Wayland compositor answers at WAYLAND_DISPLAY=%1</source>
        <translation>kein Wayland-Compositor antwortet unter WAYLAND_DISPLAY=%1</translation>
    </message>
    <message>
        <source>Qt&apos;s platform plugin &quot;%1&quot; could not start</source>
        <translation>das Plattform-Plugin „%1“ von Qt konnte nicht starten</translation>
    </message>
    <message>
        <source>Qt&apos;s Wayland platform plugin is not installed (package qt6-wayland)</source>
        <translation>das Wayland-Plattform-Plugin von Qt ist nicht installiert (Paket qt6-wayland)</translation>
    </message>
    <message>
        <source>Qt has no platform plugin &quot;%1&quot;</source>
        <translation>Qt hat kein Plattform-Plugin „%1“</translation>
    </message>
    <message>
        <source>no display is set (DISPLAY and WAYLAND_DISPLAY are both empty)</source>
        <translation>keine Anzeige gesetzt (DISPLAY und WAYLAND_DISPLAY sind beide leer)</translation>
    </message>
    <message>
        <source>no platform plugin of Qt could start</source>
        <translation>kein Plattform-Plugin von Qt konnte starten</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>orbetta: cannot open a window: %1; run it in a desktop session, or as xvfb-run -a %2 for a virtual screen
</source>
        <translation>orbetta: kann kein Fenster öffnen: %1; starten Sie es in einer Desktop-Sitzung oder als xvfb-run -a %2 auf einem virtuellen Bildschirm
</translation>
    </message>
</context>
<context>
    <name>orbetta::ui::DisplayBox</name>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Kopieren	Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>&amp;Einfügen	Ctrl+V</translation>
    </message>
    <message>
        <source>&amp;Tape</source>
        <translation>&amp;Rechenstreifen</translation>
    </message>
    <message>
        <source>&amp;Always on top</source>
        <translation>&amp;Immer im Vordergrund</translation>
    </message>
</context>
<context>
    <name>orbetta::ui::TapeWindow</name>
    <message>
        <source>Orbetta Tape</source>
        <translation>Orbetta-Rechenstreifen</translation>
    </message>
    <message>
        <source>Tape</source>
        <translation>Rechenstreifen</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>Speichern unter…</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Undo clear</source>
        <translation>Leeren rückgängig</translation>
    </message>
    <message>
        <source>Keep between runs</source>
        <translation>Zwischen Starts behalten</translation>
    </message>
    <message>
        <source>The tape is no longer kept between runs and its file is removed; keeping it again writes it back</source>
        <translation>Der Rechenstreifen wird nicht mehr zwischen Starts behalten, und seine Datei ist entfernt; erneutes Behalten schreibt ihn zurück</translation>
    </message>
    <message>
        <source>The tape is kept between runs</source>
        <translation>Der Rechenstreifen wird zwischen Starts behalten</translation>
    </message>
    <message>
        <source>Tape, 1 line</source>
        <translation>Rechenstreifen, 1 Zeile</translation>
    </message>
    <message numerus="yes">
        <source>Tape, %n lines</source>
        <translation>
            <numerusform>Rechenstreifen, %n Zeile</numerusform>
            <numerusform>Rechenstreifen, %n Zeilen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, the last: %2</source>
        <translation>%1, die letzte: %2</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Save Tape As</source>
        <translation>Rechenstreifen speichern unter</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Textdateien (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The tape could not be saved to %1.</source>
        <translation>Der Rechenstreifen konnte nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>Tape cleared; Undo clear brings it back</source>
        <translation>Rechenstreifen geleert; Leeren rückgängig holt ihn zurück</translation>
    </message>
</context>
</TS>
