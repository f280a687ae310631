#include "translations_resource.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must be used outside any namespace; the resource name is that
// of the catalogue list the build generates (vrx_translations.qrc).
static void registerTranslations()
{
    Q_INIT_RESOURCE(vrx_translations);
}

void initTranslationsResource()
{
    registerTranslations();
}
