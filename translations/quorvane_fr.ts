<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
        <translation>Défilement temporel, 0 à 16 : vers la droite, les tracés commencent plus tard dans le signal</translation>
    </message>
    <message>
        <source>Time zoom</source>
        <translation>Zoom temporel</translation>
    </message>
    <message>
        <source>How many samples the time traces span</source>
        <translation>Combien d’échantillons couvrent les tracés temporels</translation>
    </message>
    <message>
        <source>Time zoom, 1 to 4: to the right zooms out and shows more of the signal</source>
        <translation>Zoom temporel, 1 à 4 : vers la droite, on élargit la vue et on voit une plus grande partie du signal</translation>
    </message>
    <message>
        <source>Signal Type</source>
        <translation>Type de signal</translation>
    </message>
    <message>
        <source>The message signal: a sine, noise or a square wave</source>
        <translation>Le signal modulant : sinusoïde, bruit ou signal carré</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Message frequency, 2.5 to 10 Hz</source>
        <translation>Fréquence du signal modulant, 2,5 à 10 Hz</translation>
    </message>
    <message>
        <source>Frequency, Hz</source>
        <translation>Fréquence, Hz</translation>
    </message>
    <message>
        <source>The message frequency in Hz</source>
        <translation>La fréquence du signal modulant en Hz</translation>
    </message>
    <message>
        <source>Carrier Frequency</source>
        <translation>Fréquence de la porteuse</translation>
    </message>
    <message>
        <source>Carrier frequency, 32 to 128 Hz</source>
        <translation>Fréquence de la porteuse, 32 à 128 Hz</translation>
    </message>
    <message>
        <source>Carrier Frequency, Hz</source>
        <translation>Fréquence de la porteuse, Hz</translation>
    </message>
    <message>
        <source>The carrier frequency in Hz</source>
        <translation>La fréquence de la porteuse en Hz</translation>
    </message>
    <message>
        <source>Modulation</source>
        <translation>Modulation</translation>
    </message>
    <message>
        <source>How the message modulates the carrier</source>
        <translation>Comment le signal modulant module la porteuse</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Taux de modulation</translation>
    </message>
    <message>
        <source>Up raises the modulation depth</source>
        <translation>Vers le haut augmente le taux de modulation</translation>
    </message>
    <message>
        <source>Modulation depth, 0.2 to 2: the upper arrow raises it, the lower arrow lowers it</source>
        <translation>Taux de modulation, 0,2 à 2 : la flèche du haut l’augmente, la flèche du bas le diminue</translation>
    </message>
    <message>
        <source>Depth value</source>
        <translation>Valeur du taux de modulation</translation>
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
        <translation>Afficher les spectres de −125,7 à 125,5 Hz, zéro au milieu, au lieu de 0 à 251,2 Hz</translation>
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
        <translation>Figer une copie des deux spectres, tracée en marron, pour comparer ; cliquer à nouveau pour la libérer</translation>
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
        <translation>Mettre l’affichage en pause : les images s’arrêtent</translation>
    </message>
    <message>
        <source>Continue the display</source>
        <translation>Reprendre l’affichage</translation>
    </message>
</context>
<context>
    <name>Form1</name>
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
        <translation>DBL-PS</translation>
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
</context>
<context>
    <name>Readout</name>
    <message>
        <source>memory</source>
        <translation>mémoire</translation>
    </message>
</context>
</TS>
