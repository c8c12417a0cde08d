<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CommandLine</name>
    <message>
        <source>Classroom demonstration of analogue modulation.</source>
        <translation>Demonstração em sala de aula da modulação analógica.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Mostra a ajuda sobre as opções da linha de comando.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado “%1”.</translation>
    </message>
</context>
<context>
    <name>ControlHelp</name>
    <message>
        <source>Message signal</source>
        <translation>Sinal modulante</translation>
    </message>
    <message>
        <source>Time trace of the message signal, in dark green</source>
        <translation>Traço temporal do sinal modulante, em verde-escuro</translation>
    </message>
    <message>
        <source>Message spectrum</source>
        <translation>Espectro do sinal modulante</translation>
    </message>
    <message>
        <source>Averaged spectrum of the message, in dark green</source>
        <translation>Espectro médio do sinal modulante, em verde-escuro</translation>
    </message>
    <message>
        <source>Carrier</source>
        <translation>Portadora</translation>
    </message>
    <message>
        <source>Time trace of the carrier, in purple</source>
        <translation>Traço temporal da portadora, em roxo</translation>
    </message>
    <message>
        <source>Modulated signal</source>
        <translation>Sinal modulado</translation>
    </message>
    <message>
        <source>Time trace of the modulated signal, in dark blue</source>
        <translation>Traço temporal do sinal modulado, em azul-escuro</translation>
    </message>
    <message>
        <source>Modulated spectrum</source>
        <translation>Espectro do sinal modulado</translation>
    </message>
    <message>
        <source>Averaged spectrum of the modulated signal, in dark blue</source>
        <translation>Espectro médio do sinal modulado, em azul-escuro</translation>
    </message>
    <message>
        <source>Time scroll</source>
        <translation>Deslocamento no tempo</translation>
    </message>
    <message>
        <source>Where the shown stretch of the time traces begins</source>
        <translation>Onde começa o trecho mostrado dos traços temporais</translation>
    </message>
    <message>
        <source>Time scroll, 0 to 16: to the right the traces start later in the signal</source>
        <translation>Deslocamento no tempo, 0 a 16: para a direita os traços começam mais tarde no sinal</translation>
    </message>
    <message>
        <source>Time zoom</source>
        <translation>Zoom no tempo</translation>
    </message>
    <message>
        <source>How many samples the time traces span</source>
        <translation>Quantas amostras os traços temporais abrangem</translation>
    </message>
    <message>
        <source>Time zoom, 1 to 4: to the right zooms out and shows more of the signal</source>
        <translation>Zoom no tempo, 1 a 4: para a direita afasta e mostra mais do sinal</translation>
    </message>
    <message>
        <source>The message signal: a sine, noise or a square wave</source>
        <translation>O sinal modulante: senoide, ruído ou onda quadrada</translation>
    </message>
    <message>
        <source>Message frequency, 2.5 to 10 Hz</source>
        <translation>Frequência do sinal modulante, 2,5 a 10 Hz</translation>
    </message>
    <message>
        <source>The message frequency in Hz</source>
        <translation>A frequência do sinal modulante em Hz</translation>
    </message>
    <message>
        <source>Carrier frequency, 32 to 128 Hz</source>
        <translation>Frequência da portadora, 32 a 128 Hz</translation>
    </message>
    <message>
        <source>The carrier frequency in Hz</source>
        <translation>A frequência da portadora em Hz</translation>
    </message>
    <message>
        <source>How the message modulates the carrier</source>
        <translation>Como o sinal modulante modula a portadora</translation>
    </message>
    <message>
        <source>The up arrow raises the modulation depth</source>
        <translation>A seta para cima aumenta o índice de modulação</translation>
    </message>
    <message>
        <source>Modulation depth, 0.2 to 2: the upper arrow raises it, the lower arrow lowers it</source>
        <translation>Índice de modulação, 0,2 a 2: a seta de cima aumenta, a de baixo diminui</translation>
    </message>
    <message>
        <source>The modulation depth</source>
        <translation>O índice de modulação</translation>
    </message>
    <message>
        <source>Two-Sided Spectra</source>
        <translation>Espectros bilaterais</translation>
    </message>
    <message>
        <source>Show the spectra from −125.7 to 125.5 Hz, zero in the middle, instead of from 0 to 251.2 Hz</source>
        <translation>Mostrar os espectros de −125,7 a 125,5 Hz, com o zero no meio, em vez de 0 a 251,2 Hz</translation>
    </message>
    <message>
        <source>Linear Plots</source>
        <translation>Escala linear</translation>
    </message>
    <message>
        <source>Show the spectra on a linear power scale instead of a logarithmic one</source>
        <translation>Mostrar os espectros em uma escala de potência linear em vez de logarítmica</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Memória</translation>
    </message>
    <message>
        <source>Freezes a copy of each spectrum, drawn in brown</source>
        <translation>Congela uma cópia de cada espectro, desenhada em marrom</translation>
    </message>
    <message>
        <source>Freeze a copy of both spectra, drawn in brown, to compare with; click again to let it go</source>
        <translation>Congelar uma cópia dos dois espectros, desenhada em marrom, para comparar; clicar de novo para liberá-la</translation>
    </message>
    <message>
        <source>Freezes a copy of each spectrum, drawn in plum</source>
        <translation>Congela uma cópia de cada espectro, desenhada em cor de ameixa</translation>
    </message>
    <message>
        <source>Freeze a copy of both spectra, drawn in plum, to compare with; click again to let it go</source>
        <translation>Congelar uma cópia dos dois espectros, desenhada em cor de ameixa, para comparar; clicar de novo para liberá-la</translation>
    </message>
    <message>
        <source>Modulated trace</source>
        <translation>Traço do sinal modulado</translation>
    </message>
    <message>
        <source>Shows the time trace of the modulated signal</source>
        <translation>Mostra o traço temporal do sinal modulado</translation>
    </message>
    <message>
        <source>Show the modulated signal</source>
        <translation>Mostrar o sinal modulado</translation>
    </message>
    <message>
        <source>Modulated spectrum trace</source>
        <translation>Traço do espectro modulado</translation>
    </message>
    <message>
        <source>Shows the live spectrum of the modulated signal</source>
        <translation>Mostra o espectro ao vivo do sinal modulado</translation>
    </message>
    <message>
        <source>Show the live modulated spectrum</source>
        <translation>Mostrar o espectro modulado ao vivo</translation>
    </message>
    <message>
        <source>Quorvane logo</source>
        <translation>Logotipo do Quorvane</translation>
    </message>
    <message>
        <source>Pause the display: the pictures stand still</source>
        <translation>Pausar a exibição: as imagens param</translation>
    </message>
    <message>
        <source>Continue the display</source>
        <translation>Continuar a exibição</translation>
    </message>
    <message>
        <source>F1: class guide</source>
        <translation>F1: guia de aula</translation>
    </message>
    <message>
        <source>Message type</source>
        <translation>Tipo de sinal modulante</translation>
    </message>
    <message>
        <source>Message frequency</source>
        <translation>Frequência do sinal modulante</translation>
    </message>
    <message>
        <source>Message frequency, Hz</source>
        <translation>Frequência do sinal modulante, Hz</translation>
    </message>
    <message>
        <source>Carrier frequency</source>
        <translation>Frequência da portadora</translation>
    </message>
    <message>
        <source>Carrier frequency, Hz</source>
        <translation>Frequência da portadora, Hz</translation>
    </message>
    <message>
        <source>Modulation scheme</source>
        <translation>Tipo de modulação</translation>
    </message>
    <message>
        <source>Modulation depth</source>
        <translation>Índice de modulação</translation>
    </message>
    <message>
        <source>Modulation depth value</source>
        <translation>Valor do índice de modulação</translation>
    </message>
    <message>
        <source>Message controls</source>
        <translation>Ajustes do sinal modulante</translation>
    </message>
    <message>
        <source>Carrier controls</source>
        <translation>Ajustes da portadora</translation>
    </message>
    <message>
        <source>Modulation controls</source>
        <translation>Ajustes da modulação</translation>
    </message>
    <message>
        <source>Readout cursor</source>
        <translation>Cursor de leitura</translation>
    </message>
    <message>
        <source>Received signal</source>
        <translation>Sinal recebido</translation>
    </message>
    <message>
        <source>Time trace of the modulated signal with the channel&apos;s noise, in dark blue</source>
        <translation>Traço temporal do sinal modulado com o ruído do canal, em azul-escuro</translation>
    </message>
    <message>
        <source>Recovered message</source>
        <translation>Mensagem recuperada</translation>
    </message>
    <message>
        <source>Detector</source>
        <translation>Detector</translation>
    </message>
    <message>
        <source>How the receiver gets the message back: envelope, product, frequency or phase detector</source>
        <translation>Como o receptor recupera a mensagem: detector de envoltória, de produto, de frequência ou de fase</translation>
    </message>
    <message>
        <source>Local oscillator phase</source>
        <translation>Fase do oscilador local</translation>
    </message>
    <message>
        <source>Phase of the product detector&apos;s local carrier, 0 to 180 degrees, in steps of 15</source>
        <translation>Fase da portadora local do detector de produto, de 0 a 180 graus, em passos de 15</translation>
    </message>
    <message>
        <source>Local oscillator phase, degrees</source>
        <translation>Fase do oscilador local, graus</translation>
    </message>
    <message>
        <source>The local oscillator&apos;s phase in degrees</source>
        <translation>A fase do oscilador local em graus</translation>
    </message>
    <message>
        <source>Channel noise</source>
        <translation>Ruído do canal</translation>
    </message>
    <message>
        <source>Noise added on the way: none, then 30 to -15 dB below the signal&apos;s power; to the right the noise grows</source>
        <translation>Ruído acrescentado no caminho: nenhum, depois de 30 a -15 dB abaixo da potência do sinal; para a direita o ruído aumenta</translation>
    </message>
    <message>
        <source>Channel noise, dB below the signal</source>
        <translation>Ruído do canal, dB abaixo do sinal</translation>
    </message>
    <message>
        <source>How far the channel&apos;s noise lies below the received signal&apos;s power</source>
        <translation>Quanto o ruído do canal fica abaixo da potência do sinal recebido</translation>
    </message>
    <message>
        <source>Signal-to-noise ratio, dB</source>
        <translation>Relação sinal-ruído, dB</translation>
    </message>
    <message>
        <source>Signal-to-noise ratio of the recovered message in dB, averaged since the last change</source>
        <translation>Relação sinal-ruído da mensagem recuperada em dB, média desde a última alteração</translation>
    </message>
    <message>
        <source>The detector&apos;s output in magenta over the message in dark green, on the message&apos;s scale</source>
        <translation>A saída do detector em magenta sobre o sinal modulante em verde-escuro, na escala do sinal modulante</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Modulation Demonstrator</source>
        <translation>Demonstrador de modulação</translation>
    </message>
    <message>
        <source>Watch analogue modulation happen: message, carrier, modulated signal and spectra</source>
        <translation>Observe a modulação analógica em ação: sinal modulante, portadora, sinal modulado e espectros</translation>
    </message>
    <message>
        <source>modulation;analogue;analog;AM;FM;PM;DSB-SC;amplitude;frequency;phase;carrier;signal;spectrum;FFT;noise;telecommunications;radio;electronics;</source>
        <translation>modulação;analógica;AM;FM;PM;DSB-SC;amplitude;frequência;fase;portadora;sinal;espectro;FFT;ruído;telecomunicações;rádio;eletrônica;</translation>
    </message>
    <message>
        <source>Watch analogue modulation happen</source>
        <translation>Observe a modulação analógica em ação</translation>
    </message>
    <message>
        <source>Quorvane is a classroom demonstration of analogue modulation. One window shows, ten times a second, a message signal, its spectrum, a carrier, the modulated signal and the modulated signal&apos;s spectrum, so that a change to any setting can be seen at once in both time and frequency.</source>
        <translation>Quorvane é uma demonstração de modulação analógica para a sala de aula. Uma janela mostra, dez vezes por segundo, um sinal modulante, seu espectro, uma portadora, o sinal modulado e o espectro do sinal modulado, de modo que qualquer mudança de ajuste aparece na hora, tanto no tempo quanto na frequência.</translation>
    </message>
    <message>
        <source>Messages: sine wave, white noise, filtered noise and square wave</source>
        <translation>Sinais modulantes: senoide, ruído branco, ruído filtrado e onda quadrada</translation>
    </message>
    <message>
        <source>Schemes: DSB-SC, AM, FM and PM</source>
        <translation>Tipos de modulação: DSB-SC, AM, FM e PM</translation>
    </message>
    <message>
        <source>Message frequency, carrier frequency and modulation depth on scroll bars</source>
        <translation>Frequência do sinal modulante, frequência da portadora e índice de modulação em barras de rolagem</translation>
    </message>
    <message>
        <source>A pause button to hold a frame still</source>
        <translation>Um botão de pausa para congelar um quadro</translation>
    </message>
    <message>
        <source>Averaged spectra, logarithmic or linear, one- or two-sided</source>
        <translation>Espectros médios, logarítmicos ou lineares, unilaterais ou bilaterais</translation>
    </message>
    <message>
        <source>A frozen memory trace to compare a change against</source>
        <translation>Um traço de memória congelado para comparar com uma mudança</translation>
    </message>
    <message>
        <source>modulation</source>
        <translation>modulação</translation>
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
        <translation>sinal</translation>
    </message>
    <message>
        <source>An AM signal beside its message and carrier</source>
        <translation>Um sinal AM ao lado do seu sinal modulante e da sua portadora</translation>
    </message>
