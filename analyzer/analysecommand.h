#pragma once

class EditorControl;
class QWidget;

// The analysis report command of an editor window: empties analyse.log, runs the analyzer
// over the document's lines, writes the final line, loads the log into the report window,
// deletes the log and shows the window. When the user chooses "Aller à l'erreur", the caret
// goes to the finding's line and column. A failing file operation is shown in a message box
// and no window opens.
void Tedition_Analyseurdecode1Click(EditorControl &control, QWidget *editor);
