<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutWindow</name>
    <message>
        <source>Orbetta is a scientific calculator for one user at a desktop.
Settings: orbetta.ini in your configuration folder.
Tape: orbetta/tape.txt in your state folder.
Provided as it is, without warranty of any kind.</source>
        <extracomment>Four lines at most, each of about 60 characters: the box shows no more.</extracomment>
        <translation>O Orbetta é uma calculadora científica para um usuário.
Configurações: orbetta.ini na sua pasta de configuração.
Fita: orbetta/tape.txt na sua pasta de estado.
Fornecido como está, sem garantia de qualquer tipo.</translation>
    </message>
    <message>
        <source>About Orbetta</source>
        <translation>Sobre o Orbetta</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
</context>
<context>
    <name>Calculator</name>
    <message>
        <source>Escape is not taken here; c clears</source>
        <translation>Esc não é aceito aqui; c limpa</translation>
    </message>
    <message>
        <source>Ctrl+%1 is not taken here</source>
        <translation>Ctrl+%1 não é aceito aqui</translation>
    </message>
    <message>
        <source>space is not taken here</source>
        <translation>o espaço não é aceito aqui</translation>
    </message>
    <message>
        <source>comma is not taken here; the point is a full stop</source>
        <translation>a vírgula não é aceita aqui; o separador decimal é o ponto</translation>
    </message>
    <message>
        <source>%1 is not taken here</source>
        <translation>%1 não é aceito aqui</translation>
    </message>
    <message>
        <source>that character is not taken here</source>
        <translation>esse caractere não é aceito aqui</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vazio</translation>
    </message>
    <message>
        <source>the entry has a point already</source>
        <translation>o número já tem separador decimal</translation>
    </message>
    <message>
        <source>the display is empty</source>
        <translation>o visor está vazio</translation>
    </message>
    <message>
        <source>nothing to change the sign of</source>
        <translation>não há número para trocar o sinal</translation>
    </message>
    <message>
        <source>nothing to erase</source>
        <translation>nada para apagar</translation>
    </message>
    <message>
        <source>nothing to paste</source>
        <translation>nada para colar</translation>
    </message>
    <message>
        <source>the clipboard holds no number</source>
        <translation>a área de transferência não contém número</translation>
    </message>
    <message>
        <source>can&apos;t divide by 0!</source>
        <translation>não é possível dividir por 0!</translation>
    </message>
    <message>
        <source>cleared</source>
        <translation>limpo</translation>
    </message>
    <message>
        <source>can&apos;t take log of 0 or - numbers</source>
        <translation>não existe logaritmo de 0 nem de números negativos</translation>
    </message>
    <message>
        <source>x must be &gt;-323 and &lt;307</source>
        <translation>x deve ser &gt;-323 e &lt;307</translation>
    </message>
    <message>
        <source>x must be &gt;-744 and &lt;709</source>
        <translation>x deve ser &gt;-744 e &lt;709</translation>
    </message>
    <message>
        <source>can&apos;t take square root of a negative number</source>
        <translation>não existe raiz quadrada de número negativo</translation>
    </message>
    <message>
        <source>outside the range: &gt;1E-162 and &lt;1E+103</source>
        <translation>fora do intervalo: &gt;1E-162 e &lt;1E+103</translation>
    </message>
    <message>
        <source>%1 in memory</source>
        <translation>%1 na memória</translation>
    </message>
</context>
<context>
    <name>ColourChooser</name>
    <message>
        <source>Orbetta Color</source>
        <translation>Cor do Orbetta</translation>
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
        <translation>Uso: orbetta [opção]
Uma calculadora científica numa pequena janela, usada com o mouse ou o teclado.

  -h, --help     mostra esta ajuda e termina
  -v, --version  mostra a versão e termina

As opções padrão do Qt também são entendidas, como -platform xcb ou -platform wayland.
As teclas e os arquivos são descritos na página de manual: man orbetta
</translation>
    </message>
    <message>
        <source>orbetta: unknown option %1
</source>
        <translation>orbetta: opção desconhecida %1
