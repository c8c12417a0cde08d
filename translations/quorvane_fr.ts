<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CommandLine</name>
    <message>
        <source>Classroom demonstration of analogue modulation.</source>
        <translation>Démonstration en classe de la modulation analogique.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Affiche l’aide sur les options de la ligne de commande.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>ControlHelp</name>
    <message>
        <source>Message signal</source>
        <translation>Signal modulant</translation>
    </message>
    <message>
        <source>Time trace of the message signal, in dark green</source>
        <translation>Tracé temporel du signal modulant, en vert foncé</translation>
    </message>
    <message>
        <source>Message spectrum</source>
        <translation>Spectre du signal modulant</translation>
    </message>
    <message>
        <source>Averaged spectrum of the message, in dark green</source>
        <translation>Spectre moyenné du signal modulant, en vert foncé</translation>
    </message>
    <message>
        <source>Carrier</source>
        <translation>Porteuse</translation>
    </message>
    <message>
        <source>Time trace of the carrier, in purple</source>
        <translation>Tracé temporel de la porteuse, en violet</translation>
    </message>
    <message>
        <source>Modulated signal</source>
        <translation>Signal modulé</translation>
    </message>
    <message>
        <source>Time trace of the modulated signal, in dark blue</source>
        <translation>Tracé temporel du signal modulé, en bleu foncé</translation>
    </message>
    <message>
        <source>Modulated spectrum</source>
        <translation>Spectre du signal modulé</translation>
    </message>
    <message>
        <source>Averaged spectrum of the modulated signal, in dark blue</source>
        <translation>Spectre moyenné du signal modulé, en bleu foncé</translation>
    </message>
    <message>
        <source>Time scroll</source>
        <translation>Défilement temporel</translation>
    </message>
    <message>
        <source>Where the shown stretch of the time traces begins</source>
        <translation>Où commence la portion affichée des tracés temporels</translation>
    </message>
    <message>
        <source>Time scroll, 0 to 16: to the right the traces start later in the signal</source>
        <translation>Défilement temporel, 0 à 16&#xa0;: vers la droite, les tracés commencent plus tard dans le signal</translation>
    </message>
    <message>
        <source>Time zoom</source>
        <translation>Zoom temporel</translation>
    </message>
    <message>
        <source>How many samples the time traces span</source>
        <translation>Nombre d’échantillons couverts par les tracés temporels</translation>
    </message>
    <message>
        <source>Time zoom, 1 to 4: to the right zooms out and shows more of the signal</source>
        <translation>Zoom temporel, 1 à 4&#xa0;: vers la droite, on élargit la vue et on voit une plus grande partie du signal</translation>
    </message>
    <message>
        <source>The message signal: a sine, noise or a square wave</source>
        <translation>Le signal modulant&#xa0;: sinusoïde, bruit ou signal carré</translation>
    </message>
    <message>
        <source>Message frequency, 2.5 to 10 Hz</source>
        <translation>Fréquence du signal modulant, 2,5 à 10&#xa0;Hz</translation>
    </message>
    <message>
        <source>The message frequency in Hz</source>
        <translation>La fréquence du signal modulant en Hz</translation>
    </message>
    <message>
        <source>Carrier frequency, 32 to 128 Hz</source>
        <translation>Fréquence de la porteuse, 32 à 128&#xa0;Hz</translation>
    </message>
    <message>
        <source>The carrier frequency in Hz</source>
        <translation>La fréquence de la porteuse en Hz</translation>
    </message>
    <message>
        <source>How the message modulates the carrier</source>
        <translation>Comment le signal modulant module la porteuse</translation>
    </message>
    <message>
        <source>The up arrow raises the modulation depth</source>
        <translation>La flèche du haut augmente le taux de modulation</translation>
    </message>
    <message>
        <source>Modulation depth, 0.2 to 2: the upper arrow raises it, the lower arrow lowers it</source>
        <translation>Taux de modulation, 0,2 à 2&#xa0;: la flèche du haut l’augmente, la flèche du bas le diminue</translation>
    </message>
    <message>
        <source>The modulation depth</source>
        <translation>Le taux de modulation</translation>
    </message>
    <message>
        <source>Two-Sided Spectra</source>
        <translation>Spectres bilatéraux</translation>
    </message>
    <message>
        <source>Show the spectra from −125.7 to 125.5 Hz, zero in the middle, instead of from 0 to 251.2 Hz</source>
        <translation>Afficher les spectres de −125,7 à 125,5&#xa0;Hz, zéro au milieu, au lieu de 0 à 251,2&#xa0;Hz</translation>
    </message>
    <message>
        <source>Linear Plots</source>
        <translation>Échelle linéaire</translation>
    </message>
    <message>
        <source>Show the spectra on a linear power scale instead of a logarithmic one</source>
        <translation>Afficher les spectres sur une échelle de puissance linéaire au lieu d’une échelle logarithmique</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Mémoire</translation>
    </message>
    <message>
        <source>Freezes a copy of each spectrum, drawn in brown</source>
        <translation>Fige une copie de chaque spectre, tracée en marron</translation>
    </message>
    <message>
        <source>Freeze a copy of both spectra, drawn in brown, to compare with; click again to let it go</source>
        <translation>Figer une copie des deux spectres, tracée en marron, pour comparer&#xa0;; cliquer à nouveau pour la libérer</translation>
    </message>
    <message>
        <source>Freezes a copy of each spectrum, drawn in plum</source>
        <translation>Fige une copie de chaque spectre, tracée en prune</translation>
    </message>
    <message>
        <source>Freeze a copy of both spectra, drawn in plum, to compare with; click again to let it go</source>
        <translation>Figer une copie des deux spectres, tracée en prune, pour comparer&#xa0;; cliquer à nouveau pour la libérer</translation>
    </message>
    <message>
        <source>Modulated trace</source>
        <translation>Tracé du signal modulé</translation>
    </message>
    <message>
        <source>Shows the time trace of the modulated signal</source>
        <translation>Affiche le tracé temporel du signal modulé</translation>
    </message>
    <message>
        <source>Show the modulated signal</source>
        <translation>Afficher le signal modulé</translation>
    </message>
    <message>
        <source>Modulated spectrum trace</source>
        <translation>Tracé du spectre modulé</translation>
    </message>
    <message>
        <source>Shows the live spectrum of the modulated signal</source>
        <translation>Affiche le spectre en direct du signal modulé</translation>
    </message>
    <message>
        <source>Show the live modulated spectrum</source>
        <translation>Afficher le spectre modulé en direct</translation>
    </message>
    <message>
        <source>Quorvane logo</source>
        <translation>Logo de Quorvane</translation>
    </message>
    <message>
        <source>Pause the display: the pictures stand still</source>
        <translation>Mettre l’affichage en pause&#xa0;: les images s’arrêtent</translation>
    </message>
    <message>
        <source>Continue the display</source>
        <translation>Reprendre l’affichage</translation>
    </message>
    <message>
        <source>F1: class guide</source>
        <translation>F1&#xa0;: guide pour la classe</translation>
    </message>
    <message>
        <source>Message type</source>
        <translation>Type de signal modulant</translation>
    </message>
    <message>
        <source>Message frequency</source>
        <translation>Fréquence du signal modulant</translation>
    </message>
    <message>
        <source>Message frequency, Hz</source>
        <translation>Fréquence du signal modulant, Hz</translation>
    </message>
    <message>
        <source>Carrier frequency</source>
        <translation>Fréquence de la porteuse</translation>
    </message>
    <message>
        <source>Carrier frequency, Hz</source>
        <translation>Fréquence de la porteuse, Hz</translation>
    </message>
    <message>
        <source>Modulation scheme</source>
        <translation>Type de modulation</translation>
    </message>
    <message>
        <source>Modulation depth</source>
        <translation>Taux de modulation</translation>
    </message>
    <message>
        <source>Modulation depth value</source>
        <translation>Valeur du taux de modulation</translation>
    </message>
    <message>
        <source>Message controls</source>
        <translation>Réglages du signal modulant</translation>
    </message>
    <message>
        <source>Carrier controls</source>
        <translation>Réglages de la porteuse</translation>
    </message>
    <message>
        <source>Modulation controls</source>
        <translation>Réglages de la modulation</translation>
    </message>
    <message>
        <source>Readout cursor</source>
        <translation>Curseur de lecture</translation>
    </message>
    <message>
        <source>Received signal</source>
        <translation>Signal reçu</translation>
    </message>
    <message>
        <source>Time trace of the modulated signal with the channel&apos;s noise, in dark blue</source>
        <translation>Tracé temporel du signal modulé avec le bruit du canal, en bleu foncé</translation>
    </message>
    <message>
        <source>Recovered message</source>
        <translation>Message récupéré</translation>
    </message>
    <message>
        <source>Detector</source>
        <translation>Détecteur</translation>
    </message>
    <message>
        <source>How the receiver gets the message back: envelope, product, frequency or phase detector</source>
        <translation>Comment le récepteur retrouve le message&#xa0;: détecteur d’enveloppe, de produit, de fréquence ou de phase</translation>
    </message>
    <message>
        <source>Local oscillator phase</source>
        <translation>Phase de l’oscillateur local</translation>
    </message>
    <message>
        <source>Phase of the product detector&apos;s local carrier, 0 to 180 degrees, in steps of 15</source>
        <translation>Phase de la porteuse locale du détecteur de produit, de 0 à 180 degrés, par pas de 15</translation>
    </message>
    <message>
        <source>Local oscillator phase, degrees</source>
        <translation>Phase de l’oscillateur local, degrés</translation>
    </message>
    <message>
        <source>The local oscillator&apos;s phase in degrees</source>
        <translation>La phase de l’oscillateur local en degrés</translation>
    </message>
    <message>
        <source>Channel noise</source>
        <translation>Bruit du canal</translation>
    </message>
    <message>
        <source>Noise added on the way: none, then 30 to -15 dB below the signal&apos;s power; to the right the noise grows</source>
        <translation>Bruit ajouté en chemin&#xa0;: aucun, puis de 30 à -15 dB sous la puissance du signal&#xa0;; vers la droite, le bruit augmente</translation>
    </message>
    <message>
        <source>Channel noise, dB below the signal</source>
        <translation>Bruit du canal, dB sous le signal</translation>
    </message>
    <message>
        <source>How far the channel&apos;s noise lies below the received signal&apos;s power</source>
        <translation>De combien le bruit du canal se situe sous la puissance du signal reçu</translation>
    </message>
    <message>
        <source>Signal-to-noise ratio, dB</source>
        <translation>Rapport signal sur bruit, dB</translation>
    </message>
    <message>
        <source>Signal-to-noise ratio of the recovered message in dB, averaged since the last change</source>
        <translation>Rapport signal sur bruit du message récupéré en dB, moyenné depuis la dernière modification</translation>
    </message>
    <message>
        <source>The detector&apos;s output in magenta over the message in dark green, on the message&apos;s scale</source>
        <translation>La sortie du détecteur en magenta sur le signal modulant en vert foncé, à l’échelle du signal modulant</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Modulation Demonstrator</source>
        <translation>Démonstrateur de modulation</translation>
    </message>
    <message>
        <source>Watch analogue modulation happen: message, carrier, modulated signal and spectra</source>
        <translation>Observer la modulation analogique&#xa0;: signal modulant, porteuse, signal modulé et spectres</translation>
    </message>
    <message>
        <source>modulation;analogue;analog;AM;FM;PM;DSB-SC;amplitude;frequency;phase;carrier;signal;spectrum;FFT;noise;telecommunications;radio;electronics;</source>
        <translation>modulation;analogique;AM;FM;PM;DSB-SC;amplitude;fréquence;phase;porteuse;signal;spectre;FFT;bruit;télécommunications;radio;électronique;</translation>
    </message>
    <message>
        <source>Watch analogue modulation happen</source>
        <translation>Observer la modulation analogique</translation>
    </message>
    <message>
        <source>Quorvane is a classroom demonstration of analogue modulation. One window shows, ten times a second, a message signal, its spectrum, a carrier, the modulated signal and the modulated signal&apos;s spectrum, so that a change to any setting can be seen at once in both time and frequency.</source>
        <translation>Quorvane est une démonstration de la modulation analogique pour la classe. Une fenêtre affiche, dix fois par seconde, un signal modulant, son spectre, une porteuse, le signal modulé et le spectre du signal modulé, de sorte que tout changement de réglage se voit aussitôt dans le domaine temporel comme dans le domaine fréquentiel.</translation>
    </message>
    <message>
        <source>Messages: sine wave, white noise, filtered noise and square wave</source>
        <translation>Signaux modulants&#xa0;: sinusoïde, bruit blanc, bruit filtré et signal carré</translation>
    </message>
    <message>
        <source>Schemes: DSB-SC, AM, FM and PM</source>
        <translation>Modulations&#xa0;: DSB-SC, AM, FM et PM</translation>
    </message>
    <message>
        <source>Message frequency, carrier frequency and modulation depth on scroll bars</source>
        <translation>Fréquence du signal modulant, fréquence de la porteuse et taux de modulation sur des barres de défilement</translation>
    </message>
    <message>
        <source>A pause button to hold a frame still</source>
        <translation>Un bouton pause pour figer une image</translation>
    </message>
    <message>
        <source>Averaged spectra, logarithmic or linear, one- or two-sided</source>
        <translation>Spectres moyennés, logarithmiques ou linéaires, unilatéraux ou bilatéraux</translation>
    </message>
    <message>
        <source>A frozen memory trace to compare a change against</source>
        <translation>Une trace mémoire figée pour juger l’effet d’un changement</translation>
    </message>
    <message>
        <source>modulation</source>
        <translation>modulation</translation>
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
        <translation>spectre</translation>
    </message>
    <message>
        <source>carrier</source>
        <translation>porteuse</translation>
    </message>
    <message>
        <source>signal</source>
        <translation>signal</translation>
    </message>
    <message>
        <source>An AM signal beside its message and carrier</source>
        <translation>Un signal AM à côté de son signal modulant et de sa porteuse</translation>
    </message>
