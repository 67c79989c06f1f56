#include "Pagination.h"

#include "Echec.h"

#include <QPagedPaintDevice>

bool PaginationPeripherique::NouvellePage(PageDeDessin&)
{
    if (!peripherique_.newPage())
        throw Echec(echec_);
    return true;
}
