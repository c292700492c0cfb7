#pragma once

#include "viewer/pageloader.h"

#include <QString>
#include <QUrl>

// The viewer's own French texts. It has no language file: these few are fixed here.
namespace viewertexts
{

inline const QString kPrecedent = QStringLiteral("Précédent");
inline const QString kSuivant = QStringLiteral("Suivant");
inline const QString kActualiser = QStringLiteral("Actualiser");
inline const QString kProgramName = QStringLiteral("Visualisateur");
inline const QString kContenuDistant = QStringLiteral("Contenu distant");
inline const QString kContenuDistantAide =
    QStringLiteral("Autoriser pour cette session les images, styles et scripts venant d'Internet");

// The message page shown in place of a page that cannot be shown. `reason` is the system's
// explanation for an unreadable file.
QString problemPage(PageProblem problem, const QString &filePath, const QString &reason);

// The window caption: the page's title, or its file name when it has none.
QString windowCaption(const QString &documentTitle, const QString &filePath);

// Status line notes.
QString handOffUnavailable(const QString &reason);
QString linkNotFollowed(const QUrl &url);
QString openFailed(const QUrl &url);

} // namespace viewertexts
