#ifndef TRANSLATIONS_RESOURCE_H
#define TRANSLATIONS_RESOURCE_H

// Registers the compiled English and Spanish catalogues (":/lang/lang/en.qm",
// ":/lang/lang/es.qm"). They are resources of the static core library, which a
// linker keeps only when something refers to them: call this once before the
// first translateApplication().
void initTranslationsResource();

#endif // TRANSLATIONS_RESOURCE_H
