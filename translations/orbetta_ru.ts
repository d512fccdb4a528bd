<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AboutWindow</name>
    <message>
        <source>Orbetta is a scientific calculator for one user at a desktop.
Settings: orbetta.ini in your configuration folder.
Tape: orbetta/tape.txt in your state folder.
Provided as it is, without warranty of any kind.</source>
        <extracomment>Four lines at most, each of about 60 characters: the box shows no more.</extracomment>
        <translation>Orbetta — научный калькулятор для одного пользователя.
Настройки: orbetta.ini в вашей папке настроек.
Лента: orbetta/tape.txt в вашей папке состояния.
Предоставляется «как есть», без каких-либо гарантий.</translation>
    </message>
    <message>
        <source>About Orbetta</source>
        <translation>О программе Orbetta</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
</context>
<context>
    <name>Calculator</name>
    <message>
        <source>Escape is not taken here; c clears</source>
        <translation>Esc здесь не принимается; c выполняет сброс</translation>
    </message>
    <message>
        <source>Ctrl+%1 is not taken here</source>
        <translation>Ctrl+%1 здесь не принимается</translation>
    </message>
    <message>
        <source>space is not taken here</source>
        <translation>пробел здесь не принимается</translation>
    </message>
    <message>
        <source>comma is not taken here; the point is a full stop</source>
        <translation>запятая здесь не принимается; десятичный разделитель — точка</translation>
    </message>
    <message>
        <source>%1 is not taken here</source>
        <translation>%1 здесь не принимается</translation>
    </message>
    <message>
        <source>that character is not taken here</source>
        <translation>этот символ здесь не принимается</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>пусто</translation>
    </message>
    <message>
        <source>the entry has a point already</source>
        <translation>в числе уже есть десятичный разделитель</translation>
    </message>
    <message>
        <source>the display is empty</source>
        <translation>индикатор пуст</translation>
    </message>
    <message>
        <source>nothing to change the sign of</source>
        <translation>нет числа, у которого можно сменить знак</translation>
    </message>
    <message>
        <source>nothing to erase</source>
        <translation>нечего удалять</translation>
    </message>
    <message>
        <source>nothing to paste</source>
        <translation>нечего вставить</translation>
    </message>
    <message>
        <source>the clipboard holds no number</source>
        <translation>в буфере обмена нет числа</translation>
    </message>
    <message>
        <source>can&apos;t divide by 0!</source>
        <translation>делить на 0 нельзя!</translation>
    </message>
    <message>
        <source>cleared</source>
        <translation>сброшено</translation>
    </message>
    <message>
        <source>can&apos;t take log of 0 or - numbers</source>
        <translation>логарифм от 0 или отрицательного числа не существует</translation>
    </message>
    <message>
        <source>x must be &gt;-323 and &lt;307</source>
        <translation>x должен быть &gt;-323 и &lt;307</translation>
    </message>
    <message>
        <source>x must be &gt;-744 and &lt;709</source>
        <translation>x должен быть &gt;-744 и &lt;709</translation>
    </message>
    <message>
        <source>can&apos;t take square root of a negative number</source>
        <translation>квадратный корень из отрицательного числа не существует</translation>
    </message>
    <message>
        <source>outside the range: &gt;1E-162 and &lt;1E+103</source>
        <translation>вне диапазона: &gt;1E-162 и &lt;1E+103</translation>
    </message>
    <message>
        <source>%1 in memory</source>
        <translation>%1 в памяти</translation>
    </message>
</context>
<context>
    <name>ColourChooser</name>
    <message>
        <source>Orbetta Color</source>
        <translation>Цвет Orbetta</translation>
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
        <translation>Использование: orbetta [параметр]
Научный калькулятор в одном небольшом окне, управляемый мышью или клавиатурой.

  -h, --help     показывает эту справку и завершается
  -v, --version  показывает версию и завершается

Понимаются и стандартные параметры Qt, например -platform xcb или -platform wayland.
Клавиши и файлы описаны на странице руководства: man orbetta
</translation>
    </message>
    <message>
        <source>orbetta: unknown option %1
</source>
        <translation>orbetta: неизвестный параметр %1
