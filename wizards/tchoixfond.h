#pragma once

#include <QColor>
#include <QDialog>
#include <QImage>

#include <array>

class QLabel;
class QPushButton;
class QScrollArea;

// The preview of a new page: the background picture at the top left with the five colour
// labels drawn over it. One window serves the whole run and keeps its picture.
class Tchoixfond : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kLabelCount = 5;

    explicit Tchoixfond(QWidget *parent = nullptr);

    static Tchoixfond &instance();
    static void createInstance(QWidget *parent);

    void setLabelColour(int label, const QColor &colour);
    QColor labelColour(int label) const;

    // Shows `picture` under the labels.
    void setPicture(const QImage &picture);
    QSize pictureSize() const;

    // Sizes the window to its picture: never smaller than the labels and OK need, never
    // larger than the screen's free area (the picture then scrolls).
    void fitToPicture();

    // Sets the window's texts and shows it modally.
    void showPreview();

    // Sets the window's texts from the dialog language file.
    void FormActivate();

private:
    QScrollArea *m_scroll;
    QWidget *m_canvas;
    QLabel *m_image;
    std::array<QLabel *, kLabelCount> m_labels{};
    QPushButton *m_ok;
};
