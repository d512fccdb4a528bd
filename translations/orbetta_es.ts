<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutWindow</name>
    <message>
        <source>Orbetta is a scientific calculator for one user at a desktop.
Settings: orbetta.ini in your configuration folder.
Tape: orbetta/tape.txt in your state folder.
Provided as it is, without warranty of any kind.</source>
        <extracomment>Four lines at most, each of about 60 characters: the box shows no more.</extracomment>
        <translation>Orbetta es una calculadora científica para un usuario.
Configuración: orbetta.ini en su carpeta de configuración.
Cinta: orbetta/tape.txt en su carpeta de estado.
Se ofrece tal cual, sin garantía de ningún tipo.</translation>
    </message>
    <message>
        <source>About Orbetta</source>
        <translation>Acerca de Orbetta</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
</context>
<context>
    <name>Calculator</name>
    <message>
        <source>Escape is not taken here; c clears</source>
        <translation>Esc no se acepta aquí; c borra</translation>
    </message>
    <message>
        <source>Ctrl+%1 is not taken here</source>
        <translation>Ctrl+%1 no se acepta aquí</translation>
    </message>
    <message>
        <source>space is not taken here</source>
        <translation>el espacio no se acepta aquí</translation>
    </message>
    <message>
        <source>comma is not taken here; the point is a full stop</source>
        <translation>la coma no se acepta aquí; el separador decimal es el punto</translation>
    </message>
    <message>
        <source>%1 is not taken here</source>
        <translation>%1 no se acepta aquí</translation>
    </message>
    <message>
        <source>that character is not taken here</source>
        <translation>ese carácter no se acepta aquí</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacío</translation>
    </message>
    <message>
        <source>the entry has a point already</source>
        <translation>el número ya tiene separador decimal</translation>
    </message>
    <message>
        <source>the display is empty</source>
        <translation>el visor está vacío</translation>
    </message>
    <message>
        <source>nothing to change the sign of</source>
        <translation>no hay ningún número al que cambiar el signo</translation>
    </message>
    <message>
        <source>nothing to erase</source>
        <translation>nada que borrar</translation>
    </message>
    <message>
        <source>nothing to paste</source>
        <translation>nada que pegar</translation>
    </message>
    <message>
        <source>the clipboard holds no number</source>
        <translation>el portapapeles no contiene ningún número</translation>
    </message>
    <message>
        <source>can&apos;t divide by 0!</source>
        <translation>¡no se puede dividir entre 0!</translation>
    </message>
    <message>
        <source>cleared</source>
        <translation>borrado</translation>
    </message>
    <message>
        <source>can&apos;t take log of 0 or - numbers</source>
        <translation>no existe el logaritmo de 0 ni de números negativos</translation>
    </message>
    <message>
        <source>x must be &gt;-323 and &lt;307</source>
        <translation>x debe ser &gt;-323 y &lt;307</translation>
    </message>
    <message>
        <source>x must be &gt;-744 and &lt;709</source>
        <translation>x debe ser &gt;-744 y &lt;709</translation>
    </message>
    <message>
        <source>can&apos;t take square root of a negative number</source>
        <translation>no existe la raíz cuadrada de un número negativo</translation>
    </message>
    <message>
        <source>outside the range: &gt;1E-162 and &lt;1E+103</source>
        <translation>fuera del intervalo: &gt;1E-162 y &lt;1E+103</translation>
    </message>
    <message>
        <source>%1 in memory</source>
        <translation>%1 en memoria</translation>
    </message>
</context>
<context>
    <name>ColourChooser</name>
    <message>
        <source>Orbetta Color</source>
        <translation>Color de Orbetta</translation>
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
        <translation>Uso: orbetta [opción]
Una calculadora científica en una pequeña ventana, que se maneja con el ratón o con el teclado.

  -h, --help     muestra esta ayuda y termina
  -v, --version  muestra la versión y termina

También se entienden las opciones estándar de Qt, como -platform xcb o -platform wayland.
Las teclas y los archivos se describen en la página de manual: man orbetta
</translation>
    </message>
    <message>
        <source>orbetta: unknown option %1
</source>
        <translation>orbetta: opción desconocida %1
