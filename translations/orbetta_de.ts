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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Orbetta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Calculator</name>
    <message>
        <source>Escape is not taken here; c clears</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+%1 is not taken here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>space is not taken here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>comma is not taken here; the point is a full stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not taken here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>that character is not taken here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the entry has a point already</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the display is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing to change the sign of</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing to erase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing to paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the clipboard holds no number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>can&apos;t divide by 0!</source>
        <translation>Division durch 0 nicht möglich!</translation>
    </message>
    <message>
        <source>cleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>can&apos;t take log of 0 or - numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x must be &gt;-323 and &lt;307</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x must be &gt;-744 and &lt;709</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>can&apos;t take square root of a negative number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>outside the range: &gt;1E-162 and &lt;1E+103</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>orbetta: unknown option %1
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Orbetta Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, heading level %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no heading before this</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no more headings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no link before this</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no more links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>link %1</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cotangent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inverse Sine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inverse Cosine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inverse Secant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inverse Cosecant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inverse Cotangent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hyperbolic Sine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hyperbolic Cosine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hyperbolic Tangent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hyperbolic Secant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hyperbolic Cosecant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hyperbolic Cotangent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Sine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Cosine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Tangent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Secant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Cosecant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Cotangent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>y root of x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>value(x):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>root (y):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x to the power of y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>power(y):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>random number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lower value:</source>
        <extracomment>A prompt of the two-value dialog, like every &quot;...:&quot; here; about twelve characters fit beside the box.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>upper value:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>deg</source>
        <extracomment>The angle key&apos;s caption in degrees; a word of about three letters fits the key.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>degree (click to change to radian)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rad</source>
        <extracomment>The angle key&apos;s caption in radians; a word of about three letters fits the key.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>radian (click to change to degree)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>addition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>subtraction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>multiplication</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>division</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>common logarithm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>natural logarithm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>common antilog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>natural antilog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sine</source>
        <translation>Sinus</translation>
    </message>
    <message>
        <source>Cosine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tangent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arctangent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>square root</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>square</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>random #</source>
        <extracomment>The random key&apos;s caption; it must fit the key, as about eight letters do.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pi number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reciprocal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>percent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>more functions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>recall from memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>degree (click to change radian)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>function</source>
        <extracomment>The caption of the key that shows the list of more functions; about eight letters fit.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>additional trigonometric functions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Orbetta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>col</source>
        <extracomment>The colour key&apos;s caption; about three letters fit.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Layout Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sign change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>equal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>backspace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>clear all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;off</source>
        <extracomment>The off key&apos;s caption; about three letters fit. Alt with a letter presses the other keys, so &quot;&amp;&quot; may only stand before an &quot;o&quot;; without one the key keeps Alt+O.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>click the down-arrow to list available functions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>copied %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>display menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>display menu, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 list, %2 entries, %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Space presses this key.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 list, Down opens it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tape closed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tape</name>
    <message>
        <source>Error: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tape file %1 is a symbolic link, which is not followed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tape file %1 is a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tape file %1 is not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tape file %1 cannot be opened: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tape file holds bytes that are not text; they are shown as �.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tape file holds lines too long for a tape; they are cut.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tape file %1 cannot be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tape file is %1 long; only its newest lines were read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no home folder to keep the tape in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tape file is being trimmed; the line is written with the next one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tape file %1 cannot be written: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tape file is in use; the line is written with the next one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tape file %1 ends inside a line that cannot be removed: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tape file %1 cannot be rewritten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tape file %1 holds what the tape cannot show, and it cannot be kept aside: %2. It is left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tape file held what the tape cannot show (bytes that are not text, or more than is read); it is kept as %1, and the tape goes on in a new file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tape file %1 cannot be removed: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TwoValue</name>
    <message>
        <source>minus is not taken here; values are without sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the value has a point already</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the field is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the second field is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>space is not taken here; digits and one point only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>comma is not taken here; the point is a full stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not taken here; digits and one point only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>that character is not taken here; digits and one point only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the first field is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the first field holds no number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the second field holds no number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>root %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to the power %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>random between %1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>can&apos;t do 0 root!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>upperbound value must be &gt; lowerbound value+1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>result is outside the range!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TwoValueDialog</name>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WindowSystem</name>
    <message>
        <source>DISPLAY is not set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no X server answers at DISPLAY=%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WAYLAND_DISPLAY is not set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no Wayland compositor answers at WAYLAND_DISPLAY=%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qt&apos;s platform plugin &quot;%1&quot; could not start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qt&apos;s Wayland platform plugin is not installed (package qt6-wayland)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qt has no platform plugin &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no display is set (DISPLAY and WAYLAND_DISPLAY are both empty)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no platform plugin of Qt could start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>orbetta: cannot open a window: %1; run it in a desktop session, or as xvfb-run -a %2 for a virtual screen
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbetta::ui::DisplayBox</name>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Always on top</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbetta::ui::TapeWindow</name>
    <message>
        <source>Orbetta Tape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep between runs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tape is no longer kept between runs and its file is removed; keeping it again writes it back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tape is kept between runs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tape, 1 line</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Tape, %n lines</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1, the last: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Tape As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tape could not be saved to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tape cleared; Undo clear brings it back</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
