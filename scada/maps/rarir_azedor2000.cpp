#include "rarir_azedor2000.h"

RarirAzedor2000::RarirAzedor2000()
    : Scada()
{
}
