<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutWindow</name>
    <message>
        <source>Orbetta is a scientific calculator for one user at a desktop.
Settings: orbetta.ini in your configuration folder.
Tape: orbetta/tape.txt in your state folder.
Provided as it is, without warranty of any kind.</source>
        <extracomment>Four lines at most, each of about 60 characters: the box shows no more.</extracomment>
        <translation>Orbetta 是一款供桌面单用户使用的科学计算器。
设置：配置文件夹中的 orbetta.ini。
纸带：状态文件夹中的 orbetta/tape.txt。
按原样提供，不作任何形式的担保。</translation>
    </message>
    <message>
        <source>About Orbetta</source>
        <translation>关于 Orbetta</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
</context>
<context>
    <name>Calculator</name>
    <message>
        <source>Escape is not taken here; c clears</source>
        <translation>此处不接受 Esc；按 c 清除</translation>
    </message>
    <message>
        <source>Ctrl+%1 is not taken here</source>
        <translation>此处不接受 Ctrl+%1</translation>
    </message>
    <message>
        <source>space is not taken here</source>
        <translation>此处不接受空格</translation>
    </message>
    <message>
        <source>comma is not taken here; the point is a full stop</source>
        <translation>此处不接受逗号；小数点是句点</translation>
    </message>
    <message>
        <source>%1 is not taken here</source>
        <translation>此处不接受 %1</translation>
    </message>
    <message>
        <source>that character is not taken here</source>
        <translation>此处不接受该字符</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>空</translation>
    </message>
    <message>
        <source>the entry has a point already</source>
        <translation>输入的数已有小数点</translation>
    </message>
    <message>
        <source>the display is empty</source>
        <translation>显示屏为空</translation>
    </message>
    <message>
        <source>nothing to change the sign of</source>
        <translation>没有可变号的数</translation>
    </message>
    <message>
        <source>nothing to erase</source>
        <translation>没有可删除的内容</translation>
    </message>
    <message>
        <source>nothing to paste</source>
        <translation>没有可粘贴的内容</translation>
    </message>
    <message>
        <source>the clipboard holds no number</source>
        <translation>剪贴板中没有数</translation>
    </message>
    <message>
        <source>can&apos;t divide by 0!</source>
        <translation>不能除以 0！</translation>
    </message>
    <message>
        <source>cleared</source>
        <translation>已清除</translation>
    </message>
    <message>
        <source>can&apos;t take log of 0 or - numbers</source>
        <translation>不能对 0 或负数取对数</translation>
    </message>
    <message>
        <source>x must be &gt;-323 and &lt;307</source>
        <translation>x 必须 &gt;-323 且 &lt;307</translation>
    </message>
    <message>
        <source>x must be &gt;-744 and &lt;709</source>
        <translation>x 必须 &gt;-744 且 &lt;709</translation>
    </message>
    <message>
        <source>can&apos;t take square root of a negative number</source>
        <translation>不能对负数开平方</translation>
    </message>
    <message>
        <source>outside the range: &gt;1E-162 and &lt;1E+103</source>
        <translation>超出范围：&gt;1E-162 且 &lt;1E+103</translation>
    </message>
    <message>
        <source>%1 in memory</source>
        <translation>%1 已存入存储器</translation>
    </message>
</context>
<context>
    <name>ColourChooser</name>
    <message>
        <source>Orbetta Color</source>
        <translation>Orbetta 颜色</translation>
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
        <translation>用法：orbetta [选项]
一款在小窗口中用鼠标或键盘操作的科学计算器。

  -h, --help     显示本帮助后结束
  -v, --version  显示版本后结束

也能识别 Qt 的标准选项，如 -platform xcb 或 -platform wayland。
按键和文件的说明见手册页：man orbetta
</translation>
    </message>
    <message>
        <source>orbetta: unknown option %1
</source>
        <translation>orbetta：未知选项 %1
