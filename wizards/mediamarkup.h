#pragma once

#include <QString>

// The sound, media and applet dialogs' texts. `source` is the file reference: the relative
// directory followed by the file name, case already applied.
namespace mediamarkup
{

// Loop count empty: no LOOP; "0": LOOP="infinite"; otherwise the count as typed.
QString backgroundSound(const QString &source, const QString &loops);

// With both a height and a width, the size and the alignment are written; otherwise only the
// source and HIDDEN.
QString embed(const QString &source, const QString &height, const QString &width,
              const QString &align, const QString &hidden);

// `code` is the class file's reference as chosen or typed, unchanged.
QString applet(const QString &code, const QString &height, const QString &width);

// The preview path: `directory` and the name of the file of that directory whose name
// matches `name` regardless of case (the name itself when there is none or several).
QString previewPath(const QString &directory, const QString &name);

} // namespace mediamarkup
