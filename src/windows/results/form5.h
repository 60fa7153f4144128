// The results window: one line per finished exercise, headed by the child's name;
// the teacher copies the record or prints it, with a tally at its end.
#pragma once

#include "app/language.h"
#include "ui/form.h"
#include "record/record.h"

#include <array>
#include <vector>

class QPrinter;

class Form5 : public Form
{
    Q_OBJECT
public:
    Form5();
    void Form_Load() override;

    // Handlers, one per control and event.
    void Command1_Click(); // copy the record
    void Command2_Click(); // print it
    void Command3_Click(); // what to practise

    // Shows this record of the run: a line for each exercise it has, and for each it gains.
    void ShowRecord(const Record *record);
    const std::vector<ResultRecord> &Records() const;

    // The record for the teacher, as plain text: the child's name with the date
    // and time of the run, every line as listed, and the tally of right and wrong.
    QString RecordText() const;
    // Prints the record on the printer's pages: long lines wrapped, pages numbered.
    void PrintRecord(QPrinter &printer) const;

    // Controls, and the role each plays.
    ListBox *List1;          // one line per record, in order; drawn from the records only
    Label *Label1;           // heading: the child's name and the title
    CommandButton *Command1; // copy the record ("Copiar")
    CommandButton *Command2; // print the record ("Imprimir")
    CommandButton *Command3; // what the child should practise ("Qué repasar")

    // The words of the copy and the print; lines 4 on of the language file.
    struct Words {
        QString nothing = "Todavía no hay ningún ejercicio.";
        std::array<QString, 6> kinds{"Sumas", "Restas", "Multiplicaciones", "Divisiones", "Divisiones largas",
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
    } Words;

protected:
    bool QueryClose() override;

private:
    std::vector<Language::Line> texts();
    QStringList RecordLines() const;
    QStringList ReviewLines() const;
    const Record *record_ = nullptr;
    class QAction *CopyAction = nullptr, *PrintAction = nullptr, *ReviewAction = nullptr;
};
