<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CommandLine</name>
    <message>
        <source>Classroom demonstration of analogue modulation.</source>
        <translation>Unterrichtsvorführung der analogen Modulation.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt die Hilfe zu den Befehlszeilenoptionen an.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
</context>
<context>
    <name>ControlHelp</name>
    <message>
        <source>Message signal</source>
        <translation>Nachrichtensignal</translation>
    </message>
    <message>
        <source>Time trace of the message signal, in dark green</source>
        <translation>Zeitverlauf des Nachrichtensignals, in Dunkelgrün</translation>
    </message>
    <message>
        <source>Message spectrum</source>
        <translation>Spektrum der Nachricht</translation>
    </message>
    <message>
        <source>Averaged spectrum of the message, in dark green</source>
        <translation>Gemitteltes Spektrum der Nachricht, in Dunkelgrün</translation>
    </message>
    <message>
        <source>Carrier</source>
        <translation>Träger</translation>
    </message>
    <message>
        <source>Time trace of the carrier, in purple</source>
        <translation>Zeitverlauf des Trägers, in Violett</translation>
    </message>
    <message>
        <source>Modulated signal</source>
        <translation>Moduliertes Signal</translation>
    </message>
    <message>
        <source>Time trace of the modulated signal, in dark blue</source>
        <translation>Zeitverlauf des modulierten Signals, in Dunkelblau</translation>
    </message>
    <message>
        <source>Modulated spectrum</source>
        <translation>Spektrum des modulierten Signals</translation>
    </message>
    <message>
        <source>Averaged spectrum of the modulated signal, in dark blue</source>
        <translation>Gemitteltes Spektrum des modulierten Signals, in Dunkelblau</translation>
    </message>
    <message>
        <source>Time scroll</source>
        <translation>Zeitverschiebung</translation>
    </message>
    <message>
        <source>Where the shown stretch of the time traces begins</source>
        <translation>Wo der gezeigte Ausschnitt der Zeitverläufe beginnt</translation>
    </message>
    <message>
        <source>Time scroll, 0 to 16: to the right the traces start later in the signal</source>
        <translation>Zeitverschiebung, 0 bis 16: nach rechts beginnen die Verläufe später im Signal</translation>
    </message>
    <message>
        <source>Time zoom</source>
        <translation>Zeitmaßstab</translation>
    </message>
    <message>
        <source>How many samples the time traces span</source>
        <translation>Wie viele Abtastwerte die Zeitverläufe umfassen</translation>
    </message>
    <message>
        <source>Time zoom, 1 to 4: to the right zooms out and shows more of the signal</source>
        <translation>Zeitmaßstab, 1 bis 4: nach rechts wird mehr vom Signal gezeigt</translation>
    </message>
    <message>
        <source>The message signal: a sine, noise or a square wave</source>
        <translation>Das Nachrichtensignal: Sinus, Weißrauschen, TP-Rauschen oder Rechteck</translation>
    </message>
    <message>
        <source>Message frequency, 2.5 to 10 Hz</source>
        <translation>Nachrichtenfrequenz, 2,5 bis 10 Hz</translation>
    </message>
    <message>
        <source>The message frequency in Hz</source>
        <translation>Die Nachrichtenfrequenz in Hz</translation>
    </message>
    <message>
        <source>Carrier frequency, 32 to 128 Hz</source>
        <translation>Trägerfrequenz, 32 bis 128 Hz</translation>
    </message>
    <message>
        <source>The carrier frequency in Hz</source>
        <translation>Die Trägerfrequenz in Hz</translation>
    </message>
    <message>
        <source>How the message modulates the carrier</source>
        <translation>Wie die Nachricht den Träger moduliert</translation>
    </message>
    <message>
        <source>The up arrow raises the modulation depth</source>
        <translation>Der Pfeil nach oben erhöht die Modulationstiefe</translation>
    </message>
    <message>
        <source>Modulation depth, 0.2 to 2: the upper arrow raises it, the lower arrow lowers it</source>
        <translation>Modulationstiefe, 0,2 bis 2: der obere Pfeil erhöht sie, der untere senkt sie</translation>
    </message>
    <message>
        <source>The modulation depth</source>
        <translation>Die Modulationstiefe</translation>
    </message>
    <message>
        <source>Two-Sided Spectra</source>
        <translation>Spektren zweiseitig</translation>
    </message>
    <message>
        <source>Show the spectra from −125.7 to 125.5 Hz, zero in the middle, instead of from 0 to 251.2 Hz</source>
        <translation>Spektren von −125,7 bis 125,5 Hz zeigen, null in der Mitte, statt von 0 bis 251,2 Hz</translation>
    </message>
    <message>
        <source>Linear Plots</source>
        <translation>Lineare Skala</translation>
    </message>
    <message>
        <source>Show the spectra on a linear power scale instead of a logarithmic one</source>
        <translation>Spektren mit linearer statt logarithmischer Leistungsskala zeigen</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Speicher</translation>
    </message>
    <message>
        <source>Freezes a copy of each spectrum, drawn in brown</source>
        <translation>Hält eine Kopie jedes Spektrums fest, in Braun gezeichnet</translation>
    </message>
    <message>
        <source>Freeze a copy of both spectra, drawn in brown, to compare with; click again to let it go</source>
        <translation>Eine Kopie beider Spektren zum Vergleich festhalten, in Braun gezeichnet; erneut klicken gibt sie frei</translation>
    </message>
    <message>
        <source>Freezes a copy of each spectrum, drawn in plum</source>
        <translation>Hält eine Kopie jedes Spektrums fest, in Pflaumenfarbe gezeichnet</translation>
    </message>
    <message>
        <source>Freeze a copy of both spectra, drawn in plum, to compare with; click again to let it go</source>
        <translation>Eine Kopie beider Spektren zum Vergleich festhalten, in Pflaumenfarbe gezeichnet; erneut klicken gibt sie frei</translation>
    </message>
    <message>
        <source>Modulated trace</source>
        <translation>Verlauf des modulierten Signals</translation>
    </message>
    <message>
        <source>Shows the time trace of the modulated signal</source>
        <translation>Zeigt den Zeitverlauf des modulierten Signals</translation>
    </message>
    <message>
        <source>Show the modulated signal</source>
        <translation>Moduliertes Signal zeigen</translation>
    </message>
    <message>
        <source>Modulated spectrum trace</source>
        <translation>Verlauf des modulierten Spektrums</translation>
    </message>
    <message>
        <source>Shows the live spectrum of the modulated signal</source>
        <translation>Zeigt das laufende Spektrum des modulierten Signals</translation>
    </message>
    <message>
        <source>Show the live modulated spectrum</source>
        <translation>Laufendes moduliertes Spektrum zeigen</translation>
    </message>
    <message>
        <source>Quorvane logo</source>
        <translation>Quorvane-Logo</translation>
    </message>
    <message>
        <source>Pause the display: the pictures stand still</source>
        <translation>Anzeige anhalten: die Bilder stehen still</translation>
    </message>
    <message>
        <source>Continue the display</source>
        <translation>Anzeige fortsetzen</translation>
    </message>
    <message>
        <source>F1: class guide</source>
        <translation>F1: Unterrichtsleitfaden</translation>
    </message>
    <message>
        <source>Message type</source>
        <translation>Art des Nachrichtensignals</translation>
    </message>
    <message>
        <source>Message frequency</source>
        <translation>Nachrichtenfrequenz</translation>
    </message>
    <message>
        <source>Message frequency, Hz</source>
        <translation>Nachrichtenfrequenz, Hz</translation>
    </message>
    <message>
        <source>Carrier frequency</source>
        <translation>Trägerfrequenz</translation>
    </message>
    <message>
        <source>Carrier frequency, Hz</source>
        <translation>Trägerfrequenz, Hz</translation>
    </message>
    <message>
        <source>Modulation scheme</source>
        <translation>Modulationsart</translation>
    </message>
    <message>
        <source>Modulation depth</source>
        <translation>Modulationstiefe</translation>
    </message>
    <message>
        <source>Modulation depth value</source>
        <translation>Wert der Modulationstiefe</translation>
    </message>
    <message>
        <source>Message controls</source>
        <translation>Einstellungen des Nachrichtensignals</translation>
    </message>
    <message>
        <source>Carrier controls</source>
        <translation>Einstellungen des Trägers</translation>
    </message>
    <message>
        <source>Modulation controls</source>
        <translation>Einstellungen der Modulation</translation>
    </message>
    <message>
        <source>Readout cursor</source>
        <translation>Ablesemarke</translation>
    </message>
    <message>
        <source>Received signal</source>
        <translation>Empfangssignal</translation>
    </message>
    <message>
        <source>Time trace of the modulated signal with the channel&apos;s noise, in dark blue</source>
        <translation>Zeitverlauf des modulierten Signals mit dem Rauschen des Kanals, in Dunkelblau</translation>
    </message>
    <message>
        <source>Recovered message</source>
        <translation>Zurückgewonnene Nachricht</translation>
    </message>
    <message>
        <source>Detector</source>
        <translation>Detektor</translation>
    </message>
    <message>
        <source>How the receiver gets the message back: envelope, product, frequency or phase detector</source>
        <translation>Wie der Empfänger die Nachricht zurückgewinnt: Hüllkurven-, Produkt-, Frequenz- oder Phasendetektor</translation>
    </message>
    <message>
        <source>Local oscillator phase</source>
        <translation>Phase des Lokaloszillators</translation>
    </message>
    <message>
        <source>Phase of the product detector&apos;s local carrier, 0 to 180 degrees, in steps of 15</source>
        <translation>Phase des örtlichen Trägers im Produktdetektor, 0 bis 180 Grad, in Schritten von 15</translation>
    </message>
    <message>
        <source>Local oscillator phase, degrees</source>
        <translation>Phase des Lokaloszillators, Grad</translation>
    </message>
    <message>
        <source>The local oscillator&apos;s phase in degrees</source>
        <translation>Die Phase des Lokaloszillators in Grad</translation>
    </message>
    <message>
        <source>Channel noise</source>
        <translation>Kanalrauschen</translation>
    </message>
    <message>
        <source>Noise added on the way: none, then 30 to -15 dB below the signal&apos;s power; to the right the noise grows</source>
        <translation>Auf dem Übertragungsweg hinzugefügtes Rauschen: keins, dann 30 bis -15 dB unter der Signalleistung; nach rechts wird das Rauschen stärker</translation>
    </message>
    <message>
        <source>Channel noise, dB below the signal</source>
        <translation>Kanalrauschen, dB unter dem Signal</translation>
    </message>
    <message>
        <source>How far the channel&apos;s noise lies below the received signal&apos;s power</source>
        <translation>Wie weit das Kanalrauschen unter der Leistung des Empfangssignals liegt</translation>
    </message>
    <message>
        <source>Signal-to-noise ratio, dB</source>
        <translation>Signal-Rausch-Verhältnis, dB</translation>
    </message>
    <message>
        <source>Signal-to-noise ratio of the recovered message in dB, averaged since the last change</source>
        <translation>Signal-Rausch-Verhältnis der zurückgewonnenen Nachricht in dB, gemittelt seit der letzten Änderung</translation>
    </message>
    <message>
        <source>The detector&apos;s output in magenta over the message in dark green, on the message&apos;s scale</source>
        <translation>Der Ausgang des Detektors in Magenta über dem Nachrichtensignal in Dunkelgrün, im Maßstab des Nachrichtensignals</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Modulation Demonstrator</source>
        <translation>Demonstrationsprogramm zur Modulation</translation>
    </message>
    <message>
        <source>Watch analogue modulation happen: message, carrier, modulated signal and spectra</source>
        <translation>Analoge Modulation beobachten: Nachricht, Träger, moduliertes Signal und Spektren</translation>
    </message>
    <message>
        <source>modulation;analogue;analog;AM;FM;PM;DSB-SC;amplitude;frequency;phase;carrier;signal;spectrum;FFT;noise;telecommunications;radio;electronics;</source>
        <translation>Modulation;analog;AM;FM;PM;DSB-SC;Amplitude;Frequenz;Phase;Träger;Signal;Spektrum;FFT;Rauschen;Nachrichtentechnik;Funk;Elektronik;</translation>
    </message>
    <message>
        <source>Watch analogue modulation happen</source>
        <translation>Analoge Modulation beobachten</translation>
    </message>
    <message>
        <source>Quorvane is a classroom demonstration of analogue modulation. One window shows, ten times a second, a message signal, its spectrum, a carrier, the modulated signal and the modulated signal&apos;s spectrum, so that a change to any setting can be seen at once in both time and frequency.</source>
        <translation>Quorvane führt im Unterricht die analoge Modulation vor. Ein Fenster zeigt zehnmal pro Sekunde ein Nachrichtensignal, sein Spektrum, einen Träger, das modulierte Signal und dessen Spektrum, sodass jede Änderung einer Einstellung sofort im Zeit- und im Frequenzbereich zu sehen ist.</translation>
    </message>
    <message>
        <source>Messages: sine wave, white noise, filtered noise and square wave</source>
        <translation>Nachrichten: Sinus, Weißrauschen, TP-Rauschen (tiefpassgefiltert) und Rechteck</translation>
    </message>
    <message>
        <source>Schemes: DSB-SC, AM, FM and PM</source>
        <translation>Verfahren: DSB-SC, AM, FM und PM</translation>
    </message>
    <message>
        <source>Message frequency, carrier frequency and modulation depth on scroll bars</source>
        <translation>Nachrichtenfrequenz, Trägerfrequenz und Modulationstiefe an Schiebereglern</translation>
    </message>
    <message>
        <source>A pause button to hold a frame still</source>
        <translation>Eine Pause-Schaltfläche, die ein Bild anhält</translation>
    </message>
    <message>
        <source>Averaged spectra, logarithmic or linear, one- or two-sided</source>
        <translation>Gemittelte Spektren, logarithmisch oder linear, ein- oder zweiseitig</translation>
    </message>
    <message>
        <source>A frozen memory trace to compare a change against</source>
        <translation>Eine eingefrorene Speicherkurve zum Vergleich mit einer Änderung</translation>
    </message>
    <message>
        <source>modulation</source>
        <translation>Modulation</translation>
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
        <translation>Spektrum</translation>
    </message>
    <message>
        <source>carrier</source>
        <translation>Träger</translation>
    </message>
    <message>
        <source>signal</source>
        <translation>Signal</translation>
    </message>
    <message>
        <source>An AM signal beside its message and carrier</source>
        <translation>Ein AM-Signal neben seiner Nachricht und seinem Träger</translation>
    </message>
