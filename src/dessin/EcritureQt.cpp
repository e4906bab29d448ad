#include "EcritureQt.h"

#include "model/EcritureAtomique.h"
#include "model/FichierVerrouille.h"

#include <QIODevice>

#include <cerrno>
#include <string>

namespace {
// Qt's writers send many small pieces: they are gathered before each
// system call. The first failure is kept with its errno, and later writes
// are refused, so that no Qt writer can go on past a lost piece.
class FluxDescripteur : public QIODevice {
public:
    explicit FluxDescripteur(int fd) : descripteur(fd) { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }

    // True when every byte reached the file; errno tells why not.
    bool Terminer()
    {
        Vider();
        errno = erreur;
        return erreur == 0;
    }

    // The bytes go straight on: a writer that wants to go back and patch
    // them fails the file instead of silently misplacing them.
    bool seek(qint64 position) override
    {
        if (position == pos())
            return QIODevice::seek(position);
        erreur = ESPIPE;
        return false;
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* donnees, qint64 taille) override
    {
        if (erreur != 0)
            return -1;
        tampon.append(donnees, static_cast<size_t>(taille));
        if (tampon.size() >= kTailleTampon)
            Vider();
        return erreur == 0 ? taille : -1;
    }

private:
    static constexpr size_t kTailleTampon = 64 * 1024;

    void Vider()
    {
        if (erreur == 0 && !EcrireTout(descripteur, tampon.data(), tampon.size()))
            erreur = errno != 0 ? errno : EIO;
        tampon.clear();
    }

    int descripteur;
    int erreur = 0;
    std::string tampon;
};
}  // namespace

QString EcrireAvecQt(const std::string& chemin, const std::function<bool(QIODevice& sortie)>& ecrire)
{
    const std::string message = EcrireFichier(chemin, [&](int fd) {
        FluxDescripteur sortie(fd);
        const bool ecrit = ecrire(sortie);
        // The device's own failure, with its reason, comes before the Qt
        // writer's, which has none.
        if (!sortie.Terminer())
            return false;
        errno = EIO;
        return ecrit;
    });
    return QString::fromStdString(message);
}
