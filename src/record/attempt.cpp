#include "record/attempt.h"

#include <QHash>
#include <QMutex>
#include <algorithm>

ExerciseKind kindOf(Op op)
{
    switch (op) {
    case Op::Division:
        return ExerciseKind::Division;
    case Op::Subtraction:
        return ExerciseKind::Subtraction;
    case Op::Multiplication:
        return ExerciseKind::Multiplication;
    case Op::Addition:
        break;
    }
    return ExerciseKind::Addition;
}

Op opOf(ExerciseKind kind)
{
    switch (kind) {
    case ExerciseKind::Subtraction:
        return Op::Subtraction;
    case ExerciseKind::Multiplication:
        return Op::Multiplication;
    case ExerciseKind::Division:
        return Op::Division;
    default:
        return Op::Addition;
    }
}

namespace {

// This run's exercise ids, made from the Serials, and the Serial of every exercise id seen
// (models are made again on the class window's second thread too: one at a time).
struct Serials {
    QUuid run = QUuid::createUuid();
    QHash<QUuid, int> ofId;
    QMutex lock;
};
Serials &serials()
{
    static Serials s;
    return s;
}

int serialOf(const QUuid &exercise)
{
    QMutexLocker hold(&serials().lock);
    auto it = serials().ofId.find(exercise);
    if (it == serials().ofId.end())
        it = serials().ofId.insert(exercise, newSerial());
    return it.value();
}

Attempt::Cell cellOf(int row, int column, const DigitCell &c, bool judged) { return {row, column, c.first, c.current, judged}; }

void restore(DigitCell &c, const Attempt::Cell &from)
{
    c.inUse = true;
    c.first = from.first;
    c.current = from.last;
    c.judged = from.judged;
    c.verdict = !from.judged ? Verdict::None : c.value() == c.right ? Verdict::Right : Verdict::Wrong;
}

// The operands the windows draw, with room to spare: anything else (a file
// from elsewhere) is not made into a model.
bool plausible(const Attempt &a)
{
    auto within = [](int v, int low, int high) { return v >= low && v <= high; };
    switch (a.kind) {
    case ExerciseKind::Addition:
    case ExerciseKind::Subtraction:
        return within(a.a, 0, 999) && within(a.b, 0, 999);
    case ExerciseKind::Multiplication:
        return within(a.a, 0, 999) && within(a.b, 0, 9);
    case ExerciseKind::Division:
        return within(a.a, 0, 999) && within(a.b, 1, 9);
    case ExerciseKind::WrittenDivision:
        return within(a.b, 1, 999) && within(a.a, 0, a.b < 10 ? 9999 : a.b < 100 ? 99999 : 999999);
    case ExerciseKind::WrittenMultiplication:
        return within(a.a, 10, 99999) && within(a.b, 10, 99);
    }
    return false;
}

template <class Model> Model withCells(Model m, const Attempt &a, const std::function<DigitCell *(Model &, int, int)> &cell)
{
    for (const Attempt::Cell &c : a.cells)
        if (DigitCell *d = cell(m, c.row, c.column))
            restore(*d, c);
    return m;
}

} // namespace

QUuid exerciseId(int serial)
{
    const QUuid id = QUuid::createUuidV5(serials().run, QString::number(serial));
    QMutexLocker hold(&serials().lock);
    serials().ofId.insert(id, serial);
    return id;
}

Attempt Attempt::Of(const Exercise &e, bool race)
{
    Attempt a;
    a.exercise = exerciseId(e.Serial);
    a.kind = kindOf(e.Operation);
    const bool division = e.Operation == Op::Division;
    a.a = division ? e.Dividend : e.OperandA;
    a.b = division ? e.Divisor : e.OperandB;
    a.right = e.Answer[0].judged;
    for (int i = 0; i < e.AnswerDigits; ++i) {
        a.cells.push_back(cellOf(0, i, e.Answer[i], e.Answer[i].judged));
        a.right = a.right && e.Answer[i].verdict == Verdict::Right;
    }
    // The carry boxes keep what they held at the first check.
    for (int k = 1; k <= 2; ++k)
        if (e.TopShown[k])
            a.cells.push_back(cellOf(1, k, e.Carry[k], e.Answer[0].judged));
    a.race = race;
    return a;
}

