// The page's own texts, which the desktop window does not have, for lupdate
// only: nothing compiles this file. The page looks them up in the catalogues
// it carries, by this context.
QT_TRANSLATE_NOOP("Page", "Language")
