<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CommandLine</name>
    <message>
        <source>Classroom demonstration of analogue modulation.</source>
        <translation>Demostración en clase de la modulación analógica.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Muestra la ayuda sobre las opciones de la línea de órdenes.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado «%1».</translation>
    </message>
</context>
<context>
    <name>ControlHelp</name>
    <message>
        <source>Message signal</source>
        <translation>Señal moduladora</translation>
    </message>
    <message>
        <source>Time trace of the message signal, in dark green</source>
        <translation>Traza temporal de la señal moduladora, en verde oscuro</translation>
    </message>
    <message>
        <source>Message spectrum</source>
        <translation>Espectro de la señal moduladora</translation>
    </message>
    <message>
        <source>Averaged spectrum of the message, in dark green</source>
        <translation>Espectro promediado de la señal moduladora, en verde oscuro</translation>
    </message>
    <message>
        <source>Carrier</source>
        <translation>Portadora</translation>
    </message>
    <message>
        <source>Time trace of the carrier, in purple</source>
        <translation>Traza temporal de la portadora, en morado</translation>
    </message>
    <message>
        <source>Modulated signal</source>
        <translation>Señal modulada</translation>
    </message>
    <message>
        <source>Time trace of the modulated signal, in dark blue</source>
        <translation>Traza temporal de la señal modulada, en azul oscuro</translation>
    </message>
    <message>
        <source>Modulated spectrum</source>
        <translation>Espectro de la señal modulada</translation>
    </message>
    <message>
        <source>Averaged spectrum of the modulated signal, in dark blue</source>
        <translation>Espectro promediado de la señal modulada, en azul oscuro</translation>
    </message>
    <message>
        <source>Time scroll</source>
        <translation>Desplazamiento temporal</translation>
    </message>
    <message>
        <source>Where the shown stretch of the time traces begins</source>
        <translation>Dónde empieza el tramo mostrado de las trazas temporales</translation>
    </message>
    <message>
        <source>Time scroll, 0 to 16: to the right the traces start later in the signal</source>
        <translation>Desplazamiento temporal, 0 a 16: hacia la derecha las trazas empiezan más tarde en la señal</translation>
    </message>
    <message>
        <source>Time zoom</source>
        <translation>Zoom temporal</translation>
    </message>
    <message>
        <source>How many samples the time traces span</source>
        <translation>Cuántas muestras abarcan las trazas temporales</translation>
    </message>
    <message>
        <source>Time zoom, 1 to 4: to the right zooms out and shows more of the signal</source>
        <translation>Zoom temporal, 1 a 4: hacia la derecha se aleja y muestra más de la señal</translation>
    </message>
    <message>
        <source>The message signal: a sine, noise or a square wave</source>
        <translation>La señal moduladora: senoidal, ruido u onda cuadrada</translation>
    </message>
    <message>
        <source>Message frequency, 2.5 to 10 Hz</source>
        <translation>Frecuencia de la señal moduladora, 2,5 a 10 Hz</translation>
    </message>
    <message>
        <source>The message frequency in Hz</source>
        <translation>La frecuencia de la señal moduladora en Hz</translation>
    </message>
    <message>
        <source>Carrier frequency, 32 to 128 Hz</source>
        <translation>Frecuencia de la portadora, 32 a 128 Hz</translation>
    </message>
    <message>
        <source>The carrier frequency in Hz</source>
        <translation>La frecuencia de la portadora en Hz</translation>
    </message>
    <message>
        <source>How the message modulates the carrier</source>
        <translation>Cómo la señal moduladora modula la portadora</translation>
    </message>
    <message>
        <source>The up arrow raises the modulation depth</source>
        <translation>La flecha de arriba sube el índice de modulación</translation>
    </message>
    <message>
        <source>Modulation depth, 0.2 to 2: the upper arrow raises it, the lower arrow lowers it</source>
        <translation>Índice de modulación, 0,2 a 2: la flecha de arriba lo sube, la de abajo lo baja</translation>
    </message>
    <message>
        <source>The modulation depth</source>
        <translation>El índice de modulación</translation>
    </message>
    <message>
        <source>Two-Sided Spectra</source>
        <translation>Espectros bilaterales</translation>
    </message>
    <message>
        <source>Show the spectra from −125.7 to 125.5 Hz, zero in the middle, instead of from 0 to 251.2 Hz</source>
        <translation>Mostrar los espectros de −125,7 a 125,5 Hz, con el cero en el centro, en vez de 0 a 251,2 Hz</translation>
    </message>
    <message>
        <source>Linear Plots</source>
        <translation>Escala lineal</translation>
    </message>
    <message>
        <source>Show the spectra on a linear power scale instead of a logarithmic one</source>
        <translation>Mostrar los espectros en una escala de potencia lineal en vez de logarítmica</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Memoria</translation>
    </message>
    <message>
        <source>Freezes a copy of each spectrum, drawn in brown</source>
        <translation>Congela una copia de cada espectro, dibujada en marrón</translation>
    </message>
    <message>
        <source>Freeze a copy of both spectra, drawn in brown, to compare with; click again to let it go</source>
        <translation>Congelar una copia de ambos espectros, dibujada en marrón, para comparar; pulsar de nuevo para soltarla</translation>
    </message>
    <message>
        <source>Freezes a copy of each spectrum, drawn in plum</source>
        <translation>Congela una copia de cada espectro, dibujada en color ciruela</translation>
    </message>
    <message>
        <source>Freeze a copy of both spectra, drawn in plum, to compare with; click again to let it go</source>
        <translation>Congelar una copia de ambos espectros, dibujada en color ciruela, para comparar; pulsar de nuevo para soltarla</translation>
    </message>
    <message>
        <source>Modulated trace</source>
        <translation>Traza de la señal modulada</translation>
    </message>
    <message>
        <source>Shows the time trace of the modulated signal</source>
        <translation>Muestra la traza temporal de la señal modulada</translation>
    </message>
    <message>
        <source>Show the modulated signal</source>
        <translation>Mostrar la señal modulada</translation>
    </message>
    <message>
        <source>Modulated spectrum trace</source>
        <translation>Traza del espectro modulado</translation>
    </message>
    <message>
        <source>Shows the live spectrum of the modulated signal</source>
        <translation>Muestra el espectro en vivo de la señal modulada</translation>
    </message>
    <message>
        <source>Show the live modulated spectrum</source>
        <translation>Mostrar el espectro modulado en vivo</translation>
    </message>
    <message>
        <source>Quorvane logo</source>
        <translation>Logotipo de Quorvane</translation>
    </message>
    <message>
        <source>Pause the display: the pictures stand still</source>
        <translation>Pausar la visualización: las imágenes se detienen</translation>
    </message>
    <message>
        <source>Continue the display</source>
        <translation>Reanudar la visualización</translation>
    </message>
    <message>
        <source>F1: class guide</source>
        <translation>F1: guía para la clase</translation>
    </message>
    <message>
        <source>Message type</source>
        <translation>Tipo de señal moduladora</translation>
    </message>
    <message>
        <source>Message frequency</source>
        <translation>Frecuencia de la señal moduladora</translation>
    </message>
    <message>
        <source>Message frequency, Hz</source>
        <translation>Frecuencia de la señal moduladora, Hz</translation>
    </message>
    <message>
        <source>Carrier frequency</source>
        <translation>Frecuencia de la portadora</translation>
    </message>
    <message>
        <source>Carrier frequency, Hz</source>
        <translation>Frecuencia de la portadora, Hz</translation>
    </message>
    <message>
        <source>Modulation scheme</source>
        <translation>Tipo de modulación</translation>
    </message>
    <message>
        <source>Modulation depth</source>
        <translation>Índice de modulación</translation>
    </message>
    <message>
        <source>Modulation depth value</source>
        <translation>Valor del índice de modulación</translation>
    </message>
    <message>
        <source>Message controls</source>
        <translation>Ajustes de la señal moduladora</translation>
    </message>
    <message>
        <source>Carrier controls</source>
        <translation>Ajustes de la portadora</translation>
    </message>
    <message>
        <source>Modulation controls</source>
        <translation>Ajustes de la modulación</translation>
    </message>
    <message>
        <source>Readout cursor</source>
        <translation>Cursor de lectura</translation>
    </message>
    <message>
        <source>Received signal</source>
        <translation>Señal recibida</translation>
    </message>
    <message>
        <source>Time trace of the modulated signal with the channel&apos;s noise, in dark blue</source>
        <translation>Traza temporal de la señal modulada con el ruido del canal, en azul oscuro</translation>
    </message>
    <message>
        <source>Recovered message</source>
        <translation>Mensaje recuperado</translation>
    </message>
    <message>
        <source>Detector</source>
        <translation>Detector</translation>
    </message>
    <message>
        <source>How the receiver gets the message back: envelope, product, frequency or phase detector</source>
        <translation>Cómo recupera el receptor el mensaje: detector de envolvente, de producto, de frecuencia o de fase</translation>
    </message>
    <message>
        <source>Local oscillator phase</source>
        <translation>Fase del oscilador local</translation>
    </message>
    <message>
        <source>Phase of the product detector&apos;s local carrier, 0 to 180 degrees, in steps of 15</source>
        <translation>Fase de la portadora local del detector de producto, de 0 a 180 grados, en pasos de 15</translation>
    </message>
    <message>
        <source>Local oscillator phase, degrees</source>
        <translation>Fase del oscilador local, grados</translation>
    </message>
    <message>
        <source>The local oscillator&apos;s phase in degrees</source>
        <translation>La fase del oscilador local en grados</translation>
    </message>
    <message>
        <source>Channel noise</source>
        <translation>Ruido del canal</translation>
    </message>
    <message>
        <source>Noise added on the way: none, then 30 to -15 dB below the signal&apos;s power; to the right the noise grows</source>
        <translation>Ruido añadido en el camino: ninguno, luego de 30 a -15 dB por debajo de la potencia de la señal; hacia la derecha el ruido crece</translation>
    </message>
    <message>
        <source>Channel noise, dB below the signal</source>
        <translation>Ruido del canal, dB por debajo de la señal</translation>
    </message>
    <message>
        <source>How far the channel&apos;s noise lies below the received signal&apos;s power</source>
        <translation>Cuánto queda el ruido del canal por debajo de la potencia de la señal recibida</translation>
    </message>
    <message>
        <source>Signal-to-noise ratio, dB</source>
        <translation>Relación señal/ruido, dB</translation>
    </message>
    <message>
        <source>Signal-to-noise ratio of the recovered message in dB, averaged since the last change</source>
        <translation>Relación señal/ruido del mensaje recuperado en dB, promediada desde el último cambio</translation>
    </message>
    <message>
        <source>The detector&apos;s output in magenta over the message in dark green, on the message&apos;s scale</source>
        <translation>La salida del detector en magenta sobre la señal moduladora en verde oscuro, a la escala de la señal moduladora</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Modulation Demonstrator</source>
        <translation>Demostrador de modulación</translation>
    </message>
    <message>
        <source>Watch analogue modulation happen: message, carrier, modulated signal and spectra</source>
        <translation>Observa la modulación analógica: señal moduladora, portadora, señal modulada y espectros</translation>
    </message>
    <message>
        <source>modulation;analogue;analog;AM;FM;PM;DSB-SC;amplitude;frequency;phase;carrier;signal;spectrum;FFT;noise;telecommunications;radio;electronics;</source>
        <translation>modulación;analógica;AM;FM;PM;DSB-SC;amplitud;frecuencia;fase;portadora;señal;espectro;FFT;ruido;telecomunicaciones;radio;electrónica;</translation>
    </message>
    <message>
        <source>Watch analogue modulation happen</source>
        <translation>Observa la modulación analógica</translation>
    </message>
    <message>
        <source>Quorvane is a classroom demonstration of analogue modulation. One window shows, ten times a second, a message signal, its spectrum, a carrier, the modulated signal and the modulated signal&apos;s spectrum, so that a change to any setting can be seen at once in both time and frequency.</source>
        <translation>Quorvane es una demostración de modulación analógica para el aula. Una ventana muestra, diez veces por segundo, una señal moduladora, su espectro, una portadora, la señal modulada y el espectro de la señal modulada, de modo que cualquier cambio de ajuste se ve al instante tanto en el tiempo como en la frecuencia.</translation>
    </message>
    <message>
        <source>Messages: sine wave, white noise, filtered noise and square wave</source>
        <translation>Señales moduladoras: senoidal, ruido blanco, ruido filtrado y onda cuadrada</translation>
    </message>
    <message>
        <source>Schemes: DSB-SC, AM, FM and PM</source>
        <translation>Tipos de modulación: DSB-SC, AM, FM y PM</translation>
    </message>
    <message>
        <source>Message frequency, carrier frequency and modulation depth on scroll bars</source>
        <translation>Frecuencia de la moduladora, frecuencia de la portadora e índice de modulación en barras de desplazamiento</translation>
    </message>
    <message>
        <source>A pause button to hold a frame still</source>
        <translation>Un botón de pausa para detener un cuadro</translation>
    </message>
    <message>
        <source>Averaged spectra, logarithmic or linear, one- or two-sided</source>
        <translation>Espectros promediados, logarítmicos o lineales, unilaterales o bilaterales</translation>
    </message>
    <message>
        <source>A frozen memory trace to compare a change against</source>
        <translation>Una traza de memoria congelada para comparar un cambio</translation>
    </message>
    <message>
        <source>modulation</source>
        <translation>modulación</translation>
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
        <translation>espectro</translation>
    </message>
    <message>
        <source>carrier</source>
        <translation>portadora</translation>
    </message>
    <message>
        <source>signal</source>
        <translation>señal</translation>
    </message>
    <message>
        <source>An AM signal beside its message and carrier</source>
        <translation>Una señal AM junto a su señal moduladora y su portadora</translation>
    </message>
