#include "Processus.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Runs `argv` with its outputs thrown away; false when it could not.
bool Executer(char* const argv[], rusage& usage, int& statut)
{
    const pid_t enfant = ::fork();
    if (enfant == 0) {
        const int vide = ::open("/dev/null", O_WRONLY);
        ::dup2(vide, STDOUT_FILENO);
        ::dup2(vide, STDERR_FILENO);
        ::execv(argv[0], argv);
        ::_exit(127);
    }
    return enfant > 0 && ::wait4(enfant, &statut, 0, &usage) == enfant;
}

double Secondes(const timeval& t)
{
    return double(t.tv_sec) + double(t.tv_usec) * 1e-6;
}

}  // namespace

// A child forked from this large process would start with its memory, and
// Linux keeps that peak through exec: the command is started by a relay, a
// fresh copy of this program that has built nothing yet.
CoutProcessus Lancer(const std::vector<std::string>& arguments)
{
    char sortie[] = "/tmp/quorvalent-relais-XXXXXX";
    const int descripteur = ::mkstemp(sortie);
    if (descripteur < 0)
        return {};
    ::close(descripteur);
    std::vector<std::string> relais = {"/proc/self/exe", "--relais", sortie};
    relais.insert(relais.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& argument : relais)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    CoutProcessus cout;
    rusage usage{};
    int statut = 0;
    if (Executer(argv.data(), usage, statut) && WIFEXITED(statut) && WEXITSTATUS(statut) == 0) {
        if (std::FILE* lu = std::fopen(sortie, "r")) {
            int reussi = 0;
            cout.reussi = std::fscanf(lu, "%lf %lf %d", &cout.secondes, &cout.megaoctets, &reussi) == 3 && reussi;
            std::fclose(lu);
        }
    }
    ::unlink(sortie);
    return cout;
}

int Relayer(int argc, char* argv[])
{
    if (argc < 4)
        return 2;
    rusage usage{};
    int statut = 0;
    const bool lance = Executer(argv + 3, usage, statut);
    std::FILE* sortie = std::fopen(argv[2], "w");
    if (sortie == nullptr)
        return 1;
    // Processor time rather than wall time: the machine is shared.
    std::fprintf(sortie, "%.6f %.3f %d\n", Secondes(usage.ru_utime) + Secondes(usage.ru_stime),
                 double(usage.ru_maxrss) / 1024.0,  // kilobytes on Linux
                 lance && WIFEXITED(statut) && WEXITSTATUS(statut) != 127 ? 1 : 0);
    return std::fclose(sortie) == 0 ? 0 : 1;
}
