<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CommandLine</name>
    <message>
        <source>Classroom demonstration of analogue modulation.</source>
        <translation>模拟调制课堂演示。</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>显示命令行选项的帮助。</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>意外的参数“%1”。</translation>
    </message>
</context>
<context>
    <name>ControlHelp</name>
    <message>
        <source>Message signal</source>
        <translation>调制信号</translation>
    </message>
    <message>
        <source>Time trace of the message signal, in dark green</source>
        <translation>调制信号的时域波形，深绿色</translation>
    </message>
    <message>
        <source>Message spectrum</source>
        <translation>调制信号频谱</translation>
    </message>
    <message>
        <source>Averaged spectrum of the message, in dark green</source>
        <translation>调制信号的平均频谱，深绿色</translation>
    </message>
    <message>
        <source>Carrier</source>
        <translation>载波</translation>
    </message>
    <message>
        <source>Time trace of the carrier, in purple</source>
        <translation>载波的时域波形，紫色</translation>
    </message>
    <message>
        <source>Modulated signal</source>
        <translation>已调信号</translation>
    </message>
    <message>
        <source>Time trace of the modulated signal, in dark blue</source>
        <translation>已调信号的时域波形，深蓝色</translation>
    </message>
    <message>
        <source>Modulated spectrum</source>
        <translation>已调信号频谱</translation>
    </message>
    <message>
        <source>Averaged spectrum of the modulated signal, in dark blue</source>
        <translation>已调信号的平均频谱，深蓝色</translation>
    </message>
    <message>
        <source>Time scroll</source>
        <translation>时间平移</translation>
    </message>
    <message>
        <source>Where the shown stretch of the time traces begins</source>
        <translation>所显示的时域波形片段从何处开始</translation>
    </message>
    <message>
        <source>Time scroll, 0 to 16: to the right the traces start later in the signal</source>
        <translation>时间平移，0 到 16：向右时波形从信号中更晚处开始</translation>
    </message>
    <message>
        <source>Time zoom</source>
        <translation>时间缩放</translation>
    </message>
    <message>
        <source>How many samples the time traces span</source>
        <translation>时域波形覆盖的采样点数</translation>
    </message>
    <message>
        <source>Time zoom, 1 to 4: to the right zooms out and shows more of the signal</source>
        <translation>时间缩放，1 到 4：向右时缩小并显示更多信号</translation>
    </message>
    <message>
        <source>The message signal: a sine, noise or a square wave</source>
        <translation>调制信号：正弦波、噪声或方波</translation>
    </message>
    <message>
        <source>Message frequency, 2.5 to 10 Hz</source>
        <translation>调制信号频率，2.5 到 10 Hz</translation>
    </message>
    <message>
        <source>The message frequency in Hz</source>
        <translation>调制信号频率，单位 Hz</translation>
    </message>
    <message>
        <source>Carrier frequency, 32 to 128 Hz</source>
        <translation>载波频率，32 到 128 Hz</translation>
    </message>
    <message>
        <source>The carrier frequency in Hz</source>
        <translation>载波频率，单位 Hz</translation>
    </message>
    <message>
        <source>How the message modulates the carrier</source>
        <translation>调制信号如何调制载波</translation>
    </message>
    <message>
        <source>The up arrow raises the modulation depth</source>
        <translation>上箭头增大调制度</translation>
    </message>
    <message>
        <source>Modulation depth, 0.2 to 2: the upper arrow raises it, the lower arrow lowers it</source>
        <translation>调制度，0.2 到 2：上箭头增大，下箭头减小</translation>
    </message>
    <message>
        <source>The modulation depth</source>
        <translation>调制度</translation>
    </message>
    <message>
        <source>Two-Sided Spectra</source>
        <translation>双边频谱</translation>
    </message>
    <message>
        <source>Show the spectra from −125.7 to 125.5 Hz, zero in the middle, instead of from 0 to 251.2 Hz</source>
        <translation>频谱显示 −125.7 到 125.5 Hz，零位于中间，而不是 0 到 251.2 Hz</translation>
    </message>
    <message>
        <source>Linear Plots</source>
        <translation>线性坐标</translation>
    </message>
    <message>
        <source>Show the spectra on a linear power scale instead of a logarithmic one</source>
        <translation>频谱使用线性功率坐标，而不是对数坐标</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>存储</translation>
    </message>
    <message>
        <source>Freezes a copy of each spectrum, drawn in brown</source>
        <translation>冻结每个频谱的副本，以棕色绘出</translation>
    </message>
    <message>
        <source>Freeze a copy of both spectra, drawn in brown, to compare with; click again to let it go</source>
        <translation>冻结两个频谱的副本，以棕色绘出，用于比较；再次单击即释放</translation>
    </message>
    <message>
        <source>Freezes a copy of each spectrum, drawn in plum</source>
        <translation>冻结每个频谱的副本，以梅紫色绘出</translation>
    </message>
    <message>
        <source>Freeze a copy of both spectra, drawn in plum, to compare with; click again to let it go</source>
        <translation>冻结两个频谱的副本，以梅紫色绘出，用于比较；再次单击即释放</translation>
    </message>
    <message>
        <source>Modulated trace</source>
        <translation>已调信号波形</translation>
    </message>
    <message>
        <source>Shows the time trace of the modulated signal</source>
        <translation>显示已调信号的时域波形</translation>
    </message>
    <message>
        <source>Show the modulated signal</source>
        <translation>显示已调信号</translation>
    </message>
    <message>
        <source>Modulated spectrum trace</source>
        <translation>已调信号频谱曲线</translation>
    </message>
    <message>
        <source>Shows the live spectrum of the modulated signal</source>
        <translation>显示已调信号的实时频谱</translation>
    </message>
    <message>
        <source>Show the live modulated spectrum</source>
        <translation>显示实时的已调信号频谱</translation>
    </message>
    <message>
        <source>Quorvane logo</source>
        <translation>Quorvane 标志</translation>
    </message>
    <message>
        <source>Pause the display: the pictures stand still</source>
        <translation>暂停显示：画面静止</translation>
    </message>
    <message>
        <source>Continue the display</source>
        <translation>继续显示</translation>
    </message>
    <message>
        <source>F1: class guide</source>
        <translation>F1：课堂指南</translation>
    </message>
    <message>
        <source>Message type</source>
        <translation>调制信号类型</translation>
    </message>
    <message>
        <source>Message frequency</source>
        <translation>调制信号频率</translation>
    </message>
    <message>
        <source>Message frequency, Hz</source>
        <translation>调制信号频率，Hz</translation>
    </message>
    <message>
        <source>Carrier frequency</source>
        <translation>载波频率</translation>
    </message>
    <message>
        <source>Carrier frequency, Hz</source>
        <translation>载波频率，Hz</translation>
    </message>
    <message>
        <source>Modulation scheme</source>
        <translation>调制方式</translation>
    </message>
    <message>
        <source>Modulation depth</source>
        <translation>调制度</translation>
    </message>
    <message>
        <source>Modulation depth value</source>
        <translation>调制度数值</translation>
    </message>
    <message>
        <source>Message controls</source>
        <translation>调制信号设置</translation>
    </message>
    <message>
        <source>Carrier controls</source>
        <translation>载波设置</translation>
    </message>
    <message>
        <source>Modulation controls</source>
        <translation>调制设置</translation>
    </message>
    <message>
        <source>Readout cursor</source>
        <translation>读数光标</translation>
    </message>
    <message>
        <source>Received signal</source>
        <translation>接收信号</translation>
    </message>
    <message>
        <source>Time trace of the modulated signal with the channel&apos;s noise, in dark blue</source>
        <translation>叠加了信道噪声的已调信号的时域波形，深蓝色</translation>
    </message>
    <message>
        <source>Recovered message</source>
        <translation>恢复的消息</translation>
    </message>
    <message>
        <source>Detector</source>
        <translation>检波器</translation>
    </message>
    <message>
        <source>How the receiver gets the message back: envelope, product, frequency or phase detector</source>
        <translation>接收机恢复消息的方式：包络检波、乘积检波、鉴频或鉴相</translation>
    </message>
    <message>
        <source>Local oscillator phase</source>
        <translation>本振相位</translation>
    </message>
    <message>
        <source>Phase of the product detector&apos;s local carrier, 0 to 180 degrees, in steps of 15</source>
        <translation>乘积检波器本地载波的相位，0 到 180 度，步长 15 度</translation>
    </message>
    <message>
        <source>Local oscillator phase, degrees</source>
        <translation>本振相位，度</translation>
    </message>
    <message>
        <source>The local oscillator&apos;s phase in degrees</source>
        <translation>本振相位，单位为度</translation>
    </message>
    <message>
        <source>Channel noise</source>
        <translation>信道噪声</translation>
    </message>
    <message>
        <source>Noise added on the way: none, then 30 to -15 dB below the signal&apos;s power; to the right the noise grows</source>
        <translation>传输途中加入的噪声：无，然后比信号功率低 30 到 -15 dB；越往右噪声越强</translation>
    </message>
    <message>
        <source>Channel noise, dB below the signal</source>
        <translation>信道噪声，比信号低的 dB 数</translation>
    </message>
    <message>
        <source>How far the channel&apos;s noise lies below the received signal&apos;s power</source>
        <translation>信道噪声比接收信号的功率低多少</translation>
    </message>
    <message>
        <source>Signal-to-noise ratio, dB</source>
        <translation>信噪比，dB</translation>
    </message>
    <message>
        <source>Signal-to-noise ratio of the recovered message in dB, averaged since the last change</source>
        <translation>恢复的消息的信噪比，单位 dB，为上次改动以来的平均值</translation>
    </message>
    <message>
        <source>The detector&apos;s output in magenta over the message in dark green, on the message&apos;s scale</source>
        <translation>检波器的输出（品红色）叠在调制信号（深绿色）上，按调制信号的比例绘制</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Modulation Demonstrator</source>
        <translation>调制演示</translation>
    </message>
    <message>
        <source>Watch analogue modulation happen: message, carrier, modulated signal and spectra</source>
        <translation>观察模拟调制的过程：调制信号、载波、已调信号及其频谱</translation>
    </message>
    <message>
        <source>modulation;analogue;analog;AM;FM;PM;DSB-SC;amplitude;frequency;phase;carrier;signal;spectrum;FFT;noise;telecommunications;radio;electronics;</source>
        <translation>调制;模拟;AM;FM;PM;DSB-SC;调幅;调频;调相;振幅;频率;相位;载波;信号;频谱;FFT;噪声;通信;无线电;电子;</translation>
    </message>
    <message>
        <source>Watch analogue modulation happen</source>
        <translation>观察模拟调制的过程</translation>
    </message>
    <message>
        <source>Quorvane is a classroom demonstration of analogue modulation. One window shows, ten times a second, a message signal, its spectrum, a carrier, the modulated signal and the modulated signal&apos;s spectrum, so that a change to any setting can be seen at once in both time and frequency.</source>
        <translation>Quorvane 是一个用于课堂的模拟调制演示程序。一个窗口每秒十次显示调制信号及其频谱、载波、已调信号及已调信号的频谱，任何设置的改变都能立即在时域和频域中看到。</translation>
    </message>
    <message>
        <source>Messages: sine wave, white noise, filtered noise and square wave</source>
        <translation>调制信号：正弦波、白噪声、低通滤波噪声和方波</translation>
    </message>
    <message>
        <source>Schemes: DSB-SC, AM, FM and PM</source>
        <translation>调制方式：DSB-SC、AM、FM 和 PM</translation>
    </message>
    <message>
        <source>Message frequency, carrier frequency and modulation depth on scroll bars</source>
        <translation>用滚动条调节调制信号频率、载波频率和调制度</translation>
    </message>
    <message>
        <source>A pause button to hold a frame still</source>
        <translation>用暂停按钮定格画面</translation>
    </message>
    <message>
        <source>Averaged spectra, logarithmic or linear, one- or two-sided</source>
        <translation>平均频谱，可选对数或线性、单边或双边</translation>
    </message>
    <message>
        <source>A frozen memory trace to compare a change against</source>
        <translation>冻结的存储曲线，用于与改变后的结果比较</translation>
    </message>
    <message>
        <source>modulation</source>
        <translation>调制</translation>
    </message>
    <message>
        <source>AM</source>
        <translation>AM</translation>
    </message>
    <message>
        <source>FM</source>
        <translation>FM</translation>
    </message>
    <message>
        <source>PM</source>
        <translation>PM</translation>
    </message>
    <message>
        <source>DSB-SC</source>
        <translation>DSB-SC</translation>
    </message>
    <message>
        <source>spectrum</source>
        <translation>频谱</translation>
    </message>
    <message>
        <source>carrier</source>
        <translation>载波</translation>
    </message>
    <message>
        <source>signal</source>
        <translation>信号</translation>
    </message>
    <message>
        <source>An AM signal beside its message and carrier</source>
        <translation>AM 信号及其调制信号和载波</translation>
    </message>
