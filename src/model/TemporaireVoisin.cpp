#include "model/TemporaireVoisin.h"

#include <cerrno>
#include <climits>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr std::string_view kMarque = ".quorvalent-";
constexpr size_t kLongueurSuffixe = 6;
constexpr int kEssaisNoms = 100;

std::string Dossier(const std::string& chemin)
{
    const size_t barre = chemin.rfind('/');
    if (barre == std::string::npos)
        return ".";
    return barre == 0 ? "/" : chemin.substr(0, barre);
}

// The target's name, shortened where the mark and the suffix would make the
// temporary's name too long for the folder.
std::string Prefixe(const std::string& cible)
{
    const size_t barre = cible.rfind('/');
    std::string base = barre == std::string::npos ? cible : cible.substr(barre + 1);
    const size_t place = NAME_MAX - 1 - kMarque.size() - kLongueurSuffixe;
    if (base.size() > place)
        base.resize(place);
    return "." + base + std::string(kMarque);
}

std::string Suffixe()
{
    static std::mt19937 alea{std::random_device{}()};
    static constexpr char kChiffres[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string suffixe;
    for (size_t i = 0; i < kLongueurSuffixe; ++i)
        suffixe += kChiffres[alea() % (sizeof kChiffres - 1)];
    return suffixe;
}

// A writer keeps its temporary locked until it is gone: one we can lock
// was left by a writer that died, and is ours to remove.
void RetirerPerimes(const std::string& dossier, const std::string& prefixe)
{
    DIR* liste = ::opendir(dossier.c_str());
    if (liste == nullptr)
        return;
    while (const dirent* entree = ::readdir(liste)) {
        const std::string_view nom = entree->d_name;
        if (!nom.starts_with(prefixe) || nom.size() != prefixe.size() + kLongueurSuffixe)
            continue;
        const std::string chemin = dossier + "/" + std::string(nom);
        const int fd = ::open(chemin.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        struct stat info {};
        if (fd >= 0 && ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(chemin.c_str());
        if (fd >= 0)
            ::close(fd);
    }
    ::closedir(liste);
}

// A file without a name is given one through /proc; without /proc the
// temporary is named from the start.
bool FichiersSansNom()
{
    static const bool possible = ::access("/proc/self/fd", X_OK) == 0;
    return possible;
}

int OuvrirSansNom(const std::string& dossier)
{
    if (!FichiersSansNom()) {
        errno = EOPNOTSUPP;
        return -1;
    }
    // 0666 lets the umask decide, as for any new file of the user's.
    return ::open(dossier.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0666);
}

bool Lier(int descripteur, const std::string& nom)
{
    const std::string source = "/proc/self/fd/" + std::to_string(descripteur);
    return ::linkat(AT_FDCWD, source.c_str(), AT_FDCWD, nom.c_str(), AT_SYMLINK_FOLLOW) == 0;
}
}  // namespace

TemporaireVoisin::TemporaireVoisin(const std::string& chemin) : cible(chemin)
{
    const std::string dossier = Dossier(cible);
    prefixe = dossier + "/" + Prefixe(cible);
    RetirerPerimes(dossier, Prefixe(cible));
    descripteur = OuvrirSansNom(dossier);
    // Some file systems have no nameless files: the name then comes first,
    // and the lock right after it.
    if (descripteur < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)) {
        for (int essai = 0; essai < kEssaisNoms && descripteur < 0; ++essai) {
            nom = prefixe + Suffixe();
            descripteur = ::open(nom.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (descripteur < 0 && errno != EEXIST)
                break;
        }
        if (descripteur < 0)
            nom.clear();
    }
    if (descripteur >= 0 && ::flock(descripteur, LOCK_EX | LOCK_NB) != 0) {
        const int erreur = errno;
        Abandonner();
        errno = erreur;
    }
}

TemporaireVoisin::~TemporaireVoisin()
{
    Abandonner();
}

void TemporaireVoisin::Abandonner()
{
    if (!nom.empty())
        ::unlink(nom.c_str());
    if (descripteur >= 0)
        ::close(descripteur);
    nom.clear();
    descripteur = -1;
}

bool TemporaireVoisin::Nommer()
{
    for (int essai = 0; essai < kEssaisNoms; ++essai) {
        const std::string essaye = prefixe + Suffixe();
        if (Lier(descripteur, essaye)) {
            nom = essaye;
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    return false;
}

bool TemporaireVoisin::Publier(bool cibleExiste)
{
    if (nom.empty()) {
        if (!cibleExiste && Lier(descripteur, cible))
            return true;
        // Another writer created the target meanwhile: it is replaced.
        if ((!cibleExiste && errno != EEXIST) || !Nommer())
            return false;
    }
    if (::rename(nom.c_str(), cible.c_str()) != 0)
        return false;
    nom.clear();
    return true;
}
