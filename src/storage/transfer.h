// A history carried to another computer: one file with every attempt this
// computer keeps, which the teacher's computer merges into its own (each
// attempt once, by its id; a child once, by its name as compared).
//
// The file is UTF-8 text, one line each, fields separated by tabs:
//
//   CUENTAS-HISTORIAL <tab> 1                 the kind of file and its version
//   A <tab> id, exercise, child's name, ended, kind, a, b, one_digit, cells, correct, race
//   ...                                       one line per attempt, columns as the history keeps them
//   FIN <tab> attempts <tab> SHA-256          how many attempt lines, and the hash of every byte before this line
//
// A backslash, tab, carriage return or line feed inside a name is written
// \\, \t, \r, \n. A file cut short or changed in any byte fails its hash and is
// refused whole.
#pragma once

#include "storage/storage.h"

#include <QString>
#include <optional>
#include <vector>

namespace Transfer {

// The version of the file this program writes; a newer one is refused.
constexpr int Version = 1;

enum class Trouble {
    None,
    NoHistory,  // this computer keeps no history (it could not be opened)
    Unreadable, // the file cannot be read
    Foreign,    // not a history of Cuentas
    Newer,      // written by a newer Cuentas
    Damaged,    // cut short or changed
    Unwritable, // the file cannot be written
    Failed,     // the history could not take it (nothing was changed)
};

// Writes this computer's whole history into the file, whole or not at all
// (the file is replaced only once it is complete). How many attempts it holds.
struct Written {
    Trouble trouble = Trouble::None;
    int attempts = 0;
};
Written Write(const Storage &history, const QString &file);

// Reads a file written by Write(): its attempts, or why not.
struct Read {
    Trouble trouble = Trouble::None;
    std::vector<Attempt> attempts{};
};
Read ReadFile(const QString &file);

// Merges the file into the history in one transaction: all of it, or nothing.
struct Merged {
    Trouble trouble = Trouble::None;
    Storage::Merged merged{};
};
Merged Import(Storage &history, const QString &file);

} // namespace Transfer