</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Not a number</source>
        <translation>Не число</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Переполнение</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Деление на ноль</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Недопустимый аргумент</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Orbetta Help</source>
        <translation>Справка Orbetta</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Найти:</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Найти</translation>
    </message>
    <message>
        <source>%1, heading level %2</source>
        <translation>%1, заголовок уровня %2</translation>
    </message>
    <message>
        <source>no heading before this</source>
        <translation>перед этим заголовков нет</translation>
    </message>
    <message>
        <source>no more headings</source>
        <translation>больше заголовков нет</translation>
    </message>
    <message>
        <source>no link before this</source>
        <translation>перед этим ссылок нет</translation>
    </message>
    <message>
        <source>no more links</source>
        <translation>больше ссылок нет</translation>
    </message>
    <message>
        <source>link %1</source>
        <translation>ссылка %1</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>Secant</source>
        <translation>Секанс</translation>
    </message>
    <message>
        <source>Cosecant</source>
        <translation>Косеканс</translation>
    </message>
    <message>
        <source>Cotangent</source>
        <translation>Котангенс</translation>
    </message>
    <message>
        <source>Inverse Sine</source>
        <translation>Арксинус</translation>
    </message>
    <message>
        <source>Inverse Cosine</source>
        <translation>Арккосинус</translation>
    </message>
    <message>
        <source>Inverse Secant</source>
        <translation>Арксеканс</translation>
    </message>
    <message>
        <source>Inverse Cosecant</source>
        <translation>Арккосеканс</translation>
    </message>
    <message>
        <source>Inverse Cotangent</source>
        <translation>Арккотангенс</translation>
    </message>
    <message>
        <source>Hyperbolic Sine</source>
        <translation>Гиперболический синус</translation>
    </message>
    <message>
        <source>Hyperbolic Cosine</source>
        <translation>Гиперболический косинус</translation>
    </message>
    <message>
        <source>Hyperbolic Tangent</source>
        <translation>Гиперболический тангенс</translation>
    </message>
    <message>
        <source>Hyperbolic Secant</source>
        <translation>Гиперболический секанс</translation>
    </message>
    <message>
        <source>Hyperbolic Cosecant</source>
        <translation>Гиперболический косеканс</translation>
    </message>
    <message>
        <source>Hyperbolic Cotangent</source>
        <translation>Гиперболический котангенс</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Sine</source>
        <translation>Ареасинус</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Cosine</source>
        <translation>Ареакосинус</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Tangent</source>
        <translation>Ареатангенс</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Secant</source>
        <translation>Ареасеканс</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Cosecant</source>
        <translation>Ареакосеканс</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Cotangent</source>
        <translation>Ареакотангенс</translation>
    </message>
    <message>
        <source>y root of x</source>
        <translation>корень степени y из x</translation>
    </message>
    <message>
        <source>value(x):</source>
        <translation>значение (x):</translation>
    </message>
    <message>
        <source>root (y):</source>
        <translation>корень (y):</translation>
    </message>
    <message>
        <source>x to the power of y</source>
        <translation>x в степени y</translation>
    </message>
    <message>
        <source>power(y):</source>
        <translation>степень (y):</translation>
    </message>
    <message>
        <source>random number</source>
        <translation>случайное число</translation>
    </message>
    <message>
        <source>lower value:</source>
        <extracomment>A prompt of the two-value dialog, like every &quot;...:&quot; here; about twelve characters fit beside the box.</extracomment>
        <translation>от:</translation>
    </message>
    <message>
        <source>upper value:</source>
        <translation>до:</translation>
    </message>
    <message>
        <source>deg</source>
        <extracomment>The angle key&apos;s caption in degrees; a word of about three letters fits the key.</extracomment>
        <translation>град</translation>
    </message>
    <message>
        <source>degree (click to change to radian)</source>
        <translation>градусы (нажмите, чтобы перейти на радианы)</translation>
    </message>
    <message>
        <source>rad</source>
        <extracomment>The angle key&apos;s caption in radians; a word of about three letters fits the key.</extracomment>
        <translation>рад</translation>
    </message>
    <message>
        <source>radian (click to change to degree)</source>
        <translation>радианы (нажмите, чтобы перейти на градусы)</translation>
    </message>
    <message>
        <source>addition</source>
        <translation>сложение</translation>
    </message>
    <message>
        <source>subtraction</source>
        <translation>вычитание</translation>
    </message>
    <message>
        <source>multiplication</source>
        <translation>умножение</translation>
    </message>
    <message>
        <source>division</source>
        <translation>деление</translation>
    </message>
    <message>
        <source>common logarithm</source>
        <translation>десятичный логарифм</translation>
    </message>
    <message>
        <source>natural logarithm</source>
        <translation>натуральный логарифм</translation>
    </message>
    <message>
        <source>common antilog</source>
        <translation>десятичный антилогарифм</translation>
    </message>
    <message>
        <source>natural antilog</source>
        <translation>натуральный антилогарифм</translation>
    </message>
    <message>
        <source>Sine</source>
        <translation>Синус</translation>
    </message>
    <message>
        <source>Cosine</source>
        <translation>Косинус</translation>
    </message>
    <message>
        <source>Tangent</source>
        <translation>Тангенс</translation>
    </message>
    <message>
        <source>Arctangent</source>
        <translation>Арктангенс</translation>
    </message>
    <message>
        <source>square root</source>
        <translation>квадратный корень</translation>
    </message>
    <message>
        <source>square</source>
        <translation>квадрат</translation>
    </message>
    <message>
        <source>random #</source>
        <extracomment>The random key&apos;s caption; it must fit the key, as about eight letters do.</extracomment>
        <translation>случ</translation>
    </message>
    <message>
        <source>Pi number</source>
        <translation>число пи</translation>
    </message>
    <message>
        <source>reciprocal</source>
        <translation>обратное число</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>процент</translation>
    </message>
    <message>
        <source>more functions</source>
        <translation>другие функции</translation>
    </message>
    <message>
        <source>recall from memory</source>
        <translation>вызов из памяти</translation>
    </message>
    <message>
        <source>memory</source>
        <translation>память</translation>
    </message>
    <message>
        <source>degree (click to change radian)</source>
        <translation>градусы (нажмите, чтобы перейти на радианы)</translation>
    </message>
    <message>
        <source>function</source>
        <extracomment>The caption of the key that shows the list of more functions; about eight letters fit.</extracomment>
        <translation>функция</translation>
    </message>
    <message>
        <source>additional trigonometric functions</source>
        <translation>дополнительные тригонометрические функции</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>About Orbetta</source>
        <translation>О программе Orbetta</translation>
    </message>
    <message>
        <source>col</source>
        <extracomment>The colour key&apos;s caption; about three letters fit.</extracomment>
        <translation>цв.</translation>
    </message>
    <message>
        <source>Layout Preferences</source>
        <translation>Настройки оформления</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>десятичный разделитель</translation>
    </message>
    <message>
        <source>sign change</source>
        <translation>смена знака</translation>
    </message>
    <message>
        <source>equal</source>
        <translation>равно</translation>
    </message>
    <message>
        <source>backspace</source>
        <translation>забой</translation>
    </message>
    <message>
        <source>clear all</source>
        <translation>полный сброс</translation>
    </message>
    <message>
        <source>&amp;off</source>
        <extracomment>The off key&apos;s caption; about three letters fit. Alt with a letter presses the other keys, so &quot;&amp;&quot; may only stand before an &quot;o&quot;; without one the key keeps Alt+O.</extracomment>
        <translation>&amp;off</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>click the down-arrow to list available functions</source>
        <translation>нажмите стрелку вниз, чтобы открыть список доступных функций</translation>
    </message>
    <message>
        <source>display</source>
        <translation>индикатор</translation>
    </message>
    <message>
        <source>copied %1</source>
        <translation>скопировано %1</translation>
    </message>
    <message>
        <source>display menu</source>
        <translation>меню индикатора</translation>
    </message>
    <message>
        <source>display menu, %1</source>
        <translation>меню индикатора, %1</translation>
    </message>
    <message>
        <source>%1 list, %2 entries, %3</source>
        <translation>список: %1, пунктов: %2, %3</translation>
    </message>
    <message>
        <source>Ctrl+Space presses this key.</source>
        <translation>Ctrl+Пробел нажимает эту клавишу.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>%1 list, Down opens it</source>
        <translation>список: %1, стрелка вниз открывает его</translation>
    </message>
    <message>
        <source>Tape closed</source>
        <translation>Лента закрыта</translation>
    </message>