</context>
<context>
    <name>GuideWindow</name>
    <message>
        <source>Quorvane: class guide</source>
        <translation>Quorvane: guia de aula</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Signal Type</source>
        <translation>Sinal</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequência</translation>
    </message>
    <message>
        <source>Carrier</source>
        <translation>Portadora</translation>
    </message>
    <message>
        <source>Modulation</source>
        <translation>Modulação</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>Two-Sided Spectra</source>
        <translation>Espectros bilaterais</translation>
    </message>
    <message>
        <source>Linear Plots</source>
        <translation>Escala linear</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Memória</translation>
    </message>
    <message>
        <source>Sine Wave</source>
        <translation>Senoide</translation>
    </message>
    <message>
        <source>White Noise</source>
        <translation>Ruído branco</translation>
    </message>
    <message>
        <source>Filtered Noise</source>
        <translation>Ruído filtrado</translation>
    </message>
    <message>
        <source>Square Wave</source>
        <translation>Quadrada</translation>
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
        <translation>Rodar</translation>
    </message>
    <message>
        <source>Class guide</source>
        <translation>Guia de aula</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Receptor</translation>
    </message>
    <message>
        <source>Colours for colour-blind eyes</source>
        <translation>Cores para daltônicos</translation>
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
        <translation>Oculto: nada é desenhado</translation>
    </message>
    <message>
        <source>Empty: nothing to read</source>
        <translation>Vazio: nada para ler</translation>
    </message>
    <message>
        <source>Peaks, strongest first: %1</source>
        <translation>Picos, o mais forte primeiro: %1</translation>
    </message>
    <message>
        <source>No clear peak</source>
        <translation>Nenhum pico nítido</translation>
    </message>
    <message>
        <source>Peak to peak %1</source>
        <translation>Pico a pico %1</translation>
    </message>
    <message>
        <source>Peak to peak %1; its crests repeat at %2</source>
        <translation>Pico a pico %1; suas cristas se repetem a %2</translation>
    </message>
    <message>
        <source>No further peak</source>
        <translation>Não há mais picos</translation>
    </message>
    <message>
        <source>Left, Right, Page Up, Page Down, Home, End: move the readout cursor; N, P: next or previous peak; D: say what the picture shows; Escape: put the cursor away</source>
        <translation>Esquerda, Direita, Page Up, Page Down, Home, End: mover o cursor de leitura; N, P: pico seguinte ou anterior; D: dizer o que a imagem mostra; Esc: recolher o cursor</translation>
    </message>
</context>
<context>
    <name>Readout</name>
    <message>
        <source>memory</source>
        <translation>memória</translation>
    </message>
    <message>
        <source>no signal</source>
        <translation>sem sinal</translation>
    </message>
</context>
<context>
    <name>Receiver</name>
    <message>
        <source>Envelope</source>
        <translation>Envoltória</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Produto</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequência</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Fase</translation>
    </message>
    <message>
        <source>Received signal</source>
        <translation>Sinal recebido</translation>
    </message>
    <message>
        <source>Recovered message</source>
        <translation>Mensagem recuperada</translation>
    </message>
    <message>
        <source>Detector</source>
        <translation>Detector</translation>
    </message>
    <message>
        <source>Local oscillator phase</source>
        <translation>Fase do oscilador local</translation>
    </message>
    <message>
        <source>Channel noise</source>
        <translation>Ruído do canal</translation>
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
        <translation>nenhum</translation>
    </message>
</context>
</TS>
