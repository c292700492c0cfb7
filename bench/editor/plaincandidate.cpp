// The QPlainTextEdit candidate: the editor's own text widget with its colouring, line
// numbers and tag matching, driven through the editor control.
#include "bench/editor/benchcandidate.h"
#include "platform/editortextedit.h"
#include "platform/plaintexteditcontrol.h"

namespace
{
struct PlainOwner : QObject {
    EditorTextEdit *edit = new EditorTextEdit;
    PlainTextEditControl control{*edit};
    ~PlainOwner() override { delete edit; }
};
} // namespace

std::unique_ptr<QObject> makePlain(Candidate &candidate)
{
    auto owner = std::make_unique<PlainOwner>();
    PlainOwner *o = owner.get();
    // BENCH_PLAIN_BARE=1: no colours, 2: no line numbers, 3: neither, to see what they cost.
    const int bare = qEnvironmentVariableIntValue("BENCH_PLAIN_BARE");
    if (bare & 1)
        o->edit->setColouring(false);
    if (bare & 2)
        o->edit->setLineNumbers(false);
    candidate.widget = o->edit;
    candidate.paintTarget = o->edit->viewport();
    candidate.setText = [o](const QString &text) {
        o->control.setText(text);
        o->control.setModified(false);
    };
    candidate.moveCaret = [o](int position) { o->control.setSelection(position, 0); };
    candidate.undo = [o] { o->control.undo(); };
    candidate.length = [o] { return o->control.textLength(); };
    return owner;
}
