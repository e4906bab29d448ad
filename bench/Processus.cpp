#include "Processus.h"

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
    // Processor time rather than wall time: the machine is shared.
    const auto secondes = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) * 1e-6; };
    cout.secondes = secondes(usage.ru_utime) + secondes(usage.ru_stime);
    cout.megaoctets = double(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
    cout.reussi = WIFEXITED(statut) && WEXITSTATUS(statut) != 127;
    return cout;
}