</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Not a number</source>
        <translation>No es un número</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>División entre cero</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Argumento no válido</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Orbetta Help</source>
        <translation>Ayuda de Orbetta</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>%1, heading level %2</source>
        <translation>%1, encabezado de nivel %2</translation>
    </message>
    <message>
        <source>no heading before this</source>
        <translation>no hay ningún encabezado antes de este</translation>
    </message>
    <message>
        <source>no more headings</source>
        <translation>no hay más encabezados</translation>
    </message>
    <message>
        <source>no link before this</source>
        <translation>no hay ningún enlace antes de este</translation>
    </message>
    <message>
        <source>no more links</source>
        <translation>no hay más enlaces</translation>
    </message>
    <message>
        <source>link %1</source>
        <translation>enlace %1</translation>
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
        <translation>Seno hiperbólico</translation>
    </message>
    <message>
        <source>Hyperbolic Cosine</source>
        <translation>Coseno hiperbólico</translation>
    </message>
    <message>
        <source>Hyperbolic Tangent</source>
        <translation>Tangente hiperbólica</translation>
    </message>
    <message>
        <source>Hyperbolic Secant</source>
        <translation>Secante hiperbólica</translation>
    </message>
    <message>
        <source>Hyperbolic Cosecant</source>
        <translation>Cosecante hiperbólica</translation>
    </message>
    <message>
        <source>Hyperbolic Cotangent</source>
        <translation>Cotangente hiperbólica</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Sine</source>
        <translation>Arcoseno hiperbólico</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Cosine</source>
        <translation>Arcocoseno hiperbólico</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Tangent</source>
        <translation>Arcotangente hiperbólica</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Secant</source>
        <translation>Arcosecante hiperbólica</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Cosecant</source>
        <translation>Arcocosecante hiperbólica</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Cotangent</source>
        <translation>Arcocotangente hiperbólica</translation>
    </message>
    <message>
        <source>y root of x</source>
        <translation>raíz y-ésima de x</translation>
    </message>
    <message>
        <source>value(x):</source>
        <translation>valor (x):</translation>
    </message>
    <message>
        <source>root (y):</source>
        <translation>raíz (y):</translation>
    </message>
    <message>
        <source>x to the power of y</source>
        <translation>x elevado a y</translation>
    </message>
    <message>
        <source>power(y):</source>
        <translation>potencia (y):</translation>
    </message>
    <message>
        <source>random number</source>
        <translation>número aleatorio</translation>
    </message>
    <message>
        <source>lower value:</source>
        <extracomment>A prompt of the two-value dialog, like every &quot;...:&quot; here; about twelve characters fit beside the box.</extracomment>
        <translation>valor inf.:</translation>
    </message>
    <message>
        <source>upper value:</source>
        <translation>valor sup.:</translation>
    </message>
    <message>
        <source>deg</source>
        <extracomment>The angle key&apos;s caption in degrees; a word of about three letters fits the key.</extracomment>
        <translation>deg</translation>
    </message>
    <message>
        <source>degree (click to change to radian)</source>
        <translation>grados (haga clic para cambiar a radianes)</translation>
    </message>
    <message>
        <source>rad</source>
        <extracomment>The angle key&apos;s caption in radians; a word of about three letters fits the key.</extracomment>
        <translation>rad</translation>
    </message>
    <message>
        <source>radian (click to change to degree)</source>
        <translation>radianes (haga clic para cambiar a grados)</translation>
    </message>
    <message>
        <source>addition</source>
        <translation>suma</translation>
    </message>
    <message>
        <source>subtraction</source>
        <translation>resta</translation>
    </message>
    <message>
        <source>multiplication</source>
        <translation>multiplicación</translation>
    </message>
    <message>
        <source>division</source>
        <translation>división</translation>
    </message>
    <message>
        <source>common logarithm</source>
        <translation>logaritmo decimal</translation>
    </message>
    <message>
        <source>natural logarithm</source>
        <translation>logaritmo natural</translation>
    </message>
    <message>
        <source>common antilog</source>
        <translation>antilogaritmo decimal</translation>
    </message>
    <message>
        <source>natural antilog</source>
        <translation>antilogaritmo natural</translation>
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
        <translation>raíz cuadrada</translation>
    </message>
    <message>
        <source>square</source>
        <translation>cuadrado</translation>
    </message>
    <message>
        <source>random #</source>
        <extracomment>The random key&apos;s caption; it must fit the key, as about eight letters do.</extracomment>
        <translation>azar</translation>
    </message>
    <message>
        <source>Pi number</source>
        <translation>número pi</translation>
    </message>
    <message>
        <source>reciprocal</source>
        <translation>recíproco</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>porcentaje</translation>
    </message>
    <message>
        <source>more functions</source>
        <translation>más funciones</translation>
    </message>
    <message>
        <source>recall from memory</source>
        <translation>recuperar de la memoria</translation>
    </message>
    <message>
        <source>memory</source>
        <translation>memoria</translation>
    </message>
    <message>
        <source>degree (click to change radian)</source>
        <translation>grados (haga clic para cambiar a radianes)</translation>
    </message>
    <message>
        <source>function</source>
        <extracomment>The caption of the key that shows the list of more functions; about eight letters fit.</extracomment>
        <translation>función</translation>
    </message>
    <message>
        <source>additional trigonometric functions</source>
        <translation>funciones trigonométricas adicionales</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>About Orbetta</source>
        <translation>Acerca de Orbetta</translation>
    </message>
    <message>
        <source>col</source>
        <extracomment>The colour key&apos;s caption; about three letters fit.</extracomment>
        <translation>col</translation>
    </message>
    <message>
        <source>Layout Preferences</source>
        <translation>Preferencias de aspecto</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>separador decimal</translation>
    </message>
    <message>
        <source>sign change</source>
        <translation>cambio de signo</translation>
    </message>
    <message>
        <source>equal</source>
        <translation>igual</translation>
    </message>
    <message>
        <source>backspace</source>
        <translation>retroceso</translation>
    </message>
    <message>
        <source>clear all</source>
        <translation>borrar todo</translation>
    </message>
    <message>
        <source>&amp;off</source>
        <extracomment>The off key&apos;s caption; about three letters fit. Alt with a letter presses the other keys, so &quot;&amp;&quot; may only stand before an &quot;o&quot;; without one the key keeps Alt+O.</extracomment>
        <translation>&amp;off</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>click the down-arrow to list available functions</source>
        <translation>haga clic en la flecha hacia abajo para ver las funciones disponibles</translation>
    </message>
    <message>
        <source>display</source>
        <translation>visor</translation>
    </message>
    <message>
        <source>copied %1</source>
        <translation>copiado %1</translation>
    </message>
    <message>
        <source>display menu</source>
        <translation>menú del visor</translation>
    </message>
    <message>
        <source>display menu, %1</source>
        <translation>menú del visor, %1</translation>
    </message>
    <message>
        <source>%1 list, %2 entries, %3</source>
        <translation>lista de %1, %2 entradas, %3</translation>
    </message>
    <message>
        <source>Ctrl+Space presses this key.</source>
        <translation>Ctrl+Espacio pulsa esta tecla.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supr</translation>
    </message>
    <message>
        <source>%1 list, Down opens it</source>
        <translation>lista de %1, Abajo la abre</translation>
    </message>
    <message>
        <source>Tape closed</source>
        <translation>Cinta cerrada</translation>
    </message>
