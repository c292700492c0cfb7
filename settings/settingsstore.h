#pragma once

#include <QString>

// The key store of brindel.sav and visualisateur.sav, and the numbered texts of the language
// files. Nothing is cached: every read scans the file from the top, every write rewrites it.
// A missing or unreadable file throws IoError.

// The text returned for a key or a number that the file does not hold.
extern const QString kIndefini;

// The value of `key` in `file` ("[key]=value"), or kIndefini.
QString lireparametre(const QString &key, const QString &file);

// Replaces the value of every line of `key` in `file`; a key without a line changes nothing.
void ecrireparametre(const QString &value, const QString &key, const QString &file);

// The text numbered `number` in the language file `file` ("number$text"), or kIndefini.
QString textedialogue(int number, const QString &file);

// The integer value of a key, or `fallback` when the key is missing or not a whole number.
int lireentier(const QString &key, const QString &file, int fallback);
