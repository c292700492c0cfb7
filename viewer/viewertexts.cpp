#include "viewer/viewertexts.h"

#include <QFileInfo>

namespace viewertexts
{

namespace
{

struct ProblemText {
    QString title;
    QString explanation; // %1: the path
};

ProblemText textOf(PageProblem problem)
{
    switch (problem) {
    case PageProblem::None:
        break;
    case PageProblem::NoPage:
        return {QStringLiteral("Aucune page"),
                QStringLiteral("Aucune page n'a été indiquée au visualisateur.")};
    case PageProblem::Missing:
        return {QStringLiteral("Page introuvable"),
                QStringLiteral("Le fichier %1 est introuvable.")};
    case PageProblem::Directory:
        return {QStringLiteral("Page illisible"),
                QStringLiteral("%1 est un répertoire, pas une page.")};
    case PageProblem::NotRegularFile:
        return {QStringLiteral("Page illisible"),
                QStringLiteral("%1 n'est pas un fichier ordinaire : il ne peut pas être affiché.")};
    case PageProblem::Unreadable:
        return {QStringLiteral("Page illisible"),
                QStringLiteral("Le fichier %1 n'a pas pu être lu.")};
    }
    return {};
}

} // namespace

QString problemPage(PageProblem problem, const QString &filePath, const QString &reason)
{
    const ProblemText text = textOf(problem);
    const QString path = QStringLiteral("<b>%1</b>").arg(filePath.toHtmlEscaped());
    const QString explanation = text.explanation.contains(QLatin1String("%1"))
                                    ? text.explanation.arg(path)
                                    : text.explanation;
    QString body = QStringLiteral("<p>%1</p>").arg(explanation);
    if (!reason.isEmpty())
        body += QStringLiteral("<p>%1</p>").arg(reason.toHtmlEscaped());
    body +=
        QStringLiteral("<p>Vérifiez le chemin de la page, ou enregistrez le document avant de le "
                       "prévisualiser.</p>");
    return QStringLiteral("<html><head><title>%1</title></head><body>"
                          "<h2>Impossible d'afficher la page</h2>%2</body></html>")
        .arg(text.title.toHtmlEscaped(), body);
}

QString windowCaption(const QString &documentTitle, const QString &filePath)
{
    QString name = documentTitle.simplified();
    if (name.isEmpty())
        name = QFileInfo(filePath).fileName();
    return name.isEmpty() ? kProgramName : name + QStringLiteral(" - ") + kProgramName;
}

QString handOffUnavailable(const QString &reason)
{
    return reason + QStringLiteral(" Les pages envoyées par l'éditeur ne peuvent pas être reçues.");
}

QString linkNotFollowed(const QUrl &url)
{
    return QStringLiteral("Ce lien ne peut pas être suivi : %1").arg(url.toDisplayString());
}

QString openFailed(const QUrl &url)
{
    return QStringLiteral("Impossible d'ouvrir %1.").arg(url.toDisplayString());
}

} // namespace viewertexts