</context>
<context>
    <name>Tape</name>
    <message>
        <source>Error: %1</source>
        <translation>Error: %1</translation>
    </message>
    <message>
        <source>The tape file %1 is a symbolic link, which is not followed.</source>
        <translation>El archivo de la cinta %1 es un enlace simbólico, que no se sigue.</translation>
    </message>
    <message>
        <source>The tape file %1 is a folder.</source>
        <translation>El archivo de la cinta %1 es una carpeta.</translation>
    </message>
    <message>
        <source>The tape file %1 is not a regular file.</source>
        <translation>El archivo de la cinta %1 no es un archivo normal.</translation>
    </message>
    <message>
        <source>The tape file %1 cannot be opened: %2.</source>
        <translation>No se puede abrir el archivo de la cinta %1: %2.</translation>
    </message>
    <message>
        <source>The tape file holds bytes that are not text; they are shown as �.</source>
        <translation>El archivo de la cinta contiene bytes que no son texto; se muestran como �.</translation>
    </message>
    <message>
        <source>The tape file holds lines too long for a tape; they are cut.</source>
        <translation>El archivo de la cinta contiene líneas demasiado largas para una cinta; se recortan.</translation>
    </message>
    <message>
        <source>The tape file %1 cannot be read: %2.</source>
        <translation>No se puede leer el archivo de la cinta %1: %2.</translation>
    </message>
    <message>
        <source>The tape file is %1 long; only its newest lines were read.</source>
        <translation>El archivo de la cinta ocupa %1; solo se leyeron sus líneas más recientes.</translation>
    </message>
    <message>
        <source>There is no home folder to keep the tape in.</source>
        <translation>No hay carpeta personal donde guardar la cinta.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>The tape file is being trimmed; the line is written with the next one.</source>
        <translation>El archivo de la cinta se está recortando; la línea se escribirá con la siguiente.</translation>
    </message>
    <message>
        <source>The tape file %1 cannot be written: %2.</source>
        <translation>No se puede escribir el archivo de la cinta %1: %2.</translation>
    </message>
    <message>
        <source>The tape file is in use; the line is written with the next one.</source>
        <translation>El archivo de la cinta está en uso; la línea se escribirá con la siguiente.</translation>
    </message>
    <message>
        <source>The tape file %1 ends inside a line that cannot be removed: %2.</source>
        <translation>El archivo de la cinta %1 termina dentro de una línea que no se puede eliminar: %2.</translation>
    </message>
    <message>
        <source>The tape file %1 cannot be rewritten.</source>
        <translation>No se puede reescribir el archivo de la cinta %1.</translation>
    </message>
    <message>
        <source>The tape file %1 holds what the tape cannot show, and it cannot be kept aside: %2. It is left as it is.</source>
        <translation>El archivo de la cinta %1 contiene lo que la cinta no puede mostrar, y no se puede apartar: %2. Se deja como está.</translation>
    </message>
    <message>
        <source>The tape file held what the tape cannot show (bytes that are not text, or more than is read); it is kept as %1, and the tape goes on in a new file.</source>
        <translation>El archivo de la cinta contenía lo que la cinta no puede mostrar (bytes que no son texto, o más de lo que se lee); se conserva como %1, y la cinta sigue en un archivo nuevo.</translation>
    </message>
    <message>
        <source>The tape file %1 cannot be removed: %2.</source>
        <translation>No se puede eliminar el archivo de la cinta %1: %2.</translation>
    </message>
    <message>
        <source>The tape file is in use; it was not rewritten.</source>
        <translation>El archivo de la cinta está en uso; no se ha reescrito.</translation>
    </message>
