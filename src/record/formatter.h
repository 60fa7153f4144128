// Every text drawn from attempts, in one place: the numbered results line, the
// tally, what to practise, the teacher's copy and print of a run. Its words are
// all in one struct, filled from the language files; nothing it writes is
// spelt in the drawing itself.
#pragma once

#include "app/language.h"
#include "record/attempt.h"
#include "record/history.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <vector>

class QPagedPaintDevice;

struct Words {
    QLocale locale = Language::current().locale; // dates and numbers, in the language of the run

    // The results line: the column window's operation names (in the order of Op)
    // and verdicts, the long division's and the long multiplication's. They come
    // from the exercise windows' own files; a file that is missing leaves them
    // empty, as the windows' own captions are.
    std::array<QString, 4> operations{};
    std::array<QString, 2> columnVerdicts{}, divisionVerdicts{}, multiplicationVerdicts{};
    QString multiplicationTitle{};
    QString longDivision = "DIVISIÓN", remainder = "RESTO";

    // The copy and the print (Resultados.txt).
    QString runDate = "dddd, d 'de' MMMM 'de' yyyy, HH:mm"; // the date of a run, as QLocale writes it
    QString nothing = "Todavía no hay ningún ejercicio.";
    std::array<QString, ExerciseKinds> kinds{"Sumas", "Restas", "Multiplicaciones", "Divisiones", "Divisiones largas",
                                             "Multiplicaciones largas"}; // in the order of ExerciseKind
    QString right = "bien", wrong = "mal", total = "Total";
    // What to practise: the heading, the mistakes in the order of Diagnosis::Pattern, the slips.
    QString review = "Qué repasar";
    std::array<QString, 13> patterns{"Olvida sumar lo que se lleva",
                                     "Resta el número menor del mayor",
                                     "Cero menos un número da ese número",
                                     "Suma lo que se lleva antes de multiplicar",
                                     "Confunde un resultado de la tabla",
                                     "Pone en el cociente una cifra pequeña",
                                     "Pone en el cociente una cifra grande",
                                     "Olvida el cero del cociente",
                                     "Resta mal al dividir",
                                     "Suma mal los productos",
                                     "Cero menos un número da cero",
                                     "Multiplica por lo que se lleva",
                                     "Escribe las decenas y se lleva las unidades"};
    QString slips = "Despistes", times = "veces", forExample = "por ejemplo", nothingRepeats = "Ningún error se repite.";
    // How often each mistake showed: "3 de 4 restas en que podía"; the exercises it could show in, in the same order.
    QString of = "de";
    std::array<QString, 13> chances{"cuentas en que podía",         "restas en que podía",          "restas en que podía",
                                    "multiplicaciones en que podía", "cuentas en que podía",         "divisiones en que podía",
                                    "divisiones en que podía",       "divisiones en que podía",      "divisiones en que podía",
                                    "multiplicaciones en que podía", "restas en que podía",          "multiplicaciones en que podía",
                                    "multiplicaciones en que podía"};

    // The history window (Resultados.txt, after the lines above). "%1" stands for what the word is about.
    QString history = "Historial", historyOf = "Historial de %1";
    QString lastDays = "Los últimos %1 días con ejercicios";
    QString chartNote = "Gráfico de barras de cada día: abajo lo que salió bien, arriba y rayado lo que salió mal. La tabla de al lado tiene los mismos números.";
    QString day = "Día", rightHeading = "Bien", wrongHeading = "Mal";
    QString byKind = "Por tipo de ejercicio", kindHeading = "Ejercicios", thisWeek = "Esta semana", before = "Antes";
    QString exercise = "ejercicio", exercises = "ejercicios", none = "ninguno";
    QString lastTime = "la última vez el %1";
    QString dayFormat = "dddd d 'de' MMMM", shortDay = "d/M"; // days, as QLocale writes them
    QString fading = "va a menos", notFading = "todavía se repite";
    QString noHistory = "Todavía no hay ejercicios guardados.";
    // When the history cannot be kept: the line, and why, in the order of Storage::Trouble after None.
    QString notKept = "Estos ejercicios no se guardan en el historial: %1.";
    std::array<QString, 8> troubles{"el administrador de este ordenador lo ha desactivado",
                                    "falta el módulo SQLite de Qt (libqt6sql6-sqlite)",
                                    "no se puede escribir en %1",
                                    "el disco está lleno",
                                    "en su lugar hay una carpeta: %1",
                                    "lo escribió una versión más nueva de Cuentas",
                                    "otro programa lo tiene ocupado",
                                    "el archivo está dañado y no se puede apartar: %1"};
    QString setAside = "El historial estaba dañado o no era de Cuentas: se ha guardado aparte, en su misma carpeta, como %1, y se empieza uno nuevo.";

    // Reads the words of the results line from the exercise windows' language files.
    void loadLineWords();
    // Where the lines of Resultados.txt from line 4 on go.
    std::vector<Language::Line> resultsTable();
};

class Formatter
{
public:
    Words words;

    // "7. Suma: 25 + 17 = 42 ** ¡MUY BIEN! **"
    QString Line(int number, const Attempt &a) const;
    // The line without its number.
    QString Text(const Attempt &a) const;

    // The record of a run for the teacher: the child's name with the date and
    // time, every line, the tally of right and wrong by kind, and what to practise.
    QStringList RunLines(const QString &child, const QDateTime &started, const std::vector<Attempt> &attempts) const;
    // For each kind with attempts, how many were right and how many wrong; then the totals.
    QStringList Tally(const std::vector<Attempt> &attempts) const;
    // What to practise: the heading, each mistake the child keeps making with how
    // often out of how many chances and an example, or a word that none repeats;
    // then the slips.
    QStringList Review(const std::vector<Attempt> &attempts) const;
    // How often a mistake showed, out of how many chances: "3 de 4 restas en que podía".
    QString Often(Diagnosis::Pattern p, int exercises, int chances) const;

    // A child's history for the teacher: the heading with the date, the days
    // with work, each kind this week and before, and what to practise.
    QStringList HistoryLines(const QString &child, const QDateTime &now, const History &h) const;
    // What to practise over a history, each mistake with the last day it showed and whether it fades.
    QStringList HistoryReview(const History &h) const;
    QString LastDays(const History &h) const;
    // A day in full ("jueves 3 de diciembre") and short ("3/12").
    QString Day(const QDate &d) const;
    QString ShortDay(const QDate &d) const;
    // "12 ejercicios, 83 % bien", or "ninguno".
    QString ShareText(const History::Share &s) const;
    // The one line that says the history is not kept, and why; or that a damaged
    // file was set aside; or nothing. `trouble` in the order of Storage::Trouble.
    QString KeptLine(int trouble, const QString &detail, const QString &setAside) const;

    // A word with "%1" filled in (a word a teacher wrote without "%1" is left as it is).
    static QString fill(const QString &word, const QString &value);
    // The same with "%1", "%2", ... for each value in turn.
    static QString fill(const QString &word, const QStringList &values);

    // Prints lines on a printer's pages: the first as a heading, and those
    // `emphasised` says, in bold; long lines wrapped, pages numbered.
    static void Print(QPagedPaintDevice &printer, const QStringList &lines, const std::function<bool(const QString &)> &emphasised);
};
