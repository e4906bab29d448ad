#pragma once

#include <QIdentityProxyModel>

// The file dialogs' list in French on any machine: Qt's file model writes
// sizes and dates in the system locale, which is English wherever the C
// library has no French locale, whatever the application's default locale.
// This model shows its sizes ("375 octets", "2,8 ko") and dates
// ("14 juil. 2026 09:05") in French instead.
class ModeleFichiersFrancais : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override;
};
