#include "Pagination.h"

#include <QPagedPaintDevice>

bool PaginationPeripherique::NouvellePage(PageDeDessin&)
{
    return peripherique_.newPage();
}
