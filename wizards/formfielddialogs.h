#pragma once

#include "wizards/chooserdialog.h"
#include "wizards/dialogparts.h"
#include "wizards/fielddialog.h"

class QLineEdit;

// The form field dialogs. Those made at start-up keep what was typed for the whole run;
// TTextarea and TBout_valid are made for one use.

class TTextarea : public FieldDialog
{
    Q_OBJECT
public:
    explicit TTextarea(QWidget *parent = nullptr);
};

class TBout_valid : public FieldDialog
{
    Q_OBJECT
public:
    explicit TBout_valid(QWidget *parent = nullptr);
};

class Tcase_coch : public FieldDialog, public SharedInstance<Tcase_coch>
{
    Q_OBJECT
public:
    explicit Tcase_coch(QWidget *parent = nullptr);
};

class Tradio : public FieldDialog, public SharedInstance<Tradio>
{
    Q_OBJECT
public:
    explicit Tradio(QWidget *parent = nullptr);
};

// Serves both the password field and, for one use at a time, the text field.
class Tmot_pass : public FieldDialog, public SharedInstance<Tmot_pass>
{
    Q_OBJECT
public:
    explicit Tmot_pass(QWidget *parent = nullptr);

    // The text-field form: caption 2005 and a plain sample; otherwise caption 2000 and a
    // sample masked with "*".
    void setTextFieldForm(bool textField);
    bool isTextFieldForm() const { return m_textField; }

private:
    QLineEdit *m_sample;
    bool m_textField = false;
};

class Tent_cache : public FieldDialog, public SharedInstance<Tent_cache>
{
    Q_OBJECT
public:
    explicit Tent_cache(QWidget *parent = nullptr);
};

// The image button: a picture chosen with the file-choosing controls, and a name.
class Timg_valid : public ChooserDialog, public SharedInstance<Timg_valid>
{
    Q_OBJECT
public:
    explicit Timg_valid(QWidget *parent = nullptr);
};

// Takes its captions once, when made.
class Tderoule : public FieldDialog, public SharedInstance<Tderoule>
{
    Q_OBJECT
public:
    explicit Tderoule(QWidget *parent = nullptr);
};
