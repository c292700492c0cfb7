#pragma once

#include <QObject>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

// One candidate text component: its widget, and how to load text into it, move the caret
// (a position in UTF-16 units), undo the last change and read its length.
struct Candidate {
    QWidget *widget = nullptr;
    QWidget *paintTarget = nullptr;
    std::function<void(const QString &)> setText;
    std::function<void(int)> moveCaret;
    std::function<void()> undo;
    std::function<int()> length;
};

// Each returns the owner of the widget and what it needs.
std::unique_ptr<QObject> makePlain(Candidate &candidate);
std::unique_ptr<QObject> makeQsci(Candidate &candidate);
