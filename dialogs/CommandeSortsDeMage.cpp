#include "CommandeSortsDeMage.h"

#include "UnitFormSortsDeMage.h"

void TravailSortsDeMage(TFormSortsDeMage& formSortsDeMage)
{
    formSortsDeMage.exec();
}
