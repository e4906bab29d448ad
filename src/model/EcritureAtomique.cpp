#include "model/EcritureAtomique.h"

#include "model/Cp1252.h"
#include "model/FichierVerrouille.h"
#include "model/TemporaireVoisin.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr int kMaxLiens = 40;

struct Descripteur {
    int fd = -1;
    ~Descripteur()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

std::string Dossier(const std::string& chemin)
{
    const size_t barre = chemin.rfind('/');
    if (barre == std::string::npos)
        return ".";
    return barre == 0 ? "/" : chemin.substr(0, barre);
}

// Follows a chain of symbolic links, even one whose last target does not
// exist yet, so that the file replaced is the one the link names.
bool SuivreLiens(std::string& chemin)
{
    for (int i = 0; i < kMaxLiens; ++i) {
        struct stat info {};
        if (::lstat(chemin.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return true;
        std::string cible(PATH_MAX, '\0');
        const ssize_t n = ::readlink(chemin.c_str(), cible.data(), cible.size());
        if (n < 0)
            return false;
        cible.resize(static_cast<size_t>(n));
        chemin = cible.starts_with('/') ? cible : Dossier(chemin) + "/" + cible;
    }
    errno = ELOOP;
    return false;
}

bool SynchroniserDossier(const std::string& dossier)
{
    Descripteur d{::open(dossier.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    return d.fd >= 0 && (::fsync(d.fd) == 0 || errno == EINVAL);
}

std::string Message(const std::string& chemin, const std::string& raison)
{
    return "Impossible d'écrire « " + CheminAffichable(chemin) + " » : " + raison + ".";
}

std::string RaisonNonOrdinaire(mode_t mode)
{
    return S_ISDIR(mode) ? "c'est un dossier" : "ce n'est pas un fichier ordinaire";
}

// The new file keeps what the user gave the old one: its permissions and,
// where we may, its owner.
bool ReprendreAttributs(int fd, const struct stat& ancien)
{
    if (::fchown(fd, ancien.st_uid, ancien.st_gid) != 0 && errno != EPERM)
        return false;
    return ::fchmod(fd, ancien.st_mode & 07777) == 0;
}

// Held while the target is replaced, on the file the readers lock; empty
// for a new target.
std::string VerrouillerAncien(const std::string& chemin, const std::string& cible, Descripteur& verrou)
{
    // A read-only file stays as its owner wants it, though its folder would
    // let us replace it.
    if (::faccessat(AT_FDCWD, cible.c_str(), W_OK, AT_EACCESS) != 0)
        return Message(chemin, RaisonSysteme(errno));
    verrou.fd = ::open(cible.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat info {};
    if (verrou.fd < 0 || ::fstat(verrou.fd, &info) != 0)
        return Message(chemin, RaisonSysteme(errno));
    // Swapped for another kind of file since it was first looked at.
    if (!S_ISREG(info.st_mode))
        return Message(chemin, RaisonNonOrdinaire(info.st_mode));
    if (::flock(verrou.fd, LOCK_EX | LOCK_NB) != 0)
        return Message(chemin, RaisonSysteme(errno));
    return {};
}

std::string Remplacer(const std::string& chemin, const std::string& cible, const ProducteurContenu& produire)
{
    struct stat info {};
    const bool existe = ::stat(cible.c_str(), &info) == 0;
    if (existe && !S_ISREG(info.st_mode))
        return Message(chemin, RaisonNonOrdinaire(info.st_mode));
    Descripteur verrou;
    if (existe)
        if (std::string erreur = VerrouillerAncien(chemin, cible, verrou); !erreur.empty())
            return erreur;
    TemporaireVoisin temporaire(cible);
    if (!temporaire.Ouvert())
        return Message(chemin, RaisonSysteme(errno));
    const int fd = temporaire.Descripteur();
    if (existe && !ReprendreAttributs(fd, info))
        return Message(chemin, RaisonSysteme(errno));
    // A producer that fails without saying why is taken for an I/O error.
    errno = EIO;
    if (!produire(fd) || ::fsync(fd) != 0 || !temporaire.Publier(existe))
        return Message(chemin, RaisonSysteme(errno));
    if (!SynchroniserDossier(Dossier(cible)))
        return Message(chemin, RaisonSysteme(errno));
    return {};
}
}  // namespace

std::string EcrireFichier(const std::string& chemin, const ProducteurContenu& produire)
{
    std::string cible = chemin;
    if (chemin.empty())
        errno = ENOENT;
    if (chemin.empty() || !SuivreLiens(cible))
        return Message(chemin, RaisonSysteme(errno));
    return Remplacer(chemin, cible, produire);
}

std::string EcrireFichier(const std::string& chemin, std::string_view contenu)
{
    return EcrireFichier(chemin, [contenu](int fd) { return EcrireTout(fd, contenu.data(), contenu.size()); });
}
std::string RaisonSysteme(int erreur)
{
    switch (erreur) {
    case ENOSPC:
        return "plus de place sur le disque";
    case EDQUOT:
        return "quota de disque dépassé";
    case EFBIG:
        return "fichier trop volumineux";
    case EACCES:
    case EPERM:
        return "permission refusée";
    case EROFS:
        return "système de fichiers en lecture seule";
    case ENOENT:
        return "dossier introuvable";
    case ENOTDIR:
        return "un élément du chemin n'est pas un dossier";
    case EISDIR:
        return "c'est un dossier";
    case ENAMETOOLONG:
        return "nom trop long";
    case ELOOP:
        return "trop de liens symboliques";
    case EWOULDBLOCK:
        return "le fichier est utilisé par un autre programme";
    case ENOMEM:
        return "mémoire insuffisante";
    case EIO:
        return "erreur d'entrée-sortie";
    default:
        return "erreur système " + std::to_string(erreur);
    }
}
