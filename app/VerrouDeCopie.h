#pragma once

#include <QString>
#include <memory>

class QLockFile;

// The lock by which a running copy of Vardel holds its recovery file. The
// system releases it when its holder ends, however it ends (a crash, a
// kill), and it names no process: a copy that runs under the number of a
// dead one (process 1 in every container) never takes that one's lock for
// its own or for a live copy's. Taken or not at once, never waited for.
class VerrouDeCopie {
public:
    explicit VerrouDeCopie(QString chemin);
    ~VerrouDeCopie();
    VerrouDeCopie(const VerrouDeCopie&) = delete;
    VerrouDeCopie& operator=(const VerrouDeCopie&) = delete;

    // Takes the lock, creating its file: false when another holds it, or
    // when its file cannot be created.
    bool prend();
    // Gives it back; with `supprime`, its file goes first.
    void rend(bool supprime = false);
    bool tenu() const;
    const QString& chemin() const { return chemin_; }

private:
    QString chemin_;
#ifdef Q_OS_UNIX
    int descripteur_ = -1;
#else
    std::unique_ptr<QLockFile> verrou_;
#endif
};
