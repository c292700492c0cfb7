#pragma once

#include "wizards/regiondrawing.h"

#include <QDialog>
#include <QImage>
#include <QLabel>

#include <functional>

class FileChooser;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPainter;
class QPushButton;
class QScrollArea;

// The image chooser: a picture file with its preview, size, border and alternative text for
// the static IMG tag, and conversions to JPEG and PNG. One dialog serves the whole run.
class Tchimage : public QDialog
{
    Q_OBJECT

public:
    explicit Tchimage(QWidget *parent = nullptr);
    static Tchimage &instance();
    static void createInstance(QWidget *parent);

    // Empties the size and text fields, forgets the selection, re-reads the lists and sets
    // the captions; done each time the dialog opens.
    void FormActivate();

    FileChooser *chooser() const { return m_chooser; }
    QLineEdit *edit(int number) const; // Edit1 … Edit4
    QCheckBox *border() const { return m_border; }
    QComboBox *borderValue() const { return m_borderValue; }
    QComboBox *quality() const { return m_quality; }
    QLabel *preview() const { return m_image; }

    // The handlers of the file list and of the buttons.
    void FileListBox1Change();
    void FileListBox1DblClick();
    void BitBtn4Click(); // JPEG conversion
    void BitBtn5Click(); // PNG conversion

private:
    void setTexts();
    void showPicture(const QImage &image);

    FileChooser *m_chooser;
    QLineEdit *m_edits[4];
    QLabel *m_labels[4];
    QGroupBox *m_groups[3];
    QCheckBox *m_border;
    QComboBox *m_borderValue;
    QComboBox *m_quality;
    QLabel *m_image;
    QScrollArea *m_scroll;
    QPushButton *m_convert[2];
    QPushButton *m_buttons[3];
    bool m_selected = false;
};

// The map dialog: the picture of an image map, the map's name, size and border.
class TMap : public QDialog
{
    Q_OBJECT

public:
    explicit TMap(QWidget *parent = nullptr);
    static TMap &instance();
    static void createInstance(QWidget *parent);

    void FormActivate();

    FileChooser *chooser() const { return m_chooser; }
    QLineEdit *edit(int number) const; // Edit1 … Edit4
    QCheckBox *border() const { return m_border; }
    QComboBox *borderValue() const { return m_borderValue; }

    void FileListBox1Change();
    // Opens the region editor on the selected file.
    void FileListBox1DblClick();
    void OKBtnClick();

private:
    void setTexts();

    FileChooser *m_chooser;
    QLineEdit *m_edits[4];
    QLabel *m_labels[5];
    QCheckBox *m_border;
    QComboBox *m_borderValue;
    QPushButton *m_buttons[3];
};

// The picture of the region editor: shows the image at one image pixel per logical pixel and
// reports clicks and pointer moves in image pixels.
class RegionPicture : public QLabel
{
    Q_OBJECT

public:
    explicit RegionPicture(QWidget *parent = nullptr);

Q_SIGNALS:
    void pressed(QPoint point);
    void moved(QPoint point);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
};

// The region editor: rectangles, circles and polygons drawn on the picture, each written to
// its region file with its link and alternative text as soon as it is complete.
class Tdecoupe : public QDialog
{
    Q_OBJECT

public:
    explicit Tdecoupe(QWidget *parent = nullptr);
    static Tdecoupe &instance();
    static void createInstance(QWidget *parent);

    // Loads the picture and starts a use of the editor; false (the message shown) when the
    // picture cannot be read, and the editor is then not opened.
    bool FormActivate(const QString &path);

    RegionDrawing &drawing() { return m_drawing; }
    QImage picture() const { return m_picture; }
    QImage canvas() const { return m_canvas; }
    RegionPicture *image() const { return m_image; }
    QPushButton *button(int number) const; // BitBtn1 … BitBtn4
    QLabel *positionLabel(int number) const { return number == 1 ? m_x : m_y; }

    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn4Click();
    void Image1MouseDown(QPoint point);
    void Image1MouseMove(QPoint point);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void setTexts();
    void showColours();
    void setCaption(int number);
    void draw(const std::function<void(QPainter &)> &paint);
    RegionLink askLink();
    // Writes the record at the shape's next number; true when it is written.
    bool store(RegionShape shape, const QByteArray &record);

    RegionDrawing m_drawing;
    QImage m_picture;
    QImage m_canvas;
    RegionPicture *m_image;
    QScrollArea *m_scroll;
    QPushButton *m_shapes[4];
    QLabel *m_x;
    QLabel *m_y;
    QPushButton *m_buttons[3];
};