Attempt Attempt::Of(const LongDivision &d)
{
    Attempt a;
    a.exercise = exerciseId(d.Serial);
    a.kind = ExerciseKind::WrittenDivision;
    a.a = d.Dividend;
    a.b = d.Divisor;
    for (int k = 0; k < LongDivision::QuotientDigits; ++k)
        if (d.QuotientCell(k).inUse)
            a.cells.push_back(cellOf(0, k, d.QuotientCell(k), d.QuotientCell(k).judged));
    for (int row = 1; row <= LongDivision::Rows; ++row)
        for (int column = 0; column < LongDivision::Columns; ++column)
            if (const DigitCell &c = d.RemainderCell(row, column); c.inUse && !d.BroughtDown(row, column))
                a.cells.push_back(cellOf(row, column, c, c.judged));
    a.right = d.Faultless();
    return a;
}

Attempt Attempt::Of(const LongMultiplication &m)
{
    using Row = LongMultiplication::Row;
    Attempt a;
    a.exercise = exerciseId(m.Serial);
    a.kind = ExerciseKind::WrittenMultiplication;
    a.a = m.Multiplicand;
    a.b = m.Multiplier;
    a.oneDigit = m.OneDigit();
    for (Row row : {Row::First, Row::Second, Row::Result})
        if (m.InUse(row))
            for (int i = 0; i < m.CellCount(row); ++i) {
                const int column = LongMultiplication::FirstColumn(row) + i;
                a.cells.push_back(cellOf(int(row), column, m.Cell(row, column), m.Cell(row, column).judged));
            }
    a.right = m.Right();
    return a;
}

Worked Attempt::Model() const
{
    if (!plausible(*this))
        return std::monostate{};
    auto inRange = [](int v, int high) { return v >= 0 && v < high; };
    switch (kind) {
    case ExerciseKind::WrittenDivision: {
        LongDivision d = LongDivision::Of(a, b);
        d.Serial = serialOf(exercise);
        return withCells<LongDivision>(d, *this, [&](LongDivision &m, int row, int column) -> DigitCell * {
            if (row == 0)
                return inRange(column, LongDivision::QuotientDigits) ? &m.QuotientCell(column) : nullptr;
            return row <= LongDivision::Rows && inRange(row, LongDivision::Rows + 1) && inRange(column, LongDivision::Columns)
                       ? &m.RemainderCell(row, column)
                       : nullptr;
        });
    }
    case ExerciseKind::WrittenMultiplication: {
        using Size = LongMultiplication::MultiplierSize;
        LongMultiplication m = LongMultiplication::Of(a, b, oneDigit ? Size::OneDigit : Size::TwoDigits);
        m.Serial = serialOf(exercise);
        return withCells<LongMultiplication>(m, *this, [&](LongMultiplication &x, int row, int column) -> DigitCell * {
            return inRange(row, 3) && inRange(column, LongMultiplication::Columns) ? &x.Cell(LongMultiplication::Row(row), column) : nullptr;
        });
    }
    default: {
        Exercise e = Exercise::Of(opOf(kind), a, b);
        e.Serial = serialOf(exercise);
        return withCells<Exercise>(e, *this, [&](Exercise &x, int row, int column) -> DigitCell * {
            if (row == 0)
                return inRange(column, x.AnswerDigits) ? &x.Answer[column] : nullptr;
            return row == 1 && inRange(column, 3) ? &x.Carry[column] : nullptr;
        });
    }
    }
}

const Attempt::Cell *Attempt::at(int row, int column) const
{
    auto it = std::find_if(cells.begin(), cells.end(), [&](const Cell &c) { return c.row == row && c.column == column; });
    return it == cells.end() ? nullptr : &*it;
}

std::vector<Worked> modelsOf(const std::vector<Attempt> &attempts)
{
    std::vector<Worked> models;
    models.reserve(attempts.size());
    for (const Attempt &a : attempts)
        models.push_back(a.Model());
    return models;
}