</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Not a number</source>
        <translation>不是数字</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>溢出</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>除以零</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>无效参数</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Orbetta Help</source>
        <translation>Orbetta 帮助</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>查找(&amp;F)：</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>%1, heading level %2</source>
        <translation>%1，%2 级标题</translation>
    </message>
    <message>
        <source>no heading before this</source>
        <translation>此前没有标题</translation>
    </message>
    <message>
        <source>no more headings</source>
        <translation>没有更多标题</translation>
    </message>
    <message>
        <source>no link before this</source>
        <translation>此前没有链接</translation>
    </message>
    <message>
        <source>no more links</source>
        <translation>没有更多链接</translation>
    </message>
    <message>
        <source>link %1</source>
        <translation>链接 %1</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>Secant</source>
        <translation>正割</translation>
    </message>
    <message>
        <source>Cosecant</source>
        <translation>余割</translation>
    </message>
    <message>
        <source>Cotangent</source>
        <translation>余切</translation>
    </message>
    <message>
        <source>Inverse Sine</source>
        <translation>反正弦</translation>
    </message>
    <message>
        <source>Inverse Cosine</source>
        <translation>反余弦</translation>
    </message>
    <message>
        <source>Inverse Secant</source>
        <translation>反正割</translation>
    </message>
    <message>
        <source>Inverse Cosecant</source>
        <translation>反余割</translation>
    </message>
    <message>
        <source>Inverse Cotangent</source>
        <translation>反余切</translation>
    </message>
    <message>
        <source>Hyperbolic Sine</source>
        <translation>双曲正弦</translation>
    </message>
    <message>
        <source>Hyperbolic Cosine</source>
        <translation>双曲余弦</translation>
    </message>
    <message>
        <source>Hyperbolic Tangent</source>
        <translation>双曲正切</translation>
    </message>
    <message>
        <source>Hyperbolic Secant</source>
        <translation>双曲正割</translation>
    </message>
    <message>
        <source>Hyperbolic Cosecant</source>
        <translation>双曲余割</translation>
    </message>
    <message>
        <source>Hyperbolic Cotangent</source>
        <translation>双曲余切</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Sine</source>
        <translation>反双曲正弦</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Cosine</source>
        <translation>反双曲余弦</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Tangent</source>
        <translation>反双曲正切</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Secant</source>
        <translation>反双曲正割</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Cosecant</source>
        <translation>反双曲余割</translation>
    </message>
    <message>
        <source>Inverse Hyperbolic Cotangent</source>
        <translation>反双曲余切</translation>
    </message>
    <message>
        <source>y root of x</source>
        <translation>x 的 y 次方根</translation>
    </message>
    <message>
        <source>value(x):</source>
        <translation>值 (x)：</translation>
    </message>
    <message>
        <source>root (y):</source>
        <translation>根次 (y)：</translation>
    </message>
    <message>
        <source>x to the power of y</source>
        <translation>x 的 y 次方</translation>
    </message>
    <message>
        <source>power(y):</source>
        <translation>指数 (y)：</translation>
    </message>
    <message>
        <source>random number</source>
        <translation>随机数</translation>
    </message>
    <message>
        <source>lower value:</source>
        <extracomment>A prompt of the two-value dialog, like every &quot;...:&quot; here; about twelve characters fit beside the box.</extracomment>
        <translation>下限：</translation>
    </message>
    <message>
        <source>upper value:</source>
        <translation>上限：</translation>
    </message>
    <message>
        <source>deg</source>
        <extracomment>The angle key&apos;s caption in degrees; a word of about three letters fits the key.</extracomment>
        <translation>角度</translation>
    </message>
    <message>
        <source>degree (click to change to radian)</source>
        <translation>角度（点击切换为弧度）</translation>
    </message>
    <message>
        <source>rad</source>
        <extracomment>The angle key&apos;s caption in radians; a word of about three letters fits the key.</extracomment>
        <translation>弧度</translation>
    </message>
    <message>
        <source>radian (click to change to degree)</source>
        <translation>弧度（点击切换为角度）</translation>
    </message>
    <message>
        <source>addition</source>
        <translation>加法</translation>
    </message>
    <message>
        <source>subtraction</source>
        <translation>减法</translation>
    </message>
    <message>
        <source>multiplication</source>
        <translation>乘法</translation>
    </message>
    <message>
        <source>division</source>
        <translation>除法</translation>
    </message>
    <message>
        <source>common logarithm</source>
        <translation>常用对数</translation>
    </message>
    <message>
        <source>natural logarithm</source>
        <translation>自然对数</translation>
    </message>
    <message>
        <source>common antilog</source>
        <translation>常用反对数</translation>
    </message>
    <message>
        <source>natural antilog</source>
        <translation>自然反对数</translation>
    </message>
    <message>
        <source>Sine</source>
        <translation>正弦</translation>
    </message>
    <message>
        <source>Cosine</source>
        <translation>余弦</translation>
    </message>
    <message>
        <source>Tangent</source>
        <translation>正切</translation>
    </message>
    <message>
        <source>Arctangent</source>
        <translation>反正切</translation>
    </message>
    <message>
        <source>square root</source>
        <translation>平方根</translation>
    </message>
    <message>
        <source>square</source>
        <translation>平方</translation>
    </message>
    <message>
        <source>random #</source>
        <extracomment>The random key&apos;s caption; it must fit the key, as about eight letters do.</extracomment>
        <translation>随机</translation>
    </message>
    <message>
        <source>Pi number</source>
        <translation>圆周率</translation>
    </message>
    <message>
        <source>reciprocal</source>
        <translation>倒数</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>百分比</translation>
    </message>
    <message>
        <source>more functions</source>
        <translation>更多函数</translation>
    </message>
    <message>
        <source>recall from memory</source>
        <translation>读取存储</translation>
    </message>
    <message>
        <source>memory</source>
        <translation>存储</translation>
    </message>
    <message>
        <source>degree (click to change radian)</source>
        <translation>角度（点击切换为弧度）</translation>
    </message>
    <message>
        <source>function</source>
        <extracomment>The caption of the key that shows the list of more functions; about eight letters fit.</extracomment>
        <translation>函数</translation>
    </message>
    <message>
        <source>additional trigonometric functions</source>
        <translation>其他三角函数</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>About Orbetta</source>
        <translation>关于 Orbetta</translation>
    </message>
    <message>
        <source>col</source>
        <extracomment>The colour key&apos;s caption; about three letters fit.</extracomment>
        <translation>颜色</translation>
    </message>
    <message>
        <source>Layout Preferences</source>
        <translation>外观设置</translation>
    </message>
    <message>
        <source>decimal point</source>
        <translation>小数点</translation>
    </message>
    <message>
        <source>sign change</source>
        <translation>变号</translation>
    </message>
    <message>
        <source>equal</source>
        <translation>等于</translation>
    </message>
    <message>
        <source>backspace</source>
        <translation>退格</translation>
    </message>
    <message>
        <source>clear all</source>
        <translation>全部清除</translation>
    </message>
    <message>
        <source>&amp;off</source>
        <extracomment>The off key&apos;s caption; about three letters fit. Alt with a letter presses the other keys, so &quot;&amp;&quot; may only stand before an &quot;o&quot;; without one the key keeps Alt+O.</extracomment>
        <translation>&amp;off</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>click the down-arrow to list available functions</source>
        <translation>点击向下箭头列出可用的函数</translation>
    </message>
    <message>
        <source>display</source>
        <translation>显示屏</translation>
    </message>
    <message>
        <source>copied %1</source>
        <translation>已复制 %1</translation>
    </message>
    <message>
        <source>display menu</source>
        <translation>显示屏菜单</translation>
    </message>
    <message>
        <source>display menu, %1</source>
        <translation>显示屏菜单，%1</translation>
    </message>
    <message>
        <source>%1 list, %2 entries, %3</source>
        <translation>%1列表，%2 项，%3</translation>
    </message>
    <message>
        <source>Ctrl+Space presses this key.</source>
        <translation>按 Ctrl+空格可按下此键。</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>%1 list, Down opens it</source>
        <translation>%1列表，按下方向键打开</translation>
    </message>
    <message>
        <source>Tape closed</source>
        <translation>纸带已关闭</translation>
    </message>
