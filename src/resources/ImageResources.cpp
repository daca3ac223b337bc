#include "ImageResources.h"

#include <QtGlobal>

void ImageResources::initialise()
{
    Q_INIT_RESOURCE(images);
}
