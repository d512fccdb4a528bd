<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>AboutWindow</name>
    <message>
        <source>Orbetta is a scientific calculator for one user at a desktop.
Settings: orbetta.ini in your configuration folder.
Tape: orbetta/tape.txt in your state folder.
Provided as it is, without warranty of any kind.</source>
        <extracomment>Four lines at most, each of about 60 characters: the box shows no more.</extracomment>
        <translation>Orbetta to kalkulator naukowy dla jednego użytkownika.
Ustawienia: orbetta.ini w twoim katalogu konfiguracji.
Taśma: orbetta/tape.txt w twoim katalogu stanu.
Udostępniany bez żadnej gwarancji.</translation>
    </message>
    <message>
        <source>About Orbetta</source>
        <translation>O programie Orbetta</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
</context>
<context>
    <name>Calculator</name>
    <message>
        <source>Escape is not taken here; c clears</source>
        <translation>Esc nie jest tu przyjmowany; c czyści</translation>
    </message>
    <message>
        <source>Ctrl+%1 is not taken here</source>
        <translation>Ctrl+%1 nie jest tu przyjmowany</translation>
    </message>
    <message>
        <source>space is not taken here</source>
        <translation>spacja nie jest tu przyjmowana</translation>
    </message>
    <message>
        <source>comma is not taken here; the point is a full stop</source>
        <translation>przecinek nie jest tu przyjmowany; separatorem dziesiętnym jest kropka</translation>
    </message>
    <message>
        <source>%1 is not taken here</source>
        <translation>%1 nie jest tu przyjmowany</translation>
    </message>
    <message>
        <source>that character is not taken here</source>
        <translation>ten znak nie jest tu przyjmowany</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>pusto</translation>
    </message>
    <message>
        <source>the entry has a point already</source>
        <translation>liczba ma już separator dziesiętny</translation>
    </message>
    <message>
        <source>the display is empty</source>
        <translation>wyświetlacz jest pusty</translation>
    </message>
    <message>
        <source>nothing to change the sign of</source>
        <translation>nie ma liczby, której znak można zmienić</translation>
    </message>
    <message>
        <source>nothing to erase</source>
        <translation>nie ma czego usunąć</translation>
    </message>
    <message>
        <source>nothing to paste</source>
        <translation>nie ma czego wkleić</translation>
    </message>
    <message>
        <source>the clipboard holds no number</source>
        <translation>schowek nie zawiera liczby</translation>
    </message>
    <message>
        <source>can&apos;t divide by 0!</source>
        <translation>nie można dzielić przez 0!</translation>
    </message>
    <message>
        <source>cleared</source>
        <translation>wyczyszczono</translation>
    </message>
    <message>
        <source>can&apos;t take log of 0 or - numbers</source>
        <translation>nie można obliczyć logarytmu z 0 ani z liczby ujemnej</translation>
    </message>
    <message>
        <source>x must be &gt;-323 and &lt;307</source>
        <translation>x musi być &gt;-323 i &lt;307</translation>
    </message>
    <message>
        <source>x must be &gt;-744 and &lt;709</source>
        <translation>x musi być &gt;-744 i &lt;709</translation>
    </message>
    <message>
        <source>can&apos;t take square root of a negative number</source>
        <translation>nie można obliczyć pierwiastka kwadratowego z liczby ujemnej</translation>
    </message>
    <message>
        <source>outside the range: &gt;1E-162 and &lt;1E+103</source>
        <translation>poza zakresem: &gt;1E-162 i &lt;1E+103</translation>
    </message>
    <message>
        <source>%1 in memory</source>
        <translation>%1 w pamięci</translation>
    </message>
</context>
<context>
    <name>ColourChooser</name>
    <message>
        <source>Orbetta Color</source>
        <translation>Kolor Orbetty</translation>
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
        <translation>Użycie: orbetta [opcja]
Kalkulator naukowy w jednym małym oknie, obsługiwany myszą lub klawiaturą.

  -h, --help     pokazuje tę pomoc i kończy działanie
  -v, --version  pokazuje wersję i kończy działanie