</context>
<context>
    <name>TwoValue</name>
    <message>
        <source>minus is not taken here; values are without sign</source>
        <translation>el signo menos no se acepta aquí; los valores van sin signo</translation>
    </message>
    <message>
        <source>the value has a point already</source>
        <translation>el valor ya tiene separador decimal</translation>
    </message>
    <message>
        <source>the field is empty</source>
        <translation>la casilla está vacía</translation>
    </message>
    <message>
        <source>the second field is empty</source>
        <translation>la segunda casilla está vacía</translation>
    </message>
    <message>
        <source>space is not taken here; digits and one point only</source>
        <translation>el espacio no se acepta aquí; solo cifras y un separador decimal</translation>
    </message>
    <message>
        <source>comma is not taken here; the point is a full stop</source>
        <translation>la coma no se acepta aquí; el separador decimal es el punto</translation>
    </message>
    <message>
        <source>%1 is not taken here; digits and one point only</source>
        <translation>%1 no se acepta aquí; solo cifras y un separador decimal</translation>
    </message>
    <message>
        <source>that character is not taken here; digits and one point only</source>
        <translation>ese carácter no se acepta aquí; solo cifras y un separador decimal</translation>
    </message>
    <message>
        <source>the first field is empty</source>
        <translation>la primera casilla está vacía</translation>
    </message>
    <message>
        <source>the first field holds no number</source>
        <translation>la primera casilla no contiene ningún número</translation>
    </message>
    <message>
        <source>the second field holds no number</source>
        <translation>la segunda casilla no contiene ningún número</translation>
    </message>
    <message>
        <source>root %1 of %2</source>
        <translation>raíz %1 de %2</translation>
    </message>
    <message>
        <source>%1 to the power %2</source>
        <translation>%1 elevado a %2</translation>
    </message>
    <message>
        <source>random between %1 and %2</source>
        <translation>aleatorio entre %1 y %2</translation>
    </message>
    <message>
        <source>can&apos;t do 0 root!</source>
        <translation>¡no se puede calcular la raíz 0!</translation>
    </message>
    <message>
        <source>upperbound value must be &gt; lowerbound value+1</source>
        <translation>el valor superior debe ser &gt; valor inferior+1</translation>
    </message>
    <message>
        <source>result is outside the range!</source>
        <translation>¡el resultado está fuera del intervalo!</translation>
    </message>