</context>
<context>
    <name>Tape</name>
    <message>
        <source>Error: %1</source>
        <translation>Ошибка: %1</translation>
    </message>
    <message>
        <source>The tape file %1 is a symbolic link, which is not followed.</source>
        <translation>Файл ленты %1 — символическая ссылка, по которой программа не переходит.</translation>
    </message>
    <message>
        <source>The tape file %1 is a folder.</source>
        <translation>Файл ленты %1 — это папка.</translation>
    </message>
    <message>
        <source>The tape file %1 is not a regular file.</source>
        <translation>Файл ленты %1 не является обычным файлом.</translation>
    </message>
    <message>
        <source>The tape file %1 cannot be opened: %2.</source>
        <translation>Не удаётся открыть файл ленты %1: %2.</translation>
    </message>
    <message>
        <source>The tape file holds bytes that are not text; they are shown as �.</source>
        <translation>В файле ленты есть байты, не являющиеся текстом; они показаны как �.</translation>
    </message>
    <message>
        <source>The tape file holds lines too long for a tape; they are cut.</source>
        <translation>В файле ленты есть строки, слишком длинные для ленты; они обрезаны.</translation>
    </message>
    <message>
        <source>The tape file %1 cannot be read: %2.</source>
        <translation>Не удаётся прочитать файл ленты %1: %2.</translation>
    </message>
    <message>
        <source>The tape file is %1 long; only its newest lines were read.</source>
        <translation>Размер файла ленты — %1; прочитаны только его последние строки.</translation>
    </message>
    <message>
        <source>There is no home folder to keep the tape in.</source>
        <translation>Нет домашней папки, в которой можно хранить ленту.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Не удаётся создать папку %1.</translation>
    </message>
    <message>
        <source>The tape file is being trimmed; the line is written with the next one.</source>
        <translation>Файл ленты сейчас сокращается; строка будет записана вместе со следующей.</translation>
    </message>
    <message>
        <source>The tape file %1 cannot be written: %2.</source>
        <translation>Не удаётся записать файл ленты %1: %2.</translation>
    </message>
    <message>
        <source>The tape file is in use; the line is written with the next one.</source>
        <translation>Файл ленты сейчас занят; строка будет записана вместе со следующей.</translation>
    </message>
    <message>
        <source>The tape file %1 ends inside a line that cannot be removed: %2.</source>
        <translation>Файл ленты %1 обрывается посреди строки, которую не удаётся удалить: %2.</translation>
    </message>
    <message>
        <source>The tape file %1 cannot be rewritten.</source>
        <translation>Не удаётся перезаписать файл ленты %1.</translation>
    </message>
    <message>
        <source>The tape file %1 holds what the tape cannot show, and it cannot be kept aside: %2. It is left as it is.</source>
        <translation>В файле ленты %1 есть то, чего лента не может показать, и его не удаётся отложить: %2. Файл оставлен как есть.</translation>
    </message>
    <message>
        <source>The tape file held what the tape cannot show (bytes that are not text, or more than is read); it is kept as %1, and the tape goes on in a new file.</source>
        <translation>В файле ленты было то, чего лента не может показать (байты, не являющиеся текстом, или больше, чем читается); он сохранён как %1, а лента продолжается в новом файле.</translation>
    </message>
    <message>
        <source>The tape file %1 cannot be removed: %2.</source>
        <translation>Не удаётся удалить файл ленты %1: %2.</translation>
    </message>
    <message>
        <source>The tape file is in use; it was not rewritten.</source>
        <translation>Файл ленты сейчас занят; он не был перезаписан.</translation>
    </message>
