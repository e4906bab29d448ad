// The desktop's rows of the benchmark, apart from it so that the benchmark
// itself links no widgets: `quorvalent-bench-bureau FICHIER.gff FILTRE
// RESULTATS` writes a line "row<TAB>seconds" per row into RESULTATS.
#include "Bureau.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    if (argc != 4)
        return 2;
    std::FILE* resultats = std::fopen(argv[3], "w");
    if (resultats == nullptr)
        return 1;
    for (const auto& [nom, secondes] : MesurerBureau(argv[1], argv[2]))
        std::fprintf(resultats, "%s\t%.9f\n", nom.c_str(), secondes);
    return std::fclose(resultats) == 0 ? 0 : 1;
}