Rozumiane są też standardowe opcje Qt, np. -platform xcb lub -platform wayland.
Klawisze i pliki opisuje strona podręcznika: man orbetta
</translation>
    </message>
    <message>
        <source>orbetta: unknown option %1
</source>
        <translation>orbetta: nieznana opcja %1
</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Not a number</source>
        <translation>To nie jest liczba</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Przepełnienie</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Dzielenie przez zero</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Nieprawidłowy argument</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Orbetta Help</source>
        <translation>Pomoc programu Orbetta</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Znajdź:</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Znajdź</translation>
    </message>
    <message>
        <source>%1, heading level %2</source>
        <translation>%1, nagłówek poziomu %2</translation>
    </message>
    <message>
        <source>no heading before this</source>
        <translation>brak nagłówka przed tym miejscem</translation>
    </message>
    <message>
        <source>no more headings</source>
        <translation>nie ma więcej nagłówków</translation>
    </message>
    <message>
        <source>no link before this</source>
        <translation>brak odnośnika przed tym miejscem</translation>
    </message>
    <message>
        <source>no more links</source>
        <translation>nie ma więcej odnośników</translation>
    </message>
    <message>
        <source>link %1</source>
        <translation>odnośnik %1</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>Secant</source>
        <translation>Secans</translation>
    </message>
    <message>
        <source>Cosecant</source>
        <translation>Cosecans</translation>
    </message>
    <message>
        <source>Cotangent</source>
        <translation>Cotangens</translation>
    </message>
    <message>
        <source>Inverse Sine</source>
        <translation>Arcus sinus</translation>
    </message>
    <message>
        <source>Inverse Cosine</source>
        <translation>Arcus cosinus</translation>
    </message>
    <message>
        <source>Inverse Secant</source>
        <translation>Arcus secans</translation>
    </message>
    <message>
        <source>Inverse Cosecant</source>
        <translation>Arcus cosecans</translation>
    </message>
    <message>
        <source>Inverse Cotangent</source>
        <translation>Arcus cotangens</translation>
    </message>
    <message>
        <source>Hyperbolic Sine</source>
        <translation>Sinus hiperboliczny</translation>
    </message>
    <message>
        <source>Hyperbolic Cosine</source>
        <translation>Cosinus hiperboliczny</translation>
    </message>
    <message>
        <source>Hyperbolic Tangent</source>
        <translation>Tangens hiperboliczny</translation>
    </message>
    <message>
        <source>Hyperbolic Secant</source>
        <translation>Secans hiperboliczny</translation>
    </message>
    <message>
        <source>Hyperbolic Cosecant</source>
        <translation>Cosecans hiperboliczny</translation>
    </message>
    <message>
        <source>Hyperbolic Cotangent</source>
        <translation>Cotangens hiperboliczny</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Sine</source>
        <translation>Area sinus hiperboliczny</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Cosine</source>
        <translation>Area cosinus hiperboliczny</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Tangent</source>
        <translation>Area tangens hiperboliczny</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Secant</source>
        <translation>Area secans hiperboliczny</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Cosecant</source>
        <translation>Area cosecans hiperboliczny</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Cotangent</source>
        <translation>Area cotangens hiperboliczny</translation>
    </message>
    <message>
        <source>y root of x</source>
        <translation>pierwiastek stopnia y z x</translation>
    </message>
    <message>
        <source>value(x):</source>
        <translation>wartość (x):</translation>
    </message>
    <message>
        <source>root (y):</source>
        <translation>stopień (y):</translation>
    </message>
    <message>
        <source>x to the power of y</source>
        <translation>x do potęgi y</translation>
    </message>
    <message>
        <source>power(y):</source>
        <translation>potęga (y):</translation>
    </message>
    <message>
        <source>random number</source>
        <translation>liczba losowa</translation>
    </message>
    <message>
        <source>lower value:</source>
        <extracomment>A prompt of the two-value dialog, like every &quot;...:&quot; here; about twelve characters fit beside the box.</extracomment>
        <translation>od:</translation>
    </message>
    <message>
        <source>upper value:</source>
        <translation>do:</translation>
    </message>
    <message>
        <source>deg</source>
        <extracomment>The angle key&apos;s caption in degrees; a word of about three letters fits the key.</extracomment>
        <translation>deg</translation>
    </message>
    <message>
        <source>degree (click to change to radian)</source>
        <translation>stopnie (kliknij, aby przełączyć na radiany)</translation>
    </message>
    <message>
        <source>rad</source>
        <extracomment>The angle key&apos;s caption in radians; a word of about three letters fits the key.</extracomment>
        <translation>rad</translation>
    </message>
    <message>
        <source>radian (click to change to degree)</source>
        <translation>radiany (kliknij, aby przełączyć na stopnie)</translation>
    </message>
    <message>
        <source>addition</source>
        <translation>dodawanie</translation>
    </message>
    <message>
        <source>subtraction</source>
        <translation>odejmowanie</translation>
    </message>
    <message>
        <source>multiplication</source>
        <translation>mnożenie</translation>
    </message>
    <message>
        <source>division</source>
        <translation>dzielenie</translation>
    </message>
    <message>
        <source>common logarithm</source>
        <translation>logarytm dziesiętny</translation>
    </message>
    <message>
        <source>natural logarithm</source>
        <translation>logarytm naturalny</translation>
    </message>
    <message>
        <source>common antilog</source>
        <translation>antylogarytm dziesiętny</translation>
    </message>
    <message>
        <source>natural antilog</source>
        <translation>antylogarytm naturalny</translation>
    </message>
    <message>
        <source>Sine</source>
        <translation>Sinus</translation>
    </message>
    <message>
        <source>Cosine</source>
        <translation>Cosinus</translation>
    </message>
    <message>
        <source>Tangent</source>
        <translation>Tangens</translation>
    </message>
    <message>
        <source>Arctangent</source>
        <translation>Arcus tangens</translation>
    </message>
    <message>
        <source>square root</source>
        <translation>pierwiastek kwadratowy</translation>
    </message>
    <message>
        <source>square</source>
        <translation>kwadrat</translation>
    </message>
    <message>
        <source>random #</source>
        <extracomment>The random key&apos;s caption; it must fit the key, as about eight letters do.</extracomment>
        <translation>losowa</translation>
    </message>
    <message>
        <source>Pi number</source>
        <translation>liczba pi</translation>
    </message>
    <message>
        <source>reciprocal</source>
        <translation>odwrotność</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>procent</translation>
    </message>
    <message>
        <source>more functions</source>
        <translation>więcej funkcji</translation>
    </message>
    <message>
        <source>recall from memory</source>
        <translation>przywołaj z pamięci</translation>
    </message>
    <message>
        <source>memory</source>
        <translation>pamięć</translation>
    </message>
    <message>
        <source>degree (click to change radian)</source>
        <translation>stopnie (kliknij, aby przełączyć na radiany)</translation>
    </message>
    <message>
        <source>function</source>
        <extracomment>The caption of the key that shows the list of more functions; about eight letters fit.</extracomment>
        <translation>funkcja</translation>
    </message>
    <message>
        <source>additional trigonometric functions</source>
        <translation>dodatkowe funkcje trygonometryczne</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>About Orbetta</source>
        <translation>O programie Orbetta</translation>
    </message>
    <message>
        <source>col</source>
        <extracomment>The colour key&apos;s caption; about three letters fit.</extracomment>
        <translation>kol</translation>
    </message>
    <message>
        <source>Layout Preferences</source>
        <translation>Ustawienia wyglądu</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>separator dziesiętny</translation>
    </message>
    <message>
        <source>sign change</source>
        <translation>zmiana znaku</translation>
    </message>
    <message>
        <source>equal</source>
        <translation>równa się</translation>
    </message>
    <message>
        <source>backspace</source>
        <translation>cofnięcie</translation>
    </message>
    <message>
        <source>clear all</source>
        <translation>wyczyść wszystko</translation>
    </message>
    <message>
        <source>&amp;off</source>
        <extracomment>The off key&apos;s caption; about three letters fit. Alt with a letter presses the other keys, so &quot;&amp;&quot; may only stand before an &quot;o&quot;; without one the key keeps Alt+O.</extracomment>
        <translation>&amp;off</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>click the down-arrow to list available functions</source>
        <translation>kliknij strzałkę w dół, aby zobaczyć dostępne funkcje</translation>
    </message>
    <message>
        <source>display</source>
        <translation>wyświetlacz</translation>
    </message>
    <message>
        <source>copied %1</source>
        <translation>skopiowano %1</translation>
    </message>
    <message>
        <source>display menu</source>
        <translation>menu wyświetlacza</translation>
    </message>
    <message>
        <source>display menu, %1</source>
        <translation>menu wyświetlacza, %1</translation>
    </message>
    <message>
        <source>%1 list, %2 entries, %3</source>
        <translation>lista: %1, %2 pozycji, %3</translation>
    </message>
    <message>
        <source>Ctrl+Space presses this key.</source>
        <translation>Ctrl+Spacja naciska ten klawisz.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>%1 list, Down opens it</source>
        <translation>lista: %1, strzałka w dół ją otwiera</translation>
    </message>
    <message>
        <source>Tape closed</source>
        <translation>Taśma zamknięta</translation>
    </message>
