#include "model/Avancement.h"

#include "model/ServicesFenetre.h"

Avancement::Avancement(VueFenetre& vue_, uint64_t total_) : vue(&vue_), total(total_), prochain(kPeriode) {}

void Avancement::Signaler()
{
    prochain = fait + kPeriode;
    vue->SignalerAvancement(fait < total ? fait : total, total);
}