</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Not a number</source>
        <translation>Não é um número</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Estouro</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Divisão por zero</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Argumento inválido</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Orbetta Help</source>
        <translation>Ajuda do Orbetta</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Localizar:</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Localizar</translation>
    </message>
    <message>
        <source>%1, heading level %2</source>
        <translation>%1, título nível %2</translation>
    </message>
    <message>
        <source>no heading before this</source>
        <translation>nenhum título antes deste</translation>
    </message>
    <message>
        <source>no more headings</source>
        <translation>não há mais títulos</translation>
    </message>
    <message>
        <source>no link before this</source>
        <translation>nenhum link antes deste</translation>
    </message>
    <message>
        <source>no more links</source>
        <translation>não há mais links</translation>
    </message>
    <message>
        <source>link %1</source>
        <translation>link %1</translation>
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
        <translation>Cossecante</translation>
    </message>
    <message>
        <source>Cotangent</source>
        <translation>Cotangente</translation>
    </message>
    <message>
        <source>Inverse Sine</source>
        <translation>Arco seno</translation>
    </message>
    <message>
        <source>Inverse Cosine</source>
        <translation>Arco cosseno</translation>
    </message>
    <message>
        <source>Inverse Secant</source>
        <translation>Arco secante</translation>
    </message>
    <message>
        <source>Inverse Cosecant</source>
        <translation>Arco cossecante</translation>
    </message>
    <message>
        <source>Inverse Cotangent</source>
        <translation>Arco cotangente</translation>
    </message>
    <message>
        <source>Hyperbolic Sine</source>
        <translation>Seno hiperbólico</translation>
    </message>
    <message>
        <source>Hyperbolic Cosine</source>
        <translation>Cosseno hiperbólico</translation>
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
        <translation>Cossecante hiperbólica</translation>
    </message>
    <message>
        <source>Hyperbolic Cotangent</source>
        <translation>Cotangente hiperbólica</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Sine</source>
        <translation>Arco seno hiperbólico</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Cosine</source>
        <translation>Arco cosseno hiperbólico</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Tangent</source>
        <translation>Arco tangente hiperbólica</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Secant</source>
        <translation>Arco secante hiperbólica</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Cosecant</source>
        <translation>Arco cossecante hiperbólica</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Cotangent</source>
        <translation>Arco cotangente hiperbólica</translation>
    </message>
    <message>
        <source>y root of x</source>
        <translation>raiz y-ésima de x</translation>
    </message>
    <message>
        <source>value(x):</source>
        <translation>valor (x):</translation>
    </message>
    <message>
        <source>root (y):</source>
        <translation>raiz (y):</translation>
    </message>
    <message>
        <source>x to the power of y</source>
        <translation>x elevado a y</translation>
    </message>
    <message>
        <source>power(y):</source>
        <translation>potência (y):</translation>
    </message>
    <message>
        <source>random number</source>
        <translation>número aleatório</translation>
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
        <translation>graus (clique para mudar para radianos)</translation>
    </message>
    <message>
        <source>rad</source>
        <extracomment>The angle key&apos;s caption in radians; a word of about three letters fits the key.</extracomment>
        <translation>rad</translation>
    </message>
    <message>
        <source>radian (click to change to degree)</source>
        <translation>radianos (clique para mudar para graus)</translation>
    </message>
    <message>
        <source>addition</source>
        <translation>adição</translation>
    </message>
    <message>
        <source>subtraction</source>
        <translation>subtração</translation>
    </message>
    <message>
        <source>multiplication</source>
        <translation>multiplicação</translation>
    </message>
    <message>
        <source>division</source>
        <translation>divisão</translation>
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
        <translation>Cosseno</translation>
    </message>
    <message>
        <source>Tangent</source>
        <translation>Tangente</translation>
    </message>
    <message>
        <source>Arctangent</source>
        <translation>Arco tangente</translation>
    </message>
    <message>
        <source>square root</source>
        <translation>raiz quadrada</translation>
    </message>
    <message>
        <source>square</source>
        <translation>quadrado</translation>
    </message>
    <message>
        <source>random #</source>
        <extracomment>The random key&apos;s caption; it must fit the key, as about eight letters do.</extracomment>
        <translation>aleatório</translation>
    </message>
    <message>
        <source>Pi number</source>
        <translation>número pi</translation>
    </message>
    <message>
        <source>reciprocal</source>
        <translation>inverso</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>porcentagem</translation>
    </message>
    <message>
        <source>more functions</source>
        <translation>mais funções</translation>
    </message>
    <message>
        <source>recall from memory</source>
        <translation>recuperar da memória</translation>
    </message>
    <message>
        <source>memory</source>
        <translation>memória</translation>
    </message>
    <message>
        <source>degree (click to change radian)</source>
        <translation>graus (clique para mudar para radianos)</translation>
    </message>
    <message>
        <source>function</source>
        <extracomment>The caption of the key that shows the list of more functions; about eight letters fit.</extracomment>
        <translation>função</translation>
    </message>
    <message>
        <source>additional trigonometric functions</source>
        <translation>funções trigonométricas adicionais</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>About Orbetta</source>
        <translation>Sobre o Orbetta</translation>
    </message>
    <message>
        <source>col</source>
        <extracomment>The colour key&apos;s caption; about three letters fit.</extracomment>
        <translation>cor</translation>
    </message>
    <message>
        <source>Layout Preferences</source>
        <translation>Preferências de aparência</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>separador decimal</translation>
    </message>
    <message>
        <source>sign change</source>
        <translation>troca de sinal</translation>
    </message>
    <message>
        <source>equal</source>
        <translation>igual</translation>
    </message>
    <message>
        <source>backspace</source>
        <translation>apagar</translation>
    </message>
    <message>
        <source>clear all</source>
        <translation>limpar tudo</translation>
    </message>
    <message>
        <source>&amp;off</source>
        <extracomment>The off key&apos;s caption; about three letters fit. Alt with a letter presses the other keys, so &quot;&amp;&quot; may only stand before an &quot;o&quot;; without one the key keeps Alt+O.</extracomment>
        <translation>&amp;off</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>click the down-arrow to list available functions</source>
        <translation>clique na seta para baixo para ver as funções disponíveis</translation>
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
        <translation>menu do visor</translation>
    </message>
    <message>
        <source>display menu, %1</source>
        <translation>menu do visor, %1</translation>
    </message>
    <message>
        <source>%1 list, %2 entries, %3</source>
        <translation>lista de %1, %2 itens, %3</translation>
    </message>
    <message>
        <source>Ctrl+Space presses this key.</source>
        <translation>Ctrl+Espaço pressiona esta tecla.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>%1 list, Down opens it</source>
        <translation>lista de %1, Seta para baixo a abre</translation>
    </message>
    <message>
        <source>Tape closed</source>
        <translation>Fita fechada</translation>
    </message>
