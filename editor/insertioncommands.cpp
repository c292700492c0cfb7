#include "editor/insertioncommands.h"

#include "editor/insertion.h"
#include "editor/markupcommands.h"
#include "platform/modals.h"

#include <QColor>
#include <QFont>
#include <QVariant>
#include <QWidget>

namespace
{

const QString kFontColour = QStringLiteral("Couleur1");
const QString kFontFace = QStringLiteral("Fonte1");

// Each window's colour and font dialogs open on the last choice made in them.
const char *const kColourPreset = "brindelFontColourPreset";
const char *const kFontPreset = "brindelFontFacePreset";

// Red in the low byte, green in the next, blue in the third.
quint32 colourValue(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return quint32(rgb.red()) | quint32(rgb.green()) << 8 | quint32(rgb.blue()) << 16;
}

// The family name alone: the font database may append the foundry in brackets
// ("Family [Foundry]"), which is no font name a page can use.
QString familyName(const QFont &font)
{
    QString family = font.family();
    const qsizetype bracket = family.indexOf(QLatin1String(" ["));
    if (bracket > 0 && family.endsWith(QLatin1Char(']')))
        family.truncate(bracket);
    return family;
}

void insertFontColour(EditorControl &control, QWidget *window)
{
    QColor initial = Qt::black;
    if (window && window->property(kColourPreset).isValid())
        initial = window->property(kColourPreset).value<QColor>();
    const std::optional<QColor> chosen = modals().color(window, initial);
    if (!chosen || !chosen->isValid())
        return;
    if (window)
        window->setProperty(kColourPreset, *chosen);
    const markup::Insertion insertion = markup::fontColour(colourValue(*chosen));
    insertSimple(control, insertion.text, insertion.caret);
}

void insertFontFace(EditorControl &control, QWidget *window)
{
    QFont initial = window ? window->font() : QFont();
    if (window && window->property(kFontPreset).isValid())
        initial = window->property(kFontPreset).value<QFont>();
    const std::optional<QFont> chosen = modals().font(window, initial);
    if (!chosen)
        return;
    if (window)
        window->setProperty(kFontPreset, *chosen);
    const markup::Insertion insertion = markup::fontFace(familyName(*chosen));
    insertSimple(control, insertion.text, insertion.caret);
}

} // namespace

const QSet<QString> &insertionCommandNames()
{
    static const QSet<QString> names = [] {
        QSet<QString> set{kFontColour, kFontFace};
        for (const markup::Command &command : markup::fixedCommands())
            set.insert(command.name);
        return set;
    }();
    return names;
}

void runInsertionCommand(const QString &name, EditorControl &control, QWidget *window)
{
    if (name == kFontColour)
        insertFontColour(control, window);
    else if (name == kFontFace)
        insertFontFace(control, window);
    else if (const markup::Command *command = markup::findFixedCommand(name))
        markup::run(*command, control);
}