</context>
<context>
    <name>TwoValueDialog</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>WindowSystem</name>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY no está definida</translation>
    </message>
    <message>
        <source>no X server answers at DISPLAY=%1</source>
        <translation>ningún servidor X responde en DISPLAY=%1</translation>
    </message>
    <message>
        <source>WAYLAND_DISPLAY is not set</source>
        <translation>WAYLAND_DISPLAY no está definida</translation>
    </message>
    <message>
        <source>no Wayland compositor answers at WAYLAND_DISPLAY=%1</source>
        <translation>ningún compositor Wayland responde en WAYLAND_DISPLAY=%1</translation>
    </message>
    <message>
        <source>Qt&apos;s platform plugin &quot;%1&quot; could not start</source>
        <translation>el complemento de plataforma «%1» de Qt no pudo iniciarse</translation>
    </message>
    <message>
        <source>Qt&apos;s Wayland platform plugin is not installed (package qt6-wayland)</source>
        <translation>el complemento de plataforma Wayland de Qt no está instalado (paquete qt6-wayland)</translation>
    </message>
    <message>
        <source>Qt has no platform plugin &quot;%1&quot;</source>
        <translation>Qt no tiene ningún complemento de plataforma «%1»</translation>
    </message>
    <message>
        <source>no display is set (DISPLAY and WAYLAND_DISPLAY are both empty)</source>
        <translation>no hay ninguna pantalla definida (DISPLAY y WAYLAND_DISPLAY están vacías)</translation>
    </message>
    <message>
        <source>no platform plugin of Qt could start</source>
        <translation>ningún complemento de plataforma de Qt pudo iniciarse</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>orbetta: cannot open a window: %1; run it in a desktop session, or as xvfb-run -a %2 for a virtual screen
</source>
        <translation>orbetta: no se puede abrir una ventana: %1; ejecútelo en una sesión de escritorio, o como xvfb-run -a %2 para una pantalla virtual
</translation>
    </message>
</context>
<context>
    <name>orbetta::ui::DisplayBox</name>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Copiar	Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>&amp;Pegar	Ctrl+V</translation>
    </message>
    <message>
        <source>&amp;Tape</source>
        <translation>C&amp;inta</translation>
    </message>
    <message>
        <source>&amp;Always on top</source>
        <translation>&amp;Siempre encima</translation>
    </message>
</context>
<context>
    <name>orbetta::ui::TapeWindow</name>
    <message>
        <source>Orbetta Tape</source>
        <translation>Cinta de Orbetta</translation>
    </message>
    <message>
        <source>Tape</source>
        <translation>Cinta</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>Guardar como…</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Undo clear</source>
        <translation>Deshacer borrado</translation>
    </message>
    <message>
        <source>Keep between runs</source>
        <translation>Conservar entre sesiones</translation>
    </message>
    <message>
        <source>The tape is no longer kept between runs and its file is removed; keeping it again writes it back</source>
        <translation>La cinta ya no se conserva entre sesiones y su archivo se ha eliminado; volver a conservarla la escribe de nuevo</translation>
    </message>
    <message>
        <source>The tape is kept between runs</source>
        <translation>La cinta se conserva entre sesiones</translation>
    </message>
    <message>
        <source>Tape, 1 line</source>
        <translation>Cinta, 1 línea</translation>
    </message>
    <message numerus="yes">
        <source>Tape, %n lines</source>
        <translation>
            <numerusform>Cinta, %n línea</numerusform>
            <numerusform>Cinta, %n líneas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, the last: %2</source>
        <translation>%1, la última: %2</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Save Tape As</source>
        <translation>Guardar la cinta como</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Archivos de texto (*.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The tape could not be saved to %1.</source>
        <translation>No se pudo guardar la cinta en %1.</translation>
    </message>
    <message>
        <source>Tape cleared; Undo clear brings it back</source>
        <translation>Cinta borrada; Deshacer borrado la recupera</translation>
    </message>
</context>
</TS>
