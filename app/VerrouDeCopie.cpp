#include "VerrouDeCopie.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#else
#include <QLockFile>
#endif

VerrouDeCopie::VerrouDeCopie(QString chemin) : chemin_(std::move(chemin)) {}

VerrouDeCopie::~VerrouDeCopie()
{
    rend();
}

#ifdef Q_OS_UNIX

// An advisory lock of the whole file (flock): held by the open file, let go
// by the kernel when the file is closed, the process ended included.
bool VerrouDeCopie::prend()
{
    if (descripteur_ >= 0)
        return true;
    const QByteArray nom = QFile::encodeName(chemin_);
    const int d = ::open(nom.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (d < 0)
        return false;
    if (::flock(d, LOCK_EX | LOCK_NB) != 0) {
        ::close(d);
        return false;
    }
    descripteur_ = d;
    return true;
}

void VerrouDeCopie::rend(bool supprime)
{
    if (descripteur_ < 0)
        return;
    // Removed while still held: no other copy can take a file on its way out.
    if (supprime)
        QFile::remove(chemin_);
    ::close(descripteur_);
    descripteur_ = -1;
}

bool VerrouDeCopie::tenu() const
{
    return descripteur_ >= 0;
}

#else

bool VerrouDeCopie::prend()
{
    if (verrou_)
        return true;
    auto v = std::make_unique<QLockFile>(chemin_);
    v->setStaleLockTime(0);
    if (!v->tryLock(0))
        return false;
    verrou_ = std::move(v);
    return true;
}

void VerrouDeCopie::rend(bool supprime)
{
    if (!verrou_)
        return;
    verrou_->unlock();
    verrou_.reset();
    if (supprime)
        QFile::remove(chemin_);
}

bool VerrouDeCopie::tenu() const
{
    return verrou_ != nullptr;
}

#endif