</context>
<context>
    <name>Tape</name>
    <message>
        <source>Error: %1</source>
        <translation>Erro: %1</translation>
    </message>
    <message>
        <source>The tape file %1 is a symbolic link, which is not followed.</source>
        <translation>O arquivo da fita %1 é um link simbólico, que não é seguido.</translation>
    </message>
    <message>
        <source>The tape file %1 is a folder.</source>
        <translation>O arquivo da fita %1 é uma pasta.</translation>
    </message>
    <message>
        <source>The tape file %1 is not a regular file.</source>
        <translation>O arquivo da fita %1 não é um arquivo comum.</translation>
    </message>
    <message>
        <source>The tape file %1 cannot be opened: %2.</source>
        <translation>Não é possível abrir o arquivo da fita %1: %2.</translation>
    </message>
    <message>
        <source>The tape file holds bytes that are not text; they are shown as �.</source>
        <translation>O arquivo da fita contém bytes que não são texto; eles aparecem como �.</translation>
    </message>
    <message>
        <source>The tape file holds lines too long for a tape; they are cut.</source>
        <translation>O arquivo da fita contém linhas longas demais para uma fita; elas são cortadas.</translation>
    </message>
    <message>
        <source>The tape file %1 cannot be read: %2.</source>
        <translation>Não é possível ler o arquivo da fita %1: %2.</translation>
    </message>
    <message>
        <source>The tape file is %1 long; only its newest lines were read.</source>
        <translation>O arquivo da fita tem %1; só as linhas mais recentes foram lidas.</translation>
    </message>
    <message>
        <source>There is no home folder to keep the tape in.</source>
        <translation>Não há pasta pessoal onde guardar a fita.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Não é possível criar a pasta %1.</translation>
    </message>
    <message>
        <source>The tape file is being trimmed; the line is written with the next one.</source>
        <translation>O arquivo da fita está sendo encurtado; a linha será gravada com a próxima.</translation>
    </message>
    <message>
        <source>The tape file %1 cannot be written: %2.</source>
        <translation>Não é possível gravar o arquivo da fita %1: %2.</translation>
    </message>
    <message>
        <source>The tape file is in use; the line is written with the next one.</source>
        <translation>O arquivo da fita está em uso; a linha será gravada com a próxima.</translation>
    </message>
    <message>
        <source>The tape file %1 ends inside a line that cannot be removed: %2.</source>
        <translation>O arquivo da fita %1 termina no meio de uma linha que não pode ser removida: %2.</translation>
    </message>
    <message>
        <source>The tape file %1 cannot be rewritten.</source>
        <translation>Não é possível regravar o arquivo da fita %1.</translation>
    </message>
    <message>
        <source>The tape file %1 holds what the tape cannot show, and it cannot be kept aside: %2. It is left as it is.</source>
        <translation>O arquivo da fita %1 contém o que a fita não consegue mostrar, e não pode ser guardado à parte: %2. Ele fica como está.</translation>
    </message>
    <message>
        <source>The tape file held what the tape cannot show (bytes that are not text, or more than is read); it is kept as %1, and the tape goes on in a new file.</source>
        <translation>O arquivo da fita continha o que a fita não consegue mostrar (bytes que não são texto, ou mais do que é lido); ele foi guardado como %1, e a fita continua num arquivo novo.</translation>
    </message>
    <message>
        <source>The tape file %1 cannot be removed: %2.</source>
        <translation>Não é possível remover o arquivo da fita %1: %2.</translation>
    </message>
    <message>
        <source>The tape file is in use; it was not rewritten.</source>
        <translation>O arquivo da fita está em uso; ele não foi regravado.</translation>
    </message>