</context>
<context>
    <name>GuideWindow</name>
    <message>
        <source>Quorvane: class guide</source>
        <translation>Quorvane: Unterrichtsleitfaden</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Signal Type</source>
        <translation>Signalform</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Carrier</source>
        <translation>Träger</translation>
    </message>
    <message>
        <source>Modulation</source>
        <translation>Modulation</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Tiefe</translation>
    </message>
    <message>
        <source>Two-Sided Spectra</source>
        <translation>Spektren zweiseitig</translation>
    </message>
    <message>
        <source>Linear Plots</source>
        <translation>Lineare Skala</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Speicher</translation>
    </message>
    <message>
        <source>Sine Wave</source>
        <translation>Sinus</translation>
    </message>
    <message>
        <source>White Noise</source>
        <translation>Weißrauschen</translation>
    </message>
    <message>
        <source>Filtered Noise</source>
        <translation>TP-Rauschen</translation>
    </message>
    <message>
        <source>Square Wave</source>
        <translation>Rechteck</translation>
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
        <translation>Pause</translation>
    </message>
    <message>
        <source>Cont</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Class guide</source>
        <translation>Unterrichtsleitfaden</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Colours for colour-blind eyes</source>
        <translation>Farben für Farbenblinde</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
</context>
<context>
    <name>PictureWords</name>
    <message>
        <source>Hidden: nothing is drawn</source>
        <translation>Ausgeblendet: nichts ist gezeichnet</translation>
    </message>
    <message>
        <source>Empty: nothing to read</source>
        <translation>Leer: nichts abzulesen</translation>
    </message>
    <message>
        <source>Peaks, strongest first: %1</source>
        <translation>Spitzen, die stärkste zuerst: %1</translation>
    </message>
    <message>
        <source>No clear peak</source>
        <translation>Keine deutliche Spitze</translation>
    </message>
    <message>
        <source>Peak to peak %1</source>
        <translation>Spitze-Spitze %1</translation>
    </message>
    <message>
        <source>Peak to peak %1; its crests repeat at %2</source>
        <translation>Spitze-Spitze %1; die Wellenberge wiederholen sich mit %2</translation>
    </message>
    <message>
        <source>No further peak</source>
        <translation>Keine weitere Spitze</translation>
    </message>
    <message>
        <source>Left, Right, Page Up, Page Down, Home, End: move the readout cursor; N, P: next or previous peak; D: say what the picture shows; Escape: put the cursor away</source>
        <translation>Links, Rechts, Bild auf, Bild ab, Pos1, Ende: den Ablesecursor bewegen; N, P: nächste oder vorige Spitze; D: sagen, was das Bild zeigt; Esc: den Cursor ausblenden</translation>
    </message>
</context>
<context>
    <name>Readout</name>
    <message>
        <source>memory</source>
        <translation>Speicher</translation>
    </message>
    <message>
        <source>no signal</source>
        <translation>kein Signal</translation>
    </message>
</context>
<context>
    <name>Receiver</name>
    <message>
        <source>Envelope</source>
        <translation>Hüllkurve</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Produkt</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Phase</translation>
    </message>
    <message>
        <source>Received signal</source>
        <translation>Empfangssignal</translation>
    </message>
    <message>
        <source>Recovered message</source>
        <translation>Zurückgewonnene Nachricht</translation>
    </message>
    <message>
        <source>Detector</source>
        <translation>Detektor</translation>
    </message>
    <message>
        <source>Local oscillator phase</source>
        <translation>Phase des Lokaloszillators</translation>
    </message>
    <message>
        <source>Channel noise</source>
        <translation>Kanalrauschen</translation>
    </message>
    <message>
        <source>S/N</source>
        <translation>S/N</translation>
    </message>
    <message>
        <source>Quorvane: receiver</source>
        <translation>Quorvane: Empfänger</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keins</translation>
    </message>
</context>
</TS>