</context>
<context>
    <name>Tape</name>
    <message>
        <source>Error: %1</source>
        <translation>Błąd: %1</translation>
    </message>
    <message>
        <source>The tape file %1 is a symbolic link, which is not followed.</source>
        <translation>Plik taśmy %1 jest dowiązaniem symbolicznym, za którym program nie podąża.</translation>
    </message>
    <message>
        <source>The tape file %1 is a folder.</source>
        <translation>Plik taśmy %1 jest katalogiem.</translation>
    </message>
    <message>
        <source>The tape file %1 is not a regular file.</source>
        <translation>Plik taśmy %1 nie jest zwykłym plikiem.</translation>
    </message>
    <message>
        <source>The tape file %1 cannot be opened: %2.</source>
        <translation>Nie można otworzyć pliku taśmy %1: %2.</translation>
    </message>
    <message>
        <source>The tape file holds bytes that are not text; they are shown as �.</source>
        <translation>Plik taśmy zawiera bajty, które nie są tekstem; są pokazywane jako �.</translation>
    </message>
    <message>
        <source>The tape file holds lines too long for a tape; they are cut.</source>
        <translation>Plik taśmy zawiera wiersze za długie dla taśmy; są ucinane.</translation>
    </message>
    <message>
        <source>The tape file %1 cannot be read: %2.</source>
        <translation>Nie można odczytać pliku taśmy %1: %2.</translation>
    </message>
    <message>
        <source>The tape file is %1 long; only its newest lines were read.</source>
        <translation>Plik taśmy ma %1; odczytano tylko jego najnowsze wiersze.</translation>
    </message>
    <message>
        <source>There is no home folder to keep the tape in.</source>
        <translation>Nie ma katalogu domowego, w którym można by trzymać taśmę.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Nie można utworzyć katalogu %1.</translation>
    </message>
    <message>
        <source>The tape file is being trimmed; the line is written with the next one.</source>
        <translation>Plik taśmy jest właśnie przycinany; wiersz zostanie zapisany razem z następnym.</translation>
    </message>
    <message>
        <source>The tape file %1 cannot be written: %2.</source>
        <translation>Nie można zapisać pliku taśmy %1: %2.</translation>
    </message>
    <message>
        <source>The tape file is in use; the line is written with the next one.</source>
        <translation>Plik taśmy jest w użyciu; wiersz zostanie zapisany razem z następnym.</translation>
    </message>
    <message>
        <source>The tape file %1 ends inside a line that cannot be removed: %2.</source>
        <translation>Plik taśmy %1 kończy się w środku wiersza, którego nie można usunąć: %2.</translation>
    </message>
    <message>
        <source>The tape file %1 cannot be rewritten.</source>
        <translation>Nie można ponownie zapisać pliku taśmy %1.</translation>
    </message>
    <message>
        <source>The tape file %1 holds what the tape cannot show, and it cannot be kept aside: %2. It is left as it is.</source>
        <translation>Plik taśmy %1 zawiera to, czego taśma nie może pokazać, i nie można go odłożyć na bok: %2. Zostaje bez zmian.</translation>
    </message>
    <message>
        <source>The tape file held what the tape cannot show (bytes that are not text, or more than is read); it is kept as %1, and the tape goes on in a new file.</source>
        <translation>Plik taśmy zawierał to, czego taśma nie może pokazać (bajty, które nie są tekstem, albo więcej, niż jest czytane); zachowano go jako %1, a taśma jest dalej prowadzona w nowym pliku.</translation>
    </message>
    <message>
        <source>The tape file %1 cannot be removed: %2.</source>
        <translation>Nie można usunąć pliku taśmy %1: %2.</translation>
    </message>
    <message>
        <source>The tape file is in use; it was not rewritten.</source>
        <translation>Plik taśmy jest w użyciu; nie został ponownie zapisany.</translation>
    </message>