</context>
<context>
    <name>GuideWindow</name>
    <message>
        <source>Quorvane: class guide</source>
        <translation>Quorvane&#xa0;: guide pour la classe</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Signal Type</source>
        <translation>Signal</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Carrier</source>
        <translation>Porteuse</translation>
    </message>
    <message>
        <source>Modulation</source>
        <translation>Modulation</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Taux</translation>
    </message>
    <message>
        <source>Two-Sided Spectra</source>
        <translation>Spectres bilatéraux</translation>
    </message>
    <message>
        <source>Linear Plots</source>
        <translation>Échelle linéaire</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Mémoire</translation>
    </message>
    <message>
        <source>Sine Wave</source>
        <translation>Sinus</translation>
    </message>
    <message>
        <source>White Noise</source>
        <translation>Bruit blanc</translation>
    </message>
    <message>
        <source>Filtered Noise</source>
        <translation>Bruit filtré</translation>
    </message>
    <message>
        <source>Square Wave</source>
        <translation>Carré</translation>
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
        <translation>Reprise</translation>
    </message>
    <message>
        <source>Class guide</source>
        <translation>Guide pour la classe</translation>
    </message>
    <message>
        <source>Receiver</source>
        <translation>Récepteur</translation>
    </message>
    <message>
        <source>Colours for colour-blind eyes</source>
        <translation>Couleurs pour daltoniens</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
