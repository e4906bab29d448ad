#include "model/EcritureAtomique.h"

#include "model/FichierVerrouille.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr std::string_view kMarqueTemporaire = ".quorvalent-";
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

std::string Base(const std::string& chemin)
{
    const size_t barre = chemin.rfind('/');
    return barre == std::string::npos ? chemin : chemin.substr(barre + 1);
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

// The temporary file carries the target's name, hidden, and our mark.
std::string ModeleTemporaire(const std::string& chemin)
{
    return Dossier(chemin) + "/." + Base(chemin) + std::string(kMarqueTemporaire);
}

int CreerTemporaire(const std::string& modele, std::string& nom)
{
    static std::mt19937 alea{std::random_device{}()};
    static constexpr char kChiffres[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    for (int essai = 0; essai < 100; ++essai) {
        nom = modele;
        for (int i = 0; i < 6; ++i)
            nom += kChiffres[alea() % (sizeof kChiffres - 1)];
        // 0666 lets the umask decide, as for any new file of the user's.
        const int fd = ::open(nom.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool SynchroniserDossier(const std::string& dossier)
{
    Descripteur d{::open(dossier.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    return d.fd >= 0 && (::fsync(d.fd) == 0 || errno == EINVAL);
}

std::string Message(const std::string& chemin, const std::string& raison)
{
    return "Impossible d'écrire « " + chemin + " » : " + raison + ".";
}

std::string Remplacer(const std::string& chemin, const std::string& cible, const ProducteurContenu& produire)
{
    struct stat info {};
    const bool existe = ::stat(cible.c_str(), &info) == 0;
    if (existe && !S_ISREG(info.st_mode))
        return Message(chemin, S_ISDIR(info.st_mode) ? "c'est un dossier" : "ce n'est pas un fichier ordinaire");
    Descripteur verrou;
    if (existe) {
        verrou.fd = ::open(cible.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (verrou.fd < 0 || ::flock(verrou.fd, LOCK_EX | LOCK_NB) != 0)
            return Message(chemin, RaisonSysteme(errno));
    }
    std::string temporaire;
    Descripteur t{CreerTemporaire(ModeleTemporaire(cible), temporaire)};
    if (t.fd < 0)
        return Message(chemin, RaisonSysteme(errno));
    errno = EIO;
    const bool reussi = ::flock(t.fd, LOCK_EX | LOCK_NB) == 0 && (!existe || ::fchmod(t.fd, info.st_mode & 07777) == 0)
                     && produire(t.fd) && ::fsync(t.fd) == 0 && ::rename(temporaire.c_str(), cible.c_str()) == 0;
    if (!reussi) {
        const int erreur = errno;
        ::unlink(temporaire.c_str());
        return Message(chemin, RaisonSysteme(erreur));
    }
    if (!SynchroniserDossier(Dossier(cible)))
        return Message(chemin, RaisonSysteme(errno));
    return {};
}
}  // namespace

std::string EcrireFichier(const std::string& chemin, const ProducteurContenu& produire)
{
    std::string cible = chemin;
    if (!SuivreLiens(cible))
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
