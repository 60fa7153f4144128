// The history as a spreadsheet: a CSV file that a spreadsheet in Spanish
// opens with its accents and columns right: UTF-8 with a byte-order mark,
// fields separated by semicolons and quoted as RFC 4180 does, lines ended by
// CR LF, dates written 2026-12-07. Two sheets: one line per exercise, and one
// line per child (the class window's row).
#pragma once

#include "record/classroom.h"
#include "record/formatter.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

class QIODevice;

struct SheetWords {
    // One line per exercise.
    std::array<QString, 9> exerciseColumns{"Fecha",     "Hora",      "Nombre",          "Tipo",   "Ejercicio",
                                           "Respuesta", "Solución", "Bien o mal", "Errores"};
    // In the order of ExerciseKind.
    std::array<QString, ExerciseKinds> kinds{"Suma", "Resta", "Multiplicación", "División", "División larga", "Multiplicación larga"};
    QString remainder = "resto"; // "176 resto 2"
    // One line per child.
    std::array<QString, 9> childColumns{"Nombre",           "Días con trabajo", "Ejercicios",  "Bien esta semana (%)", "Ejercicios esta semana",
                                        "Bien antes (%)", "Ejercicios antes", "Qué repasar", "Último día"};
    bool operator==(const SheetWords &) const = default;
};

namespace Csv {

// A field as RFC 4180 writes it: quoted when it holds a semicolon, a quote or
// a line end, its quotes doubled. A field a spreadsheet would take for a
// formula (=, +, -, @ first) is written with a ' before it, as spreadsheets
// themselves do, so that a name never runs as one.
QString Field(const QString &text);
// The fields joined by semicolons, with the line end.
QString Line(const QStringList &fields);

} // namespace Csv

class Spreadsheet
{
public:
    Spreadsheet(const Words &words, const SheetWords &sheet) : words_(words), sheet_(sheet) {}

    // One exercise: date, time, child, kind, the exercise, the child's answer,
    // the right one, right or wrong, the mistakes named in it.
    QStringList ExerciseFields(const Attempt &a) const;
    // One child: the row of the class window, with its numbers in columns of their own.
    QStringList ChildFields(const Classroom::Row &row) const;
    QStringList ExerciseHeader() const;
    QStringList ChildHeader() const;
    // What to practise, as the class window and the sheets write it.
    QString Mistakes(const std::vector<Diagnosis::Pattern> &patterns) const;

    // Writes a whole sheet into a file, replacing it only once it is complete:
    // the byte-order mark, the header, then every line `lines` hands on (it
    // returns false if it could not read them all). False if nothing was written.
    static bool Write(const QString &file, const QStringList &header, const std::function<bool(const std::function<void(const QStringList &)> &)> &lines);

private:
    const Words &words_;
    const SheetWords &sheet_;
    mutable QHash<qint64, int> offsets_; // seconds from UTC, by quarter of an hour
};