</context>
<context>
    <name>PictureWords</name>
    <message>
        <source>Hidden: nothing is drawn</source>
        <translation>Masqué&#xa0;: rien n’est tracé</translation>
    </message>
    <message>
        <source>Empty: nothing to read</source>
        <translation>Vide&#xa0;: rien à lire</translation>
    </message>
    <message>
        <source>Peaks, strongest first: %1</source>
        <translation>Pics, le plus fort d’abord&#xa0;: %1</translation>
    </message>
    <message>
        <source>No clear peak</source>
        <translation>Aucun pic net</translation>
    </message>
    <message>
        <source>Peak to peak %1</source>
        <translation>Crête à crête %1</translation>
    </message>
    <message>
        <source>Peak to peak %1; its crests repeat at %2</source>
        <translation>Crête à crête %1&#xa0;; ses crêtes se répètent à %2</translation>
    </message>
    <message>
        <source>No further peak</source>
        <translation>Plus aucun pic</translation>
    </message>
    <message>
        <source>Left, Right, Page Up, Page Down, Home, End: move the readout cursor; N, P: next or previous peak; D: say what the picture shows; Escape: put the cursor away</source>
        <translation>Gauche, Droite, Page précédente, Page suivante, Début, Fin&#xa0;: déplacer le curseur de lecture&#xa0;; N, P&#xa0;: pic suivant ou précédent&#xa0;; D&#xa0;: dire ce que montre l’image&#xa0;; Échap&#xa0;: retirer le curseur</translation>
    </message>
</context>
<context>
    <name>Readout</name>
    <message>
        <source>memory</source>
        <translation>mémoire</translation>
    </message>
    <message>
        <source>no signal</source>
        <translation>aucun signal</translation>
    </message>
</context>
<context>
    <name>Receiver</name>
    <message>
        <source>Envelope</source>
        <translation>Enveloppe</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Produit</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Phase</translation>
    </message>
    <message>
        <source>Received signal</source>
        <translation>Signal reçu</translation>
    </message>
    <message>
        <source>Recovered message</source>
        <translation>Message récupéré</translation>
    </message>
    <message>
        <source>Detector</source>
        <translation>Détecteur</translation>
    </message>
    <message>
        <source>Local oscillator phase</source>
        <translation>Phase de l’oscillateur local</translation>
    </message>
    <message>
        <source>Channel noise</source>
        <translation>Bruit du canal</translation>
    </message>
    <message>
        <source>S/N</source>
        <translation>S/B</translation>
    </message>
    <message>
        <source>Quorvane: receiver</source>
        <translation>Quorvane&#xa0;: récepteur</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
</context>
</TS>