</context>
<context>
    <name>TwoValue</name>
    <message>
        <source>minus is not taken here; values are without sign</source>
        <translation>минус здесь не принимается; значения вводятся без знака</translation>
    </message>
    <message>
        <source>the value has a point already</source>
        <translation>в значении уже есть десятичный разделитель</translation>
    </message>
    <message>
        <source>the field is empty</source>
        <translation>поле пустое</translation>
    </message>
    <message>
        <source>the second field is empty</source>
        <translation>второе поле пустое</translation>
    </message>
    <message>
        <source>space is not taken here; digits and one point only</source>
        <translation>пробел здесь не принимается; только цифры и один десятичный разделитель</translation>
    </message>
    <message>
        <source>comma is not taken here; the point is a full stop</source>
        <translation>запятая здесь не принимается; десятичный разделитель — точка</translation>
    </message>
    <message>
        <source>%1 is not taken here; digits and one point only</source>
        <translation>%1 здесь не принимается; только цифры и один десятичный разделитель</translation>
    </message>
    <message>
        <source>that character is not taken here; digits and one point only</source>
        <translation>этот символ здесь не принимается; только цифры и один десятичный разделитель</translation>
    </message>
    <message>
        <source>the first field is empty</source>
        <translation>первое поле пустое</translation>
    </message>
    <message>
        <source>the first field holds no number</source>
        <translation>в первом поле нет числа</translation>
    </message>
    <message>
        <source>the second field holds no number</source>
        <translation>во втором поле нет числа</translation>
    </message>
    <message>
        <source>root %1 of %2</source>
        <translation>корень степени %1 из %2</translation>
    </message>
    <message>
        <source>%1 to the power %2</source>
        <translation>%1 в степени %2</translation>
    </message>
    <message>
        <source>random between %1 and %2</source>
        <translation>случайное между %1 и %2</translation>
    </message>
    <message>
        <source>can&apos;t do 0 root!</source>
        <translation>корень степени 0 невозможен!</translation>
    </message>
    <message>
        <source>upperbound value must be &gt; lowerbound value+1</source>
        <translation>верхняя граница должна быть &gt; нижней границы+1</translation>
    </message>
    <message>
        <source>result is outside the range!</source>
        <translation>результат вне диапазона!</translation>
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
        <translation>переменная DISPLAY не задана</translation>
    </message>
    <message>
        <source>no X server answers at DISPLAY=%1</source>
        <translation>X-сервер не отвечает по DISPLAY=%1</translation>
    </message>
    <message>
        <source>WAYLAND_DISPLAY is not set</source>
        <translation>переменная WAYLAND_DISPLAY не задана</translation>
    </message>
    <message>
        <source>no Wayland compositor answers at WAYLAND_DISPLAY=%1</source>
        <translation>композитор Wayland не отвечает по WAYLAND_DISPLAY=%1</translation>
    </message>
    <message>
        <source>Qt&apos;s platform plugin &quot;%1&quot; could not start</source>
        <translation>модуль платформы Qt «%1» не удалось запустить</translation>
    </message>
    <message>
        <source>Qt&apos;s Wayland platform plugin is not installed (package qt6-wayland)</source>
        <translation>модуль платформы Wayland для Qt не установлен (пакет qt6-wayland)</translation>
    </message>
    <message>
        <source>Qt has no platform plugin &quot;%1&quot;</source>
        <translation>у Qt нет модуля платформы «%1»</translation>
    </message>
    <message>
        <source>no display is set (DISPLAY and WAYLAND_DISPLAY are both empty)</source>
        <translation>экран не задан (DISPLAY и WAYLAND_DISPLAY обе пусты)</translation>
    </message>
    <message>
        <source>no platform plugin of Qt could start</source>
        <translation>не удалось запустить ни один модуль платформы Qt</translation>
    </message>
    <message>
        <source> and </source>
        <translation> и </translation>
    </message>
    <message>
        <source>orbetta: cannot open a window: %1; run it in a desktop session, or as xvfb-run -a %2 for a virtual screen
