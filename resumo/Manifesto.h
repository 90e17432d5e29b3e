#pragma once
// SHA256SUMS in the base folder of an export: one line "<sha-256 in hex>  <path relative to the base
// folder>" per submission file and summary file, so that `sha256sum -c SHA256SUMS` checks them with
// the standard tools; and the check of a folder against it.
#include <QList>
#include <QString>
#include <QStringList>

inline const QString NomeManifesto = QStringLiteral("SHA256SUMS");

// Writes the manifest of the given files (absolute paths under pasta) under a temporary name, renamed
// into place when complete. Raises Falha when a file cannot be read or the manifest written.
void GravarManifesto(const QString &pasta, const QStringList &arquivos);

struct ProblemaManifesto {
    enum Tipo { Ausente, Extra, Alterado, SemManifesto };
    Tipo tipo;
    QString arquivo; // relative to the folder
    bool operator==(const ProblemaManifesto &) const = default;
};

// Every file the manifest names that is missing or whose contents changed, and every file in the
// folder the manifest does not name, in path order.
QList<ProblemaManifesto> VerificarManifesto(const QString &pasta);
QString DescreverProblemaManifesto(const QString &pasta, const ProblemaManifesto &p);

// Every file under the folder, as paths relative to it, in order.
QStringList ArquivosDaPasta(const QString &pasta);