</context>
<context>
    <name>Tape</name>
    <message>
        <source>Error: %1</source>
        <translation>错误：%1</translation>
    </message>
    <message>
        <source>The tape file %1 is a symbolic link, which is not followed.</source>
        <translation>纸带文件 %1 是符号链接，不会跟随。</translation>
    </message>
    <message>
        <source>The tape file %1 is a folder.</source>
        <translation>纸带文件 %1 是文件夹。</translation>
    </message>
    <message>
        <source>The tape file %1 is not a regular file.</source>
        <translation>纸带文件 %1 不是普通文件。</translation>
    </message>
    <message>
        <source>The tape file %1 cannot be opened: %2.</source>
        <translation>无法打开纸带文件 %1：%2。</translation>
    </message>
    <message>
        <source>The tape file holds bytes that are not text; they are shown as �.</source>
        <translation>纸带文件中有不是文本的字节；它们显示为 �。</translation>
    </message>
    <message>
        <source>The tape file holds lines too long for a tape; they are cut.</source>
        <translation>纸带文件中有对纸带来说过长的行；这些行被截断。</translation>
    </message>
    <message>
        <source>The tape file %1 cannot be read: %2.</source>
        <translation>无法读取纸带文件 %1：%2。</translation>
    </message>
    <message>
        <source>The tape file is %1 long; only its newest lines were read.</source>
        <translation>纸带文件大小为 %1；只读取了其中最新的行。</translation>
    </message>
    <message>
        <source>There is no home folder to keep the tape in.</source>
        <translation>没有可存放纸带的主文件夹。</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>无法创建文件夹 %1。</translation>
    </message>
    <message>
        <source>The tape file is being trimmed; the line is written with the next one.</source>
        <translation>纸带文件正在缩减；该行将与下一行一起写入。</translation>
    </message>
    <message>
        <source>The tape file %1 cannot be written: %2.</source>
        <translation>无法写入纸带文件 %1：%2。</translation>
    </message>
    <message>
        <source>The tape file is in use; the line is written with the next one.</source>
        <translation>纸带文件正在使用中；该行将与下一行一起写入。</translation>
    </message>
    <message>
        <source>The tape file %1 ends inside a line that cannot be removed: %2.</source>
        <translation>纸带文件 %1 结束于无法删除的一行中间：%2。</translation>
    </message>
    <message>
        <source>The tape file %1 cannot be rewritten.</source>
        <translation>无法重写纸带文件 %1。</translation>
    </message>
    <message>
        <source>The tape file %1 holds what the tape cannot show, and it cannot be kept aside: %2. It is left as it is.</source>
        <translation>纸带文件 %1 含有纸带无法显示的内容，且无法另存：%2。该文件保持原样。</translation>
    </message>
    <message>
        <source>The tape file held what the tape cannot show (bytes that are not text, or more than is read); it is kept as %1, and the tape goes on in a new file.</source>
        <translation>纸带文件曾含有纸带无法显示的内容（不是文本的字节，或超过读取量的内容）；它已保存为 %1，纸带在新文件中继续。</translation>
    </message>
    <message>
        <source>The tape file %1 cannot be removed: %2.</source>
        <translation>无法删除纸带文件 %1：%2。</translation>
    </message>
    <message>
        <source>The tape file is in use; it was not rewritten.</source>
        <translation>纸带文件正在使用中；未重写。</translation>
    </message>
