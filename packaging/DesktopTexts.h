// The desktop entry's and the metainfo's texts, for lupdate only: nothing
// compiles this file. Each must read exactly as in
// org.quorvane.Quorvane.desktop and org.quorvane.Quorvane.metainfo.xml (with
// the metainfo's line breaks as single spaces); the build writes their
// translations into both files, and packaging_translations_test fails on a
// text that was not found there.

// org.quorvane.Quorvane.desktop: GenericName, Comment and Keywords. The
// keywords are translated as one list, each ending in a semicolon.
QT_TRANSLATE_NOOP("Desktop", "Modulation Demonstrator")
QT_TRANSLATE_NOOP("Desktop", "Watch analogue modulation happen: message, carrier, modulated signal and spectra")
QT_TRANSLATE_NOOP("Desktop", "modulation;analogue;analog;AM;FM;PM;DSB-SC;amplitude;frequency;phase;carrier;signal;spectrum;FFT;noise;telecommunications;radio;electronics;")

// org.quorvane.Quorvane.metainfo.xml: the summary and the description.
QT_TRANSLATE_NOOP("Desktop", "Watch analogue modulation happen")
QT_TRANSLATE_NOOP("Desktop", "Quorvane is a classroom demonstration of analogue modulation. One window shows, ten times a second, a message signal, its spectrum, a carrier, the modulated signal and the modulated signal's spectrum, so that a change to any setting can be seen at once in both time and frequency.")
QT_TRANSLATE_NOOP("Desktop", "Messages: sine wave, white noise, filtered noise and square wave")
QT_TRANSLATE_NOOP("Desktop", "Schemes: DSB-SC, AM, FM and PM")
QT_TRANSLATE_NOOP("Desktop", "Message frequency, carrier frequency and modulation depth on scroll bars")
QT_TRANSLATE_NOOP("Desktop", "A pause button to hold a frame still")
QT_TRANSLATE_NOOP("Desktop", "Averaged spectra, logarithmic or linear, one- or two-sided")
QT_TRANSLATE_NOOP("Desktop", "A frozen memory trace to compare a change against")