</context>
<context>
    <name>GuideWindow</name>
    <message>
        <source>Quorvane: class guide</source>
        <translation>Quorvane：课堂指南</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Signal Type</source>
        <translation>信号类型</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>频率</translation>
    </message>
    <message>
        <source>Carrier</source>
        <translation>载波</translation>
    </message>
    <message>
        <source>Modulation</source>
        <translation>调制</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>调制度</translation>
    </message>
    <message>
        <source>Two-Sided Spectra</source>
        <translation>双边频谱</translation>
    </message>
    <message>
        <source>Linear Plots</source>
        <translation>线性坐标</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>存储</translation>
    </message>
    <message>
        <source>Sine Wave</source>
        <translation>正弦波</translation>
    </message>
    <message>
        <source>White Noise</source>
        <translation>白噪声</translation>
    </message>
    <message>
        <source>Filtered Noise</source>
        <translation>低通滤波噪声</translation>
    </message>
    <message>
        <source>Square Wave</source>
        <translation>方波</translation>
    </message>
    <message>
        <source>DSB-SC</source>
        <translation>DSB-SC</translation>
    </message>
    <message>
        <source>AM</source>
        <translation>AM</translation>
    </message>
    <message>
        <source>FM</source>
        <translation>FM</translation>
    </message>
    <message>
        <source>PM</source>
        <translation>PM</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Cont</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Class guide</source>
        <translation>课堂指南</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>接收机</translation>
    </message>
    <message>
        <source>Colours for colour-blind eyes</source>
        <translation>色盲友好配色</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
