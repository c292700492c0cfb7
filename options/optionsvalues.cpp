#include "options/optionsvalues.h"

#include "options/personaltexts.h"
#include "settings/settingsstore.h"

namespace
{

QString key(const char *name)
{
    return QString::fromLatin1(name);
}

} // namespace

bool purgeFromValue(const QString &presse)
{
    return presse != u"0";
}

int viewerFromValue(const QString &value)
{
    if (value == u"1")
        return 1;
    if (value == u"2")
        return 2;
    return 3;
}

bool tipFromValue(const QString &astuce)
{
    return astuce != u"non";
}

bool smartIndentationFromValue(const QString &value)
{
    return value != u"1";
}

int fileNameCaseFromValue(const QString &value)
{
    bool ok = false;
    const int number = value.trimmed().toInt(&ok);
    if (!ok)
        return 0;
    return number == 0 ? 0 : number == 1 ? 1 : 2;
}

int fileNameCaseSetting(const QString &value)
{
    bool ok = false;
    const int number = value.trimmed().toInt(&ok);
    return ok && number >= 0 && number <= 2 ? number : 0;
}

OptionsControls readOptions(const QString &settingsFile)
{
    auto read = [&](const char *name) { return lireparametre(key(name), settingsFile); };
    OptionsControls controls;
    controls.purgeHistory = purgeFromValue(read("presse"));
    controls.imageViewerPath = read("cheminvisuimage");
    controls.htmlViewerPath = read("cheminvisuhtml");
    controls.mainMenuFile = read("menu1");
    controls.editorMenuFile = read("menu2");
    controls.dialogFile = read("dialogue");
    for (int number = 1; number <= kPersonalButtons; ++number)
        controls.pictures.append(lireparametre(personalPictureKey(number), settingsFile));
    controls.defaultMail = read("mailpardefaut");
    controls.tipAtStart = tipFromValue(read("astuce"));
    controls.fileNameCase = fileNameCaseFromValue(read("normeecriture"));
    controls.imageViewer = viewerFromValue(read("visuimage"));
    controls.htmlViewer = viewerFromValue(read("visuhtml"));
    controls.smartIndentation = smartIndentationFromValue(read("indentation"));
    return controls;
}

QList<SettingWrite> okWrites(const QStringList &texts, const OptionsControls &controls)
{
    QList<SettingWrite> writes;
    for (int number = 1; number <= kPersonalButtons; ++number)
        writes.append({personalTextKey(number), texts.value(number - 1)});
    if (controls.imageViewer >= 1 && controls.imageViewer <= 3)
        writes.append({key("visuimage"), QString::number(controls.imageViewer)});
    if (controls.htmlViewer >= 1 && controls.htmlViewer <= 3)
        writes.append({key("visuhtml"), QString::number(controls.htmlViewer)});
    writes.append({key("cheminvisuimage"), controls.imageViewerPath});
    writes.append({key("cheminvisuhtml"), controls.htmlViewerPath});
    writes.append({key("mailpardefaut"), controls.defaultMail});
    writes.append({key("astuce"), controls.tipAtStart ? key("oui") : key("non")});
    writes.append({key("normeecriture"), controls.fileNameCase == 0   ? key("0")
                                         : controls.fileNameCase == 1 ? key("1")
                                                                      : key("2")});
    writes.append({key("indentation"), controls.smartIndentation ? key("0") : key("1")});
    return writes;
}

void writeSettings(const QList<SettingWrite> &writes, const QString &settingsFile)
{
    for (const SettingWrite &write : writes)
        ecrireparametre(write.value, write.key, settingsFile);
}