</context>
<context>
    <name>TwoValue</name>
    <message>
        <source>minus is not taken here; values are without sign</source>
        <translation>此处不接受减号；值不带符号</translation>
    </message>
    <message>
        <source>the value has a point already</source>
        <translation>该值已有小数点</translation>
    </message>
    <message>
        <source>the field is empty</source>
        <translation>输入框为空</translation>
    </message>
    <message>
        <source>the second field is empty</source>
        <translation>第二个输入框为空</translation>
    </message>
    <message>
        <source>space is not taken here; digits and one point only</source>
        <translation>此处不接受空格；只能输入数字和一个小数点</translation>
    </message>
    <message>
        <source>comma is not taken here; the point is a full stop</source>
        <translation>此处不接受逗号；小数点是句点</translation>
    </message>
    <message>
        <source>%1 is not taken here; digits and one point only</source>
        <translation>此处不接受 %1；只能输入数字和一个小数点</translation>
    </message>
    <message>
        <source>that character is not taken here; digits and one point only</source>
        <translation>此处不接受该字符；只能输入数字和一个小数点</translation>
    </message>
    <message>
        <source>the first field is empty</source>
        <translation>第一个输入框为空</translation>
    </message>
    <message>
        <source>the first field holds no number</source>
        <translation>第一个输入框中没有数</translation>
    </message>
    <message>
        <source>the second field holds no number</source>
        <translation>第二个输入框中没有数</translation>
    </message>
    <message>
        <source>root %1 of %2</source>
        <translation>%2 的 %1 次方根</translation>
    </message>
    <message>
        <source>%1 to the power %2</source>
        <translation>%1 的 %2 次方</translation>
    </message>
    <message>
        <source>random between %1 and %2</source>
        <translation>%1 与 %2 之间的随机数</translation>
    </message>
    <message>
        <source>can&apos;t do 0 root!</source>
        <translation>不能开 0 次方根！</translation>
    </message>
    <message>
        <source>upperbound value must be &gt; lowerbound value+1</source>
        <translation>上限必须 &gt; 下限+1</translation>
    </message>
    <message>
        <source>result is outside the range!</source>
        <translation>结果超出范围！</translation>
    </message>
