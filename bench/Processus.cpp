#include "Processus.h"

#include <chrono>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

CoutProcessus Lancer(const std::vector<std::string>& arguments)
{
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    const auto debut = std::chrono::steady_clock::now();
    const pid_t enfant = ::fork();
    if (enfant == 0) {
        const int vide = ::open("/dev/null", O_WRONLY);
        ::dup2(vide, STDOUT_FILENO);
        ::dup2(vide, STDERR_FILENO);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    CoutProcessus cout;
    if (enfant < 0)
        return cout;
    int statut = 0;
    rusage usage{};
    if (::wait4(enfant, &statut, 0, &usage) != enfant)
        return cout;
    cout.secondes = std::chrono::duration<double>(std::chrono::steady_clock::now() - debut).count();
    cout.megaoctets = double(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
    cout.reussi = WIFEXITED(statut) && WEXITSTATUS(statut) != 127;
    return cout;
}
