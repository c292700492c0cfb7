#include "app/recovery.h"

#include "app/recoveryfile.h"
#include "app/tecran.h"
#include "editor/tedition.h"
#include "platform/atomicfile.h"
#include "platform/editorcontrol.h"
#include "platform/modals.h"
#include "settings/programdir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <csignal>

namespace
{

constexpr int kDefaultIntervalMs = 30000;
const QString kSuffix = QStringLiteral(".rec");

QString trRecovery(const char *text)
{
    return QCoreApplication::translate("recuperation", text);
}

int configuredInterval()
{
    bool ok = false;
    const int ms = qEnvironmentVariableIntValue("BRINDEL_RECOVERY_MS", &ok);
    return ok && ms > 0 ? ms : kDefaultIntervalMs;
}

// Files are named "<process id>-<window number>.rec". A file of a process that still runs
// (another Brindel open at the same time, or this one) is that process's own business.
bool ownerRuns(const QString &fileName)
{
    bool ok = false;
    const qint64 pid = fileName.section(QLatin1Char('-'), 0, 0).toLongLong(&ok);
    if (!ok || pid <= 0)
        return false;
    if (pid == QCoreApplication::applicationPid())
        return true;
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

} // namespace

QString RecoveryKeeper::folder()
{
    return programDirectory() + QStringLiteral("recuperation/");
}

RecoveryKeeper::RecoveryKeeper(Tecran &tecran, QObject *parent) : QObject(parent), m_tecran(tecran)
{
    m_timer.setInterval(configuredInterval());
    connect(&m_timer, &QTimer::timeout, this, [this] { m_failures.run([this] { writeNow(); }); });
    m_timer.start();
}

RecoveryKeeper::~RecoveryKeeper() = default;

RecoveryKeeper::Entry &RecoveryKeeper::entryFor(Tedition *editor)
{
    auto found = m_entries.find(editor);
    if (found != m_entries.end())
        return *found;
    Entry entry;
    entry.file = folder() +
                 QStringLiteral("%1-%2").arg(QCoreApplication::applicationPid()).arg(++m_serial) +
                 kSuffix;
    // Saved or closed: its unsaved work is no longer at risk.
    connect(editor, &Tedition::documentSaved, this, [this, editor] {
        Entry &saved = m_entries[editor];
        if (saved.hasFile)
            QFile::remove(saved.file);
        saved.hasFile = false;
        saved.written = 0;
    });
    connect(editor, &QObject::destroyed, this, [this, editor] { forget(editor); });
    return *m_entries.insert(editor, entry);
}

void RecoveryKeeper::forget(Tedition *editor)
{
    const auto found = m_entries.find(editor);
    if (found == m_entries.end())
        return;
    if (found->hasFile)
        QFile::remove(found->file);
    m_entries.erase(found);
}

void RecoveryKeeper::writeNow()
{
    for (Tedition *editor : m_tecran.editors()) {
        const bool modified = editor->control().isModified();
        if (!modified && !m_entries.contains(editor))
            continue;
        Entry &entry = entryFor(editor);
        if (!modified) {
            if (entry.hasFile)
                QFile::remove(entry.file);
            entry.hasFile = false;
            entry.written = 0;
            continue;
        }
        if (entry.hasFile && entry.written == editor->editCount())
            continue; // nothing typed since the last tick
        QDir().mkpath(folder());
        const DocumentFormat format = editor->documentFormat();
        writeFileAtomically(entry.file,
                            recoveryBytes(editor->fileName(), editor->windowTitle(),
                                          editor->control().text(), format),
                            entry.file + QLatin1Char('~'));
        entry.hasFile = true;
        entry.written = editor->editCount();
    }
}

void RecoveryKeeper::offerFound()
{
    const QDir dir(folder());
    QStringList files;
    QList<RecoveredDocument> documents;
    for (const QString &name :
         dir.entryList({QLatin1Char('*') + kSuffix}, QDir::Files, QDir::Name)) {
        if (ownerRuns(name))
            continue;
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        if (const std::optional<RecoveredDocument> found = readRecovery(file.readAll())) {
            files << dir.filePath(name);
            documents << *found;
        }
    }
    if (documents.isEmpty())
        return;
    QStringList names;
    for (const RecoveredDocument &document : documents)
        names << QStringLiteral("  ") + (document.path.isEmpty()
                                             ? document.caption
                                             : QDir::toNativeSeparators(document.path));
    const bool restore = askYesNo(
        &m_tecran,
        trRecovery("Brindel ne s'est pas fermé normalement. Des modifications non "
                   "enregistrées ont été gardées pour :\n%1\n\nVoulez-vous les récupérer ? "
                   "(Non les efface définitivement.)")
            .arg(names.join(QLatin1Char('\n'))));
    for (int i = 0; i < documents.size(); ++i) {
        if (restore) {
            Tedition *editor = m_tecran.ouvredocument(documents[i].path);
            if (!editor)
                continue; // the message said why; the file stays for another try
            editor->takeRecoveredText(documents[i].document, documents[i].caption);
        }
        QFile::remove(files[i]);
    }
}