</context>
<context>
    <name>TwoValue</name>
    <message>
        <source>minus is not taken here; values are without sign</source>
        <translation>minus nie jest tu przyjmowany; wartości są bez znaku</translation>
    </message>
    <message>
        <source>the value has a point already</source>
        <translation>wartość ma już separator dziesiętny</translation>
    </message>
    <message>
        <source>the field is empty</source>
        <translation>pole jest puste</translation>
    </message>
    <message>
        <source>the second field is empty</source>
        <translation>drugie pole jest puste</translation>
    </message>
    <message>
        <source>space is not taken here; digits and one point only</source>
        <translation>spacja nie jest tu przyjmowana; tylko cyfry i jeden separator dziesiętny</translation>
    </message>
    <message>
        <source>comma is not taken here; the point is a full stop</source>
        <translation>przecinek nie jest tu przyjmowany; separatorem dziesiętnym jest kropka</translation>
    </message>
    <message>
        <source>%1 is not taken here; digits and one point only</source>
        <translation>%1 nie jest tu przyjmowany; tylko cyfry i jeden separator dziesiętny</translation>
    </message>
    <message>
        <source>that character is not taken here; digits and one point only</source>
        <translation>ten znak nie jest tu przyjmowany; tylko cyfry i jeden separator dziesiętny</translation>
    </message>
    <message>
        <source>the first field is empty</source>
        <translation>pierwsze pole jest puste</translation>
    </message>
    <message>
        <source>the first field holds no number</source>
        <translation>pierwsze pole nie zawiera liczby</translation>
    </message>
    <message>
        <source>the second field holds no number</source>
        <translation>drugie pole nie zawiera liczby</translation>
    </message>
    <message>
        <source>root %1 of %2</source>
        <translation>pierwiastek stopnia %1 z %2</translation>
    </message>
    <message>
        <source>%1 to the power %2</source>
        <translation>%1 do potęgi %2</translation>
    </message>
    <message>
        <source>random between %1 and %2</source>
        <translation>losowa między %1 a %2</translation>
    </message>
    <message>
        <source>can&apos;t do 0 root!</source>
        <translation>nie można obliczyć pierwiastka stopnia 0!</translation>
    </message>
    <message>
        <source>upperbound value must be &gt; lowerbound value+1</source>
        <translation>górna granica musi być &gt; dolna granica+1</translation>
    </message>
    <message>
        <source>result is outside the range!</source>
        <translation>wynik poza zakresem!</translation>
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
        <translation>zmienna DISPLAY nie jest ustawiona</translation>
    </message>
    <message>
        <source>no X server answers at DISPLAY=%1</source>
        <translation>żaden serwer X nie odpowiada pod DISPLAY=%1</translation>
    </message>
    <message>
        <source>WAYLAND_DISPLAY is not set</source>
        <translation>zmienna WAYLAND_DISPLAY nie jest ustawiona</translation>
    </message>
    <message>
        <source>no Wayland compositor answers at WAYLAND_DISPLAY=%1</source>
        <translation>żaden kompozytor Wayland nie odpowiada pod WAYLAND_DISPLAY=%1</translation>
    </message>
    <message>
        <source>Qt&apos;s platform plugin &quot;%1&quot; could not start</source>
        <translation>wtyczka platformy Qt „%1” nie mogła się uruchomić</translation>
    </message>
    <message>
        <source>Qt&apos;s Wayland platform plugin is not installed (package qt6-wayland)</source>
        <translation>wtyczka platformy Wayland dla Qt nie jest zainstalowana (pakiet qt6-wayland)</translation>
    </message>
    <message>
        <source>Qt has no platform plugin &quot;%1&quot;</source>
        <translation>Qt nie ma wtyczki platformy „%1”</translation>
    </message>
    <message>
        <source>no display is set (DISPLAY and WAYLAND_DISPLAY are both empty)</source>
        <translation>nie ustawiono ekranu (DISPLAY i WAYLAND_DISPLAY są puste)</translation>
    </message>
    <message>
        <source>no platform plugin of Qt could start</source>
        <translation>żadna wtyczka platformy Qt nie mogła się uruchomić</translation>
    </message>
    <message>
        <source> and </source>
        <translation> i </translation>
    </message>
    <message>
        <source>orbetta: cannot open a window: %1; run it in a desktop session, or as xvfb-run -a %2 for a virtual screen
