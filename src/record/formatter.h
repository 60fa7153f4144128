// Every text drawn from attempts, in one place: the numbered results line, the
// tally, what to practise, the teacher's copy and print of a run. Its words are
// all in one struct, filled from the language files; nothing it writes is
// spelt in the drawing itself.
#pragma once

#include "record/attempt.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <vector>

class QPagedPaintDevice;

struct Words {
    QLocale locale{QLocale::Spanish, QLocale::Spain}; // dates and numbers

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
    std::array<QString, 10> patterns{"Olvida sumar lo que se lleva",
                                     "Resta el número menor del mayor",
                                     "Cero menos un número da ese número",
                                     "Suma lo que se lleva antes de multiplicar",
                                     "Confunde un resultado de la tabla",
                                     "Pone en el cociente una cifra pequeña",
                                     "Pone en el cociente una cifra grande",
                                     "Olvida el cero del cociente",
                                     "Resta mal al dividir",
                                     "Suma mal los productos"};
    QString slips = "Despistes", times = "veces", forExample = "por ejemplo", nothingRepeats = "Ningún error se repite.";

    // Reads the words of the results line from the exercise windows' language files.
    void loadLineWords();
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
    // often and an example, or a word that none repeats; then the slips.
    QStringList Review(const std::vector<Attempt> &attempts) const;

    // Prints lines on a printer's pages: the first as a heading, and those
    // `emphasised` says, in bold; long lines wrapped, pages numbered.
    static void Print(QPagedPaintDevice &printer, const QStringList &lines, const std::function<bool(const QString &)> &emphasised);

    // The exercises of attempts as models, in order, ready for the diagnosis
    // (the checks of one exercise share its Serial).
    static std::vector<Worked> Models(const std::vector<Attempt> &attempts);
};
