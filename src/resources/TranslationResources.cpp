#include "TranslationResources.h"

#include <QtGlobal>

void TranslationResources::initialise()
{
    Q_INIT_RESOURCE(translations);
}
