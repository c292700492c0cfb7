#include "editor/tedition.h"

#include "editor/charactercommands.h"
#include "editor/clipboardhistory.h"
#include "editor/editorhost.h"
#include "editor/editormenus.h"
#include "editor/findcommands.h"
#include "platform/editortextedit.h"
#include "platform/guarded.h"
#include "platform/ioerror.h"
#include "platform/plaintexteditcontrol.h"
#include "settings/languagefiles.h"
#include "settings/programdir.h"
#include "settings/settingsstore.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QSet>
#include <QVBoxLayout>

namespace
{

void appendToHistoryFile(const QString &text)
{
    appendClipboardHistory(clipboardHistoryFile(), text);
}

std::function<void(const QString &)> &clipboardHistoryHook()
{
    static std::function<void(const QString &)> hook = appendToHistoryFile;
    return hook;
}

bool clipboardHoldsText()
{
    return !QGuiApplication::clipboard()->text().isEmpty();
}

void forEachLeafAction(QMenu *menu, const std::function<void(QAction *)> &visit)
{
    for (QAction *action : menu->actions()) {
        if (action->isSeparator())
            continue;
        if (QMenu *sub = action->menu())
            forEachLeafAction(sub, visit);
        else
            visit(action);
    }
}

} // namespace

Tedition::Tedition(EditorHost *host, QWidget *parent) : QWidget(parent), m_host(host)
{
    setObjectName(QStringLiteral("Tedition"));
    m_memo = new EditorTextEdit(this);
    m_memo->setObjectName(QStringLiteral("memo1"));
    m_control = std::make_unique<PlainTextEditControl>(*m_memo);
    m_control->setKeyHook([this](QChar key) { return Tedition_Memo1KeyPress(*this, key); });
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_memo);

    buildMenus();
    bindMenus();
    FormCreate();

    m_memo->installEventFilter(this);
    m_memo->viewport()->installEventFilter(this);
    connect(m_memo, &QPlainTextEdit::textChanged, this, [this] {
        refreshStatus();
        refreshMenuStates();
        if (QAction *save = command(QStringLiteral("Enregistrer1")))
            save->setEnabled(true);
        m_host->setSaveButtonEnabled(true);
    });
}

Tedition::~Tedition()
{
    // The control adapter watches memo1's events; it goes before the widget does.
    m_memo->removeEventFilter(this);
    m_memo->viewport()->removeEventFilter(this);
    m_control.reset();
}

bool Tedition::providesCommand(const QString &name)
{
    return commands().contains(name);
}

EditorControl &Tedition::control() const
{
    return *m_control;
}

void Tedition::bindMenus()
{
    QList<QMenu *> all = m_menus;
    if (m_contextMenu)
        all.append(m_contextMenu);
    for (QMenu *menu : all) {
        forEachLeafAction(menu, [this](QAction *action) {
            const auto found = commands().constFind(action->objectName());
            if (found == commands().constEnd()) {
                action->setEnabled(false); // its feature is not built yet
                return;
            }
            const Command run = *found;
            connect(action, &QAction::triggered, this,
                    [this, run] { guarded(this, [&] { run(*this); }); });
        });
    }
}

QAction *Tedition::command(const QString &name) const
{
    QList<QMenu *> all = m_menus;
    if (m_contextMenu)
        all.append(m_contextMenu);
    for (QMenu *menu : all) {
        if (auto *found = menu->findChild<QAction *>(name))
            return found;
        for (QMenu *sub : menu->findChildren<QMenu *>()) {
            for (QAction *action : sub->actions()) {
                if (action->objectName() == name)
                    return action;
            }
        }
        for (QAction *action : menu->actions()) {
            if (action->objectName() == name)
                return action;
        }
    }
    return nullptr;
}

void Tedition::buildMenus()
{
    // The whole menu tree with its design captions (editor/editormenus.cpp).
    const EditorMenus menus = buildEditorMenus(this);
    m_menus = menus.bar;
    m_contextMenu = menus.popup;
    connect(menus.menu(QStringLiteral("Edition1")), &QMenu::aboutToShow, this, [this] {
        refreshMenuStates();
        refreshHistoryItem(*this);
    });
    QMenu *windows = menus.menu(QStringLiteral("Fentres1"));
    connect(windows, &QMenu::aboutToShow, this,
            [this, windows] { m_host->fillWindowList(windows); });
}

