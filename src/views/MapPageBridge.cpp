#include "MapPageBridge.h"

void MapPageBridge::routePointClicked(int tripSecond)
{
    emit routeClicked(tripSecond);
}