</source>
        <translation>orbetta: nie można otworzyć okna: %1; uruchom program w sesji pulpitu albo jako xvfb-run -a %2 na ekranie wirtualnym
</translation>
    </message>
</context>
<context>
    <name>orbetta::ui::DisplayBox</name>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Kopiuj	Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>&amp;Wklej	Ctrl+V</translation>
    </message>
    <message>
        <source>&amp;Tape</source>
        <translation>&amp;Taśma</translation>
    </message>
    <message>
        <source>&amp;Always on top</source>
        <translation>&amp;Zawsze na wierzchu</translation>
    </message>
</context>
<context>
    <name>orbetta::ui::TapeWindow</name>
    <message>
        <source>Orbetta Tape</source>
        <translation>Taśma Orbetty</translation>
    </message>
    <message>
        <source>Tape</source>
        <translation>Taśma</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>Zapisz jako…</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Undo clear</source>
        <translation>Cofnij czyszczenie</translation>
    </message>
    <message>
        <source>Keep between runs</source>
        <translation>Zachowaj między uruchomieniami</translation>
    </message>
    <message>
        <source>The tape is no longer kept between runs and its file is removed; keeping it again writes it back</source>
        <translation>Taśma nie jest już zachowywana między uruchomieniami, a jej plik został usunięty; ponowne zachowywanie zapisuje ją znowu</translation>
    </message>
    <message>
        <source>The tape is kept between runs</source>
        <translation>Taśma jest zachowywana między uruchomieniami</translation>
    </message>
    <message>
        <source>Tape, 1 line</source>
        <translation>Taśma, 1 wiersz</translation>
    </message>
    <message numerus="yes">
        <source>Tape, %n lines</source>
        <translation>
            <numerusform>Taśma, %n wiersz</numerusform>
            <numerusform>Taśma, %n wiersze</numerusform>
            <numerusform>Taśma, %n wierszy</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, the last: %2</source>
        <translation>%1, ostatni: %2</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Save Tape As</source>
        <translation>Zapisz taśmę jako</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Pliki tekstowe (*.txt);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>The tape could not be saved to %1.</source>
        <translation>Nie udało się zapisać taśmy w %1.</translation>
    </message>
    <message>
        <source>Tape cleared; Undo clear brings it back</source>
        <translation>Taśma wyczyszczona; Cofnij czyszczenie ją przywraca</translation>
    </message>
</context>
</TS>
