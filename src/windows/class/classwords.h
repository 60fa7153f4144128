// Every word of the teacher's windows (the PIN, the class window, its files and
// the command line), with the Spanish the program falls back on. The class
// window's texts() table fills them from the presentation window's language
// file; nothing else names a line of it.
#pragma once

#include "record/spreadsheet.h"
#include "storage/transfer.h"

#include <QString>
#include <array>

struct ClassWords {
    QString title = "Clase";

    // The PIN.
    QString choosePin = "Elige un PIN de 4 a 8 cifras para abrir la clase. Guárdalo bien: hará falta cada vez.";
    QString pin = "PIN", repeatPin = "Repite el PIN";
    QString askPin = "Escribe el PIN de la clase.";
    QString pinShape = "El PIN tiene de 4 a 8 cifras, sin letras.";
    QString pinsDiffer = "Los dos PIN no son iguales.";
    QString pinWrong = "PIN equivocado. Intentos que quedan: %1.";
    QString pinWait = "Demasiados intentos: espera un poco (%1 s).";
    QString ok = "Aceptar", cancel = "Cancelar";

    // The days.
    QString dates = "Fechas";
    std::array<QString, 4> periods{"Esta semana", "Este mes", "Este curso", "Entre dos fechas"}; // in the order of Classroom::Period
    QString from = "Desde", to = "Hasta";

    // The table.
    QString sortBy = "Ordenar por", reverse = "Al revés";
    std::array<QString, 7> columns{"Nombre", "Días con trabajo", "Ejercicios", "Bien esta semana", "Bien antes", "Qué repasar",
                                   "Último día"}; // in the order of Classroom::Column
    QString share = "%1 % de %2";      // percent right, of how many
    QString working = "calculando…";  // what to practise, while it is worked out
    QString children = "Niños de la clase";
    QString dayFormat = "d 'de' MMMM 'de' yyyy"; // the last day, as QLocale writes it

    // The commands.
    QString history = "Ver el historial";
    QString exportSheet = "Exportar", byExercise = "Una línea por ejercicio…", byChild = "Una línea por niño…";
    QString exportAll = "Exportar para otro ordenador…", importAll = "Importar…";
    QString forgetChild = "Borrar el historial de un niño…", forgetBefore = "Borrar lo anterior a un día…";
    QString keep = "Guardar el historial en este ordenador";
    QString keepOff = "El administrador ha apagado el historial en este ordenador.";
    QString close = "Cerrar";

    // What the commands ask and say.
    QString forgetChildAsk = "¿Borrar todo el historial de %1? Ejercicios: %2. No se puede deshacer.";
    QString forgetBeforeDay = "Borrar todo lo anterior al día:";
    QString forgetBeforeAsk = "¿Borrar todo lo anterior al %2? Ejercicios: %1. No se puede deshacer.";
    QString nothingBefore = "No hay ningún ejercicio anterior al %1.";
    QString forgotten = "Borrado. Ejercicios borrados: %1.";
    QString sheetFiles = "Hoja de cálculo (*.csv)";
    QString historyFiles = "Historial de Cuentas (*.cuentas)";
    QString written = "Guardado en %1. Ejercicios: %2.";
    QString merged = "Importado. Ejercicios nuevos: %1. Niños: %2 (nuevos en este ordenador: %3).";
    QString nothingNew = "No había nada nuevo: ese historial ya estaba en este ordenador.";
    // Why a file was not written or taken, in the order of Transfer::Trouble (None first, unused).
    std::array<QString, 8> troubles{"",
                                    "El historial no se guarda en este ordenador.",
                                    "No se puede leer ese archivo.",
                                    "Ese archivo no es un historial de Cuentas: no se ha cambiado nada.",
                                    "Ese archivo es de una versión más nueva de Cuentas: no se ha cambiado nada.",
                                    "Ese archivo está dañado o incompleto: no se ha cambiado nada.",
                                    "No se puede escribir ese archivo.",
                                    "El historial no ha podido guardarlo: no se ha cambiado nada."};
    // No history on this computer, and why (the history window's words for the reasons).
    QString notKeptHere = "El historial no se guarda en este ordenador: %1.";

    // The spreadsheets.
    SheetWords sheet;

    // The command line.
    QString about = "Practica las cuentas. Sin opciones, abre el programa.";
    QString exportOption = "Escribe en ARCHIVO el historial de este ordenador, para llevarlo a otro.";
    QString importOption = "Añade al historial de este ordenador el de otro, escrito con --export.";
    QString csvOption = "Escribe en ARCHIVO el historial como hoja de cálculo, una línea por ejercicio.";
    QString helpOption = "Muestra esta ayuda.";
    QString file = "ARCHIVO";
    QString unknownOption = "Opción desconocida: %1. Las opciones se ven con cuentas --help.";
    QString missingFile = "Falta el nombre del archivo después de %1.";
    QString oneOption = "Una sola opción cada vez: --export, --import o --csv.";
    QString unexpected = "No se esperaba: %1. Las opciones se ven con cuentas --help.";

    QString trouble(Transfer::Trouble t) const { return troubles[std::size_t(t)]; }
    bool operator==(const ClassWords &) const = default;
};