</source>
        <translation>orbetta: не удаётся открыть окно: %1; запустите программу в сеансе рабочего стола или как xvfb-run -a %2 на виртуальном экране
</translation>
    </message>
</context>
<context>
    <name>orbetta::ui::DisplayBox</name>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Копировать	Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>&amp;Вставить	Ctrl+V</translation>
    </message>
    <message>
        <source>&amp;Tape</source>
        <translation>&amp;Лента</translation>
    </message>
    <message>
        <source>&amp;Always on top</source>
        <translation>&amp;Поверх всех окон</translation>
    </message>
</context>
<context>
    <name>orbetta::ui::TapeWindow</name>
    <message>
        <source>Orbetta Tape</source>
        <translation>Лента Orbetta</translation>
    </message>
    <message>
        <source>Tape</source>
        <translation>Лента</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>Сохранить как…</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Undo clear</source>
        <translation>Отменить очистку</translation>
    </message>
    <message>
        <source>Keep between runs</source>
        <translation>Сохранять между запусками</translation>
    </message>
    <message>
        <source>The tape is no longer kept between runs and its file is removed; keeping it again writes it back</source>
        <translation>Лента больше не сохраняется между запусками, и её файл удалён; повторное сохранение снова запишет её</translation>
    </message>
    <message>
        <source>The tape is kept between runs</source>
        <translation>Лента сохраняется между запусками</translation>
    </message>
    <message>
        <source>Tape, 1 line</source>
        <translation>Лента, 1 строка</translation>
    </message>
    <message numerus="yes">
        <source>Tape, %n lines</source>
        <translation>
            <numerusform>Лента, %n строка</numerusform>
            <numerusform>Лента, %n строки</numerusform>
            <numerusform>Лента, %n строк</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, the last: %2</source>
        <translation>%1, последняя: %2</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Save Tape As</source>
        <translation>Сохранить ленту как</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Текстовые файлы (*.txt);;Все файлы (*)</translation>
    </message>
    <message>
        <source>The tape could not be saved to %1.</source>
        <translation>Не удалось сохранить ленту в %1.</translation>
    </message>
    <message>
        <source>Tape cleared; Undo clear brings it back</source>
        <translation>Лента очищена; «Отменить очистку» вернёт её</translation>
    </message>
</context>
</TS>