</context>
<context>
    <name>PictureWords</name>
    <message>
        <source>Hidden: nothing is drawn</source>
        <translation>已隐藏：未绘制任何内容</translation>
    </message>
    <message>
        <source>Empty: nothing to read</source>
        <translation>空白：没有可读取的内容</translation>
    </message>
    <message>
        <source>Peaks, strongest first: %1</source>
        <translation>峰值，由强到弱：%1</translation>
    </message>
    <message>
        <source>No clear peak</source>
        <translation>没有明显的峰值</translation>
    </message>
    <message>
        <source>Peak to peak %1</source>
        <translation>峰峰值 %1</translation>
    </message>
    <message>
        <source>Peak to peak %1; its crests repeat at %2</source>
        <translation>峰峰值 %1；波峰以 %2 重复</translation>
    </message>
    <message>
        <source>No further peak</source>
        <translation>没有更多峰值</translation>
    </message>
    <message>
        <source>Left, Right, Page Up, Page Down, Home, End: move the readout cursor; N, P: next or previous peak; D: say what the picture shows; Escape: put the cursor away</source>
        <translation>左、右、Page Up、Page Down、Home、End：移动读数光标；N、P：下一个或上一个峰值；D：说出图中显示的内容；Esc：收起光标</translation>
    </message>
</context>
<context>
    <name>Readout</name>
    <message>
        <source>memory</source>
        <translation>存储</translation>
    </message>
    <message>
        <source>no signal</source>
        <translation>无信号</translation>
    </message>
</context>
<context>
    <name>Receiver</name>
    <message>
        <source>Envelope</source>
        <translation>包络</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>乘积</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>频率</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>相位</translation>
    </message>
    <message>
        <source>Received signal</source>
        <translation>接收信号</translation>
    </message>
    <message>
        <source>Recovered message</source>
        <translation>恢复的消息</translation>
    </message>
    <message>
        <source>Detector</source>
        <translation>检波器</translation>
    </message>
    <message>
        <source>Local oscillator phase</source>
        <translation>本振相位</translation>
    </message>
    <message>
        <source>Channel noise</source>
        <translation>信道噪声</translation>
    </message>
    <message>
        <source>S/N</source>
        <translation>信噪比</translation>
    </message>
    <message>
        <source>Quorvane: receiver</source>
        <translation>Quorvane：接收机</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
</context>
</TS>