</context>
<context>
    <name>TwoValue</name>
    <message>
        <source>minus is not taken here; values are without sign</source>
        <translation>o sinal de menos não é aceito aqui; os valores não têm sinal</translation>
    </message>
    <message>
        <source>the value has a point already</source>
        <translation>o valor já tem separador decimal</translation>
    </message>
    <message>
        <source>the field is empty</source>
        <translation>o campo está vazio</translation>
    </message>
    <message>
        <source>the second field is empty</source>
        <translation>o segundo campo está vazio</translation>
    </message>
    <message>
        <source>space is not taken here; digits and one point only</source>
        <translation>o espaço não é aceito aqui; só algarismos e um separador decimal</translation>
    </message>
    <message>
        <source>comma is not taken here; the point is a full stop</source>
        <translation>a vírgula não é aceita aqui; o separador decimal é o ponto</translation>
    </message>
    <message>
        <source>%1 is not taken here; digits and one point only</source>
        <translation>%1 não é aceito aqui; só algarismos e um separador decimal</translation>
    </message>
    <message>
        <source>that character is not taken here; digits and one point only</source>
        <translation>esse caractere não é aceito aqui; só algarismos e um separador decimal</translation>
    </message>
    <message>
        <source>the first field is empty</source>
        <translation>o primeiro campo está vazio</translation>
    </message>
    <message>
        <source>the first field holds no number</source>
        <translation>o primeiro campo não contém número</translation>
    </message>
    <message>
        <source>the second field holds no number</source>
        <translation>o segundo campo não contém número</translation>
    </message>
    <message>
        <source>root %1 of %2</source>
        <translation>raiz %1 de %2</translation>
    </message>
    <message>
        <source>%1 to the power %2</source>
        <translation>%1 elevado a %2</translation>
    </message>
    <message>
        <source>random between %1 and %2</source>
        <translation>aleatório entre %1 e %2</translation>
    </message>
    <message>
        <source>can&apos;t do 0 root!</source>
        <translation>não é possível calcular a raiz 0!</translation>
    </message>
    <message>
        <source>upperbound value must be &gt; lowerbound value+1</source>
        <translation>o valor superior deve ser &gt; valor inferior+1</translation>
    </message>
    <message>
        <source>result is outside the range!</source>
        <translation>resultado fora do intervalo!</translation>
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
        <translation>DISPLAY não está definida</translation>
    </message>
    <message>
        <source>no X server answers at DISPLAY=%1</source>
        <translation>nenhum servidor X responde em DISPLAY=%1</translation>
    </message>
    <message>
        <source>WAYLAND_DISPLAY is not set</source>
        <translation>WAYLAND_DISPLAY não está definida</translation>
    </message>
    <message>
        <source>no Wayland compositor answers at WAYLAND_DISPLAY=%1</source>
        <translation>nenhum compositor Wayland responde em WAYLAND_DISPLAY=%1</translation>
    </message>
    <message>
        <source>Qt&apos;s platform plugin &quot;%1&quot; could not start</source>
        <translation>o plugin de plataforma &quot;%1&quot; do Qt não pôde iniciar</translation>
    </message>
    <message>
        <source>Qt&apos;s Wayland platform plugin is not installed (package qt6-wayland)</source>
        <translation>o plugin de plataforma Wayland do Qt não está instalado (pacote qt6-wayland)</translation>
    </message>
    <message>
        <source>Qt has no platform plugin &quot;%1&quot;</source>
        <translation>o Qt não tem o plugin de plataforma &quot;%1&quot;</translation>
    </message>
    <message>
        <source>no display is set (DISPLAY and WAYLAND_DISPLAY are both empty)</source>
        <translation>nenhuma tela definida (DISPLAY e WAYLAND_DISPLAY estão vazias)</translation>
    </message>
    <message>
        <source>no platform plugin of Qt could start</source>
        <translation>nenhum plugin de plataforma do Qt pôde iniciar</translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source>orbetta: cannot open a window: %1; run it in a desktop session, or as xvfb-run -a %2 for a virtual screen