</context>
<context>
    <name>TwoValueDialog</name>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
</context>
<context>
    <name>WindowSystem</name>
    <message>
        <source>DISPLAY is not set</source>
        <translation>未设置 DISPLAY</translation>
    </message>
    <message>
        <source>no X server answers at DISPLAY=%1</source>
        <translation>DISPLAY=%1 处没有 X 服务器响应</translation>
    </message>
    <message>
        <source>WAYLAND_DISPLAY is not set</source>
        <translation>未设置 WAYLAND_DISPLAY</translation>
    </message>
    <message>
        <source>no Wayland compositor answers at WAYLAND_DISPLAY=%1</source>
        <translation>WAYLAND_DISPLAY=%1 处没有 Wayland 合成器响应</translation>
    </message>
    <message>
        <source>Qt&apos;s platform plugin &quot;%1&quot; could not start</source>
        <translation>Qt 的平台插件“%1”无法启动</translation>
    </message>
    <message>
        <source>Qt&apos;s Wayland platform plugin is not installed (package qt6-wayland)</source>
        <translation>未安装 Qt 的 Wayland 平台插件（软件包 qt6-wayland）</translation>
    </message>
    <message>
        <source>Qt has no platform plugin &quot;%1&quot;</source>
        <translation>Qt 没有平台插件“%1”</translation>
    </message>
    <message>
        <source>no display is set (DISPLAY and WAYLAND_DISPLAY are both empty)</source>
        <translation>未设置显示（DISPLAY 和 WAYLAND_DISPLAY 均为空）</translation>
    </message>
    <message>
        <source>no platform plugin of Qt could start</source>
        <translation>Qt 的平台插件均无法启动</translation>
    </message>
    <message>
        <source> and </source>
        <translation>和</translation>
    </message>
    <message>
        <source>orbetta: cannot open a window: %1; run it in a desktop session, or as xvfb-run -a %2 for a virtual screen
</source>
        <translation>orbetta：无法打开窗口：%1；请在桌面会话中运行它，或以 xvfb-run -a %2 在虚拟屏幕上运行
</translation>
    </message>
</context>
<context>
    <name>orbetta::ui::DisplayBox</name>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>复制(&amp;C)	Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>粘贴(&amp;P)	Ctrl+V</translation>
    </message>
    <message>
        <source>&amp;Tape</source>
        <translation>纸带(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Always on top</source>
        <translation>总在最前(&amp;A)</translation>
    </message>
</context>
<context>
    <name>orbetta::ui::TapeWindow</name>
    <message>
        <source>Orbetta Tape</source>
        <translation>Orbetta 纸带</translation>
    </message>
    <message>
        <source>Tape</source>
        <translation>纸带</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>另存为…</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Undo clear</source>
        <translation>撤销清除</translation>
    </message>
    <message>
        <source>Keep between runs</source>
        <translation>下次运行时保留</translation>
    </message>
    <message>
        <source>The tape is no longer kept between runs and its file is removed; keeping it again writes it back</source>
        <translation>纸带不再在两次运行之间保留，其文件已删除；重新勾选保留会再次写入</translation>
    </message>
    <message>
        <source>The tape is kept between runs</source>
        <translation>纸带在两次运行之间保留</translation>
    </message>
    <message>
        <source>Tape, 1 line</source>
        <translation>纸带，1 行</translation>
    </message>
    <message numerus="yes">
        <source>Tape, %n lines</source>
        <translation>
            <numerusform>纸带，%n 行</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, the last: %2</source>
        <translation>%1，最后一行：%2</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1。%2</translation>
    </message>
    <message>
        <source>Save Tape As</source>
        <translation>纸带另存为</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>文本文件 (*.txt);;所有文件 (*)</translation>
    </message>
    <message>
        <source>The tape could not be saved to %1.</source>
        <translation>无法把纸带保存到 %1。</translation>
    </message>
    <message>
        <source>Tape cleared; Undo clear brings it back</source>
        <translation>纸带已清除；“撤销清除”可恢复</translation>
    </message>
</context>
</TS>
