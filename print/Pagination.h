#pragma once

#include <QString>

class PageDeDessin;
class QPagedPaintDevice;

// How the spell pages go on to a new page. The printer begins a new page of
// its document; the preview clears its paint box, or stops drawing once the
// page it shows is full. The page code then writes the page title itself.
class Pagination {
public:
    virtual ~Pagination() = default;
    // Begins the next page; false when the drawing must stop here.
    virtual bool NouvellePage(PageDeDessin& page) = 0;
};

// A printer or PDF document: each break is a new page of the device, blank.
// A device that refuses the new page ends the job: Echec `echec` (the
// printer's or the file's failure), never a drawing over the page before.
class PaginationPeripherique : public Pagination {
public:
    PaginationPeripherique(QPagedPaintDevice& peripherique, QString echec)
        : peripherique_(peripherique), echec_(std::move(echec)) {}
    bool NouvellePage(PageDeDessin& page) override;

private:
    QPagedPaintDevice& peripherique_;
    QString echec_;
};