</source>
        <translation>orbetta: não é possível abrir uma janela: %1; execute-o numa sessão gráfica, ou como xvfb-run -a %2 para uma tela virtual
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
        <translation>C&amp;olar	Ctrl+V</translation>
    </message>
    <message>
        <source>&amp;Tape</source>
        <translation>&amp;Fita</translation>
    </message>
    <message>
        <source>&amp;Always on top</source>
        <translation>&amp;Sempre visível</translation>
    </message>
</context>
<context>
    <name>orbetta::ui::TapeWindow</name>
    <message>
        <source>Orbetta Tape</source>
        <translation>Fita do Orbetta</translation>
    </message>
    <message>
        <source>Tape</source>
        <translation>Fita</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>Salvar como…</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Undo clear</source>
        <translation>Desfazer limpeza</translation>
    </message>
    <message>
        <source>Keep between runs</source>
        <translation>Manter entre execuções</translation>
    </message>
    <message>
        <source>The tape is no longer kept between runs and its file is removed; keeping it again writes it back</source>
        <translation>A fita não é mais mantida entre execuções e o seu arquivo foi removido; mantê-la de novo a grava outra vez</translation>
    </message>
    <message>
        <source>The tape is kept between runs</source>
        <translation>A fita é mantida entre execuções</translation>
    </message>
    <message>
        <source>Tape, 1 line</source>
        <translation>Fita, 1 linha</translation>
    </message>
    <message numerus="yes">
        <source>Tape, %n lines</source>
        <translation>
            <numerusform>Fita, %n linha</numerusform>
            <numerusform>Fita, %n linhas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, the last: %2</source>
        <translation>%1, a última: %2</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Save Tape As</source>
        <translation>Salvar fita como</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Arquivos de texto (*.txt);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>The tape could not be saved to %1.</source>
        <translation>Não foi possível salvar a fita em %1.</translation>
    </message>
    <message>
        <source>Tape cleared; Undo clear brings it back</source>
        <translation>Fita limpa; Desfazer limpeza a traz de volta</translation>
    </message>
</context>
</TS>