</context>
<context>
    <name>GuideWindow</name>
    <message>
        <source>Quorvane: class guide</source>
        <translation>Quorvane: guía para la clase</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Signal Type</source>
        <translation>Señal</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Carrier</source>
        <translation>Portadora</translation>
    </message>
    <message>
        <source>Modulation</source>
        <translation>Modulación</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>Two-Sided Spectra</source>
        <translation>Espectros bilaterales</translation>
    </message>
    <message>
        <source>Linear Plots</source>
        <translation>Escala lineal</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Memoria</translation>
    </message>
    <message>
        <source>Sine Wave</source>
        <translation>Senoidal</translation>
    </message>
    <message>
        <source>White Noise</source>
        <translation>Ruido blanco</translation>
    </message>
    <message>
        <source>Filtered Noise</source>
        <translation>Ruido filtrado</translation>
    </message>
    <message>
        <source>Square Wave</source>
        <translation>Cuadrada</translation>
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
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Cont</source>
        <translation>Seguir</translation>
    </message>
    <message>
        <source>Class guide</source>
        <translation>Guía para la clase</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Receptor</translation>
    </message>
    <message>
        <source>Colours for colour-blind eyes</source>
        <translation>Colores para daltónicos</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
</context>
<context>
    <name>PictureWords</name>
    <message>
        <source>Hidden: nothing is drawn</source>
        <translation>Oculto: no se dibuja nada</translation>
    </message>
    <message>
        <source>Empty: nothing to read</source>
        <translation>Vacío: nada que leer</translation>
    </message>
    <message>
        <source>Peaks, strongest first: %1</source>
        <translation>Picos, el más fuerte primero: %1</translation>
    </message>
    <message>
        <source>No clear peak</source>
        <translation>Ningún pico claro</translation>
    </message>
    <message>
        <source>Peak to peak %1</source>
        <translation>Pico a pico %1</translation>
    </message>
    <message>
        <source>Peak to peak %1; its crests repeat at %2</source>
        <translation>Pico a pico %1; sus crestas se repiten a %2</translation>
    </message>
    <message>
        <source>No further peak</source>
        <translation>No hay más picos</translation>
    </message>
    <message>
        <source>Left, Right, Page Up, Page Down, Home, End: move the readout cursor; N, P: next or previous peak; D: say what the picture shows; Escape: put the cursor away</source>
        <translation>Izquierda, Derecha, Re Pág, Av Pág, Inicio, Fin: mover el cursor de lectura; N, P: pico siguiente o anterior; D: decir lo que muestra la imagen; Esc: quitar el cursor</translation>
    </message>
</context>
<context>
    <name>Readout</name>
    <message>
        <source>memory</source>
        <translation>memoria</translation>
    </message>
    <message>
        <source>no signal</source>
        <translation>sin señal</translation>
    </message>
</context>
<context>
    <name>Receiver</name>
    <message>
        <source>Envelope</source>
        <translation>Envolvente</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Producto</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Fase</translation>
    </message>
    <message>
        <source>Received signal</source>
        <translation>Señal recibida</translation>
    </message>
    <message>
        <source>Recovered message</source>
        <translation>Mensaje recuperado</translation>
    </message>
    <message>
        <source>Detector</source>
        <translation>Detector</translation>
    </message>
    <message>
        <source>Local oscillator phase</source>
        <translation>Fase del oscilador local</translation>
    </message>
    <message>
        <source>Channel noise</source>
        <translation>Ruido del canal</translation>
    </message>
    <message>
        <source>S/N</source>
        <translation>S/R</translation>
    </message>
    <message>
        <source>Quorvane: receiver</source>
        <translation>Quorvane: receptor</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
</context>
</TS>
