#include "model/FichierVerrouille.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Without a writer, opening a FIFO waits for ever, and a device or a
// directory never ends like a file: only a regular file is read.
int OuvrirFichierOrdinaire(const std::string& chemin)
{
    const int fd = ::open(chemin.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat info {};
    if (fd >= 0 && (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || ::fcntl(fd, F_SETFL, 0) != 0)) {
        ::close(fd);
        return -1;
    }
    return fd;
}
}  // namespace

FichierVerrouille::FichierVerrouille(const std::string& chemin, Mode mode)
{
    const bool ecriture = mode == Mode::Ecriture;
    if (ecriture) {
        descripteur = ::open(chemin.c_str(), O_RDWR | O_CLOEXEC);
        if (descripteur < 0 && errno == ENOENT) {
            descripteur = ::open(chemin.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            cree = descripteur >= 0;
        }
    } else {
        descripteur = OuvrirFichierOrdinaire(chemin);
    }
    if (descripteur >= 0 && ::flock(descripteur, (ecriture ? LOCK_EX : LOCK_SH) | LOCK_NB) != 0) {
        if (cree)
            ::unlink(chemin.c_str());
        ::close(descripteur);
        descripteur = -1;
        cree = false;
    }
}

FichierVerrouille::~FichierVerrouille()
{
    if (descripteur >= 0)
        ::close(descripteur);
}

size_t FichierVerrouille::Lire(void* tampon, size_t taille)
{
    auto* octets = static_cast<unsigned char*>(tampon);
    size_t lus = 0;
    while (lus < taille) {
        const ssize_t n = ::read(descripteur, octets + lus, taille - lus);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        lus += static_cast<size_t>(n);
    }
    return lus;
}

bool EcrireTout(int descripteur, const void* donnees, size_t taille)
{
    const auto* octets = static_cast<const unsigned char*>(donnees);
    size_t ecrits = 0;
    while (ecrits < taille) {
        const ssize_t n = ::write(descripteur, octets + ecrits, taille - ecrits);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        ecrits += static_cast<size_t>(n);
    }
    return true;
}