void Tedition::Tedition_creationmenu()
{
    // Captions from the editor language file and the two check marks; a file that cannot be
    // read leaves the design texts, and the failure is reported once by FormCreate.
    if (const std::optional<QString> failure = ::Tedition_creationmenu({m_menus, m_contextMenu}))
        throw IoError(*failure);
}

void Tedition::runCommand(const QString &name)
{
    QAction *action = command(name);
    if (action && action->isEnabled())
        action->trigger();
}

void Tedition::setAutoTransformChecked(bool checked)
{
    if (QAction *action = command(QStringLiteral("Transformationautomatique1")))
        action->setChecked(checked);
}

void Tedition::setClipboardHistoryHook(std::function<void(const QString &)> hook)
{
    clipboardHistoryHook() = hook ? std::move(hook) : appendToHistoryFile;
}

void Tedition::copyOrCut(bool cut)
{
    // Without a selection the clipboard keeps its text, which is already in the history.
    if (m_control->selLength() == 0)
        return;
    if (cut)
        m_control->cut();
    else
        m_control->copy();
    const QString text = QGuiApplication::clipboard()->text();
    if (!text.isEmpty() && clipboardHistoryHook())
        clipboardHistoryHook()(text);
    refreshMenuStates();
}

void Tedition::enableCommand(const char *name, bool enabled)
{
    // An item whose command is not built stays disabled whatever the state says.
    if (QAction *action = command(QString::fromLatin1(name)))
        action->setEnabled(enabled && commands().contains(action->objectName()));
}

void Tedition::refreshMenuStates()
{
    const bool selection = m_control->selLength() > 0;
    const bool clipboard = clipboardHoldsText();
    enableCommand("Coller1", clipboard);
    enableCommand("Viderlepressepapier1", clipboard);
    enableCommand("Copier1", selection);
    enableCommand("Couper1", selection);
    enableCommand("Toutsupprimer1", selection);
}

bool Tedition::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        if (watched == m_memo && cutOrCopyKey(static_cast<QKeyEvent *>(event))) {
            return true;
        }
        [[fallthrough]];
    case QEvent::KeyRelease:
        if (watched == m_memo) {
            refreshStatus();
            refreshMenuStates();
        }
        break;
    case QEvent::MouseButtonPress:
        // The click moves the caret after this filter runs: refresh once it has.
        QMetaObject::invokeMethod(
            this,
            [this] {
                refreshStatus();
                refreshMenuStates();
            },
            Qt::QueuedConnection);
        break;
    case QEvent::ContextMenu:
        if (watched == m_memo->viewport() || watched == m_memo) {
            if (m_contextMenu) {
                const bool selection = m_control->selLength() > 0;
                enableCommand("Copier2", selection);
                enableCommand("Couper2", selection);
                enableCommand("Toutsupprimer2", selection);
                enableCommand("Coller2", clipboardHoldsText());
                if (QAction *help = command(QStringLiteral("Aide3")))
                    help->setVisible(selection);
                m_contextMenu->exec(static_cast<QContextMenuEvent *>(event)->globalPos());
                return true;
            }
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

bool Tedition::cutOrCopyKey(QKeyEvent *key)
{
    // The text widget would cut or copy by itself, before the menu's shortcut could act, and
    // the clipboard history would miss the text.
    const bool cut = key->matches(QKeySequence::Cut);
    if (!cut && !key->matches(QKeySequence::Copy))
        return false;
    refreshMenuStates();
    runCommand(QString::fromLatin1(cut ? "Couper1" : "Copier1"));
    return true;
}

void Tedition::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    refreshPosition();
}

void Tedition::FormActivate()
{
    refreshStatus();
    m_host->setSaveButtonEnabled(m_control->isModified());
}

void Tedition::refreshPosition()
{
    const int start = m_control->selStart();
    const int line = m_control->lineFromChar(start);
    const int column = start - m_control->lineIndex(line);
    m_host->setStatusPanel(1, m_positionWords[0] + QStringLiteral(" : ") +
                                  QString::number(line + 1) + QStringLiteral(" - ") +
                                  m_positionWords[1] + QStringLiteral(" : ") +
                                  QString::number(column + 1));
}

void Tedition::refreshStatus()
{
    refreshPosition();
    m_host->setStatusPanel(4, QString::number(m_control->textLength()) + QLatin1Char(' ') +
                                  m_positionWords[2]);
}
