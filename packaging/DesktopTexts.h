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

// org.quorvane.Quorvane.metainfo.xml: the summary, the description, each
// keyword on its own and the screenshot's caption. A software centre takes a
// language's keywords from the translated ones alone, so every keyword has a
// translation, even where it is spelt the same; the release notes stay English.
QT_TRANSLATE_NOOP("Desktop", "Watch analogue modulation happen")
QT_TRANSLATE_NOOP("Desktop", "Quorvane is a classroom demonstration of analogue modulation. One window shows, ten times a second, a message signal, its spectrum, a carrier, the modulated signal and the modulated signal's spectrum, so that a change to any setting can be seen at once in both time and frequency.")
QT_TRANSLATE_NOOP("Desktop", "Messages: sine wave, white noise, filtered noise and square wave")
QT_TRANSLATE_NOOP("Desktop", "Schemes: DSB-SC, AM, FM and PM")
QT_TRANSLATE_NOOP("Desktop", "Message frequency, carrier frequency and modulation depth on scroll bars")
QT_TRANSLATE_NOOP("Desktop", "A pause button to hold a frame still")
QT_TRANSLATE_NOOP("Desktop", "Averaged spectra, logarithmic or linear, one- or two-sided")
QT_TRANSLATE_NOOP("Desktop", "A frozen memory trace to compare a change against")
QT_TRANSLATE_NOOP("Desktop", "modulation")
QT_TRANSLATE_NOOP("Desktop", "AM")
QT_TRANSLATE_NOOP("Desktop", "FM")
QT_TRANSLATE_NOOP("Desktop", "PM")
QT_TRANSLATE_NOOP("Desktop", "DSB-SC")
QT_TRANSLATE_NOOP("Desktop", "spectrum")
QT_TRANSLATE_NOOP("Desktop", "carrier")
QT_TRANSLATE_NOOP("Desktop", "signal")
QT_TRANSLATE_NOOP("Desktop", "An AM signal beside its message and carrier")
